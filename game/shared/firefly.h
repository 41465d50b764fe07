// The firefly in the jar goes where the jar went: said after the jar is put
// down or sent off elsewhere. From the stepwell it is seen going up into the
// pit; anywhere else its glow is seen going, on a line of its own.
#pragma once

#include "game.h"

inline void firefly_goes_with_the_jar() {
    int v = 0;
    if (cond(here() == 210))
        v = 1;
    else
        say(0, 1266, 0);
    say(SAY_ARG, 2035, v);
}
