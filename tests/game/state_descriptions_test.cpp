// Things whose description follows their state: every state reads as the
// thing then is (the taper burnt out when it is said on going, the
// parchment under its sheet until it is taken, the chasm once the bridge has
// gone down, the trap shut or open, the giant with his statuette).
#include <set>

#include "harness.h"

namespace {

using namespace game_test;

class StateDescriptions : public GameTest {};

// The description of an object lying at a place, in a state.
std::string described(int quals, int obj, int state) {
    location[obj] = PLACE_DEPOSIT;
    value[obj] = state;
    return wording({quals, obj, 0});
}

// States listed in groups: the states of one group read alike, and no two
// groups read alike.
TEST_F(StateDescriptions, EachStateReadsAsTheThingIs) {
    struct row {
        int quals, obj;
        std::vector<std::vector<int>> groups;
    };
    const std::vector<row> rows = {
        {0, 165, {{0, 1, 2}, {3}}},         // burning while it counts, then gone out
        {0, 59, {{0}, {1}}},                // under the sheet, then lying loose
        {0, 22, {{0}, {1, 2}}},             // under the bridge, then where it was
        {SAY_DETAIL, 22, {{0}, {1, 2}}},
        {0, 162, {{0}, {1}}},               // shut, open
        {0, 194, {{0}, {1, 3, 4, 5, 6}, {2}}},  // asleep, awake, with the statuette he took
    };
    for (const row &r : rows) {
        std::set<std::string> seen;
        for (const auto &group : r.groups) {
            const std::string w = described(r.quals, r.obj, group.front());
            EXPECT_FALSE(w.empty()) << r.obj;
            for (int state : group) EXPECT_EQ(described(r.quals, r.obj, state), w) << r.obj << " " << state;
            seen.insert(w);
        }
        EXPECT_EQ(seen.size(), r.groups.size()) << r.obj;
    }
}

// Leaving the counting room says the taper as it goes out, not as it burns.
TEST_F(StateDescriptions, TheTaperGoesOutWhenTheRoomIsLeft) {
    const std::string burning = described(0, 165, 0);
    fresh_world(564);
    location[165] = 564;
    value[165] = 0;
    const outcome o = at_place(line({747}));
    EXPECT_EQ(o.place, 563);
    ASSERT_EQ(o.texts, (std::vector<said>{{0, 165, 0}}));
    EXPECT_NE(wording(o.texts[0]), burning);
}

}  // namespace
