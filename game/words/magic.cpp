// The magic words and the speaking word: the backward spell said one word
// per command, the words that wake the sword, the portcullis, the vault
// door, the lamp, the cloth and the mirror, the perilous word, the word
// that breaks a spell off, the fly word of the cloth, and the word that
// speaks any of them aloud.
#include "game.h"

namespace {
constexpr int STATUETTE_PAID = 13;  // the statuette paid the toll keeper
constexpr int STATUETTE_KEPT = 14;  // the keeper keeps it for good
constexpr int KEEPER_CHEATED = 13;
constexpr int FLAG_EXTRA_TEXT = 9;  // VAR_GAME_FLAGS: the sword's word has one text more
constexpr int FLAG_ARMED = 8;       // VAR_GAME_FLAGS: the lamp word is armed
constexpr int HINT_LAMP_WORD = 8;   // VAR_HINT_NUMBER: the lamp word's hint is given
constexpr int SPIRIT_HEARD = 14;
constexpr int MIRROR_USED = 14;

int phase() { return value[VAR_PHASE]; }

// The backward spell: the counter steps on, the acknowledgement of the
// first word of the line is said, and later words of the line say nothing.
int spell_step(int step) {
    value[VAR_MAGIC_STEP] = step;
    say(SAY_REFVAR, VAR_SPELL_ACK, 0);
    hold_ref(VAR_SPELL_ACK, TEXT_NOTHING);
    loop = 1;
    return 0;
}

int nothing_comes() {
    say_stop(1329);
    return 0;
}

// Late in the game the spell words do nothing.
bool spell_too_late() {
    if (!cond(phase() > 5)) return false;
    say_stop(1329);
    return true;
}

// The last word sends the statuette home to the writing junction, unless it
// is there already or the keeper keeps it. Paid to the keeper, it leaves
// him, and he goes back to his bridgehead.
void statuette_home() {
    if (cond(isat(OBJ_STATUETTE, -1, 0, PLACE_WRITING_JUNCTION)).OR(bitest(OBJ_STATUETTE, STATUETTE_KEPT))) {
        say(0, 1329, 0);
        if (cond(isat(OBJ_STATUETTE, -1, 0, PLACE_WRITING_JUNCTION))) say(0, 1563, 0);
        return;
    }
    if (cond(here() == PLACE_WRITING_JUNCTION).AND(light())) {
        if (cond(carried(OBJ_STATUETTE))) {
            say(0, 3471, 0);
        } else {
            say(SAY_ARG, 3469, 1);
            say(0, 1266, 0);
            say(0, OBJ_STATUETTE, 0);
        }
    } else {
        const int seen = cond(cond(carried(OBJ_STATUETTE)).OR(lies_here(OBJ_STATUETTE))).AND(light());
        say(SAY_ARG, 3469, seen ? 0 : 1);
    }
    if (cond(bitest(OBJ_STATUETTE, STATUETTE_PAID))) {
        bitmod('c', OBJ_STATUETTE, STATUETTE_PAID);
        bitmod('s', OBJ_KEEPER, KEEPER_CHEATED);
        if (cond(value[OBJ_KEEPER] == 1).OR(value[OBJ_KEEPER] == 2)) {
            if (cond(near(OBJ_BOOTH))) say(0, 1922, 0);
            value[OBJ_KEEPER] = 0;
            apport(OBJ_KEEPER, PLACE_NEAR_BRIDGEHEAD);
            bitmod('s', OBJ_KEEPER, OFLAG_TWO_PLACES);
            apport(OBJ_BOOTH, PLACE_OFFSTAGE);
        }
    }
    apport(OBJ_STATUETTE, PLACE_WRITING_JUNCTION);
    if (cond(value[OBJ_GIANT] == 2)) {
        value[OBJ_GIANT] = 3;
        value[VAR_GIANT_COUNTDOWN] = 3 + irand(3);
    }
}

// The perilous word near liquid: mostly nothing; sometimes death, and very
// rarely the offer to end the game.
void perilous_near_liquid() {
    if (cond(irand(100) < 85)) {
        say_stop(1329);
    } else if (cond(irand(100) < 95)) {
        say(0, 1649, 0);
        p154();
    } else {
        say(0, 1650, 0);
        value[VAR_QUESTION] = Q_WORD_711_END;
        say_stop(1651);
    }
}

// The lamp word once armed: the lamp held is death; a lamp with oil left is
// lost (and, half the time, the player with it); an empty one fills anew.
void lamp_word_armed() {
    if (cond(carried(OBJ_LIGHT_SOURCE))) {
        say(0, 1574, 0);
        p154();
        return;
    }
    if (cond(value[VAR_LIGHT_POWER] > 40)) {
        apport(OBJ_LIGHT_SOURCE, PLACE_GONE);
        value[OBJ_LIGHT_SOURCE] = 0;
        value[OBJ_LIGHT_REFILL] = 3;
        value[VAR_LIGHT_POWER] = 0;
        if (cond(irand(100) < 50)) {
            say(0, 1575, 0);
            p487();
            if (loop) return;
            if (cond(!light())) p852(num(0));
        } else {
            say(0, 1576, 0);
            p154();
        }
        return;
    }
    bitmod('s', VAR_HINT_NUMBER, HINT_LAMP_WORD);
    say(0, 1577, 0);
    value[VAR_LIGHT_POWER] += 300;
    value[OBJ_LIGHT_SOURCE] = 1;
    bitmod('s', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_LIGHT);
    if (cond(near(OBJ_WANDERER))) {
        p659();
        if (loop) return;
    }
    value[VAR_COMMAND_STATUS] = 1;
    value[OBJ_GLIMMER] = 0;
    call_proc(WORD_LOOK);
}

// The cloth under open sky, once it has heard its word: ready to fly,
// stilled, or grounded on the summit.
void cloth_word() {
    if (cond(carried(OBJ_CLOTH))) {
        say_stop_variant(2223, 1);
        return;
    }
    if (cond(value[OBJ_CLOTH] == 0)) {
        say_stop_variant(2223, 0);
        return;
    }
    if (cond(bitest(OBJ_CLOTH, OFLAG_CLOTH_AWAKE))) {
        if (cond(value[OBJ_CLOTH] == 1)) {
            value[OBJ_CLOTH] = 3;
            say_stop(2222);
        } else if (cond(here() == PLACE_SUMMIT)) {
            value[OBJ_CLOTH] = 0;
            bitmod('s', VAR_GAME_FLAGS_3, VFLAG_GAME_FLAGS_3_CLOTH_GROUNDED);
            say_stop(2234);
        } else {
            value[OBJ_CLOTH] = 1;
            say_stop(2224);
        }
        return;
    }
    value[OBJ_CLOTH] = 0;
    say_stop(3341);
}

// Through the mirror from one ledge to the other; the prowler, when he is
// about, is seen on one side or the other.
void through_the_mirror() {
    if (cond(here() == PLACE_EAST_MIRROR_LEDGE)) {
        if (cond(!bitest(PLACE_EAST_MIRROR_LEDGE, PFLAG_CREATURE_FREE))) bitmod('s', PLACE_WEST_MIRROR_LEDGE,
            PFLAG_CREATURE_FREE);
        moveto(PLACE_WEST_MIRROR_LEDGE, -1);
    } else {
        if (cond(!bitest(PLACE_WEST_MIRROR_LEDGE, PFLAG_CREATURE_FREE))) bitmod('s', PLACE_EAST_MIRROR_LEDGE,
            PFLAG_CREATURE_FREE);
        moveto(PLACE_EAST_MIRROR_LEDGE, -1);
    }
    bitmod('c', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_MOVED);
    bitmod('c', OBJ_MIRROR, MIRROR_USED);
    if (cond(!isat(OBJ_ATTACKER, -1, 0, PLACE_OFFSTAGE))) {
        hold_ref(VAR_WORK_PLACE, getloc(OBJ_ATTACKER));
        if (cond(value[VAR_WORK_PLACE] == here())) {
            say(SAY_ARG, 1571, 1);
            say(SAY_STOP, OBJ_ATTACKER, 0);
            return;
        }
        if (cond(value[VAR_WORK_PLACE] == value[VAR_THERE])) {
            say(SAY_ARG | SAY_ARGVAR | SAY_STOP, 2044, OBJ_ATTACKER);
            return;
        }
    }
    say_stop_variant(1571, 0);
}

// The cloth takes the player away from where it can fly; anything that
// must not travel keeps it on the ground.
void cloth_flight() {
    if (cond(carried(OBJ_HEADING))) {
        say_stop(2559);
        return;
    }
    if (cond(here() == PLACE_RIVER_BLUFF).AND(!bitest(VAR_GAME_FLAGS, 12))) {
        value[VAR_QUESTION] = Q_TELEPORT;
        say_stop(1763);
        return;
    }
    value[OBJ_CLOTH] = 3;
    for (int obj = FIRST_OBJECT; obj <= LAST_OBJECT; obj++) {
        if (cond(carried(obj)).AND(bitest(obj, OFLAG_NO_TRANSPORT)).AND(obj != OBJ_FUNNEL).AND(obj != OBJ_ORB)) {
            say_stop(2496);
            return;
        }
    }
    if (cond(carried(OBJ_VESSEL_LARGE)).AND(within(value[OBJ_VESSEL_LARGE], 3, 8))) {
        say_stop(2496);
        return;
    }
    const int at = here();
    if (cond(at == PLACE_RIVER_BLUFF)) {
        apport(OBJ_CLOTH, PLACE_RING_WALK_547);
        value[2510] = 0;
        value[PLACE_OPEN_SKY] = 3;
        moveto(PLACE_OPEN_SKY, -2383);
    } else if (cond(at == PLACE_GALLERY_STEPS)) {
        apport(OBJ_CLOTH, PLACE_WEST_END_OF_GALLERY);
        moveto(PLACE_WEST_END_OF_GALLERY, -2458);
    } else if (cond(at == PLACE_CHANGING_ROOM).OR(at == PLACE_RAVINE_EDGE)) {
        say_stop(2297);
    } else if (cond(at == PLACE_WELL_HEAD)) {
        apport(OBJ_CLOTH, PLACE_EAST_THICKET);
        moveto(PLACE_EAST_THICKET, -2460);
    } else if (cond(at == PLACE_SHRINE_LANDING).OR(at == PLACE_CLIFF_PATH)) {
        apport(OBJ_CLOTH, PLACE_RING_WALK_547);
        if (cond(value[1878] == 1)) value[1878] = 2;
        moveto(PLACE_RING_WALK_547, -2495);
    } else {
        say(0, 2231, 0);
        if (cond(within(at, PLACE_RING_WALK_547, PLACE_CLIFF_PATH))) say(0, 2654, 0);
        loop = 1;
    }
}

}  // namespace

// --- The backward spell ----------------------------------------------------

// Word 719 ("ostel"): the first word of the backward spell, or the spell out of step.
int p300() {
    if (spell_too_late()) return 0;
    if (cond(value[VAR_MAGIC_STEP] <= 0)) return spell_step(1);
    p331();
    return 0;
}

// Word 718 ("nuvik"): the second word of the backward spell, or the spell out of step.
int p307() {
    if (spell_too_late()) return 0;
    if (cond(value[VAR_MAGIC_STEP] == 0)) return spell_step(2);
    p331();
    return 0;
}

// Word 717 ("mevet"): the third word of the backward spell, or the spell out of step.
int p328() {
    if (spell_too_late()) return 0;
    if (cond(value[VAR_MAGIC_STEP] == 1)) return spell_step(3);
    p331();
    return 0;
}

// Word 716 ("lomas"): the last word of the backward spell sends the statuette home; out of step,
// it breaks the spell.
int p330() {
    if (spell_too_late()) return 0;
    if (cond(words() == 2).AND(!has(WORD_SAY))) {
        say_stop(1352);
        return 0;
    }
    if (cond(value[VAR_MAGIC_STEP] == 2)) {
        statuette_home();
        value[VAR_MAGIC_STEP] = 0;
        loop = 1;
        return 0;
    }
    p331();
    if (loop) return 0;
    loop = 1;
    return 0;
}

// Word 833 ("hush"): breaks off any spell begun.
int p356() {
    value[VAR_MAGIC_STEP] = -1;
    say_stop(1939);
    return 0;
}

// --- The speaking word -----------------------------------------------------

// Word 730 ("say"): says the rest of the line: "kelnish" and "plainly" act, a bare "say" asks what
// to say, a magic word said works as if typed, anything else is said to no one.
int p745() {
    if (cond(has(WORD_DWARVISH_ON))) {
        call_proc(WORD_DWARVISH_ON);
        if (loop) return 0;
    }
    if (cond(has(WORD_DWARVISH_OFF))) {
        call_proc(WORD_DWARVISH_OFF);
        if (loop) return 0;
    }
    if (cond(words() == 1)) {
        say_stop_typed(2702, VAR_ARG1);
        return 0;
    }
    if (cond(typed("sing"))) {
        say_stop(3570);
        return 0;
    }
    if (cond(typed("chant"))) {
        say_stop(3571);
        return 0;
    }
    say(0, 3493, 0);
    if (cond(!has(OBJ_ALL))) {
        if (cond(has(WORD_RESTART))) {
            say_stop(2583);
            return 0;
        }
        if (cond(near(OBJ_WATCHER))) {
            say_stop(2701);
            return 0;
        }
        // A word refno is no object: the near test answers 0 for it.
        if (cond(bitest(arg2(), FLAG_IS_OBJECT)).AND(near(arg2())).AND(bitest(arg2(), OFLAG_ADDRESSABLE))) {
            say_stop_typed(2700, VAR_ARG2);
            return 0;
        }
        if (cond(anyof(WORD_MAGIC_TRAVEL_2, WORD_MAGIC_TRAVEL_1, WORD_MAGIC_TRAVEL_3, WORD_ISMARU, WORD_HESK,
                       WORD_EPHRUN, WORD_JEVRA, WORD_LITANY_FIRST, WORD_KELBRIN, WORD_DATHEL, WORD_PAZHAN, WORD_GORVASH, WORD_ZENDRY,
                       WORD_SEQ_1, WORD_SEQ_2, WORD_SEQ_3, WORD_SEQ_4, WORD_HUSH, WORD_LITANY_LAST, -1))) {
            call_proc(arg2());
            if (loop) return 0;
        } else {
            for (hold_ref(VAR_LOOP_OBJECT, FIRST_OBJECT); value[VAR_LOOP_OBJECT] <= LAST_OBJECT;
                 value[VAR_LOOP_OBJECT]++) {
                const int obj = value[VAR_LOOP_OBJECT];
                if (cond(near(obj)).AND(bitest(obj, OFLAG_ADDRESSABLE))) {
                    say_stop_typed(2700, VAR_LOOP_OBJECT);
                    return 0;
                }
            }
        }
    }
    loop = 1;
    return 0;
}

// Word 877 ("utter"): saying.
int p608() {
    call_proc(WORD_SAY);
    return 0;
}

// --- Words of one reply ----------------------------------------------------

// The travel words where no way of theirs starts (the places move the
// player on them before the word is reached).
int p942() { return nothing_comes(); }
int p847() { return nothing_comes(); }
int p683() { return nothing_comes(); }

// Word 831 ("zendry"): the hills listen, and nothing else happens.
int p764() {
    say_stop(1339);
    return 0;
}

// --- The vault words -------------------------------------------------------

int p785() { return p663(); }
int p519() { return p663(); }
int p518() { return p663(); }
int p63() { return p663(); }

// --- The other words of power ----------------------------------------------

// The sword, freed from its stone, becomes the jewel.
int p946() {
    if (cond(value[OBJ_SWORD] == 0).OR(!near(OBJ_SWORD))) {
        say_stop(1329);
        return 0;
    }
    say(SAY_ARG, 1814, cond(carried(OBJ_SWORD)) ? 0 : 1);
    if (cond(bitest(VAR_GAME_FLAGS, FLAG_EXTRA_TEXT))) say(0, 1815, 0);
    apport(OBJ_SWORD, PLACE_GONE);
    apport(OBJ_JEWEL, VAR_HERE);
    bitmod('s', OBJ_JEWEL, OFLAG_SEEN);
    loop = 1;
    return 0;
}

// The portcullis of the three-way chamber lifts.
int p591() {
    if (cond(near(OBJ_PORTCULLIS)).AND(value[OBJ_PORTCULLIS] == 0)) {
        value[OBJ_PORTCULLIS] = 1;
        value[PLACE_THREE_WAY_CHAMBER] = 1;
        bitmod('c', PLACE_THREE_WAY_CHAMBER, PFLAG_HINT_AVAILABLE);
        say_stop(1617);
        return 0;
    }
    say_stop(1329);
    return 0;
}

// Arms the lamp word, or disarms it when said again.
int p624() {
    if (cond(bitest(VAR_GAME_FLAGS, FLAG_ARMED)).OR(phase() > 5).OR(!near(OBJ_LIGHT_SOURCE))) {
        bitmod('c', VAR_GAME_FLAGS, FLAG_ARMED);
        hold_ref(VAR_SEQUENCE_TEXT, TEXT_NOTHING);
        say_stop(1329);
        return 0;
    }
    bitmod('s', VAR_GAME_FLAGS, FLAG_ARMED);
    say_stop(1267);
    return 0;
}

// Word 709 ("ephrun"): the lamp word: unarmed, only the spell's reply; armed, it works on the
// lamp.
int p739() {
    if (cond(!bitest(VAR_GAME_FLAGS, FLAG_ARMED))) {
        say(SAY_REFVAR, VAR_SEQUENCE_TEXT, 0);
    } else {
        lamp_word_armed();
        if (loop) return 0;
    }
    loop = 1;
    return 0;
}

// Word 711 ("gorvash"): the spirit hears its word: near a liquid it is perilous, it takes the axe
// and the sword that are near, and it drives a prowler near off seven times in ten (else the
// player dies).
int p669() {
    bitmod('s', OBJ_SPIRIT, SPIRIT_HEARD);
    if (cond(here_has(PFLAG_OPEN_AIR)).OR(phase() > 5).OR(!light())) {
        say_stop(1329);
        return 0;
    }
    p321(num(0));
    if (loop) return 0;
    if (cond(value[VAR_VESSEL] != 0)
            .OR(here_has(PFLAG_LIQUID_SOURCE))
            .OR(within(here(), PLACE_PLUNGE_POOL, PLACE_UPSTREAM_POOL))
            .OR(within(here(), PLACE_WEST_END_OF_GALLERY, PLACE_EAST_END_OF_GALLERY))
            .OR(within(here(), PLACE_RING_WALK_547, PLACE_RING_WALK_554))) {
        perilous_near_liquid();
        return 0;
    }
    if (cond(near(OBJ_AXE)).OR(near(OBJ_SWORD))) {
        if (cond(near(OBJ_AXE))) {
            say(0, 1654, 0);
            apport(OBJ_AXE, PLACE_GONE);
        }
        if (cond(near(OBJ_SWORD))) {
            say(0, 1655, 0);
            apport(OBJ_SWORD, PLACE_GONE);
        }
        loop = 1;
        return 0;
    }
    if (cond(near(OBJ_ATTACKER))) {
        if (cond(irand(100) < 70)) {
            say(0, cond(value[OBJ_ATTACKER] == 1) ? 1659 : 1660, 0);
            p517(num(1));
            if (loop) return 0;
        } else {
            say(0, cond(value[OBJ_ATTACKER] == 1) ? 1664 : 1665, 0);
            p154();
            if (loop) return 0;
        }
        loop = 1;
        return 0;
    }
    say_stop(1329);
    return 0;
}

// The cloth's word: it wakes the cloth when its dust is gone, and under
// open sky readies, stills or grounds it.
int p47() {
    if (cond(!near(OBJ_CLOTH))) {
        say_stop(1329);
        return 0;
    }
    if (cond(!bitest(OBJ_CLOTH, OFLAG_CLOTH_AWAKE))) {
        say(0, 3342, 0);
        value[2221] = 1;
        if (cond(bitest(OBJ_CLOTH, OFLAG_CLOTH_BEATEN))) bitmod('s', OBJ_CLOTH, OFLAG_CLOTH_AWAKE);
    }
    if (cond(!here_has(PFLAG_OPEN_AIR))) {
        say_stop(2229);
        return 0;
    }
    cloth_word();
    return 0;
}

// Word 853 ("reflect"): steps through the mirror when it is near; the noun "reflection" is no
// command.
int p706() {
    // The noun of the same stem is no command to step through anything.
    if (cond(typed("reflecti")).OR(typed("reflectio")).OR(typed("reflection")).OR(typed("reflections"))) return 0;
    if (cond(words() > 1)) {
        p39();
        return 0;
    }
    if (cond(near(OBJ_MIRROR))) {
        through_the_mirror();
        return 0;
    }
    say_stop(cond(near(OBJ_PANE)) ? 1905 : 1904);
    return 0;
}

// --- The fly word ----------------------------------------------------------

int p325() { return run_chain({p326, p327}); }

// Chain part of p325 (word 806 ("fly")), part 1 of 2: "teleport" is refused; a bare "fly", or
// one naming the cloth, flies on the cloth when it is near and ready to fly, or says why not.
int p326() {
    if (cond(typed("teleport"))) {
        say_stop_variant(1806, 1);
        return 0;
    }
    if (!cond(words() == 1).OR(has(OBJ_CLOTH))) return 0;
    if (cond(near_in(OBJ_CLOTH, 1))) {
        cloth_flight();
        return 0;
    }
    if (cond(near(OBJ_CLOTH))) {
        say_stop(cond(bitest(OBJ_CLOTH, OFLAG_CLOTH_AWAKE)) ? 2232 : 2233);
        return 0;
    }
    return 0;
}

// Chain part of p325 (word 806 ("fly")), part 2 of 2: second part.
int p327() {
    if (cond(words() == 1).OR(bitest(arg2(), FLAG_IS_PLACE)))
        say_stop(1805);
    else
        say_stop(1403);
    return 0;
}
