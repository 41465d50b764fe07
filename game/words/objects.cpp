// The procedures of six objects whose names lead a command: the oil, used
// as a verb on what it could be poured over; the trapdoor; the glimmer; the
// bundle; the water, named with the bait; and the plant, named with the
// ball or the bait.
#include "game.h"

namespace {

// The oil in the vessel to hand poured over something quietly: the reply is
// the caller's.
void pour_oil() {
    value[VAR_QUIET_EMPTY] = 1;
    p218();
}

}  // namespace

// Object 121 (oil).
int p633() {
    p320(num(0));
    if (loop) return 0;
    if (cond(value[VAR_VESSEL] == 0).AND(here() != PLACE_OIL_SEEP)) {
        say(SAY_ARGVAR | SAY_ARG, 1513, OBJ_LIQUID_2);
        if (cond(carried(OBJ_FLASK))) {
            glue_text();
            say(0, 1896, 0);
        }
        loop = 1;
        return 0;
    }
    if (cond(words() == 2).AND(arg1() == OBJ_LIQUID_2).AND(!near(arg2()))) {
        p39();
        if (loop) return 0;
        return 0;
    }
    if (cond(words() == 1)) {
        // The oil alone: the next lone word says what to oil.
        bitmod('s', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_ORPHAN);
        p39();
        if (loop) return 0;
        return 0;
    }
    if (cond(anyof(OBJ_RUNE_SLAB, OBJ_HOARD_DOORS, OBJ_GATE,
                   -1)).AND(cond(near(OBJ_RUNE_SLAB)).OR(near(OBJ_HOARD_DOORS)).OR(near(OBJ_GATE)))) {
        say_stop(2509);
        return 0;
    }
    if (cond(has(OBJ_PLANT))) {
        pour_oil();
        if (loop) return 0;
        say_stop(1405);
        return 0;
    }
    if (cond(has(OBJ_CREEPER))) {
        say_stop(1403);
        return 0;
    }
    if (cond(has(OBJ_GRILLE))) {
        if (cond(here() == PLACE_HEART_OF_THICKET).AND(have(OBJ_FUNNEL, 0, 1))) {
            say(SAY_STOP | SAY_ARG | SAY_ARGVAR, 1739, OBJ_LIQUID_2);
            return 0;
        }
        if (cond(here() == PLACE_THICKET_GAP).OR(here() == PLACE_HEART_OF_THICKET)) {
            say_stop(1726);
            return 0;
        }
    }
    if (cond(has(OBJ_WINCH))) {
        pour_oil();
        if (loop) return 0;
        value[OBJ_WINCH] = 1;
        say_stop(2182);
        return 0;
    }
    // The reply names the other word as typed, by what it is: the axe, the
    // sword in its stone or out of it, the key, or anything else.
    int kind = 0;
    if (cond(has(OBJ_AXE)))
        kind = 3;
    else if (cond(has(OBJ_SWORD)))
        kind = cond(value[OBJ_SWORD] == 0) ? 1 : 2;
    else if (cond(has(OBJ_OPENER)))
        kind = 4;
    set('T', 2193, 'c', kind, nullptr, nullptr);
    say_stop_typed(2193, cond(arg1() == OBJ_LIQUID_2) ? VAR_ARG2 : VAR_ARG1);
    return 0;
}

// Object 76 (trapdoor).
int p171() {
    if (cond(here() == PLACE_GLINT_GROTTO).OR(here() == PLACE_STAIR_LANDING).OR(here() == PLACE_START_OF_CRAWLWAY)) {
        say_stop(1705);
        return 0;
    }
    p39();
    if (loop) return 0;
    return 0;
}

// Object 16 (glimmer).
int p390() {
    say_stop_variant(1806, 0);
    return 0;
}

// Object 151 (bundle).
int p661() {
    if (cond(cond(has(OBJ_BAIT)).OR(words() == 1)).AND(bitest(OBJ_BAIT, 13))) {
        say_stop_variant(1343, 0);
        return 0;
    }
    if (cond(near(OBJ_BUNDLE))) {
        say(SAY_STOP | SAY_ARG | SAY_ARGVAR, 1343, VAR_COMMAND_STATUS);
        return 0;
    }
    say_stop_variant(3340, cond(cond(near(OBJ_LIQUID_4)).OR(isnear(OBJ_VESSEL_LARGE, 0, 6))) ? 0 : 1);
    return 0;
}

// Object 120 (water).
int p901() {
    if (!cond(has(OBJ_BAIT))) return 0;
    if (cond(lies_here(OBJ_IDOL)).OR(carried(OBJ_BAIT)).OR(bitest(OBJ_BAIT, 13))) say_stop(2739);
    return 0;
}

// Object 13 (plant).
int p677() {
    if (cond(has(OBJ_BALL))) {
        call_proc(WORD_THROW);
        if (loop) return 0;
    }
    if (cond(has(OBJ_BAIT))) {
        p901();
        if (loop) return 0;
    }
    if (cond(words() == 2)) say_stop(2740);
    return 0;
}
