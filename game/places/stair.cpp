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

// Places 465: west rim of the abyss; 466: rim.
constexpr member RIMS[] = {
    {465, {}, {go({WORD_EAST, WORD_CROSS, 466}, 466), go({WORD_WEST, WORD_NORTH, WORD_SOUTH, WORD_NORTHWEST, WORD_SOUTHWEST}, 515)}},
    {466, {}, {go({WORD_WEST, WORD_CROSS, 466}, 465), go({WORD_SOUTH, WORD_SOUTHEAST, WORD_EAST, 298}, 298)}},
};

cond_fold leaps_into_the_abyss() {
    return cond(has(762)).AND(cond(anyof(WORD_DOWN, WORD_STREAM, 919, 980, -1)).OR(words() == 1));
}

// Places 465: west rim of the abyss; 466: rim.
constexpr row RIM[] = {
    look(),
        reply({999}, 3245),
        reply({WORD_DOWN, 980, 919}, 2041),
        reply({466}, 2950),
        reply({202, WORD_STREAM}, 2953),
        reply({WORD_ECHO}, 1359),
        ret(),
    end(),
    when(leaps_into_the_abyss, death(1718)),
    moving(),
        member_rows(),
        // Over the edge: the player is asked first.
        group({WORD_DOWN, 919, 980, 202}),
            let(VAR_QUESTION, Q_PLACES_465_466),
            reply(3225),
        end(),
    end(),
    mark({WORD_ECHO, 466, 202}),
    mark_name({980, 919}),
};

// --- The stair bottom (467) and the winding stair (468..471) -----------------

// "Climb the steps", "steps up" and the like are moves.
cond_fold climbs_the_steps_up() {
    return cond(cond(anyof(WORD_CLIMB, 7, -1)).AND(has(WORD_UP))).OR(keyword(WORD_CLIMB, 7, -1));
}

// Place 467: stair bottom.
constexpr row STAIR_BOTTOM[] = {
    look(),
        reply({WORD_WALL}, 3307),
        reply({7}, 2748),
        reply({1054, 966}, 3091),
        reply({WORD_LIGHT, 1052}, 3134),
        ret(),
    end(),
    when(climbs_the_steps_up, let(VAR_COMMAND_STATUS, 1)),
    moving(),
        go({WORD_NORTH, WORD_OUT, 966, 1054}, 491),
        group({WORD_UP, WORD_CLIMB, 7, 1052}),
            // The lodestone's needle will not be carried up this stair.
            when(object_carried(OBJ_HEADING), reply(2648)),
            forced(468),
        end(),
    end(),
    mark({7, 1054, 966, 1052}),
};

// The cells of the winding stair differ in their look rows (the views from
// the lower and the upper loopholes, the stairway's own name), in whether
// "steps" with any word is a move, and in their exits, their blocked words,
// their marks and their landing, which are each cell's own rows.
constexpr int LOW_VIEW = 0, HIGH_VIEW = 1, STAIRWAY = 2, STEPS_ANYHOW = 3;

cond_fold counts_as_a_move() {
    const int up_or_down = this_member().k[STEPS_ANYHOW] ? anyof(WORD_UP, WORD_DOWN, 7, -1) : anyof(WORD_UP, WORD_DOWN, -1);
    return cond(cond(anyof(WORD_CLIMB, 7, -1)).AND(up_or_down)).OR(keyword(WORD_CLIMB, 7, -1));
}
cond_fold steps_not_named() { return cond(!has(7)); }

// What is thrown from the lowest cell lands one place down, at the bottom.
int lands_one_below() {
    hold_ref(VAR_LANDING_PLACE, here() - 1);
    hold_ref(VAR_LANDING_TEXT, 1669);
    return 0;
}

// Places 468..469: winding stair; 470: stairway; 471: winding stair.
constexpr member WINDING_STAIR[] = {
    {468, {0, 0, 0, 1},
     {moving(), go({WORD_DOWN}, 467), go({WORD_UP, WORD_CLIMB}, 469), call({7}, p329, ref(467), ref(755), ref(469), ref(754)), end(),
      step(lands_one_below)}},
    {469, {1},
     {moving(), go({WORD_DOWN}, 468), go({WORD_UP, WORD_CLIMB}, 470), call({7}, p329, ref(468), ref(755), ref(470), ref(754)),
      reply({1050, 958, 298, 1049}, 2638), end(), when(steps_not_named, mark_name({WORD_LOOKOUT, 1050, 958, 298, 1049})),
      land(467, 1669)}},
    {470, {0, 0, 1},
     {moving(), go({WORD_DOWN}, 469), go({WORD_UP, WORD_CLIMB}, 471), call({7}, p329, ref(471), ref(754), ref(469), ref(755)),
      reply({470}, 1425), end(), mark({470}), land(467, 1669)}},
    {471, {0, 1},
     {moving(), go({WORD_DOWN}, 470), go({WORD_UP, WORD_CLIMB}, 472), call({7}, p329, ref(472), ref(754), ref(470), ref(755)),
      reply({197, WORD_STREAM}, 2638), end(), when(steps_not_named, mark_name({WORD_LOOKOUT, 197, WORD_STREAM})), land(470, 1669)}},
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
        reply({7}, 2748),
        member_group(LOW_VIEW),
            reply({WORD_OUT, WORD_LOOKOUT, 298, 1050, 958, 1049}, 3142, arg(0)),
        end(),
        member_group(HIGH_VIEW),
            reply({WORD_OUT, WORD_LOOKOUT, 197, WORD_STREAM, 953}, 3142, arg(1)),
        end(),
        member_group(STAIRWAY),
            let({470}, VAR_COMMAND_STATUS, 1),
        end(),
        ret(),
    end(),
    when(counts_as_a_move, let(VAR_COMMAND_STATUS, 1)),
    member_rows(),
    mark({7}),
};

template <int PLACE>
int winding_stair_cell() {
    return run_member<WINDING_STAIR_CELL, WINDING_STAIR>(PLACE);
}

// --- The hoard door (472), the hoard (473), its gallery (474) and ledge (476)

// The bronze doors: shut and barred (0), open (1), shut but unbarred (2).
cond_fold doors_shut() { return cond(value[161] == 0); }
cond_fold doors_unbarred() { return cond(value[161] == 2); }

cond_fold enters_by_the_doors() {
    return cond(cond(anyof(WORD_CLIMB, 7, -1)).AND(anyof(WORD_UP, WORD_DOWN, -1)))
        .OR(keyword(WORD_CLIMB, 7, -1))
        .OR(keyword(WORD_IN, 161, -1));
}

// Place 472: hoard door.
constexpr row HOARD_DOOR[] = {
    call(p185, ref(129)),
    call(p297, ref(2103), ref(129)),
    rewrite(8, 161),
    look(),
        reply({WORD_WALL}, 3307),
        reply({7}, 2748),
        let({470}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    group({161}),
        // Knocking is the knock word's.
        ret({874}),
        group(doors_shut),
            reply({WORD_OPEN, 800}, 1895, arg_of(VAR_ARG2)),
            reply({WORD_CLOSE}, 2506, arg_of(VAR_ARG2)),
        end(),
        reply({768}, 2508),
        when([] { return cond(!anyof(808, 807, WORD_OPEN, WORD_CLOSE, WORD_IN, -1)); }, reply(1403)),
    end(),
    when(enters_by_the_doors, let(VAR_COMMAND_STATUS, 1)),
    moving(),
        group({WORD_IN, WORD_EAST}),
            when(doors_shut, reply(2503, arg(747))),
            when(doors_unbarred, tell(2645)),
            let(161, 1),
            let(472, 1),
            forced(473),
        end(),
        go({WORD_UP, WORD_CLIMB}, 477),
        go({WORD_DOWN}, 471),
        call({7}, p329, ref(471), ref(755), ref(477), ref(754)),
        reply({470}, 1425),
    end(),
    mark({7, 470, 161}),
    land(470, 1669),
};

// Place 473: hoard.
constexpr row HOARD[] = {
    rewrite(8, 161),
    look(),
        reply({1059}, 1849, arg_of(VAR_ARG2)),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 3062),
        reply({161}, 3063),
        reply({376, WORD_UP}, 2019, arg(15)),
        reply({WORD_WALL}, 3064),
        ret(),
    end(),
    // Up the stair to the gallery, or by the outcrop to the ledge, whatever
    // else the command says.
    group({WORD_UP, WORD_CLIMB}),
        forced_if({913}, 476, 2459),
        when(has_word(97).OR(word_count(1)), forced(474)),
    end(),
    group({913}),
        mark(),
        ret(),
    end(),
    // "Go doors" is going out through them.
    group(all({WORD_GO, 161})),
        rewrite(161, WORD_OUT),
    end(),
    moving(),
        group({WORD_OUT, WORD_WEST, 470}),
            when(doors_shut, reply(2503, arg(751))),
            let(161, 1),
            let(472, 1),
            forced(472),
        end(),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, 308}),
};

// The trap between the gallery and the well head: shut (0), open (1).
cond_fold trap_shut() { return cond(value[162] == 0); }
cond_fold trap_open() { return cond(value[162] == 1); }

// The gallery and the ledge above the hoard look alike: the roof, the walls,
// the empty heights and the hoard below.
constexpr row ABOVE_THE_HOARD[] = {
    reply({376, WORD_UP}, 2019, arg(16)),
    reply({WORD_WALL}, 3307),
    reply({263, 993}, 3073),
    reply({WORD_DOWN}, 3244),
};

int look_above_the_hoard() { return run<ABOVE_THE_HOARD>(); }

// Place 474: hoard gallery.
constexpr row HOARD_GALLERY[] = {
    rewrite_shown(8, 162),
    look(),
        reply({934}, 1849, arg_of(VAR_ARG2)),
        call(look_above_the_hoard),
        ret(),
    end(),
    // "Go trap" is going out through it.
    group(all({WORD_GO, 162})),
        rewrite(162, WORD_OUT),
    end(),
    let(all({WORD_CLIMB, 913}), VAR_COMMAND_STATUS, 1),
    moving(),
        go({WORD_CLIMB, WORD_DOWN}, 473),
        go({WORD_WEST}, 476),
        group({WORD_UP, WORD_OUT}),
            when(trap_shut, reply(1882)),
            forced(475, 2453),
        end(),
    end(),
    mark({376, 263, 993, 913}),
    // Let go of up here, things fall into the hoard.
    drop_to(473, 2540),
    land(473, 1674),
};

// Place 476: hoard ledge.
constexpr row HOARD_LEDGE[] = {
    clear_flag(482, PFLAG_HINT_AVAILABLE),
    look(),
        reply({999}, 3245),
        call(look_above_the_hoard),
        ret(),
    end(),
    group({913}),
        mark(),
        ret(),
    end(),
    reply({8}, 2209),
    moving(),
        go({WORD_CLIMB, WORD_DOWN}, 473),
        go({WORD_EAST}, 474),
    end(),
    group({376, 263, 993}),
        mark(),
        ret(),
    end(),
    drop_to(473, 2540),
    land(473, 1674),
};

// --- The well head (475) ------------------------------------------------------

cond_fold climbs_at_the_well_head() {
    return cond(has(WORD_CLIMB)).AND(cond(words() == 1).OR(anyof(WORD_DOWN, 484, WORD_FLOOR, 951, -1)));
}
// With the trap open and the doors not shut, the well head is no place to
// climb about on.
cond_fold well_head_unsafe() { return cond(trap_open()).AND(!doors_shut()); }
cond_fold leaps_from_the_well_head() {
    return cond(cond(words() == 1).OR(anyof(WORD_DOWN, 484, -1))).AND(has(762));
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
    rewrite_shown(8, 162),
    look(),
        reply({981}, 1849, arg_of(VAR_ARG2)),
        reply({475}, 2532),
        reply({1000}, 2756),
        reply({WORD_DOWN, 935, 78}, 2647, arg(0)),
        reply({484}, 2647, arg(1)),
        reply({973, 538}, 2431, arg_of(VAR_ARG2)),
        reply({WORD_WATERS}, 2595),
        reply({WORD_LOOKOUT, 1073}, 2993, arg_of(VAR_ARG2)),
        reply({894}, 3180),
        reply({197, 98}, 2952, arg_of(VAR_ARG2)),
        reply({1037}, 3181),
        reply({196}, 3182),
        reply({480}, 3183),
        ret(),
    end(),
    group(climbs_at_the_well_head),
        first(),
            group(well_head_unsafe),
                let(161, 0),
                let(162, 0),
                tell(3389),
                forced_on(486),
                when(object_carried(147), put(147, PLACE_START)),
                call(p154),
            end(),
            call(p858),
        end(),
    end(),
    when(has_word(727).AND(word_count(1)).AND(value_at_most(163, 1)), reply(3392, arg_of(VAR_ARG1))),
    when(has_word(162).AND(has_any_word({WORD_GO, WORD_IN})), let(VAR_COMMAND_STATUS, 1)),
    group(leaps_from_the_well_head),
        forced_on(486),
        when(object_carried(148), let(148, 2)),
        tell(3348),
        call(p154),
    end(),
    moving(),
        when(has_word(WORD_BACK).AND(value_is(VAR_THERE, 486)), call(p858)),
        group({WORD_IN, WORD_DOWN, 162}),
            when(trap_open, forced(474, 2450)),
            reply({WORD_IN, 162}, 1882),
            call(p858),
        end(),
        reply({WORD_WATERS, 894, 98, 538, 973, 197, 1037}, 2638),
        reply({480, 196}, 2638),
        reply({475}, 1425),
    end(),
    land(486, 1668),
    step(landing_among_the_thickets),
    first(),
        mark_name({1000, WORD_WATERS, WORD_LOOKOUT, 894, 973, 538, 98}),
        mark_name({197, 1037, 480, 196, 1073}),
    end(),
};

// --- The timed stair (477), the gatehouse (478) and the yard (479) -----------

cond_fold hourglass_running() { return cond(value[163] > 1); }

// "Steps" alone lead on, away from where the player came from.
cond_fold steps_alone() { return cond(has(7)).AND(!anyof(WORD_UP, WORD_DOWN, WORD_CLIMB, -1)); }

// The command is kept while the question is asked.
int keep_the_command() {
    input_store('S', &value[VAR_PROMPT_TEXT]);
    return 0;
}

// Place 477: timed stair.
constexpr row TIMED_STAIR[] = {
    call(p298),
    // The ticking above: counting down (2), still before the doors ever
    // slammed (0), still after (1).
    first(),
        when(hourglass_running, let_variant(2627, 2)),
        when(value_under(1720, 1), let_variant(2627, 0)),
        let_variant(2627, 1),
    end(),
    look(),
        reply({WORD_WALL}, 3307),
        reply({WORD_OUT, WORD_WATERS, WORD_CLIFF, WORD_LOOKOUT, 953}, 3142, arg(2)),
        reply({7}, 2748),
        ret(),
    end(),
    when([] { return cond(cond(anyof(WORD_CLIMB, 7, -1)).AND(anyof(WORD_UP, WORD_DOWN, -1))).OR(keyword(WORD_CLIMB, 7, -1)); },
         let(VAR_COMMAND_STATUS, 1)),
    moving(),
        group(steps_alone),
            first(),
                when(value_is(VAR_THERE, 472), let_ref(VAR_ARG1, 754)),
                let_ref(VAR_ARG1, 755),
            end(),
        end(),
        go({WORD_DOWN}, 472),
        group({WORD_UP, WORD_CLIMB, 7}),
            first(),
                when(hourglass_running, forced(478)),
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
    mark({7}),
    when(steps_not_named, mark_name({WORD_CLIFF, WORD_WATERS, WORD_LOOKOUT})),
    land(472, 1669),
};

// The gate: shut (0), open (1).
cond_fold gate_shut() { return cond(value[OBJ_GATE] == 0); }
cond_fold gate_open() { return cond(value[OBJ_GATE] == 1); }

// Place 478: gatehouse.
constexpr row GATEHOUSE[] = {
    call(p185, ref(129)),
    when(has_any_word({1018, 134, 74, 30, 129}).AND(has_any_word({798, WORD_LOOK})), reply(2103)),
    rewrite(8, OBJ_GATE),
    group({955}),
        reply({WORD_LOOK, WORD_TAKE, 807, 808, 797}, 2616),
        group(word_count(2)),
            mark(),
            ret(),
        end(),
    end(),
    look(),
        reply({WORD_WALL}, 3307),
        reply({7}, 2748),
        group({OBJ_GATE}),
            first(),
                when(value_is(VAR_PHASE, 5), let_variant(3301, 1)),
                let_variant(3301, 0),
            end(),
        end(),
        let({470}, VAR_COMMAND_STATUS, 1),
        // The idol and the arrow slits are seen only through the open gate.
        group({137, 953}),
            first(),
                when(gate_shut, reply(1319, arg_of(VAR_ARG2))),
                reply(3124),
            end(),
        end(),
        ret(),
    end(),
    let(all({WORD_IN, OBJ_GATE}), VAR_COMMAND_STATUS, 1),
    moving(),
        group({WORD_EAST, WORD_IN}),
            when(gate_shut, reply(2503, arg(747))),
            forced(479),
        end(),
        go({WORD_DOWN, 7}, 477),
        reply({470}, 1425),
    end(),
    first(),
        when(gate_open, mark_name({137, 953})),
        mark({7}),
    end(),
    land(472, 1669),
};

// Place 479: yard beyond the gate.
constexpr row YARD[] = {
    rewrite(8, OBJ_GATE),
    reply({953}, 2610),
    look(),
        reply({1136}, 2029),
        reply({376, WORD_UP}, 2019, arg(16)),
        reply({263, 993}, 3073),
        reply({67}, 2635),
        reply({955}, 2618),
        reply({137}, 2617),
        reply({WORD_WALL}, 3307),
        reply({920, 894}, 2615),
        group({470}),
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
        reply({160}, 3305),
        when([] { return cond(has(67)).AND(!lies_here(67)); }, reply(3306)),
    end(),
    when(has_any_word({807, 808}).AND(has_any_word({67, 160})), reply(2803)),
    group({67}),
        // "Use" the jewel on the gate is knocking with it.
        group({852}),
            let_ref(VAR_ARG1, 874),
            let(VAR_COMMAND_STATUS, 1),
            ret(),
        end(),
        group(object_not_near(67)),
            mark(),
            ret(),
        end(),
    end(),
    reply({137}, 1885, arg_of(VAR_ARG2)),
    reply({955}, 1885, arg(955)),
    let(all({WORD_OUT, OBJ_GATE}), VAR_COMMAND_STATUS, 1),
    moving(),
        group({WORD_OUT, WORD_WEST, 470}),
            when(gate_shut, reply(2503, arg(751))),
            forced(478),
        end(),
    end(),
    first(),
        when(gate_open, mark_name({470, 955})),
        mark({137, 920, 894}),
    end(),
};

}  // namespace

int p107() { return run_member<RIM, RIMS>(465); }
int p106() { return run_member<RIM, RIMS>(466); }
int p857() { return run<STAIR_BOTTOM>(); }
int p860() { return winding_stair_cell<468>(); }
int p859() { return winding_stair_cell<469>(); }
int p523() { return winding_stair_cell<470>(); }
int p864() { return winding_stair_cell<471>(); }
int p863() { return run<HOARD_DOOR>(); }
int p811() { return run<HOARD>(); }
int p774() { return run<HOARD_GALLERY>(); }
int p731() { return run<WELL_HEAD>(); }
int p775() { return run<HOARD_LEDGE>(); }
int p862() { return run<TIMED_STAIR>(); }
int p861() { return run<GATEHOUSE>(); }
int p248() { return run<YARD>(); }
