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

void sync_dir_of(const char *path) {
    char dir[4096];
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
