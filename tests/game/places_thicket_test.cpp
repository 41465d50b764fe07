// The thicket: the gap with its grille, the way in for one who carries the
// funnel, and the knot of places inside, through the real command reader
// and dispatch up to the place procedure.
#include "places.h"

namespace {

using namespace game_test;

class Thicket : public GameTest {};

const std::function<void()> funnel = [] { carry(148); };
// Something too bulky for the narrow ways.
const std::function<void()> bulky_load = [] {
    carry(47);
    bitmod('s', 47, OFLAG_BLOCKS_PASSAGE);
};
const std::vector<said> too_bulky = {{STOP | SAY_REFVAR, VAR_PROMPT_TEXT, 0}};

// --- The thicket gap (481) --------------------------------------------------

TEST_F(Thicket, GapExits) {
    const std::map<int, int> outside = {{196, 196}, {195, 480}, {745, 480}, {480, 480}, {200, 195},
                                        {747, 544}, {751, 544}, {746, 544}, {752, 544}};
    EXPECT_EQ(exits(481, nullptr, false), outside);
    EXPECT_EQ(exits(481, nullptr, true), outside);
    // With the funnel the thicket lets the player in; "climb" alone is the
    // way over the grille, "go climb" is not.
    std::map<int, int> in = outside;
    for (int w : {749, 757, 951, 538, 484}) in[w] = 482;
    EXPECT_EQ(exits(481, funnel, true), in);
    in[848] = 482;
    EXPECT_EQ(exits(481, funnel, false), in);
}

// The sundial by the grille is answered as a thing that is there, by every
// verb and not only by a look: none of them says it is missing.
TEST_F(Thicket, GapSundialIsThere) {
    for (int verb : {WORD_TAKE, WORD_PUSH, WORD_OPEN, WORD_READ}) {
        fresh_world(481);
        const outcome o = turn(line({verb, 1047}));
        ASSERT_FALSE(o.texts.empty()) << verb;
        for (const said &t : o.texts) EXPECT_NE(t.text, 1319) << "verb " << verb;
    }
}

TEST_F(Thicket, GapRows) {
    auto squeezed = [](int n) { return state_of(2633, n); };
    check_place(481, {
        {nullptr, line({WORD_LOOK, 951}), 481, {{STOP, 3318, 0}}},
        {nullptr, line({WORD_LOOK, 538}), 481, {{STOP, 3319, 0}}},
        {nullptr, line({WORD_LOOK, 1047}), 481, {{STOP, 3251, 0}}},
        {nullptr, line({WORD_LOOK, 961}), 481, {{STOP, 2672, 0}}},
        {nullptr, line({WORD_LOOK, 484}), 481, {{STOP, 1725, 0}}},
        {nullptr, line({WORD_LOOK, WORD_IN}), 481, {{STOP, 1725, 0}}},
        {nullptr, line({WORD_LOOK, 936}), 481, {{STOP, 2530, 0}}},
        {nullptr, line({WORD_LOOK, 745}), 481, {}, 0},
        {nullptr, line({782, 961}), 481, {{TYPED, 3317, VAR_ARG1}}},
        {nullptr, line({WORD_TAKE, 961}), 481, {}, 0},
        {nullptr, line({975}), 481, {{STOP_ARG, 2676, 975}}, 1, 1},
        // The signpost: read alone, or looked at.
        {nullptr, line({798}), 481, {{STOP_ARG, 1933, 129}}},
        {nullptr, line({WORD_LOOK, 129}), 481, {{STOP_ARG, 1933, 129}}},
        // The grille will not open, and is never open to close.
        {nullptr, line({WORD_OPEN}), 481, {{STOP, 1727, 0}}},
        {nullptr, line({WORD_OPEN, 98}), 481, {{STOP, 1727, 0}}},
        {state_of(98, 1), line({WORD_CLOSE}), 481, {{TYPED, 1607, 98}}},
        // The way in: refused without the funnel, whatever the word.
        {nullptr, line({749}), 481, {{STOP, 2518, 0}}},
        {nullptr, line({WORD_GO, 484}), 481, {{STOP, 2518, 0}}},
        {funnel, line({848, 98}), 482, {{0, 1741, 0}}},
        {both(funnel, came_from(482)), line({WORD_BACK}), 482, {{0, 1741, 0}}},
        {came_from(482), line({WORD_BACK}), 481, {{STOP, 2518, 0}}},
        // Climbing without it: the question the first time, then the
        // squeeze that fails, and the load checked before it but not once
        // the thicket has made its mind up.
        {nullptr, line({848}), 481, {{STOP, 1737, 0}}},
        {squeezed(1), line({848, 98}), 481, {{STOP, 2633, 0}}},
        {both(squeezed(1), bulky_load), line({848}), 481, too_bulky},
        {both(squeezed(2), bulky_load), line({848}), 481, {{STOP, 2633, 0}}},
        {nullptr, line({848, 936}), 481, {{STOP, 2530, 0}}},
        // The lodestone, and the turned world that leaves this place be.
        {heading(2), line({480}), 481, {{STOP_ARG, 2294, 746}}},
        {phase(8), line({200}), 195, {}},
        {phase(8), line({196}), 196, {}},
    });
    // The question is the place's own.
    fresh_world(481);
    at_place(line({848}));
    EXPECT_EQ(value[VAR_QUESTION], Q_PLACE_481);
    // On the way in the grille is passed inwards; the grille is this side.
    fresh_world(481);
    funnel();
    value[98] = 1;
    at_place(line({749}));
    EXPECT_EQ(value[1740], 1);
    EXPECT_EQ(value[98], 0);
    // Naming the grille brings it here; the names of the thicket are its
    // name marks.
    fresh_world(481);
    set_location(98, 482);
    at_place(line({WORD_TAKE, 98}));
    EXPECT_EQ(location[98], 481);
    fresh_world(481);
    at_place(line({WORD_TAKE, 1079}));
    EXPECT_EQ(*bitword(VAR_QUESTION) & 6, 4);
}

// --- The heart of the thicket (482) -----------------------------------------

TEST_F(Thicket, HeartExits) {
    // "Climb" alone is over the grille and out, for one without the funnel.
    const std::map<int, int> ways = {{749, 486}, {951, 486}, {748, 487}, {750, 485}, {848, 481}};
    EXPECT_EQ(exits(482, nullptr, false), ways);
    std::map<int, int> with_funnel = without(ways, {848});
    with_funnel[745] = with_funnel[758] = 481;
    EXPECT_EQ(exits(482, funnel, false), with_funnel);
    EXPECT_EQ(exits(482, funnel, true), with_funnel);
}

TEST_F(Thicket, HeartRows) {
    check_place(482, {
        {nullptr, line({WORD_LOOK, 951}), 482, {{STOP_ARG, 2642, 1}}},
        {nullptr, line({WORD_TAKE, 951}), 482, {}, 0},
        {heading(5), line({951}), 482, {{STOP_ARG, 2294, 749}}},
        {funnel, line({WORD_OPEN, 98}), 482, {{STOP_ARG, 1739, WORD_OPEN}}},
        {nullptr, line({WORD_LOOK, 961}), 482, {{STOP, 2672, 0}}},
        {nullptr, line({784, 961}), 482, {{TYPED, 3317, VAR_ARG1}}},
        // Climbing the grille: not while the funnel holds the way open.
        {funnel, line({848}), 482, {{STOP_ARG, 1739, 848}}},
        {nullptr, line({848, 98}), 481, {{0, 2636, 0}}},
        {bulky_load, line({848}), 482, too_bulky},
        {nullptr, line({538}), 482, {{STOP, 1297, 0}}},
        {nullptr, line({745}), 482, {{STOP, 2518, 0}}},
        {funnel, line({WORD_OUT}), 481, {{0, 1741, 0}}},
        // The shared replies of the knot answer first.
        {nullptr, line({484}), 482, {{STOP, 1425, 0}}},
    });
    // Going out past the grille: its side, and its mark of having been
    // used; opening it with the funnel marks it too.
    fresh_world(482);
    funnel();
    value[1740] = 1;
    at_place(line({745}));
    EXPECT_EQ(value[1740], 0);
    EXPECT_TRUE(bitest(98, 13));
    EXPECT_EQ(value[98], 1);
    fresh_world(482);
    funnel();
    at_place(line({WORD_OPEN, 98}));
    EXPECT_TRUE(bitest(98, 13));
    // Named without the funnel, the grille is brought here and the command
    // goes on to the words.
    fresh_world(482);
    set_location(98, 481);
    EXPECT_EQ(at_place(line({WORD_OPEN, 98})).loop, 0);
    EXPECT_EQ(location[98], 482);
    EXPECT_FALSE(bitest(98, 13));
}

// --- The west, east, south-west thickets and the spring (483..485, 487) -----

TEST_F(Thicket, KnotExits) {
    const std::pair<int, std::map<int, int>> places[] = {
        {483, {{749, 485}, {538, 485}}},
        {484, {{749, 487}}},
        {485, {{745, 483}, {746, 482}}},
        {487, {{752, 482}, {745, 484}}},
    };
    for (const auto &[here, ways] : places) {
        EXPECT_EQ(without(exits(here, nullptr, false), {538}), without(ways, {538})) << here;
        EXPECT_EQ(without(exits(here, nullptr, true), {538}), without(ways, {538})) << here;
    }
    check_place(483, {{nullptr, line({538}), 485, {}}});
    // The path at the south-west thicket and the spring: the passage rule.
    check_place(485, {
        {came_from(483), line({538}), 482, {}},
        {came_from(482), line({538}), 483, {}},
        {nullptr, line({538}), 485, {{STOP, 1297, 0}}},
    });
    check_place(487, {
        {came_from(482), line({538}), 484, {}},
        {came_from(484), line({538}), 482, {}},
    });
}

TEST_F(Thicket, KnotRows) {
    check_place(483, {
        {nullptr, line({WORD_LOOK, 101}), 483, {{STOP_ARG, 2642, 0}}},
        {nullptr, line({807, 101}), 483, {{STOP, 3309, 0}}},
        {nullptr, line({785, 101}), 483, {}, 0},
        {nullptr, line({WORD_LOOK, 1079}), 483, {{STOP, 3145, 0}}},
        {nullptr, line({WORD_LOOK, 973}), 483, {{STOP, 3145, 0}}},
        // No vines here to be handled.
        {nullptr, line({WORD_TAKE, 1079}), 483, {{STOP_ARG, 1319, 1079}}, 1, 1},
        {nullptr, line({WORD_LOOK, 951}), 483, {{STOP, 3153, 0}}},
        {nullptr, line({WORD_LOOK, 967}), 483, {{STOP_ARG, 3384, 1}}},
    });
    check_place(484, {
        {nullptr, line({WORD_LOOK, 963}), 484, {{STOP, 3157, 0}}},
        {nullptr, line({776, 963}), 484, {{STOP_ARG, 2037, 963}}},
        {nullptr, line({WORD_LOOK, 951}), 484, {{STOP, 3153, 0}}},
        {nullptr, line({WORD_LOOK, 967}), 484, {{STOP_ARG, 3384, 1}}},
        {nullptr, line({WORD_LOOK, 150}), 484, {{STOP, 3146, 0}}},
    });
    check_place(485, {
        {nullptr, line({839}), 485, {{STOP, 2644, 0}}},
        {nullptr, line({852, 964}), 485, {{STOP, 2644, 0}}},
        {nullptr, line({WORD_LOOK, 964}), 485, {{STOP_ARG, 2642, 2}}},
        {nullptr, line({WORD_TAKE, 964}), 485, {}, 0},
        {nullptr, line({WORD_LOOK, 951}), 485, {{STOP_ARG, 3152, 1}}},
        {nullptr, line({848, 951}), 485, {{STOP, 3151, 0}}},
        {nullptr, line({WORD_LOOK, 967}), 485, {{STOP_ARG, 3384, 0}}},
    });
    check_place(487, {
        // Drinking from the spring is the drink word's business.
        {nullptr, line({WORD_CONSUME_LIQUID, 911}), 487, {}, 0},
        {nullptr, line({WORD_LOOK, 911}), 487, {{STOP_ARG, 2642, 3}}},
        {nullptr, line({WORD_LOOK, 965}), 487, {{STOP_ARG, 2642, 4}}},
        {nullptr, line({WORD_LOOK, 1014}), 487, {{STOP_ARG, 3155, 951}}},
        {nullptr, line({WORD_LOOK, 17}), 487, {{STOP_ARG, 3155, 951}}},
        {nullptr, line({WORD_LOOK, 967}), 487, {{STOP_ARG, 3384, 0}}},
        {nullptr, line({WORD_TAKE, 911}), 487, {}, 0},
    });
}

// --- The south thicket (486) --------------------------------------------------

TEST_F(Thicket, SouthThicketExits) {
    // Up the roots to the well head: "up" or "climb" alone, or the roots.
    const std::map<int, int> alone = {{745, 482}, {538, 482}, {754, 475}, {848, 475}, {935, 475}};
    EXPECT_EQ(exits(486, nullptr, false), alone);
    EXPECT_EQ(exits(486, nullptr, true), without(alone, {754, 848}));
}

TEST_F(Thicket, SouthThicketRows) {
    const std::vector<said> up = {{0, 2462, 0}};
    check_place(486, {
        // "Look up" is looking up the track.
        {nullptr, line({WORD_LOOK, 754}), 486, {{STOP_ARG, 3152, 0}}},
        {nullptr, line({WORD_LOOK, 936}), 486, {{STOP_ARG, 3152, 0}}},
        {nullptr, line({WORD_LOOK, 935}), 486, {{STOP_ARG, 2529, 1}}},
        {nullptr, line({848, 936}), 486, {{STOP_ARG, 2529, 1}}},
        {nullptr, line({936}), 486, {}, 0},
        {nullptr, line({951}), 486, {}, 0},
        // The stone with its words, whatever it is called.
        {nullptr, line({798}), 486, {{STOP, 2454, 0}}},
        {nullptr, line({798, 30}), 486, {{STOP, 2454, 0}}},
        {nullptr, line({WORD_LOOK, 73}), 486, {{STOP, 2454, 0}}},
        {nullptr, line({73}), 486, {{TYPED, 1507, 73}}, 1, 1},
        {nullptr, line({WORD_TAKE, 73}), 486, {{TYPED, 1885, 73}}},
        // The climb, and the load it refuses.
        {nullptr, line({848, 951}), 475, up},
        {nullptr, line({848, 935}), 475, up},
        {came_from(475), line({WORD_BACK}), 475, up},
        {nullptr, line({848, 73}), 486, {{TYPED, 1885, 73}}},
        {bulky_load, line({754}), 486, too_bulky},
    });
    fresh_world(486);
    at_place(line({73}));
    EXPECT_TRUE(bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_ORPHAN));
    fresh_world(486);
    at_place(line({754}));
    EXPECT_TRUE(bitest(486, 16));
}

// The gap in the thicket and the pool and roots of the spring and the tablet's
// lettering are answered by a closer look.
TEST_F(Thicket, NamedFeaturesAnswerALook) {
    const std::vector<feature_reply> cases = {
        {481, "examine gap", {STOP, 3318, 0}},
        {487, "examine pool", {STOP_ARG, 2642, 3}},
        {487, "examine roots", {STOP_ARG, 2642, 3}},
        {486, "examine lettering", {STOP, 2454, 0}},
        // Inside the thicket the leaves hide the sky.
        {482, "look up", {STOP, 3145, 0}},
        {484, "look up", {STOP, 3145, 0}},
        {487, "look up", {STOP, 3145, 0}},
    };
    expect_replies(cases);
}

}  // namespace
