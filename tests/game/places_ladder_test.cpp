// The ladder hall and its side places, the antechamber, the sluice, the
// little labyrinth and the web, the stair foot, the brink of the drop and
// the lower ledge: their exits, look rows, the lever, the web, the deaths
// and the landing of what is let go, through the real command reader and
// dispatch up to the place procedure.
#include "draws.h"
#include "places.h"

namespace {

using namespace game_test;

using exit_map = std::map<int, int>;

class Ladder : public GameTest {
protected:
    // Where each word leads from `here`, alone and after GO.
    void expect_exits(int here, const std::function<void()> &setup, const exit_map &alone, const exit_map &with_go) {
        EXPECT_EQ(exits(here, setup, false), alone) << "at " << here << ", one word";
        EXPECT_EQ(exits(here, setup, true), with_go) << "at " << here << ", after GO";
    }
};

const std::function<void()> sluice_open = state_of(453, 1);
std::function<void()> web(int state) { return state_of(89, state); }

// --- Exits -------------------------------------------------------------------

TEST_F(Ladder, ExitTables) {
    const exit_map hall = {{848, 263}, {745, 294}, {751, 264}, {754, 491}, {755, 490}, {893, 490}};
    exit_map hall_go = hall;
    hall_go[78] = 263;  // "go ladder" is climbing it
    expect_exits(262, nullptr, hall, hall_go);
    // The staircase leads on from where the player came.
    exit_map from_above = hall, from_below = hall;
    from_above[171] = from_above[7] = 490;
    from_below[171] = from_below[7] = 491;
    EXPECT_EQ(exits(262, came_from(491), false), from_above);
    EXPECT_EQ(exits(262, came_from(490), false), from_below);

    const exit_map top = {{758, 262}, {848, 262}, {755, 262}};
    expect_exits(263, nullptr, top, top);
    const exit_map side = {{747, 262}, {758, 262}};
    expect_exits(264, nullptr, side, side);

    const exit_map ante = {{745, 453}, {453, 453}, {749, 454}, {673, 454}, {747, 495}, {495, 495}};
    expect_exits(452, nullptr, ante, ante);

    const exit_map sluice = {{758, 452}, {749, 452}, {897, 452}};
    expect_exits(453, nullptr, sluice, sluice);
    expect_exits(453, state_of(453, 2), sluice, sluice);
    exit_map sluice_down = sluice;
    for (int w : {755, 757, 893, 902}) sluice_down[w] = 488;
    expect_exits(453, sluice_open, sluice_down, sluice_down);

    const std::map<int, exit_map> labyrinth = {
        {454, {{495, 495}, {747, 455}, {751, 458}, {754, 459}, {755, 456}, {745, 452}}},
        {455, {{745, 454}, {751, 458}, {749, 456}, {754, 457}}},
        {456, {{745, 455}, {751, 454}, {749, 457}, {754, 458}}},
        {458, {{745, 459}, {747, 454}, {749, 457}, {755, 456}}},
        {459, {{751, 458}, {745, 458}, {747, 454}, {749, 457}, {754, 458}, {755, 455}}},
    };
    for (const auto &[cell, ways] : labyrinth) expect_exits(cell, nullptr, ways, ways);
    const exit_map web_cell = {{745, 455}, {751, 459}, {747, 456}, {754, 458}};
    expect_exits(457, web(0), web_cell, web_cell);
    expect_exits(457, web(1), web_cell, web_cell);
    exit_map web_gone = web_cell;
    for (int w : {749, 757, 893, 902}) web_gone[w] = 516;
    expect_exits(457, web(2), web_gone, web_gone);

    // (The turn cycle reads "staircase" as the steps.)
    const exit_map foot = {{754, 461}, {7, 461}, {171, 461}, {757, 462}, {749, 462}, {902, 462}, {893, 462}};
    expect_exits(460, nullptr, foot, foot);
    const exit_map landing = {{755, 460}, {754, 495}, {752, 284}, {757, 284}, {284, 284}, {895, 284}, {76, 284}};
    expect_exits(461, nullptr, landing, landing);
    expect_exits(462, nullptr, {}, {});
    // Climbing alone leads up; after GO it is a word of its own.
    const exit_map ledge_go = {{754, 464}, {7, 464}, {171, 464}};
    exit_map ledge = ledge_go;
    ledge[848] = 464;
    expect_exits(463, nullptr, ledge, ledge_go);
    const exit_map shaft = {{754, 220}, {755, 463}};
    expect_exits(464, nullptr, shaft, shaft);
    exit_map shaft_from_above = shaft, shaft_from_below = shaft;
    shaft_from_above[7] = shaft_from_above[171] = 463;
    shaft_from_below[7] = shaft_from_below[171] = 220;
    EXPECT_EQ(exits(464, came_from(220), false), shaft_from_above);
    EXPECT_EQ(exits(464, came_from(463), false), shaft_from_below);
}

// --- The ladder hall, the ladder top and the side cell ------------------------

TEST_F(Ladder, LadderHallRows) {
    check_place(262, {
        {nullptr, line({WORD_LOOK, 754}), 262, {{STOP_ARG, 2019, 0}}},
        // Steps are the staircase here, in the look and in the passage.
        {nullptr, line({WORD_LOOK, 7}), 262, {{STOP_ARG, 2933, 0}}},
        {nullptr, line({WORD_LOOK, 1020}), 262, {{STOP_ARG, 2933, 0}}},
        {came_from(490), line({7}), 491, {}},
        {nullptr, line({7}), 262, {{STOP, 1297, 0}}},
        {nullptr, line({WORD_TAKE, 78}), 262, {{STOP_ARG, 2397, 0}}},
        {nullptr, line({808, 78}), 262, {{STOP_ARG, 2397, 1}}},
        // Every way of naming the ladder with up or GO climbs it.
        {nullptr, line({78, 754}), 263, {}},
        {nullptr, line({78, WORD_GO}), 263, {}},
        {nullptr, line({WORD_GO, 78}), 263, {}},
        {nullptr, line({848, 78}), 263, {}},
        {nullptr, line({848, 754}), 263, {}},
        {nullptr, line({WORD_TAKE, 960}), 262, {}, 0},
    });
    // Past the look rows and the ladder's replies, the ladder top is told
    // it was come to from below.
    for (const std::string &typed : {line({WORD_TAKE, 960}), line({745})}) {
        fresh_world(262);
        value[263] = 1;
        at_place(typed);
        EXPECT_EQ(value[263], 0) << typed;
    }
    fresh_world(262);
    value[263] = 1;
    at_place(line({WORD_TAKE, 78}));
    EXPECT_EQ(value[263], 1);
    fresh_world(262);
    at_place(line({WORD_TAKE, 960}));
    EXPECT_TRUE(bitest(evar(VAR_QUESTION), VFLAG_QUESTION_REPLIED));
}

TEST_F(Ladder, LadderTopAndSideCellRows) {
    check_place(263, {
        // Looking at the ladder says its closer look and ends the turn.
        {nullptr, line({WORD_LOOK, 78}), 263, {{SAY_DETAIL | SAY_ARG, 78, 1}}},
        {nullptr, line({WORD_TAKE, 78}), 263, {{STOP_ARG, 2397, 2}}},
        {nullptr, line({WORD_DROP, 78}), 263, {{STOP_ARG, 2397, 2}}},
        {nullptr, line({807, 78}), 263, {{STOP_ARG, 2397, 3}}},
        {nullptr, line({781, 78}), 263, {{STOP_ARG, 2397, 1}}},
        {nullptr, line({WORD_LOOK, 993}), 263, {{STOP, 3446, 0}}},
        {nullptr, line({WORD_LOOK, 376}), 263, {{STOP_ARG, 2019, 0}}},
        {nullptr, line({WORD_LOOK, WORD_DOWN}), 263, {{STOP, 3243, 0}}},
        {nullptr, line({WORD_LOOK, 1105}), 263, {}, 0},
        {nullptr, line({807, 1105}), 263, {{STOP, 1425, 0}}},
    });
    // Looking at the peg is looking about; every command here tells the
    // description it is no longer the arrival.
    fresh_world(263);
    at_place(line({WORD_LOOK, 1105}));
    EXPECT_EQ(value[VAR_COMMAND_STATUS], 1);
    EXPECT_EQ(value[263], 1);
    // What is let go of up here falls to the hall.
    fresh_world(263);
    at_place(line({WORD_DROP, 84}));
    EXPECT_EQ(value[VAR_DROP_PLACE], 262);
    EXPECT_EQ(value[VAR_LANDING_PLACE], 262);
    EXPECT_EQ(value[VAR_DROP_TEXT], 1566);
    EXPECT_EQ(value[VAR_LANDING_TEXT], 1566);
    EXPECT_EQ(value[VAR_DROP_TEXT_MODE], 1);
    EXPECT_EQ(*bitword(VAR_DROP_TEXT), ref_mark);

    check_place(264, {
        {nullptr, line({WORD_LOOK, 754}), 264, {{STOP_ARG, 2019, 1}}},
    });
}

// --- The antechamber and the sluice --------------------------------------------

TEST_F(Ladder, AntechamberRows) {
    check_place(452, {
        {nullptr, line({WORD_LOOK, 914}), 452, {{STOP, 3115, 0}}},
        {nullptr, line({808, 914}), 452, {{STOP, 3116, 0}}},
        {nullptr, line({WORD_TAKE, 914}), 452, {{STOP_ARG, 2037, 914}}},
        {state_of(194, 2), line({WORD_LOOK, 53}), 452, {{STOP, 3440, 0}}},
        {state_of(194, 2), line({WORD_TAKE, 53}), 452, {{STOP, 3440, 0}}},
        {nullptr, line({WORD_LOOK, 53}), 452, {}, 0},
        {nullptr, line({WORD_LOOK, 758}), 452, {{TYPED, 3114, 495}}},
        {nullptr, line({WORD_LOOK, 902}), 452, {{STOP_ARG, 2902, 902}}, 1, 1},
    });
    // In phase 4 a move first wakes the hills, then goes on; a look does
    // not wake them.
    fresh_world(452);
    value[VAR_PHASE] = 4;
    outcome o = at_place(line({745}));
    EXPECT_EQ(o.place, 453);
    EXPECT_EQ(value[VAR_PHASE], 5);
    EXPECT_EQ(first(o.texts, 1), (std::vector<said>{{0, 1420, 0}}));
    fresh_world(452);
    value[VAR_PHASE] = 4;
    at_place(line({WORD_LOOK, 914}));
    EXPECT_EQ(value[VAR_PHASE], 4);
}

TEST_F(Ladder, SluiceRows) {
    check_place(453, {
        {nullptr, line({WORD_LOOK, 77}), 453, {{TYPED, 2115, 453}}},
        {sluice_open, line({WORD_LOOK, 1137}), 453, {{TYPED, 2115, 453}}},
        // While shut, the hole and its lid are seen as the lid.
        {nullptr, line({WORD_LOOK, 893}), 453, {{TYPED, 2115, 453}}},
        {nullptr, line({WORD_LOOK, 926}), 453, {{TYPED, 2115, 453}}},
        {sluice_open, line({WORD_LOOK, 893}), 453, {{STOP_ARG, 3114, 893}}},
        {nullptr, line({WORD_LOOK, 1045}), 453, {{STOP_ARG, 2535, 1045}}, 1, 1},
        {nullptr, line({WORD_LOOK, 898}), 453, {{STOP, 3162, 0}}},
        {nullptr, line({OBJ_LIQUID_1}), 453, {{STOP, 3172, 0}}},
        // Drinking and pouring are left to the word procedures.
        {nullptr, line({WORD_CONSUME_LIQUID, OBJ_LIQUID_1}), 453, {}, 0},
        {nullptr, line({787}), 453, {}, 0},
        {nullptr, line({WORD_GO, 453}), 453, {{STOP, 1425, 0}}},
        // "Climb down the hole" and "climb in" count as moves.
        {sluice_open, line({848, 893}), 488, {}},
        {sluice_open, line({848, 757}), 488, {}},
    });
    // In the dark (where the turn cycle leaves a look to the place),
    // "stone" is the lever too, shown as the lever.
    for (const std::string &typed : {line({WORD_LOOK, 77}), line({WORD_LOOK, 1131})}) {
        fresh_world(453);
        light(false);
        outcome o = call(p241, typed);
        EXPECT_EQ(o.texts, (std::vector<said>{{STOP, 2388, 0}})) << typed;
        EXPECT_EQ(value[VAR_ARG2], 77) << typed;
    }
    // The lever opens the way down and stops the countdown, unless the
    // hills have woken; it says so either way.
    for (int before : {0, 1, 2}) {
        fresh_world(453);
        value[453] = before;
        value[1245] = 3;
        outcome o = at_place(line({807, 1131}));
        EXPECT_EQ(o.texts, (std::vector<said>{{ARG | SAY_ARGVAR, 1706, 453}})) << before;
        EXPECT_EQ(o.loop, 1);
        EXPECT_EQ(value[453], before == 2 ? 2 : 1) << before;
        EXPECT_EQ(value[1245], before == 2 ? 3 : -1) << before;
    }
    // The lever named otherwise is a feature for the last replies.
    fresh_world(453);
    outcome o = at_place(line({WORD_TAKE, 77}));
    EXPECT_EQ(o.loop, 0);
    EXPECT_TRUE(bitest(evar(VAR_QUESTION), VFLAG_QUESTION_REPLIED));
    EXPECT_EQ(value[453], 0);
    // The hole is a feature only while the way down is open.
    for (int state : {0, 1}) {
        fresh_world(453);
        value[453] = state;
        at_place(line({WORD_TAKE, 893}));
        EXPECT_EQ(bool(bitest(evar(VAR_QUESTION), VFLAG_QUESTION_REPLIED)), state == 1);
    }
}

// --- The little labyrinth and the web ------------------------------------------

TEST_F(Ladder, LabyrinthRows) {
    for (int cell : {454, 455, 456, 458, 459}) {
        fresh_world(cell);
        outcome o = at_place(line({WORD_LOOK, 898}));
        EXPECT_EQ(o.texts, (std::vector<said>{{STOP_ARG, 2902, 897}})) << cell;
        // The maze's own name: looked at, a look about; as a way, only the
        // cell by the antechamber answers it.
        fresh_world(cell);
        at_place(line({WORD_LOOK, 673}));
        EXPECT_EQ(value[VAR_COMMAND_STATUS], 1) << cell;
        fresh_world(cell);
        o = at_place(line({673}));
        EXPECT_EQ(o.texts, cell == 454 ? (std::vector<said>{{STOP, 1425, 0}}) : std::vector<said>{}) << cell;
    }
    // 455 east and down, and 458 west and up, lead back to the same cell.
    for (auto [cell, word] : {std::pair{455, 747}, {455, 755}, {458, 751}, {458, 754}}) {
        fresh_world(cell);
        outcome o = at_place(line({word}));
        EXPECT_EQ(o.place, cell);
        EXPECT_EQ(o.loop, 1);
        EXPECT_TRUE(bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_MOVED));
    }
}

TEST_F(Ladder, WebRows) {
    auto axe_stuck = [] {
        value[124] = 2;
        set_location(124, 457);
        bitmod('s', 124, OFLAG_PORTABLE);
    };
    auto spider = [] { set_location(90, 457); };
    check_place(457, {
        {nullptr, line({WORD_LOOK, 1098}), 457, {{STOP, 3437, 0}}},
        // The opening behind the web, named as typed, is not there yet.
        {web(1), line({WORD_LOOK, 893}), 457, {{TYPED, 1319, VAR_ARG2}}, 1, 1},
        {web(0), line({893, WORD_LOOK}), 457, {{TYPED, 1319, VAR_ARG1}}, 1, 1},
        {web(2), line({WORD_LOOK, 902}), 457, {{TYPED, 2754, VAR_ARG2}}},
        {nullptr, line({WORD_LOOK, 897}), 457, {{STOP_ARG, 2902, 897}}, 1, 1},
        // The way on: the spider's web bars it, torn or whole.
        {web(0), line({749}), 457, {{STOP, 1785, 0}}},
        {web(1), line({WORD_GO, 902}), 457, {{STOP, 1811, 0}}},
        {web(2), line({757, 893}), 516, {}},
        {both(spider, [] { carry(124); }), line({793, 124}), 457, {{STOP, 1804, 0}}},
        {nullptr, line({793, 124}), 457, {}, 0},
        {axe_stuck, line({WORD_TAKE, 124}), 457, {{STOP, 1785, 0}}},
        // "Take" alone: the axe is the one thing here to take.
        {axe_stuck, line({WORD_TAKE}), 457, {{STOP, 1785, 0}}},
        {web(1), line({WORD_TAKE, 91}), 457, {{STOP, 1812, 0}}},
        {web(1), line({783, 91}), 457, {{STOP, 1403, 0}}, 1, 1},
        {web(0), line({WORD_TAKE, 91}), 457, {}, 0},
        {nullptr, line({807, 89}), 457, {{STOP, 3439, 0}}},
        {nullptr, line({800, 1098}), 457, {{STOP, 1403, 0}}, 1, 1},
    });
    // The axe thrown at the spider stays here, stuck.
    fresh_world(457);
    spider();
    carry(124);
    at_place(line({793, 124}));
    EXPECT_EQ(location[124], 457);
    EXPECT_EQ(value[124], 2);
    // In the dark the way on kills, whatever the web.
    fresh_world(457);
    web(2)();
    light(false);
    outcome o = at_place(line({749}));
    EXPECT_EQ(first(o.texts, 1), (std::vector<said>{{0, 2091, 0}}));
    EXPECT_EQ(value[VAR_DEATHS], 1);
}

// --- The stair foot, the landing, the brink, the ledge and the shaft -----------

TEST_F(Ladder, StairFootAndLandingRows) {
    check_place(460, {
        // A bare "read" reads the glyphs.
        {nullptr, line({798}), 460, {{STOP_ARG, 1933, 134}}},
        {nullptr, line({WORD_TAKE, 134}), 460, {{TYPED, 1885, VAR_ARG2}}},
        {nullptr, line({WORD_LOOK, 1036}), 460, {{STOP, 3187, 0}}},
        {nullptr, line({800, 1036}), 460, {{STOP, 3186, 0}}},
        {nullptr, line({WORD_LOOK, 268}), 460, {{STOP, 3184, 0}}},
        {nullptr, line({WORD_CLOSE, 268}), 460, {{TYPED, 3185, VAR_ARG1}}},
        {nullptr, line({800, 268}), 460, {{TYPED, 1885, 268}}},
        {nullptr, line({WORD_LOOK, 7}), 460, {{STOP, 2748, 0}}, 1, 1},
        {nullptr, line({WORD_LOOK, 893}), 460, {{STOP_ARG, 2903, 902}}, 1, 1},
        {nullptr, line({WORD_LOOK, 754}), 460, {{STOP_ARG, 2019, 14}}},
        {nullptr, line({902}), 462, {{0, 1704, 0}}},
    });
    // The cistern and the crossway named otherwise are features.
    for (int feature : {1036, 268}) {
        fresh_world(460);
        outcome o = at_place(line({WORD_TAKE, feature}));
        EXPECT_EQ(o.loop, 0);
        EXPECT_TRUE(bitest(evar(VAR_QUESTION), VFLAG_QUESTION_REPLIED));
    }
    check_place(461, {
        {nullptr, line({WORD_LOOK, 895}), 461, {{STOP_ARG, 3097, 895}}},
        {nullptr, line({WORD_LOOK, 76}), 461, {{STOP, 3096, 0}}},
        {nullptr, line({WORD_LOOK, 7}), 461, {{STOP, 2748, 0}}, 1, 1},
    });
}

TEST_F(Ladder, BrinkRows) {
    check_place(462, {
        {nullptr, line({WORD_TAKE, 75}), 462, {{STOP, 1697, 0}}},
        {nullptr, line({WORD_LOOK, 75}), 462, {}, 0},
        {nullptr, line({WORD_LOOK, 171}), 462, {{STOP, 3082, 0}}},
        {nullptr, line({WORD_LOOK, 376}), 462, {{STOP, 3084, 0}}},
        {nullptr, line({WORD_LOOK, 1137}), 462, {{STOP, 3085, 0}}},
        {nullptr, line({WORD_LOOK, 970}), 462, {{STOP, 3086, 0}}},
        {nullptr, line({WORD_LOOK, 268}), 462, {{STOP, 3087, 0}}},
        {nullptr, line({808, 268}), 462, {{TYPED, 2493, 268}}},
        {nullptr, line({807, 268}), 462, {{TYPED, 2492, 268}}},
        // No way off on foot.
        {nullptr, line({7}), 462, {{STOP, 2913, 0}}},
        {nullptr, line({WORD_GO, WORD_OUT}), 462, {{STOP, 2913, 0}}},
        {nullptr, line({WORD_DOWN}), 462, {{STOP, 1838, 0}}},
        {nullptr, line({WORD_DOWN, 80}), 462, {{STOP, 1838, 0}}},
    });
    // What is let go of falls down the drop, except what would not go.
    for (int thing : {84, 47}) {
        fresh_world(462);
        carry(thing);
        if (thing == 47) bitmod('s', thing, OFLAG_BLOCKS_PASSAGE);
        at_place(line({WORD_DROP, thing}));
        const bool falls = thing == 84;
        EXPECT_EQ(value[VAR_LANDING_PLACE], falls ? 502 : 462) << thing;
        EXPECT_EQ(value[VAR_DROP_PLACE], falls ? 502 : 462) << thing;
        EXPECT_EQ(value[VAR_DROP_TEXT], falls ? 2099 : 0) << thing;
        EXPECT_EQ(value[VAR_DROP_TEXT_MODE], falls ? 1 : 0) << thing;
    }
    // A bare "drop" names no thing: the drop still takes what falls.
    fresh_world(462);
    at_place(line({WORD_DROP}));
    EXPECT_EQ(value[VAR_LANDING_PLACE], 502);
}

TEST_F(Ladder, LowerLedgeAndShaftRows) {
    auto orb_on_the_brink = [] { set_location(81, 462); };
    check_place(463, {
        {nullptr, line({848}), 464, {}},
        {nullptr, line({848, 754}), 464, {}},
        {nullptr, line({848, 7}), 464, {}},
        {nullptr, line({WORD_GO, 848}), 463, {{STOP, 2161, 0}}},
        {nullptr, line({848, 80}), 463, {{STOP, 2161, 0}}},
        {orb_on_the_brink, line({WORD_LOOK, 81}), 463, {{STOP, 3198, 0}}},
        {orb_on_the_brink, line({WORD_TAKE, 81}), 463, {{STOP, 1698, 0}}},
        {nullptr, line({WORD_TAKE, 81}), 463, {}, 0},
        {nullptr, line({WORD_TAKE, 75}), 463, {{STOP, 1697, 0}}},
        {nullptr, line({WORD_LOOK, 7}), 463, {{0, 3242, 0}, {STOP, 1266, 0}}},
        {nullptr, line({WORD_LOOK, 80}), 463, {{TYPED, 2952, 80}}},
        {nullptr, line({WORD_LOOK, 268}), 463, {{TYPED, 2951, 268}}},
        {nullptr, line({807, 80}), 463, {{STOP, 2159, 0}}},
        {nullptr, line({WORD_GO, 757}), 463, {{STOP, 2913, 0}}},
    });
    // A thing carried and thrown falls into the drop, and now and then
    // knocks the orb off the brink.
    fresh_world(463);
    carry(84);
    outcome o = at_place(line({793, 84}));
    EXPECT_EQ(location[84], 502);
    EXPECT_EQ(o.loop, 1);
    EXPECT_EQ(o.draws, 1);
    fresh_world(463);
    orb_on_the_brink();
    carry(84);
    rseed = seed_where({100}, [](const std::vector<int> &d) { return d[0] < 10; });
    o = at_place(line({793, 84}));
    EXPECT_EQ(location[81], 502);
    EXPECT_EQ(o.texts.back(), (said{0, 2788, 0}));
    // Not with the prowler by, nor a thing not carried.
    fresh_world(463);
    carry(84);
    carry(OBJ_ATTACKER);
    at_place(line({793, 84}));
    EXPECT_EQ(location[84], PLACE_CARRIED);
    fresh_world(463);
    set_location(84, 463);
    at_place(line({793, 84}));
    EXPECT_EQ(location[84], 463);

    check_place(464, {
        {nullptr, line({WORD_LOOK, 171}), 464, {{0, 3242, 0}, {STOP, 1266, 0}}},
        {nullptr, line({WORD_LOOK, 1083}), 464, {{STOP, 3179, 0}}},
        {nullptr, line({WORD_TAKE, 1083}), 464, {{STOP, 3179, 0}}},
        {nullptr, line({WORD_LOOK, 1023}), 464, {{STOP, 3178, 0}}},
        {nullptr, line({WORD_GO, 981}), 464, {{STOP, 1425, 0}}},
    });
    // Every move here, even one that leads nowhere, sees the orb; a throw
    // sends things down to the ledge.
    for (const std::string &typed : {line({WORD_GO, 751}), line({981})}) {
        fresh_world(464);
        at_place(typed);
        EXPECT_TRUE(bitest(81, OFLAG_SEEN)) << typed;
    }
    fresh_world(464);
    at_place(line({WORD_TAKE, 981}));
    EXPECT_FALSE(bitest(81, OFLAG_SEEN));
    EXPECT_EQ(value[VAR_LANDING_PLACE], 463);
    EXPECT_EQ(value[VAR_LANDING_TEXT], 1669);
}

// What a description names of the place itself is answered there, looked
// at: what the player stands on or in, and the features in view.
TEST_F(Ladder, FeaturesTheDescriptionsName) {
    constexpr int ON = 3245;
    expect_looks({
        {262, 993, 2919}, {262, 1038, 2933}, {453, 926, 2115}, {461, 1052, ON}, {462, 980, 3085},
        {462, 15, 3083}, {462, 981, 3087}, {463, 999, ON}, {463, 981, 1849},
        {462, WORD_DOWN, 2478}, {463, WORD_DOWN, 2478},
    });
}

// What the descriptions name farther off, or by another word, answers a
// look typed in full; the water roaring below the brink is answered only
// while the player has no water of their own at hand.
TEST_F(Ladder, NamedThingsAnswerExamine) {
    expect_replies({
        {452, "examine antechamber", {STOP_ARG, 3514, 0}},
        {452, "examine sluice", {STOP_ARG, 3514, 1}},
        {452, "examine labyrinth", {STOP_ARG, 3514, 2}},
        {453, "examine basin", {STOP_ARG, 3514, 3}},
        {461, "examine crossways", {STOP_ARG, 3514, 4}},
        {461, "examine grotto", {STOP_ARG, 3514, 5}},
        {462, "examine water", {STOP_ARG, 3514, 6}},
        {462, "examine drop", {STOP_ARG, 2478, 1}},
        {463, "examine drop", {STOP_ARG, 2478, 1}},
        {463, "examine brink", {STOP, 3081, 0}},
        {464, "examine stairhead", {STOP_ARG, 3514, 7}},
        {464, "examine ledge", {STOP_ARG, 3514, 8}},
        {464, "examine drop", {STOP_ARG, 3514, 8}},
    });
    fresh_world(462);
    carry(OBJ_LIQUID_1);
    // The player's own water is left to be described as carried.
    for (const said &t : at_place("examine water").texts) EXPECT_NE(t.text, 3514);
}

}  // namespace
