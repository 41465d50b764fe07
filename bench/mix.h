// The commands of the benchmark replays, by class, and a realistic mix of
// them: moves, looks, inventories, takes and drops, examines, the score,
// words the vocabulary does not know and known words typed with one error.
// Everything comes from a small generator with a fixed seed, so a mix is the
// same every time.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace mix {

enum command_class { MOVE, LOOK, INVENTORY, TAKE_DROP, EXAMINE, SCORE, UNKNOWN, MISSPELT, NCLASSES };

inline const char *const class_names[NCLASSES] = {"move",    "look",  "inventory", "take or drop",
                                                  "examine", "score", "unknown word", "misspelt word"};

struct generator {
    uint32_t seed;
    explicit generator(uint32_t s) : seed(s) {}
    uint32_t next() {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) & 0xFFFFFF;
    }
    size_t pick(size_t n) { return next() % n; }
    template <class T>
    const T &of(const std::vector<T> &v) {
        return v[pick(v.size())];
    }
};

inline const std::vector<std::string> moves = {"north", "south", "east", "west", "ne", "nw", "se", "sw",
                                               "up",    "down",  "n",    "s",    "e",  "w",  "in", "out"};
inline const std::vector<std::string> objects = {"lamp", "key", "sword", "food", "water", "coin",
                                                 "book", "torch", "lantern", "dagger", "rope", "jar"};
// Known words long enough to carry a typing error.
inline const std::vector<std::string> spelt = {"inventory", "lantern", "examine", "north",  "south",
                                               "sword",     "torch",   "score",   "take",   "drop",
                                               "dagger",    "water",   "candle",  "compass"};

// A word of letters that no vocabulary entry is close to.
inline std::string nonword(generator &g) {
    static const char *const parts[] = {"zq", "xv", "bl", "ork", "quin", "fep", "yth", "mub", "gror", "vask"};
    std::string w;
    int n = 2 + int(g.pick(2));
    for (int i = 0; i < n; i++) w += parts[g.pick(10)];
    return w;
}

// A known word with one error: a letter swapped with the next, left out,
// doubled, or replaced.
inline std::string misspell(generator &g) {
    std::string w = g.of(spelt);
    size_t at = 1 + g.pick(w.size() - 2);
    switch (g.pick(4)) {
    case 0:
        std::swap(w[at], w[at + 1]);
        break;
    case 1:
        w.erase(at, 1);
        break;
    case 2:
        w.insert(at, 1, w[at]);
        break;
    default:
        w[at] = w[at] == 'k' ? 'q' : 'k';
        break;
    }
    return w;
}

inline std::string command(command_class c, generator &g) {
    switch (c) {
    case MOVE:
        return g.of(moves);
    case LOOK:
        return g.pick(2) ? "look" : "l";
    case INVENTORY:
        return g.pick(2) ? "inventory" : "i";
    case TAKE_DROP:
        return std::string(g.pick(2) ? "take " : "drop ") + g.of(objects);
    case EXAMINE:
        return "examine " + g.of(objects);
    case SCORE:
        return "score";
    case UNKNOWN:
        return nonword(g);
    case MISSPELT:
        return misspell(g);
    default:
        return "look";
    }
}

// n commands of one class.
inline std::vector<std::string> of_class(command_class c, int n, uint32_t seed = 4242) {
    generator g(seed);
    std::vector<std::string> out;
    for (int i = 0; i < n; i++) out.push_back(command(c, g));
    return out;
}

// n commands in the proportions of play: mostly moves, looks, takes and
// drops, some examines and inventories, the odd score, unknown word or
// misspelling.
inline std::vector<std::string> realistic(int n, uint32_t seed = 4242) {
    static const int weights[NCLASSES] = {35, 12, 8, 18, 10, 3, 7, 7};
    int total = 0;
    for (int w : weights) total += w;
    generator g(seed);
    std::vector<std::string> out;
    for (int i = 0; i < n; i++) {
        int r = int(g.pick(size_t(total))), c = 0;
        while (r >= weights[c]) r -= weights[c++];
        out.push_back(command(command_class(c), g));
    }
    return out;
}

}  // namespace mix
