// Measures the game's binaries from outside, as a player meets them:
// start-up; the cost of a command over long replayed command files (the
// winning walkthrough, and games of a realistic mix and of each command
// class played in the game under way by zendry_play's own player), with and
// without the autosave; the peak memory; a long game played whole, its
// journal log and its resume; and the round trip of a browser turn over the
// loopback, from a client that speaks the page's protocol. The things
// compared run in turn, round after round, so that a drift of the machine's
// speed touches each alike; a figure is the median over the rounds, and a
// difference or a ratio is taken within each round first, its spread over
// the rounds (first to third quartile) beside it. Times come from the
// monotonic clock (wall) and the children's resource usage (processor time,
// which counts the system calls too); the instructions of a command class
// are counted by valgrind's callgrind, when it is installed. Autosaves are
// counted from the files the game leaves. Prints one Markdown table row per
// figure.
//
//   turn_bench <zendry> <zendry_play> <walkthrough.cmd>
//
// With BENCH_PEER set to another interpreter's command line (and
// BENCH_PEER_GAME to a file of commands for it), that interpreter is
// measured in the same rounds: its start-up to the first input and exit,
// its command over that long game and its peak memory, in rows that begin
// "beside the peer".
//
// zendry_play is the game as it stands with its autosave that can be left
// out, and a player of its own that records the games it plays as command
// files (see play_main.cpp); those files then replay the same games in both
// binaries.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "mix.h"

namespace {

using steady = std::chrono::steady_clock;

double micros_since(steady::time_point t) {
    return std::chrono::duration<double, std::micro>(steady::now() - t).count();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

double percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    size_t k = size_t(p * double(v.size()) + 0.999999);
    return v.empty() ? 0 : v[std::min(v.size() - 1, k > 0 ? k - 1 : 0)];
}

std::string slurp(const std::string &path) {
    std::ifstream f(path, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

void spit(const std::string &path, const std::string &text) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f << text;
}

struct measured {
    double wall_us = 0, cpu_us = 0;
    long maxrss_kb = 0;
    std::string err;
};

// Starts a binary in the home directory given: standard input from the
// file given (/dev/null if none), the output dropped, the standard error
// into home/stderr.
pid_t start(const std::string &bin, const std::vector<std::string> &args, const std::string &home,
            const std::vector<std::string> &env, const std::string &input = "/dev/null") {
    const std::string err_path = home + "/stderr";
    pid_t pid = fork();
    if (pid == 0) {
        int in = open(input.c_str(), O_RDONLY), out = open("/dev/null", O_WRONLY);
        int err = open(err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(in, 0);
        dup2(out, 1);
        dup2(err, 2);
        setenv("HOME", home.c_str(), 1);
        unsetenv("DISPLAY");
        for (const std::string &e : env) putenv(strdup(e.c_str()));
        std::vector<char *> argv = {const_cast<char *>(bin.c_str())};
        for (const std::string &a : args) argv.push_back(const_cast<char *>(a.c_str()));
        argv.push_back(nullptr);
        execv(bin.c_str(), argv.data());
        _exit(127);
    }
    return pid;
}

// Runs a binary to its end.
measured run(const std::string &bin, const std::vector<std::string> &args, const std::string &home,
             const std::vector<std::string> &env = {}, const std::string &input = "/dev/null") {
    auto begun = steady::now();
    pid_t pid = start(bin, args, home, env, input);
    int status = 0;
    rusage ru = {};
    wait4(pid, &status, 0, &ru);
    measured m;
    m.wall_us = micros_since(begun);
    m.cpu_us = double(ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) * 1e6 + double(ru.ru_utime.tv_usec + ru.ru_stime.tv_usec);
    m.maxrss_kb = ru.ru_maxrss;
    m.err = slurp(home + "/stderr");
    return m;
}

// A home directory for the game: the plain console, no browser.
std::string console_home() {
    char tmpl[] = "/tmp/zendry_bench_XXXXXX";
    if (!mkdtemp(tmpl)) abort();
    std::filesystem::create_directories(std::string(tmpl) + "/fablet");
    spit(std::string(tmpl) + "/fablet/fablet.conf", "BROWSER NONE   # plain console\r\n");
    return tmpl;
}

std::string command_file(const std::string &home, const std::string &name, const std::vector<std::string> &commands) {
    std::string text = "Wiz: 4242\n";
    for (const std::string &c : commands) text += "REPLY: " + c + "\n";
    std::string path = home + "/" + name;
    spit(path, text);
    return path;
}

// A figure over the rounds: its median, and its first and third quartiles.
struct spread {
    double mid = 0, low = 0, high = 0;
};

spread over_rounds(const std::vector<double> &v) { return {median(v), percentile(v, 0.25), percentile(v, 0.75)}; }

std::string fixed(double v, int decimals = 1) {
    char buf[64];
    snprintf(buf, sizeof buf, "%.*f", decimals, v);
    return buf;
}

// "3.61 us (3.20..4.05)": the median and its unit, then the spread over
// the rounds.
std::string with_spread(const spread &s, int decimals, const std::string &unit) {
    return fixed(s.mid, decimals) + unit + " (" + fixed(s.low, decimals) + ".." + fixed(s.high, decimals) + ")";
}

constexpr int RUNS = 11;

// The cost of a command in a replay: its start-up taken off, divided by the
// commands given; and the replay's peak memory.
struct per_command {
    double cpu_us = 0, wall_us = 0;
    long maxrss_kb = 0;
};

measured run_in_new_home(const std::string &bin, const std::vector<std::string> &args,
                         const std::vector<std::string> &env = {}) {
    const std::string h = console_home();
    measured m = run(bin, args, h, env);
    std::filesystem::remove_all(h);
    return m;
}

per_command less_start(const measured &m, const measured &start, int n) {
    return {(m.cpu_us - start.cpu_us) / n, (m.wall_us - start.wall_us) / n, m.maxrss_kb};
}

// One replay of a command file of n commands, less a replay of no command
// (its start-up) run just before it. Each replay has a new home: the game
// keeps what a finished game leaves for the next (a returning player is
// greeted otherwise), and a replay in a home played in before would be
// another game.
per_command replay_once(const std::string &bin, const std::string &file, int n, const std::string &empty,
                        const std::vector<std::string> &env) {
    const measured e = run_in_new_home(bin, {"-n", "-p0", "-c", empty}, env);
    const measured m = run_in_new_home(bin, {"-n", "-p0", "-c", file}, env);
    return less_start(m, e, n);
}

std::string valgrind_path() {
    const char *path = getenv("PATH");
    std::istringstream dirs(path ? path : "/usr/bin:/bin");
    for (std::string d; std::getline(dirs, d, ':');)
        if (!d.empty() && access((d + "/valgrind").c_str(), X_OK) == 0) return d + "/valgrind";
    return "";
}

// The instructions a run executes, counted by valgrind's callgrind (-1
// when valgrind is not installed or the count is not found). They are the
// same from run to run, whatever else the machine does.
double instructions(const std::string &bin, const std::vector<std::string> &args, const std::vector<std::string> &env) {
    static const std::string valgrind = valgrind_path();
    if (valgrind.empty()) return -1;
    const std::string h = console_home(), log = h + "/callgrind.log";
    std::vector<std::string> vargs = {"--tool=callgrind", "--callgrind-out-file=/dev/null", "--log-file=" + log, bin};
    vargs.insert(vargs.end(), args.begin(), args.end());
    run(valgrind, vargs, h, env);
    const std::string text = slurp(log);
    std::filesystem::remove_all(h);
    const size_t at = text.find("Collected : ");
    return at == std::string::npos ? -1 : atof(text.c_str() + at + 12);
}

// ---- The browser's round trip ---------------------------------------------

// One request as the page sends it; the answer's text. *us: the round trip
// from the connection to the end of the answer.
std::string page_request(int port, const std::string &target, double *us) {
    auto start = steady::now();
    int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a = {};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(uint16_t(port));
    std::string out;
    if (connect(s, reinterpret_cast<sockaddr *>(&a), sizeof a) == 0) {
        std::string req = "GET " + target + " HTTP/1.0\r\nHost: 127.0.0.1:" + std::to_string(port) + "\r\n\r\n";
        if (send(s, req.data(), req.size(), MSG_NOSIGNAL) == ssize_t(req.size())) {
            char buf[16384];
            for (;;) {
                pollfd p = {s, POLLIN, 0};
                if (poll(&p, 1, 10000) <= 0) break;
                ssize_t n = read(s, buf, sizeof buf);
                if (n <= 0) break;
                out.append(buf, size_t(n));
            }
        }
    }
    close(s);
    if (us) *us = micros_since(start);
    return out;
}

std::string url_encoded(const std::string &s) {
    std::string out;
    for (unsigned char c : s) {
        if (isalnum(c)) {
            out += char(c);
        } else {
            char hex[4];
            snprintf(hex, sizeof hex, "%%%02X", c);
            out += hex;
        }
    }
    return out;
}

struct round_trips {
    double p50 = 0, p99 = 0;
    size_t answered = 0;  // the commands the game answered
    std::string report;
};

long autosaves_written(const std::string &work);

// Plays the commands through the page's protocol, in the game begun with
// the seed of seed_file (a command file of its seed line alone: the game
// the commands were recorded in, not one of its own seed); the median and
// 99th percentile of a turn's round trip after the first ten; *saves: the
// autosaves counted from the files the game left.
round_trips browser_turns(const std::string &bin, const std::string &seed_file,
                          const std::vector<std::string> &commands, const std::vector<std::string> &env,
                          long *saves) {
    char tmpl[] = "/tmp/zendry_browser_XXXXXX";
    if (!mkdtemp(tmpl)) abort();
    const std::string home = tmpl, url_file = home + "/url", script = home + "/hand-over.sh";
    // Stands in for the browser: hands what it is given to open, its last
    // argument, to this client: the page's address, or the content of a
    // local file (a page that forwards to the address).
    spit(script, "#!/bin/sh\nfor url; do :; done\nfile=${url#file://}\n"
                 "if [ -f \"$file\" ]; then cat \"$file\"; else printf '%s\\n' \"$url\"; fi "
                 "> \"$BENCH_URL_FILE.part\" && mv \"$BENCH_URL_FILE.part\" \"$BENCH_URL_FILE\"\n");
    chmod(script.c_str(), 0755);
    std::vector<std::string> with_url = env;
    with_url.push_back("BENCH_URL_FILE=" + url_file);
    pid_t pid = start(bin, {"-n", "-c", seed_file, "-B" + script}, home, with_url);
    std::string handed;
    for (int i = 0; i < 2000 && handed.empty(); i++) {
        handed = slurp(url_file);
        if (handed.empty()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    // The page's address: "http://127.0.0.1:<port>/<path>", up to the first
    // character that cannot be in it.
    std::string url;
    if (const size_t at = handed.find("http://"); at != std::string::npos)
        url = handed.substr(at, handed.find_first_of(" \t\r\n\"'<>;", at) - at);
    round_trips r;
    if (url.find('/', 7) == std::string::npos) {
        fprintf(stderr, "turn_bench: no page address handed to the browser: %.200s\n", handed.c_str());
    } else {
        const int port = atoi(url.c_str() + url.find(':', 7) + 1);
        const std::string page = url.substr(url.find('/', 7));
        page_request(port, page, nullptr);
        page_request(port, page + "?status=0xS", nullptr);
        const int warm = 10;
        std::vector<double> times;
        for (int t = 0; t < int(commands.size()); t++) {
            double us;
            std::string target = page + "?status=" + std::to_string(t + 1) + "x" + url_encoded(commands[size_t(t)]);
            std::string answer = page_request(port, target, &us);
            if (answer.find("200 OK") == std::string::npos) {
                fprintf(stderr, "turn_bench: no answer to %s: %.200s\n", commands[size_t(t)].c_str(), answer.c_str());
                break;
            }
            r.answered++;
            if (t >= warm) times.push_back(us);
        }
        r.p50 = percentile(times, 0.50);
        r.p99 = percentile(times, 0.99);
        // A ping is answered once the game waits for the next command, its
        // last autosave written.
        page_request(port, page + "?status=0x", nullptr);
    }
    if (saves) *saves = autosaves_written(home + "/fablet/zendry");  // before the end removes them
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    r.report = slurp(home + "/stderr");
    std::filesystem::remove_all(home);
    return r;
}

// What zendry_play said of its turns ("5000 turns, 4990 autosaved").
std::string turns_report(const std::string &err) {
    const std::string tag = "zendry_play: ";
    size_t at = err.find(tag);
    if (at == std::string::npos) return "no report of its turns";
    at += tag.size();
    return err.substr(at, err.find('\n', at) - at);
}


// The count of autosaves written into a game directory, read from the
// files: the higher count kept after the game in its two copies ("TRN3",
// length, key, count after the saved game's 19055 bytes).
long autosaves_written(const std::string &work) {
    long most = -1;
    for (const char *name : {"/_zendry.orv", "/_zendry.orl"}) {
        const std::string f = slurp(work + name);
        const size_t at = 19055;
        if (f.size() < at + 16 || f.compare(at, 4, "TRN3") != 0) continue;
        const auto *p = reinterpret_cast<const unsigned char *>(f.data() + at + 12);
        most = std::max(most, long(p[0] | p[1] << 8 | p[2] << 16 | long(p[3]) << 24));
    }
    return most;
}

// The winning walkthrough's commands (its seed line first), without its
// closing "quit" and "yes", so that the game it leaves stays autosaved.
std::vector<std::string> walkthrough(const std::string &path, std::string *seed) {
    std::istringstream in(slurp(path));
    std::vector<std::string> out;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("Wiz: ", 0) == 0) *seed = line;
        else if (line.rfind("REPLY: ", 0) == 0) out.push_back(line.substr(7));
    }
    while (!out.empty() && (out.back() == "yes" || out.back() == "quit")) out.pop_back();
    return out;
}

std::string command_file_seeded(const std::string &home, const std::string &name, const std::string &seed,
                                const std::vector<std::string> &commands) {
    std::string text = seed + "\n";
    for (const std::string &c : commands) text += "REPLY: " + c + "\n";
    spit(home + "/" + name, text);
    return home + "/" + name;
}
// The commands of a command file (its seed line first into *seed).
std::vector<std::string> commands_of(const std::string &path, std::string *seed) {
    std::istringstream in(slurp(path));
    std::vector<std::string> out;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("Wiz: ", 0) == 0 && seed) *seed = line;
        else if (line.rfind("REPLY: ", 0) == 0) out.push_back(line.substr(7));
    }
    return out;
}

// A game played by zendry_play's own player: `n` commands of a class (or
// "mix"), recorded as a command file in home; what the player said of its
// moves and takes.
std::string record_game(const std::string &play, const std::string &home, const std::string &name,
                        const std::string &cls, int n, const std::string &empty) {
    const std::string path = home + "/" + name, own = console_home();
    measured m = run(play, {"-n", "-p0", "-c", empty}, own,
                     {"ZENDRY_PLAY_RECORD=" + path, "ZENDRY_PLAY_COMMANDS=" + std::to_string(n),
                      "ZENDRY_PLAY_CLASS=" + cls, "ZENDRY_PLAY_NO_AUTOSAVE=1"});
    std::filesystem::remove_all(own);
    return turns_report(m.err);
}
}  // namespace

int main(int argc, char **argv) {
    if (argc != 4) {
        fprintf(stderr, "usage: turn_bench <zendry> <zendry_play> <walkthrough.cmd>\n");
        return 2;
    }
    const std::string game = argv[1], play = argv[2];
    const std::string home = console_home();
    const std::string empty = command_file(home, "empty.cmd", {});
    const std::vector<std::string> quiet = {"ZENDRY_PLAY_NO_AUTOSAVE=1"};

    // Another interpreter to measure beside the game, if one is given: its
    // command line (words split at spaces) and a file of commands it reads
    // on its standard input as a long game.
    std::vector<std::string> peer;
    {
        std::istringstream words(getenv("BENCH_PEER") ? getenv("BENCH_PEER") : "");
        for (std::string w; words >> w;) peer.push_back(w);
    }
    const std::string peer_game = getenv("BENCH_PEER_GAME") ? getenv("BENCH_PEER_GAME") : "";
    const std::vector<std::string> peer_args(peer.empty() ? peer.end() : peer.begin() + 1, peer.end());

    // Start-up: from launch to the first input, which is the end of input;
    // the loading alone is the program's version (it ends before the game
    // starts); the floor is the smallest program of the system. The game's
    // own start is the start less the loading, within each round. The
    // peer, if any, starts in the same rounds, its first input the end of
    // input.
    std::vector<double> starts, loads, own_starts, floors, peer_starts, start_ratios;
    long start_rss = 0, peer_start_rss = 0;
    for (int r = 0; r < 31; r++) {
        measured m = run(game, {"-n", "-p0", "-c", empty}, home);
        starts.push_back(m.wall_us);
        start_rss = std::max(start_rss, m.maxrss_kb);
        if (!peer.empty()) {
            measured p = run(peer[0], peer_args, home);
            peer_starts.push_back(p.wall_us);
            peer_start_rss = std::max(peer_start_rss, p.maxrss_kb);
            start_ratios.push_back(m.wall_us / p.wall_us);
        }
        loads.push_back(run(game, {"-v"}, home).wall_us);
        own_starts.push_back((m.wall_us - loads.back()) / 1000);
        floors.push_back(run("/bin/echo", {}, home).wall_us);
    }
    printf("| start-up, from launch to the first input and exit: in all / loading the program (its version "
           "alone) / the game's own start (INIT, configuration, text database check; within each round) / "
           "/bin/echo beside it | %s ms / %s ms / %s / %s ms |\n",
           fixed(median(starts) / 1000, 2).c_str(), fixed(median(loads) / 1000, 2).c_str(),
           with_spread(over_rounds(own_starts), 2, " ms").c_str(), fixed(median(floors) / 1000, 2).c_str());
    printf("| peak memory at start-up | %s MiB |\n", fixed(double(start_rss) / 1024, 1).c_str());

    // The winning walkthrough through the game as it stands: every command
    // autosaved by the game itself, counted from the files it leaves.
    {
        std::string seed;
        const std::vector<std::string> walk = walkthrough(argv[3], &seed);
        const std::string walk_file = command_file_seeded(home, "walk.cmd", seed, walk);
        std::vector<double> cpu, wall;
        long rss = 0;
        for (int r = 0; r < RUNS; r++) {
            const per_command w = replay_once(game, walk_file, int(walk.size()), empty, {});
            cpu.push_back(w.cpu_us);
            wall.push_back(w.wall_us);
            rss = std::max(rss, w.maxrss_kb);
        }
        const std::string once = console_home();  // one replay in a new home, for the count
        run(game, {"-n", "-p0", "-c", walk_file}, once);
        const long saves = autosaves_written(once + "/fablet/zendry");
        std::filesystem::remove_all(once);
        printf("| one command of the winning walkthrough (%zu commands, %ld autosaves counted from the files), "
               "processor time / wall time | %s us / %s us |\n",
               walk.size(), saves, fixed(median(cpu), 2).c_str(), fixed(median(wall), 2).c_str());
        printf("| peak memory over the whole walkthrough | %s MiB |\n", fixed(double(rss) / 1024, 1).c_str());
    }

    // A game of the realistic mix played by zendry_play's player in the
    // game under way (from "begin"), replayed by zendry_play without its
    // autosave and with it (the same commands in the same binary), and
    // played whole by the game as it stands, in each round; the autosave's
    // share is taken within each round. The last of the whole games is kept
    // for its journal and its resume.
    const std::string mix_said = record_game(play, home, "mix.cmd", "mix", 10000, empty);
    const std::string mixed = home + "/mix.cmd";
    const std::vector<std::string> mix_commands = commands_of(mixed, nullptr);
    const int N = int(mix_commands.size());
    std::vector<double> without, with, with_wall, share_us, share_pct, whole_s;
    long mix_rss = 0, mix_saves = -1;
    std::string lhome;
    for (int r = 0; r < RUNS; r++) {
        per_command a, q;
        // The order within a round alternates, so that neither comes always first.
        if (r % 2) {
            a = replay_once(play, mixed, N, empty, {});
            q = replay_once(play, mixed, N, empty, quiet);
        } else {
            q = replay_once(play, mixed, N, empty, quiet);
            a = replay_once(play, mixed, N, empty, {});
        }
        without.push_back(q.cpu_us);
        with.push_back(a.cpu_us);
        with_wall.push_back(a.wall_us);
        share_us.push_back(a.cpu_us - q.cpu_us);
        share_pct.push_back(100 * (a.cpu_us - q.cpu_us) / a.cpu_us);
        if (!lhome.empty()) std::filesystem::remove_all(lhome);
        lhome = console_home();
        const measured g = run(game, {"-n", "-p0", "-c", mixed}, lhome);
        whole_s.push_back(g.wall_us / 1e6);
        mix_rss = std::max(mix_rss, g.maxrss_kb);
        mix_saves = autosaves_written(lhome + "/fablet/zendry");
    }
    printf("| one command of a realistic mix played in the game under way (%s), processor time, without the "
           "autosave | %s us |\n",
           mix_said.c_str(), fixed(median(without), 2).c_str());
    printf("| the same commands with the autosave (%ld autosaves counted from the files the game as it stands "
           "leaves), processor time / wall time | %s us / %s us |\n",
           mix_saves, fixed(median(with), 2).c_str(), fixed(median(with_wall), 2).c_str());
    printf("| the autosave's share of such a command (processor time, with less without, within each round): in "
           "all / of the command with it | %s / %s |\n",
           with_spread(over_rounds(share_us), 2, " us").c_str(), with_spread(over_rounds(share_pct), 0, " %").c_str());
    printf("| peak memory over that game in the game as it stands | %s MiB |\n",
           fixed(double(mix_rss) / 1024, 1).c_str());
    printf("| that game played whole in the game as it stands, from launch to exit, each time in a new home "
           "(%ld autosaves counted), wall time | %s |\n",
           mix_saves, with_spread(over_rounds(whole_s), 3, " s").c_str());

    // That game as a long one: its journal's log and its resume by the game
    // itself, against a new game's start in a home played in before (the
    // game's folder and its persistent data there already, as for a
    // returning player; a new game in the long game's home would put its
    // own autosave in place of the long game's). Both start with nothing
    // typed and stop at the end of input.
    {
        const std::string work = lhome + "/fablet/zendry";
        const long long_saves = autosaves_written(work);
        const bool kept = std::filesystem::exists(work + "/_zendry.orh");
        const auto journal = kept ? std::filesystem::file_size(work + "/_zendry.orh") : 0;
        const std::string nhome = console_home();
        const std::vector<std::string> opening(mix_commands.begin(), mix_commands.begin() + std::min(N, 20));
        run(game, {"-n", "-p0", "-c", command_file_seeded(nhome, "opening.cmd", "Wiz: 4242", opening)}, nhome);
        std::vector<double> over_cpu, over_wall;
        for (int r = 0; r < RUNS; r++) {
            measured resumed, begun;
            if (r % 2) {
                begun = run(game, {"-n", "-p0"}, nhome);
                resumed = run(game, {"-p0"}, lhome);
            } else {
                resumed = run(game, {"-p0"}, lhome);
                begun = run(game, {"-n", "-p0"}, nhome);
            }
            over_cpu.push_back((resumed.cpu_us - begun.cpu_us) / 1000);
            over_wall.push_back((resumed.wall_us - begun.wall_us) / 1000);
        }
        // Each resume goes on with the long game (its count of autosaves
        // grows by one a run); a smaller count would be another game.
        const long resumed_saves = autosaves_written(work);
        if (resumed_saves < long_saves)
            fprintf(stderr, "turn_bench: the resumes lost the long game's autosave (%ld autosaves, then %ld)\n",
                    long_saves, resumed_saves);
        std::filesystem::remove_all(nhome);
        std::filesystem::remove_all(lhome);
        printf("| the undo journal's log, _zendry.orh, after that game | %s KB |\n",
               kept ? fixed(double(journal) / 1000, 0).c_str() : "none");
        printf("| resume of that game at the next start (the game, the transcript of its turn, its journal), over a "
               "new game's start in a home played in before, within each round: processor time / wall time | %s / %s |\n",
               with_spread(over_rounds(over_cpu), 2, " ms").c_str(), with_spread(over_rounds(over_wall), 2, " ms").c_str());
    }

    // By command class, without the autosave: a game of each class played
    // by the same player (a take or a drop where there is something to take
    // or drop, else a move on), all replayed in each round beside one
    // replay of no command; the unknown and misspelt words against the
    // slowest of the known commands within each round. The instructions of
    // each are counted once (they are the same from run to run).
    const int M = 3000;
    std::vector<std::string> class_files;
    std::vector<int> class_n;
    std::string classes, said;
    for (int c = 0; c < mix::NCLASSES; c++) {
        const std::string name = "class" + std::to_string(c) + ".cmd";
        const std::string report = record_game(play, home, name, mix::class_names[c], M, empty);
        class_files.push_back(home + "/" + name);
        class_n.push_back(int(commands_of(class_files.back(), nullptr).size()));
        classes += std::string(c ? ", " : "") + mix::class_names[c];
        if (c == mix::MOVE || c == mix::TAKE_DROP) said += std::string(said.empty() ? "" : "; ") + mix::class_names[c] + ": " + report;
    }
    const auto is_known = [](int c) { return c == mix::MOVE || c == mix::LOOK || c == mix::TAKE_DROP || c == mix::EXAMINE; };
    std::vector<std::vector<double>> per_class(mix::NCLASSES);
    std::vector<double> unknown_ratio, misspelt_ratio;
    for (int r = 0; r < RUNS; r++) {
        const measured e = run_in_new_home(play, {"-n", "-p0", "-c", empty}, quiet);
        std::vector<double> cost(mix::NCLASSES);
        for (int k = 0; k < mix::NCLASSES; k++) {
            const int c = r % 2 ? mix::NCLASSES - 1 - k : k;  // in turn forwards and backwards
            cost[size_t(c)] = less_start(run_in_new_home(play, {"-n", "-p0", "-c", class_files[size_t(c)]}, quiet), e,
                                         class_n[size_t(c)]).cpu_us;
        }
        double known = 0;
        for (int c = 0; c < mix::NCLASSES; c++) {
            per_class[size_t(c)].push_back(cost[size_t(c)]);
            if (is_known(c)) known = std::max(known, cost[size_t(c)]);
        }
        unknown_ratio.push_back(cost[mix::UNKNOWN] / known);
        misspelt_ratio.push_back(cost[mix::MISSPELT] / known);
    }
    std::string figures, counted;
    std::vector<double> ins(mix::NCLASSES, -1);
    const double ins0 = instructions(play, {"-n", "-p0", "-c", empty}, quiet);
    double known_ins = 0;
    for (int c = 0; c < mix::NCLASSES; c++) {
        figures += std::string(c ? " / " : "") + fixed(median(per_class[size_t(c)]), 2);
        const double i = instructions(play, {"-n", "-p0", "-c", class_files[size_t(c)]}, quiet);
        if (ins0 >= 0 && i >= 0) ins[size_t(c)] = (i - ins0) / class_n[size_t(c)];
        counted += std::string(c ? " / " : "") + fixed(ins[size_t(c)] / 1000, 1);
        if (is_known(c)) known_ins = std::max(known_ins, ins[size_t(c)]);
    }
    const bool have_ins = *std::min_element(ins.begin(), ins.end()) >= 0;
    printf("| a command by command class, processor time without the autosave (%s; %s) | %s us |\n", classes.c_str(),
           said.c_str(), figures.c_str());
    printf("| the same commands, instructions counted by callgrind (thousands a command) | %s |\n",
           have_ins ? counted.c_str() : "valgrind is not installed");
    printf("| unknown and misspelt words against the slowest of move, look, take or drop and examine: in processor "
           "time, within each round / in instructions | %s and %s / %s |\n",
           with_spread(over_rounds(unknown_ratio), 2, "x").c_str(), with_spread(over_rounds(misspelt_ratio), 2, "x").c_str(),
           have_ins ? (fixed(ins[mix::UNKNOWN] / known_ins, 2) + "x and " + fixed(ins[mix::MISSPELT] / known_ins, 2) + "x").c_str()
                    : "valgrind is not installed");

    // The browser: the mix's commands after "begin", with and without the
    // autosave, its autosaves counted from the files.
    std::vector<std::string> browsed = {"begin"};
    browsed.insert(browsed.end(), mix_commands.begin(), mix_commands.begin() + std::min<size_t>(1000, mix_commands.size()));
    std::vector<double> p50, p99, q50, q99;
    long browser_saves = 0;
    size_t answered = browsed.size();
    for (int r = 0; r < 3; r++) {
        long saves = 0;  // none counted when the game ended first (its end removes the files)
        round_trips a, b;
        if (r % 2) {
            b = browser_turns(play, empty, browsed, quiet, nullptr);
            a = browser_turns(play, empty, browsed, {}, &saves);
        } else {
            a = browser_turns(play, empty, browsed, {}, &saves);
            b = browser_turns(play, empty, browsed, quiet, nullptr);
        }
        browser_saves = std::max(browser_saves, saves);
        answered = std::min({answered, a.answered, b.answered});
        p50.push_back(a.p50);
        p99.push_back(a.p99);
        q50.push_back(b.p50);
        q99.push_back(b.p99);
    }
    printf("| a browser turn's round trip over the loopback, %zu turns with the autosave (%zu answered in every run; "
           "%ld autosaves counted): median / 99th percentile of the turns after the first ten, each the median of "
           "three runs | %s us / %s us |\n",
           browsed.size(), answered, browser_saves, fixed(median(p50), 0).c_str(), fixed(median(p99), 0).c_str());
    printf("| the same without the autosave: median / 99th percentile | %s us / %s us |\n", fixed(median(q50), 0).c_str(),
           fixed(median(q99), 0).c_str());

    if (!peer.empty()) {
        printf("| beside the peer: start-up from launch to the first input and exit, the game / the peer (over "
               "/bin/echo: the game / the peer), and the median of the ratios of the rounds | %s / %s ms (%s / %s ms), "
               "%sx |\n",
               fixed(median(starts) / 1000, 2).c_str(), fixed(median(peer_starts) / 1000, 2).c_str(),
               fixed((median(starts) - median(floors)) / 1000, 2).c_str(),
               fixed((median(peer_starts) - median(floors)) / 1000, 2).c_str(), fixed(median(start_ratios), 2).c_str());
        printf("| beside the peer: peak memory at start-up, the game / the peer | %s / %s MiB |\n",
               fixed(double(start_rss) / 1024, 1).c_str(), fixed(double(peer_start_rss) / 1024, 1).c_str());
    }
    if (!peer.empty() && !peer_game.empty()) {
        // The peer's long game against the mix's game in the game as it
        // stands (autosave on), in interleaved rounds, each less its start.
        const std::string peer_commands = slurp(peer_game);
        const int peer_n = int(std::count(peer_commands.begin(), peer_commands.end(), '\n'));
        std::vector<double> ours, ours0, theirs, theirs0, ratios;
        long ours_rss = 0, peer_rss = 0;
        for (int r = 0; r < RUNS; r++) {
            const std::string h = console_home();
            measured e = run(game, {"-n", "-p0", "-c", empty}, h);
            measured m = run(game, {"-n", "-p0", "-c", mixed}, h);
            measured pe = run(peer[0], peer_args, h);
            measured p = run(peer[0], peer_args, h, {}, peer_game);
            std::filesystem::remove_all(h);
            ours.push_back(m.cpu_us);
            ours0.push_back(e.cpu_us);
            theirs.push_back(p.cpu_us);
            theirs0.push_back(pe.cpu_us);
            ratios.push_back(((m.cpu_us - e.cpu_us) / N) / ((p.cpu_us - pe.cpu_us) / peer_n));
            ours_rss = std::max(ours_rss, m.maxrss_kb);
            peer_rss = std::max(peer_rss, p.maxrss_kb);
        }
        printf("| beside the peer: a command, processor time, the game (the mix's %d commands, autosave on) / the peer "
               "(%d commands), and the median of the ratios of the rounds | %s / %s us, %sx |\n",
               N, peer_n, fixed((median(ours) - median(ours0)) / N, 2).c_str(),
               fixed((median(theirs) - median(theirs0)) / peer_n, 2).c_str(), fixed(median(ratios), 2).c_str());
        printf("| beside the peer: peak memory over those games, the game / the peer | %s / %s MiB |\n",
               fixed(double(ours_rss) / 1024, 1).c_str(), fixed(double(peer_rss) / 1024, 1).c_str());
    }
    std::filesystem::remove_all(home);
    return 0;
}
