// The game's directories and files are the player's alone, and the lock
// that keeps a second game out can only be taken by the player: modes after
// a start on a fresh home and on one whose files were made open to all, what
// is left alone (links, other directories), and a lock held by another
// process refusing the second game.
#include <gtest/gtest.h>

#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <string>

#include "platform.h"

namespace {

int mode_of(const std::string &path) {
    struct stat st;
    return lstat(path.c_str(), &st) == 0 ? int(st.st_mode & 07777) : -1;
}

// Plays the fixture program in the console on `home` with no input (and
// the options `more`), under the usual umask that lets all read what is
// made; its exit status, and all it printed in `said`.
int start(const std::string &home, std::string *said = nullptr, const std::string &where = "",
          const std::string &more = "") {
    std::string cmd = "umask 022 && " + (where.empty() ? "" : "cd " + where + " && ") + "HOME=" + home +
                      " FIXTURE_CHAIN=echo " FIXTURE_BIN " -C -p0 " + more + " </dev/null 2>&1";
    FILE *p = popen(cmd.c_str(), "r");
    if (!p) return -1;
    char buf[4096];
    size_t n;
    std::string out;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
    int st = pclose(p);
    if (said) *said = out;
    return WIFEXITED(st) ? WEXITSTATUS(st) : -1;
}

void make_file(const std::string &path, int mode) {
    std::ofstream(path) << "x";
    chmod(path.c_str(), mode_t(mode));
}

// Another process that opens `path` (with `flags`) and takes its lock,
// holding it until released; `locked` says whether it got the lock.
struct LockHolder {
    int ready[2] = {-1, -1}, done[2] = {-1, -1};
    pid_t pid = -1;
    bool locked = false;
    LockHolder(const std::string &path, int flags) {
        if (pipe(ready) != 0 || pipe(done) != 0) return;
        pid = fork();
        if (pid == 0) {
            int fd = open(path.c_str(), flags);
            char c = fd >= 0 && flock(fd, LOCK_EX | LOCK_NB) == 0 ? 'y' : 'n';
            (void)!write(ready[1], &c, 1);
            (void)!read(done[0], &c, 1);
            _exit(0);
        }
        char c = 0;
        locked = pid > 0 && read(ready[0], &c, 1) == 1 && c == 'y';
    }
    void release() {
        if (pid <= 0) return;
        (void)!write(done[1], "x", 1);
        waitpid(pid, nullptr, 0);
        pid = -1;
    }
    ~LockHolder() {
        release();
        for (int fd : {ready[0], ready[1], done[0], done[1]})
            if (fd >= 0) close(fd);
    }
};

struct PrivateDir : ::testing::Test {
    std::string home, user, game;
    void SetUp() override {
        char tmpl[] = "/tmp/zprivateXXXXXX";
        home = mkdtemp(tmpl);
        user = home + "/fablet";
        game = user + "/zendry";
    }
    void TearDown() override { (void)!system(("rm -rf " + home).c_str()); }
};

TEST_F(PrivateDir, FreshStartMakesEverythingPrivate) {
    ASSERT_EQ(start(home), 0);
    EXPECT_EQ(mode_of(user), 0700);
    EXPECT_EQ(mode_of(game), 0700);
    EXPECT_EQ(mode_of(user + "/fablet.conf"), 0600);
    EXPECT_EQ(mode_of(game + "/" + LOCK_NAME), 0600);
}

// Directories and files left open by an earlier version are closed at the
// next start; a link and what it points to, a subdirectory and files of
// others' directories keep their modes.
TEST_F(PrivateDir, StartClosesWhatEarlierVersionsLeftOpen) {
    const std::string outside = home + "/elsewhere.txt";
    const std::string other_dir = user + "/other";
    mkdir(user.c_str(), 0755);
    mkdir(game.c_str(), 0755);
    mkdir(other_dir.c_str(), 0755);
    make_file(user + "/fablet.conf", 0644);
    make_file(user + "/zendry.log", 0644);
    make_file(game + "/mine.orv", 0644);
    make_file(game + "/mine.orh", 0664);
    make_file(game + "/mine.orl", 0640);
    make_file(game + "/" + LOCK_NAME, 0666);
    make_file(other_dir + "/kept.txt", 0644);
    make_file(outside, 0644);
    ASSERT_EQ(symlink(outside.c_str(), (game + "/link.orv").c_str()), 0);
    chmod(home.c_str(), 0755);

    std::string said;
    ASSERT_EQ(start(home, &said), 0) << said;
    const struct {
        std::string path;
        int mode;
    } rows[] = {
        {user, 0700},
        {game, 0700},
        {user + "/fablet.conf", 0600},
        {user + "/zendry.log", 0600},
        {game + "/mine.orv", 0600},
        {game + "/mine.orh", 0600},
        {game + "/mine.orl", 0600},
        {game + "/" + LOCK_NAME, 0600},
        {other_dir, 0755},
        {other_dir + "/kept.txt", 0644},
        {outside, 0644},
        {home, 0755},
    };
    for (const auto &r : rows) EXPECT_EQ(mode_of(r.path), r.mode) << r.path;
    struct stat st;
    ASSERT_EQ(lstat((game + "/link.orv").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
}

// A log the game makes is the player's alone, in the game's directory or
// wherever it is named; a log the player keeps elsewhere already is theirs,
// and keeps its mode.
TEST_F(PrivateDir, ALogTheGameMakesIsThePlayersAlone) {
    make_file(home + "/kept.log", 0644);
    const struct {
        std::string options, path;
        int mode;
    } rows[] = {
        {"-l", game + "/zendry.log", 0600},  // the log's own name, in the game's directory
        {"-l" + home + "/made.log", home + "/made.log", 0600},
        {"-l " + home + "/kept.log", home + "/kept.log", 0644},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.options);
        std::string said;
        ASSERT_EQ(start(home, &said, "", r.options), 0) << said;
        EXPECT_EQ(mode_of(r.path), r.mode);
        std::ifstream log(r.path);
        const std::string text((std::istreambuf_iterator<char>(log)), std::istreambuf_iterator<char>());
        EXPECT_NE(text.find("INTERACT"), std::string::npos) << text;  // the log was written and closed
    }
}

// When the per-user directory cannot be made the game plays where it
// started: that directory and its files are the player's business.
TEST_F(PrivateDir, AStartOutsideTheGameDirectoryChangesNoModes) {
    const std::string cwd = home + "/work";
    mkdir(cwd.c_str(), 0755);
    make_file(cwd + "/notes.txt", 0644);
    make_file(home + "/fablet", 0644);  // a file where the per-user directory would be
    make_file(home + "/ablet", 0644);
    start(home + "/fablet", nullptr, cwd);  // a home that is a file: stays in cwd
    start(home, nullptr, cwd);              // no per-user directory to be had: stays in home
    EXPECT_EQ(mode_of(cwd), 0755);
    EXPECT_EQ(mode_of(cwd + "/notes.txt"), 0644);
    EXPECT_EQ(mode_of(home + "/fablet"), 0644);
}

// The lock is taken on a file only the player can open for writing: held
// by another process it refuses the game, and a link put in its place is
// never followed.
TEST_F(PrivateDir, TheLockIsTheLockFilesAndNeverALinks) {
    ASSERT_EQ(start(home), 0);  // makes the directories
    LockHolder holder(game + "/" + LOCK_NAME, O_WRONLY);
    ASSERT_TRUE(holder.locked);
    std::string said;
    EXPECT_EQ(start(home, &said), 1);
    EXPECT_NE(said.find("The game is already running in " + game), std::string::npos) << said;
    EXPECT_EQ(hold_lock(game.c_str()), 1);
    holder.release();
    EXPECT_EQ(hold_lock(game.c_str()), 0);  // free once the holder has gone

    // A link where the lock file belongs: the lock cannot be had through it
    // and the file it names is neither made nor changed.
    const std::string target = home + "/target";
    const std::string elsewhere = home + "/elsewhere";
    mkdir(elsewhere.c_str(), 0755);
    make_file(target, 0644);
    ASSERT_EQ(symlink(target.c_str(), (elsewhere + "/" + LOCK_NAME).c_str()), 0);
    EXPECT_EQ(hold_lock(elsewhere.c_str()), -1);
    EXPECT_EQ(mode_of(target), 0644);
    unlink((elsewhere + "/" + LOCK_NAME).c_str());
    ASSERT_EQ(symlink((home + "/absent").c_str(), (elsewhere + "/" + LOCK_NAME).c_str()), 0);
    EXPECT_EQ(hold_lock(elsewhere.c_str()), -1);
    EXPECT_EQ(mode_of(home + "/absent"), -1);
}

// A lock file that others could open (an earlier version left it open to
// all, or it is not the player's) may be held open, and locked, by another
// account's process, which tightening its mode would not stop: the start
// puts a new lock file in its place and plays. One that was the player's
// alone stays the same file.
TEST_F(PrivateDir, ALockFileOthersCouldOpenIsReplaced) {
    mkdir(user.c_str(), 0700);
    mkdir(game.c_str(), 0700);
    const std::string lock = game + "/" + LOCK_NAME;
    const bool root = geteuid() == 0;  // only root can give a file to another account
    const struct {
        int mode;
        bool others, replaced;
    } rows[] = {{0644, false, true}, {0640, false, true}, {0606, false, true},
                {0600, true, true},  {0600, false, false}};
    for (const auto &r : rows) {
        char what[40];
        snprintf(what, sizeof what, "mode %04o%s", unsigned(r.mode), r.others ? " of another account" : "");
        SCOPED_TRACE(what);
        if (r.others && !root) continue;
        unlink(lock.c_str());
        make_file(lock, r.mode);
        if (r.others) {
            ASSERT_EQ(chown(lock.c_str(), 65534, 65534), 0);
        }
        struct stat before;
        ASSERT_EQ(stat(lock.c_str(), &before), 0);

        // Another process has it open to read, and holds its lock, unless
        // it was the player's alone.
        LockHolder holder(lock, O_RDONLY);
        ASSERT_TRUE(holder.locked);
        std::string said;
        EXPECT_EQ(start(home, &said), r.replaced ? 0 : 1) << said;
        EXPECT_EQ(said.find("already running") == std::string::npos, r.replaced) << said;
        holder.release();

        struct stat after;
        ASSERT_EQ(lstat(lock.c_str(), &after), 0);
        EXPECT_EQ(after.st_ino != before.st_ino, r.replaced);
        EXPECT_EQ(after.st_uid, geteuid());
        EXPECT_EQ(int(after.st_mode & 07777), 0600);
    }
}

}  // namespace
