// Word 794 (find): with the caverns named it answers by whether the way
// below has been found; with a thing or a place it compares it with where
// the player is and what the player holds.
#include "game.h"

int p317() { return run_chain({p318, p319}); }

// Chain part of p317 (word 794 ("find")), part 1 of 2: word 889 ("cavern").
int p318() {
    if (!cond(has(WORD_CAVERN))) return 0;
    if (cond(here_has(7)).AND(!bitest(PLACE_FOOT_OF_HATCH, PFLAG_VISITED)))
        say_stop(1346);
    else
        say_stop(1347);
    return 0;
}

// Chain part of p317 (word 794 ("find")), part 2 of 2: a named target.
int p319() {
    if (!cond(words() > 1)) return 0;
    if (cond(bitest(arg2(), FLAG_IS_OBJECT))) {
        if (cond(has(OBJ_MARK_155))) {
            if (cond(within(here(), PLACE_RING_WALK_547, PLACE_CHUTE_HEAD)))
                say_stop(2771);
            else
                p39();
            return 0;
        }
        if (cond(near(arg2()))) {
            if (cond(carried(arg2())).OR(has(OBJ_MIRROR)))
                say_stop(1391);
            else
                say_stop(1875);
            return 0;
        }
        say_stop(1348);
        return 0;
    }
    if (cond(bitest(arg2(), FLAG_IS_PLACE))) {
        if (cond(here() == arg2()))
            say_stop(1425);
        else
            say_stop(1348);
        return 0;
    }
    say_stop(1352);
    return 0;
}
