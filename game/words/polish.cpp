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
    if (cond(has(OBJ_WINDER)).AND(near(OBJ_WINDER))) say_stop(2183);
    return 0;
}

// The medallion comes clean only with the rag.
int p736() {
    if (!cond(has(OBJ_MEDALLION)).AND(near(OBJ_MEDALLION)).AND(value[OBJ_MEDALLION] < 2)) return 0;
    if (cond(carried(OBJ_RAG))) {
        value[OBJ_MEDALLION] = 2;
        bitmod('c', OBJ_MEDALLION, 7);
        value[OBJ_RAG] = 2;
        say_stop_typed(1836, VAR_ARG1);
    } else {
        say_stop_typed(2039, VAR_ARG1);
    }
    return 0;
}

// Chain part of p733 (word 792 ("polish")), part 4 of 5.
int p737() {
    if (!cond(has(PLACE_BASIN))) return 0;
    if (cond(here() == PLACE_BASIN))
        say_stop(1368);
    else
        say_stop_typed(1319, PLACE_BASIN);
    return 0;
}

namespace {

// The fitting polished here: by place, then by what is near.
int fitting_or(int obj) { return anyof(WORD_FITTING, obj, -1); }
cond_fold at(int a, int b) { return cond(here() == a).OR(here() == b); }

// The last chunk's general case: a near object is either spoken to or
// simply polished.
int polish_near_object() {
    if (!cond(bitest(arg2(), FLAG_IS_OBJECT)).AND(near(arg2()))) return 0;
    if (cond(bitest(arg2(), OFLAG_ADDRESSABLE)).AND(!anyof(OBJ_COFFER, OBJ_CASKET, OBJ_GRIFFIN, -1)))
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
        when([] { return cond(fitting_or(OBJ_STAIRCASE)).AND(at(PLACE_STAIRHEAD, PLACE_STAIR_SHAFT)); },
             reply(3089, arg_of(OBJ_STAIRCASE))),
        when([] { return cond(fitting_or(OBJ_WINCH)).AND(at(PLACE_LOWER_LEDGE, PLACE_BRINK_OF_DROP)); },
             reply(3089, arg_of(OBJ_WINCH))),
        when([] { return cond(fitting_or(OBJ_HANDLE)).AND(at(PLACE_HOARD, PLACE_HOARD_GALLERY)); },
             reply(3089, arg_of(OBJ_HANDLE))),
        when([] { return cond(fitting_or(OBJ_TRAP)).AND(at(PLACE_WELL_HEAD, PLACE_HOARD_GALLERY)); },
             reply(3089, arg_of(OBJ_TRAP))),
        when([] { return cond(fitting_or(OBJ_DOOR)).AND(here() == PLACE_IRON_DOOR); }, reply(3089, arg_of(OBJ_DOOR))),
        when([] { return cond(fitting_or(OBJ_OPENER)).AND(near(OBJ_OPENER)); }, step(polish_light_fitting)),
        when([] { return cond(fitting_or(OBJ_WAND)).AND(near(OBJ_WAND)); }, reply(3089, arg(WORD_GLEAM))),
        group([] { return cond(fitting_or(OBJ_ROD)); }),
            when(object_near(OBJ_ROD).OR(here_is(PLACE_WATCHPOST)), reply(3089, arg_of(OBJ_WAND))),
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
    if (cond(anyof(OBJ_CLOTH, OBJ_BEACON, -1)).AND(near(arg2()))) {
        if (cond(has(OBJ_BEACON)))
            say_stop(2826);
        else
            say_stop(1301);
        return 0;
    }
    call_proc(WORD_POLISH);
    return 0;
}
