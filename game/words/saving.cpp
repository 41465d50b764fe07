// Saving, restoring and the snapshot words. So far: the quit word, which
// asks whether to stop playing.
#include "game.h"

int p695() {
    value[VAR_QUESTION] = Q_QUIT;
    say(SAY_STOP, 1432, 0);
    return 0;
}
