// The hall of ways, the two rims over the plant hollow and the oil seep,
// the north fork, the stairhead, the west passage, the drum chamber, the
// slant and the two mirror ledges. Each place's procedure answers its
// feature words, moves the player along its exits and marks the words of its
// features for the last replies; the hall of ways works out its exit first
// and lets the lizard have its say, and the plant hollow takes the liquids
// poured on the plant.
#include "game.h"

using namespace rows;

namespace {

// --- The hall of ways (214) ------------------------------------------------

// The way chosen this command is kept in VAR_WORK_PLACE; 0 is none.
void choose_way(int place) { hold_ref(VAR_WORK_PLACE, place); }
int no_way_yet() {
    value[VAR_WORK_PLACE] = 0;
    *bitword(VAR_WORK_PLACE) = 0;
    return 0;
}
int way_up() {
    choose_way(PLACE_STEPWELL);
    return 0;
}

// South-west: two times in three the way to the sentinel approach; else
// the lizard, near, refuses or sends the player back the way they came,
// and without it the passage pinches shut.
int hall_southwest() {
    if (cond(irand(100) <= 65)) {
        choose_way(PLACE_SENTINEL_APPROACH);
        return 0;
    }
    if (cond(near_in(OBJ_LIZARD, 0))) {
        say_stop_variant(1503, WORD_SOUTHWEST);
        return 0;
    }
    if (cond(near_in(OBJ_LIZARD, 1))) {
        if (cond(value[VAR_HUB_ORIGIN] == PLACE_SENTINEL_APPROACH))
            set('V', VAR_WORK_PLACE, 'v', VAR_HUB_ORIGIN, nullptr, nullptr);
        else
            say_stop(1500);
        return 0;
    }
    bitmod('s', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_MOVED);
    say_stop(1345);
    return 0;
}

// The exits of the hall, by the first word that names one.
int hall_exit() {
    static constexpr struct {
        int word, place;
    } ways[] = {{WORD_NORTH, PLACE_NORTH_FORK}, {WORD_SOUTHWEST, 0}, {WORD_ARCHWAY,
                 PLACE_SENTINEL_APPROACH}, {WORD_SOUTH, PLACE_STAIRHEAD}, {WORD_WEST, PLACE_WEST_PASSAGE},
                {WORD_DOWN, PLACE_CEILING}, {WORD_SOUTHEAST, PLACE_SCREE_POCKET}, {WORD_NORTHWEST,
                 PLACE_THREE_WAYS}, {WORD_NORTHEAST, PLACE_NORTH_PASSAGE}};
    for (const auto &w : ways) {
        if (!cond(has(w.word))) continue;
        if (w.place == 0) return hall_southwest();
        choose_way(w.place);
        return 0;
    }
    return 0;
}

cond_fold no_way_chosen() { return cond(value[VAR_WORK_PLACE] == 0); }
cond_fold lizard_guards_the_way() {
    return cond(near(OBJ_LIZARD)).AND(value[VAR_WORK_PLACE] != value[VAR_HUB_ORIGIN]);
}
cond_fold lizard_at_rest() { return cond(value[OBJ_LIZARD] == 0); }
cond_fold compass_word_first() { return cond(within(arg1(), 744, 756)); }

// The move to the way chosen.
int take_the_way() {
    moveto(value[VAR_WORK_PLACE], -2);
    return 0;
}

// Place 214: hall of ways.
constexpr row HALL_OF_WAYS[] = {
    look(),
        reply({OBJ_STEPS}, 1849, arg_of(VAR_ARG2)),
        let({WORD_HALL}, VAR_COMMAND_STATUS, 1),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2902, arg(WORD_PASSAGE)),
        reply({PLACE_STEPWELL}, 3261, arg(0)),
        reply({WORD_OPENING}, 3261, arg(1)),
        ret(),
    end(),
    step(no_way_yet),
    when([] { return cond(has(OBJ_STEPS)).AND(cond(has(WORD_UP)).OR(has(WORD_CLIMB))); }, let(VAR_COMMAND_STATUS, 1)),
    moving(),
        step({OBJ_STEPS, WORD_UP, WORD_EAST}, way_up),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2904, arg(WORD_PASSAGE)),
        step(hall_exit),
        when(no_way_chosen, ret()),
        group(lizard_guards_the_way),
            call(p784),
            first(),
                group(lizard_at_rest),
                    group({WORD_NORTHEAST, WORD_SOUTHEAST, WORD_SOUTH, WORD_NORTHWEST}),
                        first(),
                            when(compass_word_first, reply(1503, arg_of(VAR_ARG1))),
                            reply(1503, arg_of(VAR_ARG2)),
                        end(),
                    end(),
                    let(OBJ_LIZARD, 1),
                    tell(1901, arg_of(OBJ_LIZARD)),
                end(),
                reply(1500),
            end(),
        end(),
        step(take_the_way),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR, OBJ_STEPS, WORD_HALL}),
};

// --- The plant rim (215) and the plant hollow (218) ------------------------

cond_fold plant_at(int state) { return cond(value[OBJ_PLANT] == state); }
cond_fold plant_small() { return plant_at(0); }
cond_fold plant_half_grown() { return plant_at(1); }
cond_fold plant_grown() { return plant_at(2); }
cond_fold plant_above_half() { return cond(value[OBJ_PLANT] > 1); }

// Up the grown plant, through the hole in the roof, to its top.
constexpr row UP_THE_PLANT[] = {let_variant(2510, 0), forced(PLACE_TOP_OF_PLANT, 1516)};

int up_the_plant() { return run<UP_THE_PLANT>(); }

// Place 215: plant rim.
constexpr row PLANT_RIM[] = {
    look(),
        let({PLACE_RIM}, VAR_COMMAND_STATUS, 1),
        reply({WORD_DOWN, PLACE_PIT, WORD_HOLLOW}, 2846, arg_of(OBJ_PLANT)),
        reply({WORD_HOLE}, 2847),
        // The plant seen from above: the grown plant close enough to touch,
        // a seedling far down (the young vine below the rim is in view).
        when(plant_above_half, reply({OBJ_PLANT}, 2081, arg_of(OBJ_PLANT))),
        when(plant_small, reply({OBJ_PLANT}, 3261, arg(2))),
        ret(),
    end(),
    group({WORD_HOLE}),
        first(),
            group({WORD_GO, WORD_IN, WORD_CLIMB}),
                first(),
                    when(plant_grown, let_ref(VAR_ARG1, WORD_CLIMB)),
                    reply(1437, arg(WORD_HOLE)),
                end(),
            end(),
            otherwise(),
                mark(),
                ret(),
            end(),
        end(),
    end(),
    group({WORD_CLIMB}),
        first(),
            group(word_count(1).OR(has_word(WORD_UP)).OR(has_word(WORD_HOLE))),
                first(),
                    when(plant_grown, call(up_the_plant)),
                    reply(1437, arg(WORD_HOLE)),
                end(),
            end(),
            group({OBJ_PLANT}),
                first(),
                    when(plant_small, reply(1319, arg_of(VAR_ARG2))),
                    when(plant_half_grown, forced(PLACE_PLANT_HOLLOW, 2845)),
                    call(up_the_plant),
                end(),
            end(),
        end(),
        reply({WORD_WALL}, 1437, arg(WORD_HOLE)),
    end(),
    let(all({WORD_DOWN, PLACE_PIT}), VAR_COMMAND_STATUS, 1),
    moving(),
        go({WORD_EAST, WORD_CROSS}, PLACE_SEEP_RIM),
        go({WORD_WEST, PLACE_CROSSWAY}, PLACE_CROSSWAY),
        go({WORD_DOWN, PLACE_PIT}, PLACE_PLANT_HOLLOW),
    end(),
    when(plant_above_half, mark({OBJ_PLANT})),
    land(PLACE_PLANT_HOLLOW, 1671),
};

// A vessel has been chosen for this command.
cond_fold vessel_chosen() { return cond(value[VAR_VESSEL] > 0); }

// "Empty" with a vessel named that is near: that vessel is the one, and
// water in it goes onto the plant.
int empty_named_vessel() {
    if (!cond(anyof(OBJ_VESSEL_LARGE, OBJ_VESSEL_MEDIUM, OBJ_VESSEL_SMALL, -1)).AND(near(arg2()))) return 0;
    set('V', VAR_VESSEL, 'v', VAR_ARG2, nullptr, nullptr);
    value[VAR_VESSEL_STATE] = value[value[VAR_VESSEL]];
    *bitword(VAR_VESSEL_STATE) = *bitword(VAR_VESSEL);
    if (cond(value[VAR_VESSEL_STATE] == 3)) p903();
    return 0;
}

// Place 218: plant hollow.
constexpr row PLANT_HOLLOW[] = {
    look(),
        reply({WORD_HOLLOW}, 1453),
        let({PLACE_PIT}, VAR_COMMAND_STATUS, 1),
        reply({WORD_HOLE, WORD_UP}, 2847),
        reply({PLACE_RIM}, 3261, arg(4)),
        ret(),
    end(),
    group({WORD_HOLE}),
        first(),
            let_ref({WORD_UP, WORD_GO, WORD_IN}, VAR_ARG1, WORD_CLIMB),
            group([] { return cond(!has(WORD_CLIMB)).AND(words() != 1); }),
                mark(),
                ret(),
            end(),
        end(),
    end(),
    group(has_word(WORD_GO).OR(has_word(PLACE_PIT)).OR(word_count(1))),
        go({WORD_UP, WORD_OUT}, PLACE_PLANT_RIM),
    end(),
    group({WORD_CLIMB}),
        group(has_word(WORD_HOLE).OR(word_count(1))),
            first(),
                when(value_at_most(OBJ_PLANT, 1), reply(1437, arg(WORD_HOLE))),
                let_ref(VAR_ARG2, OBJ_PLANT),
            end(),
        end(),
        go({WORD_WALL, PLACE_PIT, WORD_OUT}, PLACE_PLANT_RIM),
        first(),
            group({OBJ_PLANT}),
                first(),
                    when(plant_small, reply(1514)),
                    when(plant_half_grown, forced(PLACE_PLANT_RIM, 1515)),
                    call(up_the_plant),
                end(),
            end(),
            reply(1403),
        end(),
    end(),
    let(VAR_VESSEL, 0),
    group([] { return cond(has(WORD_POUR)).OR(has(WORD_DUMP)).OR(keyword(WORD_DROP, OBJ_LIQUID_1, -1)); }),
        group(word_count(1)),
            let(VAR_VESSEL, 0),
            call(p321, num(0)),
            when(vessel_chosen, call(p903)),
        end(),
        call({OBJ_LIQUID_1}, p903),
    end(),
    call(all({OBJ_LIQUID_1, OBJ_CREEPER}), p903),
    group({WORD_EMPTY, WORD_POUR}),
        when([] { return cond(has(OBJ_VESSEL_LARGE)).AND(near_in(OBJ_VESSEL_LARGE, 6)); }, call(p304)),
        step(empty_named_vessel),
    end(),
    group({OBJ_PLANT}),
        call({OBJ_LIQUID_1}, p903),
        reply({WORD_FEED, OBJ_BUNDLE}, 2089),
        reply({WORD_TAKE, WORD_PULL}, 1408, arg_of(OBJ_PLANT)),
    end(),
    group(has_word(OBJ_BUNDLE).AND(has_any_word({WORD_OPEN, WORD_UNWRAP, WORD_DUMP, WORD_RELEASE}))),
        when(object_near(OBJ_BUNDLE), reply(2089)),
        call(p39),
    end(),
    mark({WORD_MIST}),
};

// --- The oil seep (217) and the seep rim (216) ------------------------------

// Place 217: oil seep.
constexpr row OIL_SEEP[] = {
    look(),
        reply({WORD_POOL, OBJ_LIQUID_2, WORD_SOURCE}, 1925),
        let({PLACE_PIT}, VAR_COMMAND_STATUS, 1),
        reply({PLACE_RIM}, 3261, arg(3)),
        ret(),
    end(),
    when(has_word(WORD_CLIMB).AND(has_any_word({WORD_UP, WORD_OUT, WORD_WALL, PLACE_PIT})), let(VAR_COMMAND_STATUS, 1)),
    group(has_word(WORD_GO).OR(has_word(PLACE_PIT)).OR(word_count(1))),
        reply({PLACE_PIT}, 1425),
        go({WORD_CLIMB, WORD_UP, WORD_OUT}, PLACE_SEEP_RIM),
    end(),
};

// Place 216: seep rim.
constexpr row SEEP_RIM[] = {
    look(),
        reply({WORD_LEDGE}, 3245),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2902, arg(WORD_PASSAGE)),
        reply({WORD_DOWN, PLACE_PIT}, 2846, arg(0)),
        reply({PLACE_PATH}, 3111),
        reply({WORD_OPENING, WORD_HOLE}, 3112),
        reply({PLACE_CROSSWAY, WORD_FLOOR, PLACE_RIM}, 3113),
        ret(),
    end(),
    moving(),
        go({WORD_EAST}, PLACE_TILTED_JUNCTION),
        go({WORD_WEST, WORD_CROSS, PLACE_PATH}, PLACE_PLANT_RIM),
        go({WORD_DOWN, PLACE_PIT}, PLACE_OIL_SEEP),
        reply({WORD_OPENING, WORD_HOLE}, 2638),
        call({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, p329, ref(PLACE_TILTED_JUNCTION), ref(WORD_EAST),
             ref(PLACE_PLANT_RIM), ref(WORD_WEST)),
    end(),
    mark({PLACE_PATH, WORD_PASSAGE, PLACE_PIT, WORD_OPENING, WORD_HOLE, PLACE_CROSSWAY}),
    land(PLACE_OIL_SEEP, 1671),
};

// --- The north fork, the stairhead and the west passage ---------------------

// Place 219: north fork.
constexpr row NORTH_FORK[] = {
    when(value_is(VAR_PHASE, 4), call(p149)),
    look(),
        reply({WORD_HOLE}, 2478, arg(0)),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2902, arg(WORD_PASSAGE)),
        let({PLACE_CROSSROADS}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTH, WORD_OUT, WORD_HALL}, PLACE_HALL_OF_WAYS),
        go({WORD_NORTH, PLACE_DRUM_CHAMBER}, PLACE_DRUM_CHAMBER),
        go({WORD_DOWN, WORD_HOLE}, PLACE_HOLE_JUNCTION),
        go({WORD_HOLE}, PLACE_HOLE_JUNCTION),
        call({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, p329, ref(PLACE_DRUM_CHAMBER), ref(WORD_NORTH),
             ref(PLACE_HALL_OF_WAYS), ref(WORD_SOUTH)),
    end(),
    land(PLACE_HOLE_JUNCTION, 1673),
    mark({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR, WORD_HOLE}),
};

// Place 220: stairhead.
constexpr row STAIRHEAD[] = {
    look(),
        reply({WORD_STAIRWELL, WORD_DOWN}, 2754, arg(WORD_STAIRWELL)),
        group({OBJ_STEPS, OBJ_STAIRCASE, WORD_SPIRAL}),
            tell(3242),
            reply(1266),
        end(),
        let({PLACE_LAKESIDE_CHAMBER}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    let({WORD_DOWN, OBJ_STEPS, OBJ_STAIRCASE}, VAR_COMMAND_STATUS, 1),
    moving(),
        go({WORD_NORTH, WORD_OUT, WORD_HALL}, PLACE_HALL_OF_WAYS),
        go({WORD_DOWN, OBJ_STEPS, OBJ_STAIRCASE, WORD_STAIRWELL}, PLACE_STAIR_SHAFT),
        reply({PLACE_LAKESIDE_CHAMBER}, 1425),
    end(),
    mark({OBJ_STEPS, OBJ_STAIRCASE, PLACE_LAKESIDE_CHAMBER}),
};

// Place 221: west passage.
constexpr row WEST_PASSAGE[] = {
    look(),
        let({PLACE_LAKESIDE_CHAMBER}, VAR_COMMAND_STATUS, 1),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2903, arg(WORD_PASSAGE)),
        ret(),
    end(),
    moving(),
        go({WORD_EAST, WORD_OUT, WORD_HALL}, PLACE_HALL_OF_WAYS),
        go({WORD_WEST, WORD_UP, WORD_PASSAGE}, PLACE_FOUR_WAYS),
        reply({PLACE_LAKESIDE_CHAMBER}, 1425),
    end(),
    mark({PLACE_LAKESIDE_CHAMBER, WORD_PASSAGE}),
};

// --- The drum chamber (222) and the slant (223) ----------------------------

// Place 222: drum chamber.
constexpr row DRUM_CHAMBER[] = {
    clear_flag(PLACE_EAST_MIRROR_LEDGE, PFLAG_CREATURE_FREE),
    look(),
        reply({WORD_HOLLOW}, 1453),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2902, arg(WORD_PASSAGE)),
        reply({WORD_WALL, PLACE_SLANT}, 2907),
        reply({PLACE_DRUM_CHAMBER, WORD_ROCK}, 2928),
        reply({PLACE_CROSSROADS}, 3261, arg(5)),
        reply({WORD_LEDGE}, 3261, arg(6)),
        ret(),
    end(),
    // The squeeze word and fennoch work said alone or after "say".
    group({WORD_MAGIC_TRAVEL_2, PLACE_FAR_END_OF_SQUEEZE}),
        when(word_count(2).AND(lacks_word(WORD_SAY)), ret()),
        group({PLACE_FAR_END_OF_SQUEEZE}),
            clear_flag(PLACE_FAR_END_OF_SQUEEZE, PFLAG_HINT_AVAILABLE),
            clear_flag(PLACE_SQUEEZE, PFLAG_HINT_AVAILABLE),
            clear_flag(PLACE_DARK_NOOK, PFLAG_HINT_AVAILABLE),
            forced(PLACE_FAR_END_OF_SQUEEZE),
        end(),
        first(),
            group([] { return cond(value[VAR_PHASE] > 4).OR(bitest(VAR_GAME_FLAGS, 2)); }),
                set_flag(VAR_GAME_FLAGS, 3),
                reply(1421),
            end(),
            forced_held(PLACE_DEPOSIT, VAR_PASSAGE_TEXT),
        end(),
    end(),
    moving(),
        go({WORD_SOUTH}, PLACE_NORTH_FORK),
        go({WORD_EAST, WORD_WALL, PLACE_SLANT}, PLACE_SLANT),
        go({WORD_WEST}, PLACE_EAST_MIRROR_LEDGE),
        call({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, p329, ref(PLACE_EAST_MIRROR_LEDGE), ref(WORD_WEST),
             ref(PLACE_NORTH_FORK), ref(WORD_EAST)),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR, PLACE_SLANT, WORD_WALL, WORD_ROCK, PLACE_DRUM_CHAMBER}),
};

// Place 223: slant.
constexpr row SLANT[] = {
    look(),
        let({PLACE_SLANT, PLACE_SLOPE}, VAR_COMMAND_STATUS, 1),
        reply({WORD_CRACK}, 2905),
        reply({PLACE_STEPWELL}, 3261, arg(7)),
        ret(),
    end(),
    moving(),
        go({WORD_DOWN, PLACE_DRUM_CHAMBER}, PLACE_DRUM_CHAMBER),
        go({WORD_UP}, PLACE_STEPWELL),
        reply({WORD_NORTH, WORD_NORTHEAST, WORD_EAST, WORD_SOUTHEAST, WORD_SOUTH, WORD_SOUTHWEST, WORD_WEST, WORD_NORTHWEST}, 2906),
    end(),
    mark({WORD_CRACK, PLACE_SLANT}),
};

// --- The mirror ledges (224, 225) ------------------------------------------

// The two ledges face each other across the mirror: the east ledge starts
// the hourglass once the hills have stirred, and over its edge goes a leap
// by the window too; each has its own way out.
constexpr int EAST = 0, WEST = 1;

// Places 224: east mirror ledge; 225: west mirror ledge.
constexpr member MIRROR_LEDGES[] = {
    {PLACE_EAST_MIRROR_LEDGE, {1, 0},
     {go({WORD_EAST, WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR, PLACE_DRUM_CHAMBER}, PLACE_DRUM_CHAMBER)}},
    {PLACE_WEST_MIRROR_LEDGE, {0, 1},
     {go({WORD_WEST, WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, PLACE_WINDOW_JUNCTION)}},
};

cond_fold climbing_out() { return cond(has(WORD_CLIMB)).AND(cond(has(WORD_DOWN)).OR(has(PLACE_PIT))); }

// Over the edge: a fall to the foot of the shaft, and a death there.
constexpr row FALL_DOWN_THE_SHAFT[] = {tell(1498), forced_on(PLACE_SHAFT_BOTTOM), call(p154)};

int fall_down_the_shaft() { return run<FALL_DOWN_THE_SHAFT>(); }

// Places 224: east mirror ledge; 225: west mirror ledge.
constexpr row MIRROR_LEDGE[] = {
    member_group(EAST),
        when(value_is(VAR_PHASE, 4), call(p149)),
    end(),
    call(p298),
    look(),
        reply({WORD_DOWN}, 2478, arg(1)),
        reply({WORD_LEDGE}, 3245),
        reply({WORD_AROUND}, 3316),
        reply({PLACE_PIT}, 1769),
        reply({WORD_ECHO}, 1359),
        reply({WORD_SHADOWS, WORD_DIRT}, 3075),
        reply({WORD_FLOOR}, 3076),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2903, arg(WORD_PASSAGE)),
        ret(),
    end(),
    when(climbing_out, reply(2042)),
    member_group(EAST),
        when(has_any_word({WORD_GO, WORD_JUMP}).AND(has_any_word({PLACE_PIT, WORD_WINDOW})), call(fall_down_the_shaft)),
    end(),
    member_group(WEST),
        when(has_any_word({WORD_GO, WORD_JUMP}).AND(has_word(PLACE_PIT)), call(fall_down_the_shaft)),
    end(),
    moving(),
        member_rows(),
    end(),
    mark({PLACE_PIT, WORD_ECHO, WORD_SHADOWS, WORD_DIRT, WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}),
    land(PLACE_SHAFT_BOTTOM, 1671),
};

template <int PLACE>
int mirror_ledge() {
    return run_member<MIRROR_LEDGE, MIRROR_LEDGES>(PLACE);
}

}  // namespace

int p607() { return run<HALL_OF_WAYS>(); }
int p924() { return run<PLANT_RIM>(); }
int p255() { return run<OIL_SEEP>(); }
int p923() { return run<PLANT_HOLLOW>(); }
int p544() { return run<NORTH_FORK>(); }
int p792() { return run<STAIRHEAD>(); }
int p925() { return run<WEST_PASSAGE>(); }
int p943() { return run<DRUM_CHAMBER>(); }
int p506() { return run<SLANT>(); }
int p257() { return mirror_ledge<PLACE_EAST_MIRROR_LEDGE>(); }
int p256() { return run<SEEP_RIM>(); }
int p926() { return mirror_ledge<PLACE_WEST_MIRROR_LEDGE>(); }
