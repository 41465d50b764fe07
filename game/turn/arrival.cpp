// Arrival and per-turn events, the second and third parts of the REPEAT
// chain. Both run before the command is read and do nothing while a
// question is pending. p4 does some upkeep every turn and, on the turn
// after a move, the arrival: the prowler blocks or follows, the lamp burns,
// the place is described, the dark threatens a fall, and the world's events
// and the scheduler run; on a turn without a move only the prowler may
// strike. p5 runs the counters of every turn: the offer of help, the
// hazards, the giant, the hints, the recount of the pack, the reserve and
// the turn limit.
#include "game.h"

namespace {

// The places of the long corridor and the honeycomb whose description is
// followed by a remark of their own, and the one with another.
int corridor_remark(int place) {
    if (cond(place == PLACE_LONG_CORRIDOR_643).OR(place == PLACE_LONG_CORRIDOR_644).OR(place == PLACE_LONG_CORRIDOR_647).OR(place == PLACE_LONG_CORRIDOR_648).OR(within(place,
                                                                                                                                                                        PLACE_HONEYCOMB_652, PLACE_HONEYCOMB_663))
            .OR(place == PLACE_HONEYCOMB_666))
        return 2785;
    if (cond(place == PLACE_LONG_CORRIDOR_649)) return 2786;
    return 0;
}

// A one-word LOOK.
int look_alone() { return cond(has(WORD_LOOK)).AND(words() == 1); }

// The taper of the counting room.
int taper() {
    if (cond(near(OBJ_TAPER))) {
        if (cond(value[OBJ_TAPER] == 3).AND(!look_alone())) say(0, OBJ_TAPER, 0);
        if (cond(value[OBJ_TAPER] > 2)) apport(OBJ_TAPER, PLACE_GONE);
    }
    if (cond(irand(100) < 50).AND(isat(OBJ_TAPER, -1, 0, PLACE_OFFSTAGE))) {
        apport(OBJ_TAPER, here());
        if (cond(!bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_MOVED))) say(0, OBJ_TAPER, 0);
        bitmod('s', OBJ_TAPER, OFLAG_SEEN);
    }
    return 0;
}

// Arrival part A: what every move changes, lit or not.
int arrival_a() {
    set_variant(2510, 0);
    set_variant(2511, 0);
    bitmod('c', OBJ_BAIT, 13);
    bitmod('s', OBJ_LIQUID_1, 13);
    if (cond(near_in(OBJ_IMP, 0))) bitmod('s', OBJ_IMP, 13);
    bitmod('s', OBJ_GIANT, OFLAG_BLOCKS_PASSAGE);
    value[VAR_ARRIVALS] += 1;
    if (cond(here() == PLACE_HALL_OF_WAYS)) set('V', VAR_HUB_ORIGIN, 'v', VAR_THERE, nullptr, nullptr);
    if (cond(within(here(), PLACE_NORTHERN_HEATH,
                    PLACE_MIRE)).OR(here() == PLACE_ROAD).OR(here() == PLACE_THICKET_GAP)) apport(OBJ_TREE,
        here());
    if (cond(value[OBJ_ATTACKER] > 0)) {
        if (cond(here_has(7)).OR(here_has(PFLAG_CREATURE_FREE))) {
            bitmod('c', OBJ_ATTACKER, OFLAG_BLOCKS_PASSAGE);
            if (cond(irand(100) < 15)) {
                value[OBJ_ATTACKER] -= 1;
                if (cond(value[OBJ_ATTACKER] == 0)) apport(OBJ_ATTACKER, PLACE_OFFSTAGE);
            }
        } else if (cond(!isat(OBJ_ATTACKER, -1, 0, here())).AND(!isat(OBJ_ATTACKER, -1, 0, value[VAR_THERE]))) {
            value[OBJ_ATTACKER] = 0;
            apport(OBJ_ATTACKER, PLACE_OFFSTAGE);
        }
    }
    if (cond(bitest(OBJ_PHANTOM, 13)).AND(here_has(7))) bitmod('c', OBJ_PHANTOM, 13);
    if (cond(here() == PLACE_WHIRLING_CAVE).OR(here() == PLACE_UPSTREAM_POOL).OR(here() == PLACE_HALL_OF_GLIMMERS).OR(here() == PLACE_MIRE)) {
        p678();
        if (loop) return 0;
    }
    return 0;
}

// The arrival with light: the place described, the phase timer, the
// prowler following, the objects here.
int arrival_lit() {
    say(SAY_REFVAR, VAR_HERE, 0);
    // The long corridor and the honeycomb add a remark to each description
    // (they are lit, so this is where the remark belongs).
    if (int t = corridor_remark(here())) say(0, t, 0);
    if (cond(here() == PLACE_TIMEKEEPERS_ROOM)) {
        p323();
        if (loop) return 0;
    }
    if (cond(value[VAR_THERE] == PLACE_MIRE).AND(here() != PLACE_MIRE).AND(anyof(WORD_NORTH, WORD_NORTHEAST, WORD_EAST,
                   WORD_SOUTHEAST, WORD_SOUTH, WORD_SOUTHWEST, WORD_WEST, WORD_NORTHWEST, -1)))
        say(0, 2598, 0);
    p796();
    if (loop) return 0;
    int step = cond(is_visited(here())) ? 2 : 3;
    if (cond(!here_has(7))) value[VAR_PHASE_TIMER] -= step;
    bitmod('s', here(), PFLAG_VISITED);
    if (cond(value[OBJ_ATTACKER] <= 0))
        bitmod('c', OBJ_ATTACKER, OFLAG_BLOCKS_PASSAGE);
    else if (cond(!here_has(7)).AND(!here_has(PFLAG_CREATURE_FREE)))
        apport(OBJ_ATTACKER, here());
    p400();
    if (loop) return 0;
    if (cond(near(OBJ_ATTACKER)).AND(value[VAR_HOARD_PICK] != 0).AND(irand(100) < 67)) {
        say(SAY_ARG, 1816, cond(value[OBJ_ATTACKER] == 1) ? 0 : 1);
    }
    if (cond(carried(OBJ_LYNX))) say(0, 1426, 0);
    return 0;
}

// Whether the player falls in the dark: no light was left behind, the
// chasm's carrier is not about; the tests are made one after the other, and
// the draw of the fourth whenever the first three passed.
int fall_due() {
    const int there = value[VAR_THERE];
    if (!cond(!bitest(there, PFLAG_LIT)).AND(!near_in(OBJ_CHASM, 1))) return 0;
    if (cond(isat(OBJ_LIGHT_SOURCE, 0, 1, there))) return 0;
    if (cond(isat(OBJ_SUNSTONE, -1, 0, there)).AND(value[OBJ_SUNSTONE] != 1)) return 0;
    if (!cond(cond(carried(OBJ_JOURNAL)).OR(irand(100) < 25)).AND(!bitest(VAR_GAME_FLAGS,
                   5)).AND(value[VAR_PHASE] <= 5))
        return 0;
    return !cond(near(OBJ_CHASM)).AND(value[OBJ_CHASM] > 0);
}

// The arrival in the dark: the corridor's remark, the fall, the darkness.
int arrival_dark() {
    bool dark_told = false;
    if (cond(within(here(), PLACE_THRESHOLD, PLACE_LEDGER_CELL))) {
        if (int t = corridor_remark(here())) {
            say(0, t, 0);
        } else {
            p852(num(0));
            if (loop) return 0;
            dark_told = true;
        }
    }
    if (fall_due()) {
        if (cond(here_has(7))) {
            say(SAY_ARG, 1312, 0);
        } else {
            say(SAY_ARG, 1312, 1);
            p154();
            if (loop) return 0;
        }
    }
    // Said once: where the corridor's step has just said it, not again.
    if (!dark_told) {
        p852(num(0));
        if (loop) return 0;
    }
    return 0;
}

// The vessel remark of the terraces 620..622, once.
int terrace_remark() {
    bitmod('c', VAR_COMMAND_STATUS, 12);
    p321(num(0));
    if (loop) return 0;
    const int v = value[VAR_VESSEL];
    if (cond(v == 0))
        say(SAY_ARG, 3010, cond(carried(OBJ_VESSEL_LARGE)) ? 0 : 1);
    else if (cond(v == OBJ_VESSEL_SMALL))
        say(SAY_ARG, 3010, 1);
    else if (cond(cond(v == OBJ_VESSEL_LARGE).AND(value[OBJ_VESSEL_LARGE] == 9)).OR(v == OBJ_VESSEL_MEDIUM))
        say(SAY_ARG, 3010, 2);
    else if (cond(v == OBJ_VESSEL_LARGE).AND(value[OBJ_VESSEL_LARGE] > 3))
        say(SAY_ARG, 3010, 3);
    bitmod('s', VAR_GAME_FLAGS_3, 10);
    return 0;
}

// The ring walk's rare remarks: the cloth's warning, or one of three
// sights each told once.
int ring_walk_remark() {
    if (cond(bitest(VAR_GAME_FLAGS_3, 7))) {
        say(0, 2574, 0);
        bitmod('c', VAR_GAME_FLAGS_3, 7);
        loop = 1;
        return 0;
    }
    frame<1> f;  // the text chosen
    f.lvals[0] = 2414 + irand(3);
    if (cond(!bitest(1219, f.lvals[0] - 2414))) {
        bitmod('s', 1219, f.lvals[0] - 2414);
        say(0, 1266, 0);
        say(0, f.lvals[0], 0);
    }
    return 0;
}

// The per-turn scheduler: the phase procedures, or a theft now and then.
int scheduler() {
    if (cond(here_has(7)).OR(value[VAR_PHASE] > 5)) {
        p549();
        if (loop) return 0;
    } else if (cond(value[VAR_PHASE_TIMER] <= 0)) {
        p272();
        if (loop) return 0;
    } else {
        bitmod('c', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_EVENT);
        value[1248] -= 1;
        if (cond(value[1248] == 0)) {
            value[1248] = 10 + irand(11);
            p380();
            if (loop) return 0;
        } else {
            p549();
            if (loop) return 0;
        }
    }
    return 0;
}

// Arrival part C, after the prowler's retreat did not send the player back.
int arrival_c() {
    bitmod('s', VAR_QUESTION, VFLAG_QUESTION_ARRIVED);
    hold_ref(VAR_PASSAGE_TEXT, 1587);
    if (cond(irand(100) < 1)) hold_ref(VAR_PASSAGE_TEXT, 1588);
    if (cond(near_in(OBJ_LIGHT_SOURCE, LIGHT_LIT)).AND(here() != PLACE_HALL_OF_GLIMMERS)) {
        value[VAR_LIGHT_POWER] -= 1;
        if (cond(value[VAR_LIGHT_POWER] == LIGHT_POWER_LOW).OR(value[VAR_LIGHT_POWER] == 0)) {
            p522();
            if (loop) return 0;
        }
    }
    if (cond(near(OBJ_WANDERER)).AND(light())) {
        p659();
        if (loop) return 0;
    }
    if (cond(!isat(OBJ_FOLLOWER, -1, 0, PLACE_OFFSTAGE)).AND(!isat(OBJ_FOLLOWER, -1, 0, PLACE_GONE))) {
        apport(OBJ_FOLLOWER, here());
        if (cond(value[OBJ_FOLLOWER] > 0).AND(light())) say(0, 1635, 0);
    }
    if (cond(light()))
        arrival_lit();
    else
        arrival_dark();
    if (loop) return 0;
    bitmod('c', VAR_GAME_FLAGS, 5);
    if (cond(irand(100) < 1)
            .AND(irand(100) < 5)
            .AND(value[VAR_PHASE] <= 5)
            .AND(value[VAR_TURNS] > 250)
            .AND(!here_has(PFLAG_LIT))) {
        p220();
        if (loop) return 0;
    }
    p536();
    if (loop) return 0;
    if (cond(within(here(), PLACE_UPPER_TERRACE, PLACE_LOWEST_TERRACE)).AND(bitest(VAR_COMMAND_STATUS,
                    12)).AND(!bitest(VAR_GAME_FLAGS_3, 10))) {
        terrace_remark();
        if (loop) return 0;
    }
    if (cond(cond(here() == PLACE_STREAM_RUN).OR(here() == PLACE_UPPER_STREAM_RUN)).AND(here_has(16))) {
        bitmod('c', here(), 16);
        say(0, here() == PLACE_STREAM_RUN ? 2544 : 2545, 0);
    }
    if (cond(value[VAR_ENTRY_REMARK] > 0)) {
        value[VAR_ENTRY_REMARK] = 0;
        if (!cond(cond(is_visited(PLACE_RIVER_BLUFF)).OR(is_seen(OBJ_PLUME))).AND(is_seen(OBJ_IDOL)))
            say(0, cond(is_visited(PLACE_RIVER_BLUFF)).OR(is_seen(OBJ_IDOL)) ? 2306 : 2305, 0);
    }
    if (cond(here() == PLACE_DRUM_CHAMBER)) {
        if (cond(irand(100) < 35)) say(0, 1293, 0);
    }
    if (cond(within(here(), PLACE_RING_WALK_548, PLACE_RING_WALK_553))) {
        if (cond(irand(100) < 3)) {
            ring_walk_remark();
            if (loop) return 0;
        }
    }
    p392();
    if (loop) return 0;
    scheduler();
    if (loop) return 0;
    if (cond(near(OBJ_ATTACKER))) {
        value[VAR_ATTACK_ESCAPE_CHANCE] = 50;
        p245();
        if (loop) return 0;
    }
    if (cond(isat(OBJ_LIGHT_SOURCE, -1, 0, PLACE_GONE)).AND(here() == PLACE_START).AND(value[VAR_PHASE] <= 6)) {
        say(0, 1485, 0);
        p322();
        if (loop) return 0;
    }
    if (!cond(is_seen(OBJ_AXE)).OR(!light()).OR(value[VAR_ARRIVALS] <= 149).OR(!is_seen(OBJ_SPIDER))) {
        p246(num(0));
        if (loop) return 0;
    }
    if (!cond(is_seen(OBJ_PHANTOM)).OR(!light()).OR(value[VAR_ARRIVALS] <= 199)) {
        p671(num(0));
        if (loop) return 0;
    }
    return 0;
}

// Upkeep of every turn, before the arrival (steps 2 to 15).
int upkeep() {
    if (cond(value[VAR_HOARD_PICK] > 0).AND(!isat(value[VAR_HOARD_PICK], -1, 0, PLACE_HOARD)))
        value[VAR_HOARD_PICK] = 0;
    // An object in two places that has gone to the void is in one place now.
    // This runs over every object every turn, and its tests only read the
    // world: the places are looked at only for an object in two places, and
    // value[0] is left holding each object's result as the fold would.
    for (int obj = FIRST_OBJECT; obj <= LAST_OBJECT; obj++) {
        const int gone = bitest(obj, OFLAG_TWO_PLACES) && isat(obj, -1, -1, PLACE_GONE) &&
                         !isat(obj, -1, -1, PLACE_OFFSTAGE);
        value[0] = gone;
        if (gone) bitmod('c', obj, OFLAG_TWO_PLACES);
    }
    // Variable 1215 holds a value until the second turn start after it.
    if (cond(value[VAR_ATTACKER_FELLED] != 0)) {
        if (cond(bitest(VAR_ATTACKER_FELLED, 0))) {
            value[VAR_ATTACKER_FELLED] = 0;
            bitmod('c', VAR_ATTACKER_FELLED, 0);
        } else {
            bitmod('s', VAR_ATTACKER_FELLED, 0);
        }
    }
    set_variant(1702, cond(here_has(7)).AND(!here_has(18)).OR(here() == PLACE_BOTTOM_OF_FALL));
    p487();
    if (loop) return 0;
    if (cond(here() == PLACE_COUNTING_ROOM)) taper();
    if (cond(here() == PLACE_OPEN_SKY)) {
        if (!look_alone()) say(0, 1266, 0);
        if (cond(value[PLACE_OPEN_SKY] == 0)) {
            bitmod('s', OBJ_REEDS, OFLAG_SEEN);
            moveto(PLACE_RING_WALK_547, -2520);
            if (loop) return 0;
        }
    } else if (cond(value[OBJ_CLOTH] == 1).AND(!lies_here(OBJ_CLOTH))) {
        value[OBJ_CLOTH] = 3;
    }
    if (cond(here_has(PFLAG_SHIFTING_EXITS))) {
        p212();
        if (loop) return 0;
    }
    if (cond(bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_CARRIED_CHANGED)).AND(here() == PLACE_BRINK_OF_DROP) &&
        cond(anyof(WORD_DROP, WORD_THROW, -1))) {
        p940();
        if (loop) return 0;
    }
    if (cond(irand(100) < 4).AND(value[VAR_PHASE] == 3)) {
        p547();
        if (loop) return 0;
    }
    if (cond(value[VAR_PHASE] == 6)) {
        p809();
        if (loop) return 0;
    }
    if (cond(here() == PLACE_CAIRN_FIELD)) bitmod('s', OBJ_BAIT, OFLAG_SEEN);
    if (cond(here() == PLACE_SUNKEN_GROTTO_671).AND(value[PLACE_SUNKEN_GROTTO_671] == 2)) {
        say(0, 2879, 0);
        value[PLACE_SUNKEN_GROTTO_671] += 1;
    }
    if (cond(here() == PLACE_STEPWELL)) value[PLACE_STEPWELL] = cond(value[PLACE_NICHE] == 0).AND(!carried(OBJ_INGOT)) ? 0 : 1;
    return 0;
}

}  // namespace

// REPEAT chain, part 2: arrival and world events.
int p4() {
    if (cond(value[VAR_QUESTION] > 0)) return 0;
    upkeep();
    if (loop) return 0;
    const int moved = bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_MOVED);
    if (cond(moved)) {
        arrival_a();
        if (loop) return 0;
    }
    if (cond(bitest(VAR_GAME_FLAGS, 0))) {
        p848();
        if (loop) return 0;
    }

    // No move: the player did not arrive this turn; the prowler may strike.
    if (cond(!moved)) {
        bitmod('c', VAR_QUESTION, VFLAG_QUESTION_ARRIVED);
        if (cond(near(OBJ_ATTACKER)).AND(irand(100) < value[VAR_ATTACK_CHANCE])) {
            p245();
            if (loop) return 0;
        }
        return 0;
    }

    // Arrival part B: the sunstone's state, and the prowler's retreat that
    // puts the player back where it stands.
    if (cond(near(OBJ_SUNSTONE)).AND(value[OBJ_SUNSTONE] > 1)) value[OBJ_SUNSTONE] = cond(lies_here(OBJ_SUNSTONE)) ? 3 : 2;
    if (cond(bitest(value[VAR_THERE], 11)).AND(isat(OBJ_ATTACKER, -1, 0, value[VAR_THERE]))) {
        if (cond(irand(100) < 97)) {
            moveto(value[VAR_THERE], -1);
            bitmod('c', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_MOVED);
            bitmod('c', VAR_QUESTION, VFLAG_QUESTION_ARRIVED);
            say(0, 1284, 0);
            bitmod('s', OBJ_ATTACKER, OFLAG_BLOCKS_PASSAGE);
            return 0;
        }
        p784();
        if (loop) return 0;
    }
    arrival_c();
    if (loop) return 0;
    return 0;
}

namespace {

// Whether the player, having moved on, still counts as lingering in the
// same place: the same maze, or the shifting dunes.
int same_region() {
    const int h = here(), c = value[VAR_HERE_COPY];
    return cond(is_visited(h)).AND(cond(cond(within(h, PLACE_WARREN_227, PLACE_WARREN_CHUTE)).AND(within(c,
                                                    PLACE_WARREN_227, PLACE_WARREN_CHUTE)))
                                    .OR(cond(within(h, PLACE_TANGLE_362, PLACE_FAR_END_OF_TANGLE)).AND(within(c,
                                                    PLACE_TANGLE_362, PLACE_FAR_END_OF_TANGLE)))
                                    .OR(cond(within(h, PLACE_LABYRINTH_391, PLACE_HEART_OF_LABYRINTH)).AND(within(c,
                                                    PLACE_LABYRINTH_391, PLACE_HEART_OF_LABYRINTH)))
                                    .OR(cond(within(h, PLACE_MAZE_CROSSING, PLACE_TURNING_GALLERY_350)).AND(within(c,
                                                    PLACE_MAZE_CROSSING, PLACE_TURNING_GALLERY_350)))
                                    .OR(cond(here_has(PFLAG_SHIFTING_EXITS)).AND(within(c, PLACE_DUNES_594,
                                                      PLACE_DUNES_617))));
}

// The counter that leads to the offer of help after some ten turns in one
// place (or one maze).
int help_counter() {
    if (cond(value[VAR_HERE_COPY] == 0)) {
        set('V', VAR_HERE_COPY, 'v', VAR_HERE, nullptr, nullptr);
        value[VAR_TURNS_AT_ONE_PLACE] = 0;
    }
    if (cond(value[VAR_HERE_COPY] == here()).AND(test("doall") == 0)) {
        value[VAR_TURNS_AT_ONE_PLACE] += 1;
        if (cond(value[VAR_TURNS_AT_ONE_PLACE] > 10).AND(test("needcmd") == 1)) {
            p405();
            if (loop) return 0;
        }
    } else if (!same_region()) {
        value[VAR_TURNS_AT_ONE_PLACE] = 0;
        set('V', VAR_HERE_COPY, 'v', VAR_HERE, nullptr, nullptr);
    }
    return 0;
}

// The eel: six turns near it are fatal.
int eel() {
    value[OBJ_EEL] += 1;
    say(0, 1993, 0);
    if (cond(value[OBJ_EEL] > 5)) {
        moveto(PLACE_BOTTOM_OF_FALL, -1);
        if (cond(carried(OBJ_BREAD))) apport(OBJ_BREAD, PLACE_OFFSTAGE);
        value[OBJ_EEL] = 0;
        p154();
        if (loop) return 0;
    }
    return 0;
}

// The pack counted again: carried objects that count against the limit.
void recount_pack() {
    int n = 0;
    for (hold_ref(VAR_LOOP_OBJECT, FIRST_OBJECT); value[VAR_LOOP_OBJECT] <= LAST_OBJECT; value[VAR_LOOP_OBJECT]++)
        if (cond(carried(value[VAR_LOOP_OBJECT])).AND(!bitest(value[VAR_LOOP_OBJECT], OFLAG_NOT_COUNTED))) n++;
    value[VAR_CARRIED_COUNT] = n;
}

// The lit fuse burning down in the hand; let go, it goes out.
int fuse() {
    int &state = value[OBJ_FUSE];
    if (cond(carried(OBJ_FUSE))) {
        if (cond(state > 2)) {
            hold_ref(VAR_PROMPT_TEXT, 2116 + state - 2);
            say(SAY_REFVAR, VAR_PROMPT_TEXT, 0);
        }
        if (cond(state > 8)) bitmod('s', VAR_HINT_NUMBER, 10);
        bitmod('s', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_EVENT);
        if (cond(irand(100) < 40)
                .OR(state > 9)
                .OR(state == 2)
                .AND(state != 7)
                .OR(has(WORD_LISTEN))
                .OR(irand(100) < value[1241])) {
            state += 1;
            if (cond(state <= 6))
                value[1241] = 0;
            else
                value[1241] += 1;
            if (cond(state == 12)) bitmod('s', VAR_GAME_FLAGS_2, 9);
            if (cond(state > 19)) {
                p154();
                if (loop) return 0;
            }
            bitmod('s', OBJ_FUSE, 13);
        }
    } else {
        if (cond(state > 8)) say(0, 2116, 0);
        state = 1;
    }
    return 0;
}

}  // namespace

// REPEAT chain, part 3: per-turn events.
int p5() {
    if (cond(value[VAR_QUESTION] > 0)) return 0;
    if (cond(value[OBJ_HOURGLASS] > 1)) {
        p24();
        if (loop) return 0;
    }
    if (cond(here_has(PFLAG_HINT_AVAILABLE)).OR(near(OBJ_GRIFFIN))) {
        help_counter();
        if (loop) return 0;
    }
    if (cond(near(OBJ_EEL))) {
        eel();
        if (loop) return 0;
    }
    if (cond(here_has(PFLAG_HAZARD))) {
        p690();
        if (loop) return 0;
    }
    if (cond(value[VAR_GIANT_COUNTDOWN] > 0)) value[VAR_GIANT_COUNTDOWN] -= 1;
    if (cond(near(OBJ_GIANT))) {
        p383(num(0));
        if (loop) return 0;
    }
    if (cond(within(value[OBJ_GIANT], 1, 4)).AND(value[VAR_GIANT_COUNTDOWN] <= 0)) {
        if (cond(value[OBJ_GIANT] == 2)) {
            value[OBJ_GIANT] = 4;
            bitmod('c', OBJ_GIANT, OFLAG_SEEN);
            value[VAR_GIANT_COUNTDOWN] = 4 + irand(4);
        } else if (cond(is_seen(OBJ_GIANT))) {
            value[OBJ_GIANT] = 0;
        }
    }
    p609();
    if (loop) return 0;
    if (cond(here() == PLACE_CROSSWAYS).AND(!is_seen(OBJ_OUTLET)).AND(irand(100) < 3)) {
        p26();
        if (loop) return 0;
        if (cond(value[VAR_RESULT] == 0)) {
            say(0, 1735, 0);
            bitmod('s', OBJ_OUTLET, OFLAG_SEEN);
            set_variant(3436, 1);
        }
    }
    if (cond(here() == PLACE_SLUICE)) {
        p243();
        if (loop) return 0;
    }
    if (cond(bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_CARRIED_CHANGED))) {
        bitmod('c', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_CARRIED_CHANGED);
        recount_pack();
    }
    if (cond(here() != PLACE_INTRO)) {
        p835();
        if (loop) return 0;
    }
    value[VAR_ATTACK_ESCAPE_CHANCE] = 25;
    value[VAR_ATTACK_CHANCE] = 35;
    if (cond(value[OBJ_WATERSKIN] > 0)) {
        if (cond(value[OBJ_WATERSKIN] == 2)) {
            value[OBJ_WATERSKIN] = 1;
        } else {
            bitmod('s', here(), 13);
            value[OBJ_WATERSKIN] = 0;
            say(0, 1266, 0);
            say(SAY_ARG, 1802, 1);
        }
    }
    // The mirror's remark follows one turn after its mark.
    if (cond(bitest(OBJ_MIRROR, 14))) {
        if (cond(near(OBJ_MIRROR))) say(0, 1903, 0);
        bitmod('c', OBJ_MIRROR, 14);
    }
    if (cond(bitest(OBJ_MIRROR, 13))) {
        bitmod('s', OBJ_MIRROR, 14);
        bitmod('c', OBJ_MIRROR, 13);
    }
    if (cond(bitest(VAR_GAME_FLAGS, 8)).AND(!has(WORD_HESK))) bitmod('c', VAR_GAME_FLAGS, 8);
    if (cond(value[VAR_TURNS] > 7776)) {
        say(SAY_ARG, 1564, 7777);
        p322();
        if (loop) return 0;
    }
    bitmod('c', OBJ_FUSE, 13);
    if (!cond(here() == PLACE_RAVINE_FORK)
             .OR(here() == PLACE_RAVINE_EDGE)
             .OR(here() == PLACE_SPAN_LEDGE)
             .OR(value[OBJ_FUSE] <= 1)
             .OR(words() == 0)
             .OR(bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_ORPHAN))) {
        fuse();
        if (loop) return 0;
    }
    if (cond(!bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_EVENT)).AND(value[OBJ_TORCH] > 1)) {
        value[OBJ_TORCH] -= 1;
        if (cond(value[OBJ_TORCH] == 1))
            say(SAY_ARG, 2328, cond(value[VAR_CARRIED_COUNT] < value[VAR_CARRY_LIMIT]) ? 0 : 1);
    }
    if (cond(here() == PLACE_INTRO)
            .AND(value[VAR_PHASE] == 2)
            .AND(!anyof(WORD_HELP, WORD_HELLO, WORD_WAIT, -1))
            .AND(value[VAR_TURNS] > 4)
            .AND(!here_has(16))) {
        bitmod('s', here(), 16);
        say(0, 1281, 0);
    }
    if (cond(near_in(OBJ_IMP, 0))
            .AND(bitest(OBJ_IMP, 13))
            .AND(irand(100) < 20)
            .AND(here() != PLACE_OFFSTAGE)
            .AND(light())
            .AND(!has(WORD_GIVE))) {
        bitmod('c', OBJ_IMP, 13);
        say(0, 2338, 0);
    }
    if (cond(here() == PLACE_SANCTUM).AND(value[PLACE_SANCTUM] == 3)) {
        say(0, 1266, 0);
        p831(num(1));
        if (loop) return 0;
    }
    return 0;
}
