// Emptying (word 804) a carried container, stirring (word 775) the cask
// and the ale in it, and washing (word 861): the cask's own state, what
// can be washed where there is water, and the replies by place.
#include "game.h"

using namespace rows;

namespace {
constexpr int CASK_OWN_STATE = 1;

int at_source() { return here_has(PFLAG_LIQUID_SOURCE); }
cond_fold at_upstream_pool() { return cond(here() == PLACE_UPSTREAM_POOL).OR(here() == PLACE_STREAM_GALLERY).AND(bitest(OBJ_EEL,
                                                OFLAG_EEL_STIRRED)); }

int empty_vessel(int vessel) {
    hold_ref(VAR_VESSEL, vessel);
    return p268();
}

// Stirring: the cask holding something, or the ale in it; the giant
// guards his ale.
int stir() {
    if (cond(has(OBJ_VESSEL_LARGE))) {
        if (cond(near(OBJ_VESSEL_LARGE)).AND(value[OBJ_VESSEL_LARGE] > 2))
            say_stop(2464);
        else
            say_stop_typed(2351, OBJ_VESSEL_LARGE);
        return 0;
    }
    if (cond(has(OBJ_LIQUID_3))) {
        if (cond(near_in(OBJ_VESSEL_LARGE, 5))) {
            say_stop(2464);
            return 0;
        }
        if (cond(near(OBJ_GIANT)).AND(value[OBJ_GIANT] > 4)) say_stop(2279);
    }
    return 0;
}

// The cask in its state of its own is rinsed clean where there is water
// (and on the ring walk); any other state is not dirty.
int wash_cask() {
    if (!cond(value[OBJ_VESSEL_LARGE] == CASK_OWN_STATE)) {
        say_stop(2260);
        return 0;
    }
    if (cond(here() == PLACE_DEPOSIT)) {
        say_stop(2258);
        return 0;
    }
    if (cond(within(here(), PLACE_WEST_END_OF_GALLERY, PLACE_EAST_END_OF_GALLERY))) {
        say_stop(3335);
        return 0;
    }
    if (cond(at_source()).OR(within(here(), PLACE_RING_WALK_547, PLACE_RING_WALK_554))) {
        value[OBJ_VESSEL_LARGE] = 2;
        say_stop(2262);
    }
    return 0;
}

// Washing a thing where there is water.
constexpr row WASH_AT_WATER[] = {
    first(),
        when(at_upstream_pool, reply(2158)),
        when(has_word(OBJ_RAG).AND(value_is(OBJ_RAG, 2)), reply(2157)),
        when([] { return cond(bitest(OBJ_CLOTH, OFLAG_SCORING)); }, reply({OBJ_CLOTH}, 2573, arg(1))),
        reply({OBJ_CLOTH}, 2572, arg(0)),
        reply({OBJ_MEDALLION}, 3374),
        reply(2156),
    end(),
};

// Washing a portable thing named.
int wash_thing() {
    if (!cond(near(arg2()))) {
        p39();
        return 0;
    }
    if (cond(has(OBJ_VESSEL_LARGE))) {
        wash_cask();
        if (loop) return 0;
    }
    if (cond(at_source())) return run<WASH_AT_WATER>();
    p756();
    if (loop) return 0;
    say_stop_variant(2151, 1);
    return 0;
}

}  // namespace

int p261() { return run_chain({p262, p263, p264, p265, p266, p267}); }

// Chain part of p261 (word 804 ("empty")), part 1 of 6.
int p262() {
    if (cond(anyof(OBJ_VESSEL_MEDIUM, OBJ_VESSEL_SMALL, OBJ_WATERSKIN, OBJ_FLASK, OBJ_VESSEL_LARGE, OBJ_BUNDLE,
                   -1)).AND(!carried(arg2())))
        say_stop_typed(1513, VAR_ARG2);
    return 0;
}

// Chain part of p261 (word 804 ("empty")), part 2 of 6.
int p263() {
    if (!cond(has(OBJ_WATERSKIN))) return 0;
    if (cond(value[OBJ_WATERSKIN] > 0)) {
        value[OBJ_WATERSKIN] = 0;
        say_stop_variant(1802, 0);
    } else {
        say_stop_typed(1745, OBJ_WATERSKIN);
    }
    return 0;
}

// Chain part of p261 (word 804 ("empty")), part 3 of 6.
int p264() {
    if (cond(has(OBJ_VESSEL_MEDIUM))) empty_vessel(OBJ_VESSEL_MEDIUM);
    return 0;
}

// Chain part of p261 (word 804 ("empty")), part 4 of 6.
int p265() {
    if (cond(has(OBJ_VESSEL_LARGE))) empty_vessel(OBJ_VESSEL_LARGE);
    return 0;
}

// The vial still stoppered is opened instead.
int p266() {
    if (!cond(has(OBJ_VESSEL_SMALL))) return 0;
    if (cond(value[OBJ_VESSEL_SMALL] < 2)) {
        call_proc(WORD_OPEN);
        loop = 1;
        return 0;
    }
    empty_vessel(OBJ_VESSEL_SMALL);
    return 0;
}

// Chain part of p261 (word 804 ("empty")), part 6 of 6.
int p267() {
    if (cond(has(OBJ_BUNDLE))) {
        call_proc(WORD_OPEN);
        loop = 1;
    } else if (cond(has(OBJ_FLASK))) {
        say_stop(1299);
    } else if (cond(words() == 2)) {
        say_stop(1403);
    }
    return 0;
}

int p894() { return run_chain({p895, p896, p897}); }

int p895() { return stir(); }

// Chain part of p894 (word 775 ("stir")), part 2 of 3.
int p896() {
    if (cond(anyof(WORD_AROUND, WORD_UP, -1)))
        say_stop(3394);
    else
        p39();
    return 0;
}

int p897() { return stir(); }

// Word 861 ("wash"): washing a thing, or oneself; at the upstream pool it stirs the eel.
int p900() {
    if (cond(words() > 1).AND(!has(WORD_AROUND))) {
        if (cond(bitest(arg2(), OFLAG_PORTABLE))) return wash_thing();
        p39();
        return 0;
    }
    if (cond(at_upstream_pool())) {
        bitmod('c', OBJ_EEL, OFLAG_EEL_STIRRED);
        bitmod('s', VAR_GAME_FLAGS_2, 7);
        bitmod('c', VAR_GAME_FLAGS_2, 6);
        bitmod('s', PLACE_STREAM_GALLERY, PFLAG_HINT_AVAILABLE);
        bitmod('s', PLACE_UPSTREAM_POOL, PFLAG_HINT_AVAILABLE);
        value[PLACE_UPSTREAM_POOL] = 0;
        if (cond(near(OBJ_RAG))) value[OBJ_RAG] = 1;
        say_stop(2147);
        return 0;
    }
    if (cond(within(here(), PLACE_BOTTOM_OF_FALL, PLACE_FUME_DEAD_END))) {
        say_stop(2148);
        return 0;
    }
    if (cond(at_source())) {
        say_stop_variant(2149,
                         cond(within(here(), PLACE_FOOT_OF_FALLS, PLACE_HEAD_OF_FALLS)).OR(within(here(),
                                     PLACE_BEACON_WAY, PLACE_DESCENT)) ? 1 : 0);
        return 0;
    }
    p321(num(0));
    if (loop) return 0;
    if (cond(value[VAR_VESSEL] != 0)) {
        say_stop(2150);
        return 0;
    }
    p756();
    if (loop) return 0;
    say_stop_variant(2151, 0);
    return 0;
}
