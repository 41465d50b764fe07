// The recent-words tree: ordering, balance, growth, and what word_update
// takes from the flushed text.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "input.h"
#include "state.h"
#include "text.h"

namespace {

// A fresh tree of its own for each test.
struct Tree : ::testing::Test {
    int16_t *t = nullptr;
    void SetUp() override { t = btinit(nullptr); }
    void TearDown() override { std::free(t); }
    void add(const std::string &w) {
        int16_t *g = btadd(t, w.c_str(), int(w.size()));
        ASSERT_NE(g, nullptr);
        t = g;
    }
    std::string word_at(int n) { return reinterpret_cast<const char *>(t + n + 4); }
};

// Checks order, parent links and balance factors; returns the height.
int check(const int16_t *t, int n, int parent, const char *lo, const char *hi) {
    if (n == 0) return 0;
    EXPECT_EQ(t[n + 1], parent);
    const char *w = reinterpret_cast<const char *>(t + n + 4);
    if (lo) {
        EXPECT_LT(std::strcmp(lo, w), 0);
    }
    if (hi) {
        EXPECT_GT(std::strcmp(hi, w), 0);
    }
    int hl = check(t, t[n], n, lo, w);
    int hr = check(t, t[n + 2], n, w, hi);
    EXPECT_EQ(t[n + 3], hr - hl) << "balance of " << w;
    EXPECT_LE(std::abs(hr - hl), 1);
    return 1 + std::max(hl, hr);
}

// Distinct ten-letter words.
std::string nth_word(int i) {
    std::string w(10, 'a');
    for (int k = 9; k >= 0 && i; k--, i /= 26) w[k] = char('a' + i % 26);
    return w;
}

TEST(TreeCompare, KeyEndsAtItsFirstNonLetter) {
    struct {
        const char *key, *stored;
        int expect;
    } cases[] = {
        {"lantern", "lantern", 0},   {"lanterns", "lantern", 1}, {"lanter", "lantern", -1},
        {"lantern x", "lantern", 0}, {"lantern", "lanterns", -1}, {"apple", "banjo", -1},
        {"zebra", "banjo", 1},       {"", "", 0},
    };
    for (auto &c : cases) {
        int16_t cells[16] = {};
        std::memcpy(cells, c.stored, std::strlen(c.stored) + 1);
        EXPECT_EQ(btcompare(c.key, cells), c.expect) << c.key << " / " << c.stored;
    }
}

TEST_F(Tree, AscendingInsertionsStayBalanced) {
    const char *words[] = {"aaaaa", "bbbbb", "ccccc", "ddddd", "eeeee", "fffff", "ggggg"};
    for (const char *w : words) add(w);
    EXPECT_EQ(word_at(t[1]), "ddddd");
    EXPECT_EQ(check(t, t[1], 0, nullptr, nullptr), 3);
    for (const char *w : words) EXPECT_NE(btfind(t, w), 0) << w;
}

TEST_F(Tree, MixedInsertionsKeepEveryInvariant) {
    // Orders that need both rotations on both sides.
    unsigned seed = 12345;
    for (int i = 0; i < 300; i++) {
        seed = seed * 1103515245u + 12345u;
        add(nth_word(int(seed >> 8) % 5000));
    }
    check(t, t[1], 0, nullptr, nullptr);
}

TEST_F(Tree, SameWordIsStoredOnceAndCaseIsLowered) {
    add("Tapestry");
    int next = t[0];
    add("tapestry");
    add("TAPESTRY");
    EXPECT_EQ(t[0], next);
    EXPECT_EQ(word_at(t[1]), "tapestry");
    EXPECT_EQ(next, 3 + 8 / 2 + 5);
    EXPECT_NE(btfind(t, "tapestry"), 0);
    EXPECT_EQ(btfind(t, "tapestr"), 0);
    EXPECT_EQ(btfind(t, "tapestrys"), 0);
}

TEST_F(Tree, GrowsBeyondItsFirstBlock) {
    EXPECT_EQ(uint16_t(t[2]), 4096);
    for (int i = 0; i < 500; i++) add(nth_word(i));  // 10 cells each
    EXPECT_EQ(uint16_t(t[2]), 8192);
    for (int i = 0; i < 500; i++) EXPECT_NE(btfind(t, nth_word(i).c_str()), 0) << i;
    check(t, t[1], 0, nullptr, nullptr);
}

TEST_F(Tree, FullTreeRefusesAndStaysUsable) {
    int i = 0;
    for (;; i++) {
        int16_t *g = btadd(t, nth_word(i).c_str(), 10);
        if (!g) break;
        t = g;
        ASSERT_LT(i, 5000);
    }
    EXPECT_GT(t[0], 0);
    EXPECT_GT(i, 3000);
    for (int k = 0; k < i; k += 97) EXPECT_NE(btfind(t, nth_word(k).c_str()), 0);
    EXPECT_EQ(btfind(t, nth_word(i).c_str()), 0);
}

// word_update reads the kernel's text buffer and tree.
struct Update : ::testing::Test {
    void SetUp() override {
        text_setup();
        zap_text();
        tree_free();
        word_buf = btinit(nullptr);
        value[KV_HERE] = 200;
        last_here = 200;
    }
    void TearDown() override { zap_text(); }
    void show(const char *s) { outstr(s); }
};

TEST_F(Update, KeepsLongWordsButNotIngWordsNorShortOnes) {
    show("A Capitalised tapestry is hanging here; four words.\n");
    word_update();
    EXPECT_NE(btfind(word_buf, "capitalised"), 0);
    EXPECT_NE(btfind(word_buf, "tapestry"), 0);
    EXPECT_NE(btfind(word_buf, "words"), 0);
    EXPECT_EQ(btfind(word_buf, "hanging"), 0);
    EXPECT_EQ(btfind(word_buf, "four"), 0);
    EXPECT_EQ(btfind(word_buf, "here"), 0);
}

TEST_F(Update, OverlongLetterRunIsSkippedNotCut) {
    std::string run(100, 'q');
    show(("Look: " + run + " and a lantern.").c_str());
    word_update();
    EXPECT_EQ(btfind(word_buf, run.c_str()), 0);
    EXPECT_EQ(btfind(word_buf, run.substr(0, 87).c_str()), 0);
    EXPECT_EQ(btfind(word_buf, run.substr(0, 31).c_str()), 0);
    EXPECT_NE(btfind(word_buf, "lantern"), 0);
}

TEST_F(Update, AnotherPlaceEmptiesTheTree) {
    show("A tapestry.");
    word_update();
    zap_text();
    EXPECT_NE(btfind(word_buf, "tapestry"), 0);
    value[KV_HERE] = 201;
    show("A mirror.");
    word_update();
    EXPECT_EQ(btfind(word_buf, "tapestry"), 0);
    EXPECT_NE(btfind(word_buf, "mirror"), 0);
}

TEST_F(Update, FeedTakesOnlyWhatIsNewAndTheFlushTheRest) {
    show("A tapestry.");
    word_feed();
    EXPECT_NE(btfind(word_buf, "tapestry"), 0);
    // A move resets the tree; the text before the move is not fed again.
    tree_reset();
    value[KV_HERE] = 201;
    show(" A mirror.");
    word_update();
    EXPECT_EQ(btfind(word_buf, "tapestry"), 0);
    EXPECT_NE(btfind(word_buf, "mirror"), 0);
}

}  // namespace
