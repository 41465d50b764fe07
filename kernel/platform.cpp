// POSIX implementations of the platform layer.
#include "platform.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
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
