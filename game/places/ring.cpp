// The ring walk round the still pool, its annexe (the sealed chamber, the
// snag, the counting room, the sanctum, the falls and the cliff path) and
// the beacon chain down from the bastion. Each place's procedure answers its
// feature words, moves the player along its exits and marks the words of
// its features for the last replies.
#include <algorithm>

#include "game.h"

using namespace rows;

namespace {

// --- The ring walk (547..554) ---------------------------------------------

// The ring turns a point of the compass at each of its eight places: at the
// place of value k (547 + k) the way on to the next place is the compass
// word k + 4 points round from north, the way back is its opposite, and the
// shore and gallery words go on the way the player was already going.
consteval int ring_place(int k) { return 547 + (k + 8) % 8; }
consteval int compass(int k) { return 745 + (k + 8) % 8; }
consteval row ring_on(int k) { return go({compass(k + 4)}, ring_place(k + 1)); }
consteval row ring_back(int k) { return go({compass(k)}, ring_place(k - 1)); }
consteval row ring_onward(int k) {
    return call({439, 1002}, p329, ref(ring_place(k - 1)), ref(compass(k)), ref(ring_place(k + 1)),
                ref(compass(k + 4)));
}
// 551 to 553 name the two neighbours the other way round.
consteval row ring_onward_reversed(int k) {
    return call({439, 1002}, p329, ref(ring_place(k + 1)), ref(compass(k + 4)), ref(ring_place(k - 1)),
                ref(compass(k)));
}

cond_fold wading_for_the_glint() { return cond(keyword(WORD_IN, 727, -1)).AND(anyof(1014, 17, -1)); }

// Place 547: ring walk.
constexpr row RING_547[] = {
    rewrite(131, 154),
    set_flag(155, OFLAG_SEEN),
    put_here(154),
    call(p50),
    call(p679, num(0)),
    look(),
        reply({962}, 2595),
        reply({958}, 1767, arg(0)),
        reply({200, 565, 1005}, 2593, arg_of(VAR_ARG2)),
        reply({1003}, 2593, arg(1005)),
        reply({1014, 17}, 2866),
        ret(),
    end(),
    when(wading_for_the_glint, reply(2867)),
    moving(),
        ring_on(0),
        ring_back(0),
        ring_onward(0),
        reply({958}, 2630),
        reply({1014}, 2867),
        when(has_word(WORD_BACK).AND(value_is(VAR_THERE, 586)), reply(1387, arg(2))),
    end(),
    mark({200, 1003, 565, 1005, 958, 922}),
    mark({17, 1014}),
};

// Place 548: ring walk.
constexpr row RING_548[] = {
    rewrite(131, 154),
    put_here(154),
    call(p50),
    call(p679, num(1)),
    look(),
        reply({962}, 2595),
        reply({WORD_RAMP, 571}, 2854, arg(0)),
        reply({958}, 1767, arg(0)),
        reply({1014, 17}, 2866),
        ret(),
    end(),
    when(wading_for_the_glint, reply(2867)),
    moving(),
        ring_back(1),
        ring_on(1),
        go({WORD_NORTHWEST, 571, WORD_UP, WORD_RAMP}, 571),
        ring_onward(1),
        reply({958}, 2630),
        reply({1014}, 2867),
    end(),
    mark({WORD_RAMP, 958, 571, 1014, 17}),
};

// Place 549: ring walk.
constexpr row RING_549[] = {
    call(p50),
    call(p679, num(1)),
    look(),
        reply({962}, 2595),
        reply({WORD_FLOOR, WORD_RAMP}, 2854, arg(2)),
        reply({958}, 1767, arg(0)),
        ret(),
    end(),
    moving(),
        ring_back(2),
        ring_on(2),
        go({WORD_NORTH, 958, WORD_RAMP, WORD_UP, WORD_CLIMB}, 558),
        ring_onward(2),
    end(),
    mark({WORD_RAMP, 958}),
};

// Place 550: ring walk.
constexpr row RING_550[] = {
    call(p50),
    call(p679, num(0)),
    look(),
        reply({962}, 2595),
        reply({WORD_RAMP}, 2855, arg(1)),
        reply({958}, 1767, arg(0)),
        ret(),
    end(),
    moving(),
        ring_back(3),
        ring_on(3),
        ring_onward(3),
        reply({WORD_RAMP, WORD_UP, 958}, 2855, arg(1)),
    end(),
    mark({WORD_RAMP, 958}),
};

// Place 551: ring walk.
constexpr row RING_551[] = {
    call(p50),
    call(p679, num(1)),
    look(),
        reply({962}, 2595),
        reply({WORD_RAMP}, 2854, arg(1)),
        reply({958}, 1767, arg(0)),
        reply({1003}, 2773, arg(1003)),
        ret(),
    end(),
    moving(),
        ring_back(4),
        ring_on(4),
        go({WORD_EAST, WORD_UP, WORD_CLIMB, WORD_RAMP, 958, 1003}, 555),
        ring_onward_reversed(4),
    end(),
    mark({WORD_RAMP, 1003, 958}),
};

// Place 552: ring walk.
constexpr row RING_552[] = {
    call(p50),
    call(p679, num(0)),
    look(),
        reply({962}, 2595),
        reply({WORD_FLOOR, WORD_RAMP}, 2855, arg(0)),
        reply({958}, 1767, arg(0)),
        ret(),
    end(),
    moving(),
        reply({WORD_RAMP, WORD_UP, 958}, 2855, arg(0)),
        ring_back(5),
        ring_on(5),
        ring_onward_reversed(5),
    end(),
    mark({WORD_RAMP, 958}),
};

// Place 553: ring walk.
constexpr row RING_553[] = {
    call(p50),
    call(p679, num(1)),
    look(),
        reply({962}, 2595),
        reply({WORD_RAMP}, 2854, arg(2)),
        reply({1003}, 2593, arg(1003)),
        reply({958}, 1767, arg(0)),
        ret(),
    end(),
    moving(),
        ring_on(6),
        ring_back(6),
        go({WORD_SOUTH, WORD_UP, WORD_RAMP, 958, WORD_CLIMB}, 562),
        ring_onward_reversed(6),
    end(),
    mark({WORD_RAMP, 1003, 958, 975}),
};

// The stream comes into the pool at 554: filling and drinking here go to
// the liquid words, not to the ring's shared replies.
cond_fold not_drawing_water() {
    return cond(!cond(anyof(WORD_CONSUME_LIQUID, WORD_FILL_VESSEL, -1)).OR(keyword(WORD_TAKE, 120, -1)));
}

// Place 554: ring walk.
constexpr row RING_554[] = {
    when(not_drawing_water, call(p50)),
    look(),
        reply({962}, 2595),
        reply({WORD_FLOOR, WORD_ROCK, 223}, 2857),
        reply({1003}, 2858),
        reply({958}, 1767, arg(0)),
        reply({WORD_STREAM}, 2417),
        reply({975}, 2870),
        ret(),
    end(),
    reply(all({WORD_CLIMB, 1003}), 2858),
    reply(all({WORD_IN, WORD_STREAM}), 2710),
    when(has_word(WORD_STREAM).OR(word_count(1)), reply({WORD_CROSS}, 1968)),
    moving(),
        ring_on(7),
        ring_back(7),
        go({WORD_SOUTHWEST, 849, WORD_STREAM}, 566),
        ring_onward(7),
        reply({850}, 1713, arg(3)),
    end(),
    mark({223, WORD_ROCK, 1003, WORD_STREAM, 958, 975}),
};

// --- The annexe: the landing, the sealed chamber, the hall, the overlook --

// Place 555: annexe landing.
constexpr row ANNEXE_LANDING[] = {
    call(p679, num(4)),
    look(),
        reply({WORD_DOWN}, 2753),
        reply({962}, 2753),
        reply({8}, 1849, arg_of(VAR_ARG2)),
        reply({WORD_RAMP}, 2854, arg(2)),
        reply({958}, 1767, arg(1)),
        reply({120, 1000}, 2753),
        reply({439}, 2743, arg(1)),
        reply({1003}, 2773, arg(1003)),
        ret(),
    end(),
    moving(),
        go({WORD_WEST, WORD_DOWN}, 551),
        go({WORD_SOUTHEAST}, 556),
        go({WORD_EAST, WORD_UP, WORD_RAMP, 958}, 557),
        reply({439}, 2160, arg(0)),
        reply({1003}, 1425),
    end(),
    mark({439, 1003, 958, WORD_RAMP}),
};

// The sealed chamber (556): its value is 0 at first, 1 once the player has
// tried to leave and been held back, 2 once the beacon has been found. A
// plain look, a look into the nook, or (after the first try) a look at the
// pinion, the rock or the beacon finds the beacon, once.
cond_fold looking_about_the_chamber() {
    return cond(anyof(928, 932, WORD_ROCK, 45, -1)).OR(words() == 1);
}
cond_fold beacon_to_be_found() {
    return cond(value[556] == 1).OR(words() == 1).OR(has(932)).AND(!bitest(45, OFLAG_SEEN));
}

// Place 556: sealed chamber.
constexpr row SEALED_CHAMBER[] = {
    call(p679, num(4)),
    look(),
        reply({8}, 1849, arg_of(VAR_ARG2)),
        // A room of fitted stone: no sky overhead.
        reply({WORD_UP, 376, 475}, 2019, arg(17)),
        group(looking_about_the_chamber),
            first(),
                group(beacon_to_be_found),
                    set_flag(571, PFLAG_HINT_AVAILABLE),
                    let(556, 2),
                    put_here(45),
                    set_flag(45, OFLAG_SEEN),
                    reply(2497),
                end(),
                group(has_word(45).OR(word_count(1))),
                end(),
                reply({928}, 2007),
                when(lacks_word(WORD_ROCK), reply(2033, arg_of(VAR_ARG2))),
            end(),
        end(),
        reply({958}, 1767, arg(1)),
        reply({WORD_RAMP}, 2856),
        reply({131, 973, 1015}, 2876),
        reply({WORD_ROCK}, 2878),
        ret(),
    end(),
    group({WORD_CLIMB}),
        reply({131}, 2877),
        let({WORD_UP, WORD_DOWN, 958}, VAR_COMMAND_STATUS, 1),
    end(),
    moving(),
        reply({WORD_CLIMB, 958, WORD_RAMP, WORD_UP}, 2856),
        group({WORD_NORTHWEST, WORD_DOWN, WORD_BACK}),
            first(),
                group(value_is(556, 0)),
                    let(556, 1),
                    reply(2498),
                end(),
                forced(555),
            end(),
        end(),
    end(),
    mark({958, WORD_RAMP, 1015, 131, 973}),
};

// Place 557: annexe hall.
constexpr row ANNEXE_HALL[] = {
    call(p679, num(4)),
    rewrite(131, 153),
    reply({153}, 1445, arg_of(153)),
    look(),
        reply({WORD_CLIFF}, 2985),
        reply({966}, 1849, arg_of(VAR_ARG2)),
        // A hall cut into the rock: no sky overhead.
        reply({WORD_UP, 376, 475}, 2019, arg(7)),
        reply({439}, 2743, arg(1)),
        reply({WORD_RAMP}, 2854, arg(2)),
        reply({958}, 1767, arg(1)),
        ret(),
    end(),
    moving(),
        go({WORD_WEST, WORD_DOWN, WORD_RAMP}, 555),
        go({WORD_NORTHEAST, WORD_UP, 958}, 564),
        go({WORD_SOUTH}, 558),
        reply({439}, 2160, arg(0)),
    end(),
    mark({439, WORD_RAMP, 958}),
};

cond_fold jumping_off_the_overlook() {
    return cond(has(762)).AND(cond(anyof(WORD_DOWN, 934, 573, -1)).OR(words() == 1));
}

// Place 558: overlook.
constexpr row OVERLOOK[] = {
    call(p679, num(4)),
    look(),
        reply({962}, 2753),
        reply({980}, 3245),
        reply({439}, 2743, arg(1)),
        reply({1000}, 2753),
        reply({934, 573, WORD_DOWN, 31, WORD_DROP}, 2527),
        reply({WORD_RAMP}, 2854, arg(1)),
        reply({958}, 1767, arg(1)),
        reply({WORD_STREAM, 575}, 2593, arg_of(VAR_ARG2)),
        ret(),
    end(),
    group(jumping_off_the_overlook),
        forced_on(PLACE_GONE),
        tell(2837),
        call(p154),
    end(),
    moving(),
        go({WORD_NORTHWEST, WORD_UP, WORD_RAMP, WORD_CLIMB, 958}, 557),
        go({WORD_SOUTHEAST, WORD_DOWN}, 549),
        reply({934, 573}, 1773),
        reply({439}, 2160, arg(0)),
        reply({575, WORD_STREAM}, 2630),
    end(),
    mark({439, WORD_WATERS, 1000, 934, 573, WORD_RAMP, 958, WORD_STREAM, 575, 31}),
    land(PLACE_GONE, 2567),
};

// --- The snag (559, 560) ----------------------------------------------------

// The snag (object 153) lies across the gap in state 1. The variant of text
// 3229 remembers which way it was last crossed: 1 towards the far end, 0
// back.
cond_fold snag_across() { return cond(value[153] == 1); }

// Place 559: near end of the snag.
constexpr row SNAG_NEAR_END[] = {
    rewrite_shown(131, 153),
    call(p679, num(4)),
    rewrite_shown(202, 197),
    when(snag_across, let(559, 1)),
    look(),
        reply({WORD_CLIFF}, 2985),
        group({1013}),
            when(snag_across, reply(2864, arg(1))),
            reply(2864, arg(0)),
        end(),
        reply({958}, 1767, arg(1)),
        reply({445, 872}, 2979, arg_of(445)),
        reply({197, WORD_DOWN, 966}, 1764),
        reply({912}, 3245),
        reply({11}, 1765, arg_of(153)),
        reply({WORD_RAMP}, 2856),
        ret(),
    end(),
    when(has_word(WORD_CLIMB).AND(has_any_word({WORD_DOWN, 197})), reply(1764)),
    when(snag_across, rewrite_shown(11, 153)),
    when(has_any_word({WORD_SOUTH, WORD_CROSS}).AND(value_is(153, 0)).OR(has_word(762)), reply(2434)),
    group({WORD_CLIMB}),
        when(word_count(1).OR(has_any_word({WORD_UP, 958, WORD_RAMP})), reply(2836)),
        when(word_count(1).OR(has_word(153)).AND(value_not(153, 1)), reply(2432)),
    end(),
    let(all({WORD_CROSS, 197}), VAR_COMMAND_STATUS, 1),
    group({153}),
        let({WORD_CROSS, WORD_CLIMB}, VAR_COMMAND_STATUS, 1),
        reply({120}, 2835),
        group({WORD_IN}),
            first(),
                group(snag_across),
                    let_variant(3229, 1),
                    forced(560, 2433),
                end(),
                otherwise(),
                    mark(),
                    ret(),
                end(),
            end(),
        end(),
    end(),
    moving(),
        go({WORD_EAST, 1013}, 563),
        group({WORD_SOUTH, WORD_CROSS, WORD_CLIMB}),
            let_variant(3229, 1),
            forced(560, 2433),
        end(),
    end(),
    mark({WORD_RAMP, 958, 197, 1013}),
    land(PLACE_GONE, 2568),
};

// Place 560: far end of the snag.
constexpr row SNAG_FAR_END[] = {
    rewrite_shown(131, 153),
    call(p679, num(4)),
    rewrite_shown(202, 197),
    look(),
        reply({WORD_CLIFF}, 2985),
        reply({975}, 3435),
        reply({197, WORD_DOWN, 966}, 1764),
        reply({912}, 3245),
        reply({11}, 1765, arg_of(153)),
        reply({958}, 1767, arg(1)),
        reply({1013}, 2864, arg(2)),
        ret(),
    end(),
    when(has_word(WORD_CLIMB).AND(has_any_word({WORD_DOWN, 197})), reply(1764)),
    reply({762}, 2434),
    rewrite_shown(11, 153),
    when(has_word(WORD_CROSS).AND(has_any_word({197, 153})), let(VAR_COMMAND_STATUS, 1)),
    group({153}),
        let({WORD_CLIMB}, VAR_COMMAND_STATUS, 1),
        group({WORD_IN}),
            first(),
                group(snag_across),
                    let_variant(3229, 0),
                    forced(559, 2433),
                end(),
                otherwise(),
                    mark(),
                    ret(),
                end(),
            end(),
        end(),
        reply({120}, 2835),
    end(),
    moving(),
        group({WORD_NORTH, WORD_CLIMB, WORD_CROSS}),
            let_variant(3229, 0),
            forced(559, 2433),
        end(),
        go({WORD_EAST, 1013, 565}, 561),
    end(),
    mark({197, 958, 11, 1013}),
    land(PLACE_GONE, 2568),
};

// --- The shrine landing, the low landing, the cross passage ---------------

// Place 561: shrine landing.
constexpr row SHRINE_LANDING[] = {
    call(p679, num(4)),
    call(p185, ref(74)),
    group({74, 1018, 134, 129, 30, 1028}),
        first(),
            group({798, WORD_LOOK}),
                let_variant(2643, 2),
                set_flag(VAR_GAME_FLAGS_3, 5),
                reply(2483),
            end(),
            group(word_count(1)),
                set_flag(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_ORPHAN),
                reply(1507, arg_of(VAR_ARG1)),
            end(),
            reply(1885, arg_of(74)),
        end(),
    end(),
    look(),
        reply({172, WORD_STREAM, WORD_DOWN}, 2775),
        reply({565}, 1382),
        reply({WORD_IN, WORD_WEST, 966}, 1383),
        reply({439}, 2743, arg(1)),
        reply({WORD_RAMP}, 2856),
        reply({1011}, 2851, arg(1)),
        reply({475}, 2982),
        reply({WORD_WALL}, 2983),
        reply({1010, 934, 573}, 1747),
        reply({WORD_CLIFF}, 2985),
        reply({WORD_LOOKOUT, 1073}, 2986),
        ret(),
    end(),
    group({WORD_CLIMB}),
        reply({WORD_RAMP, WORD_UP}, 2856),
        reply({565, WORD_WALL, 475}, 2984),
    end(),
    land(PLACE_GONE, 2570),
    moving(),
        go({WORD_IN, WORD_WEST, 565}, 565),
        group({WORD_NORTH}),
            let_variant(3229, 1),
            forced(560),
        end(),
        reply({439}, 2160, arg(0)),
        reply({573, 934}, 1773),
    end(),
    mark({565, 1073, 966, 439, 573, 934, WORD_RAMP}),
};

// Place 562: low landing.
constexpr row LOW_LANDING[] = {
    call(p679, num(2)),
    look(),
        reply({958}, 1767, arg(1)),
        reply({WORD_RAMP}, 2854, arg(1)),
        reply({WORD_FLOOR, 975}, 2870),
        reply({WORD_WATERS, 962}, 2595),
        reply({WORD_CLIFF}, 2594, arg(921)),
        ret(),
    end(),
    moving(),
        reply({WORD_WATERS, 439, WORD_CLIFF}, 2638),
        go({WORD_NORTHWEST, WORD_DOWN}, 553),
        go({WORD_SOUTHEAST, WORD_UP}, 563),
    end(),
    mark({958, WORD_RAMP, 975, 922, WORD_WATERS, WORD_CLIFF}),
};

// Place 563: cross passage.
constexpr row CROSS_PASSAGE[] = {
    call(p679, num(2)),
    rewrite(131, 974),
    look(),
        reply({WORD_CLIFF}, 2985),
        reply({974}, 1849, arg_of(VAR_ARG2)),
        reply({1013}, 2894, arg(1)),
        reply({958}, 1767, arg(1)),
        reply({WORD_RAMP}, 2854, arg(1)),
        reply({WORD_WATERS}, 2595),
        reply({197}, 2952, arg_of(197)),
        ret(),
    end(),
    group({974}),
        reply({WORD_CLIMB}, 2669, arg(1)),
        reply(2431, arg(974)),
    end(),
    moving(),
        when(has_word(WORD_BACK).AND(value_is(VAR_THERE, 570)), reply(2525)),
        group({WORD_SOUTH, WORD_UP, 197}),
            let_variant(3229, 0),
            forced(559),
        end(),
        go({WORD_NORTH, WORD_DOWN}, 562),
        go({WORD_NORTHWEST}, 564),
        go({WORD_EAST}, 566, 2486),
        group({1013}),
            let_variant(3229, 0),
            call(p329, ref(564), ref(752), ref(559), ref(749)),
        end(),
    end(),
    when([] { return cond(has(773)).AND(cond(has(WORD_STREAM)).OR(words() == 1)); }, reply(2871)),
    mark({1013, 958, 197, WORD_RAMP, WORD_WATERS, 922}),
    land(566, 2569),
};

// --- The counting room (564) ----------------------------------------------

// The taper (object 165) counts the commands given beside it; when the
// player leaves it burns out and is gone.
cond_fold taper_here() { return cond(lies_here(165)); }

// Place 564: counting room.
constexpr row COUNTING_ROOM[] = {
    when(taper_here, add(165, 1)),
    call(p679, num(4)),
    rewrite_shown(131, 974),
    look(),
        reply({WORD_CLIFF}, 2985),
        reply({1013}, 2894, arg(0)),
        reply({958}, 1767, arg(1)),
        reply({974}, 2670, arg_of(VAR_ARG2)),
        reply({973}, 2025),
        reply({WORD_RAMP}, 2895),
        ret(),
    end(),
    group({974}),
        reply({WORD_CLIMB}, 2669, arg(0)),
        reply(1445, arg(974)),
    end(),
    moving(),
        reply({WORD_UP, WORD_DOWN, WORD_NORTH, WORD_NORTHEAST, WORD_SOUTHEAST, WORD_SOUTH, WORD_WEST, WORD_NORTHWEST, WORD_RAMP}, 2895),
        group({WORD_SOUTHWEST, WORD_DOWN, WORD_EAST, 1013, WORD_BACK}),
            group(taper_here),
                let(165, 3),
                say_as(0, 165, 0),
                put(165, PLACE_GONE),
            end(),
            go({WORD_SOUTHWEST, WORD_DOWN}, 557),
            go({WORD_EAST}, 563),
            call({1013}, p329, ref(557), ref(750), ref(563), ref(747)),
        end(),
    end(),
    mark({1013, 958, 974, 973}),
};

// --- The sanctum (565) ----------------------------------------------------

// The sanctum's value counts the commands given there with the jewel
// carried (0..3); 4 once the jewel has been taken from the player, 5 once
// the sanctum has scattered what the player carried.

// Everything carried is flung over five places and the player is set down
// on the ring walk: a lit lamp or torch held burning stays in the hand, the
// lamp goes to the walk, each other thing where one draw sends it.
int scatter_the_carried() {
    apport(67, 565);
    value[565] = 5;
    apport(147, 572);
    if (cond(carried(OBJ_LIGHT_SOURCE))) apport(OBJ_LIGHT_SOURCE, 547);
    static constexpr int to[] = {565, 561, 547, 566, 548};
    for (hold_ref(VAR_LOOP_OBJECT, FIRST_OBJECT); value[VAR_LOOP_OBJECT] <= LAST_OBJECT; value[VAR_LOOP_OBJECT]++) {
        const int obj = value[VAR_LOOP_OBJECT];
        if (cond(carried(obj)).AND(!cond(bitest(obj, OFLAG_LIGHTABLE)).AND(value[obj] == 2))) {
            apport(obj, to[irand(5)]);
            if (obj == OBJ_VESSEL_MEDIUM) value[obj] = 2;
        }
    }
    moveto(547, -1);
    bitmod('c', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_MOVED);
    say(0, 2422, 0);
    p400();
    loop = 1;
    return 1;
}

cond_fold jewel_counted() { return cond(value[565] <= 2).AND(carried(67)); }
cond_fold leaving_with_the_jewel() {
    return cond(anyof(WORD_OUT, WORD_EAST, -1)).AND(value[565] <= 3).AND(near(67));
}

// Place 565: sanctum.
constexpr row SANCTUM[] = {
    when(has_word(WORD_LOOK).AND(has_any_word({376, WORD_UP})), reply(2019, arg(18))),
    when(jewel_counted, add(565, 1)),
    group(leaving_with_the_jewel),
        call(p831, num(0)),
        stop(),
    end(),
    group(value_is(565, 4)),
        reply({WORD_OUT, WORD_EAST}, 2423),
        group({WORD_LOOK}),
            reply({WORD_HOLE}, 1385, arg(3)),
            reply({WORD_DOWN, WORD_IN, 7}, 2528),
        end(),
        group({WORD_DOWN, WORD_IN, 7, WORD_GO, WORD_HOLE}),
            first(),
                group(movement_guard),
                    step(scatter_the_carried),
                end(),
                reply(1403),
            end(),
        end(),
    end(),
    look(),
        let({565}, VAR_COMMAND_STATUS, 1),
        reply({960}, 1385, arg(0)),
        reply({475, 376}, 1385, arg(1)),
        reply({920}, 1385, arg(2)),
        reply({WORD_FLOOR}, 1385, arg(4)),
        reply({WORD_WALL}, 1385, arg(5)),
        reply({WORD_OUT, 966}, 2777),
        reply({1011}, 2851, arg(0)),
        reply({1012}, 2852),
        ret(),
    end(),
    group({WORD_WALL, WORD_FLOOR, 960, 1011}),
        reply({808}, 2493, arg_of(VAR_ARG2)),
        when(has_word(1011), reply({792}, 1329)),
        reply({792}, 2850, arg_of(VAR_ARG2)),
    end(),
    moving(),
        go({WORD_OUT, WORD_BACK, WORD_EAST}, 561),
        reply(all({WORD_GO, 565}), 2620, arg_of(565)),
        when([] { return cond(has(WORD_IN)).AND(cond(has(565)).OR(words() == 1)); }, reply(2620, arg_of(565))),
    end(),
    when(value_is(565, 4), mark({7})),
    mark({960, 475, 376, WORD_WALL, 920, WORD_FLOOR, 966, 1011}),
    mark({1012}),
};

// --- The falls (566..568) -------------------------------------------------

// Down the falls from the foot a way opens by chance into the cross
// passage: the more the player may carry, the better the chance (90 in a
// hundred from a limit of 7 up).
int chance_way_down() {
    const int c = std::min(value[VAR_CARRY_LIMIT] + 2, 9) * 10;
    if (cond(irand(100) < c))
        moveto(563, -2484);
    else
        say_stop(2485);
    return 1;
}

// Place 566: foot of the falls.
constexpr row FALLS_FOOT[] = {
    call_word({WORD_CONSUME_LIQUID}, WORD_CONSUME_LIQUID),
    call(p679, num(0)),
    look(),
        reply({1131, 1132}, 2872),
        reply({WORD_ROCK, WORD_CLIFF}, 2640, arg(0)),
        reply({WORD_RAMP, WORD_EAST}, 2855, arg(1)),
        reply({538}, 2874),
        reply({WORD_STREAM, 120}, 2875),
        reply({172}, 2873),
        reply({WORD_WATERS}, 2952, arg(950)),
        reply({996}, 3272),
        ret(),
    end(),
    reply(all({WORD_IN, WORD_STREAM}), 2710),
    when(has_word(WORD_CLIMB).AND(has_any_word({WORD_UP, WORD_WEST, WORD_ROCK, WORD_CLIFF})), let(VAR_COMMAND_STATUS, 1)),
    moving(),
        go({WORD_NORTH, WORD_DOWN, 850}, 554),
        go({WORD_UP, WORD_SOUTH, 849}, 567),
        call({WORD_STREAM, 1131}, p329, ref(554), ref(745), ref(567), ref(749)),
        step({WORD_UP, WORD_CLIMB, WORD_WEST}, chance_way_down),
        reply({538}, 2874),
    end(),
    group({WORD_CROSS}),
        call_held(VAR_ARG1),
    end(),
    mark({WORD_STREAM, 922, 1131, WORD_ROCK, WORD_CLIFF, WORD_RAMP}),
};

// Place 567: middle of the falls.
constexpr row FALLS_MIDDLE[] = {
    call_word({WORD_CONSUME_LIQUID}, WORD_CONSUME_LIQUID),
    look(),
        reply({1131, 1132}, 2872),
        reply({WORD_STREAM, 120}, 2875),
        reply({172}, 2873),
        reply({WORD_CLIFF}, 2640, arg(1)),
        reply({996}, 2639),
        reply({1017}, 2980),
        ret(),
    end(),
    reply(all({WORD_IN, WORD_STREAM}), 2710),
    moving(),
        call({WORD_STREAM, 1131}, p329, ref(566), ref(746), ref(568), ref(752)),
        go({WORD_NORTHEAST, WORD_DOWN, 850}, 566),
        go({WORD_NORTHWEST, WORD_UP, 172, 849}, 568),
    end(),
    group({WORD_CROSS}),
        call_held(VAR_ARG1),
    end(),
    mark({WORD_STREAM, 172, 996, WORD_CLIFF, 1017}),
};

// Place 568: head of the falls.
constexpr row FALLS_HEAD[] = {
    call(p679, num(3)),
    look(),
        reply({1131, 1132}, 2872),
        reply({172, WORD_SOUTHEAST}, 2873),
        reply({WORD_STREAM, 120}, 2875),
        reply({WORD_CLIFF}, 2640, arg(2)),
        reply({WORD_WEST, WORD_SOUTHWEST, WORD_SOUTH, 934}, 2527),
        reply({WORD_ROCK}, 2988),
        reply({WORD_UP, WORD_CRACK}, 2987),
        let({1010}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    when(has_any_word({WORD_CLIMB, WORD_UP}).AND(has_any_word({WORD_UP, WORD_CRACK, WORD_CLIFF})), let(VAR_COMMAND_STATUS, 1)),
    reply(all({WORD_IN, WORD_STREAM}), 2710),
    moving(),
        go({WORD_STREAM, WORD_DOWN, 850, 1131, 172, WORD_SOUTHEAST}, 567),
        go({WORD_UP, WORD_CLIMB}, 569),
        group({WORD_WEST, 849, WORD_SOUTHWEST, WORD_NORTHWEST, 934}),
            group(object_carried(45)),
                when([] { return cond(bitest(569, 16)); }, reply(2630, arg(2))),
                reply(2630, arg(1)),
            end(),
            reply(2630, arg(0)),
        end(),
        reply({1010}, 1425),
    end(),
    mark({1131, 1132, WORD_ROCK, 1010, WORD_CLIFF, 934, WORD_STREAM, 172}),
};

// --- The cliff top (569) and the cliff path (570) -------------------------

// Place 569: cliff top.
constexpr row CLIFF_TOP[] = {
    look(),
        reply({962}, 2753),
        reply({921}, 3245),
        reply({571}, 2868),
        reply({913}, 2869),
        group({934, 573, WORD_DOWN}),
            set_flag(569, 16),
            let_variant(1878, 0),
            reply(2526),
        end(),
        ret(),
    end(),
    when(has_word(WORD_CLIMB).AND(has_any_word({WORD_UP, WORD_DOWN, 571, WORD_CROSS})), let(VAR_COMMAND_STATUS, 1)),
    moving(),
        go({WORD_UP, WORD_EAST, 571, WORD_CROSS}, 570),
        go({WORD_DOWN, WORD_CLIMB}, 568),
        reply({934, 573}, 1773),
        group({762}),
            forced_on(PLACE_GONE),
            tell(1768),
            call(p154),
        end(),
    end(),
    // A thing dropped over the edge lands at the head of the falls or is
    // lost, with even chances.
    either(VAR_LANDING_PLACE, 568, PLACE_GONE),
    let_ref(VAR_LANDING_TEXT, 2567),
    mark({934, 573, 571, 913, WORD_ROCK}),
};

// Place 570: cliff path.
constexpr row CLIFF_PATH[] = {
    look(),
        reply({439}, 2743, arg(1)),
        reply({WORD_WATERS, 120, 1000}, 2753),
        reply({958}, 1767, arg(1)),
        reply({WORD_CLIFF}, 2985),
        reply({WORD_DOWN, 1010, 480, 1013}, 2990),
        reply({571}, 2992),
        reply({1073}, 2993, arg_of(VAR_ARG2)),
        reply({WORD_RAMP}, 2994),
        reply({451}, 2995),
        ret(),
    end(),
    group({WORD_CLIMB}),
        reply({WORD_UP, WORD_CLIFF, 958}, 2989),
        first(),
            group(word_count(1)),
                let_ref(VAR_ARG2, 571),
            end(),
            let({WORD_DOWN, 480, 1013, 1010, 571}, VAR_COMMAND_STATUS, 1),
        end(),
    end(),
    let(all({762, WORD_DOWN}), VAR_COMMAND_STATUS, 1),
    moving(),
        go({WORD_WEST, 571}, 569),
        go({762}, 563, 3467),
        go({WORD_DOWN, WORD_EAST, 1010, 1013, 480}, 563),
        reply({958}, 2989),
        reply({439}, 2160, arg(0)),
        reply({451}, 1425),
    end(),
    land(563, 2571),
    group(word_count(1)),
        reply({WORD_WATERS, 120, 1000}, 2753),
        reply({1073, WORD_LOOKOUT}, 2993, arg_of(VAR_ARG2)),
    end(),
    mark({439, WORD_WATERS, 571, 480, 1013, 1000, 958, WORD_CLIFF, 1010, 1073, WORD_RAMP, 451}),
};

// --- The beacon chain (571..574) ------------------------------------------

// The beacon (object 45) lights the way down; it has to be carried, and
// burning (state 2) from the beacon way on.
cond_fold beacon_burning() { return cond(have(45, 0, 2)); }
cond_fold drinking_alone() { return cond(has(WORD_CONSUME_LIQUID)).AND(words() == 1); }
cond_fold vessel_chosen() { return cond(value[VAR_VESSEL] != 0); }

// Place 571: bastion.
constexpr row BASTION[] = {
    call(p679, num(1)),
    look(),
        reply({962}, 2753),
        reply({WORD_DOWN, 1010, 934, 573}, 2527),
        reply({958}, 1767, arg(0)),
        reply({WORD_RAMP}, 2854, arg(0)),
        reply({439}, 2951, arg_of(439)),
        reply({575}, 2998),
        let({571}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTHEAST, WORD_RAMP, 439}, 548),
        reply({958}, 2630),
        reply({571}, 1425),
        group({WORD_DOWN, 934, 573, 1010}),
            first(),
                group(object_carried(45)),
                    when([] { return cond(!bitest(569, 16)); }, reply(2436)),
                    forced(572, 2443),
                end(),
                reply(2438),
            end(),
        end(),
    end(),
    mark({439, 1010, 571, WORD_RAMP, 958, 573, 934, 575}),
};

// Place 572: beacon way.
constexpr row BEACON_WAY[] = {
    call(p679, num(3)),
    group(drinking_alone),
        call(p321, num(0)),
        when(vessel_chosen, ret()),
    end(),
    reply({120, WORD_CONSUME_LIQUID}, 3046),
    look(),
        reply({WORD_CLIFF}, 2985),
        reply({956}, 1849, arg_of(VAR_ARG2)),
        reply({573, 934}, 2774, arg(0)),
        reply({958}, 1767, arg(0)),
        reply({975}, 3045),
        reply({1010}, 3047, arg(0)),
        reply({996}, 3048),
        ret(),
    end(),
    group({762}),
        mark(),
        ret(),
    end(),
    when(has_any_word({WORD_CROSS, WORD_IN}).AND(has_word(934)), let(VAR_COMMAND_STATUS, 1)),
    moving(),
        when(has_any_word({WORD_UP, WORD_BACK}).AND(value_is(VAR_THERE, 571)), reply(2439)),
        reply({958}, 2630),
        group({WORD_BACK, WORD_CROSS, WORD_NORTH, 934, 573, WORD_NORTHWEST}),
            when(beacon_burning, forced(573, 2437)),
            reply(2440),
        end(),
    end(),
    mark({573, 934, 958, 922, 1135, 975, 1010, 996}),
};

// Place 573: descent.
constexpr row DESCENT[] = {
    call(p679, num(3)),
    group(drinking_alone),
        call(p321, num(0)),
        when(vessel_chosen, ret()),
    end(),
    reply({120, WORD_CONSUME_LIQUID}, 3049),
    look(),
        reply({999}, 3245),
        reply({934, 573}, 2774, arg(1)),
        reply({958}, 1767, arg(1)),
        reply({WORD_WALL, WORD_UP, WORD_CLIFF}, 2991, arg(1)),
        reply({1010}, 3047, arg(1)),
        reply({575}, 2998),
        ret(),
    end(),
    when(has_any_word({WORD_CLIFF, WORD_ROCK, WORD_UP, WORD_WALL}).OR(word_count(1)), reply({WORD_CLIMB}, 1826, arg(1))),
    when(has_any_word({WORD_IN, WORD_CROSS}).AND(has_word(934)), let(VAR_COMMAND_STATUS, 1)),
    moving(),
        group({WORD_NORTHEAST, 1010, 575}),
            when(beacon_burning, reply(2104, arg_of(45))),
            forced(574),
        end(),
        group(has_word(WORD_BACK).AND(value_is(VAR_THERE, 572)).OR(has_any_word({WORD_CROSS, WORD_SOUTH, 934, 573, WORD_SOUTHEAST}))),
            when(beacon_burning, forced(572, 2437)),
            reply(2440),
        end(),
        reply({958}, 1826, arg(1)),
    end(),
    mark({934, 573, WORD_WALL, WORD_CLIFF, 1010, 575}),
};

// Place 574: door approach.
constexpr row DOOR_APPROACH[] = {
    call(p679, num(3)),
    reply({WORD_CLIMB}, 1826, arg(2)),
    look(),
        reply({120, 575}, 2490, arg(0)),
        reply({958}, 1767, arg(1)),
        reply({WORD_UP, WORD_WALL, WORD_CLIFF}, 2991, arg(0)),
        reply({WORD_ROCK}, 2988),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTHWEST}, 573),
        reply({WORD_CLIMB, 958}, 1826, arg(2)),
        group({WORD_IN, WORD_NORTHEAST, 575}),
            when([] { return cond(bitest(575, PFLAG_VISITED)); }, forced(575, 2489)),
            let(VAR_QUESTION, 47),
            reply(1321),
        end(),
    end(),
    mark({958, WORD_ROCK, 575, WORD_CLIFF}),
};

}  // namespace

int p488() { return run<RING_547>(); }
int p502() { return run<RING_548>(); }
int p501() { return run<RING_549>(); }
int p503() { return run<RING_550>(); }
int p504() { return run<RING_551>(); }
int p500() { return run<RING_552>(); }
int p498() { return run<RING_553>(); }
int p499() { return run<RING_554>(); }
int p489() { return run<ANNEXE_LANDING>(); }
int p490() { return run<SEALED_CHAMBER>(); }
int p491() { return run<ANNEXE_HALL>(); }
int p492() { return run<OVERLOOK>(); }
int p493() { return run<SNAG_NEAR_END>(); }
int p494() { return run<SNAG_FAR_END>(); }
int p83() { return run<SHRINE_LANDING>(); }
int p495() { return run<LOW_LANDING>(); }
int p496() { return run<CROSS_PASSAGE>(); }
int p497() { return run<COUNTING_ROOM>(); }
int p830() { return run<SANCTUM>(); }
int p81() { return run<FALLS_FOOT>(); }
int p82() { return run<FALLS_MIDDLE>(); }
int p66() { return run<FALLS_HEAD>(); }
int p890() { return run<CLIFF_TOP>(); }
int p891() { return run<CLIFF_PATH>(); }
int p720() { return run<BASTION>(); }
int p57() { return run<BEACON_WAY>(); }
int p85() { return run<DESCENT>(); }
int p84() { return run<DOOR_APPROACH>(); }
