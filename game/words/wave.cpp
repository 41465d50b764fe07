// Word 781 (wave) and its three chunks: the sceptre, which turns the
// hourglass of the timekeeper's room and sets the hoard's doors counting;
// the cloth; and everything else carried, above all the wand, which
// bridges the rift, raises the span over the gulf and the bridge over the
// ravine, links the changing room with the lookout, and lets the firefly
// loose.
#include "game.h"

namespace {

constexpr int MIRROR_WAVED_AT = 13;
constexpr int FIRST_VISIT_BY_WAND = 16;  // place flag: the wand has carried the player from here before
constexpr int FLAG_COUNTDOWN_WARNED = 7; // VAR_GAME_FLAGS
constexpr int FLAG_SHOWER_SEEN = 4;      // VAR_GAME_FLAGS_3: the wand's shower of sparks, once
constexpr int RIFT_REMEMBERED = 13;

int phase() { return value[VAR_PHASE]; }

// The hourglass turns: the puzzle places of the hoard are set back and its
// countdown starts.
void turn_the_hourglass() {
    for (hold_ref(VAR_WORK_PLACE,
                  PLACE_STAIR_BOTTOM); value[VAR_WORK_PLACE] <= PLACE_HOARD_LEDGE; value[VAR_WORK_PLACE]++) {
        bitmod('c', value[VAR_WORK_PLACE], PFLAG_HINT_AVAILABLE);
        bitmod('c', value[VAR_WORK_PLACE], PFLAG_VISITED);
    }
    value[OBJ_GATE] = 0;
    value[PLACE_YARD] = 0;
    value[PLACE_GATEHOUSE] = 0;
    say(0, 2471, 0);
    value[PLACE_TIMED_STAIR] = 1;
    value[OBJ_HOURGLASS] = 25 + irand(10);
    bitmod('c', VAR_GAME_FLAGS, FLAG_COUNTDOWN_WARNED);
}

// The wand between the changing room and the lookout: the first trip each
// way says more than the later ones.
void wand_trip(int from, int text) {
    if (cond(bitest(from, FIRST_VISIT_BY_WAND))) {
        say(SAY_ARG, text, 1);
    } else {
        say(SAY_ARG, text, 0);
        bitmod('s', from, FIRST_VISIT_BY_WAND);
    }
}

// The wand waved where nothing answers it, now and then in a shower of
// sparks, once.
void wand_waved_idly() {
    if (cond(bitest(OBJ_RIFT, RIFT_REMEMBERED))
            .AND(!bitest(VAR_GAME_FLAGS_3, FLAG_SHOWER_SEEN))
            .AND(!here_has(PFLAG_OPEN_AIR))
            .AND(!within(here(), PLACE_RING_WALK_547, PLACE_GONE))
            .AND(irand(100) < 1)) {
        bitmod('s', VAR_GAME_FLAGS_3, FLAG_SHOWER_SEEN);
        if (cond(!light())) {
            loop = 1;
            return;
        }
        say_stop(2379);
        return;
    }
    say_stop(cond(value[2488] > 0) ? 2491 : 1329);
}

// What the wand does where it is waved, first match.
void wave_the_wand() {
    if (cond(within(here(), PLACE_RING_WALK_547, PLACE_COUNTING_ROOM))) {
        say_stop(2418);
        return;
    }
    if (cond(near(OBJ_RIFT))) {
        if (cond(phase() <= 4)) {
            value[OBJ_RIFT] += 1;
            if (cond(value[OBJ_RIFT] == 2)) {
                value[OBJ_RIFT] = 0;
                bitmod('s', OBJ_RIFT, OFLAG_FIXTURE);
                apport(OBJ_BRIDGE, PLACE_OFFSTAGE);
            } else {
                bitmod('c', OBJ_RIFT, OFLAG_FIXTURE);
            }
            say(SAY_ARG | SAY_ARGVAR, 1985, OBJ_RIFT);
        }
        if (cond(phase() > 4)) say(0, 1329, 0);
        loop = 1;
        return;
    }
    if (cond(near(OBJ_SPAN))) {
        if (cond(phase() > 4)) {
            say_stop(1329);
            return;
        }
        say(SAY_ARG, 1571, 0);
        value[OBJ_SPAN] = 1;
        loop = 1;
        return;
    }
    if (cond(near(OBJ_RAVINE)).AND(phase() <= 4)) {
        value[OBJ_RAVINE] += 1;
        say(0, OBJ_RAVINE, 0);
        value[OBJ_RAVINE] += 1;
        if (cond(value[OBJ_RAVINE] == 4)) {
            value[OBJ_RAVINE] = 0;
            bitmod('s', OBJ_RAVINE, OFLAG_FIXTURE);
            apport(OBJ_BRIDGE, PLACE_OFFSTAGE);
        } else {
            apport(OBJ_BRIDGE, VAR_HERE);
            bitmod('c', OBJ_RAVINE, OFLAG_FIXTURE);
        }
        loop = 1;
        return;
    }
    if (cond(here() == PLACE_CHANGING_ROOM)) {
        wand_trip(PLACE_CHANGING_ROOM, 2315);
        if (cond(!bitest(VAR_GAME_FLAGS_3, 10))) bitmod('s', VAR_COMMAND_STATUS, 12);
        for (int p = PLACE_DUNES_594; p <= PLACE_DUNES_617; p++) {
            p808(ref(p));
            if (loop) return;
        }
        moveto(PLACE_LOOKOUT_POINT, -1);
        loop = 1;
        return;
    }
    if (cond(here() == PLACE_LOOKOUT_POINT)) {
        wand_trip(PLACE_LOOKOUT_POINT, 2316);
        moveto(PLACE_CHANGING_ROOM, -1);
        loop = 1;
        return;
    }
    if (cond(near(OBJ_FIREFLY))) {
        if (cond(value[OBJ_FIREFLY] == 0)) apport(OBJ_FIREFLY,
            cond(here() == PLACE_UPPER_CHAMBER) ? PLACE_CLEFT : PLACE_UPPER_CHAMBER);
        say_stop(cond(value[OBJ_FIREFLY] == 1) ? 3476 : 2429);
        return;
    }
    wand_waved_idly();
}

}  // namespace

int p906() { return run_chain({p907, p908, p909}); }

// Chain part of p906 (word 781 ("wave")), part 1 of 3: object 147 (sceptre).
int p907() {
    if (!cond(has(OBJ_SCEPTRE)).AND(carried(OBJ_SCEPTRE))) return 0;
    if (cond(here_has(PFLAG_OPEN_AIR))) {
        say_stop(2468);
        return 0;
    }
    if (cond(light())) {
        if (cond(here() == PLACE_TIMEKEEPERS_ROOM).AND(value[OBJ_HOURGLASS] == 0)) {
            apport(OBJ_HOURGLASS, VAR_HERE);
            bitmod('s', OBJ_HOURGLASS, OFLAG_SEEN);
            value[OBJ_HOURGLASS] = 1;
            value[PLACE_TIMEKEEPERS_ROOM] = 1;
            set_variant(2467, 1);
            say(0, 3496, 0);
        }
        say(0, 2469, 0);
    } else {
        // In the dark the hourglass does not come: it stays out of play.
        say(0, 2470, 0);
    }
    if (cond(here() == PLACE_TIMEKEEPERS_ROOM)) {
        if (cond(value[OBJ_HOURGLASS] > 1)) {
            say_stop(2466);
            return 0;
        }
        turn_the_hourglass();
    }
    loop = 1;
    return 0;
}

// Chain part of p906 (word 781 ("wave")), part 2 of 3: object 63 (cloth).
int p908() {
    if (!cond(has(OBJ_CLOTH)).AND(near(OBJ_CLOTH))) return 0;
    int k = 0;
    if (cond(value[OBJ_CLOTH] != 0)) k = cond(bitest(OBJ_CLOTH, OFLAG_CLOTH_BEATEN)) ? 1 : 2;
    say_stop_variant(2661, k);
    return 0;
}

// Chain part of p906 (word 781 ("wave")), part 3 of 3: everything else.
int p909() {
    bitmod('s', OBJ_MIRROR, MIRROR_WAVED_AT);
    if (cond(words() == 2).AND(!has(OBJ_MIRROR))) {
        if (cond(!bitest(arg2(), FLAG_IS_OBJECT))) return 0;
        if (cond(!bitest(arg2(), OFLAG_PORTABLE))) {
            say_stop(1315);
            return 0;
        }
        if (cond(!carried(arg2()))) {
            say_stop_typed(1318, VAR_ARG2);
            return 0;
        }
    } else {
        if (cond(near(OBJ_MIRROR))) {
            say(0, 2141, 0);
            say_stop(1266);
            return 0;
        }
        default_to(0, here(), OFLAG_ADDRESSABLE);
        if (cond(words() == 1))
            say_stop(2142);
        else
            say_stop_typed(2825, VAR_ARG2);
        return 0;
    }
    if (cond(has(OBJ_WAND))) {
        wave_the_wand();
    } else if (cond(anyof(OBJ_AXE, OBJ_SWORD, OBJ_DAGGER, -1))) {
        if (cond(!light())) {
            say_stop_typed(2140, VAR_ARG2);
            return 0;
        }
        p910();
        if (loop) return 0;
    } else {
        say(0, 1329, 0);
    }
    if (!loop) loop = 1;
    return 0;
}
