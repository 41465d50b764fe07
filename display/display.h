// The browser display channel and the saved-game listing.
#pragma once

#include <cstddef>
#include <string>

// The game's name as the page and its forwarding file show it.
constexpr const char *GAME_TITLE = "Zendry";

// Sockets are -1 when there is none (0 is the standard input).
extern int lsock;  // the listening socket
extern int wsock;  // the request held open for the next answer
extern int port;   // 1978 at start; the port actually bound once listening

// The loopback host of the page's address and of the "Host:" header.
extern const char *const loopback_host;
// The run's secret: 32 hex digits (128 bits from the system's random
// source), drawn when the listener opens. The page's address is
// "/<secret>/" and every request of the page's starts with it; any other
// request is dropped unanswered.
extern char page_secret[33];

// The page and the HTTP answers (page.cpp).
void send_page();                // the page, as the answer to the held request
void ostr(int refno);            // append a database text to obuf, raw
char *make_header(char *buf);    // header in front of buf + http_offset; returns its start
void browser_write(char *buf);   // frame and send a turn's reply (buf + http_offset) on wsock, then close it
void send_null();                // the keep-alive answer "k"
void send_gone();                // "g": a newer page has taken the game over
void send_last_reply();          // the last turn's reply again ("k" before the first)
extern int page_number;          // the number of the page last served (0: none yet)
// Sends len bytes in pieces of at most 1024, over partial writes; a failed
// send gives up (the caller closes the connection in every case).
void send_all(int sock, const char *data, size_t len);

// One request head as the listener reads it, fed its bytes as they come:
// the request line and the headers the checks need are kept, each line cut
// at 4095 bytes, the rest of the head is read and passed over.
struct http_request {
    bool complete = false;     // the empty line that ends the head has come
    bool bad = false;          // a request line over 4095 bytes, or a head over HEAD_MAX
    bool get = false;          // the method is GET, with a target
    std::string target;        // the request line's target
    bool old_browser = false;  // "IE 5.0" in the User-Agent header
    // Sent by another page, or to another host: an Origin, Referer or Host
    // header not our own, or the browser's word that the request comes from
    // another site (Sec-Fetch-Site), unless it is the page itself opened in
    // a window of its own from elsewhere: the browser tells so for the page
    // opened through its forwarding file, and for that page reloaded.
    bool foreign = false;
    bool cross_site = false;   // Sec-Fetch-Site is neither "same-origin" nor "none"
    bool navigate = false;     // Sec-Fetch-Mode is "navigate"
    bool document = false;     // Sec-Fetch-Dest is "document": a window's page, not a frame's
    // The reader's place in the head.
    std::string line;
    bool line_cut = false;
    bool request_line = false;
    int lines = 0;
    size_t size = 0;
};
constexpr size_t HEAD_MAX = 256 * 1024;
// Feeds len bytes; returns how many were taken (the bytes after a complete
// or bad head are left).
size_t http_feed(http_request &r, const char *data, size_t len);
// A whole head at once, as the listener would read it.
http_request parse_http_request(const char *data, size_t len);

// The listener, the requests and the browser start (listener.cpp).
void set_up_listener();  // also draws a new secret
// The target starts with "/<secret>", then ends or goes on with '/' or '?';
// compared in a time that does not depend on where a byte differs.
bool carries_secret(const std::string &target);
// Waits for the next request and returns 'N' (a command, or at start-up a
// page request), 'R' or 'S' (the page's status reports, at start-up). With
// a buffer (during play) the decoded command and a line feed are stored
// there; a page request is then answered with the page, and a status report
// like a ping, and the wait goes on.
int browser_read(char *buf, int size, int seconds);
// Starts the browser on the page's forwarding file (never on the address,
// which holds the secret) and serves the page until it reports that it is
// ready; the forwarding file is removed once the page has been asked for.
void invoke_browser(const char *command, int seconds);

// The page's forwarding file (forward.cpp): a page in the current directory
// (the game's), readable and writable by the player alone, that sends the
// browser on to url. Returns its full path; with the reason in why when it
// could not be written (no file is left then). Removing it is safe at any
// time, and it is removed when the program ends.
std::string write_forwarding_file(const char *url, std::string &why);
void remove_forwarding_file();

// The saved-game listing and console pacing (saved.cpp).
int process_saved(int n, char *name);
void my_usleep(int ms);
