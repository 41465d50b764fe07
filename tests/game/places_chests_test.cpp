// The rooms under the grate: the drain passage, the underside of the
// grate, the chest room and its imp, the timekeeper's room and the
// hourglass, the closet, the bend, the recess and the crossways. Their
// exits and rows, through the real command reader and dispatch up to the
// place procedure.
#include "places.h"

namespace {

using namespace game_test;

using exit_map = std::map<int, int>;

class Chests : public GameTest {
protected:
    void expect_exits(int here, const std::function<void()> &setup, const exit_map &alone, const exit_map &with_go) {
        EXPECT_EQ(exits(here, setup, false), alone) << "at " << here << ", one word";
        EXPECT_EQ(exits(here, setup, true), with_go) << "at " << here << ", after GO";
    }
};

TEST_F(Chests, ExitTables) {
    const exit_map drain = {{755, 489}, {749, 489}, {897, 489}, {754, 453}, {758, 453}, {893, 453}, {453, 453}};
    expect_exits(488, nullptr, drain, drain);
    const exit_map grate = {{745, 488}, {897, 488}, {898, 488}, {308, 488},
                            {758, 545}, {754, 545}, {848, 545}, {545, 545}};
    expect_exits(489, nullptr, grate, grate);
    // (The turn cycle reads "staircase" as the steps.)
    const exit_map chest_room = {{754, 262}, {758, 262}, {171, 262}, {7, 262}};
    expect_exits(490, nullptr, chest_room, chest_room);
    const exit_map timekeeper = {{755, 262}, {171, 262}, {7, 262},   {745, 492},  {749, 467},
                                 {966, 467}, {1054, 467}, {757, 467}, {751, 495}, {495, 495}};
    expect_exits(491, nullptr, timekeeper, timekeeper);
    const exit_map closet = {{749, 491}, {745, 493}, {492, 493}, {750, 495}, {495, 495}};
    expect_exits(492, nullptr, closet, closet);
    const exit_map bend = {{749, 492}, {758, 492}, {492, 492}, {745, 494}, {757, 494}, {897, 494}};
    expect_exits(493, nullptr, bend, bend);
    const exit_map recess = {{749, 493}, {758, 492}};
    expect_exits(494, nullptr, recess, recess);
    const exit_map crossways = {{747, 491}, {746, 492}, {745, 461}, {755, 461}, {7, 461}, {171, 461}, {751, 452}};
    expect_exits(495, nullptr, crossways, crossways);
}

TEST_F(Chests, DrainPassageAndGrateRows) {
    check_place(488, {
        {nullptr, line({WORD_LOOK, 893}), 488, {{STOP, 2479, 0}}},
        {nullptr, line({WORD_LOOK, 897}), 488, {}, 0},
        {nullptr, line({848, 754}), 453, {{0, 2070, 0}}},
        {nullptr, line({848, 893}), 453, {{0, 2070, 0}}},
        {nullptr, line({848, 745}), 488, {}, 0},
    });
    fresh_world(488);
    at_place(line({WORD_LOOK, 308}));
    EXPECT_EQ(value[VAR_COMMAND_STATUS], 1);
    check_place(489, {
        {nullptr, line({WORD_LOOK, 975}), 489, {{STOP, 3132, 0}}},
        {nullptr, line({WORD_LOOK, 936}), 489, {{STOP, 3133, 0}}},
        {nullptr, line({WORD_LOOK, 898}), 489, {{STOP_ARG, 2903, 897}}, 1, 1},
        {nullptr, line({WORD_OPEN, 917}), 489, {{STOP, 1425, 0}}},
        {nullptr, line({848, 917}), 489, {{STOP, 1425, 0}}},
        {nullptr, line({848, 936}), 545, {{0, 1707, 0}}},
    });
}

// --- The chest room ---------------------------------------------------------------

const std::function<void()> chest_open = state_of(4, 1);
std::function<void()> imp(int state) {
    return [state] {
        set_location(5, 490);
        value[5] = state;
    };
}
const std::function<void()> figurine = [] { carry(96); };

TEST_F(Chests, ChestRoomRows) {
    auto open_runs = [] { procs[WORD_OPEN] = word_ran<WORD_OPEN>; };
    check_place(490, {
        {chest_open, line({WORD_TAKE, 925}), 490, {{STOP, 2331, 0}}},
        {nullptr, line({WORD_TAKE, 925}), 490, {}, 0},
        {nullptr, line({WORD_LOOK, 757}), 490, {{TYPED, 1714, 4}}},
        {nullptr, line({WORD_LOOK, 928}), 490, {{TYPED, 1714, 4}}},
        {nullptr, line({WORD_LOOK, 754}), 490, {{STOP_ARG, 2019, 17}}},
        {nullptr, line({WORD_LOOK, 926}), 490, {{STOP, 2332, 0}}},
        {open_runs, line({797, 926}), 490, {ran(WORD_OPEN)}, 0},
        {nullptr, line({WORD_TAKE, 912}), 490, {{STOP_ARG, 2037, 912}}},
        {nullptr, line({WORD_LOOK, 992}), 490, {{STOP, 2929, 0}}},
        {nullptr, line({WORD_LOOK, 7}), 490, {{STOP_ARG, 2933, 1}}},
        {nullptr, line({WORD_LOOK, 89}), 490, {{TYPED, 2380, 89}}},
        {nullptr, line({848, 171}), 262, {}},
        {nullptr, line({848, 7}), 262, {}},
    });
    // Looking into the open chest is looking at it; so is "pinion".
    for (int word : {757, 928}) {
        fresh_world(490);
        chest_open();
        outcome o = at_place(line({WORD_LOOK, word}));
        EXPECT_EQ(o.loop, 0) << word;
        EXPECT_EQ(value[VAR_ARG2], 4) << word;
    }
    // The lid is the chest for the word procedures.
    fresh_world(490);
    at_place(line({WORD_TAKE, 926}));
    EXPECT_EQ(value[VAR_ARG2], 4);
}

TEST_F(Chests, TheImpAndTheFigurine) {
    check_place(490, {
        {both(imp(0), figurine), line({781, 96}), 490, {{STOP, 2349, 0}}},
        {both(imp(2), figurine), line({781, 96}), 490, {{STOP, 2350, 0}}},
        {both(imp(0), figurine), line({WORD_LOOK, 96}), 490, {}, 0},
        {both(imp(0), figurine), line({WORD_DROP, 96}), 490, {{0, 3423, 0}}},
        {both(imp(0), figurine), line({805, 96}), 490, {{0, 1266, 0}, {STOP, 2663, 0}}},
        // The figurine lying here is not put down again.
        {imp(0), line({WORD_DROP, 96}), 490, {}, 0},
        // Without light the imp does not see it.
        {both(imp(0), both(figurine, [] { light(false); })), line({781, 96}), 490, {}, 0},
    });
    fresh_world(490);
    imp(0)();
    figurine();
    value[VAR_CARRIED_COUNT] = 3;
    at_place(line({WORD_DROP, 96}));
    EXPECT_EQ(location[96], 490);
    EXPECT_EQ(value[VAR_CARRIED_COUNT], 2);
    fresh_world(490);
    imp(0)();
    set_location(96, 490);
    value[VAR_CARRIED_COUNT] = 3;
    at_place(line({WORD_DROP, 96}));
    EXPECT_EQ(value[VAR_CARRIED_COUNT], 3);
    // Once waved, the figurine is a thing the imp has seen: named again it
    // is only marked, but offered it is left to the give word.
    fresh_world(490);
    imp(0)();
    figurine();
    at_place(line({781, 96}));
    EXPECT_TRUE(bitest(VAR_GAME_FLAGS_3, 9));
    for (auto [word, marked] : {std::pair{793, true}, {805, false}}) {
        fresh_world(490);
        imp(0)();
        figurine();
        bitmod('s', VAR_GAME_FLAGS_3, 9);
        outcome o = at_place(line({word, 96}));
        EXPECT_EQ(o.loop, 0) << word;
        EXPECT_EQ(bool(bitest(evar(VAR_QUESTION), VFLAG_QUESTION_REPLIED)), marked) << word;
    }
    // Going, the merry imp hands over the torch, once.
    fresh_world(490);
    imp(1)();
    outcome o = at_place(line({754}));
    EXPECT_EQ(o.place, 490);
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP_ARG, 2347, 1}}));
    EXPECT_EQ(location[145], 490);
    o = at_place(line({754}));
    EXPECT_EQ(o.place, 262);
}

// --- The timekeeper's room ---------------------------------------------------------

const std::function<void()> hourglass_here = [] {
    set_location(163, 491);
    bitmod('s', 163, OFLAG_SEEN);
    value[163] = 1;
};

TEST_F(Chests, TheHourglass) {
    const std::vector<said> detail = {{SAY_DETAIL, 163, 0}};
    check_place(491, {
        // Named for the first time, it comes out of the empty frame.
        {nullptr, line({WORD_TAKE, 163}), 491, {{0, 3367, 0}, {STOP, 2053, 0}}},
        {nullptr, line({WORD_TAKE, 915}), 491, {{0, 3367, 0}, {STOP, 2053, 0}}},
        {nullptr, line({WORD_LOOK, 163}), 491, {{0, 3367, 0}, {SAY_DETAIL, 163, 0}}},
        {nullptr, line({WORD_LOOK, 966}), 491, detail},
        {nullptr, line({WORD_LOOK, 961}), 491, detail},
        {hourglass_here, line({WORD_LOOK, 163}), 491, detail},
        {hourglass_here, line({798, 163}), 491, {{STOP_ARG, 3356, 798}}},
        {hourglass_here, line({783, 163}), 491, {{STOP, 3366, 0}}},
        {both(hourglass_here, [] { carry(125); }), line({784, 163}), 491, {{STOP_ARG, 3354, 125}}},
        {both(hourglass_here, [] {
             carry(125);
             carry(54);
         }),
         line({783, 163}), 491, {{STOP_ARG, 3354, 54}}},
        {hourglass_here, line({WORD_LOOK, 966}), 491, {{STOP, 3091, 0}}},
        {hourglass_here, line({WORD_LOOK, 1054}), 491, {{STOP, 3091, 0}}},
        {nullptr, line({WORD_LOOK, 1054}), 491, {}, 0},
        {both(hourglass_here, [] { carry(54); }), line({781, 54}), 491, {{TYPED, 2626, VAR_ARG2}}},
        // Slime and the pinion while the sand runs; once it has run out,
        // they are what the player makes of the hourglass.
        {state_of(163, 5), line({929}), 491, {{TYPED, 1319, 1157}}, 1, 1},
        {state_of(163, 5), line({928}), 491, {}, 0},
        {nullptr, line({929}), 491, detail},
        {nullptr, line({WORD_LOOK, 171}), 491, {{STOP, 2748, 0}}, 1, 1},
        {nullptr, line({WORD_LOOK, 902}), 491, {{STOP_ARG, 2902, 897}}, 1, 1},
        // The running sand is only heard, and does not bring the hourglass
        // out; once the hourglass stands here, the sand is its own.
        {nullptr, line({WORD_LOOK, WORD_SAND}), 491, {{STOP_ARG, 3529, 2}}},
        {hourglass_here, line({WORD_LOOK, WORD_SAND}), 491, detail},
    });
    fresh_world(491);
    at_place(line({WORD_LOOK, WORD_SAND}));
    EXPECT_NE(location[163], 491);
    // The reveal: here, seen, at rest, and the room told so.
    fresh_world(491);
    at_place(line({WORD_LOOK, 163}));
    EXPECT_EQ(location[163], 491);
    EXPECT_TRUE(bitest(163, OFLAG_SEEN));
    EXPECT_EQ(value[163], 1);
    EXPECT_EQ(value[491], 1);
    // The word slime, as typed alone, is what the reply names.
    fresh_world(491);
    value[163] = 5;
    at_place(line({929}));
    EXPECT_EQ(value[1157], 929);
    EXPECT_EQ(*bitword(1157), ref_mark);
    // The fruit, when it is about, is the word procedures' to answer; away,
    // it is the hourglass.
    fresh_world(491);
    set_location(141, 491);
    outcome o = at_place(line({WORD_TAKE, 141}));
    EXPECT_EQ(o.loop, 0);
    EXPECT_EQ(value[VAR_ARG2], 141);
    fresh_world(491);
    o = at_place(line({WORD_TAKE, 141}));
    EXPECT_EQ(o.texts, (std::vector<said>{{0, 3367, 0}, {STOP, 2053, 0}}));
    // What is thrown from here goes down to the ladder hall.
    fresh_world(491);
    at_place(line({WORD_TAKE, 936}));
    EXPECT_EQ(value[VAR_LANDING_PLACE], 262);
    EXPECT_EQ(value[VAR_LANDING_TEXT], 1669);
}

// --- The closet, the bend, the recess and the crossways -------------------------------

TEST_F(Chests, SmallRoomsRows) {
    for (int room : {492, 493}) {
        fresh_world(room);
        outcome o = at_place(line({WORD_LOOK, 492}));
        EXPECT_EQ(o.loop, 0);
        EXPECT_EQ(value[VAR_COMMAND_STATUS], 1);
    }
    check_place(493, {{nullptr, line({WORD_LOOK, 897}), 493, {{STOP_ARG, 2903, 897}}, 1, 1}});
    check_place(494, {
        {nullptr, line({798}), 494, {{STOP, 2285, 0}}},
        {nullptr, line({WORD_LOOK, 1028}), 494, {{STOP, 2285, 0}}},
        {nullptr, line({WORD_TAKE, 134}), 494, {{TYPED, 1885, 134}}},
        {nullptr, line({WORD_LOOK, 913}), 494, {{STOP_ARG, 2969, 913}}},
        {nullptr, line({494}), 494, {{STOP, 1425, 0}}},
    });
    // The pinion is the feather while it lies as it was found.
    for (int state : {0, 1}) {
        fresh_world(494);
        value[149] = state;
        at_place(line({WORD_TAKE, 928}));
        EXPECT_EQ(value[VAR_ARG2], state == 0 ? 149 : 928) << state;
    }
}

TEST_F(Chests, CrosswaysRows) {
    auto carrying_in = [](int obj, int state) {
        return [obj, state] {
            carry(obj);
            value[obj] = state;
        };
    };
    auto outlet_found = [] { value[1735] = 1; };
    check_place(495, {
        {nullptr, line({WORD_LOOK, 893}), 495, {{STOP, 3436, 0}}},
        {nullptr, line({757, 893}), 495, {{STOP, 3436, 0}}},
        {nullptr, line({WORD_TAKE, 893}), 495, {{STOP, 1403, 0}}, 1, 1},
        {nullptr, line({WORD_LOOK, OBJ_LIQUID_1}), 495, {{STOP, 2605, 0}}},
        {nullptr, line({WORD_LOOK, 913}), 495, {{TYPED, 2037, VAR_ARG2}}},
        {nullptr, line({WORD_LOOK, 1054}), 495, {{STOP, 3119, 0}}},
        {nullptr, line({WORD_LOOK, 936}), 495, {{STOP, 3118, 0}}},
        {nullptr, line({WORD_GO, 103}), 495, {}, 0},
        {outlet_found, line({WORD_GO, 103}), 495, {{STOP, 3436, 0}}},
        // Too shallow to fill the waterskin or the cask.
        {carrying_in(84, 2), line({WORD_FILL_VESSEL, 84}), 495, {{TYPED, 1743, VAR_ARG2}}},
        {carrying_in(84, 1), line({WORD_FILL_VESSEL, 84}), 495, {}, 0},
        {carrying_in(136, 2), line({WORD_TAKE, OBJ_LIQUID_1}), 495, {{TYPED, 1743, 136}}},
        {carrying_in(84, 0), line({WORD_TAKE, OBJ_LIQUID_1}), 495, {{TYPED, 1743, 84}}},
        {both(carrying_in(84, 0), carrying_in(119, 2)), line({WORD_TAKE, OBJ_LIQUID_1}), 495, {}, 0},
    });
    // Looking into the hole finds the outlet.
    fresh_world(495);
    at_place(line({WORD_LOOK, 893}));
    EXPECT_EQ(value[1735], 1);
}

// The stairwell under the grate is answered by a closer look.
TEST_F(Chests, NamedFeaturesAnswerALook) {
    const std::vector<feature_reply> cases = {
        {489, "examine stairwell", {STOP, 3132, 0}},
    };
    expect_replies(cases);
}

}  // namespace
