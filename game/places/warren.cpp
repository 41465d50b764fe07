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
    {227, {}, {go({754}, 226), go({745}, 227), go({747}, 228), go({749}, 230), go({751}, 237)}},
    {228, {}, {go({751}, 227), go({749}, 229), go({747}, 230)}},
    {229, {}, {go({747}, 228), go({755}, 248), go({749}, 232), go({745}, 250)}},
    {230, {}, {go({751}, 227), go({745}, 228), go({747}, 241), go({749}, 244), go({754, 755}, 240)}},
    {231, {}, {go({747}, 232), go({751}, 233)}},
    {232, {}, {go({747}, 229), go({751}, 231), go({755}, 233), go({749}, 234)}},
    {233, {}, {go({751}, 231), go({754}, 232), go({747}, 234), go({749}, 235)}},
    {234, {}, {go({751}, 232), go({747}, 233), go({749}, 234), go({754}, 235), go({745}, 236), go({755}, 247)}},
    {235, {}, {go({751}, 233), go({745}, 234), go({749}, 242)}},
    {236, {}, {go({751}, 234), go({745}, 236), go({755}, 249), go({747}, 252)}},
    {237, {}, {go({745}, 227), go({751, 749}, 237), go({747}, 243)}},
    {238, {}, {go({749}, 252), go({747}, 239), go({751}, 246)}},
    {239, {}, {go({745}, 252), go({751}, 238), go({752}, 251)}},
    {240, {}, {go({754, 755}, 230)}},
    {241, {}, {go({758, 751}, 230)}},
    {242, {}, {go({758, 751}, 235)}},
    {243, {}, {go({751, 758}, 237)}},
    {244, {}, {go({758, 747}, 230)}},
    {245, {}, {go({758, 747}, 252)}},
    {246, {}, {go({758, 747}, 238)}},
    {247, {}, {go({758, 754}, 234)}},
    {248, {}, {go({758, 754}, 229)}},
    {249, {}, {go({758, 754}, 236)}},
    {250, {}, {go({758, 749}, 229)}},
    {251, {}, {go({748, 758}, 239)}},
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
        reply({900, 897}, 2903, arg_of(VAR_ARG2)),
        ret(),
    end(),
    // "Climb up" into the burrows needs no GO.
    group([] { return cond(keyword(848, 754, -1)).OR(has(WORD_GO)).OR(words() == 1); }),
        go({749, 754, 897, 848}, 227),
        go({747}, 212),
        go({751, 900, 901}, 253),
        go({745}, 212, 1501),
    end(),
    mark({901, 897, 900}),
};

// --- The warren chute (252) --------------------------------------------------

// Place 252: warren chute.
constexpr row WARREN_CHUTE[] = {
    look(),
        reply({755, 209}, 2478, arg(0)),
        reply({960, 15, 936}, 3128),
        reply({258}, 3129),
        ret(),
    end(),
    // Down, or climbing, into the crevice or the chute is a move.
    group([] { return cond(anyof(848, 755, -1)).AND(anyof(960, 15, -1)).OR(has(WORD_GO)).OR(words() == 1); }),
        go({755, 848}, 208),
        go({751}, 236),
        go({749}, 245),
        go({745}, 238),
        go({747}, 239),
    end(),
    reply({960}, 1403),
    mark({960, 15, 936, 258}),
    // What is thrown down here lands in the upper chamber.
    land(208, 1671),
};

// --- The side of the warren (253) --------------------------------------------

// Place 253: side of the warren.
constexpr row SIDE_OF_THE_WARREN[] = {
    look(),
        let({901}, VAR_COMMAND_STATUS, 1),
        reply({900, 893}, 2903, arg_of(VAR_ARG2)),
        ret(),
    end(),
    // "Crawl up" is a move.
    let(all({900, 754}), VAR_COMMAND_STATUS, 1),
    moving(),
        go({747, 754, 900}, 226),
        go({751, 901}, 254),
        go({745, 755, 893}, 255),
    end(),
    mark({901, 900, 893}),
};

// --- The tangle fork (254) ---------------------------------------------------

// Place 254: tangle fork.
constexpr row TANGLE_FORK[] = {
    look(),
        let({901}, VAR_COMMAND_STATUS, 1),
        reply({897, 898, 308}, 2908),
        ret(),
    end(),
    moving(),
        go({747, 901}, 253),
        go({745}, 255),
        go({749}, 362),
        reply({897, 898, 308}, 1297),
    end(),
    mark({897, 898, 308}),
};

// --- The four ways (255) -----------------------------------------------------

// Place 255: four ways.
constexpr row FOUR_WAYS[] = {
    look(),
        reply({897, 898, 308}, 2902, arg(897)),
        ret(),
    end(),
    moving(),
        go({751}, 253),
        go({745}, 256),
        go({747}, 221),
        go({749}, 254),
        reply({897, 898, 308}, 2904, arg(897)),
    end(),
    mark({897, 898, 308}),
};

// --- The blind crawl (256) ---------------------------------------------------

// Place 256: blind crawl.
constexpr row BLIND_CRAWL[] = {
    look(),
        reply({900}, 2903, arg(900)),
        ret(),
    end(),
    moving(),
        go({758, 900, 749}, 255),
    end(),
    mark({900}),
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
