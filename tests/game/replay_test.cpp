// A fixed-seed replay through the turn cycle, compared with its recorded
// transcript (tests/transcripts/living_phases.out; UPDATE=1 writes it
// afresh): a game that starts in the lane (the introduction seen on an
// earlier game), its first question answered, which begins phase 3; then,
// set down in the honeycomb, a walk with its arrivals; then phase 4 forced,
// which the scheduler turns into phase 5 on the next arrival, and the lamp
// run down to its last unit, whose going out in phase 5 carries the player
// to the eyrie for phase 6.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "harness.h"

namespace {

using namespace game_test;

// What is changed by hand before a turn starts, by the turn's number.
using forced = std::map<int, std::function<void()>>;

class Replay : public GameTest {
protected:
    // Runs `turns` turns through the REPEAT chain as the main loop does,
    // from INIT with the given seed, the lines typed as the turns read
    // them; returns everything printed, at a width of 79.
    std::string play(int32_t seed, const std::vector<std::string> &typed, int turns, const forced &before) {
        say_hook = nullptr;
        line_source = support::next_line;
        Linlen = Maxlen = 79;
        std::memset(&IMAGE, 0, sizeof IMAGE);
        value[VAR_HERE] = value[VAR_THERE] = PLACE_START;
        value[VAR_UNDO_RESULT] = -1;
        rseed = seed;
        loop = quitting = 0;
        // INIT's clock-drawn text variants are drawn as a replay draws them.
        com_file = std::fopen("/dev/null", "r");
        p1();
        std::fclose(com_file);
        com_file = nullptr;
        for (const std::string &t : typed) support::lines.push_back(t);
        support::lines.push_back("");  // the read that ends the last turn
        for (int turn = 1; turn <= turns && !quitting; turn++) {
            if (auto b = before.find(turn); b != before.end()) b->second();
            loop = 0;
            p2();
        }
        EXPECT_EQ(support::lines.size(), 1u) << "the turns read a different number of lines";
        return session.console() + support::Session::pending();
    }
};

std::string expected_file() { return std::string(SOURCE_DIR) + "/tests/transcripts/living_phases.out"; }

TEST_F(Replay, ThroughThePhases) {
    int byte = 1;
    special(SPECIAL_PDATA_SET, &byte);  // the introduction was seen before

    const forced before = {
        // Set down in the honeycomb with the lamp lit.
        {4,
         [] {
             set_ref(VAR_THERE, value[VAR_HERE]);
             set_ref(VAR_HERE, 651);
             bitmod('s', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_MOVED);
             carry(OBJ_LIGHT_SOURCE);
             value[OBJ_LIGHT_SOURCE] = 1;
         }},
        // Every treasure home: phase 4, and the scheduler due.
        {8,
         [] {
             value[VAR_PHASE] = 4;
             value[VAR_PHASE_TIMER] = 0;
         }},
        // The lamp's last unit of oil.
        {9, [] { value[VAR_LIGHT_POWER] = 1; }},
    };
    // Turn 1 asks question 22 and reads nothing; turn 9 ends with the move
    // to the eyrie before it reads.
    const std::vector<std::string> typed = {
        "no",    // 2: question 22 declined: phase 3, the lane
        "wait",  // 3: the arrival in the lane
        "nw",    // 4: arrival at 651; to 652
        "se",    // 5: 652, with its remark; back to 651
        "ne",    // 6: 651; to 653
        "ne",    // 7: 653; to 654
        "sw",    // 8: 654, where the scheduler starts phase 5; to 653
        "wait",  // 10: the eyrie
        "wait",  // 11
    };
    const std::string got = play(4242, typed, 11, before);
    EXPECT_EQ(value[VAR_PHASE], 6);
    EXPECT_EQ(here(), 447);

    if (const char *u = std::getenv("UPDATE"); u && std::string(u) == "1") {
        std::ofstream(expected_file()) << got;
        GTEST_SKIP() << "wrote " << expected_file();
    }
    std::ifstream in(expected_file());
    ASSERT_TRUE(in) << "no recorded transcript: run with UPDATE=1";
    std::stringstream want;
    want << in.rdbuf();
    EXPECT_EQ(got, want.str());
}

}  // namespace
