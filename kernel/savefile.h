// The saved-game file as saving and restoring (save.cpp) and the autosave
// (autosave.cpp) share it: its sizes, its little-endian numbers, the names
// of the files beside a saved game, the game's bytes and the two forms of
// the undo journal kept with it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "state.h"

constexpr int STAMP_LINE = 25;  // the version stamp and its newline
constexpr int LAYOUT_BYTES = 6 * 4;
constexpr int HEADER_BYTES = STAMP_LINE + LAYOUT_BYTES + 4;  // and the checksum
constexpr int TIME_BYTES = 8;
constexpr int SAVE_BYTES = HEADER_BYTES + TIME_BYTES + IMAGE_SIZE;
constexpr size_t READ_LIMIT = size_t(1) << 28;  // no file of ours is larger

inline void put32(unsigned char *p, uint32_t v) {
    for (int i = 0; i < 4; i++) p[i] = (unsigned char)(v >> (8 * i));
}

inline uint32_t get32(const unsigned char *p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

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
// The live image as a saved game into buf (SAVE_BYTES): the stamp line, the
// layout numbers, the checksum, the time and the image. Returns the checksum.
uint32_t build_game(unsigned char *buf);
// The whole of a file; false when it is missing, unreadable or larger than
// any file of ours.
bool slurp(const char *path, std::vector<unsigned char> &out);
// A journal file in the form saved games keep, checked against the checksum
// of its game: its journal and cursor, or false.
bool old_journal(const std::vector<unsigned char> &f, uint32_t sum, std::vector<unsigned char> &journal,
                 int &cursor);

// autosave.cpp
int autosave();  // the autosave's result: 0 written, 1 not
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
