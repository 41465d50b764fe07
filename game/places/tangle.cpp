// The tangle (see docs/world.md): eleven knotted cells where each of the
// ten compass and axis words leads to another cell, with one way back out
// to the tangle fork and one on to the far end, where the automaton takes a
// token for a canister of lamp oil.
#include "game.h"

#include <array>

using namespace rows;

namespace {

// --- The cells (362..372) ------------------------------------------------------

// The ten words that move in the tangle; each cell sends each of them to one
// place, so their order does not matter.
constexpr int TANGLE_WORDS[] = {WORD_NORTH, WORD_NORTHEAST, WORD_EAST, WORD_SOUTHEAST, WORD_SOUTH, WORD_SOUTHWEST,
                           WORD_WEST, WORD_NORTHWEST, WORD_UP, WORD_DOWN};

consteval member cell(int place, std::array<int, 10> to) {
    member m{place};
    for (size_t i = 0; i < to.size(); i++) m.rows[i] = go({TANGLE_WORDS[i]}, to[i]);
    return m;
}

// Places 362..372: tangle.
// Where each word leads from each cell, in the order of TANGLE_WORDS.
constexpr member CELLS[] = {
    cell(PLACE_TANGLE_362,
         {PLACE_TANGLE_372, PLACE_TANGLE_366, PLACE_TANGLE_370, PLACE_TANGLE_367, PLACE_TANGLE_364, PLACE_TANGLE_365,
          PLACE_TANGLE_371, PLACE_TANGLE_369, PLACE_TANGLE_368, PLACE_TANGLE_FORK}),
    cell(PLACE_TANGLE_363,
         {PLACE_TANGLE_365, PLACE_TANGLE_369, PLACE_TANGLE_366, PLACE_TANGLE_368, PLACE_FAR_END_OF_TANGLE,
          PLACE_TANGLE_364, PLACE_TANGLE_370, PLACE_TANGLE_367, PLACE_TANGLE_372, PLACE_TANGLE_371}),
    cell(PLACE_TANGLE_364,
         {PLACE_TANGLE_371, PLACE_TANGLE_368, PLACE_TANGLE_363, PLACE_TANGLE_365, PLACE_TANGLE_372, PLACE_TANGLE_367,
          PLACE_TANGLE_362, PLACE_TANGLE_366, PLACE_TANGLE_369, PLACE_TANGLE_370}),
    cell(PLACE_TANGLE_365,
         {PLACE_TANGLE_366, PLACE_TANGLE_370, PLACE_TANGLE_371, PLACE_TANGLE_363, PLACE_TANGLE_367, PLACE_TANGLE_369,
          PLACE_TANGLE_368, PLACE_TANGLE_362, PLACE_TANGLE_364, PLACE_TANGLE_372}),
    cell(PLACE_TANGLE_366,
         {PLACE_TANGLE_370, PLACE_TANGLE_367, PLACE_TANGLE_369, PLACE_TANGLE_372, PLACE_TANGLE_363, PLACE_TANGLE_368,
          PLACE_TANGLE_365, PLACE_TANGLE_371, PLACE_TANGLE_362, PLACE_TANGLE_364}),
    cell(PLACE_TANGLE_367,
         {PLACE_TANGLE_364, PLACE_TANGLE_362, PLACE_TANGLE_368, PLACE_TANGLE_366, PLACE_TANGLE_370, PLACE_TANGLE_363,
          PLACE_TANGLE_372, PLACE_TANGLE_365, PLACE_TANGLE_371, PLACE_TANGLE_369}),
    cell(PLACE_TANGLE_368,
         {PLACE_TANGLE_362, PLACE_TANGLE_371, PLACE_TANGLE_367, PLACE_TANGLE_364, PLACE_TANGLE_366, PLACE_TANGLE_370,
          PLACE_TANGLE_369, PLACE_TANGLE_372, PLACE_TANGLE_363, PLACE_TANGLE_365}),
    cell(PLACE_TANGLE_369,
         {PLACE_TANGLE_363, PLACE_TANGLE_372, PLACE_TANGLE_362, PLACE_TANGLE_371, PLACE_TANGLE_368, PLACE_TANGLE_366,
          PLACE_TANGLE_364, PLACE_TANGLE_370, PLACE_TANGLE_365, PLACE_TANGLE_367}),
    cell(PLACE_TANGLE_370,
         {PLACE_TANGLE_369, PLACE_TANGLE_364, PLACE_TANGLE_372, PLACE_TANGLE_362, PLACE_TANGLE_365, PLACE_TANGLE_371,
          PLACE_TANGLE_363, PLACE_TANGLE_368, PLACE_TANGLE_367, PLACE_TANGLE_366}),
    cell(PLACE_TANGLE_371,
         {PLACE_TANGLE_368, PLACE_TANGLE_365, PLACE_TANGLE_364, PLACE_TANGLE_370, PLACE_TANGLE_369, PLACE_TANGLE_372,
          PLACE_TANGLE_367, PLACE_TANGLE_363, PLACE_TANGLE_366, PLACE_TANGLE_362}),
    cell(PLACE_TANGLE_372,
         {PLACE_TANGLE_367, PLACE_TANGLE_363, PLACE_TANGLE_365, PLACE_TANGLE_369, PLACE_TANGLE_371, PLACE_TANGLE_362,
          PLACE_TANGLE_366, PLACE_TANGLE_364, PLACE_TANGLE_370, PLACE_TANGLE_368}),
};

// Places 362..372: tangle.
constexpr row TANGLE_CELL[] = {
    look(),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2962),
        reply({PLACE_TANGLE_362}, 3508, arg(6)),
        ret(),
    end(),
    moving(),
        member_rows(),
        // Every way is a passage here: which one is not clear.
        reply({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, 2904, arg(WORD_PASSAGE)),
    end(),
    mark({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}),
};

template <int PLACE>
int tangle() {
    return run_member<TANGLE_CELL, CELLS>(PLACE);
}

// --- The far end of the tangle (373) -------------------------------------------

// The second word's object, carried.
cond_fold second_word_carried() { return cond(carried(arg2())); }

int put_down_here() {
    apport(arg2(), here());
    return 0;
}

// Place 373: far end of the tangle.
constexpr row FAR_END[] = {
    // "Read" alone reads the automaton's plate.
    call(p185, ref(WORD_MANUAL)),
    group(has_any_word({WORD_MANUAL, OBJ_GLYPHS, OBJ_LETTERING, OBJ_SIGN, WORD_LABEL,
                        OBJ_CARVING}).AND(has_any_word({WORD_READ, WORD_LOOK}))),
        tell(3295),
        reply(3331),
    end(),
    look(),
        reply({WORD_SLOT}, 3451),
        reply({WORD_BUTTON}, 3452),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2903, arg(WORD_PASSAGE)),
        reply({PLACE_TANGLE_362}, 3508, arg(7)),
        ret(),
    end(),
    // Putting down what the automaton cares about: the token buys a canister
    // of oil; the packet, its wrapper and the reliquary are only left here.
    group([] { return cond(anyof(WORD_DROP, WORD_PUT, -1)).AND(anyof(OBJ_TOKEN, OBJ_PACKET, OBJ_WRAPPER, OBJ_RELIQUARY,
                                 -1)).AND(second_word_carried()); }),
        step(put_down_here),
        reply({OBJ_WRAPPER, OBJ_PACKET}, 1857, arg_of(VAR_ARG2)),
        reply({OBJ_RELIQUARY}, 3482),
        put(OBJ_TOKEN, PLACE_GONE),
        put_here(OBJ_LIGHT_REFILL),
        set_flag(OBJ_LIGHT_REFILL, OFLAG_SEEN),
        let(OBJ_AUTOMATON, 1),
        reply(1991),
    end(),
    moving(),
        go({WORD_NORTH, WORD_OUT, WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, PLACE_TANGLE_363),
    end(),
    mark({WORD_MANUAL, OBJ_GLYPHS, OBJ_LETTERING, OBJ_SIGN, WORD_LABEL, OBJ_CARVING, WORD_PASSAGE, WORD_TUNNEL,
          PLACE_CORRIDOR, WORD_SLOT, WORD_BUTTON}),
};

}  // namespace

int p579() { return tangle<PLACE_TANGLE_362>(); }
int p580() { return tangle<PLACE_TANGLE_363>(); }
int p581() { return tangle<PLACE_TANGLE_364>(); }
int p582() { return tangle<PLACE_TANGLE_365>(); }
int p583() { return tangle<PLACE_TANGLE_366>(); }
int p584() { return tangle<PLACE_TANGLE_367>(); }
int p585() { return tangle<PLACE_TANGLE_368>(); }
int p586() { return tangle<PLACE_TANGLE_369>(); }
int p587() { return tangle<PLACE_TANGLE_370>(); }
int p588() { return tangle<PLACE_TANGLE_371>(); }
int p589() { return tangle<PLACE_TANGLE_372>(); }
int p590() { return run<FAR_END>(); }
