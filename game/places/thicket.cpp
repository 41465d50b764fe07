// The thicket beyond the road: the gap with its grille, and the knot of
// little places inside it (the heart, the west, east, south-west and south
// thickets and the spring). The way in past the grille is open only to one
// who carries the brass funnel; from the south thicket a climb through old
// roots leads up to the well head. Each place's procedure answers its
// feature words, moves the player along its exits and marks the words of
// its features for the last replies.
#include "game.h"

using namespace rows;

namespace {

cond_fold one_word() { return cond(words() == 1); }
cond_fold heading_carried() { return cond(carried(OBJ_HEADING)); }
cond_fold carries_funnel() { return cond(carried(OBJ_FUNNEL)); }
cond_fold grille_or_alone() { return cond(has(OBJ_GRILLE)).OR(one_word()); }

// --- The thicket gap (481) --------------------------------------------------

// Place 481: thicket gap.
constexpr row THICKET_GAP[] = {
    let(OBJ_GRILLE, 0),
    group({OBJ_GRILLE}), put_here(OBJ_GRILLE), end(),
    call(p185, ref(OBJ_SIGN)),
    call(p297, ref(1933), ref(OBJ_SIGN)),
    reply({WORD_AIR}, 2676, arg(WORD_AIR)),
    call(p475),
    look(),
        reply({WORD_TRACK, WORD_DOORWAY}, 3318),
        reply({PLACE_PATH}, 3319),
        reply({WORD_SUNDIAL}, 3251),
        reply({WORD_ENTRY}, 2672),
        reply({PLACE_EAST_THICKET, WORD_LEAVES, WORD_VINES, WORD_IN}, 1725),
        reply({WORD_WALL}, 2530),
        // The signpost's board, worn blank; the mire to either side.
        reply({WORD_BOARD}, 1933, arg(OBJ_SIGN)),
        reply({PLACE_MIRE}, 3248),
        ret(),
    end(),
    group({WORD_ENTRY}),
        reply({WORD_FEED, WORD_ATTACK, WORD_STRIKE, WORD_PET}, 3317, arg_of(VAR_ARG1)),
        mark(),
        ret(),
    end(),
    call({WORD_GRASS}, p396),
    when([] { return cond(has(WORD_OPEN)).AND(grille_or_alone()); }, reply(1727)),
    when([] { return cond(has(WORD_CLOSE)).AND(grille_or_alone()); }, reply(1607, arg_of(OBJ_GRILLE))),
    call({WORD_WALL}, p898),
    // "Climb the grille" is a way, or an attempt at one.
    when(has_word(WORD_CLIMB).AND(has_any_word({OBJ_GRILLE, WORD_WALL})), let(VAR_COMMAND_STATUS, 1)),
    moving(),
        group({PLACE_DEPOSIT, PLACE_WOODSIDE, PLACE_START, PLACE_ROAD, WORD_NORTH}),
            when(heading_carried, heading(WORD_NORTHEAST)),
            go({PLACE_WOODSIDE}, PLACE_WOODSIDE),
            go({PLACE_START, WORD_NORTH, PLACE_ROAD}, PLACE_ROAD),
            go({PLACE_DEPOSIT}, PLACE_START),
        end(),
        group({WORD_CLIMB}),
            reply({WORD_WALL}, 1766),
            group(grille_or_alone),
                first(),
                    // With the funnel, climbing over is going in.
                    group(carries_funnel), let_ref(VAR_ARG1, WORD_IN), end(),
                    otherwise(),
                        let_ref(VAR_PROMPT_TEXT, 2646),
                        when(value_over(TEXT_SQUEEZE, 1), reply(TEXT_SQUEEZE)),
                        call(p140),
                        group(value_is(TEXT_SQUEEZE, 0)),
                            let(VAR_QUESTION, Q_PLACE_481),
                            reply(1737),
                        end(),
                        reply(TEXT_SQUEEZE),
                    end(),
                end(),
            end(),
        end(),
        group([] {
            return cond(has(WORD_BACK)).AND(value[VAR_THERE] == PLACE_HEART_OF_THICKET).OR(anyof(WORD_SOUTH, WORD_IN,
                            WORD_TRACK, PLACE_PATH, PLACE_EAST_THICKET, -1));
        }),
            first(),
                group(carries_funnel),
                    let_variant(TEXT_GRILLE_SIDE, 1),
                    forced(PLACE_HEART_OF_THICKET, 1741),
                end(),
                otherwise(), reply(2518), end(),
            end(),
        end(),
        go({WORD_EAST, WORD_WEST, WORD_NORTHEAST, WORD_NORTHWEST}, PLACE_MIRE),
    end(),
    // The sundial leans here as in the knot inside: named, it is there.
    mark({WORD_SUNDIAL}),
    mark_name({PLACE_EAST_THICKET, WORD_TRACK, WORD_VINES, WORD_LEAVES, PLACE_PATH, WORD_DOORWAY}),
};

// --- The knot inside (482..487) -----------------------------------------------

// Place 482: heart of the thicket.
// The heart of the thicket (482).
constexpr row THICKET_HEART[] = {
    call(p362),
    let(OBJ_GRILLE, 1),
    group({WORD_TRACK}),
        group(movement_guard),
            when(heading_carried, heading(WORD_SOUTH)),
            forced(PLACE_SOUTH_THICKET),
        end(),
        reply({WORD_LOOK}, 2642, arg(1)),
        mark_name({WORD_TRACK}),
        ret(),
    end(),
    group({OBJ_GRILLE}),
        group(has_word(WORD_OPEN).AND(object_carried(OBJ_FUNNEL))),
            set_flag(OBJ_GRILLE, 13),
            reply(1739, arg(WORD_OPEN)),
        end(),
        put_here(OBJ_GRILLE),
    end(),
    call({WORD_WALL}, p898),
    look(),
        reply({WORD_TRACK}, 3154),
        reply({WORD_ENTRY, WORD_DOORWAY}, 2672),
        reply({WORD_UP}, 3145),
        ret(),
    end(),
    group({WORD_ENTRY}),
        reply({WORD_FEED, WORD_ATTACK, WORD_STRIKE, WORD_PET}, 3317, arg_of(VAR_ARG1)),
        mark(),
        ret(),
    end(),
    // Over the grille and out, for one without the funnel and without a
    // bulky load.
    group([] { return cond(has(WORD_CLIMB)).AND(grille_or_alone()); }),
        when(carries_funnel, reply(1739, arg(WORD_CLIMB))),
        let_ref(VAR_PROMPT_TEXT, 2646),
        call(p140),
        forced(PLACE_THICKET_GAP, 2636),
    end(),
    moving(),
        go({WORD_SOUTH, WORD_TRACK}, PLACE_SOUTH_THICKET),
        reply({PLACE_PATH}, 1297),
        go({WORD_SOUTHEAST}, PLACE_THICKET_SPRING),
        go({WORD_SOUTHWEST}, PLACE_SOUTH_WEST_THICKET),
        group({WORD_NORTH, WORD_OUT}),
            first(),
                group(carries_funnel),
                    set_flag(OBJ_GRILLE, 13),
                    let_variant(TEXT_GRILLE_SIDE, 0),
                    forced(PLACE_THICKET_GAP, 1741),
                end(),
                otherwise(), reply(2518), end(),
            end(),
        end(),
    end(),
    mark({PLACE_PATH}),
};

// The west and east thickets (483, 484): close corners with one way out,
// the cairn in one and the old topiary in the other; the track cannot be
// seen from either.
constexpr int CAIRN = 0, TOPIARY = 1;

// Places 483: west thicket; 484: east thicket.
constexpr member CLOSE_CORNERS[] = {
    {PLACE_WEST_THICKET, {1, 0}, {go({WORD_SOUTH, PLACE_PATH}, PLACE_SOUTH_WEST_THICKET)}},
    {PLACE_EAST_THICKET, {0, 1}, {go({WORD_SOUTH}, PLACE_THICKET_SPRING)}},
};

// Places 483: west thicket; 484: east thicket.
constexpr row CLOSE_CORNER[] = {
    member_group(CAIRN),
        group({OBJ_CAIRN}),
            reply({WORD_LOOK}, 2642, arg(0)),
            reply({WORD_TAKE, WORD_PUSH, WORD_PULL}, 3309),
            mark(),
            ret(),
        end(),
        group({WORD_LEAVES, WORD_VINES}), reply({WORD_LOOK}, 3145), end(),
    end(),
    member_group(TOPIARY),
        group({WORD_TOPIARY}),
            reply({WORD_LOOK}, 3157),
            reply(2037, arg(WORD_TOPIARY)),
        end(),
    end(),
    group({WORD_TRACK}),
        reply({WORD_LOOK}, 3153),
        mark_name({WORD_TRACK}),
        ret(),
    end(),
    // No vines grow in the west thicket.
    member_group(CAIRN), reply({WORD_VINES}, 1319, arg(WORD_VINES)), end(),
    call(p362),
    call({WORD_WALL}, p898),
    look(),
        reply({WORD_SOURCE}, 3384, arg(1)),
        reply({WORD_UP}, 3145),
        ret(),
    end(),
    moving(),
        member_rows(),
    end(),
    mark({PLACE_PATH, WORD_SOURCE}),
};

// The south-west thicket and the spring (485, 487): corners that the path
// passes through between two of their neighbours; the thorns in one, the
// spring under its brambles in the other. The track is not here either.
constexpr int THORNS = 0, SPRING = 1;

// Places 485: south-west thicket; 487: thicket spring.
constexpr member PATH_CORNERS[] = {
    {PLACE_SOUTH_WEST_THICKET, {1, 0},
     {go({WORD_NORTH}, PLACE_WEST_THICKET), go({WORD_NORTHEAST}, PLACE_HEART_OF_THICKET),
      call({PLACE_PATH}, p329, ref(PLACE_WEST_THICKET), ref(WORD_NORTH), ref(PLACE_HEART_OF_THICKET),
           ref(WORD_NORTHEAST))}},
    {PLACE_THICKET_SPRING, {0, 1},
     {go({WORD_NORTHWEST}, PLACE_HEART_OF_THICKET), go({WORD_NORTH}, PLACE_EAST_THICKET),
      call({PLACE_PATH}, p329, ref(PLACE_HEART_OF_THICKET), ref(WORD_NORTHWEST), ref(PLACE_EAST_THICKET),
           ref(WORD_NORTH))}},
};

// Places 485: south-west thicket; 487: thicket spring.
constexpr row PATH_CORNER[] = {
    member_group(THORNS),
        when([] { return cond(anyof(WORD_WAIT, WORD_LAUGH, -1)).OR(keyword(WORD_USE, WORD_THORNS, -1)); }, reply(2644)),
        group({WORD_THORNS}),
            reply({WORD_LOOK}, 2642, arg(2)),
            mark(),
            ret(),
        end(),
    end(),
    member_group(SPRING),
        group({WORD_SPRING, WORD_POOL, WORD_ROOTS}),
            ret({WORD_CONSUME_LIQUID}),
            reply({WORD_LOOK}, 2642, arg(3)),
            mark(),
            ret(),
        end(),
        group({WORD_BRAMBLE, OBJ_PORTCULLIS}),
            reply({WORD_LOOK}, 2642, arg(4)),
            mark(),
            ret(),
        end(),
    end(),
    call({WORD_WALL}, p898),
    group({WORD_TRACK}),
        reply({WORD_LOOK}, 3152, arg(1)),
        reply({WORD_CLIMB, WORD_UP}, 3151),
        mark(),
        ret(),
    end(),
    call(p362),
    look(),
        reply({WORD_SOURCE}, 3384, arg(0)),
        reply({WORD_UP}, 3145),
        member_group(SPRING), reply({OBJ_MIRROR, WORD_GLINT}, 3155, arg(WORD_TRACK)), end(),
        ret(),
    end(),
    moving(),
        member_rows(),
    end(),
    mark({PLACE_PATH, WORD_SOURCE}),
    member_group(SPRING), mark({OBJ_MIRROR, WORD_GLINT}), end(),
};

// Place 486: south thicket.
// The south thicket (486), where the roots climb to the well head.
constexpr row SOUTH_THICKET[] = {
    // Looking up is looking at the track up the roots.
    when([] { return cond(keyword(WORD_LOOK, WORD_UP, -1)); }, rewrite(WORD_UP, WORD_TRACK)),
    call(p185, ref(OBJ_TABLET)),
    when([] { return cond(has(WORD_READ)).AND(cond(one_word()).OR(anyof(OBJ_TABLET, OBJ_CARVING, OBJ_LETTERING,
                                                            OBJ_GLYPHS, OBJ_SIGN, -1))); },
         reply(2454)),
    reply(all({WORD_LOOK, OBJ_LETTERING}), 2454),
    // The well head, looked for above the roots.
    reply(all({WORD_LOOK, WORD_GO}), 3152, arg(0)),
    group({OBJ_TABLET}),
        reply({WORD_LOOK}, 2454),
        group(one_word),
            set_flag(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_ORPHAN),
            reply(1507, arg_of(OBJ_TABLET)),
        end(),
        reply(1885, arg_of(OBJ_TABLET)),
    end(),
    group({WORD_TRACK, WORD_WALL}),
        reply({WORD_LOOK}, 3152, arg(0)),
        group([] { return cond(!anyof(WORD_UP, WORD_CLIMB, -1)); }), mark(), ret(), end(),
    end(),
    when([] { return cond(has(WORD_WALL)).OR(keyword(WORD_ROOTS, WORD_LOOK, -1)); }, reply(2529, arg(1))),
    call(p362),
    when(has_word(WORD_BACK).AND(value_is(VAR_THERE, PLACE_WELL_HEAD)), call(p858)),
    when([] { return cond(anyof(WORD_UP, WORD_CLIMB, -1)).AND(one_word()).OR(anyof(WORD_TRACK, WORD_WALL, WORD_ROOTS,
                                -1)); },
         call(p858)),
    mark({WORD_ROOTS, WORD_WALL}),
    moving(),
        go({WORD_NORTH, PLACE_PATH}, PLACE_HEART_OF_THICKET),
    end(),
    mark({PLACE_PATH, OBJ_TABLET, OBJ_CARVING, OBJ_LETTERING, OBJ_GLYPHS, OBJ_SIGN, OBJ_MIRROR, WORD_GLINT}),
};

}  // namespace

int p657() { return run<THICKET_GAP>(); }
int p358() { return run<THICKET_HEART>(); }
int p359() { return run_member<CLOSE_CORNER, CLOSE_CORNERS>(PLACE_WEST_THICKET); }
int p357() { return run_member<CLOSE_CORNER, CLOSE_CORNERS>(PLACE_EAST_THICKET); }
int p363() { return run_member<PATH_CORNER, PATH_CORNERS>(PLACE_SOUTH_WEST_THICKET); }
int p360() { return run<SOUTH_THICKET>(); }
int p361() { return run_member<PATH_CORNER, PATH_CORNERS>(PLACE_THICKET_SPRING); }
