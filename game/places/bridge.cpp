// The toll bridge, the sentinel way and the ravine side: the two bridgeheads
// of the toll bridge with their keeper, the approach and the corridor to
// them, the sentinel way, the crossroads, the ravine fork and the ravine
// edge with its bridge of light, the side chamber, the slope and the lynx's
// den. Each place's procedure answers its feature words, moves the player
// along its exits, runs its crossings and deaths, marks the words of its
// features for the last replies and tells the word procedures where a
// thrown thing lands.
#include "game.h"

using namespace rows;

namespace {

cond_fold one_word() { return cond(words() == 1); }

// --- The toll bridge (303, 304) ---------------------------------------------

// Object 22 is the chasm; its state is 0 while the toll bridge stands, 1 or
// 2 once it has gone down with the player on it. Object 23 is the keeper,
// object 24 his booth (one of the two is out of play at any time); the
// keeper's state is the stage of the toll: 0 waiting for a treasure, 1 paid,
// 2 crossed once on that payment, 3 scared off by the lynx, 4 gone for good.
cond_fold bridge_stands() { return cond(value[22] == 0); }
cond_fold bridge_gone() { return cond(value[22] > 0); }
cond_fold toll_is(int stage) { return cond(value[23] == stage); }
cond_fold keeper_about() { return cond(value[23] <= 2); }
cond_fold booth_near() { return cond(near(24)); }
// The lit incense (object 95) buys passage at once.
cond_fold incense_burning() { return cond(have(95, 0, 2)); }
cond_fold offering() { return cond(has(793)).AND(bridge_stands()); }

// Reading a feature of a bridgehead: the reply list answers the words of
// lettering with the given text, naming what the second word names.
template <int TEXT>
int read_the_named_thing() {
    p297(ref(TEXT), var(VAR_ARG2));
    return 0;
}

// The toll: a carried treasure thrown to the keeper while the bridge stands.
// The keeper goes back into his booth with it, and the way is paid for one
// crossing. The axe and the sword thrown here are only put down; the
// statuette, which the backward spell fetches home, is taken for good when
// the keeper is offered it a second time. A lit lightable treasure is
// refused first where `refuse_lit` says so. Returns 1 when the procedure
// ends here.
int pay_the_toll(bool refuse_lit) {
    if (cond(words() == 1).OR(near(24))) return 1;
    if (cond(anyof(124, 125, -1))) {
        if (cond(carried(value[VAR_ARG2]))) {
            apport(value[VAR_ARG2], value[VAR_HERE]);
            say(SAY_STOP | SAY_ARG | SAY_ARGVAR, 1456, VAR_ARG2);
        }
        return 1;
    }
    const int offered = evar(VAR_ARG2);
    if (!cond(bitest(offered, FLAG_IS_OBJECT)).AND(bitest(offered, OFLAG_SCORING)).AND(carried(offered)))
        return 0;
    if (cond(has(53))) {
        if (cond(bitest(23, 13))) {
            value[23] = 0;
            apport(53, PLACE_GONE);
            bitmod('s', 53, 14);
            say(SAY_STOP, 1923, 0);
            return 1;
        }
        bitmod('s', 53, 13);
    }
    if (refuse_lit) {
        p127();
        if (loop) return 1;
    }
    value[23] = 1;
    apport(23, PLACE_OFFSTAGE);
    apport(24, 303);
    apport(offered, PLACE_GONE);
    say(SAY_STOP | SAY_ARG | SAY_ARGVAR, 1457, VAR_ARG2);
    return 1;
}
int pay_at_the_near_end() { return pay_the_toll(true); }
int pay_at_the_far_end() { return pay_the_toll(false); }

// The numbers in which the two bridgeheads differ: k[0] the far end, k[1]
// the near end, k[2] the other end (where a crossing leads), k[3] the
// compass word of the way across.
constexpr int FAR_END = 0, NEAR_END = 1, OTHER_END = 2, ACROSS = 3;

// Across the bridge to the other end.
int cross_to(arg_pair other_end) {
    moveto(other_end.val, -2);
    return 0;
}

// The words of a crossing: "cross", "bridge", or the way across from here.
cond_fold crossing_words() { return cond(anyof(763, 11, this_member().k[ACROSS], -1)); }

// The keeper was cheated of the statuette that the backward spell fetched
// home, and waits at the bridge for the cheat.
cond_fold keeper_waits_for_the_cheat() { return toll_is(3).AND(bitest(23, 13)); }

// Places 303: near bridgehead; 304: far bridgehead.
constexpr member BRIDGEHEADS[] = {
    {303, {0, 1, 304, 746}, {
        go({WORD_SOUTHWEST, WORD_DOWN, 305, 308}, 305),
    }},
    {304, {1, 0, 303, 750}, {
        go({WORD_NORTHEAST, 538, 308}, 308),
        go({309}, 309),
        go({WORD_LOOKOUT}, 311),
        go({360}, 360),
    }},
};

// Places 303: near bridgehead; 304: far bridgehead.
constexpr row BRIDGEHEAD[] = {
    group({11}), put_here(11), end(),
    member_group(NEAR_END), land(PLACE_GONE, 1678), end(),
    first(),
        when(bridge_stands, call(p185, ref(1080))),
        call(p185, ref(129)),
    end(),
    // The near end's carving reads the Orrin verse; the far end's is worn
    // away.
    member_group(NEAR_END), step(read_the_named_thing<1870>), end(),
    member_group(FAR_END), step(read_the_named_thing<1933>), end(),
    look(),
        reply({WORD_DOWN}, 2478, arg(1)),
        reply({980}, 3245),
        member_group(NEAR_END), reply({538, 308}, 2903, arg_of(308)), end(),
        member_group(FAR_END), reply({538}, 2033, arg_of(538)), end(),
        // The booth stands behind the keeper while he is out of it.
        when(object_near(23), group({24})),
            say_as(SAY_DETAIL, 24, 0),
            stop(),
        end(),
        ret(),
    end(),
    member_group(FAR_END),
        land(PLACE_GONE, 1678),
        // Setting the lynx down before the keeper scares him off for good.
        group([] { return cond(anyof(WORD_DROP, 793, -1)).AND(has(39)).AND(carried(39)).AND(near(23)); }),
            let(23, 3),
            put(23, PLACE_GONE),
            put(24, 303),
            put_here(39),
            tell(2187),
            reply(1461),
        end(),
    end(),
    member_group(NEAR_END), when(offering, step(pay_at_the_near_end)), end(),
    member_group(FAR_END), when(offering, step(pay_at_the_far_end)), end(),
    // Jumping: a jump across is refused while the bridge stands; any other
    // jump is into the chasm.
    group({762}),
        when([] { return cond(has(WORD_CROSS)).OR(words() == 1).AND(bridge_stands()); }, reply(1393)),
        forced_on(PLACE_GONE),
        call(p803),
    end(),
    let(all({WORD_CROSS, 11}), VAR_COMMAND_STATUS, 1),
    moving(),
        member_rows(),
        group(crossing_words),
            when(bridge_gone, reply(1459)),
            group(incense_burning),
                when(keeper_about, tell(3375)),
                call_member(cross_to, OTHER_END),
            end(),
            // Unpaid: the keeper comes out of his booth, or stops the player
            // himself.
            group([] { return toll_is(0); }),
                group(booth_near),
                    put(23, 303),
                    put(24, PLACE_OFFSTAGE),
                    reply(1921),
                end(),
                reply(1458),
            end(),
            // Crossed once on the payment: back at his post for the next,
            // unless the lynx lies by the far end.
            group([] { return toll_is(2); }),
                member_group(FAR_END),
                    group([] { return cond(lies_here(39)); }),
                        let(23, 3),
                        put(23, PLACE_GONE),
                        reply(1449),
                    end(),
                end(),
                let(23, 0),
                put(23, 303),
                set_flag(23, OFLAG_TWO_PLACES),
                put(24, PLACE_OFFSTAGE),
                reply(1921),
            end(),
            when([] { return toll_is(1); }, let(23, 2)),
            member_group(FAR_END),
                // The lynx is too heavy for the old planks.
                group(object_carried(39)),
                    let(22, 1),
                    put(24, PLACE_OFFSTAGE),
                    death(1460),
                end(),
                group(keeper_waits_for_the_cheat),
                    first(),
                        group(object_near(39)),
                            put(39, PLACE_CARRIED),
                            let(22, 1),
                            tell(1582, arg(0)),
                        end(),
                        otherwise(),
                            let(22, 2),
                            tell(1582, arg(1)),
                        end(),
                    end(),
                    put(24, PLACE_OFFSTAGE),
                    forced_on(PLACE_GONE),
                    call(p154),
                end(),
            end(),
            call_member(cross_to, OTHER_END),
        end(),
    end(),
    member_group(NEAR_END), mark({WORD_TUNNEL, WORD_PASSAGE, 308, 538}), end(),
    member_group(FAR_END), mark({538}), end(),
};

// --- The bridge approach (305) and the corridor (308) -----------------------

// The two ways to a bridgehead: coming to it, the player finds the keeper
// gone into his booth.
int keeper_to_his_booth() {
    if (cond(getloc(23) == 303)) {
        apport(23, PLACE_OFFSTAGE);
        apport(24, 303);
    }
    return 0;
}

// Places 305: bridge approach; 308: corridor.
constexpr member WAYS_TO_THE_BRIDGE[] = {
    {305, {}, {
        go({WORD_DOWN, WORD_SOUTHWEST, WORD_OUT, 272}, 272),
        group({WORD_UP, WORD_NORTHEAST, 22}),
            step(keeper_to_his_booth),
            forced(303),
        end(),
        call({WORD_TUNNEL, WORD_PASSAGE, 308}, p329, ref(303), ref(746), ref(272), ref(750)),
    }},
    {308, {}, {
        group({WORD_WEST, 22}),
            step(keeper_to_his_booth),
            forced(304),
        end(),
        go({WORD_EAST, 309}, 309),
        go({WORD_LOOKOUT}, 311),
        go({360}, 360),
        call({WORD_TUNNEL, WORD_PASSAGE, 308}, p329, ref(304), ref(751), ref(309), ref(747)),
    }},
};

// Places 305: bridge approach; 308: corridor.
constexpr row WAY_TO_THE_BRIDGE[] = {
    look(),
        let({WORD_TUNNEL, WORD_PASSAGE, 308}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        member_rows(),
    end(),
    mark({WORD_TUNNEL, WORD_PASSAGE, 308}),
};

// --- The sentinel way (306, 307) --------------------------------------------

// Object 21 is the sentinel: stone (state 0) it bars the way on, and its
// "cloth" is the carved stone of its cloak; awake, it is the warrior.
cond_fold sentinel_stone() { return cond(value[21] == 0); }

// Back the way the player came, whichever end that was.
int back_the_way_you_came() {
    moveto(value[VAR_THERE], -2);
    return 0;
}

constexpr int WEST_END = 0;

// Places 306: west end of the sentinel way; 307: east end of the sentinel way.
constexpr member SENTINEL_WAY_ENDS[] = {
    {306, {1}, {
        go({WORD_NORTH, WORD_OUT}, 269),
        group({760, WORD_EAST}),
            group(sentinel_stone),
                call(p784),
                reply(1443),
            end(),
            forced(274),
        end(),
    }},
    {307, {0}, {
        go({WORD_EAST, WORD_OUT}, 274),
        group({760, WORD_NORTH}),
            group(sentinel_stone),
                call(p784),
                reply(1443),
            end(),
            forced(269),
        end(),
    }},
};

// Places 306: west end of the sentinel way; 307: east end of the sentinel way.
constexpr row SENTINEL_WAY[] = {
    // "Warrior" is the sentinel, once it has woken.
    member_group(WEST_END),
        when(has_word(957).AND(object_near(21)).AND(value_over(21, 0)), rewrite(957, 21)),
    end(),
    group([] { return cond(has(63)).AND(sentinel_stone()); }),
        reply({WORD_LOOK}, 1519),
        reply({WORD_TAKE, 807, 863, 861, 806}, 1518),
    end(),
    look(),
        let({207}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        member_rows(),
        group({207}),
            when(sentinel_stone, step(back_the_way_you_came)),
            call(p329, ref(269), ref(745), ref(274), ref(747)),
        end(),
    end(),
    mark({207}),
};

// --- Crossroads (309) -------------------------------------------------------

// Place 309: crossroads.
constexpr row CROSSROADS[] = {
    look(),
        reply({309}, 2902, arg_of(308)),
        ret(),
    end(),
    moving(),
        go({22}, 304),
        go({WORD_WEST, 308}, 308),
        go({WORD_NORTHEAST}, 310),
        go({WORD_SOUTHEAST, WORD_DOWN}, 359),
        go({WORD_LOOKOUT}, 311),
        go({360}, 360),
        reply({WORD_TUNNEL, WORD_PASSAGE, 308, 309}, 2904, arg_of(308)),
    end(),
    mark({WORD_TUNNEL, WORD_PASSAGE, 308, 309}),
};

// --- Ravine fork (310) ------------------------------------------------------

// Place 310: ravine fork.
constexpr row RAVINE_FORK[] = {
    look(),
        let({271}, VAR_COMMAND_STATUS, 1),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308, WORD_CRAWL}, 2903, arg_of(VAR_ARG2)),
        reply({WORD_WALL}, 2914),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTH, 309, WORD_PASSAGE}, 309),
        go({WORD_NORTH, WORD_LOOKOUT}, 311),
        go({WORD_EAST, WORD_CRAWL}, 358),
    end(),
    mark({271, WORD_PASSAGE, WORD_CRAWL}),
};

// --- Ravine edge (311) ------------------------------------------------------

// Object 31 is the ravine: 2 while the wand's bridge of light spans it, 0
// while nothing does. The bridge bears only one who carries the jewel
// (object 67) alight; the lynx will not set foot on it.
cond_fold ravine_bridged() { return cond(value[31] == 2); }
cond_fold jewel_alight() { return cond(have(67, 0, 2)); }

// Place 311: ravine edge.
constexpr row RAVINE_EDGE[] = {
    when([] { return cond(anyof(11, 1054, -1)).AND(ravine_bridged()); }, put_here(11)),
    look(),
        reply({WORD_DOWN}, 2478, arg(1)),
        reply({956, 922}, 1849, arg_of(VAR_ARG2)),
        reply({980}, 3245),
        reply({475, 376, 1024, 1032, 888, WORD_UP}, 3195),
        reply({1034, WORD_WALL}, 3194),
        reply({31, 172}, 2046),
        reply({911, WORD_STREAM}, 2047),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2903, arg(897)),
        reply({895, 201}, 2952, arg_of(201)),
        reply({16, 1022, 635, 915}, 2048),
        reply({547, 298, 1033}, 3458),
        ret(),
    end(),
    group({31}),
        reply({773}, 1446),
        mark_name({31}),
        ret(),
    end(),
    reply(all({762, WORD_UP}), 2587),
    when(has_word(WORD_CROSS).AND(has_any_word({11, 1054, 172})).OR(has_word(762)), let(VAR_COMMAND_STATUS, 1)),
    moving(),
        go({WORD_SOUTH, WORD_OUT, WORD_PASSAGE}, 310),
        go({309}, 309),
        group({762}),
            forced_on(PLACE_GONE),
            call(p803),
        end(),
        group({201, WORD_CROSS, 11, WORD_NORTH, 1054}),
            when(value_is(31, 0), reply(1597)),
            tell(1598),
            group(jewel_alight),
                first(),
                    group(object_carried(39)),
                        tell(1602),
                        put(39, PLACE_GONE),
                    end(),
                    otherwise(),
                        when([] { return cond(!is_visited(312)); }, clear_flag(311, PFLAG_HINT_AVAILABLE)),
                        tell(1600),
                    end(),
                end(),
                forced(312),
            end(),
            first(),
                when(object_carried(39), tell(1601)),
                tell(1599),
            end(),
            when(object_carried(67), tell(1899)),
            forced_on(PLACE_GONE),
            call(p154),
        end(),
    end(),
    mark_name({31, WORD_PASSAGE, 172, 635, 915, 1034, 475, 376}),
    mark({1032, 1024, WORD_WALL, 895}),
    mark_name({1033, 298, 547, 915, 201, 911}),
    land(PLACE_GONE, 1679),
};

// --- Side chamber (358) -----------------------------------------------------

// Place 358: side chamber.
constexpr row SIDE_CHAMBER[] = {
    look(),
        reply({WORD_CRAWL}, 2903, arg(900)),
        reply({WORD_WALL}, 3130),
        reply({1132, 79}, 3131),
        let({300}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    let(all({WORD_CRAWL, WORD_OUT}), VAR_COMMAND_STATUS, 1),
    moving(),
        go({WORD_WEST, WORD_OUT, WORD_CRAWL}, 310),
        go({309}, 309),
        go({WORD_LOOKOUT}, 311),
        reply({300}, 1425),
    end(),
    mark({1132, 1131, 300, WORD_WALL}),
};

// --- Slope (359) ------------------------------------------------------------

// Place 359: slope.
constexpr row SLOPE[] = {
    look(),
        reply({WORD_WALL, 359, 1024}, 2958),
        let({WORD_TUNNEL, WORD_PASSAGE, 308}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        go({WORD_NORTH, WORD_UP, 309}, 309),
        go({WORD_SOUTH, WORD_DOWN, 360}, 360),
        go({WORD_LOOKOUT}, 311),
        call({WORD_TUNNEL, WORD_PASSAGE, 308}, p329, ref(360), ref(749), ref(309), ref(745)),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, 308, 359, 1024}),
};

// --- Den mouth (360) --------------------------------------------------------

// Place 360: den mouth.
constexpr row DEN_MOUTH[] = {
    set_flag(39, OFLAG_SEEN),
    // The letters are those of the inscription.
    rewrite(1028, 1080),
    call(p185, ref(1080)),
    call(p297, ref(1870), ref(1080)),
    look(),
        reply({WORD_IN, 895, WORD_EAST}, 1712, arg(757)),
        reply({WORD_PASSAGE, WORD_TUNNEL, 308}, 2903, arg(897)),
        reply({359}, 2959, arg_of(359)),
        ret(),
    end(),
    moving(),
        go({WORD_WEST, WORD_UP, WORD_PASSAGE, 359}, 359),
        go({309}, 309),
        go({WORD_EAST, WORD_IN, 360, 39}, 361),
        go({WORD_LOOKOUT}, 311),
    end(),
    mark({895, 359, WORD_PASSAGE}),
};

// --- Lynx den (361) ---------------------------------------------------------

// "Take" alone takes the one thing lying here that can be taken.
int the_one_thing_here() {
    default_to(0, value[VAR_HERE], OFLAG_PORTABLE);
    return 0;
}

// Place 361: lynx den.
constexpr row LYNX_DEN[] = {
    // The look word is answered here only for these; otherwise it goes on.
    look(),
        reply({1058, 992}, 3075),
        reply({WORD_OUT}, 1712, arg(758)),
    end(),
    moving(),
        go({WORD_WEST, WORD_OUT}, 360),
        go({309}, 309),
        go({WORD_LOOKOUT}, 311),
    end(),
    group({WORD_TAKE}),
        when(one_word, step(the_one_thing_here)),
        when([] { return cond(has(124)).AND(lies_here(124)); }, reply(1517, arg_of(VAR_ARG2))),
    end(),
    mark({1058, 992, WORD_OUT}),
};

}  // namespace

int p818() { return run_member<BRIDGEHEAD, BRIDGEHEADS>(303); }
int p611() { return run_member<BRIDGEHEAD, BRIDGEHEADS>(304); }
int p782() { return run_member<WAY_TO_THE_BRIDGE, WAYS_TO_THE_BRIDGE>(305); }
int p759() { return run_member<SENTINEL_WAY, SENTINEL_WAY_ENDS>(306); }
int p760() { return run_member<SENTINEL_WAY, SENTINEL_WAY_ENDS>(307); }
int p155() { return run_member<WAY_TO_THE_BRIDGE, WAYS_TO_THE_BRIDGE>(308); }
int p352() { return run<CROSSROADS>(); }
int p899() { return run<RAVINE_FORK>(); }
int p74() { return run<RAVINE_EDGE>(); }
int p71() { return run<SIDE_CHAMBER>(); }
int p533() { return run<SLOPE>(); }
int p42() { return run<DEN_MOUTH>(); }
int p55() { return run<LYNX_DEN>(); }
