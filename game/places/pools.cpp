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
constexpr int RELIQUARY = 43;

// "Climb down the shaft" or "jump down" at the pools counts as a move.
cond_fold over_the_edge() { return cond(keyword(WORD_CLIMB, 981, -1)).OR(keyword(762, WORD_DOWN, -1)); }

// --- The narrow entry (496) and the side grotto (497) ----------------------

// Place 496: narrow entry.
constexpr row NARROW_ENTRY[] = {
    look(),
        reply({961}, 1453),
        reply({1055, 993}, 3109),
        reply({WORD_DROP, 1026}, 3110),
        reply({475, 376}, 3107, arg(0)),
        reply({1060, WORD_OPENING, WORD_HOLE, WORD_WALL, 202}, 3104, arg(1060)),
        let({WORD_PASSAGE, 308, WORD_TUNNEL}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    when(has_any_word({WORD_WEST, WORD_CRACK, WORD_HOLE, 202}).AND(has_word(WORD_IN)), let(VAR_COMMAND_STATUS, 1)),
    moving(),
        go({WORD_SOUTH}, 294),
        go({WORD_NORTH}, 497),
        call({WORD_PASSAGE, 308, WORD_TUNNEL}, p329, ref(294), ref(749), ref(497), ref(745)),
        // Down the chimney to the pool stair, unless something carried
        // will not go through it.
        group({WORD_WEST, WORD_CRACK, WORD_HOLE, 202, WORD_OPENING}),
            call(p626, ref(2634), ref(1060)),
            forced(498),
        end(),
    end(),
    mark({308, WORD_PASSAGE, WORD_TUNNEL, 1055, 993, 1026}),
    mark({WORD_OPENING, WORD_HOLE, WORD_WALL, 1060, 202}),
};

// Place 497: side grotto.
constexpr row SIDE_GROTTO[] = {
    look(),
        reply({1055}, 3108),
        reply({834, 475, 376}, 3107, arg(1)),
        reply({WORD_PASSAGE, 308, WORD_TUNNEL}, 2903, arg(897)),
        reply({WORD_DROP, 1026}, 3050),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTH, WORD_PASSAGE, 308, WORD_TUNNEL}, 496),
    end(),
    mark({308, WORD_PASSAGE, WORD_TUNNEL, 1055}),
};

// --- The pool stair (498) and the upper grotto (499) -----------------------

cond_fold down_to_the_edge() { return cond(bitest(OBJ_EEL, EEL_BY_THE_EDGE)); }
cond_fold creeper_hall_visited() { return cond(is_visited(443)); }

// Place 498: pool stair.
// What is dropped or thrown here goes down the stair and over the fall,
// named first ("The lamp" and the rest).
constexpr row POOL_STAIR[] = {
    ret({WORD_CONSUME_LIQUID, 787}),
    reply({120}, 3103),
    // The look answers and goes on: the stair's own rows follow it.
    look(),
        reply({WORD_FLOOR}, 3101),
        reply({475, 376, 120}, 3102),
        reply({WORD_CRACK, WORD_HOLE, 202, WORD_OUT}, 3104, arg_of(202)),
        reply({981}, 3489),
    end(),
    when(has_word(WORD_FILL_VESSEL).AND(has_any_word({123, 119, 136})), reply(3103)),
    when([] { return cond(cond(anyof(WORD_CRACK, WORD_HOLE, WORD_OPENING, 202, -1)).AND(anyof(WORD_IN, WORD_OUT, -1))).OR(keyword(WORD_CLIMB, WORD_DOWN, -1)); },
         let(VAR_COMMAND_STATUS, 1)),
    moving(),
        go({WORD_WEST, 849}, 499),
        group({WORD_DOWN}),
            first(),
                when(down_to_the_edge, forced(501)),
                forced(500),
            end(),
        end(),
        group({WORD_UP, WORD_EAST, WORD_CRACK, WORD_HOLE, 202, WORD_OUT}),
            call(p626, ref(2634), ref(202)),
            forced(496),
        end(),
    end(),
    mark({120, WORD_CRACK, WORD_HOLE, 202, WORD_OUT, 981}),
    land(502, 2098),
    let(VAR_DROP_TEXT_MODE, 1),
    drop_to(502, 2098),
};

// Place 499: upper grotto.
constexpr row UPPER_GROTTO[] = {
    ret({WORD_CONSUME_LIQUID, 787}),
    reply({120}, 3172),
    reply({99}, 1730),
    group({941}),
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
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2903, arg(897)),
        reply({99, 1058}, 3100),
        let({889}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        go({WORD_EAST, WORD_DOWN, WORD_OUT, WORD_PASSAGE, WORD_TUNNEL, 308}, 498),
        reply({889}, 1425),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, 308, 889}),
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
        reply({1064}, 1849, arg_of(VAR_ARG2)),
        reply({962}, 1453),
        reply({WORD_DOWN, 120, 1062}, 3092),
        reply({956}, 3093),
        reply({WORD_WALL, 34, 893}, 3094),
        let({981}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    when(over_the_edge, let(VAR_COMMAND_STATUS, 1)),
    moving(),
        // Over the lip with the water, and down the fall.
        group({WORD_DOWN, 762, 981}),
            tell(1717),
            tell(1716),
            forced_on(502),
            call(p154),
        end(),
        group({WORD_UP, WORD_OUT, WORD_BACK, 727, WORD_CLIMB}),
            set_flag(OBJ_EEL, EEL_BY_THE_EDGE),
            let(OBJ_EEL, 0),
            step(fresh_fumes),
            first(),
                forced_if({727}, 501, 1450),
                forced(498),
            end(),
        end(),
    end(),
    mark({981, 34, 956, 1062}),
    land(502, 1776),
    let(VAR_DROP_TEXT_MODE, 1),
    drop_to(502, 1776),
};

// Place 501: pool edge.
constexpr row POOL_EDGE[] = {
    look(),
        reply({980, 912}, 3245),
        reply({WORD_DOWN, 120, 1062}, 3092),
        reply({956}, 3093),
        reply({WORD_WALL, 34}, 3094),
        reply({503, 970, 922}, 3095),
        reply({962}, 3092),
        let({981}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    when(over_the_edge, let(VAR_COMMAND_STATUS, 1)),
    moving(),
        // Down beside the fall to the vents; the pool is churned up behind.
        group({762, WORD_DOWN, 981}),
            clear_flag(OBJ_EEL, EEL_BY_THE_EDGE),
            set_flag(OBJ_EEL, OFLAG_EEL_STIRRED),
            forced(503, 1717),
        end(),
        go({WORD_UP, WORD_OUT, WORD_CLIMB}, 498),
    end(),
    mark({981, 956, 120, 1062, 503, 34}),
    land(502, 1776),
    let(VAR_DROP_TEXT_MODE, 1),
    drop_to(502, 1776),
};

// --- The bottom of the fall (502) ------------------------------------------

// The lettering by the pool answers for itself, unless the winder lies
// by with its own lettering read: then the words are left to the reading.
cond_fold lettering_answers() { return cond(!(cond(near(OBJ_WINDER)).AND(bitest(OBJ_WINDER, WINDER_READ)))); }
cond_fold reliquary_away() { return cond(has(RELIQUARY)).AND(!near(RELIQUARY)); }

// Place 502: bottom of the fall.
// The line-width word is left to its own procedure, so that the setting
// works here as everywhere.
constexpr row FALL_FOOT[] = {
    call(p185, ref(74)),
    when(lettering_answers, call(p297, ref(1870), ref(74))),
    reply({79}, 1777),
    look(),
        reply({962, 981}, 1849, arg_of(VAR_ARG2)),
        reply({970, WORD_WALL}, 3067),
        reply({WORD_WALL, 34}, 3094),
        reply({74}, 3068),
        reply({WORD_TUNNEL, WORD_PASSAGE, 308, 503}, 3069),
        reply({WORD_WATERS}, 2952, arg(950)),
        reply({475, 376}, 3071),
        when(reliquary_away, reply(3072)),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTH, WORD_OUT, 503, WORD_TUNNEL, WORD_PASSAGE, 308}, 503),
        reply({WORD_WATERS}, 1777),
    end(),
    mark({79, 956, 503, 970, 74}),
    mark({WORD_PASSAGE, WORD_TUNNEL, 308, WORD_WATERS, 475, 376}),
};

// --- The vents (503), the fume crossing (504) and the fume passages --------

// Place 503: vents.
constexpr row VENTS[] = {
    look(),
        reply({970, WORD_WALL}, 3067),
        reply({WORD_WALL, 34}, 3094),
        let({503}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        go({WORD_NORTH}, 502),
        go({WORD_SOUTH}, 504),
        call({503}, p329, ref(502), ref(745), ref(504), ref(749)),
    end(),
    mark({956, 970, 503}),
};

// Place 504: fume crossing.
constexpr row FUME_CROSSING[] = {
    when(has_word(OBJ_EEL).AND(word_count_over(1)), call(p698)),
    look(),
        reply({962, 120}, 1849, arg_of(VAR_ARG2)),
        reply({970, WORD_WALL}, 3067),
        reply({WORD_WALL, 34}, 3094),
        reply({1061}, 1512, arg(1)),
        reply({475, 376}, 3071),
        let({503}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        go({WORD_NORTH, 503}, 503),
        go({WORD_SOUTHWEST}, 508),
        go({WORD_WEST, WORD_NORTHWEST}, 509),
        go({WORD_EAST, WORD_SOUTH, WORD_SOUTHEAST}, 505),
        reply({1061}, 1297),
    end(),
    mark({OBJ_EEL, 1061, 956, 970, 503, 475, 376}),
};

// The fume passage, the lower fume passage and the fume pocket: k[0] is
// how the pipe looks there, k[1] marks the two junctions.
constexpr int PIPE_VIEW = 0, JUNCTION = 1;

int the_pipe_here() {
    say_stop_variant(1512, this_member().k[PIPE_VIEW]);
    return 0;
}

// Places 505: fume passage; 506: lower fume passage; 507: fume pocket.
constexpr member FUME_PASSAGES[] = {
    {505, {1, 1}, {go({WORD_NORTH}, 504), go({WORD_SOUTHEAST, WORD_SOUTHWEST}, 506), reply({271}, 1425), reply({1061}, 1297)}},
    {506, {1, 1}, {go({WORD_NORTH}, 505), go({WORD_SOUTH, WORD_SOUTHEAST}, 507), reply({1061}, 1297), reply({271}, 1425)}},
    {507, {0, 0}, {go({WORD_NORTH, WORD_OUT, 1061, 271}, 506)}},
};

// Places 505: fume passage; 506: lower fume passage; 507: fume pocket.
constexpr row FUME_PASSAGE[] = {
    look(),
        step({1061}, the_pipe_here),
        reply({WORD_WALL, 34}, 3094),
        member_group(JUNCTION),
            let({271}, VAR_COMMAND_STATUS, 1),
        end(),
        ret(),
    end(),
    moving(),
        member_rows(),
    end(),
    mark({1061, 956, 271}),
};

cond_fold climbing_the_shaft() { return cond(anyof(WORD_GO, WORD_CRAWL, -1)).OR(words() == 1); }
cond_fold rag_in_the_fumes() { return cond(getloc(OBJ_RAG) >= 503).AND(getloc(OBJ_RAG) <= 509); }

// Place 508: fume shaft.
// Up the chimney out of the fumes: a rag left in them drifts down to the
// foot of the fall.
constexpr row FUME_SHAFT[] = {
    look(),
        reply({981}, 1453),
        reply({WORD_STREAM}, 2165, arg(899)),
        reply({WORD_WALL, 34}, 3094),
        reply({1060}, 3066),
        reply({1061}, 1512, arg(2)),
        let({271}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    group(climbing_the_shaft),
        go({WORD_NORTHEAST, 1061, 503}, 504),
        group({WORD_UP, WORD_IN, WORD_OUT, WORD_CRAWL, 1060}),
            let(VAR_TURNS_AT_ONE_PLACE, 1),
            when(rag_in_the_fumes, put(OBJ_RAG, 502)),
            forced(510, 3061),
        end(),
        reply({271}, 1425),
    end(),
    mark({WORD_STREAM, 1061, 956, 271, 1060}),
};

// Place 509: fume dead end.
// The pipe here is said without a variant of its own: as where it ends.
constexpr row FUME_DEAD_END[] = {
    look(),
        reply({1061}, 1512),
        reply({WORD_WALL, 34}, 3094),
        ret(),
    end(),
    moving(),
        go({WORD_EAST, WORD_OUT, 503}, 504),
    end(),
    mark({1061, 956}),
};

// --- The stream gallery (510) and the upstream pool (511) ------------------

cond_fold swimming_upstream() { return cond(anyof(WORD_STREAM, WORD_UP, 849, -1)).AND(!bitest(OBJ_EEL, OFLAG_EEL_STIRRED)); }
cond_fold strokes_left() { return cond(value[511] <= 3); }
cond_fold current_lets_go() { return cond(irand(100) <= 14); }

// Place 510: stream gallery.
constexpr row STREAM_GALLERY[] = {
    group({WORD_STREAM}),
        call(p814),
        reply(1412),
    end(),
    look(),
        reply({1060}, 1849, arg_of(VAR_ARG2)),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2902, arg(897)),
        ret(),
    end(),
    moving(),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 1297),
        group({WORD_DOWN, 850}),
            set_flag(OBJ_EEL, OFLAG_EEL_STIRRED),
            forced(508),
        end(),
        group({WORD_NORTH, WORD_NORTHEAST, WORD_EAST, WORD_SOUTHEAST, WORD_SOUTH, WORD_SOUTHWEST, WORD_WEST, WORD_NORTHWEST, WORD_UP, 849}),
            let(511, 0),
            forced(511),
        end(),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, 308}),
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
        reply({966, 1064}, 1849, arg_of(VAR_ARG2)),
        reply({962}, 1453),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2902, arg(897)),
        ret(),
    end(),
    moving(),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 1297),
        group(swimming_upstream),
            first(),
                group(strokes_left),
                    call(p401),
                    add(511, 1),
                    forced(511),
                end(),
                otherwise(),
                    let(511, 0),
                    call(p240, ref(502)),
                    forced(223),
                end(),
            end(),
        end(),
        group({WORD_DOWN, 850}),
            when(current_lets_go, forced(510)),
        end(),
        group({WORD_NORTH, WORD_SOUTH, WORD_EAST, WORD_WEST, WORD_NORTHEAST, WORD_SOUTHEAST, WORD_NORTHWEST, WORD_SOUTHWEST, 849, WORD_UP, WORD_DOWN, 850}),
            call(p401),
            forced(511),
        end(),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, 308}),
};

// --- The crawlway (512 to 514) ---------------------------------------------

// Place 512: start of the crawlway.
constexpr row CRAWLWAY_START[] = {
    look(),
        reply({WORD_OPENING, WORD_WALL, WORD_HOLE}, 3097, arg(902)),
        reply({76}, 3096),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2903, arg(897)),
        let({283}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        go({WORD_WEST, WORD_OPENING, WORD_HOLE, 76}, 284),
        go({WORD_NORTH, WORD_PASSAGE}, 513),
        reply({283}, 1425),
    end(),
    mark({WORD_OPENING, WORD_HOLE, WORD_TUNNEL, 308, WORD_PASSAGE, 283}),
};

// Place 513: crawlway.
constexpr row CRAWLWAY[] = {
    look(),
        reply({283}, 2952, arg_of(283)),
        reply({WORD_WALL, 376, WORD_FLOOR, WORD_ROCK}, 3090),
        let({WORD_TUNNEL, WORD_PASSAGE, 308}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTH, 283}, 512),
        go({WORD_NORTH}, 514),
        call({WORD_TUNNEL, WORD_PASSAGE, 308}, p329, ref(512), ref(749), ref(514), ref(745)),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, 308, 283}),
};

// Place 514: end of the crawlway.
constexpr row CRAWLWAY_END[] = {
    look(),
        reply({922}, 1849, arg_of(VAR_ARG2)),
        reply({475, 376}, 2690, arg_of(VAR_ARG2)),
        reply({WORD_ECHO}, 1359),
        reply({WORD_OPENING, WORD_HOLE}, 3098),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2903, arg(897)),
        let({283}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTHWEST, WORD_PASSAGE}, 513),
        go({WORD_NORTH, WORD_ECHO, WORD_OPENING, WORD_HOLE}, 515),
        reply({283}, 1425),
    end(),
    mark({WORD_ECHO, 283, WORD_PASSAGE, 475, WORD_HOLE, WORD_OPENING}),
};

// --- The whirling cave (515), the quiet pocket (517), the dead-end cell ----

cond_fold one_in_three() { return cond(irand(100) <= 32); }

// Place 515: whirling cave.
// Every compass word first sweeps away what lies here; then the wind
// throws the player about: to the quiet pocket or round again, and from
// some ways out of the cave altogether, where what was swept away is
// waiting in the quiet pocket.
constexpr row WHIRLING_CAVE[] = {
    reply(all({WORD_LOOK, 1003}), 1453),
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
                    call(p240, ref(517)),
                    forced(514),
                end(),
                call(p542),
            end(),
        end(),
        group({WORD_NORTH, WORD_NORTHEAST, WORD_NORTHWEST}),
            first(),
                group(one_in_three),
                    call(p240, ref(517)),
                    forced(465),
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
        reply({1003}, 1453),
        reply({1059}, 3074),
        let({889}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    reply(all({794, 1059}), 2464),
    moving(),
        reply({889}, 1425),
        go({WORD_NORTH, WORD_BACK, WORD_OUT}, 457),
    end(),
    mark({889, 1059}),
};

// Place 517: quiet pocket.
constexpr row QUIET_POCKET[] = {
    reply(all({WORD_CLIMB, WORD_ROCK}), 2464),
    call(p185, ref(1130)),
    when(has_any_word({WORD_LOOK, 798}).AND(has_any_word({WORD_ROCK, 74, 1131, 1132, 1018, 173})),
         call(p702)),
    ret({WORD_LOOK}),
    moving(),
        go({WORD_NORTH, WORD_NORTHEAST, WORD_EAST, WORD_SOUTHEAST, WORD_SOUTH, WORD_SOUTHWEST, WORD_WEST, WORD_NORTHWEST, WORD_BACK}, 515),
    end(),
    mark({WORD_ECHO, 74, 1131, 1132, 1018}),
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
int p766() { return run_member<FUME_PASSAGE, FUME_PASSAGES>(505); }
int p767() { return run_member<FUME_PASSAGE, FUME_PASSAGES>(506); }
int p768() { return run_member<FUME_PASSAGE, FUME_PASSAGES>(507); }
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
