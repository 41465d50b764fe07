// world_sweep: does the world answer what it names? The real game is played
// in this process along the winning walkthrough (play.h). In every state it
// passes through, and in every place reached by walking out from those
// states (each way word tried from each place, breadth first, into places
// not reached yet), the sweep looks, takes the things the look names
// (lexicon.h), and examines each thing once per place. Each reply is
// classed by the refnos of the texts said and by how the reader read the
// word, never by wording:
//
//   answered  a reply of its own (a description, a fitting scenery line);
//   stock     a generic reply that neither denies the thing nor tells of it
//             ("You see nothing special about the walls."): it passes, and
//             is counted apart so that it can be read;
//   denied    the game's denials ("I see no field here.", "Nothing comes of
//             that.");
//   refused   a word the reader knows that nothing answers ("I'm not sure
//             what you mean.", "I don't see how to do that.");
//   misread   the reader took the word for another one (a prefix, or the
//             typo corrector: "mouth" as south);
//   unknown   the reader does not know the word ("Check the spelling?", "I
//             can't do anything with the word", or "only scenery" for a
//             word it merely saw printed).
//
// Denied, refused, misread and unknown fail. The same is asked of the
// vocabulary alone: every thing word of the looks met and of the place and
// object descriptions must be read as itself, not taken for another word.
//
// It prints the counts, overall and by region (the places-*.fab file of
// each place), the failing nouns by count, and every failing pair with a
// reproducer: a command file for the real program that plays the
// walkthrough up to the state, walks the way out, looks, and types the
// failing command (reproduce.sh plays one; --verify plays a sample and
// checks that the program prints what the sweep met). With --known it
// fails only on failures that the committed lists (known-failures.txt,
// known-misreadings.txt) do not hold, and tells which listed ones pass now;
// --write-known writes the lists afresh. It always fails on a word a look
// or a description prints that neither things.txt nor not-things.txt
// lists, so that a new description cannot slip past it (--words tells
// where each such word stands).
//
//   world_sweep [--known] [--report FILE] [--reproducers DIR] [--all]
//               [--program ZENDRY --verify N] [--write-known] [--words]
//               [--misreadings] [--walkthrough FILE]
//
// --reproducers writes one for every failing pair, or with --known for
// each one not listed; --all lists every pair in the report, not only the
// failing ones; --misreadings lists the misread words alone. The report
// goes to its file, or to the standard output (with --known, only its
// summary does).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "game/prose_check.h"
#include "lexicon.h"
#include "play.h"
#include "state.h"

namespace {

using namespace sweep;

// ---- The texts a reply is classed by -----------------------------------------

// The denials: the thing is said not to be there, or looking at it is
// said to come to nothing.
const std::set<int> DENIALS = {
    1319,  // "I see no {word} here." / "There is no sign of any ..." / "You can't see any ..."
    1513,  // "I see no {word} here."
    1330,  // "There are no carvings here."
    2007,  // "You see nothing of the kind."
    1352,  // "Nothing comes of that."
    1329,  // "Nothing comes of it."
};

// The refusals: a word the reader knows, and nothing answers it as a
// thing to look at.
const std::set<int> REFUSALS = {
    1493,  // "I'm not sure what you mean." (the last of the last replies)
    1403,  // "I don't see how to do that." / "That makes no sense here." ...
    1997,  // "You can't {word}" ... (the word taken for a verb)
    2702,  // "What do you want to {word}?"
    1349,  // "I don't know how to "{word}"."
    2464,  // "You can't do that." ...
};

// Generic replies that name the thing but tell nothing of it: they pass,
// and are counted apart so that they can be read.
const std::set<int> STOCK = {
    2033,  // "You see nothing special about the {name}."
    2596,  // "You see nothing special about the {word}." / "... looks much as you would expect." ...
    2896,  // "The {word} is plain and grey, with nothing special about it."
    2902,  // "The {word} leads on into the dark." ...
    2903,  // "There is nothing in the {word} to catch your eye." ...
    1849,  // "There is nothing out of the ordinary about the {word}."
    2037,  // "There is not much you can do with the {word}: it is just part of the place."
    2952,  // "You study the {word} closely, without learning anything new."
    2377,  // "You see nothing there worth a second look."
    2535,  // ""{word}" is only scenery; you needn't bother with it." ... (for a word it knows)
};

// Texts said around a reply that do not answer: the typo report and the
// hint for a new player.
const std::set<int> ASIDES = {2557, 1856};

enum kind { ANSWERED, STOCK_REPLY, DENIED, REFUSED, MISREAD, UNKNOWN, NKINDS };
const char *const KIND_NAMES[NKINDS] = {"answered", "stock", "denied", "refused", "misread", "unknown"};
bool fails(kind k) { return k == DENIED || k == REFUSED || k == MISREAD || k == UNKNOWN; }

// The first text of a reply that answers (not an aside), or 0.
int answer_text(const outcome &x) {
    for (const said &s : x.texts)
        if (!ASIDES.count(s.text)) return s.text;
    return 0;
}

kind classify(const outcome &x) {
    if (x.word.refno >= 0 && !x.word.exact) return MISREAD;
    if (x.word.refno < -1) return UNKNOWN;
    for (const said &s : x.texts) {
        if (ASIDES.count(s.text)) continue;
        if (DENIALS.count(s.text)) return DENIED;
        if (REFUSALS.count(s.text)) return REFUSED;
        if (STOCK.count(s.text)) return STOCK_REPLY;
        return ANSWERED;
    }
    return REFUSED;  // silence answers nothing
}

// ---- The world's source --------------------------------------------------------

struct place_info {
    std::string name, region;
};

struct world {
    std::map<int, place_info> places;       // the described places
    std::vector<std::string> descriptions;  // place and object descriptions, every variant
};

world read_world(const std::string &root) {
    world w;
    const auto constants = prose::read_constants(root + "/game/constants.h");
    const prose::source src = prose::read_source(prose::fab_files(root + "/game/text"), constants);
    for (const prose::entry &e : src.entries) {
        if (e.kind != "place" && e.kind != "object") continue;
        for (const char *field : {"long", "brief", "detail"}) {
            if (!e.fields.count(field)) continue;
            for (const std::string &v : prose::variants(src, e.fields.at(field))) w.descriptions.push_back(v);
        }
        if (e.kind == "place" && e.fields.count("long") && e.file.rfind("places-", 0) == 0) {
            std::string region = e.file.substr(7);
            region.erase(region.size() - 4);
            w.places[e.refno] = {src.place_names.count(e.refno) ? src.place_names.at(e.refno) : "", region};
        }
    }
    return w;
}

// The walkthrough: its seed line and its lines as typed (after "REPLY:").
struct walkthrough {
    std::string seed;
    std::vector<std::string> lines;
};

walkthrough read_walkthrough(const std::string &path) {
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot read " + path);
    walkthrough w;
    std::getline(in, w.seed);
    std::string l;
    while (std::getline(in, l))
        if (l.rfind("REPLY:", 0) == 0) w.lines.push_back(l.substr(6));
    return w;
}

std::string trimmed(const std::string &s) {
    const size_t a = s.find_first_not_of(" \t"), b = s.find_last_not_of(" \t");
    return a == std::string::npos ? "" : s.substr(a, b - a + 1);
}

// ---- The sweep -------------------------------------------------------------------

// Where a state was met: after `line` lines of the walkthrough, then the
// ways of `path`.
struct origin {
    size_t line = 0;
    std::vector<std::string> path;
};

struct pair_result {
    int place = 0;
    std::string noun;
    origin from;
    std::vector<std::string> look, examine;  // the lines typed to look, then to examine
    kind k = ANSWERED;
    outcome x;
    bool keln = false;     // typed and answered in Keln letters
    std::string naming;    // the sentence of the look that names the thing
};

// The sentence of `text` in which `word` first stands as a word.
std::string sentence_naming(const std::string &text, const std::string &word) {
    std::string lower = text;
    for (char &c : lower) c = char(std::tolower(static_cast<unsigned char>(c)));
    for (size_t at = lower.find(word); at != std::string::npos; at = lower.find(word, at + 1)) {
        const size_t end = at + word.size();
        if ((at > 0 && std::isalpha(static_cast<unsigned char>(lower[at - 1]))) ||
            (end < lower.size() && std::isalpha(static_cast<unsigned char>(lower[end]))))
            continue;
        size_t from = text.find_last_of(".!?\n", at);
        from = from == std::string::npos ? 0 : from + 1;
        size_t to = text.find_first_of(".!?\n", end);
        to = to == std::string::npos ? text.size() : to + 1;
        std::string sentence = text.substr(from, to - from);
        const size_t a = sentence.find_first_not_of(" "), b = sentence.find_last_not_of(" \n");
        return a == std::string::npos ? "" : sentence.substr(a, b - a + 1);
    }
    return "";
}

// A command as the player types it in state `s`: while the player speaks
// Keln, every letter one on ("look" is typed "mppl").
std::string as_typed(const snapshot &s, std::string command) {
    if (value_in(s, KV_DWARVISH) == 0) return command;
    for (char &c : command)
        if (c >= 'a' && c <= 'z') c = c == 'z' ? 'a' : char(c + 1);
    return command;
}

// What the game prints in Keln letters (every letter one on, as it prints
// everything while the player speaks Keln) as plain words.
std::string from_keln(std::string text) {
    for (char &c : text) {
        if (c >= 'a' && c <= 'z') c = c == 'a' ? 'z' : char(c - 1);
        else if (c >= 'A' && c <= 'Z') c = c == 'A' ? 'Z' : char(c - 1);
    }
    return text;
}
// What the game prints in state `s` as plain words.
std::string as_read(const snapshot &s, const std::string &text) {
    return value_in(s, KV_DWARVISH) == 0 ? text : from_keln(text);
}

// Runs `command` from `from`. When a question is pending as it is typed (a
// hint offered at the start of the turn, say), "no" answers it first;
// `typed` gets the lines typed. The outcome's `asked` tells whether the
// command was still taken as an answer.
outcome run_past_question(const snapshot &from, const std::string &command, const std::string &word,
                          snapshot_ptr *after, std::vector<std::string> &typed) {
    typed = {as_typed(from, command)};
    const std::string w = as_typed(from, word);
    const outcome o = run(from, typed, w, after);
    if (o.asked == 0) return o;
    typed = {as_typed(from, "no"), typed[0]};
    return run(from, typed, w, after);
}

struct sweep_result {
    size_t states = 0;
    std::vector<std::string> ways;
    std::map<int, origin> reached;        // described places looked at, and where first
    std::vector<int> partly;             // ... where some thing named was never examined
    std::vector<pair_result> pairs;
    std::map<std::string, std::pair<int, std::string>> unlisted;  // word -> a place and the look that printed it
    std::set<std::string> look_things;   // every thing word the looks named
    std::vector<size_t> unfaithful;      // lines after which runs from snapshots and the game disagree
    snapshot_ptr first;                  // the state after the first line
    double seconds = 0;
    long runs = 0;
};

// The walkthrough replayed by runs from the first state met (the first
// lines are answers read inside the opening), each run from the snapshot
// the one before left: the digest of the state after each line, and the
// place. The game itself reaches the same states as it plays on, or
// snapshots miss something that a turn reads.
struct replayed {
    std::vector<uint64_t> digests;
    std::vector<int> places;
};

replayed replay(const snapshot_ptr &first, size_t first_line, const walkthrough &wt) {
    replayed r;
    r.digests.assign(wt.lines.size() + 1, 0);
    r.places.assign(wt.lines.size() + 1, 0);
    r.digests[first_line] = digest(*first);
    r.places[first_line] = place_of(*first);
    snapshot_ptr s = first;
    std::vector<std::string> lines;
    for (size_t n = first_line + 1; n <= wt.lines.size(); n++) {
        // A line read inside a turn (the answer to a question asked in its
        // course) is typed with the line before it.
        lines.push_back(wt.lines[n - 1]);
        snapshot_ptr after;
        const outcome o = run(*s, lines, "", &after);
        if (!o.finished && !o.ended) continue;
        lines.clear();
        if (!after) break;
        r.digests[n] = digest(*after);
        r.places[n] = place_of(*after);
        s = after;
    }
    return r;
}

// The compass and vertical ways, then the one-word lines of the walkthrough
// that moved the player (the words for places among them). The rest of the
// vocabulary's words for places reach no other place, and would treble the
// commands run.
std::vector<std::string> ways_to_try(const walkthrough &wt, const replayed &rp) {
    std::vector<std::string> ways = {"n", "s", "e", "w", "ne", "nw", "se", "sw", "u", "d", "in", "out"};
    std::set<std::string> have(ways.begin(), ways.end());
    for (size_t n = 2; n < rp.places.size(); n++) {
        const std::string line = trimmed(wt.lines[n - 1]);
        if (rp.places[n] == 0 || rp.places[n - 1] == 0 || rp.places[n] == rp.places[n - 1]) continue;
        if (line.empty() || line.find_first_of(" ;,.") != std::string::npos) continue;
        std::string lower = line;
        for (char &c : lower) c = char(std::tolower(static_cast<unsigned char>(c)));
        if (have.insert(lower).second) ways.push_back(lower);
    }
    return ways;
}

sweep_result run_sweep(const walkthrough &wt, const world &w, const lexicon &lx) {
    const auto t0 = std::chrono::steady_clock::now();
    sweep_result r;
    std::map<int, std::set<std::string>> examined;
    replayed rp;
    const long runs_before = runs_made();

    // Looks where the state stands and examines each thing the look names
    // that has not been examined in that place yet. True when the look and
    // every examining were made (no question took the command, the game
    // went on): the place is done with.
    auto look_and_examine = [&](const snapshot &s, const origin &o) {
        const int place = place_of(s);
        snapshot_ptr looked;
        std::vector<std::string> look_typed;
        const outcome look = run_past_question(s, "look", "", &looked, look_typed);
        if (look.asked || !look.finished || !looked || question_of(*looked) != 0 || place_of(*looked) != place)
            return false;
        if (!r.reached.count(place)) r.reached[place] = o;
        bool complete = true;
        std::set<std::string> unlisted;
        const std::string seen = as_read(*looked, look.reply);
        for (const std::string &noun : things_named(seen, lx, &unlisted)) {
            r.look_things.insert(noun);
            if (examined[place].count(noun)) continue;
            pair_result p;
            p.place = place;
            p.noun = noun;
            p.from = o;
            p.look = look_typed;
            p.x = run_past_question(*looked, "examine " + noun, noun, nullptr, p.examine);
            if (p.x.asked || !p.x.typed) {
                complete = false;
                continue;
            }
            examined[place].insert(noun);
            p.k = classify(p.x);
            p.keln = value_in(*looked, KV_DWARVISH) != 0;
            p.naming = sentence_naming(seen, noun);
            r.pairs.push_back(p);
        }
        for (const std::string &u : unlisted)
            if (!r.unlisted.count(u)) r.unlisted[u] = {place, seen};
        return complete;
    };

    std::set<int> done;  // places looked at, and every thing named there examined
    play(wt.seed, wt.lines, [&](size_t n, const snapshot_ptr &s) {
        if (!r.first) {
            r.first = s;
            rp = replay(s, n, wt);
            r.ways = ways_to_try(wt, rp);
        }
        if (n >= rp.digests.size() || rp.digests[n] != digest(*s)) r.unfaithful.push_back(n);
        r.states++;
        if (question_of(*s) != 0) return;
        const origin here{n, {}};
        if (w.places.count(place_of(*s)) && look_and_examine(*s, here)) done.insert(place_of(*s));
        // Out from here, breadth first, into places not done with yet.
        std::set<int> entered = {place_of(*s)};
        std::vector<std::pair<snapshot_ptr, origin>> queue = {{s, here}};
        for (size_t q = 0; q < queue.size(); q++) {
            const snapshot_ptr from = queue[q].first;
            const origin at = queue[q].second;
            for (const std::string &way : r.ways) {
                snapshot_ptr after;
                const std::string typed_way = as_typed(*from, way);
                const outcome m = run(*from, {typed_way}, "", &after);
                if (m.asked || !m.finished || m.ended || !after || m.question != 0 || question_of(*after) != 0) continue;
                const int to = place_of(*after);
                if (!w.places.count(to) || done.count(to) || !entered.insert(to).second) continue;
                origin o = at;
                o.path.push_back(typed_way);
                if (look_and_examine(*after, o)) done.insert(to);
                queue.push_back({after, o});
            }
        }
    });
    for (const auto &[place, o] : r.reached)
        if (!done.count(place)) r.partly.push_back(place);
    r.runs = runs_made() - runs_before;
    r.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    return r;
}

// ---- The vocabulary alone ------------------------------------------------------------

struct misreading {
    std::string word, read_as;
    int refno = 0;
};

// Every thing word of the looks met and of the descriptions, read where
// the walkthrough's first state stands: once with no object seen (so only
// words and places can be matched), once with every object seen and
// carried (so any object can be).
std::vector<misreading> misreadings(const snapshot &first, const std::set<std::string> &words) {
    std::vector<misreading> out;
    const std::function<void()> none_seen = [] {
        for (int o = FIRST_OBJECT; o <= LAST_OBJECT; o++) bitmod('c', o, 4);
    };
    const std::function<void()> all_carried = [] {
        for (int o = FIRST_OBJECT; o <= LAST_OBJECT; o++) {
            bitmod('s', o, 4);
            location[o] = K_CARRIED;
        }
    };
    for (const std::string &word : words) {
        for (const auto &setup : {none_seen, all_carried}) {
            const reading rd = read_in(first, word, setup);
            if (rd.refno >= 0 && !rd.exact) {
                out.push_back({word, rd.shown, rd.refno});
                break;
            }
        }
    }
    return out;
}

// ---- Reproducers --------------------------------------------------------------------

std::string first_line(const std::string &reply) {
    std::istringstream in(reply);
    std::string l;
    while (std::getline(in, l)) {
        l = trimmed(l);
        if (!l.empty() && l[0] != '(') return l;
    }
    return trimmed(reply.substr(0, reply.find('\n')));
}

// The first line of a pair's reply, in plain letters.
std::string reply_line(const pair_result &p) {
    return p.keln ? first_line(from_keln(p.x.reply)) + " (in Keln letters)" : first_line(p.x.reply);
}

std::string file_name(const pair_result &p) { return std::to_string(p.place) + "-" + p.noun + ".cmd"; }

// The command file that reaches the pair's state in the real program and
// types the failing command.
void write_reproducer(const std::string &path, const walkthrough &wt, const pair_result &p, const world &w) {
    std::ofstream out(path);
    out << wt.seed << "\n";
    out << "# Place " << p.place << " (" << w.places.at(p.place).name << "): \"examine " << p.noun << "\" is "
        << KIND_NAMES[p.k] << ": " << reply_line(p) << "\n";
    out << "# The walkthrough's first " << p.from.line << " lines, the way there, a look, the command.\n";
    out << "# Play it with tests/sweep/reproduce.sh <zendry> <this file>.\n";
    for (size_t i = 0; i < p.from.line; i++) out << "REPLY:" << wt.lines[i] << "\n";
    for (const std::string &way : p.from.path) out << "REPLY: " << way << "\n";
    for (const std::string &l : p.look) out << "REPLY: " << l << "\n";
    for (const std::string &l : p.examine) out << "REPLY: " << l << "\n";
}

std::string squeezed(const std::string &s) {
    std::string out;
    for (char c : s)
        if (!std::isspace(static_cast<unsigned char>(c))) out += c;
    return out;
}

// Plays a reproducer through the real program: does it print the reply the
// sweep met?
bool reproduces(const std::string &script, const std::string &program, const std::string &path,
                const pair_result &p, std::string *printed) {
    const std::string command = "'" + script + "' '" + program + "' '" + path + "' 2>&1";
    FILE *f = popen(command.c_str(), "r");
    if (!f) return false;
    std::string out;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, n);
    pclose(f);
    *printed = out;
    const std::string want = squeezed(p.x.reply), got = squeezed(out);
    return !want.empty() && got.compare(0, want.size(), want) == 0;
}

// ---- Known failures ---------------------------------------------------------------------

// Lines "PLACE NOUN" (pairs) or "WORD" (misreadings), with "#" comments.
std::set<std::string> read_known(const std::string &path) {
    std::set<std::string> known;
    std::ifstream in(path);
    std::string l;
    while (std::getline(in, l)) {
        const size_t hash = l.find('#');
        if (hash != std::string::npos) l.erase(hash);
        std::istringstream f(l);
        std::string a, b;
        if (!(f >> a)) continue;
        known.insert(f >> b ? a + " " + b : a);
    }
    return known;
}

std::string key(const pair_result &p) { return std::to_string(p.place) + " " + p.noun; }

// ---- The report ----------------------------------------------------------------------------

struct tally {
    std::set<int> places;
    int pairs = 0;
    int by_kind[NKINDS] = {};
};

void print_counts(std::ostream &out, const sweep_result &r, const world &w) {
    tally all;
    std::map<std::string, tally> regions;
    std::map<std::string, int> described;
    for (const auto &[place, info] : w.places) described[info.region]++;
    for (const auto &[place, o] : r.reached) {
        all.places.insert(place);
        regions[w.places.at(place).region].places.insert(place);
    }
    for (const pair_result &p : r.pairs) {
        tally &t = regions[w.places.at(p.place).region];
        t.pairs++;
        t.by_kind[p.k]++;
        all.pairs++;
        all.by_kind[p.k]++;
    }
    char line[256];
    std::snprintf(line, sizeof line, "%-10s %7s %7s %6s %9s %6s %7s %8s %8s %8s\n", "region", "places", "reached",
                  "pairs", "answered", "stock", "denied", "refused", "misread", "unknown");
    out << line;
    auto row = [&](const std::string &name, int places, const tally &t) {
        std::snprintf(line, sizeof line, "%-10s %7d %7zu %6d %9d %6d %7d %8d %8d %8d\n", name.c_str(), places,
                      t.places.size(), t.pairs, t.by_kind[ANSWERED], t.by_kind[STOCK_REPLY], t.by_kind[DENIED],
                      t.by_kind[REFUSED], t.by_kind[MISREAD], t.by_kind[UNKNOWN]);
        out << line;
    };
    for (const auto &[region, count] : described) row(region, count, regions[region]);
    row("all", int(w.places.size()), all);
}

struct options {
    std::string walkthrough, known, known_words, report, reproducers, program;
    bool check_known = false, write_known = false, list_words = false, misread_only = false, list_all = false;
    int verify = 0;
};

// Everything the sweep found, and where it came from.
struct findings {
    const world &w;
    const walkthrough &wt;
    const sweep_result &r;
    std::vector<const pair_result *> failing;
    std::map<std::string, std::string> unlisted;  // printed words in no list: word -> where it stands
    std::set<std::string> printed;  // the thing words the vocabulary check read
    std::vector<misreading> misread_words;
    std::map<const pair_result *, std::string> reproducer_of;
};

// The words of the looks met and of the descriptions: the unlisted ones,
// and the vocabulary check of the thing words.
void check_words(findings &f, const lexicon &lx) {
    std::set<std::string> &printed = f.printed;
    printed = f.r.look_things;
    for (const auto &[word, where] : f.r.unlisted)
        f.unlisted[word] = "look at " + std::to_string(where.first) + ": " + trimmed(where.second.substr(0, 160));
    for (const std::string &d : f.w.descriptions) {
        std::set<std::string> unlisted;
        for (const std::string &t : things_named(d, lx, &unlisted)) printed.insert(t);
        for (const std::string &u : unlisted) f.unlisted.emplace(u, "description: " + trimmed(d.substr(0, 160)));
    }
    if (f.r.first) f.misread_words = misreadings(*f.r.first, printed);
}

// The report: the counts, the failing nouns, the failing pairs (or every
// pair) with their reproducers, the misread words.
std::string report(findings &f, const options &o, const std::set<std::string> &known) {
    const sweep_result &r = f.r;
    std::ostringstream out;
    out << "World sweep: " << r.states << " states of the walkthrough, " << r.ways.size() << " ways tried from each, "
        << r.runs << " commands run in " << std::fixed;
    out.precision(1);
    out << r.seconds << " s.\n";
    out << "Places described " << f.w.places.size() << ", reached " << r.reached.size() << ".";
    std::vector<int> missed;
    for (const auto &[place, info] : f.w.places)
        if (!r.reached.count(place)) missed.push_back(place);
    if (!missed.empty()) {
        out << " Not reached:";
        for (int p : missed) out << " " << p << " (" << f.w.places.at(p).name << ")";
    }
    out << "\n";
    if (!r.partly.empty()) {
        out << "Places where a thing named was never examined (a question or the end of the game came first):";
        for (int p : r.partly) out << " " << p << " (" << f.w.places.at(p).name << ")";
        out << "\n";
    }
    if (r.unfaithful.empty())
        out << "Runs from snapshots reached the game's own state after every line of the walkthrough.\n";
    else
        out << "Runs from snapshots and the game itself part after " << r.unfaithful.size()
            << " lines of the walkthrough, the first after line " << r.unfaithful[0] << ".\n";
    out << "\n";
    print_counts(out, r, f.w);

    std::map<std::string, int> by_noun;
    for (const pair_result *p : f.failing) by_noun[p->noun]++;
    std::vector<std::pair<int, std::string>> nouns;
    for (const auto &[noun, count] : by_noun) nouns.push_back({-count, noun});
    std::sort(nouns.begin(), nouns.end());
    out << "\nFailing nouns, the most frequent first:";
    for (size_t i = 0; i < nouns.size(); i++)
        out << (i % 8 == 0 ? "\n " : "") << " " << nouns[i].second << " " << -nouns[i].first;

    std::vector<const pair_result *> listed = f.failing;
    if (o.list_all) {
        listed.clear();
        for (const pair_result &p : r.pairs) listed.push_back(&p);
    }
    out << "\n\n" << (o.list_all ? "Every pair" : "Failing pairs")
        << ": place, name, noun, class, the text that answers, the reply's first line";
    if (!o.reproducers.empty()) out << ", reproducer";
    out << "; under a failing pair, the sentence of the look that names the thing";
    out << "\n";
    for (const pair_result *p : listed) {
        char line[512];
        std::snprintf(line, sizeof line, "%4d %-26s %-14s %-8s %4d %s", p->place, f.w.places.at(p->place).name.c_str(),
                      p->noun.c_str(), KIND_NAMES[p->k], answer_text(p->x), reply_line(*p).c_str());
        out << line;
        if (fails(p->k) && !o.reproducers.empty() && !known.count(key(*p))) {
            const std::string path = o.reproducers + "/" + file_name(*p);
            write_reproducer(path, f.wt, *p, f.w);
            f.reproducer_of[p] = path;
            out << "  " << path;
        }
        out << "\n";
        if (fails(p->k)) out << "          named in: " << p->naming << "\n";
    }
    out << "\nThing words the game prints that the reader takes for another word (" << f.misread_words.size()
        << "):\n";
    for (const misreading &m : f.misread_words) out << "  " << m.word << " read as " << m.read_as << "\n";
    return out.str();
}

// The failures held against the lists of known ones: 1 when one is not
// listed. Listed ones that pass now are told.
int compare_with_known(findings &f, const options &o, const std::set<std::string> &known) {
    int status = 0;
    std::vector<const pair_result *> fresh;
    for (const pair_result *p : f.failing)
        if (!known.count(key(*p))) fresh.push_back(p);
    if (!fresh.empty()) {
        std::printf("\nFailing pairs not in %s:\n", o.known.c_str());
        for (const pair_result *p : fresh)
            std::printf("  %d %s  # %s: %s%s%s\n", p->place, p->noun.c_str(), KIND_NAMES[p->k], reply_line(*p).c_str(),
                        f.reproducer_of.count(p) ? "  " : "", f.reproducer_of.count(p) ? f.reproducer_of[p].c_str() : "");
        status = 1;
    }
    std::set<std::string> failing_keys, met_keys;
    for (const pair_result &p : f.r.pairs) met_keys.insert(key(p));
    for (const pair_result *p : f.failing) failing_keys.insert(key(*p));
    std::vector<std::string> passing;
    for (const std::string &k : known)
        if (!failing_keys.count(k)) passing.push_back(k + (met_keys.count(k) ? "" : " (no longer met)"));
    if (!passing.empty()) {
        std::printf("\nListed in %s, and no longer failing (shorten the list):\n", o.known.c_str());
        for (const std::string &k : passing) std::printf("  %s\n", k.c_str());
    }
    const std::set<std::string> known_words = read_known(o.known_words);
    std::set<std::string> misread_now;
    for (const misreading &m : f.misread_words) {
        misread_now.insert(m.word);
        if (!known_words.count(m.word)) {
            std::printf("\"%s\" is read as %s, and %s does not list it.\n", m.word.c_str(), m.read_as.c_str(),
                        o.known_words.c_str());
            status = 1;
        }
    }
    for (const std::string &k : known_words)
        if (!misread_now.count(k))
            std::printf("\"%s\" is %s now: take it off %s.\n", k.c_str(),
                        f.printed.count(k) ? "read as itself" : "no thing the game prints", o.known_words.c_str());
    return status;
}

void write_known_lists(const findings &f, const options &o) {
    std::ofstream out(o.known);
    out << "# Pairs of a place and a thing its look names that fail the world sweep today\n"
           "# (tests/sweep/sweep.cpp): the sweep fails on any other. Mend a pair, then take\n"
           "# it off the list (the sweep tells which listed pairs pass).\n";
    for (const pair_result *p : f.failing) out << p->place << " " << p->noun << "  # " << KIND_NAMES[p->k] << "\n";
    std::ofstream words(o.known_words);
    words << "# Thing words the game prints that the reader takes for another word today\n"
             "# (world_sweep --misreadings): the sweep fails on any other.\n";
    for (const misreading &m : f.misread_words) words << m.word << "  # read as " << m.read_as << "\n";
}

// Plays a sample of reproducers, spread over the failing pairs, through
// the real program: 1 when one prints otherwise than the sweep met.
int verify_sample(findings &f, const options &o, const std::string &root) {
    char scratch_template[] = "/tmp/world_sweep_XXXXXX";
    const std::string scratch = o.reproducers.empty() && mkdtemp(scratch_template) ? scratch_template : "";
    const std::string dir = o.reproducers.empty() ? scratch : o.reproducers;
    const size_t step = std::max<size_t>(1, f.failing.size() / size_t(o.verify));
    int checked = 0, differ = 0;
    for (size_t i = 0; i < f.failing.size() && checked < o.verify; i += step, checked++) {
        const pair_result &p = *f.failing[i];
        std::string path = f.reproducer_of.count(&p) ? f.reproducer_of[&p] : dir + "/" + file_name(p);
        if (!f.reproducer_of.count(&p)) write_reproducer(path, f.wt, p, f.w);
        std::string printed;
        if (!reproduces(root + "/tests/sweep/reproduce.sh", o.program, path, p, &printed)) {
            std::printf("\nThe reproducer %s prints otherwise than the sweep met:\n%s\nThe sweep met:\n%s\n",
                        path.c_str(), printed.c_str(), p.x.reply.c_str());
            differ++;
        }
    }
    if (!scratch.empty()) std::filesystem::remove_all(scratch);
    std::printf("\n%d reproducers played through %s: %d print what the sweep met.\n", checked, o.program.c_str(),
                checked - differ);
    return differ ? 1 : 0;
}

}  // namespace

int main(int argc, char **argv) {
    const std::string root = SOURCE_DIR;
    options o;
    o.walkthrough = root + "/tests/transcripts/walkthrough.cmd";
    o.known = root + "/tests/sweep/known-failures.txt";
    o.known_words = root + "/tests/sweep/known-misreadings.txt";
    for (int i = 1; i < argc; i++) {
        const std::string a = argv[i];
        const bool has_value = i + 1 < argc;
        if (a == "--known") o.check_known = true;
        else if (a == "--write-known") o.write_known = true;
        else if (a == "--words") o.list_words = true;
        else if (a == "--misreadings") o.misread_only = true;
        else if (a == "--all") o.list_all = true;
        else if (a == "--report" && has_value) o.report = argv[++i];
        else if (a == "--reproducers" && has_value) o.reproducers = argv[++i];
        else if (a == "--program" && has_value) o.program = argv[++i];
        else if (a == "--verify" && has_value) o.verify = std::atoi(argv[++i]);
        else if (a == "--walkthrough" && has_value) o.walkthrough = argv[++i];
        else {
            std::fprintf(stderr,
                         "usage: world_sweep [--known] [--report FILE] [--reproducers DIR] [--all]\n"
                         "                   [--program ZENDRY --verify N] [--write-known] [--words]\n"
                         "                   [--misreadings] [--walkthrough FILE]\n");
            return 2;
        }
    }

    const world w = read_world(root);
    const lexicon lx = read_lexicon(root + "/tests/sweep");
    const walkthrough wt = read_walkthrough(o.walkthrough);
    const sweep_result r = run_sweep(wt, w, lx);
    findings f{w, wt, r, {}, {}, {}, {}, {}};
    for (const pair_result &p : r.pairs)
        if (fails(p.k)) f.failing.push_back(&p);
    check_words(f, lx);

    if (o.misread_only) {
        for (const misreading &m : f.misread_words)
            std::printf("%-16s read as %s (%d)\n", m.word.c_str(), m.read_as.c_str(), m.refno);
        return 0;
    }
    if (o.list_words) {
        for (const auto &[word, where] : f.unlisted) std::printf("%s\t%s\n", word.c_str(), where.c_str());
        return 0;
    }

    const std::set<std::string> known = o.check_known ? read_known(o.known) : std::set<std::string>();
    if (!o.reproducers.empty()) {
        // The folder holds this run's reproducers alone.
        std::filesystem::create_directories(o.reproducers);
        for (const auto &file : std::filesystem::directory_iterator(o.reproducers))
            if (file.path().extension() == ".cmd") std::filesystem::remove(file.path());
    }
    // The summary on the standard output; the whole report there too, or
    // in its file (a check against the known failures tells the new ones
    // after the summary).
    const std::string text = report(f, o, known);
    if (!o.report.empty()) std::ofstream(o.report) << text;
    const bool whole = o.report.empty() && !o.check_known;
    std::fwrite(text.data(), 1, whole ? text.size() : text.find("\nFailing nouns"), stdout);
    if (!o.report.empty()) std::printf("\nThe full report: %s\n", o.report.c_str());

    int status = r.unfaithful.empty() ? 0 : 1;
    if (!f.unlisted.empty()) {
        std::printf("\nWords printed that neither tests/sweep/things.txt nor tests/sweep/not-things.txt lists "
                    "(world_sweep --words tells where each stands):\n");
        for (const auto &[word, where] : f.unlisted) std::printf(" %s", word.c_str());
        std::printf("\n");
        status = 1;
    }
    if (o.check_known) status |= compare_with_known(f, o, known);
    if (o.write_known) write_known_lists(f, o);
    if (o.verify > 0 && !o.program.empty() && !f.failing.empty()) status |= verify_sample(f, o, root);
    return status;
}
