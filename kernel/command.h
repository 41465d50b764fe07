// The command reader as game code uses it: the parser's codes in the word
// slots and the calls that read, rewrite and store commands.
#pragma once

#include <cstdint>

// Parser codes in the word slots.
constexpr int PARSE_NONE = -1;
constexpr int PARSE_UNKNOWN = -2;
constexpr int PARSE_AMBIGUOUS = -3;
constexpr int PARSE_AMBIGUOUS_TYPO = -4;
constexpr int PARSE_SCENERY = -5;
constexpr int PARSE_BAD_SYNTAX = -6;

// Reads the next command into the word slots (flushing the output and
// ending the turn's bookkeeping first when the line is used up).
void get_command(int prompt);
// A bare word takes the only object at `place` (with flag `flag`, -1 any)
// as its second word; mode 1 and 2 start and go on with an ALL iteration.
void default_to(int mode, int place, int flag);
// The typed word of slot n (1 or 2) becomes the shown word of `refno`.
void fake(int n, int refno);
// Keeps ('S') the command's words with *variable, or brings them back ('R')
// into the word slots and *variable.
void input_store(char op, int32_t *variable);
// Asks a yes/no question with text `prompt` (none when negative) and reads
// the answer at once: 1 yes or blank, 0 no.
int query(int prompt);
int in_except(int obj);  // 1 when the ALL command excepts the object
