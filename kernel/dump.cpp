// The state dump: a readable listing of the whole world state (values,
// locations and flags of every entity) for the game's author, written to
// the log when one is open, else to the standard error.
#include <cstdio>
#include <cstring>

#include "input.h"
#include "state.h"
#include "text.h"

constexpr int DUMP_NOTICE = 3499;  // tells the player the dump went to the log

int show_name(int, FILE *) { return -1; }  // no names in this form: prints nothing

void show_bits(int refno, int words, FILE *stream) {
    fputs("    ", stream);
    for (int n = 0; n < 16 * words; n++) fputc(bitest(refno, n) ? '1' : '0', stream);
}

enum { ALL, OBJECTS, PLACES, VARIABLES, TEXTS };

// The section chosen by the second word of the command, tested in order.
static int dump_filter() {
    static const struct {
        const char *word;
        int section;
    } sections[] = {{"objects", OBJECTS}, {"places", PLACES},   {"locations", PLACES},
                    {"variables", VARIABLES}, {"vars", VARIABLES}, {"texts", TEXTS}};
    if (value[KV_COMMAND_STATUS] < 2 || !arg2_word[0]) return ALL;
    size_t n = strlen(arg2_word);
    for (const auto &s : sections)
        if (strncmp(arg2_word, s.word, n) == 0 && n <= strlen(s.word)) return s.section;
    return ALL;
}

static int section_of(int r) {
    return r <= LAST_OBJECT ? OBJECTS : r <= LAST_PLACE ? PLACES : r <= LAST_WORD ? ALL : r <= LAST_VARIABLE ? VARIABLES : TEXTS;
}

void show_data() {
    static const char *const kind_names[] = {"", " random", " incremental", "", " cyclic", "", "", "", " assigned"};
    int filter = dump_filter();
    FILE *f = log_file ? log_file : stderr;
    for (int r = FIRST_OBJECT; r <= LAST_TEXT; r++) {
        int sec = section_of(r);
        if (filter != ALL && sec != filter) continue;
        const char *header = r == FIRST_OBJECT ? "OBJECTS" : r == FIRST_PLACE ? "PLACES" : r == FIRST_WORD ? "WORDS"
                           : r == FIRST_VARIABLE ? "VARIABLES" : r == FIRST_TEXT ? "TEXTS" : nullptr;
        if (header) fprintf(f, "================= %s =================\n", header);
        fprintf(f, "%4d ", r);
        show_name(r, f);
        if (r >= FIRST_VARIABLE) fprintf(f, "%24s", "");
        if (r >= FIRST_TEXT) {
            int kind = text_info[(r - FIRST_TEXT) * 2];
            int v = value[r];
            if (kind == TKIND_TIED) {
                fprintf(f, "%5d tied to %4d ", v >= 0 && v <= LAST_TEXT ? value[v] : 0, v);
                show_name(v, f);
            } else {
                fprintf(f, "%5d", v);
                if (kind <= TKIND_ASSIGNED) fputs(kind_names[kind], f);
            }
        } else if (r <= LAST_OBJECT) {
            fprintf(f, "%5d", value[r]);
            show_bits(r, 2, f);
            fprintf(f, " at %4d ", location[r]);
            show_name(location[r], f);
        } else if (r <= LAST_PLACE) {
            fprintf(f, "%5d", value[r]);
            show_bits(r, 2, f);
        } else if (r >= FIRST_VARIABLE) {
            fprintf(f, "%5d", value[r]);
            if (*bitword(r) == ref_mark && value[r] >= 0) {
                fputs(" => ", f);
                show_name(value[r], f);
            } else {
                show_bits(r, 1, f);
            }
        }
        fputc('\n', f);
    }
    if (f == log_file) say(0, DUMP_NOTICE, 0);
}
