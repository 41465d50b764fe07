// The fixture of the word procedures' tests: a table of typed commands run
// through one procedure, each from a fresh world, every text said written.
#pragma once

#include <vector>

#include "harness.h"

namespace game_test {

class WordsTest : public GameTest {
protected:
    void table(game_proc p, int here, const std::vector<game_case> &cases) {
        for (const game_case &c : cases) {
            fresh_world(here);
            if (c.setup) c.setup();
            const outcome o = call(p, c.command);
            expect(c, o);
            for (const said &t : o.texts) {
                if (t.quals & SAY_DETAIL) continue;  // an entity's description, not a text
                EXPECT_FALSE(wording(t).empty()) << "text " << t.text << " unwritten";
            }
        }
    }
};

}  // namespace game_test
