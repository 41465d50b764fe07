// Hazards of every turn: the prowler's attack, the fumes of the hazard
// places, the giant and its bluff (its hold on the player at the sluice
// included), the thirst that drains the reserve, the incense burning down,
// the darkness report, and the mirror's marks.
#include "game.h"

// Attack of object 193 (prowler).
int p245() {
    if (cond(!light())) return 0;
    // A state below -1 leaves nothing to draw from.
    if (cond(value[OBJ_ATTACKER] + 2 <= 0)) return 0;
    const int n = irand(value[OBJ_ATTACKER] + 2) - 1;
    if (cond(n <= 0)) return 0;
    bitmod('c', OBJ_ATTACKER, 15);
    say(SAY_ARG, 1286, n);
    int d = 5 * (value[VAR_CARRY_LIMIT] - value[VAR_CARRIED_COUNT]);
    if (cond(bitest(OBJ_ATTACKER, 14))) d -= 20;
    value[VAR_ATTACK_ESCAPE_CHANCE] = (value[VAR_ATTACK_ESCAPE_CHANCE] + d + 35) / n;
    // The glowing jewel held up mostly turns the blows aside.
    if (cond(carried(OBJ_JEWEL)).AND(value[OBJ_JEWEL] == 2)) {
        const int h = irand(5);
        if (cond(h > 0)) {
            hold_ref(VAR_PROMPT_TEXT, 1288 + h);
            say(SAY_ARG | SAY_REFVAR, VAR_PROMPT_TEXT, n);
            return 0;
        }
    }
    if (cond(irand(100) < value[VAR_ATTACK_ESCAPE_CHANCE]).OR(bitest(OBJ_ATTACKER, 13))) {
        say(SAY_ARG, 1287, n);
        bitmod('c', OBJ_ATTACKER, 13);
    } else {
        say(SAY_ARG, 1288, n);
        p154();
        if (loop) return 0;
    }
    return 0;
}

// Hazard count (places with PFLAG_HAZARD).
int p690() {
    value[VAR_HAZARD_LEVEL] += 1;
    if (cond(irand(100) < 40)) {
        value[VAR_HAZARD_LEVEL] -= 2;
        if (cond(value[VAR_HAZARD_LEVEL] < 0)) value[VAR_HAZARD_LEVEL] = 1;
    }
    say(0, 1266, 0);
    if (cond(value[VAR_HAZARD_LEVEL] == 7)) {
        if (cond(here() == PLACE_VENTS).OR(here() == PLACE_FUME_CROSSING)) value[VAR_HAZARD_LEVEL] += 1;
        if (cond(carried(OBJ_BREAD))) apport(OBJ_BREAD, PLACE_OFFSTAGE);
        moveto(PLACE_BOTTOM_OF_FALL, -1);
        say(SAY_ARG | SAY_ARGVAR, 1708, VAR_HAZARD_LEVEL);
        p154();
        if (loop) return 0;
        return 0;
    }
    say(SAY_ARG | SAY_ARGVAR, 1708, VAR_HAZARD_LEVEL);
    return 0;
}

// Drain of VAR_RESERVE.
int p835() {
    const int z = value[VAR_CARRIED_COUNT];
    int &reserve = value[VAR_RESERVE];
    const int far_sands = within(here(), PLACE_NORTH_RIM, PLACE_LOOKOUT_POINT);
    if (cond(value[OBJ_LIQUID_1] == 2)) {
        reserve -= cond(bitest(OBJ_LIQUID_1, 13)) ? z : 1;
        if (cond(far_sands)) reserve -= 1;
        if (cond(reserve < 1)) {
            say(0, 1822, 0);
            p154();
            if (loop) return 0;
        } else if (cond(reserve < 3)) {
            say(0, 1821, 0);
        }
        return 0;
    }
    int d = cond(bitest(OBJ_LIQUID_1, 13)) ? z / 3 + 4 : 2;
    d = 2 * d;
    bitmod('c', OBJ_LIQUID_1, 13);
    if (cond(far_sands)) d = 2 * d;
    reserve -= d;
    if (cond(reserve < 40)) {
        if (cond(value[OBJ_LIQUID_1] < 2)) {
            say(0, 1821, 0);
            value[OBJ_LIQUID_1] = 2;
            reserve = (z + 2) * 2;
        }
    } else if (cond(reserve < 140).AND(value[OBJ_LIQUID_1] == 0)) {
        say(SAY_ARG | SAY_ARGVAR, 1820, VAR_CARRIED_COUNT);
        value[OBJ_LIQUID_1] = 1;
    }
    return 0;
}

// Hazard of place 453 (end of object 194 (giant)'s hold).
int p243() {
    if (cond(value[OBJ_GIANT] != 1)) return 0;
    if (cond(value[1245] >= 0)) {
        value[1245] -= 1;
        if (cond(value[1245] == 0)) {
            say(0, 1736, 0);
            bitmod('s', OBJ_OUTLET, OFLAG_SEEN);
            value[1245] = -1;
        }
    }
    if (cond(value[VAR_GIANT_COUNTDOWN] > 0)) return 0;
    int c = 9 + value[VAR_GIANT_COUNTDOWN];
    if (cond(c < 1)) c = 1;
    if (cond(irand(100) < 10 * c)) {
        say(0, 1792, 0);
    } else {
        say(0, 1793, 0);
        say(0, 1791, 0);
        moveto(PLACE_ANTECHAMBER, -1);
        value[OBJ_GIANT] = 0;
        p154();
        if (loop) return 0;
    }
    return 0;
}

namespace {

// The giant, settled at the bluff (states 5 and 6): the exchange for the
// cloth, or the ale it wants.
int giant_at_bluff(int from_word) {
    const int l = cond(carried(OBJ_INCENSE)).AND(value[OBJ_INCENSE] == 2);
    if (cond(!bitest(OBJ_GIANT, 15))) return 0;
    bitmod('c', OBJ_GIANT, 15);
    if (cond(near(OBJ_CLOTH)).AND(is_seen(OBJ_STICK))) {
        if (cond(from_word == 1)) {
            say(0, 3344, 0);
            return 0;
        }
        if (cond(value[OBJ_GIANT] == 5)) {
            value[OBJ_GIANT] = 6;
            const int before = value[1167];
            if (cond(before == -1)) {
                if (cond(carried(OBJ_CLOTH))) {
                    say(SAY_ARG, 1758, l);
                    value[1167] = l;
                }
            } else if (cond(before == l)) {
                say(0, 3227, 0);
            } else if (cond(before <= 1)) {
                say(SAY_ARG, 3228, l);
                value[1167] = 2;
            } else {
                say(0, 3227, 0);
            }
        }
        return 0;
    }
    if (cond(l != 1)) {
        moveto(PLACE_FAR_END_OF_FOOTBRIDGE, -1835);
        if (loop) return 0;
        return 0;
    }
    if (cond(near(OBJ_VESSEL_LARGE))
            .AND(cond(value[OBJ_VESSEL_LARGE] == 3).OR(value[OBJ_VESSEL_LARGE] == 5).OR(value[OBJ_VESSEL_LARGE] > 6))) {
        say(0, 3308, 0);
        return 0;
    }
    say(SAY_ARG, 2264, from_word);
    bitmod('c', PLACE_FAR_END_OF_FOOTBRIDGE, PFLAG_HINT_AVAILABLE);
    if (cond(carried(OBJ_VESSEL_LARGE))) {
        const int s = value[OBJ_VESSEL_LARGE];
        if (cond(s == 1).OR(s == 6)) {
            moveto(PLACE_FAR_END_OF_FOOTBRIDGE, -2268);
            if (loop) return 0;
        } else if (cond(s == 2)) {
            value[OBJ_VESSEL_LARGE] = 5;
            say(0, 2266, 0);
        } else {
            say(0, 3230, 0);
        }
    } else if (cond(isat(OBJ_VESSEL_LARGE, -1, 0, PLACE_OFFSTAGE))) {
        value[OBJ_VESSEL_LARGE] = 5;
        bitmod('s', OBJ_VESSEL_LARGE, OFLAG_SEEN);
        if (cond(value[VAR_CARRIED_COUNT] < value[VAR_CARRY_LIMIT])) {
            apport(OBJ_VESSEL_LARGE, PLACE_CARRIED);
            say(SAY_ARG, 2265, 0);
        } else {
            apport(OBJ_VESSEL_LARGE, here());
            say(SAY_ARG, 2265, 1);
            say(0, 1266, 0);
            say(0, OBJ_VESSEL_LARGE, 0);
        }
    } else {
        say(0, 2267, 0);
    }
    return 0;
}

// The giant takes the player's things and carries the player off to the
// sluice (or, with bread to hand, only as far as the crossways).
int giant_carries_off() {
    int k = 0;
    for (int obj = FIRST_OBJECT; obj <= LAST_OBJECT; obj++) {
        if (!carried(obj)) continue;
        if (cond(obj == OBJ_LIGHT_SOURCE)) continue;
        if (cond(obj == OBJ_VESSEL_MEDIUM).AND(value[OBJ_PLANT] <= 1)) continue;
        if (cond(bitest(obj, OFLAG_LIGHTABLE)).AND(value[obj] > 1)) continue;
        apport(obj, here());
        k++;
    }
    if (cond(near(OBJ_BREAD))) k -= 1;
    say(SAY_ARG, 1786, k);
    flush_command();
    if (cond(near(OBJ_BREAD))) {
        apport(OBJ_BREAD, PLACE_OFFSTAGE);
        moveto(PLACE_CROSSWAYS, -1789);
        if (loop) return 0;
        return 0;
    }
    value[OBJ_GIANT] = 1;
    value[VAR_GIANT_COUNTDOWN] = 5 + irand(4);
    if (cond(value[1245] >= 0)) value[1245] = 4 + irand(4);
    moveto(PLACE_SLUICE, -1790);
    if (loop) return 0;
    return 0;
}

// The giant wandering (states 0 to 4): the sprite or the statuette carried
// to it, its warning, or it carries the player off.
int giant_wandering() {
    if (cond(carried(OBJ_SPRITE))) {
        say(0, 1787, 0);
        bitmod('c', OBJ_GIANT, 13);
        apport(OBJ_PLUME, here());
        bitmod('s', OBJ_PLUME, OFLAG_SEEN);
        apport(OBJ_FRUIT, PLACE_BLUFF_PATH);
        bitmod('s', PLACE_FAR_END_OF_FOOTBRIDGE, PFLAG_HINT_AVAILABLE);
        apport(OBJ_GIANT, PLACE_RIVER_BLUFF);
        value[PLACE_RIVER_BLUFF] = 1;
        value[PLACE_BLUFF_PATH] = 1;
        bitmod('c', PLACE_RIVER_BLUFF, PFLAG_VISITED);
        value[OBJ_GIANT] = 5;
        apport(OBJ_SPRITE, PLACE_GONE);
        return 0;
    }
    if (cond(carried(OBJ_STATUETTE))) {
        value[OBJ_GIANT] = 2;
        value[VAR_GIANT_COUNTDOWN] = 40 + irand(21);
        say(SAY_ARG, 1786, 0);
        say(0, 1788, 0);
        apport(OBJ_STATUETTE, PLACE_OFFSTAGE);
        return 0;
    }
    if (cond(value[OBJ_GIANT] == 0)) {
        if (cond(is_seen(OBJ_GIANT)).AND(!carried(OBJ_BREAD)).AND(!bitest(OBJ_GIANT, 13)).AND(irand(100) < 4)) {
            say(0, 1795, 0);
            bitmod('s', OBJ_GIANT, 13);
            return 0;
        }
        giant_carries_off();
        if (loop) return 0;
        return 0;
    }
    if (cond(value[OBJ_GIANT] == 1)) {
        say(SAY_ARG, 1786, 0);
        flush_command();
        if (cond(value[VAR_GIANT_COUNTDOWN] > 0)) {
            moveto(PLACE_SLUICE, -1790);
            if (loop) return 0;
            return 0;
        }
        say(0, 1791, 0);
        value[OBJ_GIANT] = 0;
        p154();
        if (loop) return 0;
    }
    return 0;
}

}  // namespace

// Object 194 (giant) and places 198/199.
int p383(arg_pair from_word) {
    frame<1> f{from_word};
    if (cond(value[OBJ_GIANT] > 4))
        giant_at_bluff(f.lvals[0]);
    else
        giant_wandering();
    if (loop) return 0;
    return 0;
}

// Object 95 (each turn).
int p549() {
    const int lit_in_hand = cond(carried(OBJ_INCENSE)).AND(value[OBJ_INCENSE] == 2);
    if (cond(lit_in_hand).AND(light()).AND(!bitest(OBJ_INCENSE, 13))) {
        bitmod('s', OBJ_INCENSE, 13);
        say(0, 2270, 0);
    }
    if (cond(here() == PLACE_RIVER_BLUFF)) return 0;
    if (cond(value[VAR_INCENSE_WAIT] > 0)) value[VAR_INCENSE_WAIT] -= 1;
    if (!lit_in_hand) return 0;
    if (cond(value[VAR_INCENSE_WAIT] == 4))
        say(0, 2275, 0);
    else if (cond(value[VAR_INCENSE_WAIT] == 2))
        say(0, 2276, 0);
    else if (cond(value[VAR_INCENSE_WAIT] == 0)) {
        apport(OBJ_INCENSE, PLACE_GONE);
        say(SAY_ARG, 2274, cond(is_seen(OBJ_VESSEL_LARGE)) ? 1 : 0);
    }
    return 0;
}

// Darkness report.
int p852(arg_pair stop) {
    frame<1> f{stop};
    const int h = here();
    if (cond(h == PLACE_RIVER_PASSAGE))
        say(SAY_ARG, 3355, 0);
    else if (cond(h == PLACE_CROSSWAYS))
        say(SAY_ARG, 3355, 1);
    else if (cond(h == PLACE_SQUEEZE).OR(h == PLACE_MAZE_CROSSING))
        say(SAY_ARG, 3355, 2);
    else if (cond(h == PLACE_LABYRINTH_425))
        say(SAY_ARG, 3355, 3);
    else
        say(0, 1313, 0);
    if (cond(f.lvals[0] != 0)) loop = 1;
    return 0;
}

// Flags of object 17 (mirror).
int p771() {
    if (cond(bitest(OBJ_MIRROR, 14))) {
        bitmod('s', OBJ_MIRROR, 13);
        bitmod('c', OBJ_MIRROR, 14);
    }
    return 0;
}
