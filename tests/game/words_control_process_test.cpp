// The game-control words end to end through the real program in the plain
// console, over three runs in one home: a game saved under two names, one
// restored from the list and one deleted, moves undone and redone, the
// layout words, and the program left without quitting; then the game taken
// up again from the autosave and quit; then a new start that offers the
// saved game left.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

// How often `what` occurs in `text`.
int count(const std::string &text, const std::string &what) {
    int n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) n++;
    return n;
}

// The longest line of the text.
size_t widest(const std::string &text) {
    size_t w = 0;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) w = std::max(w, l.size());
    return w;
}

class WordsControlProcess : public ::testing::Test {
protected:
    std::string home;
    int run_number = 0;

    void SetUp() override {
        char tmpl[] = "/tmp/words_control_XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        home = tmpl;
        fs::create_directories(home + "/fablet");
        std::ofstream(home + "/fablet/fablet.conf") << "BROWSER NONE\r\n";
    }
    void TearDown() override { fs::remove_all(home); }

    std::string dir() const { return home + "/fablet/zendry/"; }

    // Plays the typed lines (an empty one is a blank answer) through the
    // program; the end of the lines is the end of its input. A new game is
    // played from a command file with a fixed seed; a game taken up from
    // the autosave reads the lines as typed. Returns the exit status; the
    // output is in `out`.
    int play(const std::vector<std::string> &typed, std::string &out, bool resume = false) {
        const std::string run = home + "/run" + std::to_string(++run_number);
        {
            std::ofstream f(run + ".in");
            if (!resume) f << "Wiz: 1234\n";
            for (const std::string &t : typed) f << (resume ? "" : t.empty() ? "REPLY:" : "REPLY: ") << t << "\n";
        }
        const std::string how = resume ? "<'" + run + ".in'" : "-n -c '" + run + ".in' </dev/null";
        const std::string line = "HOME='" + home + "' '" + ZENDRY_BIN + "' -p0 " + how + " 2>&1";
        out.clear();
        FILE *p = popen(line.c_str(), "r");
        if (!p) return -1;
        char buf[4096];
        for (size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
        const int status = pclose(p);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
};

TEST_F(WordsControlProcess, SaveRestoreListDeleteUndoSettingsAndTheAutosave) {
    std::string out;
    const int status = play(
        {
            "begin", "no",                 // into play
            "undo on", "yes",              // undo switched on, nothing undone
            "w", "e",                      // woodside and back
            "save trip", "", "",           // saved, and play goes on
            "save camp", "yes", "yes",     // a second name
            "restore",                     // the list, and one of it taken up
            "trip", "yes", "yes",
            "restore camp", "yes", "no",   // taken up, and its file deleted
            "w", "e", "e",                 // three moves: the cottage
            "undo 3", "redo",              // back to the lane, then one move on
            "width 50", "margin 2", "justify", "depth 30",
            "listen",
        },
        out);
    EXPECT_EQ(status, 0) << out;
    EXPECT_NE(out.find("Undo is now switched on."), std::string::npos) << out;
    EXPECT_EQ(count(out, "Your game is saved."), 2) << out;
    EXPECT_NE(out.find("You have 2 saved games: camp and trip."), std::string::npos) << out;
    EXPECT_EQ(count(out, "Your saved game is restored."), 2) << out;
    EXPECT_NE(out.find("The saved game has been deleted."), std::string::npos) << out;
    EXPECT_TRUE(fs::exists(dir() + "trip.orv"));
    EXPECT_FALSE(fs::exists(dir() + "camp.orv"));
    EXPECT_FALSE(fs::exists(dir() + "camp.orh"));
    EXPECT_NE(out.find("3 commands are taken back."), std::string::npos) << out;
    EXPECT_NE(out.find("One command is played again."), std::string::npos) << out;
    EXPECT_NE(out.find("The width is now 50."), std::string::npos) << out;
    const std::string after_width = out.substr(out.find("The width is now 50."));
    EXPECT_LE(widest(after_width), 50u) << after_width;
    EXPECT_NE(after_width.find("The text is now justified"), std::string::npos) << after_width;
    EXPECT_TRUE(fs::exists(dir() + "_zendry.orv")) << "left without quitting: the autosave stays";

    // Taken up again from the autosave, at the kernel's own layout (the
    // layout words last for the session: the kernel keeps them nowhere).
    const int resumed = play({"look", "score", "quit", "yes"}, out, true);
    EXPECT_EQ(resumed, 255);
    EXPECT_EQ(out.find("You open your eyes"), std::string::npos) << "resumed, not started again:\n" << out;
    EXPECT_NE(out.find("woodside"), std::string::npos) << "the redone move is kept:\n" << out;
    EXPECT_GT(widest(out), 50u);
    EXPECT_NE(out.find("You scored"), std::string::npos) << out;
    EXPECT_FALSE(fs::exists(dir() + "_zendry.orv")) << "quitting leaves no autosave";

    // A new start offers the saved game left; later the restore word takes
    // the only saved game up without asking which.
    play({"trip", "yes", "yes", "restore", "yes", "yes"}, out);
    EXPECT_NE(out.find("You have one saved game: trip."), std::string::npos) << out;
    EXPECT_EQ(count(out, "Your saved game is restored."), 2) << out;
    EXPECT_NE(out.find("Restoring the saved game \"trip\"."), std::string::npos) << out;
}

}  // namespace
