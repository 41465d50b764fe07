// The real game played in this process, and probes of the states it passes
// through. `play` starts the game as the program does (`-n -p0 -c` over a
// command file that holds the seed line alone, in a home of its own, so the
// first game opens as a fresh player's does) and types the commands given,
// one a line. At the top of every turn that is to read the next line it
// takes a snapshot of the state and calls back; there `run` types other
// commands from that snapshot (or from one taken after them), and the game
// then goes on from the snapshot as if nothing had been typed.
//
// A snapshot holds everything a later turn reads: the state image and the
// undo journal's place, the seeds, the pending output, the recent-words
// tree and what the command reader keeps between lines. So what `run`
// finds is what the same commands typed into the real program find after
// the same lines (the sweep checks this on reproducers through the binary).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace sweep {

// One call of say: qualifiers, refno, argument.
struct said {
    int quals = 0, text = 0, arg = 0;
};

// How the command reader reads a word where the player stands: the refno
// or parser code it takes, whether a vocabulary entry is spelt exactly as
// typed, and the word it is shown as.
struct reading {
    int refno = 0;
    bool exact = false;
    std::string shown;
};

// What the last command of a run did.
struct outcome {
    bool typed = false;     // the last command was typed (the game had not ended first)
    bool finished = false;  // its turn ran to the end (no question read more input)
    bool ended = false;     // the game ended
    int asked = 0;          // the question pending when it was typed (it was the answer)
    int place = 0;          // where the player stands after it
    int question = 0;       // the question it left pending (0 none)
    std::vector<said> texts;  // what it said, in order
    std::string reply;        // what it printed, as plain text
    reading word;             // the reading of the run's word, as the command was typed
};

// The state at the top of a turn.
struct snapshot;
using snapshot_ptr = std::shared_ptr<const snapshot>;

// The place and the pending question of a snapshot, and any value.
int place_of(const snapshot &s);
int question_of(const snapshot &s);
int value_in(const snapshot &s, int refno);

// Plays the game over `commands` (lines, as typed) from the seed of
// `seed_line` ("Wiz: N"), calling `at_boundary(n, state)` at the top of the
// turn that is to read line n + 1 (n >= 1). Returns the program's exit
// status. Once in a process: a run keeps settings in the kernel that a
// second one would start from.
int play(const std::string &seed_line, const std::vector<std::string> &commands,
         const std::function<void(size_t, const snapshot_ptr &)> &at_boundary);

// From `from` (while `play` is calling back, or after it with `read_in`):
// types the lines of `commands` and tells what the last one did (all the
// turns of its line, when it holds more than one command); `word`, when given, is read as the second word of
// the last command would be. With `after`, the state at the top of the next
// turn is kept there (null when the game ended).
outcome run(const snapshot &from, const std::vector<std::string> &commands, const std::string &word = "",
            snapshot_ptr *after = nullptr);

// How the reader would read `word` as a second word in state `s`, with
// `setup` applied to the state first (the state is put back after).
reading read_in(const snapshot &s, const std::string &word, const std::function<void()> &setup = {});

// A digest of what a snapshot holds that a later turn reads (the state
// image, the seeds, the pending output, the recent-words tree): two states
// reached by different means are the same when their digests are.
uint64_t digest(const snapshot &s);

// The number of runs made so far.
long runs_made();

}  // namespace sweep
