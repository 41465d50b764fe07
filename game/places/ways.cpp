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
    choose_way(210);
    return 0;
}

// South-west: two times in three the way to the sentinel approach; else
// the lizard, near, refuses or sends the player back the way they came,
// and without it the passage pinches shut.
int hall_southwest() {
    if (cond(irand(100) <= 65)) {
        choose_way(274);
        return 0;
    }
    if (cond(near_in(9, 0))) {
        say_stop_variant(1503, 750);
        return 0;
    }
    if (cond(near_in(9, 1))) {
        if (cond(value[VAR_HUB_ORIGIN] == 274))
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
    } ways[] = {{745, 219}, {750, 0}, {896, 274}, {749, 220}, {751, 221},
                {755, 376}, {748, 375}, {752, 381}, {746, 378}};
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
    return cond(near(9)).AND(value[VAR_WORK_PLACE] != value[VAR_HUB_ORIGIN]);
}
cond_fold lizard_at_rest() { return cond(value[9] == 0); }
cond_fold compass_word_first() { return cond(within(arg1(), 744, 756)); }

// The move to the way chosen.
int take_the_way() {
    moveto(value[VAR_WORK_PLACE], -2);
    return 0;
}

// Place 214: hall of ways.
constexpr row HALL_OF_WAYS[] = {
    look(),
        reply({7}, 1849, arg_of(VAR_ARG2)),
        let({901}, VAR_COMMAND_STATUS, 1),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2902, arg(897)),
        ret(),
    end(),
    step(no_way_yet),
    when([] { return cond(has(7)).AND(cond(has(WORD_UP)).OR(has(WORD_CLIMB))); }, let(VAR_COMMAND_STATUS, 1)),
    moving(),
        step({7, WORD_UP, WORD_EAST}, way_up),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2904, arg(897)),
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
                    let(9, 1),
                    tell(1901, arg_of(9)),
                end(),
                reply(1500),
            end(),
        end(),
        step(take_the_way),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, 308, 7, 901}),
};

// --- The plant rim (215) and the plant hollow (218) ------------------------

cond_fold plant_at(int state) { return cond(value[13] == state); }
cond_fold plant_small() { return plant_at(0); }
cond_fold plant_half_grown() { return plant_at(1); }
cond_fold plant_grown() { return plant_at(2); }
cond_fold plant_above_half() { return cond(value[13] > 1); }

// Up the grown plant, through the hole in the roof, to its top.
constexpr row UP_THE_PLANT[] = {let_variant(2510, 0), forced(279, 1516)};

int up_the_plant() { return run<UP_THE_PLANT>(); }

// Place 215: plant rim.
constexpr row PLANT_RIM[] = {
    look(),
        reply({WORD_DOWN, 209}, 2846, arg_of(13)),
        reply({WORD_HOLE}, 2847),
        when(plant_above_half, reply({13}, 2081, arg_of(13))),
        ret(),
    end(),
    group({WORD_HOLE}),
        first(),
            group({WORD_GO, WORD_IN, WORD_CLIMB}),
                first(),
                    when(plant_grown, let_ref(VAR_ARG1, 848)),
                    reply(1437, arg(893)),
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
                    reply(1437, arg(893)),
                end(),
            end(),
            group({13}),
                first(),
                    when(plant_small, reply(1319, arg_of(VAR_ARG2))),
                    when(plant_half_grown, forced(218, 2845)),
                    call(up_the_plant),
                end(),
            end(),
        end(),
        reply({WORD_WALL}, 1437, arg(893)),
    end(),
    let(all({WORD_DOWN, 209}), VAR_COMMAND_STATUS, 1),
    moving(),
        go({WORD_EAST, WORD_CROSS}, 216),
        go({WORD_WEST, 268}, 268),
        go({WORD_DOWN, 209}, 218),
    end(),
    when(plant_above_half, mark({13})),
    land(218, 1671),
};

// A vessel has been chosen for this command.
cond_fold vessel_chosen() { return cond(value[VAR_VESSEL] > 0); }

// "Empty" with a vessel named that is near: that vessel is the one, and
// water in it goes onto the plant.
int empty_named_vessel() {
    if (!cond(anyof(136, 119, 123, -1)).AND(near(arg2()))) return 0;
    set('V', VAR_VESSEL, 'v', VAR_ARG2, nullptr, nullptr);
    value[VAR_VESSEL_STATE] = value[value[VAR_VESSEL]];
    *bitword(VAR_VESSEL_STATE) = *bitword(VAR_VESSEL);
    if (cond(value[VAR_VESSEL_STATE] == 3)) p903();
    return 0;
}

// Place 218: plant hollow.
constexpr row PLANT_HOLLOW[] = {
    look(),
        reply({1003}, 1453),
        reply({WORD_HOLE, WORD_UP}, 2847),
        ret(),
    end(),
    group({WORD_HOLE}),
        first(),
            let_ref({WORD_UP, WORD_GO, WORD_IN}, VAR_ARG1, 848),
            group([] { return cond(!has(WORD_CLIMB)).AND(words() != 1); }),
                mark(),
                ret(),
            end(),
        end(),
    end(),
    group(has_word(WORD_GO).OR(has_word(209)).OR(word_count(1))),
        go({WORD_UP, WORD_OUT}, 215),
    end(),
    group({WORD_CLIMB}),
        group(has_word(WORD_HOLE).OR(word_count(1))),
            first(),
                when(value_at_most(13, 1), reply(1437, arg(893))),
                let_ref(VAR_ARG2, 13),
            end(),
        end(),
        go({WORD_WALL, 209, WORD_OUT}, 215),
        first(),
            group({13}),
                first(),
                    when(plant_small, reply(1514)),
                    when(plant_half_grown, forced(215, 1515)),
                    call(up_the_plant),
                end(),
            end(),
            reply(1403),
        end(),
    end(),
    let(VAR_VESSEL, 0),
    group([] { return cond(has(787)).OR(has(814)).OR(keyword(WORD_DROP, OBJ_LIQUID_1, -1)); }),
        group(word_count(1)),
            let(VAR_VESSEL, 0),
            call(p321, num(0)),
            when(vessel_chosen, call(p903)),
        end(),
        call({OBJ_LIQUID_1}, p903),
    end(),
    call(all({OBJ_LIQUID_1, 139}), p903),
    group({804, 787}),
        when([] { return cond(has(OBJ_VESSEL_LARGE)).AND(near_in(OBJ_VESSEL_LARGE, 6)); }, call(p304)),
        step(empty_named_vessel),
    end(),
    group({13}),
        call({OBJ_LIQUID_1}, p903),
        reply({795, 151}, 2089),
        reply({WORD_TAKE, 807}, 1408, arg_of(13)),
    end(),
    group(has_word(151).AND(has_any_word({WORD_OPEN, 813, 814, 803}))),
        when(object_near(151), reply(2089)),
        call(p39),
    end(),
    mark({922}),
};

// --- The oil seep (217) and the seep rim (216) ------------------------------

// Place 217: oil seep.
constexpr row OIL_SEEP[] = {
    look(),
        reply({962, OBJ_LIQUID_2, 967}, 1925),
        let({209}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    when(has_word(WORD_CLIMB).AND(has_any_word({WORD_UP, WORD_OUT, WORD_WALL, 209})), let(VAR_COMMAND_STATUS, 1)),
    group(has_word(WORD_GO).OR(has_word(209)).OR(word_count(1))),
        reply({209}, 1425),
        go({WORD_CLIMB, WORD_UP, WORD_OUT}, 216),
    end(),
};

// Place 216: seep rim.
constexpr row SEEP_RIM[] = {
    look(),
        reply({999}, 3245),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2902, arg(897)),
        reply({WORD_DOWN, 209}, 2846, arg(0)),
        reply({538}, 3111),
        reply({WORD_OPENING, WORD_HOLE}, 3112),
        reply({268, WORD_FLOOR}, 3113),
        ret(),
    end(),
    moving(),
        go({WORD_EAST}, 267),
        go({WORD_WEST, WORD_CROSS, 538}, 215),
        go({WORD_DOWN, 209}, 217),
        reply({WORD_OPENING, WORD_HOLE}, 2638),
        call({WORD_TUNNEL, WORD_PASSAGE, 308}, p329, ref(267), ref(747), ref(215), ref(751)),
    end(),
    mark({538, WORD_PASSAGE, 209, WORD_OPENING, WORD_HOLE, 268}),
    land(217, 1671),
};

// --- The north fork, the stairhead and the west passage ---------------------

// Place 219: north fork.
constexpr row NORTH_FORK[] = {
    when(value_is(VAR_PHASE, 4), call(p149)),
    look(),
        reply({WORD_HOLE}, 2478, arg(0)),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2902, arg(897)),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTH, WORD_OUT, 901}, 214),
        go({WORD_NORTH, 222}, 222),
        go({WORD_DOWN, WORD_HOLE}, 257),
        go({WORD_HOLE}, 257),
        call({WORD_TUNNEL, WORD_PASSAGE, 308}, p329, ref(222), ref(745), ref(214), ref(749)),
    end(),
    land(257, 1673),
    mark({WORD_PASSAGE, WORD_TUNNEL, 308, WORD_HOLE}),
};

// Place 220: stairhead.
constexpr row STAIRHEAD[] = {
    look(),
        reply({981, WORD_DOWN}, 2754, arg(981)),
        group({7, 171, 1038}),
            tell(3242),
            reply(1266),
        end(),
        let({300}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    let({WORD_DOWN, 7, 171}, VAR_COMMAND_STATUS, 1),
    moving(),
        go({WORD_NORTH, WORD_OUT, 901}, 214),
        go({WORD_DOWN, 7, 171, 981}, 464),
        reply({300}, 1425),
    end(),
    mark({7, 171, 300}),
};

// Place 221: west passage.
constexpr row WEST_PASSAGE[] = {
    look(),
        let({300}, VAR_COMMAND_STATUS, 1),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2903, arg(897)),
        ret(),
    end(),
    moving(),
        go({WORD_EAST, WORD_OUT, 901}, 214),
        go({WORD_WEST, WORD_UP, WORD_PASSAGE}, 255),
        reply({300}, 1425),
    end(),
    mark({300, WORD_PASSAGE}),
};

// --- The drum chamber (222) and the slant (223) ----------------------------

// Place 222: drum chamber.
constexpr row DRUM_CHAMBER[] = {
    clear_flag(224, PFLAG_CREATURE_FREE),
    look(),
        reply({1003}, 1453),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2902, arg(897)),
        reply({WORD_WALL, 223}, 2907),
        reply({222, WORD_ROCK}, 2928),
        ret(),
    end(),
    // The squeeze word and fennoch work said alone or after "say".
    group({WORD_MAGIC_TRAVEL_2, 287}),
        when(word_count(2).AND(lacks_word(WORD_SAY)), ret()),
        group({287}),
            clear_flag(287, PFLAG_HINT_AVAILABLE),
            clear_flag(286, PFLAG_HINT_AVAILABLE),
            clear_flag(288, PFLAG_HINT_AVAILABLE),
            forced(287),
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
        go({WORD_SOUTH}, 219),
        go({WORD_EAST, WORD_WALL, 223}, 223),
        go({WORD_WEST}, 224),
        call({WORD_TUNNEL, WORD_PASSAGE, 308}, p329, ref(224), ref(751), ref(219), ref(747)),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, 308, 223, WORD_WALL, WORD_ROCK, 222}),
};

// Place 223: slant.
constexpr row SLANT[] = {
    look(),
        let({223}, VAR_COMMAND_STATUS, 1),
        reply({WORD_CRACK}, 2905),
        ret(),
    end(),
    moving(),
        go({WORD_DOWN, 222}, 222),
        go({WORD_UP}, 210),
        reply({WORD_NORTH, WORD_NORTHEAST, WORD_EAST, WORD_SOUTHEAST, WORD_SOUTH, WORD_SOUTHWEST, WORD_WEST, WORD_NORTHWEST}, 2906),
    end(),
    mark({WORD_CRACK, 223}),
};

// --- The mirror ledges (224, 225) ------------------------------------------

// The two ledges face each other across the mirror: the east ledge starts
// the hourglass once the hills have stirred, and over its edge goes a leap
// by the window too; each has its own way out.
constexpr int EAST = 0, WEST = 1;

// Places 224: east mirror ledge; 225: west mirror ledge.
constexpr member MIRROR_LEDGES[] = {
    {224, {1, 0}, {go({WORD_EAST, WORD_PASSAGE, WORD_TUNNEL, 308, 222}, 222)}},
    {225, {0, 1}, {go({WORD_WEST, WORD_PASSAGE, WORD_TUNNEL, 308}, 271)}},
};

cond_fold climbing_out() { return cond(has(WORD_CLIMB)).AND(cond(has(WORD_DOWN)).OR(has(209))); }

// Over the edge: a fall to the foot of the shaft, and a death there.
constexpr row FALL_DOWN_THE_SHAFT[] = {tell(1498), forced_on(296), call(p154)};

int fall_down_the_shaft() { return run<FALL_DOWN_THE_SHAFT>(); }

// Places 224: east mirror ledge; 225: west mirror ledge.
constexpr row MIRROR_LEDGE[] = {
    member_group(EAST),
        when(value_is(VAR_PHASE, 4), call(p149)),
    end(),
    call(p298),
    look(),
        reply({WORD_DOWN}, 2478, arg(1)),
        reply({999}, 3245),
        reply({1006}, 3316),
        reply({209}, 1769),
        reply({WORD_ECHO}, 1359),
        reply({1058, 992}, 3075),
        reply({WORD_FLOOR}, 3076),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2903, arg(897)),
        ret(),
    end(),
    when(climbing_out, reply(2042)),
    member_group(EAST),
        when(has_any_word({WORD_GO, 762}).AND(has_any_word({209, 920})), call(fall_down_the_shaft)),
    end(),
    member_group(WEST),
        when(has_any_word({WORD_GO, 762}).AND(has_word(209)), call(fall_down_the_shaft)),
    end(),
    moving(),
        member_rows(),
    end(),
    mark({209, WORD_ECHO, 1058, 992, WORD_PASSAGE, WORD_TUNNEL, 308}),
    land(296, 1671),
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
int p257() { return mirror_ledge<224>(); }
int p256() { return run<SEEP_RIM>(); }
int p926() { return mirror_ledge<225>(); }
