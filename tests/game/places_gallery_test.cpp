// The gulf, the gallery and the creeper hall: their exits, look rows, the
// crossing of the gulf, the creeper and its growth, the guarded way to the
// pinnacle, and where what is dropped or thrown up high comes down, through
// the real command reader and dispatch up to the place procedure.
#include "places.h"

namespace {

using namespace game_test;

class Gallery : public GameTest {};

std::vector<said> after(std::vector<said> first_said, const std::vector<said> &rest) {
    first_said.insert(first_said.end(), rest.begin(), rest.end());
    return first_said;
}

const std::function<void()> span = state_of(33, 1);
const std::vector<said> gulf_death = after({{0, 1572, 0}}, plain_death);
std::function<void()> creeper(int state) {
    return [state] {
        set_location(139, 443);
        value[139] = state;
    };
}
const std::function<void()> stick_seen = [] { bitmod('s', 158, OFLAG_SEEN); };

// --- The gulf (432..437) ----------------------------------------------------

TEST_F(Gallery, GulfExits) {
    // The passage words lead back the way the player did not come; without
    // the span, across is a fall.
    const std::map<int, int> near_edge = {{751, 290}, {897, 290}, {999, 290}, {747, PLACE_GONE}, {763, PLACE_GONE}};
    EXPECT_EQ(exits(432, nullptr, false), near_edge);
    EXPECT_EQ(exits(432, nullptr, true), near_edge);
    EXPECT_EQ(exits(432, both(span, came_from(290)), false),
              (std::map<int, int>{{751, 290}, {897, 433}, {999, 433}, {747, 433}, {763, 433}}));
    EXPECT_EQ(exits(433, nullptr, false),
              (std::map<int, int>{{745, 434}, {897, 434}, {999, 434}, {751, PLACE_GONE}, {763, PLACE_GONE}}));
    EXPECT_EQ(exits(433, both(span, came_from(434)), true),
              (std::map<int, int>{{745, 434}, {897, 432}, {999, 432}, {751, 432}, {763, 432}}));
    EXPECT_EQ(exits(434, nullptr, false),
              (std::map<int, int>{{749, 433}, {745, 437}, {437, 437}, {747, 435}, {435, 435}}));
    EXPECT_EQ(exits(435, nullptr, true), (std::map<int, int>{{749, 436}, {757, 436}, {435, 436}, {901, 436},
                                                            {751, 434}, {758, 434}, {897, 434}, {999, 434},
                                                            {309, 434}}));
    EXPECT_EQ(exits(436, nullptr, false), (std::map<int, int>{{745, 435}, {758, 435}}));
    std::map<int, int> colonnade = {{752, 434}, {750, 438}};
    EXPECT_EQ(exits(437, nullptr, false), colonnade);
    colonnade[897] = colonnade[999] = 438;
    EXPECT_EQ(exits(437, came_from(434), false), colonnade);
}

TEST_F(Gallery, GulfRows) {
    check_place(432, {
        {nullptr, line({834}), 432, {{STOP, 1356, 0}}},
        {nullptr, line({WORD_LOOK, 999}), 432, {{STOP, 2750, 0}}},
        {nullptr, line({WORD_LOOK, 33}), 432, {{STOP, 2935, 0}}},
        {nullptr, line({WORD_LOOK, 206}), 432, {{STOP, 2936, 0}}},
        {nullptr, line({309}), 432, {{STOP, 2936, 0}}},
        {nullptr, line({WORD_LOOK, 290}), 432, {}, 0},
        {nullptr, line({WORD_TAKE, 954}), 432, {{STOP, 2760, 0}}},
        {nullptr, line({WORD_TAKE, 206}), 432, {{TYPED, 1849, 206}}},
        // The span bears no one with the coffer or the casket, nor anyone
        // after the hourglass.
        {both(span, [] { carry(114); }), line({763}), PLACE_GONE, gulf_death, 1, 1},
        {both(span, [] { carry(115); }), line({747}), PLACE_GONE, gulf_death, 1, 1},
        // The hills stirring: the hourglass starts here.
        {phase(4), line({WORD_LOOK, 999}), 432, {{0, 1420, 0}, {STOP, 2750, 0}}},
    });
    // After the hourglass the span bears no one, and this late a death
    // ends the game.
    fresh_world(432);
    span();
    value[VAR_PHASE] = 5;
    EXPECT_EQ(first(at_place(line({747})).texts, 1), (std::vector<said>{{0, 1572, 0}}));
    EXPECT_TRUE(quitting);
    // A crossing, or a fall, takes the span away.
    for (bool coffer : {false, true}) {
        fresh_world(432);
        span();
        if (coffer) carry(114);
        at_place(line({747}));
        EXPECT_EQ(value[33], 0) << coffer;
        EXPECT_EQ(value[VAR_HERE], coffer ? PLACE_GONE : 433) << coffer;
    }
    check_place(433, {
        {nullptr, line({WORD_LOOK, 954}), 433, {{STOP, 2935, 0}}},
        {nullptr, line({WORD_LOOK, 1017}), 433, {}, 0},
        {nullptr, line({WORD_TAKE, 999}), 433, {{STOP, 2760, 0}}},
    });
    check_place(434, {
        {nullptr, line({WORD_LOOK, 308}), 434, {{STOP_ARG, 2902, 897}}, 1, 1},
        {nullptr, line({999}), 434, {{STOP_ARG, 2904, 897}}},
        {nullptr, line({WORD_GO, 309}), 434, {{STOP, 1425, 0}}},
        {nullptr, line({WORD_TAKE, 999}), 434, {{STOP, 2760, 0}}},
    });
    // "Jar", with no jar about, is the cove itself; with the jar here the
    // place leaves it alone.
    check_place(435, {
        {nullptr, line({WORD_LOOK, 108}), 435, {{STOP, 2937, 0}}},
        {[] { set_location(108, 435); }, line({WORD_LOOK, 108}), 435, {}, 0},
        {nullptr, line({WORD_LOOK, 897}), 435, {{STOP_ARG, 2903, 897}}, 1, 1},
        {nullptr, line({WORD_LOOK, 435}), 435, {}, 0},
    });
    fresh_world(435);
    at_place(line({WORD_TAKE, 108}));
    EXPECT_EQ(value[VAR_ARG2], 936);
    check_place(436, {
        {nullptr, line({WORD_LOOK, 126}), 436, {{STOP, 3140, 0}}},
        {nullptr, line({WORD_LOOK, 1024}), 436, {{STOP, 3140, 0}}},
        {nullptr, line({WORD_TAKE, 126}), 436, {{STOP, 1940, 0}}},
        {[] { set_location(126, 436); }, line({WORD_TAKE, 126}), 436, {}, 0},
    });
    // The chute is known of from the back of the cove, whatever is typed.
    fresh_world(436);
    at_place(line({WORD_LOOK, 745}));
    EXPECT_TRUE(bitest(15, OFLAG_SEEN));
    check_place(437, {
        {nullptr, line({WORD_LOOK, 999}), 437, {{STOP, 2750, 0}}},
        {nullptr, line({437}), 437, {{STOP, 1425, 0}}},
        {nullptr, line({WORD_TAKE, 999}), 437, {{STOP, 2760, 0}}},
    });
}

// --- The gallery steps and the gallery (438..442) ---------------------------

TEST_F(Gallery, GalleryExits) {
    // The staircase is the steps, to dispatch.
    EXPECT_EQ(exits(438, nullptr, false), (std::map<int, int>{{747, 437}, {757, 437}, {897, 437}, {999, 437},
                                                             {755, 439}, {751, 439}, {7, 439}, {171, 439},
                                                             {439, 439}}));
    // The steps named only mark: up them is "up" or "east".
    EXPECT_EQ(exits(439, nullptr, false),
              (std::map<int, int>{{745, 440}, {439, 440}, {754, 438}, {848, 438}, {747, 438}}));
    std::map<int, int> middle = {{745, 441}, {749, 439}, {746, 443}};
    EXPECT_EQ(exits(440, nullptr, false), middle);
    middle[439] = 441;
    EXPECT_EQ(exits(440, came_from(439), true), middle);
    EXPECT_EQ(exits(441, nullptr, false), (std::map<int, int>{{745, 442}, {749, 440}, {747, 443}}));
    EXPECT_EQ(exits(442, nullptr, true), (std::map<int, int>{{749, 441}, {748, 443}, {439, 441}}));
}

TEST_F(Gallery, GalleryStepsRows) {
    check_place(438, {
        {nullptr, line({984}), 438, {{STOP_ARG, 1849, 984}}},
        {nullptr, line({WORD_LOOK, 7}), 438, {{STOP, 2752, 0}}},
        {nullptr, line({WORD_LOOK, 897}), 438, {{STOP_ARG, 2754, 897}}},
        {nullptr, line({WORD_LOOK, 439}), 438, {{STOP, 2755, 0}}},
        {nullptr, line({WORD_LOOK, 1000}), 438, {{STOP, 2753, 0}}},
        {nullptr, line({WORD_LOOK, 913}), 438, {{STOP_ARG, 2033, 913}}},
        {nullptr, line({WORD_LOOK, 754}), 438, {{STOP_ARG, 2757, 0}}},
        {nullptr, line({848}), 438, {{STOP, 2844, 0}}},
        {nullptr, line({848, 7}), 439, {}},
        {nullptr, line({WORD_TAKE, 999}), 438, {{STOP, 2760, 0}}},
        // The lodestone pointing west refuses the way down.
        {heading(7), line({755}), 438, {{STOP_ARG, 2294, 751}}},
    });
    fresh_world(438);
    at_place(line({WORD_TAKE, 1000}));
    EXPECT_EQ(value[VAR_LANDING_PLACE], 439);
    EXPECT_EQ(value[VAR_LANDING_TEXT], 1684);
    EXPECT_TRUE(bitest(VAR_QUESTION, VFLAG_QUESTION_REPLIED_2));
}

TEST_F(Gallery, GalleryRows) {
    check_place(439, {
        {nullptr, line({993}), 439, {{STOP, 2659, 0}}},
        {nullptr, line({WORD_TAKE, 206}), 439, {{TYPED, 1849, 206}}},
        {nullptr, line({WORD_LOOK, 913}), 439, {{STOP, 2761, 0}}},
        {nullptr, line({WORD_LOOK, 7}), 439, {{STOP, 2752, 0}}},
        {nullptr, line({WORD_LOOK, 1003}), 439, {{STOP, 2765, 0}}},
        // The shoots only mark; any other look word goes on.
        {nullptr, line({WORD_LOOK, 1004}), 439, {}, 0},
        {nullptr, line({848, 921}), 439, {{STOP_ARG, 3481, 1}}},
        {nullptr, line({WORD_GO, 7}), 439, {}, 0},
        {heading(3), line({WORD_UP}), 439, {{STOP_ARG, 2294, 747}}},
    });
    // The bowl is found here whatever is typed.
    fresh_world(439);
    at_place(line({WORD_LOOK, 1004}));
    EXPECT_EQ(value[42], 1);
    EXPECT_TRUE(bitest(VAR_QUESTION, VFLAG_QUESTION_REPLIED));

    check_place(440, {
        {nullptr, line({848}), 440, {{STOP, 2844, 0}}},
        // The railing is the cliff here, for the shared replies.
        {nullptr, line({984}), 440, {{STOP_ARG, 1772, 921}}},
        // The carvings named alone are answered by their own name.
        {nullptr, line({206}), 440, {{TYPED, 1849, VAR_ARG1}}},
        {nullptr, line({WORD_LOOK, 206}), 440, {{TYPED, 1849, VAR_ARG2}}},
    });
    check_place(441, {
        {nullptr, line({848}), 441, {{STOP_ARG, 3481, 0}}},
        {nullptr, line({984}), 441, {{STOP_ARG, 1772, 921}}},
    });
    check_place(442, {
        {nullptr, line({223}), 442, {{STOP, 2758, 0}}},
        {nullptr, line({848}), 442, {{STOP, 2844, 0}}},
    });
    // The climb reads how far the creeper has grown.
    fresh_world(440);
    value[139] = 2;
    p850();
    EXPECT_EQ(wording({0, 2844, 0}), wording({ARG, 2844, 2}));
}

// From anywhere along the gallery the creeper, down in the hall, answers a
// look as it stands: withered, halfway up, or grown past the gallery.
TEST_F(Gallery, TheCreeperSeenFromTheGallery) {
    for (int place : {439, 440, 441, 442}) {
        for (int state : {0, 1, 2}) {
            SCOPED_TRACE(place * 10 + state);
            check_place(place, {{creeper(state), line({WORD_LOOK, 139}), place, {{TYPED, 3547, 139}}}});
        }
    }
    EXPECT_NE(wording({ARG, 3547, 0}), wording({ARG, 3547, 1}));
    EXPECT_NE(wording({ARG, 3547, 1}), wording({ARG, 3547, 2}));
}

// --- The creeper hall (443) -------------------------------------------------

TEST_F(Gallery, CreeperHallExits) {
    const std::map<int, int> ways = {{745, 442}, {752, 442}, {751, 441}, {750, 440}, {439, 440}};
    EXPECT_EQ(exits(443, creeper(0), false), ways);
    EXPECT_EQ(exits(443, creeper(1), true), ways);
    std::map<int, int> grown = ways;
    grown[754] = grown[848] = 444;
    EXPECT_EQ(exits(443, creeper(2), false), grown);
}

TEST_F(Gallery, CreeperHallRows) {
    const std::function<void()> jug_of_water = [] {
        carry(OBJ_VESSEL_MEDIUM);
        value[OBJ_VESSEL_MEDIUM] = 3;
    };
    check_place(443, {
        {creeper(0), line({848}), 443, {{TYPED, 2090, 139}}},
        {creeper(1), line({754}), 443, {{STOP, 2208, 0}}},
        {creeper(2), line({848, 139}), 444, {{0, 2207, 0}}},
        {creeper(0), line({749}), 443, {{STOP, 2206, 0}}},
        {creeper(0), line({921}), 443, {{STOP, 3373, 0}}},
        {creeper(0), line({848, 921}), 443, {{STOP, 2844, 0}}},
        {creeper(0), line({WORD_LOOK, 921}), 443, {{STOP, 2376, 0}}},
        // The air is answered before the look block.
        {creeper(1), line({WORD_LOOK, 975}), 443, {{TYPED, 3322, 139}}},
        {creeper(0), line({WORD_LOOK, OBJ_LIQUID_1}), 443, {{STOP, 2849, 0}}},
        {creeper(2), line({WORD_LOOK, 754}), 443, {{TYPED, 2757, 139}}},
        {creeper(0), line({WORD_LOOK, 922}), 443, {{STOP, 3221, 0}}, 1, 1},
        {creeper(0), line({WORD_LOOK, 1004}), 443, {}, 0},
        {creeper(1), line({WORD_LOOK, 1004}), 443, {{STOP, 2766, 0}}},
        {creeper(1), line({789, 1004}), 443, {{STOP, 1360, 0}}},
        {creeper(0), line({WORD_TAKE, 13}), 443, {{TYPED, 1408, 139}}},
        {creeper(0), line({WORD_LOOK, 984}), 443, {{STOP_ARG, 1849, 984}}},
        // Feeding the creeper is the shared machine's business.
        {creeper(0), line({795, 139}), 443, {{STOP, 1755, 0}}},
        {creeper(0), line({795}), 443, {{STOP, 1755, 0}}},
        // Water is poured, whether the word or the jug is named.
        {both(creeper(0), jug_of_water), line({787, OBJ_LIQUID_1}), 443, {{STOP, 2088, 0}}},
        {both(creeper(0), jug_of_water), line({787}), 443, {{STOP, 2088, 0}}},
        {both(creeper(0), jug_of_water), line({804, OBJ_VESSEL_MEDIUM}), 443, {{STOP, 2088, 0}}},
        {creeper(0), line({787}), 443, {}, 0},
    });
    // Climbing up, the creeper leaves its mark on the ledge's description.
    fresh_world(443);
    creeper(2)();
    at_place(line({754}));
    EXPECT_EQ(value[444], 1);
    // Help is offered until the creeper is grown.
    for (int grown : {1, 2}) {
        fresh_world(443);
        creeper(grown)();
        at_place(line({WORD_HELP, 139}), false);
        EXPECT_EQ(bitest(443, PFLAG_HINT_AVAILABLE), grown == 1) << grown;
    }
}

// --- The high ledge, the pinnacle and the bluff path (444..446) -------------

TEST_F(Gallery, HighPlacesExits) {
    EXPECT_EQ(exits(444, nullptr, false), (std::map<int, int>{{754, 446}, {848, 446}, {755, 443}}));
    EXPECT_EQ(exits(444, both(heading(6), stick_seen), true),
              (std::map<int, int>{{754, 446}, {848, 446}, {755, 443}, {745, 445}, {445, 445}, {763, 445}}));
    // The creeper named only marks: back is by the edge.
    // Back is south, to dispatch.
    EXPECT_EQ(exits(445, nullptr, false), (std::map<int, int>{{749, 444}, {445, 444}, {WORD_BACK, 444}}));
    EXPECT_EQ(exits(446, nullptr, false), (std::map<int, int>{{848, 444}, {755, 444}, {747, 199}}));
    EXPECT_EQ(exits(446, state_of(194, 5), true), (std::map<int, int>{{848, 444}, {755, 444}}));
}

TEST_F(Gallery, HighLedgeRows) {
    const std::vector<said> asked = {{STOP, 2212, 0}};
    check_place(444, {
        {nullptr, line({WORD_LOOK, 157}), 444, {{STOP, 1770, 0}}},
        {nullptr, line({WORD_TAKE, 157}), 444, {{STOP, 2209, 0}}},
        {nullptr, line({WORD_LOOK, 445}), 444, {{STOP_ARG, 2759, 745}}},
        {nullptr, line({WORD_LOOK, 754}), 444, {{STOP_ARG, 2757, 1}}},
        {nullptr, line({WORD_LOOK, 755}), 444, {{STOP, 2764, 0}}},
        {nullptr, line({WORD_LOOK, 888}), 444, {{STOP, 2772, 0}}},
        {nullptr, line({WORD_LOOK, 921}), 444, {{STOP, 2375, 0}}},
        {nullptr, line({WORD_TAKE, 1130}), 444, {{STOP_ARG, 3311, 0}}},
        {heading(7), line({WORD_TAKE, 921}), 444, {{STOP_ARG, 3311, 1}}},
        {nullptr, line({1004}), 444, {}, 0},
        // The guarded way along the edge.
        {nullptr, line({745}), 444, asked},
        {heading(7), line({763}), 444, asked},
        {both(heading(7), stick_seen), line({445}), 445, {}},
        {both(heading(8), stick_seen), line({745}), 444, {{STOP_ARG, 2294, 745}}},
        {both(heading(5), stick_seen), line({745}), 444, asked},
    });
    for (auto [setup, question] : {std::pair{std::function<void()>(nullptr), Q_PLACE_444_DOWN},
                                   std::pair{heading(6), Q_PLACE_444_ONWARD}}) {
        fresh_world(444);
        if (setup) setup();
        at_place(line({745}));
        EXPECT_EQ(value[VAR_QUESTION], question);
    }
    // The question asked on the way is answered by the next command: a
    // yes without the lodestone is a fall to the creeper hall.
    fresh_world(444);
    at_place(line({745}));
    outcome fell = read(line({WORD_ACCEPT}));
    EXPECT_EQ(fell.place, 443);
    EXPECT_EQ(first(fell.texts, 1), (std::vector<said>{{0, 2213, 0}}));
    fresh_world(444);
    heading(7)();
    at_place(line({745}));
    EXPECT_EQ(read(line({WORD_ACCEPT})).place, 445);
    // Each command here forgets how the player arrived; what falls from
    // here lands in the creeper hall.
    fresh_world(444);
    value[444] = 1;
    at_place(line({WORD_TAKE, 1000}));
    EXPECT_EQ(value[444], 0);
    EXPECT_EQ(value[VAR_DROP_PLACE], 443);
    EXPECT_EQ(value[VAR_DROP_TEXT], 2247);
    EXPECT_EQ(value[VAR_DROP_TEXT_MODE], 1);
    EXPECT_EQ(value[VAR_LANDING_PLACE], 443);
    EXPECT_EQ(value[VAR_LANDING_TEXT], 2247);
    EXPECT_EQ(*bitword(VAR_LANDING_TEXT), ref_mark);
    EXPECT_TRUE(bitest(VAR_QUESTION, VFLAG_QUESTION_REPLIED_2));
}

TEST_F(Gallery, PinnacleAndBluffPathRows) {
    const std::function<void()> lodestone = heading(7);
    check_place(445, {
        {nullptr, line({WORD_LOOK, 445}), 445, {{STOP_ARG, 2759, 749}}},
        {nullptr, line({WORD_LOOK, 139}), 445, {{STOP, 2769, 0}}},
        {nullptr, line({WORD_LOOK, 755}), 445, {{STOP, 2770, 0}}},
        {nullptr, line({WORD_LOOK, 547}), 445, {{STOP, 2588, 0}}},
        {nullptr, line({WORD_LOOK, 958}), 445, {{STOP_ARG, 2593, 958}}},
        {nullptr, line({WORD_TAKE, 922}), 445, {{STOP, 2768, 0}}},
        {nullptr, line({WORD_TAKE, 1131}), 445, {{STOP_ARG, 3311, 1}}},
        {nullptr, line({139}), 445, {}, 0},
        {nullptr, line({749}), 444, {{0, 2214, 0}}},
        {nullptr, line({745}), 445, {{STOP, 2238, 0}}},
        {nullptr, line({762}), 445, {{STOP, 2211, 0}}},
        {nullptr, line({WORD_GO, 752}), 445, {{STOP, 2211, 0}}},
        // Letting the lodestone go up here is the end.
        {lodestone, line({WORD_DROP, OBJ_HEADING}), 443, after({{0, 2562, 0}}, death_with_count), 1, 1},
        {lodestone, line({793, OBJ_HEADING}), 443, after({{0, 2562, 0}}, death_with_count), 1, 1},
        // The spire: cut at in vain, with or without a blade; burnt only
        // with the torch alight.
        {nullptr, line({776, 157}), 445, {{0, 1809, 0}, {ARG, 1807, 1}}, 1, 1},
        {[] { carry(124); }, line({776, 157}), 445, {{0, 1809, 0}}, 1, 1},
        {[] {
             carry(145);
             value[145] = 2;
         },
         line({789, 157}), 445, {{STOP, 2464, 0}}, 1, 1},
        {nullptr, line({789, 157}), 445, {{STOP, 1403, 0}}, 1, 1},
    });
    fresh_world(445);
    at_place(line({WORD_TAKE, 950}));
    EXPECT_EQ(value[VAR_DROP_PLACE], 443);
    EXPECT_EQ(value[VAR_DROP_TEXT], 2248);
    EXPECT_TRUE(bitest(VAR_QUESTION, VFLAG_QUESTION_REPLIED_2));

    const std::function<void()> giant_up_there = state_of(194, 5);
    const std::function<void()> incense_lit = [] {
        carry(95);
        value[95] = 2;
    };
    check_place(446, {
        {nullptr, line({WORD_LOOK, 194}), 446, {{STOP, 2629, 0}}},
        {nullptr, line({194}), 446, {{TYPED, 1772, 194}}},
        {nullptr, line({WORD_TAKE, 194}), 446, {{STOP, 2464, 0}}, 1, 1},
        {nullptr, line({984}), 446, {{STOP_ARG, 1849, 984}}},
        {nullptr, line({WORD_LOOK, 996}), 446, {{STOP, 2745, 0}}},
        {nullptr, line({WORD_LOOK, 921}), 446, {{STOP, 2764, 0}}},
        {nullptr, line({WORD_LOOK, 754}), 446, {{STOP, 2853, 0}}},
        {nullptr, line({975}), 446, {}, 0},
        {nullptr, line({754}), 446, {{STOP, 2240, 0}}},
        {giant_up_there, line({747}), 446, {{STOP, 2241, 0}}},
        {both(giant_up_there, incense_lit), line({747}), 199, {}},
        {nullptr, line({848}), 444, {}},
    });
    fresh_world(446);
    at_place(line({755}));
    EXPECT_EQ(value[444], 2);
    fresh_world(446);
    at_place(line({WORD_TAKE, 950}));
    EXPECT_EQ(value[VAR_DROP_TEXT], 2247);
    EXPECT_TRUE(bitest(VAR_QUESTION, VFLAG_QUESTION_REPLIED_2));
}

TEST_F(Gallery, TextsAreWritten) {
    for (int t : {1356, 1572, 1684, 1770, 1809, 1940, 2090, 2206, 2207, 2208, 2211, 2212, 2214, 2238, 2240,
                  2241, 2562, 2629, 2659, 2750, 2752, 2754, 2755, 2758, 2759, 2761, 2764, 2765, 2766, 2768,
                  2769, 2770, 2772, 2848, 2853, 2935, 2936, 2937, 3140, 3141, 3221, 3373})
        EXPECT_FALSE(wording({0, t, 0}).empty()) << t;
    for (int t : {1807, 2247, 2248, 2757, 2844, 3311, 3322, 3481})
        for (int k : {0, 1}) EXPECT_FALSE(wording({ARG, t, k}).empty()) << t << " " << k;
    for (int place = 432; place <= 446; place++) {
        EXPECT_FALSE(wording({SAY_DETAIL, place, 0}).empty()) << place;
        EXPECT_FALSE(wording({0, place, 0}).empty()) << place;
    }
}

// The air out of the gulf is named as a plain mass noun, in the far edge's
// description and in the look at the gulf.
TEST_F(Gallery, ColdAirBreathesUpOutOfTheGulf) {
    for (const said &s : {said{SAY_DETAIL, 433, 0}, said{0, 2935, 0}}) {
        const std::string w = wording(s);
        EXPECT_NE(w.find("cold air breathes up"), std::string::npos) << s.text;
        EXPECT_EQ(w.find("a cold air"), std::string::npos) << s.text;
    }
}

// The gulf's edges, the flowstone and the shadow of the cove, the pillars and
// the high ledge and its edge are answered by a closer look.
TEST_F(Gallery, NamedFeaturesAnswerALook) {
    const std::vector<feature_reply> cases = {
        {432, "examine edge", {STOP, 2935, 0}},
        {433, "examine gap", {STOP, 2935, 0}},
        {436, "examine flowstone", {STOP, 3140, 0}},
        {436, "examine shadow", {STOP, 3141, 0}},
        {437, "examine pillars", {STOP_ARG, 2033, 914}},
        {444, "examine edge", {STOP_ARG, 2759, 745}},
        {444, "examine ledge", {STOP, 2750, 0}},
        // Looking down from the gallery or over the gulf.
        {440, "look down", {STOP, 2764, 0}},
        {439, "look down", {STOP, 2764, 0}},
        {432, "look down", {STOP, 2935, 0}},
    };
    // At the bend of the gallery the bend is the place itself: a look about,
    // which the turn goes on to give.
    fresh_world(441);
    const outcome bend = at_place("examine bend");
    EXPECT_EQ(bend.texts, std::vector<said>{});
    EXPECT_EQ(bend.loop, 0);
    EXPECT_EQ(value[VAR_COMMAND_STATUS], 1);
    expect_replies(cases);
}

}  // namespace
