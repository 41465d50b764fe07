// Throwing and aiming, sending an object off to where the place says it
// lands, letting the ball go, and the flask: opened, and put down.
#include "objects_fixture.h"

namespace {

using namespace game_test;

constexpr int THROW = 793, WAVE = 781, DROP = WORD_DROP, RELEASE = 803, OPEN = WORD_OPEN;
constexpr int AXE = 124, DAGGER = 54, SWORD = 125, BALL = 126, FLASK = 127, JAR = 108, FIREFLY = 109;
constexpr int CAVE = 296;

// The seed whose first draw of irand(100) falls in [lo, hi).
int32_t seed_drawing(int lo, int hi) {
    for (int32_t s = 1;; s++) {
        rseed = s;
        const int d = irand(100);
        if (d >= lo && d < hi) return s;
    }
}

using Sending = ObjectsTest;

// What an aimed object meets, by what is near (the first of the list
// decides), and where the object ends.
TEST_F(Sending, AimingAtWhatIsNear) {
    struct aim_case {
        const char *what;
        int here;
        std::vector<int> words;
        std::function<void()> setup;
        std::vector<said> texts;  // a death's text first; the death itself is not checked here
        int loop;                 // -1: a death
        int x_at;
        long draws;               // before a death
    };
    auto near = [](int obj) { return [obj] { set_location(obj, value[VAR_HERE]); }; };
    const aim_case cases[] = {
        {"the lizard sends a throw back", CAVE, {THROW, AXE}, near(9), {{STOP, 1333, 0}}, 1, PLACE_CARRIED, 0},
        {"the prowler before the lizard", CAVE, {THROW, DAGGER},
         [] { set_location(9, CAVE); set_location(OBJ_ATTACKER, CAVE); value[OBJ_ATTACKER] = -2;
              value[VAR_CARRIED_COUNT] = 7; },
         {{0, 1335, 0}}, 1, CAVE, 1},
        {"the sentinel", CAVE, {THROW, AXE}, near(21), {{TYPED, 1442, VAR_ARG2}}, 1, CAVE, 0},
        {"the chained lynx catches the axe", CAVE, {THROW, AXE}, near(39), {{STOP, 1462, 0}}, 1, CAVE, 0},
        {"the chained lynx and the dagger", CAVE, {THROW, DAGGER}, near(39), {{TYPED, 1584, VAR_ARG2}}, 1, CAVE, 0},
        {"the chained lynx misses", CAVE, {WAVE, AXE},
         [] { set_location(39, CAVE); rseed = seed_drawing(0, 50); }, {{STOP, 1585, 0}}, 1, PLACE_CARRIED, 1},
        {"the chained lynx does not miss", CAVE, {WAVE, AXE},
         [] { set_location(39, CAVE); rseed = seed_drawing(50, 100); }, {{0, 1586, 0}}, -1, PLACE_CARRIED, 1},
        {"the lynx at peace", CAVE, {THROW, DAGGER}, [] { set_location(39, CAVE); value[39] = 2; },
         {{TYPED, 1463, 39}}, 1, CAVE, 0},
        {"the keeper", CAVE, {WAVE, AXE}, near(23), {{STOP, 1455, 0}}, 1, PLACE_CARRIED, 0},
        {"the brute and a wave", CAVE, {WAVE, AXE}, near(25), {{ARG | SAY_ARGVAR, 1592, VAR_ARG2}}, -1,
         PLACE_CARRIED, 0},
        {"the brute and the dagger", CAVE, {THROW, DAGGER}, near(25), {{ARG | SAY_ARGVAR, 1593, VAR_ARG2}}, -1,
         CAVE, 0},
        {"the brute and the sword", CAVE, {THROW, SWORD}, near(25), {{STOP, 1594, 0}}, 1, CAVE, 0},
        {"the wraith", CAVE, {THROW, AXE}, near(18), {{TYPED, 1615, VAR_ARG2}}, 1, CAVE, 0},
        {"the watcher calmed sends it back", CAVE, {THROW, AXE}, [] { set_location(26, CAVE); value[26] = 2; },
         {{STOP, 1464, 0}}, 1, PLACE_CARRIED, 0},
        {"the watcher", CAVE, {WAVE, AXE}, near(26), {{ARG | SAY_ARGVAR, 1624, VAR_ARG2}}, -1, PLACE_CARRIED, 0},
        {"the spirit", CAVE, {THROW, AXE}, near(28), {{TYPED, 1625, VAR_ARG2}}, 1, CAVE, 0},
        {"the hound", CAVE, {THROW, AXE}, near(OBJ_FOLLOWER), {{ARG | SAY_ARGVAR, 1626, VAR_ARG2}}, -1, CAVE, 0},
        {"the giant at the bluff", 199, {THROW, AXE}, near(194), {{TYPED, 3353, VAR_ARG2}}, 1, PLACE_CARRIED, 0},
        {"the giant elsewhere", CAVE, {THROW, AXE}, near(194), {{ARG | SAY_ARGVAR, 1794, VAR_ARG2}}, -1, CAVE, 0},
        {"nothing reacts to a throw", CAVE, {THROW, AXE}, nullptr, {}, 0, PLACE_CARRIED, 0},
        {"nothing reacts to a wave", CAVE, {WAVE, AXE}, nullptr, {{STOP, 3423, 0}}, 1, PLACE_CARRIED, 0},
        {"not carried: the reply about it", CAVE, {THROW, AXE}, [] { set_location(AXE, CAVE); set_location(9, CAVE); },
         {{STOP_ARG, 3463, AXE}}, 1, CAVE, 0},
    };
    for (const aim_case &c : cases) {
        command_at(c.here, line({c.words[0], c.words[1]}));
        carry(value[VAR_ARG2]);
        if (c.setup) c.setup();
        outcome o = call(p910);
        const int x = value[VAR_ARG2];
        if (c.loop < 0) {
            ASSERT_GE(o.texts.size(), c.texts.size()) << c.what;
            EXPECT_EQ(std::vector<said>(o.texts.begin(), o.texts.begin() + long(c.texts.size())), c.texts) << c.what;
        } else {
            EXPECT_EQ(o.texts, c.texts) << c.what;
            EXPECT_EQ(o.loop, c.loop) << c.what;
        }
        EXPECT_EQ(getloc(x), c.x_at) << c.what;
        if (c.loop >= 0) {
            EXPECT_EQ(o.draws, c.draws) << c.what;
        }
    }
}

// The prowler's side of it: 5 for each free hand, 15 for each time he has
// followed the player and 15 more, and 15 for the axe or a wave but not
// both. A hit has him bring back what he picks from the hoard; a miss
// leaves him the advantage.
TEST_F(Sending, AimingAtTheProwler) {
    // 8 free hands and state 1: 40 + 45 = 85.
    struct chance_case {
        std::vector<int> words;
        bool hit;
    };
    const chance_case cases[] = {
        {{THROW, DAGGER}, false},  // 85
        {{THROW, AXE}, true},      // 100
        {{WAVE, AXE}, false},      // both: 85
        {{WAVE, DAGGER}, true},    // 100
    };
    const int32_t seed = seed_drawing(85, 100);
    for (const chance_case &c : cases) {
        command_at(CAVE, line({c.words[0], c.words[1]}));
        value[VAR_CARRY_LIMIT] = 8;
        carry(value[VAR_ARG2]);
        set_location(OBJ_ATTACKER, CAVE);
        value[OBJ_ATTACKER] = 1;
        value[VAR_ATTACK_ESCAPE_CHANCE] = 50;
        value[1209] = 7;
        rseed = seed;
        outcome o = call(p910);
        EXPECT_EQ(o.loop, 1);
        if (c.hit) {
            EXPECT_EQ(o.draws, 2) << c.words[0];
            ASSERT_FALSE(o.texts.empty());
            EXPECT_TRUE(o.texts[0].text == 1439 || o.texts[0].text == 1440) << c.words[0];
            // Felled once more, he is tired out and leaves play; the attack
            // odds are left as they were.
            EXPECT_EQ(getloc(OBJ_ATTACKER), PLACE_OFFSTAGE);
            EXPECT_EQ(value[VAR_ATTACK_ESCAPE_CHANCE], 50);
            EXPECT_EQ(value[1209], 7);
        } else {
            EXPECT_EQ(o.texts, (std::vector<said>{{0, 1335, 0}})) << c.words[0];
            EXPECT_EQ(o.draws, 1);
            EXPECT_EQ(getloc(OBJ_ATTACKER), CAVE);
            EXPECT_EQ(value[VAR_ATTACK_ESCAPE_CHANCE], 0);
            EXPECT_EQ(value[1209], 100);
        }
    }
}

// Sent off where the place says: the object lands there with the place's
// text; with no redirection nothing happens; a landing at the void (as the
// crossing at the river sets it) loses the object there.
TEST_F(Sending, SendingAnObjectOff) {
    command_at(CAVE, line({THROW, AXE}));
    carry(AXE);
    outcome o = call(p878);
    EXPECT_EQ(o.texts, std::vector<said>{});
    EXPECT_EQ(o.loop, 0);
    EXPECT_EQ(getloc(AXE), PLACE_CARRIED);

    for (int mode : {0, 1}) {
        command_at(632, line({THROW, AXE}));
        carry(AXE);
        set_ref(VAR_LANDING_PLACE, PLACE_GONE);
        set_ref(VAR_LANDING_TEXT, 2366);
        value[VAR_DROP_TEXT_MODE] = mode;
        o = call(p878);
        EXPECT_EQ(getloc(AXE), PLACE_GONE);
        EXPECT_EQ(o.loop, 1);
        if (mode)
            EXPECT_EQ(o.texts, (std::vector<said>{{ARG | SAY_ARGVAR, 2036, VAR_ARG2}, {ARG | SAY_REFVAR, 1151, 0}}));
        else
            EXPECT_EQ(o.texts, (std::vector<said>{{ARG | SAY_ARGVAR | SAY_REFVAR, 1151, VAR_ARG2}}));
    }
    // The ball has flag 11: the landing text's second variant.
    command_at(632, line({THROW, BALL}));
    carry(BALL);
    bitmod('s', BALL, 11);
    set_ref(VAR_LANDING_PLACE, 502);
    set_ref(VAR_LANDING_TEXT, 2099);
    value[VAR_DROP_TEXT_MODE] = 1;
    o = call(p878);
    EXPECT_EQ(o.texts[1], (said{ARG | SAY_REFVAR, 1151, 1}));
    EXPECT_EQ(getloc(BALL), 502);
}

// The reactions of objects sent off: vessels spill, the urn breaks, the
// jar takes the firefly along, the lit lamp goes out.
TEST_F(Sending, WhatObjectsSentOffDo) {
    auto send = [this](int obj, int landing) {
        command_at(CAVE, line({THROW, obj}));
        carry(obj);
        set_ref(VAR_LANDING_PLACE, landing);
        set_ref(VAR_LANDING_TEXT, 2099);
    };
    send(OBJ_VESSEL_LARGE, 502);
    value[OBJ_VESSEL_LARGE] = 6;
    call(p878);
    EXPECT_EQ(value[OBJ_VESSEL_LARGE], 1);
    EXPECT_EQ(getloc(OBJ_LIQUID_4), 502);
    EXPECT_FALSE(bitest(502, PFLAG_EXTRA_REMARK));

    send(OBJ_VESSEL_MEDIUM, 502);
    value[OBJ_VESSEL_MEDIUM] = 3;
    call(p878);
    EXPECT_EQ(value[OBJ_VESSEL_MEDIUM], 2);
    EXPECT_TRUE(bitest(502, PFLAG_EXTRA_REMARK));

    send(OBJ_VESSEL_LARGE, 600);
    value[OBJ_VESSEL_LARGE] = 8;
    call(p878);
    EXPECT_EQ(value[OBJ_VESSEL_LARGE], 2);
    EXPECT_FALSE(bitest(600, PFLAG_EXTRA_REMARK));  // the dunes stay dry

    send(56, 502);
    outcome o = call(p878);
    EXPECT_EQ(o.texts.back(), (said{STOP, 1687, 0}));
    EXPECT_EQ(getloc(56), PLACE_GONE);
    EXPECT_EQ(getloc(57), 502);

    send(JAR, 502);
    carry(FIREFLY);
    o = call(p878);
    EXPECT_EQ(getloc(FIREFLY), 502);
    EXPECT_EQ(std::vector<said>(o.texts.end() - 2, o.texts.end()), (std::vector<said>{{0, 1266, 0}, {ARG, 2035, 0}}));
    EXPECT_EQ(o.loop, 1);

    send(JAR, PLACE_GONE);
    carry(FIREFLY);
    o = call(p878);
    EXPECT_EQ(getloc(FIREFLY), PLACE_GONE);
    EXPECT_EQ(o.texts.size(), 1u);

    send(OBJ_LIGHT_SOURCE, 502);
    value[OBJ_LIGHT_SOURCE] = 1;
    bitmod('c', CAVE, PFLAG_LIT);
    o = call(p878);
    EXPECT_EQ(value[OBJ_LIGHT_SOURCE], 0);
    EXPECT_FALSE(bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_LIGHT));
    EXPECT_EQ(o.loop, 1);

    // The ingot thrown up the pit from the stepwell breaks the steps.
    command_at(210, line({THROW, 47}));
    carry(47);
    set_ref(VAR_LANDING_PLACE, 209);
    set_ref(VAR_LANDING_TEXT, 2169);
    value[VAR_DROP_TEXT_MODE] = 1;
    o = call(p878);
    EXPECT_EQ(o.texts.back(), (said{STOP, 2170, 0}));
    EXPECT_EQ(value[213], 1);
    EXPECT_EQ(value[9], 1);
}

// The ball let go: thrown, it is sent off like anything else; dropped, the
// hound near bounds after it and both are gone.
TEST_F(Sending, LettingTheBallGo) {
    command_at(CAVE, line({RELEASE, BALL}));
    carry(BALL);
    value[BALL] = 1;
    set_location(OBJ_FOLLOWER, CAVE);
    outcome o = call(p795);
    EXPECT_EQ(o.texts, (std::vector<said>{{0, 2001, 0}, {STOP, 1629, 0}}));
    EXPECT_EQ(getloc(BALL), PLACE_GONE);
    EXPECT_EQ(getloc(OBJ_FOLLOWER), PLACE_GONE);
    EXPECT_EQ(value[BALL], 0);

    command_at(CAVE, line({RELEASE, BALL}));
    carry(BALL);
    light(false);
    set_location(OBJ_FOLLOWER, CAVE);
    o = call(p795);
    EXPECT_EQ(o.texts, (std::vector<said>{{0, 2001, 0}, {0, 2558, 0}}));
    EXPECT_EQ(o.loop, 1);

    command_at(CAVE, line({THROW, BALL}));
    carry(BALL);
    set_ref(VAR_LANDING_PLACE, 502);
    set_ref(VAR_LANDING_TEXT, 2099);
    o = call(p795);
    EXPECT_EQ(getloc(BALL), 502);
    EXPECT_EQ(o.texts.size(), 1u);
}

// The flask's blast: the first of these near decides; with the nest and the
// prowler near, only the nest is blown away.
TEST_F(Sending, TheFlaskGoesOff) {
    struct blast_case {
        std::vector<int> near;
        std::function<void()> setup;
        std::vector<said> texts;
    };
    const said bang = {0, 1581, 0};
    const blast_case cases[] = {
        {{34, OBJ_ATTACKER}, nullptr, {bang, {STOP_ARG, 2823, 5}}},
        {{OBJ_ATTACKER, 23}, nullptr, {bang, {0, 1266, 0}, {ARG | SAY_ARGVAR, 2822, OBJ_ATTACKER}}},
        {{23, 39}, nullptr, {bang, {STOP_ARG, 2823, 0}}},
        {{39}, nullptr, {bang, {STOP_ARG, 2823, 1}}},
        {{39}, [] { value[39] = 1; }, {bang, {STOP_ARG, 2823, 2}}},
        {{21, 5}, [] { value[21] = 1; }, {bang, {STOP_ARG, 2823, 12}}},
        {{26}, [] { value[26] = 2; }, {bang}},
        {{}, nullptr, {bang}},
    };
    for (const blast_case &c : cases) {
        command_at(CAVE, line({OPEN, FLASK}));
        carry(FLASK);
        for (int obj : c.near) set_location(obj, CAVE);
        if (c.setup) c.setup();
        value[OBJ_ATTACKER] = 3;
        outcome o = call(p73);
        EXPECT_EQ(o.texts, c.texts) << (c.near.empty() ? 0 : c.near[0]);
        EXPECT_EQ(o.loop, 1);
        EXPECT_EQ(getloc(FLASK), PLACE_GONE);
    }
    // The nest is gone; the prowler only loses heart.
    command_at(CAVE, line({OPEN, FLASK}));
    set_location(34, CAVE);
    call(p73);
    EXPECT_EQ(getloc(34), PLACE_GONE);
    command_at(CAVE, line({OPEN, FLASK}));
    set_location(OBJ_ATTACKER, CAVE);
    value[OBJ_ATTACKER] = 3;
    value[VAR_THEFT_SCALE] = 5;
    call(p73);
    EXPECT_EQ(value[OBJ_ATTACKER], 0);
    EXPECT_EQ(getloc(OBJ_ATTACKER), PLACE_OFFSTAGE);
    EXPECT_EQ(value[VAR_THEFT_SCALE], 5);
}

// Putting the flask down where the player stands: the first six times are
// safe, though a draw is made every time; from then on the chance is
// (count - 6)² in a hundred, up to certain death at sixteen.
TEST_F(Sending, PuttingTheFlaskDown) {
    for (int seed : {1, 77, 4242}) {
        command_at(CAVE, line({DROP, FLASK}));
        carry(FLASK);
        rseed = seed;
        for (int k = 1; k <= 6; k++) {
            outcome o = call(p239);
            EXPECT_EQ(o.texts, std::vector<said>{}) << k;
            EXPECT_EQ(o.draws, 1) << k;
            EXPECT_EQ(value[FLASK], k);
            EXPECT_EQ(getloc(FLASK), PLACE_CARRIED);
        }
    }
    // The chance at each count: a draw just below it goes off, at it does not.
    for (int count = 7; count <= 16; count++) {
        const int chance = (count - 6) * (count - 6);
        for (bool goes_off : {true, false}) {
            if (!goes_off && chance >= 100) continue;
            command_at(CAVE, line({DROP, FLASK}));
            carry(FLASK);
            value[FLASK] = count - 1;
            rseed = goes_off ? seed_drawing(chance - 1, chance) : seed_drawing(chance, chance + 1);
            outcome o = call(p239);
            EXPECT_EQ(value[FLASK], count);
            if (goes_off) {
                ASSERT_FALSE(o.texts.empty()) << count;
                EXPECT_EQ(o.texts[0], (said{0, 1580, 0})) << count;
                EXPECT_EQ(getloc(FLASK), PLACE_GONE) << count;
            } else {
                EXPECT_EQ(o.texts, std::vector<said>{}) << count;
                EXPECT_EQ(getloc(FLASK), PLACE_CARRIED) << count;
            }
        }
    }
    // The counter stops at sixteen.
    command_at(CAVE, line({DROP, FLASK}));
    carry(FLASK);
    value[FLASK] = 16;
    call(p239);
    EXPECT_EQ(value[FLASK], 16);
}

// Put down where the place sends it: gone, and (out of the water) a bang.
// A flask that is not carried is left to the general drop.
TEST_F(Sending, TheFlaskSentElsewhere) {
    struct away_case {
        int text, mode;
        std::vector<said> texts;
    };
    const away_case cases[] = {
        {2247, 1, {{ARG | SAY_ARGVAR, 2036, FLASK}, {ARG | SAY_REFVAR, VAR_DROP_TEXT, 0}, {STOP, 2256, 0}}},
        {2098, 1, {{ARG | SAY_ARGVAR, 2036, FLASK}, {ARG | SAY_REFVAR, VAR_DROP_TEXT, 0}}},
        {1776, 0, {{ARG | SAY_ARGVAR | SAY_REFVAR, VAR_DROP_TEXT, FLASK}}},
    };
    for (const away_case &c : cases) {
        command_at(CAVE, line({DROP, FLASK}));
        carry(FLASK);
        set_ref(VAR_DROP_PLACE, 502);
        set_ref(VAR_DROP_TEXT, c.text);
        value[VAR_DROP_TEXT_MODE] = c.mode;
        outcome o = call(p239);
        EXPECT_EQ(o.texts, c.texts) << c.text;
        EXPECT_EQ(o.loop, 1) << c.text;
        EXPECT_EQ(getloc(FLASK), PLACE_GONE) << c.text;
        EXPECT_EQ(o.draws, 0) << c.text;
    }
    // Lying here, or safe at home in the cottage: never destroyed.
    for (int lying_at : {CAVE, PLACE_DEPOSIT}) {
        command_at(CAVE, line({DROP, FLASK}));
        set_location(FLASK, lying_at);
        set_ref(VAR_DROP_PLACE, 502);
        set_ref(VAR_DROP_TEXT, 2247);
        outcome o = call(p239);
        EXPECT_EQ(o.texts, std::vector<said>{}) << lying_at;
        EXPECT_EQ(o.loop, 0) << lying_at;
        EXPECT_EQ(getloc(FLASK), lying_at);
    }
}

}  // namespace
