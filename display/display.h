// The browser display channel and the saved-game listing.
#pragma once

#include <cstddef>

// Sockets are -1 when there is none (0 is the standard input).
extern int lsock;  // the listening socket
extern int wsock;  // the request held open for the next answer
extern int port;   // 1978 at start; the port actually bound once listening

// The loopback host of the page's address and of the "Host:" header.
extern const char *const loopback_host;

// The page and the HTTP answers (page.cpp).
void send_page();                // the page, as the answer to the held request
void ostr(int refno);            // append a database text to obuf, raw
char *make_header(char *buf);    // header in front of buf + http_offset; returns its start
void browser_write(char *buf);   // frame and send buf + http_offset on wsock, then close it
void send_null();                // the keep-alive answer "k"
// Sends len bytes in pieces of at most 1024, over partial writes; a failed
// send gives up (the caller closes the connection in every case).
void send_all(int sock, const char *data, size_t len);

// The listener, the requests and the browser start (listener.cpp).
void set_up_listener();
// Waits for the next request and returns 'N' (a command, or at start-up a
// page request), 'R' or 'S' (the page's status reports, at start-up). With
// a buffer (during play) the decoded command and a line feed are stored
// there; a page request is then answered with the page, and a status report
// like a ping, and the wait goes on.
int browser_read(char *buf, int size, int seconds);
void invoke_browser(const char *command, int seconds);

// The saved-game listing and console pacing (saved.cpp).
int process_saved(int n, char *name);
void my_usleep(int ms);
