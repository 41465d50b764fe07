// Taking objects: the take word's chain (a second word that is another
// word, the dark, the two liquids taken by way of a vessel, the objects with
// rules of their own, and the general case with the carry limit), and the
// words that hand over to it or answer about holding things.
#include "game.h"

using namespace rows;

namespace {

// The vessel a liquid chunk chose, kept marked as a refno (0: none).
void choose_vessel(int vessel) {
    value[VAR_LOOP_OBJECT] = vessel;
    *bitword(VAR_LOOP_OBJECT) = vessel ? ref_mark : 0;
}
int chosen() { return value[VAR_LOOP_OBJECT]; }

// A vessel's new content told: "you dip the jug" and what it now holds.
void tell_filled(int vessel_arg, int content) {
    say(SAY_ARGVAR | SAY_ARG, 2242, vessel_arg);
    say_stop_variant(2243, content);
}

// A one-word take gets the only portable object here as its object.
int default_object() {
    default_to(0, here(), OFLAG_PORTABLE);
    return 0;
}

// The lynx's collar, refused while the lynx still wears it.
cond_fold collar_on_lynx() { return cond(here() == PLACE_LYNX_DEN).AND(lies_here(OBJ_COLLAR)).AND(value[OBJ_COLLAR] != 1); }
cond_fold griffin_here() { return cond(lies_here(OBJ_GRIFFIN)); }
cond_fold idol_near() { return cond(near(OBJ_IDOL)); }
cond_fold at_carved_cell() { return cond(here() == PLACE_CARVED_CELL); }

// The objects with rules of their own, first the pair of the jar and the
// firefly (which may go on to the rows below), then the first of the rest.
constexpr row OWN_RULES[] = {
    step(default_object),
    let({OBJ_BALL}, OBJ_BALL, 0),
    group({OBJ_FIREFLY, OBJ_JAR, OBJ_COLLAR, OBJ_LYNX, OBJ_SWORD, OBJ_PARCHMENT, OBJ_CROWN, OBJ_ORB, OBJ_SUNSTONE,
           OBJ_GRIFFIN, OBJ_IDOL}),
        first(),
            call({OBJ_FIREFLY}, p373),
            call({OBJ_JAR}, p374),
            when(collar_on_lynx, reply({OBJ_COLLAR}, 1467)),
        end(),
        first(),
            call({OBJ_LYNX}, p372),
            call({OBJ_SWORD}, p381),
            call({OBJ_PARCHMENT}, p377),
            call({OBJ_CROWN}, p375),
            call({OBJ_ORB}, p376),
            call({OBJ_SUNSTONE}, p379),
            when(griffin_here, reply({OBJ_GRIFFIN}, 2163)),
            group({OBJ_IDOL}),
                when(idol_near, reply(2580)),
                when(at_carved_cell, reply(1403)),
            end(),
        end(),
    end(),
};

// Taking the nectar: only the cask holds it; anything else carried that
// could soak some up is tried once each, then told it will not do.
void take_nectar() {
    if (cond(have(OBJ_VESSEL_LARGE, 0, 2)).OR(have(OBJ_VESSEL_LARGE, 0, 1))) {
        apport(OBJ_LIQUID_4, PLACE_OFFSTAGE);
        value[OBJ_VESSEL_LARGE] = 6;
        say_stop(2252);
        return;
    }
    if (cond(carried(OBJ_VESSEL_LARGE))) {
        say_stop(2250);
        return;
    }
    if (cond(!bitest(OBJ_CREEPER, OFLAG_SEEN))) {
        say_stop(3480);
        return;
    }
    say(0, 2251, 0);
    constexpr int soakers[] = {OBJ_WICK, OBJ_WINDER, OBJ_WATERSKIN, OBJ_URN, OBJ_MEDALLION};
    for (int k = 0; k < 5; k++) {
        const int obj = soakers[k];
        if (cond(carried(obj)).AND(!bitest(obj, 14))) {
            bitmod('s', obj, 14);
            say_stop_variant(3333, k);
            return;
        }
    }
    for (int k = 0; k < 4; k++) {
        if (cond(carried(soakers[k]))) {
            say(SAY_STOP | SAY_ARG | SAY_ARGVAR, 3326, soakers[k]);
            return;
        }
    }
    say_stop(1266);
}

// The object is taken within the carry limit: the reply names it as typed
// (the rod, still unknown, passes for the wand), or as brought by a call in
// the last trial.
void take_within_limit(int obj) {
    if (cond(has(OBJ_POD))) value[OBJ_POD] = 0;
    apport(obj, PLACE_CARRIED);
    p670();
    if (loop) return;
    say(SAY_ARGVAR | SAY_ARG, 1987, VAR_ARG1);
    if (cond(has(OBJ_ROD)).AND(value[OBJ_ROD] == 0).AND(!bitest(OBJ_ROD, OFLAG_SEEN))) {
        say(SAY_ARGVAR | SAY_ARG, 1988, OBJ_WAND);
    } else {
        int called = 0;
        if (cond(value[VAR_PHASE] == 6).AND(arg2() == value[1173])) called = cond(arg2() == OBJ_CASKET) ? 2 : 1;
        set('T', 1988, 'c', called, nullptr, nullptr);
        say(SAY_ARGVAR | SAY_ARG, 1988, VAR_ARG2);
        set('T', 1988, 'c', 0, nullptr, nullptr);
    }
    if (cond(anyof(OBJ_WAND, OBJ_ROD, -1)).AND(cond(here() == PLACE_EYRIE).OR(here() == PLACE_WATCHPOST))) bitmod('s',
        obj, OFLAG_SEEN);
    if (cond(has(OBJ_CASKET)).AND(value[VAR_PHASE] == 6).AND(value[OBJ_CASKET] == 0)) {
        say(0, 1858, 0);
        value[OBJ_CASKET] = 1;
    }
}

}  // namespace

int p365() { return run_chain({p366, p367, p368, p369, p370, p371}); }

// Chain part of p365 (word 765 ("take")), part 1 of 6: other words as second.
int p366() {
    if (cond(anyof(WORD_CONSUME_LIQUID, WORD_INVENTORY, -1))) {
        value[VAR_COMMAND_STATUS] = 1;
        call_proc(arg2());
        if (loop) return 0;
    }
    return 0;
}

// Chain part of p365 (word 765 ("take")), part 2 of 6: the dark.
int p367() {
    if (cond(light())) return 0;
    if (cond(has(OBJ_WANDERER)).AND(near(OBJ_WANDERER))) {
        say_stop(1784);
        return 0;
    }
    p394();
    if (loop) return 0;
    return 0;
}

// Chain part of p365 (word 765 ("take")), part 3 of 6: liquid 120 (water).
int p368() {
    if (!cond(has(OBJ_LIQUID_1))) return 0;
    if (cond(here() == PLACE_CREEPER_HALL)) {
        say_stop(2849);
        return 0;
    }
    if (cond(here_has(PFLAG_LIQUID_SOURCE))) {
        if (cond(carried(OBJ_WATERSKIN))) {
            value[OBJ_WATERSKIN] = 2;
            say_stop_variant(1744, 0);
            return 0;
        }
        if (cond(!carried(OBJ_VESSEL_MEDIUM)).AND(!carried(OBJ_VESSEL_SMALL)).AND(!carried(OBJ_VESSEL_LARGE))) {
            say(SAY_STOP | SAY_ARG | SAY_ARGVAR, 1400, OBJ_LIQUID_1);
            return 0;
        }
        choose_vessel(0);
        if (cond(carried(OBJ_VESSEL_LARGE))
                .AND(cond(value[OBJ_VESSEL_LARGE] == 2).OR(value[OBJ_VESSEL_LARGE] == 1).OR(value[OBJ_VESSEL_LARGE] > 6)))
            choose_vessel(OBJ_VESSEL_LARGE);
        else if (cond(have(OBJ_VESSEL_MEDIUM, 0, 2)))
            choose_vessel(OBJ_VESSEL_MEDIUM);
        else if (cond(have(OBJ_VESSEL_SMALL, 0, 2)))
            choose_vessel(OBJ_VESSEL_SMALL);
        if (cond(chosen() == 0)) {
            say_stop(1841);
            return 0;
        }
        if (cond(chosen() == OBJ_VESSEL_LARGE).AND(value[OBJ_VESSEL_LARGE] == 1)) {
            if (cond(here() == PLACE_DEPOSIT)) {
                say_stop(2258);
                return 0;
            }
            say(0, 2259, 0);
            say(0, 1266, 0);
        }
        value[chosen()] = 3;
        tell_filled(VAR_LOOP_OBJECT, VESSEL_WATER);
        return 0;
    }
    // No source here: water already in a vessel lying here is taken by
    // taking the vessel.
    choose_vessel(0);
    if (cond(ishere(OBJ_VESSEL_SMALL, 0, 3)))
        choose_vessel(OBJ_VESSEL_SMALL);
    else if (cond(ishere(OBJ_VESSEL_MEDIUM, 0, 3)))
        choose_vessel(OBJ_VESSEL_MEDIUM);
    else if (cond(lies_here(OBJ_VESSEL_LARGE)).AND(cond(value[OBJ_VESSEL_LARGE] == 3).OR(value[OBJ_VESSEL_LARGE] > 6)))
        choose_vessel(OBJ_VESSEL_LARGE);
    if (cond(chosen() != 0)) rewrite_word(OBJ_LIQUID_1, chosen());
    return 0;
}

// Chain part of p365 (word 765 ("take")), part 4 of 6: liquid 121 (oil).
int p369() {
    if (!cond(has(OBJ_LIQUID_2))) return 0;
    if (cond(lies_here(OBJ_LIQUID_2))) {
        if (cond(!carried(OBJ_VESSEL_MEDIUM)).AND(!carried(OBJ_VESSEL_SMALL))) {
            if (cond(have(OBJ_VESSEL_LARGE, 0, 2)).OR(have(OBJ_VESSEL_LARGE, 0, 1)))
                say_stop(2245);
            else
                say(SAY_STOP | SAY_ARG | SAY_ARGVAR, 1400, OBJ_LIQUID_2);
            return 0;
        }
        for (int vessel : {OBJ_VESSEL_MEDIUM, OBJ_VESSEL_SMALL}) {
            if (cond(have(vessel, 0, 2))) {
                value[vessel] = 4;
                tell_filled(vessel, VESSEL_OIL);
                return 0;
            }
        }
        say_stop(1841);
        return 0;
    }
    choose_vessel(0);
    if (cond(near_in(OBJ_VESSEL_MEDIUM, 4)))
        choose_vessel(OBJ_VESSEL_MEDIUM);
    else if (cond(near_in(OBJ_VESSEL_SMALL, 4)))
        choose_vessel(OBJ_VESSEL_SMALL);
    if (cond(chosen() != 0)) rewrite_word(OBJ_LIQUID_2, chosen());
    return 0;
}

int p370() { return run<OWN_RULES>(); }

// Chain part of p365 (word 765 ("take")), part 6 of 6: the general case.
int p371() {
    if (cond(words() == 1)) return 0;
    if (cond(!bitest(arg2(), FLAG_IS_OBJECT))) return 0;
    const int obj = arg2();
    if (cond(carried(obj))) {
        say_stop_typed(1314, VAR_ARG2);
        return 0;
    }
    if (cond(!near(obj))) {
        p39();
        if (loop) return 0;
    } else if (cond(has(OBJ_LIQUID_4))) {
        take_nectar();
        if (loop) return 0;
    } else if (cond(!bitest(obj, OFLAG_PORTABLE))) {
        say_stop(1315);
        return 0;
    } else if (cond(has(OBJ_CLOTH)).AND(value[OBJ_CLOTH] != 0)) {
        say_stop(2181);
        return 0;
    } else if (cond(has(OBJ_FEATHER)).AND(value[OBJ_FEATHER] == 0)) {
        // The feather weighs nothing: taken whatever the limit.
        apport(OBJ_FEATHER, PLACE_CARRIED);
        say(SAY_ARGVAR | SAY_ARG, 1711, OBJ_FEATHER);
        value[OBJ_FEATHER] = 1;
    } else if (cond(value[VAR_CARRIED_COUNT] < value[VAR_CARRY_LIMIT]).OR(bitest(obj, OFLAG_NOT_COUNTED))) {
        take_within_limit(obj);
        if (loop) return 0;
    } else {
        say(0, 1388, 0);
        flush_command();
    }
    loop = 1;
    return 0;
}

// Word 797 ("lift"): lifting the locked gate (it will not rise, or is up already); anything else
// is taking.
int p530() {
    if (cond(has(OBJ_LOCKED_GATE))) {
        if (!cond(near(OBJ_LOCKED_GATE))) return 0;
        if (cond(value[OBJ_LOCKED_GATE] == 1)) {
            say(SAY_STOP | SAY_ARG | SAY_ARGVAR, 1605, OBJ_LOCKED_GATE);
            return 0;
        }
        say(SAY_ARGVAR | SAY_ARG, 2188, VAR_ARG1);
        say_stop(cond(value[VAR_PHASE] > 3) ? 3310 : 1266);
        return 0;
    }
    call_proc(WORD_TAKE);
    if (loop) return 0;
    return 0;
}

// Word 809 ("grab"): taking.
int p630() {
    call_proc(WORD_TAKE);
    if (loop) return 0;
    return 0;
}

// Word 812 ("hold"): holding a thing near or carried, or the place itself, in words only.
int p927() {
    if (cond(words() == 1)) {
        say_stop(1715);
        return 0;
    }
    if (cond(arg2() == here())) {
        say_stop(1425);
        return 0;
    }
    if (cond(bitest(arg2(), FLAG_IS_OBJECT)).AND(near(arg2()))) {
        if (cond(carried(arg2())))
            say_stop_typed(1314, VAR_ARG2);
        else
            say_stop(1715);
        return 0;
    }
    say_stop(1759);
    return 0;
}
