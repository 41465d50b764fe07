// Files the previous version of the program wrote still load, byte for
// byte. tests/fixtures/saved holds a real game played by that program: undo
// switched on, a game saved as "keep" after some fifty commands (keep.orv
// and its journal keep.orh), and the autosave a kill left forty commands
// later, its journal grown into the log (_zendry.orv, .orl and .orh).
#include "persist_support.h"

#include "savefile.h"

using namespace persist_test;

namespace {

const std::string FIXTURES = std::string(SOURCE_DIR) + "/tests/fixtures/saved/";
constexpr int IMAGE_AT = HEADER_BYTES + TIME_BYTES;  // the image's offset in a saved game

std::vector<unsigned char> fixture(const char *name) { return read_file(FIXTURES + name); }

std::vector<unsigned char> journal() { return std::vector<unsigned char>(diffs, diffs + dptr); }

// The image's bytes as a saved game holds them.
std::vector<unsigned char> image_of(const std::vector<unsigned char> &game) {
    return std::vector<unsigned char>(game.begin() + IMAGE_AT, game.begin() + IMAGE_AT + IMAGE_SIZE);
}

int64_t time_of(const std::vector<unsigned char> &game) {
    return int64_t(uint64_t(get32(&game[HEADER_BYTES])) | uint64_t(get32(&game[HEADER_BYTES + 4])) << 32);
}

// The checksum of the live image: a fingerprint of a state reached by undo.
uint32_t live_sum() { return region_sum(0, image_bytes(IMAGE), IMAGE_SIZE); }

class PreviousVersion : public InTempDir {
protected:
    void SetUp() override {
        InTempDir::SetUp();
        fill_image(3);  // some other game is being played
    }
};

TEST_F(PreviousVersion, SavedGameLoadsWithItsJournal) {
    const std::vector<unsigned char> game = fixture("keep.orv"), jfile = fixture("keep.orh");
    ASSERT_EQ(game.size(), size_t(SAVE_BYTES));
    write_file("keep.orv", game);
    write_file("keep.orh", jfile);
    command("keep");
    int32_t r = -9;
    special(SPECIAL_RESTORE, &r);
    ASSERT_EQ(r, 0);
    EXPECT_EQ(live_bytes(), image_of(game));
    EXPECT_EQ(game_time, time_of(game));
    // The journal file: its length, the journal, a checksum and the cursor.
    ASSERT_NE(diffs, nullptr);
    const uint32_t len = get32(jfile.data());
    EXPECT_EQ(journal(), std::vector<unsigned char>(jfile.begin() + 4, jfile.begin() + 4 + len));
    EXPECT_EQ(edptr, int(get32(&jfile[8 + len])));

    // Saved again, it is the same file but for the time, the checksum and
    // the words of the command that saves it.
    command("again");
    const std::vector<unsigned char> now = live_bytes();
    ASSERT_EQ(save_game(SPECIAL_SAVE), 0);
    const std::vector<unsigned char> again = read_file("again.orv");
    ASSERT_EQ(again.size(), game.size());
    EXPECT_TRUE(std::equal(game.begin(), game.begin() + HEADER_BYTES - 4, again.begin()));
    EXPECT_EQ(image_of(again), now);

    // Undo reaches the states the journal recorded, back to the start.
    command("all");
    value[KV_ARG2] = 3;
    undo();
    EXPECT_EQ(edptr, 4);
    EXPECT_EQ(live_sum(), 0x2c85ecd4u) << std::hex << live_sum();
}

TEST_F(PreviousVersion, AutosaveResumesWithItsTranscriptAndJournal) {
    const std::vector<unsigned char> orv = fixture("_zendry.orv"), orl = fixture("_zendry.orl");
    write_file("_zendry.orv", orv);
    write_file("_zendry.orl", orl);
    write_file("_zendry.orh", fixture("_zendry.orh"));
    forget_journal();
    int32_t r = -9;
    special(SPECIAL_AUTORESTORE, &r);
    ASSERT_EQ(r, SPECIAL_AUTORESTORE);
    // The newer copy is the one whose game was resumed.
    const std::vector<unsigned char> &newer = image_of(orv) == live_bytes() ? orv : orl;
    EXPECT_EQ(live_bytes(), image_of(newer));
    EXPECT_EQ(autosave_transcript(),
              "One command is taken back.\nYou are back where you were.\nYou are in the warren.\n");
    ASSERT_NE(diffs, nullptr);
    EXPECT_EQ(dptr, 4316);
    EXPECT_EQ(edptr, 4212);
    EXPECT_EQ(region_sum(0, diffs, dptr), 405724784u);
    const std::string transcript = autosave_transcript();
    const std::vector<unsigned char> kept = journal();
    const int cursor = edptr;

    // The next autosave of the resumed game writes the other copy, and a
    // resume then finds the same game, transcript and journal.
    value[KV_ARG1] = value[KV_ARG2] = -1;
    const std::vector<unsigned char> resumed = live_bytes();
    set_transcript(transcript.data(), transcript.size());
    ASSERT_EQ(autosave(), 0);
    fill_image(4);
    forget_journal();
    special(SPECIAL_AUTORESTORE, &r);
    ASSERT_EQ(r, SPECIAL_AUTORESTORE);
    EXPECT_EQ(live_bytes(), resumed);
    EXPECT_EQ(autosave_transcript(), transcript);
    EXPECT_EQ(journal(), kept);
    EXPECT_EQ(edptr, cursor);

    // Undo from the resumed game reaches the start of the journal.
    command("all");
    value[KV_ARG2] = 3;
    undo();
    EXPECT_EQ(edptr, 4);
    EXPECT_EQ(live_sum(), 0x2d9555a4u) << std::hex << live_sum();
}

}  // namespace
