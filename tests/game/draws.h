// The kernel's replayable generator run by hand, for tests that check the
// order of a procedure's random draws: what each draw from a seed gives, and
// a seed whose first draws come out as a test needs them.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <vector>

namespace game_test {

struct replica {
    int32_t seed;
    int next(int n) {
        const int32_t s = int32_t((uint32_t(seed) << 10) + uint32_t(seed));
        seed = (s / 13) & 0x7fff;
        return seed % n;
    }
};

// A seed whose first draws, with these moduli in turn, satisfy `ok`.
inline int32_t seed_where(std::initializer_list<int> moduli, const std::function<bool(const std::vector<int> &)> &ok) {
    for (int32_t s = 1; s < 32768; s++) {
        replica r{s};
        std::vector<int> d;
        for (int n : moduli) d.push_back(r.next(n));
        if (ok(d)) return s;
    }
    ADD_FAILURE() << "no seed gives those draws";
    return 1;
}

}  // namespace game_test
