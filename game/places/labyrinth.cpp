// The labyrinth (see docs/world.md): the gateway, where a ramp slides down
// to the undercroft, and thirty-six cells of passages between them and the
// heart, whose writing gives the word back to the gateway. Every place first
// hears the labyrinth's own replies; then its ways follow. The onward words
// take the player on through a cell with two ways (to the end not come
// from), get no answer where the ways fork, and lead back out of a dead end.
#include "game.h"

using namespace rows;

namespace {

// --- The cells (391..425) ------------------------------------------------------

// Places 391..407, 409..425: labyrinth.
// A cell's ways in the order they are tried. At a cell with two ways, k holds
// the pair the onward words pass between: one end and the word that reaches
// it, then the other end and its word; at a fork k is empty. A dead end's one
// way already takes the onward words and "out".
constexpr member CELLS[] = {
    {PLACE_LABYRINTH_391, {PLACE_LABYRINTH_392, WORD_NORTH, PLACE_LABYRINTH_393, WORD_WEST},
     {go({WORD_WEST}, PLACE_LABYRINTH_393), go({WORD_NORTH}, PLACE_LABYRINTH_392)}},
    {PLACE_LABYRINTH_392, {},
     {go({WORD_SOUTH, WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR, WORD_OUT}, PLACE_LABYRINTH_391)}},
    {PLACE_LABYRINTH_393, {},
     {go({WORD_EAST}, PLACE_LABYRINTH_391), go({WORD_WEST}, PLACE_LABYRINTH_395),
      go({WORD_NORTH}, PLACE_LABYRINTH_394)}},
    {PLACE_LABYRINTH_394, {PLACE_UNDERCROFT, WORD_NORTH, PLACE_LABYRINTH_393, WORD_SOUTH},
     {go({WORD_NORTH}, PLACE_UNDERCROFT), go({WORD_SOUTH}, PLACE_LABYRINTH_393)}},
    {PLACE_LABYRINTH_395, {PLACE_LABYRINTH_393, WORD_EAST, PLACE_LABYRINTH_396, WORD_NORTH},
     {go({WORD_EAST}, PLACE_LABYRINTH_393), go({WORD_NORTH}, PLACE_LABYRINTH_396)}},
    {PLACE_LABYRINTH_396, {},
     {go({WORD_SOUTH, WORD_OUT, WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, PLACE_LABYRINTH_395)}},
    {PLACE_LABYRINTH_397, {PLACE_UNDERCROFT, WORD_EAST, PLACE_LABYRINTH_398, WORD_WEST},
     {go({WORD_EAST}, PLACE_UNDERCROFT), go({WORD_WEST}, PLACE_LABYRINTH_398)}},
    {PLACE_LABYRINTH_398, {PLACE_LABYRINTH_397, WORD_NORTHEAST, PLACE_LABYRINTH_399, WORD_SOUTH},
     {go({WORD_NORTHEAST}, PLACE_LABYRINTH_397), go({WORD_SOUTH}, PLACE_LABYRINTH_399)}},
    {PLACE_LABYRINTH_399, {},
     {go({WORD_NORTH}, PLACE_LABYRINTH_398), go({WORD_SOUTH}, PLACE_LABYRINTH_400),
      go({WORD_WEST}, PLACE_LABYRINTH_402)}},
    {PLACE_LABYRINTH_400, {},
     {go({WORD_NORTH, WORD_OUT, WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, PLACE_LABYRINTH_399)}},
    {PLACE_LABYRINTH_401, {},
     {go({WORD_NORTH, WORD_OUT, WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, PLACE_LABYRINTH_402)}},
    {PLACE_LABYRINTH_402, {},
     {go({WORD_EAST}, PLACE_LABYRINTH_399), go({WORD_SOUTH}, PLACE_LABYRINTH_401),
      go({WORD_NORTH}, PLACE_LABYRINTH_403)}},
    {PLACE_LABYRINTH_403, {PLACE_LABYRINTH_402, WORD_SOUTH, PLACE_LABYRINTH_404, WORD_NORTHWEST},
     {go({WORD_SOUTH}, PLACE_LABYRINTH_402), go({WORD_NORTHWEST}, PLACE_LABYRINTH_404)}},
    {PLACE_LABYRINTH_404, {PLACE_LABYRINTH_403, WORD_EAST, PLACE_LABYRINTH_405, WORD_WEST},
     {go({WORD_EAST}, PLACE_LABYRINTH_403), go({WORD_WEST}, PLACE_LABYRINTH_405)}},
    {PLACE_LABYRINTH_405, {},
     {go({WORD_NORTHEAST}, PLACE_LABYRINTH_404), go({WORD_SOUTH}, PLACE_LABYRINTH_406),
      go({WORD_WEST}, PLACE_LABYRINTH_409)}},
    {PLACE_LABYRINTH_406, {PLACE_LABYRINTH_405, WORD_NORTH, PLACE_LABYRINTH_407, WORD_SOUTH},
     {go({WORD_NORTH}, PLACE_LABYRINTH_405), go({WORD_SOUTH}, PLACE_LABYRINTH_407)}},
    {PLACE_LABYRINTH_407, {},
     {go({WORD_NORTH, WORD_OUT, WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, PLACE_LABYRINTH_406)}},
    {PLACE_LABYRINTH_408, {},
     {go({WORD_NORTH, WORD_OUT, WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, PLACE_LABYRINTH_410)}},
    {PLACE_LABYRINTH_409, {},
     {go({WORD_EAST}, PLACE_LABYRINTH_405), go({WORD_SOUTH}, PLACE_LABYRINTH_410),
      go({WORD_NORTHWEST}, PLACE_LABYRINTH_411)}},
    {PLACE_LABYRINTH_410, {PLACE_LABYRINTH_408, WORD_SOUTH, PLACE_LABYRINTH_409, WORD_NORTH},
     {go({WORD_SOUTH}, PLACE_LABYRINTH_408), go({WORD_NORTH}, PLACE_LABYRINTH_409)}},
    {PLACE_LABYRINTH_411, {PLACE_LABYRINTH_409, WORD_EAST, PLACE_LABYRINTH_412, WORD_WEST},
     {go({WORD_EAST}, PLACE_LABYRINTH_409), go({WORD_WEST}, PLACE_LABYRINTH_412)}},
    {PLACE_LABYRINTH_412, {PLACE_LABYRINTH_411, WORD_NORTHEAST, PLACE_LABYRINTH_413, WORD_SOUTH},
     {go({WORD_NORTHEAST}, PLACE_LABYRINTH_411), go({WORD_SOUTH}, PLACE_LABYRINTH_413)}},
    {PLACE_LABYRINTH_413, {},
     {go({WORD_NORTH}, PLACE_LABYRINTH_412), go({WORD_SOUTH}, PLACE_LABYRINTH_414),
      go({WORD_WEST}, PLACE_LABYRINTH_416), go({WORD_NORTHWEST}, PLACE_LABYRINTH_417)}},
    {PLACE_LABYRINTH_414, {PLACE_LABYRINTH_413, WORD_NORTH, PLACE_LABYRINTH_415, WORD_WEST},
     {go({WORD_NORTH}, PLACE_LABYRINTH_413), go({WORD_WEST}, PLACE_LABYRINTH_415)}},
    {PLACE_LABYRINTH_415, {PLACE_LABYRINTH_414, WORD_EAST, PLACE_LABYRINTH_416, WORD_NORTH},
     {go({WORD_EAST}, PLACE_LABYRINTH_414), go({WORD_NORTH}, PLACE_LABYRINTH_416)}},
    {PLACE_LABYRINTH_416, {PLACE_LABYRINTH_413, WORD_EAST, PLACE_LABYRINTH_415, WORD_SOUTH},
     {go({WORD_EAST}, PLACE_LABYRINTH_413), go({WORD_SOUTH}, PLACE_LABYRINTH_415)}},
    {PLACE_LABYRINTH_417, {PLACE_LABYRINTH_413, WORD_SOUTHEAST, PLACE_LABYRINTH_418, WORD_NORTHWEST},
     {go({WORD_SOUTHEAST}, PLACE_LABYRINTH_413), go({WORD_NORTHWEST}, PLACE_LABYRINTH_418)}},
    {PLACE_LABYRINTH_418, {PLACE_LABYRINTH_417, WORD_EAST, PLACE_LABYRINTH_419, WORD_WEST},
     {go({WORD_EAST}, PLACE_LABYRINTH_417), go({WORD_WEST}, PLACE_LABYRINTH_419)}},
    {PLACE_LABYRINTH_419, {},
     {go({WORD_NORTHEAST}, PLACE_LABYRINTH_418), go({WORD_SOUTH}, PLACE_LABYRINTH_420),
      go({WORD_WEST}, PLACE_LABYRINTH_425)}},
    {PLACE_LABYRINTH_420, {},
     {go({WORD_NORTH}, PLACE_LABYRINTH_419), go({WORD_SOUTH}, PLACE_LABYRINTH_421),
      go({WORD_WEST}, PLACE_LABYRINTH_423), go({WORD_NORTHWEST}, PLACE_LABYRINTH_424)}},
    {PLACE_LABYRINTH_421, {PLACE_LABYRINTH_420, WORD_NORTH, PLACE_LABYRINTH_422, WORD_NORTHWEST},
     {go({WORD_NORTH}, PLACE_LABYRINTH_420), go({WORD_NORTHWEST}, PLACE_LABYRINTH_422)}},
    {PLACE_LABYRINTH_422, {PLACE_LABYRINTH_421, WORD_SOUTHEAST, PLACE_LABYRINTH_423, WORD_NORTH},
     {go({WORD_SOUTHEAST}, PLACE_LABYRINTH_421), go({WORD_NORTH}, PLACE_LABYRINTH_423)}},
    {PLACE_LABYRINTH_423, {PLACE_LABYRINTH_420, WORD_EAST, PLACE_LABYRINTH_422, WORD_SOUTH},
     {go({WORD_EAST}, PLACE_LABYRINTH_420), go({WORD_SOUTH}, PLACE_LABYRINTH_422)}},
    {PLACE_LABYRINTH_424, {PLACE_LABYRINTH_420, WORD_SOUTHEAST, PLACE_LABYRINTH_425, WORD_NORTH},
     {go({WORD_SOUTHEAST}, PLACE_LABYRINTH_420), go({WORD_NORTH}, PLACE_LABYRINTH_425)}},
    {PLACE_LABYRINTH_425, {},
     {go({WORD_EAST}, PLACE_LABYRINTH_419), go({WORD_SOUTH}, PLACE_LABYRINTH_424),
      go({WORD_NORTHWEST}, PLACE_HEART_OF_LABYRINTH)}},
};

// The onward words at a cell: through a two-way cell to the end of its pair
// not come from (or "which way?" when the player came from neither); at a
// fork there is no telling which way is meant.
int onward() {
    const member_info &m = this_member();
    if (m.k[0] == 0) {
        say_stop(1297);
        return 0;
    }
    p329(ref(m.k[0]), ref(m.k[1]), ref(m.k[2]), ref(m.k[3]));
    return 0;
}

// Places 391..407, 409..425: labyrinth.
// The labyrinth and its passages answer a look before the labyrinth's
// shared replies, which would call the passages a tunnel.
constexpr row CELL[] = {
    look(),
        reply({PLACE_LABYRINTH_673}, 3288, arg(0)),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 3288, arg(1)),
        reply({WORD_STONE}, 3078),
    end(),
    call(p448),
    moving(),
        member_rows(),
        group({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}),
            step(onward),
        end(),
    end(),
};

template <int PLACE>
int cell() {
    return run_member<CELL, CELLS>(PLACE);
}

// Place 408: labyrinth.
// The dead end where the opal lies: a shelf there like a small altar, bare
// or not by whether the opal has been taken yet.
constexpr row OPAL_SHELF[] = {
    group({OBJ_ALTAR}),
        group({WORD_LOOK}),
            when(value_is(OBJ_OPAL, 0), reply(3488, arg(0))),
            reply(3488, arg(1)),
        end(),
        mark(),
    end(),
};

int opal_dead_end() {
    run<OPAL_SHELF>();
    if (loop) return 0;
    return cell<PLACE_LABYRINTH_408>();
}

// --- The gateway (389) -------------------------------------------------------

// Place 389: gateway.
constexpr row GATEWAY[] = {
    call(p448),
    look(),
        reply({PLACE_UNDERCROFT, WORD_RAMP, WORD_DOWN}, 3080),
        reply({WORD_ARCH, WORD_STONE}, 3077),
        ret(),
    end(),
    moving(),
        go({WORD_NORTHWEST}, PLACE_LABYRINTH_APPROACH),
        go({WORD_DOWN, WORD_EAST, PLACE_UNDERCROFT, PLACE_LABYRINTH_673}, PLACE_UNDERCROFT, 1589),
    end(),
    mark({PLACE_UNDERCROFT, WORD_RAMP, WORD_ARCH}),
    // What is thrown from here slides down the ramp.
    land(PLACE_UNDERCROFT, 1683),
};

// --- The undercroft (390) ----------------------------------------------------

// Place 390: undercroft.
constexpr row UNDERCROFT[] = {
    look(),
        reply({PLACE_LABYRINTH_673, WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 3288, arg(2)),
        reply({WORD_STONE}, 3078),
    end(),
    call(p448),
    look(),
        reply({PLACE_UNDERCROFT, WORD_RAMP}, 3080),
        ret(),
    end(),
    // "Climb up" the ramp is a move (refused).
    when(has_word(WORD_CLIMB).AND(has_any_word({PLACE_UNDERCROFT, WORD_UP})), let(VAR_COMMAND_STATUS, 1)),
    moving(),
        go({WORD_SOUTH}, PLACE_LABYRINTH_394),
        go({WORD_NORTHWEST}, PLACE_LABYRINTH_397),
        reply({PLACE_UNDERCROFT, WORD_OUT, WORD_UP, WORD_NORTH, WORD_CLIMB}, 1590),
        call({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, p329, ref(PLACE_LABYRINTH_394), ref(WORD_SOUTH),
             ref(PLACE_LABYRINTH_397), ref(WORD_NORTHWEST)),
    end(),
    mark({PLACE_UNDERCROFT, WORD_RAMP}),
};

// --- The heart of the labyrinth (426) ----------------------------------------

// Place 426: heart of the labyrinth.
// Its walls are the labyrinth's, but for the writing on the far one.
constexpr row HEART[] = {
    look(),
        reply({WORD_WALL, WORD_STONE}, 3288, arg(4)),
    end(),
    call(p448),
    // "Read" alone reads the writing.
    call(p185, ref(WORD_LABEL)),
    group({OBJ_GLYPHS, WORD_LABEL, OBJ_LETTERING, OBJ_SIGN, OBJ_CARVING}),
        reply({WORD_LOOK, WORD_READ}, 2143, arg_of(VAR_ARG2)),
        reply({WORD_TAKE, WORD_KICK, WORD_PUSH, WORD_PULL, WORD_BREAK}, 2052),
    end(),
    look(),
        reply({PLACE_LABYRINTH_673}, 3288, arg(3)),
        // Looking at the chamber, or the heart, is looking about.
        let({PLACE_LAKESIDE_CHAMBER, PLACE_EAST_THICKET}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        go({WORD_EAST, WORD_OUT, WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, PLACE_LABYRINTH_425),
        go_held({WORD_MAGIC_TRAVEL_3}, PLACE_GATEWAY, VAR_PASSAGE_TEXT),
        reply({PLACE_LAKESIDE_CHAMBER}, 1425),
    end(),
    mark({PLACE_LAKESIDE_CHAMBER, WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR, OBJ_GLYPHS, OBJ_SIGN, OBJ_CARVING}),
};

}  // namespace

int p412() { return cell<PLACE_LABYRINTH_391>(); }
int p425() { return cell<PLACE_LABYRINTH_392>(); }
int p426() { return cell<PLACE_LABYRINTH_393>(); }
int p438() { return cell<PLACE_LABYRINTH_394>(); }
int p439() { return cell<PLACE_LABYRINTH_395>(); }
int p441() { return cell<PLACE_LABYRINTH_396>(); }
int p442() { return cell<PLACE_LABYRINTH_397>(); }
int p443() { return cell<PLACE_LABYRINTH_398>(); }
int p444() { return cell<PLACE_LABYRINTH_399>(); }
int p445() { return cell<PLACE_LABYRINTH_400>(); }
int p446() { return cell<PLACE_LABYRINTH_401>(); }
int p447() { return cell<PLACE_LABYRINTH_402>(); }
int p413() { return cell<PLACE_LABYRINTH_403>(); }
int p414() { return cell<PLACE_LABYRINTH_404>(); }
int p415() { return cell<PLACE_LABYRINTH_405>(); }
int p416() { return cell<PLACE_LABYRINTH_406>(); }
int p417() { return cell<PLACE_LABYRINTH_407>(); }
int p418() { return opal_dead_end(); }
int p419() { return cell<PLACE_LABYRINTH_409>(); }
int p420() { return cell<PLACE_LABYRINTH_410>(); }
int p421() { return cell<PLACE_LABYRINTH_411>(); }
int p422() { return cell<PLACE_LABYRINTH_412>(); }
int p423() { return cell<PLACE_LABYRINTH_413>(); }
int p424() { return cell<PLACE_LABYRINTH_414>(); }
int p427() { return cell<PLACE_LABYRINTH_415>(); }
int p428() { return cell<PLACE_LABYRINTH_416>(); }
int p429() { return cell<PLACE_LABYRINTH_417>(); }
int p430() { return cell<PLACE_LABYRINTH_418>(); }
int p431() { return cell<PLACE_LABYRINTH_419>(); }
int p432() { return cell<PLACE_LABYRINTH_420>(); }
int p433() { return cell<PLACE_LABYRINTH_421>(); }
int p434() { return cell<PLACE_LABYRINTH_422>(); }
int p435() { return cell<PLACE_LABYRINTH_423>(); }
int p436() { return cell<PLACE_LABYRINTH_424>(); }
int p437() { return cell<PLACE_LABYRINTH_425>(); }
int p440() { return run<HEART>(); }
int p411() { return run<GATEWAY>(); }
int p780() { return run<UNDERCROFT>(); }
