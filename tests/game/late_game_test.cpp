// The late game played through the turn cycle: a game as INIT builds it,
// brought to the end of the gathering (every treasure in the cottage, the
// far places explored, the lamp lit in hand), then played command by
// command through the REPEAT chain as the main loop runs it: the hills
// stir, the hourglass, the eyrie, the Litany, the mirrored valley and the
// last ledge; and the other ways a late game ends.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "harness.h"

namespace {

using namespace game_test;

class LateGame : public GameTest {
public:
    // A new game from INIT with a fixed seed, the introduction seen on an
    // earlier game, its first turn played (the question in the lane
    // declined: phase 3); then the gathering done as a winning game leaves
    // it: every scoring object lying in the cottage, the tusk and the cloth
    // scoring there too, the plaque on its hook, the far places visited,
    // and the player in the lane with the lamp lit.
    void end_of_gathering() {
        line_source = support::next_line_strict;
        std::memset(&IMAGE, 0, sizeof IMAGE);
        value[VAR_HERE] = value[VAR_THERE] = PLACE_START;
        value[VAR_UNDO_RESULT] = -1;
        rseed = 4242;
        loop = quitting = 0;
        int byte = 1;
        special(SPECIAL_PDATA_SET, &byte);
        com_file = std::fopen("/dev/null", "r");
        p1();
        std::fclose(com_file);
        com_file = nullptr;
        play({"no"});
        EXPECT_EQ(value[VAR_PHASE], 3);

        for (int obj = FIRST_OBJECT; obj <= LAST_OBJECT; obj++) {
            if (!bitest(obj, OFLAG_SCORING)) continue;
            location[obj] = PLACE_DEPOSIT;
            bitmod('s', obj, OFLAG_SEEN);
        }
        for (int obj : {83, 63}) {
            location[obj] = PLACE_DEPOSIT;
            bitmod('s', obj, OFLAG_SCORING);
            bitmod('s', obj, OFLAG_SEEN);
        }
        location[116] = 295;
        location[100] = 199;
        bitmod('c', 116, OFLAG_PORTABLE);
        for (int place : {195, 540, 199, 206, 589, 545, 386, 439, 312, 352, 547, 483, 222, 210})
            bitmod('s', place, PFLAG_VISITED);
        bitmod('s', 28, 13);
        bitmod('s', 158, OFLAG_SEEN);
        location[9] = PLACE_GONE;
        carry(OBJ_LIGHT_SOURCE);
        value[OBJ_LIGHT_SOURCE] = 1;
        value[VAR_LIGHT_POWER] = 300;
        bitmod('s', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_CARRIED_CHANGED);
    }

    // Plays the typed lines, one turn each as the main loop runs them
    // (a turn that asks a question reads the next line as its answer).
    void play(const std::vector<std::string> &typed) {
        for (const std::string &t : typed) support::lines.push_back(t);
        while (!support::lines.empty() && !quitting) {
            loop = 0;
            p2();
        }
    }

    // Plays the lines and checks where the game stands after them.
    void expect_after(const std::vector<std::string> &typed, int phase, int place, int score) {
        said_log.clear();
        play(typed);
        p378();
        EXPECT_EQ(value[VAR_PHASE], phase) << typed.back();
        EXPECT_EQ(here(), place) << typed.back();
        EXPECT_EQ(value[VAR_SCORE], score) << typed.back();
        EXPECT_EQ(value[VAR_SCORE_DEDUCTION], 0) << typed.back();
    }
    static bool said_text(int text) {
        return std::any_of(said_log.begin(), said_log.end(), [text](const said &s) { return s.text == text; });
    }
};

// The winning road from the gathering's end to the last report.
TEST_F(LateGame, PhasesInOrder) {
    end_of_gathering();
    // Phase 4: any command in the cottage once everything is home.
    expect_after({"e", "look"}, 4, PLACE_DEPOSIT, 690);
    // Phase 5: a command at the north fork in phase 4 turns the hourglass.
    expect_after({"fennoch", "s", "n"}, 5, 222, 706);
    EXPECT_TRUE(said_text(1420));
    EXPECT_EQ(value[VAR_PHASE_TIMER], 30);
    // Fourteen more lit arrivals below ground run the sand out; the last
    // arrival carries the player to the eyrie, and what he carried stays
    // where he stood.
    std::vector<std::string> shuttle;
    for (int i = 0; i < 7; i++) {
        shuttle.push_back("s");
        shuttle.push_back("n");
    }
    expect_after(shuttle, 5, 222, 706);
    expect_after({"look"}, 6, 447, 722);
    EXPECT_TRUE(said_text(1423));
    for (int obj = FIRST_OBJECT; obj <= LAST_OBJECT; obj++) EXPECT_NE(location[obj], PLACE_CARRIED) << obj;
    EXPECT_EQ(location[OBJ_LIGHT_SOURCE], 222);
    // Phase 6: the rod called at the watchpost, left in the eyrie and set
    // off from the watchpost; the griffin carries the player away.
    expect_after({"sw", "take rod", "ne", "drop rod", "sw", "detonate"}, 6, 448, 722);
    EXPECT_TRUE(said_text(1848));
    EXPECT_EQ(location[85], 448);
    EXPECT_EQ(location[112], PLACE_GONE);
    EXPECT_EQ(location[OBJ_ATTACKER], PLACE_GONE);
    expect_after({"board griffin"}, 7, PLACE_INTRO, 738);
    // Phase 7: the Litany, one word a command.
    expect_after({"alvoth", "beruth", "corrim", "dathel", "ephrun", "reflect", "fennoch", "wirreth", "gorvash", "hesk",
                  "ismaru", "jevra", "kelbrin", "lomas", "mevet", "nuvik", "ostel", "pazhan"},
                 7, PLACE_INTRO, 738);
    EXPECT_EQ(value[1207], 16);
    expect_after({"rhunel"}, 8, PLACE_START, 754);
    // The treasures wait in the timeless chamber, and still count.
    for (int obj = FIRST_OBJECT; obj <= LAST_OBJECT; obj++)
        if (bitest(obj, OFLAG_SCORING)) {
            EXPECT_EQ(location[obj], PLACE_INTRO) << obj;
        }
    // Phase 8: the valley turned about, down through the grate to the last
    // ledge.
    expect_after({"sw", "nw", "nw", "nw", "nw", "nw"}, 8, 545, 754);
    expect_after({"down"}, 8, 672, 754);
    expect_after({"jump"}, 9, 672, 770);
    EXPECT_EQ(value[VAR_QUESTION], Q_FINALE_1);
    expect_after({"yes", "yes"}, 9, 672, 770);
    EXPECT_TRUE(said_text(1867));
    EXPECT_TRUE(said_text(1536));
    EXPECT_EQ(value[VAR_SCORE_NET], 770);
    EXPECT_TRUE(quitting);
}

// The other ways a late game ends (and the light running out in phase 5,
// which only hurries the eyrie): each from a point of the winning road,
// with what was said and whether the final report came.
TEST_F(LateGame, OtherEndings) {
    struct ending {
        const char *what;
        std::function<void(LateGame &)> reach;
        std::vector<std::string> typed;
        bool ended, report;
        std::vector<int> texts;  // said on the way, in any order
        int phase, deaths = 0;
    };
    const auto phase_4 = [](LateGame &g) {
        g.end_of_gathering();
        g.play({"e", "look"});
    };
    // Phase 5 as the north fork starts it, here in the cottage.
    const auto phase_5 = [phase_4](LateGame &g) {
        phase_4(g);
        p149();
    };
    // Phase 6 as the hourglass running out starts it.
    const auto phase_6 = [phase_5](LateGame &g) {
        phase_5(g);
        p148();
        g.play({"look"});
    };
    const auto rod_seen = [phase_6](LateGame &g) {
        phase_6(g);
        g.play({"sw", "take rod"});
    };
    const auto phase_7 = [rod_seen](LateGame &g) {
        rod_seen(g);
        g.play({"ne", "drop rod", "sw", "detonate", "board griffin"});
    };
    const auto phase_8 = [phase_7](LateGame &g) {
        phase_7(g);
        g.play({"alvoth", "beruth", "corrim", "dathel", "ephrun", "fennoch", "gorvash", "hesk", "ismaru", "jevra",
                "kelbrin", "lomas", "mevet", "nuvik", "ostel", "pazhan", "rhunel"});
    };
    const auto grate = [phase_8](LateGame &g) {
        phase_8(g);
        g.play({"sw", "nw", "nw", "nw", "nw", "nw"});
    };
    const std::vector<ending> endings = {
        {"a fourth death", [phase_4](LateGame &g) { phase_4(g); value[VAR_DEATHS] = 3; },
         {"w", "lookout", "jump", "yes"}, true, true, {1502}, 4, 4},
        {"a death in phase 4 goes on", phase_4, {"w", "lookout", "jump", "yes"}, false, false, {1502}, 4, 1},
        // Going home during the hourglass leaves it running: phase 5 it stays.
        {"a death in phase 5", phase_5, {"look", "w", "lookout", "jump"}, true, true, {1502, 1422}, 5, 1},
        {"the light out in phase 5", [phase_5](LateGame &g) { phase_5(g); value[VAR_LIGHT_POWER] = 1; },
         {"w", "look"}, false, false, {1423}, 6},
        {"the rod set off in hand", rod_seen, {"detonate"}, true, true, {1846}, 6},
        // Named, the rod is called to the player's feet first.
        {"the rod named as it is set off", rod_seen, {"ne", "drop rod", "sw", "detonate rod"}, true, true, {1846}, 6},
        {"the rod set off from the eyrie", rod_seen, {"drop rod", "ne", "detonate"}, true, true, {1847}, 6},
        {"the prowler stirred", phase_6, {"stir prowler"}, true, true, {1845}, 6},
        // The rod stays in hand while the wand is named (it does not fly
        // back to the hoard), and the second wave is the last.
        {"the rod waved twice at the watchpost, as the wand", rod_seen, {"wave wand", "wave wand"}, true, true, {3475}, 6},
        {"quitting at the Litany", phase_7, {"alvoth", "quit", "yes"}, true, true, {}, 7},
        {"the turn limit", [phase_8](LateGame &g) { phase_8(g); value[VAR_TURNS] = 7777; }, {"look"}, true, true,
         {1564}, 8},
        {"the lamp lost, in the lane", [phase_4](LateGame &g) { phase_4(g); location[OBJ_LIGHT_SOURCE] = PLACE_GONE; },
         {"w", "look"}, true, true, {1485}, 4},
        {"the griffin boarded out of its phase",
         [phase_4](LateGame &g) { phase_4(g); location[85] = PLACE_DEPOSIT; }, {"board griffin"}, true, false,
         {1752}, 4},
        {"a jump down through the grate, both questions declined", grate, {"jump down", "no", "no"}, true, true,
         {1864, 1867}, 9},
    };
    for (const ending &e : endings) {
        SCOPED_TRACE(e.what);
        fresh_world(PLACE_DEPOSIT);
        e.reach(*this);
        said_log.clear();
        play(e.typed);
        EXPECT_EQ(bool(quitting), e.ended);
        EXPECT_EQ(said_text(1520), e.report);
        for (int t : e.texts) EXPECT_TRUE(said_text(t)) << t;
        EXPECT_EQ(value[VAR_PHASE], e.phase);
        EXPECT_EQ(value[VAR_DEATHS], e.deaths);
    }
}

}  // namespace
