// The kernel's own state put back as a run starts with it, in one place:
// tests call kernel_reset before each case, so that no case depends on
// what an earlier one left in the kernel's globals.
#include <cstring>

#include "input.h"
#include "state.h"
#include "text.h"

void kernel_reset() {
    // The world.
    std::memset(&IMAGE, 0, sizeof IMAGE);
    std::memset(&intim, 0, sizeof intim);
    loop = 0;
    quitting = 0;
    value_all = 0;
    rseed = 0;
    mainseed = 0;
    // The output: nothing pending, a sentence starting, the settings a run
    // starts with and an empty prompt. The display mode stays the caller's:
    // a run chooses it before anything is said.
    text_setup();
    zap_text();
    eol_count = 0;
    upcase = 1;
    extra_dwarvish = 0;
    compress = 0;
    justify = 0;
    flip = 0;
    cps = 0;
    Screen = 24;
    Linlen = 80;
    Margin = 1;
    Maxlen = 78;
    lincnt = 0;
    http_offset = 0;
    html_ok = 0;
    prompt_alloc();
    prompt_ptr = prompt_line;
    *prompt_ptr = 0;
    // The input: no line read, no command kept, no files.
    command_reset();
    query_flag = 0;
    log_file = nullptr;
    com_file = nullptr;
}
