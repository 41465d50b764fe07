// The places beyond the ravine: their exits, look rows, counters and marks,
// through the real command reader and dispatch up to the place procedure.
#include "harness.h"

namespace {

using namespace game_test;

class Beyond : public GameTest {};

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

// The watcher's counter falls back by one from 1 and from 3 on every
// command here, and stays at 0 and 2.
TEST_F(Beyond, ThreeWayChamberCounter) {
    for (auto [before, after] : {std::pair{0, 0}, {1, 0}, {2, 2}, {3, 2}, {4, 4}}) {
        fresh_world(313);
        value[26] = before;
        at_place(line({WORD_TAKE, 936}));
        EXPECT_EQ(value[26], after) << before;
    }
}

}  // namespace
