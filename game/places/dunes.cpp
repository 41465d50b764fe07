// The dunes: the rim round the foot of the sand hill, the trail up to the
// summit, the shifting dune cells with the sand cave and the two side caves,
// and the edge places from the abyss edge to the lookout point. Each place's
// procedure answers its feature words, moves the player along its exits and
// marks the words of its features for the last replies. Which ways of the
// dunes are closed is the shifting-sand rule's business at the start of the
// next turn; the places here only make the moves.
#include "game.h"

using namespace rows;

namespace {

// The compass word typed at the summit, kept for the reply that names it.

// --- The lodestone on the trail -------------------------------------------

// The lodestone is carried and its needle points within LO..HI (1 north ..
// 8 north-west).
template <int LO, int HI>
cond_fold heading_in() {
    return cond(carried(OBJ_HEADING)).AND(value[OBJ_HEADING] >= LO).AND(value[OBJ_HEADING] <= HI);
}

// Within one point of north.
cond_fold heading_north() {
    return cond(carried(OBJ_HEADING)).AND(cond(value[OBJ_HEADING] == 1).OR(value[OBJ_HEADING] == 8));
}

cond_fold one_word() { return cond(words() == 1); }

// The lodestone refuses the way along the trail: the start up or down
// (WAY), then where the trail runs or bends a little further on (TEXT,
// naming the compass way TOWARD).
template <int WAY, int TEXT, int TOWARD>
int refused_on_trail() {
    say(SAY_ARG, 2565, WAY);
    say(SAY_STOP | SAY_ARG, TEXT, TOWARD);
    return 0;
}

// A jump from the lower slope sends the needle spinning to any point.
int spin_heading_lower() {
    value[OBJ_HEADING] = irand(8) + 1;
    return 0;
}

// From the upper slope it never comes to rest pointing east.
int spin_heading_upper() {
    value[OBJ_HEADING] = irand(7) + 1;
    if (cond(value[OBJ_HEADING] == 3)) value[OBJ_HEADING] = 8;
    return 0;
}

// --- The rim (587..590) ---------------------------------------------------

// Three rim places share one shape: a look at the trail or the view, the
// ways round the rim and out into the dunes, and the refused way into the
// hill. k[0] the places that answer a look at the trail with the first or
// k[1] the second of two replies, k[2] the east rim's look at the view and
// the glint.
constexpr int TRAIL_LOOK_0 = 0, TRAIL_LOOK_1 = 1, VIEW_LOOK = 2;

// Places 587: north rim; 588: east rim; 590: west rim.
constexpr member RIMS[] = {
    {PLACE_NORTH_RIM, {1, 0, 0},
     {go({WORD_NORTH}, PLACE_DUNES_614), go({WORD_NORTHEAST}, PLACE_DUNES_609), go({WORD_EAST}, PLACE_DUNES_610),
      go({WORD_WEST}, PLACE_DUNES_617), go({WORD_NORTHWEST}, PLACE_DUNES_616),
                      go({WORD_SOUTHEAST}, PLACE_EAST_RIM), go({WORD_SOUTHWEST}, PLACE_WEST_RIM), reply({WORD_SOUTH},
                         2564, arg(WORD_SOUTH))}},
    {PLACE_EAST_RIM, {0, 0, 1},
     {go({WORD_NORTH}, PLACE_DUNES_614), go({WORD_SOUTH}, PLACE_DUNES_615), go({WORD_SOUTHEAST}, PLACE_DUNES_611),
      go({WORD_EAST}, PLACE_DUNES_610), go({WORD_NORTHEAST}, PLACE_DUNES_609),
                      go({WORD_NORTHWEST}, PLACE_NORTH_RIM), go({WORD_SOUTHWEST}, PLACE_SOUTH_RIM), reply({WORD_WEST},
                         2564, arg(WORD_WEST))}},
    {PLACE_WEST_RIM, {0, 1, 0},
     {go({WORD_NORTH}, PLACE_DUNES_614), go({WORD_NORTHWEST}, PLACE_DUNES_616), go({WORD_WEST}, PLACE_DUNES_617),
      go({WORD_SOUTH}, PLACE_DUNES_615), go({WORD_NORTHEAST}, PLACE_NORTH_RIM),
                      go({WORD_SOUTHEAST}, PLACE_SOUTH_RIM), reply({WORD_EAST}, 2564,
                         arg(WORD_EAST)), reply({WORD_TRAIL}, 2638)}},
};

// Places 587: north rim; 588: east rim; 590: west rim.
constexpr row RIM[] = {
    look(),
        member_group(TRAIL_LOOK_0),
            reply({WORD_TRAIL}, 2977),
        end(),
        member_group(TRAIL_LOOK_1),
            reply({WORD_TRAIL}, 2976),
        end(),
        member_group(VIEW_LOOK),
            reply({WORD_VIEW}, 3158),
            reply({WORD_GLINT, OBJ_MIRROR}, 3155, arg_of(PLACE_SUMMIT)),
        end(),
        reply({WORD_SAND}, 3289, arg(6)),
        reply({PLACE_RIM}, 3290, arg(4)),
        reply({WORD_TERRACES}, 3290, arg(0)),
        ret(),
    end(),
    moving(),
        member_rows(),
    end(),
    member_group(TRAIL_LOOK_0),
        mark({WORD_TRAIL}),
    end(),
    member_group(TRAIL_LOOK_1),
        mark({WORD_TRAIL}),
    end(),
};

// Place 589: south rim.
// The south rim: the foot of the trail up to the summit, which the lodestone
// may refuse, and a way south-west that the sand shifts between two cells.
constexpr row SOUTH_RIM[] = {
    look(),
        group({WORD_TRAIL}),
            tell(3274),
            reply(1266),
        end(),
        reply({WORD_SAND}, 3289, arg(6)),
        reply({PLACE_RIM}, 3290, arg(4)),
        reply({WORD_TERRACES}, 3290, arg(1)),
        ret(),
    end(),
    when(has_any_word({WORD_UP, WORD_CLIMB}).AND(has_any_word({PLACE_SUMMIT, WORD_TRAIL})), let(VAR_COMMAND_STATUS, 1)),
    moving(),
        group({WORD_UP, WORD_CLIMB, WORD_TRAIL}),
            first(),
                when(heading_in<6, 8>, step(refused_on_trail<WORD_UP, 2295, WORD_WEST>)),
                when(heading_in<1, 1>, step(refused_on_trail<WORD_UP, 2307, WORD_NORTHWEST>)),
                when(heading_in<2, 2>, step(refused_on_trail<WORD_UP, 2307, WORD_NORTH>)),
                forced(PLACE_LOWER_SLOPE),
            end(),
        end(),
        go({WORD_EAST}, PLACE_DUNES_610),
        go({WORD_SOUTHEAST}, PLACE_DUNES_611),
        go({WORD_SOUTH}, PLACE_DUNES_615),
        go({WORD_WEST}, PLACE_DUNES_617),
        go({WORD_NORTHEAST}, PLACE_EAST_RIM),
        go({WORD_NORTHWEST}, PLACE_WEST_RIM),
        reply({WORD_NORTH}, 2564, arg(WORD_NORTH)),
        when([] { return cond(irand(100) < 50); }, go({WORD_SOUTHWEST}, PLACE_DUNES_615)),
        go({WORD_SOUTHWEST}, PLACE_DUNES_617),
    end(),
    mark({WORD_TRAIL}),
};

// --- The trail: lower slope (591), upper slope (592), summit (593) ---------

// Place 591: lower slope.
constexpr row LOWER_SLOPE[] = {
    look(),
        reply({WORD_NAVE}, 3022),
        reply({PLACE_PINNACLE, WORD_TRAIL}, 3016),
        reply({WORD_DOWN}, 3017),
        reply({WORD_EXITS}, 3007, arg(0)),
        reply({WORD_UP}, 3020),
        reply({WORD_SAND}, 3289, arg(7)),
        reply({WORD_TERRACES}, 3290, arg(2)),
        reply({PLACE_SLOPE}, 3290, arg(5)),
        reply({PLACE_RIM}, 3017),
        ret(),
    end(),
    // "Ways" as a way to go is a leap off the slope.
    when([] { return cond(has(WORD_EXITS)).AND(movement_guard()); }, rewrite(WORD_EXITS, WORD_JUMP)),
    group([] { return cond(has(WORD_JUMP)).AND(cond(anyof(WORD_DOWN, WORD_OFF, WORD_BRINK, WORD_SAND, WORD_EXITS,
                                                          -1)).OR(words() == 1)); }),
        when(heading_in<6, 8>, reply(2299, arg(WORD_WEST))),
        step(spin_heading_lower),
        tell(2304, arg(0)),
        forced(PLACE_WEST_RIM),
    end(),
    call({WORD_DROP}, p800),
    let({WORD_CLIMB, WORD_UP, WORD_DOWN}, VAR_COMMAND_STATUS, 1),
    moving(),
        group(has_word(WORD_TRAIL).AND(value_is(VAR_THERE,
                                                PLACE_UPPER_SLOPE)).OR(has_any_word({WORD_DOWN, WORD_SOUTH, WORD_SAND,
                                                                                     WORD_BRINK}))),
            first(),
                when(heading_in<4, 6>, step(refused_on_trail<WORD_DOWN, 2295, WORD_SOUTH>)),
                when(heading_in<3, 3>, step(refused_on_trail<WORD_DOWN, 2307, WORD_SOUTHEAST>)),
                when(heading_in<2, 2>, forced(PLACE_SOUTH_RIM, 2577)),
                forced(PLACE_SOUTH_RIM),
            end(),
        end(),
        group(has_word(WORD_TRAIL).AND(value_is(VAR_THERE,
                                                PLACE_SOUTH_RIM)).OR(has_any_word({WORD_UP, WORD_NORTHEAST, WORD_CLIMB,
                                                                                   WORD_UPSLOPE}))),
            first(),
                when(heading_in<1, 3>, step(refused_on_trail<WORD_UP, 2295, WORD_NORTHEAST>)),
                when(heading_in<4, 4>, step(refused_on_trail<WORD_UP, 2307, WORD_EAST>)),
                forced(PLACE_UPPER_SLOPE),
            end(),
        end(),
    end(),
    mark({WORD_NAVE, WORD_TRAIL, WORD_UPSLOPE, WORD_BRINK, WORD_EXITS, WORD_SAND}),
    land(PLACE_GONE, 1686),
};

// Place 592: upper slope.
constexpr row UPPER_SLOPE[] = {
    look(),
        reply({WORD_NAVE}, 3022, arg(0)),
        reply({PLACE_PINNACLE, WORD_TRAIL}, 3015),
        reply({WORD_UP, WORD_UPSLOPE}, 3019),
        reply({WORD_EXITS}, 3007, arg(0)),
        reply({WORD_DOWN, WORD_BRINK}, 3018),
        reply({WORD_SAND}, 3289, arg(8)),
        reply({WORD_TERRACES}, 3290, arg(2)),
        reply({PLACE_SLOPE}, 3290, arg(5)),
        reply({WORD_MIST}, 3290, arg(6)),
        ret(),
    end(),
    group([] { return cond(has(WORD_JUMP)).AND(cond(anyof(WORD_OFF, WORD_DOWN, WORD_SAND, WORD_EXITS, WORD_BRINK,
                                                          -1)).OR(words() == 1)); }),
        when([] {
            return cond(carried(OBJ_HEADING))
                .AND(cond(value[OBJ_HEADING] == 1).OR(value[OBJ_HEADING] == 2).OR(value[OBJ_HEADING] == 8));
        }, reply(2299, arg(WORD_NORTH))),
        step(spin_heading_upper),
        tell(2304, arg(1)),
        set_flag(OBJ_HEADING, 14),
        forced(PLACE_NORTH_RIM),
    end(),
    call({WORD_DROP}, p800),
    let({WORD_CLIMB, WORD_UP, WORD_DOWN}, VAR_COMMAND_STATUS, 1),
    moving(),
        group(has_word(WORD_TRAIL).AND(value_is(VAR_THERE, PLACE_SUMMIT)).OR(has_any_word({WORD_DOWN, WORD_WEST}))),
            first(),
                when(heading_in<6, 8>, step(refused_on_trail<WORD_DOWN, 2295, WORD_WEST>)),
                when(heading_in<5, 5>, step(refused_on_trail<WORD_DOWN, 2307, WORD_SOUTHWEST>)),
                forced(PLACE_LOWER_SLOPE),
            end(),
        end(),
        // Back the way you came down is up again.
        when(has_word(WORD_BACK).AND(value_is(VAR_THERE, PLACE_SUMMIT)), rewrite(WORD_BACK, WORD_UP)),
        group(has_word(WORD_TRAIL).AND(value_is(VAR_THERE,
                                                PLACE_LOWER_SLOPE)).OR(has_any_word({WORD_UP, WORD_SOUTHEAST,
                                                                                     WORD_UPSLOPE, WORD_CLIMB}))),
            first(),
                when(heading_in<3, 5>, step(refused_on_trail<WORD_UP, 2295, WORD_SOUTHEAST>)),
                when(heading_in<6, 6>, step(refused_on_trail<WORD_UP, 2307, WORD_SOUTH>)),
                otherwise(),
                    // The first climb to the summit: it counts as not yet
                    // visited, so that it is described in full.
                    group([] { return cond(bitest(PLACE_SUMMIT, 16)); }),
                        clear_flag(PLACE_SUMMIT, 16),
                        clear_flag(PLACE_SUMMIT, PFLAG_VISITED),
                    end(),
                    forced(PLACE_SUMMIT),
                end(),
            end(),
        end(),
        reply({WORD_CLIFF}, 2638),
        reply({WORD_BRINK, WORD_EXITS, WORD_SAND}, 3023),
    end(),
    mark({WORD_NAVE, WORD_TRAIL, WORD_UPSLOPE, WORD_BRINK, WORD_CLIFF, WORD_EXITS, WORD_SAND}),
    land(PLACE_GONE, 1686),
};

// A one-word drop at the summit drops the one thing carried.
int drop_the_one_carried() {
    default_to(0, PLACE_CARRIED, -1);
    return 0;
}

// Place 593: summit.
constexpr row SUMMIT[] = {
    // The marks are the cairn's.
    group({OBJ_MARKS}),
        rewrite(OBJ_MARKS, OBJ_CAIRN),
        put_here(OBJ_MARKS),
    end(),
    reply(all({WORD_CLIMB, OBJ_CAIRN}), 2464),
    look(),
        reply({PLACE_SUMMIT, PLACE_PRECIPICE}, 3012),
        reply({PLACE_PINNACLE, WORD_TRAIL}, 3014),
        reply({WORD_DOWN}, 3021),
        reply({WORD_EXITS}, 3007, arg(1)),
        reply({WORD_SAND}, 3289, arg(8)),
        reply({WORD_TERRACES}, 3290, arg(3)),
        reply({WORD_MIST}, 3290, arg(6)),
        ret(),
    end(),
    group({WORD_DROP}),
        when(one_word, step(drop_the_one_carried)),
        group([] { return cond(has(OBJ_BAUBLE)).AND(have(OBJ_BAUBLE, 0, 1)); }),
            let(OBJ_BAUBLE, 2),
            let(OBJ_CAIRN, 1),
            reply(2628),
        end(),
    end(),
    group([] { return cond(has(WORD_JUMP)).AND(cond(anyof(WORD_DOWN, WORD_OFF, -1)).OR(words() == 1)); }),
        tell(2304, arg(2)),
        forced_on(PLACE_GONE),
        call(p803),
    end(),
    when([] { return cond(keyword(WORD_TAKE, OBJ_HEADING, -1)).AND(value[OBJ_HEADING] == 0); }, let(OBJ_HEADING, 2)),
    let(all({WORD_CLIMB, WORD_DOWN}), VAR_COMMAND_STATUS, 1),
    moving(),
        group({WORD_DOWN, WORD_TRAIL, WORD_BACK}),
            first(),
                when(heading_in<2, 4>, reply(2308)),
                when(heading_north, step(refused_on_trail<WORD_DOWN, 2295, WORD_NORTH>)),
                when(heading_in<7, 7>, step(refused_on_trail<WORD_DOWN, 2307, WORD_NORTHWEST>)),
                otherwise(),
                    clear_flag(PLACE_SUMMIT, PFLAG_HINT_AVAILABLE),
                    set_flag(PLACE_UPPER_SLOPE, PFLAG_HINT_AVAILABLE),
                    forced(PLACE_UPPER_SLOPE),
                end(),
            end(),
        end(),
        // A compass word leads nowhere: the lodestone's check on the way
        // named, then the reply naming it.
        group({WORD_NORTH, WORD_NORTHEAST, WORD_EAST, WORD_SOUTHEAST, WORD_SOUTH, WORD_SOUTHWEST, WORD_WEST, WORD_NORTHWEST}),
            first(),
                when(one_word, copy(VAR_WORK_WORD, VAR_ARG1)),
                copy(VAR_WORK_WORD, VAR_ARG2),
            end(),
            copy(VAR_DIRECTION_WORD, VAR_WORK_WORD),
            check_heading(),
            tell(2296, arg_of(VAR_WORK_WORD)),
            stop(),
        end(),
        reply({WORD_CLIFF}, 2638),
        reply({WORD_EXITS, WORD_SAND}, 3023),
        reply({PLACE_SUMMIT, PLACE_PRECIPICE, WORD_UPSLOPE}, 1425),
    end(),
    mark({WORD_NAVE, WORD_EXITS, WORD_UPSLOPE, PLACE_SUMMIT, PLACE_PRECIPICE, WORD_TRAIL, WORD_SAND}),
    land(PLACE_GONE, 1686),
};

// --- The dune cells (594..617) ----------------------------------------------

// The numbers in which the cells differ: k[0] and k[1] the cells that answer
// a look at the hollow (with the first or the second variant of the reply),
// k[2] the cells beside a hollow, whose marks include it, k[3] every other
// cell.
constexpr int HOLLOW_LOOK_0 = 0, HOLLOW_LOOK_1 = 1, HOLLOW_MARKS = 2, PLAIN_MARKS = 3;
constexpr std::array<int, 4> PLAIN{0, 0, 0, 1};

// Places 594..603, 606..617: dunes.
constexpr member DUNE_CELLS[] = {
    {PLACE_DUNES_594, PLAIN,
     {go({WORD_SOUTHWEST}, PLACE_DUNES_600), go({WORD_SOUTH}, PLACE_DUNES_595),
      go({WORD_SOUTHEAST}, PLACE_UPPER_TERRACE), go({WORD_EAST}, PLACE_DUNE_EDGE_623)}},
    {PLACE_DUNES_595, PLAIN,
     {go({WORD_NORTH}, PLACE_DUNES_594), go({WORD_WEST}, PLACE_DUNES_600), go({WORD_SOUTHWEST}, PLACE_DUNES_601),
      go({WORD_SOUTH}, PLACE_DUNES_596), go({WORD_SOUTHEAST}, PLACE_MIDDLE_TERRACE),
      go({WORD_EAST}, PLACE_UPPER_TERRACE),
                  go({WORD_NORTHEAST}, PLACE_DUNE_EDGE_623)}},
    {PLACE_DUNES_596, PLAIN,
     {go({WORD_NORTH}, PLACE_DUNES_595), go({WORD_NORTHWEST}, PLACE_DUNES_600), go({WORD_WEST}, PLACE_DUNES_601),
      go({WORD_SOUTHWEST}, PLACE_DUNES_602), go({WORD_SOUTH}, PLACE_DUNES_597),
      go({WORD_SOUTHEAST}, PLACE_LOWEST_TERRACE),
                  go({WORD_EAST}, PLACE_MIDDLE_TERRACE), go({WORD_NORTHEAST}, PLACE_UPPER_TERRACE)}},
    {PLACE_DUNES_597, PLAIN,
     {go({WORD_NORTH}, PLACE_DUNES_596), go({WORD_NORTHWEST}, PLACE_DUNES_601), go({WORD_WEST}, PLACE_DUNES_602),
      go({WORD_SOUTHWEST}, PLACE_DUNES_603), go({WORD_SOUTH}, PLACE_DUNES_598),
      go({WORD_SOUTHEAST}, PLACE_DUNE_EDGE_624),
                  go({WORD_EAST}, PLACE_LOWEST_TERRACE), go({WORD_NORTHEAST}, PLACE_MIDDLE_TERRACE)}},
    {PLACE_DUNES_598, PLAIN,
     {go({WORD_NORTH}, PLACE_DUNES_597), go({WORD_NORTHWEST}, PLACE_DUNES_602), go({WORD_WEST}, PLACE_DUNES_603),
      go({WORD_SOUTH}, PLACE_DUNES_599), go({WORD_SOUTHEAST}, PLACE_DUNE_EDGE_625), go({WORD_EAST},
         PLACE_DUNE_EDGE_624),
                  go({WORD_NORTHEAST}, PLACE_LOWEST_TERRACE)}},
    {PLACE_DUNES_599, PLAIN,
     {go({WORD_NORTH}, PLACE_DUNES_598), go({WORD_NORTHWEST}, PLACE_DUNES_603),
      go({WORD_DOWN, WORD_SOUTH}, PLACE_ABYSS_EDGE), go({WORD_SOUTHEAST}, PLACE_EDGE_OF_SANDS),
      go({WORD_EAST}, PLACE_DUNE_EDGE_625),
                  go({WORD_NORTHEAST}, PLACE_DUNE_EDGE_624)}},
    {PLACE_DUNES_600, PLAIN,
     {go({WORD_NORTHWEST}, PLACE_DUNES_604), go({WORD_WEST}, PLACE_DUNES_606), go({WORD_SOUTHWEST}, PLACE_DUNES_607),
      go({WORD_SOUTH}, PLACE_DUNES_601), go({WORD_SOUTHEAST}, PLACE_DUNES_596), go({WORD_EAST}, PLACE_DUNES_595),
                  go({WORD_NORTHEAST}, PLACE_DUNES_594)}},
    {PLACE_DUNES_601, PLAIN,
     {go({WORD_NORTH}, PLACE_DUNES_600), go({WORD_NORTHWEST}, PLACE_DUNES_606), go({WORD_WEST}, PLACE_DUNES_607),
      go({WORD_SOUTHWEST}, PLACE_DUNES_608), go({WORD_SOUTH}, PLACE_DUNES_602), go({WORD_SOUTHEAST}, PLACE_DUNES_597),
                  go({WORD_EAST}, PLACE_DUNES_596), go({WORD_NORTHEAST}, PLACE_DUNES_595)}},
    {PLACE_DUNES_602, PLAIN,
     {go({WORD_NORTH}, PLACE_DUNES_601), go({WORD_NORTHWEST}, PLACE_DUNES_607), go({WORD_WEST}, PLACE_DUNES_608),
      go({WORD_SOUTH}, PLACE_DUNES_603), go({WORD_SOUTHEAST}, PLACE_DUNES_598), go({WORD_EAST}, PLACE_DUNES_597),
                  go({WORD_NORTHEAST}, PLACE_DUNES_596)}},
    {PLACE_DUNES_603, PLAIN,
     {go({WORD_NORTH}, PLACE_DUNES_602), go({WORD_NORTHWEST}, PLACE_DUNES_608), go({WORD_SOUTHEAST}, PLACE_DUNES_599),
      go({WORD_EAST}, PLACE_DUNES_598), go({WORD_NORTHEAST}, PLACE_DUNES_597)}},
    {PLACE_DUNES_606, PLAIN,
     {go({WORD_NORTH}, PLACE_DUNES_604), go({WORD_WEST}, PLACE_DUNES_609), go({WORD_SOUTHWEST}, PLACE_DUNES_610),
      go({WORD_SOUTH}, PLACE_DUNES_607), go({WORD_SOUTHEAST}, PLACE_DUNES_601), go({WORD_EAST}, PLACE_DUNES_600)}},
    {PLACE_DUNES_607, PLAIN,
     {go({WORD_NORTH}, PLACE_DUNES_606), go({WORD_NORTHWEST}, PLACE_DUNES_609), go({WORD_WEST}, PLACE_DUNES_610),
      go({WORD_SOUTHWEST}, PLACE_DUNES_611), go({WORD_SOUTH}, PLACE_DUNES_608), go({WORD_SOUTHEAST}, PLACE_DUNES_602),
                  go({WORD_EAST}, PLACE_DUNES_601), go({WORD_NORTHEAST}, PLACE_DUNES_600)}},
    {PLACE_DUNES_608, PLAIN,
     {go({WORD_NORTH}, PLACE_DUNES_607), go({WORD_NORTHWEST}, PLACE_DUNES_610), go({WORD_WEST}, PLACE_DUNES_611),
      go({WORD_SOUTHWEST}, PLACE_DUNES_612), go({WORD_SOUTHEAST}, PLACE_DUNES_603), go({WORD_EAST}, PLACE_DUNES_602),
                  go({WORD_NORTHEAST}, PLACE_DUNES_601)}},
    {PLACE_DUNES_609, PLAIN,
     {go({WORD_NORTHWEST}, PLACE_DUNES_613), go({WORD_WEST}, PLACE_DUNES_614), go({WORD_SOUTHWEST}, PLACE_EAST_RIM),
      go({WORD_SOUTH}, PLACE_DUNES_610), go({WORD_SOUTHEAST}, PLACE_DUNES_607), go({WORD_EAST}, PLACE_DUNES_606),
                  go({WORD_NORTHEAST}, PLACE_DUNES_604)}},
    {PLACE_DUNES_610, PLAIN,
     {go({WORD_NORTH}, PLACE_DUNES_609), go({WORD_NORTHWEST}, PLACE_DUNES_614), go({WORD_WEST}, PLACE_EAST_RIM),
      go({WORD_SOUTHWEST}, PLACE_DUNES_615), go({WORD_SOUTH}, PLACE_DUNES_611), go({WORD_SOUTHEAST}, PLACE_DUNES_608),
                  go({WORD_EAST}, PLACE_DUNES_607), go({WORD_NORTHEAST}, PLACE_DUNES_606)}},
    {PLACE_DUNES_611, PLAIN,
     {go({WORD_NORTH}, PLACE_DUNES_610), go({WORD_NORTHWEST}, PLACE_EAST_RIM), go({WORD_WEST}, PLACE_DUNES_615),
      go({WORD_SOUTH}, PLACE_DUNES_612), go({WORD_EAST}, PLACE_DUNES_608), go({WORD_NORTHEAST}, PLACE_DUNES_607)}},
    {PLACE_DUNES_612, {0, 1, 1, 0},
     {go({WORD_NORTH}, PLACE_DUNES_611), go({WORD_NORTHWEST}, PLACE_DUNES_615), go({WORD_NORTHEAST}, PLACE_DUNES_608),
      go({WORD_SOUTHWEST}, PLACE_SOUTH_WEST_DUNE_CAVE)}},
    {PLACE_DUNES_613, {1, 0, 1, 0},
     {go({WORD_SOUTHWEST}, PLACE_DUNES_616), go({WORD_SOUTH}, PLACE_DUNES_614), go({WORD_SOUTHEAST}, PLACE_DUNES_609),
      go({WORD_NORTHWEST}, PLACE_NORTH_WEST_DUNE_CAVE)}},
    {PLACE_DUNES_614, PLAIN,
     {go({WORD_NORTH}, PLACE_DUNES_613), go({WORD_WEST}, PLACE_DUNES_616), go({WORD_SOUTHWEST}, PLACE_DUNES_617),
      go({WORD_SOUTH}, PLACE_NORTH_RIM), go({WORD_SOUTHEAST}, PLACE_DUNES_610), go({WORD_EAST}, PLACE_DUNES_609)}},
    {PLACE_DUNES_615, PLAIN,
     {go({WORD_NORTH}, PLACE_SOUTH_RIM), go({WORD_NORTHWEST}, PLACE_DUNES_617), go({WORD_SOUTHEAST}, PLACE_DUNES_612),
      go({WORD_EAST}, PLACE_DUNES_611), go({WORD_NORTHEAST}, PLACE_DUNES_610)}},
    {PLACE_DUNES_616, PLAIN,
     {go({WORD_SOUTH}, PLACE_DUNES_617), go({WORD_SOUTHEAST}, PLACE_WEST_RIM), go({WORD_EAST}, PLACE_DUNES_614),
      go({WORD_NORTHEAST}, PLACE_DUNES_613)}},
    {PLACE_DUNES_617, PLAIN,
     {go({WORD_NORTH}, PLACE_DUNES_616), go({WORD_SOUTHEAST}, PLACE_DUNES_615), go({WORD_EAST}, PLACE_WEST_RIM),
      go({WORD_NORTHEAST}, PLACE_DUNES_614)}},
};

// Places 594..603, 606..617: dunes.
// A look command never moves the player in the dunes: the look word's own
// procedure answers it.
// The sand and the things of a cell's changing look answer a look there:
// most cells share one reply to the sand, the dunes and their ridges and
// drifts; the few with a look of their own answer it.
constexpr row DUNE_CELL[] = {
    look(),
        member_group(HOLLOW_LOOK_0),
            reply({WORD_HOLLOW}, 3024, arg(0)),
        end(),
        member_group(HOLLOW_LOOK_1),
            reply({WORD_HOLLOW, WORD_OPENING}, 3024, arg(1)),
        end(),
        when(here_is(PLACE_DUNES_607), reply({WORD_SAND, WORD_TERRACES}, 3289, arg(1))),
        when(here_is(PLACE_DUNES_611), reply({WORD_SAND, WORD_TERRACES}, 3289, arg(2))),
        when(here_is(PLACE_DUNES_612), reply({WORD_SAND, WORD_TERRACES}, 3289, arg(3))),
        when(here_is(PLACE_DUNES_613), reply({WORD_SAND, WORD_TERRACES}, 3289, arg(4))),
        when(here_is(PLACE_DUNES_616), reply({WORD_SAND, WORD_TERRACES}, 3289, arg(5))),
        reply({WORD_SAND, WORD_TERRACES}, 3289, arg(0)),
        when(here_is(PLACE_DUNES_610).AND(object_not_near(OBJ_BOWL)), reply({OBJ_BOWL}, 3290, arg(8))),
        when(here_is(PLACE_DUNES_614), reply({WORD_PEBBLES}, 3290, arg(7))),
        when(here_is(PLACE_DUNES_615), reply({WORD_TRACK}, 3290, arg(9))),
        when(here_is(PLACE_DUNES_616), reply({WORD_MIST}, 3290, arg(6))),
        when(here_is(PLACE_DUNES_617), reply({PLACE_PIT, WORD_WATERS}, 3290, arg(10))),
        ret(),
    end(),
    moving(),
        reply({WORD_EXITS}, 1297),
        member_rows(),
    end(),
    member_group(PLAIN_MARKS),
        mark({WORD_EXITS, WORD_SAND, WORD_SKY, WORD_VIEW}),
    end(),
    member_group(HOLLOW_MARKS),
        mark({WORD_EXITS, WORD_SAND, WORD_SKY, WORD_VIEW, WORD_HOLLOW}),
    end(),
};

template <int PLACE>
int dune_cell() {
    return run_member<DUNE_CELL, DUNE_CELLS>(PLACE);
}

// Place 604: dunes.
// The cell below the cliff, with the sand cave in its side.
constexpr row CLIFF_CELL[] = {
    look(),
        reply({WORD_HOLLOW}, 3024, arg(0)),
        reply({WORD_SAND, WORD_TERRACES}, 3289, arg(0)),
        ret(),
    end(),
    moving(),
        reply({WORD_EXITS}, 1297),
        go({WORD_NORTHWEST, WORD_HOLLOW}, PLACE_SAND_CAVE),
        go({WORD_SOUTHWEST}, PLACE_DUNES_609),
        go({WORD_SOUTH}, PLACE_DUNES_606),
        go({WORD_SOUTHEAST}, PLACE_DUNES_600),
    end(),
    mark({WORD_EXITS, WORD_SAND, WORD_SKY, WORD_VIEW, WORD_CLIFF, WORD_HOLLOW}),
};

// --- The caves: the sand cave (605) and the two side caves (675, 676) ------

// Place 605: sand cave.
constexpr row SAND_CAVE[] = {
    look(),
        reply({WORD_HOLLOW, PLACE_CEILING, PLACE_WELL_HEAD, WORD_UP}, 3025),
        reply({WORD_ROCKFALL}, 3026),
        reply({WORD_WATERS, WORD_EXITS}, 3027),
        reply({WORD_NAVE}, 3022),
        reply({WORD_SAND}, 3289, arg(9)),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTHEAST, WORD_HOLLOW, WORD_EXITS}, PLACE_DUNES_604),
    end(),
    mark({WORD_NAVE, WORD_CLIFF, WORD_SKY, WORD_VIEW, WORD_SAND}),
    mark({WORD_EXITS, WORD_HOLLOW, WORD_ROCKFALL, WORD_STONE, PLACE_CEILING, PLACE_WELL_HEAD}),
};

// Places 675: north-west dune cave; 676: south-west dune cave.
constexpr member SIDE_CAVES[] = {
    {PLACE_NORTH_WEST_DUNE_CAVE, {}, {go({WORD_SOUTHEAST, WORD_HOLLOW, WORD_EXITS}, PLACE_DUNES_613)}},
    {PLACE_SOUTH_WEST_DUNE_CAVE, {}, {go({WORD_NORTHEAST, WORD_HOLLOW, WORD_EXITS}, PLACE_DUNES_612)}},
};

// Places 675: north-west dune cave; 676: south-west dune cave.
constexpr row SIDE_CAVE[] = {
    look(),
        reply({WORD_HOLLOW}, 2368),
        reply({WORD_WATERS, WORD_EXITS}, 3027),
        reply({WORD_SAND}, 3289, arg(10)),
        reply({PLACE_CEILING, PLACE_WELL_HEAD, WORD_UP}, 3290, arg(17)),
        reply({WORD_NAVE}, 3022),
        ret(),
    end(),
    moving(),
        member_rows(),
    end(),
    mark({WORD_NAVE, WORD_CLIFF, WORD_SKY, WORD_VIEW, WORD_SAND}),
    mark({WORD_EXITS, WORD_HOLLOW, PLACE_CEILING, PLACE_WELL_HEAD}),
};

// --- The edge: 618, 619, the terraces, the dune edge, the gate, the lookout --

cond_fold heading_past_south() { return cond(value[OBJ_HEADING] > 5); }

// Place 618: edge of the sands.
constexpr row EDGE_OF_THE_SANDS[] = {
    look(),
        reply({WORD_CAVERN, WORD_HOLE, WORD_OPENING}, 3059),
        reply({PLACE_FALLS_NOOK}, 3057),
        reply({WORD_GULLY, WORD_BRINK, WORD_DOWN}, 3427, arg(1)),
        reply({WORD_SAND}, 3289, arg(11)),
        reply({OBJ_GATE}, 3290, arg(11)),
        ret(),
    end(),
    call(p138),
    moving(),
        go({WORD_NORTH}, PLACE_DUNE_EDGE_625),
        go({WORD_NORTHWEST}, PLACE_DUNES_599),
        go({WORD_WEST}, PLACE_ABYSS_EDGE),
        go({WORD_SOUTH}, PLACE_EDGE_GATE),
        group({WORD_UP}),
            when([] { return cond(irand(100) < 50); }, forced(PLACE_EDGE_GATE)),
            forced(PLACE_DUNE_EDGE_625),
        end(),
        group({WORD_EAST, WORD_IN, WORD_HOLE, WORD_OPENING, WORD_CAVERN}),
            call(p152, ref(WORD_EAST)),
            when(heading_past_south, reply(2317, arg(1))),
            reply(2317, arg(0)),
        end(),
        reply({WORD_GULLY}, 1425),
    end(),
    mark({WORD_EXITS, WORD_SAND, WORD_HOLE, WORD_CAVERN, WORD_GULLY, WORD_OPENING, WORD_BRINK}),
};

// Place 619: abyss edge.
constexpr row ABYSS_EDGE[] = {
    look(),
        reply({PLACE_FALLS_NOOK}, 3057),
        reply({WORD_ROCKFALL, WORD_SHELF}, 3058),
        reply({WORD_GULLY, WORD_BRINK, WORD_DOWN}, 3427, arg(0)),
        reply({WORD_SAND}, 3289, arg(12)),
        ret(),
    end(),
    let(all({WORD_CLIMB, WORD_UP}), VAR_COMMAND_STATUS, 1),
    moving(),
        go({WORD_NORTH, WORD_CLIMB, WORD_UP}, PLACE_DUNES_599),
        go({WORD_SOUTHEAST}, PLACE_EDGE_GATE),
        go({WORD_EAST}, PLACE_EDGE_OF_SANDS),
        go({WORD_NORTHEAST}, PLACE_DUNE_EDGE_625),
        reply({WORD_GULLY}, 1425),
    end(),
    mark({WORD_GULLY, WORD_ROCKFALL, WORD_STONE, WORD_SHELF, WORD_BRINK}),
};

// The terraces: each leads up to the lookout point by its own compass word
// (checked against the lodestone like the others) and by "up" and "climb".
// k[2]: the terraces whose look names the dune edge.
constexpr int TERRACE_MARKS = 0, TERRACE_SKY_MARKS = 1, EDGE_NAMED = 2;

// Places 620: upper terrace; 621: middle terrace; 622: lowest terrace.
constexpr member TERRACES[] = {
    {PLACE_UPPER_TERRACE, {1, 0, 1},
     {go({WORD_NORTH}, PLACE_DUNE_EDGE_623), go({WORD_NORTHWEST}, PLACE_DUNES_594), go({WORD_WEST}, PLACE_DUNES_595),
      go({WORD_SOUTHWEST}, PLACE_DUNES_596), go({WORD_SOUTH}, PLACE_MIDDLE_TERRACE),
                   call({WORD_UP, WORD_CLIMB, WORD_SOUTHEAST}, p152,
                        ref(WORD_SOUTHEAST)), go({WORD_CLIMB, WORD_UP, WORD_SOUTHEAST, PLACE_UPPER_TERRACE},
                        PLACE_LOOKOUT_POINT)}},
    {PLACE_MIDDLE_TERRACE, {1, 0},
     {go({WORD_NORTH}, PLACE_UPPER_TERRACE), go({WORD_SOUTH}, PLACE_LOWEST_TERRACE),
      go({WORD_SOUTHWEST}, PLACE_DUNES_597), go({WORD_WEST}, PLACE_DUNES_596), go({WORD_NORTHWEST}, PLACE_DUNES_595),
                   call({WORD_UP, WORD_CLIMB, WORD_EAST}, p152,
                        ref(WORD_EAST)), go({WORD_CLIMB, WORD_UP, WORD_EAST,
                            PLACE_UPPER_TERRACE}, PLACE_LOOKOUT_POINT)}},
    {PLACE_LOWEST_TERRACE, {0, 1, 1},
     {go({WORD_NORTH}, PLACE_MIDDLE_TERRACE), go({WORD_NORTHWEST}, PLACE_DUNES_596), go({WORD_WEST}, PLACE_DUNES_597),
      go({WORD_SOUTHWEST}, PLACE_DUNES_598), go({WORD_SOUTH}, PLACE_DUNE_EDGE_624),
                   call({WORD_UP, WORD_CLIMB, WORD_NORTHEAST}, p152,
                        ref(WORD_NORTHEAST)), go({WORD_CLIMB, WORD_UP, WORD_NORTHEAST, PLACE_UPPER_TERRACE},
                        PLACE_LOOKOUT_POINT)}},
};

// Places 620: upper terrace; 621: middle terrace; 622: lowest terrace.
constexpr row TERRACE[] = {
    look(),
        reply({PLACE_UPPER_TERRACE, WORD_RAMP, OBJ_STEPS, WORD_TERRACES}, 2978),
        reply({WORD_SAND}, 3289, arg(13)),
        member_group(EDGE_NAMED),
            reply({WORD_BRINK}, 3290, arg(15)),
        end(),
        ret(),
    end(),
    when(has_word(WORD_CLIMB).AND(has_any_word({PLACE_UPPER_TERRACE, WORD_RAMP, WORD_UP})), let(VAR_COMMAND_STATUS, 1)),
    moving(),
        member_rows(),
    end(),
    call(p138),
    member_group(TERRACE_MARKS),
        mark({WORD_RAMP, PLACE_UPPER_TERRACE, WORD_EXITS, WORD_SAND, OBJ_STEPS, WORD_TERRACES}),
    end(),
    member_group(TERRACE_SKY_MARKS),
        mark({WORD_RAMP, PLACE_UPPER_TERRACE, WORD_EXITS, WORD_SAND, WORD_SKY, WORD_VIEW, OBJ_STEPS, WORD_TERRACES}),
    end(),
};

// The dune edge: 625 has a look at the gully and the falls, and "climb
// down" goes down to the edge of the sands.
constexpr int EDGE_LOOK = 0, EDGE_MARKS = 1;

// Places 623..625: dune edge.
constexpr member DUNE_EDGES[] = {
    {PLACE_DUNE_EDGE_623, {0, 1},
     {go({WORD_WEST}, PLACE_DUNES_594), go({WORD_SOUTHWEST}, PLACE_DUNES_595), go({WORD_SOUTH}, PLACE_UPPER_TERRACE)}},
    {PLACE_DUNE_EDGE_624, {0, 1},
     {go({WORD_NORTH}, PLACE_LOWEST_TERRACE), go({WORD_NORTHWEST}, PLACE_DUNES_597), go({WORD_WEST}, PLACE_DUNES_598),
      go({WORD_SOUTHWEST}, PLACE_DUNES_599), go({WORD_SOUTH}, PLACE_DUNE_EDGE_625)}},
    {PLACE_DUNE_EDGE_625, {1, 0},
     {go({WORD_NORTH}, PLACE_DUNE_EDGE_624), go({WORD_NORTHWEST}, PLACE_DUNES_598), go({WORD_WEST}, PLACE_DUNES_599),
      go({WORD_SOUTHWEST}, PLACE_ABYSS_EDGE), go({WORD_DOWN, WORD_SOUTH}, PLACE_EDGE_OF_SANDS)}},
};

// Places 623..625: dune edge.
constexpr row DUNE_EDGE[] = {
    member_group(EDGE_LOOK),
        look(),
            reply({WORD_GULLY, WORD_DOWN}, 3427, arg(2)),
            reply({PLACE_FALLS_NOOK}, 3057),
        end(),
    end(),
    look(),
        reply({WORD_BRINK}, 3290, arg(14)),
        reply({WORD_SAND}, 3289, arg(14)),
        member_group(EDGE_MARKS),
            reply({PLACE_UPPER_TERRACE, WORD_TERRACES}, 3290, arg(16)),
        end(),
    end(),
    call(p138),
    member_group(EDGE_LOOK),
        let(all({WORD_CLIMB, WORD_DOWN}), VAR_COMMAND_STATUS, 1),
    end(),
    moving(),
        member_rows(),
    end(),
    member_group(EDGE_MARKS),
        mark({WORD_EXITS, WORD_SAND}),
    end(),
    member_group(EDGE_LOOK),
        mark({WORD_EXITS, WORD_SAND, WORD_GULLY}),
    end(),
};

// Place 626: edge gate.
constexpr row EDGE_GATE[] = {
    look(),
        reply({WORD_CAVERN, WORD_HOLE, WORD_TUNNEL, WORD_OPENING}, 2903, arg(WORD_TUNNEL)),
        reply({WORD_GULLY, WORD_DOWN, WORD_BRINK}, 3427, arg(3)),
        reply({PLACE_FALLS_NOOK}, 3057),
        reply({OBJ_GATE, WORD_DOORWAY}, 3290, arg(12)),
        reply({PLACE_SLOPE}, 3290, arg(13)),
        reply({WORD_SAND}, 3289, arg(15)),
    end(),
    call(p138),
    moving(),
        go({WORD_NORTH, WORD_DOWN}, PLACE_EDGE_OF_SANDS),
        go({WORD_NORTHWEST}, PLACE_ABYSS_EDGE),
        call({WORD_EAST, WORD_IN, WORD_HOLE, WORD_OPENING, WORD_CAVERN}, p152, ref(WORD_EAST)),
        go({WORD_EAST, WORD_IN, WORD_HOLE, WORD_OPENING, WORD_CAVERN}, PLACE_GATE_PASSAGE, 2361),
        reply({WORD_SOUTH, WORD_SOUTHWEST, WORD_WEST}, 2412),
    end(),
    mark({WORD_EXITS, WORD_SAND, WORD_GULLY, WORD_HOLE, WORD_OPENING, WORD_CAVERN, WORD_TUNNEL}),
};

// "Gallery" or "waters" named at the lookout: there is none here. The reply
// names the word as typed, whichever slot holds it (a one-word command has
// no second word to name).
int no_such_thing_here() {
    const int slot = cond(value[VAR_ARG2] == PLACE_WEST_END_OF_GALLERY).OR(value[VAR_ARG2] == WORD_WATERS) ? VAR_ARG2 : VAR_ARG1;
    say(SAY_STOP | SAY_ARG | SAY_ARGVAR, 1319, slot);
    return 0;
}

// Place 627: lookout point.
constexpr row LOOKOUT_POINT[] = {
    set_flag(PLACE_SUMMIT, PFLAG_VISITED),
    look(),
        reply({WORD_SAND}, 3289, arg(16)),
        reply({PLACE_UPPER_TERRACE, WORD_ROCK, WORD_RAMP, WORD_TERRACES}, 2978),
        reply({WORD_OUTCROP, WORD_DOWN}, 3199),
        reply({PLACE_TAPESTRY_ROOM, WORD_OPENING, WORD_HOLE}, 3200),
        reply({WORD_OVERHANG}, 2709),
        reply({WORD_SKYLINE, WORD_LOOKOUT}, 1971),
        reply({WORD_EXITS}, 3007, arg(2)),
        ret(),
    end(),
    step({PLACE_WEST_END_OF_GALLERY, WORD_WATERS}, no_such_thing_here),
    call(p138),
    when(has_word(WORD_CLIMB).AND(has_any_word({PLACE_UPPER_TERRACE, WORD_RAMP, WORD_DOWN})),
         let(VAR_COMMAND_STATUS, 1)),
    moving(),
        when(object_carried(OBJ_HEADING).AND(has_word(WORD_DOWN)), heading(WORD_WEST)),
        go({WORD_WEST, WORD_DOWN, PLACE_UPPER_TERRACE}, PLACE_MIDDLE_TERRACE),
        go({WORD_NORTHWEST}, PLACE_UPPER_TERRACE),
        go({WORD_SOUTHWEST}, PLACE_LOWEST_TERRACE),
    end(),
    mark({WORD_RAMP, PLACE_UPPER_TERRACE, WORD_OVERHANG, WORD_ROCK, PLACE_TAPESTRY_ROOM, WORD_OPENING, WORD_HOLE}),
    mark({WORD_ROCK, WORD_SAND, WORD_SKYLINE, WORD_LOOKOUT}),
};

}  // namespace

int p621() { return run_member<RIM, RIMS>(PLACE_NORTH_RIM); }
int p254() { return run_member<RIM, RIMS>(PLACE_EAST_RIM); }
int p791() { return run<SOUTH_RIM>(); }
int p922() { return run_member<RIM, RIMS>(PLACE_WEST_RIM); }
int p802() { return run<LOWER_SLOPE>(); }
int p801() { return run<UPPER_SLOPE>(); }
int p799() { return run<SUMMIT>(); }

int p189() { return dune_cell<PLACE_DUNES_594>(); }
int p200() { return dune_cell<PLACE_DUNES_595>(); }
int p204() { return dune_cell<PLACE_DUNES_596>(); }
int p205() { return dune_cell<PLACE_DUNES_597>(); }
int p206() { return dune_cell<PLACE_DUNES_598>(); }
int p207() { return dune_cell<PLACE_DUNES_599>(); }
int p208() { return dune_cell<PLACE_DUNES_600>(); }
int p209() { return dune_cell<PLACE_DUNES_601>(); }
int p210() { return dune_cell<PLACE_DUNES_602>(); }
int p190() { return dune_cell<PLACE_DUNES_603>(); }
int p192() { return dune_cell<PLACE_DUNES_606>(); }
int p193() { return dune_cell<PLACE_DUNES_607>(); }
int p194() { return dune_cell<PLACE_DUNES_608>(); }
int p195() { return dune_cell<PLACE_DUNES_609>(); }
int p196() { return dune_cell<PLACE_DUNES_610>(); }
int p197() { return dune_cell<PLACE_DUNES_611>(); }
int p198() { return dune_cell<PLACE_DUNES_612>(); }
int p199() { return dune_cell<PLACE_DUNES_613>(); }
int p201() { return dune_cell<PLACE_DUNES_614>(); }
int p202() { return dune_cell<PLACE_DUNES_615>(); }
int p203() { return dune_cell<PLACE_DUNES_616>(); }
int p211() { return dune_cell<PLACE_DUNES_617>(); }
int p191() { return run<CLIFF_CELL>(); }

int p728() { return run<SAND_CAVE>(); }
int p655() { return run_member<SIDE_CAVE, SIDE_CAVES>(PLACE_NORTH_WEST_DUNE_CAVE); }
int p656() { return run_member<SIDE_CAVE, SIDE_CAVES>(PLACE_SOUTH_WEST_DUNE_CAVE); }

int p722() { return run<EDGE_OF_THE_SANDS>(); }
int p723() { return run<ABYSS_EDGE>(); }
int p749() { return run_member<TERRACE, TERRACES>(PLACE_UPPER_TERRACE); }
int p750() { return run_member<TERRACE, TERRACES>(PLACE_MIDDLE_TERRACE); }
int p751() { return run_member<TERRACE, TERRACES>(PLACE_LOWEST_TERRACE); }
int p134() { return run_member<DUNE_EDGE, DUNE_EDGES>(PLACE_DUNE_EDGE_623); }
int p135() { return run_member<DUNE_EDGE, DUNE_EDGES>(PLACE_DUNE_EDGE_624); }
int p136() { return run_member<DUNE_EDGE, DUNE_EDGES>(PLACE_DUNE_EDGE_625); }
int p137() { return run<EDGE_GATE>(); }
int p44() { return run<LOOKOUT_POINT>(); }
