// Words that hand over to the look word: reading (798), which answers a
// number of things itself and hands the rest to the look chain; word 728;
// and consulting (854), which the look chain calls for the orb.
#include "game.h"

using namespace rows;

namespace {

// Reading with the lettering named while the cloth lies near in state 3:
// the lettering meant is the cloth's, so the look chain examines the cloth.
int read_the_cloth() {
    if (cond(near(92)).AND(bitest(92, 13))) {
        say_stop(1728);
        return 1;
    }
    if (cond(isnear(63, 0, 3))) {
        if (cond(value[VAR_ARG1] == 74)) value[VAR_ARG1] = 63;
        if (cond(value[VAR_ARG2] == 74)) value[VAR_ARG2] = 63;
        call_proc(WORD_LOOK);
        if (loop) return 1;
    }
    if (cond(here() == 356)) {
        say_stop_typed(2037, VAR_ARG2);
        return 1;
    }
    return 0;
}

constexpr row READ[] = {
    call_word({141}, WORD_LOOK),
    call({63}, p703),
    group({173}),
        first(),
            when(object_near(27), reply(3357, arg_of(27))),
            when(object_near(147), reply(3357, arg_of(147))),
            when(here_is(356), reply(3357, arg(936))),
        end(),
    end(),
    when(here_is(199), group({129, 134, 1018, 30, 74})),
        say_as(SAY_DETAIL, 129, 0),
        when(value_is(129, 0), let(129, 1)),
        stop(),
    end(),
    group(word_count_over(1)),
        group({91}),
            first(),
                when([] { return cond(isnear(89, 0, 0)); }, reply(2205, arg_of(VAR_ARG2))),
                when([] { return cond(isnear(89, 0, 1)); }, reply(1812)),
                when(object_near(91), reply(1796)),
            end(),
        end(),
        when(has_word(74).AND(object_not_near(74)), step(read_the_cloth)),
        when(here_is(288), reply({133}, 1494)),
        group([] { return cond(bitest(arg2(), FLAG_IS_OBJECT)).AND(near(arg2())); }),
            first(),
                reply({116}, 1490),
                reply({30}, 1491),
                group({92}), set_flag(92, 13), reply(1728), end(),
                group(has_word(WORD_ROCK).AND(here_is(517)).OR(has_word(74))), call(p702), end(),
                call({115}, p660),
                reply({35}, 1492),
                reply({152}, 2658),
                reply({OBJ_VESSEL_SMALL}, 3349),
                reply({OBJ_LIGHT_SOURCE}, 3350),
                call_word({151}, WORD_LOOK),
            end(),
        end(),
        when(object_near(OBJ_VESSEL_SMALL), reply({1018, 74}, 3349)),
        when(object_near(OBJ_LIGHT_SOURCE), reply({1018, 74, WORD_TOGGLE_LIGHT}, 3350)),
    end(),
    call(p39),
};

}  // namespace

int p701() { return run<READ>(); }

// Word 728 ("begin"): "begin" with the orb is looking at it; otherwise, the game has begun
// already.
int p153() {
    if (cond(has(81))) {
        call_proc(WORD_LOOK);
        if (loop) return 0;
    }
    say_stop(1733);
    return 0;
}

// Word 854 ("consult"): consulting the orb, in the light, for a hint.
int p753() {
    if (!cond(words() == 1).OR(has(81))) {
        say_stop(1315);
        return 0;
    }
    if (!cond(light())) {
        say_stop(1890);
        return 0;
    }
    if (cond(near(81))) {
        bitmod('s', VAR_HINT_NUMBER, 4);
        p892();
        return 0;
    }
    if (cond(here() == 463).AND(isat(81, -1, 0, 462))) {
        say_stop(1698);
        return 0;
    }
    say_stop(1891);
    return 0;
}
