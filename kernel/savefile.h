// What saving and restoring (save.cpp) and the autosave (autosave.cpp) ask
// of each other: the names of the files beside a saved game, whole files
// read, and the two forms of the undo journal kept with a game. The saved
// game's own format is image.h's.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "image.h"

constexpr size_t READ_LIMIT = size_t(1) << 28;  // no file of ours is larger

// save.cpp
// save_name := the file of the autosave (autoname's); with as_word the name
// is also put in arg2_word.
void own_name(bool as_word);
// save_name with another extension (its last three characters) into out,
// of `size` bytes: empty when it does not fit. The second form takes the
// size of the array it is given.
void sibling_name(char *out, size_t size, const char *ext);
template <size_t N>
void sibling_name(char (&out)[N], const char *ext) {
    sibling_name(out, N, ext);
}
// The whole of a file; false when it is missing, unreadable or larger than
// any file of ours.
bool slurp(const char *path, std::vector<unsigned char> &out);
// A journal file in the form saved games keep, checked against the checksum
// of its game: its journal and cursor, or false.
bool old_journal(const std::vector<unsigned char> &f, uint32_t sum, std::vector<unsigned char> &journal,
                 int &cursor);

// autosave.cpp
// A journal log (the autosave's form): is_log tells it from the older form;
// logged_journal gives the journal and cursor kept with the game whose
// checksum is key (the log with the part its copy keeps, or the log's last
// entry keyed so), or false.
bool is_log(const std::vector<unsigned char> &f);
bool logged_journal(const std::vector<unsigned char> &f, uint32_t key, std::vector<unsigned char> &journal,
                    int &cursor);
// Before a resume: whether the .orl copy holds the newer game, to be read
// before the .orv.
bool autosave_copy_first();
// After a resume: the transcript that goes with the game whose checksum is
// key becomes autosave_transcript().
void resume_transcript(uint32_t key);
// When neither copy of the autosave can be read: its files are renamed to
// a name of their own (never the autosave's), and the player is told why
// (`why`, an unreadable reason) and under what name they are kept.
void set_aside_autosave(int why);
// When the newer copy of the autosave (`damaged`) could not be read and the
// older one (`resumed`) was: unless the newer was only cut short by a write
// broken off, it is renamed to a name of its own that no autosave writes
// over, and the player is told that the last turn could not be read (why,
// an unreadable reason) and under what name the file is kept.
void set_aside_newer_copy(const char *damaged, const char *resumed, int why);
