// Drinking (word 790): from the water where the player stands, or from a
// carried vessel of water. The words for the water's sources mean water
// only where that source is; oil, the flask, ale and the waterskin have
// replies of their own; a vessel named is drunk from when it holds water.
#include "game.h"

namespace {

// A word for a source of water, and the places where it is one.
struct source_word {
    int word;
    int places[18];  // ends at the first 0
};
const source_word source_words[] = {
    {WORD_SPRING, {PLACE_STILL_POOL, PLACE_THICKET_SPRING}},
    {PLACE_RUNE_DOOR, {PLACE_RUNE_DOOR, PLACE_DOOR_APPROACH}},
    {WORD_STREAM,
     {PLACE_FOOT_OF_FALLS, PLACE_MIDDLE_OF_FALLS, PLACE_STREAM_SINK, PLACE_START, PLACE_VALLEY, PLACE_STREAMBED,
      PLACE_CROSSWAYS, PLACE_UPSTREAM_POOL, PLACE_NEAR_BANK, PLACE_FAR_BANK, PLACE_STREAM_HEAD, PLACE_UPPER_STREAM_RUN,
      PLACE_FALLS_NOOK, PLACE_STREAM_RUN, PLACE_BURROW, PLACE_HEAD_OF_FALLS, PLACE_RING_WALK_554, PLACE_DEPOSIT}},
    {WORD_TAP, {PLACE_DEPOSIT, PLACE_STREAM_SINK}},
    {PLACE_FAR_SHORE, {PLACE_FAR_SHORE, PLACE_NEAR_SHORE, PLACE_SUNKEN_GROTTO_671}},
};

// How the water of each source is drunk (text 1363's variant).
int source_variant() {
    const int h = here();
    if (cond(h == PLACE_FAR_SHORE).OR(h == PLACE_NEAR_SHORE)) return 5;
    if (cond(h == PLACE_STILL_POOL).OR(h == PLACE_THICKET_SPRING)) return 1;
    if (cond(h == PLACE_RUNE_DOOR).OR(h == PLACE_DOOR_APPROACH)) return 3;
    if (cond(h == PLACE_DEPOSIT)) return 2;
    if (cond(h == PLACE_HEAD_OF_FALLS).OR(h == PLACE_FOOT_OF_FALLS).OR(h == PLACE_MIDDLE_OF_FALLS).OR(h == PLACE_RING_WALK_554)) return 4;
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
    if (!cond(thing == OBJ_VESSEL_SMALL).OR(thing == OBJ_VESSEL_MEDIUM).OR(thing == OBJ_FLASK).OR(thing == OBJ_VESSEL_LARGE)) {
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
    if (cond(thing == OBJ_VESSEL_SMALL).AND(s <= 1)) {
        say_stop(2192);
        return 0;
    }
    if (!cond(carried(thing))) {
        say_stop_typed(2189, VAR_ARG2);
        return 0;
    }
    if (cond(thing == OBJ_VESSEL_LARGE)) {
        if (cond(s == VESSEL_NECTAR).OR(s == 1)) {
            say_stop(1361);
            return 0;
        }
        return drink(900, 1366, OBJ_VESSEL_LARGE);
    }
    if (cond(thing == OBJ_VESSEL_MEDIUM)) return drink(600, 1366, OBJ_VESSEL_MEDIUM);
    if (cond(thing == OBJ_VESSEL_SMALL)) return drink(300, 1840, OBJ_VESSEL_SMALL);
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
        hold_ref(VAR_ARG2, OBJ_LIQUID_1);
    }
    if (cond(has(OBJ_LIQUID_2))) {
        p320(num(0));
        if (loop) return 0;
        if (cond(value[VAR_VESSEL] == 0).AND(!near(OBJ_LIQUID_2)))
            say_stop_typed(1319, OBJ_LIQUID_2);
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
    if (cond(near_in(OBJ_VESSEL_LARGE, VESSEL_ALE)).AND(anyof(OBJ_LIQUID_3, OBJ_VESSEL_LARGE, -1))) {
        p228();
        return 0;
    }
    if (cond(has(OBJ_LIQUID_3))) {
        say_stop_typed(1319, OBJ_LIQUID_3);
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
    if (!cond(words() == 1).OR(anyof(OBJ_LIQUID_1, WORD_STREAM, WORD_SPRING, -1))) return drink_from_named();
    if (cond(here_has(PFLAG_LIQUID_SOURCE))) {
        set_variant(1363, source_variant());
        return drink(800, 1363, 0);
    }
    p321(num(0));
    if (loop) return 0;
    if (cond(value[VAR_VESSEL] == 0)) {
        if (cond(words() == 1).AND(have(OBJ_VESSEL_LARGE, 0, VESSEL_ALE))) {
            p228();
            return 0;
        }
        if (cond(words() == 1).OR(has(OBJ_LIQUID_1))) {
            if (cond(here() == PLACE_SLUICE).OR(here() == PLACE_UPPER_GROTTO)) {
                say_stop(3172);
                return 0;
            }
            if (cond(here() == PLACE_POOL_STAIR)) return drink(200, 3365, 0);
        }
        say_stop(1559);
        return 0;
    }
    special(SPECIAL_SET_ARG2, &value[VAR_VESSEL]);
    return drink_from_named();
}
