// The status and setting words: the inventory, the description modes, undo
// and redo over the kernel's journal (turns, charges and the switch kept),
// speaking Keln, the console layout words and their refusal in the
// browser, and the cheat, rest and map words with their questions.
#include "harness.h"
#include "persist.h"

namespace {

using namespace game_test;

class Status : public GameTest {};

TEST_F(Status, Inventory) {
    outcome o = call(p485, line({WORD_INVENTORY}));
    EXPECT_EQ(o.texts, (std::vector<said>{{0, 1389, 0}}));
    EXPECT_EQ(o.loop, 1);

    // One thing: it is what "it" means from now on.
    carry(47);
    o = call(p485, line({WORD_INVENTORY}));
    EXPECT_EQ(o.texts, (std::vector<said>{{ARG, 1395, 0}, {0, 47, 0}}));
    EXPECT_EQ(value[OBJ_PRONOUN], 47);
    // Unmarked: the pronoun's flag word is object 166's, and a mark would
    // make it a treasure.
    EXPECT_NE(*bitword(OBJ_PRONOUN), ref_mark);
    EXPECT_FALSE(bitest(OBJ_PRONOUN, OFLAG_SCORING));

    // In the dark, by touch; in object order.
    carry(12);
    light(false);
    value[OBJ_PRONOUN] = 0;
    o = call(p485, line({WORD_INVENTORY}));
    EXPECT_EQ(o.texts, (std::vector<said>{{ARG, 1395, 1}, {0, 12, 0}, {0, 47, 0}}));
    EXPECT_EQ(value[OBJ_PRONOUN], 0);

    o = call(p485, line({WORD_INVENTORY, 47}));
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP, 1493, 0}}));
}

TEST_F(Status, DescriptionModes) {
    struct row {
        int visited, all, word;
        said reply;
        int visited_after, all_after, text_1200;
    };
    const row cases[] = {
        {0, 0, WORD_MODE_BRIEF_ALL, {STOP, 2831, 0}, 0, 1, 1264},
        {1, 0, WORD_MODE_BRIEF_ALL, {STOP, 2831, 0}, 0, 1, 1264},
        {0, 1, WORD_MODE_BRIEF_ALL, {STOP_ARG, 2830, 0}, 0, 1, 0},
        {0, 0, WORD_MODE_BRIEF_VISITED, {STOP, 1454, 0}, 1, 0, 1267},
        {0, 1, WORD_MODE_BRIEF_VISITED, {STOP, 1454, 0}, 1, 0, 1267},
        {1, 0, WORD_MODE_BRIEF_VISITED, {STOP_ARG, 2830, 1}, 1, 0, 0},
        {0, 0, WORD_MODE_LONG_ALL, {STOP_ARG, 2830, 2}, 0, 0, 0},
    };
    const game_proc word_procs[] = {p832, p616, p885};
    for (const row &c : cases) {
        SCOPED_TRACE(testing::Message() << "word " << c.word << " from " << c.visited << c.all);
        fresh_world(330);
        bitmod(c.visited ? 's' : 'c', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_BRIEF_VISITED);
        bitmod(c.all ? 's' : 'c', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_BRIEF_ALL);
        outcome o = call(word_procs[c.word - WORD_MODE_BRIEF_ALL], line({c.word}));
        EXPECT_EQ(o.texts, std::vector<said>{c.reply});
        EXPECT_EQ(bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_BRIEF_VISITED), c.visited_after);
        EXPECT_EQ(bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_BRIEF_ALL), c.all_after);
        EXPECT_EQ(value[1200], c.text_1200);
    }
    // Back to full descriptions: the place is described in full at once,
    // when it can be seen.
    fresh_world(330);
    bitmod('s', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_BRIEF_ALL);
    outcome o = call(p885, line({WORD_MODE_LONG_ALL}));
    EXPECT_EQ(first(o.texts, 3), (std::vector<said>{{0, 2832, 0}, {0, 1266, 0}, {SAY_DETAIL | SAY_REFVAR, VAR_HERE, 0}}));
    EXPECT_EQ(value[1200], 1267);
    EXPECT_EQ(o.loop, 1);
    light(false);
    bitmod('s', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_BRIEF_VISITED);
    o = call(p885, line({WORD_MODE_LONG_ALL}));
    EXPECT_EQ(o.texts, (std::vector<said>{{0, 2832, 0}}));
    EXPECT_EQ(o.loop, 1);
}

// Undo and redo over the kernel's journal: a few recorded commands, then
// the words.
class Undo : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        fresh_world(330);
        command();  // the word slots as every command leaves them
        value[VAR_UNDO_RESULT] = 0;  // the journal records from here
        journal_clear();
        intim = IMAGE;
        command();
    }
    // A command read as the reading part reads it.
    void command() {
        parse("look");
        bitmod('c', VAR_QUESTION, VFLAG_QUESTION_FRESH_LINE);
    }
    // The changes made since the last command become one step.
    void step() { command(); }
};

TEST_F(Undo, TheSwitchIsAskedForUntilItIsOn) {
    outcome o = call(p871, line({WORD_UNDO}));
    EXPECT_EQ(o.texts, (std::vector<said>{{0, 3413, 0}, {0, 3415, 0}, {STOP, 3418, 0}}));
    EXPECT_EQ(value[VAR_QUESTION], Q_UNDO_ENABLE);
    o = read("no");
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP, 2319, 0}}));
    EXPECT_EQ(bitest(VAR_UNDO_RESULT, 4), 0);

    o = call(p871, line({WORD_UNDO, WORD_OFF}));
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP, 3421, 0}}));

    // "Undo on" asks too; the yes switches it on and does nothing more.
    call(p871, line({WORD_UNDO, WORD_ON}));
    o = read("yes");
    EXPECT_EQ(o.texts, (std::vector<said>{{0, 3419, 0}}));
    EXPECT_EQ(bitest(VAR_UNDO_RESULT, 4), 1);
    o = call(p871, line({WORD_UNDO, WORD_ON}));
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP, 3420, 0}}));
    o = call(p871, line({WORD_UNDO, WORD_OFF}));
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP, 3421, 0}}));

    // A plain "undo" answered yes goes on to undo.
    fresh_world(330);
    value[VAR_UNDO_RESULT] = 0;
    call(p871, line({WORD_UNDO}));
    o = read("yes");
    EXPECT_EQ(o.texts, (std::vector<said>{{0, 3419, 0}, {TYPED, 3401, VAR_ARG1}}));
}

TEST_F(Undo, TakesBackMovesButNotTurnsChargesOrTheSwitch) {
    set_ref(VAR_HERE, 331);
    bitmod('s', 331, PFLAG_LIT);
    carry(47);
    step();
    set_ref(VAR_HERE, 332);
    bitmod('s', 332, PFLAG_LIT);
    bitmod('s', VAR_UNDO_RESULT, 4);  // switched on in the same move
    value[VAR_TURNS] = 50;
    value[VAR_PENALTY_POINTS] = 20;
    step();

    parse(line({WORD_UNDO}));
    outcome o = call(p871);
    EXPECT_EQ(o.texts, (std::vector<said>{{ARG | SAY_ARGVAR, 3409, VAR_UNDO_RESULT},
                                          {ARG | SAY_ARGVAR, 3411, VAR_RESULT},
                                          {SAY_REFVAR, VAR_HERE, 0}}));
    EXPECT_EQ(value[VAR_RESULT], 1) << "the place changed, the pack did not";
    EXPECT_EQ(o.place, 331);
    EXPECT_EQ(value[VAR_TURNS], 50);
    EXPECT_EQ(value[VAR_PENALTY_POINTS], 20);
    EXPECT_EQ(bitest(VAR_UNDO_RESULT, 4), 1);
    EXPECT_EQ(bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_BRIEF_ALL), 0) << "described briefly just once";
    EXPECT_EQ(o.loop, 1);

    // Three asked, one left: as far as it goes; the pack changed too.
    parse("undo 3");
    o = call(p871);
    EXPECT_EQ(first(o.texts, 4), (std::vector<said>{{ARG, 3405, 0},
                                                    {ARG | SAY_ARGVAR, 3406, VAR_UNDO_RESULT},
                                                    {ARG | SAY_ARGVAR, 3411, VAR_RESULT},
                                                    {SAY_REFVAR, VAR_HERE, 0}}));
    EXPECT_EQ(o.texts.back(), (said{0, 1389, 0})) << "the inventory is listed";
    EXPECT_EQ(value[VAR_RESULT], 3);
    EXPECT_EQ(o.place, 330);
    EXPECT_EQ(location[47], PLACE_OFFSTAGE);

    // Nothing left to take back.
    o = call(p871, line({WORD_UNDO}));
    EXPECT_EQ(o.texts, (std::vector<said>{{TYPED, 3401, VAR_ARG1}}));

    // Redo one, then the undo word twice redoes the rest.
    o = call(p705, line({WORD_REDO}));
    EXPECT_EQ(first(o.texts, 1), (std::vector<said>{{ARG | SAY_ARGVAR, 3410, VAR_UNDO_RESULT}}));
    EXPECT_EQ(o.place, 331);
    EXPECT_EQ(location[47], PLACE_CARRIED);
    // (The reader keeps a second word after "undo" as typed, so the undo
    // word twice is a count that is no number; in the word slots it is
    // the redo of everything.)
    o = call(p871, line({WORD_UNDO, WORD_UNDO}));
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP, 1352, 0}}));
    parse(line({WORD_UNDO, WORD_UNDO}));
    set_ref(VAR_ARG2, WORD_UNDO);
    o = call(p871);
    EXPECT_EQ(first(o.texts, 1), (std::vector<said>{{ARG | SAY_ARGVAR, 3410, VAR_UNDO_RESULT}}));
    EXPECT_EQ(o.place, 332);
    EXPECT_EQ(value[VAR_TURNS], 50);
    o = call(p705, line({WORD_REDO}));
    EXPECT_EQ(o.texts, (std::vector<said>{{TYPED, 3401, VAR_ARG1}}));

    // "all", typed after the word (kept as typed, not as the all object),
    // takes back every move and is never short; "redo all" plays them all
    // again.
    o = call(p871, "undo all");
    EXPECT_EQ(first(o.texts, 1), (std::vector<said>{{ARG | SAY_ARGVAR, 3409, VAR_UNDO_RESULT}}));
    EXPECT_EQ(o.place, 330);
    o = call(p705, "redo all");
    EXPECT_EQ(first(o.texts, 1), (std::vector<said>{{ARG | SAY_ARGVAR, 3410, VAR_UNDO_RESULT}}));
    EXPECT_EQ(o.place, 332);

    // A count that is no number.
    o = call(p871, "undo x");
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP, 1352, 0}}));
    EXPECT_EQ(o.place, 332);
}

TEST_F(Undo, LightLostOrFoundInThePlace) {
    bitmod('s', VAR_UNDO_RESULT, 4);
    bitmod('c', 330, PFLAG_LIT);
    carry(OBJ_LIGHT_SOURCE);
    value[OBJ_LIGHT_SOURCE] = 1;
    step();
    value[OBJ_LIGHT_SOURCE] = 0;  // put out
    light(false);
    step();
    outcome o = call(p871, line({WORD_UNDO}));
    EXPECT_EQ(o.texts, (std::vector<said>{{ARG | SAY_ARGVAR, 3409, VAR_UNDO_RESULT}, {0, 3412, 0}}));
    EXPECT_EQ(light(), 1);
    o = call(p705, line({WORD_REDO}));
    EXPECT_EQ(o.texts, (std::vector<said>{{ARG | SAY_ARGVAR, 3410, VAR_UNDO_RESULT}, {0, 2519, 0}}));
    EXPECT_EQ(light(), 0);
}

TEST_F(Undo, ADeathIsTakenBackWithTheMoveThatCausedIt) {
    bitmod('s', VAR_UNDO_RESULT, 4);
    carry(47);
    step();
    // A fatal move: the death question's changes go with the answer.
    set_ref(VAR_HERE, 331);
    moveto(PLACE_GONE, -1);
    p154();
    ASSERT_EQ(value[VAR_QUESTION], Q_DEATH);
    EXPECT_EQ(value[VAR_DEATHS], 1);
    read("yes");
    ASSERT_EQ(value[VAR_QUESTION], 0);
    EXPECT_NE(location[47], PLACE_CARRIED);
    step();
    outcome o = call(p871, line({WORD_UNDO}));
    EXPECT_EQ(o.place, 330);
    EXPECT_EQ(location[47], PLACE_CARRIED);
    EXPECT_EQ(value[VAR_DEATHS], 0) << "the death is taken back with the move";
    EXPECT_EQ(value[VAR_RESULT], 3);
}

TEST_F(Undo, AcrossASaveAndARestore) {
    bitmod('s', VAR_UNDO_RESULT, 4);
    set_ref(VAR_HERE, 331);
    step();
    set_ref(VAR_HERE, 332);
    step();
    // Saved here with its journal, then played on and restored.
    parse("save trip");
    value[VAR_COMMAND_STATUS] = 2;
    int32_t r = 0;
    special(SPECIAL_SAVE, &r);
    ASSERT_EQ(r, 0);
    set_ref(VAR_HERE, 333);
    step();
    parse("restore trip");
    special(SPECIAL_RESTORE, &r);
    ASSERT_EQ(r, 0);
    ASSERT_EQ(value[VAR_HERE], 332);
    // The restored game's own moves can be taken back, as its journal has
    // them.
    outcome o = call(p871, line({WORD_UNDO}));
    EXPECT_EQ(o.place, 331);
    o = call(p871, line({WORD_UNDO}));
    EXPECT_EQ(o.place, 330);
}

TEST_F(Status, SpeakingKeln) {
    outcome o = call(p270, line({WORD_DWARVISH_OFF}));
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP_ARG, 2457, 0}}));
    o = call(p249, line({WORD_DWARVISH_ON}));
    EXPECT_EQ(o.texts, (std::vector<said>{{0, 2455, 0}}));
    EXPECT_EQ(o.loop, 1);
    EXPECT_EQ(value[VAR_DWARVISH], 1);
    o = call(p249);
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP_ARG, 2457, 1}}));
    o = call(p270);
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP, 2456, 0}}));
    EXPECT_EQ(value[VAR_DWARVISH], 0);
}

TEST_F(Status, LayoutWordsInTheConsole) {
    Linlen = 80, Margin = 1, Screen = 24, justify = 0;
    struct row {
        game_proc p;
        const char *command;
        std::vector<said> texts;
        int linlen, margin, screen, justified;
    };
    const std::vector<row> cases = {
        {p527, "width", {{TYPED, 3236, VAR_ARG1}}, 80, 1, 24, 0},
        {p527, "width 60", {{ARG | SAY_ARGVAR, 3234, VAR_ARG1}, {STOP_ARG, 3235, 60}}, 60, 1, 24, 0},
        {p527, "linewidth 5000", {{ARG | SAY_ARGVAR, 3234, VAR_ARG1}, {STOP_ARG, 3235, 1024}}, 1024, 1, 24, 0},
        {p527, "width wide", {{STOP, 1403, 0}}, 1024, 1, 24, 0},
        {p548, "margin", {{TYPED, 3236, VAR_ARG1}}, 1024, 1, 24, 0},
        {p548, "margin 0", {{ARG | SAY_ARGVAR, 3234, VAR_ARG1}, {STOP_ARG, 3235, 0}}, 1024, 0, 24, 0},
        {p548, "margin 30", {{ARG | SAY_ARGVAR, 3234, VAR_ARG1}, {STOP_ARG, 3235, 9}}, 1024, 9, 24, 0},
        {p752, "depth", {{STOP, 3237, 0}}, 1024, 9, 24, 0},
        {p752, "depth 40", {{STOP_ARG, 3238, 40}}, 1024, 9, 40, 0},
        {p752, "depth 2", {{STOP, 1403, 0}}, 1024, 9, 40, 0},
        {p509, "justify", {{STOP_ARG, 3233, 1}}, 1024, 9, 40, 1},
        {p509, "justify", {{STOP_ARG, 3233, 0}}, 1024, 9, 40, 0},
        {p509, "justify on", {{STOP_ARG, 3233, 1}}, 1024, 9, 40, 1},
        {p509, "justify on", {{STOP_ARG, 3233, 1}}, 1024, 9, 40, 1},
        {p509, "justify off", {{STOP_ARG, 3233, 0}}, 1024, 9, 40, 0},
    };
    for (const row &c : cases) {
        SCOPED_TRACE(c.command);
        outcome o = call(c.p, c.command);
        EXPECT_EQ(o.texts, c.texts);
        EXPECT_EQ(Linlen, c.linlen);
        EXPECT_EQ(Margin, c.margin);
        EXPECT_EQ(Screen, c.screen);
        EXPECT_EQ(justify, c.justified);
    }
    Linlen = Screen = 32767, Margin = 0, justify = 0;
}

TEST_F(Status, LayoutWordsAreRefusedInTheBrowser) {
    html_ok = 1;
    Linlen = 32767;
    for (game_proc p : {p527, p548, p752, p509}) {
        outcome o = call(p, "width 60");
        EXPECT_EQ(o.texts, (std::vector<said>{{TYPED, 1349, VAR_ARG1}}));
    }
    EXPECT_EQ(Linlen, 32767);
    // The word is named as typed; after a number it keeps its own form.
    // (It may stand first in the sentence, with a capital.)
    const auto named = [] {
        std::string w = wording({TYPED, 1349, VAR_ARG1});
        for (char &ch : w) ch = char(std::tolower((unsigned char)ch));
        return w;
    };
    call(p527, "linewidth");
    EXPECT_NE(named().find("\"linewidth\""), std::string::npos);
    call(p527, "linewidth 60");
    EXPECT_NE(named().find("\"width\""), std::string::npos);
    html_ok = 0;
}

TEST_F(Status, WordsWithAQuestionOfTheirOwn) {
    const std::vector<game_case> cases = {
        // Cheating.
        {[] { set_ref(VAR_HERE, PLACE_INTRO); }, line({838}), PLACE_INTRO, {{STOP, 2318, 0}}},
        {nullptr, line({838}), 330, {{STOP, 1568, 0}}},
        // Resting: not in the open, once.
        {[] { bitmod('s', 330, 7); }, line({862}), 330, {{STOP, 2171, 0}}},
        {[] { bitmod('s', VAR_GAME_FLAGS_2, 5); }, line({862}), 330, {{STOP, 2174, 0}}},
        {nullptr, line({862}), 330, {{STOP, 2172, 0}}},
        // The map: none in the tangle; offered in the warren; none elsewhere.
        {[] { set_ref(VAR_HERE, 365); }, line({865}), 365, {{STOP, 2201, 0}}},
        {[] { set_ref(VAR_HERE, 230); }, line({865}), 230, {{ARG, 2195, 10}, {STOP, 2196, 0}}},
        {[] { set_ref(VAR_HERE, 400); bitmod('s', 400, PFLAG_MAZE); }, line({865}), 400, {{STOP, 2202, 0}}},
        {nullptr, line({865}), 330, {{STOP, 2198, 0}}},
        // With the map: the chute cell not found yet, then found; the hint
        // of the unvisited cell once; elsewhere.
        {[] { set_ref(VAR_HERE, 230); value[252] = 1; }, line({865}), 230, {{STOP, 2204, 0}}},
        {[] { set_ref(VAR_HERE, 230); value[252] = 1; bitmod('s', 252, PFLAG_VISITED); }, line({865}), 230,
         {{0, 2203, 0}}},
        {[] {
             set_ref(VAR_HERE, 230);
             bitmod('s', 230, PFLAG_MAZE);
             value[252] = 1;
             bitmod('s', 252, PFLAG_VISITED);
             bitmod('s', VAR_GAME_FLAGS_2, 8);
         },
         line({865}), 230, {{STOP, 2202, 0}}},
        {[] { value[252] = 1; }, line({865}), 330, {{STOP, 2199, 0}}},
    };
    const std::map<int, game_proc> procs_of = {{838, p939}, {862, p214}, {865, p124}};
    for (const game_case &c : cases) {
        fresh_world(330);
        if (c.setup) c.setup();
        parse(c.command);
        expect(c, call(procs_of.at(value[VAR_ARG1])));
    }
    // The questions asked, and the hint given once.
    fresh_world(330);
    call(p939, line({838}));
    EXPECT_EQ(value[VAR_QUESTION], Q_PAID_TEXT_OFFER);
    fresh_world(330);
    call(p214, line({862}));
    EXPECT_EQ(value[VAR_QUESTION], Q_WORD_862);
    fresh_world(230);
    call(p124, line({865}));
    EXPECT_EQ(value[VAR_QUESTION], Q_WORD_865);
    read("yes");
    EXPECT_EQ(value[252], 1);
    EXPECT_EQ(value[VAR_PENALTY_POINTS], 10);
    bitmod('s', 252, PFLAG_VISITED);
    call(p124, line({865}));
    EXPECT_EQ(bitest(VAR_GAME_FLAGS_2, 8), 1);
}

TEST_F(Status, EveryTextIsWritten) {
    for (int t : {1395, 1389, 2830, 2831, 1454, 2832, 3420, 3421, 3413, 3415, 3418, 3405, 3406, 3409, 3410, 3411,
                  2519, 3412, 3401, 3402, 3403, 3404, 2455, 2457, 2456, 3233, 3236, 3234, 3235, 3237, 3238, 1568,
                  2171, 2174, 2201, 2195, 2198, 2202, 2199, 2204, 2203})
        EXPECT_FALSE(wording({0, t, 0}).empty()) << t;
}

}  // namespace
