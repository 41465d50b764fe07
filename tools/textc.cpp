// textc: the text compiler. Reads the game's text entries (.fab) and its
// vocabulary (.voc), checks them, and writes one C++ source that defines the
// scrambled text database and its tables as the kernel declares them in
// kernel/text.h. With --coverage it reports how much of the source is written
// instead. The source format is described in docs/text-source.md.
//
// Layout of the database: position 0 holds the length L of the key and
// positions 1..L the key itself, each byte masked with the position's mask
// only (the kernel's set_title recovers the key from there); every byte after
// them is masked with the position's mask and with the key, so get_char reads
// it back. Texts start at position L + 1; position 0 therefore never is one.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Refno ranges and table sizes; they match kernel/text.h.
constexpr int NREFNO = 3572;
constexpr int NDESC = 704;
constexpr int FIRST_OBJECT = 3, LAST_OBJECT = 194;
constexpr int FIRST_PLACE = 195, LAST_PLACE = 703;
constexpr int FIRST_WORD = 704, LAST_WORD = 1143;
constexpr int FIRST_VAR = 1144, LAST_VAR = 1263;
constexpr int FIRST_TEXT = 1264, LAST_TEXT = 3571;
constexpr int NTEXTS = LAST_TEXT - FIRST_TEXT + 1;  // 2308
constexpr int NVOCAB = 1600;  // the room for the vocabulary; the rest is padding
constexpr int NPROCS = 947;
constexpr int MAX_WORD = 31;
constexpr int MAX_KEY = 79;
constexpr const char *DEFAULT_STAMP = "Zendry 4.17, 09 Jun 2031";

// Bytes the kernel interprets inside texts.
constexpr uint8_t TC_NUMBER = 0x10, TC_SHIFT = 0x11, TC_CENTRE_LINES = 0x12,
                  TC_CENTRE_END = 0x13, TC_CENTRE_BLOCK = 0x14, TC_HARD_SPACE = 0x15,
                  TC_TAG_END = 0x16, TC_TAG_START = 0x17, TC_PRE_BLOCK = 0x18, TC_NEST = 0x19,
                  TC_JOIN = 0x1A, TC_HOLDER = 0x1D, TC_SWITCH_END = 0x1E, TC_SWITCH = 0x1F;

// Kinds of a nest record.
constexpr int NEST_NAME = 0, NEST_SAY = 2, NEST_VALUE = 3;

int errors = 0;

void error(const std::string &file, int line, const std::string &msg) {
  fprintf(stderr, "%s:%d: %s\n", file.c_str(), line, msg.c_str());
  errors++;
}

std::map<std::string, int> constants;

// A {say:R} inside a body: the target and where it was written.
struct Nest {
  int refno;
  int line;
};

// One compiled text: bytes without the closing zero.
struct Body {
  bool present = false;
  bool raw = false;  // name, word, page text: shared when equal, never interpreted
  std::string file;
  int line = 0;
  std::string bytes;
  std::vector<Nest> nests;
};

// Field slots of a refno: its own text and its three descriptions.
enum { OWN, BRIEF, LONG, DETAIL, NFIELDS };

Body bodies[NREFNO][NFIELDS];
std::string defined_at[NREFNO];  // "file:line" of the entry, for duplicates
unsigned char info_kind[NTEXTS], info_count[NTEXTS];

struct Vocab {
  std::string file;
  int line;
  std::string matched, shown;
  int refno, type;
};
std::vector<Vocab> vocab;

std::string trim(const std::string &s) {
  size_t a = s.find_first_not_of(" \t\r");
  if (a == std::string::npos) return "";
  size_t b = s.find_last_not_of(" \t\r");
  return s.substr(a, b - a + 1);
}

std::string rtrim(const std::string &s) {
  size_t b = s.find_last_not_of(" \t\r");
  return b == std::string::npos ? "" : s.substr(0, b + 1);
}

std::vector<std::string> words_of(const std::string &s) {
  std::vector<std::string> out;
  std::istringstream in(s);
  std::string w;
  while (in >> w) {
    if (w[0] == '#') break;  // a comment runs to the end of the line
    out.push_back(w);
  }
  return out;
}

bool is_number(const std::string &s) {
  size_t i = (s.size() > 1 && s[0] == '-') ? 1 : 0;
  if (i >= s.size()) return false;
  for (; i < s.size(); i++)
    if (!isdigit((unsigned char)s[i])) return false;
  return true;
}

bool is_name(const std::string &s) {
  if (s.empty() || !(isalpha((unsigned char)s[0]) || s[0] == '_')) return false;
  for (char c : s)
    if (!(isalnum((unsigned char)c) || c == '_')) return false;
  return true;
}

// A refno written as a number or a constant name; false after an error.
bool refno_of(const std::string &s, const std::string &file, int line, int &out) {
  if (is_number(s)) {
    out = atoi(s.c_str());
    return true;
  }
  if (is_name(s)) {
    auto it = constants.find(s);
    if (it == constants.end()) {
      error(file, line, "unknown constant " + s);
      return false;
    }
    out = it->second;
    return true;
  }
  error(file, line, "malformed refno '" + s + "'");
  return false;
}

bool has_control(const std::string &s, bool newline_ok) {
  for (unsigned char c : s)
    if (c < 0x20 && !(newline_ok && c == '\n')) return true;
  return false;
}

bool read_lines(const std::string &path, std::vector<std::string> &lines) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::string l;
  while (std::getline(in, l)) {
    if (!l.empty() && l.back() == '\r') l.pop_back();
    lines.push_back(l);
  }
  return true;
}

// ---------------------------------------------------------------------------
// Constants: lines "constexpr int NAME = 123;" of game/constants.h.

bool read_constants(const std::string &path) {
  std::vector<std::string> lines;
  if (!read_lines(path, lines)) {
    fprintf(stderr, "%s: cannot read the constants\n", path.c_str());
    return false;
  }
  static const std::regex def(R"(^\s*(?:inline\s+)?constexpr\s+int\s+([A-Za-z_]\w*)\s*=\s*(-?\d+)\s*;)");
  for (auto &l : lines) {
    std::smatch m;
    if (std::regex_search(l, m, def)) constants[m[1]] = std::stoi(m[2]);
  }
  return true;
}

// ---------------------------------------------------------------------------
// Body markup. A body is first turned into a list of items (bytes, switch
// marks, the blanks that join source lines), then laid out into bytes.

enum ItemKind { BYTE, JOIN_BLANK, OPEN, SEP, CLOSE };
struct Item {
  ItemKind kind;
  uint8_t byte;
  int line;
};

struct Source {
  std::string file;
  int line;
  std::string text;
};

struct Compiler {
  std::string file;
  std::vector<Item> items;
  std::vector<Nest> nests;
  bool in_switch = false;
  int switch_line = 0;
  bool failed = false;

  void fail(int line, const std::string &msg) {
    error(file, line, msg);
    failed = true;
  }
  void put(uint8_t b, int line) { items.push_back({BYTE, b, line}); }
  void puts(const std::string &s, int line) {
    for (unsigned char c : s) put(c, line);
  }

  void nest(int kind, int refno, int line) {
    put(TC_NEST, line);
    put(uint8_t(kind), line);
    put(uint8_t(refno >> 8), line);
    put(uint8_t(refno & 0xFF), line);
  }

  // {tag}: one markup element.
  void tag(const std::string &t, int line) {
    static const std::map<std::string, uint8_t> simple = {
        {"word", TC_HOLDER},        {"name", TC_HOLDER},          {"arg", TC_HOLDER},
        {"number", TC_NUMBER},      {"centre", TC_CENTRE_LINES},  {"block", TC_CENTRE_BLOCK},
        {"pre", TC_PRE_BLOCK},      {"/centre", TC_CENTRE_END},   {"/block", TC_CENTRE_END},
        {"/pre", TC_CENTRE_END},    {"_", TC_HARD_SPACE},         {"join", TC_JOIN},
        {"shift", TC_SHIFT},        {"nl", '\n'},                 {"lb", '{'},
        {"rb", '}'},                {"bar", '|'},                 {"bs", '\\'},
    };
    auto it = simple.find(t);
    if (it != simple.end()) {
      put(it->second, line);
      return;
    }
    if (t.size() >= 3 && t.front() == '<' && t.back() == '>') {
      std::string inner = t.substr(1, t.size() - 2);
      if (inner.find_first_of("<>{}") != std::string::npos || has_control(inner, false)) {
        fail(line, "malformed tag {" + t + "}");
        return;
      }
      put(TC_TAG_START, line);
      puts(inner, line);
      put(TC_TAG_END, line);
      return;
    }
    size_t colon = t.find(':');
    if (colon != std::string::npos) {
      std::string what = t.substr(0, colon), arg = trim(t.substr(colon + 1));
      int r;
      if (what != "name" && what != "value" && what != "say") {
        fail(line, "unknown markup {" + t + "}");
        return;
      }
      if (arg.empty()) {
        fail(line, "missing refno in {" + t + "}");
        return;
      }
      if (!refno_of(arg, file, line, r)) {
        failed = true;
        return;
      }
      if (what == "value") {
        if (r < FIRST_VAR || r > LAST_VAR) {
          fail(line, "unknown refno " + std::to_string(r) + " in {" + t + "}: not a variable (1144..1263)");
          return;
        }
        nest(NEST_VALUE, r, line);
        return;
      }
      if (r < 0 || r >= NREFNO) {
        fail(line, "unknown refno " + std::to_string(r) + " in {" + t + "}: outside 0..3571");
        return;
      }
      if (what == "say") nests.push_back({r, line});
      nest(what == "name" ? NEST_NAME : NEST_SAY, r, line);
      return;
    }
    fail(line, "unknown markup {" + t + "}");
  }

  // The markup of one source line (already trimmed).
  void line_markup(const std::string &s, int line) {
    for (size_t i = 0; i < s.size(); i++) {
      unsigned char c = s[i];
      if (c == '{' && i + 1 < s.size() && s[i + 1] == '{') {
        if (in_switch) {
          fail(line, "switches do not nest");
          return;
        }
        in_switch = true;
        switch_line = line;
        items.push_back({OPEN, 0, line});
        i++;
      } else if (c == '{') {
        size_t e = s.find('}', i + 1);
        if (e == std::string::npos) {
          fail(line, "unclosed {");
          return;
        }
        tag(s.substr(i + 1, e - i - 1), line);
        i = e;
      } else if (c == '}' && i + 1 < s.size() && s[i + 1] == '}') {
        if (!in_switch) {
          fail(line, "}} without {{");
          return;
        }
        in_switch = false;
        items.push_back({CLOSE, 0, line});
        i++;
      } else if (c == '}') {
        fail(line, "stray } (write {rb})");
        return;
      } else if (c == '|' && in_switch) {
        items.push_back({SEP, 0, line});
      } else if (c == '\t') {
        put(' ', line);
      } else if (c < 0x20) {
        fail(line, "control byte in the source");
        return;
      } else {
        put(c, line);
      }
    }
  }

  // Source lines joined by the paragraph rules. Returns whether the last
  // line ended in a backslash (the text then ends exactly there).
  bool lines(const std::vector<Source> &src) {
    bool started = false, paragraph = false, joined = false;
    for (auto &l : src) {
      std::string s = rtrim(l.text);
      size_t a = s.find_first_not_of(" \t");
      if (a == std::string::npos) {
        if (started) paragraph = true;
        continue;
      }
      s = s.substr(a);
      bool ends_joined = s.back() == '\\';
      if (ends_joined) s.pop_back();
      if (started) {
        if (paragraph) {
          puts("\n\n", l.line);
          if (s[0] == '|' && !in_switch) s.erase(0, 1);
        } else if (s[0] == '|' && !in_switch) {
          put('\n', l.line);
          s.erase(0, 1);
        } else if (!joined) {
          items.push_back({JOIN_BLANK, ' ', l.line});
        }
      } else if (s[0] == '|' && !in_switch) {
        s.erase(0, 1);
      }
      line_markup(s, l.line);
      started = true;
      paragraph = false;
      joined = ends_joined;
    }
    return joined;
  }
};

// Lays the items out into bytes: switches get their table. Sets count to the variant count of the
// switches (0 when there is none).
bool layout(Compiler &c, std::string &out, int &count) {
  std::vector<Item> &it = c.items;
  std::vector<Item> clean;
  for (size_t i = 0; i < it.size(); i++) {
    if (it[i].kind == JOIN_BLANK) {
      // A variant starts and ends without the blank that joins lines; a
      // switch within a paragraph keeps the blanks around it.
      bool starts = i > 0 && (it[i - 1].kind == OPEN || it[i - 1].kind == SEP);
      bool ends = i + 1 < it.size() && (it[i + 1].kind == SEP || it[i + 1].kind == CLOSE);
      if (starts || ends) continue;
      clean.push_back({BYTE, ' ', it[i].line});
    } else {
      clean.push_back(it[i]);
    }
  }
  count = 0;
  size_t i = 0;
  while (i < clean.size()) {
    if (clean[i].kind == BYTE) {
      out += char(clean[i++].byte);
      continue;
    }
    int line = clean[i].line;  // an OPEN: lay out the whole switch
    std::vector<std::string> variants(1);
    for (i++; i < clean.size() && clean[i].kind != CLOSE; i++) {
      if (clean[i].kind == SEP)
        variants.emplace_back();
      else
        variants.back() += char(clean[i].byte);
    }
    i++;
    int n = int(variants.size());
    if (n < 2 || n > 255) {
      c.fail(line, "a switch needs 2..255 variants, not " + std::to_string(n));
      return false;
    }
    if (count && count != n) {
      c.fail(line, "switch of " + std::to_string(n) + " variants in a text of " + std::to_string(count));
      return false;
    }
    count = n;
    std::string table, body;
    for (auto &v : variants) {
      body += v;
      body += char(TC_SWITCH_END);
      if (body.size() > 0xFFFF) {
        c.fail(line, "switch too long");
        return false;
      }
      table += char(body.size() >> 8);
      table += char(body.size() & 0xFF);
    }
    out += char(TC_SWITCH);
    out += char(n);
    out += table;
    out += body;
  }
  return true;
}

// A text or description body. Fills b; false after an error.
bool compile_body(const std::string &file, int line, std::vector<Source> src, bool raw, Body &b,
                  int &count) {
  while (!src.empty() && trim(src.back().text).empty()) src.pop_back();
  while (!src.empty() && trim(src.front().text).empty()) src.erase(src.begin());
  if (src.empty()) {
    error(file, line, "empty text");
    return false;
  }
  Compiler c;
  c.file = file;
  bool joined;
  // A whole-text switch written as blocks between lines of "--".
  std::vector<std::vector<Source>> blocks(1);
  for (auto &l : src) {
    if (trim(l.text) == "--")
      blocks.emplace_back();
    else
      blocks.back().push_back(l);
  }
  if (blocks.size() > 1) {
    c.items.push_back({OPEN, 0, line});
    for (size_t k = 0; k < blocks.size(); k++) {
      if (k) c.items.push_back({SEP, 0, line});
      auto &blk = blocks[k];
      while (!blk.empty() && trim(blk.back().text).empty()) blk.pop_back();
      if (blk.empty()) {
        error(file, line, "empty variant between -- lines");
        return false;
      }
      size_t before = c.items.size();
      joined = c.lines(blk);
      // A block is one variant already: a switch inside it would nest.
      for (size_t j = before; j < c.items.size(); j++)
        if (c.items[j].kind >= OPEN) {
          error(file, c.items[j].line, "switches do not nest");
          return false;
        }
      if (c.failed) return false;
    }
    c.items.push_back({CLOSE, 0, line});
  } else {
    joined = c.lines(src);
  }
  if (c.failed) return false;
  if (c.in_switch) {
    error(file, c.switch_line, "unclosed switch {{");
    return false;
  }
  if (!joined && !raw) c.items.push_back({BYTE, '\n', src.back().line});
  b.bytes.clear();
  if (!layout(c, b.bytes, count)) return false;
  if (raw && has_control(b.bytes, true)) {
    error(file, line, "control byte in a page text");
    return false;
  }
  b.present = true;
  b.raw = raw;
  b.file = file;
  b.line = line;
  b.nests = c.nests;
  return true;
}

// A one-line raw text (name or shown word).
bool compile_raw_line(const std::string &file, int line, const std::vector<Source> &src,
                      const char *what, Body &b) {
  std::vector<Source> lines;
  for (auto &l : src)
    if (!trim(l.text).empty()) lines.push_back(l);
  if (lines.empty()) {
    error(file, line, std::string("empty ") + what);
    return false;
  }
  if (lines.size() > 1) {
    error(file, lines[1].line, std::string("a ") + what + " is one line");
    return false;
  }
  std::string s = trim(lines[0].text);
  if (has_control(s, false)) {
    error(file, lines[0].line, std::string("control byte in a ") + what);
    return false;
  }
  b.present = true;
  b.raw = true;
  b.file = file;
  b.line = lines[0].line;
  b.bytes = s;
  return true;
}

// ---------------------------------------------------------------------------
// Entries of a .fab file.

bool claim(int refno, const std::string &file, int line) {
  if (!defined_at[refno].empty()) {
    error(file, line, "duplicate refno " + std::to_string(refno) + " (first defined at " + defined_at[refno] + ")");
    return false;
  }
  defined_at[refno] = file + ":" + std::to_string(line);
  return true;
}

void text_entry(const std::string &file, int line, const std::vector<std::string> &hw,
                const std::vector<Source> &src) {
  static const std::map<std::string, int> kinds = {
      {"plain", 0}, {"random", 1}, {"incremental", 2}, {"cyclic", 4}, {"assigned", 8}};
  int refno = -1, kind = 0, n = -1;
  bool raw = false, ok = true;
  for (size_t i = 1; i < hw.size(); i++) {
    const std::string &w = hw[i];
    std::string base = w.substr(0, w.find('/'));
    if (w == "raw") {
      raw = true;
    } else if (kinds.count(base)) {
      kind = kinds.at(base);
      if (w.size() > base.size()) {
        std::string num = w.substr(base.size() + 1);
        if (!is_number(num) || atoi(num.c_str()) < 1 || atoi(num.c_str()) > 255) {
          error(file, line, "malformed variant count '" + w + "'");
          ok = false;
        } else {
          n = atoi(num.c_str());
        }
      }
    } else if (is_number(w) || (is_name(w) && (constants.count(w) || isupper((unsigned char)w[0])))) {
      int r;
      if (!refno_of(w, file, line, r)) {
        ok = false;
        continue;
      }
      if (refno >= 0 && r != refno) {
        error(file, line, w + " is " + std::to_string(r) + ", not " + std::to_string(refno));
        ok = false;
      }
      refno = r;
    } else {
      error(file, line, "malformed header word '" + w + "'");
      ok = false;
    }
  }
  if (refno < 0 && ok) {
    error(file, line, "missing refno");
    return;
  }
  if (!ok) return;
  if (refno < FIRST_TEXT || refno > LAST_TEXT) {
    error(file, line, "unknown refno " + std::to_string(refno) + ": not a text (1264..3571)");
    return;
  }
  if (!claim(refno, file, line)) return;
  Body &b = bodies[refno][OWN];
  int count = 0;
  if (!compile_body(file, line, src, raw, b, count)) return;
  if (raw && count) {
    error(file, line, "a switch in a page text");
    return;
  }
  if (count && n >= 0 && n != count) {
    error(file, line, "variant count /" + std::to_string(n) + " disagrees with a switch of " + std::to_string(count));
    return;
  }
  info_kind[refno - FIRST_TEXT] = uint8_t(kind);
  info_count[refno - FIRST_TEXT] = uint8_t(count ? count : n > 0 ? n : 0);
}

// @object, @place, @word: a refno and optionally its constant name.
int entity_header(const std::string &file, int line, const std::vector<std::string> &hw, int lo,
                  int hi, const char *what) {
  int refno = -1;
  for (size_t i = 1; i < hw.size(); i++) {
    int r;
    if (!is_number(hw[i]) && !is_name(hw[i])) {
      error(file, line, "malformed header word '" + hw[i] + "'");
      return -1;
    }
    if (!refno_of(hw[i], file, line, r)) return -1;
    if (refno >= 0 && r != refno) {
      error(file, line, hw[i] + " is " + std::to_string(r) + ", not " + std::to_string(refno));
      return -1;
    }
    refno = r;
  }
  if (refno < 0) {
    error(file, line, "missing refno");
    return -1;
  }
  if (refno < lo || refno > hi) {
    error(file, line, "unknown refno " + std::to_string(refno) + ": not " + what + " (" + std::to_string(lo) +
                          ".." + std::to_string(hi) + ")");
    return -1;
  }
  // An object or a place may be written in several entries (its name in
  // one file, its descriptions in another), each field in one of them.
  if (lo == FIRST_OBJECT || lo == FIRST_PLACE) return refno;
  return claim(refno, file, line) ? refno : -1;
}

// Where each field of an object or a place was written, for duplicates.
std::string field_at[NREFNO][NFIELDS];

void entity_entry(const std::string &file, int line, const std::vector<std::string> &hw,
                  const std::vector<Source> &src, bool place) {
  int refno = place ? entity_header(file, line, hw, FIRST_PLACE, LAST_PLACE, "a place")
                    : entity_header(file, line, hw, FIRST_OBJECT, LAST_OBJECT, "an object");
  if (refno < 0) return;
  static const std::regex field_re(R"(^\.([a-z]+)(\s+(.*))?$)");
  static const std::map<std::string, int> fields = {
      {"name", OWN}, {"brief", BRIEF}, {"long", LONG}, {"detail", DETAIL}};
  int cur = -1, cur_line = line;
  std::vector<Source> text;
  bool seen[NFIELDS] = {};
  auto finish = [&]() {
    if (cur < 0) return;
    Body &b = bodies[refno][cur];
    int count = 0;
    // A switch in a description chooses by the entity's state.
    if (cur == OWN)
      compile_raw_line(file, cur_line, text, "name", b);
    else
      compile_body(file, cur_line, text, false, b, count);
  };
  for (auto &l : src) {
    std::smatch m;
    if (std::regex_match(l.text, m, field_re)) {
      finish();
      auto it = fields.find(m[1]);
      if (it == fields.end() || (place && it->second == DETAIL)) {
        error(file, l.line, "unknown field ." + m[1].str() + (place ? " for a place" : " for an object"));
        cur = -1;
        text.clear();
        continue;
      }
      if (seen[it->second]) {
        error(file, l.line, "duplicate field ." + m[1].str());
        cur = -1;
        text.clear();
        continue;
      }
      seen[it->second] = true;
      std::string &at = field_at[refno][it->second];
      if (!at.empty()) {
        error(file, l.line, "duplicate field ." + m[1].str() + " of refno " + std::to_string(refno) +
                                " (first written at " + at + ")");
        cur = -1;
        text.clear();
        continue;
      }
      at = file + ":" + std::to_string(l.line);
      cur = it->second;
      cur_line = l.line;
      text.clear();
      if (m[3].matched && !trim(m[3]).empty()) text.push_back({file, l.line, m[3]});
      continue;
    }
    if (cur < 0) {
      if (!trim(l.text).empty()) error(file, l.line, "text outside a field");
      continue;
    }
    text.push_back(l);
  }
  finish();
}

void word_entry(const std::string &file, int line, const std::vector<std::string> &hw,
                const std::vector<Source> &src) {
  int refno = entity_header(file, line, hw, FIRST_WORD, LAST_WORD, "a word");
  if (refno < 0) return;
  compile_raw_line(file, line, src, "word", bodies[refno][OWN]);
}

void read_fab(const std::string &file) {
  std::vector<std::string> lines;
  if (!read_lines(file, lines)) {
    error(file, 0, "cannot read the file");
    return;
  }
  int hline = 0;
  std::vector<std::string> hw;
  std::vector<Source> body;
  auto flush = [&]() {
    if (hw.empty()) return;
    if (hw[0] == "@text")
      text_entry(file, hline, hw, body);
    else if (hw[0] == "@object")
      entity_entry(file, hline, hw, body, false);
    else if (hw[0] == "@place")
      entity_entry(file, hline, hw, body, true);
    else if (hw[0] == "@word")
      word_entry(file, hline, hw, body);
    else
      error(file, hline, "unknown entry " + hw[0]);
  };
  for (size_t i = 0; i < lines.size(); i++) {
    const std::string &l = lines[i];
    int n = int(i) + 1;
    if (!l.empty() && l[0] == '#') continue;
    if (!l.empty() && l[0] == '@') {
      flush();
      hline = n;
      hw = words_of(l);
      body.clear();
      continue;
    }
    if (hw.empty()) {
      if (!trim(l).empty()) error(file, n, "text outside an entry");
      continue;
    }
    body.push_back({file, n, l});
  }
  flush();
}

// ---------------------------------------------------------------------------
// The vocabulary: "matched shown refno type" per line.

void read_voc(const std::string &file) {
  std::vector<std::string> lines;
  if (!read_lines(file, lines)) {
    error(file, 0, "cannot read the file");
    return;
  }
  static const std::map<std::string, int> types = {
      {"object", 0}, {"place", 1}, {"word", 2}, {"noise", 20}, {"never", 21}};
  for (size_t i = 0; i < lines.size(); i++) {
    int n = int(i) + 1;
    const std::string &l = lines[i];
    if (trim(l).empty() || l[0] == '#') continue;
    // Columns, the shown form possibly quoted.
    std::vector<std::string> col;
    size_t p = 0;
    bool bad = false;
    while (true) {
      p = l.find_first_not_of(" \t", p);
      if (p == std::string::npos || l[p] == '#') break;
      if (l[p] == '"' && col.size() == 1) {  // only the shown form is quoted
        size_t e = l.find('"', p + 1);
        if (e == std::string::npos) {
          bad = true;
          break;
        }
        col.push_back(l.substr(p, e - p + 1));
        p = e + 1;
      } else {
        size_t e = l.find_first_of(" \t", p);
        if (e == std::string::npos) e = l.size();
        col.push_back(l.substr(p, e - p));
        p = e;
      }
    }
    if (bad || col.size() != 4) {
      error(file, n, "malformed vocabulary line (matched shown refno type)");
      continue;
    }
    Vocab v{file, n, col[0], col[1], 0, 0};
    if (v.shown == "=")
      v.shown = v.matched;
    else if (v.shown.size() >= 2 && v.shown.front() == '"')
      v.shown = v.shown.substr(1, v.shown.size() - 2);
    if (has_control(v.matched, false) || has_control(v.shown, false)) {
      error(file, n, "control byte in a word");
      continue;
    }
    if (v.matched.size() > MAX_WORD) {
      error(file, n, "matched word '" + v.matched + "' is longer than 31 bytes");
      continue;
    }
    if (std::any_of(v.matched.begin(), v.matched.end(), [](char c) { return c >= 'A' && c <= 'Z'; })) {
      error(file, n, "matched word '" + v.matched + "' is not lower case");
      continue;
    }
    if (v.shown.empty() || v.matched.empty()) {
      error(file, n, "empty word");
      continue;
    }
    auto t = types.find(col[3]);
    if (t == types.end()) {
      error(file, n, "unknown vocabulary type '" + col[3] + "'");
      continue;
    }
    v.type = t->second;
    if (!refno_of(col[2], file, n, v.refno)) continue;
    int lo = 0, hi = LAST_TEXT;
    const char *what = "a refno";
    if (v.type == 0) lo = FIRST_OBJECT, hi = LAST_OBJECT, what = "an object";
    if (v.type == 1) lo = FIRST_PLACE, hi = LAST_PLACE, what = "a place";
    if (v.type == 2) lo = FIRST_PLACE, hi = LAST_WORD, what = "a word or place";
    if (v.refno < lo || v.refno > hi) {
      error(file, n, "unknown refno " + std::to_string(v.refno) + ": not " + what);
      continue;
    }
    vocab.push_back(v);
  }
}

// ---------------------------------------------------------------------------
// Cycles through {say:R}: a body says the bodies that its nests reach.

std::vector<std::pair<int, int>> reached(int refno) {
  if (refno >= FIRST_OBJECT && refno <= LAST_PLACE) return {{refno, BRIEF}, {refno, LONG}};
  return {{refno, OWN}};
}

int colour[NREFNO][NFIELDS];
std::vector<int> path;

bool visit(int r, int f) {
  Body &b = bodies[r][f];
  if (!b.present) return true;
  if (colour[r][f] == 2) return true;
  colour[r][f] = 1;
  path.push_back(r);
  for (auto &n : b.nests)
    for (auto [r2, f2] : reached(n.refno)) {
      if (!bodies[r2][f2].present) continue;
      if (colour[r2][f2] == 1) {
        std::string chain;
        auto start = std::find(path.begin(), path.end(), r2);
        for (auto it = start; it != path.end(); ++it) chain += std::to_string(*it) + " -> ";
        error(b.file, n.line, "{say:} nesting cycles: " + chain + std::to_string(r2));
        colour[r][f] = 2;
        path.pop_back();
        return false;
      }
      if (!visit(r2, f2)) {
        colour[r][f] = 2;
        path.pop_back();
        return false;
      }
    }
  colour[r][f] = 2;
  path.pop_back();
  return true;
}

void check_cycles() {
  for (int r = 0; r < NREFNO; r++)
    for (int f = 0; f < NFIELDS; f++) visit(r, f);
}

// ---------------------------------------------------------------------------
// The database image.

int mask(int p) {
  int a = (p >> 4) & 0x7F;
  if (a == 0) a = p & 0x7F;
  if (a == 0) a = 88;
  return (a * 17 + 13) & 0x7F;
}

struct Image {
  std::string plain;  // unscrambled bytes
  std::map<std::string, int> shared;
  int32_t textadr[NREFNO] = {};
  int32_t desc[NFIELDS][NDESC] = {};
  std::vector<int32_t> voc_addr, voc_word;

  int add(const std::string &s) {
    int p = int(plain.size());
    plain += s;
    plain += '\0';
    return p;
  }
  int add_shared(const std::string &s) {
    auto it = shared.find(s);
    if (it != shared.end()) return it->second;
    return shared[s] = add(s);
  }
};

void build(Image &im, const std::string &key) {
  im.plain = std::string(1 + key.size(), '\0');
  for (int r = 0; r < NREFNO; r++) {
    Body &b = bodies[r][OWN];
    if (b.present) im.textadr[r] = b.raw ? im.add_shared(b.bytes) : im.add(b.bytes);
  }
  for (int r = FIRST_OBJECT; r <= LAST_PLACE; r++)
    for (int f = BRIEF; f <= DETAIL; f++)
      if (bodies[r][f].present) im.desc[f][r] = im.add(bodies[r][f].bytes);
  for (auto &v : vocab) {
    im.voc_addr.push_back(im.add_shared(v.matched));
    im.voc_word.push_back(im.add_shared(v.shown));
  }
}

std::string scramble(const std::string &plain, const std::string &key) {
  std::string out = plain;
  int L = int(key.size());
  out[0] = char(L ^ mask(0));
  for (int p = 1; p <= L; p++) out[p] = char((unsigned char)key[p - 1] ^ mask(p));
  for (size_t p = L + 1; p < out.size(); p++)
    out[p] = char((unsigned char)plain[p] ^ mask(int(p)) ^ (unsigned char)key[p % L]);
  return out;
}

template <typename T>
void emit_array(std::ostringstream &o, const char *decl, const char *name, const T *v, size_t n) {
  o << decl << " " << name << "[" << n << "] = {";
  for (size_t i = 0; i < n; i++) {
    if (i % 16 == 0) o << "\n ";
    o << " " << v[i] << ",";
  }
  o << "\n};\nstatic_assert(sizeof(" << name << ") / sizeof(" << name << "[0]) == " << n << ");\n\n";
}

bool write_db(const std::string &out, const std::string &key) {
  Image im;
  build(im, key);
  size_t nv = vocab.size();
  if (nv > NVOCAB) {
    std::string msg = "the vocabulary holds " + std::to_string(nv) + " entries, more than its room for " +
                      std::to_string(NVOCAB);
    if (vocab.empty())
      fprintf(stderr, "textc: %s\n", msg.c_str());
    else
      error(vocab.back().file, vocab.back().line, msg);
    return false;
  }
  std::vector<int> refno(NVOCAB, 0), type(NVOCAB, 21);
  for (size_t i = 0; i < nv; i++) refno[i] = vocab[i].refno, type[i] = vocab[i].type;
  if (nv < NVOCAB) {  // the room left: entries never matched
    int never = im.add_shared("|");
    im.voc_addr.resize(NVOCAB, never);
    im.voc_word.resize(NVOCAB, never);
  }
  if (im.plain.size() > 0x7FFFFFFF) {
    error(out, 0, "the database is too large");
    return false;
  }
  std::string s = scramble(im.plain, key);
  std::vector<int> bytes(s.begin(), s.end());
  for (auto &b : bytes) b &= 0xFF;
  std::vector<int> info(2 * NTEXTS);
  for (int t = 0; t < NTEXTS; t++) info[2 * t] = info_kind[t], info[2 * t + 1] = info_count[t];

  std::ostringstream o;
  o << "// Generated by textc from the game's text source. Do not edit.\n"
       "#include \"text.h\"\n\n";
  o << "const int32_t text_size = " << bytes.size() << ";\n";
  emit_array(o, "const unsigned char", "text", bytes.data(), bytes.size());
  emit_array(o, "int32_t", "textadr", im.textadr, NREFNO);
  emit_array(o, "const int32_t", "brief_desc", im.desc[BRIEF], NDESC);
  emit_array(o, "const int32_t", "long_desc", im.desc[LONG], NDESC);
  emit_array(o, "const int32_t", "detail_desc", im.desc[DETAIL], NDESC);
  emit_array(o, "unsigned char", "text_info", info.data(), info.size());
  emit_array(o, "const int16_t", "voc_refno", refno.data(), NVOCAB);
  emit_array(o, "const int16_t", "voc_type", type.data(), NVOCAB);
  emit_array(o, "const int32_t", "voc_addr", im.voc_addr.data(), NVOCAB);
  emit_array(o, "const int32_t", "voc_word", im.voc_word.data(), NVOCAB);

  std::string tmp = out + ".tmp";
  std::ofstream f(tmp, std::ios::binary);
  f << o.str();
  f.close();
  if (!f || std::rename(tmp.c_str(), out.c_str()) != 0) {
    fprintf(stderr, "%s: cannot write the database\n", out.c_str());
    std::remove(tmp.c_str());
    return false;
  }
  return true;
}

// ---------------------------------------------------------------------------
// Names: a header that names every object, place and word for the game's
// code, made from the text source, so that code says OBJ_KEY where it would
// say 58. A refno that game/constants.h names (its role name) keeps that one
// name and is left out here. Otherwise the name is the kind's prefix and the
// entity's own name (an object's or a place's .name, a word's shown form)
// in capitals, words joined by '_', "the" left out: "far end of the
// footbridge" is PLACE_FAR_END_OF_FOOTBRIDGE. Where that name would stand for
// more than one refno (the look-alike places of a maze, a name that
// constants.h gives another refno), each of them takes its refno as a suffix:
// PLACE_LABYRINTH_460.

std::string name_stem(const std::string &shown) {
  std::string s = shown;
  if (!s.empty() && s[0] == '!') s.erase(0, 1);
  std::vector<std::string> parts;
  std::string cur;
  auto flush = [&]() {
    if (!cur.empty() && cur != "THE") parts.push_back(cur);
    cur.clear();
  };
  for (unsigned char c : s) {
    if (isalnum(c))
      cur += char(toupper(c));
    else if (c != '\'')
      flush();
  }
  flush();
  std::string out;
  for (auto &p : parts) out += (out.empty() ? "" : "_") + p;
  return out;
}

// The name constants.h gives a refno of the kind with this prefix, if any.
bool named_in_constants(int refno, const std::string &prefix) {
  for (auto &[name, value] : constants)
    if (value == refno && name.rfind(prefix, 0) == 0) return true;
  return false;
}

bool write_names(const std::string &out) {
  struct Kind {
    int lo, hi;
    const char *prefix;
  };
  const Kind kinds[] = {{FIRST_OBJECT, LAST_OBJECT, "OBJ_"},
                        {FIRST_PLACE, LAST_PLACE - 4, "PLACE_"},  // the four pseudo-places are named in constants.h
                        {FIRST_WORD, LAST_WORD, "WORD_"}};
  // A word without a shown form of its own is named by its first entry.
  std::map<int, std::string> first_matched;
  for (auto &v : vocab)
    if (!first_matched.count(v.refno)) first_matched[v.refno] = v.matched;
  std::ostringstream o;
  o << "// Generated by textc from the game's text source (game/text). Do not edit.\n"
       "// The name of every object, place and word that game/constants.h does not\n"
       "// name: the kind's prefix and the entity's own name (an object's or a place's\n"
       "// .name, a word's shown form); look-alike entities take their refno as a\n"
       "// suffix. `make refno N=NAME` tells everything about one of them.\n"
       "#pragma once\n";
  for (const Kind &k : kinds) {
    std::vector<std::pair<int, std::string>> shown;
    std::map<std::string, int> uses;
    for (int r = k.lo; r <= k.hi; r++) {
      if (named_in_constants(r, k.prefix)) continue;
      std::string s = bodies[r][OWN].present ? bodies[r][OWN].bytes : "";
      if (s.empty() && first_matched.count(r)) s = first_matched[r];
      std::string stem = name_stem(s);
      if (stem.empty()) continue;
      shown.push_back({r, s});
      uses[stem]++;
    }
    o << "\n// " << (k.lo == FIRST_OBJECT ? "Objects." : k.lo == FIRST_PLACE ? "Places." : "Words.") << "\n";
    for (auto &[r, s] : shown) {
      std::string name = k.prefix + name_stem(s);
      if (uses[name_stem(s)] > 1 || constants.count(name)) name += "_" + std::to_string(r);
      std::string decl = "constexpr int " + name + " = " + std::to_string(r) + ";";
      if (decl.size() < 56) decl.resize(56, ' ');
      o << decl << "  // " << (s[0] == '!' ? s.substr(1) : s) << "\n";
    }
  }
  std::string tmp = out + ".tmp";
  std::ofstream f(tmp, std::ios::binary);
  f << o.str();
  f.close();
  if (!f || std::rename(tmp.c_str(), out.c_str()) != 0) {
    fprintf(stderr, "%s: cannot write the names\n", out.c_str());
    std::remove(tmp.c_str());
    return false;
  }
  return true;
}

// ---------------------------------------------------------------------------
// Coverage.

// Procedures pN defined in the game's C++ sources, not counting the stubs;
// the empty bodies in the stub file are counted into *stubs.
int written_procedures(const std::string &dir, int *stubs) {
  namespace fs = std::filesystem;
  std::set<int> found, stubbed;
  static const std::regex def(R"(\bint\s+p(\d+)\s*\(([^;{}()]|\([^()]*\))*\)\s*\{)");
  std::error_code ec;
  fs::path stub = fs::weakly_canonical(fs::path(dir) / "pending.cpp", ec);
  for (auto it = fs::recursive_directory_iterator(dir, ec); !ec && it != fs::recursive_directory_iterator();
       it.increment(ec)) {
    if (!it->is_regular_file() || it->path().extension() != ".cpp") continue;
    bool is_stub = fs::weakly_canonical(it->path(), ec) == stub;
    std::ifstream in(it->path(), std::ios::binary);
    std::string src((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (std::sregex_iterator m(src.begin(), src.end(), def), end; m != end; ++m) {
      int n = std::stoi((*m)[1]);
      if (n >= 0 && n < NPROCS) (is_stub ? stubbed : found).insert(n);
    }
  }
  *stubs = int(stubbed.size());
  return int(found.size());
}

void coverage(const std::string &procdir) {
  int texts = 0, names = 0, desc = 0, vocab_words = 0, words = 0;
  for (int r = FIRST_TEXT; r <= LAST_TEXT; r++) texts += bodies[r][OWN].present;
  for (int r = FIRST_OBJECT; r <= LAST_PLACE; r++) {
    names += bodies[r][OWN].present;
    desc += bodies[r][BRIEF].present + bodies[r][LONG].present;
    if (r <= LAST_OBJECT) desc += bodies[r][DETAIL].present;
  }
  std::set<int> listed;
  for (auto &v : vocab)
    if (v.refno >= FIRST_WORD && v.refno <= LAST_WORD) listed.insert(v.refno);
  for (int r : listed) words += bodies[r][OWN].present;
  vocab_words = int(listed.size());
  int nobj = LAST_OBJECT - FIRST_OBJECT + 1, nplace = LAST_PLACE - FIRST_PLACE + 1;
  printf("texts: %d/%d\n", texts, NTEXTS);
  printf("names: %d/%d\n", names, nobj + nplace);
  printf("descriptions: %d/%d\n", desc, 3 * nobj + 2 * nplace);
  printf("words: %d/%d\n", words, vocab_words);
  printf("vocabulary: %zu entries (room for %d)\n", vocab.size(), NVOCAB);
  int stubs = 0;
  int procs = procdir.empty() ? 0 : written_procedures(procdir, &stubs);
  printf("procedures: %d/%d\n", procs, NPROCS);
  printf("stubs: %d\n", stubs);
}

int usage() {
  fprintf(stderr,
          "usage: textc --constants FILE [--stamp S] --out FILE.cpp files...\n"
          "       textc --constants FILE --coverage [--procedures DIR] files...\n"
          "       textc --constants FILE --names FILE.h files...\n");
  return 2;
}

}  // namespace

int main(int argc, char **argv) {
  std::string constants_file, out, names, procdir, stamp = DEFAULT_STAMP;
  bool cover = false;
  std::vector<std::string> files;
  for (int i = 1; i < argc; i++) {
    std::string a = argv[i];
    auto value = [&](std::string &dst) {
      if (i + 1 >= argc) return false;
      dst = argv[++i];
      return true;
    };
    if (a == "--constants") {
      if (!value(constants_file)) return usage();
    } else if (a == "--out") {
      if (!value(out)) return usage();
    } else if (a == "--names") {
      if (!value(names)) return usage();
    } else if (a == "--procedures") {
      if (!value(procdir)) return usage();
    } else if (a == "--stamp") {
      if (!value(stamp)) return usage();
    } else if (a == "--coverage") {
      cover = true;
    } else if (a.size() > 1 && a[0] == '-') {
      return usage();
    } else {
      files.push_back(a);
    }
  }
  if (constants_file.empty() || (!cover && out.empty() && names.empty())) return usage();
  if (stamp.empty() || stamp.size() > MAX_KEY || has_control(stamp, false)) {
    fprintf(stderr, "textc: the stamp must be 1..%d printable bytes\n", MAX_KEY);
    return 2;
  }
  if (!read_constants(constants_file)) return 1;
  for (auto &f : files) {
    std::string ext = std::filesystem::path(f).extension().string();
    if (ext == ".voc")
      read_voc(f);
    else if (ext == ".fab")
      read_fab(f);
    else
      error(f, 0, "neither a .fab nor a .voc file");
  }
  check_cycles();
  if (cover) {
    coverage(procdir);
    return 0;
  }
  if (errors) return 1;
  if (!names.empty() && !write_names(names)) return 1;
  return out.empty() || write_db(out, stamp) ? 0 : 1;
}
