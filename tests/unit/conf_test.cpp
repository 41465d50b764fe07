// The configuration file: tokenising, the keys and their limits, the first
// value stored winning, the defaults, the file search, the command line's
// precedence, the default file's exact bytes, and the clamped conversion.
#include "config.h"
#include "startup.h"
#include "text.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// Settings back to what start-up has before the command line is read.
void reset_settings() {
    for (char *&slot : conf) {
        free(slot);
        slot = nullptr;
    }
    mode = MODE_BROWSER;
    dump_name = nullptr;
    com_name = nullptr;
    log_path[0] = 0;
    extcom[0] = 0;
    end_pause = 1;
    justify = 0;
    compact[0] = 'N';
    compact[1] = 0;
    compress = 0;
    cps = 0;
    Linlen = 80;
    Screen = 24;
    Margin = 1;
    Maxlen = 78;
    html_ok = 1;
    browser_timeout = 100;
}

std::string slot(int n) { return conf[n] ? conf[n] : "(unset)"; }

void write_file(const std::string &path, const std::string &text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

std::string read_file(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// Each test runs in a fresh tree: <dir>/bin holds the program (and a
// configuration file beside it), <dir>/home is HOME, <dir>/work is current.
class Conf : public ::testing::Test {
protected:
    char start[4096];
    std::string dir, program;
    const char *saved_prog = nullptr;

    void SetUp() override {
        ASSERT_TRUE(getcwd(start, sizeof start));
        char tmpl[] = "/tmp/conf_test.XXXXXX";
        ASSERT_TRUE(mkdtemp(tmpl));
        dir = tmpl;
        for (const char *sub : {"/bin", "/home", "/work", "/work/logs"})
            ASSERT_EQ(mkdir((dir + sub).c_str(), 0755), 0);
        ASSERT_EQ(chdir((dir + "/work").c_str()), 0);
        setenv("HOME", (dir + "/home").c_str(), 1);
        unsetenv("BROWSER");
        program = dir + "/bin/zendry";
        saved_prog = prog;
        prog = program.c_str();
        reset_settings();
    }
    void TearDown() override {
        reset_settings();
        prog = saved_prog;
        ASSERT_EQ(chdir(start), 0);
        std::string cmd = "rm -rf '" + dir + "'";
        ASSERT_EQ(system(cmd.c_str()), 0);
    }
    // The file beside the executable holds these lines.
    void read_lines(const std::string &text) {
        write_file(dir + "/bin/fablet.conf", text);
        read_conf();
    }
    std::vector<std::string> args;  // the arguments of the last parse, which prog points into
    std::vector<char *> argv;
    int parse(const std::vector<std::string> &list) {
        args.assign(1, program);
        args.insert(args.end(), list.begin(), list.end());
        argv.clear();
        for (std::string &s : args) argv.push_back(s.data());
        argv.push_back(nullptr);
        return parse_args(int(args.size()), argv.data());
    }
};

TEST(ClampAtol, ConvertsLikeAtoiWithinIntRange) {
    const struct {
        const char *text;
        long value;
    } cases[] = {
        {"42", 42},
        {"  -17x", -17},
        {"+5", 5},
        {"", 0},
        {"abc", 0},
        {"12.5", 12},
        {"2147483647", INT_MAX},
        {"2147483648", INT_MAX},
        {"99999999999999999999999", INT_MAX},
        {"-2147483648", INT_MIN},
        {"-99999999999999999999999", INT_MIN},
    };
    for (const auto &c : cases) EXPECT_EQ(clamp_atol(c.text), c.value) << c.text;
}

TEST(ParseLine, SplitsIntoAtMostThreeTokens) {
    const struct {
        const char *line;
        const char *t1, *t2, *t3;
    } cases[] = {
        {"  a\tb c d", "a", "b", "c"},
        {"# a b c", nullptr, nullptr, nullptr},
        {"", nullptr, nullptr, nullptr},
        {"a b # c", "a", "b", nullptr},
        {"a#b c", "a", "b", "c"},  // a "#" that ends a token starts no comment
        {"a \\#b c", "a", "#b", "c"},
        {"a \"#x y\" z", "a", "#x y", "z"},
        {"a 'b#c", "a", "b#c", nullptr},
        {"a \"\" c", "a", "", "c"},
        {"a b\n c", "a", "b", "c"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.line);
        char buf[64];
        strcpy(buf, c.line);
        char *t[3];
        parse_line(buf, &t[0], &t[1], &t[2]);
        const char *want[3] = {c.t1, c.t2, c.t3};
        for (int i = 0; i < 3; i++) {
            if (want[i])
                EXPECT_STREQ(t[i], want[i]) << i;
            else
                EXPECT_EQ(t[i], nullptr) << i;
        }
    }
}

TEST_F(Conf, StoreConfUnquotesAndKeepsTheFirstValue) {
    const struct {
        const char *text, *stored;
    } cases[] = {
        {"plain", "plain"}, {"\\#abc", "#abc"}, {"'quoted'", "quoted"}, {"'open", "open"}, {"'", ""},
    };
    for (const auto &c : cases) {
        reset_settings();
        store_conf(CONF_TEXT, c.text);
        store_conf(CONF_TEXT, "second");
        EXPECT_EQ(slot(CONF_TEXT), c.stored) << c.text;
    }
}

struct LineCase {
    std::string lines;
    std::function<void()> check;
};

TEST_F(Conf, LineTable) {
    const std::vector<LineCase> cases = {
        // Limits, and values that leave the default in place.
        {"LAYOUT MARGIN 9\n", [] {
             EXPECT_EQ(Margin, 5);
             EXPECT_EQ(slot(CONF_MARGIN), "5");
             EXPECT_EQ(Maxlen, 70);
         }},
        {"LAYOUT WIDTH 20\n", [] {
             EXPECT_EQ(Linlen, 30);
             EXPECT_EQ(Maxlen, 28);
         }},
        {"LAYOUT HEIGHT 0\nLAYOUT HEIGHT -3\nLAYOUT MARGIN x\n", [] {
             EXPECT_EQ(slot(CONF_HEIGHT), "24");
             EXPECT_EQ(slot(CONF_MARGIN), "1");
         }},
        {"LAYOUT MARGIN 0\n", [] { EXPECT_EQ(Margin, 0); }},
        {"SHOW WIDTH 300\nSHOW HISTORY 5000\n", [] {
             EXPECT_EQ(slot(CONF_WIDTH), "500");
             EXPECT_EQ(slot(CONF_HISTORY), "2000");
         }},
        {"SHOW COMMANDS 99999999999999999999\n", [] { EXPECT_EQ(slot(CONF_HISTORY), "2000"); }},
        {"TIMEOUT KEEPALIVE 0\n", [] {
             EXPECT_EQ(slot(CONF_KEEPALIVE), "2");
             EXPECT_EQ(browser_timeout, 4);
         }},
        {"TIMEOUT KEEPALIVE 5\nTIMEOUT GRACETIME 1\nTIMEOUT INVOCATION 3\n", [] {
             EXPECT_EQ(slot(CONF_KEEPALIVE), "5");
             EXPECT_EQ(slot(CONF_GRACE), "2");
             EXPECT_EQ(slot(CONF_INVOKE), "20");
             EXPECT_EQ(browser_timeout, 7);
         }},
        {"timeout inv 45\nTIMEOUT INVENTED 60\n", [] { EXPECT_EQ(slot(CONF_INVOKE), "45"); }},
        // Upper bounds: no time-out overflows in milliseconds or in its sum,
        // and the line length is held where -s holds it.
        {"TIMEOUT KEEPALIVE 2147484\nTIMEOUT GRACETIME 2147483647\nTIMEOUT INVOCATION 99999999999\n", [] {
             EXPECT_EQ(slot(CONF_KEEPALIVE), "3600");
             EXPECT_EQ(slot(CONF_GRACE), "86400");
             EXPECT_EQ(slot(CONF_INVOKE), "3600");
             EXPECT_EQ(browser_timeout, 90000);
         }},
        {"LAYOUT WIDTH 2147483647\nLAYOUT HEIGHT 99999999\n", [] {
             EXPECT_EQ(Linlen, 32767);
             EXPECT_EQ(slot(CONF_LINELEN), "32767");
             EXPECT_EQ(Maxlen, 32765);
             EXPECT_EQ(Screen, 32767);
         }},

        // Colours: the first value wins; "#" needs a backslash or quotes.
        {"COLOUR TEXT Green\nCOLOR FG blue\n", [] { EXPECT_EQ(slot(CONF_TEXT), "green"); }},
        {"COLOUR BG #ABCDEF\n", [] { EXPECT_EQ(slot(CONF_BACKGROUND), "#d0e0ff"); }},
        {"COLOUR BG \\#ABCDEF\n", [] { EXPECT_EQ(slot(CONF_BACKGROUND), "#abcdef"); }},
        {"COLOUR SURROUND \"#123456\"  # grey\nCOLOUR DBG 'Navy'\nCOLOUR PROMPT\n", [] {
             EXPECT_EQ(slot(CONF_SURROUND), "#123456");
             EXPECT_EQ(slot(CONF_DEBUG), "navy");
             EXPECT_EQ(slot(CONF_PROMPT), "red");
         }},
        // Only colour values are taken; any other value is passed over as
        // the file's other bad values are, and a later line may still set it.
        {"COLOUR TEXT \"red;}</style><script>alert(1)</script><style>\"\nCOLOUR TEXT \"#12\"\n"
         "COLOUR TEXT '#1234567'\nCOLOUR TEXT \"#12345g\"\nCOLOUR TEXT 'red blue'\nCOLOUR TEXT \"url(x)\"\n"
         "COLOUR TEXT \"r\xc3\xa9" "d\"\n"
         "COLOUR TEXT lightgoldenrodyellowx\nCOLOUR TEXT '#abc'\n"
         "COLOUR BG \"x\\\"onload=\"\nCOLOUR BG lightgoldenrodyellow\n",
         [] {
             EXPECT_EQ(slot(CONF_TEXT), "#abc");
             EXPECT_EQ(slot(CONF_BACKGROUND), "lightgoldenrodyellow");
         }},
        {"COLOUR PROMPT \"expression(alert(1))\"\nCOLOUR DEBUG 'a<b'\n", [] {
             EXPECT_EQ(slot(CONF_PROMPT), "red");
             EXPECT_EQ(slot(CONF_DEBUG), "blue");
         }},

        // Case: SHOW is raised throughout, LAYOUT's second token is not.
        {"show border no\nshow button off\n", [] {
             EXPECT_EQ(slot(CONF_BORDER), "N");
             EXPECT_EQ(slot(CONF_BUTTON), "N");
         }},
        {"layout margin 3\nLAYOUT Width 40\n", [] {
             EXPECT_EQ(slot(CONF_MARGIN), "1");
             EXPECT_EQ(slot(CONF_LINELEN), "80");
         }},
        {"LAYOUT JUSTIFY yes\n", [] {
             EXPECT_EQ(justify, 1);
             EXPECT_EQ(slot(CONF_JUSTIFY), "Y");
         }},
        {"SHOW#BORDER NO\n", [] { EXPECT_EQ(slot(CONF_BORDER), "N"); }},
        {"SHOW BORDER # NO\nSHOW\n", [] { EXPECT_EQ(slot(CONF_BORDER), "Y"); }},
        {"SHOW BORDER maybe\nSHOW BORDER 0\n", [] { EXPECT_EQ(slot(CONF_BORDER), "N"); }},
        {"SHOW COMPACT some\n", [] {
             EXPECT_EQ(compress, 1);
             EXPECT_EQ(slot(CONF_COMPACT), "1");
         }},

        // The log.
        {"LOG NONE\nLOG APPEND\n", [] {
             EXPECT_EQ(slot(CONF_LOG), "N");
             EXPECT_STREQ(log_path, "");
         }},
        {"LOG APPEND\r\n", [] {
             EXPECT_EQ(slot(CONF_LOG), "ab+");
             EXPECT_STREQ(log_path, "zendry.log");
         }},
        {"logfile write logs\n", [] {
             EXPECT_EQ(slot(CONF_LOG), "w");
             EXPECT_STREQ(log_path, "logs/zendry.log");
         }},
        {"LOG ON logs/new.log\n", [] { EXPECT_STREQ(log_path, "logs/new.log"); }},
        {"LOG ON plain.log\n", [] { EXPECT_STREQ(log_path, "plain.log"); }},
        {"LOG ON /dev/null\n", [] {
             EXPECT_EQ(slot(CONF_LOG), "Nb+");
             EXPECT_STREQ(log_path, "");
         }},
        {"LOG OVERWRITE no/such/dir/x.log\n", [] {
             EXPECT_EQ(slot(CONF_LOG), "N");
             EXPECT_STREQ(log_path, "");
         }},
        {"LOG APPEND /dev/null/x.log\n", [] {
             EXPECT_EQ(slot(CONF_LOG), "ab+");
             EXPECT_STREQ(log_path, "");
         }},

        // The browser.
        {"BROWSER NONE\n", [] {
             EXPECT_EQ(mode, MODE_PLAIN);
             EXPECT_EQ(slot(CONF_BROWSER), "xdg-open");
         }},
        {"BROWSER DEFAULT\nBROWSER NONE\nBROWSER WINDOWS /bin/sh\n", [] {
             EXPECT_EQ(mode, MODE_BROWSER);
             EXPECT_EQ(slot(CONF_BROWSER), "xdg-open");
         }},
        {"BROWSER NONE\nBROWSER DEFAULT\n", [] { EXPECT_EQ(mode, MODE_BROWSER); }},
        {"BROWSER WINDOWS /bin/sh\n", [] { EXPECT_EQ(slot(CONF_BROWSER), "/bin/sh"); }},
        {"BROWSER WINDOWS /no/such/browser\n", [] { EXPECT_EQ(slot(CONF_BROWSER), "xdg-open"); }},
        {"BROWSER WINDOWS sh\n", [] { EXPECT_EQ(slot(CONF_BROWSER), "/bin/sh"); }},
        {"BROWSER WINDOWS $TEST_BROWSER\n", [] { EXPECT_EQ(slot(CONF_BROWSER), "/bin/sh"); }},
        {"browser none\n", [] { EXPECT_EQ(mode, MODE_BROWSER); }},

        // A last line without a line feed keeps its last character.
        {"SHOW WIDTH 800", [] { EXPECT_EQ(slot(CONF_WIDTH), "800"); }},
        // A long line is read in pieces, each a line of its own.
        {"#" + std::string(253, 'x') + "SHOW WIDTH 900\n", [] { EXPECT_EQ(slot(CONF_WIDTH), "900"); }},
    };
    std::string saved_path = getenv("PATH") ? getenv("PATH") : "";
    setenv("PATH", "/no/such/dir::/bin:/usr/bin", 1);
    setenv("TEST_BROWSER", "/bin/sh", 1);
    for (const LineCase &c : cases) {
        SCOPED_TRACE(c.lines.substr(0, 60));
        reset_settings();
        read_lines(c.lines);
        c.check();
    }
    unsetenv("TEST_BROWSER");
    setenv("PATH", saved_path.c_str(), 1);
}

TEST_F(Conf, DefaultsWithNoFile) {
    justify = 1;
    read_conf();
    const char *want[NCONF] = {"xdg-open", "#d0e0ff", "black", "red", "blue", "#222222", "Y",
                               "0",        "200",     "700",   "ab+", "Y",    "1",       "80",
                               "24",       "Y",       "20",    "2",   "2"};
    for (int i = 0; i < NCONF; i++) EXPECT_EQ(slot(i), want[i]) << "slot " << i;
    EXPECT_EQ(browser_timeout, 4);
    EXPECT_EQ(Margin, 1);
    EXPECT_EQ(Linlen, 80);
    EXPECT_EQ(Screen, 24);
    EXPECT_EQ(mode, MODE_BROWSER);

    reset_settings();
    setenv("BROWSER", "my-browser", 1);
    read_conf();
    EXPECT_EQ(slot(CONF_BROWSER), "my-browser");
    reset_settings();
    read_lines("BROWSER DEFAULT\n");
    EXPECT_EQ(slot(CONF_BROWSER), "xdg-open");
    unsetenv("BROWSER");
}

// Beside the executable, then ~/fablet, then ~/ablet, then the current
// directory; only the first file found is read.
TEST_F(Conf, SearchOrder) {
    ASSERT_EQ(mkdir((dir + "/home/fablet").c_str(), 0755), 0);
    ASSERT_EQ(mkdir((dir + "/home/ablet").c_str(), 0755), 0);
    const std::string files[] = {dir + "/bin/fablet.conf", dir + "/home/fablet/fablet.conf",
                                 dir + "/home/ablet/fablet.conf", dir + "/work/fablet.conf"};
    const char *colours[] = {"one", "two", "three", "four"};
    for (int i = 0; i < 4; i++) write_file(files[i], std::string("COLOUR TEXT ") + colours[i] + "\n");
    for (int i = 0; i < 4; i++) {
        reset_settings();
        read_conf();
        EXPECT_EQ(slot(CONF_TEXT), colours[i]);
        EXPECT_EQ(slot(CONF_PROMPT), "red");
        unlink(files[i].c_str());
    }

    // A program path without a "/" does not look beside the executable, and
    // without HOME the per-user directory is skipped.
    write_file(dir + "/bin/fablet.conf", "COLOUR TEXT one\n");
    write_file(dir + "/home/fablet/fablet.conf", "COLOUR TEXT two\n");
    write_file(dir + "/work/fablet.conf", "COLOUR TEXT four\n");
    reset_settings();
    prog = "zendry";
    unsetenv("HOME");
    read_conf();
    EXPECT_EQ(slot(CONF_TEXT), "four");
}

// What the command line sets, the file cannot change.
TEST_F(Conf, CommandLineComesFirst) {
    const struct {
        std::vector<std::string> args;
        const char *lines;
        std::function<void()> check;
    } cases[] = {
        {{"-l"}, "LOG NONE\n", [] {
             EXPECT_EQ(slot(CONF_LOG), "ab+");
             EXPECT_STREQ(log_path, "zendry.log");
         }},
        {{"-C"}, "BROWSER NONE\n", [] { EXPECT_EQ(mode, MODE_CONSOLE); }},
        {{"-C"}, "BROWSER DEFAULT\n", [] { EXPECT_EQ(mode, MODE_CONSOLE); }},
        {{"-B/bin/sh"}, "BROWSER WINDOWS /bin/ls\n", [] { EXPECT_EQ(slot(CONF_BROWSER), "/bin/sh"); }},
        {{"-s100.30.2"}, "LAYOUT WIDTH 60\nLAYOUT HEIGHT 50\nLAYOUT MARGIN 4\n", [] {
             EXPECT_EQ(Linlen, 100);
             EXPECT_EQ(Screen, 30);
             EXPECT_EQ(Margin, 2);
             EXPECT_EQ(Maxlen, 96);
         }},
        {{"-j"}, "LAYOUT JUSTIFY NO\n", [] {
             EXPECT_EQ(justify, 1);
             EXPECT_EQ(slot(CONF_JUSTIFY), "Y");
         }},
        {{"-b1"}, "SHOW COMPACT all\n", [] { EXPECT_EQ(compress, 1); }},
        {{"-b1"}, "", [] { EXPECT_EQ(slot(CONF_COMPACT), "1"); }},
        {{"-b"}, "SHOW COMPACT Default\n", [] {
             EXPECT_EQ(compress, 2);
             EXPECT_EQ(slot(CONF_COMPACT), "2");
         }},
        // Width and margin are checked together once both are read: a margin
        // the final line cannot hold is narrowed to the widest -s accepts.
        {{"-s100.24.40", "-s50"}, "", [] {
             EXPECT_EQ(Linlen, 50);
             EXPECT_EQ(Margin, 16);
             EXPECT_EQ(Maxlen, 18);
             EXPECT_EQ(slot(CONF_MARGIN), "16");
         }},
        {{"-s1.24.31"}, "LAYOUT WIDTH 30\n", [] {
             EXPECT_EQ(Linlen, 30);
             EXPECT_EQ(Margin, 6);
             EXPECT_EQ(Maxlen, 18);
         }},
        {{"-s100.24.40", "-s78"}, "", [] {
             EXPECT_EQ(Margin, 30);
             EXPECT_EQ(Maxlen, 18);
         }},
        // The one-command runs keep their mode whatever BROWSER says.
        {{"-x"}, "BROWSER DEFAULT\n", [] { EXPECT_EQ(mode, MODE_RESTORE_STOP); }},
        {{"-y", "look"}, "BROWSER NONE\n", [] { EXPECT_EQ(mode, MODE_ONE_COMMAND); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.args[0] + " / " + c.lines);
        reset_settings();
        parse(c.args);
        read_lines(c.lines);
        c.check();
    }
}

// SHOW COMPACT Default keeps the level already chosen.
TEST_F(Conf, CompactDefaultKeepsLevel) {
    compress = 1;
    read_lines("SHOW COMPACT Default\n");
    EXPECT_EQ(compress, 1);
    EXPECT_EQ(slot(CONF_COMPACT), "1");
}

TEST_F(Conf, DefaultFileIsExact) {
    make_conf();
    std::string text = read_file("fablet.conf");
    std::vector<std::string> lines;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find("\r\n", pos);
        ASSERT_NE(end, std::string::npos) << "unterminated line at byte " << pos;
        lines.push_back(text.substr(pos, end - pos));
        pos = end + 2;
    }
    ASSERT_EQ(lines.size(), 66u);
    const std::vector<std::pair<int, std::string>> settings = {
        {1, "##################### Config file for Fablet games ####################"},
        {14, "   BROWSER DEFAULT               # Use my default browser"},
        {21, "   COLOUR BACKGROUND  \\#d0e0ff   # Pale blue is the default background"},
        {22, "   COLOUR TEXT           black   # Default output text colour"},
        {23, "   COLOUR PROMPT           red   # Make prompt lines red"},
        {24, "   COLOUR SURROUND    \"#222222\"  # Dark grey default for surround"},
        {34, "   SHOW BORDER   Yes             # Show the command area border"},
        {35, "   SHOW BUTTON   Yes             # Show the submit button"},
        {36, "   SHOW COMPACT  Default         # Accept whatever the game defaults to"},
        {37, "   SHOW HISTORY  200             # Show up to 200 last commands and responses"},
        {38, "   SHOW WIDTH    700             # Set display area width to 700 pixels"},
        {47, "   LOGFILE NONE                  # No logfile"},
        {54, "   TIMEOUT INVOCATION  45        # Up to 45 seconds to fully invoke browser"},
        {55, "   TIMEOUT KEEPALIVE    2        # Keep-alive pings every 2 seconds"},
        {56, "   TIMEOUT GRACETIME    2        # Grace time for delayed pings"},
        {61, "   LAYOUT JUSTIFY DEFAULT        # Accept game's default"},
        {62, "   LAYOUT MARGIN        1        # Left and right text margin"},
        {63, "   LAYOUT WIDTH        80        # Console window width in columns"},
        {64, "   LAYOUT HEIGHT       24        # Console window height in lines"},
        {65, "#"},
        {66, "############################# End of file #############################"},
    };
    std::vector<bool> fixed(67, false);
    for (const auto &[n, line] : settings) {
        EXPECT_EQ(lines[n - 1], line) << "line " << n;
        fixed[n] = true;
    }
    for (int n = 1; n <= 66; n++) {
        const std::string &line = lines[n - 1];
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "line " << n;
        if (!fixed[n]) {
            EXPECT_EQ(line.substr(0, 1), "#") << "line " << n;
        }
    }

    // Read back, it gives no log, a 45-second invocation time-out and the
    // defaults otherwise.
    write_file(dir + "/bin/fablet.conf", text);
    read_conf();
    EXPECT_EQ(slot(CONF_LOG), "N");
    EXPECT_EQ(slot(CONF_INVOKE), "45");
    EXPECT_EQ(slot(CONF_BROWSER), "xdg-open");
    EXPECT_EQ(slot(CONF_BACKGROUND), "#d0e0ff");
    EXPECT_EQ(slot(CONF_SURROUND), "#222222");
    EXPECT_EQ(slot(CONF_COMPACT), "0");
    EXPECT_EQ(slot(CONF_JUSTIFY), "N");
    EXPECT_EQ(browser_timeout, 4);
    EXPECT_EQ(mode, MODE_BROWSER);
    EXPECT_EQ(Maxlen, 78);
}

}  // namespace
