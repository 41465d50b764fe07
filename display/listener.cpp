// The loopback HTTP listener: opening it, waiting for the page's requests
// (commands, status reports, keep-alive pings) with their time-outs, and
// starting the player's browser on the page's address.
//
// One thread, blocking sockets: every wait is a poll with a deadline, so
// neither a silent browser nor a stalled local client can freeze the game.
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
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "platform.h"
#include "startup.h"

extern char **environ;

int lsock = -1;
int wsock = -1;
int port = 1978;
const char *const loopback_host = "127.0.0.1";

namespace {

constexpr int NIDLE = 8;         // connections accepted but not yet read
constexpr int REQUEST_SIZE = 4096;
constexpr int REQUEST_MS = 2000;  // a request must arrive whole within this
constexpr int SEND_MS = 5000;     // and its answer must be taken within this

int idle[NIDLE];
int nidle = 0;

// The page's own origins, set when the listener opens: the address the
// browser is started on, and the same port under "localhost" for a player
// who types the address by hand. No other page can use either name.
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

// Read one request head into buf: true when the empty line that ends it (a
// line feed, any carriage returns, a line feed) arrived within REQUEST_MS
// and REQUEST_SIZE - 1 bytes. A partial, oversize or abandoned request is
// false.
bool read_request(int sock, char *buf, int &len) {
    len = 0;
    buf[0] = 0;
    int64_t deadline = now_ms() + REQUEST_MS;
    int scanned = 0;
    while (len < REQUEST_SIZE - 1) {
        int64_t left = deadline - now_ms();
        if (left <= 0) return false;
        pollfd p = {sock, POLLIN, 0};
        int r = poll(&p, 1, int(left));
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) return false;
        ssize_t n = recv(sock, buf + len, size_t(REQUEST_SIZE - 1 - len), 0);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        len += int(n);
        buf[len] = 0;
        for (; scanned < len; scanned++) {
            if (buf[scanned] != '\n') continue;
            int j = scanned + 1;
            while (j < len && buf[j] == '\r') j++;
            if (j >= len) break;  // the end may still come
            if (buf[j] == '\n') return true;
        }
    }
    return false;
}

// The parts of a request that matter here.
struct request {
    bool get = false;       // the method is GET
    const char *target = nullptr;  // the request line's target
    const char *target_end = nullptr;
    bool old_browser = false;      // "IE 5.0" in the User-Agent header
    bool foreign = false;          // sent by another page, or to another host
};

bool header_is(const char *line, const char *end, const char *name, const char **value) {
    size_t n = strlen(name);
    if (size_t(end - line) <= n || strncasecmp(line, name, n) != 0 || line[n] != ':') return false;
    const char *v = line + n + 1;
    while (v < end && (*v == ' ' || *v == '\t')) v++;
    *value = v;
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

request parse_request(const char *buf) {
    request r;
    const char *p = buf;
    while (*p == '\r' || *p == '\n') p++;
    const char *eol = strchr(p, '\n');
    if (!eol) return r;  // nothing but empty lines
    const char *line_end = eol;
    if (line_end > p && line_end[-1] == '\r') line_end--;
    r.get = line_end - p > 4 && memcmp(p, "GET ", 4) == 0;
    if (r.get) {
        const char *t = p + 4;
        while (t < line_end && *t == ' ') t++;
        const char *e = t;
        while (e < line_end && *e != ' ') e++;
        r.target = t;
        r.target_end = e;
        if (t == e) r.get = false;
    }
    // The header lines, up to the empty one.
    for (const char *line = eol + 1; *line;) {
        const char *next = strchr(line, '\n');
        const char *end = next ? next : line + strlen(line);
        while (end > line && end[-1] == '\r') end--;
        if (end == line) break;
        const char *v;
        if (header_is(line, end, "User-Agent", &v)) {
            if (contains(v, end, "IE 5.0")) r.old_browser = true;
        } else if (header_is(line, end, "Origin", &v)) {
            if (!own(v, end, 0, false)) r.foreign = true;
        } else if (header_is(line, end, "Referer", &v)) {
            if (!own(v, end, 0, true)) r.foreign = true;
        } else if (header_is(line, end, "Host", &v)) {
            // Another name that resolves to this machine (a page that
            // rebinds its own name to the loopback address) is refused.
            if (!own(v, end, 7, false)) r.foreign = true;
        } else if (header_is(line, end, "Sec-Fetch-Site", &v)) {
            // Browsers say where a request comes from even when they send
            // neither Origin nor Referer (an image of another page).
            if (!equals(v, end, "same-origin") && !equals(v, end, "none")) r.foreign = true;
        }
        if (!next) break;
        line = next + 1;
    }
    return r;
}

// The value of the "status" parameter of the target's query, or null.
const char *status_query(const request &r, const char **end) {
    const char *q = r.target;
    while (q < r.target_end && *q != '?') q++;
    while (q < r.target_end) {
        q++;  // past '?' or '&'
        const char *e = q;
        while (e < r.target_end && *e != '&') e++;
        if (e - q >= 7 && memcmp(q, "status=", 7) == 0) {
            *end = e;
            return q + 7;
        }
        q = e;
    }
    return nullptr;
}

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

// Start the first alternative that can be started, without a shell and
// without waiting for it; its standard input is /dev/null.
bool start_browser(const char *command, const char *url) {
    for (const std::string &alt : split_list(command)) {
        std::vector<std::string> args = split_args(alt);
        if (args.empty()) continue;
        args.push_back(url);
        std::vector<char *> argv;
        for (std::string &a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t fa;
        posix_spawn_file_actions_init(&fa);
        posix_spawn_file_actions_addopen(&fa, 0, "/dev/null", O_RDONLY, 0);
        pid_t pid;
        int err = posix_spawnp(&pid, argv[0], &fa, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&fa);
        if (err == 0) {
            children.push_back(pid);
            return true;
        }
    }
    return false;
}

}  // namespace

void set_up_listener() {
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
    for (int tries = 0;; tries++) {
        if (tries == 100) fail("Failed to bind listening socket!\n");
        addr.sin_port = htons(uint16_t(port));
        if (bind(lsock, reinterpret_cast<sockaddr *>(&addr), sizeof addr) == 0) break;
        port++;
    }
    if (listen(lsock, 10) != 0) fail("Failed to set up listener!\n");
    snprintf(own_origin[0], sizeof own_origin[0], "http://%s:%d", loopback_host, port);
    snprintf(own_origin[1], sizeof own_origin[1], "http://localhost:%d", port);
}

int browser_read(char *buf, int size, int seconds) {
    static char req[REQUEST_SIZE];
    int result = 'N';
    int64_t deadline = now_ms() + int64_t(seconds) * 1000;
    for (;;) {
        reap_children();
        pollfd fds[1 + NIDLE];
        fds[0] = {lsock, POLLIN, 0};
        for (int k = 0; k < nidle; k++) fds[1 + k] = {idle[k], POLLIN, 0};
        int64_t left = deadline - now_ms();
        int wait_ms = left <= 0 ? 0 : left > INT_MAX ? INT_MAX : int(left);
        int ready = poll(fds, nfds_t(1 + nidle), wait_ms);
        if (ready < 0 && errno != EINTR) ready = 0;
        if (ready <= 0) {
            // Time is up only when nothing at all is waiting.
            if (ready == 0 && now_ms() >= deadline) {
                fputs("*** No response from browser! ***\n", stderr);
                fablet_exit(1);
            }
            continue;
        }
        drop(wsock);
        int k = 0;
        while (k < nidle && fds[1 + k].revents == 0) k++;
        if (k < nidle) {
            wsock = idle[k];
            idle[k] = idle[--nidle];
        } else {
            if (!(fds[0].revents & POLLIN)) continue;
            int s = accept4(lsock, nullptr, nullptr, SOCK_CLOEXEC);
            if (s < 0) {
                if (errno == EINTR || errno == ECONNABORTED || errno == EAGAIN || errno == EPROTO) continue;
                fail("Failed to accept incoming call!\n");
            }
            timeval tv = {SEND_MS / 1000, 0};
            setsockopt(s, SOL_SOCKET, SO_SNDTIMEO, &tv, sizeof tv);
            if (nidle == NIDLE) {
                close(idle[0]);
                idle[0] = idle[--nidle];
            }
            idle[nidle++] = s;
            continue;
        }

        int len;
        if (!read_request(wsock, req, len)) {
            drop(wsock);
            continue;
        }
        request r = parse_request(req);
        if (r.old_browser) {
            fputs("*ERROR* Sorry, this setup does not work with IE 5.0.\n", stderr);
            fablet_exit(1);
        }
        // Not a GET, or sent by some other page: closed unanswered.
        if (!r.get || r.foreign) {
            drop(wsock);
            continue;
        }
        deadline = now_ms() + int64_t(seconds) * 1000;
        const char *end = nullptr;
        const char *text = status_query(r, &end);
        if (text) {
            if (end - text >= 2 && text[0] == '0' && text[1] == 'x') {
                // A ping; or, during play, the report of a page that was
                // loaded again: the game needs neither, and a line made of
                // it would be taken as a command or as the answer to a
                // pending question.
                bool report = end - text > 2 && (text[2] == 'R' || text[2] == 'S');
                if (!report || buf) {
                    send_null();
                    continue;
                }
                result = text[2];
            } else {
                while (text < end && *text >= '0' && *text <= '9') text++;
                if (text < end) text++;
            }
        }
        const char *path_end = r.target;
        while (path_end < r.target_end && *path_end != '?') path_end++;
        if (path_end - r.target >= 8 && memcmp(r.target, "/favicon", 8) == 0) {
            answer_not_found();
            continue;
        }
        if (!text && buf) {
            // The page reloaded during play: serve it again and wait on.
            send_page();
            continue;
        }
        if (buf) decode(text, end, buf, size);
        return result;
    }
}

void invoke_browser(const char *command, int seconds) {
    int id = int(now_seconds() % 10000);
    set_up_listener();
    char url[128];
    snprintf(url, sizeof url, "http://%s:%d/%d/", loopback_host, port, id);
    if (!command || !start_browser(command, url)) {
        printf("*ERROR* Failed to kick off '%s %s'!\n", command ? command : "", url);
        fflush(stdout);
        fablet_exit(-1);
    }
    for (;;) {
        int r = browser_read(nullptr, 0, seconds);
        if (r == 'S') return;
        if (r == 'N') send_page();
    }
}
