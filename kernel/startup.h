// Start-up, the main loop and shut-down: the program's outer frame.
#pragma once

#include "platform.h"

#include <cstddef>

constexpr int MODE_PLAIN = 0;
constexpr int MODE_BROWSER = 1;
constexpr int MODE_CONSOLE = 2;
constexpr int MODE_RESTORE_STOP = 5;
constexpr int MODE_ONE_COMMAND = 6;
constexpr int MODE_ONE_DONE = 7;

constexpr const char *GAME_NAME = "zendry";

extern int mode;
extern char truname[80];
extern char *autoname;
extern char odir[PATH_SIZE];
extern char *dump_name;
extern char *com_name;
extern char log_path[PATH_SIZE];
extern char extcom[PATH_SIZE];
extern int end_pause;
extern const char *prog;  // the program's path as invoked

int fablet_main(int argc, char **argv);
int initialise();
void zap_dump();
void gothere();
void *orvalloc(int size);
void *orvrealloc(void *block, int size);
[[noreturn]] void fablet_exit(int status);  // leave the program, files closed as the caller arranged
// When set, fablet_exit calls it first: a harness that runs the program
// in-process (the fuzzers) ends the run there by throwing, and goes on.
extern void (*exit_hook)(int status);
