// POSIX implementations of the platform layer.
#include "platform.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <initializer_list>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

const char *home_dir() {
    const char *h = getenv("HOME");
    return (h && *h) ? h : nullptr;
}

int change_dir(const char *path) { return chdir(path) == 0 ? 0 : -1; }

// The game's directories hold its saved games, transcripts and log: only
// the player may list or enter them.
int make_dir(const char *path) { return mkdir(path, 0700) == 0 ? 0 : -1; }

int current_dir(char *buf, int size) { return getcwd(buf, size_t(size)) ? 0 : -1; }

int path_exists(const char *path) {
    struct stat st;
    return stat(path, &st) == 0;
}

int is_directory(const char *path) {
    struct stat st;
    return stat(path, &st) == 0 && S_ISDIR(st.st_mode);
}

int is_regular_file(const char *path) {
    struct stat st;
    return stat(path, &st) == 0 && S_ISREG(st.st_mode);
}

int remove_file(const char *path) {
    if (unlink(path) == 0 || errno == ENOENT) return 0;
    return -1;
}

// The limits tests put on write_at.
static struct {
    int64_t budget = -1;  // bytes still written; -1 no limit
    bool growth;          // no file grows
    int err;
} write_limit;

void limit_writes(int64_t budget, bool growth, int err) { write_limit = {budget, growth, err}; }

int write_at(int fd, const void *bytes, size_t len, int64_t offset) {
    const char *p = static_cast<const char *>(bytes);
    int err = 0;
    if (write_limit.budget >= 0 && int64_t(len) > write_limit.budget) {
        len = size_t(write_limit.budget);
        err = write_limit.err;
    }
    struct stat st;
    if (write_limit.growth && fstat(fd, &st) == 0 && offset + int64_t(len) > st.st_size) {
        len = st.st_size > offset ? size_t(st.st_size - offset) : 0;
        err = write_limit.err;
    }
    for (size_t done = 0; done < len;) {
        ssize_t n = pwrite(fd, p + done, len - done, off_t(offset + int64_t(done)));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return n < 0 ? errno : EIO;
        done += size_t(n);
        if (write_limit.budget >= 0) write_limit.budget -= n;
    }
    return err;
}

void sync_dir_of(const char *path) {
    char dir[PATH_SIZE];
    const char *slash = strrchr(path, '/');
    if (!slash) {
        snprintf(dir, sizeof dir, ".");
    } else if (snprintf(dir, sizeof dir, "%.*s", int(slash - path), path) >= int(sizeof dir)) {
        return;
    }
    int fd = open(dir[0] ? dir : "/", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

// Takes group and other access away from the directory dir_fd and from
// every regular file directly in it, where the player owns them. Links are
// not followed and subdirectories are left as they are.
static void strip_others(int dir_fd) {
    struct stat st;
    const uid_t me = geteuid();
    if (fstat(dir_fd, &st) == 0 && st.st_uid == me && (st.st_mode & 077)) fchmod(dir_fd, st.st_mode & 07700);
    int list_fd = dup(dir_fd);
    if (list_fd < 0) return;
    DIR *d = fdopendir(list_fd);
    if (!d) {
        close(list_fd);
        return;
    }
    while (dirent *e = readdir(d)) {
        if (fstatat(dir_fd, e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
        if (S_ISREG(st.st_mode) && st.st_uid == me && (st.st_mode & 077))
            fchmodat(dir_fd, e->d_name, st.st_mode & 07700, 0);
    }
    closedir(d);
}

// Whether the resolved directory `dir` lies directly in the per-user
// directory (HOME/fablet, or HOME/ablet where that is the one in use).
static bool in_user_dir(const char *dir) {
    const char *home = home_dir();
    if (!home) return false;
    char parent[PATH_SIZE], user[PATH_SIZE], path[PATH_SIZE];
    const char *slash = strrchr(dir, '/');
    if (!slash || slash == dir) return false;
    snprintf(parent, sizeof parent, "%.*s", int(slash - dir), dir);
    for (const char *name : {"fablet", "ablet"}) {
        if (snprintf(path, sizeof path, "%s/%s", home, name) >= int(sizeof path)) return false;
        if (realpath(path, user) && strcmp(user, parent) == 0) return true;
    }
    return false;
}

static void strip_others_at(const char *path) {
    int fd = open(path, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return;
    strip_others(fd);
    close(fd);
}

void make_private(const char *dir) {
    char real[PATH_SIZE];
    if (!realpath(dir, real) || !in_user_dir(real)) return;
    strip_others_at(real);
    *strrchr(real, '/') = 0;  // the per-user directory above it
    strip_others_at(real);
}

static bool same_file(const struct stat &a, const struct stat &b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// The lock file `was`, as it was found at `path`, replaced by a new file
// made 0600 (never through a link, never one made meanwhile by another):
// its open descriptor, or -1 when it was not replaced (the name no longer
// gives that file, as when another start has replaced it first).
static int replace_lock_file(const char *path, const struct stat &was) {
    struct stat now;
    if (lstat(path, &now) != 0 || !same_file(now, was) || unlink(path) != 0) return -1;
    return open(path, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
}

int hold_lock(const char *dir) {
    static int held = -1;
    if (held >= 0) close(held);
    held = -1;
    char path[PATH_SIZE];
    if (snprintf(path, sizeof path, "%s/%s", dir, LOCK_NAME) >= int(sizeof path)) return -1;
    // A lock file that others could open (one an earlier version left open
    // to all, or one not the player's) may be open in another account's
    // process, which can hold its lock however its mode is tightened
    // afterwards: it is replaced rather than tightened. Looked at before
    // make_private tightens it.
    struct stat was;
    const bool lax = lstat(path, &was) == 0 && S_ISREG(was.st_mode) &&
                     (was.st_uid != geteuid() || (was.st_mode & 077) != 0);
    make_private(dir);
    for (int tries = 0; tries < 3; tries++) {
        // Opened for writing: only the player can, so no one else can take
        // the lock. Not through a link, and never waiting on a pipe put there.
        int fd = lax && tries == 0 ? replace_lock_file(path, was) : -1;
        if (fd < 0) fd = open(path, O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
        if (fd < 0) return -1;
        struct stat st;
        if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != geteuid()) {
            close(fd);
            return -1;
        }
        if (st.st_mode & 077) fchmod(fd, st.st_mode & 07700);
        if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
            int err = errno;
            close(fd);
            return err == EWOULDBLOCK ? 1 : -1;
        }
        // The lock holds while the name still gives the file locked; one
        // replaced meanwhile by another start is tried again.
        struct stat now;
        if (lstat(path, &now) == 0 && same_file(now, st)) {
            held = fd;
            return 0;
        }
        close(fd);
    }
    return -1;
}

int64_t now_seconds() { return int64_t(time(nullptr)); }

clock_fields local_clock() {
    time_t t = time(nullptr);
    struct tm tmv;
    localtime_r(&t, &tmv);
    return {tmv.tm_min, tmv.tm_hour, tmv.tm_yday, tmv.tm_year};
}

void sleep_ms(int ms) {
    if (ms <= 0) return;
    struct timespec ts;
    ts.tv_sec = ms / 1000;
    ts.tv_nsec = long(ms % 1000) * 1000000L;
    while (nanosleep(&ts, &ts) != 0 && errno == EINTR) {
    }
}
