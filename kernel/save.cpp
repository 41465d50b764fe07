// Saved games and persistent data: the names a player gives saved games,
// saving and restoring them (the autosave's among them; the saved game's
// bytes are image.cpp's), the undo journal kept beside each saved game, the
// two in-memory snapshots and the persistent-data file.
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
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <string>
#include <utility>
#include <vector>

#include "input.h"
#include "platform.h"
#include "savefile.h"
#include "startup.h"
#include "state.h"
#include "text.h"

char save_name[80];  // the file the last save, restore or delete named
int64_t game_time;   // when the game restored last was saved (seconds)

static state_image *snapshot1;  // stored and restored at the game's request
static state_image *snapshot2;  // the game as it was before the last restore

// A saved game's file name: the name and ".orv" always fit.
static_assert(NAME_MAX_BYTES + 5 <= int(sizeof save_name));
// A file name made from save_name or truname with another extension.
constexpr int FILE_NAME_SIZE = 96;
static_assert(int(sizeof save_name) + 8 <= FILE_NAME_SIZE);
// A temporary file's name: its target's and ".tmp" (a longer one is refused).
constexpr int TEMP_NAME_SIZE = 128;
constexpr int JOURNAL_CHUNK = 8192;
constexpr int PDATA_LIMIT = 1 << 20;  // the persistent file is a few bytes

int write_whole(const char *path, const unsigned char *bytes, size_t len, bool sync) {
    char tmp[TEMP_NAME_SIZE];
    if (snprintf(tmp, sizeof tmp, "%s.tmp", path) >= int(sizeof tmp)) return -1;
    // Saved games and the persistent data are the player's alone.
    const int fd = open(tmp, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return -1;
    FILE *f = fdopen(fd, "wb");
    if (!f) {
        close(fd);
        unlink(tmp);
        return -1;
    }
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

void sibling_name(char *out, size_t size, const char *ext) { file_beside(out, size, save_name, ext); }

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
    const size_t n = name_bytes(name);
    path[0] = 0;
    if (!trusted && !plain_name(name, n)) return 0;
    game_file_name(name, path);
    return 1;
}

// The name a save, restore or delete command gives: the second word of a
// two-word command (in full when it was too long for the word buffer), or
// "default". 0 with save_name made; 3 when the command has no second word;
// -1 when the name is refused, which text 3505 has then said.
// The name the last save, restore or delete command typed, in full.
static std::string typed_name;

static int command_name(int code) {
    // Room for more than a name takes, so that a character cut at the
    // limit is seen whole.
    char name[2 * NAME_MAX_BYTES + 1];
    if (value[KV_COMMAND_STATUS] < 2) {
        snprintf(name, sizeof name, "default");
        if (code == SPECIAL_DELETE_SAVE) snprintf(arg2_word, WORD_SIZE, "default");
    } else if (value[KV_ARG2] == -1 && code != SPECIAL_DELETE_SAVE) {
        glitch(stdout, "*** Glitch! No save/restore name specified!\n");
        return 3;
    } else {
        // The word is long_word when it is long_word cut to fit (between
        // two characters, or at the buffer's last byte).
        const char *from = arg2_word;
        size_t typed = strnlen(arg2_word, WORD_SIZE);
        if (long_word[0] && typed < WORD_SIZE && strlen(long_word) > typed &&
            typed >= whole_chars(long_word, WORD_SIZE - 1) && strncmp(long_word, arg2_word, typed) == 0)
            from = long_word;
        size_t n = strnlen(from, sizeof name - 1);
        memcpy(name, from, n);
        name[n] = 0;
    }
    typed_name = name;
    if (make_name(name, save_name)) return 0;
    say(0, 3505, 0);
    return -1;
}

// Set when a save command is read whose line held more words after the
// name ("save with spaces" saves as "with"): the save it leads to says the
// name it was saved under.
static bool more_words_typed;

// Whether the line typed holds more words after the command's second word,
// within the same command.
static bool words_after_name() {
    const char *first = orig1[0] ? strstr(typed_line, orig1) : nullptr;
    const char *name = first && orig2[0] ? strstr(first + strlen(orig1), orig2) : nullptr;
    if (!name) return false;
    const char *p = name;
    while (*p && !isspace((unsigned char)*p) && !strchr(";,", *p)) p++;  // the whole word
    while (*p && isspace((unsigned char)*p)) p++;
    return *p && !strchr(";,", *p);
}

int save_name_refused() {
    more_words_typed = false;
    if (value[KV_COMMAND_STATUS] < 2 || value[KV_ARG2] == -1) return 0;
    if (command_name(SPECIAL_SAVE) < 0) return 1;
    more_words_typed = words_after_name();
    return 0;
}

// The kernel's own name for the autosave and the start-up restores; a
// restore also shows it as the second word. The autosave leaves the words
// alone: it runs between commands, and the player's last second word may
// still be wanted.
void own_name(bool as_word) {
    const char *name = autoname ? autoname : truname;
    if (as_word) copy_typed(arg2_word, WORD_SIZE, name);
    make_name(name, save_name, true);
}

// ---- Saving ----------------------------------------------------------------

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

int save_game(int code) {
    if (code == SPECIAL_AUTOSAVE) return autosave();
    int r = command_name(code);
    if (r) return 3;
    if (path_exists(save_name)) {
        say(0, 3510, 0);
        return 2;
    }
    static unsigned char buf[SAVE_BYTES];
    uint32_t sum = build_game(buf, now_seconds());
    if (write_whole(save_name, buf, sizeof buf) != 0) {
        if (errno == ENOSPC || errno == EDQUOT) {
            for (const char *p = "\n(There is no room for the saved game: the disk is full.)\n"; *p; p++)
                outbyte_raw((unsigned char)*p);
        }
        return 1;
    }
    write_journal(sum);
    // A name cut to fit, or one word of several typed, is said as the game
    // was saved under it.
    const size_t n = name_bytes(typed_name.c_str());
    const bool more = more_words_typed;
    more_words_typed = false;
    if (n < typed_name.size() || more) {
        say(SAY_ARG, 1662, 0);
        for (size_t i = 0; i < n; i++) outbyte_raw((unsigned char)typed_name[i]);
        say(SAY_ARG, 1662, 1);
    }
    return 0;
}

int delete_game() {
    if (command_name(SPECIAL_DELETE_SAVE) != 0) return 3;
    // A game saved by a newer version of this game is that version's to
    // take up: it is never deleted here, whatever answer led to the delete.
    if (FILE *f = fopen(save_name, "rb")) {
        const bool newer = check_version(f) == UNREAD_NEWER;
        fclose(f);
        if (newer) {
            say(0, 1661, 0);
            return 2;
        }
    }
    int r = unlink(save_name) == 0 ? 0 : 2;
    char jname[FILE_NAME_SIZE];
    journal_name(jname);
    remove_file(jname);
    return r;
}

// ---- Restoring ---------------------------------------------------------------

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

// The restore proper, once the file is open: its result code (0 restored,
// 2 damaged, 4 another version's), and in *why what makes a file refused
// unreadable.
static int read_game(FILE *f, int code, int *why) {
    if ((*why = check_version(f)) != 0) return 4;
    static unsigned char body[GAME_BODY_BYTES];
    // Staged, so that a file refused leaves the game as it was.
    static state_image staged;
    read_image got;
    if ((*why = decode_game(body, fread(body, 1, sizeof body, f), staged, got)) != 0) return 2;
    game_time = got.time;
    memcpy(image_bytes(IMAGE), image_bytes(staged), IMAGE_SIZE);
    if (code == SPECIAL_START_RESTORE) value[KV_QUESTION] = 2;
    read_journal(got.sum, got.older);
    if (code == SPECIAL_AUTORESTORE) resume_transcript(got.sum);
    return 0;
}

// The autosave's other copy, read when the one read first is damaged or
// missing: the restore's result, or -1 when there is no copy.
static int read_copy(int code, const char *copy, int *why) {
    FILE *f = fopen(copy, "rb");
    if (!f) return -1;
    int r = read_game(f, code, why);
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
    int r = 2, why = 0;
    const bool found = f != nullptr;
    if (f) {
        r = read_game(f, code, &why);
        fclose(f);
    }
    if (r == 2 && code == SPECIAL_AUTORESTORE) {
        int copy_why = 0;
        int c = read_copy(code, copy, &copy_why);
        // The newer copy there but damaged, the older resumed: a turn is
        // lost, and the damaged copy is kept, not written over next.
        if (c == 0 && found && why != UNREAD_SHORT) set_aside_newer_copy(first, copy, why);
        if (c == 0 || (!found && c > 0)) {
            r = c;
            why = copy_why;
        }
    }
    // An autosave that is there but cannot be read is an unfinished game
    // all the same: it is set aside, never to be written over, and the
    // player told, before a new game begins.
    if (r != 0 && code == SPECIAL_AUTORESTORE) set_aside_autosave(why);
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
