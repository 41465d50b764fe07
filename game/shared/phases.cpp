// The game's phases and the per-turn scheduler: the scheduler's world
// events (the phantom's sweep, the prowler following, the axe turning up),
// the starts of phases 5 and 6, the lamp's power running down, the one-time
// event, and the paid help: the offer that suits the player's place, its
// price and hint, and the decline.
#include "game.h"

namespace {

// Flag `flag` of every place lo..hi set ('s') or cleared.
void flag_places(char op, int lo, int hi, int flag) {
    for (int place = lo; place <= hi; place++) bitmod(op, place, flag);
}

// The prowler follows the player, or (before the axe is found) the axe
// turns up.
int follow() {
    if (cond(is_seen(124))) {
        apport(OBJ_ATTACKER, here());
        value[OBJ_ATTACKER] += 1;
        if (cond(value[OBJ_ATTACKER] == 1)) {
            if (cond(light())) say(0, OBJ_ATTACKER, 0);
            bitmod('s', OBJ_ATTACKER, 13);
            bitmod('c', OBJ_ATTACKER, 14);
        }
        if (cond(value[VAR_HOARD_PICK] == 0)) {
            p131();
            if (loop) return 0;
        }
    } else if (cond(!here_has(11)).AND(cond(is_visited(222)).OR(!isat(9, -1, 0, 214))).AND(light())) {
        p246(num(1));
        if (loop) return 0;
    }
    return 0;
}

// The events of the game proper (phase 3 and before).
int early_events() {
    value[VAR_PHASE_TIMER] = 30 + irand(10);
    if (cond(value[69] > 0)) value[69] = 1 + irand(19);
    if (cond(value[125] > 0)) value[125] = 1 + irand(14);
    if (cond(value[21] == 1).OR(value[21] == 2)) {
        value[1204] -= 1;
        if (cond(value[1204] == 4).OR(value[1204] == 0)) value[21] += 1;
    }
    // The spirit's first remark, once.
    if (cond(bitest(28, 13)).AND(!bitest(28, 14)).AND(!near(OBJ_ATTACKER))) {
        bitmod('s', 28, 14);
        say(0, 1648, 0);
        value[VAR_PHASE_TIMER] = 5;
        value[VAR_PHASE_PERIOD] = 5;
        return 1;
    }
    // The honeycake's strength wears off.
    if (cond(value[128] == 2)) {
        value[VAR_STRENGTH_TURN] -= value[VAR_PHASE_PERIOD];
        if (cond(value[VAR_STRENGTH_TURN] < 0)) {
            value[128] = 3;
            value[VAR_STRENGTH_TURN] = 40;
            say(0, 128, 0);
            value[128] = 0;
            value[VAR_CARRY_LIMIT] = 9;
            value[VAR_PHASE_TIMER] = 8;
            value[VAR_PHASE_PERIOD] = 8;
            return 1;
        }
    }
    if (cond(cond(is_visited(210)).OR(is_visited(222))).AND(isat(9, -1, 0, PLACE_GONE))) {
        if (cond(here_has(7)).OR(here_has(PFLAG_CREATURE_FREE))) {
            value[VAR_PHASE_TIMER] = 8 + irand(10);
        } else if (cond(light())
                       .AND(value[VAR_ARRIVALS] > 150)
                       .AND(!is_seen(20))
                       .OR(bitest(20, 13))
                       .OR(irand(100) <= 9)
                       .AND(!is_seen(52))
                       .AND(!near(OBJ_ATTACKER))
                       .AND(!here_has(PFLAG_LIT))
                       .AND(!bitest(46, 12))) {
            p671(num(1));
            if (loop) return 0;
        } else {
            const int n = 7 * (value[VAR_THEFT_SCALE] + 2);
            if (cond(near(OBJ_ATTACKER)).OR(irand(100) < n).AND(value[OBJ_ATTACKER] < value[VAR_THEFT_SCALE])) {
                follow();
                if (loop) return 0;
            }
        }
    }
    return 0;
}

}  // namespace

// Per-turn scheduler.
int p272() {
    bitmod('s', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_EVENT);
    if (cond(value[46] > 1).OR(here() == PLACE_INTRO)) return 0;
    if (cond(value[VAR_PHASE] <= 3)) {
        if (early_events()) return 0;
        if (loop) return 0;
    } else if (cond(value[VAR_PHASE] == 4)) {
        p149();
        if (loop) return 0;
    } else if (cond(bitest(VAR_GAME_FLAGS, 3))) {
        bitmod('c', VAR_GAME_FLAGS, 3);
        value[VAR_PHASE_TIMER] = 15;
    } else {
        p148();
        if (loop) return 0;
    }
    value[VAR_PHASE_PERIOD] = value[VAR_PHASE_TIMER];
    return 0;
}

// Event: scoring objects carried off.
int p671(arg_pair quiet) {
    frame<1> f{quiet};
    if (cond(f.lvals[0] == 0)) {
        p26();
        if (loop) return 0;
        if (cond(value[VAR_RESULT] > 0)) return 0;
    }
    bitmod('c', 20, 13);
    bitmod('c', 100, OFLAG_SCORING);
    int swept = 0;
    for (int obj = FIRST_OBJECT; obj <= LAST_OBJECT; obj++) {
        if (cond(bitest(obj, OFLAG_SCORING)).AND(near(obj))) {
            if (!cond(bitest(obj, OFLAG_LIGHTABLE)).AND(value[obj] == 2).AND(carried(obj))) {
                apport(obj, 251);
                swept++;
            }
        }
    }
    bitmod('s', 100, OFLAG_SCORING);
    if (swept == 0) {
        if (cond(is_seen(20)).OR(value[VAR_ARRIVALS] <= 149)) {
            if (cond(bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_MOVED))) say(0, 1266, 0);
            say(0, 1418, 0);
            bitmod('s', 20, 13);
            value[VAR_PHASE_TIMER] = 4 + irand(10);
        } else {
            apport(52, 251);
            apport(30, 373);
            bitmod('s', 20, OFLAG_SEEN);
            say(0, 1486, 0);
        }
    } else {
        say(0, 1419, 0);
        if (cond(!is_seen(20))) {
            bitmod('s', 20, OFLAG_SEEN);
            apport(52, 251);
            apport(30, 373);
        }
    }
    bitmod('s', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_EVENT);
    return 0;
}

// Event: object 124 (axe) appears.
int p246(arg_pair quiet) {
    frame<1> f{quiet};
    if (cond(f.lvals[0] == 0)) {
        p26();
        if (loop) return 0;
        if (cond(value[VAR_RESULT] == 1)) return 0;
    }
    apport(124, here());
    bitmod('s', OBJ_ATTACKER, OFLAG_SEEN);
    bitmod('s', 124, OFLAG_SEEN);
    say(0, 1285, 0);
    bitmod('s', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_EVENT);
    return 0;
}

// The one-time event.
int p220() {
    if (cond(bitest(VAR_GAME_FLAGS, 1))) return 0;
    // Used up even when the moment does not suit it.
    bitmod('s', VAR_GAME_FLAGS, 1);
    p26();
    if (loop) return 0;
    if (cond(value[VAR_RESULT] == 1)) return 0;
    bitmod('s', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_EVENT);
    say(0, 1667, 0);
    return 0;
}

// Start of phase 5.
int p149() {
    value[VAR_PHASE] = 5;
    value[OBJ_LOCKED_GATE] = 0;
    say(0, 1420, 0);
    if (cond(near(OBJ_ATTACKER))) say(SAY_ARG | SAY_ARGVAR, 1526, OBJ_ATTACKER);
    apport(OBJ_ATTACKER, PLACE_OFFSTAGE);
    value[OBJ_ATTACKER] = 0;
    value[VAR_THEFT_SCALE] = 0;
    value[VAR_HOARD_PICK] = 0;
    value[10] = 0;
    value[31] = 0;
    apport(23, PLACE_GONE);
    apport(21, PLACE_GONE);
    value[23] = 4;
    apport(24, 303);
    bitmod('s', 10, OFLAG_FIXTURE);
    bitmod('s', 31, OFLAG_FIXTURE);
    apport(85, PLACE_GONE);
    value[161] = 0;
    value[OBJ_GATE] = 0;
    value[478] = 0;
    value[477] = 1;
    value[453] = 2;
    value[163] = 1000;
    value[VAR_PHASE_TIMER] = 30;
    return 0;
}

// Start of phase 6.
int p148() {
    say(0, 1423, 0);
    for (int obj = FIRST_OBJECT; obj <= LAST_OBJECT; obj++) {
        bitmod('c', obj, 18);
        if (cond(obj != 28)) {
            bitmod('c', obj, 13);
            bitmod('c', obj, 14);
        }
        if (cond(bitest(obj, OFLAG_PORTABLE)).AND(carried(obj))) apport(obj, VAR_HERE);
    }
    apport(12, 448);
    value[OBJ_VESSEL_LARGE] = 2;
    value[OBJ_VESSEL_MEDIUM] = 2;
    value[OBJ_VESSEL_SMALL] = 2;
    for (int obj : {119, 13, 139, 115}) bitmod('s', obj, 13);
    value[115] = 0;
    bitmod('c', 115, OFLAG_BLOCKS_PASSAGE);
    bitmod('s', 110, 13);
    bitmod('s', OBJ_LIGHT_SOURCE, 13);
    value[OBJ_LIGHT_SOURCE] = 0;
    value[VAR_LIGHT_POWER] = 0;
    bitmod('s', OBJ_ATTACKER, 13);
    value[OBJ_ATTACKER] = 0;
    for (int obj : {112, 9, 108, 109, 113}) bitmod('s', obj, 14);
    value[108] = 1;
    value[109] = 1;
    value[129] = 2;
    value[139] = 0;
    for (int place = FIRST_PLACE; place <= LAST_PLACE; place++)
        if (cond(bitest(place, 7))) bitmod('c', place, PFLAG_VISITED);
    bitmod('s', 110, OFLAG_SEEN);
    value[529] = 1;
    bitmod('s', PLACE_INTRO, PFLAG_HINT_AVAILABLE);
    bitmod('s', PLACE_INTRO, PFLAG_VISITED);
    bitmod('s', 544, PFLAG_VISITED);
    value[VAR_PHASE] = 6;
    value[202] = 1;
    value[VAR_PHASE_TIMER] = 999;
    value[VAR_THERE] = 0;
    moveto(447, -2);
    if (loop) return 0;
    return 0;
}

// Light power (warning, going out).
int p522() {
    if (cond(value[VAR_LIGHT_POWER] > 0)) {
        // The warning, or a refill while there is oil to hand.
        if (cond(value[OBJ_LIGHT_REFILL] == 3)) {
            say(0, 1489, 0);
        } else if (cond(near(OBJ_LIGHT_REFILL))) {
            say(0, 1488, 0);
            value[OBJ_LIGHT_REFILL] = 3;
            value[VAR_LIGHT_POWER] = 400;
        } else if (cond(is_seen(OBJ_LIGHT_REFILL))) {
            say(0, 1487, 0);
        } else {
            value[OBJ_LIGHT_SOURCE] = 2;
            const int maze = cond(within(here(), 227, 252)) ? 1 : cond(within(here(), 362, 373)) ? 2 : 0;
            say(SAY_ARG, 1483, maze);
        }
        return 0;
    }
    if (cond(value[VAR_PHASE] == 5)) {
        p148();
        if (loop) return 0;
    } else if (cond(near_in(OBJ_LIGHT_REFILL, 1))) {
        say(0, 1488, 0);
        value[OBJ_LIGHT_REFILL] = 3;
        value[VAR_LIGHT_POWER] += 400;
    } else {
        say(0, 1484, 0);
        value[OBJ_LIGHT_SOURCE] = 0;
        p487();
        if (loop) return 0;
        bitmod('s', VAR_GAME_FLAGS, 5);
    }
    return 0;
}

// ---------------------------------------------------------------------------
// The paid help.

namespace {

// WORD_HELP in the command at a place that has not declined help.
int help_asked() { return cond(has(WORD_HELP)).AND(!here_has(PFLAG_HINT_DECLINED)); }

// One row of the offers: where it applies, and its offer text (or a choice
// that may set a variant of the hint to come; 0 ends the search without an
// offer).
struct offer_row {
    int (*applies)();
    int text;
    int (*choose)() = nullptr;
};

int at(int place) { return cond(here() == place); }
int in(int lo, int hi) { return cond(within(here(), lo, hi)); }

const offer_row offers[] = {
    {[]() -> int { return cond(at(203)).AND(value[OBJ_LOCKED_GATE] == 0).AND(!carried(OBJ_OPENER)); }, 1353},
    {[]() -> int { return at(444); }, 2581},
    {[]() -> int { return cond(at(208)).AND(near_in(109, 0)); }, 0,
     []() -> int {
         if (cond(carried(110))) return 1304;
         return cond(!bitest(VAR_GAME_FLAGS_3, 3)) ? 1306 : 0;
     }},
    {[]() -> int { return cond(at(214)).AND(near(9)); }, 0,
     []() -> int {
         if (cond(bitest(VAR_GAME_FLAGS_2, 0))) return help_asked() ? 0 : 2071;
         return cond(isat(109, -1, 0, PLACE_GONE)) ? 1310 : 1308;
     }},
    {[]() -> int { return at(295); }, 1480},
    {[]() -> int { return cond(in(286, 288)).AND(is_visited(287)).AND(!is_seen(61)); }, 1478},
    {[]() -> int { return at(315); }, 1618},
    {[]() -> int { return cond(in(227, 252)).OR(in(362, 373)).OR(in(454, 459)); }, 1475},
    {[]() -> int { return in(390, 426); }, 1688},
    {[]() -> int { return in(335, 350); }, 0, []() -> int { return help_asked() ? 0 : 1800; }},
    {[]() -> int { return cond(near(85)).AND(!is_seen(OBJ_LIQUID_4)); }, 2404},
    {[]() -> int { return at(500); }, 3390},
    {[]() -> int { return cond(at(510)).OR(at(511)); }, 0,
     []() -> int {
         if (cond(bitest(VAR_GAME_FLAGS_2, 7))) return 3430;
         return cond(bitest(VAR_GAME_FLAGS_2, 6)) ? 2154 : 2152;
     }},
    {[]() -> int { return at(298); }, 1798},
    {[]() -> int { return near(17); }, 1906},
    {[]() -> int { return at(311); }, 1910},
    {[]() -> int { return at(325); }, 2008},
    {[]() -> int { return at(313); }, 0,
     []() -> int {
         if (cond(bitest(VAR_GAME_FLAGS_2, 1))) return help_asked() ? 0 : 1912;
         bitmod('s', VAR_GAME_FLAGS_2, 1);
         return 1912;
     }},
    {[]() -> int { return near(25); }, 1915},
    {[]() -> int { return near(36); }, 1917},
    {[]() -> int { return at(322); }, 0, []() -> int { return cond(has(WORD_HELP)) ? 1926 : 0; }},
    {[]() -> int { return cond(at(198)).AND(value[194] > 4); }, 0,
     []() -> int {
         set_variant(2403, cond(is_seen(95)) ? 0 : 1);
         return 2402;
     }},
    {[]() -> int { return at(453); }, 0,
     []() -> int {
         if (cond(value[453] == 0)) return 2398;
         return cond(value[194] <= 1) ? 2400 : 0;
     }},
    {[]() -> int { return at(631); }, 2407},
    {[]() -> int { return at(443); }, 0,
     []() -> int {
         set_variant(2396, cond(value[139] == 1) ? 1 : 0);
         return 2395;
     }},
    {[]() -> int { return at(559); }, 1760},
    {[]() -> int { return here_has(15); }, 2649},
    {[]() -> int { return at(571); }, 0,
     []() -> int {
         if (cond(value[556] == 2)) set_variant(1878, 1);
         return 1504;
     }},
    {[]() -> int { return at(PLACE_INTRO); }, 0,
     []() -> int {
         if (cond(value[VAR_PHASE] <= 2)) return 1277;
         return cond(value[1207] == 0) ? 2664 : 0;
     }},
    {[]() -> int { return at(641); }, 2651},
    {[]() -> int { return at(593); }, 2808},
    {[]() -> int { return at(592); }, 2810},
    {[]() -> int { return at(482); }, 2812},
    {[]() -> int { return at(575); }, 2814},
    {[]() -> int { return in(467, 478); }, 2816},
    {[]() -> int { return at(432); }, 3369},
};

// The hint's region: where a hint taken (or an offer declined) counts for
// every place of the maze.
struct region {
    int lo, hi;
};
constexpr region hint_regions[] = {{390, 426}, {334, 350}, {454, 459}, {227, 252}, {362, 373}};

}  // namespace

// Help offer (asks question 5 (offer of a paid hint)).
int p405() {
    if (cond(!here_has(PFLAG_HINT_AVAILABLE)).OR(cond(here_has(PFLAG_HINT_DECLINED)).AND(!has(WORD_HELP))))
        return 0;
    value[VAR_PROMPT_TEXT] = 0;
    if (cond(here() == 517).AND(has(WORD_HELP))) {
        value[VAR_TURNS_AT_ONE_PLACE] = 0;
        say(SAY_STOP, 2666, 0);
        if (loop) return 0;
        return 0;
    }
    for (const offer_row &row : offers) {
        if (!row.applies()) continue;
        const int t = row.choose ? row.choose() : row.text;
        if (t) hold_ref(VAR_PROMPT_TEXT, t);
        break;
    }
    if (cond(value[VAR_PROMPT_TEXT] == 0)) return 0;
    value[VAR_TURNS_AT_ONE_PLACE] = 0;
    value[VAR_QUESTION] = Q_HELP_OFFER;
    say(0, 1266, 0);
    say(SAY_REFVAR | SAY_STOP, VAR_PROMPT_TEXT, 0);
    if (loop) return 0;
    return 0;
}

namespace {

// The hint taken: said, charged, and its place's offers put away.
int hint_taken() {
    int &prompt = value[VAR_PROMPT_TEXT];
    if (cond(value[VAR_PHASE] == 6).AND(prompt == 2404)) prompt += 1;
    prompt += 1;
    say(SAY_REFVAR, VAR_PROMPT_TEXT, 0);
    value[VAR_PENALTY_POINTS] += 10;
    bitmod('c', here(), PFLAG_HINT_AVAILABLE);
    bitmod('c', here(), PFLAG_HINT_DECLINED);
    prompt -= 1;
    if (cond(prompt == 3386)) {
        bitmod('s', VAR_GAME_FLAGS_2, 10);
        // The question is answered: none stays pending.
        value[VAR_QUESTION] = Q_NONE;
        loop = 1;
        return 0;
    }
    if (cond(here() == 510).OR(here() == 511)) {
        if (cond(!bitest(VAR_GAME_FLAGS_2, 6)).AND(!bitest(VAR_GAME_FLAGS_2, 7))) {
            bitmod('s', 511, PFLAG_HINT_AVAILABLE);
            bitmod('s', 510, PFLAG_HINT_AVAILABLE);
            bitmod('s', VAR_GAME_FLAGS_2, 6);
        }
        if (cond(bitest(VAR_GAME_FLAGS_2, 7))) {
            bitmod('c', 511, PFLAG_HINT_AVAILABLE);
            bitmod('c', 510, PFLAG_HINT_AVAILABLE);
        }
    }
    if (cond(near(9))) {
        if (cond(prompt == 2071)) {
            bitmod('c', VAR_GAME_FLAGS_2, 0);
        } else {
            bitmod('s', here(), PFLAG_HINT_AVAILABLE);
            bitmod('s', VAR_GAME_FLAGS_2, 0);
        }
    }
    if (cond(here() == 313)) {
        // The offer at 313 is always 1912, so the first branch never runs.
        if (cond(prompt == 2003)) {
            bitmod('c', VAR_GAME_FLAGS_2, 1);
        } else {
            bitmod('s', here(), PFLAG_HINT_AVAILABLE);
            bitmod('s', VAR_GAME_FLAGS_2, 1);
        }
    }
    if (cond(here() == 571).AND(value[556] == 2)) set_variant(1878, 1);
    if (cond(within(here(), 286, 288))) flag_places('c', 286, 288, PFLAG_HINT_AVAILABLE);
    if (cond(here() == 313).AND(is_visited(256)).AND(bitest(VAR_GAME_FLAGS_2, 1))) say(0, 1914, 0);
    if (cond(near(36))) {
        bitmod('c', 376, PFLAG_HINT_AVAILABLE);
        bitmod('c', 377, PFLAG_HINT_AVAILABLE);
    }
    if (cond(here() == 295).AND(value[1158] > 30)) value[1158] = 30;
    for (const region &r : hint_regions) {
        if (cond(within(here(), r.lo, r.hi))) {
            if (r.lo == 227) say(0, cond(value[227] == 0) ? 1477 : 1266, 0);
            flag_places('c', r.lo, r.hi, PFLAG_HINT_AVAILABLE);
        }
    }
    if (cond(here_has(15))) flag_places('c', 594, 617, PFLAG_HINT_AVAILABLE);
    if (cond(near(17))) flag_places('c', 224, 225, PFLAG_HINT_AVAILABLE);
    if (cond(within(here(), 467, 476))) flag_places('c', 467, 476, PFLAG_HINT_AVAILABLE);
    value[VAR_QUESTION] = Q_NONE;
    loop = 1;
    return 0;
}

}  // namespace

// Answer to questions 5 and 6 (paid hint).
int p404() {
    const int q = value[VAR_QUESTION];
    const int accepts = cond(words() == 0).OR(has(WORD_ACCEPT));
    const int declines = anyof(WORD_QUIT, WORD_DECLINE, WORD_NORTH, -1);
    if (cond(q == Q_HELP_OFFER)) {
        if (accepts) {
            say(SAY_ARG, 1473, 10);
            value[VAR_QUESTION] = Q_HELP_CONFIRM;
            say(SAY_STOP, 1474, 0);
            if (loop) return 0;
        } else if (declines) {
            value[VAR_QUESTION] = Q_NONE;
            p936();
            if (loop) return 0;
        } else {
            say(0, 1268, 0);
            say(SAY_REFVAR | SAY_STOP, VAR_PROMPT_TEXT, 0);
            if (loop) return 0;
        }
        return 0;
    }
    if (declines) {
        value[VAR_QUESTION] = Q_NONE;
        p936();
        if (loop) return 0;
    } else if (!accepts) {
        say(0, 1268, 0);
        say(SAY_STOP, 1474, 0);
        if (loop) return 0;
    } else {
        hint_taken();
        if (loop) return 0;
    }
    return 0;
}

// Declines the help offer.
int p936() {
    bitmod('s', here(), PFLAG_HINT_DECLINED);
    if (cond(within(here(), 390, 426))) flag_places('s', 390, 426, PFLAG_HINT_DECLINED);
    if (cond(here_has(15))) flag_places('s', 594, 617, PFLAG_HINT_DECLINED);
    for (const region &r : hint_regions)
        if (r.lo != 390 && cond(within(here(), r.lo, r.hi))) flag_places('s', r.lo, r.hi, PFLAG_HINT_DECLINED);
    say(SAY_STOP, 1871, 0);
    if (loop) return 0;
    return 0;
}
