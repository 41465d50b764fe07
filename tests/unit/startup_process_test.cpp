// Start-up and shut-down of the whole program, run as a process over the
// fixture game: version and usage, the per-user files made on the first
// start, the command file's seed in the log, the normal end, and a text
// database made for another version.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {

struct Outcome {
    int status;
    std::string out;
};

// Runs a shell command line with the given environment prefix, stdin from
// a file (or /dev/null), and returns the exit status and standard output
// (or, with `errors`, the standard error).
Outcome run(const std::string &cmd, const std::string &input = "", bool errors = false) {
    char in_path[] = "/tmp/zstart_inXXXXXX";
    int fd = mkstemp(in_path);
    if (fd >= 0) {
        if (!input.empty()) (void)!write(fd, input.data(), input.size());
        close(fd);
    }
    std::string full = cmd + " <" + in_path + (errors ? " 2>&1 >/dev/null" : " 2>/dev/null");
    FILE *p = popen(full.c_str(), "r");
    Outcome r{-1, ""};
    if (!p) return r;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
    int st = pclose(p);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    unlink(in_path);
    return r;
}

std::string slurp(const std::string &path) {
    std::ifstream f(path, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

struct StartupProcess : ::testing::Test {
    std::string home;
    void SetUp() override {
        char tmpl[] = "/tmp/zstart_homeXXXXXX";
        home = mkdtemp(tmpl);
    }
    void TearDown() override { (void)!system(("rm -rf " + home).c_str()); }
    std::string env(const char *chain = "echo") const {
        return "HOME=" + home + " FIXTURE_CHAIN=" + chain + " BROWSER=/bin/false ";
    }
};

TEST_F(StartupProcess, VersionAndUsage) {
    Outcome v = run(env() + FIXTURE_BIN " -v");
    EXPECT_EQ(v.status, 0);
    EXPECT_EQ(v.out,
              "Zendry 4.17, 09 Jun 2031.\nFablet style 12\nWeaver translator version 12.50, 28 Apr 2025.\n"
              "Fablet kernel version 12.93, 31 Oct 2026.\nText database preloaded into the executable.\n");
    Outcome h = run(env() + FIXTURE_BIN " -h");
    EXPECT_EQ(h.status, 0);
    EXPECT_EQ(h.out.rfind("\nUsage: " FIXTURE_BIN " [options]\n\nOptions:\n", 0), 0u);
    EXPECT_NE(h.out.find("    -v                  print version info and exit\n"), std::string::npos);
    // Neither touches a file.
    EXPECT_FALSE(std::ifstream(home + "/fablet/fablet.conf").good());
}

TEST_F(StartupProcess, FirstStartWritesTheDefaultFileOnceAndMakesTheGameDirectory) {
    Outcome r = run(env() + FIXTURE_BIN " -C -n");
    EXPECT_EQ(r.status, 0);  // end of input
    std::string conf = slurp(home + "/fablet/fablet.conf");
    ASSERT_FALSE(conf.empty());
    int lines = 0;
    for (size_t k = 0; k < conf.size(); k++)
        if (conf[k] == '\n') {
            lines++;
            ASSERT_GT(k, 0u);
            ASSERT_EQ(conf[k - 1], '\r') << "line " << lines;
        }
    EXPECT_EQ(lines, 66);
    struct stat st;
    ASSERT_EQ(stat((home + "/fablet/zendry").c_str(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    // A second start leaves the player's file alone.
    std::ofstream(home + "/fablet/fablet.conf", std::ios::binary) << "# mine\r\n";
    run(env() + FIXTURE_BIN " -C -n");
    EXPECT_EQ(slurp(home + "/fablet/fablet.conf"), "# mine\r\n");
}

TEST_F(StartupProcess, CommandFileSeedsTheLogAndANormalEndCleansUp) {
    std::string cmdfile = home + "/cmds.txt";
    std::ofstream(cmdfile) << "Wiz: 1234\n\nREPLY: hello there\nREPLY: quit\n";
    std::string logfile = home + "/game.log";
    Outcome r = run(env() + FIXTURE_BIN " -C -p0 -c " + cmdfile + " -l " + logfile);
    EXPECT_EQ(r.status, 255);
    std::string log = slurp(logfile);
    EXPECT_EQ(log.rfind("Zendry 4.17, 09 Jun 2031: 1234\n", 0), 0u) << log;
    EXPECT_NE(log.find("INTERACT"), std::string::npos);
    for (const char *ext : {".orv", ".orh", ".orl"}) {
        std::string path = home + "/fablet/zendry/_zendry" + ext;
        EXPECT_FALSE(std::ifstream(path).good()) << path;
    }
}

// A log named by the bare argument after the saved game is kept even though
// the default file written on the first start says LOGFILE NONE.
TEST_F(StartupProcess, BareLogArgumentOutlivesTheDefaultFile) {
    run(env() + FIXTURE_BIN " -C game1 mylog");
    ASSERT_FALSE(slurp(home + "/fablet/fablet.conf").empty());
    EXPECT_EQ(slurp(home + "/fablet/zendry/mylog").rfind("Zendry 4.17, 09 Jun 2031: ", 0), 0u);
}

// A directory that cannot be reached or made costs one line on the standard
// error, and the game still starts.
TEST_F(StartupProcess, UnreachableDirectoriesWarnOnce) {
    auto warnings = [&](const std::string &home_value) {
        Outcome r = run("HOME=" + home_value + " FIXTURE_CHAIN=echo " FIXTURE_BIN " -C -n", "", true);
        EXPECT_EQ(r.status, 0) << home_value;
        return std::count(r.out.begin(), r.out.end(), '\n');
    };
    std::ofstream(home + "/plain");
    EXPECT_EQ(warnings(home + "/plain"), 1);  // the home directory is a file
    std::string blocked = home + "/blocked";
    mkdir(blocked.c_str(), 0755);
    std::ofstream(blocked + "/fablet");
    std::ofstream(blocked + "/ablet");
    EXPECT_EQ(warnings(blocked), 1);  // no per-user directory can be made
    mkdir((home + "/fablet").c_str(), 0755);
    std::ofstream(home + "/fablet/zendry");
    EXPECT_EQ(warnings(home), 1);  // no per-game directory can be made
    EXPECT_TRUE(std::ifstream(home + "/fablet/fablet.conf").good());
    unlink((home + "/fablet/zendry").c_str());
    EXPECT_EQ(warnings(home), 0);
}

TEST_F(StartupProcess, BadCommandFiles) {
    Outcome missing = run(env() + FIXTURE_BIN " -C -c " + home + "/nope.txt");
    EXPECT_EQ(missing.status, 0);
    EXPECT_NE(missing.out.find("Sorry, unable to open command file '" + home + "/nope.txt'!"), std::string::npos);
    std::string cmdfile = home + "/old.txt";
    std::ofstream(cmdfile) << "Zendry 4.16, 01 Jan 2030: 99\nREPLY: look\n";
    Outcome wrong = run(env() + FIXTURE_BIN " -C -c " + cmdfile);
    EXPECT_EQ(wrong.status, 0);
    EXPECT_NE(wrong.out.find(cmdfile + ": wrong questry version!"), std::string::npos);
}

// A word after two dashes is refused before any file or directory is made
// (read as a letter and a value, --log would make a log named "og" here,
// --restore x a file "x"); so is a browser named by -B that is not there.
TEST_F(StartupProcess, RefusedOptionsMakeNoFiles) {
    for (const char *args : {"--log", "--restore x", "--console", "-B/no/such/browser"}) {
        SCOPED_TRACE(args);
        Outcome r = run("cd " + home + " && " + env() + FIXTURE_BIN " -C " + args, "", true);
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(r.out.find("'" FIXTURE_BIN " -h' lists them") != std::string::npos ||
                    r.out.find("play\nin the console with -C") != std::string::npos)
            << r.out;
        for (const char *made : {"og", "x", "onsole", "fablet"}) EXPECT_FALSE(std::ifstream(home + "/" + made).good()) << made;
    }
}

// Piped input and output: the prompt is shown once before each command.
TEST_F(StartupProcess, PipedConsoleShowsThePromptOnce) {
    Outcome r = run(env() + FIXTURE_BIN " -C -n -p0", "jump\nlook\n");
    EXPECT_EQ(r.out.find('\r'), std::string::npos) << r.out;
    EXPECT_NE(r.out.find(" ? jump\n\n Turn 1: jump\n \n ? look\n"), std::string::npos) << r.out;
}

// A browser that cannot show the page is reported at once, with the
// forwarding file it was handed and the console as the way out, instead of a
// silent wait for the invocation time-out.
TEST_F(StartupProcess, ABrowserThatFailsIsReportedAtOnce) {
    auto start = std::chrono::steady_clock::now();
    Outcome r = run("timeout 30 env " + env() + FIXTURE_BIN " -n -B/bin/false");
    double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(r.status, 255);
    EXPECT_LT(secs, 10.0);
    EXPECT_NE(r.out.find("*ERROR* Failed to kick off '/bin/false " + home + "/fablet/zendry/_zendry-page.html'!\n"),
              std::string::npos)
        << r.out;
    EXPECT_EQ(r.out.find("http://"), std::string::npos) << r.out;  // the page's address, secret and all, nowhere
    EXPECT_NE(r.out.find("('/bin/false' ended at once with exit status 1.)"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("with '" FIXTURE_BIN " -C'"), std::string::npos) << r.out;
}

// Layouts that each option or line allowed on its own but not together:
// the game plays its turn and ends instead of overrunning its buffers or
// writing blank lines for ever.
TEST_F(StartupProcess, LayoutsThatDidNotFitTogetherStillPlay) {
    const struct {
        const char *args, *conf;
    } cases[] = {
        {"-s100.24.40 -s50", ""},
        {"-s100.24.40 -s78", ""},
        {"-s1.24.31", "LAYOUT WIDTH 30\n"},
        {"", "LAYOUT WIDTH 2147483647\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.args) + " / " + c.conf);
        (void)!system(("rm -rf " + home + "/fablet && mkdir -p " + home + "/fablet").c_str());
        std::ofstream(home + "/fablet/fablet.conf", std::ios::binary) << c.conf;
        Outcome r =
            run("sh -c 'timeout 20 env " + env() + FIXTURE_BIN " -C -n -p0 " + c.args + " | head -c 200000'", "jump\n");
        EXPECT_LT(r.out.size(), 100000u);
        EXPECT_NE(r.out.find("Turn 1: jump\n"), std::string::npos) << r.out.substr(0, 300);
    }
}

TEST_F(StartupProcess, DatabaseOfAnotherVersionIsRefused) {
    Outcome r = run(env() + OTHER_STAMP_BIN " -C -n");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("Version stamp mismatch: 'Zendry 4.16, 01 Jan 2030' != 'Zendry 4.17, 09 Jun 2031'!\n"
                         "Sorry, unable to set up the world.\n"),
              std::string::npos)
        << r.out;
}

}  // namespace
