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

cond_fold bridge_made() { return cond(value[OBJ_RAVINE] == 2); }
cond_fold no_bridge() { return cond(value[OBJ_RAVINE] == 0); }

// Place 312: span ledge.
// Back over the ravine: the bridge holds for the bearer of the jewel, but
// not when the parchment goes with it; then the bridge is gone for good.
constexpr row SPAN_LEDGE[] = {
    when([] { return cond(anyof(OBJ_BRIDGE, WORD_ARCH, -1)).AND(bridge_made()); }, put_here(OBJ_BRIDGE)),
    look(),
        reply({WORD_DOWN}, 2478, arg(1)),
        reply({WORD_LEDGE, WORD_SHELF}, 3245),
        reply({WORD_WALL, PLACE_SPAN_LEDGE}, 3125, arg(0)),
        reply({OBJ_RAVINE, OBJ_GORGE}, 2046),
        reply({WORD_CATWALK, OBJ_MIRROR}, 2952, arg_of(VAR_ARG2)),
        let({PLACE_VALLEY}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    group({OBJ_RAVINE}),
        reply({WORD_LISTEN}, 1446),
        set_flag_held(VAR_QUESTION, VFLAG_QUESTION_REPLIED_2),
        ret(),
    end(),
    let({WORD_CROSS}, VAR_COMMAND_STATUS, 1),
    moving(),
        go({WORD_NORTH, WORD_CATWALK, PLACE_VALLEY, OBJ_MIRROR}, PLACE_THREE_WAY_CHAMBER),
        group({WORD_CROSS, OBJ_BRIDGE, WORD_ARCH, OBJ_GORGE, WORD_SOUTH}),
            first(),
                when(no_bridge, reply(1597)),
                group(object_carried(OBJ_JEWEL)),
                    first(),
                        group(object_carried(OBJ_PARCHMENT)),
                            tell(1603),
                            forced_on(PLACE_GONE),
                            let(OBJ_RAVINE, 0),
                            call(p154),
                        end(),
                        forced(PLACE_RAVINE_EDGE),
                    end(),
                end(),
                death(1599),
            end(),
        end(),
    end(),
    mark_name({PLACE_SPAN_LEDGE}),
    mark({PLACE_VALLEY, WORD_CATWALK, OBJ_MIRROR}),
    land(PLACE_GONE, 1679),
};

// Place 313: three-way chamber.
// The three-way chamber (313). The counter in object 26's state falls back
// from 1 and from 3 on every command here; the ways north-west, north and
// north-east are open while the portcullis (object 32) is up.
constexpr row THREE_WAY_CHAMBER[] = {
    when(value_is(OBJ_WATCHER, 1).OR(value_is(OBJ_WATCHER, 3)), add(OBJ_WATCHER, -1)),
    look(),
        reply({WORD_KEYSTONE}, 3174),
        reply({WORD_WALL}, 3173),
        reply({PLACE_SPAN_LEDGE, WORD_LEDGE}, 3125, arg(1)),
        reply({WORD_PASSAGE}, 3537, arg(0)),
        reply({WORD_ARCH}, 3537, arg(1)),
        reply({WORD_SLOT}, 3537, arg(2)),
        let({PLACE_VALLEY}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    reply(all({WORD_CLIMB, WORD_WALL}), 3173),
    moving(),
        group(value_is(OBJ_PORTCULLIS, 1)),
            go({WORD_NORTHWEST}, PLACE_GLIMMER_APPROACH),
            go({WORD_NORTH}, PLACE_NARROW_WAY),
            go({WORD_NORTHEAST}, PLACE_SIDE_PASSAGE),
        end(),
        go({WORD_SOUTH}, PLACE_SPAN_LEDGE),
        reply({PLACE_VALLEY}, 1425),
    end(),
    mark({PLACE_VALLEY, WORD_WALL, WORD_KEYSTONE}),
    mark_name({PLACE_SPAN_LEDGE}),
};

// --- The ring round the hall of glimmers (314..316, 319..323) -------------

// Place 314: glimmer approach.
constexpr row GLIMMER_APPROACH[] = {
    look(),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 3537, arg(29)),
        ret(),
    end(),
    forced_if(all({WORD_GO, WORD_ON}), PLACE_HALL_OF_GLIMMERS),
    moving(),
        go({WORD_SOUTH, WORD_OUT, WORD_PASSAGE}, PLACE_THREE_WAY_CHAMBER),
        group({WORD_NORTH, WORD_NORTHEAST, WORD_NORTHWEST, WORD_IN}),
            call(p667),
            forced(PLACE_HALL_OF_GLIMMERS),
        end(),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR, WORD_ECHO}),
};

// The glimmer (object 16, state 1..8) points along the one compass word that
// leads on; in light its state is 0 and no word does. As a first word it
// leads on in any command, as a second word only in a command of two.
cond_fold glimmer_way_named() {
    const int way = WORD_NORTH - 1 + value[OBJ_GLIMMER];
    return cond(cond(words() == 2).AND(arg2() == way)).OR(arg1() == way);
}
cond_fold glimmer_seen() { return cond(value[OBJ_GLIMMER] != 0); }

// Leaving the hall for the lower landing, the changing room takes on a new
// guise, which the tapestry room beside it shares: lit in every guise but
// the first.
int new_guise_of_the_changing_room() {
    value[PLACE_CHANGING_ROOM] = irand(4);
    value[PLACE_TAPESTRY_ROOM] = value[PLACE_CHANGING_ROOM];
    if (cond(value[PLACE_TAPESTRY_ROOM] > 0))
        bitmod('s', PLACE_TAPESTRY_ROOM, PFLAG_LIT);
    else
        bitmod('c', PLACE_TAPESTRY_ROOM, PFLAG_LIT);
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
                    call(p240, ref(PLACE_LOWER_LANDING)),
                    forced(PLACE_LOWER_LANDING),
                end(),
                otherwise(),
                    call(p667),
                    say_as(SAY_REFVAR, VAR_HERE, 0),
                    when(glimmer_seen, say_as(0, OBJ_GLIMMER, 0)),
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
        reply({WORD_LANDING, WORD_SHELF}, 3245),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR, WORD_OPENING}, 2903, arg(WORD_PASSAGE)),
        reply({WORD_STRATA, WORD_ROCK}, 2924),
        ret(),
    end(),
    group({WORD_ROCK}),
        reply({WORD_TAKE}, 2925, arg(1)),
        reply({WORD_PUSH, WORD_PULL}, 2925, arg(0)),
    end(),
    moving(),
        go({WORD_DOWN, WORD_PASSAGE, WORD_OPENING, WORD_IN}, PLACE_SHAFT_FOOT),
        group({WORD_NORTH, WORD_EAST, WORD_SOUTH, WORD_WEST, WORD_NORTHEAST, WORD_NORTHWEST, WORD_SOUTHEAST, WORD_SOUTHWEST}),
            forced_on(PLACE_HALL_OF_GLIMMERS),
            call(p667),
            stop(),
        end(),
    end(),
    mark({WORD_OPENING, WORD_PASSAGE, WORD_STRATA, WORD_ROCK, WORD_ECHO}),
};

// Place 323: shaft foot.
constexpr row SHAFT_FOOT[] = {
    look(),
        reply({WORD_STAIRWELL}, 1453),
        reply({WORD_FLOOR}, 3537, arg(23)),
        reply({WORD_LANDING}, 3537, arg(24)),
        let({PLACE_LAKESIDE_CHAMBER}, VAR_COMMAND_STATUS, 1),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR, WORD_CRAWL}, 2903, arg_of(VAR_ARG2)),
        ret(),
    end(),
    moving(),
        go({WORD_NORTH, WORD_CRAWL, PLACE_BASIN}, PLACE_BASIN),
        go({WORD_UP, WORD_PASSAGE, WORD_SOUTH}, PLACE_LOWER_LANDING),
    end(),
    mark({PLACE_LAKESIDE_CHAMBER, WORD_CRAWL, WORD_PASSAGE}),
};

// The vial with the spirit stirring in it, set down by the basin, grows
// still.
cond_fold vial_set_down() { return cond(keyword(WORD_DROP, OBJ_VESSEL_SMALL, -1)).AND(have(OBJ_VESSEL_SMALL, 0, 1)); }
cond_fold into_the_basin() {
    return cond(cond(anyof(WORD_IN, PLACE_BASIN, -1)).AND(words() == 1)).OR(keyword(WORD_IN, PLACE_BASIN, -1));
}

// Place 322: basin.
constexpr row BASIN[] = {
    look(),
        reply({WORD_CRAWL, WORD_CRACK}, 2903, arg_of(VAR_ARG2)),
        reply({WORD_FLOOR, PLACE_BASIN}, 2002),
        reply({WORD_STAIRWELL}, 3537, arg(25)),
        reply({PLACE_FISSURE}, 3537, arg(26)),
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
        go({WORD_WEST, WORD_OUT, PLACE_SHAFT_FOOT}, PLACE_SHAFT_FOOT),
        go({WORD_NORTH, WORD_CRACK, PLACE_FISSURE}, PLACE_FISSURE),
        reply({PLACE_BASIN}, 2923),
    end(),
    mark({WORD_FLOOR, PLACE_BASIN, WORD_CRAWL, WORD_CRACK}),
};

// Place 321: fissure.
constexpr row FISSURE[] = {
    look(),
        reply({PLACE_FISSURE}, 2938, arg(0)),
        reply({WORD_CRACK}, 2903, arg(WORD_CRACK)),
        let({WORD_BRINK}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    when(has_word(PLACE_FISSURE).AND(has_any_word({WORD_UP, WORD_CLIMB})), let(VAR_COMMAND_STATUS, 1)),
    moving(),
        go({WORD_UP, WORD_CLIMB, PLACE_FISSURE, PLACE_TAPESTRY_ROOM}, PLACE_TAPESTRY_ROOM),
        go({WORD_SOUTH, WORD_CRACK, PLACE_BASIN}, PLACE_BASIN),
        reply({WORD_BRINK}, 1425),
    end(),
    mark({WORD_CRACK, PLACE_FISSURE, WORD_BRINK}),
};

// Place 319: tapestry room.
// Things thrown here fall down the fissure.
constexpr row TAPESTRY_ROOM[] = {
    look(),
        reply({WORD_DOORWAY}, 2903, arg_of(VAR_ARG2)),
        reply({PLACE_TAPESTRY_ROOM}, 2941),
        reply({PLACE_FISSURE}, 2938, arg(1)),
        reply({WORD_OVERHANG}, 2943),
        ret(),
    end(),
    when(has_word(PLACE_FISSURE).AND(has_any_word({WORD_DOWN, WORD_CLIMB})), let(VAR_COMMAND_STATUS, 1)),
    moving(),
        go({WORD_DOWN, WORD_CLIMB, PLACE_FISSURE}, PLACE_FISSURE),
        go({WORD_SOUTH, PLACE_UNDERCROFT, PLACE_TAPESTRY_ROOM}, PLACE_CHUTE_MOUTH),
        go({WORD_NORTHWEST}, PLACE_CHANGING_ROOM),
        // Towards the daylight of the changing room, in the guises that
        // have a window.
        when(value_over(PLACE_TAPESTRY_ROOM, 1), forced_if(all({WORD_GO, WORD_LIGHT}), PLACE_CHANGING_ROOM)),
        call({PLACE_TAPESTRY_ROOM}, p329, ref(PLACE_CHANGING_ROOM), ref(WORD_NORTHWEST), ref(PLACE_CHUTE_MOUTH),
             ref(WORD_SOUTH)),
    end(),
    mark({PLACE_TAPESTRY_ROOM, WORD_OVERHANG, PLACE_FISSURE}),
    land(PLACE_FISSURE, 1680),
};

// Place 320: chute mouth.
// Things thrown here slide down the chute.
constexpr row CHUTE_MOUTH[] = {
    look(),
        reply({PLACE_UNDERCROFT, OBJ_CHUTE, WORD_DOWN}, 2942),
        reply({WORD_OPENING}, 3537, arg(27)),
        reply({PLACE_TAPESTRY_ROOM}, 2941),
        reply({WORD_OVERHANG}, 2943),
        ret(),
    end(),
    let(all({WORD_DOWN, PLACE_UNDERCROFT}), VAR_COMMAND_STATUS, 1),
    moving(),
        go({WORD_SOUTH, WORD_DOWN, PLACE_UNDERCROFT}, PLACE_GLIMMER_APPROACH, 1589),
        go({WORD_NORTH, PLACE_FISSURE, PLACE_TAPESTRY_ROOM}, PLACE_TAPESTRY_ROOM),
    end(),
    mark({PLACE_UNDERCROFT, PLACE_TAPESTRY_ROOM, WORD_OVERHANG}),
    land(PLACE_GLIMMER_APPROACH, 1681),
};

// --- The changing room (318) ----------------------------------------------

// Its guise, the value of the place, 0..3: which features it has, and so
// which of its words it leaves to the word procedures.
cond_fold guise(int g) { return cond(value[PLACE_CHANGING_ROOM] == g); }
cond_fold heading_holds_back() { return cond(carried(OBJ_HEADING)).AND(value[OBJ_HEADING] >= 6).AND(value[OBJ_HEADING] <= 8); }

// Place 318: changing room.
constexpr row CHANGING_ROOM[] = {
    // The summit is in view in the second and third guises.
    when([] { return guise(1).OR(guise(2)); }, set_flag(PLACE_SUMMIT, PFLAG_VISITED)),
    group({PLACE_SUMMIT}),
        when([] { return cond(has(WORD_LOOK)).AND(guise(3)); }, reply(2691)),
    end(),
    first(),
        group([] { return guise(0); }), ret({PLACE_SUMMIT, WORD_ECHO, WORD_CORNICE, WORD_WAVE}), end(),
        group([] { return guise(1); }), ret({WORD_WAINSCOT, WORD_WAVE, WORD_REFLECT, WORD_DRAPES}), end(),
        group([] { return guise(2); }), ret({WORD_ECHO, WORD_CORNICE, WORD_WAINSCOT, WORD_DRAPES}), end(),
        ret({WORD_ECHO, WORD_CORNICE, WORD_WAINSCOT, PLACE_SUMMIT}),
    end(),
    look(),
        reply({WORD_SKYLINE, WORD_LOOKOUT}, 2693),
        reply({WORD_OPENING, PLACE_TAPESTRY_ROOM, WORD_HOLE, WORD_DOORWAY, OBJ_DOOR}, 2903, arg(WORD_OPENING)),
        // The glass or the mirror of the guise, and its window.
        reply({OBJ_PANE, OBJ_MIRROR}, 2689, arg_of(PLACE_CHANGING_ROOM)),
        reply({WORD_WINDOW, WORD_UP, PLACE_CEILING, PLACE_WELL_HEAD}, 2686, arg_of(PLACE_CHANGING_ROOM)),
        reply({WORD_BREAK, WORD_OUTCROP}, 2622, arg(0)),
        reply({PLACE_WEST_END_OF_GALLERY, WORD_OVERHANG}, 2622, arg(1)),
        reply({PLACE_SUMMIT}, 2593, arg_of(PLACE_SUMMIT)),
        reply({WORD_WATERS}, 2621, arg_of(PLACE_CHANGING_ROOM)),
        reply({WORD_DRAPES}, 2692, arg_of(PLACE_CHANGING_ROOM)),
        reply({WORD_WAINSCOT}, 2694),
        reply({WORD_REFLECT}, 2689, arg_of(PLACE_CHANGING_ROOM)),
        reply({WORD_ECHO}, 2687),
        reply({WORD_CORNICE}, 2686, arg(1)),
        reply({WORD_WAVE}, 2688),
        reply({WORD_SAND}, 3539, arg_of(PLACE_CHANGING_ROOM)),
        ret(),
    end(),
    reply({WORD_CROSS}, 2622, arg(2)),
    reply({WORD_CLIMB}, 3492),
    group({WORD_THROW}),
        first(),
            when([] { return cond(has(OBJ_HEADING)).AND(heading_holds_back()); }, reply(2300)),
            land(PLACE_GONE, 1684),
        end(),
    end(),
    moving(),
        reply({PLACE_WEST_END_OF_GALLERY, WORD_OVERHANG}, 1424),
        // West the floor stops short over nothing: no way, but no fall
        // either unless the player jumps.
        reply({WORD_WEST}, 3537, arg(28)),
        when(object_carried(OBJ_HEADING).AND(has_any_word({PLACE_TAPESTRY_ROOM, WORD_IN, WORD_HOLE, WORD_OPENING,
                                                           WORD_EAST})),
             heading(WORD_EAST)),
        go({WORD_EAST, WORD_OPENING, WORD_HOLE, PLACE_TAPESTRY_ROOM, WORD_IN}, PLACE_TAPESTRY_ROOM),
        reply({PLACE_SUMMIT}, 2638),
        group({WORD_JUMP}),
            first(),
                when(heading_holds_back, reply(2298)),
                otherwise(),
                    forced_on(PLACE_GONE),
                    call(p803),
                end(),
            end(),
        end(),
    end(),
    mark({WORD_DRAPES, WORD_OPENING, WORD_HOLE, PLACE_WEST_END_OF_GALLERY, WORD_BREAK, WORD_OUTCROP, WORD_WATERS,
          PLACE_SUMMIT, WORD_CLIFF}),
    mark({WORD_OVERHANG, WORD_SKYLINE, WORD_LOOKOUT, WORD_ECHO, WORD_WAINSCOT, WORD_REFLECT, WORD_VIEW, WORD_CORNICE}),
};

// --- The narrow way and the watcher's passage (324, 325) ------------------

// The counter in object 26's state: it steps up from 0 and 2 on the way in
// (the watcher wakes), and falls back from 1 and 3 on the way out.
cond_fold watcher_at_rest() { return cond(value[OBJ_WATCHER] == 0).OR(value[OBJ_WATCHER] == 2); }
cond_fold watcher_roused() { return cond(value[OBJ_WATCHER] == 1).OR(value[OBJ_WATCHER] == 3); }
cond_fold came_from(int place) { return cond(value[VAR_THERE] == place); }

// Place 324: narrow way.
constexpr row NARROW_WAY[] = {
    look(),
        let({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        // The passage leads on away from where the player came from.
        group({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}),
            first(),
                when([] { return came_from(PLACE_WATCHERS_PASSAGE); }, let_ref(VAR_ARG1, WORD_SOUTH)),
                let_ref(VAR_ARG1, WORD_NORTH),
            end(),
        end(),
        go({WORD_SOUTH}, PLACE_THREE_WAY_CHAMBER),
        group({WORD_NORTH}),
            when(watcher_at_rest, add(OBJ_WATCHER, 1)),
            when(value_is(OBJ_WATCHER, 1), tell(1620)),
            forced(PLACE_WATCHERS_PASSAGE),
        end(),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}),
};

// Place 325: watcher's passage.
// Back past the watcher: once it has been lulled by the polished medallion
// (state 2 and up) it lets the player by; otherwise, with nothing to show
// it, its gaze is the end of the player.
constexpr row WATCHERS_PASSAGE[] = {
    when([] { return cond(has(WORD_BACK)).AND(came_from(PLACE_NARROW_WAY)); }, rewrite_shown(WORD_BACK, WORD_SOUTH)),
    look(),
        reply({PLACE_RECESS, PLACE_DELL}, 2927),
        reply({OBJ_STEPS, WORD_GO}, 3537, arg(3)),
        when(has_word(WORD_BANNERS).AND(value_is(OBJ_WATCHER, 2)), reply(3165, arg(WORD_BANNERS))),
        let({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        group({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}),
            first(),
                when([] { return came_from(PLACE_HEAD_OF_STEPS); }, let_ref(VAR_ARG1, WORD_NORTH)),
                let_ref(VAR_ARG1, WORD_SOUTH),
            end(),
        end(),
        go({WORD_NORTH}, PLACE_HEAD_OF_STEPS),
        group({WORD_SOUTH}),
            when(watcher_roused, add(OBJ_WATCHER, -1)),
            group(value_is(OBJ_WATCHER, 0)),
                call(p784),
                first(),
                    group([] { return cond(have(OBJ_MEDALLION, 0, 2)); }),
                        tell(1621),
                        let(OBJ_WATCHER, 2),
                        clear_flag(PLACE_WATCHERS_PASSAGE, PFLAG_HINT_AVAILABLE),
                    end(),
                    otherwise(),
                        tell(1622),
                        call(p154),
                    end(),
                end(),
            end(),
            forced(PLACE_NARROW_WAY),
        end(),
    end(),
    mark({PLACE_RECESS, WORD_PASSAGE}),
};

// --- The steps down to the whisper chamber (326..329, 377) ----------------

// Place 326: head of the steps.
constexpr row HEAD_OF_THE_STEPS[] = {
    look(),
        reply({OBJ_STEPS}, 2748),
        reply({WORD_GO}, 3537, arg(5)),
        reply({WORD_LANDING}, 3537, arg(6)),
        reply({OBJ_DOOR, OBJ_VAULT_DOOR}, 3537, arg(7)),
        let({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    when(watcher_at_rest, add(OBJ_WATCHER, 1)),
    moving(),
        go({WORD_NORTH, PLACE_EAST_VAULT_LANDING}, PLACE_EAST_VAULT_LANDING),
        go({WORD_SOUTH}, PLACE_WATCHERS_PASSAGE),
        go({WORD_DOWN, OBJ_STEPS}, PLACE_UPPER_STEPS),
        call({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, p329, ref(PLACE_WATCHERS_PASSAGE), ref(WORD_SOUTH),
             ref(PLACE_EAST_VAULT_LANDING), ref(WORD_NORTH)),
    end(),
    mark({OBJ_STEPS, WORD_PASSAGE}),
    land(PLACE_UPPER_STEPS, 1682),
};

// The east side of the vault: through the door while it stands open, which
// then blocks the way back.
cond_fold vault_open() { return cond(value[OBJ_VAULT_DOOR] == 1); }

// Place 377: east vault landing.
constexpr row EAST_VAULT_LANDING[] = {
    rewrite_shown(OBJ_DOOR, OBJ_VAULT_DOOR),
    group({WORD_LANDING, WORD_SHELF}), reply({WORD_LOOK}, 3245), end(),
    group({WORD_GO, OBJ_STEPS}), reply({WORD_LOOK}, 3537, arg(8)), end(),
    let(all({WORD_IN, OBJ_VAULT_DOOR}), VAR_COMMAND_STATUS, 1),
    moving(),
        group({WORD_IN}),
            first(),
                group(vault_open),
                    copy(VAR_RETURN_PLACE, VAR_HERE),
                    forced(PLACE_VAULT),
                end(),
                reply(1638),
            end(),
        end(),
        group({WORD_SOUTH, WORD_OUT, PLACE_CROSSROADS}),
            first(),
                when(vault_open, reply(1613)),
                forced(PLACE_HEAD_OF_STEPS),
            end(),
        end(),
    end(),
};

// The steps themselves, a line of three: k[0] the upper steps' look down,
// k[1] the middle steps' look along the tunnel, k[2] the foot's own look. Things thrown go bouncing
// down to the next step below.
constexpr int LOOK_DOWN = 0, LOOK_ALONG = 1, AT_FOOT = 2;

// Places 327: upper steps; 328: middle steps; 329: foot of the steps.
constexpr member STEPS[] = {
    {PLACE_UPPER_STEPS, {1, 0, 0},
     {moving(), go({WORD_UP}, PLACE_HEAD_OF_STEPS), go({WORD_DOWN, WORD_PAGE_LENGTH, OBJ_STEPS}, PLACE_MIDDLE_STEPS),
      end(), mark({OBJ_STEPS, WORD_PAGE_LENGTH}), land(PLACE_MIDDLE_STEPS, 1682)}},
    {PLACE_MIDDLE_STEPS,
     {0, 1, 0},
     {moving(), go({WORD_UP}, PLACE_UPPER_STEPS), go({WORD_DOWN, OBJ_STEPS}, PLACE_FOOT_OF_STEPS),
      go({WORD_NORTH, WORD_OUT, WORD_PASSAGE, PLACE_CORRIDOR, WORD_TUNNEL}, PLACE_WHISPER_CHAMBER),
      reply({PLACE_STAIRWAY}, 1425), end(),
      mark({OBJ_STEPS, WORD_PASSAGE, PLACE_CORRIDOR, WORD_TUNNEL, PLACE_STAIRWAY}), land(PLACE_FOOT_OF_STEPS, 1682)}},
    {PLACE_FOOT_OF_STEPS, {0, 0, 1}, {moving(), go({WORD_UP, OBJ_STEPS}, PLACE_MIDDLE_STEPS), end(), mark({OBJ_STEPS})}},
};

// Places 327: upper steps; 328: middle steps; 329: foot of the steps.
constexpr row STEP[] = {
    look(),
        reply({OBJ_STEPS}, 2748),
        member_group(LOOK_DOWN),
            reply({WORD_DOWN, WORD_PAGE_LENGTH}, 2846, arg(0)),
            reply({WORD_GO}, 3537, arg(9)),
            reply({WORD_DEPTHS, WORD_DROP}, 3537, arg(10)),
        end(),
        member_group(LOOK_ALONG),
            reply({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, 2903, arg(WORD_TUNNEL)),
            reply({WORD_FLOOR}, 3537, arg(11)),
            let({PLACE_STAIRWAY}, VAR_COMMAND_STATUS, 1),
        end(),
        member_group(AT_FOOT),
            reply({WORD_FLOOR, PLACE_STAIRWAY}, 3537, arg(15)),
        end(),
        ret(),
    end(),
    member_rows(),
};

// --- The whisper chamber, the side niche and the inscribed arch (330..332) --

// Fennoch and the squeeze word, said alone or after "say", lead to the
// precipice unless the hills have stopped answering them.
cond_fold travel_word_said() {
    return cond(anyof(WORD_MAGIC_TRAVEL_2, PLACE_FAR_END_OF_SQUEEZE, -1)).AND(cond(has(WORD_SAY)).OR(words() == 1));
}

// Place 330: whisper chamber.
constexpr row WHISPER_CHAMBER[] = {
    look(),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2902, arg(WORD_PASSAGE)),
        reply({WORD_WALL, PLACE_SLANT}, 2907),
        reply({WORD_ROCK, PLACE_DRUM_CHAMBER}, 2928),
        reply({OBJ_STEPS}, 3537, arg(12)),
        reply({WORD_ARCH}, 3537, arg(13)),
        reply({WORD_NICHES}, 3537, arg(14)),
        ret(),
    end(),
    group(travel_word_said),
        first(),
            when([] { return cond(bitest(VAR_GAME_FLAGS, 2)); }, reply(1329)),
            otherwise(),
                let_variant(2510, 0),
                forced_held(PLACE_PRECIPICE, VAR_PASSAGE_TEXT),
            end(),
        end(),
    end(),
    moving(),
        go({WORD_SOUTH}, PLACE_MIDDLE_STEPS),
        go({WORD_WEST}, PLACE_INSCRIBED_ARCH),
        go({WORD_EAST, WORD_WALL}, PLACE_SIDE_NICHE),
        call({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, p329, ref(PLACE_MIDDLE_STEPS), ref(WORD_SOUTH),
             ref(PLACE_INSCRIBED_ARCH), ref(WORD_WEST)),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR, PLACE_DRUM_CHAMBER, WORD_ROCK, WORD_WALL, PLACE_SLANT}),
};

// Place 331: side niche.
constexpr row SIDE_NICHE[] = {
    look(),
        reply({WORD_NICHES}, 1453),
        let({PLACE_SLANT}, VAR_COMMAND_STATUS, 1),
        reply({WORD_CRACK}, 2905),
        ret(),
    end(),
    moving(),
        go({WORD_WEST, WORD_DOWN}, PLACE_WHISPER_CHAMBER),
        reply({WORD_NORTH, WORD_NORTHEAST, WORD_EAST, WORD_SOUTHEAST, WORD_SOUTH, WORD_SOUTHWEST, WORD_NORTHWEST}, 2906),
    end(),
    mark({WORD_CRACK, PLACE_SLANT}),
};

// Into the turning gallery: every cell of it is unvisited again, and when
// the gallery has turned since a cell last learned its way, the player
// feels it.
int forget_gallery_visits() {
    for (value[VAR_WORK_PLACE] = PLACE_TURNING_GALLERY_335; value[VAR_WORK_PLACE] <= PLACE_TURNING_GALLERY_350; value[VAR_WORK_PLACE]++)
        bitmod('c', value[VAR_WORK_PLACE], PFLAG_VISITED);
    return 0;
}

// Place 332: inscribed arch.
// The inscription over the arch is cut into a tablet set in the rock: read
// or looked at it is the gallery's warning, taken it will not come away.
constexpr row INSCRIBED_ARCH[] = {
    call(p185, ref(OBJ_TABLET)),
    group({OBJ_TABLET, WORD_INSCRIPTION, OBJ_CARVING, OBJ_GLYPHS, OBJ_SIGN, OBJ_LETTERING}),
        first(),
            reply({WORD_READ, WORD_LOOK}, 2283, arg(0)),
            group(word_count(1)),
                set_flag(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_ORPHAN),
                reply(1507, arg_of(OBJ_TABLET)),
            end(),
            reply(1885, arg_of(OBJ_TABLET)),
        end(),
    end(),
    // Reading the arch is reading the tablet above it.
    reply(all({WORD_READ, WORD_ARCH}), 2283, arg(0)),
    look(),
        reply({WORD_LABEL, OBJ_CARVING, OBJ_GLYPHS, OBJ_SIGN}, 3135),
        reply({WORD_ARCH}, 3136),
        reply({WORD_OUT}, 2903, arg(WORD_PASSAGE)),
        reply({PLACE_WEST_END_OF_GALLERY}, 3537, arg(16)),
        ret(),
    end(),
    moving(),
        go({WORD_EAST, WORD_OUT}, PLACE_WHISPER_CHAMBER),
        group({WORD_SOUTH, WORD_ARCH, WORD_IN}),
            when(value_over(VAR_GALLERY_TURNS, 0), tell(3214)),
            step(forget_gallery_visits),
            forced(PLACE_TURNING_GALLERY_335),
        end(),
    end(),
};

// --- The turning gallery (335..350) and its ends (333, 334, 351) ----------

// Places 335..350: turning gallery.
// Every cell is alike: each compass word goes by the gallery's rule, which
// reads the cell the player stands in.
constexpr row GALLERY_CELL[] = {
    look(),
        let({WORD_MAZE}, VAR_COMMAND_STATUS, 1),
        reply({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, 2902, arg(WORD_TUNNEL)),
        reply({PLACE_WEST_END_OF_GALLERY}, 3537, arg(17)),
        ret(),
    end(),
    moving(),
        call({WORD_NORTH, WORD_NORTHEAST, WORD_EAST, WORD_SOUTHEAST, WORD_SOUTH, WORD_SOUTHWEST, WORD_WEST, WORD_NORTHWEST}, p105),
        reply({WORD_MAZE}, 1425),
        reply({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, 2904, arg(WORD_TUNNEL)),
    end(),
    mark({WORD_MAZE, WORD_TUNNEL}),
};

// The still pool (333), a dead end off the gallery's first cell: the way
// back is the compass word the gallery stored on the way in.
cond_fold drinking_here() {
    return cond(has(WORD_CONSUME_LIQUID)).AND(cond(anyof(OBJ_LIQUID_1, WORD_SPRING, -1)).OR(words() == 1));
}
cond_fold way_back_named() {
    return cond(cond(words() == 2).AND(arg2() == value[VAR_GALLERY_BACK_WAY])).OR(arg1() == value[VAR_GALLERY_BACK_WAY]);
}

// Place 333: still pool.
constexpr row STILL_POOL[] = {
    when(drinking_here, ret()),
    look(),
        reply({WORD_SPRING, WORD_POOL}, 2284),
        reply({WORD_PIPE}, 3491),
        reply({WORD_OUT, WORD_PASSAGE, WORD_TUNNEL}, 2903, arg(WORD_PASSAGE)),
        reply({WORD_MAZE}, 1319, arg(WORD_MAZE)),
        reply({PLACE_WEST_END_OF_GALLERY}, 3537, arg(16)),
        ret(),
    end(),
    when(has_word(WORD_WAIT).AND(word_count(1)), reply(2049, arg(0))),
    moving(),
        go({WORD_OUT, WORD_PASSAGE, WORD_TUNNEL, WORD_MAZE}, PLACE_TURNING_GALLERY_335),
        when(way_back_named, forced(PLACE_TURNING_GALLERY_335)),
    end(),
    mark({WORD_SPRING, WORD_OUT, WORD_PASSAGE, WORD_TUNNEL, WORD_PIPE}),
};

// Place 334: maze crossing.
constexpr row MAZE_CROSSING[] = {
    look(),
        reply({WORD_DOORWAY, WORD_CRANNY, WORD_ENTRANCE}, 3137),
        reply({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, 2903, arg(WORD_TUNNEL)),
        reply({PLACE_WEST_END_OF_GALLERY}, 3537, arg(16)),
        reply({PLACE_CRAWL_CROSSING}, 3537, arg(19)),
        reply({WORD_NOOK}, 3537, arg(21)),
        let({WORD_MAZE}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    when(has_word(WORD_IN).AND(has_any_word({WORD_DOORWAY, WORD_ENTRANCE, WORD_CRANNY})), let(VAR_COMMAND_STATUS, 1)),
    moving(),
        go({WORD_WEST, WORD_ENTRANCE}, PLACE_SCRIBES_NOOK),
        go({WORD_IN, WORD_EAST, WORD_DOORWAY, WORD_CRANNY}, PLACE_OUTER_HALL),
        go({WORD_MAZE, WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR, WORD_NORTH}, PLACE_TURNING_GALLERY_347),
    end(),
    mark({WORD_MAZE, WORD_DOORWAY, PLACE_CORRIDOR, WORD_PASSAGE, WORD_TUNNEL, WORD_CRANNY, WORD_ENTRANCE}),
};

// The scribe's nook (351): "scroll" is the scrollwork candlestick while it
// stands where it was left; a bare "read" reads the letters on the wall.
cond_fold candlestick_unmoved() { return cond(value[OBJ_CANDLESTICK] == 0); }

// Place 351: scribe's nook.
constexpr row SCRIBES_NOOK[] = {
    when([] { return cond(has(WORD_SCROLL)).AND(candlestick_unmoved()); }, rewrite(WORD_SCROLL, OBJ_CANDLESTICK)),
    call(p185, ref(OBJ_GLYPHS)),
    group({WORD_LETTERS, OBJ_LETTERING, OBJ_GLYPHS, OBJ_SIGN, WORD_LABEL, OBJ_CARVING}),
        reply({WORD_LOOK, WORD_READ}, 2971),
        reply({WORD_TAKE}, 1885, arg(WORD_LETTERS)),
        group(word_count_over(1)),
            mark(),
            ret(),
        end(),
        set_flag(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_ORPHAN),
        reply(1507, arg_of(VAR_ARG1)),
    end(),
    look(),
        reply({WORD_NOOK}, 1453),
        group({WORD_OUTCROP, WORD_LEDGE}),
            when(candlestick_unmoved, say_as(SAY_STOP, OBJ_CANDLESTICK, 0)),
            reply(2969, arg(WORD_OUTCROP)),
        end(),
        let({PLACE_RECESS}, VAR_COMMAND_STATUS, 1),
        when(has_word(WORD_WALL).AND(value_is(OBJ_INCENSE, 0)), say_as(SAY_STOP, OBJ_INCENSE, 0)),
        reply({WORD_OUT, WORD_DOORWAY}, 2903, arg(WORD_DOORWAY)),
        reply({PLACE_RECESS}, 1425),
        ret(),
    end(),
    reply({WORD_OUTCROP}, 2037, arg(WORD_OUTCROP)),
    moving(),
        go({WORD_EAST, WORD_OUT, WORD_DOORWAY}, PLACE_MAZE_CROSSING),
    end(),
    mark({WORD_LETTERS, OBJ_LETTERING, OBJ_GLYPHS, OBJ_SIGN, WORD_LABEL, OBJ_CARVING, WORD_WALL, WORD_OUTCROP, WORD_OUT,
          PLACE_RECESS}),
};

// --- The outer and inner halls (352, 353) ---------------------------------

// The two halls share their look replies: k[0] the outer hall's doorway,
// k[1] the inner hall's throne, sheet and enamel.
constexpr int OUTER = 0, INNER = 1;

// Places 352: outer hall; 353: inner hall.
constexpr member HALLS[] = {
    {PLACE_OUTER_HALL, {1, 0},
     {go({WORD_EAST}, PLACE_INNER_HALL), go({WORD_WEST, WORD_OUT, WORD_DOORWAY}, PLACE_MAZE_CROSSING)}},
    {PLACE_INNER_HALL, {0, 1}, {go({WORD_WEST}, PLACE_OUTER_HALL), reply({WORD_THRONE}, 3168)}},
};

// Places 352: outer hall; 353: inner hall.
constexpr row HALL[] = {
    // The wand and the amulet, while they are not at hand, are the staff
    // and the amulet of the figure on the throne.
    member_group(INNER),
        when(has_word(OBJ_WAND).AND(object_not_near(OBJ_WAND)), rewrite(OBJ_WAND, WORD_STAFF)),
        when(has_word(OBJ_AMULET).AND(object_not_near(OBJ_AMULET)), rewrite(OBJ_AMULET, WORD_STAFF)),
    end(),
    look(),
        member_group(INNER),
            reply({WORD_THRONE}, 3169),
            reply({WORD_ENAMEL, OBJ_AMULET, WORD_STAFF}, 3171),
            when([] { return cond(has(WORD_ROPE)).AND(lies_here(OBJ_SHEET)); }, reply(3170)),
        end(),
        reply({WORD_FLOOR, PLACE_CROSSWAY, WORD_TABLE}, 3167),
        reply({WORD_BENCH, WORD_WALL}, 3166),
        reply({WORD_CREVICE, WORD_BANNERS}, 3164),
        member_group(OUTER),
            reply({WORD_DOORWAY, WORD_MAZE}, 2903, arg(WORD_DOORWAY)),
            reply({PLACE_CRAWL_CROSSING}, 3537, arg(20)),
        end(),
        member_group(INNER),
            reply({WORD_ECHO}, 3537, arg(22)),
        end(),
        reply({PLACE_CEILING, WORD_UP}, 2019, arg(6)),
        reply({OBJ_GLIMMER, WORD_LIGHT}, 3163),
        let({PLACE_LAKESIDE_CHAMBER, WORD_HALL}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    member_group(INNER),
        reply({OBJ_SHEET, WORD_ROPE}, 1730),
    end(),
    moving(),
        member_rows(),
        reply({PLACE_LAKESIDE_CHAMBER, WORD_HALL}, 1425),
    end(),
    mark({PLACE_CEILING, PLACE_LAKESIDE_CHAMBER, WORD_HALL, WORD_CREVICE, WORD_BANNERS, PLACE_CROSSWAY, WORD_BENCH,
          WORD_TABLE}),
    member_group(OUTER),
        mark({WORD_DOORWAY}),
    end(),
    member_group(INNER),
        mark({WORD_THRONE, WORD_ENAMEL, WORD_STAFF, OBJ_AMULET, WORD_ROPE}),
    end(),
};

// --- The side passage, the fork chamber and its two ends (354..357) -------

// Place 354: side passage.
constexpr row SIDE_PASSAGE[] = {
    look(),
        let({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        go({WORD_NORTHWEST}, PLACE_THREE_WAY_CHAMBER),
        go({WORD_NORTH}, PLACE_FORK_CHAMBER),
        when([] { return cond(anyof(WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR, -1)).OR(keyword(WORD_GO, WORD_ON,
                                    -1)); },
             call(p329, ref(PLACE_THREE_WAY_CHAMBER), ref(WORD_NORTHWEST), ref(PLACE_FORK_CHAMBER), ref(WORD_NORTH))),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}),
};

// Place 355: fork chamber.
constexpr row FORK_CHAMBER[] = {
    look(),
        reply({PLACE_CEILING, WORD_UP}, 2019, arg(7)),
        reply({WORD_SILVER, WORD_WALL}, 2997),
        reply({WORD_NICHES}, 3537, arg(4)),
        let({PLACE_LAKESIDE_CHAMBER}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    reply(all({WORD_TAKE, WORD_SILVER}), 3428),
    moving(),
        go({WORD_NORTHEAST, PLACE_VIAL_NICHE}, PLACE_VIAL_NICHE),
        go({WORD_NORTHWEST, PLACE_QUIET_PASSAGE}, PLACE_QUIET_PASSAGE),
        go({WORD_SOUTH}, PLACE_SIDE_PASSAGE),
        reply({PLACE_LAKESIDE_CHAMBER}, 1425),
    end(),
    mark({PLACE_LAKESIDE_CHAMBER}),
};

// Place 356: vial niche.
constexpr row VIAL_NICHE[] = {
    look(),
        reply({WORD_NICHES}, 1453),
        reply({PLACE_VIAL_NICHE, OBJ_MARKS, OBJ_MIRROR, WORD_WALL}, 3177),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTH, WORD_OUT}, PLACE_FORK_CHAMBER),
    end(),
    mark({PLACE_VIAL_NICHE, OBJ_MARKS, OBJ_MIRROR, WORD_WALL}),
};

// Place 357: quiet passage.
// The hound waits in the quiet passage until the player turns back; then it
// comes along.
constexpr row QUIET_PASSAGE[] = {
    look(),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2903, arg(WORD_PASSAGE)),
        reply({OBJ_GLIMMER}, 2954),
        reply({WORD_WALL, WORD_GRAFFITI}, 2955),
        ret(),
    end(),
    group({WORD_TASTE}),
        reply({WORD_WALL, WORD_GRAFFITI}, 2956),
    end(),
    moving(),
        group({WORD_OUT, WORD_EAST, WORD_PASSAGE, WORD_BACK}),
            group([] { return cond(getloc(OBJ_FOLLOWER) == PLACE_OFFSTAGE); }),
                put_here(OBJ_FOLLOWER),
                let(OBJ_FOLLOWER, 0),
            end(),
            forced(PLACE_FORK_CHAMBER),
        end(),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR, OBJ_GLIMMER, WORD_WALL, WORD_GRAFFITI}),
};

// --- The precipice (451) --------------------------------------------------

// Place 451: precipice.
// Every step off the spring ledge but the way west (once the corridor
// beyond has been seen) is a step over the drop.
constexpr row PRECIPICE[] = {
    look(),
        reply({WORD_DOWN}, 2478, arg(1)),
        reply({WORD_SAND}, 1849, arg_of(VAR_ARG2)),
        reply({WORD_LEDGE}, 3245),
        reply({OBJ_RAVINE}, 2046),
        reply({WORD_DROP}, 3537, arg(18)),
        reply({WORD_SPRING, WORD_STREAM}, 2047),
        reply({OBJ_GLIMMER, WORD_OVERHANG, PLACE_FALLS_NOOK}, 2048),
        let({PLACE_PRECIPICE}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    group({OBJ_RAVINE}),
        reply({WORD_LISTEN}, 1446),
        mark(),
        ret(),
    end(),
    let(all({WORD_CLIMB, WORD_DOWN}), VAR_COMMAND_STATUS, 1),
    when(has_word(WORD_SAY).AND(has_any_word({WORD_MAGIC_TRAVEL_2, PLACE_FAR_END_OF_SQUEEZE})),
         let(VAR_COMMAND_STATUS, 1)),
    moving(),
        go_held({WORD_MAGIC_TRAVEL_2, PLACE_FAR_END_OF_SQUEEZE}, PLACE_WHISPER_CHAMBER, VAR_PASSAGE_TEXT),
        group([] { return cond(has(WORD_WEST)).AND(bitest(PLACE_LONG_CORRIDOR_650, PFLAG_VISITED)); }),
            first(),
                when(object_carried(OBJ_HEADING), reply(2309)),
                forced(PLACE_LONG_CORRIDOR_650, 2446),
            end(),
        end(),
        death({WORD_DOWN, WORD_CLIMB, WORD_NORTH, WORD_SOUTH, WORD_EAST, WORD_WEST, WORD_NORTHEAST, WORD_NORTHWEST,
               WORD_SOUTHEAST, WORD_SOUTHWEST, WORD_JUMP},
              1614),
        reply({PLACE_PRECIPICE}, 1425),
    end(),
    mark({WORD_OVERHANG, PLACE_PRECIPICE, OBJ_GLIMMER, PLACE_FALLS_NOOK}),
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
int p637() { return step_of_the_stair<PLACE_UPPER_STEPS>(); }
int p806() { return step_of_the_stair<PLACE_MIDDLE_STEPS>(); }
int p810() { return step_of_the_stair<PLACE_FOOT_OF_STEPS>(); }
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
int p36() { return hall<PLACE_OUTER_HALL>(); }
int p37() { return hall<PLACE_INNER_HALL>(); }
int p540() { return run<SIDE_PASSAGE>(); }
int p393() { return run<FORK_CHAMBER>(); }
int p28() { return run<VIAL_NICHE>(); }
int p867() { return run<QUIET_PASSAGE>(); }
int p680() { return run<PRECIPICE>(); }
