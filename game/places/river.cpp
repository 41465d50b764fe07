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
constexpr row COMMON_LOOK = reply({WORD_FLOOR, WORD_WALL, 376}, 3030, arg_of(VAR_ARG2));

// The words of the water and its banks, marked wherever the river runs.
constexpr row WATER_MARKS = mark({635, WORD_STREAM, 913, 1064, 996, 1002, 1010});

// Place 628: gate passage.
constexpr row GATE_PASSAGE[] = {
    look(),
        // A tunnel: no sky overhead.
        reply({WORD_UP, 376, 475}, 2019, arg(7)),
        COMMON_LOOK,
        reply({308, WORD_PASSAGE, WORD_TUNNEL}, 2903, arg(897)),
        reply({439, WORD_WATERS}, 3032),
        ret(),
    end(),
    moving(),
        go({WORD_WEST, 439, WORD_WATERS}, 626, 2362),
        go({WORD_EAST}, 629),
        go({308, WORD_PASSAGE, WORD_TUNNEL}, 629),
    end(),
    mark({308, WORD_PASSAGE, WORD_TUNNEL, 439, WORD_WATERS}),
};

// Place 629: river passage.
// The passage words lead on only after "go": on, away from where you came.
constexpr row RIVER_PASSAGE[] = {
    look(),
        COMMON_LOOK,
        reply({WORD_LIGHT}, 3031),
        let({308, WORD_PASSAGE, WORD_TUNNEL}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        go({WORD_WEST}, 628),
        go({WORD_EAST}, 630),
        when(has_word(WORD_GO).AND(has_any_word({308, WORD_PASSAGE, WORD_TUNNEL})),
             call(p329, ref(628), ref(751), ref(630), ref(747))),
    end(),
    mark({308, WORD_PASSAGE, WORD_TUNNEL}),
};

// Place 630: passage bend.
constexpr row PASSAGE_BEND[] = {
    // Carrying the cask full of the right stuff past the bend is noted.
    when([] { return cond(carried(OBJ_VESSEL_LARGE)).AND(cond(value[OBJ_VESSEL_LARGE] == 3).OR(value[OBJ_VESSEL_LARGE] > 6)); },
         set_flag(VAR_GAME_FLAGS_3, 10)),
    look(),
        COMMON_LOOK,
        let({308, WORD_PASSAGE, WORD_TUNNEL, 1017}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        go({WORD_WEST}, 629),
        go({WORD_NORTHEAST}, 632),
        call({308, WORD_PASSAGE, WORD_TUNNEL}, p329, ref(629), ref(751), ref(632), ref(746)),
        reply({1017}, 1425),
    end(),
    mark({308, WORD_PASSAGE, WORD_TUNNEL}),
};

// Place 632: near bank.
// The near bank: north, "cross" or the bridge itself (and "back" after
// coming over from the far bank) is the crossing, which needs no "go".
constexpr row NEAR_BANK[] = {
    group({11}),
        put_here(11),
    end(),
    look(),
        reply({927}, 3245),
        COMMON_LOOK,
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2903, arg(897)),
        reply({WORD_OPENING}, 2593, arg(902)),
        reply({1063}, 3056),
        let({889}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    call({762}, p724, num(1)),
    when(has_word(WORD_BACK).AND(value_is(VAR_THERE, 631)), rewrite_shown(WORD_BACK, WORD_NORTH)),
    call({WORD_NORTH, WORD_CROSS, 793}, p75),
    moving(),
        go({WORD_SOUTHWEST, 308, WORD_PASSAGE, WORD_TUNNEL}, 630),
        go({WORD_EAST, 635, WORD_STREAM, 913, 849}, 635),
        call({11}, p75),
        reply({889}, 1425),
    end(),
    mark({1063, WORD_OPENING, WORD_PASSAGE, WORD_TUNNEL, 308, 889}),
    WATER_MARKS,
};

// Place 631: far bank.
constexpr row FAR_BANK[] = {
    group({11}),
        put_here(11),
    end(),
    look(),
        reply({927}, 3245),
        COMMON_LOOK,
        reply({WORD_PASSAGE, 308, WORD_TUNNEL}, 2903, arg(897)),
        reply({1063}, 3056),
        ret(),
    end(),
    call({762}, p724, num(1)),
    when(has_word(WORD_BACK).AND(value_is(VAR_THERE, 632)), rewrite_shown(WORD_BACK, WORD_SOUTH)),
    call({WORD_SOUTH, WORD_CROSS, 793}, p75),
    moving(),
        call({11}, p75),
        go({WORD_UP, WORD_NORTH, 308, WORD_TUNNEL, WORD_PASSAGE}, 633),
        group({WORD_EAST, 635, WORD_STREAM, 913, 849}),
            set_flag(636, 16),
            forced(636),
        end(),
    end(),
    mark({1063, 308, WORD_PASSAGE, WORD_TUNNEL}),
    WATER_MARKS,
};

// Place 633: bank stair.
constexpr row BANK_STAIR[] = {
    look(),
        reply({WORD_DOWN}, 2753),
        COMMON_LOOK,
        let({308, WORD_RAMP, WORD_PASSAGE, WORD_TUNNEL}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTH, WORD_DOWN}, 631),
        go({WORD_NORTH, WORD_UP}, 634),
        call({WORD_RAMP, 308, WORD_PASSAGE, WORD_TUNNEL}, p329, ref(634), ref(745), ref(631), ref(749)),
    end(),
    mark({WORD_RAMP, WORD_PASSAGE, 308, WORD_TUNNEL}),
};

// Place 634: upper cell.
constexpr row UPPER_CELL[] = {
    look(),
        COMMON_LOOK,
        reply({WORD_PASSAGE, 308, WORD_TUNNEL, WORD_OUT}, 2903, arg(897)),
        group({156}),
            when(value_is(144, 0), say_as(SAY_STOP, 144, 0)),
            reply(3336),
        end(),
        let({889}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        go({WORD_OUT, 308, WORD_PASSAGE, WORD_TUNNEL, WORD_SOUTH}, 633),
        reply({889}, 1425),
    end(),
    mark({WORD_OUT, 308, WORD_PASSAGE, WORD_TUNNEL, 156}),
};

// k[0] marks the falls nook, a hollow by the falls; k[1] the stream run, a
// ledge.
constexpr int NOOK = 0, LEDGE = 1;

// Places 635: falls nook; 636: stream run; 637: upper stream run.
// The falls nook and the stream run below the stream head: the water's
// hazards, an object sent off into the river, and each place's own ways.
constexpr member STREAMSIDE[] = {
    {635, {1}, {go({WORD_WEST, 635, WORD_STREAM, 913, 850}, 632)}},
    {636, {0, 1}, {group(has_any_word({635, WORD_STREAM, 913}).AND(value_is(VAR_THERE, 631)).OR(has_any_word({WORD_EAST, 849}))),
                   set_flag(637, 16),
                   forced(637),
               end(),
               group(has_any_word({635, WORD_STREAM, 913}).OR(has_any_word({WORD_WEST, 850}))),
                   forced(631),
               end()}},
    {637, {}, {go({WORD_EAST, 849}, 638), go({WORD_WEST, 850}, 636),
               call({635, WORD_STREAM, 913}, p329, ref(638), ref(747), ref(636), ref(751))}},
};

// Places 635: falls nook; 636: stream run; 637: upper stream run.
constexpr row STREAMSIDE_PLACE[] = {
    look(),
        COMMON_LOOK,
        member_group(NOOK),
            reply({932, 1003}, 1453),
            reply({962, 956}, 2625, arg(0)),
        end(),
        member_group(LEDGE), reply({999}, 3245), end(),
        ret(),
    end(),
    call({762}, p724, num(0)),
    call({793}, p75),
    moving(),
        member_rows(),
    end(),
    WATER_MARKS,
};

// Place 638: stream head.
constexpr row STREAM_HEAD[] = {
    call(p185, ref(74)),
    look(),
        reply({962}, 1849, arg_of(VAR_ARG2)),
        COMMON_LOOK,
        reply({74}, 2624, arg(798)),
        when(has_word(159).AND(value_is(2624, 0)), let_variant(2624, 1)),
        group({575, 111}),
            tell(3283),
            reply(1266),
        end(),
        ret(),
    end(),
    when([] { return cond(has(811)).AND(cond(words() == 1).OR(has(159))); }, reply(2547)),
    group({159}),
        mark(),
        ret(),
    end(),
    call({762}, p724, num(0)),
    call({793}, p75),
    when([] { return cond(anyof(798, 774, -1)).AND(cond(has(74)).OR(words() == 1)); }, reply(2624, arg_of(VAR_ARG1))),
    group({74}),
        mark(),
        ret(),
    end(),
    moving(),
        group(has_any_word({635, WORD_STREAM, 913}).OR(has_any_word({850, WORD_WEST, WORD_BACK}))),
            tell(2546),
            forced(637),
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
int p721() { return run_member<STREAMSIDE_PLACE, STREAMSIDE>(635); }
int p725() { return run_member<STREAMSIDE_PLACE, STREAMSIDE>(636); }
int p117() { return run_member<STREAMSIDE_PLACE, STREAMSIDE>(637); }
int p116() { return run<STREAM_HEAD>(); }
