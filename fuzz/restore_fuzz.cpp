// A saved game and the undo journal beside it, read by a restore and by the
// resume at start-up, and the transcript of the last turn that the resume
// shows again.
//
// Input: byte 0 the flags; bytes 1-4 and 5-8 the lengths (little-endian,
// cut to what the input holds) of the saved game and of the journal; then
// the saved game, the journal and the transcript. Bits 1-2 of the flags
// choose the way in: a restore by name (0), the autosave's restore (1), the
// restore of a game named at start-up (2), or the resume through the whole
// program, which then plays two typed lines (3). Flag bit 0 mends both
// checksums after the input's changes and before the files are written, as
// someone making a file by hand would: the fuzzer then reaches what the
// kernel checks after the checksums, and in the whole program the game's
// procedures play on from whatever such a file holds once it is taken.
//
// After a restore called directly, what every file must give: a refused
// file changes neither the game nor the journal; an accepted one is a state
// the game can be in and leaves a journal that ends and stops on command
// boundaries; saving the game restored and restoring that gives the same
// image and journal; and once everything is done again, undoing everything
// and doing it again ends in the same state.
#include <cstring>

#include "harness.h"
#include "input.h"
#include "persist.h"
#include "startup.h"
#include "state.h"

namespace {

constexpr int UNDO_INVENTORY = 6;  // the undo result's flag: what is carried changed

// The checksums as the game writes them: over the time field and the five
// regions of the image that the layout numbers give (the saved game), and
// carried on over the journal's records (the journal). A file too short or
// with layout numbers out of any sense is left alone. Returns the saved
// game's checksum.
uint32_t mend_save(fuzz::bytes &f) {
    if (f.empty()) return 0;
    const uint8_t *nl = static_cast<const uint8_t *>(std::memchr(f.data(), '\n', f.size()));
    if (!nl) return 0;
    size_t at = size_t(nl - f.data()) + 1;  // the layout numbers
    if (f.size() < at + 24 + 4 + 8) return 0;
    int32_t lay[6];
    for (int k = 0; k < 6; k++) {
        lay[k] = int32_t(get32(&f[at + 4 * size_t(k)]));
        if (lay[k] < 0 || lay[k] > 100000) return 0;
    }
    const int32_t O = lay[1], P = lay[2], T = lay[4], V = lay[5];
    const int64_t sizes[5] = {int64_t(V) * 4, int64_t(O + 1) * 4, int64_t(O - 2) * 4, int64_t(P - O) * 4,
                              int64_t(T - P) * 2};
    size_t sum_at = at + 24;
    size_t time_at = sum_at + 4;
    int tw = int32_t(get32(&f[time_at + 4])) == -1 ? 4 : 8;
    int64_t total = tw;
    for (int64_t s : sizes) {
        if (s < 0) return 0;
        total += s;
    }
    if (int64_t(f.size() - time_at) < total) return 0;
    uint32_t sum = region_sum(0, &f[time_at], tw);
    const uint8_t *p = &f[time_at] + tw;
    for (int64_t s : sizes) {
        sum = region_sum(sum, p, int(s));
        p += s;
    }
    put32(&f[sum_at], sum);
    return sum;
}

void mend_journal(fuzz::bytes &j, uint32_t save_sum) {
    if (j.size() < 12) return;
    uint32_t len = get32(j.data());
    if (len > j.size() - 12) return;
    put32(&j[4 + len], region_sum(save_sum, &j[4], int(len)));
}

// The journal as it stands: its recorded bytes and cursor, nothing when
// no command is recorded.
struct journal {
    fuzz::bytes records;
    int cursor = 0;
    bool operator==(const journal &) const = default;
};

journal current_journal() {
    journal j;
    if (diffs && dptr > 4) {
        j.records.assign(diffs, diffs + dptr);
        j.cursor = edptr;
    }
    return j;
}

fuzz::bytes image_now() {
    const uint8_t *p = image_bytes(IMAGE);
    return fuzz::bytes(p, p + IMAGE_SIZE);
}

void forget_journal() {
    std::free(diffs);
    diffs = nullptr;
    diffsz = dptr = edptr = 0;
}

void check_boundaries() {
    if (!diffs || dptr <= 4) return;
    if (dptr > diffsz || dptr % 4 || edptr % 4 || edptr < 4 || edptr > dptr)
        fuzz::fail("the journal read has its end or cursor out of place");
    if (get32(diffs + dptr - 4) != 0 || get32(diffs + edptr - 4) != 0 || get32(diffs) != 0)
        fuzz::fail("the journal read does not end or stop on a command boundary");
}

// Saving what was restored, then restoring it, gives it back.
void check_round_trip() {
    int32_t result = 0;
    special(SPECIAL_AUTOSAVE, &result);
    if (result != 0) fuzz::fail("the game restored cannot be saved");
    const fuzz::bytes saved = image_now();
    const journal kept = current_journal();
    std::memset(&IMAGE, 0, sizeof IMAGE);
    forget_journal();
    result = 0;
    special(SPECIAL_AUTORESTORE, &result);
    if (result != SPECIAL_AUTORESTORE) fuzz::fail("the game just saved cannot be restored");
    if (image_now() != saved) fuzz::fail("the game just saved comes back different");
    if (!(current_journal() == kept)) fuzz::fail("the journal just saved comes back different");
}

void all_commands(void (*step)()) {
    value[KV_ARG2] = K_ALL;
    value[KV_COMMAND_STATUS] = 2;
    step();
}

// The image with the one flag that undo and redo compute from the state
// before them (what is carried changed) left out.
fuzz::bytes settled_image() {
    int16_t *w = bitword(KV_UNDO_RESULT);
    int16_t keep = *w;
    *w = int16_t(*w & ~(1 << UNDO_INVENTORY));
    fuzz::bytes b = image_now();
    *w = keep;
    return b;
}

void check_undo_cycle() {
    if (value[KV_UNDO_RESULT] < 0 || !diffs) return;
    all_commands(undo);
    all_commands(redo);
    if (edptr != dptr) fuzz::fail("redoing everything leaves commands undone");
    const fuzz::bytes done = settled_image();
    all_commands(undo);
    if (edptr != 4) fuzz::fail("undoing everything leaves commands done");
    if (!image_playable(IMAGE)) fuzz::fail("undoing everything reaches a state the game cannot be in");
    all_commands(redo);
    if (settled_image() != done) fuzz::fail("undoing and redoing everything changes the game");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    fuzz::setup(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 9) return 0;
    const int flags = data[0];
    size_t left = size - 9;
    const uint8_t *p = data + 9;
    size_t save_len = std::min<size_t>(get32(data + 1), left);
    fuzz::bytes save(p, p + save_len);
    p += save_len;
    left -= save_len;
    size_t journal_len = std::min<size_t>(get32(data + 5), left);
    fuzz::bytes jfile(p, p + journal_len);
    p += journal_len;
    left -= journal_len;
    fuzz::bytes transcript(p, p + left);
    const int way = (flags >> 1) & 3;
    if (flags & 1) mend_journal(jfile, mend_save(save));

    fuzz::in_target target;
    if (way == 3) {
        fuzz::fresh_process();
        std::filesystem::create_directories(fuzz::game_dir());
        const std::string base = fuzz::game_dir() + "/_zendry";
        fuzz::write_file(base + ".orv", save.data(), save.size());
        if (!jfile.empty()) fuzz::write_file(base + ".orh", jfile.data(), jfile.size());
        fuzz::write_file(base + ".orl", transcript.data(), transcript.size());
        fuzz::type_lines({"look", "score"});
        fuzz::run_program({"-C", "-p0"});
        return 0;
    }

    fuzz::open_session();
    const char *name = way == 0 ? "default" : "_zendry";
    fuzz::write_file(std::string(name) + ".orv", save.data(), save.size());
    if (!jfile.empty()) fuzz::write_file(std::string(name) + ".orh", jfile.data(), jfile.size());
    value[KV_COMMAND_STATUS] = 1;  // "restore" alone: the game called "default"
    value[KV_UNDO_RESULT] = 0;     // the journal is on
    const fuzz::bytes before = image_now();
    const int code = way == 0 ? SPECIAL_RESTORE : way == 1 ? SPECIAL_AUTORESTORE : SPECIAL_START_RESTORE;
    int32_t result = -99;
    special(code, &result);
    if (result != 0 && result != SPECIAL_AUTORESTORE) {
        if (image_now() != before) fuzz::fail("a refused saved game changed the game");
        if (diffs) fuzz::fail("a refused saved game left a journal");
        return 0;
    }
    {
        state_image taken = IMAGE;
        taken.value[0] = -1;  // the status word holds the restore's result
        if (!image_playable(taken)) fuzz::fail("a restore took a state the game cannot be in");
    }
    check_boundaries();
    check_round_trip();
    check_undo_cycle();
    return 0;
}
