// The pools and the fumes: the narrow entry and the pool stair, the plunge
// pool and its edge above the fall, the vents and the fume passages, the
// stream gallery and the upstream pool, the crawlway, the whirling cave and
// the quiet pocket, the dead-end cell. Their exits, the ways drawn at
// random, the pools' landing, the counted strokes upstream and what the
// water and the wind carry off, through the real command reader and
// dispatch up to the place procedure.
#include "place_sweeps.h"

namespace {

using namespace game_test;

class Pools : public PlacesTest {};

constexpr int EEL = 94;

exit_map with(exit_map m, std::initializer_list<std::pair<const int, int>> more) {
    for (const auto &[w, p] : more) m[w] = p;
    return m;
}

std::function<void()> eel_flag(int flag) {
    return [flag] { bitmod('s', EEL, flag); };
}
std::function<void()> state_of(int entity, int v) {
    return [entity, v] { value[entity] = v; };
}

// A death in the early phases: a new line, and the question whether to go on.
const std::vector<said> death_question = {{0, 1266, 0}, {STOP, 1379, 0}};

// The ways out of the places whose exits are fixed.
TEST_F(Pools, ExitTables) {
    const exit_map entry = {{749, 294}, {745, 497}, {751, 498}, {888, 498}, {893, 498}, {202, 498}, {902, 498}};
    const exit_map side = {{749, 496}, {897, 496}, {308, 496}, {898, 496}};
    const exit_map stair = {{751, 499}, {849, 499}, {755, 500}, {754, 496}, {747, 496},
                            {888, 496}, {893, 496}, {202, 496}, {758, 496}};
    const exit_map upper = {{747, 498}, {755, 498}, {758, 498}, {897, 498}, {898, 498}, {308, 498}};
    const exit_map plunge = {{755, 502}, {762, 502}, {981, 502}, {754, 498}, {758, 498},
                             {761, 498}, {727, 501}, {848, 498}};
    const exit_map edge = {{762, 503}, {755, 503}, {981, 503}, {754, 498}, {758, 498}, {848, 498}};
    const exit_map fall = {{749, 503}, {758, 503}, {503, 503}, {898, 503}, {897, 503}, {308, 503}};
    const exit_map vents = {{745, 502}, {749, 504}};
    const exit_map crossing = {{745, 503}, {503, 503}, {750, 508}, {751, 509}, {752, 509},
                               {747, 505}, {749, 505}, {748, 505}};
    const exit_map passage = {{745, 504}, {748, 506}, {750, 506}};
    const exit_map lower = {{745, 505}, {749, 507}, {748, 507}};
    const exit_map pocket = {{745, 506}, {758, 506}, {1061, 506}, {271, 506}};
    const exit_map shaft = {{746, 504}, {1061, 504}, {503, 504}, {754, 510}, {757, 510},
                            {758, 510}, {900, 510}, {1060, 510}};
    const exit_map dead_end = {{747, 504}, {758, 504}, {503, 504}};
    const exit_map gallery = {{755, 508}, {850, 508}, {745, 511}, {746, 511}, {747, 511}, {748, 511},
                              {749, 511}, {750, 511}, {751, 511}, {752, 511}, {754, 511}, {849, 511}};
    const exit_map crawl_start = {{751, 284}, {902, 284}, {893, 284}, {76, 284}, {745, 513}, {897, 513}};
    const exit_map crawlway = {{749, 512}, {283, 512}, {745, 514}};
    const exit_map crawl_end = {{750, 513}, {897, 513}, {745, 515}, {937, 515}, {902, 515}, {893, 515}};
    const exit_map cell = {{745, 457}, {761, 457}, {758, 457}};
    const exit_map quiet = {{745, 515}, {746, 515}, {747, 515}, {748, 515}, {749, 515},
                            {750, 515}, {751, 515}, {752, 515}, {761, 515}};
    auto onward = [](exit_map m, int to, std::initializer_list<int> words) {
        for (int w : words) m[w] = to;
        return m;
    };

    check_sweeps({
        {496, nullptr, entry, entry},
        {496, came_from(294), onward(entry, 497, {897, 308, 898}), onward(entry, 497, {897, 308, 898})},
        {496, came_from(497), onward(entry, 294, {897, 308, 898}), onward(entry, 294, {897, 308, 898})},
        {497, nullptr, side, side},
        {498, nullptr, stair, stair},
        {498, eel_flag(13), with(stair, {{755, 501}}), with(stair, {{755, 501}})},
        {499, nullptr, upper, upper},
        {500, nullptr, plunge, plunge},
        {501, nullptr, edge, edge},
        {502, nullptr, fall, fall},
        {503, came_from(502), with(vents, {{503, 504}}), with(vents, {{503, 504}})},
        {503, came_from(504), with(vents, {{503, 502}}), with(vents, {{503, 502}})},
        {504, nullptr, crossing, crossing},
        {505, nullptr, passage, passage},
        {506, nullptr, lower, lower},
        {507, nullptr, pocket, pocket},
        {508, nullptr, shaft, shaft},
        {509, nullptr, dead_end, dead_end},
        {510, nullptr, gallery, gallery},
        {512, nullptr, crawl_start, crawl_start},
        {513, nullptr, crawlway, crawlway},
        {513, came_from(512), onward(crawlway, 514, {898, 897, 308}), onward(crawlway, 514, {898, 897, 308})},
        {513, came_from(514), onward(crawlway, 512, {898, 897, 308}), onward(crawlway, 512, {898, 897, 308})},
        {514, nullptr, crawl_end, crawl_end},
        {516, nullptr, cell, cell},
        {517, nullptr, quiet, quiet},
    });
}

// The narrow entry and the side grotto: the look rows, the chimney that a
// bulky load will not pass, and the passage rule between the two ways.
TEST_F(Pools, NarrowEntryAndSideGrotto) {
    auto bulky = [] {
        carry(136);
        bitmod('s', 136, OFLAG_BLOCKS_PASSAGE);
    };
    check_place(496, {
        {nullptr, line({WORD_LOOK, 993}), 496, {{STOP, 3109, 0}}},
        {nullptr, line({WORD_LOOK, 1026}), 496, {{STOP, 3110, 0}}},
        {nullptr, line({WORD_LOOK, 376}), 496, {{STOP_ARG, 3107, 0}}},
        {nullptr, line({WORD_LOOK, 936}), 496, {{STOP_ARG, 3104, 1060}}},
        // The chimney refuses a bulky load, either way.
        {bulky, line({751}), 496, {{STOP_ARG, 2634, 1060}}},
        {bulky, line({757, 888}), 496, {{STOP_ARG, 2634, 1060}}},
        {nullptr, line({757, 888}), 498, {}},
        // A passage without a way in: which way?
        {nullptr, line({897}), 496, {{STOP, 1297, 0}}},
        {nullptr, line({WORD_TAKE, 1055}), 496, {}, 0},
    });
    check_place(498, {{bulky, line({754}), 498, {{STOP_ARG, 2634, 202}}}});
    check_place(497, {
        {nullptr, line({WORD_LOOK, 1055}), 497, {{STOP, 3108, 0}}},
        {nullptr, line({WORD_LOOK, 834}), 497, {{STOP_ARG, 3107, 1}}},
        {nullptr, line({WORD_LOOK, 766}), 497, {{STOP, 3050, 0}}},
        {nullptr, line({WORD_LOOK, 308}), 497, {{STOP_ARG, 2903, 897}}, 1, 1},
    });
    // Looking along the passage shows the place, as a look alone would.
    fresh_world(496);
    outcome o = at_place(line({WORD_LOOK, 898}));
    EXPECT_EQ(o.loop, 0);
    EXPECT_EQ(value[VAR_COMMAND_STATUS], 1);
    fresh_world(496);
    at_place(line({WORD_TAKE, 993}));
    EXPECT_TRUE(bitest(VAR_QUESTION, 1));
}

// The pool stair: the water, the look rows that do not end the procedure,
// the way down by the eel's flag, and what goes over the fall from here.
TEST_F(Pools, PoolStair) {
    check_place(498, {
        // Water in any command but drinking and pouring.
        {nullptr, line({WORD_LOOK, 120}), 498, {{STOP, 3103, 0}}},
        {nullptr, line({WORD_TAKE, 120}), 498, {{STOP, 3103, 0}}},
        {nullptr, line({790, 120}), 498, {}, 0},
        {nullptr, line({787}), 498, {}, 0},
        {nullptr, line({WORD_FILL_VESSEL, 119}), 498, {{STOP, 3103, 0}}},
        {nullptr, line({WORD_LOOK, 1137}), 498, {{STOP, 3101, 0}}},
        {nullptr, line({WORD_LOOK, 475}), 498, {{STOP, 3102, 0}}},
        {nullptr, line({WORD_LOOK, 981}), 498, {{STOP, 3489, 0}}},
        {state_of(202, 1), line({WORD_LOOK, 893}), 498, {{TYPED, 3104, 202}}},
        // A look with no row of its own goes on to the stair's rows.
        {nullptr, line({WORD_LOOK, 751}), 498, {}, 0},
        // Climbing down, going out by the crack.
        {nullptr, line({848, 755}), 500, {}},
        {eel_flag(13), line({848, 755}), 501, {}},
        {nullptr, line({758, 888}), 496, {}},
    });
    // Things put down or thrown here land at the foot of the fall, named.
    for (int here : {498, 500, 501}) {
        fresh_world(here);
        at_place(line({WORD_TAKE, 936}));
        EXPECT_EQ(value[VAR_LANDING_PLACE], 502) << here;
        EXPECT_EQ(value[VAR_DROP_PLACE], 502) << here;
        EXPECT_EQ(value[VAR_LANDING_TEXT], here == 498 ? 2098 : 1776) << here;
        EXPECT_EQ(value[VAR_DROP_TEXT], here == 498 ? 2098 : 1776) << here;
        EXPECT_EQ(value[VAR_DROP_TEXT_MODE], 1) << here;
        for (int v : {VAR_LANDING_PLACE, VAR_DROP_PLACE, VAR_LANDING_TEXT, VAR_DROP_TEXT})
            EXPECT_EQ(*bitword(v), ref_mark) << here << " " << v;
    }
}

// A lamp dropped or thrown on the stair, in the plunge pool or at its edge
// goes over the fall and lies at its foot; the text names it first, lit or
// not (thrown, a lit lamp once went over with no name).
TEST_F(Pools, DroppedOverTheFall) {
    struct road {
        int here, verb, lamp_state;
        const char *tail;
    };
    for (const road &r : std::vector<road>{
             {498, WORD_DROP, 0, "slides down the steps"},
             {498, 793, 1, "slides down the steps"},
             {500, WORD_DROP, 1, "is swept over the fall"},
             {500, 793, 0, "is swept over the fall"},
             {501, 793, 1, "is swept over the fall"},
         }) {
        fresh_world(r.here);
        carry(OBJ_LIGHT_SOURCE);
        value[OBJ_LIGHT_SOURCE] = r.lamp_state;
        outcome o = turn(line({r.verb, OBJ_LIGHT_SOURCE}));
        EXPECT_EQ(location[OBJ_LIGHT_SOURCE], 502) << r.here << " " << r.verb;
        std::string all;
        for (const said &s : o.texts) all += wording(s);
        EXPECT_EQ(all.find("The lamp"), 0u) << all;
        EXPECT_NE(all.find(r.tail), std::string::npos) << all;
    }
}

TEST_F(Pools, UpperGrotto) {
    auto creeper_hall_seen = [] { bitmod('s', 443, PFLAG_VISITED); };
    check_place(499, {
        {nullptr, line({790}), 499, {}, 0},
        {nullptr, line({WORD_TAKE, 120}), 499, {{STOP, 3172, 0}}},
        // The font answers before the look row that names it.
        {nullptr, line({WORD_LOOK, 99}), 499, {{STOP, 1730, 0}}},
        {nullptr, line({WORD_LOOK, 1058}), 499, {{STOP, 3100, 0}}},
        {nullptr, line({WORD_TAKE, 941}), 499, {{STOP_ARG, 2541, 0}}},
        {creeper_hall_seen, line({WORD_TAKE, 941}), 499, {{STOP_ARG, 2541, 1}}},
        {nullptr, line({WORD_LOOK, 941}), 499, {{STOP, 2542, 0}}},
        {nullptr, line({785, 941}), 499, {}, 0},
        {nullptr, line({889}), 499, {{STOP, 1425, 0}}},
    });
    fresh_world(499);
    at_place(line({785, 941}));
    EXPECT_TRUE(bitest(VAR_QUESTION, 1));
}

// The plunge pool: down with the water is a death at the foot of the fall;
// climbing out sets the eel's flag, calms it and draws the fumes anew.
TEST_F(Pools, PlungePool) {
    for (const std::string &command : {line({755}), line({WORD_GO, 981}), line({762, 755}), line({848, 981})}) {
        fresh_world(500);
        outcome o = at_place(command);
        EXPECT_EQ(o.place, 502) << command;
        std::vector<said> want = {{0, 1717, 0}, {0, 1716, 0}};
        want.insert(want.end(), death_question.begin(), death_question.end());
        EXPECT_EQ(o.texts, want) << command;
        EXPECT_EQ(value[VAR_DEATHS], 1) << command;
    }
    const int32_t three = seed_where({4}, [](const std::vector<int> &d) { return d[0] == 3; });
    auto eel_busy = [three] {
        value[EEL] = 4;
        value[VAR_HAZARD_LEVEL] = 6;
        rseed = three;
    };
    check_place(500, {
        {eel_busy, line({758}), 498, {}, 1, 1},
        {eel_busy, line({727}), 501, {{0, 1450, 0}}, 1, 1},
        {nullptr, line({WORD_LOOK, 755}), 500, {{STOP, 3092, 0}}},
        {nullptr, line({WORD_LOOK, 956}), 500, {{STOP, 3093, 0}}},
        {nullptr, line({WORD_LOOK, 34}), 500, {{STOP, 3094, 0}}},
        // Looking down the shaft is only a look.
        {nullptr, line({WORD_LOOK, 981}), 500, {}, 0},
    });
    fresh_world(500);
    eel_busy();
    at_place(line({754}));
    EXPECT_TRUE(bitest(EEL, 13));
    EXPECT_EQ(value[EEL], 0);
    EXPECT_EQ(value[VAR_HAZARD_LEVEL], 3);
}

// The pool edge: over the side to the vents, the eel's flags turned about.
TEST_F(Pools, PoolEdge) {
    check_place(501, {
        {nullptr, line({762}), 503, {{0, 1717, 0}}},
        {nullptr, line({WORD_LOOK, 970}), 501, {{STOP, 3095, 0}}},
        {nullptr, line({WORD_LOOK, 120}), 501, {{STOP, 3092, 0}}},
    });
    fresh_world(501);
    bitmod('s', EEL, 13);
    at_place(line({755}));
    EXPECT_FALSE(bitest(EEL, 13));
    EXPECT_TRUE(bitest(EEL, 14));
}

// The foot of the fall: the lettering, the heap, the pool, the reliquary
// looked for, and the line width left to its own word.
TEST_F(Pools, BottomOfTheFall) {
    auto winder_read = [] {
        set_location(92, 502);
        bitmod('s', 92, 13);
    };
    check_place(502, {
        {nullptr, line({798}), 502, {{STOP_ARG, 1870, 74}}},
        {nullptr, line({WORD_LOOK, 74}), 502, {{STOP_ARG, 1870, 74}}},
        {winder_read, line({WORD_LOOK, 74}), 502, {{STOP, 3068, 0}}},
        {nullptr, line({WORD_TAKE, 79}), 502, {{STOP, 1777, 0}}},
        {nullptr, line({WORD_LOOK, 79}), 502, {{STOP, 1777, 0}}},
        {nullptr, line({950}), 502, {{STOP, 1777, 0}}},
        {nullptr, line({WORD_LOOK, 936}), 502, {{STOP, 3067, 0}}},
        {nullptr, line({WORD_LOOK, 34}), 502, {{STOP, 3094, 0}}},
        {nullptr, line({WORD_LOOK, 503}), 502, {{STOP, 3069, 0}}},
        {nullptr, line({WORD_LOOK, 950}), 502, {{STOP_ARG, 2952, 950}}},
        {nullptr, line({WORD_LOOK, 376}), 502, {{STOP, 3071, 0}}},
        {nullptr, line({WORD_LOOK, 43}), 502, {{STOP, 3072, 0}}},
        {[] { set_location(43, 502); }, line({WORD_LOOK, 43}), 502, {}, 0},
        {nullptr, line({WORD_LINE_WIDTH}), 502, {}, 0},
    });
    // The width word is answered by its own procedure here.
    fresh_world(502);
    outcome o = turn(line({WORD_LINE_WIDTH}));
    ASSERT_FALSE(o.texts.empty());
    EXPECT_EQ(o.texts[0].text, 3236);
}

// The vents and the crossing: the stonework answers before the walls, the
// eel answers a command that names it, and the pipe.
TEST_F(Pools, VentsAndCrossing) {
    for (int here : {502, 503, 504}) check_place(here, {{nullptr, line({WORD_LOOK, 936}), here, {{STOP, 3067, 0}}}});
    check_place(503, {{nullptr, line({503}), 503, {{STOP, 1297, 0}}}});
    check_place(504, {
        {nullptr, line({WORD_LOOK, 1061}), 504, {{STOP_ARG, 1512, 1}}},
        {nullptr, line({WORD_LOOK, 475}), 504, {{STOP, 3071, 0}}},
        {nullptr, line({1061}), 504, {{STOP, 1297, 0}}},
        {nullptr, line({WORD_TAKE, EEL}), 504, {{SAY_DETAIL, EEL, 0}}},
        {state_of(EEL, 2), line({795, EEL}), 504, {{STOP, 1995, 0}}},
    });
}

// The fume passages and the shaft: the pipe as it looks at each, the
// junctions, and the climb out of the fumes.
TEST_F(Pools, FumePassagesAndShaft) {
    for (auto [here, view] : {std::pair{505, 1}, {506, 1}, {507, 0}, {508, 2}})
        check_place(here, {{nullptr, line({WORD_LOOK, 1061}), here, {{STOP_ARG, 1512, view}}}});
    check_place(509, {{nullptr, line({WORD_LOOK, 1061}), 509, {{STOP, 1512, 0}}}});
    for (int here : {505, 506, 508}) check_place(here, {{nullptr, line({271}), here, {{STOP, 1425, 0}}}});
    for (int here : {505, 506}) check_place(here, {{nullptr, line({WORD_GO, 1061}), here, {{STOP, 1297, 0}}}});
    for (int here : {505, 506, 507, 508, 509})
        check_place(here, {{nullptr, line({WORD_LOOK, 936}), here, {{STOP, 3094, 0}}}});
    check_place(508, {
        {nullptr, line({WORD_LOOK, 899}), 508, {{STOP_ARG, 2165, 899}}},
        {nullptr, line({WORD_LOOK, 1060}), 508, {{STOP, 3066, 0}}},
        {nullptr, line({848, 1060}), 508, {}, 0},
        {nullptr, line({754}), 510, {{0, 3061, 0}}},
    });
    // A rag left in the fumes goes down to the foot of the fall; one
    // elsewhere stays where it is.
    for (auto [rag_at, after] : {std::pair{506, 502}, {509, 502}, {510, 510}, {PLACE_CARRIED, PLACE_CARRIED}}) {
        fresh_world(508);
        set_location(132, rag_at);
        at_place(line({900}));
        EXPECT_EQ(location[132], after) << rag_at;
        EXPECT_EQ(value[1201], 1);
    }
}

// The fumes looked at are a fine spray that glows faintly gold, and every
// place in them describes them so.
TEST_F(Pools, FumesLookAsTheyAreDescribed) {
    EXPECT_NE(wording({STOP, 3060, 0}).find("gold"), std::string::npos);
    for (int here = 503; here <= 509; here++) {
        fresh_world(here);
        bitmod('s', here, PFLAG_HAZARD);
        EXPECT_EQ(turn(line({WORD_LOOK, 956})).texts, (std::vector<said>{{STOP, 3060, 0}})) << here;
        const std::string described = wording({SAY_DETAIL, here, 0});
        EXPECT_NE(described.find("gold"), std::string::npos) << here << ": " << described;
    }
}

// The stream gallery: the stream's replies, the way down stirs the pool,
// the way up starts the count afresh.
TEST_F(Pools, StreamGallery) {
    for (int here : {510, 511})
        check_place(here, {
            {nullptr, line({WORD_LOOK, 899}), here, {{STOP_ARG, 2165, 899}}},
            {nullptr, line({763, 899}), here, {{STOP, 1967, 0}}},
            {nullptr, line({837}), here, {}, 0},
            {nullptr, line({WORD_TAKE, 899}), here, {{STOP, 1412, 0}}},
            {nullptr, line({WORD_LOOK, 897}), here, {{STOP_ARG, 2902, 897}}, 1, 1},
            {nullptr, line({898}), here, {{STOP, 1297, 0}}},
        });
    fresh_world(510);
    at_place(line({850}));
    EXPECT_TRUE(bitest(EEL, 14));
    fresh_world(510);
    value[511] = 3;
    EXPECT_EQ(at_place(line({749})).place, 511);
    EXPECT_EQ(value[511], 0);
}

// The upstream pool: four strokes upstream fail and each sweeps off what
// lies here; the fifth reaches the slant, and what was swept away washes
// up at the foot of the fall. Stirred up, the pool lets no one through.
TEST_F(Pools, UpstreamPool) {
    fresh_world(511);
    set_location(119, 511);  // the jug
    bitmod('s', 119, OFLAG_PORTABLE);
    for (int stroke = 1; stroke <= 4; stroke++) {
        outcome o = at_place(line({849}));
        EXPECT_EQ(o.place, 511) << stroke;
        EXPECT_EQ(value[511], stroke);
        EXPECT_EQ(location[119], PLACE_HOLDING);
    }
    outcome o = at_place(line({754}));
    EXPECT_EQ(o.place, 223);
    EXPECT_EQ(value[511], 0);
    EXPECT_EQ(location[119], 502);

    // Stirred: the stroke only sweeps things off, and counts nothing.
    fresh_world(511);
    bitmod('s', EEL, 14);
    value[511] = 4;
    set_location(119, 511);
    bitmod('s', 119, OFLAG_PORTABLE);
    EXPECT_EQ(at_place(line({WORD_GO, 754})).place, 511);
    EXPECT_EQ(value[511], 4);
    EXPECT_EQ(location[119], PLACE_HOLDING);

    // The stream itself is answered before any stroke.
    check_place(511, {{nullptr, line({899}), 511, {{STOP, 1412, 0}}}});

    // Downstream: once in seven or so the current lets go (one draw);
    // otherwise the player stays, and so does the count.
    auto draw = [](bool low) {
        return draws_where({100}, [low](const std::vector<int> &d) { return (d[0] <= 14) == low; });
    };
    check_place(511, {
        {draw(true), line({850}), 510, {}, 1, 1},
        {draw(false), line({755}), 511, {}, 1, 1},
        {nullptr, line({745}), 511, {}, 1, 0},
    });
}

// The crawlway: its look rows, the burrow, the mist at its end.
TEST_F(Pools, Crawlway) {
    check_place(512, {
        {nullptr, line({WORD_LOOK, 893}), 512, {{STOP_ARG, 3097, 902}}},
        {nullptr, line({WORD_LOOK, 76}), 512, {{STOP, 3096, 0}}},
        {nullptr, line({WORD_LOOK, 897}), 512, {{STOP_ARG, 2903, 897}}, 1, 1},
        {nullptr, line({283}), 512, {{STOP, 1425, 0}}},
    });
    check_place(513, {
        {nullptr, line({WORD_LOOK, 283}), 513, {{TYPED, 2952, 283}}},
        {nullptr, line({WORD_LOOK, 1130}), 513, {{STOP, 3090, 0}}},
        {nullptr, line({897}), 513, {{STOP, 1297, 0}}},
    });
    check_place(514, {
        {nullptr, line({WORD_LOOK, 376}), 514, {{TYPED, 2690, VAR_ARG2}}},
        {nullptr, line({WORD_LOOK, 937}), 514, {{STOP, 1359, 0}}},
        {nullptr, line({WORD_LOOK, 902}), 514, {{STOP, 3098, 0}}},
        {nullptr, line({WORD_GO, 283}), 514, {{STOP, 1425, 0}}},
    });
    // The mist is named by the word typed.
    fresh_world(514);
    outcome o = at_place(line({WORD_LOOK, 475}));
    EXPECT_EQ(wording(o.texts[0]), "Mist hangs everywhere; you can make nothing of the roof through it.\n");
}

// The whirling cave: a compass word sweeps away what lies here first; then
// east and west go to the quiet pocket one time in five, else round again;
// the other ways leave the cave one time in three, bringing out what was
// swept away in the quiet pocket.
TEST_F(Pools, WhirlingCave) {
    auto seeded = [](std::initializer_list<int> moduli, std::function<bool(const std::vector<int> &)> ok) {
        const int32_t s = seed_where(moduli, ok);
        return [s] {
            rseed = s;
            set_location(119, 515);
            bitmod('s', 119, OFLAG_PORTABLE);
        };
    };
    auto pocket = seeded({100}, [](const std::vector<int> &d) { return d[0] <= 19; });
    auto again = seeded({100}, [](const std::vector<int> &d) { return d[0] > 19; });
    auto out = seeded({100}, [](const std::vector<int> &d) { return d[0] <= 32; });
    auto not_out_pocket = seeded({100, 100}, [](const std::vector<int> &d) { return d[0] > 32 && d[1] <= 19; });
    auto not_out_round = seeded({100, 100}, [](const std::vector<int> &d) { return d[0] > 32 && d[1] > 19; });
    check_place(515, {
        {pocket, line({747}), 517, {}, 1, 1},
        {again, line({WORD_GO, 751}), 515, {}, 1, 1},
        {out, line({749}), 514, {}, 1, 1},
        {out, line({752}), 465, {}, 1, 1},
        {not_out_pocket, line({748}), 517, {}, 1, 2},
        {not_out_round, line({746}), 515, {}, 1, 2},
        // No compass word, no draw and no sweep.
        {nullptr, line({WORD_LOOK, 937}), 515, {}, 0},
        {nullptr, line({WORD_TAKE, 937}), 515, {}, 0},
    });
    // What lay here is swept away before any draw...
    fresh_world(515);
    again();
    at_place(line({747}));
    EXPECT_EQ(location[119], PLACE_HOLDING);
    // ... and comes out in the quiet pocket when the wind lets the player go.
    fresh_world(515);
    out();
    at_place(line({745}));
    EXPECT_EQ(location[119], 517);
    // The look leaves even the echo unmarked.
    fresh_world(515);
    at_place(line({WORD_LOOK, 937}));
    EXPECT_FALSE(bitest(VAR_QUESTION, 1));
    fresh_world(515);
    at_place(line({WORD_TAKE, 937}));
    EXPECT_TRUE(bitest(VAR_QUESTION, 1));
}

TEST_F(Pools, QuietPocketAndDeadEndCell) {
    check_place(517, {
        {nullptr, line({848, 1130}), 517, {{STOP, 2464, 0}}, 1, 1},
        {nullptr, line({798}), 517, {{STOP, 1813, 0}}},
        {nullptr, line({WORD_LOOK, 1132}), 517, {{STOP, 1813, 0}}},
        {nullptr, line({798, 173}), 517, {{STOP, 1813, 0}}},
        {nullptr, line({WORD_LOOK, 125}), 517, {}, 0},
        {nullptr, line({WORD_TAKE, 1131}), 517, {}, 0},
    });
    fresh_world(517);
    at_place(line({798}));
    EXPECT_EQ(value[517], 1);
    check_place(516, {
        {nullptr, line({WORD_LOOK, 1059}), 516, {{STOP, 3074, 0}}},
        {nullptr, line({794, 1059}), 516, {{STOP, 2464, 0}}, 1, 1},
        {nullptr, line({889}), 516, {{STOP, 1425, 0}}},
    });
}

// Every text these places say is written, and every place is described.
TEST_F(Pools, TextsAreWritten) {
    for (int t : {1297, 1359, 1412, 1425, 1450, 1512, 1716, 1717, 1730, 1776, 1777, 1813, 1870, 1967, 2098,
                  2165, 2464, 2541, 2542, 2634, 2690, 2710, 2902, 2903, 2952, 3050, 3061, 3066, 3067, 3068,
                  3069, 3071, 3072, 3074, 3090, 3092, 3093, 3094, 3095, 3096, 3097, 3098, 3100, 3101, 3102,
                  3103, 3104, 3107, 3108, 3109, 3110, 3172, 3489})
        EXPECT_FALSE(wording({0, t, 0}).empty()) << t;
    for (int place = 496; place <= 517; place++) {
        EXPECT_FALSE(wording({SAY_DETAIL, place, 0}).empty()) << place;
        bitmod('s', VAR_COMMAND_STATUS, 2);  // brief descriptions
        EXPECT_FALSE(wording({0, place, 0}).empty()) << place;
        bitmod('c', VAR_COMMAND_STATUS, 2);
    }
}

// What a description names of the place itself is answered there, looked
// at: what the player stands on or in, and the features in view.
TEST_F(Pools, FeaturesTheDescriptionsName) {
    constexpr int ON = 3245, IN = 1453;
    expect_looks({
        {496, 961, IN}, {500, 962, IN}, {500, 893, 3094}, {501, 980, ON}, {501, 962, 3092}, {501, 922, 3095},
        {508, 981, IN}, {510, 1060, 1849}, {511, 962, IN}, {515, 1003, IN},
        {500, 1064, 1849}, {502, 962, 1849}, {504, 962, 1849}, {511, 1064, 1849}, {516, 1003, IN}, {514, 922, 1849},
    });
}

}  // namespace
