// The throw word's chain: the things that react when thrown (weapons at
// what is near, the liquids poured out of their vessels, the bread to the
// creatures, the ball, the flask), then the last chunk, which sends a thing
// to where the place makes thrown things land, throws a vessel down and
// empties it, and otherwise hands the command to the drop word.
#include "game.h"

namespace {

int is_vessel(int obj) {
    return cond(obj == OBJ_VESSEL_MEDIUM).OR(obj == OBJ_VESSEL_SMALL).OR(obj == OBJ_VESSEL_LARGE);
}

// A carried vessel thrown down here: whatever it held spills out (the
// nectar stays where it falls), told in the light.
void throw_vessel(int vessel) {
    apport(vessel, here());
    say(SAY_ARGVAR | SAY_ARG, 1987, VAR_ARG1);
    value[VAR_VESSEL_STATE] = value[vessel];
    *bitword(VAR_VESSEL_STATE) = *bitword(VAR_ARG2);
    if (cond(value[VAR_VESSEL_STATE] > 2)) {
        if (cond(value[VAR_VESSEL_STATE] == 6)) {
            value[OBJ_VESSEL_LARGE] = 1;
            apport(OBJ_LIQUID_4, here());
        } else {
            value[vessel] = 2;
            if (cond(!within(here(), PLACE_NORTH_RIM, PLACE_LOOKOUT_POINT))) bitmod('s', here(), 13);
        }
        if (cond(light())) {
            say(SAY_ARGVAR | SAY_ARG, 1989, VAR_ARG2);
            say(SAY_STOP | SAY_ARGVAR | SAY_ARG, 2261, VAR_VESSEL_STATE);
            return;
        }
    }
    say(SAY_STOP | SAY_ARGVAR | SAY_ARG, 1988, VAR_ARG2);
}

// A liquid thrown: the vessel holding it, chosen by `pick` (which refuses
// when there is none), is emptied.
int pour_out(int liquid, int (*pick)(arg_pair)) {
    if (!cond(has(liquid))) return 0;
    pick(num(1));
    if (loop) return 0;
    p218();
    if (loop) return 0;
    return 0;
}

}  // namespace

int p836() { return run_chain({p837, p838, p839, p840, p841, p842, p843, p844, p845}); }

// Chain part of p836 (word 793 ("throw")), part 1 of 9.
int p837() {
    if (cond(anyof(OBJ_AXE, OBJ_SWORD, OBJ_DAGGER, -1)).AND(light())) {
        p910();
        if (loop) return 0;
    }
    return 0;
}

int p838() { return pour_out(OBJ_LIQUID_1, p321); }

int p839() { return pour_out(OBJ_LIQUID_2, p320); }

// Chain part of p836 (word 793 ("throw")), part 4 of 9.
int p840() {
    if (!cond(has(OBJ_LIQUID_3))) return 0;
    if (cond(have(OBJ_VESSEL_LARGE, 0, 5))) {
        value[VAR_VESSEL] = OBJ_VESSEL_LARGE;
        *bitword(VAR_VESSEL) = ref_mark;
        p218();
        if (loop) return 0;
    } else {
        say(SAY_STOP | SAY_ARG | SAY_ARGVAR, 1513, OBJ_LIQUID_3);
    }
    return 0;
}

// Chain part of p836 (word 793 ("throw")), part 5 of 9.
int p841() {
    if (!cond(has(OBJ_LIQUID_4))) return 0;
    if (cond(have(OBJ_VESSEL_LARGE, 0, 6))) {
        say_stop(2253);
        return 0;
    }
    p625(ref(OBJ_LIQUID_4));
    if (loop) return 0;
    return 0;
}

// Chain part of p836 (word 793 ("throw")), part 6 of 9.
int p842() {
    if (!cond(has(OBJ_BREAD)).AND(carried(OBJ_BREAD))) return 0;
    if (cond(near(OBJ_KEEPER))) {
        say_stop(1482);
    } else if (cond(near(OBJ_ATTACKER))) {
        apport(OBJ_BREAD, here());
        bitmod('s', OBJ_ATTACKER, 14);
        say_stop(1399);
    } else if (cond(near(OBJ_LYNX))) {
        apport(OBJ_BREAD, PLACE_OFFSTAGE);
        value[OBJ_LYNX] = 1;
        if (cond(value[OBJ_AXE] == 1)) value[OBJ_AXE] = 0;
        say_stop(1465);
    } else if (cond(near(OBJ_EEL))) {
        say(0, 1774, 0);
        apport(OBJ_BREAD, PLACE_OFFSTAGE);
        if (cond(value[OBJ_EEL] > 1))
            say_stop(1775);
        else
            loop = 1;
    }
    return 0;
}

// Chain part of p836 (word 793 ("throw")), part 7 of 9.
int p843() {
    if (cond(has(OBJ_BALL)).AND(carried(OBJ_BALL))) {
        p795();
        if (loop) return 0;
    }
    return 0;
}

// Chain part of p836 (word 793 ("throw")), part 8 of 9.
int p844() {
    if (cond(has(OBJ_FLASK)).AND(carried(OBJ_FLASK))) {
        p73();
        if (loop) return 0;
    }
    return 0;
}

// Chain part of p836 (word 793 ("throw")), part 9 of 9.
int p845() {
    if (cond(words() == 2)) {
        const int obj = arg2();
        if (cond(bitest(obj, FLAG_IS_OBJECT)).AND(carried(obj)).AND(value[VAR_LANDING_PLACE] != here())) {
            p127();
            if (loop) return 0;
            p878();
            if (loop) return 0;
        }
        // Only a vessel in hand is thrown down here; one lying elsewhere is
        // left to the drop word's reply.
        if (cond(is_vessel(obj)).AND(carried(obj))) {
            throw_vessel(obj);
            if (loop) return 0;
        }
    }
    call_proc(WORD_DROP);
    if (loop) return 0;
    return 0;
}
