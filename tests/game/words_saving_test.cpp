// The saving words through the real command reader and the kernel's saved
// games in the session's directory: the save word and its questions, the
// restore word with none, one and several saved games, names that are no
// names, damaged files and games saved minutes ago, the wait and load words
// that hand over to the restore, the snapshot words, and the words that
// only refuse.
#include <filesystem>

#include "harness.h"
#include "persist.h"

namespace {

using namespace game_test;
namespace fs = std::filesystem;

bool saved(const std::string &name) { return fs::exists(name + ".orv"); }

// The saved games in the session's directory (the autosave aside).
int saved_games() {
    int n = 0;
    for (const auto &e : fs::directory_iterator("."))
        if (e.path().extension() == ".orv" && e.path().filename().string()[0] != '_') n++;
    return n;
}

// The file of a saved game, made `seconds` older than it is (the time of
// saving and the checksum that covers it rewritten).
void age(const std::string &name, int64_t seconds) {
    constexpr size_t SUM_AT = 49, TIME_AT = 53, IMAGE_AT = 61;
    std::ifstream in(name + ".orv", std::ios::binary);
    std::vector<unsigned char> f((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    ASSERT_EQ(f.size(), IMAGE_AT + IMAGE_SIZE);
    uint64_t when = 0;
    for (int i = 0; i < 8; i++) when |= uint64_t(f[TIME_AT + size_t(i)]) << (8 * i);
    when -= uint64_t(seconds);
    for (int i = 0; i < 8; i++) f[TIME_AT + size_t(i)] = (unsigned char)(when >> (8 * i));
    uint32_t sum = region_sum(0, &f[TIME_AT], 8);
    size_t at = IMAGE_AT;
    for (int len : {14288, 780, 768, 2036, 1122}) {
        sum = region_sum(sum, &f[at], len);
        at += size_t(len);
    }
    for (int i = 0; i < 4; i++) f[SUM_AT + size_t(i)] = (unsigned char)(sum >> (8 * i));
    std::ofstream out(name + ".orv", std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(f.data()), long(f.size()));
}

class Saving : public GameTest {
protected:
    // Saves the game in play under `name` through the save word.
    void save_as(const std::string &name) {
        call(p742, "save " + name);
        read("yes");
        ASSERT_EQ(value[VAR_QUESTION], Q_CONTINUE_AFTER_SAVE) << "saving " << name;
        read("yes");
    }
};

TEST_F(Saving, TheSaveWordAsksFirstAndKeepsTheNameAsTyped) {
    // Before play has begun there is nothing to save.
    value[VAR_PHASE] = 2;
    outcome o = call(p742, "save first");
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP_ARG, 1541, 0}}));
    EXPECT_EQ(value[VAR_QUESTION], 0);

    value[VAR_PHASE] = 3;
    o = call(p742, "save trip-2");
    EXPECT_EQ(o.texts, (std::vector<said>{{ARG, 1542, 5}, {STOP, 1496, 0}}));
    EXPECT_EQ(value[VAR_QUESTION], Q_SAVE_CONFIRM);
    EXPECT_EQ(value[VAR_PROMPT_TEXT], 1496);
    EXPECT_EQ(*bitword(VAR_PROMPT_TEXT), ref_mark);
    EXPECT_FALSE(saved("trip-2"));

    // The confirmation saves under the name as it was typed; going on costs.
    o = read("yes");
    EXPECT_EQ(o.texts, (std::vector<said>{{ARG, 1556, 10}, {STOP, 1497, 0}}));
    EXPECT_TRUE(saved("trip-2"));
    o = read("");
    EXPECT_EQ(value[VAR_PENALTY_POINTS], 10);
    EXPECT_EQ(value[VAR_QUESTION], 0);

    // A no leaves things as they are.
    call(p742, "save other");
    o = read("no");
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP, 1554, 0}}));
    EXPECT_FALSE(saved("other"));
}

// Saving costs no points: the place here stays visited, and the score,
// which counts the places explored, is the same before and after.
TEST_F(Saving, SavingKeepsThePlaceVisitedAndTheScore) {
    fresh_world(PLACE_CARVINGS);
    bitmod('s', PLACE_CARVINGS, PFLAG_VISITED);
    call(p378);
    const int before = value[VAR_SCORE];
    EXPECT_GT(before, 0);
    save_as("carvings");
    EXPECT_TRUE(bitest(PLACE_CARVINGS, PFLAG_VISITED));
    call(p378);
    EXPECT_EQ(value[VAR_SCORE], before);
}

TEST_F(Saving, ABareSaveAsksForTheName) {
    outcome o = call(p742, line({WORD_SAVE}));
    EXPECT_EQ(o.texts.back(), (said{STOP, 1496, 0}));
    o = read("");
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP, 1551, 0}}));
    EXPECT_EQ(value[VAR_QUESTION], Q_SAVE_NAME);
    read("slot");
    EXPECT_TRUE(saved("slot"));
    EXPECT_EQ(value[VAR_QUESTION], Q_CONTINUE_AFTER_SAVE);

    // A blank name saves nothing.
    fresh_world(330);
    call(p742, line({WORD_SAVE}));
    read("yes");
    o = read("");
    EXPECT_EQ(o.texts.size(), 1u);
    EXPECT_EQ(o.texts[0].text, 1269);
    EXPECT_EQ(saved_games(), 1);
}

// A name that no saved game may have is refused at once, before the save
// word asks anything, with the reason (text 3505); the restore word says
// the same. A name given in answer to the name question is refused with the
// reason too, and the save fails.
TEST_F(Saving, NamesThatAreNoNamesAreRefusedAtOnceWithTheReason) {
    for (const char *name : {"../evil", "sub/evil", "/etc/evil", ".hidden", "_zendry", "c:evil"}) {
        SCOPED_TRACE(name);
        fresh_world(330);
        outcome o = call(p742, std::string("save ") + name);
        EXPECT_EQ(o.texts, (std::vector<said>{{0, 3505, 0}}));
        EXPECT_EQ(o.loop, 1);
        EXPECT_EQ(value[VAR_QUESTION], 0);
        EXPECT_EQ(value[VAR_PENALTY_POINTS], 0);
        o = call(p715, std::string("restore ") + name);
        EXPECT_EQ(o.texts, (std::vector<said>{{0, 3505, 0}}));
        EXPECT_EQ(value[VAR_QUESTION], 0);

        call(p742, line({WORD_SAVE}));
        read("yes");
        ASSERT_EQ(value[VAR_QUESTION], Q_SAVE_NAME);
        o = read(name);
        EXPECT_EQ(o.texts, (std::vector<said>{{0, 3505, 0}, {STOP, 1544, 0}}));
        EXPECT_EQ(value[VAR_QUESTION], 0);
        EXPECT_EQ(saved_games(), 0);
        EXPECT_FALSE(fs::exists("../evil.orv"));
    }
}

TEST_F(Saving, AnExistingNameIsOverwrittenOnlyWhenConfirmed) {
    save_as("slot");
    value[VAR_HERE] = 331;
    call(p742, "save slot");
    outcome o = read("yes");
    EXPECT_EQ(o.texts, (std::vector<said>{{0, 3510, 0}, {STOP, 1543, 0}}));
    EXPECT_EQ(value[VAR_QUESTION], Q_OVERWRITE_SAVE);
    o = read("no");
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP, 1871, 0}}));
    call(p742, "save slot");
    read("yes");
    read("");  // overwrite
    EXPECT_EQ(value[VAR_QUESTION], Q_CONTINUE_AFTER_SAVE);
    read("yes");
    value[VAR_HERE] = 330;
    age("slot", 600);
    call(p715, "restore slot");
    EXPECT_EQ(value[VAR_HERE], 331);
}

TEST_F(Saving, TheRestoreWordBySavedGames) {
    // None: said so, and nothing asked.
    outcome o = call(p715, line({WORD_RESTORE}));
    EXPECT_EQ(o.texts, (std::vector<said>{{ARG, 3380, 0}, {STOP, 1266, 0}}));
    EXPECT_EQ(value[VAR_QUESTION], 0);

    // Exactly one: it is restored, whatever its name.
    value[VAR_HERE] = 331;
    save_as("journey");
    age("journey", 600);
    value[VAR_HERE] = 330;
    o = call(p715, line({WORD_RESTORE}));
    EXPECT_EQ(o.texts, (std::vector<said>{{ARG | SAY_ARGVAR, 3205, VAR_ARG2}, {STOP, 1550, 0}}));
    EXPECT_EQ(value[VAR_HERE], 331);
    EXPECT_EQ(value[VAR_QUESTION], Q_AFTER_RESTORE);
    read("yes");

    // Several: listed, and the next input is the name.
    save_as("another");
    o = call(p715, line({WORD_RESTORE}));
    EXPECT_EQ(o.texts, (std::vector<said>{{ARG, 3380, 2}, {STOP_ARG, 1552, 2}}));
    EXPECT_EQ(value[VAR_QUESTION], Q_SAVED_GAMES);
    EXPECT_EQ(value[VAR_COMMAND_STATUS], 98);
    EXPECT_NE(support::Session::pending().find("another and journey."), std::string::npos);
    value[VAR_HERE] = 330;
    o = read("journey");
    EXPECT_EQ(value[VAR_HERE], 331);
    EXPECT_EQ(value[VAR_QUESTION], Q_AFTER_RESTORE);
    // Kept, or deleted when no longer wanted.
    read("no");
    EXPECT_FALSE(saved("journey"));
    EXPECT_TRUE(saved("another"));
}

TEST_F(Saving, RestoresThatFail) {
    value[VAR_TURNS] = 7;
    value[VAR_QUESTION] = Q_AFTER_SCORE;
    outcome o = call(p715, "restore nosuch");
    EXPECT_EQ(o.texts, (std::vector<said>{{0, 1545, 0}}));
    EXPECT_EQ(value[VAR_TURNS], 6) << "a failed restore costs no turn";
    EXPECT_EQ(value[VAR_QUESTION], 0);
    EXPECT_EQ(o.loop, 1);

    // A damaged file: the game goes on as it was, and may have it deleted.
    std::ofstream("broken.orv") << "this is no saved game\n";
    value[VAR_HERE] = 331;
    o = call(p715, "restore broken");
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP, 1546, 0}}));
    EXPECT_EQ(value[VAR_HERE], 331);
    EXPECT_EQ(value[VAR_QUESTION], Q_DELETE_BAD_SAVE);
    read("");
    EXPECT_FALSE(saved("broken"));

    // The quit word in a word slot ends the game at once; a name typed as
    // "quit" (the reader never looks up a name) that is no saved game asks
    // whether to quit.
    parse(line({WORD_RESTORE, WORD_QUIT}));
    set_ref(VAR_ARG2, WORD_QUIT);
    o = call(p715);
    EXPECT_EQ(o.texts, (std::vector<said>{{0, 1871, 0}}));
    EXPECT_EQ(quitting, 1);
    quitting = 0;
    o = call(p715, "restore q");
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP, 1432, 0}}));
    value[VAR_QUESTION] = Q_SAVED_GAMES;
    value[VAR_COMMAND_STATUS] = 98;
    o = read("quit");
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP, 1432, 0}}));
    EXPECT_EQ(value[VAR_QUESTION], Q_QUIT);
    EXPECT_EQ(quitting, 0);
}

TEST_F(Saving, AGameSavedMinutesAgoCostsPointsToTakeUp) {
    value[VAR_HERE] = 331;
    save_as("fresh");
    value[VAR_HERE] = 330;
    value[VAR_PENALTY_POINTS] = 0;
    outcome o = call(p715, "restore fresh");
    EXPECT_EQ(o.texts, (std::vector<said>{{ARG, 1547, 5}, {ARG, 1548, 10}, {STOP, 1549, 0}}));
    EXPECT_EQ(value[VAR_QUESTION], Q_EARLY_RESTORE);
    EXPECT_EQ(value[VAR_HERE], 331);
    // A no brings back the game that was being played.
    read("no");
    EXPECT_EQ(value[VAR_HERE], 330);
    EXPECT_EQ(value[VAR_QUESTION], 0);
    // Kept: ten points, and the question after a restore.
    call(p715, "restore fresh");
    const int penalty = value[VAR_PENALTY_POINTS];  // as saved
    o = read("");
    EXPECT_EQ(value[VAR_HERE], 331);
    EXPECT_EQ(value[VAR_PENALTY_POINTS], penalty + 10);
    EXPECT_EQ(value[VAR_QUESTION], Q_AFTER_RESTORE);
}

TEST_F(Saving, TheWaitWordByPlace) {
    // With a name it resumes that game.
    value[VAR_HERE] = 331;
    save_as("camp");
    age("camp", 600);
    value[VAR_HERE] = 330;
    outcome o = call(p712, "resume camp");
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP, 1550, 0}}));
    EXPECT_EQ(value[VAR_HERE], 331);

    for (int place : {200, 264, 333}) {
        fresh_world(place);
        bitmod('s', place, PFLAG_SHIFTING_EXITS);  // these places win over the sands
        o = call(p712, line({727}));
        EXPECT_EQ(o.texts, (std::vector<said>{{STOP_ARG, 2049, 0}})) << place;
    }
    fresh_world(330);
    o = call(p712, line({727}));
    EXPECT_EQ(o.texts, (std::vector<said>{{TYPED, 1732, VAR_ARG1}}));
}

TEST_F(Saving, WaitingOnTheDunesShiftsTheSands) {
    fresh_world(600);
    bitmod('s', 600, PFLAG_SHIFTING_EXITS);
    bitmod('s', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_MOVED);
    set_ref(1212, 747);  // the way last refused
    // The remembered place, as the dunes leave it after a bounce.
    set_ref(1257, 601);
    const int16_t flags_601 = *bitword(601);
    outcome o = call(p712, line({727}));
    EXPECT_EQ(first(o.texts, 2), (std::vector<said>{{ARG | SAY_ARGVAR, 1987, VAR_ARG1}, {ARG, 2049, 1}}));
    EXPECT_EQ(o.loop, 1);
    EXPECT_EQ(value[1213], 747) << "the refused way is let through once";
    EXPECT_EQ(*bitword(1213), ref_mark);
    EXPECT_EQ(value[1212], 0);
    // The shuffle leaves the remembered place a plain 0, so the flag
    // cleared afterwards is flag 0 of that variable's own empty flag word:
    // no place's flags change.
    EXPECT_EQ(value[1257], 0);
    EXPECT_EQ(*bitword(1257), 0);
    EXPECT_EQ(*bitword(601), flags_601);
}

TEST_F(Saving, TheLoadWord) {
    outcome o = call(p714, line({735}));
    EXPECT_EQ(o.texts, (std::vector<said>{{TYPED, 2579, VAR_ARG1}}));
    value[VAR_PHASE] = 2;
    o = call(p714, "load camp");
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP, 2318, 0}}));
    value[VAR_PHASE] = 3;
    o = call(p714, "load camp");
    EXPECT_EQ(o.texts, (std::vector<said>{{0, 1545, 0}}));
}

TEST_F(Saving, MarkAndRewind) {
    memstore(3);  // no moment kept from before
    outcome o = call(p704, line({830}));
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP, 2373, 0}}));

    value[VAR_PHASE] = 2;
    o = call(p593, line({829}));
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP_ARG, 1541, 1}}));
    value[VAR_PHASE] = 3;

    // The first mark explains and asks; later marks keep the moment at once.
    o = call(p593, line({829}));
    EXPECT_EQ(o.texts, (std::vector<said>{{ARG, 2369, 0}, {STOP, 1496, 0}}));
    EXPECT_EQ(value[VAR_QUESTION], Q_SNAPSHOT_TAKE);
    o = read("");
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP, 2371, 0}}));
    value[VAR_HERE] = 331;
    o = call(p593, line({829}));
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP, 2371, 0}}));
    EXPECT_EQ(value[VAR_QUESTION], 0);

    value[VAR_HERE] = 332;
    o = call(p704, line({830}));
    EXPECT_EQ(o.texts, (std::vector<said>{{ARG, 2369, 1}, {STOP, 1496, 0}}));
    EXPECT_EQ(value[VAR_QUESTION], Q_SNAPSHOT_BACK);
    o = read("yes");
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP, 2372, 0}}));
    EXPECT_EQ(value[VAR_HERE], 331);
    EXPECT_EQ(value[VAR_PENALTY_POINTS], 1);
    memstore(3);
}

TEST_F(Saving, WordsThatRefuse) {
    support::lines.push_back("look");
    outcome o = call(p682, "please; look");
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP, 1352, 0}}));
    EXPECT_EQ(test("needcmd"), 1) << "the rest of the line is dropped";

    value[VAR_PHASE] = 2;
    o = call(p684, line({948}));
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP, 1352, 0}}));
    value[VAR_PHASE] = 3;
    o = call(p684, line({948}));
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP, 2583, 0}}));

    o = call(p695, line({WORD_QUIT}));
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP, 1432, 0}}));
    EXPECT_EQ(value[VAR_QUESTION], Q_QUIT);
}

TEST_F(Saving, EveryTextIsWritten) {
    for (int t : {1541, 1496, 1542, 1547, 1548, 1549, 1545, 2049, 1732, 2579, 2369, 2583})
        EXPECT_FALSE(wording({0, t, 0}).empty()) << t;
}

}  // namespace
