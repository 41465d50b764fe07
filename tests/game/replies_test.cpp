// Random replies said both for a word alone and for a word with an object
// (a bare "jump" and "jump rock", "climb" and "climb wall", "smell" and
// "smell flower"): every variant must read right on both, so none may speak
// of a thing the bare word did not name, or of something else than the
// thing named. Each text is said until all its variants have come up.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "game.h"
#include "support.h"

namespace {

struct Replies : ::testing::Test {
    support::Session session;
    void SetUp() override {
        session.open("replies_test");
    }
    void TearDown() override { session.close(); }

    std::set<std::string> variants(int text) {
        std::set<std::string> seen;
        int count = text_info[(text - FIRST_TEXT) * 2 + 1];
        for (int k = 0; k < 1000 && int(seen.size()) < count; k++) {
            rseed = 1 + 37 * k;  // the turn cycle moves the sequence on between turns
            zap_text();
            say(0, text, 0);
            seen.insert(support::Session::pending());
        }
        EXPECT_EQ(int(seen.size()), count) << "text " << text;
        return seen;
    }
};

TEST_F(Replies, EveryVariantFitsTheBareWordAndTheWordWithAnObject) {
    const struct {
        int text;
        std::vector<const char *> wrong;  // what reads wrong on one of the roads
    } texts[] = {
        {2587, {"jump that", "jump it"}},         // jump: alone, or with a word
        {2464, {"budge", " it ", " it."}},        // climb, twist ...: alone, or with a thing
        {1403, {"with it", " it ", " it."}},      // a word alone, or with a thing
        {1377, {"the air", "The air"}},           // smell: alone, or a thing named
    };
    for (const auto &t : texts) {
        for (const std::string &v : variants(t.text)) {
            for (const char *w : t.wrong) EXPECT_EQ(v.find(w), std::string::npos) << t.text << ": " << v;
        }
    }
}

// The typo report, said when a word typed with one slip is taken for a
// word of the vocabulary: only the letters typed are compared, so it names
// the word as read and, when longer, the word it stands for.
TEST_F(Replies, TheTypoReportNamesTheWordUnderstood) {
    const struct {
        const char *typed, *report;
    } cases[] = {
        // The word read whole: never cut to the typed length, which would
        // read as another word.
        {"invetory", "(I read \"invetory\" as \"inventory\".)\n\n"},
        {"nrth", "(I read \"nrth\" as \"north\".)\n\n"},
        {"inventroy", "(I read \"inventroy\" as \"inventory\".)\n\n"},
    };
    amatch = 1;
    tree_free();
    word_buf = btinit(nullptr);
    command_preset(nullptr);
    for (const auto &c : cases) {
        char typed[COMLINE_SIZE];
        std::snprintf(typed, sizeof typed, "%s", c.typed);
        tp[0] = typed;
        tp[1] = nullptr;
        separator[0] = ' ';
        separator[1] = '\n';
        tindex = 0;
        zap_text();
        value[2557] = 0;  // the report's first wording
        int type = -7, refno = -1, word = 0;
        find_word(&type, &refno, &word, 1, 1);
        EXPECT_EQ(support::Session::pending(), c.report) << c.typed;
    }
    command_preset(nullptr);
}

}  // namespace
