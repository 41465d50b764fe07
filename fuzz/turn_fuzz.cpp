// Typed lines through whole turns. The first byte of the input chooses the
// game: even, a new game; odd, a game in progress, resumed at start-up from
// its autosave, journal and transcript. The rest is the lines typed,
// separated by line feeds, played in the console until they run out.
#include "harness.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    fuzz::setup(argc, argv);
    fuzz::in_progress();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size == 0) return 0;
    fuzz::in_target target;
    fuzz::fresh_process();
    std::vector<std::string> args = {"-C", "-p0"};
    if (data[0] & 1)
        fuzz::put_in_progress(fuzz::game_dir() + "/_zendry");
    else
        args.push_back("-n");
    fuzz::type_lines(fuzz::split(data + 1, size - 1, '\n', 256));
    fuzz::run_program(args);
    return 0;
}
