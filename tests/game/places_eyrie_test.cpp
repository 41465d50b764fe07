// The eyrie and the posts of the last trial, the drift, the sunken grotto
// and the last ledge: every place's ways out, the way on that opens once the
// far post has been reached, the drift's two draws, the grotto's count, the
// end of the game, and the look rows and refusals, through the real command
// reader and dispatch up to the place procedure.
#include "place_sweeps.h"

namespace {

using namespace game_test;

class Eyrie : public PlacesTest {};

void far_post_reached() { bitmod('s', 450, PFLAG_VISITED); }
void phase_6() { value[VAR_PHASE] = 6; }

TEST_F(Eyrie, WaysOut) {
    const exit_map far_post = {{750, 449}, {746, 585}, {754, 585}, {749, 585}, {751, 585}, {745, 585}};
    const exit_map inner_post = {{750, 448}, {746, 450}, {893, 450}, {902, 450}};
    const exit_map grotto = {{706, PLACE_DEPOSIT}, {710, PLACE_DEPOSIT}};
    const exit_map ledge = {{754, 545}, {761, 545}, {758, 545}};
    check_sweeps({
        {447, phase_6, {{750, 448}}, {{750, 448}}},
        // On from the watchpost only once the far post has been reached;
        // before that the path turns back to the eyrie.
        {448, phase_6, {{746, 447}}, {{746, 447}}},
        {448, far_post_reached, {{746, 449}}, {{746, 449}}},
        {449, phase_6, inner_post, inner_post},
        {450, phase_6, far_post, far_post},
        {671, nullptr, grotto, grotto},
        {672, nullptr, ledge, ledge},
    });
}

// A movement word at the drift: back to the far post on the first draw;
// else the second draw keeps the player here (a move all the same) or
// leaves him to the wind at the edge.
TEST_F(Eyrie, TheDrift) {
    const auto first_draw = draws_where({100}, [](const std::vector<int> &d) { return d[0] < 25; });
    const auto stays = draws_where({100, 100}, [](const std::vector<int> &d) { return d[0] >= 25 && d[1] < 40; });
    const auto wind = draws_where({100, 100}, [](const std::vector<int> &d) { return d[0] >= 25 && d[1] >= 40; });
    check_place(585, {
        {first_draw, line({747}), 450, {}, 1, 1},
        {stays, line({WORD_DOWN}), 585, {}, 1, 2},
        {wind, line({WORD_GO, 752}), 585, {{STOP, 2074, 0}}, 1, 2},
        // Anything else is left to the word procedures, without a draw.
        {wind, line({WORD_LOOK}), 585, {}, 0, 0},
        {wind, line({761}), 585, {}, 0, 0},
    });
    fresh_world(585);
    set_ref(VAR_THERE, 450);
    stays();
    at_place(line({745}));
    EXPECT_EQ(value[VAR_THERE], 585);
    EXPECT_TRUE(bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_MOVED));
}

TEST_F(Eyrie, EyrieAndPosts) {
    const std::vector<said> stirred = {{0, 1845, 0}, {0, 1266, 0}};
    check_place(447, {
        {phase_6, line({798}), 447, {{STOP_ARG, 1933, 1080}}},
        {phase_6, line({WORD_LOOK, 117}), 447, {{STOP, 3434, 0}}},
        {phase_6, line({WORD_TAKE, 117}), 447, {{STOP, 3434, 0}}},
        {phase_6, line({783, OBJ_ATTACKER}), 447, {{STOP, 3487, 0}}},
        {phase_6, line({WORD_LOOK, 1016}), 447, {{STOP, 2890, 0}}},
        {phase_6, line({WORD_LOOK, WORD_UP}), 447, {{STOP_ARG, 2019, 12}}},
        {phase_6, line({WORD_TAKE, 1016}), 447, {{STOP, 2891, 0}}},
        {phase_6, line({WORD_TAKE, 13}), 447, {{TYPED, 1408, VAR_ARG2}}},
        {phase_6, line({447}), 447, {{STOP, 1425, 0}}},
    });
    fresh_world(447);
    phase_6();
    outcome o = at_place(line({775, OBJ_ATTACKER}));
    EXPECT_EQ(first(o.texts, 2), stirred);
    EXPECT_EQ(o.loop, 1);

    check_place(448, {
        {phase_6, line({WORD_LOOK, 209}), 448, {{STOP, 3188, 0}}},
        {phase_6, line({848, 209}), 448, {{STOP, 3189, 0}}},
        {phase_6, line({WORD_TAKE, 1016}), 448, {{STOP, 2891, 0}}},
        {phase_6, line({447}), 448, {{STOP, 1425, 0}}},
    });
    check_place(449, {
        {phase_6, line({WORD_LOOK, 1039}), 449, {{STOP, 3175, 0}}},
        {phase_6, line({WORD_LOOK, 936}), 449, {{STOP, 3176, 0}}},
        {phase_6, line({WORD_LOOK, 893}), 449, {{STOP_ARG, 2903, 893}}, 1, 1},
    });
    check_place(450, {
        {phase_6, line({747}), 450, {{STOP, 2074, 0}}},
        {phase_6, line({WORD_LOOK, 747}), 450, {}, 0},
    });
    // A look naming the eyrie leaves the description to the look word.
    for (int place : {447, 448, 449}) {
        fresh_world(place);
        phase_6();
        outcome looked = at_place(line({WORD_LOOK, 447}));
        EXPECT_EQ(looked.loop, 0) << place;
        EXPECT_EQ(value[VAR_COMMAND_STATUS], 1) << place;
    }
    // Looked at at the watchpost, the rod is not yet told from a staff.
    for (bool told : {false, true}) {
        fresh_world(448);
        phase_6();
        bitmod(told ? 's' : 'c', 112, 18);
        at_place(line({WORD_LOOK, 112}));
        EXPECT_EQ(value[VAR_ARG2], told ? 112 : 1134);
    }
}

TEST_F(Eyrie, SunkenGrotto) {
    check_place(671, {
        {nullptr, line({706}), PLACE_DEPOSIT, {{0, 2886, 0}}},
        {nullptr, line({WORD_SAY, 710}), PLACE_DEPOSIT, {{0, 2886, 0}}},
        {nullptr, line({745}), 671, {{STOP, 2884, 0}}},
        {nullptr, line({WORD_GO, 936}), 671, {{STOP, 2884, 0}}},
        {nullptr, line({761}), 671, {{STOP, 2887, 0}}},
        {nullptr, line({WORD_IN, 202}), 671, {{STOP, 2887, 0}}},
        {nullptr, line({837}), 671, {{STOP_ARG, 1713, 0}}},
        {nullptr, line({850}), 671, {{STOP, 3388, 0}}},
        {nullptr, line({WORD_TAKE, 1016}), 671, {{STOP, 2891, 0}}},
        {nullptr, line({WORD_LOOK, 1016}), 671, {{STOP, 2889, 0}}},
        {nullptr, line({WORD_LOOK, 120}), 671, {{STOP, 2885, 0}}},
        {nullptr, line({WORD_LOOK, 899}), 671, {{STOP, 2888, 0}}},
        {nullptr, line({WORD_LOOK, 936}), 671, {{STOP_ARG, 2033, 936}}},
        {nullptr, line({WORD_LOOK, 376}), 671, {{STOP_ARG, 2019, 12}}},
    });
    // The grotto counts the commands given there up to 3, and marks its
    // twin place as visited every time.
    fresh_world(671);
    for (int n : {1, 2, 3, 3}) {
        bitmod('c', 674, PFLAG_VISITED);
        at_place(line({WORD_LOOK}));
        EXPECT_EQ(value[671], n);
        EXPECT_TRUE(bitest(674, PFLAG_VISITED));
    }
}

// A jump or a drop from the last ledge, as a movement, ends the game.
TEST_F(Eyrie, LastLedge) {
    check_place(672, {
        {nullptr, line({754}), 545, {{0, 2880, 0}}},
        {nullptr, line({781}), 672, {{STOP, 2893, 0}}},
        {nullptr, line({WORD_LOOK, 917}), 672, {{STOP_ARG, 2393, 1}}},
        {nullptr, line({WORD_LOOK, WORD_UP}), 672, {{STOP, 2882, 0}}},
        {nullptr, line({766, OBJ_LIGHT_SOURCE}), 672, {}, 0},
    });
    for (const std::string &typed : {line({762}), line({766}), line({WORD_GO, 762}), line({762, WORD_DOWN}),
                                     line({766, 778})}) {
        fresh_world(672);
        value[VAR_PHASE] = 8;
        outcome o = at_place(typed);
        EXPECT_EQ(o.loop, 1) << typed;
        EXPECT_EQ(value[VAR_PHASE], 9) << typed;
        EXPECT_EQ(value[VAR_QUESTION], Q_FINALE_1) << typed;
        ASSERT_FALSE(o.texts.empty()) << typed;
        EXPECT_EQ(o.texts.back(), (said{STOP, 1863, 0})) << typed;
    }
}

}  // namespace
