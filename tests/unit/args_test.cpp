// The command line: every option, bare arguments, the -s and -o conversions,
// the one-command runs, and the exact -v and -h texts.
#include "config.h"
#include "startup.h"
#include "text.h"

#include <gmock/gmock.h>
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
std::string str(const char *s) { return s ? s : "(null)"; }

class Args : public ::testing::Test {
public:
    char start[4096];
    std::string dir;  // a fresh directory, current while the test runs
    std::vector<std::string> storage;
    std::vector<char *> argv;
    int result = -1;
    const char *saved_prog = nullptr;

    void SetUp() override {
        saved_prog = prog;
        ASSERT_TRUE(getcwd(start, sizeof start));
        char tmpl[] = "/tmp/args_test.XXXXXX";
        ASSERT_TRUE(mkdtemp(tmpl));
        dir = tmpl;
        ASSERT_EQ(chdir(dir.c_str()), 0);
        ASSERT_EQ(mkdir("logs", 0755), 0);
        unsetenv("DISPLAY");
        reset_settings();
    }
    void TearDown() override {
        reset_settings();
        prog = saved_prog;
        ASSERT_EQ(chdir(start), 0);
        std::string cmd = "rm -rf '" + dir + "'";
        ASSERT_EQ(system(cmd.c_str()), 0);
    }
    int run(const std::vector<std::string> &args) {
        storage.assign(1, "/usr/games/zendry");
        storage.insert(storage.end(), args.begin(), args.end());
        argv.clear();
        for (std::string &s : storage) argv.push_back(s.data());
        argv.push_back(nullptr);
        result = parse_args(int(storage.size()), argv.data());
        return result;
    }
};

struct ArgCase {
    std::vector<std::string> args;
    std::function<void(Args &)> check;
};

TEST_F(Args, OptionTable) {
    const std::vector<ArgCase> cases = {
        // New game, saved game, command file.
        {{}, [](Args &t) {
             EXPECT_EQ(t.result, 0);
             EXPECT_EQ(mode, MODE_BROWSER);
             EXPECT_EQ(dump_name, nullptr);
             EXPECT_EQ(com_name, nullptr);
             EXPECT_STREQ(log_path, "");
             EXPECT_STREQ(compact, "N");
         }},
        {{"-n"}, [](Args &t) { EXPECT_EQ(t.result, 1); }},
        {{"game1", "mylog"}, [](Args &) {
             EXPECT_EQ(str(dump_name), "game1");
             EXPECT_STREQ(log_path, "mylog");
             EXPECT_EQ(conf[CONF_LOG], nullptr);
         }},
        {{"-r", "game1", "game2", "game3"}, [](Args &) {
             EXPECT_EQ(str(dump_name), "game1");
             EXPECT_STREQ(log_path, "game2");
         }},
        {{"-r=game1"}, [](Args &) { EXPECT_EQ(str(dump_name), "game1"); }},
        {{"-rGame1"}, [](Args &) { EXPECT_EQ(str(dump_name), "Game1"); }},
        {{"/saves/game1"}, [](Args &) { EXPECT_EQ(str(dump_name), "/saves/game1"); }},
        {{"-r"}, [](Args &) { EXPECT_EQ(dump_name, nullptr); }},
        {{"-c", "cmds.txt"}, [](Args &) { EXPECT_EQ(str(com_name), "cmds.txt"); }},
        // -c last, or before an option: no file named, yet a command file was asked for.
        {{"-c"}, [](Args &) { EXPECT_EQ(str(com_name), ""); }},
        {{"-c", "-n"}, [](Args &t) {
             EXPECT_EQ(str(com_name), "");
             EXPECT_EQ(t.result, 1);
         }},

        // Log.
        {{"-l"}, [](Args &) {
             EXPECT_STREQ(log_path, "zendry.log");
             EXPECT_EQ(slot(CONF_LOG), "ab+");
         }},
        {{"-l", "my.log"}, [](Args &t) { EXPECT_EQ(std::string(log_path), t.dir + "/my.log"); }},
        {{"--l=my.log"}, [](Args &t) { EXPECT_EQ(std::string(log_path), t.dir + "/my.log"); }},
        {{"-llogs"}, [](Args &t) { EXPECT_EQ(std::string(log_path), t.dir + "/logs/zendry.log"); }},
        {{"-l", "/var/tmp/x.log"}, [](Args &) { EXPECT_STREQ(log_path, "/var/tmp/x.log"); }},
        {{"-l", "/tmp"}, [](Args &) { EXPECT_STREQ(log_path, "/tmp/zendry.log"); }},
        {{"-l", std::string(5000, 'a')}, [](Args &) { EXPECT_EQ(strlen(log_path), 4094u); }},

        // Display.
        {{"-C"}, [](Args &) {
             EXPECT_EQ(mode, MODE_CONSOLE);
             EXPECT_EQ(html_ok, 0);
         }},
        {{"-C", "-B"}, [](Args &) {
             EXPECT_EQ(mode, MODE_BROWSER);
             EXPECT_EQ(conf[CONF_BROWSER], nullptr);
         }},
        {{"-B", "/bin/sh"}, [](Args &) { EXPECT_EQ(slot(CONF_BROWSER), "/bin/sh"); }},

        // Blank-line compaction: a flip, then the value.
        {{"-b"}, [](Args &) {
             EXPECT_STREQ(compact, "Y");
             EXPECT_EQ(compress, 2);
             EXPECT_EQ(slot(CONF_COMPACT), "2");
         }},
        {{"-bN"}, [](Args &) {
             EXPECT_EQ(compress, 0);
             EXPECT_EQ(slot(CONF_COMPACT), "0");
         }},
        {{"-b1"}, [](Args &) { EXPECT_EQ(compress, 1); }},
        {{"-ball"}, [](Args &) { EXPECT_EQ(compress, 2); }},
        {{"-b", "-b"}, [](Args &) {
             EXPECT_STREQ(compact, "N");
             EXPECT_EQ(slot(CONF_COMPACT), "2");
         }},

        // Pause before exit: -p takes no separate value.
        {{"-p"}, [](Args &) { EXPECT_EQ(end_pause, 0); }},
        {{"-p", "-p"}, [](Args &) { EXPECT_EQ(end_pause, 1); }},
        {{"-pN"}, [](Args &) { EXPECT_EQ(end_pause, 0); }},
        {{"-p0", "-pYes"}, [](Args &) { EXPECT_EQ(end_pause, 1); }},
        {{"-p", "0"}, [](Args &) {
             EXPECT_EQ(end_pause, 0);
             EXPECT_EQ(str(dump_name), "0");
         }},

        // Justification: the slot keeps the first value; console forced.
        {{"-j"}, [](Args &) {
             EXPECT_EQ(justify, 1);
             EXPECT_EQ(slot(CONF_JUSTIFY), "Y");
             EXPECT_EQ(mode, MODE_CONSOLE);
         }},
        {{"-j", "-j"}, [](Args &) {
             EXPECT_EQ(justify, 0);
             EXPECT_EQ(slot(CONF_JUSTIFY), "Y");
         }},
        {{"-j0"}, [](Args &) {
             EXPECT_EQ(justify, 0);
             EXPECT_EQ(slot(CONF_JUSTIFY), "N");
         }},
        {{"-jy", "-B"}, [](Args &) { EXPECT_EQ(mode, MODE_BROWSER); }},

        // Screen size W.H.M.
        {{"-s100.30.2"}, [](Args &) {
             EXPECT_EQ(Linlen, 100);
             EXPECT_EQ(Screen, 30);
             EXPECT_EQ(Margin, 2);
             EXPECT_EQ(Maxlen, 96);
             EXPECT_EQ(slot(CONF_LINELEN), "100");
             EXPECT_EQ(slot(CONF_HEIGHT), "30");
             EXPECT_EQ(slot(CONF_MARGIN), "2");
             EXPECT_EQ(mode, MODE_CONSOLE);
         }},
        {{"-s0"}, [](Args &) {
             EXPECT_EQ(Linlen, 32767);
             EXPECT_EQ(Screen, 24);
             EXPECT_EQ(conf[CONF_HEIGHT], nullptr);
         }},
        {{"-s10.30"}, [](Args &) {
             EXPECT_EQ(Linlen, 80);
             EXPECT_EQ(conf[CONF_LINELEN], nullptr);
             EXPECT_EQ(Screen, 30);
             EXPECT_EQ(Maxlen, 78);
         }},
        {{"-s80.24.40"}, [](Args &) {
             EXPECT_EQ(Margin, 1);
             EXPECT_EQ(conf[CONF_MARGIN], nullptr);
         }},
        {{"-s80.24.32"}, [](Args &) { EXPECT_EQ(Margin, 1); }},
        {{"-s80.24.31"}, [](Args &) {
             EXPECT_EQ(Margin, 31);
             EXPECT_EQ(Maxlen, 18);
         }},
        {{"-s", "120x40.0"}, [](Args &) {
             EXPECT_EQ(Linlen, 120);
             EXPECT_EQ(Screen, 40);
             EXPECT_EQ(Margin, 0);
             EXPECT_EQ(Maxlen, 120);
         }},
        {{"-s99999999999999999999.-5"}, [](Args &) {
             EXPECT_EQ(Linlen, 80);
             EXPECT_EQ(Screen, 24);
         }},

        // Pacing.
        {{"-o1200"}, [](Args &) { EXPECT_EQ(cps, 120); }},
        {{"-o9600"}, [](Args &) { EXPECT_EQ(cps, 960); }},
        {{"-o", "599"}, [](Args &) { EXPECT_EQ(cps, 30); }},
        {{"-o", "4800"}, [](Args &) { EXPECT_EQ(cps, 480); }},
        {{"-o110"}, [](Args &) { EXPECT_EQ(cps, 11); }},
        {{"-o"}, [](Args &) {
             EXPECT_EQ(cps, 30);
             EXPECT_EQ(mode, MODE_CONSOLE);
         }},
        {{"-o99999999999999"}, [](Args &) { EXPECT_EQ(cps, 960); }},

        // The one-command runs.
        {{"-x"}, [](Args &) {
             EXPECT_EQ(mode, MODE_RESTORE_STOP);
             EXPECT_STREQ(log_path, "zendry.log");
             EXPECT_EQ(slot(CONF_LOG), "ab+");
         }},
        {{"-x", "game1"}, [](Args &) { EXPECT_EQ(str(dump_name), "game1"); }},
        {{"-l/tmp/a.log", "-x"}, [](Args &) { EXPECT_STREQ(log_path, "/tmp/a.log"); }},
        {{"-y", "look", "north"}, [](Args &) {
             EXPECT_EQ(mode, MODE_ONE_COMMAND);
             EXPECT_STREQ(extcom, " look north");
         }},
        {{"--", "look"}, [](Args &) { EXPECT_STREQ(extcom, " look"); }},
        {{"-yget", "lamp", "-n"}, [](Args &t) {
             EXPECT_STREQ(extcom, "get lamp -n");
             EXPECT_EQ(t.result, 0);
         }},
        {{"-y", std::string(4000, 'a'), std::string(100, 'b'), "xyz"}, [](Args &) {
             EXPECT_EQ(std::string(extcom), " " + std::string(4000, 'a') + " xyz");
         }},
        {{"-y" + std::string(5000, 'a')}, [](Args &) { EXPECT_EQ(strlen(extcom), 4094u); }},

        // Unknown letters and a lone "-" are ignored.
        {{"-Zfoo", "-", "-X"}, [](Args &) {
             EXPECT_EQ(mode, MODE_BROWSER);
             EXPECT_EQ(dump_name, nullptr);
         }},
    };
    for (const ArgCase &c : cases) {
        std::string label;
        for (const std::string &a : c.args) label += " [" + a.substr(0, 20) + "]";
        SCOPED_TRACE(label);
        reset_settings();
        run(c.args);
        c.check(*this);
    }
}

// The options that force the console give line editing even when a
// graphical display is present.
TEST_F(Args, ConsoleOptionsIgnoreDisplay) {
    setenv("DISPLAY", ":0", 1);
    for (const char *opt : {"-j", "-s100.30", "-o300"}) {
        SCOPED_TRACE(opt);
        reset_settings();
        run({opt});
        EXPECT_EQ(mode, MODE_CONSOLE);
    }
    unsetenv("DISPLAY");
}

// The -v and -h texts, and their exit status of 0.
std::string run_and_capture(const std::vector<std::string> &args, const std::string &out) {
    std::vector<std::string> storage = {"/usr/games/zendry"};
    storage.insert(storage.end(), args.begin(), args.end());
    std::vector<char *> argv;
    for (std::string &s : storage) argv.push_back(s.data());
    argv.push_back(nullptr);
    EXPECT_EXIT(
        {
            if (!freopen(out.c_str(), "w", stdout)) abort();
            parse_args(int(storage.size()), argv.data());
        },
        ::testing::ExitedWithCode(0), "");
    std::ifstream in(out, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// A word after two dashes is no option: refused before anything is made,
// with the hint to -h; so is a browser named by -B that does not exist.
// Single letters after two dashes, and "--" alone, keep their meaning.
TEST_F(Args, WordOptionsAndMissingBrowsersAreRefused) {
    const struct {
        const char *arg, *message;
    } refused[] = {
        {"--log", "Unknown option '--log': options are single letters after one dash, such as -l\n"
                  "or -C; '/usr/games/zendry -h' lists them.\n"},
        {"--restore", "Unknown option '--restore'"},
        {"--console", "Unknown option '--console'"},
        {"--new-game=yes", "Unknown option '--new-game=yes'"},
        {"-B/no/such/browser", "No browser program '/no/such/browser' was found (-B). Name a browser that "
                               "exists, or play\nin the console with -C.\n"},
    };
    for (const auto &r : refused) {
        SCOPED_TRACE(r.arg);
        EXPECT_EXIT(run({"-n", r.arg, "x"}), ::testing::ExitedWithCode(1), ::testing::HasSubstr(r.message));
    }
    run({"--l=my.log", "--n", "--", "--look"});
    EXPECT_EQ(std::string(log_path), dir + "/my.log");
    EXPECT_EQ(result, 1);
    EXPECT_STREQ(extcom, " --look");
}

TEST_F(Args, VersionLines) {
    EXPECT_EQ(run_and_capture({"-l", "x.log", "-v", "-h"}, dir + "/out"),
              "Zendry 4.17, 09 Jun 2031.\n"
              "Fablet style 12\n"
              "Weaver translator version 12.50, 28 Apr 2025.\n"
              "Fablet kernel version 12.93, 31 Oct 2026.\n"
              "Text database preloaded into the executable.\n");
}

TEST_F(Args, UsageText) {
    EXPECT_EQ(run_and_capture({"-h"}, dir + "/out"),
              "\nUsage: /usr/games/zendry [options]\n\nOptions:\n"
              "    -n                  force a new game (ignore an aborted one)\n"
              "   [-r]<dumpfile>       restore game from dump\n"
              "    -l[<logfile>]       log the game (by default in ~/fablet/zendry/)\n"
              "    -C                  Force console (non-browser) display\n"
              "    -B[browser]         Force display through browser (default)\n"
              "    -b[0|1|all]         invert or specify blank line suppression level\n"
              "    -p[0|1]             invert or specify pausing before exit\n"
              "    -c<cmdfile>         replay the commands of a log file as a new game\n"
              "    -x <dumpfile>       restore game from dump, show it and exit\n"
              "    -y <command>        play one command in the aborted game and exit\n"
              "    -- <command>        the same as -y\n"
              "\nThese options force console mode display:\n"
              "    -j[0|1]             invert or specify right-justification of text\n"
              "    -s<W>.<H>[.<M>]     set screen size and margin\n"
              "    -o[<baudrate>]      set output speed for authentic retro experience\n"
              "                        (e.g. 110, 300, 600, 1200, 2400 or 4800)\n\n"
              "Two information only options:\n"
              "    -v                  print version info and exit\n"
              "    -h                  print this usage summary\n\n");
}

// Every option letter the command line acts on has its line in the usage
// text: the letters are read from the switch of the command line's reader.
TEST_F(Args, UsageNamesEveryOptionTaken) {
    std::ifstream src(SOURCE_DIR "/kernel/args.cpp");
    std::stringstream code;
    code << src.rdbuf();
    const std::string text = code.str();
    const std::string usage = run_and_capture({"-h"}, dir + "/out");
    int letters = 0;
    for (size_t at = text.find("    case '"); at != std::string::npos; at = text.find("    case '", at + 1)) {
        char letter = text[at + 10];
        letters++;
        std::string option = letter == '-' ? "\n    -- " : std::string("-") + letter;
        EXPECT_NE(usage.find(option), std::string::npos) << "option " << letter << " is not in the usage text";
    }
    EXPECT_GE(letters, 15);  // the switch was found
}

}  // namespace
