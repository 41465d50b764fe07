// The state dump: its section filter, the line of each kind of entity, and
// where it is written.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "input.h"
#include "state.h"
#include "text.h"

namespace {

class Dump : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(set_title(), 0);
        kernel_reset();
    }
    void TearDown() override {
        log_file = nullptr;
        zap_text();
    }
    // The dump as written to a log, split into lines.
    std::vector<std::string> dump() {
        char *data = nullptr;
        size_t size = 0;
        log_file = open_memstream(&data, &size);
        show_data();
        fclose(log_file);
        log_file = nullptr;
        std::vector<std::string> lines;
        std::istringstream in(std::string(data, size));
        for (std::string l; std::getline(in, l);) lines.push_back(l);
        free(data);
        return lines;
    }
    static std::string line_of(const std::vector<std::string> &lines, int r) {
        char head[8];
        snprintf(head, sizeof head, "%4d ", r);
        for (const std::string &l : lines)
            if (l.compare(0, 5, head) == 0) return l;
        return "(missing)";
    }
    static std::string bits(std::initializer_list<int> set, int n) {
        std::string s(size_t(n), '0');
        for (int b : set) s[size_t(b)] = '1';
        return "    " + s;
    }
};

TEST_F(Dump, SecondWordChoosesTheSection) {
    struct Case {
        int status;
        const char *word;
        std::vector<std::string> headers;
        size_t lines;
    } cases[] = {
        {1, "pl", {"OBJECTS", "PLACES", "WORDS", "VARIABLES", "TEXTS"}, 3569 + 5},  // one word: no filter
        {2, "pl", {"PLACES"}, 509 + 1},
        {2, "loc", {"PLACES"}, 509 + 1},
        {2, "o", {"OBJECTS"}, 192 + 1},
        {2, "v", {"VARIABLES"}, 120 + 1},
        {2, "t", {"TEXTS"}, 2308 + 1},
        {2, "xyz", {"OBJECTS", "PLACES", "WORDS", "VARIABLES", "TEXTS"}, 3569 + 5},
    };
    for (const Case &c : cases) {
        value[KV_COMMAND_STATUS] = c.status;
        strcpy(arg2_word, c.word);
        std::vector<std::string> lines = dump();
        std::vector<std::string> headers;
        for (const std::string &l : lines)
            if (l.compare(0, 17, "=================") == 0) headers.push_back(l.substr(18, l.size() - 36));
        EXPECT_EQ(headers, c.headers) << c.word;
        EXPECT_EQ(lines.size(), c.lines) << c.word;
    }
}

TEST_F(Dump, LinesOfEachKind) {
    value[5] = 3;
    location[5] = K_CARRIED;
    bitmod('s', 5, 5);
    bitmod('s', 5, 20);
    value[195] = 2;
    value[1150] = 9;
    bitmod('s', 1150, 3);
    *bitword(1151) = ref_mark;
    value[1151] = 190;
    *bitword(1152) = ref_mark;
    value[1152] = -1;
    value[2002] = 1;
    unsigned char kind = text_info[(2004 - FIRST_TEXT) * 2];
    tie(2004, 1150);
    std::vector<std::string> lines = dump();
    text_info[(2004 - FIRST_TEXT) * 2] = kind;

    const std::string pad(24, ' ');
    EXPECT_EQ(line_of(lines, 5), "   5     3" + bits({0, 5, 20}, 32) + " at  703 ");
    EXPECT_EQ(line_of(lines, 195), " 195     2" + bits({1}, 32));
    EXPECT_EQ(line_of(lines, 704), " 704 ");
    EXPECT_EQ(line_of(lines, 1150), "1150 " + pad + "    9" + bits({3}, 16));
    EXPECT_EQ(line_of(lines, 1151), "1151 " + pad + "  190 => ");
    EXPECT_EQ(line_of(lines, 1152), "1152 " + pad + "   -1    " + std::string(16, '1'));
    EXPECT_EQ(line_of(lines, 2000), "2000 " + pad + "    0");
    EXPECT_EQ(line_of(lines, 2001), "2001 " + pad + "    0 random");
    EXPECT_EQ(line_of(lines, 2002), "2002 " + pad + "    1 incremental");
    EXPECT_EQ(line_of(lines, 2003), "2003 " + pad + "    0 cyclic");
    EXPECT_EQ(line_of(lines, 2004), "2004 " + pad + "    9 tied to 1150 ");
}

TEST_F(Dump, WithoutALogItGoesToTheStandardError) {
    fflush(stderr);
    int saved = dup(2);
    FILE *err = tmpfile();
    dup2(fileno(err), 2);
    show_data();
    fflush(stderr);
    dup2(saved, 2);
    close(saved);
    long size = ftell(err);
    fseek(err, 0, SEEK_SET);
    std::string got(size_t(size > 0 ? size : 0), '\0');
    EXPECT_EQ(fread(got.data(), 1, got.size(), err), got.size());
    fclose(err);
    EXPECT_EQ(got.rfind("================= OBJECTS =================\n   3 ", 0), 0u);
    EXPECT_EQ(text_len, 0) << "nothing said to the player";
}

}  // namespace
