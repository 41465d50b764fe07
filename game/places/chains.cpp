// The passage chains: up the incline past the brute to the flue and the pit
// fork, on to the labyrinth approach; and from the pit fork down the crawl,
// past the hornets' nest, to the glow end. Each place's procedure answers
// its feature words, moves the player along its exits, runs its deaths,
// marks the words of its features for the last replies and tells the word
// procedures where a thrown thing lands.
#include "game.h"

using namespace rows;

namespace {

// --- Incline (384) ----------------------------------------------------------

// Place 384: incline.
constexpr row INCLINE[] = {
    look(),
        reply({PLACE_CEILING, WORD_UP}, 2019, arg(10)),
        reply({WORD_INCLINE}, 2963),
        let({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, VAR_COMMAND_STATUS, 1),
        reply({PLACE_WINDOW_JUNCTION}, 3527, arg(0)),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTH}, PLACE_WRITING_JUNCTION),
        go({WORD_NORTH, WORD_INCLINE}, PLACE_GUARDED_PASSAGE),
        call({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, p329, ref(PLACE_GUARDED_PASSAGE), ref(WORD_NORTH),
             ref(PLACE_WRITING_JUNCTION), ref(WORD_SOUTH)),
    end(),
    mark({PLACE_CEILING, WORD_TUNNEL, WORD_INCLINE}),
};

// --- Guarded passage (385) --------------------------------------------------

// Place 385: guarded passage.
// The brute (object 25) fills the passage while it is near; in the dark,
// whoever tries to push past is killed first.
constexpr row GUARDED_PASSAGE[] = {
    look(),
        reply({WORD_WALL}, 2968),
        reply({WORD_PASSAGE, PLACE_CORRIDOR, WORD_TUNNEL}, 2902, arg(WORD_PASSAGE)),
        reply({WORD_INCLINE}, 3527, arg(1)),
        ret(),
    end(),
    let(all({WORD_IN, PLACE_FLUE}), VAR_COMMAND_STATUS, 1),
    moving(),
        go({WORD_SOUTH}, PLACE_INCLINE),
        reply({WORD_PASSAGE, PLACE_CORRIDOR, WORD_TUNNEL}, 2904, arg(WORD_PASSAGE)),
        group({WORD_NORTH, PLACE_FLUE}),
            group(object_near(OBJ_BRUTE)),
                call(p784),
                reply(1591),
            end(),
            forced(PLACE_FLUE),
        end(),
    end(),
    mark({WORD_PASSAGE, PLACE_CORRIDOR, WORD_TUNNEL, WORD_WALL}),
};

// --- Flue (386) -------------------------------------------------------------

// Place 386: flue.
constexpr row FLUE[] = {
    // "Read" alone reads the scrawl.
    call(p185, ref(WORD_SCRAWL)),
    group({WORD_SCRAWL}),
        reply({WORD_LOOK, WORD_READ, WORD_TALK}, 3192),
        mark(),
        ret(),
    end(),
    look(),
        reply({OBJ_CHUTE, WORD_LIGHT}, 3190),
        reply({WORD_WALL, OBJ_MIRROR, WORD_RAINBOW}, 3191),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2902, arg(WORD_PASSAGE)),
        let({PLACE_FLUE}, VAR_COMMAND_STATUS, 1),
        reply({PLACE_GLOW_END}, 3512, arg(1)),
        ret(),
    end(),
    reply(all({WORD_CLIMB, OBJ_CHUTE}), 1851),
    moving(),
        go({WORD_EAST}, PLACE_PIT_FORK),
        go({WORD_WEST}, PLACE_GUARDED_PASSAGE),
        call({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, p329, ref(PLACE_GUARDED_PASSAGE), ref(WORD_WEST),
             ref(PLACE_PIT_FORK), ref(WORD_EAST)),
        reply({PLACE_FLUE}, 1425),
    end(),
    mark_name({OBJ_CHUTE}),
    mark({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR, PLACE_FLUE, WORD_WALL, OBJ_MIRROR, WORD_RAINBOW, WORD_SCRAWL}),
};

// --- The pit fork (387), the labyrinth approach (388) and the mouth of the
// crawl (427) ----------------------------------------------------------------

// The three stand over the same drop: a jump down it, or "jump" alone, is
// the end of the player (and of his light); down it, or climbing down, is
// refused; what is thrown from them is gone. k[0] is the variant of the
// view of the ledge; the other numbers mark the places with rows of their
// own.
constexpr int LEDGE_VIEW = 0, FORK = 1, APPROACH = 2, MOUTH = 3;

int view_of_the_ledge(arg_pair variant) {
    say(SAY_STOP | SAY_ARG, 2967, variant.val);
    return 0;
}

// Places 387: pit fork; 388: labyrinth approach; 427: mouth of the crawl.
constexpr member OVER_THE_DROP[] = {
    {PLACE_PIT_FORK, {0, 1, 0, 0}, {
        go({WORD_NORTH, WORD_PASSAGE, PLACE_FLUE}, PLACE_FLUE),
        go({WORD_WEST}, PLACE_LABYRINTH_APPROACH),
        go({WORD_EAST}, PLACE_MOUTH_OF_CRAWL),
        call({PLACE_PINNACLE}, p329, ref(PLACE_LABYRINTH_APPROACH), ref(WORD_WEST), ref(PLACE_MOUTH_OF_CRAWL),
             ref(WORD_EAST)),
    }},
    {PLACE_LABYRINTH_APPROACH, {1, 0, 1, 0}, {
        go({WORD_NORTH, PLACE_PINNACLE}, PLACE_PIT_FORK),
        go({WORD_SOUTHEAST, WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, PLACE_GATEWAY),
    }},
    {PLACE_MOUTH_OF_CRAWL, {2, 0, 0, 1}, {
        go({WORD_NORTH, PLACE_PINNACLE, WORD_PASSAGE, PLACE_CORRIDOR, WORD_TUNNEL}, PLACE_PIT_FORK),
        go({WORD_IN, WORD_NORTHEAST, WORD_CRACK}, PLACE_CRAWL),
    }},
};

// Places 387: pit fork; 388: labyrinth approach; 427: mouth of the crawl.
constexpr row OVER_THE_DROP_SHAPE[] = {
    look(),
        reply({PLACE_PIT, WORD_DOWN}, 2964),
        reply({PLACE_PIT_TOP, WORD_PEBBLES, WORD_LEDGE, WORD_BRINK, PLACE_RIM}, 2965),
        group({PLACE_PINNACLE}), call_member(view_of_the_ledge, LEDGE_VIEW), end(),
        member_group(FORK),
            reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2903, arg(WORD_PASSAGE)),
            // The fork is where the player stands; the flue is back north.
            let({PLACE_CROSSROADS}, VAR_COMMAND_STATUS, 1),
            reply({PLACE_FLUE}, 3527, arg(2)),
        end(),
        // The fork, seen from along the rim or from the mouth of the crawl.
        reply({PLACE_CROSSROADS}, 3527, arg(3)),
        member_group(APPROACH),
            reply({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, 2903, arg(WORD_TUNNEL)),
            reply({PLACE_UNDERCROFT, WORD_ROCK, WORD_DOORWAY}, 2966),
            reply({PLACE_GATEWAY, PLACE_LABYRINTH_673}, 3527, arg(4)),
        end(),
        member_group(MOUTH),
            reply({WORD_PASSAGE, WORD_TUNNEL, WORD_LIGHT, PLACE_CORRIDOR}, 2952, arg(WORD_PASSAGE)),
            reply({WORD_CRACK}, 2903, arg(WORD_CRACK)),
        end(),
        ret(),
    end(),
    when([] { return cond(has(WORD_JUMP)).AND(cond(anyof(WORD_DOWN, PLACE_PIT, -1)).OR(words() == 1)); }, call(p685)),
    let(all({WORD_CLIMB, WORD_DOWN}), VAR_COMMAND_STATUS, 1),
    // Towards the glow: back to the fork.
    member_group(MOUTH),
        forced_if(all({WORD_GO, WORD_LIGHT}), PLACE_PIT_FORK),
    end(),
    moving(),
        reply({WORD_DOWN, WORD_CLIMB}, 3442),
        member_rows(),
    end(),
    mark({PLACE_PIT, PLACE_PIT_TOP, PLACE_PINNACLE, WORD_PASSAGE, WORD_LEDGE, WORD_BRINK}),
    member_group(FORK), mark({WORD_PEBBLES}), end(),
    member_group(APPROACH), mark({WORD_TUNNEL, PLACE_CORRIDOR, WORD_PEBBLES, WORD_DOORWAY}), end(),
    member_group(MOUTH), mark({WORD_TUNNEL, PLACE_CORRIDOR, WORD_CRACK}), end(),
    land(PLACE_GONE, 1671),
};

// --- Crawl (428) ------------------------------------------------------------

// Place 428: crawl.
constexpr row CRAWL[] = {
    look(),
        let({WORD_CRACK}, VAR_COMMAND_STATUS, 1),
        reply({PLACE_PIT}, 3527, arg(5)),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTHWEST, PLACE_PIT_TOP, WORD_OUT}, PLACE_MOUTH_OF_CRAWL),
        go({WORD_SOUTHEAST, WORD_IN}, PLACE_FUME_CRAWL),
        call({WORD_CRACK}, p329, ref(PLACE_FUME_CRAWL), ref(WORD_SOUTHEAST), ref(PLACE_MOUTH_OF_CRAWL),
             ref(WORD_SOUTHWEST)),
    end(),
    mark({WORD_CRACK}),
};

// --- Fume crawl (429) -------------------------------------------------------

// The hornets (object 34) choke the crawl while they are near: whoever goes
// on past them is stung to death. Bread (object 118) fed or thrown to them
// is gone in a moment, and changes nothing.
cond_fold nest_here() { return cond(near(OBJ_NEST)); }
cond_fold feeding_the_hornets() {
    return nest_here().AND(cond(keyword(WORD_FEED, OBJ_NEST, -1)).OR(keyword(WORD_THROW, OBJ_BREAD,
                                        -1)).OR(keyword(WORD_GIVE, OBJ_BREAD, -1)));
}

// Place 429: fume crawl.
constexpr row FUME_CRAWL[] = {
    look(),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR, WORD_CRACK}, 2903, arg_of(VAR_ARG2)),
        // The fumes are the crawl's stale air: looking at them is looking
        // about.
        let({WORD_SPRAY, WORD_AIR}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    group(feeding_the_hornets),
        group(object_near(OBJ_BREAD)),
            put(OBJ_BREAD, PLACE_OFFSTAGE),
            reply(2014),
        end(),
        reply(1755),
    end(),
    moving(),
        go({WORD_WEST, WORD_CRACK, WORD_OUT}, PLACE_CRAWL),
        group({WORD_SOUTH, WORD_IN, WORD_PASSAGE}),
            group(nest_here),
                tell(1573),
                call(p154),
            end(),
            forced(PLACE_INNER_CRAWL),
        end(),
    end(),
    mark({WORD_CRACK, WORD_PASSAGE, WORD_SPRAY, WORD_AIR}),
};

// --- Inner crawl (430) and the glow end (431) -------------------------------

// Place 430: inner crawl.
constexpr row INNER_CRAWL[] = {
    look(),
        reply({WORD_CRAWL, WORD_PASSAGE}, 2903, arg_of(VAR_ARG2)),
        reply({PLACE_GLOW_END, WORD_LIGHT}, 3512, arg(0)),
        ret(),
    end(),
    moving(),
        go({WORD_NORTH, WORD_OUT, WORD_PASSAGE}, PLACE_FUME_CRAWL),
        go({WORD_SOUTH, WORD_IN, WORD_CRAWL}, PLACE_GLOW_END),
    end(),
    mark({WORD_CRAWL, WORD_PASSAGE}),
};

// Place 431: glow end.
constexpr row GLOW_END[] = {
    look(),
        reply({WORD_OUTCROP}, 3441),
        let({PLACE_LAKESIDE_CHAMBER}, VAR_COMMAND_STATUS, 1),
        reply({WORD_CRAWL}, 2903, arg(WORD_CRAWL)),
        let({PLACE_GLOW_END}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        go({WORD_NORTH, WORD_OUT, WORD_CRAWL}, PLACE_INNER_CRAWL),
        reply({PLACE_LAKESIDE_CHAMBER}, 1425),
    end(),
    mark({WORD_CRAWL, PLACE_LAKESIDE_CHAMBER}),
};

}  // namespace

int p486() { return run<INCLINE>(); }
int p389() { return run<GUARDED_PASSAGE>(); }
int p521() { return run<FLUE>(); }
int p68() { return run_member<OVER_THE_DROP_SHAPE, OVER_THE_DROP>(PLACE_PIT_FORK); }
int p70() { return run_member<OVER_THE_DROP_SHAPE, OVER_THE_DROP>(PLACE_LABYRINTH_APPROACH); }
int p69() { return run_member<OVER_THE_DROP_SHAPE, OVER_THE_DROP>(PLACE_MOUTH_OF_CRAWL); }
int p157() { return run<CRAWL>(); }
int p158() { return run<FUME_CRAWL>(); }
int p159() { return run<INNER_CRAWL>(); }
int p783() { return run<GLOW_END>(); }
