// The harness every game test shares: the real game in a kernel session,
// commands typed through the real command reader, and what a procedure did
// recorded as data: the texts said (refno, qualifiers, argument, whatever
// their wording), the place the player ends at, `loop`, and the number of
// random draws.
//
//   TEST_F(GameTest, Something) {
//       fresh_world(313);
//       outcome o = at_place(line({WORD_GO, 749}));
//       EXPECT_EQ(o.place, 312);
//   }
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <map>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "game.h"
#include "support.h"
#include "text.h"

namespace game_test {

using support::set_ref;

// One call of say, as the procedure made it.
struct said {
    int quals = 0, text = 0, arg = 0;
    bool operator==(const said &) const = default;
};
inline std::ostream &operator<<(std::ostream &os, const said &s) {
    return os << "{" << s.quals << ", " << s.text << ", " << s.arg << "}";
}
inline std::ostream &operator<<(std::ostream &os, const std::vector<said> &v) {
    os << "[";
    for (const said &s : v) os << s;
    return os << "]";
}
constexpr int STOP = SAY_STOP;
constexpr int ARG = SAY_ARG;
constexpr int STOP_ARG = SAY_STOP | SAY_ARG;
constexpr int TYPED = SAY_STOP | SAY_ARG | SAY_ARGVAR;  // a reply naming a typed word or a value

inline std::vector<said> said_log;
// Every text the game says must be written: a game text with no wording
// would leave the player with silence.
inline void record_say(int q, int r, int a) {
    said_log.push_back({q, r, a});
    if (r >= FIRST_TEXT && r <= LAST_TEXT && textadr[r] == 0)
        ADD_FAILURE() << "text " << r << " is said but not written";
}

// The first n texts said (all of them when fewer): what a procedure said
// before it called one that may say more.
inline std::vector<said> first(const std::vector<said> &texts, size_t n) {
    return {texts.begin(), texts.begin() + long(std::min(n, texts.size()))};
}

// What a text says with its argument, from the state as it is (a text that
// is not written says nothing). The state, the seed and the record of says
// are left as they were.
inline std::string wording(const said &s) {
    const state_image keep = IMAGE;
    const int32_t seed = rseed;
    const auto hook = say_hook;
    say_hook = nullptr;
    zap_text();
    say(s.quals & ~SAY_STOP, s.text, s.arg);
    std::string w = support::Session::pending();
    zap_text();
    say_hook = hook;
    rseed = seed;
    IMAGE = keep;
    return w;
}

// The typed spelling of a refno: its first entry in the vocabulary that no
// earlier entry spells the same (the reader takes the first exact match).
inline std::string spelling(int refno) {
    static std::map<int, std::string> first;
    if (first.empty()) {
        std::ifstream in(std::string(SOURCE_DIR) + "/game/text/vocabulary.voc");
        std::string text_line;
        std::map<std::string, bool> spelled;
        while (std::getline(in, text_line)) {
            if (text_line.empty() || text_line[0] == '#') continue;
            std::istringstream fields(text_line);
            std::string matched, shown, type;
            int r = 0;
            if (!(fields >> matched >> shown >> r >> type)) continue;
            if (type == "never" || matched[0] == '|') continue;
            if (matched[0] == '!') matched.erase(0, 1);  // matched exactly only
            if (spelled.count(matched)) continue;
            spelled[matched] = true;
            if (!first.count(r)) first[r] = matched;
        }
    }
    auto it = first.find(refno);
    return it == first.end() ? std::string() : it->second;
}
// A command typed as the words of these refnos.
inline std::string line(std::initializer_list<int> refnos) {
    std::string s;
    for (int r : refnos) {
        std::string w = spelling(r);
        EXPECT_FALSE(w.empty()) << "refno " << r << " has no spelling";
        if (!s.empty()) s += ' ';
        s += w;
    }
    return s;
}

// What a procedure (or a turn) did.
struct outcome {
    int place = 0;
    std::vector<said> texts;
    int loop = 0;
    long draws = 0;
};

// A row of a table-driven test: the world set up, then a typed command.
struct game_case {
    std::function<void()> setup;
    std::string command;
    int place;
    std::vector<said> texts;
    int loop = 1;
    long draws = 0;
};

inline void set_location(int obj, int place) { location[obj] = place; }
inline void carry(int obj) { location[obj] = PLACE_CARRIED; }
// Whether the player has light, as the light procedure would leave it.
inline void light(bool on) { bitmod(on ? 's' : 'c', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_LIGHT); }

class GameTest : public ::testing::Test {
protected:
    support::Session session;

    void SetUp() override {
        session.open("game_test");
        line_source = support::next_line_strict;
        say_hook = record_say;
        std::memcpy(saved_procs_, procs, sizeof procs);
        fresh_world(PLACE_DEPOSIT);
    }
    void TearDown() override {
        say_hook = nullptr;
        session.close();
    }

    // An empty world: every object out of play, the player at `here`, lit
    // and with light, in phase 3, no undo journal, a fixed seed; the
    // procedure table as the game has it.
    void fresh_world(int here) {
        std::memset(&IMAGE, 0, sizeof IMAGE);
        zap_text();
        command_preset(nullptr);
        support::lines.clear();
        said_log.clear();
        loop = quitting = 0;
        value_all = 0;
        std::memcpy(procs, saved_procs_, sizeof procs);
        value[VAR_UNDO_RESULT] = -1;
        for (int obj = FIRST_OBJECT; obj <= LAST_OBJECT; obj++) location[obj] = PLACE_OFFSTAGE;
        set_ref(VAR_HERE, here);
        set_ref(VAR_THERE, here);
        bitmod('s', here, PFLAG_LIT);
        bitmod('s', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_LIGHT);
        value[VAR_PHASE] = 3;
        rseed = 1234;
    }

    // Parses one typed line into the word slots, as the reading part does.
    void parse(const std::string &typed) {
        loop = 0;
        command_preset(nullptr);
        support::lines.push_back(typed);
        get_command(0);
    }

    // Runs a procedure on the command in the word slots, or on a typed one.
    outcome call(game_proc p) {
        begin();
        p();
        return finish();
    }
    outcome call(game_proc p, const std::string &typed) {
        parse(typed);
        return call(p);
    }
    // The reading part on one input line (an answer to a pending question,
    // or a command).
    outcome read(const std::string &typed) {
        support::lines.push_back(typed);
        begin();
        p6();
        return finish();
    }
    // A typed command through the whole dispatch: the turn cycle's own
    // steps, the place procedure, the word procedure, the last replies.
    outcome turn(const std::string &typed) {
        parse(typed);
        begin();
        p7();
        return finish();
    }
    // A typed command through dispatch up to the place procedure, which
    // runs and is the last thing to run: what it said, whether it ended the
    // turn, its draws. What dispatch said before it is not counted.
    outcome at_place(const std::string &typed, bool place_must_run = true) {
        parse(typed);
        begin();
        const int place = value[VAR_HERE];
        place_proc_ = procs[place];
        place_ran_ = false;
        procs[place] = place_probe;
        p7();
        procs[place] = place_proc_;
        outcome o = finish();
        if (!place_ran_) {
            // Dispatch answered the command itself: its outcome stands.
            if (place_must_run) ADD_FAILURE() << "dispatch answered \"" << typed << "\" before the place procedure";
            return o;
        }
        o.texts.erase(o.texts.begin(), o.texts.begin() + long(place_said_from_));
        o.loop = place_loop_;
        o.draws = place_draws_;
        return o;
    }

    // Checks one row of a table.
    void expect(const game_case &c, const outcome &o, const char *what = "") {
        EXPECT_EQ(o.place, c.place) << what << " \"" << c.command << "\"";
        EXPECT_EQ(o.texts, c.texts) << what << " \"" << c.command << "\"";
        EXPECT_EQ(o.loop, c.loop) << what << " \"" << c.command << "\"";
        EXPECT_EQ(o.draws, c.draws) << what << " \"" << c.command << "\"";
    }
    // A table of commands at the place procedure of `here`, each from a
    // fresh world.
    void check_place(int here, const std::vector<game_case> &cases) {
        for (const game_case &c : cases) {
            fresh_world(here);
            if (c.setup) c.setup();
            expect(c, at_place(c.command), "at the place,");
        }
    }

    // Features a place answers with a closer look: from a fresh world at
    // the place, "look <word>" at its procedure says `text` first and ends
    // the turn.
    struct feature_look {
        int place, word, text;
    };
    void expect_looks(const std::vector<feature_look> &cases) {
        for (const feature_look &c : cases) {
            fresh_world(c.place);
            const outcome o = at_place(line({WORD_LOOK, c.word}));
            ASSERT_FALSE(o.texts.empty()) << c.place << " " << spelling(c.word);
            EXPECT_EQ(o.texts[0].text, c.text) << c.place << " " << spelling(c.word);
            EXPECT_EQ(o.loop, 1) << c.place << " " << spelling(c.word);
        }
    }

    // Typed commands a place answers with one text: from a fresh world at
    // the place, its procedure says `reply` alone and ends the turn.
    struct feature_reply {
        int place;
        const char *typed;
        said reply;
    };
    void expect_replies(const std::vector<feature_reply> &cases) {
        for (const feature_reply &c : cases) {
            fresh_world(c.place);
            const outcome o = at_place(c.typed);
            EXPECT_EQ(o.texts, std::vector<said>{c.reply}) << c.place << " \"" << c.typed << "\"";
            EXPECT_EQ(o.loop, 1) << c.place << " \"" << c.typed << "\"";
        }
    }

    // Where each typed word moves the player from `here` (a fresh world,
    // then `setup`), as a one-word command or after GO: word -> place.
    // Every refno that the vocabulary spells is tried.
    std::map<int, int> exits(int here, const std::function<void()> &setup, bool with_go) {
        std::map<int, int> moves;
        for (int w = FIRST_OBJECT; w <= LAST_WORD; w++) {
            if (spelling(w).empty() || w == WORD_GO || w == WORD_LIST_SEPARATOR || w == WORD_COMMAND_SEPARATOR)
                continue;  // the separators make the reader wait for more
            fresh_world(here);
            if (setup) setup();
            outcome o = at_place(with_go ? line({WORD_GO, w}) : line({w}), false);
            if (o.place != here) moves[w] = o.place;
        }
        return moves;
    }

private:
    game_proc saved_procs_[NPROCS];
    long draws_from_ = 0;

    void begin() {
        zap_text();
        said_log.clear();
        draws_from_ = irand_draws;
        loop = 0;
    }
    outcome finish() {
        outcome o;
        o.place = value[VAR_HERE];
        o.texts = said_log;
        o.loop = loop;
        o.draws = irand_draws - draws_from_;
        return o;
    }

    // The place procedure, watched.
    static inline game_proc place_proc_ = nullptr;
    static inline bool place_ran_ = false;
    static inline size_t place_said_from_ = 0;
    static inline int place_loop_ = 0;
    static inline long place_draws_ = 0;
    static int place_probe() {
        place_ran_ = true;
        place_said_from_ = said_log.size();
        const long d = irand_draws;
        place_proc_();
        place_loop_ = loop;
        place_draws_ = irand_draws - d;
        loop = 1;  // nothing after the place procedure runs
        return 0;
    }
};

}  // namespace game_test
