// zendry_play: the game's binary for the benchmarks, as in a game under
// way, so that a long replay plays every one of its commands: from the
// first turn it is in the game phase after the introduction, where
// misspelt words are corrected (a new game is in the phase before it until
// the player has read the introduction), the player stands in the lane
// where play begins (a new game starts outside the world, in the room
// before it), carries the light, lit and with power to spare, and when the
// player dies or the game ends, the world goes back to the one of the
// first turn and play goes on. Everything else is the game's own code; the
// autosave can be left out, to measure a turn without it.
//
// Environment:
//   ZENDRY_PLAY_NO_AUTOSAVE=1  leave the autosave out (the turns stay the
//                              same), to measure a turn without it;
//   ZENDRY_PLAY_REPORT=1       at exit, tell on the standard error how many
//                              turns were played, how many were followed by
//                              an autosave, and how often play started over.
#include <cstdio>
#include <cstdlib>

#include "game.h"
#include "input.h"
#include "startup.h"
#include "text.h"

namespace {

game_proc repeat_chain;
bool no_autosave;
int turns, autosaved, restarts;
state_image first_turn;  // the world as the first turn found it

// What the kernel's turn boundary asks before it autosaves, as the turn
// just played leaves it (the boundary comes when the next turn reads).
bool autosave_due() { return text_len > 3 && value[VAR_QUESTION] == 0 && query_flag == 0; }

int play_chain() {
    if (turns > 0 && autosave_due()) autosaved++;
    if (turns == 0) {
        if (value[VAR_HERE] != PLACE_START) moveto(PLACE_START, -1);
        apport(OBJ_LIGHT_SOURCE, PLACE_CARRIED);
        bitmod('s', OBJ_LIGHT_SOURCE, OFLAG_SEEN);
        value[OBJ_LIGHT_SOURCE] = 1;
        value[VAR_LIGHT_POWER] = 30000;
        if (value[VAR_PHASE] < 3) value[VAR_PHASE] = 3;
        first_turn = IMAGE;
    }
    turns++;
    int r = repeat_chain();
    if (quitting || value[VAR_QUESTION] == Q_DEATH) {
        IMAGE = first_turn;
        quitting = 0;
        restarts++;
    }
    // A turn boundary while the game asks yes or no writes no autosave.
    if (no_autosave) query_flag = 1;
    return r;
}

// The last call of the chain reads the end of the input: it plays no turn.
void report() {
    fprintf(stderr, "zendry_play: %d turns, %d autosaved, %d started over\n", turns > 0 ? turns - 1 : 0, autosaved,
            restarts);
}

}  // namespace

int main(int argc, char **argv) {
    const char *off = getenv("ZENDRY_PLAY_NO_AUTOSAVE");
    no_autosave = off && *off == '1';
    if (const char *r = getenv("ZENDRY_PLAY_REPORT"); r && *r == '1') atexit(report);
    repeat_chain = procs[2];
    procs[2] = play_chain;
    return fablet_main(argc, argv);
}
