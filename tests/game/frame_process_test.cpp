// The game's frame through the real program in the console: a new game
// leaves the start question, so every turn is autosaved and a game killed
// with SIGKILL resumes showing its last turn; quitting gives the final
// report with the rank, exit status 255, and leaves no autosave behind.
#include <gtest/gtest.h>

#include "running_game.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::string text_of(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

bool wait_for(const std::string &path, const std::string &what) {
    for (int i = 0; i < 500; i++) {
        if (text_of(path).find(what) != std::string::npos) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

// The game in the plain console.
struct Game : RunningGame {
    Game(const std::string &home, const std::string &out) : RunningGame(ZENDRY_BIN, {"-p0"}, home, out) {}
};

class FrameProcess : public ::testing::Test {
protected:
    std::string home;
    void SetUp() override {
        char tmpl[] = "/tmp/frame_process_XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        home = tmpl;
        fs::create_directories(home + "/fablet");
        std::ofstream(home + "/fablet/fablet.conf") << "BROWSER NONE\r\n";
    }
    void TearDown() override { fs::remove_all(home); }
    bool autosave_left() const {
        for (const char *ext : {"orv", "orh", "orl"})
            if (fs::exists(home + "/fablet/zendry/_zendry." + ext)) return true;
        return false;
    }
};

TEST_F(FrameProcess, KilledGameResumesAtItsLastTurnAndQuittingEndsCleanly) {
    const std::string first = home + "/first.out", second = home + "/second.out";
    const std::string last_reply = "no tongue you know";
    {
        Game g(home, first);
        ASSERT_GT(g.pid, 0);
        // Enter starts a new game; two turns follow.
        g.type("\nlook\ngraffiti\n");
        ASSERT_TRUE(wait_for(first, last_reply)) << text_of(first);
        ASSERT_TRUE(fs::exists(home + "/fablet/zendry/_zendry.orv")) << "a new game is autosaved";
        g.kill_hard();
    }

    Game g(home, second);
    ASSERT_GT(g.pid, 0);
    ASSERT_TRUE(wait_for(second, last_reply)) << "the last turn is shown again:\n" << text_of(second);
    g.type("quit\nyes\n");
    EXPECT_EQ(g.finish(), 255);
    const std::string out = text_of(second);
    EXPECT_EQ(out.find("You open your eyes"), std::string::npos) << "the game resumed, it did not start again";
    EXPECT_NE(out.find("You scored 0 out of a possible 770 points"), std::string::npos) << out;
    EXPECT_NE(out.find("errand-runner"), std::string::npos) << out;
    EXPECT_FALSE(autosave_left());
}

}  // namespace
