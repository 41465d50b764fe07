// An autosave that is there but cannot be read (both copies damaged, cut
// short, out of range or a newer version's) is an unfinished game all the
// same: the player is told why, its files are kept under a name of their
// own that later autosaves never write over, and a new game begins. A game
// saved by a newer version is never deleted.
#include "console_game.h"
#include "persist_support.h"

#include "savefile.h"

using namespace persist_test;

namespace {

using bytes = std::vector<unsigned char>;

const char *const NEWER_STAMP = "Zendry 4.18, 09 Jun 2031";  // this version's, one minor step on
static_assert(sizeof "Zendry 4.18, 09 Jun 2031" == STAMP_LINE);

class Unreadable : public InTempDir {
protected:
    void SetUp() override {
        InTempDir::SetUp();
        set_title();  // the texts are read
        fill_image(11);
        value[KV_ARG1] = value[KV_ARG2] = -1;
        save_changes();
    }

    // Two turns, so that both copies and the journal log are there.
    void play_two_turns() {
        for (int t = 0; t < 2; t++) {
            value[1300 + t] += 7;
            save_changes();
            set_transcript("Turn.", 5);
            ASSERT_EQ(autosave(), 0);
        }
        ASSERT_TRUE(exists("_zendry.orv") && exists("_zendry.orl") && exists("_zendry.orh"));
    }

    // A table's next case: the directory emptied, then two turns played.
    void afresh_two_turns() {
        std::filesystem::remove_all(dir);
        std::filesystem::create_directory(dir);
        ASSERT_EQ(chdir(dir.c_str()), 0);
        forget_autosave_files();
        play_two_turns();
    }

    int32_t resume() {
        fill_image(77);
        value[KV_DWARVISH] = 0;  // the texts read plainly
        forget_journal();
        zap_text();
        int32_t r = -9;
        special(SPECIAL_AUTORESTORE, &r);
        return r;
    }
};

// A saved game of the live image with one value out of any range the game
// keeps, and a checksum that matches it.
bytes out_of_range_game() {
    const int32_t here = value[KV_HERE];
    value[KV_HERE] = 5;  // an object, not a place
    bytes g(SAVE_BYTES);
    build_game(g.data(), 1000);
    value[KV_HERE] = here;
    return g;
}

TEST_F(Unreadable, DamagedAutosaveIsKeptToldAndNeverWrittenOver) {
    struct Case {
        const char *what;
        void (*damage)(bytes &);
        const char *told;
    };
    const Case cases[] = {
        {"a changed byte", [](bytes &f) { f[IMAGE_AT + 100] ^= 0x10; }, "changed"},
        {"cut short", [](bytes &f) { f.resize(SAVE_BYTES / 2); }, "short"},
        {"out of range",
         [](bytes &f) {
             const bytes game = out_of_range_game();
             std::copy(game.begin(), game.end(), f.begin());
         },
         "state"},
        {"a newer version's", [](bytes &f) { memcpy(f.data(), NEWER_STAMP, STAMP_LINE - 1); }, "newer"},
        {"another game's", [](bytes &f) { memcpy(f.data(), "Elsewhere", 9); }, "foreign"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_NO_FATAL_FAILURE(afresh_two_turns());
        bytes orv = read_file("_zendry.orv"), orl = read_file("_zendry.orl");
        const bytes orh = read_file("_zendry.orh");
        c.damage(orv);
        c.damage(orl);
        write_file("_zendry.orv", orv);
        write_file("_zendry.orl", orl);

        EXPECT_NE(resume(), SPECIAL_AUTORESTORE);
        EXPECT_EQ(pending(), std::string("(Unreadable ") + c.told + ": kept as \"_zendry-unread\".)\n");
        EXPECT_EQ(read_file("_zendry-unread.orv"), orv);
        EXPECT_EQ(read_file("_zendry-unread.orl"), orl);
        EXPECT_EQ(read_file("_zendry-unread.orh"), orh);

        // The new game's autosaves write the autosave's own files afresh.
        fill_image(12);
        play_two_turns();
        EXPECT_EQ(read_file("_zendry-unread.orv"), orv);
        EXPECT_EQ(read_file("_zendry-unread.orl"), orl);
        EXPECT_EQ(read_file("_zendry-unread.orh"), orh);
        EXPECT_EQ(resume(), SPECIAL_AUTORESTORE);
    }
}

// One damaged copy is no lost game: the other is resumed and nothing is
// set aside. A second unreadable autosave is kept beside the first.
TEST_F(Unreadable, OneWholeCopyResumesAndASecondLossHasItsOwnName) {
    play_two_turns();
    bytes orv = read_file("_zendry.orv");
    orv[IMAGE_AT + 5] ^= 1;
    write_file("_zendry.orv", orv);
    EXPECT_EQ(resume(), SPECIAL_AUTORESTORE);
    EXPECT_FALSE(exists("_zendry-unread.orv"));

    for (const char *kept : {"_zendry-unread", "_zendry-unread-2"}) {
        SCOPED_TRACE(kept);
        play_two_turns();
        write_file("_zendry.orv", bytes(10, 'x'));
        write_file("_zendry.orl", bytes(10, 'x'));
        EXPECT_NE(resume(), SPECIAL_AUTORESTORE);
        EXPECT_NE(pending().find(std::string("\"") + kept + "\""), std::string::npos) << pending();
        EXPECT_TRUE(exists(std::string(kept) + ".orv"));
    }
    EXPECT_EQ(read_file("_zendry-unread.orv"), bytes(10, 'x'));
}

// The newer copy damaged while its trailer is whole (a changed byte, a
// state out of range): the older copy resumes, one turn back, the player
// is told so, and the damaged copy is kept under a name of its own that
// later autosaves never write over. A newer copy cut short by a write that
// a kill broke off is gone over in silence, as the two copies are meant to
// be, and written over by the next autosave.
TEST_F(Unreadable, DamagedNewerCopyIsToldAndKeptWhenTheOlderResumes) {
    struct Case {
        const char *what;
        void (*damage)(bytes &);
        const char *told;  // the reason said; null: nothing said, nothing kept
    } cases[] = {
        {"a changed byte", [](bytes &f) { f[5000] ^= 0xAA; }, "a byte of it has changed"},
        {"out of range",
         [](bytes &f) {
             const bytes game = out_of_range_game();
             std::copy(game.begin(), game.end(), f.begin());
         },
         "it holds a state this game cannot be in"},
        {"cut short in its game", [](bytes &f) { f.resize(SAVE_BYTES / 2); }, nullptr},
        {"cut short in its trailer", [](bytes &f) { f.resize(f.size() - 2); }, nullptr},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_NO_FATAL_FAILURE(afresh_two_turns());  // the .orl holds the second turn, the newer
        const int32_t first_turn = value[1300], second_turn = value[1301];
        bytes orl = read_file("_zendry.orl");
        c.damage(orl);
        write_file("_zendry.orl", orl);

        ASSERT_EQ(resume(), SPECIAL_AUTORESTORE);
        EXPECT_EQ(value[1300], first_turn);
        EXPECT_EQ(value[1301], second_turn - 7);  // the turn before the last
        const std::string said = pending();
        if (!c.told) {
            EXPECT_EQ(said, "");
            EXPECT_FALSE(exists("_zendry-unread.orl"));
            continue;
        }
        EXPECT_NE(said.find("(The last turn of your unfinished game could not be read: " + std::string(c.told) +
                            ". The game goes on from the turn before it."),
                  std::string::npos)
            << said;
        EXPECT_NE(said.find("\"_zendry-unread.orl\".)\n"), std::string::npos) << said;
        EXPECT_EQ(read_file("_zendry-unread.orl"), orl);

        // The game goes on; its autosaves write their own files afresh.
        play_two_turns();
        EXPECT_EQ(read_file("_zendry-unread.orl"), orl);
        const int32_t now = value[1301];
        EXPECT_EQ(resume(), SPECIAL_AUTORESTORE);
        EXPECT_EQ(value[1301], now);
        EXPECT_EQ(pending(), "");
    }
}

// A second damaged newer copy is kept beside the first; the .orv as much
// as the .orl.
TEST_F(Unreadable, EachDamagedNewerCopyHasItsOwnName) {
    play_two_turns();
    for (const char *kept : {"_zendry-unread.orl", "_zendry-unread-2.orv"}) {
        SCOPED_TRACE(kept);
        const std::string newer = std::string("_zendry") + (kept + strlen(kept) - 4);
        bytes f = read_file(newer);
        f[IMAGE_AT + 100] ^= 0x10;
        write_file(newer, f);
        ASSERT_EQ(resume(), SPECIAL_AUTORESTORE);
        EXPECT_NE(pending().find(std::string("\"") + kept + "\""), std::string::npos) << pending();
        EXPECT_EQ(read_file(kept), f);
        EXPECT_FALSE(exists(newer));
        play_two_turns();  // into the copy set aside, then the .orv: now the newer
    }
    EXPECT_TRUE(exists("_zendry-unread.orl"));
}

// The real program tells of the damaged newer copy at the start, before
// the resume notice and the turn shown again: the turn before the last.
TEST_F(Unreadable, AStartTellsOfTheDamagedNewerCopyBeforeTheResume) {
    const std::string work = dir + "/fablet/zendry/";
    {
        Game g(dir, dir + "/played.out");
        ASSERT_GT(g.pid, 0);
        g.type("lamp\nhall\n");
        EXPECT_EQ(g.finish(), 0);  // the input ends: the game stops, its autosave kept
    }
    const std::string newer = newer_autosave_copy(work + "_zendry");
    bytes f = read_file(work + "_zendry." + newer);
    ASSERT_GT(f.size(), size_t(SAVE_BYTES));
    f[5000] ^= 0xAA;
    write_file(work + "_zendry." + newer, f);

    Game g(dir, dir + "/resumed.out");
    ASSERT_GT(g.pid, 0);
    EXPECT_EQ(g.finish(), 0);
    const std::string out = text_of(dir + "/resumed.out");
    const size_t told = out.find("(The last turn of your unfinished game could not be read");
    const size_t shown = out.find("Turn 1: lamp");
    EXPECT_NE(told, std::string::npos) << out;
    EXPECT_NE(shown, std::string::npos) << out;
    EXPECT_LT(told, shown) << out;
    EXPECT_EQ(out.find("Turn 2"), std::string::npos) << out;
    EXPECT_EQ(read_file(work + "_zendry-unread." + newer), f);
}

// A start with no autosave at all is a first start: nothing is said.
TEST_F(Unreadable, NoAutosaveIsAFirstStart) {
    EXPECT_NE(resume(), SPECIAL_AUTORESTORE);
    EXPECT_EQ(pending(), "");
}

TEST_F(Unreadable, NewerVersionsSavedGameIsNeverDeleted) {
    bytes game(SAVE_BYTES);
    build_game(game.data(), 1000);
    write_file("ours.orv", game);
    memcpy(game.data(), NEWER_STAMP, STAMP_LINE - 1);
    write_file("later.orv", game);
    value[KV_DWARVISH] = 0;
    zap_text();
    command("later");
    EXPECT_EQ(delete_game(), 2);
    EXPECT_TRUE(exists("later.orv"));
    EXPECT_EQ(pending(), "(Newer: kept.)\n");
    command("ours");
    EXPECT_EQ(delete_game(), 0);
    EXPECT_FALSE(exists("ours.orv"));
}

}  // namespace
