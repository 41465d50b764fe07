// The HTTP requests as the listener reads them, from real loopback
// connections. Byte 0 chooses the moment: even, during play (the listener
// decodes a command into the game's buffer and answers pings, reports and
// page reloads itself); odd, at start-up, before the page is shown (the
// harness answers a page request with the page, as the start-up does). The
// rest is one request per connection, a 0x1E byte starting the next (at most
// eight); "{PORT}" stands for the listener's port and "{KEY}" for the run's
// secret, so that an input names the page's own address in every run.
//
// Each request is first parsed as the listener does, whole and fed in
// pieces (their lengths taken from its own bytes): both must give the same
// request and take the same bytes. After the fuzzed connections the page
// itself sends one more request (in play a command, at start-up its first
// report). The harness takes requests until the listener has nothing left
// and times out (the wait passes at once); the page's request must have
// come through: no other local client may stop or swallow it.
// A request of the page's own that names the old browser "IE 5.0" ends the
// game, and is let be; a foreign one must not, nor one without the secret.
// A request whose target does not carry the secret is never answered, and
// when no fuzzed request carries it, nothing but the page's own request
// reaches the game.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "config.h"
#include "display.h"
#include "harness.h"
#include "startup.h"
#include "text.h"

namespace {

std::string with_port(std::string s) {
    const std::pair<std::string, std::string> marks[] = {{"{PORT}", std::to_string(port)}, {"{KEY}", page_secret}};
    for (const auto &[mark, value] : marks)
        for (size_t at = 0; (at = s.find(mark, at)) != std::string::npos; at += value.size())
            s.replace(at, mark.size(), value);
    return s;
}

// Whether the listener sent anything on a connection.
bool answered(int s) {
    char c;
    return recv(s, &c, 1, MSG_DONTWAIT) > 0;
}

// A connection that sends the text and its end. It is closed with a reset,
// which also ends the listener's side at once: hundreds of connections a
// second would otherwise use up the loopback ports in waiting states.
int send_request(const std::string &head) {
    int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a = {};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(uint16_t(port));
    if (s < 0) fuzz::fail("no socket for a connection");
    // A signal (libFuzzer's timer) may cut the connect short; it goes on
    // and is then waited for.
    while (connect(s, reinterpret_cast<sockaddr *>(&a), sizeof a) != 0 && errno != EISCONN) {
        if (errno != EINTR && errno != EALREADY) {
            std::string why = "cannot reach the listener: " + std::string(strerror(errno));
            fuzz::fail(why.c_str());
        }
        pollfd p = {s, POLLOUT, 0};
        poll(&p, 1, 100);
    }
    linger reset = {1, 0};
    setsockopt(s, SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
    size_t done = 0;
    while (done < head.size()) {
        ssize_t n = send(s, head.data() + done, head.size() - done, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += size_t(n);
    }
    shutdown(s, SHUT_WR);
    return s;
}

bool same(const http_request &a, const http_request &b) {
    return a.complete == b.complete && a.bad == b.bad && a.get == b.get && a.target == b.target &&
           a.old_browser == b.old_browser && a.foreign == b.foreign && a.cross_site == b.cross_site &&
           a.navigate == b.navigate && a.document == b.document;
}

void check_parser(const std::string &head) {
    http_request whole;
    const size_t taken = http_feed(whole, head.data(), head.size());
    http_request pieces;
    size_t at = 0;
    while (at < head.size()) {
        size_t n = std::min(head.size() - at, size_t(1 + uint8_t(head[at]) % 7));
        size_t k = http_feed(pieces, head.data() + at, n);
        at += k;
        if (k < n) break;
    }
    if (!same(whole, pieces)) fuzz::fail("a request fed in pieces reads differently");
    if (at != taken) fuzz::fail("a request fed in pieces takes other bytes");
}

// The page's own requests, from a page number no other request can pass.
const char *const own_command =
    "GET /{KEY}/?page=999999999&status=7xsentinel HTTP/1.1\r\nHost: 127.0.0.1:{PORT}\r\n"
    "Referer: http://127.0.0.1:{PORT}/{KEY}/\r\n\r\n";
const char *const own_report =
    "GET /{KEY}/?page=999999999&status=0xS HTTP/1.1\r\nHost: 127.0.0.1:{PORT}\r\n"
    "Referer: http://127.0.0.1:{PORT}/{KEY}/\r\n\r\n";

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    fuzz::setup(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size == 0 || size > 65536) return 0;
    const bool startup = data[0] & 1;
    fuzz::in_target target;
    fuzz::fresh_process();
    read_conf();
    mode = MODE_BROWSER;
    html_ok = 1;
    http_offset = 143;
    set_up_listener();

    std::vector<std::string> requests = fuzz::split(data + 1, size - 1, '\x1e', 8);
    bool old_browser = false;
    std::vector<bool> keyless;
    bool any_keyed = false;
    for (const std::string &r : requests) {
        const std::string head = with_port(r);
        http_request h = parse_http_request(head.data(), head.size());
        if (h.complete && h.old_browser && !h.foreign && carries_secret(h.target)) old_browser = true;
        keyless.push_back(!carries_secret(h.target));
        if (carries_secret(h.target)) any_keyed = true;
    }
    requests.push_back(startup ? own_report : own_command);
    for (const std::string &r : requests) check_parser(with_port(r));
    std::vector<int> clients;
    for (const std::string &r : requests) clients.push_back(send_request(with_port(r)));

    bool through = false;
    int status = 0;
    char buf[4096];
    try {
        for (;;) {
            buf[0] = 0;
            int r = browser_read(startup ? nullptr : buf, int(sizeof buf), 1);
            if (startup && r == 'S') through = true;
            if (startup && r == 'N') send_page();
            if (!startup && std::strcmp(buf, "sentinel\n") == 0) through = true;
            else if (!any_keyed && (!startup || r != 'S')) fuzz::fail("a request without the secret reached the game");
        }
    } catch (const fuzz::program_exit &e) {
        status = e.status;
    }
    for (size_t k = 0; k < keyless.size(); k++)
        if (keyless[k] && answered(clients[k])) fuzz::fail("a request without the secret was answered");
    for (int s : clients) close(s);
    if (status != 1) fuzz::fail("the listener ended the game other than by its time-out");
    if (!through && !old_browser) fuzz::fail("the page's own request did not come through");
    return 0;
}
