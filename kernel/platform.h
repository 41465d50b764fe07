// The small layer between the kernel and the operating system: home and
// working directories, file tests, writes into open files, the lock on
// the game's directory, the clock and a millisecond sleep.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr char PATH_SEP = '/';
constexpr int PATH_SIZE = 4096;  // room for a path name and its end

const char *home_dir();                 // HOME, or null when unset
int change_dir(const char *path);       // 0 on success
int make_dir(const char *path);         // 0 on success
int current_dir(char *buf, int size);   // 0 on success
int path_exists(const char *path);
int is_directory(const char *path);
int is_regular_file(const char *path);
int remove_file(const char *path);      // 0 on success, or when it was absent
// Writes len bytes at offset of an open file, going on after an interrupted
// or short write: 0, or the error number.
int write_at(int fd, const void *bytes, size_t len, int64_t offset);
// For tests: every write_at fails with err once `budget` more bytes are
// written (cut at that byte, as a kill in the middle of a write leaves the
// file), or with `growth`, wherever it would make its file longer (what
// fits within the file is written, as on a full disk). A negative budget
// without growth lifts the limit.
void limit_writes(int64_t budget, bool growth, int err);
// Flushes to the disk the directory entry of `path` (after a rename into
// it), so that the file's new name outlives a crash as its data do.
void sync_dir_of(const char *path);
// The file in a game directory whose lock says that a game runs there.
constexpr const char *LOCK_NAME = ".lock";
// Makes a game directory the player's alone: when `dir` lies directly in
// the per-user directory, both lose all group and other access (0700), and
// so do the regular files directly in them (0600 for a file made 0644).
// Any other directory is left as it is.
void make_private(const char *dir);
// Makes the game directory `dir` private (make_private) and takes an
// advisory lock on its lock file, made 0600 and opened for writing (never
// through a link), held while the process lives: the system lets it go when
// the process ends, however it ends, so no lock outlives its game. A lock
// file found open to others or not the player's is replaced by a new one
// first. A second call lets go of the first lock. 0 held; 1 another
// process holds it; -1 it could not be taken.
int hold_lock(const char *dir);
int64_t now_seconds();
struct clock_fields {
    int minute, hour, yday, year;  // year less 1900
};
clock_fields local_clock();
void sleep_ms(int ms);
