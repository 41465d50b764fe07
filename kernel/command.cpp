// The command reader: splits an input line into words and separators and
// hands the game one command at a time: the refnos of its first and second
// word (variables 1144, 1145), the word count or a failure code (1178), the
// typed words, and the objects of an except list (its ending code in 1263).
// Also the default object of a one-word command and the ALL iteration, the
// game's way of faking words and of keeping and restoring a command, and the
// yes/no query.
#include <cstring>
#include <string>

#include "input.h"
#include "persist.h"
#include "startup.h"
#include "state.h"
#include "text.h"

namespace {

// A line of COMLINE_SIZE bytes holds at most half as many words.
constexpr int MAX_WORDS = COMLINE_SIZE / 2 + 1;

char *tp_store[MAX_WORDS + 2];
char sep_store[MAX_WORDS + 2] = {' ', '\n'};
int except_store[MAX_WORDS + 1];
char say_store[COMLINE_SIZE];
char preset_word[COMLINE_SIZE];

int nwords = 0;              // words of the parsed line (tp beyond them is stale)
const char *dropped = nullptr;  // the parsed line's first dropped word that is no separator
int prev1 = -1, prev2 = -1;  // the previous command's words
int orphan = 0;
char orphan_word[WORD_SIZE];
int done_again = 0;
char temp_word[WORD_SIZE];

// input_store's slot.
int32_t qtext, qstat, qarg1, qarg2;
char qargw1[WORD_SIZE], qargw2[WORD_SIZE];

int strength(char c) { return c == '\n' ? 3 : c == ';' ? 2 : c == ',' ? 1 : 0; }
char stronger(char a, char b) { return strength(a) >= strength(b) ? a : b; }
bool is_sep(char c) { return c == ' ' || c == ',' || c == ';' || c == '\n'; }

void copy_word(char *dest, const char *src) { copy_typed(dest, WORD_SIZE, src ? src : ""); }

inline bool word_left() { return tindex >= 0 && tindex < nwords && tp[tindex] != nullptr; }

// Whether the line still holds a word at position pos (a dropped rest of
// the line counts as gone).
bool word_at(int pos) {
    if (pos < 0 || pos >= nwords) return false;
    for (int i = 0; i <= pos; i++)
        if (!tp[i]) return false;
    return true;
}

inline bool in_words(int r) { return r >= FIRST_WORD && r <= LAST_WORD; }

}  // namespace

char comline[COMLINE_SIZE];       // the current input line, parsed in place
char raw_comline[COMLINE_SIZE];   // the line as it was read
char old_comline[COMLINE_SIZE];   // the previous line that held words, for "again"
char **tp = tp_store;             // the parsed line's words, ended by a null pointer
char *separator = sep_store;      // the separator before each word: ' ', ',', ';' or '\n'
int tindex = 0;                   // the next word to read
int amatch = 1;                   // the line's matching mode: 1 graded, 0 no typos, -1 words as typed
char arg1_word[WORD_SIZE];        // the first word as typed, or as the vocabulary shows it
char arg2_word[WORD_SIZE];        // the same for the second word
char arg3_word[WORD_SIZE];        // the same for the word of the except list
char orig[WORD_SIZE];             // the word as typed that the typo report names
char long_word[COMLINE_SIZE];     // a first or second word of over 16 letters, whole
char orig1[WORD_SIZE];            // the first word exactly as typed
char orig2[WORD_SIZE];            // the second word exactly as typed
char *say_buf = say_store;        // the literal rest of a say command
int *except_list = except_store;  // the objects an ALL command excepts
int except_count = 0;             // how many there are
int location_all = 0;             // the place an ALL command takes its objects from
int type_all = 0;                 // the flag those objects need, -1 any

int in_except(int obj) {
    for (int i = 0; i < except_count; i++)
        if (except_list[i] == obj) return 1;
    return 0;
}

void parse() {
    // 1, 2. Lower-case, then split into words, each run of separators
    // becoming its strongest member.
    // Full stops that end a word (after a letter or digit, before a blank, a
    // separator or the end of the line) end its command as a semicolon
    // does: "take lamp. light it" is two commands. Full stops inside a
    // word ("my.game") or making up a whole word ("..") stay.
    for (char *p = comline; *p; p++) {
        if (*p >= 'A' && *p <= 'Z') *p = char(*p - 'A' + 'a');
        if (*p == '.' && p > comline && p[-1] != '.' && !is_sep(p[-1])) {
            char *end = p;
            while (*end == '.') end++;
            if (*end == 0 || is_sep(*end))
                for (; p < end; p++) *p = ';';
            p = end - 1;
        }
    }
    char *r = comline, *w = comline;
    while (*r == ' ' || *r == ',' || *r == ';' || *r == '\n') r++;
    int n = 0;
    separator[0] = ' ';
    while (*r && n < MAX_WORDS) {
        tp[n] = w;
        while (*r && !is_sep(*r)) *w++ = *r++;
        char s = ' ';
        bool any = false;
        while (*r && is_sep(*r)) {
            s = any ? stronger(s, *r) : *r;
            any = true;
            r++;
        }
        *w++ = 0;
        n++;
        separator[n] = *r ? s : '\n';
    }
    if (n == 0) std::snprintf(comline, sizeof comline, "\n");
    tp[n] = nullptr;
    separator[n] = '\n';

    // 3. Look the words up: separator words become separators, noise words
    // are dropped; the separators of dropped words merge into the next.
    // A separator word typed in full is a separator; a noise word, or a
    // separator word read only by the corrector, is remembered as dropped.
    static bool keep[MAX_WORDS + 1];
    dropped = nullptr;
    for (int i = 0; i < n; i++) {
        tindex = i;
        int type = 0, refno = -1, word = 0;
        find_word(&type, &refno, &word, 1, 0);
        keep[i] = true;
        if (refno == KW_LIST_SEPARATOR) {
            separator[i + 1] = stronger(separator[i + 1], ',');
            keep[i] = false;
        } else if (refno == KW_COMMAND_SEPARATOR) {
            separator[i + 1] = stronger(separator[i + 1], ';');
            keep[i] = false;
        } else if (type == 20) {
            keep[i] = false;
        }
        if (!keep[i] && !dropped && (type == 20 || !found_exact)) dropped = tp[i];
    }
    int k = 0;
    char pending = 0;
    for (int i = 0; i < n; i++) {
        pending = pending ? stronger(pending, separator[i]) : separator[i];
        if (!keep[i]) continue;
        tp[k] = tp[i];
        separator[k] = pending;
        pending = 0;
        k++;
    }
    // 4.
    tp[k] = nullptr;
    separator[k] = '\n';
    nwords = k;
    tindex = 0;
    // 5.
    amatch = 1;
    if (value[KV_COMMAND_STATUS] == 98) amatch = -1;
    if (value[KV_COMMAND_STATUS] == 99) amatch = 0;
    // 6.
    value[KV_ARG1] = value[KV_ARG2] = value[KV_COMMAND_STATUS] = -1;
}

void command_preset(const char *word) {
    if (!word) {
        tp[0] = nullptr;
        separator[0] = '\n';
        tindex = 0;
        nwords = 0;
        return;
    }
    std::snprintf(preset_word, sizeof preset_word, "%s", word);
    tp[0] = preset_word;
    tp[1] = nullptr;
    separator[0] = ' ';
    separator[1] = '\n';
    nwords = 1;
    tindex = 1;
}

void command_reset() {
    command_preset(nullptr);
    comline[0] = raw_comline[0] = old_comline[0] = typed_line[0] = long_word[0] = 0;
    arg1_word[0] = arg2_word[0] = arg3_word[0] = orig[0] = orig1[0] = orig2[0] = 0;
    amatch = 1;
    dropped = nullptr;
    prev1 = prev2 = -1;
    orphan = 0;
    orphan_word[0] = 0;
    done_again = 0;
    qtext = qstat = qarg1 = qarg2 = 0;
    qargw1[0] = qargw2[0] = 0;
    except_count = 0;
    location_all = 0;
    type_all = 0;
}

namespace {

// A line that gave no word but held more than separators (a noise word, a
// word that the corrector read as a separator, quotes alone) becomes a
// command of one word as typed, which the word loop reads as unknown: every
// line typed gets an answer. False for a line of separators alone.
bool word_as_typed() {
    const char *w = dropped;
    std::string first;
    // Else the first typed word that held a quote (quotes become blanks).
    for (const char *p = typed_line; !w && *p;) {
        while (*p && is_sep(*p)) p++;
        first.clear();
        while (*p && !is_sep(*p)) first += *p++;
        if (first.find_first_of("\"'") != std::string::npos) w = first.c_str();
    }
    if (!w) return false;
    command_preset(w);
    tindex = 0;
    return true;
}

// The word loop's answer for one pass.
enum class step { done, next_line, again_run };

// Reads the next line into the word list; false when get_command is to
// return (loop set, or an empty line answers).
bool read_line(int prompt) {
    if (raw_comline[0] && std::strcmp(raw_comline, "\n") != 0) std::snprintf(old_comline, sizeof old_comline, "%s", raw_comline);
    for (;;) {
        done_again = 0;
        scrchk(nullptr);
        if (prompt) say(0, prompt, 0);
        get_input(comline, COMLINE_SIZE - 1);
        if (loop) return false;
        std::snprintf(raw_comline, sizeof raw_comline, "%s", comline);
        if (comline[0] == 0 || std::strcmp(comline, "\n") == 0) {
            if (prompt == 0 && value[KV_QUESTION] == 0) continue;
            value[KV_COMMAND_STATUS] = 0;
            value[KV_ARG1] = value[KV_ARG2] = -1;
            return false;
        }
        scrchk(nullptr);
        parse();
        return true;
    }
}

// The except list after an object-taking command; returns true when a code
// ended it (get_command then returns at once).
bool except_words() {
    if (!word_left() || separator[tindex] != ' ') return false;
    int type = 0, refno = -1, word = 0;
    find_word(&type, &refno, &word, 3, 0);
    if (refno != KW_EXCEPT) return false;
    tindex++;
    int code = -1;
    while (word_left() && (separator[tindex] == ' ' || separator[tindex] == ',')) {
        type = 0, refno = -1, word = 0;
        find_word(&type, &refno, &word, 3, 1);
        if (refno < -1) {
            code = refno;
            break;
        }
        if (refno > LAST_OBJECT) {
            code = PARSE_BAD_SYNTAX;
            break;
        }
        if (!in_except(refno) && except_count < MAX_WORDS) except_list[except_count++] = refno;
        tindex++;
    }
    value[KV_ARG3] = code;
    return code != -1;
}

// One pass of the word loop over the current line. Returns done when a
// command is ready, next_line when the line is used up (or dropped).
step word_loop(bool comma_pending) {
    while (word_left()) {
        int start = tindex;
        // 1.
        orig1[0] = 0;
        orig[0] = 0;
        int type = 0, refno = -1, word = 0;
        find_word(&type, &refno, &word, separator[tindex] == ',' ? 2 : 1, 1);
        copy_word(orig1, tp[tindex]);
        tindex++;
        // 2, 3.
        if ((bitest(KV_COMMAND_STATUS, 5) && refno <= LAST_PLACE) || comma_pending) {
            value[KV_ARG1] = prev1;
            value[KV_ARG2] = refno;
            value[KV_COMMAND_STATUS] = 2;
        } else {
            value[KV_ARG1] = refno;
            value[KV_COMMAND_STATUS] = 1;
            orig2[0] = 0;
            if (separator[tindex] == ' ' && word_left()) {
                if (refno >= KW_FIRST_MAGIC && refno <= KW_LAST_MAGIC) {
                    separator[tindex] = ';';
                } else {
                    int saved_amatch = amatch;
                    if (refno == KW_SAY) {
                        // The say word: the rest of the command, literally.
                        say_buf[0] = 0;
                        size_t used = 0;
                        for (int j = tindex; tp[j] && (j == tindex || separator[j] != ';'); j++) {
                            size_t len = std::strlen(tp[j]);
                            if (used + len + 2 > COMLINE_SIZE) break;
                            if (used) say_buf[used++] = ' ';
                            std::memcpy(say_buf + used, tp[j], len);
                            used += len;
                            say_buf[used] = 0;
                            if (j > tindex && separator[j] == ' ') separator[j] = ',';
                        }
                    } else if (refno >= KW_FIRST_LITERAL && refno <= KW_LAST_LITERAL && amatch == 1) {
                        amatch = -1;
                    }
                    type = 0;
                    int r2 = -1;
                    word = 0;
                    find_word(&type, &r2, &word, 2, 1);
                    amatch = saved_amatch;
                    copy_word(orig2, tp[tindex]);
                    tindex++;
                    value[KV_ARG2] = r2;
                    value[KV_COMMAND_STATUS] = 2;
                }
            }
        }
        // 4. The orphan completes a command that lacked its partner.
        if (value[KV_COMMAND_STATUS] == 1 && orphan != 0 && ((orphan <= LAST_OBJECT) != (refno <= LAST_OBJECT))) {
            value[KV_ARG2] = orphan;
            std::memcpy(arg2_word, orphan_word, WORD_SIZE);
            value[KV_COMMAND_STATUS] = 2;
        }
        orphan = 0;
        // 5. Again. A procedure of the word that ends the turn has answered
        // the command itself: nothing is repeated.
        bool answered = false;
        auto again = [] { return value[KV_ARG1] == KW_AGAIN || value[KV_ARG2] == KW_AGAIN; };
        if (again() && tindex > done_again && procs[KW_AGAIN] != procs[0]) {
            const int loop_before = loop;
            procs[KW_AGAIN]();
            answered = loop && !loop_before;
        }
        if (!answered && again()) {
            if (!word_at(done_again)) return step::next_line;
            if (tindex <= done_again) continue;
            done_again = tindex;
            if (start == 0) {
                // Nothing before it on this line: the previous line again.
                if (old_comline[0] && std::strcmp(old_comline, "\n") != 0) {
                    // The previous line takes this one's place, also as the
                    // line kept for the next "again".
                    std::snprintf(comline, sizeof comline, "%s", old_comline);
                    std::snprintf(raw_comline, sizeof raw_comline, "%s", old_comline);
                    parse();
                    if (tp[0]) return step::again_run;
                }
                command_preset(nullptr);  // nothing to repeat: a new line
                return step::next_line;
            }
            int j = start - 1;
            while (j > 0 && separator[j] != ';') j--;
            tindex = j;
            return step::again_run;
        }
        // 6. A literal-next-word verb given second.
        int count = value[KV_COMMAND_STATUS];
        int a1 = value[KV_ARG1], a2 = value[KV_ARG2];
        auto literal = [](int r) { return r >= KW_FIRST_LITERAL && r <= KW_LAST_LITERAL; };
        if (count == 2 && literal(a2) && !literal(a1)) {
            int32_t dummy = 0;
            special(SPECIAL_SWAP_ARGS, &dummy);
            if (value[KV_ARG2] >= -2) {
                value[KV_COMMAND_STATUS] = 1;
                value[KV_ARG2] = -1;
            }
        }
        // 7, 8.
        a1 = value[KV_ARG1];
        a2 = value[KV_ARG2];
        count = value[KV_COMMAND_STATUS];
        if ((a1 <= -2 && a1 >= -4) || (a2 <= -2 && a2 >= -4)) {
            tp[tindex] = nullptr;
        } else if (count == 2 && in_words(a2) && !in_words(a1)) {
            value[KV_ARG1] = a2;
            value[KV_ARG2] = a1;
            std::memcpy(temp_word, arg1_word, WORD_SIZE);
            std::memcpy(arg1_word, arg2_word, WORD_SIZE);
            std::memcpy(arg2_word, temp_word, WORD_SIZE);
        }
        // 9.
        arg1_word[WORD_SIZE - 1] = 0;
        arg2_word[WORD_SIZE - 1] = 0;
        if (value[KV_DWARVISH]) {
            shift_dwarvish(arg1_word, WORD_SIZE, -1);
            shift_dwarvish(arg2_word, WORD_SIZE, -1);
        }
        // 10.
        if (except_words()) return step::done;
        // 11. Words left over inside this command.
        count = value[KV_COMMAND_STATUS];
        if (word_left() && separator[tindex] != ';') {
            char s = separator[tindex];
            bool third_word = s == ' ' || (s == ',' && tp[tindex + 1] && separator[tindex + 1] == ' ');
            if (count == 2 && third_word) {
                value[KV_COMMAND_STATUS] = PARSE_BAD_SYNTAX;
                tp[tindex] = nullptr;  // the rest of the line goes, as after a failure code
            } else {
                while (word_left() && separator[tindex] == ' ') tindex++;
            }
        }
        // 12.
        if (value[KV_COMMAND_STATUS] == 1) value[KV_ARG2] = -1;
        if (value[KV_COMMAND_STATUS] == PARSE_BAD_SYNTAX) value[KV_ARG2] = PARSE_BAD_SYNTAX;
        return step::done;
    }
    return step::next_line;
}

}  // namespace

void get_command(int prompt) {
    bool comma_pending = false;
    if (prompt == -1) {
        while (word_loop(false) == step::again_run) {}
        return;
    }
    // 1.
    bitmod('c', KV_COMMAND_STATUS, 0);
    // 2.
    if (value[KV_COMMAND_STATUS] == -1 && value[KV_ARG3] == -1) {
        std::printf("\nSorry... This game does not support command line restore.\n");
        fablet_exit(1);
    }
    // 3.
    if (!value_all) except_count = 0;
    orig[0] = 0;
    *bitword(KV_ARG1) = ref_mark;
    *bitword(KV_ARG2) = ref_mark;
    // 4. The ALL iteration: the same verb with the next object.
    bool all_at_entry = value_all != 0;
    if (all_at_entry) {
        default_to(2, location_all, type_all);
        if (word_left() && separator[tindex] == ',') prev1 = value[KV_ARG1];
        if (value_all) return;
    }
    // 5.
    if (!all_at_entry) {
        prev1 = value[KV_ARG1];
        prev2 = value[KV_ARG2];
    }
    // 6.
    if (bitest(KV_COMMAND_STATUS, 5)) {
        orphan = prev1;
        std::memcpy(orphan_word, arg1_word, WORD_SIZE);
    } else {
        orphan = 0;
        orphan_word[0] = 0;
    }
    bitmod('c', KV_COMMAND_STATUS, 5);
    // 7.
    comma_pending = tindex != 0 && word_left() && separator[tindex] == ',';
    // 8.
    if (word_left() && separator[tindex] == ';') {
        value[KV_ARG1] = value[KV_ARG2] = -1;
        outbyte('\n');
    }
    // 9.
    bitmod('c', KV_QUESTION, 4);
    for (;;) {
        // 10. The undo journal records the finished command.
        if (value[KV_UNDO_RESULT] >= 0)
            save_changes();
        else
            journal_clear();
        // 11, 12.
        if (word_left()) {
            if (prompt) say(0, prompt, 0);
        } else {
            if (!read_line(prompt)) return;
            if (!word_left()) {
                if (word_as_typed()) {
                    const int line_amatch = amatch;
                    amatch = -1;  // the word stays as typed: unknown
                    step s = word_loop(false);
                    amatch = line_amatch;
                    if (s == step::done) return;
                    continue;
                }
                raw_comline[0] = 0;  // a line of separators alone is no line to repeat
                continue;
            }
        }
        // 13.
        step s;
        while ((s = word_loop(comma_pending)) == step::again_run) comma_pending = false;
        if (s == step::done) return;
        comma_pending = false;
    }
}

void default_to(int how, int place, int flag) {
    if (how == 0 && value[KV_COMMAND_STATUS] != 1) return;
    int first = how == 2 ? value_all + 1 : FIRST_OBJECT;
    if (first < FIRST_OBJECT) first = FIRST_OBJECT;
    int found = 0;
    for (int obj = first; obj <= LAST_OBJECT; obj++) {
        if (in_except(obj)) {
            for (int i = 0; i < except_count; i++)
                if (except_list[i] == obj) {
                    except_list[i] = except_list[--except_count];
                    break;
                }
            continue;
        }
        bool at = location[obj] == place ||
                  (place != K_CARRIED && bitest(obj, 6) && location[obj] + 1 == place);
        if (!at) continue;
        if (flag >= 0 && !bitest(obj, flag)) continue;
        if (found) {
            if (how == 0) {
                value[KV_ARG2] = PARSE_AMBIGUOUS;
                return;
            }
            break;
        }
        found = obj;
        if (how != 0) break;
    }
    if (!found) {
        if (how != 0) value_all = 0;
        value[KV_ARG2] = 0;
        return;
    }
    value[KV_ARG2] = found;
    orvcpy(arg2_word, textadr[found]);
    if (value[KV_DWARVISH] || extra_dwarvish) shift_dwarvish(arg2_word, WORD_SIZE, 1);
    arg2_word[WORD_SIZE - 1] = 0;
    value[KV_COMMAND_STATUS] = 2;
    if (!value_all) value[K_PRONOUN] = found;
    if (how != 0) value_all = found;
    if (how == 1) {
        location_all = place;
        type_all = flag;
    }
}

void fake(int n, int refno) {
    char *buf = n == 1 ? arg1_word : arg2_word;
    if (refno >= 0 && refno <= LAST_TEXT && textadr[refno]) {
        orvcpy(buf, textadr[refno]);
        return;
    }
    for (int e = 0; e < NVOCAB; e++)
        if (voc_refno[e] == refno && refno != 0) {
            orvcpy(buf, voc_word[e]);
            return;
        }
    copy_word(buf, "*GLITCH*");
}

void input_store(char op, int32_t *variable) {
    if (op == 'S') {
        qtext = *variable;
        qstat = value[KV_COMMAND_STATUS];
        qarg1 = value[KV_ARG1];
        std::memcpy(qargw1, arg1_word, WORD_SIZE);
        if (qstat == 2) {
            qarg2 = value[KV_ARG2];
            std::memcpy(qargw2, arg2_word, WORD_SIZE);
        } else {
            qarg2 = -1;
            qargw2[0] = 0;
        }
        return;
    }
    *variable = qtext;
    value[KV_COMMAND_STATUS] = qstat;
    value[KV_ARG1] = qarg1;
    value[KV_ARG2] = qarg2;
    std::memcpy(arg1_word, qargw1, WORD_SIZE);
    std::memcpy(arg2_word, qargw2, WORD_SIZE);
}

int query(int prompt) {
    for (int tries = 0;; tries++) {
        if (prompt >= 0)
            say(0, prompt, 0);
        else
            scrchk(nullptr);
        char answer[10];
        query_flag = 1;
        get_input(answer, int(sizeof answer));
        const char *p = answer;
        while (*p == ' ') p++;
        if (*p == 0 || *p == '\n' || *p == 'y' || *p == 'Y') return 1;
        if (*p == 'n' || *p == 'N' || *p == 'q' || *p == 'Q') return 0;
        if (tries > 0) {
            say(0, 3524, 0);
            return 1;
        }
        say(0, 3522, 0);
    }
}
