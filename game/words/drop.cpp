// Dropping objects: the drop word's chain (the objects and places with
// rules of their own, then the general case, which puts the object where
// the place wants dropped things to go), and the words that hand over to
// dropping or answer about carried things: again as "r", release, put,
// shake and trade.
#include "game.h"

using namespace rows;

namespace {

// The pod, dropped where it cannot grow, is lost to the dunes; elsewhere it
// will most likely take root (else the creeper's way of taking it back).
cond_fold pod_in_hand() { return cond(has(OBJ_POD)).AND(carried(OBJ_POD)); }
cond_fold in_the_dunes() { return cond(within(here(), PLACE_NORTH_RIM, PLACE_LOOKOUT_POINT)); }
int pod_takes_root() {
    if (cond(irand(100) < 90))
        bitmod('s', evar(VAR_GAME_FLAGS_3), 12);
    else
        say(0, 3304, 0);
    return 0;
}

cond_fold drops_refused() { return cond(here_has(15)); }
cond_fold at_sands_edge() { return cond(here() == PLACE_EDGE_OF_SANDS); }
cond_fold cask_of_ale() { return cond(has(OBJ_LIQUID_3)).AND(have(OBJ_VESSEL_LARGE, 0, 5)); }
cond_fold cask_of_nectar() { return cond(has(OBJ_LIQUID_4)).AND(have(OBJ_VESSEL_LARGE, 0, 6)); }
cond_fold at_the_creeper() { return cond(here() == PLACE_CREEPER_HALL).OR(here() == PLACE_PLANT_HOLLOW); }
cond_fold spirit_near() { return cond(has(OBJ_SPIRIT)).AND(near(OBJ_SPIRIT)); }
cond_fold firefly_waits() { return cond(ishere(OBJ_FIREFLY, 0, 0)); }
cond_fold bait_in_hand() { return cond(carried(OBJ_BAIT)); }

// The spirit let out of the vial: gone, and the phases' clock started.
int release_spirit() {
    apport(OBJ_SPIRIT, PLACE_GONE);
    bitmod('s', OBJ_SPIRIT, 13);
    value[VAR_PHASE_TIMER] = 4 + irand(9);
    value[VAR_PHASE_PERIOD] = value[VAR_PHASE_TIMER];
    say_stop(1632);
    return 0;
}

// The lynx: put down when carried, its collar taken off with the key once
// it is calm, else refusals by its state.
int drop_lynx() {
    if (cond(carried(OBJ_LYNX))) {
        apport(OBJ_LYNX, here());
        say(0, 2187, 0);
        say_stop(1266);
    } else if (cond(isnear(OBJ_LYNX, 0, 0))) {
        say_stop(1328);
    } else if (cond(isnear(OBJ_LYNX, 0, 1))) {
        if (cond(carried(OBJ_OPENER))) {
            value[OBJ_COLLAR] = 1;
            value[OBJ_LYNX] = 2;
            say_stop(1468);
        } else {
            p625(ref(OBJ_OPENER));
        }
    } else if (cond(here() == PLACE_LYNX_DEN).AND(isnear(OBJ_LYNX, 0, 2))) {
        say_stop(2602);
    } else {
        say_stop_typed(2603, VAR_ARG1);
    }
    return 0;
}

// The wand left beside the firefly once the bait has been taken: the
// firefly settles on it, once.
cond_fold wand_for_firefly() {
    return cond(has(OBJ_WAND)).AND(lies_here(OBJ_FIREFLY)).AND(bitest(OBJ_BAIT, 13)).AND(!bitest(evar(VAR_GAME_FLAGS_3),
                    3));
}
int leave_wand() {
    apport(OBJ_WAND, here());
    bitmod('s', evar(VAR_GAME_FLAGS_3), 3);
    say_stop_variant(2356, 1);
    return 0;
}

// Objects and places with rules of their own, in this order; of the
// objects, the first whose rule applies.
constexpr row OWN_RULES[] = {
    when(drops_refused, reply(2311)),
    group(pod_in_hand),
        first(),
            group(in_the_dunes),
                put(OBJ_POD, PLACE_GONE),
                reply(2807),
            end(),
            otherwise(),
                step(pod_takes_root),
            end(),
        end(),
    end(),
    call({OBJ_VESSEL_SMALL, OBJ_VESSEL_MEDIUM, OBJ_VESSEL_LARGE}, p238),
    when(at_sands_edge, call(p935)),
    group({OBJ_FIREFLY, OBJ_JAR, OBJ_LIQUID_2, OBJ_LIQUID_1, OBJ_LIQUID_3, OBJ_URN, OBJ_FLASK, OBJ_SPIRIT, OBJ_LYNX,
           OBJ_SUNSTONE, OBJ_HEADING, OBJ_BAIT, OBJ_LIQUID_4, OBJ_WAND}),
        first(),
            call({OBJ_FIREFLY}, p232),
            call({OBJ_JAR}, p233),
            group({OBJ_LIQUID_2, OBJ_LIQUID_1}),
                first(),
                    call({OBJ_LIQUID_2}, p320, num(1)),
                    otherwise(),
                        call(p321, num(1)),
                    end(),
                end(),
                call(p218),
            end(),
            group(cask_of_ale),
                let_ref(VAR_VESSEL, OBJ_VESSEL_LARGE),
                call(p268),
            end(),
            group(cask_of_nectar),
                when(at_the_creeper, call(p304)),
                let_ref(VAR_VESSEL, OBJ_VESSEL_LARGE),
                call(p268),
            end(),
            call({OBJ_URN}, p237),
            call({OBJ_FLASK}, p239),
            when(spirit_near, step(release_spirit)),
            step({OBJ_LYNX}, drop_lynx),
            call({OBJ_HEADING}, p236),
            call({OBJ_SUNSTONE}, p235),
            when(wand_for_firefly, step(leave_wand)),
            group({OBJ_BAIT}),
                first(),
                    group(firefly_waits),
                        call(p305),
                        ret(),
                    end(),
                    group(bait_in_hand),
                        put(OBJ_BAIT, PLACE_OFFSTAGE),
                        tell(2358),
                        set_flag(OBJ_BAIT, 13),
                        reply(1266),
                    end(),
                end(),
            end(),
        end(),
    end(),
};

// Where a dropped object lands at the places that wash things away: the
// bread feeds the eel when it is about, the rag soaks, anything else goes
// down to the bottom of the fall. Returns 1 when the eel ended the turn.
int washed_away(int obj) {
    if (!cond(here() == PLACE_POOL_STAIR).OR(here() == PLACE_POOL_EDGE).OR(here() == PLACE_PLUNGE_POOL).OR(here_has(PFLAG_HAZARD))) return 0;
    if (cond(has(OBJ_BREAD))) {
        apport(OBJ_BREAD, PLACE_OFFSTAGE);
        if (cond(near(OBJ_EEL))) {
            say(0, 1774, 0);
            if (cond(value[OBJ_EEL] > 1)) say(0, 1775, 0);
            value[OBJ_EEL] = 0;
            loop = 1;
            return 1;
        }
    } else if (cond(has(OBJ_RAG))) {
        value[OBJ_RAG] = 3;
        if (cond(here() == PLACE_BOTTOM_OF_FALL).OR(here() == PLACE_UPSTREAM_POOL).OR(here() == PLACE_STREAM_GALLERY)) value[OBJ_RAG] = 4;
    } else {
        if (cond(has(OBJ_BALL))) value[OBJ_BALL] = 0;
        apport(obj, PLACE_BOTTOM_OF_FALL);
    }
    return 0;
}

// The reply to a thing put down, or handed over, as typed; the rod, still
// in its first state, passes for the wand.
void tell_put_down() {
    say(SAY_ARGVAR | SAY_ARG, 1987, VAR_ARG1);
    if (cond(has(OBJ_ROD)).AND(value[OBJ_ROD] == 0))
        say(SAY_ARGVAR | SAY_ARG, 1988, OBJ_WAND);
    else
        say(SAY_ARGVAR | SAY_ARG, 1988, VAR_ARG2);
}

}  // namespace

int p229() { return run_chain({p230, p231}); }

int p230() { return run<OWN_RULES>(); }

// Chain part of p229 (word 766 ("drop")), part 2 of 2: the general case.
int p231() {
    if (cond(words() == 1)) return 0;
    if (cond(!bitest(arg2(), FLAG_IS_OBJECT))) return 0;
    const int obj = arg2();
    if (cond(!carried(obj))) {
        if (cond(anyof(OBJ_ALL_SCORING, OBJ_ALL, -1))) return 0;  // passed over in a drop of all
        say_stop_typed(cond(bitest(obj, OFLAG_PORTABLE)) ? 1318 : 3337, VAR_ARG2);
        return 0;
    }
    p127();
    if (loop) return 0;
    if (cond(has(OBJ_POD))) value[OBJ_POD] = 1;
    // At the brink a light or a blocking thing stays by the player.
    if (cond(here() == PLACE_BRINK_OF_DROP).AND(cond(bitest(obj, OFLAG_BLOCKS_PASSAGE)).OR(obj == OBJ_LIGHT_SOURCE))) {
        value[VAR_DROP_PLACE] = here();
        *bitword(VAR_DROP_PLACE) = ref_mark;
    }
    apport(obj, VAR_DROP_PLACE);
    if (washed_away(obj)) return 0;
    if (cond(value[VAR_DROP_PLACE] == here())) {
        if (cond(has(OBJ_BALL))) {
            value[OBJ_BALL] = 1;
            say_stop(3490);
            return 0;
        }
        tell_put_down();
        if (cond(has(OBJ_WINDER)).AND(!bitest(OBJ_WINDER, 13))) {
            say(0, 2829, 0);
            bitmod('s', OBJ_WINDER, 13);
        }
    } else {
        say(SAY_ARGVAR | SAY_ARG, 2036, VAR_ARG2);
        say(SAY_REFVAR | SAY_ARG, VAR_DROP_TEXT, cond(bitest(obj, 11)) ? 1 : 0);
        if (cond(obj == OBJ_FUNNEL)) value[OBJ_FUNNEL] = 2;
    }
    loop = 1;
    return 0;
}

// Word 803 ("release"): the ball carried is let go, the bait is dropped; the token, the locket and
// the crystal are caught on nothing, the bundle too tightly bound.
int p746() {
    if (!cond(words() == 2)) return 0;
    if (cond(has(OBJ_BALL))) {
        if (cond(carried(OBJ_BALL))) {
            p795();
            if (loop) return 0;
        }
        p625(var(VAR_ARG2));
        if (loop) return 0;
    } else if (cond(has(OBJ_BAIT))) {
        call_proc(WORD_DROP);
        if (loop) return 0;
    } else if (cond(anyof(OBJ_TOKEN, OBJ_LOCKET, OBJ_CRYSTAL, -1))) {
        say_stop_typed(1416, VAR_ARG2);
    } else if (cond(has(OBJ_BUNDLE))) {
        say_stop(2409);
    } else {
        say_stop(1403);
    }
    return 0;
}

// Word 724 ("again"): with a second word: "r" and a thing is putting it down; anything else is not
// here.
int p23() {
    if (!cond(words() == 2)) return 0;
    p222();
    if (loop) return 0;
    // "r" with a thing: put it down.
    if (cond(typed("r")).AND(bitest(arg2(), FLAG_IS_OBJECT))) {
        rewrite_word(WORD_AGAIN, WORD_DROP);
        return 0;
    }
    say_stop_typed(1513, VAR_ARG2);
    return 0;
}

// Word 868 ("put"): the firefly into its jar is taking it, the token by the automaton is dropping
// it, a vessel at a liquid gets a word on how to fill it; anything else, a stock reply.
int p693() {
    if (cond(has(OBJ_FIREFLY)).AND(near(OBJ_JAR))) {
        call_proc(WORD_TAKE);
        if (loop) return 0;
    } else if (cond(has(OBJ_TOKEN)).AND(near(OBJ_AUTOMATON))) {
        call_proc(WORD_DROP);
        if (loop) return 0;
    } else if (cond(anyof(OBJ_VESSEL_MEDIUM, OBJ_VESSEL_SMALL, OBJ_VESSEL_LARGE, OBJ_LIQUID_1, -1))
                   .AND(here_has(PFLAG_LIQUID_SOURCE))) {
        int vessel = VAR_ARG2;
        if (cond(has(OBJ_LIQUID_1))) {
            for (int v : {OBJ_VESSEL_MEDIUM, OBJ_VESSEL_LARGE, OBJ_VESSEL_SMALL}) {
                if (cond(carried(v))) {
                    vessel = v;
                    break;
                }
            }
        }
        say(SAY_STOP | SAY_ARG | SAY_ARGVAR, 3321, vessel);
    } else {
        say_stop_typed(2413, VAR_ARG1);
    }
    return 0;
}

// Word 872 ("shake"): shaking a carried thing (the wand sparks); a thing not carried gets the
// reply about it.
int p686() {
    if (cond(words() == 1)) {
        say_stop_variant(2487, 0);
        return 0;
    }
    if (cond(!carried(arg2()))) {
        p625(var(VAR_ARG2));
        if (loop) return 0;
        return 0;
    }
    if (cond(has(OBJ_WAND)))
        say_stop(2488);
    else
        say_stop_variant(2487, 1);
    return 0;
}

// Word 816 ("trade"): trading a carried thing: where and with whom decides the reply.
int p881() {
    if (!cond(words() == 2).AND(carried(arg2()))) return 0;
    if (cond(here() == PLACE_EXCHANGE_GROTTO)) {
        say_stop(2802);
        return 0;
    }
    int where = 1;
    if (cond(here_has(7)).OR(within(here(), PLACE_RING_WALK_547, PLACE_GONE)))
        where = 0;
    else if (cond(here() == PLACE_ARCH_JUNCTION))
        where = 3;
    else if (cond(within(here(), PLACE_UPPER_JUNCTION, PLACE_SCRAWLED_CORNER)))
        where = 2;
    say_stop_variant(2801, where);
    return 0;
}
