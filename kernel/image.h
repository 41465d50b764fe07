// The saved image: the one format that saved games, the autosave and the
// undo journal share. A saved game is a stamp line, six layout numbers, a
// checksum, the time and the state image; the image is summed region by
// region; undo and the autosave find what changed in an image span by span
// and block by block. Also the file names of a saved game and the files
// beside it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "state.h"

constexpr int STAMP_LINE = 25;  // the version stamp and its newline
constexpr int LAYOUT_BYTES = 6 * 4;
constexpr int HEADER_BYTES = STAMP_LINE + LAYOUT_BYTES + 4;  // and the checksum
constexpr int TIME_BYTES = 8;
constexpr int IMAGE_AT = HEADER_BYTES + TIME_BYTES;  // the image's offset in a saved game
constexpr int SAVE_BYTES = IMAGE_AT + IMAGE_SIZE;
// The checksum keeps 30 bits.
constexpr uint32_t SUM_MASK = 0x3FFFFFFF;

inline void put32(unsigned char *p, uint32_t v) {
    for (int i = 0; i < 4; i++) p[i] = (unsigned char)(v >> (8 * i));
}

inline uint32_t get32(const unsigned char *p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

// ---- The checksum ----------------------------------------------------------

// The checksum of saved games and journals: `sum` carried on over one
// region of `len` bytes, in unsigned 32-bit arithmetic, kept to 30 bits.
uint32_t region_sum(uint32_t sum, const unsigned char *bytes, int len);
// A byte's term in the checksum: (b + i)^2 for the byte b at position i
// (from 1) of its region, in 32-bit arithmetic (times 16 in the sum). Each
// byte's term depends on that byte alone, so a sum can be carried on over
// the bytes that changed.
inline uint32_t sum_term(unsigned char b, int pos) {
    uint32_t x = uint32_t(int8_t(b)) + uint32_t(pos);
    return x * x;
}
// Where each of the live image's five regions starts (and, last, its end):
// value, location, objbits, placebits, varbits.
constexpr int REGION_AT[6] = {0,
                              NVALUES * 4,
                              NVALUES * 4 + (LAST_OBJECT + 1) * 4,
                              NVALUES * 4 + (LAST_OBJECT + 1) * 4 + (LAST_OBJECT - 2) * 4,
                              NVALUES * 4 + (LAST_OBJECT + 1) * 4 + (LAST_OBJECT - 2) * 4 +
                                  (LAST_PLACE - LAST_OBJECT) * 4,
                              IMAGE_SIZE};
// The checksum of an image of the live layout, region by region, from 0.
uint32_t live_image_sum(const unsigned char *img);

// ---- Saved games -----------------------------------------------------------

// The live image as a saved game into buf (SAVE_BYTES), saved at `now`: the
// stamp line, the layout numbers, the checksum, the time and the image.
// The status word (value 0) is set to -1 first, as every saved game holds
// it. Returns the checksum.
uint32_t build_game(unsigned char *buf, int64_t now);

// Why a saved game cannot be read (0: it can), as the player is told when
// the autosave cannot be resumed.
enum unreadable {
    UNREAD_SHORT = 1,  // cut short
    UNREAD_CHANGED,    // its checksum fails: a byte has changed
    UNREAD_STATE,      // it holds no state this game can be in
    UNREAD_NEWER,      // stamped by a newer version of this game
    UNREAD_FOREIGN,    // stamped by another game, or no stamp at all
};

// Reads and checks a saved game's stamp line: 0 this version's or an older
// minor version of the same game; else UNREAD_NEWER or UNREAD_FOREIGN.
int check_version(FILE *file);

// What a saved game holds after its stamp line.
struct read_image {
    int64_t time;
    uint32_t sum;  // the checksum, which its journal carries on
    bool older;    // an older layout, mapped onto this one
};
// The rest of a saved game after its stamp line, `len` bytes of it: the
// layout, the checksum, the time (four bytes in the oldest files) and the
// image, which goes into `to` mapped onto this game's layout. 0, or why
// the file cannot be read (UNREAD_SHORT, UNREAD_CHANGED or UNREAD_STATE:
// refused as the game would refuse it, with `to` then undefined).
int decode_game(const unsigned char *bytes, size_t len, state_image &to, read_image &got);
// The most bytes decode_game reads.
constexpr int GAME_BODY_BYTES = LAYOUT_BYTES + 4 + TIME_BYTES + IMAGE_SIZE;

// ---- Finding changes -------------------------------------------------------

// The image is compared in spans of a kilobyte, then blocks of 64 bytes:
// a turn changes a few bytes, so most spans are passed over by one compare.
constexpr int SPAN = 1024, BLOCK = 64;
// Calls each(at, n) for every block of the image (n bytes from offset at)
// in which a and b differ, in order.
template <class F>
inline void each_changed_block(const unsigned char *a, const unsigned char *b, F each) {
    for (int s = 0; s < IMAGE_SIZE; s += SPAN) {
        const int s_end = s + SPAN < IMAGE_SIZE ? s + SPAN : IMAGE_SIZE;
        if (memcmp(a + s, b + s, size_t(s_end - s)) == 0) continue;
        for (int w = s; w < s_end; w += BLOCK) {
            const int n = s_end - w < BLOCK ? s_end - w : BLOCK;
            if (memcmp(a + w, b + w, size_t(n)) != 0) each(w, n);
        }
    }
}

// ---- File names ------------------------------------------------------------

// The longest name a saved game's file takes before its ".orv", in bytes.
constexpr int NAME_MAX_BYTES = 32;
// How many bytes of `name` (up to its end or newline) a saved game's file
// takes: at most NAME_MAX_BYTES, and a UTF-8 character that would not fit
// whole is left out whole, never cut.
size_t name_bytes(const char *name);
// The file of a saved game named `name` into path (80 bytes): the
// name_bytes of the name, then ".orv" unless it ends so. The name is not checked: names typed by the player are checked
// before (make_name).
void game_file_name(const char *name, char *path);
// The file beside the game file `game` with another extension (its last
// three characters) into out, of `size` bytes: empty when it does not fit.
void file_beside(char *out, size_t size, const char *game, const char *ext);
