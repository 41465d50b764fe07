// POSIX implementations of the platform layer.
#include "platform.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

const char *home_dir() {
    const char *h = getenv("HOME");
    return (h && *h) ? h : nullptr;
}

int change_dir(const char *path) { return chdir(path) == 0 ? 0 : -1; }

int make_dir(const char *path) { return mkdir(path, 0755) == 0 ? 0 : -1; }

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

int hold_lock(const char *dir) {
    static int held = -1;
    if (held >= 0) close(held);
    held = open(dir, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (held < 0) return -1;
    if (flock(held, LOCK_EX | LOCK_NB) == 0) return 0;
    int err = errno;
    close(held);
    held = -1;
    return err == EWOULDBLOCK ? 1 : -1;
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
