// The look word: the chain head that runs its sixteen chunks in order,
// and the first chunk, which describes the place when the word stands
// alone and answers the features that several places share.
#include "game.h"

using namespace rows;

namespace {

// Variable 1220 counts the looks made right after a move; the 25th says a
// remark once, and the counter is parked where it can never reach 25 again.
constexpr int LOOK_COUNTER = 1220;

int look_alone() {
    p188(num(1));
    if (loop) return 1;
    bitmod('s', here(), PFLAG_VISITED);
    if (cond(value[LOOK_COUNTER] == 25)) {
        value[LOOK_COUNTER] = 100;
        say_stop(3360);
        return 1;
    }
    if (cond(bitest(VAR_QUESTION, VFLAG_QUESTION_ARRIVED))) value[LOOK_COUNTER]++;
    loop = 1;
    return 1;
}

// The look word's own named word hands over to that word's procedure.
int second_word_proc() {
    call_proc(arg2());
    return 0;
}

// The ways out of a grid place: how many are open, and which.
int grid_ways() {
    if (cond(here_has(PFLAG_SHIFTING_EXITS))) {
        p534(num(0));
        if (loop) return 1;
        set('T', 3004, 'c', here() - 594, nullptr, nullptr);
        if (cond(here() == 596).OR(here() == 597).OR(here() == 601).OR(here() == 607).OR(here() == 610))
            say(SAY_ARG | SAY_ARGVAR, 3003, VAR_RESULT);
        else
            say(SAY_ARG | SAY_ARGVAR, 3005, VAR_RESULT);
        if (cond(value[VAR_RESULT] == 0)) {
            say_stop(1266);
            return 1;
        }
        p534(var(VAR_RESULT));
        if (loop) return 1;
        say(0, 3208, 0);
        say_stop(1266);
        return 1;
    }
    if (cond(here() == 619))
        say_stop_variant(3009, 0);
    else if (cond(here() == 623))
        say_stop_variant(3009, 1);
    else if (cond(here() == 626))
        say_stop_variant(3009, 2);
    else
        say_stop(3008);
    return 1;
}

cond_fold open_sky() { return cond(here_has(7)).AND(!here_has(18)); }
cond_fold here_in(int lo, int hi) { return cond(within(here(), lo, hi)); }

constexpr row LOOK_FIRST[] = {
    reply({1006}, 2819),
    reply({WORD_FLOOR}, 2716, arg_of(VAR_ARG2)),
    reply({1131}, 2896, arg_of(VAR_ARG2)),
    when([] { return cond(within(arg2(), 744, 753)); }, reply(2703, arg_of(VAR_ARG2))),
    group({173}),
        first(),
            when(object_near(27), reply(3358, arg_of(27))),
            when(object_near(147), reply(3358, arg_of(147))),
        end(),
    end(),
    when([] { return here_in(531, 537); }, reply({201}, 2683)),
    reply({WORD_ROCK}, 2709),
    group({1136}),
        first(),
            when([] { return here_in(587, 627); }, reply(2686, arg(4))),
            when(here_is(318), reply(2686, arg_of(318))),
        end(),
    end(),
    group({977}),
        first(),
            when([] { return here_in(587, 627); }, reply(2685, arg(0))),
            when(here_is(318).AND(value_is(318, 2)), reply(2685, arg(1))),
            when(here_is(318).AND(value_is(318, 3)), reply(2685, arg(2))),
            when(here_is(318), otherwise()), end(),  // no view of it in this state
            when(here_is(444).OR(here_is(446)), reply(2684, arg(1))),
            when(here_is(544).OR(here_is(542)).OR(here_is(543)), reply(2684, arg(2))),
            when([] {
                     const int h = here();
                     return cond(h == 573).OR(h == 574).OR(h == 568).OR(h == 566).OR(h == 567).OR(h == 561)
                         .OR(h == 559).OR(h == 560);
                 },
                 reply(2690, arg(977))),
            when(open_sky, reply(2684, arg(0))),
        end(),
    end(),
    group({889}),
        first(),
            when([] {
                     const int h = here();
                     return cond(here_has(7)).AND(h != 203).AND(h != 438).AND(h != 318).AND(h != 627);
                 },
                 reply(1319, arg(889))),
            otherwise(), reply(2678), end(),
        end(),
    end(),
    group({376, 475, WORD_UP}),
        first(),
            when([] { return cond(here_in(642, 648)).OR(here_in(651, 670)); }, reply(2019, arg(19))),
            when([] { return here_in(391, 426); }, reply(2019, arg(11))),
            when(open_sky, reply(3422)),
            otherwise(), reply(2033, arg_of(376)), end(),
        end(),
    end(),
    step({WORD_ECHO, 76, 855}, second_word_proc),
    group([] { return cond(here_in(631, 632)).OR(here_in(635, 638)); }),
        first(),
            reply({635, WORD_STREAM}, 2625, arg(0)),
            reply({913}, 2625, arg(1)),
            reply({120, WORD_STREAM}, 2625, arg(2)),
            reply({1064}, 2625, arg(3)),
            reply({996, 1002, 1010}, 2625, arg(4)),
        end(),
    end(),
    first(),
        group(open_sky),
            reply({WORD_UP}, 2476, arg(1)),
            reply({1136}, 2029),
        end(),
        otherwise(),
            reply({WORD_UP}, 2476, arg(0)),
            reply({1136}, 1319, arg(1136)),
        end(),
    end(),
    reply({WORD_DOWN}, 2477),
    call({95, 145, 46}, p127),
    when(object_near(63), call({173, 63}, p703)),
    group({129, 173, 91, 74, 116, 73}),
        call_word(798),
        stop(),
    end(),
    when(here_is(473).OR(here_is(474)).OR(here_is(476)), reply({913}, 2451)),
    when([] { return cond(isnear(OBJ_VESSEL_LARGE, 0, 6)); }, group({OBJ_LIQUID_4})),
        say_as(SAY_DETAIL, OBJ_LIQUID_4, 0),
        stop(),
    end(),
    when(object_near(148), reply({1008}, 2824)),
    group({1072}),
        first(),
            group([] { return cond(here_in(587, 627)).AND(here() != 618); }), step(grid_ways), end(),
            otherwise(), reply(1319, arg(1072)), end(),
        end(),
    end(),
    reply({939}, 3465),
    when([] {
             const int h = here();
             return cond(h == 220).OR(h == 462).OR(h == 463).OR(h == 464).OR(h == 473).OR(h == 474)
                 .OR(h == 475).OR(h == 282).OR(h == 448).OR(near(110)).OR(near(112)).OR(near(111));
         },
         reply({1057}, 3088)),
    when(object_near(OBJ_LIGHT_SOURCE).AND(object_not_near(OBJ_LIGHT_REFILL)), reply({OBJ_LIGHT_REFILL}, 3466)),
};

}  // namespace

// Word 822 ("look") (chain head): the sixteen parts of looking, the place first, then the things
// named.
int p274() {
    return run_chain({p275, p276, p277, p278, p279, p280, p281, p282, p283, p284, p285, p286, p287, p288, p289, p290});
}

// Chain part of p274 (word 822 ("look")), part 1 of 16: first chunk.
int p275() {
    if (cond(words() == 1)) {
        look_alone();
        return 0;
    }
    return run<LOOK_FIRST>();
}
