// The null procedure and the REPEAT chain that the main loop runs once per
// turn: start of turn, arrival and world events, per-turn events, reading
// the command, dispatch, and the chain's last part.
#include "game.h"

int p0() { return 0; }

int p2() { return run_chain({p3, p4, p5, p6, p7, p8}); }

// Reached only when dispatch left the turn open, which it never does in play.
int p8() {
    if (cond(anyof(1009, 924, -1))) {
        say(SAY_STOP, 2007, 0);
        if (loop) return 0;
    }
    return 0;
}
