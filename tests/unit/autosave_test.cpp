// The autosave inside the kernel: a saved game that restore reads, with the
// transcript of its turn and the undo journal beside it; what a kill at
// each moment of writing it leaves (a whole game, its own transcript and a
// journal that matches it); a failed autosave; the journal log through undo
// and compaction; and an autosave written by the earlier version.
#include "persist_support.h"

#include <sys/stat.h>

#include "platform.h"

using namespace persist_test;

namespace {

constexpr int TURN = 1200;  // the turn count of these tests' games

struct Files {
    std::vector<unsigned char> orv, orl, orh;
};

Files files() { return {read_file("_zendry.orv"), read_file("_zendry.orl"), read_file("_zendry.orh")}; }

void put_back(const Files &f) {
    write_file("_zendry.orv", f.orv);
    write_file("_zendry.orl", f.orl);
    write_file("_zendry.orh", f.orh);
}

// `now` up to byte k, `before` from there on: a write of `now` over
// `before` cut at byte k.
std::vector<unsigned char> torn(const std::vector<unsigned char> &now, const std::vector<unsigned char> &before,
                                size_t k) {
    std::vector<unsigned char> t(now.begin(), now.begin() + long(std::min(k, now.size())));
    if (before.size() > k) t.insert(t.end(), before.begin() + long(k), before.end());
    return t;
}

// What a resume should find: the turn, its transcript and its journal.
struct Saved {
    int turn;
    std::string transcript;
    std::vector<unsigned char> journal;
    int cursor;
};

class Autosave : public InTempDir {
protected:
    std::vector<Saved> saved;

    void SetUp() override {
        InTempDir::SetUp();
        fill_image(5);
        value[TURN] = 0;
        value[KV_ARG1] = value[KV_ARG2] = -1;
        save_changes();  // the journal's reference
    }

    // One turn: the count goes up, a few bytes change, the command is
    // recorded in the journal and the autosave written with its transcript.
    int32_t play(int bytes_changed = 3) {
        const int t = ++value[TURN];
        for (int k = 0; k < bytes_changed; k++) value[1300 + (t * 7 + k * 13) % 2000] += t;
        value[KV_ARG1] = 750;
        value[KV_ARG2] = -1;
        save_changes();
        record();
        return autosave();
    }

    void record() {
        saved.push_back({value[TURN], "Turn " + std::to_string(value[TURN]) + ".",
                         std::vector<unsigned char>(diffs, diffs + dptr), edptr});
    }

    int32_t autosave() {
        const std::string &t = saved.back().transcript;
        set_transcript(t.data(), t.size());
        int32_t r = -9;
        special(SPECIAL_AUTOSAVE, &r);
        return r;
    }

    // A resume in a fresh run: another state, no journal.
    int32_t resume() {
        fill_image(77);
        forget_journal();
        set_transcript("", 0);
        int32_t r = -9;
        special(SPECIAL_AUTORESTORE, &r);
        return r;
    }

    // The resume finds the k-th autosave whole, its transcript and its
    // journal.
    void expect_resumed(size_t k, const std::string &what) {
        SCOPED_TRACE(what);
        ASSERT_LT(k, saved.size());
        ASSERT_EQ(resume(), SPECIAL_AUTORESTORE);
        const Saved &s = saved[k];
        EXPECT_EQ(value[TURN], s.turn);
        EXPECT_EQ(autosave_transcript(), s.transcript);
        ASSERT_NE(diffs, nullptr) << "the journal was dropped";
        EXPECT_EQ(std::vector<unsigned char>(diffs, diffs + dptr), s.journal);
        EXPECT_EQ(edptr, s.cursor);
    }
};

TEST_F(Autosave, IsASavedGameWithItsTranscriptAndJournal) {
    for (int i = 0; i < 3; i++) ASSERT_EQ(play(), 0);
    expect_resumed(2, "resumed");

    // Undo takes the journal back to the first turn's state.
    command("3");
    value[KV_ARG2] = 3;  // all
    undo();
    EXPECT_EQ(value[TURN], 0);

    // The same file read by restore as any saved game.
    write_file("copy.orv", read_file("_zendry.orv"));
    fill_image(9);
    command("copy");
    int32_t r = -9;
    special(SPECIAL_RESTORE, &r);
    EXPECT_EQ(r, 0);
    EXPECT_EQ(value[TURN], 3);
    for (const char *f : {"_zendry.orv.tmp", "_zendry.orl.tmp", "_zendry.orh.tmp"}) EXPECT_FALSE(exists(f)) << f;
}

// A kill at each moment of writing the autosave of turn 3 leaves a whole
// game: turn 2 or turn 3, each with its own transcript and journal.
TEST_F(Autosave, KillAtAnyMomentLeavesAWholeGameWithItsJournal) {
    ASSERT_EQ(play(), 0);
    ASSERT_EQ(play(), 0);
    const Files two = files();
    ASSERT_EQ(play(), 0);
    const Files three = files();
    ASSERT_GT(three.orh.size(), two.orh.size());
    const size_t entry = two.orh.size() + (three.orh.size() - two.orh.size()) / 2;
    const size_t game = 19055;  // the saved game, then its transcript

    // The autosave of turn 2 or of turn 3.
    const size_t TWO = 1, THREE = 2;
    struct {
        const char *moment;
        Files left;
        size_t resumed;
    } cases[] = {
        {"before the autosave", two, TWO},
        {"in the journal entry", {two.orv, two.orl, torn(three.orh, two.orh, entry)}, TWO},
        {"in the copy's game", {two.orv, torn(three.orl, two.orl, game / 2), three.orh}, TWO},
        {"in the copy's transcript", {two.orv, torn(three.orl, two.orl, game + 6), three.orh}, TWO},
        {"in the game", {torn(three.orv, two.orv, 4096), three.orl, three.orh}, THREE},
        {"in the game's transcript", {torn(three.orv, two.orv, game + 6), three.orl, three.orh}, THREE},
        {"before the game was first made", {{}, three.orl, three.orh}, THREE},
        {"after the autosave", three, THREE},
    };
    for (auto &c : cases) {
        put_back(c.left);
        if (c.left.orv.empty()) remove_file("_zendry.orv");
        expect_resumed(c.resumed, c.moment);
    }

    // Play goes on from a cut journal entry: the next entry replaces it.
    put_back({two.orv, two.orl, torn(three.orh, two.orh, entry)});
    expect_resumed(TWO, "cut entry");
    ASSERT_EQ(play(), 0);
    ASSERT_EQ(play(), 0);
    expect_resumed(saved.size() - 1, "played on");
}

// A failed autosave keeps the game saved before with its own transcript,
// and the player is told once, with the directory and the reason.
TEST_F(Autosave, FailureKeepsTheSavedGameAndIsToldOnce) {
    ASSERT_EQ(play(), 0);
    ASSERT_EQ(remove_file("_zendry.orl"), 0);
    ASSERT_EQ(mkdir("_zendry.orl", 0755), 0);  // nothing can be written there
    zap_text();
    EXPECT_EQ(play(), 1);
    const std::string told = pending();
    EXPECT_NE(told.find(dir), std::string::npos) << told;
    EXPECT_NE(told.find(strerror(EISDIR)), std::string::npos) << told;
    zap_text();
    EXPECT_EQ(play(), 1);
    EXPECT_EQ(pending(), "");  // once
    expect_resumed(0, "after the failures");

    ASSERT_EQ(rmdir("_zendry.orl"), 0);
    EXPECT_EQ(play(), 0);
    expect_resumed(saved.size() - 1, "writable again");
}

// Undo, a new command after it (the undone commands dropped), the journal
// switched off and on, and a log grown large and written afresh: each
// resume finds the journal as it was.
TEST_F(Autosave, JournalLogFollowsUndoAndIsCompacted) {
    for (int i = 0; i < 5; i++) ASSERT_EQ(play(), 0);
    command("2");
    undo();
    record();
    ASSERT_EQ(autosave(), 0);
    expect_resumed(5, "undone");  // the cursor moved back
    EXPECT_LT(edptr, dptr);

    ASSERT_EQ(play(), 0);  // drops the two undone commands
    expect_resumed(6, "new command after undo");
    EXPECT_EQ(edptr, dptr);

    value[KV_UNDO_RESULT] = -1;
    ASSERT_EQ(play(), 0);
    ASSERT_EQ(resume(), SPECIAL_AUTORESTORE);
    EXPECT_EQ(value[TURN], saved.back().turn);
    EXPECT_EQ(diffs, nullptr);  // saved without a journal: none comes back

    // Every turn after a resume logs the whole journal again; the log is
    // written afresh once it holds far more than the journal.
    value[KV_UNDO_RESULT] = 0;
    save_changes();
    size_t largest = 0;
    for (int i = 0; i < 40; i++) {
        ASSERT_EQ(play(500), 0);
        largest = std::max(largest, read_file("_zendry.orh").size());
        expect_resumed(saved.size() - 1, "turn " + std::to_string(i));
    }
    const size_t journal = saved.back().journal.size();
    EXPECT_GT(journal, size_t(64 * 1024)) << "the journal should outgrow the log's slack";
    EXPECT_LT(largest, 3 * journal + 64 * 1024 + 4096);
}

// An autosave of the earlier version: the game, its journal in the older
// form and the transcript alone in the .orl file. It resumes whole, and
// the first autosave after it keeps the journal through a kill.
TEST_F(Autosave, EarlierVersionsFilesResume) {
    ASSERT_EQ(play(), 0);
    ASSERT_EQ(play(), 0);
    command("old");
    int32_t r = -9;
    special(SPECIAL_SAVE, &r);
    ASSERT_EQ(r, 0);
    for (const char *f : {"_zendry.orv", "_zendry.orl", "_zendry.orh"}) remove_file(f);
    ASSERT_EQ(rename("old.orv", "_zendry.orv"), 0);
    ASSERT_EQ(rename("old.orh", "_zendry.orh"), 0);
    write_file("_zendry.orl", {'T', 'u', 'r', 'n', ' ', '2', '.'});
    const Files old = files();
    expect_resumed(1, "old files");

    ASSERT_EQ(play(), 0);
    expect_resumed(2, "after an autosave");
    // Killed just after that autosave's journal entry: the older pair.
    put_back({old.orv, old.orl, read_file("_zendry.orh")});
    expect_resumed(1, "killed after the journal entry");
}

}  // namespace
