// The configuration file "fablet.conf": the 19 setting slots (the first
// value stored wins), reading and tokenising the file, the built-in
// defaults, the browser look-up and the default file written on a first run.
#include "config.h"
#include "platform.h"
#include "startup.h"
#include "text.h"

#include <cctype>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <initializer_list>
#include <unistd.h>

char *conf[NCONF];          // the settings by slot: null unset, else an owned copy; the first stored wins
int browser_timeout = 100;  // seconds the page may stay silent: the keep-alive interval plus its grace

static const char *const DEFAULT_BROWSER = "xdg-open";
static const char *const CONF_NAME = "fablet.conf";
static const char *const USER_DIR = "fablet";

static int browser_default;  // a BROWSER DEFAULT line has been read

// The default file, line by line; an empty entry ends the list.
const char *const cftext[] = {
    "##################### Config file for Fablet games ####################\r\n",
    "#\r\n",
    "# The values given below are the defaults that a game uses when this\r\n",
    "# file does not set them. Options given on the command line override\r\n",
    "# the settings of this file.\r\n",
    "#\r\n",
    "# The game is shown in your default web browser. Another browser may\r\n",
    "# be named by the full path of its program; quote the path when it\r\n",
    "# contains spaces, as in this example:\r\n",
    "#\r\n",
    "#  BROWSER WINDOWS \"/opt/Web Browser/bin/browser\"\r\n",
    "#\r\n",
    "#\r\n",
    "   BROWSER DEFAULT               # Use my default browser\r\n",
    "#\r\n",
    "# Colours may be given by name (black, red, navy ...) or as hex RGB\r\n",
    "# codes. An RGB code must be prefixed with a backslash or quoted, as\r\n",
    "# otherwise its # would start a comment.\r\n",
    "# COLOR is accepted as well as COLOUR.\r\n",
    "#\r\n",
    "   COLOUR BACKGROUND  \\#d0e0ff   # Pale blue is the default background\r\n",
    "   COLOUR TEXT           black   # Default output text colour\r\n",
    "   COLOUR PROMPT           red   # Make prompt lines red\r\n",
    "   COLOUR SURROUND    \"#222222\"  # Dark grey default for surround\r\n",
    "#\r\n",
    "# SHOW BUTTON says whether the page has a button that submits the\r\n",
    "# command typed.\r\n",
    "# SHOW COMPACT sets how blank lines of the output are suppressed:\r\n",
    "# None keeps them all, Some drops some of them, All drops them all,\r\n",
    "# and Default accepts whatever the game defaults to.\r\n",
    "# SHOW HISTORY sets how many of the last commands and responses the\r\n",
    "# page keeps (at most 2000).\r\n",
    "#\r\n",
    "   SHOW BORDER   Yes             # Show the command area border\r\n",
    "   SHOW BUTTON   Yes             # Show the submit button\r\n",
    "   SHOW COMPACT  Default         # Accept whatever the game defaults to\r\n",
    "   SHOW HISTORY  200             # Show up to 200 last commands and responses\r\n",
    "   SHOW WIDTH    700             # Set display area width to 700 pixels\r\n",
    "#\r\n",
    "# The log of a game may be OFF, NO, NONE, WRITE or APPEND. WRITE and\r\n",
    "# APPEND may be followed by the name of a file or of a directory;\r\n",
    "# WRITE starts the log afresh and APPEND adds to it. By default the\r\n",
    "# log is named after the game and kept in the game's own directory\r\n",
    "# under the fablet directory of your home directory, for example\r\n",
    "# ~/fablet/zendry/zendry.log\r\n",
    "#\r\n",
    "   LOGFILE NONE                  # No logfile\r\n",
    "#\r\n",
    "# If the browser is slow to show the game, or the game seems to stop\r\n",
    "# responding, try larger TIMEOUT values: INVOCATION is the time the\r\n",
    "# browser may take to start, KEEPALIVE the interval between the page's\r\n",
    "# pings, and GRACETIME the time allowed for a late ping.\r\n",
    "#\r\n",
    "   TIMEOUT INVOCATION  45        # Up to 45 seconds to fully invoke browser\r\n",
    "   TIMEOUT KEEPALIVE    2        # Keep-alive pings every 2 seconds\r\n",
    "   TIMEOUT GRACETIME    2        # Grace time for delayed pings\r\n",
    "#\r\n",
    "# Layout of the text in a console window (when no browser is used).\r\n",
    "# JUSTIFY may be Yes, No or Default.\r\n",
    "#\r\n",
    "   LAYOUT JUSTIFY DEFAULT        # Accept game's default\r\n",
    "   LAYOUT MARGIN        1        # Left and right text margin\r\n",
    "   LAYOUT WIDTH        80        # Console window width in columns\r\n",
    "   LAYOUT HEIGHT       24        # Console window height in lines\r\n",
    "#\r\n",
    "############################# End of file #############################\r\n",
    "",
};

// Decimal conversion in the manner of atoi (leading blanks, a sign, digits
// up to the first non-digit), clamped to the int range instead of
// overflowing.
long clamp_atol(const char *s) {
    while (isspace((unsigned char)*s)) s++;
    bool negative = false;
    if (*s == '+' || *s == '-') negative = *s++ == '-';
    long long v = 0;
    for (; isdigit((unsigned char)*s); s++)
        if (v <= INT_MAX) v = v * 10 + (*s - '0');
    if (negative) v = -v;
    if (v > INT_MAX) v = INT_MAX;
    if (v < INT_MIN) v = INT_MIN;
    return long(v);
}

// True when s holds digits where clamp_atol reads them.
static bool is_number(const char *s) {
    while (isspace((unsigned char)*s)) s++;
    if (*s == '+' || *s == '-') s++;
    return isdigit((unsigned char)*s);
}

static void raise(char *s) {
    for (; s && *s; s++) *s = char(toupper((unsigned char)*s));
}

static void lower(char *s) {
    for (; s && *s; s++) *s = char(tolower((unsigned char)*s));
}

static bool begins(const char *s, const char *prefix) {
    return strncmp(s, prefix, strlen(prefix)) == 0;
}

void store_conf(int slot, const char *src) {
    if (conf[slot]) return;
    size_t len = strlen(src);
    if (*src == '\\') {
        src++;
        len--;
    } else if (*src == '\'') {
        src++;
        len--;
        if (len > 0 && src[len - 1] == '\'') len--;
    }
    char *copy = (char *)orvalloc(int(len + 1));
    memcpy(copy, src, len);
    copy[len] = 0;
    conf[slot] = copy;
}

void handle_token(char kind, int slot, const char *token, int limit, int *out) {
    if (conf[slot]) return;
    switch (kind) {
    case 'p':
    case 'n': {
        if (!is_number(token)) return;
        long v = clamp_atol(token);
        if (kind == 'p' ? v <= 0 : v < 0) return;
        if (limit > 0 && v > limit) v = limit;
        if (limit < 0 && v < -long(limit)) v = -long(limit);
        if (out) *out = int(v);
        char num[16];
        snprintf(num, sizeof num, "%ld", v);
        store_conf(slot, num);
        break;
    }
    case 'b': {
        int yes;
        if (*token && strchr("T1Y", *token))
            yes = 1;
        else if (begins(token, "ON"))
            yes = 1;
        else if (*token && strchr("F0N", *token))
            yes = 0;
        else if (begins(token, "OF"))
            yes = 0;
        else
            return;
        if (out) *out = yes;
        store_conf(slot, yes ? "Y" : "N");
        break;
    }
    case 'c': {
        int level;
        char c = *token;
        if (!c)
            return;
        else if (strchr("NF0", c))
            level = 0;
        else if (strchr("PS1", c))
            level = 1;
        else if (strchr("YTA2", c))
            level = 2;
        else if (strchr("D?", c)) {
            level = out ? *out : 0;
            if (level < 0) level = 0;
            if (level > 2) level = 2;
        } else
            return;
        if (out) *out = level;
        char digit[2] = {char('0' + level), 0};
        store_conf(slot, digit);
        break;
    }
    default:
        break;
    }
}

void parse_line(char *line, char **t1, char **t2, char **t3) {
    char **tokens[3] = {t1, t2, t3};
    for (char **t : tokens) *t = nullptr;
    char *p = line;
    for (int n = 0; n < 3;) {
        while (*p == ' ' || *p == '\t') p++;
        if (!*p || *p == '\n' || *p == '#') return;
        char *start;
        if (*p == '"' || *p == '\'') {
            char quote = *p++;
            start = p;
            while (*p && *p != '\n' && *p != quote) p++;
        } else {
            if (*p == '\\') p++;
            start = p;
            if (*p) p++;  // the first character belongs to the token, even a "#"
            while (*p && *p != ' ' && *p != '\t' && *p != '#' && *p != '\n') p++;
        }
        *tokens[n++] = start;
        // The end of the line ends the scan; any other end is cut and passed.
        if (!*p) return;
        *p++ = 0;
    }
}

// Chooses the log named by a LOG line's optional path.
static void choose_log(const char *path) {
    if (!path) {
        snprintf(log_path, PATH_SIZE - 1, "%s.log", GAME_NAME);
    } else if (path_exists(path)) {
        if (is_directory(path))
            snprintf(log_path, PATH_SIZE - 1, "%s%c%s.log", path, PATH_SEP, GAME_NAME);
        else if (is_regular_file(path))
            snprintf(log_path, PATH_SIZE - 1, "%s", path);
        else
            conf[CONF_LOG][0] = 'N';
    } else {
        const char *sep = strrchr(path, PATH_SEP);
        if (!sep) {
            snprintf(log_path, PATH_SIZE - 1, "%s", path);
            return;
        }
        char parent[PATH_SIZE];
        snprintf(parent, sizeof parent, "%.*s", int(sep - path), path);
        if (!parent[0]) strcpy(parent, "/");
        if (!path_exists(parent))
            conf[CONF_LOG][0] = 'N';
        else if (is_directory(parent))
            snprintf(log_path, PATH_SIZE - 1, "%s", path);
    }
}

static void log_line(char *t2, char *t3) {
    if (conf[CONF_LOG]) return;
    raise(t2);
    if (!strcmp(t2, "OFF") || !strcmp(t2, "NO") || !strcmp(t2, "NONE")) {
        store_conf(CONF_LOG, "N");
    } else if (!strcmp(t2, "APPEND") || !strcmp(t2, "ON")) {
        store_conf(CONF_LOG, "ab+");
        choose_log(t3);
    } else if (!strcmp(t2, "OVERWRITE") || !strcmp(t2, "WRITE")) {
        store_conf(CONF_LOG, "w");
        choose_log(t3);
    }
}

static void layout_line(const char *t2, char *t3) {
    if (!t3 || !*t3) return;
    raise(t3);
    if (!strcmp(t2, "JUSTIFY")) {
        if (!strcmp(t3, "DEFAULT") || !strcmp(t3, "ANY"))
            store_conf(CONF_JUSTIFY, justify ? "Y" : "N");
        else
            handle_token('b', CONF_JUSTIFY, t3, 0, &justify);
    } else if (!strcmp(t2, "MARGIN")) {
        handle_token('n', CONF_MARGIN, t3, 5, &Margin);
    } else if (!strcmp(t2, "WIDTH")) {
        handle_token('p', CONF_LINELEN, t3, -30, &Linlen);
    } else if (!strcmp(t2, "HEIGHT")) {
        handle_token('p', CONF_HEIGHT, t3, 0, &Screen);
    }
    Maxlen = Linlen - 2 * Margin;
}

// BROWSER lines choose the display only while it is the browser or the
// plain console: the console chosen by -C and the one-command runs of -x,
// -y and -- keep their mode.
static void browser_line(const char *t2, const char *t3) {
    if ((mode != MODE_BROWSER && mode != MODE_PLAIN) || conf[CONF_BROWSER] || browser_default) return;
    if (!strcmp(t2, "NONE")) {
        mode = MODE_PLAIN;
    } else if (!strcmp(t2, "DEFAULT")) {
        mode = MODE_BROWSER;
        browser_default = 1;
    } else if (!strcmp(t2, "WINDOWS") && t3) {
        if (*t3 == '$') {
            const char *value = getenv(t3 + 1);
            if (value && *value) check_browser(value);
        } else {
            check_browser(t3);
        }
    }
}

struct colour_key {
    const char *name;
    int slot;
};

static const colour_key colour_keys[] = {
    {"BACKGROUND", CONF_BACKGROUND}, {"BG", CONF_BACKGROUND}, {"TEXT", CONF_TEXT},
    {"FG", CONF_TEXT},               {"PROMPT", CONF_PROMPT}, {"SURROUND", CONF_SURROUND},
    {"DEBUG", CONF_DEBUG},           {"DBG", CONF_DEBUG},
};

// A colour value the page can take as it is: "#rgb", "#rrggbb", or a name
// of letters alone (the longest colour name has 20).
static bool is_colour(const char *v) {
    size_t n = strlen(v);
    if (v[0] == '#') {
        if (n != 4 && n != 7) return false;
        for (size_t k = 1; k < n; k++)
            if (!isxdigit((unsigned char)v[k])) return false;
        return true;
    }
    if (n == 0 || n > 20) return false;
    for (size_t k = 0; k < n; k++)
        if (v[k] < 'a' || v[k] > 'z') return false;
    return true;
}

static void colour_line(char *t2, char *t3) {
    if (!t3) return;
    raise(t2);
    lower(t3);
    if (!is_colour(t3)) return;
    for (const colour_key &k : colour_keys) {
        if (!strcmp(t2, k.name)) {
            store_conf(k.slot, t3);
            return;
        }
    }
}

static void show_line(char *t2, char *t3) {
    if (!t3) return;
    raise(t2);
    raise(t3);
    if (!strcmp(t2, "BORDER"))
        handle_token('b', CONF_BORDER, t3, 0, nullptr);
    else if (!strcmp(t2, "BUTTON"))
        handle_token('b', CONF_BUTTON, t3, 0, nullptr);
    else if (!strcmp(t2, "COMPACT"))
        handle_token('c', CONF_COMPACT, t3, 0, &compress);
    else if (!strcmp(t2, "HISTORY") || !strcmp(t2, "COMMANDS"))
        handle_token('p', CONF_HISTORY, t3, 2000, nullptr);
    else if (!strcmp(t2, "WIDTH"))
        handle_token('p', CONF_WIDTH, t3, -500, nullptr);
}

static void timeout_line(char *t2, char *t3) {
    if (!t3) return;
    raise(t2);
    if (begins(t2, "INV"))
        handle_token('p', CONF_INVOKE, t3, -20, nullptr);
    else if (begins(t2, "GRACE"))
        handle_token('p', CONF_GRACE, t3, -2, nullptr);
    else if (begins(t2, "KEEP"))
        handle_token('p', CONF_KEEPALIVE, t3, -1, nullptr);
}

static void conf_line(char *line) {
    char *t1, *t2, *t3;
    parse_line(line, &t1, &t2, &t3);
    if (!t2) return;
    raise(t1);
    if (!strcmp(t1, "LOG") || !strcmp(t1, "LOGFILE"))
        log_line(t2, t3);
    else if (!strcmp(t1, "LAYOUT"))
        layout_line(t2, t3);
    else if (!strcmp(t1, "BROWSER"))
        browser_line(t2, t3);
    else if (!strcmp(t1, "COLOUR") || !strcmp(t1, "COLOR"))
        colour_line(t2, t3);
    else if (!strcmp(t1, "SHOW"))
        show_line(t2, t3);
    else if (!strcmp(t1, "TIMEOUT"))
        timeout_line(t2, t3);
}

// The first configuration file that opens: beside the executable, in the
// per-user directory (or the same name less its first letter), then in the
// current directory.
static FILE *open_conf() {
    char path[PATH_SIZE];
    const char *slash = strrchr(prog ? prog : "", PATH_SEP);
    if (slash) {
        int dir_len = int(slash - prog) + 1;
        if (snprintf(path, sizeof path, "%.*s%s", dir_len, prog, CONF_NAME) < int(sizeof path)) {
            if (FILE *f = fopen(path, "rb")) return f;
        }
    }
    if (const char *home = home_dir()) {
        for (const char *dir : {USER_DIR, USER_DIR + 1}) {
            if (snprintf(path, sizeof path, "%s%c%s%c%s", home, PATH_SEP, dir, PATH_SEP, CONF_NAME) <
                int(sizeof path)) {
                if (FILE *f = fopen(path, "rb")) return f;
            }
        }
    }
    return fopen(CONF_NAME, "rb");
}

void read_conf() {
    browser_default = 0;
    if (FILE *f = open_conf()) {
        char line[255];
        while (fgets(line, sizeof line, f)) {
            // Drop the line end (line feed, and a carriage return before it);
            // a piece of a longer line, or a last line without a line feed,
            // keeps all of its characters.
            size_t len = strlen(line);
            if (len > 0 && line[len - 1] == '\n') line[--len] = 0;
            if (len > 0 && line[len - 1] == '\r') line[--len] = 0;
            conf_line(line);
        }
        fclose(f);
    }

    if (browser_default) {
        store_conf(CONF_BROWSER, DEFAULT_BROWSER);
    } else if (!conf[CONF_BROWSER]) {
        const char *env = getenv("BROWSER");
        store_conf(CONF_BROWSER, env && *env ? env : DEFAULT_BROWSER);
    }
    store_conf(CONF_BACKGROUND, "#d0e0ff");
    store_conf(CONF_TEXT, "black");
    store_conf(CONF_PROMPT, "red");
    store_conf(CONF_DEBUG, "blue");
    store_conf(CONF_SURROUND, "#222222");
    store_conf(CONF_BORDER, "Y");
    store_conf(CONF_BUTTON, "Y");
    store_conf(CONF_HISTORY, "200");
    store_conf(CONF_WIDTH, "700");
    handle_token('c', CONF_COMPACT, compact, 0, &compress);
    store_conf(CONF_LOG, "ab+");
    store_conf(CONF_INVOKE, "20");
    store_conf(CONF_KEEPALIVE, "2");
    store_conf(CONF_GRACE, "2");
    store_conf(CONF_JUSTIFY, justify ? "Y" : "N");
    handle_token('p', CONF_MARGIN, "1", 0, &Margin);
    handle_token('p', CONF_LINELEN, "80", 0, &Linlen);
    handle_token('p', CONF_HEIGHT, "24", 0, &Screen);
    check_settings();
}

// The slot's text replaced by the number v.
static void replace_slot(int slot, int v) {
    char num[16];
    snprintf(num, sizeof num, "%d", v);
    free(conf[slot]);
    conf[slot] = nullptr;
    store_conf(slot, num);
}

// The slot's value, brought down to hi.
static int capped_slot(int slot, int hi) {
    long v = clamp_atol(conf[slot]);
    if (v <= hi) return int(v);
    replace_slot(slot, hi);
    return hi;
}

// The command line and the file each check a value on its own, so two -s
// options, or -s with a LAYOUT line, can still leave a margin that the line
// cannot hold, and a time-out in seconds can overflow in milliseconds.
void check_settings() {
    bool changed = false;
    if (Linlen > MAX_LINELEN || Linlen < MIN_TEXT_WIDTH) {
        Linlen = Linlen > MAX_LINELEN ? MAX_LINELEN : MIN_TEXT_WIDTH;
        changed = true;
    }
    if (Screen > MAX_HEIGHT) {
        Screen = MAX_HEIGHT;
        changed = true;
    }
    // The widest margin -s accepts for this line length.
    int widest = (Linlen - MIN_TEXT_WIDTH) / 2 - 1;
    if (widest < 0) widest = 0;
    if (Margin > widest || Margin < 0) {
        Margin = Margin < 0 ? 0 : widest;
        changed = true;
    }
    if (changed || Maxlen < MIN_TEXT_WIDTH || Maxlen > Linlen) Maxlen = Linlen - 2 * Margin;
    if (changed) {
        const struct {
            int slot, value;
        } layout[] = {{CONF_LINELEN, Linlen}, {CONF_HEIGHT, Screen}, {CONF_MARGIN, Margin}};
        for (const auto &l : layout)
            if (!conf[l.slot] || clamp_atol(conf[l.slot]) != l.value) replace_slot(l.slot, l.value);
    }
    capped_slot(CONF_INVOKE, MAX_INVOKE);
    int keepalive = capped_slot(CONF_KEEPALIVE, MAX_KEEPALIVE);
    int grace = capped_slot(CONF_GRACE, MAX_GRACE);
    browser_timeout = keepalive + grace;
}

// Finds the browser program: a name with a "/" is a path, a bare name is
// searched along PATH. Slot 0 is set only when the program exists (and the
// slot is still empty).
bool check_browser(const char *name) {
    if (strchr(name, PATH_SEP)) {
        if (!path_exists(name)) return false;
        store_conf(CONF_BROWSER, name);
        return true;
    }
    const char *path = getenv("PATH");
    if (!path) return false;
    int name_len = int(strlen(name));
    while (*path) {
        const char *end = strchr(path, ':');
        int len = end ? int(end - path) : int(strlen(path));
        if (len > 0 && len < 255 - name_len) {
            char candidate[512];
            snprintf(candidate, sizeof candidate, "%.*s%c%s", len, path, PATH_SEP, name);
            if (path_exists(candidate)) {
                store_conf(CONF_BROWSER, candidate);
                return true;
            }
        }
        if (!end) break;
        path = end + 1;
    }
    return false;
}

void make_conf() {
    // The player's own file, in the player's own directory.
    int fd = open(CONF_NAME, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    FILE *f = fd >= 0 ? fdopen(fd, "wb") : nullptr;
    if (!f) {
        if (fd >= 0) close(fd);
        return;
    }
    for (int i = 0; *cftext[i]; i++) fputs(cftext[i], f);
    fclose(f);
}
