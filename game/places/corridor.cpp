// The rune door, the long corridor and the honeycomb (see docs/world.md).
// The rune door opens only to Keln speech and shuts when the player stops
// speaking it; behind it the galleries fork, a rope leads down to the
// threshold, and the long corridor runs east to the precipice. Each place
// answers its feature words, moves the player along its exits, runs its
// deaths, marks the words of its features for the last replies and tells the
// word procedures where a thrown thing lands.
// The honeycomb's twenty cells share one shape: a few feature words at some
// cells, the look replies of the maze, the cell's own exits (one row each,
// some open only until the ledger cell is seen or only straight after
// coming from a given cell), and the maze's rule for every other way. The
// ledger cell adds the exchange with the ledger.
#include "game.h"

using namespace rows;

namespace {

// The numbers in which the cells differ: k[0] the cell's type for the maze
// rules (which feature words they answer), k[1] the cells with the two
// pre-rows, k[2] the dead-end cells whose look answers word 936 first, k[3]
// the ledger cell.
constexpr int TYPE = 0, PRE_ROWS = 1, LOOK_936 = 2, LEDGER = 3;

cond_fold ledger_seen() { return cond(!bitest(PLACE_LEDGER_CELL, PFLAG_VISITED)); }
cond_fold from_665() { return cond(value[VAR_THERE] == PLACE_HONEYCOMB_665); }
cond_fold from_666() { return cond(value[VAR_THERE] == PLACE_HONEYCOMB_666); }

// Places 651..669: honeycomb; 670: ledger cell.
constexpr member HONEYCOMB[] = {
    {PLACE_HONEYCOMB_651, {2, 1},
     {go({WORD_NORTHWEST}, PLACE_HONEYCOMB_652), go({WORD_NORTHEAST}, PLACE_HONEYCOMB_653),
      go({WORD_SOUTHEAST}, PLACE_LONG_CORRIDOR_647)}},
    {PLACE_HONEYCOMB_652, {2, 1}, {go({WORD_SOUTHEAST}, PLACE_HONEYCOMB_651)}},
    {PLACE_HONEYCOMB_653, {1},
     {go({WORD_SOUTHWEST}, PLACE_HONEYCOMB_651), go({WORD_NORTHEAST}, PLACE_HONEYCOMB_654),
      go({WORD_NORTHWEST}, PLACE_HONEYCOMB_656)}},
    {PLACE_HONEYCOMB_654, {1}, {go({WORD_NORTHEAST}, PLACE_HONEYCOMB_655), go({WORD_SOUTHWEST}, PLACE_HONEYCOMB_653)}},
    {PLACE_HONEYCOMB_655, {1}, {go({WORD_SOUTHWEST}, PLACE_HONEYCOMB_654)}},
    {PLACE_HONEYCOMB_656, {2, 1},
     {go({WORD_SOUTHEAST}, PLACE_HONEYCOMB_653), go({WORD_NORTHWEST}, PLACE_HONEYCOMB_657),
      go({WORD_WEST}, PLACE_HONEYCOMB_658)}},
    {PLACE_HONEYCOMB_657, {2, 1}, {go({WORD_SOUTHEAST}, PLACE_HONEYCOMB_656), go({WORD_EAST}, PLACE_HONEYCOMB_655)}},
    {PLACE_HONEYCOMB_658, {2, 1},
     {when(ledger_seen, go({WORD_SOUTH}, PLACE_HONEYCOMB_652)), go({WORD_SOUTHWEST}, PLACE_HONEYCOMB_661),
      go({WORD_WEST}, PLACE_HONEYCOMB_659), go({WORD_NORTH}, PLACE_HONEYCOMB_657)}},
    {PLACE_HONEYCOMB_659, {1}, {go({WORD_EAST}, PLACE_HONEYCOMB_658), go({WORD_WEST}, PLACE_HONEYCOMB_660)}},
    {PLACE_HONEYCOMB_660, {1}, {go({WORD_EAST}, PLACE_HONEYCOMB_659)}},
    {PLACE_HONEYCOMB_661, {1},
     {go({WORD_NORTHEAST}, PLACE_HONEYCOMB_658), go({WORD_SOUTHWEST}, PLACE_HONEYCOMB_662),
      go({WORD_WEST}, PLACE_HONEYCOMB_663)}},
    {PLACE_HONEYCOMB_662, {1},
     {go({WORD_NORTHWEST}, PLACE_HONEYCOMB_661), when(ledger_seen, go({WORD_EAST}, PLACE_HONEYCOMB_651))}},
    {PLACE_HONEYCOMB_663, {1},
     {go({WORD_EAST}, PLACE_HONEYCOMB_661), go({WORD_WEST}, PLACE_HONEYCOMB_664),
      go({WORD_NORTHWEST}, PLACE_HONEYCOMB_665)}},
    {PLACE_HONEYCOMB_664, {0}, {go({WORD_EAST}, PLACE_HONEYCOMB_663), go({WORD_SOUTHWEST}, PLACE_HONEYCOMB_662)}},
    {PLACE_HONEYCOMB_665, {0},
     {go({WORD_NORTHEAST}, PLACE_HONEYCOMB_666), go({WORD_SOUTHEAST}, PLACE_HONEYCOMB_663),
      go({WORD_SOUTHWEST}, PLACE_HONEYCOMB_668), go({WORD_NORTHWEST}, PLACE_HONEYCOMB_669)}},
    {PLACE_HONEYCOMB_666, {1},
     {when(from_665, go({WORD_EAST}, PLACE_HONEYCOMB_657)), go({WORD_SOUTHWEST}, PLACE_HONEYCOMB_665),
      go({WORD_NORTHWEST}, PLACE_HONEYCOMB_667)}},
    {PLACE_HONEYCOMB_667, {0},
     {go({WORD_SOUTHEAST}, PLACE_HONEYCOMB_666), go({WORD_WEST}, PLACE_LEDGER_CELL),
      when(from_666, go({WORD_EAST}, PLACE_HONEYCOMB_655))}},
    {PLACE_HONEYCOMB_668, {0, 0, 1}, {go({WORD_NORTHEAST}, PLACE_HONEYCOMB_665)}},
    {PLACE_HONEYCOMB_669, {0, 0, 1}, {go({WORD_SOUTHEAST}, PLACE_HONEYCOMB_665)}},
    {PLACE_LEDGER_CELL, {0, 0, 1, 1}, {go({WORD_EAST}, PLACE_HONEYCOMB_667)}},
};

// At the ledger cell, "open" and "look at" the ledger are reading it.
int open_and_look_mean_read() {
    if (cond(has(WORD_OPEN)).AND(cond(has(OBJ_LEDGER)).OR(value[VAR_COMMAND_STATUS] == 1)))
        for (int slot : {VAR_ARG1, VAR_ARG2})
            if (value[slot] == WORD_OPEN) value[slot] = WORD_READ;
    if (cond(has(OBJ_LEDGER)))
        for (int slot : {VAR_ARG1, VAR_ARG2})
            if (value[slot] == WORD_LOOK) value[slot] = WORD_READ;
    return 0;
}

cond_fold names_ledger_or_alone() { return cond(has(OBJ_LEDGER)).OR(value[VAR_COMMAND_STATUS] == 1); }

// Places 651..669: honeycomb; 670: ledger cell.
constexpr row HONEYCOMB_CELL[] = {
    // The ledger's exchange: an offer made on the last command is answered
    // by this one or lapses.
    member_group(LEDGER),
        group(value_over(OBJ_LEDGER, 1)),
            let(OBJ_LEDGER, 1),
            group({WORD_NORTH, WORD_DECLINE}),
                let(VAR_EXCHANGE_STATE, 3),
                reply(3397),
            end(),
            reply({WORD_ACCEPT}, 3477),
        end(),
        step(open_and_look_mean_read),
        call(p185, ref(OBJ_LEDGER)),
        group([] { return names_ledger_or_alone().AND(has(WORD_READ)); }),
            when(value_is(VAR_EXCHANGE_STATE, 0), let(VAR_EXCHANGE_STATE, 1)),
            reply(2784),
        end(),
        group([] { return names_ledger_or_alone().AND(has(WORD_TAKE)); }),
            first(),
                when(value_is(VAR_EXCHANGE_STATE, 3), reply(3398)),
                otherwise(),
                    tell(2782),
                    when(value_is(VAR_EXCHANGE_STATE, 1), let(VAR_EXCHANGE_STATE, 2)),
                    when(value_is(VAR_EXCHANGE_STATE, 2), let(OBJ_LEDGER, 2)),
                    stop(),
                end(),
            end(),
        end(),
        group({OBJ_LEDGER}),
            reply({WORD_PUSH, WORD_PULL}, 2783, arg_of(VAR_ARG1)),
            mark(),
            ret(),
        end(),
    end(),
    member_group(PRE_ROWS),
        reply({WORD_TILES}, 3033),
        reply(all({WORD_TAKE, WORD_COLUMNS}), 3035),
    end(),
    look(),
        member_group(LOOK_936),
            reply({WORD_WALL}, 3429),
        end(),
        member_group(LEDGER),
            reply({WORD_MAZE}, 3263, arg(5)),
            reply({WORD_SHELF}, 3263, arg(6)),
        end(),
        // What every cell's look names is answered alike in every cell (a
        // cell named is looked about, as every chamber is).
        reply({WORD_TILES}, 3033),
        reply({WORD_COLUMNS}, 3036),
        reply({WORD_MAZE, WORD_OPENING}, 3264),
        call_member(p22, TYPE),
        ret(),
    end(),
    group(has_any_word({WORD_GO, WORD_JUMP}).OR(value_is(VAR_COMMAND_STATUS, 1))),
        member_rows(),
    end(),
    call_member(p467, TYPE),
    member_group(LEDGER),
        mark({WORD_LABEL}),
    end(),
};

template <int PLACE>
int cell() {
    return run_member<HONEYCOMB_CELL, HONEYCOMB>(PLACE);
}


// --- The rune door (575) and its far side (576) -------------------------------

// The value of the door's place is 1 while the door stands open, and the
// value of the far side 1 while the way back is open too; the slab (object 19)
// reads 0 at the door and 1 on the far side once the door has shut behind
// the player.

cond_fold door_open() { return cond(value[PLACE_RUNE_DOOR] == 1); }
cond_fold way_back_open() { return cond(value[PLACE_BEYOND_RUNE_DOOR] == 1); }
cond_fold plain_speech() { return cond(value[VAR_DWARVISH] == 0); }

// Place 575: rune door.
constexpr row RUNE_DOOR[] = {
    // "Read" alone reads the door.
    call(p185, ref(OBJ_DOOR)),
    when(has_word(WORD_READ), reply({OBJ_DOOR, OBJ_LETTERING, OBJ_GLYPHS, OBJ_SIGN, WORD_LABEL, OBJ_CARVING}, 1880)),
    rewrite(OBJ_DOOR, OBJ_RUNE_SLAB),
    let(OBJ_RUNE_SLAB, 0),
    look(),
        reply({WORD_WALL}, 3378),
        reply({OBJ_LETTERING}, 1880),
                reply({OBJ_LIQUID_1, WORD_RELIEFS, WORD_ECHO, PLACE_RUNE_DOOR, PLACE_BASIN}, 2490, arg(1)),
        reply({PLACE_CARVINGS}, 1849, arg_of(PLACE_CARVINGS)),
        reply({WORD_GLYPHWORK, PLACE_CEILING, PLACE_WELL_HEAD, WORD_UP, WORD_ARCH}, 2996),
        when(value_over(PLACE_RUNE_DOOR, 0), reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2981)),
        ret(),
    end(),
    reply(all({WORD_TAKE, PLACE_CARVINGS}), 1849, arg_of(PLACE_CARVINGS)),
    moving(),
        go({WORD_SOUTHEAST, WORD_OUT}, PLACE_DOOR_APPROACH),
        group(door_open),
            // Through the door in plain speech, it shuts in your face.
            group(plain_speech),
                call(p147),
                stop(),
            end(),
            let(PLACE_BEYOND_RUNE_DOOR, 1),
            clear_flag(PLACE_RUNE_DOOR, PFLAG_HINT_AVAILABLE),
            go({WORD_IN, PLACE_BEYOND_RUNE_DOOR, PLACE_CORRIDOR, WORD_PASSAGE, WORD_TUNNEL, WORD_NORTHWEST},
               PLACE_BEYOND_RUNE_DOOR),
        end(),
        reply({WORD_NORTHWEST, WORD_IN}, 2503, arg(WORD_NORTHWEST)),
    end(),
    mark({OBJ_LETTERING, OBJ_GLYPHS, OBJ_SIGN, WORD_LABEL, OBJ_CARVING, PLACE_CARVINGS, PLACE_RUNE_DOOR, WORD_GLYPHWORK,
          PLACE_CEILING, WORD_RELIEFS, WORD_ECHO}),
    when(value_over(PLACE_RUNE_DOOR, 0), mark({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR, PLACE_BEYOND_RUNE_DOOR})),
};

// The slab seen from behind is 1 while the way back is shut.
int slab_from_behind() {
    value[OBJ_RUNE_SLAB] = cond(value[PLACE_BEYOND_RUNE_DOOR] == 0) ? 1 : 0;
    return 0;
}

// Place 576: far side of the rune door.
constexpr row BEYOND_THE_DOOR[] = {
    step(slab_from_behind),
    call(p185, ref(OBJ_RUNE_SLAB)),
    rewrite(OBJ_DOOR, OBJ_RUNE_SLAB),
    // While the way back is open, anything at all said in plain speech shuts
    // the door.
    group(way_back_open),
        group({OBJ_LETTERING, WORD_LABEL, OBJ_GLYPHS, OBJ_SIGN, OBJ_CARVING}),
            reply({WORD_READ, WORD_LOOK}, 1880),
            mark(),
        end(),
        group(plain_speech),
            call(p147),
            stop(),
        end(),
    end(),
    reply({OBJ_LETTERING, WORD_LABEL, OBJ_GLYPHS, OBJ_SIGN, OBJ_CARVING}, 1319, arg_of(VAR_ARG2)),
    when(has_word(WORD_READ), reply({OBJ_RUNE_SLAB}, 1560, arg_of(OBJ_DOOR))),
    look(),
        reply({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR, PLACE_BEYOND_RUNE_DOOR}, 2903, arg(WORD_TUNNEL)),
        ret(),
    end(),
    moving(),
        group({WORD_SOUTHEAST, WORD_OUT}),
            when(way_back_open, go({WORD_SOUTHEAST, WORD_OUT}, PLACE_RUNE_DOOR)),
            reply(2503, arg(WORD_NORTHWEST)),
        end(),
        go({WORD_NORTHWEST, WORD_UP, WORD_TUNNEL, WORD_PASSAGE, PLACE_BEYOND_RUNE_DOOR}, PLACE_GALLERY_FORK),
    end(),
    mark({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR, PLACE_BEYOND_RUNE_DOOR, WORD_OUT}),
};

// --- The galleries behind the door (577..582) ---------------------------------

// Places 577 to 581 share one shape: a look at the place's own word
// (crossroads, or chamber at the carved cell) leaves the description to the
// look word, the tunnels are looked along, the place's exits, the place word
// refused as a way, and the marks. k[0] how the tunnels are looked along
// (below), k[1] the three galleries that meet like a crossroads, k[2] the
// dead gallery, k[3] the carved cell.
constexpr int ALONG = 0, CROSSROADS = 1, DEAD_END = 2, CARVED = 3;

// The tunnels looked along: they lead on into the dark (1, 2) or stretch
// away (3), named as a passage (1) or a tunnel (2, 3).
int look_along(arg_pair how) {
    const int kind = how.val;
    say(SAY_STOP | SAY_ARG, kind == 3 ? 2903 : 2902, kind == 1 ? WORD_PASSAGE : WORD_TUNNEL);
    return 0;
}

// What the fork, the split and the bend are named for, looked at: the pick
// marks on the fork's walls, and the split and the bend the player stands in;
// and what the dead gallery and the split show of the places beyond them:
// the fork, the shaft.
int gallery_feature() {
    const int p = this_member().place;
    if (cond(p == PLACE_DEAD_GALLERY).AND(has(PLACE_CROSSROADS))) {
        say_stop_variant(3263, 0);
        return 1;
    }
    if (cond(p == PLACE_GALLERY_SPLIT).AND(has(WORD_STAIRWELL))) {
        say_stop_variant(3263, 1);
        return 1;
    }
    
    if (cond(p == PLACE_GALLERY_FORK).AND(has(OBJ_MARKS))) {
        say_stop_typed(1849, VAR_ARG2);
        return 1;
    }
    if (cond(p == PLACE_GALLERY_SPLIT).AND(has(OBJ_RIFT)).OR(cond(p == PLACE_UPPER_BEND).AND(has(WORD_BEND)))) {
        say_stop(1453);
        return 1;
    }
    return 0;
}

// Places 577: gallery fork; 578: dead gallery; 579: gallery split; 580: upper bend;
//   581: carved cell.
constexpr member GALLERIES[] = {
    {PLACE_GALLERY_FORK, {1, 1}, {
        go({WORD_NORTH}, PLACE_DEAD_GALLERY),
        go({WORD_DOWN, WORD_SOUTHEAST}, PLACE_BEYOND_RUNE_DOOR),
        go({WORD_UP, WORD_WEST}, PLACE_GALLERY_SPLIT),
        call({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, p329, ref(PLACE_BEYOND_RUNE_DOOR), ref(WORD_SOUTHEAST),
             ref(PLACE_GALLERY_SPLIT), ref(WORD_WEST)),
    }},
    {PLACE_DEAD_GALLERY, {3, 0, 1}, {
        go({WORD_OUT, WORD_SOUTHWEST, PLACE_CORRIDOR, WORD_TUNNEL, WORD_PASSAGE}, PLACE_GALLERY_FORK),
    }},
    {PLACE_GALLERY_SPLIT, {2, 1}, {
        go({WORD_EAST}, PLACE_GALLERY_FORK),
        go({WORD_SOUTHWEST, WORD_UP}, PLACE_UPPER_BEND),
        group({WORD_DOWN, WORD_NORTH}),
            let(PLACE_ROPE_TOP, 0),
            forced(PLACE_ROPE_TOP),
        end(),
    }},
    {PLACE_UPPER_BEND, {1, 1}, {
        go({WORD_NORTH, PLACE_CORRIDOR}, PLACE_CARVED_CELL),
        go({WORD_UP, WORD_SOUTHWEST}, PLACE_CHUTE_HEAD),
        go({WORD_DOWN, WORD_NORTHEAST}, PLACE_GALLERY_SPLIT),
        call({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, p329, ref(PLACE_CHUTE_HEAD), ref(WORD_SOUTHWEST),
             ref(PLACE_GALLERY_SPLIT), ref(WORD_NORTHEAST)),
    }},
    {PLACE_CARVED_CELL, {3, 0, 0, 1}, {
        go({WORD_OUT, WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR, WORD_SOUTHEAST}, PLACE_UPPER_BEND),
    }},
};

// Places 577: gallery fork; 578: dead gallery; 579: gallery split; 580: upper bend;
//   581: carved cell.
constexpr row GALLERY[] = {
    // The carved figure and the crossing of carved paths on the cell's wall.
    member_group(CARVED),
                group({PLACE_CROSSWAY, OBJ_IDOL, PLACE_PATH}),
            reply({WORD_LOOK}, 2538),
            reply({WORD_CLIMB}, 1541),
            mark(),
            ret(),
        end(),
    end(),
    look(),
        step(gallery_feature),
        member_group(CROSSROADS), let({PLACE_CROSSROADS}, VAR_COMMAND_STATUS, 1), end(),
                member_group(CARVED), let({PLACE_LAKESIDE_CHAMBER}, VAR_COMMAND_STATUS, 1), end(),
        // The galleries are the place the player stands in.
        let({PLACE_WEST_END_OF_GALLERY}, VAR_COMMAND_STATUS, 1),
        group({WORD_TUNNEL, PLACE_CORRIDOR, WORD_PASSAGE}), call_member(look_along, ALONG), end(),
        member_group(DEAD_END), reply({WORD_INCLINE}, 3050), end(),
        member_group(CARVED), reply({WORD_NICHES, WORD_FRIEZE}, 3052), end(),
        ret(),
    end(),
    moving(),
        member_rows(),
        member_group(CROSSROADS), reply({PLACE_CROSSROADS}, 1425), end(),
        member_group(CARVED), reply({PLACE_LAKESIDE_CHAMBER}, 1425), end(),
    end(),
    mark({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}),
    member_group(CROSSROADS), mark({PLACE_CROSSROADS}), end(),
    member_group(DEAD_END), mark({WORD_INCLINE}), end(),
    member_group(CARVED), mark({WORD_FRIEZE, WORD_NICHES, PLACE_LAKESIDE_CHAMBER}), end(),
};

// Place 582: chute head.
// The chute head: the chute drops into the sealed chamber, and so does
// anything thrown from here.
constexpr row CHUTE_HEAD[] = {
    look(),
        reply({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, 2903, arg(WORD_TUNNEL)),
        reply({WORD_MIST, WORD_OPENING, WORD_DOWN}, 3042),
        reply({WORD_CRAWL, OBJ_CHUTE}, 3043),
        reply({WORD_TERRACES, WORD_RAMP, PLACE_PATH, PLACE_ROAD}, 3044),
        let({PLACE_BEYOND_RUNE_DOOR}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    let(all({WORD_CRAWL, WORD_OUT}), VAR_COMMAND_STATUS, 1),
    moving(),
        go({WORD_OUT, WORD_DOWN, WORD_SOUTH, WORD_OPENING, WORD_RAMP}, PLACE_SEALED_CHAMBER, 2539),
        go({WORD_MIST, WORD_CRAWL, PLACE_PATH, PLACE_ROAD}, PLACE_SEALED_CHAMBER, 2539),
        go({WORD_NORTHEAST, WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR, WORD_IN, PLACE_BEYOND_RUNE_DOOR},
           PLACE_UPPER_BEND),
    end(),
    mark({PLACE_BEYOND_RUNE_DOOR, WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR, WORD_CRAWL, WORD_OPENING, WORD_MIST,
          WORD_TERRACES, WORD_RAMP, PLACE_PATH, PLACE_ROAD}),
    land(PLACE_SEALED_CHAMBER, 2566),
};

// --- The rope (639, 640) and the threshold (641) ------------------------------

// The rope top's value is the side the player last came from: 0 from the
// galleries, 1 up the rope; it picks the variant of the place's description.

// Climbing the rope (1067) is climbing the shaft, as the rope is its way.
cond_fold climbing_the_shaft() {
    return cond(anyof(WORD_STAIRWELL, WORD_HOLE, WORD_OPENING, -1)).AND(anyof(WORD_CLIMB, WORD_DOWN, -1))
        .OR(keyword(WORD_CLIMB, WORD_DOWN, -1)).OR(keyword(WORD_CLIMB, WORD_ROPE, -1));
}
cond_fold climbing_up_the_shaft() {
    return cond(has(WORD_CLIMB)).AND(anyof(WORD_STAIRWELL, WORD_UP, WORD_ROPE, -1)).OR(keyword(WORD_UP, WORD_STAIRWELL,
                    -1));
}

// Place 639: rope top.
constexpr row ROPE_TOP_ROWS[] = {
    // "Read" alone reads the scratches by the stake.
    call(p185, ref(OBJ_LETTERING)),
    group({OBJ_SIGN, OBJ_LETTERING, WORD_WALL, WORD_LABEL, OBJ_CARVING, OBJ_GLYPHS}),
        reply({WORD_READ, WORD_LOOK}, 2653),
        reply({WORD_POLISH}, 1329),
        mark(),
        ret(),
    end(),
    look(),
        reply({WORD_STAIRWELL, WORD_OPENING, WORD_HOLE, WORD_DOWN}, 2478, arg(0)),
        reply({PLACE_CORRIDOR, WORD_TUNNEL, WORD_PASSAGE}, 2903, arg_of(PLACE_CORRIDOR)),
                reply({WORD_ROPE}, 3051, arg(WORD_ROPE)),
        let({WORD_BRINK}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    // "Use the rope" is climbing it.
    group(all({WORD_USE, WORD_ROPE})), rewrite(WORD_USE, WORD_CLIMB), end(),
    when(climbing_the_shaft, let(VAR_COMMAND_STATUS, 1)),
    moving(),
        go({WORD_DOWN, WORD_CLIMB, WORD_HOLE, WORD_STAIRWELL, WORD_OPENING}, PLACE_ROPE_FOOT, 2537),
        go({WORD_SOUTHWEST, WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, PLACE_GALLERY_SPLIT),
    end(),
    mark({WORD_ROPE, WORD_STAIRWELL, WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR, WORD_HOLE, WORD_OPENING}),
};

// Place 640: rope foot.
constexpr row ROPE_FOOT[] = {
    look(),
        reply({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, 2903, arg(WORD_TUNNEL)),
        reply({WORD_UP, WORD_HOLE, WORD_OPENING, WORD_STAIRWELL}, 2479),
        reply({WORD_ROPE}, 3051, arg_of(VAR_ARG2)),
        reply({WORD_WALL}, 3051, arg(WORD_ROPE)),
        ret(),
    end(),
    group(all({WORD_USE, WORD_ROPE})), rewrite(WORD_USE, WORD_CLIMB), end(),
    when(climbing_up_the_shaft, let(VAR_COMMAND_STATUS, 1)),
    moving(),
        group({WORD_UP, WORD_CLIMB, WORD_STAIRWELL, WORD_HOLE, WORD_OPENING}),
            let(PLACE_ROPE_TOP, 1),
            forced(PLACE_ROPE_TOP, 2537),
        end(),
        go({WORD_EAST, WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, PLACE_THRESHOLD),
    end(),
    mark({WORD_ROPE, WORD_STAIRWELL, WORD_WALL, WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR, WORD_HOLE, WORD_OPENING}),
};

// Place 641: threshold.
// The first step into the corridor is taken only once the player has said
// he means it (question 20); afterwards it is taken at once.
constexpr row THRESHOLD[] = {
    look(),
                reply({WORD_TILES}, 3033),
        // A gap where a tile is missing, and the corridor's glow.
        reply({WORD_DOORWAY}, 3040),
        reply({WORD_LIGHT}, 3037),
        reply({PLACE_CEILING, WORD_UP}, 2019, arg(19)),
        reply({WORD_WALL}, 3429),
        reply({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, 2903, arg(WORD_TUNNEL)),
        reply({WORD_PEBBLES}, 3053),
        reply({PLACE_PRECIPICE}, 3054),
        ret(),
    end(),
    when(has_word(WORD_JUMP).AND(has_any_word({WORD_DOWN, WORD_IN, PLACE_THRESHOLD})),
         let(VAR_COMMAND_STATUS, 1)),
    moving(),
        group({WORD_EAST, PLACE_THRESHOLD, WORD_PEBBLES}),
            when([] { return cond(is_visited(PLACE_LONG_CORRIDOR_642)); }, forced(PLACE_LONG_CORRIDOR_642, 2426)),
            let(VAR_QUESTION, Q_PLACE_641),
            reply(2554),
        end(),
        go({WORD_WEST, WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, PLACE_ROPE_FOOT),
        group({WORD_JUMP}),
            tell(2447, arg(0)),
            forced_on(PLACE_GONE),
            call(p154),
        end(),
    end(),
    mark({WORD_PEBBLES, PLACE_CEILING, WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR, PLACE_PRECIPICE}),
    land(PLACE_GONE, 2427),
};

// --- The long corridor (642..650) ---------------------------------------------

// Places 642 to 648 hand looks to the corridor's look replies and every
// other command to the corridor rule, each with its type (which feature words
// it answers). k[0] the type, k[1] the places with tiles and columns to
// answer first, k[2] the first stretch (whose value records that it has been
// seen, and whose walls have a reply of their own), k[3] the place with a
// side way into the honeycomb.
constexpr int CORRIDOR_TYPE = 0, TILES = 1, FIRST_STRETCH = 2, SIDE_WAY = 3;

// Places 642..648: long corridor.
constexpr member CORRIDOR[] = {
    {PLACE_LONG_CORRIDOR_642, {0, 0, 1}, {}},
    {PLACE_LONG_CORRIDOR_643, {1}, {}},
    {PLACE_LONG_CORRIDOR_644, {1}, {}},
    {PLACE_LONG_CORRIDOR_645, {2, 1}, {}},
    {PLACE_LONG_CORRIDOR_646, {2, 1}, {}},
    {PLACE_LONG_CORRIDOR_647, {1, 0, 0, 1}, {go({WORD_SOUTHWEST}, PLACE_HONEYCOMB_651)}},
    {PLACE_LONG_CORRIDOR_648, {1}, {}},
};

// Places 642..648: long corridor.
constexpr row CORRIDOR_PLACE[] = {
    member_group(FIRST_STRETCH),
        when(value_is(PLACE_LONG_CORRIDOR_642, 0), let(PLACE_LONG_CORRIDOR_642, 1)),
    end(),
    member_group(TILES),
        reply({WORD_TILES}, 3033),
        reply(all({WORD_TAKE, WORD_COLUMNS}), 3035),
    end(),
    look(),
        // Every stretch has its floor tiles, and gaps where tiles are missing.
                reply({WORD_TILES}, 3033),
        reply({WORD_DOORWAY}, 3040),
        reply({WORD_LIGHT}, 3037),
        let({PLACE_CORRIDOR}, VAR_COMMAND_STATUS, 1),
        member_group(FIRST_STRETCH), reply({WORD_WALL}, 3429), end(),
        member_group(SIDE_WAY), reply({WORD_MAZE}, 3263, arg(4)), end(),
        call_member(p22, CORRIDOR_TYPE),
        ret(),
    end(),
    member_group(SIDE_WAY),
        moving(),
            member_rows(),
        end(),
    end(),
    call_member(p21, CORRIDOR_TYPE),
};

// Place 649: long corridor.
constexpr row CORRIDOR_EAST[] = {
    look(),
        reply({PLACE_CEILING, WORD_UP}, 2593, arg_of(PLACE_CEILING)),
                reply({OBJ_GLIMMER, WORD_DOORWAY}, 3041),
        let({PLACE_CORRIDOR}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    call(p21, num(3)),
    mark({OBJ_GLIMMER}),
};

// Place 650: long corridor.
// The corridor's end, open to the drop over the ravine: east along the cliff
// to the precipice.
constexpr row CORRIDOR_END[] = {
    look(),
        reply({WORD_DOWN}, 2478, arg(1)),
        reply({WORD_BRINK}, 3245),
        reply({WORD_SAND}, 1849, arg_of(VAR_ARG2)),
        reply({PLACE_CEILING, WORD_UP}, 2019, arg(20)),
        reply({OBJ_RAVINE}, 2046),
        reply({WORD_SPRING, WORD_STREAM}, 2047),
                reply({OBJ_GLIMMER, WORD_OVERHANG}, 2048),
        reply({WORD_CLIFF, WORD_LEDGE}, 3263, arg(2)),
        when(object_not_near(OBJ_LIQUID_1), reply({OBJ_LIQUID_1}, 3263, arg(3))),
        let({PLACE_CORRIDOR}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    group({OBJ_RAVINE}),
        reply({WORD_LISTEN}, 1446),
        mark(),
        ret(),
    end(),
    when(has_word(WORD_JUMP).AND(has_any_word({WORD_DOWN, PLACE_THRESHOLD, OBJ_RAVINE})), let(VAR_COMMAND_STATUS, 1)),
    moving(),
        go({WORD_EAST}, PLACE_PRECIPICE),
        go({WORD_WEST}, PLACE_LONG_CORRIDOR_649),
        group({WORD_JUMP}),
            tell(2447, arg(3)),
            forced_on(PLACE_GONE),
            call(p154),
        end(),
    end(),
    mark({PLACE_CEILING, OBJ_RAVINE, WORD_SPRING, OBJ_GLIMMER}),
    land(PLACE_GONE, 2427),
    drop_to(PLACE_GONE, 2428),
};

}  // namespace

int p449() { return cell<PLACE_HONEYCOMB_651>(); }
int p450() { return cell<PLACE_HONEYCOMB_652>(); }
int p451() { return cell<PLACE_HONEYCOMB_653>(); }
int p452() { return cell<PLACE_HONEYCOMB_654>(); }
int p453() { return cell<PLACE_HONEYCOMB_655>(); }
int p454() { return cell<PLACE_HONEYCOMB_656>(); }
int p455() { return cell<PLACE_HONEYCOMB_657>(); }
int p456() { return cell<PLACE_HONEYCOMB_658>(); }
int p457() { return cell<PLACE_HONEYCOMB_659>(); }
int p458() { return cell<PLACE_HONEYCOMB_660>(); }
int p459() { return cell<PLACE_HONEYCOMB_661>(); }
int p460() { return cell<PLACE_HONEYCOMB_662>(); }
int p461() { return cell<PLACE_HONEYCOMB_663>(); }
int p462() { return cell<PLACE_HONEYCOMB_664>(); }
int p463() { return cell<PLACE_HONEYCOMB_665>(); }
int p464() { return cell<PLACE_HONEYCOMB_666>(); }
int p465() { return cell<PLACE_HONEYCOMB_667>(); }
int p468() { return cell<PLACE_HONEYCOMB_668>(); }
int p469() { return cell<PLACE_HONEYCOMB_669>(); }
int p466() { return cell<PLACE_LEDGER_CELL>(); }

int p905() { return run<RUNE_DOOR>(); }
int p594() { return run<BEYOND_THE_DOOR>(); }
int p595() { return run_member<GALLERY, GALLERIES>(PLACE_GALLERY_FORK); }
int p598() { return run_member<GALLERY, GALLERIES>(PLACE_DEAD_GALLERY); }
int p596() { return run_member<GALLERY, GALLERIES>(PLACE_GALLERY_SPLIT); }
int p597() { return run_member<GALLERY, GALLERIES>(PLACE_UPPER_BEND); }
int p599() { return run_member<GALLERY, GALLERIES>(PLACE_CARVED_CELL); }
int p600() { return run<CHUTE_HEAD>(); }
int p807() { return run<ROPE_TOP_ROWS>(); }
int p804() { return run<ROPE_FOOT>(); }
int p19() { return run<THRESHOLD>(); }
int p9() { return run_member<CORRIDOR_PLACE, CORRIDOR>(PLACE_LONG_CORRIDOR_642); }
int p10() { return run_member<CORRIDOR_PLACE, CORRIDOR>(PLACE_LONG_CORRIDOR_643); }
int p11() { return run_member<CORRIDOR_PLACE, CORRIDOR>(PLACE_LONG_CORRIDOR_644); }
int p12() { return run_member<CORRIDOR_PLACE, CORRIDOR>(PLACE_LONG_CORRIDOR_645); }
int p13() { return run_member<CORRIDOR_PLACE, CORRIDOR>(PLACE_LONG_CORRIDOR_646); }
int p14() { return run_member<CORRIDOR_PLACE, CORRIDOR>(PLACE_LONG_CORRIDOR_647); }
int p15() { return run_member<CORRIDOR_PLACE, CORRIDOR>(PLACE_LONG_CORRIDOR_648); }
int p16() { return run<CORRIDOR_EAST>(); }
int p18() { return run<CORRIDOR_END>(); }
