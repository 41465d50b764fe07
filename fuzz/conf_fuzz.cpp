// The configuration file. The input is the file ~/fablet/fablet.conf; the
// game starts a new game with it and plays two typed commands (in the
// console when the file says BROWSER NONE; in the browser mode the run ends
// where the browser would be started). Then the page is built from the
// settings read, as it is for the browser, without a request to send it to.
#include "config.h"
#include "display.h"
#include "harness.h"
#include "text.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    fuzz::setup(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    fuzz::in_target target;
    fuzz::fresh_process();
    fuzz::write_file(fuzz::home() + "/fablet/fablet.conf", data, size);
    const std::vector<std::string> args = {"-n", "-p0"};
    fuzz::type_lines({"look", "inventory"});
    fuzz::run_program(args);
    if (conf[CONF_WIDTH]) {
        http_offset = 143;
        wsock = -1;
        try {
            send_page();
        } catch (const fuzz::program_exit &) {
        }
    }
    return 0;
}
