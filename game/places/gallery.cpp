// The gulf, the gallery and the creeper hall: the two edges of the gulf with
// the span that the wand lays across it, the gulf fork, the cove and the
// back of it, the colonnade, the gallery steps and the four places of the
// gallery over the creeper hall; the creeper hall itself, where the giant
// creeper grows and at its full height carries the player up to the high
// ledge; the ledge, the guarded way to the pinnacle, the pinnacle, and the
// bluff path out to the river bluff. Each place's procedure answers its
// feature words, moves the player along its exits, runs its crossings and
// deaths, marks the words of its features for the last replies and tells
// the word procedures where a thrown or dropped thing ends up.
#include "game.h"

using namespace rows;

namespace {

// --- The gulf (432, 433) ----------------------------------------------------

// Object 33 is the span: the wand lays it across the gulf (state 1), and one
// crossing takes it away again. Crossing from the near edge, it bears no
// one who carries the coffer or the casket, nor anyone once the hills are
// stirring past the hourglass.
cond_fold span_gone() { return cond(value[OBJ_SPAN] == 0); }
cond_fold span_fails_from_the_near_edge() {
    return span_gone().OR(carried(OBJ_COFFER)).OR(carried(OBJ_CASKET)).OR(value[VAR_PHASE] > 4);
}

// Place 432: gulf edge.
constexpr row GULF_EDGE[] = {
    when(value_is(VAR_PHASE, 4), call(p149)),
    reply({WORD_SEARCH}, 1356),
    look(),
        let({PLACE_WALKWAY, WORD_ARCH, WORD_PASSAGE}, VAR_COMMAND_STATUS, 1),
        reply({WORD_LEDGE}, 2750),
        reply({WORD_AIR, WORD_SAND, OBJ_SPAN, WORD_BRINK, WORD_DOWN}, 2935),
        reply({PLACE_CARVINGS, PLACE_CROSSROADS}, 2936),
        ret(),
    end(),
    moving(),
        // Onward: across the gulf for one who came from the walkway, back
        // to it for one who came across.
        group({WORD_PASSAGE, WORD_LEDGE}),
            first(),
                when(value_is(VAR_THERE, PLACE_WALKWAY), let_ref(VAR_ARG1, WORD_EAST)),
                let_ref(VAR_ARG1, WORD_WEST),
            end(),
        end(),
        go({WORD_WEST}, PLACE_WALKWAY),
        group({WORD_EAST, WORD_CROSS}),
            group(span_fails_from_the_near_edge),
                let(OBJ_SPAN, 0),
                death(1572),
            end(),
            let(OBJ_SPAN, 0),
            forced(PLACE_FAR_GULF_EDGE),
        end(),
        reply({PLACE_CROSSROADS}, 2936),
    end(),
    group({WORD_TAKE}),
        reply({WORD_SAND, WORD_LEDGE}, 2760),
        reply({PLACE_CARVINGS}, 1849, arg_of(PLACE_CARVINGS)),
    end(),
    mark({PLACE_CROSSROADS, PLACE_CARVINGS, WORD_ARCH, PLACE_WALKWAY, WORD_PASSAGE, WORD_LEDGE, WORD_BRINK}),
};

// Place 433: far gulf edge.
constexpr row FAR_GULF_EDGE[] = {
    look(),
        let({WORD_PASSAGE, WORD_ARCH, PLACE_WALKWAY, WORD_BEND}, VAR_COMMAND_STATUS, 1),
        reply({WORD_LEDGE}, 2750),
        reply({WORD_AIR, WORD_SAND, OBJ_SPAN, WORD_BRINK, WORD_DOORWAY, WORD_DOWN, WORD_DROP}, 2935),
        ret(),
    end(),
    moving(),
        // Onward: back across the gulf for one who came from the fork, on
        // to the fork for one who came across.
        group({WORD_PASSAGE, WORD_LEDGE}),
            first(),
                when(value_is(VAR_THERE, PLACE_GULF_FORK), let_ref(VAR_ARG1, WORD_WEST)),
                let_ref(VAR_ARG1, WORD_NORTH),
            end(),
        end(),
        go({WORD_NORTH}, PLACE_GULF_FORK),
        group({WORD_WEST, WORD_CROSS}),
            when(span_gone, death(1572)),
            let(OBJ_SPAN, 0),
            forced(PLACE_GULF_EDGE),
        end(),
    end(),
    group({WORD_TAKE}),
        reply({WORD_SAND, WORD_LEDGE}, 2760),
    end(),
    mark({WORD_LEDGE, WORD_PASSAGE, WORD_BEND, WORD_AIR, WORD_SAND, OBJ_SPAN, WORD_ARCH, PLACE_WALKWAY, WORD_BRINK,
          WORD_DOORWAY}),
};

// --- Gulf fork (434) --------------------------------------------------------

// Place 434: gulf fork.
constexpr row GULF_FORK[] = {
    look(),
        let({PLACE_CROSSROADS, WORD_ARCH, PLACE_WALKWAY}, VAR_COMMAND_STATUS, 1),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2902, arg(WORD_PASSAGE)),
        reply({WORD_LEDGE}, 2750),
        reply({WORD_SAND, WORD_DROP, WORD_BRINK}, 3546, arg(0)),
        reply({PLACE_COLONNADE}, 3546, arg(1)),
        reply({PLACE_COVE}, 3546, arg(2)),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTH}, PLACE_FAR_GULF_EDGE),
        go({WORD_NORTH, PLACE_COLONNADE}, PLACE_COLONNADE),
        go({WORD_EAST, PLACE_COVE}, PLACE_COVE),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR, WORD_LEDGE}, 2904, arg(WORD_PASSAGE)),
        reply({PLACE_CROSSROADS, WORD_ARCH, PLACE_WALKWAY}, 1425),
    end(),
    reply(all({WORD_TAKE, WORD_LEDGE}), 2760),
    mark({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR, PLACE_CROSSROADS, WORD_ARCH, PLACE_WALKWAY, WORD_LEDGE}),
};

// --- Cove (435) and the back of the cove (436) ------------------------------

// Place 435: cove.
constexpr row COVE[] = {
    // "Jar", with no jar about, is the jar-shaped cove itself.
    when(has_word(OBJ_JAR).AND(object_near(OBJ_JAR)), ret()),
    rewrite_shown(OBJ_JAR, WORD_WALL),
    look(),
        let({WORD_HALL, PLACE_COVE}, VAR_COMMAND_STATUS, 1),
        reply({WORD_LEDGE}, 2750),
        reply({WORD_WALL, WORD_STALAGMITES}, 2937),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2903, arg(WORD_PASSAGE)),
        reply({PLACE_CROSSROADS}, 3546, arg(5)),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTH, WORD_IN, PLACE_COVE, WORD_HALL}, PLACE_BACK_OF_COVE),
        go({WORD_WEST, WORD_OUT, WORD_PASSAGE, WORD_LEDGE, PLACE_CROSSROADS}, PLACE_GULF_FORK),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR, WORD_LEDGE, WORD_HALL, PLACE_COVE, WORD_STALAGMITES, WORD_WALL}),
};

// Place 436: back of the cove.
constexpr row BACK_OF_THE_COVE[] = {
    set_flag(OBJ_CHUTE, OFLAG_SEEN),
    // "Ball", with no ball about, is the stone ball at the foot of the
    // flowstone chute.
    when(has_word(OBJ_BALL).AND(object_near(OBJ_BALL)), ret()),
    rewrite_shown(OBJ_BALL, OBJ_CHUTE),
    look(),
        reply({WORD_WALL, WORD_STALAGMITES}, 2937),
        reply({PLACE_DARK_NOOK, WORD_SHADOWS, PLACE_SCRAWLED_CORNER}, 3141),
        reply({OBJ_CHUTE, WORD_FORMATIONS, WORD_FLOWSTONE, WORD_STONE}, 3140),
        reply({PLACE_COVE}, 3546, arg(7)),
        ret(),
    end(),
    reply({OBJ_CHUTE, WORD_FORMATIONS}, 1940),
    moving(),
        go({WORD_NORTH, WORD_OUT}, PLACE_COVE),
    end(),
    mark({PLACE_DARK_NOOK, WORD_SHADOWS, WORD_FLOWSTONE}),
};

// --- Colonnade (437) and the gallery steps (438) ----------------------------

// Place 437: colonnade.
constexpr row COLONNADE[] = {
    look(),
        let({PLACE_COLONNADE, WORD_PASSAGE}, VAR_COMMAND_STATUS, 1),
        reply({WORD_LEDGE}, 2750),
        reply({WORD_PILLAR}, 2033, arg(WORD_PILLAR)),
        reply({PLACE_CROSSROADS}, 3546, arg(3)),
        reply({OBJ_STEPS}, 3546, arg(4)),
        ret(),
    end(),
    moving(),
        go({WORD_NORTHWEST}, PLACE_GULF_FORK),
        go({WORD_SOUTHWEST}, PLACE_GALLERY_STEPS),
        reply({PLACE_COLONNADE}, 1425),
        call({WORD_PASSAGE, WORD_LEDGE}, p329, ref(PLACE_GULF_FORK), ref(WORD_NORTHWEST), ref(PLACE_GALLERY_STEPS),
             ref(WORD_SOUTHWEST)),
    end(),
    reply(all({WORD_TAKE, WORD_LEDGE}), 2760),
    mark({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR, PLACE_COLONNADE, WORD_LEDGE, WORD_PILLAR}),
};

// Place 438: gallery steps.
constexpr row GALLERY_STEPS[] = {
    reply({WORD_RAILING}, 1849, arg(WORD_RAILING)),
    look(),
        reply({OBJ_STEPS}, 2752),
        reply({WORD_LEDGE}, 2750),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2754, arg(WORD_PASSAGE)),
        reply({PLACE_WEST_END_OF_GALLERY}, 2755),
        reply({OBJ_LIQUID_1, WORD_NAVE}, 2753),
        reply({WORD_OUTCROP}, 2033, arg(WORD_OUTCROP)),
        reply({WORD_UP}, 2757, arg(0)),
        reply({PLACE_COLONNADE}, 3546, arg(6)),
        ret(),
    end(),
    first(),
        let({WORD_DOWN, OBJ_STEPS}, VAR_COMMAND_STATUS, 1),
        reply({WORD_CLIMB}, 2844),
    end(),
    moving(),
        heading({WORD_DOWN, OBJ_STEPS, WORD_CLIMB, PLACE_WEST_END_OF_GALLERY, WORD_WEST}, WORD_WEST),
        go({WORD_EAST, WORD_IN, WORD_PASSAGE, WORD_LEDGE}, PLACE_COLONNADE),
        go({WORD_DOWN, WORD_WEST, OBJ_STEPS, PLACE_WEST_END_OF_GALLERY}, PLACE_WEST_END_OF_GALLERY),
    end(),
    land(PLACE_WEST_END_OF_GALLERY, 1684),
    reply(all({WORD_TAKE, WORD_LEDGE}), 2760),
    mark_name({PLACE_WEST_END_OF_GALLERY, WORD_WATERS, WORD_NAVE}),
    mark({OBJ_STEPS, WORD_LEDGE, WORD_OUTCROP, WORD_PASSAGE}),
};

// --- The gallery (439..442) -------------------------------------------------

// Place 439: west end of the gallery.
constexpr row GALLERY_WEST_END[] = {
    let(OBJ_BOWL, 1),
    reply({WORD_BALCONY, WORD_BOARD}, 2659),
    reply({PLACE_CARVINGS}, 1849, arg_of(PLACE_CARVINGS)),
    // The look word goes on past these.
    look(),
        reply({WORD_OUTCROP}, 2761),
        reply({OBJ_STEPS}, 2752),
        reply({WORD_HOLLOW}, 2765),
        reply({WORD_DOWN}, 2764),
        reply({OBJ_CREEPER}, 3547, arg_of(OBJ_CREEPER)),
    end(),
    group({WORD_OUTCROP, OBJ_STEPS, WORD_HOLLOW, WORD_SHOOTS}),
        mark(),
        ret(),
    end(),
    reply(all({WORD_CLIMB, WORD_CLIFF}), 3481, arg(1)),
    call(p50),
    moving(),
        call({PLACE_WEST_END_OF_GALLERY}, p329, ref(PLACE_MIDDLE_OF_GALLERY), ref(WORD_NORTH), num(0), num(0)),
        go({WORD_NORTH}, PLACE_MIDDLE_OF_GALLERY),
        call({WORD_UP, OBJ_STEPS, WORD_CLIMB, WORD_EAST}, p868, ref(WORD_EAST), ref(PLACE_GALLERY_STEPS)),
    end(),
    mark({WORD_OUTCROP, OBJ_STEPS, WORD_HOLLOW, WORD_CLIFF, WORD_RAILING}),
};

// The middle, the bend and the east end of the gallery share their shape:
// the railing, the shared replies of the gallery, the climb over the rail,
// the word of the gallery, and their own ways. k[0] marks the places with a
// railing that is the cliff; k[1] the place that answers the climb before
// the shared replies, k[2] and k[3] those that answer it after them, with
// the one reply or the other; k[2] is the bend, where the bend looked at is
// the place itself.
constexpr int RAILING = 0, CLIMB_FIRST = 1, AT_THE_BEND = 2, CLIMB_AFTER_EAST = 3;

// Places 440: middle of the gallery; 441: bend of the gallery; 442: east end of the gallery.
constexpr member GALLERY_PLACES[] = {
    {PLACE_MIDDLE_OF_GALLERY, {1, 1, 0, 0}, {
        call({PLACE_WEST_END_OF_GALLERY}, p329, ref(PLACE_BEND_OF_GALLERY), ref(WORD_NORTH),
             ref(PLACE_WEST_END_OF_GALLERY), ref(WORD_SOUTH)),
        go({WORD_NORTH}, PLACE_BEND_OF_GALLERY),
        go({WORD_SOUTH}, PLACE_WEST_END_OF_GALLERY),
        go({WORD_NORTHEAST}, PLACE_CREEPER_HALL),
    }},
    {PLACE_BEND_OF_GALLERY, {1, 0, 1, 0}, {
        call({PLACE_WEST_END_OF_GALLERY}, p329, ref(PLACE_MIDDLE_OF_GALLERY), ref(WORD_SOUTH),
             ref(PLACE_EAST_END_OF_GALLERY), ref(WORD_NORTH)),
        go({WORD_NORTH}, PLACE_EAST_END_OF_GALLERY),
        go({WORD_SOUTH}, PLACE_MIDDLE_OF_GALLERY),
        go({WORD_EAST}, PLACE_CREEPER_HALL),
    }},
    {PLACE_EAST_END_OF_GALLERY, {0, 0, 0, 1}, {
        call({PLACE_WEST_END_OF_GALLERY}, p329, ref(PLACE_BEND_OF_GALLERY), ref(WORD_SOUTH), num(0), num(0)),
        go({WORD_SOUTH}, PLACE_BEND_OF_GALLERY),
        go({WORD_SOUTHEAST}, PLACE_CREEPER_HALL),
    }},
};

// Places 440: middle of the gallery; 441: bend of the gallery; 442: east end of the gallery.
constexpr row GALLERY[] = {
    look(),
        reply({WORD_DOWN}, 2764),
        reply({OBJ_CREEPER}, 3547, arg_of(OBJ_CREEPER)),
        member_group(AT_THE_BEND),
            group({WORD_BEND}), let(VAR_COMMAND_STATUS, 1), ret(), end(),
        end(),
    end(),
    member_group(RAILING), rewrite_shown(WORD_RAILING, WORD_CLIFF), end(),
    member_group(CLIMB_AFTER_EAST), reply({PLACE_SLANT}, 2758), end(),
    member_group(CLIMB_FIRST), reply({WORD_CLIMB}, 2844), end(),
    call(p50),
    member_group(AT_THE_BEND), reply({WORD_CLIMB}, 3481, arg(0)), end(),
    member_group(CLIMB_AFTER_EAST), reply({WORD_CLIMB}, 2844), end(),
    moving(),
        member_rows(),
    end(),
    member_group(AT_THE_BEND), mark({WORD_BEND}), end(),
};

// --- Creeper hall (443) -----------------------------------------------------

// Object 139 is the creeper: 0 when it first comes into view, 1 once it
// has been fed, 2 when fed again and grown up to the high ledge.
cond_fold creeper_grown() { return cond(value[OBJ_CREEPER] > 0); }

// A vessel named to be emptied here: it is the vessel poured, and what it
// holds is kept beside it.
int the_named_vessel() {
    set('V', VAR_VESSEL, 'v', VAR_ARG2, nullptr, nullptr);
    value[VAR_VESSEL_STATE] = value[value[VAR_VESSEL]];
    *bitword(VAR_VESSEL_STATE) = *bitword(VAR_VESSEL);
    return 0;
}

// Place 443: creeper hall.
constexpr row CREEPER_HALL[] = {
    rewrite(OBJ_PLANT, OBJ_CREEPER),
    let(VAR_VESSEL, 0),
    // Pouring with the word alone pours whatever carried vessel holds water.
    group([] { return cond(anyof(WORD_POUR, WORD_DUMP, -1)).OR(keyword(WORD_DROP, OBJ_LIQUID_1, -1)); }),
        let(VAR_VESSEL, 0),
        group(word_count(1)),
            call(p321, num(0)),
            when(value_over(VAR_VESSEL, 0), call(p903)),
        end(),
        call({OBJ_LIQUID_1}, p903),
    end(),
    call(all({OBJ_LIQUID_1, OBJ_CREEPER}), p903),
    group({WORD_EMPTY}),
        when([] { return cond(has(OBJ_VESSEL_LARGE)).AND(near_in(OBJ_VESSEL_LARGE, 6)); }, call(p304)),
        group([] {
            return cond(anyof(OBJ_VESSEL_LARGE, OBJ_VESSEL_MEDIUM, OBJ_VESSEL_SMALL, -1)).AND(near(value[VAR_ARG2]));
        }),
            step(the_named_vessel),
            when(value_is(VAR_VESSEL_STATE, 3), call(p903)),
        end(),
    end(),
    group({WORD_CLIMB}),
        reply({WORD_CLIFF}, 2844),
        let({WORD_UP}, VAR_COMMAND_STATUS, 1),
    end(),
    group({OBJ_CREEPER}),
        call({WORD_FEED, OBJ_BUNDLE}, p304),
        reply({WORD_TAKE, WORD_PULL}, 1408, arg_of(OBJ_CREEPER)),
        let({WORD_CLIMB, WORD_UP}, VAR_COMMAND_STATUS, 1),
    end(),
    reply({WORD_AIR}, 3322, arg_of(OBJ_CREEPER)),
    when(has_any_word({WORD_OPEN, WORD_EMPTY, WORD_UNWRAP, WORD_DUMP,
                       WORD_RELEASE}).AND(has_word(OBJ_BUNDLE)).AND(object_near(OBJ_BUNDLE)),
         call(p304)),
    when(word_count(1).AND(has_any_word({OBJ_BUNDLE, WORD_FEED})), call(p304)),
    // Help is offered here until the creeper is grown.
    when(has_word(WORD_HELP).AND(value_at_most(OBJ_CREEPER, 1)), set_flag(PLACE_CREEPER_HALL, PFLAG_HINT_AVAILABLE)),
    group({WORD_RAILING}),
        reply({WORD_TAKE, WORD_LOOK}, 1849, arg(WORD_RAILING)),
        mark(),
        ret(),
    end(),
    look(),
        reply({WORD_CLIFF}, 2376),
        reply({WORD_AIR}, 2848, arg_of(OBJ_CREEPER)),
        reply({OBJ_LIQUID_1}, 2849),
        reply({WORD_UP}, 2757, arg_of(OBJ_CREEPER)),
        reply({WORD_MIST}, 3221),
        reply({PLACE_WEST_END_OF_GALLERY, WORD_BEND}, 3546, arg(8)),
        when(creeper_grown, reply({WORD_SHOOTS}, 2766)),
        ret(),
    end(),
    group(creeper_grown),
        when(has_word(WORD_BURN).AND(has_any_word({WORD_SHOOTS, OBJ_CREEPER})), call(p129)),
        group({WORD_SHOOTS, WORD_MIST}),
            mark(),
            ret(),
        end(),
    end(),
    moving(),
        reply({WORD_CLIFF}, 3373),
        group({WORD_UP, WORD_CLIMB}),
            group(value_is(OBJ_CREEPER, 2)),
                let(PLACE_HIGH_LEDGE, 1),
                forced(PLACE_HIGH_LEDGE, 2207),
            end(),
            when(value_is(OBJ_CREEPER, 1), reply(2208)),
            reply(2090, arg_of(OBJ_CREEPER)),
        end(),
        go({WORD_NORTH}, PLACE_EAST_END_OF_GALLERY),
        go({WORD_NORTHWEST}, PLACE_EAST_END_OF_GALLERY),
        go({WORD_WEST}, PLACE_BEND_OF_GALLERY),
        call({WORD_SOUTHWEST, PLACE_WEST_END_OF_GALLERY}, p868, ref(WORD_SOUTHWEST), ref(PLACE_MIDDLE_OF_GALLERY)),
        reply({WORD_SOUTH}, 2206),
    end(),
};

// --- High ledge (444), pinnacle (445) and bluff path (446) ------------------

// The lodestone carried and turned south-west, west or north-west (states
// 6 to 8): the heading that finds the way along the edge to the pinnacle.
cond_fold heading_along_the_edge() {
    return cond(carried(OBJ_HEADING)).AND(value[OBJ_HEADING] > 5).AND(value[OBJ_HEADING] <= 8);
}

// Place 444: high ledge.
constexpr row HIGH_LEDGE[] = {
    let(PLACE_HIGH_LEDGE, 0),
    group({OBJ_SPIRE}),
        reply({WORD_LOOK}, 1770),
        reply(2209),
    end(),
    rewrite(OBJ_PLANT, OBJ_CREEPER),
    look(),
        reply({WORD_CLIFF}, 2375),
        reply({PLACE_PINNACLE, WORD_BRINK}, 2759, arg(WORD_NORTH)),
        reply({WORD_LEDGE}, 2750),
        reply({WORD_UP}, 2757, arg(1)),
        reply({WORD_DOWN}, 2764),
        reply({WORD_MIST}, 2380, arg(WORD_MIST)),
        reply({WORD_SHOOTS}, 2766),
        reply({WORD_WATERS, WORD_NAVE}, 2753),
        reply({WORD_CRACK}, 2772),
        reply({PLACE_PATH}, 3546, arg(9)),
        ret(),
    end(),
    group(has_word(WORD_TAKE).AND(has_any_word({WORD_CLIFF, WORD_ROCK, WORD_STONE}))),
        when(heading_along_the_edge, reply(3311, arg(1))),
        reply(3311, arg(0)),
    end(),
    when(has_word(WORD_BURN).AND(has_any_word({WORD_SHOOTS, OBJ_CREEPER})), call(p129)),
    group({WORD_SHOOTS, WORD_MIST}),
        mark(),
        ret(),
    end(),
    when(has_word(OBJ_CREEPER).AND(has_any_word({WORD_UP, WORD_DOWN, WORD_CLIMB})), let(VAR_COMMAND_STATUS, 1)),
    moving(),
        go({WORD_UP, WORD_CLIMB}, PLACE_BLUFF_PATH),
        go({WORD_DOWN}, PLACE_CREEPER_HALL),
        // The way along the edge to the pinnacle: taken at once with the
        // lodestone turned right and the beating stick seen, else asked.
        group({WORD_NORTH, PLACE_PINNACLE, OBJ_SPIRE, WORD_CROSS}),
            first(),
                group([] { return heading_along_the_edge().AND(is_seen(OBJ_STICK)); }),
                    when(value_is(OBJ_HEADING, 8), reply(2294, arg(WORD_NORTH))),
                    forced(PLACE_PINNACLE),
                end(),
                group(heading_along_the_edge),
                    let(VAR_QUESTION, Q_PLACE_444_ONWARD),
                    reply(2212),
                end(),
                otherwise(),
                    let(VAR_QUESTION, Q_PLACE_444_DOWN),
                    reply(2212),
                end(),
            end(),
        end(),
    end(),
    mark({PLACE_PINNACLE, WORD_SHOOTS, WORD_MIST, OBJ_CREEPER, WORD_CLIFF, WORD_BRINK, WORD_LEDGE}),
    mark_name({WORD_WATERS, WORD_NAVE}),
    // What is dropped or thrown from here falls to the creeper hall.
    drop_to(PLACE_CREEPER_HALL, 2247),
    let(VAR_DROP_TEXT_MODE, 1),
    copy(VAR_LANDING_PLACE, VAR_DROP_PLACE),
    copy(VAR_LANDING_TEXT, VAR_DROP_TEXT),
};

// The spire's foot, cut at: nothing comes of it, and without a blade the
// reply says so on the same line.
int nothing_to_cut_with() {
    glue_text();
    say(SAY_ARG, 1807, 1);
    return 0;
}

// Place 445: pinnacle.
constexpr row PINNACLE[] = {
    rewrite(OBJ_PLANT, OBJ_CREEPER),
    look(),
        reply({PLACE_PINNACLE}, 2759, arg(WORD_SOUTH)),
        reply({WORD_CLIFF}, 2375),
        reply({OBJ_CREEPER, WORD_MIST}, 2769),
        reply({WORD_DOWN}, 2770),
        reply({WORD_UP}, 2757, arg(1)),
        reply({WORD_WATERS, WORD_NAVE}, 2753),
        reply({WORD_CRACK}, 2772),
        reply({PLACE_RING_WALK_547}, 2588),
        reply({WORD_TERRACES}, 2593, arg(WORD_TERRACES)),
        reply({WORD_LEDGE}, 3546, arg(13)),
        ret(),
    end(),
    when(has_word(WORD_TAKE).AND(has_any_word({WORD_CLIFF, WORD_ROCK, WORD_STONE})), reply(3311, arg(1))),
    group({OBJ_CREEPER, WORD_MIST}),
        reply({WORD_TAKE}, 2768),
        mark(),
        ret(),
    end(),
    // The lodestone let go of up here: the edge gives way under the one
    // who lets it go.
    group(has_word(OBJ_HEADING).AND(has_any_word({WORD_DROP, WORD_THROW}))),
        tell(2562),
        forced_on(PLACE_CREEPER_HALL),
        call(p803),
    end(),
    group({OBJ_SPIRE}),
        group({WORD_CUT}),
            tell(1809),
            when(object_not_carried(OBJ_AXE).AND(object_not_carried(OBJ_SWORD)), step(nothing_to_cut_with)),
            stop(),
        end(),
        group({WORD_BURN}),
            when([] { return cond(have(OBJ_TORCH, 0, 2)); }, reply(2464)),
            reply(1403),
        end(),
    end(),
    let({WORD_JUMP}, VAR_COMMAND_STATUS, 1),
    moving(),
        go({WORD_SOUTH, PLACE_PINNACLE, OBJ_CREEPER}, PLACE_HIGH_LEDGE, 2214),
        reply({WORD_NORTH}, 2238),
        reply({WORD_JUMP, WORD_SOUTHWEST, WORD_WEST, WORD_NORTHWEST}, 2211),
    end(),
    mark({PLACE_PINNACLE, WORD_CRACK, OBJ_CREEPER, WORD_CLIFF}),
    mark_name({WORD_WATERS, WORD_NAVE, PLACE_RING_WALK_547}),
    // What is dropped or thrown from here falls to the creeper hall.
    drop_to(PLACE_CREEPER_HALL, 2248),
    let(VAR_DROP_TEXT_MODE, 1),
    copy(VAR_LANDING_PLACE, VAR_DROP_PLACE),
    copy(VAR_LANDING_TEXT, VAR_DROP_TEXT),
};

// Place 446: bluff path.
constexpr row BLUFF_PATH[] = {
    group({OBJ_GIANT}),
        reply({WORD_LOOK}, 2629),
        when(word_count(1), reply(1772, arg_of(OBJ_GIANT))),
        reply(2464),
    end(),
    rewrite(OBJ_PLANT, OBJ_CREEPER),
    reply({WORD_RAILING}, 1849, arg(WORD_RAILING)),
    look(),
        reply({WORD_AIR}, 2676, arg(WORD_AIR)),
        reply({WORD_RUSHES}, 2745),
        reply({WORD_DOWN, WORD_CLIFF}, 2764),
        reply({WORD_MIST}, 2380, arg(WORD_MIST)),
        reply({WORD_UP}, 2853),
        reply({WORD_SHOOTS}, 2766),
        reply({WORD_WATERS, WORD_NAVE}, 2753),
        reply({PLACE_RING_WALK_547}, 2588),
        reply({WORD_TERRACES}, 2593, arg(WORD_TERRACES)),
        reply({PLACE_PATH}, 3546, arg(10)),
        reply({WORD_BLUFF}, 3546, arg(11)),
        reply({WORD_LEDGE}, 3546, arg(12)),
        ret(),
    end(),
    when(has_word(WORD_BURN).AND(has_any_word({WORD_SHOOTS, OBJ_CREEPER})), call(p129)),
    group({WORD_AIR, WORD_SHOOTS, WORD_MIST, WORD_CLIFF, OBJ_CREEPER}),
        mark(),
        ret(),
    end(),
    mark_name({WORD_WATERS, WORD_NAVE, PLACE_RING_WALK_547, WORD_RUSHES}),
    let({WORD_CLIMB}, VAR_COMMAND_STATUS, 1),
    moving(),
        // Back down the creeper to the ledge.
        group({WORD_CLIMB, WORD_DOWN}),
            let(PLACE_HIGH_LEDGE, 2),
            forced(PLACE_HIGH_LEDGE),
        end(),
        reply({WORD_UP}, 2240),
        // The giant sits across the path out until the incense burns.
        when([] { return cond(value[OBJ_GIANT] == 5).AND(!have(OBJ_INCENSE, 0, 2)); }, reply({WORD_EAST}, 2241)),
        go({WORD_EAST}, PLACE_RIVER_BLUFF),
    end(),
    // What is dropped or thrown from here falls to the creeper hall.
    drop_to(PLACE_CREEPER_HALL, 2247),
    let(VAR_DROP_TEXT_MODE, 1),
    copy(VAR_LANDING_PLACE, VAR_DROP_PLACE),
    copy(VAR_LANDING_TEXT, VAR_DROP_TEXT),
};

}  // namespace

int p30() { return run<GULF_EDGE>(); }
int p31() { return run<FAR_GULF_EDGE>(); }
int p32() { return run<GULF_FORK>(); }
int p505() { return run<COVE>(); }
int p477() { return run<BACK_OF_THE_COVE>(); }
int p353() { return run<COLONNADE>(); }
int p727() { return run<GALLERY_STEPS>(); }
int p48() { return run<GALLERY_WEST_END>(); }
int p741() { return run_member<GALLERY, GALLERY_PLACES>(PLACE_MIDDLE_OF_GALLERY); }
int p931() { return run_member<GALLERY, GALLERY_PLACES>(PLACE_BEND_OF_GALLERY); }
int p49() { return run_member<GALLERY, GALLERY_PLACES>(PLACE_EAST_END_OF_GALLERY); }
int p52() { return run<CREEPER_HALL>(); }
int p53() { return run<HIGH_LEDGE>(); }
int p526() { return run<PINNACLE>(); }
int p54() { return run<BLUFF_PATH>(); }

