// What the tests of the place procedures share besides the harness: a
// stand-in for a word procedure that records that it ran, the texts of a
// death, small set-ups of the world, and exit maps without the words that
// the passage rule answers by where the player came from.
#pragma once

#include "harness.h"

namespace game_test {

// A word's procedure replaced by one that only records that it ran, as the
// pseudo-text {-1, W, 0}.
template <int W>
int word_ran() {
    said_log.push_back({-1, W, 0});
    return 0;
}
inline said ran(int w) { return {-1, w, 0}; }

// The texts of a death that names the count of deaths first, in the early
// phases: the count, a new line, and the question whether to go on.
inline const std::vector<said> death_with_count = {
    {SAY_ARG | SAY_ARGVAR, 1502, VAR_DEATHS}, {0, 1266, 0}, {STOP, 1379, 0}};
inline const std::vector<said> plain_death = {{0, 1266, 0}, {STOP, 1379, 0}};

inline std::function<void()> phase(int p) {
    return [p] { value[VAR_PHASE] = p; };
}
inline std::function<void()> heading(int state) {
    return [state] {
        carry(OBJ_HEADING);
        value[OBJ_HEADING] = state;
    };
}
inline std::function<void()> state_of(int entity, int v) {
    return [entity, v] { value[entity] = v; };
}
inline std::function<void()> came_from(int place) {
    return [place] { set_ref(VAR_THERE, place); };
}
inline std::function<void()> both(std::function<void()> a, std::function<void()> b) {
    return [a, b] {
        a();
        b();
    };
}

// The exits without the words that go through the passage rule.
inline std::map<int, int> without(std::map<int, int> m, std::initializer_list<int> words) {
    for (int w : words) m.erase(w);
    return m;
}

}  // namespace game_test
