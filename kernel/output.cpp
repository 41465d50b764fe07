// The output pipeline: a turn's output collects byte by byte in the text
// buffer; at each input it is flushed once, formatted as plain text (console
// and log: wrapped, optionally justified, paged) or as an HTML fragment that
// answers the browser's waiting request.
#include <climits>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

#include "config.h"
#include "display.h"
#include "input.h"
#include "startup.h"
#include "state.h"
#include "text.h"

char *text_buf;        // the turn's pending output, a C string
int text_buf_len;      // the bytes allocated for it
char *lptr;            // its end, where the next byte goes
int text_len;          // the bytes it holds
int orl_skip;          // where the turn's transcript starts in it (the browser's marker)
int eol_count;         // newlines in a row at its end (at most two are kept)
int upcase = 1;        // 1 after a sentence's end, 2: the next letter is a capital
int extra_dwarvish;    // the letter shift a text switched on for itself
char *obuf;            // the formatted output of a flush
int oblen;             // the bytes allocated for it
char *optr;            // its end
int http_offset;       // the room kept before it for the browser's answer head
int html_ok;           // 1: the output goes to the page as HTML
char *prompt_line;     // the prompt the console shows
char *prompt_ptr;      // where the typed line starts in it
int prompt_len;        // the bytes allocated for it
int compress;          // the blank-line suppression level (-b, COMPACT)
int justify;           // 1: console lines are justified (-j, JUSTIFY)
char compact[2] = "N"; // the -b option as given, before the configuration reads it
int cps;               // microseconds a character for the retro pace (-o), 0 none
int Screen = 24;       // the console's height in lines
int Linlen = 80;       // the console's width in columns
int Margin = 1;        // the blank columns on the left (and right) of the text
int Maxlen = 78;       // the width left for text: Linlen less both margins
int flip;              // justification alternates the side its extra blanks go
int lincnt;            // lines shown since the pager last paused

// The pending output starts at TEXT_BUF_START bytes and grows by
// TEXT_BUF_STEP whenever fewer than TEXT_BUF_SLACK are left; the formatted
// output starts at, and grows by, OBUF_STEP.
constexpr int TEXT_BUF_START = 4096;
constexpr int TEXT_BUF_STEP = 1024;
constexpr int TEXT_BUF_SLACK = 16;
constexpr int OBUF_STEP = 4096;
// The pager's reply: only its first byte counts; the rest of the line up
// to this size is read with it.
constexpr int PAGER_REPLY_SIZE = 4096;

FILE *console_out = stdout;
FILE *console_in = stdin;
int console_tty = -1;

// ---------------------------------------------------------------- text buffer

void text_setup() {
    if (text_buf) return;
    text_buf_len = TEXT_BUF_START;
    text_buf = static_cast<char *>(orvalloc(text_buf_len));
    lptr = text_buf;
    *lptr = 0;
    text_len = 0;
}

// One byte into the pending output. Newline runs are limited to one blank
// line; a zero byte is never stored (the buffer stays a C string) and, like
// TC_CENTRE_END, leaves a run of newlines unbroken.
static void put_byte(int c, bool raw) {
    if (!text_buf) text_setup();
    c &= 0xFF;
    if (lptr - text_buf >= text_buf_len - TEXT_BUF_SLACK) {
        int used = int(lptr - text_buf);
        text_buf_len += TEXT_BUF_STEP;
        text_buf = static_cast<char *>(orvrealloc(text_buf, text_buf_len));
        lptr = text_buf + used;
    }
    if (c == '\n') {
        if (++eol_count > 2) return;
    } else if (c != 0 && c != TC_CENTRE_END) {
        eol_count = 0;
    }
    if (c == 0) return;
    // Letters and digits as in the C locale, whatever locale the console
    // library may have set: the output never depends on it. A byte of a
    // UTF-8 character (a typed word's letter) is a letter too, left as it
    // is: the sentence has begun, and no letter after it is made a capital.
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
        if (!raw && upcase == 2 && c >= 'a' && c <= 'z') c -= 'a' - 'A';
        upcase = 0;
    } else if ((c >= '0' && c <= '9') || c >= 0x80) {
        upcase = 0;
    } else if (c == '.' || c == '!' || c == '?') {
        upcase = 1;
    }
    *lptr = char(c);
    if (!raw && (value[KV_DWARVISH] || extra_dwarvish)) shift_dwarvish(lptr, 1, 1);
    lptr++;
    text_len++;
    *lptr = 0;
}

void outbyte(int c) { put_byte(c, false); }

void outbyte_raw(int c) { put_byte(c, true); }

void outstr(const char *s) {
    while (*s) outbyte(static_cast<unsigned char>(*s++));
}

// Strip the pending output's trailing newlines so that a sentence goes on.
void glue_text() {
    text_setup();
    while (lptr > text_buf && lptr[-1] == '\n') {
        *--lptr = 0;
        text_len--;
    }
    if (text_len < 0) text_len = 0;
    eol_count = 0;
    // Text fed to the recent-words tree never lies past the end.
    if (fed_upto > int(lptr - text_buf)) fed_upto = int(lptr - text_buf);
}

void zap_text() {
    text_setup();
    lptr = text_buf;
    *lptr = 0;
    text_len = 0;
    orl_skip = 0;
}

// ---------------------------------------------------------------- output buffer

static void obuf_setup() {
    if (obuf) return;
    oblen = OBUF_STEP;
    obuf = static_cast<char *>(orvalloc(oblen));
    optr = obuf + http_offset;
    *optr = 0;
}

static void obuf_room(int n) {
    obuf_setup();
    int used = int(optr - obuf);
    if (used + n + 1 <= oblen) return;
    while (used + n + 1 > oblen) oblen += OBUF_STEP;
    obuf = static_cast<char *>(orvrealloc(obuf, oblen));
    optr = obuf + used;
}

void oputc(int c) {
    // Every formatted byte comes through here: room is looked for only when
    // the buffer is missing or full.
    if (!obuf || optr - obuf + 2 > oblen) obuf_room(1);
    *optr++ = char(c);
    *optr = 0;
}

void oputs(const char *s) {
    int n = int(strlen(s));
    obuf_room(n);
    memcpy(optr, s, size_t(n) + 1);
    optr += n;
}

static bool ends_with(char c) { return optr > obuf + http_offset && optr[-1] == c; }

static bool is_blank(int c) { return c == ' ' || c == TC_HARD_SPACE; }

// ---------------------------------------------------------------- formatting

// One character of running text (or a whole dropped tag); returns the next
// position. end bounds a plain-text tag with no TC_TAG_END.
static const char *ofilter(const char *p, const char *end, int html) {
    int c = static_cast<unsigned char>(*p);
    if (!html) {
        if (c == TC_TAG_START) {
            while (p < end && *p != TC_TAG_END) p++;
            return p < end ? p + 1 : end;
        }
        oputc(c);
        return p + 1;
    }
    switch (c) {
    case '&': oputs("&amp;"); break;  // a typed word shows as typed, never as an entity
    case '"': oputs("&quot;"); break;
    case '<': oputs("&lt;"); break;
    case '>': oputs("&gt;"); break;
    case TC_TAG_START: oputc('<'); break;
    case TC_TAG_END: oputc('>'); break;
    case TC_HARD_SPACE: oputs("&nbsp;"); break;
    case ' ':
        if (p + 1 < end && p[1] == ' ')
            oputs("&nbsp;");
        else
            oputc(' ');
        break;
    default: oputc(c);
    }
    return p + 1;
}

// The end of the line that starts at p inside a centred section.
static const char *line_end(const char *p, const char *end) {
    while (p < end && *p != '\n' && *p != TC_CENTRE_END) p++;
    return p;
}

// Lines centred one by one, from p up to TC_CENTRE_END or end; returns
// where the section stopped (at its TC_CENTRE_END or end).
static const char *centre_text_lines(const char *p, const char *end, int html) {
    while (p < end && *p != TC_CENTRE_END) {
        while (p < end && *p == ' ') p++;
        const char *e = line_end(p, end);
        if (!html) {
            int pad = (Maxlen - int(e - p)) / 2 - 3;
            for (int i = 0; i < pad; i++) oputc(' ');
        }
        while (p < e) p = ofilter(p, e, html);
        oputs(html ? "<br>" : "\n");
        if (p < end && *p == '\n') p++;
    }
    return p;
}

// Lines centred as one block, keeping their shape: the common indentation
// goes, then the block is padded to the middle.
static const char *centre_block(const char *p, const char *end, int html) {
    int minind = INT_MAX, maxlen = 0;  // INT_MAX while no line holds text
    const char *q = p;
    while (q < end && *q != TC_CENTRE_END) {
        const char *e = line_end(q, end);
        int ind = 0;
        while (q + ind < e && q[ind] == ' ') ind++;
        if (q + ind < e) {
            if (q[ind] == '\\' || q[ind] == '/') ind++;
            if (ind < minind) minind = ind;
        }
        if (e - q > maxlen) maxlen = int(e - q);
        q = e;
        if (q < end && *q == '\n') q++;
    }
    // A block of blank lines only has nothing to centre.
    int pad = minind == INT_MAX ? 0 : (Maxlen - maxlen + minind) / 2 - 2;
    bool first = true;
    while (p < end && *p != TC_CENTRE_END) {
        const char *e = line_end(p, end);
        if (!first) oputs(html ? "<br>" : "\n");
        first = false;
        p += (e - p < minind) ? e - p : minind;
        if (!html)
            for (int i = 0; i < pad; i++) oputc(' ');
        while (p < e) p = ofilter(p, e, html);
        if (p < end && *p == '\n') p++;
    }
    if (!html) oputc('\n');
    return p;
}

// Past a section's TC_CENTRE_END, take up to n newlines.
static const char *take_newlines(const char *p, const char *end, int n) {
    while (n-- > 0 && p < end && *p == '\n') p++;
    return p;
}

void format_buffer(int flag, int html) {
    text_setup();
    obuf_setup();
    optr = obuf + http_offset;
    *optr = 0;
    if (html) oputc(' ');  // room for the reply type letter
    const char *s = text_buf;
    const char *end = lptr;
    bool prompt = end > s && end[-1] != '\n';
    bool empty = end == s;
    while (s < end && *s == '\n') s++;
    int apart = 0;
    if (html && prompt) {
        // The prompt's last character is set apart in its own span; a
        // final blank goes, and the character before it is taken.
        apart = static_cast<unsigned char>(end[-1]);
        end--;
        if (is_blank(apart) && end > s) {
            apart = static_cast<unsigned char>(end[-1]);
            end--;
        }
        if (s > end) s = end;
    }
    bool join = false;
    while (s < end) {
        int c = static_cast<unsigned char>(*s);
        switch (c) {
        case '"':
            oputs(html ? "&quot;" : "\"");
            s++;
            break;
        case '\n':
            if (join) {
                join = false;
                s++;
                break;
            }
            if (!html && !(compress >= 2 && ends_with('\n'))) oputc('\n');
            if (s + 1 < end && s[1] == '\n') {
                if (html)
                    oputs(compress >= 2 ? "<br>" : "<br>&nbsp;<br>");
                else if (compress < 2)
                    oputc('\n');
                while (s < end && *s == '\n') s++;
            } else {
                // The text's own last newline needs no break; one before the
                // set-apart prompt character does.
                if (html && s + 1 < lptr) oputs("<br>");
                s++;
            }
            break;
        case TC_HARD_SPACE:
            // Plain text keeps the byte so that wrapping never breaks
            // there; showchar prints it as a blank.
            if (html)
                oputs("&nbsp;");
            else
                oputc(TC_HARD_SPACE);
            s++;
            break;
        case TC_CENTRE_LINES:
            if (html) oputs("<div style='text-align:center'>");
            s = centre_text_lines(s + 1, end, html);
            if (html) oputs("</div>");
            if (s < end) s++;  // the TC_CENTRE_END
            s = take_newlines(s, end, html && compress >= 2 ? 2 : 1);
            break;
        case TC_CENTRE_BLOCK:
        case TC_PRE_BLOCK:
            if (html) oputs("<table style='margin:auto' width=automatic><tr><td>");
            if (html && c == TC_PRE_BLOCK) oputs("<pre>");
            s = centre_block(s + 1, end, html);
            if (html && c == TC_PRE_BLOCK) oputs("</pre>");
            if (html) oputs("</td></tr></table>");
            if (s < end) s++;
            s = take_newlines(s, end, html && compress >= 2 ? 3 : 1);
            break;
        case TC_CENTRE_END:
            s++;
            break;
        case TC_JOIN:
            join = true;
            s++;
            break;
        default:
            s = ofilter(s, end, html);
        }
    }
    if (html) {
        if (prompt) {
            oputs(flag == 1 ? "<span> " : "<span class='query' id='prompt'>");
            char one[2] = {char(apart), 0};
            ofilter(one, one + 1, 1);
            oputs(" </span>");
            if (compress == 0) oputs("<br>&nbsp;<br>");
        } else {
            if (compress == 0 && !empty) oputs("<br>&nbsp;<br>");
            oputs("<span class='query' id='prompt'></span>");
        }
        char letter = quitting ? 'f' : prompt ? 'q' : (mode == MODE_BROWSER && compress) ? 'c' : 't';
        obuf[http_offset] = letter;
    } else if (prompt) {
        if (!(optr > obuf + http_offset && is_blank(static_cast<unsigned char>(optr[-1])))) oputc(' ');
    } else if (!quitting) {
        if (compress == 0) {
            if (!ends_with('\n')) oputc('\n');
            oputc('\n');
        }
        oputs("? ");
    }
}

// ---------------------------------------------------------------- console

void prompt_alloc() {
    int need = 2 * Maxlen + 1;
    if (need < Margin + 3) need = Margin + 3;
    if (need < 24) need = 24;
    if (prompt_line && need <= prompt_len) return;
    bool fresh = !prompt_line;
    int used = fresh ? 0 : int(prompt_ptr - prompt_line);
    prompt_line = static_cast<char *>(orvrealloc(prompt_line, need));
    if (fresh) prompt_line[0] = 0;
    prompt_len = need;
    prompt_ptr = prompt_line + used;
}

static void accumulator_reset() {
    if (!prompt_line) prompt_alloc();
    prompt_ptr = prompt_line;
    *prompt_ptr = 0;
}

// One console line; at full speed the stream is flushed once per batch of
// output (outtext), not per line.
void showline(const char *line) {
    if (cps == 0) {
        fputs(line, console_out);
        return;
    }
    for (; *line; line++) {
        my_usleep(cps);
        fputc(*line, console_out);
        fflush(console_out);
    }
}

void showchar(int c, FILE *dest) {
    if (c == TC_HARD_SPACE) c = ' ';
    if (dest != console_out) {
        fputc(c, dest);
        return;
    }
    if (!prompt_line) prompt_alloc();
    int used = int(prompt_ptr - prompt_line);
    if (used + 2 > prompt_len) {
        // A line longer than the buffer was sized for (the line length
        // changed after start-up): grow it rather than overrun it.
        prompt_len = 2 * prompt_len + 2;
        prompt_line = static_cast<char *>(orvrealloc(prompt_line, prompt_len));
        prompt_ptr = prompt_line + used;
    }
    *prompt_ptr++ = char(c);
    *prompt_ptr = 0;
    if (c == '\n') {
        showline(prompt_line);
        accumulator_reset();
    }
}

static bool pager_active() {
    if (mode != MODE_CONSOLE || com_file) return false;
    if (console_tty < 0) console_tty = isatty(fileno(console_in)) ? 1 : 0;
    return console_tty == 1;
}

// One console line has been shown; after is the output still to come.
// Returns 1 when the player asked to drop the rest.
static int pager_line(const char *after) {
    if (!pager_active()) return 0;
    lincnt++;
    if (lincnt < (compress ? Screen - 1 : Screen - 2) || strcmp(after, "? ") == 0) return 0;
    fprintf(console_out, "%*s[More?] ", Margin, "");
    fflush(console_out);
    if (log_file) fprintf(log_file, "%*s[More?] ", Margin, "");
    char reply[PAGER_REPLY_SIZE];
    if (!fgets(reply, sizeof reply, console_in)) reply[0] = 0;
    if (log_file) fprintf(log_file, "\nREPLY: %s", reply);
    lincnt = 1;
    if (strchr("nNqQ", reply[0]) && reply[0]) {
        const char *tail = compress == 0 ? "\n" : "";
        fprintf(console_out, "%*sOK.\n%s", Margin, "", tail);
        fflush(console_out);
        if (log_file) fprintf(log_file, "%*sOK.\n%s", Margin, "", tail);
        prompt_alloc();
        snprintf(prompt_line, size_t(prompt_len), "%*s? ", Margin, "");
        prompt_ptr = prompt_line + strlen(prompt_line);
        return 1;
    }
    return 0;
}

int scrchk(const char *line) {
    if (!line) {
        lincnt = 0;
        return 0;
    }
    const char *nl = strchr(line, '\n');
    if (!nl) return 0;
    return pager_line(nl + 1);
}

// Right justification of one line to Maxlen: the spare width is shared
// among the gaps, the odd blanks going to the first or last gaps by turns.
// Every line with a gap takes its turn, also one already full.
void stretch_line(const char *line, int n, FILE *dest) {
    int g = 0;
    for (int i = 0; i < n; i++)
        if (line[i] == ' ') g++;
    if (g == 0 || n >= Maxlen) {
        for (int i = 0; i < n; i++) showchar(static_cast<unsigned char>(line[i]), dest);
        if (g) flip = !flip;
        return;
    }
    int extra = Maxlen - n, each = extra / g + 1, odd = extra % g, gap = 0;
    for (int i = 0; i < n; i++) {
        if (line[i] != ' ') {
            showchar(static_cast<unsigned char>(line[i]), dest);
            continue;
        }
        int k = each;
        if (flip == 1 ? gap < odd : gap >= g - odd) k++;
        for (int j = 0; j < k; j++) showchar(' ', dest);
        gap++;
    }
    flip = !flip;
}

// n characters of one line (no newline among them): to the console's line
// at once, as showchar would put them there one by one.
static void show_n(const char *s, int n, FILE *dest) {
    if (dest != console_out || n <= 0) {
        for (int i = 0; i < n; i++) showchar(static_cast<unsigned char>(s[i]), dest);
        return;
    }
    if (!prompt_line) prompt_alloc();
    int used = int(prompt_ptr - prompt_line);
    if (used + n + 1 > prompt_len) {
        prompt_len = used + n + 1 > 2 * prompt_len + 2 ? used + n + 1 : 2 * prompt_len + 2;
        prompt_line = static_cast<char *>(orvrealloc(prompt_line, prompt_len));
        prompt_ptr = prompt_line + used;
    }
    for (int i = 0; i < n; i++) prompt_ptr[i] = s[i] == TC_HARD_SPACE ? ' ' : s[i];
    prompt_ptr += n;
    *prompt_ptr = 0;
}

static void wrap_text(FILE *dest);

// The plain formatted text to the console or the log, then to the screen.
void outtext(FILE *dest) {
    wrap_text(dest);
    if (dest == console_out) fflush(console_out);
}

// Word-wrap the plain formatted text to the console or the log. The
// console's last, unfinished line (the prompt) stays in prompt_line for the
// next read; the log of a console game leaves it out too, since the reader
// writes the prompt it shows there.
static void wrap_text(FILE *dest) {
    bool console = mode != MODE_BROWSER;
    bool to_console = dest == console_out;
    int W = console ? Maxlen : 80;
    int M = console ? Margin : 0;
    const char *p = obuf + http_offset;
    while (*p) {
        const char *brk = nullptr;
        int i = 0;
        while (i < W + 1 && p[i] && p[i] != '\n') {
            if (p[i] == ' ' || p[i] == '-') brk = p + i;
            i++;
        }
        accumulator_reset();
        const char *next;
        if (p[i] == '\n' || p[i] == 0) {
            if (p[i] == 0 && console && dest == log_file) return;
            for (int k = 0; k < M; k++) showchar(' ', dest);
            show_n(p, i, dest);
            if (p[i] == 0) return;
            showchar('\n', dest);
            next = p + i + 1;
        } else {
            const char *stop = brk ? brk + 1 : p + W + 2;
            next = stop;
            while (stop > p && stop[-1] == ' ') stop--;
            while (*next == ' ') next++;
            for (int k = 0; k < M; k++) showchar(' ', dest);
            if (justify)
                stretch_line(p, int(stop - p), dest);
            else
                show_n(p, int(stop - p), dest);
            showchar('\n', dest);
        }
        p = next;
        if (to_console && pager_line(p)) return;
    }
}

// ---------------------------------------------------------------- flush

void outbuf(int flag) {
    text_setup();
    if (!obuf) {
        if (mode == MODE_BROWSER) {
            end_pause = 0;
            html_ok = 1;
            http_offset = 143;
        }
        obuf_setup();
        if (mode == MODE_BROWSER)
            invoke_browser(conf[CONF_BROWSER], atoi(conf[CONF_INVOKE] ? conf[CONF_INVOKE] : "0"));
        else
            fputc('\n', console_out);
    }
    // A trailing run of blanks and newlines shrinks to its last character.
    char *q = lptr;
    while (q > text_buf && (is_blank(static_cast<unsigned char>(q[-1])) || q[-1] == '\n')) q--;
    if (lptr - q >= 2) {
        q[0] = lptr[-1];
        q[1] = 0;
        text_len -= int(lptr - q) - 1;
        lptr = q + 1;
    }
    if (log_file || mode != MODE_BROWSER) format_buffer(flag, 0);
    if (log_file) outtext(log_file);
    if (mode != MODE_BROWSER) {
        outtext(console_out);
    } else {
        format_buffer(flag, html_ok);
        if (prompt_line) accumulator_reset();
        // Only a held request can carry the answer.
        if (wsock >= 0) browser_write(obuf);
    }
    word_update();
    lptr = text_buf;
    *lptr = 0;
    text_len = 0;
    orl_skip = 0;
}
