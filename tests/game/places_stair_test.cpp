// The rims of the abyss, the winding stair, the hoard door, the hoard and
// its gallery and ledge, the well head, the timed stair, the gatehouse and
// the yard: their exits, the question before a leap, the doors, the trap
// and the gate, the deaths, and where things let go of land, through the
// real command reader and dispatch up to the place procedure.
#include "draws.h"
#include "places.h"

namespace {

using namespace game_test;

using exit_map = std::map<int, int>;

class Stair : public GameTest {
protected:
    void expect_exits(int here, const std::function<void()> &setup, const exit_map &alone, const exit_map &with_go) {
        EXPECT_EQ(exits(here, setup, false), alone) << "at " << here << ", one word";
        EXPECT_EQ(exits(here, setup, true), with_go) << "at " << here << ", after GO";
    }
    // The landing a command leaves for the word procedures.
    void expect_landing(int here, const std::string &typed, int place, int text) {
        fresh_world(here);
        at_place(typed);
        EXPECT_EQ(value[VAR_LANDING_PLACE], place) << here << " " << typed;
        EXPECT_EQ(value[VAR_LANDING_TEXT], text) << here << " " << typed;
    }
};

const std::function<void()> doors_open = state_of(161, 1);
const std::function<void()> trap_open = state_of(162, 1);
const std::function<void()> gate_open = state_of(OBJ_GATE, 1);
const std::function<void()> sand_running = state_of(163, 5);

// A death of these places: its text, then the death procedure's.
std::vector<said> death_by(int text) {
    std::vector<said> v = {{0, text, 0}};
    v.insert(v.end(), plain_death.begin(), plain_death.end());
    return v;
}

// --- Exits -------------------------------------------------------------------

TEST_F(Stair, ExitTables) {
    const exit_map west_rim = {{747, 466}, {763, 466}, {466, 466}, {751, 515},
                               {745, 515}, {749, 515}, {752, 515}, {750, 515}};
    exit_map west_rim_alone = west_rim;
    west_rim_alone[762] = PLACE_GONE;  // a leap alone is a death
    expect_exits(465, nullptr, west_rim_alone, west_rim);
    const exit_map rim = {{751, 465}, {763, 465}, {466, 465}, {749, 298}, {748, 298}, {747, 298}, {298, 298}};
    exit_map rim_alone = rim;
    rim_alone[762] = PLACE_GONE;
    expect_exits(466, nullptr, rim_alone, rim);

    // (The turn cycle reads "staircase" as the steps.)
    const exit_map bottom = {{745, 491}, {758, 491}, {966, 491}, {1054, 491}, {754, 468},
                             {848, 468}, {7, 468},   {171, 468}, {1052, 468}};
    expect_exits(467, nullptr, bottom, bottom);
    exit_map bottom_heading = bottom;
    for (int w : {754, 848, 7, 171, 1052}) bottom_heading.erase(w);
    EXPECT_EQ(exits(467, [] { carry(OBJ_HEADING); }, false), bottom_heading);

    // The winding stair: down, up, and the steps on from where the player
    // came.
    const std::map<int, std::pair<int, int>> cells = {{468, {467, 469}}, {469, {468, 470}}, {470, {469, 471}},
                                                     {471, {470, 472}}};
    for (const auto &[cell, ends] : cells) {
        const auto [below, above] = ends;
        const exit_map ways = {{755, below}, {754, above}, {848, above}};
        expect_exits(cell, nullptr, ways, ways);
        exit_map on_up = ways, on_down = ways;
        on_up[7] = on_up[171] = above;
        on_down[7] = on_down[171] = below;
        EXPECT_EQ(exits(cell, came_from(below), false), on_up) << cell;
        EXPECT_EQ(exits(cell, came_from(above), false), on_down) << cell;
    }

    const exit_map door = {{754, 477}, {848, 477}, {755, 471}};
    expect_exits(472, nullptr, door, door);
    exit_map door_open = door;
    door_open[757] = door_open[747] = 473;
    expect_exits(472, doors_open, door_open, door_open);

    // Up the hoard's stair alone, not after GO; out through the doors only
    // while they are open, "go doors" too.
    const exit_map hoard_go = {};
    const exit_map hoard = {{754, 474}, {848, 474}};
    expect_exits(473, nullptr, hoard, hoard_go);
    exit_map hoard_open = hoard, hoard_open_go = hoard_go;
    for (int w : {758, 751, 470}) hoard_open[w] = hoard_open_go[w] = 472;
    hoard_open_go[161] = hoard_open_go[8] = 472;
    expect_exits(473, doors_open, hoard_open, hoard_open_go);

    const exit_map gallery = {{848, 473}, {755, 473}, {751, 476}};
    expect_exits(474, nullptr, gallery, gallery);
    exit_map gallery_open = gallery, gallery_open_go = gallery;
    gallery_open[754] = gallery_open[758] = gallery_open_go[754] = gallery_open_go[758] = 475;
    gallery_open_go[162] = gallery_open_go[8] = 475;
    expect_exits(474, trap_open, gallery_open, gallery_open_go);

    // The well head: down the roots to the thicket, or through the open
    // trap; a leap or a climb alone goes down too.
    expect_exits(475, nullptr, {{848, 486}, {755, 486}, {762, 486}}, {{755, 486}});
    const exit_map well_open = {{848, 486}, {755, 474}, {757, 474}, {162, 474}, {8, 474}, {762, 486}};
    expect_exits(475, trap_open, well_open, {{755, 474}, {757, 474}, {162, 474}, {8, 474}});
    EXPECT_EQ(exits(475, both(trap_open, doors_open), false), well_open);

    const exit_map ledge = {{848, 473}, {755, 473}, {747, 474}};
    expect_exits(476, nullptr, ledge, ledge);

    // The timed stair: the way on only while the sand runs.
    const exit_map timed = {{755, 472}, {7, 472}, {171, 472}};
    expect_exits(477, nullptr, timed, timed);
    const exit_map timed_running = {{755, 472}, {754, 478}, {848, 478}, {7, 478}, {171, 478}};
    expect_exits(477, both(sand_running, came_from(472)), timed_running, timed_running);

    const exit_map gatehouse = {{755, 477}, {7, 477}, {171, 477}};
    expect_exits(478, nullptr, gatehouse, gatehouse);
    exit_map gatehouse_open = gatehouse;
    gatehouse_open[747] = gatehouse_open[757] = 479;
    expect_exits(478, gate_open, gatehouse_open, gatehouse_open);
    expect_exits(479, nullptr, {}, {});
    const exit_map yard_open = {{758, 478}, {751, 478}, {470, 478}};
    expect_exits(479, gate_open, yard_open, yard_open);
}

// --- The rims -------------------------------------------------------------------

TEST_F(Stair, RimRows) {
    for (int rim : {465, 466}) {
        check_place(rim, {
            {nullptr, line({WORD_LOOK, 980}), rim, {{STOP, 2041, 0}}},
            {nullptr, line({WORD_LOOK, 466}), rim, {{STOP, 2950, 0}}},
            {nullptr, line({WORD_LOOK, 899}), rim, {{STOP, 2953, 0}}},
            {nullptr, line({WORD_LOOK, 937}), rim, {{STOP, 1359, 0}}},
            {nullptr, line({762}), PLACE_GONE, death_by(1718), 1, 1},
            {nullptr, line({762, 755}), PLACE_GONE, death_by(1718), 1, 1},
            // Over the edge: asked first.
            {nullptr, line({WORD_GO, 755}), rim, {{STOP, 3225, 0}}},
            {nullptr, line({919}), rim, {{STOP, 3225, 0}}},
            {nullptr, line({202}), rim, {{STOP, 3225, 0}}},
            {nullptr, line({WORD_TAKE, 202}), rim, {}, 0},
        });
        fresh_world(rim);
        at_place(line({980}));
        EXPECT_EQ(value[VAR_QUESTION], Q_PLACES_465_466);
        // The edge is the place's own; the echo a feature.
        fresh_world(rim);
        at_place(line({WORD_TAKE, 980}));
        EXPECT_TRUE(bitest(evar(VAR_QUESTION), VFLAG_QUESTION_REPLIED_2));
        EXPECT_FALSE(bitest(evar(VAR_QUESTION), VFLAG_QUESTION_REPLIED));
        fresh_world(rim);
        at_place(line({WORD_TAKE, 937}));
        EXPECT_TRUE(bitest(evar(VAR_QUESTION), VFLAG_QUESTION_REPLIED));
    }
}

// --- The stair bottom and the winding stair ---------------------------------------

TEST_F(Stair, StairBottomAndWindingStairRows) {
    check_place(467, {
        {nullptr, line({WORD_LOOK, 936}), 467, {{STOP, 3307, 0}}},
        {nullptr, line({WORD_LOOK, 7}), 467, {{STOP, 2748, 0}}, 1, 1},
        {nullptr, line({WORD_LOOK, 966}), 467, {{STOP, 3091, 0}}},
        {nullptr, line({WORD_LOOK, 1052}), 467, {{STOP, 3134, 0}}},
        {[] { carry(OBJ_HEADING); }, line({754}), 467, {{STOP, 2648, 0}}},
        {nullptr, line({7, 754}), 468, {}},
        {nullptr, line({848, 7}), 468, {}},
    });
    check_place(468, {
        // At the foot of the stair, "steps" with any word is a move.
        {came_from(467), line({7, 745}), 469, {}},
        {nullptr, line({WORD_LOOK, 7}), 468, {{STOP, 2748, 0}}, 1, 1},
    });
    check_place(469, {
        {came_from(468), line({7, 745}), 469, {}, 0},
        // The view from the lower loopholes; "look out" is no way out.
        {nullptr, line({WORD_LOOK, WORD_OUT}), 469, {{STOP_ARG, 3142, 0}}},
        {nullptr, line({WORD_LOOK, 298}), 469, {{STOP_ARG, 3142, 0}}},
        {nullptr, line({WORD_GO, 1050}), 469, {{STOP, 2638, 0}}},
        {nullptr, line({WORD_LOOK, 936}), 469, {{STOP, 3307, 0}}},
    });
    check_place(470, {
        {nullptr, line({WORD_LOOK, 470}), 470, {}, 0},
        {nullptr, line({470}), 470, {{STOP, 1425, 0}}},
    });
    check_place(471, {
        {nullptr, line({WORD_LOOK, 197}), 471, {{STOP_ARG, 3142, 1}}},
        {nullptr, line({WORD_GO, 899}), 471, {{STOP, 2638, 0}}},
    });
    fresh_world(470);
    at_place(line({WORD_LOOK, 470}));
    EXPECT_EQ(value[VAR_COMMAND_STATUS], 1);
    // The marks: the steps are a feature, the views the place's own.
    for (auto [cell, word, flag] : {std::tuple{469, 1049, VFLAG_QUESTION_REPLIED_2}, {469, 7, VFLAG_QUESTION_REPLIED},
                                    {471, 891, VFLAG_QUESTION_REPLIED_2}, {470, 470, VFLAG_QUESTION_REPLIED}}) {
        fresh_world(cell);
        at_place(line({WORD_TAKE, word}));
        EXPECT_TRUE(bitest(evar(VAR_QUESTION), flag)) << cell << " " << word;
    }
    // What is thrown bounces down the stair.
    for (auto [cell, place] : {std::pair{468, 467}, {469, 467}, {470, 467}, {471, 470}})
        expect_landing(cell, line({WORD_TAKE, 936}), place, 1669);
}

// --- The hoard door, the hoard, the gallery and the ledge ----------------------------

TEST_F(Stair, HoardDoorRows) {
    auto knock_runs = [] { procs[874] = word_ran<874>; };
    check_place(472, {
        {nullptr, line({798}), 472, {{STOP_ARG, 2103, 129}}},
        {nullptr, line({WORD_LOOK, 7}), 472, {{STOP, 2748, 0}}, 1, 1},
        {nullptr, line({WORD_OPEN, 161}), 472, {{TYPED, 1895, VAR_ARG2}}},
        {nullptr, line({WORD_CLOSE, 8}), 472, {{TYPED, 2506, VAR_ARG2}}},
        {doors_open, line({WORD_CLOSE, 8}), 472, {}, 0},
        {nullptr, line({768, 161}), 472, {{STOP, 2508, 0}}},
        {nullptr, line({WORD_TAKE, 161}), 472, {{STOP, 1403, 0}}, 1, 1},
        {knock_runs, line({874, 161}), 472, {}, 0},
        {nullptr, line({808, 161}), 472, {}, 0},
        {nullptr, line({757}), 472, {{STOP_ARG, 2503, 747}}, 1, 1},
        {doors_open, line({757, 161}), 473, {}},
        {state_of(161, 2), line({747}), 473, {{0, 2645, 0}}},
        {nullptr, line({470}), 472, {{STOP, 1425, 0}}},
    });
    // Passing the doors opens them for good.
    fresh_world(472);
    value[161] = 2;
    at_place(line({747}));
    EXPECT_EQ(value[161], 1);
    EXPECT_EQ(value[472], 1);
    expect_landing(472, line({WORD_TAKE, 936}), 470, 1669);
}

TEST_F(Stair, HoardGalleryAndLedgeRows) {
    check_place(473, {
        {nullptr, line({WORD_LOOK, 897}), 473, {{STOP, 3062, 0}}},
        {nullptr, line({WORD_LOOK, 8}), 473, {{STOP, 3063, 0}}},
        {nullptr, line({WORD_LOOK, 754}), 473, {{STOP_ARG, 2019, 15}}},
        {nullptr, line({WORD_LOOK, 936}), 473, {{STOP, 3064, 0}}},
        {nullptr, line({848, 913}), 476, {{0, 2459, 0}}},
        {nullptr, line({848, 97}), 474, {}},
        {nullptr, line({WORD_TAKE, 913}), 473, {}, 0},
        {nullptr, line({WORD_OUT}), 473, {{STOP_ARG, 2503, 751}}, 1, 1},
        {doors_open, line({WORD_GO, 161}), 472, {}},
    });
    fresh_world(473);
    doors_open();
    value[472] = 0;
    at_place(line({751}));
    EXPECT_EQ(value[472], 1);

    check_place(474, {
        {nullptr, line({WORD_LOOK, 754}), 474, {{STOP_ARG, 2019, 16}}},
        {nullptr, line({WORD_LOOK, 993}), 474, {{STOP, 3073, 0}}},
        {nullptr, line({WORD_LOOK, 936}), 474, {{STOP, 3307, 0}}},
        {nullptr, line({WORD_OUT}), 474, {{STOP, 1882, 0}}},
        {trap_open, line({754}), 475, {{0, 2453, 0}}},
        {nullptr, line({848, 913}), 473, {}},
    });
    // "Door" is the trap here, and shown as the trap.
    fresh_world(474);
    at_place(line({WORD_TAKE, 8}));
    EXPECT_EQ(value[VAR_ARG2], 162);

    check_place(476, {
        {nullptr, line({WORD_TAKE, 8}), 476, {{STOP, 2209, 0}}},
        {nullptr, line({WORD_LOOK, 993}), 476, {{STOP, 3073, 0}}},
        {nullptr, line({WORD_TAKE, 913}), 476, {}, 0},
    });
    // From up there the hoard lies below, not the ground underfoot.
    for (int place : {474, 476})
        check_place(place, {{nullptr, line({WORD_LOOK, WORD_DOWN}), place, {{STOP, 3244, 0}}}});
    // Let go of up there, things fall into the hoard, unless the balcony
    // itself was named.
    for (int place : {474, 476}) {
        fresh_world(place);
        at_place(line({WORD_DROP, 84}));
        EXPECT_EQ(value[VAR_DROP_PLACE], 473) << place;
        EXPECT_EQ(value[VAR_DROP_TEXT], 2540) << place;
        EXPECT_EQ(value[VAR_LANDING_PLACE], 473) << place;
        EXPECT_EQ(value[VAR_LANDING_TEXT], 1674) << place;
    }
    fresh_world(476);
    bitmod('s', 482, PFLAG_HINT_AVAILABLE);
    at_place(line({WORD_DROP, 993}));
    EXPECT_EQ(value[VAR_DROP_PLACE], 476);
    EXPECT_FALSE(bitest(482, PFLAG_HINT_AVAILABLE));
}

// --- The well head --------------------------------------------------------------------

TEST_F(Stair, WellHeadRows) {
    check_place(475, {
        {nullptr, line({WORD_LOOK, 475}), 475, {{STOP, 2532, 0}}},
        {nullptr, line({WORD_LOOK, 755}), 475, {{STOP_ARG, 2647, 0}}},
        {nullptr, line({WORD_LOOK, 484}), 475, {{STOP_ARG, 2647, 1}}},
        {nullptr, line({WORD_LOOK, 973}), 475, {{TYPED, 2431, VAR_ARG2}}},
        {nullptr, line({WORD_LOOK, 1073}), 475, {{TYPED, 2993, VAR_ARG2}}},
        {nullptr, line({WORD_LOOK, 98}), 475, {{TYPED, 2952, VAR_ARG2}}},
        {nullptr, line({WORD_LOOK, 1037}), 475, {{STOP, 3181, 0}}},
        {nullptr, line({WORD_LOOK, 480}), 475, {{STOP, 3183, 0}}},
        // Down the roots into the thicket, unless the trap is open.
        {nullptr, line({848}), 486, {{0, 2515, 0}}},
        {nullptr, line({848, 951}), 486, {{0, 2515, 0}}},
        {nullptr, line({WORD_DOWN}), 486, {{0, 2515, 0}}},
        {came_from(486), line({WORD_BACK}), 486, {{0, 2515, 0}}},
        {trap_open, line({WORD_DOWN}), 474, {{0, 2450, 0}}},
        {trap_open, line({WORD_GO, 8}), 474, {{0, 2450, 0}}},
        {nullptr, line({757}), 475, {{STOP, 1882, 0}}},
        {nullptr, line({WORD_GO, 894}), 475, {{STOP, 2638, 0}}},
        {nullptr, line({WORD_GO, 475}), 475, {{STOP, 1425, 0}}},
        {nullptr, line({727}), 475, {{TYPED, 3392, VAR_ARG1}}},
        {sand_running, line({727}), 475, {}, 0, 3},
        // Too much to carry down the roots.
        {[] {
             carry(47);
             bitmod('s', 47, OFLAG_BLOCKS_PASSAGE);
         },
         line({848}), 475, {{SAY_STOP | SAY_REFVAR, VAR_PROMPT_TEXT, 0}}},
    });
}

TEST_F(Stair, WellHeadDeaths) {
    // Climbing about with the trap open and the doors not shut: both shut,
    // and the player falls into the thicket; the sceptre goes home.
    fresh_world(475);
    trap_open();
    doors_open();
    carry(147);
    outcome o = at_place(line({848}));
    EXPECT_EQ(o.place, 486);
    EXPECT_EQ(o.texts, death_by(3389));
    EXPECT_EQ(value[161], 0);
    EXPECT_EQ(value[162], 0);
    EXPECT_EQ(location[147], PLACE_START);
    EXPECT_EQ(value[VAR_DEATHS], 1);
    // A leap: the funnel is crushed in the fall.
    fresh_world(475);
    carry(148);
    o = at_place(line({762}));
    EXPECT_EQ(o.place, 486);
    EXPECT_EQ(o.texts, death_by(3348));
    EXPECT_EQ(value[148], 2);
    fresh_world(475);
    o = at_place(line({762, 755}));
    EXPECT_EQ(o.texts, death_by(3348));
}

TEST_F(Stair, WellHeadLanding) {
    // Thrown from the well head, a thing lands somewhere in the thicket.
    struct draw_case {
        std::function<bool(const std::vector<int> &)> ok;
        int place;
        long draws;
    };
    const draw_case cases[] = {
        {[](const std::vector<int> &d) { return d[0] < 33 && d[1] >= 5; }, 487, 2},
        {[](const std::vector<int> &d) { return d[0] < 33 && d[1] < 5; }, 484, 2},
        {[](const std::vector<int> &d) { return d[0] >= 33 && d[1] < 50 && d[2] >= 5; }, 485, 3},
        {[](const std::vector<int> &d) { return d[0] >= 33 && d[1] >= 50 && d[2] >= 5; }, 486, 3},
        {[](const std::vector<int> &d) { return d[0] >= 33 && d[1] >= 50 && d[2] < 5; }, 483, 3},
        {[](const std::vector<int> &d) { return d[0] >= 33 && d[1] < 50 && d[2] < 5; }, 482, 3},
    };
    for (const draw_case &c : cases) {
        fresh_world(475);
        rseed = seed_where({100, 100, 100}, c.ok);
        outcome o = at_place(line({WORD_TAKE, 894}));
        EXPECT_EQ(value[VAR_LANDING_PLACE], c.place);
        EXPECT_EQ(value[VAR_LANDING_TEXT], 1668);
        EXPECT_EQ(o.draws, c.draws) << c.place;
        EXPECT_TRUE(bitest(evar(VAR_QUESTION), VFLAG_QUESTION_REPLIED_2));
    }
}

// --- The timed stair, the gatehouse and the yard ----------------------------------------

TEST_F(Stair, TimedStairRows) {
    check_place(477, {
        {nullptr, line({WORD_LOOK, 921}), 477, {{STOP_ARG, 3142, 2}}},
        {nullptr, line({WORD_GO, 950}), 477, {{STOP, 2638, 0}}},
        {both(sand_running, came_from(478)), line({7}), 472, {}},
        {both(sand_running, came_from(472)), line({WORD_GO, 7}), 478, {}},
        // Run out: twice thrown back, the player is asked first.
        {state_of(1720, 2), line({754}), 477, {{STOP, 1721, 0}}},
    });
    fresh_world(477);
    value[1720] = 2;
    at_place(line({754}));
    EXPECT_EQ(value[VAR_QUESTION], Q_PLACE_477);
    fresh_world(477);
    carry(64);
    bitmod('s', 64, OFLAG_SCORING);
    outcome o = at_place(line({848}));
    EXPECT_EQ(o.place, 477);
    EXPECT_EQ(first(o.texts, 1), (std::vector<said>{{0, 1720, 0}}));
    EXPECT_EQ(location[64], PLACE_HOARD);
    EXPECT_EQ(value[VAR_DEATHS], 1);
    // The ticking overhead follows the sand and the doors (the variant as
    // the text's own count allows it).
    auto capped = [](int k) {
        value[2627] = 0;
        set_variant(2627, k);
        return value[2627];
    };
    for (auto [set_up, variant] : {std::pair{sand_running, 2}, {state_of(1720, 0), 0}, {state_of(1720, 1), 1}}) {
        fresh_world(477);
        set_up();
        value[2627] = 3;
        at_place(line({WORD_TAKE, 936}));
        const int got = value[2627];
        EXPECT_EQ(got, capped(variant)) << variant;
    }
    // The description met on arrival, from below or from above, tells the
    // ticking of now, not that of the last command given on the stair.
    for (auto [from, set_up, variant] : {std::tuple{472, sand_running, 2}, {478, sand_running, 2},
                                         {472, state_of(1720, 1), 1}, {478, state_of(1720, 0), 0}}) {
        fresh_world(from);
        set_up();
        value[2627] = 3 - variant;
        outcome arrived = at_place(line({from == 472 ? 754 : 755}));
        EXPECT_EQ(arrived.place, 477) << from;
        const int got = value[2627];
        EXPECT_EQ(got, capped(variant)) << from << " " << variant;
    }
    expect_landing(477, line({WORD_TAKE, 936}), 472, 1669);
}

TEST_F(Stair, GatehouseAndYardRows) {
    check_place(478, {
        {nullptr, line({798}), 478, {{STOP, 2103, 0}}},
        {nullptr, line({WORD_LOOK, 955}), 478, {{STOP, 2616, 0}}},
        {nullptr, line({797, 955}), 478, {{STOP, 2616, 0}}},
        {nullptr, line({785, 955}), 478, {}, 0},
        {nullptr, line({WORD_LOOK, 137}), 478, {{TYPED, 1319, VAR_ARG2}}, 1, 1},
        {gate_open, line({WORD_LOOK, 953}), 478, {{STOP, 3124, 0}}},
        {nullptr, line({WORD_LOOK, 8}), 478, {}, 0},
        {nullptr, line({757}), 478, {{STOP_ARG, 2503, 747}}, 1, 1},
        {gate_open, line({757, OBJ_GATE}), 479, {}},
        {nullptr, line({470}), 478, {{STOP, 1425, 0}}},
    });
    for (int p : {3, 5}) {
        fresh_world(478);
        value[VAR_PHASE] = p;
        value[3301] = 1 - p % 2;
        at_place(line({WORD_LOOK, OBJ_GATE}));
        EXPECT_EQ(value[3301], p == 5 ? 1 : 0);
    }
    // The idol through the open gate is the place's own; otherwise the
    // steps are a feature.
    fresh_world(478);
    gate_open();
    at_place(line({WORD_TAKE, 137}));
    EXPECT_TRUE(bitest(evar(VAR_QUESTION), VFLAG_QUESTION_REPLIED_2));
    fresh_world(478);
    at_place(line({WORD_TAKE, 137}));
    EXPECT_FALSE(bitest(evar(VAR_QUESTION), VFLAG_QUESTION_REPLIED_2));
    expect_landing(478, line({WORD_TAKE, 936}), 472, 1669);

    auto jewel_here = [] { set_location(67, 479); };
    check_place(479, {
        {nullptr, line({WORD_LOOK, 953}), 479, {{STOP, 2610, 0}}},
        {nullptr, line({WORD_LOOK, 67}), 479, {{STOP, 2635, 0}}},
        {nullptr, line({WORD_LOOK, 955}), 479, {{STOP, 2618, 0}}},
        {nullptr, line({WORD_LOOK, 137}), 479, {{STOP, 2617, 0}}},
        {nullptr, line({WORD_LOOK, 920}), 479, {{STOP, 2615, 0}}},
        {nullptr, line({WORD_LOOK, 470}), 479, {{STOP_ARG, 3099, 0}}},
        {gate_open, line({WORD_LOOK, 470}), 479, {{STOP_ARG, 3099, 1}}},
        {nullptr, line({WORD_TAKE, 160}), 479, {{STOP, 3305, 0}}},
        {nullptr, line({WORD_TAKE, 67}), 479, {{STOP, 3306, 0}}},
        {jewel_here, line({WORD_TAKE, 67}), 479, {}, 0},
        {nullptr, line({808, 160}), 479, {{STOP, 2803, 0}}},
        {nullptr, line({WORD_TAKE, 137}), 479, {{TYPED, 1885, VAR_ARG2}}},
        {nullptr, line({808, 955}), 479, {{STOP_ARG, 1885, 955}}},
        {nullptr, line({WORD_OUT}), 479, {{STOP_ARG, 2503, 751}}, 1, 1},
        {gate_open, line({WORD_OUT, 8}), 478, {}},
    });
    // "Use the jewel" is knocking with it; an absent jewel is only marked.
    fresh_world(479);
    jewel_here();
    outcome o = at_place(line({852, 67}));
    EXPECT_EQ(o.loop, 0);
    EXPECT_EQ(value[VAR_ARG1], 874);
    EXPECT_EQ(value[VAR_COMMAND_STATUS], 1);
    fresh_world(479);
    o = at_place(line({781, 67}));
    EXPECT_EQ(o.loop, 0);
    EXPECT_TRUE(bitest(evar(VAR_QUESTION), VFLAG_QUESTION_REPLIED));
    fresh_world(479);
    at_place(line({WORD_LOOK, OBJ_GATE}));
    EXPECT_EQ(value[3301], 1);
}

// What a description names of the place itself is answered there, looked
// at: what the player stands on or in, and the features in view.
TEST_F(Stair, FeaturesTheDescriptionsName) {
    constexpr int ON = 3245;
    expect_looks({
        {476, 999, ON}, {473, 1059, 3513}, {474, 934, 3513}, {475, 935, 2647}, {479, 1136, 2029}, {466, 999, ON}, {475, 981, 1849}, {471, 953, 3142}, {477, 953, 3142},
    });
}

// What the descriptions name farther off, or by another word, answers a
// look typed in full: the cave and the lake seen from the rims, the doors
// above and below the stairs, the gatehouse and the yard, the hoard, its
// gallery and its ledge seen from one another.
TEST_F(Stair, NamedThingsAnswerExamine) {
    expect_replies({
        {465, "examine cave", {STOP_ARG, 3513, 0}},
        {466, "examine lake", {STOP_ARG, 3513, 1}},
        {466, "examine shore", {STOP_ARG, 3513, 1}},
        {471, "examine doors", {STOP_ARG, 3513, 2}},
        {471, "examine slit", {STOP_ARG, 3142, 1}},
        {477, "examine door", {STOP_ARG, 3513, 3}},
        {477, "examine slit", {STOP_ARG, 3142, 2}},
        {478, "examine gatehouse", {STOP_ARG, 3513, 4}},
        {479, "examine gatehouse", {STOP_ARG, 3513, 5}},
        {479, "examine yard", {STOP_ARG, 3513, 6}},
        {473, "examine vault", {STOP_ARG, 3513, 7}},
        {473, "examine gallery", {STOP_ARG, 3513, 8}},
        {473, "examine ledge", {STOP_ARG, 3513, 9}},
        {474, "examine gallery", {STOP_ARG, 3513, 10}},
        {474, "examine hoard", {STOP_ARG, 3513, 11}},
        {476, "examine hoard", {STOP_ARG, 3513, 11}},
        {474, "examine ledge", {STOP_ARG, 3513, 12}},
        {476, "examine gallery", {STOP_ARG, 3513, 13}},
        {476, "examine smoke", {STOP_ARG, 3513, 14}},
        {475, "examine head", {STOP, 2532, 0}},
    });
}

}  // namespace
