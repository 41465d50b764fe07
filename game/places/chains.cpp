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
        reply({376, WORD_UP}, 2019, arg(10)),
        reply({1026}, 2963),
        let({WORD_TUNNEL, WORD_PASSAGE, 308}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTH}, 281),
        go({WORD_NORTH, 1026}, 385),
        call({WORD_TUNNEL, WORD_PASSAGE, 308}, p329, ref(385), ref(745), ref(281), ref(749)),
    end(),
    mark({376, WORD_TUNNEL, 1026}),
};

// --- Guarded passage (385) --------------------------------------------------

// Place 385: guarded passage.
// The brute (object 25) fills the passage while it is near; in the dark,
// whoever tries to push past is killed first.
constexpr row GUARDED_PASSAGE[] = {
    look(),
        reply({WORD_WALL}, 2968),
        reply({WORD_PASSAGE, 308, WORD_TUNNEL}, 2902, arg(897)),
        ret(),
    end(),
    let(all({WORD_IN, 386}), VAR_COMMAND_STATUS, 1),
    moving(),
        go({WORD_SOUTH}, 384),
        reply({WORD_PASSAGE, 308, WORD_TUNNEL}, 2904, arg(897)),
        group({WORD_NORTH, 386}),
            group(object_near(25)),
                call(p784),
                reply(1591),
            end(),
            forced(386),
        end(),
    end(),
    mark({WORD_PASSAGE, 308, WORD_TUNNEL, WORD_WALL}),
};

// --- Flue (386) -------------------------------------------------------------

// Place 386: flue.
constexpr row FLUE[] = {
    // "Read" alone reads the scrawl.
    call(p185, ref(1035)),
    group({1035}),
        reply({WORD_LOOK, 798, 774}, 3192),
        mark(),
        ret(),
    end(),
    look(),
        reply({15, WORD_LIGHT}, 3190),
        reply({WORD_WALL, 17, 1034}, 3191),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2902, arg(897)),
        let({386}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    reply(all({WORD_CLIMB, 15}), 1851),
    moving(),
        go({WORD_EAST}, 387),
        go({WORD_WEST}, 385),
        call({WORD_PASSAGE, WORD_TUNNEL, 308}, p329, ref(385), ref(751), ref(387), ref(747)),
        reply({386}, 1425),
    end(),
    mark_name({15}),
    mark({WORD_PASSAGE, WORD_TUNNEL, 308, 386, WORD_WALL, 17, 1034, 1035}),
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
    {387, {0, 1, 0, 0}, {
        go({WORD_NORTH, WORD_PASSAGE, 386}, 386),
        go({WORD_WEST}, 388),
        go({WORD_EAST}, 427),
        call({445}, p329, ref(388), ref(751), ref(427), ref(747)),
    }},
    {388, {1, 0, 1, 0}, {
        go({WORD_NORTH, 445}, 387),
        go({WORD_SOUTHEAST, WORD_TUNNEL, WORD_PASSAGE, 308}, 389),
    }},
    {427, {2, 0, 0, 1}, {
        go({WORD_NORTH, 445, WORD_PASSAGE, 308, WORD_TUNNEL}, 387),
        go({WORD_IN, WORD_NORTHEAST, WORD_CRACK}, 428),
    }},
};

// Places 387: pit fork; 388: labyrinth approach; 427: mouth of the crawl.
constexpr row OVER_THE_DROP_SHAPE[] = {
    look(),
        reply({209, WORD_DOWN}, 2964),
        reply({258, 1010, 999, 980}, 2965),
        group({445}), call_member(view_of_the_ledge, LEDGE_VIEW), end(),
        member_group(FORK),
            reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2903, arg(897)),
        end(),
        member_group(APPROACH),
            reply({WORD_TUNNEL, WORD_PASSAGE, 308}, 2903, arg(898)),
            reply({390, WORD_ROCK, 966}, 2966),
        end(),
        member_group(MOUTH),
            reply({WORD_PASSAGE, WORD_TUNNEL, WORD_LIGHT, 308}, 2952, arg(897)),
            reply({WORD_CRACK}, 2903, arg(888)),
        end(),
        ret(),
    end(),
    when([] { return cond(has(762)).AND(cond(anyof(WORD_DOWN, 209, -1)).OR(words() == 1)); }, call(p685)),
    let(all({WORD_CLIMB, WORD_DOWN}), VAR_COMMAND_STATUS, 1),
    // Towards the glow: back to the fork.
    member_group(MOUTH),
        forced_if(all({WORD_GO, WORD_LIGHT}), 387),
    end(),
    moving(),
        reply({WORD_DOWN, WORD_CLIMB}, 3442),
        member_rows(),
    end(),
    mark({209, 258, 445, WORD_PASSAGE, 999, 980}),
    member_group(FORK), mark({1010}), end(),
    member_group(APPROACH), mark({WORD_TUNNEL, 308, 1010, 966}), end(),
    member_group(MOUTH), mark({WORD_TUNNEL, 308, WORD_CRACK}), end(),
    land(PLACE_GONE, 1671),
};

// --- Crawl (428) ------------------------------------------------------------

// Place 428: crawl.
constexpr row CRAWL[] = {
    look(),
        let({WORD_CRACK}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTHWEST, 258, WORD_OUT}, 427),
        go({WORD_SOUTHEAST, WORD_IN}, 429),
        call({WORD_CRACK}, p329, ref(429), ref(748), ref(427), ref(750)),
    end(),
    mark({WORD_CRACK}),
};

// --- Fume crawl (429) -------------------------------------------------------

// The hornets (object 34) choke the crawl while they are near: whoever goes
// on past them is stung to death. Bread (object 118) fed or thrown to them
// is gone in a moment, and changes nothing.
cond_fold nest_here() { return cond(near(34)); }
cond_fold feeding_the_hornets() {
    return nest_here().AND(cond(keyword(795, 34, -1)).OR(keyword(793, 118, -1)).OR(keyword(805, 118, -1)));
}

// Place 429: fume crawl.
constexpr row FUME_CRAWL[] = {
    look(),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308, WORD_CRACK}, 2903, arg_of(VAR_ARG2)),
        // The fumes are the crawl's stale air: looking at them is looking
        // about.
        let({956, 975}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    group(feeding_the_hornets),
        group(object_near(118)),
            put(118, PLACE_OFFSTAGE),
            reply(2014),
        end(),
        reply(1755),
    end(),
    moving(),
        go({WORD_WEST, WORD_CRACK, WORD_OUT}, 428),
        group({WORD_SOUTH, WORD_IN, WORD_PASSAGE}),
            group(nest_here),
                tell(1573),
                call(p154),
            end(),
            forced(430),
        end(),
    end(),
    mark({WORD_CRACK, WORD_PASSAGE, 956, 975}),
};

// --- Inner crawl (430) and the glow end (431) -------------------------------

// Place 430: inner crawl.
constexpr row INNER_CRAWL[] = {
    look(),
        reply({WORD_CRAWL, WORD_PASSAGE}, 2903, arg_of(VAR_ARG2)),
        ret(),
    end(),
    moving(),
        go({WORD_NORTH, WORD_OUT, WORD_PASSAGE}, 429),
        go({WORD_SOUTH, WORD_IN, WORD_CRAWL}, 431),
    end(),
    mark({WORD_CRAWL, WORD_PASSAGE}),
};

// Place 431: glow end.
constexpr row GLOW_END[] = {
    look(),
        reply({913}, 3441),
        let({300}, VAR_COMMAND_STATUS, 1),
        reply({WORD_CRAWL}, 2903, arg(900)),
        ret(),
    end(),
    moving(),
        go({WORD_NORTH, WORD_OUT, WORD_CRAWL}, 430),
        reply({300}, 1425),
    end(),
    mark({WORD_CRAWL, 300}),
};

}  // namespace

int p486() { return run<INCLINE>(); }
int p389() { return run<GUARDED_PASSAGE>(); }
int p521() { return run<FLUE>(); }
int p68() { return run_member<OVER_THE_DROP_SHAPE, OVER_THE_DROP>(387); }
int p70() { return run_member<OVER_THE_DROP_SHAPE, OVER_THE_DROP>(388); }
int p69() { return run_member<OVER_THE_DROP_SHAPE, OVER_THE_DROP>(427); }
int p157() { return run<CRAWL>(); }
int p158() { return run<FUME_CRAWL>(); }
int p159() { return run<INNER_CRAWL>(); }
int p783() { return run<GLOW_END>(); }
