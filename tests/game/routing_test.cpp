// Reading the command and answering questions: the routing of every
// inline answer as a table of (question, answer) -> (texts said, question
// left pending, turn ended), turn counting, and the first turn of a new
// game with and without saved games. Input comes through the kernel's line
// source; the procedures of the restore, fly and undo words are replaced by
// probes in the procedure table.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "harness.h"

namespace {

using namespace game_test;
using support::lines;

// A probe in a word's slot of the procedure table.
struct probe {
    int calls = 0;
    int status = 0;
    std::string second;
};
probe restore_probe, fly_probe, undo_probe;

int record(probe &p) {
    p.calls++;
    p.status = value[VAR_COMMAND_STATUS];
    p.second = arg2_word;
    return 0;
}
int restore_word() {  // a restore that finds no such game ends the turn
    record(restore_probe);
    loop = 1;
    return 0;
}
int fly_word() { return record(fly_probe); }
int undo_word() { return record(undo_probe); }

class Reading : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        memset(&IMAGE, 0, sizeof IMAGE);
        restore_probe = fly_probe = undo_probe = probe{};
        procs[WORD_RESTORE] = restore_word;
        procs[806] = fly_word;
        procs[WORD_UNDO] = undo_word;
        value[VAR_UNDO_RESULT] = -1;  // no undo journal
        set_ref(VAR_HERE, 300);
        value[VAR_PHASE] = 3;
    }

    // The texts the reading part says for one input line.
    std::vector<said> answer(const std::string &typed) { return read(typed).texts; }
};

// Each inline answer row, with the answers that take its different ways.
// `here` is the place the player ends at (0: unchanged). A row that ends in
// a procedure built elsewhere (death, the end, the advice) is checked up to
// that call: what it said first, and where the player is.
struct routing_case {
    int question;
    const char *answer;
    std::vector<said> texts;
    int question_after;
    int loop_after;
    int here = 0;
    bool then_elsewhere = false;
};
constexpr int ELSEWHERE = -1;

const routing_case routing_cases[] = {
    // Quit: yes, a blank answer or the quit word end the game; no keeps playing.
    {Q_QUIT, "no", {{STOP, 1267, 0}}, 0, 1},
    {Q_QUIT, "north", {{STOP, 1267, 0}}, 0, 1},
    {Q_QUIT, "maybe", {{STOP, 2339, 0}}, 0, 1},
    {Q_QUIT, "look", {{0, 1268, 0}, {STOP, 1432, 0}}, Q_QUIT, 1},
    // The return to the start for a price.
    {Q_PAID_RETURN, "no", {{STOP, 1267, 0}}, 0, 1},
    {Q_PAID_RETURN, "quit", {{STOP, 1267, 0}}, 0, 1},
    {Q_PAID_RETURN, "maybe", {{STOP, 2339, 0}}, 0, 1},
    {Q_PAID_RETURN, "look", {{0, 1268, 0}, {STOP, 1931, 0}}, Q_PAID_RETURN, 1},
    {Q_PAID_RETURN, "yes", {{0, 1267, 0}}, 0, 1, PLACE_START},  // with the passage text held
    {Q_ADDRESSED_OBJECT, "", {{STOP, 1797, 0}}, 0, 1},
    {Q_ADDRESSED_OBJECT, "yes", {{STOP, 1797, 0}}, 0, 1},
    {Q_ADDRESSED_OBJECT, "no", {{ARG, 1693, 783}, {STOP_ARG | SAY_ARGVAR, 1694, VAR_ARG2}}, 0, 1},
    {Q_ADDRESSED_OBJECT, "look", {{STOP_ARG, 1723, 0}}, 0, 1},
    {Q_SAVE_NAME, "", {{STOP, 1269, 0}}, 0, 1},
    {Q_SAVE_NAME, "look north", {}, Q_SAVE_NAME, 0},  // two words: a command, the question stays
    {Q_OVERWRITE_SAVE, "no", {{STOP, 1871, 0}}, 0, 1},
    {Q_OVERWRITE_SAVE, "quit", {{STOP_ARG, 1723, 0}}, 0, 1},
    {Q_MORE_TEXT, "no", {}, 0, 1},
    {Q_MORE_TEXT, "look", {{0, 1268, 0}, {STOP, 1431, 0}}, Q_MORE_TEXT, 1},
    // The introduction's question.
    {Q_INTRO, "no", {}, 0, 1},
    {Q_INTRO, "look", {{0, 1268, 0}, {STOP, 1273, 0}}, Q_INTRO, 1},
    {Q_INTRO, "maybe", {{ARG, 1723, 1}, {0, 1266, 0}}, ELSEWHERE, ELSEWHERE, 0, true},  // then the advice
    {Q_PLACE_481, "yes", {{STOP, 2633, 0}}, 0, 1},
    {Q_PLACE_481, "no", {{STOP, 1724, 0}}, 0, 1},
    {Q_PLACE_481, "", {{STOP_ARG, 1723, 0}}, 0, 1},
    {Q_PLACE_481, "quit", {{STOP_ARG, 1723, 0}}, 0, 1},
    {Q_FILL_FOLLOW_UP, "no", {{STOP, 1751, 0}}, 0, 1},
    {Q_FILL_FOLLOW_UP, "", {{0, 1268, 0}, {STOP_ARG, 1749, 1}}, Q_FILL_FOLLOW_UP, 1},
    {Q_WORD_862, "", {{STOP, 2173, 0}}, 0, 1},
    {Q_WORD_862, "quit", {{STOP, 2175, 0}}, 0, 1},
    {Q_WORD_862, "maybe", {{STOP_ARG, 1723, 0}}, 0, 1},
    {Q_WORD_862, "look", {{0, 1268, 0}, {STOP, 2172, 0}}, Q_WORD_862, 1},
    {Q_WORD_798, "yes", {{STOP, 1861, 0}}, 0, 1},
    {Q_WORD_798, "no", {{STOP, 1871, 0}}, 0, 1},
    {Q_WORD_798, "maybe", {{STOP, 2339, 0}}, 0, 1},
    {Q_WORD_798, "look", {{0, 1268, 0}, {STOP, 1860, 0}}, Q_WORD_798, 1},
    {Q_PLACE_477, "quit", {{STOP, 1724, 0}}, 0, 1},
    {Q_PLACE_477, "", {{STOP_ARG, 1723, 0}}, 0, 1},
    {Q_WORD_865, "yes", {{STOP, 2197, 0}}, 0, 1},
    {Q_WORD_865, "no", {{STOP, 2200, 0}}, 0, 1},
    {Q_WORD_865, "look", {{0, 1268, 0}, {STOP, 2196, 0}}, Q_WORD_865, 1},
    {Q_PLACE_444_ONWARD, "yes", {{0, 2210, 0}}, 0, 1, 445},
    {Q_PLACE_444_ONWARD, "", {{STOP_ARG, 1723, 0}}, 0, 1},
    {Q_PLACE_444_ONWARD, "north", {{STOP, 2578, 0}}, 0, 1},
    {Q_PLACE_444_DOWN, "no", {{STOP, 2578, 0}}, 0, 1},
    {Q_PLACE_444_DOWN, "yes", {{0, 2213, 0}}, ELSEWHERE, ELSEWHERE, 443, true},  // then death
    // The word list in parts.
    {Q_WORDS_INTRO, "no", {{0, 1871, 0}}, 0, 1},
    {Q_WORDS_INTRO, "", {{0, 1943, 0}, {STOP, 1431, 0}}, Q_WORDS_LIST, 1},
    {Q_WORDS_MORE, "quit", {{0, 1871, 0}}, 0, 1},
    {Q_WORDS_MORE, "yes", {{0, 1964, 0}, {STOP, 1431, 0}}, Q_WORDS_LAST, 1},  // in the console
    {Q_WORDS_LAST, "", {{0, 1965, 0}}, 0, 1},
    {Q_WORDS_LAST, "north", {{0, 1871, 0}}, 0, 1},
    // The closing questions.
    {Q_FINALE_1, "yes", {{0, 1865, 0}, {STOP, 1863, 0}}, Q_FINALE_2, 1},
    {Q_FINALE_1, "look", {{ARG, 1864, 1}, {0, 1865, 0}, {STOP, 1863, 0}}, Q_FINALE_2, 1},
    {Q_FINALE_2, "", {{0, 1866, 0}}, ELSEWHERE, ELSEWHERE, 0, true},  // then the end
    {Q_FINALE_2, "no", {{ARG, 1864, 0}, {0, 1866, 0}}, ELSEWHERE, ELSEWHERE, 0, true},
    {Q_WORD_711_END, "", {{0, 1653, 0}, {0, 1266, 0}}, Q_WORD_711_END, 1},
    {Q_WORD_711_END, "no", {{0, 1652, 0}, {0, 1653, 0}, {0, 1266, 0}}, Q_WORD_711_END, 1},
    {Q_DELETE_BAD_SAVE, "", {{STOP, 1267, 0}}, 0, 1},
    {Q_DELETE_BAD_SAVE, "no", {{STOP, 1267, 0}}, 0, 1},
    {Q_DELETE_BAD_SAVE, "quit", {{STOP_ARG, 1723, 0}}, 0, 1},
    {Q_SAVED_GAMES, "", {{STOP, 1269, 0}}, 0, 1},  // in phase 3: nothing to start
    {Q_PLACE_574, "", {{0, 2489, 0}}, 0, 1, 575},
    {Q_PLACE_574, "no", {{STOP, 1554, 0}}, 0, 1},
    {Q_PLACE_574, "quit", {{STOP_ARG, 1723, 0}}, 0, 1},
    {Q_TELEPORT, "", {{STOP_ARG, 1723, 0}}, 0, 1},
    {Q_TELEPORT, "north", {{STOP, 1554, 0}}, 0, 1},
    {Q_PLACE_641, "yes", {{0, 2426, 0}}, 0, 1, 642},
    {Q_PLACE_641, "no", {{STOP, 1554, 0}}, 0, 1},
    {Q_PLACES_465_466, "yes", {{0, 1718, 0}}, ELSEWHERE, ELSEWHERE, PLACE_GONE, true},  // then death
    {Q_PLACES_465_466, "no", {{STOP, 3338, 0}}, 0, 1},
    {Q_PLACES_465_466, "", {{STOP_ARG, 1723, 0}}, 0, 1},
    {Q_UNDO_ENABLE, "no", {{STOP, 2319, 0}}, 0, 1},
    {Q_UNDO_ENABLE, "", {{STOP_ARG, 1723, 0}}, 0, 1},
    {Q_WORD_796, "yes", {{STOP, 3462, 0}}, 0, 1},
    {Q_WORD_796, "no", {{STOP, 1554, 0}}, 0, 1},
    {Q_WORD_796, "", {{STOP_ARG, 1723, 0}}, 0, 1},
    // No row: the input goes on to dispatch as a command.
    {52, "look", {}, 52, 0},
};

TEST_F(Reading, RoutesEachAnswer) {
    for (const routing_case &c : routing_cases) {
        SCOPED_TRACE(testing::Message() << "question " << c.question << " answered \"" << c.answer << "\"");
        memset(&IMAGE, 0, sizeof IMAGE);
        value[VAR_UNDO_RESULT] = -1;
        value[VAR_PHASE] = 3;
        set_ref(VAR_HERE, 300);
        set_ref(VAR_PASSAGE_TEXT, 1267);
        value[VAR_TURNS] = 10;
        quitting = 0;
        value[VAR_QUESTION] = c.question;
        const std::vector<said> got = answer(c.answer);
        if (!c.then_elsewhere) {
            EXPECT_EQ(value[VAR_QUESTION], c.question_after);
            EXPECT_EQ(loop, c.loop_after);
        }
        EXPECT_EQ(value[VAR_TURNS], 10) << "answers are not counted";
        EXPECT_EQ(value[VAR_HERE], c.here ? c.here : 300);
        EXPECT_EQ(c.then_elsewhere ? first(got, c.texts.size()) : got, c.texts);
        for (const said &t : c.texts) EXPECT_FALSE(wording(t).empty()) << "text " << t.text << " is not written";
    }
}

// In the opening (phase 2, the timeless chamber), however the pages of advice
// end, the last word is how the game begins; the same answers later in the
// game say nothing of it.
TEST_F(Reading, PagesOfAdviceInTheOpeningEndWithHowToBegin) {
    struct pages_case {
        int question;
        const char *typed;
        std::vector<said> then;  // after the page's own texts
    };
    const pages_case cases[] = {
        {Q_WORDS_INTRO, "no", {{0, 1871, 0}}},
        {Q_WORDS_LIST, "no", {{0, 1871, 0}}},
        {Q_WORDS_MORE, "no", {{0, 1871, 0}}},
        {Q_WORDS_LAST, "no", {{0, 1871, 0}}},
        {Q_WORDS_LAST, "yes", {{0, 1965, 0}}},
    };
    for (const pages_case &c : cases)
        for (int phase : {2, 3}) {
            SCOPED_TRACE(testing::Message() << "question " << c.question << " \"" << c.typed << "\" phase " << phase);
            memset(&IMAGE, 0, sizeof IMAGE);
            value[VAR_UNDO_RESULT] = -1;
            value[VAR_PHASE] = phase;
            set_ref(VAR_HERE, phase == 2 ? PLACE_INTRO : 300);
            value[VAR_QUESTION] = c.question;
            std::vector<said> want = c.then;
            if (phase == 2) want.push_back({0, 1278, 0});
            EXPECT_EQ(answer(c.typed), want);
            EXPECT_EQ(value[VAR_QUESTION], Q_NONE);
            EXPECT_EQ(loop, 1);
        }
}

TEST_F(Reading, AnswersChangeTheWorldAsRouted) {
    // A paid return charges ten points.
    value[VAR_QUESTION] = Q_PAID_RETURN;
    set_ref(VAR_PASSAGE_TEXT, 1587);
    read("");
    EXPECT_EQ(value[VAR_PENALTY_POINTS], 10);
    EXPECT_TRUE(bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_MOVED));

    // Declining more text at a place seen before says so.
    set_ref(VAR_HERE, 300);
    bitmod('s', 300, PFLAG_VISITED);
    value[VAR_QUESTION] = Q_MORE_TEXT;
    EXPECT_EQ(answer("no"), (std::vector<said>{{0, 1267, 0}}));
    EXPECT_EQ(loop, 1);

    // The introduction's question moves the game on whatever the answer.
    value[VAR_PHASE] = 2;
    value[VAR_QUESTION] = Q_INTRO;
    bitmod('s', VAR_QUESTION, 0);
    read("look");
    EXPECT_EQ(value[VAR_PHASE], 3);
    EXPECT_TRUE(bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_MOVED));
    // Declined after the introduction place asked it: its parting words.
    EXPECT_EQ(answer("no"), (std::vector<said>{{0, 1873, 0}}));
    EXPECT_FALSE(bitest(VAR_QUESTION, VFLAG_QUESTION_FRESH_LINE));

    // Accepting word 862's offer sets its flag; word 798's marks object 115.
    value[VAR_QUESTION] = Q_WORD_862;
    read("yes");
    EXPECT_TRUE(bitest(VAR_GAME_FLAGS_2, 5));
    value[VAR_QUESTION] = Q_WORD_798;
    read("");
    EXPECT_TRUE(bitest(115, 15));
    EXPECT_EQ(value[VAR_PENALTY_POINTS], 20);

    // The map of the first maze: every place of it gets state 1.
    value[VAR_QUESTION] = Q_WORD_865;
    read("");
    for (int p = 227; p <= 252; p++) EXPECT_EQ(value[p], 1) << p;
    EXPECT_EQ(value[VAR_WORK_PLACE], 253);
    EXPECT_EQ(value[VAR_PENALTY_POINTS], 30);

    // The follow-up of a fill brings object 85 here.
    set_ref(VAR_HERE, 300);
    value[VAR_QUESTION] = Q_FILL_FOLLOW_UP;
    read("yes");
    EXPECT_EQ(location[85], 300);
    EXPECT_TRUE(bitest(85, OFLAG_SEEN));
    EXPECT_TRUE(bitest(VAR_GAME_FLAGS, 10));
    EXPECT_EQ(value[VAR_QUESTION], 0);
    EXPECT_EQ(loop, 1);

    // Going on from place 444 with the heading at 8 goes nowhere.
    set_ref(VAR_HERE, 444);
    bitmod('s', 444, PFLAG_HINT_AVAILABLE);
    value[OBJ_HEADING] = 8;
    value[VAR_QUESTION] = Q_PLACE_444_ONWARD;
    EXPECT_EQ(answer("yes"), (std::vector<said>{{STOP_ARG, 2294, WORD_NORTH}}));
    EXPECT_EQ(value[VAR_HERE], 444);
    value[OBJ_HEADING] = 3;
    value[VAR_QUESTION] = Q_PLACE_444_ONWARD;
    read("yes");
    EXPECT_EQ(value[VAR_HERE], 445);
    EXPECT_FALSE(bitest(444, PFLAG_HINT_AVAILABLE));

    // Word 796's offer: object 84 is gone and the place is marked.
    set_ref(VAR_HERE, 510);
    apport(84, 510);
    value[VAR_QUESTION] = Q_WORD_796;
    read("yes");
    EXPECT_EQ(location[84], PLACE_GONE);
    EXPECT_TRUE(bitest(510, 13));

    // The last answer of the game ends it.
    value[VAR_QUESTION] = Q_WORD_711_END;
    read("yes");
    EXPECT_EQ(quitting, 1);
    quitting = 0;
}

TEST_F(Reading, FinaleVerdictFollowsTheScore) {
    struct {
        int score, result, text, variant;
    } cases[] = {{770, 0, 1867, 0}, {700, 0, 1866, 0}, {800, 0, 3400, 0}, {800, 800, 3400, 1}};
    for (auto &c : cases) {
        value[VAR_SCORE] = c.score;
        value[VAR_RESULT] = c.result;
        value[3400] = 0;
        value[VAR_QUESTION] = Q_FINALE_2;
        EXPECT_EQ(first(answer("yes"), 1), (std::vector<said>{{0, c.text, 0}})) << c.score;  // then the end
        EXPECT_EQ(value[3400], c.variant) << c.score;
    }
}

TEST_F(Reading, NamesAndHandOversGoToTheirWords) {
    // A name answers the saved-games question: it becomes the second word
    // and the restore word takes it.
    value[VAR_QUESTION] = Q_SAVED_GAMES;
    value[VAR_COMMAND_STATUS] = 98;
    read("Castle");
    EXPECT_EQ(restore_probe.calls, 1);
    EXPECT_EQ(restore_probe.status, 2);
    EXPECT_EQ(restore_probe.second, "castle");
    EXPECT_EQ(value[VAR_QUESTION], 0);

    // The same at the start question.
    value[VAR_QUESTION] = Q_START;
    read("castle");
    EXPECT_EQ(restore_probe.calls, 2);

    // Fly, accepted: its flag, then the word again.
    value[VAR_QUESTION] = Q_TELEPORT;
    read("yes");
    EXPECT_EQ(fly_probe.calls, 1);
    EXPECT_TRUE(bitest(VAR_GAME_FLAGS, 12));

    // Undo switched on: the kept command comes back and runs again, unless
    // it was the switch itself.
    for (int second : {-1, WORD_ON}) {
        value[VAR_ARG1] = WORD_UNDO;
        value[VAR_ARG2] = second;
        value[VAR_COMMAND_STATUS] = second < 0 ? 1 : 2;
        input_store('S', &value[VAR_PROMPT_TEXT]);
        value[VAR_QUESTION] = Q_UNDO_ENABLE;
        bitmod('c', VAR_UNDO_RESULT, 4);
        const int calls = undo_probe.calls;
        EXPECT_EQ(answer("yes"), (std::vector<said>{{0, 3419, 0}}));
        EXPECT_TRUE(bitest(VAR_UNDO_RESULT, 4));
        EXPECT_EQ(value[VAR_ARG1], WORD_UNDO);
        EXPECT_EQ(undo_probe.calls, calls + (second < 0 ? 1 : 0));
        EXPECT_EQ(loop, second < 0 ? 0 : 1);
    }
}

TEST_F(Reading, TurnsCountCommandsNotAnswers) {
    value[VAR_TURNS] = 5;
    // A blank line with no question pending is read again.
    lines.push_back("");
    read("look");
    EXPECT_EQ(value[VAR_TURNS], 6);
    EXPECT_EQ(loop, 0);
    EXPECT_EQ(value[VAR_ARG1], WORD_LOOK);

    // The turn after a score report costs nothing.
    value[VAR_QUESTION] = Q_AFTER_SCORE;
    read("look");
    EXPECT_EQ(value[VAR_TURNS], 6);
    EXPECT_EQ(value[VAR_QUESTION], 0);
    EXPECT_EQ(loop, 0);

    // Answers are not counted, also when they re-ask.
    value[VAR_QUESTION] = Q_QUIT;
    read("look");
    EXPECT_EQ(value[VAR_TURNS], 6);

    // A fresh line resets the magic-word texts; the second command of the
    // same line leaves them.
    value[VAR_QUESTION] = 0;
    set_ref(1200, 1264);
    read("look; look");
    EXPECT_EQ(value[1200], 1267);
    EXPECT_EQ(value[1199], 1329);
    EXPECT_EQ(*bitword(1199), ref_mark);
    set_ref(1200, 1264);
    p6();
    EXPECT_EQ(value[1200], 1264);
    EXPECT_EQ(value[VAR_TURNS], 8);
    EXPECT_FALSE(bitest(VAR_QUESTION, VFLAG_QUESTION_FRESH_LINE));
}

TEST_F(Reading, ClearsTheReplyMarkersEachTurn) {
    bitmod('s', VAR_QUESTION, VFLAG_QUESTION_REPLIED);
    bitmod('s', VAR_QUESTION, VFLAG_QUESTION_REPLIED_2);
    bitmod('s', VAR_QUESTION, 0);
    read("look");
    EXPECT_FALSE(bitest(VAR_QUESTION, VFLAG_QUESTION_REPLIED));
    EXPECT_FALSE(bitest(VAR_QUESTION, VFLAG_QUESTION_REPLIED_2));
    EXPECT_TRUE(bitest(VAR_QUESTION, 0));
}

// The refusals that other replies say with a random variant are said
// here with variant 0: they must pick their variant by the argument.
TEST_F(Reading, SharedRefusalsTakeTheVariantAsked) {
    for (int text : {2339, 2319}) {
        const std::string first = wording({ARG, text, 0}), second = wording({ARG, text, 1});
        EXPECT_FALSE(first.empty()) << text;
        EXPECT_NE(first, second) << text;
        EXPECT_EQ(wording({ARG, text, 0}), first) << text;
    }
}

// The first turn of a new game.
class FirstTurn : public Reading {};

TEST_F(FirstTurn, WithoutSavedGamesPlayStartsAtOnce) {
    memset(&IMAGE, 0, sizeof IMAGE);
    value[VAR_UNDO_RESULT] = -1;
    value[VAR_PHASE] = 1;
    const std::vector<said> got = call(p3).texts;
    // Start of play takes the question over from here: the saved games are
    // not offered.
    EXPECT_NE(value[VAR_QUESTION], Q_SAVED_GAMES);
    EXPECT_NE(value[VAR_COMMAND_STATUS], 98);
    EXPECT_EQ(std::count(got.begin(), got.end(), said{STOP, 1270, 0}), 0);
    // What it says first: no saved games, then start of play.
    EXPECT_EQ(first(got, 3), (std::vector<said>{{ARG, 3380, 0}, {0, 3568, 0}, {0, 1266, 0}}));
}

TEST_F(FirstTurn, WithSavedGamesTheyAreOffered) {
    std::ofstream("castle.orv") << "x";
    memset(&IMAGE, 0, sizeof IMAGE);
    value[VAR_UNDO_RESULT] = -1;
    value[VAR_PHASE] = 1;
    const outcome o = call(p3);
    EXPECT_EQ(o.loop, 1);
    EXPECT_EQ(value[VAR_QUESTION], Q_SAVED_GAMES);
    EXPECT_EQ(value[VAR_COMMAND_STATUS], 98);
    EXPECT_EQ(std::count(o.texts.begin(), o.texts.end(), said{STOP, 1270, 0}), 1);

    // The next turn leaves the question alone and takes the answer: a name
    // goes to the restore word.
    zap_text();
    lines.push_back("castle");
    loop = 0;
    p2();
    EXPECT_EQ(restore_probe.calls, 1);
    EXPECT_EQ(restore_probe.second, "castle");
}

// A game resumed from its autosave was kept as it waited for a command, its
// turn's events already run: the first turn after the resume reads at once
// and ticks nothing; the turn after it runs its events as every turn does.
TEST_F(FirstTurn, AResumedGameReadsBeforeAnyEvent) {
    value[VAR_GIANT_COUNTDOWN] = 5;
    value[0] = SPECIAL_AUTORESTORE;
    lines.push_back("wait");
    loop = 0;
    p2();
    EXPECT_EQ(value[VAR_GIANT_COUNTDOWN], 5);
    EXPECT_EQ(lines.size(), 0u);
    lines.push_back("wait");
    loop = 0;
    p2();
    EXPECT_EQ(value[VAR_GIANT_COUNTDOWN], 4);
}

TEST_F(FirstTurn, LaterTurnsOnlyTie) {
    // In phase 2 or later, or with a question pending in phase 0 or 1, the
    // first-turn work is skipped.
    for (int phase : {1, 2, 3}) {
        memset(&IMAGE, 0, sizeof IMAGE);
        value[VAR_PHASE] = phase;
        value[VAR_QUESTION] = phase == 1 ? Q_QUIT : 0;
        zap_text();
        loop = 0;
        p3();
        EXPECT_EQ(value[VAR_QUESTION], phase == 1 ? Q_QUIT : 0);
        EXPECT_EQ(support::Session::pending(), "");
        EXPECT_EQ(loop, 0);
    }
}

TEST_F(FirstTurn, ReportsARestoreMadeAtStartUp) {
    memset(&IMAGE, 0, sizeof IMAGE);
    value[VAR_PHASE] = 3;
    value[VAR_QUESTION] = Q_RESTORED;
    const outcome o = call(p3);
    EXPECT_EQ(value[VAR_QUESTION], Q_AFTER_RESTORE);
    EXPECT_EQ(o.texts, (std::vector<said>{{0, 1550, 0}}));
    EXPECT_EQ(o.loop, 0);
}

TEST_F(FirstTurn, RestoresAGameNamedOnTheCommandLine) {
    memset(&IMAGE, 0, sizeof IMAGE);
    value[VAR_PHASE] = 3;
    value[VAR_COMMAND_STATUS] = -1;
    value[VAR_ARG3] = -1;
    snprintf(arg2_word, WORD_SIZE, "%s", "castle");
    const outcome o = call(p3);
    EXPECT_EQ(restore_probe.calls, 1);
    EXPECT_EQ(restore_probe.status, 2);
    EXPECT_EQ(restore_probe.second, "castle");
    EXPECT_EQ(o.texts, (std::vector<said>{{SAY_ARGVAR | SAY_ARG, 3205, VAR_ARG2}}));
}

}  // namespace
