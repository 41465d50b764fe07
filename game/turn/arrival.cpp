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
    if (cond(place == 643).OR(place == 644).OR(place == 647).OR(place == 648).OR(within(place, 652, 663))
            .OR(place == 666))
        return 2785;
    if (cond(place == 649)) return 2786;
    return 0;
}

// A one-word LOOK.
int look_alone() { return cond(has(WORD_LOOK)).AND(words() == 1); }

// The taper of the counting room.
int taper() {
    if (cond(near(165))) {
        if (cond(value[165] == 3).AND(!look_alone())) say(0, 165, 0);
        if (cond(value[165] > 2)) apport(165, PLACE_GONE);
    }
    if (cond(irand(100) < 50).AND(isat(165, -1, 0, PLACE_OFFSTAGE))) {
        apport(165, here());
        if (cond(!bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_MOVED))) say(0, 165, 0);
        bitmod('s', 165, OFLAG_SEEN);
    }
    return 0;
}

// Arrival part A: what every move changes, lit or not.
int arrival_a() {
    set_variant(2510, 0);
    set_variant(2511, 0);
    bitmod('c', 138, 13);
    bitmod('s', OBJ_LIQUID_1, 13);
    if (cond(near_in(5, 0))) bitmod('s', 5, 13);
    bitmod('s', 194, OFLAG_BLOCKS_PASSAGE);
    value[VAR_ARRIVALS] += 1;
    if (cond(here() == 214)) set('V', VAR_HUB_ORIGIN, 'v', VAR_THERE, nullptr, nullptr);
    if (cond(within(here(), 519, 544)).OR(here() == 480).OR(here() == 481)) apport(131, here());
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
    if (cond(bitest(20, 13)).AND(here_has(7))) bitmod('c', 20, 13);
    if (cond(here() == 515).OR(here() == 511).OR(here() == 315).OR(here() == 544)) {
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
    if (cond(here() == 491)) {
        p323();
        if (loop) return 0;
    }
    if (cond(value[VAR_THERE] == 544).AND(here() != 544).AND(anyof(WORD_NORTH, WORD_NORTHEAST, WORD_EAST, WORD_SOUTHEAST, WORD_SOUTH, WORD_SOUTHWEST, WORD_WEST, WORD_NORTHWEST, -1)))
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
    if (cond(carried(39))) say(0, 1426, 0);
    return 0;
}

// Whether the player falls in the dark: no light was left behind, the
// chasm's carrier is not about; the tests are made one after the other, and
// the draw of the fourth whenever the first three passed.
int fall_due() {
    const int there = value[VAR_THERE];
    if (!cond(!bitest(there, PFLAG_LIT)).AND(!near_in(22, 1))) return 0;
    if (cond(isat(OBJ_LIGHT_SOURCE, 0, 1, there))) return 0;
    if (cond(isat(100, -1, 0, there)).AND(value[100] != 1)) return 0;
    if (!cond(cond(carried(61)).OR(irand(100) < 25)).AND(!bitest(VAR_GAME_FLAGS, 5)).AND(value[VAR_PHASE] <= 5))
        return 0;
    return !cond(near(22)).AND(value[22] > 0);
}

// The arrival in the dark: the corridor's remark, the fall, the darkness.
int arrival_dark() {
    bool dark_told = false;
    if (cond(within(here(), 641, 670))) {
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
    if (cond(near_in(OBJ_LIGHT_SOURCE, 1)).AND(here() != 315)) {
        value[VAR_LIGHT_POWER] -= 1;
        if (cond(value[VAR_LIGHT_POWER] == 40).OR(value[VAR_LIGHT_POWER] == 0)) {
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
    if (cond(within(here(), 620, 622)).AND(bitest(VAR_COMMAND_STATUS, 12)).AND(!bitest(VAR_GAME_FLAGS_3, 10))) {
        terrace_remark();
        if (loop) return 0;
    }
    if (cond(cond(here() == 636).OR(here() == 637)).AND(here_has(16))) {
        bitmod('c', here(), 16);
        say(0, here() == 636 ? 2544 : 2545, 0);
    }
    if (cond(value[VAR_ENTRY_REMARK] > 0)) {
        value[VAR_ENTRY_REMARK] = 0;
        if (!cond(cond(is_visited(199)).OR(is_seen(86))).AND(is_seen(137)))
            say(0, cond(is_visited(199)).OR(is_seen(137)) ? 2306 : 2305, 0);
    }
    if (cond(here() == 222)) {
        if (cond(irand(100) < 35)) say(0, 1293, 0);
    }
    if (cond(within(here(), 548, 553))) {
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
    if (!cond(is_seen(124)).OR(!light()).OR(value[VAR_ARRIVALS] <= 149).OR(!is_seen(90))) {
        p246(num(0));
        if (loop) return 0;
    }
    if (!cond(is_seen(20)).OR(!light()).OR(value[VAR_ARRIVALS] <= 199)) {
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
    set_variant(1702, cond(here_has(7)).AND(!here_has(18)).OR(here() == 502));
    p487();
    if (loop) return 0;
    if (cond(here() == 564)) taper();
    if (cond(here() == 586)) {
        if (!look_alone()) say(0, 1266, 0);
        if (cond(value[586] == 0)) {
            bitmod('s', 154, OFLAG_SEEN);
            moveto(547, -2520);
            if (loop) return 0;
        }
    } else if (cond(value[63] == 1).AND(!lies_here(63))) {
        value[63] = 3;
    }
    if (cond(here_has(PFLAG_SHIFTING_EXITS))) {
        p212();
        if (loop) return 0;
    }
    if (cond(bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_CARRIED_CHANGED)).AND(here() == 462) &&
        cond(anyof(WORD_DROP, 793, -1))) {
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
    if (cond(here() == 540)) bitmod('s', 138, OFLAG_SEEN);
    if (cond(here() == 671).AND(value[671] == 2)) {
        say(0, 2879, 0);
        value[671] += 1;
    }
    if (cond(here() == 210)) value[210] = cond(value[213] == 0).AND(!carried(47)) ? 0 : 1;
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
    if (cond(near(100)).AND(value[100] > 1)) value[100] = cond(lies_here(100)) ? 3 : 2;
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
    return cond(is_visited(h)).AND(cond(cond(within(h, 227, 252)).AND(within(c, 227, 252)))
                                    .OR(cond(within(h, 362, 373)).AND(within(c, 362, 373)))
                                    .OR(cond(within(h, 391, 426)).AND(within(c, 391, 426)))
                                    .OR(cond(within(h, 334, 350)).AND(within(c, 334, 350)))
                                    .OR(cond(here_has(PFLAG_SHIFTING_EXITS)).AND(within(c, 594, 617))));
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
    value[94] += 1;
    say(0, 1993, 0);
    if (cond(value[94] > 5)) {
        moveto(502, -1);
        if (cond(carried(118))) apport(118, PLACE_OFFSTAGE);
        value[94] = 0;
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
    int &state = value[46];
    if (cond(carried(46))) {
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
                .OR(has(773))
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
            bitmod('s', 46, 13);
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
    if (cond(value[163] > 1)) {
        p24();
        if (loop) return 0;
    }
    if (cond(here_has(PFLAG_HINT_AVAILABLE)).OR(near(85))) {
        help_counter();
        if (loop) return 0;
    }
    if (cond(near(94))) {
        eel();
        if (loop) return 0;
    }
    if (cond(here_has(PFLAG_HAZARD))) {
        p690();
        if (loop) return 0;
    }
    if (cond(value[1244] > 0)) value[1244] -= 1;
    if (cond(near(194))) {
        p383(num(0));
        if (loop) return 0;
    }
    if (cond(within(value[194], 1, 4)).AND(value[1244] <= 0)) {
        if (cond(value[194] == 2)) {
            value[194] = 4;
            bitmod('c', 194, OFLAG_SEEN);
            value[1244] = 4 + irand(4);
        } else if (cond(is_seen(194))) {
            value[194] = 0;
        }
    }
    p609();
    if (loop) return 0;
    if (cond(here() == 495).AND(!is_seen(103)).AND(irand(100) < 3)) {
        p26();
        if (loop) return 0;
        if (cond(value[VAR_RESULT] == 0)) {
            say(0, 1735, 0);
            bitmod('s', 103, OFLAG_SEEN);
            set_variant(3436, 1);
        }
    }
    if (cond(here() == 453)) {
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
    if (cond(value[84] > 0)) {
        if (cond(value[84] == 2)) {
            value[84] = 1;
        } else {
            bitmod('s', here(), 13);
            value[84] = 0;
            say(0, 1266, 0);
            say(SAY_ARG, 1802, 1);
        }
    }
    // The mirror's remark follows one turn after its mark.
    if (cond(bitest(17, 14))) {
        if (cond(near(17))) say(0, 1903, 0);
        bitmod('c', 17, 14);
    }
    if (cond(bitest(17, 13))) {
        bitmod('s', 17, 14);
        bitmod('c', 17, 13);
    }
    if (cond(bitest(VAR_GAME_FLAGS, 8)).AND(!has(712))) bitmod('c', VAR_GAME_FLAGS, 8);
    if (cond(value[VAR_TURNS] > 7776)) {
        say(SAY_ARG, 1564, 7777);
        p322();
        if (loop) return 0;
    }
    bitmod('c', 46, 13);
    if (!cond(here() == 310)
             .OR(here() == 311)
             .OR(here() == 312)
             .OR(value[46] <= 1)
             .OR(words() == 0)
             .OR(bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_ORPHAN))) {
        fuse();
        if (loop) return 0;
    }
    if (cond(!bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_EVENT)).AND(value[145] > 1)) {
        value[145] -= 1;
        if (cond(value[145] == 1))
            say(SAY_ARG, 2328, cond(value[VAR_CARRIED_COUNT] < value[VAR_CARRY_LIMIT]) ? 0 : 1);
    }
    if (cond(here() == PLACE_INTRO)
            .AND(value[VAR_PHASE] == 2)
            .AND(!anyof(WORD_HELP, 871, 727, -1))
            .AND(value[VAR_TURNS] > 4)
            .AND(!here_has(16))) {
        bitmod('s', here(), 16);
        say(0, 1281, 0);
    }
    if (cond(near_in(5, 0))
            .AND(bitest(5, 13))
            .AND(irand(100) < 20)
            .AND(here() != PLACE_OFFSTAGE)
            .AND(light())
            .AND(!has(805))) {
        bitmod('c', 5, 13);
        say(0, 2338, 0);
    }
    if (cond(here() == 565).AND(value[565] == 3)) {
        say(0, 1266, 0);
        p831(num(1));
        if (loop) return 0;
    }
    return 0;
}
