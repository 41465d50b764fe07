// The text compiler: its error reports on broken sources, the database it
// builds (read back through the fixture database linked into this test),
// the key and the coverage report.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "text.h"

namespace {

struct Result {
    int status;
    std::string out, err;
};

struct TempDir {
    std::string path;
    TempDir() {
        char tmpl[] = "/tmp/textc_test.XXXXXX";
        path = mkdtemp(tmpl);
    }
    ~TempDir() { std::system(("rm -rf '" + path + "'").c_str()); }
    std::string write(const std::string &name, const std::string &content) const {
        std::string p = path + "/" + name;
        std::ofstream(p, std::ios::binary) << content;
        return p;
    }
    std::string read(const std::string &name) const {
        std::ifstream in(path + "/" + name, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
};

Result textc(const TempDir &d, const std::string &args) {
    std::string cmd = std::string(TEXTC_BIN) + " " + args + " >'" + d.path + "/out.txt' 2>'" + d.path +
                      "/err.txt'";
    int st = std::system(cmd.c_str());
    return {WIFEXITED(st) ? WEXITSTATUS(st) : -1, d.read("out.txt"), d.read("err.txt")};
}

const char *CONSTANTS =
    "constexpr int OBJ_LAMP = 5;\n"
    "constexpr int PLACE_HALL = 200;\n"
    "constexpr int VAR_HERE = 1146;\n";

// A vocabulary of one entry: the rest of the table is padding.
const char *SMALL_VOC = "lamp = OBJ_LAMP object\n";

// Each broken source must stop the compiler with this message.
struct ErrorCase {
    const char *fab;
    const char *voc;
    const char *want;  // "file:line: message" (message start)
};

const ErrorCase error_cases[] = {
    // Refnos.
    {"@text 100\nx\n", nullptr, "base.fab:1: unknown refno 100"},
    {"@object 300\n.name x\n", nullptr, "base.fab:1: unknown refno 300"},
    {"@place 150\n.name x\n", nullptr, "base.fab:1: unknown refno 150"},
    {"@word 1200\nx\n", nullptr, "base.fab:1: unknown refno 1200"},
    {"@text 1264\na\n\n@text 1264\nb\n", nullptr, "base.fab:4: duplicate refno 1264"},
    // An object or a place may be written in several entries, each field once.
    {"@object OBJ_LAMP\n.name a\n@object 5\n.name b\n", nullptr,
     "base.fab:4: duplicate field .name of refno 5 (first written at "},
    {"@text 1264\n{name:4000}\n", nullptr, "base.fab:2: unknown refno 4000"},
    {"@text 1264\n{value:5}\n", nullptr, "base.fab:2: unknown refno 5"},
    {"@text 1264\n{say:-1}\n", nullptr, "base.fab:2: unknown refno -1"},
    // Constants.
    {"@object OBJ_NOPE\n.name x\n", nullptr, "base.fab:1: unknown constant OBJ_NOPE"},
    {"@object 6 OBJ_LAMP\n.name x\n", nullptr, "base.fab:1: OBJ_LAMP is 5, not 6"},
    {"@text 1264\nAt {name:PLACE_NOPE}.\n", nullptr, "base.fab:2: unknown constant PLACE_NOPE"},
    // Malformed markup and entries.
    {"@text 1264\nok\n{foo}\n", nullptr, "base.fab:3: unknown markup {foo}"},
    {"@text 1264\nan {name\n", nullptr, "base.fab:2: unclosed {"},
    {"@text 1264\na } b\n", nullptr, "base.fab:2: stray }"},
    {"@text 1264\na }} b\n", nullptr, "base.fab:2: }} without {{"},
    {"@text 1264\n\n{{a|b\n|c\n", nullptr, "base.fab:3: unclosed switch"},
    {"@text 1264\n{{a|{{b|c}}|d}}\n", nullptr, "base.fab:2: switches do not nest"},
    {"@text 1264\na\n--\n{{b|c}}\n", nullptr, "base.fab:4: switches do not nest"},
    {"@text 1264\n{{alone}}\n", nullptr, "base.fab:2: a switch needs 2..255 variants"},
    {"@text 1264\n{<b}\n", nullptr, "base.fab:2: unknown markup"},
    {"@text 1264\n\n\n", nullptr, "base.fab:1: empty text"},
    {"@text 1264 sometimes\nx\n", nullptr, "base.fab:1: malformed header word 'sometimes'"},
    {"@text 1264 random/x\nx\n", nullptr, "base.fab:1: malformed variant count"},
    {"@thing 5\nx\n", nullptr, "base.fab:1: unknown entry @thing"},
    {"stray words\n@text 1264\nx\n", nullptr, "base.fab:1: text outside an entry"},
    {"@place 200\n.name hall\n.detail x\n", nullptr, "base.fab:3: unknown field .detail"},
    {"@object 5\nlamp\n", nullptr, "base.fab:2: text outside a field"},
    {"@object 5\n.name a\n.name b\n", nullptr, "base.fab:3: duplicate field .name"},
    {"@object 5\n.name brass\nlamp\n", nullptr, "base.fab:3: a name is one line"},
    // Variant counts.
    {"@text 1264 random/3\n{{a|b}}\n", nullptr, "base.fab:1: variant count /3 disagrees"},
    {"@text 1264\n{{a|b}} {{a|b|c}}\n", nullptr, "base.fab:2: switch of 3 variants in a text of 2"},
    // Nesting that cycles.
    {"@text 1264\n{say:1265}\n@text 1265\nand {say:1266}\n@text 1266\nback {say:1264}\n", nullptr,
     "base.fab:6: {say:} nesting cycles: 1264 -> 1265 -> 1266 -> 1264"},
    {"@object 5\n.long Here {say:OBJ_LAMP}\n", nullptr, "base.fab:2: {say:} nesting cycles"},
    // Control bytes.
    {"@object 5\n.name la\x01mp\n", nullptr, "base.fab:2: control byte in a name"},
    {"@word 745\nno\x02rth\n", nullptr, "base.fab:2: control byte in a word"},
    {"@text 3534 raw\nClose{_}page\n", nullptr, "base.fab:1: control byte in a page text"},
    {"@text 1264\nbell\x07\n", nullptr, "base.fab:2: control byte in the source"},
    // Vocabulary.
    {"", "lamp = 5 object\nNorth = 745 word\n", "fixture.voc:2: matched word 'North' is not lower case"},
    {"", "abcdefghijklmnopqrstuvwxyzabcdef = 745 word\n", "fixture.voc:1: matched word"},
    {"", "lamp = OBJ_NOPE object\n", "fixture.voc:1: unknown constant OBJ_NOPE"},
    {"", "lamp = 745 object\n", "fixture.voc:1: unknown refno 745"},
    {"", "lamp = 5 thing\n", "fixture.voc:1: unknown vocabulary type"},
    {"", "lamp =\n", "fixture.voc:1: malformed vocabulary line"},
    {"", "la\x03mp = 5 object\n", "fixture.voc:1: control byte in a word"},
};

TEST(Textc, ReportsEachErrorWithFileAndLine) {
    for (auto &c : error_cases) {
        TempDir d;
        d.write("constants.h", CONSTANTS);
        std::string fab = d.write("base.fab", c.fab);
        std::string voc = d.write("fixture.voc", c.voc ? c.voc : SMALL_VOC);
        Result r = textc(d, "--constants " + d.path + "/constants.h --out " + d.path + "/db.cpp " + fab +
                             " " + voc);
        EXPECT_NE(r.status, 0) << c.want;
        EXPECT_NE(r.err.find(d.path + "/" + c.want), std::string::npos)
            << "want: " << c.want << "\ngot: " << r.err;
        EXPECT_EQ(access((d.path + "/db.cpp").c_str(), F_OK), -1) << "no output after an error: " << c.want;
    }
}

// An object's name in one file and its descriptions in another compile as
// one object.
TEST(Textc, AnObjectMayBeWrittenInSeveralEntries) {
    TempDir d;
    d.write("constants.h", CONSTANTS);
    std::string names = d.write("names.fab", "@object 5\n.name lamp\n");
    std::string looks = d.write("looks.fab", "@object OBJ_LAMP\n.brief A lamp\n.detail Brass.\n");
    std::string voc = d.write("fixture.voc", SMALL_VOC);
    Result r = textc(d, "--constants " + d.path + "/constants.h --out " + d.path + "/db.cpp " + names +
                            " " + looks + " " + voc);
    EXPECT_EQ(r.status, 0) << r.err;
}

TEST(Textc, VocabularyMustFitItsTable) {
    TempDir d;
    d.write("constants.h", CONSTANTS);
    std::string many;
    for (int i = 0; i <= NVOCAB; i++) many += "w" + std::to_string(i) + " = 5 object\n";
    std::string voc = d.write("game.voc", many);
    std::string cmd = "--constants " + d.path + "/constants.h --out " + d.path + "/db.cpp " + voc;
    Result r = textc(d, cmd);
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.err.find("game.voc:" + std::to_string(NVOCAB + 1) + ": the vocabulary holds " +
                         std::to_string(NVOCAB + 1) + " entries, more than its room for " + std::to_string(NVOCAB)),
              std::string::npos)
        << r.err;
    // A missing constants file is an error too.
    r = textc(d, "--constants " + d.path + "/none.h --out " + d.path + "/db.cpp " + d.write("small.voc", SMALL_VOC));
    EXPECT_NE(r.status, 0);
}

// The bytes of a text up to its end, with switches laid open: "[a|b|c]" for a
// switch whose variants hold a, b and c; "<NEST k r>" for a nest record; other
// control bytes as "<XX>". The switch table is followed exactly as the say
// operation does.
std::string decode(int p) {
    std::string out;
    if (p == 0) return "(none)";
    for (int c; (c = get_char(p)) != 0; p++) {
        if (c == TC_NEST) {
            char buf[32];
            snprintf(buf, sizeof buf, "<NEST %d %d>", get_char(p + 1), get_char(p + 2) * 256 + get_char(p + 3));
            out += buf;
            p += 3;
        } else if (c == TC_SWITCH) {
            int n = get_char(p + 1);
            int b = p + 2 * n + 2;
            auto off = [&](int k) { return get_char(p + 2 + 2 * k) * 256 + get_char(p + 3 + 2 * k); };
            out += "[";
            for (int k = 0; k < n; k++) {
                if (k) out += "|";
                for (int q = k ? b + off(k - 1) : b; get_char(q) != TC_SWITCH_END; q++) out += char(get_char(q));
            }
            out += "]";
            p = b + off(n - 1) - 1;
        } else if (c < 0x20 && c != '\n') {
            char buf[8];
            snprintf(buf, sizeof buf, "<%02X>", c);
            out += buf;
        } else {
            out += char(c);
        }
    }
    return out;
}

std::string raw_text(int p) {
    std::string out;
    for (int c; p && (c = get_char(p)) != 0; p++) out += char(c);
    return out;
}

TEST(TextDatabase, KeyMatchesTheStamp) {
    EXPECT_EQ(set_title(), 0);
    EXPECT_STREQ(title, VERSION_STAMP);
    EXPECT_EQ(titlen, (int)strlen(VERSION_STAMP));
    // The key never stands in clear in the database.
    std::string bytes(reinterpret_cast<const char *>(text), text_size);
    EXPECT_EQ(bytes.find(VERSION_STAMP), std::string::npos);
}

TEST(TextDatabase, FixtureTextsReadBack) {
    ASSERT_EQ(set_title(), 0);
    struct {
        int refno;
        const char *want;
    } cases[] = {
        {3510, "Hello <1D>, you have <10> coins.\n\nA second paragraph.\nFirst verse line,\nsecond verse line.\n"},
        {3511, "[A drip.|A skitter.|A draught.]\n"},
        {3512, "[First time.|Second time.|Every time after.]\n"},
        {3513, "Tick [one|two|three] and [a|b|c].\n"},
        {3514, "No switch here.\n"},
        {3515, "<NEST 0 190> <NEST 2 3510><NEST 3 1146>\n"},
        {3516, "What now? "},
        {3517, "Close {page}"},
        {3518, "<12>Title<13><15><17>b<16>bold<17>/b<16><1A><11>|\\\n"},
        {3519, "(none)"},
        {190, "!brass lamp"},
        {699, "hall"},
        {1141, "zz"},
        {1140, "(none)"},
    };
    for (auto &c : cases) EXPECT_EQ(decode(textadr[c.refno]), c.want) << c.refno;
    EXPECT_EQ(decode(brief_desc[190]), "A brass lamp\n");
    EXPECT_EQ(decode(long_desc[190]), "There is a brass lamp here.\n");
    EXPECT_EQ(decode(detail_desc[190]), "The lamp is old brass, dented along one side.\n");
    EXPECT_EQ(decode(brief_desc[699]), "Hall.\n");
    EXPECT_EQ(decode(long_desc[699]), "You are in a long hall.\n");
    EXPECT_EQ(detail_desc[699], 0);
    EXPECT_EQ(textadr[0], 0);
}

TEST(TextDatabase, KindsAndCounts) {
    struct {
        int refno, kind, count;
    } cases[] = {
        {3510, TKIND_PLAIN, 0},       {3511, TKIND_RANDOM, 3}, {3512, TKIND_INCREMENTAL, 3},
        {3513, TKIND_CYCLIC, 3},      {3514, TKIND_ASSIGNED, 4}, {3519, TKIND_PLAIN, 0},
    };
    for (auto &c : cases) {
        EXPECT_EQ(text_info[(c.refno - 1264) * 2], c.kind) << c.refno;
        EXPECT_EQ(text_info[(c.refno - 1264) * 2 + 1], c.count) << c.refno;
    }
}

TEST(TextDatabase, VocabularyTables) {
    ASSERT_EQ(set_title(), 0);
    struct {
        int refno, type;
        const char *matched, *shown;
    } cases[] = {
        {190, 0, "lamp", "lamp"}, {190, 0, "brass", "lamp"}, {1141, 2, "!zz", "!zz"},
        {699, 1, "hall", "long hall"}, {0, 20, "the", "the"}, {0, 21, "|hidden", "|hidden"},
    };
    int i = 0;
    for (auto &c : cases) {
        EXPECT_EQ(voc_refno[i], c.refno) << i;
        EXPECT_EQ(voc_type[i], c.type) << i;
        EXPECT_EQ(raw_text(voc_addr[i]), c.matched) << i;
        EXPECT_EQ(raw_text(voc_word[i]), c.shown) << i;
        i++;
    }
    // Equal texts are stored once: a shown form equal to the matched one, and
    // a word's own text equal to its vocabulary text.
    EXPECT_EQ(voc_addr[0], voc_word[0]);
    EXPECT_EQ(voc_word[1], voc_addr[0]);
    EXPECT_EQ(textadr[699], voc_addr[3]);
    // The rest of the fixture table is padding that is never matched.
    EXPECT_EQ(voc_type[NVOCAB - 1], 21);
    EXPECT_EQ(raw_text(voc_addr[NVOCAB - 1])[0], '|');
}

TEST(TextDatabase, GetCharOutsideTheDatabaseIsZero) {
    ASSERT_EQ(set_title(), 0);
    EXPECT_EQ(get_char(-1), 0);
    EXPECT_EQ(get_char(text_size), 0);
    EXPECT_EQ(get_char(text_size + 1000), 0);
}

// A database built for another stamp carries that stamp as its key.
TEST(Textc, StampOption) {
    TempDir d;
    d.write("constants.h", CONSTANTS);
    std::string fab = d.write("base.fab", "@text 1264\nHello.\n");
    std::string voc = d.write("fixture.voc", SMALL_VOC);
    Result r = textc(d, "--constants " + d.path + "/constants.h --stamp 'Other 1.0' --out " + d.path +
                         "/db.cpp " + fab + " " + voc);
    ASSERT_EQ(r.status, 0) << r.err;
    std::string src = d.read("db.cpp");
    size_t at = src.find("text[");
    ASSERT_NE(at, std::string::npos);
    at = src.find('{', at);
    std::vector<int> bytes;
    std::istringstream in(src.substr(at + 1, src.find('}', at) - at - 1));
    for (std::string tok; std::getline(in, tok, ',');)
        if (tok.find_first_of("0123456789") != std::string::npos) bytes.push_back(std::stoi(tok));
    // Unmask the leading bytes as set_title does: position 0 holds the length.
    auto mask = [](int p) {
        int a = (p >> 4) & 0x7F;
        if (!a) a = p & 0x7F;
        if (!a) a = 88;
        return (a * 17 + 13) & 0x7F;
    };
    int len = bytes[0] ^ mask(0);
    std::string key;
    for (int p = 1; p <= len; p++) key += char(bytes[p] ^ mask(p));
    EXPECT_EQ(key, "Other 1.0");
    EXPECT_EQ(src.find("--stamp"), std::string::npos);
    r = textc(d, "--constants " + d.path + "/constants.h --stamp '' --out " + d.path + "/x.cpp " + voc);
    EXPECT_NE(r.status, 0);
}

TEST(Textc, Coverage) {
    TempDir d;
    d.write("constants.h", CONSTANTS);
    std::string fab = d.write("base.fab",
                              "@text 1264\nHi.\n@text 1300 raw\nPage\n"
                              "@object 5\n.name lamp\n.brief A lamp\n.detail Old.\n"
                              "@place 200\n.name hall\n.long A hall.\n"
                              "@word 745\nnorth\n");
    std::string voc = d.write("fixture.voc",
                              "north = 745 word\nn north 745 word\nsouth = 746 word\nlamp = 5 object\n");
    std::system(("mkdir -p '" + d.path + "/game/words'").c_str());
    d.write("game/words/a.cpp",
            "int p10() { return 0; }\nint p11(int a, int (*f)(int)) {\n  return a;\n}\n"
            "int p12();  // declared only\nstatic int p946(\n) { return 1; }\nint p947() { return 0; }\n");
    d.write("game/pending.cpp", "int p12() { return 0; }\nint p13() { return 0; }\n");
    Result r = textc(d, "--constants " + d.path + "/constants.h --coverage --procedures " + d.path + "/game " + fab +
                         " " + voc);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "texts: 2/2308\n"
              "names: 2/701\n"
              "descriptions: 3/1594\n"
              "words: 1/2\n"
              "vocabulary: 4 entries (room for 1600)\n"
              "procedures: 3/947\n"
              "stubs: 2\n");
    EXPECT_EQ(access((d.path + "/db.cpp").c_str(), F_OK), -1);
}

// The names header: every object, place and word that the constants do not
// name, from its own name; "the" left out, look-alikes suffixed with their
// refno, a role name kept as the one name, a name the constants give
// another refno suffixed too.
TEST(Textc, NamesTheEntitiesForTheCode) {
    TempDir d;
    d.write("constants.h", "constexpr int OBJ_LAMP = 5;\nconstexpr int PLACE_HALL = 201;\n");
    std::string fab = d.write("base.fab",
                              "@object 5\n.name lamp\n@object 6\n.name !brass key\n"
                              "@place 200\n.name far end of the bridge\n@place 202\n.name maze\n"
                              "@place 203\n.name maze\n@place 204\n.name hall\n@word 745\nnorth-east\n");
    std::string voc = d.write("fixture.voc", "northeast north-east 745 word\nlamp = 5 object\n");
    Result r = textc(d, "--constants " + d.path + "/constants.h --names " + d.path + "/names.h " + fab + " " + voc);
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string names = d.read("names.h");
    for (const char *line : {"constexpr int OBJ_BRASS_KEY = 6;", "constexpr int PLACE_FAR_END_OF_BRIDGE = 200;",
                             "constexpr int PLACE_MAZE_202 = 202;", "constexpr int PLACE_MAZE_203 = 203;",
                             "constexpr int PLACE_HALL_204 = 204;", "constexpr int WORD_NORTH_EAST = 745;"})
        EXPECT_NE(names.find(line), std::string::npos) << line << " in\n" << names;
    EXPECT_EQ(names.find("OBJ_LAMP"), std::string::npos) << "the role name is the one name";
    EXPECT_EQ(access((d.path + "/db.cpp").c_str(), F_OK), -1);
}

}  // namespace
