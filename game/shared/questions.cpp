// The questions the game asks in the middle of play and their answers:
// speaking to the sentinel, the prowler and the brute, the drop at the
// crumbling rim, the pit of the long fall, paid help and paid texts, the
// save and the snapshot, the death question, the list of known things, a
// restore and the start of play; and the starting variants of the texts
// whose first showing is drawn from the clock.
#include "game.h"

namespace {

// Kinds of answer, each a condition folded into the status word.
int yes() { return anyof(WORD_ACCEPT, -1); }
int blank() { return words() == 0; }
cond_fold accept() { return cond(yes()); }
cond_fold accept_or_blank() { return cond(yes()).OR(blank()); }
cond_fold declines() { return cond(anyof(WORD_QUIT, WORD_DECLINE, WORD_NORTH, -1)); }
cond_fold declines_without_quit() { return cond(anyof(WORD_DECLINE, WORD_NORTH, -1)); }


// The command that led to the question comes back, with the prompt.
void command_back() { input_store('R', &value[VAR_PROMPT_TEXT]); }

// Asks question q with prompt t, keeping the command that led to it.
void ask(int q, int t) {
    value[VAR_PROMPT_TEXT] = t;
    mark_ref(VAR_PROMPT_TEXT);
    input_store('S', &value[VAR_PROMPT_TEXT]);
    value[VAR_QUESTION] = q;
    say(SAY_STOP | SAY_REFVAR, VAR_PROMPT_TEXT, 0);
}

// An answer that fits none of the expected ones: "please answer" and the
// prompt again; the question stays pending.
void ask_again() {
    command_back();
    say(0, 1268, 0);
    say(SAY_STOP | SAY_REFVAR, VAR_PROMPT_TEXT, 0);
}

void unclear() { say(SAY_STOP | SAY_ARG, 1723, 0); }

// Speaking to a creature declined: "you think better of trying to <word>
// the <creature> after all".
void thought_better(int who) {
    command_back();
    say(SAY_ARGVAR | SAY_ARG, 1693, VAR_ARG1);
    say(SAY_STOP | SAY_ARGVAR | SAY_ARG, 1694, who);
}

// Speaking to the prowler or the brute: the prompt's variant follows the
// creature's state and names it.
void ask_about(int q, int creature) {
    value[VAR_QUESTION] = q;
    value[VAR_PROMPT_TEXT] = 1338;
    mark_ref(VAR_PROMPT_TEXT);
    input_store('S', &value[VAR_PROMPT_TEXT]);
    say(SAY_STOP | SAY_ARG | SAY_ARGVAR | SAY_REFVAR, VAR_PROMPT_TEXT, creature);
}

}  // namespace

// --- Askers ---------------------------------------------------------------

// Asks question 28 (object 21 (sentinel)).
int p514() {
    if (cond(value[OBJ_SENTINEL] > 0)) {
        say(SAY_STOP, 1464, 0);
        return 0;
    }
    ask(Q_ADDRESS_OBJECT_21, 1337);
    return 0;
}

// Asks question 29 (object 193 (prowler)).
int p515() {
    ask_about(Q_ADDRESS_OBJECT_193, OBJ_ATTACKER);
    return 0;
}

// Asks question 30 (object 25 (brute)).
int p516() {
    ask_about(Q_ADDRESS_OBJECT_25, OBJ_BRUTE);
    return 0;
}

// Asks question 7 (places 591, 592).
int p800() {
    if (cond(words() == 1)) return 0;
    ask(Q_PLACES_591_592, 2310);
    return 0;
}

// Pages through a run of texts (question 21 (show the next text of a run?)).
int p510(arg_pair next, arg_pair last) {
    frame<2> f{next, last};
    value[VAR_MORE_TEXT_NEXT] = f.lvals[0];
    *bitword(VAR_MORE_TEXT_NEXT) = f.lbits[0];
    value[VAR_MORE_TEXT_LAST] = f.lvals[1];
    *bitword(VAR_MORE_TEXT_LAST) = f.lbits[1];
    say(0, value[VAR_MORE_TEXT_NEXT], 0);
    value[VAR_MORE_TEXT_NEXT] += 1;
    if (cond(value[VAR_MORE_TEXT_NEXT] > value[VAR_MORE_TEXT_LAST])) {
        value[VAR_QUESTION] = Q_NONE;
        loop = 1;
        return 0;
    }
    value[VAR_QUESTION] = Q_MORE_TEXT;
    say(SAY_STOP, 1431, 0);
    return 0;
}

// The save itself.
int p744() {
    value[VAR_QUESTION] = Q_NONE;
    // The place here keeps its visited flag: the score counts it, and a
    // save must not cost points.
    if (cond(arg2() == WORD_SAVE)) special(SPECIAL_ARG1_TO_ARG2, &value[VAR_STATUS_WORD]);
    if (cond(value[OBJ_HOURGLASS] > 1)) value[OBJ_HOURGLASS] += 1;
    special(SPECIAL_SAVE, &value[VAR_RESULT]);
    if (cond(value[VAR_RESULT] == 0)) {
        value[VAR_QUESTION] = Q_CONTINUE_AFTER_SAVE;
        say(SAY_ARG, 1556, 10);
        say(SAY_STOP, 1497, 0);
    } else if (cond(value[VAR_RESULT] == 2)) {
        input_store('S', &value[VAR_PROMPT_TEXT]);
        value[VAR_QUESTION] = Q_OVERWRITE_SAVE;
        say(SAY_STOP, 1543, 0);
    } else {
        value[VAR_QUESTION] = Q_NONE;
        say(SAY_STOP, 1544, 0);
    }
    return 0;
}

// After a restore (asks question 44 (asked after a restore)).
int p716() {
    if (cond(value[OBJ_LIGHT_SOURCE] == LIGHT_LIT)) value[VAR_LIGHT_POWER] += 1;
    value[VAR_QUESTION] = Q_AFTER_RESTORE;
    say(SAY_STOP, 1550, 0);
    return 0;
}

// Start of play.
int p765() {
    value[VAR_PHASE] = 2;
    value[VAR_RESULT] = 1;
    special(SPECIAL_PDATA_GET, &value[VAR_RESULT]);
    if (cond(value[VAR_RESULT] != 1)) {
        // The first game on this machine opens in the timeless chamber.
        say(0, 1276, 0);
        moveto(PLACE_INTRO, -1);
        bitmod('c', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_MOVED);
        value[VAR_THERE] = value[VAR_HERE];
        mark_ref(VAR_THERE);
        value[VAR_QUESTION] = Q_NONE;
        loop = 1;
        return 0;
    }
    bitmod('s', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_MOVED);
    moveto(PLACE_START, -1);
    value[VAR_THERE] = value[VAR_HERE];
    mark_ref(VAR_THERE);
    say(0, 1266, 0);
    value[VAR_QUESTION] = Q_INTRO;
    say(SAY_STOP, 1273, 0);
    return 0;
}

// --- Answerers ------------------------------------------------------------

// Answer to question 28 (speaking to the sentinel).
int p226() {
    value[VAR_QUESTION] = Q_NONE;
    if (accept()) {
        command_back();
        value[OBJ_SENTINEL] = 1;
        if (cond(here() == PLACE_EAST_END_OF_SENTINEL_WAY)) {
            // The sentinel wakes and steps out of its niche, and the way
            // it barred is where the player now stands.
            value[VAR_HERE] = PLACE_WEST_END_OF_SENTINEL_WAY;
            mark_ref(VAR_HERE);
            mark_ref(VAR_LOOP_OBJECT);
            for (value[VAR_LOOP_OBJECT] = FIRST_OBJECT; value[VAR_LOOP_OBJECT] <= LAST_OBJECT;
                 value[VAR_LOOP_OBJECT]++) {
                const int obj = value[VAR_LOOP_OBJECT];
                if (cond(isat(obj, -1, 0, PLACE_EAST_END_OF_SENTINEL_WAY)).AND(bitest(obj, OFLAG_PORTABLE))) apport(obj,
                    here());
            }
        }
        apport(OBJ_BALL, here());
        apport(OBJ_CLOTH, here());
        apport(OBJ_SENTINEL, here());
        value[1204] = irand(6) + 5;
        bitmod('c', OBJ_SENTINEL, OFLAG_TWO_PLACES);
        value[OBJ_CLOTH] = 2;
        say(0, 1920, 0);
        say(0, OBJ_SENTINEL, 0);
        say(0, OBJ_CLOTH, 0);
        say(SAY_STOP, OBJ_BALL, 0);
        return 0;
    }
    if (declines()) {
        thought_better(VAR_ARG2);
        return 0;
    }
    unclear();
    return 0;
}

// Answer to question 29 (speaking to the prowler).
int p247() {
    frame<1> f;  // local 0: the chance of getting away
    value[VAR_QUESTION] = Q_NONE;
    if (accept()) {
        command_back();
        f.lvals[0] = 10 * (value[VAR_CARRY_LIMIT] - value[VAR_CARRIED_COUNT] + 2);
        if (cond(irand(100) < f.lvals[0])) {
            say(0, 1334, 0);
            p517(num(0));
            if (loop) return 0;
            loop = 1;
            return 0;
        }
        if (cond(irand(100) < f.lvals[0])) {
            say(SAY_STOP, 1335, 0);
            return 0;
        }
        say(0, 1336, 0);
        p154();
        if (loop) return 0;
        return 0;
    }
    if (declines()) {
        thought_better(OBJ_ATTACKER);
        return 0;
    }
    unclear();
    return 0;
}

// Answer to question 30 (speaking to the brute).
int p632() {
    value[VAR_QUESTION] = Q_NONE;
    if (accept()) {
        command_back();
        if (cond(irand(100) <= 49)) {
            say(SAY_STOP, 1595, 0);
            return 0;
        }
        say(0, 1596, 0);
        p154();
        if (loop) return 0;
        return 0;
    }
    if (declines()) {
        thought_better(OBJ_BRUTE);
        return 0;
    }
    unclear();
    return 0;
}

// Answer to question 7 (asked at places 591 and 592).
int p223() {
    if (accept_or_blank()) {
        command_back();
        value[VAR_QUESTION] = Q_NONE;
        // The rim takes the lodestone always, anything else half the time;
        // the chance is drawn either way.
        if (cond(arg1() == OBJ_HEADING).OR(arg2() == OBJ_HEADING).OR(irand(100) <= 49)) {
            const int obj = arg2();
            apport(obj, PLACE_GONE);
            const int variant = cond(bitest(obj, 11)) ? 1 : 0;
            say(SAY_ARGVAR | SAY_ARG, 1987, VAR_ARG1);
            say(SAY_ARGVAR | SAY_ARG, 1989, VAR_ARG2);
            say(SAY_STOP | SAY_ARG, 2320, variant);
            return 0;
        }
        call_proc(WORD_DROP);
        if (loop) return 0;
        loop = 1;  // the kept command has been carried out: it is not dispatched again
        return 0;
    }
    if (declines()) {
        value[VAR_QUESTION] = Q_NONE;
        say(SAY_STOP | SAY_ARG, 2319, irand(5));
        return 0;
    }
    ask_again();
    return 0;
}

// Answer to question 8 (asked at place 283).
int p929() {
    frame<3> f;  // locals: 0 kept, 1 lost, 2 the variant of what is left
    if (accept_or_blank()) {
        command_back();
        bitmod('c', PLACE_FAR_SHORE, PFLAG_HINT_AVAILABLE);
        if (cond(carried(OBJ_FIREFLY))) apport(OBJ_FIREFLY, PLACE_GONE);
        for (int obj = FIRST_OBJECT; obj <= LAST_OBJECT; obj++) {
            if (!cond(carried(obj))) continue;
            if (cond(cond(obj == OBJ_JEWEL).OR(obj == OBJ_CANDLE)).AND(value[obj] == 2))
                f.lvals[0] = 1;  // the glowing things come through
            else if (cond(obj == OBJ_LIGHT_SOURCE))
                continue;
            else {
                apport(obj, PLACE_GONE);
                f.lvals[1] = 1;
            }
        }
        if (cond(f.lvals[1] == 0)) f.lvals[0] = 0;
        f.lvals[2] = f.lvals[1] + f.lvals[0] - 1;
        value[1645] = 0;
        if (cond(carried(OBJ_LIGHT_SOURCE))) {
            f.lvals[2] += 2;
            value[VAR_CARRIED_COUNT] = 1;
            if (cond(f.lvals[1] == 0)) {
                f.lvals[1] = 1;
                f.lvals[2] = 4;
            }
            if (cond(value[OBJ_LIGHT_SOURCE] == LIGHT_LIT)) value[1645] = 1;
        } else {
            value[VAR_CARRIED_COUNT] = 0;
        }
        say(0, 1645, 0);
        if (cond(f.lvals[1] > 0))
            say(SAY_ARG, 1646, f.lvals[2]);
        else
            say(0, 1266, 0);
        value[VAR_QUESTION] = Q_NONE;
        moveto(PLACE_NEAR_SHORE, -1647);
        return 0;
    }
    if (declines()) {
        value[VAR_QUESTION] = Q_NONE;
        say(SAY_STOP, 1267, 0);
        return 0;
    }
    ask_again();
    return 0;
}

// Answer to questions 10 and 11.
int p687() {
    if (cond(value[VAR_QUESTION] == Q_PAID_TEXT_OFFER)) {
        value[VAR_QUESTION] = Q_NONE;
        if (accept_or_blank()) {
            value[VAR_QUESTION] = Q_PAID_TEXT_CONFIRM;
            say(SAY_STOP, 1569, 0);
            return 0;
        }
        if (declines()) {
            say(SAY_STOP, 1267, 0);
            return 0;
        }
    }
    value[VAR_QUESTION] = Q_NONE;
    value[VAR_PENALTY_POINTS] += 10;
    say(SAY_STOP | SAY_ARG, 1570, 0);
    return 0;
}

// Answer to question 13 (paid way out of a maze).
int p552() {
    value[VAR_QUESTION] = Q_NONE;
    if (accept_or_blank()) {
        value[VAR_PENALTY_POINTS] += 10;
        for (int obj = FIRST_OBJECT; obj <= LAST_OBJECT; obj++)
            if (cond(carried(obj)).AND(bitest(obj, OFLAG_SCORING))) apport(obj, VAR_HERE);
        if (cond(carried(OBJ_TUSK))) apport(OBJ_TUSK, VAR_HERE);
        say(SAY_REFVAR, VAR_PASSAGE_TEXT, 0);
        if (cond(within(here(), PLACE_WARREN_227, PLACE_WARREN_CHUTE))) {
            moveto(PLACE_MOUTH_OF_WARREN, -2);
            return 0;
        }
        if (cond(within(here(), PLACE_TANGLE_362, PLACE_FAR_END_OF_TANGLE))) {
            moveto(PLACE_TANGLE_FORK, -2);
            return 0;
        }
        if (cond(within(here(), PLACE_UNDERCROFT, PLACE_HEART_OF_LABYRINTH))) {
            moveto(PLACE_GATEWAY, -2);
            return 0;
        }
    }
    if (declines()) {
        say(SAY_STOP, 1267, 0);
        return 0;
    }
    unclear();
    return 0;
}

// Answer to questions 15 and 17.
int p743() {
    if (cond(value[VAR_QUESTION] == Q_SAVE_CONFIRM)) {
        value[VAR_QUESTION] = Q_NONE;
        if (accept_or_blank()) {
            command_back();
            if (cond(words() <= 1)) {  // the save command named no game: ask for a name
                value[VAR_QUESTION] = Q_SAVE_NAME;
                value[VAR_COMMAND_STATUS] = 98;  // the answer is taken as typed
                say(SAY_STOP, 1551, 0);
                return 0;
            }
            p744();
            if (loop) return 0;
            return 0;
        }
        if (declines()) {
            say(SAY_STOP, 1554, 0);
            return 0;
        }
        unclear();
        return 0;
    }
    // Going on after a save.
    if (accept_or_blank()) {
        value[VAR_PENALTY_POINTS] += 10;
        value[VAR_QUESTION] = Q_NONE;
        say(SAY_STOP, 1267, 0);
        return 0;
    }
    if (declines()) {
        say(0, 1553, 0);
        p322();
        if (loop) return 0;
        return 0;
    }
    say(0, 1268, 0);
    say(SAY_ARG, 1556, 10);
    say(SAY_STOP, 1497, 0);
    return 0;
}

// Answer to questions 18 and 19 (in-memory snapshot).
int p33() {
    if (cond(value[VAR_QUESTION] == Q_SNAPSHOT_TAKE)) {
        value[VAR_QUESTION] = Q_NONE;
        if (cond(blank()).OR(yes()).OR(anyof(WORD_MARK, -1))) {
            if (cond(memstore(1) == 0))
                say(SAY_STOP, 2371, 0);
            else
                say(SAY_STOP, 2370, 0);
            return 0;
        }
    } else {
        value[VAR_QUESTION] = Q_NONE;
        if (accept_or_blank()) {
            if (cond(memstore(2) == 0)) {
                value[VAR_PENALTY_POINTS] += 1;
                bitmod('s', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_MOVED);  // taken as an arrival
                say(SAY_STOP, 2372, 0);
            } else {
                say(SAY_STOP, 2373, 0);
            }
            return 0;
        }
    }
    if (declines()) {
        say(SAY_STOP, 1871, 0);
        return 0;
    }
    unclear();
    return 0;
}

// Answer to question 27 (after a death).
int p718() {
    if (accept_or_blank()) {
        value[VAR_QUESTION] = Q_NONE;
        say(0, 1380, 0);
        say(0, 1266, 0);
        if (cond(value[VAR_DEATHS] == 4)) {
            p322();
            if (loop) return 0;
        }
        if (cond(carried(OBJ_URN))) {
            apport(OBJ_URN, PLACE_GONE);
            apport(OBJ_SHARDS, PLACE_CARRIED);
        }
        if (cond(carried(OBJ_VESSEL_MEDIUM))) value[OBJ_VESSEL_MEDIUM] = 2;
        if (cond(carried(OBJ_VESSEL_SMALL)).AND(value[OBJ_VESSEL_SMALL] != 1)) value[OBJ_VESSEL_SMALL] = 2;
        if (cond(within(getloc(OBJ_WAND), PLACE_NORTH_RIM, PLACE_STREAM_HEAD))) apport(OBJ_WAND, PLACE_START);

        // What the player carried lies where he fell.
        for (int obj = FIRST_OBJECT; obj <= LAST_OBJECT; obj++) {
            if (!cond(carried(obj))) continue;
            if (cond(obj == OBJ_JEWEL).OR(obj == OBJ_AXE)) {
                apport(obj, PLACE_START);
                continue;
            }
            apport(obj, VAR_HERE);
            if (cond(bitest(obj, OFLAG_LIGHTABLE)).AND(value[obj] == 2)) value[obj] = 1;
        }

        value[VAR_CARRIED_COUNT] = 0;
        value[OBJ_LIGHT_SOURCE] = 0;
        moveto(PLACE_DEPOSIT, -1);
        value[VAR_THERE] = 0;
        apport(OBJ_LIGHT_SOURCE, PLACE_START);
        if (cond(value[VAR_LIGHT_POWER] == 0)
                .AND(!bitest(PLACE_FLUE, PFLAG_VISITED))
                .AND(cond(value[OBJ_LIGHT_REFILL] == REFILL_USED).OR(!bitest(getloc(OBJ_LIGHT_REFILL), 7))))
            apport(OBJ_LIGHT_SOURCE, PLACE_GONE);  // no oil left anywhere: the lamp is done with
        apport(OBJ_ATTACKER, PLACE_OFFSTAGE);
        value[OBJ_ATTACKER] = 0;
        bitmod('c', OBJ_PHANTOM, 13);
        loop = 1;
        return 0;
    }
    if (declines()) {
        p322();
        if (loop) return 0;
        return 0;
    }
    say(0, 1268, 0);
    say(SAY_STOP, 1271, 0);
    return 0;
}

// Answer to question 31 (asked at place 477).
int p763() {
    command_back();
    say(0, 1720, 0);
    for (int obj = FIRST_OBJECT; obj <= LAST_OBJECT; obj++) {
        if (!cond(carried(obj))) continue;
        if (cond(bitest(obj, OFLAG_SCORING)))
            apport(obj, PLACE_HOARD);
        else
            apport(obj, VAR_HERE);
    }
    p154();
    if (loop) return 0;
    return 0;
}

namespace {

// One item of the list of known things: the word shown (or `label`), shown
// always (`always`) or once the word's own entity, or `needs`, has been
// seen or visited.
struct known_item {
    int word, needs = 0, always = 0, label = 0;
};
constexpr known_item K(int word) { return {word}; }
constexpr known_item K_ALWAYS(int word) { return {word, 0, 1}; }
constexpr known_item K_AS(int word, int label) { return {word, 0, 0, label}; }
constexpr known_item K_AT(int word, int needs, int label = 0) { return {word, needs, 0, label}; }

void list(const known_item &x) { voc(x.word, x.needs, x.always ? 0 : OFLAG_SEEN, x.label); }

constexpr known_item KNOWN_FIRST[] = {
    K(OBJ_HOURGLASS), K_ALWAYS(OBJ_AXE), K(OBJ_RELIQUARY), K(OBJ_WATCHER), K(OBJ_LIGHT_REFILL), K(OBJ_CANDLE), K(OBJ_LYNX), K(OBJ_STICK), K(OBJ_FIREFLY), K_AT(OBJ_FONT,
      PLACE_UPPER_GROTTO),
    K_AT(OBJ_LEDGER, PLACE_LEDGER_CELL, 1945), K_ALWAYS(OBJ_VESSEL_MEDIUM), K_AS(OBJ_SIEVE, 1946), K_AS(OBJ_FRUIT,
         1947), K(OBJ_BRAND), K(OBJ_BRIDGE), K(OBJ_VESSEL_LARGE), K(OBJ_FUNNEL),
    K(OBJ_JAR), K_AT(WORD_BEER, OBJ_LIQUID_3), K(OBJ_COLLAR), K(OBJ_WATERSKIN), K(OBJ_LIQUID_3), K_AT(OBJ_CHASM,
      PLACE_NEAR_BRIDGEHEAD), K_AS(OBJ_STRONGBOX, 1948), K(OBJ_COFFER), K(OBJ_CHEST), K(OBJ_TOKEN),
    K(OBJ_FUSE), K(OBJ_FIGURINE), K(OBJ_TRAPDOOR), K(OBJ_LOCKET), K(OBJ_BOWL), K(OBJ_SPIRIT), K(OBJ_SPRITE), K(OBJ_DOOR), K(OBJ_PACKET), K(OBJ_SENTINEL), K(OBJ_BEAM), K(OBJ_LIQUID_4), K_AS(OBJ_ATTACKER,
      1949),
    K_AS(OBJ_STATUETTE, 1950), K(OBJ_RING), K(OBJ_TORCH), K(OBJ_VESSEL_SMALL), K(OBJ_VINE),
};
// 937 is listed here once the stair top is known, and again later always:
// the later entry is shown only when this one was not.
constexpr known_item KNOWN_ECHO = K_AT(WORD_ECHO, PLACE_HALL_OF_GLIMMERS);
constexpr known_item KNOWN_SECOND[] = {
    K(OBJ_BREAD), K(OBJ_GRILLE), K(OBJ_GIANT), K(OBJ_FOLLOWER), K_AS(OBJ_INGOT,
      1951), K(OBJ_GONG), K(OBJ_LOCKED_GATE), K(OBJ_HEAP), K(OBJ_WICK), K(OBJ_HORN), K(OBJ_OTTER), K_AS(OBJ_LETTERING,
      1952),
    K(OBJ_CANDLESTICK), K_ALWAYS(OBJ_OPENER), K_ALWAYS(OBJ_LIGHT_SOURCE), K_AS(OBJ_AUTOMATON, 1953), K_AS(OBJ_PLAQUE,
      1954), K(OBJ_INCENSE), K(OBJ_PANE),
};
constexpr known_item KNOWN_THIRD[] = {
    K(OBJ_HONEYCAKE), K_AS(OBJ_MARK_142, 1955), K(OBJ_SIGN), K(OBJ_BRUTE), K_AT(OBJ_LIQUID_2,
      PLACE_OIL_SEEP), K_AS(OBJ_CRYSTAL, 1956), K_AS(OBJ_ORB, 1957), K(OBJ_WANDERER),
};
constexpr known_item KNOWN_FOURTH[] = {
    K(OBJ_MOONSTONE), K(OBJ_CUSHION), K_AT(OBJ_SNAG, PLACE_NEAR_END_OF_SNAG), K(OBJ_PHANTOM),
};
// 146 comes again here in the full list; it is shown once, above.
constexpr known_item KNOWN_FIFTH[] = {
    K(OBJ_TABLET), K(OBJ_MEDALLION), K(OBJ_WINCH), K_AS(OBJ_SHARDS,
      1960), K(OBJ_JOURNAL), K(OBJ_RAG), K(OBJ_EEL), K(OBJ_JEWEL), K(OBJ_WAND), K(OBJ_LADDER), K_AT(WORD_GREENERY,
      PLACE_WELL_HEAD),
    K(OBJ_CLOTH), K(OBJ_VAULT_DOOR), K(OBJ_SPIRE), K(OBJ_PLUME), K(OBJ_PARCHMENT), K(OBJ_OPAL), K(OBJ_FEATHER), K_AS(OBJ_BEACON,
      1962), K_AS(OBJ_AMULET, 1963), K(OBJ_SHEET), K(OBJ_VASE),
    K(OBJ_NEST), K(OBJ_LIZARD), K(OBJ_GOBLET), K(OBJ_SPIDER), K(PLACE_SUMMIT), K(OBJ_WINDER), K(OBJ_BRACELET), K(OBJ_CHUTE), K(OBJ_SUNSTONE), K(OBJ_PORTCULLIS), K(OBJ_STEPS), K(OBJ_HEADING), K(OBJ_SWORD), K(OBJ_SCRATCHES),
    K(OBJ_BALL), K(OBJ_DAIS), K(OBJ_SCEPTRE), K(OBJ_FERRY), K(OBJ_TRAP), K_ALWAYS(OBJ_TREE), K(OBJ_DAGGER), K(OBJ_KEEPER), K(OBJ_TUSK), K(OBJ_GRIFFIN), K(OBJ_IMP), K(OBJ_URN), K(OBJ_FLASK),
    K_ALWAYS(OBJ_LIQUID_1), K(OBJ_WEB), K_AS(OBJ_BAUBLE, 1961), K(OBJ_POD), K(OBJ_NECKLACE),
};

}  // namespace

void remind_how_to_begin() {
    if (cond(value[VAR_PHASE] == 2)) say(0, 1278, 0);
}

// List of known words (questions 36, 37).
int p776() {
    if (declines()) {
        value[VAR_QUESTION] = Q_NONE;
        say(0, 1871, 0);
        remind_how_to_begin();
        loop = 1;
        return 0;
    }
    voc(0, 0, 0, 1944);
    for (const known_item &x : KNOWN_FIRST) list(x);
    list(KNOWN_ECHO);
    const bool echo_shown = cond(bitest(PLACE_HALL_OF_GLIMMERS, OFLAG_SEEN));
    for (const known_item &x : KNOWN_SECOND) list(x);
    if (!echo_shown) voc(WORD_ECHO, 0, 0, 0);
    for (const known_item &x : KNOWN_THIRD) list(x);
    voc(OBJ_BUNDLE, 0, OFLAG_SEEN, cond(value[OBJ_BUNDLE] == 2) ? 1958 : 0);
    for (const known_item &x : KNOWN_FOURTH) list(x);
    if (cond(bitest(OBJ_PLANT, OFLAG_SEEN)).OR(bitest(OBJ_CREEPER, OFLAG_SEEN)))
        voc(OBJ_PLANT, 0, OFLAG_SEEN, 1959);
    else
        voc(OBJ_PLANT, 0, 0, 0);
    for (const known_item &x : KNOWN_FIFTH) list(x);
    say(0, 1266, 0);
    if (cond(value[VAR_QUESTION] == Q_NONE)) {
        loop = 1;
        return 0;
    }
    value[VAR_QUESTION] = Q_WORDS_MORE;
    say(SAY_STOP, 1431, 0);
    return 0;
}

// Answer to question 43 (keep a restored game younger than 5 minutes?).
int p250() {
    value[VAR_QUESTION] = Q_NONE;
    if (accept_or_blank()) {
        value[VAR_PENALTY_POINTS] += 10;
        p716();
        if (loop) return 0;
        return 0;
    }
    if (declines_without_quit())
        say(0, 1267, 0);
    else
        say(SAY_ARG, 1723, 0);
    // The restore is undone: play goes on from before it.
    special(SPECIAL_UNDO_RESTORE, &value[VAR_STATUS_WORD]);
    value[VAR_QUESTION] = Q_NONE;
    loop = 1;
    return 0;
}

// Answer to questions 44 and 2.
int p717() {
    value[VAR_QUESTION] = Q_NONE;

    // A game saved by an older version held the object's word among the
    // command words; it becomes the word of power it stood for.
    const int w = value[VAR_SPELL_WORD];
    if (cond(within(w, WORD_SAVE, WORD_LEAVE))) {
        if (cond(w == WORD_UNDO).OR(w == WORD_REDO)) {
            value[VAR_SPELL_WORD] = WORD_PAZHAN;
            mark_ref(VAR_SPELL_WORD);
        } else if (cond(w == WORD_MARGIN)) {
            value[VAR_SPELL_WORD] = WORD_KELBRIN;
            mark_ref(VAR_SPELL_WORD);
        } else if (cond(w == WORD_LINE_WIDTH)) {
            value[VAR_SPELL_WORD] = WORD_JEVRA;
            mark_ref(VAR_SPELL_WORD);
        } else if (cond(w <= WORD_WAIT)) {
            value[VAR_SPELL_WORD] = WORD_DATHEL;
            mark_ref(VAR_SPELL_WORD);
        }
    }
    p697();
    if (loop) return 0;

    if (accept_or_blank()) {
        say(0, 1267, 0);
    } else if (declines_without_quit()) {
        // The saved game is not wanted again: its file is deleted.
        input_store('R', &value[VAR_STATUS_WORD]);
        special(SPECIAL_DELETE_SAVE, &value[VAR_RESULT]);
        if (cond(value[VAR_RESULT] == 0))
            say(0, 1555, 0);
        else
            say(0, 2833, 0);
    } else {
        say(SAY_ARG, 1723, 1);
    }
    moveto(here(), -1);
    bitmod('c', evar(VAR_HERE), PFLAG_VISITED);
    say(SAY_STOP, 1266, 0);
    return 0;
}

// --- The same exchanges ---------------------------------------------------

// Word 783 ("attack") on object 109 (firefly).
int p513() {
    if (cond(value[VAR_PHASE] <= 5)) {
        p945();
        if (loop) return 0;
        say(SAY_STOP, 1332, 0);
        return 0;
    }
    say(SAY_STOP, 1874, 0);
    return 0;
}

// Says text 1283 (accepted question 22 (introduction); word 821 ("manual")).
int p221() {
    say(SAY_STOP, 1283, 0);
    return 0;
}

namespace {

// Texts whose first showing starts at a variant drawn from the clock, and
// their variant counts.
struct seeded_text {
    int text, variants;
};
constexpr seeded_text SEEDED[] = {
    {1302, 3}, {1303, 9}, {1377, 10}, {1350, 3}, {1349, 8}, {1351, 9}, {1493, 8}, {1294, 11}, {1319, 3},
    {1295, 8}, {1300, 5}, {1934, 5},  {2165, 7}, {2535, 5}, {2555, 6}, {2564, 3}, {2464, 8},  {2739, 3},
    {1997, 10}, {2860, 4}, {3065, 3}, {2903, 7}, {2902, 5}, {2748, 4}, {2503, 5}, {2297, 4}, {2016, 3},
    {1314, 2}, {1315, 3}, {1331, 2},  {1378, 3}, {1403, 5}, {1424, 3}, {1453, 4}, {1506, 3}, {1507, 3},
    {2504, 4}, {2534, 3}, {2587, 3},  {2596, 4}, {2676, 3}, {2720, 3}, {2731, 5}, {2773, 2}, {3037, 4},
    {3217, 5}, {3220, 6}, {3315, 8},  {3122, 7}, {3221, 3}, {3337, 5}, {1269, 3}, {3313, 6}, {3375, 5},
    {3379, 6}, {1809, 7}, {3389, 3},  {3412, 3}, {3403, 4}, {3426, 6}, {2066, 4}, {2339, 3},
};
static_assert(std::size(SEEDED) == 62);

}  // namespace

// Starting variants of 62 texts.
int p697() {
    for (const seeded_text &s : SEEDED) value[s.text] = jrand(s.variants);
    // The two halves of one reply keep the same order of words.
    set('T', 3314, 'e', 3313, nullptr, nullptr);
    value[2557] = (jrand(16) / 4) * 4;
    return 0;
}
