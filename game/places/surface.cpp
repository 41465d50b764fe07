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
    return cond(words() == 1).OR(has(8)).AND(anyof(WORD_CLOSE, 768, WORD_CLOSE, WORD_OPEN, -1));
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
    either_way(VAR_ARG1, 751, 747);
    return 0;
}

// "Up" out of the dell goes one way or the other of the gully.
int up_out_of_the_dell() {
    either_way(VAR_ARG1, 747, 751);
    return 0;
}

// "Woods" from the woodside strikes into the trees north-east or south,
// even chances; the move goes by the drawn compass word.
int into_the_woods() {
    either_way(VAR_DIRECTION_WORD, 746, 749);
    set('V', VAR_ARG1, 'v', VAR_DIRECTION_WORD, nullptr, nullptr);
    return 0;
}

// --- The lane (195) ---------------------------------------------------------

// Place 195: lane.
constexpr row LANE[] = {
    when(value_at_most(VAR_PHASE, 2), let(VAR_PHASE, 3)),
    call(p80),
    reply({975}, 2676, arg(975)),
    when(shutting_or_opening, reply(3312)),
    ret({WORD_CONSUME_LIQUID}),
    // "Go in", "enter the door": the cottage.
    group({8, 966}),
        first(),
            group({WORD_IN, WORD_GO}),
                let_ref(VAR_ARG1, PLACE_DEPOSIT),
                let(VAR_COMMAND_STATUS, 1),
            end(),
            otherwise(), reply(1932, arg(WORD_IN)), end(),
        end(),
    end(),
    call({988}, p396),
    look(),
        reply({1061}, 1511),
        reply({538}, 2024),
        reply({195, 480}, 2590),
        reply({196}, 2591),
        // The valley the stream runs away down.
        reply({201}, 2683),
        reply({927, 919}, 2480),
        reply({WORD_STREAM}, 2711, arg(749)),
        ret(),
    end(),
    reply({153, 131, 974}, 2431, arg_of(131)),
    group({927}),
        when(one_word, reply(2480)),
        reply(2007),
    end(),
    group({WORD_CROSS}),
        reply({195, 480}, 2704),
        call_word(WORD_CROSS),
    end(),
    let({WORD_IN}, VAR_COMMAND_STATUS, 1),
    moving(),
        group(phase_8),
            go({201}, 521, 2162),
            go({203, 6}, 544, 2162),
            go({202}, 544, 2162),
            go({196}, 200, 2162),
            go({197}, 544, 2162),
            go({WORD_LOOKOUT}, 544, 2162),
        end(),
        group(heading_carried),
            group({WORD_LOOKOUT}),
                group([] { return heading_is(6); }),
                    tell(2294, arg(751)),
                    forced(197),
                end(),
                direction({WORD_LOOKOUT}, WORD_NORTHWEST),
            end(),
            first(),
                direction({195, WORD_UP, 480, 196}, WORD_WEST),
                direction({WORD_IN, 200}, WORD_EAST),
                direction({850, 927, WORD_STREAM, WORD_DOWN, 201, 203}, WORD_SOUTH),
                direction({538}, WORD_NORTHWEST),
            end(),
            check_heading(),
        end(),
        go({WORD_IN, WORD_EAST, 200}, 200),
        go({195, 480, WORD_WEST, WORD_UP, 196}, 196),
        go({850, WORD_STREAM, 927, WORD_SOUTH, WORD_DOWN, 201}, 201),
        go({203, 6}, 203),
        go({202}, 202),
        go({197}, 197),
        go({WORD_LOOKOUT}, 199),
        go({WORD_NORTH}, 521),
        go({WORD_NORTHEAST}, 539),
        go({WORD_SOUTHEAST}, 541),
        go({WORD_SOUTHWEST}, 531),
        go({WORD_NORTHWEST, 538}, 538),
        reply({1061, 849}, 1510, arg(1)),
    end(),
    mark({1061, WORD_WALL, 919}),
};

// --- The woodside (196) -----------------------------------------------------

// Place 196: woodside.
constexpr row WOODSIDE[] = {
    call(p476),
    reply({975}, 2676, arg(975)),
    group({951, 958, 985, 986}),
        look(),
            reply({951}, 2593, arg(951)),
            reply({958}, 2675),
            reply({985}, 2707),
            reply({986}, 2708),
        end(),
        // The hedge is rooted along the edge of the woods.
        reply(all({WORD_TAKE, 986}), 2760),
        first(),
            group({985, 951}),
                when(word_count_over(1).AND(lacks_word(WORD_GO)), reply(1493)),
            end(),
            otherwise(), reply(2007), end(),
        end(),
    end(),
    call({988}, p396),
    look(),
        // The road or the lane, as the player named it.
        reply({480, 195}, 2596, arg_of(VAR_ARG2)),
        reply({196}, 2591),
        reply({200}, 2593, arg_of(200)),
        ret(),
    end(),
    moving(),
        first(),
            call({480, 195}, p329, ref(480), ref(751), ref(195), ref(747)),
            step({894}, into_the_woods),
        end(),
        group(phase_8),
            go({200, 195}, 480, 2162),
            go({201}, 520, 2162),
            go({951}, 539, 2162),
        end(),
        group([] { return heading_carried().AND(has(951)).AND(cond(value[OBJ_HEADING] == 4).OR(value[OBJ_HEADING] == 5)); }),
            tell(2294, arg(750)),
            forced(480),
        end(),
        first(),
            direction({195, WORD_DOWN, 200}, WORD_EAST),
            direction({480, 951}, WORD_WEST),
            direction({538}, WORD_NORTH),
            direction({201}, WORD_SOUTHEAST),
        end(),
        check_heading(),
        go({200, WORD_DOWN, WORD_EAST}, 195),
        go({WORD_NORTH, 538}, 538),
        go({WORD_NORTHEAST, 894}, 521),
        go({WORD_SOUTHEAST, 201}, 201),
        go({WORD_SOUTH}, 531),
        go({WORD_SOUTHWEST}, 544),
        go({WORD_NORTHWEST}, 520),
        go({WORD_WEST, 480}, 480),
        go({985}, 544),
        // The track through the thicket: to the south thicket for one who
        // carries the funnel, else only as far as the gap.
        when(object_carried(148), forced_if({951}, 486)),
        forced_if({951}, 481),
    end(),
};

// --- The cottage (200) ------------------------------------------------------

// "Harbour" spoken of at the cottage is its roof.
int harbour_is_the_roof() {
    if (cond(arg1() == 475)) fake(1, 376);
    if (cond(arg2() == 475)) fake(2, 376);
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
    moveto(206, value[VAR_PASSAGE_TEXT], WORD_MAGIC_TRAVEL_1, -WORD_MAGIC_TRAVEL_1);
    if (loop) return 1;
    moveto(222, value[VAR_PASSAGE_TEXT], WORD_MAGIC_TRAVEL_2, -WORD_MAGIC_TRAVEL_2);
    return 0;
}

// Place 200: cottage.
constexpr row COTTAGE[] = {
    call(p410, num(0)),
    when(lacks_word(WORD_GO), reply({8, 966}, 1932, arg(WORD_OUT))),
    group({918}),
        call_word({WORD_CONSUME_LIQUID}, WORD_CONSUME_LIQUID),
        reply(2078),
    end(),
    reply({917}, 2077),
    when(shutting_or_opening, reply(3312)),
    call(p185, ref(167)),
    group({167, 134, 129, 1018, 30}),
        call_word({798, WORD_LOOK}, WORD_LOOK),
        when(word_count_over(1), reply(2430)),
    end(),
    step({475}, harbour_is_the_roof),
    group({970, WORD_WALL, 376}),
        first(),
            group({WORD_LOOK}),
                reply({970}, 2021),
                reply({WORD_WALL}, 2022),
                ret(),
            end(),
            reply({970, WORD_WALL}, 2021),
            otherwise(), mark(), ret(), end(),
        end(),
    end(),
    look(),
        reply({475}, 2054),
        reply({967}, 3384, arg(1)),
        reply({1061}, 1511),
        reply({WORD_STREAM}, 2606),
        reply({200}, 2137),
        reply({WORD_OUT, 966}, 2777),
        ret(),
    end(),
    group({WORD_DROP, 793}),
        step(only_thing_carried),
        // The tusk left here is counted among the treasures from then on.
        group([] { return cond(has(83)).AND(carried(83)).AND(!bitest(83, OFLAG_SCORING)); }),
            put_here(83),
            set_flag(83, OFLAG_SCORING),
            let(83, 1),
            reply(1742, arg_of(VAR_ARG2)),
        end(),
        group([] { return cond(has(63)).AND(carried(63)).AND(!bitest(63, OFLAG_SCORING)); }),
            put_here(63),
            reply(2215, arg_of(VAR_ARG2)),
        end(),
    end(),
    when(phase_8, reply({WORD_OUT, WORD_EAST, 195}, 2705)),
    call({195, WORD_OUT, WORD_WEST}, p868, ref(751), ref(PLACE_START)),
    reply(all({WORD_GO, 200}), 2620, arg_of(200)),
    when([] { return cond(has(WORD_IN)).AND(cond(has(200)).OR(words() == 1)); }, reply(2620, arg_of(200))),
    group(has_any_word({WORD_MAGIC_TRAVEL_1, WORD_MAGIC_TRAVEL_2}).AND(value_at_most(VAR_PHASE, 4))),
        let(VAR_ENTRY_REMARK, 1),
        step(magic_travel_from_the_cottage),
    end(),
    call_word(all({WORD_STREAM, WORD_CONSUME_LIQUID}), WORD_CONSUME_LIQUID),
    reply({1061, WORD_STREAM, 850}, 1510, arg(0)),
    mark({134, 129, 30, 1018, 967, 919, WORD_WALL}),
};

// --- The valley (201) -------------------------------------------------------

// Place 201: valley.
constexpr row VALLEY[] = {
    call(p479),
    look(),
        reply({927}, 1849, arg_of(VAR_ARG2)),
        reply({WORD_STREAM}, 2165, arg(899)),
        let({201}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    call_word({WORD_CONSUME_LIQUID}, WORD_CONSUME_LIQUID),
    when([] { return cond(anyof(WORD_IN, WORD_GO, -1)).AND(has(OBJ_LIQUID_1)).OR(keyword(WORD_IN, WORD_STREAM, -1)); }, reply(2710)),
    moving(),
        first(),
            call({WORD_STREAM}, p329, ref(195), ref(745), ref(202), ref(749)),
            group({WORD_UP, 894}),
                step(up_the_streambed),
                call(direction_from_first_word),
            end(),
        end(),
        group(phase_8),
            go({195, 200}, 202, 2162),
            go({202}, 195, 2162),
            go({203}, 521, 2162),
        end(),
        group(heading_carried),
            first(),
                direction({849, 195, 200}, WORD_NORTH),
                direction({WORD_DOWN, 850, 202, 203}, WORD_SOUTH),
            end(),
            direction({894}, WORD_WEST),
            check_heading(),
        end(),
        go({849, WORD_NORTH, 195, 200}, 195),
        go({203}, 203),
        go({WORD_NORTHWEST}, 196),
        go({WORD_EAST}, 541),
        go({WORD_SOUTHEAST}, 535),
        go({WORD_SOUTHWEST}, 532),
        go({WORD_WEST}, 531),
        go({WORD_SOUTH, WORD_DOWN, 850}, 202),
        // North-east the valley side is either way up, even chances.
        group({WORD_NORTHEAST}),
            when([] { return cond(irand(100) <= 49); }, forced(195)),
            forced(541),
        end(),
    end(),
    mark({919}),
};

// Place 202: streambed.
// The streambed (202).
constexpr row STREAMBED[] = {
    look(),
        reply({919}, 3424),
        reply({WORD_STREAM}, 2165, arg(899)),
        reply({202, 1002, 1130}, 2717),
        reply({201}, 2718, arg(0)),
        ret(),
    end(),
    when([] { return cond(anyof(WORD_IN, WORD_GO, -1)).AND(has(OBJ_LIQUID_1)).OR(keyword(WORD_IN, WORD_STREAM, -1)); }, reply(2710)),
    when(has_word(202).AND(has_any_word({WORD_DOWN, WORD_IN})), let(VAR_COMMAND_STATUS, 1)),
    moving(),
        first(),
            group({WORD_UP}),
                step(up_the_streambed),
                call(direction_from_first_word),
            end(),
            group(has_word(WORD_STREAM).AND(value_is(VAR_PHASE, 3))),
                let_ref(VAR_ARG1, 745),
                call(direction_from_first_word),
            end(),
            group({WORD_ROCK}),
                let_ref(VAR_ARG1, 749),
                call(direction_from_first_word),
            end(),
        end(),
        group(value_is(VAR_PHASE, 8)),
            go({195}, 518, 2162),
            go({203}, 201, 2162),
            go({201}, 203, 2162),
        end(),
        group(object_carried(OBJ_HEADING)),
            first(),
                direction({850, 919, 203}, WORD_SOUTH),
                direction({201, 849, 200}, WORD_NORTH),
            end(),
            check_heading(),
        end(),
        go({200, 195}, 195),
        go({849, WORD_NORTH, 201}, 201),
        go({850, 919, WORD_SOUTH, 203}, 203),
        go({WORD_NORTHEAST}, 541),
        go({WORD_EAST}, 535),
        go({WORD_SOUTHEAST}, 536),
        go({WORD_SOUTHWEST}, 533),
        go({WORD_WEST, 894}, 532),
        go({WORD_NORTHWEST}, 531),
        // The way on down the streambed opens only with the place's state,
        // which nothing sets: the refusal is all a player meets.
        group({202, WORD_STREAM, WORD_DOWN, WORD_IN}),
            first(),
                when(value_is(202, 0), reply(1392)),
                otherwise(),
                    tell(1862),
                    forced_on(671),
                    clear_flag(VAR_COMMAND_STATUS, 0),
                    ret(),
                end(),
            end(),
        end(),
    end(),
    mark({919}),
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
    reply({975}, 2676, arg(975)),
    look(),
        reply({919}, 3425),
        reply({988, WORD_FLOOR}, 2721),
        reply({203, 894}, 2722),
        reply({987}, 2719),
        reply({WORD_ROCK}, 2709),
        reply({WORD_DOWN, WORD_IN}, 1712, arg(755)),
        ret(),
    end(),
    group({987}),
        reply({800}, 2720),
        ret({834, 112}),
        mark(),
        ret(),
    end(),
    group({919, WORD_ROCK}),
        ret({834}),
        when([] { return cond(!cond(has(919)).AND(words() == 1)); }, reply(1493)),
    end(),
    call({988}, p396),
    group(has_word(OBJ_LOCKED_GATE).AND(has_any_word({WORD_GO, WORD_IN, WORD_DOWN}))),
        let(VAR_COMMAND_STATUS, 1),
        step(go_means_in),
    end(),
    reply({WORD_STREAM, 850}, 1319, arg(899)),
    moving(),
        step({WORD_UP}, up_out_of_the_dell),
        group(phase_8),
            go({195}, 518, 2162),
            go({201}, 518, 2162),
            go({202}, 518, 2162),
        end(),
        group(heading_carried),
            direction({919, WORD_STREAM, 849, 202, 201, 200}, WORD_NORTH),
            check_heading(),
        end(),
        go({WORD_NORTHEAST}, 535),
        go({WORD_EAST}, 536),
        go({WORD_SOUTHEAST}, 537),
        go({WORD_SOUTH}, 518),
        go({WORD_SOUTHWEST}, 534),
        go({WORD_WEST, 894}, 533),
        go({WORD_NORTHWEST}, 532),
        go({WORD_NORTH, WORD_STREAM, 849, 202}, 202),
        go({201}, 201),
        go({195, 200}, 195),
        group(hatch_open),
            group({WORD_IN, WORD_DOWN}),
                let(VAR_ENTRY_REMARK, 1),
                forced(204),
            end(),
        end(),
        reply({WORD_IN, WORD_DOWN}, 1390),
    end(),
    mark({919}),
};

// --- The footbridge (197, 198) ----------------------------------------------

// The two ends of the footbridge share their look replies, their moves of
// the turned world and their marks; each has its own passage, heading
// words and exits.
constexpr int NEAR_END = 0, FAR_END = 1;

// Places 197: footbridge; 198: far end of the footbridge.
constexpr member FOOTBRIDGE_ENDS[] = {
    {197, {1, 0}, {
        reply({991}, 2727),
        go({195, 200}, 195),
        go({WORD_LOOKOUT}, 199),
        go({WORD_WEST}, 198),
        go({WORD_SOUTHEAST}, 538),
    }},
    {198, {0, 1}, {
        go({WORD_LOOKOUT}, 199),
        go({200, 195}, 195),
        go({WORD_EAST}, 197),
        go({WORD_NORTHWEST}, 199),
        reply({991}, 2727),
    }},
};

// Places 197: footbridge; 198: far end of the footbridge.
constexpr row FOOTBRIDGE[] = {
    // The river runs far below the planks, out of reach.
    reply({837}, 2753),
    look(),
        // The bridge and the river are the footbridge and the water under
        // its planks.
        reply({538, WORD_DOWN, WORD_FLOOR, WORD_STREAM, OBJ_LIQUID_1, WORD_WATERS}, 2677, arg(1)),
        reply({991}, 2727),
        reply({197, 11}, 2728, arg(1)),
        reply({996}, 2737),
        reply({WORD_UP}, 2738),
        ret(),
    end(),
    moving(),
        member_group(NEAR_END),
            group({538, 197}),
                // Coming from the lane, the footbridge's own name leads on
                // across it, as from the path.
                when(has_word(197).AND(value_is(VAR_THERE, PLACE_START)), let_ref(VAR_THERE, 538)),
                call(p329, ref(538), ref(748), ref(198), ref(751)),
            end(),
        end(),
        member_group(FAR_END),
            call({538, 197}, p329, ref(197), ref(747), ref(199), ref(752)),
        end(),
        group(phase_8),
            go({195, 200}, 199, 2162),
            go({WORD_LOOKOUT}, 195, 2162),
        end(),
        member_group(NEAR_END),
            group(heading_carried),
                direction({200, 195}, WORD_SOUTHEAST),
                group({WORD_LOOKOUT}),
                    group([] { return heading_is(1); }),
                        tell(2294, arg(752)),
                        forced(198),
                    end(),
                    direction({WORD_LOOKOUT}, WORD_NORTHWEST),
                end(),
                direction({538}, WORD_SOUTHEAST),
                check_heading(),
            end(),
        end(),
        member_group(FAR_END),
            group(heading_carried),
                direction({WORD_LOOKOUT}, WORD_NORTHWEST),
                group({200, 195}),
                    group([] { return heading_is(5); }),
                        tell(2294, arg(748)),
                        forced(197),
                    end(),
                    direction({200, 195}, WORD_EAST),
                end(),
                direction({538}, WORD_EAST),
                direction({WORD_LOOKOUT}, WORD_NORTHWEST),
                check_heading(),
            end(),
        end(),
        member_rows(),
    end(),
    mark({538, 991, 197, 996}),
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
    rewrite_word(801, 129);
    return 0;
}

// The plant and the creeper named on the bluff are the creeper's tendrils
// that show over the edge; the thorns are the thorn tree's branches, and the
// hollow is what the cliff looks down on.
int bluff_words() {
    for (int slot : {VAR_ARG1, VAR_ARG2}) {
        if (value[slot] == 13) value[slot] = 140;
        if (value[slot] == 139) value[slot] = 140;
        if (value[slot] == 964) value[slot] = 915;
        if (value[slot] == 1003) value[slot] = 921;
    }
    set('T', 2024, 'c', 1, nullptr, nullptr);
    return 0;
}
// The tree looked at is the thorn tree on the edge (its branches); for
// anything else it is the canopy of the woods.
int tree_means_canopy() {
    const int tree = cond(anyof(WORD_LOOK, -1)) ? 915 : 974;
    for (int slot : {VAR_ARG1, VAR_ARG2})
        if (value[slot] == 131) value[slot] = tree;
    return 0;
}

// What the giant lets the player name: the object the command is about.
int named_object() {
    set('V', VAR_LOOP_OBJECT, 'v', cond(words() == 2) ? VAR_ARG2 : VAR_ARG1, nullptr, nullptr);
    return 0;
}

cond_fold giant_here() { return cond(lies_here(194)); }
cond_fold creeper_grown() { return cond(value[139] == 2); }

// Place 199: river bluff.
constexpr row BLUFF[] = {
    call(p410, num(0)),
    step(display_variants),
    // "Read" alone reads the sign.
    group(has_word(798).AND(word_count(1))),
        let(VAR_COMMAND_STATUS, 2),
        let_ref(VAR_ARG2, 129),
        ret(),
    end(),
    when(object_near(194), set_flag(OBJ_LIQUID_3, OFLAG_SEEN)),
    when([] { return cond(keyword(772, 95, -1)).AND(have(95, 0, 2)).AND(lies_here(194)); }, reply(2841)),
    when([] { return cond(words() == 2).AND(arg2() == 801); }, step(board_means_sign)),
    step(bluff_words),
    // The giant guards his drink: only what is near may be spoken of.
    group([] { return giant_here().AND(anyof(908, OBJ_LIQUID_3, OBJ_VESSEL_MEDIUM, 141, 909, 910, 118, 942, -1)); }),
        when(has_word(WORD_LOOK), reply({141, 942}, 2657)),
        step(named_object),
        when([] { return cond(anyof(OBJ_VESSEL_MEDIUM, 141, 118, -1)).AND(near(value[VAR_LOOP_OBJECT])); }, ret()),
        when([] { return cond(has(OBJ_LIQUID_3)).AND(near_in(OBJ_VESSEL_LARGE, 5)); }, ret()),
        reply(2279),
    end(),
    reply({975}, 2676, arg(975)),
    when([] { return cond(keyword(793, OBJ_HEADING, -1)).AND(carried(OBJ_HEADING)).AND(heading_turned_away()); }, reply(2300)),
    land(443, 1670),
    step(tree_means_canopy),
    group({974, 997}),
        reply({WORD_CLIMB}, 2669, arg(1)),
        reply(2431, arg(974)),
    end(),
    group({915, 916}),
        when(value_over(199, 0), reply(3346)),
        group({WORD_LOOK}),
            reply({915}, 2038),
            reply(2139),
        end(),
        // Named as typed: "thorns" are the branches here, but are not called so.
        group({915}),
            when(value_is(VAR_ARG1, 915), reply(2037, arg_of(VAR_ARG1))),
            reply(2037, arg_of(VAR_ARG2)),
        end(),
        mark(),
        ret(),
    end(),
    group({197}),
        reply({WORD_LOOK}, 2728, arg(0)),
        let({WORD_IN}, VAR_COMMAND_STATUS, 1),
    end(),
    when(has_word(WORD_LOOK), group({WORD_DOWN, WORD_CLIFF})),
        call(p817, ref(3377), num(1)),
        set_flag(157, OFLAG_SEEN),
        reply(2741, arg_of(139)),
    end(),
    group({WORD_CLIMB}),
        reply({996}, 2745),
        group({WORD_CLIFF, WORD_DOWN, 140}),
            first(),
                group(creeper_grown),
                    call(p817, ref(3377), num(1)),
                    forced(444, 2843),
                end(),
                group({140}),
                    when(value_is(139, 0), reply(1319, arg_of(VAR_ARG2))),
                    call(p817, ref(3377), num(1)),
                    reply(3351),
                end(),
            end(),
            reply(2742),
        end(),
    end(),
    group({WORD_CLIFF}), mark(), ret(), end(),
    when([] { return cond(bitest(157, OFLAG_SEEN)); }, group({157})),
        call(p817, ref(3377), num(0)),
        reply({WORD_LOOK}, 2593, arg_of(157)),
        reply(2381),
    end(),
    look(),
        reply({899}, 2753),
        group({140}),
            when(value_is(139, 0), reply(1319, arg_of(VAR_ARG2))),
            group(value_is(139, 1)),
                call(p817, ref(3377), num(1)),
                reply(2952, arg_of(139)),
            end(),
        end(),
        reply({958}, 2593, arg(958)),
        reply({439}, 2743, arg(0)),
        reply({WORD_LOOKOUT, 1073, WORD_WATERS, 781}, 2744),
        reply({853}, 2689, arg(1)),
        reply({973, 998, 150}, 2746),
        reply({996}, 2745),
        reply({1000}, 2753),
        ret(),
    end(),
    when(has_any_word({150, 998}), reply({WORD_TAKE}, 2747)),
    reply({984}, 1849, arg(984)),
    group(one_word),
        reply({WORD_LOOKOUT, 1073, WORD_WATERS}, 2993, arg_of(VAR_ARG1)),
        reply({547}, 2588),
        reply({996, 973, 150, 998, 439, WORD_WATERS, 781}, 2007),
    end(),
    group({996, 973, 150, 998}), mark(), ret(), end(),
    mark_name({439, WORD_WATERS, 781}),
    ret({439, WORD_WATERS, 781}),
    let(all({WORD_IN, 140}), VAR_COMMAND_STATUS, 1),
    moving(),
        when(phase_8, reply({200, 195}, 2560)),
        group(heading_carried),
            first(),
                group({200, 195}),
                    group([] { return heading_is(2); }),
                        tell(2294, arg(747)),
                        forced(198),
                    end(),
                    direction({200, 195}, WORD_SOUTHEAST),
                end(),
                direction({197, WORD_OUT, 538}, WORD_SOUTHEAST),
            end(),
            check_heading(),
        end(),
        group({200, 195, 538, 197}),
            when(phase_8, reply(2706)),
            go({197}, 198),
            go({200, 195}, 195),
        end(),
        group([] { return cond(anyof(140, WORD_WEST, -1)).AND(creeper_grown()); }),
            call(p817, ref(3377), num(1)),
            forced(446, 2239),
        end(),
        group({762}),
            when(heading_turned_away, reply(2298)),
            forced_on(PLACE_GONE),
            call(p803),
        end(),
        go({197, 538, WORD_OUT, WORD_SOUTHEAST}, 198),
    end(),
    first(),
        mark(all({197, 538})),
        mark_name({197, WORD_LOOKOUT, 1073, 547, WORD_WATERS, 853, 538}),
    end(),
};

// --- The open sky (586) -----------------------------------------------------

// The cloth flies on for a few commands, counted down in the place's value;
// while it does, only the game's own words, the magic words and a few
// replies of its own are allowed.
cond_fold still_flying() { return cond(value[586] > 0); }
cond_fold ring_never_seen() { return cond(!bitest(547, PFLAG_VISITED)); }
cond_fold game_control_word() {
    return cond(anyof(WORD_INVENTORY, WORD_SCORE, WORD_QUIT, WORD_SAVE, 727, 829, 830, WORD_SAY, WORD_ACCEPT, WORD_DECLINE, -1))
        .OR(anyof(WORD_MODE_BRIEF_VISITED, WORD_MODE_LONG_ALL, WORD_MODE_BRIEF_ALL, WORD_LINE_WIDTH, 733, WORD_MARGIN, 773, 728, -1))
        .OR(within(arg1(), 704, 722));
}

// Place 586: open sky.
constexpr row OPEN_SKY[] = {
    add(586, -1),
    first(),
        group(still_flying),
            set_flag(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_MOVED),
            when(ring_never_seen, clear_flag(586, PFLAG_VISITED)),
            ret({954, 922, WORD_RAMP}),
        end(),
        otherwise(), ret({139}), end(),
    end(),
    look(),
        when([] { return one_word().AND(ring_never_seen()); }, stop()),
        reply({853}, 2689, arg(1)),
        reply({547}, 2793),
        reply({1000}, 2753),
        reply({194}, 3028, arg_of(586)),
        reply({63}, 3029),
        reply({958, 31}, 2794, arg_of(586)),
        reply({954, 439}, 2795, arg_of(586)),
        reply({139}, 2796),
        reply({922, WORD_RAMP}, 3204),
        reply({WORD_CLIFF}, 2797, arg_of(586)),
        ret(),
    end(),
    when([] { return cond(has(WORD_TAKE)).AND(one_word().OR(anyof(1010, 63, -1))); }, reply(2840)),
    group({806}),
        when([] { return one_word().OR(anyof(WORD_WEST, 547, WORD_ON, 760, WORD_UP, -1)); }, reply(3382)),
        when([] { return cond(within(arg2(), 744, 756)).OR(has(63)); }, reply(3383)),
    end(),
    reply({727}, 1381),
    group(has_any_word({WORD_GO, 806}).OR(word_count(1))),
        reply({WORD_ON, 547, 958}, 3203),
        reply({WORD_BACK}, 1387, arg(1)),
    end(),
    when([] { return cond(!game_control_word()); }, reply(2424)),
    mark_name({WORD_CLIFF, 139, 922, 853, WORD_RAMP, 194}),
    mark_name({954, 439, 958, 31, 922, 1000, 547, WORD_WATERS}),
};

// --- The road (480) ---------------------------------------------------------

cond_fold even_chance() { return cond(irand(100) < 50); }

// Place 480: road.
constexpr row ROAD[] = {
    call(p475),
    reply({975}, 2676, arg(975)),
    call({988}, p396),
    look(),
        reply({196}, 2596, arg_of(196)),
        reply({951}, 2593, arg(951)),
        ret(),
    end(),
    moving(),
        call({480, 195}, p329, ref(481), ref(750), ref(196), ref(747)),
        group(heading_carried),
            direction({WORD_UP, 196, 200, 195}, WORD_EAST),
            direction({951, 98}, WORD_SOUTHWEST),
            check_heading(),
        end(),
        group(phase_8),
            go({200, 195, 196}, 544, 2162),
            go({951, 98}, 520, 2162),
        end(),
        go({200}, 195),
        go({WORD_EAST, WORD_UP, 196}, 196),
        go({WORD_NORTH, WORD_NORTHEAST}, 520),
        go({WORD_NORTHWEST, WORD_WEST}, 544),
        go({WORD_SOUTHWEST, 951, 98}, 481),
        // Off the road to the south the way is soon lost: half the time
        // among the willows, else where the word pointed.
        group({WORD_SOUTHEAST, WORD_SOUTH}),
            first(),
                when(even_chance, forced_on(532)),
                group({WORD_SOUTH}), forced_on(533), end(),
                otherwise(), forced_on(531), end(),
            end(),
            reply(2465),
        end(),
    end(),
    mark({480}),
    mark_name({196, 951}),
};

// --- The valley grid (518..541) ---------------------------------------------

// Place 518: foot of the dell.
// The foot of the dell (518).
constexpr row DELL_FOOT[] = {
    when([] { return cond(has(WORD_CLIMB)).AND(one_word().OR(anyof(WORD_UP, WORD_OUT, 223, WORD_ROCK, WORD_WALL, WORD_RAMP, -1))); }, reply(1695)),
    call(p479),
    look(),
        reply({990, 989}, 2723, arg_of(VAR_ARG2)),
        reply({WORD_ROCK, 223}, 2724),
        ret(),
    end(),
    group({788}),
        reply({990}, 2725),
        reply({989}, 2726),
    end(),
    group({990, 989, WORD_ROCK, 223}), mark(), ret(), end(),
    moving(),
        group(heading_carried),
            direction({203, 202, 201, 200}, WORD_NORTH),
            check_heading(),
        end(),
        when(phase_8, go({200, 202, 201}, 518, 2162)),
        go({WORD_NORTH, 203}, 203),
        go({200, 195}, 195),
        go({202}, 202),
        go({201}, 201),
        go({WORD_NORTHEAST}, 536),
        go({WORD_EAST}, 537),
        go({WORD_WEST, 894}, 534),
        go({WORD_NORTHWEST}, 533),
    end(),
    mark({WORD_WALL, WORD_RAMP, 975}),
};

// Place 519: northern heath.
// The northern heath (519).
constexpr row NORTHERN_HEATH[] = {
    look(),
        reply({538, 197}, 2593, arg_of(VAR_ARG2)),
        ret(),
    end(),
    moving(),
        group(heading_carried),
            direction({538, 197}, WORD_SOUTHWEST),
            check_heading(),
        end(),
        go({WORD_NORTH, WORD_NORTHEAST, WORD_WEST, WORD_NORTHWEST}, 544),
        go({WORD_EAST}, 522),
        go({WORD_SOUTHEAST}, 521),
        go({WORD_SOUTH, WORD_SOUTHWEST, 538, 197}, 538),
    end(),
    mark({538, 197}),
};

// Place 520: western wood.
// The western wood (520).
constexpr row WESTERN_WOOD[] = {
    look(),
        reply({538, 197}, 2593, arg_of(VAR_ARG2)),
        ret(),
    end(),
    moving(),
        group(heading_carried),
            first(),
                direction({480}, WORD_SOUTH),
                direction({538, 197}, WORD_EAST),
            end(),
            check_heading(),
        end(),
        go({WORD_NORTHEAST, WORD_EAST, 538, 197}, 538),
        go({WORD_SOUTHEAST}, 196),
        go({WORD_SOUTH, 480}, 480),
        go({WORD_SOUTHWEST, WORD_WEST, WORD_NORTHWEST}, 544),
    end(),
    mark({538, 197}),
};

// Place 521: oak copse.
// The oak copse (521).
constexpr row OAK_COPSE[] = {
    look(),
        reply({195}, 2593, arg_of(195)),
        ret(),
    end(),
    moving(),
        when(phase_8, go({200}, 522, 2162)),
        group(heading_carried),
            first(),
                direction({195, 200}, WORD_SOUTH),
                direction({538}, WORD_WEST),
            end(),
            check_heading(),
        end(),
        go({WORD_NORTH}, 522),
        go({WORD_NORTHEAST}, 523),
        go({WORD_EAST}, 539),
        go({WORD_SOUTHEAST, WORD_SOUTH, WORD_SOUTHWEST, 200, 195}, 195),
        go({WORD_WEST}, 538),
        go({WORD_NORTHWEST}, 519),
    end(),
    mark({195}),
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
    {522, {}, {go({WORD_NORTH, WORD_NORTHEAST, WORD_NORTHWEST}, 544), go({WORD_EAST}, 523), go({WORD_SOUTHEAST}, 539), go({WORD_SOUTH}, 521), go({WORD_SOUTHWEST}, 538),
               go({WORD_WEST}, 519)}},
    {523, {}, {go({WORD_NORTH, WORD_NORTHEAST, WORD_NORTHWEST}, 544), go({WORD_EAST}, 524), go({WORD_SOUTHEAST}, 525), go({WORD_SOUTH}, 539), go({WORD_SOUTHWEST}, 521),
               go({WORD_WEST}, 522)}},
    {524, {}, {go({WORD_NORTH, WORD_NORTHEAST, WORD_EAST, WORD_NORTHWEST}, 544), go({WORD_SOUTHEAST}, 526), go({WORD_SOUTH}, 525), go({WORD_SOUTHWEST}, 539), go({WORD_WEST}, 523)}},
    {526, {}, {go({WORD_NORTH, WORD_NORTHEAST, WORD_EAST, WORD_SOUTHEAST}, 544), go({WORD_SOUTH}, 527), go({WORD_SOUTHWEST}, 540), go({WORD_WEST}, 525), go({WORD_NORTHWEST}, 524)}},
    {527, {}, {go({WORD_NORTH}, 526), go({WORD_NORTHEAST, WORD_EAST, WORD_SOUTHEAST}, 544), go({WORD_SOUTH}, 529), go({WORD_SOUTHWEST}, 528), go({WORD_WEST}, 540),
               go({WORD_NORTHWEST}, 525)}},
    {530, {}, {go({WORD_NORTH}, 528), go({WORD_NORTHEAST}, 529), go({WORD_EAST, WORD_SOUTHEAST, WORD_SOUTH}, 544), go({WORD_SOUTHWEST}, 536), go({WORD_WEST}, 535),
               go({WORD_NORTHWEST}, 541)}},
    {531, {1, 0}, {go({WORD_NORTH, WORD_NORTHEAST}, 195), go({WORD_EAST, WORD_DOWN, 201}, 201), go({WORD_SOUTHEAST}, 202), go({WORD_SOUTH}, 532),
                   go({WORD_SOUTHWEST, WORD_WEST, WORD_NORTHWEST}, 544)}},
    {532, {1, 0}, {go({WORD_NORTH}, 531), go({WORD_NORTHEAST}, 201), go({WORD_EAST, WORD_DOWN, 201}, 202), go({WORD_SOUTHEAST}, 203), go({WORD_SOUTH}, 533),
                   go({WORD_SOUTHWEST, WORD_WEST, WORD_NORTHWEST}, 544)}},
    {533, {1, 0}, {go({WORD_NORTH}, 532), go({WORD_NORTHEAST}, 202), go({WORD_EAST, WORD_DOWN, 201}, 203), go({WORD_SOUTHEAST}, 518), go({WORD_SOUTH}, 534),
                   go({WORD_SOUTHWEST, WORD_WEST, WORD_NORTHWEST}, 544)}},
    {534, {1, 0}, {go({WORD_NORTH}, 533), go({WORD_NORTHEAST}, 203), go({WORD_EAST, WORD_DOWN, 201}, 518), go({WORD_SOUTHEAST}, 537),
                   go({WORD_SOUTH, WORD_SOUTHWEST, WORD_WEST, WORD_NORTHWEST}, 544)}},
    {535, {0, 1}, {go({WORD_NORTH}, 541), go({WORD_NORTHEAST}, 528), go({WORD_EAST}, 530), go({WORD_SOUTHEAST}, 544), go({WORD_SOUTH}, 536), go({WORD_SOUTHWEST}, 203),
                   go({WORD_WEST, WORD_DOWN, 201}, 202), go({WORD_NORTHWEST}, 201)}},
    {536, {0, 1}, {go({WORD_NORTH}, 535), go({WORD_NORTHEAST}, 530), go({WORD_EAST, WORD_SOUTHEAST}, 544), go({WORD_SOUTH}, 537), go({WORD_SOUTHWEST}, 518),
                   go({WORD_WEST, WORD_DOWN, 201}, 203), go({WORD_NORTHWEST}, 202)}},
    {537, {0, 1}, {go({WORD_NORTH}, 536), go({WORD_NORTHEAST, WORD_EAST, WORD_SOUTHEAST, WORD_SOUTH}, 544), go({WORD_SOUTHWEST}, 534), go({WORD_WEST, WORD_DOWN, 201}, 518),
                   go({WORD_NORTHWEST}, 203)}},
};

// Places 522: high pasture; 523: upper meadow; 524: hilltop wood; 526: eastern heights;
//   527: sheep fold; 530: lower wood; 531: alder wood; 532: willow bank; 533: bracken slope;
//   534: southern wood; 535: stream meadow; 536: hazel wood; 537: southern heath.
constexpr row GRID_CELL[] = {
    moving(),
        member_group(DOWN_EAST), when(heading_carried, heading({WORD_DOWN, 201}, WORD_EAST)), end(),
        member_group(DOWN_WEST), when(heading_carried, heading({WORD_DOWN, 201}, WORD_WEST)), end(),
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
    {525, {750, 539, 540}, {go({WORD_NORTH}, 524), go({WORD_NORTHEAST}, 544), go({WORD_EAST}, 526), go({WORD_SOUTHEAST}, 527), go({WORD_SOUTH}, 540),
                            go({WORD_WEST}, 539), go({WORD_NORTHWEST}, 523)}},
    {528, {752, 540, 541}, {go({WORD_NORTH}, 540), go({WORD_NORTHEAST}, 527), go({WORD_EAST}, 529), go({WORD_SOUTHEAST}, 544), go({WORD_SOUTH}, 530),
                            go({WORD_SOUTHWEST}, 535), go({WORD_WEST}, 541)}},
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
    moving(),
        member_rows(),
        step(forked_way),
    end(),
};

// The far field (529): the way south-east into the sunken way is open once
// the grate has been found, or the player has come back from it; the path
// by name only once the player has come back from it.
cond_fold sunken_way_known() { return cond(value[529] == 1); }

// Place 529: far field.
constexpr row FAR_FIELD[] = {
    moving(),
        go({WORD_NORTH}, 527),
        group({WORD_SOUTHEAST}),
            when([] { return cond(is_visited(545)).OR(value[529] > 0); }, forced(542)),
            forced(544),
        end(),
        go({WORD_NORTHEAST, WORD_EAST, WORD_SOUTH}, 544),
        go({WORD_SOUTHWEST}, 530),
        go({WORD_WEST}, 528),
        go({WORD_NORTHWEST}, 540),
        group({538}),
            when(sunken_way_known, forced(542)),
            reply(1319, arg_of(538)),
        end(),
    end(),
};

// Place 538: path.
// The path (538), between the lane, the woods and the footbridge.
constexpr row PATH[] = {
    reply({975}, 2676, arg(975)),
    look(),
        reply({538}, 2677, arg(0)),
        reply({197}, 2728, arg(0)),
        ret(),
    end(),
    moving(),
        call({538}, p329, ref(195), ref(748), ref(197), ref(752)),
        group(phase_8),
            go({195, 200}, 199, 2162),
            go({WORD_LOOKOUT}, 195, 2162),
        end(),
        group(heading_carried),
            group({WORD_LOOKOUT}),
                // The lodestone pointing west turns the walk to the lookout
                // onto the footbridge.
                group([] { return heading_is(6); }),
                    tell(2294, arg(751)),
                    forced(197),
                end(),
                direction({WORD_LOOKOUT}, WORD_NORTHWEST),
            end(),
            direction({197}, WORD_NORTHWEST),
            direction({894}, WORD_NORTH),
            direction({200}, WORD_SOUTHEAST),
            check_heading(),
        end(),
        go({WORD_NORTHWEST, 197}, 197),
        go({WORD_NORTH, 894}, 519),
        go({WORD_NORTHEAST}, 522),
        go({WORD_EAST}, 521),
        go({WORD_SOUTHEAST, 195, 200}, 195),
        go({WORD_SOUTH}, 196),
        go({WORD_SOUTHWEST, WORD_WEST}, 520),
        go({WORD_LOOKOUT}, 199),
    end(),
    mark({538, 197}),
};

// Place 539: copse edge.
// The copse edge (539): south lies between the cairn field and the lane.
constexpr row COPSE_EDGE[] = {
    call(p80),
    moving(),
        group(heading_carried),
            direction({195}, WORD_SOUTHWEST),
            check_heading(),
        end(),
        when(phase_8, go({195}, 544, 2162)),
        go({WORD_NORTH}, 523),
        go({WORD_NORTHEAST}, 524),
        go({WORD_EAST}, 525),
        go({WORD_SOUTHEAST}, 540),
        go({WORD_SOUTHWEST, 195}, 195),
        go({WORD_WEST}, 521),
        go({WORD_NORTHWEST}, 522),
        group({WORD_SOUTH}),
            when(even_chance, forced(540)),
            forced(195),
        end(),
    end(),
};

// The cairn field (540), where scraps of meat are left on the stones: "take"
// alone, or with the bait or "all", takes one, whatever became of the last.
cond_fold bait_to_be_had() { return cond(value[VAR_PHASE] <= 7); }

// Place 540: cairn field.
constexpr row CAIRN_FIELD[] = {
    set_flag(138, OFLAG_SEEN),
    group(bait_to_be_had),
        group([] { return cond(has(138)).OR(one_word()).OR(has(OBJ_ALL)); }),
            group({WORD_TAKE}),
                when(object_carried(138), reply(2360)),
                put(138, PLACE_CARRIED),
                reply(2357),
            end(),
        end(),
        group({138}),
            group({WORD_LOOK}),
                say_as(SAY_DETAIL, 138, 0),
                stop(),
            end(),
            group(one_word),
                set_flag(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_ORPHAN),
                reply(1507, arg_of(VAR_ARG1)),
            end(),
            when(object_not_carried(138), mark()),
        end(),
    end(),
    when(value_over(VAR_PHASE, 7), reply({138}, 3347)),
    call(p80),
    look(),
        reply({994, 993}, 3485),
        // The field of cairns is the place itself.
        reply({985}, 1453),
        ret(),
    end(),
    moving(),
        group(heading_carried),
            direction({195}, WORD_WEST),
            check_heading(),
        end(),
        go({WORD_NORTH}, 525),
        go({WORD_NORTHEAST}, 526),
        go({WORD_EAST}, 527),
        go({WORD_SOUTHEAST}, 529),
        go({WORD_SOUTH}, 528),
        go({WORD_SOUTHWEST}, 541),
        go({WORD_NORTHWEST}, 539),
        when(phase_8, go({195}, 527, 2162)),
        go({195}, 195),
        group({WORD_WEST}),
            when(even_chance, forced(539)),
            forced(541),
        end(),
    end(),
};

// Place 541: beech wood.
// The beech wood (541): north lies between the cairn field and the lane.
constexpr row BEECH_WOOD[] = {
    call(p80),
    moving(),
        group(heading_carried),
            direction({201}, WORD_WEST),
            direction({195}, WORD_NORTHWEST),
            check_heading(),
        end(),
        go({WORD_NORTHEAST}, 540),
        go({WORD_EAST}, 528),
        go({WORD_SOUTHEAST}, 530),
        go({WORD_SOUTH}, 535),
        go({WORD_SOUTHWEST}, 202),
        when(phase_8, go({195}, 530, 2162)),
        go({WORD_WEST, WORD_DOWN, 201}, 201),
        go({WORD_NORTHWEST, 195}, 195),
        group({WORD_NORTH}),
            when(even_chance, forced(540)),
            forced(195),
        end(),
    end(),
};

// --- The sunken way, the mire, the grate and the shrine (542..546) ---------

// Places 542: sunken way; 543: hollow way.
// The two stretches of the sunken way: the far field or the grate at their
// ends, the mire on every side.
constexpr member SUNKEN_WAYS[] = {
    {542, {}, {call({538}, p329, ref(543), ref(748), ref(529), ref(752)), go({WORD_NORTHWEST}, 529), go({WORD_SOUTHEAST}, 543),
               go({WORD_NORTH, WORD_NORTHEAST, WORD_EAST, WORD_SOUTH, WORD_SOUTHWEST, WORD_WEST}, 544)}},
    {543, {}, {call({538}, p329, ref(545), ref(748), ref(542), ref(752)), go({WORD_NORTHWEST}, 542), go({WORD_SOUTHEAST}, 545),
               go({WORD_NORTH, WORD_NORTHEAST, WORD_EAST, WORD_SOUTH, WORD_SOUTHWEST, WORD_WEST}, 544)}},
};

// Places 542: sunken way; 543: hollow way.
constexpr row SUNKEN_WAY[] = {
    call(p474),
    // The old track underfoot, its banks, and the hollow way itself.
    group({WORD_LOOK}),
        reply({951}, 1453),
        when(here_is(543), reply({1003}, 1453)),
        reply({927}, 1849, arg_of(VAR_ARG2)),
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
        moveto(544, -2);
        return 1;
    }
    value[VAR_STAY_CHANCE] = 120 + irand(41);
    hold_ref(VAR_WORK_PLACE, 519 + irand(19));
    p240(ref(518));
    if (loop) return 1;
    moveto(value[VAR_WORK_PLACE], -2);
    return 1;
}

cond_fold compass_move() {
    return movement_guard().AND(anyof(WORD_NORTH, WORD_NORTHEAST, WORD_EAST, WORD_SOUTHEAST, WORD_SOUTH, WORD_SOUTHWEST, WORD_WEST, WORD_NORTHWEST, -1));
}

// Place 544: mire.
constexpr row MIRE[] = {
    call(p474),
    when(compass_move, step(struggle_in_the_mire)),
};

// The grate (545). "Door" here and in the shrine is the cover over the
// shaft.
cond_fold phase_3() { return cond(value[VAR_PHASE] == 3); }

// Place 545: grate.
constexpr row GRATE[] = {
    look(),
        reply({975}, 2676, arg(975)),
        reply({545}, 2696, arg(0)),
        reply({894}, 2695, arg(0)),
        reply({131, 974}, 2695, arg(1)),
        group({917}),
            when(phase_3, reply(2392, arg(0))),
            reply(2393, arg(0)),
        end(),
        reply({981, 980, WORD_DOWN}, 2392, arg(1)),
        reply({546}, 2389),
        reply({538}, 2674, arg(0)),
        reply({480}, 2674, arg(1)),
        reply({WORD_FLOOR, 1133}, 2696, arg(1)),
        reply({1131, 983}, 2697),
        reply({982}, 2698, arg(1)),
        reply({8}, 2729, arg(4)),
        reply({920}, 2734, arg(0)),
        reply({475}, 2391),
        reply({WORD_WALL}, 2729, arg(0)),
        reply({993}, 2390),
        ret(),
    end(),
    // The votives stand fast along the foot of the shrine.
    reply(all({WORD_TAKE, 983}), 2760),
    group({8}),
        reply({WORD_OPEN}, 2733, arg(0)),
        reply({WORD_CLOSE}, 2506, arg_of(8)),
        rewrite(8, 169),
    end(),
    group({920}),
        reply({792, 815, 992}, 2735, arg(0)),
        reply({800}, 2464),
        reply({WORD_OPEN, WORD_CLOSE}, 2736, arg(WORD_OPEN)),
        mark(),
        ret(),
    end(),
    // A jump down the shaft: in the turned world, the end of the game.
    group(has_word(762).AND(has_any_word({WORD_IN, 917, WORD_DOWN}))),
        first(),
            group(phase_8), call(p224, num(1)), end(),
            otherwise(), forced(489, 3497), end(),
        end(),
    end(),
    when([] { return cond(keyword(WORD_IN, 546, -1)).OR(keyword(WORD_CLIMB, WORD_DOWN, -1)).OR(keyword(WORD_DOWN, 917, -1)); },
         let(VAR_COMMAND_STATUS, 1)),
    moving(),
        group({WORD_NORTHWEST, 538}),
            let(529, 1),
            forced(543),
        end(),
        group({WORD_IN, WORD_SOUTHWEST, 546}),
            tell(2732, arg(0)),
            forced(546),
        end(),
        group({WORD_CLIMB, WORD_DOWN, 917}),
            when(phase_8, forced(672, 2881)),
            forced(489),
        end(),
        go({WORD_NORTH, WORD_NORTHEAST, WORD_EAST, WORD_SOUTHEAST, WORD_SOUTH, WORD_WEST}, 544),
    end(),
    mark({975, 545, 894, 131, 974, 917, 981}),
    mark({546, 538, 480, WORD_FLOOR, 1131, 982}),
    mark({920, 475, WORD_WALL, 993}),
    land(489, 2394),
};

// Place 546: shrine.
// The shrine (546).
constexpr row SHRINE[] = {
    group({992}),
        reply({WORD_LOOK}, 2730),
        reply({775, 785, WORD_TAKE}, 2464),
        reply({8, WORD_WALL, WORD_FLOOR}, 2464),
        reply({920}, 2735, arg(1)),
        mark(),
        ret(),
    end(),
    group({8}),
        reply({WORD_OPEN}, 2733, arg(1)),
        reply({WORD_CLOSE}, 2506, arg_of(8)),
        rewrite(8, 169),
    end(),
    group({546}),
        reply({WORD_LOOK}, 2389),
        reply({WORD_GO, WORD_IN}, 2620, arg_of(546)),
        mark(),
        ret(),
    end(),
    look(),
        reply({966}, 1849, arg_of(VAR_ARG2)),
        reply({WORD_WALL}, 2729, arg(0)),
        reply({WORD_FLOOR}, 2729, arg(1)),
        reply({376, 475}, 2729, arg(2)),
        reply({169}, 2729, arg(3)),
        reply({WORD_OUT, 545, 920}, 2734, arg(1)),
        reply({993}, 2390),
        ret(),
    end(),
    group({920}),
        reply({792, 815}, 2735),
        reply({800}, 2464),
        reply({WORD_OPEN, WORD_CLOSE}, 2736, arg(WORD_OPEN)),
        mark(),
        ret(),
    end(),
    moving(),
        reply({WORD_IN}, 2620, arg_of(546)),
        group({WORD_OUT, WORD_NORTHEAST, 545}),
            tell(2732, arg(1)),
            forced(545),
        end(),
    end(),
    mark({475, 920, WORD_WALL, 169, WORD_FLOOR, 993, 546, 992}),
    mark({545}),
};

}  // namespace

int p726() { return run<LANE>(); }
int p403() { return run<WOODSIDE>(); }
int p77() { return run<COTTAGE>(); }
int p880() { return run<VALLEY>(); }
int p781() { return run<STREAMBED>(); }
int p187() { return run<DELL>(); }
int p699() { return run_member<FOOTBRIDGE, FOOTBRIDGE_ENDS>(197); }
int p700() { return run_member<FOOTBRIDGE, FOOTBRIDGE_ENDS>(198); }
int p816() { return run<BLUFF>(); }
int p17() { return run<OPEN_SKY>(); }
int p865() { return run<ROAD>(); }
int p269() { return run<DELL_FOOT>(); }
int p333() { return run<NORTHERN_HEATH>(); }
int p344() { return run<WESTERN_WOOD>(); }
int p346() { return run<OAK_COPSE>(); }
int p347() { return run_member<GRID_CELL, GRID_CELLS>(522); }
int p348() { return run_member<GRID_CELL, GRID_CELLS>(523); }
int p349() { return run_member<GRID_CELL, GRID_CELLS>(524); }
int p350() { return run_member<FORKED_CELL, FORKED_CELLS>(525); }
int p351() { return run_member<GRID_CELL, GRID_CELLS>(526); }
int p334() { return run_member<GRID_CELL, GRID_CELLS>(527); }
int p335() { return run_member<FORKED_CELL, FORKED_CELLS>(528); }
int p336() { return run<FAR_FIELD>(); }
int p337() { return run_member<GRID_CELL, GRID_CELLS>(530); }
int p338() { return run_member<GRID_CELL, GRID_CELLS>(531); }
int p339() { return run_member<GRID_CELL, GRID_CELLS>(532); }
int p340() { return run_member<GRID_CELL, GRID_CELLS>(533); }
int p341() { return run_member<GRID_CELL, GRID_CELLS>(534); }
int p342() { return run_member<GRID_CELL, GRID_CELLS>(535); }
int p343() { return run_member<GRID_CELL, GRID_CELLS>(536); }
int p345() { return run_member<GRID_CELL, GRID_CELLS>(537); }
int p664() { return run<PATH>(); }
int p620() { return run<COPSE_EDGE>(); }
int p252() { return run<CAIRN_FIELD>(); }
int p790() { return run<BEECH_WOOD>(); }
int p178() { return run_member<SUNKEN_WAY, SUNKEN_WAYS>(542); }
int p179() { return run_member<SUNKEN_WAY, SUNKEN_WAYS>(543); }
int p175() { return run<MIRE>(); }
int p133() { return run<GRATE>(); }
int p772() { return run<SHRINE>(); }
