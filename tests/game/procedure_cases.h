// Tables of cases for shared procedures that are called by name: each case
// sets up a fresh world, parses a typed command, runs one procedure on it
// and compares what it did. Also the draws: a seed whose next draw is
// known, so that a chance can be made to fall either way.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "harness.h"

namespace game_test {

struct proc_case {
    std::string what;
    std::function<void()> setup;  // after the fresh world, before the command is parsed
    std::string command;
    game_proc proc;
    int place;
    std::vector<said> texts;
    int loop = 1;
    long draws = 0;
    std::function<void()> after_parse = nullptr;  // what the command reader would undo
    bool dies = false;
};

// A case that ends in the death procedure: what was said before it is
// compared, and the death must end the turn; what the death says and draws
// is its own.
inline proc_case dying(proc_case c) {
    c.dies = true;
    return c;
}

// The seed under which the next irand(n) answers what `wanted` accepts.
inline int32_t seed_for(int n, const std::function<bool(int)> &wanted) {
    for (int32_t s = 1;; s++) {
        rseed = s;
        const long d = irand_draws;
        const int r = irand(n);
        irand_draws = d;
        if (wanted(r)) return s;
    }
}

class ProcedureTest : public GameTest {
protected:
    outcome run_case(int here, const proc_case &c) {
        fresh_world(here);
        if (c.setup) c.setup();
        parse(c.command);
        if (c.after_parse) c.after_parse();
        return call(c.proc);
    }
    void check(int here, const std::vector<proc_case> &cases) {
        for (const proc_case &c : cases) {
            const outcome o = run_case(here, c);
            if (c.dies) {
                EXPECT_EQ(first(o.texts, c.texts.size()), c.texts) << c.what;
                EXPECT_GT(o.texts.size(), c.texts.size()) << c.what;
                EXPECT_EQ(o.loop, 1) << c.what;
                EXPECT_EQ(o.place, c.place) << c.what;
                continue;
            }
            EXPECT_EQ(o.place, c.place) << c.what;
            EXPECT_EQ(o.texts, c.texts) << c.what;
            EXPECT_EQ(o.loop, c.loop) << c.what;
            EXPECT_EQ(o.draws, c.draws) << c.what;
        }
    }
};

}  // namespace game_test
