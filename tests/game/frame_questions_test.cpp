// The shared questions: each answerer's classes of answer (yes, no, a blank
// line, anything else), paging through a run of texts, the starting variants
// drawn from the clock, the start of play; and the last replies as a table
// of typed commands.
#include "harness.h"

namespace {

using namespace game_test;

class Questions : public GameTest {};

TEST_F(Questions, AnswerClassesPerQuestion) {
    struct row {
        int question;
        const char *answer;
        said first;
        int question_after;
    };
    const row cases[] = {
        // Speaking to the sentinel, the prowler, the brute: a blank line is
        // not a yes.
        {Q_ADDRESS_OBJECT_21, "", {STOP_ARG, 1723, 0}, 0},
        {Q_ADDRESS_OBJECT_21, "no", {SAY_ARGVAR | ARG, 1693, VAR_ARG1}, 0},
        {Q_ADDRESS_OBJECT_193, "quit", {SAY_ARGVAR | ARG, 1693, VAR_ARG1}, 0},
        {Q_ADDRESS_OBJECT_25, "look", {STOP_ARG, 1723, 0}, 0},
        // The rim: a blank line accepts, other answers ask again.
        {Q_PLACES_591_592, "look", {0, 1268, 0}, Q_PLACES_591_592},
        {Q_PLACE_283, "no", {STOP, 1267, 0}, 0},
        {Q_PLACE_283, "look", {0, 1268, 0}, Q_PLACE_283},
        // Paid texts: an unclear answer to the offer pays at once.
        {Q_PAID_TEXT_OFFER, "", {STOP, 1569, 0}, Q_PAID_TEXT_CONFIRM},
        {Q_PAID_TEXT_OFFER, "no", {STOP, 1267, 0}, 0},
        {Q_PAID_TEXT_OFFER, "look", {STOP_ARG, 1570, 0}, 0},
        {Q_PAID_TEXT_CONFIRM, "no", {STOP_ARG, 1570, 0}, 0},
        {Q_PAID_MAZE_EXIT, "no", {STOP, 1267, 0}, 0},
        {Q_PAID_MAZE_EXIT, "look", {STOP_ARG, 1723, 0}, 0},
        // Saving.
        {Q_SAVE_CONFIRM, "no", {STOP, 1554, 0}, 0},
        {Q_SAVE_CONFIRM, "look", {STOP_ARG, 1723, 0}, 0},
        {Q_CONTINUE_AFTER_SAVE, "", {STOP, 1267, 0}, 0},
        {Q_CONTINUE_AFTER_SAVE, "look", {0, 1268, 0}, Q_CONTINUE_AFTER_SAVE},
        {Q_SNAPSHOT_TAKE, "no", {STOP, 1871, 0}, 0},
        {Q_SNAPSHOT_BACK, "look", {STOP_ARG, 1723, 0}, 0},
        // The word list: anything but a no lists.
        {Q_WORDS_LIST, "no", {0, 1871, 0}, 0},
        {Q_WORDS_LIST, "look", {0, 1944, 0}, Q_WORDS_MORE},
        // After a restore: the quit word is an other answer.
        {Q_EARLY_RESTORE, "quit", {ARG, 1723, 0}, 0},
        {Q_AFTER_RESTORE, "", {0, 1267, 0}, 0},
        {Q_AFTER_RESTORE, "quit", {ARG, 1723, 1}, 0},
    };
    for (const row &c : cases) {
        SCOPED_TRACE(testing::Message() << "question " << c.question << " answered \"" << c.answer << "\"");
        fresh_world(330);
        value[VAR_QUESTION] = c.question;
        set_ref(VAR_PROMPT_TEXT, 1432);
        input_store('S', &value[VAR_PROMPT_TEXT]);
        outcome o = read(c.answer);
        ASSERT_FALSE(o.texts.empty());
        EXPECT_EQ(o.texts.front(), c.first);
        EXPECT_EQ(value[VAR_QUESTION], c.question_after);
        EXPECT_EQ(o.loop, 1);
    }
    // The paid text and the paid maze exit charge ten points.
    fresh_world(230);
    value[VAR_QUESTION] = Q_PAID_MAZE_EXIT;
    set_ref(VAR_PASSAGE_TEXT, 1267);
    carry(47);
    bitmod('s', 47, OFLAG_SCORING);
    outcome o = read("yes");
    EXPECT_EQ(o.place, 226);
    EXPECT_EQ(location[47], 230);
    EXPECT_EQ(value[VAR_PENALTY_POINTS], 10);
}

TEST_F(Questions, PagingThroughTexts) {
    outcome o = call([] { return p510(ref(1943), ref(1965)); });
    EXPECT_EQ(o.texts, (std::vector<said>{{0, 1943, 0}, {STOP, 1431, 0}}));
    EXPECT_EQ(value[VAR_QUESTION], Q_MORE_TEXT);
    EXPECT_EQ(value[VAR_MORE_TEXT_NEXT], 1944);
    EXPECT_EQ(*bitword(VAR_MORE_TEXT_NEXT), ref_mark);
    // The last text of the run ends the paging.
    o = call([] { return p510(ref(1965), ref(1965)); });
    EXPECT_EQ(o.texts, (std::vector<said>{{0, 1965, 0}}));
    EXPECT_EQ(value[VAR_QUESTION], 0);
    EXPECT_EQ(o.loop, 1);
}

TEST_F(Questions, StartingVariantsFromTheClock) {
    value[3313] = 99;
    outcome o = call(p697);
    EXPECT_EQ(o.draws, 0) << "the replayable sequence is left alone";
    EXPECT_TRUE(within(value[1997], 0, 9));
    EXPECT_TRUE(within(value[1294], 0, 10));
    EXPECT_TRUE(within(value[3313], 0, 5));
    EXPECT_EQ(value[3314], value[3313]);
    EXPECT_EQ(value[2557] % 4, 0);
    EXPECT_TRUE(within(value[2557], 0, 12));
}

TEST_F(Questions, StartOfPlayLeavesTheStartQuestion) {
    fresh_world(PLACE_OFFSTAGE);
    value[VAR_QUESTION] = Q_START;
    outcome o = call(p765);
    EXPECT_EQ(o.texts, (std::vector<said>{{0, 1276, 0}}));
    EXPECT_EQ(o.place, PLACE_INTRO);
    EXPECT_EQ(value[VAR_QUESTION], 0);
    EXPECT_EQ(value[VAR_PHASE], 2);
    EXPECT_EQ(o.loop, 1);
}

class LastReplies : public GameTest {};

TEST_F(LastReplies, TypedCommands) {
    const std::vector<game_case> cases = {
        {nullptr, line({1023}), 330, {{STOP, 2957, 0}}},
        {nullptr, line({945}), 330, {{STOP, 3120, 0}}},
        // One word: a verb asks for its thing, a thing near asks what to do.
        {nullptr, line({WORD_TAKE}), 330, {{STOP, 2608, 0}}},
        {[] { set_location(47, 330); }, line({47}), 330, {{TYPED, 1507, VAR_ARG1}}, 1, 1},
        // A thing that is neither near nor known.
        {nullptr, line({WORD_TAKE, 47}), 330, {{STOP, 1493, 0}}, 1, 1},
        {[] { bitmod('s', 47, OFLAG_SEEN); }, line({WORD_TAKE, 47}), 330, {{TYPED, 1319, VAR_ARG2}}, 1, 1},
        {[] { set_location(47, 330); }, line({WORD_TAKE, 47}), 330,
         {{SAY_ARGVAR | ARG, 1997, VAR_ARG1}, {TYPED, 1998, VAR_ARG2}}, 1, 1},
    };
    for (const game_case &c : cases) {
        fresh_world(330);
        if (c.setup) c.setup();
        parse(c.command);
        expect(c, call(p39), "the last replies,");
    }
}

}  // namespace
