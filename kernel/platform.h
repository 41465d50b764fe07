// The small layer between the kernel and the operating system: home and
// working directories, file tests, the clock and a millisecond sleep.
#pragma once

#include <cstdint>

constexpr char PATH_SEP = '/';

const char *home_dir();                 // HOME, or null when unset
int change_dir(const char *path);       // 0 on success
int make_dir(const char *path);         // 0 on success
int current_dir(char *buf, int size);   // 0 on success
int path_exists(const char *path);
int is_directory(const char *path);
int is_regular_file(const char *path);
int remove_file(const char *path);      // 0 on success, or when it was absent
int64_t now_seconds();
struct clock_fields {
    int minute, hour, yday, year;  // year less 1900
};
clock_fields local_clock();
void sleep_ms(int ms);
