// An autosave that is there but cannot be read (both copies damaged, cut
// short, out of range or a newer version's) is an unfinished game all the
// same: the player is told why, its files are kept under a name of their
// own that later autosaves never write over, and a new game begins. A game
// saved by a newer version is never deleted.
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
        std::filesystem::remove_all(dir);
        std::filesystem::create_directory(dir);
        ASSERT_EQ(chdir(dir.c_str()), 0);
        forget_autosave_files();
        play_two_turns();
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
