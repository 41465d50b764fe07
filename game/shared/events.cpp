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
            .OR(bitest(OBJ_PHANTOM, 13))
            .OR(near(OBJ_ATTACKER))
            .OR(near(OBJ_SENTINEL))
            .OR(near(OBJ_KEEPER))
            .OR(near(OBJ_LIZARD))
            .OR(near(OBJ_BRUTE))
            .OR(near(OBJ_IMP))
            .OR(near(OBJ_SPAN))
            .OR(value[VAR_MAGIC_STEP] > 0)
            .OR(bitest(OBJ_FUSE, 12)))
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
    {0, 74, []() -> int { return cond(isat(OBJ_WATERSKIN, -1, 0, PLACE_GONE)).OR(is_seen(OBJ_JEWEL)); }},
    {1, 74, []() -> int { return is_visited(PLACE_LITTLE_LABYRINTH_454); }},
    {9, 74, []() -> int { return cond(is_seen(OBJ_HONEYCAKE)).OR(!is_seen(OBJ_SWORD)); }},
    {2, 74, []() -> int { return cond(is_visited(PLACE_SPAN_LEDGE)).OR(!is_visited(PLACE_CROSSROADS)); }},
    {3, 74, []() -> int { return cond(!is_visited(PLACE_BASIN)).OR(bitest(OBJ_SPIRIT, 13)); }},
    {4, 74, []() -> int { return is_visited(PLACE_SPAN_LEDGE); }},
    {6, 74, []() -> int { return cond(isat(OBJ_SUNSTONE, -1, 0, PLACE_RIVER_BLUFF)).OR(!is_seen(OBJ_SUNSTONE)); }},
    {7, 74, []() -> int { return cond(is_visited(PLACE_VAULT)).OR(!is_visited(PLACE_TURNING_GALLERY_335)); }},
    {8, 74, []() -> int { return !is_visited(PLACE_FLUE); }},
    {11, 74,
     []() -> int { return cond(is_seen(OBJ_JOURNAL)).OR(bitest(PLACE_FAR_END_OF_SQUEEZE, PFLAG_HINT_AVAILABLE)); }},
    {10, 74, []() -> int { return !is_seen(OBJ_PARCHMENT); }},
    {12, 74, []() -> int { return cond(!is_visited(PLACE_POOL_STAIR)).OR(is_visited(PLACE_VENTS)); }},
    {13, 74, []() -> int { return cond(!is_visited(PLACE_CHANGING_ROOM)).OR(is_visited(PLACE_LOOKOUT_POINT)); }},
    {14, 74,
     []() -> int {
         return cond(!is_seen(OBJ_VASE)).OR(!cond(isat(OBJ_VASE, -1, 0, PLACE_FAR_BANK)).OR(isat(OBJ_VASE, -1, 0,
                                                       PLACE_BANK_STAIR)).OR(isat(OBJ_VASE, -1, 0, PLACE_UPPER_CELL)));
     }},
    {16, 74,
     []() -> int { return cond(!is_seen(OBJ_GRIFFIN)).OR(isat(OBJ_GRIFFIN, -1, 0,
                                        PLACE_GONE)).OR(is_seen(OBJ_LIQUID_4)); }},
    {15, 74, []() -> int { return bitest(OBJ_CLOTH, OFLAG_SCORING); }},
    {17, 74, []() -> int { return is_visited(PLACE_MAZE_CROSSING); },
     []() -> int { return cond(is_visited(PLACE_INSCRIBED_ARCH)).AND(here() != PLACE_INSCRIBED_ARCH); }},
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
    bitmod('s', OBJ_SUNSTONE, OFLAG_BLOCKS_PASSAGE);
    bitmod('s', OBJ_BREAD, OFLAG_BLOCKS_PASSAGE);
    if (cond(isat(OBJ_PLAQUE, -1, 0, PLACE_CLINGING_CHAMBER))) bitmod('s', OBJ_PLAQUE, OFLAG_BLOCKS_PASSAGE);
    // Flag 18 marks this run's candidates only: no stale mark survives.
    for (int obj = FIRST_OBJECT; obj <= LAST_OBJECT; obj++) bitmod('c', obj, 18);
    int count = 0;
    for (int obj = FIRST_OBJECT; obj <= LAST_OBJECT; obj++) {
        if (!cond(bitest(obj, OFLAG_PORTABLE)).AND(!bitest(obj, OFLAG_BLOCKS_PASSAGE))) continue;
        const int place = location[obj];
        if (cond(is_seen(obj))
                .AND(!near(obj))
                .AND(obj != OBJ_AXE)
                .AND(cond(!bitest(obj, 7)).OR(value[obj] > 0))
                .AND(!bitest(place, 7))
                .AND(!bitest(place, PFLAG_CREATURE_FREE))
                .AND(!bitest(place, PFLAG_MAZE))) {
            bitmod('s', obj, 18);
            count++;
        }
    }
    bitmod('c', OBJ_SUNSTONE, OFLAG_BLOCKS_PASSAGE);
    bitmod('c', OBJ_PLAQUE, OFLAG_BLOCKS_PASSAGE);
    bitmod('c', OBJ_BREAD, OFLAG_BLOCKS_PASSAGE);
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
            hold_ref(VAR_WORK_PLACE,
                     cond(within(h, PLACE_HOARD, PLACE_HOARD_LEDGE)) ? PLACE_HOARD : PLACE_TIMEKEEPERS_ROOM);
            other = 1;
        }
        apport(obj, VAR_WORK_PLACE);
    }
    if (cond(within(location[OBJ_SCEPTRE], PLACE_HOARD, PLACE_YARD)).OR(within(location[OBJ_SCEPTRE],
                    PLACE_HEART_OF_THICKET, PLACE_THICKET_SPRING))) apport(OBJ_SCEPTRE,
        PLACE_START);
    say(0, 1266, 0);
    if (cond(h == PLACE_STAIR_BOTTOM)) {
        say(SAY_ARG, 2452, 2 * scoring + other);
        value[OBJ_HOARD_DOORS] = 0;
        moveto(PLACE_TIMEKEEPERS_ROOM, -2);
        if (loop) return 0;
        return 0;
    }
    if (cond(h == PLACE_YARD))
        say(SAY_ARG, 2475, 0);
    else if (cond(h == PLACE_WELL_HEAD))
        say(0, 1888, 0);
    else if (cond(h == PLACE_HOARD))
        say(SAY_ARG, 1889, cond(value[OBJ_HOARD_DOORS] == 1) ? 0 : 1);
    else if (cond(h == PLACE_HOARD_GALLERY).OR(h == PLACE_HOARD_LEDGE))
        say(SAY_ARG, 2475, cond(value[OBJ_TRAP] == 0) ? 1 : 2);
    else
        say(0, 2507, 0);
    say(0, 1266, 0);
    value[OBJ_HOARD_DOORS] = 0;
    value[PLACE_HOARD_DOOR] = 0;
    p154();
    if (loop) return 0;
    return 0;
}

}  // namespace

// Countdown of places 467..479 (object 163 (hourglass)).
int p24() {
    value[OBJ_HOURGLASS] -= 1;
    const int s = value[OBJ_HOURGLASS];
    int warn = 0;
    if (cond(!bitest(VAR_GAME_FLAGS,
                     7)).AND(s <= 8)) warn = cond(s <= 4).OR(irand(100) <= 19).OR(here() == PLACE_HOARD_DOOR);
    if (warn) {
        bitmod('s', VAR_GAME_FLAGS, 7);
        say(0, 2472, 0);
        if (cond(within(here(), PLACE_STAIR_BOTTOM, PLACE_YARD))) {
            if (!cond(here() == PLACE_WELL_HEAD).AND(value[OBJ_TRAP] == 0)) {
                say(0, 2473, 0);
                if (cond(bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_MOVED))) say(0, 1266, 0);
            }
        }
        return 0;
    }
    if (cond(s != 1)) return 0;
    value[PLACE_TIMED_STAIR] = 0;
    if (cond(here() == PLACE_WELL_HEAD).AND(value[OBJ_TRAP] == 0)) {
        say(0, 1887, 0);
        value[OBJ_HOARD_DOORS] = 0;
        value[PLACE_HOARD_DOOR] = 0;
    } else if (cond(here() == PLACE_TIMEKEEPERS_ROOM)) {
        value[OBJ_HOARD_DOORS] = 0;
        say(0, 1886, 0);
    } else if (cond(within(here(), PLACE_STAIR_BOTTOM, PLACE_YARD))) {
        doors_close();
        if (loop) return 0;
    }
    return 0;
}

// Light of places 314..316.
int p667() {
    if (cond(!within(here(), PLACE_GLIMMER_APPROACH, PLACE_LOWER_LANDING))) return 0;
    value[PLACE_HALL_OF_GLIMMERS] = irand(8);
    bitmod('c', PLACE_HALL_OF_GLIMMERS, PFLAG_LIT);
    p487();
    if (loop) return 0;
    bitmod('s', PLACE_HALL_OF_GLIMMERS, PFLAG_LIT);
    if (cond(light())) {
        value[OBJ_GLIMMER] = 0;
    } else {
        value[OBJ_GLIMMER] = 1 + irand(8);
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
    if (cond(here() == PLACE_WATCHPOST).AND(has(OBJ_WAND))) return 0;
    value[1173] = 0;
    // Only things that can be called: portable and not treasure, or the
    // creeper, the lizard and the prowler. A parser code or a word is none.
    if (!cond(is_object(obj))
             .AND(cond(bitest(obj, FLAG_IS_OBJECT))
                      .AND(bitest(obj, OFLAG_PORTABLE))
                      .AND(!bitest(obj, OFLAG_SCORING))
                      .OR(obj == OBJ_CREEPER)
                      .OR(obj == OBJ_LIZARD)
                      .OR(obj == OBJ_ATTACKER)))
        return 0;
    if (cond(has(OBJ_SPIRIT)).OR(near(obj))) return 0;
    if (!cond(bitest(obj, 13)).AND(here() == PLACE_EYRIE).OR(cond(bitest(obj, 14)).AND(here() == PLACE_WATCHPOST))) {
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
    say(SAY_STOP | SAY_ARG | SAY_ARGVAR, 1988, cond(value[OBJ_ROD] == 0) ? OBJ_WAND : VAR_ARG2);
    if (loop) return 0;
    return 0;
}

int rod_taken() {
    if (cond(lies_here(OBJ_WAND))) return 0;
    if (cond(carried(OBJ_ROD))) {
        say_stop_typed(1314, VAR_ARG2);
        if (loop) return 0;
        return 0;
    }
    if (!near(OBJ_ROD)) {
        if (cond(here() != PLACE_WATCHPOST)) return 0;
        if (cond(is_seen(OBJ_ROD))) {
            say_stop_typed(1850, VAR_ARG2);
            if (loop) return 0;
            return 0;
        }
    }
    bitmod('s', OBJ_ROD, OFLAG_SEEN);
    if (cond(value[VAR_CARRIED_COUNT] >= value[VAR_CARRY_LIMIT])) {
        flush_command();
        say_stop(1388);
        if (loop) return 0;
        return 0;
    }
    if (cond(!bitest(OBJ_ROD, 18))) {
        bitmod('s', OBJ_ROD, 18);
        set_variant(1988, 1);
    }
    apport(OBJ_ROD, PLACE_CARRIED);
    value[1173] = 0;
    rod_handed();
    if (loop) return 0;
    return 0;
}

int rod_dropped() {
    if (cond(carried(OBJ_WAND))) {
        value[1173] = 0;
        return 0;
    }
    if (cond(carried(OBJ_ROD))) {
        apport(OBJ_ROD, here());
        rod_handed();
        if (loop) return 0;
        return 0;
    }
    say_stop_typed(1513, VAR_ARG2);
    if (loop) return 0;
    return 0;
}

int rod_fired() {
    if (!cond(carried(OBJ_WAND)).OR(carried(OBJ_ROD))) {
        say_stop_typed(1513, VAR_ARG2);
        if (loop) return 0;
        return 0;
    }
    if (cond(here() != PLACE_WATCHPOST)) {
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
    if (cond(carried(OBJ_WAND)).OR(cond(near(OBJ_WAND)).AND(bitest(OBJ_WAND, 18)).AND(!carried(OBJ_ROD)))) {
        say_stop_typed(2033, VAR_ARG2);
    } else if (cond(near(OBJ_ROD))) {
        say_stop_variant(2780, 0);
    } else if (cond(here() == PLACE_EYRIE)) {
        say_stop(2779);
    } else if (cond(here() == PLACE_WATCHPOST)) {
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
    } else if (cond(has(WORD_DROP)).OR(has(WORD_THROW))) {
        rod_dropped();
    } else if (cond(has(WORD_WAVE))) {
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
        say(SAY_STOP | SAY_ARG | SAY_ARGVAR, 1560, OBJ_CASKET);
    } else if (cond(!carried(OBJ_CASKET))) {
        say_stop(1561);
    } else if (cond(bitest(OBJ_CASKET, OFLAG_BLOCKS_PASSAGE))) {
        say(SAY_STOP | SAY_ARG | SAY_ARGVAR, 1870, OBJ_LETTERING);
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
    const int t = cond(here() == PLACE_CARVINGS).OR(here() == PLACE_BOTTOM_OF_FALL).OR(here() == PLACE_GULF_EDGE).OR(here() == PLACE_INNER_POST) ? 1849 : 1330;
    say(SAY_STOP | SAY_ARG | SAY_ARGVAR, t, PLACE_CARVINGS);
    if (loop) return 0;
    return 0;
}
