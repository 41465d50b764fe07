// The command line. The input is the program's arguments, separated by
// zero bytes. The game starts with them in the sandbox (on a first start,
// so it writes its default configuration file) and plays two typed
// commands; then the console reports the end of input. A saved game
// "saved.orv" (in the game's directory, where a name given to -r or -x is
// looked for) and a command file "game.cmd" (in the working directory) are
// there for the arguments to name.
#include <algorithm>

#include "harness.h"

namespace {

// The option letter as the kernel reads it: after "-" or "--".
char option_letter(const std::string &arg) {
    if (arg.empty() || arg[0] != '-') return 0;
    size_t at = arg.size() > 2 && arg[1] == '-' ? 2 : 1;
    return at < arg.size() ? arg[at] : 0;
}

const char *const command_file = "Wiz: 77\nREPLY: look\nREPLY: take lamp\nREPLY: north\n";

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    fuzz::setup(argc, argv);
    fuzz::in_progress();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    fuzz::in_target target;
    std::vector<std::string> args;
    if (size > 0) args = fuzz::split(data, size, '\0', 64);
    // -v and -h print and leave the process at once: nothing to fuzz there.
    std::erase_if(args, [](const std::string &a) {
        char letter = option_letter(a);
        return letter == 'v' || letter == 'h';
    });
    fuzz::fresh_process();
    fuzz::put_in_progress(fuzz::game_dir() + "/saved");
    fuzz::write_file(fuzz::work() + "/game.cmd", command_file);
    if (fuzz::start_up_hits_known_fault(args)) return 0;
    fuzz::type_lines({"look", "inventory"});
    fuzz::run_program(args);
    return 0;
}
