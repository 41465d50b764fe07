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
    {391, {392, 745, 393, 751}, {go({WORD_WEST}, 393), go({WORD_NORTH}, 392)}},
    {392, {}, {go({WORD_SOUTH, WORD_TUNNEL, WORD_PASSAGE, 308, WORD_OUT}, 391)}},
    {393, {}, {go({WORD_EAST}, 391), go({WORD_WEST}, 395), go({WORD_NORTH}, 394)}},
    {394, {390, 745, 393, 749}, {go({WORD_NORTH}, 390), go({WORD_SOUTH}, 393)}},
    {395, {393, 747, 396, 745}, {go({WORD_EAST}, 393), go({WORD_NORTH}, 396)}},
    {396, {}, {go({WORD_SOUTH, WORD_OUT, WORD_PASSAGE, WORD_TUNNEL, 308}, 395)}},
    {397, {390, 747, 398, 751}, {go({WORD_EAST}, 390), go({WORD_WEST}, 398)}},
    {398, {397, 746, 399, 749}, {go({WORD_NORTHEAST}, 397), go({WORD_SOUTH}, 399)}},
    {399, {}, {go({WORD_NORTH}, 398), go({WORD_SOUTH}, 400), go({WORD_WEST}, 402)}},
    {400, {}, {go({WORD_NORTH, WORD_OUT, WORD_PASSAGE, WORD_TUNNEL, 308}, 399)}},
    {401, {}, {go({WORD_NORTH, WORD_OUT, WORD_PASSAGE, WORD_TUNNEL, 308}, 402)}},
    {402, {}, {go({WORD_EAST}, 399), go({WORD_SOUTH}, 401), go({WORD_NORTH}, 403)}},
    {403, {402, 749, 404, 752}, {go({WORD_SOUTH}, 402), go({WORD_NORTHWEST}, 404)}},
    {404, {403, 747, 405, 751}, {go({WORD_EAST}, 403), go({WORD_WEST}, 405)}},
    {405, {}, {go({WORD_NORTHEAST}, 404), go({WORD_SOUTH}, 406), go({WORD_WEST}, 409)}},
    {406, {405, 745, 407, 749}, {go({WORD_NORTH}, 405), go({WORD_SOUTH}, 407)}},
    {407, {}, {go({WORD_NORTH, WORD_OUT, WORD_PASSAGE, WORD_TUNNEL, 308}, 406)}},
    {408, {}, {go({WORD_NORTH, WORD_OUT, WORD_PASSAGE, WORD_TUNNEL, 308}, 410)}},
    {409, {}, {go({WORD_EAST}, 405), go({WORD_SOUTH}, 410), go({WORD_NORTHWEST}, 411)}},
    {410, {408, 749, 409, 745}, {go({WORD_SOUTH}, 408), go({WORD_NORTH}, 409)}},
    {411, {409, 747, 412, 751}, {go({WORD_EAST}, 409), go({WORD_WEST}, 412)}},
    {412, {411, 746, 413, 749}, {go({WORD_NORTHEAST}, 411), go({WORD_SOUTH}, 413)}},
    {413, {}, {go({WORD_NORTH}, 412), go({WORD_SOUTH}, 414), go({WORD_WEST}, 416), go({WORD_NORTHWEST}, 417)}},
    {414, {413, 745, 415, 751}, {go({WORD_NORTH}, 413), go({WORD_WEST}, 415)}},
    {415, {414, 747, 416, 745}, {go({WORD_EAST}, 414), go({WORD_NORTH}, 416)}},
    {416, {413, 747, 415, 749}, {go({WORD_EAST}, 413), go({WORD_SOUTH}, 415)}},
    {417, {413, 748, 418, 752}, {go({WORD_SOUTHEAST}, 413), go({WORD_NORTHWEST}, 418)}},
    {418, {417, 747, 419, 751}, {go({WORD_EAST}, 417), go({WORD_WEST}, 419)}},
    {419, {}, {go({WORD_NORTHEAST}, 418), go({WORD_SOUTH}, 420), go({WORD_WEST}, 425)}},
    {420, {}, {go({WORD_NORTH}, 419), go({WORD_SOUTH}, 421), go({WORD_WEST}, 423), go({WORD_NORTHWEST}, 424)}},
    {421, {420, 745, 422, 752}, {go({WORD_NORTH}, 420), go({WORD_NORTHWEST}, 422)}},
    {422, {421, 748, 423, 745}, {go({WORD_SOUTHEAST}, 421), go({WORD_NORTH}, 423)}},
    {423, {420, 747, 422, 749}, {go({WORD_EAST}, 420), go({WORD_SOUTH}, 422)}},
    {424, {420, 748, 425, 745}, {go({WORD_SOUTHEAST}, 420), go({WORD_NORTH}, 425)}},
    {425, {}, {go({WORD_EAST}, 419), go({WORD_SOUTH}, 424), go({WORD_NORTHWEST}, 426)}},
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
constexpr row CELL[] = {
    call(p448),
    moving(),
        member_rows(),
        group({WORD_PASSAGE, WORD_TUNNEL, 308}),
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
    group({156}),
        group({WORD_LOOK}),
            when(value_is(69, 0), reply(3488, arg(0))),
            reply(3488, arg(1)),
        end(),
        mark(),
    end(),
};

int opal_dead_end() {
    run<OPAL_SHELF>();
    if (loop) return 0;
    return cell<408>();
}

// --- The gateway (389) -------------------------------------------------------

// Place 389: gateway.
constexpr row GATEWAY[] = {
    call(p448),
    look(),
        reply({390, WORD_RAMP, WORD_DOWN}, 3080),
        reply({1054}, 2033, arg(1054)),
        ret(),
    end(),
    moving(),
        go({WORD_NORTHWEST}, 388),
        go({WORD_DOWN, WORD_EAST, 390, 673}, 390, 1589),
    end(),
    mark({390, WORD_RAMP, 1054}),
    // What is thrown from here slides down the ramp.
    land(390, 1683),
};

// --- The undercroft (390) ----------------------------------------------------

// Place 390: undercroft.
constexpr row UNDERCROFT[] = {
    call(p448),
    look(),
        reply({390, WORD_RAMP}, 3080),
        ret(),
    end(),
    // "Climb up" the ramp is a move (refused).
    when(has_word(WORD_CLIMB).AND(has_any_word({390, WORD_UP})), let(VAR_COMMAND_STATUS, 1)),
    moving(),
        go({WORD_SOUTH}, 394),
        go({WORD_NORTHWEST}, 397),
        reply({390, WORD_OUT, WORD_UP, WORD_NORTH, WORD_CLIMB}, 1590),
        call({WORD_TUNNEL, WORD_PASSAGE, 308}, p329, ref(394), ref(749), ref(397), ref(752)),
    end(),
    mark({390, WORD_RAMP}),
};

// --- The heart of the labyrinth (426) ----------------------------------------

// Place 426: heart of the labyrinth.
constexpr row HEART[] = {
    call(p448),
    // "Read" alone reads the writing.
    call(p185, ref(1018)),
    group({134, 1018, 74, 129, 30}),
        reply({WORD_LOOK, 798}, 2143, arg_of(VAR_ARG2)),
        reply({WORD_TAKE, 785, 808, 807, 800}, 2052),
    end(),
    look(),
        // Looking at the chamber is looking about.
        let({300}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        go({WORD_EAST, WORD_OUT, WORD_TUNNEL, WORD_PASSAGE, 308}, 425),
        go_held({WORD_MAGIC_TRAVEL_3}, 389, VAR_PASSAGE_TEXT),
        reply({300}, 1425),
    end(),
    mark({300, WORD_TUNNEL, WORD_PASSAGE, 308, 134, 129, 30}),
};

}  // namespace

int p412() { return cell<391>(); }
int p425() { return cell<392>(); }
int p426() { return cell<393>(); }
int p438() { return cell<394>(); }
int p439() { return cell<395>(); }
int p441() { return cell<396>(); }
int p442() { return cell<397>(); }
int p443() { return cell<398>(); }
int p444() { return cell<399>(); }
int p445() { return cell<400>(); }
int p446() { return cell<401>(); }
int p447() { return cell<402>(); }
int p413() { return cell<403>(); }
int p414() { return cell<404>(); }
int p415() { return cell<405>(); }
int p416() { return cell<406>(); }
int p417() { return cell<407>(); }
int p418() { return opal_dead_end(); }
int p419() { return cell<409>(); }
int p420() { return cell<410>(); }
int p421() { return cell<411>(); }
int p422() { return cell<412>(); }
int p423() { return cell<413>(); }
int p424() { return cell<414>(); }
int p427() { return cell<415>(); }
int p428() { return cell<416>(); }
int p429() { return cell<417>(); }
int p430() { return cell<418>(); }
int p431() { return cell<419>(); }
int p432() { return cell<420>(); }
int p433() { return cell<421>(); }
int p434() { return cell<422>(); }
int p435() { return cell<423>(); }
int p436() { return cell<424>(); }
int p437() { return cell<425>(); }
int p440() { return run<HEART>(); }
int p411() { return run<GATEWAY>(); }
int p780() { return run<UNDERCROFT>(); }
