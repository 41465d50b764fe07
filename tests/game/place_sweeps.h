// What the tests of a region's places share: each place's ways out checked
// against its table, alone and after GO, and the set-up of a seed whose
// first draws come out as a row needs them.
#pragma once

#include "draws.h"
#include "harness.h"

namespace game_test {

using exit_map = std::map<int, int>;

// A place, the world set up, and where each word leads: alone, after GO.
struct sweep {
    int place;
    std::function<void()> setup;
    exit_map alone, with_go;
};

class PlacesTest : public GameTest {
protected:
    void check_sweeps(const std::vector<sweep> &sweeps) {
        for (const sweep &s : sweeps) {
            EXPECT_EQ(exits(s.place, s.setup, false), s.alone) << "at " << s.place << ", one word";
            EXPECT_EQ(exits(s.place, s.setup, true), s.with_go) << "at " << s.place << ", after GO";
        }
    }
};

// A set-up that seeds the generator so that its first draws, with these
// moduli, satisfy `ok`.
inline std::function<void()> draws_where(std::initializer_list<int> moduli,
                                         const std::function<bool(const std::vector<int> &)> &ok) {
    const int32_t s = seed_where(moduli, ok);
    return [s] { rseed = s; };
}

// The player has come from `place`.
inline std::function<void()> came_from(int place) {
    return [place] { set_ref(VAR_THERE, place); };
}

}  // namespace game_test
