// The special operations that are not saving or restoring: their table of
// codes, the display settings, the word slots, the snapshots and the report
// of a bad code.
#include "persist_support.h"

#include "display.h"

using namespace persist_test;

namespace {

int32_t run(int code, int32_t v = 0) {
    special(code, &v);
    return v;
}

class Special : public InTempDir {
protected:
    void SetUp() override {
        InTempDir::SetUp();
        Linlen = 80;
        Margin = 1;
        Maxlen = 78;
        Screen = 24;
        justify = 0;
        cps = 0;
        set_title();  // the key that reads the texts
    }
};

TEST_F(Special, SimpleCodesTable) {
    value[KV_ARG1] = 760;
    snprintf(arg1_word, WORD_SIZE, "first");
    value[KV_ARG2] = -1;
    value[KV_COMMAND_STATUS] = 1;
    EXPECT_EQ(run(4, 55), 0);
    EXPECT_EQ(run(5, 55), 0);
    EXPECT_EQ(run(SPECIAL_STASH, 4321), 4321);
    EXPECT_EQ(run(SPECIAL_UNSTASH), 4321);
    EXPECT_EQ(run(SPECIAL_ARG1_TO_ARG2, 9), 9);
    EXPECT_EQ(value[KV_ARG2], 760);
    EXPECT_STREQ(arg2_word, "first");
    EXPECT_EQ(value[KV_COMMAND_STATUS], 2);
    EXPECT_EQ(run(SPECIAL_NO_SNAPSHOT), 1);
    EXPECT_EQ(memstore(1), 0);
    EXPECT_EQ(run(SPECIAL_NO_SNAPSHOT), 0);
    EXPECT_EQ(memstore(3), 0);
    EXPECT_EQ(run(SPECIAL_NO_SNAPSHOT), 1);
    EXPECT_EQ(memstore(2), 1);  // nothing to bring back
    EXPECT_EQ(memstore(3), 1);
}

TEST_F(Special, SwapArgs) {
    value[KV_ARG1] = 190;
    value[KV_ARG2] = 760;
    *bitword(KV_ARG1) = -1;
    *bitword(KV_ARG2) = 5;
    snprintf(arg1_word, WORD_SIZE, "lamp");
    snprintf(arg2_word, WORD_SIZE, "take");
    value[KV_COMMAND_STATUS] = 1;
    EXPECT_EQ(run(SPECIAL_SWAP_ARGS, 8), 0);
    EXPECT_EQ(value[KV_ARG1], 190);  // one word: nothing to swap
    value[KV_COMMAND_STATUS] = 2;
    run(SPECIAL_SWAP_ARGS);
    EXPECT_EQ(value[KV_ARG1], 760);
    EXPECT_EQ(value[KV_ARG2], 190);
    EXPECT_EQ(*bitword(KV_ARG1), 5);
    EXPECT_EQ(*bitword(KV_ARG2), -1);
    EXPECT_STREQ(arg1_word, "take");
    EXPECT_STREQ(arg2_word, "lamp");
}

TEST_F(Special, WordSlotsAreRangeChecked) {
    value[KV_ARG1] = 11;
    value[KV_ARG2] = 12;
    EXPECT_EQ(run(SPECIAL_SET_ARG2, 190), 190);
    EXPECT_EQ(value[KV_ARG2], 190);
    EXPECT_STREQ(arg2_word, "brass lamp");
    EXPECT_EQ(run(SPECIAL_SET_ARG1, 1141), 1141);
    EXPECT_EQ(value[KV_ARG1], 1141);
    for (int bad : {-1, -6, NVALUES, 1 << 30}) {
        zap_text();
        run(SPECIAL_SET_ARG1, bad);
        run(SPECIAL_SET_ARG2, bad);
        EXPECT_EQ(value[KV_ARG1], 1141) << bad;
        EXPECT_EQ(value[KV_ARG2], 190) << bad;
        EXPECT_NE(pending().find("GLITCH"), std::string::npos) << bad;
    }
}

TEST_F(Special, LocationSnapshot) {
    EXPECT_EQ(run(SPECIAL_SNAP_LOCATION_OF, 10), 0);  // none yet
    location[10] = 300;
    run(SPECIAL_SNAP_LOCATIONS);
    location[10] = 400;
    run(SPECIAL_SNAP_LOCATIONS);  // the first snapshot stays
    EXPECT_EQ(run(SPECIAL_SNAP_LOCATION_OF, 10), 300);
    for (int bad : {-1, LAST_OBJECT + 1, 5000}) EXPECT_EQ(run(SPECIAL_SNAP_LOCATION_OF, bad), 0) << bad;
}

// Display settings from the second word as typed (or the variable).
TEST_F(Special, DisplaySettingsTable) {
    struct {
        int code;
        const char *typed;
        int32_t in;
        int linlen, margin, screen;
        int32_t result;
    } rows[] = {
        {SPECIAL_JUSTIFY, "", 2, 80, 1, 24, 1},
        {SPECIAL_JUSTIFY, "", 2, 80, 1, 24, 0},
        {SPECIAL_JUSTIFY, "", 1, 80, 1, 24, 1},
        {SPECIAL_JUSTIFY, "", 0, 80, 1, 24, 0},
        {SPECIAL_LINE_LENGTH, "10", 0, 16, 0, 24, 16},
        {SPECIAL_LINE_LENGTH, "5000", 0, 1024, 0, 24, 1024},
        {SPECIAL_LINE_LENGTH, "wide", 0, 1024, 0, 24, 0},
        {SPECIAL_MARGIN, "5", 0, 1024, 5, 24, 5},
        {SPECIAL_LINE_LENGTH, "20", 0, 20, 2, 24, 20},
        {SPECIAL_MARGIN, "12", 0, 20, 2, 24, 2},
        {SPECIAL_LINE_LENGTH, "100", 0, 100, 2, 24, 100},
        {SPECIAL_MARGIN, "12", 0, 100, 9, 24, 9},
        {SPECIAL_MARGIN, "-3", 0, 100, 0, 24, 0},
        {SPECIAL_PAGE_LENGTH, "2", 0, 100, 0, 24, 0},
        {SPECIAL_PAGE_LENGTH, "30", 0, 100, 0, 30, 30},
        {SPECIAL_PAGE_LENGTH, "", 40, 100, 0, 40, 40},
        {SPECIAL_PAGE_LENGTH, "99999", 0, 100, 0, 1024, 1024},
    };
    for (const auto &r : rows) {
        snprintf(arg2_word, WORD_SIZE, "%s", r.typed);
        EXPECT_EQ(run(r.code, r.in), r.result) << r.code << " " << r.typed;
        EXPECT_EQ(Linlen, r.linlen) << r.code << " " << r.typed;
        EXPECT_EQ(Margin, r.margin) << r.code << " " << r.typed;
        EXPECT_EQ(Screen, r.screen) << r.code << " " << r.typed;
        EXPECT_EQ(Maxlen, Linlen - 2 * Margin);
        if (r.code == SPECIAL_LINE_LENGTH || r.code == SPECIAL_MARGIN) {
            EXPECT_GE(prompt_len, 2 * Maxlen + 1);
        }
        if (r.code == SPECIAL_JUSTIFY) {
            EXPECT_EQ(justify, r.result);
        }
    }
}

TEST_F(Special, LineDoneInputStoreAndExcept) {
    static char w1[] = "go", w2[] = "north";
    static char *words[] = {w1, w2, nullptr};
    char **keep = tp;
    tp = words;
    tindex = 1;
    EXPECT_EQ(run(SPECIAL_LINE_DONE, 7), 0);
    tindex = 2;
    EXPECT_EQ(run(SPECIAL_LINE_DONE, 7), 1);
    tp = keep;
    tindex = 0;

    value[KV_COMMAND_STATUS] = 2;
    value[KV_ARG1] = 760;
    value[KV_ARG2] = 190;
    snprintf(arg2_word, WORD_SIZE, "lamp");
    EXPECT_EQ(run(SPECIAL_STORE_INPUT, 1300), 1300);
    value[KV_COMMAND_STATUS] = 1;
    value[KV_ARG2] = -1;
    arg2_word[0] = 0;
    EXPECT_EQ(run(SPECIAL_RESTORE_INPUT, 0), 1300);
    EXPECT_EQ(value[KV_COMMAND_STATUS], 2);
    EXPECT_EQ(value[KV_ARG2], 190);
    EXPECT_STREQ(arg2_word, "lamp");

    except_list[0] = 10;
    except_list[1] = 12;
    except_count = 2;
    EXPECT_EQ(run(SPECIAL_IN_EXCEPT, 12), 1);
    EXPECT_EQ(run(SPECIAL_IN_EXCEPT, 11), 0);
    except_count = 0;
    EXPECT_EQ(run(SPECIAL_IN_EXCEPT, 10), 0);
}

TEST_F(Special, EchoLiteral) {
    say_buf[0] = 0;
    EXPECT_EQ(run(SPECIAL_ECHO_LITERAL), 1);
    EXPECT_EQ(pending(), "");
    snprintf(say_buf, 64, "open sesame");
    EXPECT_EQ(run(SPECIAL_ECHO_LITERAL), 1);
    EXPECT_NE(pending().find("Ok - \"open sesame\"\n"), std::string::npos) << pending();
    EXPECT_EQ(say_buf[0], 0);
}

TEST_F(Special, BadCodesAreReported) {
    for (int code : {0, 13, 25, 26, 30, 31, 35, 996, 1000, -1}) {
        zap_text();
        int32_t v = 77;
        EXPECT_EQ(special(code, &v), 1) << code;
        EXPECT_EQ(v, 77);
        EXPECT_NE(pending().find("GLITCH! Bad special code: " + std::to_string(code) + "\n"), std::string::npos)
            << code << ": " << pending();
    }
}

TEST_F(Special, UndoRestoreBringsBackTheGameBeforeTheRestore) {
    EXPECT_EQ(run(SPECIAL_UNDO_RESTORE, 5), 1);  // nothing restored yet
    fill_image(1);
    ASSERT_EQ(run(SPECIAL_AUTOSAVE), 0);
    fill_image(2);
    const std::vector<unsigned char> before = live_bytes();
    ASSERT_EQ(run(SPECIAL_AUTORESTORE), 999);
    EXPECT_EQ(run(SPECIAL_UNDO_RESTORE, 5), 0);
    EXPECT_EQ(live_bytes(), before);
}

}  // namespace
