// Vocabulary matching on the fixture vocabulary (tests/fixtures/db/*.voc):
// grades, visibility, parser codes, the recent-words tree, the typed-word
// buffers and the typo report.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "input.h"
#include "state.h"
#include "text.h"

namespace {

constexpr int HERE = 195, ELSEWHERE = 199;

struct Vocab : ::testing::Test {
    char word[COMLINE_SIZE];
    char *list[3];
    char seps[3];

    void SetUp() override {
        ASSERT_EQ(set_title(), 0);
        kernel_reset();
        value[KV_HERE] = HERE;
        value[KV_THERE] = HERE;
        struct {
            int obj, place;
        } world[] = {{5, K_CARRIED}, {6, ELSEWHERE}, {7, HERE},      {8, HERE},       {9, HERE},
                     {10, HERE},     {11, HERE},     {13, ELSEWHERE}, {15, K_CARRIED}, {16, K_CARRIED},
                     {17, K_CARRIED}, {19, K_CARRIED}, {20, ELSEWHERE}};
        for (auto &w : world) {
            location[w.obj] = w.place;
            if (w.obj != 10) bitmod('s', w.obj, 4);  // the cloak was never seen
        }
        upcase = 0;
        tree_free();
        word_buf = btinit(nullptr);
        last_here = HERE;
    }
    void TearDown() override {
        zap_text();
        tp[0] = nullptr;
        tindex = 0;
    }

    // Puts one typed word at the parser's cursor, followed by `next`.
    void at_cursor(const char *typed, const char *next = nullptr) {
        std::snprintf(word, sizeof word, "%s", typed);
        static char second[32];
        std::snprintf(second, sizeof second, "%s", next ? next : "");
        tp[0] = word;
        tp[1] = next ? second : nullptr;
        tp[2] = nullptr;
        separator[0] = ' ';
        separator[1] = next ? ' ' : '\n';
        separator[2] = '\n';
        tindex = 0;
    }

    int lookup(const char *typed, int n = 1, int report = 0, int *type = nullptr) {
        at_cursor(typed);
        int t = -7, r = -1, w = 0;
        find_word(&t, &r, &w, n, report);
        if (type) *type = t;
        return r;
    }

    std::string output() { return std::string(text_buf, size_t(text_len)); }
};

TEST_F(Vocab, GradesVisibilityAndCodes) {
    struct {
        const char *typed;
        int expect;
        const char *why;
    } cases[] = {
        {"sword", 5, "an exact word that is also a prefix of another wins"},
        {"swordfish", 6, "exact"},
        {"swordfi", 6, "a prefix of one word"},
        {"swordf", 5, "a carried object's one-error form outranks a prefix of one elsewhere"},
        {"sto", PARSE_AMBIGUOUS, "a prefix of two objects"},
        {"stoze", PARSE_AMBIGUOUS_TYPO, "one wrong letter from two objects"},
        {"ke", 9, "synonyms of one refno are never ambiguous"},
        {"keys", 9, "an exact synonym"},
        {"cloak", 10, "an unseen object typed in full"},
        {"clo", PARSE_UNKNOWN, "an unseen object's prefix"},
        {"cloal", PARSE_UNKNOWN, "an unseen object's one-error form"},
        {"orb", 11, "a '!' word typed exactly"},
        {"or", PARSE_UNKNOWN, "a '!' word is never abbreviated"},
        {"orbs", PARSE_UNKNOWN, "nor typed with one error"},
        {"zz", 1141, "the compiler fixture's '!' word"},
        {"ghost", PARSE_UNKNOWN, "a '|' word is never matched"},
        {"hidden", PARSE_UNKNOWN, "a never-matched entry"},
        {"lan", 15, "a carried object outranks a place word"},
        {"swrod", 5, "two letters swapped"},
        {"swordfsh", 6, "a letter missing"},
        {"pails", 17, "one trailing extra letter"},
        {"miror", 16, "a visible object's typo survives a less visible better grade"},
        {"bell", 19, "a trailing extra letter never drops a better match"},
        {"xylophone", PARSE_UNKNOWN, "nothing like it"},
        {"th", 1142, "a noise word is matched only when typed in full"},
    };
    for (auto &c : cases) EXPECT_EQ(lookup(c.typed), c.expect) << c.typed << ": " << c.why;
}

// A word the game prints is spelt right: it is never corrected into
// another word, nor, from four letters on, taken for the start of a
// longer one, though it may be the same word with or without a plural
// ending. Words it does not print keep both, and short ones keep their
// abbreviations.
TEST_F(Vocab, PrintedWordsAreNotMisread) {
    struct {
        const char *typed;
        int expect;
        const char *why;
    } cases[] = {
        {"stones", 7, "printed, stone's plural"},
        {"lanterns", 15, "printed, lantern's plural"},
        {"bellowses", 19, "printed, a plural of the plural"},
        {"stonez", 7, "not printed: one letter more than stone"},
        {"stoke", PARSE_UNKNOWN, "printed, one letter from stone and stove"},
        {"stoze", PARSE_AMBIGUOUS_TYPO, "not printed: a typo of either"},
        {"candle", PARSE_UNKNOWN, "printed, the start of candlestick"},
        {"candl", 770, "not printed: an abbreviation"},
        {"lan", 15, "printed but short: still an abbreviation"},
        {"stone", 7, "printed and in the vocabulary"},
    };
    for (auto &c : cases) EXPECT_EQ(lookup(c.typed, 1, 1), c.expect) << c.typed << ": " << c.why;
    EXPECT_EQ(output(), "<stonez=stone>\n\n");  // the one typo reported
    // A printed word in the text just shown is scenery, not a misreading.
    say(0, 2201, 0);
    word_update();
    zap_text();
    EXPECT_EQ(lookup("stoke", 2), PARSE_SCENERY);
    EXPECT_EQ(lookup("candle", 2), PARSE_SCENERY);
}

TEST_F(Vocab, TypoMatchingOffAndNoMatchingAtAll) {
    amatch = 0;
    EXPECT_EQ(lookup("stoze"), PARSE_UNKNOWN);
    EXPECT_EQ(lookup("swrod"), PARSE_UNKNOWN);
    EXPECT_EQ(lookup("pails"), PARSE_UNKNOWN);
    EXPECT_EQ(lookup("sto"), PARSE_AMBIGUOUS);
    EXPECT_EQ(lookup("sword"), 5);
    amatch = -1;
    EXPECT_EQ(lookup("sword", 2), PARSE_UNKNOWN);
    EXPECT_STREQ(arg2_word, "sword");
}

TEST_F(Vocab, EmptyWordLeavesTheRefnoAndGivesNoise) {
    int t = 0, r = 1234, w = 0;
    at_cursor("");
    find_word(&t, &r, &w, 1, 0);
    EXPECT_EQ(t, 20);
    EXPECT_EQ(r, 1234);
    int type;
    lookup("a", 1, 0, &type);
    EXPECT_EQ(type, 20);
}

TEST_F(Vocab, SceneryWordsComeFromTheTreeForLaterWordsOnly) {
    say(0, 2200, 0);  // "A faded tapestry ..."
    outstr("A stoke. A stoze.");
    word_update();
    zap_text();
    EXPECT_EQ(lookup("tapestry", 2), PARSE_SCENERY);
    EXPECT_EQ(lookup("tapestry", 3), PARSE_SCENERY);
    EXPECT_EQ(lookup("tapestry", 1), PARSE_UNKNOWN);
    EXPECT_EQ(lookup("stoke", 2), PARSE_SCENERY);  // one letter from stone and stove, but printed
    // Shown, but never in the game's texts: a reply only echoed what the
    // player typed, so the word stays what the reader makes of it.
    EXPECT_EQ(lookup("stoze", 2), PARSE_AMBIGUOUS_TYPO);
    EXPECT_EQ(lookup("over", 2), PARSE_UNKNOWN);  // too short to be kept
    amatch = 0;
    EXPECT_EQ(lookup("tapestry", 2), PARSE_UNKNOWN);
    amatch = -1;
    EXPECT_EQ(lookup("tapestry", 2), PARSE_UNKNOWN);
    amatch = 1;
    value[KV_THERE] = 196;  // a move empties the tree
    moveto(197, -1);
    EXPECT_EQ(lookup("tapestry", 2), PARSE_UNKNOWN);
}

TEST_F(Vocab, TypedWordBuffers) {
    lookup("g", 1);
    EXPECT_STREQ(arg1_word, "again");  // the shown form of a known word
    lookup("keys", 2);
    EXPECT_STREQ(arg2_word, "key");
    lookup("orb", 3);
    EXPECT_STREQ(arg3_word, "orb");  // shown without its '!'
    lookup("blorp", 3);
    EXPECT_STREQ(arg3_word, "blorp");  // an unknown word as typed

    std::string longer(40, 'k');
    long_word[0] = 0;
    lookup(longer.c_str(), 2);
    EXPECT_EQ(std::strlen(arg2_word), size_t(WORD_SIZE - 1));
    EXPECT_EQ(longer.compare(0, WORD_SIZE - 1, arg2_word), 0);
    EXPECT_EQ(std::string(long_word), longer);  // kept whole
    std::string very(3000, 'v');
    lookup(very.c_str(), 1);
    EXPECT_EQ(std::string(long_word), very);
}

// A word too long for its buffer is cut between two characters, never
// inside one; long_word keeps it whole.
TEST_F(Vocab, LongTypedWordIsCutBetweenCharacters) {
    const std::string e = "\xC3\xA9", euro = "\xE2\x82\xAC", smile = "\xF0\x9F\x98\x80";
    auto times = [](const std::string &s, int n) {
        std::string out;
        for (int i = 0; i < n; i++) out += s;
        return out;
    };
    struct {
        std::string typed, kept;
    } cases[] = {
        {times(e, 30), times(e, 15)},                     // the 16th would take bytes 31 and 32
        {times("a", 29) + e, times("a", 29) + e},         // 31 bytes: fits whole
        {times("a", 30) + e + "b", times("a", 30)},
        {times("a", 29) + euro, times("a", 29)},
        {times("a", 28) + euro + "b", times("a", 28) + euro},
        {times("a", 28) + smile, times("a", 28)},
        {times("a", 27) + smile + "b", times("a", 27) + smile},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.typed);
        for (int n : {1, 2, 3}) {
            long_word[0] = 0;
            EXPECT_EQ(lookup(c.typed.c_str(), n), PARSE_UNKNOWN);
            EXPECT_EQ(std::string(n == 1 ? arg1_word : n == 2 ? arg2_word : arg3_word), c.kept) << n;
            EXPECT_EQ(std::string(long_word), n <= 2 ? c.typed : "") << n;
        }
    }
}

TEST_F(Vocab, CompassWordEndsItsCommand) {
    at_cursor("north", "sword");
    int t, r, w;
    find_word(&t, &r, &w, 1, 0);
    EXPECT_EQ(r, 745);
    EXPECT_EQ(separator[1], ';');
    at_cursor("sword", "north");
    find_word(&t, &r, &w, 1, 0);
    EXPECT_EQ(separator[1], ' ');
}

TEST_F(Vocab, TypoReportSaysTheTypedAndTheCorrectedWord) {
    EXPECT_EQ(lookup("swrod", 1, 1), 5);
    EXPECT_EQ(output(), "<swrod=sword>\n\n");
    EXPECT_EQ(value[2557], 0);
    zap_text();
    EXPECT_EQ(lookup("swordfsh", 2, 1), 6);
    EXPECT_EQ(output(), "<swordfsh=swordfish>\n\n");  // the whole word, never one cut short
    EXPECT_EQ(value[2557], 0);
    EXPECT_STREQ(orig, "");
    zap_text();
    lookup("stoze", 1, 1);  // ambiguous: no report
    lookup("swrod", 1, 0);  // not asked for
    EXPECT_EQ(output(), "");
}

TEST_F(Vocab, Comparisons) {
    const unsigned char a[] = "\xc3\xa9t", b[] = "\xc3\xa8t", z[] = "";
    EXPECT_EQ(gcmp(a, a), 1);
    EXPECT_EQ(gcmp(a, b), 0);  // a two-byte character compares whole
    EXPECT_EQ(gcmp(z, z), 1);
    int sword = -1;
    for (int e = 0; e < NVOCAB && sword < 0; e++)
        if (voc_refno[e] == 5) sword = e;
    ASSERT_GE(sword, 0);
    EXPECT_EQ(orvcmp("sword", sword), 0);
    EXPECT_GT(orvcmp("swora", sword), 0);
    EXPECT_LT(orvcmp("swore", sword), 0);
    EXPECT_EQ(voccomp("sword", voc_addr[sword], 1), 3);
    EXPECT_EQ(voccomp("swo", voc_addr[sword], 1), 2);
    EXPECT_EQ(voccomp("swo", voc_addr[sword], 3), 0);
    EXPECT_EQ(voccomp("swrd", voc_addr[sword], 1), 1);
    EXPECT_EQ(voccomp("swrd", voc_addr[sword], 2), 0);
    EXPECT_EQ(voccomp("swordy", voc_addr[sword], 2), 0);  // trailing extra only at the typo bar
    EXPECT_EQ(voccomp("swordy", voc_addr[sword], 1), 1);
}

}  // namespace
