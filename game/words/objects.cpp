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
    if (cond(value[VAR_VESSEL] == 0).AND(here() != 217)) {
        say(SAY_ARGVAR | SAY_ARG, 1513, OBJ_LIQUID_2);
        if (cond(carried(127))) {
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
    if (cond(anyof(19, 161, 164, -1)).AND(cond(near(19)).OR(near(161)).OR(near(164)))) {
        say_stop(2509);
        return 0;
    }
    if (cond(has(13))) {
        pour_oil();
        if (loop) return 0;
        say_stop(1405);
        return 0;
    }
    if (cond(has(139))) {
        say_stop(1403);
        return 0;
    }
    if (cond(has(98))) {
        if (cond(here() == 482).AND(have(148, 0, 1))) {
            say(SAY_STOP | SAY_ARG | SAY_ARGVAR, 1739, OBJ_LIQUID_2);
            return 0;
        }
        if (cond(here() == 481).OR(here() == 482)) {
            say_stop(1726);
            return 0;
        }
    }
    if (cond(has(75))) {
        pour_oil();
        if (loop) return 0;
        value[75] = 1;
        say_stop(2182);
        return 0;
    }
    // The reply names the other word as typed, by what it is: the axe, the
    // sword in its stone or out of it, the key, or anything else.
    int kind = 0;
    if (cond(has(124)))
        kind = 3;
    else if (cond(has(125)))
        kind = cond(value[125] == 0) ? 1 : 2;
    else if (cond(has(OBJ_OPENER)))
        kind = 4;
    set('T', 2193, 'c', kind, nullptr, nullptr);
    say_stop_typed(2193, cond(arg1() == OBJ_LIQUID_2) ? VAR_ARG2 : VAR_ARG1);
    return 0;
}

// Object 76 (trapdoor).
int p171() {
    if (cond(here() == 284).OR(here() == 461).OR(here() == 512)) {
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
    if (cond(cond(has(138)).OR(words() == 1)).AND(bitest(138, 13))) {
        say_stop_variant(1343, 0);
        return 0;
    }
    if (cond(near(151))) {
        say(SAY_STOP | SAY_ARG | SAY_ARGVAR, 1343, VAR_COMMAND_STATUS);
        return 0;
    }
    say_stop_variant(3340, cond(cond(near(OBJ_LIQUID_4)).OR(isnear(OBJ_VESSEL_LARGE, 0, 6))) ? 0 : 1);
    return 0;
}

// Object 120 (water).
int p901() {
    if (!cond(has(138))) return 0;
    if (cond(lies_here(137)).OR(carried(138)).OR(bitest(138, 13))) say_stop(2739);
    return 0;
}

// Object 13 (plant).
int p677() {
    if (cond(has(126))) {
        call_proc(793);
        if (loop) return 0;
    }
    if (cond(has(138))) {
        p901();
        if (loop) return 0;
    }
    if (cond(words() == 2)) say_stop(2740);
    return 0;
}
