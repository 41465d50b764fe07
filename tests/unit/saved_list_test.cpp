// The saved-game listing: counting, the "|" list, the sentence with bold
// names in the browser, what is left out, the single game left in the
// second word for the restore, and the console pause.
#include "persist_support.h"

#include "display.h"

#include <chrono>

using namespace persist_test;

namespace {

class SavedList : public InTempDir {
protected:
    char name[64] = "";

    void SetUp() override {
        InTempDir::SetUp();
        html_ok = 0;
    }
    void TearDown() override {
        html_ok = 0;
        InTempDir::TearDown();
    }
    static void touch(const std::string &f) { write_file(f, {1}); }

    std::string listed(int n, int *count = nullptr) {
        zap_text();
        int c = process_saved(n, name);
        if (count) *count = c;
        return pending();
    }
};

TEST_F(SavedList, CountsOnlyThePlayersGamesAndDeletesNothing) {
    for (const char *f : {"beta.orv", "alpha.orv", "_zendry.orv", "with blank.orv", ".hidden.orv", "x.orh", "ab",
                          "game.orvx", "alpha.orv.tmp"})
        touch(f);
    int count = -1;
    EXPECT_EQ(listed(0, &count), "");
    EXPECT_EQ(count, 2);
    EXPECT_TRUE(exists("with blank.orv"));
    EXPECT_EQ(listed(2, &count), "alpha and beta.\n");
    EXPECT_EQ(count, 2);
    EXPECT_EQ(listed(-1), "alpha|beta");
    html_ok = 1;
    EXPECT_EQ(listed(2), "\x17" "b\x16" "alpha\x17/b\x16 and \x17" "b\x16" "beta\x17/b\x16.\n");
}

TEST_F(SavedList, ThreeGames) {
    for (const char *f : {"gamma.orv", "alpha.orv", "beta.orv"}) touch(f);
    EXPECT_EQ(listed(-1), "alpha|beta|gamma");
    EXPECT_EQ(listed(3), "alpha, beta and gamma.\n");
}

TEST_F(SavedList, EmptyDirectoryAndLongSecondWord) {
    int count = -1;
    EXPECT_EQ(listed(0, &count), "");
    EXPECT_EQ(count, 0);
    EXPECT_EQ(listed(2, &count), "");
    EXPECT_EQ(count, 0);
    touch("one.orv");
    touch("two.orv");
    memset(name, 'w', 58);
    name[58] = 0;
    EXPECT_EQ(listed(0, &count), "");
    EXPECT_EQ(count, 0);
    EXPECT_EQ(listed(-1, &count), "");
    EXPECT_EQ(count, 0);
    EXPECT_EQ(listed(2, &count), "one and two.\n");
    EXPECT_EQ(count, 2);
}

// With exactly one saved game its name becomes the second word, so that
// the restore word takes it; a name longer than the word buffer is kept in
// full for the restore.
TEST_F(SavedList, SingleGameIsLeftForTheRestore) {
    const std::string longname(32, 'k');
    fill_image(1);
    command(longname.substr(0, 31).c_str());
    snprintf(long_word, COMLINE_SIZE, "%s", longname.c_str());
    int32_t r = 0;
    special(SPECIAL_SAVE, &r);
    ASSERT_EQ(r, 0);
    ASSERT_TRUE(exists(longname + ".orv"));
    const std::vector<unsigned char> saved = live_bytes();

    fill_image(2);
    value[KV_COMMAND_STATUS] = 1;
    arg2_word[0] = 0;
    long_word[0] = 0;
    int32_t n = 0;
    special(SPECIAL_LIST_SAVES, &n);
    EXPECT_EQ(n, 1);
    EXPECT_EQ(std::string(arg2_word), longname.substr(0, 31));
    EXPECT_EQ(value[KV_ARG2], 31);
    value[KV_COMMAND_STATUS] = 2;  // as the restore word sets it
    special(SPECIAL_RESTORE, &r);
    EXPECT_EQ(r, 0);
    std::vector<unsigned char> back = live_bytes();
    EXPECT_TRUE(std::equal(back.begin() + 4, back.end(), saved.begin() + 4));
}

TEST_F(SavedList, ListingLeavesTheSecondWordAlone) {
    touch("one.orv");
    touch("two.orv");
    snprintf(arg2_word, WORD_SIZE, "restore");
    int32_t n = 0;
    special(SPECIAL_LIST_SAVES, &n);
    EXPECT_EQ(n, 2);
    EXPECT_STREQ(arg2_word, "restore");
    EXPECT_EQ(value[KV_ARG2], 7);
    zap_text();
    special(SPECIAL_LIST_SAVES, &n);
    EXPECT_EQ(pending(), "one and two.\n");
    EXPECT_STREQ(arg2_word, "restore");
}

TEST(Pause, SleepsForTheMillisecondsAsked) {
    auto t0 = std::chrono::steady_clock::now();
    my_usleep(30);
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - t0).count();
    EXPECT_GE(ms, 30);
    EXPECT_LT(ms, 1000);
}

}  // namespace
