// Filling (word 796): a carried vessel is filled with water at any source
// of water, or with oil at the seep; the waterskin takes water from a
// source or a portion from a vessel; the sieve and the urn have replies of
// their own. A bare "fill" looks for an empty vessel to fill.
#include "game.h"

namespace {

int at_source() { return here_has(PFLAG_LIQUID_SOURCE); }

// The vessel is full now: it held `state` and says so.
void filled(int vessel, int state) {
    value[vessel] = state;
    say(SAY_ARG | SAY_ARGVAR, 2242, vessel);
    say_stop_variant(2243, state);
}

// Whether the vessel can take liquid in its present state: the large one
// also when part used or in its state of its own.
int fillable(int vessel) {
    const int s = value[vessel];
    if (vessel == OBJ_VESSEL_LARGE) return cond(s == VESSEL_EMPTY).OR(s == 1).OR(s > 6);
    return cond(s == VESSEL_EMPTY);
}

// The three vessels, one pattern: not carried, a reply about it; empty at a
// source, water; at the seep, oil (not the cask); elsewhere refused; full,
// it says so.
int fill_vessel(int vessel) {
    if (!cond(has(vessel))) return 0;
    if (!cond(carried(vessel))) {
        p625(var(VAR_ARG2));
        return 0;
    }
    if (cond(vessel == OBJ_VESSEL_SMALL).AND(value[OBJ_VESSEL_SMALL] <= 1)) {
        say_stop(1842);
        return 0;
    }
    if (!fillable(vessel)) {
        say(SAY_ARG | SAY_ARGVAR, 2242, vessel);
        say_stop_typed(2244, vessel);
        return 0;
    }
    if (cond(at_source())) {
        if (cond(vessel == OBJ_VESSEL_LARGE).AND(value[OBJ_VESSEL_LARGE] == 1)) {
            if (cond(here() == PLACE_DEPOSIT)) {
                say_stop(2258);
                return 0;
            }
            say(0, 2259, 0);
            say(0, 1266, 0);
            value[OBJ_VESSEL_LARGE] = VESSEL_EMPTY;
        }
        filled(vessel, VESSEL_WATER);
        return 0;
    }
    if (cond(here() == PLACE_OIL_SEEP)) {
        if (cond(vessel == OBJ_VESSEL_LARGE)) {
            say_stop(2245);
            return 0;
        }
        filled(vessel, VESSEL_OIL);
        return 0;
    }
    if (cond(vessel == OBJ_VESSEL_SMALL).AND(cond(here_has(PFLAG_HAZARD)).OR(here() == PLACE_BOTTOM_OF_FALL))) {
        say_stop(1369);
        return 0;
    }
    say_stop_typed(1401, vessel);
    return 0;
}

}  // namespace

int p308() { return run_chain({p309, p310, p311, p312, p313, p314, p315, p316}); }

// Chain part of p308 (word 796 ("fill")), part 1 of 8: a bare "fill" picks an empty vessel,
// carried first, then lying here.
int p309() {
    if (cond(words() > 1)) return 0;
    set('V', VAR_VESSEL, 'c', 0, nullptr, nullptr);
    for (int lying_here = 0; lying_here <= 1 && value[VAR_VESSEL] == 0; lying_here++) {
        for (int v : {OBJ_VESSEL_LARGE, OBJ_VESSEL_MEDIUM, OBJ_VESSEL_SMALL}) {
            if (cond(lying_here ? lies_here(v) : carried(v)).AND(value[v] == VESSEL_EMPTY)) {
                hold_ref(VAR_VESSEL, v);
                break;
            }
        }
    }
    if (cond(value[VAR_VESSEL] == 0)) return 0;
    const int vessel = value[VAR_VESSEL];
    if (!cond(carried(vessel))) {
        say_stop_typed(2787, VAR_VESSEL);
        return 0;
    }
    value[VAR_COMMAND_STATUS] = 2;
    value[VAR_ARG2] = vessel;
    fake(2, vessel);
    p756();
    if (loop) return 0;
    if (cond(here() == PLACE_CREEPER_HALL)) say_stop(2849);
    return 0;
}

// Chain part of p308 (word 796 ("fill")), part 2 of 8: object 146 (sieve).
int p310() {
    if (!cond(has(OBJ_SIEVE)).AND(near(OBJ_SIEVE))) return 0;
    if (cond(at_source()))
        say_stop(2015);
    else
        say_stop_typed(1401, OBJ_SIEVE);
    return 0;
}

// Chain part of p308 (word 796 ("fill")), part 3 of 8: object 56 (urn).
int p311() {
    if (!cond(has(OBJ_URN)).AND(near(OBJ_URN))) return 0;
    if (cond(at_source()).OR(here() == PLACE_OIL_SEEP)) {
        if (cond(carried(OBJ_URN))) value[VAR_CARRIED_COUNT] -= 1;
        apport(OBJ_URN, PLACE_GONE);
        apport(OBJ_SHARDS, here());
        say_stop(1434);
        return 0;
    }
    say_stop(1433);
    return 0;
}

int p312() { return fill_vessel(OBJ_VESSEL_SMALL); }

int p313() { return fill_vessel(OBJ_VESSEL_MEDIUM); }

int p314() { return fill_vessel(OBJ_VESSEL_LARGE); }

// The waterskin: filled at a source while carried (not at the crossways,
// where the water runs too shallow); otherwise it takes water from a
// vessel, a portion of the cask or all of the jug or the vial.
int p315() {
    if (!cond(has(OBJ_WATERSKIN))) return 0;
    if (!cond(near(OBJ_WATERSKIN))) {
        p625(var(VAR_ARG2));
        return 0;
    }
    if (cond(at_source())) {
        if (cond(carried(OBJ_WATERSKIN))) {
            if (cond(here() == PLACE_CROSSWAYS)) {
                say_stop_typed(1743, OBJ_WATERSKIN);
                return 0;
            }
            value[OBJ_WATERSKIN] = VESSEL_EMPTY;
            say_stop_variant(1744, 0);
            return 0;
        }
        p321(num(0));
        if (loop) return 0;
        if (cond(value[VAR_VESSEL] == 0)) {
            say_stop_typed(3463, OBJ_WATERSKIN);
            return 0;
        }
    } else {
        p321(num(0));
        if (loop) return 0;
    }
    if (cond(value[VAR_VESSEL] != 0)) {
        const int vessel = evar(VAR_VESSEL);
        if (cond(vessel == OBJ_VESSEL_LARGE)) {
            if (cond(value[OBJ_VESSEL_LARGE] == VESSEL_WATER))
                value[OBJ_VESSEL_LARGE] = 7;
            else if (cond(value[OBJ_VESSEL_LARGE] == 9))
                value[OBJ_VESSEL_LARGE] = VESSEL_EMPTY;
            else
                value[OBJ_VESSEL_LARGE] += 1;
            value[OBJ_WATERSKIN] = VESSEL_EMPTY;
            say_stop_variant(1744, 1);
            return 0;
        }
        value[vessel] = VESSEL_EMPTY;
        bitmod('s', here(), PFLAG_EXTRA_REMARK);
        say_stop_typed(3460, VAR_VESSEL);
        return 0;
    }
    if (cond(have(OBJ_VESSEL_LARGE, 0, VESSEL_ALE))) {
        value[VAR_QUESTION] = Q_WORD_796;
        say_stop(3461);
        return 0;
    }
    if (cond(here() == PLACE_CREEPER_HALL)) {
        say_stop(2849);
        return 0;
    }
    say_stop_typed(1401, OBJ_WATERSKIN);
    return 0;
}

// Chain part of p308 (word 796 ("fill")), part 8 of 8: any other named object.
int p316() {
    if (cond(words() > 1).AND(near(arg2()))) say_stop(1402);
    return 0;
}
