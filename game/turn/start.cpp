// Start of turn, the first part of the REPEAT chain. Every turn it re-ties
// the tied texts. On the first turn after start-up it carries out a restore
// named on the command line and reports a restore made at start-up; in a
// game that has not started yet it lists the saved games and either asks
// which one to take up or starts play at once.
#include "game.h"

// REPEAT chain, part 1: start of turn.
int p3() {
    frame<1> f;  // local 0: the number of saved games

    p850();
    if (loop) return 0;

    // A saved game named on the command line: restore it by name.
    if (cond(value[VAR_COMMAND_STATUS] == -1)) {
        value[VAR_COMMAND_STATUS] = 2;
        say(SAY_ARGVAR | SAY_ARG, 3205, VAR_ARG2);
        call_proc(WORD_RESTORE);
        if (loop) return 0;
    }

    // The kernel restored a game at start-up.
    if (cond(value[VAR_QUESTION] == Q_RESTORED)) {
        say(0, 1550, 0);
        value[VAR_QUESTION] = Q_AFTER_RESTORE;
    }

    if (cond(value[VAR_PHASE] > 2).OR(value[VAR_QUESTION] > 0)) return 0;
    if (cond(value[VAR_PHASE] == 2)) return 0;

    // A new game that has not started: offer the saved games, if any.
    value[VAR_QUESTION] = Q_START;
    p928();
    if (loop) return 0;
    f.lvals[0] = 0;
    special(SPECIAL_LIST_SAVES, &f.lvals[0]);
    if (cond(f.lvals[0] > 0)) {
        value[VAR_COMMAND_STATUS] = 98;  // the answer is a name: take it as typed
        value[VAR_QUESTION] = Q_SAVED_GAMES;
        say(SAY_STOP, 1270, 0);
        if (loop) return 0;
        return 0;
    }
    p765();
    if (loop) return 0;
    return 0;
}
