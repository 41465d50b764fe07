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
cond_fold vault_open() { return cond(value[36] == 1); }

// --- Tablet steps (374) -----------------------------------------------------

// Place 374: tablet steps.
constexpr row TABLET_STEPS[] = {
    call(p185, ref(73)),
    when(has_any_word({73, 134, 129, 30, 1018, 74}).AND(has_any_word({798, WORD_LOOK})), reply(1823)),
    look(),
        reply({7}, 2748),
        reply({374, WORD_WALL}, 2749),
        reply({WORD_ROCK}, 2037, arg(1130)),
        reply({WORD_OPENING}, 2960),
        reply({WORD_DOWN}, 2478, arg(1)),
        let({300}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        go({WORD_DOWN, 7}, 382),
        go({WORD_WEST, WORD_OUT, 901, WORD_OPENING, 210}, 210),
    end(),
    mark({73, 134, 129, 30, 1018, 74, 300, 7, WORD_ROCK, WORD_WALL, 374, WORD_OPENING}),
};

// --- Scree pocket (375) -----------------------------------------------------

// Place 375: scree pocket.
constexpr row SCREE_POCKET[] = {
    look(),
        reply({1085, WORD_WALL}, 3105),
        reply({WORD_PASSAGE, 308, WORD_TUNNEL}, 2903, arg(897)),
        when(object_not_near(126), reply({126}, 3106)),
        when(object_not_near(144), reply({144, 1056}, 3106)),
        ret(),
    end(),
    moving(),
        go({WORD_NORTH, WORD_OUT, WORD_PASSAGE, 308, WORD_TUNNEL, 901}, 214),
    end(),
    mark({WORD_PASSAGE, 308, WORD_TUNNEL, 1056, 1085}),
};

// --- Ceiling (376) ----------------------------------------------------------

// Place 376: ceiling.
constexpr row CEILING[] = {
    // "Door" here is the vault door.
    rewrite_shown(8, 36),
    look(),
        reply({376, WORD_UP, 1052}, 2019, arg(8)),
        reply({WORD_OUT, WORD_PASSAGE, WORD_TUNNEL}, 2903, arg(898)),
        ret(),
    end(),
    when(has_any_word({WORD_IN, WORD_OUT}).AND(has_word(36)), let(VAR_COMMAND_STATUS, 1)),
    moving(),
        group({WORD_IN}),
            group(vault_open),
                copy(VAR_RETURN_PLACE, VAR_HERE),
                forced(583),
            end(),
            reply(1638),
        end(),
        group({WORD_UP, WORD_OUT, WORD_TUNNEL, WORD_PASSAGE, WORD_NORTH}),
            when(vault_open, reply(1613)),
            forced(214),
        end(),
    end(),
    mark({376, WORD_TUNNEL, WORD_PASSAGE, WORD_OUT, 1052}),
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
    rewrite_shown(8, 36),
    // "Shut" alone is shutting the door.
    group(has_word(WORD_CLOSE).AND(word_count(1))),
        let(VAR_COMMAND_STATUS, 2),
        let_ref(VAR_ARG2, 36),
    end(),
    group({36}),
        first(),
            let({WORD_OUT}, VAR_COMMAND_STATUS, 1),
            otherwise(),
                // The door named alone: the next command may say what to do
                // with it.
                group(word_count(1)),
                    set_flag(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_ORPHAN),
                    reply(1507, arg_of(36)),
                end(),
                reply({WORD_CLOSE}, 1639),
                reply({WORD_OPEN}, 1605, arg_of(VAR_ARG2)),
                reply({WORD_LOOK}, 2101),
                mark(),
                ret(),
            end(),
        end(),
    end(),
    reply(all({WORD_LOOK, 912}), 2033, arg(912)),
    ret({WORD_LOOK}),
    moving(),
        step(leave_the_vault),
    end(),
    mark({912}),
};

// --- North passage (378) and the bend (379) ---------------------------------

// Place 378: north passage.
constexpr row NORTH_PASSAGE[] = {
    look(),
        let({WORD_TUNNEL, WORD_PASSAGE, 308}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTH}, 214),
        go({WORD_NORTH}, 379),
        call({WORD_TUNNEL, WORD_PASSAGE, 308}, p329, ref(214), ref(749), ref(379), ref(745)),
    end(),
    mark({WORD_TUNNEL, WORD_PASSAGE, 308}),
};

// Place 379: bend.
constexpr row BEND[] = {
    look(),
        let({1017}, VAR_COMMAND_STATUS, 1),
        reply({WORD_TUNNEL, WORD_PASSAGE, 308}, 2902, arg_of(308)),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTH, WORD_SOUTHWEST, WORD_WEST}, 378),
        go({WORD_NORTH, WORD_NORTHEAST, WORD_EAST}, 380),
        call({WORD_TUNNEL, WORD_PASSAGE, 308}, p329, ref(380), ref(747), ref(378), ref(751)),
    end(),
    mark({WORD_TUNNEL, WORD_PASSAGE, 308}),
};

// --- Marked end (380) -------------------------------------------------------

// Place 380: marked end.
constexpr row MARKED_END[] = {
    look(),
        reply({376, WORD_UP, 953}, 2019, arg(9)),
        reply({WORD_TUNNEL, WORD_PASSAGE, 308}, 2903, arg_of(308)),
        reply({WORD_WALL, 1018, 134, 129}, 2910),
        ret(),
    end(),
    moving(),
        go({WORD_OUT, WORD_SOUTH, 308}, 379),
    end(),
    mark({WORD_TUNNEL, WORD_PASSAGE, 308, 953}),
};

// --- Three ways (381) -------------------------------------------------------

// Place 381: three ways.
constexpr row THREE_WAYS[] = {
    look(),
        reply({WORD_PASSAGE, 308, WORD_TUNNEL}, 2902, arg(897)),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTH}, 214),
        go({WORD_NORTH}, 383),
        go({WORD_EAST}, 382),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 1297),
    end(),
    mark({308, WORD_PASSAGE, WORD_TUNNEL}),
};

// --- Step passage (382) -----------------------------------------------------

// Place 382: step passage.
constexpr row STEP_PASSAGE[] = {
    look(),
        reply({7}, 2748),
        reply({WORD_WALL, 374}, 2749),
        reply({966}, 2596, arg(966)),
        reply({WORD_TUNNEL, WORD_PASSAGE, 308}, 2903, arg(897)),
        ret(),
    end(),
    moving(),
        go({WORD_UP, 7, WORD_EAST, 966}, 374),
        go({WORD_SOUTH, WORD_PASSAGE, 308, WORD_OUT}, 381),
    end(),
    mark({7, 374, 966, WORD_PASSAGE, 308, WORD_TUNNEL}),
};

// --- Still chamber (383) ----------------------------------------------------

// Place 383: still chamber.
constexpr row STILL_CHAMBER[] = {
    look(),
        let({300}, VAR_COMMAND_STATUS, 1),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2903, arg(897)),
        reply({WORD_WALL}, 2968),
        ret(),
    end(),
    moving(),
        go({WORD_OUT, WORD_SOUTH, WORD_PASSAGE, WORD_TUNNEL, 308}, 381),
        reply({300}, 1425),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, 308, 300, WORD_WALL}),
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
