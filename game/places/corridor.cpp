// The rune door, the long corridor and the honeycomb (see docs/world.md).
// The rune door opens only to Keln speech and shuts when the player stops
// speaking it; behind it the galleries fork, a rope leads down to the
// threshold, and the long corridor runs east to the precipice. Each place
// answers its feature words, moves the player along its exits, runs its
// deaths, marks the words of its features for the last replies and tells the
// word procedures where a thrown thing lands.
// The honeycomb's twenty cells share one shape: a few feature words at some
// cells, the look replies of the maze, the cell's own exits (one row each,
// some open only until the ledger cell is seen or only straight after
// coming from a given cell), and the maze's rule for every other way. The
// ledger cell adds the exchange with the ledger.
#include "game.h"

using namespace rows;

namespace {

// The numbers in which the cells differ: k[0] the cell's type for the maze
// rules (which feature words they answer), k[1] the cells with the two
// pre-rows, k[2] the dead-end cells whose look answers word 936 first, k[3]
// the ledger cell.
constexpr int TYPE = 0, PRE_ROWS = 1, LOOK_936 = 2, LEDGER = 3;

cond_fold ledger_seen() { return cond(!bitest(670, PFLAG_VISITED)); }
cond_fold from_665() { return cond(value[VAR_THERE] == 665); }
cond_fold from_666() { return cond(value[VAR_THERE] == 666); }

// Places 651..669: honeycomb; 670: ledger cell.
constexpr member HONEYCOMB[] = {
    {651, {2, 1}, {go({WORD_NORTHWEST}, 652), go({WORD_NORTHEAST}, 653), go({WORD_SOUTHEAST}, 647)}},
    {652, {2, 1}, {go({WORD_SOUTHEAST}, 651)}},
    {653, {1}, {go({WORD_SOUTHWEST}, 651), go({WORD_NORTHEAST}, 654), go({WORD_NORTHWEST}, 656)}},
    {654, {1}, {go({WORD_NORTHEAST}, 655), go({WORD_SOUTHWEST}, 653)}},
    {655, {1}, {go({WORD_SOUTHWEST}, 654)}},
    {656, {2, 1}, {go({WORD_SOUTHEAST}, 653), go({WORD_NORTHWEST}, 657), go({WORD_WEST}, 658)}},
    {657, {2, 1}, {go({WORD_SOUTHEAST}, 656), go({WORD_EAST}, 655)}},
    {658, {2, 1}, {when(ledger_seen, go({WORD_SOUTH}, 652)), go({WORD_SOUTHWEST}, 661), go({WORD_WEST}, 659), go({WORD_NORTH}, 657)}},
    {659, {1}, {go({WORD_EAST}, 658), go({WORD_WEST}, 660)}},
    {660, {1}, {go({WORD_EAST}, 659)}},
    {661, {1}, {go({WORD_NORTHEAST}, 658), go({WORD_SOUTHWEST}, 662), go({WORD_WEST}, 663)}},
    {662, {1}, {go({WORD_NORTHWEST}, 661), when(ledger_seen, go({WORD_EAST}, 651))}},
    {663, {1}, {go({WORD_EAST}, 661), go({WORD_WEST}, 664), go({WORD_NORTHWEST}, 665)}},
    {664, {0}, {go({WORD_EAST}, 663), go({WORD_SOUTHWEST}, 662)}},
    {665, {0}, {go({WORD_NORTHEAST}, 666), go({WORD_SOUTHEAST}, 663), go({WORD_SOUTHWEST}, 668), go({WORD_NORTHWEST}, 669)}},
    {666, {1}, {when(from_665, go({WORD_EAST}, 657)), go({WORD_SOUTHWEST}, 665), go({WORD_NORTHWEST}, 667)}},
    {667, {0}, {go({WORD_SOUTHEAST}, 666), go({WORD_WEST}, 670), when(from_666, go({WORD_EAST}, 655))}},
    {668, {0, 0, 1}, {go({WORD_NORTHEAST}, 665)}},
    {669, {0, 0, 1}, {go({WORD_SOUTHEAST}, 665)}},
    {670, {0, 0, 1, 1}, {go({WORD_EAST}, 667)}},
};

// At the ledger cell, "open" and "look at" the ledger are reading it.
int open_and_look_mean_read() {
    if (cond(has(WORD_OPEN)).AND(cond(has(170)).OR(value[VAR_COMMAND_STATUS] == 1)))
        for (int slot : {VAR_ARG1, VAR_ARG2})
            if (value[slot] == WORD_OPEN) value[slot] = 798;
    if (cond(has(170)))
        for (int slot : {VAR_ARG1, VAR_ARG2})
            if (value[slot] == WORD_LOOK) value[slot] = 798;
    return 0;
}

cond_fold names_ledger_or_alone() { return cond(has(170)).OR(value[VAR_COMMAND_STATUS] == 1); }

// Places 651..669: honeycomb; 670: ledger cell.
constexpr row HONEYCOMB_CELL[] = {
    // The ledger's exchange: an offer made on the last command is answered
    // by this one or lapses.
    member_group(LEDGER),
        group(value_over(170, 1)),
            let(170, 1),
            group({WORD_NORTH, WORD_DECLINE}),
                let(VAR_EXCHANGE_STATE, 3),
                reply(3397),
            end(),
            reply({WORD_ACCEPT}, 3477),
        end(),
        step(open_and_look_mean_read),
        call(p185, ref(170)),
        group([] { return names_ledger_or_alone().AND(has(798)); }),
            when(value_is(VAR_EXCHANGE_STATE, 0), let(VAR_EXCHANGE_STATE, 1)),
            reply(2784),
        end(),
        group([] { return names_ledger_or_alone().AND(has(WORD_TAKE)); }),
            first(),
                when(value_is(VAR_EXCHANGE_STATE, 3), reply(3398)),
                otherwise(),
                    tell(2782),
                    when(value_is(VAR_EXCHANGE_STATE, 1), let(VAR_EXCHANGE_STATE, 2)),
                    when(value_is(VAR_EXCHANGE_STATE, 2), let(170, 2)),
                    stop(),
                end(),
            end(),
        end(),
        group({170}),
            reply({808, 807}, 2783, arg_of(VAR_ARG1)),
            mark(),
            ret(),
        end(),
    end(),
    member_group(PRE_ROWS),
        reply({1068}, 3033),
        reply(all({WORD_TAKE, 1069}), 3035),
    end(),
    look(),
        member_group(LOOK_936),
            reply({WORD_WALL}, 3429),
        end(),
        call_member(p22, TYPE),
        ret(),
    end(),
    group(has_any_word({WORD_GO, 762}).OR(value_is(VAR_COMMAND_STATUS, 1))),
        member_rows(),
    end(),
    call_member(p467, TYPE),
    member_group(LEDGER),
        mark({1018}),
    end(),
};

template <int PLACE>
int cell() {
    return run_member<HONEYCOMB_CELL, HONEYCOMB>(PLACE);
}


// --- The rune door (575) and its far side (576) -------------------------------

// The value of the door's place is 1 while the door stands open, and the
// value of the far side 1 while the way back is open too; the slab (object 19)
// reads 0 at the door and 1 on the far side once the door has shut behind
// the player.

cond_fold door_open() { return cond(value[PLACE_RUNE_DOOR] == 1); }
cond_fold way_back_open() { return cond(value[PLACE_BEYOND_RUNE_DOOR] == 1); }
cond_fold plain_speech() { return cond(value[VAR_DWARVISH] == 0); }

// Place 575: rune door.
constexpr row RUNE_DOOR[] = {
    // "Read" alone reads the door.
    call(p185, ref(8)),
    when(has_word(798), reply({8, 74, 134, 129, 1018, 30}, 1880)),
    rewrite(8, OBJ_RUNE_SLAB),
    let(OBJ_RUNE_SLAB, 0),
    look(),
        reply({WORD_WALL}, 3378),
        reply({74}, 1880),
        reply({120, 1074, WORD_ECHO, PLACE_RUNE_DOOR}, 2490, arg(1)),
        reply({206}, 1849, arg_of(206)),
        reply({1075, 376, 475, WORD_UP, 1054}, 2996),
        when(value_over(PLACE_RUNE_DOOR, 0), reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2981)),
        ret(),
    end(),
    reply(all({WORD_TAKE, 206}), 1849, arg_of(206)),
    moving(),
        go({WORD_SOUTHEAST, WORD_OUT}, 574),
        group(door_open),
            // Through the door in plain speech, it shuts in your face.
            group(plain_speech),
                call(p147),
                stop(),
            end(),
            let(PLACE_BEYOND_RUNE_DOOR, 1),
            clear_flag(PLACE_RUNE_DOOR, PFLAG_HINT_AVAILABLE),
            go({WORD_IN, PLACE_BEYOND_RUNE_DOOR, 308, WORD_PASSAGE, WORD_TUNNEL, WORD_NORTHWEST}, PLACE_BEYOND_RUNE_DOOR),
        end(),
        reply({WORD_NORTHWEST, WORD_IN}, 2503, arg(752)),
    end(),
    mark({74, 134, 129, 1018, 30, 206, PLACE_RUNE_DOOR, 1075, 376, 1074, WORD_ECHO}),
    when(value_over(PLACE_RUNE_DOOR, 0), mark({WORD_PASSAGE, WORD_TUNNEL, 308, PLACE_BEYOND_RUNE_DOOR})),
};

// The slab seen from behind is 1 while the way back is shut.
int slab_from_behind() {
    value[OBJ_RUNE_SLAB] = cond(value[PLACE_BEYOND_RUNE_DOOR] == 0) ? 1 : 0;
    return 0;
}

// Place 576: far side of the rune door.
constexpr row BEYOND_THE_DOOR[] = {
    step(slab_from_behind),
    call(p185, ref(OBJ_RUNE_SLAB)),
    rewrite(8, OBJ_RUNE_SLAB),
    // While the way back is open, anything at all said in plain speech shuts
    // the door.
    group(way_back_open),
        group({74, 1018, 134, 129, 30}),
            reply({798, WORD_LOOK}, 1880),
            mark(),
        end(),
        group(plain_speech),
            call(p147),
            stop(),
        end(),
    end(),
    reply({74, 1018, 134, 129, 30}, 1319, arg_of(VAR_ARG2)),
    when(has_word(798), reply({OBJ_RUNE_SLAB}, 1560, arg_of(8))),
    look(),
        reply({WORD_TUNNEL, WORD_PASSAGE, 308, PLACE_BEYOND_RUNE_DOOR}, 2903, arg(898)),
        ret(),
    end(),
    moving(),
        group({WORD_SOUTHEAST, WORD_OUT}),
            when(way_back_open, go({WORD_SOUTHEAST, WORD_OUT}, PLACE_RUNE_DOOR)),
            reply(2503, arg(752)),
        end(),
        go({WORD_NORTHWEST, WORD_UP, WORD_TUNNEL, WORD_PASSAGE, PLACE_BEYOND_RUNE_DOOR}, 577),
    end(),
    mark({WORD_TUNNEL, WORD_PASSAGE, 308, PLACE_BEYOND_RUNE_DOOR, WORD_OUT}),
};

// --- The galleries behind the door (577..582) ---------------------------------

// Places 577 to 581 share one shape: a look at the place's own word
// (crossroads, or chamber at the carved cell) leaves the description to the
// look word, the tunnels are looked along, the place's exits, the place word
// refused as a way, and the marks. k[0] how the tunnels are looked along
// (below), k[1] the three galleries that meet like a crossroads, k[2] the
// dead gallery, k[3] the carved cell.
constexpr int ALONG = 0, CROSSROADS = 1, DEAD_END = 2, CARVED = 3;

// The tunnels looked along: they lead on into the dark (1, 2) or stretch
// away (3), named as a passage (1) or a tunnel (2, 3).
int look_along(arg_pair how) {
    const int kind = how.val;
    say(SAY_STOP | SAY_ARG, kind == 3 ? 2903 : 2902, kind == 1 ? 897 : 898);
    return 0;
}

// What the fork, the split and the bend are named for, looked at: the pick
// marks on the fork's walls, and the split and the bend the player stands in.
int gallery_feature() {
    const int p = this_member().place;
    if (cond(p == 577).AND(has(173))) {
        say_stop_typed(1849, VAR_ARG2);
        return 1;
    }
    if (cond(p == 579).AND(has(10)).OR(cond(p == 580).AND(has(1017)))) {
        say_stop(1453);
        return 1;
    }
    return 0;
}

// Places 577: gallery fork; 578: dead gallery; 579: gallery split; 580: upper bend;
//   581: carved cell.
constexpr member GALLERIES[] = {
    {577, {1, 1}, {
        go({WORD_NORTH}, 578),
        go({WORD_DOWN, WORD_SOUTHEAST}, PLACE_BEYOND_RUNE_DOOR),
        go({WORD_UP, WORD_WEST}, 579),
        call({WORD_TUNNEL, WORD_PASSAGE, 308}, p329, ref(PLACE_BEYOND_RUNE_DOOR), ref(748), ref(579), ref(751)),
    }},
    {578, {3, 0, 1}, {
        go({WORD_OUT, WORD_SOUTHWEST, 308, WORD_TUNNEL, WORD_PASSAGE}, 577),
    }},
    {579, {2, 1}, {
        go({WORD_EAST}, 577),
        go({WORD_SOUTHWEST, WORD_UP}, 580),
        group({WORD_DOWN, WORD_NORTH}),
            let(639, 0),
            forced(639),
        end(),
    }},
    {580, {1, 1}, {
        go({WORD_NORTH, 308}, 581),
        go({WORD_UP, WORD_SOUTHWEST}, 582),
        go({WORD_DOWN, WORD_NORTHEAST}, 579),
        call({WORD_TUNNEL, WORD_PASSAGE, 308}, p329, ref(582), ref(750), ref(579), ref(746)),
    }},
    {581, {3, 0, 0, 1}, {
        go({WORD_OUT, WORD_TUNNEL, WORD_PASSAGE, 308, WORD_SOUTHEAST}, 580),
    }},
};

// Places 577: gallery fork; 578: dead gallery; 579: gallery split; 580: upper bend;
//   581: carved cell.
constexpr row GALLERY[] = {
    // The carved figure and the crossing of carved paths on the cell's wall.
    member_group(CARVED),
        group({268, 137}),
            reply({WORD_LOOK}, 2538),
            reply({WORD_CLIMB}, 1541),
            mark(),
            ret(),
        end(),
    end(),
    look(),
        step(gallery_feature),
        member_group(CROSSROADS), let({309}, VAR_COMMAND_STATUS, 1), end(),
        member_group(CARVED), let({300}, VAR_COMMAND_STATUS, 1), end(),
        group({WORD_TUNNEL, 308, WORD_PASSAGE}), call_member(look_along, ALONG), end(),
        member_group(DEAD_END), reply({1026}, 3050), end(),
        member_group(CARVED), reply({1066, 1015}, 3052), end(),
        ret(),
    end(),
    moving(),
        member_rows(),
        member_group(CROSSROADS), reply({309}, 1425), end(),
        member_group(CARVED), reply({300}, 1425), end(),
    end(),
    mark({WORD_TUNNEL, WORD_PASSAGE, 308}),
    member_group(CROSSROADS), mark({309}), end(),
    member_group(DEAD_END), mark({1026}), end(),
    member_group(CARVED), mark({1015, 1066, 300}), end(),
};

// Place 582: chute head.
// The chute head: the chute drops into the sealed chamber, and so does
// anything thrown from here.
constexpr row CHUTE_HEAD[] = {
    look(),
        reply({WORD_TUNNEL, WORD_PASSAGE, 308}, 2903, arg(898)),
        reply({922, WORD_OPENING, WORD_DOWN}, 3042),
        reply({WORD_CRAWL, 15}, 3043),
        reply({958, WORD_RAMP, 538, 480}, 3044),
        let({PLACE_BEYOND_RUNE_DOOR}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    let(all({WORD_CRAWL, WORD_OUT}), VAR_COMMAND_STATUS, 1),
    moving(),
        go({WORD_OUT, WORD_DOWN, WORD_SOUTH, WORD_OPENING, WORD_RAMP}, 556, 2539),
        go({922, WORD_CRAWL, 538, 480}, 556, 2539),
        go({WORD_NORTHEAST, WORD_TUNNEL, WORD_PASSAGE, 308, WORD_IN, PLACE_BEYOND_RUNE_DOOR}, 580),
    end(),
    mark({PLACE_BEYOND_RUNE_DOOR, WORD_TUNNEL, WORD_PASSAGE, 308, WORD_CRAWL, WORD_OPENING, 922, 958, WORD_RAMP, 538, 480}),
    land(556, 2566),
};

// --- The rope (639, 640) and the threshold (641) ------------------------------

// The rope top's value is the side the player last came from: 0 from the
// galleries, 1 up the rope; it picks the variant of the place's description.
constexpr int ROPE_TOP = 639;

// Climbing the rope (1067) is climbing the shaft, as the rope is its way.
cond_fold climbing_the_shaft() {
    return cond(anyof(981, WORD_HOLE, WORD_OPENING, -1)).AND(anyof(WORD_CLIMB, WORD_DOWN, -1))
        .OR(keyword(WORD_CLIMB, WORD_DOWN, -1)).OR(keyword(WORD_CLIMB, 1067, -1));
}
cond_fold climbing_up_the_shaft() {
    return cond(has(WORD_CLIMB)).AND(anyof(981, WORD_UP, 1067, -1)).OR(keyword(WORD_UP, 981, -1));
}

// Place 639: rope top.
constexpr row ROPE_TOP_ROWS[] = {
    // "Read" alone reads the scratches by the stake.
    call(p185, ref(74)),
    group({129, 74, WORD_WALL, 1018, 30, 134}),
        reply({798, WORD_LOOK}, 2653),
        reply({792}, 1329),
        mark(),
        ret(),
    end(),
    look(),
        reply({981, WORD_OPENING, WORD_HOLE, WORD_DOWN}, 2478, arg(0)),
        reply({308, WORD_TUNNEL, WORD_PASSAGE}, 2903, arg_of(308)),
        reply({1067}, 3051, arg(1067)),
        ret(),
    end(),
    // "Use the rope" is climbing it.
    group(all({852, 1067})), rewrite(852, WORD_CLIMB), end(),
    when(climbing_the_shaft, let(VAR_COMMAND_STATUS, 1)),
    moving(),
        go({WORD_DOWN, WORD_CLIMB, WORD_HOLE, 981, WORD_OPENING}, 640, 2537),
        go({WORD_SOUTHWEST, WORD_PASSAGE, WORD_TUNNEL, 308}, 579),
    end(),
    mark({1067, 981, WORD_PASSAGE, WORD_TUNNEL, 308, WORD_HOLE, WORD_OPENING}),
};

// Place 640: rope foot.
constexpr row ROPE_FOOT[] = {
    look(),
        reply({WORD_TUNNEL, WORD_PASSAGE, 308}, 2903, arg(898)),
        reply({WORD_UP, WORD_HOLE, WORD_OPENING, 981}, 2479),
        reply({1067}, 3051, arg_of(VAR_ARG2)),
        reply({WORD_WALL}, 3051, arg(1067)),
        ret(),
    end(),
    group(all({852, 1067})), rewrite(852, WORD_CLIMB), end(),
    when(climbing_up_the_shaft, let(VAR_COMMAND_STATUS, 1)),
    moving(),
        group({WORD_UP, WORD_CLIMB, 981, WORD_HOLE, WORD_OPENING}),
            let(ROPE_TOP, 1),
            forced(ROPE_TOP, 2537),
        end(),
        go({WORD_EAST, WORD_TUNNEL, WORD_PASSAGE, 308}, 641),
    end(),
    mark({1067, 981, WORD_WALL, WORD_TUNNEL, WORD_PASSAGE, 308, WORD_HOLE, WORD_OPENING}),
};

// Place 641: threshold.
// The first step into the corridor is taken only once the player has said
// he means it (question 20); afterwards it is taken at once.
constexpr row THRESHOLD[] = {
    look(),
        reply({1068}, 3033),
        reply({966}, 1849, arg_of(VAR_ARG2)),
        reply({376, WORD_UP}, 2019, arg(19)),
        reply({WORD_WALL}, 3429),
        reply({WORD_TUNNEL, WORD_PASSAGE, 308}, 2903, arg(898)),
        reply({1010}, 3053),
        reply({451}, 3054),
        ret(),
    end(),
    when(has_word(762).AND(has_any_word({WORD_DOWN, WORD_IN, 641})),
         let(VAR_COMMAND_STATUS, 1)),
    moving(),
        group({WORD_EAST, 641, 1010}),
            when([] { return cond(is_visited(642)); }, forced(642, 2426)),
            let(VAR_QUESTION, Q_PLACE_641),
            reply(2554),
        end(),
        go({WORD_WEST, WORD_TUNNEL, WORD_PASSAGE, 308}, 640),
        group({762}),
            tell(2447, arg(0)),
            forced_on(PLACE_GONE),
            call(p154),
        end(),
    end(),
    mark({1010, 376, WORD_TUNNEL, WORD_PASSAGE, 308, 451}),
    land(PLACE_GONE, 2427),
};

// --- The long corridor (642..650) ---------------------------------------------

// Places 642 to 648 hand looks to the corridor's look replies and every
// other command to the corridor rule, each with its type (which feature words
// it answers). k[0] the type, k[1] the places with tiles and columns to
// answer first, k[2] the first place (whose value records that it has been
// seen, and whose walls have a reply of their own), k[3] the place with a
// side way into the honeycomb.
constexpr int CORRIDOR_TYPE = 0, TILES = 1, FIRST_PLACE = 2, SIDE_WAY = 3;

// Places 642..648: long corridor.
constexpr member CORRIDOR[] = {
    {642, {0, 0, 1}, {}},
    {643, {1}, {}},
    {644, {1}, {}},
    {645, {2, 1}, {}},
    {646, {2, 1}, {}},
    {647, {1, 0, 0, 1}, {go({WORD_SOUTHWEST}, 651)}},
    {648, {1}, {}},
};

// Places 642..648: long corridor.
constexpr row CORRIDOR_PLACE[] = {
    member_group(FIRST_PLACE),
        when(value_is(642, 0), let(642, 1)),
    end(),
    member_group(TILES),
        reply({1068}, 3033),
        reply(all({WORD_TAKE, 1069}), 3035),
    end(),
    look(),
        // Every stretch has its floor tiles, and gaps where tiles are missing.
        reply({1068}, 3033),
        reply({966}, 1849, arg_of(VAR_ARG2)),
        member_group(FIRST_PLACE), reply({WORD_WALL}, 3429), end(),
        call_member(p22, CORRIDOR_TYPE),
        ret(),
    end(),
    member_group(SIDE_WAY),
        moving(),
            member_rows(),
        end(),
    end(),
    call_member(p21, CORRIDOR_TYPE),
};

// Place 649: long corridor.
constexpr row CORRIDOR_EAST[] = {
    look(),
        reply({376, WORD_UP}, 2593, arg_of(376)),
        reply({16, 966}, 3041),
        ret(),
    end(),
    call(p21, num(3)),
    mark({16}),
};

// Place 650: long corridor.
// The corridor's end, open to the drop over the ravine: east along the cliff
// to the precipice.
constexpr row CORRIDOR_END[] = {
    look(),
        reply({WORD_DOWN}, 2478, arg(1)),
        reply({980}, 3245),
        reply({954}, 1849, arg_of(VAR_ARG2)),
        reply({376, WORD_UP}, 2019, arg(20)),
        reply({31}, 2046),
        reply({911, WORD_STREAM}, 2047),
        reply({16, 1022}, 2048),
        ret(),
    end(),
    group({31}),
        reply({773}, 1446),
        mark(),
        ret(),
    end(),
    when(has_word(762).AND(has_any_word({WORD_DOWN, 641, 31})), let(VAR_COMMAND_STATUS, 1)),
    moving(),
        go({WORD_EAST}, 451),
        go({WORD_WEST}, 649),
        group({762}),
            tell(2447, arg(3)),
            forced_on(PLACE_GONE),
            call(p154),
        end(),
    end(),
    mark({376, 31, 911, 16}),
    land(PLACE_GONE, 2427),
    drop_to(PLACE_GONE, 2428),
};

}  // namespace

int p449() { return cell<651>(); }
int p450() { return cell<652>(); }
int p451() { return cell<653>(); }
int p452() { return cell<654>(); }
int p453() { return cell<655>(); }
int p454() { return cell<656>(); }
int p455() { return cell<657>(); }
int p456() { return cell<658>(); }
int p457() { return cell<659>(); }
int p458() { return cell<660>(); }
int p459() { return cell<661>(); }
int p460() { return cell<662>(); }
int p461() { return cell<663>(); }
int p462() { return cell<664>(); }
int p463() { return cell<665>(); }
int p464() { return cell<666>(); }
int p465() { return cell<667>(); }
int p468() { return cell<668>(); }
int p469() { return cell<669>(); }
int p466() { return cell<670>(); }

int p905() { return run<RUNE_DOOR>(); }
int p594() { return run<BEYOND_THE_DOOR>(); }
int p595() { return run_member<GALLERY, GALLERIES>(577); }
int p598() { return run_member<GALLERY, GALLERIES>(578); }
int p596() { return run_member<GALLERY, GALLERIES>(579); }
int p597() { return run_member<GALLERY, GALLERIES>(580); }
int p599() { return run_member<GALLERY, GALLERIES>(581); }
int p600() { return run<CHUTE_HEAD>(); }
int p807() { return run<ROPE_TOP_ROWS>(); }
int p804() { return run<ROPE_FOOT>(); }
int p19() { return run<THRESHOLD>(); }
int p9() { return run_member<CORRIDOR_PLACE, CORRIDOR>(642); }
int p10() { return run_member<CORRIDOR_PLACE, CORRIDOR>(643); }
int p11() { return run_member<CORRIDOR_PLACE, CORRIDOR>(644); }
int p12() { return run_member<CORRIDOR_PLACE, CORRIDOR>(645); }
int p13() { return run_member<CORRIDOR_PLACE, CORRIDOR>(646); }
int p14() { return run_member<CORRIDOR_PLACE, CORRIDOR>(647); }
int p15() { return run_member<CORRIDOR_PLACE, CORRIDOR>(648); }
int p16() { return run<CORRIDOR_EAST>(); }
int p18() { return run<CORRIDOR_END>(); }
