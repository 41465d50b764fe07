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
// Whether the game's texts, names or descriptions print the word (in lower
// case): such a word is spelt right, and the reader never corrects it.
bool printed_word(const char *word);

// The reader's state, which the kernel's other parts read (defined in
// command.cpp; sizes in input.h).
extern char comline[];      // the current input line, parsed in place
extern char raw_comline[];  // the line as it was read
extern char old_comline[];  // the previous line that held words, for "again"
extern char **tp;           // words of the parsed line, ended by a null pointer
extern char *separator;     // separator before each word
extern int tindex;          // the next word to read
extern int amatch;          // the line's matching mode: 1 graded, 0 no typos, -1 words as typed
extern char arg1_word[];    // the first word as typed, or as the vocabulary shows it
extern char arg2_word[];    // the same for the second word
extern char arg3_word[];    // the same for the word of the except list
extern char orig[];         // the word as typed that the typo report names
extern char long_word[];    // a first or second word of over 16 letters, whole
extern char orig1[];        // the first word exactly as typed
extern char orig2[];        // the second word exactly as typed
extern char *say_buf;       // the literal rest of a say command
extern int *except_list;    // the objects an ALL command excepts
extern int except_count;    // how many there are
extern int location_all;    // the place an ALL command takes its objects from
extern int type_all;        // the flag those objects need, -1 any
