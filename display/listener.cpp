// The loopback HTTP listener: opening it, waiting for the page's requests
// (commands, status reports, keep-alive pings) with their time-outs, and
// starting the player's browser on the page's forwarding file.
//
// One thread: every wait is a poll with a deadline, and a connection is read
// only as far as it has sent, so neither a silent browser nor a stalled or
// flooding local client can hold up the page's own requests.
#include "display.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <netinet/in.h>
#include <arpa/inet.h>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <strings.h>
#include <sys/random.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

#include "platform.h"
#include "startup.h"

extern char **environ;

int lsock = -1;                                 // the listening socket; -1 until it opens
int wsock = -1;                                 // the request held for the next answer; -1 when none
int port = 1978;                                // the first port tried, then the port bound
const char *const loopback_host = "127.0.0.1";  // the page's host, in its address and in "Host:"
char page_secret[33];                           // the run's secret in the page's address, 32 hex digits

namespace {

constexpr int NCONN = 64;          // connections accepted and not yet answered
constexpr int LINE_KEPT = 4095;    // bytes kept of one line of a head
constexpr int REQUEST_MS = 2000;   // a request, once begun, must arrive whole within this
constexpr int SEND_MS = 2000;      // and its answer must be taken within this
constexpr int ACCEPT_BATCH = 16;   // connections taken from the queue in one round
constexpr int WATCH_MS = 100;      // how often a browser just started is looked at
constexpr int BACKLOG = 128;       // a burst of other connections leaves room for the page's

// A connection accepted and not yet answered: idle until its first byte,
// then reading its head.
struct connection {
    int fd = -1;
    int64_t opened = 0;  // accepted
    int64_t begun = 0;   // its first byte came (0: idle)
    http_request head;
};
connection conns[NCONN];  // the connections accepted and not yet answered
int nconn = 0;            // how many of them are in use

// The page's own origins, set when the listener opens: the address the
// forwarding file sends the browser to, and the same port under
// "localhost" for a player who types the address by hand. No other page
// can use either name.
char own_origin[2][64];
std::vector<pid_t> children;  // browsers started, reaped as they end

int64_t now_ms() {
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return int64_t(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

void reap_children() {
    for (size_t k = 0; k < children.size();) {
        if (waitpid(children[k], nullptr, WNOHANG) != 0) {
            children[k] = children.back();
            children.pop_back();
        } else {
            k++;
        }
    }
}

void drop(int &sock) {
    if (sock >= 0) close(sock);
    sock = -1;
}

bool header_is(const std::string &line, const char *name, const char **value, const char **end) {
    size_t n = strlen(name);
    if (line.size() <= n || strncasecmp(line.c_str(), name, n) != 0 || line[n] != ':') return false;
    const char *v = line.c_str() + n + 1;
    const char *e = line.c_str() + line.size();
    while (v < e && (*v == ' ' || *v == '\t')) v++;
    *value = v;
    *end = e;
    return true;
}

bool equals(const char *v, const char *end, const char *want) {
    size_t n = strlen(want);
    return size_t(end - v) == n && memcmp(v, want, n) == 0;
}

// v..end is one of the page's own origins, each less its first skip
// characters (7 leaves "host:port"), alone or, with path, followed by a path.
bool own(const char *v, const char *end, size_t skip, bool path) {
    for (const char *origin : own_origin) {
        const char *o = origin + skip;
        size_t n = strlen(o);
        if (size_t(end - v) >= n && memcmp(v, o, n) == 0 && (v + n == end || (path && v[n] == '/')))
            return true;
    }
    return false;
}

bool contains(const char *v, const char *end, const char *want) {
    size_t n = strlen(want);
    for (; size_t(end - v) >= n; v++)
        if (memcmp(v, want, n) == 0) return true;
    return false;
}

void request_line(http_request &r) {
    r.request_line = true;
    const std::string &l = r.line;
    if (r.line_cut) {
        r.bad = true;
        return;
    }
    if (l.size() <= 4 || l.compare(0, 4, "GET ") != 0) return;
    size_t t = 4;
    while (t < l.size() && l[t] == ' ') t++;
    size_t e = t;
    while (e < l.size() && l[e] != ' ') e++;
    r.target = l.substr(t, e - t);
    r.get = !r.target.empty();
}

// A header line. A cut value of an origin header no longer names our own
// origin, so it counts as foreign.
void header_line(http_request &r) {
    const char *v, *end;
    if (header_is(r.line, "User-Agent", &v, &end)) {
        if (contains(v, end, "IE 5.0")) r.old_browser = true;
    } else if (header_is(r.line, "Origin", &v, &end)) {
        if (!own(v, end, 0, false)) r.foreign = true;
    } else if (header_is(r.line, "Referer", &v, &end)) {
        if (!own(v, end, 0, true)) r.foreign = true;
    } else if (header_is(r.line, "Host", &v, &end)) {
        // Another name that resolves to this machine (a page that
        // rebinds its own name to the loopback address) is refused.
        if (!own(v, end, 7, false)) r.foreign = true;
    } else if (header_is(r.line, "Sec-Fetch-Site", &v, &end)) {
        // Browsers say where a request comes from even when they send
        // neither Origin nor Referer (an image of another page).
        if (!equals(v, end, "same-origin") && !equals(v, end, "none")) r.cross_site = true;
    } else if (header_is(r.line, "Sec-Fetch-Mode", &v, &end)) {
        r.navigate = equals(v, end, "navigate");
    } else if (header_is(r.line, "Sec-Fetch-Dest", &v, &end)) {
        r.document = equals(v, end, "document");
    }
}

const char *query_value(const std::string &target, const char *name, const char **end);

// The head is whole. A request from another site is another page's, but
// for the page itself opened in a window: the forwarding file the browser
// is started on is a page of no site, and a reload of the page it led to
// is said to come from another site too. Such a request can only show the
// page (no status, no command), and not inside another page's frame.
void end_head(http_request &r) {
    r.complete = true;
    const char *end;
    if (r.cross_site && !(r.navigate && r.document && !query_value(r.target, "status=", &end))) r.foreign = true;
}

// One line of the head has ended (its line feed and the carriage returns
// before it dropped). An empty line ends the head, unless it is the very
// first line.
void end_line(http_request &r) {
    while (!r.line.empty() && r.line.back() == '\r') r.line.pop_back();
    if (r.line.empty() && !r.line_cut) {
        if (r.lines > 0) end_head(r);
    } else if (!r.request_line) {
        request_line(r);
    } else {
        header_line(r);
    }
    r.lines++;
    r.line.clear();
    r.line_cut = false;
}

}  // namespace

size_t http_feed(http_request &r, const char *data, size_t len) {
    size_t k = 0;
    while (k < len && !r.complete && !r.bad) {
        char c = data[k++];
        if (++r.size > HEAD_MAX) {
            r.bad = true;
            break;
        }
        if (c == '\n')
            end_line(r);
        else if (r.line.size() < LINE_KEPT)
            r.line += c;
        else
            r.line_cut = true;
    }
    return k;
}

http_request parse_http_request(const char *data, size_t len) {
    http_request r;
    http_feed(r, data, len);
    return r;
}

namespace {

// The value of a parameter of the target's query (name with its "="), or
// null.
const char *query_value(const std::string &target, const char *name, const char **end) {
    const char *q = target.c_str();
    const char *target_end = q + target.size();
    const size_t n = strlen(name);
    while (q < target_end && *q != '?') q++;
    while (q < target_end) {
        q++;  // past '?' or '&'
        const char *e = q;
        while (e < target_end && *e != '&') e++;
        if (size_t(e - q) >= n && memcmp(q, name, n) == 0) {
            *end = e;
            return q + n;
        }
        q = e;
    }
    return nullptr;
}

// The page number of a request (0 when it names none): the pages served
// are numbered, and the newest page that has spoken holds the game.
int page_of(const std::string &target) {
    const char *end = nullptr;
    const char *v = query_value(target, "page=", &end);
    int n = 0;
    for (; v && v < end && *v >= '0' && *v <= '9' && n < 100000000; v++) n = n * 10 + (*v - '0');
    return n;
}
int current_page = 0;  // the newest page that has spoken, which holds the game (0: none yet)

int hex_digit(int c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The query text from p to end, %-decoded into buf with a line feed; a
// control byte (decoded or not) becomes a blank, so none reaches the game.
void decode(const char *p, const char *end, char *buf, int size) {
    int o = 0;
    while (p < end && o < size - 2) {
        int c = (unsigned char)*p++;
        if (c == '%') {
            if (end - p < 2) break;
            int hi = hex_digit(p[0]), lo = hex_digit(p[1]);
            if (hi >= 0 && lo >= 0) {
                c = hi * 16 + lo;
                p += 2;
            }
        }
        if (c < 0x20 || c == 0x7f) c = ' ';
        buf[o++] = char(c);
    }
    buf[o++] = '\n';
    buf[o] = 0;
}

void answer_not_found() {
    static const char text[] = "HTTP/1.0 404 Not found\nContent-Length: 0\n\n";
    send_all(wsock, text, sizeof text - 1);
    drop(wsock);
}

[[noreturn]] void fail(const char *message) {
    fputs(message, stderr);
    fablet_exit(-1);
}

// Split one browser command into its arguments: blanks separate them,
// single quotes keep everything literally, double quotes keep blanks (a
// backslash in them escapes a double quote or a backslash), and a backslash
// outside quotes keeps the next character.
std::vector<std::string> split_args(const std::string &cmd) {
    std::vector<std::string> args;
    std::string cur;
    bool have = false;
    for (size_t i = 0; i < cmd.size(); i++) {
        char c = cmd[i];
        if (c == ' ' || c == '\t') {
            if (have) args.push_back(cur);
            cur.clear();
            have = false;
        } else if (c == '\'') {
            have = true;
            for (i++; i < cmd.size() && cmd[i] != '\''; i++) cur += cmd[i];
        } else if (c == '"') {
            have = true;
            for (i++; i < cmd.size() && cmd[i] != '"'; i++) {
                if (cmd[i] == '\\' && i + 1 < cmd.size() && (cmd[i + 1] == '"' || cmd[i + 1] == '\\')) i++;
                cur += cmd[i];
            }
        } else if (c == '\\' && i + 1 < cmd.size()) {
            have = true;
            cur += cmd[++i];
        } else {
            have = true;
            cur += c;
        }
    }
    if (have) args.push_back(cur);
    return args;
}

// The browser command as a list of alternatives separated by colons
// outside quotes, the way a BROWSER variable lists them.
std::vector<std::string> split_list(const char *command) {
    std::vector<std::string> list;
    std::string cur;
    char quote = 0;
    for (const char *p = command; *p; p++) {
        if (quote) {
            if (*p == quote) quote = 0;
        } else if (*p == '\'' || *p == '"') {
            quote = *p;
        } else if (*p == ':') {
            list.push_back(cur);
            cur.clear();
            continue;
        }
        cur += *p;
    }
    list.push_back(cur);
    return list;
}

// Starts one alternative of the browser command on the page's forwarding
// file, without a shell and without waiting for it (its standard input is
// /dev/null); 0 when it cannot be started, with the reason in why.
pid_t start_browser(const std::string &alt, const std::string &page, std::string &why) {
    std::vector<std::string> args = split_args(alt);
    if (args.empty()) {
        why = "the browser command is empty";
        return 0;
    }
    args.push_back(page);
    std::vector<char *> argv;
    for (std::string &a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_addopen(&fa, 0, "/dev/null", O_RDONLY, 0);
    pid_t pid;
    int err = posix_spawnp(&pid, argv[0], &fa, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&fa);
    if (err == 0) return pid;
    why = "'" + args[0] + "' could not be started: " + strerror(err);
    return 0;
}

// ------------------------------------------------------------ connections

void forget(int k) {
    conns[k] = conns[--nconn];
    conns[nconn] = connection();
}

void close_conn(int k) {
    close(conns[k].fd);
    forget(k);
}

// Room for one more connection when the table is full: a head begun and
// not finished (which a browser never leaves) goes first, the longest
// waiting of them; else the connection idle the longest. A whole request
// waiting to be handled is never the one closed: with nothing else to
// close there is no room (false).
bool sooner(const connection &c, const connection &v) {
    if ((c.begun != 0) != (v.begun != 0)) return c.begun != 0;
    return c.begun ? c.begun < v.begun : c.opened < v.opened;
}

bool make_room() {
    if (nconn < NCONN) return true;
    int victim = -1;
    for (int k = 0; k < nconn; k++)
        if (!conns[k].head.complete && (victim < 0 || sooner(conns[k], conns[victim]))) victim = k;
    if (victim < 0) return false;
    close_conn(victim);
    return true;
}

bool readable(int fd) {
    pollfd p = {fd, POLLIN, 0};
    return poll(&p, 1, 0) > 0 && (p.revents & (POLLIN | POLLERR | POLLHUP));
}

// Takes the connections waiting in the listener's queue, a batch at a time,
// so that those already taken are read before more come in.
void accept_some() {
    for (int n = 0; n < ACCEPT_BATCH && readable(lsock); n++) {
        int s = accept4(lsock, nullptr, nullptr, SOCK_CLOEXEC);
        if (s < 0) {
            if (errno == EINTR || errno == ECONNABORTED || errno == EAGAIN || errno == EPROTO || errno == EMFILE ||
                errno == ENFILE)
                return;
            fail("Failed to accept incoming call!\n");
        }
        timeval tv = {SEND_MS / 1000, (SEND_MS % 1000) * 1000};
        setsockopt(s, SOL_SOCKET, SO_SNDTIMEO, &tv, sizeof tv);
        if (!make_room()) {
            close(s);
            continue;
        }
        connection &c = conns[nconn++];
        c = connection();
        c.fd = s;
        c.opened = now_ms();
    }
}

// Reads what has come on connection k without waiting, up to the end of
// its head; false when the connection was closed (the peer went before its
// head was whole, or the head is not one we read).
bool read_some(int k) {
    connection &c = conns[k];
    char chunk[4096];
    while (!c.head.complete) {
        ssize_t n = recv(c.fd, chunk, sizeof chunk, MSG_DONTWAIT);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return true;
        if (n <= 0) {
            close_conn(k);
            return false;
        }
        if (!c.begun) c.begun = now_ms();
        http_feed(c.head, chunk, size_t(n));
        if (c.head.bad) {
            close_conn(k);
            return false;
        }
    }
    return true;
}

// A head begun and not whole within REQUEST_MS is closed.
void expire(int64_t now) {
    for (int k = 0; k < nconn;) {
        const connection &c = conns[k];
        if (c.begun && !c.head.complete && now - c.begun >= REQUEST_MS)
            close_conn(k);
        else
            k++;
    }
}

// The outcome of handling one whole request.
enum { HANDLED = 0 };

// Handles the whole request held in wsock: answers pings, the favicon and
// (during play) page requests itself and returns HANDLED; returns the
// result letter for a request that ends the wait.
int handle(const http_request &r, char *buf, int size, int seconds, int64_t &deadline) {
    // A request without the run's secret is not the page's: it is dropped
    // before anything else in it is looked at.
    if (!carries_secret(r.target)) {
        drop(wsock);
        return HANDLED;
    }
    // Another page's request is dropped before anything in it is believed.
    if (r.foreign) {
        drop(wsock);
        return HANDLED;
    }
    if (r.old_browser) {
        fputs("*ERROR* Sorry, this setup does not work with IE 5.0.\n", stderr);
        fablet_exit(1);
    }
    if (!r.get) {
        drop(wsock);
        return HANDLED;
    }
    deadline = now_ms() + int64_t(seconds) * 1000;
    int result = 'N';
    const char *end = nullptr;
    const char *text = query_value(r.target, "status=", &end);
    if (text) {
        // A page overtaken by a newer one is told so, and nothing it sends
        // reaches the game; a newer page takes the game over.
        int number = page_of(r.target);
        if (number < current_page) {
            send_gone();
            return HANDLED;
        }
        current_page = number;
    }
    if (text) {
        if (end - text >= 2 && text[0] == '0' && text[1] == 'x') {
            // A ping; or, during play, the report of a page that was loaded
            // again: the game needs neither, and a line made of it would be
            // taken as a command or as the answer to a pending question.
            bool report = end - text > 2 && (text[2] == 'R' || text[2] == 'S');
            if (!report) {
                send_null();
                return HANDLED;
            }
            if (buf) {
                send_last_reply();
                return HANDLED;
            }
            result = text[2];
        } else {
            while (text < end && *text >= '0' && *text <= '9') text++;
            if (text < end) text++;
        }
    }
    if (r.target.compare(sizeof page_secret, 8, "/favicon") == 0) {
        answer_not_found();
        return HANDLED;
    }
    if (!text && buf) {
        // The page reloaded during play: serve it again and wait on.
        send_page();
        return HANDLED;
    }
    if (buf) decode(text, end, buf, size);
    return result;
}

// Waits for the next request that ends the wait (see browser_read). With
// a browser to watch (pid), its end before the page has been asked for
// ends the wait too: the result is 'X' with its wait status in *status.
int wait_request(char *buf, int size, int seconds, pid_t watch, int *status) {
    int64_t deadline = now_ms() + int64_t(seconds) * 1000;
    for (;;) {
        reap_children();
        // Whole requests first, in the order they came into the table.
        for (int k = 0; k < nconn; k++) {
            if (!conns[k].head.complete) continue;
            http_request r = std::move(conns[k].head);
            int fd = conns[k].fd;
            forget(k);
            drop(wsock);  // a request held and overtaken goes unanswered
            wsock = fd;
            int result = handle(r, buf, size, seconds, deadline);
            if (result != HANDLED) return result;
            k = -1;  // the table has changed: look again from its start
        }
        int64_t now = now_ms();
        expire(now);
        if (watch > 0) {
            int st;
            if (waitpid(watch, &st, WNOHANG) == watch) {
                *status = st;
                return 'X';
            }
        }
        if (now >= deadline) {
            fputs("*** No response from browser! ***\n", stderr);
            fablet_exit(1);
        }
        // Wait for the listener or a connection, no longer than the
        // deadline, the first head due to expire, or the next look at the
        // browser just started.
        int64_t until = deadline;
        for (int k = 0; k < nconn; k++)
            if (conns[k].begun && conns[k].begun + REQUEST_MS < until) until = conns[k].begun + REQUEST_MS;
        if (watch > 0 && now + WATCH_MS < until) until = now + WATCH_MS;
        pollfd fds[1 + NCONN];
        fds[0] = {lsock, POLLIN, 0};
        for (int k = 0; k < nconn; k++) fds[1 + k] = {conns[k].fd, POLLIN, 0};
        int wait_ms = until <= now ? 0 : until - now > INT_MAX ? INT_MAX : int(until - now);
        int ready = poll(fds, nfds_t(1 + nconn), wait_ms);
        if (ready <= 0) continue;
        // The connections read first, then new ones taken in; read_some
        // may close one, so the table is walked by descriptor.
        int polled = nconn;
        for (int j = 0; j < polled; j++) {
            if (fds[1 + j].revents == 0) continue;
            for (int k = 0; k < nconn; k++) {
                if (conns[k].fd != fds[1 + j].fd) continue;
                read_some(k);
                break;
            }
        }
        if (fds[0].revents & POLLIN) accept_some();
    }
}

[[noreturn]] void no_browser(const char *command, const std::string &page, const std::vector<std::string> &why) {
    printf("*ERROR* Failed to kick off '%s %s'!\n", command ? command : "", page.c_str());
    for (const std::string &w : why) printf("(%s.)\n", w.c_str());
    printf("No browser could be started to show the game: play it in the console instead\n"
           "with '%s -C', or name a browser that works with -B<browser>.\n",
           prog);
    fflush(stdout);
    fablet_exit(-1);
}

// Fills buf with len bytes of the system's random source: the kernel's
// generator, or /dev/urandom where that call is missing. Without either the
// game cannot keep other local programs out of the page, and ends.
void random_bytes(unsigned char *buf, size_t len) {
    size_t got = 0;
    while (got < len) {
        ssize_t n = getrandom(buf + got, len - got, 0);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        got += size_t(n);
    }
    if (got == len) return;
    int fd = open("/dev/urandom", O_RDONLY | O_CLOEXEC);
    got = 0;
    while (fd >= 0 && got < len) {
        ssize_t n = read(fd, buf + got, len - got);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        got += size_t(n);
    }
    if (fd >= 0) close(fd);
    if (got != len) fail("No random source for the page's address!\n");
}

void draw_secret() {
    unsigned char bytes[16];
    random_bytes(bytes, sizeof bytes);
    static const char digits[] = "0123456789abcdef";
    for (size_t k = 0; k < sizeof bytes; k++) {
        page_secret[2 * k] = digits[bytes[k] >> 4];
        page_secret[2 * k + 1] = digits[bytes[k] & 15];
    }
    page_secret[32] = 0;
}

}  // namespace

bool carries_secret(const std::string &target) {
    const size_t n = sizeof page_secret - 1;
    if (page_secret[0] == 0 || target.size() < n + 1) return false;
    // Every byte of the secret is looked at, whichever differ.
    unsigned diff = unsigned(target[0] ^ '/');
    for (size_t k = 0; k < n; k++) diff |= unsigned((unsigned char)target[k + 1] ^ (unsigned char)page_secret[k]);
    if (target.size() > n + 1) diff |= unsigned(target[n + 1] != '/' && target[n + 1] != '?');
    return diff == 0;
}

void set_up_listener() {
    while (nconn > 0) close_conn(nconn - 1);
    draw_secret();
    current_page = 0;  // no page of an earlier secret can speak again
    lsock = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (lsock < 0) {
        perror("");
        fail("Failed to create listennig socket!\n");
    }
    // Lets a new run bind while connections of an earlier one linger; a
    // port with a live listener still refuses the bind.
    int on = 1;
    setsockopt(lsock, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in addr = {};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = inet_addr(loopback_host);
    const int first = port;
    for (int tries = 0;; tries++) {
        if (tries == 100) {
            // Every port tried is taken: the page cannot be served at all.
            fprintf(stderr,
                    "Failed to bind listening socket!\n"
                    "(Every port from %d to %d of the loopback interface is taken.)\n"
                    "The game's page cannot be served: play it in the console instead with '%s -C'.\n",
                    first, port - 1, prog);
            fablet_exit(-1);
        }
        addr.sin_port = htons(uint16_t(port));
        if (bind(lsock, reinterpret_cast<sockaddr *>(&addr), sizeof addr) == 0) break;
        port++;
    }
    if (listen(lsock, BACKLOG) != 0) fail("Failed to set up listener!\n");
    snprintf(own_origin[0], sizeof own_origin[0], "http://%s:%d", loopback_host, port);
    snprintf(own_origin[1], sizeof own_origin[1], "http://localhost:%d", port);
}

int browser_read(char *buf, int size, int seconds) { return wait_request(buf, size, seconds, 0, nullptr); }

// The browser is started on the forwarding file, a page readable by the
// player alone that sends it on to the page's address: the address holds
// the run's secret, and a command line is there for every local account to
// read. The browser command may list alternatives separated by colons:
// each is started in turn until one runs. One that ends at once with a
// failure (an opener that finds no browser) before the page has been asked
// for counts as not started, and the next is tried; when none is left the
// program says so and ends instead of waiting out the time-out.
void invoke_browser(const char *command, int seconds) {
    set_up_listener();
    char url[128];
    snprintf(url, sizeof url, "http://%s:%d/%s/", loopback_host, port, page_secret);
    std::vector<std::string> alternatives = command ? split_list(command) : std::vector<std::string>();
    std::vector<std::string> why;
    std::string reason;
    const std::string page = write_forwarding_file(url, reason);
    if (!reason.empty()) {
        why.push_back(reason);
        no_browser(command, page, why);
    }
    size_t next = 0;
    auto start_next = [&]() -> pid_t {
        while (next < alternatives.size()) {
            pid_t pid = start_browser(alternatives[next++], page, reason);
            if (pid > 0) return pid;
            why.push_back(reason);
        }
        no_browser(command, page, why);
    };
    pid_t watch = start_next();
    for (;;) {
        int status = 0;
        int r = wait_request(nullptr, 0, seconds, watch, &status);
        if (r == 'X') {
            const std::string &alt = alternatives[next - 1];
            std::vector<std::string> args = split_args(alt);
            std::string name = args.empty() ? alt : args[0];
            if (WIFEXITED(status) && WEXITSTATUS(status) == 0) {
                watch = 0;  // handed the page to a browser, it seems: wait on
                continue;
            }
            if (WIFEXITED(status))
                why.push_back("'" + name + "' ended at once with exit status " + std::to_string(WEXITSTATUS(status)));
            else
                why.push_back("'" + name + "' ended at once on signal " + std::to_string(WTERMSIG(status)));
            watch = start_next();
            continue;
        }
        // The page has been asked for: the browser runs, whatever its
        // starter does from now on, and has read the forwarding file.
        if (watch > 0) children.push_back(watch);
        watch = 0;
        remove_forwarding_file();
        if (r == 'S') return;
        if (r == 'N') send_page();
    }
}
