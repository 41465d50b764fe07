// Small readers of the command and the world, and the stops, that the
// game's procedures share. Each is one primitive call with a plain name.
#pragma once

#include "command.h"
#include "constants.h"
#include "say.h"
#include "state.h"

// The refnos that the kernel treats apart carry a kernel name and a game
// name: the two must stand for one refno.
static_assert(KV_ARG1 == VAR_ARG1 && KV_ARG2 == VAR_ARG2 && KV_ARG3 == VAR_ARG3);
static_assert(KV_HERE == VAR_HERE && KV_THERE == VAR_THERE);
static_assert(KV_COMMAND_STATUS == VAR_COMMAND_STATUS && KV_QUESTION == VAR_QUESTION);
static_assert(KV_UNDO_RESULT == VAR_UNDO_RESULT && KV_DWARVISH == VAR_DWARVISH);
static_assert(K_CARRIED == PLACE_CARRIED && K_PRONOUN == OBJ_PRONOUN && K_ALL == OBJ_ALL);
static_assert(KW_FIRST_MAGIC == WORD_LITANY_FIRST && KW_LAST_MAGIC == WORD_LITANY_LAST);
static_assert(KW_AGAIN == WORD_AGAIN && KW_SAY == WORD_SAY && KW_EXCEPT == WORD_EXCEPT);
static_assert(KW_UNDO == WORD_UNDO && KW_REDO == WORD_REDO);
static_assert(KW_LIST_SEPARATOR == WORD_LIST_SEPARATOR && KW_COMMAND_SEPARATOR == WORD_COMMAND_SEPARATOR);

inline int here() { return value[VAR_HERE]; }
inline int words() { return value[VAR_COMMAND_STATUS]; }
inline int arg1() { return value[VAR_ARG1]; }
inline int arg2() { return value[VAR_ARG2]; }
inline int has(int w) { return anyof(w, -1); }  // word w is the first or second word
inline int near(int obj) { return isnear(obj, -1, 0); }
inline int near_in(int obj, int state) { return isnear(obj, 0, state); }
inline int carried(int obj) { return have(obj, -1, 0); }
inline int lies_here(int obj) { return ishere(obj, -1, 0); }
inline int light() { return bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_LIGHT); }
inline int here_has(int flag) { return bitest(here(), flag); }

// Say a text and end the turn: plainly, as variant k, or with the typed
// word of a word slot.
inline void say_stop(int t) { say(SAY_STOP, t, 0); }
inline void say_stop_variant(int t, int k) { say(SAY_STOP | SAY_ARG, t, k); }
inline void say_stop_typed(int t, int slot) { say(SAY_STOP | SAY_ARG | SAY_ARGVAR, t, slot); }

// Variable v is marked as holding a refno; hold_ref also puts refno r in it.
// v may be computed: a refno without a flag word is reported, not written.
inline void mark_ref(int v) { set_bitword(v, ref_mark); }
inline void hold_ref(int v, int r) {
    value[v] = r;
    mark_ref(v);
}

// The feature-word mark that the fallback replies read.
inline void mark_feature() { bitmod('s', evar(VAR_QUESTION), VFLAG_QUESTION_REPLIED); }

// Word w becomes x in every word slot that holds it, with x's own word as
// the typed word.
inline void rewrite_word(int w, int x) {
    if (value[VAR_ARG1] == w) {
        value[VAR_ARG1] = x;
        fake(1, x);
    }
    if (value[VAR_ARG2] == w) {
        value[VAR_ARG2] = x;
        fake(2, x);
    }
}

// Flags read by name: an object seen, a place visited.
inline int is_seen(int obj) { return bitest(obj, OFLAG_SEEN); }
inline int is_visited(int place) { return bitest(place, PFLAG_VISITED); }
// The variant counter of text t := k, capped at the text's last variant.
inline void set_variant(int t, int k) { set('T', t, 'c', k, nullptr, nullptr); }
// In the opening (phase 2, the timeless chamber) whatever ends the pages of
// advice goes on to say how the game begins.
void remind_how_to_begin();
// The value of refno r: the state of the entity a word slot names, 0 for a
// parser code or anything else outside the values.
inline int value_of(int r) { return r >= 0 && r < NVALUES ? value[r] : 0; }
