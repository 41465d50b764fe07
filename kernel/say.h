// The say operation as game code uses it: its qualifier bits, the text
// kinds, and the hook through which tests record what is said.
#pragma once

// Qualifier bits of say.
constexpr int SAY_NUMBER = 0x01;
constexpr int SAY_REFVAR = 0x02;
constexpr int SAY_ARGVAR = 0x04;
constexpr int SAY_ARG = 0x08;
constexpr int SAY_DETAIL = 0x20;
constexpr int SAY_STOP = 0x40;
constexpr int SAY_NAME = 0x80;

// Text kinds.
constexpr int TKIND_PLAIN = 0;
constexpr int TKIND_RANDOM = 1;
constexpr int TKIND_INCREMENTAL = 2;
constexpr int TKIND_CYCLIC = 4;
constexpr int TKIND_ASSIGNED = 8;
constexpr int TKIND_TIED = 16;

extern int ta;  // the text cursor
extern int vc;  // item count of the list built by voc

void say(int qualifiers, int refno, int argument);
// Joins the text said next to the text already pending, over the line
// break between them.
void glue_text();
// Drops the output said so far and not yet shown.
void zap_text();

// Lists words: with word 0 a new list starts (saying `text` first when
// given); otherwise the word (or `text` in its place) is added after a
// comma, when `entity` (or the word itself) has flag `flag` (-1 or 0: any).
void voc(int word, int entity, int flag, int text);

// When set, every call of say is reported here first, with its arguments as
// given (tests record the texts said without depending on their wording);
// the texts that a text says inside itself are part of its wording and are
// not reported.
extern void (*say_hook)(int qualifiers, int refno, int argument);
