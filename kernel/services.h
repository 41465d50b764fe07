// The kernel services the game calls by number (special operations): their
// codes and the one entry point.
#pragma once

#include <cstdint>

constexpr int SPECIAL_SAVE = 1;
constexpr int SPECIAL_RESTORE = 2;
constexpr int SPECIAL_DELETE_SAVE = 3;
constexpr int SPECIAL_STASH = 6;
constexpr int SPECIAL_UNSTASH = 7;
constexpr int SPECIAL_PLAY_MINUTES = 8;
constexpr int SPECIAL_SET_ARG1 = 9;
constexpr int SPECIAL_SET_ARG2 = 10;
constexpr int SPECIAL_ARG1_TO_ARG2 = 11;
constexpr int SPECIAL_LINE_DONE = 12;
constexpr int SPECIAL_PDATA_GET = 14;
constexpr int SPECIAL_PDATA_SET = 15;
constexpr int SPECIAL_PDATA_CLEAR = 16;
constexpr int SPECIAL_SNAP_LOCATIONS = 17;
constexpr int SPECIAL_SNAP_LOCATION_OF = 18;
constexpr int SPECIAL_JUSTIFY = 19;
constexpr int SPECIAL_LINE_LENGTH = 20;
constexpr int SPECIAL_MARGIN = 21;
constexpr int SPECIAL_PAGE_LENGTH = 22;
constexpr int SPECIAL_STORE_INPUT = 23;
constexpr int SPECIAL_RESTORE_INPUT = 24;
constexpr int SPECIAL_ECHO_LITERAL = 27;
constexpr int SPECIAL_UNDO_RESTORE = 28;
constexpr int SPECIAL_SWAP_ARGS = 29;
constexpr int SPECIAL_IN_EXCEPT = 32;
constexpr int SPECIAL_NO_SNAPSHOT = 33;
constexpr int SPECIAL_LIST_SAVES = 34;
constexpr int SPECIAL_START_RESTORE = 997;
constexpr int SPECIAL_AUTOSAVE = 998;
constexpr int SPECIAL_AUTORESTORE = 999;

// The in-memory snapshots of the state: 1 (4) stores the first (second),
// 2 (5) brings it back, 3 drops the first, 0 asks whether there is none;
// 0 when done.
int memstore(int op);
// Undo and redo: take back, or do again, as many commands as the second
// word asks (one by default, all of them for OBJ_ALL); VAR_UNDO_RESULT then
// holds how many were.
void undo();
void redo();
// Before the save word asks anything: when the command's second word
// cannot name a saved game, says why (text 3505) and returns 1.
int save_name_refused();
// Runs special operation `code`; most report their result in *variable.
int special(int code, int32_t *variable);
