// Command input: the turn boundary. Before a line is read the turn's
// autosave (with the turn's transcript) is written and its output flushed
// (in the browser the output goes first, so the player never waits for the
// disk; the autosave follows before the next command is read); the line
// then comes from the command file being replayed, the browser, the console
// (readline or plain standard input) or the one command of the command line;
// it is cleaned and recorded in the log as "\nREPLY: %s\n". Also the log's
// closing trailer and the copy of a vocabulary word out of the database.
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

#include <readline/history.h>
#include <readline/readline.h>

#include "config.h"
#include "display.h"
#include "input.h"
#include "persist.h"
#include "startup.h"
#include "state.h"
#include "text.h"

FILE *com_file = nullptr;  // the command file being replayed, or null
FILE *log_file = nullptr;  // the log, or null
int query_flag = 0;        // set while query() reads a yes/no answer: no autosave is due
int (*line_source)(char *buf, int size) = nullptr;  // a test's lines in place of the console

char typed_line[COMLINE_SIZE];  // the last line read, as typed

namespace {

// Reads one whole line (without its newline) into buf, keeping at most
// size - 1 bytes; the rest of an over-long line is read and dropped, so it
// never comes back as a line of its own. Returns 0 at end of file with
// nothing read. *had_newline tells whether the line ended in a newline.
int read_line(FILE *f, char *buf, int size, bool *had_newline) {
    int n = 0, c;
    bool any = false;
    *had_newline = false;
    while ((c = getc(f)) != EOF) {
        any = true;
        if (c == '\n') {
            *had_newline = true;
            break;
        }
        if (n < size - 1) buf[n++] = char(c);
    }
    buf[n] = 0;
    return any;
}

// Control bytes (and DEL) become blanks, so that typed input can neither
// carry page mark-up nor split one logged command into several. A newline
// that ends the line is kept.
void blank_controls(char *s) {
    for (char *p = s; *p; p++) {
        unsigned char c = (unsigned char)*p;
        if (c == '\n' && p[1] == 0) break;
        if (c < 0x20 || c == 0x7F) *p = ' ';
    }
}

// Quotes never reach the parser; the line as typed is kept.
void blank_quotes(char *s) {
    std::snprintf(typed_line, sizeof typed_line, "%s", s);
    for (char *p = s; *p; p++)
        if (*p == '"' || *p == '\'') *p = ' ';
}

void rebuild_prompt() {
    if (!prompt_line || prompt_len < 20 || Margin + 3 > prompt_len) prompt_alloc();
    int m = Margin;
    if (m < 0) m = 0;
    if (m + 3 > prompt_len) m = prompt_len - 3;
    std::memset(prompt_line, ' ', size_t(prompt_len < 20 ? prompt_len : 20));
    prompt_line[m] = '?';
    prompt_line[m + 1] = ' ';
    prompt_line[m + 2] = 0;
    prompt_ptr = prompt_line + m + 2;
}

void empty_prompt() {
    if (!prompt_line) return;
    prompt_line[0] = 0;
    prompt_ptr = prompt_line;
}

// Where the pending output ended once a resume had shown the last turn
// again; -1 when no resume waits for its first command.
int resume_shown_to = -1;

// The first turn boundary after a resume. The game has run its turn again
// up to the command, and what it said on the way may be just what the
// turn shown ends with (a warning it gives every turn): that repeat is
// dropped, so that the resume shows the last turn as it was played and the
// autosave keeps that turn, not the turn and its repeat. Anything else the
// game said is new, and stays.
void drop_repeat_after_resume() {
    const int from = resume_shown_to;
    resume_shown_to = -1;
    text_setup();
    const int end = int(lptr - text_buf);
    if (from < 0 || from >= end) return;
    const std::string &last = autosave_transcript();
    const size_t n = size_t(end - from);
    if (n > last.size() || std::memcmp(text_buf + from, last.data() + last.size() - n, n) != 0) return;
    lptr = text_buf + from;
    *lptr = 0;
    text_len = text_len > int(n) ? text_len - int(n) : 0;
}

// The turn's autosave with its transcript, the pending output from orl_skip
// on: written now, or with `now` false the transcript kept for the
// autosave written once the page has its answer.
void autosave_with_transcript(bool now) {
    text_setup();
    int len = int(std::strlen(text_buf));
    if (orl_skip > len || orl_skip < 0) orl_skip = 0;
    if (now)
        value[0] = autosave_turn(text_buf + orl_skip, size_t(len - orl_skip));
    else
        set_transcript(text_buf + orl_skip, size_t(len - orl_skip));
}

// Appends kernel mark-up to the pending output exactly as given.
void out_raw(const char *s) {
    while (*s) outbyte_raw((unsigned char)*s++);
}

// The echo of a replayed command in console mode: mark-up that the console
// filter drops and the browser shows.
void echo_markup(const char *command) {
    text_setup();
    while (lptr > text_buf && (lptr[-1] == ' ' || lptr[-1] == TC_HARD_SPACE)) {
        *--lptr = 0;
        text_len--;
    }
    if (text_len < 0) text_len = 0;
    char prompt_char = '?';
    char tmp[64];
    if (lptr == text_buf || lptr[-1] == '\n') {
        if (!compress) {
            std::snprintf(tmp, sizeof tmp, "%cbr /%c", TC_TAG_START, TC_TAG_END);
            out_raw(tmp);
        }
    } else {
        prompt_char = lptr[-1];
        *--lptr = 0;
        text_len--;
        if (text_len < 0) text_len = 0;
    }
    std::snprintf(tmp, sizeof tmp, "%cspan class=\"query\"%c%c ", TC_TAG_START, TC_TAG_END, prompt_char);
    out_raw(tmp);
    out_raw(command);
    std::snprintf(tmp, sizeof tmp, "%c/span%c%c/div%c%c%cdiv name=\"chunk\"%c", TC_TAG_START, TC_TAG_END,
                  TC_TAG_START, TC_TAG_END, compress ? ' ' : '\n', TC_TAG_START, TC_TAG_END);
    out_raw(tmp);
}

// Replays the command file: true when a command was found, false when the
// file has ended (it is then closed and input goes back to the player).
bool from_command_file(char *buf, int size) {
    // A live browser turn would flush here and feed the recent-words tree;
    // a replay keeps the output but still feeds the tree, so that it gives
    // the same answers as the run it replays.
    if (mode == MODE_BROWSER) word_feed();
    static char line[COMLINE_SIZE + 8];
    for (;;) {
        if (mode != MODE_CONSOLE && prompt_line) {
            std::fputs(prompt_line, console_out);
            empty_prompt();
        }
        bool nl;
        if (!read_line(com_file, line, int(sizeof line), &nl) || std::strncmp(line, "INTERACT", 8) == 0) {
            std::fclose(com_file);
            com_file = nullptr;
            return false;
        }
        size_t len = std::strlen(line);
        while (len > 0 && (line[len - 1] == '\n' || line[len - 1] == '\r')) line[--len] = 0;
        if (std::strncmp(line, "REPLY:", 6) != 0) continue;
        std::snprintf(buf, size_t(size), "%s", line + 6);
        blank_controls(buf);
        // The command as it follows "REPLY: " (a bare "REPLY:" has none).
        const char *command = buf[0] == ' ' ? buf + 1 : buf;
        if (mode == MODE_CONSOLE) {
            echo_markup(command);
        } else {
            std::fprintf(console_out, "%s\n", buf);
            if (!compress) std::fputc('\n', console_out);
        }
        return true;
    }
}

// Reads a line from the console; false at end of input.
bool from_console(char *buf, int size) {
    if (line_source) return line_source(buf, size) != 0;
    if (mode == MODE_CONSOLE) {
        // The prompt is shown first at the output's pace, then readline
        // shows it again over it after the carriage return; when the output
        // is no terminal the return undoes nothing, so readline alone shows it.
        if (isatty(fileno(console_out))) {
            showline(prompt_line ? prompt_line : "");
            std::fputc('\r', console_out);
        }
        std::fflush(console_out);
        rl_instream = console_in;
        rl_outstream = console_out;
        char *line = readline(prompt_line ? prompt_line : "");
        if (!compress) std::fputc('\n', console_out);
        if (!line) return false;
        std::snprintf(buf, size_t(size), "%s", line);
        add_history(line);
        std::free(line);
        buf[size - 1] = 0;
        return true;
    }
    // The plain console has no line editor to show the prompt: print it.
    if (prompt_line) {
        std::fputs(prompt_line, console_out);
        std::fflush(console_out);
    }
    bool nl;
    if (!read_line(console_in, buf, size - 1, &nl)) return false;
    if (nl) std::strcat(buf, "\n");  // a line from standard input keeps its newline
    return true;
}

}  // namespace

void log_printf(const char *fmt, ...) {
    if (!log_file) return;
    va_list ap;
    va_start(ap, fmt);
    std::vfprintf(log_file, fmt, ap);
    va_end(ap);
}

void orvcpy(char *buf, int offset) {
    int k = 0;
    if (offset > 0 && offset < text_size) {
        int p = offset;
        if (get_char(p) == '!') p++;
        for (; k < WORD_SIZE - 1 && p < text_size; k++, p++) {
            int c = get_char(p);
            if (c == 0) break;
            buf[k] = char(c);
        }
    }
    buf[k] = 0;
}

size_t whole_chars(const char *s, size_t n) {
    // Back over the continuation bytes (10xxxxxx) at the end to the byte
    // that begins their character; its lead byte tells how long it is.
    size_t start = n;
    while (start > 0 && (static_cast<unsigned char>(s[start - 1]) & 0xC0) == 0x80) start--;
    if (start == 0) return n;
    const unsigned char lead = static_cast<unsigned char>(s[start - 1]);
    const size_t len = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    return start - 1 + len > n ? start - 1 : n;
}

void copy_typed(char *dest, size_t size, const char *src) {
    if (size == 0) return;
    size_t n = std::strlen(src);
    if (n >= size) n = whole_chars(src, size - 1);
    std::memcpy(dest, src, n);
    dest[n] = 0;
}

void close_files() {
    if (com_file) {
        std::fclose(com_file);
        com_file = nullptr;
    }
    if (log_file) {
        std::fputs("\nINTERACT\n", log_file);
        for (int i = 0; i < 39; i++) std::fputs("*-", log_file);
        std::fputs("*\n", log_file);
        std::fclose(log_file);
        log_file = nullptr;
    }
    tree_free();
}

void resume_shown() {
    text_setup();
    resume_shown_to = int(lptr - text_buf);
}

void get_input(char *buf, int size) {
    if (!buf || size < 2) return;
    // 1. The prompt.
    if (!prompt_line || !prompt_line[0]) rebuild_prompt();
    extra_dwarvish = 0;
    // 2. Autosave and transcript at a turn boundary; in the browser, once
    // the page has its answer (step 9).
    if (resume_shown_to >= 0) drop_repeat_after_resume();
    bool autosave_due = text_len > 3 && value[KV_QUESTION] == 0 && query_flag == 0;
    if (autosave_due) {
        const bool now = mode != MODE_BROWSER || com_file;
        autosave_with_transcript(now);
        if (now) autosave_due = false;
    }
    // 3. Flush.
    if (mode != MODE_BROWSER && mode != MODE_ONE_COMMAND && text_len > 0) {
        outbuf(0);
        scrchk(nullptr);
    }
    // 4.
    upcase = 1;
    buf[0] = 0;
    bitmod('s', KV_QUESTION, 4);
    // 5. After the one command of -x, -y or --: save and stop.
    if (mode == MODE_RESTORE_STOP || mode == MODE_ONE_DONE) {
        if (!query_flag) value[0] = autosave();
        tree_free();
        fablet_exit(0);
    }
    // 6. The one command of -y or --.
    if (mode == MODE_ONE_COMMAND) {
        copy_typed(buf, size_t(size), extcom);
        mode = MODE_ONE_DONE;
        blank_controls(buf);
        blank_quotes(buf);
        log_printf("\nREPLY: %s\n", buf);
        return;
    }
    // 7.
    query_flag = 0;
    // 8. The command file.
    bool got = com_file && from_command_file(buf, size);
    if (!got) {
        if (mode == MODE_BROWSER) {
            // 9. The browser.
            outbuf(0);
            if (autosave_due) value[0] = autosave();
            browser_read(buf, size, browser_timeout);
        } else if (!quitting || end_pause) {
            // 10. The console.
            if (!from_console(buf, size)) {
                buf[0] = 0;
                if (!quitting) {
                    std::fputc('\n', console_out);
                    std::fflush(console_out);
                    close_files();
                    fablet_exit(0);
                }
            }
        }
    }
    // 11.
    if (log_file && mode != MODE_BROWSER && prompt_line) {
        std::fputs(prompt_line, log_file);
        std::fflush(log_file);
    }
    // 12. A line that fills the buffer ends in a newline, in place of its
    // last byte, or of the whole character that byte is part of.
    buf[size - 1] = 0;
    if (std::strlen(buf) >= size_t(size - 2)) {
        const size_t n = whole_chars(buf, size_t(size - 2));
        buf[n] = '\n';
        buf[n + 1] = 0;
    }
    // 13.
    blank_controls(buf);
    blank_quotes(buf);
    // 14.
    log_printf("\nREPLY: %s\n", buf);
    // 15.
    empty_prompt();
}
