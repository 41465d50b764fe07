// A game run as a real process for the process-level tests: the fixture
// program in the console, fed through a pipe that stays open, its output
// into a file; and the text of a file as a string.
#pragma once

#include "persist_support.h"

#include <csignal>
#include <fcntl.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace persist_test {

// The fixture program in the console, fed through a pipe, its output into
// a file; the echo chain counts turns in the state and says them back.
struct Game {
    pid_t pid = -1;
    int input = -1;

    Game(const std::string &home, const std::string &out, bool fresh = false) {
        int p[2];
        if (pipe(p) != 0) return;
        pid = fork();
        if (pid == 0) {
            dup2(p[0], 0);
            close(p[0]);
            close(p[1]);
            int fd = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            dup2(fd, 1);
            dup2(fd, 2);
            setenv("HOME", home.c_str(), 1);
            setenv("FIXTURE_CHAIN", "echo", 1);
            unsetenv("DISPLAY");
            if (fresh)
                execl(FIXTURE_BIN, FIXTURE_BIN, "-n", "-C", static_cast<char *>(nullptr));
            else
                execl(FIXTURE_BIN, FIXTURE_BIN, "-C", static_cast<char *>(nullptr));
            _exit(127);
        }
        close(p[0]);
        input = p[1];
    }

    void type(const std::string &lines) const { (void)!write(input, lines.data(), lines.size()); }

    int finish() {
        close(input);
        int status = 0;
        waitpid(pid, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    void kill_hard() {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        close(input);
    }
};

inline std::string text_of(const std::string &path) {
    std::vector<unsigned char> b = read_file(path);
    return std::string(b.begin(), b.end());
}

}  // namespace persist_test
