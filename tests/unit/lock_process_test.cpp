// One game at a time in a game directory, across real processes: while a
// game runs, a second start on the same home says that the game is already
// running there and ends with a non-zero status without touching a file;
// a game killed outright leaves no lock behind.
#include "console_game.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <thread>

using namespace persist_test;

namespace {

// Waits up to ten seconds for `what` to appear in either of two files.
bool wait_for(const std::string &path, const std::string &other, const std::string &what) {
    for (int i = 0; i < 500; i++) {
        if (text_of(path).find(what) != std::string::npos ||
            text_of(other).find(what) != std::string::npos)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

// A second start to its end: its exit status and all it printed.
int second_start(const std::string &home, std::string &said) {
    std::string cmd = "HOME=" + home + " FIXTURE_CHAIN=echo " FIXTURE_BIN " -C </dev/null 2>&1";
    FILE *p = popen(cmd.c_str(), "r");
    if (!p) return -1;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) said.append(buf, n);
    int st = pclose(p);
    return WIFEXITED(st) ? WEXITSTATUS(st) : -1;
}

class LockProcess : public InTempDir {};

TEST_F(LockProcess, SecondGameOnOneHomeIsRefusedUntilTheFirstEnds) {
    const std::string work = dir + "/fablet/zendry";
    Game first(dir, dir + "/first.out");
    ASSERT_GT(first.pid, 0);
    first.type("lamp\n");
    // The autosave of the first turn is written when the game waits again,
    // into whichever of its two copies comes next.
    ASSERT_TRUE(wait_for(work + "/_zendry.orv", work + "/_zendry.orl", "Turn 1: "))
        << text_of(dir + "/first.out");

    // What the second start must leave alone: the first game's files, and a
    // temporary file that any start would otherwise clear away.
    write_file(work + "/_zendry.orv.tmp", {1, 2, 3});
    const std::vector<unsigned char> orv = read_file(work + "/_zendry.orv");
    const auto listing = [&] {
        std::string names;
        for (const auto &e : std::filesystem::directory_iterator(work))
            names += e.path().filename().string() + " " + std::to_string(e.file_size()) + "\n";
        return names;
    };
    const std::string before = listing();

    std::string said;
    int status = second_start(dir, said);
    EXPECT_NE(status, 0);
    EXPECT_NE(said.find("already running in " + work), std::string::npos) << said;
    EXPECT_EQ(said.find("Turn"), std::string::npos) << said;
    EXPECT_EQ(listing(), before);
    EXPECT_EQ(read_file(work + "/_zendry.orv"), orv);

    // Killed outright, the first game leaves no lock: the next start plays,
    // resumes the first game's autosave and clears the temporary file.
    first.kill_hard();
    said.clear();
    EXPECT_EQ(second_start(dir, said), 0) << said;  // the end of its input
    EXPECT_EQ(said.find("already running"), std::string::npos) << said;
    EXPECT_NE(said.find("Turn 1: "), std::string::npos) << said;  // the last turn shown again
    EXPECT_FALSE(exists(work + "/_zendry.orv.tmp"));
}

}  // namespace
