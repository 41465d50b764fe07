// The command line: parse_args reads the program's arguments once at
// start-up, before the configuration file, and stores what it sets into the
// configuration slots so that the file cannot override it.
#include "config.h"
#include "platform.h"
#include "startup.h"
#include "text.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

static const char *const usage_lines[] = {
    "    -n                  force a new game (ignore an aborted one)\n",
    "   [-r]<dumpfile>       restore game from dump\n",
    nullptr,  // the log line, which names the game
    "    -C                  Force console (non-browser) display\n",
    "    -B[browser]         Force display through browser (default)\n",
    "    -b[0|1|all]         invert or specify blank line suppression level\n",
    "    -p[0|1]             invert or specify pausing before exit\n",
    "    -c<cmdfile>         replay the commands of a log file as a new game\n",
    "    -x <dumpfile>       restore game from dump, show it and exit\n",
    "    -y <command>        play one command in the aborted game and exit\n",
    "    -- <command>        the same as -y\n",
    "\nThese options force console mode display:\n",
    "    -j[0|1]             invert or specify right-justification of text\n",
    "    -s<W>.<H>[.<M>]     set screen size and margin\n",
    "    -o[<baudrate>]      set output speed for authentic retro experience\n",
    "                        (e.g. 110, 300, 600, 1200, 2400 or 4800)\n\n",
    "Two information only options:\n",
    "    -v                  print version info and exit\n",
    "    -h                  print this usage summary\n\n",
};

[[noreturn]] static void print_version() {
    printf("%s.\n", VERSION_STAMP);
    printf("Fablet style %d\n", 12);
    printf("Weaver translator version %s.\n", "12.50, 28 Apr 2025");
    printf("Fablet kernel version %s.\n", "12.93, 31 Oct 2026");
    printf("Text database preloaded into the executable.\n");
    fablet_exit(0);
}

[[noreturn]] static void print_usage() {
    printf("\nUsage: %s [options]\n\nOptions:\n", prog);
    for (const char *line : usage_lines) {
        if (line)
            fputs(line, stdout);
        else
            printf("    -l[<logfile>]       log the game (by default in ~/fablet/%s/)\n", GAME_NAME);
    }
    fablet_exit(0);
}

// An option is one letter; "--l" is -l, but a word after two dashes
// ("--log", "--restore", "--new-game=x") is no option of ours and, read as a
// letter with a value, would make files named after the rest of the word.
static bool word_option(const char *arg) {
    if (arg[0] != '-' || arg[1] != '-') return false;
    const char *p = arg + 2;
    int letters = 0;
    for (; *p && *p != '='; p++, letters++)
        if (!isalpha((unsigned char)*p) && *p != '-') return false;
    return letters >= 2;
}

[[noreturn]] static void refuse(const char *arg) {
    fprintf(stderr, "Unknown option '%s': options are single letters after one dash, such as -l\n"
                    "or -C; '%s -h' lists them.\n",
            arg, prog);
    fablet_exit(1);
}

// Skips what clamp_atol reads of s (blanks, a sign, digits).
static const char *skip_number(const char *s) {
    while (isspace((unsigned char)*s)) s++;
    if (*s == '+' || *s == '-') s++;
    while (isdigit((unsigned char)*s)) s++;
    return s;
}

// -s W.H.M: line length, screen height and margin; each part out of range is
// ignored on its own.
static void set_screen(const char *val) {
    char num[16];
    long w = clamp_atol(val);
    if (w == 0) w = 32767;
    if (w >= 16 && w <= 32767) {
        Linlen = int(w);
        snprintf(num, sizeof num, "%ld", w);
        store_conf(CONF_LINELEN, num);
    }
    const char *p = skip_number(val);
    if (!*p) return;
    p++;
    long h = clamp_atol(p);
    if (h == 0) h = 32767;
    if (h >= 16 && h <= 32767) {
        Screen = int(h);
        snprintf(num, sizeof num, "%ld", h);
        store_conf(CONF_HEIGHT, num);
    }
    p = skip_number(p);
    if (*p) {
        p++;
        long m = clamp_atol(p);
        if (m >= 0 && m < (Linlen - 16) / 2) {
            Margin = int(m);
            snprintf(num, sizeof num, "%ld", m);
            store_conf(CONF_MARGIN, num);
        }
    }
    Maxlen = Linlen - 2 * Margin;
}

// -o rate: characters per second, cut down to the nearest step reached.
static void set_pacing(const char *val) {
    static const int steps[] = {960, 480, 240, 120, 60, 30};
    if (!*val) {
        cps = 30;
        return;
    }
    long c = clamp_atol(val) / 10;
    cps = 11;
    for (int step : steps) {
        if (c >= step) {
            cps = step;
            break;
        }
    }
}

// -l: the log, relative to the directory the program started in.
static void set_log(const char *val) {
    std::string path;
    if (!*val) {
        path = std::string(GAME_NAME) + ".log";
    } else if (*val == PATH_SEP) {
        path = val;
    } else {
        char start[PATH_SIZE];
        if (current_dir(start, sizeof start) == 0 && start[0]) {
            path = start;
            if (path.back() != PATH_SEP) path += PATH_SEP;
        }
        path += val;
    }
    if (*val && is_directory(path.c_str())) path += PATH_SEP + std::string(GAME_NAME) + ".log";
    snprintf(log_path, PATH_SIZE - 1, "%s", path.c_str());
    store_conf(CONF_LOG, "ab+");
}

// -y and --: the one command, made of the value and every argument left.
static void set_command(const char *val, int argc, char **argv, int next) {
    snprintf(extcom, PATH_SIZE - 1, "%s", val);
    for (int j = next; j < argc; j++) {
        size_t len = strlen(extcom);
        size_t need = strlen(argv[j]) + 2;
        if (PATH_SIZE - 1 - len < need) continue;
        extcom[len] = ' ';
        strcpy(extcom + len + 1, argv[j]);
    }
}

int parse_args(int argc, char **argv) {
    int new_game = 0;
    int bare_log_seen = 0;
    compact[0] = 'N';
    compact[1] = 0;
    log_path[0] = 0;
    if (argc > 0) prog = argv[0];

    for (int i = 1; i < argc; i++) {
        char *arg = argv[i];
        if (arg[0] != '-') {
            // Bare arguments: the saved game, then the log.
            if (!dump_name) {
                dump_name = arg;
            } else if (!bare_log_seen) {
                bare_log_seen = 1;
                if (!log_path[0]) snprintf(log_path, PATH_SIZE - 1, "%s", arg);
            }
            continue;
        }
        if (word_option(arg)) refuse(arg);
        char *p = arg + 1;
        if (*p == '-' && p[1]) p++;
        char letter = *p;
        char *val = letter ? p + 1 : p;
        if (*val == '=') val++;
        if (!*val && letter && strchr("Brclso", letter) && i + 1 < argc && argv[i + 1][0] != '-')
            val = argv[++i];
        char v0 = char(isupper((unsigned char)val[0]) ? tolower((unsigned char)val[0]) : val[0]);

        switch (letter) {
        case 'n':
            new_game = 1;
            break;
        case 'r':
            if (*val) dump_name = val;
            break;
        case 'c':
            com_name = val;
            break;
        case 'l':
            set_log(val);
            break;
        case 'C':
            mode = MODE_CONSOLE;
            html_ok = 0;
            break;
        case 'B':
            mode = MODE_BROWSER;
            if (*val && !check_browser(val)) {
                fprintf(stderr, "No browser program '%s' was found (-B). Name a browser that exists, or play\n"
                                "in the console with -C.\n", val);
                fablet_exit(1);
            }
            break;
        case 'b':
            compact[0] = compact[0] == 'Y' ? 'N' : 'Y';
            if (v0 == '0' || v0 == 'n')
                compact[0] = '0';
            else if (v0 == '1' || v0 == 'y')
                compact[0] = '1';
            else if (v0 == '2' || v0 == 'a')
                compact[0] = '2';
            handle_token('c', CONF_COMPACT, compact, 0, &compress);
            break;
        case 'p':
            if (v0 == '0' || v0 == 'n')
                end_pause = 0;
            else if (v0 == '1' || v0 == 'y')
                end_pause = 1;
            else
                end_pause = !end_pause;
            break;
        case 'j':
            if (v0 == '0' || v0 == 'n')
                justify = 0;
            else if (v0 == '1' || v0 == 'y')
                justify = 1;
            else
                justify = !justify;
            store_conf(CONF_JUSTIFY, justify ? "Y" : "N");
            mode = MODE_PLAIN;
            break;
        case 's':
            set_screen(val);
            mode = MODE_PLAIN;
            break;
        case 'o':
            set_pacing(val);
            mode = MODE_PLAIN;
            break;
        case 'v':
            print_version();
        case 'h':
            print_usage();
        case 'x':
            mode = MODE_RESTORE_STOP;
            if (!log_path[0]) {
                snprintf(log_path, PATH_SIZE - 1, "%s.log", GAME_NAME);
                store_conf(CONF_LOG, "ab+");
            }
            break;
        case 'y':
        case '-':
            mode = MODE_ONE_COMMAND;
            set_command(val, argc, argv, i + 1);
            i = argc;
            break;
        default:
            break;
        }
    }

    // The options that force the console give line editing on this platform.
    if (mode == MODE_PLAIN) mode = MODE_CONSOLE;
    return new_game;
}
