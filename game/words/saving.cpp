// Saving, restoring and the snapshot words: the save word asks before it
// saves, the restore word lists the saved games or takes one up by name,
// the wait word resumes a game by name or lets the sands shift, the load
// word, the quit word, the mark and rewind words of the in-memory snapshot,
// and the two words that only ever refuse.
#include "game.h"

namespace {

// The dunes' memory of the ways they closed (kept with the passage rules).

constexpr int GAME_FLAG_MARKED_BEFORE = 11;  // of VAR_GAME_FLAGS_3: the mark word has been explained

// Before play has properly begun there is nothing to save or mark.
int too_early() { return value[VAR_PHASE] < 3; }

}  // namespace

// Word 725 ("save"): asks to confirm saving, keeping the typed name; refused in the first moments
// of a game.
int p742() {
    if (cond(too_early())) {
        say_stop_variant(1541, 0);
        return 0;
    }
    hold_ref(VAR_PROMPT_TEXT, 1496);
    // The name is kept exactly as typed; a bare "save" has no name to keep.
    if (cond(words() == 2)) verbatim(VAR_ARG2);
    if (cond(save_name_refused())) {  // the kernel has said why
        loop = 1;
        return 0;
    }
    input_store('S', &value[VAR_PROMPT_TEXT]);
    say(SAY_ARG, 1542, 5);
    value[VAR_QUESTION] = Q_SAVE_CONFIRM;
    say_stop(1496);
    return 0;
}

// Word 726 ("restore"): restores a saved game by name (a bare word lists them first); a game saved
// minutes ago asks before it is taken up, a missing one costs no turn, a damaged one may be
// deleted.
int p715() {
    frame<2> f;  // locals: 0 what the restore found, 1 the minutes the game has been played
    if (cond(words() <= 1)) {
        p928();  // the listing; with exactly one saved game it goes on to restore it
        if (loop) return 0;
        set('V', VAR_ARG2, 'c', 0, f);  // the listing left the one name as the typed second word
    }
    if (cond(words() == 2)) verbatim(VAR_ARG2);
    if (cond(arg1() == WORD_QUIT).OR(arg2() == WORD_QUIT)) {
        say(0, 1871, 0);
        finita();
        return 0;
    }
    value[VAR_COMMAND_STATUS] = 2;
    hold_ref(VAR_PROMPT_TEXT, 1266);
    input_store('S', &value[VAR_PROMPT_TEXT]);
    special(SPECIAL_RESTORE, &f.lvals[0]);
    if (cond(f.lvals[0] == 3)) {  // no name: the kernel has said so
        loop = 1;
        return 0;
    }
    if (cond(f.lvals[0] == 0)) {
        special(SPECIAL_PLAY_MINUTES, &f.lvals[1]);
        if (cond(f.lvals[1] >= 5)) {
            p716();
            if (loop) return 0;
            return 0;
        }
        // Saved only minutes ago: taking it up again has a price.
        say(SAY_ARG, 1547, 5);
        say(SAY_ARG, 1548, 10);
        value[VAR_QUESTION] = Q_EARLY_RESTORE;
        say_stop(1549);
        return 0;
    }
    if (cond(f.lvals[0] == 1)) {
        if (cond(typed("q")).OR(typed("qu")).OR(typed("qui")).OR(typed("quit"))) {
            call_proc(WORD_QUIT);
            if (loop) return 0;
            return 0;
        }
        // No such game: the attempt costs no turn.
        say(0, 1545, 0);
        value[VAR_QUESTION] = Q_NONE;
        if (cond(value[VAR_TURNS] > 0)) value[VAR_TURNS] -= 1;
        loop = 1;
        return 0;
    }
    // A damaged file or one of another version: the game from before the
    // attempt comes back, and the player may have the file deleted.
    special(SPECIAL_UNDO_RESTORE, &value[VAR_STATUS_WORD]);
    value[VAR_QUESTION] = Q_DELETE_BAD_SAVE;
    say_stop(1546);
    return 0;
}

// Word 727 ("wait"): waiting in the dunes lets the sands shift; at a few places a reply of their
// own; with a second word it restores.
int p712() {
    if (cond(words() > 1)) {
        call_proc(WORD_RESTORE);
        if (loop) return 0;
    }
    if (cond(here() == PLACE_DEPOSIT).OR(here() == PLACE_SIDE_CELL).OR(here() == PLACE_STILL_POOL)) {
        say_stop_variant(2049, 0);
        return 0;
    }
    if (cond(here_has(PFLAG_SHIFTING_EXITS))) {
        say(SAY_ARG | SAY_ARGVAR, 1987, VAR_ARG1);
        say(SAY_ARG, 2049, 1);
        set('V', VAR_WAY_LET_THROUGH, 'v', VAR_REFUSED_WAY, nullptr, nullptr);
        set('V', VAR_REFUSED_WAY, 'c', 0, nullptr, nullptr);
        p65();
        if (loop) return 0;
        // The shuffle has just set the remembered place to a plain 0, so
        // this clears flag 0 of that variable's own, already empty, flag
        // word: nothing changes.
        bitmod('c', evar(VAR_REMEMBERED_PLACE), 0);
        loop = 1;
        return 0;
    }
    say_stop_typed(1732, VAR_ARG1);
    return 0;
}

// Word 735 ("load"): restoring under another word; a bare "load" or one in the first moments of a
// game is refused.
int p714() {
    if (cond(words() == 1)) {
        say_stop_typed(2579, VAR_ARG1);
        return 0;
    }
    if (cond(too_early())) {
        say_stop(2318);
        return 0;
    }
    call_proc(WORD_RESTORE);
    if (loop) return 0;
    return 0;
}

// Word 823 ("quit"): asks whether the player really means to quit.
int p695() {
    value[VAR_QUESTION] = Q_QUIT;
    say(SAY_STOP, 1432, 0);
    return 0;
}

// Word 829 ("mark"): asks to keep this moment to come back to (the second time, takes it at once).
int p593() {
    if (cond(too_early())) {
        say_stop_variant(1541, 1);
        return 0;
    }
    value[VAR_QUESTION] = Q_SNAPSHOT_TAKE;
    if (cond(bitest(VAR_GAME_FLAGS_3, GAME_FLAG_MARKED_BEFORE))) {
        p33();  // this very command is the answer, and the mark word counts as a yes
        if (loop) return 0;
        return 0;
    }
    say(SAY_ARG, 2369, 0);
    bitmod('s', VAR_GAME_FLAGS_3, GAME_FLAG_MARKED_BEFORE);
    say_stop(1496);
    return 0;
}

// Word 830 ("rewind"): asks to go back to the moment kept, when there is one.
int p704() {
    frame<1> f;  // local 0: whether no moment is kept
    special(SPECIAL_NO_SNAPSHOT, &f.lvals[0]);
    if (cond(f.lvals[0] != 0)) {
        say_stop(2373);
        return 0;
    }
    value[VAR_QUESTION] = Q_SNAPSHOT_BACK;
    say(SAY_ARG, 2369, 1);
    say_stop(1496);
    return 0;
}

// Word 947 ("please"): nothing comes of it, and the rest of the line is dropped.
int p682() {
    flush_command();
    say_stop(1352);
    return 0;
}

// Word 948 ("restart"): there is no starting over in the middle of a game: says how to begin
// afresh (in the first moments of a game, nothing comes of it).
int p684() {
    if (cond(too_early())) {
        say_stop(1352);
        return 0;
    }
    say_stop(2583);
    return 0;
}
