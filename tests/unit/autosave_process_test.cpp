// The autosave across processes: a game killed in the middle of play
// resumes from its autosave with the resume notice and the last turn shown
// again, and a game that ends normally leaves no autosave behind.
#include "persist_support.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <thread>

using namespace persist_test;

namespace {

// The fixture program in the console, fed through a pipe, its output into
// a file; the echo chain counts turns in the state and says them back.
struct Game {
    pid_t pid = -1;
    int input = -1;

    Game(const std::string &home, const std::string &out) {
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

std::string text_of(const std::string &path) {
    std::vector<unsigned char> b = read_file(path);
    return std::string(b.begin(), b.end());
}

// Waits until the file holds the text.
bool wait_for(const std::string &path, const std::string &what) {
    for (int i = 0; i < 500; i++) {
        if (text_of(path).find(what) != std::string::npos) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

class AutosaveProcess : public InTempDir {};

TEST_F(AutosaveProcess, KilledGameResumesAndNormalEndCleansUp) {
    const std::string home = dir, work = dir + "/fablet/zendry/";
    {
        Game g(home, dir + "/first.out");
        ASSERT_GT(g.pid, 0);
        g.type("lamp\nhall\n");  // words of the vocabulary, so that the journal records them
        // The transcript is written with the autosave when the game waits
        // for the third command.
        ASSERT_TRUE(wait_for(work + "_zendry.orl", "Turn 2: ")) << text_of(dir + "/first.out");
        g.kill_hard();
    }
    std::string last = text_of(work + "_zendry.orl");
    last = last.substr(last.find("Turn 2: "));
    last = last.substr(0, last.find('\n'));
    ASSERT_TRUE(exists(work + "_zendry.orv"));
    EXPECT_TRUE(exists(work + "_zendry.orh"));  // the undo journal goes with it

    Game g(home, dir + "/second.out");
    ASSERT_GT(g.pid, 0);
    g.type("lamp\nquit\n\n");
    EXPECT_EQ(g.finish(), 255);
    const std::string out = text_of(dir + "/second.out");
    size_t replay = out.find(last);
    size_t next = out.find("Turn 3: ");
    ASSERT_NE(replay, std::string::npos) << out;
    ASSERT_NE(next, std::string::npos) << out;
    EXPECT_LT(replay, next);
    EXPECT_EQ(out.find("Turn 1:"), std::string::npos) << out;

    // The resume notice comes first, as the game's texts word it.
    set_title();
    zap_text();
    say(0, 3495, 0);
    std::string notice = pending();
    while (!notice.empty() && (notice.back() == '\n' || notice.back() == ' ')) notice.pop_back();
    size_t from = notice.find_first_not_of("\n ");
    if (from != std::string::npos) {
        notice = notice.substr(from, notice.find('\n', from) - from);
        size_t at = out.find(notice);
        EXPECT_NE(at, std::string::npos) << notice << "\n" << out;
        EXPECT_LT(at, replay);
    }

    for (const char *ext : {"orv", "orh", "orl"}) EXPECT_FALSE(exists(work + "_zendry." + ext)) << ext;
}

}  // namespace
