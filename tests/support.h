// What tests that drive the kernel in-process share: typed lines fed
// through the command reader's line source, a fresh working directory, the
// console captured in memory, and the procedure table put back afterwards.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <filesystem>
#include <string>

#include "input.h"
#include "startup.h"
#include "state.h"
#include "text.h"

namespace support {

// Lines the command reader takes in turn; none left is the end of input.
inline std::deque<std::string> lines;

inline int next_line(char *buf, int size) {
    if (lines.empty()) return 0;
    snprintf(buf, size_t(size), "%s", lines.front().c_str());
    lines.pop_front();
    return 1;
}

// The same where running out of lines is a fault of the test: at the end of
// input the kernel ends the program with status 0, which would pass.
inline int next_line_strict(char *buf, int size) {
    if (lines.empty()) {
        ADD_FAILURE() << "the command reader asked for more lines than the test typed";
        std::abort();
    }
    return next_line(buf, size);
}

// Variable v := refno r, marked as holding a refno.
inline void set_ref(int v, int r) {
    value[v] = r;
    *bitword(v) = ref_mark;
}

// A session of the kernel in a temporary working directory, with the
// kernel's state reset (the state image zeroed, no log), the plain console
// captured, wide lines (no wrapping), the database's key set and the output
// buffers empty.
class Session {
public:
    void open(const char *tag) {
        start_ = std::filesystem::current_path().string();
        std::string tmpl = std::string("/tmp/") + tag + "_XXXXXX";
        std::strcpy(path_, tmpl.c_str());
        ASSERT_NE(mkdtemp(path_), nullptr);
        ASSERT_EQ(chdir(path_), 0);
        snprintf(truname, sizeof truname, "_%s", GAME_NAME);
        autoname = truname;
        ASSERT_EQ(set_title(), 0);
        kernel_reset();
        if (!word_buf) word_buf = btinit(nullptr);
        mode = MODE_PLAIN;
        Linlen = Screen = 32767;
        Margin = 0;
        Maxlen = Linlen;
        prompt_alloc();
        console_tty = 0;
        saved_out_ = console_out;
        console_out = open_memstream(&data_, &size_);
        lines.clear();
        line_source = next_line;
        std::memcpy(saved_procs_, procs, sizeof procs);
    }

    void close() {
        std::memcpy(procs, saved_procs_, sizeof procs);
        line_source = nullptr;
        lines.clear();
        value_all = 0;
        if (console_out && console_out != saved_out_) std::fclose(console_out);
        console_out = saved_out_;
        std::free(data_);
        data_ = nullptr;
        size_ = 0;
        zap_text();
        if (!start_.empty()) (void)!chdir(start_.c_str());
        std::filesystem::remove_all(path_);
    }

    // What reached the console so far.
    std::string console() {
        std::fflush(console_out);
        return std::string(data_ ? data_ : "", size_);
    }

    // The output said since the last flush (the pending text).
    static std::string pending() { return std::string(text_buf ? text_buf : "", size_t(text_len)); }

    const char *dir() const { return path_; }

private:
    std::string start_;
    char path_[256] = {};
    char *data_ = nullptr;
    size_t size_ = 0;
    FILE *saved_out_ = nullptr;
    game_proc saved_procs_[NPROCS];
};

}  // namespace support
