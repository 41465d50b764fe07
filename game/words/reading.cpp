// Words that hand over to the look word: reading (798), which answers a
// number of things itself and hands the rest to the look chain; word 728;
// and consulting (854), which the look chain calls for the orb.
#include "game.h"

using namespace rows;

namespace {

// Reading with the lettering named while the cloth lies near in state 3:
// the lettering meant is the cloth's, so the look chain examines the cloth.
int read_the_cloth() {
    if (cond(near(OBJ_WINDER)).AND(bitest(OBJ_WINDER, 13))) {
        say_stop(1728);
        return 1;
    }
    if (cond(isnear(OBJ_CLOTH, 0, 3))) {
        if (cond(value[VAR_ARG1] == OBJ_LETTERING)) value[VAR_ARG1] = OBJ_CLOTH;
        if (cond(value[VAR_ARG2] == OBJ_LETTERING)) value[VAR_ARG2] = OBJ_CLOTH;
        call_proc(WORD_LOOK);
        if (loop) return 1;
    }
    if (cond(here() == PLACE_VIAL_NICHE)) {
        say_stop_typed(2037, VAR_ARG2);
        return 1;
    }
    return 0;
}

constexpr row READ[] = {
    call_word({OBJ_FRUIT}, WORD_LOOK),
    call({OBJ_CLOTH}, p703),
    group({OBJ_MARKS}),
        first(),
            when(object_near(OBJ_GONG), reply(3357, arg_of(OBJ_GONG))),
            when(object_near(OBJ_SCEPTRE), reply(3357, arg_of(OBJ_SCEPTRE))),
            when(here_is(PLACE_VIAL_NICHE), reply(3357, arg(WORD_WALL))),
        end(),
    end(),
    when(here_is(PLACE_RIVER_BLUFF), group({OBJ_SIGN, OBJ_GLYPHS, WORD_LABEL, OBJ_CARVING, OBJ_LETTERING})),
        say_as(SAY_DETAIL, OBJ_SIGN, 0),
        when(value_is(OBJ_SIGN, 0), let(OBJ_SIGN, 1)),
        stop(),
    end(),
    group(word_count_over(1)),
        group({OBJ_SPRITE}),
            first(),
                when([] { return cond(isnear(OBJ_WEB, 0, 0)); }, reply(2205, arg_of(VAR_ARG2))),
                when([] { return cond(isnear(OBJ_WEB, 0, 1)); }, reply(1812)),
                when(object_near(OBJ_SPRITE), reply(1796)),
            end(),
        end(),
        when(has_word(OBJ_LETTERING).AND(object_not_near(OBJ_LETTERING)), step(read_the_cloth)),
        when(here_is(PLACE_DARK_NOOK), reply({OBJ_SCRATCHES}, 1494)),
        group([] { return cond(bitest(arg2(), FLAG_IS_OBJECT)).AND(near(arg2())); }),
            first(),
                reply({OBJ_PLAQUE}, 1490),
                reply({OBJ_CARVING}, 1491),
                group({OBJ_WINDER}), set_flag(OBJ_WINDER, 13), reply(1728), end(),
                group(has_word(WORD_ROCK).AND(here_is(PLACE_QUIET_POCKET)).OR(has_word(OBJ_LETTERING))), call(p702), end(),
                call({OBJ_CASKET}, p660),
                reply({OBJ_AUTOMATON}, 1492),
                reply({OBJ_POD}, 2658),
                reply({OBJ_VESSEL_SMALL}, 3349),
                reply({OBJ_LIGHT_SOURCE}, 3350),
                call_word({OBJ_BUNDLE}, WORD_LOOK),
            end(),
        end(),
        when(object_near(OBJ_VESSEL_SMALL), reply({WORD_LABEL, OBJ_LETTERING}, 3349)),
        when(object_near(OBJ_LIGHT_SOURCE), reply({WORD_LABEL, OBJ_LETTERING, WORD_TOGGLE_LIGHT}, 3350)),
    end(),
    call(p39),
};

}  // namespace

int p701() { return run<READ>(); }

// Word 728 ("begin"): "begin" with the orb is looking at it; otherwise, the game has begun
// already.
int p153() {
    if (cond(has(OBJ_ORB))) {
        call_proc(WORD_LOOK);
        if (loop) return 0;
    }
    say_stop(1733);
    return 0;
}

// Word 854 ("consult"): consulting the orb, in the light, for a hint.
int p753() {
    if (!cond(words() == 1).OR(has(OBJ_ORB))) {
        say_stop(1315);
        return 0;
    }
    if (!cond(light())) {
        say_stop(1890);
        return 0;
    }
    if (cond(near(OBJ_ORB))) {
        bitmod('s', VAR_HINT_NUMBER, 4);
        p892();
        return 0;
    }
    if (cond(here() == PLACE_LOWER_LEDGE).AND(isat(OBJ_ORB, -1, 0, PLACE_BRINK_OF_DROP))) {
        say_stop(1698);
        return 0;
    }
    say_stop(1891);
    return 0;
}
