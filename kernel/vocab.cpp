// Vocabulary matching: looks up the word at the parser's cursor in the
// game's vocabulary, tolerating abbreviations and (while typo matching is on)
// one wrong, missing, extra or swapped letter. Candidates rank first by how
// visible the named entity is, then by the quality of the match. The result
// is a refno or a parser code; the slot's typed-word buffer is filled too.
// The vocabulary is decoded once (vocab_forget drops the copy when the
// database's key is set again).
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "input.h"
#include "startup.h"
#include "state.h"
#include "text.h"

namespace {

// The match list: element 0 the number of entries listed, then entry
// numbers; mlen its capacity in elements.
int16_t *match = nullptr;
int mlen = 0;

// Word copies used by the comparison are zero-padded well beyond their
// longest content, so that the look-ahead of the comparison (up to three
// bytes past a cursor) always reads zeros.
constexpr int PADDED = WORD_SIZE + 16;

void match_setup() {
    if (match) return;
    mlen = 16;
    match = static_cast<int16_t *>(orvalloc(mlen * int(sizeof(int16_t))));
    match[0] = 0;
}

void match_room() {
    match_setup();
    if (match[0] + 1 >= mlen) {
        mlen += 16;
        match = static_cast<int16_t *>(orvrealloc(match, mlen * int(sizeof(int16_t))));
    }
}

void match_clear() {
    match_setup();
    match[0] = 0;
}

// Copies a vocabulary word (at a database offset) into a padded buffer.
void word_copy(unsigned char *w, int offset) {
    std::memset(w, 0, PADDED);
    if (offset <= 0) return;
    for (int k = 0; k < WORD_SIZE - 1 && offset + k < text_size; k++) {
        int c = get_char(offset + k);
        if (c == 0) break;
        w[k] = (unsigned char)c;
    }
}

void typed_copy(unsigned char *t, const char *typed) {
    std::memset(t, 0, PADDED);
    copy_typed(reinterpret_cast<char *>(t), WORD_SIZE, typed);
}

// The grade of one comparison: 3 exact, 2 the typed word is a prefix, 1 one
// error, 0 no match. Grades below the bar are not given.
int grade_of(const unsigned char *t, const unsigned char *v, int bar) {
    int ti = 0, vi = 0, errors = 0;
    for (;;) {
        if (t[ti] == 0) {
            if (v[vi] == 0) return errors == 0 ? 3 : (bar <= 1 ? 1 : 0);
            return errors == 0 && bar <= 2 ? 2 : 0;
        }
        if (v[vi] == 0) {
            // One trailing extra character: a one-error match, admitted
            // only while nothing better than a one-error match is listed.
            return (t[ti + 1] == 0 && errors == 0 && bar <= 1) ? 1 : 0;
        }
        if (gcmp(t + ti, v + vi)) {
            ti++;
            vi++;
            continue;
        }
        if (bar > 1) return 0;
        errors++;
        if (errors + bar > 2) return 0;
        if (gcmp(t + ti + 1, v + vi) && gcmp(t + ti, v + vi + 1)) {  // swapped pair
            if (!gcmp(t + ti + 2, v + vi + 2)) {
                if (gcmp(t + ti, t + ti + 2))
                    ti++;
                else if (!gcmp(t + ti + 1, t + ti + 2))
                    vi++;
            }
            ti += 2;
            vi += 2;
        } else if (gcmp(t + ti, v + vi + 1)) {  // a letter missing from the typed word
            vi += 2;
            ti += 1;
        } else if (gcmp(t + ti + 1, v + vi)) {  // an extra typed letter
            ti += 2;
            vi += 1;
        } else {  // a wrong letter
            ti++;
            vi++;
        }
        // The cursors never pass a terminator by more than the padding.
        if (ti >= PADDED - 4 || vi >= PADDED - 4) return 0;
    }
}

// ---- The vocabulary decoded once ---------------------------------------------
//
// Every lookup used to unscramble and grade all entries. The texts never
// change during a run, so each entry's matched text is decoded once into a
// plain table, with what lets a lookup pass over hopeless entries: the
// text's length, its first byte and the set of its bytes. Exact words are
// found through a hash table of the matched texts, which keeps for each
// text its first entry in table order (the entry at which the scan would
// have stopped). Otherwise only entries that might match are graded: those
// of the typed length or one more or one less (one error), and longer ones
// that begin with the typed word's first byte (a prefix), in table order.

enum entry_kind : uint8_t { NEVER, GRADED, EXACT_ONLY };

constexpr int HASH_SLOTS = 4096;  // a power of two, over twice the entries
static_assert(HASH_SLOTS > 2 * NVOCAB);

struct vocab_table {
    bool ready = false;
    unsigned char word[NVOCAB][PADDED];  // the matched text (after a leading '!')
    uint8_t len[NVOCAB];
    uint8_t kind[NVOCAB];
    uint64_t bytes[NVOCAB];      // the byte values present, folded to 64 bits
    int16_t slot[HASH_SLOTS];    // entry + 1 of an exact text, 0 empty
    // Graded entries by length and by first byte, each in table order.
    std::vector<int16_t> by_length[PADDED];
    std::vector<int16_t> by_first[256];
};
vocab_table vt;

// The set of byte values in a word, each value folded to one of 64 bits.
uint64_t byte_set(const unsigned char *w) {
    uint64_t m = 0;
    for (; *w; w++) m |= uint64_t(1) << (*w & 63);
    return m;
}

uint32_t word_hash(const unsigned char *w) {
    uint32_t h = 2166136261u;
    for (; *w; w++) h = (h ^ *w) * 16777619u;
    return h;
}

void vocab_build() {
    std::memset(vt.slot, 0, sizeof vt.slot);
    for (auto &l : vt.by_length) l.clear();
    for (auto &l : vt.by_first) l.clear();
    for (int e = 0; e < NVOCAB; e++) {
        int addr = voc_addr[e];
        int first = get_char(addr);
        unsigned char *w = vt.word[e];
        if (voc_type[e] == 21 || first == '|') {
            vt.kind[e] = NEVER;
            std::memset(w, 0, PADDED);
        } else if (first == '!') {
            vt.kind[e] = EXACT_ONLY;
            word_copy(w, addr + 1);
        } else {
            vt.kind[e] = GRADED;
            word_copy(w, addr);
        }
        vt.len[e] = uint8_t(std::strlen(reinterpret_cast<char *>(w)));
        vt.bytes[e] = byte_set(w);
        if (vt.kind[e] == NEVER) continue;
        if (vt.kind[e] == GRADED) {
            vt.by_length[vt.len[e]].push_back(int16_t(e));
            vt.by_first[w[0]].push_back(int16_t(e));
        }
        uint32_t h = word_hash(w) & (HASH_SLOTS - 1);
        while (vt.slot[h] && std::strcmp(reinterpret_cast<char *>(vt.word[vt.slot[h] - 1]),
                                         reinterpret_cast<char *>(w)) != 0)
            h = (h + 1) & (HASH_SLOTS - 1);
        if (!vt.slot[h]) vt.slot[h] = int16_t(e + 1);
    }
    vt.ready = true;
}

// The first entry whose matched text is exactly the typed word, or -1.
int exact_entry(const unsigned char *t) {
    uint32_t h = word_hash(t) & (HASH_SLOTS - 1);
    for (; vt.slot[h]; h = (h + 1) & (HASH_SLOTS - 1)) {
        int e = vt.slot[h] - 1;
        if (std::strcmp(reinterpret_cast<const char *>(vt.word[e]), reinterpret_cast<const char *>(t)) == 0)
            return e;
    }
    return -1;
}

// The typed word as the scan needs it.
struct typed_word {
    const unsigned char *bytes;  // padded
    int len;
    uint64_t set;
    bool ascii;  // no byte of a multi-byte character, so a byte prefix is a prefix
};

// The grade of entry e, knowing that no entry matches the typed word
// exactly: the same as grade_of, reached without comparing where the
// lengths or the letters rule a match out. A prefix needs a longer entry;
// one error changes the length by at most one and leaves at most one typed
// byte that the entry does not hold.
int scan_grade(int e, const typed_word &t, int bar) {
    if (vt.kind[e] != GRADED) return 0;  // an exact-only word matches only exactly
    const unsigned char *v = vt.word[e];
    int vl = vt.len[e];
    if (vl > t.len && (bar >= 2 || vl >= t.len + 2)) {
        if (!t.ascii) return grade_of(t.bytes, v, bar);
        return v[0] == t.bytes[0] && std::memcmp(v, t.bytes, size_t(t.len)) == 0 ? 2 : 0;
    }
    if (bar >= 2 || vl < t.len - 1) return 0;
    uint64_t missing = t.set & ~vt.bytes[e];
    if (missing & (missing - 1)) return 0;  // two typed bytes the entry lacks
    return grade_of(t.bytes, v, bar);
}

// The entries that might match the typed word, in table order, when none
// matches it exactly.
void candidates(const typed_word &t, int bar, std::vector<int16_t> &out) {
    out.clear();
    if (bar <= 1) {
        for (int l = t.len - 1; l <= t.len + 1; l++) {
            if (l < 0 || l >= PADDED) continue;
            for (int16_t e : vt.by_length[l]) {
                uint64_t missing = t.set & ~vt.bytes[e];
                if (!(missing & (missing - 1))) out.push_back(e);
            }
        }
    }
    const int longer = bar <= 1 ? t.len + 2 : t.len + 1;  // the rest are in the lengths above
    for (int16_t e : vt.by_first[t.bytes[0]])
        if (vt.len[e] >= longer) out.push_back(e);
    std::sort(out.begin(), out.end());
}

// ---- The words the game prints ----------------------------------------------
//
// Every run of letters in the game's texts, names and descriptions, in
// lower case. A typed word found here is spelt right: the reader takes it
// for another word neither by correcting it nor, from four letters on, as
// the start of a longer word ("silt" is not "sit", "mouth" not "south",
// "rain" not "rainbow"). Shorter words keep their abbreviations.

constexpr int WHOLE_WORD_LENGTH = 4;

// The page texts of the browser display: prose the player sees (the
// welcome, the button labels, the closing line) with a few HTML tags, whose
// insides are not words of the game.
constexpr int PAGE_TEXTS[] = {3534, 3536, 3538, 3540, 3542, 3544, 3560, 3562};

// The words are kept as 64-bit hashes in an open-addressed table, 0 for an
// empty slot: reading every text is then one pass with no allocation per
// word. A typed word the game never prints is taken for a printed one only
// if their hashes meet: with some ten thousand words, about once in 2^50.
std::vector<uint64_t> printed;
size_t printed_count = 0;
bool printed_ready = false;  // built on the first word typed that is not in the vocabulary as it stands

constexpr uint64_t FNV_OFFSET = 14695981039346656037ull, FNV_PRIME = 1099511628211ull;

inline uint64_t hash_step(uint64_t h, int c) { return (h ^ uint64_t(c)) * FNV_PRIME; }
inline uint64_t stored(uint64_t h) { return h ? h : 1; }

inline bool letter_byte(int c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c >= 0x80; }

void printed_insert(uint64_t h);

void printed_grow() {
    std::vector<uint64_t> old = std::move(printed);
    printed.assign(old.empty() ? 16384 : old.size() * 2, 0);
    printed_count = 0;
    for (uint64_t h : old)
        if (h) printed_insert(h);
}

void printed_insert(uint64_t h) {
    if (2 * (printed_count + 1) > printed.size()) printed_grow();
    const size_t mask = printed.size() - 1;
    for (size_t i = size_t(h) & mask;; i = (i + 1) & mask) {
        if (printed[i] == h) return;
        if (printed[i] == 0) {
            printed[i] = h;
            printed_count++;
            return;
        }
    }
}

// Adds the words of the text at database offset p: its switch tables and
// the records of the texts it says inside itself are passed over, and with
// markup the insides of its HTML tags.
void add_printed(int p, bool markup = false) {
    if (p <= 0) return;
    uint64_t h = FNV_OFFSET;
    bool in_word = false, in_tag = false;
    for (; p < text_size; p++) {
        int c = get_char(p);
        if (c == 0) break;
        if (in_tag) {
            in_tag = c != '>';
            continue;
        }
        if (markup && c == '<') in_tag = true;
        if (!in_tag && letter_byte(c)) {
            h = hash_step(h, c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
            in_word = true;
            continue;
        }
        if (in_word) printed_insert(stored(h));
        h = FNV_OFFSET;
        in_word = false;
        if (c == TC_NEST) p += 3;
        if (c == TC_SWITCH) p += 1 + 2 * get_char(p + 1);
    }
    if (in_word) printed_insert(stored(h));
}

// Reading every text takes a moment, so it waits until a typed word needs
// it: a game of words typed as the vocabulary spells them never pays for it.
void printed_build() {
    if (printed_ready) return;
    printed_ready = true;
    printed.assign(16384, 0);
    printed_count = 0;
    for (int r = 0; r <= LAST_TEXT; r++) {
        add_printed(textadr[r], std::find(std::begin(PAGE_TEXTS), std::end(PAGE_TEXTS), r) != std::end(PAGE_TEXTS));
        if (r <= LAST_PLACE) {
            add_printed(brief_desc[r]);
            add_printed(long_desc[r]);
            add_printed(detail_desc[r]);
        }
    }
}

// The typed word is in lower case already, as the reader keeps it.
bool is_printed(const unsigned char *typed) {
    printed_build();
    uint64_t h = FNV_OFFSET;
    for (const unsigned char *c = typed; *c; c++) h = hash_step(h, *c);
    h = stored(h);
    const size_t mask = printed.size() - 1;
    for (size_t i = size_t(h) & mask; printed[i]; i = (i + 1) & mask)
        if (printed[i] == h) return true;
    return false;
}

// Whether the run of letters that begins a typed word is a word the game
// prints (the recent-words tree keys a word by that run too).
bool printed_letters(const char *typed) {
    unsigned char run[PADDED] = {};
    for (int k = 0; k < PADDED - 1 && letter_byte((unsigned char)typed[k]); k++) run[k] = (unsigned char)typed[k];
    return run[0] && is_printed(run);
}

// Whether one word is the other with a plural ending, "s" or "es".
bool plural_pair(const unsigned char *a, int al, const unsigned char *b, int bl) {
    if (al > bl) return plural_pair(b, bl, a, al);
    int extra = bl - al;
    if (extra < 1 || extra > 2 || std::memcmp(a, b, size_t(al)) != 0) return false;
    return extra == 1 ? b[al] == 's' : b[al] == 'e' && b[al + 1] == 's';
}

// The graded entries that are the typed word with or without a plural
// ending, in table order.
void plural_candidates(const typed_word &t, std::vector<int16_t> &out) {
    out.clear();
    for (int l = t.len - 2; l <= t.len + 2; l++) {
        if (l < 1 || l >= PADDED || l == t.len) continue;
        for (int16_t e : vt.by_length[l])
            if (plural_pair(t.bytes, t.len, vt.word[e], l)) out.push_back(e);
    }
    std::sort(out.begin(), out.end());
}

void ensure_built() {
    if (vt.ready) return;
    vocab_build();
}

}  // namespace

void vocab_forget() {
    vt.ready = false;
    printed_ready = false;
}

bool printed_word(const char *word) { return is_printed(reinterpret_cast<const unsigned char *>(word)); }

int gcmp(const unsigned char *a, const unsigned char *b) {
    int n = 1;
    unsigned c = a[0];
    if (c >= 0x80) n = !(c & 0x20) ? 2 : !(c & 0x10) ? 3 : 4;
    for (int i = 0; i < n; i++) {
        if (a[i] != b[i]) return 0;
        if (a[i] == 0) break;
    }
    return 1;
}

int voccomp(const char *typed, int word, int bar) {
    unsigned char t[PADDED], v[PADDED];
    typed_copy(t, typed);
    word_copy(v, word);
    int grade = grade_of(t, v, bar);
    if (grade > 0) {
        if (grade == bar)
            match_room();
        else
            match_clear();
    }
    return grade;
}

int allowed(int refno, int grade) {
    if (refno > LAST_OBJECT) return grade == 3 ? 3 : 2;
    // Noise entries (refno 0) have no flags and so count as never seen:
    // they are matched only when typed exactly.
    if (refno < FIRST_OBJECT || !bitest(refno, 4)) return 0;
    if (grade == 3) return 3;
    int here = value[KV_HERE];
    int loc = location[refno];
    if (loc == K_CARRIED || loc == here || (bitest(refno, 6) && loc + 1 == here)) return 3;
    return 1;
}

void report_typo(int word, int) {
    const char *typed = (tp && tindex >= 0 && tp[tindex]) ? tp[tindex] : "";
    copy_typed(orig, WORD_SIZE, typed);
    if (value[KV_DWARVISH]) shift_dwarvish(orig, WORD_SIZE, -1);
    say(SAY_ARG, 2557, -1);

    // The word read, whole: a correction is never an abbreviation, and the
    // word cut to the typed length could read as another one ("inventor"
    // for "inventory"). So the part that names the whole word after a cut
    // one is passed over, its place in the cycle kept.
    orvcpy(orig, word);
    say(SAY_ARG, 2557, -1);
    value[2557]++;
    say(0, 2557, 0);
    orig[0] = 0;
    outbyte('\n');
    outbyte('\n');
}

bool found_exact = false;  // the last find_word matched its word exactly

void find_word(int *type_out, int *refno_out, int *word_out, int n, int report) {
    found_exact = false;
    const char *typed_src = (tp && tindex >= 0 && tp[tindex]) ? tp[tindex] : "";
    unsigned char typed[PADDED];
    typed_copy(typed, typed_src);
    int typed_len = int(std::strlen(reinterpret_cast<char *>(typed)));

    if (amatch < 0) {
        *refno_out = PARSE_UNKNOWN;
    } else {
        if (value[KV_DWARVISH]) shift_dwarvish(reinterpret_cast<char *>(typed), WORD_SIZE, -1);
        if (!typed[0]) {
            *type_out = 20;
        } else {
            ensure_built();
            match_clear();
            int bar = amatch == 1 ? 1 : 2;
            int exact = exact_entry(typed);
            if (exact >= 0) {
                // The scan would stop at the first exact match, whatever it
                // had listed before: an exact word is never ambiguous.
                match[++match[0]] = int16_t(exact);
                bar = 3;
            } else {
                typed_word t = {typed, int(std::strlen(reinterpret_cast<char *>(typed))), byte_set(typed), true};
                for (int i = 0; i < t.len; i++)
                    if (typed[i] >= 0x80) t.ascii = false;
                // A word the game prints is spelt right: it is never
                // corrected, and from four letters on it is read only as
                // itself with or without a plural ending ("thorn" as
                // thorns), never as the start of a longer word.
                const bool spelt_right = is_printed(typed);
                const bool whole = spelt_right && t.len >= WHOLE_WORD_LENGTH;
                if (spelt_right) bar = 2;
                static std::vector<int16_t> maybe;
                if (whole)
                    plural_candidates(t, maybe);
                else
                    candidates(t, bar, maybe);
                int best = 0;
                for (int e : maybe) {
                    int grade = whole ? 2 : scan_grade(e, t, bar);
                    if (grade <= 0) continue;
                    int refno = voc_refno[e];
                    int vis = allowed(refno, grade);
                    if (vis == 0) continue;
                    if (vis > best) {
                        best = vis;
                        match_clear();
                    } else if (vis < best) {
                        continue;
                    }
                    // A better grade clears the list only once the entry is
                    // accepted, so that an entry skipped for its visibility
                    // never loses the matches already listed.
                    if (grade > bar) match_clear();
                    if (match[0] > 0 && grade == bar) {
                        bool dup = false;
                        for (int i = 1; i <= match[0]; i++)
                            if (voc_refno[match[i]] == refno) dup = true;
                        if (dup) continue;
                    }
                    match_room();
                    match[++match[0]] = int16_t(e);
                    bar = grade;
                }
            }
            if (match[0] == 0) {
                *refno_out = PARSE_UNKNOWN;
            } else if (match[0] == 1) {
                int e = match[1];
                found_exact = bar == 3;
                *refno_out = voc_refno[e];
                *type_out = voc_type[e];
                *word_out = voc_word[e];
                if (bar == 1 && report) report_typo(*word_out, typed_len);
            } else {
                *refno_out = bar == 1 ? PARSE_AMBIGUOUS_TYPO : PARSE_AMBIGUOUS;
            }
        }
    }

    // A word unknown to the vocabulary but shown since the player arrived,
    // in the game's own words: a word of the player's that a reply only
    // echoed ("I don't know the word ...") is not scenery.
    if (n > 1 && amatch > 0 && (*refno_out == PARSE_UNKNOWN || *refno_out == PARSE_AMBIGUOUS_TYPO) &&
        btfind(word_buf, typed_src) && printed_letters(typed_src))
        *refno_out = PARSE_SCENERY;

    char *buf = n == 1 ? arg1_word : n == 2 ? arg2_word : arg3_word;
    if (*refno_out < -1) {
        // Cut, when it must be, between two characters.
        copy_typed(buf, WORD_SIZE, typed_src);
        if (n <= 2 && std::strlen(typed_src) > 16) copy_typed(long_word, COMLINE_SIZE, typed_src);
    } else {
        orvcpy(buf, *word_out);
        if (value[KV_DWARVISH] || extra_dwarvish) shift_dwarvish(buf, WORD_SIZE, 1);
    }

    // A compass or axis word ends its command.
    if (*refno_out >= 745 && *refno_out <= 755 && tp && tindex >= 0 && tp[tindex] && separator[tindex + 1] == ' ')
        separator[tindex + 1] = ';';
}

int orvcmp(const char *typed, int entry) {
    if (entry < 0 || entry >= NVOCAB) return 0;
    int p = voc_addr[entry];
    if (get_char(p) == '!') p++;
    for (int i = 0;; i++, p++) {
        int v = get_char(p);
        int t = (unsigned char)typed[i];
        if (v != t) return v - t;
        if (v == 0) return 0;
    }
}
