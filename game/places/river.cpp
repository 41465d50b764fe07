// The river crossing: the passage from the edge gate down to the river,
// the two banks joined by the bridge of light (whose crossing counts the
// treasures carried, and kills whoever brings back more than went over),
// the stair and the cell above the far bank, the falls nook, and the stream
// run up to the stream head where the otter plays. Each place's procedure
// answers its feature words, moves the player along its exits and marks
// the words of its features for the last replies.
#include "game.h"

using namespace rows;

namespace {

// Every look at the floor, the walls or the ceiling of these places gets
// the same reply, naming the word typed.
constexpr row COMMON_LOOK = reply({WORD_FLOOR, WORD_WALL, PLACE_CEILING}, 3030, arg_of(VAR_ARG2));

// The words of the water and its banks, marked wherever the river runs.
constexpr row WATER_MARKS = mark({PLACE_FALLS_NOOK, WORD_STREAM, WORD_OUTCROP, WORD_CURRENT, WORD_RUSHES, WORD_SHORE,
                                  WORD_PEBBLES});

// Place 628: gate passage.
constexpr row GATE_PASSAGE[] = {
    look(),
        // A tunnel: no sky overhead.
        reply({WORD_UP, PLACE_CEILING, PLACE_WELL_HEAD}, 2019, arg(7)),
        COMMON_LOOK,
        reply({PLACE_CORRIDOR, WORD_PASSAGE, WORD_TUNNEL}, 2903, arg(WORD_PASSAGE)),
                reply({PLACE_WEST_END_OF_GALLERY, WORD_WATERS, OBJ_GATE}, 3032),
        ret(),
    end(),
    moving(),
        go({WORD_WEST, PLACE_WEST_END_OF_GALLERY, WORD_WATERS}, PLACE_EDGE_GATE, 2362),
        go({WORD_EAST}, PLACE_RIVER_PASSAGE),
        go({PLACE_CORRIDOR, WORD_PASSAGE, WORD_TUNNEL}, PLACE_RIVER_PASSAGE),
    end(),
    mark({PLACE_CORRIDOR, WORD_PASSAGE, WORD_TUNNEL, PLACE_WEST_END_OF_GALLERY, WORD_WATERS}),
};

// Place 629: river passage.
// The passage words lead on only after "go": on, away from where you came.
constexpr row RIVER_PASSAGE[] = {
    look(),
        COMMON_LOOK,
                reply({WORD_LIGHT, OBJ_GATE}, 3031),
        reply({WORD_STREAM}, 3262, arg(0)),
        let({PLACE_CORRIDOR, WORD_PASSAGE, WORD_TUNNEL}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        go({WORD_WEST}, PLACE_GATE_PASSAGE),
        go({WORD_EAST}, PLACE_PASSAGE_BEND),
        when(has_word(WORD_GO).AND(has_any_word({PLACE_CORRIDOR, WORD_PASSAGE, WORD_TUNNEL})),
             call(p329, ref(PLACE_GATE_PASSAGE), ref(WORD_WEST), ref(PLACE_PASSAGE_BEND), ref(WORD_EAST))),
    end(),
    mark({PLACE_CORRIDOR, WORD_PASSAGE, WORD_TUNNEL}),
};

// Place 630: passage bend.
constexpr row PASSAGE_BEND[] = {
    // Carrying the cask full of the right stuff past the bend is noted.
    when([] { return cond(carried(OBJ_VESSEL_LARGE)).AND(cond(value[OBJ_VESSEL_LARGE] == 3).OR(value[OBJ_VESSEL_LARGE] > 6)); },
         set_flag(VAR_GAME_FLAGS_3, 10)),
    look(),
        COMMON_LOOK,
                let({PLACE_CORRIDOR, WORD_PASSAGE, WORD_TUNNEL, WORD_BEND}, VAR_COMMAND_STATUS, 1),
        reply({WORD_STREAM}, 3262, arg(0)),
        reply({OBJ_GATE}, 3262, arg(1)),
        ret(),
    end(),
    moving(),
        go({WORD_WEST}, PLACE_RIVER_PASSAGE),
        go({WORD_NORTHEAST}, PLACE_NEAR_BANK),
        call({PLACE_CORRIDOR, WORD_PASSAGE, WORD_TUNNEL}, p329, ref(PLACE_RIVER_PASSAGE), ref(WORD_WEST),
             ref(PLACE_NEAR_BANK), ref(WORD_NORTHEAST)),
        reply({WORD_BEND}, 1425),
    end(),
    mark({PLACE_CORRIDOR, WORD_PASSAGE, WORD_TUNNEL}),
};

// Place 632: near bank.
// The near bank: north, "cross" or the bridge itself (and "back" after
// coming over from the far bank) is the crossing, which needs no "go".
constexpr row NEAR_BANK[] = {
    group({OBJ_BRIDGE}),
        put_here(OBJ_BRIDGE),
    end(),
    look(),
        reply({WORD_BANK}, 3245),
        COMMON_LOOK,
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2903, arg(WORD_PASSAGE)),
        reply({WORD_OPENING}, 2593, arg(WORD_OPENING)),
                reply({WORD_FORD}, 3056),
        reply({PLACE_PATH}, 3262, arg(2)),
        let({WORD_CAVERN}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    call({WORD_JUMP}, p724, num(1)),
    when(has_word(WORD_BACK).AND(value_is(VAR_THERE, PLACE_FAR_BANK)), rewrite_shown(WORD_BACK, WORD_NORTH)),
    call({WORD_NORTH, WORD_CROSS, WORD_THROW}, p75),
    moving(),
        go({WORD_SOUTHWEST, PLACE_CORRIDOR, WORD_PASSAGE, WORD_TUNNEL}, PLACE_PASSAGE_BEND),
        go({WORD_EAST, PLACE_FALLS_NOOK, WORD_STREAM, WORD_OUTCROP, WORD_UPSTREAM}, PLACE_FALLS_NOOK),
        call({OBJ_BRIDGE}, p75),
        reply({WORD_CAVERN}, 1425),
    end(),
    mark({WORD_FORD, WORD_OPENING, WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR, WORD_CAVERN}),
    WATER_MARKS,
};

// Place 631: far bank.
constexpr row FAR_BANK[] = {
    group({OBJ_BRIDGE}),
        put_here(OBJ_BRIDGE),
    end(),
    look(),
        reply({WORD_BANK}, 3245),
        COMMON_LOOK,
        reply({WORD_PASSAGE, PLACE_CORRIDOR, WORD_TUNNEL}, 2903, arg(WORD_PASSAGE)),
        reply({WORD_FORD}, 3056),
        ret(),
    end(),
    call({WORD_JUMP}, p724, num(1)),
    when(has_word(WORD_BACK).AND(value_is(VAR_THERE, PLACE_NEAR_BANK)), rewrite_shown(WORD_BACK, WORD_SOUTH)),
    call({WORD_SOUTH, WORD_CROSS, WORD_THROW}, p75),
    moving(),
        call({OBJ_BRIDGE}, p75),
        go({WORD_UP, WORD_NORTH, PLACE_CORRIDOR, WORD_TUNNEL, WORD_PASSAGE}, PLACE_BANK_STAIR),
        group({WORD_EAST, PLACE_FALLS_NOOK, WORD_STREAM, WORD_OUTCROP, WORD_UPSTREAM}),
            set_flag(PLACE_STREAM_RUN, 16),
            forced(PLACE_STREAM_RUN),
        end(),
    end(),
    mark({WORD_FORD, PLACE_CORRIDOR, WORD_PASSAGE, WORD_TUNNEL}),
    WATER_MARKS,
};

// Place 633: bank stair.
constexpr row BANK_STAIR[] = {
    look(),
        reply({WORD_DOWN}, 2753),
        COMMON_LOOK,
                let({PLACE_CORRIDOR, WORD_RAMP, WORD_PASSAGE, WORD_TUNNEL, PLACE_STAIRWAY}, VAR_COMMAND_STATUS, 1),
        reply({WORD_BANK}, 3262, arg(3)),
        reply({WORD_STREAM}, 3262, arg(4)),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTH, WORD_DOWN}, PLACE_FAR_BANK),
        go({WORD_NORTH, WORD_UP}, PLACE_UPPER_CELL),
        call({WORD_RAMP, PLACE_CORRIDOR, WORD_PASSAGE, WORD_TUNNEL}, p329, ref(PLACE_UPPER_CELL), ref(WORD_NORTH),
             ref(PLACE_FAR_BANK), ref(WORD_SOUTH)),
    end(),
    mark({WORD_RAMP, WORD_PASSAGE, PLACE_CORRIDOR, WORD_TUNNEL}),
};

// Place 634: upper cell.
constexpr row UPPER_CELL[] = {
    look(),
        COMMON_LOOK,
        reply({WORD_PASSAGE, PLACE_CORRIDOR, WORD_TUNNEL, WORD_OUT}, 2903, arg(WORD_PASSAGE)),
        group({OBJ_ALTAR}),
            when(value_is(OBJ_VASE, 0), say_as(SAY_STOP, OBJ_VASE, 0)),
            reply(3336),
        end(),
                let({WORD_CAVERN}, VAR_COMMAND_STATUS, 1),
        reply({WORD_STREAM}, 3262, arg(4)),
        ret(),
    end(),
    moving(),
        go({WORD_OUT, PLACE_CORRIDOR, WORD_PASSAGE, WORD_TUNNEL, WORD_SOUTH}, PLACE_BANK_STAIR),
        reply({WORD_CAVERN}, 1425),
    end(),
    mark({WORD_OUT, PLACE_CORRIDOR, WORD_PASSAGE, WORD_TUNNEL, OBJ_ALTAR}),
};

// k[0] marks the falls nook, a hollow by the falls; k[1] the stream run, a
// ledge.
constexpr int NOOK = 0, LEDGE = 1;

// Places 635: falls nook; 636: stream run; 637: upper stream run.
// The falls nook and the stream run below the stream head: the water's
// hazards, an object sent off into the river, and each place's own ways.
constexpr member STREAMSIDE[] = {
    {PLACE_FALLS_NOOK, {1},
     {go({WORD_WEST, PLACE_FALLS_NOOK, WORD_STREAM, WORD_OUTCROP, WORD_DOWNSTREAM}, PLACE_NEAR_BANK)}},
    {PLACE_STREAM_RUN, {0, 1},
     {group(has_any_word({PLACE_FALLS_NOOK, WORD_STREAM, WORD_OUTCROP}).AND(value_is(VAR_THERE,
                          PLACE_FAR_BANK)).OR(has_any_word({WORD_EAST, WORD_UPSTREAM}))),
                   set_flag(PLACE_UPPER_STREAM_RUN, 16),
                   forced(PLACE_UPPER_STREAM_RUN),
               end(),
               group(has_any_word({PLACE_FALLS_NOOK, WORD_STREAM,
                                   WORD_OUTCROP}).OR(has_any_word({WORD_WEST, WORD_DOWNSTREAM}))),
                   forced(PLACE_FAR_BANK),
               end()}},
    {PLACE_UPPER_STREAM_RUN, {},
     {go({WORD_EAST, WORD_UPSTREAM}, PLACE_STREAM_HEAD), go({WORD_WEST, WORD_DOWNSTREAM}, PLACE_STREAM_RUN),
               call({PLACE_FALLS_NOOK, WORD_STREAM, WORD_OUTCROP}, p329, ref(PLACE_STREAM_HEAD), ref(WORD_EAST),
                    ref(PLACE_STREAM_RUN), ref(WORD_WEST))}},
};

// Places 635: falls nook; 636: stream run; 637: upper stream run.
constexpr row STREAMSIDE_PLACE[] = {
    look(),
        COMMON_LOOK,
                member_group(NOOK),
            reply({WORD_NOOK, WORD_HOLLOW}, 1453),
            reply({WORD_POOL, WORD_SPRAY}, 2625, arg(0)),
            reply({WORD_BANK}, 3262, arg(5)),
        end(),
        member_group(LEDGE),
            reply({WORD_LEDGE}, 3245),
            reply({WORD_BANK}, 3262, arg(6)),
        end(),
        ret(),
    end(),
    call({WORD_JUMP}, p724, num(0)),
    call({WORD_THROW}, p75),
    moving(),
        member_rows(),
    end(),
    WATER_MARKS,
};

// Place 638: stream head.
constexpr row STREAM_HEAD[] = {
    call(p185, ref(OBJ_LETTERING)),
    look(),
                reply({WORD_POOL}, 1849, arg_of(VAR_ARG2)),
        // The stream head is the place: "head" is the walking word.
        let({WORD_GO}, VAR_COMMAND_STATUS, 1),
        COMMON_LOOK,
        reply({OBJ_LETTERING}, 2624, arg(WORD_READ)),
        when(has_word(OBJ_OTTER).AND(value_is(2624, 0)), let_variant(2624, 1)),
        group({PLACE_RUNE_DOOR, OBJ_MEDALLION}),
            tell(3283),
            reply(1266),
        end(),
        ret(),
    end(),
    when([] { return cond(has(WORD_DANCE)).AND(cond(words() == 1).OR(has(OBJ_OTTER))); }, reply(2547)),
    group({OBJ_OTTER}),
        mark(),
        ret(),
    end(),
    call({WORD_JUMP}, p724, num(0)),
    call({WORD_THROW}, p75),
    when([] { return cond(anyof(WORD_READ, WORD_TALK, -1)).AND(cond(has(OBJ_LETTERING)).OR(words() == 1)); },
         reply(2624, arg_of(VAR_ARG1))),
    group({OBJ_LETTERING}),
        mark(),
        ret(),
    end(),
    moving(),
        group(has_any_word({PLACE_FALLS_NOOK, WORD_STREAM,
                            WORD_OUTCROP}).OR(has_any_word({WORD_DOWNSTREAM, WORD_WEST, WORD_BACK}))),
            tell(2546),
            forced(PLACE_UPPER_STREAM_RUN),
        end(),
    end(),
    WATER_MARKS,
};

}  // namespace

int p109() { return run<GATE_PASSAGE>(); }
int p110() { return run<RIVER_PASSAGE>(); }
int p111() { return run<PASSAGE_BEND>(); }
int p112() { return run<NEAR_BANK>(); }
int p113() { return run<FAR_BANK>(); }
int p114() { return run<BANK_STAIR>(); }
int p115() { return run<UPPER_CELL>(); }
int p721() { return run_member<STREAMSIDE_PLACE, STREAMSIDE>(PLACE_FALLS_NOOK); }
int p725() { return run_member<STREAMSIDE_PLACE, STREAMSIDE>(PLACE_STREAM_RUN); }
int p117() { return run_member<STREAMSIDE_PLACE, STREAMSIDE>(PLACE_UPPER_STREAM_RUN); }
int p116() { return run<STREAM_HEAD>(); }
