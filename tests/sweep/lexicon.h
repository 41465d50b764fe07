// The words the game prints, as the sweep reads them: the two committed
// lists that say of every word whether it names a thing a player may
// examine (things.txt) or not (not-things.txt: function words, verbs,
// adjectives, ways, names of what is not there to see...), and the things
// a text names: each word of a thing, except a word that only qualifies
// the thing word after it ("stone pipe" names the pipe, "iron gate" the
// gate, "the lynx's den" the den).
#pragma once

#include <cctype>
#include <fstream>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace sweep {

struct lexicon {
    std::set<std::string> things, others;
};

// A list file: one word a line; blank lines and "#" comments are skipped.
inline std::set<std::string> read_list(const std::string &path) {
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::set<std::string> words;
    std::string l;
    while (std::getline(in, l)) {
        const size_t hash = l.find('#');
        if (hash != std::string::npos) l.erase(hash);
        const size_t a = l.find_first_not_of(" \t\r"), b = l.find_last_not_of(" \t\r");
        if (a != std::string::npos) words.insert(l.substr(a, b - a + 1));
    }
    return words;
}

inline lexicon read_lexicon(const std::string &dir) {
    lexicon lx{read_list(dir + "/things.txt"), read_list(dir + "/not-things.txt")};
    for (const std::string &w : lx.things)
        if (lx.others.count(w)) throw std::runtime_error("\"" + w + "\" is in both word lists");
    return lx;
}

// A word of a text, lower case, and whether the next word follows it
// after a blank alone (no punctuation between: the two may be one phrase).
struct token {
    std::string word;
    bool joined_to_next = false;
};

inline bool word_char(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

// The words of a text: runs of letters, with the apostrophes and hyphens
// inside them; a possessive "'s" or "s'" is dropped ("the warden's" reads
// "warden"). A word in capitals alone (the prose reader's stand-in for a
// typed word, a notice's shouting) is left out, and cuts the phrase it
// stands in.
inline std::vector<token> tokens(const std::string &text) {
    struct span {
        std::string word;
        size_t begin, end;
    };
    std::vector<span> spans;
    const size_t n = text.size();
    for (size_t i = 0; i < n;) {
        if (!word_char(text[i])) {
            i++;
            continue;
        }
        size_t j = i + 1;
        while (j < n && (word_char(text[j]) || ((text[j] == '\'' || text[j] == '-') && j + 1 < n && word_char(text[j + 1]))))
            j++;
        std::string w = text.substr(i, j - i);
        bool capitals = w.size() > 1;
        for (char c : w)
            if (std::islower(static_cast<unsigned char>(c))) capitals = false;
        for (char &c : w) c = char(std::tolower(static_cast<unsigned char>(c)));
        if (w.size() > 2 && w.compare(w.size() - 2, 2, "'s") == 0) w.erase(w.size() - 2);
        if (j < n && text[j] == '\'' && w.back() == 's') j++;  // "the wardens' cottage"
        spans.push_back({capitals ? std::string() : w, i, j});
        i = j;
    }
    std::vector<token> out;
    for (size_t k = 0; k < spans.size(); k++) {
        if (spans[k].word.empty()) continue;
        const bool joined = k + 1 < spans.size() && !spans[k + 1].word.empty() &&
                            text.compare(spans[k].end, spans[k + 1].begin - spans[k].end, " ") == 0;
        out.push_back({spans[k].word, joined});
    }
    return out;
}

// The things a text names, in order, each once; words in neither list are
// added to `unlisted`. Not named: a thing said not to be there ("no door",
// "no open sky": "no" before it in the same phrase), the player's own
// ("your feet"), and what a likeness brings in ("like the inside of a
// bell", "as if something had been set there": from "like", "as if" or
// "as though" to the end of the clause).
inline std::vector<std::string> things_named(const std::string &text, const lexicon &lx,
                                             std::set<std::string> *unlisted = nullptr) {
    const std::vector<token> ts = tokens(text);
    std::vector<std::string> out;
    std::set<std::string> seen;
    bool likeness = false;
    for (size_t k = 0; k < ts.size(); k++) {
        const std::string &w = ts[k].word;
        if (k > 0 && !ts[k - 1].joined_to_next) likeness = false;
        const std::string next = ts[k].joined_to_next && k + 1 < ts.size() ? ts[k + 1].word : "";
        if (w == "like" || (w == "as" && (next == "if" || next == "though"))) likeness = true;
        if (lx.things.count(w)) {
            const bool qualifies = lx.things.count(next) > 0;
            bool denied = false;
            for (size_t back = 1; back <= 2 && back <= k && ts[k - back].joined_to_next; back++)
                if (ts[k - back].word == "no") denied = true;
            const bool own = k > 0 && ts[k - 1].joined_to_next && ts[k - 1].word == "your";
            if (!qualifies && !denied && !own && !likeness && seen.insert(w).second) out.push_back(w);
        } else if (!lx.others.count(w) && unlisted) {
            unlisted->insert(w);
        }
    }
    return out;
}

}  // namespace sweep
