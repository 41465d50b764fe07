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
cond_fold span_gone() { return cond(value[33] == 0); }
cond_fold span_fails_from_the_near_edge() {
    return span_gone().OR(carried(114)).OR(carried(115)).OR(value[VAR_PHASE] > 4);
}

// Place 432: gulf edge.
constexpr row GULF_EDGE[] = {
    when(value_is(VAR_PHASE, 4), call(p149)),
    reply({834}, 1356),
    look(),
        let({290, 1054, WORD_PASSAGE}, VAR_COMMAND_STATUS, 1),
        reply({999}, 2750),
        reply({975, 954, 33, 980, WORD_DOWN}, 2935),
        reply({206, 309}, 2936),
        ret(),
    end(),
    moving(),
        // Onward: across the gulf for one who came from the walkway, back
        // to it for one who came across.
        group({WORD_PASSAGE, 999}),
            first(),
                when(value_is(VAR_THERE, 290), let_ref(VAR_ARG1, 747)),
                let_ref(VAR_ARG1, 751),
            end(),
        end(),
        go({WORD_WEST}, 290),
        group({WORD_EAST, WORD_CROSS}),
            group(span_fails_from_the_near_edge),
                let(33, 0),
                death(1572),
            end(),
            let(33, 0),
            forced(433),
        end(),
        reply({309}, 2936),
    end(),
    group({WORD_TAKE}),
        reply({954, 999}, 2760),
        reply({206}, 1849, arg_of(206)),
    end(),
    mark({309, 206, 1054, 290, WORD_PASSAGE, 999, 980}),
};

// Place 433: far gulf edge.
constexpr row FAR_GULF_EDGE[] = {
    look(),
        let({WORD_PASSAGE, 1054, 290, 1017}, VAR_COMMAND_STATUS, 1),
        reply({999}, 2750),
        reply({975, 954, 33, 980, 966, WORD_DOWN}, 2935),
        ret(),
    end(),
    moving(),
        // Onward: back across the gulf for one who came from the fork, on
        // to the fork for one who came across.
        group({WORD_PASSAGE, 999}),
            first(),
                when(value_is(VAR_THERE, 434), let_ref(VAR_ARG1, 751)),
                let_ref(VAR_ARG1, 745),
            end(),
        end(),
        go({WORD_NORTH}, 434),
        group({WORD_WEST, WORD_CROSS}),
            when(span_gone, death(1572)),
            let(33, 0),
            forced(432),
        end(),
    end(),
    group({WORD_TAKE}),
        reply({954, 999}, 2760),
    end(),
    mark({999, WORD_PASSAGE, 1017, 975, 954, 33, 1054, 290, 980, 966}),
};

// --- Gulf fork (434) --------------------------------------------------------

// Place 434: gulf fork.
constexpr row GULF_FORK[] = {
    look(),
        let({309, 1054, 290}, VAR_COMMAND_STATUS, 1),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2902, arg(897)),
        reply({999}, 2750),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTH}, 433),
        go({WORD_NORTH, 437}, 437),
        go({WORD_EAST, 435}, 435),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308, 999}, 2904, arg(897)),
        reply({309, 1054, 290}, 1425),
    end(),
    reply(all({WORD_TAKE, 999}), 2760),
    mark({WORD_PASSAGE, WORD_TUNNEL, 308, 309, 1054, 290, 999}),
};

// --- Cove (435) and the back of the cove (436) ------------------------------

// Place 435: cove.
constexpr row COVE[] = {
    // "Jar", with no jar about, is the jar-shaped cove itself.
    when(has_word(108).AND(object_near(108)), ret()),
    rewrite_shown(108, WORD_WALL),
    look(),
        let({901, 435}, VAR_COMMAND_STATUS, 1),
        reply({999}, 2750),
        reply({WORD_WALL, 1021}, 2937),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2903, arg(897)),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTH, WORD_IN, 435, 901}, 436),
        go({WORD_WEST, WORD_OUT, WORD_PASSAGE, 999, 309}, 434),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, 308, 999, 901, 435, 1021, WORD_WALL}),
};

// Place 436: back of the cove.
constexpr row BACK_OF_THE_COVE[] = {
    set_flag(15, OFLAG_SEEN),
    // "Ball", with no ball about, is the stone ball at the foot of the
    // flowstone chute.
    when(has_word(126).AND(object_near(126)), ret()),
    rewrite_shown(126, 15),
    look(),
        reply({WORD_WALL, 1021}, 2937),
        reply({288, 1058}, 3141),
        reply({15, 1024, 1055}, 3140),
        ret(),
    end(),
    reply({15, 1024}, 1940),
    moving(),
        go({WORD_NORTH, WORD_OUT}, 435),
    end(),
    mark({288, 1058, 1055}),
};

// --- Colonnade (437) and the gallery steps (438) ----------------------------

// Place 437: colonnade.
constexpr row COLONNADE[] = {
    look(),
        let({437, WORD_PASSAGE}, VAR_COMMAND_STATUS, 1),
        reply({999}, 2750),
        reply({914}, 2033, arg(914)),
        ret(),
    end(),
    moving(),
        go({WORD_NORTHWEST}, 434),
        go({WORD_SOUTHWEST}, 438),
        reply({437}, 1425),
        call({WORD_PASSAGE, 999}, p329, ref(434), ref(752), ref(438), ref(750)),
    end(),
    reply(all({WORD_TAKE, 999}), 2760),
    mark({WORD_PASSAGE, WORD_TUNNEL, 308, 437, 999, 914}),
};

// Place 438: gallery steps.
constexpr row GALLERY_STEPS[] = {
    reply({984}, 1849, arg(984)),
    look(),
        reply({7}, 2752),
        reply({999}, 2750),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2754, arg(897)),
        reply({439}, 2755),
        reply({OBJ_LIQUID_1, 1000}, 2753),
        reply({913}, 2033, arg(913)),
        reply({WORD_UP}, 2757, arg(0)),
        ret(),
    end(),
    first(),
        let({WORD_DOWN, 7}, VAR_COMMAND_STATUS, 1),
        reply({WORD_CLIMB}, 2844),
    end(),
    moving(),
        heading({WORD_DOWN, 7, WORD_CLIMB, 439, WORD_WEST}, WORD_WEST),
        go({WORD_EAST, WORD_IN, WORD_PASSAGE, 999}, 437),
        go({WORD_DOWN, WORD_WEST, 7, 439}, 439),
    end(),
    land(439, 1684),
    reply(all({WORD_TAKE, 999}), 2760),
    mark_name({439, WORD_WATERS, 1000}),
    mark({7, 999, 913, WORD_PASSAGE}),
};

// --- The gallery (439..442) -------------------------------------------------

// Place 439: west end of the gallery.
constexpr row GALLERY_WEST_END[] = {
    let(42, 1),
    reply({993, 801}, 2659),
    reply({206}, 1849, arg_of(206)),
    // The look word goes on past these.
    look(),
        reply({913}, 2761),
        reply({7}, 2752),
        reply({1003}, 2765),
        reply({WORD_DOWN}, 2764),
    end(),
    group({913, 7, 1003, 1004}),
        mark(),
        ret(),
    end(),
    reply(all({WORD_CLIMB, WORD_CLIFF}), 3481, arg(1)),
    call(p50),
    moving(),
        call({439}, p329, ref(440), ref(745), num(0), num(0)),
        go({WORD_NORTH}, 440),
        call({WORD_UP, 7, WORD_CLIMB, WORD_EAST}, p868, ref(747), ref(438)),
    end(),
    mark({913, 7, 1003, WORD_CLIFF, 984}),
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
    {440, {1, 1, 0, 0}, {
        call({439}, p329, ref(441), ref(745), ref(439), ref(749)),
        go({WORD_NORTH}, 441),
        go({WORD_SOUTH}, 439),
        go({WORD_NORTHEAST}, 443),
    }},
    {441, {1, 0, 1, 0}, {
        call({439}, p329, ref(440), ref(749), ref(442), ref(745)),
        go({WORD_NORTH}, 442),
        go({WORD_SOUTH}, 440),
        go({WORD_EAST}, 443),
    }},
    {442, {0, 0, 0, 1}, {
        call({439}, p329, ref(441), ref(749), num(0), num(0)),
        go({WORD_SOUTH}, 441),
        go({WORD_SOUTHEAST}, 443),
    }},
};

// Places 440: middle of the gallery; 441: bend of the gallery; 442: east end of the gallery.
constexpr row GALLERY[] = {
    look(),
        reply({WORD_DOWN}, 2764),
        member_group(AT_THE_BEND),
            group({1017}), let(VAR_COMMAND_STATUS, 1), ret(), end(),
        end(),
    end(),
    member_group(RAILING), rewrite_shown(984, WORD_CLIFF), end(),
    member_group(CLIMB_AFTER_EAST), reply({223}, 2758), end(),
    member_group(CLIMB_FIRST), reply({WORD_CLIMB}, 2844), end(),
    call(p50),
    member_group(AT_THE_BEND), reply({WORD_CLIMB}, 3481, arg(0)), end(),
    member_group(CLIMB_AFTER_EAST), reply({WORD_CLIMB}, 2844), end(),
    moving(),
        member_rows(),
    end(),
    member_group(AT_THE_BEND), mark({1017}), end(),
};

// --- Creeper hall (443) -----------------------------------------------------

// Object 139 is the creeper: 0 when it first comes into view, 1 once it
// has been fed, 2 when fed again and grown up to the high ledge.
cond_fold creeper_grown() { return cond(value[139] > 0); }

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
    rewrite(13, 139),
    let(VAR_VESSEL, 0),
    // Pouring with the word alone pours whatever carried vessel holds water.
    group([] { return cond(anyof(787, 814, -1)).OR(keyword(WORD_DROP, OBJ_LIQUID_1, -1)); }),
        let(VAR_VESSEL, 0),
        group(word_count(1)),
            call(p321, num(0)),
            when(value_over(VAR_VESSEL, 0), call(p903)),
        end(),
        call({OBJ_LIQUID_1}, p903),
    end(),
    call(all({OBJ_LIQUID_1, 139}), p903),
    group({804}),
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
    group({139}),
        call({795, 151}, p304),
        reply({WORD_TAKE, 807}, 1408, arg_of(139)),
        let({WORD_CLIMB, WORD_UP}, VAR_COMMAND_STATUS, 1),
    end(),
    reply({975}, 3322, arg_of(139)),
    when(has_any_word({WORD_OPEN, 804, 813, 814, 803}).AND(has_word(151)).AND(object_near(151)), call(p304)),
    when(word_count(1).AND(has_any_word({151, 795})), call(p304)),
    // Help is offered here until the creeper is grown.
    when(has_word(WORD_HELP).AND(value_at_most(139, 1)), set_flag(443, PFLAG_HINT_AVAILABLE)),
    group({984}),
        reply({WORD_TAKE, WORD_LOOK}, 1849, arg(984)),
        mark(),
        ret(),
    end(),
    look(),
        reply({WORD_CLIFF}, 2376),
        reply({975}, 2848, arg_of(139)),
        reply({OBJ_LIQUID_1}, 2849),
        reply({WORD_UP}, 2757, arg_of(139)),
        reply({922}, 3221),
        when(creeper_grown, reply({1004}, 2766)),
        ret(),
    end(),
    group(creeper_grown),
        when(has_word(789).AND(has_any_word({1004, 139})), call(p129)),
        group({1004, 922}),
            mark(),
            ret(),
        end(),
    end(),
    moving(),
        reply({WORD_CLIFF}, 3373),
        group({WORD_UP, WORD_CLIMB}),
            group(value_is(139, 2)),
                let(444, 1),
                forced(444, 2207),
            end(),
            when(value_is(139, 1), reply(2208)),
            reply(2090, arg_of(139)),
        end(),
        go({WORD_NORTH}, 442),
        go({WORD_NORTHWEST}, 442),
        go({WORD_WEST}, 441),
        call({WORD_SOUTHWEST, 439}, p868, ref(750), ref(440)),
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
    let(444, 0),
    group({157}),
        reply({WORD_LOOK}, 1770),
        reply(2209),
    end(),
    rewrite(13, 139),
    look(),
        reply({WORD_CLIFF}, 2375),
        reply({445, 980}, 2759, arg(745)),
        reply({999}, 2750),
        reply({WORD_UP}, 2757, arg(1)),
        reply({WORD_DOWN}, 2764),
        reply({922}, 2380, arg(922)),
        reply({1004}, 2766),
        reply({WORD_WATERS, 1000}, 2753),
        reply({WORD_CRACK}, 2772),
        ret(),
    end(),
    group(has_word(WORD_TAKE).AND(has_any_word({WORD_CLIFF, WORD_ROCK, 1131}))),
        when(heading_along_the_edge, reply(3311, arg(1))),
        reply(3311, arg(0)),
    end(),
    when(has_word(789).AND(has_any_word({1004, 139})), call(p129)),
    group({1004, 922}),
        mark(),
        ret(),
    end(),
    when(has_word(139).AND(has_any_word({WORD_UP, WORD_DOWN, WORD_CLIMB})), let(VAR_COMMAND_STATUS, 1)),
    moving(),
        go({WORD_UP, WORD_CLIMB}, 446),
        go({WORD_DOWN}, 443),
        // The way along the edge to the pinnacle: taken at once with the
        // lodestone turned right and the beating stick seen, else asked.
        group({WORD_NORTH, 445, 157, WORD_CROSS}),
            first(),
                group([] { return heading_along_the_edge().AND(is_seen(158)); }),
                    when(value_is(OBJ_HEADING, 8), reply(2294, arg(745))),
                    forced(445),
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
    mark({445, 1004, 922, 139, WORD_CLIFF, 980, 999}),
    mark_name({WORD_WATERS, 1000}),
    // What is dropped or thrown from here falls to the creeper hall.
    drop_to(443, 2247),
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
    rewrite(13, 139),
    look(),
        reply({445}, 2759, arg(749)),
        reply({WORD_CLIFF}, 2375),
        reply({139, 922}, 2769),
        reply({WORD_DOWN}, 2770),
        reply({WORD_UP}, 2757, arg(1)),
        reply({WORD_WATERS, 1000}, 2753),
        reply({WORD_CRACK}, 2772),
        reply({547}, 2588),
        reply({958}, 2593, arg(958)),
        ret(),
    end(),
    when(has_word(WORD_TAKE).AND(has_any_word({WORD_CLIFF, WORD_ROCK, 1131})), reply(3311, arg(1))),
    group({139, 922}),
        reply({WORD_TAKE}, 2768),
        mark(),
        ret(),
    end(),
    // The lodestone let go of up here: the edge gives way under the one
    // who lets it go.
    group(has_word(OBJ_HEADING).AND(has_any_word({WORD_DROP, 793}))),
        tell(2562),
        forced_on(443),
        call(p803),
    end(),
    group({157}),
        group({776}),
            tell(1809),
            when(object_not_carried(124).AND(object_not_carried(125)), step(nothing_to_cut_with)),
            stop(),
        end(),
        group({789}),
            when([] { return cond(have(145, 0, 2)); }, reply(2464)),
            reply(1403),
        end(),
    end(),
    let({762}, VAR_COMMAND_STATUS, 1),
    moving(),
        go({WORD_SOUTH, 445, 139}, 444, 2214),
        reply({WORD_NORTH}, 2238),
        reply({762, WORD_SOUTHWEST, WORD_WEST, WORD_NORTHWEST}, 2211),
    end(),
    mark({445, WORD_CRACK, 139, WORD_CLIFF}),
    mark_name({WORD_WATERS, 1000, 547}),
    // What is dropped or thrown from here falls to the creeper hall.
    drop_to(443, 2248),
    let(VAR_DROP_TEXT_MODE, 1),
    copy(VAR_LANDING_PLACE, VAR_DROP_PLACE),
    copy(VAR_LANDING_TEXT, VAR_DROP_TEXT),
};

// Place 446: bluff path.
constexpr row BLUFF_PATH[] = {
    group({194}),
        reply({WORD_LOOK}, 2629),
        when(word_count(1), reply(1772, arg_of(194))),
        reply(2464),
    end(),
    rewrite(13, 139),
    reply({984}, 1849, arg(984)),
    look(),
        reply({975}, 2676, arg(975)),
        reply({996}, 2745),
        reply({WORD_DOWN, WORD_CLIFF}, 2764),
        reply({922}, 2380, arg(922)),
        reply({WORD_UP}, 2853),
        reply({1004}, 2766),
        reply({WORD_WATERS, 1000}, 2753),
        reply({547}, 2588),
        reply({958}, 2593, arg(958)),
        ret(),
    end(),
    when(has_word(789).AND(has_any_word({1004, 139})), call(p129)),
    group({975, 1004, 922, WORD_CLIFF, 139}),
        mark(),
        ret(),
    end(),
    mark_name({WORD_WATERS, 1000, 547, 996}),
    let({WORD_CLIMB}, VAR_COMMAND_STATUS, 1),
    moving(),
        // Back down the creeper to the ledge.
        group({WORD_CLIMB, WORD_DOWN}),
            let(444, 2),
            forced(444),
        end(),
        reply({WORD_UP}, 2240),
        // The giant sits across the path out until the incense burns.
        when([] { return cond(value[194] == 5).AND(!have(95, 0, 2)); }, reply({WORD_EAST}, 2241)),
        go({WORD_EAST}, 199),
    end(),
    // What is dropped or thrown from here falls to the creeper hall.
    drop_to(443, 2247),
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
int p741() { return run_member<GALLERY, GALLERY_PLACES>(440); }
int p931() { return run_member<GALLERY, GALLERY_PLACES>(441); }
int p49() { return run_member<GALLERY, GALLERY_PLACES>(442); }
int p52() { return run<CREEPER_HALL>(); }
int p53() { return run<HIGH_LEDGE>(); }
int p526() { return run<PINNACLE>(); }
int p54() { return run<BLUFF_PATH>(); }

