// Below the hatch: the foot of the hatch, the bolthole, the carvings, the
// cleft, the upper chamber, the pit with its steps, the stepwell, the two
// lips of the rift and the niche. Each place's procedure answers its feature
// words, moves the player along its exits, runs its deaths, marks the words
// of its features for the last replies and tells the word procedures where
// a thrown thing lands.
#include "game.h"

using namespace rows;

namespace {

cond_fold hatch_open() { return cond(value[OBJ_LOCKED_GATE] == 1); }
cond_fold rift_bridged() { return cond(value[10] == 1); }
cond_fold rift_unbridged() { return cond(value[10] == 0); }

// The way up to the dell from the places below it: through the hatch while
// it stands open; while it is shut, only back to its foot.
constexpr row up_through_the_hatch() { return when(hatch_open, go({203}, 203)); }
constexpr row back_to_the_hatch() { return go({203}, 204, 1390); }

// --- The foot of the hatch (204) --------------------------------------------

// "Go" through the hatch is "out".
int go_means_out() {
    for (int slot : {VAR_ARG1, VAR_ARG2})
        if (value[slot] == WORD_GO) value[slot] = WORD_OUT;
    return 0;
}

// Place 204: foot of the hatch.
constexpr row FOOT_OF_THE_HATCH[] = {
    step(all({WORD_GO, OBJ_LOCKED_GATE}), go_means_out),
    when(has_word(WORD_CRAWL).AND(has_any_word({WORD_IN, WORD_OUT})), let(VAR_COMMAND_STATUS, 1)),
    let(all({WORD_OUT, OBJ_LOCKED_GATE}), VAR_COMMAND_STATUS, 1),
    look(),
        reply({WORD_CRAWL}, 2897),
        reply({205}, 2896, arg_of(205)),
        // Overhead is the hatch itself, shut or open, not the sky.
        group({WORD_UP, 376, 475}),
            say_as(SAY_DETAIL, OBJ_LOCKED_GATE, 0),
            stop(),
        end(),
        ret(),
    end(),
    moving(),
        group({WORD_UP, WORD_OUT, 892}),
            when(hatch_open, forced(203)),
            reply(1390),
        end(),
        go({WORD_CRAWL, 205, WORD_IN, WORD_WEST}, 205),
        go({209}, 209),
        go({WORD_OUT, 206}, 206),
    end(),
    mark({WORD_CRAWL, 205}),
};

// --- The bolthole (205) -----------------------------------------------------

// Place 205: bolthole.
constexpr row BOLTHOLE[] = {
    look(),
        reply({205}, 2896, arg_of(205)),
        reply({WORD_LIGHT}, 2898),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2899, arg(0)),
        ret(),
    end(),
    // Towards the daylight.
    forced_if(all({WORD_GO, WORD_LIGHT}), 204),
    moving(),
        call({WORD_PASSAGE, WORD_CRAWL}, p329, ref(204), ref(747), ref(206), ref(751)),
        go({WORD_OUT, 892, 895, WORD_EAST}, 204),
        go({WORD_IN, 288, WORD_WEST, 206}, 206),
        go({209}, 209),
    end(),
    mark({205, WORD_CRAWL}),
};

// --- The carvings (206) -----------------------------------------------------

cond_fold magic_travel_barred() {
    return cond(value[VAR_PHASE] > 4).OR(bitest(evar(VAR_GAME_FLAGS), 2));
}
int note_magic_refused() {
    bitmod('s', evar(VAR_GAME_FLAGS), 3);
    return 0;
}

// Place 206: carvings.
constexpr row CARVINGS[] = {
    call(p185, ref(134)),
    // The carvings named by the chamber's own word are its glyphs.
    group({134, 129, 1018, 74, 30, 206}),
        reply({WORD_TAKE, 807}, 1885, arg_of(134)),
        reply({WORD_LOOK, 798}, 2112),
    end(),
    look(),
        reply({206, 44}, 1849, arg_of(VAR_ARG2)),
        // The walls are covered with the glyphs.
        reply({WORD_WALL}, 2112),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2899, arg(0)),
        reply({207}, 2900, arg(0)),
        ret(),
    end(),
    let(all({WORD_SAY, WORD_MAGIC_TRAVEL_1}), VAR_COMMAND_STATUS, 1),
    moving(),
        go({895}, 204),
        go({WORD_OUT, 205, WORD_PASSAGE, 272, WORD_EAST}, 205),
        go({207, WORD_IN, WORD_UP, WORD_WEST}, 207),
        go({209}, 209),
        up_through_the_hatch(),
        back_to_the_hatch(),
        group({WORD_MAGIC_TRAVEL_1}),
            group(magic_travel_barred),
                step(note_magic_refused),
                reply(1421),
            end(),
            forced_held(PLACE_DEPOSIT, VAR_PASSAGE_TEXT),
        end(),
    end(),
    mark({134, 129, 1018, 30, 74}),
};

// --- The cleft (207) --------------------------------------------------------

// Place 207: cleft.
constexpr row CLEFT[] = {
    // Looking at the cleft is looking about.
    group(all({WORD_LOOK, 207})),
        let(VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        go({895}, 204),
        go({WORD_DOWN, WORD_OUT, WORD_EAST, 206}, 206),
        go({WORD_IN, WORD_UP, WORD_WEST}, 208),
        go({209}, 209),
        call({207}, p329, ref(206), ref(747), ref(208), ref(751)),
        up_through_the_hatch(),
        back_to_the_hatch(),
    end(),
    mark({207}),
};

// --- The upper chamber (208) ------------------------------------------------

// Place 208: upper chamber.
constexpr row UPPER_CHAMBER[] = {
    look(),
        // The chute from the warren ends overhead.
        group({15}), say_as(SAY_DETAIL, 15, 0), stop(), end(),
        let({300}, VAR_COMMAND_STATUS, 1),
        reply({207}, 2900, arg(1)),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2899, arg(1)),
        reply({WORD_WALL, 1131, 635}, 2901),
        reply({1024, WORD_STREAM, OBJ_LIQUID_1}, 3457),
        ret(),
    end(),
    // The formations hang fast from the roof.
    reply(all({WORD_TAKE, 1024}), 2760),
    // A firefly about: a hint may be offered here.
    when([] { return cond(lies_here(109)); }, set_flag(208, PFLAG_HINT_AVAILABLE)),
    moving(),
        go({895}, 204),
        go({206}, 206),
        go({WORD_OUT, 207, WORD_EAST}, 207),
        go({WORD_IN, WORD_PASSAGE, 209, WORD_WEST}, 209),
        up_through_the_hatch(),
        back_to_the_hatch(),
    end(),
    mark({300, 207, WORD_PASSAGE, WORD_WALL, 1131, 635}),
};

// --- The pit (209) ----------------------------------------------------------

// The steps are there for whoever does not carry the ingot.
cond_fold steps_bear_you() { return cond(value[213] == 0).AND(!carried(47)); }
cond_fold steps_here() { return cond(lies_here(7)); }

// Place 209: pit.
constexpr row PIT[] = {
    first(),
        when(steps_bear_you, put(7, 209)),
        put(7, PLACE_OFFSTAGE),
    end(),
    look(),
        reply({980}, 3245),
        reply({WORD_WEST, WORD_CRACK}, 1509),
        reply({WORD_WALL}, 1583, arg(751)),
        reply({WORD_DOWN, 209}, 2478, arg(1)),
        when(steps_here, reply({7}, 3215)),
        ret(),
    end(),
    reply(all({WORD_GO, WORD_ON}), 1508),
    when([] { return cond(has(WORD_DOWN)).AND(anyof(7, 209, WORD_CLIMB, -1)).OR(keyword(WORD_IN, WORD_CRACK, -1)); },
         let(VAR_COMMAND_STATUS, 1)),
    group(has_any_word({WORD_GO, 762}).OR(word_count(1))),
        go({895}, 204),
        go({206}, 206),
        go({WORD_PASSAGE, WORD_EAST}, 208),
        up_through_the_hatch(),
        back_to_the_hatch(),
        reply({WORD_WEST, WORD_CRACK}, 1508),
        group({WORD_DOWN, 209, 7}),
            when(steps_here, forced(210)),
            tell(1498),
            forced_on(210),
            call(p154),
        end(),
        group({762}),
            forced_on(210),
            call(p803),
        end(),
    end(),
    mark({WORD_CRACK, 209, 7}),
    land(210, 1671),
};

// --- The stepwell (210) -----------------------------------------------------

cond_fold way_up_open() { return cond(value[210] == 0); }

// Place 210: stepwell.
constexpr row STEPWELL[] = {
    when(value_is(VAR_PHASE, 4), call(p149)),
    put(7, PLACE_OFFSTAGE),
    look(),
        reply({981}, 1453),
        let({901}, VAR_COMMAND_STATUS, 1),
        group({890}),
            tell(3241),
            reply(1266),
        end(),
        when(way_up_open, reply({7}, 3215)),
        reply({WORD_CRACK, WORD_PASSAGE}, 2903, arg_of(VAR_ARG2)),
        reply({171}, 2912),
        reply({WORD_WALL}, 1583, arg(747)),
        ret(),
    end(),
    when(has_any_word({WORD_CLIMB, WORD_UP}).AND(has_any_word({209, 890, WORD_PASSAGE, 7})), let(VAR_COMMAND_STATUS, 1)),
    moving(),
        go({WORD_SOUTH, WORD_PASSAGE}, 213),
        go({WORD_EAST, WORD_CRACK}, 374),
        go({760, 901, WORD_WEST}, 211),
        go({WORD_DOWN, 171, WORD_NORTH}, 214),
        go({222}, 223),
        group({WORD_CLIMB, WORD_UP, 209, 890, 7}),
            when(way_up_open, forced(209)),
            reply(1499),
        end(),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, 308, WORD_CRACK, 171, 7}),
    let(VAR_DROP_TEXT_MODE, 1),
    land(209, 2169),
};

// --- The lips of the rift (211, 212) ----------------------------------------

// The two lips share their bridge, their jump and their landing; each has a
// few look replies and its own ways.
constexpr int WEST_LIP = 0;

// "Hall" from the west lip leads back the way the player came, if that was
// across the bridge.
int hall_leads_back() {
    value[VAR_ARG2] = cond(value[VAR_THERE] == 211) ? 747 : 751;
    return 0;
}

// Places 211: east lip of the rift; 212: west lip of the rift.
constexpr member RIFT_LIPS[] = {
    {211, {0}, {
        go({WORD_EAST, 901}, 210),
        group({760, WORD_CROSS, 11, 1054, WORD_WEST}),
            when(rift_unbridged, reply(1394)),
            forced(212, 1986),
        end(),
    }},
    {212, {1}, {
        go({WORD_WEST}, 226),
        forced_if({WORD_NORTH}, 226, 1501),
        step({901}, hall_leads_back),
        group({WORD_CROSS, 11, 1054, WORD_EAST}),
            when(rift_unbridged, reply(1394)),
            forced(211, 1986),
        end(),
    }},
};

// Places 211: east lip of the rift; 212: west lip of the rift.
constexpr row RIFT_LIP[] = {
    group({11, 1054}),
        first(),
            when(rift_bridged, put_here(11)),
            reply(1319, arg_of(11)),
        end(),
    end(),
    look(),
        reply({WORD_DOWN, 996}, 2478, arg(1)),
        member_group(WEST_LIP), reply({WORD_ECHO}, 1359), end(),
        call({11, 1054}, p539),
        let({901}, VAR_COMMAND_STATUS, 1),
        member_group(WEST_LIP), reply({WORD_CRAWL}, 2903, arg(900)), end(),
        ret(),
    end(),
    group({762}),
        group(word_count(1).OR(has_any_word({WORD_CROSS, 10, WORD_DOWN}))),
            when(rift_bridged, reply(1393)),
            forced_on(283),
            call(p803),
        end(),
        ret(),
    end(),
    land(283, 1672),
    when(has_word(WORD_CROSS).AND(has_any_word({11, 1054, 10})), let(VAR_COMMAND_STATUS, 1)),
    moving(),
        member_rows(),
        reply({996}, 1425),
    end(),
    mark({10, WORD_ECHO, 901, 996}),
};

// --- The niche (213) --------------------------------------------------------

// Place 213: niche.
constexpr row NICHE[] = {
    call(p185, ref(134)),
    group({134, 129, 1018, 74, 30}),
        reply({WORD_LOOK, 798}, 2113, arg_of(213)),
        mark(),
        ret(),
    end(),
    reply(all({WORD_LOOK, 1066}), 1453),
    ret({WORD_LOOK}),
    moving(),
        go({WORD_NORTH, WORD_OUT, 901}, 210),
    end(),
};

}  // namespace

int p473() { return run<FOOT_OF_THE_HATCH>(); }
int p150() { return run<BOLTHOLE>(); }
int p183() { return run<CARVINGS>(); }
int p86() { return run<CLEFT>(); }
int p59() { return run<UPPER_CHAMBER>(); }
int p672() { return run<PIT>(); }
int p604() { return run<STEPWELL>(); }
int p253() { return run_member<RIFT_LIP, RIFT_LIPS>(211); }
int p921() { return run_member<RIFT_LIP, RIFT_LIPS>(212); }
int p629() { return run<NICHE>(); }
