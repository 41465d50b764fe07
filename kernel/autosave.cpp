// The autosave: the game kept after every turn with output, with the
// transcript of that turn and the undo journal, so that a game that was
// killed or lost its browser goes on at the next start; a failed autosave
// told to the player; and, at start, the temporary files a killed program
// left.
//
// Being written every turn, the autosave is written in place: making and
// renaming a file costs the file system many times more than writing its
// 19 KB. It is three files:
//
//   _zendry.orv  the saved game, which restore reads like any other,
//                followed by the transcript of its last turn;
//   _zendry.orl  the same bytes, written just before: a kill while one of
//                the two is being written leaves the other whole;
//   _zendry.orh  the undo journal as a log that only grows: each autosave
//                appends what changed in the journal since the last one,
//                keyed by the checksum of the saved game it goes with, and
//                is written before either copy of the game.
//
// A resume takes the .orv, or the .orl when the .orv is damaged or missing,
// with the transcript kept beside that game and the journal as the log
// stood at its last entry keyed by that game's checksum. Whenever the
// program is killed, the next start finds a whole game no older than the
// turn being saved, with its own transcript and journal. A log that has
// grown well beyond its journal is written afresh as one entry (a new file
// renamed over it) right after an autosave.
//
// The transcript after the saved game: "TRN1", its length n, the key (the
// game's checksum), n bytes of text, and a checksum of all that. A journal
// log: "FJL1", then entries of base, count, cursor and key, count journal
// bytes that replace the journal from offset base on, and a checksum of the
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
#include "text.h"

static const unsigned char TRANSCRIPT_TAG[4] = {'T', 'R', 'N', '1'};
static const unsigned char LOG_MAGIC[4] = {'F', 'J', 'L', '1'};
constexpr int TRANSCRIPT_HEAD = 12;  // tag, length, key
constexpr int ENTRY_HEAD = 16;       // base, count, cursor, key
constexpr off_t LOG_SLACK = 64 * 1024;

// The transcript of the last turn that goes with the autosave: set before
// each autosave, and by a resume.
static std::string turn_transcript;
static bool failure_told;  // the player knows that the autosave fails

// The journal log as this run last wrote it.
static struct {
    bool known;
    dev_t dev;
    ino_t ino;
    off_t end;   // where the next entry goes
    int length;  // the journal's length after the last entry
} jlog;

void set_transcript(const char *said, size_t len) { turn_transcript.assign(said, len); }

const std::string &autosave_transcript() { return turn_transcript; }

// Writes bytes at offset 0 of path, over what is there (the file's tail
// beyond them stays, and is never read). 0, or the error number.
static int write_in_place(const char *path, const unsigned char *bytes, size_t len) {
    int fd = open(path, O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return errno;
    int err = 0;
    for (size_t done = 0; done < len;) {
        ssize_t n = pwrite(fd, bytes + done, len - done, off_t(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            err = n < 0 ? errno : EIO;
            break;
        }
        done += size_t(n);
    }
    if (close(fd) != 0 && err == 0) err = errno;
    return err;
}

// One log entry: the journal's bytes from offset base on, its cursor, the key.
static std::vector<unsigned char> log_entry(const unsigned char *journal, int base, int length, int cursor,
                                            uint32_t key) {
    const int count = length - base;
    std::vector<unsigned char> e(size_t(ENTRY_HEAD + count + 4));
    put32(&e[0], uint32_t(base));
    put32(&e[4], uint32_t(count));
    put32(&e[8], uint32_t(cursor));
    put32(&e[12], key);
    if (count > 0) memcpy(&e[ENTRY_HEAD], journal + base, size_t(count));
    put32(&e[size_t(ENTRY_HEAD + count)], region_sum(0, e.data(), ENTRY_HEAD + count));
    return e;
}

// Replays a log's whole entries in order. With a key: the journal and
// cursor after the last entry keyed so (true when there is one). *end: the
// offset just after the last whole entry.
static bool scan_log(const std::vector<unsigned char> &f, uint32_t key, std::vector<unsigned char> *journal,
                     int *cursor, size_t *end) {
    bool found = false;
    std::vector<unsigned char> j;
    size_t at = sizeof LOG_MAGIC;
    while (f.size() - at >= size_t(ENTRY_HEAD + 4)) {
        const unsigned char *e = &f[at];
        uint32_t base = get32(e), count = get32(e + 4);
        if (base > j.size() || base % 4 || count % 4 || count > f.size() - at - ENTRY_HEAD - 4) break;
        if (region_sum(0, e, int(ENTRY_HEAD + count)) != get32(e + ENTRY_HEAD + count)) break;
        j.resize(base);
        j.insert(j.end(), e + ENTRY_HEAD, e + ENTRY_HEAD + count);
        if (journal && get32(e + 12) == key) {
            *journal = j;
            *cursor = int32_t(get32(e + 8));
            found = true;
        }
        at += ENTRY_HEAD + count + 4;
    }
    if (end) *end = at;
    return found;
}

bool logged_journal(const std::vector<unsigned char> &f, uint32_t key, std::vector<unsigned char> &journal,
                    int &cursor) {
    return scan_log(f, key, &journal, &cursor, nullptr);
}

bool is_log(const std::vector<unsigned char> &f) {
    return f.size() >= sizeof LOG_MAGIC && memcmp(f.data(), LOG_MAGIC, sizeof LOG_MAGIC) == 0;
}

// Makes the log at path known to this run: a log is taken as it is, up to
// its last whole entry (a kill may have cut the one after); an empty file
// becomes a log; a journal file of the older form (from an earlier version)
// becomes a log of one entry keyed by the autosave beside it. The next
// entry then holds the whole journal. Returns the open descriptor, or -1.
static int adopt_log(int fd, const char *path) {
    jlog.known = false;
    std::vector<unsigned char> f;
    if (!slurp(path, f)) {
        close(fd);
        return -1;
    }
    off_t end;
    if (f.empty()) {
        if (write_in_place(path, LOG_MAGIC, sizeof LOG_MAGIC) != 0) {
            close(fd);
            return -1;
        }
        end = sizeof LOG_MAGIC;
    } else if (is_log(f)) {
        size_t e;
        scan_log(f, 0, nullptr, nullptr, &e);
        end = off_t(e);
    } else {
        close(fd);
        std::vector<unsigned char> log(LOG_MAGIC, LOG_MAGIC + sizeof LOG_MAGIC);
        std::vector<unsigned char> game, journal;
        int cursor;
        if (slurp(save_name, game) && game.size() >= size_t(HEADER_BYTES)) {
            uint32_t key = get32(&game[HEADER_BYTES - 4]);
            if (old_journal(f, key, journal, cursor)) {
                std::vector<unsigned char> e = log_entry(journal.data(), 0, int(journal.size()), cursor, key);
                log.insert(log.end(), e.begin(), e.end());
            }
        }
        if (write_whole(path, log.data(), log.size(), false) != 0) return -1;
        fd = open(path, O_RDWR | O_CLOEXEC);
        if (fd < 0) return -1;
        end = off_t(log.size());
    }
    struct stat st;
    if (fstat(fd, &st) != 0) {
        close(fd);
        return -1;
    }
    jlog = {true, st.st_dev, st.st_ino, end, 0};
    return fd;
}

// The journal's length as the log keeps it: 0 when there is no journal to
// keep (off, or nothing recorded beyond its head).
static int kept_length() { return value[KV_UNDO_RESULT] >= 0 && diffs && dptr > 4 ? dptr : 0; }

// Appends to the journal log what changed in the journal since the last
// entry, keyed by the autosave's checksum. Failures are silent: a resume
// then finds no entry for its game and drops the journal, as it drops any
// journal that does not match its game.
static void log_journal(const char *path, uint32_t key) {
    int fd = open(path, O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return;
    struct stat st;
    if (fstat(fd, &st) != 0) {
        close(fd);
        return;
    }
    if (!jlog.known || st.st_dev != jlog.dev || st.st_ino != jlog.ino || st.st_size < jlog.end) {
        fd = adopt_log(fd, path);
        if (fd < 0) return;
    }
    const int length = kept_length();
    const int base = std::max(0, std::min({journal_changed_from, jlog.length, length}));
    const std::vector<unsigned char> e = log_entry(diffs, base, length, length ? edptr : 0, key);
    size_t done = 0;
    while (done < e.size()) {
        ssize_t n = pwrite(fd, e.data() + done, e.size() - done, jlog.end + off_t(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += size_t(n);
    }
    close(fd);
    if (done < e.size()) return;  // the next entry goes to the same place
    jlog.end += off_t(e.size());
    jlog.length = length;
    journal_changed_from = INT_MAX;
}

// After an autosave: a log much larger than its journal is written afresh
// as one entry for the game just saved.
static void compact_log(const char *path, uint32_t key) {
    if (!jlog.known || jlog.end <= 2 * off_t(jlog.length) + LOG_SLACK) return;
    std::vector<unsigned char> log(LOG_MAGIC, LOG_MAGIC + sizeof LOG_MAGIC);
    const int length = jlog.length;
    std::vector<unsigned char> e = log_entry(diffs, 0, length, length ? edptr : 0, key);
    log.insert(log.end(), e.begin(), e.end());
    struct stat st;
    if (write_whole(path, log.data(), log.size(), false) != 0 || stat(path, &st) != 0) {
        jlog.known = false;
        return;
    }
    jlog = {true, st.st_dev, st.st_ino, off_t(log.size()), length};
}

// Tells the player, once until an autosave succeeds again, that the game
// can no longer be kept, where and why.
static void tell_failure(int err) {
    if (failure_told) return;
    failure_told = true;
    char dir[4096];
    if (!getcwd(dir, sizeof dir)) strcpy(dir, ".");
    char msg[4400];
    snprintf(msg, sizeof msg,
             "\n(Your progress can't be kept: the game can't be saved in %s: %s. Playing on, nothing after the "
             "last save will be there when the game is started again.)\n",
             dir, strerror(err));
    for (const char *p = msg; *p; p++) outbyte_raw((unsigned char)*p);
}

int autosave() {
    own_name(false);
    char copy[96], jname[96];
    sibling_name(copy, "orl");
    sibling_name(jname, "orh");
    static std::vector<unsigned char> rec;
    const size_t n = turn_transcript.size();
    rec.resize(SAVE_BYTES + TRANSCRIPT_HEAD + n + 4);
    const uint32_t key = build_game(rec.data());
    unsigned char *t = rec.data() + SAVE_BYTES;
    memcpy(t, TRANSCRIPT_TAG, 4);
    put32(t + 4, uint32_t(n));
    put32(t + 8, key);
    memcpy(t + TRANSCRIPT_HEAD, turn_transcript.data(), n);
    put32(t + TRANSCRIPT_HEAD + n, region_sum(0, t, int(TRANSCRIPT_HEAD + n)));

    log_journal(jname, key);
    int err = write_in_place(copy, rec.data(), rec.size());
    if (err == 0) err = write_in_place(save_name, rec.data(), rec.size());
    if (err != 0) {
        tell_failure(err);
        return 1;
    }
    failure_told = false;
    compact_log(jname, key);
    return 0;
}

// The transcript kept after the game in an autosave file, when it is whole
// and goes with the game whose checksum is key.
static bool kept_transcript(const char *path, uint32_t key, std::string &out) {
    FILE *f = fopen(path, "rb");
    if (!f) return false;
    unsigned char head[TRANSCRIPT_HEAD];
    bool ok = fseek(f, SAVE_BYTES, SEEK_SET) == 0 && fread(head, 1, sizeof head, f) == sizeof head &&
              memcmp(head, TRANSCRIPT_TAG, 4) == 0 && get32(head + 8) == key && get32(head + 4) < READ_LIMIT;
    if (ok) {
        std::vector<unsigned char> t(head, head + sizeof head);
        t.resize(sizeof head + get32(head + 4) + 4);
        ok = fread(&t[sizeof head], 1, t.size() - sizeof head, f) == t.size() - sizeof head;
        const int covered = int(t.size() - 4);
        ok = ok && region_sum(0, t.data(), covered) == get32(&t[size_t(covered)]);
        if (ok) out.assign(reinterpret_cast<const char *>(&t[sizeof head]), size_t(covered) - sizeof head);
    }
    fclose(f);
    return ok;
}

// After a resume: the transcript that goes with the game resumed. It is in
// either copy of the autosave; an autosave of an earlier version kept it
// alone, as plain text, in the .orl file.
void resume_transcript(uint32_t key) {
    char orv[96], orl[96];
    sibling_name(orv, "orv");
    sibling_name(orl, "orl");
    turn_transcript.clear();
    if (kept_transcript(orv, key, turn_transcript) || kept_transcript(orl, key, turn_transcript)) return;
    std::vector<unsigned char> plain;
    if (!slurp(orl, plain)) return;
    const size_t stamp = STAMP_LINE - 1;
    const bool copy = plain.size() >= stamp && memcmp(plain.data(), VERSION_STAMP, stamp) == 0;
    if (!copy) turn_transcript.assign(plain.begin(), plain.end());
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

