// Reading the command, the fourth part of the REPEAT chain: reads the
// player's next command and counts the turn, or, while a question is
// pending, takes the input as the answer and routes it by the question's
// number. The routing is a table: each row names its questions and lists
// cases, each a kind of answer and the steps taken for it. Cases are tried
// in order; a deciding case ends the row, a leading case (the steps that
// every answer, or one word, gets first) lets the next cases be tried too.
#include <vector>

#include "game.h"

namespace {

// Terms of an answer test, folded with OR in this order.
enum : unsigned {
    T_ACCEPT = 1,    // word 856 in the answer
    T_BLANK = 2,     // an empty answer
    T_QUIT = 4,      // word 823 in the answer
    T_DECLINE = 8,   // 823, 857 or 745 in the answer
    T_SHORT = 16,    // 857 or 745 in the answer (823 does not decline)
    T_858 = 32,      // word 858 ("maybe") in the answer
    T_ONE_WORD = 64, // a one-word answer
    T_NOT = 128,     // the test is negated
};
constexpr unsigned ANY = 0;
constexpr unsigned ACCEPT_OR_BLANK = T_ACCEPT | T_BLANK;

enum op_code {
    OP_SAY,          // say(a, b, c); stops the turn when a holds SAY_STOP
    OP_REASK,        // say 1268, then the prompt a with a stop
    OP_CLEAR,        // no question pending
    OP_ASK,          // VAR_QUESTION := a
    OP_STOP,         // end the turn
    OP_CALL,         // the game procedure fn
    OP_CALL_WORD,    // the procedure of word a, through the table
    OP_MOVETO,       // moveto(a, b)
    OP_MOVETO_HELD,  // moveto(a, -(the text held in variable b))
    OP_APPORT,       // apport(a, b)
    OP_FLAG,         // flag b of entity a := c (1 set, 0 clear); a of HERE_ENTITY: the place here
    OP_SET,          // value[a] := b
    OP_PENALTY,      // VAR_PENALTY_POINTS += a
    OP_SPECIAL,      // special(a, &value[b])
    OP_RESTORE_CMD,  // input_store('R', &value[a]): bring back the command that led to the question
    OP_FINITA,       // the game ends
};
constexpr int HERE_ENTITY = -1;

struct step {
    op_code op;
    int a = 0, b = 0, c = 0;
    game_proc fn = nullptr;
};

struct answer_case {
    unsigned kind;
    bool decides;
    std::vector<step> steps;
};

struct route {
    std::vector<int> questions;
    std::vector<answer_case> cases;
};

// Step shorthands for the table.
constexpr step tell(int t) { return {OP_SAY, 0, t, 0}; }
constexpr step tell_variant(int t, int k) { return {OP_SAY, SAY_ARG, t, k}; }
constexpr step tell_stop(int t) { return {OP_SAY, SAY_STOP, t, 0}; }
constexpr step tell_stop_variant(int t, int k) { return {OP_SAY, SAY_STOP | SAY_ARG, t, k}; }
constexpr step reask(int t) { return {OP_REASK, t}; }
constexpr step clear() { return {OP_CLEAR}; }
constexpr step ask(int q) { return {OP_ASK, q}; }
constexpr step stop() { return {OP_STOP}; }
constexpr step call(game_proc p) { return {OP_CALL, 0, 0, 0, p}; }
constexpr step call_word(int w) { return {OP_CALL_WORD, w}; }
constexpr step move_to(int place, int message) { return {OP_MOVETO, place, message}; }
constexpr step flag_on(int entity, int flag) { return {OP_FLAG, entity, flag, 1}; }
constexpr step flag_off(int entity, int flag) { return {OP_FLAG, entity, flag, 0}; }
constexpr step penalty(int points) { return {OP_PENALTY, points}; }

// The stock reply to an answer that fits none of the expected ones.
constexpr step unclear() { return tell_stop_variant(1723, 0); }

// Steps of the rows that branch on more than the answer.

int more_text() {  // the next text of a run shown in parts
    p510(var(VAR_MORE_TEXT_NEXT), var(VAR_MORE_TEXT_LAST));
    if (loop) return 0;
    return 0;
}

int more_text_declined() {
    if (cond(bitest(evar(VAR_HERE), PFLAG_VISITED))) say(0, 1267, 0);
    return 0;
}

int intro_declined() {  // question 22 asked at the introduction place
    if (cond(bitest(evar(VAR_QUESTION), 0))) say(0, 1873, 0);
    return 0;
}

int fill_follow_up() {
    if (cond(irand(100) < 20)) {
        say(SAY_STOP | SAY_ARG, 1750, 1);
        if (loop) return 0;
    } else {
        say(SAY_STOP | SAY_ARG, 1750, 0);
        if (loop) return 0;
    }
    return 0;
}

int open_first_maze() {  // every place of the first maze gets state 1
    for (value[VAR_WORK_PLACE] = 227, *bitword(VAR_WORK_PLACE) = ref_mark; value[VAR_WORK_PLACE] <= 252;
         value[VAR_WORK_PLACE]++)
        value[value[VAR_WORK_PLACE]] = 1;
    return 0;
}

int onward_from_444() {
    if (cond(value[OBJ_HEADING] == 8)) {
        say(SAY_STOP | SAY_ARG, 2294, WORD_COMPASS_1);
        if (loop) return 0;
        return 0;
    }
    bitmod('c', evar(VAR_HERE), PFLAG_HINT_AVAILABLE);
    moveto(445, -2210);
    if (loop) return 0;
    return 0;
}

int words_more() {  // the console goes on to the last part of the list
    if (cond(test("html"))) {
        say(0, 1266, 0);
        value[VAR_QUESTION] = Q_NONE;
        loop = 1;
        return 0;
    }
    value[VAR_QUESTION] = Q_WORDS_LAST;
    say(SAY_STOP, 1431, 0);
    if (loop) return 0;
    return 0;
}

int finale_verdict() {  // by the score, before the game ends
    if (cond(value[VAR_SCORE] == 770)) {
        say(0, 1867, 0);
    } else if (cond(value[VAR_SCORE] > 770)) {
        if (cond(value[VAR_SCORE] == value[VAR_RESULT])) set('T', 3400, 'c', 1, nullptr, nullptr);
        say(0, 3400, 0);
    } else {
        say(0, 1866, 0);
    }
    return 0;
}

int saved_games_blank() {
    if (cond(value[VAR_PHASE] == 1)) {
        p765();
        if (loop) return 0;
        return 0;
    }
    say(SAY_STOP, 1269, 0);
    if (loop) return 0;
    return 0;
}

int undo_again() {
    if (cond(anyof(WORD_ON, -1))) {
        loop = 1;
        return 0;
    }
    call_proc(WORD_UNDO);
    if (loop) return 0;
    return 0;
}

// The routing table, in the order the question numbers are tested. A
// number above 51 matches no row: the input goes on as a command.
const route routes[] = {
    {{Q_HELP_OFFER, Q_HELP_CONFIRM}, {{ANY, true, {call(p404)}}}},
    {{Q_PLACES_591_592}, {{ANY, true, {call(p223)}}}},
    {{Q_PLACE_283}, {{ANY, true, {call(p929)}}}},
    {{Q_QUIT},
     {{ACCEPT_OR_BLANK | T_QUIT, true, {call(p322)}},
      {T_SHORT, true, {clear(), tell_stop(1267)}},
      {T_858, true, {clear(), tell_stop(2339)}},
      {ANY, true, {reask(1432)}}}},
    {{Q_PAID_TEXT_OFFER, Q_PAID_TEXT_CONFIRM}, {{ANY, true, {call(p687)}}}},
    {{Q_PAID_RETURN},
     {{ANY, false, {clear()}},
      {ACCEPT_OR_BLANK, true, {penalty(10), {OP_MOVETO_HELD, PLACE_START, VAR_PASSAGE_TEXT}}},
      {T_DECLINE, true, {tell_stop(1267)}},
      {T_858, true, {tell_stop(2339)}},
      {ANY, true, {ask(Q_PAID_RETURN), reask(1931)}}}},
    {{Q_PAID_MAZE_EXIT}, {{ANY, true, {call(p552)}}}},
    {{Q_ADDRESSED_OBJECT},
     {{ANY, false, {clear()}},
      {ACCEPT_OR_BLANK, true, {tell_stop(1797)}},
      {T_DECLINE, true, {tell_variant(1693, 783), {OP_SAY, SAY_STOP | SAY_ARG | SAY_ARGVAR, 1694, VAR_ARG2}}},
      {ANY, true, {unclear()}}}},
    {{Q_SAVE_NAME},
     {{T_BLANK, true, {clear(), tell_stop(1269)}},
      {T_ONE_WORD, true, {{OP_SPECIAL, SPECIAL_ARG1_TO_ARG2, VAR_STATUS_WORD}, call(p744)}}}},
    {{Q_OVERWRITE_SAVE},
     {{ACCEPT_OR_BLANK, true,
       {{OP_RESTORE_CMD, VAR_PROMPT_TEXT}, {OP_SPECIAL, SPECIAL_DELETE_SAVE, VAR_STATUS_WORD}, call(p744)}},
      {T_SHORT, true, {clear(), tell_stop(1871)}},
      {ANY, true, {clear(), unclear()}}}},
    {{Q_SAVE_CONFIRM, Q_CONTINUE_AFTER_SAVE}, {{ANY, true, {call(p743)}}}},
    {{Q_SNAPSHOT_TAKE, Q_SNAPSHOT_BACK}, {{ANY, true, {call(p33)}}}},
    {{Q_MORE_TEXT},
     {{T_858, false, {{OP_SET, VAR_COMMAND_STATUS, 0}}},
      {ACCEPT_OR_BLANK, true, {call(more_text)}},
      {T_DECLINE, true, {clear(), call(more_text_declined), stop()}},
      {ANY, true, {reask(1431)}}}},
    {{Q_INTRO},
     {{ANY, false, {{OP_SET, VAR_PHASE, 3}, flag_on(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_MOVED)}},
      {T_858, false, {{OP_SET, VAR_COMMAND_STATUS, 0}, tell_variant(1723, 1), tell(1266)}},
      {ACCEPT_OR_BLANK, true, {clear(), call(p221), tell_stop(1266)}},
      {T_DECLINE, true,
       {clear(), call(intro_declined), flag_off(VAR_QUESTION, VFLAG_QUESTION_FRESH_LINE), stop()}},
      {ANY, true, {reask(1273)}}}},
    {{Q_PLACE_481},
     {{ANY, false, {clear()}},
      {T_ACCEPT, true, {tell_stop(2633)}},
      {T_SHORT, true, {tell_stop(1724)}},
      {ANY, true, {unclear()}}}},
    {{Q_FILL_FOLLOW_UP},
     {{T_ACCEPT, true,
       {flag_on(VAR_GAME_FLAGS, 10), {OP_APPORT, 85, VAR_HERE}, flag_on(85, OFLAG_SEEN), clear(),
        call(fill_follow_up)}},
      {T_DECLINE, true, {clear(), tell_stop(1751)}},
      {ANY, true, {tell(1268), tell_stop_variant(1749, 1)}}}},
    {{Q_WORD_862},
     {{ANY, false, {clear()}},
      {ACCEPT_OR_BLANK, true, {flag_on(VAR_GAME_FLAGS_2, 5), tell_stop(2173)}},
      {T_DECLINE, true, {tell_stop(2175)}},
      {T_858, true, {unclear()}},
      {ANY, true, {ask(Q_WORD_862), reask(2172)}}}},
    {{Q_WORD_798},
     {{ANY, false, {clear()}},
      {ACCEPT_OR_BLANK, true, {flag_on(115, 15), penalty(10), tell_stop(1861)}},
      {T_DECLINE, true, {tell_stop(1871)}},
      {T_858, true, {tell_stop(2339)}},
      {ANY, true, {ask(Q_WORD_798), reask(1860)}}}},
    {{Q_DEATH}, {{ANY, true, {call(p718)}}}},
    {{Q_ADDRESS_OBJECT_21}, {{ANY, true, {call(p226)}}}},
    {{Q_ADDRESS_OBJECT_193}, {{ANY, true, {call(p247)}}}},
    {{Q_ADDRESS_OBJECT_25}, {{ANY, true, {call(p632)}}}},
    {{Q_PLACE_477},
     {{ANY, false, {clear()}},
      {T_ACCEPT, true, {call(p763)}},
      {T_DECLINE, true, {tell_stop(1724)}},
      {ANY, true, {unclear()}}}},
    {{Q_WORD_865},
     {{ACCEPT_OR_BLANK, true, {clear(), penalty(10), call(open_first_maze), tell_stop(2197)}},
      {T_DECLINE, true, {clear(), tell_stop(2200)}},
      {ANY, true, {reask(2196)}}}},
    {{Q_PLACE_444_ONWARD},
     {{ANY, false, {clear()}},
      {T_ACCEPT, true, {call(onward_from_444)}},
      {T_DECLINE, true, {tell_stop(2578)}},
      {ANY, true, {unclear()}}}},
    {{Q_PLACE_444_DOWN},
     {{ANY, false, {clear()}},
      {T_ACCEPT, true, {tell(2213), move_to(443, -1), call(p154)}},
      {T_DECLINE, true, {tell_stop(2578)}},
      {ANY, true, {unclear()}}}},
    {{Q_WORDS_LIST}, {{ANY, true, {call(p776)}}}},
    {{Q_WORDS_INTRO},
     {{T_DECLINE, true, {clear(), tell_stop(1871)}},
      {ANY, true, {ask(Q_WORDS_LIST), tell(1943), tell_stop(1431)}}}},
    {{Q_WORDS_MORE},
     {{T_DECLINE, true, {clear(), tell_stop(1871)}},
      {ANY, true, {tell(1964), call(words_more)}}}},
    {{Q_WORDS_LAST},
     {{T_DECLINE, true, {clear(), tell_stop(1871)}},
      {ANY, true, {tell(1965), clear(), stop()}}}},
    {{Q_FINALE_1},
     {{T_NOT | ACCEPT_OR_BLANK, false, {tell_variant(1864, 1)}},
      {ANY, true, {ask(Q_FINALE_2), tell(1865), tell_stop(1863)}}}},
    {{Q_FINALE_2},
     {{T_NOT | ACCEPT_OR_BLANK, false, {tell_variant(1864, 0)}},
      {ANY, true, {call(finale_verdict), call(p322)}}}},
    {{Q_WORD_711_END},
     {{T_NOT | ACCEPT_OR_BLANK, false, {tell(1652)}},
      {ANY, true, {tell(1653), tell(1266), {OP_FINITA}}}}},
    {{Q_DELETE_BAD_SAVE},
     {{ANY, false, {clear()}},
      {ACCEPT_OR_BLANK, true,
       {{OP_RESTORE_CMD, VAR_STATUS_WORD}, {OP_SPECIAL, SPECIAL_DELETE_SAVE, VAR_STATUS_WORD}, tell_stop(1267)}},
      {T_SHORT, true, {tell_stop(1267)}},
      {ANY, true, {unclear()}}}},
    {{Q_AFTER_RESTORE, Q_RESTORED}, {{ANY, true, {call(p717)}}}},
    {{Q_EARLY_RESTORE}, {{ANY, true, {call(p250)}}}},
    {{Q_SAVED_GAMES},
     {{ANY, false, {clear()}},
      {T_BLANK, true, {call(saved_games_blank)}},
      {ANY, true, {{OP_SPECIAL, SPECIAL_ARG1_TO_ARG2, VAR_STATUS_WORD}, call_word(WORD_RESTORE)}}}},
    {{Q_START},
     {{T_BLANK, true, {call(p765)}},
      {ANY, true, {{OP_SPECIAL, SPECIAL_ARG1_TO_ARG2, VAR_STATUS_WORD}, call_word(WORD_RESTORE)}}}},
    {{Q_PLACE_574},
     {{ANY, false, {clear()}},
      {ACCEPT_OR_BLANK, true, {move_to(575, -2489)}},
      {T_SHORT, true, {tell_stop(1554)}},
      {ANY, true, {unclear()}}}},
    {{Q_TELEPORT},
     {{ANY, false, {clear()}},
      {T_ACCEPT, true, {flag_on(VAR_GAME_FLAGS, 12), call_word(806)}},
      {T_SHORT, true, {tell_stop(1554)}},
      {ANY, true, {unclear()}}}},
    {{Q_PLACE_641},
     {{ANY, false, {clear()}},
      {ACCEPT_OR_BLANK, true, {move_to(642, -2426)}},
      {T_SHORT, true, {tell_stop(1554)}},
      {ANY, true, {unclear()}}}},
    {{Q_PLACES_465_466},
     {{ANY, false, {clear()}},
      {T_ACCEPT, true, {tell(1718), move_to(PLACE_GONE, -1), call(p154)}},
      {T_SHORT, true, {tell_stop(3338)}},
      {ANY, true, {unclear()}}}},
    {{Q_UNDO_ENABLE},
     {{ANY, false, {clear()}},
      {T_ACCEPT, true,
       {tell(3419), flag_on(VAR_UNDO_RESULT, 4), {OP_RESTORE_CMD, VAR_STATUS_WORD}, call(undo_again)}},
      {T_SHORT, true, {tell_stop(2319)}},
      {ANY, true, {unclear()}}}},
    {{Q_WORD_796},
     {{ANY, false, {clear()}},
      {T_ACCEPT, true, {{OP_APPORT, 84, PLACE_GONE}, flag_on(HERE_ENTITY, 13), tell_stop(3462)}},
      {T_SHORT, true, {tell_stop(1554)}},
      {ANY, true, {unclear()}}}},
};

// Folds the terms of an answer test into the status word.
bool answer_is(unsigned kind) {
    if ((kind & ~T_NOT) == 0) return true;
    bool first = true;
    cond_fold fold;
    auto term = [&](unsigned bit, int t) {
        if (!(kind & bit)) return;
        fold = first ? cond(t) : fold.OR(t);
        first = false;
    };
    term(T_ACCEPT, anyof(WORD_ACCEPT, -1));
    term(T_BLANK, value[VAR_COMMAND_STATUS] == 0);
    term(T_QUIT, anyof(WORD_QUIT, -1));
    term(T_DECLINE, anyof(WORD_QUIT, WORD_DECLINE, WORD_COMPASS_1, -1));
    term(T_SHORT, anyof(WORD_DECLINE, WORD_COMPASS_1, -1));
    term(T_858, anyof(858, -1));
    term(T_ONE_WORD, value[VAR_COMMAND_STATUS] == 1);
    if (kind & T_NOT) value[VAR_STATUS_WORD] = !value[VAR_STATUS_WORD];
    return value[VAR_STATUS_WORD] != 0;
}

// Runs one step; the caller stops when the step ended the turn.
void run_step(const step &s) {
    switch (s.op) {
    case OP_SAY:
        say(s.a, s.b, s.c);
        break;
    case OP_REASK:
        say(0, 1268, 0);
        say(SAY_STOP, s.a, 0);
        break;
    case OP_CLEAR:
        value[VAR_QUESTION] = Q_NONE;
        break;
    case OP_ASK:
        value[VAR_QUESTION] = s.a;
        break;
    case OP_STOP:
        loop = 1;
        break;
    case OP_CALL:
        s.fn();
        break;
    case OP_CALL_WORD:
        call_proc(s.a);
        break;
    case OP_MOVETO:
        moveto(s.a, s.b);
        break;
    case OP_MOVETO_HELD:
        moveto(s.a, -value[s.b]);
        break;
    case OP_APPORT:
        apport(s.a, s.b);
        break;
    case OP_FLAG:
        bitmod(s.c ? 's' : 'c', s.a == HERE_ENTITY ? evar(VAR_HERE) : s.a, s.b);
        break;
    case OP_SET:
        value[s.a] = s.b;
        break;
    case OP_PENALTY:
        value[VAR_PENALTY_POINTS] += s.a;
        break;
    case OP_SPECIAL:
        special(s.a, &value[s.b]);
        break;
    case OP_RESTORE_CMD:
        input_store('R', &value[s.a]);
        break;
    case OP_FINITA:
        finita();
        loop = 1;
        break;
    }
}

// Routes the answer by the pending question's number: the first row that
// names it decides, and within the row the first deciding case that fits.
void route_answer() {
    const int q = value[VAR_QUESTION];
    for (const route &r : routes) {
        cond_fold named;
        for (size_t i = 0; i < r.questions.size(); i++)
            named = i == 0 ? cond(q == r.questions[i]) : named.OR(q == r.questions[i]);
        if (!named) continue;
        for (const answer_case &c : r.cases) {
            if (!answer_is(c.kind)) continue;
            for (const step &s : c.steps) {
                run_step(s);
                if (loop) return;
            }
            if (c.decides) return;
        }
        return;
    }
}

}  // namespace

int p6() {
    p938();
    if (loop) return 0;
    bitmod('c', VAR_QUESTION, VFLAG_QUESTION_REPLIED);
    bitmod('c', VAR_QUESTION, VFLAG_QUESTION_REPLIED_2);

    // The turn after a score report is not counted.
    if (cond(value[VAR_QUESTION] == Q_AFTER_SCORE)) {
        value[VAR_QUESTION] = Q_NONE;
        value[VAR_TURNS] -= 1;
    }

    if (cond(value[VAR_QUESTION] == Q_NONE)) {
        if (cond(isnear(19, -1, -1)).AND(value[575] == 1).AND(value[VAR_DWARVISH] == 0)) {
            say(0, 1266, 0);
            p147();
            if (loop) return 0;
        }
        if (cond(value[VAR_PHASE] <= 2)) value[VAR_COMMAND_STATUS] = 99;  // no typo matching yet
        get_command(0);
        if (loop) return 0;
        if (cond(bitest(VAR_QUESTION, VFLAG_QUESTION_FRESH_LINE))) {
            value[1200] = 1267;
            *bitword(1200) = ref_mark;
            value[1199] = 1329;
            *bitword(1199) = ref_mark;
        }
        bitmod('c', VAR_QUESTION, VFLAG_QUESTION_FRESH_LINE);
        value[VAR_TURNS] += 1;
        return 0;
    }

    get_command(0);
    if (loop) return 0;
    bitmod('c', VAR_QUESTION, VFLAG_QUESTION_FRESH_LINE);
    route_answer();
    return 0;
}
