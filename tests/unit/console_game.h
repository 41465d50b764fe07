// A game run as a real process for the process-level tests: the fixture
// program in the console, fed through a pipe that stays open, its output
// into a file; and the text of a file as a string.
#pragma once

#include "persist_support.h"
#include "running_game.h"

#include <string>
#include <vector>

namespace persist_test {

// The fixture program in the console; the echo chain counts turns in the
// state and says them back.
struct Game : RunningGame {
    Game(const std::string &home, const std::string &out, bool fresh = false)
        : RunningGame(FIXTURE_BIN, fresh ? std::vector<std::string>{"-n", "-C"} : std::vector<std::string>{"-C"},
                      home, out, {{"FIXTURE_CHAIN", "echo"}}) {}
};

inline std::string text_of(const std::string &path) {
    std::vector<unsigned char> b = read_file(path);
    return std::string(b.begin(), b.end());
}

}  // namespace persist_test
