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
cond_fold bridge_stands() { return cond(value[OBJ_CHASM] == 0); }
cond_fold bridge_gone() { return cond(value[OBJ_CHASM] > 0); }
cond_fold toll_is(int stage) { return cond(value[OBJ_KEEPER] == stage); }
cond_fold keeper_about() { return cond(value[OBJ_KEEPER] <= 2); }
cond_fold booth_near() { return cond(near(OBJ_BOOTH)); }
// The lit incense (object 95) buys passage at once.
cond_fold incense_burning() { return cond(have(OBJ_INCENSE, 0, 2)); }
cond_fold offering() { return cond(has(WORD_THROW)).AND(bridge_stands()); }

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
    if (cond(words() == 1).OR(near(OBJ_BOOTH))) return 1;
    if (cond(anyof(OBJ_AXE, OBJ_SWORD, -1))) {
        if (cond(carried(value[VAR_ARG2]))) {
            apport(value[VAR_ARG2], value[VAR_HERE]);
            say(SAY_STOP | SAY_ARG | SAY_ARGVAR, 1456, VAR_ARG2);
        }
        return 1;
    }
    const int offered = evar(VAR_ARG2);
    if (!cond(bitest(offered, FLAG_IS_OBJECT)).AND(bitest(offered, OFLAG_SCORING)).AND(carried(offered)))
        return 0;
    if (cond(has(OBJ_STATUETTE))) {
        if (cond(bitest(OBJ_KEEPER, 13))) {
            value[OBJ_KEEPER] = 0;
            apport(OBJ_STATUETTE, PLACE_GONE);
            bitmod('s', OBJ_STATUETTE, 14);
            say(SAY_STOP, 1923, 0);
            return 1;
        }
        bitmod('s', OBJ_STATUETTE, 13);
    }
    if (refuse_lit) {
        p127();
        if (loop) return 1;
    }
    value[OBJ_KEEPER] = 1;
    apport(OBJ_KEEPER, PLACE_OFFSTAGE);
    apport(OBJ_BOOTH, PLACE_NEAR_BRIDGEHEAD);
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
cond_fold crossing_words() { return cond(anyof(WORD_CROSS, OBJ_BRIDGE, this_member().k[ACROSS], -1)); }

// The keeper was cheated of the statuette that the backward spell fetched
// home, and waits at the bridge for the cheat.
cond_fold keeper_waits_for_the_cheat() { return toll_is(3).AND(bitest(OBJ_KEEPER, 13)); }

// Places 303: near bridgehead; 304: far bridgehead.
constexpr member BRIDGEHEADS[] = {
    {PLACE_NEAR_BRIDGEHEAD, {0, 1, PLACE_FAR_BRIDGEHEAD, WORD_NORTHEAST}, {
        go({WORD_SOUTHWEST, WORD_DOWN, PLACE_BRIDGE_APPROACH, PLACE_CORRIDOR}, PLACE_BRIDGE_APPROACH),
    }},
    {PLACE_FAR_BRIDGEHEAD, {1, 0, PLACE_NEAR_BRIDGEHEAD, WORD_SOUTHWEST}, {
        go({WORD_NORTHEAST, PLACE_PATH, PLACE_CORRIDOR}, PLACE_CORRIDOR),
        go({PLACE_CROSSROADS}, PLACE_CROSSROADS),
        go({WORD_LOOKOUT}, PLACE_RAVINE_EDGE),
        go({PLACE_DEN_MOUTH}, PLACE_DEN_MOUTH),
    }},
};

// Places 303: near bridgehead; 304: far bridgehead.
constexpr row BRIDGEHEAD[] = {
    group({OBJ_BRIDGE}), put_here(OBJ_BRIDGE), end(),
    member_group(NEAR_END), land(PLACE_GONE, 1678), end(),
    first(),
        when(bridge_stands, call(p185, ref(WORD_INSCRIPTION))),
        call(p185, ref(OBJ_SIGN)),
    end(),
    // The near end's carving reads the Orrin verse; the far end's is worn
    // away.
    member_group(NEAR_END), step(read_the_named_thing<1870>), end(),
    member_group(FAR_END), step(read_the_named_thing<1933>), end(),
    look(),
        reply({WORD_DOWN}, 2478, arg(1)),
        reply({WORD_BRINK}, 3245),
        member_group(NEAR_END), reply({PLACE_PATH, PLACE_CORRIDOR}, 2903, arg_of(PLACE_CORRIDOR)), end(),
        member_group(NEAR_END), reply({PLACE_CRAWL_CROSSING}, 3543, arg(3)), end(),
        member_group(FAR_END), reply({PLACE_PATH}, 2033, arg_of(PLACE_PATH)), end(),
        member_group(FAR_END), reply({PLACE_CRAWL_CROSSING}, 3543, arg(4)), end(),
        member_group(FAR_END), reply({PLACE_CORRIDOR, PLACE_CROSSROADS, PLACE_DEN_MOUTH}, 3543, arg(5)), end(),
        // The booth stands behind the keeper while he is out of it.
        when(object_near(OBJ_KEEPER), group({OBJ_BOOTH})),
            say_as(SAY_DETAIL, OBJ_BOOTH, 0),
            stop(),
        end(),
        ret(),
    end(),
    member_group(FAR_END),
        land(PLACE_GONE, 1678),
        // Setting the lynx down before the keeper scares him off for good.
        group([] { return cond(anyof(WORD_DROP, WORD_THROW,
                                     -1)).AND(has(OBJ_LYNX)).AND(carried(OBJ_LYNX)).AND(near(OBJ_KEEPER)); }),
            let(OBJ_KEEPER, 3),
            put(OBJ_KEEPER, PLACE_GONE),
            put(OBJ_BOOTH, PLACE_NEAR_BRIDGEHEAD),
            put_here(OBJ_LYNX),
            tell(2187),
            reply(1461),
        end(),
    end(),
    member_group(NEAR_END), when(offering, step(pay_at_the_near_end)), end(),
    member_group(FAR_END), when(offering, step(pay_at_the_far_end)), end(),
    // Jumping: a jump across is refused while the bridge stands; any other
    // jump is into the chasm.
    group({WORD_JUMP}),
        when([] { return cond(has(WORD_CROSS)).OR(words() == 1).AND(bridge_stands()); }, reply(1393)),
        forced_on(PLACE_GONE),
        call(p803),
    end(),
    let(all({WORD_CROSS, OBJ_BRIDGE}), VAR_COMMAND_STATUS, 1),
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
                    put(OBJ_KEEPER, PLACE_NEAR_BRIDGEHEAD),
                    put(OBJ_BOOTH, PLACE_OFFSTAGE),
                    reply(1921),
                end(),
                reply(1458),
            end(),
            // Crossed once on the payment: back at his post for the next,
            // unless the lynx lies by the far end.
            group([] { return toll_is(2); }),
                member_group(FAR_END),
                    group([] { return cond(lies_here(OBJ_LYNX)); }),
                        let(OBJ_KEEPER, 3),
                        put(OBJ_KEEPER, PLACE_GONE),
                        reply(1449),
                    end(),
                end(),
                let(OBJ_KEEPER, 0),
                put(OBJ_KEEPER, PLACE_NEAR_BRIDGEHEAD),
                set_flag(OBJ_KEEPER, OFLAG_TWO_PLACES),
                put(OBJ_BOOTH, PLACE_OFFSTAGE),
                reply(1921),
            end(),
            when([] { return toll_is(1); }, let(OBJ_KEEPER, 2)),
            member_group(FAR_END),
                // The lynx is too heavy for the old planks.
                group(object_carried(OBJ_LYNX)),
                    let(OBJ_CHASM, 1),
                    put(OBJ_BOOTH, PLACE_OFFSTAGE),
                    death(1460),
                end(),
                group(keeper_waits_for_the_cheat),
                    first(),
                        group(object_near(OBJ_LYNX)),
                            put(OBJ_LYNX, PLACE_CARRIED),
                            let(OBJ_CHASM, 1),
                            tell(1582, arg(0)),
                        end(),
                        otherwise(),
                            let(OBJ_CHASM, 2),
                            tell(1582, arg(1)),
                        end(),
                    end(),
                    put(OBJ_BOOTH, PLACE_OFFSTAGE),
                    forced_on(PLACE_GONE),
                    call(p154),
                end(),
            end(),
            call_member(cross_to, OTHER_END),
        end(),
    end(),
    member_group(NEAR_END), mark({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR, PLACE_PATH}), end(),
    member_group(FAR_END), mark({PLACE_PATH}), end(),
};

// --- The bridge approach (305) and the corridor (308) -----------------------

// The two ways to a bridgehead: coming to it, the player finds the keeper
// gone into his booth.
int keeper_to_his_booth() {
    if (cond(getloc(OBJ_KEEPER) == PLACE_NEAR_BRIDGEHEAD)) {
        apport(OBJ_KEEPER, PLACE_OFFSTAGE);
        apport(OBJ_BOOTH, PLACE_NEAR_BRIDGEHEAD);
    }
    return 0;
}

// Places 305: bridge approach; 308: corridor.
constexpr member WAYS_TO_THE_BRIDGE[] = {
    {PLACE_BRIDGE_APPROACH, {1, 0}, {
        go({WORD_DOWN, WORD_SOUTHWEST, WORD_OUT, PLACE_CRAWL_CROSSING}, PLACE_CRAWL_CROSSING),
        group({WORD_UP, WORD_NORTHEAST, OBJ_CHASM}),
            step(keeper_to_his_booth),
            forced(PLACE_NEAR_BRIDGEHEAD),
        end(),
        call({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, p329, ref(PLACE_NEAR_BRIDGEHEAD), ref(WORD_NORTHEAST),
             ref(PLACE_CRAWL_CROSSING), ref(WORD_SOUTHWEST)),
    }},
    {PLACE_CORRIDOR, {0, 1}, {
        group({WORD_WEST, OBJ_CHASM}),
            step(keeper_to_his_booth),
            forced(PLACE_FAR_BRIDGEHEAD),
        end(),
        go({WORD_EAST, PLACE_CROSSROADS}, PLACE_CROSSROADS),
        go({WORD_LOOKOUT}, PLACE_RAVINE_EDGE),
        go({PLACE_DEN_MOUTH}, PLACE_DEN_MOUTH),
        call({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, p329, ref(PLACE_FAR_BRIDGEHEAD), ref(WORD_WEST),
             ref(PLACE_CROSSROADS), ref(WORD_EAST)),
    }},
};

// What the approach (k[0]) and the corridor (k[1]) name ahead of them.
constexpr int TO_THE_NEAR_END = 0, TO_THE_FAR_END = 1;

// Places 305: bridge approach; 308: corridor.
constexpr row WAY_TO_THE_BRIDGE[] = {
    look(),
        member_group(TO_THE_NEAR_END),
            reply({OBJ_BRIDGE, WORD_BRINK, OBJ_CHASM}, 3543, arg(0)),
            reply({PLACE_CRAWL_CROSSING}, 3543, arg(1)),
        end(),
        member_group(TO_THE_FAR_END),
            reply({WORD_BRINK, PLACE_CROSSROADS, PLACE_DEN_MOUTH}, 3543, arg(2)),
        end(),
        let({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        member_rows(),
    end(),
    mark({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}),
};

// --- The sentinel way (306, 307) --------------------------------------------

// Object 21 is the sentinel: stone (state 0) it bars the way on, and its
// "cloth" is the carved stone of its cloak; awake, it is the warrior.
cond_fold sentinel_stone() { return cond(value[OBJ_SENTINEL] == 0); }

// Back the way the player came, whichever end that was.
int back_the_way_you_came() {
    moveto(value[VAR_THERE], -2);
    return 0;
}

constexpr int WEST_END = 0;

// Places 306: west end of the sentinel way; 307: east end of the sentinel way.
constexpr member SENTINEL_WAY_ENDS[] = {
    {PLACE_WEST_END_OF_SENTINEL_WAY, {1}, {
        go({WORD_NORTH, WORD_OUT}, PLACE_UPPER_JUNCTION),
        group({WORD_ACROSS, WORD_EAST}),
            group(sentinel_stone),
                call(p784),
                reply(1443),
            end(),
            forced(PLACE_SENTINEL_APPROACH),
        end(),
    }},
    {PLACE_EAST_END_OF_SENTINEL_WAY, {0}, {
        go({WORD_EAST, WORD_OUT}, PLACE_SENTINEL_APPROACH),
        group({WORD_ACROSS, WORD_NORTH}),
            group(sentinel_stone),
                call(p784),
                reply(1443),
            end(),
            forced(PLACE_UPPER_JUNCTION),
        end(),
    }},
};

// Places 306: west end of the sentinel way; 307: east end of the sentinel way.
constexpr row SENTINEL_WAY[] = {
    // "Warrior" is the sentinel, once it has woken.
    member_group(WEST_END),
        when(has_word(WORD_WARRIOR).AND(object_near(OBJ_SENTINEL)).AND(value_over(OBJ_SENTINEL, 0)),
             rewrite(WORD_WARRIOR, OBJ_SENTINEL)),
    end(),
    group([] { return cond(has(OBJ_CLOTH)).AND(sentinel_stone()); }),
        reply({WORD_LOOK}, 1519),
        reply({WORD_TAKE, WORD_PULL, WORD_ROLL, WORD_WASH, WORD_FLY}, 1518),
    end(),
    look(),
        let({PLACE_CLEFT}, VAR_COMMAND_STATUS, 1),
        member_group(WEST_END), reply({PLACE_WINDOW_JUNCTION}, 3543, arg(15)), end(),
        ret(),
    end(),
    moving(),
        member_rows(),
        group({PLACE_CLEFT}),
            when(sentinel_stone, step(back_the_way_you_came)),
            call(p329, ref(PLACE_UPPER_JUNCTION), ref(WORD_NORTH), ref(PLACE_SENTINEL_APPROACH), ref(WORD_EAST)),
        end(),
    end(),
    mark({PLACE_CLEFT}),
};

// --- Crossroads (309) -------------------------------------------------------

// Place 309: crossroads.
constexpr row CROSSROADS[] = {
    look(),
        reply({PLACE_CROSSROADS}, 2902, arg_of(PLACE_CORRIDOR)),
        reply({PLACE_CORRIDOR, OBJ_CHASM, WORD_BRINK, OBJ_RAVINE, PLACE_WINDOW_JUNCTION}, 3543, arg(6)),
        reply({PLACE_DEN_MOUTH, PLACE_SLOPE}, 3543, arg(7)),
        ret(),
    end(),
    moving(),
        go({OBJ_CHASM}, PLACE_FAR_BRIDGEHEAD),
        go({WORD_WEST, PLACE_CORRIDOR}, PLACE_CORRIDOR),
        go({WORD_NORTHEAST}, PLACE_RAVINE_FORK),
        go({WORD_SOUTHEAST, WORD_DOWN}, PLACE_SLOPE),
        go({WORD_LOOKOUT}, PLACE_RAVINE_EDGE),
        go({PLACE_DEN_MOUTH}, PLACE_DEN_MOUTH),
        reply({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR, PLACE_CROSSROADS}, 2904, arg_of(PLACE_CORRIDOR)),
    end(),
    mark({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR, PLACE_CROSSROADS}),
};

// --- Ravine fork (310) ------------------------------------------------------

// Place 310: ravine fork.
constexpr row RAVINE_FORK[] = {
    look(),
        reply({PLACE_WINDOW_JUNCTION}, 3543, arg(8)),
        reply({WORD_BRINK, OBJ_RAVINE}, 3543, arg(9)),
        reply({PLACE_CROSSROADS}, 3543, arg(10)),
        let({PLACE_WINDOW_JUNCTION}, VAR_COMMAND_STATUS, 1),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR, WORD_CRAWL}, 2903, arg_of(VAR_ARG2)),
        reply({WORD_WALL}, 2914),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTH, PLACE_CROSSROADS, WORD_PASSAGE}, PLACE_CROSSROADS),
        go({WORD_NORTH, WORD_LOOKOUT}, PLACE_RAVINE_EDGE),
        go({WORD_EAST, WORD_CRAWL}, PLACE_SIDE_CHAMBER),
    end(),
    mark({PLACE_WINDOW_JUNCTION, WORD_PASSAGE, WORD_CRAWL}),
};

// --- Ravine edge (311) ------------------------------------------------------

// Object 31 is the ravine: 2 while the wand's bridge of light spans it, 0
// while nothing does. The bridge bears only one who carries the jewel
// (object 67) alight; the lynx will not set foot on it.
cond_fold ravine_bridged() { return cond(value[OBJ_RAVINE] == 2); }
cond_fold jewel_alight() { return cond(have(OBJ_JEWEL, 0, 2)); }

// Place 311: ravine edge.
constexpr row RAVINE_EDGE[] = {
    when([] { return cond(anyof(OBJ_BRIDGE, WORD_ARCH, -1)).AND(ravine_bridged()); }, put_here(OBJ_BRIDGE)),
    look(),
        reply({WORD_DOWN}, 2478, arg(1)),
        reply({WORD_SPRAY, WORD_MIST}, 1849, arg_of(VAR_ARG2)),
        reply({WORD_BRINK}, 3245),
        reply({PLACE_WELL_HEAD, PLACE_CEILING, WORD_FORMATIONS, WORD_CANYON, WORD_CRACK, WORD_UP}, 3195),
        reply({WORD_RAINBOW, WORD_WALL}, 3194),
        reply({OBJ_RAVINE, OBJ_GORGE}, 2046),
        reply({WORD_SPRING, WORD_STREAM}, 2047),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2903, arg(WORD_PASSAGE)),
        reply({WORD_ENTRANCE, PLACE_VALLEY}, 2952, arg_of(PLACE_VALLEY)),
        reply({OBJ_GLIMMER, WORD_OVERHANG, PLACE_FALLS_NOOK, WORD_BRANCH}, 2048),
        reply({PLACE_RING_WALK_547, PLACE_FAR_SHORE, WORD_CASCADE}, 3458),
        reply({WORD_LEDGE, WORD_DOORWAY}, 3543, arg(13)),
        reply({PLACE_WINDOW_JUNCTION, PLACE_CROSSROADS}, 3543, arg(14)),
        ret(),
    end(),
    group({OBJ_RAVINE}),
        reply({WORD_LISTEN}, 1446),
        mark_name({OBJ_RAVINE}),
        ret(),
    end(),
    reply(all({WORD_JUMP, WORD_UP}), 2587),
    when(has_word(WORD_CROSS).AND(has_any_word({OBJ_BRIDGE, WORD_ARCH, OBJ_GORGE})).OR(has_word(WORD_JUMP)),
         let(VAR_COMMAND_STATUS, 1)),
    moving(),
        go({WORD_SOUTH, WORD_OUT, WORD_PASSAGE}, PLACE_RAVINE_FORK),
        go({PLACE_CROSSROADS}, PLACE_CROSSROADS),
        group({WORD_JUMP}),
            forced_on(PLACE_GONE),
            call(p803),
        end(),
        group({PLACE_VALLEY, WORD_CROSS, OBJ_BRIDGE, WORD_NORTH, WORD_ARCH}),
            when(value_is(OBJ_RAVINE, 0), reply(1597)),
            tell(1598),
            group(jewel_alight),
                first(),
                    group(object_carried(OBJ_LYNX)),
                        tell(1602),
                        put(OBJ_LYNX, PLACE_GONE),
                    end(),
                    otherwise(),
                        when([] { return cond(!is_visited(PLACE_SPAN_LEDGE)); },
                             clear_flag(PLACE_RAVINE_EDGE, PFLAG_HINT_AVAILABLE)),
                        tell(1600),
                    end(),
                end(),
                forced(PLACE_SPAN_LEDGE),
            end(),
            first(),
                when(object_carried(OBJ_LYNX), tell(1601)),
                tell(1599),
            end(),
            when(object_carried(OBJ_JEWEL), tell(1899)),
            forced_on(PLACE_GONE),
            call(p154),
        end(),
    end(),
    mark_name({OBJ_RAVINE, WORD_PASSAGE, OBJ_GORGE, PLACE_FALLS_NOOK, WORD_BRANCH, WORD_RAINBOW, PLACE_WELL_HEAD,
               PLACE_CEILING}),
    mark({WORD_CANYON, WORD_FORMATIONS, WORD_WALL, WORD_ENTRANCE}),
    mark_name({WORD_CASCADE, PLACE_FAR_SHORE, PLACE_RING_WALK_547, WORD_BRANCH, PLACE_VALLEY, WORD_SPRING}),
    land(PLACE_GONE, 1679),
};

// --- Side chamber (358) -----------------------------------------------------

// Place 358: side chamber.
constexpr row SIDE_CHAMBER[] = {
    look(),
        reply({WORD_CRAWL}, 2903, arg(WORD_CRAWL)),
        reply({WORD_WALL}, 3130),
        reply({WORD_ROCKFALL, OBJ_HEAP}, 3131),
        let({PLACE_LAKESIDE_CHAMBER}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    let(all({WORD_CRAWL, WORD_OUT}), VAR_COMMAND_STATUS, 1),
    moving(),
        go({WORD_WEST, WORD_OUT, WORD_CRAWL}, PLACE_RAVINE_FORK),
        go({PLACE_CROSSROADS}, PLACE_CROSSROADS),
        go({WORD_LOOKOUT}, PLACE_RAVINE_EDGE),
        reply({PLACE_LAKESIDE_CHAMBER}, 1425),
    end(),
    mark({WORD_ROCKFALL, WORD_STONE, PLACE_LAKESIDE_CHAMBER, WORD_WALL}),
};

// --- Slope (359) ------------------------------------------------------------

// Place 359: slope.
constexpr row SLOPE[] = {
    look(),
        reply({WORD_WALL, PLACE_SLOPE, WORD_FORMATIONS}, 2958),
        reply({PLACE_CROSSROADS}, 3543, arg(11)),
        reply({PLACE_DEN_MOUTH}, 3543, arg(12)),
        let({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        go({WORD_NORTH, WORD_UP, PLACE_CROSSROADS}, PLACE_CROSSROADS),
        go({WORD_SOUTH, WORD_DOWN, PLACE_DEN_MOUTH}, PLACE_DEN_MOUTH),
        go({WORD_LOOKOUT}, PLACE_RAVINE_EDGE),
        call({WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR}, p329, ref(PLACE_DEN_MOUTH), ref(WORD_SOUTH),
             ref(PLACE_CROSSROADS), ref(WORD_NORTH)),
    end(),
    mark({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR, PLACE_SLOPE, WORD_FORMATIONS}),
};

// --- Den mouth (360) --------------------------------------------------------

// Place 360: den mouth.
constexpr row DEN_MOUTH[] = {
    set_flag(OBJ_LYNX, OFLAG_SEEN),
    // The letters are those of the inscription.
    rewrite(WORD_LETTERS, WORD_INSCRIPTION),
    call(p185, ref(WORD_INSCRIPTION)),
    call(p297, ref(1870), ref(WORD_INSCRIPTION)),
    look(),
        reply({WORD_IN, WORD_ENTRANCE, WORD_EAST}, 1712, arg(WORD_IN)),
        reply({WORD_PASSAGE, WORD_TUNNEL, PLACE_CORRIDOR}, 2903, arg(WORD_PASSAGE)),
        reply({PLACE_SLOPE}, 2959, arg_of(PLACE_SLOPE)),
        ret(),
    end(),
    moving(),
        go({WORD_WEST, WORD_UP, WORD_PASSAGE, PLACE_SLOPE}, PLACE_SLOPE),
        go({PLACE_CROSSROADS}, PLACE_CROSSROADS),
        go({WORD_EAST, WORD_IN, PLACE_DEN_MOUTH, OBJ_LYNX}, PLACE_LYNX_DEN),
        go({WORD_LOOKOUT}, PLACE_RAVINE_EDGE),
    end(),
    mark({WORD_ENTRANCE, PLACE_SLOPE, WORD_PASSAGE}),
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
        reply({WORD_SHADOWS, WORD_DIRT}, 3075),
        reply({PLACE_DEN_MOUTH}, 1453),
        reply({WORD_OUT}, 1712, arg(WORD_OUT)),
    end(),
    moving(),
        go({WORD_WEST, WORD_OUT}, PLACE_DEN_MOUTH),
        go({PLACE_CROSSROADS}, PLACE_CROSSROADS),
        go({WORD_LOOKOUT}, PLACE_RAVINE_EDGE),
    end(),
    group({WORD_TAKE}),
        when(one_word, step(the_one_thing_here)),
        when([] { return cond(has(OBJ_AXE)).AND(lies_here(OBJ_AXE)); }, reply(1517, arg_of(VAR_ARG2))),
    end(),
    mark({WORD_SHADOWS, WORD_DIRT, WORD_OUT}),
};

}  // namespace

int p818() { return run_member<BRIDGEHEAD, BRIDGEHEADS>(PLACE_NEAR_BRIDGEHEAD); }
int p611() { return run_member<BRIDGEHEAD, BRIDGEHEADS>(PLACE_FAR_BRIDGEHEAD); }
int p782() { return run_member<WAY_TO_THE_BRIDGE, WAYS_TO_THE_BRIDGE>(PLACE_BRIDGE_APPROACH); }
int p759() { return run_member<SENTINEL_WAY, SENTINEL_WAY_ENDS>(PLACE_WEST_END_OF_SENTINEL_WAY); }
int p760() { return run_member<SENTINEL_WAY, SENTINEL_WAY_ENDS>(PLACE_EAST_END_OF_SENTINEL_WAY); }
int p155() { return run_member<WAY_TO_THE_BRIDGE, WAYS_TO_THE_BRIDGE>(PLACE_CORRIDOR); }
int p352() { return run<CROSSROADS>(); }
int p899() { return run<RAVINE_FORK>(); }
int p74() { return run<RAVINE_EDGE>(); }
int p71() { return run<SIDE_CHAMBER>(); }
int p533() { return run<SLOPE>(); }
int p42() { return run<DEN_MOUTH>(); }
int p55() { return run<LYNX_DEN>(); }
