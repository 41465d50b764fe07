// The pools and the fumes: the narrow entry and its side grotto, the pool
// stair and the upper grotto, the plunge pool and its edge above the fall;
// below the fall the vents, the fume passages and the fume shaft, the
// stream gallery and the upstream pool that takes five tries; the crawlway
// from the glint grotto to the whirling cave, the quiet pocket beside it,
// and a dead-end cell. Each place's procedure answers its feature words,
// moves the player along its exits and marks the words of its features for
// the last replies. What is put down or thrown at the pools goes over the
// fall; what is left in the upstream pool or the whirling cave is swept
// off to the holding place and turns up again elsewhere.
#include "game.h"

using namespace rows;

namespace {

constexpr int EEL_BY_THE_EDGE = 13;  // flag of the eel: "down" from the pool stair reaches the edge
constexpr int WINDER_READ = 13;      // flag of the winder: the maker's mark on it has been read

// "Climb down the shaft" or "jump down" at the pools counts as a move.
cond_fold over_the_edge() { return cond(keyword(WORD_CLIMB, WORD_STAIRWELL, -1)).OR(keyword(WORD_JUMP, WORD_DOWN,
                                                -1)); }

// --- The narrow entry (496) and the side grotto (497) ----------------------

// Place 496: narrow entry.
constexpr row NARROW_ENTRY[] = {
    look(),
        reply({WORD_ENTRY}, 1453),
        reply({WORD_FLOWSTONE, WORD_BALCONY, WORD_DRAPES}, 3109),
        reply({WORD_DROP, WORD_INCLINE, OBJ_LIQUID_1}, 3110),
        reply({PLACE_WELL_HEAD, PLACE_CEILING}, 3107, arg(0)),
        reply({WORD_CHIMNEY, WORD_OPENING, WORD_HOLE, WORD_WALL, PLACE_STREAMBED}, 3104, arg(WORD_CHIMNEY)),
        let({WORD_PASSAGE, PLACE_CORRIDOR, WORD_TUNNEL}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    when(has_any_word({WORD_WEST, WORD_CRACK, WORD_HOLE, PLACE_STREAMBED}).AND(has_word(WORD_IN)),
         let(VAR_COMMAND_STATUS, 1)),
    moving(),
        go({WORD_SOUTH}, PLACE_FIVE_WAYS),
        go({WORD_NORTH}, PLACE_SIDE_GROTTO),
        call({WORD_PASSAGE, PLACE_CORRIDOR, WORD_TUNNEL}, p329, ref(PLACE_FIVE_WAYS), ref(WORD_SOUTH),
             ref(PLACE_SIDE_GROTTO), ref(WORD_NORTH)),
        // Down the chimney to the pool stair, unless something carried
        // will not go through it.
        group({WORD_WEST, WORD_CRACK, WORD_HOLE, PLACE_STREAMBED, WORD_OPENING}),
            call(p626, ref(2634), ref(WORD_CHIMNEY)),
            forced(PLACE_POOL_STAIR),
        end(),
    end(),
    mark({PLACE_CORRIDOR, WORD_PASSAGE, WORD_TUNNEL, WORD_FLOWSTONE, WORD_BALCONY, WORD_INCLINE}),
    mark({WORD_OPENING, WORD_HOLE, WORD_WALL, WORD_CHIMNEY, PLACE_STREAMBED}),
};

// Place 497: side grotto.
constexpr row SIDE_GROTTO[] = {
    look(),
        reply({WORD_FLOWSTONE}, 3108),
        reply({WORD_SEARCH, PLACE_WELL_HEAD, PLACE_CEILING}, 3107, arg(1)),
        reply({WORD_PASSAGE, PLACE_CORRIDOR, WORD_TUNNEL}, 2903, arg(WORD_PASSAGE)),
        reply({WORD_DROP, WORD_INCLINE}, 3050),
        reply({PLACE_GLINT_GROTTO}, 3545, arg(0)),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTH, WORD_PASSAGE, PLACE_CORRIDOR, WORD_TUNNEL}, PLACE_NARROW_ENTRY),
    end(),
    mark({PLACE_CORRIDOR, WORD_PASSAGE, WORD_TUNNEL, WORD_FLOWSTONE}),
};

// --- The pool stair (498) and the upper grotto (499) -----------------------

cond_fold down_to_the_edge() { return cond(bitest(OBJ_EEL, EEL_BY_THE_EDGE)); }
cond_fold creeper_hall_visited() { return cond(is_visited(PLACE_CREEPER_HALL)); }

// Place 498: pool stair.
// What is dropped or thrown here goes down the stair and over the fall,
// named first ("The lamp" and the rest).
constexpr row POOL_STAIR[] = {
    ret({WORD_CONSUME_LIQUID, WORD_POUR}),
    reply({OBJ_LIQUID_1}, 3103),
    // The look answers and goes on: the stair's own rows follow it.
    look(),
        reply({WORD_FLOOR}, 3101),
        reply({PLACE_WELL_HEAD, PLACE_CEILING, OBJ_LIQUID_1}, 3102),
        reply({WORD_CRACK, WORD_HOLE, PLACE_STREAMBED, WORD_OUT}, 3104, arg_of(PLACE_STREAMBED)),
        reply({WORD_STAIRWELL}, 3489),
        reply({WORD_ENTRY}, 3545, arg(2)),
        reply({PLACE_GLINT_GROTTO}, 3545, arg(3)),
    end(),
    when(has_word(WORD_FILL_VESSEL).AND(has_any_word({OBJ_VESSEL_SMALL, OBJ_VESSEL_MEDIUM, OBJ_VESSEL_LARGE})),
         reply(3103)),
    when([] { return cond(cond(anyof(WORD_CRACK, WORD_HOLE, WORD_OPENING, PLACE_STREAMBED, -1)).AND(anyof(WORD_IN,
                                     WORD_OUT, -1))).OR(keyword(WORD_CLIMB,
                               WORD_DOWN, -1)); },
         let(VAR_COMMAND_STATUS, 1)),
    moving(),
        go({WORD_WEST, WORD_UPSTREAM}, PLACE_UPPER_GROTTO),
        group({WORD_DOWN}),
            first(),
                when(down_to_the_edge, forced(PLACE_POOL_EDGE)),
                forced(PLACE_PLUNGE_POOL),
            end(),
        end(),
        group({WORD_UP, WORD_EAST, WORD_CRACK, WORD_HOLE, PLACE_STREAMBED, WORD_OUT}),
            call(p626, ref(2634), ref(PLACE_STREAMBED)),
            forced(PLACE_NARROW_ENTRY),
        end(),
    end(),
    mark({OBJ_LIQUID_1, WORD_CRACK, WORD_HOLE, PLACE_STREAMBED, WORD_OUT, WORD_STAIRWELL}),
    land(PLACE_BOTTOM_OF_FALL, 2098),
    let(VAR_DROP_TEXT_MODE, 1),
    drop_to(PLACE_BOTTOM_OF_FALL, 2098),
};

// Place 499: upper grotto.
constexpr row UPPER_GROTTO[] = {
    ret({WORD_CONSUME_LIQUID, WORD_POUR}),
    reply({OBJ_LIQUID_1}, 3172),
    reply({OBJ_FONT}, 1730),
    group({WORD_PUDDLE}),
        group({WORD_TAKE}),
            first(),
                when(creeper_hall_visited, reply(2541, arg(1))),
                reply(2541, arg(0)),
            end(),
        end(),
        reply({WORD_LOOK}, 2542),
        mark(),
        ret(),
    end(),
    look(),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2903, arg(WORD_PASSAGE)),
        reply({OBJ_FONT, WORD_SHADOWS}, 3100),
        reply({PLACE_GLINT_GROTTO}, 3545, arg(4)),
        let({WORD_CAVERN}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        go({WORD_EAST, WORD_DOWN, WORD_OUT, WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, PLACE_POOL_STAIR),
        reply({WORD_CAVERN}, 1425),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR, WORD_CAVERN}),
};

// --- The plunge pool (500) and the pool edge (501) -------------------------

// Climbing out of the plunge pool: the next way down the stair reaches the
// edge, the eel loses interest, and the fumes below start afresh.
int fresh_fumes() {
    value[VAR_HAZARD_LEVEL] = irand(4);
    return 0;
}

// Place 500: plunge pool.
// What is dropped or thrown here is swept over the fall. The thing is
// named first, as on the stair, whichever way it goes: thrown, the text's
// variant would otherwise follow the thing's own state, and a lamp that is
// lit would go over the fall with no name.
constexpr row PLUNGE_POOL[] = {
    look(),
        reply({WORD_CURRENT}, 1849, arg_of(VAR_ARG2)),
        reply({WORD_POOL}, 1453),
        reply({WORD_DOWN, OBJ_LIQUID_1, WORD_LIQUID}, 3092),
        reply({WORD_SPRAY}, 3093),
        reply({WORD_WALL, OBJ_NEST, WORD_HOLE}, 3094),
        reply({WORD_BRINK}, 3545, arg(5)),
        let({WORD_STAIRWELL}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    when(over_the_edge, let(VAR_COMMAND_STATUS, 1)),
    moving(),
        // Over the lip with the water, and down the fall.
        group({WORD_DOWN, WORD_JUMP, WORD_STAIRWELL}),
            tell(1717),
            tell(1716),
            forced_on(PLACE_BOTTOM_OF_FALL),
            call(p154),
        end(),
        group({WORD_UP, WORD_OUT, WORD_BACK, WORD_WAIT, WORD_CLIMB}),
            set_flag(OBJ_EEL, EEL_BY_THE_EDGE),
            let(OBJ_EEL, 0),
            step(fresh_fumes),
            first(),
                forced_if({WORD_WAIT}, PLACE_POOL_EDGE, 1450),
                forced(PLACE_POOL_STAIR),
            end(),
        end(),
    end(),
    mark({WORD_STAIRWELL, OBJ_NEST, WORD_SPRAY, WORD_LIQUID}),
    land(PLACE_BOTTOM_OF_FALL, 1776),
    let(VAR_DROP_TEXT_MODE, 1),
    drop_to(PLACE_BOTTOM_OF_FALL, 1776),
};

// Place 501: pool edge.
constexpr row POOL_EDGE[] = {
    look(),
        reply({WORD_BRINK, WORD_SHELF}, 3245),
        reply({WORD_DOWN, OBJ_LIQUID_1, WORD_LIQUID}, 3092),
        reply({WORD_SPRAY}, 3093),
        reply({WORD_WALL, OBJ_NEST}, 3094),
        reply({PLACE_VENTS, WORD_STONEWORK, WORD_MIST}, 3095),
        reply({WORD_POOL}, 3092),
        let({WORD_STAIRWELL}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    when(over_the_edge, let(VAR_COMMAND_STATUS, 1)),
    moving(),
        // Down beside the fall to the vents; the pool is churned up behind.
        group({WORD_JUMP, WORD_DOWN, WORD_STAIRWELL}),
            clear_flag(OBJ_EEL, EEL_BY_THE_EDGE),
            set_flag(OBJ_EEL, OFLAG_EEL_STIRRED),
            forced(PLACE_VENTS, 1717),
        end(),
        go({WORD_UP, WORD_OUT, WORD_CLIMB}, PLACE_POOL_STAIR),
    end(),
    mark({WORD_STAIRWELL, WORD_SPRAY, OBJ_LIQUID_1, WORD_LIQUID, PLACE_VENTS, OBJ_NEST}),
    land(PLACE_BOTTOM_OF_FALL, 1776),
    let(VAR_DROP_TEXT_MODE, 1),
    drop_to(PLACE_BOTTOM_OF_FALL, 1776),
};

// --- The bottom of the fall (502) ------------------------------------------

// The lettering by the pool answers for itself, unless the winder lies
// by with its own lettering read: then the words are left to the reading.
cond_fold lettering_answers() { return cond(!(cond(near(OBJ_WINDER)).AND(bitest(OBJ_WINDER, WINDER_READ)))); }
cond_fold reliquary_away() { return cond(has(OBJ_RELIQUARY)).AND(!near(OBJ_RELIQUARY)); }

// Place 502: bottom of the fall.
// The line-width word is left to its own procedure, so that the setting
// works here as everywhere.
constexpr row FALL_FOOT[] = {
    call(p185, ref(OBJ_LETTERING)),
    when(lettering_answers, call(p297, ref(1870), ref(OBJ_LETTERING))),
    reply({OBJ_HEAP}, 1777),
    look(),
        reply({WORD_POOL, WORD_STAIRWELL}, 1849, arg_of(VAR_ARG2)),
        reply({WORD_STONEWORK, WORD_WALL}, 3067),
        reply({WORD_WALL, OBJ_NEST}, 3094),
        reply({OBJ_LETTERING}, 3068),
        reply({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR, PLACE_VENTS}, 3069),
        reply({WORD_WATERS}, 2952, arg(WORD_WATERS)),
        reply({PLACE_WELL_HEAD, PLACE_CEILING}, 3071),
        when(reliquary_away, reply(3072)),
        reply({OBJ_LIQUID_1}, 3545, arg(8)),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTH, WORD_OUT, PLACE_VENTS, WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, PLACE_VENTS),
        reply({WORD_WATERS}, 1777),
    end(),
    mark({OBJ_HEAP, WORD_SPRAY, PLACE_VENTS, WORD_STONEWORK, OBJ_LETTERING}),
    mark({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR, WORD_WATERS, PLACE_WELL_HEAD, PLACE_CEILING}),
};

// --- The vents (503), the fume crossing (504) and the fume passages --------

// Place 503: vents.
constexpr row VENTS[] = {
    look(),
        reply({WORD_STONEWORK, WORD_WALL}, 3067),
        reply({WORD_WALL, OBJ_NEST}, 3094),
        let({PLACE_VENTS}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        go({WORD_NORTH}, PLACE_BOTTOM_OF_FALL),
        go({WORD_SOUTH}, PLACE_FUME_CROSSING),
        call({PLACE_VENTS}, p329, ref(PLACE_BOTTOM_OF_FALL), ref(WORD_NORTH), ref(PLACE_FUME_CROSSING),
             ref(WORD_SOUTH)),
    end(),
    mark({WORD_SPRAY, WORD_STONEWORK, PLACE_VENTS}),
};

// Place 504: fume crossing.
constexpr row FUME_CROSSING[] = {
    when(has_word(OBJ_EEL).AND(word_count_over(1)), call(p698)),
    look(),
        reply({WORD_POOL, OBJ_LIQUID_1}, 1849, arg_of(VAR_ARG2)),
        reply({WORD_STONEWORK, WORD_WALL}, 3067),
        reply({WORD_WALL, OBJ_NEST}, 3094),
        reply({WORD_PIPE}, 1512, arg(1)),
        reply({PLACE_WELL_HEAD, PLACE_CEILING}, 3071),
        reply({PLACE_CRAWL_CROSSING}, 3545, arg(9)),
        reply({WORD_STAIRWELL}, 3545, arg(10)),
        let({PLACE_VENTS}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        go({WORD_NORTH, PLACE_VENTS}, PLACE_VENTS),
        go({WORD_SOUTHWEST}, PLACE_FUME_SHAFT),
        go({WORD_WEST, WORD_NORTHWEST}, PLACE_FUME_DEAD_END),
        go({WORD_EAST, WORD_SOUTH, WORD_SOUTHEAST}, PLACE_FUME_PASSAGE),
        reply({WORD_PIPE}, 1297),
    end(),
    mark({OBJ_EEL, WORD_PIPE, WORD_SPRAY, WORD_STONEWORK, PLACE_VENTS, PLACE_WELL_HEAD, PLACE_CEILING}),
};

// The fume passage, the lower fume passage and the fume pocket: k[0] is
// how the pipe looks there, k[1] marks the two junctions, k[2] the lower
// passage where the fumes glow, k[3] the pocket.
constexpr int PIPE_VIEW = 0, JUNCTION = 1, GLOWING = 2, BLIND_END = 3;

int the_pipe_here() {
    say_stop_variant(1512, this_member().k[PIPE_VIEW]);
    return 0;
}

// Places 505: fume passage; 506: lower fume passage; 507: fume pocket.
constexpr member FUME_PASSAGES[] = {
    {PLACE_FUME_PASSAGE, {1, 1},
     {go({WORD_NORTH}, PLACE_FUME_CROSSING), go({WORD_SOUTHEAST, WORD_SOUTHWEST}, PLACE_LOWER_FUME_PASSAGE),
      reply({PLACE_WINDOW_JUNCTION}, 1425), reply({WORD_PIPE}, 1297)}},
    {PLACE_LOWER_FUME_PASSAGE, {1, 1, 1, 0},
     {go({WORD_NORTH}, PLACE_FUME_PASSAGE), go({WORD_SOUTH, WORD_SOUTHEAST}, PLACE_FUME_POCKET),
      reply({WORD_PIPE}, 1297), reply({PLACE_WINDOW_JUNCTION}, 1425)}},
    {PLACE_FUME_POCKET, {0, 0, 0, 1},
     {go({WORD_NORTH, WORD_OUT, WORD_PIPE, PLACE_WINDOW_JUNCTION}, PLACE_LOWER_FUME_PASSAGE)}},
};

// Places 505: fume passage; 506: lower fume passage; 507: fume pocket.
constexpr row FUME_PASSAGE[] = {
    look(),
        step({WORD_PIPE}, the_pipe_here),
        reply({WORD_WALL, OBJ_NEST}, 3094),
        member_group(JUNCTION),
            let({PLACE_WINDOW_JUNCTION}, VAR_COMMAND_STATUS, 1),
        end(),
        member_group(GLOWING),
            reply({WORD_LIGHT}, 3545, arg(12)),
        end(),
        member_group(BLIND_END),
            reply({PLACE_BLIND_POCKET}, 3545, arg(15)),
            reply({PLACE_WINDOW_JUNCTION}, 3545, arg(16)),
        end(),
        ret(),
    end(),
    moving(),
        member_rows(),
    end(),
    mark({WORD_PIPE, WORD_SPRAY, PLACE_WINDOW_JUNCTION}),
};

cond_fold climbing_the_shaft() { return cond(anyof(WORD_GO, WORD_CRAWL, -1)).OR(words() == 1); }
cond_fold rag_in_the_fumes() { return cond(getloc(OBJ_RAG) >= PLACE_VENTS).AND(getloc(OBJ_RAG) <= PLACE_FUME_DEAD_END); }

// Place 508: fume shaft.
// Up the chimney out of the fumes: a rag left in them drifts down to the
// foot of the fall.
constexpr row FUME_SHAFT[] = {
    look(),
        reply({WORD_STAIRWELL}, 1453),
        reply({WORD_STREAM}, 2165, arg(WORD_STREAM)),
        reply({WORD_WALL, OBJ_NEST}, 3094),
        reply({WORD_CHIMNEY}, 3066),
        reply({WORD_PIPE}, 1512, arg(2)),
        reply({PLACE_CRAWL_CROSSING}, 3545, arg(11)),
        let({PLACE_WINDOW_JUNCTION}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    group(climbing_the_shaft),
        go({WORD_NORTHEAST, WORD_PIPE, PLACE_VENTS}, PLACE_FUME_CROSSING),
        group({WORD_UP, WORD_IN, WORD_OUT, WORD_CRAWL, WORD_CHIMNEY}),
            let(VAR_TURNS_AT_ONE_PLACE, 1),
            when(rag_in_the_fumes, put(OBJ_RAG, PLACE_BOTTOM_OF_FALL)),
            forced(PLACE_STREAM_GALLERY, 3061),
        end(),
        reply({PLACE_WINDOW_JUNCTION}, 1425),
    end(),
    mark({WORD_STREAM, WORD_PIPE, WORD_SPRAY, PLACE_WINDOW_JUNCTION, WORD_CHIMNEY}),
};

// Place 509: fume dead end.
// The pipe here is said without a variant of its own: as where it ends.
constexpr row FUME_DEAD_END[] = {
    look(),
        reply({WORD_PIPE}, 1512),
        reply({WORD_WALL, OBJ_NEST}, 3094),
        ret(),
    end(),
    moving(),
        go({WORD_EAST, WORD_OUT, PLACE_VENTS}, PLACE_FUME_CROSSING),
    end(),
    mark({WORD_PIPE, WORD_SPRAY}),
};

// --- The stream gallery (510) and the upstream pool (511) ------------------

cond_fold swimming_upstream() { return cond(anyof(WORD_STREAM, WORD_UP, WORD_UPSTREAM, -1)).AND(!bitest(OBJ_EEL,
                                                  OFLAG_EEL_STIRRED)); }
cond_fold strokes_left() { return cond(value[PLACE_UPSTREAM_POOL] <= 3); }
cond_fold current_lets_go() { return cond(irand(100) <= 14); }

// Place 510: stream gallery.
constexpr row STREAM_GALLERY[] = {
    group({WORD_STREAM}),
        call(p814),
        reply(1412),
    end(),
    look(),
        reply({WORD_CHIMNEY}, 1849, arg_of(VAR_ARG2)),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2902, arg(WORD_PASSAGE)),
        reply({PLACE_WEST_END_OF_GALLERY}, 3545, arg(13)),
        reply({WORD_POOL}, 3545, arg(14)),
        ret(),
    end(),
    moving(),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 1297),
        group({WORD_DOWN, WORD_DOWNSTREAM}),
            set_flag(OBJ_EEL, OFLAG_EEL_STIRRED),
            forced(PLACE_FUME_SHAFT),
        end(),
        group({WORD_NORTH, WORD_NORTHEAST, WORD_EAST, WORD_SOUTHEAST, WORD_SOUTH, WORD_SOUTHWEST, WORD_WEST,
               WORD_NORTHWEST, WORD_UP, WORD_UPSTREAM}),
            let(PLACE_UPSTREAM_POOL, 0),
            forced(PLACE_UPSTREAM_POOL),
        end(),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}),
};

// Place 511: upstream pool.
// Each stroke upstream that fails leaves the player where they were, and
// whatever they left lying in the pool is swept away; the fifth gets
// through, and what was swept away washes up at the foot of the fall.
constexpr row UPSTREAM_POOL[] = {
    group({WORD_STREAM}),
        call(p814),
        reply(1412),
    end(),
    look(),
        reply({WORD_DOORWAY, WORD_CURRENT}, 1849, arg_of(VAR_ARG2)),
        reply({WORD_POOL}, 1453),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2902, arg(WORD_PASSAGE)),
        reply({PLACE_WEST_END_OF_GALLERY}, 3545, arg(17)),
        ret(),
    end(),
    moving(),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 1297),
        group(swimming_upstream),
            first(),
                group(strokes_left),
                    call(p401),
                    add(PLACE_UPSTREAM_POOL, 1),
                    forced(PLACE_UPSTREAM_POOL),
                end(),
                otherwise(),
                    let(PLACE_UPSTREAM_POOL, 0),
                    call(p240, ref(PLACE_BOTTOM_OF_FALL)),
                    forced(PLACE_SLANT),
                end(),
            end(),
        end(),
        group({WORD_DOWN, WORD_DOWNSTREAM}),
            when(current_lets_go, forced(PLACE_STREAM_GALLERY)),
        end(),
        group({WORD_NORTH, WORD_SOUTH, WORD_EAST, WORD_WEST, WORD_NORTHEAST, WORD_SOUTHEAST, WORD_NORTHWEST,
               WORD_SOUTHWEST, WORD_UPSTREAM, WORD_UP, WORD_DOWN, WORD_DOWNSTREAM}),
            call(p401),
            forced(PLACE_UPSTREAM_POOL),
        end(),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}),
};

// --- The crawlway (512 to 514) ---------------------------------------------

// Place 512: start of the crawlway.
constexpr row CRAWLWAY_START[] = {
    look(),
        reply({WORD_OPENING, WORD_WALL, WORD_HOLE}, 3097, arg(WORD_OPENING)),
        reply({OBJ_TRAPDOOR}, 3096),
        reply({PLACE_GLINT_GROTTO}, 3545, arg(1)),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2903, arg(WORD_PASSAGE)),
        let({PLACE_BURROW}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        go({WORD_WEST, WORD_OPENING, WORD_HOLE, OBJ_TRAPDOOR}, PLACE_GLINT_GROTTO),
        go({WORD_NORTH, WORD_PASSAGE}, PLACE_CRAWLWAY),
        reply({PLACE_BURROW}, 1425),
    end(),
    mark({WORD_OPENING, WORD_HOLE, WORD_TUNNEL, PLACE_CORRIDOR, WORD_PASSAGE, PLACE_BURROW}),
};

// Place 513: crawlway.
constexpr row CRAWLWAY[] = {
    look(),
        reply({PLACE_BURROW}, 2952, arg_of(PLACE_BURROW)),
        reply({WORD_WALL, PLACE_CEILING, WORD_FLOOR, WORD_ROCK}, 3090),
        let({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTH, PLACE_BURROW}, PLACE_START_OF_CRAWLWAY),
        go({WORD_NORTH}, PLACE_END_OF_CRAWLWAY),
        call({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, p329, ref(PLACE_START_OF_CRAWLWAY), ref(WORD_SOUTH),
             ref(PLACE_END_OF_CRAWLWAY), ref(WORD_NORTH)),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR, PLACE_BURROW}),
};

// Place 514: end of the crawlway.
constexpr row CRAWLWAY_END[] = {
    look(),
        reply({WORD_MIST}, 1849, arg_of(VAR_ARG2)),
        reply({PLACE_WELL_HEAD, PLACE_CEILING}, 2690, arg_of(VAR_ARG2)),
        reply({WORD_ECHO}, 1359),
        reply({WORD_OPENING, WORD_HOLE}, 3098),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2903, arg(WORD_PASSAGE)),
        let({PLACE_BURROW}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTHWEST, WORD_PASSAGE}, PLACE_CRAWLWAY),
        go({WORD_NORTH, WORD_ECHO, WORD_OPENING, WORD_HOLE}, PLACE_WHIRLING_CAVE),
        reply({PLACE_BURROW}, 1425),
    end(),
    mark({WORD_ECHO, PLACE_BURROW, WORD_PASSAGE, PLACE_WELL_HEAD, WORD_HOLE, WORD_OPENING}),
};

// --- The whirling cave (515), the quiet pocket (517), the dead-end cell ----

cond_fold one_in_three() { return cond(irand(100) <= 32); }

// Place 515: whirling cave.
// Every compass word first sweeps away what lies here; then the wind
// throws the player about: to the quiet pocket or round again, and from
// some ways out of the cave altogether, where what was swept away is
// waiting in the quiet pocket.
constexpr row WHIRLING_CAVE[] = {
    reply(all({WORD_LOOK, WORD_HOLLOW}), 1453),
    ret({WORD_LOOK}),
    moving(),
        call({WORD_NORTH, WORD_NORTHEAST, WORD_EAST, WORD_SOUTHEAST, WORD_SOUTH, WORD_SOUTHWEST, WORD_WEST, WORD_NORTHWEST}, p401),
        group({WORD_EAST, WORD_WEST}),
            call(p542),
            stop(),
        end(),
        group({WORD_SOUTH, WORD_SOUTHEAST, WORD_SOUTHWEST}),
            first(),
                group(one_in_three),
                    call(p240, ref(PLACE_QUIET_POCKET)),
                    forced(PLACE_END_OF_CRAWLWAY),
                end(),
                call(p542),
            end(),
        end(),
        group({WORD_NORTH, WORD_NORTHEAST, WORD_NORTHWEST}),
            first(),
                group(one_in_three),
                    call(p240, ref(PLACE_QUIET_POCKET)),
                    forced(PLACE_WEST_RIM_OF_ABYSS),
                end(),
                call(p542),
            end(),
        end(),
    end(),
    mark({WORD_ECHO}),
};

// Place 516: dead-end cell.
constexpr row DEAD_END_CELL[] = {
    look(),
        reply({WORD_HOLLOW}, 1453),
        reply({WORD_BONES}, 3074),
        let({WORD_CAVERN}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    reply(all({WORD_FIND, WORD_BONES}), 2464),
    moving(),
        reply({WORD_CAVERN}, 1425),
        go({WORD_NORTH, WORD_BACK, WORD_OUT}, PLACE_LITTLE_LABYRINTH_457),
    end(),
    mark({WORD_CAVERN, WORD_BONES}),
};

// Place 517: quiet pocket.
constexpr row QUIET_POCKET[] = {
    reply(all({WORD_CLIMB, WORD_ROCK}), 2464),
    call(p185, ref(WORD_ROCK)),
    when(has_any_word({WORD_LOOK,
                       WORD_READ}).AND(has_any_word({WORD_ROCK, OBJ_LETTERING, WORD_STONE, WORD_ROCKFALL, WORD_LABEL,
                                                     OBJ_MARKS})),
         call(p702)),
    look(),
        reply({PLACE_BLIND_POCKET}, 3545, arg(6)),
        reply({WORD_HOLLOW}, 3545, arg(7)),
        ret(),
    end(),
    moving(),
        go({WORD_NORTH, WORD_NORTHEAST, WORD_EAST, WORD_SOUTHEAST, WORD_SOUTH, WORD_SOUTHWEST, WORD_WEST,
            WORD_NORTHWEST, WORD_BACK},
           PLACE_WHIRLING_CAVE),
    end(),
    mark({WORD_ECHO, OBJ_LETTERING, WORD_STONE, WORD_ROCKFALL, WORD_LABEL}),
};

}  // namespace

int p875() { return run<NARROW_ENTRY>(); }
int p887() { return run<SIDE_GROTTO>(); }
int p546() { return run<POOL_STAIR>(); }
int p67() { return run<UPPER_GROTTO>(); }
int p668() { return run<PLUNGE_POOL>(); }
int p478() { return run<POOL_EDGE>(); }
int p755() { return run<FALL_FOOT>(); }
int p168() { return run<VENTS>(); }
int p169() { return run<FUME_CROSSING>(); }
int p766() { return run_member<FUME_PASSAGE, FUME_PASSAGES>(PLACE_FUME_PASSAGE); }
int p767() { return run_member<FUME_PASSAGE, FUME_PASSAGES>(PLACE_LOWER_FUME_PASSAGE); }
int p768() { return run_member<FUME_PASSAGE, FUME_PASSAGES>(PLACE_FUME_POCKET); }
int p769() { return run<FUME_SHAFT>(); }
int p770() { return run<FUME_DEAD_END>(); }
int p813() { return run<STREAM_GALLERY>(); }
int p812() { return run<UPSTREAM_POOL>(); }
int p41() { return run<CRAWLWAY_START>(); }
int p545() { return run<CRAWLWAY>(); }
int p524() { return run<CRAWLWAY_END>(); }
int p823() { return run<WHIRLING_CAVE>(); }
int p173() { return run<DEAD_END_CELL>(); }
int p826() { return run<QUIET_POCKET>(); }
