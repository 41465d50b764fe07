// What the fuzz harnesses share: a sandbox directory that serves as the
// home directory and the working directory, the kernel put back to the state
// of a fresh process before every run, the program's main run in-process
// with its exits caught, typed lines for the console, and the guards that
// keep a run inside the sandbox (no browser started, no file written outside
// it, no sleeping, no unbounded output).
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace fuzz {

using bytes = std::vector<uint8_t>;

// Thrown by the kernel's exit hook: the program ended with this status.
struct program_exit {
    int status;
};

// Once per process, from LLVMFuzzerInitialize: makes the sandbox, points
// HOME at it, installs the exit hook and the output sinks, and gives
// libFuzzer an absolute artifact prefix (the kernel changes directory, and a
// relative one would put crash files inside the sandbox).
void setup(int *argc, char ***argv);

const std::string &root();  // the sandbox
const std::string &home();  // HOME, inside it
const std::string &work();  // the directory a run starts in
std::string game_dir();     // where the game keeps its files: HOME/fablet/zendry

// Empties the sandbox (HOME with an empty fablet directory, an empty working
// directory) and changes to the working directory.
void clean_sandbox();

// The kernel's globals back to what a new process has, and a clean sandbox.
void fresh_process();
void reset_kernel();  // the globals alone, the sandbox left as it is


// The lines typed at the console, in turn; when none is left the console
// reports the end of input.
void type_lines(std::vector<std::string> lines);

// Runs the program's main with these arguments (the program name is added)
// in the sandbox; returns 255 for a normal end or the status it exited with.
int run_program(const std::vector<std::string> &args);

// A kernel session without main, for the readers called directly: the
// database key set, console output to the sink, the working directory the
// game's own, plain console mode.
void open_session();

// A game in progress: a short opening played once per process (a new game
// in the console), then saved as the autosave is. Its files: the saved game,
// the undo journal beside it and the transcript of the last turn (empty
// when not written).
struct game_files {
    bytes save, journal, transcript;
};
const game_files &in_progress();
void put_in_progress(const std::string &base);  // as base.orv, base.orh and base.orl

// Marks the code under test, for the guards; nests.
struct in_target {
    in_target();
    ~in_target();
    in_target(const in_target &) = delete;
    in_target &operator=(const in_target &) = delete;
};

// Files, written and read without the guards.
void write_file(const std::string &path, const uint8_t *data, size_t size);
inline void write_file(const std::string &path, const std::string &s) {
    write_file(path, reinterpret_cast<const uint8_t *>(s.data()), s.size());
}
bytes read_file(const std::string &path);  // empty when missing

// The input cut at each sep into at most max_parts parts (the last takes
// the rest).
std::vector<std::string> split(const uint8_t *data, size_t size, char sep, size_t max_parts);

// A finding that no sanitizer reports: printed, then the process aborts so
// that libFuzzer keeps the input.
[[noreturn]] void fail(const char *what);

}  // namespace fuzz
