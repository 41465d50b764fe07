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
        reply({988}, 2932),
        ret(),
    end(),
    let(all({WORD_UP, WORD_HOLE}), VAR_COMMAND_STATUS, 1),
    moving(),
        go({WORD_EAST, WORD_CRAWL}, 258),
        go({WORD_UP, WORD_HOLE}, 219),
        go({WORD_WEST, WORD_PASSAGE}, 260),
        go({266}, 266),
    end(),
    mark({WORD_CRAWL, WORD_PASSAGE, WORD_HOLE, 988}),
};

// Place 258: pit top.
constexpr row PIT_TOP[] = {
    look(),
        let({258}, VAR_COMMAND_STATUS, 1),
        reply({WORD_DOWN, 209}, 2918),
        reply({WORD_CRAWL}, 2903, arg(900)),
        ret(),
    end(),
    when(has_word(WORD_CLIMB).AND(has_any_word({209, WORD_DOWN})), let(VAR_COMMAND_STATUS, 1)),
    moving(),
        go({WORD_WEST, WORD_CRAWL}, 257),
        go({WORD_DOWN, WORD_CLIMB, 209}, 259),
    end(),
    mark({258, 209, WORD_CRAWL}),
    land(259, 1671),
};

// Place 259: stream sink.
constexpr row STREAM_SINK[] = {
    reply({202, 952}, 2601),
    ret(all({WORD_CONSUME_LIQUID, WORD_STREAM})),
    look(),
        reply({WORD_STREAM}, 2165, arg(899)),
        ret(),
    end(),
    let({WORD_CROSS, WORD_STREAM, WORD_CLIMB, WORD_OUT}, VAR_COMMAND_STATUS, 1),
    moving(),
        go({WORD_UP, WORD_OUT, WORD_CLIMB}, 258),
        reply({WORD_STREAM, WORD_DOWN, 849, 850}, 2601),
        reply({WORD_CROSS}, 1968),
    end(),
};

// Place 260: hole passage.
constexpr row HOLE_PASSAGE[] = {
    look(),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2903, arg(897)),
        reply({WORD_HOLE, WORD_DOWN}, 2478, arg(0)),
        reply({992, WORD_ROCK}, 2929),
        reply({WORD_CRACK}, 2930),
        ret(),
    end(),
    group([] { return cond(keyword(WORD_DOWN, WORD_HOLE, -1)).OR(has(WORD_GO)).OR(words() == 1); }),
        go({WORD_EAST, WORD_PASSAGE}, 257),
        go({WORD_DOWN, WORD_HOLE}, 261),
        go({266}, 266),
        reply({WORD_CRACK}, 2930),
    end(),
    mark({992, WORD_ROCK, WORD_HOLE, WORD_PASSAGE, WORD_CRACK}),
    land(261, 1673),
};

// Place 261: undercut.
constexpr row UNDERCUT[] = {
    look(),
        reply({WORD_CRAWL}, 2903, arg(900)),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2902, arg(897)),
        reply({WORD_UP}, 2479),
        ret(),
    end(),
    let(all({WORD_CLIMB, WORD_UP}), VAR_COMMAND_STATUS, 1),
    moving(),
        go({WORD_UP, WORD_CLIMB}, 260),
        go({WORD_WEST, 266}, 266),
        go({WORD_NORTH, 291}, 291),
        go({WORD_EAST, WORD_CRAWL}, 294),
        call({WORD_TUNNEL, WORD_PASSAGE, 308}, p329, ref(266), ref(751), ref(291), ref(745)),
    end(),
    mark({WORD_CRAWL, WORD_PASSAGE}),
};

// "Hole" in the riddled cavern: one of its four ways, drawn.
int riddled_hole() {
    static constexpr int ways[] = {745, 749, 754, 755};
    hold_ref(VAR_ARG1, ways[irand(4)]);
    return 0;
}

// Place 266: riddled cavern.
constexpr row RIDDLED_CAVERN[] = {
    look(),
        let({266}, VAR_COMMAND_STATUS, 1),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2902, arg(897)),
        reply({WORD_HOLE, WORD_DOWN}, 2934, arg(0)),
        ret(),
    end(),
    when(has_word(WORD_CLIMB).AND(has_any_word({WORD_UP, WORD_HOLE})), let(VAR_COMMAND_STATUS, 1)),
    moving(),
        go({WORD_EAST}, 261),
        go({WORD_WEST}, 267),
        go({268}, 268),
        reply({266}, 1425),
        call({WORD_TUNNEL, WORD_PASSAGE, 308}, p329, ref(267), ref(751), ref(261), ref(747)),
        group({WORD_NORTHWEST}),
            first(),
                when([] { return cond(irand(100) < 50); }, reply(1345)),
                forced(285),
            end(),
        end(),
        step({WORD_HOLE}, riddled_hole),
        // Two tries in three the holes turn the player back; past them,
        // down is always the five ways, and the other three lead to one of
        // two places, drawn anew each time.
        group({WORD_NORTH, WORD_SOUTH, WORD_UP, WORD_DOWN}),
            first(),
                when([] { return cond(irand(100) < 65); }, reply(1417)),
                go({WORD_DOWN}, 294),
                group([] { return cond(irand(100) < 75); }),
                    go({WORD_NORTH}, 272),
                    go({WORD_UP}, 260),
                    go({WORD_SOUTH}, 268),
                end(),
                otherwise(),
                    go({WORD_NORTH}, 271),
                    go({WORD_UP}, 270),
                    go({WORD_SOUTH}, 277),
                end(),
            end(),
        end(),
    end(),
    mark({266, WORD_PASSAGE, WORD_HOLE}),
};

// "Hole" at the tilted junction: the cleft, or south, or nowhere.
int tilted_hole() {
    const int d = irand(5);
    if (cond(d == 0))
        hold_ref(VAR_ARG1, 207);
    else if (cond(d == 1))
        hold_ref(VAR_ARG1, 749);
    else
        say_stop(1345);
    return 0;
}

// Place 267: tilted junction.
constexpr row TILTED_JUNCTION[] = {
    look(),
        reply({1133}, 2584),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2902, arg(897)),
        reply({WORD_WALL, WORD_HOLE}, 2934, arg(1)),
        ret(),
    end(),
    let(all({WORD_CLIMB, WORD_HOLE}), VAR_COMMAND_STATUS, 1),
    moving(),
        step({WORD_HOLE}, tilted_hole),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308, WORD_OUT}, 2904, arg(897)),
        go({WORD_NORTHEAST}, 266),
        go({WORD_WEST}, 216),
        go({207}, 277),
        go({WORD_EAST, 284}, 284),
        go({WORD_NORTHWEST, 285}, 285),
        group({WORD_SOUTH}),
            first(),
                when([] { return cond(irand(100) < 33); }, go({WORD_SOUTH}, 277)),
                reply(1345),
            end(),
        end(),
    end(),
    mark({1133, WORD_PASSAGE, WORD_WALL, WORD_HOLE}),
};

// Place 268: crossway.
constexpr row CROSSWAY[] = {
    look(),
        let({300}, VAR_COMMAND_STATUS, 1),
        reply({268}, 2138),
        reply({376, WORD_UP}, 2019, arg(2)),
        reply({WORD_HOLE}, 2479),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2902, arg(897)),
        reply({WORD_WALL}, 2975),
        reply({1132}, 2974),
        ret(),
    end(),
    when([] { return cond(cond(anyof(WORD_CLIMB, WORD_UP, -1)).AND(anyof(WORD_HOLE, WORD_WALL, -1))).OR(keyword(WORD_CLIMB, WORD_UP, -1)); },
         let(VAR_COMMAND_STATUS, 1)),
    moving(),
        go({WORD_SOUTH}, 215),
        go({WORD_UP, WORD_CLIMB}, 269),
        go({WORD_NORTH, 266}, 266),
        reply({WORD_EAST, WORD_WEST, 1132}, 2974),
        reply({268}, 1425),
        call({WORD_TUNNEL, WORD_PASSAGE, 308}, p329, ref(266), ref(745), ref(215), ref(749)),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, 308, 376, WORD_HOLE, 1132, 1131, WORD_WALL, 268}),
};

// Place 269: upper junction.
// The upper and the slide junction: looking along the cleft takes the
// player through it.
constexpr row UPPER_JUNCTION[] = {
    look(),
        let({207}, VAR_COMMAND_STATUS, 1),
        reply({WORD_DOWN}, 2478, arg(0)),
    end(),
    let(all({WORD_CLIMB, WORD_DOWN}), VAR_COMMAND_STATUS, 1),
    moving(),
        go({WORD_DOWN, 268}, 268),
        go({WORD_NORTH, 12}, 296),
        go({298}, 298),
        go({WORD_SOUTH}, 306),
        call({207}, p329, ref(296), ref(745), ref(306), ref(749)),
    end(),
    mark({207}),
    land(268, 1674),
};

// Place 270: slide junction.
constexpr row SLIDE_JUNCTION[] = {
    look(),
        let({207}, VAR_COMMAND_STATUS, 1),
        reply({WORD_DOWN, WORD_PASSAGE}, 2478, arg(0)),
    end(),
    let(all({WORD_CLIMB, WORD_DOWN}), VAR_COMMAND_STATUS, 1),
    moving(),
        go({WORD_NORTH}, 271),
        go({WORD_DOWN, WORD_PASSAGE}, 266),
        go({WORD_SOUTH}, 297),
        call({207}, p329, ref(271), ref(745), ref(297), ref(749)),
    end(),
    mark({207, WORD_PASSAGE}),
    land(266, 1674),
};

// Place 271: window junction.
constexpr row WINDOW_JUNCTION[] = {
    clear_flag(225, PFLAG_CREATURE_FREE),
    look(),
        let({271}, VAR_COMMAND_STATUS, 1),
        reply({207}, 2902, arg_of(207)),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTHEAST}, 266),
        go({WORD_SOUTH}, 270),
        go({WORD_NORTH}, 225),
        reply({207}, 2904, arg_of(207)),
        reply({271}, 1425),
    end(),
    mark({207}),
};

// Place 272: crawl crossing.
constexpr row CRAWL_CROSSING[] = {
    look(),
        reply({WORD_CRAWL}, 2902, arg(900)),
        ret(),
    end(),
    moving(),
        go({266}, 266),
        go({WORD_SOUTHWEST}, 305),
        go({WORD_NORTH}, 273),
        go({WORD_SOUTHEAST, 285}, 285),
        reply({WORD_CRAWL}, 2904, arg(900)),
    end(),
    mark({WORD_CRAWL}),
};

// Place 273: end of the crossing.
constexpr row END_OF_THE_CROSSING[] = {
    moving(),
        go({WORD_SOUTH, WORD_OUT, WORD_CRAWL}, 272),
    end(),
};

// --- The sentinel approach and the cleft to the arch junction ---------------

cond_fold sentinel_still() { return cond(value[21] == 0); }
cond_fold sentinel_stirred() { return cond(value[21] != 0); }

// Place 274: sentinel approach.
constexpr row SENTINEL_APPROACH[] = {
    look(),
        let({207}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    let(all({WORD_CLIMB, WORD_DOWN}), VAR_COMMAND_STATUS, 1),
    moving(),
        go({WORD_EAST}, 214),
        go({WORD_DOWN}, 275),
        when(sentinel_still, forced_if({WORD_WEST}, 307)),
        when(sentinel_stirred, forced_if({WORD_WEST}, 306)),
        when(sentinel_still, call({207}, p329, ref(307), ref(751), ref(214), ref(747))),
        when(sentinel_stirred, call({207}, p329, ref(306), ref(751), ref(214), ref(747))),
    end(),
    mark({207}),
    land(275, 1675),
};

// Place 275: narrow passage.
constexpr row NARROW_PASSAGE[] = {
    look(),
        let({207}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTH}, 276),
        go({WORD_NORTH}, 277),
        call({207}, p329, ref(276), ref(749), ref(277), ref(745)),
    end(),
    mark({207}),
};

// Place 276: blind pocket.
constexpr row BLIND_POCKET[] = {
    group(all({WORD_LOOK, 207})),
        let(VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        go({WORD_OUT, WORD_NORTH, 207}, 275),
    end(),
    mark({207}),
};

// Place 277: arch junction.
constexpr row ARCH_JUNCTION[] = {
    look(),
        let({207}, VAR_COMMAND_STATUS, 1),
        reply({WORD_CRAWL}, 2903, arg(900)),
        reply({WORD_IN, 1054, WORD_LIGHT, 895}, 1383),
        ret(),
    end(),
    moving(),
        go({WORD_EAST}, 275),
        go({WORD_WEST}, 278),
        go({WORD_NORTH, WORD_CRAWL}, 267),
        go({WORD_SOUTH, WORD_IN, 1054}, 584),
        forced_if(all({WORD_GO, WORD_LIGHT}), 584),
        call({207}, p329, ref(278), ref(751), ref(275), ref(747)),
    end(),
    mark({207, WORD_CRAWL, 895, 1054}),
};

// Place 278: scrawled corner.
constexpr row SCRAWLED_CORNER[] = {
    call(p185, ref(1018)),
    group({1018, 74, 134, 30, 129}),
        reply({WORD_LOOK, 798}, 3122),
        mark(),
        ret(),
    end(),
    look(),
        reply({1132}, 3123),
        ret(),
    end(),
    reply({WORD_CLIMB}, 2464),
    moving(),
        go({WORD_SOUTH, WORD_OUT}, 277),
    end(),
    mark({1132, 1131}),
};

// --- The top of the plant, the slide, the writing junction -----------------

// Here the movement block also takes "climb down".
cond_fold moving_or_climbing_down() {
    return cond(has(WORD_GO)).OR(words() == 1).OR(keyword(WORD_CLIMB, WORD_DOWN, -1));
}

// Place 279: top of the plant.
constexpr row TOP_OF_THE_PLANT[] = {
    let_variant(2847, 1),
    reply({922}, 2380, arg(922)),
    look(),
        reply({13, 922, WORD_HOLE, WORD_DOWN}, 2917),
        reply({WORD_TUNNEL, WORD_PASSAGE, 308}, 2903, arg_of(308)),
        ret(),
    end(),
    group({762}),
        forced_on(218),
        call(p803),
    end(),
    group(moving_or_climbing_down),
        go({WORD_EAST, 13, WORD_DOWN, WORD_CLIMB, WORD_HOLE}, 218),
        go({WORD_WEST, 308}, 281),
    end(),
    mark({WORD_TUNNEL, WORD_PASSAGE, 308, 13, 922, WORD_HOLE}),
};

// Place 280: slide.
constexpr row SLIDE[] = {
    look(),
        reply({WORD_DOWN}, 2478, arg(0)),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2903, arg(897)),
        reply({280}, 2915),
        ret(),
    end(),
    group(moving_or_climbing_down),
        go({WORD_NORTH, 283, WORD_PASSAGE}, 283),
        go({WORD_DOWN, WORD_CLIMB, 280}, 272, 1589),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, 308, 280}),
    land(272, 1674),
};

// Place 281: writing junction.
constexpr row WRITING_JUNCTION[] = {
    call(p185, ref(74)),
    when(has_any_word({74, 134, 129, 30, 1018}).AND(has_any_word({798, WORD_LOOK})), reply(2916)),
    look(),
        reply({376, WORD_UP}, 2019, arg(3)),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2902, arg(897)),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTH, 308}, 279),
        go({WORD_EAST}, 384),
        go({WORD_NORTH}, 282),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2904, arg(897)),
    end(),
    mark({376, 134, 129, 30, 74, 1018, WORD_TUNNEL, WORD_PASSAGE, 308}),
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
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2903, arg(897)),
        ret(),
    end(),
    let(VAR_VESSEL, 0),
    group({8}),
        call({OBJ_LIQUID_2}, p634),
        call({OBJ_LIQUID_1}, p904),
    end(),
    group({787}),
        call({OBJ_LIQUID_2}, p634),
        group(word_count(1)),
            let(VAR_VESSEL, 0),
            call(p321, num(0)),
            when(vessel_chosen, call(p904)),
            call(p320, num(0)),
            when(vessel_chosen, call(p634)),
        end(),
    end(),
    group(has_word(804).AND(has_any_word({OBJ_VESSEL_SMALL, OBJ_VESSEL_MEDIUM, OBJ_VESSEL_LARGE}))),
        step(empty_vessel_at_the_door),
    end(),
    moving(),
        go({WORD_SOUTH, WORD_PASSAGE}, 281),
        group({WORD_NORTH, WORD_IN, 283, 8}),
            first(),
                when(value_is(8, 0), reply(1404)),
                forced(283),
            end(),
        end(),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, 308}),
};

// Across the pool to the near shore: at once once the shore has been
// reached before, else after the question of what is to be left behind.
int cross_to_the_near_shore() {
    if (cond(is_visited(299))) {
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
        reply({575}, 2641, arg(1)),
        reply({WORD_STREAM}, 2641, arg(0)),
        reply({962, WORD_DOWN}, 2641, arg(2)),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2902, arg(897)),
        reply({WORD_HOLE}, 2939),
    end(),
    land(PLACE_GONE, 1676),
    when(has_any_word({762, WORD_GO, WORD_IN}).AND(has_any_word({WORD_DOWN, 962})), let(VAR_COMMAND_STATUS, 1)),
    when(has_word(762).AND(has_any_word({WORD_DOWN, WORD_IN})), let(VAR_COMMAND_STATUS, 1)),
    moving(),
        go({WORD_SOUTH, WORD_OUT}, 282),
        go({WORD_WEST, 280}, 280),
        call({WORD_TUNNEL, WORD_PASSAGE, 308}, p329, ref(282), ref(749), ref(280), ref(751)),
        step({762, WORD_DOWN, 962, WORD_HOLE}, cross_to_the_near_shore),
    end(),
    mark_name({575}),
    mark({WORD_PASSAGE, WORD_HOLE, WORD_STREAM, 962}),
};

// --- The glint grotto and the slimy junction ---------------------------------

// Place 284: glint grotto.
constexpr row GLINT_GROTTO[] = {
    // "Cloth" here, with no cloth near, is the vein's glint.
    when(has_word(63).AND(object_not_near(63)), rewrite(63, 41)),
    look(),
        reply({376, WORD_UP}, 2019, arg(4)),
        reply({WORD_WALL, 1014}, 2093),
        reply({1127, 41}, 2037, arg_of(VAR_ARG2)),
        ret(),
    end(),
    moving(),
        go({WORD_EAST}, 512),
        go({WORD_SOUTHEAST}, 461),
        go({WORD_WEST, WORD_OUT, 267}, 267),
        reply({WORD_NORTH, WORD_SOUTH, WORD_SOUTHWEST, WORD_NORTHWEST, WORD_NORTHEAST}, 1719),
    end(),
    mark({41, 1127, 1014}),
};

// Place 285: slimy junction.
constexpr row SLIMY_JUNCTION[] = {
    reply({WORD_WALL, 929}, 1282),
    look(),
        reply({WORD_CRAWL, WORD_PASSAGE}, 2903, arg_of(VAR_ARG2)),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTHEAST}, 267),
        go({WORD_WEST, WORD_CRAWL}, 272),
        go({WORD_NORTH, WORD_PASSAGE, WORD_UP, 283}, 289),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, 308, WORD_CRAWL}),
};

// --- The squeeze (286, 287), the dark nook and the rift ledge ---------------

// Through the squeeze to the other end: only with empty hands, or with
// nothing but the ring, the journal and things too slight to count.
void squeeze_through(int other) {
    int count = value[VAR_CARRIED_COUNT];
    if (cond(carried(58))) count--;
    if (cond(carried(61))) count--;
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
    squeeze_through(287);
    return 0;
}
int squeeze_back() {
    squeeze_through(286);
    return 0;
}

// Place 286: squeeze.
constexpr row SQUEEZE[] = {
    look(),
        let({286}, VAR_COMMAND_STATUS, 1),
        reply({WORD_TUNNEL, WORD_PASSAGE, 308, WORD_LIGHT}, 2921, arg(898)),
        reply({538}, 2922),
        ret(),
    end(),
    moving(),
        go({WORD_NORTHWEST, 538, 283}, 289),
        reply({286}, 1425),
        step({WORD_EAST, WORD_TUNNEL, WORD_PASSAGE, 287}, squeeze_to_the_far_end),
    end(),
    mark({WORD_TUNNEL, WORD_PASSAGE, 308, 538, 286}),
};

// Place 287: far end of the squeeze.
constexpr row FAR_END_OF_THE_SQUEEZE[] = {
    look(),
        let({300}, VAR_COMMAND_STATUS, 1),
        reply({WORD_TUNNEL, WORD_PASSAGE, 308}, 2903, arg_of(VAR_ARG2)),
        reply({WORD_LIGHT}, 2920),
        ret(),
    end(),
    moving(),
        go({WORD_NORTHEAST, 288, WORD_IN}, 288),
        // The squeeze word carries the player off to the drum chamber; the
        // ring stays behind.
        group({287}),
            group(object_carried(58)),
                put_here(58),
                tell(2073),
            end(),
            forced(222),
        end(),
        step({WORD_WEST, WORD_OUT, WORD_PASSAGE, 286}, squeeze_back),
    end(),
    mark({300, WORD_TUNNEL, 308}),
};

// Place 288: dark nook.
constexpr row DARK_NOOK[] = {
    call(p185, ref(133)),
    group({1131, 133, 134, 129, 30, 74, 1018}),
        reply({807, WORD_TAKE, 772}, 1885, arg_of(133)),
        reply({798, WORD_LOOK}, 1494),
        reply(2037, arg_of(133)),
    end(),
    look(),
        reply({WORD_LIGHT, 308}, 2921, arg_of(308)),
        reply({932}, 2033, arg(932)),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTH, WORD_OUT, 308, 287}, 287),
        forced_if(all({WORD_GO, WORD_LIGHT}), 287),
    end(),
    mark({WORD_TUNNEL, WORD_PASSAGE, 308, 932}),
};

// Place 289: rift ledge.
constexpr row RIFT_LEDGE[] = {
    look(),
        reply({WORD_DOWN}, 2478, arg(1)),
        reply({376, WORD_UP}, 2019, arg(5)),
        reply({10}, 2479),
        reply({WORD_ECHO}, 1359),
        reply({538, 999}, 2973),
        let({283}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    when([] { return cond(keyword(WORD_CLIMB, 10, -1)).OR(anyof(762, WORD_DOWN, -1)); }, let(VAR_COMMAND_STATUS, 1)),
    moving(),
        group({762}),
            forced_on(283),
            call(p803),
        end(),
        go({WORD_SOUTH, 285}, 285),
        go({WORD_WEST}, 286),
        reply({283}, 1425),
        reply({10}, 2972),
        call({538}, p329, ref(286), ref(751), ref(285), ref(747)),
    end(),
    land(283, 1677),
    mark({376, WORD_ECHO, 10, 538, 283, 999}),
};

// --- The walkway, the narrows, the steep passage and the sump --------------

// Place 290: walkway.
constexpr row WALKWAY[] = {
    look(),
        let({901, 290, 1054}, VAR_COMMAND_STATUS, 1),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2902, arg(897)),
        reply({999}, 2750),
        reply({WORD_DOWN}, 2478, arg(1)),
        ret(),
    end(),
    reply(all({WORD_TAKE, 999}), 2760),
    moving(),
        go({WORD_DOWN, WORD_SOUTHEAST, 291}, 291),
        go({WORD_EAST, WORD_UP}, 432),
        call({WORD_TUNNEL, WORD_PASSAGE, 308}, p329, ref(291), ref(748), ref(432), ref(747)),
        reply({290, 901}, 1425),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, 308, 290, 901, 1054, 999}),
};

// Place 291: narrows.
constexpr row NARROWS[] = {
    look(),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2902, arg(897)),
        reply({1131, WORD_ROCK, WORD_WALL, WORD_FLOOR}, 2944),
        reply({291}, 2945),
        ret(),
    end(),
    moving(),
        go({WORD_UP, WORD_WEST, 901}, 290),
        go({WORD_DOWN, 308}, 292),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2904, arg(897)),
        // The way to the undercut is too tight for the coffer.
        group({WORD_SOUTH, 261}),
            when(object_carried(114), reply(1411, arg_of(114))),
            when(object_carried(115), reply(1411, arg_of(115))),
            forced(261),
        end(),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, 308, 1131, 291, WORD_ROCK, WORD_WALL, WORD_FLOOR}),
};

// Place 292: steep passage.
constexpr row STEEP_PASSAGE[] = {
    look(),
        let({WORD_TUNNEL, WORD_PASSAGE, 308}, VAR_COMMAND_STATUS, 1),
        reply({WORD_WALL}, 2911),
        ret(),
    end(),
    moving(),
        go({WORD_UP, 291}, 291),
        go({WORD_DOWN}, 293),
        call({WORD_TUNNEL, WORD_PASSAGE, 308}, p329, ref(291), ref(754), ref(293), ref(755)),
    end(),
    mark({WORD_WALL, 308}),
};

// Place 293: sump.
constexpr row SUMP[] = {
    moving(),
        go({WORD_UP, WORD_OUT, 308}, 292),
        go({291}, 291),
    end(),
    mark({WORD_TUNNEL, 308, WORD_PASSAGE}),
};

// --- The five ways and the clinging chamber ----------------------------------

// Place 294: five ways.
constexpr row FIVE_WAYS[] = {
    call(p185, ref(1080)),
    call(p297, ref(1870), ref(1080)),
    look(),
        let({294}, VAR_COMMAND_STATUS, 1),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2902, arg(897)),
        reply({1025}, 2961),
        ret(),
    end(),
    moving(),
        go({WORD_NORTHEAST}, 496),
        go({WORD_SOUTH}, 262),
        go({WORD_UP}, 261),
        go({WORD_WEST}, 266),
        go({WORD_EAST}, 295),
        reply({294}, 1425),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2904, arg(897)),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, 308, 294, 1025}),
};

// The chance in percent that the clinging chamber holds on to a player
// trying to leave; it falls by 5 with each hold and starts again at 65.
constexpr int HOLD_CHANCE = 1158;

// Place 295: clinging chamber.
constexpr row CLINGING_CHAMBER[] = {
    when(value_at_most(HOLD_CHANCE, 0), let(HOLD_CHANCE, 65)),
    look(),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2902, arg(897)),
        ret(),
    end(),
    moving(),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2904, arg(897)),
        forced_if({WORD_WEST}, 295),
        group({WORD_NORTH, WORD_SOUTH, WORD_EAST, WORD_UP, WORD_DOWN, WORD_NORTHEAST, WORD_NORTHWEST, WORD_SOUTHEAST, WORD_SOUTHWEST}),
            first(),
                group([] { return cond(irand(100) < value[HOLD_CHANCE]); }),
                    add(HOLD_CHANCE, -5),
                    forced(295),
                end(),
                forced(294),
            end(),
        end(),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, 308}),
};

// --- The shaft bottom, the slide top and the lake ----------------------------

// Place 296: shaft bottom.
constexpr row SHAFT_BOTTOM[] = {
    look(),
        let({207}, VAR_COMMAND_STATUS, 1),
        reply({12}, 2940),
        reply({920, 981}, 2592),
        reply({WORD_ECHO}, 1359),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTH}, 269),
        go({WORD_NORTH, WORD_ECHO, 298}, 298),
        call({207}, p329, ref(298), ref(745), ref(269), ref(749)),
    end(),
    reply({12, 920}, 1437, arg_of(12)),
    mark({207, WORD_ECHO, 981}),
};

// Place 297: slide top.
constexpr row SLIDE_TOP[] = {
    look(),
        reply({WORD_FLOOR}, 2952, arg(1137)),
        reply({376, 475}, 3127),
        reply({15}, 3126),
        ret(),
    end(),
    when([] { return cond(anyof(762, WORD_CLIMB, -1)).AND(cond(anyof(WORD_DOWN, 15, -1)).OR(words() == 1)); }, forced(232)),
    moving(),
        go({WORD_NORTH}, 270),
        // Down the chute: it drops the player into the warren, one of
        // three cells.
        group({WORD_DOWN, 15}),
            first(),
                group([] { return cond(irand(100) < 67); }),
                    first(),
                        when([] { return cond(irand(100) < 50); }, forced(235)),
                        forced(230),
                    end(),
                end(),
                forced(232),
            end(),
        end(),
    end(),
    mark({15}),
    land(235, 1674),
};

// Into the water or the lake from either shore: the lake is too cold.
cond_fold into_the_lake() {
    return cond(anyof(WORD_IN, 837, WORD_CROSS, -1)).AND(anyof(OBJ_LIQUID_1, 298, -1));
}

// Place 298: far shore.
constexpr row FAR_SHORE[] = {
    look(),
        reply({WORD_HOLE, WORD_STREAM}, 2947),
        reply({WORD_ECHO}, 1359),
        reply({298}, 2948),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2946, arg(0)),
        reply({466}, 2951, arg_of(466)),
        reply({1002}, 2949),
        ret(),
    end(),
    when(into_the_lake, let(VAR_COMMAND_STATUS, 1)),
    moving(),
        reply({WORD_CROSS, OBJ_LIQUID_1, 298, WORD_STREAM, WORD_HOLE, WORD_NORTH, 837}, 1640),
        go({WORD_SOUTH, 12, WORD_PASSAGE}, 296),
        go({WORD_WEST, 466}, 466),
    end(),
    mark_name({WORD_HOLE, WORD_STREAM, WORD_ECHO, 466}),
    mark({298, WORD_PASSAGE, 1002}),
    land(PLACE_GONE, 1685),
};

// Place 299: near shore.
constexpr row NEAR_SHORE[] = {
    look(),
        reply({WORD_HOLE, WORD_STREAM}, 2947),
        reply({WORD_ECHO}, 1359),
        reply({298}, 2948),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2946, arg(1)),
        reply({480, WORD_FLOOR, 1002}, 2949),
        ret(),
    end(),
    group({27}),
        reply({WORD_TAKE}, 2600, arg_of(27)),
        call_word({67}, 784),
    end(),
    when(has_word(798).AND(object_near(29)), reply({30, 74, WORD_BACK, 29}, 3474)),
    when(into_the_lake, let(VAR_COMMAND_STATUS, 1)),
    moving(),
        go({WORD_NORTH, WORD_PASSAGE}, 300),
        go({301}, 301),
        reply({837, 480}, 1640),
        // Across the lake only on the ferry, which does not come back.
        group({OBJ_LIQUID_1, 298, WORD_SOUTH, WORD_CROSS}),
            first(),
                group(object_near(29)),
                    put(29, PLACE_OFFSTAGE),
                    forced(298, 1641),
                end(),
                reply(1640),
            end(),
        end(),
    end(),
    mark({WORD_HOLE, WORD_STREAM, 298, WORD_ECHO, 480, WORD_PASSAGE, WORD_TUNNEL, 308, 1002}),
    land(PLACE_GONE, 1685),
};

// Place 300: lakeside chamber.
constexpr row LAKESIDE_CHAMBER[] = {
    look(),
        reply({WORD_ECHO}, 1359),
        reply({WORD_WALL}, 2914),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2902, arg(897)),
        let({300}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTH, 298}, 299),
        go({WORD_NORTHEAST, 301}, 301),
        reply({300}, 1425),
        call({WORD_TUNNEL, WORD_PASSAGE, 308}, p329, ref(301), ref(746), ref(299), ref(749)),
    end(),
    mark({WORD_ECHO, WORD_WALL, WORD_PASSAGE, 300}),
};

// Place 301: tablet alcove.
constexpr row TABLET_ALCOVE[] = {
    call(p185, ref(73)),
    group({73, 1018, 74, 30, 134, 129}),
        reply({WORD_LOOK, 798}, 2523),
        reply({WORD_TAKE, 807, 772}, 1885, arg_of(73)),
        group(word_count(1)),
            set_flag(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_ORPHAN),
            reply(1507, arg_of(73)),
        end(),
        reply(1885, arg_of(73)),
    end(),
    group({962, 202, WORD_STREAM}),
        reply({WORD_LOOK}, 2593, arg_of(VAR_ARG2)),
        reply(2638),
    end(),
    group([] { return cond(has(762)).AND(cond(anyof(WORD_DOWN, WORD_IN, -1)).OR(words() == 1)); }),
        forced_on(PLACE_GONE),
        call(p803),
    end(),
    look(),
        let({300}, VAR_COMMAND_STATUS, 1),
        reply({WORD_TUNNEL, WORD_PASSAGE, 308}, 2903, arg(898)),
        reply({301}, 3159),
        reply({1046}, 3160),
        reply({1016, WORD_WALL}, 3161),
        ret(),
    end(),
    moving(),
        go({WORD_WEST, WORD_OUT, WORD_TUNNEL, WORD_PASSAGE, 300}, 300),
        go({298}, 299),
        reply({301}, 1425),
    end(),
    mark_name({301, 1016, WORD_WALL, 1046}),
    mark({300, WORD_TUNNEL}),
    land(PLACE_GONE, 1674),
};

// --- The exchange grotto (584) ----------------------------------------------

cond_fold offering_not_carried() { return cond(!carried(arg2())); }
cond_fold jar_with_firefly() { return cond(has(108)).AND(carried(109)); }
cond_fold sunstone_awake() { return cond(value[100] == 1); }
cond_fold offering_scores() { return cond(bitest(evar(VAR_ARG2), OFLAG_SCORING)); }

// What the trader takes goes for good; a vessel goes empty.
int offering_taken() {
    const int obj = arg2();
    apport(obj, PLACE_GONE);
    if (cond(anyof(OBJ_VESSEL_MEDIUM, OBJ_VESSEL_SMALL, OBJ_VESSEL_LARGE, -1))) value[obj] = 2;
    return 0;
}

cond_fold asks_the_trader() {
    return cond(anyof(67, 807, -1)).AND(cond(words() == 1).OR(has(135)).OR(arg2() == 807));
}

// Place 584: exchange grotto.
constexpr row EXCHANGE_GROTTO[] = {
    call(p185, ref(1080)),
    group({134, 129, 30, 1080, 1018, 74}),
        reply({WORD_LOOK, 798}, 2114),
        reply({WORD_TAKE}, 1885, arg_of(134)),
        mark(),
        ret(),
    end(),
    group(has_word(67).AND(word_count(1))),
        let(VAR_COMMAND_STATUS, 2),
        let_ref(VAR_ARG2, 135),
    end(),
    group(has_word(135).AND(object_not_near(135))),
        put_here(135),
        add(2069, 1),
        tell(2804),
    end(),
    look(),
        reply({156}, 2068),
        reply({992}, 3001),
        reply({1054}, 3002),
        ret(),
    end(),
    when([] { return cond(has(WORD_IN)).AND(cond(has(156)).OR(words() == 1)); }, reply(2067)),
    // Something put down: the trader takes it, with a word on what it was.
    group(has_word(WORD_DROP).AND(word_count(2))),
        when(offering_not_carried, reply(1513, arg_of(VAR_ARG2))),
        group({63}),
            put_here(135),
            reply(2069),
        end(),
        let_variant(2063, 0),
        first(),
            tell({83}, 2057),
            group(jar_with_firefly),
                tell(2058),
                let_variant(2063, 1),
            end(),
            group({109}),
                put_here(109),
                let(109, 0),
                reply(2059),
            end(),
            group({100}),
                first(),
                    when(sunstone_awake, tell(2061)),
                    tell(2062),
                end(),
            end(),
            tell({56}, 2060),
            tell(2056, arg_of(VAR_ARG2)),
        end(),
        group(jar_with_firefly),
            put(109, 208),
            let(109, 0),
        end(),
        group({83}),
            set_flag(83, OFLAG_SCORING),
        end(),
        first(),
            when(has_any_word({104, 105, 116}), let_variant(2051, 2)),
            when(has_any_word({56, 57}), let_variant(2051, 0)),
            when([] { return offering_scores().AND(anyof(46, 53, 54, 67, 81, 84, 100, 102, 145, 147, 148, -1)); },
                 let_variant(2051, 4)),
            when(offering_scores, let_variant(2051, 1)),
            when(has_any_word({114, 92, 152}), let_variant(2051, 5)),
            let_variant(2051, 3),
        end(),
        step(offering_taken),
        tell(2064),
        reply(2051),
    end(),
    // The exchange: the fruit for the cloth's worth, once.
    group(asks_the_trader),
        when([] { return cond(!lies_here(135)); }, reply(1319, arg_of(135))),
        first(),
            group(object_near(63)),
                when([] { return cond(bitest(63, OFLAG_SCORING)); }, reply(2219)),
                first(),
                    when([] { return cond(is_seen(142)); }, tell(2217, arg(1))),
                    otherwise(),
                        set_flag(142, OFLAG_SEEN),
                        tell(2217, arg(0)),
                    end(),
                end(),
                group(object_near(141)),
                    put(141, PLACE_GONE),
                    set_flag(63, OFLAG_SCORING),
                    let_variant(3224, 1),
                    let_variant(3231, 1),
                    first(),
                        when([] { return cond(bitest(63, 13)); }, reply(2218, arg(1))),
                        reply(2218, arg(0)),
                    end(),
                end(),
                reply(2220),
            end(),
            reply(2216, arg(1)),
        end(),
    end(),
    moving(),
        go({WORD_NORTH, WORD_OUT}, 277),
    end(),
    mark({134, 129, 30, 1080, 1018, 74, 156, 135}),
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
