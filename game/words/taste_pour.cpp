// Tasting (word 791) and pouring (word 787). Tasting a liquid or a vessel
// goes through the drinking word, which only says how it tastes; a few
// foods answer for themselves. Pouring empties a vessel: the one named, or
// the one that holds the liquid named, or for a bare "pour" the first
// vessel of water or oil.
#include "game.h"

namespace {

// Empties the vessel in use where the drops land.
int pour_out(int vessel) {
    hold_ref(VAR_VESSEL, vessel);
    return p218();
}

// The vessel the command names.
int named_vessel() {
    for (int v : {OBJ_VESSEL_SMALL, OBJ_VESSEL_MEDIUM, OBJ_VESSEL_LARGE})
        if (arg2() == v) return v;
    return arg1();
}

}  // namespace

// Word 791 ("taste"): tasting a liquid is drinking it; the nectar, and the things that cannot be
// tasted.
int p777() {
    if (cond(words() == 1)) {
        p39();
        return 0;
    }
    if (cond(anyof(OBJ_LIQUID_1, OBJ_LIQUID_2, OBJ_FLASK, OBJ_LIQUID_3, -1))) {
        call_proc(WORD_CONSUME_LIQUID);
        if (loop) return 0;
    }
    if (cond(has(OBJ_LIQUID_4))) {
        p126(num(1));
        if (loop) return 0;
        say_stop(1361);
        return 0;
    }
    if (!cond(bitest(arg2(), FLAG_IS_OBJECT)).AND(near(arg2()))) {
        p39();
        return 0;
    }
    if (cond(has(OBJ_HONEYCAKE))) {
        say_stop(2799);
        return 0;
    }
    if (cond(has(OBJ_BREAD))) {
        value[OBJ_BREAD] = 1;
        say_stop(2798);
        return 0;
    }
    if (cond(anyof(OBJ_VESSEL_MEDIUM, OBJ_VESSEL_SMALL, OBJ_VESSEL_LARGE, -1))) {
        call_proc(WORD_CONSUME_LIQUID);
        if (loop) return 0;
    }
    p39();
    return 0;
}

// Word 787 ("pour"): pouring out a vessel: the one named, or the one holding oil or water.
int p688() {
    if (cond(words() == 1)) {
        p321(num(0));
        if (loop) return 0;
        if (cond(value[VAR_VESSEL] == 0)) {
            p320(num(0));
            if (loop) return 0;
        }
        if (cond(value[VAR_VESSEL] == 0)) return 0;
        value[VAR_COMMAND_STATUS] = 2;
        set('V', VAR_ARG2, 'v', VAR_VESSEL, nullptr, nullptr);
    }
    if (cond(anyof(OBJ_LIQUID_1, OBJ_LIQUID_2, OBJ_LIQUID_3, OBJ_LIQUID_4, -1))) {
        if (cond(has(OBJ_LIQUID_1))) {
            p321(num(1));
            if (loop) return 0;
            p218();
            if (loop) return 0;
        }
        if (cond(has(OBJ_LIQUID_2))) {
            p320(num(1));
            if (loop) return 0;
            p218();
            if (loop) return 0;
        }
        if (cond(has(OBJ_LIQUID_3))) {
            if (cond(have(OBJ_VESSEL_LARGE, 0, VESSEL_ALE))) {
                pour_out(OBJ_VESSEL_LARGE);
                if (loop) return 0;
            } else {
                say_stop_typed(1513, OBJ_LIQUID_3);
                return 0;
            }
        }
        if (cond(has(OBJ_LIQUID_4))) {
            if (cond(have(OBJ_VESSEL_LARGE, 0, VESSEL_NECTAR))) {
                say_stop(2254);
                return 0;
            }
            p625(ref(OBJ_LIQUID_4));
            if (loop) return 0;
        }
    }
    if (cond(anyof(OBJ_VESSEL_SMALL, OBJ_VESSEL_MEDIUM, OBJ_VESSEL_LARGE, -1))) {
        const int v = named_vessel();
        if (!cond(near(v))) {
            say_stop_typed(1513, VAR_ARG2);
            return 0;
        }
        if (!cond(value[v] > 2)) {
            say_stop_typed(1745, VAR_ARG2);
            return 0;
        }
        if (cond(value[v] == VESSEL_NECTAR)) {
            say_stop(2254);
            return 0;
        }
        pour_out(v);
        loop = 1;
        return 0;
    }
    if (cond(has(OBJ_BUNDLE))) {
        if (cond(near(OBJ_BUNDLE))) say_stop_typed(1714, OBJ_BUNDLE);
        return 0;
    }
    if (cond(words() > 1)) say_stop(1376);
    return 0;
}
