// The command line. The input is the program's arguments, separated by
// zero bytes. The game starts with them in the sandbox (on a first start,
// so it writes its default configuration file) and plays two typed
// commands; then the console reports the end of input. A saved game
// "saved.orv" (in the game's directory, where a name given to -r or -x is
// looked for) and a command file "game.cmd" (in the working directory) are
// there for the arguments to name.
#include "harness.h"

namespace {

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
    fuzz::fresh_process();
    fuzz::put_in_progress(fuzz::game_dir() + "/saved");
    fuzz::write_file(fuzz::work() + "/game.cmd", command_file);
    fuzz::type_lines({"look", "inventory"});
    fuzz::run_program(args);
    return 0;
}
