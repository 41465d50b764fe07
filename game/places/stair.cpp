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
    {465, {}, {go({747, 763, 466}, 466), go({751, 745, 749, 752, 750}, 515)}},
    {466, {}, {go({751, 763, 466}, 465), go({749, 748, 747, 298}, 298)}},
};

cond_fold leaps_into_the_abyss() {
    return cond(has(762)).AND(cond(anyof(755, 899, 919, 980, -1)).OR(words() == 1));
}

// Places 465: west rim of the abyss; 466: rim.
constexpr row RIM[] = {
    look(),
        reply({755, 980, 919}, 2041),
        reply({466}, 2950),
        reply({202, 899}, 2953),
        reply({937}, 1359),
        ret(),
    end(),
    when(leaps_into_the_abyss, death(1718)),
    moving(),
        member_rows(),
        // Over the edge: the player is asked first.
        group({755, 919, 980, 202}),
            let(VAR_QUESTION, Q_PLACES_465_466),
            reply(3225),
        end(),
    end(),
    mark({937, 466, 202}),
    mark_name({980, 919}),
};

// --- The stair bottom (467) and the winding stair (468..471) -----------------

// "Climb the steps", "steps up" and the like are moves.
cond_fold climbs_the_steps_up() {
    return cond(cond(anyof(848, 7, -1)).AND(has(754))).OR(keyword(848, 7, -1));
}

// Place 467: stair bottom.
constexpr row STAIR_BOTTOM[] = {
    look(),
        reply({936}, 3307),
        reply({7}, 2748),
        reply({1054, 966}, 3091),
        reply({779, 1052}, 3134),
        ret(),
    end(),
    when(climbs_the_steps_up, let(VAR_COMMAND_STATUS, 1)),
    moving(),
        go({745, 758, 966, 1054}, 491),
        group({754, 848, 7, 1052}),
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
    const int up_or_down = this_member().k[STEPS_ANYHOW] ? anyof(754, 755, 7, -1) : anyof(754, 755, -1);
    return cond(cond(anyof(848, 7, -1)).AND(up_or_down)).OR(keyword(848, 7, -1));
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
     {moving(), go({755}, 467), go({754, 848}, 469), call({7}, p329, ref(467), ref(755), ref(469), ref(754)), end(),
      step(lands_one_below)}},
    {469, {1},
     {moving(), go({755}, 468), go({754, 848}, 470), call({7}, p329, ref(468), ref(755), ref(470), ref(754)),
      reply({1050, 958, 298, 1049}, 2638), end(), when(steps_not_named, mark_name({891, 1050, 958, 298, 1049})),
      land(467, 1669)}},
    {470, {0, 0, 1},
     {moving(), go({755}, 469), go({754, 848}, 471), call({7}, p329, ref(471), ref(754), ref(469), ref(755)),
      reply({470}, 1425), end(), mark({470}), land(467, 1669)}},
    {471, {0, 1},
     {moving(), go({755}, 470), go({754, 848}, 472), call({7}, p329, ref(472), ref(754), ref(470), ref(755)),
      reply({197, 899}, 2638), end(), when(steps_not_named, mark_name({891, 197, 899})), land(470, 1669)}},
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
        reply({936}, 3307),
        reply({7}, 2748),
        member_group(LOW_VIEW),
            reply({758, 891, 298, 1050, 958, 1049}, 3142, arg(0)),
        end(),
        member_group(HIGH_VIEW),
            reply({758, 891, 197, 899}, 3142, arg(1)),
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
    return cond(cond(anyof(848, 7, -1)).AND(anyof(754, 755, -1)))
        .OR(keyword(848, 7, -1))
        .OR(keyword(757, 161, -1));
}

// Place 472: hoard door.
constexpr row HOARD_DOOR[] = {
    call(p185, ref(129)),
    call(p297, ref(2103), ref(129)),
    rewrite(8, 161),
    look(),
        reply({936}, 3307),
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
        when([] { return cond(!anyof(808, 807, WORD_OPEN, WORD_CLOSE, 757, -1)); }, reply(1403)),
    end(),
    when(enters_by_the_doors, let(VAR_COMMAND_STATUS, 1)),
    moving(),
        group({757, 747}),
            when(doors_shut, reply(2503, arg(747))),
            when(doors_unbarred, tell(2645)),
            let(161, 1),
            let(472, 1),
            forced(473),
        end(),
        go({754, 848}, 477),
        go({755}, 471),
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
        reply({897, 898, 308}, 3062),
        reply({161}, 3063),
        reply({376, 754}, 2019, arg(15)),
        reply({936}, 3064),
        ret(),
    end(),
    // Up the stair to the gallery, or by the outcrop to the ledge, whatever
    // else the command says.
    group({754, 848}),
        forced_if({913}, 476, 2459),
        when(has_word(97).OR(word_count(1)), forced(474)),
    end(),
    group({913}),
        mark(),
        ret(),
    end(),
    // "Go doors" is going out through them.
    group(all({WORD_GO, 161})),
        rewrite(161, 758),
    end(),
    moving(),
        group({758, 751, 470}),
            when(doors_shut, reply(2503, arg(751))),
            let(161, 1),
            let(472, 1),
            forced(472),
        end(),
    end(),
    mark({897, 898, 308}),
};

// The trap between the gallery and the well head: shut (0), open (1).
cond_fold trap_shut() { return cond(value[162] == 0); }
cond_fold trap_open() { return cond(value[162] == 1); }

// The gallery and the ledge above the hoard look alike: the roof, the walls
// and the empty heights.
constexpr row ABOVE_THE_HOARD[] = {
    reply({376, 754}, 2019, arg(16)),
    reply({936}, 3307),
    reply({263, 993}, 3073),
};

int look_above_the_hoard() { return run<ABOVE_THE_HOARD>(); }

// Place 474: hoard gallery.
constexpr row HOARD_GALLERY[] = {
    rewrite_shown(8, 162),
    look(),
        call(look_above_the_hoard),
        ret(),
    end(),
    // "Go trap" is going out through it.
    group(all({WORD_GO, 162})),
        rewrite(162, 758),
    end(),
    let(all({848, 913}), VAR_COMMAND_STATUS, 1),
    moving(),
        go({848, 755}, 473),
        go({751}, 476),
        group({754, 758}),
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
        call(look_above_the_hoard),
        ret(),
    end(),
    group({913}),
        mark(),
        ret(),
    end(),
    reply({8}, 2209),
    moving(),
        go({848, 755}, 473),
        go({747}, 474),
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
    return cond(has(848)).AND(cond(words() == 1).OR(anyof(755, 484, 1137, 951, -1)));
}
// With the trap open and the doors not shut, the well head is no place to
// climb about on.
cond_fold well_head_unsafe() { return cond(trap_open()).AND(!doors_shut()); }
cond_fold leaps_from_the_well_head() {
    return cond(cond(words() == 1).OR(anyof(755, 484, -1))).AND(has(762));
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
        reply({475}, 2532),
        reply({1000}, 2756),
        reply({755}, 2647, arg(0)),
        reply({484}, 2647, arg(1)),
        reply({973, 538}, 2431, arg_of(VAR_ARG2)),
        reply({950}, 2595),
        reply({891, 1073}, 2993, arg_of(VAR_ARG2)),
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
    when(has_word(162).AND(has_any_word({WORD_GO, 757})), let(VAR_COMMAND_STATUS, 1)),
    group(leaps_from_the_well_head),
        forced_on(486),
        when(object_carried(148), let(148, 2)),
        tell(3348),
        call(p154),
    end(),
    moving(),
        when(has_word(WORD_BACK).AND(value_is(VAR_THERE, 486)), call(p858)),
        group({757, 755, 162}),
            when(trap_open, forced(474, 2450)),
            reply({757, 162}, 1882),
            call(p858),
        end(),
        reply({950, 894, 98, 538, 973, 197, 1037}, 2638),
        reply({480, 196}, 2638),
        reply({475}, 1425),
    end(),
    land(486, 1668),
    step(landing_among_the_thickets),
    first(),
        mark_name({1000, 950, 891, 894, 973, 538, 98}),
        mark_name({197, 1037, 480, 196, 1073}),
    end(),
};

// --- The timed stair (477), the gatehouse (478) and the yard (479) -----------

cond_fold hourglass_running() { return cond(value[163] > 1); }

// "Steps" alone lead on, away from where the player came from.
cond_fold steps_alone() { return cond(has(7)).AND(!anyof(754, 755, 848, -1)); }

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
        reply({936}, 3307),
        reply({758, 950, 921, 891}, 3142, arg(2)),
        reply({7}, 2748),
        ret(),
    end(),
    when([] { return cond(cond(anyof(848, 7, -1)).AND(anyof(754, 755, -1))).OR(keyword(848, 7, -1)); },
         let(VAR_COMMAND_STATUS, 1)),
    moving(),
        group(steps_alone),
            first(),
                when(value_is(VAR_THERE, 472), let_ref(VAR_ARG1, 754)),
                let_ref(VAR_ARG1, 755),
            end(),
        end(),
        go({755}, 472),
        group({754, 848, 7}),
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
        reply({921, 950}, 2638),
    end(),
    mark({7}),
    when(steps_not_named, mark_name({921, 950, 891})),
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
        reply({936}, 3307),
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
    let(all({757, OBJ_GATE}), VAR_COMMAND_STATUS, 1),
    moving(),
        group({747, 757}),
            when(gate_shut, reply(2503, arg(747))),
            forced(479),
        end(),
        go({755, 7}, 477),
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
        reply({376, 754}, 2019, arg(16)),
        reply({263, 993}, 3073),
        reply({67}, 2635),
        reply({955}, 2618),
        reply({137}, 2617),
        reply({936}, 3307),
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
    let(all({758, OBJ_GATE}), VAR_COMMAND_STATUS, 1),
    moving(),
        group({758, 751, 470}),
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
