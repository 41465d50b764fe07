// The help and guidance words: help by where the player is and what is
// near (the paid ways out of the mire and the mazes, the paid hint of the
// place, the hint about a treasure never seen, the pages of advice once and
// then a line by the state of the treasures), the story in pages, the
// introduction's words, the word list and the manual.
#include "harness.h"

namespace {

using namespace game_test;

class Help : public GameTest {};

// Ten treasures at home: a score above 100.
void treasures_home() {
    for (int obj = 40; obj < 50; obj++) {
        bitmod('s', obj, OFLAG_SCORING);
        set_location(obj, PLACE_DEPOSIT);
    }
}

TEST_F(Help, ByPlace) {
    const std::vector<game_case> cases = {
        // The mire, whatever else holds.
        {[] { set_ref(VAR_HERE, 544); bitmod('s', 544, PFLAG_HINT_AVAILABLE); }, line({WORD_HELP}), 544,
         {{ARG, 1930, 10}, {STOP, 1931, 0}}},
        // A maze without a hint of its own: the way out, for a price, unless
        // the score says the player can manage.
        {[] { set_ref(VAR_HERE, 240); }, line({WORD_HELP}), 240, {{ARG, 2145, 10}, {STOP, 1931, 0}}},
        {[] { set_ref(VAR_HERE, 400); }, line({WORD_HELP}), 400, {{ARG, 2145, 10}, {STOP, 1931, 0}}},
        {[] { set_ref(VAR_HERE, 365); treasures_home(); }, line({WORD_HELP}), 365, {{STOP, 2146, 0}}},
        // Something near to deal with: a line, and no pages.
        {[] { set_location(21, 330); }, line({WORD_HELP}), 330, {{ARG, 1342, 0}}},
        {[] { value[OBJ_FOLLOWER] = 1; }, line({WORD_HELP}), 330, {{ARG, 1342, 0}}},
        // The pages already read: how the treasures stand.
        {[] { bitmod('s', VAR_GAME_FLAGS_2, 3); }, line({WORD_HELP}), 330, {{STOP_ARG, 1342, 2}}},
        {[] {
             bitmod('s', VAR_GAME_FLAGS_2, 3);
             set_location(100, PLACE_DEPOSIT);
             set_location(67, PLACE_DEPOSIT);
         },
         line({WORD_HELP}), 330, {{STOP_ARG, 1342, 1}}},
        // Every treasure home but one never seen: its hint is offered.
        {[] {
             set_location(100, PLACE_DEPOSIT);
             set_location(67, PLACE_DEPOSIT);
             bitmod('s', 143, OFLAG_SCORING);
             set_location(143, 605);
         },
         line({WORD_HELP}), 330, {{SAY_REFVAR | STOP, VAR_PROMPT_TEXT, 0}}},
    };
    for (const game_case &c : cases) {
        fresh_world(330);
        if (c.setup) c.setup();
        parse(c.command);
        expect(c, call(p399));
    }
}

TEST_F(Help, QuestionsAsked) {
    fresh_world(544);
    call(p399, line({WORD_HELP}));
    EXPECT_EQ(value[VAR_QUESTION], Q_PAID_RETURN);
    fresh_world(240);
    call(p399, line({WORD_HELP}));
    EXPECT_EQ(value[VAR_QUESTION], Q_PAID_MAZE_EXIT);

    // The unseen treasure, then bought: not offered again.
    fresh_world(330);
    set_location(100, PLACE_DEPOSIT);
    set_location(67, PLACE_DEPOSIT);
    bitmod('s', 143, OFLAG_SCORING);
    set_location(143, 605);
    call(p399, line({WORD_HELP}));
    EXPECT_EQ(value[VAR_QUESTION], Q_HELP_OFFER);
    EXPECT_EQ(value[VAR_PROMPT_TEXT], 3386);
    EXPECT_EQ(*bitword(VAR_PROMPT_TEXT), ref_mark);
    read("yes");
    outcome o = read("yes");
    EXPECT_EQ(first(o.texts, 1), (std::vector<said>{{SAY_REFVAR, VAR_PROMPT_TEXT, 0}}));
    EXPECT_EQ(value[VAR_PENALTY_POINTS], 10);
    o = call(p399, line({WORD_HELP}));
    EXPECT_EQ(first(o.texts, 1), (std::vector<said>{{0, 1340, 0}}));
}

TEST_F(Help, TheAdvicePagesComeOnce) {
    outcome o = call(p399, line({WORD_HELP}));
    EXPECT_EQ(o.texts, (std::vector<said>{{0, 1340, 0}, {STOP, 1431, 0}}));
    EXPECT_EQ(value[VAR_QUESTION], Q_MORE_TEXT);
    o = read("yes");
    EXPECT_EQ(o.texts, (std::vector<said>{{0, 1341, 0}}));
    EXPECT_EQ(value[VAR_QUESTION], 0);
    o = call(p399, line({WORD_HELP}));
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP_ARG, 1342, 2}}));

    // A place with a hint of its own: the hint chooser answers.
    fresh_world(203);
    bitmod('s', 203, PFLAG_HINT_AVAILABLE);
    o = call(p399, line({WORD_HELP}));
    EXPECT_EQ(value[VAR_QUESTION], Q_HELP_OFFER);
    EXPECT_EQ(o.loop, 1);
}

TEST_F(Help, TheStoryInPages) {
    outcome o = call(p481, line({836}));
    EXPECT_EQ(o.texts, (std::vector<said>{{0, 1427, 0}, {STOP, 1431, 0}}));
    read("");
    read("yes");
    o = read("yes");
    EXPECT_EQ(o.texts, (std::vector<said>{{0, 1430, 0}}));
    EXPECT_EQ(value[VAR_QUESTION], 0);
}

TEST_F(Help, TheIntroductionWords) {
    const std::vector<game_case> cases = {
        {nullptr, line({855, 930}), 330, {{STOP, 1943, 0}}},
        {nullptr, line({855, WORD_GO}), 330, {{STOP, 1964, 0}}},
        {nullptr, line({855}), 330, {{0, 1942, 0}, {STOP, 1431, 0}}},
        {nullptr, line({855, OBJ_ALL}), 330, {{0, 1942, 0}, {STOP, 1431, 0}}},
        {nullptr, line({855, 47}), 330, {}, 0},
    };
    for (const game_case &c : cases) {
        fresh_world(330);
        if (c.setup) c.setup();
        parse(c.command);
        expect(c, call(p893));
        html_ok = 0;
    }
    // The layout page, in the console only. (Typed, "intro depth" is read
    // as "depth": the reader puts the layout word first and drops the
    // other.)
    for (int html : {0, 1}) {
        fresh_world(330);
        html_ok = html;
        parse(line({855}));
        set_ref(VAR_ARG2, WORD_PAGE_LENGTH);
        value[VAR_COMMAND_STATUS] = 2;
        outcome o = call(p893);
        const std::vector<said> layout_page = {{STOP, 1965, 0}};
        EXPECT_EQ(o.texts, html ? std::vector<said>() : layout_page);
        EXPECT_EQ(o.loop, 1 - html);
        html_ok = 0;
    }
    outcome o = call(p893, line({855}));
    EXPECT_EQ(value[VAR_QUESTION], Q_WORDS_INTRO);
    o = call(p893, line({855, 931}));
    EXPECT_EQ(first(o.texts, 1), (std::vector<said>{{0, 1944, 0}}));
    o = call(p627, line({931}));
    EXPECT_EQ(first(o.texts, 1), (std::vector<said>{{0, 1944, 0}}));
    EXPECT_EQ(o.loop, 1);
    o = call(p484, line({821}));
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP, 1283, 0}}));
}

TEST_F(Help, EveryTextIsWritten) {
    for (int t : {1930, 2146, 2145, 3386, 1342, 1340, 1341, 1427, 1428, 1429, 1430, 1942})
        EXPECT_FALSE(wording({0, t, 0}).empty()) << t;
}

}  // namespace
