// The ladder hall and its side places, the antechamber where the giant
// sleeps, the sluice with its lever, the little labyrinth and the web, and
// the stair down to the brink of the drop and the lower ledge across it.
// Each place's procedure answers its feature words, moves the player along
// its exits and marks the words of its features for the last replies; the
// sluice works its lever, the web bars the way on out of the labyrinth, the
// brink has no way off but to be carried, and what is thrown from the lower
// ledge falls into the drop.
#include "game.h"

using namespace rows;

namespace {

// --- The ladder hall (262), the ladder top (263) and the side cell (264) ---

// Place 262: ladder hall.
constexpr row LADDER_HALL[] = {
    // "Steps" here are the spiral staircase.
    rewrite(7, 171),
    look(),
        reply({376, WORD_UP}, 2019, arg(0)),
        reply({263, 993}, 2919, arg(0)),
        reply({171, 1020, 960, 268, WORD_HOLE, 1038}, 2933, arg(0)),
        ret(),
    end(),
    group({78}),
        reply({WORD_TAKE, 807}, 2397, arg(0)),
        reply({781, 808}, 2397, arg(1)),
    end(),
    let(263, 0),
    // "Up the ladder" and "go ladder" are climbing it.
    when(has_word(78).AND(has_any_word({WORD_UP, WORD_GO})), let_ref(VAR_ARG1, 848)),
    when(has_word(WORD_CLIMB).AND(has_any_word({WORD_UP, 78})), let(VAR_COMMAND_STATUS, 1)),
    moving(),
        go({WORD_CLIMB}, 263),
        go({WORD_NORTH}, 294),
        go({WORD_WEST}, 264),
        go({WORD_UP}, 491),
        go({WORD_DOWN, WORD_HOLE}, 490),
        call({171}, p329, ref(491), ref(754), ref(490), ref(755)),
    end(),
    mark({WORD_HOLE, 171, 268, 1020, 960}),
    mark_name({376, 263}),
};

// Place 263: ladder top.
constexpr row LADDER_TOP[] = {
    let(263, 1),
    group({78}),
        group({WORD_LOOK}),
            say_as(SAY_DETAIL | SAY_ARG, 78, 1),
            stop(),
        end(),
        reply({WORD_TAKE, WORD_DROP}, 2397, arg(2)),
        reply({807}, 2397, arg(3)),
        reply({781}, 2397, arg(1)),
    end(),
    look(),
        let({1105}, VAR_COMMAND_STATUS, 1),
        reply({376}, 2019, arg(0)),
        reply({263}, 2919, arg(1)),
        reply({993}, 3446),
        reply({WORD_DOWN}, 3243),
        ret(),
    end(),
    reply({1105}, 1425),
    moving(),
        go({WORD_OUT, WORD_CLIMB, WORD_DOWN}, 262),
    end(),
    mark({263, 376, 993}),
    // What is let go of up here falls to the hall below.
    drop_to(262, 1566),
    land(262, 1566),
    let(VAR_DROP_TEXT_MODE, 1),
};

// Place 264: side cell.
constexpr row SIDE_CELL[] = {
    look(),
        let({300}, VAR_COMMAND_STATUS, 1),
        reply({376, WORD_UP}, 2019, arg(1)),
        ret(),
    end(),
    moving(),
        go({WORD_EAST, WORD_OUT, 262}, 262),
    end(),
    mark({376}),
};

// --- The antechamber (452) and the sluice (453) ------------------------------

cond_fold giant_roused() { return cond(has(53)).AND(value[194] == 2); }

// Place 452: antechamber.
constexpr row ANTECHAMBER[] = {
    group({914}),
        reply({WORD_LOOK}, 3115),
        reply({808, 807, 797}, 3116),
        reply(2037, arg(914)),
    end(),
    look(),
        when(giant_roused, reply(3440)),
        reply({WORD_LIGHT}, 3117),
        reply({WORD_OPENING}, 2902, arg(902)),
        reply({WORD_OUT, 495}, 3114, arg_of(495)),
        let({452, 300}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    // Any other command here once every treasure is home wakes the hills.
    when(value_is(VAR_PHASE, 4), call(p149)),
    moving(),
        reply({452, 300}, 1425),
        go({WORD_NORTH, 453}, 453),
        go({WORD_SOUTH, 673}, 454),
        go({WORD_EAST, 495}, 495),
    end(),
    mark({WORD_OPENING}),
};

// The sluice's gate: shut (0), open on the way down (1), shut for good (2).
cond_fold gate_open() { return cond(value[453] == 1); }
cond_fold gate_free() { return cond(value[453] != 2); }

// Place 453: sluice.
constexpr row SLUICE[] = {
    // Drinking and pouring are the word procedures' business.
    ret({WORD_CONSUME_LIQUID, 787}),
    reply({OBJ_LIQUID_1}, 3172),
    group({1131}),
        rewrite_shown(1131, 77),
    end(),
    when([] { return cond(!light()); }, reply(all({WORD_LOOK, 77}), 2388)),
    look(),
        reply({1045}, 2535, arg(1045)),
        reply({376, WORD_UP}, 2019, arg(13)),
        reply({WORD_ROCK}, 2699),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 3162),
        reply({WORD_FLOOR, 77, WORD_DOWN, 926}, 2115, arg_of(453)),
        when(gate_open, reply({WORD_HOLE, WORD_OPENING}, 3114, arg(893))),
        reply({WORD_HOLE}, 2115, arg_of(453)),
        let({453}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    // The lever works the gate; once the hills have woken it stays shut.
    group({77}),
        group({797, 807, 808}),
            tell(1706, arg_of(453)),
            group(gate_free),
                let(453, 1),
                let(1245, -1),
            end(),
            stop(),
        end(),
        mark(),
        ret(),
    end(),
    when([] { return cond(cond(anyof(WORD_IN, WORD_CLIMB, -1)).AND(anyof(WORD_HOLE, WORD_DOWN, -1))).OR(keyword(WORD_CLIMB, WORD_IN, -1)); },
         let(VAR_COMMAND_STATUS, 1)),
    moving(),
        go({WORD_OUT, WORD_SOUTH, WORD_PASSAGE}, 452),
        when([] { return cond(anyof(WORD_DOWN, WORD_IN, WORD_HOLE, WORD_OPENING, -1)).AND(gate_open()); }, forced(488)),
        reply({453}, 1425),
    end(),
    mark({453, WORD_PASSAGE, 1045}),
    when(gate_open, mark({WORD_HOLE, WORD_OPENING})),
};

// --- The little labyrinth (454..459) ----------------------------------------

constexpr int EXIT_OF_LABYRINTH = 0;  // the cell whose way out answers the maze's own name

// Places 454..456, 458..459: little labyrinth.
constexpr member LITTLE_LABYRINTH[] = {
    {454, {1}, {go({495}, 495), go({WORD_EAST}, 455), go({WORD_WEST}, 458), go({WORD_UP}, 459), go({WORD_DOWN}, 456), go({WORD_NORTH}, 452)}},
    {455, {0}, {go({WORD_NORTH}, 454), go({WORD_EAST, WORD_DOWN}, 455), go({WORD_WEST}, 458), go({WORD_SOUTH}, 456), go({WORD_UP}, 457)}},
    {456, {0}, {go({WORD_NORTH}, 455), go({WORD_EAST, WORD_DOWN}, 456), go({WORD_WEST}, 454), go({WORD_SOUTH}, 457), go({WORD_UP}, 458)}},
    {458, {0}, {go({WORD_NORTH}, 459), go({WORD_EAST}, 454), go({WORD_WEST, WORD_UP}, 458), go({WORD_SOUTH}, 457), go({WORD_DOWN}, 456)}},
    {459, {0}, {go({WORD_WEST, WORD_NORTH}, 458), go({WORD_EAST}, 454), go({WORD_SOUTH}, 457), go({WORD_UP}, 458), go({WORD_DOWN}, 455)}},
};

// Places 454..456, 458..459: little labyrinth.
constexpr row LABYRINTH_CELL[] = {
    look(),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2902, arg(897)),
        let({673}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        member_rows(),
        member_group(EXIT_OF_LABYRINTH),
            reply({673}, 1425),
        end(),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, 308, 673}),
};

template <int PLACE>
int labyrinth_cell() {
    return run_member<LABYRINTH_CELL, LITTLE_LABYRINTH>(PLACE);
}

// The web cell (457): the way on south is the web's, and the spider's.
cond_fold web_whole() { return cond(value[89] == 0); }
cond_fold web_torn() { return cond(value[89] == 1); }
cond_fold web_in_rags() { return cond(value[89] == 2); }

// "Take" alone takes the one thing lying here that can be carried.
int take_what_lies_here() {
    default_to(0, here(), OFLAG_PORTABLE);
    return 0;
}

// Place 457: little labyrinth.
constexpr row WEB_CELL[] = {
    look(),
        reply({1098}, 3437),
        // The opening behind the web is not seen until the web is in rags.
        group(has_any_word({WORD_HOLE, WORD_OPENING}).AND(value_not(89, 2))),
            first(),
                when([] { return cond(arg1() == WORD_HOLE).OR(arg1() == WORD_OPENING); }, reply(1319, arg_of(VAR_ARG1))),
                reply(1319, arg_of(VAR_ARG2)),
            end(),
        end(),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2902, arg(897)),
        when(web_in_rags, reply({WORD_OPENING, WORD_HOLE}, 2754, arg_of(VAR_ARG2))),
        let({673}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    // The axe thrown at the spider sticks in the web.
    group([] { return cond(keyword(793, 124, -1)).AND(carried(124)).AND(near(90)); }),
        let(124, 2),
        put_here(124),
        reply(1804),
    end(),
    group({WORD_TAKE}),
        when(word_count(1), step(take_what_lies_here)),
        when(has_word(124).AND(value_is(124, 2)), reply(1785)),
    end(),
    group([] { return cond(has(91)).AND(web_torn()); }),
        reply({798, WORD_TAKE, 807, 808}, 1812),
        reply(1403),
    end(),
    when(has_word(WORD_IN).AND(has_any_word({WORD_HOLE, WORD_OPENING})), let(VAR_COMMAND_STATUS, 1)),
    moving(),
        go({WORD_NORTH}, 455),
        go({WORD_WEST}, 459),
        go({WORD_EAST}, 456),
        go({WORD_UP}, 458),
        group({WORD_SOUTH, WORD_IN, WORD_HOLE, WORD_OPENING}),
            call(p784),
            when(web_whole, reply(1785)),
            when(web_torn, reply(1811)),
            forced(516),
        end(),
    end(),
    group({89, 1098}),
        reply({WORD_TAKE, 807}, 3439),
    end(),
    reply({1098}, 1403),
    mark({WORD_PASSAGE, WORD_TUNNEL, 308, 673, WORD_HOLE, WORD_OPENING}),
};

// --- The stair foot (460), the landing (461) and the brink (462) -------------

// Place 460: stair foot.
constexpr row STAIR_FOOT[] = {
    call(p185, ref(134)),
    call(p297, ref(1933), ref(134)),
    group({1036}),
        reply({WORD_LOOK}, 3187),
        reply({800, 808, 807}, 3186),
        mark(),
        ret(),
    end(),
    group({268}),
        reply({WORD_LOOK}, 3184),
        reply({807, 808, WORD_CLOSE}, 3185, arg_of(VAR_ARG1)),
        reply({800}, 1885, arg_of(268)),
        mark(),
        ret(),
    end(),
    look(),
        reply({376, WORD_UP}, 2019, arg(14)),
        reply({7}, 2748),
        reply({WORD_OPENING, WORD_HOLE}, 2903, arg(902)),
        let({460}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        go({WORD_UP, 7}, 461),
        go({WORD_IN, WORD_SOUTH, WORD_OPENING, WORD_HOLE}, 462, 1704),
        reply({460}, 1425),
    end(),
    mark({7, 460, WORD_OPENING, WORD_HOLE}),
};

// Place 461: stair landing.
constexpr row STAIR_LANDING[] = {
    look(),
        reply({1052}, 3245),
        reply({7}, 2748),
        reply({895}, 3097, arg(895)),
        reply({76}, 3096),
        ret(),
    end(),
    moving(),
        go({WORD_DOWN}, 460),
        go({WORD_UP}, 495),
        go({WORD_NORTHWEST, WORD_IN, 284, 895, 76}, 284),
    end(),
    mark({7, 895}),
};

// The winch is worked only with oil; anything else done to it is refused.
cond_fold winch_worked() { return cond(has(75)).AND(!has(OBJ_LIQUID_2)).AND(!has(WORD_LOOK)); }

// Whatever is let go of on the brink falls down the drop, unless it is
// something that would not go.
cond_fold lets_go_down_the_drop() {
    const int thing = arg2();
    return cond(!cond(words() > 1).AND(bitest(thing, FLAG_IS_OBJECT)).AND(bitest(thing, OFLAG_BLOCKS_PASSAGE)));
}

// Place 462: brink of the drop.
constexpr row BRINK[] = {
    when(winch_worked, reply(1697)),
    look(),
        reply({WORD_DOWN}, 2478, arg(1)),
        reply({7, 171}, 3082),
        reply({300, 15}, 3083),
        reply({WORD_WALL, 376}, 3084),
        reply({WORD_FLOOR, 980, 912}, 3085),
        reply({970}, 3086),
        reply({268, 981}, 3087),
        let({462}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    when(has_word(80).AND(has_any_word({WORD_DOWN, WORD_IN})), let(VAR_COMMAND_STATUS, 1)),
    group({268}),
        reply({808}, 2493, arg_of(268)),
        reply({807}, 2492, arg_of(268)),
    end(),
    // No way off the brink on foot.
    moving(),
        reply({7, WORD_OUT, 300}, 2913),
        reply({80, WORD_IN, WORD_DOWN}, 1838),
        reply({462}, 1425),
    end(),
    group(lets_go_down_the_drop),
        land(502, 2099),
        drop_to(502, 2099),
        let(VAR_DROP_TEXT_MODE, 1),
    end(),
    mark({7, 75, 462, 80, 970, 300, 268}),
};

// --- The lower ledge (463) and the stair shaft (464) -------------------------

cond_fold orb_on_the_brink() { return cond(has(81)).AND(getloc(81) == 462); }

// A thing carried and thrown from the ledge, while the prowler is not by.
cond_fold throws_into_the_drop() {
    const int thing = arg2();
    return cond(words() > 1).AND(has(793)).AND(bitest(thing, FLAG_IS_OBJECT)).AND(carried(thing)).AND(!near(OBJ_ATTACKER));
}

// Place 463: lower ledge.
constexpr row LOWER_LEDGE[] = {
    group({WORD_CLIMB}),
        first(),
            when(has_any_word({7, 171, WORD_UP}).OR(word_count(1)), forced(464)),
            reply(2161),
        end(),
    end(),
    group(orb_on_the_brink),
        reply({WORD_LOOK}, 3198),
        reply(1698),
    end(),
    when(winch_worked, reply(1697)),
    look(),
        reply({WORD_DOWN}, 2478, arg(1)),
        reply({981}, 1849, arg_of(VAR_ARG2)),
        reply({999}, 3245),
        group({7, 171}),
            tell(3242),
            reply(1266),
        end(),
        reply({462}, 3081),
        reply({80}, 2952, arg_of(80)),
        reply({970}, 3086),
        reply({268}, 2951, arg_of(268)),
        ret(),
    end(),
    reply({80}, 2159),
    when(throws_into_the_drop, call(p846)),
    moving(),
        go({WORD_UP, 7, 171}, 464),
        reply({462, WORD_IN, 80}, 2913),
    end(),
    mark({7, 171, 75, 462}),
};

// Place 464: stair shaft.
constexpr row STAIR_SHAFT[] = {
    look(),
        group({7, 171}),
            tell(3242),
            reply(1266),
        end(),
        reply({1038, WORD_ROCK, 1083, WORD_WALL}, 3179),
        reply({1023}, 3178),
        let({981}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    reply(all({WORD_TAKE, 1083}), 3179),
    moving(),
        // The orb far below catches the eye of whoever goes by.
        set_flag(81, OFLAG_SEEN),
        go({WORD_UP}, 220),
        go({WORD_DOWN}, 463),
        call({7}, p329, ref(220), ref(754), ref(463), ref(755)),
        reply({981}, 1425),
    end(),
    mark({7, 171, 1023, WORD_WALL, 1083, WORD_ROCK, 1038, 981}),
    land(463, 1669),
};

}  // namespace

int p123() { return run<LADDER_HALL>(); }
int p51() { return run<LADDER_TOP>(); }
int p889() { return run<SIDE_CELL>(); }
int p694() { return run<ANTECHAMBER>(); }
int p241() { return run<SLUICE>(); }
int p912() { return labyrinth_cell<454>(); }
int p913() { return labyrinth_cell<455>(); }
int p914() { return labyrinth_cell<456>(); }
int p915() { return run<WEB_CELL>(); }
int p916() { return labyrinth_cell<458>(); }
int p917() { return labyrinth_cell<459>(); }
int p45() { return run<STAIR_FOOT>(); }
int p170() { return run<STAIR_LANDING>(); }
int p120() { return run<BRINK>(); }
int p121() { return run<LOWER_LEDGE>(); }
int p395() { return run<STAIR_SHAFT>(); }
