// The real game played in this process, snapshots of its state at the top
// of a turn, and runs of commands from them (see play.h).
#include "play.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "input.h"
#include "persist.h"
#include "startup.h"
#include "state.h"
#include "text.h"

namespace sweep {

struct snapshot {
    state_image image, reference;
    int journal_end = 0, journal_cursor = 0, journal_changed = 0;
    int32_t seed = 0, main_seed = 0;
    int quit = 0, all = 0, all_place = 0, all_flag = 0;
    std::vector<int> excepted;
    int asked_flag = 0, dwarvish = 0, capital = 0, newlines = 0, transcript_skip = 0, lines = 0;
    std::string pending;
    std::vector<int16_t> tree;
    int tree_place = 0, tree_fed = 0;
    std::string line, raw_line, old_line, typed, word1, word2, word3, original, original1, original2, long_typed;
};

namespace {

// The game's side: the lines to type and how many are typed.
const std::vector<std::string> *script = nullptr;
size_t typed_lines = 0;
size_t boundary_done = 0;
std::function<void(size_t, const snapshot_ptr &)> boundary;
long run_count = 0;

// A run's side: the commands it types and what it has seen.
bool running = false;
const std::vector<std::string> *run_commands = nullptr;
size_t run_next = 0;
std::string run_word;
bool last_given = false;
size_t said_from = 0;
int text_from = 0;
outcome result;

std::vector<said> said_log;
void record_say(int q, int r, int a) { said_log.push_back({q, r, a}); }

game_proc turn_chain = nullptr;  // the game's REPEAT chain

// Thrown to leave a turn: the run has no line left for a question asked in
// its course, or the program is ending.
struct no_more_lines {};
struct game_exit {
    int status;
};

std::string cells(const char *s, size_t n) { return std::string(s, strnlen(s, n)); }
void put_cells(char *to, size_t n, const std::string &s) { std::snprintf(to, n, "%s", s.c_str()); }

snapshot_ptr take() {
    auto s = std::make_shared<snapshot>();
    s->image = IMAGE;
    s->reference = intim;
    s->journal_end = dptr;
    s->journal_cursor = edptr;
    s->journal_changed = journal_changed_from;
    s->seed = rseed;
    s->main_seed = mainseed;
    s->quit = quitting;
    s->all = value_all;
    s->all_place = location_all;
    s->all_flag = type_all;
    s->excepted.assign(except_list, except_list + except_count);
    s->asked_flag = query_flag;
    s->dwarvish = extra_dwarvish;
    s->capital = upcase;
    s->newlines = eol_count;
    s->transcript_skip = orl_skip;
    s->lines = lincnt;
    s->pending.assign(text_buf ? text_buf : "", size_t(text_buf ? text_len : 0));
    if (word_buf) s->tree.assign(word_buf, word_buf + word_buf[0]);
    s->tree_place = last_here;
    s->tree_fed = fed_upto;
    s->line = cells(comline, COMLINE_SIZE);
    s->raw_line = cells(raw_comline, COMLINE_SIZE);
    s->old_line = cells(old_comline, COMLINE_SIZE);
    s->typed = cells(typed_line, COMLINE_SIZE);
    s->word1 = cells(arg1_word, WORD_SIZE);
    s->word2 = cells(arg2_word, WORD_SIZE);
    s->word3 = cells(arg3_word, WORD_SIZE);
    s->original = cells(orig, WORD_SIZE);
    s->original1 = cells(orig1, WORD_SIZE);
    s->original2 = cells(orig2, WORD_SIZE);
    s->long_typed = cells(long_word, COMLINE_SIZE);
    return s;
}

// Puts the state back as the snapshot holds it, at the top of a turn (the
// command line used up, so the turn reads a new one).
void put_back(const snapshot &s) {
    IMAGE = s.image;
    intim = s.reference;
    dptr = s.journal_end;
    edptr = s.journal_cursor;
    journal_changed_from = s.journal_changed;
    rseed = s.seed;
    mainseed = s.main_seed;
    loop = 0;
    quitting = s.quit;
    value_all = s.all;
    location_all = s.all_place;
    type_all = s.all_flag;
    except_count = int(s.excepted.size());
    std::copy(s.excepted.begin(), s.excepted.end(), except_list);
    query_flag = s.asked_flag;
    extra_dwarvish = s.dwarvish;
    upcase = s.capital;
    eol_count = s.newlines;
    lincnt = s.lines;
    // The pending output: the buffer only grows, so the snapshot's fits.
    zap_text();
    if (int(s.pending.size()) + 16 >= text_buf_len) throw std::logic_error("the pending output outgrew its buffer");
    std::memcpy(text_buf, s.pending.data(), s.pending.size());
    text_len = int(s.pending.size());
    lptr = text_buf + text_len;
    *lptr = 0;
    orl_skip = s.transcript_skip;
    // The tree only grows too; its capacity cell stays the buffer's own.
    if (word_buf && !s.tree.empty()) {
        const int16_t capacity = word_buf[2];
        std::copy(s.tree.begin(), s.tree.end(), word_buf);
        word_buf[2] = capacity;
    }
    last_here = s.tree_place;
    fed_upto = s.tree_fed;
    put_cells(comline, COMLINE_SIZE, s.line);
    put_cells(raw_comline, COMLINE_SIZE, s.raw_line);
    put_cells(old_comline, COMLINE_SIZE, s.old_line);
    put_cells(typed_line, COMLINE_SIZE, s.typed);
    put_cells(arg1_word, WORD_SIZE, s.word1);
    put_cells(arg2_word, WORD_SIZE, s.word2);
    put_cells(arg3_word, WORD_SIZE, s.word3);
    put_cells(orig, WORD_SIZE, s.original);
    put_cells(orig1, WORD_SIZE, s.original1);
    put_cells(orig2, WORD_SIZE, s.original2);
    put_cells(long_word, COMLINE_SIZE, s.long_typed);
    command_preset(nullptr);
}

// The pending output from `from` on as plain text: mark-up for the browser
// dropped, control bytes gone, hard spaces as blanks.
std::string plain_pending(int from) {
    if (!text_buf) return "";
    if (from > text_len) from = text_len;
    std::string out;
    bool in_tag = false;
    for (int i = from; i < text_len; i++) {
        const unsigned char c = (unsigned char)text_buf[i];
        if (c == TC_TAG_START) in_tag = true;
        if (in_tag) {
            if (c == TC_TAG_END) in_tag = false;
            continue;
        }
        if (c == TC_HARD_SPACE)
            out += ' ';
        else if (c == '\n' || c >= 0x20)
            out += char(c);
    }
    return out;
}

// How the reader would take `w` as the second word of a command typed now:
// its cursor is pointed at the word alone for the one lookup, then put back.
reading read_word(const std::string &w) {
    char **kept_tp = tp;
    char *kept_separator = separator;
    const int kept_index = tindex, kept_amatch = amatch;
    const bool kept_exact = found_exact;
    const std::string kept_arg2 = cells(arg2_word, WORD_SIZE), kept_long = cells(long_word, COMLINE_SIZE);

    std::string copy = w;
    char *words[2] = {copy.data(), nullptr};
    char separators[3] = {' ', ' ', '\n'};
    tp = words;
    separator = separators;
    tindex = 0;
    // As the parse of a fresh line sets it.
    amatch = value[KV_COMMAND_STATUS] == 98 ? -1 : value[KV_COMMAND_STATUS] == 99 ? 0 : 1;
    int type = 0, refno = -1, word = 0;
    find_word(&type, &refno, &word, 2, 0);
    reading r{refno, found_exact, cells(arg2_word, WORD_SIZE)};

    tp = kept_tp;
    separator = kept_separator;
    tindex = kept_index;
    amatch = kept_amatch;
    found_exact = kept_exact;
    put_cells(arg2_word, WORD_SIZE, kept_arg2);
    put_cells(long_word, COMLINE_SIZE, kept_long);
    return r;
}

void exit_by_throwing(int status) { throw game_exit{status}; }

int next_line(char *buf, int size) {
    if (running) {
        // A line asked for after the last one: a question in the turn's
        // course, which the run does not answer.
        if (run_next >= run_commands->size()) throw no_more_lines{};
        if (run_next + 1 == run_commands->size()) {
            result.asked = value[KV_QUESTION];
            if (!run_word.empty()) result.word = read_word(run_word);
            last_given = true;
            said_from = said_log.size();
            text_from = text_len;
        }
        std::snprintf(buf, size_t(size), "%s", (*run_commands)[run_next++].c_str());
        return 1;
    }
    if (typed_lines >= script->size()) return 0;
    std::snprintf(buf, size_t(size), "%s", (*script)[typed_lines++].c_str());
    return 1;
}

// The words of the line read last are used up: the turn reads a new line.
bool line_used_up() { return !tp || !tp[tindex]; }

// The REPEAT chain, watched: at the top of a turn that reads the next line
// of the script, the state is offered to the caller first.
int watched_chain() {
    if (!running && typed_lines > boundary_done && line_used_up() && value_all == 0) {
        boundary_done = typed_lines;
        said_log.clear();
        const snapshot_ptr here = take();
        boundary(typed_lines, here);
        put_back(*here);
    }
    return turn_chain();
}

// The main loop's step between two turns.
void next_turn_seed() {
    rseed = mainseed;
    irand(1);
    mainseed = rseed;
    rseed = mainseed ^ 0xFF;
}

}  // namespace

uint64_t digest(const snapshot &s) {
    uint64_t h = 1469598103934665603ull;
    auto mix = [&h](const void *p, size_t n) {
        const unsigned char *b = static_cast<const unsigned char *>(p);
        for (size_t i = 0; i < n; i++) h = (h ^ b[i]) * 1099511628211ull;
    };
    mix(&s.image, IMAGE_SIZE);
    mix(&s.reference, IMAGE_SIZE);
    mix(&s.seed, sizeof s.seed);
    mix(&s.main_seed, sizeof s.main_seed);
    mix(s.pending.data(), s.pending.size());
    // The tree's cells but its capacity, which is the buffer's own.
    if (s.tree.size() > 3) {
        mix(s.tree.data(), 2 * sizeof(int16_t));
        mix(s.tree.data() + 3, (s.tree.size() - 3) * sizeof(int16_t));
    }
    return h;
}

int place_of(const snapshot &s) { return s.image.value[KV_HERE]; }
int question_of(const snapshot &s) { return s.image.value[KV_QUESTION]; }
int value_in(const snapshot &s, int refno) { return s.image.value[refno]; }
long runs_made() { return run_count; }

outcome run(const snapshot &from, const std::vector<std::string> &commands, const std::string &word,
            snapshot_ptr *after) {
    run_count++;
    put_back(from);
    running = true;
    run_commands = &commands;
    run_next = 0;
    run_word = word;
    last_given = false;
    result = outcome{};
    said_log.clear();
    if (after) after->reset();
    bool first = true;
    try {
        for (;;) {
            if (!first) {
                loop = 0;
                if (quitting) {
                    result.ended = true;
                    break;
                }
                next_turn_seed();
            }
            first = false;
            turn_chain();
            // The last line's turns have run once its words are used up.
            if (last_given && line_used_up() && value_all == 0) {
                result.finished = true;
                break;
            }
        }
    } catch (const no_more_lines &) {
    } catch (const game_exit &) {
        result.ended = true;
    }
    result.typed = last_given;
    result.place = value[KV_HERE];
    result.question = value[KV_QUESTION];
    if (last_given) {
        result.texts.assign(said_log.begin() + long(std::min(said_from, said_log.size())), said_log.end());
        result.reply = plain_pending(text_from);
    }
    if (after && result.finished && !quitting) {
        loop = 0;
        next_turn_seed();
        *after = take();
    }
    running = false;
    return result;
}

reading read_in(const snapshot &s, const std::string &word, const std::function<void()> &setup) {
    put_back(s);
    if (setup) setup();
    return read_word(word);
}

int play(const std::string &seed_line, const std::vector<std::string> &commands,
         const std::function<void(size_t, const snapshot_ptr &)> &at_boundary) {
    char home_template[] = "/tmp/zendry_sweep_XXXXXX";
    if (!mkdtemp(home_template)) throw std::runtime_error("no temporary home");
    const std::string home = home_template;
    std::filesystem::create_directories(home + "/fablet");
    std::ofstream(home + "/fablet/fablet.conf") << "BROWSER NONE   # plain console\r\n";
    const std::string seed_file = home + "/seed.cmd";
    std::ofstream(seed_file) << seed_line << "\n";
    const char *kept_home = std::getenv("HOME");
    const std::string old_home = kept_home ? kept_home : "";
    setenv("HOME", home.c_str(), 1);

    script = &commands;
    typed_lines = boundary_done = 0;
    boundary = at_boundary;
    line_source = next_line;
    say_hook = record_say;
    exit_hook = exit_by_throwing;
    turn_chain = procs[2];
    procs[2] = watched_chain;
    FILE *kept_out = console_out, *kept_in = console_in;
    console_out = std::fopen("/dev/null", "w");
    console_in = std::fopen("/dev/null", "r");

    // What the program prints straight to the standard output (the
    // opening's blank lines) goes nowhere either.
    std::fflush(stdout);
    const int kept_stdout = dup(1);
    const int null_fd = open("/dev/null", O_WRONLY);
    dup2(null_fd, 1);
    close(null_fd);

    std::vector<std::string> args = {"zendry", "-n", "-p0", "-c", seed_file};
    std::vector<char *> argv;
    for (std::string &a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    int status = 0;
    try {
        status = fablet_main(int(args.size()), argv.data());
    } catch (const game_exit &e) {
        status = e.status;
    }
    std::fflush(stdout);
    dup2(kept_stdout, 1);
    close(kept_stdout);
    procs[2] = turn_chain;
    say_hook = nullptr;
    line_source = nullptr;
    exit_hook = nullptr;
    std::fclose(console_out);
    std::fclose(console_in);
    console_out = kept_out;
    console_in = kept_in;
    if (!old_home.empty()) setenv("HOME", old_home.c_str(), 1);
    std::error_code ec;
    std::filesystem::remove_all(home, ec);
    return status;
}

}  // namespace sweep
