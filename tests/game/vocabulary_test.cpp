// The real vocabulary as players type it: compass words and their short
// forms, the common verbs and their synonyms, the forms the game's logic
// tests as typed, the words of power (exact only), typo correction,
// ambiguous and unknown words, noise words, and whole lines through the
// command reader.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "game.h"
#include "startup.h"
#include "support.h"

namespace {

// Objects the fixture shows the player: the lamp carried, the key at hand,
// the bread seen but elsewhere. Every other object was never seen, so it is
// found only when its word is typed in full.
constexpr int KEY = 106, LAMP = 107, BREAD = 118, IT = 166, ALL = 3;
constexpr int ELSEWHERE = 300;
constexpr int NOISE = 20;

std::deque<std::string> &script = support::lines;

// Lines as they come from standard input, with their newline.
int scripted(char *buf, int size) {
    if (script.empty()) {
        ADD_FAILURE() << "the script ran out of lines";
        std::abort();  // reading on would end the program with status 0
    }
    std::snprintf(buf, size_t(size), "%s\n", script.front().c_str());
    script.pop_front();
    return 1;
}

struct Vocabulary : ::testing::Test {
    char word[COMLINE_SIZE];
    support::Session session;

    void SetUp() override {
        session.open("vocabulary_test");
        value[VAR_HERE] = value[VAR_THERE] = PLACE_START;
        value[KV_UNDO_RESULT] = -1;  // no undo journal
        struct {
            int obj, place;
        } seen[] = {{LAMP, K_CARRIED}, {KEY, PLACE_START}, {BREAD, ELSEWHERE}};
        for (auto &s : seen) {
            location[s.obj] = s.place;
            bitmod('s', s.obj, OFLAG_SEEN);
        }
        tree_free();
        word_buf = btinit(nullptr);
        last_here = PLACE_START;
    }
    void TearDown() override {
        command_preset(nullptr);
        session.close();
    }

    // Looks up one typed word at the parser's cursor, as the reader does.
    int lookup(const char *typed, int report = 0, int *type = nullptr) {
        std::snprintf(word, sizeof word, "%s", typed);
        tp[0] = word;
        tp[1] = nullptr;
        separator[0] = ' ';
        separator[1] = '\n';
        tindex = 0;
        int t = -7, r = -1, w = 0;
        find_word(&t, &r, &w, 1, report);
        if (type) *type = t;
        return r;
    }
};

// Each typed word, the refno or parser code it gives, and the typed-word
// buffer that follows (the word's shown form, or the word as typed for a
// code); null where the buffer is not the point.
struct Case {
    const char *typed;
    int expect;
    const char *shown;
};

void check(Vocabulary &t, const Case *cases, size_t n) {
    for (size_t i = 0; i < n; i++) {
        const Case &c = cases[i];
        EXPECT_EQ(t.lookup(c.typed), c.expect) << '"' << c.typed << '"';
        if (c.shown) {
            EXPECT_STREQ(arg1_word, c.shown) << '"' << c.typed << '"';
        }
    }
}

TEST_F(Vocabulary, CompassAndWays) {
    const Case cases[] = {
        {"north", 745, "north"},     {"n", 745, "north"},          {"northeast", 746, "north-east"},
        {"ne", 746, "north-east"},    {"north-east", 746, "north-east"}, {"east", 747, "east"},
        {"e", 747, "east"},          {"southeast", 748, "south-east"}, {"se", 748, "south-east"},
        {"south-east", 748, "south-east"}, {"south", 749, "south"},  {"s", 749, "south"},
        {"southwest", 750, "south-west"}, {"sw", 750, "south-west"},  {"south-west", 750, "south-west"},
        {"west", 751, "west"},       {"w", 751, "west"},           {"northwest", 752, "north-west"},
        {"nw", 752, "north-west"},    {"north-west", 752, "north-west"}, {"up", 754, "up"},
        {"u", 754, "up"},            {"down", 755, "down"},        {"d", 755, "down"},
        {"in", WORD_IN, "in"},   {"inside", WORD_IN, nullptr}, {"enter", WORD_IN, nullptr},
        {"out", WORD_OUT, "out"}, {"outside", WORD_OUT, nullptr}, {"exit", WORD_OUT, nullptr},
        {"go", WORD_GO, "go"},       {"walk", WORD_GO, nullptr},   {"back", WORD_BACK, "back"},
        {"return", WORD_BACK, nullptr},
        // Abbreviations of the long forms: unique once the second half is begun.
        {"northw", 752, "north-west"}, {"southe", 748, "south-east"}, {"wes", 751, "west"},
        {"nor", PARSE_AMBIGUOUS, "nor"}, {"sou", PARSE_AMBIGUOUS, "sou"},  // north, northeast, northwest ...
    };
    check(*this, cases, std::size(cases));
}

TEST_F(Vocabulary, CommonVerbs) {
    const Case cases[] = {
        {"take", WORD_TAKE, "take"},   {"get", WORD_TAKE, "get"},     {"carry", WORD_TAKE, "carry"},
        {"pick", WORD_TAKE, nullptr},  {"drop", WORD_DROP, "drop"},   {"discard", WORD_DROP, nullptr},
        {"look", WORD_LOOK, "look"},   {"l", WORD_LOOK, "look"},      {"examine", WORD_LOOK, "examine"},
        {"x", WORD_LOOK, "look"},      {"exa", WORD_LOOK, "examine"}, {"inventory", 844, "inventory"},
        {"i", 844, "inventory"},       {"inv", 844, "inventory"},     {"quit", WORD_QUIT, "quit"},
        {"q", WORD_QUIT, "quit"},      {"save", WORD_SAVE, "save"},   {"restore", WORD_RESTORE, "restore"},
        {"score", 845, "score"},       {"undo", WORD_UNDO, "undo"},   {"redo", WORD_REDO, "redo"},
        {"again", WORD_AGAIN, "again"}, {"g", WORD_AGAIN, "again"},  {"help", 832, "help"},
        {"hint", 832, nullptr},        {"wait", 727, "wait"},         {"z", 727, "wait"},
        {"open", WORD_OPEN, "open"},   {"close", WORD_CLOSE, "close"}, {"shut", WORD_CLOSE, nullptr},
        {"light", WORD_LIGHT, "light"}, {"read", 798, "read"},        {"put", 868, "put"},
        {"throw", 793, "throw"},       {"kill", 783, nullptr},        {"attack", 783, "attack"},
        {"say", WORD_SAY, "say"},      {"yes", 856, "yes"},           {"y", 856, "yes"},
        {"no", 857, "no"},             {"climb", 848, "climb"},       {"fill", WORD_FILL_VESSEL, "fill"},
        {"drink", WORD_CONSUME_LIQUID, "drink"}, {"eat", 788, "eat"}, {"unlock", 768, "unlock"},
        // The words that join and split commands, and the except word.
        {"and", 1140, "and"},          {"then", 1142, "then"},        {"except", 1139, "except"},
        {"but", 1139, nullptr},        {"all", ALL, "all"},           {"it", IT, "it"},
    };
    check(*this, cases, std::size(cases));
}

// The forms that the game's logic compares with the word as typed: each must
// reach the word whose procedure does the comparing.
TEST_F(Vocabulary, LiteralsTheLogicTests) {
    const Case cases[] = {
        {"r", WORD_AGAIN, "again"},       {"q", WORD_QUIT, nullptr},       {"qu", WORD_QUIT, nullptr},
        {"qui", WORD_QUIT, nullptr},      {"quit", WORD_QUIT, nullptr},    {"sing", 877, nullptr},
        {"chant", 877, nullptr},          {"teleport", 806, nullptr},      {"reflecti", 853, nullptr},
        {"reflectio", 853, nullptr},      {"reflection", 853, nullptr},    {"reflections", 853, nullptr},
        {"reflect", 853, "reflect"},      {"dumpdata", 886, "dumpdata"},
    };
    check(*this, cases, std::size(cases));
}

// The words of power are matched only when typed in full: no abbreviation,
// no correction.
TEST_F(Vocabulary, WordsOfPowerAreExactOnly) {
    const char *litany[] = {"alvoth", "beruth", "corrim", "dathel", "ephrun", "fennoch",
                            "gorvash", "hesk",   "ismaru", "jevra",  "kelbrin", "lomas",
                            "mevet",  "nuvik",  "ostel",  "pazhan", "rhunel"};
    for (int i = 0; i < 17; i++) {
        EXPECT_EQ(lookup(litany[i]), 705 + i) << litany[i];
        EXPECT_STREQ(arg1_word, litany[i]);  // shown without its '!'
    }
    const Case cases[] = {
        {"wirreth", 287, "wirreth"},  {"zendry", 831, "zendry"},  {"kelnish", 866, "kelnish"},
        {"plainly", 867, "plainly"},  {"gadrun", 873, "gadrun"},  {"dubrel", 878, "dubrel"},
        {"alvot", PARSE_UNKNOWN, "alvot"},     {"alvothh", PARSE_UNKNOWN, nullptr},
        {"alovth", PARSE_UNKNOWN, nullptr},    {"wirret", PARSE_UNKNOWN, nullptr},
        {"gadrn", PARSE_UNKNOWN, nullptr},     {"dumpdat", PARSE_UNKNOWN, "dumpdat"},
        {"dumpdatta", PARSE_UNKNOWN, nullptr},
    };
    check(*this, cases, std::size(cases));
}

TEST_F(Vocabulary, ObjectsByVisibility) {
    const Case cases[] = {
        {"lamp", LAMP, "lamp"},     {"lantern", LAMP, "lantern"},
        {"lam", LAMP, "lamp"},      {"lan", LAMP, "lantern"},  // the carried lamp outranks lane and landing
        {"ke", KEY, "key"},         // the key at hand outranks keep, keg and keyhole
        {"loa", 735, "load"},       // a word outranks an object seen elsewhere (the loaf)
        {"loaf", BREAD, "loaf"},    {"bread", BREAD, "bread"},
        {"sword", 125, "sword"},    // never seen, but typed in full
        {"swor", PARSE_UNKNOWN, "swor"}, {"sowrd", PARSE_UNKNOWN, nullptr},
    };
    check(*this, cases, std::size(cases));
    location[BREAD] = PLACE_START;
    EXPECT_EQ(lookup("loa"), BREAD);  // once here, the loaf outranks the word
}

// One wrong, missing, extra or swapped letter in a long word is corrected;
// two abbreviations or corrections of different words are reported as such;
// anything else is unknown.
TEST_F(Vocabulary, TyposAmbiguityAndUnknownWords) {
    const Case cases[] = {
        {"inventroy", 844, "inventory"},  // swapped
        {"examne", WORD_LOOK, "examine"},  // missing
        {"extinguissh", WORD_EXTINGUISH, "extinguish"},  // extra
        {"teleporr", 806, "teleport"},  // wrong
        {"lantren", LAMP, "lantern"},   // an object in hand
        {"ex", PARSE_AMBIGUOUS, "ex"},  // examine, exit, explore ...
        {"pu", PARSE_AMBIGUOUS, "pu"},  // pull, push, put ...
        {"op", PARSE_AMBIGUOUS, "op"},  // open, operate
        {"wugglepox", PARSE_UNKNOWN, "wugglepox"},
        {"qqqq", PARSE_UNKNOWN, nullptr},
    };
    check(*this, cases, std::size(cases));

    // The correction is reported when asked for.
    EXPECT_EQ(lookup("inventroy", 1), 844);

    // With typo matching off, corrections are not made, abbreviations are.
    amatch = 0;
    EXPECT_EQ(lookup("inventroy"), PARSE_UNKNOWN);
    EXPECT_EQ(lookup("inve"), 844);
}

// The page's own words (its welcome, its buttons) are words the game prints
// too: "prose" is not read as probe, "send" not asked to be spelt again.
TEST_F(Vocabulary, ThePagesWordsAreSpeltRight) {
    for (const char *w : {"send", "prose", "welcome", "arrow"}) EXPECT_TRUE(printed_word(w)) << w;
    EXPECT_EQ(lookup("prose"), PARSE_UNKNOWN);
}

TEST_F(Vocabulary, NoiseWords) {
    for (const char *noise : {"the", "a", "at", "to"}) {
        int type = -7;
        lookup(noise, 0, &type);
        EXPECT_EQ(type, NOISE) << noise;
    }
}

// Every entry that can be matched is reached when typed in full: no word
// shadows another with the same text and a different meaning.
TEST_F(Vocabulary, EveryWordTypedInFullReachesItsEntry) {
    int matched = 0, by_type[22] = {};
    for (int e = 0; e < NVOCAB; e++) {
        int p = voc_addr[e];
        if (voc_type[e] >= 0 && voc_type[e] <= 21) by_type[voc_type[e]]++;
        if (voc_type[e] == 21 || get_char(p) == '|') continue;
        if (get_char(p) == '!') p++;
        std::string text;
        for (int c; (c = get_char(p)) != 0; p++) text += char(c);
        ASSERT_FALSE(text.empty()) << "entry " << e;
        EXPECT_LE(text.size(), size_t(WORD_SIZE - 1)) << text;
        for (char c : text) EXPECT_FALSE(c >= 'A' && c <= 'Z') << text;
        int type = -7;
        int refno = lookup(text.c_str(), 0, &type);
        if (voc_type[e] == NOISE) {
            EXPECT_EQ(type, NOISE) << text;
        } else {
            EXPECT_EQ(refno, voc_refno[e]) << '"' << text << "\" (entry " << e << ")";
            EXPECT_EQ(type, voc_type[e]) << text;
        }
        matched++;
    }
    EXPECT_EQ(matched, NVOCAB - by_type[21]);  // all but the never-matched room left
    // Object, place and other words, noise words, never-matched entries.
    EXPECT_EQ(by_type[0], 342);
    EXPECT_EQ(by_type[1], 128);
    EXPECT_EQ(by_type[2], 909);
    EXPECT_EQ(by_type[NOISE], 4);
    EXPECT_GE(by_type[21], 1);  // the room left in the table
}

// Whole lines through the command reader.
struct Line {
    int arg1, arg2, status;
    std::string word1, word2;
};

void PrintTo(const Line &c, std::ostream *os) {
    *os << "(" << c.arg1 << ", " << c.arg2 << ", " << c.status << ", \"" << c.word1 << "\", \"" << c.word2 << "\")";
}
bool operator==(const Line &a, const Line &b) {
    return a.arg1 == b.arg1 && a.arg2 == b.arg2 && a.status == b.status && a.word1 == b.word1 &&
           (a.status != 2 || a.word2 == b.word2);
}

TEST_F(Vocabulary, LinesThroughTheCommandReader) {
    line_source = scripted;
    struct {
        const char *line;
        std::vector<Line> commands;
    } cases[] = {
        {"take lamp; n", {{WORD_TAKE, LAMP, 2, "take", "lamp"}, {745, -1, 1, "north", ""}}},
        {"n e u", {{745, -1, 1, "north", ""}, {747, -1, 1, "east", ""}, {754, -1, 1, "up", ""}}},
        {"Get the lamp then drop it",
         {{WORD_TAKE, LAMP, 2, "get", "lamp"}, {WORD_DROP, IT, 2, "drop", "it"}}},
        {"get lamp and key", {{WORD_TAKE, LAMP, 2, "get", "lamp"}, {WORD_TAKE, KEY, 2, "get", "key"}}},
        {"x lantern", {{WORD_LOOK, LAMP, 2, "look", "lantern"}}},
        {"lamp drop", {{WORD_DROP, LAMP, 2, "drop", "lamp"}}},
        {"look at the key", {{WORD_LOOK, KEY, 2, "look", "key"}}},
        {"restore q", {{WORD_RESTORE, PARSE_UNKNOWN, 2, "restore", "q"}}},  // a saved game's name, as typed
        {"go to the wugglepox", {{WORD_GO, PARSE_UNKNOWN, 2, "go", "wugglepox"}}},
    };
    for (auto &c : cases) {
        script.assign({c.line});
        for (size_t i = 0; i < c.commands.size(); i++) {
            get_command(0);
            Line got{value[VAR_ARG1], value[VAR_ARG2], value[VAR_COMMAND_STATUS], arg1_word, arg2_word};
            EXPECT_EQ(got, c.commands[i]) << c.line << " command " << i;
        }
        EXPECT_TRUE(script.empty()) << c.line;
        command_preset(nullptr);
    }

    // The logic compares the words as typed.
    for (const char *literal : {"q", "qui", "sing", "chant", "teleport", "reflecti", "reflectio", "dumpdata"}) {
        script.assign({literal});
        get_command(0);
        EXPECT_EQ(typed(literal), 1) << literal;
        EXPECT_STREQ(orig1, literal);
        command_preset(nullptr);
    }
}

}  // namespace
