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
    if (cond(carried(67)).AND(value[67] == 2)) {
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
        if (cond(here() == 503).OR(here() == 504)) value[VAR_HAZARD_LEVEL] += 1;
        if (cond(carried(118))) apport(118, PLACE_OFFSTAGE);
        moveto(502, -1);
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
    const int far_sands = within(here(), 587, 627);
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
    if (cond(value[194] != 1)) return 0;
    if (cond(value[1245] >= 0)) {
        value[1245] -= 1;
        if (cond(value[1245] == 0)) {
            say(0, 1736, 0);
            bitmod('s', 103, OFLAG_SEEN);
            value[1245] = -1;
        }
    }
    if (cond(value[1244] > 0)) return 0;
    int c = 9 + value[1244];
    if (cond(c < 1)) c = 1;
    if (cond(irand(100) < 10 * c)) {
        say(0, 1792, 0);
    } else {
        say(0, 1793, 0);
        say(0, 1791, 0);
        moveto(452, -1);
        value[194] = 0;
        p154();
        if (loop) return 0;
    }
    return 0;
}

namespace {

// The giant, settled at the bluff (states 5 and 6): the exchange for the
// cloth, or the ale it wants.
int giant_at_bluff(int from_word) {
    const int l = cond(carried(95)).AND(value[95] == 2);
    if (cond(!bitest(194, 15))) return 0;
    bitmod('c', 194, 15);
    if (cond(near(63)).AND(is_seen(158))) {
        if (cond(from_word == 1)) {
            say(0, 3344, 0);
            return 0;
        }
        if (cond(value[194] == 5)) {
            value[194] = 6;
            const int before = value[1167];
            if (cond(before == -1)) {
                if (cond(carried(63))) {
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
        moveto(198, -1835);
        if (loop) return 0;
        return 0;
    }
    if (cond(near(OBJ_VESSEL_LARGE))
            .AND(cond(value[OBJ_VESSEL_LARGE] == 3).OR(value[OBJ_VESSEL_LARGE] == 5).OR(value[OBJ_VESSEL_LARGE] > 6))) {
        say(0, 3308, 0);
        return 0;
    }
    say(SAY_ARG, 2264, from_word);
    bitmod('c', 198, PFLAG_HINT_AVAILABLE);
    if (cond(carried(OBJ_VESSEL_LARGE))) {
        const int s = value[OBJ_VESSEL_LARGE];
        if (cond(s == 1).OR(s == 6)) {
            moveto(198, -2268);
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
        if (cond(obj == OBJ_VESSEL_MEDIUM).AND(value[13] <= 1)) continue;
        if (cond(bitest(obj, OFLAG_LIGHTABLE)).AND(value[obj] > 1)) continue;
        apport(obj, here());
        k++;
    }
    if (cond(near(118))) k -= 1;
    say(SAY_ARG, 1786, k);
    flush_command();
    if (cond(near(118))) {
        apport(118, PLACE_OFFSTAGE);
        moveto(495, -1789);
        if (loop) return 0;
        return 0;
    }
    value[194] = 1;
    value[1244] = 5 + irand(4);
    if (cond(value[1245] >= 0)) value[1245] = 4 + irand(4);
    moveto(453, -1790);
    if (loop) return 0;
    return 0;
}

// The giant wandering (states 0 to 4): the sprite or the statuette carried
// to it, its warning, or it carries the player off.
int giant_wandering() {
    if (cond(carried(91))) {
        say(0, 1787, 0);
        bitmod('c', 194, 13);
        apport(86, here());
        bitmod('s', 86, OFLAG_SEEN);
        apport(141, 446);
        bitmod('s', 198, PFLAG_HINT_AVAILABLE);
        apport(194, 199);
        value[199] = 1;
        value[446] = 1;
        bitmod('c', 199, PFLAG_VISITED);
        value[194] = 5;
        apport(91, PLACE_GONE);
        return 0;
    }
    if (cond(carried(53))) {
        value[194] = 2;
        value[1244] = 40 + irand(21);
        say(SAY_ARG, 1786, 0);
        say(0, 1788, 0);
        apport(53, PLACE_OFFSTAGE);
        return 0;
    }
    if (cond(value[194] == 0)) {
        if (cond(is_seen(194)).AND(!carried(118)).AND(!bitest(194, 13)).AND(irand(100) < 4)) {
            say(0, 1795, 0);
            bitmod('s', 194, 13);
            return 0;
        }
        giant_carries_off();
        if (loop) return 0;
        return 0;
    }
    if (cond(value[194] == 1)) {
        say(SAY_ARG, 1786, 0);
        flush_command();
        if (cond(value[1244] > 0)) {
            moveto(453, -1790);
            if (loop) return 0;
            return 0;
        }
        say(0, 1791, 0);
        value[194] = 0;
        p154();
        if (loop) return 0;
    }
    return 0;
}

}  // namespace

// Object 194 (giant) and places 198/199.
int p383(arg_pair from_word) {
    frame<1> f{from_word};
    if (cond(value[194] > 4))
        giant_at_bluff(f.lvals[0]);
    else
        giant_wandering();
    if (loop) return 0;
    return 0;
}

// Object 95 (each turn).
int p549() {
    const int lit_in_hand = cond(carried(95)).AND(value[95] == 2);
    if (cond(lit_in_hand).AND(light()).AND(!bitest(95, 13))) {
        bitmod('s', 95, 13);
        say(0, 2270, 0);
    }
    if (cond(here() == 199)) return 0;
    if (cond(value[1205] > 0)) value[1205] -= 1;
    if (!lit_in_hand) return 0;
    if (cond(value[1205] == 4))
        say(0, 2275, 0);
    else if (cond(value[1205] == 2))
        say(0, 2276, 0);
    else if (cond(value[1205] == 0)) {
        apport(95, PLACE_GONE);
        say(SAY_ARG, 2274, cond(is_seen(OBJ_VESSEL_LARGE)) ? 1 : 0);
    }
    return 0;
}

// Darkness report.
int p852(arg_pair stop) {
    frame<1> f{stop};
    const int h = here();
    if (cond(h == 629))
        say(SAY_ARG, 3355, 0);
    else if (cond(h == 495))
        say(SAY_ARG, 3355, 1);
    else if (cond(h == 286).OR(h == 334))
        say(SAY_ARG, 3355, 2);
    else if (cond(h == 425))
        say(SAY_ARG, 3355, 3);
    else
        say(0, 1313, 0);
    if (cond(f.lvals[0] != 0)) loop = 1;
    return 0;
}

// Flags of object 17 (mirror).
int p771() {
    if (cond(bitest(17, 14))) {
        bitmod('s', 17, 13);
        bitmod('c', 17, 14);
    }
    return 0;
}
