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
    {PLACE_WARREN_227, {},
     {go({WORD_UP}, PLACE_MOUTH_OF_WARREN), go({WORD_NORTH}, PLACE_WARREN_227), go({WORD_EAST}, PLACE_WARREN_228),
      go({WORD_SOUTH}, PLACE_WARREN_230), go({WORD_WEST}, PLACE_WARREN_237)}},
    {PLACE_WARREN_228, {},
     {go({WORD_WEST}, PLACE_WARREN_227), go({WORD_SOUTH}, PLACE_WARREN_229), go({WORD_EAST}, PLACE_WARREN_230)}},
    {PLACE_WARREN_229, {},
     {go({WORD_EAST}, PLACE_WARREN_228), go({WORD_DOWN}, PLACE_WARREN_248), go({WORD_SOUTH}, PLACE_WARREN_232),
      go({WORD_NORTH}, PLACE_WARREN_250)}},
    {PLACE_WARREN_230, {},
     {go({WORD_WEST}, PLACE_WARREN_227), go({WORD_NORTH}, PLACE_WARREN_228), go({WORD_EAST}, PLACE_WARREN_241),
      go({WORD_SOUTH}, PLACE_WARREN_244), go({WORD_UP, WORD_DOWN}, PLACE_WARREN_240)}},
    {PLACE_WARREN_231, {}, {go({WORD_EAST}, PLACE_WARREN_232), go({WORD_WEST}, PLACE_WARREN_233)}},
    {PLACE_WARREN_232, {},
     {go({WORD_EAST}, PLACE_WARREN_229), go({WORD_WEST}, PLACE_WARREN_231), go({WORD_DOWN}, PLACE_WARREN_233),
      go({WORD_SOUTH}, PLACE_WARREN_234)}},
    {PLACE_WARREN_233, {},
     {go({WORD_WEST}, PLACE_WARREN_231), go({WORD_UP}, PLACE_WARREN_232), go({WORD_EAST}, PLACE_WARREN_234),
      go({WORD_SOUTH}, PLACE_WARREN_235)}},
    {PLACE_WARREN_234, {},
     {go({WORD_WEST}, PLACE_WARREN_232), go({WORD_EAST}, PLACE_WARREN_233), go({WORD_SOUTH}, PLACE_WARREN_234),
      go({WORD_UP}, PLACE_WARREN_235), go({WORD_NORTH}, PLACE_WARREN_236), go({WORD_DOWN}, PLACE_WARREN_247)}},
    {PLACE_WARREN_235, {},
     {go({WORD_WEST}, PLACE_WARREN_233), go({WORD_NORTH}, PLACE_WARREN_234), go({WORD_SOUTH}, PLACE_WARREN_242)}},
    {PLACE_WARREN_236, {},
     {go({WORD_WEST}, PLACE_WARREN_234), go({WORD_NORTH}, PLACE_WARREN_236), go({WORD_DOWN}, PLACE_WARREN_249),
      go({WORD_EAST}, PLACE_WARREN_CHUTE)}},
    {PLACE_WARREN_237, {},
     {go({WORD_NORTH}, PLACE_WARREN_227), go({WORD_WEST, WORD_SOUTH}, PLACE_WARREN_237),
      go({WORD_EAST}, PLACE_WARREN_243)}},
    {PLACE_WARREN_238, {},
     {go({WORD_SOUTH}, PLACE_WARREN_CHUTE), go({WORD_EAST}, PLACE_WARREN_239), go({WORD_WEST}, PLACE_WARREN_246)}},
    {PLACE_WARREN_239, {},
     {go({WORD_NORTH}, PLACE_WARREN_CHUTE), go({WORD_WEST}, PLACE_WARREN_238), go({WORD_NORTHWEST}, PLACE_WARREN_251)}},
    {PLACE_WARREN_240, {}, {go({WORD_UP, WORD_DOWN}, PLACE_WARREN_230)}},
    {PLACE_WARREN_241, {}, {go({WORD_OUT, WORD_WEST}, PLACE_WARREN_230)}},
    {PLACE_WARREN_242, {}, {go({WORD_OUT, WORD_WEST}, PLACE_WARREN_235)}},
    {PLACE_WARREN_243, {}, {go({WORD_WEST, WORD_OUT}, PLACE_WARREN_237)}},
    {PLACE_WARREN_244, {}, {go({WORD_OUT, WORD_EAST}, PLACE_WARREN_230)}},
    {PLACE_WARREN_245, {}, {go({WORD_OUT, WORD_EAST}, PLACE_WARREN_CHUTE)}},
    {PLACE_WARREN_246, {}, {go({WORD_OUT, WORD_EAST}, PLACE_WARREN_238)}},
    {PLACE_WARREN_247, {}, {go({WORD_OUT, WORD_UP}, PLACE_WARREN_234)}},
    {PLACE_WARREN_248, {}, {go({WORD_OUT, WORD_UP}, PLACE_WARREN_229)}},
    {PLACE_WARREN_249, {}, {go({WORD_OUT, WORD_UP}, PLACE_WARREN_236)}},
    {PLACE_WARREN_250, {}, {go({WORD_OUT, WORD_SOUTH}, PLACE_WARREN_229)}},
    {PLACE_WARREN_251, {}, {go({WORD_SOUTHEAST, WORD_OUT}, PLACE_WARREN_239)}},
};

// Places 227..251: warren.
constexpr row BURROW[] = {
    look(),
        reply({PLACE_WARREN_227, PLACE_BURROW}, 3508, arg(0)),
        ret(),
    end(),
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
        let({WORD_HALL}, VAR_COMMAND_STATUS, 1),
        reply({WORD_CRAWL, WORD_PASSAGE}, 2903, arg_of(VAR_ARG2)),
        reply({PLACE_WARREN_227, PLACE_BURROW, WORD_ENTRANCE}, 3508, arg(1)),
        reply({OBJ_RIFT}, 3508, arg(2)),
        ret(),
    end(),
    // "Climb up" into the burrows needs no GO.
    group([] { return cond(keyword(WORD_CLIMB, WORD_UP, -1)).OR(has(WORD_GO)).OR(words() == 1); }),
        go({WORD_SOUTH, WORD_UP, WORD_PASSAGE, WORD_CLIMB}, PLACE_WARREN_227),
        go({WORD_EAST}, PLACE_WEST_LIP_OF_RIFT),
        go({WORD_WEST, WORD_CRAWL, WORD_HALL}, PLACE_SIDE_OF_WARREN),
        go({WORD_NORTH}, PLACE_WEST_LIP_OF_RIFT, 1501),
    end(),
    mark({WORD_HALL, WORD_PASSAGE, WORD_CRAWL}),
};

// --- The warren chute (252) --------------------------------------------------

// Place 252: warren chute.
constexpr row WARREN_CHUTE[] = {
    look(),
        reply({WORD_DOWN, PLACE_PIT}, 2478, arg(0)),
        reply({WORD_CREVICE, OBJ_CHUTE, WORD_WALL}, 3128),
        reply({PLACE_PIT_TOP}, 3129),
        reply({PLACE_WARREN_227, PLACE_BURROW}, 3508, arg(3)),
        ret(),
    end(),
    // Down, or climbing, into the crevice or the chute is a move.
    group([] { return cond(anyof(WORD_CLIMB, WORD_DOWN, -1)).AND(anyof(WORD_CREVICE, OBJ_CHUTE,
                                 -1)).OR(has(WORD_GO)).OR(words() == 1); }),
        go({WORD_DOWN, WORD_CLIMB}, PLACE_UPPER_CHAMBER),
        go({WORD_WEST}, PLACE_WARREN_236),
        go({WORD_SOUTH}, PLACE_WARREN_245),
        go({WORD_NORTH}, PLACE_WARREN_238),
        go({WORD_EAST}, PLACE_WARREN_239),
    end(),
    reply({WORD_CREVICE}, 1403),
    mark({WORD_CREVICE, OBJ_CHUTE, WORD_WALL, PLACE_PIT_TOP}),
    // What is thrown down here lands in the upper chamber.
    land(PLACE_UPPER_CHAMBER, 1671),
};

// --- The side of the warren (253) --------------------------------------------

// Place 253: side of the warren.
constexpr row SIDE_OF_THE_WARREN[] = {
    look(),
        let({WORD_HALL}, VAR_COMMAND_STATUS, 1),
        reply({WORD_CRAWL, WORD_HOLE}, 2903, arg_of(VAR_ARG2)),
        reply({PLACE_WARREN_227, WORD_ENTRANCE}, 3508, arg(4)),
        ret(),
    end(),
    // "Crawl up" is a move.
    let(all({WORD_CRAWL, WORD_UP}), VAR_COMMAND_STATUS, 1),
    moving(),
        go({WORD_EAST, WORD_UP, WORD_CRAWL}, PLACE_MOUTH_OF_WARREN),
        go({WORD_WEST, WORD_HALL}, PLACE_TANGLE_FORK),
        go({WORD_NORTH, WORD_DOWN, WORD_HOLE}, PLACE_FOUR_WAYS),
    end(),
    mark({WORD_HALL, WORD_CRAWL, WORD_HOLE}),
};

// --- The tangle fork (254) ---------------------------------------------------

// Place 254: tangle fork.
constexpr row TANGLE_FORK[] = {
    look(),
        let({WORD_HALL}, VAR_COMMAND_STATUS, 1),
        let({PLACE_TANGLE_FORK, PLACE_CROSSROADS}, VAR_COMMAND_STATUS, 1),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2908),
        reply({PLACE_TANGLE_362}, 3508, arg(5)),
        ret(),
    end(),
    moving(),
        go({WORD_EAST, WORD_HALL}, PLACE_SIDE_OF_WARREN),
        go({WORD_NORTH}, PLACE_FOUR_WAYS),
        go({WORD_SOUTH}, PLACE_TANGLE_362),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 1297),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}),
};

// --- The four ways (255) -----------------------------------------------------

// Place 255: four ways.
constexpr row FOUR_WAYS[] = {
    look(),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2902, arg(WORD_PASSAGE)),
        ret(),
    end(),
    moving(),
        go({WORD_WEST}, PLACE_SIDE_OF_WARREN),
        go({WORD_NORTH}, PLACE_BLIND_CRAWL),
        go({WORD_EAST}, PLACE_WEST_PASSAGE),
        go({WORD_SOUTH}, PLACE_TANGLE_FORK),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2904, arg(WORD_PASSAGE)),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}),
};

// --- The blind crawl (256) ---------------------------------------------------

// Place 256: blind crawl.
constexpr row BLIND_CRAWL[] = {
    look(),
        reply({WORD_CRAWL}, 2903, arg(WORD_CRAWL)),
        ret(),
    end(),
    moving(),
        go({WORD_OUT, WORD_CRAWL, WORD_SOUTH}, PLACE_FOUR_WAYS),
    end(),
    mark({WORD_CRAWL}),
};

}  // namespace

int p554() { return burrow<PLACE_WARREN_227>(); }
int p555() { return burrow<PLACE_WARREN_228>(); }
int p556() { return burrow<PLACE_WARREN_229>(); }
int p557() { return burrow<PLACE_WARREN_230>(); }
int p561() { return burrow<PLACE_WARREN_231>(); }
int p562() { return burrow<PLACE_WARREN_232>(); }
int p563() { return burrow<PLACE_WARREN_233>(); }
int p564() { return burrow<PLACE_WARREN_234>(); }
int p565() { return burrow<PLACE_WARREN_235>(); }
int p567() { return burrow<PLACE_WARREN_236>(); }
int p570() { return burrow<PLACE_WARREN_237>(); }
int p573() { return burrow<PLACE_WARREN_238>(); }
int p574() { return burrow<PLACE_WARREN_239>(); }
int p577() { return burrow<PLACE_WARREN_240>(); }
int p558() { return burrow<PLACE_WARREN_241>(); }
int p566() { return burrow<PLACE_WARREN_242>(); }
int p571() { return burrow<PLACE_WARREN_243>(); }
int p559() { return burrow<PLACE_WARREN_244>(); }
int p569() { return burrow<PLACE_WARREN_245>(); }
int p575() { return burrow<PLACE_WARREN_246>(); }
int p576() { return burrow<PLACE_WARREN_247>(); }
int p560() { return burrow<PLACE_WARREN_248>(); }
int p568() { return burrow<PLACE_WARREN_249>(); }
int p572() { return burrow<PLACE_WARREN_250>(); }
int p553() { return burrow<PLACE_WARREN_251>(); }

int p920() { return run<MOUTH_OF_THE_WARREN>(); }
int p578() { return run<WARREN_CHUTE>(); }
int p537() { return run<SIDE_OF_THE_WARREN>(); }
int p538() { return run<TANGLE_FORK>(); }
int p163() { return run<FOUR_WAYS>(); }
int p180() { return run<BLIND_CRAWL>(); }
