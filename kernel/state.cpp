// The state image and the primitives through which game procedures read and
// change the world: locations, states, flag words, the ref mark, the
// replayable random generator and the command-word tests.
#include "state.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "input.h"
#include "platform.h"
#include "text.h"

state_image IMAGE;                                // the live world state, the unit of saving and undo
state_image intim;                                // its copy taken at the last command boundary
int32_t *const value = IMAGE.value;               // every entity's value, by refno
int32_t *const location = IMAGE.location;         // every object's place, by refno
int16_t *const objbits = IMAGE.objbits;           // two flag words per object
int16_t *const placebits = IMAGE.placebits;       // two flag words per place
int16_t *const varbits = IMAGE.varbits;           // one flag word per word, variable and text 1264
state_image *const image = &intim;                // the reference copy, as the undo journal names it
int32_t *const inhand = intim.location;           // the objects' places at the last command boundary

int loop;          // non-zero stops this turn's processing; set by say with SAY_STOP, moveto, finita
int quitting;      // set by finita: the main loop ends after this turn
int value_all;     // the object an ALL command has reached, 0 outside one
int32_t rseed;     // irand's seed, set from mainseed at each turn
int32_t mainseed;  // the main sequence, one step per turn from the start-up seed

static int16_t *const varbits_end = IMAGE.varbits + (LAST_FLAGGED - FIRST_WORD + 1);

void glitch(FILE *to, const char *fmt, ...) {
    char msg[256];
    va_list ap;
    va_start(ap, fmt);
    vsnprintf(msg, sizeof msg, fmt, ap);
    va_end(ap);
    if (to) {
        fputs(msg, to);
        fflush(to);
        return;
    }
    outstr(msg);
    if (log_file) fputs(msg, log_file);
}

static inline int is_object(int r) { return r >= FIRST_OBJECT && r <= LAST_OBJECT; }
static inline int is_value(int r) { return r >= 0 && r < NVALUES; }

int16_t *bitword(int r) {
    if (r < FIRST_OBJECT) return nullptr;
    if (r <= LAST_OBJECT) return objbits + 2 * (r - FIRST_OBJECT);
    if (r <= LAST_PLACE) return placebits + 2 * (r - FIRST_PLACE);
    if (r <= LAST_FLAGGED) return varbits + (r - FIRST_WORD);
    return nullptr;
}

void set_bitword(int r, int16_t w) {
    int16_t *word = bitword(r);
    if (!word) {
        glitch(stdout, "*** Run-time glitch! Setting the flag word of a flagless entity %d! ***\n", r);
        return;
    }
    *word = w;
}

// The flag word holding flag n of refno r, or null where there is none or
// it would lie past the end of the flag words.
static int16_t *flag_word(int r, int n) {
    int16_t *w = bitword(r);
    if (!w || n < 0) return nullptr;
    w += n / 16;
    return w < varbits_end ? w : nullptr;
}

static inline void set_bit(int16_t *w, char op, int n) {
    uint16_t bit = uint16_t(1u << (n % 16));
    uint16_t u = uint16_t(*w);
    u = op == 's' ? uint16_t(u | bit) : uint16_t(u & ~bit);
    *w = int16_t(u);
}

void bitmod(char op, int r, int n) {
    int16_t *w = flag_word(r, n);
    if (!w) {
        glitch(stdout, "*** Run-time glitch! Setting flag on a flagless entity %d! ***\n", r);
        return;
    }
    set_bit(w, op, n);
}

int bitest(int r, int n) {
    // The common case first: an object's own flags (its two words).
    if (r >= FIRST_OBJECT && r <= LAST_OBJECT && n > 2 && n < 32)
        return (uint16_t(objbits[2 * (r - FIRST_OBJECT) + n / 16]) >> (n % 16)) & 1;
    if (r > LAST_FLAGGED) return 0;
    if (r <= LAST_WORD && n >= 0 && n <= 2) {
        if (n == 0) return is_object(r);
        if (n == 1) return r >= FIRST_PLACE && r <= LAST_PLACE;
        return r >= FIRST_WORD && r <= LAST_WORD;
    }
    int16_t *w = flag_word(r, n);
    return w ? (uint16_t(*w) >> (n % 16)) & 1 : 0;
}

void lbitmod(int nlocals, char op, int i, int n, int32_t *lvals, int16_t *lbits) {
    if (i < 0 || i >= nlocals) {
        glitch(stdout, "*** Run-time glitch! Local entity %d >= locals %d! ***\n", i, nlocals);
        return;
    }
    if (lbits[i] == ref_mark) {
        bitmod(op, lvals[i], n);
        return;
    }
    if (n < 0 || i + n / 16 >= nlocals) {
        glitch(stdout, "*** Run-time glitch! Local entity %d >= locals %d! ***\n", i + (n < 0 ? 0 : n / 16), nlocals);
        return;
    }
    set_bit(lbits + i + n / 16, op, n);
}

int lbitest(int i, int n, int32_t *lvals, int16_t *lbits, int nlocals) {
    if (i < 0 || i >= nlocals || n < 0) return 0;
    if (lbits[i] == ref_mark) return bitest(lvals[i], n);
    if (i + n / 16 >= nlocals) return 0;
    return (uint16_t(lbits[i + n / 16]) >> (n % 16)) & 1;
}

bool image_playable(const state_image &s) {
    auto place = [](int32_t r) { return r >= FIRST_PLACE && r <= LAST_PLACE; };
    // THERE is 0 after a death: the player came from no place.
    if (!place(s.value[KV_HERE]) || (s.value[KV_THERE] != 0 && !place(s.value[KV_THERE]))) return false;
    for (int32_t l : s.location)
        if (l != 0 && !place(l)) return false;
    for (int r = 1; r < NVALUES; r++) {
        const int32_t limit = r >= FIRST_OBJECT && r <= LAST_OBJECT ? STATE_LIMIT : VALUE_LIMIT;
        if (s.value[r] > limit || s.value[r] < -limit) return false;
    }
    return true;
}

int evar(int v) {
    const int16_t *w = bitword(v);
    if (w && *w == ref_mark && is_value(v)) return value[v];
    return v;
}

int levar(int i, int32_t *lvals, int16_t *lbits, int nlocals) {
    if (i < 0 || i >= nlocals) return 0;
    return lbits[i] == ref_mark ? lvals[i] : i;
}

// The state test of have and isat once "no test" is ruled out: kind 0
// compares the state, any other kind tests flag n.
static int state_ok(int obj, int kind, int n) {
    if (kind == 0) return value[obj] == n;
    return bitest(obj, n);
}

int have(int obj, int kind, int n) {
    if (!is_object(obj)) return 0;
    return (kind < 0 || state_ok(obj, kind, n)) && location[obj] == K_CARRIED;
}

int isat(int obj, int kind, int n, int place) {
    if (!is_object(obj)) return 0;
    if (kind != -1 && !state_ok(obj, kind, n)) return 0;
    if (location[obj] == place) return 1;
    return place != K_CARRIED && location[obj] + 1 == place && bitest(obj, 6);
}

int ishere(int obj, int kind, int n) { return isat(obj, kind, n, value[KV_HERE]); }

int isnear(int obj, int kind, int n) { return have(obj, kind, n) || ishere(obj, kind, n); }

int getloc(int obj) { return is_object(obj) ? location[obj] : 0; }

void moveto_list(int place, int message, const int *words, int nwords) {
    if (message >= 0) {
        int found = 0;
        for (int k = 0; k < nwords; k++) {
            int w = words[k];
            int last = w < 0;
            if (last) w = -w;
            if (w == value[KV_ARG1] || w == value[KV_ARG2]) {
                found = 1;
                break;
            }
            if (last) break;
        }
        if (!found) return;
    }
    if (value[KV_THERE] != value[KV_HERE]) tree_reset();
    value[KV_THERE] = value[KV_HERE];
    *bitword(KV_THERE) = ref_mark;
    value[KV_HERE] = place;
    *bitword(KV_HERE) = ref_mark;
    bitmod('s', KV_COMMAND_STATUS, 0);
    if (message <= -3) message = -message;
    if (message > 0) say(0, message, 0);
    if (message != -1) loop = 1;
}

int apport(int obj, int place) {
    if (!is_object(obj)) {
        glitch(stdout, "*** Run-time glitch! Moving a non-object %d! ***\n", obj);
        return 0;
    }
    if (place > LAST_PLACE && !is_value(place)) {
        glitch(stdout, "*** Run-time glitch! Moving %d to a bad place %d! ***\n", obj, place);
        return 0;
    }
    if (location[obj] == K_CARRIED || place == K_CARRIED) bitmod('s', KV_COMMAND_STATUS, 6);
    if (place > LAST_PLACE) place = value[place];
    location[obj] = place;
    return place;
}

// Marks follow the source: a marked source marks the target, an unmarked
// one clears a target's mark; an unmarked target keeps its ordinary flags.
static void carry_mark(int16_t *target, int16_t m) {
    if (!target) return;
    if (m == ref_mark && *target != ref_mark)
        *target = ref_mark;
    else if (m != ref_mark && *target == ref_mark)
        *target = 0;
}

void set(char tk, int t, char sk, int s, int32_t *lvals, int16_t *lbits) {
    int32_t v;
    int16_t m = 0;
    if (sk == 'e') {
        v = is_value(s) ? value[s] : 0;
    } else if (sk == 'c') {
        v = s;
    } else if (sk == 'v') {
        v = is_value(s) ? value[s] : 0;
        if (s == KV_ARG1 || s == KV_ARG2) {
            m = ref_mark;
        } else {
            const int16_t *w = bitword(s);
            m = w ? *w : 0;
        }
    } else {
        v = lvals[s];
        m = lbits[s];
    }
    if (tk == 'V') {
        if (t < 0 || t > LAST_FLAGGED) return;
        value[t] = v;
        carry_mark(bitword(t), m);
    } else if (tk == 'L') {
        lvals[t] = v;
        carry_mark(&lbits[t], m);
    } else if (tk == 'T') {
        if (t < FIRST_TEXT || t > LAST_TEXT) return;
        value[t] = v;
        int c = text_info[(t - FIRST_TEXT) * 2 + 1];
        if (c < 1) c = 1;
        if (value[t] >= c) value[t] = c - 1;
        if (value[t] < 0) value[t] = 0;  // a computed variant below the first is the first
    } else {
        if (!is_value(t)) return;
        value[t] = v;
    }
}

int anyof_list(const int *r, int n) {
    for (int k = 0; k < n && r[k] >= 0; k++)
        if (r[k] == value[KV_ARG1] || r[k] == value[KV_ARG2]) return 1;
    return 0;
}

int keyword_list(const int *r, int n) {
    for (int k = 0; k < n && r[k] >= 0; k++)
        if (r[k] != value[KV_ARG1] && r[k] != value[KV_ARG2]) return 0;
    return 1;
}

long irand_draws = 0;  // irand's draws so far, which tests of the draw order count

// The step wraps in 32 bits, as two's complement arithmetic does: the first
// seed of a run comes from the clock and is large enough to overflow.

int irand(int n) {
    irand_draws++;
    int32_t s = int32_t((uint32_t(rseed) << 10) + uint32_t(rseed));
    rseed = (s / 13) & 0x7fff;
    return n > 0 ? rseed % n : 0;
}

// While a command file is replayed the clock stands still, so that a replay
// says what it said before: the draw then follows the seed alone.
int jrand(int n) {
    int64_t s = (int64_t(rseed) << 10) + (com_file ? 0 : now_seconds());
    int32_t r = int32_t(s);
    r = (r / 13) & 0x7fff;
    return n > 0 ? r % n : 0;
}

int randsel_list(int n, const int *vals) {
    if (n <= 0) return 0;
    return vals[irand(n)];
}

char *recase(char *s, char mode) {
    if (!s) return s;
    for (char *p = s; *p; p++) {
        if (mode == 'L' && *p >= 'A' && *p <= 'Z') *p = char(*p - 'A' + 'a');
        if (mode == 'U' && *p >= 'a' && *p <= 'z') *p = char(*p - 'a' + 'A');
    }
    return s;
}

void finita() {
    quitting = 1;
    loop = 1;
}

void tie(int t, int v) {
    if (t < FIRST_TEXT || t > LAST_TEXT) return;
    text_info[(t - FIRST_TEXT) * 2] = TKIND_TIED;
    value[t] = v;
}

void flush_command() {
    value_all = 0;
    if (tp && tindex >= 0) tp[tindex] = nullptr;
}

void verbatim(int indicator) {
    char *dest;
    if (indicator == KV_ARG1) {
        dest = arg1_word;
    } else if (indicator == KV_ARG2) {
        if (value[KV_COMMAND_STATUS] != 2) return;
        dest = arg2_word;
    } else {
        glitch(nullptr, "GLITCH! Bad ARGn indicator: %d\n", indicator);
        return;
    }
    if (!tp || tindex < 1 || !tp[tindex - 1]) return;
    // A parsed word ends at its separator, which parse wrote over with zero.
    copy_typed(dest, WORD_SIZE, tp[tindex - 1]);
}

int typed(const char *t) { return strcmp(orig1, t) == 0 || strcmp(orig2, t) == 0; }

int test(const char *keyword) {
    if (strcmp(keyword, "doall") == 0) return value_all != 0;
    if (strcmp(keyword, "html") == 0) return html_ok != 0;
    if (strcmp(keyword, "needcmd") == 0) return !tp || !tp[tindex];
    return 0;
}

void pcall(int n) {
    static const char *const cause[] = {"bad word", "ambiguous word", "ambiguous typo", "mere scenery word",
                                        "bad syntax"};
    bool parser_code = n >= -6 && n <= -2;
    glitch(stderr, "\n*GLITCH* Called proc offest %d, but game's offset range is 0 to %d!\n%s%s%s\n", n, KV_ARG1,
           parser_code ? "   Probable cause: " : "", parser_code ? cause[-n - 2] : "",
           parser_code ? " in player command not handled by game's code.\n" : "");
}

void shift_dwarvish(char *buf, int length, int shift) {
    for (int k = 0; k < length && buf[k]; k++) {
        char c = buf[k];
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
            char base = (c >= 'a') ? 'a' : 'A';
            int x = c + shift;
            if (x == base - 1) x += 26;
            if (x == base + 26) x -= 26;
            buf[k] = char(x);
        }
    }
    if (log_file && shift == -1) fprintf(log_file, "TRANSLATION: %s\n", buf);
}

void svar(int code, int32_t *out) {
    if (code == 8) {
        *out = 1;
        return;
    }
    if (code < 4 || code > 7) {
        glitch(nullptr, "GLITCH! Bad svar code: %d\n", code);
        return;
    }
    clock_fields c = local_clock();
    *out = code == 4 ? c.minute : code == 5 ? c.hour : code == 6 ? c.yday : c.year;
}

void lda(int v, int e) {
    if (!is_value(v) || !is_value(e)) return;
    value[v] = e;
    if (int16_t *w = bitword(v)) *w = ref_mark;
    textadr[v] = textadr[e];
}

void eval(int v, int w) {
    if (!is_value(v) || !is_value(w) || !is_value(value[w])) return;
    value[v] = value[value[w]];
}

void deposit(int v, int x) {
    if (x >= FIRST_VARIABLE && x <= LAST_FLAGGED) x = value[x];
    if (!is_value(v) || !is_value(value[v])) return;
    value[value[v]] = x;
}

void locate(int v, int x) {
    if (x >= FIRST_VARIABLE && x <= LAST_FLAGGED) x = value[x];
    if (!is_value(v)) return;
    value[v] = is_object(x) ? location[x] : 0;
    if (int16_t *w = bitword(v)) *w = ref_mark;
}
