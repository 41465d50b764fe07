// The riddled cavern and the junctions round it, the sentinel approach,
// the arch junction and the exchange grotto, the top of the plant, the iron
// door and the burrow, the squeeze, the walkway and the narrows, the five
// ways and the clinging chamber, the shaft bottom, the slide top and the
// lake. Each place's procedure answers its feature words, moves the player
// along its exits (some drawn at random, some barred by what the player
// carries or by the state of a door, a plant or a sentinel) and marks the
// words of its features for the last replies.
#include "game.h"

using namespace rows;

namespace {

// --- Around the riddled cavern ---------------------------------------------

// Place 257: hole junction.
constexpr row HOLE_JUNCTION[] = {
    look(),
        reply({WORD_CRAWL, WORD_PASSAGE}, 2903, arg_of(VAR_ARG2)),
        reply({WORD_UP, WORD_HOLE}, 2479),
        reply({WORD_GRASS}, 2932),
        let({PLACE_WINDOW_JUNCTION}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    let(all({WORD_UP, WORD_HOLE}), VAR_COMMAND_STATUS, 1),
    moving(),
        go({WORD_EAST, WORD_CRAWL}, PLACE_PIT_TOP),
        go({WORD_UP, WORD_HOLE}, PLACE_NORTH_FORK),
        go({WORD_WEST, WORD_PASSAGE}, PLACE_HOLE_PASSAGE),
        go({PLACE_RIDDLED_CAVERN}, PLACE_RIDDLED_CAVERN),
    end(),
    mark({WORD_CRAWL, WORD_PASSAGE, WORD_HOLE, WORD_GRASS}),
};

// Place 258: pit top.
constexpr row PIT_TOP[] = {
    look(),
        let({PLACE_PIT_TOP}, VAR_COMMAND_STATUS, 1),
        reply({WORD_DOWN, PLACE_PIT}, 2918),
        reply({WORD_CRAWL}, 2903, arg(WORD_CRAWL)),
        when(object_not_near(OBJ_LIQUID_1), reply({OBJ_LIQUID_1}, 3509, arg_of(VAR_ARG2))),
        ret(),
    end(),
    when(has_word(WORD_CLIMB).AND(has_any_word({PLACE_PIT, WORD_DOWN})), let(VAR_COMMAND_STATUS, 1)),
    moving(),
        go({WORD_WEST, WORD_CRAWL}, PLACE_HOLE_JUNCTION),
        go({WORD_DOWN, WORD_CLIMB, PLACE_PIT}, PLACE_STREAM_SINK),
    end(),
    mark({PLACE_PIT_TOP, PLACE_PIT, WORD_CRAWL}),
    land(PLACE_STREAM_SINK, 1671),
};

// Place 259: stream sink.
constexpr row STREAM_SINK[] = {
    reply({PLACE_STREAMBED, WORD_SINKHOLE}, 2601),
    ret(all({WORD_CONSUME_LIQUID, WORD_STREAM})),
    look(),
        reply({WORD_STREAM}, 2165, arg(WORD_STREAM)),
        let({PLACE_PIT}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    let({WORD_CROSS, WORD_STREAM, WORD_CLIMB, WORD_OUT}, VAR_COMMAND_STATUS, 1),
    moving(),
        go({WORD_UP, WORD_OUT, WORD_CLIMB}, PLACE_PIT_TOP),
        reply({WORD_STREAM, WORD_DOWN, WORD_UPSTREAM, WORD_DOWNSTREAM}, 2601),
        reply({WORD_CROSS}, 1968),
    end(),
};

// Place 260: hole passage.
constexpr row HOLE_PASSAGE[] = {
    look(),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2903, arg(WORD_PASSAGE)),
        reply({WORD_HOLE, WORD_DOWN}, 2478, arg(0)),
        reply({WORD_DIRT, WORD_ROCK}, 2929),
        reply({WORD_CRACK}, 2930),
        ret(),
    end(),
    group([] { return cond(keyword(WORD_DOWN, WORD_HOLE, -1)).OR(has(WORD_GO)).OR(words() == 1); }),
        go({WORD_EAST, WORD_PASSAGE}, PLACE_HOLE_JUNCTION),
        go({WORD_DOWN, WORD_HOLE}, PLACE_UNDERCUT),
        go({PLACE_RIDDLED_CAVERN}, PLACE_RIDDLED_CAVERN),
        reply({WORD_CRACK}, 2930),
    end(),
    mark({WORD_DIRT, WORD_ROCK, WORD_HOLE, WORD_PASSAGE, WORD_CRACK}),
    land(PLACE_UNDERCUT, 1673),
};

// Place 261: undercut.
constexpr row UNDERCUT[] = {
    look(),
        reply({WORD_CRAWL}, 2903, arg(WORD_CRAWL)),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2902, arg(WORD_PASSAGE)),
        reply({WORD_UP}, 2479),
        let({PLACE_WINDOW_JUNCTION}, VAR_COMMAND_STATUS, 1),
        reply({PLACE_NARROWS}, 3509, arg_of(VAR_ARG2)),
        ret(),
    end(),
    let(all({WORD_CLIMB, WORD_UP}), VAR_COMMAND_STATUS, 1),
    moving(),
        go({WORD_UP, WORD_CLIMB}, PLACE_HOLE_PASSAGE),
        go({WORD_WEST, PLACE_RIDDLED_CAVERN}, PLACE_RIDDLED_CAVERN),
        go({WORD_NORTH, PLACE_NARROWS}, PLACE_NARROWS),
        go({WORD_EAST, WORD_CRAWL}, PLACE_FIVE_WAYS),
        call({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, p329, ref(PLACE_RIDDLED_CAVERN), ref(WORD_WEST),
             ref(PLACE_NARROWS), ref(WORD_NORTH)),
    end(),
    mark({WORD_CRAWL, WORD_PASSAGE}),
};

// "Hole" in the riddled cavern: one of its four ways, drawn.
int riddled_hole() {
    static constexpr int ways[] = {WORD_NORTH, WORD_SOUTH, WORD_UP, WORD_DOWN};
    hold_ref(VAR_ARG1, ways[irand(4)]);
    return 0;
}

// Place 266: riddled cavern.
constexpr row RIDDLED_CAVERN[] = {
    look(),
        let({PLACE_RIDDLED_CAVERN}, VAR_COMMAND_STATUS, 1),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2902, arg(WORD_PASSAGE)),
        reply({WORD_HOLE, WORD_DOWN}, 2934, arg(0)),
        reply({PLACE_CROSSWAY}, 3509, arg_of(VAR_ARG2)),
        ret(),
    end(),
    when(has_word(WORD_CLIMB).AND(has_any_word({WORD_UP, WORD_HOLE})), let(VAR_COMMAND_STATUS, 1)),
    moving(),
        go({WORD_EAST}, PLACE_UNDERCUT),
        go({WORD_WEST}, PLACE_TILTED_JUNCTION),
        go({PLACE_CROSSWAY}, PLACE_CROSSWAY),
        reply({PLACE_RIDDLED_CAVERN}, 1425),
        call({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, p329, ref(PLACE_TILTED_JUNCTION), ref(WORD_WEST),
             ref(PLACE_UNDERCUT), ref(WORD_EAST)),
        group({WORD_NORTHWEST}),
            first(),
                when([] { return cond(irand(100) < 50); }, reply(1345)),
                forced(PLACE_SLIMY_JUNCTION),
            end(),
        end(),
        step({WORD_HOLE}, riddled_hole),
        // Two tries in three the holes turn the player back; past them,
        // down is always the five ways, and the other three lead to one of
        // two places, drawn anew each time.
        group({WORD_NORTH, WORD_SOUTH, WORD_UP, WORD_DOWN}),
            first(),
                when([] { return cond(irand(100) < 65); }, reply(1417)),
                go({WORD_DOWN}, PLACE_FIVE_WAYS),
                group([] { return cond(irand(100) < 75); }),
                    go({WORD_NORTH}, PLACE_CRAWL_CROSSING),
                    go({WORD_UP}, PLACE_HOLE_PASSAGE),
                    go({WORD_SOUTH}, PLACE_CROSSWAY),
                end(),
                otherwise(),
                    go({WORD_NORTH}, PLACE_WINDOW_JUNCTION),
                    go({WORD_UP}, PLACE_SLIDE_JUNCTION),
                    go({WORD_SOUTH}, PLACE_ARCH_JUNCTION),
                end(),
            end(),
        end(),
    end(),
    mark({PLACE_RIDDLED_CAVERN, WORD_PASSAGE, WORD_HOLE}),
};

// "Hole" at the tilted junction: the cleft, or south, or nowhere.
int tilted_hole() {
    const int d = irand(5);
    if (cond(d == 0))
        hold_ref(VAR_ARG1, PLACE_CLEFT);
    else if (cond(d == 1))
        hold_ref(VAR_ARG1, WORD_SOUTH);
    else
        say_stop(1345);
    return 0;
}

// Place 267: tilted junction.
constexpr row TILTED_JUNCTION[] = {
    look(),
        reply({WORD_FLAGSTONE}, 2584),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2902, arg(WORD_PASSAGE)),
        reply({WORD_WALL, WORD_HOLE}, 2934, arg(1)),
        let({PLACE_WINDOW_JUNCTION}, VAR_COMMAND_STATUS, 1),
        reply({PLACE_GLINT_GROTTO}, 3509, arg_of(VAR_ARG2)),
        reply({PLACE_CLEFT}, 3511, arg(0)),
        ret(),
    end(),
    let(all({WORD_CLIMB, WORD_HOLE}), VAR_COMMAND_STATUS, 1),
    moving(),
        step({WORD_HOLE}, tilted_hole),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR, WORD_OUT}, 2904, arg(WORD_PASSAGE)),
        go({WORD_NORTHEAST}, PLACE_RIDDLED_CAVERN),
        go({WORD_WEST}, PLACE_SEEP_RIM),
        go({PLACE_CLEFT}, PLACE_ARCH_JUNCTION),
        go({WORD_EAST, PLACE_GLINT_GROTTO}, PLACE_GLINT_GROTTO),
        go({WORD_NORTHWEST, PLACE_SLIMY_JUNCTION}, PLACE_SLIMY_JUNCTION),
        group({WORD_SOUTH}),
            first(),
                when([] { return cond(irand(100) < 33); }, go({WORD_SOUTH}, PLACE_ARCH_JUNCTION)),
                reply(1345),
            end(),
        end(),
    end(),
    mark({WORD_FLAGSTONE, WORD_PASSAGE, WORD_WALL, WORD_HOLE}),
};

// Place 268: crossway.
constexpr row CROSSWAY[] = {
    look(),
        let({PLACE_LAKESIDE_CHAMBER}, VAR_COMMAND_STATUS, 1),
        reply({PLACE_CROSSWAY}, 2138),
        reply({PLACE_CEILING, WORD_UP}, 2019, arg(2)),
        reply({WORD_HOLE}, 2479),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2902, arg(WORD_PASSAGE)),
        reply({WORD_WALL}, 2975),
        reply({WORD_ROCKFALL}, 2974),
        reply({PLACE_RIM}, 3509, arg_of(VAR_ARG2)),
        ret(),
    end(),
    when([] { return cond(cond(anyof(WORD_CLIMB, WORD_UP, -1)).AND(anyof(WORD_HOLE, WORD_WALL, -1))).OR(keyword(WORD_CLIMB, WORD_UP, -1)); },
         let(VAR_COMMAND_STATUS, 1)),
    moving(),
        go({WORD_SOUTH}, PLACE_PLANT_RIM),
        go({WORD_UP, WORD_CLIMB}, PLACE_UPPER_JUNCTION),
        go({WORD_NORTH, PLACE_RIDDLED_CAVERN}, PLACE_RIDDLED_CAVERN),
        reply({WORD_EAST, WORD_WEST, WORD_ROCKFALL}, 2974),
        reply({PLACE_CROSSWAY}, 1425),
        call({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, p329, ref(PLACE_RIDDLED_CAVERN), ref(WORD_NORTH),
             ref(PLACE_PLANT_RIM), ref(WORD_SOUTH)),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR, PLACE_CEILING, WORD_HOLE, WORD_ROCKFALL, WORD_STONE, WORD_WALL,
          PLACE_CROSSWAY}),
};

// Place 269: upper junction.
// The upper and the slide junction: looking along the cleft takes the
// player through it.
constexpr row UPPER_JUNCTION[] = {
    look(),
        let({PLACE_CLEFT}, VAR_COMMAND_STATUS, 1),
        reply({WORD_DOWN}, 2478, arg(0)),
        let({PLACE_WINDOW_JUNCTION}, VAR_COMMAND_STATUS, 1),
        ret({PLACE_WINDOW_JUNCTION}),
        reply({PLACE_CROSSWAY, PLACE_FAR_SHORE, WORD_STAIRWELL}, 3509, arg_of(VAR_ARG2)),
        when(object_not_near(OBJ_SENTINEL), reply({OBJ_SENTINEL}, 3509, arg_of(VAR_ARG2))),
    end(),
    let(all({WORD_CLIMB, WORD_DOWN}), VAR_COMMAND_STATUS, 1),
    moving(),
        go({WORD_DOWN, PLACE_CROSSWAY}, PLACE_CROSSWAY),
        go({WORD_NORTH, OBJ_PANE}, PLACE_SHAFT_BOTTOM),
        go({PLACE_FAR_SHORE}, PLACE_FAR_SHORE),
        go({WORD_SOUTH}, PLACE_WEST_END_OF_SENTINEL_WAY),
        call({PLACE_CLEFT}, p329, ref(PLACE_SHAFT_BOTTOM), ref(WORD_NORTH), ref(PLACE_WEST_END_OF_SENTINEL_WAY),
             ref(WORD_SOUTH)),
    end(),
    mark({PLACE_CLEFT}),
    land(PLACE_CROSSWAY, 1674),
};

// Place 270: slide junction.
constexpr row SLIDE_JUNCTION[] = {
    look(),
        let({PLACE_CLEFT}, VAR_COMMAND_STATUS, 1),
        reply({WORD_DOWN, WORD_PASSAGE}, 2478, arg(0)),
        let({PLACE_WINDOW_JUNCTION}, VAR_COMMAND_STATUS, 1),
        reply({PLACE_SLIDE}, 3509, arg_of(VAR_ARG2)),
    end(),
    let(all({WORD_CLIMB, WORD_DOWN}), VAR_COMMAND_STATUS, 1),
    moving(),
        go({WORD_NORTH}, PLACE_WINDOW_JUNCTION),
        go({WORD_DOWN, WORD_PASSAGE}, PLACE_RIDDLED_CAVERN),
        go({WORD_SOUTH}, PLACE_SLIDE_TOP),
        call({PLACE_CLEFT}, p329, ref(PLACE_WINDOW_JUNCTION), ref(WORD_NORTH), ref(PLACE_SLIDE_TOP), ref(WORD_SOUTH)),
    end(),
    mark({PLACE_CLEFT, WORD_PASSAGE}),
    land(PLACE_RIDDLED_CAVERN, 1674),
};

// Place 271: window junction.
constexpr row WINDOW_JUNCTION[] = {
    clear_flag(PLACE_WEST_MIRROR_LEDGE, PFLAG_CREATURE_FREE),
    look(),
        let({PLACE_WINDOW_JUNCTION}, VAR_COMMAND_STATUS, 1),
        reply({PLACE_CLEFT}, 2902, arg_of(PLACE_CLEFT)),
        reply({WORD_WINDOW}, 3509, arg_of(VAR_ARG2)),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTHEAST}, PLACE_RIDDLED_CAVERN),
        go({WORD_SOUTH}, PLACE_SLIDE_JUNCTION),
        go({WORD_NORTH}, PLACE_WEST_MIRROR_LEDGE),
        reply({PLACE_CLEFT}, 2904, arg_of(PLACE_CLEFT)),
        reply({PLACE_WINDOW_JUNCTION}, 1425),
    end(),
    mark({PLACE_CLEFT}),
};

// Place 272: crawl crossing.
constexpr row CRAWL_CROSSING[] = {
    look(),
        reply({WORD_CRAWL}, 2902, arg(WORD_CRAWL)),
        reply({PLACE_WINDOW_JUNCTION}, 3509, arg_of(VAR_ARG2)),
        when(object_not_near(OBJ_BRIDGE), reply({OBJ_BRIDGE}, 3509, arg_of(VAR_ARG2))),
        ret(),
    end(),
    moving(),
        go({PLACE_RIDDLED_CAVERN}, PLACE_RIDDLED_CAVERN),
        go({WORD_SOUTHWEST}, PLACE_BRIDGE_APPROACH),
        go({WORD_NORTH}, PLACE_END_OF_CROSSING),
        go({WORD_SOUTHEAST, PLACE_SLIMY_JUNCTION}, PLACE_SLIMY_JUNCTION),
        reply({WORD_CRAWL}, 2904, arg(WORD_CRAWL)),
    end(),
    mark({WORD_CRAWL}),
};

// Place 273: end of the crossing.
constexpr row END_OF_THE_CROSSING[] = {
    look(),
        let({PLACE_CRAWL_CROSSING}, VAR_COMMAND_STATUS, 1),
    end(),
    moving(),
        go({WORD_SOUTH, WORD_OUT, WORD_CRAWL}, PLACE_CRAWL_CROSSING),
    end(),
};

// --- The sentinel approach and the cleft to the arch junction ---------------

cond_fold sentinel_still() { return cond(value[OBJ_SENTINEL] == 0); }
cond_fold sentinel_stirred() { return cond(value[OBJ_SENTINEL] != 0); }

// Place 274: sentinel approach.
constexpr row SENTINEL_APPROACH[] = {
    look(),
        let({PLACE_CLEFT}, VAR_COMMAND_STATUS, 1),
        let({PLACE_SENTINEL_APPROACH}, VAR_COMMAND_STATUS, 1),
        when(object_not_near(OBJ_SENTINEL), reply({OBJ_SENTINEL}, 3509, arg_of(VAR_ARG2))),
        ret(),
    end(),
    let(all({WORD_CLIMB, WORD_DOWN}), VAR_COMMAND_STATUS, 1),
    moving(),
        go({WORD_EAST}, PLACE_HALL_OF_WAYS),
        go({WORD_DOWN}, PLACE_NARROW_PASSAGE),
        when(sentinel_still, forced_if({WORD_WEST}, PLACE_EAST_END_OF_SENTINEL_WAY)),
        when(sentinel_stirred, forced_if({WORD_WEST}, PLACE_WEST_END_OF_SENTINEL_WAY)),
        when(sentinel_still,
             call({PLACE_CLEFT}, p329, ref(PLACE_EAST_END_OF_SENTINEL_WAY), ref(WORD_WEST), ref(PLACE_HALL_OF_WAYS),
                  ref(WORD_EAST))),
        when(sentinel_stirred,
             call({PLACE_CLEFT}, p329, ref(PLACE_WEST_END_OF_SENTINEL_WAY), ref(WORD_WEST), ref(PLACE_HALL_OF_WAYS),
                  ref(WORD_EAST))),
    end(),
    mark({PLACE_CLEFT}),
    land(PLACE_NARROW_PASSAGE, 1675),
};

// Place 275: narrow passage.
constexpr row NARROW_PASSAGE[] = {
    look(),
        let({PLACE_CLEFT}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTH}, PLACE_BLIND_POCKET),
        go({WORD_NORTH}, PLACE_ARCH_JUNCTION),
        call({PLACE_CLEFT}, p329, ref(PLACE_BLIND_POCKET), ref(WORD_SOUTH), ref(PLACE_ARCH_JUNCTION), ref(WORD_NORTH)),
    end(),
    mark({PLACE_CLEFT}),
};

// Place 276: blind pocket.
constexpr row BLIND_POCKET[] = {
    look(),
        let({PLACE_BLIND_POCKET}, VAR_COMMAND_STATUS, 1),
        ret({PLACE_BLIND_POCKET}),
    end(),
    group(all({WORD_LOOK, PLACE_CLEFT})),
        let(VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        go({WORD_OUT, WORD_NORTH, PLACE_CLEFT}, PLACE_NARROW_PASSAGE),
    end(),
    mark({PLACE_CLEFT}),
};

// Place 277: arch junction.
constexpr row ARCH_JUNCTION[] = {
    look(),
        let({PLACE_CLEFT}, VAR_COMMAND_STATUS, 1),
        reply({WORD_CRAWL}, 2903, arg(WORD_CRAWL)),
        reply({WORD_IN, WORD_ARCH, WORD_LIGHT, WORD_ENTRANCE}, 1383),
        let({PLACE_WINDOW_JUNCTION}, VAR_COMMAND_STATUS, 1),
        reply({PLACE_GLINT_GROTTO}, 3511, arg(1)),
        ret(),
    end(),
    moving(),
        go({WORD_EAST}, PLACE_NARROW_PASSAGE),
        go({WORD_WEST}, PLACE_SCRAWLED_CORNER),
        go({WORD_NORTH, WORD_CRAWL}, PLACE_TILTED_JUNCTION),
        go({WORD_SOUTH, WORD_IN, WORD_ARCH}, PLACE_EXCHANGE_GROTTO),
        forced_if(all({WORD_GO, WORD_LIGHT}), PLACE_EXCHANGE_GROTTO),
        call({PLACE_CLEFT}, p329, ref(PLACE_SCRAWLED_CORNER), ref(WORD_WEST), ref(PLACE_NARROW_PASSAGE),
             ref(WORD_EAST)),
    end(),
    mark({PLACE_CLEFT, WORD_CRAWL, WORD_ENTRANCE, WORD_ARCH}),
};

// Place 278: scrawled corner.
constexpr row SCRAWLED_CORNER[] = {
    call(p185, ref(WORD_LABEL)),
    group({WORD_LABEL, OBJ_LETTERING, OBJ_GLYPHS, OBJ_CARVING, OBJ_SIGN}),
        reply({WORD_LOOK, WORD_READ}, 3122),
        mark(),
        ret(),
    end(),
    look(),
        reply({WORD_ROCKFALL}, 3123),
        let({PLACE_SCRAWLED_CORNER}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    reply({WORD_CLIMB}, 2464),
    moving(),
        go({WORD_SOUTH, WORD_OUT}, PLACE_ARCH_JUNCTION),
    end(),
    mark({WORD_ROCKFALL, WORD_STONE}),
};

// --- The top of the plant, the slide, the writing junction -----------------

// Here the movement block also takes "climb down".
cond_fold moving_or_climbing_down() {
    return cond(has(WORD_GO)).OR(words() == 1).OR(keyword(WORD_CLIMB, WORD_DOWN, -1));
}

// Place 279: top of the plant.
constexpr row TOP_OF_THE_PLANT[] = {
    let_variant(2847, 1),
    reply({WORD_MIST}, 2380, arg(WORD_MIST)),
    look(),
        reply({OBJ_PLANT, WORD_MIST, WORD_HOLE, WORD_DOWN}, 2917),
        reply({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, 2903, arg_of(PLACE_CORRIDOR)),
        reply({WORD_HOLLOW}, 3509, arg_of(VAR_ARG2)),
        ret(),
    end(),
    group({WORD_JUMP}),
        forced_on(PLACE_PLANT_HOLLOW),
        call(p803),
    end(),
    group(moving_or_climbing_down),
        go({WORD_EAST, OBJ_PLANT, WORD_DOWN, WORD_CLIMB, WORD_HOLE}, PLACE_PLANT_HOLLOW),
        go({WORD_WEST, PLACE_CORRIDOR}, PLACE_WRITING_JUNCTION),
    end(),
    mark({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR, OBJ_PLANT, WORD_MIST, WORD_HOLE}),
};

// Place 280: slide.
constexpr row SLIDE[] = {
    look(),
        reply({WORD_DOWN}, 2478, arg(0)),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2903, arg(WORD_PASSAGE)),
        reply({PLACE_SLIDE}, 2915),
        let({PLACE_SLOPE}, VAR_COMMAND_STATUS, 1),
        reply({PLACE_CRAWL_CROSSING, PLACE_BURROW}, 3509, arg_of(VAR_ARG2)),
        ret(),
    end(),
    group(moving_or_climbing_down),
        go({WORD_NORTH, PLACE_BURROW, WORD_PASSAGE}, PLACE_BURROW),
        go({WORD_DOWN, WORD_CLIMB, PLACE_SLIDE}, PLACE_CRAWL_CROSSING, 1589),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR, PLACE_SLIDE}),
    land(PLACE_CRAWL_CROSSING, 1674),
};

// Place 281: writing junction.
constexpr row WRITING_JUNCTION[] = {
    call(p185, ref(OBJ_LETTERING)),
    when(has_any_word({OBJ_LETTERING, OBJ_GLYPHS, OBJ_SIGN, OBJ_CARVING,
                       WORD_LABEL}).AND(has_any_word({WORD_READ, WORD_LOOK})),
         reply(2916)),
    look(),
        reply({PLACE_CEILING, WORD_UP}, 2019, arg(3)),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2902, arg(WORD_PASSAGE)),
        let({PLACE_WINDOW_JUNCTION}, VAR_COMMAND_STATUS, 1),
        when(object_not_near(OBJ_DOOR), reply({OBJ_DOOR}, 3509, arg_of(VAR_ARG2))),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTH, PLACE_CORRIDOR}, PLACE_TOP_OF_PLANT),
        go({WORD_EAST}, PLACE_INCLINE),
        go({WORD_NORTH}, PLACE_IRON_DOOR),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2904, arg(WORD_PASSAGE)),
    end(),
    mark({PLACE_CEILING, OBJ_GLYPHS, OBJ_SIGN, OBJ_CARVING, OBJ_LETTERING, WORD_LABEL, WORD_TUNNEL, WORD_PASSAGE,
          PLACE_CORRIDOR}),
};

// --- The iron door (282) and the burrow (283) -------------------------------

cond_fold vessel_chosen() { return cond(value[VAR_VESSEL] > 0); }

// "Empty" with a vessel named: what it holds goes onto the door, or out.
// Only a vessel that is here or carried can be emptied.
int empty_vessel_at_the_door() {
    if (!cond(near(arg2()))) return 0;
    set('V', VAR_VESSEL, 'v', VAR_ARG2, nullptr, nullptr);
    value[VAR_VESSEL_STATE] = value[value[VAR_VESSEL]];
    *bitword(VAR_VESSEL_STATE) = *bitword(VAR_VESSEL);
    const int content = value[VAR_VESSEL_STATE];
    if (cond(content == 4))
        p634();
    else if (cond(content == 3))
        p904();
    else if (cond(content == 5))
        p218();
    else if (cond(content == 6))
        p268();
    return 0;
}

// Place 282: iron door.
constexpr row IRON_DOOR[] = {
    look(),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2903, arg(WORD_PASSAGE)),
        reply({PLACE_WINDOW_JUNCTION}, 3509, arg_of(VAR_ARG2)),
        ret(),
    end(),
    let(VAR_VESSEL, 0),
    group({OBJ_DOOR}),
        call({OBJ_LIQUID_2}, p634),
        call({OBJ_LIQUID_1}, p904),
    end(),
    group({WORD_POUR}),
        call({OBJ_LIQUID_2}, p634),
        group(word_count(1)),
            let(VAR_VESSEL, 0),
            call(p321, num(0)),
            when(vessel_chosen, call(p904)),
            call(p320, num(0)),
            when(vessel_chosen, call(p634)),
        end(),
    end(),
    group(has_word(WORD_EMPTY).AND(has_any_word({OBJ_VESSEL_SMALL, OBJ_VESSEL_MEDIUM, OBJ_VESSEL_LARGE}))),
        step(empty_vessel_at_the_door),
    end(),
    moving(),
        go({WORD_SOUTH, WORD_PASSAGE}, PLACE_WRITING_JUNCTION),
        group({WORD_NORTH, WORD_IN, PLACE_BURROW, OBJ_DOOR}),
            first(),
                when(value_is(OBJ_DOOR, 0), reply(1404)),
                forced(PLACE_BURROW),
            end(),
        end(),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}),
};

// Across the pool to the near shore: at once once the shore has been
// reached before, else after the question of what is to be left behind.
int cross_to_the_near_shore() {
    if (cond(is_visited(PLACE_NEAR_SHORE))) {
        value[VAR_COMMAND_STATUS] = 0;
        p929();
        return 0;
    }
    hold_ref(VAR_PROMPT_TEXT, 1644);
    input_store('S', &value[VAR_PROMPT_TEXT]);
    value[VAR_QUESTION] = Q_PLACE_283;
    say(SAY_REFVAR | SAY_STOP, VAR_PROMPT_TEXT, 0);
    return 0;
}

// Place 283: burrow.
// The burrow's look block does not end the procedure: a look down into the
// pool, with a word of going, is a move.
constexpr row BURROW[] = {
    look(),
        reply({PLACE_RUNE_DOOR}, 2641, arg(1)),
        reply({WORD_STREAM}, 2641, arg(0)),
        reply({WORD_POOL, WORD_DOWN}, 2641, arg(2)),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2902, arg(WORD_PASSAGE)),
        reply({WORD_HOLE}, 2939),
        when(object_not_near(OBJ_DOOR), reply({OBJ_DOOR}, 3509, arg_of(VAR_ARG2))),
        reply({PLACE_SLIDE}, 3509, arg_of(VAR_ARG2)),
    end(),
    land(PLACE_GONE, 1676),
    when(has_any_word({WORD_JUMP, WORD_GO, WORD_IN}).AND(has_any_word({WORD_DOWN, WORD_POOL})),
         let(VAR_COMMAND_STATUS, 1)),
    when(has_word(WORD_JUMP).AND(has_any_word({WORD_DOWN, WORD_IN})), let(VAR_COMMAND_STATUS, 1)),
    moving(),
        go({WORD_SOUTH, WORD_OUT}, PLACE_IRON_DOOR),
        go({WORD_WEST, PLACE_SLIDE}, PLACE_SLIDE),
        call({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, p329, ref(PLACE_IRON_DOOR), ref(WORD_SOUTH), ref(PLACE_SLIDE),
             ref(WORD_WEST)),
        step({WORD_JUMP, WORD_DOWN, WORD_POOL, WORD_HOLE}, cross_to_the_near_shore),
    end(),
    mark_name({PLACE_RUNE_DOOR}),
    mark({WORD_PASSAGE, WORD_HOLE, WORD_STREAM, WORD_POOL}),
};

// --- The glint grotto and the slimy junction ---------------------------------

// Place 284: glint grotto.
constexpr row GLINT_GROTTO[] = {
    // "Cloth" here, with no cloth near, is the vein's glint.
    when(has_word(OBJ_CLOTH).AND(object_not_near(OBJ_CLOTH)), rewrite(OBJ_CLOTH, OBJ_VEIN)),
    look(),
        reply({PLACE_CEILING, WORD_UP}, 2019, arg(4)),
        reply({WORD_WALL, WORD_GLINT}, 2093),
        reply({WORD_MAT, OBJ_VEIN}, 2037, arg_of(VAR_ARG2)),
        reply({PLACE_WINDOW_JUNCTION}, 3509, arg_of(VAR_ARG2)),
        ret(),
    end(),
    moving(),
        go({WORD_EAST}, PLACE_START_OF_CRAWLWAY),
        go({WORD_SOUTHEAST}, PLACE_STAIR_LANDING),
        go({WORD_WEST, WORD_OUT, PLACE_TILTED_JUNCTION}, PLACE_TILTED_JUNCTION),
        reply({WORD_NORTH, WORD_SOUTH, WORD_SOUTHWEST, WORD_NORTHWEST, WORD_NORTHEAST}, 1719),
    end(),
    mark({OBJ_VEIN, WORD_MAT, WORD_GLINT}),
};

// Place 285: slimy junction.
constexpr row SLIMY_JUNCTION[] = {
    reply({WORD_WALL, WORD_SLIME}, 1282),
    look(),
        reply({WORD_CRAWL, WORD_PASSAGE}, 2903, arg_of(VAR_ARG2)),
        let({PLACE_WINDOW_JUNCTION}, VAR_COMMAND_STATUS, 1),
        reply({WORD_LEDGE}, 3509, arg_of(VAR_ARG2)),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTHEAST}, PLACE_TILTED_JUNCTION),
        go({WORD_WEST, WORD_CRAWL}, PLACE_CRAWL_CROSSING),
        go({WORD_NORTH, WORD_PASSAGE, WORD_UP, PLACE_BURROW}, PLACE_RIFT_LEDGE),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR, WORD_CRAWL}),
};

// --- The squeeze (286, 287), the dark nook and the rift ledge ---------------

// Through the squeeze to the other end: only with empty hands, or with
// nothing but the ring, the journal and things too slight to count.
void squeeze_through(int other) {
    int count = value[VAR_CARRIED_COUNT];
    if (cond(carried(OBJ_RING))) count--;
    if (cond(carried(OBJ_JOURNAL))) count--;
    if (cond(count == 0)) {
        moveto(other, -2);
        return;
    }
    for (hold_ref(VAR_LOOP_OBJECT, FIRST_OBJECT); value[VAR_LOOP_OBJECT] <= LAST_OBJECT; value[VAR_LOOP_OBJECT]++) {
        if (cond(carried(value[VAR_LOOP_OBJECT])).AND(!bitest(value[VAR_LOOP_OBJECT], OFLAG_NOT_COUNTED))) {
            say_stop(1410);
            return;
        }
    }
    moveto(other, -2);
}
int squeeze_to_the_far_end() {
    squeeze_through(PLACE_FAR_END_OF_SQUEEZE);
    return 0;
}
int squeeze_back() {
    squeeze_through(PLACE_SQUEEZE);
    return 0;
}

// Place 286: squeeze.
constexpr row SQUEEZE[] = {
    look(),
        let({PLACE_SQUEEZE}, VAR_COMMAND_STATUS, 1),
        reply({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR, WORD_LIGHT}, 2921, arg(WORD_TUNNEL)),
        reply({PLACE_PATH}, 2922),
        reply({WORD_LEDGE}, 3509, arg_of(VAR_ARG2)),
        ret(),
    end(),
    moving(),
        go({WORD_NORTHWEST, PLACE_PATH, PLACE_BURROW}, PLACE_RIFT_LEDGE),
        reply({PLACE_SQUEEZE}, 1425),
        step({WORD_EAST, WORD_TUNNEL, WORD_PASSAGE, PLACE_FAR_END_OF_SQUEEZE}, squeeze_to_the_far_end),
    end(),
    mark({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR, PLACE_PATH, PLACE_SQUEEZE}),
};

// Place 287: far end of the squeeze.
constexpr row FAR_END_OF_THE_SQUEEZE[] = {
    look(),
        let({PLACE_LAKESIDE_CHAMBER}, VAR_COMMAND_STATUS, 1),
        reply({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, 2903, arg_of(VAR_ARG2)),
        reply({WORD_LIGHT}, 2920),
        let({PLACE_SQUEEZE}, VAR_COMMAND_STATUS, 1),
        reply({PLACE_GLOW_END}, 3511, arg(2)),
        reply({WORD_NOOK}, 3511, arg(9)),
        ret(),
    end(),
    moving(),
        go({WORD_NORTHEAST, PLACE_DARK_NOOK, WORD_IN}, PLACE_DARK_NOOK),
        // The squeeze word carries the player off to the drum chamber; the
        // ring stays behind.
        group({PLACE_FAR_END_OF_SQUEEZE}),
            group(object_carried(OBJ_RING)),
                put_here(OBJ_RING),
                tell(2073),
            end(),
            forced(PLACE_DRUM_CHAMBER),
        end(),
        step({WORD_WEST, WORD_OUT, WORD_PASSAGE, PLACE_SQUEEZE}, squeeze_back),
    end(),
    mark({PLACE_LAKESIDE_CHAMBER, WORD_TUNNEL, PLACE_CORRIDOR}),
};

// Place 288: dark nook.
constexpr row DARK_NOOK[] = {
    call(p185, ref(OBJ_SCRATCHES)),
    group({WORD_STONE, OBJ_SCRATCHES, OBJ_GLYPHS, OBJ_SIGN, OBJ_CARVING, OBJ_LETTERING, WORD_LABEL}),
        reply({WORD_PULL, WORD_TAKE, WORD_SNUFF}, 1885, arg_of(OBJ_SCRATCHES)),
        reply({WORD_READ, WORD_LOOK}, 1494),
        reply(2037, arg_of(OBJ_SCRATCHES)),
    end(),
    look(),
        reply({WORD_LIGHT, PLACE_CORRIDOR}, 2921, arg_of(PLACE_CORRIDOR)),
        reply({WORD_NOOK}, 2033, arg(WORD_NOOK)),
        reply({PLACE_SQUEEZE}, 3509, arg_of(VAR_ARG2)),
        reply({PLACE_GLOW_END}, 3511, arg(3)),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTH, WORD_OUT, PLACE_CORRIDOR, PLACE_FAR_END_OF_SQUEEZE}, PLACE_FAR_END_OF_SQUEEZE),
        forced_if(all({WORD_GO, WORD_LIGHT}), PLACE_FAR_END_OF_SQUEEZE),
    end(),
    mark({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR, WORD_NOOK}),
};

// Place 289: rift ledge.
constexpr row RIFT_LEDGE[] = {
    look(),
        reply({WORD_DOWN}, 2478, arg(1)),
        reply({PLACE_CEILING, WORD_UP}, 2019, arg(5)),
        reply({OBJ_RIFT}, 2479),
        reply({WORD_ECHO}, 1359),
        reply({PLACE_PATH, WORD_LEDGE}, 2973),
        let({PLACE_BURROW}, VAR_COMMAND_STATUS, 1),
        reply({PLACE_SQUEEZE, PLACE_WINDOW_JUNCTION}, 3509, arg_of(VAR_ARG2)),
        ret(),
    end(),
    when([] { return cond(keyword(WORD_CLIMB, OBJ_RIFT, -1)).OR(anyof(WORD_JUMP, WORD_DOWN, -1)); },
         let(VAR_COMMAND_STATUS, 1)),
    moving(),
        group({WORD_JUMP}),
            forced_on(PLACE_BURROW),
            call(p803),
        end(),
        go({WORD_SOUTH, PLACE_SLIMY_JUNCTION}, PLACE_SLIMY_JUNCTION),
        go({WORD_WEST}, PLACE_SQUEEZE),
        reply({PLACE_BURROW}, 1425),
        reply({OBJ_RIFT}, 2972),
        call({PLACE_PATH}, p329, ref(PLACE_SQUEEZE), ref(WORD_WEST), ref(PLACE_SLIMY_JUNCTION), ref(WORD_EAST)),
    end(),
    land(PLACE_BURROW, 1677),
    mark({PLACE_CEILING, WORD_ECHO, OBJ_RIFT, PLACE_PATH, PLACE_BURROW, WORD_LEDGE}),
};

// --- The walkway, the narrows, the steep passage and the sump --------------

// Place 290: walkway.
constexpr row WALKWAY[] = {
    look(),
        let({WORD_HALL, PLACE_WALKWAY, WORD_ARCH}, VAR_COMMAND_STATUS, 1),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2902, arg(WORD_PASSAGE)),
        reply({WORD_LEDGE}, 2750),
        reply({WORD_DOWN}, 2478, arg(1)),
        reply({WORD_BRINK, WORD_SAND}, 3511, arg(4)),
        reply({PLACE_NARROWS}, 3509, arg_of(VAR_ARG2)),
        ret(),
    end(),
    reply(all({WORD_TAKE, WORD_LEDGE}), 2760),
    moving(),
        go({WORD_DOWN, WORD_SOUTHEAST, PLACE_NARROWS}, PLACE_NARROWS),
        go({WORD_EAST, WORD_UP}, PLACE_GULF_EDGE),
        call({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, p329, ref(PLACE_NARROWS), ref(WORD_SOUTHEAST),
             ref(PLACE_GULF_EDGE), ref(WORD_EAST)),
        reply({PLACE_WALKWAY, WORD_HALL}, 1425),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR, PLACE_WALKWAY, WORD_HALL, WORD_ARCH, WORD_LEDGE}),
};

// Place 291: narrows.
constexpr row NARROWS[] = {
    look(),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2902, arg(WORD_PASSAGE)),
        reply({WORD_STONE, WORD_ROCK, WORD_WALL, WORD_FLOOR}, 2944),
        reply({PLACE_NARROWS}, 2945),
        reply({PLACE_WALKWAY, PLACE_UNDERCUT}, 3509, arg_of(VAR_ARG2)),
        ret(),
    end(),
    moving(),
        go({WORD_UP, WORD_WEST, WORD_HALL}, PLACE_WALKWAY),
        go({WORD_DOWN, PLACE_CORRIDOR}, PLACE_STEEP_PASSAGE),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2904, arg(WORD_PASSAGE)),
        // The way to the undercut is too tight for the coffer.
        group({WORD_SOUTH, PLACE_UNDERCUT}),
            when(object_carried(OBJ_COFFER), reply(1411, arg_of(OBJ_COFFER))),
            when(object_carried(OBJ_CASKET), reply(1411, arg_of(OBJ_CASKET))),
            forced(PLACE_UNDERCUT),
        end(),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR, WORD_STONE, PLACE_NARROWS, WORD_ROCK, WORD_WALL, WORD_FLOOR}),
};

// Place 292: steep passage.
constexpr row STEEP_PASSAGE[] = {
    look(),
        let({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, VAR_COMMAND_STATUS, 1),
        reply({WORD_WALL}, 2911),
        reply({PLACE_NARROWS}, 3509, arg_of(VAR_ARG2)),
        reply({WORD_HOLLOW}, 3531, arg(0)),
        ret(),
    end(),
    moving(),
        go({WORD_UP, PLACE_NARROWS}, PLACE_NARROWS),
        go({WORD_DOWN, WORD_HOLLOW}, PLACE_SUMP),
        call({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, p329, ref(PLACE_NARROWS), ref(WORD_UP), ref(PLACE_SUMP),
             ref(WORD_DOWN)),
    end(),
    mark({WORD_WALL, PLACE_CORRIDOR}),
};

// Place 293: sump.
constexpr row SUMP[] = {
    // The sump is where the player stands.
    look(),
        let({WORD_HOLLOW}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        go({WORD_UP, WORD_OUT, PLACE_CORRIDOR}, PLACE_STEEP_PASSAGE),
        go({PLACE_NARROWS}, PLACE_NARROWS),
    end(),
    mark({WORD_TUNNEL, PLACE_CORRIDOR, WORD_PASSAGE}),
};

// --- The five ways and the clinging chamber ----------------------------------

// Place 294: five ways.
constexpr row FIVE_WAYS[] = {
    call(p185, ref(WORD_INSCRIPTION)),
    call(p297, ref(1870), ref(WORD_INSCRIPTION)),
    look(),
        let({PLACE_FIVE_WAYS}, VAR_COMMAND_STATUS, 1),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2902, arg(WORD_PASSAGE)),
        reply({WORD_MURAL}, 2961),
        ret(),
    end(),
    moving(),
        go({WORD_NORTHEAST}, PLACE_NARROW_ENTRY),
        go({WORD_SOUTH}, PLACE_LADDER_HALL),
        go({WORD_UP}, PLACE_UNDERCUT),
        go({WORD_WEST}, PLACE_RIDDLED_CAVERN),
        go({WORD_EAST}, PLACE_CLINGING_CHAMBER),
        reply({PLACE_FIVE_WAYS}, 1425),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2904, arg(WORD_PASSAGE)),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR, PLACE_FIVE_WAYS, WORD_MURAL}),
};

// The chance in percent that the clinging chamber holds on to a player
// trying to leave; it falls by 5 with each hold and starts again at 65.

// Place 295: clinging chamber.
constexpr row CLINGING_CHAMBER[] = {
    when(value_at_most(VAR_HOLD_CHANCE, 0), let(VAR_HOLD_CHANCE, 65)),
    look(),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2902, arg(WORD_PASSAGE)),
        reply({WORD_OPENING}, 3511, arg(5)),
        ret(),
    end(),
    moving(),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2904, arg(WORD_PASSAGE)),
        forced_if({WORD_WEST}, PLACE_CLINGING_CHAMBER),
        group({WORD_NORTH, WORD_SOUTH, WORD_EAST, WORD_UP, WORD_DOWN, WORD_NORTHEAST, WORD_NORTHWEST, WORD_SOUTHEAST, WORD_SOUTHWEST}),
            first(),
                group([] { return cond(irand(100) < value[VAR_HOLD_CHANCE]); }),
                    add(VAR_HOLD_CHANCE, -5),
                    forced(PLACE_CLINGING_CHAMBER),
                end(),
                forced(PLACE_FIVE_WAYS),
            end(),
        end(),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}),
};

// --- The shaft bottom, the slide top and the lake ----------------------------

// Place 296: shaft bottom.
constexpr row SHAFT_BOTTOM[] = {
    look(),
        let({PLACE_CLEFT}, VAR_COMMAND_STATUS, 1),
        reply({OBJ_PANE}, 2940),
        reply({WORD_WINDOW, WORD_STAIRWELL}, 2592),
        reply({WORD_ECHO}, 1359),
        when(object_not_near(OBJ_LIQUID_1), reply({OBJ_LIQUID_1}, 3509, arg_of(VAR_ARG2))),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTH}, PLACE_UPPER_JUNCTION),
        go({WORD_NORTH, WORD_ECHO, PLACE_FAR_SHORE}, PLACE_FAR_SHORE),
        call({PLACE_CLEFT}, p329, ref(PLACE_FAR_SHORE), ref(WORD_NORTH), ref(PLACE_UPPER_JUNCTION), ref(WORD_SOUTH)),
    end(),
    reply({OBJ_PANE, WORD_WINDOW}, 1437, arg_of(OBJ_PANE)),
    mark({PLACE_CLEFT, WORD_ECHO, WORD_STAIRWELL}),
};

// Place 297: slide top.
constexpr row SLIDE_TOP[] = {
    look(),
        reply({WORD_FLOOR}, 2952, arg(WORD_FLOOR)),
        reply({PLACE_CEILING, PLACE_WELL_HEAD}, 3127),
        reply({OBJ_CHUTE}, 3126),
        reply({WORD_BRINK}, 3511, arg(6)),
        let({PLACE_SLIDE}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    when([] { return cond(anyof(WORD_JUMP, WORD_CLIMB,
                                -1)).AND(cond(anyof(WORD_DOWN, OBJ_CHUTE, -1)).OR(words() == 1)); },
         forced(PLACE_WARREN_232)),
    moving(),
        go({WORD_NORTH}, PLACE_SLIDE_JUNCTION),
        // Down the chute: it drops the player into the warren, one of
        // three cells.
        group({WORD_DOWN, OBJ_CHUTE}),
            first(),
                group([] { return cond(irand(100) < 67); }),
                    first(),
                        when([] { return cond(irand(100) < 50); }, forced(PLACE_WARREN_235)),
                        forced(PLACE_WARREN_230),
                    end(),
                end(),
                forced(PLACE_WARREN_232),
            end(),
        end(),
    end(),
    mark({OBJ_CHUTE}),
    land(PLACE_WARREN_235, 1674),
};

// Into the water or the lake from either shore: the lake is too cold.
cond_fold into_the_lake() {
    return cond(anyof(WORD_IN, WORD_SWIM, WORD_CROSS, -1)).AND(anyof(OBJ_LIQUID_1, PLACE_FAR_SHORE, -1));
}

// Place 298: far shore.
constexpr row FAR_SHORE[] = {
    look(),
        reply({WORD_HOLE, WORD_STREAM}, 2947),
        reply({WORD_ECHO}, 1359),
        reply({PLACE_FAR_SHORE}, 2948),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2946, arg(0)),
        reply({PLACE_RIM}, 2951, arg_of(PLACE_RIM)),
        reply({WORD_SHORE}, 2949),
        reply({WORD_GULLY}, 3509, arg_of(VAR_ARG2)),
        ret(),
    end(),
    when(into_the_lake, let(VAR_COMMAND_STATUS, 1)),
    moving(),
        reply({WORD_CROSS, OBJ_LIQUID_1, PLACE_FAR_SHORE, WORD_STREAM, WORD_HOLE, WORD_NORTH, WORD_SWIM}, 1640),
        go({WORD_SOUTH, OBJ_PANE, WORD_PASSAGE}, PLACE_SHAFT_BOTTOM),
        go({WORD_WEST, PLACE_RIM}, PLACE_RIM),
    end(),
    mark_name({WORD_HOLE, WORD_STREAM, WORD_ECHO, PLACE_RIM}),
    mark({PLACE_FAR_SHORE, WORD_PASSAGE, WORD_SHORE}),
    land(PLACE_GONE, 1685),
};

// Place 299: near shore.
constexpr row NEAR_SHORE[] = {
    look(),
        reply({WORD_HOLE, WORD_STREAM}, 2947),
        reply({WORD_ECHO}, 1359),
        reply({PLACE_FAR_SHORE}, 2948),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2946, arg(1)),
        reply({PLACE_ROAD, WORD_FLOOR, WORD_SHORE}, 2949),
        ret(),
    end(),
    group({OBJ_GONG}),
        reply({WORD_TAKE}, 2600, arg_of(OBJ_GONG)),
        call_word({OBJ_JEWEL}, WORD_STRIKE),
    end(),
    when(has_word(WORD_READ).AND(object_near(OBJ_FERRY)),
         reply({OBJ_CARVING, OBJ_LETTERING, WORD_BACK, OBJ_FERRY}, 3474)),
    when(into_the_lake, let(VAR_COMMAND_STATUS, 1)),
    moving(),
        go({WORD_NORTH, WORD_PASSAGE}, PLACE_LAKESIDE_CHAMBER),
        go({PLACE_TABLET_ALCOVE}, PLACE_TABLET_ALCOVE),
        reply({WORD_SWIM, PLACE_ROAD}, 1640),
        // Across the lake only on the ferry, which does not come back.
        group({OBJ_LIQUID_1, PLACE_FAR_SHORE, WORD_SOUTH, WORD_CROSS}),
            first(),
                group(object_near(OBJ_FERRY)),
                    put(OBJ_FERRY, PLACE_OFFSTAGE),
                    forced(PLACE_FAR_SHORE, 1641),
                end(),
                reply(1640),
            end(),
        end(),
    end(),
    mark({WORD_HOLE, WORD_STREAM, PLACE_FAR_SHORE, WORD_ECHO, PLACE_ROAD, WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR,
          WORD_SHORE}),
    land(PLACE_GONE, 1685),
};

// Place 300: lakeside chamber.
constexpr row LAKESIDE_CHAMBER[] = {
    look(),
        reply({WORD_ECHO}, 1359),
        reply({WORD_WALL}, 2914),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2902, arg(WORD_PASSAGE)),
        let({PLACE_LAKESIDE_CHAMBER}, VAR_COMMAND_STATUS, 1),
        reply({PLACE_FAR_SHORE, WORD_ENTRANCE, WORD_SHORE}, 3511, arg(7)),
        reply({PLACE_TABLET_ALCOVE}, 3509, arg_of(VAR_ARG2)),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTH, PLACE_FAR_SHORE}, PLACE_NEAR_SHORE),
        go({WORD_NORTHEAST, PLACE_TABLET_ALCOVE}, PLACE_TABLET_ALCOVE),
        reply({PLACE_LAKESIDE_CHAMBER}, 1425),
        call({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, p329, ref(PLACE_TABLET_ALCOVE), ref(WORD_NORTHEAST),
             ref(PLACE_NEAR_SHORE), ref(WORD_SOUTH)),
    end(),
    mark({WORD_ECHO, WORD_WALL, WORD_PASSAGE, PLACE_LAKESIDE_CHAMBER}),
};

// Place 301: tablet alcove.
constexpr row TABLET_ALCOVE[] = {
    call(p185, ref(OBJ_TABLET)),
    group({OBJ_TABLET, WORD_LABEL, OBJ_LETTERING, OBJ_CARVING, OBJ_GLYPHS, OBJ_SIGN}),
        reply({WORD_LOOK, WORD_READ}, 2523),
        reply({WORD_TAKE, WORD_PULL, WORD_SNUFF}, 1885, arg_of(OBJ_TABLET)),
        group(word_count(1)),
            set_flag(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_ORPHAN),
            reply(1507, arg_of(OBJ_TABLET)),
        end(),
        reply(1885, arg_of(OBJ_TABLET)),
    end(),
    group({WORD_POOL, PLACE_STREAMBED, WORD_STREAM}),
        reply({WORD_LOOK}, 2593, arg_of(VAR_ARG2)),
        reply(2638),
    end(),
    group([] { return cond(has(WORD_JUMP)).AND(cond(anyof(WORD_DOWN, WORD_IN, -1)).OR(words() == 1)); }),
        forced_on(PLACE_GONE),
        call(p803),
    end(),
    look(),
        let({PLACE_LAKESIDE_CHAMBER}, VAR_COMMAND_STATUS, 1),
        reply({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, 2903, arg(WORD_TUNNEL)),
        reply({PLACE_TABLET_ALCOVE}, 3159),
        reply({WORD_BASALT}, 3160),
        reply({WORD_CUBBY, WORD_WALL}, 3161),
        reply({WORD_LIGHT}, 3531, arg(1)),
        reply({PLACE_GLOW_END}, 3511, arg(2)),
        reply({WORD_DOORWAY}, 3511, arg(8)),
        ret(),
    end(),
    moving(),
        go({WORD_WEST, WORD_OUT, WORD_TUNNEL, WORD_PASSAGE, PLACE_LAKESIDE_CHAMBER}, PLACE_LAKESIDE_CHAMBER),
        go({PLACE_FAR_SHORE}, PLACE_NEAR_SHORE),
        reply({PLACE_TABLET_ALCOVE}, 1425),
    end(),
    mark_name({PLACE_TABLET_ALCOVE, WORD_CUBBY, WORD_WALL, WORD_BASALT}),
    mark({PLACE_LAKESIDE_CHAMBER, WORD_TUNNEL}),
    land(PLACE_GONE, 1674),
};

// --- The exchange grotto (584) ----------------------------------------------

cond_fold offering_not_carried() { return cond(!carried(arg2())); }
cond_fold jar_with_firefly() { return cond(has(OBJ_JAR)).AND(carried(OBJ_FIREFLY)); }
cond_fold sunstone_awake() { return cond(value[OBJ_SUNSTONE] == 1); }
cond_fold offering_scores() { return cond(bitest(evar(VAR_ARG2), OFLAG_SCORING)); }

// What the trader takes goes for good; a vessel goes empty.
int offering_taken() {
    const int obj = arg2();
    apport(obj, PLACE_GONE);
    if (cond(anyof(OBJ_VESSEL_MEDIUM, OBJ_VESSEL_SMALL, OBJ_VESSEL_LARGE, -1))) value[obj] = 2;
    return 0;
}

cond_fold asks_the_trader() {
    return cond(anyof(OBJ_JEWEL, WORD_PULL, -1)).AND(cond(words() == 1).OR(has(OBJ_TRADER)).OR(arg2() == WORD_PULL));
}

// Place 584: exchange grotto.
constexpr row EXCHANGE_GROTTO[] = {
    call(p185, ref(WORD_INSCRIPTION)),
    group({OBJ_GLYPHS, OBJ_SIGN, OBJ_CARVING, WORD_INSCRIPTION, WORD_LABEL, OBJ_LETTERING}),
        reply({WORD_LOOK, WORD_READ}, 2114),
        reply({WORD_TAKE}, 1885, arg_of(OBJ_GLYPHS)),
        mark(),
        ret(),
    end(),
    group(has_word(OBJ_JEWEL).AND(word_count(1))),
        let(VAR_COMMAND_STATUS, 2),
        let_ref(VAR_ARG2, OBJ_TRADER),
    end(),
    group(has_word(OBJ_TRADER).AND(object_not_near(OBJ_TRADER))),
        put_here(OBJ_TRADER),
        add(2069, 1),
        tell(2804),
    end(),
    look(),
        reply({OBJ_ALTAR}, 2068),
        reply({WORD_DIRT}, 3001),
        reply({WORD_ARCH}, 3002),
        let({PLACE_GLINT_GROTTO}, VAR_COMMAND_STATUS, 1),
        reply({WORD_LIGHT}, 3531, arg(2)),
        reply({PLACE_GLOW_END}, 3511, arg(2)),
        ret(),
    end(),
    when([] { return cond(has(WORD_IN)).AND(cond(has(OBJ_ALTAR)).OR(words() == 1)); }, reply(2067)),
    // Something put down: the trader takes it, with a word on what it was.
    group(has_word(WORD_DROP).AND(word_count(2))),
        when(offering_not_carried, reply(1513, arg_of(VAR_ARG2))),
        group({OBJ_CLOTH}),
            put_here(OBJ_TRADER),
            reply(2069),
        end(),
        let_variant(2063, 0),
        first(),
            tell({OBJ_TUSK}, 2057),
            group(jar_with_firefly),
                tell(2058),
                let_variant(2063, 1),
            end(),
            group({OBJ_FIREFLY}),
                put_here(OBJ_FIREFLY),
                let(OBJ_FIREFLY, 0),
                reply(2059),
            end(),
            group({OBJ_SUNSTONE}),
                first(),
                    when(sunstone_awake, tell(2061)),
                    tell(2062),
                end(),
            end(),
            tell({OBJ_URN}, 2060),
            tell(2056, arg_of(VAR_ARG2)),
        end(),
        group(jar_with_firefly),
            put(OBJ_FIREFLY, PLACE_UPPER_CHAMBER),
            let(OBJ_FIREFLY, 0),
        end(),
        group({OBJ_TUSK}),
            set_flag(OBJ_TUSK, OFLAG_SCORING),
        end(),
        first(),
            when(has_any_word({OBJ_PACKET, OBJ_WRAPPER, OBJ_PLAQUE}), let_variant(2051, 2)),
            when(has_any_word({OBJ_URN, OBJ_SHARDS}), let_variant(2051, 0)),
            when([] { return offering_scores().AND(anyof(OBJ_FUSE, OBJ_STATUETTE, OBJ_DAGGER, OBJ_JEWEL, OBJ_ORB,
                                                         OBJ_WATERSKIN, OBJ_SUNSTONE, OBJ_HEADING, OBJ_TORCH, OBJ_SCEPTRE, OBJ_FUNNEL, -1)); },
                 let_variant(2051, 4)),
            when(offering_scores, let_variant(2051, 1)),
            when(has_any_word({OBJ_COFFER, OBJ_WINDER, OBJ_POD}), let_variant(2051, 5)),
            let_variant(2051, 3),
        end(),
        step(offering_taken),
        tell(2064),
        reply(2051),
    end(),
    // The exchange: the fruit for the cloth's worth, once.
    group(asks_the_trader),
        when([] { return cond(!lies_here(OBJ_TRADER)); }, reply(1319, arg_of(OBJ_TRADER))),
        first(),
            group(object_near(OBJ_CLOTH)),
                when([] { return cond(bitest(OBJ_CLOTH, OFLAG_SCORING)); }, reply(2219)),
                first(),
                    when([] { return cond(is_seen(OBJ_MARK_142)); }, tell(2217, arg(1))),
                    otherwise(),
                        set_flag(OBJ_MARK_142, OFLAG_SEEN),
                        tell(2217, arg(0)),
                    end(),
                end(),
                group(object_near(OBJ_FRUIT)),
                    put(OBJ_FRUIT, PLACE_GONE),
                    set_flag(OBJ_CLOTH, OFLAG_SCORING),
                    let_variant(3224, 1),
                    let_variant(3231, 1),
                    first(),
                        when([] { return cond(bitest(OBJ_CLOTH, 13)); }, reply(2218, arg(1))),
                        reply(2218, arg(0)),
                    end(),
                end(),
                reply(2220),
            end(),
            reply(2216, arg(1)),
        end(),
    end(),
    moving(),
        go({WORD_NORTH, WORD_OUT}, PLACE_ARCH_JUNCTION),
    end(),
    mark({OBJ_GLYPHS, OBJ_SIGN, OBJ_CARVING, WORD_INSCRIPTION, WORD_LABEL, OBJ_LETTERING, OBJ_ALTAR, OBJ_TRADER}),
};

}  // namespace

int p217() { return run<HOLE_JUNCTION>(); }
int p76() { return run<PIT_TOP>(); }
int p815() { return run<STREAM_SINK>(); }
int p244() { return run<HOLE_PASSAGE>(); }
int p151() { return run<UNDERCUT>(); }
int p56() { return run<RIDDLED_CAVERN>(); }
int p824() { return run<TILTED_JUNCTION>(); }
int p778() { return run<CROSSWAY>(); }
int p761() { return run<UPPER_JUNCTION>(); }
int p762() { return run<SLIDE_JUNCTION>(); }
int p508() { return run<WINDOW_JUNCTION>(); }
int p543() { return run<CRAWL_CROSSING>(); }
int p181() { return run<END_OF_THE_CROSSING>(); }
int p758() { return run<SENTINEL_APPROACH>(); }
int p933() { return run<NARROW_PASSAGE>(); }
int p851() { return run<BLIND_POCKET>(); }
int p827() { return run<ARCH_JUNCTION>(); }
int p182() { return run<SCRAWLED_CORNER>(); }
int p610() { return run<TOP_OF_THE_PLANT>(); }
int p480() { return run<SLIDE>(); }
int p382() { return run<WRITING_JUNCTION>(); }
int p470() { return run<IRON_DOOR>(); }
int p118() { return run<BURROW>(); }
int p786() { return run<GLINT_GROTTO>(); }
int p653() { return run<SLIMY_JUNCTION>(); }
int p25() { return run<SQUEEZE>(); }
int p681() { return run<FAR_END_OF_THE_SQUEEZE>(); }
int p174() { return run<DARK_NOOK>(); }
int p605() { return run<RIFT_LEDGE>(); }
int p29() { return run<WALKWAY>(); }
int p773() { return run<NARROWS>(); }
int p696() { return run<STEEP_PASSAGE>(); }
int p167() { return run<SUMP>(); }
int p27() { return run<FIVE_WAYS>(); }
int p937() { return run<CLINGING_CHAMBER>(); }
int p601() { return run<SHAFT_BOTTOM>(); }
int p856() { return run<SLIDE_TOP>(); }
int p710() { return run<FAR_SHORE>(); }
int p711() { return run<NEAR_SHORE>(); }
int p732() { return run<LAKESIDE_CHAMBER>(); }
int p40() { return run<TABLET_ALCOVE>(); }
int p882() { return run<EXCHANGE_GROTTO>(); }
