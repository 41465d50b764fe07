// A command file replayed with -c. The input is the file (a log the game
// wrote is one: its first line gives the seed, each "REPLY:" line a
// command). It is played twice: in the console, with a log of its own, and
// in the browser mode, where the replay keeps the output and feeds the
// recent-words tree until the file ends and the browser would be started.
#include "harness.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    fuzz::setup(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    fuzz::in_target target;
    const std::vector<std::vector<std::string>> runs = {
        {"-C", "-p0", "-l", "replay.log", "-c", "game.cmd"},
        {"-p0", "-c", "game.cmd"},
    };
    for (const auto &args : runs) {
        fuzz::fresh_process();
        fuzz::write_file(fuzz::work() + "/game.cmd", data, size);
        fuzz::run_program(args);
    }
    return 0;
}
