// Shared set-up of the saving, undo and listing tests: each test runs in a
// fresh directory of its own with a cleared state image, an empty journal
// and empty pending output.
#pragma once

#include "input.h"
#include "persist.h"
#include "startup.h"
#include "state.h"
#include "text.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

namespace persist_test {

inline std::vector<unsigned char> read_file(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void write_file(const std::string &path, const std::vector<unsigned char> &bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
}

inline bool exists(const std::string &path) { return std::filesystem::exists(path); }

inline std::string pending() { return text_buf ? std::string(text_buf) : std::string(); }

// The image as bytes, for comparisons.
inline std::vector<unsigned char> live_bytes() {
    unsigned char *p = image_bytes(IMAGE);
    return std::vector<unsigned char>(p, p + IMAGE_SIZE);
}

// A varied state: every byte of the image set from a small generator, then
// kept to what the game can be in (HERE and THERE places, every location 0
// or a place, values within STATE_LIMIT and VALUE_LIMIT), as restores
// require.
inline void fill_image(unsigned seed) {
    unsigned char *p = image_bytes(IMAGE);
    for (int i = 0; i < IMAGE_SIZE; i++) {
        seed = seed * 1103515245u + 12345u;
        p[i] = (unsigned char)(seed >> 16);
    }
    const auto place = [](int32_t v) { return FIRST_PLACE + int32_t(uint32_t(v) % (LAST_PLACE - FIRST_PLACE + 1)); };
    for (int r = 1; r < NVALUES; r++) value[r] %= r <= LAST_OBJECT ? STATE_LIMIT : VALUE_LIMIT;
    value[KV_HERE] = place(value[KV_HERE]);
    value[KV_THERE] = place(value[KV_THERE]);
    for (int i = 0; i <= LAST_OBJECT; i++) location[i] = location[i] % 4 == 0 ? 0 : place(location[i]);
    value[KV_UNDO_RESULT] = 0;  // the journal is on
    value[KV_QUESTION] = 0;
}

// The command "verb name" as the command reader leaves it.
inline void command(const char *second) {
    value[KV_COMMAND_STATUS] = second ? 2 : 1;
    value[KV_ARG2] = second ? 0 : -1;
    snprintf(arg2_word, WORD_SIZE, "%s", second ? second : "");
    long_word[0] = 0;
}

inline void forget_journal() {
    free(diffs);
    diffs = nullptr;
    diffsz = dptr = edptr = 0;
}

class InTempDir : public ::testing::Test {
protected:
    std::string start, dir;

    void SetUp() override {
        start = std::filesystem::current_path().string();
        char tmpl[] = "/tmp/persist_test_XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir = tmpl;
        ASSERT_EQ(chdir(dir.c_str()), 0);
        snprintf(truname, sizeof truname, "_%s", GAME_NAME);
        autoname = truname;
        kernel_reset();
        forget_autosave_files();  // files a test before kept open are no longer the autosave's
        mode = MODE_CONSOLE;
        forget_journal();
    }

    void TearDown() override {
        chdir(start.c_str());
        std::filesystem::remove_all(dir);
        forget_journal();
        zap_text();
    }
};

// The extension ("orl" or "orv") of the newer of the two autosave copies
// whose names begin with `stem`: the one whose trailer counts more
// autosaves (a copy too short for a trailer counts none).
inline std::string newer_autosave_copy(const std::string &stem) {
    auto count = [](const std::vector<unsigned char> &f) {
        return f.size() >= size_t(SAVE_BYTES) + 16 ? get32(f.data() + SAVE_BYTES + 12) : 0u;
    };
    return count(read_file(stem + ".orl")) > count(read_file(stem + ".orv")) ? "orl" : "orv";
}

}  // namespace persist_test
