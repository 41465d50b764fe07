// zendry_play: the game's binary for the benchmarks. It plays the game as
// it stands; two things may be changed, each by its environment variable:
//
//   ZENDRY_PLAY_NO_AUTOSAVE=1  leave the autosave out (the turns stay the
//                              same), to measure a turn without it;
//   ZENDRY_PLAY_RECORD=FILE    once the command file given with -c has
//                              ended (its seed line alone), the commands come
//                              from a player of the benchmark's own, who plays
//                              ZENDRY_PLAY_COMMANDS commands (1000) of the
//                              class ZENDRY_PLAY_CLASS (a class name of
//                              mix.h, or "mix" for the realistic mix) in the
//                              game under way; they are written to FILE as a
//                              command file, which replays that same game in
//                              the game as it stands.
//
// The player starts the game with "begin" and then plays by what it sees of
// the world: it moves by the ways it has found to lead somewhere (and now
// and then tries another), takes what can be carried where it stands, drops
// what it carries, examines what is there, lights its light when it has
// one, and answers "yes" to a question the game asks. When it grows
// thirsty it goes back by the ways it knows to the nearest place where a
// drink has helped before, and drinks there (until it knows of one it
// tries to drink where it stands now and then). At the end it tells
// on the standard error how many of its moves moved and how many of its
// takes and drops took or dropped.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "game.h"
#include "input.h"
#include "mix.h"
#include "startup.h"
#include "text.h"

namespace {

game_proc repeat_chain;
bool no_autosave;

int play_chain() {
    int r = repeat_chain();
    // A turn boundary while the game asks yes or no writes no autosave.
    if (no_autosave) query_flag = 1;
    return r;
}

// ---- The benchmark's player ------------------------------------------------

const std::vector<std::string> directions = {"north", "south", "east", "west", "ne", "nw",
                                             "se",    "sw",    "up",   "down", "in", "out"};

struct player {
    const char *record = nullptr;  // the file the game is recorded in
    std::vector<std::string> played;
    std::vector<int> turns;  // the game's turn count as each command was given
    bool played_out = false;  // all the commands were played (the game did not end first)
    int commands = 1000, issued = 0;
    int only = -1;  // the class played, or -1 for the mix
    mix::generator g{4242};
    std::map<int, std::set<std::string>> ways;    // the words that moved from each place
    std::map<int, std::set<std::string>> blocked;  // ... and those that did not
    std::map<int, std::map<std::string, int>> leads;  // where each of those words led
    std::set<int> springs;  // the places where a drink raised the reserve
    // The way that led into each place; a place where the player got stuck
    // (a bog, a pit) has that way closed behind it once the player is out.
    std::map<int, std::pair<int, std::string>> entered_by;
    int stuck = 0;
    int lit_tried = -100, drink_tried = -100;
    // The command last given, to see what it did (NCLASSES: a command
    // outside the classes, a light, a drink or an answer).
    mix::command_class last = mix::LOOK;
    bool drinking = false;
    int reserve_before = 0;
    std::string last_word;
    int last_place = 0, last_object = 0;
    bool last_took = false;
    int moves = 0, moved = 0, handlings = 0, handled = 0;

    static std::string word_of(int object) {
        for (int e = 0; e < NVOCAB; e++)
            if (voc_refno[e] == object) {
                char w[WORD_SIZE];
                orvcpy(w, voc_word[e]);
                return w;
            }
        return "";
    }
    static bool here(int o) { return location[o] == value[VAR_HERE]; }
    static bool carried(int o) { return location[o] == PLACE_CARRIED; }

    // The objects of a kind: here and portable, carried, or either.
    std::vector<int> objects(bool (*test)(int), bool portable) const {
        std::vector<int> out;
        for (int o = FIRST_OBJECT + 1; o <= LAST_OBJECT; o++)
            if (test(o) && (!portable || bitest(o, OFLAG_PORTABLE)) && !word_of(o).empty()) out.push_back(o);
        return out;
    }

    // What the command before did: a move that moved, a take that took.
    void observe() {
        if (last == mix::MOVE) {
            moves++;
            if (value[VAR_HERE] != last_place) {
                moved++;
                ways[last_place].insert(last_word);
                leads[last_place][last_word] = value[VAR_HERE];
                entered_by[value[VAR_HERE]] = {last_place, last_word};
                stuck = 0;
            } else {
                blocked[last_place].insert(last_word);
                leads[last_place].erase(last_word);  // not to be taken to water again
                if (++stuck == 6 && entered_by.count(last_place)) {
                    const auto &[from, word] = entered_by[last_place];
                    ways[from].erase(word);
                    leads[from].erase(word);
                    blocked[from].insert(word);
                }
            }
        } else if (last == mix::TAKE_DROP && last_object) {
            handlings++;
            if (carried(last_object) == last_took) handled++;
        }
        if (drinking && value[VAR_RESERVE] > reserve_before) springs.insert(value[VAR_HERE]);
        drinking = false;
        last_object = 0;
    }

    // The first word of the shortest known way from here to a spring ("" if
    // none is known).
    std::string way_to_water() const {
        std::map<int, std::string> first;  // place reached -> the first word taken from here
        std::deque<int> queue = {value[VAR_HERE]};
        first[value[VAR_HERE]] = "";
        while (!queue.empty()) {
            const int at = queue.front();
            queue.pop_front();
            if (springs.count(at)) return first[at];
            const auto found = leads.find(at);
            if (found == leads.end()) continue;
            for (const auto &[word, to] : found->second)
                if (!first.count(to)) {
                    first[to] = at == value[VAR_HERE] ? word : first[at];
                    queue.push_back(to);
                }
        }
        return "";
    }

    std::string drink() {
        drink_tried = issued;
        drinking = true;
        reserve_before = value[VAR_RESERVE];
        return "drink water";
    }

    std::string choose() {
        last = mix::NCLASSES;
        if (issued == 0) return "begin";
        if (value[VAR_QUESTION] != 0) return "yes";
        if (carried(OBJ_LIGHT_SOURCE) && value[OBJ_LIGHT_SOURCE] == 0 && issued - lit_tried > 20) {
            lit_tried = issued;
            return "light lamp";
        }
        // Thirsty (the game has said so): to water by the ways known.
        if (value[OBJ_LIQUID_1] != 0) {
            if (springs.count(value[VAR_HERE])) return drink();
            const std::string way = way_to_water();
            if (!way.empty()) {
                last = mix::MOVE;
                last_place = value[VAR_HERE];
                last_word = way;
                return way;
            }
            if (issued - drink_tried > 10) return drink();
        }
        int c = only;
        if (c < 0) {
            static const int weights[mix::NCLASSES] = {35, 12, 8, 18, 10, 3, 7, 7};
            int r = int(g.pick(100));
            c = 0;
            while (r >= weights[c]) r -= weights[c++];
        }
        last = mix::command_class(c);
        switch (last) {
        case mix::MOVE: {
            last_place = value[VAR_HERE];
            const std::set<std::string> &known = ways[last_place];
            if (!known.empty() && g.pick(8) != 0) {
                auto it = known.begin();
                std::advance(it, long(g.pick(known.size())));
                last_word = *it;
            } else {
                // A way not tried yet from here, while there is one.
                const std::set<std::string> &tried = blocked[last_place];
                std::vector<std::string> untried;
                for (const std::string &d : directions)
                    if (!known.count(d) && !tried.count(d)) untried.push_back(d);
                last_word = untried.empty() ? g.of(directions) : g.of(untried);
            }
            return last_word;
        }
        case mix::TAKE_DROP: {
            const std::vector<int> there = objects(here, true), held = objects(carried, false);
            last_took = !there.empty() && (held.size() < 4 || held.empty() || g.pick(2));
            const std::vector<int> &from = last_took ? there : held;
            if (from.empty()) break;
            last_object = from[g.pick(from.size())];
            return (last_took ? "take " : "drop ") + word_of(last_object);
        }
        case mix::EXAMINE: {
            std::vector<int> seen = objects(here, false), held = objects(carried, false);
            seen.insert(seen.end(), held.begin(), held.end());
            if (seen.empty()) break;
            return "examine " + word_of(seen[g.pick(seen.size())]);
        }
        default:
            return mix::command(last, g);
        }
        // Nothing to take, drop or examine here: the player moves on.
        last = mix::MOVE;
        last_place = value[VAR_HERE];
        last_word = g.of(directions);
        return last_word;
    }

    int line(char *buf, int size) {
        if (issued > 0) observe();
        if (issued >= commands) {
            played_out = true;
            return 0;
        }
        const std::string c = choose();
        issued++;
        played.push_back(c);
        turns.push_back(value[VAR_TURNS]);
        snprintf(buf, size_t(size), "%s", c.c_str());
        return 1;
    }
} bot;

int bot_line(char *buf, int size) { return bot.line(buf, size); }

// Writes the game played as a command file. A game that ended before its
// commands did (the player's fourth death) is written without its last ten
// commands: it replays a game still under way, which keeps its autosave
// (the end of a game removes it).
void report() {
    size_t n = bot.played.size();
    if (!bot.played_out) n = n > 10 ? n - 10 : 0;
    if (FILE *f = fopen(bot.record, "w")) {
        fprintf(f, "Wiz: 4242\n");
        for (size_t i = 0; i < n; i++) fprintf(f, "REPLY: %s\n", bot.played[i].c_str());
        fclose(f);
    } else {
        perror(bot.record);
    }
    // The turns those commands play: the count as the next was given.
    const int turns = n < bot.turns.size() ? bot.turns[n] : value[VAR_TURNS];
    fprintf(stderr,
            "zendry_play: %d commands (%d turns), %d of %d moves moved, %d of %d takes and drops took or dropped\n",
            int(n), turns, bot.moved, bot.moves, bot.handled, bot.handlings);
}

}  // namespace

int main(int argc, char **argv) {
    const char *off = getenv("ZENDRY_PLAY_NO_AUTOSAVE");
    no_autosave = off && *off == '1';
    repeat_chain = procs[2];
    procs[2] = play_chain;
    if (const char *path = getenv("ZENDRY_PLAY_RECORD")) {
        bot.record = path;
        if (const char *n = getenv("ZENDRY_PLAY_COMMANDS")) bot.commands = atoi(n);
        if (const char *c = getenv("ZENDRY_PLAY_CLASS"))
            for (int k = 0; k < mix::NCLASSES; k++)
                if (strcmp(c, mix::class_names[k]) == 0) bot.only = k;
        line_source = bot_line;
        atexit(report);
    }
    return fablet_main(argc, argv);
}
