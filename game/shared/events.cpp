// Per-turn events and hints: whether the moment suits a world event, the
// unsolicited hint, the prowler's theft of things lying about, the
// countdown of the hoard stair's doors, the glimmer's light, and the
// commands of the end game (calling things to the eyrie, the wand and the
// rod, the reversed directions of the mirrored valley), with the name of
// the carvings.
#include "game.h"

namespace {

// An object refno, and so something with a place and object flags (a
// parser code or a word is not).
int is_object(int r) { return within(r, FIRST_OBJECT, LAST_OBJECT); }

// The object the command is about: the word of a one-word command, else
// the second word.
int command_object() { return words() == 1 ? arg1() : arg2(); }

}  // namespace

// Whether the moment suits a world event (VAR_RESULT).
int p26() {
    if (cond(!light()).OR(test("doall"))) {
        value[VAR_RESULT] = 1;
        return 0;
    }
    value[VAR_RESULT] = 0;
    if (cond(bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_EVENT))
            .OR(value[VAR_PHASE] > 3)
            .OR(here_has(7))
            .OR(here_has(PFLAG_CREATURE_FREE))
            .OR(here_has(11))
            .OR(bitest(20, 13))
            .OR(near(OBJ_ATTACKER))
            .OR(near(21))
            .OR(near(23))
            .OR(near(9))
            .OR(near(25))
            .OR(near(5))
            .OR(near(33))
            .OR(value[VAR_MAGIC_STEP] > 0)
            .OR(bitest(46, 12)))
        value[VAR_RESULT] = 1;
    return 0;
}

namespace {

// The unsolicited hints in the order they are tried: the hint's number
// (its variant of text 1757 and its flag in VAR_HINT_NUMBER), the draw that
// skips it, and what rules it out. A hint with a gate is tried only when
// the gate holds.
struct unsolicited {
    int hint;
    int skip_at;  // skipped when irand(100) <= skip_at
    int (*excluded)();
    int (*gate)() = nullptr;
};

const unsolicited hints[] = {
    {0, 74, []() -> int { return cond(isat(84, -1, 0, PLACE_GONE)).OR(is_seen(67)); }},
    {1, 74, []() -> int { return is_visited(454); }},
    {9, 74, []() -> int { return cond(is_seen(128)).OR(!is_seen(125)); }},
    {2, 74, []() -> int { return cond(is_visited(312)).OR(!is_visited(309)); }},
    {3, 74, []() -> int { return cond(!is_visited(322)).OR(bitest(28, 13)); }},
    {4, 74, []() -> int { return is_visited(312); }},
    {6, 74, []() -> int { return cond(isat(100, -1, 0, 199)).OR(!is_seen(100)); }},
    {7, 74, []() -> int { return cond(is_visited(583)).OR(!is_visited(335)); }},
    {8, 74, []() -> int { return !is_visited(386); }},
    {11, 74, []() -> int { return cond(is_seen(61)).OR(bitest(287, PFLAG_HINT_AVAILABLE)); }},
    {10, 74, []() -> int { return !is_seen(59); }},
    {12, 74, []() -> int { return cond(!is_visited(498)).OR(is_visited(503)); }},
    {13, 74, []() -> int { return cond(!is_visited(318)).OR(is_visited(627)); }},
    {14, 74,
     []() -> int {
         return cond(!is_seen(144)).OR(!cond(isat(144, -1, 0, 631)).OR(isat(144, -1, 0, 633)).OR(isat(144, -1, 0, 634)));
     }},
    {16, 74, []() -> int { return cond(!is_seen(85)).OR(isat(85, -1, 0, PLACE_GONE)).OR(is_seen(OBJ_LIQUID_4)); }},
    {15, 74, []() -> int { return bitest(63, OFLAG_SCORING); }},
    {17, 74, []() -> int { return is_visited(334); }, []() -> int { return cond(is_visited(332)).AND(here() != 332); }},
    {5, 84, []() -> int { return 0; }},
};

// Tries one hint: chosen unless already given, skipped by its draw or
// ruled out; every term evaluated, the draw included.
void try_hint(const unsolicited &h) {
    if (!cond(!bitest(VAR_HINT_NUMBER, h.hint)).AND(!(irand(100) <= h.skip_at)).AND(!h.excluded())) return;
    value[VAR_HINT_NUMBER] = h.hint;
    bitmod('s', VAR_HINT_NUMBER, h.hint);
}

}  // namespace

// Unsolicited hint.
int p609() {
    value[VAR_HINT_TIMER] -= 1;
    if (!cond(value[VAR_HINT_TIMER] <= 0).AND(irand(100) <= 24)) return 0;
    if (cond(here_has(PFLAG_LIT))) return 0;
    p26();
    if (loop) return 0;
    if (cond(value[VAR_RESULT] == 1)) return 0;
    value[VAR_HINT_NUMBER] = -1;
    for (const unsolicited &h : hints) {
        if (cond(value[VAR_HINT_NUMBER] != -1)) break;
        if (h.gate && !h.gate()) continue;
        try_hint(h);
    }
    value[VAR_HINT_TIMER] = 20 + irand(81);
    if (cond(value[VAR_HINT_NUMBER] >= 0)) {
        set_variant(1757, value[VAR_HINT_NUMBER]);
        say(0, 1757, 0);
        value[VAR_HINT_TIMER] += 100;
    }
    return 0;
}

// Theft of an object lying about.
int p380() {
    if (cond(value[VAR_THEFT_SCALE] <= 0)) return 0;
    bitmod('s', 100, OFLAG_BLOCKS_PASSAGE);
    bitmod('s', 118, OFLAG_BLOCKS_PASSAGE);
    if (cond(isat(116, -1, 0, 295))) bitmod('s', 116, OFLAG_BLOCKS_PASSAGE);
    // Flag 18 marks this run's candidates only: no stale mark survives.
    for (int obj = FIRST_OBJECT; obj <= LAST_OBJECT; obj++) bitmod('c', obj, 18);
    int count = 0;
    for (int obj = FIRST_OBJECT; obj <= LAST_OBJECT; obj++) {
        if (!cond(bitest(obj, OFLAG_PORTABLE)).AND(!bitest(obj, OFLAG_BLOCKS_PASSAGE))) continue;
        const int place = location[obj];
        if (cond(is_seen(obj))
                .AND(!near(obj))
                .AND(obj != 124)
                .AND(cond(!bitest(obj, 7)).OR(value[obj] > 0))
                .AND(!bitest(place, 7))
                .AND(!bitest(place, PFLAG_CREATURE_FREE))
                .AND(!bitest(place, PFLAG_MAZE))) {
            bitmod('s', obj, 18);
            count++;
        }
    }
    bitmod('c', 100, OFLAG_BLOCKS_PASSAGE);
    bitmod('c', 116, OFLAG_BLOCKS_PASSAGE);
    bitmod('c', 118, OFLAG_BLOCKS_PASSAGE);
    if (count == 0) return 0;
    const int k = 1 + irand(count);
    int chosen = 0, from = 0, m = 0;
    for (int obj = FIRST_OBJECT; obj <= LAST_OBJECT; obj++) {
        if (!bitest(obj, 18)) continue;
        if (++m == k) {
            chosen = obj;
            from = location[obj];
        }
    }
    const int chance = value[OBJ_ATTACKER] * (100 * m / value[VAR_THEFT_SCALE]);
    if (cond(irand(100) < chance)) {
        // An exchange: something of the hoard's is left in its place.
        if (cond(!bitest(chosen, OFLAG_SCORING))) return 0;
        const int j = 1 + irand(m);
        int n = 0;
        for (int obj = FIRST_OBJECT; obj <= LAST_OBJECT; obj++) {
            if (!isat(obj, -1, 0, PLACE_HOARD) || ++n != j) continue;
            if (cond(bitest(obj, OFLAG_SCORING)).OR(obj == value[VAR_HOARD_PICK])) return 0;
            apport(obj, from);
            break;
        }
    }
    apport(chosen, PLACE_HOARD);
    return 0;
}

namespace {

// The hoard stair's doors close on whoever is still inside: the pack is
// taken, and the player is thrown out or dies.
int doors_close() {
    int scoring = 0, other = 0;
    const int h = here();
    for (hold_ref(VAR_LOOP_OBJECT, FIRST_OBJECT); value[VAR_LOOP_OBJECT] <= LAST_OBJECT; value[VAR_LOOP_OBJECT]++) {
        const int obj = value[VAR_LOOP_OBJECT];
        if (!carried(obj)) continue;
        if (cond(bitest(obj, OFLAG_SCORING))) {
            hold_ref(VAR_WORK_PLACE, PLACE_HOARD);
            scoring = 1;
        } else {
            hold_ref(VAR_WORK_PLACE, cond(within(h, 473, 476)) ? PLACE_HOARD : 491);
            other = 1;
        }
        apport(obj, VAR_WORK_PLACE);
    }
    if (cond(within(location[147], 473, 479)).OR(within(location[147], 482, 487))) apport(147, PLACE_START);
    say(0, 1266, 0);
    if (cond(h == 467)) {
        say(SAY_ARG, 2452, 2 * scoring + other);
        value[161] = 0;
        moveto(491, -2);
        if (loop) return 0;
        return 0;
    }
    if (cond(h == 479))
        say(SAY_ARG, 2475, 0);
    else if (cond(h == 475))
        say(0, 1888, 0);
    else if (cond(h == PLACE_HOARD))
        say(SAY_ARG, 1889, cond(value[161] == 1) ? 0 : 1);
    else if (cond(h == 474).OR(h == 476))
        say(SAY_ARG, 2475, cond(value[162] == 0) ? 1 : 2);
    else
        say(0, 2507, 0);
    say(0, 1266, 0);
    value[161] = 0;
    value[472] = 0;
    p154();
    if (loop) return 0;
    return 0;
}

}  // namespace

// Countdown of places 467..479 (object 163 (hourglass)).
int p24() {
    value[163] -= 1;
    const int s = value[163];
    int warn = 0;
    if (cond(!bitest(VAR_GAME_FLAGS, 7)).AND(s <= 8)) warn = cond(s <= 4).OR(irand(100) <= 19).OR(here() == 472);
    if (warn) {
        bitmod('s', VAR_GAME_FLAGS, 7);
        say(0, 2472, 0);
        if (cond(within(here(), 467, 479))) {
            if (!cond(here() == 475).AND(value[162] == 0)) {
                say(0, 2473, 0);
                if (cond(bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_MOVED))) say(0, 1266, 0);
            }
        }
        return 0;
    }
    if (cond(s != 1)) return 0;
    value[477] = 0;
    if (cond(here() == 475).AND(value[162] == 0)) {
        say(0, 1887, 0);
        value[161] = 0;
        value[472] = 0;
    } else if (cond(here() == 491)) {
        value[161] = 0;
        say(0, 1886, 0);
    } else if (cond(within(here(), 467, 479))) {
        doors_close();
        if (loop) return 0;
    }
    return 0;
}

// Light of places 314..316.
int p667() {
    if (cond(!within(here(), 314, 316))) return 0;
    value[315] = irand(8);
    bitmod('c', 315, PFLAG_LIT);
    p487();
    if (loop) return 0;
    bitmod('s', 315, PFLAG_LIT);
    if (cond(light())) {
        value[16] = 0;
    } else {
        value[16] = 1 + irand(8);
    }
    bitmod('s', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_LIGHT);
    return 0;
}

// Directions reversed in phase 8.
int p820() {
    const int slot = words() == 1 ? VAR_ARG1 : VAR_ARG2;
    int w = value[slot];
    if (cond(within(w, 744, 753))) {
        w += 4;
        if (cond(w >= 753)) w -= 8;
        value[slot] = w;
    }
    return 0;
}

// Calling an object in the end game.
int p805() {
    const int obj = arg2();
    if (cond(here() == 448).AND(has(110))) return 0;
    value[1173] = 0;
    // Only things that can be called: portable and not treasure, or the
    // creeper, the lizard and the prowler. A parser code or a word is none.
    if (!cond(is_object(obj))
             .AND(cond(bitest(obj, FLAG_IS_OBJECT))
                      .AND(bitest(obj, OFLAG_PORTABLE))
                      .AND(!bitest(obj, OFLAG_SCORING))
                      .OR(obj == 139)
                      .OR(obj == 9)
                      .OR(obj == OBJ_ATTACKER)))
        return 0;
    if (cond(has(28)).OR(near(obj))) return 0;
    if (!cond(bitest(obj, 13)).AND(here() == 447).OR(cond(bitest(obj, 14)).AND(here() == 448))) {
        say_stop_typed(1319, VAR_ARG2);
        if (loop) return 0;
        return 0;
    }
    if (cond(has(WORD_TAKE))) {
        if (cond(has(OBJ_ATTACKER))) {
            say_stop(1403);
            if (loop) return 0;
            return 0;
        }
        set_variant(1850, cond(bitest(obj, 11)) ? 1 : 0);
        if (cond(bitest(obj, 18))) {
            say_stop_typed(1850, VAR_ARG2);
            if (loop) return 0;
            return 0;
        }
        if (cond(value[VAR_CARRIED_COUNT] < value[VAR_CARRY_LIMIT])) {
            bitmod('s', obj, 18);
        } else {
            flush_command();
            say_stop(1388);
            if (loop) return 0;
            return 0;
        }
    }
    value[1173] = obj;
    apport(obj, here());
    return 0;
}

// Each turn in phase 6.
int p809() {
    const int obj = command_object();
    // A called object that was not taken goes back; one in hand stays there.
    if (cond(is_object(value[1173])).AND(is_object(obj)).AND(!carried(obj)).AND(!carried(value[1173])))
        apport(value[1173], PLACE_HOARD);
    return 0;
}

namespace {

// The rod taken or put down: its two texts, the second naming the wand
// (while the rod is in its first state) or the word typed.
int rod_handed() {
    say(SAY_ARG | SAY_ARGVAR, 1987, VAR_ARG1);
    say(SAY_STOP | SAY_ARG | SAY_ARGVAR, 1988, cond(value[112] == 0) ? 110 : VAR_ARG2);
    if (loop) return 0;
    return 0;
}

int rod_taken() {
    if (cond(lies_here(110))) return 0;
    if (cond(carried(112))) {
        say_stop_typed(1314, VAR_ARG2);
        if (loop) return 0;
        return 0;
    }
    if (!near(112)) {
        if (cond(here() != 448)) return 0;
        if (cond(is_seen(112))) {
            say_stop_typed(1850, VAR_ARG2);
            if (loop) return 0;
            return 0;
        }
    }
    bitmod('s', 112, OFLAG_SEEN);
    if (cond(value[VAR_CARRIED_COUNT] >= value[VAR_CARRY_LIMIT])) {
        flush_command();
        say_stop(1388);
        if (loop) return 0;
        return 0;
    }
    if (cond(!bitest(112, 18))) {
        bitmod('s', 112, 18);
        set_variant(1988, 1);
    }
    apport(112, PLACE_CARRIED);
    value[1173] = 0;
    rod_handed();
    if (loop) return 0;
    return 0;
}

int rod_dropped() {
    if (cond(carried(110))) {
        value[1173] = 0;
        return 0;
    }
    if (cond(carried(112))) {
        apport(112, here());
        rod_handed();
        if (loop) return 0;
        return 0;
    }
    say_stop_typed(1513, VAR_ARG2);
    if (loop) return 0;
    return 0;
}

int rod_fired() {
    if (!cond(carried(110)).OR(carried(112))) {
        say_stop_typed(1513, VAR_ARG2);
        if (loop) return 0;
        return 0;
    }
    if (cond(here() != 448)) {
        say_stop(1329);
        if (loop) return 0;
        return 0;
    }
    say(0, 3475, 0);
    if (cond(value[3475] == 0)) {
        p154();
        if (loop) return 0;
        return 0;
    }
    loop = 1;
    return 0;
}

int rod_looked_at() {
    if (cond(carried(110)).OR(cond(near(110)).AND(bitest(110, 18)).AND(!carried(112)))) {
        say_stop_typed(2033, VAR_ARG2);
    } else if (cond(near(112))) {
        say_stop_variant(2780, 0);
    } else if (cond(here() == 447)) {
        say_stop(2779);
    } else if (cond(here() == 448)) {
        say_stop_variant(2780, 1);
    }
    if (loop) return 0;
    return 0;
}

}  // namespace

// Objects 112 and 110 in the end game.
int p729() {
    set_variant(1988, 0);
    if (cond(has(WORD_TAKE))) {
        rod_taken();
    } else if (cond(has(WORD_DROP)).OR(has(793))) {
        rod_dropped();
    } else if (cond(has(781))) {
        rod_fired();
    } else if (cond(has(WORD_LOOK))) {
        rod_looked_at();
    } else {
        say_stop(1869);
    }
    if (loop) return 0;
    return 0;
}

// Word 798 ("read") with object 115 (question 26 (asked by word 798)).
int p660() {
    if (cond(value[VAR_PHASE] != 6)) {
        say(SAY_STOP | SAY_ARG | SAY_ARGVAR, 1560, 115);
    } else if (cond(!carried(115))) {
        say_stop(1561);
    } else if (cond(bitest(115, OFLAG_BLOCKS_PASSAGE))) {
        say(SAY_STOP | SAY_ARG | SAY_ARGVAR, 1870, 74);
    } else {
        say(SAY_ARG, 1859, 10);
        value[VAR_QUESTION] = Q_WORD_798;
        say_stop(1860);
    }
    if (loop) return 0;
    return 0;
}

// The name of place 206 (carvings) in the command.
int p184() {
    const int t = cond(here() == 206).OR(here() == 502).OR(here() == 432).OR(here() == 449) ? 1849 : 1330;
    say(SAY_STOP | SAY_ARG | SAY_ARGVAR, t, 206);
    if (loop) return 0;
    return 0;
}
