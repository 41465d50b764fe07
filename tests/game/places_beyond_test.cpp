// The places beyond the ravine: the span ledge, the three-way chamber, the
// ring round the hall of glimmers, the changing room, the watcher's passage,
// the steps, the whisper chamber and the precipice, the inscribed arch, the
// turning gallery and its ends, the halls and the fork chamber. Their exits,
// look rows, counters, deaths and the gallery's memory, through the real
// command reader and dispatch up to the place procedure.
#include "place_sweeps.h"

namespace {

using namespace game_test;

class Beyond : public PlacesTest {};

inline const std::vector<said> death_texts = {{0, 1266, 0}, {STOP, 1379, 0}};
std::vector<said> then(std::vector<said> a, const std::vector<said> &b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
std::function<void()> state_of(int entity, int v) {
    return [entity, v] { value[entity] = v; };
}
std::function<void()> also(std::function<void()> a, std::function<void()> b) {
    return [a, b] {
        a();
        b();
    };
}
exit_map with(exit_map m, std::initializer_list<std::pair<const int, int>> more) {
    for (const auto &[w, p] : more) m[w] = p;
    return m;
}
bool marked(int flag) { return bitest(evar(VAR_QUESTION), flag); }

// --- Exits ----------------------------------------------------------------

// Every way out of every place, by its table.
TEST_F(Beyond, ExitTables) {
    const exit_map ledge_on = {{745, 313}, {1053, 313}, {201, 313}, {17, 313}};
    auto across = [&](int to) {
        exit_map m = ledge_on;
        for (int w : {763, 11, 1054, 172, 749}) m[w] = to;
        return m;
    };
    const exit_map approach = {{749, 313}, {758, 313}, {897, 313}, {745, 315}, {746, 315}, {752, 315}, {757, 315}};
    exit_map landing = {{755, 323}, {897, 323}, {902, 323}, {757, 323}};
    for (int w = 745; w <= 752; w++) landing[w] = 315;
    const exit_map shaft = {{745, 322}, {900, 322}, {322, 322}, {754, 316}, {897, 316}, {749, 316}};
    const exit_map basin = {{751, 323}, {758, 323}, {745, 321}, {888, 321}, {321, 321}};
    const exit_map fissure = {{754, 319}, {848, 319}, {321, 319}, {319, 319}, {749, 322}, {888, 322}, {322, 322}};
    const exit_map tapestry = {{755, 321}, {848, 321}, {321, 321}, {749, 320}, {390, 320}, {319, 320}, {752, 318}};
    const exit_map chute = {{749, 314}, {755, 314}, {390, 314}, {745, 319}, {321, 319}, {319, 319}};
    const exit_map changing = {{747, 319}, {902, 319}, {893, 319}, {319, 319}, {757, 319}, {762, PLACE_GONE}};
    const exit_map narrow = {{749, 313}, {745, 325}, {897, 325}, {898, 325}, {308, 325}};
    const exit_map watcher = {{745, 326}, {749, 324}, {897, 324}, {898, 324}, {308, 324}};
    const exit_map head = {{745, 377}, {749, 325}, {755, 327}, {7, 327}, {171, 327}};
    const exit_map upper = {{754, 326}, {755, 328}, {733, 328}, {7, 328}, {171, 328}};
    const exit_map middle = {{754, 327}, {755, 329}, {7, 329}, {171, 329}, {745, 330}, {758, 330},
                             {897, 330}, {308, 330}, {898, 330}};
    const exit_map foot = {{754, 328}, {7, 328}, {171, 328}};
    const exit_map whisper = {{749, 328}, {751, 332}, {747, 331}, {936, 331}};
    const exit_map arch = {{747, 330}, {758, 330}, {749, 335}, {1054, 335}, {757, 335}};
    const exit_map pool = {{758, 335}, {897, 335}, {898, 335}, {747, 335}};
    const exit_map crossing = {{751, 351}, {895, 351}, {757, 352}, {747, 352}, {966, 352}, {1051, 352},
                               {898, 347}, {897, 347}, {308, 347}, {745, 347}};
    const exit_map side = {{752, 313}, {745, 355}};
    const exit_map precipice_death = {{745, 702}, {746, 702}, {747, 702}, {748, 702}, {749, 702}, {750, 702},
                                      {751, 702}, {752, 702}, {755, 702}, {762, 702}, {848, 702}};
    const exit_map precipice = with(precipice_death, {{WORD_MAGIC_TRAVEL_2, 330}, {287, 330}});
    auto onward = [](exit_map m, int to) {
        for (int w : {897, 898, 308}) m[w] = to;
        return m;
    };
    auto seen_650 = [] { bitmod('s', 650, PFLAG_VISITED); };

    check_sweeps({
        {312, also(state_of(31, 2), [] { carry(67); }), across(311), across(311)},
        {312, state_of(31, 2), across(PLACE_GONE), across(PLACE_GONE)},
        {312, state_of(31, 0), ledge_on, ledge_on},
        {314, nullptr, approach, with(approach, {{WORD_ON, 315}})},
        {315, state_of(16, 3), {{747, 316}}, {{747, 316}}},
        {315, state_of(16, 0), {}, {}},  // in light no word leads on
        {316, nullptr, landing, landing},
        {323, nullptr, shaft, shaft},
        {322, nullptr, basin, basin},
        {321, nullptr, fissure, fissure},
        {319, state_of(319, 1), tapestry, tapestry},
        {319, state_of(319, 2), tapestry, with(tapestry, {{WORD_LIGHT, 318}})},
        {320, nullptr, chute, chute},
        {318, nullptr, changing, changing},
        {324, nullptr, narrow, narrow},
        {324, came_from(325), onward(narrow, 313), onward(narrow, 313)},
        {325, state_of(26, 2), watcher, watcher},
        {325, also(state_of(26, 2), came_from(324)), with(watcher, {{WORD_BACK, 324}}),
         with(watcher, {{WORD_BACK, 324}})},
        {325, also(state_of(26, 2), came_from(326)), onward(watcher, 326), onward(watcher, 326)},
        {326, came_from(325), onward(head, 377), onward(head, 377)},
        {326, came_from(377), onward(head, 325), onward(head, 325)},
        {326, nullptr, head, head},
        {377, nullptr, {{749, 326}, {758, 326}, {309, 326}}, {{749, 326}, {758, 326}, {309, 326}}},
        {377, state_of(36, 1), {{757, 583}}, {{757, 583}}},
        {327, nullptr, upper, upper},
        {328, nullptr, middle, middle},
        {329, nullptr, foot, foot},
        {330, came_from(328), with(onward(whisper, 332), {{WORD_MAGIC_TRAVEL_2, 451}, {287, 451}}),
         onward(whisper, 332)},
        {330, came_from(332), with(onward(whisper, 328), {{WORD_MAGIC_TRAVEL_2, 451}, {287, 451}}),
         onward(whisper, 328)},
        {331, nullptr, {{751, 330}, {755, 330}}, {{751, 330}, {755, 330}}},
        {332, nullptr, arch, arch},
        // "go maze" is answered by dispatch before the still pool and the
        // crossing.
        {333, state_of(1222, 747), with(pool, {{905, 335}}), pool},
        {334, nullptr, with(crossing, {{905, 347}}), crossing},
        {351, nullptr, {{747, 334}, {758, 334}, {966, 334}}, {{747, 334}, {758, 334}, {966, 334}}},
        {352, nullptr, {{747, 353}, {751, 334}, {758, 334}, {966, 334}}, {{747, 353}, {751, 334}, {758, 334}, {966, 334}}},
        {353, nullptr, {{751, 352}}, {{751, 352}}},
        {354, came_from(313), onward(side, 355), with(onward(side, 355), {{WORD_ON, 355}})},
        {354, came_from(355), onward(side, 313), with(onward(side, 313), {{WORD_ON, 313}})},
        {355, nullptr, {{746, 356}, {752, 357}, {749, 354}}, {{746, 356}, {752, 357}, {749, 354}}},
        {356, nullptr, {{749, 355}, {758, 355}}, {{749, 355}, {758, 355}}},
        {357, nullptr, {{758, 355}, {747, 355}, {897, 355}, {761, 355}}, {{758, 355}, {747, 355}, {897, 355}, {761, 355}}},
        {451, nullptr, precipice, precipice},
        {451, seen_650, with(precipice, {{751, 650}}), with(precipice, {{751, 650}})},
    });
}

// --- The span ledge -------------------------------------------------------

TEST_F(Beyond, SpanLedge) {
    auto bridge = state_of(31, 2);
    auto jewel = also(bridge, [] { carry(67); });
    check_place(312, {
        {nullptr, line({WORD_LOOK, 936}), 312, {{STOP_ARG, 3125, 0}}},
        {nullptr, line({WORD_LOOK, 172}), 312, {{STOP, 2046, 0}}},
        // The catwalk or the mirror: the word as typed.
        {nullptr, line({WORD_LOOK, 1053}), 312, {{TYPED, 2952, VAR_ARG2}}},
        {nullptr, line({773, 31}), 312, {{STOP, 1446, 0}}},
        {nullptr, line({WORD_TAKE, 31}), 312, {}, 0},
        {state_of(31, 0), line({763}), 312, {{STOP, 1597, 0}}},
        {bridge, line({749}), PLACE_GONE, then({{0, 1599, 0}}, death_texts), 1, 1},
        {jewel, line({WORD_GO, 749}), 311, {}},
        {also(jewel, [] { carry(59); }), line({763, 11}), PLACE_GONE, then({{0, 1603, 0}}, death_texts), 1, 1},
    });
    // The parchment takes the bridge with it.
    fresh_world(312);
    jewel();
    carry(59);
    at_place(line({763}));
    EXPECT_EQ(value[31], 0);

    // Naming the bridge brings it here while it stands; the landing is the
    // depths.
    fresh_world(312);
    bridge();
    at_place(line({WORD_TAKE, 11}));
    EXPECT_EQ(location[11], 312);
    EXPECT_EQ(value[VAR_LANDING_PLACE], PLACE_GONE);
    EXPECT_EQ(value[VAR_LANDING_TEXT], 1679);
    fresh_world(312);
    at_place(line({WORD_TAKE, 11}));
    EXPECT_EQ(location[11], PLACE_OFFSTAGE);
    // The ravine alone is marked as the place's own name.
    fresh_world(312);
    at_place(line({WORD_TAKE, 31}));
    EXPECT_TRUE(marked(2));
}

// The three-way chamber: south always; north-west, north and north-east
// only while the portcullis is up.
TEST_F(Beyond, ThreeWayChamberExits) {
    const std::map<int, int> up = {{749, 312}, {752, 314}, {745, 324}, {746, 354}};
    const std::map<int, int> down = {{749, 312}};
    auto portcullis = [](int state) { return [state] { value[32] = state; }; };
    EXPECT_EQ(exits(313, portcullis(1), false), up);
    EXPECT_EQ(exits(313, portcullis(1), true), up);
    EXPECT_EQ(exits(313, portcullis(0), false), down);
    EXPECT_EQ(exits(313, portcullis(2), true), down);
}

TEST_F(Beyond, ThreeWayChamberRows) {
    check_place(313, {
        {nullptr, line({WORD_LOOK, 1040}), 313, {{STOP, 3174, 0}}},
        {nullptr, line({WORD_LOOK, 936}), 313, {{STOP, 3173, 0}}},
        {nullptr, line({848, 936}), 313, {{STOP, 3173, 0}}},
        // Looking at the way out is a bare look, left to the look word.
        {nullptr, line({WORD_LOOK, 201}), 313, {}, 0},
        {nullptr, line({201}), 313, {{STOP, 1425, 0}}},
        {nullptr, line({WORD_TAKE, 936}), 313, {}, 0},
    });
    // The bare look the look block made of it.
    fresh_world(313);
    at_place(line({WORD_LOOK, 201}));
    EXPECT_EQ(value[VAR_COMMAND_STATUS], 1);
}

// --- The ring round the hall of glimmers ----------------------------------

// The glimmer's way leads on as the first word of any command, as the
// second only in a command of two; every other way, and a bare look, is a
// failed try: the hall again, then the glimmer when one is seen.
TEST_F(Beyond, HallOfGlimmers) {
    auto east = state_of(16, 3);
    const std::vector<said> again = {{SAY_REFVAR, VAR_HERE, 0}, {0, 16, 0}};
    check_place(315, {
        {east, line({747}), 316, {}, 1, 1},
        {east, line({WORD_GO, 747}), 316, {}, 1, 1},
        {east, line({747, WORD_GO}), 316, {}, 1, 1},
        // In the dark the hall is drawn anew and so is the glimmer.
        {east, line({745}), 315, again, 1, 2},
        {east, line({WORD_LOOK}), 315, again, 1, 2},
        // With light no glimmer is seen and no way leads on.
        {[] {
             carry(OBJ_LIGHT_SOURCE);
             value[OBJ_LIGHT_SOURCE] = 1;
         },
         line({745}), 315, {{SAY_REFVAR, VAR_HERE, 0}}, 1, 1},
        {east, line({WORD_LOOK, 16}), 315, {}, 0},
    });

    // On the way out the changing room takes a new guise, which the
    // tapestry room shares and shows by its light; whatever was parked comes
    // along to the landing.
    for (int guise = 0; guise < 4; guise++) {
        fresh_world(315);
        value[16] = 3;
        location[OBJ_VESSEL_SMALL] = 315;
        bitmod('s', OBJ_VESSEL_SMALL, OFLAG_PORTABLE);
        location[50] = PLACE_HOLDING;
        rseed = seed_where({4}, [guise](const std::vector<int> &d) { return d[0] == guise; });
        at_place(line({747}));
        EXPECT_EQ(value[318], guise);
        EXPECT_EQ(value[319], guise);
        EXPECT_EQ(bitest(319, PFLAG_LIT) != 0, guise > 0) << guise;
        EXPECT_EQ(location[OBJ_VESSEL_SMALL], 316);
        EXPECT_EQ(location[50], 316);
    }
    // A failed try parks what lies here; what is carried stays carried.
    fresh_world(315);
    value[16] = 3;
    location[OBJ_VESSEL_SMALL] = 315;
    bitmod('s', OBJ_VESSEL_SMALL, OFLAG_PORTABLE);
    carry(50);
    bitmod('s', 50, OFLAG_PORTABLE);
    at_place(line({751}));
    EXPECT_EQ(location[OBJ_VESSEL_SMALL], PLACE_HOLDING);
    EXPECT_EQ(location[50], PLACE_CARRIED);
}

TEST_F(Beyond, RingRows) {
    check_place(314, {
        {nullptr, line({WORD_LOOK, 898}), 314, {{STOP_ARG, 3537, 29}}, 1, 0},
        // Into the hall, drawn for it.
        {nullptr, line({752}), 315, {}, 1, 1},
        {nullptr, line({WORD_GO, WORD_ON}), 315, {}, 1, 0},
    });
    // Every command at the landing draws for the hall (the landing is lit,
    // so no glimmer is drawn there); back in the hall both are drawn.
    check_place(316, {
        {nullptr, line({WORD_LOOK, 1019}), 316, {{STOP, 2924, 0}}, 1, 1},
        {nullptr, line({WORD_TAKE, 1130}), 316, {{STOP_ARG, 2925, 1}}, 1, 1},
        {nullptr, line({808, 1130}), 316, {{STOP_ARG, 2925, 0}}, 1, 1},
        {nullptr, line({749}), 315, {}, 1, 3},
        {nullptr, line({WORD_LOOK, 902}), 316, {{STOP_ARG, 2903, 897}}, 1, 2},
    });
    check_place(323, {
        {nullptr, line({WORD_LOOK, 900}), 323, {{TYPED, 2903, VAR_ARG2}}, 1, 1},
    });
    auto vial = [](int state) {
        return [state] {
            carry(OBJ_VESSEL_SMALL);
            value[OBJ_VESSEL_SMALL] = state;
        };
    };
    check_place(322, {
        {nullptr, line({WORD_LOOK, 322}), 322, {{STOP, 2002, 0}}},
        {nullptr, line({WORD_LOOK, 888}), 322, {{TYPED, 2903, VAR_ARG2}}, 1, 1},
        {nullptr, line({WORD_IN}), 322, {{STOP, 2923, 0}}},
        {nullptr, line({WORD_IN, 322}), 322, {{STOP, 2923, 0}}},
        {nullptr, line({322}), 322, {{STOP, 2923, 0}}},
        {vial(1), line({WORD_DROP, OBJ_VESSEL_SMALL}), 322, {{STOP, 1666, 0}}},
        {vial(2), line({WORD_DROP, OBJ_VESSEL_SMALL}), 322, {}, 0},
        // Opening and closing are left to their words, unmarked.
        {nullptr, line({WORD_OPEN, 322}), 322, {}, 0},
    });
    fresh_world(322);
    vial(1)();
    at_place(line({WORD_DROP, OBJ_VESSEL_SMALL}));
    EXPECT_EQ(location[OBJ_VESSEL_SMALL], 322);
    EXPECT_EQ(value[OBJ_VESSEL_SMALL], 0);
    fresh_world(322);
    at_place(line({WORD_OPEN, 322}));
    EXPECT_FALSE(marked(1));

    check_place(321, {
        {nullptr, line({WORD_LOOK, 321}), 321, {{STOP_ARG, 2938, 0}}},
        {nullptr, line({980}), 321, {{STOP, 1425, 0}}},
        {nullptr, line({848, 321}), 319, {}},
    });
    check_place(319, {
        {nullptr, line({WORD_LOOK, 321}), 319, {{STOP_ARG, 2938, 1}}},
        {nullptr, line({WORD_LOOK, 1022}), 319, {{STOP, 2943, 0}}},
        {nullptr, line({755, 321}), 321, {}},
    });
    check_place(320, {
        {nullptr, line({WORD_LOOK, 390}), 320, {{STOP, 2942, 0}}},
        {nullptr, line({755, 390}), 314, {{0, 1589, 0}}},
        {nullptr, line({WORD_LOOK, 319}), 320, {{STOP, 2941, 0}}},
    });
    // What is thrown falls down the fissure, or down the chute.
    for (auto [place, to, text] : {std::tuple{319, 321, 1680}, {320, 314, 1681}}) {
        fresh_world(place);
        at_place(line({793, 7}));
        EXPECT_EQ(value[VAR_LANDING_PLACE], to);
        EXPECT_EQ(value[VAR_LANDING_TEXT], text);
    }
}

// --- The changing room ----------------------------------------------------

// Each guise leaves some of the room's words to the word procedures,
// before any look reply; the summit is in view in two of them.
TEST_F(Beyond, ChangingRoomGuises) {
    const int ignored[4][4] = {{593, 937, 1030, 781}, {1029, 781, 853, 979}, {937, 1030, 1029, 979},
                               {937, 1030, 1029, 593}};
    const std::map<int, said> reply = {
        {593, {TYPED, 2593, 593}}, {937, {STOP, 2687, 0}}, {1030, {STOP_ARG, 2686, 1}}, {781, {STOP, 2688, 0}},
        {1029, {STOP, 2694, 0}},   {853, {TYPED, 2689, 318}}, {979, {TYPED, 2692, 318}}};
    for (int g = 0; g < 4; g++) {
        for (const auto &[w, text] : reply) {
            fresh_world(318);
            value[318] = g;
            outcome o = at_place(line({WORD_LOOK, w}));
            const bool left = std::find(std::begin(ignored[g]), std::end(ignored[g]), w) != std::end(ignored[g]);
            if (g == 3 && w == 593)
                EXPECT_EQ(o.texts, (std::vector<said>{{STOP, 2691, 0}}));
            else if (left)
                EXPECT_EQ(o.texts, std::vector<said>{}) << g << " " << w;
            else
                EXPECT_EQ(o.texts, std::vector<said>{text}) << g << " " << w;
        }
        fresh_world(318);
        value[318] = g;
        at_place(line({WORD_LOOK}));
        EXPECT_EQ(is_visited(593) != 0, g == 1 || g == 2) << g;
    }
}

TEST_F(Beyond, ChangingRoomRows) {
    auto guise = [](int g) { return state_of(318, g); };
    check_place(318, {
        {nullptr, line({WORD_LOOK, 891}), 318, {{STOP, 2693, 0}}},
        {nullptr, line({WORD_LOOK, 913}), 318, {{STOP_ARG, 2622, 0}}},
        {nullptr, line({WORD_LOOK, 1022}), 318, {{STOP_ARG, 2622, 1}}},
        {nullptr, line({763}), 318, {{STOP_ARG, 2622, 2}}},
        {nullptr, line({WORD_LOOK, 950}), 318, {{TYPED, 2621, 318}}},
        {nullptr, line({848}), 318, {{STOP, 3492, 0}}},
        {nullptr, line({439}), 318, {{STOP, 1424, 0}}, 1, 1},
        {guise(1), line({593}), 318, {{STOP, 2638, 0}}},
        {guise(3), line({593}), 318, {}, 0},
        // West the floor stops over nothing: the way is refused with the drop,
        // in every guise.
        {nullptr, line({751}), 318, {{STOP_ARG, 3537, 28}}},
        {guise(2), line({WORD_GO, 751}), 318, {{STOP_ARG, 3537, 28}}},
        // The jump: a step into nothing, unless the lodestone holds it back.
        {nullptr, line({762}), PLACE_GONE, then({{SAY_ARG | SAY_ARGVAR, 1502, VAR_DEATHS}}, death_texts), 1, 1},
        {[] { carry(OBJ_HEADING), value[OBJ_HEADING] = 7; }, line({762}), 318, {{STOP, 2298, 0}}},
        {[] { carry(OBJ_HEADING), value[OBJ_HEADING] = 7; }, line({793, OBJ_HEADING}), 318, {{STOP, 2300, 0}}},
        // The way to the tapestry room, refused while the lodestone points
        // within a point of it.
        {[] { carry(OBJ_HEADING), value[OBJ_HEADING] = 4; }, line({WORD_GO, 319}), 318, {{STOP_ARG, 2294, 747}}},
        {[] { carry(OBJ_HEADING), value[OBJ_HEADING] = 6; }, line({WORD_GO, 319}), 319, {}},
    });
    // A thing thrown here is lost.
    fresh_world(318);
    carry(50);
    at_place(line({793, 50}));
    EXPECT_EQ(value[VAR_LANDING_PLACE], PLACE_GONE);
    EXPECT_EQ(value[VAR_LANDING_TEXT], 1684);
}

// --- The watcher ----------------------------------------------------------

// The watcher's counter over its passage: up from 0 and 2 on the way in
// (north from the narrow way, or any command at the head of the steps),
// down from 1 and 3 on the way out.
TEST_F(Beyond, WatcherCounter) {
    struct step {
        int place;
        std::string command;
        int before, after, to;
    };
    const std::vector<step> steps = {
        {324, line({745}), 0, 1, 325}, {324, line({745}), 2, 3, 325}, {324, line({745}), 1, 1, 325},
        {324, line({749}), 0, 0, 313}, {326, line({WORD_LOOK, 7}), 0, 0, 326}, {326, line({WORD_TAKE, 7}), 0, 1, 326},
        {326, line({749}), 2, 3, 325}, {325, line({749}), 3, 2, 324},
    };
    for (const step &s : steps) {
        fresh_world(s.place);
        value[26] = s.before;
        outcome o = at_place(s.command);
        EXPECT_EQ(value[26], s.after) << s.place << " " << s.command << " " << s.before;
        EXPECT_EQ(o.place, s.to) << s.place << " " << s.command;
    }
    // Only the first step in is told.
    check_place(324, {
        {state_of(26, 0), line({745}), 325, {{0, 1620, 0}}},
        {state_of(26, 2), line({745}), 325, {}},
    });
}

TEST_F(Beyond, WatchersPassage) {
    auto medallion = [](int state) {
        return [state] {
            carry(111);
            value[111] = state;
        };
    };
    check_place(325, {
        // Roused and then back at rest: the medallion gets the player by.
        {also(state_of(26, 1), medallion(2)), line({749}), 324, {{0, 1621, 0}}},
        {also(state_of(26, 0), medallion(0)), line({749}), 325, then({{0, 1622, 0}}, death_texts), 1, 1},
        {also(state_of(26, 0), [] { light(false); }), line({749}), 325, then({{0, 2091, 0}}, death_texts), 1, 1},
        // "Back" is south only straight after coming from the narrow way.
        {also(state_of(26, 3), came_from(324)), line({WORD_BACK}), 324, {}},
        {state_of(26, 3), line({WORD_BACK}), 325, {}, 0},
        {nullptr, line({WORD_LOOK, 494}), 325, {{STOP, 2927, 0}}},
        {state_of(26, 2), line({WORD_LOOK, 1042}), 325, {{STOP_ARG, 3165, 1042}}},
        {state_of(26, 0), line({WORD_LOOK, 1042}), 325, {}, 0},
    });
    // Lulled once, the watcher stays lulled, and the hint here is spent.
    fresh_world(325);
    value[26] = 1;
    medallion(2)();
    bitmod('s', 325, PFLAG_HINT_AVAILABLE);
    at_place(line({749}));
    EXPECT_EQ(value[26], 2);
    EXPECT_FALSE(bitest(325, PFLAG_HINT_AVAILABLE));
}

// --- The steps, the vault landing, the whisper chamber --------------------

TEST_F(Beyond, StepsAndVaultLanding) {
    check_place(327, {
        {nullptr, line({WORD_LOOK, 755}), 327, {{STOP_ARG, 2846, 0}}},
        {nullptr, line({WORD_LOOK, 7}), 327, {{STOP, 2748, 0}}, 1, 1},
    });
    check_place(328, {
        {nullptr, line({WORD_LOOK, 898}), 328, {{STOP_ARG, 2903, 898}}, 1, 1},
        {nullptr, line({470}), 328, {{STOP, 1425, 0}}},
        {nullptr, line({WORD_LOOK, 470}), 328, {}, 0},
    });
    check_place(326, {{nullptr, line({897}), 326, {{STOP, 1297, 0}}}});
    // The landing: each step lands a thrown thing on the step below.
    for (auto [place, to] : {std::pair{326, 327}, {327, 328}, {328, 329}}) {
        fresh_world(place);
        at_place(line({793, 7}));
        EXPECT_EQ(value[VAR_LANDING_PLACE], to) << place;
        EXPECT_EQ(value[VAR_LANDING_TEXT], 1682) << place;
    }
    fresh_world(329);
    at_place(line({793, 7}));
    EXPECT_EQ(value[VAR_LANDING_PLACE], 329);

    check_place(377, {
        {nullptr, line({WORD_IN}), 377, {{STOP, 1638, 0}}},
        {state_of(36, 1), line({749}), 377, {{STOP, 1613, 0}}},
        {state_of(36, 1), line({WORD_IN, 8}), 583, {}},
    });
    fresh_world(377);
    value[36] = 1;
    at_place(line({WORD_IN, 36}));
    EXPECT_EQ(value[VAR_RETURN_PLACE], 377);
    EXPECT_EQ(*bitword(VAR_RETURN_PLACE), ref_mark);
}

TEST_F(Beyond, WhisperChamberAndPrecipice) {
    auto passage_text = [] { set_ref(VAR_PASSAGE_TEXT, 1587); };
    check_place(330, {
        {passage_text, line({WORD_MAGIC_TRAVEL_2}), 451, {{0, 1587, 0}}},
        {passage_text, line({WORD_SAY, WORD_MAGIC_TRAVEL_2}), 451, {{0, 1587, 0}}},
        {passage_text, line({WORD_GO, WORD_MAGIC_TRAVEL_2}), 330, {}, 0},
        {[] { bitmod('s', VAR_GAME_FLAGS, 2); }, line({287}), 330, {{STOP, 1329, 0}}},
        {nullptr, line({WORD_LOOK, 222}), 330, {{STOP, 2928, 0}}},
        {nullptr, line({WORD_LOOK, 223}), 330, {{STOP, 2907, 0}}},
    });
    fresh_world(330);
    value[2510] = 2;
    at_place(line({WORD_MAGIC_TRAVEL_2}));
    EXPECT_EQ(value[2510], 0);

    check_place(331, {
        {nullptr, line({745}), 331, {{STOP, 2906, 0}}},
        {nullptr, line({WORD_LOOK, 888}), 331, {{STOP, 2905, 0}}},
    });

    auto seen_650 = [] { bitmod('s', 650, PFLAG_VISITED); };
    check_place(451, {
        {passage_text, line({WORD_GO, WORD_MAGIC_TRAVEL_2}), 330, {{0, 1587, 0}}},
        {passage_text, line({WORD_SAY, WORD_MAGIC_TRAVEL_2}), 330, {{0, 1587, 0}}},
        {seen_650, line({751}), 650, {{0, 2446, 0}}},
        {also(seen_650, [] { carry(OBJ_HEADING); }), line({751}), 451, {{STOP, 2309, 0}}},
        {nullptr, line({848}), PLACE_GONE, then({{0, 1614, 0}}, death_texts), 1, 1},
        {nullptr, line({451}), 451, {{STOP, 1425, 0}}},
        {nullptr, line({773, 31}), 451, {{STOP, 1446, 0}}},
        {nullptr, line({WORD_LOOK, 635}), 451, {{STOP, 2048, 0}}},
    });
}

// --- The inscribed arch and the turning gallery ---------------------------

TEST_F(Beyond, InscribedArch) {
    check_place(332, {
        {nullptr, line({798}), 332, {{STOP_ARG, 2283, 0}}},
        {nullptr, line({WORD_LOOK, 1080}), 332, {{STOP_ARG, 2283, 0}}},
        {nullptr, line({134}), 332, {{TYPED, 1507, 73}}, 1, 1},
        {nullptr, line({WORD_TAKE, 129}), 332, {{TYPED, 1885, 73}}},
        {nullptr, line({WORD_LOOK, 1018}), 332, {{STOP, 3135, 0}}},
        {nullptr, line({WORD_LOOK, 1054}), 332, {{STOP, 3136, 0}}},
        // Reading the arch reads the tablet above it.
        {nullptr, line({798, 1054}), 332, {{STOP_ARG, 2283, 0}}},
        {nullptr, line({WORD_LOOK, 758}), 332, {{STOP_ARG, 2903, 897}}, 1, 1},
        {nullptr, line({1054}), 335, {}},
        {state_of(1221, 3), line({749}), 335, {{0, 3214, 0}}},
    });
    fresh_world(332);
    at_place(line({134}));
    EXPECT_TRUE(bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_ORPHAN));
    // Every cell of the gallery is new again.
    fresh_world(332);
    for (int p = 334; p <= 351; p++) bitmod('s', p, PFLAG_VISITED);
    at_place(line({757}));
    for (int p = 335; p <= 350; p++) EXPECT_FALSE(is_visited(p)) << p;
    EXPECT_TRUE(is_visited(334));
    EXPECT_TRUE(is_visited(351));
    EXPECT_EQ(value[VAR_WORK_PLACE], 351);
}

// The cells share their rows; every compass word goes by the gallery's
// memory of the cell.
TEST_F(Beyond, GalleryCells) {
    for (int p = 335; p <= 350; p++) {
        check_place(p, {
            {nullptr, line({WORD_LOOK, 897}), p, {{STOP_ARG, 2902, 898}}, 1, 1},
            {nullptr, line({898}), p, {{STOP_ARG, 2904, 898}}},
            {nullptr, line({905}), p, {{STOP, 1425, 0}}},
            {nullptr, line({WORD_LOOK, 905}), p, {}, 0},
        });
    }
    // A walk: the first word at a cell is its way on, and learned; another
    // word leads one cell back; at the first cell the opposite word leads
    // to the still pool and back out by the learned word again.
    auto walk = [this](int from, int word) {
        set_ref(VAR_HERE, from);
        return at_place(line({word})).place;
    };
    fresh_world(335);
    EXPECT_EQ(walk(335, 747), 336);
    EXPECT_EQ(walk(336, 745), 337);
    EXPECT_EQ(walk(337, 749), 338);
    EXPECT_EQ(walk(337, 745), 336);
    EXPECT_EQ(walk(336, 745), 337);
    EXPECT_EQ(walk(335, 751), 333);
    EXPECT_EQ(value[1222], 747);
    EXPECT_EQ(value[333], 2);
    EXPECT_EQ(walk(335, 745), 335);
    EXPECT_EQ(walk(333, 747), 335);
    // Out at the far end the gallery turns one point: the learned ways
    // are turned with it.
    fresh_world(350);
    value[350 + 890] = 749;
    value[336 + 890] = 745;
    EXPECT_EQ(walk(350, 749), 330);
    EXPECT_EQ(value[1221], 1);
    EXPECT_EQ(walk(336, 745), 335);
    EXPECT_EQ(walk(336, 746), 337);
}

TEST_F(Beyond, StillPoolAndCrossing) {
    auto back_east = state_of(1222, 747);
    check_place(333, {
        {back_east, line({747, WORD_GO}), 335, {}},
        {back_east, line({WORD_GO, 747}), 335, {}},
        {back_east, line({745}), 333, {}, 0},
        {nullptr, line({WORD_LOOK, 911}), 333, {{STOP, 2284, 0}}},
        {nullptr, line({WORD_LOOK, 1061}), 333, {{STOP, 3491, 0}}},
        {nullptr, line({WORD_LOOK, 905}), 333, {{STOP_ARG, 1319, 905}}, 1, 1},
        {nullptr, line({727}), 333, {{STOP_ARG, 2049, 0}}},
        // Drinking is left to the drink word, unmarked.
        {nullptr, line({WORD_CONSUME_LIQUID, 911}), 333, {}, 0},
    });
    check_place(334, {
        {nullptr, line({WORD_IN, 895}), 351, {}},
        {nullptr, line({WORD_IN, 1051}), 352, {}},
        {nullptr, line({WORD_LOOK, 966}), 334, {{STOP, 3137, 0}}},
        {nullptr, line({WORD_LOOK, 308}), 334, {{STOP_ARG, 2903, 898}}, 1, 1},
    });
}

TEST_F(Beyond, ScribesNook) {
    auto moved = state_of(50, 1);
    check_place(351, {
        // A bare "read" reads the letters.
        {nullptr, line({798}), 351, {{STOP, 2971, 0}}},
        {nullptr, line({WORD_LOOK, 1028}), 351, {{STOP, 2971, 0}}},
        {nullptr, line({WORD_TAKE, 74}), 351, {{STOP_ARG, 1885, 1028}}},
        {nullptr, line({1028}), 351, {{TYPED, 1507, VAR_ARG1}}, 1, 1},
        {nullptr, line({WORD_DROP, 1028}), 351, {}, 0},
        {nullptr, line({WORD_LOOK, 913}), 351, {{STOP, 50, 0}}},
        {moved, line({WORD_LOOK, 913}), 351, {{STOP_ARG, 2969, 913}}},
        {nullptr, line({WORD_LOOK, 936}), 351, {{STOP, 95, 0}}},
        {state_of(95, 1), line({WORD_LOOK, 936}), 351, {}, 0},
        {nullptr, line({913}), 351, {{STOP_ARG, 2037, 913}}},
        {nullptr, line({WORD_LOOK, 494}), 351, {{STOP, 1425, 0}}},
        {nullptr, line({494}), 351, {}, 0},
    });
    // "Scroll" is the candlestick while it has not been moved.
    for (auto [state, word] : {std::pair{0, 50}, {1, 1027}}) {
        fresh_world(351);
        value[50] = state;
        at_place(line({WORD_TAKE, 1027}));
        EXPECT_EQ(value[VAR_ARG2], word) << state;
    }
}

// --- The halls, the fork chamber and its ends -----------------------------

TEST_F(Beyond, Halls) {
    for (int p : {352, 353}) {
        check_place(p, {
            {nullptr, line({WORD_LOOK, 1044}), p, {{STOP, 3167, 0}}},
            {nullptr, line({WORD_LOOK, 1011}), p, {{STOP, 3166, 0}}},
            {nullptr, line({WORD_LOOK, 1042}), p, {{STOP, 3164, 0}}},
            {nullptr, line({WORD_LOOK, 376}), p, {{STOP_ARG, 2019, 6}}},
            {nullptr, line({WORD_LOOK, 779}), p, {{STOP, 3163, 0}}},
            {nullptr, line({901}), p, {{STOP, 1425, 0}}},
        });
    }
    check_place(352, {{nullptr, line({WORD_LOOK, 966}), 352, {{STOP_ARG, 2903, 966}}, 1, 1}});
    check_place(353, {
        {nullptr, line({WORD_LOOK, 966}), 353, {}, 0},
        {nullptr, line({WORD_LOOK, 1041}), 353, {{STOP, 3169, 0}}},
        {nullptr, line({1041}), 353, {{STOP, 3168, 0}}},
        // The staff and the amulet of the enamel, while the real ones are
        // not at hand.
        {nullptr, line({WORD_LOOK, 110}), 353, {{STOP, 3171, 0}}},
        {nullptr, line({WORD_LOOK, 49}), 353, {{STOP, 3171, 0}}},
        {[] { carry(110); }, line({WORD_LOOK, 110}), 353, {}, 0},
        {[] { set_location(38, 353); }, line({WORD_LOOK, 1067}), 353, {{STOP, 3170, 0}}},
        {nullptr, line({WORD_TAKE, 38}), 353, {{STOP, 1730, 0}}},
    });
}

TEST_F(Beyond, ForkChamberAndItsEnds) {
    check_place(355, {
        {nullptr, line({WORD_LOOK, 754}), 355, {{STOP_ARG, 2019, 7}}},
        {nullptr, line({WORD_LOOK, 1083}), 355, {{STOP, 2997, 0}}},
        {nullptr, line({WORD_TAKE, 1083}), 355, {{STOP, 3428, 0}}},
    });
    check_place(356, {{nullptr, line({WORD_LOOK, 173}), 356, {{STOP, 3177, 0}}}});
    check_place(357, {
        {nullptr, line({WORD_LOOK, 16}), 357, {{STOP, 2954, 0}}},
        {nullptr, line({WORD_LOOK, 1023}), 357, {{STOP, 2955, 0}}},
        {nullptr, line({791, 936}), 357, {{STOP, 2956, 0}}},
    });
    // The hound joins the player here from out of play, and only from
    // there.
    for (auto [at, after, state] : {std::tuple{PLACE_OFFSTAGE, 357, 0}, {PLACE_GONE, PLACE_GONE, 3}}) {
        fresh_world(357);
        location[OBJ_FOLLOWER] = at;
        value[OBJ_FOLLOWER] = 3;
        EXPECT_EQ(at_place(line({WORD_BACK})).place, 355);
        EXPECT_EQ(location[OBJ_FOLLOWER], after);
        EXPECT_EQ(value[OBJ_FOLLOWER], state);
    }
}

// A player's road through the region, command by command through the whole
// dispatch, the word procedures included: over the portcullis, through the
// hall of glimmers by the glimmer, round the ring and down the chute, past
// the watcher and back, down the steps, to the precipice and back by the
// travel words, and once through the turning gallery, which has turned when
// the player comes in again.
TEST_F(Beyond, WalkedThrough) {
    fresh_world(312);
    carry(OBJ_LIGHT_SOURCE);
    value[OBJ_LIGHT_SOURCE] = 1;
    carry(111);
    value[111] = 2;
    set_location(32, 313);
    auto go = [this](std::initializer_list<int> words) { return turn(line(words)).place; };

    EXPECT_EQ(go({745}), 313);
    EXPECT_EQ(go({752}), 313);  // the portcullis is down
    go({713});
    EXPECT_EQ(value[32], 1);
    EXPECT_EQ(go({752}), 314);
    EXPECT_EQ(go({745}), 315);
    EXPECT_EQ(value[16], 0);  // no glimmer shows by lamplight
    go({WORD_EXTINGUISH, OBJ_LIGHT_SOURCE});
    ASSERT_GE(value[16], 1);
    ASSERT_LE(value[16], 8);
    EXPECT_EQ(go({744 + value[16]}), 316);
    value[OBJ_LIGHT_SOURCE] = 1;  // lit again
    light(true);
    // Round the ring and down the chute, then north past the watcher and
    // back with the medallion shown.
    for (auto [word, to] : std::vector<std::pair<int, int>>{{755, 323}, {745, 322}, {745, 321}, {754, 319},
                                                            {752, 318}, {747, 319}, {749, 320}, {749, 314},
                                                            {749, 313}, {745, 324}, {745, 325}, {745, 326},
                                                            {749, 325}, {749, 324}})
        EXPECT_EQ(go({word}), to) << spelling(word);
    EXPECT_EQ(value[26], 2);  // the watcher, shown the medallion, dozes for good
    // Down the steps, to the precipice by fennoch and back by the squeeze
    // word, and in under the arch.
    for (auto [word, to] : std::vector<std::pair<int, int>>{
             {745, 325}, {745, 326}, {755, 327}, {755, 328}, {745, 330}, {WORD_MAGIC_TRAVEL_2, 451}, {287, 330},
             {751, 332}, {749, 335}})
        EXPECT_EQ(go({word}), to) << spelling(word);
    // Through the gallery, always north, and out at its far end.
    for (int cell = 336; cell <= 350; cell++) EXPECT_EQ(go({745}), cell);
    EXPECT_EQ(go({745}), 330);
    EXPECT_EQ(value[1221], 1);
    EXPECT_EQ(go({751}), 332);
    EXPECT_EQ(go({749}), 335);
    EXPECT_EQ(go({745}), 335);  // north no longer leads on: the gallery has turned
    EXPECT_EQ(go({746}), 336);
    EXPECT_EQ(go({750}), 335);  // one cell back
    EXPECT_EQ(go({750}), 333);  // opposite the way on: the still pool
    EXPECT_EQ(go({746}), 335);
}

// Every text these places say is written, in every variant they use.
TEST_F(Beyond, TextsAreWritten) {
    for (int t : {1446, 1597, 1599, 1603, 1613, 1614, 1620, 1621, 1622, 1638, 1666, 1730, 2002, 2046, 2047, 2048,
                  2283, 2284, 2309, 2446, 2687, 2688, 2691, 2693, 2694, 2748, 2923, 2924, 2927, 2941, 2942, 2943,
                  2954, 2955, 2956, 2971, 2997, 3135, 3136, 3137, 3163, 3164, 3166, 3167, 3168, 3169, 3170, 3171,
                  3177, 3214, 3428, 3491})
        EXPECT_FALSE(wording({0, t, 0}).empty()) << t;
    for (int k = 0; k < 4; k++)
        for (int t : {2621, 2692}) EXPECT_FALSE(wording({SAY_ARG, t, k}).empty()) << t << " " << k;
    for (int k = 0; k < 3; k++) EXPECT_FALSE(wording({SAY_ARG, 2622, k}).empty()) << k;
    for (int t : {1679, 1680, 1681, 1682, 1684, 3165, 2969})
        EXPECT_NE(wording({SAY_ARG, t, 1042}).find("banners"), std::string::npos) << t;
}

// What a description names of the place itself is answered there, looked
// at: what the player stands on or in, and the features in view.
TEST_F(Beyond, FeaturesTheDescriptionsName) {
    constexpr int ON = 3245, IN = 1453;
    expect_looks({
        {312, 999, ON}, {312, 912, ON}, {316, 1052, ON}, {377, 1052, ON}, {451, 999, ON}, {320, 15, 2942},
        {323, 981, IN}, {331, 1066, IN}, {351, 932, IN}, {356, 1066, IN}, {333, 962, 2284}, {319, 966, 2903}, {451, 954, 1849},
        {312, WORD_DOWN, 2478}, {451, WORD_DOWN, 2478}, {320, WORD_DOWN, 2942},
    });
    // The changing room's glass, mirror or panel, its window and its doorway,
    // guise by guise.
    check_place(318, {
        {state_of(318, 0), line({WORD_LOOK, 12}), 318, {{TYPED, 2689, 318}}},
        {state_of(318, 3), line({WORD_LOOK, 17}), 318, {{TYPED, 2689, 318}}},
        {state_of(318, 2), line({WORD_LOOK, 920}), 318, {{TYPED, 2686, 318}}},
        {nullptr, line({WORD_LOOK, WORD_UP}), 318, {{TYPED, 2686, 318}}},
        {nullptr, line({WORD_LOOK, 966}), 318, {{STOP_ARG, 2903, 902}}, 1, 1},
    });
}

}  // namespace
