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
constexpr int TANGLE_WORDS[] = {745, 746, 747, 748, 749, 750, 751, 752, 754, 755};

consteval member cell(int place, std::array<int, 10> to) {
    member m{place};
    for (size_t i = 0; i < to.size(); i++) m.rows[i] = go({TANGLE_WORDS[i]}, to[i]);
    return m;
}

// Places 362..372: tangle.
// Where each word leads from each cell, in the order of TANGLE_WORDS.
constexpr member CELLS[] = {
    cell(362, {372, 366, 370, 367, 364, 365, 371, 369, 368, 254}),
    cell(363, {365, 369, 366, 368, 373, 364, 370, 367, 372, 371}),
    cell(364, {371, 368, 363, 365, 372, 367, 362, 366, 369, 370}),
    cell(365, {366, 370, 371, 363, 367, 369, 368, 362, 364, 372}),
    cell(366, {370, 367, 369, 372, 363, 368, 365, 371, 362, 364}),
    cell(367, {364, 362, 368, 366, 370, 363, 372, 365, 371, 369}),
    cell(368, {362, 371, 367, 364, 366, 370, 369, 372, 363, 365}),
    cell(369, {363, 372, 362, 371, 368, 366, 364, 370, 365, 367}),
    cell(370, {369, 364, 372, 362, 365, 371, 363, 368, 367, 366}),
    cell(371, {368, 365, 364, 370, 369, 372, 367, 363, 366, 362}),
    cell(372, {367, 363, 365, 369, 371, 362, 366, 364, 370, 368}),
};

// Places 362..372: tangle.
constexpr row TANGLE_CELL[] = {
    look(),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2962),
        ret(),
    end(),
    moving(),
        member_rows(),
        // Every way is a passage here: which one is not clear.
        reply({WORD_TUNNEL, WORD_PASSAGE, 308}, 2904, arg(897)),
    end(),
    mark({WORD_TUNNEL, WORD_PASSAGE, 308}),
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
    call(p185, ref(821)),
    group(has_any_word({821, 134, 74, 129, 1018, 30}).AND(has_any_word({798, WORD_LOOK}))),
        tell(3295),
        reply(3331),
    end(),
    look(),
        reply({1103}, 3451),
        reply({1104}, 3452),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2903, arg(897)),
        ret(),
    end(),
    // Putting down what the automaton cares about: the token buys a canister
    // of oil; the packet, its wrapper and the reliquary are only left here.
    group([] { return cond(anyof(WORD_DROP, 868, -1)).AND(anyof(51, 104, 105, 43, -1)).AND(second_word_carried()); }),
        step(put_down_here),
        reply({105, 104}, 1857, arg_of(VAR_ARG2)),
        reply({43}, 3482),
        put(51, PLACE_GONE),
        put_here(OBJ_LIGHT_REFILL),
        set_flag(OBJ_LIGHT_REFILL, OFLAG_SEEN),
        let(35, 1),
        reply(1991),
    end(),
    moving(),
        go({WORD_NORTH, WORD_OUT, WORD_PASSAGE, WORD_TUNNEL, 308}, 363),
    end(),
    mark({821, 134, 74, 129, 1018, 30, WORD_PASSAGE, WORD_TUNNEL, 308, 1103, 1104}),
};

}  // namespace

int p579() { return tangle<362>(); }
int p580() { return tangle<363>(); }
int p581() { return tangle<364>(); }
int p582() { return tangle<365>(); }
int p583() { return tangle<366>(); }
int p584() { return tangle<367>(); }
int p585() { return tangle<368>(); }
int p586() { return tangle<369>(); }
int p587() { return tangle<370>(); }
int p588() { return tangle<371>(); }
int p589() { return tangle<372>(); }
int p590() { return run<FAR_END>(); }
