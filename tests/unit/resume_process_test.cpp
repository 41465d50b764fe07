// A resume shows the last turn as it was played, however often the game is
// started again and stopped with nothing typed: what the game says again on
// its way to the first command (a warning it gives every turn, which already
// ends the turn shown) is neither shown twice nor kept with the autosave.
#include "console_game.h"
#include "persist_support.h"

#include <chrono>
#include <thread>

using namespace persist_test;

namespace {

class ResumeProcess : public InTempDir {};

// The fixture program with the chain that warns before each command.
struct NaggingGame : RunningGame {
    NaggingGame(const std::string &home, const std::string &out)
        : RunningGame(FIXTURE_BIN, {"-C"}, home, out, {{"FIXTURE_CHAIN", "nag"}}) {}
};

// The transcript an autosave copy keeps: the text after its trailer's head.
std::string kept_transcript(const std::string &path) {
    const std::vector<unsigned char> f = read_file(path);
    if (f.size() < size_t(SAVE_BYTES) + 36) return "";
    const unsigned char *t = f.data() + SAVE_BYTES;
    return std::string(reinterpret_cast<const char *>(t) + 36, get32(t + 4));
}

// The transcript of the newer autosave copy.
std::string newest_transcript(const std::string &work) {
    return kept_transcript(work + "_zendry." + newer_autosave_copy(work + "_zendry"));
}

TEST_F(ResumeProcess, LastTurnIsTheSameHoweverOftenTheGameIsResumed) {
    const std::string work = dir + "/fablet/zendry/";
    {
        NaggingGame g(dir, dir + "/played.out");
        ASSERT_GT(g.pid, 0);
        g.type("lamp\nhall\n");
        EXPECT_EQ(g.finish(), 0);  // the input ends: the game stops, its autosave kept
    }
    const std::string played = newest_transcript(work);
    ASSERT_NE(played.find("Turn 2: long hall\nYour mouth is dry.\n"), std::string::npos) << played;
    ASSERT_EQ(played.find("Turn 1"), std::string::npos) << played;

    std::string first_shown;
    for (int round = 1; round <= 3; round++) {
        SCOPED_TRACE("resume " + std::to_string(round));
        const std::string out = dir + "/resumed.out";
        NaggingGame g(dir, out);
        ASSERT_GT(g.pid, 0);
        EXPECT_EQ(g.finish(), 0);
        const std::string shown = text_of(out);
        const size_t at = shown.find("Turn 2: long hall");
        ASSERT_NE(at, std::string::npos) << shown;
        // The warning once, as the turn was played.
        EXPECT_EQ(shown.find("Your mouth is dry.", shown.find("Your mouth is dry.") + 1), std::string::npos)
            << shown;
        if (round == 1) first_shown = shown;
        EXPECT_EQ(shown, first_shown);
        EXPECT_EQ(newest_transcript(work), played);
    }
}

}  // namespace
