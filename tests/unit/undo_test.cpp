// The undo journal: what is recorded as a step, undo and redo by count,
// all, a bad count, redo after a new command, the inventory flag and a
// journal that outgrows its first block.
#include "persist_support.h"

using namespace persist_test;

namespace {

constexpr int SHORT = 5, INVENTORY = 6, BAD_COUNT = 7;

class Undo : public InTempDir {
protected:
    std::vector<std::vector<unsigned char>> states;  // the image after each recorded command

    void SetUp() override {
        InTempDir::SetUp();
        fill_image(1);
        value[KV_ARG1] = 750;
        value[KV_ARG2] = -1;
        value[KV_COMMAND_STATUS] = 1;
        save_changes();  // the first boundary takes the reference
        states.push_back(live_bytes());
    }

    // One command: its changes, then the boundary that records it.
    void play(void (*change)(int), int k) {
        value[KV_ARG1] = 750;
        value[KV_ARG2] = -1;
        value[KV_COMMAND_STATUS] = 1;
        change(k);
        save_changes();
        states.push_back(live_bytes());
    }

    // Undo or redo as the undo word gives them: its count as typed.
    int32_t step(void (*what)(), const char *count) {
        value[KV_ARG1] = what == undo ? 738 : 739;
        if (!count) {
            value[KV_COMMAND_STATUS] = 1;
            value[KV_ARG2] = -1;
        } else if (strcmp(count, "all") == 0) {
            value[KV_COMMAND_STATUS] = 2;
            value[KV_ARG2] = 3;
            snprintf(arg2_word, WORD_SIZE, "all");
        } else {
            value[KV_COMMAND_STATUS] = 2;
            value[KV_ARG2] = -2;
            snprintf(arg2_word, WORD_SIZE, "%s", count);
        }
        what();
        return value[KV_UNDO_RESULT];
    }

    // The state after command k, but for the bytes that undo itself writes.
    void expect_state(size_t k) {
        std::vector<unsigned char> now = live_bytes();
        const std::vector<unsigned char> &want = states[k];
        for (int j = 4; j < IMAGE_SIZE; j++) {
            int v = j / 4;
            if (v == KV_ARG1 || v == KV_ARG2 || v == KV_COMMAND_STATUS || v == KV_UNDO_RESULT || v == KV_QUESTION)
                continue;
            if (j >= 17872 + 2 * (KV_UNDO_RESULT - 704) && j < 17872 + 2 * (KV_UNDO_RESULT - 704) + 2) continue;
            ASSERT_EQ(now[size_t(j)], want[size_t(j)]) << "byte " << j << " after command " << k;
        }
    }

    static void small(int k) { value[2000 + k] += 1000 + k; }
};

bool flag(int n) { return bitest(KV_UNDO_RESULT, n); }

// The table of counts: what is taken back or done again, and the flags.
TEST_F(Undo, CountsTable) {
    for (int k = 1; k <= 2; k++) play(small, k);
    struct {
        void (*what)();
        const char *count;
        int32_t done;
        bool short_flag;
        size_t state;  // the command whose state is live afterwards
    } rows[] = {
        {undo, nullptr, 1, false, 1},  // one by default
        {redo, nullptr, 1, false, 2},
        {undo, "3", 2, true, 0},      // fewer than asked
        {undo, "1", 0, true, 0},      // nothing left
        {redo, "all", 2, false, 2},   // all, never short
        {redo, "1", 0, true, 2},      // nothing to redo
        {undo, "all", 2, false, 0},
        {redo, "2", 2, false, 2},
        {undo, "0", 0, false, 2},
    };
    for (const auto &r : rows) {
        value[KV_QUESTION] = 4;
        EXPECT_EQ(step(r.what, r.count), r.done) << (r.what == undo ? "undo " : "redo ") << (r.count ? r.count : "-");
        EXPECT_EQ(flag(SHORT), r.short_flag) << (r.count ? r.count : "-");
        EXPECT_FALSE(flag(BAD_COUNT));
        EXPECT_EQ(value[KV_QUESTION], 0);
        expect_state(r.state);
    }
}

TEST_F(Undo, EmptyJournal) {
    forget_journal();
    EXPECT_EQ(step(undo, nullptr), 0);
    EXPECT_TRUE(flag(SHORT));
    EXPECT_EQ(step(redo, nullptr), 0);
    EXPECT_TRUE(flag(SHORT));
}

TEST_F(Undo, BadCountChangesNothing) {
    play(small, 1);
    value[KV_UNDO_RESULT] = 17;
    const std::vector<unsigned char> before = live_bytes();
    const int flags_at = 17872 + 2 * (KV_UNDO_RESULT - 704);
    for (const char *bad : {"2x", "x", "-1", "1 "}) {
        EXPECT_EQ(step(undo, bad), 17) << bad;
        EXPECT_TRUE(flag(BAD_COUNT)) << bad;
        std::vector<unsigned char> now = live_bytes();
        for (int j = 0; j < IMAGE_SIZE; j++) {
            int v = j / 4;
            if (v == KV_ARG1 || v == KV_ARG2 || v == KV_COMMAND_STATUS || j == flags_at || j == flags_at + 1) continue;
            ASSERT_EQ(now[size_t(j)], before[size_t(j)]) << bad << " " << j;
        }
    }
    EXPECT_EQ(step(undo, "1"), 1);
    EXPECT_FALSE(flag(BAD_COUNT));
}

TEST_F(Undo, NewCommandAfterUndoEndsRedo) {
    for (int k = 1; k <= 3; k++) play(small, k);
    EXPECT_EQ(step(undo, "2"), 2);
    play(small, 9);
    EXPECT_EQ(step(redo, nullptr), 0);
    EXPECT_TRUE(flag(SHORT));
    EXPECT_EQ(step(undo, "all"), 2);  // command 1 and the new one
    expect_state(0);
}

TEST_F(Undo, InventoryChangeIsFlaggedBothWays) {
    location[10] = K_CARRIED;
    play(small, 1);
    play([](int) { location[10] = 250; }, 0);  // put down
    EXPECT_EQ(step(undo, nullptr), 1);
    EXPECT_TRUE(flag(INVENTORY));
    EXPECT_EQ(location[10], K_CARRIED);
    EXPECT_EQ(step(redo, nullptr), 1);
    EXPECT_TRUE(flag(INVENTORY));
    EXPECT_EQ(location[10], 250);
    play(small, 5);
    EXPECT_EQ(step(undo, nullptr), 1);
    EXPECT_FALSE(flag(INVENTORY));
}

// What is never a step: a command that changed nothing, or only the words;
// the undo and redo commands, failed parses and answers inside questions
// carry their changes into the next recorded command.
TEST_F(Undo, WhatIsNotAStep) {
    play(small, 1);
    const int limit = dptr;
    play([](int) {}, 0);
    play([](int) { value[KV_ARG2] = 812; value[KV_COMMAND_STATUS] = 2; }, 0);
    EXPECT_EQ(dptr, limit);

    struct {
        int arg1, arg2, question;
    } skipped[] = {{738, -1, 0}, {739, 5, 0}, {-2, -1, 0}, {750, -3, 0}, {750, -1, 2}};
    for (const auto &s : skipped) {
        value[2100] += 1;
        value[KV_ARG1] = s.arg1;
        value[KV_ARG2] = s.arg2;
        value[KV_QUESTION] = s.question;
        save_changes();
        EXPECT_EQ(dptr, limit) << s.arg1 << " " << s.arg2 << " " << s.question;
    }
    value[KV_QUESTION] = 0;
    play(small, 2);  // takes all of the skipped changes with it
    EXPECT_GT(dptr, limit);
    EXPECT_EQ(step(undo, nullptr), 1);
    expect_state(1);
}

TEST_F(Undo, JournalOffEmptiesIt) {
    play(small, 1);
    journal_clear();
    EXPECT_EQ(dptr, 4);
    EXPECT_EQ(edptr, 4);
    EXPECT_EQ(step(undo, nullptr), 0);
}

// A command that changes much of the image outgrows the first block.
TEST_F(Undo, LargeCommandsGrowTheJournal) {
    play([](int) {
        for (int i = 1300; i < 3500; i++) value[i] = ~value[i];
    }, 0);
    EXPECT_GT(diffsz, 8192);
    play(small, 1);
    EXPECT_EQ(step(undo, "2"), 2);
    expect_state(0);
    EXPECT_EQ(step(redo, "2"), 2);
    expect_state(2);
}

}  // namespace
