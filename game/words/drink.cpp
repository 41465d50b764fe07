// Drinking (word 790): from the water where the player stands, or from a
// carried vessel of water. The words for the water's sources mean water
// only where that source is; oil, the flask, ale and the waterskin have
// replies of their own; a vessel named is drunk from when it holds water.
#include "game.h"

namespace {

constexpr int WATER = OBJ_LIQUID_1, OIL = OBJ_LIQUID_2, ALE = OBJ_LIQUID_3;
constexpr int SMALL = OBJ_VESSEL_SMALL, MEDIUM = OBJ_VESSEL_MEDIUM, LARGE = OBJ_VESSEL_LARGE;

// A word for a source of water, and the places where it is one.
struct source_word {
    int word;
    int places[18];  // ends at the first 0
};
const source_word source_words[] = {
    {911, {333, 487}},
    {575, {575, 574}},
    {899, {566, 567, 259, 195, 201, 202, 495, 511, 632, 631, 638, 637, 635, 636, 283, 568, 554, 200}},
    {918, {200, 259}},
    {298, {298, 299, 671}},
};

// How the water of each source is drunk (text 1363's variant).
int source_variant() {
    const int h = here();
    if (cond(h == 298).OR(h == 299)) return 5;
    if (cond(h == 333).OR(h == 487)) return 1;
    if (cond(h == 575).OR(h == 574)) return 3;
    if (cond(h == 200)) return 2;
    if (cond(h == 568).OR(h == 566).OR(h == 567).OR(h == 554)) return 4;
    return 0;
}

int drink(int amount, int text, int vessel) {
    p902(num(amount), ref(text), ref(vessel));
    return 0;
}

// The thing named by the second word: a vessel holding water is drunk
// from; anything else is refused.
int drink_from_named() {
    const int thing = arg2();
    set('V', VAR_VESSEL_STATE, 'v', thing, nullptr, nullptr);
    const int s = value[VAR_VESSEL_STATE];
    if (cond(s == VESSEL_OIL)) {
        say_stop(2191);
        return 0;
    }
    if (!cond(thing == SMALL).OR(thing == MEDIUM).OR(thing == OBJ_FLASK).OR(thing == LARGE)) {
        say_stop(1315);
        return 0;
    }
    if (!cond(near(thing))) {
        p39();
        return 0;
    }
    if (cond(s == VESSEL_EMPTY)) {
        say_stop_typed(2190, VAR_ARG2);
        return 0;
    }
    if (cond(thing == SMALL).AND(s <= 1)) {
        say_stop(2192);
        return 0;
    }
    if (!cond(carried(thing))) {
        say_stop_typed(2189, VAR_ARG2);
        return 0;
    }
    if (cond(thing == LARGE)) {
        if (cond(s == VESSEL_NECTAR).OR(s == 1)) {
            say_stop(1361);
            return 0;
        }
        return drink(900, 1366, LARGE);
    }
    if (cond(thing == MEDIUM)) return drink(600, 1366, MEDIUM);
    if (cond(thing == SMALL)) return drink(300, 1840, SMALL);
    say_stop(1403);
    return 0;
}

}  // namespace

// Word 790 ("drink"): drinking from a source the place has, or the liquid of a vessel.
int p227() {
    if (cond(has(WORD_TAKE))) value[VAR_COMMAND_STATUS] = 1;
    for (const source_word &w : source_words) {
        if (!cond(has(w.word))) continue;
        int at = 0;
        for (int p : w.places) at |= p != 0 && here() == p;
        if (!cond(at)) return 0;
        hold_ref(VAR_ARG2, WATER);
    }
    if (cond(has(OIL))) {
        p320(num(0));
        if (loop) return 0;
        if (cond(value[VAR_VESSEL] == 0).AND(!near(OIL)))
            say_stop_typed(1319, OIL);
        else
            say_stop(2191);
        return 0;
    }
    if (cond(has(OBJ_FLASK))) {
        if (cond(near(OBJ_FLASK)))
            say_stop(1897);
        else
            say_stop_typed(1319, OBJ_FLASK);
        return 0;
    }
    if (cond(near_in(LARGE, VESSEL_ALE)).AND(anyof(ALE, LARGE, -1))) {
        p228();
        return 0;
    }
    if (cond(has(ALE))) {
        say_stop_typed(1319, ALE);
        return 0;
    }
    if (cond(has(OBJ_WATERSKIN)).AND(near(OBJ_WATERSKIN))) {
        if (cond(value[OBJ_WATERSKIN] > 0)) {
            p122();
            if (loop) return 0;
        }
        say_stop_typed(1745, OBJ_WATERSKIN);
        return 0;
    }
    if (cond(words() == 1).AND(near(OBJ_WATERSKIN)).AND(value[OBJ_WATERSKIN] > 0)) {
        p122();
        if (loop) return 0;
    }
    if (!cond(words() == 1).OR(anyof(WATER, WORD_STREAM, 911, -1))) return drink_from_named();
    if (cond(here_has(PFLAG_LIQUID_SOURCE))) {
        set_variant(1363, source_variant());
        return drink(800, 1363, 0);
    }
    p321(num(0));
    if (loop) return 0;
    if (cond(value[VAR_VESSEL] == 0)) {
        if (cond(words() == 1).AND(have(LARGE, 0, VESSEL_ALE))) {
            p228();
            return 0;
        }
        if (cond(words() == 1).OR(has(WATER))) {
            if (cond(here() == 453).OR(here() == 499)) {
                say_stop(3172);
                return 0;
            }
            if (cond(here() == 498)) return drink(200, 3365, 0);
        }
        say_stop(1559);
        return 0;
    }
    special(SPECIAL_SET_ARG2, &value[VAR_VESSEL]);
    return drink_from_named();
}
