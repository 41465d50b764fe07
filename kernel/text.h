// The text database, the say operation and the output pipeline.
#pragma once

#include <cstdint>
#include <cstdio>

#include "say.h"

// Control bytes inside texts, interpreted by say.
constexpr int TC_NUMBER = 0x10;
constexpr int TC_SHIFT = 0x11;
constexpr int TC_NEST = 0x19;
constexpr int TC_HOLDER = 0x1D;
constexpr int TC_SWITCH_END = 0x1E;
constexpr int TC_SWITCH = 0x1F;
// Output control bytes, interpreted by the output pipeline.
constexpr int TC_CENTRE_LINES = 0x12;
constexpr int TC_CENTRE_END = 0x13;
constexpr int TC_CENTRE_BLOCK = 0x14;
constexpr int TC_HARD_SPACE = 0x15;
constexpr int TC_TAG_END = 0x16;
constexpr int TC_TAG_START = 0x17;
constexpr int TC_PRE_BLOCK = 0x18;
constexpr int TC_JOIN = 0x1A;

// Room for the vocabulary: the game's entries, then entries never matched.
constexpr int NVOCAB = 1600;
constexpr const char *VERSION_STAMP = "Zendry 4.17, 09 Jun 2031";

// The database as the text compiler generates it (one per program: the
// game's, or a test fixture's). Every byte of text is scrambled.
extern const unsigned char text[];
extern const int32_t text_size;
extern int32_t textadr[];            // per refno 0..3571 (lda may change an entry)
extern const int32_t brief_desc[];   // per refno 0..703
extern const int32_t long_desc[];
extern const int32_t detail_desc[];
extern unsigned char text_info[];    // kind and count per text; tie changes kinds
extern const int16_t voc_refno[];    // NVOCAB entries each
extern const int16_t voc_type[];
extern const int32_t voc_addr[];
extern const int32_t voc_word[];

extern char title[80];
extern int titlen;

int set_title();  // 0 when the key equals the version stamp
int get_char(int position);
void nested_say(int position, int qualifiers, int argument);

// State dump for the game's author.
void show_data();
void show_bits(int refno, int words, FILE *stream);
int show_name(int refno, FILE *stream);

// Output pipeline.
extern char *text_buf;
extern int text_buf_len;
extern char *lptr;
extern int text_len;
extern int orl_skip;
extern int eol_count;
extern int upcase;
extern int extra_dwarvish;
extern char *obuf;
extern int oblen;
extern char *optr;
extern int http_offset;
extern int html_ok;
extern char *prompt_line;
extern char *prompt_ptr;
extern int prompt_len;  // capacity of prompt_line
extern int compress;
extern int justify;
extern char compact[2];
extern int cps;
extern int Screen;
extern int Linlen;
extern int Margin;
extern int Maxlen;
extern int flip;
extern int lincnt;

// Where the console output goes and where the pager reads its reply:
// stdout and stdin by default; tests point them at files of their own.
// console_tty: -1 ask isatty of console_in when first needed, else 0 or 1.
extern FILE *console_out;
extern FILE *console_in;
extern int console_tty;

void text_setup();  // create the text buffer if needed
void outbyte(int c);
void outbyte_raw(int c);  // append as given: no capitals, no letter shift (the resumed transcript)
void outstr(const char *s);  // outbyte for each byte of s
void outbuf(int flag);
void format_buffer(int flag, int html);
void outtext(FILE *dest);
void oputc(int c);
void oputs(const char *s);
int scrchk(const char *line);  // 1 when the rest of the output is to be dropped
void stretch_line(const char *line, int n, FILE *dest);
void showchar(int c, FILE *dest);
void showline(const char *line);
void prompt_alloc();  // (re)size prompt_line for 2 * Maxlen + 1 bytes, keeping its content
