// Vessels and liquids: which vessel holds a liquid (carried vessels before
// those lying here), what the vessel in use holds, emptying it, and pouring
// a liquid onto the few things that answer to one: the plant in the
// hollow, the iron door and the creeper. Also the guard that keeps a
// burning object from being put down or thrown.
#include "game.h"

namespace {


// The large vessel holds liquid 120 in state 3 and in its portion states 7..9.
int large_holds_liquid_1(int state) { return cond(state == VESSEL_WATER).OR(state > 6); }

// The vessel in use for this command, and its state.
int vessel_in_use() { return evar(VAR_VESSEL); }

// VAR_VESSEL := the first vessel holding the liquid, carried ones first,
// then those lying here; the large vessel only for liquid 120. None: with
// `must` 1 the command cannot go on (text 1513 names the liquid and the
// turn ends), otherwise VAR_VESSEL := 0.
int find_vessel(int liquid, int state, int must) {
    const bool large = liquid == OBJ_LIQUID_1;
    for (int lying_here = 0; lying_here <= 1; lying_here++) {
        for (int vessel : {OBJ_VESSEL_LARGE, OBJ_VESSEL_MEDIUM, OBJ_VESSEL_SMALL}) {
            if (vessel == OBJ_VESSEL_LARGE && !large) continue;
            const int where = lying_here ? lies_here(vessel) : carried(vessel);
            const int full = vessel == OBJ_VESSEL_LARGE ? large_holds_liquid_1(value[vessel]) : value[vessel] == state;
            if (cond(where).AND(full)) {
                hold_ref(VAR_VESSEL, vessel);
                return 0;
            }
        }
    }
    if (cond(must == 1)) {
        say(SAY_STOP | SAY_ARG | SAY_ARGVAR, 1513, liquid);
        return 0;
    }
    set('V', VAR_VESSEL, 'c', 0, nullptr, nullptr);
    return 0;
}

// Pours the liquid of the vessel in use onto the iron door (object 8):
// oil frees it (state 1), water rusts it shut again (state 0).
int pour_on_door(int liquid) {
    if (cond(value[VAR_VESSEL] == 0)) {
        if (liquid == OBJ_LIQUID_2)
            p320(num(1));
        else
            p321(num(1));
        if (loop) return 0;
    }
    const int vessel = vessel_in_use();
    value[vessel] = VESSEL_EMPTY;
    if (cond(vessel != OBJ_VESSEL_SMALL)) bitmod('s', here(), PFLAG_EXTRA_REMARK);
    const int from = liquid == OBJ_LIQUID_2 ? 0 : 1;
    if (cond(value[OBJ_DOOR] == from)) {
        value[OBJ_DOOR] = 1 - from;
        say_stop(liquid == OBJ_LIQUID_2 ? 1407 : 1406);
        return 0;
    }
    say(SAY_ARG | SAY_ARGVAR, 1987, liquid);
    say(SAY_STOP | SAY_ARG | SAY_ARGVAR, 1988, OBJ_DOOR);
    return 0;
}

}  // namespace

// Picks a vessel holding liquid 120 (water).
int p321(arg_pair a) {
    frame<1> f{a};
    return find_vessel(OBJ_LIQUID_1, VESSEL_WATER, f.lvals[0]);
}

// Picks a vessel holding liquid 121 (oil).
int p320(arg_pair a) {
    frame<1> f{a};
    return find_vessel(OBJ_LIQUID_2, VESSEL_OIL, f.lvals[0]);
}

// VAR_RESULT := the liquid that the vessel in use holds, or 0. The large
// vessel's portion states count as liquid 120 for the large vessel only.
int p888() {
    const int vessel = vessel_in_use();
    const int s = value[vessel];
    if (cond(s == VESSEL_WATER).OR(cond(vessel == OBJ_VESSEL_LARGE).AND(s > 6)))
        hold_ref(VAR_RESULT, OBJ_LIQUID_1);
    else if (cond(s == VESSEL_OIL))
        hold_ref(VAR_RESULT, OBJ_LIQUID_2);
    else if (cond(s == VESSEL_ALE))
        hold_ref(VAR_RESULT, OBJ_LIQUID_3);
    else if (cond(s == value[OBJ_LIQUID_4]))
        hold_ref(VAR_RESULT, OBJ_LIQUID_4);
    else
        set('V', VAR_RESULT, 'c', 0, nullptr, nullptr);
    return 0;
}

// Empties the vessel in use where drops land; a liquid poured out wets the
// place, except the few drops of the small vessel.
int p218() {
    if (cond(value[VAR_VESSEL] == 0)) {
        say_stop(3240);
        return 0;
    }
    p888();
    if (loop) return 0;
    if (cond(value[VAR_RESULT] == OBJ_LIQUID_3)) {
        if (cond(near(OBJ_GIANT))) {
            say_stop(3352);
            return 0;
        }
        say(0, 2255, 0);
    }
    const int vessel = vessel_in_use();
    value[vessel] = VESSEL_EMPTY;
    if (cond(vessel != OBJ_VESSEL_SMALL)) bitmod('s', evar(VAR_DROP_PLACE), PFLAG_EXTRA_REMARK);
    if (cond(value[VAR_QUIET_EMPTY] == 1)) {
        value[VAR_QUIET_EMPTY] = 0;
        return 0;
    }
    say(SAY_ARG | SAY_ARGVAR, 1370, VAR_RESULT);
    say(SAY_ARG | SAY_ARGVAR, 1371, VAR_VESSEL);
    if (cond(vessel == OBJ_VESSEL_SMALL)) {
        say_stop(1266);
        return 0;
    }
    bitmod('s', evar(VAR_DROP_PLACE), PFLAG_EXTRA_REMARK);
    if (cond(value[VAR_DROP_PLACE] == here()))
        say_stop(1372);
    else
        say_stop(1266);
    return 0;
}

// Liquid 120 poured onto the plant in the hollow: it grows from a seedling
// (0) to a plant (1) to a giant (2), and a third watering drowns it back
// to a seedling. The fronds at the rim follow its state.
int p903() {
    if (cond(value[VAR_VESSEL] == 0)) {
        p321(num(1));
        if (loop) return 0;
    }
    if (cond(near(OBJ_CREEPER))) {
        say_stop(2088);
        return 0;
    }
    const int vessel = vessel_in_use();
    value[vessel] = VESSEL_EMPTY;
    if (cond(vessel == OBJ_VESSEL_SMALL)) {
        say(SAY_STOP | SAY_ARG | SAY_ARGVAR, 1839, OBJ_VESSEL_SMALL);
        return 0;
    }
    say(SAY_ARG | SAY_ARGVAR, 1373, OBJ_LIQUID_1);
    say(SAY_ARG | SAY_ARGVAR, 1557, VAR_VESSEL);
    if (cond(value[OBJ_PLANT] == 2)) {
        value[OBJ_PLANT] = 0;
        bitmod('s', OBJ_FRONDS, OFLAG_FIXTURE);
        say(0, 2085, 0);
    } else if (cond(value[OBJ_PLANT] == 1)) {
        value[OBJ_PLANT] = 2;
        say(0, 2084, 0);
        bitmod('c', OBJ_FRONDS, OFLAG_FIXTURE);
    } else {
        value[OBJ_PLANT] = 1;
        say(0, 2083, 0);
        bitmod('c', OBJ_FRONDS, OFLAG_FIXTURE);
    }
    value[OBJ_FRONDS] = value[OBJ_PLANT];
    say(0, 1266, 0);
    say(SAY_STOP, OBJ_PLANT, 0);
    return 0;
}

// Feeding the creeper (object 139) with the bundle (151) or with the
// nectar of the large vessel: it grows one stage each time (0, 1, 2); the
// bundle is eaten and leaves a pod in the player's hands, the nectar is
// used up and the griffin that gave it is gone.
int p304() {
    if (cond(near(OBJ_PLANT))) {
        say_stop(2089);
        return 0;
    }
    if (cond(near_in(OBJ_CREEPER, 2))) {
        say_stop(3450);
        return 0;
    }
    if (cond(!have(OBJ_VESSEL_LARGE, 0, 6)).AND(!carried(OBJ_BUNDLE))) {
        say_stop(1755);
        return 0;
    }
    int k;
    if (cond(carried(OBJ_BUNDLE)).AND(!has(OBJ_VESSEL_LARGE)).AND(!has(OBJ_LIQUID_4))) {
        if (!cond(value[OBJ_BUNDLE] == 2).OR(has(WORD_OPEN)).OR(has(WORD_UNWRAP))) say(0, 2386, 0);
        apport(OBJ_BUNDLE, PLACE_GONE);
        apport(OBJ_POD, PLACE_CARRIED);
        k = 1;
    } else {
        value[OBJ_VESSEL_LARGE] = 1;
        apport(OBJ_GRIFFIN, PLACE_GONE);
        value[VAR_HERE_COPY] = 0;
        k = 0;
    }
    value[VAR_HERE_COPY] = 0;
    if (cond(value[OBJ_CREEPER] == 0)) {
        say(SAY_ARG, 2086, k);
        for (int r : {OBJ_CREEPER, PLACE_BEND_OF_GALLERY, PLACE_EAST_END_OF_GALLERY,
                      PLACE_MIDDLE_OF_GALLERY}) value[r] = 1;
        value[VAR_TURNS_AT_ONE_PLACE] = 0;
    } else {
        bitmod('c', PLACE_CREEPER_HALL, PFLAG_HINT_AVAILABLE);
        say(SAY_ARG, 2087, k);
        value[OBJ_CREEPER] = 2;
        value[OBJ_TENDRILS] = 2;
        bitmod('c', OBJ_TENDRILS, OFLAG_FIXTURE);
        for (int r : {PLACE_BEND_OF_GALLERY, PLACE_EAST_END_OF_GALLERY, PLACE_MIDDLE_OF_GALLERY}) value[r] = 2;
    }
    say(0, 1266, 0);
    say(SAY_STOP, OBJ_CREEPER, 0);
    return 0;
}

int p634() { return pour_on_door(OBJ_LIQUID_2); }

int p904() { return pour_on_door(OBJ_LIQUID_1); }

// A burning lightable object named as the second word may not be handled:
// the turn ends, with a word of warning unless an ALL command is working
// through the objects one by one. A second word that is not an object
// (a parser code or a word) is never refused here.
int p127() {
    const int all = test("doall");
    const int x = value[VAR_ARG2];
    const int state = x >= 0 && x < NVALUES ? value[x] : 0;
    if (cond(bitest(x, FLAG_IS_OBJECT)).AND(bitest(x, OFLAG_LIGHTABLE)).AND(state > 1)) {
        if (cond(!all)) say(SAY_ARG | SAY_ARGVAR, 2104, VAR_ARG2);
        loop = 1;
    }
    return 0;
}
