// The autosave inside the kernel: a saved game that restore reads, with the
// transcript of its turn and the undo journal beside it; what a kill at
// each moment of writing it leaves (a whole game, its own transcript and a
// journal that matches it); a failed autosave; the journal log through undo
// and compaction; and an autosave written by the earlier version.
#include "persist_support.h"

#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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
        turn(bytes_changed);
        record();
        return autosave();
    }

    void turn(int bytes_changed) {
        const int t = ++value[TURN];
        for (int k = 0; k < bytes_changed; k++) value[1300 + (t * 7 + k * 13) % 2000] += t;
        value[KV_ARG1] = 750;
        value[KV_ARG2] = -1;
        save_changes();
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

    // The game resumed is s, with its transcript and journal.
    static bool resumed_as(const Saved &s) {
        return value[TURN] == s.turn && autosave_transcript() == s.transcript && diffs &&
               std::vector<unsigned char>(diffs, diffs + dptr) == s.journal && edptr == s.cursor;
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

// A kill at each moment of writing an autosave leaves a whole game: the one
// of the autosave before, with its own transcript and journal, or, once the
// autosave is written, its own. Each kill is a child process that plays the
// turn with its writes cut after k bytes; another child then resumes. The
// autosave of turn 4 writes in part over the game of turn 2; the first
// after a resume writes a copy whole; a turn that changes much writes an
// entry of the journal's log before its copy.
TEST_F(Autosave, KillAtAnyMomentLeavesAWholeGameWithItsJournal) {
    for (int i = 0; i < 3; i++) ASSERT_EQ(play(), 0);
    auto kills = [&](const char *what, int bytes_changed = 3) {
        SCOPED_TRACE(what);
        const Files before = files();
        const size_t last = saved.size() - 1;
        bool whole = false;
        for (int64_t k = 0; !whole; k += k < 32 ? 1 : k < 1024 ? 29 : 1021) {
            put_back(before);
            pid_t child = fork();
            if (child == 0) {
                limit_writes(k, false, EIO);
                const int written = play(bytes_changed) == 0;
                limit_writes(-1, false, 0);
                if (resume() != SPECIAL_AUTORESTORE) _exit(9);
                // 0 or 1: the game before or this turn's; 2 more when written.
                for (size_t s = last; s <= last + 1; s++)
                    if (resumed_as(saved[s])) _exit(int(s - last) + 2 * written);
                _exit(8);
            }
            int status = -1;
            ASSERT_EQ(waitpid(child, &status, 0), child);
            ASSERT_TRUE(WIFEXITED(status));
            whole = WEXITSTATUS(status) >= 2;
            ASSERT_EQ(WEXITSTATUS(status), whole ? 3 : 0) << "killed after " << k << " bytes";
        }
        put_back(before);
    };
    kills("written in part");
    expect_resumed(2, "resumed");
    kills("written whole");

    // Play goes on after a kill: the next autosave replaces what was cut.
    pid_t child = fork();
    if (child == 0) {
        limit_writes(100, false, EIO);
        _exit(play() == 0 ? 0 : 1);
    }
    waitpid(child, nullptr, 0);
    expect_resumed(2, "cut");
    ASSERT_EQ(play(), 0);
    ASSERT_EQ(play(), 0);
    expect_resumed(saved.size() - 1, "played on");
    remove_file("_zendry.orl");  // the older copy
    expect_resumed(saved.size() - 1, "the other copy gone");
    ASSERT_EQ(play(), 0);
    kills("with an entry of the log", 400);
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

// A disk that fills during play: the game is still written in place, the
// journal's log cannot grow. The player is told once; a resume meanwhile
// finds the game and no journal (never one of another game); once there is
// room again the journal is kept whole from where it stopped.
TEST_F(Autosave, JournalOnAFullDiskIsToldOnceAndTakenUpAgain) {
    ASSERT_EQ(play(), 0);
    ASSERT_EQ(play(), 0);
    limit_writes(-1, true, ENOSPC);
    zap_text();
    EXPECT_EQ(play(), 0);
    const std::string told = pending();
    EXPECT_NE(told.find("undo"), std::string::npos) << told;
    EXPECT_NE(told.find("the disk is full"), std::string::npos) << told;
    zap_text();
    EXPECT_EQ(play(), 0);
    EXPECT_EQ(pending(), "");  // once
    pid_t child = fork();
    if (child == 0) {
        limit_writes(-1, false, 0);
        const int turn = value[TURN];
        _exit(resume() == SPECIAL_AUTORESTORE && value[TURN] == turn && diffs == nullptr ? 0 : 1);
    }
    int status = -1;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "resumed with a journal or another game";

    limit_writes(-1, false, 0);
    zap_text();
    EXPECT_EQ(play(), 0);
    EXPECT_EQ(pending(), "");
    expect_resumed(saved.size() - 1, "room again");
    EXPECT_EQ(dptr, int(saved.back().journal.size()));
}

// On a real file system that fills (root only: a small memory file system
// mounted in a mount namespace of this test's own): the journal failure is
// told, and a save refused for want of room says that the disk is full.
TEST_F(Autosave, SaveOnAFullDiskSaysSo) {
    const std::string small = dir + "/small";
    ASSERT_EQ(mkdir(small.c_str(), 0755), 0);
    if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        mount("tmpfs", small.c_str(), "tmpfs", 0, "size=256k") != 0)
        GTEST_SKIP() << "no small file system can be mounted here: " << strerror(errno);
    ASSERT_EQ(chdir(small.c_str()), 0);
    ASSERT_EQ(play(), 0);
    ASSERT_EQ(play(), 0);
    {
        FILE *f = fopen("filler", "wb");
        ASSERT_NE(f, nullptr);
        std::vector<char> block(4096, 'x');
        while (fwrite(block.data(), 1, block.size(), f) == block.size()) {
        }
        fclose(f);
    }
    std::string told;
    for (int i = 0; i < 200 && told.empty(); i++) {
        zap_text();
        play(200);
        told = pending();
    }
    EXPECT_NE(told.find("the disk is full"), std::string::npos) << told;
    zap_text();
    command("kept");
    int32_t r = -9;
    special(SPECIAL_SAVE, &r);
    EXPECT_EQ(r, 1);
    EXPECT_NE(pending().find("the disk is full"), std::string::npos) << pending();
    EXPECT_FALSE(exists("kept.orv"));
    resume();  // lets go of the files there
    chdir(dir.c_str());
    umount2(small.c_str(), MNT_DETACH);
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

    // Turns that change much log their part of the journal each; the log
    // holds little more than the journal, a resume logging nothing again.
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
    EXPECT_LT(largest, journal + journal / 8 + 4096);

    // Small turns: their part of the journal stays in the copies until it
    // fills an entry of the log; the log grows by about what the journal
    // does, resumes or not.
    const size_t log_before = read_file("_zendry.orh").size();
    for (int i = 0; i < 300; i++) {
        ASSERT_EQ(play(), 0);
        if (i % 25 == 24) expect_resumed(saved.size() - 1, "small turn " + std::to_string(i));
    }
    const size_t grown = saved.back().journal.size() - journal;
    EXPECT_GT(grown, size_t(2048));
    EXPECT_LE(read_file("_zendry.orh").size(), log_before + grown + grown / 8);

    // The journal switched off with the log large: the log is written
    // afresh, with no journal.
    value[KV_UNDO_RESULT] = -1;
    ASSERT_EQ(play(), 0);
    EXPECT_LT(read_file("_zendry.orh").size(), size_t(64));
    ASSERT_EQ(resume(), SPECIAL_AUTORESTORE);
    EXPECT_EQ(diffs, nullptr);
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
