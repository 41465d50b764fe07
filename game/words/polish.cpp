// Word 792 (polish) and its five chunks: the lamp, the winder, the
// medallion, the basin, and a last chunk that names what there is to
// polish where the player stands; and word 815 (rub), which answers the
// beacon and the cloth itself and hands everything else to word 792.
#include "game.h"

using namespace rows;

int p733() { return run_chain({p734, p735, p736, p737, p738}); }

// Chain part of p733 (word 792 ("polish")), part 1 of 5.
int p734() {
    if (cond(has(OBJ_LIGHT_SOURCE)).AND(near(OBJ_LIGHT_SOURCE))) say_stop_typed(1367, VAR_ARG2);
    return 0;
}

// Chain part of p733 (word 792 ("polish")), part 2 of 5.
int p735() {
    if (cond(has(92)).AND(near(92))) say_stop(2183);
    return 0;
}

// The medallion comes clean only with the rag.
int p736() {
    if (!cond(has(111)).AND(near(111)).AND(value[111] < 2)) return 0;
    if (cond(carried(132))) {
        value[111] = 2;
        bitmod('c', 111, 7);
        value[132] = 2;
        say_stop_typed(1836, VAR_ARG1);
    } else {
        say_stop_typed(2039, VAR_ARG1);
    }
    return 0;
}

// Chain part of p733 (word 792 ("polish")), part 4 of 5.
int p737() {
    if (!cond(has(322))) return 0;
    if (cond(here() == 322))
        say_stop(1368);
    else
        say_stop_typed(1319, 322);
    return 0;
}

namespace {

// The fitting polished here: by place, then by what is near.
int fitting_or(int obj) { return anyof(1057, obj, -1); }
cond_fold at(int a, int b) { return cond(here() == a).OR(here() == b); }

// The last chunk's general case: a near object is either spoken to or
// simply polished.
int polish_near_object() {
    if (!cond(bitest(arg2(), FLAG_IS_OBJECT)).AND(near(arg2()))) return 0;
    if (cond(bitest(arg2(), OFLAG_ADDRESSABLE)).AND(!anyof(114, 115, 85, -1)))
        say_stop(1403);
    else
        say_stop(1368);
    return 0;
}

int polish_light_fitting() {
    set('T', 3089, 'c', 1, nullptr, nullptr);
    say(SAY_ARG | SAY_ARGVAR, 3089, OBJ_OPENER);
    set('T', 3089, 'c', 0, nullptr, nullptr);
    loop = 1;
    return 0;
}

constexpr row POLISH_WHAT[] = {
    first(),
        when([] { return cond(fitting_or(171)).AND(at(220, 464)); }, reply(3089, arg_of(171))),
        when([] { return cond(fitting_or(75)).AND(at(463, 462)); }, reply(3089, arg_of(75))),
        when([] { return cond(fitting_or(97)).AND(at(473, 474)); }, reply(3089, arg_of(97))),
        when([] { return cond(fitting_or(162)).AND(at(475, 474)); }, reply(3089, arg_of(162))),
        when([] { return cond(fitting_or(8)).AND(here() == 282); }, reply(3089, arg_of(8))),
        when([] { return cond(fitting_or(OBJ_OPENER)).AND(near(OBJ_OPENER)); }, step(polish_light_fitting)),
        when([] { return cond(fitting_or(110)).AND(near(110)); }, reply(3089, arg(978))),
        group([] { return cond(fitting_or(112)); }),
            when(object_near(112).OR(here_is(448)), reply(3089, arg_of(110))),
        end(),
        otherwise(), step(polish_near_object), end(),
    end(),
};

}  // namespace

// Chain part of p733 (word 792 ("polish")), part 5 of 5.
int p738() {
    if (!cond(words() > 1)) return 0;
    return run<POLISH_WHAT>();
}

// Word 815 ("rub"): rubbing the cloth or the beacon near; anything else is polishing.
int p132() {
    if (cond(anyof(63, 45, -1)).AND(near(arg2()))) {
        if (cond(has(45)))
            say_stop(2826);
        else
            say_stop(1301);
        return 0;
    }
    call_proc(792);
    return 0;
}
