// The movement words: GO, the compass and axis words, in and out, BACK and
// the two short direction words. A place's own exits run first; these
// answer only when the place did not move the player: the reply for a way
// that does not exist here, and the one move no place lists, going back.
#include "game.h"

// GO: alone it asks where to; with a way it hands on to that way's word;
// with a place or one of the creatures it answers for, a word of its own.
int p391() {
    if (cond(words() == 1)) {
        say_stop_typed(1378, VAR_ARG1);
        return 0;
    }
    if (cond(within(arg1(), 744, 756))
            .OR(within(arg2(), 744, 756))
            .OR(within(arg2(), 887, 903))
            .OR(anyof(WORD_BACK, WORD_CAVERN, WORD_OUT, WORD_IN, -1))) {
        call_proc(arg2());
        return 0;
    }
    if (cond(bitest(arg2(), FLAG_IS_PLACE))) {
        if (cond(here() == arg2()))
            say_stop(1347);
        else
            say_stop(1424);
        return 0;
    }
    if (cond(anyof(OBJ_PHANTOM, OBJ_ATTACKER, OBJ_GRIFFIN, OBJ_MIRROR, OBJ_LYNX, OBJ_WANDERER, -1))) {
        if (cond(isnear(arg2(), -1, -1))) {
            say_stop_typed(2079, VAR_ARG2);
            return 0;
        }
        p39();
        if (loop) return 0;
    }
    say_stop(2007);
    return 0;
}

// The eight compass words: the place had no exit that way.
int p617() {
    p614();
    return 0;
}
// Word 746 ("northeast"): the place had no way north-east: the refusal of a compass way without an
// exit.
int p622() {
    p614();
    return 0;
}
// Word 747 ("east"): the place had no way east: the refusal of a compass way without an exit.
int p251() {
    p614();
    return 0;
}
// Word 748 ("southeast"): the place had no way south-east: the refusal of a compass way without an
// exit.
int p793() {
    p614();
    return 0;
}
// Word 749 ("south"): the place had no way south: the refusal of a compass way without an exit.
int p788() {
    p614();
    return 0;
}
// Word 750 ("southwest"): the place had no way south-west: the refusal of a compass way without an
// exit.
int p794() {
    p614();
    return 0;
}
// Word 751 ("west"): the place had no way west: the refusal of a compass way without an exit.
int p919() {
    p614();
    return 0;
}
// Word 752 ("northwest"): the place had no way north-west: the refusal of a compass way without an
// exit.
int p623() {
    p614();
    return 0;
}

// Up and down where the place has no such way: no fall in the dark.
static void no_way_on_axis(int word) {
    if (cond(words() == 1).OR(anyof(WORD_GO, WORD_CLIMB, -1)))
        say_stop_variant(1294, word);
    else
        say_stop(1352);
}
// Word 754 ("up"): the place had no way up: the refusal (no fall in the dark).
int p877() {
    no_way_on_axis(WORD_UP);
    return 0;
}
// Word 755 ("down"): the place had no way down: the refusal (no fall in the dark).
int p225() {
    no_way_on_axis(WORD_DOWN);
    return 0;
}

// In and out where the place has nothing to go into or out of.
int p472() {
    say_stop_variant(1298, 0);
    return 0;
}
// Word 758 ("out"): the place had no way out: asks where the player wants to go out of.
int p654() {
    say_stop_variant(1298, 0);
    return 0;
}

// BACK: to the previous place, unless either end forbids it or there is
// none. The move makes the old place the previous one, so BACK twice
// returns to where the first BACK started.
int p38() {
    if (cond(here_has(PFLAG_NO_BACK)).OR(bitest(value[VAR_THERE], PFLAG_NO_BACK)).OR(value[VAR_THERE] == 0)) {
        say_stop_variant(1387, 0);
        return 0;
    }
    moveto(value[VAR_THERE], -2);
    return 0;
}

// Word 762 ("jump"): where the place has no jump of its own, jumping on the spot.
int p507() {
    say_stop(2607);
    return 0;
}

// Word 889: where the player is, with a word of its own at the lane, the
// cottage, the valley and the streambed.
int p108() {
    if (cond(here() == PLACE_VALLEY).OR(here() == PLACE_START).OR(here() == PLACE_STREAMBED).OR(here() == PLACE_DEPOSIT))
        say_stop(1346);
    else
        say_stop(1347);
    return 0;
}
