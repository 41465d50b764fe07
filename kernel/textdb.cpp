// Reading the scrambled text database: the key (`title`) that set_title
// derives from the database's leading bytes, and get_char, which unscrambles
// one byte with the position's mask and the key.
//
// The text compiler stores the key's length at position 0 and the key at
// positions 1..length, each byte masked with its position's mask only; the
// texts follow, every byte masked with the position's mask and the key.
//
// get_char runs for every byte of every text said, so it divides nothing:
// the position's mask repeats every 2048 positions and comes from a table,
// and the key's index (the position modulo the key's length) is found by
// multiplying with the key length's inverse.

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "input.h"
#include "text.h"

char title[80];  // the database's key, derived at start-up; equals the version stamp
int titlen;      // its length

namespace {

// The mask of position p, the first of the two scrambling terms.
int position_mask(int p) {
    int a = (p >> 4) & 0x7F;
    if (a == 0) a = p & 0x7F;
    if (a == 0) a = 88;
    return (a * 17 + 13) & 0x7F;
}

constexpr int MASK_PERIOD = 2048;

struct mask_table {
    unsigned char m[MASK_PERIOD];
    mask_table() {
        for (int p = 0; p < MASK_PERIOD; p++) m[p] = (unsigned char)position_mask(p);
    }
};
const mask_table masks;

// p % titlen for any non-negative p below 2^32, by multiplication: with
// M = ceil(2^64 / d), the remainder is the high half of (M * p mod 2^64) * d.
uint64_t key_inverse;

unsigned key_index(uint32_t p) {
    return unsigned((static_cast<unsigned __int128>(key_inverse * p) * unsigned(titlen)) >> 64);
}

// The byte at p with only the position's mask removed; 0 outside the database.
int masked_byte(int p) {
    if (p < 0 || p >= text_size) return 0;
    return text[p] ^ masks.m[p & (MASK_PERIOD - 1)];
}

}  // namespace

int get_char(int position) {
    // Outside the database there is nothing to read: 0, the end of a text.
    if (position < 0 || position >= text_size) return 0;
    int key = titlen > 0 ? (unsigned char)title[key_index(uint32_t(position))] : 0;
    return text[position] ^ masks.m[position & (MASK_PERIOD - 1)] ^ key;
}

int set_title() {
    int len = masked_byte(0);
    if (len > (int)sizeof title - 1) len = sizeof title - 1;
    int i = 0;
    for (; i < len; i++) {
        int c = masked_byte(1 + i);
        if (c == 0) break;  // a damaged key ends at its first zero
        title[i] = (char)c;
    }
    title[i] = '\0';
    titlen = i;
    key_inverse = titlen > 0 ? UINT64_MAX / uint64_t(titlen) + 1 : 0;
    vocab_forget();  // decoded with the previous key
    if (strcmp(title, VERSION_STAMP) == 0) return 0;
    printf("Version stamp mismatch: '%s' != '%s'!\n", title, VERSION_STAMP);
    return 1;
}
