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
    {587, {1, 0, 0}, {go({WORD_NORTH}, 614), go({WORD_NORTHEAST}, 609), go({WORD_EAST}, 610), go({WORD_WEST}, 617), go({WORD_NORTHWEST}, 616),
                      go({WORD_SOUTHEAST}, 588), go({WORD_SOUTHWEST}, 590), reply({WORD_SOUTH}, 2564, arg(749))}},
    {588, {0, 0, 1}, {go({WORD_NORTH}, 614), go({WORD_SOUTH}, 615), go({WORD_SOUTHEAST}, 611), go({WORD_EAST}, 610), go({WORD_NORTHEAST}, 609),
                      go({WORD_NORTHWEST}, 587), go({WORD_SOUTHWEST}, 589), reply({WORD_WEST}, 2564, arg(751))}},
    {590, {0, 1, 0}, {go({WORD_NORTH}, 614), go({WORD_NORTHWEST}, 616), go({WORD_WEST}, 617), go({WORD_SOUTH}, 615), go({WORD_NORTHEAST}, 587),
                      go({WORD_SOUTHEAST}, 589), reply({WORD_EAST}, 2564, arg(747)), reply({940}, 2638)}},
};

// Places 587: north rim; 588: east rim; 590: west rim.
constexpr row RIM[] = {
    look(),
        member_group(TRAIL_LOOK_0),
            reply({940}, 2977),
        end(),
        member_group(TRAIL_LOOK_1),
            reply({940}, 2976),
        end(),
        member_group(VIEW_LOOK),
            reply({977}, 3158),
            reply({1014, 17}, 3155, arg_of(593)),
        end(),
        ret(),
    end(),
    moving(),
        member_rows(),
    end(),
    member_group(TRAIL_LOOK_0),
        mark({940}),
    end(),
    member_group(TRAIL_LOOK_1),
        mark({940}),
    end(),
};

// Place 589: south rim.
// The south rim: the foot of the trail up to the summit, which the lodestone
// may refuse, and a way south-west that the sand shifts between two cells.
constexpr row SOUTH_RIM[] = {
    look(),
        group({940}),
            tell(3274),
            reply(1266),
        end(),
        ret(),
    end(),
    when(has_any_word({WORD_UP, WORD_CLIMB}).AND(has_any_word({593, 940})), let(VAR_COMMAND_STATUS, 1)),
    moving(),
        group({WORD_UP, WORD_CLIMB, 940}),
            first(),
                when(heading_in<6, 8>, step(refused_on_trail<754, 2295, 751>)),
                when(heading_in<1, 1>, step(refused_on_trail<754, 2307, 752>)),
                when(heading_in<2, 2>, step(refused_on_trail<754, 2307, 745>)),
                forced(591),
            end(),
        end(),
        go({WORD_EAST}, 610),
        go({WORD_SOUTHEAST}, 611),
        go({WORD_SOUTH}, 615),
        go({WORD_WEST}, 617),
        go({WORD_NORTHEAST}, 588),
        go({WORD_NORTHWEST}, 590),
        reply({WORD_NORTH}, 2564, arg(745)),
        when([] { return cond(irand(100) < 50); }, go({WORD_SOUTHWEST}, 615)),
        go({WORD_SOUTHWEST}, 617),
    end(),
    mark({940}),
};

// --- The trail: lower slope (591), upper slope (592), summit (593) ---------

// Place 591: lower slope.
constexpr row LOWER_SLOPE[] = {
    look(),
        reply({1000}, 3022),
        reply({445, 940}, 3016),
        reply({WORD_DOWN}, 3017),
        reply({1072}, 3007, arg(0)),
        reply({WORD_UP}, 3020),
        reply({954}, 2613),
        ret(),
    end(),
    // "Ways" as a way to go is a leap off the slope.
    when([] { return cond(has(1072)).AND(movement_guard()); }, rewrite(1072, 762)),
    group([] { return cond(has(762)).AND(cond(anyof(WORD_DOWN, WORD_OFF, 980, 954, 1072, -1)).OR(words() == 1)); }),
        when(heading_in<6, 8>, reply(2299, arg(751))),
        step(spin_heading_lower),
        tell(2304, arg(0)),
        forced(590),
    end(),
    call({WORD_DROP}, p800),
    let({WORD_CLIMB, WORD_UP, WORD_DOWN}, VAR_COMMAND_STATUS, 1),
    moving(),
        group(has_word(940).AND(value_is(VAR_THERE, 592)).OR(has_any_word({WORD_DOWN, WORD_SOUTH, 954, 980}))),
            first(),
                when(heading_in<4, 6>, step(refused_on_trail<755, 2295, 749>)),
                when(heading_in<3, 3>, step(refused_on_trail<755, 2307, 748>)),
                when(heading_in<2, 2>, forced(589, 2577)),
                forced(589),
            end(),
        end(),
        group(has_word(940).AND(value_is(VAR_THERE, 589)).OR(has_any_word({WORD_UP, WORD_NORTHEAST, WORD_CLIMB, 1071}))),
            first(),
                when(heading_in<1, 3>, step(refused_on_trail<754, 2295, 746>)),
                when(heading_in<4, 4>, step(refused_on_trail<754, 2307, 747>)),
                forced(592),
            end(),
        end(),
    end(),
    mark({1000, 940, 1071, 980, 1072, 954}),
    land(PLACE_GONE, 1686),
};

// Place 592: upper slope.
constexpr row UPPER_SLOPE[] = {
    look(),
        reply({1000}, 3022, arg(0)),
        reply({445, 940}, 3015),
        reply({WORD_UP, 1071}, 3019),
        reply({1072}, 3007, arg(0)),
        reply({WORD_DOWN, 980}, 3018),
        reply({954}, 2613),
        ret(),
    end(),
    group([] { return cond(has(762)).AND(cond(anyof(WORD_OFF, WORD_DOWN, 954, 1072, 980, -1)).OR(words() == 1)); }),
        when([] {
            return cond(carried(OBJ_HEADING))
                .AND(cond(value[OBJ_HEADING] == 1).OR(value[OBJ_HEADING] == 2).OR(value[OBJ_HEADING] == 8));
        }, reply(2299, arg(745))),
        step(spin_heading_upper),
        tell(2304, arg(1)),
        set_flag(OBJ_HEADING, 14),
        forced(587),
    end(),
    call({WORD_DROP}, p800),
    let({WORD_CLIMB, WORD_UP, WORD_DOWN}, VAR_COMMAND_STATUS, 1),
    moving(),
        group(has_word(940).AND(value_is(VAR_THERE, 593)).OR(has_any_word({WORD_DOWN, WORD_WEST}))),
            first(),
                when(heading_in<6, 8>, step(refused_on_trail<755, 2295, 751>)),
                when(heading_in<5, 5>, step(refused_on_trail<755, 2307, 750>)),
                forced(591),
            end(),
        end(),
        // Back the way you came down is up again.
        when(has_word(WORD_BACK).AND(value_is(VAR_THERE, 593)), rewrite(WORD_BACK, WORD_UP)),
        group(has_word(940).AND(value_is(VAR_THERE, 591)).OR(has_any_word({WORD_UP, WORD_SOUTHEAST, 1071, WORD_CLIMB}))),
            first(),
                when(heading_in<3, 5>, step(refused_on_trail<754, 2295, 748>)),
                when(heading_in<6, 6>, step(refused_on_trail<754, 2307, 749>)),
                otherwise(),
                    // The first climb to the summit: it counts as not yet
                    // visited, so that it is described in full.
                    group([] { return cond(bitest(593, 16)); }),
                        clear_flag(593, 16),
                        clear_flag(593, PFLAG_VISITED),
                    end(),
                    forced(593),
                end(),
            end(),
        end(),
        reply({WORD_CLIFF}, 2638),
        reply({980, 1072, 954}, 3023),
    end(),
    mark({1000, 940, 1071, 980, WORD_CLIFF, 1072, 954}),
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
    group({173}),
        rewrite(173, 101),
        put_here(173),
    end(),
    reply(all({WORD_CLIMB, 101}), 2464),
    look(),
        reply({593, 451}, 3012),
        reply({445, 940}, 3014),
        reply({WORD_DOWN}, 3021),
        reply({1072}, 3007, arg(1)),
        reply({954}, 2613),
        ret(),
    end(),
    group({WORD_DROP}),
        when(one_word, step(drop_the_one_carried)),
        group([] { return cond(has(143)).AND(have(143, 0, 1)); }),
            let(143, 2),
            let(101, 1),
            reply(2628),
        end(),
    end(),
    group([] { return cond(has(762)).AND(cond(anyof(WORD_DOWN, WORD_OFF, -1)).OR(words() == 1)); }),
        tell(2304, arg(2)),
        forced_on(PLACE_GONE),
        call(p803),
    end(),
    when([] { return cond(keyword(WORD_TAKE, OBJ_HEADING, -1)).AND(value[OBJ_HEADING] == 0); }, let(OBJ_HEADING, 2)),
    let(all({WORD_CLIMB, WORD_DOWN}), VAR_COMMAND_STATUS, 1),
    moving(),
        group({WORD_DOWN, 940, WORD_BACK}),
            first(),
                when(heading_in<2, 4>, reply(2308)),
                when(heading_north, step(refused_on_trail<755, 2295, 745>)),
                when(heading_in<7, 7>, step(refused_on_trail<755, 2307, 752>)),
                otherwise(),
                    clear_flag(593, PFLAG_HINT_AVAILABLE),
                    set_flag(592, PFLAG_HINT_AVAILABLE),
                    forced(592),
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
        reply({1072, 954}, 3023),
        reply({593, 451, 1071}, 1425),
    end(),
    mark({1000, 1072, 1071, 593, 451, 940, 954}),
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
    {594, PLAIN, {go({WORD_SOUTHWEST}, 600), go({WORD_SOUTH}, 595), go({WORD_SOUTHEAST}, 620), go({WORD_EAST}, 623)}},
    {595, PLAIN, {go({WORD_NORTH}, 594), go({WORD_WEST}, 600), go({WORD_SOUTHWEST}, 601), go({WORD_SOUTH}, 596), go({WORD_SOUTHEAST}, 621), go({WORD_EAST}, 620),
                  go({WORD_NORTHEAST}, 623)}},
    {596, PLAIN, {go({WORD_NORTH}, 595), go({WORD_NORTHWEST}, 600), go({WORD_WEST}, 601), go({WORD_SOUTHWEST}, 602), go({WORD_SOUTH}, 597), go({WORD_SOUTHEAST}, 622),
                  go({WORD_EAST}, 621), go({WORD_NORTHEAST}, 620)}},
    {597, PLAIN, {go({WORD_NORTH}, 596), go({WORD_NORTHWEST}, 601), go({WORD_WEST}, 602), go({WORD_SOUTHWEST}, 603), go({WORD_SOUTH}, 598), go({WORD_SOUTHEAST}, 624),
                  go({WORD_EAST}, 622), go({WORD_NORTHEAST}, 621)}},
    {598, PLAIN, {go({WORD_NORTH}, 597), go({WORD_NORTHWEST}, 602), go({WORD_WEST}, 603), go({WORD_SOUTH}, 599), go({WORD_SOUTHEAST}, 625), go({WORD_EAST}, 624),
                  go({WORD_NORTHEAST}, 622)}},
    {599, PLAIN, {go({WORD_NORTH}, 598), go({WORD_NORTHWEST}, 603), go({WORD_DOWN, WORD_SOUTH}, 619), go({WORD_SOUTHEAST}, 618), go({WORD_EAST}, 625),
                  go({WORD_NORTHEAST}, 624)}},
    {600, PLAIN, {go({WORD_NORTHWEST}, 604), go({WORD_WEST}, 606), go({WORD_SOUTHWEST}, 607), go({WORD_SOUTH}, 601), go({WORD_SOUTHEAST}, 596), go({WORD_EAST}, 595),
                  go({WORD_NORTHEAST}, 594)}},
    {601, PLAIN, {go({WORD_NORTH}, 600), go({WORD_NORTHWEST}, 606), go({WORD_WEST}, 607), go({WORD_SOUTHWEST}, 608), go({WORD_SOUTH}, 602), go({WORD_SOUTHEAST}, 597),
                  go({WORD_EAST}, 596), go({WORD_NORTHEAST}, 595)}},
    {602, PLAIN, {go({WORD_NORTH}, 601), go({WORD_NORTHWEST}, 607), go({WORD_WEST}, 608), go({WORD_SOUTH}, 603), go({WORD_SOUTHEAST}, 598), go({WORD_EAST}, 597),
                  go({WORD_NORTHEAST}, 596)}},
    {603, PLAIN, {go({WORD_NORTH}, 602), go({WORD_NORTHWEST}, 608), go({WORD_SOUTHEAST}, 599), go({WORD_EAST}, 598), go({WORD_NORTHEAST}, 597)}},
    {606, PLAIN, {go({WORD_NORTH}, 604), go({WORD_WEST}, 609), go({WORD_SOUTHWEST}, 610), go({WORD_SOUTH}, 607), go({WORD_SOUTHEAST}, 601), go({WORD_EAST}, 600)}},
    {607, PLAIN, {go({WORD_NORTH}, 606), go({WORD_NORTHWEST}, 609), go({WORD_WEST}, 610), go({WORD_SOUTHWEST}, 611), go({WORD_SOUTH}, 608), go({WORD_SOUTHEAST}, 602),
                  go({WORD_EAST}, 601), go({WORD_NORTHEAST}, 600)}},
    {608, PLAIN, {go({WORD_NORTH}, 607), go({WORD_NORTHWEST}, 610), go({WORD_WEST}, 611), go({WORD_SOUTHWEST}, 612), go({WORD_SOUTHEAST}, 603), go({WORD_EAST}, 602),
                  go({WORD_NORTHEAST}, 601)}},
    {609, PLAIN, {go({WORD_NORTHWEST}, 613), go({WORD_WEST}, 614), go({WORD_SOUTHWEST}, 588), go({WORD_SOUTH}, 610), go({WORD_SOUTHEAST}, 607), go({WORD_EAST}, 606),
                  go({WORD_NORTHEAST}, 604)}},
    {610, PLAIN, {go({WORD_NORTH}, 609), go({WORD_NORTHWEST}, 614), go({WORD_WEST}, 588), go({WORD_SOUTHWEST}, 615), go({WORD_SOUTH}, 611), go({WORD_SOUTHEAST}, 608),
                  go({WORD_EAST}, 607), go({WORD_NORTHEAST}, 606)}},
    {611, PLAIN, {go({WORD_NORTH}, 610), go({WORD_NORTHWEST}, 588), go({WORD_WEST}, 615), go({WORD_SOUTH}, 612), go({WORD_EAST}, 608), go({WORD_NORTHEAST}, 607)}},
    {612, {0, 1, 1, 0}, {go({WORD_NORTH}, 611), go({WORD_NORTHWEST}, 615), go({WORD_NORTHEAST}, 608), go({WORD_SOUTHWEST}, 676)}},
    {613, {1, 0, 1, 0}, {go({WORD_SOUTHWEST}, 616), go({WORD_SOUTH}, 614), go({WORD_SOUTHEAST}, 609), go({WORD_NORTHWEST}, 675)}},
    {614, PLAIN, {go({WORD_NORTH}, 613), go({WORD_WEST}, 616), go({WORD_SOUTHWEST}, 617), go({WORD_SOUTH}, 587), go({WORD_SOUTHEAST}, 610), go({WORD_EAST}, 609)}},
    {615, PLAIN, {go({WORD_NORTH}, 589), go({WORD_NORTHWEST}, 617), go({WORD_SOUTHEAST}, 612), go({WORD_EAST}, 611), go({WORD_NORTHEAST}, 610)}},
    {616, PLAIN, {go({WORD_SOUTH}, 617), go({WORD_SOUTHEAST}, 590), go({WORD_EAST}, 614), go({WORD_NORTHEAST}, 613)}},
    {617, PLAIN, {go({WORD_NORTH}, 616), go({WORD_SOUTHEAST}, 615), go({WORD_EAST}, 590), go({WORD_NORTHEAST}, 614)}},
};

// Places 594..603, 606..617: dunes.
// A look command never moves the player in the dunes: the look word's own
// procedure answers it.
constexpr row DUNE_CELL[] = {
    look(),
        member_group(HOLLOW_LOOK_0),
            reply({1003}, 3024, arg(0)),
        end(),
        member_group(HOLLOW_LOOK_1),
            reply({1003}, 3024, arg(1)),
        end(),
        ret(),
    end(),
    moving(),
        reply({1072}, 1297),
        member_rows(),
    end(),
    member_group(PLAIN_MARKS),
        mark({1072, 954, 1136, 977}),
    end(),
    member_group(HOLLOW_MARKS),
        mark({1072, 954, 1136, 977, 1003}),
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
        reply({1003}, 3024, arg(0)),
        ret(),
    end(),
    moving(),
        reply({1072}, 1297),
        go({WORD_NORTHWEST, 1003}, 605),
        go({WORD_SOUTHWEST}, 609),
        go({WORD_SOUTH}, 606),
        go({WORD_SOUTHEAST}, 600),
    end(),
    mark({1072, 954, 1136, 977, WORD_CLIFF, 1003}),
};

// --- The caves: the sand cave (605) and the two side caves (675, 676) ------

// Place 605: sand cave.
constexpr row SAND_CAVE[] = {
    look(),
        reply({1003, 376, 475, WORD_UP}, 3025),
        reply({1132}, 3026),
        reply({WORD_WATERS, 1072}, 3027),
        reply({1000}, 3022),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTHEAST, 1003, 1072}, 604),
    end(),
    mark({1000, WORD_CLIFF, 1136, 977, 954}),
    mark({1072, 1003, 1132, 1131, 376, 475}),
};

// Places 675: north-west dune cave; 676: south-west dune cave.
constexpr member SIDE_CAVES[] = {
    {675, {}, {go({WORD_SOUTHEAST, 1003, 1072}, 613)}},
    {676, {}, {go({WORD_NORTHEAST, 1003, 1072}, 612)}},
};

// Places 675: north-west dune cave; 676: south-west dune cave.
constexpr row SIDE_CAVE[] = {
    look(),
        reply({1003}, 2368),
        reply({WORD_WATERS, 1072}, 3027),
        reply({954}, 2613),
        reply({376, 475, WORD_UP}, 2033, arg(376)),
        reply({1000}, 3022),
        ret(),
    end(),
    moving(),
        member_rows(),
    end(),
    mark({1000, WORD_CLIFF, 1136, 977, 954}),
    mark({1072, 1003, 376, 475}),
};

// --- The edge: 618, 619, the terraces, the dune edge, the gate, the lookout --

cond_fold heading_past_south() { return cond(value[OBJ_HEADING] > 5); }

// Place 618: edge of the sands.
constexpr row EDGE_OF_THE_SANDS[] = {
    look(),
        reply({889, WORD_HOLE, WORD_OPENING}, 3059),
        reply({635}, 3057),
        reply({919, 980, WORD_DOWN}, 3427, arg(1)),
        ret(),
    end(),
    call(p138),
    moving(),
        go({WORD_NORTH}, 625),
        go({WORD_NORTHWEST}, 599),
        go({WORD_WEST}, 619),
        go({WORD_SOUTH}, 626),
        group({WORD_UP}),
            when([] { return cond(irand(100) < 50); }, forced(626)),
            forced(625),
        end(),
        group({WORD_EAST, WORD_IN, WORD_HOLE, WORD_OPENING, 889}),
            call(p152, ref(747)),
            when(heading_past_south, reply(2317, arg(1))),
            reply(2317, arg(0)),
        end(),
        reply({919}, 1425),
    end(),
    mark({1072, 954, WORD_HOLE, 889, 919, WORD_OPENING, 980}),
};

// Place 619: abyss edge.
constexpr row ABYSS_EDGE[] = {
    look(),
        reply({635}, 3057),
        reply({1132, 912}, 3058),
        reply({919, 980, WORD_DOWN}, 3427, arg(0)),
        ret(),
    end(),
    let(all({WORD_CLIMB, WORD_UP}), VAR_COMMAND_STATUS, 1),
    moving(),
        go({WORD_NORTH, WORD_CLIMB, WORD_UP}, 599),
        go({WORD_SOUTHEAST}, 626),
        go({WORD_EAST}, 618),
        go({WORD_NORTHEAST}, 625),
        reply({919}, 1425),
    end(),
    mark({919, 1132, 1131, 912, 980}),
};

// The terraces: each leads up to the lookout point by its own compass word
// (checked against the lodestone like the others) and by "up" and "climb".
constexpr int TERRACE_MARKS = 0, TERRACE_SKY_MARKS = 1;

// Places 620: upper terrace; 621: middle terrace; 622: lowest terrace.
constexpr member TERRACES[] = {
    {620, {1, 0}, {go({WORD_NORTH}, 623), go({WORD_NORTHWEST}, 594), go({WORD_WEST}, 595), go({WORD_SOUTHWEST}, 596), go({WORD_SOUTH}, 621),
                   call({WORD_UP, WORD_CLIMB, WORD_SOUTHEAST}, p152, ref(748)), go({WORD_CLIMB, WORD_UP, WORD_SOUTHEAST, 620}, 627)}},
    {621, {1, 0}, {go({WORD_NORTH}, 620), go({WORD_SOUTH}, 622), go({WORD_SOUTHWEST}, 597), go({WORD_WEST}, 596), go({WORD_NORTHWEST}, 595),
                   call({WORD_UP, WORD_CLIMB, WORD_EAST}, p152, ref(747)), go({WORD_CLIMB, WORD_UP, WORD_EAST, 620}, 627)}},
    {622, {0, 1}, {go({WORD_NORTH}, 621), go({WORD_NORTHWEST}, 596), go({WORD_WEST}, 597), go({WORD_SOUTHWEST}, 598), go({WORD_SOUTH}, 624),
                   call({WORD_UP, WORD_CLIMB, WORD_NORTHEAST}, p152, ref(746)), go({WORD_CLIMB, WORD_UP, WORD_NORTHEAST, 620}, 627)}},
};

// Places 620: upper terrace; 621: middle terrace; 622: lowest terrace.
constexpr row TERRACE[] = {
    look(),
        reply({620, WORD_RAMP, 7, 958}, 2978),
        ret(),
    end(),
    when(has_word(WORD_CLIMB).AND(has_any_word({620, WORD_RAMP, WORD_UP})), let(VAR_COMMAND_STATUS, 1)),
    moving(),
        member_rows(),
    end(),
    call(p138),
    member_group(TERRACE_MARKS),
        mark({WORD_RAMP, 620, 1072, 954, 7, 958}),
    end(),
    member_group(TERRACE_SKY_MARKS),
        mark({WORD_RAMP, 620, 1072, 954, 1136, 977, 7, 958}),
    end(),
};

// The dune edge: 625 has a look at the gully and the falls, and "climb
// down" goes down to the edge of the sands.
constexpr int EDGE_LOOK = 0, EDGE_MARKS = 1;

// Places 623..625: dune edge.
constexpr member DUNE_EDGES[] = {
    {623, {0, 1}, {go({WORD_WEST}, 594), go({WORD_SOUTHWEST}, 595), go({WORD_SOUTH}, 620)}},
    {624, {0, 1}, {go({WORD_NORTH}, 622), go({WORD_NORTHWEST}, 597), go({WORD_WEST}, 598), go({WORD_SOUTHWEST}, 599), go({WORD_SOUTH}, 625)}},
    {625, {1, 0}, {go({WORD_NORTH}, 624), go({WORD_NORTHWEST}, 598), go({WORD_WEST}, 599), go({WORD_SOUTHWEST}, 619), go({WORD_DOWN, WORD_SOUTH}, 618)}},
};

// Places 623..625: dune edge.
constexpr row DUNE_EDGE[] = {
    member_group(EDGE_LOOK),
        look(),
            reply({919, WORD_DOWN}, 3427, arg(2)),
            reply({635}, 3057),
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
        mark({1072, 954}),
    end(),
    member_group(EDGE_LOOK),
        mark({1072, 954, 919}),
    end(),
};

// Place 626: edge gate.
constexpr row EDGE_GATE[] = {
    look(),
        reply({889, WORD_HOLE, WORD_TUNNEL, WORD_OPENING}, 2903, arg(898)),
        reply({919, WORD_DOWN}, 3427, arg(3)),
        reply({635}, 3057),
    end(),
    call(p138),
    moving(),
        go({WORD_NORTH, WORD_DOWN}, 618),
        go({WORD_NORTHWEST}, 619),
        call({WORD_EAST, WORD_IN, WORD_HOLE, WORD_OPENING, 889}, p152, ref(747)),
        go({WORD_EAST, WORD_IN, WORD_HOLE, WORD_OPENING, 889}, 628, 2361),
        reply({WORD_SOUTH, WORD_SOUTHWEST, WORD_WEST}, 2412),
    end(),
    mark({1072, 954, 919, WORD_HOLE, WORD_OPENING, 889, WORD_TUNNEL}),
};

// "Gallery" or "waters" named at the lookout: there is none here. The reply
// names the word as typed, whichever slot holds it (a one-word command has
// no second word to name).
int no_such_thing_here() {
    const int slot = cond(value[VAR_ARG2] == 439).OR(value[VAR_ARG2] == WORD_WATERS) ? VAR_ARG2 : VAR_ARG1;
    say(SAY_STOP | SAY_ARG | SAY_ARGVAR, 1319, slot);
    return 0;
}

// Place 627: lookout point.
constexpr row LOOKOUT_POINT[] = {
    set_flag(593, PFLAG_VISITED),
    look(),
        reply({620, WORD_ROCK, 954, WORD_RAMP, 958}, 2978),
        reply({913, WORD_DOWN}, 3199),
        reply({319, WORD_OPENING, WORD_HOLE}, 3200),
        reply({1022}, 2709),
        reply({1073, WORD_LOOKOUT}, 1971),
        reply({1072}, 3007, arg(2)),
        ret(),
    end(),
    step({439, WORD_WATERS}, no_such_thing_here),
    call(p138),
    when(has_word(WORD_CLIMB).AND(has_any_word({620, WORD_RAMP, WORD_DOWN})), let(VAR_COMMAND_STATUS, 1)),
    moving(),
        when(object_carried(OBJ_HEADING).AND(has_word(WORD_DOWN)), heading(WORD_WEST)),
        go({WORD_WEST, WORD_DOWN, 620}, 621),
        go({WORD_NORTHWEST}, 620),
        go({WORD_SOUTHWEST}, 622),
    end(),
    mark({WORD_RAMP, 620, 1022, WORD_ROCK, 319, WORD_OPENING, WORD_HOLE}),
    mark({WORD_ROCK, 954, 1073, WORD_LOOKOUT}),
};

}  // namespace

int p621() { return run_member<RIM, RIMS>(587); }
int p254() { return run_member<RIM, RIMS>(588); }
int p791() { return run<SOUTH_RIM>(); }
int p922() { return run_member<RIM, RIMS>(590); }
int p802() { return run<LOWER_SLOPE>(); }
int p801() { return run<UPPER_SLOPE>(); }
int p799() { return run<SUMMIT>(); }

int p189() { return dune_cell<594>(); }
int p200() { return dune_cell<595>(); }
int p204() { return dune_cell<596>(); }
int p205() { return dune_cell<597>(); }
int p206() { return dune_cell<598>(); }
int p207() { return dune_cell<599>(); }
int p208() { return dune_cell<600>(); }
int p209() { return dune_cell<601>(); }
int p210() { return dune_cell<602>(); }
int p190() { return dune_cell<603>(); }
int p192() { return dune_cell<606>(); }
int p193() { return dune_cell<607>(); }
int p194() { return dune_cell<608>(); }
int p195() { return dune_cell<609>(); }
int p196() { return dune_cell<610>(); }
int p197() { return dune_cell<611>(); }
int p198() { return dune_cell<612>(); }
int p199() { return dune_cell<613>(); }
int p201() { return dune_cell<614>(); }
int p202() { return dune_cell<615>(); }
int p203() { return dune_cell<616>(); }
int p211() { return dune_cell<617>(); }
int p191() { return run<CLIFF_CELL>(); }

int p728() { return run<SAND_CAVE>(); }
int p655() { return run_member<SIDE_CAVE, SIDE_CAVES>(675); }
int p656() { return run_member<SIDE_CAVE, SIDE_CAVES>(676); }

int p722() { return run<EDGE_OF_THE_SANDS>(); }
int p723() { return run<ABYSS_EDGE>(); }
int p749() { return run_member<TERRACE, TERRACES>(620); }
int p750() { return run_member<TERRACE, TERRACES>(621); }
int p751() { return run_member<TERRACE, TERRACES>(622); }
int p134() { return run_member<DUNE_EDGE, DUNE_EDGES>(623); }
int p135() { return run_member<DUNE_EDGE, DUNE_EDGES>(624); }
int p136() { return run_member<DUNE_EDGE, DUNE_EDGES>(625); }
int p137() { return run<EDGE_GATE>(); }
int p44() { return run<LOOKOUT_POINT>(); }
