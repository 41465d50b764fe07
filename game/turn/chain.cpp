// The null procedure and the REPEAT chain that the main loop runs once per
// turn: start of turn, arrival and world events, per-turn events, reading
// the command, dispatch, and the chain's last part.
#include "game.h"

int p0() { return 0; }

// A game resumed from its autosave was kept while it waited for a command:
// the start of that turn, its arrivals and its events had already run. So
// the first turn after the resume goes straight to reading the command;
// running them again would tick the world once more with no command given
// (a second thirst warning, a prowler's blow drawn from the new run's seed).
int p2() {
    if (value[0] == SPECIAL_AUTORESTORE) {
        value[0] = 0;
        return run_chain({p6, p7, p8});
    }
    return run_chain({p3, p4, p5, p6, p7, p8});
}

// Reached only when dispatch left the turn open, which it never does in play.
int p8() {
    if (cond(anyof(1009, 924, -1))) {
        say(SAY_STOP, 2007, 0);
        if (loop) return 0;
    }
    return 0;
}
