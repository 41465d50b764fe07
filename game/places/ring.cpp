// The ring walk round the still pool, its annexe (the sealed chamber, the
// snag, the counting room, the sanctum, the falls and the cliff path) and
// the beacon chain down from the bastion. Each place's procedure answers its
// feature words, moves the player along its exits and marks the words of
// its features for the last replies.
#include <algorithm>

#include "game.h"

using namespace rows;

namespace {

// --- The ring walk (547..554) ---------------------------------------------

// The ring turns a point of the compass at each of its eight places: at the
// place of value k (547 + k) the way on to the next place is the compass
// word k + 4 points round from north, the way back is its opposite, and the
// shore and gallery words go on the way the player was already going.
consteval int ring_place(int k) { return PLACE_RING_WALK_547 + (k + 8) % 8; }
consteval int compass(int k) { return WORD_NORTH + (k + 8) % 8; }
consteval row ring_on(int k) { return go({compass(k + 4)}, ring_place(k + 1)); }
consteval row ring_back(int k) { return go({compass(k)}, ring_place(k - 1)); }
consteval row ring_onward(int k) {
    return call({PLACE_WEST_END_OF_GALLERY, WORD_SHORE}, p329, ref(ring_place(k - 1)), ref(compass(k)),
                ref(ring_place(k + 1)),
                ref(compass(k + 4)));
}
// 551 to 553 name the two neighbours the other way round.
consteval row ring_onward_reversed(int k) {
    return call({PLACE_WEST_END_OF_GALLERY, WORD_SHORE}, p329, ref(ring_place(k + 1)), ref(compass(k + 4)),
                ref(ring_place(k - 1)),
                ref(compass(k)));
}

cond_fold wading_for_the_glint() { return cond(keyword(WORD_IN, WORD_WAIT, -1)).AND(anyof(WORD_GLINT, OBJ_MIRROR,
                                                       -1)); }

// Place 547: ring walk.
constexpr row RING_547[] = {
    rewrite(OBJ_TREE, OBJ_REEDS),
    set_flag(OBJ_MARK_155, OFLAG_SEEN),
    put_here(OBJ_REEDS),
    call(p50),
    call(p679, num(0)),
    look(),
        reply({WORD_POOL}, 2595),
        reply({WORD_TERRACES}, 1767, arg(0)),
        reply({PLACE_DEPOSIT, PLACE_SANCTUM, WORD_ISLET}, 2593, arg_of(VAR_ARG2)),
        reply({WORD_HOLLOW}, 2593, arg(WORD_ISLET)),
        reply({WORD_GLINT, OBJ_MIRROR}, 2866),
        reply({WORD_GO}, 3541, arg(0)),
        reply({OBJ_BOWL}, 3541, arg(2)),
        ret(),
    end(),
    when(wading_for_the_glint, reply(2867)),
    moving(),
        ring_on(0),
        ring_back(0),
        ring_onward(0),
        reply({WORD_TERRACES}, 2630),
        reply({WORD_GLINT}, 2867),
        when(has_word(WORD_BACK).AND(value_is(VAR_THERE, PLACE_OPEN_SKY)), reply(1387, arg(2))),
    end(),
    mark({PLACE_DEPOSIT, WORD_HOLLOW, PLACE_SANCTUM, WORD_ISLET, WORD_TERRACES, WORD_MIST}),
    mark({OBJ_MIRROR, WORD_GLINT}),
};

// Place 548: ring walk.
constexpr row RING_548[] = {
    rewrite(OBJ_TREE, OBJ_REEDS),
    put_here(OBJ_REEDS),
    call(p50),
    call(p679, num(1)),
    look(),
        reply({WORD_POOL}, 2595),
        reply({WORD_RAMP, PLACE_BASTION}, 2854, arg(0)),
        reply({WORD_TERRACES}, 1767, arg(0)),
        reply({WORD_GLINT, OBJ_MIRROR}, 2866),
        reply({WORD_GO}, 3541, arg(0)),
        ret(),
    end(),
    when(wading_for_the_glint, reply(2867)),
    moving(),
        ring_back(1),
        ring_on(1),
        go({WORD_NORTHWEST, PLACE_BASTION, WORD_UP, WORD_RAMP}, PLACE_BASTION),
        ring_onward(1),
        reply({WORD_TERRACES}, 2630),
        reply({WORD_GLINT}, 2867),
    end(),
    mark({WORD_RAMP, WORD_TERRACES, PLACE_BASTION, WORD_GLINT, OBJ_MIRROR}),
};

// Place 549: ring walk.
constexpr row RING_549[] = {
    call(p50),
    call(p679, num(1)),
    look(),
        reply({WORD_POOL}, 2595),
        reply({WORD_FLOOR, WORD_RAMP}, 2854, arg(2)),
        reply({WORD_TERRACES}, 1767, arg(0)),
        reply({WORD_GO}, 3541, arg(0)),
        ret(),
    end(),
    moving(),
        ring_back(2),
        ring_on(2),
        go({WORD_NORTH, WORD_TERRACES, WORD_RAMP, WORD_UP, WORD_CLIMB}, PLACE_OVERLOOK),
        ring_onward(2),
    end(),
    mark({WORD_RAMP, WORD_TERRACES}),
};

// Place 550: ring walk.
constexpr row RING_550[] = {
    call(p50),
    call(p679, num(0)),
    look(),
        reply({WORD_POOL}, 2595),
        reply({WORD_RAMP}, 2855, arg(1)),
        reply({WORD_TERRACES}, 1767, arg(0)),
        reply({WORD_GO}, 3541, arg(0)),
        ret(),
    end(),
    moving(),
        ring_back(3),
        ring_on(3),
        ring_onward(3),
        reply({WORD_RAMP, WORD_UP, WORD_TERRACES}, 2855, arg(1)),
    end(),
    mark({WORD_RAMP, WORD_TERRACES}),
};

// Place 551: ring walk.
constexpr row RING_551[] = {
    call(p50),
    call(p679, num(1)),
    look(),
        reply({WORD_POOL}, 2595),
        reply({WORD_RAMP}, 2854, arg(1)),
        reply({WORD_TERRACES}, 1767, arg(0)),
        reply({WORD_HOLLOW}, 2773, arg(WORD_HOLLOW)),
        reply({WORD_GO}, 3541, arg(0)),
        ret(),
    end(),
    moving(),
        ring_back(4),
        ring_on(4),
        go({WORD_EAST, WORD_UP, WORD_CLIMB, WORD_RAMP, WORD_TERRACES, WORD_HOLLOW}, PLACE_ANNEXE_LANDING),
        ring_onward_reversed(4),
    end(),
    mark({WORD_RAMP, WORD_HOLLOW, WORD_TERRACES}),
};

// Place 552: ring walk.
constexpr row RING_552[] = {
    call(p50),
    call(p679, num(0)),
    look(),
        reply({WORD_POOL}, 2595),
        reply({WORD_FLOOR, WORD_RAMP}, 2855, arg(0)),
        reply({WORD_TERRACES}, 1767, arg(0)),
        reply({WORD_GO}, 3541, arg(0)),
        ret(),
    end(),
    moving(),
        reply({WORD_RAMP, WORD_UP, WORD_TERRACES}, 2855, arg(0)),
        ring_back(5),
        ring_on(5),
        ring_onward_reversed(5),
    end(),
    mark({WORD_RAMP, WORD_TERRACES}),
};

// Place 553: ring walk.
constexpr row RING_553[] = {
    call(p50),
    call(p679, num(1)),
    look(),
        reply({WORD_POOL}, 2595),
        reply({WORD_RAMP}, 2854, arg(2)),
        reply({WORD_HOLLOW}, 2593, arg(WORD_HOLLOW)),
        reply({WORD_TERRACES}, 1767, arg(0)),
        reply({WORD_GO}, 3541, arg(0)),
        ret(),
    end(),
    moving(),
        ring_on(6),
        ring_back(6),
        go({WORD_SOUTH, WORD_UP, WORD_RAMP, WORD_TERRACES, WORD_CLIMB}, PLACE_LOW_LANDING),
        ring_onward_reversed(6),
    end(),
    mark({WORD_RAMP, WORD_HOLLOW, WORD_TERRACES, WORD_AIR}),
};

// The stream comes into the pool at 554: filling and drinking here go to
// the liquid words, not to the ring's shared replies.
cond_fold not_drawing_water() {
    return cond(!cond(anyof(WORD_CONSUME_LIQUID, WORD_FILL_VESSEL, -1)).OR(keyword(WORD_TAKE, OBJ_LIQUID_1, -1)));
}

// Place 554: ring walk.
constexpr row RING_554[] = {
    when(not_drawing_water, call(p50)),
    look(),
        reply({WORD_POOL}, 2595),
        reply({WORD_FLOOR, WORD_ROCK, PLACE_SLANT}, 2857),
        reply({WORD_HOLLOW}, 2858),
        reply({WORD_TERRACES}, 1767, arg(0)),
        reply({WORD_STREAM}, 2417),
        reply({WORD_AIR}, 2870),
        reply({WORD_GO}, 3541, arg(0)),
        ret(),
    end(),
    reply(all({WORD_CLIMB, WORD_HOLLOW}), 2858),
    reply(all({WORD_IN, WORD_STREAM}), 2710),
    when(has_word(WORD_STREAM).OR(word_count(1)), reply({WORD_CROSS}, 1968)),
    moving(),
        ring_on(7),
        ring_back(7),
        go({WORD_SOUTHWEST, WORD_UPSTREAM, WORD_STREAM}, PLACE_FOOT_OF_FALLS),
        ring_onward(7),
        reply({WORD_DOWNSTREAM}, 1713, arg(3)),
    end(),
    mark({PLACE_SLANT, WORD_ROCK, WORD_HOLLOW, WORD_STREAM, WORD_TERRACES, WORD_AIR}),
};

// --- The annexe: the landing, the sealed chamber, the hall, the overlook --

// Place 555: annexe landing.
constexpr row ANNEXE_LANDING[] = {
    call(p679, num(4)),
    look(),
        reply({WORD_DOWN}, 2753),
        reply({WORD_POOL}, 2753),
        reply({OBJ_DOOR}, 1849, arg_of(VAR_ARG2)),
        reply({WORD_RAMP}, 2854, arg(2)),
        reply({WORD_TERRACES}, 1767, arg(1)),
        reply({OBJ_LIQUID_1, WORD_NAVE}, 2753),
        reply({PLACE_WEST_END_OF_GALLERY}, 2743, arg(1)),
        reply({WORD_HOLLOW}, 2773, arg(WORD_HOLLOW)),
        reply({WORD_GO}, 3541, arg(1)),
        ret(),
    end(),
    moving(),
        go({WORD_WEST, WORD_DOWN}, PLACE_RING_WALK_551),
        go({WORD_SOUTHEAST}, PLACE_SEALED_CHAMBER),
        go({WORD_EAST, WORD_UP, WORD_RAMP, WORD_TERRACES}, PLACE_ANNEXE_HALL),
        reply({PLACE_WEST_END_OF_GALLERY}, 2160, arg(0)),
        reply({WORD_HOLLOW}, 1425),
    end(),
    mark({PLACE_WEST_END_OF_GALLERY, WORD_HOLLOW, WORD_TERRACES, WORD_RAMP}),
};

// The sealed chamber (556): its value is 0 at first, 1 once the player has
// tried to leave and been held back, 2 once the beacon has been found. A
// plain look, a look into the nook, or (after the first try) a look at the
// pinion, the rock or the beacon finds the beacon, once.
cond_fold looking_about_the_chamber() {
    return cond(anyof(WORD_PINION, WORD_NOOK, WORD_ROCK, OBJ_BEACON, -1)).OR(words() == 1);
}
cond_fold beacon_to_be_found() {
    return cond(value[PLACE_SEALED_CHAMBER] == 1).OR(words() == 1).OR(has(WORD_NOOK)).AND(!bitest(OBJ_BEACON,
                      OFLAG_SEEN));
}

// Place 556: sealed chamber.
constexpr row SEALED_CHAMBER[] = {
    call(p679, num(4)),
    look(),
        reply({OBJ_DOOR}, 1849, arg_of(VAR_ARG2)),
        // A room of fitted stone: no sky overhead.
        reply({WORD_UP, PLACE_CEILING, PLACE_WELL_HEAD}, 2019, arg(17)),
        group(looking_about_the_chamber),
            first(),
                group(beacon_to_be_found),
                    set_flag(PLACE_BASTION, PFLAG_HINT_AVAILABLE),
                    let(PLACE_SEALED_CHAMBER, 2),
                    put_here(OBJ_BEACON),
                    set_flag(OBJ_BEACON, OFLAG_SEEN),
                    reply(2497),
                end(),
                group(has_word(OBJ_BEACON).OR(word_count(1))),
                end(),
                reply({WORD_PINION}, 2007),
                when(lacks_word(WORD_ROCK), reply(2033, arg_of(VAR_ARG2))),
            end(),
        end(),
        reply({WORD_TERRACES}, 1767, arg(1)),
        reply({WORD_RAMP}, 2856),
        reply({OBJ_TREE, WORD_LEAVES, WORD_FRIEZE}, 2876),
        reply({WORD_ROCK}, 2878),
        reply({WORD_WALL}, 3541, arg(20)),
        ret(),
    end(),
    group({WORD_CLIMB}),
        reply({OBJ_TREE}, 2877),
        let({WORD_UP, WORD_DOWN, WORD_TERRACES}, VAR_COMMAND_STATUS, 1),
    end(),
    moving(),
        reply({WORD_CLIMB, WORD_TERRACES, WORD_RAMP, WORD_UP}, 2856),
        group({WORD_NORTHWEST, WORD_DOWN, WORD_BACK}),
            first(),
                group(value_is(PLACE_SEALED_CHAMBER, 0)),
                    let(PLACE_SEALED_CHAMBER, 1),
                    reply(2498),
                end(),
                forced(PLACE_ANNEXE_LANDING),
            end(),
        end(),
    end(),
    mark({WORD_TERRACES, WORD_RAMP, WORD_FRIEZE, OBJ_TREE, WORD_LEAVES}),
};

// Place 557: annexe hall.
constexpr row ANNEXE_HALL[] = {
    call(p679, num(4)),
    rewrite(OBJ_TREE, OBJ_SNAG),
    reply({OBJ_SNAG}, 1445, arg_of(OBJ_SNAG)),
    look(),
        reply({WORD_CLIFF}, 2985),
        reply({WORD_DOORWAY}, 1849, arg_of(VAR_ARG2)),
        // A hall cut into the rock: no sky overhead.
        reply({WORD_UP, PLACE_CEILING, PLACE_WELL_HEAD}, 2019, arg(7)),
        reply({PLACE_WEST_END_OF_GALLERY}, 2743, arg(1)),
        reply({WORD_RAMP}, 2854, arg(2)),
        reply({WORD_TERRACES}, 1767, arg(1)),
        reply({WORD_WALL}, 3541, arg(17)),
        reply({OBJ_STEPS}, 3541, arg(18)),
        ret(),
    end(),
    moving(),
        go({WORD_WEST, WORD_DOWN, WORD_RAMP}, PLACE_ANNEXE_LANDING),
        go({WORD_NORTHEAST, WORD_UP, WORD_TERRACES}, PLACE_COUNTING_ROOM),
        go({WORD_SOUTH}, PLACE_OVERLOOK),
        reply({PLACE_WEST_END_OF_GALLERY}, 2160, arg(0)),
    end(),
    mark({PLACE_WEST_END_OF_GALLERY, WORD_RAMP, WORD_TERRACES}),
};

cond_fold jumping_off_the_overlook() {
    return cond(has(WORD_JUMP)).AND(cond(anyof(WORD_DOWN, WORD_RUNGS, PLACE_DESCENT, -1)).OR(words() == 1));
}

// Place 558: overlook.
constexpr row OVERLOOK[] = {
    call(p679, num(4)),
    look(),
        reply({WORD_POOL}, 2753),
        reply({WORD_BRINK}, 3245),
        reply({PLACE_WEST_END_OF_GALLERY}, 2743, arg(1)),
        reply({WORD_NAVE}, 2753),
        reply({WORD_RUNGS, PLACE_DESCENT, WORD_DOWN, OBJ_RAVINE, WORD_DROP}, 2527),
        reply({WORD_RAMP}, 2854, arg(1)),
        reply({WORD_TERRACES}, 1767, arg(1)),
        reply({WORD_STREAM, PLACE_RUNE_DOOR}, 2593, arg_of(VAR_ARG2)),
        reply({WORD_GO}, 3541, arg(1)),
        reply({OBJ_BOWL}, 3541, arg(2)),
        reply({WORD_CLIFF}, 2985),
        reply({PLACE_PATH}, 3541, arg(8)),
        ret(),
    end(),
    group(jumping_off_the_overlook),
        forced_on(PLACE_GONE),
        tell(2837),
        call(p154),
    end(),
    moving(),
        go({WORD_NORTHWEST, WORD_UP, WORD_RAMP, WORD_CLIMB, WORD_TERRACES}, PLACE_ANNEXE_HALL),
        go({WORD_SOUTHEAST, WORD_DOWN}, PLACE_RING_WALK_549),
        reply({WORD_RUNGS, PLACE_DESCENT}, 1773),
        reply({PLACE_WEST_END_OF_GALLERY}, 2160, arg(0)),
        reply({PLACE_RUNE_DOOR, WORD_STREAM}, 2630),
    end(),
    mark({PLACE_WEST_END_OF_GALLERY, WORD_WATERS, WORD_NAVE, WORD_RUNGS, PLACE_DESCENT, WORD_RAMP, WORD_TERRACES,
          WORD_STREAM, PLACE_RUNE_DOOR, OBJ_RAVINE}),
    land(PLACE_GONE, 2567),
};

// --- The snag (559, 560) ----------------------------------------------------

// The snag (object 153) lies across the gap in state 1. The variant of text
// 3229 remembers which way it was last crossed: 1 towards the far end, 0
// back.
cond_fold snag_across() { return cond(value[OBJ_SNAG] == 1); }

// Place 559: near end of the snag.
constexpr row SNAG_NEAR_END[] = {
    rewrite_shown(OBJ_TREE, OBJ_SNAG),
    call(p679, num(4)),
    rewrite_shown(PLACE_STREAMBED, PLACE_FOOTBRIDGE),
    when(snag_across, let(PLACE_NEAR_END_OF_SNAG, 1)),
    look(),
        reply({WORD_CLIFF}, 2985),
        group({WORD_CAUSEWAY}),
            when(snag_across, reply(2864, arg(1))),
            reply(2864, arg(0)),
        end(),
        reply({WORD_TERRACES}, 1767, arg(1)),
        reply({PLACE_PINNACLE, WORD_SHAKE}, 2979, arg_of(PLACE_PINNACLE)),
        reply({PLACE_FOOTBRIDGE, WORD_DOWN, WORD_DOORWAY}, 1764),
        reply({WORD_SHELF}, 3245),
        reply({OBJ_BRIDGE}, 1765, arg_of(OBJ_SNAG)),
        reply({WORD_RAMP}, 2856),
        ret(),
    end(),
    when(has_word(WORD_CLIMB).AND(has_any_word({WORD_DOWN, PLACE_FOOTBRIDGE})), reply(1764)),
    when(snag_across, rewrite_shown(OBJ_BRIDGE, OBJ_SNAG)),
    when(has_any_word({WORD_SOUTH, WORD_CROSS}).AND(value_is(OBJ_SNAG, 0)).OR(has_word(WORD_JUMP)), reply(2434)),
    group({WORD_CLIMB}),
        when(word_count(1).OR(has_any_word({WORD_UP, WORD_TERRACES, WORD_RAMP})), reply(2836)),
        when(word_count(1).OR(has_word(OBJ_SNAG)).AND(value_not(OBJ_SNAG, 1)), reply(2432)),
    end(),
    let(all({WORD_CROSS, PLACE_FOOTBRIDGE}), VAR_COMMAND_STATUS, 1),
    group({OBJ_SNAG}),
        let({WORD_CROSS, WORD_CLIMB}, VAR_COMMAND_STATUS, 1),
        reply({OBJ_LIQUID_1}, 2835),
        group({WORD_IN}),
            first(),
                group(snag_across),
                    let_variant(3229, 1),
                    forced(PLACE_FAR_END_OF_SNAG, 2433),
                end(),
                otherwise(),
                    mark(),
                    ret(),
                end(),
            end(),
        end(),
    end(),
    moving(),
        go({WORD_EAST, WORD_CAUSEWAY}, PLACE_CROSS_PASSAGE),
        group({WORD_SOUTH, WORD_CROSS, WORD_CLIMB}),
            let_variant(3229, 1),
            forced(PLACE_FAR_END_OF_SNAG, 2433),
        end(),
    end(),
    mark({WORD_RAMP, WORD_TERRACES, PLACE_FOOTBRIDGE, WORD_CAUSEWAY}),
    land(PLACE_GONE, 2568),
};

// Place 560: far end of the snag.
constexpr row SNAG_FAR_END[] = {
    rewrite_shown(OBJ_TREE, OBJ_SNAG),
    call(p679, num(4)),
    rewrite_shown(PLACE_STREAMBED, PLACE_FOOTBRIDGE),
    look(),
        reply({WORD_CLIFF}, 2985),
        reply({WORD_AIR}, 3435),
        reply({PLACE_FOOTBRIDGE, WORD_DOWN, WORD_DOORWAY}, 1764),
        reply({WORD_SHELF}, 3245),
        reply({OBJ_BRIDGE}, 1765, arg_of(OBJ_SNAG)),
        reply({WORD_TERRACES}, 1767, arg(1)),
        reply({WORD_CAUSEWAY}, 2864, arg(2)),
        reply({PLACE_SHRINE}, 3541, arg(21)),
        ret(),
    end(),
    when(has_word(WORD_CLIMB).AND(has_any_word({WORD_DOWN, PLACE_FOOTBRIDGE})), reply(1764)),
    reply({WORD_JUMP}, 2434),
    rewrite_shown(OBJ_BRIDGE, OBJ_SNAG),
    when(has_word(WORD_CROSS).AND(has_any_word({PLACE_FOOTBRIDGE, OBJ_SNAG})), let(VAR_COMMAND_STATUS, 1)),
    group({OBJ_SNAG}),
        let({WORD_CLIMB}, VAR_COMMAND_STATUS, 1),
        group({WORD_IN}),
            first(),
                group(snag_across),
                    let_variant(3229, 0),
                    forced(PLACE_NEAR_END_OF_SNAG, 2433),
                end(),
                otherwise(),
                    mark(),
                    ret(),
                end(),
            end(),
        end(),
        reply({OBJ_LIQUID_1}, 2835),
    end(),
    moving(),
        group({WORD_NORTH, WORD_CLIMB, WORD_CROSS}),
            let_variant(3229, 0),
            forced(PLACE_NEAR_END_OF_SNAG, 2433),
        end(),
        go({WORD_EAST, WORD_CAUSEWAY, PLACE_SANCTUM}, PLACE_SHRINE_LANDING),
    end(),
    mark({PLACE_FOOTBRIDGE, WORD_TERRACES, OBJ_BRIDGE, WORD_CAUSEWAY}),
    land(PLACE_GONE, 2568),
};

// --- The shrine landing, the low landing, the cross passage ---------------

// Place 561: shrine landing.
constexpr row SHRINE_LANDING[] = {
    call(p679, num(4)),
    call(p185, ref(OBJ_LETTERING)),
    group({OBJ_LETTERING, WORD_LABEL, OBJ_GLYPHS, OBJ_SIGN, OBJ_CARVING, WORD_LETTERS}),
        first(),
            group({WORD_READ, WORD_LOOK}),
                let_variant(2643, 2),
                set_flag(VAR_GAME_FLAGS_3, 5),
                reply(2483),
            end(),
            group(word_count(1)),
                set_flag(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_ORPHAN),
                reply(1507, arg_of(VAR_ARG1)),
            end(),
            reply(1885, arg_of(OBJ_LETTERING)),
        end(),
    end(),
    look(),
        reply({OBJ_GORGE, WORD_STREAM, WORD_DOWN}, 2775),
        reply({PLACE_SANCTUM}, 1382),
        reply({WORD_IN, WORD_WEST, WORD_DOORWAY}, 1383),
        reply({PLACE_WEST_END_OF_GALLERY}, 2743, arg(1)),
        reply({WORD_RAMP}, 2856),
        reply({WORD_BENCH}, 2851, arg(1)),
        reply({PLACE_WELL_HEAD}, 2982),
        reply({WORD_WALL}, 2983),
        reply({WORD_PEBBLES, WORD_RUNGS, PLACE_DESCENT}, 1747),
        reply({WORD_CLIFF}, 2985),
        reply({WORD_LOOKOUT, WORD_SKYLINE}, 2986),
        reply({PLACE_SHRINE}, 3541, arg(22)),
        reply({WORD_SHELF}, 3245),
        reply({OBJ_SNAG}, 3541, arg(23)),
        ret(),
    end(),
    group({WORD_CLIMB}),
        reply({WORD_RAMP, WORD_UP}, 2856),
        reply({PLACE_SANCTUM, WORD_WALL, PLACE_WELL_HEAD}, 2984),
    end(),
    land(PLACE_GONE, 2570),
    moving(),
        go({WORD_IN, WORD_WEST, PLACE_SANCTUM}, PLACE_SANCTUM),
        group({WORD_NORTH}),
            let_variant(3229, 1),
            forced(PLACE_FAR_END_OF_SNAG),
        end(),
        reply({PLACE_WEST_END_OF_GALLERY}, 2160, arg(0)),
        reply({PLACE_DESCENT, WORD_RUNGS}, 1773),
    end(),
    mark({PLACE_SANCTUM, WORD_SKYLINE, WORD_DOORWAY, PLACE_WEST_END_OF_GALLERY, PLACE_DESCENT, WORD_RUNGS, WORD_RAMP}),
};

// Place 562: low landing.
constexpr row LOW_LANDING[] = {
    call(p679, num(2)),
    look(),
        reply({WORD_TERRACES}, 1767, arg(1)),
        reply({WORD_RAMP}, 2854, arg(1)),
        reply({WORD_FLOOR, WORD_AIR}, 2870),
        reply({WORD_WATERS, WORD_POOL}, 2595),
        reply({WORD_CLIFF}, 2594, arg(WORD_CLIFF)),
        reply({WORD_GO}, 3541, arg(1)),
        reply({OBJ_LIQUID_1}, 2595),
        ret(),
    end(),
    moving(),
        reply({WORD_WATERS, PLACE_WEST_END_OF_GALLERY, WORD_CLIFF}, 2638),
        go({WORD_NORTHWEST, WORD_DOWN}, PLACE_RING_WALK_553),
        go({WORD_SOUTHEAST, WORD_UP}, PLACE_CROSS_PASSAGE),
    end(),
    mark({WORD_TERRACES, WORD_RAMP, WORD_AIR, WORD_MIST, WORD_WATERS, WORD_CLIFF}),
};

// Place 563: cross passage.
constexpr row CROSS_PASSAGE[] = {
    call(p679, num(2)),
    rewrite(OBJ_TREE, WORD_CANOPY),
    look(),
        reply({WORD_CLIFF}, 2985),
        reply({WORD_CANOPY}, 1849, arg_of(VAR_ARG2)),
        reply({WORD_CAUSEWAY}, 2894, arg(1)),
        reply({WORD_TERRACES}, 1767, arg(1)),
        reply({WORD_RAMP}, 2854, arg(1)),
        reply({WORD_WATERS}, 2595),
        reply({PLACE_FOOTBRIDGE}, 2952, arg_of(PLACE_FOOTBRIDGE)),
        reply({OBJ_SNAG}, 3541, arg(16)),
        reply({WORD_POOL, OBJ_LIQUID_1}, 2595),
        ret(),
    end(),
    group({WORD_CANOPY}),
        reply({WORD_CLIMB}, 2669, arg(1)),
        reply(2431, arg(WORD_CANOPY)),
    end(),
    moving(),
        when(has_word(WORD_BACK).AND(value_is(VAR_THERE, PLACE_CLIFF_PATH)), reply(2525)),
        group({WORD_SOUTH, WORD_UP, PLACE_FOOTBRIDGE}),
            let_variant(3229, 0),
            forced(PLACE_NEAR_END_OF_SNAG),
        end(),
        go({WORD_NORTH, WORD_DOWN}, PLACE_LOW_LANDING),
        go({WORD_NORTHWEST}, PLACE_COUNTING_ROOM),
        go({WORD_EAST}, PLACE_FOOT_OF_FALLS, 2486),
        group({WORD_CAUSEWAY}),
            let_variant(3229, 0),
            call(p329, ref(PLACE_COUNTING_ROOM), ref(WORD_NORTHWEST), ref(PLACE_NEAR_END_OF_SNAG), ref(WORD_SOUTH)),
        end(),
    end(),
    when([] { return cond(has(WORD_LISTEN)).AND(cond(has(WORD_STREAM)).OR(words() == 1)); }, reply(2871)),
    mark({WORD_CAUSEWAY, WORD_TERRACES, PLACE_FOOTBRIDGE, WORD_RAMP, WORD_WATERS, WORD_MIST}),
    land(PLACE_FOOT_OF_FALLS, 2569),
};

// --- The counting room (564) ----------------------------------------------

// The taper (object 165) counts the commands given beside it; when the
// player leaves it burns out and is gone.
cond_fold taper_here() { return cond(lies_here(OBJ_TAPER)); }

// Place 564: counting room.
constexpr row COUNTING_ROOM[] = {
    when(taper_here, add(OBJ_TAPER, 1)),
    call(p679, num(4)),
    rewrite_shown(OBJ_TREE, WORD_CANOPY),
    look(),
        reply({WORD_CLIFF}, 2985),
        reply({WORD_CAUSEWAY}, 2894, arg(0)),
        reply({WORD_TERRACES}, 1767, arg(1)),
        reply({WORD_CANOPY}, 2670, arg_of(VAR_ARG2)),
        reply({WORD_LEAVES}, 2025),
        reply({WORD_RAMP}, 2895),
        reply({WORD_WALL}, 3541, arg(19)),
        ret(),
    end(),
    group({WORD_CANOPY}),
        reply({WORD_CLIMB}, 2669, arg(0)),
        reply(1445, arg(WORD_CANOPY)),
    end(),
    moving(),
        reply({WORD_UP, WORD_DOWN, WORD_NORTH, WORD_NORTHEAST, WORD_SOUTHEAST, WORD_SOUTH, WORD_WEST, WORD_NORTHWEST, WORD_RAMP}, 2895),
        group({WORD_SOUTHWEST, WORD_DOWN, WORD_EAST, WORD_CAUSEWAY, WORD_BACK}),
            group(taper_here),
                let(OBJ_TAPER, 3),
                say_as(0, OBJ_TAPER, 0),
                put(OBJ_TAPER, PLACE_GONE),
            end(),
            go({WORD_SOUTHWEST, WORD_DOWN}, PLACE_ANNEXE_HALL),
            go({WORD_EAST}, PLACE_CROSS_PASSAGE),
            call({WORD_CAUSEWAY}, p329, ref(PLACE_ANNEXE_HALL), ref(WORD_SOUTHWEST), ref(PLACE_CROSS_PASSAGE),
                 ref(WORD_EAST)),
        end(),
    end(),
    mark({WORD_CAUSEWAY, WORD_TERRACES, WORD_CANOPY, WORD_LEAVES}),
};

// --- The sanctum (565) ----------------------------------------------------

// The sanctum's value counts the commands given there with the jewel
// carried (0..3); 4 once the jewel has been taken from the player, 5 once
// the sanctum has scattered what the player carried.

// Everything carried is flung over five places and the player is set down
// on the ring walk: a lit lamp or torch held burning stays in the hand, the
// lamp goes to the walk, each other thing where one draw sends it.
int scatter_the_carried() {
    apport(OBJ_JEWEL, PLACE_SANCTUM);
    value[PLACE_SANCTUM] = 5;
    apport(OBJ_SCEPTRE, PLACE_BEACON_WAY);
    if (cond(carried(OBJ_LIGHT_SOURCE))) apport(OBJ_LIGHT_SOURCE, PLACE_RING_WALK_547);
    static constexpr int to[] = {PLACE_SANCTUM, PLACE_SHRINE_LANDING, PLACE_RING_WALK_547, PLACE_FOOT_OF_FALLS,
                            PLACE_RING_WALK_548};
    for (hold_ref(VAR_LOOP_OBJECT, FIRST_OBJECT); value[VAR_LOOP_OBJECT] <= LAST_OBJECT; value[VAR_LOOP_OBJECT]++) {
        const int obj = value[VAR_LOOP_OBJECT];
        if (cond(carried(obj)).AND(!cond(bitest(obj, OFLAG_LIGHTABLE)).AND(value[obj] == 2))) {
            apport(obj, to[irand(5)]);
            if (obj == OBJ_VESSEL_MEDIUM) value[obj] = 2;
        }
    }
    moveto(PLACE_RING_WALK_547, -1);
    bitmod('c', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_MOVED);
    say(0, 2422, 0);
    p400();
    loop = 1;
    return 1;
}

cond_fold jewel_counted() { return cond(value[PLACE_SANCTUM] <= 2).AND(carried(OBJ_JEWEL)); }
cond_fold leaving_with_the_jewel() {
    return cond(anyof(WORD_OUT, WORD_EAST, -1)).AND(value[PLACE_SANCTUM] <= 3).AND(near(OBJ_JEWEL));
}

// Place 565: sanctum.
constexpr row SANCTUM[] = {
    when(has_word(WORD_LOOK).AND(has_any_word({PLACE_CEILING, WORD_UP})), reply(2019, arg(18))),
    when(jewel_counted, add(PLACE_SANCTUM, 1)),
    group(leaving_with_the_jewel),
        call(p831, num(0)),
        stop(),
    end(),
    group(value_is(PLACE_SANCTUM, 4)),
        reply({WORD_OUT, WORD_EAST}, 2423),
        group({WORD_LOOK}),
            reply({WORD_HOLE}, 1385, arg(3)),
            reply({WORD_DOWN, WORD_IN, OBJ_STEPS}, 2528),
        end(),
        group({WORD_DOWN, WORD_IN, OBJ_STEPS, WORD_GO, WORD_HOLE}),
            first(),
                group(movement_guard),
                    step(scatter_the_carried),
                end(),
                reply(1403),
            end(),
        end(),
    end(),
    look(),
        let({PLACE_SANCTUM}, VAR_COMMAND_STATUS, 1),
        reply({WORD_CREVICE}, 1385, arg(0)),
        reply({PLACE_WELL_HEAD, PLACE_CEILING}, 1385, arg(1)),
        reply({WORD_WINDOW}, 1385, arg(2)),
        reply({WORD_FLOOR}, 1385, arg(4)),
        reply({WORD_WALL}, 1385, arg(5)),
        reply({WORD_OUT, WORD_DOORWAY}, 2777),
        reply({WORD_BENCH}, 2851, arg(0)),
        reply({WORD_PLINTH}, 2852),
        reply({PLACE_SHRINE}, 3541, arg(24)),
        ret(),
    end(),
    group({WORD_WALL, WORD_FLOOR, WORD_CREVICE, WORD_BENCH}),
        reply({WORD_PUSH}, 2493, arg_of(VAR_ARG2)),
        when(has_word(WORD_BENCH), reply({WORD_POLISH}, 1329)),
        reply({WORD_POLISH}, 2850, arg_of(VAR_ARG2)),
    end(),
    moving(),
        go({WORD_OUT, WORD_BACK, WORD_EAST}, PLACE_SHRINE_LANDING),
        reply(all({WORD_GO, PLACE_SANCTUM}), 2620, arg_of(PLACE_SANCTUM)),
        when([] { return cond(has(WORD_IN)).AND(cond(has(PLACE_SANCTUM)).OR(words() == 1)); },
             reply(2620, arg_of(PLACE_SANCTUM))),
    end(),
    when(value_is(PLACE_SANCTUM, 4), mark({OBJ_STEPS})),
    mark({WORD_CREVICE, PLACE_WELL_HEAD, PLACE_CEILING, WORD_WALL, WORD_WINDOW, WORD_FLOOR, WORD_DOORWAY, WORD_BENCH}),
    mark({WORD_PLINTH}),
};

// --- The falls (566..568) -------------------------------------------------

// Down the falls from the foot a way opens by chance into the cross
// passage: the more the player may carry, the better the chance (90 in a
// hundred from a limit of 7 up).
int chance_way_down() {
    const int c = std::min(value[VAR_CARRY_LIMIT] + 2, 9) * 10;
    if (cond(irand(100) < c))
        moveto(PLACE_CROSS_PASSAGE, -2484);
    else
        say_stop(2485);
    return 1;
}

// Place 566: foot of the falls.
constexpr row FALLS_FOOT[] = {
    call_word({WORD_CONSUME_LIQUID}, WORD_CONSUME_LIQUID),
    call(p679, num(0)),
    look(),
        reply({WORD_STONE, WORD_ROCKFALL}, 2872),
        reply({WORD_ROCK, WORD_CLIFF}, 2640, arg(0)),
        reply({WORD_RAMP, WORD_EAST}, 2855, arg(1)),
        reply({PLACE_PATH}, 2874),
        reply({WORD_STREAM, OBJ_LIQUID_1}, 2875),
        reply({OBJ_GORGE}, 2873),
        reply({WORD_WATERS}, 2952, arg(WORD_WATERS)),
        reply({WORD_RUSHES}, 3272),
        reply({WORD_GO}, 3541, arg(1)),
        reply({PLACE_FALLS_NOOK}, 3541, arg(3)),
        ret(),
    end(),
    reply(all({WORD_IN, WORD_STREAM}), 2710),
    when(has_word(WORD_CLIMB).AND(has_any_word({WORD_UP, WORD_WEST, WORD_ROCK, WORD_CLIFF})), let(VAR_COMMAND_STATUS, 1)),
    moving(),
        go({WORD_NORTH, WORD_DOWN, WORD_DOWNSTREAM}, PLACE_RING_WALK_554),
        go({WORD_UP, WORD_SOUTH, WORD_UPSTREAM}, PLACE_MIDDLE_OF_FALLS),
        call({WORD_STREAM, WORD_STONE}, p329, ref(PLACE_RING_WALK_554), ref(WORD_NORTH), ref(PLACE_MIDDLE_OF_FALLS),
             ref(WORD_SOUTH)),
        step({WORD_UP, WORD_CLIMB, WORD_WEST}, chance_way_down),
        reply({PLACE_PATH}, 2874),
    end(),
    group({WORD_CROSS}),
        call_held(VAR_ARG1),
    end(),
    mark({WORD_STREAM, WORD_MIST, WORD_STONE, WORD_ROCK, WORD_CLIFF, WORD_RAMP}),
};

// Place 567: middle of the falls.
constexpr row FALLS_MIDDLE[] = {
    call_word({WORD_CONSUME_LIQUID}, WORD_CONSUME_LIQUID),
    look(),
        reply({WORD_STONE, WORD_ROCKFALL}, 2872),
        reply({WORD_STREAM, OBJ_LIQUID_1}, 2875),
        reply({OBJ_GORGE}, 2873),
        reply({WORD_CLIFF}, 2640, arg(1)),
        reply({WORD_RUSHES}, 2639),
        reply({WORD_BEND}, 2980),
        reply({PLACE_FALLS_NOOK}, 3541, arg(4)),
        reply({PLACE_PATH}, 3541, arg(7)),
        ret(),
    end(),
    reply(all({WORD_IN, WORD_STREAM}), 2710),
    moving(),
        call({WORD_STREAM, WORD_STONE}, p329, ref(PLACE_FOOT_OF_FALLS), ref(WORD_NORTHEAST), ref(PLACE_HEAD_OF_FALLS),
             ref(WORD_NORTHWEST)),
        go({WORD_NORTHEAST, WORD_DOWN, WORD_DOWNSTREAM}, PLACE_FOOT_OF_FALLS),
        go({WORD_NORTHWEST, WORD_UP, OBJ_GORGE, WORD_UPSTREAM}, PLACE_HEAD_OF_FALLS),
    end(),
    group({WORD_CROSS}),
        call_held(VAR_ARG1),
    end(),
    mark({WORD_STREAM, OBJ_GORGE, WORD_RUSHES, WORD_CLIFF, WORD_BEND}),
};

// Place 568: head of the falls.
constexpr row FALLS_HEAD[] = {
    call(p679, num(3)),
    look(),
        reply({WORD_STONE, WORD_ROCKFALL}, 2872),
        reply({OBJ_GORGE, WORD_SOUTHEAST}, 2873),
        reply({WORD_STREAM, OBJ_LIQUID_1}, 2875),
        reply({WORD_CLIFF}, 2640, arg(2)),
        reply({WORD_WEST, WORD_SOUTHWEST, WORD_SOUTH, WORD_RUNGS}, 2527),
        reply({WORD_ROCK}, 2988),
        reply({WORD_UP, WORD_CRACK}, 2987),
        let({WORD_PEBBLES}, VAR_COMMAND_STATUS, 1),
        reply({PLACE_FALLS_NOOK}, 3541, arg(5)),
        reply({WORD_GO, WORD_LEDGE}, 3541, arg(13)),
        reply({PLACE_PATH}, 3541, arg(9)),
        ret(),
    end(),
    when(has_any_word({WORD_CLIMB, WORD_UP}).AND(has_any_word({WORD_UP, WORD_CRACK, WORD_CLIFF})), let(VAR_COMMAND_STATUS, 1)),
    reply(all({WORD_IN, WORD_STREAM}), 2710),
    moving(),
        go({WORD_STREAM, WORD_DOWN, WORD_DOWNSTREAM, WORD_STONE, OBJ_GORGE, WORD_SOUTHEAST}, PLACE_MIDDLE_OF_FALLS),
        go({WORD_UP, WORD_CLIMB}, PLACE_CLIFF_TOP),
        group({WORD_WEST, WORD_UPSTREAM, WORD_SOUTHWEST, WORD_NORTHWEST, WORD_RUNGS}),
            group(object_carried(OBJ_BEACON)),
                when([] { return cond(bitest(PLACE_CLIFF_TOP, 16)); }, reply(2630, arg(2))),
                reply(2630, arg(1)),
            end(),
            reply(2630, arg(0)),
        end(),
        reply({WORD_PEBBLES}, 1425),
    end(),
    mark({WORD_STONE, WORD_ROCKFALL, WORD_ROCK, WORD_PEBBLES, WORD_CLIFF, WORD_RUNGS, WORD_STREAM, OBJ_GORGE}),
};

// --- The cliff top (569) and the cliff path (570) -------------------------

// Place 569: cliff top.
constexpr row CLIFF_TOP[] = {
    look(),
        reply({WORD_POOL}, 2753),
        reply({WORD_CLIFF}, 3245),
        reply({PLACE_BASTION}, 2868),
        reply({WORD_OUTCROP}, 2869),
        group({WORD_RUNGS, PLACE_DESCENT, WORD_DOWN}),
            set_flag(PLACE_CLIFF_TOP, 16),
            let_variant(1878, 0),
            reply(2526),
        end(),
        reply({PLACE_FALLS_NOOK, WORD_GO}, 3541, arg(6)),
        reply({PLACE_PATH}, 3541, arg(10)),
        ret(),
    end(),
    when(has_word(WORD_CLIMB).AND(has_any_word({WORD_UP, WORD_DOWN, PLACE_BASTION, WORD_CROSS})),
         let(VAR_COMMAND_STATUS, 1)),
    moving(),
        go({WORD_UP, WORD_EAST, PLACE_BASTION, WORD_CROSS}, PLACE_CLIFF_PATH),
        go({WORD_DOWN, WORD_CLIMB}, PLACE_HEAD_OF_FALLS),
        reply({WORD_RUNGS, PLACE_DESCENT}, 1773),
        group({WORD_JUMP}),
            forced_on(PLACE_GONE),
            tell(1768),
            call(p154),
        end(),
    end(),
    // A thing dropped over the edge lands at the head of the falls or is
    // lost, with even chances.
    either(VAR_LANDING_PLACE, PLACE_HEAD_OF_FALLS, PLACE_GONE),
    let_ref(VAR_LANDING_TEXT, 2567),
    mark({WORD_RUNGS, PLACE_DESCENT, PLACE_BASTION, WORD_OUTCROP, WORD_ROCK}),
};

// Place 570: cliff path.
constexpr row CLIFF_PATH[] = {
    look(),
        reply({PLACE_WEST_END_OF_GALLERY}, 2743, arg(1)),
        reply({WORD_WATERS, OBJ_LIQUID_1, WORD_NAVE}, 2753),
        reply({WORD_TERRACES}, 1767, arg(1)),
        reply({WORD_CLIFF}, 2985),
        reply({WORD_DOWN, WORD_PEBBLES, PLACE_ROAD, WORD_CAUSEWAY}, 2990),
        reply({PLACE_BASTION}, 2992),
        reply({WORD_SKYLINE}, 2993, arg_of(VAR_ARG2)),
        reply({WORD_RAMP}, 2994),
        reply({PLACE_PRECIPICE}, 2995),
        reply({PLACE_PATH, WORD_DROP}, 3541, arg(11)),
        ret(),
    end(),
    group({WORD_CLIMB}),
        reply({WORD_UP, WORD_CLIFF, WORD_TERRACES}, 2989),
        first(),
            group(word_count(1)),
                let_ref(VAR_ARG2, PLACE_BASTION),
            end(),
            let({WORD_DOWN, PLACE_ROAD, WORD_CAUSEWAY, WORD_PEBBLES, PLACE_BASTION}, VAR_COMMAND_STATUS, 1),
        end(),
    end(),
    let(all({WORD_JUMP, WORD_DOWN}), VAR_COMMAND_STATUS, 1),
    moving(),
        go({WORD_WEST, PLACE_BASTION}, PLACE_CLIFF_TOP),
        go({WORD_JUMP}, PLACE_CROSS_PASSAGE, 3467),
        go({WORD_DOWN, WORD_EAST, WORD_PEBBLES, WORD_CAUSEWAY, PLACE_ROAD}, PLACE_CROSS_PASSAGE),
        reply({WORD_TERRACES}, 2989),
        reply({PLACE_WEST_END_OF_GALLERY}, 2160, arg(0)),
        reply({PLACE_PRECIPICE}, 1425),
    end(),
    land(PLACE_CROSS_PASSAGE, 2571),
    group(word_count(1)),
        reply({WORD_WATERS, OBJ_LIQUID_1, WORD_NAVE}, 2753),
        reply({WORD_SKYLINE, WORD_LOOKOUT}, 2993, arg_of(VAR_ARG2)),
    end(),
    mark({PLACE_WEST_END_OF_GALLERY, WORD_WATERS, PLACE_BASTION, PLACE_ROAD, WORD_CAUSEWAY, WORD_NAVE, WORD_TERRACES,
          WORD_CLIFF, WORD_PEBBLES, WORD_SKYLINE, WORD_RAMP, PLACE_PRECIPICE}),
};

// --- The beacon chain (571..574) ------------------------------------------

// The beacon (object 45) lights the way down; it has to be carried, and
// burning (state 2) from the beacon way on.
cond_fold beacon_burning() { return cond(have(OBJ_BEACON, 0, 2)); }
cond_fold drinking_alone() { return cond(has(WORD_CONSUME_LIQUID)).AND(words() == 1); }
cond_fold vessel_chosen() { return cond(value[VAR_VESSEL] != 0); }

// Place 571: bastion.
constexpr row BASTION[] = {
    call(p679, num(1)),
    look(),
        reply({WORD_POOL}, 2753),
        reply({WORD_DOWN, WORD_PEBBLES, WORD_RUNGS, PLACE_DESCENT}, 2527),
        reply({WORD_TERRACES}, 1767, arg(0)),
        reply({WORD_RAMP}, 2854, arg(0)),
        reply({PLACE_WEST_END_OF_GALLERY}, 2951, arg_of(PLACE_WEST_END_OF_GALLERY)),
        reply({PLACE_RUNE_DOOR}, 2998),
        let({PLACE_BASTION}, VAR_COMMAND_STATUS, 1),
        reply({WORD_GO}, 3541, arg(1)),
        reply({WORD_BRINK, WORD_CLIFF}, 3541, arg(15)),
        reply({WORD_SHELF}, 3245),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTHEAST, WORD_RAMP, PLACE_WEST_END_OF_GALLERY}, PLACE_RING_WALK_548),
        reply({WORD_TERRACES}, 2630),
        reply({PLACE_BASTION}, 1425),
        group({WORD_DOWN, WORD_RUNGS, PLACE_DESCENT, WORD_PEBBLES}),
            first(),
                group(object_carried(OBJ_BEACON)),
                    when([] { return cond(!bitest(PLACE_CLIFF_TOP, 16)); }, reply(2436)),
                    forced(PLACE_BEACON_WAY, 2443),
                end(),
                reply(2438),
            end(),
        end(),
    end(),
    mark({PLACE_WEST_END_OF_GALLERY, WORD_PEBBLES, PLACE_BASTION, WORD_RAMP, WORD_TERRACES, PLACE_DESCENT, WORD_RUNGS,
          PLACE_RUNE_DOOR}),
};

// Place 572: beacon way.
constexpr row BEACON_WAY[] = {
    call(p679, num(3)),
    group(drinking_alone),
        call(p321, num(0)),
        when(vessel_chosen, ret()),
    end(),
    reply({OBJ_LIQUID_1, WORD_CONSUME_LIQUID}, 3046),
    look(),
        reply({WORD_CLIFF}, 2985),
        reply({WORD_SPRAY}, 1849, arg_of(VAR_ARG2)),
        reply({PLACE_DESCENT, WORD_RUNGS}, 2774, arg(0)),
        reply({WORD_TERRACES}, 1767, arg(0)),
        reply({WORD_AIR}, 3045),
        reply({WORD_PEBBLES}, 3047, arg(0)),
        reply({WORD_RUSHES}, 3048),
        reply({PLACE_PATH, WORD_SHADOWS}, 3541, arg(12)),
        reply({PLACE_BASTION}, 3541, arg(14)),
        ret(),
    end(),
    group({WORD_JUMP}),
        mark(),
        ret(),
    end(),
    when(has_any_word({WORD_CROSS, WORD_IN}).AND(has_word(WORD_RUNGS)), let(VAR_COMMAND_STATUS, 1)),
    moving(),
        when(has_any_word({WORD_UP, WORD_BACK}).AND(value_is(VAR_THERE, PLACE_BASTION)), reply(2439)),
        reply({WORD_TERRACES}, 2630),
        group({WORD_BACK, WORD_CROSS, WORD_NORTH, WORD_RUNGS, PLACE_DESCENT, WORD_NORTHWEST}),
            when(beacon_burning, forced(PLACE_DESCENT, 2437)),
            reply(2440),
        end(),
    end(),
    mark({PLACE_DESCENT, WORD_RUNGS, WORD_TERRACES, WORD_MIST, WORD_RIPPLES, WORD_AIR, WORD_PEBBLES, WORD_RUSHES}),
};

// Place 573: descent.
constexpr row DESCENT[] = {
    call(p679, num(3)),
    group(drinking_alone),
        call(p321, num(0)),
        when(vessel_chosen, ret()),
    end(),
    reply({OBJ_LIQUID_1, WORD_CONSUME_LIQUID}, 3049),
    look(),
        reply({WORD_LEDGE}, 3245),
        reply({WORD_RUNGS, PLACE_DESCENT}, 2774, arg(1)),
        reply({WORD_TERRACES}, 1767, arg(1)),
        reply({WORD_WALL, WORD_UP, WORD_CLIFF}, 2991, arg(1)),
        reply({WORD_PEBBLES}, 3047, arg(1)),
        reply({PLACE_RUNE_DOOR}, 2998),
        ret(),
    end(),
    when(has_any_word({WORD_CLIFF, WORD_ROCK, WORD_UP, WORD_WALL}).OR(word_count(1)), reply({WORD_CLIMB}, 1826, arg(1))),
    when(has_any_word({WORD_IN, WORD_CROSS}).AND(has_word(WORD_RUNGS)), let(VAR_COMMAND_STATUS, 1)),
    moving(),
        group({WORD_NORTHEAST, WORD_PEBBLES, PLACE_RUNE_DOOR}),
            when(beacon_burning, reply(2104, arg_of(OBJ_BEACON))),
            forced(PLACE_DOOR_APPROACH),
        end(),
        group(has_word(WORD_BACK).AND(value_is(VAR_THERE,
                                               PLACE_BEACON_WAY)).OR(has_any_word({WORD_CROSS, WORD_SOUTH, WORD_RUNGS,
                                                                                   PLACE_DESCENT, WORD_SOUTHEAST}))),
            when(beacon_burning, forced(PLACE_BEACON_WAY, 2437)),
            reply(2440),
        end(),
        reply({WORD_TERRACES}, 1826, arg(1)),
    end(),
    mark({WORD_RUNGS, PLACE_DESCENT, WORD_WALL, WORD_CLIFF, WORD_PEBBLES, PLACE_RUNE_DOOR}),
};

// Place 574: door approach.
constexpr row DOOR_APPROACH[] = {
    call(p679, num(3)),
    reply({WORD_CLIMB}, 1826, arg(2)),
    look(),
        reply({OBJ_LIQUID_1, PLACE_RUNE_DOOR}, 2490, arg(0)),
        reply({WORD_TERRACES}, 1767, arg(1)),
        reply({WORD_UP, WORD_WALL, WORD_CLIFF}, 2991, arg(0)),
        reply({WORD_ROCK}, 2988),
        reply({WORD_LEDGE}, 3245),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTHWEST}, PLACE_DESCENT),
        reply({WORD_CLIMB, WORD_TERRACES}, 1826, arg(2)),
        group({WORD_IN, WORD_NORTHEAST, PLACE_RUNE_DOOR}),
            when([] { return cond(bitest(PLACE_RUNE_DOOR, PFLAG_VISITED)); }, forced(PLACE_RUNE_DOOR, 2489)),
            let(VAR_QUESTION, 47),
            reply(1321),
        end(),
    end(),
    mark({WORD_TERRACES, WORD_ROCK, PLACE_RUNE_DOOR, WORD_CLIFF}),
};

}  // namespace

int p488() { return run<RING_547>(); }
int p502() { return run<RING_548>(); }
int p501() { return run<RING_549>(); }
int p503() { return run<RING_550>(); }
int p504() { return run<RING_551>(); }
int p500() { return run<RING_552>(); }
int p498() { return run<RING_553>(); }
int p499() { return run<RING_554>(); }
int p489() { return run<ANNEXE_LANDING>(); }
int p490() { return run<SEALED_CHAMBER>(); }
int p491() { return run<ANNEXE_HALL>(); }
int p492() { return run<OVERLOOK>(); }
int p493() { return run<SNAG_NEAR_END>(); }
int p494() { return run<SNAG_FAR_END>(); }
int p83() { return run<SHRINE_LANDING>(); }
int p495() { return run<LOW_LANDING>(); }
int p496() { return run<CROSS_PASSAGE>(); }
int p497() { return run<COUNTING_ROOM>(); }
int p830() { return run<SANCTUM>(); }
int p81() { return run<FALLS_FOOT>(); }
int p82() { return run<FALLS_MIDDLE>(); }
int p66() { return run<FALLS_HEAD>(); }
int p890() { return run<CLIFF_TOP>(); }
int p891() { return run<CLIFF_PATH>(); }
int p720() { return run<BASTION>(); }
int p57() { return run<BEACON_WAY>(); }
int p85() { return run<DESCENT>(); }
int p84() { return run<DOOR_APPROACH>(); }
