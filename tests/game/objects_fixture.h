// The fixture of the tests of objects on the move (vessels, taking and
// putting down, sending off): a command typed at a place, with the
// per-command variables as dispatch leaves them before the word
// procedures run.
#pragma once

#include "harness.h"

namespace game_test {

class ObjectsTest : public GameTest {
protected:
    // A fresh world at `here`, seven hands free, the command parsed, and the
    // drop and landing places at `here`.
    void command_at(int here, const std::string &typed) {
        fresh_world(here);
        value[VAR_CARRY_LIMIT] = 7;
        parse(typed);
        set_ref(VAR_DROP_PLACE, here);
        set_ref(VAR_LANDING_PLACE, here);
    }
};

}  // namespace game_test
