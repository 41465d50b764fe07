// The surface: the lane where play begins, the woodside, the valley, the
// streambed, the dell by the hatch, the cottage, the footbridge, the river
// bluff and the open sky of the cloth's flight; the road to the thicket, the
// valley grid of woods and meadows around them with the mire at its edges,
// and the sunken way out to the grate and its shrine. Each place's procedure
// answers its feature words, moves the player along its exits and marks the
// words of its features for the last replies.
#include "game.h"

using namespace rows;

namespace {

cond_fold one_word() { return cond(words() == 1); }
cond_fold phase_8() { return cond(value[VAR_PHASE] == 8); }
cond_fold heading_carried() { return cond(carried(OBJ_HEADING)); }
cond_fold heading_is(int state) { return heading_carried().AND(value[OBJ_HEADING] == state); }
cond_fold heading_turned_away() {
    return heading_carried().AND(value[OBJ_HEADING] >= 6).AND(value[OBJ_HEADING] <= 8);
}
// "Shut" or "open" alone, or naming the door: the same reply at the lane
// and at the cottage.
cond_fold shutting_or_opening() {
    return cond(words() == 1).OR(has(OBJ_DOOR)).AND(anyof(WORD_CLOSE, WORD_UNLOCK, WORD_CLOSE, WORD_OPEN, -1));
}

// The word of a move made as the player's heading shows: when the heading
// stone is carried, the direction of the move is the first word's.
int direction_from_first_word() {
    if (cond(carried(OBJ_HEADING))) {
        value[VAR_DIRECTION_WORD] = value[VAR_ARG1];
        *bitword(VAR_DIRECTION_WORD) = *bitword(VAR_ARG1);
    }
    return 0;
}

// An even chance between two compass words, kept in variable v as a refno.
void either_way(int v, int low_draw, int high_draw) {
    if (cond(irand(100) <= 49))
        value[v] = low_draw;
    else
        value[v] = high_draw;
    mark_ref(v);
}

// "Up" along the streambed, or the valley, goes one way or the other of the
// water, even chances.
int up_the_streambed() {
    either_way(VAR_ARG1, WORD_WEST, WORD_EAST);
    return 0;
}

// "Up" out of the dell goes one way or the other of the gully.
int up_out_of_the_dell() {
    either_way(VAR_ARG1, WORD_EAST, WORD_WEST);
    return 0;
}

// "Woods" from the woodside strikes into the trees north-east or south,
// even chances; the move goes by the drawn compass word.
int into_the_woods() {
    either_way(VAR_DIRECTION_WORD, WORD_NORTHEAST, WORD_SOUTH);
    set('V', VAR_ARG1, 'v', VAR_DIRECTION_WORD, nullptr, nullptr);
    return 0;
}

// The country round about: each place of the valley grid, its edges and the
// mire answers the words of its ground and of what it shows in the distance
// with its own variant of text 3247. The words every such place answers,
// then each place's variant and any words of its own.
constexpr int COUNTRY_WORDS[] = {
    WORD_FIELD, WORD_BRINK, WORD_TERRACES, WORD_ROLL, PLACE_MIRE, WORD_FLOWERS, WORD_GRASS, WORD_GREENERY,
    PLACE_START, PLACE_WOODSIDE, PLACE_ROAD, PLACE_PATH, PLACE_VALLEY, PLACE_STREAMBED, PLACE_DELL,
    PLACE_SLOPE, PLACE_FOOT_OF_DELL, WORD_BANK, WORD_STREAM, WORD_BRAMBLE, WORD_HOLLOW, OBJ_CAIRN,
    WORD_WALL, PLACE_FOOTBRIDGE, WORD_BLUFF, PLACE_EAST_THICKET, WORD_TRACK, WORD_DOORWAY, PLACE_GRATE,
};

struct country_view {
    int place;
    int variant;
    std::array<int, 2> own;
};

constexpr country_view COUNTRY_VIEWS[] = {
    {PLACE_FOOT_OF_DELL, 0, {}},  {PLACE_NORTHERN_HEATH, 1, {OBJ_LIQUID_1}},
    {PLACE_WESTERN_WOOD, 2, {}},  {PLACE_OAK_COPSE, 3, {}},
    {PLACE_HIGH_PASTURE, 4, {}},  {PLACE_UPPER_MEADOW, 5, {}},
    {PLACE_HILLTOP_WOOD, 6, {}},  {PLACE_ORCHARD, 7, {}},
    {PLACE_EASTERN_HEIGHTS, 8, {}}, {PLACE_SHEEP_FOLD, 9, {}},
    {PLACE_LONG_MEADOW, 10, {}},  {PLACE_FAR_FIELD, 11, {}},
    {PLACE_LOWER_WOOD, 12, {}},   {PLACE_ALDER_WOOD, 13, {}},
    {PLACE_WILLOW_BANK, 14, {}},  {PLACE_BRACKEN_SLOPE, 15, {}},
    {PLACE_SOUTHERN_WOOD, 16, {}}, {PLACE_STREAM_MEADOW, 17, {}},
    {PLACE_HAZEL_WOOD, 18, {}},   {PLACE_SOUTHERN_HEATH, 19, {}},
    {PLACE_PATH, 20, {}},         {PLACE_COPSE_EDGE, 21, {}},
    {PLACE_CAIRN_FIELD, 22, {}},  {PLACE_BEECH_WOOD, 23, {}},
    {PLACE_SUNKEN_WAY, 24, {}},   {PLACE_HOLLOW_WAY, 25, {}},
    {PLACE_MIRE, 26, {OBJ_LIQUID_1, OBJ_STEPS}}, {PLACE_WOODSIDE, 27, {}},
    {PLACE_ROAD, 28, {}},
};

// Says what the place shows round about when the command names any of its
// country words; non-zero when it did.
int country_round(int place) {
    for (const country_view &v : COUNTRY_VIEWS) {
        if (v.place != place) continue;
        int named = 0;
        for (int w : COUNTRY_WORDS) named |= has(w);
        for (int w : v.own)
            if (w) named |= has(w);
        if (!named) return 0;
        say(SAY_STOP, 3247, v.variant);
        return 1;
    }
    return 0;
}

template <int P>
int country_of() {
    return country_round(P);
}

int country_of_member() { return country_round(this_member().place); }

// --- The lane (195) ---------------------------------------------------------

// Place 195: lane.
constexpr row LANE[] = {
    when(value_at_most(VAR_PHASE, 2), let(VAR_PHASE, 3)),
    call(p80),
    reply({WORD_AIR}, 2676, arg(WORD_AIR)),
    when(shutting_or_opening, reply(3312)),
    ret({WORD_CONSUME_LIQUID}),
    // "Go in", "enter the door": the cottage.
    group({OBJ_DOOR, WORD_DOORWAY}),
        first(),
            group({WORD_IN, WORD_GO}),
                let_ref(VAR_ARG1, PLACE_DEPOSIT),
                let(VAR_COMMAND_STATUS, 1),
            end(),
            otherwise(), reply(1932, arg(WORD_IN)), end(),
        end(),
    end(),
    call({WORD_GRASS}, p396),
    look(),
        reply({WORD_PIPE}, 1511),
        reply({PLACE_PATH}, 2024),
        reply({PLACE_START, PLACE_ROAD}, 2590),
        reply({PLACE_WOODSIDE}, 2591),
        // The valley the stream runs away down.
        reply({PLACE_VALLEY}, 2683),
        reply({WORD_BANK, WORD_GULLY}, 2480),
        reply({WORD_STREAM}, 2711, arg(WORD_SOUTH)),
        ret(),
    end(),
    reply({OBJ_SNAG, OBJ_TREE, WORD_CANOPY}, 2431, arg_of(OBJ_TREE)),
    group({WORD_BANK}),
        when(one_word, reply(2480)),
        reply(2007),
    end(),
    group({WORD_CROSS}),
        reply({PLACE_START, PLACE_ROAD}, 2704),
        call_word(WORD_CROSS),
    end(),
    let({WORD_IN}, VAR_COMMAND_STATUS, 1),
    moving(),
        group(phase_8),
            go({PLACE_VALLEY}, PLACE_OAK_COPSE, 2162),
            go({PLACE_DELL, OBJ_LOCKED_GATE}, PLACE_MIRE, 2162),
            go({PLACE_STREAMBED}, PLACE_MIRE, 2162),
            go({PLACE_WOODSIDE}, PLACE_DEPOSIT, 2162),
            go({PLACE_FOOTBRIDGE}, PLACE_MIRE, 2162),
            go({WORD_LOOKOUT}, PLACE_MIRE, 2162),
        end(),
        group(heading_carried),
            group({WORD_LOOKOUT}),
                group([] { return heading_is(6); }),
                    tell(2294, arg(WORD_WEST)),
                    forced(PLACE_FOOTBRIDGE),
                end(),
                direction({WORD_LOOKOUT}, WORD_NORTHWEST),
            end(),
            first(),
                direction({PLACE_START, WORD_UP, PLACE_ROAD, PLACE_WOODSIDE}, WORD_WEST),
                direction({WORD_IN, PLACE_DEPOSIT}, WORD_EAST),
                direction({WORD_DOWNSTREAM, WORD_BANK, WORD_STREAM, WORD_DOWN, PLACE_VALLEY, PLACE_DELL}, WORD_SOUTH),
                direction({PLACE_PATH}, WORD_NORTHWEST),
            end(),
            check_heading(),
        end(),
        go({WORD_IN, WORD_EAST, PLACE_DEPOSIT}, PLACE_DEPOSIT),
        go({PLACE_START, PLACE_ROAD, WORD_WEST, WORD_UP, PLACE_WOODSIDE}, PLACE_WOODSIDE),
        go({WORD_DOWNSTREAM, WORD_STREAM, WORD_BANK, WORD_SOUTH, WORD_DOWN, PLACE_VALLEY}, PLACE_VALLEY),
        go({PLACE_DELL, OBJ_LOCKED_GATE}, PLACE_DELL),
        go({PLACE_STREAMBED}, PLACE_STREAMBED),
        go({PLACE_FOOTBRIDGE}, PLACE_FOOTBRIDGE),
        go({WORD_LOOKOUT}, PLACE_RIVER_BLUFF),
        go({WORD_NORTH}, PLACE_OAK_COPSE),
        go({WORD_NORTHEAST}, PLACE_COPSE_EDGE),
        go({WORD_SOUTHEAST}, PLACE_BEECH_WOOD),
        go({WORD_SOUTHWEST}, PLACE_ALDER_WOOD),
        go({WORD_NORTHWEST, PLACE_PATH}, PLACE_PATH),
        reply({WORD_PIPE, WORD_UPSTREAM}, 1510, arg(1)),
    end(),
    mark({WORD_PIPE, WORD_WALL, WORD_GULLY}),
};

// --- The woodside (196) -----------------------------------------------------

// Place 196: woodside.
constexpr row WOODSIDE[] = {
    call(p476),
    reply({WORD_AIR}, 2676, arg(WORD_AIR)),
    group({WORD_TRACK, WORD_TERRACES, WORD_FIELD, WORD_HEDGE}),
        look(),
            reply({WORD_TRACK}, 2593, arg(WORD_TRACK)),
            reply({WORD_TERRACES}, 2675),
            reply({WORD_FIELD}, 2707),
            reply({WORD_HEDGE}, 2708),
        end(),
        // The hedge is rooted along the edge of the woods.
        reply(all({WORD_TAKE, WORD_HEDGE}), 2760),
        first(),
            group({WORD_FIELD, WORD_TRACK}),
                when(word_count_over(1).AND(lacks_word(WORD_GO)), reply(1493)),
            end(),
            otherwise(), reply(2007), end(),
        end(),
    end(),
    call({WORD_GRASS}, p396),
    look(),
        reply({PLACE_START}, 2590),
        reply({PLACE_ROAD}, 3250, arg(1)),
        reply({PLACE_WOODSIDE}, 2591),
        reply({PLACE_DEPOSIT}, 2593, arg_of(PLACE_DEPOSIT)),
        step(country_of<PLACE_WOODSIDE>),
        ret(),
    end(),
    moving(),
        first(),
            call({PLACE_ROAD, PLACE_START}, p329, ref(PLACE_ROAD), ref(WORD_WEST), ref(PLACE_START), ref(WORD_EAST)),
            step({WORD_FOREST}, into_the_woods),
        end(),
        group(phase_8),
            go({PLACE_DEPOSIT, PLACE_START}, PLACE_ROAD, 2162),
            go({PLACE_VALLEY}, PLACE_WESTERN_WOOD, 2162),
            go({WORD_TRACK}, PLACE_COPSE_EDGE, 2162),
        end(),
        group([] { return heading_carried().AND(has(WORD_TRACK)).AND(cond(value[OBJ_HEADING] == 4).OR(value[OBJ_HEADING] == 5)); }),
            tell(2294, arg(WORD_SOUTHWEST)),
            forced(PLACE_ROAD),
        end(),
        first(),
            direction({PLACE_START, WORD_DOWN, PLACE_DEPOSIT}, WORD_EAST),
            direction({PLACE_ROAD, WORD_TRACK}, WORD_WEST),
            direction({PLACE_PATH}, WORD_NORTH),
            direction({PLACE_VALLEY}, WORD_SOUTHEAST),
        end(),
        check_heading(),
        go({PLACE_DEPOSIT, WORD_DOWN, WORD_EAST}, PLACE_START),
        go({WORD_NORTH, PLACE_PATH}, PLACE_PATH),
        go({WORD_NORTHEAST, WORD_FOREST}, PLACE_OAK_COPSE),
        go({WORD_SOUTHEAST, PLACE_VALLEY}, PLACE_VALLEY),
        go({WORD_SOUTH}, PLACE_ALDER_WOOD),
        go({WORD_SOUTHWEST}, PLACE_MIRE),
        go({WORD_NORTHWEST}, PLACE_WESTERN_WOOD),
        go({WORD_WEST, PLACE_ROAD}, PLACE_ROAD),
        go({WORD_FIELD}, PLACE_MIRE),
        // The track through the thicket: to the south thicket for one who
        // carries the funnel, else only as far as the gap.
        when(object_carried(OBJ_FUNNEL), forced_if({WORD_TRACK}, PLACE_SOUTH_THICKET)),
        forced_if({WORD_TRACK}, PLACE_THICKET_GAP),
    end(),
};

// --- The cottage (200) ------------------------------------------------------

// "Harbour" spoken of at the cottage is its roof.
int harbour_is_the_roof() {
    if (cond(arg1() == PLACE_WELL_HEAD)) fake(1, PLACE_CEILING);
    if (cond(arg2() == PLACE_WELL_HEAD)) fake(2, PLACE_CEILING);
    return 0;
}

// Putting down with nothing named: the one thing carried, if one.
int only_thing_carried() {
    default_to(0, PLACE_CARRIED, -1);
    return 0;
}

// The magic words carry the player from the cottage to the carvings or to
// the drum chamber, saying the passage text of this turn.
int magic_travel_from_the_cottage() {
    moveto(PLACE_CARVINGS, value[VAR_PASSAGE_TEXT], WORD_MAGIC_TRAVEL_1, -WORD_MAGIC_TRAVEL_1);
    if (loop) return 1;
    moveto(PLACE_DRUM_CHAMBER, value[VAR_PASSAGE_TEXT], WORD_MAGIC_TRAVEL_2, -WORD_MAGIC_TRAVEL_2);
    return 0;
}

// Place 200: cottage.
constexpr row COTTAGE[] = {
    call(p410, num(0)),
    when(lacks_word(WORD_GO), reply({OBJ_DOOR, WORD_DOORWAY}, 1932, arg(WORD_OUT))),
    group({WORD_TAP}),
        call_word({WORD_CONSUME_LIQUID}, WORD_CONSUME_LIQUID),
        reply(2078),
    end(),
    reply({WORD_GRATING}, 2077),
    when(shutting_or_opening, reply(3312)),
    call(p185, ref(OBJ_NOTICE)),
    group({OBJ_NOTICE, OBJ_GLYPHS, OBJ_SIGN, WORD_LABEL, OBJ_CARVING}),
        call_word({WORD_READ, WORD_LOOK}, WORD_LOOK),
        when(word_count_over(1), reply(2430)),
    end(),
    step({PLACE_WELL_HEAD}, harbour_is_the_roof),
    group({WORD_STONEWORK, WORD_WALL, PLACE_CEILING}),
        first(),
            group({WORD_LOOK}),
                reply({WORD_STONEWORK}, 2021),
                reply({WORD_WALL}, 2022),
                reply({PLACE_CEILING}, 2054),
                ret(),
            end(),
            reply({WORD_STONEWORK, WORD_WALL}, 2021),
            otherwise(), mark(), ret(), end(),
        end(),
    end(),
    look(),
        reply({PLACE_WELL_HEAD}, 2054),
        reply({WORD_SOURCE}, 3384, arg(1)),
        reply({WORD_PIPE}, 1511),
        reply({WORD_STREAM}, 2606),
        reply({PLACE_DEPOSIT}, 2137),
        reply({WORD_OUT, WORD_DOORWAY}, 2777),
        reply({WORD_FLAGSTONE}, 3249, arg(2)),
        reply({PLACE_START}, 2590),
        ret(),
    end(),
    group({WORD_DROP, WORD_THROW}),
        step(only_thing_carried),
        // The tusk left here is counted among the treasures from then on.
        group([] { return cond(has(OBJ_TUSK)).AND(carried(OBJ_TUSK)).AND(!bitest(OBJ_TUSK, OFLAG_SCORING)); }),
            put_here(OBJ_TUSK),
            set_flag(OBJ_TUSK, OFLAG_SCORING),
            let(OBJ_TUSK, 1),
            reply(1742, arg_of(VAR_ARG2)),
        end(),
        group([] { return cond(has(OBJ_CLOTH)).AND(carried(OBJ_CLOTH)).AND(!bitest(OBJ_CLOTH, OFLAG_SCORING)); }),
            put_here(OBJ_CLOTH),
            reply(2215, arg_of(VAR_ARG2)),
        end(),
    end(),
    when(phase_8, reply({WORD_OUT, WORD_EAST, PLACE_START}, 2705)),
    call({PLACE_START, WORD_OUT, WORD_WEST}, p868, ref(WORD_WEST), ref(PLACE_START)),
    reply(all({WORD_GO, PLACE_DEPOSIT}), 2620, arg_of(PLACE_DEPOSIT)),
    when([] { return cond(has(WORD_IN)).AND(cond(has(PLACE_DEPOSIT)).OR(words() == 1)); },
         reply(2620, arg_of(PLACE_DEPOSIT))),
    group(has_any_word({WORD_MAGIC_TRAVEL_1, WORD_MAGIC_TRAVEL_2}).AND(value_at_most(VAR_PHASE, 4))),
        let(VAR_ENTRY_REMARK, 1),
        step(magic_travel_from_the_cottage),
    end(),
    call_word(all({WORD_STREAM, WORD_CONSUME_LIQUID}), WORD_CONSUME_LIQUID),
    reply({WORD_PIPE, WORD_STREAM, WORD_DOWNSTREAM}, 1510, arg(0)),
    mark({OBJ_GLYPHS, OBJ_SIGN, OBJ_CARVING, WORD_LABEL, WORD_SOURCE, WORD_GULLY, WORD_WALL}),
};

// --- The valley (201) -------------------------------------------------------

// Place 201: valley.
constexpr row VALLEY[] = {
    call(p479),
    look(),
        reply({WORD_BANK}, 3250, arg(0)),
        reply({WORD_STREAM}, 2165, arg(WORD_STREAM)),
        // What the valley shows up and down it and along its sides.
        reply({PLACE_START, PLACE_STREAMBED, PLACE_WOODSIDE, WORD_FIELD}, 2593, arg_of(VAR_ARG2)),
        let({PLACE_VALLEY}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    call_word({WORD_CONSUME_LIQUID}, WORD_CONSUME_LIQUID),
    when([] { return cond(anyof(WORD_IN, WORD_GO, -1)).AND(has(OBJ_LIQUID_1)).OR(keyword(WORD_IN, WORD_STREAM, -1)); }, reply(2710)),
    moving(),
        first(),
            call({WORD_STREAM}, p329, ref(PLACE_START), ref(WORD_NORTH), ref(PLACE_STREAMBED), ref(WORD_SOUTH)),
            group({WORD_UP, WORD_FOREST}),
                step(up_the_streambed),
                call(direction_from_first_word),
            end(),
        end(),
        group(phase_8),
            go({PLACE_START, PLACE_DEPOSIT}, PLACE_STREAMBED, 2162),
            go({PLACE_STREAMBED}, PLACE_START, 2162),
            go({PLACE_DELL}, PLACE_OAK_COPSE, 2162),
        end(),
        group(heading_carried),
            first(),
                direction({WORD_UPSTREAM, PLACE_START, PLACE_DEPOSIT}, WORD_NORTH),
                direction({WORD_DOWN, WORD_DOWNSTREAM, PLACE_STREAMBED, PLACE_DELL}, WORD_SOUTH),
            end(),
            direction({WORD_FOREST}, WORD_WEST),
            check_heading(),
        end(),
        go({WORD_UPSTREAM, WORD_NORTH, PLACE_START, PLACE_DEPOSIT}, PLACE_START),
        go({PLACE_DELL}, PLACE_DELL),
        go({WORD_NORTHWEST}, PLACE_WOODSIDE),
        go({WORD_EAST}, PLACE_BEECH_WOOD),
        go({WORD_SOUTHEAST}, PLACE_STREAM_MEADOW),
        go({WORD_SOUTHWEST}, PLACE_WILLOW_BANK),
        go({WORD_WEST}, PLACE_ALDER_WOOD),
        go({WORD_SOUTH, WORD_DOWN, WORD_DOWNSTREAM}, PLACE_STREAMBED),
        // North-east the valley side is either way up, even chances.
        group({WORD_NORTHEAST}),
            when([] { return cond(irand(100) <= 49); }, forced(PLACE_START)),
            forced(PLACE_BEECH_WOOD),
        end(),
    end(),
    mark({WORD_GULLY}),
};

// Place 202: streambed.
// The streambed (202).
constexpr row STREAMBED[] = {
    look(),
        reply({WORD_GULLY}, 3424),
        reply({WORD_STREAM}, 2165, arg(WORD_STREAM)),
        reply({PLACE_STREAMBED, WORD_SHORE, WORD_ROCK}, 2717),
        reply({PLACE_VALLEY}, 2718, arg(0)),
        // The woods, meadows and places round about, seen from the stones.
        reply({OBJ_TREE, WORD_FOREST, WORD_FIELD, PLACE_START, PLACE_DELL, PLACE_SLOPE}, 2593, arg_of(VAR_ARG2)),
        ret(),
    end(),
    when([] { return cond(anyof(WORD_IN, WORD_GO, -1)).AND(has(OBJ_LIQUID_1)).OR(keyword(WORD_IN, WORD_STREAM, -1)); }, reply(2710)),
    when(has_word(PLACE_STREAMBED).AND(has_any_word({WORD_DOWN, WORD_IN})), let(VAR_COMMAND_STATUS, 1)),
    moving(),
        first(),
            group({WORD_UP}),
                step(up_the_streambed),
                call(direction_from_first_word),
            end(),
            group(has_word(WORD_STREAM).AND(value_is(VAR_PHASE, 3))),
                let_ref(VAR_ARG1, WORD_NORTH),
                call(direction_from_first_word),
            end(),
            group({WORD_ROCK}),
                let_ref(VAR_ARG1, WORD_SOUTH),
                call(direction_from_first_word),
            end(),
        end(),
        group(value_is(VAR_PHASE, 8)),
            go({PLACE_START}, PLACE_FOOT_OF_DELL, 2162),
            go({PLACE_DELL}, PLACE_VALLEY, 2162),
            go({PLACE_VALLEY}, PLACE_DELL, 2162),
        end(),
        group(object_carried(OBJ_HEADING)),
            first(),
                direction({WORD_DOWNSTREAM, WORD_GULLY, PLACE_DELL}, WORD_SOUTH),
                direction({PLACE_VALLEY, WORD_UPSTREAM, PLACE_DEPOSIT}, WORD_NORTH),
            end(),
            check_heading(),
        end(),
        go({PLACE_DEPOSIT, PLACE_START}, PLACE_START),
        go({WORD_UPSTREAM, WORD_NORTH, PLACE_VALLEY}, PLACE_VALLEY),
        go({WORD_DOWNSTREAM, WORD_GULLY, WORD_SOUTH, PLACE_DELL}, PLACE_DELL),
        go({WORD_NORTHEAST}, PLACE_BEECH_WOOD),
        go({WORD_EAST}, PLACE_STREAM_MEADOW),
        go({WORD_SOUTHEAST}, PLACE_HAZEL_WOOD),
        go({WORD_SOUTHWEST}, PLACE_BRACKEN_SLOPE),
        go({WORD_WEST, WORD_FOREST}, PLACE_WILLOW_BANK),
        go({WORD_NORTHWEST}, PLACE_ALDER_WOOD),
        // The way on down the streambed opens only with the place's state,
        // which nothing sets: the refusal is all a player meets.
        group({PLACE_STREAMBED, WORD_STREAM, WORD_DOWN, WORD_IN}),
            first(),
                when(value_is(PLACE_STREAMBED, 0), reply(1392)),
                otherwise(),
                    tell(1862),
                    forced_on(PLACE_SUNKEN_GROTTO_671),
                    clear_flag(VAR_COMMAND_STATUS, 0),
                    ret(),
                end(),
            end(),
        end(),
    end(),
    mark({WORD_GULLY}),
};

// --- The dell (203) ---------------------------------------------------------

// Going through the hatch: "go" is "in".
int go_means_in() {
    for (int slot : {VAR_ARG1, VAR_ARG2})
        if (value[slot] == WORD_GO) value[slot] = WORD_IN;
    return 0;
}

cond_fold hatch_open() { return cond(value[OBJ_LOCKED_GATE] == 1); }

// Place 203: dell.
constexpr row DELL[] = {
    reply({WORD_AIR}, 2676, arg(WORD_AIR)),
    look(),
        reply({WORD_GULLY}, 3425),
        reply({WORD_GRASS, WORD_FLOOR}, 2721),
        reply({PLACE_DELL, WORD_FOREST}, 2722),
        reply({WORD_KEYHOLE}, 2719),
        reply({WORD_ROCK}, 2709),
        reply({WORD_DOWN, WORD_IN}, 1712, arg(WORD_DOWN)),
        reply({PLACE_RIM}, 3249, arg(3)),
        reply({WORD_FIELD, PLACE_STREAMBED}, 2593, arg_of(VAR_ARG2)),
        ret(),
    end(),
    group({WORD_KEYHOLE}),
        reply({WORD_BREAK}, 2720),
        ret({WORD_SEARCH, OBJ_ROD}),
        mark(),
        ret(),
    end(),
    group({WORD_GULLY, WORD_ROCK}),
        ret({WORD_SEARCH}),
        when([] { return cond(!cond(has(WORD_GULLY)).AND(words() == 1)); }, reply(1493)),
    end(),
    call({WORD_GRASS}, p396),
    group(has_word(OBJ_LOCKED_GATE).AND(has_any_word({WORD_GO, WORD_IN, WORD_DOWN}))),
        let(VAR_COMMAND_STATUS, 1),
        step(go_means_in),
    end(),
    reply({WORD_STREAM, WORD_DOWNSTREAM}, 1319, arg(WORD_STREAM)),
    moving(),
        step({WORD_UP}, up_out_of_the_dell),
        group(phase_8),
            go({PLACE_START}, PLACE_FOOT_OF_DELL, 2162),
            go({PLACE_VALLEY}, PLACE_FOOT_OF_DELL, 2162),
            go({PLACE_STREAMBED}, PLACE_FOOT_OF_DELL, 2162),
        end(),
        group(heading_carried),
            direction({WORD_GULLY, WORD_STREAM, WORD_UPSTREAM, PLACE_STREAMBED, PLACE_VALLEY, PLACE_DEPOSIT},
                      WORD_NORTH),
            check_heading(),
        end(),
        go({WORD_NORTHEAST}, PLACE_STREAM_MEADOW),
        go({WORD_EAST}, PLACE_HAZEL_WOOD),
        go({WORD_SOUTHEAST}, PLACE_SOUTHERN_HEATH),
        go({WORD_SOUTH}, PLACE_FOOT_OF_DELL),
        go({WORD_SOUTHWEST}, PLACE_SOUTHERN_WOOD),
        go({WORD_WEST, WORD_FOREST}, PLACE_BRACKEN_SLOPE),
        go({WORD_NORTHWEST}, PLACE_WILLOW_BANK),
        go({WORD_NORTH, WORD_STREAM, WORD_UPSTREAM, PLACE_STREAMBED}, PLACE_STREAMBED),
        go({PLACE_VALLEY}, PLACE_VALLEY),
        go({PLACE_START, PLACE_DEPOSIT}, PLACE_START),
        group(hatch_open),
            group({WORD_IN, WORD_DOWN}),
                let(VAR_ENTRY_REMARK, 1),
                forced(PLACE_FOOT_OF_HATCH),
            end(),
        end(),
        reply({WORD_IN, WORD_DOWN}, 1390),
    end(),
    mark({WORD_GULLY}),
};

// --- The footbridge (197, 198) ----------------------------------------------

// The two ends of the footbridge share their look replies, their moves of
// the turned world and their marks; each has its own passage, heading
// words and exits.
constexpr int FOOTBRIDGE_NEAR_END = 0, FOOTBRIDGE_FAR_END = 1;

// Places 197: footbridge; 198: far end of the footbridge.
constexpr member FOOTBRIDGE_ENDS[] = {
    {PLACE_FOOTBRIDGE, {1, 0}, {
        reply({WORD_PLANKS}, 2727),
        go({PLACE_START, PLACE_DEPOSIT}, PLACE_START),
        go({WORD_LOOKOUT}, PLACE_RIVER_BLUFF),
        go({WORD_WEST}, PLACE_FAR_END_OF_FOOTBRIDGE),
        go({WORD_SOUTHEAST}, PLACE_PATH),
    }},
    {PLACE_FAR_END_OF_FOOTBRIDGE, {0, 1}, {
        go({WORD_LOOKOUT}, PLACE_RIVER_BLUFF),
        go({PLACE_DEPOSIT, PLACE_START}, PLACE_START),
        go({WORD_EAST}, PLACE_FOOTBRIDGE),
        go({WORD_NORTHWEST}, PLACE_RIVER_BLUFF),
        reply({WORD_PLANKS}, 2727),
    }},
};

// Places 197: footbridge; 198: far end of the footbridge.
constexpr row FOOTBRIDGE[] = {
    // The river runs far below the planks, out of reach.
    reply({WORD_SWIM}, 2753),
    look(),
        // The bridge and the river are the footbridge and the water under
        // its planks.
        reply({PLACE_PATH, WORD_DOWN, WORD_FLOOR, WORD_STREAM, OBJ_LIQUID_1, WORD_WATERS}, 2677, arg(1)),
        reply({WORD_PLANKS}, 2727),
        reply({PLACE_FOOTBRIDGE, OBJ_BRIDGE}, 2728, arg(1)),
        reply({WORD_RUSHES, WORD_BRINK}, 2737),
        reply({WORD_UP}, 2738),
        member_group(FOOTBRIDGE_NEAR_END), reply({WORD_BLUFF}, 2738), end(),
        member_group(FOOTBRIDGE_FAR_END), reply({WORD_BLUFF}, 3249, arg(0)), end(),
        reply({PLACE_START}, 2593, arg_of(PLACE_START)),
        ret(),
    end(),
    moving(),
        member_group(FOOTBRIDGE_NEAR_END),
            group({PLACE_PATH, PLACE_FOOTBRIDGE}),
                // Coming from the lane, the footbridge's own name leads on
                // across it, as from the path.
                when(has_word(PLACE_FOOTBRIDGE).AND(value_is(VAR_THERE, PLACE_START)), let_ref(VAR_THERE, PLACE_PATH)),
                call(p329, ref(PLACE_PATH), ref(WORD_SOUTHEAST), ref(PLACE_FAR_END_OF_FOOTBRIDGE), ref(WORD_WEST)),
            end(),
        end(),
        member_group(FOOTBRIDGE_FAR_END),
            call({PLACE_PATH, PLACE_FOOTBRIDGE}, p329, ref(PLACE_FOOTBRIDGE), ref(WORD_EAST), ref(PLACE_RIVER_BLUFF),
                 ref(WORD_NORTHWEST)),
        end(),
        group(phase_8),
            go({PLACE_START, PLACE_DEPOSIT}, PLACE_RIVER_BLUFF, 2162),
            go({WORD_LOOKOUT}, PLACE_START, 2162),
        end(),
        member_group(FOOTBRIDGE_NEAR_END),
            group(heading_carried),
                direction({PLACE_DEPOSIT, PLACE_START}, WORD_SOUTHEAST),
                group({WORD_LOOKOUT}),
                    group([] { return heading_is(1); }),
                        tell(2294, arg(WORD_NORTHWEST)),
                        forced(PLACE_FAR_END_OF_FOOTBRIDGE),
                    end(),
                    direction({WORD_LOOKOUT}, WORD_NORTHWEST),
                end(),
                direction({PLACE_PATH}, WORD_SOUTHEAST),
                check_heading(),
            end(),
        end(),
        member_group(FOOTBRIDGE_FAR_END),
            group(heading_carried),
                direction({WORD_LOOKOUT}, WORD_NORTHWEST),
                group({PLACE_DEPOSIT, PLACE_START}),
                    group([] { return heading_is(5); }),
                        tell(2294, arg(WORD_SOUTHEAST)),
                        forced(PLACE_FOOTBRIDGE),
                    end(),
                    direction({PLACE_DEPOSIT, PLACE_START}, WORD_EAST),
                end(),
                direction({PLACE_PATH}, WORD_EAST),
                direction({WORD_LOOKOUT}, WORD_NORTHWEST),
                check_heading(),
            end(),
        end(),
        member_rows(),
    end(),
    mark({PLACE_PATH, WORD_PLANKS, PLACE_FOOTBRIDGE, WORD_RUSHES}),
};

// --- The river bluff (199) --------------------------------------------------

// Which display the game is shown in picks the wording of two texts.
int display_variants() {
    const int browser = cond(test("html")) ? 1 : 0;
    set('T', 3196, 'c', browser, nullptr, nullptr);
    set('T', 3197, 'c', browser, nullptr, nullptr);
    return 0;
}

// "Board" on the bluff means reading the sign.
int board_means_sign() {
    rewrite_word(WORD_BOARD, OBJ_SIGN);
    return 0;
}

// The plant and the creeper named on the bluff are the creeper's tendrils
// that show over the edge; the thorns are the thorn tree's branches, and the
// hollow is what the cliff looks down on.
int bluff_words() {
    for (int slot : {VAR_ARG1, VAR_ARG2}) {
        if (value[slot] == OBJ_PLANT) value[slot] = OBJ_TENDRILS;
        if (value[slot] == OBJ_CREEPER) value[slot] = OBJ_TENDRILS;
        if (value[slot] == WORD_THORNS) value[slot] = WORD_BRANCH;
        if (value[slot] == WORD_HOLLOW) value[slot] = WORD_CLIFF;
    }
    set('T', 2024, 'c', 1, nullptr, nullptr);
    return 0;
}
// The tree looked at is the thorn tree on the edge (its branches); for
// anything else it is the canopy of the woods.
int tree_means_canopy() {
    const int tree = cond(anyof(WORD_LOOK, -1)) ? WORD_BRANCH : WORD_CANOPY;
    for (int slot : {VAR_ARG1, VAR_ARG2})
        if (value[slot] == OBJ_TREE) value[slot] = tree;
    return 0;
}

// What the giant lets the player name: the object the command is about.
int named_object() {
    set('V', VAR_LOOP_OBJECT, 'v', cond(words() == 2) ? VAR_ARG2 : VAR_ARG1, nullptr, nullptr);
    return 0;
}

cond_fold giant_here() { return cond(lies_here(OBJ_GIANT)); }
cond_fold creeper_grown() { return cond(value[OBJ_CREEPER] == 2); }

// Place 199: river bluff.
constexpr row BLUFF[] = {
    call(p410, num(0)),
    step(display_variants),
    // "Read" alone reads the sign.
    group(has_word(WORD_READ).AND(word_count(1))),
        let(VAR_COMMAND_STATUS, 2),
        let_ref(VAR_ARG2, OBJ_SIGN),
        ret(),
    end(),
    when(object_near(OBJ_GIANT), set_flag(OBJ_LIQUID_3, OFLAG_SEEN)),
    when([] { return cond(keyword(WORD_SNUFF, OBJ_INCENSE, -1)).AND(have(OBJ_INCENSE, 0,
                                  2)).AND(lies_here(OBJ_GIANT)); },
         reply(2841)),
    when([] { return cond(words() == 2).AND(arg2() == WORD_BOARD); }, step(board_means_sign)),
    step(bluff_words),
    // The giant guards his drink: only what is near may be spoken of.
    group([] { return giant_here().AND(anyof(WORD_BEER, OBJ_LIQUID_3, OBJ_VESSEL_MEDIUM, OBJ_FRUIT, WORD_BREW, WORD_KEG,
                                             OBJ_BREAD, WORD_PEEL, -1)); }),
        when(has_word(WORD_LOOK), reply({OBJ_FRUIT, WORD_PEEL}, 2657)),
        step(named_object),
        when([] { return cond(anyof(OBJ_VESSEL_MEDIUM, OBJ_FRUIT, OBJ_BREAD, -1)).AND(near(value[VAR_LOOP_OBJECT])); },
             ret()),
        when([] { return cond(has(OBJ_LIQUID_3)).AND(near_in(OBJ_VESSEL_LARGE, 5)); }, ret()),
        reply(2279),
    end(),
    reply({WORD_AIR}, 2676, arg(WORD_AIR)),
    when([] { return cond(keyword(WORD_THROW, OBJ_HEADING, -1)).AND(carried(OBJ_HEADING)).AND(heading_turned_away()); },
         reply(2300)),
    land(PLACE_CREEPER_HALL, 1670),
    step(tree_means_canopy),
    group({WORD_CANOPY, WORD_IVY}),
        reply({WORD_CLIMB}, 2669, arg(1)),
        reply(2431, arg(WORD_CANOPY)),
    end(),
    group({WORD_BRANCH, WORD_TWIG}),
        when(value_over(PLACE_RIVER_BLUFF, 0), reply(3346)),
        group({WORD_LOOK}),
            reply({WORD_BRANCH}, 2038),
            reply(2139),
        end(),
        // Named as typed: "thorns" are the branches here, but are not called so.
        group({WORD_BRANCH}),
            when(value_is(VAR_ARG1, WORD_BRANCH), reply(2037, arg_of(VAR_ARG1))),
            reply(2037, arg_of(VAR_ARG2)),
        end(),
        mark(),
        ret(),
    end(),
    group({PLACE_FOOTBRIDGE}),
        reply({WORD_LOOK}, 2728, arg(0)),
        let({WORD_IN}, VAR_COMMAND_STATUS, 1),
    end(),
    when(has_word(WORD_LOOK), group({WORD_DOWN, WORD_CLIFF, WORD_BRINK})),
        call(p817, ref(3377), num(1)),
        set_flag(OBJ_SPIRE, OFLAG_SEEN),
        reply(2741, arg_of(OBJ_CREEPER)),
    end(),
    group({WORD_CLIMB}),
        reply({WORD_RUSHES}, 2745),
        group({WORD_CLIFF, WORD_DOWN, OBJ_TENDRILS}),
            first(),
                group(creeper_grown),
                    call(p817, ref(3377), num(1)),
                    forced(PLACE_HIGH_LEDGE, 2843),
                end(),
                group({OBJ_TENDRILS}),
                    when(value_is(OBJ_CREEPER, 0), reply(1319, arg_of(VAR_ARG2))),
                    call(p817, ref(3377), num(1)),
                    reply(3351),
                end(),
            end(),
            reply(2742),
        end(),
    end(),
    group({WORD_CLIFF}), mark(), ret(), end(),
    when([] { return cond(bitest(OBJ_SPIRE, OFLAG_SEEN)); }, group({OBJ_SPIRE})),
        call(p817, ref(3377), num(0)),
        reply({WORD_LOOK}, 2593, arg_of(OBJ_SPIRE)),
        reply(2381),
    end(),
    look(),
        reply({WORD_STREAM}, 2753),
        group({OBJ_TENDRILS}),
            when(value_is(OBJ_CREEPER, 0), reply(1319, arg_of(VAR_ARG2))),
            group(value_is(OBJ_CREEPER, 1)),
                call(p817, ref(3377), num(1)),
                reply(2952, arg_of(OBJ_CREEPER)),
            end(),
        end(),
        reply({WORD_TERRACES}, 2593, arg(WORD_TERRACES)),
        reply({PLACE_WEST_END_OF_GALLERY}, 2743, arg(0)),
        reply({WORD_LOOKOUT, WORD_SKYLINE, WORD_WATERS, WORD_WAVE}, 2744),
        reply({WORD_REFLECT}, 2689, arg(1)),
        reply({WORD_LEAVES, WORD_BLUFF, OBJ_VINE}, 2746),
        reply({WORD_RUSHES}, 2745),
        reply({WORD_NAVE}, 2753),
        reply({PLACE_PATH}, 3249, arg(1)),
        ret(),
    end(),
    when(has_any_word({OBJ_VINE, WORD_BLUFF}), reply({WORD_TAKE}, 2747)),
    reply({WORD_RAILING}, 1849, arg(WORD_RAILING)),
    group(one_word),
        reply({WORD_LOOKOUT, WORD_SKYLINE, WORD_WATERS}, 2993, arg_of(VAR_ARG1)),
        reply({PLACE_RING_WALK_547}, 2588),
        reply({WORD_RUSHES, WORD_LEAVES, OBJ_VINE, WORD_BLUFF, PLACE_WEST_END_OF_GALLERY, WORD_WATERS, WORD_WAVE},
              2007),
    end(),
    group({WORD_RUSHES, WORD_LEAVES, OBJ_VINE, WORD_BLUFF}), mark(), ret(), end(),
    mark_name({PLACE_WEST_END_OF_GALLERY, WORD_WATERS, WORD_WAVE}),
    ret({PLACE_WEST_END_OF_GALLERY, WORD_WATERS, WORD_WAVE}),
    let(all({WORD_IN, OBJ_TENDRILS}), VAR_COMMAND_STATUS, 1),
    moving(),
        when(phase_8, reply({PLACE_DEPOSIT, PLACE_START}, 2560)),
        group(heading_carried),
            first(),
                group({PLACE_DEPOSIT, PLACE_START}),
                    group([] { return heading_is(2); }),
                        tell(2294, arg(WORD_EAST)),
                        forced(PLACE_FAR_END_OF_FOOTBRIDGE),
                    end(),
                    direction({PLACE_DEPOSIT, PLACE_START}, WORD_SOUTHEAST),
                end(),
                direction({PLACE_FOOTBRIDGE, WORD_OUT, PLACE_PATH}, WORD_SOUTHEAST),
            end(),
            check_heading(),
        end(),
        group({PLACE_DEPOSIT, PLACE_START, PLACE_PATH, PLACE_FOOTBRIDGE}),
            when(phase_8, reply(2706)),
            go({PLACE_FOOTBRIDGE}, PLACE_FAR_END_OF_FOOTBRIDGE),
            go({PLACE_DEPOSIT, PLACE_START}, PLACE_START),
        end(),
        group([] { return cond(anyof(OBJ_TENDRILS, WORD_WEST, -1)).AND(creeper_grown()); }),
            call(p817, ref(3377), num(1)),
            forced(PLACE_BLUFF_PATH, 2239),
        end(),
        group({WORD_JUMP}),
            when(heading_turned_away, reply(2298)),
            forced_on(PLACE_GONE),
            call(p803),
        end(),
        go({PLACE_FOOTBRIDGE, PLACE_PATH, WORD_OUT, WORD_SOUTHEAST}, PLACE_FAR_END_OF_FOOTBRIDGE),
    end(),
    first(),
        mark(all({PLACE_FOOTBRIDGE, PLACE_PATH})),
        mark_name({PLACE_FOOTBRIDGE, WORD_LOOKOUT, WORD_SKYLINE, PLACE_RING_WALK_547, WORD_WATERS, WORD_REFLECT,
                   PLACE_PATH}),
    end(),
};

// --- The open sky (586) -----------------------------------------------------

// The cloth flies on for a few commands, counted down in the place's value;
// while it does, only the game's own words, the magic words and a few
// replies of its own are allowed.
cond_fold still_flying() { return cond(value[PLACE_OPEN_SKY] > 0); }
cond_fold ring_never_seen() { return cond(!bitest(PLACE_RING_WALK_547, PFLAG_VISITED)); }
cond_fold game_control_word() {
    return cond(anyof(WORD_INVENTORY, WORD_SCORE, WORD_QUIT, WORD_SAVE, WORD_WAIT, WORD_MARK, WORD_REWIND, WORD_SAY,
                      WORD_ACCEPT, WORD_DECLINE, -1))
        .OR(anyof(WORD_MODE_BRIEF_VISITED, WORD_MODE_LONG_ALL, WORD_MODE_BRIEF_ALL, WORD_LINE_WIDTH, WORD_PAGE_LENGTH,
                  WORD_MARGIN, WORD_LISTEN, WORD_BEGIN, -1))
        .OR(within(arg1(), 704, 722));
}

// Place 586: open sky.
constexpr row OPEN_SKY[] = {
    add(PLACE_OPEN_SKY, -1),
    first(),
        group(still_flying),
            set_flag(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_MOVED),
            when(ring_never_seen, clear_flag(PLACE_OPEN_SKY, PFLAG_VISITED)),
            ret({WORD_SAND, WORD_MIST, WORD_RAMP}),
        end(),
        otherwise(), ret({OBJ_CREEPER}), end(),
    end(),
    look(),
        when([] { return one_word().AND(ring_never_seen()); }, stop()),
        reply({WORD_REFLECT}, 2689, arg(1)),
        reply({PLACE_RING_WALK_547}, 2793),
        reply({WORD_NAVE}, 2753),
        reply({OBJ_GIANT}, 3028, arg_of(PLACE_OPEN_SKY)),
        reply({OBJ_CLOTH}, 3029),
        reply({WORD_TERRACES, OBJ_RAVINE}, 2794, arg_of(PLACE_OPEN_SKY)),
        reply({WORD_SAND, PLACE_WEST_END_OF_GALLERY}, 2795, arg_of(PLACE_OPEN_SKY)),
        reply({OBJ_CREEPER}, 2796),
        reply({WORD_MIST, WORD_RAMP}, 3204),
        reply({WORD_CLIFF}, 2797, arg_of(PLACE_OPEN_SKY)),
        ret(),
    end(),
    when([] { return cond(has(WORD_TAKE)).AND(one_word().OR(anyof(WORD_PEBBLES, OBJ_CLOTH, -1))); }, reply(2840)),
    group({WORD_FLY}),
        when([] { return one_word().OR(anyof(WORD_WEST, PLACE_RING_WALK_547, WORD_ON, WORD_ACROSS, WORD_UP, -1)); },
             reply(3382)),
        when([] { return cond(within(arg2(), 744, 756)).OR(has(OBJ_CLOTH)); }, reply(3383)),
    end(),
    reply({WORD_WAIT}, 1381),
    group(has_any_word({WORD_GO, WORD_FLY}).OR(word_count(1))),
        reply({WORD_ON, PLACE_RING_WALK_547, WORD_TERRACES}, 3203),
        reply({WORD_BACK}, 1387, arg(1)),
    end(),
    when([] { return cond(!game_control_word()); }, reply(2424)),
    mark_name({WORD_CLIFF, OBJ_CREEPER, WORD_MIST, WORD_REFLECT, WORD_RAMP, OBJ_GIANT}),
    mark_name({WORD_SAND, PLACE_WEST_END_OF_GALLERY, WORD_TERRACES, OBJ_RAVINE, WORD_MIST, WORD_NAVE,
               PLACE_RING_WALK_547, WORD_WATERS}),
};

// --- The road (480) ---------------------------------------------------------

cond_fold even_chance() { return cond(irand(100) < 50); }

// Place 480: road.
constexpr row ROAD[] = {
    call(p475),
    reply({WORD_AIR}, 2676, arg(WORD_AIR)),
    call({WORD_GRASS}, p396),
    look(),
        reply({PLACE_WOODSIDE}, 2591),
        reply({WORD_TRACK}, 2593, arg(WORD_TRACK)),
        step(country_of<PLACE_ROAD>),
        ret(),
    end(),
    moving(),
        call({PLACE_ROAD, PLACE_START}, p329, ref(PLACE_THICKET_GAP), ref(WORD_SOUTHWEST), ref(PLACE_WOODSIDE),
             ref(WORD_EAST)),
        group(heading_carried),
            direction({WORD_UP, PLACE_WOODSIDE, PLACE_DEPOSIT, PLACE_START}, WORD_EAST),
            direction({WORD_TRACK, OBJ_GRILLE}, WORD_SOUTHWEST),
            check_heading(),
        end(),
        group(phase_8),
            go({PLACE_DEPOSIT, PLACE_START, PLACE_WOODSIDE}, PLACE_MIRE, 2162),
            go({WORD_TRACK, OBJ_GRILLE}, PLACE_WESTERN_WOOD, 2162),
        end(),
        go({PLACE_DEPOSIT}, PLACE_START),
        go({WORD_EAST, WORD_UP, PLACE_WOODSIDE}, PLACE_WOODSIDE),
        go({WORD_NORTH, WORD_NORTHEAST}, PLACE_WESTERN_WOOD),
        go({WORD_NORTHWEST, WORD_WEST}, PLACE_MIRE),
        go({WORD_SOUTHWEST, WORD_TRACK, OBJ_GRILLE}, PLACE_THICKET_GAP),
        // Off the road to the south the way is soon lost: half the time
        // among the willows, else where the word pointed.
        group({WORD_SOUTHEAST, WORD_SOUTH}),
            first(),
                when(even_chance, forced_on(PLACE_WILLOW_BANK)),
                group({WORD_SOUTH}), forced_on(PLACE_BRACKEN_SLOPE), end(),
                otherwise(), forced_on(PLACE_ALDER_WOOD), end(),
            end(),
            reply(2465),
        end(),
    end(),
    mark({PLACE_ROAD}),
    mark_name({PLACE_WOODSIDE, WORD_TRACK}),
};

// --- The valley grid (518..541) ---------------------------------------------

// Place 518: foot of the dell.
// The foot of the dell (518).
constexpr row DELL_FOOT[] = {
    when([] { return cond(has(WORD_CLIMB)).AND(one_word().OR(anyof(WORD_UP, WORD_OUT, PLACE_SLANT, WORD_ROCK, WORD_WALL,
                                                                   WORD_RAMP, -1))); },
         reply(1695)),
    call(p479),
    look(),
        reply({WORD_FENCE, WORD_STILE}, 2723, arg_of(VAR_ARG2)),
        reply({WORD_ROCK, PLACE_SLANT}, 2724),
        reply({WORD_DIRT}, 3250, arg(3)),
        step(country_of<PLACE_FOOT_OF_DELL>),
        ret(),
    end(),
    group({WORD_EAT}),
        reply({WORD_FENCE}, 2725),
        reply({WORD_STILE}, 2726),
    end(),
    group({WORD_FENCE, WORD_STILE, WORD_ROCK, PLACE_SLANT}), mark(), ret(), end(),
    moving(),
        group(heading_carried),
            direction({PLACE_DELL, PLACE_STREAMBED, PLACE_VALLEY, PLACE_DEPOSIT}, WORD_NORTH),
            check_heading(),
        end(),
        when(phase_8, go({PLACE_DEPOSIT, PLACE_STREAMBED, PLACE_VALLEY}, PLACE_FOOT_OF_DELL, 2162)),
        go({WORD_NORTH, PLACE_DELL}, PLACE_DELL),
        go({PLACE_DEPOSIT, PLACE_START}, PLACE_START),
        go({PLACE_STREAMBED}, PLACE_STREAMBED),
        go({PLACE_VALLEY}, PLACE_VALLEY),
        go({WORD_NORTHEAST}, PLACE_HAZEL_WOOD),
        go({WORD_EAST}, PLACE_SOUTHERN_HEATH),
        go({WORD_WEST, WORD_FOREST}, PLACE_SOUTHERN_WOOD),
        go({WORD_NORTHWEST}, PLACE_BRACKEN_SLOPE),
    end(),
    mark({WORD_WALL, WORD_RAMP, WORD_AIR}),
};

// Place 519: northern heath.
// The northern heath (519).
constexpr row NORTHERN_HEATH[] = {
    look(),
        reply({PLACE_PATH, PLACE_FOOTBRIDGE}, 2593, arg_of(VAR_ARG2)),
        step(country_of<PLACE_NORTHERN_HEATH>),
        ret(),
    end(),
    moving(),
        group(heading_carried),
            direction({PLACE_PATH, PLACE_FOOTBRIDGE}, WORD_SOUTHWEST),
            check_heading(),
        end(),
        go({WORD_NORTH, WORD_NORTHEAST, WORD_WEST, WORD_NORTHWEST}, PLACE_MIRE),
        go({WORD_EAST}, PLACE_HIGH_PASTURE),
        go({WORD_SOUTHEAST}, PLACE_OAK_COPSE),
        go({WORD_SOUTH, WORD_SOUTHWEST, PLACE_PATH, PLACE_FOOTBRIDGE}, PLACE_PATH),
    end(),
    mark({PLACE_PATH, PLACE_FOOTBRIDGE}),
};

// Place 520: western wood.
// The western wood (520).
constexpr row WESTERN_WOOD[] = {
    look(),
        reply({PLACE_PATH, PLACE_FOOTBRIDGE}, 2593, arg_of(VAR_ARG2)),
        step(country_of<PLACE_WESTERN_WOOD>),
        ret(),
    end(),
    moving(),
        group(heading_carried),
            first(),
                direction({PLACE_ROAD}, WORD_SOUTH),
                direction({PLACE_PATH, PLACE_FOOTBRIDGE}, WORD_EAST),
            end(),
            check_heading(),
        end(),
        go({WORD_NORTHEAST, WORD_EAST, PLACE_PATH, PLACE_FOOTBRIDGE}, PLACE_PATH),
        go({WORD_SOUTHEAST}, PLACE_WOODSIDE),
        go({WORD_SOUTH, PLACE_ROAD}, PLACE_ROAD),
        go({WORD_SOUTHWEST, WORD_WEST, WORD_NORTHWEST}, PLACE_MIRE),
    end(),
    mark({PLACE_PATH, PLACE_FOOTBRIDGE}),
};

// Place 521: oak copse.
// The oak copse (521).
constexpr row OAK_COPSE[] = {
    look(),
        reply({PLACE_START}, 2593, arg_of(PLACE_START)),
        step(country_of<PLACE_OAK_COPSE>),
        ret(),
    end(),
    moving(),
        when(phase_8, go({PLACE_DEPOSIT}, PLACE_HIGH_PASTURE, 2162)),
        group(heading_carried),
            first(),
                direction({PLACE_START, PLACE_DEPOSIT}, WORD_SOUTH),
                direction({PLACE_PATH}, WORD_WEST),
            end(),
            check_heading(),
        end(),
        go({WORD_NORTH}, PLACE_HIGH_PASTURE),
        go({WORD_NORTHEAST}, PLACE_UPPER_MEADOW),
        go({WORD_EAST}, PLACE_COPSE_EDGE),
        go({WORD_SOUTHEAST, WORD_SOUTH, WORD_SOUTHWEST, PLACE_DEPOSIT, PLACE_START}, PLACE_START),
        go({WORD_WEST}, PLACE_PATH),
        go({WORD_NORTHWEST}, PLACE_NORTHERN_HEATH),
    end(),
    mark({PLACE_START}),
};

// The cells with nothing but their ways out: the high pasture and the
// meadows and woods to the east, and the cells along the streambed and the
// dell, where "down" and the valley's name go the way the ground falls (east
// from the alders to the southern wood, west from the stream meadow to the
// southern heath).
constexpr int DOWN_EAST = 0, DOWN_WEST = 1;

// Places 522: high pasture; 523: upper meadow; 524: hilltop wood; 526: eastern heights;
//   527: sheep fold; 530: lower wood; 531: alder wood; 532: willow bank; 533: bracken slope;
//   534: southern wood; 535: stream meadow; 536: hazel wood; 537: southern heath.
constexpr member GRID_CELLS[] = {
    {PLACE_HIGH_PASTURE, {},
     {go({WORD_NORTH, WORD_NORTHEAST, WORD_NORTHWEST}, PLACE_MIRE), go({WORD_EAST}, PLACE_UPPER_MEADOW),
      go({WORD_SOUTHEAST}, PLACE_COPSE_EDGE), go({WORD_SOUTH}, PLACE_OAK_COPSE), go({WORD_SOUTHWEST}, PLACE_PATH),
               go({WORD_WEST}, PLACE_NORTHERN_HEATH)}},
    {PLACE_UPPER_MEADOW, {},
     {go({WORD_NORTH, WORD_NORTHEAST, WORD_NORTHWEST}, PLACE_MIRE), go({WORD_EAST}, PLACE_HILLTOP_WOOD),
      go({WORD_SOUTHEAST}, PLACE_ORCHARD), go({WORD_SOUTH}, PLACE_COPSE_EDGE), go({WORD_SOUTHWEST}, PLACE_OAK_COPSE),
               go({WORD_WEST}, PLACE_HIGH_PASTURE)}},
    {PLACE_HILLTOP_WOOD, {},
     {go({WORD_NORTH, WORD_NORTHEAST, WORD_EAST, WORD_NORTHWEST}, PLACE_MIRE),
      go({WORD_SOUTHEAST}, PLACE_EASTERN_HEIGHTS), go({WORD_SOUTH}, PLACE_ORCHARD),
      go({WORD_SOUTHWEST}, PLACE_COPSE_EDGE), go({WORD_WEST}, PLACE_UPPER_MEADOW)}},
    {PLACE_EASTERN_HEIGHTS, {},
     {go({WORD_NORTH, WORD_NORTHEAST, WORD_EAST, WORD_SOUTHEAST}, PLACE_MIRE), go({WORD_SOUTH}, PLACE_SHEEP_FOLD),
      go({WORD_SOUTHWEST}, PLACE_CAIRN_FIELD), go({WORD_WEST}, PLACE_ORCHARD),
      go({WORD_NORTHWEST}, PLACE_HILLTOP_WOOD)}},
    {PLACE_SHEEP_FOLD, {},
     {go({WORD_NORTH}, PLACE_EASTERN_HEIGHTS), go({WORD_NORTHEAST, WORD_EAST, WORD_SOUTHEAST}, PLACE_MIRE),
      go({WORD_SOUTH}, PLACE_FAR_FIELD), go({WORD_SOUTHWEST}, PLACE_LONG_MEADOW), go({WORD_WEST}, PLACE_CAIRN_FIELD),
               go({WORD_NORTHWEST}, PLACE_ORCHARD)}},
    {PLACE_LOWER_WOOD, {},
     {go({WORD_NORTH}, PLACE_LONG_MEADOW), go({WORD_NORTHEAST}, PLACE_FAR_FIELD),
      go({WORD_EAST, WORD_SOUTHEAST, WORD_SOUTH}, PLACE_MIRE), go({WORD_SOUTHWEST}, PLACE_HAZEL_WOOD),
      go({WORD_WEST}, PLACE_STREAM_MEADOW),
               go({WORD_NORTHWEST}, PLACE_BEECH_WOOD)}},
    {PLACE_ALDER_WOOD, {1, 0},
     {go({WORD_NORTH, WORD_NORTHEAST}, PLACE_START), go({WORD_EAST, WORD_DOWN, PLACE_VALLEY}, PLACE_VALLEY),
      go({WORD_SOUTHEAST}, PLACE_STREAMBED), go({WORD_SOUTH}, PLACE_WILLOW_BANK),
                   go({WORD_SOUTHWEST, WORD_WEST, WORD_NORTHWEST}, PLACE_MIRE)}},
    {PLACE_WILLOW_BANK, {1, 0},
     {go({WORD_NORTH}, PLACE_ALDER_WOOD), go({WORD_NORTHEAST}, PLACE_VALLEY),
      go({WORD_EAST, WORD_DOWN, PLACE_VALLEY}, PLACE_STREAMBED), go({WORD_SOUTHEAST}, PLACE_DELL),
      go({WORD_SOUTH}, PLACE_BRACKEN_SLOPE),
                   go({WORD_SOUTHWEST, WORD_WEST, WORD_NORTHWEST}, PLACE_MIRE)}},
    {PLACE_BRACKEN_SLOPE, {1, 0},
     {go({WORD_NORTH}, PLACE_WILLOW_BANK), go({WORD_NORTHEAST}, PLACE_STREAMBED),
      go({WORD_EAST, WORD_DOWN, PLACE_VALLEY}, PLACE_DELL), go({WORD_SOUTHEAST}, PLACE_FOOT_OF_DELL),
      go({WORD_SOUTH}, PLACE_SOUTHERN_WOOD),
                   go({WORD_SOUTHWEST, WORD_WEST, WORD_NORTHWEST}, PLACE_MIRE)}},
    {PLACE_SOUTHERN_WOOD, {1, 0},
     {go({WORD_NORTH}, PLACE_BRACKEN_SLOPE), go({WORD_NORTHEAST}, PLACE_DELL),
      go({WORD_EAST, WORD_DOWN, PLACE_VALLEY}, PLACE_FOOT_OF_DELL), go({WORD_SOUTHEAST}, PLACE_SOUTHERN_HEATH),
                   go({WORD_SOUTH, WORD_SOUTHWEST, WORD_WEST, WORD_NORTHWEST}, PLACE_MIRE)}},
    {PLACE_STREAM_MEADOW, {0, 1},
     {go({WORD_NORTH}, PLACE_BEECH_WOOD), go({WORD_NORTHEAST}, PLACE_LONG_MEADOW), go({WORD_EAST}, PLACE_LOWER_WOOD),
      go({WORD_SOUTHEAST}, PLACE_MIRE), go({WORD_SOUTH}, PLACE_HAZEL_WOOD), go({WORD_SOUTHWEST}, PLACE_DELL),
                   go({WORD_WEST, WORD_DOWN, PLACE_VALLEY}, PLACE_STREAMBED), go({WORD_NORTHWEST}, PLACE_VALLEY)}},
    {PLACE_HAZEL_WOOD, {0, 1},
     {go({WORD_NORTH}, PLACE_STREAM_MEADOW), go({WORD_NORTHEAST}, PLACE_LOWER_WOOD),
      go({WORD_EAST, WORD_SOUTHEAST}, PLACE_MIRE), go({WORD_SOUTH}, PLACE_SOUTHERN_HEATH),
      go({WORD_SOUTHWEST}, PLACE_FOOT_OF_DELL),
                   go({WORD_WEST, WORD_DOWN, PLACE_VALLEY}, PLACE_DELL), go({WORD_NORTHWEST}, PLACE_STREAMBED)}},
    {PLACE_SOUTHERN_HEATH, {0, 1},
     {go({WORD_NORTH}, PLACE_HAZEL_WOOD), go({WORD_NORTHEAST, WORD_EAST, WORD_SOUTHEAST, WORD_SOUTH}, PLACE_MIRE),
      go({WORD_SOUTHWEST}, PLACE_SOUTHERN_WOOD), go({WORD_WEST, WORD_DOWN, PLACE_VALLEY}, PLACE_FOOT_OF_DELL),
                   go({WORD_NORTHWEST}, PLACE_DELL)}},
};

// Places 522: high pasture; 523: upper meadow; 524: hilltop wood; 526: eastern heights;
//   527: sheep fold; 530: lower wood; 531: alder wood; 532: willow bank; 533: bracken slope;
//   534: southern wood; 535: stream meadow; 536: hazel wood; 537: southern heath.
constexpr row GRID_CELL[] = {
    look(), step(country_of_member), end(),
    moving(),
        member_group(DOWN_EAST), when(heading_carried, heading({WORD_DOWN, PLACE_VALLEY}, WORD_EAST)), end(),
        member_group(DOWN_WEST), when(heading_carried, heading({WORD_DOWN, PLACE_VALLEY}, WORD_WEST)), end(),
        member_rows(),
    end(),
};

// Places 525: orchard; 528: long meadow.
// The orchard and the long meadow (525, 528): one way of each lies between
// two neighbours, and the walker comes out at either, even chances: the
// orchard's south-west between the copse edge and the cairn field, the
// meadow's north-west between the cairn field and the beech wood. k holds
// that way's word and its two places.
constexpr member FORKED_CELLS[] = {
    {PLACE_ORCHARD, {WORD_SOUTHWEST, PLACE_COPSE_EDGE, PLACE_CAIRN_FIELD},
     {go({WORD_NORTH}, PLACE_HILLTOP_WOOD), go({WORD_NORTHEAST}, PLACE_MIRE), go({WORD_EAST}, PLACE_EASTERN_HEIGHTS),
      go({WORD_SOUTHEAST}, PLACE_SHEEP_FOLD), go({WORD_SOUTH}, PLACE_CAIRN_FIELD),
                            go({WORD_WEST}, PLACE_COPSE_EDGE), go({WORD_NORTHWEST}, PLACE_UPPER_MEADOW)}},
    {PLACE_LONG_MEADOW, {WORD_NORTHWEST, PLACE_CAIRN_FIELD, PLACE_BEECH_WOOD},
     {go({WORD_NORTH}, PLACE_CAIRN_FIELD), go({WORD_NORTHEAST}, PLACE_SHEEP_FOLD), go({WORD_EAST}, PLACE_FAR_FIELD),
      go({WORD_SOUTHEAST}, PLACE_MIRE), go({WORD_SOUTH}, PLACE_LOWER_WOOD),
                            go({WORD_SOUTHWEST}, PLACE_STREAM_MEADOW), go({WORD_WEST}, PLACE_BEECH_WOOD)}},
};

// The forked way of the cell being run; the draw is made only when its word
// is in the command.
int forked_way() {
    const member_info &cell = this_member();
    if (!cond(has(cell.k[0]))) return 0;
    if (cond(irand(100) < 50))
        moveto(cell.k[1], -2);
    else
        moveto(cell.k[2], -2);
    return 1;
}

// Places 525: orchard; 528: long meadow.
constexpr row FORKED_CELL[] = {
    look(), step(country_of_member), end(),
    moving(),
        member_rows(),
        step(forked_way),
    end(),
};

// The far field (529): the way south-east into the sunken way is open once
// the grate has been found, or the player has come back from it; the path
// by name only once the player has come back from it.
cond_fold sunken_way_known() { return cond(value[PLACE_FAR_FIELD] == 1); }

// Place 529: far field.
constexpr row FAR_FIELD[] = {
    look(), step(country_of<PLACE_FAR_FIELD>), end(),
    moving(),
        go({WORD_NORTH}, PLACE_SHEEP_FOLD),
        group({WORD_SOUTHEAST}),
            when([] { return cond(is_visited(PLACE_GRATE)).OR(value[PLACE_FAR_FIELD] > 0); }, forced(PLACE_SUNKEN_WAY)),
            forced(PLACE_MIRE),
        end(),
        go({WORD_NORTHEAST, WORD_EAST, WORD_SOUTH}, PLACE_MIRE),
        go({WORD_SOUTHWEST}, PLACE_LOWER_WOOD),
        go({WORD_WEST}, PLACE_LONG_MEADOW),
        go({WORD_NORTHWEST}, PLACE_CAIRN_FIELD),
        group({PLACE_PATH}),
            when(sunken_way_known, forced(PLACE_SUNKEN_WAY)),
            reply(1319, arg_of(PLACE_PATH)),
        end(),
    end(),
};

// Place 538: path.
// The path (538), between the lane, the woods and the footbridge.
constexpr row PATH[] = {
    reply({WORD_AIR}, 2676, arg(WORD_AIR)),
    look(),
        reply({PLACE_PATH}, 2677, arg(0)),
        reply({PLACE_FOOTBRIDGE}, 2728, arg(0)),
        step(country_of<PLACE_PATH>),
        ret(),
    end(),
    moving(),
        call({PLACE_PATH}, p329, ref(PLACE_START), ref(WORD_SOUTHEAST), ref(PLACE_FOOTBRIDGE), ref(WORD_NORTHWEST)),
        group(phase_8),
            go({PLACE_START, PLACE_DEPOSIT}, PLACE_RIVER_BLUFF, 2162),
            go({WORD_LOOKOUT}, PLACE_START, 2162),
        end(),
        group(heading_carried),
            group({WORD_LOOKOUT}),
                // The lodestone pointing west turns the walk to the lookout
                // onto the footbridge.
                group([] { return heading_is(6); }),
                    tell(2294, arg(WORD_WEST)),
                    forced(PLACE_FOOTBRIDGE),
                end(),
                direction({WORD_LOOKOUT}, WORD_NORTHWEST),
            end(),
            direction({PLACE_FOOTBRIDGE}, WORD_NORTHWEST),
            direction({WORD_FOREST}, WORD_NORTH),
            direction({PLACE_DEPOSIT}, WORD_SOUTHEAST),
            check_heading(),
        end(),
        go({WORD_NORTHWEST, PLACE_FOOTBRIDGE}, PLACE_FOOTBRIDGE),
        go({WORD_NORTH, WORD_FOREST}, PLACE_NORTHERN_HEATH),
        go({WORD_NORTHEAST}, PLACE_HIGH_PASTURE),
        go({WORD_EAST}, PLACE_OAK_COPSE),
        go({WORD_SOUTHEAST, PLACE_START, PLACE_DEPOSIT}, PLACE_START),
        go({WORD_SOUTH}, PLACE_WOODSIDE),
        go({WORD_SOUTHWEST, WORD_WEST}, PLACE_WESTERN_WOOD),
        go({WORD_LOOKOUT}, PLACE_RIVER_BLUFF),
    end(),
    mark({PLACE_PATH, PLACE_FOOTBRIDGE}),
};

// Place 539: copse edge.
// The copse edge (539): south lies between the cairn field and the lane.
constexpr row COPSE_EDGE[] = {
    call(p80),
    look(), step(country_of<PLACE_COPSE_EDGE>), end(),
    moving(),
        group(heading_carried),
            direction({PLACE_START}, WORD_SOUTHWEST),
            check_heading(),
        end(),
        when(phase_8, go({PLACE_START}, PLACE_MIRE, 2162)),
        go({WORD_NORTH}, PLACE_UPPER_MEADOW),
        go({WORD_NORTHEAST}, PLACE_HILLTOP_WOOD),
        go({WORD_EAST}, PLACE_ORCHARD),
        go({WORD_SOUTHEAST}, PLACE_CAIRN_FIELD),
        go({WORD_SOUTHWEST, PLACE_START}, PLACE_START),
        go({WORD_WEST}, PLACE_OAK_COPSE),
        go({WORD_NORTHWEST}, PLACE_HIGH_PASTURE),
        group({WORD_SOUTH}),
            when(even_chance, forced(PLACE_CAIRN_FIELD)),
            forced(PLACE_START),
        end(),
    end(),
};

// The cairn field (540), where scraps of meat are left on the stones: "take"
// alone, or with the bait or "all", takes one, whatever became of the last.
cond_fold bait_to_be_had() { return cond(value[VAR_PHASE] <= 7); }

// Place 540: cairn field.
constexpr row CAIRN_FIELD[] = {
    set_flag(OBJ_BAIT, OFLAG_SEEN),
    group(bait_to_be_had),
        group([] { return cond(has(OBJ_BAIT)).OR(one_word()).OR(has(OBJ_ALL)); }),
            group({WORD_TAKE}),
                when(object_carried(OBJ_BAIT), reply(2360)),
                put(OBJ_BAIT, PLACE_CARRIED),
                reply(2357),
            end(),
        end(),
        group({OBJ_BAIT}),
            group({WORD_LOOK}),
                say_as(SAY_DETAIL, OBJ_BAIT, 0),
                stop(),
            end(),
            group(one_word),
                set_flag(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_ORPHAN),
                reply(1507, arg_of(VAR_ARG1)),
            end(),
            when(object_not_carried(OBJ_BAIT), mark()),
        end(),
    end(),
    when(value_over(VAR_PHASE, 7), reply({OBJ_BAIT}, 3347)),
    call(p80),
    look(),
        reply({WORD_MARKER, WORD_BALCONY, WORD_STONE}, 3485),
        // The field of cairns is the place itself.
        reply({WORD_FIELD}, 1453),
        step(country_of<PLACE_CAIRN_FIELD>),
        ret(),
    end(),
    moving(),
        group(heading_carried),
            direction({PLACE_START}, WORD_WEST),
            check_heading(),
        end(),
        go({WORD_NORTH}, PLACE_ORCHARD),
        go({WORD_NORTHEAST}, PLACE_EASTERN_HEIGHTS),
        go({WORD_EAST}, PLACE_SHEEP_FOLD),
        go({WORD_SOUTHEAST}, PLACE_FAR_FIELD),
        go({WORD_SOUTH}, PLACE_LONG_MEADOW),
        go({WORD_SOUTHWEST}, PLACE_BEECH_WOOD),
        go({WORD_NORTHWEST}, PLACE_COPSE_EDGE),
        when(phase_8, go({PLACE_START}, PLACE_SHEEP_FOLD, 2162)),
        go({PLACE_START}, PLACE_START),
        group({WORD_WEST}),
            when(even_chance, forced(PLACE_COPSE_EDGE)),
            forced(PLACE_BEECH_WOOD),
        end(),
    end(),
};

// Place 541: beech wood.
// The beech wood (541): north lies between the cairn field and the lane.
constexpr row BEECH_WOOD[] = {
    call(p80),
    look(), step(country_of<PLACE_BEECH_WOOD>), end(),
    moving(),
        group(heading_carried),
            direction({PLACE_VALLEY}, WORD_WEST),
            direction({PLACE_START}, WORD_NORTHWEST),
            check_heading(),
        end(),
        go({WORD_NORTHEAST}, PLACE_CAIRN_FIELD),
        go({WORD_EAST}, PLACE_LONG_MEADOW),
        go({WORD_SOUTHEAST}, PLACE_LOWER_WOOD),
        go({WORD_SOUTH}, PLACE_STREAM_MEADOW),
        go({WORD_SOUTHWEST}, PLACE_STREAMBED),
        when(phase_8, go({PLACE_START}, PLACE_LOWER_WOOD, 2162)),
        go({WORD_WEST, WORD_DOWN, PLACE_VALLEY}, PLACE_VALLEY),
        go({WORD_NORTHWEST, PLACE_START}, PLACE_START),
        group({WORD_NORTH}),
            when(even_chance, forced(PLACE_CAIRN_FIELD)),
            forced(PLACE_START),
        end(),
    end(),
};

// --- The sunken way, the mire, the grate and the shrine (542..546) ---------

// Places 542: sunken way; 543: hollow way.
// The two stretches of the sunken way: the far field or the grate at their
// ends, the mire on every side.
constexpr member SUNKEN_WAYS[] = {
    {PLACE_SUNKEN_WAY, {},
     {call({PLACE_PATH}, p329, ref(PLACE_HOLLOW_WAY), ref(WORD_SOUTHEAST), ref(PLACE_FAR_FIELD), ref(WORD_NORTHWEST)),
      go({WORD_NORTHWEST}, PLACE_FAR_FIELD), go({WORD_SOUTHEAST}, PLACE_HOLLOW_WAY),
               go({WORD_NORTH, WORD_NORTHEAST, WORD_EAST, WORD_SOUTH, WORD_SOUTHWEST, WORD_WEST}, PLACE_MIRE)}},
    {PLACE_HOLLOW_WAY, {},
     {call({PLACE_PATH}, p329, ref(PLACE_GRATE), ref(WORD_SOUTHEAST), ref(PLACE_SUNKEN_WAY), ref(WORD_NORTHWEST)),
      go({WORD_NORTHWEST}, PLACE_SUNKEN_WAY), go({WORD_SOUTHEAST}, PLACE_GRATE),
               go({WORD_NORTH, WORD_NORTHEAST, WORD_EAST, WORD_SOUTH, WORD_SOUTHWEST, WORD_WEST}, PLACE_MIRE)}},
};

// Places 542: sunken way; 543: hollow way.
constexpr row SUNKEN_WAY[] = {
    call(p474),
    // The old track underfoot, its banks, and the hollow way itself.
    group({WORD_LOOK}),
        reply({WORD_TRACK}, 1453),
        when(here_is(PLACE_HOLLOW_WAY), reply({WORD_HOLLOW}, 1453)),
        step(country_of_member),
    end(),
    moving(),
        member_rows(),
    end(),
};

// The mire (544) holds whoever wanders into it. Each compass move: now and
// then the way tried is refused (and stays refused until another way is
// tried); otherwise what lies here sinks out of sight, and the player stays,
// more surely the fresher the chance, or at last struggles out onto a
// random cell of the grid, where what the mire took turns up again at the
// foot of the dell. The refused way is kept as its compass word, -1 for
// none.
constexpr int NO_REFUSED_WAY = -1;

int struggle_in_the_mire() {
    // The way tried: the first word, or the second of two.
    int tried = value[VAR_ARG1];
    if (cond(words() == 2)) tried = value[VAR_ARG2];
    if (cond(value[VAR_REFUSED_DIRECTION] < 0).AND(irand(100) < 20))
        value[VAR_REFUSED_DIRECTION] = tried;
    if (cond(value[VAR_REFUSED_DIRECTION] == tried)) {
        say(SAY_STOP, 2043, 0);
        return 1;
    }
    p401();
    if (loop) return 1;
    value[VAR_REFUSED_DIRECTION] = NO_REFUSED_WAY;
    if (cond(irand(100) < value[VAR_STAY_CHANCE])) {
        value[VAR_STAY_CHANCE] -= 10;
        if (cond(value[VAR_STAY_CHANCE] <= 0)) value[VAR_STAY_CHANCE] = 1;
        moveto(PLACE_MIRE, -2);
        return 1;
    }
    value[VAR_STAY_CHANCE] = 120 + irand(41);
    hold_ref(VAR_WORK_PLACE, PLACE_NORTHERN_HEATH + irand(19));
    p240(ref(PLACE_FOOT_OF_DELL));
    if (loop) return 1;
    moveto(value[VAR_WORK_PLACE], -2);
    return 1;
}

cond_fold compass_move() {
    return movement_guard().AND(anyof(WORD_NORTH, WORD_NORTHEAST, WORD_EAST, WORD_SOUTHEAST, WORD_SOUTH, WORD_SOUTHWEST, WORD_WEST, WORD_NORTHWEST, -1));
}

// Place 544: mire. The sky, the water underfoot and the woods round its
// edges are the mire's own: the replies it shares with the sunken way speak
// of that way's banks.
constexpr row MIRE[] = {
    look(),
        reply({WORD_UP, WORD_SKY}, 2673, arg(2)),
        reply({WORD_DOWN, WORD_FLOOR}, 2673, arg(3)),
        reply({WORD_FOREST, OBJ_TREE, WORD_CANOPY, WORD_LEAVES}, 2673, arg(4)),
    end(),
    call(p474),
    look(), step(country_of<PLACE_MIRE>), end(),
    when(compass_move, step(struggle_in_the_mire)),
};

// The grate (545). "Door" here and in the shrine is the cover over the
// shaft.
cond_fold phase_3() { return cond(value[VAR_PHASE] == 3); }

// Place 545: grate.
constexpr row GRATE[] = {
    look(),
        reply({WORD_AIR}, 2676, arg(WORD_AIR)),
        reply({PLACE_GRATE}, 2696, arg(0)),
        reply({WORD_FOREST}, 2695, arg(0)),
        reply({OBJ_TREE, WORD_CANOPY}, 2695, arg(1)),
        group({WORD_GRATING, OBJ_GRILLE}),
            when(phase_3, reply(2392, arg(0))),
            reply(2393, arg(0)),
        end(),
        reply({WORD_STAIRWELL, WORD_BRINK, WORD_DOWN}, 2392, arg(1)),
        reply({PLACE_SHRINE}, 2389),
        reply({PLACE_PATH}, 2674, arg(0)),
        reply({PLACE_ROAD}, 2674, arg(1)),
        reply({WORD_FLOOR, WORD_FLAGSTONE}, 2696, arg(1)),
        reply({WORD_STONE, WORD_VOTIVES}, 2697),
        reply({WORD_OFFERINGS}, 2698, arg(1)),
        reply({OBJ_DOOR}, 2729, arg(4)),
        reply({WORD_WINDOW}, 2734, arg(0)),
        reply({PLACE_WELL_HEAD}, 2391),
        reply({WORD_WALL}, 2729, arg(0)),
        reply({WORD_BALCONY}, 2390),
        reply({WORD_DOORWAY}, 3249, arg(4)),
        reply({WORD_HOLLOW}, 3249, arg(5)),
        reply({PLACE_MIRE}, 3249, arg(6)),
        ret(),
    end(),
    // The votives stand fast along the foot of the shrine.
    reply(all({WORD_TAKE, WORD_VOTIVES}), 2760),
    group({OBJ_DOOR}),
        reply({WORD_OPEN}, 2733, arg(0)),
        reply({WORD_CLOSE}, 2506, arg_of(OBJ_DOOR)),
        rewrite(OBJ_DOOR, OBJ_COVER),
    end(),
    group({WORD_WINDOW}),
        reply({WORD_POLISH, WORD_RUB, WORD_DIRT}, 2735, arg(0)),
        reply({WORD_BREAK}, 2464),
        reply({WORD_OPEN, WORD_CLOSE}, 2736, arg(WORD_OPEN)),
        mark(),
        ret(),
    end(),
    // A jump down the shaft: in the turned world, the end of the game.
    group(has_word(WORD_JUMP).AND(has_any_word({WORD_IN, WORD_GRATING, WORD_DOWN}))),
        first(),
            group(phase_8), call(p224, num(1)), end(),
            otherwise(), forced(PLACE_UNDERSIDE_OF_GRATE, 3497), end(),
        end(),
    end(),
    when([] { return cond(keyword(WORD_IN, PLACE_SHRINE, -1)).OR(keyword(WORD_CLIMB, WORD_DOWN,
                                  -1)).OR(keyword(WORD_DOWN, WORD_GRATING, -1)); },
         let(VAR_COMMAND_STATUS, 1)),
    moving(),
        group({WORD_NORTHWEST, PLACE_PATH}),
            let(PLACE_FAR_FIELD, 1),
            forced(PLACE_HOLLOW_WAY),
        end(),
        group({WORD_IN, WORD_SOUTHWEST, PLACE_SHRINE}),
            tell(2732, arg(0)),
            forced(PLACE_SHRINE),
        end(),
        group({WORD_CLIMB, WORD_DOWN, WORD_GRATING}),
            when(phase_8, forced(PLACE_LAST_LEDGE, 2881)),
            forced(PLACE_UNDERSIDE_OF_GRATE),
        end(),
        go({WORD_NORTH, WORD_NORTHEAST, WORD_EAST, WORD_SOUTHEAST, WORD_SOUTH, WORD_WEST}, PLACE_MIRE),
    end(),
    mark({WORD_AIR, PLACE_GRATE, WORD_FOREST, OBJ_TREE, WORD_CANOPY, WORD_GRATING, WORD_STAIRWELL}),
    mark({PLACE_SHRINE, PLACE_PATH, PLACE_ROAD, WORD_FLOOR, WORD_STONE, WORD_OFFERINGS}),
    mark({WORD_WINDOW, PLACE_WELL_HEAD, WORD_WALL, WORD_BALCONY}),
    land(PLACE_UNDERSIDE_OF_GRATE, 2394),
};

// Place 546: shrine.
// The shrine (546).
constexpr row SHRINE[] = {
    group({WORD_DIRT}),
        reply({WORD_LOOK}, 2730),
        reply({WORD_STIR, WORD_KICK, WORD_TAKE}, 2464),
        reply({OBJ_DOOR, WORD_WALL, WORD_FLOOR}, 2464),
        reply({WORD_WINDOW}, 2735, arg(1)),
        mark(),
        ret(),
    end(),
    group({OBJ_DOOR}),
        reply({WORD_OPEN}, 2733, arg(1)),
        reply({WORD_CLOSE}, 2506, arg_of(OBJ_DOOR)),
        rewrite(OBJ_DOOR, OBJ_COVER),
    end(),
    group({PLACE_SHRINE}),
        reply({WORD_LOOK}, 2389),
        reply({WORD_GO, WORD_IN}, 2620, arg_of(PLACE_SHRINE)),
        mark(),
        ret(),
    end(),
    look(),
        reply({WORD_WALL}, 2729, arg(0)),
        reply({WORD_FLOOR}, 2729, arg(1)),
        reply({PLACE_CEILING, PLACE_WELL_HEAD}, 2729, arg(2)),
        reply({OBJ_COVER}, 2729, arg(3)),
        reply({WORD_DOORWAY}, 3250, arg(2)),
        reply({WORD_OUT, PLACE_GRATE, WORD_WINDOW}, 2734, arg(1)),
        reply({WORD_BALCONY}, 2390),
        ret(),
    end(),
    group({WORD_WINDOW}),
        reply({WORD_POLISH, WORD_RUB}, 2735),
        reply({WORD_BREAK}, 2464),
        reply({WORD_OPEN, WORD_CLOSE}, 2736, arg(WORD_OPEN)),
        mark(),
        ret(),
    end(),
    moving(),
        reply({WORD_IN}, 2620, arg_of(PLACE_SHRINE)),
        group({WORD_OUT, WORD_NORTHEAST, PLACE_GRATE}),
            tell(2732, arg(1)),
            forced(PLACE_GRATE),
        end(),
    end(),
    mark({PLACE_WELL_HEAD, WORD_WINDOW, WORD_WALL, OBJ_COVER, WORD_FLOOR, WORD_BALCONY, PLACE_SHRINE, WORD_DIRT}),
    mark({PLACE_GRATE}),
};

}  // namespace

int p726() { return run<LANE>(); }
int p403() { return run<WOODSIDE>(); }
int p77() { return run<COTTAGE>(); }
int p880() { return run<VALLEY>(); }
int p781() { return run<STREAMBED>(); }
int p187() { return run<DELL>(); }
int p699() { return run_member<FOOTBRIDGE, FOOTBRIDGE_ENDS>(PLACE_FOOTBRIDGE); }
int p700() { return run_member<FOOTBRIDGE, FOOTBRIDGE_ENDS>(PLACE_FAR_END_OF_FOOTBRIDGE); }
int p816() { return run<BLUFF>(); }
int p17() { return run<OPEN_SKY>(); }
int p865() { return run<ROAD>(); }
int p269() { return run<DELL_FOOT>(); }
int p333() { return run<NORTHERN_HEATH>(); }
int p344() { return run<WESTERN_WOOD>(); }
int p346() { return run<OAK_COPSE>(); }
int p347() { return run_member<GRID_CELL, GRID_CELLS>(PLACE_HIGH_PASTURE); }
int p348() { return run_member<GRID_CELL, GRID_CELLS>(PLACE_UPPER_MEADOW); }
int p349() { return run_member<GRID_CELL, GRID_CELLS>(PLACE_HILLTOP_WOOD); }
int p350() { return run_member<FORKED_CELL, FORKED_CELLS>(PLACE_ORCHARD); }
int p351() { return run_member<GRID_CELL, GRID_CELLS>(PLACE_EASTERN_HEIGHTS); }
int p334() { return run_member<GRID_CELL, GRID_CELLS>(PLACE_SHEEP_FOLD); }
int p335() { return run_member<FORKED_CELL, FORKED_CELLS>(PLACE_LONG_MEADOW); }
int p336() { return run<FAR_FIELD>(); }
int p337() { return run_member<GRID_CELL, GRID_CELLS>(PLACE_LOWER_WOOD); }
int p338() { return run_member<GRID_CELL, GRID_CELLS>(PLACE_ALDER_WOOD); }
int p339() { return run_member<GRID_CELL, GRID_CELLS>(PLACE_WILLOW_BANK); }
int p340() { return run_member<GRID_CELL, GRID_CELLS>(PLACE_BRACKEN_SLOPE); }
int p341() { return run_member<GRID_CELL, GRID_CELLS>(PLACE_SOUTHERN_WOOD); }
int p342() { return run_member<GRID_CELL, GRID_CELLS>(PLACE_STREAM_MEADOW); }
int p343() { return run_member<GRID_CELL, GRID_CELLS>(PLACE_HAZEL_WOOD); }
int p345() { return run_member<GRID_CELL, GRID_CELLS>(PLACE_SOUTHERN_HEATH); }
int p664() { return run<PATH>(); }
int p620() { return run<COPSE_EDGE>(); }
int p252() { return run<CAIRN_FIELD>(); }
int p790() { return run<BEECH_WOOD>(); }
int p178() { return run_member<SUNKEN_WAY, SUNKEN_WAYS>(PLACE_SUNKEN_WAY); }
int p179() { return run_member<SUNKEN_WAY, SUNKEN_WAYS>(PLACE_HOLLOW_WAY); }
int p175() { return run<MIRE>(); }
int p133() { return run<GRATE>(); }
int p772() { return run<SHRINE>(); }
