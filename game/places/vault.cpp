// The vault and the side passages off the hall of ways: the tablet steps,
// the scree pocket, the ceiling before the round vault door, the vault
// behind it, the north passage and its bend, the marked end, the three
// ways, the step passage and the still chamber. Each place's procedure
// answers its feature words, moves the player along its exits and marks the
// words of its features for the last replies.
#include "game.h"

using namespace rows;

namespace {

// Object 36 is the round vault door: open in state 1, shut in any other.
cond_fold vault_open() { return cond(value[OBJ_VAULT_DOOR] == 1); }

// --- Tablet steps (374) -----------------------------------------------------

// Place 374: tablet steps.
constexpr row TABLET_STEPS[] = {
    call(p185, ref(OBJ_TABLET)),
    when(has_any_word({OBJ_TABLET, OBJ_GLYPHS, OBJ_SIGN, OBJ_CARVING, WORD_LABEL,
                       OBJ_LETTERING}).AND(has_any_word({WORD_READ, WORD_LOOK})),
         reply(1823)),
    look(),
        reply({OBJ_STEPS}, 2748),
        reply({PLACE_TABLET_STEPS, WORD_WALL}, 2749),
        reply({WORD_ROCK}, 2037, arg(WORD_ROCK)),
        reply({WORD_OPENING, PLACE_STEPWELL}, 2960),
        reply({WORD_DOWN}, 2478, arg(1)),
        let({PLACE_LAKESIDE_CHAMBER}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        go({WORD_DOWN, OBJ_STEPS}, PLACE_STEP_PASSAGE),
        go({WORD_WEST, WORD_OUT, WORD_HALL, WORD_OPENING, PLACE_STEPWELL}, PLACE_STEPWELL),
    end(),
    mark({OBJ_TABLET, OBJ_GLYPHS, OBJ_SIGN, OBJ_CARVING, WORD_LABEL, OBJ_LETTERING, PLACE_LAKESIDE_CHAMBER, OBJ_STEPS,
          WORD_ROCK, WORD_WALL, PLACE_TABLET_STEPS, WORD_OPENING}),
};

// --- Scree pocket (375) -----------------------------------------------------

// Place 375: scree pocket.
constexpr row SCREE_POCKET[] = {
    look(),
        reply({WORD_QUILL, WORD_WALL, WORD_ROCKFALL}, 3105),
        let({PLACE_BLIND_POCKET}, VAR_COMMAND_STATUS, 1),
        reply({WORD_PASSAGE, PLACE_CORRIDOR, WORD_TUNNEL}, 2903, arg(WORD_PASSAGE)),
        when(object_not_near(OBJ_BALL), reply({OBJ_BALL}, 3106)),
        when(object_not_near(OBJ_VASE), reply({OBJ_VASE, WORD_PORCELAIN}, 3106)),
        ret(),
    end(),
    moving(),
        go({WORD_NORTH, WORD_OUT, WORD_PASSAGE, PLACE_CORRIDOR, WORD_TUNNEL, WORD_HALL}, PLACE_HALL_OF_WAYS),
    end(),
    mark({WORD_PASSAGE, PLACE_CORRIDOR, WORD_TUNNEL, WORD_PORCELAIN, WORD_QUILL}),
};

// --- Ceiling (376) ----------------------------------------------------------

// Place 376: ceiling.
constexpr row CEILING[] = {
    // "Door" here is the vault door.
    rewrite_shown(OBJ_DOOR, OBJ_VAULT_DOOR),
    look(),
        // The place's text names the landing, so the player may look at it.
        reply({PLACE_CEILING, WORD_UP, WORD_LANDING}, 2019, arg(8)),
        reply({WORD_OUT, WORD_PASSAGE, WORD_TUNNEL}, 2903, arg(WORD_TUNNEL)),
        ret(),
    end(),
    when(has_any_word({WORD_IN, WORD_OUT}).AND(has_word(OBJ_VAULT_DOOR)), let(VAR_COMMAND_STATUS, 1)),
    moving(),
        group({WORD_IN}),
            group(vault_open),
                copy(VAR_RETURN_PLACE, VAR_HERE),
                forced(PLACE_VAULT),
            end(),
            reply(1638),
        end(),
        group({WORD_UP, WORD_OUT, WORD_TUNNEL, WORD_PASSAGE, WORD_NORTH}),
            when(vault_open, reply(1613)),
            forced(PLACE_HALL_OF_WAYS),
        end(),
    end(),
    // The landing is marked with the ceiling: the place's text names it.
    mark({PLACE_CEILING, WORD_TUNNEL, WORD_PASSAGE, WORD_OUT, WORD_LANDING}),
};

// --- Vault (583) ------------------------------------------------------------

// The one way out of the vault leads back to the side of the door the
// player came in by.
int leave_the_vault() {
    moveto(value[VAR_RETURN_PLACE], 0, -WORD_OUT);
    return 0;
}

// Place 583: vault.
constexpr row VAULT[] = {
    rewrite_shown(OBJ_DOOR, OBJ_VAULT_DOOR),
    // "Shut" alone is shutting the door.
    group(has_word(WORD_CLOSE).AND(word_count(1))),
        let(VAR_COMMAND_STATUS, 2),
        let_ref(VAR_ARG2, OBJ_VAULT_DOOR),
    end(),
    group({OBJ_VAULT_DOOR}),
        first(),
            let({WORD_OUT}, VAR_COMMAND_STATUS, 1),
            otherwise(),
                // The door named alone: the next command may say what to do
                // with it.
                group(word_count(1)),
                    set_flag(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_ORPHAN),
                    reply(1507, arg_of(OBJ_VAULT_DOOR)),
                end(),
                reply({WORD_CLOSE}, 1639),
                reply({WORD_OPEN}, 1605, arg_of(VAR_ARG2)),
                reply({WORD_LOOK}, 2101),
                mark(),
                ret(),
            end(),
        end(),
    end(),
    reply(all({WORD_LOOK, WORD_SHELF}), 2033, arg(WORD_SHELF)),
    ret({WORD_LOOK}),
    moving(),
        step(leave_the_vault),
    end(),
    mark({WORD_SHELF}),
};

// --- North passage (378) and the bend (379) ---------------------------------

// Place 378: north passage.
constexpr row NORTH_PASSAGE[] = {
    look(),
        let({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTH}, PLACE_HALL_OF_WAYS),
        go({WORD_NORTH}, PLACE_BEND),
        call({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, p329, ref(PLACE_HALL_OF_WAYS), ref(WORD_SOUTH),
             ref(PLACE_BEND), ref(WORD_NORTH)),
    end(),
    mark({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}),
};

// Place 379: bend.
constexpr row BEND[] = {
    look(),
        let({WORD_BEND}, VAR_COMMAND_STATUS, 1),
        reply({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, 2902, arg_of(PLACE_CORRIDOR)),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTH, WORD_SOUTHWEST, WORD_WEST}, PLACE_NORTH_PASSAGE),
        go({WORD_NORTH, WORD_NORTHEAST, WORD_EAST}, PLACE_MARKED_END),
        call({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, p329, ref(PLACE_MARKED_END), ref(WORD_EAST),
             ref(PLACE_NORTH_PASSAGE), ref(WORD_WEST)),
    end(),
    mark({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}),
};

// --- Marked end (380) -------------------------------------------------------

// Place 380: marked end.
constexpr row MARKED_END[] = {
    look(),
        reply({PLACE_CEILING, WORD_UP, WORD_ARROWSLITS}, 2019, arg(9)),
        reply({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, 2903, arg_of(PLACE_CORRIDOR)),
        reply({WORD_WALL, WORD_LABEL, OBJ_GLYPHS, OBJ_SIGN}, 2910),
        ret(),
    end(),
    moving(),
        go({WORD_OUT, WORD_SOUTH, PLACE_CORRIDOR}, PLACE_BEND),
    end(),
    mark({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR, WORD_ARROWSLITS}),
};

// --- Three ways (381) -------------------------------------------------------

// Place 381: three ways.
constexpr row THREE_WAYS[] = {
    look(),
        reply({WORD_PASSAGE, PLACE_CORRIDOR, WORD_TUNNEL}, 2902, arg(WORD_PASSAGE)),
        reply({OBJ_STEPS}, 3528, arg(0)),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTH}, PLACE_HALL_OF_WAYS),
        go({WORD_NORTH}, PLACE_STILL_CHAMBER),
        go({WORD_EAST}, PLACE_STEP_PASSAGE),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 1297),
    end(),
    mark({PLACE_CORRIDOR, WORD_PASSAGE, WORD_TUNNEL}),
};

// --- Step passage (382) -----------------------------------------------------

// Place 382: step passage.
constexpr row STEP_PASSAGE[] = {
    look(),
        reply({OBJ_STEPS}, 2748),
        reply({WORD_WALL, PLACE_TABLET_STEPS}, 2749),
        reply({WORD_DOORWAY}, 2596, arg(WORD_DOORWAY)),
        reply({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, 2903, arg(WORD_PASSAGE)),
        ret(),
    end(),
    moving(),
        go({WORD_UP, OBJ_STEPS, WORD_EAST, WORD_DOORWAY}, PLACE_TABLET_STEPS),
        go({WORD_SOUTH, WORD_PASSAGE, PLACE_CORRIDOR, WORD_OUT}, PLACE_THREE_WAYS),
    end(),
    mark({OBJ_STEPS, PLACE_TABLET_STEPS, WORD_DOORWAY, WORD_PASSAGE, PLACE_CORRIDOR, WORD_TUNNEL}),
};

// --- Still chamber (383) ----------------------------------------------------

// Place 383: still chamber.
constexpr row STILL_CHAMBER[] = {
    look(),
        let({PLACE_LAKESIDE_CHAMBER}, VAR_COMMAND_STATUS, 1),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2903, arg(WORD_PASSAGE)),
        reply({WORD_WALL}, 2968),
        ret(),
    end(),
    moving(),
        go({WORD_OUT, WORD_SOUTH, WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, PLACE_THREE_WAYS),
        reply({PLACE_LAKESIDE_CHAMBER}, 1425),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR, PLACE_LAKESIDE_CHAMBER, WORD_WALL}),
};

}  // namespace

int p740() { return run<TABLET_STEPS>(); }
int p606() { return run<SCREE_POCKET>(); }
int p119() { return run<CEILING>(); }
int p482() { return run<VAULT>(); }
int p934() { return run<NORTH_PASSAGE>(); }
int p932() { return run<BEND>(); }
int p853() { return run<MARKED_END>(); }
int p219() { return run<THREE_WAYS>(); }
int p166() { return run<STEP_PASSAGE>(); }
int p797() { return run<STILL_CHAMBER>(); }
