// The browser channel's server side: the requests the listener accepts or
// refuses (the run's secret first), the pages that take the game over, the
// framing of answers, the page's substitution tags, the port
// fallback and the time-outs. Requests come from real loopback sockets.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <netinet/in.h>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "config.h"
#include "display.h"
#include "startup.h"
#include "text.h"

namespace {

using clock_type = std::chrono::steady_clock;

// A socket that may bind a port whose old connections linger (TIME_WAIT),
// as the listener may.
int reusing_socket() {
    int s = socket(AF_INET, SOCK_STREAM, 0);
    int on = 1;
    setsockopt(s, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    return s;
}

// A run of count free ports, found by binding and letting go. It is sought
// below the range the system hands out for outgoing connections, where a
// busy machine's own traffic leaves no port taken, from a start drawn by
// process, so that tests running side by side rarely meet.
int free_port_run(int count) {
    static unsigned seed = unsigned(getpid()) * 2654435761u ^ unsigned(time(nullptr));
    for (int attempt = 0; attempt < 200; attempt++) {
        seed = seed * 1103515245u + 12345u;
        int base = 10000 + int((seed >> 8) % 20000u);
        bool ok = true;
        for (int k = 0; k < count && ok; k++) {
            int t = reusing_socket();
            sockaddr_in a = {};
            a.sin_family = AF_INET;
            a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            a.sin_port = htons(uint16_t(base + k));
            ok = bind(t, reinterpret_cast<sockaddr *>(&a), sizeof a) == 0;
            close(t);
        }
        if (ok) return base;
    }
    return -1;
}

// A listening socket on a port, as another program would hold it.
int occupy(int p) {
    int s = reusing_socket();
    sockaddr_in a = {};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(uint16_t(p));
    if (bind(s, reinterpret_cast<sockaddr *>(&a), sizeof a) != 0 || listen(s, 1) != 0) {
        close(s);
        return -1;
    }
    return s;
}

int connect_to(int p) {
    int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a = {};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(uint16_t(p));
    if (connect(s, reinterpret_cast<sockaddr *>(&a), sizeof a) != 0) {
        close(s);
        return -1;
    }
    return s;
}

void send_text(int s, const std::string &text) {
    ASSERT_EQ(send(s, text.data(), text.size(), MSG_NOSIGNAL), ssize_t(text.size()));
}

// Everything the peer sends until it closes, or until ms pass without data
// (a connection still held open reads as "<open>").
std::string read_all(int s, int ms = 3000) {
    std::string out;
    char buf[4096];
    for (;;) {
        pollfd p = {s, POLLIN, 0};
        if (poll(&p, 1, ms) <= 0) return out + "<open>";
        ssize_t n = read(s, buf, sizeof buf);
        if (n <= 0) return out;
        out.append(buf, size_t(n));
    }
}

// The page as send_page serves it on a connection of its own (the
// connection is left closed: wsock is -1 after).
std::string page_served() {
    int sp[2];
    if (socketpair(AF_UNIX, SOCK_STREAM, 0, sp) != 0) return "<no connection>";
    std::string page;
    std::thread reader([&] { page = read_all(sp[1]); });
    wsock = sp[0];
    send_page();
    reader.join();
    close(sp[1]);
    return page;
}

// A directory of its own, removed with what it holds: the game's, where
// the browser start writes the page's forwarding file, or a test's.
struct scratch_dir {
    std::string path;
    scratch_dir() {
        char name[] = "/tmp/http_testXXXXXX";
        path = mkdtemp(name) ? name : "/nonexistent";
    }
    ~scratch_dir() { std::filesystem::remove_all(path); }
    std::string forwarding_file() const { return path + "/_zendry-page.html"; }
    bool empty() const { return std::filesystem::is_empty(path); }
};

std::string text_of(const std::string &file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    return all.str();
}

std::string body_of(const std::string &response) {
    size_t k = response.find("\n\n");
    return k == std::string::npos ? "<no body>" : response.substr(k + 2);
}

// The request with the run's secret put in front of its target's path, as
// the page sends it ("GET /?status=1xa" becomes "GET /<secret>/?status=1xa");
// a request with no target is left as it is.
std::string keyed(const std::string &request) {
    size_t at = request.find(' ');
    if (at == std::string::npos || at + 1 >= request.size() || request[at + 1] != '/') return request;
    return request.substr(0, at + 2) + page_secret + "/" + request.substr(at + 2);
}

void set_conf(int slot, const char *text) {
    free(conf[slot]);
    conf[slot] = text ? strdup(text) : nullptr;
}

// Runs fn in a child process; returns its exit status and what it wrote to
// the standard error.
struct outcome {
    int status;
    std::string err;
    double seconds;
};
template <class F>
outcome in_child(F fn) {
    int errp[2];
    EXPECT_EQ(pipe(errp), 0);
    auto start = clock_type::now();
    pid_t pid = fork();
    if (pid == 0) {
        dup2(errp[1], 2);
        close(errp[0]);
        fn();
        _exit(0);
    }
    close(errp[1]);
    std::string err = read_all(errp[0], 30000);
    close(errp[0]);
    int st = 0;
    waitpid(pid, &st, 0);
    double secs = std::chrono::duration<double>(clock_type::now() - start).count();
    return {WIFEXITED(st) ? WEXITSTATUS(st) : -1000 - WTERMSIG(st), err, secs};
}

class Http : public ::testing::Test {
protected:
    std::vector<int> clients;

    void SetUp() override {
        ASSERT_EQ(set_title(), 0);
        http_offset = 143;
        compress = 0;
        port = free_port_run(3);
        ASSERT_GT(port, 0);
        set_up_listener();
        ASSERT_GE(lsock, 0);
    }
    void TearDown() override {
        for (int c : clients) close(c);
        if (wsock >= 0) close(wsock);
        wsock = -1;
        close(lsock);
        lsock = -1;
    }
    // Requests are sent with the secret, unless raw.
    int connect_and_send_to(int p, const std::string &request, bool raw = false) {
        int c = connect_to(p);
        const std::string r = raw ? request : keyed(request);
        if (c >= 0 && !r.empty()) send(c, r.data(), r.size(), MSG_NOSIGNAL);
        return c;
    }
    int connect_and_send(const std::string &request) { return connect_and_send_to(port, request); }
    int client(const std::string &request, bool raw = false) {
        int c = connect_to(port);
        EXPECT_GE(c, 0);
        if (!request.empty()) send_text(c, raw ? request : keyed(request));
        clients.push_back(c);
        return c;
    }
    std::string with_port(std::string s) {
        for (size_t k; (k = s.find("%PORT%")) != std::string::npos;) s.replace(k, 6, std::to_string(port));
        return s;
    }
    // Answer the held request with a small turn payload.
    void answer_turn(const char *payload) {
        std::vector<char> buf(size_t(http_offset) + strlen(payload) + 1);
        memcpy(buf.data() + http_offset, payload, strlen(payload) + 1);
        browser_write(buf.data());
    }
};

TEST(Framing, HeaderIsRightAlignedInFrontOfThePayload) {
    http_offset = 143;
    std::vector<char> buf(143 + 20000, 'x');
    memcpy(buf.data() + 143, "hello", 6);
    char *start = make_header(buf.data());
    EXPECT_EQ(start, buf.data() + 10);
    EXPECT_EQ(std::string(start),
              "HTTP/1.0 200 OK\nHost: 127.0.0.1\nServer: Fablet/1.1\nCache-Control: no-store\n"
              "Content-Type: text/html; charset=utf-8\nContent-Length: 5\n\nhello");

    std::string big(12345, 'y');
    memcpy(buf.data() + 143, big.c_str(), big.size() + 1);
    start = make_header(buf.data());
    EXPECT_EQ(start, buf.data() + 143 - (130 + 5 + 2));
    EXPECT_NE(std::string(start).find("Content-Length: 12345\n\nyyy"), std::string::npos);
    EXPECT_EQ(buf[143 - 1], '\n');
    EXPECT_EQ(buf[143 - 2], '\n');
}

TEST(Framing, KeepAliveAndLargeAnswersArriveWholeAndCloseTheSocket) {
    http_offset = 143;
    int sp[2];
    ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, sp), 0);
    wsock = sp[0];
    send_null();
    EXPECT_EQ(wsock, -1);
    std::string r = read_all(sp[1]);
    EXPECT_EQ(r.rfind("HTTP/1.0 200 OK\n", 0), 0u);
    EXPECT_NE(r.find("Content-Length: 1\n\nk"), std::string::npos);
    EXPECT_EQ(body_of(r), "k");
    close(sp[1]);

    // More than the socket buffer holds: sent over many partial writes.
    ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, sp), 0);
    std::string payload = "t";
    for (int k = 0; payload.size() < 600000; k++) payload += "line " + std::to_string(k) + "<br>";
    std::vector<char> buf(143 + payload.size() + 1);
    memcpy(buf.data() + 143, payload.c_str(), payload.size() + 1);
    std::string got;
    std::thread reader([&] { got = read_all(sp[1]); });
    wsock = sp[0];
    browser_write(buf.data());
    reader.join();
    EXPECT_EQ(body_of(got), payload);
    close(sp[1]);

    // A peer that has gone: no SIGPIPE, the socket is still let go.
    ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, sp), 0);
    close(sp[1]);
    wsock = sp[0];
    browser_write(buf.data());
    EXPECT_EQ(wsock, -1);

    // Nothing held: nothing sent, nothing written in front of the buffer.
    http_offset = 0;
    char small[8] = "tabc";
    browser_write(small);
    EXPECT_STREQ(small, "tabc");
    http_offset = 143;
}

TEST(Page, TagsAreFilledFromTheConfigurationAndTheTexts) {
    ASSERT_EQ(set_title(), 0);
    http_offset = 143;
    struct setting {
        const char *button, *border, *width;
        int compress;
    };
    const setting cases[] = {{"N", "N", "640", 1}, {"Y", "Y", "700", 0}};
    for (const setting &c : cases) {
        set_conf(CONF_BACKGROUND, "#aa0001");
        set_conf(CONF_TEXT, "#aa0002");
        set_conf(CONF_PROMPT, "#aa0003");
        set_conf(CONF_DEBUG, "#aa0004");
        set_conf(CONF_SURROUND, "#aa0005");
        set_conf(CONF_BUTTON, c.button);
        set_conf(CONF_BORDER, c.border);
        set_conf(CONF_WIDTH, c.width);
        set_conf(CONF_HISTORY, "55");
        set_conf(CONF_KEEPALIVE, "3");
        compress = c.compress;
        std::string page = page_served();
        EXPECT_EQ(wsock, -1);
        std::string body = body_of(page);
        size_t at = page.find("Content-Length: ");
        ASSERT_NE(at, std::string::npos);
        EXPECT_EQ(atol(page.c_str() + at + 16), long(body.size()));

        bool button = c.button[0] == 'Y';
        int width = atoi(c.width);
        std::vector<std::string> want = {
            "<meta charset=\"utf-8\">",
            "<title>Start fixture Zendry</title>",
            "var timeLimit = 3000;\n",
            "var moveLimit = 55;\n",
            std::string("var compact = ") + (c.compress ? "1" : "0") + ";\n",
            "*.query{color:#aa0003}",
            "*.debug{color:#aa0004}",
            "*.red{color:red}",
            "td.view{width:" + std::to_string(width) + "px",
            "*,input{color:#aa0002}",
            "input{max-width:" + std::to_string(width - 20) + "px;}",
            "td,input{background-color:#aa0001}",
            std::string("input.command{border: ") + (button ? "1" : "0") + "px inset #666666}",
            "<body style=\"background-color:#aa0005;color:#aa0002\">",
            "<table style='margin:auto' border=1 height=100% cellpadding=16>",
            "<form id=\"inform\" action=\"javascript:doit(1)\"",
            "<h1>Fixture heading</h1>",
            "<h3>Zendry - fixture release 4.17, 09 Jun 2031</h3>",
            "<p>Fixture introduction, on two lines.</p>",  // the text's line feed became a blank
            "value=\"Start fixture Zendry\" onclick=\"startit()\"",
            "<p>Fixture closing note.</p>",
            "size=\"" + std::to_string(button ? width / 10 - 6 : width / 10) + "\" maxlength=\"160\"",
            "value='Close fixture' onclick='window.close()'></p><p>Fixture has ended.</p>",
            "<div id=\"conbot\"></div>",
            "var base = \"/" + std::string(page_secret) + "/\", pageNo = " + std::to_string(page_number) + ";\n",
        };
        for (const std::string &w : want) EXPECT_NE(body.find(w), std::string::npos) << w;
        const std::string submit = "&nbsp;&nbsp;<input type=\"submit\" name=\"Submit\" value=\"Go fixture\">";
        EXPECT_EQ(body.find(submit) != std::string::npos, button);
        EXPECT_EQ(body.find("\n="), std::string::npos);  // no tag line left unfilled
        EXPECT_EQ(body.rfind("</html>\n"), body.size() - 8);
    }
}

// A value that reached a slot unchecked cannot leave the style sheet or an
// attribute: its marks go into the page as character references.
TEST(Page, ConfigurationValuesAreEscaped) {
    ASSERT_EQ(set_title(), 0);
    http_offset = 143;
    const char *evil = "red;}</style><script>alert(1)</script><style>\"'&";
    for (int k : {CONF_BACKGROUND, CONF_TEXT, CONF_PROMPT, CONF_DEBUG, CONF_SURROUND}) set_conf(k, evil);
    set_conf(CONF_WIDTH, "700");
    std::string body = body_of(page_served());
    EXPECT_EQ(body.find("<script>alert"), std::string::npos);
    EXPECT_EQ(body.find("</style>"), body.rfind("</style>"));  // the page's own only
    const std::string escaped = "red;}&lt;/style&gt;&lt;script&gt;alert(1)&lt;/script&gt;&lt;style&gt;&quot;&#39;&amp;";
    EXPECT_NE(body.find("*,input{color:" + escaped + "}"), std::string::npos);
    EXPECT_NE(body.find("<body style=\"background-color:" + escaped + ";color:" + escaped + "\">"), std::string::npos);
}

// What the listener does with one request: returns it, answers it and
// waits on, or drops it unanswered and waits on.
enum class fate { returned, ping, reply, not_found, page, dropped };

// The headers a browser sends with a window's navigation from a site.
std::string navigation(const char *site, const char *dest) {
    return std::string("Sec-Fetch-Site: ") + site + "\r\nSec-Fetch-Mode: navigate\r\nSec-Fetch-Dest: " + dest + "\r\n";
}

struct row {
    const char *name;
    std::string request;  // %PORT% stands for the listener's port
    fate what;
    int result;             // for a returned request
    const char *line;       // what the buffer holds then
};

TEST_F(Http, RequestsAreParsedFromTheTargetAndHeaders) {
    const std::string end = " HTTP/1.1\r\nHost: 127.0.0.1:%PORT%\r\nUser-Agent: Mozilla/5.0\r\n\r\n";
    const row rows[] = {
        {"command with escapes", "GET /?status=12xwhere%3F%20now" + end, fate::returned, 'N', "where? now\n"},
        {"lower-case escapes", "GET /?status=3xa%2ab%2Fc" + end, fate::returned, 'N', "a*b/c\n"},
        {"control bytes", "GET /?status=4xab%00c%1Fd%0Ae%17f%7Fg%09h" + end, fate::returned, 'N',
         "ab c d e f g h\n"},
        {"bad and cut escapes", "GET /?status=5x100%zz%4" + end, fate::returned, 'N', "100%zz\n"},
        {"utf-8 kept", "GET /?status=6x%C3%A9t%C3%A9" + end, fate::returned, 'N', "\xC3\xA9t\xC3\xA9\n"},
        {"other parameters", "GET /?x=1&status=7xgo%20on&y=2" + end, fate::returned, 'N', "go on\n"},
        {"favicon in the query", "GET /?status=8xfavicon" + end, fate::returned, 'N', "favicon\n"},
        {"IE 5.0 elsewhere", "GET /?status=9xlook HTTP/1.0\r\nX-Note: MSIE 5.0\r\n\r\n", fate::returned, 'N',
         "look\n"},
        {"bare line feeds", "GET /?status=10xlf HTTP/1.0\n\n", fate::returned, 'N', "lf\n"},
        {"line feed, return, line feed", "GET /?status=11xcr HTTP/1.0\n\r\n", fate::returned, 'N', "cr\n"},
        {"own origin", "GET /?status=12xmine HTTP/1.1\r\nOrigin: http://127.0.0.1:%PORT%\r\n\r\n",
         fate::returned, 'N', "mine\n"},
        {"own referer",
         "GET /?status=13xmine HTTP/1.1\r\nReferer: http://127.0.0.1:%PORT%/1234/\r\n"
         "Sec-Fetch-Site: same-origin\r\n\r\n",
         fate::returned, 'N', "mine\n"},
        {"page opened as localhost",
         "GET /?status=14xmine HTTP/1.1\r\nHost: localhost:%PORT%\r\nReferer: http://localhost:%PORT%/1234/\r\n"
         "Sec-Fetch-Site: same-origin\r\n\r\n",
         fate::returned, 'N', "mine\n"},
        // A page loaded again during play reports in and is shown the last
        // turn's reply again; no line reaches the game.
        {"ready report in play", "GET /?status=0xS" + end, fate::reply, 0, nullptr},
        {"restored report in play", "GET /?status=0xR" + end, fate::reply, 0, nullptr},
        {"ping", "GET /?status=0x7" + end, fate::ping, 0, nullptr},
        {"ping without a counter", "GET /?status=0x" + end, fate::ping, 0, nullptr},
        {"favicon", "GET /favicon.ico" + end, fate::not_found, 0, nullptr},
        {"page reload", "GET /1234/" + end, fate::page, 0, nullptr},
        {"status= in the path", "GET /status=5xlook" + end, fate::page, 0, nullptr},
        {"status= in a header", "GET / HTTP/1.1\r\nX-Note: /?status=5xlook\r\n\r\n", fate::page, 0, nullptr},
        {"not a GET", "POST /?status=1xquit" + end, fate::dropped, 0, nullptr},
        {"GET-like method", "GETS /?status=1xquit" + end, fate::dropped, 0, nullptr},
        {"no target", "GET\r\n\r\n", fate::dropped, 0, nullptr},
        {"empty lines only", "\r\n\r\n", fate::dropped, 0, nullptr},
        {"foreign origin", "GET /?status=1xquit HTTP/1.1\r\nOrigin: http://example.com\r\n\r\n", fate::dropped,
         0, nullptr},
        {"opaque origin", "GET /?status=1xquit HTTP/1.1\r\nOrigin: null\r\n\r\n", fate::dropped, 0, nullptr},
        {"foreign referer", "GET /?status=1xquit HTTP/1.1\r\nreferer: http://example.com/a\r\n\r\n",
         fate::dropped, 0, nullptr},
        {"referer of another port", "GET /?status=1xquit HTTP/1.1\r\nReferer: http://127.0.0.1:%PORT%0/\r\n\r\n",
         fate::dropped, 0, nullptr},
        {"another host", "GET /?status=1xquit HTTP/1.1\r\nHost: example.com:%PORT%\r\n\r\n", fate::dropped, 0,
         nullptr},
        {"cross-site fetch", "GET /?status=1xquit HTTP/1.1\r\nSec-Fetch-Site: cross-site\r\n\r\n",
         fate::dropped, 0, nullptr},
        {"same-site fetch", "GET /?status=1xquit HTTP/1.1\r\nSec-Fetch-Site: same-site\r\n\r\n", fate::dropped,
         0, nullptr},
        // The page itself opened in a window from no site of its own (the
        // forwarding file the browser is started on), or reloaded there, is
        // served; nothing else another site asks for, even in a window.
        {"page opened from a file", "GET / HTTP/1.1\r\n" + navigation("cross-site", "document") + "\r\n",
         fate::page, 0, nullptr},
        {"command navigated to from another site",
         "GET /?status=1xquit HTTP/1.1\r\n" + navigation("cross-site", "document") + "\r\n", fate::dropped, 0,
         nullptr},
        {"page in another site's frame", "GET / HTTP/1.1\r\n" + navigation("cross-site", "iframe") + "\r\n",
         fate::dropped, 0, nullptr},
        {"page fetched by another site",
         "GET / HTTP/1.1\r\nSec-Fetch-Site: cross-site\r\nSec-Fetch-Mode: no-cors\r\nSec-Fetch-Dest: document\r\n\r\n",
         fate::dropped, 0, nullptr},
        {"page opened from a page that names itself",
         "GET / HTTP/1.1\r\n" + navigation("cross-site", "document") + "Referer: http://example.com/\r\n\r\n",
         fate::dropped, 0, nullptr},
        // A head over 4095 bytes (the cookies of other local services) is
        // read whole and handled; its headers are still checked.
        {"long head", "GET /?status=15xlook HTTP/1.1\r\nCookie: " + std::string(6000, 'a') + "\r\nHost: 127.0.0.1:%PORT%\r\n\r\n",
         fate::returned, 'N', "look\n"},
        {"long head, foreign at its end",
         "GET /?status=1xquit HTTP/1.1\r\nCookie: " + std::string(6000, 'a') + "\r\nSec-Fetch-Site: cross-site\r\n\r\n",
         fate::dropped, 0, nullptr},
        {"long head, cut origin",
         "GET /?status=1xquit HTTP/1.1\r\nOrigin: http://127.0.0.1:%PORT%" + std::string(5000, '0') + "\r\n\r\n",
         fate::dropped, 0, nullptr},
        {"request line over 4095 bytes", "GET /?status=1x" + std::string(5000, 'a') + end, fate::dropped, 0, nullptr},
        // Another page's request is dropped even when it claims to be from
        // a browser this setup does not work with.
        {"foreign IE 5.0",
         "GET /?status=1xquit HTTP/1.1\r\nUser-Agent: Mozilla/4.0 (compatible; MSIE 5.0)\r\n"
         "Origin: http://example.com\r\n\r\n",
         fate::dropped, 0, nullptr},
    };
    set_conf(CONF_WIDTH, "700");
    set_conf(CONF_BUTTON, "Y");
    std::string last_reply;
    for (const row &r : rows) {
        SCOPED_TRACE(r.name);
        int a = client(with_port(r.request));
        int b = -1;
        if (r.what != fate::returned) b = client(with_port("GET /?status=99xnext" + end));
        char buf[4096];
        memset(buf, '#', sizeof buf);
        int got = browser_read(buf, int(sizeof buf), 5);
        if (r.what == fate::returned) {
            EXPECT_EQ(got, r.result);
            EXPECT_STREQ(buf, r.line);
            last_reply = "tanswer " + std::string(r.name);
            answer_turn(last_reply.c_str());
            EXPECT_EQ(body_of(read_all(a)), last_reply);
            continue;
        }
        EXPECT_EQ(got, 'N');
        EXPECT_STREQ(buf, "next\n");
        std::string seen = read_all(a);
        switch (r.what) {
        case fate::ping:
            EXPECT_EQ(body_of(seen), "k");
            break;
        case fate::reply:
            EXPECT_EQ(body_of(seen), last_reply);
            break;
        case fate::not_found:
            EXPECT_EQ(seen, "HTTP/1.0 404 Not found\nContent-Length: 0\n\n");
            break;
        case fate::page:
            EXPECT_NE(body_of(seen).find("<title>Start fixture Zendry</title>"), std::string::npos);
            break;
        default:
            EXPECT_EQ(seen, "");  // closed unanswered
        }
        last_reply = "tnext " + std::string(r.name);
        answer_turn(last_reply.c_str());
        EXPECT_EQ(body_of(read_all(b)), last_reply);
    }
}

TEST_F(Http, TheBufferSizeBoundsTheCopy) {
    client("GET /?status=1xabcdefghij HTTP/1.0\r\n\r\n");
    char buf[8];
    EXPECT_EQ(browser_read(buf, int(sizeof buf), 5), 'N');
    EXPECT_STREQ(buf, "abcdef\n");
}

// The page requested from its forwarding file comes as a navigation from
// no site of its own.
TEST_F(Http, AtStartUpPageRequestsAndReportsAreReturned) {
    const struct {
        const char *target;
        std::string headers;
        int result;
    } cases[] = {{"/1234/", "", 'N'},
                 {"/", navigation("cross-site", "document"), 'N'},
                 {"/?status=0xR", "", 'R'},
                 {"/?status=0xS", "", 'S'}};
    for (const auto &c : cases) {
        int a = client(std::string("GET ") + c.target + " HTTP/1.1\r\n" + c.headers + "\r\n");
        EXPECT_EQ(browser_read(nullptr, 0, 5), c.result) << c.target;
        EXPECT_GE(wsock, 0);  // held for the answer
        answer_turn("tanswer");
        EXPECT_EQ(body_of(read_all(a)), "tanswer");
    }
}

// A request that stalls half-way, or whose sender has gone, holds up
// nothing; it is closed once it has had REQUEST_MS to arrive whole.
TEST_F(Http, StalledAndAbandonedRequestsAreDroppedWithoutFreezing) {
    int half = client("GET /?status=1xlo");
    int gone = client("GET /?status=2xlo");
    shutdown(gone, SHUT_WR);
    int whole = client("GET /?status=3xlook HTTP/1.0\r\n\r\n");
    char buf[64];
    auto start = clock_type::now();
    EXPECT_EQ(browser_read(buf, int(sizeof buf), 30), 'N');
    EXPECT_LT(std::chrono::duration<double>(clock_type::now() - start).count(), 0.5);
    EXPECT_STREQ(buf, "look\n");
    answer_turn("tok");
    EXPECT_EQ(body_of(read_all(whole)), "tok");

    std::thread later([this] {
        usleep(2500000);
        close(connect_and_send("GET /?status=4xnext HTTP/1.0\r\n\r\n"));
    });
    EXPECT_EQ(browser_read(buf, int(sizeof buf), 30), 'N');
    later.join();
    EXPECT_EQ(read_all(half, 100), "");
    EXPECT_EQ(read_all(gone, 100), "");
}

// A head longer than the listener reads is closed, and the wait goes on.
TEST_F(Http, AHeadOverTheLimitIsClosed) {
    int big = client("");
    std::thread sender([big] {
        std::string head = "GET /?status=1xquit HTTP/1.1\r\nX-Pad: " + std::string(HEAD_MAX, 'a') + "\r\n\r\n";
        send(big, head.data(), head.size(), MSG_NOSIGNAL);
    });
    int next = client("GET /?status=2xnext HTTP/1.0\r\n\r\n");
    char buf[64];
    EXPECT_EQ(browser_read(buf, int(sizeof buf), 5), 'N');
    EXPECT_STREQ(buf, "next\n");
    answer_turn("tnext");
    EXPECT_EQ(body_of(read_all(next)), "tnext");
    shutdown(big, SHUT_RDWR);
    sender.join();
}

// When every place for a connection is taken, a newcomer closes a head
// begun and stalled first, then the connection idle the longest; a whole
// request waiting to be handled is never closed for it.
TEST_F(Http, AFullTableMakesRoomWithStrangersFirst) {
    std::vector<int> idle, stalled;
    for (int k = 0; k < 32; k++) idle.push_back(client(""));
    for (int k = 0; k < 32; k++) stalled.push_back(client("GET /?status=1x"));
    // The 64 are taken in and read; then two more come, then a command.
    std::thread more([this] {
        usleep(300000);
        client("");
        usleep(100000);
        client("");
        usleep(300000);
        close(connect_and_send("GET /?status=2xlook HTTP/1.0\r\n\r\n"));
    });
    char buf[64];
    EXPECT_EQ(browser_read(buf, int(sizeof buf), 5), 'N');
    more.join();
    EXPECT_STREQ(buf, "look\n");
    int closed = 0;
    for (int s : stalled) closed += read_all(s, 20) == "";
    for (int s : idle) EXPECT_EQ(read_all(s, 20), "<open>");
    EXPECT_GE(closed, 2);
    EXPECT_LE(closed, 3);  // the command's own connection may have taken a third place
}

// A slowloris and a flood of other local connections while the page pings
// and sends a command: every ping of the page is answered at once, and the
// command arrives.
TEST_F(Http, ThePageIsAnsweredPromptlyUnderAFlood) {
    std::atomic<bool> stop{false};
    std::thread slowloris([&] {
        std::vector<int> socks;
        for (int k = 0; k < 26; k++) socks.push_back(connect_to(port));
        for (int step = 0; !stop && step < 100; step++) {
            for (int s : socks)
                if (s >= 0) send(s, "G", 1, MSG_NOSIGNAL);
            usleep(100000);
        }
        for (int s : socks)
            if (s >= 0) close(s);
    });
    std::thread flood([&] {
        std::vector<int> socks;
        for (int k = 0; k < 300 && !stop; k++) {
            int s = connect_to(port);
            if (s >= 0 && k % 3 == 0) send(s, "POST / HTTP/1.0\r\n\r\n", 19, MSG_NOSIGNAL);
            if (s >= 0) socks.push_back(s);
        }
        while (!stop) usleep(10000);
        for (int s : socks) close(s);
    });
    std::vector<double> waits;
    std::thread page([&] {
        usleep(200000);
        for (int k = 1; k <= 10; k++) {
            auto start = clock_type::now();
            int s = connect_and_send(
                with_port("GET /?status=0x" + std::to_string(k) + " HTTP/1.1\r\nHost: 127.0.0.1:%PORT%\r\n\r\n"));
            std::string got = read_all(s, 5000);
            close(s);
            double secs = std::chrono::duration<double>(clock_type::now() - start).count();
            waits.push_back(body_of(got) == "k" ? secs : 99.0);
            usleep(100000);
        }
        close(connect_and_send("GET /?status=1xlook HTTP/1.0\r\n\r\n"));
    });
    char buf[64];
    EXPECT_EQ(browser_read(buf, int(sizeof buf), 10), 'N');
    EXPECT_STREQ(buf, "look\n");
    page.join();
    stop = true;
    slowloris.join();
    flood.join();
    ASSERT_EQ(waits.size(), 10u);
    // Promptly: well under the page's 2 s ping, with room for a loaded machine.
    for (double w : waits) EXPECT_LT(w, 1.0);
}

TEST_F(Http, PingsRenewTheDeadline) {
    std::thread pinger([this] {
        for (int k = 1; k <= 5; k++) {
            usleep(700000);
            close(connect_and_send("GET /?status=0x" + std::to_string(k) + " HTTP/1.0\r\n\r\n"));
        }
        close(connect_and_send("GET /?status=1xstill%20here HTTP/1.0\r\n\r\n"));
    });
    outcome o = in_child([] {
        char buf[64];
        int r = browser_read(buf, int(sizeof buf), 2);
        fprintf(stderr, "%c %s", r, buf);
    });
    pinger.join();
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.err, "N still here\n");
    EXPECT_GT(o.seconds, 3.0);  // longer than the time-out, thanks to the pings
}

TEST_F(Http, NoRequestInTimeEndsTheGame) {
    outcome o = in_child([] {
        char buf[64];
        browser_read(buf, int(sizeof buf), 1);
    });
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "*** No response from browser! ***\n");
    EXPECT_GT(o.seconds, 0.9);
    EXPECT_LT(o.seconds, 2.5);

    // A client that sends half a request and stalls does not hold it off.
    int half = client("GET /?status=1xlo");
    o = in_child([] {
        char buf[64];
        browser_read(buf, int(sizeof buf), 1);
    });
    EXPECT_EQ(o.status, 1);
    EXPECT_LT(o.seconds, 4.0);
    close(half);
}

TEST_F(Http, AnOldBrowserEndsTheGame) {
    client("GET /?status=0xS HTTP/1.0\r\nUser-Agent: Mozilla/4.0 (compatible; MSIE 5.0; Windows 98)\r\n\r\n");
    outcome o = in_child([] { browser_read(nullptr, 0, 5); });
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "*ERROR* Sorry, this setup does not work with IE 5.0.\n");
}

// Each run draws its own secret of 32 hex digits. A request whose target
// does not start with it is closed unanswered before anything else in it
// counts: a command, a ping, a report, the page itself, and a claim to be
// the old browser that would end the game.
TEST_F(Http, ARequestWithoutTheSecretIsDroppedUnanswered) {
    const std::string secret = page_secret;
    ASSERT_EQ(secret.size(), 32u);
    EXPECT_EQ(secret.find_first_not_of("0123456789abcdef"), std::string::npos);
    set_up_listener();
    EXPECT_NE(secret, page_secret);
    std::string wrong = page_secret;
    wrong[31] = wrong[31] == '0' ? '1' : '0';
    const std::string key = page_secret;
    const std::string end = " HTTP/1.1\r\nHost: 127.0.0.1:%PORT%\r\n\r\n";
    const std::string keyless[] = {
        "GET /?status=1xquit" + end,
        "GET /?status=1xquit\r\nHost: 127.0.0.1:%PORT%\r\n\r\n",
        "GET /?status=0xS HTTP/1.0\r\n\r\n",
        "GET /?status=0x3 HTTP/1.0\r\n\r\n",
        "GET /" + end,
        "GET /favicon.ico" + end,
        "GET /" + wrong + "/?status=1xquit" + end,
        "GET /" + key.substr(0, 31) + "/?status=1xquit" + end,
        "GET /" + key + "0/?status=1xquit" + end,
        "GET /" + key.substr(1) + "0/?status=1xquit" + end,
        "GET //" + key + "/?status=1xquit" + end,
        "GET /?key=" + key + "&status=1xquit" + end,
        "GET /x/" + key + "/?status=1xquit" + end,
        "GET /?status=0xS HTTP/1.0\r\nUser-Agent: Mozilla/4.0 (compatible; MSIE 5.0; Windows 98)\r\n\r\n",
    };
    for (const std::string &r : keyless) {
        SCOPED_TRACE(r);
        int a = client(with_port(r), true);
        int b = client("GET /?status=2xnext HTTP/1.0\r\n\r\n");
        char buf[64];
        EXPECT_EQ(browser_read(buf, int(sizeof buf), 5), 'N');
        EXPECT_STREQ(buf, "next\n");
        EXPECT_EQ(read_all(a), "");
        answer_turn("tnext");
        EXPECT_EQ(body_of(read_all(b)), "tnext");
    }
    // The secret alone before the query, or before a path, is the page's.
    for (const std::string &target : {"/" + key + "?status=3xmine", "/" + key + "/x/?status=3xmine"}) {
        client("GET " + target + " HTTP/1.0\r\n\r\n", true);
        char buf[64];
        EXPECT_EQ(browser_read(buf, int(sizeof buf), 5), 'N');
        EXPECT_STREQ(buf, "mine\n");
        answer_turn("tok");
    }
}

// Every page served has a number, which its requests carry. The newest page
// that has spoken holds the game: a page overtaken by it is answered "g" to
// each request, and nothing it sends reaches the game. A page reporting in
// during play is shown the last turn's reply.
TEST_F(Http, ANewerPageTakesTheGameOver) {
    set_conf(CONF_WIDTH, "700");
    set_conf(CONF_BUTTON, "Y");
    struct step {
        const char *target;
        const char *answer;  // null: returned to the game as a command; "" the last reply
        int holder;          // the page that holds the game after it
    };
    const step steps[] = {
        {"/?page=2&status=1xlook", nullptr, 2},
        {"/?page=2&status=0x1", "k", 2},
        {"/?page=3&status=0xS", "", 3},  // a second window opens
        {"/?page=2&status=2xquit", "g", 3},
        {"/?page=2&status=0x2", "g", 3},
        {"/?status=2xquit", "g", 3},
        {"/?page=3&status=3xwest", nullptr, 3},
        {"/?page=3&status=0xR", "", 3},  // the window reloaded
        {"/?page=4&status=4xeast", nullptr, 4},
        {"/?page=3&status=0x3", "g", 4},
        {"/1234/", "<!DOCTYPE html>", 4},  // the page itself, for a new window
    };
    std::string last;
    for (const step &st : steps) {
        SCOPED_TRACE(st.target);
        int a = client(std::string("GET ") + st.target + " HTTP/1.0\r\n\r\n");
        char buf[64];
        if (!st.answer) {
            EXPECT_EQ(browser_read(buf, int(sizeof buf), 5), 'N');
            std::string command = strchr(st.target, 'x') + 1;
            EXPECT_EQ(buf, command + "\n");
            last = "treply to " + command;
            answer_turn(last.c_str());
            EXPECT_EQ(body_of(read_all(a)), last);
            continue;
        }
        // The answer comes while the listener waits for the next command,
        // which the page holding the game sends.
        int c = client("GET /?page=" + std::to_string(st.holder) + "&status=9xnext HTTP/1.0\r\n\r\n");
        EXPECT_EQ(browser_read(buf, int(sizeof buf), 5), 'N');
        EXPECT_STREQ(buf, "next\n");
        std::string seen = body_of(read_all(a));
        if (*st.answer)
            EXPECT_EQ(seen.rfind(st.answer, 0), 0u) << seen.substr(0, 40);
        else
            EXPECT_EQ(seen, last);
        last = "treply to next " + std::string(st.target);
        answer_turn(last.c_str());
        EXPECT_EQ(body_of(read_all(c)), last);
    }
}

// The browser command is started without a shell, its arguments split with
// quotes honoured, the alternatives of a colon-separated list tried in turn;
// the page is served until the page reports that it is ready. The browser
// is handed the page's forwarding file, never the address with the secret:
// the file in the game's directory, the player's alone whatever the umask,
// made afresh (never written through a link left in its place), and gone
// once the page has been asked for.
TEST_F(Http, TheBrowserStartsOnTheNextFreePort) {
    close(lsock);
    lsock = -1;
    int base = port;
    int held[2] = {occupy(base), occupy(base + 1)};
    ASSERT_GE(held[0], 0);
    ASSERT_GE(held[1], 0);
    scratch_dir game_dir, out_dir;
    const std::string kept = out_dir.path + "/kept";
    std::ofstream(kept) << "kept";
    ASSERT_EQ(symlink(kept.c_str(), game_dir.forwarding_file().c_str()), 0);
    const std::string file = out_dir.path + "/the arguments";
    std::string command = "no-such-browser-here --flag:/bin/sh -c 'printf \"%s\\n\" \"$@\" > \"$0\"' \"" + file + "\"";
    set_conf(CONF_WIDTH, "700");
    set_conf(CONF_BUTTON, "Y");
    std::string args, forwarding, url, page;
    mode_t mode = 0;
    bool gone_after_page = false;
    std::thread browser([&] {
        for (int k = 0; k < 100 && args.empty(); k++) {
            usleep(100000);
            args = text_of(file);
        }
        if (args.empty()) return;
        struct stat st;
        if (lstat(game_dir.forwarding_file().c_str(), &st) == 0) mode = st.st_mode;
        forwarding = text_of(game_dir.forwarding_file());
        size_t at = forwarding.find("url=");
        if (at == std::string::npos) return;
        url = forwarding.substr(at + 4, forwarding.find('"', at) - at - 4);
        // The page's address carries the secret drawn by the game.
        const std::string path = url.substr(url.find('/', 7));
        int s = connect_and_send_to(base + 2, "GET " + path + " HTTP/1.0\r\n\r\n", true);
        page = read_all(s);
        close(s);
        gone_after_page = !std::filesystem::exists(std::filesystem::symlink_status(game_dir.forwarding_file()));
        close(connect_and_send_to(base + 2, "GET " + path + "?status=0xS HTTP/1.0\r\n\r\n", true));
    });
    outcome o = in_child([&] {
        umask(0);
        if (chdir(game_dir.path.c_str()) != 0) _exit(3);
        port = base;
        invoke_browser(command.c_str(), 10);
        fprintf(stderr, "ready on %d", port);
    });
    browser.join();
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.err, "ready on " + std::to_string(base + 2));
    EXPECT_EQ(args, game_dir.forwarding_file() + "\n");
    EXPECT_TRUE(S_ISREG(mode));
    EXPECT_EQ(mode & 07777, 0600u);
    std::string prefix = "http://127.0.0.1:" + std::to_string(base + 2) + "/";
    EXPECT_EQ(url.rfind(prefix, 0), 0u) << url;
    EXPECT_EQ(url.size(), prefix.size() + 33) << url;
    EXPECT_EQ(url.find_first_not_of("0123456789abcdef", prefix.size()), url.size() - 1) << url;
    EXPECT_EQ(url.back(), '/');
    EXPECT_EQ(args.find(url.substr(prefix.size(), 32)), std::string::npos);
    EXPECT_NE(forwarding.find("<a href=\"" + url + "\">"), std::string::npos) << forwarding;
    EXPECT_NE(body_of(page).find("<title>Start fixture Zendry</title>"), std::string::npos);
    EXPECT_TRUE(gone_after_page);
    EXPECT_TRUE(game_dir.empty());
    EXPECT_EQ(text_of(kept), "kept");
    close(held[0]);
    close(held[1]);

    o = in_child([&] {
        dup2(2, 1);
        if (chdir(game_dir.path.c_str()) != 0) _exit(3);
        invoke_browser("/no/such/browser:also-not-here", 10);
    });
    EXPECT_EQ(o.status, 255);
    EXPECT_EQ(o.err.rfind("*ERROR* Failed to kick off '/no/such/browser:also-not-here " + game_dir.forwarding_file() +
                              "'!\n",
                          0),
              0u)
        << o.err;
    EXPECT_TRUE(game_dir.empty());
}

// A browser command that ends at once with a failure (an opener that finds
// no browser) is reported at once, naming it, the forwarding file it was
// handed and the console; the next alternative of a list is tried first.
// One that ends well has handed the page on, and the wait goes on. Either
// way the forwarding file is gone when the game ends.
TEST_F(Http, ABrowserThatFailsAtOnceIsReportedAtOnce) {
    scratch_dir game_dir;
    outcome o = in_child([&] {
        dup2(2, 1);
        if (chdir(game_dir.path.c_str()) != 0) _exit(3);
        invoke_browser("false:sh -c 'exit 3'", 30);
    });
    EXPECT_EQ(o.status, 255);
    EXPECT_LT(o.seconds, 3.0);
    EXPECT_EQ(o.err.rfind("*ERROR* Failed to kick off 'false:sh -c 'exit 3' " + game_dir.forwarding_file() + "'!\n", 0),
              0u)
        << o.err;
    EXPECT_NE(o.err.find("('false' ended at once with exit status 1.)\n('sh' ended at once with exit status 3.)\n"),
              std::string::npos)
        << o.err;
    EXPECT_NE(o.err.find("in the console instead\nwith 'zendry -C'"), std::string::npos) << o.err;
    EXPECT_TRUE(game_dir.empty());

    o = in_child([&] {
        if (chdir(game_dir.path.c_str()) != 0) _exit(3);
        invoke_browser("true", 1);
    });
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "*** No response from browser! ***\n");
    EXPECT_TRUE(game_dir.empty());
}

// A game ended by a signal while the page is awaited takes its forwarding
// file with it, and ends by that signal still. (The browser here sends the
// signal when it finds the file it was handed.)
TEST_F(Http, TheForwardingFileGoesWithAGameEndedByASignal) {
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(sig);
        scratch_dir game_dir;
        const std::string command = "sh -c 'test -f \"$0\" && kill -" + std::to_string(sig) + " $PPID'";
        outcome o = in_child([&] {
            if (chdir(game_dir.path.c_str()) != 0) _exit(3);
            invoke_browser(command.c_str(), 10);
        });
        EXPECT_EQ(o.status, -1000 - sig);
        EXPECT_TRUE(game_dir.empty());
    }
}

// A forwarding file that cannot be written (the game's directory is gone)
// starts no browser: the game says why and ends, the address nowhere.
TEST_F(Http, NoForwardingFileStartsNoBrowser) {
    scratch_dir out_dir;
    const std::string file = out_dir.path + "/started";
    const std::string command = "/bin/sh -c 'printf \"%s\\n\" \"$@\" > \"$0\"' \"" + file + "\"";
    outcome o = in_child([&] {
        dup2(2, 1);
        scratch_dir game_dir;
        if (chdir(game_dir.path.c_str()) != 0 || rmdir(game_dir.path.c_str()) != 0) _exit(3);
        invoke_browser(command.c_str(), 10);
    });
    EXPECT_EQ(o.status, 255);
    EXPECT_NE(o.err.find("the page's forwarding file"), std::string::npos) << o.err;
    EXPECT_EQ(o.err.find("http://"), std::string::npos) << o.err;
    EXPECT_NE(o.err.find("with 'zendry -C'"), std::string::npos) << o.err;
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(Http, AHundredTakenPortsEndTheGame) {
    close(lsock);
    lsock = -1;
    int base = free_port_run(100);
    ASSERT_GT(base, 0);
    std::vector<int> held;
    for (int k = 0; k < 100; k++) held.push_back(occupy(base + k));
    outcome o = in_child([base] {
        port = base;
        set_up_listener();
    });
    for (int s : held) close(s);
    EXPECT_EQ(o.status, 255);
    EXPECT_EQ(o.err, "Failed to bind listening socket!\n(Every port from " + std::to_string(base) + " to " +
                         std::to_string(base + 99) +
                         " of the loopback interface is taken.)\nThe game's page cannot be served: play it in the "
                         "console instead with 'zendry -C'.\n");
}

}  // namespace
