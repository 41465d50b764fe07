// The say operation over the fixture database: variant kinds, switch
// selectors, holders with their qualifier combinations, nested says, the
// "!" rule, capitalisation, descriptions of objects and places, voc.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "input.h"
#include "startup.h"
#include "state.h"
#include "text.h"

namespace {

constexpr int OBJ = 190;     // base fixture object "!brass lamp"
constexpr int PLACE = 699;   // base fixture place "hall"
constexpr int WORD = 1141;   // base fixture word "zz"
constexpr int VAR = 1150;    // a free variable
constexpr int VAR2 = 1151;

class Say : public ::testing::Test {
protected:
    char *con_data = nullptr;
    size_t con_size = 0;
    FILE *saved_out = nullptr;

    void SetUp() override {
        ASSERT_EQ(set_title(), 0);
        kernel_reset();
        mode = MODE_CONSOLE;
        Margin = 0;
        console_tty = 0;
        strcpy(arg1_word, "take");
        strcpy(arg2_word, "drop");
        strcpy(arg3_word, "third");
        strcpy(orig, "tkae");
        saved_out = console_out;
        console_out = open_memstream(&con_data, &con_size);
    }
    void TearDown() override {
        fclose(console_out);
        console_out = saved_out;
        free(con_data);
        zap_text();
    }
    std::string pending() { return std::string(text_buf, lptr); }
    std::string console() {
        fflush(console_out);
        return std::string(con_data, con_size);
    }
    std::string said(int q, int r, int arg) {
        zap_text();
        say(q, r, arg);
        return pending();
    }
    void mark(int v, int refno) {
        *bitword(v) = ref_mark;
        value[v] = refno;
    }
};

TEST_F(Say, VariantKindsFollowTheirCounters) {
    struct Case {
        int text, start;
        const char *seq[5];
    } cases[] = {
        {2002, 0, {"Zero", "One", "Two", "Two", "Two"}},   // incremental: the last repeats
        {2003, 0, {"Zero", "One", "Two", "Zero", "One"}},  // cyclic
        {2003, 4, {"One", "Zero", "One", "Two", "Zero"}},  // cyclic counter beyond: modulo, then wraps
        {2004, 1, {"One", "One", "One", "One", "One"}},    // assigned
    };
    for (const Case &c : cases) {
        value[c.text] = c.start;
        for (int i = 0; i < 5; i++) EXPECT_EQ(said(0, c.text, 0), c.seq[i]) << c.text << " step " << i;
    }
}

TEST_F(Say, TiedTextTakesItsVariantFromTheVariable) {
    unsigned char kind = text_info[(2004 - FIRST_TEXT) * 2];
    tie(2004, VAR);
    value[VAR] = 2;
    EXPECT_EQ(said(0, 2004, 0), "Two");
    text_info[(2004 - FIRST_TEXT) * 2] = kind;
}

TEST_F(Say, RandomTextNeverRepeatsItsLastVariant) {
    rseed = 1234;
    value[2001] = 0;
    std::string first = said(0, 2001, 0);
    EXPECT_TRUE(first == "Green.\n" || first == "Blue.\n") << first;
    std::string last = first;
    for (int i = 0; i < 60; i++) {
        std::string now = said(0, 2001, 0);
        EXPECT_NE(now, last);
        last = now;
    }
}

TEST_F(Say, SwitchSelectorOfAPlainTextIsClamped) {
    struct Case {
        int arg;
        const char *want;
    } cases[] = {{-1, "zero"}, {0, "zero"}, {1, "one"}, {2, "two"}, {3, "two"}, {99, "two"}};
    for (const Case &c : cases) EXPECT_EQ(said(SAY_ARG, 2005, c.arg), c.want) << c.arg;
}

TEST_F(Say, PlainTextWithTheSecondWordTakesThatEntitysState) {
    value[KV_ARG2] = OBJ;
    value[OBJ] = 1;
    EXPECT_EQ(said(SAY_ARG | SAY_ARGVAR, 2005, KV_ARG2), "one");
}

TEST_F(Say, RefvarAndNameForms) {
    value[VAR] = 42;
    EXPECT_EQ(said(SAY_REFVAR, VAR, 0), "42");
    loop = 0;
    EXPECT_EQ(said(SAY_REFVAR | SAY_STOP, VAR, 0), "42");
    EXPECT_EQ(loop, 0) << "the number form returns before SAY_STOP";

    EXPECT_EQ(said(SAY_NAME, KV_ARG2, 0), "drop");
    value[KV_ARG2] = PARSE_UNKNOWN;
    EXPECT_EQ(said(SAY_REFVAR, KV_ARG2, 0), "drop");

    mark(VAR, 2000);
    loop = 0;
    EXPECT_EQ(said(SAY_REFVAR | SAY_STOP, VAR, 0), "Plain text.\n");
    EXPECT_EQ(loop, 1);
}

TEST_F(Say, RefnoOutsideTheDatabaseSaysNothingButStillStops) {
    struct Case {
        int q, r;
    } cases[] = {{SAY_STOP, 5000}, {SAY_STOP, -1}, {SAY_STOP | SAY_REFVAR, VAR}, {SAY_STOP, 1}};
    mark(VAR, -1);  // a marked variable that holds no entity
    for (const Case &c : cases) {
        loop = 0;
        EXPECT_EQ(said(c.q, c.r, 0), "") << c.r;
        EXPECT_EQ(loop, 1) << c.r;
    }
}

TEST_F(Say, HolderCombinations) {
    value[KV_ARG1] = 765;
    value[OBJ] = 3;
    mark(VAR, OBJ);
    mark(VAR2, 2006);
    struct Case {
        int q, r, arg;
        const char *want;
    } cases[] = {
        {SAY_ARG, 2006, KV_ARG1, "[take]"},
        {SAY_ARG, 2006, KV_ARG2, "[drop]"},
        {SAY_ARG, 2006, KV_ARG3, "[third]"},
        {SAY_ARG | SAY_ARGVAR, 2006, KV_ARG1, "[take]"},
        {SAY_ARG | SAY_ARGVAR | SAY_NUMBER, 2006, KV_ARG1, "[765]"},
        {SAY_ARG, 2006, -1, "[tkae]"},
        {SAY_ARG, 2006, 2010, "[coil of rope]"},      // a leading "!" is never shown
        {SAY_ARG, 2006, OBJ, "[brass lamp]"},
        {SAY_ARGVAR, 2006, VAR, "[brass lamp]"},      // the variable's entity, not the text's own
        {SAY_ARG | SAY_ARGVAR, 2006, OBJ, "[brass lamp]"},  // the object named, whatever its state
        {SAY_ARG | SAY_REFVAR, VAR2, KV_ARG1, "[take]"},
        {SAY_ARG, 2006, -7, "[]"},                    // a bad refno prints nothing
        {SAY_ARG, 2006, 9999, "[]"},
        // A holder given a text prints its bytes up to the first control
        // byte, never the switch table or a nested record after it.
        {SAY_ARG, 2006, 2005, "[]"},
        {SAY_ARG, 2006, 2011, "[<]"},
        {SAY_ARG, 2007, KV_ARG1, "[1144]"},           // TC_NUMBER always prints a number
        {SAY_ARG | SAY_NUMBER, 2006, 12, "[12]"},
    };
    for (const Case &c : cases) {
        upcase = 0;  // no sentence end before the holder
        EXPECT_EQ(said(c.q, c.r, c.arg), c.want) << c.q << " " << c.arg;
    }
}

TEST_F(Say, HolderAfterASentenceEndIsCapitalised) {
    upcase = 0;
    EXPECT_EQ(said(SAY_ARG, 2008, KV_ARG1), "Done. Take");
    EXPECT_EQ(said(SAY_ARG, 2009, KV_ARG1), "Done, take");
}

// A typed word that begins with a letter of more than one byte begins the
// sentence as typed: no letter after it becomes a capital.
TEST_F(Say, HolderStartingWithAUtf8LetterIsLeftAsTyped) {
    for (const char *word : {"\xC3\xA9" "bc", "\xE2\x82\xAC" "abc", "\xF0\x9F\x98\x80x"}) {
        strcpy(arg1_word, word);
        upcase = 0;
        EXPECT_EQ(said(SAY_ARG, 2008, KV_ARG1), std::string("Done. ") + word);
    }
}

TEST_F(Say, NestedSays) {
    value[VAR] = 7;
    EXPECT_EQ(said(SAY_ARG, 2011, 2), "<coil of rope|7|two>");
    EXPECT_EQ(said(SAY_ARG, 2011, 0), "<coil of rope|7|zero>");
    // Without an argument qualifier the nested text gets no SAY_ARG and
    // picks by its own refno: the last variant.
    EXPECT_EQ(said(0, 2011, 0), "<coil of rope|7|two>");
    // A holder in a nested text fills from the outer call's argument.
    EXPECT_EQ(said(SAY_ARG, 2012, KV_ARG2), "Side: [drop]");
}

std::vector<std::array<int, 3>> hooked;

TEST_F(Say, HookReportsOnlyTheOutermostSay) {
    say_hook = [](int q, int r, int a) { hooked.push_back({q, r, a}); };
    hooked.clear();
    said(SAY_ARG, 2011, 2);  // says 2013, 1150 and 2005 inside itself
    say(0, OBJ, 0);
    say_hook = nullptr;
    EXPECT_EQ(hooked, (std::vector<std::array<int, 3>>{{SAY_ARG, 2011, 2}, {0, OBJ, 0}}));
}

TEST_F(Say, NestingDepthIsCapped) {
    EXPECT_EQ(said(0, 2020, 0), std::string(17, 'a'));
    EXPECT_EQ(console(), "GLitch! Nested variable refno out of range!\n");
    // The cap does not stick: a shallow nest works afterwards.
    EXPECT_EQ(said(SAY_ARG, 2012, KV_ARG1), "Side: [take]");
}

TEST_F(Say, DescriptionsByPlaceAndMode) {
    struct Case {
        int r, q, carried, brief_visited, brief_all, visited;
        const char *want;
    } cases[] = {
        {OBJ, 0, 1, 0, 0, 0, "A brass lamp\n"},
        {OBJ, 0, 0, 0, 0, 0, "There is a brass lamp here.\n"},
        {OBJ, SAY_DETAIL, 1, 0, 0, 0, "The lamp is old brass, dented along one side.\n"},
        {OBJ, SAY_NAME, 0, 0, 0, 0, "!brass lamp"},
        {PLACE, 0, 0, 0, 0, 1, "You are in a long hall.\n"},
        {PLACE, 0, 0, 0, 1, 0, "Hall.\n"},
        {PLACE, 0, 0, 1, 0, 1, "Hall.\n"},
        {PLACE, 0, 0, 1, 0, 0, "You are in a long hall.\n"},
        {PLACE, SAY_DETAIL, 0, 0, 1, 1, "You are in a long hall.\n"},
        {1, 0, 0, 0, 0, 0, ""},
    };
    for (const Case &c : cases) {
        location[OBJ] = c.carried ? K_CARRIED : PLACE;
        bitmod(c.brief_visited ? 's' : 'c', KV_COMMAND_STATUS, 1);
        bitmod(c.brief_all ? 's' : 'c', KV_COMMAND_STATUS, 2);
        bitmod(c.visited ? 's' : 'c', PLACE, 4);
        EXPECT_EQ(said(c.q, c.r, 0), c.want) << c.r << " " << c.q;
    }
}

TEST_F(Say, VocListsWithCommasAndSkipsFailedFlags) {
    zap_text();
    voc(0, 0, 0, 2041);
    voc(2010, 0, 0, 0);
    voc(WORD, VAR, 3, 0);  // flag 3 of the entity is clear: not listed
    voc(WORD, 0, 0, 0);
    EXPECT_EQ(pending(), "Here: coil of rope, zz");
    bitmod('s', VAR, 3);
    voc(0, 0, 0, 0);
    voc(WORD, VAR, 3, 0);
    voc(2010, 0, 0, 0);
    EXPECT_EQ(pending(), "Here: coil of rope, zzzz, coil of rope");
}

TEST_F(Say, LetterShiftInTextsAndByVariable) {
    EXPECT_EQ(said(0, 2040, 0), "abbcab");
    EXPECT_EQ(extra_dwarvish, 0);
    value[KV_DWARVISH] = 1;
    EXPECT_EQ(said(0, 2005, 0), "afsp");  // "zero", each letter one on, z wrapping to a
    value[KV_DWARVISH] = 0;
}

TEST_F(Say, TranscriptMarkerFlushesOutsideTheBrowser) {
    outstr("Before.\n");
    say(0, 3495, 0);
    EXPECT_EQ(text_len, 0);
    EXPECT_NE(console().find("Before.\n(Resumed.)\n"), std::string::npos);

    // In the browser the output stays; this turn's transcript starts after
    // the notice.
    mode = MODE_BROWSER;
    outstr("Kept.\n");
    say(0, 3495, 0);
    EXPECT_EQ(pending(), "Kept.\n(Resumed.)\n");
    EXPECT_EQ(orl_skip, text_len);
    zap_text();
}

}  // namespace
