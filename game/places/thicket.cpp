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
constexpr int TEXT_SQUEEZE = 2633;      // trying to squeeze past the grille; its counter counts the tries
constexpr int TEXT_GRILLE_SIDE = 1740;  // which way the player goes past the grille: 0 out, 1 in

cond_fold one_word() { return cond(words() == 1); }
cond_fold heading_carried() { return cond(carried(OBJ_HEADING)); }
cond_fold carries_funnel() { return cond(carried(OBJ_FUNNEL)); }
cond_fold grille_or_alone() { return cond(has(OBJ_GRILLE)).OR(one_word()); }

// --- The thicket gap (481) --------------------------------------------------

// Place 481: thicket gap.
constexpr row THICKET_GAP[] = {
    let(OBJ_GRILLE, 0),
    group({OBJ_GRILLE}), put_here(OBJ_GRILLE), end(),
    call(p185, ref(129)),
    call(p297, ref(1933), ref(129)),
    reply({975}, 2676, arg(975)),
    call(p475),
    look(),
        reply({951, 966}, 3318),
        reply({538}, 3319),
        reply({1047}, 2033, arg(1047)),
        reply({961}, 2672),
        reply({484, 973, 1079, WORD_IN}, 1725),
        reply({WORD_WALL}, 2530),
        ret(),
    end(),
    group({961}),
        reply({795, 783, 784, 782}, 3317, arg_of(VAR_ARG1)),
        mark(),
        ret(),
    end(),
    call({988}, p396),
    when([] { return cond(has(WORD_OPEN)).AND(grille_or_alone()); }, reply(1727)),
    when([] { return cond(has(WORD_CLOSE)).AND(grille_or_alone()); }, reply(1607, arg_of(OBJ_GRILLE))),
    call({WORD_WALL}, p898),
    // "Climb the grille" is a way, or an attempt at one.
    when(has_word(WORD_CLIMB).AND(has_any_word({OBJ_GRILLE, WORD_WALL})), let(VAR_COMMAND_STATUS, 1)),
    moving(),
        group({200, 196, 195, 480, WORD_NORTH}),
            when(heading_carried, heading(WORD_NORTHEAST)),
            go({196}, 196),
            go({195, WORD_NORTH, 480}, 480),
            go({200}, 195),
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
            return cond(has(WORD_BACK)).AND(value[VAR_THERE] == 482).OR(anyof(WORD_SOUTH, WORD_IN, 951, 538, 484, -1));
        }),
            first(),
                group(carries_funnel),
                    let_variant(TEXT_GRILLE_SIDE, 1),
                    forced(482, 1741),
                end(),
                otherwise(), reply(2518), end(),
            end(),
        end(),
        go({WORD_EAST, WORD_WEST, WORD_NORTHEAST, WORD_NORTHWEST}, 544),
    end(),
    mark_name({484, 951, 1079, 973, 538, 966}),
};

// --- The knot inside (482..487) -----------------------------------------------

// Place 482: heart of the thicket.
// The heart of the thicket (482).
constexpr row THICKET_HEART[] = {
    call(p362),
    let(OBJ_GRILLE, 1),
    group({951}),
        group(movement_guard),
            when(heading_carried, heading(WORD_SOUTH)),
            forced(486),
        end(),
        reply({WORD_LOOK}, 2642, arg(1)),
        mark_name({951}),
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
        reply({951}, 3154),
        reply({961}, 2672),
        reply({WORD_UP}, 3145),
        ret(),
    end(),
    group({961}),
        reply({795, 783, 784, 782}, 3317, arg_of(VAR_ARG1)),
        mark(),
        ret(),
    end(),
    // Over the grille and out, for one without the funnel and without a
    // bulky load.
    group([] { return cond(has(WORD_CLIMB)).AND(grille_or_alone()); }),
        when(carries_funnel, reply(1739, arg(848))),
        let_ref(VAR_PROMPT_TEXT, 2646),
        call(p140),
        forced(481, 2636),
    end(),
    moving(),
        go({WORD_SOUTH, 951}, 486),
        reply({538}, 1297),
        go({WORD_SOUTHEAST}, 487),
        go({WORD_SOUTHWEST}, 485),
        group({WORD_NORTH, WORD_OUT}),
            first(),
                group(carries_funnel),
                    set_flag(OBJ_GRILLE, 13),
                    let_variant(TEXT_GRILLE_SIDE, 0),
                    forced(481, 1741),
                end(),
                otherwise(), reply(2518), end(),
            end(),
        end(),
    end(),
    mark({538}),
};

// The west and east thickets (483, 484): close corners with one way out,
// the cairn in one and the old topiary in the other; the track cannot be
// seen from either.
constexpr int CAIRN = 0, TOPIARY = 1;

// Places 483: west thicket; 484: east thicket.
constexpr member CLOSE_CORNERS[] = {
    {483, {1, 0}, {go({WORD_SOUTH, 538}, 485)}},
    {484, {0, 1}, {go({WORD_SOUTH}, 487)}},
};

// Places 483: west thicket; 484: east thicket.
constexpr row CLOSE_CORNER[] = {
    member_group(CAIRN),
        group({101}),
            reply({WORD_LOOK}, 2642, arg(0)),
            reply({WORD_TAKE, 808, 807}, 3309),
            mark(),
            ret(),
        end(),
        group({973, 1079}), reply({WORD_LOOK}, 3145), end(),
    end(),
    member_group(TOPIARY),
        group({963}),
            reply({WORD_LOOK}, 3157),
            reply(2037, arg(963)),
        end(),
    end(),
    group({951}),
        reply({WORD_LOOK}, 3153),
        mark_name({951}),
        ret(),
    end(),
    // No vines grow in the west thicket.
    member_group(CAIRN), reply({1079}, 1319, arg(1079)), end(),
    call(p362),
    call({WORD_WALL}, p898),
    look(),
        reply({967}, 3384, arg(1)),
        reply({WORD_UP}, 3145),
        ret(),
    end(),
    moving(),
        member_rows(),
    end(),
    mark({538, 967}),
};

// The south-west thicket and the spring (485, 487): corners that the path
// passes through between two of their neighbours; the thorns in one, the
// spring under its brambles in the other. The track is not here either.
constexpr int THORNS = 0, SPRING = 1;

// Places 485: south-west thicket; 487: thicket spring.
constexpr member PATH_CORNERS[] = {
    {485, {1, 0}, {go({WORD_NORTH}, 483), go({WORD_NORTHEAST}, 482), call({538}, p329, ref(483), ref(745), ref(482), ref(746))}},
    {487, {0, 1}, {go({WORD_NORTHWEST}, 482), go({WORD_NORTH}, 484), call({538}, p329, ref(482), ref(752), ref(484), ref(745))}},
};

// Places 485: south-west thicket; 487: thicket spring.
constexpr row PATH_CORNER[] = {
    member_group(THORNS),
        when([] { return cond(anyof(727, 839, -1)).OR(keyword(852, 964, -1)); }, reply(2644)),
        group({964}),
            reply({WORD_LOOK}, 2642, arg(2)),
            mark(),
            ret(),
        end(),
    end(),
    member_group(SPRING),
        group({911, 962, 935}),
            ret({WORD_CONSUME_LIQUID}),
            reply({WORD_LOOK}, 2642, arg(3)),
            mark(),
            ret(),
        end(),
        group({965, 32}),
            reply({WORD_LOOK}, 2642, arg(4)),
            mark(),
            ret(),
        end(),
    end(),
    call({WORD_WALL}, p898),
    group({951}),
        reply({WORD_LOOK}, 3152, arg(1)),
        reply({WORD_CLIMB, WORD_UP}, 3151),
        mark(),
        ret(),
    end(),
    call(p362),
    look(),
        reply({967}, 3384, arg(0)),
        reply({WORD_UP}, 3145),
        member_group(SPRING), reply({17, 1014}, 3155, arg(951)), end(),
        ret(),
    end(),
    moving(),
        member_rows(),
    end(),
    mark({538, 967}),
    member_group(SPRING), mark({17, 1014}), end(),
};

// Place 486: south thicket.
// The south thicket (486), where the roots climb to the well head.
constexpr row SOUTH_THICKET[] = {
    // Looking up is looking at the track up the roots.
    when([] { return cond(keyword(WORD_LOOK, WORD_UP, -1)); }, rewrite(WORD_UP, 951)),
    call(p185, ref(73)),
    when([] { return cond(has(798)).AND(cond(one_word()).OR(anyof(73, 30, 74, 134, 129, -1))); }, reply(2454)),
    reply(all({WORD_LOOK, 74}), 2454),
    group({73}),
        reply({WORD_LOOK}, 2454),
        group(one_word),
            set_flag(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_ORPHAN),
            reply(1507, arg_of(73)),
        end(),
        reply(1885, arg_of(73)),
    end(),
    group({951, WORD_WALL}),
        reply({WORD_LOOK}, 3152, arg(0)),
        group([] { return cond(!anyof(WORD_UP, WORD_CLIMB, -1)); }), mark(), ret(), end(),
    end(),
    when([] { return cond(has(WORD_WALL)).OR(keyword(935, WORD_LOOK, -1)); }, reply(2529, arg(1))),
    call(p362),
    when(has_word(WORD_BACK).AND(value_is(VAR_THERE, 475)), call(p858)),
    when([] { return cond(anyof(WORD_UP, WORD_CLIMB, -1)).AND(one_word()).OR(anyof(951, WORD_WALL, 935, -1)); }, call(p858)),
    mark({935, WORD_WALL}),
    moving(),
        go({WORD_NORTH, 538}, 482),
    end(),
    mark({538, 73, 30, 74, 134, 129, 17, 1014}),
};

}  // namespace

int p657() { return run<THICKET_GAP>(); }
int p358() { return run<THICKET_HEART>(); }
int p359() { return run_member<CLOSE_CORNER, CLOSE_CORNERS>(483); }
int p357() { return run_member<CLOSE_CORNER, CLOSE_CORNERS>(484); }
int p363() { return run_member<PATH_CORNER, PATH_CORNERS>(485); }
int p360() { return run<SOUTH_THICKET>(); }
int p361() { return run_member<PATH_CORNER, PATH_CORNERS>(487); }
