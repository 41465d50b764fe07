// Vocabulary lookups over the real vocabulary agree with the plain graded
// scan: every entry unscrambled and graded in table order, the first exact
// match ending it. The lookup decodes the vocabulary once and passes over
// entries that cannot match; this compares the two on every word typed in
// full, its prefixes, its one-error forms and words the vocabulary lacks,
// with typo matching on and off and with objects seen, unseen, carried,
// here and elsewhere.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "game.h"
#include "support.h"

namespace {

struct Found {
    int refno, type, word;
    bool typo;  // a single one-error match, which the lookup reports
    bool operator==(const Found &) const = default;
};

std::ostream &operator<<(std::ostream &os, const Found &f) {
    return os << "{" << f.refno << ", " << f.type << ", " << f.word << (f.typo ? ", typo}" : "}");
}

// Whether one word is the other with a plural ending, "s" or "es".
bool plural_pair(std::string a, std::string b) {
    if (a.size() > b.size()) std::swap(a, b);
    const std::string end = b.substr(std::min(a.size(), b.size()));
    return b.compare(0, a.size(), a) == 0 && (end == "s" || end == "es");
}

// The graded scan as written down for the game, one entry at a time. A
// word the game prints is spelt right: it has no one-error matches, and
// from four letters on its only inexact matches are the same word with or
// without a plural ending.
Found plain_scan(const std::string &typed) {
    std::vector<int> list;
    const bool spelt_right = printed_word(typed.c_str());
    const bool whole = spelt_right && typed.size() >= 4;
    int bar = amatch == 1 && !spelt_right ? 1 : 2, best = 0;
    for (int e = 0; e < NVOCAB; e++) {
        int addr = voc_addr[e];
        int first = get_char(addr);
        if (voc_type[e] == 21 || first == '|') continue;
        int grade = first == '!' ? voccomp(typed.c_str(), addr + 1, 3) : voccomp(typed.c_str(), addr, bar);
        if (whole) {
            std::string v;
            for (int p = first == '!' ? addr + 1 : addr, c; (c = get_char(p)) != 0; p++) v += char(c);
            grade = v == typed ? 3 : first != '!' && plural_pair(typed, v) ? 2 : 0;
        }
        if (grade <= 0) continue;
        int vis = grade == 3 ? 3 : allowed(voc_refno[e], grade);
        if (vis == 0) continue;
        if (vis > best) {
            best = vis;
            list.clear();
        } else if (vis < best) {
            continue;
        }
        if (grade > bar) list.clear();
        bool dup = false;
        if (!list.empty() && grade == bar)
            for (int l : list) dup = dup || voc_refno[l] == voc_refno[e];
        if (dup) continue;
        list.push_back(e);
        bar = grade;
        if (bar == 3) break;
    }
    if (list.empty()) return {PARSE_UNKNOWN, -7, 0, false};
    if (list.size() > 1) return {bar == 1 ? PARSE_AMBIGUOUS_TYPO : PARSE_AMBIGUOUS, -7, 0, false};
    int e = list[0];
    return {voc_refno[e], voc_type[e], voc_word[e], bar == 1};
}

struct Lookup : ::testing::Test {
    support::Session session;
    char word[COMLINE_SIZE];

    void SetUp() override {
        session.open("lookup_test");
        value[VAR_HERE] = value[VAR_THERE] = PLACE_START;
        tree_free();
        word_buf = btinit(nullptr);
    }
    void TearDown() override {
        tp[0] = nullptr;
        tindex = 0;
        session.close();
    }

    Found lookup(const std::string &typed) {
        std::snprintf(word, sizeof word, "%s", typed.c_str());
        tp[0] = word;
        tp[1] = nullptr;
        separator[0] = ' ';
        separator[1] = '\n';
        tindex = 0;
        Found f = {-1, -7, 0, false};
        zap_text();
        find_word(&f.type, &f.refno, &f.word, 1, 1);
        f.typo = text_len > 0;
        zap_text();
        if (f.refno < -1) f = {f.refno, -7, 0, false};
        return f;
    }
};

// The words typed: each entry's text, and for every eighth entry its
// prefixes and its one-error forms; then some words of no entry.
std::vector<std::string> typed_words() {
    std::vector<std::string> out;
    for (int e = 0; e < NVOCAB; e++) {
        int p = voc_addr[e];
        if (get_char(p) == '!' || get_char(p) == '|') p++;
        std::string w;
        for (int c; (c = get_char(p)) != 0 && w.size() < 40; p++) w += char(c);
        if (w.empty()) continue;
        out.push_back(w);
        if (e % 8) continue;
        for (size_t n = 1; n < w.size(); n++) out.push_back(w.substr(0, n));
        out.push_back(w + "s");
        for (size_t i = 0; i < w.size(); i++) {
            std::string d = w;
            d.erase(i, 1);
            if (!d.empty()) out.push_back(d);
            std::string r = w;
            r[i] = r[i] == 'e' ? 'a' : 'e';
            out.push_back(r);
            std::string x = w;
            x.insert(i, 1, 'o');
            out.push_back(x);
            if (i + 1 < w.size() && w[i] != w[i + 1]) {
                std::string s = w;
                std::swap(s[i], s[i + 1]);
                out.push_back(s);
            }
        }
    }
    for (const char *w : {"xyzzy", "plugh", "zqxvbl", "a", "q", "zz", "\xc3\xa9p\xc3\xa9\x65", "lamp\xc3",
                          "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", "north-eastt"})
        out.push_back(w);
    return out;
}

TEST_F(Lookup, AgreesWithThePlainGradedScan) {
    const std::vector<std::string> words = typed_words();
    ASSERT_GT(words.size(), size_t(5000));
    // Visibility: nothing seen; then objects seen, some carried, some here,
    // some in two places, some elsewhere.
    for (int world = 0; world < 2; world++) {
        if (world == 1) {
            for (int obj = FIRST_OBJECT; obj <= LAST_OBJECT; obj++) {
                if (obj % 5 == 0) continue;  // never seen
                bitmod('s', obj, OFLAG_SEEN);
                location[obj] = obj % 3 == 0 ? K_CARRIED : obj % 3 == 1 ? PLACE_START : PLACE_START + 40;
                if (obj % 7 == 0) {
                    bitmod('s', obj, 6);  // in two places: here through its location + 1
                    location[obj] = PLACE_START - 1;
                }
            }
        }
        for (int mode : {1, 0}) {
            if (world == 0 && mode == 0) continue;  // typo matching off: once, with objects seen
            amatch = mode;
            int differ = 0;
            for (const std::string &w : words) {
                Found want = plain_scan(w.substr(0, WORD_SIZE - 1));
                Found got = lookup(w);
                if (!(got == want) && differ++ < 20)
                    ADD_FAILURE() << '"' << w << "\" world " << world << " amatch " << mode << ": " << got
                                  << " but the scan gives " << want;
            }
            EXPECT_EQ(differ, 0) << "world " << world << " amatch " << mode;
        }
    }
}

}  // namespace
