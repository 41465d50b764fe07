// Giving (word 805): the bait to the lizard's firefly, the bread to the
// griffin, the nectar, and otherwise a liquid or a vessel's content offered
// to whoever answers when spoken to here. The imp has a reply of its own.
#include "game.h"

using namespace rows;

namespace {
constexpr int GIANT_OFFERED = 15;   // flag of the giant: the cask was offered to him

// VAR_ARG2 := the first vessel carried in one of the states, marked; none:
// the refusal naming what was asked for.
struct offer {
    int vessel;
    std::initializer_list<int> states;
};
int offer_vessel(std::initializer_list<offer> offers, int quals, int named) {
    for (const offer &o : offers)
        for (int s : o.states)
            if (cond(have(o.vessel, 0, s))) {
                hold_ref(VAR_ARG2, o.vessel);
                return 0;
            }
    say(SAY_STOP | quals, 1513, named);
    return 0;
}

// The liquid and its vessel, by the first liquid word of the command.
int choose_vessel() {
    if (cond(has(WORD_CONSUME_LIQUID)))
        return offer_vessel({{OBJ_VESSEL_LARGE, {5, 3, 7, 8, 9}}, {OBJ_VESSEL_MEDIUM, {5, 3}},
                             {OBJ_VESSEL_SMALL, {5, 3}}},
                            SAY_ARG,
                            WORD_CONSUME_LIQUID);
    if (cond(has(OBJ_LIQUID_3))) return offer_vessel({{OBJ_VESSEL_LARGE, {5}}, {OBJ_VESSEL_MEDIUM, {5}},
             {OBJ_VESSEL_SMALL, {5}}},
        SAY_ARG | SAY_ARGVAR, OBJ_LIQUID_3);
    if (cond(has(OBJ_LIQUID_1))) {
        if (cond(near(OBJ_IMP))) {
            p883();
            if (loop) return 0;
        }
        p321(num(0));
        if (loop) return 0;
        if (cond(value[VAR_VESSEL] != 0))
            set('V', VAR_ARG2, 'v', VAR_VESSEL, nullptr, nullptr);
        else
            say_stop_typed(1513, OBJ_LIQUID_1);
    }
    return 0;
}

// VAR_WORK_VALUE := the last creature here that answers when spoken to; the
// imp answers at once.
int find_listener() {
    set('V', VAR_WORK_VALUE, 'c', 0, nullptr, nullptr);
    for (hold_ref(VAR_LOOP_OBJECT, FIRST_OBJECT); value[VAR_LOOP_OBJECT] <= LAST_OBJECT; value[VAR_LOOP_OBJECT]++) {
        const int obj = value[VAR_LOOP_OBJECT];
        if (!cond(ishere(obj, -1, 0)).AND(bitest(obj, OFLAG_ADDRESSABLE))) continue;
        if (cond(obj == OBJ_IMP)) {
            p883();
            if (loop) return 0;
        } else {
            hold_ref(VAR_WORK_VALUE, obj);
        }
    }
    return 0;
}

int listener_is(std::initializer_list<int> objs) {
    int r = 0;
    for (int o : objs) r |= value[VAR_WORK_VALUE] == o;
    return r;
}

int feed_lizard() {
    if (cond(arg2() == OBJ_FIREFLY)) {
        p945();
        if (loop) return 0;
        say_stop(1397);
        return 0;
    }
    say_stop_typed(1398, OBJ_LIZARD);
    return 0;
}

// What the creature here does with the offer.
constexpr row LISTENER_REPLIES[] = {
    first(),
        when([] { return cond(listener_is({OBJ_KEEPER, OBJ_ATTACKER, OBJ_BRUTE, OBJ_FOLLOWER})); },
             reply(2340, arg(1))),
        when([] { return cond(listener_is({OBJ_WRAITH, OBJ_LYNX, OBJ_SPIDER, OBJ_EEL})); }, reply(2340, arg(0))),
        when([] { return cond(listener_is({OBJ_LIZARD})); }, step(feed_lizard)),
        group([] { return cond(listener_is({OBJ_SENTINEL, OBJ_COFFER, OBJ_CASKET, OBJ_FIREFLY, OBJ_SPIRIT, OBJ_FERRY,
                                            OBJ_GRIFFIN, OBJ_GIANT})); }),
            tell(2036, arg_of(VAR_WORK_VALUE)),
            reply(2353, arg_of(VAR_ARG2)),
        end(),
    end(),
};

}  // namespace

int p384() { return run_chain({p385, p386, p387, p388}); }

// Chain part of p384 (word 805 ("give")), part 1 of 4: object 138 (bait).
int p385() {
    if (cond(has(OBJ_BAIT)).AND(carried(OBJ_BAIT)).AND(near(OBJ_FIREFLY))) p305();
    return 0;
}

// Chain part of p384 (word 805 ("give")), part 2 of 4: object 118 (bread).
int p386() {
    if (cond(has(OBJ_BREAD)).AND(near(OBJ_GRIFFIN)).AND(carried(OBJ_BREAD))) p306();
    return 0;
}

// Chain part of p384 (word 805 ("give")), part 3 of 4: liquid 87 (nectar).
int p387() {
    if (!cond(has(OBJ_LIQUID_4))) return 0;
    if (cond(have(OBJ_VESSEL_LARGE, 0, VESSEL_NECTAR))) {
        if (cond(here() == PLACE_CREEPER_HALL)) {
            p304();
            if (loop) return 0;
        }
        say_stop(2352);
        return 0;
    }
    p625(ref(OBJ_LIQUID_4));
    return 0;
}

// Chain part of p384 (word 805 ("give")), part 4 of 4: the general case.
int p388() {
    if (cond(has(WORD_UP))) {
        call_proc(WORD_QUIT);
        if (loop) return 0;
    }
    if (cond(has(WORD_THANKS))) {
        say_stop_variant(3470, cond(near(OBJ_IMP)) ? 1 : 0);
        return 0;
    }
    set('V', VAR_VESSEL, 'c', 0, nullptr, nullptr);
    if (cond(has(OBJ_VESSEL_LARGE)).AND(here() == PLACE_RIVER_BLUFF).AND(lies_here(OBJ_GIANT))) {
        bitmod('s', OBJ_GIANT, GIANT_OFFERED);
        p383(num(1));
        loop = 1;
        return 0;
    }
    choose_vessel();
    if (loop) return 0;
    find_listener();
    if (loop) return 0;
    if (cond(value[VAR_WORK_VALUE] == 0)) {
        say_stop(2352);
        return 0;
    }
    if (cond(words() == 1)) return 0;
    if (!cond(carried(arg2()))) {
        say_stop_typed(1513, VAR_ARG2);
        return 0;
    }
    return run<LISTENER_REPLIES>();
}
