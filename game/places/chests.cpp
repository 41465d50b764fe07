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
        let({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, VAR_COMMAND_STATUS, 1),
        reply({WORD_HOLE, PLACE_SLUICE}, 2479),
        ret(),
    end(),
    when(has_word(WORD_CLIMB).AND(has_any_word({WORD_OUT, WORD_UP, WORD_HOLE})), let(VAR_COMMAND_STATUS, 1)),
    moving(),
        go({WORD_DOWN, WORD_SOUTH, WORD_PASSAGE}, PLACE_UNDERSIDE_OF_GRATE),
        forced_if({WORD_UP, WORD_OUT, WORD_HOLE, PLACE_SLUICE}, PLACE_SLUICE, 2070),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR, WORD_HOLE}),
};

// Place 489: underside of the grate.
constexpr row UNDER_THE_GRATE[] = {
    look(),
        reply({WORD_UP, WORD_AIR, WORD_LIGHT, WORD_LANDING, WORD_GRATING, WORD_STAIRWELL}, 3132),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2903, arg(WORD_PASSAGE)),
        reply({WORD_WALL}, 3133),
        let({PLACE_LAKESIDE_CHAMBER}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    reply({WORD_GRATING}, 1425),
    let({WORD_CLIMB}, VAR_COMMAND_STATUS, 1),
    moving(),
        go({WORD_NORTH, WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, PLACE_DRAIN_PASSAGE),
        forced_if({WORD_OUT, WORD_UP, WORD_CLIMB, PLACE_GRATE}, PLACE_GRATE, 1707),
        reply({PLACE_LAKESIDE_CHAMBER, WORD_GRATING}, 1425),
    end(),
    mark({WORD_GRATING, WORD_WALL, WORD_LANDING, WORD_AIR, WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR, WORD_STAIRWELL}),
};

// --- The chest room (490) ---------------------------------------------------

cond_fold chest_open() { return cond(value[OBJ_CHEST] > 0); }

// Looking into the open chest is looking at the chest.
constexpr row INTO_THE_CHEST[] = {
    first(),
        group({WORD_IN}),
            rewrite(WORD_IN, OBJ_CHEST),
        end(),
        otherwise(),
            rewrite(WORD_PINION, OBJ_CHEST),
        end(),
    end(),
};

int look_into_the_chest() { return run<INTO_THE_CHEST>(); }

// The imp with the figurine, where there is light to see it by.
cond_fold imp_sees_the_figurine() { return cond(has(OBJ_FIGURINE)).AND(near(OBJ_IMP)).AND(light()); }

// Place 490: chest room.
constexpr row CHEST_ROOM[] = {
    rewrite(OBJ_STEPS, OBJ_STAIRCASE),
    when(chest_open, reply({WORD_COBWEBS}, 2331)),
    look(),
        group({WORD_IN, WORD_PINION}),
            first(),
                when(chest_open, call(look_into_the_chest)),
                reply(1714, arg_of(OBJ_CHEST)),
            end(),
        end(),
        reply({PLACE_CEILING, WORD_UP}, 2019, arg(17)),
    end(),
    group({WORD_LID}),
        reply({WORD_LOOK}, 2332),
        rewrite(WORD_LID, OBJ_CHEST),
        call_word({WORD_LIFT, WORD_PULL}, WORD_OPEN),
    end(),
    reply({WORD_SHELF}, 2037, arg(WORD_SHELF)),
    group(imp_sees_the_figurine),
        first(),
            group({WORD_WAVE}),
                set_flag(VAR_GAME_FLAGS_3, 9),
                when(value_at_most(OBJ_IMP, 1), reply(2349)),
                reply(2350),
            end(),
            otherwise(),
                ret({WORD_LOOK, WORD_TAKE, WORD_GRAB}),
                // Only a figurine in the hand can be put down before the imp.
                group({WORD_DROP}),
                    when(object_not_carried(OBJ_FIGURINE), ret()),
                    put_here(OBJ_FIGURINE),
                    tell(3423),
                    add(VAR_CARRIED_COUNT, -1),
                    stop(),
                end(),
                group([] { return cond(bitest(VAR_GAME_FLAGS_3, 9)); }),
                    when(lacks_word(WORD_GIVE), mark()),
                    ret(),
                end(),
                tell(1266),
                reply(2663),
            end(),
        end(),
    end(),
    look(),
        let({PLACE_CHEST_ROOM}, VAR_COMMAND_STATUS, 1),
        reply({WORD_DIRT}, 2929),
        reply({OBJ_STAIRCASE, WORD_CREVICE, PLACE_CROSSWAY}, 2933, arg(1)),
        reply({OBJ_WEB}, 2380, arg_of(OBJ_WEB)),
        ret(),
    end(),
    let(all({WORD_CLIMB, OBJ_STAIRCASE}), VAR_COMMAND_STATUS, 1),
    moving(),
        group({WORD_UP, WORD_OUT, OBJ_STAIRCASE}),
            // The imp, merry with ale, hands over the torch as you go.
            when([] { return cond(near_in(OBJ_IMP, 1)); }, call(p884, num(1))),
            forced(PLACE_LADDER_HALL),
        end(),
    end(),
    mark({OBJ_STAIRCASE, WORD_CREVICE, PLACE_CROSSWAY, WORD_SHELF, WORD_DIRT, OBJ_WEB}),
};

// --- The timekeeper's room (491) -----------------------------------------------

cond_fold hourglass_here() { return cond(lies_here(OBJ_HOURGLASS)); }
cond_fold hourglass_running() { return cond(value[OBJ_HOURGLASS] > 0); }

// The hourglass comes out of the empty frame and stands here, at rest.
constexpr row BRING_THE_HOURGLASS[] = {
    let(PLACE_TIMEKEEPERS_ROOM, 1),
    put_here(OBJ_HOURGLASS),
    set_flag(OBJ_HOURGLASS, OFLAG_SEEN),
    let(OBJ_HOURGLASS, 1),
};

int bring_the_hourglass() { return run<BRING_THE_HOURGLASS>(); }

// Striking the hourglass: with the first blade carried, or bare-handed.
int strike_the_hourglass() {
    for (int blade : {OBJ_DAGGER, OBJ_SWORD, OBJ_AXE})
        if (cond(carried(blade))) {
            say_stop_variant(3354, blade);
            return 0;
        }
    say_stop(3366);
    return 0;
}

// Place 491: timekeeper's room.
constexpr row TIMEKEEPERS_ROOM[] = {
    rewrite(OBJ_STEPS, OBJ_STAIRCASE),
    rewrite(WORD_BRANCH, OBJ_HOURGLASS),
    // The fruit, when it is about, is left to the word procedures.
    when(has_word(OBJ_FRUIT).AND(object_near(OBJ_FRUIT)), ret()),
    rewrite(OBJ_FRUIT, OBJ_HOURGLASS),
    group([] { return cond(has(OBJ_HOURGLASS)).AND(!is_seen(OBJ_HOURGLASS)); }),
        call(bring_the_hourglass),
        tell(3367),
    end(),
    group([] { return cond(anyof(OBJ_HOURGLASS, OBJ_FRUIT, -1)).AND(hourglass_here()); }),
        reply({WORD_READ}, 3356, arg(WORD_READ)),
        group(lacks_word(WORD_LOOK)),
            step({WORD_ATTACK, WORD_STRIKE}, strike_the_hourglass),
            reply(2053),
        end(),
    end(),
    when([] { return cond(has(OBJ_DAGGER)).AND(carried(OBJ_DAGGER)).AND(anyof(WORD_WAVE, WORD_THROW,
                              -1)).AND(near(OBJ_HOURGLASS)).AND(!near(OBJ_ATTACKER)); },
         reply(2626, arg_of(VAR_ARG2))),
    group({WORD_SLIME, WORD_PINION, OBJ_FRUIT}),
        first(),
            group(hourglass_running),
                ret({WORD_PINION}),
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
                let_ref(VAR_ARG2, OBJ_HOURGLASS),
            end(),
        end(),
    end(),
    look(),
        let({PLACE_LAKESIDE_CHAMBER}, VAR_COMMAND_STATUS, 1),
        reply({OBJ_STAIRCASE}, 2748),
        reply({WORD_OPENING}, 2902, arg(WORD_PASSAGE)),
        group({WORD_DOORWAY, WORD_ARCH}),
            first(),
                when(hourglass_here, reply(3091)),
                rewrite(WORD_DOORWAY, OBJ_HOURGLASS),
            end(),
        end(),
        // The running sand is heard, not seen, until the hourglass stands
        // here: then the sand is the hourglass's.
        group({WORD_SAND}),
            first(),
                when(hourglass_here, rewrite(WORD_SAND, OBJ_HOURGLASS)),
                reply(3529, arg(2)),
            end(),
        end(),
        group({OBJ_HOURGLASS, WORD_ENTRY}),
            say_as(SAY_DETAIL, OBJ_HOURGLASS, 0),
            call(bring_the_hourglass),
            stop(),
        end(),
        ret(),
    end(),
    moving(),
        go({WORD_DOWN, OBJ_STAIRCASE}, PLACE_LADDER_HALL),
        go({WORD_NORTH}, PLACE_CLOSET),
        go({WORD_SOUTH, WORD_DOORWAY, WORD_ARCH, WORD_IN}, PLACE_STAIR_BOTTOM),
        go({WORD_WEST, PLACE_CROSSWAYS}, PLACE_CROSSWAYS),
    end(),
    mark({OBJ_STAIRCASE, WORD_SLIME, WORD_PINION, WORD_OPENING, WORD_ARCH, WORD_DOORWAY}),
    land(PLACE_LADDER_HALL, 1669),
};

// --- The closet (492), the small bend (493) and the recess (494) -------------

// Place 492: closet.
constexpr row CLOSET[] = {
    look(),
        let({PLACE_CLOSET}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTH}, PLACE_TIMEKEEPERS_ROOM),
        go({WORD_NORTH, PLACE_CLOSET}, PLACE_SMALL_BEND),
        go({WORD_SOUTHWEST, PLACE_CROSSWAYS}, PLACE_CROSSWAYS),
    end(),
    mark({PLACE_CLOSET}),
};

// Place 493: small bend.
constexpr row SMALL_BEND[] = {
    look(),
        let({PLACE_CLOSET, WORD_BEND}, VAR_COMMAND_STATUS, 1),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2903, arg(WORD_PASSAGE)),
        reply({PLACE_RECESS}, 3529, arg(0)),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTH, WORD_OUT, PLACE_CLOSET}, PLACE_CLOSET),
        go({WORD_NORTH, WORD_IN, WORD_PASSAGE}, PLACE_RECESS),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR, PLACE_CLOSET, WORD_BEND}),
};

// Place 494: recess.
constexpr row RECESS[] = {
    // The great feather's pinion, and the feather as the source of the
    // draught, while it lies as it was found.
    group(has_any_word({WORD_PINION, WORD_SOURCE}).AND(value_is(OBJ_FEATHER, 0))),
        rewrite(WORD_SOURCE, OBJ_FEATHER),
        rewrite(WORD_PINION, OBJ_FEATHER),
    end(),
    call(p185, ref(OBJ_GLYPHS)),
    group({OBJ_GLYPHS, OBJ_SIGN, WORD_LETTERS, OBJ_CARVING, OBJ_LETTERING}),
        reply({WORD_READ, WORD_LOOK}, 2285),
        reply(1885, arg_of(OBJ_GLYPHS)),
    end(),
    look(),
        reply({WORD_OUTCROP}, 2969, arg(WORD_OUTCROP)),
        let({PLACE_RECESS}, VAR_COMMAND_STATUS, 1),
        reply({PLACE_CLOSET}, 3529, arg(1)),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTH}, PLACE_SMALL_BEND),
        go({WORD_OUT}, PLACE_CLOSET),
        reply({PLACE_RECESS}, 1425),
    end(),
    mark({OBJ_GLYPHS, OBJ_SIGN, WORD_LETTERS, OBJ_CARVING, OBJ_LETTERING, WORD_OUTCROP, PLACE_RECESS}),
};

// --- The crossways (495) ----------------------------------------------------

cond_fold outlet_found() { return cond(value[1735] == 1); }

// The waterskin or the cask held out to the trickle here, while neither the
// jug nor the vial is held ready.
cond_fold filling_at_the_trickle() {
    return cond(!cond(have(OBJ_VESSEL_MEDIUM, 0, 2)).OR(have(OBJ_VESSEL_SMALL, 0, 2))).AND(keyword(WORD_TAKE,
                      OBJ_LIQUID_1, -1));
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
        reply({WORD_STREAM, WORD_SOURCE, OBJ_LIQUID_1}, 2605),
        reply({WORD_OUTCROP}, 2037, arg_of(VAR_ARG2)),
        reply({OBJ_STEPS}, 2748),
        reply({WORD_ARCH}, 3119),
        reply({WORD_TUNNEL, PLACE_CORRIDOR, WORD_PASSAGE}, 2902, arg(WORD_PASSAGE)),
        reply({WORD_WALL}, 3118),
        let({PLACE_CROSSWAYS}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    when([] { return cond(has(WORD_FILL_VESSEL)).AND(anyof(OBJ_WATERSKIN, OBJ_VESSEL_LARGE, -1)).AND(have(arg2(), 0,
                              2)); },
         reply(1743, arg_of(VAR_ARG2))),
    group(filling_at_the_trickle),
        first(),
            when([] { return cond(have(OBJ_VESSEL_LARGE, 0, 2)); }, reply(1743, arg_of(OBJ_VESSEL_LARGE))),
            when(object_carried(OBJ_WATERSKIN), reply(1743, arg_of(OBJ_WATERSKIN))),
        end(),
    end(),
    moving(),
        go({WORD_EAST}, PLACE_TIMEKEEPERS_ROOM),
        go({WORD_NORTHEAST}, PLACE_CLOSET),
        go({WORD_NORTH, WORD_DOWN, OBJ_STEPS}, PLACE_STAIR_LANDING),
        go({WORD_WEST}, PLACE_ANTECHAMBER),
        when(outlet_found, reply({OBJ_OUTLET}, 3436)),
        reply({PLACE_CROSSWAYS}, 1425),
    end(),
    mark({OBJ_STEPS, WORD_STREAM, PLACE_CROSSWAYS, WORD_OUTCROP, WORD_SOURCE, WORD_ARCH, WORD_HOLE}),
    mark({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR, WORD_WALL}),
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
