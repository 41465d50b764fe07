// The hazards of every turn: the prowler's attack and its arithmetic, the
// fumes, thirst, the giant's hold at the sluice and its capture, and the
// darkness report.
#include <algorithm>
#include <functional>
#include <vector>

#include "draws.h"
#include "harness.h"

namespace {

using namespace game_test;
using texts = std::vector<said>;

int stop_flag;
int dark_report() { return p852(num(stop_flag)); }

class Hazards : public GameTest {
protected:
    void prowler_here(int state) {
        fresh_world(300);
        set_location(OBJ_ATTACKER, 300);
        value[OBJ_ATTACKER] = state;
        value[VAR_CARRY_LIMIT] = 8;
        value[VAR_ATTACK_ESCAPE_CHANCE] = 50;
    }
};

// The number of blows is irand(state + 2) - 1; nothing happens without one
// or in the dark, and a state below -1 leaves nothing to draw from.
TEST_F(Hazards, ProwlersAttackNeedsABlow) {
    struct {
        int state;
        bool dark;
        long draws;
    } cases[] = {{3, true, 0}, {-2, false, 0}, {-5, false, 0}, {0, false, 1}, {-1, false, 1}};
    for (const auto &c : cases) {
        prowler_here(c.state);
        if (c.dark) light(false);
        const outcome o = call(p245);
        EXPECT_TRUE(o.texts.empty()) << c.state;
        EXPECT_EQ(o.draws, c.draws) << c.state;
        EXPECT_EQ(value[VAR_ATTACK_ESCAPE_CHANCE], 50) << c.state;
    }
}

// Two blows, 8 free places, no mark: the escape chance becomes
// (50 + 40 + 35) / 2 = 62, and the roll against it decides.
TEST_F(Hazards, ProwlersAttackArithmetic) {
    for (bool escapes : {true, false}) {
        prowler_here(2);
        rseed = seed_where({4, 100}, [escapes](const std::vector<int> &d) { return d[0] == 3 && (d[1] < 62) == escapes; });
        const outcome o = call(p245);
        EXPECT_EQ(value[VAR_ATTACK_ESCAPE_CHANCE], 62);
        EXPECT_EQ(first(o.texts, 2), (texts{{SAY_ARG, 1286, 2}, {SAY_ARG, escapes ? 1287 : 1288, 2}}));
    }
    // The mark of flag 14 costs 20 points of escape; a full pack costs 40.
    prowler_here(2);
    bitmod('s', OBJ_ATTACKER, 14);
    value[VAR_CARRIED_COUNT] = 8;
    rseed = seed_where({4}, [](const std::vector<int> &d) { return d[0] == 3; });
    call(p245);
    EXPECT_EQ(value[VAR_ATTACK_ESCAPE_CHANCE], (50 - 20 + 35) / 2);

    // The glowing jewel in the hand turns the blows aside four times in five.
    prowler_here(2);
    carry(67);
    value[67] = 2;
    rseed = seed_where({4, 5}, [](const std::vector<int> &d) { return d[0] == 3 && d[1] == 2; });
    const outcome o = call(p245);
    EXPECT_EQ(o.texts, (texts{{SAY_ARG, 1286, 2}, {SAY_ARG | SAY_REFVAR, VAR_PROMPT_TEXT, 2}}));
    EXPECT_EQ(value[VAR_PROMPT_TEXT], 1290);
}

// The fumes: one level up each turn, two down on a 40 % roll (from 0 that
// gives 1), and the end at 7 (8 at the vents), down at the fall's foot.
TEST_F(Hazards, FumesLevel) {
    struct {
        int level, place;
        bool roll;
        int after, where;
    } cases[] = {
        {1, 505, true, 0, 505}, {0, 505, true, 1, 505}, {3, 505, false, 4, 505},
        {6, 505, false, 7, 502}, {6, 503, false, 8, 502},
    };
    for (const auto &c : cases) {
        fresh_world(c.place);
        value[VAR_HAZARD_LEVEL] = c.level;
        rseed = seed_where({100}, [&c](const std::vector<int> &d) { return (d[0] < 40) == c.roll; });
        const outcome o = call(p690);
        EXPECT_EQ(value[VAR_HAZARD_LEVEL], c.after) << c.level << " at " << c.place;
        EXPECT_EQ(o.place, c.where);
        EXPECT_EQ(first(o.texts, 2), (texts{{0, 1266, 0}, {SAY_ARG | SAY_ARGVAR, 1708, VAR_HAZARD_LEVEL}}));
    }
}

// Thirst: the reserve drains each turn, faster on the sands and with a
// load once thirst is felt; the warnings, the last reserve, the end.
TEST_F(Hazards, ReserveDrains) {
    struct {
        const char *what;
        int reserve, water_state, place;
        bool heavy;
        int after, water_after;
        texts said;
    } cases[] = {
        {"an ordinary turn", 500, 0, 300, false, 496, 0, {}},
        {"on the sands", 500, 0, 600, false, 492, 0, {}},
        {"a heavy turn, 3 carried", 500, 0, 300, true, 490, 0, {}},
        {"the first warning", 142, 0, 300, false, 138, 1, {{SAY_ARG | SAY_ARGVAR, 1820, VAR_CARRIED_COUNT}}},
        {"the last reserve", 42, 1, 300, false, 10, 2, {{0, 1821, 0}}},
        {"the last reserve running out", 2, 2, 300, false, 1, 2, {{0, 1821, 0}}},
        {"the end (the death then gives a new reserve)", 1, 2, 300, false, -1, -1, {{0, 1822, 0}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        fresh_world(c.place);
        value[VAR_RESERVE] = c.reserve;
        value[OBJ_LIQUID_1] = c.water_state;
        value[VAR_CARRIED_COUNT] = 3;
        if (c.heavy) bitmod('s', OBJ_LIQUID_1, 13);
        const outcome o = call(p835);
        if (c.after >= 0) {
            EXPECT_EQ(value[VAR_RESERVE], c.after);
            EXPECT_EQ(value[OBJ_LIQUID_1], c.water_after);
        }
        EXPECT_EQ(first(o.texts, 1), c.said);
        EXPECT_FALSE(bitest(OBJ_LIQUID_1, 13));
    }
}

// The giant's hold at the sluice: once its count is out, the player gets
// away each turn with a chance of 10 x (9 + count) percent, at least 10.
TEST_F(Hazards, SluiceEscapeChance) {
    for (int count : {0, -3, -8, -20}) {
        const int chance = 10 * std::max(1, 9 + count);
        for (bool held : {true, false}) {
            fresh_world(453);
            value[194] = 1;
            value[1244] = count;
            value[1245] = -1;
            rseed = seed_where({100}, [&](const std::vector<int> &d) { return (d[0] < chance) == held; });
            const outcome o = call(p243);
            EXPECT_EQ(first(o.texts, 1), (texts{{0, held ? 1792 : 1793, 0}})) << count;
            EXPECT_EQ(o.place, held ? 453 : 452) << count;
        }
    }
    // The outlet, found as its own count runs out.
    fresh_world(453);
    value[194] = 1;
    value[1244] = 3;
    value[1245] = 1;
    EXPECT_EQ(call(p243).texts, (texts{{0, 1736, 0}}));
    EXPECT_TRUE(is_seen(103));
    EXPECT_EQ(value[1245], -1);
}

// The giant seizes the player: everything but the lamp and lit things is
// shaken out; with bread near, the bread is the price and the player lands
// at the crossways (one fewer counted).
TEST_F(Hazards, GiantCapture) {
    for (bool bread : {false, true}) {
        fresh_world(452);
        set_location(194, 452);
        for (int obj : {47, 48, OBJ_LIGHT_SOURCE}) carry(obj);
        if (bread) carry(118);
        rseed = seed_where({100}, [](const std::vector<int> &d) { return d[0] >= 4; });
        const outcome o = call(+[] { return p383(num(0)); });
        const int k = 2;  // the bread, if carried, is counted and then taken off
        EXPECT_EQ(o.texts, (texts{{SAY_ARG, 1786, k}, {0, bread ? 1789 : 1790, 0}}));
        EXPECT_EQ(o.place, bread ? 495 : 453);
        EXPECT_EQ(location[47], 452);
        EXPECT_EQ(location[OBJ_LIGHT_SOURCE], PLACE_CARRIED);
        EXPECT_EQ(value[194], bread ? 0 : 1);
        if (!bread) {
            EXPECT_GE(value[1244], 5);
            EXPECT_LE(value[1244], 8);
        } else {
            EXPECT_EQ(location[118], PLACE_OFFSTAGE);
        }
    }
}

TEST_F(Hazards, DarknessReport) {
    struct {
        int place;
        said report;
    } cases[] = {
        {629, {SAY_ARG, 3355, 0}}, {495, {SAY_ARG, 3355, 1}}, {286, {SAY_ARG, 3355, 2}},
        {334, {SAY_ARG, 3355, 2}}, {425, {SAY_ARG, 3355, 3}}, {300, {0, 1313, 0}},
    };
    for (const auto &c : cases) {
        for (int stop : {0, 1}) {
            fresh_world(c.place);
            stop_flag = stop;
            const outcome o = call(dark_report);
            EXPECT_EQ(o.texts, (texts{c.report})) << c.place;
            EXPECT_EQ(o.loop, stop) << c.place;
        }
    }
}

}  // namespace
