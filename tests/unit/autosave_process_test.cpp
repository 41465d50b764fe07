// The autosave across processes: a game killed in the middle of play
// resumes from its autosave with the resume notice and the last turn shown
// again, and a game that ends normally leaves no autosave behind; a game
// killed at random moments, again and again, always resumes whole with its
// undo journal; temporary files left by a killed program go at the next
// start; in the browser, the page has its answer before the autosave is
// written.
#include "console_game.h"
#include "persist_support.h"

#include <arpa/inet.h>
#include <chrono>
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <random>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>

using namespace persist_test;

namespace {

// Waits until the file holds the text.
bool wait_for(const std::string &path, const std::string &what) {
    for (int i = 0; i < 500; i++) {
        if (text_of(path).find(what) != std::string::npos) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

class AutosaveProcess : public InTempDir {};

TEST_F(AutosaveProcess, KilledGameResumesAndNormalEndCleansUp) {
    const std::string home = dir, work = dir + "/fablet/zendry/";
    {
        Game g(home, dir + "/first.out");
        ASSERT_GT(g.pid, 0);
        g.type("lamp\nhall\n");  // words of the vocabulary, so that the journal records them
        // The transcript is written with the autosave when the game waits
        // for the third command.
        ASSERT_TRUE(wait_for(work + "_zendry.orl", "Turn 2: ")) << text_of(dir + "/first.out");
        g.kill_hard();
    }
    std::string last = text_of(work + "_zendry.orl");
    last = last.substr(last.find("Turn 2: "));
    last = last.substr(0, last.find('\n'));
    ASSERT_TRUE(exists(work + "_zendry.orv"));
    EXPECT_TRUE(exists(work + "_zendry.orh"));  // the undo journal goes with it

    Game g(home, dir + "/second.out");
    ASSERT_GT(g.pid, 0);
    g.type("lamp\nquit\n\n");
    EXPECT_EQ(g.finish(), 255);
    const std::string out = text_of(dir + "/second.out");
    size_t replay = out.find(last);
    size_t next = out.find("Turn 3: ");
    ASSERT_NE(replay, std::string::npos) << out;
    ASSERT_NE(next, std::string::npos) << out;
    EXPECT_LT(replay, next);
    EXPECT_EQ(out.find("Turn 1:"), std::string::npos) << out;

    // The resume notice comes first, as the game's texts word it.
    set_title();
    zap_text();
    say(0, 3495, 0);
    std::string notice = pending();
    while (!notice.empty() && (notice.back() == '\n' || notice.back() == ' ')) notice.pop_back();
    size_t from = notice.find_first_not_of("\n ");
    if (from != std::string::npos) {
        notice = notice.substr(from, notice.find('\n', from) - from);
        size_t at = out.find(notice);
        EXPECT_NE(at, std::string::npos) << notice << "\n" << out;
        EXPECT_LT(at, replay);
    }

    for (const char *ext : {"orv", "orh", "orl"}) EXPECT_FALSE(exists(work + "_zendry." + ext)) << ext;
}

// The names in a directory.
std::vector<std::string> names_in(const std::string &path) {
    std::vector<std::string> out;
    if (DIR *d = opendir(path.c_str())) {
        while (dirent *e = readdir(d))
            if (e->d_name[0] != '.') out.push_back(e->d_name);
        closedir(d);
    }
    return out;
}

// The highest turn the game showed ("Turn N: "), 0 for none.
int last_turn_shown(const std::string &out) {
    int last = 0;
    for (size_t at = out.find("Turn "); at != std::string::npos; at = out.find("Turn ", at + 1)) {
        int n = atoi(out.c_str() + at + 5);
        size_t colon = out.find(':', at);
        if (colon != std::string::npos && colon < at + 12 && n > last) last = n;
    }
    return last;
}

// Killed at random moments while it plays as fast as it can (in the middle
// of a turn, of an autosave, of start-up), the game resumes every time from
// a whole autosave no older than the last turn it showed, with the
// transcript of that turn and an undo journal that takes the game back to
// its first turn. The next start leaves no temporary file.
TEST_F(AutosaveProcess, KilledAtRandomMomentsResumesWholeWithItsJournal) {
    const std::string home = dir, work = dir + "/fablet/zendry/";
    std::string lines;
    for (int i = 0; i < 200; i++) lines += i % 2 ? "hall\n" : "lamp\n";
    // Kills fall anywhere from start-up (however long it takes in this
    // build) to some twelve milliseconds of play.
    auto started = std::chrono::steady_clock::now();
    Game(home, dir + "/idle.out", true).finish();
    const int startup = int(std::chrono::duration_cast<std::chrono::microseconds>(
                                std::chrono::steady_clock::now() - started).count());
    std::mt19937 rng(20310609);
    std::uniform_int_distribution<int> micros(0, startup + 12000);
    int resumed_turns = 0;
    for (int round = 0; round < 120; round++) {
        SCOPED_TRACE("round " + std::to_string(round));
        const std::string out = dir + "/round.out";
        Game g(home, out);
        ASSERT_GT(g.pid, 0);
        g.type(lines);
        std::this_thread::sleep_for(std::chrono::microseconds(micros(rng)));
        g.kill_hard();
        const int shown = last_turn_shown(text_of(out));

        ASSERT_EQ(chdir(work.c_str()), 0);
        memset(&IMAGE, 0, sizeof IMAGE);
        forget_journal();
        set_transcript("", 0);
        value[0] = 0;
        special(SPECIAL_AUTORESTORE, &value[0]);
        const bool resumed = value[0] == SPECIAL_AUTORESTORE;
        const int turn = resumed ? value[1200] : 0;
        EXPECT_GE(turn, shown);
        EXPECT_GE(turn, resumed_turns) << "an older game came back";
        if (resumed) {
            EXPECT_NE(autosave_transcript().find("Turn " + std::to_string(turn) + ": "), std::string::npos)
                << autosave_transcript();
            if (turn >= 2) {
                ASSERT_NE(diffs, nullptr) << "the journal was dropped at turn " << turn;
                value[KV_ARG2] = 3;  // undo all
                undo();
                EXPECT_EQ(value[1200], 0) << "the journal does not lead back to the first turn";
            }
        }
        resumed_turns = turn;
        ASSERT_EQ(chdir(start.c_str()), 0);

        // A start that plays nothing (a new game, no input) leaves no
        // temporary file of the kill behind, and the autosave as it was.
        Game idle(home, dir + "/idle.out", true);
        EXPECT_EQ(idle.finish(), 0);
        for (const std::string &n : names_in(work))
            if (n.size() > 4 && n.compare(n.size() - 4, 4, ".tmp") == 0) ADD_FAILURE() << "left: " << n;
    }
    EXPECT_GT(resumed_turns, 0);

    Game g(home, dir + "/last.out");
    g.type("lamp\nquit\n\n");
    EXPECT_EQ(g.finish(), 255);
    EXPECT_TRUE(names_in(work).empty()) << names_in(work).front();
}

// Temporary files of the game's own kinds go at start; other files stay.
TEST_F(AutosaveProcess, StaleTemporariesGoAtStart) {
    const std::string work = dir + "/fablet/zendry/";
    std::filesystem::create_directories(work);
    const std::vector<std::string> stale = {"_zendry.orv.tmp", "_zendry.orh.tmp", "_zendry.orl.tmp",
                                            "_zendry.orp.tmp", "castle.orv.tmp",  "castle.orh.tmp"};
    const std::vector<std::string> kept = {"castle.orv", "notes.tmp", "castle.orx.tmp", "orv.tmp"};
    for (const auto &n : stale) write_file(work + n, {'x'});
    for (const auto &n : kept) write_file(work + n, {'x'});
    Game g(dir, dir + "/out", true);
    g.type("quit\n\n");
    EXPECT_EQ(g.finish(), 255);
    for (const auto &n : stale) EXPECT_FALSE(exists(work + n)) << n;
    for (const auto &n : kept) EXPECT_TRUE(exists(work + n)) << n;
}

// One request to the game's listener, as the page sends it; the answer, or
// what came before ms passed without more.
std::string ask_page(int port, const std::string &target, int ms) {
    int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a = {};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(uint16_t(port));
    if (connect(s, reinterpret_cast<sockaddr *>(&a), sizeof a) != 0) {
        close(s);
        return "<no connection>";
    }
    std::string req = "GET " + target + " HTTP/1.0\r\nHost: 127.0.0.1:" + std::to_string(port) + "\r\n\r\n";
    (void)!send(s, req.data(), req.size(), MSG_NOSIGNAL);
    std::string out;
    char buf[4096];
    for (;;) {
        pollfd p = {s, POLLIN, 0};
        if (poll(&p, 1, ms) <= 0) {
            out += "<no answer yet>";
            break;
        }
        ssize_t n = read(s, buf, sizeof buf);
        if (n <= 0) break;
        out.append(buf, size_t(n));
    }
    close(s);
    return out;
}

// In the browser the page gets its answer first and the autosave is written
// after it: here the autosave's copy is a named pipe, whose opening waits
// for a reader, so the game is held in the autosave until the page has been
// answered. (Writing to a pipe in place fails: the player is then told, in
// the next answer.)
TEST_F(AutosaveProcess, BrowserAnswerComesBeforeTheAutosave) {
    const std::string work = dir + "/fablet/zendry/", url_file = dir + "/url";
    std::filesystem::create_directories(work);
    ASSERT_EQ(mkfifo((work + "_zendry.orv").c_str(), 0644), 0);  // the copy written first
    const std::string browser = std::string("-B") + SOURCE_DIR + "/tests/browser/hand-over.sh";
    pid_t pid = fork();
    if (pid == 0) {
        int fd = open((dir + "/out").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(fd, 1);
        dup2(fd, 2);
        setenv("HOME", dir.c_str(), 1);
        setenv("E2E_URL_FILE", url_file.c_str(), 1);
        setenv("FIXTURE_CHAIN", "echo", 1);
        execl(FIXTURE_BIN, FIXTURE_BIN, "-n", browser.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    ASSERT_TRUE(wait_for(url_file, "http://"));
    const std::string url = text_of(url_file);
    const int port = atoi(url.c_str() + url.find(':', 7) + 1);
    std::string page = url.substr(url.find('/', 7));
    page = page.substr(0, page.find('\n'));  // the page's address, with the run's secret
    ask_page(port, page, 3000);
    ask_page(port, page + "?status=0xS", 3000);

    const std::string first = ask_page(port, page + "?status=1xlamp", 2000);
    EXPECT_NE(first.find("Turn 1: "), std::string::npos) << first;
    int fifo = open((work + "_zendry.orv").c_str(), O_RDONLY | O_NONBLOCK);  // lets the autosave go on
    const std::string second = ask_page(port, page + "?status=2xhall", 3000);
    EXPECT_NE(second.find("Turn 2: "), std::string::npos) << second;
    EXPECT_NE(second.find("progress can't be kept"), std::string::npos) << second;
    close(fifo);
    ask_page(port, page + "?status=3xquit", 3000);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

}  // namespace
