// The rune door, the galleries behind it, the rope, the threshold and the
// long corridor: every place's ways out, the door that opens only to Keln
// speech, the first step into the corridor, the deaths, the look rows and
// where a thrown thing lands, through the real command reader and dispatch
// up to the place procedure.
#include "place_sweeps.h"

namespace {

using namespace game_test;

class RuneDoor : public PlacesTest {};

// The texts of a death in phase 3 after the place's own text.
std::vector<said> dies_with(said first) { return {first, {0, 1266, 0}, {STOP, 1379, 0}}; }

// A typed line as the player types it while speaking Keln: every letter one
// step on, which the reader turns back.
std::string keln(std::string typed) {
    for (char &c : typed)
        if (c >= 'a' && c <= 'z') c = c == 'z' ? 'a' : char(c + 1);
    return typed;
}

auto open_door(bool keln_speech) {
    return [keln_speech] {
        value[575] = 1;
        value[VAR_DWARVISH] = keln_speech ? 1 : 0;
    };
}
auto way_back_open(bool keln_speech) {
    return [keln_speech] {
        value[576] = 1;
        value[VAR_DWARVISH] = keln_speech ? 1 : 0;
    };
}
void corridor_seen() { bitmod('s', 642, PFLAG_VISITED); }

const exit_map NOTHING;

TEST_F(RuneDoor, WaysOut) {
    const exit_map fork = {{745, 578}, {755, 576}, {748, 576}, {754, 579}, {751, 579}};
    const exit_map bend = {{745, 581}, {308, 581}, {754, 582}, {750, 582}, {755, 579}, {746, 579}};
    exit_map fork_from_door = fork, fork_from_split = fork, bend_from_chute = bend;
    for (int w : {898, 897, 308}) {
        fork_from_door[w] = 579;
        fork_from_split[w] = 576;
    }
    for (int w : {898, 897}) bend_from_chute[w] = 579;
    const exit_map door = {{748, 574}, {758, 574}};
    const exit_map beyond = {{752, 577}, {754, 577}, {898, 577}, {897, 577}, {576, 577}};
    const exit_map dead = {{758, 577}, {750, 577}, {308, 577}, {898, 577}, {897, 577}};
    const exit_map split = {{747, 577}, {750, 580}, {754, 580}, {755, 639}, {745, 639}};
    const exit_map cell = {{758, 580}, {898, 580}, {897, 580}, {308, 580}, {748, 580}};
    const exit_map chute = {{758, 556}, {755, 556}, {749, 556}, {902, 556}, {1001, 556}, {922, 556}, {900, 556},
                            {538, 556}, {480, 556}, {746, 580}, {898, 580}, {897, 580}, {308, 580}, {757, 580},
                            {576, 580}};
    const exit_map rope_top = {{755, 640}, {848, 640}, {893, 640}, {981, 640}, {902, 640},
                               {750, 579}, {897, 579}, {898, 579}, {308, 579}};
    const exit_map rope_foot = {{754, 639}, {848, 639}, {981, 639}, {893, 639}, {902, 639},
                                {747, 641}, {898, 641}, {897, 641}, {308, 641}};
    const exit_map threshold = {{751, 640}, {898, 640}, {897, 640}, {308, 640}, {762, PLACE_GONE}};
    exit_map threshold_seen = threshold;
    for (int w : {747, 641, 1010}) threshold_seen[w] = 642;
    check_sweeps({
        {575, nullptr, door, door},
        {576, nullptr, beyond, beyond},
        {577, came_from(576), fork_from_door, fork_from_door},
        {577, came_from(579), fork_from_split, fork_from_split},
        {578, nullptr, dead, dead},
        {579, nullptr, split, split},
        {580, came_from(582), bend_from_chute, bend_from_chute},
        {581, nullptr, cell, cell},
        {582, nullptr, chute, chute},
        {639, nullptr, rope_top, rope_top},
        {640, nullptr, rope_foot, rope_foot},
        {641, nullptr, threshold, threshold},
        {641, corridor_seen, threshold_seen, threshold_seen},
    });
}

TEST_F(RuneDoor, CorridorWaysOut) {
    for (int place = 642; place <= 650; place++) {
        exit_map want = {{747, place == 650 ? 451 : place + 1}, {751, place - 1}, {762, PLACE_GONE}};
        if (place == 647) want[750] = 651;
        EXPECT_EQ(exits(place, nullptr, false), want) << place;
        EXPECT_EQ(exits(place, nullptr, true), want) << place;
    }
}

// The door opens only to a command in Keln; in plain speech it shuts at the
// first step through it, and so does the way back at the first word said
// behind it.
TEST_F(RuneDoor, TheDoorAndKelnSpeech) {
    const std::vector<said> shuts = {{0, 1266, 0}, {0, 2500, 0}};
    check_place(575, {
        {nullptr, line({757}), 575, {{STOP_ARG, 2503, 752}}, 1, 1},
        {nullptr, line({752}), 575, {{STOP_ARG, 2503, 752}}, 1, 1},
        {open_door(false), line({757}), 575, shuts},
        {open_door(false), line({748}), 574, {}},
        {open_door(true), keln(line({757})), 576, {}},
        {open_door(true), keln(line({WORD_GO, 308})), 576, {}},
        // A movement word that leads nowhere still opens the way back.
        {open_door(true), keln(line({747})), 575, {}, 0},
    });
    for (bool keln_speech : {false, true}) {
        fresh_world(575);
        open_door(keln_speech)();
        bitmod('s', 575, PFLAG_HINT_AVAILABLE);
        at_place(keln_speech ? keln(line({747})) : line({747}));
        EXPECT_EQ(value[575], keln_speech ? 1 : 0);
        EXPECT_EQ(value[576], keln_speech ? 1 : 0);
        EXPECT_EQ(bitest(575, PFLAG_HINT_AVAILABLE), keln_speech ? 0 : 1);
    }
    check_place(576, {
        {nullptr, line({758}), 576, {{STOP_ARG, 2503, 752}}, 1, 1},
        {way_back_open(true), keln(line({758})), 575, {}},
        {way_back_open(false), line({WORD_LOOK, 74}), 576, {{STOP, 1880, 0}}},
        {way_back_open(true), keln(line({WORD_LOOK, 74})), 576, {{STOP, 1880, 0}}},
        // Behind a shut door there is nothing to read.
        {nullptr, line({WORD_LOOK, 74}), 576, {{TYPED, 1319, VAR_ARG2}}, 1, 1},
    });
    // Behind the door, whatever is said in plain speech shuts it (and its
    // light goes out); the lettering's word is marked first.
    for (const std::string &typed : {line({758}), line({WORD_LOOK, 936}), line({74})}) {
        fresh_world(576);
        way_back_open(false)();
        outcome o = at_place(typed);
        EXPECT_NE(std::find(o.texts.begin(), o.texts.end(), said{0, 2500, 0}), o.texts.end()) << typed;
        EXPECT_EQ(o.place, 576) << typed;
        EXPECT_EQ(o.loop, 1) << typed;
        EXPECT_EQ(value[576], 0) << typed;
        EXPECT_EQ(bitest(VAR_QUESTION, VFLAG_QUESTION_REPLIED), typed == line({74}) ? 1 : 0) << typed;
    }
}

// "Door" is the slab at both sides of it; the slab reads 1 behind the door
// while the way back is shut.
TEST_F(RuneDoor, DoorWordIsTheSlab) {
    struct slab_case {
        int place;
        std::function<void()> setup;
        int slab_state;
    };
    for (const slab_case &c : {slab_case{575, nullptr, 0}, {576, nullptr, 1}, {576, way_back_open(true), 0}}) {
        fresh_world(c.place);
        if (c.setup) c.setup();
        value[19] = 7;
        const std::string typed = line({WORD_LOOK, 8});
        at_place(c.setup ? keln(typed) : typed);
        EXPECT_EQ(value[VAR_ARG2], 19) << c.place;
        EXPECT_EQ(value[19], c.slab_state) << c.place;
    }
    check_place(576, {{nullptr, line({798, 8}), 576, {{TYPED, 1560, 8}}}});
}

TEST_F(RuneDoor, DoorLooks) {
    check_place(575, {
        {nullptr, line({798}), 575, {{STOP, 1880, 0}}},
        {nullptr, line({798, 129}), 575, {{STOP, 1880, 0}}},
        {nullptr, line({WORD_LOOK, 74}), 575, {{STOP, 1880, 0}}},
        {nullptr, line({WORD_LOOK, 936}), 575, {{STOP, 3378, 0}}},
        {nullptr, line({WORD_LOOK, 575}), 575, {{STOP_ARG, 2490, 1}}},
        {nullptr, line({WORD_LOOK, 937}), 575, {{STOP_ARG, 2490, 1}}},
        {nullptr, line({WORD_LOOK, 206}), 575, {{TYPED, 1849, 206}}},
        {nullptr, line({WORD_TAKE, 206}), 575, {{TYPED, 1849, 206}}},
        {nullptr, line({WORD_LOOK, 376}), 575, {{STOP, 2996, 0}}},
        // The way through is seen only while the door is open.
        {nullptr, line({WORD_LOOK, 897}), 575, {}, 0},
        {open_door(false), line({WORD_LOOK, 897}), 575, {{STOP, 2981, 0}}},
    });
    check_place(576, {{nullptr, line({WORD_LOOK, 898}), 576, {{STOP_ARG, 2903, 898}}, 1, 1}});
}

TEST_F(RuneDoor, GalleryRows) {
    check_place(577, {
        {nullptr, line({309}), 577, {{STOP, 1425, 0}}},
        {nullptr, line({WORD_LOOK, 897}), 577, {{STOP_ARG, 2902, 897}}, 1, 1},
        // Neither end of the passage is where the player came from.
        {nullptr, line({897}), 577, {{STOP, 1297, 0}}},
    });
    check_place(578, {
        {nullptr, line({WORD_LOOK, 1026}), 578, {{STOP, 3050, 0}}},
        {nullptr, line({WORD_LOOK, 897}), 578, {{STOP_ARG, 2903, 898}}, 1, 1},
    });
    check_place(579, {{nullptr, line({WORD_LOOK, 308}), 579, {{STOP_ARG, 2902, 898}}, 1, 1}});
    check_place(581, {
        {nullptr, line({WORD_LOOK, 137}), 581, {{STOP, 2538, 0}}},
        {nullptr, line({848, 268}), 581, {{STOP, 1541, 0}}},
        {nullptr, line({WORD_LOOK, 1015}), 581, {{STOP, 3052, 0}}},
        {nullptr, line({WORD_TAKE, 137}), 581, {}, 0},
    });
    check_place(582, {
        {nullptr, line({WORD_LOOK, 922}), 582, {{STOP, 3042, 0}}},
        {nullptr, line({WORD_LOOK, 900}), 582, {{STOP, 3043, 0}}},
        {nullptr, line({WORD_LOOK, 480}), 582, {{STOP, 3044, 0}}},
        {nullptr, line({758, 900}), 556, {{0, 2539, 0}}},
    });
    // A look naming the crossroads or the chamber is the place's own
    // description; a look at the idol is marked at the carved cell.
    for (auto [place, word] : {std::pair{577, 309}, {579, 309}, {580, 309}, {581, 300}}) {
        fresh_world(place);
        outcome o = at_place(line({WORD_LOOK, word}));
        EXPECT_EQ(o.loop, 0) << place;
        EXPECT_EQ(value[VAR_COMMAND_STATUS], 1) << place;
    }
    fresh_world(581);
    at_place(line({WORD_TAKE, 137}));
    EXPECT_TRUE(bitest(VAR_QUESTION, VFLAG_QUESTION_REPLIED));
}

// The rope top's value is the side the player came from; it picks the
// variant of its description.
TEST_F(RuneDoor, TheRope) {
    for (auto [from, typed, value_after] :
         {std::tuple{579, line({755}), 0}, {640, line({754}), 1}, {640, line({848, 981}), 1}}) {
        fresh_world(from);
        value[639] = 1 - value_after;
        outcome o = at_place(typed);
        EXPECT_EQ(o.place, 639) << from << typed;
        EXPECT_EQ(value[639], value_after) << from << typed;
    }
    check_place(639, {
        {nullptr, line({848, 755}), 640, {{0, 2537, 0}}},
        // The walls' scratches answer before the look rows.
        {nullptr, line({WORD_LOOK, 936}), 639, {{STOP, 2653, 0}}},
        {nullptr, line({798}), 639, {{STOP, 2653, 0}}},
        {nullptr, line({792, 74}), 639, {{STOP, 1329, 0}}},
        {nullptr, line({WORD_LOOK, 981}), 639, {{STOP_ARG, 2478, 0}}},
        {nullptr, line({WORD_LOOK, 308}), 639, {{TYPED, 2903, 308}}, 1, 1},
        {nullptr, line({WORD_LOOK, 1067}), 639, {{STOP_ARG, 3051, 1067}}},
    });
    check_place(640, {
        {nullptr, line({WORD_LOOK, WORD_UP}), 640, {{STOP, 2479, 0}}},
        {nullptr, line({WORD_LOOK, 1067}), 640, {{TYPED, 3051, VAR_ARG2}}},
        {nullptr, line({WORD_LOOK, 936}), 640, {{STOP_ARG, 3051, 1067}}},
    });
    // "Use the rope" is climbing it.
    fresh_world(639);
    at_place(line({852, 1067}));
    EXPECT_EQ(value[VAR_ARG1], 848);
}

// The first step into the corridor asks first, until the corridor has been
// seen; an accepting answer takes it.
TEST_F(RuneDoor, Threshold) {
    check_place(641, {
        {nullptr, line({747}), 641, {{STOP, 2554, 0}}},
        {corridor_seen, line({641}), 642, {{0, 2426, 0}}},
        {nullptr, line({762}), PLACE_GONE, dies_with({ARG, 2447, 0}), 1, 1},
        {nullptr, line({762, 755}), PLACE_GONE, dies_with({ARG, 2447, 0}), 1, 1},
        {nullptr, line({WORD_LOOK, WORD_UP}), 641, {{STOP_ARG, 2019, 19}}},
        {nullptr, line({WORD_LOOK, 936}), 641, {{STOP, 3429, 0}}},
        {nullptr, line({WORD_LOOK, 1010}), 641, {{STOP, 3053, 0}}},
        {nullptr, line({WORD_LOOK, 451}), 641, {{STOP, 3054, 0}}},
    });
    fresh_world(641);
    at_place(line({1010}));
    EXPECT_EQ(value[VAR_QUESTION], Q_PLACE_641);
    EXPECT_EQ(read("").place, 642);
}

TEST_F(RuneDoor, CorridorRows) {
    check_place(642, {
        {nullptr, line({WORD_LOOK, 936}), 642, {{STOP, 3429, 0}}},
        {nullptr, line({WORD_LOOK, 1070}), 642, {{STOP, 3039, 0}}},
        {nullptr, line({WORD_LOOK, 641}), 642, {{STOP, 3034, 0}}},
        {nullptr, line({641}), 642, {{STOP, 1403, 0}}, 1, 1},
        {nullptr, line({762}), PLACE_GONE, dies_with({ARG, 2447, 0}), 1, 1},
    });
    check_place(645, {
        {nullptr, line({WORD_LOOK, 1068}), 645, {{STOP, 3033, 0}}},
        {nullptr, line({WORD_TAKE, 1069}), 645, {{STOP, 3035, 0}}},
        {nullptr, line({WORD_LOOK, 1069}), 645, {{STOP, 3036, 0}}},
    });
    // Every stretch shows its tiles; only some have columns.
    check_place(643, {
        {nullptr, line({WORD_LOOK, 1068}), 643, {{STOP, 3033, 0}}},
        {nullptr, line({WORD_LOOK, 1069}), 643, {}, 0},
    });
    check_place(649, {
        {nullptr, line({WORD_LOOK, WORD_UP}), 649, {{TYPED, 2593, 376}}},
        {nullptr, line({WORD_LOOK, 16}), 649, {{STOP, 3041, 0}}},
        {nullptr, line({762}), PLACE_GONE, dies_with({ARG, 2447, 2}), 1, 1},
    });
    check_place(650, {
        {nullptr, line({WORD_LOOK, WORD_UP}), 650, {{STOP_ARG, 2019, 20}}},
        {nullptr, line({WORD_LOOK, 31}), 650, {{STOP, 2046, 0}}},
        {nullptr, line({WORD_LOOK, 899}), 650, {{STOP, 2047, 0}}},
        {nullptr, line({WORD_LOOK, 1022}), 650, {{STOP, 2048, 0}}},
        {nullptr, line({773, 31}), 650, {{STOP, 1446, 0}}},
        {nullptr, line({762, 755}), PLACE_GONE, dies_with({ARG, 2447, 3}), 1, 1},
        // The ravine is answered before a jump into it is a movement.
        {nullptr, line({762, 31}), 650, {}, 0},
    });
    // The first place remembers that it has been seen, for its description.
    fresh_world(642);
    at_place(line({WORD_LOOK}));
    EXPECT_EQ(value[642], 1);
}

// Where a thing thrown or put down lands, left for the word procedures.
TEST_F(RuneDoor, Landings) {
    struct landing {
        int place, land, land_text, drop, drop_text;
    };
    for (const landing &c : {landing{582, 556, 2566, 582, 0}, {641, PLACE_GONE, 2427, 641, 0},
                             {646, PLACE_GONE, 2427, PLACE_GONE, 2428}, {649, PLACE_GONE, 2427, PLACE_GONE, 2428},
                             {650, PLACE_GONE, 2427, PLACE_GONE, 2428}}) {
        fresh_world(c.place);
        carry(OBJ_LIGHT_SOURCE);
        outcome o = at_place(line({793, OBJ_LIGHT_SOURCE}));
        EXPECT_EQ(o.loop, 0) << c.place;
        EXPECT_EQ(value[VAR_LANDING_PLACE], c.land) << c.place;
        EXPECT_EQ(value[VAR_LANDING_TEXT], c.land_text) << c.place;
        EXPECT_EQ(value[VAR_DROP_PLACE], c.drop) << c.place;
        EXPECT_EQ(value[VAR_DROP_TEXT], c.drop_text) << c.place;
    }
}

}  // namespace
