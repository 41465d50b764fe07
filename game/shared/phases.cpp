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
    if (cond(is_seen(OBJ_AXE))) {
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
    } else if (cond(!here_has(11)).AND(cond(is_visited(PLACE_DRUM_CHAMBER)).OR(!isat(OBJ_LIZARD, -1, 0,
                                                       PLACE_HALL_OF_WAYS))).AND(light())) {
        p246(num(1));
        if (loop) return 0;
    }
    return 0;
}

// The events of the game proper (phase 3 and before).
int early_events() {
    value[VAR_PHASE_TIMER] = 30 + irand(10);
    if (cond(value[OBJ_OPAL] > 0)) value[OBJ_OPAL] = 1 + irand(19);
    if (cond(value[OBJ_SWORD] > 0)) value[OBJ_SWORD] = 1 + irand(14);
    if (cond(value[OBJ_SENTINEL] == 1).OR(value[OBJ_SENTINEL] == 2)) {
        value[1204] -= 1;
        if (cond(value[1204] == 4).OR(value[1204] == 0)) value[OBJ_SENTINEL] += 1;
    }
    // The spirit's first remark, once.
    if (cond(bitest(OBJ_SPIRIT, 13)).AND(!bitest(OBJ_SPIRIT, 14)).AND(!near(OBJ_ATTACKER))) {
        bitmod('s', OBJ_SPIRIT, 14);
        say(0, 1648, 0);
        value[VAR_PHASE_TIMER] = 5;
        value[VAR_PHASE_PERIOD] = 5;
        return 1;
    }
    // The honeycake's strength wears off.
    if (cond(value[OBJ_HONEYCAKE] == 2)) {
        value[VAR_STRENGTH_TURN] -= value[VAR_PHASE_PERIOD];
        if (cond(value[VAR_STRENGTH_TURN] < 0)) {
            value[OBJ_HONEYCAKE] = 3;
            value[VAR_STRENGTH_TURN] = 40;
            say(0, OBJ_HONEYCAKE, 0);
            value[OBJ_HONEYCAKE] = 0;
            value[VAR_CARRY_LIMIT] = 9;
            value[VAR_PHASE_TIMER] = 8;
            value[VAR_PHASE_PERIOD] = 8;
            return 1;
        }
    }
    if (cond(cond(is_visited(PLACE_STEPWELL)).OR(is_visited(PLACE_DRUM_CHAMBER))).AND(isat(OBJ_LIZARD, -1, 0,
                  PLACE_GONE))) {
        if (cond(here_has(7)).OR(here_has(PFLAG_CREATURE_FREE))) {
            value[VAR_PHASE_TIMER] = 8 + irand(10);
        } else if (cond(light())
                       .AND(value[VAR_ARRIVALS] > 150)
                       .AND(!is_seen(OBJ_PHANTOM))
                       .OR(bitest(OBJ_PHANTOM, 13))
                       .OR(irand(100) <= 9)
                       .AND(!is_seen(OBJ_STRONGBOX))
                       .AND(!near(OBJ_ATTACKER))
                       .AND(!here_has(PFLAG_LIT))
                       .AND(!bitest(OBJ_FUSE, 12))) {
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
    if (cond(value[OBJ_FUSE] > 1).OR(here() == PLACE_INTRO)) return 0;
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
    bitmod('c', OBJ_PHANTOM, 13);
    bitmod('c', OBJ_SUNSTONE, OFLAG_SCORING);
    int swept = 0;
    for (int obj = FIRST_OBJECT; obj <= LAST_OBJECT; obj++) {
        if (cond(bitest(obj, OFLAG_SCORING)).AND(near(obj))) {
            if (!cond(bitest(obj, OFLAG_LIGHTABLE)).AND(value[obj] == 2).AND(carried(obj))) {
                apport(obj, PLACE_WARREN_251);
                swept++;
            }
        }
    }
    bitmod('s', OBJ_SUNSTONE, OFLAG_SCORING);
    if (swept == 0) {
        if (cond(is_seen(OBJ_PHANTOM)).OR(value[VAR_ARRIVALS] <= 149)) {
            if (cond(bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_MOVED))) say(0, 1266, 0);
            say(0, 1418, 0);
            bitmod('s', OBJ_PHANTOM, 13);
            value[VAR_PHASE_TIMER] = 4 + irand(10);
        } else {
            apport(OBJ_STRONGBOX, PLACE_WARREN_251);
            apport(OBJ_CARVING, PLACE_FAR_END_OF_TANGLE);
            bitmod('s', OBJ_PHANTOM, OFLAG_SEEN);
            say(0, 1486, 0);
        }
    } else {
        say(0, 1419, 0);
        if (cond(!is_seen(OBJ_PHANTOM))) {
            bitmod('s', OBJ_PHANTOM, OFLAG_SEEN);
            apport(OBJ_STRONGBOX, PLACE_WARREN_251);
            apport(OBJ_CARVING, PLACE_FAR_END_OF_TANGLE);
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
    apport(OBJ_AXE, here());
    bitmod('s', OBJ_ATTACKER, OFLAG_SEEN);
    bitmod('s', OBJ_AXE, OFLAG_SEEN);
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
    value[OBJ_RIFT] = 0;
    value[OBJ_RAVINE] = 0;
    apport(OBJ_KEEPER, PLACE_GONE);
    apport(OBJ_SENTINEL, PLACE_GONE);
    value[OBJ_KEEPER] = 4;
    apport(OBJ_BOOTH, PLACE_NEAR_BRIDGEHEAD);
    bitmod('s', OBJ_RIFT, OFLAG_FIXTURE);
    bitmod('s', OBJ_RAVINE, OFLAG_FIXTURE);
    apport(OBJ_GRIFFIN, PLACE_GONE);
    value[OBJ_HOARD_DOORS] = 0;
    value[OBJ_GATE] = 0;
    value[PLACE_GATEHOUSE] = 0;
    value[PLACE_TIMED_STAIR] = 1;
    value[PLACE_SLUICE] = 2;
    value[OBJ_HOURGLASS] = 1000;
    value[VAR_PHASE_TIMER] = 30;
    return 0;
}

// Start of phase 6.
int p148() {
    say(0, 1423, 0);
    for (int obj = FIRST_OBJECT; obj <= LAST_OBJECT; obj++) {
        bitmod('c', obj, 18);
        if (cond(obj != OBJ_SPIRIT)) {
            bitmod('c', obj, 13);
            bitmod('c', obj, 14);
        }
        if (cond(bitest(obj, OFLAG_PORTABLE)).AND(carried(obj))) apport(obj, VAR_HERE);
    }
    apport(OBJ_PANE, PLACE_WATCHPOST);
    value[OBJ_VESSEL_LARGE] = 2;
    value[OBJ_VESSEL_MEDIUM] = 2;
    value[OBJ_VESSEL_SMALL] = 2;
    for (int obj : {OBJ_VESSEL_MEDIUM, OBJ_PLANT, OBJ_CREEPER, OBJ_CASKET}) bitmod('s', obj, 13);
    value[OBJ_CASKET] = 0;
    bitmod('c', OBJ_CASKET, OFLAG_BLOCKS_PASSAGE);
    bitmod('s', OBJ_WAND, 13);
    bitmod('s', OBJ_LIGHT_SOURCE, 13);
    value[OBJ_LIGHT_SOURCE] = 0;
    value[VAR_LIGHT_POWER] = 0;
    bitmod('s', OBJ_ATTACKER, 13);
    value[OBJ_ATTACKER] = 0;
    for (int obj : {OBJ_ROD, OBJ_LIZARD, OBJ_JAR, OBJ_FIREFLY, OBJ_CUSHION}) bitmod('s', obj, 14);
    value[OBJ_JAR] = 1;
    value[OBJ_FIREFLY] = 1;
    value[OBJ_SIGN] = 2;
    value[OBJ_CREEPER] = 0;
    for (int place = FIRST_PLACE; place <= LAST_PLACE; place++)
        if (cond(bitest(place, 7))) bitmod('c', place, PFLAG_VISITED);
    bitmod('s', OBJ_WAND, OFLAG_SEEN);
    value[PLACE_FAR_FIELD] = 1;
    bitmod('s', PLACE_INTRO, PFLAG_HINT_AVAILABLE);
    bitmod('s', PLACE_INTRO, PFLAG_VISITED);
    bitmod('s', PLACE_MIRE, PFLAG_VISITED);
    value[VAR_PHASE] = 6;
    value[PLACE_STREAMBED] = 1;
    value[VAR_PHASE_TIMER] = 999;
    value[VAR_THERE] = 0;
    moveto(PLACE_EYRIE, -2);
    if (loop) return 0;
    return 0;
}

// Light power (warning, going out).
int p522() {
    if (cond(value[VAR_LIGHT_POWER] > 0)) {
        // The warning, or a refill while there is oil to hand.
        if (cond(value[OBJ_LIGHT_REFILL] == REFILL_USED)) {
            say(0, 1489, 0);
        } else if (cond(near(OBJ_LIGHT_REFILL))) {
            say(0, 1488, 0);
            value[OBJ_LIGHT_REFILL] = REFILL_USED;
            value[VAR_LIGHT_POWER] = LIGHT_POWER_REFILL;
        } else if (cond(is_seen(OBJ_LIGHT_REFILL))) {
            say(0, 1487, 0);
        } else {
            value[OBJ_LIGHT_SOURCE] = 2;
            const int maze = cond(within(here(), PLACE_WARREN_227, PLACE_WARREN_CHUTE)) ? 1 : cond(within(here(),
                                         PLACE_TANGLE_362, PLACE_FAR_END_OF_TANGLE)) ? 2 : 0;
            say(SAY_ARG, 1483, maze);
        }
        return 0;
    }
    if (cond(value[VAR_PHASE] == 5)) {
        p148();
        if (loop) return 0;
    } else if (cond(near_in(OBJ_LIGHT_REFILL, REFILL_READY))) {
        say(0, 1488, 0);
        value[OBJ_LIGHT_REFILL] = REFILL_USED;
        value[VAR_LIGHT_POWER] += LIGHT_POWER_REFILL;
    } else {
        say(0, 1484, 0);
        value[OBJ_LIGHT_SOURCE] = LIGHT_OFF;
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
    {[]() -> int { return cond(at(PLACE_DELL)).AND(value[OBJ_LOCKED_GATE] == 0).AND(!carried(OBJ_OPENER)); }, 1353},
    {[]() -> int { return at(PLACE_HIGH_LEDGE); }, 2581},
    {[]() -> int { return cond(at(PLACE_UPPER_CHAMBER)).AND(near_in(OBJ_FIREFLY, 0)); }, 0,
     []() -> int {
         if (cond(carried(OBJ_WAND))) return 1304;
         return cond(!bitest(VAR_GAME_FLAGS_3, 3)) ? 1306 : 0;
     }},
    {[]() -> int { return cond(at(PLACE_HALL_OF_WAYS)).AND(near(OBJ_LIZARD)); }, 0,
     []() -> int {
         if (cond(bitest(VAR_GAME_FLAGS_2, 0))) return help_asked() ? 0 : 2071;
         return cond(isat(OBJ_FIREFLY, -1, 0, PLACE_GONE)) ? 1310 : 1308;
     }},
    {[]() -> int { return at(PLACE_CLINGING_CHAMBER); }, 1480},
    {[]() -> int { return cond(in(PLACE_SQUEEZE,
                                  PLACE_DARK_NOOK)).AND(is_visited(PLACE_FAR_END_OF_SQUEEZE)).AND(!is_seen(OBJ_JOURNAL)); },
     1478},
    {[]() -> int { return at(PLACE_HALL_OF_GLIMMERS); }, 1618},
    {[]() -> int { return cond(in(PLACE_WARREN_227, PLACE_WARREN_CHUTE)).OR(in(PLACE_TANGLE_362,
                                  PLACE_FAR_END_OF_TANGLE)).OR(in(PLACE_LITTLE_LABYRINTH_454, PLACE_LITTLE_LABYRINTH_459)); },
     1475},
    {[]() -> int { return in(PLACE_UNDERCROFT, PLACE_HEART_OF_LABYRINTH); }, 1688},
    {[]() -> int { return in(PLACE_TURNING_GALLERY_335, PLACE_TURNING_GALLERY_350); }, 0,
     []() -> int { return help_asked() ? 0 : 1800; }},
    {[]() -> int { return cond(near(OBJ_GRIFFIN)).AND(!is_seen(OBJ_LIQUID_4)); }, 2404},
    {[]() -> int { return at(PLACE_PLUNGE_POOL); }, 3390},
    {[]() -> int { return cond(at(PLACE_STREAM_GALLERY)).OR(at(PLACE_UPSTREAM_POOL)); }, 0,
     []() -> int {
         if (cond(bitest(VAR_GAME_FLAGS_2, 7))) return 3430;
         return cond(bitest(VAR_GAME_FLAGS_2, 6)) ? 2154 : 2152;
     }},
    {[]() -> int { return at(PLACE_FAR_SHORE); }, 1798},
    {[]() -> int { return near(OBJ_MIRROR); }, 1906},
    {[]() -> int { return at(PLACE_RAVINE_EDGE); }, 1910},
    {[]() -> int { return at(PLACE_WATCHERS_PASSAGE); }, 2008},
    {[]() -> int { return at(PLACE_THREE_WAY_CHAMBER); }, 0,
     []() -> int {
         if (cond(bitest(VAR_GAME_FLAGS_2, 1))) return help_asked() ? 0 : 1912;
         bitmod('s', VAR_GAME_FLAGS_2, 1);
         return 1912;
     }},
    {[]() -> int { return near(OBJ_BRUTE); }, 1915},
    {[]() -> int { return near(OBJ_VAULT_DOOR); }, 1917},
    {[]() -> int { return at(PLACE_BASIN); }, 0, []() -> int { return cond(has(WORD_HELP)) ? 1926 : 0; }},
    {[]() -> int { return cond(at(PLACE_FAR_END_OF_FOOTBRIDGE)).AND(value[OBJ_GIANT] > 4); }, 0,
     []() -> int {
         set_variant(2403, cond(is_seen(OBJ_INCENSE)) ? 0 : 1);
         return 2402;
     }},
    {[]() -> int { return at(PLACE_SLUICE); }, 0,
     []() -> int {
         if (cond(value[PLACE_SLUICE] == 0)) return 2398;
         return cond(value[OBJ_GIANT] <= 1) ? 2400 : 0;
     }},
    {[]() -> int { return at(PLACE_FAR_BANK); }, 2407},
    {[]() -> int { return at(PLACE_CREEPER_HALL); }, 0,
     []() -> int {
         set_variant(2396, cond(value[OBJ_CREEPER] == 1) ? 1 : 0);
         return 2395;
     }},
    {[]() -> int { return at(PLACE_NEAR_END_OF_SNAG); }, 1760},
    {[]() -> int { return here_has(15); }, 2649},
    {[]() -> int { return at(PLACE_BASTION); }, 0,
     []() -> int {
         if (cond(value[PLACE_SEALED_CHAMBER] == 2)) set_variant(1878, 1);
         return 1504;
     }},
    {[]() -> int { return at(PLACE_INTRO); }, 0,
     []() -> int {
         if (cond(value[VAR_PHASE] <= 2)) return 1277;
         return cond(value[VAR_LITANY_COUNT] == 0) ? 2664 : 0;
     }},
    {[]() -> int { return at(PLACE_THRESHOLD); }, 2651},
    {[]() -> int { return at(PLACE_SUMMIT); }, 2808},
    {[]() -> int { return at(PLACE_UPPER_SLOPE); }, 2810},
    {[]() -> int { return at(PLACE_HEART_OF_THICKET); }, 2812},
    {[]() -> int { return at(PLACE_RUNE_DOOR); }, 2814},
    {[]() -> int { return in(PLACE_STAIR_BOTTOM, PLACE_GATEHOUSE); }, 2816},
    {[]() -> int { return at(PLACE_GULF_EDGE); }, 3369},
};

// The hint's region: where a hint taken (or an offer declined) counts for
// every place of the maze.
struct region {
    int lo, hi;
};
constexpr region hint_regions[] = {{PLACE_UNDERCROFT, PLACE_HEART_OF_LABYRINTH},
                              {PLACE_MAZE_CROSSING, PLACE_TURNING_GALLERY_350}, {PLACE_LITTLE_LABYRINTH_454,
                               PLACE_LITTLE_LABYRINTH_459},
                              {PLACE_WARREN_227, PLACE_WARREN_CHUTE}, {PLACE_TANGLE_362, PLACE_FAR_END_OF_TANGLE}};

}  // namespace

// Help offer (asks question 5 (offer of a paid hint)).
int p405() {
    if (cond(!here_has(PFLAG_HINT_AVAILABLE)).OR(cond(here_has(PFLAG_HINT_DECLINED)).AND(!has(WORD_HELP))))
        return 0;
    value[VAR_PROMPT_TEXT] = 0;
    if (cond(here() == PLACE_QUIET_POCKET).AND(has(WORD_HELP))) {
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
    if (cond(here() == PLACE_STREAM_GALLERY).OR(here() == PLACE_UPSTREAM_POOL)) {
        if (cond(!bitest(VAR_GAME_FLAGS_2, 6)).AND(!bitest(VAR_GAME_FLAGS_2, 7))) {
            bitmod('s', PLACE_UPSTREAM_POOL, PFLAG_HINT_AVAILABLE);
            bitmod('s', PLACE_STREAM_GALLERY, PFLAG_HINT_AVAILABLE);
            bitmod('s', VAR_GAME_FLAGS_2, 6);
        }
        if (cond(bitest(VAR_GAME_FLAGS_2, 7))) {
            bitmod('c', PLACE_UPSTREAM_POOL, PFLAG_HINT_AVAILABLE);
            bitmod('c', PLACE_STREAM_GALLERY, PFLAG_HINT_AVAILABLE);
        }
    }
    if (cond(near(OBJ_LIZARD))) {
        if (cond(prompt == 2071)) {
            bitmod('c', VAR_GAME_FLAGS_2, 0);
        } else {
            bitmod('s', here(), PFLAG_HINT_AVAILABLE);
            bitmod('s', VAR_GAME_FLAGS_2, 0);
        }
    }
    if (cond(here() == PLACE_THREE_WAY_CHAMBER)) {
        // The offer at 313 is always 1912, so the first branch never runs.
        if (cond(prompt == 2003)) {
            bitmod('c', VAR_GAME_FLAGS_2, 1);
        } else {
            bitmod('s', here(), PFLAG_HINT_AVAILABLE);
            bitmod('s', VAR_GAME_FLAGS_2, 1);
        }
    }
    if (cond(here() == PLACE_BASTION).AND(value[PLACE_SEALED_CHAMBER] == 2)) set_variant(1878, 1);
    if (cond(within(here(), PLACE_SQUEEZE, PLACE_DARK_NOOK))) flag_places('c', PLACE_SQUEEZE, PLACE_DARK_NOOK,
        PFLAG_HINT_AVAILABLE);
    if (cond(here() == PLACE_THREE_WAY_CHAMBER).AND(is_visited(PLACE_BLIND_CRAWL)).AND(bitest(VAR_GAME_FLAGS_2,
                  1))) say(0,
        1914, 0);
    if (cond(near(OBJ_VAULT_DOOR))) {
        bitmod('c', PLACE_CEILING, PFLAG_HINT_AVAILABLE);
        bitmod('c', PLACE_EAST_VAULT_LANDING, PFLAG_HINT_AVAILABLE);
    }
    if (cond(here() == PLACE_CLINGING_CHAMBER).AND(value[VAR_HOLD_CHANCE] > 30)) value[VAR_HOLD_CHANCE] = 30;
    for (const region &r : hint_regions) {
        if (cond(within(here(), r.lo, r.hi))) {
            if (r.lo == PLACE_WARREN_227) say(0, cond(value[PLACE_WARREN_227] == 0) ? 1477 : 1266, 0);
            flag_places('c', r.lo, r.hi, PFLAG_HINT_AVAILABLE);
        }
    }
    if (cond(here_has(15))) flag_places('c', PLACE_DUNES_594, PLACE_DUNES_617, PFLAG_HINT_AVAILABLE);
    if (cond(near(OBJ_MIRROR))) flag_places('c', PLACE_EAST_MIRROR_LEDGE, PLACE_WEST_MIRROR_LEDGE,
        PFLAG_HINT_AVAILABLE);
    if (cond(within(here(), PLACE_STAIR_BOTTOM, PLACE_HOARD_LEDGE))) flag_places('c', PLACE_STAIR_BOTTOM,
        PLACE_HOARD_LEDGE, PFLAG_HINT_AVAILABLE);
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
    if (cond(within(here(), PLACE_UNDERCROFT, PLACE_HEART_OF_LABYRINTH))) flag_places('s', PLACE_UNDERCROFT,
        PLACE_HEART_OF_LABYRINTH, PFLAG_HINT_DECLINED);
    if (cond(here_has(15))) flag_places('s', PLACE_DUNES_594, PLACE_DUNES_617, PFLAG_HINT_DECLINED);
    for (const region &r : hint_regions)
        if (r.lo != PLACE_UNDERCROFT && cond(within(here(), r.lo, r.hi))) flag_places('s', r.lo, r.hi,
            PFLAG_HINT_DECLINED);
    say(SAY_STOP, 1871, 0);
    if (loop) return 0;
    return 0;
}
