// The fixture of the tests of the command words: a command typed at a
// place (as the objects fixture gives it), a table of cases run one by one
// on a word procedure, and recorders standing in for the procedures that a
// word hands the command to through the procedure table.
#pragma once

#include "objects_fixture.h"

namespace game_test {

// A case: the place, the typed words, the world set up; what the procedure
// said, whether the turn ended, and a check of the world afterwards.
struct word_case {
    const char *what;
    int here;
    std::vector<int> words;
    std::function<void()> setup;
    std::vector<said> texts;
    int loop = 1;
    std::function<void()> check = nullptr;
    game_proc said_by = nullptr;  // the texts are what this procedure alone says there
};

// Expected texts: whatever the last replies alone say in that world.
inline const std::vector<said> LAST_REPLIES = {{-1, -1, -1}};

// The words whose procedures were run through the table.
inline std::vector<int> handed_to;

class WordsTest : public ObjectsTest {
protected:
    void command_at(int here, const std::vector<int> &words) {
        std::string typed;
        for (int w : words) typed += (typed.empty() ? "" : " ") + line({w});
        ObjectsTest::command_at(here, typed);
        handed_to.clear();
    }
    // The procedure of word w, through the table, only notes that it ran.
    template <int W>
    static int recorder() {
        handed_to.push_back(W);
        return 0;
    }
    template <int W>
    void record() {
        procs[W] = recorder<W>;
    }

    void run_cases(game_proc p, const std::vector<word_case> &cases) {
        for (const word_case &c : cases) {
            command_at(c.here, c.words);
            if (c.setup) c.setup();
            const std::vector<said> want = c.said_by                 ? said_alone(c.said_by)
                                           : c.texts == LAST_REPLIES ? said_alone(p39)
                                                                     : c.texts;
            outcome o = call(p);
            EXPECT_EQ(o.texts, want) << c.what;
            EXPECT_EQ(o.loop, c.loop) << c.what;
            if (c.check) {
                SCOPED_TRACE(c.what);
                c.check();
            }
        }
    }
    // What a procedure alone would say in the world as it is.
    std::vector<said> said_alone(game_proc p) {
        const state_image keep = IMAGE;
        const int32_t seed = rseed;
        outcome o = call(p);
        IMAGE = keep;
        rseed = seed;
        return o.texts;
    }
};

// A thing here, in hand, or with a flag.
inline void here_(int obj) { set_location(obj, value[VAR_HERE]); }
inline void carry_in(int obj, int state) {
    carry(obj);
    value[obj] = state;
}
inline void flag(int obj, int f) { bitmod('s', obj, f); }
// Water to be had where the player stands.
inline void source() { bitmod('s', value[VAR_HERE], PFLAG_LIQUID_SOURCE); }
// A vessel (or any thing) in a state, in hand or lying here.
inline void vessel(int v, int state, bool in_hand = true) {
    value[v] = state;
    set_location(v, in_hand ? PLACE_CARRIED : value[VAR_HERE]);
}
// A check that a thing is in a state.
inline std::function<void()> state_is(int obj, int s) {
    return [=] { EXPECT_EQ(value[obj], s); };
}
inline void dark() {
    bitmod('c', value[VAR_HERE], PFLAG_LIT);
    light(false);
}

}  // namespace game_test
