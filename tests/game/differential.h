// Differential runs: two procedures that must behave alike (a procedure and
// a rewrite of it) are run from the same random states and commands, and
// compared on everything they can touch: the texts said, the whole state
// image (the status word included), the random seed, the typed words and
// `loop`. Used to check a procedure against another form of it, and kept
// for later refactoring.
#pragma once

#include <cstring>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "harness.h"

namespace game_test {

// What the random states and commands are drawn from.
struct draw_space {
    int here = 0;
    std::vector<int> words;                      // command words (refnos)
    std::vector<int> objects;                    // objects whose place and state are drawn
    std::vector<int> places;                     // where objects and the last place may be
    std::vector<std::pair<int, int>> values;     // (refno, highest value): drawn 0..highest
    std::vector<std::pair<int, int>> flags;      // (entity, flag): drawn set or clear
};

// Runs `a` and `b` `runs` times from the same random situations; returns
// a description of the first difference, or "" when they always agree.
inline std::string differ(game_proc a, game_proc b, const draw_space &d, int runs, unsigned seed = 1) {
    std::mt19937 rng(seed);
    auto pick = [&](const std::vector<int> &v) { return v[rng() % v.size()]; };
    struct result {
        state_image image;
        int32_t seed;
        int loop;
        std::vector<said> texts;
        std::string word1, word2;
    };
    auto run = [&](game_proc p) {
        said_log.clear();
        loop = 0;
        p();
        return result{IMAGE, rseed, loop, said_log, arg1_word, arg2_word};
    };
    for (int k = 0; k < runs; k++) {
        // The situation.
        std::memset(&IMAGE, 0, sizeof IMAGE);
        for (int obj = FIRST_OBJECT; obj <= LAST_OBJECT; obj++) location[obj] = PLACE_OFFSTAGE;
        set_ref(VAR_HERE, d.here);
        set_ref(VAR_THERE, d.places.empty() ? d.here : pick(d.places));
        for (int obj : d.objects) {
            const int where = int(rng() % 4);
            location[obj] = where == 0   ? d.here
                            : where == 1 ? PLACE_CARRIED
                            : where == 2 ? PLACE_OFFSTAGE
                                         : (d.places.empty() ? d.here : pick(d.places));
            value[obj] = int(rng() % 9);
        }
        for (auto [r, hi] : d.values) value[r] = int(rng() % unsigned(hi + 1));
        for (auto [e, f] : d.flags) bitmod(rng() % 2 ? 's' : 'c', e, f);
        // The command: one or two words, now and then a parser code second.
        const int n = rng() % 3 == 0 ? 2 : 1 + int(rng() % 2);
        value[VAR_ARG1] = pick(d.words);
        value[VAR_ARG2] = n == 2 ? (rng() % 10 == 0 ? -1 - int(rng() % 6) : pick(d.words)) : -1;
        value[VAR_COMMAND_STATUS] = n;
        fake(1, value[VAR_ARG1]);
        if (value[VAR_ARG2] > 0) fake(2, value[VAR_ARG2]);
        else arg2_word[0] = 0;
        rseed = int32_t(rng() % 32768);

        const state_image start = IMAGE;
        const int32_t start_seed = rseed;
        const std::string w1 = arg1_word, w2 = arg2_word;
        const result ra = run(a);
        IMAGE = start;
        rseed = start_seed;
        std::snprintf(arg1_word, WORD_SIZE, "%s", w1.c_str());
        std::snprintf(arg2_word, WORD_SIZE, "%s", w2.c_str());
        const result rb = run(b);

        std::ostringstream why;
        if (ra.texts != rb.texts) why << "texts " << ra.texts << " vs " << rb.texts;
        if (ra.loop != rb.loop) why << " loop " << ra.loop << " vs " << rb.loop;
        if (ra.seed != rb.seed) why << " seed " << ra.seed << " vs " << rb.seed;
        if (ra.word1 != rb.word1 || ra.word2 != rb.word2) why << " typed words differ";
        const unsigned char *x = image_bytes(const_cast<state_image &>(ra.image));
        const unsigned char *y = image_bytes(const_cast<state_image &>(rb.image));
        for (int i = 0; i < IMAGE_SIZE; i++)
            if (x[i] != y[i]) {
                why << " image differs at byte " << i << (i < NVALUES * 4 ? " (value of refno " : " (")
                    << (i < NVALUES * 4 ? std::to_string(i / 4) + ")" : std::string("flags or places)"));
                break;
            }
        if (!why.str().empty()) {
            std::ostringstream at;
            at << "run " << k << ", words " << start.value[VAR_ARG1] << " " << start.value[VAR_ARG2] << " (count "
               << start.value[VAR_COMMAND_STATUS] << "): " << why.str();
            return at.str();
        }
    }
    return "";
}

}  // namespace game_test
