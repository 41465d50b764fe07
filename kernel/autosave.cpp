// The autosave: the game kept after every turn with output, with the
// transcript of that turn and the undo journal, so that a game that was
// killed or lost its browser goes on at the next start; a failed autosave,
// or a journal that can no longer be kept, told to the player; and, at
// start, the temporary files a killed program left.
//
// Being written every turn, the autosave is written in place, into files
// kept open, in one write a turn: making and renaming a file costs the file
// system many times more than writing it, and a write costs about as much
// as copying twenty kilobytes. It is three files:
//
//   _zendry.orv  a saved game, which restore reads like any other,
//   _zendry.orl  followed by the transcript of its last turn and the newest
//                part of the undo journal. The two are written in turn,
//                each autosave into the one that holds the older game, so
//                that a kill while one is written leaves the other whole;
//                the count of autosaves after the game tells the newer;
//   _zendry.orh  the rest of the undo journal, as a log that grows: when
//                the part of the journal not yet in the log outgrows a
//                kilobyte, an entry with it is appended, keyed by the
//                checksum of the saved game it goes with, before the game
//                is written.
//
// A resume takes the newer whole copy, with the transcript kept beside that
// game and its journal: the log as it stood at the entry that copy names,
// with the copy's part of the journal laid over it. Whenever the program is
// killed, the next start finds a whole game of the last autosave or the one
// before it, with its own transcript and journal. A newer copy whose
// trailer is whole but whose game cannot be read was damaged after it was
// written, not cut short by a kill: the older copy resumes all the same,
// but the player is told that the last turn is lost, and the damaged copy
// is kept under a name of its own rather than written over.
//
// The log holds the journal and little more: a resume's journal is not
// logged again, and once the log holds more than its journal by a slack of
// 64 KB it is written afresh as one entry keyed by the game just written (a
// new file renamed over it), so that it stays within a bound of the journal
// undo can reach; the newest copy's journal is then that entry.
//
// After the saved game: "TRN3", the transcript's length n, the key (the
// game's checksum), the count of the autosave, the log's length and the
// checksum of its last entry as this copy builds on them (length 2^32 - 1:
// no journal is kept with this game), base, count and cursor of the
// journal's part, n bytes of text, count bytes of journal that replace the
// log's journal from offset base on, and a checksum of all that. The
// earlier versions wrote "TRN2" (tag, length, key, count, text, checksum)
// and "TRN1" (no count), their journal all in the log. A journal log:
// "FJL1", then entries of base, count, cursor and key, count journal bytes
// that replace the journal from offset base on, and a checksum of the
// entry. A journal file of saved games keeps the older form (length,
// journal, checksum carried on from the game's, cursor), and is read in
// either form.

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "persist.h"
#include "platform.h"
#include "savefile.h"
#include "say.h"
#include "startup.h"
#include "text.h"

static const unsigned char TAG_1[4] = {'T', 'R', 'N', '1'};
static const unsigned char TAG_2[4] = {'T', 'R', 'N', '2'};
static const unsigned char TRAILER_TAG[4] = {'T', 'R', 'N', '3'};
static const unsigned char LOG_MAGIC[4] = {'F', 'J', 'L', '1'};
constexpr int HEAD_1 = 12;        // tag, length, key
constexpr int HEAD_2 = 16;        // tag, length, key, count
constexpr int TRAILER_HEAD = 36;  // tag, length, key, count, log length and sum, base, count, cursor
constexpr int ENTRY_HEAD = 16;    // base, count, cursor, key
constexpr uint32_t NO_JOURNAL = 0xFFFFFFFF;
// The journal's part not yet in the log that a copy carries, at most.
constexpr int TAIL_LIMIT = 1024;
constexpr off_t LOG_SLACK = 64 * 1024;

// The transcript of the last turn that goes with the autosave: set before
// each autosave, and by a resume.
static std::string turn_transcript;
static bool failure_told;          // the player knows that the autosave fails
static bool journal_failure_told;  // ... that the journal cannot be kept
// Set while the autosave's unreadable files could not be set aside: no
// autosave is written then, so that they are never written over.
static bool writes_held;

// The autosave as this run last made it: the file's bytes (the saved game,
// its transcript and journal part), the checksum of the image's regions
// alone, and the count of autosaves.
static struct {
    std::vector<unsigned char> rec;
    bool made;
    uint32_t image_sum;
    uint32_t count;
} last;

// The two copies, 0 the .orv and 1 the .orl: the open file.
static struct copy_file {
    int fd = -1;
} copies[2];
static int keep = -1;  // the copy that holds the newer whole game; -1 not yet known

// The journal log as this run last wrote it.
static struct {
    int fd = -1;
    bool known;
    off_t end;          // where the next entry goes
    int length;         // the journal's length after the last entry
    uint32_t last_sum;  // the checksum of the last entry (0: none)
} jlog;
// The lowest offset of the journal changed since the log's last entry.
static int tail_from = INT_MAX;

void set_transcript(const char *said, size_t len) { turn_transcript.assign(said, len); }

const std::string &autosave_transcript() { return turn_transcript; }

static void close_file(int &fd) {
    if (fd >= 0) close(fd);
    fd = -1;
}

// Files kept open are looked at again (whether they were removed or
// replaced behind the game's back) at most once a second: the look costs as
// much as the write it guards, and a game played by hand takes longer than
// that over a turn.
static int64_t looked_at = -1;  // the second of the last look

// Whether a kept file is still the one its name gives (else it is closed).
static bool still_there(int &fd) {
    struct stat st;
    if (fd >= 0 && fstat(fd, &st) == 0 && st.st_nlink > 0) return true;
    close_file(fd);
    return false;
}

// An open descriptor of path, opened afresh (*fresh) when it was not open
// or, at a look, no longer names it; -1 with errno on failure.
static int kept_open(int &fd, const char *path, bool look, bool *fresh) {
    *fresh = false;
    if (fd >= 0 && (!look || still_there(fd))) return fd;
    close_file(fd);
    fd = open(path, O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    *fresh = true;
    return fd;
}

// Brings last.rec's image up to the live one: the bytes that differ are
// copied, and the checksum is carried on byte by byte (each byte's term
// depends on that byte alone).
static void take_changes(const unsigned char *live) {
    unsigned char *img = last.rec.data() + IMAGE_AT;
    uint32_t squares = 0;
    int region = 0;
    each_changed_block(live, img, [&](int w, int n) {
        for (int j = w; j < w + n; j++) {
            if (live[j] == img[j]) continue;
            while (j >= REGION_AT[region + 1]) region++;
            const int pos = j - REGION_AT[region] + 1;
            squares += sum_term(live[j], pos) - sum_term(img[j], pos);
            img[j] = live[j];
        }
    });
    last.image_sum = (last.image_sum + squares * 16) & SUM_MASK;
}

// Makes last.rec's saved game the live game with its time and checksum:
// returns the checksum.
static uint32_t make_game(int64_t now_s) {
    if (!last.made) {
        last.rec.resize(SAVE_BYTES);
        build_game(last.rec.data(), now_s);
        last.image_sum = live_image_sum(last.rec.data() + IMAGE_AT);
        last.made = true;
    } else {
        value[0] = -1;
        take_changes(image_bytes(IMAGE));
    }
    unsigned char *t = last.rec.data() + HEADER_BYTES;
    const uint64_t now = uint64_t(now_s);
    for (int i = 0; i < TIME_BYTES; i++) t[i] = (unsigned char)(now >> (8 * i));
    const uint32_t key = (region_sum(0, t, TIME_BYTES) + last.image_sum) & SUM_MASK;
    put32(last.rec.data() + HEADER_BYTES - 4, key);
    return key;
}

// The journal as a copy keeps it: the log's length and the checksum of its
// last entry that it builds on (log_end NO_JOURNAL: none kept), and its own
// part, which replaces the log's journal from base on.
struct journal_part {
    uint32_t log_end = NO_JOURNAL, log_sum = 0;
    int base = 0, length = 0, cursor = 0;
};

// Puts after last.rec's game the trailer: the transcript, the key and count,
// and the journal's part.
static void make_trailer(uint32_t key, const journal_part &j) {
    const size_t n = turn_transcript.size(), m = size_t(j.length - j.base);
    last.rec.resize(SAVE_BYTES + TRAILER_HEAD + n + m + 4);
    unsigned char *r = last.rec.data() + SAVE_BYTES;
    memcpy(r, TRAILER_TAG, 4);
    put32(r + 4, uint32_t(n));
    put32(r + 8, key);
    put32(r + 12, last.count + 1);
    put32(r + 16, j.log_end);
    put32(r + 20, j.log_sum);
    put32(r + 24, uint32_t(j.base));
    put32(r + 28, uint32_t(m));
    put32(r + 32, uint32_t(j.cursor));
    memcpy(r + TRAILER_HEAD, turn_transcript.data(), n);
    if (m) memcpy(r + TRAILER_HEAD + n, diffs + j.base, m);
    put32(r + TRAILER_HEAD + n + m, region_sum(0, r, int(TRAILER_HEAD + n + m)));
}

// What an autosave file holds after its game: the transcript's key and
// count, when the trailer is whole (count 0 for the earliest form), and the
// journal's part (none in the earlier forms: their journal is in the log).
struct kept_turn {
    bool whole;
    uint32_t key, count;
    std::string text;
    bool has_part;
    journal_part part;
    std::vector<unsigned char> bytes;  // the part's journal bytes
};

static kept_turn read_kept_turn(const char *path) {
    kept_turn k = {false, 0, 0, {}, false, {}, {}};
    // Only a plain file is read: opening anything else could wait.
    int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat st;
    if (fd < 0) return k;
    FILE *f = fstat(fd, &st) == 0 && S_ISREG(st.st_mode) ? fdopen(fd, "rb") : nullptr;
    if (!f) {
        close(fd);
        return k;
    }
    unsigned char head[TRAILER_HEAD];
    if (fseek(f, SAVE_BYTES, SEEK_SET) == 0 && fread(head, 1, HEAD_1, f) == HEAD_1) {
        const int at = memcmp(head, TAG_1, 4) == 0         ? HEAD_1
                       : memcmp(head, TAG_2, 4) == 0       ? HEAD_2
                       : memcmp(head, TRAILER_TAG, 4) == 0 ? TRAILER_HEAD
                                                           : 0;
        bool ok = at > 0 && fread(head + HEAD_1, 1, size_t(at - HEAD_1), f) == size_t(at - HEAD_1);
        const uint32_t n = get32(head + 4), m = at == TRAILER_HEAD ? get32(head + 28) : 0;
        // No longer than the file holds.
        ok = ok && uint64_t(SAVE_BYTES) + uint64_t(at) + n + m + 4 <= uint64_t(st.st_size);
        if (ok) {
            std::vector<unsigned char> t(head, head + at);
            t.resize(size_t(at) + n + m + 4);
            ok = fread(&t[size_t(at)], 1, t.size() - size_t(at), f) == t.size() - size_t(at);
            const int covered = int(t.size() - 4);
            if (ok && region_sum(0, t.data(), covered) == get32(&t[size_t(covered)])) {
                k.whole = true;
                k.key = get32(head + 8);
                k.count = at > HEAD_1 ? get32(head + 12) : 0;
                k.text.assign(reinterpret_cast<const char *>(&t[size_t(at)]), n);
                if (at == TRAILER_HEAD) {
                    k.has_part = true;
                    k.part = {get32(head + 16), get32(head + 20), int(get32(head + 24)),
                              int(get32(head + 24) + m), int(get32(head + 32))};
                    k.bytes.assign(t.begin() + at + n, t.begin() + at + n + m);
                }
            }
        }
    }
    fclose(f);
    return k;
}

// The copy that holds the newer game by the counts of their transcripts:
// 0 the .orv, 1 the .orl (the .orv when they are even), -1 neither holds a
// whole one; *count the higher count.
static int newer_copy(const char *orv, const char *orl, uint32_t *count) {
    const kept_turn v = read_kept_turn(orv), l = read_kept_turn(orl);
    *count = std::max(v.whole ? v.count : 0, l.whole ? l.count : 0);
    if (!v.whole && !l.whole) return -1;
    return l.whole && (!v.whole || l.count > v.count) ? 1 : 0;
}

// Writes last.rec into copy c, whole, in one write (bytes of a longer
// record written before may stay after it: the trailer's lengths say where
// it ends). 0, or the error number.
static int write_copy(int c, const char *path) {
    copy_file &cf = copies[c];
    if (cf.fd < 0) {
        cf.fd = open(path, O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
        if (cf.fd < 0) return errno;
    }
    return write_at(cf.fd, last.rec.data(), last.rec.size(), 0);
}

// Appends one log entry to out: the journal's bytes from offset base on,
// its cursor, the key; returns the entry's checksum. Built in place, so that
// a log written afresh holds a long journal once, not twice.
static uint32_t append_log_entry(std::vector<unsigned char> &out, const unsigned char *journal, int base,
                                 int length, int cursor, uint32_t key) {
    const int count = length - base;
    const size_t at = out.size();
    out.resize(at + size_t(ENTRY_HEAD + count + 4));
    unsigned char *e = &out[at];
    put32(e, uint32_t(base));
    put32(e + 4, uint32_t(count));
    put32(e + 8, uint32_t(cursor));
    put32(e + 12, key);
    if (count > 0) memcpy(e + ENTRY_HEAD, journal + base, size_t(count));
    const uint32_t sum = region_sum(0, e, ENTRY_HEAD + count);
    put32(e + ENTRY_HEAD + count, sum);
    return sum;
}

// Replays a log's whole entries in order, up to the offset `until`. With a
// key: the journal and cursor after the last entry keyed so (true when
// there is one). *scan: the offset just after the last whole entry
// replayed, that entry's checksum (0: none) and the journal there.
struct log_scan {
    size_t end = 0;
    uint32_t last_sum = 0;
    std::vector<unsigned char> upto;
};
static bool scan_log(const std::vector<unsigned char> &f, uint32_t key, std::vector<unsigned char> *journal,
                     int *cursor, log_scan *scan, size_t until = SIZE_MAX) {
    bool found = false;
    std::vector<unsigned char> j;
    j.reserve(std::min(until, f.size()));  // the journal is never longer than the log
    uint32_t last_sum = 0;
    size_t at = sizeof LOG_MAGIC;
    while (at < until && f.size() - at >= size_t(ENTRY_HEAD + 4)) {
        const unsigned char *e = &f[at];
        uint32_t base = get32(e), count = get32(e + 4);
        if (base > j.size() || base % 4 || count % 4 || count > f.size() - at - ENTRY_HEAD - 4) break;
        const uint32_t sum = get32(e + ENTRY_HEAD + count);
        if (region_sum(0, e, int(ENTRY_HEAD + count)) != sum) break;
        j.resize(base);
        j.insert(j.end(), e + ENTRY_HEAD, e + ENTRY_HEAD + count);
        if (journal && get32(e + 12) == key) {
            *journal = j;
            *cursor = int32_t(get32(e + 8));
            found = true;
        }
        last_sum = sum;
        at += ENTRY_HEAD + count + 4;
    }
    if (scan) {
        scan->end = at;
        scan->last_sum = last_sum;
        scan->upto = std::move(j);
    }
    return found;
}

// The journal a copy keeps, as the log stood at the entry it names (which
// must end there, with the checksum it gives) with the copy's part over it.
static bool journal_of_copy(const std::vector<unsigned char> &f, const kept_turn &k,
                            std::vector<unsigned char> &journal, int &cursor) {
    const journal_part &p = k.part;
    if (p.log_end == NO_JOURNAL || p.log_end < sizeof LOG_MAGIC || p.log_end > f.size()) return false;
    log_scan scan;
    scan_log(f, 0, nullptr, nullptr, &scan, p.log_end);
    if (scan.end != p.log_end || scan.last_sum != p.log_sum) return false;
    if (p.base < 0 || p.base % 4 || size_t(p.base) > scan.upto.size() || k.bytes.size() % 4) return false;
    journal = std::move(scan.upto);
    journal.resize(size_t(p.base));
    journal.insert(journal.end(), k.bytes.begin(), k.bytes.end());
    cursor = p.cursor;
    return true;
}

// The journal of the game whose checksum is key: the one its copy keeps
// when the log still holds what that copy builds on; else the log's last
// entry keyed by it (the log written afresh after that game, or the copies
// of an earlier version).
bool logged_journal(const std::vector<unsigned char> &f, uint32_t key, std::vector<unsigned char> &journal,
                    int &cursor) {
    char names[2][96];
    sibling_name(names[0], "orv");
    sibling_name(names[1], "orl");
    bool none_kept = false;  // the game's copy says that no journal was kept with it
    for (const char *name : names) {
        const kept_turn k = read_kept_turn(name);
        if (!k.whole || !k.has_part || k.key != key) continue;
        if (k.part.log_end == NO_JOURNAL) none_kept = true;
        else if (journal_of_copy(f, k, journal, cursor)) return true;
    }
    return !none_kept && scan_log(f, key, &journal, &cursor, nullptr);
}

bool is_log(const std::vector<unsigned char> &f) {
    return f.size() >= sizeof LOG_MAGIC && memcmp(f.data(), LOG_MAGIC, sizeof LOG_MAGIC) == 0;
}

// The journal's length as the log keeps it: 0 when there is no journal to
// keep (off, or nothing recorded beyond its head).
static int kept_length() { return value[KV_UNDO_RESULT] >= 0 && diffs && dptr > 4 ? dptr : 0; }

// Makes the log at path known to this run, its file open in jlog.fd: a log
// is taken as it is, up to its last whole entry (a kill may have cut the
// one after); an empty file becomes a log; a journal file of the older form
// (from an earlier version) becomes a log of one entry keyed by the
// autosave beside it, `game`. The next entry then holds the whole journal.
// 0, or the error number.
static int adopt_log(const char *path, const char *game_path) {
    jlog.known = false;
    std::vector<unsigned char> f;
    if (!slurp(path, f)) return errno ? errno : EIO;
    off_t end;
    jlog.last_sum = 0;
    std::vector<unsigned char> logged;  // the journal as the log holds it at its end
    if (f.empty()) {
        if (int err = write_at(jlog.fd, LOG_MAGIC, sizeof LOG_MAGIC, 0)) return err;
        end = sizeof LOG_MAGIC;
    } else if (is_log(f)) {
        log_scan scan;
        scan_log(f, 0, nullptr, nullptr, &scan);
        end = off_t(scan.end);
        jlog.last_sum = scan.last_sum;
        logged = std::move(scan.upto);
    } else {
        std::vector<unsigned char> log(LOG_MAGIC, LOG_MAGIC + sizeof LOG_MAGIC);
        std::vector<unsigned char> game, journal;
        int cursor;
        if (slurp(game_path, game) && game.size() >= size_t(HEADER_BYTES)) {
            uint32_t key = get32(&game[HEADER_BYTES - 4]);
            if (old_journal(f, key, journal, cursor)) {
                jlog.last_sum = append_log_entry(log, journal.data(), 0, int(journal.size()), cursor, key);
                logged = std::move(journal);
            }
        }
        close_file(jlog.fd);
        if (write_whole(path, log.data(), log.size(), false) != 0) return errno ? errno : EIO;
        jlog.fd = open(path, O_RDWR | O_CLOEXEC);
        if (jlog.fd < 0) return errno;
        end = off_t(log.size());
    }
    jlog.known = true;
    jlog.end = end;
    jlog.length = int(logged.size());
    // What the journal of this run still shares with the log's (after a
    // resume, all of it) need not be logged again.
    const int length = kept_length(), both = std::min(length, jlog.length);
    constexpr int STRIDE = 4096;  // compared a block at a time, then byte by byte
    int same = 0;
    while (same + STRIDE <= both && memcmp(diffs + same, logged.data() + same, STRIDE) == 0) same += STRIDE;
    while (same < both && diffs[same] == logged[size_t(same)]) same++;
    tail_from = same / 4 * 4;
    return 0;
}


// Tells the player, once until the journal is kept again, that undo will
// not reach back past a restart.
static void tell_journal_failure(int err) {
    if (journal_failure_told) return;
    journal_failure_told = true;
    char msg[512];
    snprintf(msg, sizeof msg,
             "\n(The record of your moves for undo can't be kept: %s. Playing on, undo still works, but if "
             "the game is started again there will be nothing to undo until it can be kept once more.)\n",
             err == ENOSPC || err == EDQUOT ? "the disk is full" : strerror(err));
    for (const char *p = msg; *p; p++) outbyte_raw((unsigned char)*p);
}

// The journal for the autosave keyed so: what changed in it since the log's
// last entry goes into the copy, and, once that outgrows TAIL_LIMIT, into a
// new entry of the log, written before the copy. 0, or the error number: the
// copy then keeps no journal, and a resume drops the journal, as it drops
// any journal that does not match its game; the next entry takes up from
// where the last whole one ended.
static int log_journal(const char *path, const char *game_path, uint32_t key, bool look, journal_part &part) {
    part = {};
    tail_from = std::min(tail_from, journal_changed_from);
    journal_changed_from = INT_MAX;
    bool fresh;
    if (kept_open(jlog.fd, path, look, &fresh) < 0) return errno;
    if (fresh || !jlog.known) {
        if (int err = adopt_log(path, game_path)) return err;  // sets tail_from afresh
    }
    const int length = kept_length(), cursor = length ? edptr : 0;
    int base = std::max(0, std::min({tail_from, jlog.length, length}));
    if (length - base > TAIL_LIMIT) {
        std::vector<unsigned char> e;
        const uint32_t sum = append_log_entry(e, diffs, base, length, cursor, key);
        if (int err = write_at(jlog.fd, e.data(), e.size(), jlog.end)) return err;
        jlog.end += off_t(e.size());
        jlog.length = length;
        jlog.last_sum = sum;
        tail_from = INT_MAX;
        base = length;
    }
    part = {uint32_t(jlog.end), jlog.last_sum, base, length, cursor};
    return 0;
}

// After an autosave: a log that holds more than its journal by the slack is
// written afresh as one entry for the game just saved.
static void compact_log(const char *path, uint32_t key) {
    if (!jlog.known || jlog.end <= off_t(kept_length()) + LOG_SLACK) return;
    std::vector<unsigned char> log(LOG_MAGIC, LOG_MAGIC + sizeof LOG_MAGIC);
    const int length = kept_length();
    const uint32_t sum = append_log_entry(log, diffs, 0, length, length ? edptr : 0, key);
    close_file(jlog.fd);
    jlog.known = false;
    if (write_whole(path, log.data(), log.size(), false) != 0) return;
    jlog.fd = open(path, O_RDWR | O_CLOEXEC);
    if (jlog.fd < 0) return;
    jlog.known = true;
    jlog.end = off_t(log.size());
    jlog.length = length;
    jlog.last_sum = sum;
    tail_from = INT_MAX;
}

// Tells the player, once until an autosave succeeds again, that the game
// can no longer be kept, where and why.
static void tell_failure(int err) {
    if (failure_told) return;
    failure_told = true;
    char dir[PATH_SIZE];
    if (!getcwd(dir, sizeof dir)) strcpy(dir, ".");
    char msg[4400];
    snprintf(msg, sizeof msg,
             "\n(Your progress can't be kept: the game can't be saved in %s: %s. Playing on, nothing after the "
             "last save will be there when the game is started again.)\n",
             dir, err == ENOSPC || err == EDQUOT ? "the disk is full" : strerror(err));
    for (const char *p = msg; *p; p++) outbyte_raw((unsigned char)*p);
}

int autosave_turn(const char *said, size_t len) {
    set_transcript(said, len);
    return autosave();
}

int autosave() {
    if (writes_held) return 1;
    // The files are named from the autosave's own name (the saved game's
    // name, save_name, is left as the player's last command made it).
    char game[80], names[2][96], jname[96];
    game_file_name(autoname ? autoname : truname, game);
    file_beside(names[0], sizeof names[0], game, "orv");
    file_beside(names[1], sizeof names[1], game, "orl");
    file_beside(jname, sizeof jname, game, "orh");
    // The first autosave of a run, and the first after the copy to be
    // written was removed or replaced, goes into the copy that holds the
    // older game (into the .orv when neither holds one).
    const int64_t now = now_seconds();
    const bool look = now != looked_at;
    looked_at = now;
    int c = 1 - keep;
    if (keep < 0 || (look && !still_there(copies[c].fd))) {
        keep = newer_copy(names[0], names[1], &last.count) == 0 ? 0 : 1;
        c = 1 - keep;
        if (look) still_there(copies[c].fd);
    }
    const uint32_t key = make_game(now);
    journal_part part;
    if (int err = log_journal(jname, names[0], key, look, part)) tell_journal_failure(err);
    make_trailer(key, part);
    int err = write_copy(c, names[c]);
    if ((err == ENOSPC || err == EDQUOT) && part.length > part.base) {
        // No room for the copy with its part of the journal: the game comes
        // first, and the journal is kept again once there is room.
        tell_journal_failure(err);
        part = {};
        make_trailer(key, part);
        err = write_copy(c, names[c]);
    }
    if (err) {
        tell_failure(err);
        return 1;
    }
    if (part.log_end != NO_JOURNAL) journal_failure_told = false;
    keep = c;
    last.count++;
    failure_told = false;
    compact_log(jname, key);
    return 0;
}

// Forgets what this run knew of the autosave's files: a resume reads them
// afresh, and the next autosave writes each copy whole.
void forget_autosave_files() {
    for (copy_file &c : copies) close_file(c.fd);
    close_file(jlog.fd);
    jlog.known = false;
    tail_from = INT_MAX;
    last.made = false;
    keep = -1;
    looked_at = -1;
    writes_held = false;
}

bool autosave_copy_first() {
    forget_autosave_files();
    char orv[96], orl[96];
    sibling_name(orv, "orv");
    sibling_name(orl, "orl");
    uint32_t count;
    return newer_copy(orv, orl, &count) == 1;
}

// After a resume: the transcript that goes with the game resumed, from the
// copy whose transcript is keyed by it (an autosave of an earlier version
// kept it alone, as plain text, in the .orl file); that copy is kept
// whole while the other is written next.
void resume_transcript(uint32_t key) {
    char names[2][96];
    sibling_name(names[0], "orv");
    sibling_name(names[1], "orl");
    forget_autosave_files();
    turn_transcript.clear();
    const kept_turn k[2] = {read_kept_turn(names[0]), read_kept_turn(names[1])};
    last.count = std::max(k[0].whole ? k[0].count : 0, k[1].whole ? k[1].count : 0);
    int from = -1;
    for (int c = 0; c < 2; c++)
        if (k[c].whole && k[c].key == key && (from < 0 || k[c].count > k[from].count)) from = c;
    if (from >= 0) {
        turn_transcript = k[from].text;
        keep = from;
        return;
    }
    keep = 0;  // only the .orv is a game
    std::vector<unsigned char> plain;
    if (!slurp(names[1], plain)) return;
    const size_t stamp = STAMP_LINE - 1;
    const bool copy = plain.size() >= stamp && memcmp(plain.data(), VERSION_STAMP, stamp) == 0;
    if (!copy) turn_transcript.assign(plain.begin(), plain.end());
}

// The name beside the autosave that its unreadable files are kept under:
// its own name and "-unread", then "-unread-2" and on, the first that no
// file of ours has yet. The autosave's name is a short one of the game's
// own, so the stem always has room for the suffix.
static void unread_stem(char (&stem)[80]) {
    char base[64];
    size_t n = strnlen(save_name, sizeof base - 1);
    memcpy(base, save_name, n);
    base[n] = 0;
    if (n > 4 && strcmp(base + n - 4, ".orv") == 0) base[n - 4] = 0;
    for (int k = 1; k < 1000; k++) {
        if (k == 1)
            snprintf(stem, sizeof stem, "%s-unread", base);
        else
            snprintf(stem, sizeof stem, "%s-unread-%d", base, k);
        bool taken = false;
        for (const char *ext : {"orv", "orl", "orh"}) {
            char name[96];
            snprintf(name, sizeof name, "%s.%s", stem, ext);
            taken = taken || path_exists(name);
        }
        if (!taken) return;
    }
}

void set_aside_autosave(int why) {
    forget_autosave_files();
    char stem[80];
    unread_stem(stem);
    bool moved = true;
    for (const char *ext : {"orv", "orl", "orh"}) {
        char from[96], to[96];
        sibling_name(from, ext);
        snprintf(to, sizeof to, "%s.%s", stem, ext);
        if (path_exists(from) && rename(from, to) != 0) moved = false;
    }
    if (!moved) {
        // What could not be renamed stays where it is, and so does the
        // rest: no autosave of this run writes over it.
        for (const char *ext : {"orv", "orl", "orh"}) {
            char from[96], to[96];
            sibling_name(from, ext);
            snprintf(to, sizeof to, "%s.%s", stem, ext);
            if (path_exists(to)) rename(to, from);
        }
        snprintf(stem, sizeof stem, "%s", save_name);
        const size_t n = strlen(stem);
        if (n > 4) stem[n - 4] = 0;
        writes_held = true;
    }
    say(SAY_ARG, 1658, why - 1);
    for (const char *p = stem; *p; p++) outbyte_raw((unsigned char)*p);
    say(SAY_ARG, 1662, 1);
}

void set_aside_newer_copy(const char *damaged, const char *resumed, int why) {
    // A copy whose trailer is not whole was cut short by a write that a
    // kill broke off: going on from the other is what the two are for.
    const kept_turn k = read_kept_turn(damaged);
    if (!k.whole) return;
    const kept_turn r = read_kept_turn(resumed);
    const uint32_t lost = r.whole && k.count > r.count ? k.count - r.count : 1;
    const size_t n = strlen(damaged);
    const char *ext = n > 3 ? damaged + n - 3 : "orv";
    char stem[80], kept[96];
    unread_stem(stem);
    snprintf(kept, sizeof kept, "%s.%s", stem, ext);
    if (rename(damaged, kept) != 0) {
        // It stays where it is, and no autosave of this run writes over it.
        snprintf(kept, sizeof kept, "%s", damaged);
        writes_held = true;
    }
    static const char *const reasons[] = {"one of its files is cut short", "a byte of it has changed",
                                          "it holds a state this game cannot be in",
                                          "it was saved by a newer version of the game",
                                          "it is not a saved game of this game"};
    const char *reason = why >= UNREAD_SHORT && why <= UNREAD_FOREIGN ? reasons[why - 1] : reasons[1];
    char turns[32];
    if (lost == 1)
        snprintf(turns, sizeof turns, "last turn");
    else
        snprintf(turns, sizeof turns, "last %u turns", unsigned(lost));
    char msg[640];
    snprintf(msg, sizeof msg,
             "\n(The %s of your unfinished game could not be read: %s. The game goes on from the turn before %s. "
             "The file that could not be read is kept in the game's folder under a name of its own, which the "
             "game never writes over: \"%s\".)\n\n",
             turns, reason, lost == 1 ? "it" : "them", kept);
    for (const char *p = msg; *p; p++) outbyte_raw((unsigned char)*p);
}

// At start no write of ours is under way: a temporary file of our kinds is
// one that a killed program left.
void remove_stale_temporaries() {
    DIR *d = opendir(".");
    if (!d) return;
    std::vector<std::string> stale;
    while (dirent *e = readdir(d)) {
        const char *n = e->d_name;
        size_t len = strlen(n);
        if (len > 8 && strcmp(n + len - 4, ".tmp") == 0 && strncmp(n + len - 8, ".or", 3) == 0 &&
            strchr("vhlp", n[len - 5]))
            stale.push_back(n);
    }
    closedir(d);
    for (const std::string &n : stale) remove_file(n.c_str());
}

