// The riddled cavern and its region: the junctions round the cavern, the
// sentinel approach and the arch junction, the top of the plant, the iron
// door and the burrow, the squeeze, the narrows, the five ways and the
// clinging chamber, the lake and the exchange grotto. Their exits, the ways
// drawn at random, the door, the question at the burrow, the squeeze, the
// ferry and the trader, through the real command reader and dispatch up to
// the place procedure.
#include "place_sweeps.h"

namespace {

using namespace game_test;

class Riddled : public PlacesTest {};

exit_map with(exit_map m, std::initializer_list<std::pair<const int, int>> more) {
    for (const auto &[w, p] : more) m[w] = p;
    return m;
}

// The ways out of the places whose exits are fixed.
TEST_F(Riddled, ExitTables) {
    const exit_map hole_junction = {{747, 258}, {900, 258}, {754, 219}, {893, 219}, {751, 260}, {897, 260}, {266, 266}};
    const exit_map pit_top = {{751, 257}, {900, 257}, {755, 259}, {848, 259}, {209, 259}};
    const exit_map sink = {{754, 258}, {758, 258}, {848, 258}};
    const exit_map hole_passage = {{747, 257}, {897, 257}, {755, 261}, {893, 261}, {266, 266}};
    const exit_map undercut = {{754, 260}, {848, 260}, {751, 266}, {266, 266}, {745, 291}, {291, 291}, {747, 294}, {900, 294}};
    const exit_map crossway = {{749, 215}, {754, 269}, {848, 269}, {745, 266}, {266, 266}};
    const exit_map upper = {{755, 268}, {268, 268}, {745, 296}, {12, 296}, {298, 298}, {749, 306}};
    const exit_map slide_junction = {{745, 271}, {755, 266}, {897, 266}, {749, 297}};
    const exit_map window = {{748, 266}, {749, 270}, {745, 225}};
    const exit_map crawl = {{266, 266}, {750, 305}, {745, 273}, {748, 285}, {285, 285}};
    const exit_map crossing_end = {{749, 272}, {758, 272}, {900, 272}};
    const exit_map narrow = {{749, 276}, {745, 277}};
    const exit_map pocket = {{758, 275}, {745, 275}, {207, 275}};
    const exit_map arch = {{747, 275}, {751, 278}, {745, 267}, {900, 267}, {749, 584}, {757, 584}, {1054, 584}};
    const exit_map corner = {{749, 277}, {758, 277}};
    const exit_map plant_top = {{747, 218}, {13, 218}, {755, 218}, {848, 218}, {893, 218}, {751, 281}, {308, 281},
                                {762, 218}};  // the leap, to a death at the foot
    const exit_map slide = {{745, 283}, {283, 283}, {897, 283}, {755, 272}, {848, 272}, {280, 272}};
    const exit_map writing = {{749, 279}, {308, 279}, {747, 384}, {745, 282}};
    const exit_map burrow = {{749, 282}, {758, 282}, {751, 280}, {280, 280}};
    const exit_map grotto = {{747, 512}, {748, 461}, {751, 267}, {758, 267}, {267, 267}};
    const exit_map slimy = {{748, 267}, {751, 272}, {900, 272}, {745, 289}, {897, 289}, {754, 289}, {283, 289}};
    const exit_map nook = {{749, 287}, {758, 287}, {308, 287}, {287, 287}};
    const exit_map ledge = {{749, 285}, {285, 285}, {751, 286}, {762, 283}};
    const exit_map walkway = {{755, 291}, {748, 291}, {291, 291}, {747, 432}, {754, 432}};
    const exit_map narrows = {{754, 290}, {751, 290}, {901, 290}, {755, 292}, {308, 292}, {749, 261}, {261, 261}};
    const exit_map steep = {{754, 291}, {291, 291}, {755, 293}, {1003, 293}};
    const exit_map sump = {{754, 292}, {758, 292}, {308, 292}, {291, 291}};
    const exit_map five_ways = {{746, 496}, {749, 262}, {754, 261}, {751, 266}, {747, 295}};
    const exit_map shaft = {{749, 269}, {745, 298}, {937, 298}, {298, 298}};
    const exit_map far_shore = {{749, 296}, {12, 296}, {897, 296}, {751, 466}, {466, 466}};
    const exit_map near_shore = {{745, 300}, {897, 300}, {301, 301}};
    const exit_map lakeside = {{749, 299}, {298, 299}, {746, 301}, {301, 301}};
    const exit_map alcove = {{751, 300}, {758, 300}, {898, 300}, {897, 300}, {298, 299}};
    const exit_map exchange = {{745, 277}, {758, 277}};
    auto onward = [](exit_map m, int to, std::initializer_list<int> words) {
        for (int w : words) m[w] = to;
        return m;
    };

    check_sweeps({
        {257, nullptr, hole_junction, hole_junction},
        {258, nullptr, pit_top, pit_top},
        {259, nullptr, sink, sink},
        {260, nullptr, hole_passage, hole_passage},
        {261, came_from(266), onward(undercut, 291, {897, 898, 308}), onward(undercut, 291, {897, 898, 308})},
        {268, came_from(266), onward(crossway, 215, {897, 898, 308}), onward(crossway, 215, {897, 898, 308})},
        {269, came_from(296), onward(upper, 306, {207}), onward(upper, 306, {207})},
        {270, came_from(297), onward(slide_junction, 271, {207}), onward(slide_junction, 271, {207})},
        {271, nullptr, window, window},
        {272, nullptr, crawl, crawl},
        {273, nullptr, crossing_end, crossing_end},
        {275, came_from(277), onward(narrow, 276, {207}), onward(narrow, 276, {207})},
        {276, nullptr, pocket, pocket},
        {277, came_from(275), onward(arch, 278, {207}), onward(with(arch, {{779, 584}}), 278, {207})},
        {278, nullptr, corner, corner},
        {279, nullptr, plant_top, plant_top},
        {280, nullptr, slide, slide},
        {281, nullptr, writing, writing},
        {283, came_from(280), onward(burrow, 282, {897, 898, 308}), onward(burrow, 282, {897, 898, 308})},
        {284, nullptr, grotto, grotto},
        {285, nullptr, slimy, slimy},
        {288, nullptr, nook, with(nook, {{779, 287}})},
        {289, came_from(286), onward(ledge, 285, {538}), onward(ledge, 285, {538})},
        {290, came_from(432), onward(walkway, 291, {897, 898, 308}), onward(walkway, 291, {897, 898, 308})},
        {291, nullptr, narrows, narrows},
        {292, came_from(293), onward(steep, 291, {897, 898, 308}), onward(steep, 291, {897, 898, 308})},
        {293, nullptr, sump, sump},
        {294, nullptr, five_ways, five_ways},
        {296, came_from(269), onward(shaft, 298, {207}), onward(shaft, 298, {207})},
        {298, nullptr, far_shore, far_shore},
        {299, nullptr, near_shore, near_shore},
        {300, came_from(299), onward(lakeside, 301, {897, 898, 308}), onward(lakeside, 301, {897, 898, 308})},
        {301, nullptr, with(alcove, {{762, PLACE_GONE}}), alcove},
        {584, nullptr, exchange, exchange},
    });
}

// Ways that open and close with the state of the world.
TEST_F(Riddled, ExitsThatChange) {
    const exit_map approach = {{747, 214}, {755, 275}};
    auto sentinel = [](int state) {
        return [state] {
            value[21] = state;
            set_ref(VAR_THERE, 214);
        };
    };
    check_sweeps({
        {274, sentinel(0), with(approach, {{751, 307}, {207, 307}}), with(approach, {{751, 307}, {207, 307}})},
        {274, sentinel(2), with(approach, {{751, 306}, {207, 306}}), with(approach, {{751, 306}, {207, 306}})},
    });
    const exit_map door = {{749, 281}, {897, 281}};
    const exit_map door_open = with(door, {{745, 283}, {757, 283}, {283, 283}, {8, 283}});
    check_sweeps({
        {282, nullptr, door, door},
        {282, [] { value[8] = 1; }, door_open, door_open},
    });
    // Past the narrows to the undercut only without the coffer.
    exit_map narrows = exits(291, nullptr, true);
    narrows.erase(749);
    narrows.erase(261);
    EXPECT_EQ(exits(291, [] { carry(114); }, true), narrows);
    // Across the lake only with the ferry there.
    const exit_map near_shore = {{745, 300}, {897, 300}, {301, 301}};
    check_sweeps({
        {299, [] { set_location(29, 299); },
         with(near_shore, {{OBJ_LIQUID_1, 298}, {298, 298}, {749, 298}, {763, 298}}),
         with(near_shore, {{OBJ_LIQUID_1, 298}, {298, 298}, {749, 298}, {763, 298}})},
    });
}

// The riddled cavern: west, east and the crossway always; north-west half
// the time; the four holes turn the player back two times in three, then
// lead down to the five ways, or to one of two places for the others.
TEST_F(Riddled, RiddledCavernDraws) {
    check_place(266, {
        {nullptr, line({747}), 261, {}},
        {nullptr, line({268}), 268, {}},
        {nullptr, line({266}), 266, {{STOP, 1425, 0}}},
        {draws_where({100}, [](auto d) { return d[0] < 50; }), line({752}), 266, {{STOP, 1345, 0}}, 1, 1},
        {draws_where({100}, [](auto d) { return d[0] >= 50; }), line({752}), 285, {}, 1, 1},
        {draws_where({100}, [](auto d) { return d[0] < 65; }), line({745}), 266, {{STOP, 1417, 0}}, 1, 1},
        {draws_where({100}, [](auto d) { return d[0] >= 65; }), line({755}), 294, {}, 1, 1},
        {draws_where({100, 100}, [](auto d) { return d[0] >= 65 && d[1] < 75; }), line({745}), 272, {}, 1, 2},
        {draws_where({100, 100}, [](auto d) { return d[0] >= 65 && d[1] < 75; }), line({754}), 260, {}, 1, 2},
        {draws_where({100, 100}, [](auto d) { return d[0] >= 65 && d[1] < 75; }), line({WORD_GO, 749}), 268, {}, 1, 2},
        {draws_where({100, 100}, [](auto d) { return d[0] >= 65 && d[1] >= 75; }), line({745}), 271, {}, 1, 2},
        {draws_where({100, 100}, [](auto d) { return d[0] >= 65 && d[1] >= 75; }), line({754}), 270, {}, 1, 2},
        {draws_where({100, 100}, [](auto d) { return d[0] >= 65 && d[1] >= 75; }), line({749}), 277, {}, 1, 2},
        // "Hole" is one of the four ways, drawn, and then that way.
        {draws_where({4, 100}, [](auto d) { return d[0] == 3 && d[1] >= 65; }), line({893}), 294, {}, 1, 2},
        {draws_where({4, 100, 100}, [](auto d) { return d[0] == 1 && d[1] >= 65 && d[2] >= 75; }), line({893}), 277, {}, 1, 3},
        {draws_where({4, 100}, [](auto d) { return d[0] == 0 && d[1] < 65; }), line({WORD_GO, 893}), 266, {{STOP, 1417, 0}}, 1, 2},
        {nullptr, line({WORD_LOOK, 893}), 266, {{STOP_ARG, 2934, 0}}},
    });
}

TEST_F(Riddled, TiltedJunctionDraws) {
    check_place(267, {
        {nullptr, line({746}), 266, {}},
        {nullptr, line({207}), 277, {}},
        {nullptr, line({284}), 284, {}},
        {nullptr, line({752}), 285, {}},
        {nullptr, line({758}), 267, {{STOP_ARG, 2904, 897}}},
        {draws_where({100}, [](auto d) { return d[0] < 33; }), line({749}), 277, {}, 1, 1},
        {draws_where({100}, [](auto d) { return d[0] >= 33; }), line({749}), 267, {{STOP, 1345, 0}}, 1, 1},
        {draws_where({5}, [](auto d) { return d[0] == 0; }), line({893}), 277, {}, 1, 1},
        {draws_where({5, 100}, [](auto d) { return d[0] == 1 && d[1] < 33; }), line({893}), 277, {}, 1, 2},
        {draws_where({5, 100}, [](auto d) { return d[0] == 1 && d[1] >= 33; }), line({893}), 267, {{STOP, 1345, 0}}, 1, 2},
        {draws_where({5}, [](auto d) { return d[0] >= 2; }), line({848, 893}), 267, {{STOP, 1345, 0}}, 1, 1},
        {nullptr, line({WORD_LOOK, 936}), 267, {{STOP_ARG, 2934, 1}}},
    });
}

// The clinging chamber holds on with a chance that starts at 65 and falls by
// 5 with every hold; west always keeps the player, without a draw.
TEST_F(Riddled, ClingingChamber) {
    auto chance = [](int c, bool held) {
        return [c, held] {
            value[1158] = c;
            rseed = seed_where({100}, [c, held](auto d) { return (d[0] < (c <= 0 ? 65 : c)) == held; });
        };
    };
    check_place(295, {
        {chance(0, true), line({745}), 295, {}, 1, 1},
        {chance(0, false), line({745}), 294, {}, 1, 1},
        {chance(20, true), line({WORD_GO, 754}), 295, {}, 1, 1},
        {chance(20, false), line({749}), 294, {}, 1, 1},
        {chance(20, true), line({751}), 295, {}},
        {nullptr, line({897}), 295, {{STOP_ARG, 2904, 897}}},
    });
    struct hold {
        int before;
        std::string command;
        bool held;
        int after;
    };
    for (const hold &h : {hold{0, line({745}), true, 60}, hold{65, line({747}), true, 60},
                          hold{5, line({748}), true, 0}, hold{40, line({750}), false, 40},
                          hold{40, line({751}), true, 40}, hold{-5, line({WORD_TAKE, 936}), false, 65}}) {
        fresh_world(295);
        chance(h.before, h.held)();
        at_place(h.command);
        EXPECT_EQ(value[1158], h.after) << h.before << " " << h.command;
    }
    // A hold counts as an arrival.
    fresh_world(295);
    chance(30, true)();
    at_place(line({745}));
    EXPECT_TRUE(bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_MOVED));
    EXPECT_EQ(value[VAR_THERE], 295);
}

// Down the chute from the slide top: one of three cells of the warren.
TEST_F(Riddled, SlideTop) {
    check_place(297, {
        {nullptr, line({745}), 270, {}},
        {draws_where({100, 100}, [](auto d) { return d[0] < 67 && d[1] < 50; }), line({755}), 235, {}, 1, 2},
        {draws_where({100, 100}, [](auto d) { return d[0] < 67 && d[1] >= 50; }), line({WORD_GO, 15}), 230, {}, 1, 2},
        {draws_where({100}, [](auto d) { return d[0] >= 67; }), line({15}), 232, {}, 1, 1},
        // Jumping or climbing into it: straight to the one cell.
        {nullptr, line({762}), 232, {}},
        {nullptr, line({848, 15}), 232, {}},
        {nullptr, line({WORD_LOOK, 15}), 297, {{STOP, 3126, 0}}},
    });
}

// The look word with the cleft at the upper and the slide junctions takes
// the player through the cleft; elsewhere it is a bare look.
TEST_F(Riddled, LookingAlongTheCleft) {
    check_place(269, {
        {came_from(296), line({WORD_LOOK, 207}), 306, {}},
        {nullptr, line({WORD_LOOK, 755}), 269, {{STOP_ARG, 2478, 0}}},
        {nullptr, line({WORD_LOOK}), 269, {}, 0},
    });
    check_place(270, {{came_from(271), line({WORD_LOOK, 207}), 297, {}}});
    for (int place : {274, 275, 276, 277}) {
        fresh_world(place);
        outcome o = at_place(line({WORD_LOOK, 207}));
        EXPECT_EQ(o.place, place);
        EXPECT_EQ(o.loop, 0);
        EXPECT_EQ(value[VAR_COMMAND_STATUS], 1) << place;
    }
    check_place(271, {
        {nullptr, line({WORD_LOOK, 207}), 271, {{TYPED, 2902, 207}}, 1, 1},
        {nullptr, line({207}), 271, {{TYPED, 2904, 207}}},
    });
    // Every command at the window junction lets creatures onto the ledge.
    fresh_world(271);
    bitmod('s', 225, PFLAG_CREATURE_FREE);
    at_place(line({748}));
    EXPECT_FALSE(bitest(225, PFLAG_CREATURE_FREE));
}

// The iron door: oil frees it, water rusts it shut again.
TEST_F(Riddled, IronDoor) {
    auto vessel = [](int obj, int content, int where) {
        return [obj, content, where] {
            value[obj] = content;
            set_location(obj, where);
        };
    };
    check_place(282, {
        {nullptr, line({745}), 282, {{STOP, 1404, 0}}},
        {nullptr, line({WORD_GO, 8}), 282, {{STOP, 1404, 0}}},
        {[] { value[8] = 1; }, line({757}), 283, {}},
    });
    struct pour {
        std::function<void()> setup;
        std::string command;
        int door_before, door_after;
    };
    const pour pours[] = {
        {vessel(OBJ_VESSEL_MEDIUM, 4, PLACE_CARRIED), line({787}), 0, 1},
        {vessel(OBJ_VESSEL_SMALL, 4, 282), line({787, OBJ_LIQUID_2}), 0, 1},
        {vessel(OBJ_VESSEL_MEDIUM, 4, PLACE_CARRIED), line({8, OBJ_LIQUID_2}), 0, 1},
        {vessel(OBJ_VESSEL_MEDIUM, 4, PLACE_CARRIED), line({804, OBJ_VESSEL_MEDIUM}), 0, 1},
        {vessel(OBJ_VESSEL_MEDIUM, 3, PLACE_CARRIED), line({787}), 1, 0},
        {vessel(OBJ_VESSEL_LARGE, 3, PLACE_CARRIED), line({804, OBJ_VESSEL_LARGE}), 1, 0},
        // A vessel that is not here is not emptied onto the door.
        {vessel(OBJ_VESSEL_MEDIUM, 4, 200), line({804, OBJ_VESSEL_MEDIUM}), 0, 0},
    };
    for (const pour &p : pours) {
        fresh_world(282);
        p.setup();
        value[8] = p.door_before;
        at_place(p.command);
        EXPECT_EQ(value[8], p.door_after) << p.command;
    }
    fresh_world(282);
    vessel(OBJ_VESSEL_MEDIUM, 4, 200)();
    outcome o = at_place(line({804, OBJ_VESSEL_MEDIUM}));
    EXPECT_EQ(o.loop, 0);
    EXPECT_EQ(value[OBJ_VESSEL_MEDIUM], 4);
    // Pouring with nothing to pour says nothing here.
    check_place(282, {{nullptr, line({787}), 282, {}, 0}});
}

// The burrow: into the pool asks first, until the near shore has been
// reached; then the jump is made at once, with the loss.
TEST_F(Riddled, BurrowQuestion) {
    for (const std::string &command : {line({762}), line({755}), line({WORD_GO, 962}), line({762, 755})}) {
        fresh_world(283);
        outcome o = at_place(command);
        EXPECT_EQ(o.place, 283) << command;
        EXPECT_EQ(o.texts, (std::vector<said>{{SAY_STOP | SAY_REFVAR, VAR_PROMPT_TEXT, 0}})) << command;
        EXPECT_EQ(value[VAR_QUESTION], Q_PLACE_283) << command;
        EXPECT_EQ(value[VAR_PROMPT_TEXT], 1644) << command;
    }
    fresh_world(283);
    bitmod('s', 299, PFLAG_VISITED);
    carry(54);
    carry(OBJ_LIGHT_SOURCE);
    outcome o = at_place(line({762}));
    EXPECT_EQ(o.place, 299);
    EXPECT_EQ(location[54], PLACE_GONE);
    EXPECT_EQ(location[OBJ_LIGHT_SOURCE], PLACE_CARRIED);
    EXPECT_EQ(value[VAR_QUESTION], 0);
    check_place(283, {
        {nullptr, line({WORD_LOOK, 962}), 283, {{STOP_ARG, 2641, 2}}},
        {nullptr, line({WORD_LOOK, 899}), 283, {{STOP_ARG, 2641, 0}}},
        // The look block goes on: a bare look ends in the movement block.
        {nullptr, line({WORD_LOOK}), 283, {}, 0},
    });
    fresh_world(283);
    at_place(line({WORD_TAKE, 936}));
    EXPECT_EQ(value[VAR_LANDING_PLACE], PLACE_GONE);
    EXPECT_EQ(value[VAR_LANDING_TEXT], 1676);
}

// The squeeze: empty hands, or only the ring, the journal and things too
// slight to count.
TEST_F(Riddled, Squeeze) {
    auto holding = [](std::vector<int> objs) {
        return [objs] {
            for (int o : objs) {
                carry(o);
                if (!bitest(o, OFLAG_NOT_COUNTED)) value[VAR_CARRIED_COUNT]++;
            }
        };
    };
    auto holding_light = [] {
        carry(OBJ_LIGHT_SOURCE);
        value[VAR_CARRIED_COUNT] = 1;
    };
    auto slight = [] {
        carry(65);
        bitmod('s', 65, OFLAG_NOT_COUNTED);
    };
    check_place(286, {
        {nullptr, line({747}), 287, {}},
        {holding({58, 61}), line({747}), 287, {}},
        {slight, line({WORD_GO, 897}), 287, {}},
        {holding_light, line({747}), 286, {{STOP, 1410, 0}}},
        {holding({58, 107}), line({287}), 286, {{STOP, 1410, 0}}},
        {nullptr, line({WORD_LOOK, 779}), 286, {{STOP_ARG, 2921, 898}}},
    });
    check_place(287, {
        {nullptr, line({751}), 286, {}},
        {holding_light, line({758}), 287, {{STOP, 1410, 0}}},
        // The squeeze word: off to the drum chamber, the ring left here.
        {nullptr, line({287}), 222, {}},
        {holding({58}), line({287}), 222, {{0, 2073, 0}}},
        {nullptr, line({WORD_LOOK, 779}), 287, {{STOP, 2920, 0}}},
    });
    fresh_world(287);
    carry(58);
    at_place(line({287}));
    EXPECT_EQ(location[58], 287);
}

// The feature words of the writing: answered here, or left to the verb.
TEST_F(Riddled, WritingAndScratches) {
    check_place(278, {
        {nullptr, line({WORD_LOOK, 1018}), 278, {{STOP, 3122, 0}}},
        {nullptr, line({798}), 278, {{STOP, 3122, 0}}},
        {nullptr, line({WORD_TAKE, 134}), 278, {}, 0},
        {nullptr, line({848}), 278, {{STOP, 2464, 0}}, 1, 1},
    });
    check_place(281, {
        {nullptr, line({798}), 281, {{STOP, 2916, 0}}},
        {nullptr, line({WORD_LOOK, 134}), 281, {{STOP, 2916, 0}}},
        {nullptr, line({WORD_GO, 897}), 281, {{STOP_ARG, 2904, 897}}},
    });
    check_place(288, {
        {nullptr, line({WORD_TAKE, 133}), 288, {{TYPED, 1885, 133}}},
        {nullptr, line({798}), 288, {{STOP, 1494, 0}}},
        {nullptr, line({808, 133}), 288, {{TYPED, 2037, 133}}},
    });
    check_place(301, {
        {nullptr, line({WORD_LOOK, 73}), 301, {{STOP, 2523, 0}}},
        {nullptr, line({798}), 301, {{STOP, 2523, 0}}},
        {nullptr, line({WORD_TAKE, 1018}), 301, {{TYPED, 1885, 73}}},
        {nullptr, line({73}), 301, {{TYPED, 1507, 73}}, 1, 1},
        {nullptr, line({WORD_LOOK, 962}), 301, {{TYPED, 2593, VAR_ARG2}}},
        {nullptr, line({790, 899}), 301, {{STOP, 2638, 0}}},
        {nullptr, line({WORD_LOOK, 1016}), 301, {{STOP, 3161, 0}}},
    });
    fresh_world(301);
    at_place(line({73}));
    EXPECT_TRUE(bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_ORPHAN));
    check_place(294, {
        {nullptr, line({798}), 294, {{STOP_ARG, 1870, 1080}}},
        {nullptr, line({WORD_TAKE, 1080}), 294, {{TYPED, 1885, VAR_ARG2}}},
        {nullptr, line({294}), 294, {{STOP, 1425, 0}}},
    });
}

// The places where a word is death: the top of the plant, the rift ledge
// and the tablet alcove.
TEST_F(Riddled, Deaths) {
    struct death {
        int place;
        std::string command;
        int at;
    };
    for (const death &d : {death{279, line({762}), 218}, death{289, line({762}), 283},
                           death{289, line({WORD_GO, 762}), 283}, death{301, line({762}), PLACE_GONE},
                           death{301, line({762, 757}), PLACE_GONE}}) {
        fresh_world(d.place);
        outcome o = at_place(d.command);
        EXPECT_EQ(o.place, d.at) << d.place << " " << d.command;
        EXPECT_EQ(first(o.texts, 1), (std::vector<said>{{SAY_ARG | SAY_ARGVAR, 1502, VAR_DEATHS}})) << d.place;
        EXPECT_EQ(value[VAR_DEATHS], 1);
    }
    check_place(301, {{nullptr, line({762, 936}), 301, {}, 0}});
}

TEST_F(Riddled, SmallRows) {
    check_place(284, {
        // "Cloth" with no cloth near is the vein.
        {nullptr, line({WORD_LOOK, 63}), 284, {{TYPED, 2037, VAR_ARG2}}},
        {nullptr, line({749}), 284, {{STOP, 1719, 0}}},
    });
    fresh_world(284);
    at_place(line({WORD_TAKE, 63}));
    EXPECT_EQ(value[VAR_ARG2], 41);
    fresh_world(284);
    carry(63);
    at_place(line({WORD_TAKE, 63}));
    EXPECT_EQ(value[VAR_ARG2], 63);
    check_place(291, {
        {[] { carry(114); }, line({749}), 291, {{TYPED, 1411, 114}}},
        {[] { carry(115); }, line({WORD_GO, 261}), 291, {{TYPED, 1411, 115}}},
        {[] { carry(114); }, line({755}), 292, {}},
    });
    check_place(296, {
        {nullptr, line({WORD_TAKE, 12}), 296, {{TYPED, 1437, 12}}},
        {nullptr, line({WORD_LOOK, 12}), 296, {{STOP, 2940, 0}}},
    });
    check_place(285, {{nullptr, line({815, 929}), 285, {{STOP, 1282, 0}}}});
    check_place(289, {
        {nullptr, line({10}), 289, {{STOP, 2972, 0}}},
        {nullptr, line({WORD_LOOK, 755}), 289, {{STOP_ARG, 2478, 1}}},
    });
    check_place(277, {{nullptr, line({WORD_LOOK, 1054}), 277, {{STOP, 1383, 0}}}});
    check_place(259, {
        {nullptr, line({952}), 259, {{STOP, 2601, 0}}},
        {nullptr, line({763}), 259, {{STOP, 1968, 0}}},
        {nullptr, line({790, 899}), 259, {}, 0},
    });
    check_place(268, {{nullptr, line({751}), 268, {{STOP, 2974, 0}}}});
    check_place(290, {{nullptr, line({WORD_GO, 290}), 290, {{STOP, 1425, 0}}}});
}

// The lake: the ferry takes the player across once and does not come back.
TEST_F(Riddled, Lake) {
    auto ferry = [] { set_location(29, 299); };
    check_place(299, {
        {ferry, line({749}), 298, {{0, 1641, 0}}},
        {nullptr, line({749}), 299, {{STOP, 1640, 0}}},
        {nullptr, line({837}), 299, {{STOP, 1640, 0}}},
        {ferry, line({757, OBJ_LIQUID_1}), 298, {{0, 1641, 0}}},
        {[] { set_location(27, 299); }, line({WORD_TAKE, 27}), 299, {{TYPED, 2600, 27}}},
        {ferry, line({798, 29}), 299, {{STOP, 3474, 0}}},
    });
    fresh_world(299);
    ferry();
    at_place(line({749}));
    EXPECT_EQ(location[29], PLACE_OFFSTAGE);
    check_place(298, {
        {nullptr, line({745}), 298, {{STOP, 1640, 0}}},
        {nullptr, line({WORD_LOOK, 466}), 298, {{TYPED, 2951, 466}}},
    });
}

// The exchange grotto: what is put down is the trader's, but for the cloth
// and the firefly; and the one exchange of the fruit for the cloth's worth.
TEST_F(Riddled, ExchangeGrotto) {
    auto put_down = [](int obj, int state) {
        return [obj, state] {
            carry(obj);
            value[obj] = state;
        };
    };
    const std::vector<said> taken = {{0, 2064, 0}, {STOP, 2051, 0}};
    auto then_taken = [&taken](said first_reply) {
        std::vector<said> v = {first_reply};
        v.insert(v.end(), taken.begin(), taken.end());
        return v;
    };
    check_place(584, {
        {nullptr, line({WORD_DROP, 53}), 584, {{TYPED, 1513, VAR_ARG2}}, 1, 0},
        {put_down(53, 0), line({WORD_DROP, 53}), 584, then_taken({ARG | SAY_ARGVAR, 2056, VAR_ARG2})},
        {put_down(83, 0), line({WORD_DROP, 83}), 584, then_taken({0, 2057, 0})},
        {put_down(100, 1), line({WORD_DROP, 100}), 584, then_taken({0, 2061, 0})},
        {put_down(100, 3), line({WORD_DROP, 100}), 584, then_taken({0, 2062, 0})},
        {put_down(56, 0), line({WORD_DROP, 56}), 584, then_taken({0, 2060, 0})},
        {put_down(109, 1), line({WORD_DROP, 109}), 584, {{STOP, 2059, 0}}},
        {put_down(63, 0), line({WORD_DROP, 63}), 584, {{STOP, 2069, 0}}},
        {nullptr, line({WORD_LOOK, 156}), 584, {{STOP, 2068, 0}}},
        {nullptr, line({798}), 584, {{STOP, 2114, 0}}},
        {nullptr, line({WORD_TAKE, 1080}), 584, {{TYPED, 1885, 134}}},
        {nullptr, line({757}), 584, {{STOP, 2067, 0}}},
    });
    // Where the things put down end, and what the trader says of them.
    struct offering {
        int obj, state;
        std::function<void()> more;
        int remark, where_after, state_after;
    };
    const offering offerings[] = {
        {53, 0, nullptr, 4, PLACE_GONE, 0},
        {43, 0, nullptr, 1, PLACE_GONE, 0},
        {57, 0, nullptr, 0, PLACE_GONE, 0},
        {116, 0, nullptr, 2, PLACE_GONE, 0},
        {114, 0, nullptr, 5, PLACE_GONE, 0},
        {118, 0, nullptr, 3, PLACE_GONE, 0},
        {83, 0, nullptr, 1, PLACE_GONE, 0},  // the tusk becomes a treasure as it goes
        {OBJ_VESSEL_MEDIUM, 3, nullptr, 3, PLACE_GONE, 2},
        {108, 0, [] { carry(109); }, 3, PLACE_GONE, 0},
        {109, 1, nullptr, 3, 584, 0},
        {63, 0, nullptr, 3, PLACE_CARRIED, 0},
    };
    for (const offering &o : offerings) {
        fresh_world(584);
        put_down(o.obj, o.state)();
        bitmod('s', 43, OFLAG_SCORING);
        bitmod('s', 53, OFLAG_SCORING);
        if (o.more) o.more();
        value[2051] = 3;
        at_place(line({WORD_DROP, o.obj}));
        EXPECT_EQ(value[2051], o.remark) << o.obj;
        EXPECT_EQ(location[o.obj], o.where_after) << o.obj;
        EXPECT_EQ(value[o.obj], o.state_after) << o.obj;
    }
    // The jar goes; the firefly in it flies home.
    fresh_world(584);
    carry(108);
    carry(109);
    value[109] = 1;
    at_place(line({WORD_DROP, 108}));
    EXPECT_EQ(location[109], 208);
    EXPECT_EQ(value[109], 0);
    EXPECT_EQ(value[2063], 1);

    // The exchange.
    auto trader_and = [](std::vector<int> near_objs, bool seen) {
        return [near_objs, seen] {
            set_location(135, 584);
            for (int o : near_objs) carry(o);
            if (seen) bitmod('s', 142, OFLAG_SEEN);
        };
    };
    check_place(584, {
        {nullptr, line({807, 135}), 584, {{0, 2804, 0}, {STOP_ARG, 2216, 1}}},
        {trader_and({}, false), line({67}), 584, {{STOP_ARG, 2216, 1}}},
        {trader_and({63}, false), line({807}), 584, {{ARG, 2217, 0}, {STOP, 2220, 0}}},
        {trader_and({63}, true), line({807, 135}), 584, {{ARG, 2217, 1}, {STOP, 2220, 0}}},
        {trader_and({63, 141}, true), line({67}), 584, {{ARG, 2217, 1}, {STOP_ARG, 2218, 0}}},
        {[] { set_location(135, 200); }, line({807}), 584, {{TYPED, 1319, 135}}, 1, 1},
    });
    fresh_world(584);
    trader_and({63, 141}, false)();
    at_place(line({67}));
    EXPECT_EQ(location[141], PLACE_GONE);
    EXPECT_TRUE(bitest(63, OFLAG_SCORING));
    EXPECT_TRUE(bitest(142, OFLAG_SEEN));
    EXPECT_EQ(value[3224], 1);  // the bargain and the blessing are kept
    EXPECT_EQ(value[3231], 1);
    check_place(584, {{[&trader_and] {
                            trader_and({63}, true)();
                            bitmod('s', 63, OFLAG_SCORING);
                        },
                        line({807}), 584, {{STOP, 2219, 0}}}});
    // Naming the trader calls it up, even in a look.
    fresh_world(584);
    value[2069] = 2;
    at_place(line({WORD_LOOK, 135}));
    EXPECT_EQ(location[135], 584);
    EXPECT_EQ(value[2069], 3);
}

// Every text these places say is written.
TEST_F(Riddled, TextsAreWritten) {
    for (int t : {1282, 1319, 1345, 1359, 1383, 1404, 1410, 1411, 1417, 1425, 1437, 1494, 1507, 1513, 1589, 1640,
                  1641, 1644, 1671, 1673, 1674, 1675, 1676, 1677, 1685, 1719, 1870, 1885, 1968, 2019, 2037, 2051,
                  2056, 2057, 2058, 2059, 2060, 2061, 2062, 2064, 2067, 2068, 2069, 2073, 2093, 2114, 2138, 2165,
                  2216, 2217, 2218, 2219, 2220, 2380, 2464, 2478, 2479, 2523, 2584, 2592, 2593, 2600, 2601, 2638,
                  2641, 2750, 2760, 2804, 2847, 2902, 2903, 2904, 2911, 2914, 2915, 2916, 2917, 2918, 2920, 2921,
                  2922, 2929, 2930, 2932, 2934, 2939, 2940, 2944, 2945, 2946, 2947, 2948, 2949, 2951, 2952, 2961,
                  2972, 2973, 2974, 2975, 3001, 3002, 3122, 3123, 3126, 3127, 3159, 3160, 3161, 3474})
        EXPECT_FALSE(wording({0, t, 0}).empty()) << t;
}

// The nook, the ledge, the shaft, the shores and the grotto's glint that the
// descriptions name are answered by a closer look.
TEST_F(Riddled, NamedFeaturesAnswerALook) {
    const std::vector<feature_reply> cases = {
        {288, "examine nook", {STOP_ARG, 2033, 932}},
        {289, "examine ledge", {STOP, 2973, 0}},
        {296, "examine shaft", {STOP, 2592, 0}},
        {298, "examine shore", {STOP, 2949, 0}},
        {299, "examine shore", {STOP, 2949, 0}},
        {284, "examine glint", {STOP, 2093, 0}},
        // Looking down from above a drop, a hole or a pool.
        {290, "look down", {STOP_ARG, 2478, 1}},
        {279, "look down", {STOP, 2917, 0}},
        {283, "look down", {STOP_ARG, 2641, 2}},
    };
    expect_replies(cases);
}

}  // namespace
