// Status, undo and setting words. So far: the score word, which reports the
// score without costing a turn.
#include "game.h"

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
