// The warren (see docs/world.md): twenty-five look-alike burrows with
// one-way and self-returning ways, and the six places at its edges: the
// mouth by the rift, the chute down to the upper chamber, the side hall, the
// fork to the tangle, the four ways and the blind crawl. A burrow has
// nothing but its ways, each taken with GO or a one-word command; the edge
// places answer their feature words too, some letting a two-word command
// count as a move.
#include "game.h"

using namespace rows;

namespace {

// --- The burrows (227..251) --------------------------------------------------

// Places 227..251: warren.
// Each burrow's ways, in the order they are tried; 240..251 are dead ends.
constexpr member BURROWS[] = {
    {227, {}, {go({WORD_UP}, 226), go({WORD_NORTH}, 227), go({WORD_EAST}, 228), go({WORD_SOUTH}, 230), go({WORD_WEST}, 237)}},
    {228, {}, {go({WORD_WEST}, 227), go({WORD_SOUTH}, 229), go({WORD_EAST}, 230)}},
    {229, {}, {go({WORD_EAST}, 228), go({WORD_DOWN}, 248), go({WORD_SOUTH}, 232), go({WORD_NORTH}, 250)}},
    {230, {}, {go({WORD_WEST}, 227), go({WORD_NORTH}, 228), go({WORD_EAST}, 241), go({WORD_SOUTH}, 244), go({WORD_UP, WORD_DOWN}, 240)}},
    {231, {}, {go({WORD_EAST}, 232), go({WORD_WEST}, 233)}},
    {232, {}, {go({WORD_EAST}, 229), go({WORD_WEST}, 231), go({WORD_DOWN}, 233), go({WORD_SOUTH}, 234)}},
    {233, {}, {go({WORD_WEST}, 231), go({WORD_UP}, 232), go({WORD_EAST}, 234), go({WORD_SOUTH}, 235)}},
    {234, {}, {go({WORD_WEST}, 232), go({WORD_EAST}, 233), go({WORD_SOUTH}, 234), go({WORD_UP}, 235), go({WORD_NORTH}, 236), go({WORD_DOWN}, 247)}},
    {235, {}, {go({WORD_WEST}, 233), go({WORD_NORTH}, 234), go({WORD_SOUTH}, 242)}},
    {236, {}, {go({WORD_WEST}, 234), go({WORD_NORTH}, 236), go({WORD_DOWN}, 249), go({WORD_EAST}, 252)}},
    {237, {}, {go({WORD_NORTH}, 227), go({WORD_WEST, WORD_SOUTH}, 237), go({WORD_EAST}, 243)}},
    {238, {}, {go({WORD_SOUTH}, 252), go({WORD_EAST}, 239), go({WORD_WEST}, 246)}},
    {239, {}, {go({WORD_NORTH}, 252), go({WORD_WEST}, 238), go({WORD_NORTHWEST}, 251)}},
    {240, {}, {go({WORD_UP, WORD_DOWN}, 230)}},
    {241, {}, {go({WORD_OUT, WORD_WEST}, 230)}},
    {242, {}, {go({WORD_OUT, WORD_WEST}, 235)}},
    {243, {}, {go({WORD_WEST, WORD_OUT}, 237)}},
    {244, {}, {go({WORD_OUT, WORD_EAST}, 230)}},
    {245, {}, {go({WORD_OUT, WORD_EAST}, 252)}},
    {246, {}, {go({WORD_OUT, WORD_EAST}, 238)}},
    {247, {}, {go({WORD_OUT, WORD_UP}, 234)}},
    {248, {}, {go({WORD_OUT, WORD_UP}, 229)}},
    {249, {}, {go({WORD_OUT, WORD_UP}, 236)}},
    {250, {}, {go({WORD_OUT, WORD_SOUTH}, 229)}},
    {251, {}, {go({WORD_SOUTHEAST, WORD_OUT}, 239)}},
};

// Places 227..251: warren.
constexpr row BURROW[] = {
    moving(),
        member_rows(),
    end(),
};

template <int PLACE>
int burrow() {
    return run_member<BURROW, BURROWS>(PLACE);
}

// --- The mouth of the warren (226) -------------------------------------------

// Place 226: mouth of the warren.
constexpr row MOUTH_OF_THE_WARREN[] = {
    look(),
        // Looking at the hall is looking about.
        let({901}, VAR_COMMAND_STATUS, 1),
        reply({WORD_CRAWL, WORD_PASSAGE}, 2903, arg_of(VAR_ARG2)),
        ret(),
    end(),
    // "Climb up" into the burrows needs no GO.
    group([] { return cond(keyword(WORD_CLIMB, WORD_UP, -1)).OR(has(WORD_GO)).OR(words() == 1); }),
        go({WORD_SOUTH, WORD_UP, WORD_PASSAGE, WORD_CLIMB}, 227),
        go({WORD_EAST}, 212),
        go({WORD_WEST, WORD_CRAWL, 901}, 253),
        go({WORD_NORTH}, 212, 1501),
    end(),
    mark({901, WORD_PASSAGE, WORD_CRAWL}),
};

// --- The warren chute (252) --------------------------------------------------

// Place 252: warren chute.
constexpr row WARREN_CHUTE[] = {
    look(),
        reply({WORD_DOWN, 209}, 2478, arg(0)),
        reply({960, 15, WORD_WALL}, 3128),
        reply({258}, 3129),
        ret(),
    end(),
    // Down, or climbing, into the crevice or the chute is a move.
    group([] { return cond(anyof(WORD_CLIMB, WORD_DOWN, -1)).AND(anyof(960, 15, -1)).OR(has(WORD_GO)).OR(words() == 1); }),
        go({WORD_DOWN, WORD_CLIMB}, 208),
        go({WORD_WEST}, 236),
        go({WORD_SOUTH}, 245),
        go({WORD_NORTH}, 238),
        go({WORD_EAST}, 239),
    end(),
    reply({960}, 1403),
    mark({960, 15, WORD_WALL, 258}),
    // What is thrown down here lands in the upper chamber.
    land(208, 1671),
};

// --- The side of the warren (253) --------------------------------------------

// Place 253: side of the warren.
constexpr row SIDE_OF_THE_WARREN[] = {
    look(),
        let({901}, VAR_COMMAND_STATUS, 1),
        reply({WORD_CRAWL, WORD_HOLE}, 2903, arg_of(VAR_ARG2)),
        ret(),
    end(),
    // "Crawl up" is a move.
    let(all({WORD_CRAWL, WORD_UP}), VAR_COMMAND_STATUS, 1),
    moving(),
        go({WORD_EAST, WORD_UP, WORD_CRAWL}, 226),
        go({WORD_WEST, 901}, 254),
        go({WORD_NORTH, WORD_DOWN, WORD_HOLE}, 255),
    end(),
    mark({901, WORD_CRAWL, WORD_HOLE}),
};

// --- The tangle fork (254) ---------------------------------------------------

// Place 254: tangle fork.
constexpr row TANGLE_FORK[] = {
    look(),
        let({901}, VAR_COMMAND_STATUS, 1),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2908),
        ret(),
    end(),
    moving(),
        go({WORD_EAST, 901}, 253),
        go({WORD_NORTH}, 255),
        go({WORD_SOUTH}, 362),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 1297),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, 308}),
};

// --- The four ways (255) -----------------------------------------------------

// Place 255: four ways.
constexpr row FOUR_WAYS[] = {
    look(),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2902, arg(897)),
        ret(),
    end(),
    moving(),
        go({WORD_WEST}, 253),
        go({WORD_NORTH}, 256),
        go({WORD_EAST}, 221),
        go({WORD_SOUTH}, 254),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2904, arg(897)),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, 308}),
};

// --- The blind crawl (256) ---------------------------------------------------

// Place 256: blind crawl.
constexpr row BLIND_CRAWL[] = {
    look(),
        reply({WORD_CRAWL}, 2903, arg(900)),
        ret(),
    end(),
    moving(),
        go({WORD_OUT, WORD_CRAWL, WORD_SOUTH}, 255),
    end(),
    mark({WORD_CRAWL}),
};

}  // namespace

int p554() { return burrow<227>(); }
int p555() { return burrow<228>(); }
int p556() { return burrow<229>(); }
int p557() { return burrow<230>(); }
int p561() { return burrow<231>(); }
int p562() { return burrow<232>(); }
int p563() { return burrow<233>(); }
int p564() { return burrow<234>(); }
int p565() { return burrow<235>(); }
int p567() { return burrow<236>(); }
int p570() { return burrow<237>(); }
int p573() { return burrow<238>(); }
int p574() { return burrow<239>(); }
int p577() { return burrow<240>(); }
int p558() { return burrow<241>(); }
int p566() { return burrow<242>(); }
int p571() { return burrow<243>(); }
int p559() { return burrow<244>(); }
int p569() { return burrow<245>(); }
int p575() { return burrow<246>(); }
int p576() { return burrow<247>(); }
int p560() { return burrow<248>(); }
int p568() { return burrow<249>(); }
int p572() { return burrow<250>(); }
int p553() { return burrow<251>(); }

int p920() { return run<MOUTH_OF_THE_WARREN>(); }
int p578() { return run<WARREN_CHUTE>(); }
int p537() { return run<SIDE_OF_THE_WARREN>(); }
int p538() { return run<TANGLE_FORK>(); }
int p163() { return run<FOUR_WAYS>(); }
int p180() { return run<BLIND_CRAWL>(); }
