// Beyond the ravine: the span ledge, the three-way chamber behind the
// portcullis, the ring round the hall of glimmers, the changing room and the
// tapestry room, the watcher's passage, the long steps down to the whisper
// chamber, the halls of the parchment, the turning gallery with its ends,
// and the precipice. Each place's procedure answers its feature words, moves
// the player along its exits and marks the words of its features for the
// last replies.
#include "game.h"

using namespace rows;

namespace {

// --- The span ledge (312) and the three-way chamber (313) -----------------

cond_fold bridge_made() { return cond(value[31] == 2); }
cond_fold no_bridge() { return cond(value[31] == 0); }

// Place 312: span ledge.
// Back over the ravine: the bridge holds for the bearer of the jewel, but
// not when the parchment goes with it; then the bridge is gone for good.
constexpr row SPAN_LEDGE[] = {
    when([] { return cond(anyof(11, 1054, -1)).AND(bridge_made()); }, put_here(11)),
    look(),
        reply({WORD_DOWN}, 2478, arg(1)),
        reply({999, 912}, 3245),
        reply({WORD_WALL, 312}, 3125, arg(0)),
        reply({31, 172}, 2046),
        reply({1053, 17}, 2952, arg_of(VAR_ARG2)),
        let({201}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    group({31}),
        reply({773}, 1446),
        set_flag_held(VAR_QUESTION, VFLAG_QUESTION_REPLIED_2),
        ret(),
    end(),
    let({WORD_CROSS}, VAR_COMMAND_STATUS, 1),
    moving(),
        go({WORD_NORTH, 1053, 201, 17}, 313),
        group({WORD_CROSS, 11, 1054, 172, WORD_SOUTH}),
            first(),
                when(no_bridge, reply(1597)),
                group(object_carried(67)),
                    first(),
                        group(object_carried(59)),
                            tell(1603),
                            forced_on(PLACE_GONE),
                            let(31, 0),
                            call(p154),
                        end(),
                        forced(311),
                    end(),
                end(),
                death(1599),
            end(),
        end(),
    end(),
    mark_name({312}),
    mark({201, 1053, 17}),
    land(PLACE_GONE, 1679),
};

// Place 313: three-way chamber.
// The three-way chamber (313). The counter in object 26's state falls back
// from 1 and from 3 on every command here; the ways north-west, north and
// north-east are open while the portcullis (object 32) is up.
constexpr row THREE_WAY_CHAMBER[] = {
    when(value_is(26, 1).OR(value_is(26, 3)), add(26, -1)),
    look(),
        reply({1040}, 3174),
        reply({WORD_WALL}, 3173),
        reply({312}, 3125, arg(1)),
        let({201}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    reply(all({WORD_CLIMB, WORD_WALL}), 3173),
    moving(),
        group(value_is(32, 1)),
            go({WORD_NORTHWEST}, 314),
            go({WORD_NORTH}, 324),
            go({WORD_NORTHEAST}, 354),
        end(),
        go({WORD_SOUTH}, 312),
        reply({201}, 1425),
    end(),
    mark({201, WORD_WALL, 1040}),
    mark_name({312}),
};

// --- The ring round the hall of glimmers (314..316, 319..323) -------------

// Place 314: glimmer approach.
constexpr row GLIMMER_APPROACH[] = {
    look(),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2903, arg(897)),
        ret(),
    end(),
    forced_if(all({WORD_GO, WORD_ON}), 315),
    moving(),
        go({WORD_SOUTH, WORD_OUT, WORD_PASSAGE}, 313),
        group({WORD_NORTH, WORD_NORTHEAST, WORD_NORTHWEST, WORD_IN}),
            call(p667),
            forced(315),
        end(),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, 308, WORD_ECHO}),
};

// The glimmer (object 16, state 1..8) points along the one compass word that
// leads on; in light its state is 0 and no word does. As a first word it
// leads on in any command, as a second word only in a command of two.
cond_fold glimmer_way_named() {
    const int way = 744 + value[16];
    return cond(cond(words() == 2).AND(arg2() == way)).OR(arg1() == way);
}
cond_fold glimmer_seen() { return cond(value[16] != 0); }

// Leaving the hall for the lower landing, the changing room takes on a new
// guise, which the tapestry room beside it shares: lit in every guise but
// the first.
int new_guise_of_the_changing_room() {
    value[318] = irand(4);
    value[319] = value[318];
    if (cond(value[319] > 0))
        bitmod('s', 319, PFLAG_LIT);
    else
        bitmod('c', 319, PFLAG_LIT);
    return 0;
}

// Place 315: hall of glimmers.
// The hall of glimmers (315): whatever lies here is parked at the holding
// place; a wrong way leads round into the hall again, looking different.
constexpr row HALL_OF_GLIMMERS[] = {
    moving(),
        group({WORD_LOOK, WORD_NORTH, WORD_EAST, WORD_SOUTH, WORD_WEST, WORD_NORTHEAST, WORD_NORTHWEST, WORD_SOUTHEAST, WORD_SOUTHWEST}),
            call(p401),
            first(),
                group(glimmer_way_named),
                    step(new_guise_of_the_changing_room),
                    call(p240, ref(316)),
                    forced(316),
                end(),
                otherwise(),
                    call(p667),
                    say_as(SAY_REFVAR, VAR_HERE, 0),
                    when(glimmer_seen, say_as(0, 16, 0)),
                    stop(),
                end(),
            end(),
        end(),
    end(),
    mark({WORD_ECHO}),
};

// Place 316: lower landing.
constexpr row LOWER_LANDING[] = {
    call(p667),
    look(),
        reply({1052, 912}, 3245),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308, WORD_OPENING}, 2903, arg(897)),
        reply({1019, WORD_ROCK}, 2924),
        ret(),
    end(),
    group({WORD_ROCK}),
        reply({WORD_TAKE}, 2925, arg(1)),
        reply({808, 807}, 2925, arg(0)),
    end(),
    moving(),
        go({WORD_DOWN, WORD_PASSAGE, WORD_OPENING, WORD_IN}, 323),
        group({WORD_NORTH, WORD_EAST, WORD_SOUTH, WORD_WEST, WORD_NORTHEAST, WORD_NORTHWEST, WORD_SOUTHEAST, WORD_SOUTHWEST}),
            forced_on(315),
            call(p667),
            stop(),
        end(),
    end(),
    mark({WORD_OPENING, WORD_PASSAGE, 1019, WORD_ROCK, WORD_ECHO}),
};

// Place 323: shaft foot.
constexpr row SHAFT_FOOT[] = {
    look(),
        reply({981}, 1453),
        let({300}, VAR_COMMAND_STATUS, 1),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308, WORD_CRAWL}, 2903, arg_of(VAR_ARG2)),
        ret(),
    end(),
    moving(),
        go({WORD_NORTH, WORD_CRAWL, 322}, 322),
        go({WORD_UP, WORD_PASSAGE, WORD_SOUTH}, 316),
    end(),
    mark({300, WORD_CRAWL, WORD_PASSAGE}),
};

// The vial with the spirit stirring in it, set down by the basin, grows
// still.
cond_fold vial_set_down() { return cond(keyword(WORD_DROP, OBJ_VESSEL_SMALL, -1)).AND(have(OBJ_VESSEL_SMALL, 0, 1)); }
cond_fold into_the_basin() {
    return cond(cond(anyof(WORD_IN, 322, -1)).AND(words() == 1)).OR(keyword(WORD_IN, 322, -1));
}

// Place 322: basin.
constexpr row BASIN[] = {
    look(),
        reply({WORD_CRAWL, WORD_CRACK}, 2903, arg_of(VAR_ARG2)),
        reply({WORD_FLOOR, 322}, 2002),
        ret(),
    end(),
    ret({WORD_OPEN, WORD_CLOSE}),
    group(vial_set_down),
        put_here(OBJ_VESSEL_SMALL),
        let(OBJ_VESSEL_SMALL, 0),
        reply(1666),
    end(),
    when(into_the_basin, reply(2923)),
    moving(),
        go({WORD_WEST, WORD_OUT, 323}, 323),
        go({WORD_NORTH, WORD_CRACK, 321}, 321),
        reply({322}, 2923),
    end(),
    mark({WORD_FLOOR, 322, WORD_CRAWL, WORD_CRACK}),
};

// Place 321: fissure.
constexpr row FISSURE[] = {
    look(),
        reply({321}, 2938, arg(0)),
        reply({WORD_CRACK}, 2903, arg(888)),
        let({980}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    when(has_word(321).AND(has_any_word({WORD_UP, WORD_CLIMB})), let(VAR_COMMAND_STATUS, 1)),
    moving(),
        go({WORD_UP, WORD_CLIMB, 321, 319}, 319),
        go({WORD_SOUTH, WORD_CRACK, 322}, 322),
        reply({980}, 1425),
    end(),
    mark({WORD_CRACK, 321, 980}),
};

// Place 319: tapestry room.
// Things thrown here fall down the fissure.
constexpr row TAPESTRY_ROOM[] = {
    look(),
        reply({966}, 2903, arg_of(VAR_ARG2)),
        reply({319}, 2941),
        reply({321}, 2938, arg(1)),
        reply({1022}, 2943),
        ret(),
    end(),
    when(has_word(321).AND(has_any_word({WORD_DOWN, WORD_CLIMB})), let(VAR_COMMAND_STATUS, 1)),
    moving(),
        go({WORD_DOWN, WORD_CLIMB, 321}, 321),
        go({WORD_SOUTH, 390, 319}, 320),
        go({WORD_NORTHWEST}, 318),
        // Towards the daylight of the changing room, in the guises that
        // have a window.
        when(value_over(319, 1), forced_if(all({WORD_GO, WORD_LIGHT}), 318)),
        call({319}, p329, ref(318), ref(752), ref(320), ref(749)),
    end(),
    mark({319, 1022, 321}),
    land(321, 1680),
};

// Place 320: chute mouth.
// Things thrown here slide down the chute.
constexpr row CHUTE_MOUTH[] = {
    look(),
        reply({390, 15, WORD_DOWN}, 2942),
        reply({319}, 2941),
        reply({1022}, 2943),
        ret(),
    end(),
    let(all({WORD_DOWN, 390}), VAR_COMMAND_STATUS, 1),
    moving(),
        go({WORD_SOUTH, WORD_DOWN, 390}, 314, 1589),
        go({WORD_NORTH, 321, 319}, 319),
    end(),
    mark({390, 319, 1022}),
    land(314, 1681),
};

// --- The changing room (318) ----------------------------------------------

// Its guise, the value of the place, 0..3: which features it has, and so
// which of its words it leaves to the word procedures.
cond_fold guise(int g) { return cond(value[318] == g); }
cond_fold heading_holds_back() { return cond(carried(OBJ_HEADING)).AND(value[OBJ_HEADING] >= 6).AND(value[OBJ_HEADING] <= 8); }

// Place 318: changing room.
constexpr row CHANGING_ROOM[] = {
    // The summit is in view in the second and third guises.
    when([] { return guise(1).OR(guise(2)); }, set_flag(593, PFLAG_VISITED)),
    group({593}),
        when([] { return cond(has(WORD_LOOK)).AND(guise(3)); }, reply(2691)),
    end(),
    first(),
        group([] { return guise(0); }), ret({593, WORD_ECHO, 1030, 781}), end(),
        group([] { return guise(1); }), ret({1029, 781, 853, 979}), end(),
        group([] { return guise(2); }), ret({WORD_ECHO, 1030, 1029, 979}), end(),
        ret({WORD_ECHO, 1030, 1029, 593}),
    end(),
    look(),
        reply({1073, WORD_LOOKOUT}, 2693),
        reply({WORD_OPENING, 319, WORD_HOLE, 966, 8}, 2903, arg(902)),
        // The glass or the mirror of the guise, and its window.
        reply({12, 17}, 2689, arg_of(318)),
        reply({920, WORD_UP, 376, 475}, 2686, arg_of(318)),
        reply({800, 913}, 2622, arg(0)),
        reply({439, 1022}, 2622, arg(1)),
        reply({593}, 2593, arg_of(593)),
        reply({WORD_WATERS}, 2621, arg_of(318)),
        reply({979}, 2692, arg_of(318)),
        reply({1029}, 2694),
        reply({853}, 2689, arg_of(318)),
        reply({WORD_ECHO}, 2687),
        reply({1030}, 2686, arg(1)),
        reply({781}, 2688),
        ret(),
    end(),
    reply({WORD_CROSS}, 2622, arg(2)),
    reply({WORD_CLIMB}, 3492),
    group({793}),
        first(),
            when([] { return cond(has(OBJ_HEADING)).AND(heading_holds_back()); }, reply(2300)),
            land(PLACE_GONE, 1684),
        end(),
    end(),
    moving(),
        reply({439, 1022}, 1424),
        when(object_carried(OBJ_HEADING).AND(has_any_word({319, WORD_IN, WORD_HOLE, WORD_OPENING, WORD_EAST})), heading(WORD_EAST)),
        go({WORD_EAST, WORD_OPENING, WORD_HOLE, 319, WORD_IN}, 319),
        reply({593}, 2638),
        group({762}),
            first(),
                when(heading_holds_back, reply(2298)),
                otherwise(),
                    forced_on(PLACE_GONE),
                    call(p803),
                end(),
            end(),
        end(),
    end(),
    mark({979, WORD_OPENING, WORD_HOLE, 439, 800, 913, WORD_WATERS, 593, WORD_CLIFF}),
    mark({1022, 1073, WORD_LOOKOUT, WORD_ECHO, 1029, 853, 977, 1030}),
};

// --- The narrow way and the watcher's passage (324, 325) ------------------

// The counter in object 26's state: it steps up from 0 and 2 on the way in
// (the watcher wakes), and falls back from 1 and 3 on the way out.
cond_fold watcher_at_rest() { return cond(value[26] == 0).OR(value[26] == 2); }
cond_fold watcher_roused() { return cond(value[26] == 1).OR(value[26] == 3); }
cond_fold came_from(int place) { return cond(value[VAR_THERE] == place); }

// Place 324: narrow way.
constexpr row NARROW_WAY[] = {
    look(),
        let({WORD_TUNNEL, WORD_PASSAGE, 308}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        // The passage leads on away from where the player came from.
        group({WORD_TUNNEL, WORD_PASSAGE, 308}),
            first(),
                when([] { return came_from(325); }, let_ref(VAR_ARG1, 749)),
                let_ref(VAR_ARG1, 745),
            end(),
        end(),
        go({WORD_SOUTH}, 313),
        group({WORD_NORTH}),
            when(watcher_at_rest, add(26, 1)),
            when(value_is(26, 1), tell(1620)),
            forced(325),
        end(),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, 308}),
};

// Place 325: watcher's passage.
// Back past the watcher: once it has been lulled by the polished medallion
// (state 2 and up) it lets the player by; otherwise, with nothing to show
// it, its gaze is the end of the player.
constexpr row WATCHERS_PASSAGE[] = {
    when([] { return cond(has(WORD_BACK)).AND(came_from(324)); }, rewrite_shown(WORD_BACK, WORD_SOUTH)),
    look(),
        reply({494, 203}, 2927),
        when(has_word(1042).AND(value_is(26, 2)), reply(3165, arg(1042))),
        let({WORD_TUNNEL, WORD_PASSAGE, 308}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        group({WORD_TUNNEL, WORD_PASSAGE, 308}),
            first(),
                when([] { return came_from(326); }, let_ref(VAR_ARG1, 745)),
                let_ref(VAR_ARG1, 749),
            end(),
        end(),
        go({WORD_NORTH}, 326),
        group({WORD_SOUTH}),
            when(watcher_roused, add(26, -1)),
            group(value_is(26, 0)),
                call(p784),
                first(),
                    group([] { return cond(have(111, 0, 2)); }),
                        tell(1621),
                        let(26, 2),
                        clear_flag(325, PFLAG_HINT_AVAILABLE),
                    end(),
                    otherwise(),
                        tell(1622),
                        call(p154),
                    end(),
                end(),
            end(),
            forced(324),
        end(),
    end(),
    mark({494, WORD_PASSAGE}),
};

// --- The steps down to the whisper chamber (326..329, 377) ----------------

// Place 326: head of the steps.
constexpr row HEAD_OF_THE_STEPS[] = {
    look(),
        reply({7}, 2748),
        let({WORD_TUNNEL, WORD_PASSAGE, 308}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    when(watcher_at_rest, add(26, 1)),
    moving(),
        go({WORD_NORTH, 377}, 377),
        go({WORD_SOUTH}, 325),
        go({WORD_DOWN, 7}, 327),
        call({WORD_TUNNEL, WORD_PASSAGE, 308}, p329, ref(325), ref(749), ref(377), ref(745)),
    end(),
    mark({7, WORD_PASSAGE}),
    land(327, 1682),
};

// The east side of the vault: through the door while it stands open, which
// then blocks the way back.
cond_fold vault_open() { return cond(value[36] == 1); }

// Place 377: east vault landing.
constexpr row EAST_VAULT_LANDING[] = {
    rewrite_shown(8, 36),
    group({1052, 912}), reply({WORD_LOOK}, 3245), end(),
    let(all({WORD_IN, 36}), VAR_COMMAND_STATUS, 1),
    moving(),
        group({WORD_IN}),
            first(),
                group(vault_open),
                    copy(VAR_RETURN_PLACE, VAR_HERE),
                    forced(583),
                end(),
                reply(1638),
            end(),
        end(),
        group({WORD_SOUTH, WORD_OUT, 309}),
            first(),
                when(vault_open, reply(1613)),
                forced(326),
            end(),
        end(),
    end(),
};

// The steps themselves, a line of three: k[0] the upper steps' look down,
// k[1] the middle steps' look along the tunnel. Things thrown go bouncing
// down to the next step below.
constexpr int LOOK_DOWN = 0, LOOK_ALONG = 1;

// Places 327: upper steps; 328: middle steps; 329: foot of the steps.
constexpr member STEPS[] = {
    {327, {1, 0}, {moving(), go({WORD_UP}, 326), go({WORD_DOWN, 733, 7}, 328), end(), mark({7, 733}), land(328, 1682)}},
    {328,
     {0, 1},
     {moving(), go({WORD_UP}, 327), go({WORD_DOWN, 7}, 329), go({WORD_NORTH, WORD_OUT, WORD_PASSAGE, 308, WORD_TUNNEL}, 330), reply({470}, 1425), end(),
      mark({7, WORD_PASSAGE, 308, WORD_TUNNEL, 470}), land(329, 1682)}},
    {329, {0, 0}, {moving(), go({WORD_UP, 7}, 328), end(), mark({7})}},
};

// Places 327: upper steps; 328: middle steps; 329: foot of the steps.
constexpr row STEP[] = {
    look(),
        reply({7}, 2748),
        member_group(LOOK_DOWN),
            reply({WORD_DOWN, 733}, 2846, arg(0)),
        end(),
        member_group(LOOK_ALONG),
            reply({WORD_TUNNEL, WORD_PASSAGE, 308}, 2903, arg(898)),
            let({470}, VAR_COMMAND_STATUS, 1),
        end(),
        ret(),
    end(),
    member_rows(),
};

// --- The whisper chamber, the side niche and the inscribed arch (330..332) --

// Fennoch and the squeeze word, said alone or after "say", lead to the
// precipice unless the hills have stopped answering them.
cond_fold travel_word_said() {
    return cond(anyof(WORD_MAGIC_TRAVEL_2, 287, -1)).AND(cond(has(WORD_SAY)).OR(words() == 1));
}

// Place 330: whisper chamber.
constexpr row WHISPER_CHAMBER[] = {
    look(),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2902, arg(897)),
        reply({WORD_WALL, 223}, 2907),
        reply({WORD_ROCK, 222}, 2928),
        ret(),
    end(),
    group(travel_word_said),
        first(),
            when([] { return cond(bitest(VAR_GAME_FLAGS, 2)); }, reply(1329)),
            otherwise(),
                let_variant(2510, 0),
                forced_held(451, VAR_PASSAGE_TEXT),
            end(),
        end(),
    end(),
    moving(),
        go({WORD_SOUTH}, 328),
        go({WORD_WEST}, 332),
        go({WORD_EAST, WORD_WALL}, 331),
        call({WORD_TUNNEL, WORD_PASSAGE, 308}, p329, ref(328), ref(749), ref(332), ref(751)),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, 308, 222, WORD_ROCK, WORD_WALL, 223}),
};

// Place 331: side niche.
constexpr row SIDE_NICHE[] = {
    look(),
        reply({1066}, 1453),
        let({223}, VAR_COMMAND_STATUS, 1),
        reply({WORD_CRACK}, 2905),
        ret(),
    end(),
    moving(),
        go({WORD_WEST, WORD_DOWN}, 330),
        reply({WORD_NORTH, WORD_NORTHEAST, WORD_EAST, WORD_SOUTHEAST, WORD_SOUTH, WORD_SOUTHWEST, WORD_NORTHWEST}, 2906),
    end(),
    mark({WORD_CRACK, 223}),
};

// Into the turning gallery: every cell of it is unvisited again, and when
// the gallery has turned since a cell last learned its way, the player
// feels it.
int forget_gallery_visits() {
    for (value[VAR_WORK_PLACE] = 335; value[VAR_WORK_PLACE] <= 350; value[VAR_WORK_PLACE]++)
        bitmod('c', value[VAR_WORK_PLACE], PFLAG_VISITED);
    return 0;
}

// Place 332: inscribed arch.
// The inscription over the arch is cut into a tablet set in the rock: read
// or looked at it is the gallery's warning, taken it will not come away.
constexpr row INSCRIBED_ARCH[] = {
    call(p185, ref(73)),
    group({73, 1080, 30, 134, 129, 74}),
        first(),
            reply({798, WORD_LOOK}, 2283, arg(0)),
            group(word_count(1)),
                set_flag(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_ORPHAN),
                reply(1507, arg_of(73)),
            end(),
            reply(1885, arg_of(73)),
        end(),
    end(),
    // Reading the arch is reading the tablet above it.
    reply(all({798, 1054}), 2283, arg(0)),
    look(),
        reply({1018, 30, 134, 129}, 3135),
        reply({1054}, 3136),
        reply({WORD_OUT}, 2903, arg(897)),
        ret(),
    end(),
    moving(),
        go({WORD_EAST, WORD_OUT}, 330),
        group({WORD_SOUTH, 1054, WORD_IN}),
            when(value_over(1221, 0), tell(3214)),
            step(forget_gallery_visits),
            forced(335),
        end(),
    end(),
};

// --- The turning gallery (335..350) and its ends (333, 334, 351) ----------

// Places 335..350: turning gallery.
// Every cell is alike: each compass word goes by the gallery's rule, which
// reads the cell the player stands in.
constexpr row GALLERY_CELL[] = {
    look(),
        let({905}, VAR_COMMAND_STATUS, 1),
        reply({WORD_TUNNEL, WORD_PASSAGE, 308}, 2902, arg(898)),
        ret(),
    end(),
    moving(),
        call({WORD_NORTH, WORD_NORTHEAST, WORD_EAST, WORD_SOUTHEAST, WORD_SOUTH, WORD_SOUTHWEST, WORD_WEST, WORD_NORTHWEST}, p105),
        reply({905}, 1425),
        reply({WORD_TUNNEL, WORD_PASSAGE, 308}, 2904, arg(898)),
    end(),
    mark({905, WORD_TUNNEL}),
};

// The still pool (333), a dead end off the gallery's first cell: the way
// back is the compass word the gallery stored on the way in.
cond_fold drinking_here() {
    return cond(has(WORD_CONSUME_LIQUID)).AND(cond(anyof(OBJ_LIQUID_1, 911, -1)).OR(words() == 1));
}
cond_fold way_back_named() {
    return cond(cond(words() == 2).AND(arg2() == value[VAR_GALLERY_BACK_WAY])).OR(arg1() == value[VAR_GALLERY_BACK_WAY]);
}

// Place 333: still pool.
constexpr row STILL_POOL[] = {
    when(drinking_here, ret()),
    look(),
        reply({911, 962}, 2284),
        reply({1061}, 3491),
        reply({WORD_OUT, WORD_PASSAGE, WORD_TUNNEL}, 2903, arg(897)),
        reply({905}, 1319, arg(905)),
        ret(),
    end(),
    when(has_word(727).AND(word_count(1)), reply(2049, arg(0))),
    moving(),
        go({WORD_OUT, WORD_PASSAGE, WORD_TUNNEL, 905}, 335),
        when(way_back_named, forced(335)),
    end(),
    mark({911, WORD_OUT, WORD_PASSAGE, WORD_TUNNEL, 1061}),
};

// Place 334: maze crossing.
constexpr row MAZE_CROSSING[] = {
    look(),
        reply({966, 1051, 895}, 3137),
        reply({WORD_TUNNEL, WORD_PASSAGE, 308}, 2903, arg(898)),
        let({905}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    when(has_word(WORD_IN).AND(has_any_word({966, 895, 1051})), let(VAR_COMMAND_STATUS, 1)),
    moving(),
        go({WORD_WEST, 895}, 351),
        go({WORD_IN, WORD_EAST, 966, 1051}, 352),
        go({905, WORD_TUNNEL, WORD_PASSAGE, 308, WORD_NORTH}, 347),
    end(),
    mark({905, 966, 308, WORD_PASSAGE, WORD_TUNNEL, 1051, 895}),
};

// The scribe's nook (351): "scroll" is the scrollwork candlestick while it
// stands where it was left; a bare "read" reads the letters on the wall.
cond_fold candlestick_unmoved() { return cond(value[50] == 0); }

// Place 351: scribe's nook.
constexpr row SCRIBES_NOOK[] = {
    when([] { return cond(has(1027)).AND(candlestick_unmoved()); }, rewrite(1027, 50)),
    call(p185, ref(134)),
    group({1028, 74, 134, 129, 1018, 30}),
        reply({WORD_LOOK, 798}, 2971),
        reply({WORD_TAKE}, 1885, arg(1028)),
        group(word_count_over(1)),
            mark(),
            ret(),
        end(),
        set_flag(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_ORPHAN),
        reply(1507, arg_of(VAR_ARG1)),
    end(),
    look(),
        reply({932}, 1453),
        group({913, 999}),
            when(candlestick_unmoved, say_as(SAY_STOP, 50, 0)),
            reply(2969, arg(913)),
        end(),
        let({494}, VAR_COMMAND_STATUS, 1),
        when(has_word(WORD_WALL).AND(value_is(95, 0)), say_as(SAY_STOP, 95, 0)),
        reply({WORD_OUT, 966}, 2903, arg(966)),
        reply({494}, 1425),
        ret(),
    end(),
    reply({913}, 2037, arg(913)),
    moving(),
        go({WORD_EAST, WORD_OUT, 966}, 334),
    end(),
    mark({1028, 74, 134, 129, 1018, 30, WORD_WALL, 913, WORD_OUT, 494}),
};

// --- The outer and inner halls (352, 353) ---------------------------------

// The two halls share their look replies: k[0] the outer hall's doorway,
// k[1] the inner hall's throne, sheet and enamel.
constexpr int OUTER = 0, INNER = 1;

// Places 352: outer hall; 353: inner hall.
constexpr member HALLS[] = {
    {352, {1, 0}, {go({WORD_EAST}, 353), go({WORD_WEST, WORD_OUT, 966}, 334)}},
    {353, {0, 1}, {go({WORD_WEST}, 352), reply({1041}, 3168)}},
};

// Places 352: outer hall; 353: inner hall.
constexpr row HALL[] = {
    // The wand and the amulet, while they are not at hand, are the staff
    // and the amulet of the figure on the throne.
    member_group(INNER),
        when(has_word(110).AND(object_not_near(110)), rewrite(110, 1134)),
        when(has_word(49).AND(object_not_near(49)), rewrite(49, 1134)),
    end(),
    look(),
        member_group(INNER),
            reply({1041}, 3169),
            reply({1094, 49, 1134}, 3171),
            when([] { return cond(has(1067)).AND(lies_here(38)); }, reply(3170)),
        end(),
        reply({WORD_FLOOR, 268, 1044}, 3167),
        reply({1011, WORD_WALL}, 3166),
        reply({960, 1042}, 3164),
        member_group(OUTER),
            reply({966, 905}, 2903, arg(966)),
        end(),
        reply({376, WORD_UP}, 2019, arg(6)),
        reply({16, WORD_LIGHT}, 3163),
        let({300, 901}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    member_group(INNER),
        reply({38, 1067}, 1730),
    end(),
    moving(),
        member_rows(),
        reply({300, 901}, 1425),
    end(),
    mark({376, 300, 901, 960, 1042, 268, 1011, 1044}),
    member_group(OUTER),
        mark({966}),
    end(),
    member_group(INNER),
        mark({1041, 1094, 1134, 49, 1067}),
    end(),
};

// --- The side passage, the fork chamber and its two ends (354..357) -------

// Place 354: side passage.
constexpr row SIDE_PASSAGE[] = {
    look(),
        let({WORD_TUNNEL, WORD_PASSAGE, 308}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        go({WORD_NORTHWEST}, 313),
        go({WORD_NORTH}, 355),
        when([] { return cond(anyof(WORD_TUNNEL, WORD_PASSAGE, 308, -1)).OR(keyword(WORD_GO, WORD_ON, -1)); },
             call(p329, ref(313), ref(752), ref(355), ref(745))),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, 308}),
};

// Place 355: fork chamber.
constexpr row FORK_CHAMBER[] = {
    look(),
        reply({376, WORD_UP}, 2019, arg(7)),
        reply({1083, WORD_WALL}, 2997),
        let({300}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    reply(all({WORD_TAKE, 1083}), 3428),
    moving(),
        go({WORD_NORTHEAST, 356}, 356),
        go({WORD_NORTHWEST, 357}, 357),
        go({WORD_SOUTH}, 354),
        reply({300}, 1425),
    end(),
    mark({300}),
};

// Place 356: vial niche.
constexpr row VIAL_NICHE[] = {
    look(),
        reply({1066}, 1453),
        reply({356, 173, 17, WORD_WALL}, 3177),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTH, WORD_OUT}, 355),
    end(),
    mark({356, 173, 17, WORD_WALL}),
};

// Place 357: quiet passage.
// The hound waits in the quiet passage until the player turns back; then it
// comes along.
constexpr row QUIET_PASSAGE[] = {
    look(),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2903, arg(897)),
        reply({16}, 2954),
        reply({WORD_WALL, 1023}, 2955),
        ret(),
    end(),
    group({791}),
        reply({WORD_WALL, 1023}, 2956),
    end(),
    moving(),
        group({WORD_OUT, WORD_EAST, WORD_PASSAGE, WORD_BACK}),
            group([] { return cond(getloc(OBJ_FOLLOWER) == PLACE_OFFSTAGE); }),
                put_here(OBJ_FOLLOWER),
                let(OBJ_FOLLOWER, 0),
            end(),
            forced(355),
        end(),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, 308, 16, WORD_WALL, 1023}),
};

// --- The precipice (451) --------------------------------------------------

// Place 451: precipice.
// Every step off the spring ledge but the way west (once the corridor
// beyond has been seen) is a step over the drop.
constexpr row PRECIPICE[] = {
    look(),
        reply({WORD_DOWN}, 2478, arg(1)),
        reply({954}, 1849, arg_of(VAR_ARG2)),
        reply({999}, 3245),
        reply({31}, 2046),
        reply({911, WORD_STREAM}, 2047),
        reply({16, 1022, 635}, 2048),
        let({451}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    group({31}),
        reply({773}, 1446),
        mark(),
        ret(),
    end(),
    let(all({WORD_CLIMB, WORD_DOWN}), VAR_COMMAND_STATUS, 1),
    when(has_word(WORD_SAY).AND(has_any_word({WORD_MAGIC_TRAVEL_2, 287})), let(VAR_COMMAND_STATUS, 1)),
    moving(),
        go_held({WORD_MAGIC_TRAVEL_2, 287}, 330, VAR_PASSAGE_TEXT),
        group([] { return cond(has(WORD_WEST)).AND(bitest(650, PFLAG_VISITED)); }),
            first(),
                when(object_carried(OBJ_HEADING), reply(2309)),
                forced(650, 2446),
            end(),
        end(),
        death({WORD_DOWN, WORD_CLIMB, WORD_NORTH, WORD_SOUTH, WORD_EAST, WORD_WEST, WORD_NORTHEAST, WORD_NORTHWEST, WORD_SOUTHEAST, WORD_SOUTHWEST, 762}, 1614),
        reply({451}, 1425),
    end(),
    mark({1022, 451, 16, 635}),
    land(PLACE_GONE, 1679),
};

template <int PLACE>
int step_of_the_stair() {
    return run_member<STEP, STEPS>(PLACE);
}
template <int PLACE>
int hall() {
    return run_member<HALL, HALLS>(PLACE);
}

}  // namespace

int p295() { return run<SPAN_LEDGE>(); }
int p79() { return run<THREE_WAY_CHAMBER>(); }
int p674() { return run<GLIMMER_APPROACH>(); }
int p675() { return run<HALL_OF_GLIMMERS>(); }
int p676() { return run<LOWER_LANDING>(); }
int p615() { return run<SHAFT_FOOT>(); }
int p666() { return run<BASIN>(); }
int p130() { return run<FISSURE>(); }
int p869() { return run<TAPESTRY_ROOM>(); }
int p870() { return run<CHUTE_MOUTH>(); }
int p43() { return run<CHANGING_ROOM>(); }
int p619() { return run<NARROW_WAY>(); }
int p46() { return run<WATCHERS_PASSAGE>(); }
int p789() { return run<HEAD_OF_THE_STEPS>(); }
int p665() { return run<EAST_VAULT_LANDING>(); }
int p637() { return step_of_the_stair<327>(); }
int p806() { return step_of_the_stair<328>(); }
int p810() { return step_of_the_stair<329>(); }
int p299() { return run<WHISPER_CHAMBER>(); }
int p296() { return run<SIDE_NICHE>(); }
int p103() { return run<INSCRIBED_ARCH>(); }

// The sixteen cells of the turning gallery.
int p101() { return run<GALLERY_CELL>(); }
int p93() { return run<GALLERY_CELL>(); }
int p94() { return run<GALLERY_CELL>(); }
int p95() { return run<GALLERY_CELL>(); }
int p96() { return run<GALLERY_CELL>(); }
int p97() { return run<GALLERY_CELL>(); }
int p98() { return run<GALLERY_CELL>(); }
int p99() { return run<GALLERY_CELL>(); }
int p100() { return run<GALLERY_CELL>(); }
int p87() { return run<GALLERY_CELL>(); }
int p88() { return run<GALLERY_CELL>(); }
int p89() { return run<GALLERY_CELL>(); }
int p90() { return run<GALLERY_CELL>(); }
int p91() { return run<GALLERY_CELL>(); }
int p92() { return run<GALLERY_CELL>(); }
int p102() { return run<GALLERY_CELL>(); }

int p713() { return run<STILL_POOL>(); }
int p104() { return run<MAZE_CROSSING>(); }
int p612() { return run<SCRIBES_NOOK>(); }
int p36() { return hall<352>(); }
int p37() { return hall<353>(); }
int p540() { return run<SIDE_PASSAGE>(); }
int p393() { return run<FORK_CHAMBER>(); }
int p28() { return run<VIAL_NICHE>(); }
int p867() { return run<QUIET_PASSAGE>(); }
int p680() { return run<PRECIPICE>(); }
