// Reading commands: the recent-words tree, command input with its log and
// command file, vocabulary matching and the command reader.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "command.h"

constexpr int COMLINE_SIZE = 4096;
constexpr int WORD_SIZE = 32;

// Recent-words tree.
extern int16_t *word_buf;
extern int last_here;
int16_t *btinit(int16_t *tree);
int btcompare(const char *key, const int16_t *stored);
int16_t *btadd(int16_t *tree, const char *word, int len);
int btfind(const int16_t *tree, const char *key);
void word_update();  // after a flush: the flushed text's words
extern int fed_upto;  // how far the pending text has been fed to the tree
void word_feed();    // a replay in browser mode: the words said since the last feed
void tree_free();

// Command input.
extern FILE *com_file;
extern FILE *log_file;
extern int query_flag;
// When set, the console read takes its lines from here instead (tests);
// it returns 0 at end of input.
extern int (*line_source)(char *buf, int size);
void get_input(char *buf, int size);
// Called once a resume has shown the last turn again: at the next turn
// boundary, what the game said again on its way there is dropped when it
// only repeats the end of that turn.
void resume_shown();
// The last line read as it was typed, before its quotes became blanks.
extern char typed_line[COMLINE_SIZE];
void close_files();
void orvcpy(char *buf, int offset);
// How many of the first n bytes of s end between two UTF-8 characters: n,
// or fewer when the last character begun within them goes on past them
// (it is left out whole, never cut).
size_t whole_chars(const char *s, size_t n);
// A typed word (or line) into dest of `size` bytes: whole when it fits,
// else cut where it fits between two characters.
void copy_typed(char *dest, size_t size, const char *src);
void log_printf(const char *fmt, ...) __attribute__((format(printf, 1, 2)));

// Vocabulary matching (its globals are declared in command.h).
void vocab_forget();  // the decoded vocabulary is made again at the next lookup
void find_word(int *type_out, int *refno_out, int *word_out, int n, int report);
// Whether the last find_word matched its word exactly (not as an
// abbreviation or by the corrector).
extern bool found_exact;
int voccomp(const char *typed, int word, int bar);
int gcmp(const unsigned char *a, const unsigned char *b);
int allowed(int refno, int grade);
void report_typo(int word, int typed_length);
int orvcmp(const char *typed, int entry);

// Command reading (its globals are declared in command.h).
void parse();
void command_preset(const char *word);  // the word list holds word alone with the cursor after it; null: empty
// The reader as a run starts: no line, no words, no previous command, no
// orphan word, no command kept, no except list (kernel_reset).
void command_reset();
