// The editor's check of the text source as one book: it reads the .fab
// files (as the text compiler reads them) and finds, in words a writer can
// act on:
//   - a place description that names a compass or vertical way the place
//     answers neither as an exit nor with a reply of its own;
//   - a place long description under the style guide's 40 words;
//   - a placeholder ("Nothing worth describing." and the like);
//   - a text that names a place by a name no place has;
//   - a doubled word or a doubled blank;
//   - a compass word spelled otherwise than docs/world.md writes it.
// What the places answer comes from the caller (the real game in the test,
// a small table for the fixtures), so the check itself is plain text work.
#pragma once

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace prose {

// One entry of the source: `@text`, `@place`, `@object` or `@word`.
struct entry {
    std::string kind, file;
    int refno = 0, line = 0;
    bool raw = false;
    std::map<std::string, std::string> fields;  // "body" for texts and words
    std::map<std::string, int> field_lines;
    std::vector<std::pair<int, std::string>> lines;  // the body lines, for blanks
};

struct source {
    std::vector<entry> entries;
    std::map<int, std::string> place_names;
    std::map<int, std::string> text_bodies;
};

inline std::string lower(std::string s) {
    for (char &c : s) c = char(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// Constant names of game/constants.h, for headers that use them.
inline std::map<std::string, int> read_constants(const std::string &path) {
    std::map<std::string, int> names;
    std::ifstream in(path);
    std::string l;
    static const std::regex def(R"(constexpr int (\w+) = (-?\d+);)");
    std::smatch m;
    while (std::getline(in, l))
        if (std::regex_search(l, m, def)) names[m[1]] = std::stoi(m[2]);
    return names;
}

inline void read_file(source &src, const std::string &path, const std::map<std::string, int> &constants) {
    std::ifstream in(path);
    std::string l;
    entry *cur = nullptr;
    std::string field;
    int no = 0;
    const std::string file = std::filesystem::path(path).filename().string();
    while (std::getline(in, l)) {
        no++;
        if (!l.empty() && l[0] == '#') continue;
        if (!l.empty() && l[0] == '@') {
            std::istringstream words(l.substr(1));
            entry e;
            words >> e.kind;
            e.file = file;
            e.line = no;
            std::string w;
            while (words >> w) {
                if (w[0] == '#') break;
                if (std::isdigit(static_cast<unsigned char>(w[0]))) e.refno = std::stoi(w);
                else if (constants.count(w)) e.refno = constants.at(w);
                else if (w == "raw") e.raw = true;
            }
            src.entries.push_back(e);
            cur = &src.entries.back();
            field = (e.kind == "place" || e.kind == "object") ? "" : "body";
            continue;
        }
        if (!cur) continue;
        if (cur->kind == "place" || cur->kind == "object") {
            static const std::regex dot(R"(^\.(name|brief|long|detail)(?: (.*))?$)");
            std::smatch m;
            if (std::regex_match(l, m, dot)) {
                field = m[1];
                cur->fields[field] = m[2];
                cur->field_lines[field] = no;
                if (!std::string(m[2]).empty()) cur->lines.push_back({no, m[2]});
                continue;
            }
        }
        if (field.empty()) continue;
        std::string &f = cur->fields[field];
        if (!cur->field_lines.count(field)) cur->field_lines[field] = no;
        f += (f.empty() ? "" : "\n") + l;
        cur->lines.push_back({no, l});
    }
}

inline source read_source(const std::vector<std::string> &paths, const std::map<std::string, int> &constants) {
    source src;
    for (const std::string &p : paths) read_file(src, p, constants);
    for (const entry &e : src.entries) {
        if (e.kind == "place" && e.fields.count("name")) {
            std::string n = e.fields.at("name");
            while (!n.empty() && std::isspace(static_cast<unsigned char>(n.back()))) n.pop_back();
            while (!n.empty() && std::isspace(static_cast<unsigned char>(n.front()))) n.erase(0, 1);
            src.place_names[e.refno] = lower(n);
        }
        if (e.kind == "text" && e.fields.count("body")) src.text_bodies[e.refno] = e.fields.at("body");
    }
    return src;
}

// Every .fab file of a folder, sorted.
inline std::vector<std::string> fab_files(const std::string &dir) {
    std::vector<std::string> paths;
    for (const auto &f : std::filesystem::directory_iterator(dir))
        if (f.path().extension() == ".fab") paths.push_back(f.path().string());
    std::sort(paths.begin(), paths.end());
    return paths;
}

// A body as the reader hears it, one string per variant: comment lines are
// gone already; `--` blocks and switches give the variants, holders read as
// "it", named entities by their names, other markup drops out.
inline std::vector<std::string> variants(const source &src, const std::string &body, int depth = 0) {
    std::vector<std::string> blocks;
    {
        std::string cur;
        std::istringstream in(body);
        std::string l;
        bool blocked = false;
        while (std::getline(in, l)) {
            if (l == "--") {
                blocks.push_back(cur);
                cur.clear();
                blocked = true;
                continue;
            }
            cur += l + "\n";
        }
        blocks.push_back(cur);
        if (!blocked) blocks = {cur};
    }
    std::vector<std::string> out;
    for (const std::string &block : blocks) {
        // Lines joined as paragraphs.
        std::string joined;
        std::istringstream in(block);
        std::string l;
        while (std::getline(in, l)) {
            size_t a = l.find_first_not_of(" \t");
            if (a == std::string::npos) {
                joined += "\n";
                continue;
            }
            l = l.substr(a);
            if (l[0] == '|' && joined.find("{{") == std::string::npos) l[0] = '\n';
            joined += " " + l;
        }
        // Switch variants, chosen together.
        static const std::regex sw(R"(\{\{([\s\S]*?)\}\})");
        size_t n = 1;
        for (auto it = std::sregex_iterator(joined.begin(), joined.end(), sw); it != std::sregex_iterator(); ++it) {
            const std::string inner = (*it)[1];
            n = std::max(n, size_t(std::count(inner.begin(), inner.end(), '|') + 1));
        }
        for (size_t v = 0; v < n; v++) {
            std::string t;
            size_t pos = 0;
            for (auto it = std::sregex_iterator(joined.begin(), joined.end(), sw); it != std::sregex_iterator(); ++it) {
                t += joined.substr(pos, size_t(it->position()) - pos);
                std::vector<std::string> parts;
                std::string inner = (*it)[1], part;
                std::istringstream ps(inner);
                while (std::getline(ps, part, '|')) parts.push_back(part);
                if (!inner.empty() && inner.back() == '|') parts.push_back("");
                std::string chosen = parts.empty() ? "" : parts[std::min(v, parts.size() - 1)];
                size_t a = chosen.find_first_not_of(" \t\n"), b = chosen.find_last_not_of(" \t\n");
                t += a == std::string::npos ? "" : chosen.substr(a, b - a + 1);
                pos = size_t(it->position() + it->length());
            }
            t += joined.substr(pos);
            // Markup.
            static const std::regex mark(R"(\{([^{}]*)\})");
            std::string r;
            size_t p2 = 0;
            for (auto it = std::sregex_iterator(t.begin(), t.end(), mark); it != std::sregex_iterator(); ++it) {
                r += t.substr(p2, size_t(it->position()) - p2);
                const std::string m = (*it)[1];
                if (m == "word" || m == "name" || m == "arg" || m == "number") r += "THING";
                else if (m == "_") r += " ";
                else if (m == "nl") r += "\n";
                else if (m == "lb") r += "{";
                else if (m == "rb") r += "}";
                else if (m == "bar") r += "|";
                else if (m.rfind("name:", 0) == 0) {
                    const int ref = std::atoi(m.c_str() + 5);
                    r += src.place_names.count(ref) ? src.place_names.at(ref) : "it";
                } else if (m.rfind("say:", 0) == 0) {
                    const int ref = std::atoi(m.c_str() + 4);
                    if (depth < 4 && src.text_bodies.count(ref)) r += variants(src, src.text_bodies.at(ref), depth + 1)[0];
                }
                p2 = size_t(it->position() + it->length());
            }
            r += t.substr(p2);
            out.push_back(r);
        }
    }
    return out;
}

inline int word_count(const std::string &t) {
    std::istringstream in(t);
    std::string w;
    int n = 0;
    while (in >> w)
        if (std::any_of(w.begin(), w.end(), [](char c) { return std::isalnum(static_cast<unsigned char>(c)); })) n++;
    return n;
}

inline std::string where(const entry &e, const std::string &field) {
    const int l = e.field_lines.count(field) ? e.field_lines.at(field) : e.line;
    return e.file + ":" + std::to_string(l) + ": " + e.kind + " " + std::to_string(e.refno) + " ";
}

// Every text of the source that a player reads, with where it stands:
// texts, names and descriptions (words are single forms).
template <class F>
void each_text(const source &src, F f) {
    for (const entry &e : src.entries) {
        if (e.raw) continue;
        for (const auto &[field, body] : e.fields) {
            if (e.kind == "word" || field == "name") continue;
            f(e, field, body);
        }
    }
}

// --- Ways named -------------------------------------------------------------

// The word refnos of the compass and vertical ways.
constexpr int NORTH = 745, NORTH_EAST = 746, EAST = 747, SOUTH_EAST = 748, SOUTH = 749, SOUTH_WEST = 750,
              WEST = 751, NORTH_WEST = 752, UP = 754, DOWN = 755;

// The ways a place's long description names: a compass word that is not
// part of a name or of the place ("the north wall", "the east thicket",
// "east of the hall"), and "up" or "down" after a word that makes it a way
// ("a stair leads down", "the way up").
inline std::set<int> ways_named(const std::string &text) {
    std::set<int> ways;
    const std::string t = lower(text);
    static const std::regex compass(
        R"((\bthe\s+)?\b(north-east|north-west|south-east|south-west|north|south|east|west)(wards?)?\b(\s+([a-z]+))?)");
    static const std::map<std::string, int> refno = {
        {"north", NORTH}, {"north-east", NORTH_EAST}, {"east", EAST},   {"south-east", SOUTH_EAST},
        {"south", SOUTH}, {"south-west", SOUTH_WEST}, {"west", WEST}, {"north-west", NORTH_WEST}};
    for (auto it = std::sregex_iterator(t.begin(), t.end(), compass); it != std::sregex_iterator(); ++it) {
        const std::string next = (*it)[5];
        const bool plain = (*it)[3].length() == 0;
        if (plain && (*it)[1].length() && !next.empty() && next != "and" && next != "or") continue;
        if (plain && (next == "side" || next == "wall" || next == "end" || next == "of")) continue;
        ways.insert(refno.at((*it)[2]));
    }
    static const std::regex vertical(
        R"(\b(way|ways|lead|leads|led|leading|run|runs|running|go|goes|going|climb|climbs|climbing|descend|descends|descending|rise|rises|rising|continue|continues|head|heads|stair|stairs|steps|ladder|shaft|chimney|passage|path|track|ramp|slope|drop|drops|scramble|clamber)\s+(back\s+)?(up|down)\b|\b(up|down)wards?\b)");
    for (auto it = std::sregex_iterator(t.begin(), t.end(), vertical); it != std::sregex_iterator(); ++it) {
        const std::string w = (*it)[3].length() ? (*it)[3] : (*it)[4];
        ways.insert(w == "up" ? UP : DOWN);
    }
    return ways;
}

inline std::string way_name(int w) {
    static const std::map<int, std::string> n = {{NORTH, "north"}, {NORTH_EAST, "north-east"}, {EAST, "east"},
                                                 {SOUTH_EAST, "south-east"}, {SOUTH, "south"},
                                                 {SOUTH_WEST, "south-west"}, {WEST, "west"},
                                                 {NORTH_WEST, "north-west"}, {UP, "up"}, {DOWN, "down"}};
    return n.count(w) ? n.at(w) : std::to_string(w);
}

// answered(place, state): the ways the place answers in that state (an
// exit or a reply of its own, as opposed to the general refusal). A long
// description with variants is read one state at a time.
using answers = std::function<std::set<int>(int place, int state)>;

inline std::vector<std::string> check_ways(const source &src, const answers &answered) {
    std::vector<std::string> faults;
    for (const entry &e : src.entries) {
        if (e.kind != "place" || !e.fields.count("long")) continue;
        const std::vector<std::string> vs = variants(src, e.fields.at("long"));
        std::set<std::string> seen;
        for (size_t state = 0; state < vs.size(); state++) {
            const std::set<int> ok = answered(e.refno, vs.size() > 1 ? int(state) : -1);
            for (int w : ways_named(vs[state])) {
                if (ok.count(w)) continue;
                std::string f = where(e, "long") + "names the way " + way_name(w) +
                                ", which the place answers with the general refusal" +
                                (vs.size() > 1 ? " (state " + std::to_string(state) + ")" : "");
                if (seen.insert(f).second) faults.push_back(f);
            }
        }
    }
    return faults;
}

// --- Length -----------------------------------------------------------------

constexpr int SHORTEST_LONG = 40;

// Every place with a long description other than those exempt (maze cells
// and cells of look-alike families, which share their texts word for word
// and are kept short on purpose): each of its variants at least 40 words.
inline std::vector<std::string> check_lengths(const source &src, const std::set<int> &exempt) {
    std::vector<std::string> faults;
    for (const entry &e : src.entries) {
        if (e.kind != "place" || !e.fields.count("long") || exempt.count(e.refno)) continue;
        for (const std::string &v : variants(src, e.fields.at("long"))) {
            const int n = word_count(v);
            if (n < SHORTEST_LONG) {
                faults.push_back(where(e, "long") + "long description has " + std::to_string(n) + " words");
                break;
            }
        }
    }
    return faults;
}

// --- Placeholders -----------------------------------------------------------

inline std::vector<std::string> check_placeholders(const source &src) {
    std::vector<std::string> faults;
    static const std::regex filler(
        R"(\b(nothing worth describing|nothing to describe|nothing special here|placeholder|todo|tbd|fixme|xxx|lorem ipsum|to be written|not yet written|description goes here)\b)",
        std::regex::icase);
    each_text(src, [&](const entry &e, const std::string &field, const std::string &body) {
        std::smatch m;
        if (std::regex_search(body, m, filler))
            faults.push_back(where(e, field) + field + " is a placeholder: \"" + std::string(m[0]) + "\"");
    });
    return faults;
}

// --- Place names ------------------------------------------------------------

// "the ..." after a word of going or being somewhere ("to the", "beyond
// the") names a place when its words run to a noun of a kind of place
// (hall, ledge, lookout ...). Such a name must be a place's name or the end
// of one ("the hall" for the inner hall, "the lookout point"); it is a
// name no place has when the noun alone ends no place name ("the lookout"),
// when a word that qualifies place names stands before it and the two end
// no place name ("the ravine lookout"), or when "beyond" closes it ("the
// lookout beyond.").
inline std::vector<std::string> check_place_names(const source &src) {
    static const std::set<std::string> kinds = {
        "lookout", "overlook", "viewpoint", "landing", "ledge",  "hall",  "chamber", "grotto", "passage", "crossing",
        "junction", "alcove", "gallery",  "cavern",  "den",    "pocket", "crawl", "stair",   "stairway", "corridor",
        "vault",   "nook",    "cell",     "shore",   "steps",  "pit"};
    static const std::set<std::string> preps = {"to",     "into",  "towards", "from",    "at",   "onto",
                                                "beyond", "past",  "reach",   "reaches", "in",   "through"};
    std::set<std::string> tails, qualifiers;
    for (const auto &[r, n] : src.place_names) {
        std::istringstream in(n);
        std::vector<std::string> w;
        std::string x;
        while (in >> x) w.push_back(x);
        for (size_t i = 0; i < w.size(); i++) {
            std::string t;
            for (size_t j = i; j < w.size(); j++) t += (t.empty() ? "" : " ") + w[j];
            tails.insert(t);
        }
        for (size_t i = 0; i + 1 < w.size(); i++) qualifiers.insert(w[i]);
    }
    static const std::regex token(R"([a-z'-]+|[.,;:!?()])");
    std::vector<std::string> faults;
    each_text(src, [&](const entry &e, const std::string &field, const std::string &body) {
        for (const std::string &v : variants(src, body)) {
            const std::string t = lower(v);
            std::vector<std::string> tok;
            for (auto it = std::sregex_iterator(t.begin(), t.end(), token); it != std::sregex_iterator(); ++it)
                tok.push_back((*it)[0]);
            for (size_t i = 1; i + 1 < tok.size(); i++) {
                // "to the", and "beyond them, the" in a list of places.
                const bool listed = tok[i - 1] == "," || tok[i - 1] == "and";
                if (tok[i] != "the" || !(preps.count(tok[i - 1]) || listed)) continue;
                std::vector<std::string> seq;
                for (size_t k = i + 1; k < tok.size() && seq.size() < 5 && tok[k] != "the" &&
                                      std::isalpha(static_cast<unsigned char>(tok[k][0]));
                     k++)
                    seq.push_back(tok[k]);
                size_t j = 0;
                while (j < seq.size() && !kinds.count(seq[j])) j++;
                if (j == seq.size() || j > 2) continue;
                // A real name that takes in the noun (and perhaps more).
                bool real = false;
                std::string words;
                for (size_t k = 0; k < seq.size(); k++) {
                    words += (k ? " " : "") + seq[k];
                    if (k >= j && tails.count(words)) real = true;
                }
                const std::string noun_alone = seq[j];
                if (real) continue;
                std::string phrase;
                for (size_t k = 0; k <= j; k++) phrase += (k ? " " : "") + seq[k];
                const size_t after = i + 1 + j + 1;
                const bool beyond = after < tok.size() && tok[after] == "beyond" &&
                                    (after + 1 == tok.size() || !std::isalpha(static_cast<unsigned char>(tok[after + 1][0])));
                const bool qualified = j > 0 && qualifiers.count(seq[j - 1]) && !tails.count(seq[j - 1] + " " + noun_alone);
                // A noun that goes on into another ("the lookout slit") is no name.
                const bool ends = after == tok.size() || !std::isalpha(static_cast<unsigned char>(tok[after][0])) ||
                                  tok[after] == "and" || tok[after] == "or" || tok[after] == "beyond";
                const bool bare = j == 0 && !tails.count(noun_alone) && ends;
                if (beyond || qualified || bare)
                    faults.push_back(where(e, field) + "names \"the " + phrase + (beyond ? " beyond" : "") +
                                     "\", which is no place's name");
            }
        }
    });
    std::sort(faults.begin(), faults.end());
    faults.erase(std::unique(faults.begin(), faults.end()), faults.end());
    return faults;
}

// --- Doubled words and blanks, compass spelling -----------------------------

inline std::vector<std::string> check_doubles(const source &src) {
    std::vector<std::string> faults;
    static const std::regex doubled(R"(\b([A-Za-z]+)\s+\1\b)", std::regex::icase);
    each_text(src, [&](const entry &e, const std::string &field, const std::string &body) {
        for (std::string v : variants(src, body)) {
            // A command quoted ("undo undo") may say a word twice.
            static const std::regex quoted(R"("[^"]*")");
            v = std::regex_replace(v, quoted, "\"\"");
            std::smatch m;
            if (std::regex_search(v, m, doubled)) {
                faults.push_back(where(e, field) + "doubles a word: \"" + std::string(m[0]) + "\"");
                break;
            }
        }
    });
    for (const entry &e : src.entries) {
        if (e.raw) continue;
        bool centred = false;
        for (const auto &[no, l] : e.lines) {
            if (l.find("{pre}") != std::string::npos || l.find("{block}") != std::string::npos ||
                l.find("{centre}") != std::string::npos)
                centred = true;
            if (l.find("{/") != std::string::npos) centred = false;
            if (centred) continue;
            const size_t a = l.find_first_not_of(" \t"), b = l.find_last_not_of(" \t");
            if (a == std::string::npos) continue;
            if (l.substr(a, b - a + 1).find("  ") != std::string::npos)
                faults.push_back(e.file + ":" + std::to_string(no) + ": " + e.kind + " " + std::to_string(e.refno) +
                                 " doubles a blank");
        }
    }
    return faults;
}

inline std::vector<std::string> check_compass_spelling(const source &src) {
    std::vector<std::string> faults;
    static const std::regex run_on(R"(\b(north|south)[ ]?(east|west)(ern|erly|wards?)?\b)", std::regex::icase);
    each_text(src, [&](const entry &e, const std::string &field, const std::string &body) {
        std::smatch m;
        if (std::regex_search(body, m, run_on))
            faults.push_back(where(e, field) + "writes \"" + std::string(m[0]) + "\" (write north-east, south-west)");
    });
    for (const entry &e : src.entries) {
        if (e.kind != "word" || !e.fields.count("body")) continue;
        std::smatch m;
        const std::string &b = e.fields.at("body");
        if (std::regex_search(b, m, run_on))
            faults.push_back(where(e, "body") + "shows \"" + std::string(m[0]) + "\" (write north-east, south-west)");
    }
    return faults;
}

}  // namespace prose
