// Writes the harnesses' seed corpora (files named seed-*) into the
// directory given, one folder per harness, from files the game itself
// writes (its default configuration, a log, saved games and journals) and
// from typical input of each kind. Other files there (regression inputs) are
// left alone. Run it again after a file format changes:
//
//     build-fuzz/fuzz/fuzz_seeds fuzz/corpus
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>

#include "harness.h"
#include "persist.h"
#include "state.h"
#include "text.h"

namespace {

using namespace std::string_literals;

std::string out;

void seed(const std::string &harness, const std::string &name, const fuzz::bytes &b) {
    std::filesystem::create_directories(out + "/" + harness);
    fuzz::write_file(out + "/" + harness + "/seed-" + name, b.data(), b.size());
}

void seed(const std::string &harness, const std::string &name, const std::string &s) {
    seed(harness, name, fuzz::bytes(s.begin(), s.end()));
}

std::string args(std::initializer_list<const char *> list) {
    std::string s;
    for (const char *a : list) {
        if (!s.empty()) s += '\0';
        s += a;
    }
    return s;
}

void put32(fuzz::bytes &b, uint32_t v) {
    for (int i = 0; i < 4; i++) b.push_back(uint8_t(v >> (8 * i)));
}

// The restore harness's input: flags, the two lengths, the three files.
fuzz::bytes restore_input(int flags, const fuzz::bytes &save, const fuzz::bytes &journal,
                          const fuzz::bytes &transcript) {
    fuzz::bytes b = {uint8_t(flags)};
    put32(b, uint32_t(save.size()));
    put32(b, uint32_t(journal.size()));
    b.insert(b.end(), save.begin(), save.end());
    b.insert(b.end(), journal.begin(), journal.end());
    b.insert(b.end(), transcript.begin(), transcript.end());
    return b;
}

const char *const walkthrough[] = {"", "look", "intro", "xyzzy", "invetory", "lantren", "take lamp; drop lamp", "n", "score"};

std::string lines(std::initializer_list<const char *> list) {
    std::string s;
    for (const char *l : list) s += std::string(l) + "\n";
    return s;
}

void args_seeds() {
    seed("args", "none", "");
    seed("args", "new", args({"-n"}));
    seed("args", "console", args({"-n", "-C", "-p0"}));
    seed("args", "screen", args({"-s80.24.1", "-j"}));
    seed("args", "screen-apart", args({"-s", "40.20.2", "-j1", "-b2", "-p", "-C"}));
    seed("args", "pacing", args({"-o300", "-p1", "-b0"}));
    seed("args", "restore-stop", args({"-x", "saved"}));
    seed("args", "restore-named", args({"-r", "saved.orv", "-C"}));
    seed("args", "restore-bare", args({"saved", "game.log", "-C"}));
    seed("args", "one-command", args({"-y", "look"}));
    seed("args", "one-command-rest", args({"--", "take", "lamp"}));
    seed("args", "log", args({"-l", "game.log", "-C"}));
    seed("args", "log-joined", args({"-lgame.log", "-b", "-s100.30.3"}));
    seed("args", "browser", args({"-B", "-n"}));
    seed("args", "browser-named", args({"-Bxdg-open", "-b=1"}));
    seed("args", "replay", args({"-c", "game.cmd", "-C", "-p0"}));
    seed("args", "replay-log", args({"--c=game.cmd", "-l", "-s60.24.2"}));
}

void conf_seeds() {
    // The file the game writes on a first start.
    fuzz::in_target t;
    fuzz::fresh_process();
    fuzz::type_lines({});
    fuzz::run_program({"-C", "-p0", "-n"});
    const fuzz::bytes made = fuzz::read_file(fuzz::home() + "/fablet/fablet.conf");
    if (made.empty()) fuzz::fail("the game wrote no configuration file");
    seed("conf", "default", made);
    std::string console = "BROWSER NONE\r\n" + std::string(made.begin(), made.end());
    seed("conf", "default-console", console);
    seed("conf", "layout",
         "BROWSER NONE   # plain console\nLAYOUT WIDTH 60\nLAYOUT MARGIN 3\nLAYOUT JUSTIFY YES\nLAYOUT HEIGHT 20\n");
    seed("conf", "layout-narrow", "BROWSER NONE\nLAYOUT WIDTH 30\nLAYOUT MARGIN 5\nLAYOUT JUSTIFY default\n");
    seed("conf", "log-write", "BROWSER NONE\nLOG WRITE\n");
    seed("conf", "log-append-dir", "BROWSER NONE\nLOGFILE APPEND logs\nLOG OFF\n");
    seed("conf", "log-overwrite", "browser none\nlogfile overwrite game.log\n");
    seed("conf", "log-missing-dir", "BROWSER NONE\nLOG ON missing/dir/x.log\n");
    seed("conf", "colours",
         "COLOUR BACKGROUND  \\#ffffff\nCOLOR TEXT 'navy'\nCOLOUR PROMPT \"#123456\"\nCOLOUR DBG green\n"
         "COLOUR SURROUND black # dark\n");
    seed("conf", "show",
         "SHOW COMPACT All\nSHOW HISTORY 5000\nSHOW WIDTH 100\nSHOW BUTTON No\nSHOW BORDER off\nSHOW COMMANDS 20\n");
    seed("conf", "timeout", "TIMEOUT INVOCATION 5\nTIMEOUT KEEPALIVE 10\nTIMEOUT GRACETIME 30\n");
    seed("conf", "browser-windows", "BROWSER WINDOWS \"/opt/Web Browser/bin/browser\"\nBROWSER WINDOWS $BROWSER\n");
    seed("conf", "compact", "BROWSER NONE\nSHOW COMPACT Some\nLAYOUT JUSTIFY N\n");
}

void turn_seeds() {
    std::string walk = "\x02";
    for (const char *l : walkthrough) walk += std::string(l) + "\n";
    seed("turn", "walkthrough", walk);
    seed("turn", "resumed", "\x01" + lines({"look", "inventory", "score", "north", "south"}));
    seed("turn", "separators", "\x00"s + lines({"", "take lamp, drop lamp; look", "n. s, e; w", "again", "g"}));
    seed("turn", "except", "\x01" + lines({"take all except lamp, key", "drop all", "take all but lamp"}));
    seed("turn", "say", "\x00"s + lines({"", "say hello there; look", "say", "yell xyzzy"}));
    seed("turn", "undo", "\x01" + lines({"look", "undo", "redo", "undo 3", "redo all", "undo all", "undo x"}));
    seed("turn", "questions", "\x00"s + lines({"", "quit", "no", "quit", "maybe", "yes"}));
    seed("turn", "saving", "\x01" + lines({"save mygame", "yes", "restore mygame", "restore", "delete mygame"}));
    seed("turn", "typos", "\x00"s + lines({"", "lantren", "invetory", "nort", "tkae lmap", "xyzzy plugh"}));
    std::string words;
    for (int i = 0; i < 300; i++) words += i % 2 ? "lamp " : "take ";
    seed("turn", "long-line", "\x00\n"s + words + "\n" + std::string(5000, 'a') + "\n");
    seed("turn", "three-words", "\x01" + lines({"take the lamp", "put lamp in box", "go north east"}));
}

void replay_seeds() {
    // The test's walkthrough, and the log the game writes while it is played.
    std::string cmd = "Wiz: 1234\n";
    for (const char *l : walkthrough) cmd += "REPLY: " + std::string(l) + "\n";
    seed("replay", "walkthrough", cmd);
    fuzz::in_target t;
    fuzz::fresh_process();
    fuzz::type_lines(std::vector<std::string>(std::begin(walkthrough), std::end(walkthrough)));
    fuzz::run_program({"-C", "-p0", "-n", "-l", "game.log"});
    const fuzz::bytes log = fuzz::read_file(fuzz::work() + "/game.log");
    if (log.empty()) fuzz::fail("the game wrote no log");
    seed("replay", "log", log);
    seed("replay", "stamp", std::string(VERSION_STAMP) + ": 4321\nREPLY: look\nREPLY: take lamp, north\nINTERACT\n"
                                                         "REPLY: not replayed\n");
    seed("replay", "bare", "Wiz: 5\nREPLY:\nREPLY:look\r\nnoise\nREPLY: say \x01hello\x7f\nREPLY: again\n");
}

void restore_seeds() {
    const fuzz::game_files &g = fuzz::in_progress();
    fuzz::bytes transcript = g.transcript;
    if (transcript.empty()) {
        const std::string last = " You have no light to see by.\n \n ? ";
        transcript.assign(last.begin(), last.end());
    }
    for (int way = 0; way < 4; way++) {
        seed("restore", "way" + std::to_string(way), restore_input(way << 1, g.save, g.journal, transcript));
        seed("restore", "way" + std::to_string(way) + "-mended",
             restore_input(way << 1 | 1, g.save, g.journal, transcript));
    }
    seed("restore", "no-journal", restore_input(2, g.save, {}, {}));
    // The older form of the file, whose time field has four bytes; its
    // checksum is mended by the harness.
    size_t time_at = std::strlen(VERSION_STAMP) + 1 + 24 + 4;
    fuzz::bytes older = g.save;
    older.erase(older.begin() + long(time_at) + 4, older.begin() + long(time_at) + 8);
    seed("restore", "older-time", restore_input(1 << 1 | 1, older, g.journal, {}));
    // An older layout: fewer objects, places, words and texts. The file's
    // regions are cut from the game's own; the harness mends the checksum.
    const int32_t lay[6] = {FIRST_OBJECT, LAST_OBJECT - 4, LAST_PLACE - 10, LAST_WORD - 20, FIRST_TEXT - 20,
                            NVALUES - 40};
    fuzz::bytes old(g.save.begin(), g.save.begin() + long(std::strlen(VERSION_STAMP) + 1));
    for (int32_t v : lay) put32(old, uint32_t(v));
    put32(old, 0);
    const int32_t O = lay[1], P = lay[2], T = lay[4], V = lay[5];
    const size_t image_size = size_t(V * 4 + (O + 1) * 4 + (O - 2) * 4 + (P - O) * 4 + (T - P) * 2);
    old.insert(old.end(), g.save.begin() + long(time_at), g.save.begin() + long(time_at + 8 + image_size));
    seed("restore", "older-layout", restore_input(1 << 1 | 1, old, {}, {}));
}

void pdata_seeds() {
    // Set, read and clear a few bytes of a small file; of a missing one;
    // offsets at the ends of the range.
    seed("pdata", "small", fuzz::bytes{3, 1, 5, 0, 0, 5, 0, 2, 5, 0, 'a', 'b', 'c'});
    seed("pdata", "missing", fuzz::bytes{0x80 | 2, 1, 9, 0, 0, 9, 0});
    seed("pdata", "ends", fuzz::bytes{4, 0x05, 0, 0, 0x09, 2, 0, 0x0D, 1, 0, 0x08, 3, 0, 'x'});
}

void http_seeds() {
    const std::string own = "Host: 127.0.0.1:{PORT}\r\nReferer: http://127.0.0.1:{PORT}/{KEY}/\r\n";
    const std::string ua = "User-Agent: Mozilla/5.0 (X11; Linux x86_64)\r\nAccept: */*\r\n";
    seed("http", "command", "\x00GET /{KEY}/?page=1&status=1xtake%20lamp HTTP/1.1\r\n"s + own + ua + "\r\n");
    seed("http", "ping", "\x00GET /{KEY}/?page=1&status=0x3 HTTP/1.1\r\n"s + own + "Sec-Fetch-Site: same-origin\r\n\r\n");
    seed("http", "page-reload", "\x00GET /{KEY}/ HTTP/1.1\r\nHost: 127.0.0.1:{PORT}\r\nSec-Fetch-Site: none\r\n"s + ua +
                                    "\r\n\x1eGET /{KEY}/?page=2&status=0xR HTTP/1.1\r\n" + own + "\r\n");
    seed("http", "start-up", "\x01GET /{KEY}/ HTTP/1.1\r\nHost: 127.0.0.1:{PORT}\r\n"s + ua +
                                 "\r\n\x1eGET /{KEY}/favicon.ico HTTP/1.1\r\n" + own + "\r\n");
    seed("http", "foreign", "\x00GET /{KEY}/?status=2xquit HTTP/1.1\r\nHost: 127.0.0.1:{PORT}\r\nOrigin: http://evil.example\r\n"s
                            "\r\n\x1eGET /{KEY}/?status=2xquit HTTP/1.1\r\nHost: attacker.example:{PORT}\r\n\r\n");
    seed("http", "localhost", "\x00GET /{KEY}?status=5xn&x=1 HTTP/1.0\nHost: localhost:{PORT}\nOrigin: http://localhost:{PORT}\n\n"s);
    seed("http", "post", "\x00POST /{KEY}/?status=1xlook HTTP/1.1\r\n"s + own + "Content-Length: 3\r\n\r\nabc");
    seed("http", "encoded", "\x00GET /{KEY}/?status=9x%41%6c%6c%00%0a%zz%4 HTTP/1.1\r\n"s + own + "\r\n");
    seed("http", "keyless", "\x00GET /?status=1xquit HTTP/1.1\r\n"s + own + "\r\n\x1eGET /?status=0xS HTTP/1.0\r\n"
                            "User-Agent: Mozilla/4.0 (compatible; MSIE 5.0)\r\n\r\n\x1eGET /{KEY}0/?status=1xquit\r\n\r\n");
    seed("http", "older-page", "\x00GET /{KEY}/?page=5&status=0xS HTTP/1.1\r\n"s + own + "\r\n\x1e"
                               "GET /{KEY}/?page=4&status=3xquit HTTP/1.1\r\n" + own + "\r\n");
}

}  // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: %s <corpus directory>\n", argv[0]);
        return 2;
    }
    out = std::filesystem::absolute(argv[1]).string();
    fuzz::setup(nullptr, nullptr);
    args_seeds();
    conf_seeds();
    turn_seeds();
    replay_seeds();
    restore_seeds();
    pdata_seeds();
    http_seeds();
    return 0;
}
