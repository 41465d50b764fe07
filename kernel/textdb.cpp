// Reading the scrambled text database: the key (`title`) that set_title
// derives from the database's leading bytes, and get_char, which unscrambles
// one byte with the position's mask and the key.
//
// The text compiler stores the key's length at position 0 and the key at
// positions 1..length, each byte masked with its position's mask only; the
// texts follow, every byte masked with the position's mask and the key.

#include <cstdio>
#include <cstring>

#include "text.h"

char title[80];
int titlen;

// The mask of position p, the first of the two scrambling terms.
static int position_mask(int p) {
  int a = (p >> 4) & 0x7F;
  if (a == 0) a = p & 0x7F;
  if (a == 0) a = 88;
  return (a * 17 + 13) & 0x7F;
}

// The byte at p with only the position's mask removed; 0 outside the database.
static int masked_byte(int p) {
  if (p < 0 || p >= text_size) return 0;
  return text[p] ^ position_mask(p);
}

int get_char(int position) {
  // Outside the database there is nothing to read: 0, the end of a text.
  if (position < 0 || position >= text_size) return 0;
  int key = titlen > 0 ? (unsigned char)title[position % titlen] : 0;
  return text[position] ^ position_mask(position) ^ key;
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
  if (strcmp(title, VERSION_STAMP) == 0) return 0;
  printf("Version stamp mismatch: '%s' != '%s'!\n", title, VERSION_STAMP);
  return 1;
}
