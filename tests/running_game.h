// A program run as a real process for the process-level tests: fed through
// a pipe that stays open, with its output and errors going into a file, in a
// home of the test's own and without a display.
#pragma once

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

struct RunningGame {
    pid_t pid = -1;
    int input = -1;

    RunningGame(const char *program, const std::vector<std::string> &args, const std::string &home,
                const std::string &out, const std::vector<std::pair<std::string, std::string>> &env = {}) {
        // The argument list is built before the fork: the child only execs.
        std::vector<char *> argv{const_cast<char *>(program)};
        for (const std::string &a : args) argv.push_back(const_cast<char *>(a.c_str()));
        argv.push_back(nullptr);
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
            for (const auto &[name, setting] : env) setenv(name.c_str(), setting.c_str(), 1);
            unsetenv("DISPLAY");
            execv(program, argv.data());
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
