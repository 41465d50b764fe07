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

constexpr int EEL = 94;
constexpr int EEL_BY_THE_EDGE = 13;  // flag of the eel: "down" from the pool stair reaches the edge
constexpr int WINDER = 92;
constexpr int WINDER_READ = 13;      // flag of the winder: the maker's mark on it has been read
constexpr int RELIQUARY = 43;
constexpr int RAG = 132;

// "Climb down the shaft" or "jump down" at the pools counts as a move.
cond_fold over_the_edge() { return cond(keyword(848, 981, -1)).OR(keyword(762, 755, -1)); }

// --- The narrow entry (496) and the side grotto (497) ----------------------

// Place 496: narrow entry.
constexpr row NARROW_ENTRY[] = {
    look(),
        reply({1055, 993}, 3109),
        reply({766, 1026}, 3110),
        reply({475, 376}, 3107, arg(0)),
        reply({1060, 902, 893, 936, 202}, 3104, arg(1060)),
        let({897, 308, 898}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    when(has_any_word({751, 888, 893, 202}).AND(has_word(757)), let(VAR_COMMAND_STATUS, 1)),
    moving(),
        go({749}, 294),
        go({745}, 497),
        call({897, 308, 898}, p329, ref(294), ref(749), ref(497), ref(745)),
        // Down the chimney to the pool stair, unless something carried
        // will not go through it.
        group({751, 888, 893, 202, 902}),
            call(p626, ref(2634), ref(1060)),
            forced(498),
        end(),
    end(),
    mark({308, 897, 898, 1055, 993, 1026}),
    mark({902, 893, 936, 1060, 202}),
};

// Place 497: side grotto.
constexpr row SIDE_GROTTO[] = {
    look(),
        reply({1055}, 3108),
        reply({834, 475, 376}, 3107, arg(1)),
        reply({897, 308, 898}, 2903, arg(897)),
        reply({766, 1026}, 3050),
        ret(),
    end(),
    moving(),
        go({749, 897, 308, 898}, 496),
    end(),
    mark({308, 897, 898, 1055}),
};

// --- The pool stair (498) and the upper grotto (499) -----------------------

cond_fold down_to_the_edge() { return cond(bitest(EEL, EEL_BY_THE_EDGE)); }
cond_fold creeper_hall_visited() { return cond(is_visited(443)); }

// Place 498: pool stair.
// What is dropped or thrown here goes down the stair and over the fall,
// named first ("The lamp" and the rest).
constexpr row POOL_STAIR[] = {
    ret({WORD_CONSUME_LIQUID, 787}),
    reply({120}, 3103),
    // The look answers and goes on: the stair's own rows follow it.
    look(),
        reply({1137}, 3101),
        reply({475, 376, 120}, 3102),
        reply({888, 893, 202, 758}, 3104, arg_of(202)),
        reply({981}, 3489),
    end(),
    when(has_word(WORD_FILL_VESSEL).AND(has_any_word({123, 119, 136})), reply(3103)),
    when([] { return cond(cond(anyof(888, 893, 902, 202, -1)).AND(anyof(757, 758, -1))).OR(keyword(848, 755, -1)); },
         let(VAR_COMMAND_STATUS, 1)),
    moving(),
        go({751, 849}, 499),
        group({755}),
            first(),
                when(down_to_the_edge, forced(501)),
                forced(500),
            end(),
        end(),
        group({754, 747, 888, 893, 202, 758}),
            call(p626, ref(2634), ref(202)),
            forced(496),
        end(),
    end(),
    mark({120, 888, 893, 202, 758, 981}),
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
        reply({897, 898, 308}, 2903, arg(897)),
        reply({99, 1058}, 3100),
        let({889}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        go({747, 755, 758, 897, 898, 308}, 498),
        reply({889}, 1425),
    end(),
    mark({897, 898, 308, 889}),
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
        reply({755, 120, 1062}, 3092),
        reply({956}, 3093),
        reply({936, 34}, 3094),
        let({981}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    when(over_the_edge, let(VAR_COMMAND_STATUS, 1)),
    moving(),
        // Over the lip with the water, and down the fall.
        group({755, 762, 981}),
            tell(1717),
            tell(1716),
            forced_on(502),
            call(p154),
        end(),
        group({754, 758, 761, 727, 848}),
            set_flag(EEL, EEL_BY_THE_EDGE),
            let(EEL, 0),
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
        reply({755, 120, 1062}, 3092),
        reply({956}, 3093),
        reply({936, 34}, 3094),
        reply({503, 970}, 3095),
        let({981}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    when(over_the_edge, let(VAR_COMMAND_STATUS, 1)),
    moving(),
        // Down beside the fall to the vents; the pool is churned up behind.
        group({762, 755, 981}),
            clear_flag(EEL, EEL_BY_THE_EDGE),
            set_flag(EEL, OFLAG_EEL_STIRRED),
            forced(503, 1717),
        end(),
        go({754, 758, 848}, 498),
    end(),
    mark({981, 956, 120, 1062, 503, 34}),
    land(502, 1776),
    let(VAR_DROP_TEXT_MODE, 1),
    drop_to(502, 1776),
};

// --- The bottom of the fall (502) ------------------------------------------

// The lettering by the pool answers for itself, unless the winder lies
// by with its own lettering read: then the words are left to the reading.
cond_fold lettering_answers() { return cond(!(cond(near(WINDER)).AND(bitest(WINDER, WINDER_READ)))); }
cond_fold reliquary_away() { return cond(has(RELIQUARY)).AND(!near(RELIQUARY)); }

// Place 502: bottom of the fall.
// The line-width word is left to its own procedure, so that the setting
// works here as everywhere.
constexpr row FALL_FOOT[] = {
    call(p185, ref(74)),
    when(lettering_answers, call(p297, ref(1870), ref(74))),
    reply({79}, 1777),
    look(),
        reply({970, 936}, 3067),
        reply({936, 34}, 3094),
        reply({74}, 3068),
        reply({898, 897, 308, 503}, 3069),
        reply({950}, 2952, arg(950)),
        reply({475, 376}, 3071),
        when(reliquary_away, reply(3072)),
        ret(),
    end(),
    moving(),
        go({749, 758, 503, 898, 897, 308}, 503),
        reply({950}, 1777),
    end(),
    mark({79, 956, 503, 970, 74}),
    mark({897, 898, 308, 950, 475, 376}),
};

// --- The vents (503), the fume crossing (504) and the fume passages --------

// Place 503: vents.
constexpr row VENTS[] = {
    look(),
        reply({970, 936}, 3067),
        reply({936, 34}, 3094),
        let({503}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        go({745}, 502),
        go({749}, 504),
        call({503}, p329, ref(502), ref(745), ref(504), ref(749)),
    end(),
    mark({956, 970, 503}),
};

// Place 504: fume crossing.
constexpr row FUME_CROSSING[] = {
    when(has_word(EEL).AND(word_count_over(1)), call(p698)),
    look(),
        reply({970, 936}, 3067),
        reply({936, 34}, 3094),
        reply({1061}, 1512, arg(1)),
        reply({475, 376}, 3071),
        let({503}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        go({745, 503}, 503),
        go({750}, 508),
        go({751, 752}, 509),
        go({747, 749, 748}, 505),
        reply({1061}, 1297),
    end(),
    mark({EEL, 1061, 956, 970, 503, 475, 376}),
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
    {505, {1, 1}, {go({745}, 504), go({748, 750}, 506), reply({271}, 1425), reply({1061}, 1297)}},
    {506, {1, 1}, {go({745}, 505), go({749, 748}, 507), reply({1061}, 1297), reply({271}, 1425)}},
    {507, {0, 0}, {go({745, 758, 1061, 271}, 506)}},
};

// Places 505: fume passage; 506: lower fume passage; 507: fume pocket.
constexpr row FUME_PASSAGE[] = {
    look(),
        step({1061}, the_pipe_here),
        reply({936, 34}, 3094),
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

cond_fold climbing_the_shaft() { return cond(anyof(WORD_GO, 900, -1)).OR(words() == 1); }
cond_fold rag_in_the_fumes() { return cond(getloc(RAG) >= 503).AND(getloc(RAG) <= 509); }

// Place 508: fume shaft.
// Up the chimney out of the fumes: a rag left in them drifts down to the
// foot of the fall.
constexpr row FUME_SHAFT[] = {
    look(),
        reply({899}, 2165, arg(899)),
        reply({936, 34}, 3094),
        reply({1060}, 3066),
        reply({1061}, 1512, arg(2)),
        let({271}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    group(climbing_the_shaft),
        go({746, 1061, 503}, 504),
        group({754, 757, 758, 900, 1060}),
            let(VAR_TURNS_AT_ONE_PLACE, 1),
            when(rag_in_the_fumes, put(RAG, 502)),
            forced(510, 3061),
        end(),
        reply({271}, 1425),
    end(),
    mark({899, 1061, 956, 271, 1060}),
};

// Place 509: fume dead end.
// The pipe here is said without a variant of its own: as where it ends.
constexpr row FUME_DEAD_END[] = {
    look(),
        reply({1061}, 1512),
        reply({936, 34}, 3094),
        ret(),
    end(),
    moving(),
        go({747, 758, 503}, 504),
    end(),
    mark({1061, 956}),
};

// --- The stream gallery (510) and the upstream pool (511) ------------------

cond_fold swimming_upstream() { return cond(anyof(899, 754, 849, -1)).AND(!bitest(EEL, OFLAG_EEL_STIRRED)); }
cond_fold strokes_left() { return cond(value[511] <= 3); }
cond_fold current_lets_go() { return cond(irand(100) <= 14); }

// Place 510: stream gallery.
constexpr row STREAM_GALLERY[] = {
    group({899}),
        call(p814),
        reply(1412),
    end(),
    look(),
        reply({897, 898, 308}, 2902, arg(897)),
        ret(),
    end(),
    moving(),
        reply({897, 898, 308}, 1297),
        group({755, 850}),
            set_flag(EEL, OFLAG_EEL_STIRRED),
            forced(508),
        end(),
        group({745, 746, 747, 748, 749, 750, 751, 752, 754, 849}),
            let(511, 0),
            forced(511),
        end(),
    end(),
    mark({897, 898, 308}),
};

// Place 511: upstream pool.
// Each stroke upstream that fails leaves the player where they were, and
// whatever they left lying in the pool is swept away; the fifth gets
// through, and what was swept away washes up at the foot of the fall.
constexpr row UPSTREAM_POOL[] = {
    group({899}),
        call(p814),
        reply(1412),
    end(),
    look(),
        reply({897, 898, 308}, 2902, arg(897)),
        ret(),
    end(),
    moving(),
        reply({897, 898, 308}, 1297),
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
        group({755, 850}),
            when(current_lets_go, forced(510)),
        end(),
        group({745, 749, 747, 751, 746, 748, 752, 750, 849, 754, 755, 850}),
            call(p401),
            forced(511),
        end(),
    end(),
    mark({897, 898, 308}),
};

// --- The crawlway (512 to 514) ---------------------------------------------

// Place 512: start of the crawlway.
constexpr row CRAWLWAY_START[] = {
    look(),
        reply({902, 936, 893}, 3097, arg(902)),
        reply({76}, 3096),
        reply({897, 898, 308}, 2903, arg(897)),
        let({283}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        go({751, 902, 893, 76}, 284),
        go({745, 897}, 513),
        reply({283}, 1425),
    end(),
    mark({902, 893, 898, 308, 897, 283}),
};

// Place 513: crawlway.
constexpr row CRAWLWAY[] = {
    look(),
        reply({283}, 2952, arg_of(283)),
        reply({936, 376, 1137, 1130}, 3090),
        let({898, 897, 308}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        go({749, 283}, 512),
        go({745}, 514),
        call({898, 897, 308}, p329, ref(512), ref(749), ref(514), ref(745)),
    end(),
    mark({897, 898, 308, 283}),
};

// Place 514: end of the crawlway.
constexpr row CRAWLWAY_END[] = {
    look(),
        reply({475, 376}, 2690, arg_of(VAR_ARG2)),
        reply({937}, 1359),
        reply({902, 893}, 3098),
        reply({897, 898, 308}, 2903, arg(897)),
        let({283}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        go({750, 897}, 513),
        go({745, 937, 902, 893}, 515),
        reply({283}, 1425),
    end(),
    mark({937, 283, 897, 475, 893, 902}),
};

// --- The whirling cave (515), the quiet pocket (517), the dead-end cell ----

cond_fold one_in_three() { return cond(irand(100) <= 32); }

// Place 515: whirling cave.
// Every compass word first sweeps away what lies here; then the wind
// throws the player about: to the quiet pocket or round again, and from
// some ways out of the cave altogether, where what was swept away is
// waiting in the quiet pocket.
constexpr row WHIRLING_CAVE[] = {
    ret({WORD_LOOK}),
    moving(),
        call({745, 746, 747, 748, 749, 750, 751, 752}, p401),
        group({747, 751}),
            call(p542),
            stop(),
        end(),
        group({749, 748, 750}),
            first(),
                group(one_in_three),
                    call(p240, ref(517)),
                    forced(514),
                end(),
                call(p542),
            end(),
        end(),
        group({745, 746, 752}),
            first(),
                group(one_in_three),
                    call(p240, ref(517)),
                    forced(465),
                end(),
                call(p542),
            end(),
        end(),
    end(),
    mark({937}),
};

// Place 516: dead-end cell.
constexpr row DEAD_END_CELL[] = {
    look(),
        reply({1059}, 3074),
        let({889}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    reply(all({794, 1059}), 2464),
    moving(),
        reply({889}, 1425),
        go({745, 761, 758}, 457),
    end(),
    mark({889, 1059}),
};

// Place 517: quiet pocket.
constexpr row QUIET_POCKET[] = {
    reply(all({848, 1130}), 2464),
    call(p185, ref(1130)),
    when(has_any_word({WORD_LOOK, 798}).AND(has_any_word({1130, 74, 1131, 1132, 1018, 173})),
         call(p702)),
    ret({WORD_LOOK}),
    moving(),
        go({745, 746, 747, 748, 749, 750, 751, 752, 761}, 515),
    end(),
    mark({937, 74, 1131, 1132, 1018}),
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
