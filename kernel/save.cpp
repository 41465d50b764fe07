// Saved games and persistent data: file names, the saved-game format (stamp
// line, six layout numbers, checksum, time, state image), the restore of
// this and older layouts (the autosave's among them), the undo journal kept
// beside each saved game, the two in-memory snapshots and the
// persistent-data file.
//
// Saved games and the persistent data are written whole to a temporary file
// and renamed over their target, so that a failed or interrupted write
// leaves the previous copy. The autosave, written after every turn, is
// written in place instead (autosave.cpp).
#include "persist.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>
#if defined(__x86_64__)
#include <immintrin.h>
#endif

#include "input.h"
#include "platform.h"
#include "savefile.h"
#include "startup.h"
#include "state.h"
#include "text.h"

char save_name[80];
int64_t game_time;

static state_image *snapshot1;  // stored and restored at the game's request
static state_image *snapshot2;  // the game as it was before the last restore

constexpr int NAME_MAX_CHARS = 32;
// A saved game's file name: the name and ".orv" always fit.
static_assert(NAME_MAX_CHARS + 5 <= int(sizeof save_name));
// A file name made from save_name or truname with another extension.
constexpr int FILE_NAME_SIZE = 96;
static_assert(int(sizeof save_name) + 8 <= FILE_NAME_SIZE);
// A temporary file's name: its target's and ".tmp" (a longer one is refused).
constexpr int TEMP_NAME_SIZE = 128;
// A saved game's first line: a longer one is no version stamp of ours.
constexpr int STAMP_LINE_LIMIT = 128;
constexpr int JOURNAL_CHUNK = 8192;
constexpr int PDATA_LIMIT = 1 << 20;  // the persistent file is a few bytes

// Layout numbers: first object, last object, last place, last word, first
// text, number of values.
static const int32_t game_layout[6] = {FIRST_OBJECT, LAST_OBJECT, LAST_PLACE,
                                       LAST_WORD,    FIRST_TEXT,  NVALUES};

// The checksum's terms: each byte b at position i (from 1) of a region
// adds (b + i) * (b + i) * 16 and the region's length, in 32-bit arithmetic
// kept to 30 bits. Keeping 30 bits once at the end gives the same sum (the
// mask is a power of two less one), so the squares are summed alone, eight
// at a time where the processor can.
static uint32_t squares(const unsigned char *bytes, uint32_t from, uint32_t len) {
    uint32_t acc = 0;
    for (uint32_t i = from; i < len; i++) {
        uint32_t x = uint32_t(int8_t(bytes[i])) + i + 1;
        acc += x * x;
    }
    return acc;
}

#if defined(__x86_64__)
__attribute__((target("avx2"))) static uint32_t squares_avx2(const unsigned char *bytes, uint32_t len) {
    __m256i pos = _mm256_setr_epi32(1, 2, 3, 4, 5, 6, 7, 8), step = _mm256_set1_epi32(8);
    __m256i acc = _mm256_setzero_si256();
    uint32_t i = 0;
    for (; i + 8 <= len; i += 8) {
        __m128i eight = _mm_loadl_epi64(reinterpret_cast<const __m128i *>(bytes + i));
        __m256i x = _mm256_add_epi32(_mm256_cvtepi8_epi32(eight), pos);
        acc = _mm256_add_epi32(acc, _mm256_mullo_epi32(x, x));
        pos = _mm256_add_epi32(pos, step);
    }
    uint32_t lanes[8];
    _mm256_storeu_si256(reinterpret_cast<__m256i *>(lanes), acc);
    uint32_t total = 0;
    for (uint32_t v : lanes) total += v;
    return total + squares(bytes, i, len);
}
#endif

uint32_t region_sum(uint32_t sum, const unsigned char *bytes, int len) {
    if (len <= 0) return sum;
    const uint32_t l = uint32_t(len);
#if defined(__x86_64__)
    static const bool avx2 = __builtin_cpu_supports("avx2");
    const uint32_t sq = avx2 ? squares_avx2(bytes, l) : squares(bytes, 0, l);
#else
    const uint32_t sq = squares(bytes, 0, l);
#endif
    return (sum + l * l + sq * 16) & 0x3FFFFFFF;
}

int write_whole(const char *path, const unsigned char *bytes, size_t len, bool sync) {
    char tmp[TEMP_NAME_SIZE];
    if (snprintf(tmp, sizeof tmp, "%s.tmp", path) >= int(sizeof tmp)) return -1;
    FILE *f = fopen(tmp, "wb");
    if (!f) return -1;
    bool ok = fwrite(bytes, 1, len, f) == len;
    ok = fflush(f) == 0 && ok;
    if (sync) ok = fsync(fileno(f)) == 0 && ok;
    ok = fclose(f) == 0 && ok;
    if (ok && rename(tmp, path) == 0) {
        if (sync) sync_dir_of(path);  // the rename itself reaches the disk
        return 0;
    }
    unlink(tmp);
    return -1;
}

// A name that does not fit is no name (empty), never another file's.
void sibling_name(char *out, size_t size, const char *ext) {
    if (size == 0) return;
    if (snprintf(out, size, "%s", save_name) >= int(size)) {
        out[0] = 0;
        return;
    }
    size_t n = strlen(out);
    if (n >= 3 && snprintf(out + n - 3, size - (n - 3), "%s", ext) >= int(size - (n - 3))) out[0] = 0;
}

// The journal file beside a saved game: its name with "orh" for "orv".
static void journal_name(char (&out)[FILE_NAME_SIZE]) { sibling_name(out, "orh"); }

// A name a player may give a saved game: a letter or digit, then letters,
// digits and the marks "-", "_", "." and "+" (bytes above 127 count as
// letters). Nothing else, so that a typed name never reaches another
// directory, a hidden file or the autosave's own files.
static bool plain_name(const char *name, size_t n) {
    auto letter = [](unsigned char c) { return isalnum(c) || c >= 0x80; };
    if (n == 0 || !letter((unsigned char)name[0])) return false;
    for (size_t i = 1; i < n; i++) {
        unsigned char c = (unsigned char)name[i];
        if (!letter(c) && !strchr("-_.+", c)) return false;
    }
    return true;
}

int make_name(const char *name, char *path, bool trusted) {
    size_t n = 0;
    while (n < NAME_MAX_CHARS && name[n] && name[n] != '\n') n++;
    path[0] = 0;
    if (!trusted && !plain_name(name, n)) return 0;
    memcpy(path, name, n);
    path[n] = 0;
    if (!(n > 3 && strcmp(path + n - 4, ".orv") == 0)) strcpy(path + n, ".orv");
    return 1;
}

// The name a save, restore or delete command gives: the second word of a
// two-word command (in full when it was too long for the word buffer), or
// "default". 0 with save_name made; 3 when the command has no second word;
// -1 when the name is refused, which text 3505 has then said.
static int command_name(int code) {
    char name[NAME_MAX_CHARS + 1];
    if (value[KV_COMMAND_STATUS] < 2) {
        snprintf(name, sizeof name, "default");
        if (code == SPECIAL_DELETE_SAVE) snprintf(arg2_word, WORD_SIZE, "default");
    } else if (value[KV_ARG2] == -1 && code != SPECIAL_DELETE_SAVE) {
        printf("*** Glitch! No save/restore name specified!\n");
        return 3;
    } else {
        const char *from = arg2_word;
        size_t typed = strnlen(arg2_word, WORD_SIZE);
        if (long_word[0] && typed < WORD_SIZE && strncmp(long_word, arg2_word, WORD_SIZE - 1) == 0)
            from = long_word;
        size_t n = strnlen(from, NAME_MAX_CHARS);
        memcpy(name, from, n);
        name[n] = 0;
    }
    if (make_name(name, save_name)) return 0;
    say(0, 3505, 0);
    return -1;
}

int save_name_refused() {
    if (value[KV_COMMAND_STATUS] < 2 || value[KV_ARG2] == -1) return 0;
    return command_name(SPECIAL_SAVE) < 0;
}

// The kernel's own name for the autosave and the start-up restores; a
// restore also shows it as the second word. The autosave leaves the words
// alone: it runs between commands, and the player's last second word may
// still be wanted.
void own_name(bool as_word) {
    const char *name = autoname ? autoname : truname;
    if (as_word) {
        size_t n = strnlen(name, WORD_SIZE - 1);
        memcpy(arg2_word, name, n);
        arg2_word[n] = 0;
    }
    make_name(name, save_name, true);
}

// ---- Saving ----------------------------------------------------------------

// The five regions of an image of a layout, in bytes.
struct regions {
    int size[5];
    int total() const { return size[0] + size[1] + size[2] + size[3] + size[4]; }
};

// With O, P, T and V the last object, last place, first text and number of
// values: value V * 4, location (O + 1) * 4, objbits (O - 2) * 4, placebits
// (P - O) * 4, varbits (T - P) * 2.
static regions region_sizes(const int32_t *lay) {
    int32_t O = lay[1], P = lay[2], T = lay[4], V = lay[5];
    return {{V * 4, (O + 1) * 4, (O - 2) * 4, (P - O) * 4, (T - P) * 2}};
}

static uint32_t image_sum(uint32_t sum, const unsigned char *img, const regions &r) {
    for (int k = 0; k < 5; k++) {
        sum = region_sum(sum, img, r.size[k]);
        img += r.size[k];
    }
    return sum;
}

// Writes the journal beside the saved game just written, or removes a
// journal of an earlier game of that name. Failures here are silent.
static void write_journal(uint32_t sum) {
    char jname[FILE_NAME_SIZE];
    journal_name(jname);
    if (value[KV_UNDO_RESULT] < 0 || !diffs || dptr <= 4) {
        remove_file(jname);
        return;
    }
    std::vector<unsigned char> buf(size_t(dptr) + 12);
    put32(&buf[0], uint32_t(dptr));
    memcpy(&buf[4], diffs, size_t(dptr));
    put32(&buf[4 + dptr], region_sum(sum, diffs, dptr));
    put32(&buf[8 + dptr], uint32_t(edptr));
    if (write_whole(jname, buf.data(), buf.size()) != 0) remove_file(jname);
}

uint32_t build_game(unsigned char *buf) {
    memcpy(buf, VERSION_STAMP, STAMP_LINE - 1);
    buf[STAMP_LINE - 1] = '\n';
    for (int k = 0; k < 6; k++) put32(buf + STAMP_LINE + 4 * k, uint32_t(game_layout[k]));
    value[0] = -1;
    unsigned char *tp8 = buf + HEADER_BYTES;
    uint64_t now = uint64_t(now_seconds());
    for (int i = 0; i < TIME_BYTES; i++) tp8[i] = (unsigned char)(now >> (8 * i));
    memcpy(tp8 + TIME_BYTES, image_bytes(IMAGE), IMAGE_SIZE);
    uint32_t sum = region_sum(0, tp8, TIME_BYTES);
    sum = image_sum(sum, tp8 + TIME_BYTES, region_sizes(game_layout));
    put32(buf + HEADER_BYTES - 4, sum);
    return sum;
}

int save_game(int code) {
    if (code == SPECIAL_AUTOSAVE) return autosave();
    int r = command_name(code);
    if (r) return 3;
    if (path_exists(save_name)) {
        say(0, 3510, 0);
        return 2;
    }
    static unsigned char buf[SAVE_BYTES];
    uint32_t sum = build_game(buf);
    if (write_whole(save_name, buf, sizeof buf) != 0) {
        if (errno == ENOSPC || errno == EDQUOT) {
            for (const char *p = "\n(There is no room for the saved game: the disk is full.)\n"; *p; p++)
                outbyte_raw((unsigned char)*p);
        }
        return 1;
    }
    write_journal(sum);
    return 0;
}

int delete_game() {
    if (command_name(SPECIAL_DELETE_SAVE) != 0) return 3;
    int r = unlink(save_name) == 0 ? 0 : 2;
    char jname[FILE_NAME_SIZE];
    journal_name(jname);
    remove_file(jname);
    return r;
}

// ---- Restoring ---------------------------------------------------------------

int check_version(FILE *file) {
    char line[STAMP_LINE_LIMIT];
    int n = 0, c;
    while ((c = getc(file)) != EOF && c != '\n') {
        if (n == int(sizeof line) - 1) return 1;
        line[n++] = char(c);
    }
    line[n] = 0;
    const char *stamp = VERSION_STAMP;
    if (strcmp(line, stamp) == 0) return 0;
    int i = 0;
    while (isalnum((unsigned char)line[i]) || isalnum((unsigned char)stamp[i])) {
        if (line[i] != stamp[i]) return 1;
        i++;
    }
    // The game's name matches; compare the versions, major.minor.
    auto version = [](const char *s, int at, long *major, long *minor) {
        while (s[at] && !isdigit((unsigned char)s[at])) at++;
        if (!s[at]) return false;
        long *part = major;
        *major = *minor = 0;
        for (; isdigit((unsigned char)s[at]) || s[at] == '.'; at++) {
            if (s[at] == '.') {
                if (part == minor) break;
                part = minor;
            } else if (*part < 100000) {
                *part = *part * 10 + (s[at] - '0');
            }
        }
        return true;
    };
    long fmaj, fmin, smaj, smin;
    if (!version(line, i, &fmaj, &fmin) || !version(stamp, i, &smaj, &smin)) return 1;
    return fmaj != smaj || fmin > smin ? 1 : 0;
}

// Checks the layout numbers of a file against this game's: 0 the same, 1 an
// older layout that maps onto this one, -1 refused (newer or inconsistent).
static int check_layout(const int32_t *lay) {
    for (int k = 0; k < 6; k++)
        if (lay[k] > game_layout[k]) return -1;
    if (lay[0] != FIRST_OBJECT) return -1;
    int32_t O = lay[1], P = lay[2], W = lay[3], T = lay[4], V = lay[5];
    // Each class of the file must fit in this game's class.
    if (O < FIRST_OBJECT - 1 || P < O || P - O > LAST_PLACE - LAST_OBJECT) return -1;
    if (W < P || W - P > LAST_WORD - LAST_PLACE) return -1;
    if (T <= W || T - W > FIRST_TEXT - LAST_WORD) return -1;
    if (V < T || V - T > NVALUES - FIRST_TEXT) return -1;
    for (int k = 0; k < 6; k++)
        if (lay[k] != game_layout[k]) return 1;
    return 0;
}

// Copies an image of the given layout into `to`, class by class; entries
// the file lacks stay 0.
static void map_image(const unsigned char *img, const int32_t *lay, state_image &to) {
    int32_t O = lay[1], P = lay[2], W = lay[3], T = lay[4], V = lay[5];
    regions r = region_sizes(lay);
    memset(&to, 0, IMAGE_SIZE);
    const unsigned char *v = img;
    auto values = [&](int at, int from, int count) {
        if (count > 0) memcpy(&to.value[at], v + 4 * from, size_t(count) * 4);
    };
    values(0, 0, O + 1);
    values(FIRST_PLACE, O + 1, P - O);
    values(FIRST_WORD, P + 1, W - P);
    values(FIRST_VARIABLE, W + 1, T - 1 - W);
    values(FIRST_TEXT, T, V - T);
    const unsigned char *p = img + r.size[0];
    memcpy(to.location, p, size_t(r.size[1]));
    p += r.size[1];
    memcpy(to.objbits, p, size_t(r.size[2]));
    p += r.size[2];
    memcpy(to.placebits, p, size_t(r.size[3]));
    p += r.size[3];
    memcpy(to.varbits, p, size_t(W - P) * 2);
    memcpy(to.varbits + (FIRST_VARIABLE - FIRST_WORD), p + size_t(W - P) * 2, size_t(T - W) * 2);
}

// Checks a journal read from a file: the head, every record's offset, the
// terminators and the cursor.
static bool journal_ok(const unsigned char *j, int len, int cursor) {
    if (len < 4 || len % 4 || get32(j) != 0) return false;
    if (len > 4 && get32(j + len - 4) != 0) return false;
    for (int at = 4; at < len; at += 4) {
        int off = j[at] << 8 | j[at + 1];
        if (off == 0 ? (j[at + 2] | j[at + 3]) != 0 : off >= IMAGE_SIZE) return false;
    }
    return cursor >= 4 && cursor <= len && cursor % 4 == 0 && get32(j + cursor - 4) == 0;
}

// Whether the value or location that holds the image byte at `off` is one
// the game can be in, as image_playable asks of every one of them.
static bool field_playable(const state_image &s, int off) {
    auto place = [](int32_t r) { return r >= FIRST_PLACE && r <= LAST_PLACE; };
    if (off < NVALUES * 4) {
        const int r = off / 4;
        const int32_t v = s.value[r];
        if (r == KV_HERE) return place(v);
        if (r == KV_THERE && v != 0 && !place(v)) return false;
        const int32_t limit = r >= FIRST_OBJECT && r <= LAST_OBJECT ? STATE_LIMIT : VALUE_LIMIT;
        return r == 0 || (v <= limit && v >= -limit);
    }
    off -= NVALUES * 4;
    if (off < (LAST_OBJECT + 1) * 4) return s.location[off / 4] == 0 || place(s.location[off / 4]);
    return true;
}

// Whether every state that undo and redo can reach through a journal from
// the live image (one the game can be in), at each command boundary, is one
// the game can be in: a journal that passes its checksum is still checked,
// as the game is. From one boundary to the next only the values and
// locations a command's records touch can change, so only those are looked
// at again: the check costs what the journal holds, not an image a command.
static bool journal_playable(const unsigned char *j, int len, int cursor) {
    static state_image s;
    unsigned char *b = image_bytes(s);
    auto record = [&](int at) { return j[at] << 8 | j[at + 1]; };
    std::vector<int> touched;
    auto boundary = [&] {
        for (int off : touched)
            if (!field_playable(s, off)) return false;
        touched.clear();
        return true;
    };
    memcpy(b, image_bytes(IMAGE), IMAGE_SIZE);
    for (int at = cursor - 8; at >= 0; at -= 4) {  // back to the head
        if (record(at) == 0) {
            if (!boundary()) return false;
        } else {
            b[record(at)] = j[at + 2];
            touched.push_back(record(at));
        }
    }
    touched.clear();
    memcpy(b, image_bytes(IMAGE), IMAGE_SIZE);
    for (int at = cursor; at < len; at += 4) {  // on to the end of what can be done again
        if (record(at) == 0) {
            if (!boundary()) return false;
        } else {
            b[record(at)] = j[at + 3];
            touched.push_back(record(at));
        }
    }
    return true;
}

// The whole of a file, or false when it is missing, unreadable or larger
// than any file of ours.
bool slurp(const char *path, std::vector<unsigned char> &out) {
    out.clear();
    FILE *f = fopen(path, "rb");
    if (!f) return false;
    // Room for the whole file at once: a long game's journal log is read
    // without copying it over and over as it grows.
    struct stat st;
    if (fstat(fileno(f), &st) == 0 && st.st_size > 0 && size_t(st.st_size) <= READ_LIMIT)
        out.reserve(size_t(st.st_size));
    unsigned char chunk[16384];
    size_t n;
    while ((n = fread(chunk, 1, sizeof chunk, f)) > 0 && out.size() <= READ_LIMIT)
        out.insert(out.end(), chunk, chunk + n);
    bool ok = !ferror(f) && out.size() <= READ_LIMIT;
    fclose(f);
    return ok;
}

// A journal file in the older form, checked against the checksum of its
// game: the journal and cursor, or false.
bool old_journal(const std::vector<unsigned char> &f, uint32_t sum, std::vector<unsigned char> &journal,
                        int &cursor) {
    if (f.size() < 4) return false;
    uint32_t len = get32(f.data());
    if (len == 0 || len % 4 || len > f.size() - 4 || f.size() - 4 - len < 8) return false;
    const unsigned char *j = f.data() + 4;
    if (region_sum(sum, j, int(len)) != get32(j + len)) return false;
    cursor = int32_t(get32(j + len + 4));
    if (!journal_ok(j, int(len), cursor)) return false;
    journal.assign(j, j + len);
    return true;
}

// Reads the journal beside a restored game, in either form. A journal that
// fails its checksum or its checks, or a log without an entry for this
// game, is dropped; the restore stands either way.
static void read_journal(uint32_t sum, bool older) {
    char jname[FILE_NAME_SIZE];
    journal_name(jname);
    if (value[KV_UNDO_RESULT] < 0 || !path_exists(jname)) return;
    std::vector<unsigned char> f, j;
    int cursor = 0;
    const bool found = !older && slurp(jname, f) &&
                       (is_log(f) ? logged_journal(f, sum, j, cursor) : old_journal(f, sum, j, cursor));
    if (found && j.empty()) return;  // saved while no journal was kept: as if there were no file
    journal_clear();
    if (!found || !journal_ok(j.data(), int(j.size()), cursor) ||
        !journal_playable(j.data(), int(j.size()), cursor))
        return;
    const int len = int(j.size());
    const int cap = (len + JOURNAL_CHUNK - 1) / JOURNAL_CHUNK * JOURNAL_CHUNK;
    unsigned char *buf = static_cast<unsigned char *>(malloc(size_t(cap)));
    if (!buf) return;
    memcpy(buf, j.data(), size_t(len));
    free(diffs);
    diffs = buf;
    diffsz = cap;
    dptr = len;
    edptr = cursor;
    journal_changed_from = 0;
    memcpy(image_bytes(intim), image_bytes(IMAGE), IMAGE_SIZE);
}

// The restore proper, once the file is open: its result code.
static int read_game(FILE *f, int code) {
    if (check_version(f) != 0) return 4;
    unsigned char lb[LAYOUT_BYTES];
    if (fread(lb, 1, sizeof lb, f) != sizeof lb) return 2;
    int32_t lay[6];
    for (int k = 0; k < 6; k++) lay[k] = int32_t(get32(lb + 4 * k));
    int older = check_layout(lay);
    if (older < 0) return 2;
    regions r = region_sizes(lay);
    // The checksum, the time and the image; an older file has a 4-byte time,
    // recognised by the status word (always -1) right after it.
    static unsigned char buf[4 + TIME_BYTES + IMAGE_SIZE];
    size_t got = fread(buf, 1, sizeof buf, f);
    if (got < 16) return 2;
    int tw = int32_t(get32(buf + 8)) == -1 ? 4 : TIME_BYTES;
    if (got < size_t(4 + tw + r.total())) return 2;
    const unsigned char *tf = buf + 4, *img = tf + tw;
    uint32_t sum = image_sum(region_sum(0, tf, tw), img, r);
    if (sum != get32(buf)) return 2;
    // A file that passes its checksum may still hold no state of the game:
    // damage the checksum cannot see, or a file made by hand. It is refused
    // as a damaged file, before anything of the game's is changed.
    static state_image staged;
    map_image(img, lay, staged);
    if (!image_playable(staged)) return 2;
    if (tw == 4)
        game_time = int64_t(get32(tf));
    else
        game_time = int64_t(uint64_t(get32(tf)) | uint64_t(get32(tf + 4)) << 32);
    memcpy(image_bytes(IMAGE), image_bytes(staged), IMAGE_SIZE);
    if (code == SPECIAL_START_RESTORE) value[KV_QUESTION] = 2;
    read_journal(sum, older != 0);
    if (code == SPECIAL_AUTORESTORE) resume_transcript(sum);
    return 0;
}

// The autosave's other copy, read when the one read first is damaged or
// missing: the restore's result, or -1 when there is no copy.
static int read_copy(int code, const char *copy) {
    FILE *f = fopen(copy, "rb");
    if (!f) return -1;
    int r = read_game(f, code);
    fclose(f);
    return r;
}

void restore_game(int code, int32_t *variable) {
    if (code == SPECIAL_RESTORE) {
        int r = command_name(code);
        if (r) {
            *variable = 3;  // no name, or one refused: the kernel has said so
            return;
        }
    } else {
        own_name(true);
    }
    // The autosave is two copies written in turn: the newer is read first.
    char copy[FILE_NAME_SIZE], first[FILE_NAME_SIZE];
    sibling_name(copy, "orl");
    snprintf(first, sizeof first, "%s", save_name);
    if (code == SPECIAL_AUTORESTORE && autosave_copy_first()) std::swap(first, copy);
    FILE *f = fopen(first, "rb");
    // A kill before the first autosave's .orv was made leaves its copy.
    if (!f && !(code == SPECIAL_AUTORESTORE && is_regular_file(copy))) {
        if (code == SPECIAL_RESTORE) {
            *variable = 1;
        } else if (code == SPECIAL_START_RESTORE &&
                   (mode == MODE_RESTORE_STOP || mode == MODE_ONE_COMMAND || mode == MODE_ONE_DONE)) {
            int err = errno;
            say(0, 3504, 0);
            if (log_file) log_printf("ERROR: %d", err);
            outbuf(1);
            fablet_exit(255);
        }
        return;
    }
    // Keep the game being played first, so that the game can bring it back
    // after any failed restore.
    if (memstore(4) != 0) {
        if (f) fclose(f);
        *variable = 1;
        return;
    }
    if (mode == MODE_RESTORE_STOP) {
        if (log_file) log_printf("\nREPLY: restore %s\n", save_name);
        int32_t count = value[KV_COMMAND_STATUS];
        value[KV_COMMAND_STATUS] = 2;
        input_store('S', variable);
        value[KV_COMMAND_STATUS] = count;
    }
    int r = 2;
    if (f) {
        r = read_game(f, code);
        fclose(f);
    }
    if (r == 2 && code == SPECIAL_AUTORESTORE) {
        int c = read_copy(code, copy);
        if (c == 0 || (!f && c > 0)) r = c;
    }
    *variable = r == 0 && code == SPECIAL_AUTORESTORE ? SPECIAL_AUTORESTORE : r;
}

// ---- In-memory snapshots -------------------------------------------------

int memstore(int op) {
    state_image *&slot = (op == 4 || op == 5) ? snapshot2 : snapshot1;
    switch (op) {
    case 0:
        return snapshot1 ? 0 : 1;
    case 1:
    case 4:
        if (!slot) slot = static_cast<state_image *>(malloc(sizeof(state_image)));
        if (!slot) return 1;
        memcpy(image_bytes(*slot), image_bytes(IMAGE), IMAGE_SIZE);
        return 0;
    case 2:
    case 5:
        if (!slot) return 1;
        memcpy(image_bytes(IMAGE), image_bytes(*slot), IMAGE_SIZE);
        return 0;
    case 3:
        if (!snapshot1) return 1;
        free(snapshot1);
        snapshot1 = nullptr;
        return 0;
    }
    return 1;
}

// ---- Persistent data ---------------------------------------------------------

static void pdata_name(char *out, size_t size) {
    if (truname[0])
        snprintf(out, size, "%s.orp", truname);
    else
        snprintf(out, size, "_%s.orp", GAME_NAME);
}

int get_pdata(int offset) {
    if (offset < 0) return 1;
    char name[FILE_NAME_SIZE];
    pdata_name(name, sizeof name);
    FILE *f = fopen(name, "rb");
    if (!f) return -1;
    int c = fseek(f, offset, SEEK_SET) == 0 ? getc(f) : EOF;
    fclose(f);
    return c == EOF ? -1 : c;
}

int set_pdata(int offset, int byte) {
    if (offset < 0 || offset >= PDATA_LIMIT) return 0;
    char name[FILE_NAME_SIZE];
    pdata_name(name, sizeof name);
    std::vector<unsigned char> data;
    FILE *f = fopen(name, "rb");
    if (f) {
        int c;
        while ((c = getc(f)) != EOF && int(data.size()) <= PDATA_LIMIT) data.push_back((unsigned char)c);
        // A file that cannot be read, or is larger than any this game
        // writes, is not the game's: never write over it.
        bool bad = ferror(f) || int(data.size()) > PDATA_LIMIT;
        fclose(f);
        if (bad) return 0;
    } else if (errno != ENOENT) {
        return 0;  // there but unreadable: never write over it
    }
    if (int(data.size()) <= offset) data.resize(size_t(offset) + 1, 0);
    data[size_t(offset)] = (unsigned char)byte;
    return write_whole(name, data.data(), data.size()) == 0 ? 1 : 0;
}
