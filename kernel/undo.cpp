// The undo journal: the byte differences of the state image, command by
// command, recorded at each command boundary against the reference copy;
// undo walks them back writing old bytes, redo forward writing new ones.
//
// Layout of `diffs`: a head of 4 zero bytes, then for each command its
// records and a terminator of 4 zero bytes. A record is the high and low
// byte of the image offset, the old byte and the new byte; offset 0 is never
// recorded, so two zero offset bytes mark a terminator.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "image.h"
#include "input.h"
#include "persist.h"
#include "startup.h"
#include "state.h"

unsigned char *diffs;  // the journal (null until the first command is recorded)
int diffsz;            // the bytes allocated for it
int dptr;              // the end of the recorded commands: the redo limit
int edptr;             // the cursor: the end of the commands now applied
int journal_changed_from = 0;  // the lowest offset changed since the autosave logged it

constexpr int DIFFS_CHUNK = 8192;
constexpr int ALL_COMMANDS = 32767;
constexpr int UNDO_SHORT = 5;
constexpr int UNDO_INVENTORY = 6;
constexpr int UNDO_BAD_COUNT = 7;

// Bytes never recorded: every command rewrites the words and their count.
static bool excluded(int j) {
    int v = j / 4;
    return j < 4 * NVALUES && (v == KV_ARG1 || v == KV_ARG2 || v == KV_COMMAND_STATUS);
}

static void take_reference() { memcpy(image_bytes(intim), image_bytes(IMAGE), IMAGE_SIZE); }

void journal_clear() {
    if (!diffs) return;
    dptr = edptr = 4;
    if (journal_changed_from > 4) journal_changed_from = 4;
}

void save_changes() {
    if (value[KV_ARG1] < -1 || value[KV_ARG2] < -1 || value[KV_QUESTION] > 1 || mode == MODE_ONE_COMMAND ||
        value[KV_ARG1] == KW_UNDO || value[KV_ARG1] == KW_REDO)
        return;
    if (edptr < dptr) {
        dptr = edptr;
        if (journal_changed_from > dptr) journal_changed_from = dptr;
    }
    if (!diffs) {
        diffs = static_cast<unsigned char *>(malloc(DIFFS_CHUNK));
        if (!diffs) {
            glitch(stderr, "GLITCH: Unable to allocate diffs array!\n");
            return;
        }
        diffsz = DIFFS_CHUNK;
        memset(diffs, 0, 4);
        dptr = edptr = 4;
        journal_changed_from = 0;
        take_reference();
        return;
    }
    unsigned char *live = image_bytes(IMAGE), *ref = image_bytes(intim);
    const int start = dptr;
    // A command changes a few bytes of the image: the blocks that differ
    // are looked at byte by byte, and only they are copied into the
    // reference.
    static int changed[IMAGE_SIZE / BLOCK + 1];
    int nchanged = 0;
    bool full = false;
    each_changed_block(live, ref, [&](int w, int n) {
        if (full) return;
        changed[nchanged++] = w;
        for (int j = w; j < w + n; j++) {
            if (j == 0 || live[j] == ref[j] || excluded(j)) continue;
            if (dptr + 8 >= diffsz) {
                unsigned char *more = static_cast<unsigned char *>(realloc(diffs, size_t(diffsz) + DIFFS_CHUNK));
                if (!more) {
                    glitch(stderr, "GLITCH: Unable to re-allocate diffs array!\n");
                    dptr = start;  // never leave a command without its terminator
                    full = true;
                    return;
                }
                diffs = more;
                diffsz += DIFFS_CHUNK;
            }
            unsigned char *r = diffs + dptr;
            r[0] = (unsigned char)(j >> 8);
            r[1] = (unsigned char)(j & 0xFF);
            r[2] = ref[j];
            r[3] = live[j];
            dptr += 4;
        }
    });
    if (full) return;
    if (dptr > start) {
        memset(diffs + dptr, 0, 4);
        dptr += 4;
        edptr = dptr;
        if (journal_changed_from > start) journal_changed_from = start;
    }
    for (int k = 0; k < nchanged; k++) {
        const int w = changed[k];
        memcpy(ref + w, live + w, size_t(IMAGE_SIZE - w < BLOCK ? IMAGE_SIZE - w : BLOCK));
    }
}

void inv_check() {
    bool changed = false;
    for (int i = 0; i <= LAST_OBJECT; i++)
        if ((inhand[i] == K_CARRIED) != (location[i] == K_CARRIED)) changed = true;
    bitmod(changed ? 's' : 'c', KV_UNDO_RESULT, UNDO_INVENTORY);
}

int checkdo() {
    bitmod('c', KV_UNDO_RESULT, UNDO_SHORT);
    bitmod('c', KV_UNDO_RESULT, UNDO_INVENTORY);
    bitmod('c', KV_UNDO_RESULT, UNDO_BAD_COUNT);
    if (value[KV_ARG2] == K_ALL) return ALL_COMMANDS;
    if (value[KV_COMMAND_STATUS] < 2) return 1;
    int n = 0;
    for (int i = 0; i < WORD_SIZE && arg2_word[i]; i++) {
        if (arg2_word[i] < '0' || arg2_word[i] > '9') {
            bitmod('s', KV_UNDO_RESULT, UNDO_BAD_COUNT);
            return -1;
        }
        n = n * 10 + (arg2_word[i] - '0');
        if (n > ALL_COMMANDS) n = ALL_COMMANDS;
    }
    return n;
}

// The count taken back or done again, with the short flag.
static void report(int done, int count) {
    value[KV_UNDO_RESULT] = done;
    bitmod(done < count && value[KV_ARG2] != K_ALL ? 's' : 'c', KV_UNDO_RESULT, UNDO_SHORT);
}

void undo() {
    int count = checkdo();
    if (count < 0) return;
    int done = 0;
    unsigned char *live = image_bytes(IMAGE);
    if (diffs && edptr > 4) {
        while (done < count && edptr > 4) {
            int at = edptr - 8;  // the last record before the terminator
            while (diffs[at] | diffs[at + 1]) {
                live[diffs[at] << 8 | diffs[at + 1]] = diffs[at + 2];
                at -= 4;
            }
            edptr = at + 4;
            done++;
        }
        inv_check();
    }
    report(done, count);
    value[KV_QUESTION] = 0;
    take_reference();
}

void redo() {
    int count = checkdo();
    if (count < 0) return;
    int done = 0;
    unsigned char *live = image_bytes(IMAGE);
    if (diffs && edptr < dptr) {
        while (done < count && edptr < dptr) {
            int at = edptr;
            while (diffs[at] | diffs[at + 1]) {
                live[diffs[at] << 8 | diffs[at + 1]] = diffs[at + 3];
                at += 4;
            }
            edptr = at + 4;
            done++;
        }
        inv_check();
        take_reference();
    }
    report(done, count);
    value[KV_QUESTION] = 0;
}
