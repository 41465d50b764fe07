// The program's outer frame: start-up in its fixed order, the main loop
// that runs the game's REPEAT chain once per turn, and shut-down.
#include "startup.h"

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <unistd.h>

#include "config.h"
#include "input.h"
#include "persist.h"
#include "platform.h"
#include "state.h"
#include "text.h"

int mode = MODE_BROWSER;     // how the game is played: MODE_BROWSER, MODE_CONSOLE, ...
char truname[80];            // the autosave's own name, "_zendry"
char *autoname = truname;    // the name the autosave and start-up restores use now
char odir[PATH_SIZE];        // the directory the program was started in, gone back to at the end
char *dump_name;             // the saved game named on the command line, or null
char *com_name;              // the command file replayed (-c), or null
char log_path[PATH_SIZE];    // the log file, empty for none
char extcom[PATH_SIZE];      // the one command of -y or --
int end_pause = 1;           // 1: the end of the game waits for Enter (-p)
const char *prog = "zendry";

void *orvalloc(int size) {
    void *p = size > 0 ? malloc(size_t(size)) : malloc(1);
    if (!p) {
        fprintf(stderr, "Failed to allocate a %d character memory chunk!\n", size);
        exit(1);
    }
    return p;
}

void *orvrealloc(void *block, int size) {
    void *p = realloc(block, size > 0 ? size_t(size) : 1);
    if (!p) {
        fprintf(stderr, "Failed to extend a memory chunk to %d character!\n", size);
        exit(1);
    }
    return p;
}

void (*exit_hook)(int status) = nullptr;

void fablet_exit(int status) {
    if (exit_hook) exit_hook(status);
    fflush(stdout);
    exit(status);
}

void zap_dump() {
    char name[96];
    snprintf(name, sizeof name, "%s.orv", truname);
    size_t last = strlen(name) - 1;
    remove_file(name);
    name[last] = 'h';
    remove_file(name);
    name[last] = 'l';
    remove_file(name);
}

// Enter dir below the current directory, making it when it is missing.
static int enter_or_make(const char *dir) {
    if (change_dir(dir) == 0) return 0;
    if (make_dir(dir) == 0 && change_dir(dir) == 0) return 0;
    return -1;
}

void gothere() {
    if (current_dir(odir, sizeof odir) != 0) odir[0] = 0;
    const char *home = home_dir();
    if (!home || change_dir(home) != 0) {
        fprintf(stderr, "(Cannot reach the home directory: the game's files stay in the current directory.)\n");
        return;
    }
    if (change_dir("fablet") != 0 && change_dir("ablet") != 0 && enter_or_make("fablet") != 0) {
        fprintf(stderr, "(Cannot make %s/fablet: the game's files stay in the home directory.)\n", home);
        return;
    }
    if (!path_exists("fablet.conf")) make_conf();
    if (enter_or_make(GAME_NAME) != 0)
        fprintf(stderr, "(Cannot make %s/fablet/%s: the game's files stay in %s/fablet.)\n", home, GAME_NAME, home);
}

// One game at a time in a game directory: a second program started on it
// would resume the same autosave, and whichever wrote last would wipe out
// the other's play. The lock is held until the program ends; a second start
// says so and ends before it touches any file.
static void claim_game_dir() {
    if (hold_lock(".") != 1) return;  // held, or no lock to be had here: play on
    char dir[PATH_SIZE];
    if (current_dir(dir, sizeof dir) != 0) snprintf(dir, sizeof dir, ".");
    printf("The game is already running in %s (in another window or program): go back to it, or end it "
           "before starting it again.\n",
           dir);
    fablet_exit(1);
}

// The command file's first line gives the seed of the main sequence.
static void open_command_file() {
    if (!com_name || !*com_name) return;
    com_file = fopen(com_name, "rb");
    if (!com_file) {
        printf("Sorry, unable to open command file '%s'!\n", com_name);
        fablet_exit(0);
    }
    char line[4096];
    if (!fgets(line, sizeof line, com_file)) line[0] = 0;
    size_t stamp_len = strlen(VERSION_STAMP);
    long seed;
    if (strncmp(line, "Wiz: ", 5) == 0) {
        seed = clamp_atol(line + 5);
    } else if (strncmp(line, VERSION_STAMP, stamp_len) == 0) {
        seed = strlen(line) > stamp_len + 2 ? clamp_atol(line + stamp_len + 2) : 0;
    } else {
        printf("%s: wrong questry version!\n", com_name);
        fablet_exit(0);
    }
    seed %= 32768;
    if (seed < 0) seed += 32768;
    mainseed = int32_t(seed);
}

// A log name set here comes from the command line (-l, -x or the bare
// argument after the saved game) or from a LOG line that chose one; the
// configuration's "N" never cancels a name the command line gave.
// A log the game makes is the player's alone (0600), as every file of the
// game is, wherever it is named; a log that is there already keeps its
// mode (the start has made those in the game's directories private).
static void open_log() {
    if (!log_path[0]) return;
    int fresh = conf[CONF_LOG] && strcmp(conf[CONF_LOG], "w") == 0;
    const int fd = open(log_path, O_CREAT | O_CLOEXEC | (fresh ? O_WRONLY | O_TRUNC : O_RDWR | O_APPEND), 0600);
    log_file = fd >= 0 ? fdopen(fd, fresh ? "wb" : "ab+") : nullptr;
    if (!log_file) {
        if (fd >= 0) close(fd);
        printf("(Sorry, unable to open log file...)\n");
        return;
    }
    fprintf(log_file, "%s: %u\n", VERSION_STAMP, unsigned(mainseed));
}

int initialise() {
    open_command_file();
    gothere();
    claim_game_dir();
    remove_stale_temporaries();
    read_conf();
    prompt_alloc();  // the console line holds two lines of the width now settled
    if (mode == MODE_PLAIN) printf("\n%*s", Margin, "");
    open_log();
    if (set_title() != 0) return 1;
    command_preset(nullptr);
    // No vocabulary entry needs its refno's sign mended here: the text
    // compiler refuses a negative refno.
    return 0;
}

// Show the last turn again after a resumed autosave: its transcript holds
// the output as it stood, so its bytes are appended unchanged.
static void replay_transcript() {
    for (char c : autosave_transcript()) outbyte_raw((unsigned char)c);
}

int fablet_main(int argc, char **argv) {
    // 1. Buffers.
    text_setup();
    outbyte('\n');
    loop = 0;
    if (!word_buf) word_buf = btinit(nullptr);
    // 2. The autosave's base name.
    snprintf(truname, sizeof truname, "_%s", GAME_NAME);
    autoname = truname;
    // 3. The command line.
    mode = MODE_BROWSER;
    if (argc > 0) prog = argv[0];
    int newgame = parse_args(argc, argv);
    // 4. Console geometry.
    if (Linlen == 0) Linlen = 32767;
    if (Screen == 0) Screen = 32767;
    Maxlen = Linlen - 2 * Margin;
    prompt_alloc();
    // 5. Pacing and margin only in the console with line editing.
    if (mode != MODE_CONSOLE) cps = 0;
    if (cps) cps = 1000 / cps;
    if (mode != MODE_CONSOLE) Margin = 0;
    // 6. Seed.
    if (mainseed == 0) mainseed = int32_t(now_seconds() & 0x7fffffff);
    mainseed %= 32768;
    rseed = mainseed;
    irand(1);
    // 7. A replay never resumes the autosave.
    if (com_name) newgame = 1;
    memset(&IMAGE, 0, sizeof IMAGE);
    // 8-16.
    if (initialise() != 0) {
        printf("Sorry, unable to set up the world.\n");
        return 0;
    }
    // A replayed command file fixes the seed: INIT draws from it too, so
    // that the replay sets up the same world as the game it was logged from.
    if (com_file) {
        rseed = mainseed;
        irand(1);
    }
    // 17.
    value[KV_HERE] = 195;
    value[KV_THERE] = 195;
    value[0] = 0;
    // 18. INIT.
    if (mode != MODE_ONE_COMMAND) {
        do {
            loop = 0;
            procs[1]();
        } while (loop > 1);
    }
    // 19. Resume the autosave.
    int named = dump_name && *dump_name;
    const ptrdiff_t before_resume = lptr - text_buf;
    if (newgame == 0 && !named) special(SPECIAL_AUTORESTORE, &value[0]);
    bitmod('s', KV_QUESTION, 4);
    // 20. What the first turn starts from. A resume drops what INIT said,
    // but not what the resume itself said (that the last turn could not be
    // read): that goes before the resume notice.
    if (value[0] == SPECIAL_AUTORESTORE && !com_name) {
        const std::string resume_said(lptr - text_buf > before_resume ? text_buf + before_resume : lptr, lptr);
        zap_text();
        for (char c : resume_said) outbyte_raw((unsigned char)c);
        say(0, 3495, 0);
        replay_transcript();
        resume_shown();
    } else if (mode == MODE_RESTORE_STOP && named) {
        autoname = dump_name;
        special(SPECIAL_START_RESTORE, &value[0]);
        autoname = truname;
    } else if (mode == MODE_ONE_COMMAND) {
        special(SPECIAL_AUTORESTORE, &value[0]);
    } else if (named) {
        value[KV_COMMAND_STATUS] = -1;
        value[KV_ARG3] = -1;
        command_preset(dump_name);
        copy_typed(arg2_word, WORD_SIZE, dump_name);
    } else {
        command_preset(nullptr);
    }
    // 21. The main loop.
    for (;;) {
        loop = 0;
        if (quitting) break;
        rseed = mainseed;
        irand(1);
        mainseed = rseed;
        rseed = mainseed ^ 0xFF;
        procs[2]();
    }
    // Shut-down.
    if (end_pause) {
        say(0, 3501, 0);
        get_input(comline, COMLINE_SIZE - 1);
        printf("\n");
    } else if (text_len > 0) {
        outbuf(1);
        printf("\n");
    }
    close_files();
    zap_dump();
    if (odir[0]) change_dir(odir);
    fflush(stdout);
    return 255;
}
