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
    rewrite(OBJ_STEPS, OBJ_STAIRCASE),
    look(),
        reply({PLACE_CEILING, WORD_UP}, 2019, arg(0)),
        reply({PLACE_LADDER_TOP, WORD_BALCONY}, 2919, arg(0)),
        reply({OBJ_STAIRCASE, WORD_HANDHOLDS, WORD_CREVICE, PLACE_CROSSWAY, WORD_HOLE, WORD_SPIRAL}, 2933, arg(0)),
        ret(),
    end(),
    group({OBJ_LADDER}),
        reply({WORD_TAKE, WORD_PULL}, 2397, arg(0)),
        reply({WORD_WAVE, WORD_PUSH}, 2397, arg(1)),
    end(),
    let(PLACE_LADDER_TOP, 0),
    // "Up the ladder" and "go ladder" are climbing it.
    when(has_word(OBJ_LADDER).AND(has_any_word({WORD_UP, WORD_GO})), let_ref(VAR_ARG1, WORD_CLIMB)),
    when(has_word(WORD_CLIMB).AND(has_any_word({WORD_UP, OBJ_LADDER})), let(VAR_COMMAND_STATUS, 1)),
    moving(),
        go({WORD_CLIMB}, PLACE_LADDER_TOP),
        go({WORD_NORTH}, PLACE_FIVE_WAYS),
        go({WORD_WEST}, PLACE_SIDE_CELL),
        go({WORD_UP}, PLACE_TIMEKEEPERS_ROOM),
        go({WORD_DOWN, WORD_HOLE}, PLACE_CHEST_ROOM),
        call({OBJ_STAIRCASE}, p329, ref(PLACE_TIMEKEEPERS_ROOM), ref(WORD_UP), ref(PLACE_CHEST_ROOM), ref(WORD_DOWN)),
    end(),
    mark({WORD_HOLE, OBJ_STAIRCASE, PLACE_CROSSWAY, WORD_HANDHOLDS, WORD_CREVICE}),
    mark_name({PLACE_CEILING, PLACE_LADDER_TOP}),
};

// Place 263: ladder top.
constexpr row LADDER_TOP[] = {
    let(PLACE_LADDER_TOP, 1),
    group({OBJ_LADDER}),
        group({WORD_LOOK}),
            say_as(SAY_DETAIL | SAY_ARG, OBJ_LADDER, 1),
            stop(),
        end(),
        reply({WORD_TAKE, WORD_DROP}, 2397, arg(2)),
        reply({WORD_PULL}, 2397, arg(3)),
        reply({WORD_WAVE}, 2397, arg(1)),
    end(),
    look(),
        let({WORD_PEG}, VAR_COMMAND_STATUS, 1),
        reply({PLACE_CEILING}, 2019, arg(0)),
        reply({PLACE_LADDER_TOP}, 2919, arg(1)),
        reply({WORD_BALCONY}, 3446),
        reply({WORD_DOWN}, 3243),
        ret(),
    end(),
    reply({WORD_PEG}, 1425),
    moving(),
        go({WORD_OUT, WORD_CLIMB, WORD_DOWN}, PLACE_LADDER_HALL),
    end(),
    mark({PLACE_LADDER_TOP, PLACE_CEILING, WORD_BALCONY}),
    // What is let go of up here falls to the hall below.
    drop_to(PLACE_LADDER_HALL, 1566),
    land(PLACE_LADDER_HALL, 1566),
    let(VAR_DROP_TEXT_MODE, 1),
};

// Place 264: side cell.
constexpr row SIDE_CELL[] = {
    look(),
        let({PLACE_LAKESIDE_CHAMBER}, VAR_COMMAND_STATUS, 1),
        reply({PLACE_CEILING, WORD_UP}, 2019, arg(1)),
        ret(),
    end(),
    moving(),
        go({WORD_EAST, WORD_OUT, PLACE_LADDER_HALL}, PLACE_LADDER_HALL),
    end(),
    mark({PLACE_CEILING}),
};

// --- The antechamber (452) and the sluice (453) ------------------------------

cond_fold giant_roused() { return cond(has(OBJ_STATUETTE)).AND(value[OBJ_GIANT] == 2); }

// Taking the statuette from the giant who holds it is answered as looking at
// it is: he will not give it back (the word procedure would say there is no
// statuette here, with the giant shown holding it).
cond_fold statuette_taken_from_giant() { return giant_roused().AND(has(WORD_TAKE)); }

// Place 452: antechamber.
constexpr row ANTECHAMBER[] = {
    group({WORD_PILLAR}),
        reply({WORD_LOOK}, 3115),
        reply({WORD_PUSH, WORD_PULL, WORD_LIFT}, 3116),
        reply(2037, arg(WORD_PILLAR)),
    end(),
    when(statuette_taken_from_giant, reply(3440)),
    look(),
        when(giant_roused, reply(3440)),
        reply({WORD_LIGHT}, 3117),
        reply({WORD_OPENING}, 2902, arg(WORD_OPENING)),
        reply({PLACE_ANTECHAMBER}, 3514, arg(0)),
        reply({PLACE_SLUICE}, 3514, arg(1)),
        reply({PLACE_LABYRINTH_673}, 3514, arg(2)),
        reply({WORD_OUT, PLACE_CROSSWAYS}, 3114, arg_of(PLACE_CROSSWAYS)),
        let({PLACE_ANTECHAMBER, PLACE_LAKESIDE_CHAMBER}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    // Any other command here once every treasure is home wakes the hills.
    when(value_is(VAR_PHASE, 4), call(p149)),
    moving(),
        reply({PLACE_ANTECHAMBER, PLACE_LAKESIDE_CHAMBER}, 1425),
        go({WORD_NORTH, PLACE_SLUICE}, PLACE_SLUICE),
        go({WORD_SOUTH, PLACE_LABYRINTH_673}, PLACE_LITTLE_LABYRINTH_454),
        go({WORD_EAST, PLACE_CROSSWAYS}, PLACE_CROSSWAYS),
    end(),
    mark({WORD_OPENING}),
};

// The sluice's gate: shut (0), open on the way down (1), shut for good (2).
cond_fold gate_open() { return cond(value[PLACE_SLUICE] == 1); }
cond_fold gate_free() { return cond(value[PLACE_SLUICE] != 2); }

// Place 453: sluice.
constexpr row SLUICE[] = {
    // Drinking and pouring are the word procedures' business.
    ret({WORD_CONSUME_LIQUID, WORD_POUR}),
    reply({OBJ_LIQUID_1}, 3172),
    group({WORD_STONE}),
        rewrite_shown(WORD_STONE, OBJ_LEVER),
    end(),
    when([] { return cond(!light()); }, reply(all({WORD_LOOK, OBJ_LEVER}), 2388)),
    look(),
        reply({WORD_FLOODGATE}, 2535, arg(WORD_FLOODGATE)),
        reply({PLACE_CEILING, WORD_UP}, 2019, arg(13)),
        reply({PLACE_BASIN}, 3514, arg(3)),
        reply({WORD_ROCK}, 2699),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 3162),
        reply({WORD_FLOOR, OBJ_LEVER, WORD_DOWN, WORD_LID}, 2115, arg_of(PLACE_SLUICE)),
        when(gate_open, reply({WORD_HOLE, WORD_OPENING}, 3114, arg(WORD_HOLE))),
        reply({WORD_HOLE}, 2115, arg_of(PLACE_SLUICE)),
        let({PLACE_SLUICE}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    // The lever works the gate; once the hills have woken it stays shut.
    group({OBJ_LEVER}),
        group({WORD_LIFT, WORD_PULL, WORD_PUSH}),
            tell(1706, arg_of(PLACE_SLUICE)),
            group(gate_free),
                let(PLACE_SLUICE, 1),
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
        go({WORD_OUT, WORD_SOUTH, WORD_PASSAGE}, PLACE_ANTECHAMBER),
        when([] { return cond(anyof(WORD_DOWN, WORD_IN, WORD_HOLE, WORD_OPENING, -1)).AND(gate_open()); },
             forced(PLACE_DRAIN_PASSAGE)),
        reply({PLACE_SLUICE}, 1425),
    end(),
    mark({PLACE_SLUICE, WORD_PASSAGE, WORD_FLOODGATE}),
    when(gate_open, mark({WORD_HOLE, WORD_OPENING})),
};

// --- The little labyrinth (454..459) ----------------------------------------

constexpr int EXIT_OF_LABYRINTH = 0;  // the cell whose way out answers the maze's own name

// Places 454..456, 458..459: little labyrinth.
constexpr member LITTLE_LABYRINTH[] = {
    {PLACE_LITTLE_LABYRINTH_454, {1},
     {go({PLACE_CROSSWAYS}, PLACE_CROSSWAYS), go({WORD_EAST}, PLACE_LITTLE_LABYRINTH_455),
      go({WORD_WEST}, PLACE_LITTLE_LABYRINTH_458), go({WORD_UP}, PLACE_LITTLE_LABYRINTH_459),
      go({WORD_DOWN}, PLACE_LITTLE_LABYRINTH_456), go({WORD_NORTH}, PLACE_ANTECHAMBER)}},
    {PLACE_LITTLE_LABYRINTH_455, {0},
     {go({WORD_NORTH}, PLACE_LITTLE_LABYRINTH_454), go({WORD_EAST, WORD_DOWN}, PLACE_LITTLE_LABYRINTH_455),
      go({WORD_WEST}, PLACE_LITTLE_LABYRINTH_458), go({WORD_SOUTH}, PLACE_LITTLE_LABYRINTH_456),
      go({WORD_UP}, PLACE_LITTLE_LABYRINTH_457)}},
    {PLACE_LITTLE_LABYRINTH_456, {0},
     {go({WORD_NORTH}, PLACE_LITTLE_LABYRINTH_455), go({WORD_EAST, WORD_DOWN}, PLACE_LITTLE_LABYRINTH_456),
      go({WORD_WEST}, PLACE_LITTLE_LABYRINTH_454), go({WORD_SOUTH}, PLACE_LITTLE_LABYRINTH_457),
      go({WORD_UP}, PLACE_LITTLE_LABYRINTH_458)}},
    {PLACE_LITTLE_LABYRINTH_458, {0},
     {go({WORD_NORTH}, PLACE_LITTLE_LABYRINTH_459), go({WORD_EAST}, PLACE_LITTLE_LABYRINTH_454),
      go({WORD_WEST, WORD_UP}, PLACE_LITTLE_LABYRINTH_458), go({WORD_SOUTH}, PLACE_LITTLE_LABYRINTH_457),
      go({WORD_DOWN}, PLACE_LITTLE_LABYRINTH_456)}},
    {PLACE_LITTLE_LABYRINTH_459, {0},
     {go({WORD_WEST, WORD_NORTH}, PLACE_LITTLE_LABYRINTH_458), go({WORD_EAST}, PLACE_LITTLE_LABYRINTH_454),
      go({WORD_SOUTH}, PLACE_LITTLE_LABYRINTH_457), go({WORD_UP}, PLACE_LITTLE_LABYRINTH_458),
      go({WORD_DOWN}, PLACE_LITTLE_LABYRINTH_455)}},
};

// Places 454..456, 458..459: little labyrinth.
constexpr row LABYRINTH_CELL[] = {
    look(),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2902, arg(WORD_PASSAGE)),
        let({PLACE_LABYRINTH_673}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        member_rows(),
        member_group(EXIT_OF_LABYRINTH),
            reply({PLACE_LABYRINTH_673}, 1425),
        end(),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR, PLACE_LABYRINTH_673}),
};

template <int PLACE>
int labyrinth_cell() {
    return run_member<LABYRINTH_CELL, LITTLE_LABYRINTH>(PLACE);
}

// The web cell (457): the way on south is the web's, and the spider's.
cond_fold web_whole() { return cond(value[OBJ_WEB] == 0); }
cond_fold web_torn() { return cond(value[OBJ_WEB] == 1); }
cond_fold web_in_rags() { return cond(value[OBJ_WEB] == 2); }

// "Take" alone takes the one thing lying here that can be carried.
int take_what_lies_here() {
    default_to(0, here(), OFLAG_PORTABLE);
    return 0;
}

// Place 457: little labyrinth.
constexpr row WEB_CELL[] = {
    look(),
        reply({WORD_STRANDS}, 3437),
        // The opening behind the web is not seen until the web is in rags.
        group(has_any_word({WORD_HOLE, WORD_OPENING}).AND(value_not(OBJ_WEB, 2))),
            first(),
                when([] { return cond(arg1() == WORD_HOLE).OR(arg1() == WORD_OPENING); }, reply(1319, arg_of(VAR_ARG1))),
                reply(1319, arg_of(VAR_ARG2)),
            end(),
        end(),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2902, arg(WORD_PASSAGE)),
        when(web_in_rags, reply({WORD_OPENING, WORD_HOLE}, 2754, arg_of(VAR_ARG2))),
        let({PLACE_LABYRINTH_673}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    // The axe thrown at the spider sticks in the web.
    group([] { return cond(keyword(WORD_THROW, OBJ_AXE, -1)).AND(carried(OBJ_AXE)).AND(near(OBJ_SPIDER)); }),
        let(OBJ_AXE, 2),
        put_here(OBJ_AXE),
        reply(1804),
    end(),
    group({WORD_TAKE}),
        when(word_count(1), step(take_what_lies_here)),
        when(has_word(OBJ_AXE).AND(value_is(OBJ_AXE, 2)), reply(1785)),
    end(),
    group([] { return cond(has(OBJ_SPRITE)).AND(web_torn()); }),
        reply({WORD_READ, WORD_TAKE, WORD_PULL, WORD_PUSH}, 1812),
        reply(1403),
    end(),
    when(has_word(WORD_IN).AND(has_any_word({WORD_HOLE, WORD_OPENING})), let(VAR_COMMAND_STATUS, 1)),
    moving(),
        go({WORD_NORTH}, PLACE_LITTLE_LABYRINTH_455),
        go({WORD_WEST}, PLACE_LITTLE_LABYRINTH_459),
        go({WORD_EAST}, PLACE_LITTLE_LABYRINTH_456),
        go({WORD_UP}, PLACE_LITTLE_LABYRINTH_458),
        group({WORD_SOUTH, WORD_IN, WORD_HOLE, WORD_OPENING}),
            call(p784),
            when(web_whole, reply(1785)),
            when(web_torn, reply(1811)),
            forced(PLACE_DEAD_END_CELL),
        end(),
    end(),
    group({OBJ_WEB, WORD_STRANDS}),
        reply({WORD_TAKE, WORD_PULL}, 3439),
    end(),
    reply({WORD_STRANDS}, 1403),
    mark({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR, PLACE_LABYRINTH_673, WORD_HOLE, WORD_OPENING}),
};

// --- The stair foot (460), the landing (461) and the brink (462) -------------

// Place 460: stair foot.
constexpr row STAIR_FOOT[] = {
    call(p185, ref(OBJ_GLYPHS)),
    call(p297, ref(1933), ref(OBJ_GLYPHS)),
    group({WORD_CISTERN}),
        reply({WORD_LOOK}, 3187),
        reply({WORD_BREAK, WORD_PUSH, WORD_PULL}, 3186),
        mark(),
        ret(),
    end(),
    group({PLACE_CROSSWAY}),
        reply({WORD_LOOK}, 3184),
        reply({WORD_PULL, WORD_PUSH, WORD_CLOSE}, 3185, arg_of(VAR_ARG1)),
        reply({WORD_BREAK}, 1885, arg_of(PLACE_CROSSWAY)),
        mark(),
        ret(),
    end(),
    look(),
        reply({PLACE_CEILING, WORD_UP}, 2019, arg(14)),
        reply({OBJ_STEPS}, 2748),
        reply({WORD_OPENING, WORD_HOLE}, 2903, arg(WORD_OPENING)),
        let({PLACE_STAIR_FOOT}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        go({WORD_UP, OBJ_STEPS}, PLACE_STAIR_LANDING),
        go({WORD_IN, WORD_SOUTH, WORD_OPENING, WORD_HOLE}, PLACE_BRINK_OF_DROP, 1704),
        reply({PLACE_STAIR_FOOT}, 1425),
    end(),
    mark({OBJ_STEPS, PLACE_STAIR_FOOT, WORD_OPENING, WORD_HOLE}),
};

// Place 461: stair landing.
constexpr row STAIR_LANDING[] = {
    look(),
        reply({WORD_LANDING}, 3245),
        reply({OBJ_STEPS}, 2748),
        reply({WORD_ENTRANCE}, 3097, arg(WORD_ENTRANCE)),
        reply({OBJ_TRAPDOOR}, 3096),
        reply({PLACE_CROSSWAYS}, 3514, arg(4)),
        reply({PLACE_GLINT_GROTTO}, 3514, arg(5)),
        ret(),
    end(),
    moving(),
        go({WORD_DOWN}, PLACE_STAIR_FOOT),
        go({WORD_UP}, PLACE_CROSSWAYS),
        go({WORD_NORTHWEST, WORD_IN, PLACE_GLINT_GROTTO, WORD_ENTRANCE, OBJ_TRAPDOOR}, PLACE_GLINT_GROTTO),
    end(),
    mark({OBJ_STEPS, WORD_ENTRANCE}),
};

// The winch is worked only with oil; anything else done to it is refused.
cond_fold winch_worked() { return cond(has(OBJ_WINCH)).AND(!has(OBJ_LIQUID_2)).AND(!has(WORD_LOOK)); }

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
        reply({WORD_DOWN, WORD_DROP}, 2478, arg(1)),
        // The water heard far below, unless the player has water at hand.
        when(object_not_near(OBJ_LIQUID_1), reply({OBJ_LIQUID_1}, 3514, arg(6))),
        reply({OBJ_STEPS, OBJ_STAIRCASE}, 3082),
        reply({PLACE_LAKESIDE_CHAMBER, OBJ_CHUTE}, 3083),
        reply({WORD_WALL, PLACE_CEILING}, 3084),
        reply({WORD_FLOOR, WORD_BRINK, WORD_SHELF}, 3085),
        reply({WORD_STONEWORK}, 3086),
        reply({PLACE_CROSSWAY, WORD_STAIRWELL}, 3087),
        let({PLACE_BRINK_OF_DROP}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    when(has_word(OBJ_BEAM).AND(has_any_word({WORD_DOWN, WORD_IN})), let(VAR_COMMAND_STATUS, 1)),
    group({PLACE_CROSSWAY}),
        reply({WORD_PUSH}, 2493, arg_of(PLACE_CROSSWAY)),
        reply({WORD_PULL}, 2492, arg_of(PLACE_CROSSWAY)),
    end(),
    // No way off the brink on foot.
    moving(),
        reply({OBJ_STEPS, WORD_OUT, PLACE_LAKESIDE_CHAMBER}, 2913),
        reply({OBJ_BEAM, WORD_IN, WORD_DOWN}, 1838),
        reply({PLACE_BRINK_OF_DROP}, 1425),
    end(),
    group(lets_go_down_the_drop),
        land(PLACE_BOTTOM_OF_FALL, 2099),
        drop_to(PLACE_BOTTOM_OF_FALL, 2099),
        let(VAR_DROP_TEXT_MODE, 1),
    end(),
    mark({OBJ_STEPS, OBJ_WINCH, PLACE_BRINK_OF_DROP, OBJ_BEAM, WORD_STONEWORK, PLACE_LAKESIDE_CHAMBER, PLACE_CROSSWAY}),
};

// --- The lower ledge (463) and the stair shaft (464) -------------------------

cond_fold orb_on_the_brink() { return cond(has(OBJ_ORB)).AND(getloc(OBJ_ORB) == PLACE_BRINK_OF_DROP); }

// A thing carried and thrown from the ledge, while the prowler is not by.
cond_fold throws_into_the_drop() {
    const int thing = arg2();
    return cond(words() > 1).AND(has(WORD_THROW)).AND(bitest(thing,
                      FLAG_IS_OBJECT)).AND(carried(thing)).AND(!near(OBJ_ATTACKER));
}

// Place 463: lower ledge.
constexpr row LOWER_LEDGE[] = {
    group({WORD_CLIMB}),
        first(),
            when(has_any_word({OBJ_STEPS, OBJ_STAIRCASE, WORD_UP}).OR(word_count(1)), forced(PLACE_STAIR_SHAFT)),
            reply(2161),
        end(),
    end(),
    group(orb_on_the_brink),
        reply({WORD_LOOK}, 3198),
        reply(1698),
    end(),
    when(winch_worked, reply(1697)),
    look(),
        reply({WORD_DOWN, WORD_DROP}, 2478, arg(1)),
        reply({WORD_STAIRWELL}, 1849, arg_of(VAR_ARG2)),
        reply({WORD_LEDGE}, 3245),
        group({OBJ_STEPS, OBJ_STAIRCASE}),
            tell(3242),
            reply(1266),
        end(),
        reply({PLACE_BRINK_OF_DROP, WORD_BRINK}, 3081),
        reply({OBJ_BEAM}, 2952, arg_of(OBJ_BEAM)),
        reply({WORD_STONEWORK}, 3086),
        reply({PLACE_CROSSWAY}, 2951, arg_of(PLACE_CROSSWAY)),
        ret(),
    end(),
    reply({OBJ_BEAM}, 2159),
    when(throws_into_the_drop, call(p846)),
    moving(),
        go({WORD_UP, OBJ_STEPS, OBJ_STAIRCASE}, PLACE_STAIR_SHAFT),
        reply({PLACE_BRINK_OF_DROP, WORD_IN, OBJ_BEAM}, 2913),
    end(),
    mark({OBJ_STEPS, OBJ_STAIRCASE, OBJ_WINCH, PLACE_BRINK_OF_DROP}),
};

// Place 464: stair shaft.
constexpr row STAIR_SHAFT[] = {
    look(),
        group({OBJ_STEPS, OBJ_STAIRCASE}),
            tell(3242),
            reply(1266),
        end(),
        reply({WORD_SPIRAL, WORD_ROCK, WORD_SILVER, WORD_WALL}, 3179),
        reply({WORD_GRAFFITI}, 3178),
        reply({PLACE_STAIRHEAD}, 3514, arg(7)),
        reply({WORD_LEDGE, WORD_DROP}, 3514, arg(8)),
        let({WORD_STAIRWELL}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    reply(all({WORD_TAKE, WORD_SILVER}), 3179),
    moving(),
        // The orb far below catches the eye of whoever goes by.
        set_flag(OBJ_ORB, OFLAG_SEEN),
        go({WORD_UP}, PLACE_STAIRHEAD),
        go({WORD_DOWN}, PLACE_LOWER_LEDGE),
        call({OBJ_STEPS}, p329, ref(PLACE_STAIRHEAD), ref(WORD_UP), ref(PLACE_LOWER_LEDGE), ref(WORD_DOWN)),
        reply({WORD_STAIRWELL}, 1425),
    end(),
    mark({OBJ_STEPS, OBJ_STAIRCASE, WORD_GRAFFITI, WORD_WALL, WORD_SILVER, WORD_ROCK, WORD_SPIRAL, WORD_STAIRWELL}),
    land(PLACE_LOWER_LEDGE, 1669),
};

}  // namespace

int p123() { return run<LADDER_HALL>(); }
int p51() { return run<LADDER_TOP>(); }
int p889() { return run<SIDE_CELL>(); }
int p694() { return run<ANTECHAMBER>(); }
int p241() { return run<SLUICE>(); }
int p912() { return labyrinth_cell<PLACE_LITTLE_LABYRINTH_454>(); }
int p913() { return labyrinth_cell<PLACE_LITTLE_LABYRINTH_455>(); }
int p914() { return labyrinth_cell<PLACE_LITTLE_LABYRINTH_456>(); }
int p915() { return run<WEB_CELL>(); }
int p916() { return labyrinth_cell<PLACE_LITTLE_LABYRINTH_458>(); }
int p917() { return labyrinth_cell<PLACE_LITTLE_LABYRINTH_459>(); }
int p45() { return run<STAIR_FOOT>(); }
int p170() { return run<STAIR_LANDING>(); }
int p120() { return run<BRINK>(); }
int p121() { return run<LOWER_LEDGE>(); }
int p395() { return run<STAIR_SHAFT>(); }
