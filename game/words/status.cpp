// Status, undo and setting words: the inventory and the score, the three
// description modes, undo and redo (which never give back turns or points),
// speaking Keln, the console layout words, and three words that ask a
// question of their own: cheating, resting and the map of the warren.
#include "game.h"

namespace {

constexpr int UNDO_ON = 4;  // flag of VAR_UNDO_RESULT: the player has switched undo on

// The layout words work only in the console; in the browser the page lays
// out the text itself, and the word is refused naming it as typed. The
// reader's copy of a token as typed is of the word it read last, which
// after a number is the number: only a word alone is copied.
bool browser_refuses() {
    if (!cond(test("html"))) return false;
    if (cond(words() == 1)) verbatim(VAR_ARG1);
    say_stop_typed(1349, VAR_ARG1);
    return true;
}

// Describes the place here briefly, whatever the description mode.
void describe_briefly() {
    if (cond(bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_BRIEF_ALL))) {
        say(SAY_REFVAR, VAR_HERE, 0);
        return;
    }
    bitmod('s', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_BRIEF_ALL);
    say(SAY_REFVAR, VAR_HERE, 0);
    bitmod('c', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_BRIEF_ALL);
}

// How many moves were taken back (0) or played again (1): as many as asked
// (`text`), or fewer.
void moves_done(int redoing, int text) {
    if (!cond(value[VAR_UNDO_RESULT] > 0)) return;
    if (cond(bitest(VAR_UNDO_RESULT, VFLAG_UNDO_RESULT_SHORT))) {
        say(SAY_ARG, 3405, redoing);
        say(SAY_ARG | SAY_ARGVAR, 3406, VAR_UNDO_RESULT);
    } else {
        say(SAY_ARG | SAY_ARGVAR, text, VAR_UNDO_RESULT);
    }
}

// After an undo or redo that left the place as it was: the light lost or
// found.
void light_change(int was_lit) {
    if (cond(was_lit == 1).AND(!light()))
        say(0, 2519, 0);
    else if (cond(was_lit == 0).AND(light()))
        say(0, 3412, 0);
}

}  // namespace

// Word 844 ("inventory"): lists what the player carries (as felt, in the dark).
int p485() {
    frame<3> f;  // locals: 0 the object looked at, 1 how many are carried, 2 the first one carried
    if (cond(words() > 1)) {
        say_stop(1493);
        return 0;
    }
    for (f.lvals[0] = FIRST_OBJECT; f.lvals[0] <= LAST_OBJECT; f.lvals[0]++) {
        if (!cond(have(f.lvals[0], -1, 0))) continue;
        if (cond(f.lvals[1] == 0)) {
            say(SAY_ARG, 1395, cond(light()) ? 0 : 1);
            f.lvals[2] = f.lvals[0];
        }
        say(0, f.lvals[0], 0);
        f.lvals[1]++;
    }
    if (cond(f.lvals[1] == 0)) say(0, 1389, 0);
    // "It" is the one thing carried; unmarked, as a mark would make object 166 count as a treasure.
    if (cond(f.lvals[1] == 1)) value[OBJ_PRONOUN] = f.lvals[2];
    loop = 1;
    return 0;
}

// Word 845 ("score"): reports the score, any deduction, the most there is and the turns taken; the
// next command costs no turn.
int p747() {
    p378();
    if (loop) return 0;
    say(SAY_ARGVAR | SAY_ARG, 1521, VAR_SCORE);
    if (cond(value[VAR_SCORE_DEDUCTION] > 0)) {
        say(SAY_ARGVAR | SAY_ARG, 1522, VAR_SCORE_DEDUCTION);
        say(SAY_ARGVAR | SAY_ARG, 1523, VAR_SCORE_NET);
    }
    say(SAY_ARGVAR | SAY_ARG, 1524, VAR_SCORE_MAX);
    say(SAY_ARGVAR | SAY_ARG, 1525, VAR_TURNS);
    value[VAR_QUESTION] = Q_AFTER_SCORE;  // the next command costs no turn
    loop = 1;
    return 0;
}

// --- Description modes --------------------------------------------------------

namespace {

// A brief mode: said so when it is in force already, else switched on
// (and the other off), with the text that the sequence replies say.
void brief_mode(int flag, int other, int variant, int lead, int reply) {
    if (cond(bitest(VAR_COMMAND_STATUS, flag))) {
        say_stop_variant(2830, variant);
        return;
    }
    bitmod('s', VAR_COMMAND_STATUS, flag);
    bitmod('c', VAR_COMMAND_STATUS, other);
    hold_ref(VAR_SPELL_ACK, lead);
    say_stop(reply);
}

}  // namespace

// Word 824 ("terse"): brief descriptions everywhere.
int p832() {
    brief_mode(VFLAG_COMMAND_STATUS_BRIEF_ALL, VFLAG_COMMAND_STATUS_BRIEF_VISITED, 0, TEXT_NOTHING, 2831);
    return 0;
}

// Word 825 ("brief"): brief descriptions of places already visited.
int p616() {
    brief_mode(VFLAG_COMMAND_STATUS_BRIEF_VISITED, VFLAG_COMMAND_STATUS_BRIEF_ALL, 1, 1267, 1454);
    return 0;
}

// Word 826 ("verbose"): full descriptions everywhere again, and the place described in full.
int p885() {
    if (cond(!bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_BRIEF_VISITED))
            .AND(!bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_BRIEF_ALL))) {
        say_stop_variant(2830, 2);
        return 0;
    }
    bitmod('c', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_BRIEF_VISITED);
    bitmod('c', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_BRIEF_ALL);
    hold_ref(VAR_SPELL_ACK, 1267);
    say(0, 2832, 0);
    if (cond(light())) {
        say(0, 1266, 0);
        p188(num(1));
        if (loop) return 0;
    }
    loop = 1;
    return 0;
}

// --- Undo and redo --------------------------------------------------------------

// Word 738 ("undo"): undoes commands (as many as a count after it says), or turns undoing on or
// off.
int p871() {
    // Locals: 0 the place before, 1 the turns before, 2 the undo result
    // before (its flag 4 kept with it), 3 the penalty points before, 4 the
    // light before (1 lit).
    frame<5> f;
    // The reader keeps the word after "undo" as typed, a count or a name:
    // "on" and "off" there are the switch's own words, and "all" means
    // every move (the count the journal takes for all of them).
    if (cond(arg2() == PARSE_UNKNOWN).AND(typed("on")))
        hold_ref(VAR_ARG2, WORD_ON);
    else if (cond(arg2() == PARSE_UNKNOWN).AND(typed("off")))
        hold_ref(VAR_ARG2, WORD_OFF);
    else if (cond(arg2() == PARSE_UNKNOWN).AND(typed("all")))
        hold_ref(VAR_ARG2, OBJ_ALL);
    if (cond(has(WORD_ON)).AND(bitest(VAR_UNDO_RESULT, UNDO_ON))) {
        say_stop(3420);
        return 0;
    }
    if (cond(has(WORD_OFF))) {
        say_stop(3421);
        return 0;
    }
    // The undo word twice: everything undone is done again.
    if (cond(arg1() == WORD_UNDO).AND(arg2() == WORD_UNDO)) {
        hold_ref(VAR_ARG1, WORD_REDO);
        hold_ref(VAR_ARG2, OBJ_ALL);
    }
    if (cond(!bitest(VAR_UNDO_RESULT, UNDO_ON))) {
        value[VAR_QUESTION] = Q_UNDO_ENABLE;
        say(0, 3413, 0);
        say(0, 3415, 0);
        input_store('S', &value[VAR_STATUS_WORD]);
        say_stop(3418);
        return 0;
    }

    if (cond(light())) f.lvals[4] = 1;
    set('L', 0, 'v', VAR_HERE, f);
    set('L', 1, 'e', VAR_TURNS, f);
    set('L', 2, 'e', VAR_UNDO_RESULT, f);
    if (cond(bitest(VAR_UNDO_RESULT, UNDO_ON))) lbitmod('s', 2, UNDO_ON, f);
    set('L', OBJ_ALL, 'e', VAR_PENALTY_POINTS, f);

    if (cond(has(WORD_UNDO))) {
        undo();
        moves_done(0, 3409);
    } else {
        redo();
        moves_done(1, 3410);
    }
    if (cond(bitest(VAR_UNDO_RESULT, VFLAG_UNDO_RESULT_BAD_COUNT))) {
        say_stop(1352);
        return 0;
    }

    if (cond(value[VAR_UNDO_RESULT] > 0)) {
        // Turns and charges are not taken back, nor the switch.
        set('V', VAR_PENALTY_POINTS, 'l', 3, f);
        set('V', VAR_TURNS, 'l', 1, f);
        set('V', VAR_UNDO_RESULT, 'l', 2, f);
        if (cond(lbitest(2, UNDO_ON, f))) bitmod('s', VAR_UNDO_RESULT, UNDO_ON);
        value[VAR_RESULT] = 0;
        if (cond(here() != f.lvals[0])) value[VAR_RESULT] += 1;
        if (cond(bitest(VAR_UNDO_RESULT, VFLAG_UNDO_RESULT_INVENTORY))) value[VAR_RESULT] += 2;
        p487();
        if (loop) return 0;
        if (cond(value[VAR_RESULT] == 0)) {
            light_change(f.lvals[4]);
        } else {
            say(SAY_ARG | SAY_ARGVAR, 3411, VAR_RESULT);
            if (cond(value[VAR_RESULT] != 2)) {
                if (cond(light()))
                    describe_briefly();
                else if (cond(value[VAR_RESULT] == 1))
                    say(0, 2519, 0);
            } else {
                light_change(f.lvals[4]);
            }
            if (cond(value[VAR_RESULT] != 1)) {
                value[VAR_COMMAND_STATUS] = 1;
                call_proc(WORD_INVENTORY);
                if (loop) return 0;
            }
        }
        loop = 1;
        return 0;
    }

    if (cond(value[VAR_UNDO_RESULT] == 0)) {
        say_stop_typed(3401, VAR_ARG1);
        return 0;
    }
    if (cond(value[VAR_UNDO_RESULT] == -2)) {
        say_stop_typed(3402, VAR_ARG1);
        return 0;
    }
    if (cond(words() == -1)) {
        say_stop(cond(has(WORD_UNDO)) ? 3403 : 3404);
        return 0;
    }
    return 0;  // refused for another reason: the last replies answer
}

// Word 739 ("redo"): redoes what was undone, through the undo word.
int p705() {
    call_proc(WORD_UNDO);
    if (loop) return 0;
    return 0;
}

// --- Speaking Keln ----------------------------------------------------------------

// Word 866 ("kelnish"): the player speaks Keln from now on.
int p249() {
    if (cond(value[VAR_DWARVISH] == 0)) {
        say(0, 2455, 0);
        value[VAR_DWARVISH] = 1;
        loop = 1;
        return 0;
    }
    say_stop_variant(2457, 1);
    return 0;
}

// Word 867 ("plainly"): the player speaks plainly again.
int p270() {
    if (cond(value[VAR_DWARVISH] == 0)) {
        say_stop_variant(2457, 0);
        return 0;
    }
    value[VAR_DWARVISH] = 0;
    say_stop(2456);
    return 0;
}

// --- Console layout -----------------------------------------------------------------

// Word 870 ("justify"): the console's justification on, off or toggled; refused in the browser.
int p509() {
    frame<1> f;  // local 0: the setting asked for (2 toggles), then the setting made
    if (browser_refuses()) return 0;
    if (cond(has(WORD_OFF)))
        f.lvals[0] = 0;
    else if (cond(has(WORD_ON)))
        f.lvals[0] = 1;
    else if (cond(words() == 1))
        f.lvals[0] = 2;
    else {
        say_stop(1403);
        return 0;
    }
    special(SPECIAL_JUSTIFY, &f.lvals[0]);
    say_stop_variant(3233, f.lvals[0]);
    return 0;
}

// Word 732 ("width"): the console's line length; refused in the browser.
int p527() {
    frame<1> f;  // local 0: the line length set, 0 when no number was given
    if (browser_refuses()) return 0;
    if (cond(words() == 1)) {
        say_stop_typed(3236, VAR_ARG1);
        return 0;
    }
    special(SPECIAL_LINE_LENGTH, &f.lvals[0]);
    if (cond(f.lvals[0] > 0)) {
        say(SAY_ARG | SAY_ARGVAR, 3234, VAR_ARG1);
        say_stop_variant(3235, f.lvals[0]);
        return 0;
    }
    say_stop(1403);
    return 0;
}

// Word 734 ("margin"): the console's margin; refused in the browser.
int p548() {
    frame<1> f;  // local 0: the margin set (0 is a margin too)
    if (browser_refuses()) return 0;
    if (cond(words() == 1)) {
        say_stop_typed(3236, VAR_ARG1);
        return 0;
    }
    special(SPECIAL_MARGIN, &f.lvals[0]);
    say(SAY_ARG | SAY_ARGVAR, 3234, VAR_ARG1);
    say_stop_variant(3235, f.lvals[0]);
    return 0;
}

// Word 733 ("depth"): the console's page length; refused in the browser.
int p752() {
    frame<1> f;  // local 0: the page length set, 0 when no usable number was given
    if (browser_refuses()) return 0;
    if (cond(words() == 1)) {
        say_stop(3237);
        return 0;
    }
    special(SPECIAL_PAGE_LENGTH, &f.lvals[0]);
    if (cond(f.lvals[0] > 0)) {
        say_stop_variant(3238, f.lvals[0]);
        return 0;
    }
    say_stop(1403);
    return 0;
}

// --- Words with a question of their own --------------------------------------------

using namespace rows;

// Cheating: not in the timeless chamber; elsewhere it asks, and costs.
constexpr row CHEAT[] = {
    when(here_is(PLACE_INTRO), reply(2318)),
    let(VAR_QUESTION, Q_PAID_TEXT_OFFER),
    reply(1568),
};

int p939() { return run<CHEAT>(); }

// Resting: once, and only under the hills.
constexpr row REST[] = {
    first(),
        when([] { return cond(here_has(7)); }, reply(2171)),
        when([] { return cond(bitest(VAR_GAME_FLAGS_2, 5)); }, reply(2174)),
        otherwise(), let(VAR_QUESTION, Q_WORD_862), reply(2172), end(),
    end(),
};

int p214() { return run<REST>(); }

// The map of the warren: offered for points while in the warren, and once
// bought it points out, once, the one cell the player has yet to find.
cond_fold in_warren() { return cond(within(here(), PLACE_WARREN_227, PLACE_WARREN_CHUTE)); }

constexpr row MAP[] = {
    first(),
        when([] { return cond(within(here(), PLACE_TANGLE_362, PLACE_FAR_END_OF_TANGLE)); }, reply(2201)),
        group(value_is(PLACE_WARREN_CHUTE, 0)),
            first(),
                group(in_warren), tell(2195, arg(10)), let(VAR_QUESTION, Q_WORD_865), reply(2196), end(),
                when([] { return cond(here_has(PFLAG_MAZE)); }, reply(2202)),
                otherwise(), reply(2198), end(),
            end(),
        end(),
        otherwise(),
            first(),
                group([] {
                    return cond(within(here(), PLACE_WARREN_227, PLACE_WARREN_CHUTE)).AND(!bitest(PLACE_WARREN_251,
                                       PFLAG_VISITED)).AND(!bitest(VAR_GAME_FLAGS_2, 8));
                }),
                    first(),
                        group([] { return cond(bitest(PLACE_WARREN_CHUTE, PFLAG_VISITED)); }),
                            tell(2203),
                            set_flag(VAR_GAME_FLAGS_2, 8),
                            stop(),
                        end(),
                        otherwise(), reply(2204), end(),
                    end(),
                end(),
                when([] { return cond(here_has(PFLAG_MAZE)); }, reply(2202)),
                otherwise(), reply(2199), end(),
            end(),
        end(),
    end(),
};

int p124() { return run<MAP>(); }
