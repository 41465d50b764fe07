// Command input: replaying a command file inside the kernel (the "REPLY:"
// lines, the hand-back at "INTERACT", the echo, the browser replay's word
// feed, the autosave and transcript at a turn boundary), then whole runs of
// the fixture program: a logged session replayed with the same output, a
// command file of another version, and the end of input.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "input.h"
#include "persist.h"
#include "startup.h"
#include "state.h"
#include "text.h"

namespace {

std::string slurp(const std::string &path) {
    std::ifstream f(path, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

void spit(const std::string &path, const std::string &text) {
    std::ofstream f(path, std::ios::binary);
    f << text;
}

std::string fresh_dir() {
    char dir[] = "/tmp/inputtestXXXXXX";
    EXPECT_NE(mkdtemp(dir), nullptr);
    return dir;
}

// ---------------------------------------------------------------- in-kernel

const char *console_lines[4];
int console_next;
int from_list(char *buf, int size) {
    const char *l = console_lines[console_next];
    if (!l) {
        ADD_FAILURE() << "console read past the script";
        std::abort();
    }
    console_next++;
    std::snprintf(buf, size_t(size), "%s\n", l);
    return 1;
}

struct Input : ::testing::Test {
    std::string dir;
    char buf[COMLINE_SIZE];
    void SetUp() override {
        ASSERT_EQ(set_title(), 0);
        dir = fresh_dir();
        ASSERT_EQ(chdir(dir.c_str()), 0);
        kernel_reset();
        std::snprintf(truname, sizeof truname, "_fixture");
        autoname = truname;
        console_out = std::tmpfile();
        console_next = 0;
        line_source = from_list;
        tree_free();
        word_buf = btinit(nullptr);
    }
    void TearDown() override {
        line_source = nullptr;
        if (com_file) std::fclose(com_file);
        com_file = nullptr;
        std::fclose(console_out);
        console_out = stdout;
        zap_text();
    }
    void replay(const std::string &text) {
        spit("replay.cmd", text);
        com_file = std::fopen("replay.cmd", "rb");
        ASSERT_NE(com_file, nullptr);
    }
};

TEST_F(Input, ReplayTakesReplyLinesAndHandsBackAtTheTrailer) {
    mode = MODE_PLAIN;
    replay("You are here.\nREPLY:\nREPLY: take\x17sword\r\n ? \nREPLY: wait\nINTERACT\nREPLY: never\n");
    console_lines[0] = "live";
    console_lines[1] = nullptr;
    get_input(buf, COMLINE_SIZE - 1);
    EXPECT_STREQ(buf, "");  // a bare REPLY: is an empty line
    get_input(buf, COMLINE_SIZE - 1);
    EXPECT_STREQ(buf, " take sword");  // the blank after the colon stays
    get_input(buf, COMLINE_SIZE - 1);
    EXPECT_STREQ(buf, " wait");
    get_input(buf, COMLINE_SIZE - 1);  // the trailer: the player types again
    EXPECT_STREQ(buf, "live\n");
    EXPECT_EQ(com_file, nullptr);
}

TEST_F(Input, ReplayWithoutTrailerEndsAtEndOfFile) {
    mode = MODE_PLAIN;
    replay("Wiz: 3\nREPLY: look");
    console_lines[0] = "live";
    console_lines[1] = nullptr;
    get_input(buf, COMLINE_SIZE - 1);
    EXPECT_STREQ(buf, " look");
    get_input(buf, COMLINE_SIZE - 1);
    EXPECT_STREQ(buf, "live\n");
}

TEST_F(Input, ConsoleEchoOfAReplayedCommandIsMarkup) {
    mode = MODE_CONSOLE;
    replay("REPLY: take sword\n");
    get_input(buf, COMLINE_SIZE - 1);
    std::string expect = std::string("\x17" "br /\x16\x17" "span class=\"query\"\x16? take sword\x17/span\x16") +
                         "\x17/div\x16\n\x17" "div name=\"chunk\"\x16";
    EXPECT_EQ(std::string(text_buf), expect);
    mode = MODE_PLAIN;
}

TEST_F(Input, BrowserReplayFeedsTheWordTree) {
    mode = MODE_BROWSER;
    value[KV_HERE] = last_here = 195;
    replay("REPLY: look\nREPLY: look\n");
    outstr("A tapestry hangs here.");
    get_input(buf, COMLINE_SIZE - 1);
    EXPECT_NE(btfind(word_buf, "tapestry"), 0);
    // The player moves: the tree is emptied and only the new text fed.
    tree_reset();
    value[KV_HERE] = 196;
    outstr("A mirror.");
    get_input(buf, COMLINE_SIZE - 1);
    EXPECT_EQ(btfind(word_buf, "tapestry"), 0);
    EXPECT_NE(btfind(word_buf, "mirror"), 0);
    mode = MODE_PLAIN;
}

TEST_F(Input, AutosaveAndTranscriptOnlyAfterATurnWithOutput) {
    mode = MODE_PLAIN;
    console_lines[0] = "a";
    console_lines[1] = "b";
    console_lines[2] = "c";
    console_lines[3] = nullptr;
    outstr("abc");  // three characters: no autosave
    get_input(buf, COMLINE_SIZE - 1);
    EXPECT_NE(access("_fixture.orv", F_OK), 0);
    outstr("Enough.");
    value[KV_QUESTION] = 2;  // nor while a question is pending
    get_input(buf, COMLINE_SIZE - 1);
    EXPECT_NE(access("_fixture.orv", F_OK), 0);
    value[KV_QUESTION] = 0;
    value[KV_HERE] = value[KV_THERE] = FIRST_PLACE;  // where every game starts: a state a resume takes
    outstr("Enough.");
    get_input(buf, COMLINE_SIZE - 1);
    int32_t v = 0;
    special(SPECIAL_AUTORESTORE, &v);
    EXPECT_EQ(v, SPECIAL_AUTORESTORE);
    EXPECT_EQ(autosave_transcript(), "Enough.");
}

TEST_F(Input, LineEndsInANewlineAndPromptIsRebuilt) {
    mode = MODE_PLAIN;
    static std::string longer(5000, 'x');
    console_lines[0] = longer.c_str();
    console_lines[1] = nullptr;
    char small[12];
    Margin = 3;
    if (prompt_line) prompt_line[0] = 0;
    log_file = std::tmpfile();
    get_input(small, int(sizeof small));
    EXPECT_STREQ(small, "xxxxxxxxxx\n");
    std::rewind(log_file);
    char logged[64] = {};
    size_t n = std::fread(logged, 1, sizeof logged - 1, log_file);
    EXPECT_EQ(std::string(logged, n), "   ? \nREPLY: xxxxxxxxxx\n\n");
    std::fclose(log_file);
    log_file = nullptr;
    Margin = 1;

    // A line cut inside a character ends before that character.
    struct {
        const char *typed, *kept;
    } cuts[] = {
        {"xxxxxxxxx\xC3\xA9", "xxxxxxxxx\n"},
        {"xxxxxxxx\xC3\xA9x", "xxxxxxxx\xC3\xA9\n"},
        {"xxxxxxxx\xE2\x82\xAC", "xxxxxxxx\n"},
        {"xxxxxxx\xF0\x9F\x98\x80", "xxxxxxx\n"},
        {"xxxxxx\xF0\x9F\x98\x80x", "xxxxxx\xF0\x9F\x98\x80\n"},
    };
    for (const auto &c : cuts) {
        console_lines[0] = c.typed;
        console_lines[1] = nullptr;
        console_next = 0;
        get_input(small, int(sizeof small));
        EXPECT_STREQ(small, c.kept) << c.typed;
    }
}

// ---------------------------------------------------------------- whole runs

struct Outcome {
    int status;
    std::string out;
};

Outcome run(const std::string &home, const std::string &args, const std::string &input) {
    spit(home + "/stdin.txt", input);
    std::string cmd = "cd " + home + " && HOME=" + home + " FIXTURE_CHAIN=echo timeout 20 " FIXTURE_BIN " " + args +
                      " < " + home + "/stdin.txt > " + home + "/stdout.txt 2>&1";
    int st = std::system(cmd.c_str());
    return {WIFEXITED(st) ? WEXITSTATUS(st) : -1, slurp(home + "/stdout.txt")};
}

std::vector<std::string> lines_with(const std::string &text, const std::string &what) {
    std::vector<std::string> found;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);)
        if (l.find(what) != std::string::npos) found.push_back(l.substr(l.find(what)));
    return found;
}

TEST(Process, LoggedSessionReplaysWithTheSameOutput) {
    std::string home = fresh_dir();
    Outcome one = run(home, "-C -n -l " + home + "/one.log", "take sword\nwait\ndrop key; wait\n");
    EXPECT_EQ(one.status, 0);  // end of input
    std::string log = slurp(home + "/one.log");
    std::vector<std::string> turns = lines_with(one.out, "Turn ");
    EXPECT_EQ(turns, (std::vector<std::string>{"Turn 1: take sword", "Turn 2: wait", "Turn 3: drop key",
                                                "Turn 4: wait"}));
    EXPECT_EQ(lines_with(log, "REPLY:"),
              (std::vector<std::string>{"REPLY: take sword", "REPLY: wait", "REPLY: drop key; wait"}));
    std::string trailer = "\nINTERACT\n";
    for (int i = 0; i < 39; i++) trailer += "*-";
    trailer += "*\n";
    ASSERT_GE(log.size(), trailer.size());
    EXPECT_EQ(log.substr(log.size() - trailer.size()), trailer);

    Outcome two = run(home, "-C -c " + home + "/one.log -l " + home + "/two.log", "");
    EXPECT_EQ(two.status, 0);
    EXPECT_EQ(lines_with(two.out, "Turn "), turns);
    std::string log2 = slurp(home + "/two.log");
    EXPECT_EQ(log2.substr(0, log2.find('\n')), log.substr(0, log.find('\n')));  // the same seed
    EXPECT_EQ(lines_with(log2, "Turn "), turns);
}

TEST(Process, ReplayHandsBackToThePlayer) {
    std::string home = fresh_dir();
    spit(home + "/cmds", "Wiz: 77\nREPLY:\nOutput to pass over\nREPLY: take\x17sword\nINTERACT\nREPLY: never\n");
    Outcome r = run(home, "-C -c cmds -l " + home + "/log", "wait\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(lines_with(r.out, "Turn "), (std::vector<std::string>{"Turn 1: take sword", "Turn 2: wait"}));
    std::string log = slurp(home + "/log");
    EXPECT_EQ(log.substr(0, log.find('\n')), "Zendry 4.17, 09 Jun 2031: 77");
    EXPECT_EQ(log.find('\x17'), std::string::npos);
}

TEST(Process, CommandFileOfAnotherVersionIsRefused) {
    std::string home = fresh_dir();
    spit(home + "/old.log", "Zendry 4.16, 01 Jan 2030: 5\nREPLY: wait\n");
    Outcome r = run(home, "-C -c old.log", "wait\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("old.log: wrong questry version!\n"), std::string::npos) << r.out;
    EXPECT_TRUE(lines_with(r.out, "Turn ").empty());
    Outcome missing = run(home, "-C -c nothing.log", "wait\n");
    EXPECT_EQ(missing.status, 0);
    EXPECT_NE(missing.out.find("Sorry, unable to open command file 'nothing.log'!"), std::string::npos);
}

TEST(Process, OneCommandRunGetsItsQuotesReplaced) {
    std::string home = fresh_dir();
    Outcome r = run(home, "-l " + home + "/log -y take '\"sword\"'", "");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(lines_with(slurp(home + "/log"), "REPLY:"), (std::vector<std::string>{"REPLY:  take  sword "}));
    EXPECT_EQ(lines_with(r.out, "Turn "), (std::vector<std::string>{"Turn 1: take sword"}));
}

}  // namespace
