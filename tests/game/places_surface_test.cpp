// The surface places: their exits, look rows, refusals and marks, through
// the real command reader and dispatch up to the place procedure.
#include "harness.h"

namespace {

using namespace game_test;

class Surface : public GameTest {};

// Every way out of the streambed, alone and after GO, in phase 3 with no
// heading stone: the exit table, "stream" as north in this phase, "rock" as
// south, and "up" drawn to one side of the water.
TEST_F(Surface, StreambedExits) {
    const std::map<int, int> want = {
        {195, 195}, {200, 195}, {201, 201}, {745, 201}, {849, 201}, {899, 201}, {203, 203}, {749, 203},
        {850, 203}, {919, 203}, {1130, 203}, {746, 541}, {747, 535}, {748, 536}, {750, 533}, {751, 532},
        {894, 532}, {752, 531}, {754, 535},
    };
    EXPECT_EQ(exits(202, nullptr, false), want);
    EXPECT_EQ(exits(202, nullptr, true), want);
}

TEST_F(Surface, StreambedRows) {
    auto phase = [](int p) { return [p] { value[VAR_PHASE] = p; }; };
    auto heading = [](int state) {
        return [state] {
            carry(OBJ_HEADING);
            value[OBJ_HEADING] = state;
        };
    };
    check_place(202, {
        // The look block answers first, and returns when it has no row.
        {nullptr, line({WORD_LOOK, 919}), 202, {{STOP, 3424, 0}}},
        {nullptr, line({WORD_LOOK, 899}), 202, {{STOP_ARG, 2165, 899}}},
        {nullptr, line({WORD_LOOK, 749}), 202, {}, 0},
        // Into the water, or down the stream: the refusal.
        {nullptr, line({757, 899}), 202, {{STOP, 2710, 0}}},
        {nullptr, line({WORD_GO, 120}), 202, {{STOP, 2710, 0}}},
        // The way on down the streambed is shut.
        {nullptr, line({755}), 202, {{STOP, 1392, 0}}},
        {nullptr, line({757, 202}), 202, {{STOP, 1392, 0}}},
        // "Stream" is north only in phase 3; otherwise it is shut too.
        {phase(4), line({899}), 202, {{STOP, 1392, 0}}},
        // In phase 8 the names of places lead elsewhere.
        {phase(8), line({195}), 518, {{0, 2162, 0}}},
        {phase(8), line({201}), 203, {{0, 2162, 0}}},
        // A heading stone far from the way lets it pass (the refusal near
        // its heading is the heading check's own).
        {heading(1), line({919}), 203, {}},
        // Not a move: the feature mark, and the word procedure goes on.
        {nullptr, line({WORD_TAKE, 919}), 202, {}, 0},
    });
    // The heading check saw the direction of the named place.
    fresh_world(202);
    carry(OBJ_HEADING);
    at_place(line({850}));
    EXPECT_EQ(value[VAR_DIRECTION_WORD], 749);
    EXPECT_EQ(*bitword(VAR_DIRECTION_WORD), ref_mark);
    fresh_world(202);
    at_place(line({WORD_TAKE, 919}));
    EXPECT_TRUE(bitest(VAR_QUESTION, VFLAG_QUESTION_REPLIED));
}

}  // namespace
