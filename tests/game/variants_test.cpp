// The variant counters of texts that the game seeds, sets or ties, each
// held against the text it counts for: the start of play's draws, every
// place in the code that sets a text's variant, and the texts tied to an
// entity's state must all name a variant the text has, of a text whose kind
// reads its counter. And the typo report, whose parts are said in turn from
// one counter, read whole in every game.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "harness.h"

namespace {

using namespace game_test;

int kind_of(int t) { return text_info[(t - FIRST_TEXT) * 2]; }
int count_of(int t) { return text_info[(t - FIRST_TEXT) * 2 + 1]; }

// A kind that chooses by its counter (a plain text chooses by the say's
// argument, so a counter set for it would say nothing).
bool counts(int kind) {
    return kind == TKIND_RANDOM || kind == TKIND_INCREMENTAL || kind == TKIND_CYCLIC || kind == TKIND_ASSIGNED;
}

bool has_control_byte(const std::string &s) {
    for (unsigned char c : s)
        if (c < 0x20 && c != '\n') return true;
    return false;
}

class Variants : public GameTest {
protected:
    // The start of play's draws from a given seed, as a replay makes them.
    void seed_variants(int32_t seed) {
        rseed = seed;
        com_file = std::fopen("/dev/null", "r");
        p697();
        std::fclose(com_file);
        com_file = nullptr;
    }
};

// Every text the start of play seeds, over many seeds: each is seeded at a
// variant it has, and its kind reads the counter.
TEST_F(Variants, EverySeededCounterIsAVariantOfItsText) {
    std::map<int, int> highest;
    for (int32_t seed = 1; seed <= 500; seed++) {
        for (int t = FIRST_TEXT; t <= LAST_TEXT; t++) value[t] = -1;
        seed_variants(seed);
        for (int t = FIRST_TEXT; t <= LAST_TEXT; t++)
            if (value[t] != -1) highest[t] = std::max(highest[t], value[t]);
    }
    EXPECT_EQ(highest.size(), 64u) << "62 drawn, one copied, the typo report";
    for (auto [t, v] : highest) {
        if (textadr[t] == 0) continue;  // not written: nothing says it
        // Plain texts chosen by the argument of the say, whose counter
        // nothing reads: 2339 is said with variant 0 by the questions and
        // with a drawn variant by another reply; 2773 by the hollow's look.
        if (t == 2339 || t == 2773) {
            EXPECT_EQ(kind_of(t), TKIND_PLAIN) << t;
            continue;
        }
        EXPECT_TRUE(counts(kind_of(t))) << "text " << t << " is seeded but its kind " << kind_of(t)
                                        << " does not read its counter";
        EXPECT_LT(v, count_of(t)) << "text " << t << " is seeded at variant " << v << " of " << count_of(t);
    }
}

// The typo report in many new games: each report says the typed word, the
// word it was read as, and the whole word, in that order, in one of the
// four wordings and nothing but it; its counter is at the first part of a
// wording after each report; and every wording starts some games.
TEST_F(Variants, TypoReportReadsWholeInEveryGame) {
    struct typo {
        const char *typed, *whole;
    };
    const typo typos[] = {{"nrth", "north"}, {"sotuh", "south"}, {"nrth", "north"}};
    std::map<int, std::string> wording;  // by the counter at the report's start
    for (int32_t seed = 1; seed <= 200; seed++) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        fresh_world(PLACE_START);
        say_hook = nullptr;
        seed_variants(seed);
        for (const typo &t : typos) {
            const int start = value[2557];
            zap_text();
            parse(t.typed);
            const std::string said = support::Session::pending();
            EXPECT_FALSE(has_control_byte(said)) << said;
            EXPECT_EQ(value[2557] % 4, 0) << "the report's counter is out of step after: " << said;
            EXPECT_EQ(value[2557], (start + 4) % 16) << said;
            // The wording: the report with its two words taken out; the
            // word read is whole, said once.
            std::string frame = said;
            for (const char *w : {t.typed, t.whole}) {
                const std::string quoted = std::string("\"") + w + "\"";
                const size_t at = frame.find(quoted);
                ASSERT_NE(at, std::string::npos) << w << " missing from: " << said;
                frame.replace(at + 1, std::strlen(w), "#");
            }
            EXPECT_EQ(frame.find('"' + std::string(t.whole)), std::string::npos) << said;
            auto [it, fresh] = wording.insert({start, frame});
            EXPECT_EQ(it->second, frame) << "wording " << start << " said two ways";
        }
    }
    EXPECT_EQ(wording.size(), 4u) << "every wording starts some game";
}

// The texts whose variant a place in the code sets, found by reading the
// game's source: every set('T', ...), set_variant and let_variant. A
// literal variant must be one the text has; a computed one is a yes or no
// (a condition) or is listed here with the highest value it can take, so
// that a new computed variant is looked at before it passes.
struct computed_variant {
    const char *file, *expression;
    int highest;
};
const computed_variant COMPUTED[] = {
    {"describe.cpp", "k", 2},                             // the first, a middle, the last way
    {"carrying.cpp", "v", 3},                             // four places the heading can be dropped
    {"surface.cpp", "browser", 1},                        // the console or the browser
    {"take.cpp", "called", 2},                            // not called, called, called by its name
    {"objects.cpp", "kind", 4},                           // five kinds of the other word
    {"drink.cpp", "source_variant()", 5},                 // six springs
    {"events.cpp", "value[VAR_HINT_NUMBER]", 17},         // the highest hint of the table
    {"look.cpp", "here() - PLACE_DUNES_594", 617 - 594},  // the shifting dunes 594..617
};
// Sites whose text is computed: the texts it can be.
const std::map<std::string, std::vector<int>> COMPUTED_TEXTS = {
    {"sending.cpp:t", {1592, 1593}},
};

// The game's source files.
std::vector<std::filesystem::path> game_sources() {
    std::vector<std::filesystem::path> files;
    for (const auto &entry : std::filesystem::recursive_directory_iterator(std::string(SOURCE_DIR) + "/game")) {
        const std::string ext = entry.path().extension();
        if (ext == ".cpp" || ext == ".h") files.push_back(entry.path());
    }
    return files;
}

// The refnos named anywhere in the game (constants.h, or one file's own).
std::map<std::string, int> constant_names() {
    std::map<std::string, int> names;
    const std::regex def(R"(constexpr int (\w+) = (-?\d+);)");
    for (const auto &file : game_sources()) {
        std::ifstream in(file);
        std::string l;
        std::smatch m;
        while (std::getline(in, l))
            if (std::regex_search(l, m, def)) names[m[1]] = std::stoi(m[2]);
    }
    return names;
}

bool is_literal(const std::string &s) { return std::regex_match(s, std::regex(R"(\d+)")); }

// A value that is a yes or no: a condition, or a choice of 0 and 1.
bool is_yes_no(const std::string &s) {
    return s.rfind("cond(", 0) == 0 || s.rfind("has(", 0) == 0 || s.find("? 1 : 0") != std::string::npos ||
           s.find("? 0 : 1") != std::string::npos;
}

TEST_F(Variants, EveryVariantSetByTheGameIsOneItsTextHas) {
    const auto names = constant_names();
    const std::regex sites[] = {
        std::regex(R"(set\('T',\s*([\w.]+),\s*'c',\s*(.+?),\s*nullptr)"),
        std::regex(R"(set_variant\(([\w.]+),\s*(.+)\);)"),
        std::regex(R"(let_variant\(([\w.]+),\s*([^)]*)\))"),
    };
    int found = 0;
    for (const auto &path : game_sources()) {
        const std::string file = path.filename();
        std::ifstream in(path);
        std::string l;
        for (int n = 1; std::getline(in, l); n++) {
            for (const std::regex &site : sites) {
                for (std::sregex_iterator it(l.begin(), l.end(), site), end; it != end; ++it) {
                    const std::string where = file + ":" + std::to_string(n);
                    std::string t = (*it)[1], v = (*it)[2];
                    // The row operation and the shorthand themselves.
                    if ((file == "rows.cpp" && t == "x.a") || (file == "common.h" && t == "t")) continue;
                    std::vector<int> texts;
                    if (is_literal(t))
                        texts = {std::stoi(t)};
                    else if (names.count(t))
                        texts = {names.at(t)};
                    else if (COMPUTED_TEXTS.count(file + ":" + t)) {
                        texts = COMPUTED_TEXTS.at(file + ":" + t);
                    } else {
                        ADD_FAILURE() << where << ": the text " << t << " is not known";
                        continue;
                    }
                    int highest = -1;
                    if (is_literal(v))
                        highest = std::stoi(v);
                    else if (is_yes_no(v))
                        highest = 1;
                    else
                        for (const computed_variant &c : COMPUTED)
                            if (file == c.file && v == c.expression) highest = c.highest;
                    if (highest < 0) {
                        ADD_FAILURE() << where << ": the variant " << v << " is computed; list its highest value";
                        continue;
                    }
                    for (int text : texts) {
                        found++;
                        ASSERT_TRUE(text >= FIRST_TEXT && text <= LAST_TEXT) << where;
                        if (textadr[text] == 0) continue;  // not written: nothing says it
                        // Variant 0 of a text of one wording is that wording.
                        if (highest == 0 && count_of(text) == 0) continue;
                        EXPECT_TRUE(counts(kind_of(text)))
                            << where << ": text " << text << " of kind " << kind_of(text) << " has its variant set";
                        EXPECT_LT(highest, count_of(text)) << where << ": text " << text << " has "
                                                           << count_of(text) << " variants, set to " << v;
                    }
                }
            }
        }
    }
    EXPECT_GT(found, 60);
}

// The number of variants that an entity's descriptions switch between by
// its state (0 when they do not).
int switch_count(int p) {
    if (p <= 0) return 0;
    for (;; p++) {
        int c = get_char(p);
        if (c == 0) return 0;
        if (c == TC_SWITCH) return get_char(p + 1);
        if (c == TC_NEST) p += 3;
    }
}

int states_shown(int e) {
    if (e >= FIRST_TEXT) return count_of(e);
    if (e > LAST_PLACE) return 0;
    return std::max({switch_count(brief_desc[e]), switch_count(long_desc[e]), switch_count(detail_desc[e])});
}

// Every text tied to an entity that switches by it has a variant for each
// state that the entity's own descriptions (or the text it is tied to) show.
TEST_F(Variants, EveryTiedTextHasAVariantForEachStateOfItsEntity) {
    std::vector<unsigned char> kept(text_info, text_info + (LAST_TEXT - FIRST_TEXT + 1) * 2);
    p850();
    std::vector<std::pair<int, int>> tied;
    for (int t = FIRST_TEXT; t <= LAST_TEXT; t++)
        if (kind_of(t) == TKIND_TIED) tied.push_back({t, value[t]});
    std::copy(kept.begin(), kept.end(), text_info);
    EXPECT_EQ(tied.size(), 27u);
    for (auto [t, e] : tied) {
        // A text not written says nothing; one of a single wording fits
        // every state.
        if (textadr[t] == 0 || count_of(t) == 0) continue;
        EXPECT_GE(count_of(t), states_shown(e)) << "text " << t << " is tied to " << e << ", which shows "
                                                << states_shown(e) << " states";
    }
}

}  // namespace
