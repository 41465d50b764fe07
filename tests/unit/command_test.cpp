// The command reader driven by scripted input lines: several commands on a
// line, stand-alone and literal-next words, swaps, again, orphans, except
// lists, failure codes and empty lines; then default_to, fake, input_store,
// query and the cleaning and logging of input lines.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

#include "input.h"
#include "startup.h"
#include "state.h"
#include "text.h"

namespace {

constexpr int HERE = 195;
constexpr int TAKE = 760, DROP = 761, WAIT = 705, CALL = 723, AGAIN = 724, SAY = 730, NORTH = 745, ALL = 3,
              SWORD = 5, STONE = 7, STOVE = 8, KEY = 9;

std::deque<std::string> script;

int scripted(char *buf, int size) {
    if (script.empty()) {
        ADD_FAILURE() << "the script ran out of lines";
        std::abort();  // get_input would end the program with status 0
    }
    std::string line = script.front() + "\n";
    script.pop_front();
    std::snprintf(buf, size_t(size), "%s", line.c_str());
    return 1;
}

int again_calls = 0;
int count_again() {
    again_calls++;
    return 0;
}

struct Command {
    int arg1, arg2, status;
    std::string word1, word2;
};

void PrintTo(const Command &c, std::ostream *os) {
    *os << "(" << c.arg1 << ", " << c.arg2 << ", " << c.status << ", \"" << c.word1 << "\", \"" << c.word2 << "\")";
}
bool operator==(const Command &a, const Command &b) {
    return a.arg1 == b.arg1 && a.arg2 == b.arg2 && a.status == b.status && (a.status == 0 || a.word1 == b.word1) &&
           (a.status != 2 || a.word2 == b.word2);
}

struct Reader : ::testing::Test {
    static void SetUpTestSuite() {
        char dir[] = "/tmp/cmdtestXXXXXX";
        ASSERT_NE(mkdtemp(dir), nullptr);
        ASSERT_EQ(chdir(dir), 0);
    }
    void SetUp() override {
        ASSERT_EQ(set_title(), 0);
        kernel_reset();
        value[KV_HERE] = HERE;
        for (int obj : {SWORD, STONE, STOVE, KEY}) {
            location[obj] = HERE;
            bitmod('s', obj, 4);
        }
        mode = MODE_PLAIN;
        console_out = std::tmpfile();
        line_source = scripted;
        script.clear();
        tree_free();
        word_buf = btinit(nullptr);
        procs[AGAIN] = procs[0];
    }
    void TearDown() override {
        line_source = nullptr;
        std::fclose(console_out);
        console_out = stdout;
        command_preset(nullptr);
        if (log_file) std::fclose(log_file);
        log_file = nullptr;
    }
    Command next() {
        get_command(0);
        return {value[KV_ARG1], value[KV_ARG2], value[KV_COMMAND_STATUS], arg1_word, arg2_word};
    }
    void expect_commands(std::vector<std::string> lines, std::vector<Command> want) {
        std::string all;
        for (auto &l : lines) all += "[" + l + "]";
        script.assign(lines.begin(), lines.end());
        for (size_t i = 0; i < want.size(); i++) EXPECT_EQ(next(), want[i]) << all << " command " << i;
        EXPECT_TRUE(script.empty()) << all;
        command_preset(nullptr);
    }
};

TEST_F(Reader, CommandsFromLines) {
    struct {
        std::vector<std::string> lines;
        std::vector<Command> want;
    } cases[] = {
        // Several commands on a line.
        {{"take sword, key"}, {{TAKE, SWORD, 2, "take", "sword"}, {TAKE, KEY, 2, "take", "key"}}},
        {{"take sword; drop key"}, {{TAKE, SWORD, 2, "take", "sword"}, {DROP, KEY, 2, "drop", "key"}}},
        {{"Take the sword then drop a key"}, {{TAKE, SWORD, 2, "take", "sword"}, {DROP, KEY, 2, "drop", "key"}}},
        {{"take sword and key"}, {{TAKE, SWORD, 2, "take", "sword"}, {TAKE, KEY, 2, "take", "key"}}},
        {{",; take   sword ;;, "}, {{TAKE, SWORD, 2, "take", "sword"}}},
        // A full stop ends its command where it ends a word, and only there.
        {{"Take sword. Drop key."}, {{TAKE, SWORD, 2, "take", "sword"}, {DROP, KEY, 2, "drop", "key"}}},
        {{"take sword... drop key"}, {{TAKE, SWORD, 2, "take", "sword"}, {DROP, KEY, 2, "drop", "key"}}},
        {{"call my.sword"}, {{CALL, PARSE_UNKNOWN, 2, "call", "my.sword"}}},
        // Words that end their command.
        {{"wait sword"}, {{WAIT, -1, 1, "wait", ""}, {SWORD, -1, 1, "sword", ""}}},
        {{"n sword"}, {{NORTH, -1, 1, "north", ""}, {SWORD, -1, 1, "sword", ""}}},
        // Verb-second orders.
        {{"sword get"}, {{TAKE, SWORD, 2, "take", "sword"}}},
        {{"drop take"}, {{DROP, TAKE, 2, "drop", "take"}}},
        {{"call Sword"}, {{CALL, PARSE_UNKNOWN, 2, "call", "sword"}}},
        {{"bob call"}, {{CALL, -1, 1, "call", ""}}},
        // Failure codes drop the rest of the line; a third word is bad syntax.
        {{"take blorp; drop key", "drop key"},
         {{TAKE, PARSE_UNKNOWN, 2, "take", "blorp"}, {DROP, KEY, 2, "drop", "key"}}},
        {{"take sto, key", "wait"}, {{TAKE, PARSE_AMBIGUOUS, 2, "take", "sto"}, {WAIT, -1, 1, "wait", ""}}},
        {{"take sword key; wait", "drop key"},
         {{TAKE, PARSE_BAD_SYNTAX, PARSE_BAD_SYNTAX, "take", "sword"}, {DROP, KEY, 2, "drop", "key"}}},
        {{"take sword, red key", "wait"},
         {{TAKE, PARSE_BAD_SYNTAX, PARSE_BAD_SYNTAX, "take", "sword"}, {WAIT, -1, 1, "wait", ""}}},
        // The say word speaks the rest of its command word by word.
        {{"say sword key; wait"},
         {{SAY, SWORD, 2, "say", "sword"}, {SAY, KEY, 2, "say", "key"}, {WAIT, -1, 1, "wait", ""}}},
        // Again: the previous command of the line, else the previous line.
        {{"take sword; g"}, {{TAKE, SWORD, 2, "take", "sword"}, {TAKE, SWORD, 2, "take", "sword"}}},
        {{"drop key", "again", " ;", "again"},
         {{DROP, KEY, 2, "drop", "key"}, {DROP, KEY, 2, "drop", "key"}, {DROP, KEY, 2, "drop", "key"}}},
        {{"wait; take key; again; drop sword"},
         {{WAIT, -1, 1, "wait", ""},
          {TAKE, KEY, 2, "take", "key"},
          {TAKE, KEY, 2, "take", "key"},
          {DROP, SWORD, 2, "drop", "sword"}}},
        // Blank lines are read again while no question is pending, and so
        // are lines of separators and separator words typed in full.
        {{"", "   ", ",;", "then", "and, then;", "wait"}, {{WAIT, -1, 1, "wait", ""}}},
        // A line that gives no word but held more is one unknown word: a
        // word the corrector reads as a separator, a noise word, quotes.
        {{"thne"}, {{PARSE_UNKNOWN, -1, 1, "thne", ""}}},
        {{"the , a"}, {{PARSE_UNKNOWN, -1, 1, "the", ""}}},
        {{"'"}, {{PARSE_UNKNOWN, -1, 1, "'", ""}}},
        {{" \"\" ; '"}, {{PARSE_UNKNOWN, -1, 1, "\"\"", ""}}},
        {{"then thne", "wait"}, {{PARSE_UNKNOWN, -1, 1, "thne", ""}, {WAIT, -1, 1, "wait", ""}}},
        {{"thne wait"}, {{WAIT, -1, 1, "wait", ""}}},
        // Quotes and control bytes become blanks.
        {{"take \"sword\"", "drop\tkey", "take\x01key"},
         {{TAKE, SWORD, 2, "take", "sword"}, {DROP, KEY, 2, "drop", "key"}, {TAKE, KEY, 2, "take", "key"}}},
    };
    for (auto &c : cases) {
        raw_comline[0] = old_comline[0] = 0;
        expect_commands(c.lines, c.want);
    }
}

TEST_F(Reader, SemicolonPutsANewlineBetweenCommands) {
    script = {"take sword; drop key"};
    next();
    zap_text();
    eol_count = 0;
    next();
    EXPECT_STREQ(text_buf, "\n");
}

TEST_F(Reader, AgainCallsItsProcedureAndGivesUpOnAnEmptyHistory) {
    procs[AGAIN] = count_again;
    again_calls = 0;
    expect_commands({"take key; again"}, {{TAKE, KEY, 2, "take", "key"}, {TAKE, KEY, 2, "take", "key"}});
    EXPECT_EQ(again_calls, 1);
    // Nothing to repeat: the line is dropped and a new one read.
    old_comline[0] = raw_comline[0] = 0;
    command_preset(nullptr);
    expect_commands({"again; take sword", "wait"}, {{WAIT, -1, 1, "wait", ""}});
}

int answer_again() {
    loop = 1;  // the procedure answered the command and ended the turn
    return 0;
}

TEST_F(Reader, AgainAnsweredByItsProcedureIsNotRepeated) {
    procs[AGAIN] = answer_again;
    script = {"take key", "again sword", "drop key"};
    EXPECT_EQ(next(), (Command{TAKE, KEY, 2, "take", "key"}));
    EXPECT_EQ(loop, 0);
    // The word after "again" is kept as typed; the answer stands and the
    // previous line is not taken again.
    EXPECT_EQ(next(), (Command{AGAIN, PARSE_UNKNOWN, 2, "again", "sword"}));
    EXPECT_EQ(loop, 1);
    loop = 0;
    EXPECT_EQ(next(), (Command{DROP, KEY, 2, "drop", "key"}));
    EXPECT_TRUE(script.empty());
}

TEST_F(Reader, OrphanCompletesTheCommand) {
    script = {"take", "sword", "sword", "drop"};
    EXPECT_EQ(next(), (Command{TAKE, -1, 1, "take", ""}));
    bitmod('s', KV_COMMAND_STATUS, 5);  // the game found the object missing
    EXPECT_EQ(next(), (Command{TAKE, SWORD, 2, "take", "sword"}));
    EXPECT_FALSE(bitest(KV_COMMAND_STATUS, 5));
    EXPECT_EQ(next(), (Command{SWORD, -1, 1, "sword", ""}));
    bitmod('s', KV_COMMAND_STATUS, 5);
    EXPECT_EQ(next(), (Command{DROP, SWORD, 2, "drop", "sword"}));
}

// The kernel's reset leaves nothing of the commands read before it: no
// line for "again" to repeat.
TEST_F(Reader, AResetForgetsTheLineForAgain) {
    script = {"take key"};
    next();
    kernel_reset();
    value[KV_HERE] = HERE;
    expect_commands({"again; take sword", "wait"}, {{WAIT, -1, 1, "wait", ""}});
}

TEST_F(Reader, EmptyLineAnswersAPendingQuestion) {
    value[KV_QUESTION] = 3;
    script = {"", ",;", "wait"};
    EXPECT_EQ(next(), (Command{-1, -1, 0, "", ""}));
    EXPECT_EQ(next(), (Command{WAIT, -1, 1, "wait", ""}));  // a line of separators alone is passed over
    EXPECT_TRUE(script.empty());
}

TEST_F(Reader, ExceptListsAndTheirCodes) {
    script = {"take all except sword, key; wait"};
    value[KV_ARG3] = 0;
    EXPECT_EQ(next(), (Command{TAKE, ALL, 2, "take", "all"}));
    EXPECT_EQ(value[KV_ARG3], -1);
    ASSERT_EQ(except_count, 2);
    EXPECT_EQ(except_list[0], SWORD);
    EXPECT_EQ(except_list[1], KEY);
    EXPECT_STREQ(arg3_word, "key");
    // The ALL iteration skips them.
    default_to(1, HERE, -1);
    EXPECT_EQ(value[KV_ARG2], STONE);
    EXPECT_EQ(next(), (Command{TAKE, STOVE, 2, "take", "stove"}));
    EXPECT_EQ(next(), (Command{WAIT, -1, 1, "wait", ""}));  // no further object: the iteration ends
    EXPECT_EQ(value_all, 0);
    EXPECT_EQ(except_count, 0);

    struct {
        const char *line;
        int code, count;
    } codes[] = {
        {"take all but landing", PARSE_BAD_SYNTAX, 0},
        {"take all but blorp", PARSE_UNKNOWN, 0},
        {"take all but sto", PARSE_AMBIGUOUS, 0},
        {"take all except sword sword, sword", -1, 1},
    };
    for (auto &c : codes) {
        command_preset(nullptr);
        script = {c.line, "wait"};
        value[KV_ARG3] = 0;
        Command got = next();
        EXPECT_EQ(got.arg1, TAKE) << c.line;
        EXPECT_EQ(value[KV_ARG3], c.code) << c.line;
        EXPECT_EQ(except_count, c.count) << c.line;
    }
}

TEST_F(Reader, LongestLinesStayInBounds) {
    std::string words = "take sword";
    while (words.size() < 6000) words += ", key";
    std::string except = "take all except ";
    while (except.size() < 6000) except += "sword,";
    std::string single(5000, 'k');
    script = {words, except, single, "wait"};
    EXPECT_EQ(next(), (Command{TAKE, SWORD, 2, "take", "sword"}));
    command_preset(nullptr);
    EXPECT_EQ(next(), (Command{TAKE, ALL, 2, "take", "all"}));
    EXPECT_EQ(except_count, 1);
    command_preset(nullptr);
    Command c = next();
    EXPECT_EQ(c.arg1, PARSE_UNKNOWN);
    EXPECT_EQ(c.word1.size(), size_t(WORD_SIZE - 1));
    EXPECT_EQ(std::strlen(long_word), size_t(COMLINE_SIZE - 3));
    EXPECT_EQ(next(), (Command{WAIT, -1, 1, "wait", ""}));
}

// A long typed word is cut between two characters wherever the reader
// keeps it: the word as shown, the word exactly as typed and the word
// the game asks for verbatim.
TEST_F(Reader, LongWordsAreCutBetweenCharacters) {
    std::string e30;
    for (int i = 0; i < 30; i++) e30 += "\xC3\xA9";
    const std::string e15 = e30.substr(0, 30);
    script = {e30, "take " + e30};
    Command c = next();
    EXPECT_EQ(c.arg1, PARSE_UNKNOWN);
    EXPECT_EQ(c.word1, e15);
    EXPECT_STREQ(orig1, e15.c_str());
    command_preset(nullptr);
    c = next();
    EXPECT_EQ(c.arg1, TAKE);
    EXPECT_EQ(c.arg2, PARSE_UNKNOWN);
    EXPECT_EQ(c.word2, e15);
    EXPECT_STREQ(orig2, e15.c_str());
    EXPECT_EQ(std::string(long_word), e30);
    arg2_word[0] = 0;
    verbatim(KV_ARG2);  // the word as typed, again
    EXPECT_EQ(std::string(arg2_word), e15);
}

TEST_F(Reader, DefaultTo) {
    value[KV_COMMAND_STATUS] = 1;
    location[STONE] = location[STOVE] = location[KEY] = 300;
    default_to(0, HERE, -1);
    EXPECT_EQ(value[KV_ARG2], SWORD);
    EXPECT_STREQ(arg2_word, "sword");
    EXPECT_EQ(value[KV_COMMAND_STATUS], 2);
    EXPECT_EQ(value[166], SWORD);

    value[KV_COMMAND_STATUS] = 1;
    location[KEY] = HERE;
    default_to(0, HERE, -1);
    EXPECT_EQ(value[KV_ARG2], PARSE_AMBIGUOUS);
    value[KV_COMMAND_STATUS] = 1;
    bitmod('s', KEY, 9);
    default_to(0, HERE, 9);  // only the key has flag 9
    EXPECT_EQ(value[KV_ARG2], KEY);
    value[KV_COMMAND_STATUS] = 1;
    default_to(0, 250, -1);
    EXPECT_EQ(value[KV_ARG2], 0);
    value[KV_COMMAND_STATUS] = 2;
    value[KV_ARG2] = 77;
    default_to(0, HERE, -1);  // a two-word command is left alone
    EXPECT_EQ(value[KV_ARG2], 77);

    // An object in two places is found from the second as well.
    bitmod('s', STONE, 6);
    location[STONE] = 299;
    value[KV_COMMAND_STATUS] = 1;
    location[SWORD] = location[KEY] = location[STOVE] = 0;
    default_to(0, 300, -1);
    EXPECT_EQ(value[KV_ARG2], STONE);
    value[KV_COMMAND_STATUS] = 1;
    default_to(0, K_CARRIED, -1);  // not for the carried set
    EXPECT_EQ(value[KV_ARG2], 0);

    // The ALL iteration walks the objects in order.
    location[SWORD] = location[KEY] = K_CARRIED;
    default_to(1, K_CARRIED, -1);
    EXPECT_EQ(value_all, SWORD);
    default_to(2, location_all, type_all);
    EXPECT_EQ(value_all, KEY);
    default_to(2, location_all, type_all);
    EXPECT_EQ(value_all, 0);
    EXPECT_EQ(value[KV_ARG2], 0);
}

TEST_F(Reader, FakeAndInputStore) {
    fake(1, SWORD);
    EXPECT_STREQ(arg1_word, "sword");
    fake(2, AGAIN);  // no text of its own: the vocabulary's shown form
    EXPECT_STREQ(arg2_word, "again");
    fake(2, 1143);
    EXPECT_STREQ(arg2_word, "*GLITCH*");
    fake(1, 99999);
    EXPECT_STREQ(arg1_word, "*GLITCH*");

    value[KV_COMMAND_STATUS] = 2;
    value[KV_ARG1] = TAKE;
    value[KV_ARG2] = SWORD;
    std::strcpy(arg1_word, "take");
    std::strcpy(arg2_word, "sword");
    value[1156] = 1266;
    input_store('S', &value[1156]);
    value[1156] = value[KV_COMMAND_STATUS] = value[KV_ARG1] = value[KV_ARG2] = 0;
    arg1_word[0] = arg2_word[0] = 0;
    input_store('R', &value[1156]);
    EXPECT_EQ(value[1156], 1266);
    EXPECT_EQ(value[KV_COMMAND_STATUS], 2);
    EXPECT_EQ(value[KV_ARG1], TAKE);
    EXPECT_EQ(value[KV_ARG2], SWORD);
    EXPECT_STREQ(arg1_word, "take");
    EXPECT_STREQ(arg2_word, "sword");

    value[KV_COMMAND_STATUS] = 1;
    input_store('S', &value[1156]);
    input_store('R', &value[1156]);
    EXPECT_EQ(value[KV_ARG2], -1);
    EXPECT_STREQ(arg2_word, "");
}

TEST_F(Reader, QueryAsksTwiceAtMost) {
    script = {"  yes", "No", "", "maybe", "what", "maybe", "q"};
    EXPECT_EQ(query(-1), 1);
    EXPECT_EQ(query(-1), 0);
    EXPECT_EQ(query(-1), 1);
    EXPECT_EQ(query(-1), 1);  // two answers of neither kind
    EXPECT_EQ(query(-1), 0);  // the second answer counts
    EXPECT_TRUE(script.empty());
}

TEST_F(Reader, LoggedLinesAreClean) {
    log_file = std::tmpfile();
    script = {"take\x17sword\x16\x0dkey", "drop 'key'"};
    next();
    next();
    std::rewind(log_file);
    std::string log;
    int c;
    while ((c = std::fgetc(log_file)) != EOF) log += char(c);
    EXPECT_NE(log.find("\nREPLY: take sword  key\n"), std::string::npos) << log;
    EXPECT_NE(log.find("\nREPLY: drop  key \n"), std::string::npos) << log;
    for (char ch : log) EXPECT_TRUE(ch == '\n' || (unsigned char)ch >= 0x20) << int(ch);
}

}  // namespace
