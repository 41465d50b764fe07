// Reading the command, the fourth part of the REPEAT chain: reads the
// player's next command and counts the turn, or, while a question is
// pending, takes the input as the answer and routes it by the question's
// number. The routing is a row table: one group per question (or pair of
// questions), the first group whose number is pending takes the answer.
// Within a group, leading rows (the steps that every answer, or one kind,
// gets first) come before a first-match block of the answer kinds.
#include "game.h"

using namespace rows;

namespace {

// Kinds of answer, each a condition folded into the status word.
int yes() { return anyof(WORD_ACCEPT, -1); }
int blank() { return value[VAR_COMMAND_STATUS] == 0; }
cond_fold accept() { return cond(yes()); }
cond_fold accept_or_blank() { return cond(yes()).OR(blank()); }
cond_fold accept_blank_or_quit() { return cond(yes()).OR(blank()).OR(anyof(WORD_QUIT, -1)); }
cond_fold not_accept_or_blank() { return cond(!accept_or_blank()); }
cond_fold only_blank() { return cond(blank()); }
cond_fold one_word() { return cond(value[VAR_COMMAND_STATUS] == 1); }
cond_fold declines() { return cond(anyof(WORD_QUIT, WORD_DECLINE, WORD_NORTH, -1)); }
cond_fold short_no() { return cond(anyof(WORD_DECLINE, WORD_NORTH, -1)); }  // quit does not decline here
cond_fold maybe() { return cond(anyof(WORD_MAYBE, -1)); }

// The stock reply to an answer that fits none of the expected ones, and a
// question asked again after an answer that fits none.
constexpr row unclear() { return reply(1723, arg(0)); }

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
    for (value[VAR_WORK_PLACE] = PLACE_WARREN_227,
         *bitword(VAR_WORK_PLACE) = ref_mark; value[VAR_WORK_PLACE] <= PLACE_WARREN_CHUTE;
         value[VAR_WORK_PLACE]++)
        value[value[VAR_WORK_PLACE]] = 1;
    return 0;
}

int onward_from_444() {
    if (cond(value[OBJ_HEADING] == 8)) {
        say(SAY_STOP | SAY_ARG, 2294, WORD_NORTH);
        if (loop) return 0;
        return 0;
    }
    bitmod('c', evar(VAR_HERE), PFLAG_HINT_AVAILABLE);
    moveto(PLACE_PINNACLE, -2210);
    if (loop) return 0;
    return 0;
}

// The pages of advice end here; in the opening they end by saying how the
// game begins.
int pages_end() {
    remind_how_to_begin();
    loop = 1;
    return 0;
}

int words_more() {  // the console goes on to the last part of the list
    if (cond(test("html"))) {
        say(0, 1266, 0);
        value[VAR_QUESTION] = Q_NONE;
        return pages_end();
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

// Kernel steps: the answer's first word becomes the second (a name typed
// as the answer), the command that led to the question comes back, a
// saved game is deleted, the game ends.
int first_word_to_second() {
    special(SPECIAL_ARG1_TO_ARG2, &value[VAR_STATUS_WORD]);
    return 0;
}
int command_back_with_prompt() {
    input_store('R', &value[VAR_PROMPT_TEXT]);
    return 0;
}
int command_back() {
    input_store('R', &value[VAR_STATUS_WORD]);
    return 0;
}
int delete_saved_game() {
    special(SPECIAL_DELETE_SAVE, &value[VAR_STATUS_WORD]);
    return 0;
}
int the_end() {
    finita();
    loop = 1;
    return 0;
}
int hint_here_used() {
    bitmod('s', evar(VAR_HERE), 13);
    return 0;
}

// The routing, in the order the question numbers are tested. A number
// that no group names leaves the input to dispatch as a command. "Ask
// again" is the stock "that is no answer" (1268) and the prompt once more.
constexpr row ROUTES[] = {
    first(),
        group(asked(Q_HELP_OFFER, Q_HELP_CONFIRM)),
            call(p404),
        end(),
        group(asked(Q_PLACES_591_592)),
            call(p223),
        end(),
        group(asked(Q_PLACE_283)),
            call(p929),
        end(),
        group(asked(Q_QUIT)),
            first(),
                when(accept_blank_or_quit, call(p322)),
                group(short_no), let(VAR_QUESTION, Q_NONE), reply(1267), end(),
                group(maybe), let(VAR_QUESTION, Q_NONE), reply(2339), end(),
                otherwise(), tell(1268), reply(1432), end(),
            end(),
        end(),
        group(asked(Q_PAID_TEXT_OFFER, Q_PAID_TEXT_CONFIRM)),
            call(p687),
        end(),
        group(asked(Q_PAID_RETURN)),
            let(VAR_QUESTION, Q_NONE),
            first(),
                group(accept_or_blank), add(VAR_PENALTY_POINTS, 10), forced_held(PLACE_START, VAR_PASSAGE_TEXT), end(),
                when(declines, reply(1267)),
                when(maybe, reply(2339)),
                otherwise(), let(VAR_QUESTION, Q_PAID_RETURN), tell(1268), reply(1931), end(),
            end(),
        end(),
        group(asked(Q_PAID_MAZE_EXIT)),
            call(p552),
        end(),
        group(asked(Q_ADDRESSED_OBJECT)),
            let(VAR_QUESTION, Q_NONE),
            first(),
                when(accept_or_blank, reply(1797)),
                group(declines), tell(1693, arg(WORD_ATTACK)), reply(1694, arg_of(VAR_ARG2)), end(),
                unclear(),
            end(),
        end(),
        group(asked(Q_SAVE_NAME)),
            first(),
                group(only_blank), let(VAR_QUESTION, Q_NONE), reply(1269), end(),
                group(one_word), step(first_word_to_second), call(p744), end(),
            end(),
        end(),
        group(asked(Q_OVERWRITE_SAVE)),
            first(),
                group(accept_or_blank), step(command_back_with_prompt), step(delete_saved_game), call(p744), end(),
                group(short_no), let(VAR_QUESTION, Q_NONE), reply(1871), end(),
                otherwise(), let(VAR_QUESTION, Q_NONE), unclear(), end(),
            end(),
        end(),
        group(asked(Q_SAVE_CONFIRM, Q_CONTINUE_AFTER_SAVE)),
            call(p743),
        end(),
        group(asked(Q_SNAPSHOT_TAKE, Q_SNAPSHOT_BACK)),
            call(p33),
        end(),
        group(asked(Q_MORE_TEXT)),
            when(maybe, let(VAR_COMMAND_STATUS, 0)),
            first(),
                when(accept_or_blank, step(more_text)),
                group(declines), let(VAR_QUESTION, Q_NONE), step(more_text_declined), stop(), end(),
                otherwise(), tell(1268), reply(1431), end(),
            end(),
        end(),
        group(asked(Q_INTRO)),
            let(VAR_PHASE, 3),
            set_flag(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_MOVED),
            group(maybe), let(VAR_COMMAND_STATUS, 0), tell(1723, arg(1)), tell(1266), end(),
            first(),
                group(accept_or_blank), let(VAR_QUESTION, Q_NONE), call(p221), reply(1266), end(),
                group(declines),
                    let(VAR_QUESTION, Q_NONE),
                    step(intro_declined),
                    clear_flag(VAR_QUESTION, VFLAG_QUESTION_FRESH_LINE),
                    stop(),
                end(),
                otherwise(), tell(1268), reply(1273), end(),
            end(),
        end(),
        group(asked(Q_PLACE_481)),
            let(VAR_QUESTION, Q_NONE),
            first(),
                when(accept, reply(2633)),
                when(short_no, reply(1724)),
                unclear(),
            end(),
        end(),
        group(asked(Q_FILL_FOLLOW_UP)),
            first(),
                group(accept),
                    set_flag(VAR_GAME_FLAGS, 10),
                    put_here(OBJ_GRIFFIN),
                    set_flag(OBJ_GRIFFIN, OFLAG_SEEN),
                    let(VAR_QUESTION, Q_NONE),
                    step(fill_follow_up),
                end(),
                group(declines), let(VAR_QUESTION, Q_NONE), reply(1751), end(),
                otherwise(), tell(1268), reply(1749, arg(1)), end(),
            end(),
        end(),
        group(asked(Q_WORD_862)),
            let(VAR_QUESTION, Q_NONE),
            first(),
                group(accept_or_blank), set_flag(VAR_GAME_FLAGS_2, 5), reply(2173), end(),
                when(declines, reply(2175)),
                when(maybe, unclear()),
                otherwise(), let(VAR_QUESTION, Q_WORD_862), tell(1268), reply(2172), end(),
            end(),
        end(),
        group(asked(Q_WORD_798)),
            let(VAR_QUESTION, Q_NONE),
            first(),
                group(accept_or_blank), set_flag(OBJ_CASKET, 15), add(VAR_PENALTY_POINTS, 10), reply(1861), end(),
                when(declines, reply(1871)),
                when(maybe, reply(2339)),
                otherwise(), let(VAR_QUESTION, Q_WORD_798), tell(1268), reply(1860), end(),
            end(),
        end(),
        group(asked(Q_DEATH)),
            call(p718),
        end(),
        group(asked(Q_ADDRESS_OBJECT_21)),
            call(p226),
        end(),
        group(asked(Q_ADDRESS_OBJECT_193)),
            call(p247),
        end(),
        group(asked(Q_ADDRESS_OBJECT_25)),
            call(p632),
        end(),
        group(asked(Q_PLACE_477)),
            let(VAR_QUESTION, Q_NONE),
            first(),
                when(accept, call(p763)),
                when(declines, reply(1724)),
                unclear(),
            end(),
        end(),
        group(asked(Q_WORD_865)),
            first(),
                group(accept_or_blank),
                    let(VAR_QUESTION, Q_NONE),
                    add(VAR_PENALTY_POINTS, 10),
                    step(open_first_maze),
                    reply(2197),
                end(),
                group(declines), let(VAR_QUESTION, Q_NONE), reply(2200), end(),
                otherwise(), tell(1268), reply(2196), end(),
            end(),
        end(),
        group(asked(Q_PLACE_444_ONWARD)),
            let(VAR_QUESTION, Q_NONE),
            first(),
                when(accept, step(onward_from_444)),
                when(declines, reply(2578)),
                unclear(),
            end(),
        end(),
        group(asked(Q_PLACE_444_DOWN)),
            let(VAR_QUESTION, Q_NONE),
            first(),
                group(accept), tell(2213), forced_on(PLACE_CREEPER_HALL), call(p154), end(),
                when(declines, reply(2578)),
                unclear(),
            end(),
        end(),
        group(asked(Q_WORDS_LIST)),
            call(p776),
        end(),
        group(asked(Q_WORDS_INTRO)),
            first(),
                group(declines), let(VAR_QUESTION, Q_NONE), tell(1871), step(pages_end), end(),
                otherwise(), let(VAR_QUESTION, Q_WORDS_LIST), tell(1943), reply(1431), end(),
            end(),
        end(),
        group(asked(Q_WORDS_MORE)),
            first(),
                group(declines), let(VAR_QUESTION, Q_NONE), tell(1871), step(pages_end), end(),
                otherwise(), tell(1964), step(words_more), end(),
            end(),
        end(),
        group(asked(Q_WORDS_LAST)),
            first(),
                group(declines), let(VAR_QUESTION, Q_NONE), tell(1871), step(pages_end), end(),
                otherwise(), tell(1965), let(VAR_QUESTION, Q_NONE), step(pages_end), end(),
            end(),
        end(),
        group(asked(Q_FINALE_1)),
            when(not_accept_or_blank, tell(1864, arg(1))),
            let(VAR_QUESTION, Q_FINALE_2),
            tell(1865),
            reply(1863),
        end(),
        group(asked(Q_FINALE_2)),
            when(not_accept_or_blank, tell(1864, arg(0))),
            step(finale_verdict),
            call(p322),
        end(),
        group(asked(Q_WORD_711_END)),
            when(not_accept_or_blank, tell(1652)),
            tell(1653),
            tell(1266),
            step(the_end),
        end(),
        group(asked(Q_DELETE_BAD_SAVE)),
            let(VAR_QUESTION, Q_NONE),
            first(),
                group(accept_or_blank), step(command_back), step(delete_saved_game), reply(1267), end(),
                when(short_no, reply(1267)),
                unclear(),
            end(),
        end(),
        group(asked(Q_AFTER_RESTORE, Q_RESTORED)),
            call(p717),
        end(),
        group(asked(Q_EARLY_RESTORE)),
            call(p250),
        end(),
        group(asked(Q_SAVED_GAMES)),
            let(VAR_QUESTION, Q_NONE),
            first(),
                when(only_blank, step(saved_games_blank)),
                otherwise(), step(first_word_to_second), call_word(WORD_RESTORE), end(),
            end(),
        end(),
        group(asked(Q_START)),
            first(),
                when(only_blank, call(p765)),
                otherwise(), step(first_word_to_second), call_word(WORD_RESTORE), end(),
            end(),
        end(),
        group(asked(Q_PLACE_574)),
            let(VAR_QUESTION, Q_NONE),
            first(),
                when(accept_or_blank, forced(PLACE_RUNE_DOOR, 2489)),
                when(short_no, reply(1554)),
                unclear(),
            end(),
        end(),
        group(asked(Q_TELEPORT)),
            let(VAR_QUESTION, Q_NONE),
            first(),
                group(accept), set_flag(VAR_GAME_FLAGS, 12), call_word(WORD_FLY), end(),
                when(short_no, reply(1554)),
                unclear(),
            end(),
        end(),
        group(asked(Q_PLACE_641)),
            let(VAR_QUESTION, Q_NONE),
            first(),
                when(accept_or_blank, forced(PLACE_LONG_CORRIDOR_642, 2426)),
                when(short_no, reply(1554)),
                unclear(),
            end(),
        end(),
        group(asked(Q_PLACES_465_466)),
            let(VAR_QUESTION, Q_NONE),
            first(),
                group(accept), tell(1718), forced_on(PLACE_GONE), call(p154), end(),
                when(short_no, reply(3338)),
                unclear(),
            end(),
        end(),
        group(asked(Q_UNDO_ENABLE)),
            let(VAR_QUESTION, Q_NONE),
            first(),
                group(accept),
                    tell(3419),
                    set_flag(VAR_UNDO_RESULT, 4),
                    step(command_back),
                    step(undo_again),
                end(),
                when(short_no, reply(2319)),
                unclear(),
            end(),
        end(),
        group(asked(Q_WORD_796)),
            let(VAR_QUESTION, Q_NONE),
            first(),
                group(accept), put(OBJ_WATERSKIN, PLACE_GONE), step(hint_here_used), reply(3462), end(),
                when(short_no, reply(1554)),
                unclear(),
            end(),
        end(),
    end(),
};

}  // namespace

// REPEAT chain, part 4: reading the command, answers.
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
        if (cond(isnear(OBJ_RUNE_SLAB, -1, -1)).AND(value[PLACE_RUNE_DOOR] == 1).AND(value[VAR_DWARVISH] == 0)) {
            say(0, 1266, 0);
            p147();
            if (loop) return 0;
        }
        if (cond(value[VAR_PHASE] <= 2)) value[VAR_COMMAND_STATUS] = 99;  // no typo matching yet
        get_command(0);
        if (loop) return 0;
        if (cond(bitest(VAR_QUESTION, VFLAG_QUESTION_FRESH_LINE))) {
            value[VAR_SPELL_ACK] = 1267;
            *bitword(VAR_SPELL_ACK) = ref_mark;
            value[VAR_SEQUENCE_TEXT] = 1329;
            *bitword(VAR_SEQUENCE_TEXT) = ref_mark;
        }
        bitmod('c', VAR_QUESTION, VFLAG_QUESTION_FRESH_LINE);
        value[VAR_TURNS] += 1;
        return 0;
    }

    get_command(0);
    if (loop) return 0;
    bitmod('c', VAR_QUESTION, VFLAG_QUESTION_FRESH_LINE);
    run<ROUTES>();
    return 0;
}
