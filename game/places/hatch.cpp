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
cond_fold rift_bridged() { return cond(value[OBJ_RIFT] == 1); }
cond_fold rift_unbridged() { return cond(value[OBJ_RIFT] == 0); }

// The way up to the dell from the places below it: through the hatch while
// it stands open; while it is shut, only back to its foot.
constexpr row up_through_the_hatch() { return when(hatch_open, go({PLACE_DELL}, PLACE_DELL)); }
constexpr row back_to_the_hatch() { return go({PLACE_DELL}, PLACE_FOOT_OF_HATCH, 1390); }

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
        reply({PLACE_BOLTHOLE}, 2896, arg_of(PLACE_BOLTHOLE)),
        // Overhead is the hatch itself, shut or open, not the sky.
        group({WORD_UP, PLACE_CEILING, PLACE_WELL_HEAD}),
            say_as(SAY_DETAIL, OBJ_LOCKED_GATE, 0),
            stop(),
        end(),
        ret(),
    end(),
    moving(),
        group({WORD_UP, WORD_OUT, WORD_SURFACE}),
            when(hatch_open, forced(PLACE_DELL)),
            reply(1390),
        end(),
        go({WORD_CRAWL, PLACE_BOLTHOLE, WORD_IN, WORD_WEST}, PLACE_BOLTHOLE),
        go({PLACE_PIT}, PLACE_PIT),
        go({WORD_OUT, PLACE_CARVINGS}, PLACE_CARVINGS),
    end(),
    mark({WORD_CRAWL, PLACE_BOLTHOLE}),
};

// --- The bolthole (205) -----------------------------------------------------

// Place 205: bolthole.
constexpr row BOLTHOLE[] = {
    look(),
        reply({PLACE_BOLTHOLE}, 2896, arg_of(PLACE_BOLTHOLE)),
        reply({WORD_LIGHT}, 2898),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2899, arg(0)),
        reply({PLACE_CARVINGS}, 3253, arg(0)),
        ret(),
    end(),
    // Towards the daylight.
    forced_if(all({WORD_GO, WORD_LIGHT}), PLACE_FOOT_OF_HATCH),
    moving(),
        call({WORD_PASSAGE, WORD_CRAWL}, p329, ref(PLACE_FOOT_OF_HATCH), ref(WORD_EAST), ref(PLACE_CARVINGS),
             ref(WORD_WEST)),
        go({WORD_OUT, WORD_SURFACE, WORD_ENTRANCE, WORD_EAST}, PLACE_FOOT_OF_HATCH),
        go({WORD_IN, PLACE_DARK_NOOK, WORD_WEST, PLACE_CARVINGS}, PLACE_CARVINGS),
        go({PLACE_PIT}, PLACE_PIT),
    end(),
    mark({PLACE_BOLTHOLE, WORD_CRAWL}),
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
    call(p185, ref(OBJ_GLYPHS)),
    // The carvings named by the chamber's own word are its glyphs.
    group({OBJ_GLYPHS, OBJ_SIGN, WORD_LABEL, OBJ_LETTERING, OBJ_CARVING, PLACE_CARVINGS}),
        reply({WORD_TAKE, WORD_PULL}, 1885, arg_of(OBJ_GLYPHS)),
        reply({WORD_LOOK, WORD_READ}, 2112),
    end(),
    look(),
        reply({PLACE_CARVINGS, OBJ_BRACKET}, 1849, arg_of(VAR_ARG2)),
        // The walls are covered with the glyphs.
        reply({WORD_WALL}, 2112),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2899, arg(0)),
        reply({PLACE_CLEFT}, 2900, arg(0)),
        ret(),
    end(),
    let(all({WORD_SAY, WORD_MAGIC_TRAVEL_1}), VAR_COMMAND_STATUS, 1),
    moving(),
        go({WORD_ENTRANCE}, PLACE_FOOT_OF_HATCH),
        go({WORD_OUT, PLACE_BOLTHOLE, WORD_PASSAGE, PLACE_CRAWL_CROSSING, WORD_EAST}, PLACE_BOLTHOLE),
        go({PLACE_CLEFT, WORD_IN, WORD_UP, WORD_WEST}, PLACE_CLEFT),
        go({PLACE_PIT}, PLACE_PIT),
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
    mark({OBJ_GLYPHS, OBJ_SIGN, WORD_LABEL, OBJ_CARVING, OBJ_LETTERING}),
};

// --- The cleft (207) --------------------------------------------------------

// Place 207: cleft.
constexpr row CLEFT[] = {
    // Looking at the cleft is looking about.
    group(all({WORD_LOOK, PLACE_CLEFT})),
        let(VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    look(),
        reply({PLACE_CARVINGS}, 2900, arg(1)),
        ret(),
    end(),
    moving(),
        go({WORD_ENTRANCE}, PLACE_FOOT_OF_HATCH),
        go({WORD_DOWN, WORD_OUT, WORD_EAST, PLACE_CARVINGS}, PLACE_CARVINGS),
        go({WORD_IN, WORD_UP, WORD_WEST}, PLACE_UPPER_CHAMBER),
        go({PLACE_PIT}, PLACE_PIT),
        call({PLACE_CLEFT}, p329, ref(PLACE_CARVINGS), ref(WORD_EAST), ref(PLACE_UPPER_CHAMBER), ref(WORD_WEST)),
        up_through_the_hatch(),
        back_to_the_hatch(),
    end(),
    mark({PLACE_CLEFT}),
};

// --- The upper chamber (208) ------------------------------------------------

// Place 208: upper chamber.
constexpr row UPPER_CHAMBER[] = {
    look(),
        let({PLACE_LAKESIDE_CHAMBER}, VAR_COMMAND_STATUS, 1),
        reply({PLACE_CLEFT}, 2900, arg(1)),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR, PLACE_PIT}, 2899, arg(1)),
        // The walls and the formations tell of water long gone.
        reply({WORD_WALL, WORD_STONE, PLACE_FALLS_NOOK}, 2901),
        reply({WORD_FORMATIONS, WORD_STREAM}, 3457),
        ret(),
    end(),
    // The formations hang fast from the roof.
    reply(all({WORD_TAKE, WORD_FORMATIONS}), 2760),
    // A firefly about: a hint may be offered here.
    when([] { return cond(lies_here(OBJ_FIREFLY)); }, set_flag(PLACE_UPPER_CHAMBER, PFLAG_HINT_AVAILABLE)),
    moving(),
        go({WORD_ENTRANCE}, PLACE_FOOT_OF_HATCH),
        go({PLACE_CARVINGS}, PLACE_CARVINGS),
        go({WORD_OUT, PLACE_CLEFT, WORD_EAST}, PLACE_CLEFT),
        go({WORD_IN, WORD_PASSAGE, PLACE_PIT, WORD_WEST}, PLACE_PIT),
        up_through_the_hatch(),
        back_to_the_hatch(),
    end(),
    mark({PLACE_LAKESIDE_CHAMBER, PLACE_CLEFT, WORD_PASSAGE, WORD_WALL, WORD_STONE, PLACE_FALLS_NOOK}),
};

// --- The pit (209) ----------------------------------------------------------

// The steps are there for whoever does not carry the ingot.
cond_fold steps_bear_you() { return cond(value[PLACE_NICHE] == 0).AND(!carried(OBJ_INGOT)); }
cond_fold steps_here() { return cond(lies_here(OBJ_STEPS)); }

// Place 209: pit.
constexpr row PIT[] = {
    first(),
        when(steps_bear_you, put(OBJ_STEPS, PLACE_PIT)),
        put(OBJ_STEPS, PLACE_OFFSTAGE),
    end(),
    look(),
        reply({WORD_BRINK}, 3245),
        reply({WORD_WEST, WORD_CRACK}, 1509),
        reply({WORD_WALL}, 1583, arg(WORD_WEST)),
        reply({WORD_DOWN, PLACE_PIT}, 2478, arg(1)),
        when(steps_here, reply({OBJ_STEPS}, 3215)),
        ret(),
    end(),
    reply(all({WORD_GO, WORD_ON}), 1508),
    when([] { return cond(has(WORD_DOWN)).AND(anyof(OBJ_STEPS, PLACE_PIT, WORD_CLIMB, -1)).OR(keyword(WORD_IN,
                              WORD_CRACK, -1)); },
         let(VAR_COMMAND_STATUS, 1)),
    group(has_any_word({WORD_GO, WORD_JUMP}).OR(word_count(1))),
        go({WORD_ENTRANCE}, PLACE_FOOT_OF_HATCH),
        go({PLACE_CARVINGS}, PLACE_CARVINGS),
        go({WORD_PASSAGE, WORD_EAST}, PLACE_UPPER_CHAMBER),
        up_through_the_hatch(),
        back_to_the_hatch(),
        reply({WORD_WEST, WORD_CRACK}, 1508),
        group({WORD_DOWN, PLACE_PIT, OBJ_STEPS}),
            when(steps_here, forced(PLACE_STEPWELL)),
            tell(1498),
            forced_on(PLACE_STEPWELL),
            call(p154),
        end(),
        group({WORD_JUMP}),
            forced_on(PLACE_STEPWELL),
            call(p803),
        end(),
    end(),
    mark({WORD_CRACK, PLACE_PIT, OBJ_STEPS}),
    land(PLACE_STEPWELL, 1671),
};

// --- The stepwell (210) -----------------------------------------------------

cond_fold way_up_open() { return cond(value[PLACE_STEPWELL] == 0); }

// Place 210: stepwell.
constexpr row STEPWELL[] = {
    when(value_is(VAR_PHASE, 4), call(p149)),
    put(OBJ_STEPS, PLACE_OFFSTAGE),
    look(),
        reply({WORD_STAIRWELL}, 1453),
        let({WORD_HALL}, VAR_COMMAND_STATUS, 1),
        group({WORD_STAIRS}),
            tell(3241),
            reply(1266),
        end(),
        when(way_up_open, reply({OBJ_STEPS}, 3215)),
        reply({WORD_CRACK, WORD_PASSAGE}, 2903, arg_of(VAR_ARG2)),
        reply({OBJ_STAIRCASE}, 2912),
        reply({WORD_WALL}, 1583, arg(WORD_EAST)),
        reply({PLACE_PIT}, 3253, arg(1)),
        ret(),
    end(),
    when(has_any_word({WORD_CLIMB, WORD_UP}).AND(has_any_word({PLACE_PIT, WORD_STAIRS, WORD_PASSAGE, OBJ_STEPS})),
         let(VAR_COMMAND_STATUS, 1)),
    moving(),
        go({WORD_SOUTH, WORD_PASSAGE}, PLACE_NICHE),
        go({WORD_EAST, WORD_CRACK}, PLACE_TABLET_STEPS),
        go({WORD_ACROSS, WORD_HALL, WORD_WEST}, PLACE_EAST_LIP_OF_RIFT),
        go({WORD_DOWN, OBJ_STAIRCASE, WORD_NORTH}, PLACE_HALL_OF_WAYS),
        go({PLACE_DRUM_CHAMBER}, PLACE_SLANT),
        group({WORD_CLIMB, WORD_UP, PLACE_PIT, WORD_STAIRS, OBJ_STEPS}),
            when(way_up_open, forced(PLACE_PIT)),
            reply(1499),
        end(),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR, WORD_CRACK, OBJ_STAIRCASE, OBJ_STEPS}),
    let(VAR_DROP_TEXT_MODE, 1),
    land(PLACE_PIT, 2169),
};

// --- The lips of the rift (211, 212) ----------------------------------------

// The two lips share their bridge, their jump and their landing; each has a
// few look replies and its own ways. k[0] marks the west lip, k[1] the east.
constexpr int WEST_LIP = 0, EAST_LIP = 1;

// "Hall" from the west lip leads back the way the player came, if that was
// across the bridge.
int hall_leads_back() {
    value[VAR_ARG2] = cond(value[VAR_THERE] == PLACE_EAST_LIP_OF_RIFT) ? WORD_EAST : WORD_WEST;
    return 0;
}

// Places 211: east lip of the rift; 212: west lip of the rift.
constexpr member RIFT_LIPS[] = {
    {PLACE_EAST_LIP_OF_RIFT, {0, 1}, {
        go({WORD_EAST, WORD_HALL}, PLACE_STEPWELL),
        group({WORD_ACROSS, WORD_CROSS, OBJ_BRIDGE, WORD_ARCH, WORD_WEST}),
            when(rift_unbridged, reply(1394)),
            forced(PLACE_WEST_LIP_OF_RIFT, 1986),
        end(),
    }},
    {PLACE_WEST_LIP_OF_RIFT, {1}, {
        go({WORD_WEST}, PLACE_MOUTH_OF_WARREN),
        forced_if({WORD_NORTH}, PLACE_MOUTH_OF_WARREN, 1501),
        step({WORD_HALL}, hall_leads_back),
        group({WORD_CROSS, OBJ_BRIDGE, WORD_ARCH, WORD_EAST}),
            when(rift_unbridged, reply(1394)),
            forced(PLACE_EAST_LIP_OF_RIFT, 1986),
        end(),
    }},
};

// Places 211: east lip of the rift; 212: west lip of the rift.
constexpr row RIFT_LIP[] = {
    group({OBJ_BRIDGE, WORD_ARCH}),
        first(),
            when(rift_bridged, put_here(OBJ_BRIDGE)),
            reply(1319, arg_of(OBJ_BRIDGE)),
        end(),
    end(),
    look(),
        reply({WORD_DOWN, WORD_RUSHES}, 2478, arg(1)),
        member_group(WEST_LIP), reply({WORD_ECHO}, 1359), end(),
        call({OBJ_BRIDGE, WORD_ARCH}, p539),
        let({WORD_HALL, WORD_BRINK}, VAR_COMMAND_STATUS, 1),
        member_group(WEST_LIP),
            reply({WORD_PASSAGE, WORD_TUNNEL}, 3253, arg(6)),
            reply({WORD_CRAWL}, 2903, arg(WORD_CRAWL)),
            reply({WORD_DOORWAY}, 3253, arg(4)),
        end(),
        // The east lip hears the water far below.
        member_group(EAST_LIP), when(object_not_near(OBJ_LIQUID_1), reply({OBJ_LIQUID_1}, 3253, arg(2))), end(),
        reply({PLACE_STEPWELL}, 3253, arg(3)),
        ret(),
    end(),
    group({WORD_JUMP}),
        group(word_count(1).OR(has_any_word({WORD_CROSS, OBJ_RIFT, WORD_DOWN}))),
            when(rift_bridged, reply(1393)),
            forced_on(PLACE_BURROW),
            call(p803),
        end(),
        ret(),
    end(),
    land(PLACE_BURROW, 1672),
    when(has_word(WORD_CROSS).AND(has_any_word({OBJ_BRIDGE, WORD_ARCH, OBJ_RIFT})), let(VAR_COMMAND_STATUS, 1)),
    moving(),
        member_rows(),
        reply({WORD_RUSHES}, 1425),
    end(),
    mark({OBJ_RIFT, WORD_ECHO, WORD_HALL, WORD_RUSHES}),
};

// --- The niche (213) --------------------------------------------------------

// Place 213: niche.
constexpr row NICHE[] = {
    call(p185, ref(OBJ_GLYPHS)),
    group({OBJ_GLYPHS, OBJ_SIGN, WORD_LABEL, OBJ_LETTERING, OBJ_CARVING}),
        reply({WORD_LOOK, WORD_READ}, 2113, arg_of(PLACE_NICHE)),
        mark(),
        ret(),
    end(),
    reply(all({WORD_LOOK, WORD_NICHES}), 1453),
    reply(all({WORD_LOOK, PLACE_STEPWELL}), 3253, arg(5)),
    ret({WORD_LOOK}),
    moving(),
        go({WORD_NORTH, WORD_OUT, WORD_HALL}, PLACE_STEPWELL),
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
int p253() { return run_member<RIFT_LIP, RIFT_LIPS>(PLACE_EAST_LIP_OF_RIFT); }
int p921() { return run_member<RIFT_LIP, RIFT_LIPS>(PLACE_WEST_LIP_OF_RIFT); }
int p629() { return run<NICHE>(); }
