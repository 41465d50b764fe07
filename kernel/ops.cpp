// The special operations: the game's one door to the kernel services that
// have no primitive of their own (saving and restoring, persistent bytes,
// play time, word slots, display settings, location and restore snapshots,
// the saved-game listing), chosen by code. The result goes to *variable.
#include <cctype>
#include <cstring>
#include <utility>

#include "display.h"
#include "input.h"
#include "persist.h"
#include "platform.h"
#include "startup.h"
#include "state.h"
#include "text.h"

static int32_t saved_value;  // codes 6 and 7
static int32_t *objlocs;     // the location snapshot of code 17

// The decimal number at the start of the second word as typed.
static int typed_number() {
    int i = 0;
    while (i < WORD_SIZE && arg2_word[i] == ' ') i++;
    bool negative = false;
    if (i < WORD_SIZE && (arg2_word[i] == '-' || arg2_word[i] == '+')) negative = arg2_word[i++] == '-';
    int n = 0;
    for (; i < WORD_SIZE && isdigit((unsigned char)arg2_word[i]); i++)
        if (n < 100000) n = n * 10 + (arg2_word[i] - '0');
    return negative ? -n : n;
}

static void new_maxlen() {
    Maxlen = Linlen - 2 * Margin;
    prompt_alloc();  // the console line must hold two lines of the new width
}

static int play_minutes() {
    int64_t elapsed = now_seconds() - game_time;
    if (elapsed < 0) elapsed = 0;
    int64_t m = elapsed / 60 + 1;
    return m > INT32_MAX ? INT32_MAX : int(m);
}

// Puts a refno into a word slot as if typed; refnos outside the game are
// reported and change nothing.
static void set_word(int code, int slot, int32_t refno) {
    if (refno < 0 || refno > LAST_TEXT) {
        glitch(nullptr, "\n \nGLITCH! Bad refno %d for special code %d\n", int(refno), code);
        return;
    }
    value[slot == 1 ? KV_ARG1 : KV_ARG2] = refno;
    fake(slot, refno);
}

int special(int code, int32_t *variable) {
    int32_t &v = *variable;
    switch (code) {
    case SPECIAL_SAVE:
    case SPECIAL_AUTOSAVE:
        v = save_game(code);
        return v;
    case SPECIAL_RESTORE:
    case SPECIAL_START_RESTORE:
    case SPECIAL_AUTORESTORE:
        restore_game(code, variable);
        break;
    case SPECIAL_DELETE_SAVE:
        v = delete_game();
        break;
    case 4:
    case 5:
        v = 0;
        break;
    case SPECIAL_STASH:
        saved_value = v;
        break;
    case SPECIAL_UNSTASH:
        v = saved_value;
        break;
    case SPECIAL_PLAY_MINUTES:
        v = play_minutes();
        break;
    case SPECIAL_SET_ARG1:
        set_word(code, 1, v);
        break;
    case SPECIAL_SET_ARG2:
        set_word(code, 2, v);
        break;
    case SPECIAL_ARG1_TO_ARG2:
        value[KV_ARG2] = value[KV_ARG1];
        memcpy(arg2_word, arg1_word, WORD_SIZE);
        value[KV_COMMAND_STATUS] = 2;
        break;
    case SPECIAL_LINE_DONE:
        v = (!tp || !tp[tindex]) ? 1 : 0;
        break;
    case SPECIAL_PDATA_GET:
        v = get_pdata(v);
        break;
    case SPECIAL_PDATA_SET:
        set_pdata(v, 1);
        break;
    case SPECIAL_PDATA_CLEAR:
        set_pdata(v, 0);
        break;
    case SPECIAL_SNAP_LOCATIONS:
        if (!objlocs) {
            objlocs = static_cast<int32_t *>(orvalloc(int(sizeof(int32_t)) * (LAST_OBJECT + 1)));
            memcpy(objlocs, location, sizeof(int32_t) * (LAST_OBJECT + 1));
        }
        break;
    case SPECIAL_SNAP_LOCATION_OF:
        v = (objlocs && v >= 0 && v <= LAST_OBJECT) ? objlocs[v] : 0;
        break;
    case SPECIAL_JUSTIFY:
        justify = v > 1 ? !justify : v > 0;
        v = justify;
        break;
    case SPECIAL_LINE_LENGTH: {
        int n = typed_number();
        if (n == 0) {
            v = 0;
            break;
        }
        Linlen = n < 16 ? 16 : n > 1024 ? 1024 : n;
        if (Linlen - 2 * Margin <= 15) Margin = Linlen >= 16 ? (Linlen - 16) / 2 : 0;
        new_maxlen();
        v = Linlen;
        break;
    }
    case SPECIAL_MARGIN: {
        int n = typed_number();
        n = n < 0 ? 0 : n > 9 ? 9 : n;
        if (Linlen - 2 * n <= 15) n = Linlen >= 16 ? (Linlen - 16) / 2 : 0;
        Margin = n;
        new_maxlen();
        v = Margin;
        break;
    }
    case SPECIAL_PAGE_LENGTH: {
        int n = typed_number();
        if (n == 0) n = v;
        if (n > 3) {
            Screen = n > 1024 ? 1024 : n;
            v = Screen;
        } else {
            v = 0;
        }
        break;
    }
    case SPECIAL_STORE_INPUT:
        input_store('S', variable);
        break;
    case SPECIAL_RESTORE_INPUT:
        input_store('R', variable);
        break;
    case SPECIAL_ECHO_LITERAL:
        if (say_buf && say_buf[0]) {
            char msg[COMLINE_SIZE + 16];
            snprintf(msg, sizeof msg, "\nOk - \"%s\"\n", say_buf);
            outstr(msg);
            if (log_file) log_printf("%s", msg);
            say_buf[0] = 0;
        }
        v = 1;
        break;
    case SPECIAL_UNDO_RESTORE:
        v = memstore(5);
        break;
    case SPECIAL_SWAP_ARGS:
        if (value[KV_COMMAND_STATUS] > 1) {
            std::swap(value[KV_ARG1], value[KV_ARG2]);
            std::swap(*bitword(KV_ARG1), *bitword(KV_ARG2));
            char temp_word[WORD_SIZE];
            memcpy(temp_word, arg1_word, WORD_SIZE);
            memcpy(arg1_word, arg2_word, WORD_SIZE);
            memcpy(arg2_word, temp_word, WORD_SIZE);
        }
        v = 0;
        break;
    case SPECIAL_IN_EXCEPT: {
        int found = 0;
        for (int i = 0; except_list && i < except_count; i++)
            if (except_list[i] == v) found = 1;
        v = found;
        break;
    }
    case SPECIAL_NO_SNAPSHOT:
        v = memstore(0);
        break;
    case SPECIAL_LIST_SAVES: {
        int count = process_saved(v, arg2_word);
        value[KV_ARG2] = int32_t(strnlen(arg2_word, WORD_SIZE));
        v = count;
        break;
    }
    default:
        glitch(nullptr, "\n \nGLITCH! Bad special code: %d\n", code);
        return 1;
    }
    return 0;
}
