// The world state: the state image, its globals, and the primitives through
// which game procedures read and change it.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <initializer_list>

// Refno ranges of the game's entities.
constexpr int FIRST_OBJECT = 3;
constexpr int LAST_OBJECT = 194;
constexpr int FIRST_PLACE = 195;
constexpr int LAST_PLACE = 703;
constexpr int FIRST_WORD = 704;
constexpr int LAST_WORD = 1143;
constexpr int FIRST_VARIABLE = 1144;
constexpr int LAST_VARIABLE = 1263;
constexpr int FIRST_TEXT = 1264;
constexpr int LAST_TEXT = 3571;
constexpr int LAST_FLAGGED = 1264;  // text 1264 owns a flag word too
constexpr int NVALUES = 3572;
constexpr int NPROCS = 1148;

constexpr int16_t ref_mark = -1;  // flag word 0xFFFF: the variable holds a refno

// Kernel-fixed refnos.
constexpr int KV_ARG1 = 1144;
constexpr int KV_ARG2 = 1145;
constexpr int KV_HERE = 1146;
constexpr int KV_THERE = 1147;
constexpr int KV_COMMAND_STATUS = 1178;
constexpr int KV_QUESTION = 1180;
constexpr int KV_UNDO_RESULT = 1192;
constexpr int KV_DWARVISH = 1262;
constexpr int KV_ARG3 = 1263;
constexpr int K_CARRIED = 703;
constexpr int K_PRONOUN = 166;  // the object a command named last ("it")
constexpr int K_ALL = 3;        // the object "all": as undo's count, every command

// Words the command reader treats apart (kernel-fixed refnos).
constexpr int KW_FIRST_MAGIC = 705;    // 705..721: a magic word is a command by itself
constexpr int KW_LAST_MAGIC = 721;
constexpr int KW_FIRST_LITERAL = 723;  // 723..743: verbs whose next word is taken as typed
constexpr int KW_LAST_LITERAL = 743;
constexpr int KW_AGAIN = 724;             // repeat the last command
constexpr int KW_SAY = 730;               // speak the literal rest of the line
constexpr int KW_UNDO = 738;              // undo and redo are never recorded in the journal
constexpr int KW_REDO = 739;
constexpr int KW_EXCEPT = 1139;           // begins the except list of an object-taking command
constexpr int KW_LIST_SEPARATOR = 1140;   // joins objects as a comma does
constexpr int KW_COMMAND_SEPARATOR = 1142;  // ends a command as a semicolon does

// The state image: a stored format (saved games, the autosave and the undo
// journal copy and compare it byte for byte), little-endian, no padding in
// its first IMAGE_SIZE bytes. The trailing pad only rounds the struct up to
// its natural alignment and is never stored or compared.
struct state_image {
    int32_t value[NVALUES];
    int32_t location[LAST_OBJECT + 1];
    int16_t objbits[2 * (LAST_OBJECT - FIRST_OBJECT + 1)];
    int16_t placebits[2 * (LAST_PLACE - FIRST_PLACE + 1)];
    int16_t varbits[LAST_FLAGGED - FIRST_WORD + 1];
    int16_t pad_;
};
constexpr int IMAGE_SIZE = 18994;
static_assert(std::endian::native == std::endian::little, "the state image is little-endian");
static_assert(offsetof(state_image, value) == 0);
static_assert(offsetof(state_image, location) == 14288);
static_assert(offsetof(state_image, objbits) == 15068);
static_assert(offsetof(state_image, placebits) == 15836);
static_assert(offsetof(state_image, varbits) == 17872);
static_assert(offsetof(state_image, pad_) == IMAGE_SIZE);
static_assert(sizeof(state_image::objbits) == 768);
static_assert(sizeof(state_image::placebits) == 2036);
static_assert(sizeof(state_image::varbits) == 1122);

extern state_image IMAGE;  // the live state
extern state_image intim;  // the reference copy taken at each command boundary
extern int32_t *const value;
extern int32_t *const location;
extern int16_t *const objbits;
extern int16_t *const placebits;
extern int16_t *const varbits;
extern state_image *const image;  // points to intim
extern int32_t *const inhand;     // intim.location

// The largest magnitude of a value the game keeps: far above any counter
// reached in play, and low enough that the game's arithmetic on values
// (sums of a few, small multiples) never leaves the range of an int32_t.
constexpr int32_t VALUE_LIMIT = 1 << 24;
// The same for an object's state, a small number or a refno in play, which
// the game also multiplies by counts of objects.
constexpr int32_t STATE_LIMIT = 1 << 16;
// Whether an image can be a state of the game, which restores and the
// resume check before they take it: HERE is a place, THERE a place or 0,
// every location is 0 or a place, every object's state lies within
// STATE_LIMIT either way and every other value but the status word within
// VALUE_LIMIT.
bool image_playable(const state_image &s);

inline unsigned char *image_bytes(state_image &s) { return reinterpret_cast<unsigned char *>(&s); }

// A game procedure. Procedures that the table holds take no arguments;
// procedures with parameters are called directly by name.
typedef int (*game_proc)();
extern game_proc procs[NPROCS];  // defined by the game

// One parameter of a game procedure: a marker (-1 a refno, 0 a number, or a
// variable's flag word) and a value. Parameter k becomes local k-1.
struct arg_pair {
    int16_t mark;
    int32_t val;
};

extern int loop;       // non-zero stops this turn's processing
extern int quitting;   // set by finita; the main loop ends after the turn
extern int value_all;  // the object reached by an ALL iteration, 0 none
extern int32_t rseed;  // the seed of irand
extern int32_t mainseed;

// Reports a run-time glitch (an inconsistency in the game's calls; play
// goes on). `to` is the stream it is written to and flushed on; null puts
// it into the game's output text and the log instead, where the player
// sees it in its place among the turn's replies.
void glitch(FILE *to, const char *fmt, ...) __attribute__((format(printf, 2, 3)));

// World-state primitives.
int have(int obj, int kind, int n);
int isat(int obj, int kind, int n, int place);
int ishere(int obj, int kind, int n);
int isnear(int obj, int kind, int n);
int getloc(int obj);
void moveto_list(int place, int message, const int *words, int nwords);
int apport(int obj, int place);
void set(char tk, int t, char sk, int s, int32_t *lvals, int16_t *lbits);
int evar(int v);
int levar(int i, int32_t *lvals, int16_t *lbits, int nlocals);  // 0 for a bad index
int16_t *bitword(int r);
// The flag word of refno r := w, for a refno the code computes: a refno
// with no flag word is reported as a glitch and nothing is written.
void set_bitword(int r, int16_t w);
void bitmod(char op, int r, int n);
int bitest(int r, int n);
void lbitmod(int nlocals, char op, int i, int n, int32_t *lvals, int16_t *lbits);
int lbitest(int i, int n, int32_t *lvals, int16_t *lbits, int nlocals);  // 0 for a bad index
int anyof_list(const int *r, int n);
int keyword_list(const int *r, int n);
int irand(int n);
extern long irand_draws;  // how many times irand has drawn, for tests of the draw order
int jrand(int n);
int randsel_list(int n, const int *vals);
char *recase(char *text, char mode);
void finita();
void tie(int t, int v);
void flush_command();
void verbatim(int indicator);
int typed(const char *text);
int test(const char *keyword);
void pcall(int n);
void shift_dwarvish(char *buf, int length, int shift);
void svar(int code, int32_t *out);
void lda(int v, int e);
void eval(int v, int w);
void deposit(int v, int x);
void locate(int v, int x);

// The variadic forms the game writes: lists end with a negative value.
template <class... T>
void moveto(int place, int message, T... words) {
    const int w[] = {0, int(words)...};
    moveto_list(place, message, w + 1, int(sizeof...(words)));
}
template <class... T>
int anyof(T... r) {
    const int w[] = {int(r)...};
    return anyof_list(w, int(sizeof...(r)));
}
template <class... T>
int keyword(T... r) {
    const int w[] = {int(r)...};
    return keyword_list(w, int(sizeof...(r)));
}
template <class... T>
int randsel(int n, T... vals) {
    const int w[] = {0, int(vals)...};
    return randsel_list(n, w + 1);
}

// Procedure calls through the table with a computed refno: 0..1143 reach
// the table, anything else is reported by pcall.
inline void call_proc(int r) {
    if (r >= 0 && r <= LAST_WORD)
        procs[r]();
    else
        pcall(r);
}

// Hook for the word tree (reset on a move); set by the input module.
void tree_reset();

// The kernel's own state as a run starts with it: the world state and its
// reference copy zeroed, no turn stopped, the seeds 0, no output pending,
// the output settings at their defaults, no command line read or kept, no
// log or command file. What a run sets up once (the display mode, buffers,
// word tree, the game's title) is kept. Tests call it before each case
// instead of putting the globals back one by one.
void kernel_reset();
