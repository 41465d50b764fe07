// The small rooms under the grate: the drain passage and the underside of
// the grate, the chest room with the imp, the timekeeper's room where the
// hourglass is found, the closet, the bend, the carved recess and the
// crossways. Each place's procedure answers its feature words, moves the
// player along its exits and marks the words of its features for the last
// replies; the chest room keeps the imp's dealings with the figurine and
// the torch, and the timekeeper's room brings the hourglass out.
#include "game.h"

using namespace rows;

namespace {

// --- The drain passage (488) and the underside of the grate (489) -----------

// Place 488: drain passage.
constexpr row DRAIN_PASSAGE[] = {
    look(),
        let({WORD_TUNNEL, WORD_PASSAGE, 308}, VAR_COMMAND_STATUS, 1),
        reply({WORD_HOLE, 453}, 2479),
        ret(),
    end(),
    when(has_word(WORD_CLIMB).AND(has_any_word({WORD_OUT, WORD_UP, WORD_HOLE})), let(VAR_COMMAND_STATUS, 1)),
    moving(),
        go({WORD_DOWN, WORD_SOUTH, WORD_PASSAGE}, 489),
        forced_if({WORD_UP, WORD_OUT, WORD_HOLE, 453}, 453, 2070),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, 308, WORD_HOLE}),
};

// Place 489: underside of the grate.
constexpr row UNDER_THE_GRATE[] = {
    look(),
        reply({WORD_UP, 975, WORD_LIGHT, 1052, 917, 981}, 3132),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2903, arg(897)),
        reply({WORD_WALL}, 3133),
        let({300}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    reply({917}, 1425),
    let({WORD_CLIMB}, VAR_COMMAND_STATUS, 1),
    moving(),
        go({WORD_NORTH, WORD_PASSAGE, WORD_TUNNEL, 308}, 488),
        forced_if({WORD_OUT, WORD_UP, WORD_CLIMB, 545}, 545, 1707),
        reply({300, 917}, 1425),
    end(),
    mark({917, WORD_WALL, 1052, 975, WORD_PASSAGE, WORD_TUNNEL, 308, 981}),
};

// --- The chest room (490) ---------------------------------------------------

cond_fold chest_open() { return cond(value[4] > 0); }

// Looking into the open chest is looking at the chest.
constexpr row INTO_THE_CHEST[] = {
    first(),
        group({WORD_IN}),
            rewrite(WORD_IN, 4),
        end(),
        otherwise(),
            rewrite(928, 4),
        end(),
    end(),
};

int look_into_the_chest() { return run<INTO_THE_CHEST>(); }

// The imp with the figurine, where there is light to see it by.
cond_fold imp_sees_the_figurine() { return cond(has(96)).AND(near(5)).AND(light()); }

// Place 490: chest room.
constexpr row CHEST_ROOM[] = {
    rewrite(7, 171),
    when(chest_open, reply({925}, 2331)),
    look(),
        group({WORD_IN, 928}),
            first(),
                when(chest_open, call(look_into_the_chest)),
                reply(1714, arg_of(4)),
            end(),
        end(),
        reply({376, WORD_UP}, 2019, arg(17)),
    end(),
    group({926}),
        reply({WORD_LOOK}, 2332),
        rewrite(926, 4),
        call_word({797, 807}, WORD_OPEN),
    end(),
    reply({912}, 2037, arg(912)),
    group(imp_sees_the_figurine),
        first(),
            group({781}),
                set_flag(VAR_GAME_FLAGS_3, 9),
                when(value_at_most(5, 1), reply(2349)),
                reply(2350),
            end(),
            otherwise(),
                ret({WORD_LOOK, WORD_TAKE, 809}),
                // Only a figurine in the hand can be put down before the imp.
                group({WORD_DROP}),
                    when(object_not_carried(96), ret()),
                    put_here(96),
                    tell(3423),
                    add(VAR_CARRIED_COUNT, -1),
                    stop(),
                end(),
                group([] { return cond(bitest(VAR_GAME_FLAGS_3, 9)); }),
                    when(lacks_word(805), mark()),
                    ret(),
                end(),
                tell(1266),
                reply(2663),
            end(),
        end(),
    end(),
    look(),
        let({490}, VAR_COMMAND_STATUS, 1),
        reply({992}, 2929),
        reply({171, 960, 268}, 2933, arg(1)),
        reply({89}, 2380, arg_of(89)),
        ret(),
    end(),
    let(all({WORD_CLIMB, 171}), VAR_COMMAND_STATUS, 1),
    moving(),
        group({WORD_UP, WORD_OUT, 171}),
            // The imp, merry with ale, hands over the torch as you go.
            when([] { return cond(near_in(5, 1)); }, call(p884, num(1))),
            forced(262),
        end(),
    end(),
    mark({171, 960, 268, 912, 992, 89}),
};

// --- The timekeeper's room (491) -----------------------------------------------

cond_fold hourglass_here() { return cond(lies_here(163)); }
cond_fold hourglass_running() { return cond(value[163] > 0); }

// The hourglass comes out of the empty frame and stands here, at rest.
constexpr row BRING_THE_HOURGLASS[] = {
    let(491, 1),
    put_here(163),
    set_flag(163, OFLAG_SEEN),
    let(163, 1),
};

int bring_the_hourglass() { return run<BRING_THE_HOURGLASS>(); }

// Striking the hourglass: with the first blade carried, or bare-handed.
int strike_the_hourglass() {
    for (int blade : {54, 125, 124})
        if (cond(carried(blade))) {
            say_stop_variant(3354, blade);
            return 0;
        }
    say_stop(3366);
    return 0;
}

// Place 491: timekeeper's room.
constexpr row TIMEKEEPERS_ROOM[] = {
    rewrite(7, 171),
    rewrite(915, 163),
    // The fruit, when it is about, is left to the word procedures.
    when(has_word(141).AND(object_near(141)), ret()),
    rewrite(141, 163),
    group([] { return cond(has(163)).AND(!is_seen(163)); }),
        call(bring_the_hourglass),
        tell(3367),
    end(),
    group([] { return cond(anyof(163, 141, -1)).AND(hourglass_here()); }),
        reply({798}, 3356, arg(798)),
        group(lacks_word(WORD_LOOK)),
            step({783, 784}, strike_the_hourglass),
            reply(2053),
        end(),
    end(),
    when([] { return cond(has(54)).AND(carried(54)).AND(anyof(781, 793, -1)).AND(near(163)).AND(!near(OBJ_ATTACKER)); },
         reply(2626, arg_of(VAR_ARG2))),
    group({929, 928, 141}),
        first(),
            group(hourglass_running),
                ret({928}),
                first(),
                    when(word_count(1), copy(VAR_WORK_WORD, VAR_ARG1)),
                    copy(VAR_WORK_WORD, VAR_ARG2),
                end(),
                reply(1319, arg_of(VAR_WORK_WORD)),
            end(),
            otherwise(),
                // Run out, the hourglass is what the player makes out there.
                let(VAR_COMMAND_STATUS, 2),
                let_ref(VAR_ARG1, WORD_LOOK),
                let_ref(VAR_ARG2, 163),
            end(),
        end(),
    end(),
    look(),
        let({300}, VAR_COMMAND_STATUS, 1),
        reply({171}, 2748),
        reply({WORD_OPENING}, 2902, arg(897)),
        group({966, 1054}),
            first(),
                when(hourglass_here, reply(3091)),
                rewrite(966, 163),
            end(),
        end(),
        group({163, 961}),
            say_as(SAY_DETAIL, 163, 0),
            call(bring_the_hourglass),
            stop(),
        end(),
        ret(),
    end(),
    moving(),
        go({WORD_DOWN, 171}, 262),
        go({WORD_NORTH}, 492),
        go({WORD_SOUTH, 966, 1054, WORD_IN}, 467),
        go({WORD_WEST, 495}, 495),
    end(),
    mark({171, 929, 928, WORD_OPENING, 1054, 966}),
    land(262, 1669),
};

// --- The closet (492), the small bend (493) and the recess (494) -------------

// Place 492: closet.
constexpr row CLOSET[] = {
    look(),
        let({492}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTH}, 491),
        go({WORD_NORTH, 492}, 493),
        go({WORD_SOUTHWEST, 495}, 495),
    end(),
    mark({492}),
};

// Place 493: small bend.
constexpr row SMALL_BEND[] = {
    look(),
        let({492, 1017}, VAR_COMMAND_STATUS, 1),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2903, arg(897)),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTH, WORD_OUT, 492}, 492),
        go({WORD_NORTH, WORD_IN, WORD_PASSAGE}, 494),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, 308, 492, 1017}),
};

// Place 494: recess.
constexpr row RECESS[] = {
    // The great feather's pinion, and the feather as the source of the
    // draught, while it lies as it was found.
    group(has_any_word({928, 967}).AND(value_is(149, 0))),
        rewrite(967, 149),
        rewrite(928, 149),
    end(),
    call(p185, ref(134)),
    group({134, 129, 1028, 30, 74}),
        reply({798, WORD_LOOK}, 2285),
        reply(1885, arg_of(134)),
    end(),
    look(),
        reply({913}, 2969, arg(913)),
        let({494}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTH}, 493),
        go({WORD_OUT}, 492),
        reply({494}, 1425),
    end(),
    mark({134, 129, 1028, 30, 74, 913, 494}),
};

// --- The crossways (495) ----------------------------------------------------

cond_fold outlet_found() { return cond(value[1735] == 1); }

// The waterskin or the cask held out to the trickle here, while neither the
// jug nor the vial is held ready.
cond_fold filling_at_the_trickle() {
    return cond(!cond(have(119, 0, 2)).OR(have(123, 0, 2))).AND(keyword(WORD_TAKE, OBJ_LIQUID_1, -1));
}

// Place 495: crossways.
constexpr row CROSSWAYS[] = {
    group({WORD_HOLE}),
        group({WORD_LOOK, WORD_IN}),
            let_variant(1735, 1),
            reply(3436),
        end(),
        reply(1403),
    end(),
    look(),
        reply({WORD_STREAM, 967, OBJ_LIQUID_1}, 2605),
        reply({913}, 2037, arg_of(VAR_ARG2)),
        reply({7}, 2748),
        reply({1054}, 3119),
        reply({WORD_TUNNEL, 308, WORD_PASSAGE}, 2902, arg(897)),
        reply({WORD_WALL}, 3118),
        let({495}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    when([] { return cond(has(WORD_FILL_VESSEL)).AND(anyof(84, 136, -1)).AND(have(arg2(), 0, 2)); },
         reply(1743, arg_of(VAR_ARG2))),
    group(filling_at_the_trickle),
        first(),
            when([] { return cond(have(136, 0, 2)); }, reply(1743, arg_of(136))),
            when(object_carried(84), reply(1743, arg_of(84))),
        end(),
    end(),
    moving(),
        go({WORD_EAST}, 491),
        go({WORD_NORTHEAST}, 492),
        go({WORD_NORTH, WORD_DOWN, 7}, 461),
        go({WORD_WEST}, 452),
        when(outlet_found, reply({103}, 3436)),
        reply({495}, 1425),
    end(),
    mark({7, WORD_STREAM, 495, 913, 967, 1054, WORD_HOLE}),
    mark({WORD_PASSAGE, WORD_TUNNEL, 308, WORD_WALL}),
};

}  // namespace

int p242() { return run<DRAIN_PASSAGE>(); }
int p918() { return run<UNDER_THE_GRATE>(); }
int p165() { return run<CHEST_ROOM>(); }
int p855() { return run<TIMEKEEPERS_ROOM>(); }
int p35() { return run<CLOSET>(); }
int p618() { return run<SMALL_BEND>(); }
int p186() { return run<RECESS>(); }
int p662() { return run<CROSSWAYS>(); }
