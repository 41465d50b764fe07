// The look word: the chain head that runs its sixteen chunks in order,
// and the first chunk, which describes the place when the word stands
// alone and answers the features that several places share.
#include "game.h"

using namespace rows;

namespace {

// Variable 1220 counts the looks made right after a move; the 25th says a
// remark once, and the counter is parked where it can never reach 25 again.

int look_alone() {
    p188(num(1));
    if (loop) return 1;
    bitmod('s', here(), PFLAG_VISITED);
    if (cond(value[VAR_LOOK_COUNTER] == 25)) {
        value[VAR_LOOK_COUNTER] = 100;
        say_stop(3360);
        return 1;
    }
    if (cond(bitest(VAR_QUESTION, VFLAG_QUESTION_ARRIVED))) value[VAR_LOOK_COUNTER]++;
    loop = 1;
    return 1;
}

// The look word's own named word hands over to that word's procedure.
int second_word_proc() {
    call_proc(arg2());
    return 0;
}

// The ways out of a grid place: how many are open, and which.
int grid_ways() {
    if (cond(here_has(PFLAG_SHIFTING_EXITS))) {
        p534(num(0));
        if (loop) return 1;
        set('T', 3004, 'c', here() - PLACE_DUNES_594, nullptr, nullptr);
        if (cond(here() == PLACE_DUNES_596).OR(here() == PLACE_DUNES_597).OR(here() == PLACE_DUNES_601).OR(here() == PLACE_DUNES_607).OR(here() == PLACE_DUNES_610))
            say(SAY_ARG | SAY_ARGVAR, 3003, VAR_RESULT);
        else
            say(SAY_ARG | SAY_ARGVAR, 3005, VAR_RESULT);
        if (cond(value[VAR_RESULT] == 0)) {
            say_stop(1266);
            return 1;
        }
        p534(var(VAR_RESULT));
        if (loop) return 1;
        say(0, 3208, 0);
        say_stop(1266);
        return 1;
    }
    if (cond(here() == PLACE_ABYSS_EDGE))
        say_stop_variant(3009, 0);
    else if (cond(here() == PLACE_DUNE_EDGE_623))
        say_stop_variant(3009, 1);
    else if (cond(here() == PLACE_EDGE_GATE))
        say_stop_variant(3009, 2);
    else
        say_stop(3008);
    return 1;
}

cond_fold open_sky() { return cond(here_has(7)).AND(!here_has(18)); }
cond_fold here_in(int lo, int hi) { return cond(within(here(), lo, hi)); }

constexpr row LOOK_FIRST[] = {
    reply({WORD_AROUND}, 2819),
    reply({WORD_FLOOR}, 2716, arg_of(VAR_ARG2)),
    reply({WORD_STONE}, 2896, arg_of(VAR_ARG2)),
    when([] { return cond(within(arg2(), 744, 753)); }, reply(2703, arg_of(VAR_ARG2))),
    group({OBJ_MARKS}),
        first(),
            when(object_near(OBJ_GONG), reply(3358, arg_of(OBJ_GONG))),
            when(object_near(OBJ_SCEPTRE), reply(3358, arg_of(OBJ_SCEPTRE))),
        end(),
    end(),
    when([] { return here_in(PLACE_ALDER_WOOD, PLACE_SOUTHERN_HEATH); }, reply({PLACE_VALLEY}, 2683)),
    when(object_near(OBJ_LIGHT_SOURCE), reply({WORD_CHIMNEY}, 1722)),
    reply({WORD_ROCK}, 2709),
    group({WORD_SKY}),
        first(),
            when([] { return here_in(PLACE_NORTH_RIM, PLACE_LOOKOUT_POINT); }, reply(2686, arg(4))),
            when(here_is(PLACE_CHANGING_ROOM), reply(2686, arg_of(PLACE_CHANGING_ROOM))),
        end(),
    end(),
    group({WORD_VIEW}),
        first(),
            when([] { return here_in(PLACE_NORTH_RIM, PLACE_LOOKOUT_POINT); }, reply(2685, arg(0))),
            when(here_is(PLACE_CHANGING_ROOM).AND(value_is(PLACE_CHANGING_ROOM, 2)), reply(2685, arg(1))),
            when(here_is(PLACE_CHANGING_ROOM).AND(value_is(PLACE_CHANGING_ROOM, 3)), reply(2685, arg(2))),
            when(here_is(PLACE_CHANGING_ROOM), otherwise()), end(),  // no view of it in this state
            when(here_is(PLACE_HIGH_LEDGE).OR(here_is(PLACE_BLUFF_PATH)), reply(2684, arg(1))),
            when(here_is(PLACE_MIRE).OR(here_is(PLACE_SUNKEN_WAY)).OR(here_is(PLACE_HOLLOW_WAY)), reply(2684, arg(2))),
            when([] {
                     const int h = here();
                     return cond(h == PLACE_DESCENT).OR(h == PLACE_DOOR_APPROACH).OR(h == PLACE_HEAD_OF_FALLS).OR(h == PLACE_FOOT_OF_FALLS).OR(h == PLACE_MIDDLE_OF_FALLS).OR(h == PLACE_SHRINE_LANDING)
                         .OR(h == PLACE_NEAR_END_OF_SNAG).OR(h == PLACE_FAR_END_OF_SNAG);
                 },
                 reply(2690, arg(WORD_VIEW))),
            when(open_sky, reply(2684, arg(0))),
        end(),
    end(),
    group({WORD_CAVERN}),
        first(),
            when([] {
                     const int h = here();
                     return cond(here_has(7)).AND(h != PLACE_DELL).AND(h != PLACE_GALLERY_STEPS).AND(h != PLACE_CHANGING_ROOM).AND(h != PLACE_LOOKOUT_POINT);
                 },
                 reply(1319, arg(WORD_CAVERN))),
            otherwise(), reply(2678), end(),
        end(),
    end(),
    group({PLACE_CEILING, PLACE_WELL_HEAD, WORD_UP}),
        first(),
            when([] { return cond(here_in(PLACE_LONG_CORRIDOR_642,
                                          PLACE_LONG_CORRIDOR_648)).OR(here_in(PLACE_HONEYCOMB_651, PLACE_LEDGER_CELL)); },
                 reply(2019, arg(19))),
            when([] { return here_in(PLACE_LABYRINTH_391, PLACE_HEART_OF_LABYRINTH); }, reply(2019, arg(11))),
            when(open_sky, reply(3422)),
            otherwise(), reply(2033, arg_of(PLACE_CEILING)), end(),
        end(),
    end(),
    step({WORD_ECHO, OBJ_TRAPDOOR, WORD_INTRO}, second_word_proc),
    group([] { return cond(here_in(PLACE_FAR_BANK, PLACE_NEAR_BANK)).OR(here_in(PLACE_FALLS_NOOK,
                                   PLACE_STREAM_HEAD)); }),
        first(),
            reply({PLACE_FALLS_NOOK, WORD_STREAM}, 2625, arg(0)),
            reply({WORD_OUTCROP}, 2625, arg(1)),
            reply({OBJ_LIQUID_1, WORD_STREAM}, 2625, arg(2)),
            reply({WORD_CURRENT}, 2625, arg(3)),
            reply({WORD_RUSHES, WORD_SHORE, WORD_PEBBLES}, 2625, arg(4)),
        end(),
    end(),
    first(),
        group(open_sky),
            reply({WORD_UP}, 2476, arg(1)),
            reply({WORD_SKY}, 2029),
        end(),
        otherwise(),
            reply({WORD_UP}, 2476, arg(0)),
            reply({WORD_SKY}, 1319, arg(WORD_SKY)),
        end(),
    end(),
    reply({WORD_DOWN}, 2477),
    call({OBJ_INCENSE, OBJ_TORCH, OBJ_FUSE}, p127),
    when(object_near(OBJ_CLOTH), call({OBJ_MARKS, OBJ_CLOTH}, p703)),
    group({OBJ_SIGN, OBJ_MARKS, OBJ_SPRITE, OBJ_LETTERING, OBJ_PLAQUE, OBJ_TABLET}),
        call_word(WORD_READ),
        stop(),
    end(),
    when(here_is(PLACE_HOARD).OR(here_is(PLACE_HOARD_GALLERY)).OR(here_is(PLACE_HOARD_LEDGE)),
         reply({WORD_OUTCROP}, 2451)),
    when([] { return cond(isnear(OBJ_VESSEL_LARGE, 0, 6)); }, group({OBJ_LIQUID_4})),
        say_as(SAY_DETAIL, OBJ_LIQUID_4, 0),
        stop(),
    end(),
    when(object_near(OBJ_FUNNEL), reply({WORD_SPOUT}, 2824)),
    group({WORD_EXITS}),
        first(),
            group([] { return cond(here_in(PLACE_NORTH_RIM,
                                           PLACE_LOOKOUT_POINT)).AND(here() != PLACE_EDGE_OF_SANDS); }), step(grid_ways), end(),
            otherwise(), reply(1319, arg(WORD_EXITS)), end(),
        end(),
    end(),
    reply({WORD_DUST}, 3465),
    when([] {
             const int h = here();
             return cond(h == PLACE_STAIRHEAD).OR(h == PLACE_BRINK_OF_DROP).OR(h == PLACE_LOWER_LEDGE).OR(h == PLACE_STAIR_SHAFT).OR(h == PLACE_HOARD).OR(h == PLACE_HOARD_GALLERY)
                 .OR(h == PLACE_WELL_HEAD).OR(h == PLACE_IRON_DOOR).OR(h == PLACE_WATCHPOST).OR(near(OBJ_WAND)).OR(near(OBJ_ROD)).OR(near(OBJ_MEDALLION));
         },
         reply({WORD_FITTING}, 3088)),
    when(object_near(OBJ_LIGHT_SOURCE).AND(object_not_near(OBJ_LIGHT_REFILL)), reply({OBJ_LIGHT_REFILL}, 3466)),
};

}  // namespace

// Word 822 ("look") (chain head): the sixteen parts of looking, the place first, then the things
// named.
int p274() {
    return run_chain({p275, p276, p277, p278, p279, p280, p281, p282, p283, p284, p285, p286, p287, p288, p289, p290});
}

// Chain part of p274 (word 822 ("look")), part 1 of 16: first chunk.
int p275() {
    if (cond(words() == 1)) {
        look_alone();
        return 0;
    }
    return run<LOOK_FIRST>();
}
