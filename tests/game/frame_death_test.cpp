// Death and coming back: a death from a word procedure and from a place
// procedure ends in the death question; the answer brings the player back
// to the cottage with the lamp at the lane and what was carried where he
// lay, or ends the game; the fourth death and the late phases end it.
#include "harness.h"

namespace {

using namespace game_test;

// A word procedure and a place procedure that kill, as their callers do.
int word_that_kills() {
    say(0, 1596, 0);
    p154();
    return 0;
}
constexpr rows::row FALL[] = {rows::death({762}, 1596)};
int place_that_kills() { return rows::run<FALL>(); }

class Death : public GameTest {};

TEST_F(Death, FromAWordThenRevival) {
    fresh_world(330);
    procs[WORD_TAKE] = word_that_kills;
    carry(47);
    carry(OBJ_LIGHT_SOURCE);
    value[OBJ_LIGHT_SOURCE] = 1;
    value[VAR_LIGHT_POWER] = 100;
    outcome o = turn(line({WORD_TAKE, 47}));
    EXPECT_EQ(o.texts, (std::vector<said>{{0, 1596, 0}, {0, 1266, 0}, {STOP, 1379, 0}}));
    EXPECT_EQ(o.place, 330) << "a death elsewhere leaves the player where he fell";
    EXPECT_EQ(value[VAR_QUESTION], Q_DEATH);
    EXPECT_EQ(value[VAR_DEATHS], 1);
    EXPECT_TRUE(within(value[VAR_RESERVE], 600, 700));

    o = read("yes");
    EXPECT_EQ(o.texts, (std::vector<said>{{0, 1380, 0}, {0, 1266, 0}}));
    EXPECT_EQ(o.place, PLACE_DEPOSIT);
    EXPECT_EQ(o.loop, 1);
    EXPECT_EQ(value[VAR_QUESTION], 0);
    EXPECT_EQ(location[47], 330) << "what was carried lies where he fell";
    EXPECT_EQ(location[OBJ_LIGHT_SOURCE], PLACE_START);
    EXPECT_EQ(value[OBJ_LIGHT_SOURCE], 0);
    EXPECT_EQ(value[VAR_CARRIED_COUNT], 0);
    EXPECT_EQ(value[VAR_THERE], 0);
}

TEST_F(Death, FromAPlaceThenRevival) {
    fresh_world(330);
    procs[330] = place_that_kills;
    carry(48);
    outcome o = turn(line({762}));
    EXPECT_EQ(o.place, PLACE_GONE);
    EXPECT_EQ(value[VAR_QUESTION], Q_DEATH);
    o = read("");
    EXPECT_EQ(o.place, PLACE_DEPOSIT);
    EXPECT_EQ(location[48], PLACE_GONE) << "a fall into the void takes what was carried";
}

TEST_F(Death, AnswersToTheDeathQuestion) {
    // Other answers ask again; a decline ends the game with the report.
    value[VAR_QUESTION] = Q_DEATH;
    outcome o = read("look");
    EXPECT_EQ(o.texts, (std::vector<said>{{0, 1268, 0}, {STOP, 1271, 0}}));
    EXPECT_EQ(value[VAR_QUESTION], Q_DEATH);
    o = read("no");
    EXPECT_EQ(o.texts.front(), (said{SAY_ARGVAR | SAY_ARG, 1520, VAR_SCORE}));
    EXPECT_EQ(quitting, 1);

    // The fourth death ends the game before anything is moved.
    fresh_world(330);
    value[VAR_DEATHS] = 4;
    value[VAR_QUESTION] = Q_DEATH;
    carry(47);
    read("yes");
    EXPECT_EQ(quitting, 1);
    EXPECT_EQ(location[47], PLACE_CARRIED);
}

TEST_F(Death, ResetsAndLatePhases) {
    struct row {
        int phase, here;
        bool asks;
        int deaths_after;
        bool says_1422;
        int place_after;
    };
    const row cases[] = {
        {3, 330, true, 1, false, 330}, {3, 515, true, 1, false, PLACE_GONE}, {3, 315, true, 1, false, PLACE_GONE},
        {5, 330, false, 1, true, 330}, {6, 330, false, 0, false, 330},
    };
    for (const row &c : cases) {
        fresh_world(c.here);
        value[VAR_PHASE] = c.phase;
        value[18] = 9;
        set_location(18, c.here);
        set_location(OBJ_FOLLOWER, PLACE_GONE);
        value[26] = 3;
        value[46] = 4;
        value[36] = 1;
        value[VAR_SPELL_WORD] = 720;
        value[100] = 2;
        outcome o = call(p154);
        SCOPED_TRACE(testing::Message() << "phase " << c.phase << " at " << c.here);
        EXPECT_EQ(value[VAR_QUESTION] == Q_DEATH, c.asks);
        EXPECT_EQ(quitting, c.asks ? 0 : 1);
        EXPECT_EQ(value[VAR_DEATHS], c.deaths_after);
        EXPECT_EQ(std::find(o.texts.begin(), o.texts.end(), said{0, 1422, 0}) != o.texts.end(), c.says_1422);
        EXPECT_EQ(o.place, c.place_after);
        EXPECT_EQ(location[18], PLACE_OFFSTAGE);
        EXPECT_EQ(value[18], 0);
        EXPECT_EQ(location[OBJ_FOLLOWER], PLACE_GONE);
        EXPECT_EQ(value[26], 2);
        EXPECT_EQ(value[46], 1);
        EXPECT_EQ(value[36], 0);
        EXPECT_EQ(value[VAR_SPELL_WORD], 0);
        EXPECT_EQ(value[100], 3);
        EXPECT_EQ(o.loop, 1);
    }
}

TEST_F(Death, DeathsWithWordsOfTheirOwn) {
    // The count is named before the death is added.
    outcome o = call(p803);
    EXPECT_EQ(o.texts.front(), (said{SAY_ARGVAR | SAY_ARG, 1502, VAR_DEATHS}));
    EXPECT_EQ(value[VAR_DEATHS], 1);

    // The wraith: brought to the player at 16, kills at 18.
    fresh_world(330);
    value[18] = 15;
    o = call(p848);
    EXPECT_EQ(location[18], 330);
    EXPECT_EQ(value[VAR_QUESTION], 0);
    value[18] = 17;
    o = call(p848);
    EXPECT_EQ(o.texts.front(), (said{0, 2012, 0}));
    EXPECT_EQ(value[VAR_QUESTION], Q_DEATH);

    // The ring's fatal ways: the one-word test comes first.
    fresh_world(631);
    parse(line({WORD_IN}));
    o = call([] { return p724(num(1)); });
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP_ARG, 2839, 1}}));
    fresh_world(631);
    carry(144);
    parse(line({WORD_GO, WORD_IN}));
    o = call([] { return p724(num(1)); });
    EXPECT_EQ(o.texts.front(), (said{0, 2838, 0}));
    EXPECT_EQ(o.place, PLACE_GONE);
    EXPECT_EQ(location[144], 619);
    EXPECT_EQ(value[144], 2);

    // The fall that drains a lit lamp.
    fresh_world(387);
    carry(OBJ_LIGHT_SOURCE);
    value[OBJ_LIGHT_SOURCE] = 1;
    value[VAR_LIGHT_POWER] = 50;
    o = call(p685);
    EXPECT_EQ(o.texts.front(), (said{0, 1636, 0}));
    EXPECT_EQ(value[VAR_LIGHT_POWER], 0);
}

}  // namespace
