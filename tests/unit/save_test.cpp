// Saved games: the round trip, the checksum, damaged and foreign files, an
// older layout, the journal beside a saved game, file names, the autosave,
// the play-time count and the persistent-data file.
#include "persist_support.h"
#include "savefile.h"

#include <chrono>
#include <csignal>
#include <ctime>
#include <random>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>

using namespace persist_test;

namespace {

constexpr size_t STAMP = 25, LAYOUT_AT = 25, SUM_AT = 49, TIME_AT = 53, IMAGE_AT = 61;
constexpr size_t FILE_SIZE = IMAGE_AT + IMAGE_SIZE;

int32_t run(int code, int32_t v = 0) {
    special(code, &v);
    return v;
}

int32_t save_as(const char *name) {
    command(name);
    return run(SPECIAL_SAVE);
}

int32_t restore_from(const char *name) {
    command(name);
    return run(SPECIAL_RESTORE, -99);
}

void put32(std::vector<unsigned char> &f, size_t at, uint32_t v) {
    for (int i = 0; i < 4; i++) f[at + i] = (unsigned char)(v >> (8 * i));
}

uint32_t get32(const std::vector<unsigned char> &f, size_t at) {
    return uint32_t(f[at]) | uint32_t(f[at + 1]) << 8 | uint32_t(f[at + 2]) << 16 | uint32_t(f[at + 3]) << 24;
}

// A saved-game file of any layout: the stamp line, the layout numbers, the
// checksum, a time field of `tw` bytes and the image regions given.
std::vector<unsigned char> build_file(const int32_t lay[6], int tw, int64_t when,
                                      const std::vector<std::vector<unsigned char>> &regions,
                                      const std::string &stamp = VERSION_STAMP) {
    std::vector<unsigned char> f(stamp.begin(), stamp.end());
    f.push_back('\n');
    for (int k = 0; k < 6; k++) {
        f.resize(f.size() + 4);
        put32(f, f.size() - 4, uint32_t(lay[k]));
    }
    std::vector<unsigned char> t(static_cast<size_t>(tw));
    for (int i = 0; i < tw; i++) t[size_t(i)] = (unsigned char)(uint64_t(when) >> (8 * i));
    uint32_t sum = region_sum(0, t.data(), tw);
    for (const auto &r : regions) sum = region_sum(sum, r.data(), int(r.size()));
    f.resize(f.size() + 4);
    put32(f, f.size() - 4, sum);
    f.insert(f.end(), t.begin(), t.end());
    for (const auto &r : regions) f.insert(f.end(), r.begin(), r.end());
    return f;
}

// The live image split into its five regions.
std::vector<std::vector<unsigned char>> live_regions() {
    std::vector<unsigned char> all = live_bytes();
    const int sizes[5] = {14288, 780, 768, 2036, 1122};
    std::vector<std::vector<unsigned char>> out;
    size_t at = 0;
    for (int s : sizes) {
        out.emplace_back(all.begin() + long(at), all.begin() + long(at + size_t(s)));
        at += size_t(s);
    }
    return out;
}

const int32_t GAME_LAYOUT[6] = {3, 194, 703, 1143, 1264, 3572};

class Save : public InTempDir {};

TEST_F(Save, RoundTripReproducesTheImageButForTheResult) {
    fill_image(1);
    ASSERT_EQ(save_as("alpha"), 0);
    std::vector<unsigned char> saved = live_bytes();
    EXPECT_EQ(value[0], -1);

    std::vector<unsigned char> f = read_file("alpha.orv");
    ASSERT_EQ(f.size(), FILE_SIZE);
    EXPECT_EQ(std::string(f.begin(), f.begin() + STAMP), std::string(VERSION_STAMP) + "\n");
    for (int k = 0; k < 6; k++) EXPECT_EQ(int32_t(get32(f, LAYOUT_AT + 4 * size_t(k))), GAME_LAYOUT[k]);
    int64_t when = int64_t(get32(f, TIME_AT)) | int64_t(get32(f, TIME_AT + 4)) << 32;
    EXPECT_LE(std::llabs(when - int64_t(time(nullptr))), 5);
    EXPECT_TRUE(std::equal(saved.begin(), saved.end(), f.begin() + IMAGE_AT));

    fill_image(2);
    command("alpha");
    special(SPECIAL_RESTORE, &value[0]);
    EXPECT_EQ(value[0], 0);
    std::vector<unsigned char> back = live_bytes();
    EXPECT_TRUE(std::equal(back.begin() + 4, back.end(), saved.begin() + 4));
}

TEST_F(Save, ChecksumIsThe30BitSumInUnsignedArithmetic) {
    const unsigned char two[] = {0x01, 0xFF};  // (1+1)*32+2, then (-1+2)*16+2
    EXPECT_EQ(region_sum(0, two, 2), 84u);
    EXPECT_EQ(region_sum(100, two, 2), 184u);
    // Long regions overflow 32 bits many times over: the result must be the
    // exact sum taken modulo 2^30.
    std::vector<unsigned char> big(20000);
    for (size_t i = 0; i < big.size(); i++) big[i] = (unsigned char)(i * 37 + 11);
    int64_t exact = 5;
    for (int i = 1; i <= int(big.size()); i++) {
        int64_t x = int64_t(int8_t(big[size_t(i - 1)])) + i;
        exact = (exact + x * x * 16 + int64_t(big.size())) % (int64_t(1) << 30);
    }
    EXPECT_EQ(region_sum(5, big.data(), int(big.size())), uint32_t(exact));
}

TEST_F(Save, SavingOverAnExistingGameIsRefusedAndLeavesIt) {
    fill_image(1);
    ASSERT_EQ(save_as("alpha"), 0);
    std::vector<unsigned char> first = read_file("alpha.orv");
    fill_image(2);
    EXPECT_EQ(save_as("alpha"), 2);
    EXPECT_EQ(read_file("alpha.orv"), first);
}

TEST_F(Save, OneWordSaveUsesDefaultAndLongNamesSurviveTheWordBuffer) {
    fill_image(1);
    command(nullptr);
    EXPECT_EQ(run(SPECIAL_SAVE), 0);
    EXPECT_TRUE(exists("default.orv"));

    // A typed name longer than the word buffer: the full word is used, cut
    // to 32 characters.
    std::string name(40, 'k');
    command(name.substr(0, 31).c_str());
    snprintf(long_word, COMLINE_SIZE, "%s", name.c_str());
    EXPECT_EQ(run(SPECIAL_SAVE), 0);
    EXPECT_TRUE(exists(name.substr(0, 32) + ".orv"));
}

// A name longer than a file name takes is cut between characters, never
// inside one, and the player is told the name the game was saved under
// whenever it is not the name typed.
TEST_F(Save, LongNamesAreCutBetweenCharactersAndTheNameSavedUnderIsSaid) {
    set_title();
    value[KV_DWARVISH] = 0;
    const std::string e = "\xC3\xA9", smile = "\xF0\x9F\x98\x80";
    auto times = [](const std::string &s, int n) {
        std::string out;
        for (int i = 0; i < n; i++) out += s;
        return out;
    };
    const std::string a32 = times("a", 32);
    struct {
        std::string typed, saved;  // saved: the name the file has, less ".orv"
    } cases[] = {
        {"abc", "abc"},
        {a32, a32},
        {a32 + "b", a32},
        {"a" + times(e, 20), "a" + times(e, 15)},  // 41 bytes: the 16th "é" would end at byte 33
        {times("a", 30) + e, times("a", 30) + e},  // 32 bytes: fits whole
        {times("a", 31) + e, times("a", 31)},
        {times("a", 29) + smile, times("a", 29)},
        {times("a", 28) + smile + "b", times("a", 28) + smile},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.typed);
        fill_image(1);
        value[KV_DWARVISH] = 0;
        command(c.typed.substr(0, WORD_SIZE - 1).c_str());
        snprintf(long_word, COMLINE_SIZE, "%s", c.typed.c_str());
        zap_text();
        EXPECT_EQ(run(SPECIAL_SAVE), 0);
        EXPECT_TRUE(exists(c.saved + ".orv"));
        EXPECT_EQ(pending(), c.saved == c.typed ? "" : "(Saved as \"" + c.saved + "\".)\n");
        std::filesystem::remove(c.saved + ".orv");
    }

    // One word of several typed: the first is the name, and it is said.
    struct {
        const char *line;
        bool said;
    } lines[] = {{"save with spaces", true}, {"save with", false}, {"save with; look", false},
                 {"  SAVE  with  more ", true}};
    for (const auto &l : lines) {
        SCOPED_TRACE(l.line);
        snprintf(typed_line, sizeof typed_line, "%s", l.line);
        snprintf(orig1, WORD_SIZE, "%s", strstr(l.line, "SAVE") ? "SAVE" : "save");
        snprintf(orig2, WORD_SIZE, "with");
        command("with");
        zap_text();
        EXPECT_EQ(save_name_refused(), 0);
        EXPECT_EQ(run(SPECIAL_SAVE), 0);
        EXPECT_EQ(pending(), l.said ? "(Saved as \"with\".)\n" : "");
        std::filesystem::remove("with.orv");
    }
}

// Names typed by the player are never paths and never the autosave's.
TEST_F(Save, MakeNameTable) {
    struct {
        const char *name;
        const char *path;  // empty: refused
    } cases[] = {
        {"default", "default.orv"},
        {"game.orv", "game.orv"},
        {"orv", "orv.orv"},
        {"abc\nrest", "abc.orv"},
        {"0123456789012345678901234567890123456789", "01234567890123456789012345678901.orv"},
        {"../up", ""},
        {"a/b", ""},
        {"a\\b", ""},
        {"c:game", ""},
        {"_zendry", ""},
        {".hidden", ""},
        {"tab\there", ""},
        {"two words", ""},
        {"a*b", ""},
        {"-x", ""},
        {"Plain-name_2.v+1", "Plain-name_2.v+1.orv"},
        {"", ""},
    };
    for (const auto &c : cases) {
        char path[80] = "junk";
        int made = make_name(c.name, path);
        EXPECT_EQ(made, c.path[0] ? 1 : 0) << c.name;
        EXPECT_STREQ(path, c.path) << c.name;
    }
    char path[80];
    EXPECT_EQ(make_name("_zendry", path, true), 1);
    EXPECT_STREQ(path, "_zendry.orv");
}

// The name of a file beside a saved game never runs past its buffer: one
// that does not fit is empty, never the name of another file.
TEST_F(Save, SiblingNamesFitTheirBuffer) {
    make_name("0123456789012345678901234567890123456789", save_name);
    char whole[96], part[12];
    sibling_name(whole, "orh");
    EXPECT_STREQ(whole, "01234567890123456789012345678901.orh");
    sibling_name(part, "orh");
    EXPECT_STREQ(part, "");
}

// A refused name is no name: the kernel says why (text 3505) and the save,
// restore or delete does nothing.
TEST_F(Save, RefusedNamesGiveNoName) {
    fill_image(1);
    ASSERT_EQ(run(SPECIAL_AUTOSAVE), 0);
    for (const char *bad : {"../evil", "_zendry", ".x", "a:b"}) {
        EXPECT_EQ(save_as(bad), 3) << bad;
        EXPECT_EQ(restore_from(bad), 3) << bad;
        command(bad);
        EXPECT_EQ(run(SPECIAL_DELETE_SAVE), 3) << bad;
    }
    EXPECT_TRUE(exists("_zendry.orv"));
    EXPECT_FALSE(exists("../evil.orv"));
    // A two-word count with no second word: no name at all.
    command("x");
    value[KV_ARG2] = -1;
    EXPECT_EQ(run(SPECIAL_SAVE), 3);
    EXPECT_EQ(run(SPECIAL_RESTORE), 3);
}

TEST_F(Save, DeleteRemovesTheGameAndItsJournal) {
    fill_image(1);
    value[KV_ARG1] = 750;
    value[KV_ARG2] = -1;
    save_changes();
    value[3000] ^= 1;
    save_changes();
    ASSERT_EQ(save_as("gone"), 0);
    ASSERT_TRUE(exists("gone.orh"));
    command("gone");
    EXPECT_EQ(run(SPECIAL_DELETE_SAVE), 0);
    EXPECT_FALSE(exists("gone.orv"));
    EXPECT_FALSE(exists("gone.orh"));
    EXPECT_EQ(run(SPECIAL_DELETE_SAVE), 2);
    EXPECT_EQ(restore_from("missing"), 1);
}

// Damaged or foreign files are refused and the live game stays as it was.
TEST_F(Save, DamagedAndForeignFilesTable) {
    fill_image(1);
    ASSERT_EQ(save_as("good"), 0);
    const std::vector<unsigned char> good = read_file("good.orv");
    auto restamp = [&](const std::string &stamp) {
        std::vector<unsigned char> f(stamp.begin(), stamp.end());
        f.push_back('\n');
        f.insert(f.end(), good.begin() + STAMP, good.end());
        return f;
    };
    auto layout = [&](int k, int32_t v) {
        std::vector<unsigned char> f = good;
        put32(f, LAYOUT_AT + 4 * size_t(k), uint32_t(v));
        return f;
    };
    auto flip = [&](size_t at) {
        std::vector<unsigned char> f = good;
        f[at] ^= 0x10;
        return f;
    };
    struct {
        const char *what;
        std::vector<unsigned char> file;
        int32_t result;
    } cases[] = {
        {"flipped image byte", flip(IMAGE_AT + 9000), 2},
        {"flipped time byte", flip(TIME_AT + 1), 2},
        {"flipped checksum", flip(SUM_AT), 2},
        {"truncated image", std::vector<unsigned char>(good.begin(), good.end() - 100), 2},
        {"truncated in layout", std::vector<unsigned char>(good.begin(), good.begin() + 30), 2},
        {"empty file", {}, 4},
        {"newer minor version", restamp("Zendry 4.18, 09 Jun 2031"), 4},
        {"other major version", restamp("Zendry 5.01, 09 Jun 2031"), 4},
        {"other game", restamp("Zandry 4.17, 09 Jun 2031"), 4},
        {"no version", restamp("Zendry"), 4},
        {"older minor version", restamp("Zendry 4.9, 01 Jan 2030"), 0},
        {"other date", restamp("Zendry 4.17, 01 Jan 2099"), 0},
        {"newer object count", layout(1, 195), 2},
        {"first object not 3", layout(0, 2), 2},
        {"negative last object", layout(1, -5), 2},
        {"places before objects", layout(2, 100), 2},
        {"too many places", layout(1, 10), 2},
        {"texts before variables", layout(4, 1000), 2},
        {"too many texts", layout(4, 1200), 2},
    };
    for (auto &c : cases) {
        write_file("bad.orv", c.file);
        fill_image(7);
        command("bad");
        std::vector<unsigned char> before = live_bytes();
        EXPECT_EQ(run(SPECIAL_RESTORE), c.result) << c.what;
        if (c.result != 0) {
            EXPECT_EQ(live_bytes(), before) << c.what;
        }
    }
}

// Files with a right checksum that hold no state the game can be in, as a
// file made by hand would: each is refused as a damaged file by a restore
// and by the resume, and the game being played stays as it was. The limits
// themselves are taken.
TEST_F(Save, ImagesTheGameCannotBeInAreRefused) {
    constexpr size_t LOC = 14288;  // the location region in the image
    struct {
        const char *what;
        size_t at;  // in the image
        int32_t v;
        int32_t result;
    } cases[] = {
        {"HERE far past the places", 4 * KV_HERE, 5000, 2},
        {"HERE an object", 4 * KV_HERE, 50, 2},
        {"THERE an object", 4 * KV_THERE, 100, 2},
        {"a location that is an object", LOC + 4 * 40, 3, 2},
        {"a location below 0", LOC + 4 * 41, -1, 2},
        {"a location past the places", LOC + 4 * 42, LAST_PLACE + 1, 2},
        {"a counter near INT_MAX", 4 * 1200, INT32_MAX - 1, 2},
        {"a counter at INT_MIN", 4 * 1250, INT32_MIN, 2},
        {"a state past the limit", 4 * 20, STATE_LIMIT + 1, 2},
        {"a state far below the limit", 4 * 193, INT32_MIN + 5, 2},
        {"a text's counter past the limit", 4 * 3000, -VALUE_LIMIT - 1, 2},
        {"HERE the first place", 4 * KV_HERE, FIRST_PLACE, 0},
        {"THERE 0, as after a death", 4 * KV_THERE, 0, 0},
        {"a location the last place", LOC + 4 * 40, LAST_PLACE, 0},
        {"a counter at the limit", 4 * 1200, VALUE_LIMIT, 0},
        {"a counter at the lower limit", 4 * 1250, -VALUE_LIMIT, 0},
        {"a state at the limit", 4 * 20, STATE_LIMIT, 0},
    };
    for (const auto &c : cases) {
        fill_image(1);
        std::memcpy(image_bytes(IMAGE) + c.at, &c.v, 4);
        std::filesystem::remove("crafted.orv");
        ASSERT_EQ(save_as("crafted"), 0) << c.what;  // the game's own writer: the checksum is right
        std::filesystem::copy_file("crafted.orv", "_zendry.orv", std::filesystem::copy_options::overwrite_existing);
        fill_image(7);
        command("crafted");
        std::vector<unsigned char> before = live_bytes();
        EXPECT_EQ(run(SPECIAL_RESTORE, -99), c.result) << c.what;
        if (c.result != 0) {
            EXPECT_EQ(live_bytes(), before) << c.what;
        }
        fill_image(7);
        before = live_bytes();
        EXPECT_EQ(run(SPECIAL_AUTORESTORE, -99), c.result ? c.result : SPECIAL_AUTORESTORE) << c.what;
        if (c.result != 0) {
            EXPECT_EQ(live_bytes(), before) << c.what;
        }
    }
}

// The checksum cannot see a byte replaced by its mirror: at position i of a
// region, b and -b - 2i give the same square. Such damage to a location
// still leaves no place there, and the file is refused.
TEST_F(Save, MirroredByteTheChecksumMissesIsRefused) {
    fill_image(1);
    location[10] = 0;
    ASSERT_EQ(save_as("mirror"), 0);
    std::vector<unsigned char> f = read_file("mirror.orv");
    const size_t at = IMAGE_AT + 14288 + 4 * 10;  // location 10's low byte
    const int i = 4 * 10 + 1;                     // its position in the region
    f[at] = (unsigned char)int8_t(-int8_t(f[at]) - 2 * i);
    ASSERT_NE(f, read_file("mirror.orv"));
    uint32_t sum = region_sum(0, f.data() + TIME_AT, 8);
    size_t from = IMAGE_AT;
    for (int s : {14288, 780, 768, 2036, 1122}) {
        sum = region_sum(sum, f.data() + from, s);
        from += size_t(s);
    }
    ASSERT_EQ(sum, get32(f, SUM_AT));  // the damage is invisible to the checksum
    write_file("mirror.orv", f);
    write_file("_zendry.orv", f);
    fill_image(2);
    command("mirror");
    const std::vector<unsigned char> before = live_bytes();
    EXPECT_EQ(run(SPECIAL_RESTORE, -99), 2);
    EXPECT_EQ(run(SPECIAL_AUTORESTORE, -99), 2);
    EXPECT_EQ(live_bytes(), before);
}

// A journal that passes its checksum but would take the game, by undo, to a
// state it cannot be in is dropped; the restore stands.
TEST_F(Save, JournalLeadingToAStateTheGameCannotBeInIsDropped) {
    fill_image(1);
    value[KV_HERE] = 300;  // 0x12C
    value[KV_ARG1] = 750;
    value[KV_ARG2] = -1;
    save_changes();
    value[KV_HERE] = 556;  // 0x22C: one record, for HERE's second byte
    save_changes();
    ASSERT_EQ(save_as("jour"), 0);
    std::vector<unsigned char> j = read_file("jour.orh");
    const uint32_t L = get32(j, 0);
    const int here_byte = 4 * KV_HERE + 1;
    size_t rec = 0;
    for (size_t at = 8; at < 4 + L; at += 4)
        if ((j[at] << 8 | j[at + 1]) == here_byte) rec = at;
    ASSERT_NE(rec, 0u);
    j[rec + 2] = 0x7F;  // undone, HERE would be 0x7F2C
    put32(j, 4 + L, region_sum(get32(read_file("jour.orv"), SUM_AT), j.data() + 4, int(L)));
    write_file("jour.orh", j);
    fill_image(2);
    EXPECT_EQ(restore_from("jour"), 0);
    EXPECT_EQ(value[KV_HERE], 556);
    EXPECT_EQ(dptr, 4);
    EXPECT_EQ(edptr, 4);
}

// Each kind of value and location a journal can spoil, three commands back
// (other commands touching other values between): the journal is dropped
// when undo would reach a state the game cannot be in, kept when not.
TEST_F(Save, JournalsAreCheckedAtEveryCommandTheyReach) {
    constexpr int LOC = 14288;  // the location region in the image
    const struct {
        const char *what;
        int at;  // the field's offset in the image
        int32_t before;
        bool kept;
    } cases[] = {
        {"HERE an object", 4 * KV_HERE, 50, false},
        {"THERE past the places", 4 * KV_THERE, LAST_PLACE + 1, false},
        {"THERE 0", 4 * KV_THERE, 0, true},
        {"a location that is an object", LOC + 4 * 40, 3, false},
        {"a location nowhere", LOC + 4 * 40, 0, true},
        {"a state past the limit", 4 * 20, STATE_LIMIT + 1, false},
        {"a counter past the limit", 4 * 1250, -VALUE_LIMIT - 1, false},
        {"a counter at the limit", 4 * 1250, VALUE_LIMIT, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        fill_image(1);
        value[KV_ARG1] = 750;
        value[KV_ARG2] = -1;
        unsigned char *img = image_bytes(IMAGE);
        std::memcpy(img + c.at, &c.before, 4);
        free(diffs);
        diffs = nullptr;
        save_changes();  // the reference: the state with the field as `before`
        const bool place = c.at >= LOC || c.at == 4 * KV_HERE || c.at == 4 * KV_THERE;
        const int32_t fine = place ? FIRST_PLACE + 2 : 7;  // the state saved
        std::memcpy(img + c.at, &fine, 4);
        save_changes();
        for (int k = 0; k < 2; k++) {
            value[1300 + k] += 1;
            save_changes();
        }
        std::filesystem::remove("jour.orv");
        ASSERT_EQ(save_as("jour"), 0);
        fill_image(2);
        free(diffs);
        diffs = nullptr;
        EXPECT_EQ(restore_from("jour"), 0);
        EXPECT_EQ(diffs != nullptr && dptr > 4, c.kept);
    }
}

// After a failed restore the game's undo-restore brings back the game being
// played, not the one from before an earlier restore.
TEST_F(Save, FailedRestoreLeavesTheCurrentGameInSnapshotTwo) {
    fill_image(1);
    ASSERT_EQ(save_as("good"), 0);
    std::vector<unsigned char> good = read_file("good.orv");
    fill_image(2);
    ASSERT_EQ(restore_from("good"), 0);  // snapshot 2: game 2
    for (int result : {4, 2}) {
        std::vector<unsigned char> bad = good;
        if (result == 4)
            bad[7] = '9';
        else
            bad[IMAGE_AT + 5] ^= 1;
        write_file("bad.orv", bad);
        fill_image(3 + unsigned(result));
        command("bad");
        std::vector<unsigned char> playing = live_bytes();
        ASSERT_EQ(run(SPECIAL_RESTORE), result);
        value[1200] ^= 0x55;  // the game's own handling changes things
        EXPECT_EQ(run(SPECIAL_UNDO_RESTORE, 9), 0);
        EXPECT_EQ(live_bytes(), playing) << result;
    }
}

// A file of an older layout: fewer objects, places, words, variables and
// texts, a 4-byte time field; each class lands at its place in the current
// layout and what the file lacks is 0.
TEST_F(Save, OlderLayoutMapsClassByClass) {
    const int32_t O = 100, P = 500, W = 900, T = 1000, V = 2000;
    const int32_t lay[6] = {3, O, P, W, T, V};
    std::vector<unsigned char> vals(size_t(V) * 4), locs(size_t(O + 1) * 4), ob(size_t(O - 2) * 4),
        pb(size_t(P - O) * 4), vb(size_t(T - P) * 2);
    std::vector<int32_t> fv(static_cast<size_t>(V));
    for (int32_t i = 0; i < V; i++) {
        fv[size_t(i)] = i == 0 ? -1 : i <= O ? 1000 + i : 100000 + i;  // objects' states kept small
        if (i == W + 1 + (KV_HERE - FIRST_VARIABLE) || i == W + 1 + (KV_THERE - FIRST_VARIABLE))
            fv[size_t(i)] = 300 + (i & 1);  // HERE and THERE are places
        for (int b = 0; b < 4; b++) vals[size_t(i) * 4 + size_t(b)] = (unsigned char)(uint32_t(fv[size_t(i)]) >> (8 * b));
    }
    for (int32_t i = 0; i <= O; i++) locs[size_t(i) * 4] = (unsigned char)(i + 1);  // places 256 and on
    for (int32_t i = 0; i <= O; i++) locs[size_t(i) * 4 + 1] = 1;
    for (size_t i = 0; i < ob.size(); i++) ob[i] = (unsigned char)(i * 7 + 1);
    for (size_t i = 0; i < pb.size(); i++) pb[i] = (unsigned char)(i * 5 + 3);
    for (size_t i = 0; i < vb.size(); i++) vb[i] = (unsigned char)(i * 3 + 2);
    const int64_t when = int64_t(time(nullptr)) - 120;
    write_file("old.orv", build_file(lay, 4, when, {vals, locs, ob, pb, vb}, "Zendry 4.2, 01 Feb 2029"));

    // A journal beside an older game cannot apply to this layout.
    fill_image(5);
    value[KV_ARG1] = 750;
    value[KV_ARG2] = -1;
    save_changes();
    value[3000] ^= 1;
    save_changes();
    write_file("old.orh", {8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4, 0, 0, 0});

    ASSERT_EQ(restore_from("old"), 0);
    auto expect_values = [&](int to, int from, int count) {
        for (int i = 0; i < count; i++) ASSERT_EQ(value[to + i], fv[size_t(from + i)]) << to + i;
    };
    expect_values(0, 0, O + 1);
    expect_values(FIRST_PLACE, O + 1, P - O);
    expect_values(FIRST_WORD, P + 1, W - P);
    expect_values(FIRST_VARIABLE, W + 1, T - 1 - W);
    expect_values(FIRST_TEXT, T, V - T);
    for (int i = O + 1; i < FIRST_PLACE; i++) EXPECT_EQ(value[i], 0);
    for (int i = FIRST_PLACE + (P - O); i < FIRST_WORD; i++) EXPECT_EQ(value[i], 0);
    for (int i = FIRST_TEXT + (V - T); i < NVALUES; i++) EXPECT_EQ(value[i], 0);
    for (int i = 0; i <= LAST_OBJECT; i++) EXPECT_EQ(location[i], i <= O ? 256 + i + 1 : 0);
    const unsigned char *obp = reinterpret_cast<const unsigned char *>(objbits);
    EXPECT_TRUE(std::equal(ob.begin(), ob.end(), obp));
    EXPECT_EQ(obp[ob.size()], 0);
    const unsigned char *pbp = reinterpret_cast<const unsigned char *>(placebits);
    EXPECT_TRUE(std::equal(pb.begin(), pb.end(), pbp));
    const unsigned char *vbp = reinterpret_cast<const unsigned char *>(varbits);
    EXPECT_TRUE(std::equal(vb.begin(), vb.begin() + (W - P) * 2, vbp));
    EXPECT_TRUE(std::equal(vb.begin() + (W - P) * 2, vb.end(), vbp + (FIRST_VARIABLE - FIRST_WORD) * 2));
    EXPECT_EQ(varbits[W - P], 0);
    EXPECT_EQ(game_time, when);
    EXPECT_EQ(dptr, 4);  // the journal was emptied and the file's ignored
}

// The undo journal is written beside the saved game and read back with it.
TEST_F(Save, JournalSurvivesSaveAndRestore) {
    fill_image(1);
    value[KV_ARG1] = 750;
    value[KV_ARG2] = -1;
    save_changes();
    const int32_t first = value[3000];
    value[3000] = 11;
    save_changes();
    value[3001] = 22;
    location[10] = 250;
    save_changes();
    command("1");
    undo();
    ASSERT_EQ(value[KV_UNDO_RESULT], 1);
    const std::vector<unsigned char> journal(diffs, diffs + dptr);
    const int cursor = edptr, limit = dptr;
    ASSERT_LT(cursor, limit);
    ASSERT_EQ(save_as("jour"), 0);
    ASSERT_TRUE(exists("jour.orh"));

    forget_journal();
    fill_image(2);
    ASSERT_EQ(restore_from("jour"), 0);
    ASSERT_NE(diffs, nullptr);
    EXPECT_EQ(std::vector<unsigned char>(diffs, diffs + dptr), journal);
    EXPECT_EQ(edptr, cursor);
    EXPECT_EQ(dptr, limit);
    EXPECT_EQ(diffsz % 8192, 0);
    command("1");
    redo();
    EXPECT_EQ(value[KV_UNDO_RESULT], 1);
    EXPECT_EQ(value[3001], 22);
    EXPECT_EQ(location[10], 250);
    command("all");
    value[KV_ARG2] = 3;
    undo();
    EXPECT_EQ(value[KV_UNDO_RESULT], 2);
    EXPECT_EQ(value[3000], first);
}

TEST_F(Save, DamagedJournalIsDroppedAndTheGameRestored) {
    fill_image(1);
    value[KV_ARG1] = 750;
    value[KV_ARG2] = -1;
    save_changes();
    for (int k = 0; k < 3; k++) {
        value[3000 + k] = 40 + k;
        save_changes();
    }
    ASSERT_EQ(save_as("jour"), 0);
    const std::vector<unsigned char> good = read_file("jour.orh");
    const std::vector<unsigned char> game = read_file("jour.orv");
    const uint32_t game_sum = get32(game, SUM_AT);
    const uint32_t L = get32(good, 0);
    // Rewrites the body's checksum so that only the structural checks can
    // catch the damage.
    auto resum = [&](std::vector<unsigned char> f) {
        uint32_t len = get32(f, 0);
        if (len + 12 <= f.size()) put32(f, 4 + len, region_sum(game_sum, f.data() + 4, int(len)));
        return f;
    };
    auto with = [&](size_t at, uint32_t v, bool fix) {
        std::vector<unsigned char> f = good;
        put32(f, at, v);
        return fix ? resum(f) : f;
    };
    auto byte = [&](size_t at, unsigned char v) {
        std::vector<unsigned char> f = good;
        f[at] = v;
        return resum(f);
    };
    struct {
        const char *what;
        std::vector<unsigned char> file;
    } cases[] = {
        {"flipped body byte", [&] {
             std::vector<unsigned char> f = good;
             f[9] ^= 1;
             return f;
         }()},
        {"truncated", std::vector<unsigned char>(good.begin(), good.end() - 6)},
        {"cursor past the end", with(8 + L, L + 4, false)},
        {"cursor inside a record", with(8 + L, 10, false)},
        {"cursor before the head", with(8 + L, 0, false)},
        {"huge length", with(0, 0x7FFFFFF0u, false)},
        {"length not whole records", with(0, L - 2, false)},
        {"record offset past the image", byte(8, 0xFF)},
        {"head not zero", byte(4, 1)},
        {"no final terminator", [&] {
             std::vector<unsigned char> f = good;
             f.erase(f.begin() + 4 + long(L) - 4, f.begin() + 4 + long(L));
             put32(f, 0, L - 4);
             return resum(f);
         }()},
    };
    for (auto &c : cases) {
        write_file("jour.orh", c.file);
        save_changes();  // some journal in memory, to be emptied
        value[3100] ^= 3;
        save_changes();
        fill_image(9);
        EXPECT_EQ(restore_from("jour"), 0) << c.what;
        EXPECT_EQ(value[3002], 42) << c.what;
        EXPECT_EQ(dptr, 4) << c.what;
        EXPECT_EQ(edptr, 4) << c.what;
    }
}

TEST_F(Save, AutosaveOverwritesAndResumes) {
    int32_t v = 1234;
    special(SPECIAL_AUTORESTORE, &v);
    EXPECT_EQ(v, 1234);  // no autosave: nothing happens

    fill_image(1);
    ASSERT_EQ(run(SPECIAL_AUTOSAVE), 0);
    fill_image(2);
    strcpy(arg2_word, "lamp");
    ASSERT_EQ(run(SPECIAL_AUTOSAVE), 0);  // over the previous one
    EXPECT_STREQ(arg2_word, "lamp");      // the player's word stays
    std::vector<unsigned char> saved = live_bytes();
    fill_image(3);
    special(SPECIAL_AUTORESTORE, &value[0]);
    EXPECT_EQ(value[0], 999);
    std::vector<unsigned char> back = live_bytes();
    EXPECT_TRUE(std::equal(back.begin() + 4, back.end(), saved.begin() + 4));
    EXPECT_STREQ(arg2_word, "_zendry");
}

// A write that fails reports failure and the previous copy stays whole (the
// autosave's own failures: autosave_test.cpp).
TEST_F(Save, FailedWritesKeepThePreviousCopy) {
    fill_image(1);
    ASSERT_EQ(mkdir("blocked.orv.tmp", 0755), 0);  // the temporary file cannot be made
    EXPECT_EQ(save_as("blocked"), 1);
    EXPECT_FALSE(exists("blocked.orv"));

    ASSERT_EQ(set_pdata(2, 7), 1);
    ASSERT_EQ(mkdir("_zendry.orp.tmp", 0755), 0);
    EXPECT_EQ(set_pdata(1, 9), 0);
    EXPECT_EQ(get_pdata(1), 0);
    EXPECT_EQ(get_pdata(2), 7);
}

TEST_F(Save, StartRestoreAsksItsQuestion) {
    fill_image(1);
    ASSERT_EQ(run(SPECIAL_AUTOSAVE), 0);
    fill_image(2);
    value[KV_QUESTION] = 0;
    EXPECT_EQ(run(SPECIAL_START_RESTORE, 77), 0);
    EXPECT_EQ(value[KV_QUESTION], 2);
    ASSERT_EQ(remove("_zendry.orv"), 0);
    EXPECT_EQ(run(SPECIAL_START_RESTORE, 77), 77);  // interactive run: no file, no result
}

TEST(SaveDeath, StartRestoreOfAMissingFileEndsTheOneCommandRun) {
    char tmpl[] = "/tmp/persist_test_XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    EXPECT_EXIT(
        {
            chdir(tmpl);
            mode = MODE_RESTORE_STOP;
            static char name[] = "nothing";
            autoname = name;
            int32_t v = 0;
            special(SPECIAL_START_RESTORE, &v);
            exit(3);  // not reached
        },
        ::testing::ExitedWithCode(255), "");
    std::filesystem::remove_all(tmpl);
}

// The early-restore question of the game is asked when the restored game
// was saved less than 5 minutes before; the count is the minutes since the
// save, plus 1, whatever the width of the file's time field.
TEST_F(Save, PlayMinutesCountFromTheSave) {
    fill_image(1);
    value[0] = -1;
    const int64_t now = int64_t(time(nullptr));
    struct {
        int width;
        int64_t age;
        int minutes;
    } cases[] = {{8, 600, 11}, {8, 30, 1}, {4, 150, 3}, {4, 3600, 61}, {8, -400, 1}};
    for (const auto &c : cases) {
        write_file("timed.orv", build_file(GAME_LAYOUT, c.width, now - c.age, live_regions()));
        ASSERT_EQ(restore_from("timed"), 0) << c.width << " " << c.age;
        int m = run(SPECIAL_PLAY_MINUTES);
        EXPECT_GE(m, c.minutes) << c.width << " " << c.age;
        EXPECT_LE(m, c.minutes + 1) << c.width << " " << c.age;
    }
}

TEST_F(Save, PersistentDataTable) {
    EXPECT_EQ(get_pdata(0), -1);  // no file
    EXPECT_EQ(run(SPECIAL_PDATA_GET, 3), -1);
    EXPECT_EQ(get_pdata(-1), 1);
    write_file("_zendry.orp", {9, 8});
    int32_t five = 5;
    special(SPECIAL_PDATA_SET, &five);
    EXPECT_EQ(five, 5);
    EXPECT_EQ(read_file("_zendry.orp"), (std::vector<unsigned char>{9, 8, 0, 0, 0, 1}));
    int32_t zero = 0;
    special(SPECIAL_PDATA_CLEAR, &zero);
    EXPECT_EQ(read_file("_zendry.orp"), (std::vector<unsigned char>{0, 8, 0, 0, 0, 1}));
    EXPECT_EQ(set_pdata(1, 0x1FF), 1);  // the low byte
    struct {
        int offset, byte;
    } reads[] = {{0, 0}, {1, 255}, {2, 0}, {5, 1}, {6, -1}, {1000, -1}, {-3, 1}};
    for (const auto &r : reads) EXPECT_EQ(run(SPECIAL_PDATA_GET, r.offset), r.byte) << r.offset;
    EXPECT_EQ(set_pdata(-1, 1), 0);
    EXPECT_EQ(set_pdata(1 << 20, 1), 0);
    // A file larger than the game ever writes is never cut short.
    std::vector<unsigned char> big((1 << 20) + 5, 4);
    write_file("_zendry.orp", big);
    EXPECT_EQ(set_pdata(0, 1), 0);
    EXPECT_EQ(read_file("_zendry.orp"), big);
}

// A program killed at any moment while it writes the persistent data leaves
// the file as it was before that write or as it is after it, never cut
// short or mixed; the temporary file it may leave is read by nothing and
// written over by the next write. Write k sets byte k to k & 0xFF, so every
// whole file holds 0, 1, 2, ... up to its length.
TEST_F(Save, PersistentDataKilledAtAnyMomentIsOldOrNew) {
    auto whole = [](const std::vector<unsigned char> &f) {
        for (size_t j = 0; j < f.size(); j++)
            if (f[j] != (unsigned char)(j & 0xFF)) return false;
        return true;
    };
    std::mt19937 pick(29);
    for (int round = 0; round < 20; round++) {
        const size_t had = read_file("_zendry.orp").size();
        int started[2];
        ASSERT_EQ(pipe(started), 0);
        pid_t pid = fork();
        if (pid == 0) {
            for (int k = int(had); k < 60000; k++) {
                set_pdata(k, k & 0xFF);
                if (k == int(had)) (void)!write(started[1], "w", 1);  // one write done: kill from here on
            }
            _exit(0);
        }
        close(started[1]);
        char c;
        (void)!read(started[0], &c, 1);
        close(started[0]);
        std::this_thread::sleep_for(std::chrono::microseconds(pick() % 5000));
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        const std::vector<unsigned char> f = read_file("_zendry.orp");
        ASSERT_TRUE(whole(f)) << "round " << round << ": " << f.size() << " bytes";
        ASSERT_GT(f.size(), had) << "round " << round;  // a write done is never lost
        EXPECT_EQ(get_pdata(int(f.size()) - 1), int((f.size() - 1) & 0xFF));
    }
}

}  // namespace

// A saved game and the autosave's copies are made readable by
// the player alone, whatever the process's umask lets through.
TEST_F(Save, FilesMadeDuringPlayAreThePlayersAlone) {
    const mode_t old = umask(022);
    fill_image(1);
    ASSERT_EQ(save_as("alpha"), 0);
    fill_image(2);
    ASSERT_EQ(autosave(), 0);
    umask(old);
    for (const char *name : {"alpha.orv", "_zendry.orv"}) {
        struct stat st;
        ASSERT_EQ(stat(name, &st), 0) << name;
        EXPECT_EQ(st.st_mode & 0777, 0600u) << name;
    }
}
