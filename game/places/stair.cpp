// The rims of the abyss, the winding stair up from the timekeeper's room to
// the bronze doors of the hoard, the prowler's hoard with its gallery and
// ledge, the well head on the gallery's roof, and the timed stair up to the
// gatehouse and the yard beyond the gate. Each place's procedure answers
// its feature words, moves the player along its exits and marks the words
// of its features for the last replies; the rims ask before a leap, the
// doors, the trap and the gate bar their ways while they are shut, and the
// timed stair lets the player on only while the hourglass runs.
#include "game.h"

using namespace rows;

namespace {

// --- The two rims of the abyss (465, 466) ------------------------------------

// The west rim looks into the whirling cave, the other rim towards the lake.
constexpr int CAVE_SIDE = 0, LAKE_SIDE = 1;

// Places 465: west rim of the abyss; 466: rim.
constexpr member RIMS[] = {
    {PLACE_WEST_RIM_OF_ABYSS, {1, 0},
     {go({WORD_EAST, WORD_CROSS, PLACE_RIM}, PLACE_RIM),
      go({WORD_WEST, WORD_NORTH, WORD_SOUTH, WORD_NORTHWEST, WORD_SOUTHWEST}, PLACE_WHIRLING_CAVE)}},
    {PLACE_RIM, {0, 1},
     {go({WORD_WEST, WORD_CROSS, PLACE_RIM}, PLACE_WEST_RIM_OF_ABYSS),
      go({WORD_SOUTH, WORD_SOUTHEAST, WORD_EAST, PLACE_FAR_SHORE}, PLACE_FAR_SHORE)}},
};

cond_fold leaps_into_the_abyss() {
    return cond(has(WORD_JUMP)).AND(cond(anyof(WORD_DOWN, WORD_STREAM, WORD_GULLY, WORD_BRINK, -1)).OR(words() == 1));
}

// Places 465: west rim of the abyss; 466: rim.
constexpr row RIM[] = {
    look(),
        reply({WORD_LEDGE}, 3245),
        reply({WORD_DOWN, WORD_BRINK, WORD_GULLY}, 2041),
        reply({PLACE_RIM}, 2950),
        reply({PLACE_STREAMBED, WORD_STREAM}, 2953),
        reply({WORD_ECHO}, 1359),
        member_group(CAVE_SIDE),
            reply({WORD_HOLLOW}, 3513, arg(0)),
        end(),
        member_group(LAKE_SIDE),
            reply({WORD_SHORE, PLACE_FAR_SHORE}, 3513, arg(1)),
        end(),
        ret(),
    end(),
    when(leaps_into_the_abyss, death(1718)),
    moving(),
        member_rows(),
        // Over the edge: the player is asked first.
        group({WORD_DOWN, WORD_GULLY, WORD_BRINK, PLACE_STREAMBED}),
            let(VAR_QUESTION, Q_PLACES_465_466),
            reply(3225),
        end(),
    end(),
    mark({WORD_ECHO, PLACE_RIM, PLACE_STREAMBED}),
    mark_name({WORD_BRINK, WORD_GULLY}),
};

// --- The stair bottom (467) and the winding stair (468..471) -----------------

// "Climb the steps", "steps up" and the like are moves.
cond_fold climbs_the_steps_up() {
    return cond(cond(anyof(WORD_CLIMB, OBJ_STEPS, -1)).AND(has(WORD_UP))).OR(keyword(WORD_CLIMB, OBJ_STEPS, -1));
}

// Place 467: stair bottom.
constexpr row STAIR_BOTTOM[] = {
    look(),
        reply({WORD_WALL}, 3307),
        reply({OBJ_STEPS}, 2748),
        reply({WORD_ARCH, WORD_DOORWAY}, 3091),
        reply({WORD_LIGHT, WORD_LANDING}, 3134),
        ret(),
    end(),
    when(climbs_the_steps_up, let(VAR_COMMAND_STATUS, 1)),
    moving(),
        go({WORD_NORTH, WORD_OUT, WORD_DOORWAY, WORD_ARCH}, PLACE_TIMEKEEPERS_ROOM),
        group({WORD_UP, WORD_CLIMB, OBJ_STEPS, WORD_LANDING}),
            // The lodestone's needle will not be carried up this stair.
            when(object_carried(OBJ_HEADING), reply(2648)),
            forced(PLACE_WINDING_STAIR_468),
        end(),
    end(),
    mark({OBJ_STEPS, WORD_ARCH, WORD_DOORWAY, WORD_LANDING}),
};

// The cells of the winding stair differ in their look rows (the views from
// the lower and the upper loopholes, the stairway's own name), in whether
// "steps" with any word is a move, and in their exits, their blocked words,
// their marks and their landing, which are each cell's own rows.
constexpr int LOW_VIEW = 0, HIGH_VIEW = 1, STAIRWAY = 2, STEPS_ANYHOW = 3;

cond_fold counts_as_a_move() {
    const int up_or_down = this_member().k[STEPS_ANYHOW] ? anyof(WORD_UP, WORD_DOWN, OBJ_STEPS, -1) : anyof(WORD_UP,
                                       WORD_DOWN, -1);
    return cond(cond(anyof(WORD_CLIMB, OBJ_STEPS, -1)).AND(up_or_down)).OR(keyword(WORD_CLIMB, OBJ_STEPS, -1));
}
cond_fold steps_not_named() { return cond(!has(OBJ_STEPS)); }

// What is thrown from the lowest cell lands one place down, at the bottom.
int lands_one_below() {
    hold_ref(VAR_LANDING_PLACE, here() - 1);
    hold_ref(VAR_LANDING_TEXT, 1669);
    return 0;
}

// Places 468..469: winding stair; 470: stairway; 471: winding stair.
constexpr member WINDING_STAIR[] = {
    {PLACE_WINDING_STAIR_468, {0, 0, 0, 1},
     {moving(), go({WORD_DOWN}, PLACE_STAIR_BOTTOM), go({WORD_UP, WORD_CLIMB}, PLACE_WINDING_STAIR_469),
      call({OBJ_STEPS}, p329, ref(PLACE_STAIR_BOTTOM), ref(WORD_DOWN), ref(PLACE_WINDING_STAIR_469), ref(WORD_UP)),
      end(),
      step(lands_one_below)}},
    {PLACE_WINDING_STAIR_469, {1},
     {moving(), go({WORD_DOWN}, PLACE_WINDING_STAIR_468), go({WORD_UP, WORD_CLIMB}, PLACE_STAIRWAY),
      call({OBJ_STEPS}, p329, ref(PLACE_WINDING_STAIR_468), ref(WORD_DOWN), ref(PLACE_STAIRWAY), ref(WORD_UP)),
      reply({WORD_EMBRASURE, WORD_TERRACES, PLACE_FAR_SHORE, WORD_LOOPHOLE}, 2638), end(), when(steps_not_named,
            mark_name({WORD_LOOKOUT, WORD_EMBRASURE, WORD_TERRACES, PLACE_FAR_SHORE, WORD_LOOPHOLE})),
      land(PLACE_STAIR_BOTTOM, 1669)}},
    {PLACE_STAIRWAY, {0, 0, 1},
     {moving(), go({WORD_DOWN}, PLACE_WINDING_STAIR_469), go({WORD_UP, WORD_CLIMB}, PLACE_WINDING_STAIR_471),
      call({OBJ_STEPS}, p329, ref(PLACE_WINDING_STAIR_471), ref(WORD_UP), ref(PLACE_WINDING_STAIR_469), ref(WORD_DOWN)),
      reply({PLACE_STAIRWAY}, 1425), end(), mark({PLACE_STAIRWAY}), land(PLACE_STAIR_BOTTOM, 1669)}},
    {PLACE_WINDING_STAIR_471, {0, 1},
     {moving(), go({WORD_DOWN}, PLACE_STAIRWAY), go({WORD_UP, WORD_CLIMB}, PLACE_HOARD_DOOR),
      call({OBJ_STEPS}, p329, ref(PLACE_HOARD_DOOR), ref(WORD_UP), ref(PLACE_STAIRWAY), ref(WORD_DOWN)),
      reply({PLACE_FOOTBRIDGE, WORD_STREAM}, 2638), end(), when(steps_not_named,
            mark_name({WORD_LOOKOUT, PLACE_FOOTBRIDGE, WORD_STREAM})), land(PLACE_STAIRWAY, 1669)}},
};

// Places 468..469: winding stair; 470: stairway; 471: winding stair.
constexpr row WINDING_STAIR_CELL[] = {
    member_group(LOW_VIEW),
        call(p298),
    end(),
    member_group(HIGH_VIEW),
        call(p298),
    end(),
    look(),
        reply({WORD_WALL}, 3307),
        reply({OBJ_STEPS}, 2748),
        member_group(LOW_VIEW),
            reply({WORD_OUT, WORD_LOOKOUT, PLACE_FAR_SHORE, WORD_EMBRASURE, WORD_TERRACES, WORD_LOOPHOLE}, 3142,
                  arg(0)),
        end(),
        member_group(HIGH_VIEW),
            reply({WORD_OUT, WORD_LOOKOUT, PLACE_FOOTBRIDGE, WORD_STREAM, WORD_ARROWSLITS}, 3142, arg(1)),
            reply({OBJ_HOARD_DOORS, OBJ_DOOR}, 3513, arg(2)),
        end(),
        member_group(STAIRWAY),
            let({PLACE_STAIRWAY}, VAR_COMMAND_STATUS, 1),
        end(),
        ret(),
    end(),
    when(counts_as_a_move, let(VAR_COMMAND_STATUS, 1)),
    member_rows(),
    mark({OBJ_STEPS}),
};

template <int PLACE>
int winding_stair_cell() {
    return run_member<WINDING_STAIR_CELL, WINDING_STAIR>(PLACE);
}

// --- The hoard door (472), the hoard (473), its gallery (474) and ledge (476)

// The bronze doors: shut and barred (0), open (1), shut but unbarred (2).
cond_fold doors_shut() { return cond(value[OBJ_HOARD_DOORS] == 0); }
cond_fold doors_unbarred() { return cond(value[OBJ_HOARD_DOORS] == 2); }

cond_fold enters_by_the_doors() {
    return cond(cond(anyof(WORD_CLIMB, OBJ_STEPS, -1)).AND(anyof(WORD_UP, WORD_DOWN, -1)))
        .OR(keyword(WORD_CLIMB, OBJ_STEPS, -1))
        .OR(keyword(WORD_IN, OBJ_HOARD_DOORS, -1));
}

// The hourglass runs while its state is above 1.
cond_fold hourglass_running() { return cond(value[OBJ_HOURGLASS] > 1); }

// The ticking above the timed stair, which its description says: counting
// down (2), still before the doors ever slammed (0), still after (1). The
// place sets it on every command there, and the places below and above it
// on the way in, so that the description met on arrival tells the ticking
// of now and not of the last command given on the stair.
int ticking_above() {
    if (cond(hourglass_running()))
        set_variant(2627, 2);
    else if (cond(value[1720] < 1))
        set_variant(2627, 0);
    else
        set_variant(2627, 1);
    return 0;
}

// Place 472: hoard door.
constexpr row HOARD_DOOR[] = {
    call(p185, ref(OBJ_SIGN)),
    call(p297, ref(2103), ref(OBJ_SIGN)),
    rewrite(OBJ_DOOR, OBJ_HOARD_DOORS),
    look(),
        reply({WORD_WALL}, 3307),
        reply({OBJ_STEPS}, 2748),
        let({PLACE_STAIRWAY}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    group({OBJ_HOARD_DOORS}),
        // Knocking is the knock word's.
        ret({WORD_KNOCK}),
        group(doors_shut),
            reply({WORD_OPEN, WORD_BREAK}, 1895, arg_of(VAR_ARG2)),
            reply({WORD_CLOSE}, 2506, arg_of(VAR_ARG2)),
        end(),
        reply({WORD_UNLOCK}, 2508),
        when([] { return cond(!anyof(WORD_PUSH, WORD_PULL, WORD_OPEN, WORD_CLOSE, WORD_IN, -1)); }, reply(1403)),
    end(),
    when(enters_by_the_doors, let(VAR_COMMAND_STATUS, 1)),
    moving(),
        step(ticking_above),
        group({WORD_IN, WORD_EAST}),
            when(doors_shut, reply(2503, arg(WORD_EAST))),
            when(doors_unbarred, tell(2645)),
            let(OBJ_HOARD_DOORS, 1),
            let(PLACE_HOARD_DOOR, 1),
            forced(PLACE_HOARD),
        end(),
        go({WORD_UP, WORD_CLIMB}, PLACE_TIMED_STAIR),
        go({WORD_DOWN}, PLACE_WINDING_STAIR_471),
        call({OBJ_STEPS}, p329, ref(PLACE_WINDING_STAIR_471), ref(WORD_DOWN), ref(PLACE_TIMED_STAIR), ref(WORD_UP)),
        reply({PLACE_STAIRWAY}, 1425),
    end(),
    mark({OBJ_STEPS, PLACE_STAIRWAY, OBJ_HOARD_DOORS}),
    land(PLACE_STAIRWAY, 1669),
};

// Place 473: hoard.
constexpr row HOARD[] = {
    rewrite(OBJ_DOOR, OBJ_HOARD_DOORS),
    look(),
        reply({WORD_BONES}, 3513, arg(15)),
        reply({OBJ_VAULT_DOOR}, 3513, arg(7)),
        reply({PLACE_WEST_END_OF_GALLERY}, 3513, arg(8)),
        reply({WORD_LEDGE}, 3513, arg(9)),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 3062),
        reply({OBJ_HOARD_DOORS}, 3063),
        reply({PLACE_CEILING, WORD_UP}, 2019, arg(15)),
        reply({WORD_WALL}, 3064),
        ret(),
    end(),
    // Up the stair to the gallery, or by the outcrop to the ledge, whatever
    // else the command says.
    group({WORD_UP, WORD_CLIMB}),
        forced_if({WORD_OUTCROP}, PLACE_HOARD_LEDGE, 2459),
        when(has_word(OBJ_HANDLE).OR(word_count(1)), forced(PLACE_HOARD_GALLERY)),
    end(),
    group({WORD_OUTCROP}),
        mark(),
        ret(),
    end(),
    // "Go doors" is going out through them.
    group(all({WORD_GO, OBJ_HOARD_DOORS})),
        rewrite(OBJ_HOARD_DOORS, WORD_OUT),
    end(),
    moving(),
        group({WORD_OUT, WORD_WEST, PLACE_STAIRWAY}),
            when(doors_shut, reply(2503, arg(WORD_WEST))),
            let(OBJ_HOARD_DOORS, 1),
            let(PLACE_HOARD_DOOR, 1),
            forced(PLACE_HOARD_DOOR),
        end(),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}),
};

// The trap between the gallery and the well head: shut (0), open (1).
cond_fold trap_shut() { return cond(value[OBJ_TRAP] == 0); }
cond_fold trap_open() { return cond(value[OBJ_TRAP] == 1); }

// The gallery and the ledge above the hoard look alike: the roof, the walls,
// the empty heights and the hoard below.
constexpr row ABOVE_THE_HOARD[] = {
    reply({PLACE_CEILING, WORD_UP}, 2019, arg(16)),
    reply({WORD_WALL}, 3307),
    reply({PLACE_LADDER_TOP, WORD_BALCONY}, 3073),
    reply({WORD_DOWN}, 3244),
    reply({PLACE_HOARD}, 3513, arg(11)),
};

int look_above_the_hoard() { return run<ABOVE_THE_HOARD>(); }

// Place 474: hoard gallery.
constexpr row HOARD_GALLERY[] = {
    rewrite_shown(OBJ_DOOR, OBJ_TRAP),
    look(),
        reply({WORD_RUNGS}, 3513, arg(16)),
        reply({PLACE_WEST_END_OF_GALLERY}, 3513, arg(10)),
        reply({WORD_LEDGE}, 3513, arg(12)),
        call(look_above_the_hoard),
        ret(),
    end(),
    // "Go trap" is going out through it.
    group(all({WORD_GO, OBJ_TRAP})),
        rewrite(OBJ_TRAP, WORD_OUT),
    end(),
    let(all({WORD_CLIMB, WORD_OUTCROP}), VAR_COMMAND_STATUS, 1),
    moving(),
        go({WORD_CLIMB, WORD_DOWN}, PLACE_HOARD),
        go({WORD_WEST}, PLACE_HOARD_LEDGE),
        group({WORD_UP, WORD_OUT}),
            when(trap_shut, reply(1882)),
            forced(PLACE_WELL_HEAD, 2453),
        end(),
    end(),
    mark({PLACE_CEILING, PLACE_LADDER_TOP, WORD_BALCONY, WORD_OUTCROP}),
    // Let go of up here, things fall into the hoard.
    drop_to(PLACE_HOARD, 2540),
    land(PLACE_HOARD, 1674),
};

// Place 476: hoard ledge.
constexpr row HOARD_LEDGE[] = {
    clear_flag(PLACE_HEART_OF_THICKET, PFLAG_HINT_AVAILABLE),
    look(),
        reply({WORD_LEDGE}, 3245),
        reply({PLACE_WEST_END_OF_GALLERY}, 3513, arg(13)),
        reply({WORD_SMOKE}, 3513, arg(14)),
        call(look_above_the_hoard),
        ret(),
    end(),
    group({WORD_OUTCROP}),
        mark(),
        ret(),
    end(),
    reply({OBJ_DOOR}, 2209),
    moving(),
        go({WORD_CLIMB, WORD_DOWN}, PLACE_HOARD),
        go({WORD_EAST}, PLACE_HOARD_GALLERY),
    end(),
    group({PLACE_CEILING, PLACE_LADDER_TOP, WORD_BALCONY}),
        mark(),
        ret(),
    end(),
    drop_to(PLACE_HOARD, 2540),
    land(PLACE_HOARD, 1674),
};

// --- The well head (475) ------------------------------------------------------

cond_fold climbs_at_the_well_head() {
    return cond(has(WORD_CLIMB)).AND(cond(words() == 1).OR(anyof(WORD_DOWN, PLACE_EAST_THICKET, WORD_FLOOR, WORD_TRACK,
                                                -1)));
}
// With the trap open and the doors not shut, the well head is no place to
// climb about on.
cond_fold well_head_unsafe() { return cond(trap_open()).AND(!doors_shut()); }
cond_fold leaps_from_the_well_head() {
    return cond(cond(words() == 1).OR(anyof(WORD_DOWN, PLACE_EAST_THICKET, -1))).AND(has(WORD_JUMP));
}

// Where a thing thrown from the well head comes down among the thickets:
// one place further a third of the time, else one nearer half the time,
// and now and then three places nearer still.
int landing_among_the_thickets() {
    if (cond(irand(100) < 33))
        value[VAR_LANDING_PLACE] += 1;
    else if (cond(irand(100) < 50))
        value[VAR_LANDING_PLACE] -= 1;
    if (cond(irand(100) < 5)) value[VAR_LANDING_PLACE] -= 3;
    return 0;
}

// Place 475: well head.
constexpr row WELL_HEAD[] = {
    rewrite_shown(OBJ_DOOR, OBJ_TRAP),
    look(),
        reply({WORD_STAIRWELL}, 1849, arg_of(VAR_ARG2)),
        reply({PLACE_WELL_HEAD, WORD_GO}, 2532),
        reply({WORD_NAVE}, 2756),
        reply({WORD_DOWN, WORD_ROOTS, OBJ_LADDER}, 2647, arg(0)),
        reply({PLACE_EAST_THICKET}, 2647, arg(1)),
        reply({WORD_LEAVES, PLACE_PATH}, 2431, arg_of(VAR_ARG2)),
        reply({WORD_WATERS}, 2595),
        reply({WORD_LOOKOUT, WORD_SKYLINE}, 2993, arg_of(VAR_ARG2)),
        reply({WORD_FOREST}, 3180),
        reply({PLACE_FOOTBRIDGE, OBJ_GRILLE}, 2952, arg_of(VAR_ARG2)),
        reply({WORD_WINDLASS}, 3181),
        reply({PLACE_WOODSIDE}, 3182),
        reply({PLACE_ROAD}, 3183),
        ret(),
    end(),
    group(climbs_at_the_well_head),
        first(),
            group(well_head_unsafe),
                let(OBJ_HOARD_DOORS, 0),
                let(OBJ_TRAP, 0),
                tell(3389),
                forced_on(PLACE_SOUTH_THICKET),
                when(object_carried(OBJ_SCEPTRE), put(OBJ_SCEPTRE, PLACE_START)),
                call(p154),
            end(),
            call(p858),
        end(),
    end(),
    when(has_word(WORD_WAIT).AND(word_count(1)).AND(value_at_most(OBJ_HOURGLASS, 1)), reply(3392, arg_of(VAR_ARG1))),
    when(has_word(OBJ_TRAP).AND(has_any_word({WORD_GO, WORD_IN})), let(VAR_COMMAND_STATUS, 1)),
    group(leaps_from_the_well_head),
        forced_on(PLACE_SOUTH_THICKET),
        when(object_carried(OBJ_FUNNEL), let(OBJ_FUNNEL, 2)),
        tell(3348),
        call(p154),
    end(),
    moving(),
        when(has_word(WORD_BACK).AND(value_is(VAR_THERE, PLACE_SOUTH_THICKET)), call(p858)),
        group({WORD_IN, WORD_DOWN, OBJ_TRAP}),
            when(trap_open, forced(PLACE_HOARD_GALLERY, 2450)),
            reply({WORD_IN, OBJ_TRAP}, 1882),
            call(p858),
        end(),
        reply({WORD_WATERS, WORD_FOREST, OBJ_GRILLE, PLACE_PATH, WORD_LEAVES, PLACE_FOOTBRIDGE, WORD_WINDLASS}, 2638),
        reply({PLACE_ROAD, PLACE_WOODSIDE}, 2638),
        reply({PLACE_WELL_HEAD}, 1425),
    end(),
    land(PLACE_SOUTH_THICKET, 1668),
    step(landing_among_the_thickets),
    first(),
        mark_name({WORD_NAVE, WORD_WATERS, WORD_LOOKOUT, WORD_FOREST, WORD_LEAVES, PLACE_PATH, OBJ_GRILLE}),
        mark_name({PLACE_FOOTBRIDGE, WORD_WINDLASS, PLACE_ROAD, PLACE_WOODSIDE, WORD_SKYLINE}),
    end(),
};

// --- The timed stair (477), the gatehouse (478) and the yard (479) -----------

// "Steps" alone lead on, away from where the player came from.
cond_fold steps_alone() { return cond(has(OBJ_STEPS)).AND(!anyof(WORD_UP, WORD_DOWN, WORD_CLIMB, -1)); }

// The command is kept while the question is asked.
int keep_the_command() {
    input_store('S', &value[VAR_PROMPT_TEXT]);
    return 0;
}

// Place 477: timed stair.
constexpr row TIMED_STAIR[] = {
    call(p298),
    step(ticking_above),
    look(),
        reply({WORD_WALL}, 3307),
        reply({WORD_OUT, WORD_WATERS, WORD_CLIFF, WORD_LOOKOUT, WORD_ARROWSLITS}, 3142, arg(2)),
        reply({OBJ_STEPS}, 2748),
        reply({OBJ_DOOR, OBJ_HOARD_DOORS}, 3513, arg(3)),
        ret(),
    end(),
    when([] { return cond(cond(anyof(WORD_CLIMB, OBJ_STEPS, -1)).AND(anyof(WORD_UP, WORD_DOWN,
                                     -1))).OR(keyword(WORD_CLIMB,
                               OBJ_STEPS, -1)); },
         let(VAR_COMMAND_STATUS, 1)),
    moving(),
        group(steps_alone),
            first(),
                when(value_is(VAR_THERE, PLACE_HOARD_DOOR), let_ref(VAR_ARG1, WORD_UP)),
                let_ref(VAR_ARG1, WORD_DOWN),
            end(),
        end(),
        go({WORD_DOWN}, PLACE_HOARD_DOOR),
        group({WORD_UP, WORD_CLIMB, OBJ_STEPS}),
            first(),
                when(hourglass_running, forced(PLACE_GATEHOUSE)),
                // Twice thrown back already: the player is asked first.
                group(value_is(1720, 2)),
                    step(keep_the_command),
                    let(VAR_QUESTION, Q_PLACE_477),
                    reply(1721),
                end(),
                call(p763),
            end(),
        end(),
        reply({WORD_CLIFF, WORD_WATERS}, 2638),
    end(),
    mark({OBJ_STEPS}),
    when(steps_not_named, mark_name({WORD_CLIFF, WORD_WATERS, WORD_LOOKOUT})),
    land(PLACE_HOARD_DOOR, 1669),
};

// The gate: shut (0), open (1).
cond_fold gate_shut() { return cond(value[OBJ_GATE] == 0); }
cond_fold gate_open() { return cond(value[OBJ_GATE] == 1); }

// Place 478: gatehouse.
constexpr row GATEHOUSE[] = {
    call(p185, ref(OBJ_SIGN)),
    when(has_any_word({WORD_LABEL, OBJ_GLYPHS, OBJ_LETTERING, OBJ_CARVING,
                       OBJ_SIGN}).AND(has_any_word({WORD_READ, WORD_LOOK})),
         reply(2103)),
    rewrite(OBJ_DOOR, OBJ_GATE),
    group({WORD_BATTLEMENTS}),
        reply({WORD_LOOK, WORD_TAKE, WORD_PULL, WORD_PUSH, WORD_LIFT}, 2616),
        group(word_count(2)),
            mark(),
            ret(),
        end(),
    end(),
    look(),
        reply({WORD_WALL}, 3307),
        reply({OBJ_STEPS}, 2748),
        group({OBJ_GATE}),
            first(),
                when(value_is(VAR_PHASE, 5), let_variant(3301, 1)),
                let_variant(3301, 0),
            end(),
        end(),
        reply({PLACE_GATEHOUSE}, 3513, arg(4)),
        let({PLACE_STAIRWAY}, VAR_COMMAND_STATUS, 1),
        // The idol and the arrow slits are seen only through the open gate.
        group({OBJ_IDOL, WORD_ARROWSLITS}),
            first(),
                when(gate_shut, reply(1319, arg_of(VAR_ARG2))),
                reply(3124),
            end(),
        end(),
        ret(),
    end(),
    let(all({WORD_IN, OBJ_GATE}), VAR_COMMAND_STATUS, 1),
    moving(),
        step(ticking_above),
        group({WORD_EAST, WORD_IN}),
            when(gate_shut, reply(2503, arg(WORD_EAST))),
            forced(PLACE_YARD),
        end(),
        go({WORD_DOWN, OBJ_STEPS}, PLACE_TIMED_STAIR),
        reply({PLACE_STAIRWAY}, 1425),
    end(),
    first(),
        when(gate_open, mark_name({OBJ_IDOL, WORD_ARROWSLITS})),
        mark({OBJ_STEPS}),
    end(),
    land(PLACE_HOARD_DOOR, 1669),
};

// Place 479: yard beyond the gate.
constexpr row YARD[] = {
    rewrite(OBJ_DOOR, OBJ_GATE),
    reply({WORD_ARROWSLITS}, 2610),
    look(),
        reply({WORD_SKY}, 2029),
        reply({PLACE_YARD}, 3513, arg(6)),
        reply({PLACE_GATEHOUSE}, 3513, arg(5)),
        reply({PLACE_CEILING, WORD_UP}, 2019, arg(16)),
        reply({PLACE_LADDER_TOP, WORD_BALCONY}, 3073),
        reply({OBJ_JEWEL}, 2635),
        reply({WORD_BATTLEMENTS}, 2618),
        reply({OBJ_IDOL}, 2617),
        reply({WORD_WALL}, 3307),
        reply({WORD_WINDOW, WORD_FOREST}, 2615),
        group({PLACE_STAIRWAY}),
            first(),
                when(gate_shut, reply(3099, arg(0))),
                reply(3099, arg(1)),
            end(),
        end(),
        group({OBJ_GATE}),
            let_variant(3301, 1),
        end(),
        ret(),
    end(),
    group({WORD_TAKE}),
        reply({OBJ_KNOCKER}, 3305),
        when([] { return cond(has(OBJ_JEWEL)).AND(!lies_here(OBJ_JEWEL)); }, reply(3306)),
    end(),
    when(has_any_word({WORD_PULL, WORD_PUSH}).AND(has_any_word({OBJ_JEWEL, OBJ_KNOCKER})), reply(2803)),
    group({OBJ_JEWEL}),
        // "Use" the jewel on the gate is knocking with it.
        group({WORD_USE}),
            let_ref(VAR_ARG1, WORD_KNOCK),
            let(VAR_COMMAND_STATUS, 1),
            ret(),
        end(),
        group(object_not_near(OBJ_JEWEL)),
            mark(),
            ret(),
        end(),
    end(),
    reply({OBJ_IDOL}, 1885, arg_of(VAR_ARG2)),
    reply({WORD_BATTLEMENTS}, 1885, arg(WORD_BATTLEMENTS)),
    let(all({WORD_OUT, OBJ_GATE}), VAR_COMMAND_STATUS, 1),
    moving(),
        group({WORD_OUT, WORD_WEST, PLACE_STAIRWAY}),
            when(gate_shut, reply(2503, arg(WORD_WEST))),
            forced(PLACE_GATEHOUSE),
        end(),
    end(),
    first(),
        when(gate_open, mark_name({PLACE_STAIRWAY, WORD_BATTLEMENTS})),
        mark({OBJ_IDOL, WORD_WINDOW, WORD_FOREST}),
    end(),
};

}  // namespace

int p107() { return run_member<RIM, RIMS>(PLACE_WEST_RIM_OF_ABYSS); }
int p106() { return run_member<RIM, RIMS>(PLACE_RIM); }
int p857() { return run<STAIR_BOTTOM>(); }
int p860() { return winding_stair_cell<PLACE_WINDING_STAIR_468>(); }
int p859() { return winding_stair_cell<PLACE_WINDING_STAIR_469>(); }
int p523() { return winding_stair_cell<PLACE_STAIRWAY>(); }
int p864() { return winding_stair_cell<PLACE_WINDING_STAIR_471>(); }
int p863() { return run<HOARD_DOOR>(); }
int p811() { return run<HOARD>(); }
int p774() { return run<HOARD_GALLERY>(); }
int p731() { return run<WELL_HEAD>(); }
int p775() { return run<HOARD_LEDGE>(); }
int p862() { return run<TIMED_STAIR>(); }
int p861() { return run<GATEHOUSE>(); }
int p248() { return run<YARD>(); }
