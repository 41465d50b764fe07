// Saved games, the autosave, persistent data, the special operations and
// the undo journal.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "image.h"
#include "services.h"

extern char save_name[80];
extern int64_t game_time;

// Makes the file name of a saved game from `name` into `path` (80 bytes).
// Names typed by the player are never paths: only a letter or digit
// followed by letters, digits, "-", "_", "." and "+" is taken; any other
// name is refused: the result is 0 and `path` is empty. The kernel's own
// names (the autosave, a name given on the command line) pass with
// `trusted`.
int make_name(const char *name, char *path, bool trusted = false);
int get_pdata(int offset);
int set_pdata(int offset, int value);  // 1 stored; 0 when the file could not be written

// The operations behind the special codes that touch saved games; each
// gives the code's result (Saving: 0 saved, 1 cannot write, 2 the file
// exists, 3 no name. Deleting: 0 deleted, 2 not deleted, 3 no name).
// restore_game stores its result in *variable, and leaves it unchanged when
// a start-up restore finds no file.
int save_game(int code);  // SPECIAL_SAVE or SPECIAL_AUTOSAVE
void restore_game(int code, int32_t *variable);
int delete_game();

// Writes `len` bytes to `path` through a temporary file renamed over it,
// so that a failed write never destroys the previous copy; with `sync` the
// data reach the disk before the rename. 0 on success.
int write_whole(const char *path, const unsigned char *bytes, size_t len, bool sync = true);

// The autosave, written at the turn boundary: 0 written, 1 not (told to
// the player). It keeps the transcript of its last turn: set_transcript
// gives the one the next autosave keeps (autosave_turn sets it and writes
// the autosave in one call); after a resume autosave_transcript is the one
// kept with the game resumed.
int autosave();
int autosave_turn(const char *said, size_t len);
void set_transcript(const char *said, size_t len);
const std::string &autosave_transcript();
// Closes the autosave's files kept open and forgets what was known of them,
// as a new run in the same process must (the next autosave looks at the
// files afresh rather than writing into ones removed meanwhile).
void forget_autosave_files();
// Removes the temporary files (".orv.tmp" and the like) that a program
// killed while writing left in the working directory.
void remove_stale_temporaries();

// Undo journal.
extern unsigned char *diffs;
extern int diffsz;
extern int dptr;
extern int edptr;
// The lowest journal offset written or cut since the autosave last logged
// the journal (INT_MAX: none).
extern int journal_changed_from;
void save_changes();
void journal_clear();  // both positions back to just after the head
void undo();
void redo();
int checkdo();
void inv_check();
