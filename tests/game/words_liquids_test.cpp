// Drinking, tasting, pouring, filling and giving.
#include "words_fixture.h"

namespace {

using namespace game_test;

constexpr int DRINK = WORD_CONSUME_LIQUID, TASTE = 791, POUR = 787, FILL = WORD_FILL_VESSEL, GIVE = 805;
constexpr int WATER = OBJ_LIQUID_1, OIL = OBJ_LIQUID_2, ALE = OBJ_LIQUID_3, NECTAR = OBJ_LIQUID_4;
constexpr int SMALL = OBJ_VESSEL_SMALL, MEDIUM = OBJ_VESSEL_MEDIUM, LARGE = OBJ_VESSEL_LARGE;
constexpr int IMP = 5, LIZARD = 9, WRAITH = 18, SENTINEL = 21, KEEPER = 23, URN = 56, SHARDS = 57;
constexpr int WATERSKIN = 84, FIREFLY = 109, BREAD = 118, FLASK = 127, HONEYCAKE = 128, SIEVE = 146;
constexpr int BUNDLE = 151, GIANT = 194, LAMP = OBJ_LIGHT_SOURCE;
constexpr int VALLEY = 201, CELLAR = 204, COTTAGE = 200, OIL_SEEP = 217, STILL_POOL = 333, CREEPER_HALL = 443;
constexpr int WET = PFLAG_EXTRA_REMARK;

using Drinking = WordsTest;
using Pouring = WordsTest;
using Filling = WordsTest;
using Giving = WordsTest;


// Drinking at a source: the water of the place, a draw for the reserve.
TEST_F(Drinking, AtASourceByThePlace) {
    const std::pair<int, int> variants[] = {{298, 5}, {STILL_POOL, 1}, {575, 3}, {COTTAGE, 2}, {566, 4}, {VALLEY, 0}};
    for (auto [place, variant] : variants) {
        command_at(place, {DRINK});
        source();
        value[VAR_RESERVE] = 100;
        outcome o = call(p227);
        EXPECT_EQ(o.texts, (std::vector<said>{{ARG, 1363, 0}})) << place;
        EXPECT_EQ(value[1363], variant) << place;
        EXPECT_EQ(o.draws, 1) << place;
        EXPECT_TRUE(within(value[VAR_RESERVE], 900, 1199)) << place;
    }
}

// The words for a source mean water only where that source is; "take"
// with "drink" counts as one word.
TEST_F(Drinking, WordsForTheSources) {
    run_cases(p227, {
        {"the spring at the still pool", STILL_POOL, {DRINK, 911}, source, {{ARG, 1363, 0}}, 1, nullptr},
        {"the spring elsewhere", VALLEY, {DRINK, 911}, source, {}, 0, [] { EXPECT_EQ(arg2(), 911); }},
        {"the stream in the valley", VALLEY, {DRINK, 899}, source, {{ARG, 1363, 0}}, 1,
         [] { EXPECT_EQ(arg2(), WATER); }},
        {"the tap away from the cottage", VALLEY, {DRINK, 918}, source, {}, 0, nullptr},
        {"take and drink", VALLEY, {DRINK, WORD_TAKE}, source, {{ARG, 1363, 0}}, 1,
         [] { EXPECT_EQ(words(), 1); }},
    });
}

// Away from a source the vessel of water is drunk from, carried before
// lying here; the cask gives four portions; the reserve never passes 1800.
TEST_F(Drinking, FromAVessel) {
    run_cases(p227, {
        {"the jug in hand before the vial here", CELLAR, {DRINK},
         [] { vessel(MEDIUM, 3); vessel(SMALL, 3, false); }, {{ARG, 1366, MEDIUM}}, 1,
         [] { EXPECT_EQ(value[MEDIUM], 2); EXPECT_EQ(value[SMALL], 3); EXPECT_EQ(arg2(), MEDIUM); }},
        {"the vial named", CELLAR, {DRINK, SMALL}, [] { vessel(SMALL, 3); }, {{ARG, 1840, SMALL}}, 1,
         state_is(SMALL, 2)},
        {"the cask's first portion", CELLAR, {DRINK, LARGE}, [] { vessel(LARGE, 3); }, {{0, 3011, 0}}, 1,
         state_is(LARGE, 7)},
        {"the cask's last portion", CELLAR, {DRINK, WATER}, [] { vessel(LARGE, 9); }, {{ARG, 1366, LARGE}}, 1,
         state_is(LARGE, 2)},
        {"no water", CELLAR, {DRINK}, nullptr, {{STOP, 1559, 0}}, 1, nullptr},
        {"at the sluice", 453, {DRINK, WATER}, nullptr, {{STOP, 3172, 0}}, 1, nullptr},
        {"at the pool stair", 498, {DRINK}, nullptr, {{ARG, 3365, 0}}, 1, nullptr},
    });
    command_at(CELLAR, {DRINK});
    vessel(LARGE, 8);
    value[VAR_RESERVE] = 1700;
    call(p227);
    EXPECT_EQ(value[VAR_RESERVE], 1800);
    EXPECT_EQ(value[LARGE], 9);
}

// The liquids and things that are not drunk, and the vessel named in each
// state. Ale in the jug or the vial is drunk as if it were water.
TEST_F(Drinking, WhatIsNotDrunk) {
    run_cases(p227, {
        {"oil, none about", CELLAR, {DRINK, OIL}, nullptr, {{TYPED, 1319, OIL}}, 1, nullptr},
        {"oil in the jug", CELLAR, {DRINK, OIL}, [] { vessel(MEDIUM, 4); }, {{STOP, 2191, 0}}, 1, nullptr},
        {"the jug of oil", CELLAR, {DRINK, MEDIUM}, [] { vessel(MEDIUM, 4); }, {{STOP, 2191, 0}}, 1,
         state_is(MEDIUM, 4)},
        {"the flask", CELLAR, {DRINK, FLASK}, [] { carry(FLASK); }, {{STOP, 1897, 0}}, 1, nullptr},
        {"the flask, not here", CELLAR, {DRINK, FLASK}, nullptr, {{TYPED, 1319, FLASK}}, 1, nullptr},
        {"ale, none about", CELLAR, {DRINK, ALE}, nullptr, {{TYPED, 1319, ALE}}, 1, nullptr},
        {"ale in the cask", CELLAR, {DRINK, ALE}, [] { vessel(LARGE, 5, false); }, {}, 1, state_is(LARGE, 5), p228},
        {"the full waterskin", CELLAR, {DRINK, WATERSKIN}, [] { vessel(WATERSKIN, 2); }, {}, 1, nullptr, p122},
        {"the empty jug", CELLAR, {DRINK, MEDIUM}, [] { vessel(MEDIUM, 2); }, {{TYPED, 2190, VAR_ARG2}}, 1,
         nullptr},
        {"the stoppered vial", CELLAR, {DRINK, SMALL}, [] { vessel(SMALL, 1, false); }, {{STOP, 2192, 0}}, 1,
         nullptr},
        {"the jug lying here", CELLAR, {DRINK, MEDIUM}, [] { vessel(MEDIUM, 3, false); },
         {{TYPED, 2189, VAR_ARG2}}, 1, state_is(MEDIUM, 3)},
        {"the jug, not here", CELLAR, {DRINK, MEDIUM}, nullptr, LAST_REPLIES, 1, nullptr},
        {"the cask of nectar", CELLAR, {DRINK, LARGE}, [] { vessel(LARGE, 6); }, {{STOP, 1361, 0}}, 1, nullptr},
        {"the cask in its state of its own", CELLAR, {DRINK, LARGE}, [] { vessel(LARGE, 1); }, {{STOP, 1361, 0}}, 1,
         nullptr},
        {"the lamp", CELLAR, {DRINK, LAMP}, [] { carry(LAMP); }, {{STOP, 1315, 0}}, 1, nullptr},
        {"the empty waterskin", CELLAR, {DRINK, WATERSKIN}, [] { carry(WATERSKIN); }, {{TYPED, 1745, WATERSKIN}}, 1,
         nullptr},
        {"ale in the jug", CELLAR, {DRINK, MEDIUM}, [] { vessel(MEDIUM, 5); }, {{ARG, 1366, MEDIUM}}, 1,
         state_is(MEDIUM, 2)},
    });
}

// Tasting goes through drinking and only says how it tastes.
TEST_F(Drinking, Tasting) {
    run_cases(p777, {
        {"water at a source", VALLEY, {TASTE, WATER}, source, {{STOP_ARG, 2282, 0}}, 1, nullptr},
        {"the jug of water", CELLAR, {TASTE, MEDIUM}, [] { vessel(MEDIUM, 3); }, {{STOP_ARG, 2282, 0}}, 1,
         state_is(MEDIUM, 3)},
        {"the honeycake", CELLAR, {TASTE, HONEYCAKE}, [] { carry(HONEYCAKE); }, {{STOP, 2799, 0}}, 1, nullptr},
        {"the bread", CELLAR, {TASTE, BREAD}, [] { here_(BREAD); }, {{STOP, 2798, 0}}, 1, state_is(BREAD, 1)},
        {"nectar in the cask", CELLAR, {TASTE, NECTAR}, [] { vessel(LARGE, 6); }, {{STOP, 1361, 0}}, 1, nullptr},
        {"the cask sticky with it", CELLAR, {TASTE, NECTAR}, [] { vessel(LARGE, 1); }, {{STOP, 1361, 0}}, 1,
         nullptr},
        {"nectar, none", CELLAR, {TASTE, NECTAR}, nullptr, {{TYPED, 1319, VAR_ARG2}}, 1, nullptr},
        {"alone", CELLAR, {TASTE}, nullptr, LAST_REPLIES, 1, nullptr},
        {"a thing not here", CELLAR, {TASTE, BREAD}, nullptr, LAST_REPLIES, 1, nullptr},
    });
}

// Pouring: a bare "pour" takes the vessel of water, else of oil; the
// liquid named finds its vessel; the vessel named is emptied.
TEST_F(Pouring, Pouring) {
    const said pour = {ARG | SAY_ARGVAR, 1370, VAR_RESULT}, from = {ARG | SAY_ARGVAR, 1371, VAR_VESSEL};
    run_cases(p688, {
        {"alone, the jug of water", CELLAR, {POUR}, [] { vessel(MEDIUM, 3); }, {pour, from, {STOP, 1372, 0}}, 1,
         [] { EXPECT_EQ(value[MEDIUM], 2); EXPECT_EQ(arg2(), MEDIUM); EXPECT_EQ(words(), 2); }},
        {"alone, the vial of oil", CELLAR, {POUR}, [] { vessel(SMALL, 4); }, {pour, from, {STOP, 1266, 0}}, 1,
         state_is(SMALL, 2)},
        {"alone, only ale", CELLAR, {POUR}, [] { vessel(MEDIUM, 5); }, {}, 0, state_is(MEDIUM, 5)},
        {"water, none", CELLAR, {POUR, WATER}, nullptr, {{TYPED, 1513, WATER}}, 1, nullptr},
        {"ale from the cask", CELLAR, {POUR, ALE}, [] { vessel(LARGE, 5); }, {{0, 2255, 0}, pour, from, {STOP, 1372, 0}},
         1, state_is(LARGE, 2)},
        {"ale, none", CELLAR, {POUR, ALE}, [] { vessel(MEDIUM, 5); }, {{TYPED, 1513, ALE}}, 1, nullptr},
        {"nectar in the cask", CELLAR, {POUR, NECTAR}, [] { vessel(LARGE, 6); }, {{STOP, 2254, 0}}, 1,
         state_is(LARGE, 6)},
        {"the cask of nectar", CELLAR, {POUR, LARGE}, [] { vessel(LARGE, 6); }, {{STOP, 2254, 0}}, 1,
         state_is(LARGE, 6)},
        {"nectar, no cask", CELLAR, {POUR, NECTAR}, nullptr, {{STOP_ARG, 1513, NECTAR}}, 1, nullptr},
        {"the empty jug", CELLAR, {POUR, MEDIUM}, [] { vessel(MEDIUM, 2); }, {{TYPED, 1745, VAR_ARG2}}, 1, nullptr},
        {"the jug, not here", CELLAR, {POUR, MEDIUM}, nullptr, {{TYPED, 1513, VAR_ARG2}}, 1, nullptr},
        {"the jug lying here", CELLAR, {POUR, MEDIUM}, [] { vessel(MEDIUM, 3, false); },
         {pour, from, {STOP, 1372, 0}}, 1, state_is(MEDIUM, 2)},
        {"the bundle", CELLAR, {POUR, BUNDLE}, [] { carry(BUNDLE); }, {{TYPED, 1714, BUNDLE}}, 1, nullptr},
        {"the bundle, not here", CELLAR, {POUR, BUNDLE}, nullptr, {}, 0, nullptr},
        {"the lamp", CELLAR, {POUR, LAMP}, [] { carry(LAMP); }, {{STOP, 1376, 0}}, 1, nullptr},
        {"alone, nothing", CELLAR, {POUR}, nullptr, {}, 0, nullptr},
    });
}

// A bare "fill" fills the first empty vessel in hand, names the one lying
// here, and otherwise leaves the command to the last replies.
TEST_F(Filling, ABareFill) {
    const said hold = {ARG | SAY_ARGVAR, 2242, MEDIUM};
    run_cases(p308, {
        {"the jug at a source", VALLEY, {FILL}, [] { source(); vessel(MEDIUM, 2); vessel(SMALL, 2); },
         {hold, {STOP_ARG, 2243, 3}}, 1, [] { EXPECT_EQ(value[MEDIUM], 3); EXPECT_EQ(value[SMALL], 2); }},
        {"the jug lying here", VALLEY, {FILL}, [] { source(); vessel(MEDIUM, 2, false); },
         {{TYPED, 2787, VAR_VESSEL}}, 1, state_is(MEDIUM, 2)},
        {"no empty vessel", VALLEY, {FILL}, [] { source(); vessel(MEDIUM, 3); }, {}, 0, nullptr},
        {"the creeper hall", CREEPER_HALL, {FILL}, [] { vessel(MEDIUM, 2); }, {{STOP, 2849, 0}}, 1, nullptr},
        {"the ring walk", 547, {FILL}, [] { vessel(MEDIUM, 2); }, {{STOP, 1365, 0}}, 1, nullptr},
    });
    command_at(VALLEY, {FILL});
    EXPECT_EQ(p308(), 1);  // every part ran
}

// The vessels, one pattern: water at a source, oil at the seep (not the
// cask), refused elsewhere; a full vessel says so.
TEST_F(Filling, TheVessels) {
    auto held = [](int v) { return said{ARG | SAY_ARGVAR, 2242, v}; };
    run_cases(p308, {
        {"the vial, oil", OIL_SEEP, {FILL, SMALL}, [] { vessel(SMALL, 2); }, {held(SMALL), {STOP_ARG, 2243, 4}}, 1,
         state_is(SMALL, 4)},
        {"the cask, oil", OIL_SEEP, {FILL, LARGE}, [] { vessel(LARGE, 2); }, {{STOP, 2245, 0}}, 1,
         state_is(LARGE, 2)},
        {"the cask part used", VALLEY, {FILL, LARGE}, [] { source(); vessel(LARGE, 8); },
         {held(LARGE), {STOP_ARG, 2243, 3}}, 1, state_is(LARGE, 3)},
        {"the cask sticky, rinsed first", VALLEY, {FILL, LARGE}, [] { source(); vessel(LARGE, 1); },
         {{0, 2259, 0}, {0, 1266, 0}, held(LARGE), {STOP_ARG, 2243, 3}}, 1, state_is(LARGE, 3)},
        {"the cask sticky at the cottage", COTTAGE, {FILL, LARGE}, [] { source(); vessel(LARGE, 1); },
         {{STOP, 2258, 0}}, 1, state_is(LARGE, 1)},
        {"the jug full", VALLEY, {FILL, MEDIUM}, [] { source(); vessel(MEDIUM, 3); },
         {held(MEDIUM), {TYPED, 2244, MEDIUM}}, 1, state_is(MEDIUM, 3)},
        {"the vial stoppered", VALLEY, {FILL, SMALL}, [] { source(); vessel(SMALL, 1); }, {{STOP, 1842, 0}}, 1,
         nullptr},
        {"the vial where it is dangerous", CELLAR, {FILL, SMALL},
         [] { bitmod('s', CELLAR, PFLAG_HAZARD); vessel(SMALL, 2); }, {{STOP, 1369, 0}}, 1, nullptr},
        {"the jug, no water", CELLAR, {FILL, MEDIUM}, [] { vessel(MEDIUM, 2); }, {{TYPED, 1401, MEDIUM}}, 1, nullptr},
        {"the jug lying here", VALLEY, {FILL, MEDIUM}, [] { source(); vessel(MEDIUM, 2, false); },
         {{STOP_ARG, 3463, MEDIUM}}, 1, state_is(MEDIUM, 2)},
        {"the jug, not here", VALLEY, {FILL, MEDIUM}, source, {{STOP_ARG, 1513, MEDIUM}}, 1, nullptr},
        {"the sieve at a source", VALLEY, {FILL, SIEVE}, [] { source(); carry(SIEVE); }, {{STOP, 2015, 0}}, 1,
         nullptr},
        {"the sieve elsewhere", CELLAR, {FILL, SIEVE}, [] { carry(SIEVE); }, {{TYPED, 1401, SIEVE}}, 1, nullptr},
        {"the lamp", CELLAR, {FILL, LAMP}, [] { carry(LAMP); }, {{STOP, 1402, 0}}, 1, nullptr},
    });
}

// The urn breaks where there is water or oil to fill it with.
TEST_F(Filling, TheUrn) {
    run_cases(p308, {
        {"at a source, in hand", VALLEY, {FILL, URN}, [] { source(); carry(URN); value[VAR_CARRIED_COUNT] = 3; },
         {{STOP, 1434, 0}}, 1,
         [] {
             EXPECT_EQ(getloc(URN), PLACE_GONE);
             EXPECT_EQ(getloc(SHARDS), VALLEY);
             EXPECT_EQ(value[VAR_CARRIED_COUNT], 2);
         }},
        {"at the seep, lying here", OIL_SEEP, {FILL, URN}, [] { here_(URN); }, {{STOP, 1434, 0}}, 1,
         [] { EXPECT_EQ(getloc(SHARDS), OIL_SEEP); }},
        {"elsewhere", CELLAR, {FILL, URN}, [] { carry(URN); }, {{STOP, 1433, 0}}, 1,
         [] { EXPECT_EQ(getloc(URN), PLACE_CARRIED); }},
    });
}

// The waterskin: from a source while carried (not at the crossways); a
// portion from the cask; the jug's water spilt; the cask's ale asks first.
TEST_F(Filling, TheWaterskin) {
    run_cases(p308, {
        {"carried at a source", VALLEY, {FILL, WATERSKIN}, [] { source(); carry(WATERSKIN); },
         {{STOP_ARG, 1744, 0}}, 1, state_is(WATERSKIN, 2)},
        {"at the crossways", 495, {FILL, WATERSKIN}, [] { source(); carry(WATERSKIN); },
         {{TYPED, 1743, WATERSKIN}}, 1, state_is(WATERSKIN, 0)},
        {"lying at a source, the cask in hand", VALLEY, {FILL, WATERSKIN},
         [] { source(); here_(WATERSKIN); vessel(LARGE, 8); }, {{STOP_ARG, 1744, 1}}, 1,
         [] { EXPECT_EQ(value[LARGE], 9); EXPECT_EQ(value[WATERSKIN], 2); }},
        {"lying at a source, no vessel", VALLEY, {FILL, WATERSKIN}, [] { source(); here_(WATERSKIN); },
         {{TYPED, 3463, WATERSKIN}}, 1, nullptr},
        {"the cask's last portion", CELLAR, {FILL, WATERSKIN}, [] { carry(WATERSKIN); vessel(LARGE, 9); },
         {{STOP_ARG, 1744, 1}}, 1, state_is(LARGE, 2)},
        {"the jug's water", CELLAR, {FILL, WATERSKIN}, [] { carry(WATERSKIN); vessel(MEDIUM, 3); },
         {{TYPED, 3460, VAR_VESSEL}}, 1,
         [] { EXPECT_EQ(value[MEDIUM], 2); EXPECT_EQ(value[WATERSKIN], 0); EXPECT_TRUE(bitest(CELLAR, WET)); }},
        {"the cask's ale", CELLAR, {FILL, WATERSKIN}, [] { carry(WATERSKIN); vessel(LARGE, 5); },
         {{STOP, 3461, 0}}, 1, [] { EXPECT_EQ(value[VAR_QUESTION], Q_WORD_796); }},
        {"the creeper hall", CREEPER_HALL, {FILL, WATERSKIN}, [] { carry(WATERSKIN); }, {{STOP, 2849, 0}}, 1,
         nullptr},
        {"nothing to fill it with", CELLAR, {FILL, WATERSKIN}, [] { carry(WATERSKIN); },
         {{TYPED, 1401, WATERSKIN}}, 1, nullptr},
        {"not here", CELLAR, {FILL, WATERSKIN}, nullptr, {{STOP_ARG, 1513, WATERSKIN}}, 1, nullptr},
    });
}

void listener(int obj) {
    here_(obj);
    flag(obj, OFLAG_ADDRESSABLE);
}

// Giving: the liquid and its vessel by the command's words, then whoever
// here answers when spoken to (the last of them by number) replies.
TEST_F(Giving, ToWhoeverIsHere) {
    const said the_listener = {ARG | SAY_ARGVAR, 2036, 1153}, no_notice = {TYPED, 2353, VAR_ARG2};
    run_cases(p384, {
        {"drink, nothing to give", CELLAR, {GIVE, DRINK}, nullptr, {{STOP_ARG, 1513, DRINK}}, 1, nullptr},
        {"water, nobody here", CELLAR, {GIVE, WATER}, [] { vessel(MEDIUM, 3); }, {{STOP, 2352, 0}}, 1,
         [] { EXPECT_EQ(arg2(), MEDIUM); }},
        {"water, none", CELLAR, {GIVE, WATER}, [] { listener(SENTINEL); }, {{TYPED, 1513, WATER}}, 1, nullptr},
        {"ale from the cask, the sentinel", CELLAR, {GIVE, ALE}, [] { vessel(LARGE, 5); listener(SENTINEL); },
         {the_listener, no_notice}, 1, [] { EXPECT_EQ(arg2(), LARGE); EXPECT_EQ(value[1153], SENTINEL); }},
        {"ale, none", CELLAR, {GIVE, ALE}, [] { vessel(LARGE, 3); listener(SENTINEL); }, {{TYPED, 1513, ALE}}, 1,
         nullptr},
        {"two here: the keeper answers", CELLAR, {GIVE, DRINK},
         [] { vessel(MEDIUM, 3); listener(SENTINEL); listener(KEEPER); }, {{STOP_ARG, 2340, 1}}, 1,
         [] { EXPECT_EQ(value[1153], KEEPER); }},
        {"the wraith", CELLAR, {GIVE, LAMP}, [] { carry(LAMP); listener(WRAITH); }, {{STOP_ARG, 2340, 0}}, 1,
         nullptr},
        {"the lizard, the firefly", CELLAR, {GIVE, FIREFLY}, [] { carry(FIREFLY); listener(LIZARD); },
         {{STOP, 1397, 0}}, 1, [] { EXPECT_EQ(getloc(FIREFLY), PLACE_GONE); }},
        {"the lizard, the lamp", CELLAR, {GIVE, LAMP}, [] { carry(LAMP); listener(LIZARD); },
         {{TYPED, 1398, LIZARD}}, 1, nullptr},
        {"a thing not in hand", CELLAR, {GIVE, LAMP}, [] { here_(LAMP); listener(SENTINEL); },
         {{TYPED, 1513, VAR_ARG2}}, 1, nullptr},
        {"alone", CELLAR, {GIVE}, [] { listener(SENTINEL); }, {}, 0, nullptr},
        {"a word, not a thing", CELLAR, {GIVE, 1006}, [] { listener(SENTINEL); }, {{TYPED, 1513, VAR_ARG2}}, 1,
         nullptr},
        {"one who has no reply", CELLAR, {GIVE, LAMP}, [] { carry(LAMP); listener(73); }, {}, 0, nullptr},
        {"thanks", CELLAR, {GIVE, 1043}, nullptr, {{STOP_ARG, 3470, 0}}, 1, nullptr},
        {"water to the imp", CELLAR, {GIVE, WATER}, [] { vessel(MEDIUM, 3); listener(IMP); }, {}, 1, nullptr, p883},
        {"the bait to the firefly", CELLAR, {GIVE, 138}, [] { carry(138); here_(FIREFLY); }, {}, 1, nullptr, p305},
        {"the bread to the griffin", CELLAR, {GIVE, BREAD}, [] { carry(BREAD); here_(85); }, {}, 1, nullptr, p306},
        {"thanks to the imp", CELLAR, {GIVE, 1043}, [] { here_(IMP); }, {{STOP_ARG, 3470, 1}}, 1, nullptr},
        {"nectar from the cask", CELLAR, {GIVE, NECTAR}, [] { vessel(LARGE, 6); }, {{STOP, 2352, 0}}, 1, nullptr},
        {"nectar, no cask", CELLAR, {GIVE, NECTAR}, nullptr, {{STOP_ARG, 1513, NECTAR}}, 1, nullptr},
        {"the cask to the giant", 199, {GIVE, LARGE}, [] { here_(GIANT); }, {}, 1,
         [] { EXPECT_TRUE(bitest(GIANT, 15)); }, +[] { return p383(num(1)); }},
    });
    // "Give up" is quitting.
    command_at(CELLAR, {GIVE, WORD_UP});
    record<WORD_QUIT>();
    call(p384);
    EXPECT_EQ(handed_to, std::vector<int>{WORD_QUIT});
}

}  // namespace
