// The page the browser shows, built from a template with substitution tags,
// and the HTTP answers: the header framed in front of the payload in the
// output buffer, the page itself and the keep-alive answer.
#include "display.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

#include "config.h"
#include "startup.h"
#include "text.h"

int page_number = 0;  // the number of the page last served, which its requests carry (0: none yet)

namespace {

// The page template: plain lines are copied as they are (their own line
// feeds included), a line "=x" is replaced by the value of tag x, and "=="
// ends the page.
//
// The script talks to the program only by GET requests of
// "/<secret>/?page=<n>&status=...", n being the number the page was served
// with: "0xS" or "0xR" when the page loads (answered with the last turn's
// reply, if the game is under way), "0x<n>" as a keep-alive ping every
// timeLimit milliseconds, and "<turn>x<command>" for each command. An
// answer "g" tells a page that a newer page has taken the game over: it
// says so and sends nothing more. The pings
// come from a dedicated worker where the browser offers one: browsers slow
// down or nearly stop the timers of a page in a background tab, but not
// those of its workers, so the game is not timed out while the player looks
// at another tab.
const char *const page[] = {
    "<!DOCTYPE html>\n",
    "<html>\n<head>\n<meta charset=\"utf-8\">\n",
    "<link rel=\"icon\" href=\"data:,\">\n",
    "<title>",
    "=G",
    "</title>\n",
    "<script type=\"text/javascript\">\n",
    "=L",
    "=M",
    "=C",
    "=K",
    "var state = \"S\", turn = 0, lastType = \"t\", started = false;\n",
    "var hist = [], hpos = 0, timer = null, pinger = null, pings = 0, chunkNo = 0;\n",
    "var address = base + \"?page=\" + pageNo + \"&status=\";\n",
    "function el(id) { return document.getElementById(id); }\n",
    "function request() {\n",
    "  if (window.XMLHttpRequest) return new XMLHttpRequest();\n",
    "  var names = [\"Msxml2.XMLHTTP\", \"Microsoft.XMLHTTP\"];\n",
    "  for (var i = 0; i < names.length; i++) {\n",
    "    try { return new ActiveXObject(names[i]); } catch (e) {}\n",
    "  }\n",
    "  return null;\n",
    "}\n",
    "function send(query) {\n",
    "  var r = request();\n",
    "  if (!r) {\n",
    "    closeGame(\"<h2>Sorry, your browser is not compatible with this game!</h2><br>\");\n",
    "    return;\n",
    "  }\n",
    "  r.onreadystatechange = function () { if (r.readyState == 4) answer(r.status, r.responseText); };\n",
    "  r.open(\"GET\", address + encodeURIComponent(query), true);\n",
    "  r.send(null);\n",
    "}\n",
    // The worker's own timer and requests; it reports each answer back.
    "var pingerCode = \"var t = null, n = 0;\" +\n",
    "  \"function ping(url) { n++; var r = new XMLHttpRequest();\" +\n",
    "  \" r.onreadystatechange = function () { if (r.readyState == 4) postMessage([r.status, r.responseText]); };\" +\n",
    "  \" r.open('GET', url + n, true); r.send(null); }\" +\n",
    "  \"onmessage = function (e) { if (t) clearInterval(t); t = null;\" +\n",
    "  \" if (e.data.limit > 0) { var url = e.data.url;\" +\n",
    "  \" t = setInterval(function () { ping(url); }, e.data.limit); } };\";\n",
    "function startTimer() {\n",
    "  stopTimer();\n",
    "  if (state == \"X\") return;\n",
    "  if (pinger === null) {\n",
    "    pinger = false;\n",
    "    try {\n",
    "      var code = new Blob([pingerCode], {type: \"text/javascript\"});\n",
    "      pinger = new Worker(URL.createObjectURL(code));\n",
    "      pinger.onmessage = function (e) { answer(e.data[0], e.data[1]); };\n",
    "    } catch (e) { pinger = false; }\n",
    "  }\n",
    "  if (pinger) pinger.postMessage({limit: timeLimit,\n",
    "      url: location.protocol + \"//\" + location.host + address + \"0x\"});\n",
    "  else timer = setInterval(function () { pings++; send(\"0x\" + pings); }, timeLimit);\n",
    "}\n",
    "function stopTimer() {\n",
    "  if (pinger) pinger.postMessage({limit: 0});\n",
    "  if (timer) { clearInterval(timer); timer = null; }\n",
    "}\n",
    "function chunks() { return document.getElementsByName(\"chunk\"); }\n",
    "function scrollDown() { el(\"conbot\").scrollIntoView(false); atEnd = true; }\n",
    // Whether the end of the game (the command field) is in sight is noted
    // as the view scrolls, but not for a scroll of the window's new size not
    // yet handled: a window made narrower or lower scrolls to the end again
    // when the end was in sight, and a view read back in the history stays.
    "var atEnd = true, seenWidth = 0, seenHeight = 0;\n",
    "function scrolled() {\n",
    "  if (window.innerWidth != seenWidth || window.innerHeight != seenHeight) return;\n",
    "  atEnd = el(\"conbot\").getBoundingClientRect().top <= window.innerHeight + 2;\n",
    "}\n",
    "function resized() {\n",
    "  seenWidth = window.innerWidth;\n",
    "  seenHeight = window.innerHeight;\n",
    "  if (atEnd && el(\"gameview\").style.display != \"none\") scrollDown();\n",
    "}\n",
    "function addChunk(html) {\n",
    "  var d = document.createElement(\"div\");\n",
    "  d.id = \"chunk\" + (++chunkNo);\n",
    "  d.setAttribute(\"name\", \"chunk\");\n",
    "  d.innerHTML = html;\n",
    "  el(\"conreg\").appendChild(d);\n",
    "  var c = chunks();\n",
    "  while (c.length > moveLimit) {\n",
    "    c[0].parentNode.removeChild(c[0]);\n",
    "    if (hist.length > 0) { hist.shift(); if (hpos > 0) hpos--; }\n",
    "  }\n",
    "  scrollDown();\n",
    "}\n",
    "function closeGame(html) {\n",
    "  stopTimer();\n",
    "  state = \"X\";\n",
    "  var f = el(\"comform\");\n",
    "  if (f) f.parentNode.removeChild(f);\n",
    "  var d = document.createElement(\"div\");\n",
    "  d.innerHTML = html;\n",
    "  el(\"conreg\").appendChild(d);\n",
    "  el(\"startit\").style.display = \"none\";\n",
    "  el(\"gameview\").style.display = \"block\";\n",
    "  scrollDown();\n",
    "}\n",
    "function finish() {\n",
    "  closeGame(\"<p><input type='button' class='query' id='closeit' value='",
    "=b",
    "' onclick='window.close()'></p><p>",
    "=p",
    "</p>\");\n",
    "}\n",
    "function answer(status, text) {\n",
    "  if (state == \"X\") return;\n",
    "  if (status != 200) {\n",
    "    closeGame(\"<h2>Server process not responding!</h2><br>\");\n",
    "    return;\n",
    "  }\n",
    "  if (text.length == 0) {\n",
    "    if (state == \"R\")\n",
    "      closeGame(\"<h2>Server process not responding!</h2><p>Please close this window and restart.</p>\");\n",
    "    return;\n",
    "  }\n",
    "  var type = text.charAt(0);\n",
    "  if (type == \"k\") return;\n",
    "  if (type == \"g\") {\n",
    "    closeGame(\"<h2>This game goes on in another window.</h2><p>You may close this one.</p>\");\n",
    "    return;\n",
    "  }\n",
    "  lastType = type;\n",
    "  addChunk(text.substring(1));\n",
    "  if (type == \"f\") { finish(); return; }\n",
    "  if (started) el(\"command\").focus();\n",
    "  startTimer();\n",
    "}\n",
    "function escapeHtml(s) {\n",
    "  return s.replace(/&/g, \"&amp;\").replace(/</g, \"&lt;\").replace(/>/g, \"&gt;\").replace(/\"/g, \"&quot;\");\n",
    "}\n",
    // The prompt anchor of the last answer becomes the echo of the command.
    "function echo(command) {\n",
    "  var p = el(\"prompt\");\n",
    "  if (!p) return;\n",
    "  var t = lastType, s = document.createElement(\"span\");\n",
    "  var text = (t == \"q\" || t == \"m\" || t == \"r\" || t == \"s\") ? p.innerHTML : (t == \"c\" ? \"<br>?\" : \"?\");\n",
    "  s.className = \"query\";\n",
    "  s.innerHTML = text + \" \" + escapeHtml(command) + (t == \"t\" ? \"<br>&nbsp;<br>\" : \"\");\n",
    "  p.parentNode.replaceChild(s, p);\n",
    "}\n",
    "function doit(x) {\n",
    "  if (state == \"X\") return false;\n",
    "  var f = el(\"command\"), command = f.value;\n",
    "  stopTimer();\n",
    "  turn++;\n",
    "  echo(command);\n",
    "  hist.push(command);\n",
    "  hpos = hist.length;\n",
    "  f.value = \"\";\n",
    "  send(turn + \"x\" + command);\n",
    "  return false;\n",
    "}\n",
    "function key(e) {\n",
    "  e = e || window.event;\n",
    "  var c = e.keyCode || e.which, f = el(\"command\");\n",
    "  if (c == 38 || c == 63232) {\n",
    "    if (hpos > 0) { hpos--; f.value = hist[hpos]; }\n",
    "  } else if (c == 40 || c == 63233) {\n",
    "    if (hpos < hist.length) { hpos++; f.value = hpos < hist.length ? hist[hpos] : \"\"; }\n",
    "  } else return true;\n",
    "  if (e.preventDefault) e.preventDefault();\n",
    "  return false;\n",
    "}\n",
    "function startit() {\n",
    "  started = true;\n",
    "  el(\"startit\").style.display = \"none\";\n",
    "  el(\"gameview\").style.display = \"block\";\n",
    "  var f = el(\"command\");\n",
    "  if (f) f.focus();\n",
    "  scrollDown();\n",
    "}\n",
    // Keys typed in the game, wherever the focus went (a click in the
    // transcript takes it away), go to the command box; a click that
    // selects no text gives the focus back to it without scrolling.
    "function typing(e) {\n",
    "  e = e || window.event;\n",
    "  var f = el(\"command\"), t = e.target || e.srcElement;\n",
    "  if (!started || state == \"X\" || !f || t == f || e.ctrlKey || e.metaKey || e.altKey) return true;\n",
    "  if (e.key && e.key.length == 1) f.focus();\n",
    "  return true;\n",
    "}\n",
    "function clicked(e) {\n",
    "  e = e || window.event;\n",
    "  var f = el(\"command\"), t = e.target || e.srcElement;\n",
    "  if (!started || state == \"X\" || !f || (t && t.tagName == \"INPUT\")) return true;\n",
    "  if (window.getSelection && !window.getSelection().isCollapsed) return true;\n",
    "  try { f.focus({preventScroll: true}); } catch (x) { f.focus(); }\n",
    "  return true;\n",
    "}\n",
    "document.onkeydown = typing;\n",
    "document.onmouseup = clicked;\n",
    "window.onscroll = scrolled;\n",
    "window.onresize = resized;\n",
    // The start button takes the focus, so that Enter starts the game.
    "window.onload = function () {\n",
    "  seenWidth = window.innerWidth;\n",
    "  seenHeight = window.innerHeight;\n",
    "  el(\"start\").focus();\n",
    "  if (chunks().length > 0) state = \"R\";\n",
    "  send(\"0x\" + state);\n",
    "  startTimer();\n",
    "  if (state != \"X\") state = \"R\";\n",
    "};\n",
    "</script>\n",
    "<style type=\"text/css\">\n",
    "html,body{height:100%;margin:0}\n",
    "*.query{color:",
    "=Q",
    "}\n*.debug{color:",
    "=D",
    "}\n*.red{color:red}\ntd.view{width:",
    "=W",
    "px;vertical-align:top;line-height:1.4}\n*,input{color:",
    "=F",
    "}\ninput{max-width:",
    "=T",
    "px;}\ntd,input{background-color:",
    "=B",
    "}\ninput.command{border: ",
    "=X",
    "px inset #666666}\n",
    "h1{margin-top:0.2em}\n",
    // A long unbroken word wraps inside the column; a window narrower than
    // the column gets a column as wide as the window.
    "td.view{overflow-wrap:anywhere;word-break:break-word}\n",
    "@media (max-width:calc(",
    "=W",
    "px + 40px)){table{width:100%}td.view{width:auto}\n",
    "#comform{display:flex;align-items:center}input.command{flex:1 1 auto;min-width:0;width:0}}\n",
    "</style>\n",
    "</head>\n",
    "<body style=\"background-color:",
    "=S",
    ";color:",
    "=F",
    "\">\n",
    "<table style='margin:auto' border=1 height=100% cellpadding=16><tr><td class=\"view\">\n",
    "<form id=\"inform\" action=\"javascript:doit(1)\" onsubmit=\"return doit(1)\" autocomplete=\"off\">\n",
    "<div id=\"startit\">\n<h1>",
    "=w",
    "</h1>\n<h3>",
    "=V",
    "</h3>\n",
    "=i",
    "\n<p><input type=\"button\" class=\"query\" id=\"start\" value=\"",
    "=G",
    "\" onclick=\"startit()\"></p>\n",
    "=c",
    "\n</div>\n",
    "<div id=\"gameview\" style=\"display:none\">\n",
    // The output region is a log whose new replies a screen reader reads
    // out when the reader is free.
    "<div id=\"conreg\" role=\"log\" aria-live=\"polite\" aria-label=\"Game transcript\"></div>\n",
    "<div id=\"comform\"><span class=\"query\">?&nbsp;</span>",
    "<input class=\"command\" id=\"command\" aria-label=\"Command\" size=\"",
    "=I",
    "\" maxlength=\"160\" type=\"text\" onkeydown=\"return key(event)\">",
    "=R",
    "</div>\n",
    "</div>\n",
    "<div id=\"conbot\"></div>\n",
    "</form>\n",
    "</td></tr></table>\n",
    "</body>\n</html>\n",
    "==",
};

// Tags whose value is a configuration slot as it stands, and tags whose
// value is a database text.
struct slot_tag {
    char tag;
    int slot;
};
const slot_tag slot_tags[] = {
    {'Q', CONF_PROMPT}, {'D', CONF_DEBUG},      {'W', CONF_WIDTH},
    {'F', CONF_TEXT},   {'B', CONF_BACKGROUND}, {'S', CONF_SURROUND},
};
struct text_tag {
    char tag;
    int refno;
};
const text_tag text_tags[] = {
    {'b', 3560}, {'p', 3562}, {'w', 3538}, {'i', 3540}, {'c', 3544},
};

const char *slot(int k) { return conf[k] ? conf[k] : ""; }

// A configuration value as it goes into the page: the marks that could end
// an attribute, a style sheet or the markup around it are written as
// character references.
void oescaped(const char *s) {
    for (; *s; s++) {
        switch (*s) {
        case '&': oputs("&amp;"); break;
        case '<': oputs("&lt;"); break;
        case '>': oputs("&gt;"); break;
        case '"': oputs("&quot;"); break;
        case '\'': oputs("&#39;"); break;
        default: oputc(*s);
        }
    }
}

// The last turn's reply, as sent: shown again to a page that reports in
// during play (a reload, or another window that takes the game over).
std::string last_reply;

// Frames the payload at buf + http_offset and sends it on the held
// request, then closes it.
void frame_and_send(char *buf) {
    if (wsock < 0) return;  // no request is waiting for an answer
    char *start = make_header(buf);
    char *end = buf + http_offset;
    end += strlen(end);
    send_all(wsock, start, size_t(end - start));
    close(wsock);
    wsock = -1;
}

void send_small(char type) {
    static char small[256];
    if (http_offset + 2 > int(sizeof small)) return;
    small[http_offset] = type;
    small[http_offset + 1] = 0;
    frame_and_send(small);
}

void oprintf(const char *fmt, int n) {
    char num[64];
    snprintf(num, sizeof num, fmt, n);
    oputs(num);
}

}  // namespace

void send_all(int sock, const char *data, size_t len) {
    while (len > 0) {
        size_t piece = len < 1024 ? len : 1024;
        ssize_t n = send(sock, data, piece, MSG_NOSIGNAL);
        if (n < 0) {
            if (errno == EINTR) continue;
            return;
        }
        data += n;
        len -= size_t(n);
    }
}

void ostr(int refno) {
    int p = textadr[refno];
    if (p <= 0) return;  // a text not written
    for (; p < text_size; p++) {
        int c = get_char(p);
        if (c == 0) break;
        oputc(c == '\n' ? ' ' : c);
    }
}

void send_page() {
    page_number++;
    int width = atoi(slot(CONF_WIDTH));
    int button = slot(CONF_BUTTON)[0] == 'Y';
    oputs("");  // the output buffer exists from here on
    optr = obuf + http_offset;
    *optr = 0;
    for (const char *const *line = page;; line++) {
        const char *s = *line;
        if (s[0] != '=') {
            oputs(s);
            continue;
        }
        char tag = s[1];
        if (tag == '=') break;
        bool done = false;
        for (const slot_tag &t : slot_tags)
            if (t.tag == tag) oescaped(slot(t.slot)), done = true;
        for (const text_tag &t : text_tags)
            if (t.tag == tag) ostr(t.refno), done = true;
        if (done) continue;
        switch (tag) {
        case 'G':
            ostr(3542);
            oputc(' ');
            oputs(GAME_TITLE);
            break;
        case 'L':
            oprintf("var timeLimit = %d;\n", atoi(slot(CONF_KEEPALIVE)) * 1000);
            break;
        case 'M':
            oprintf("var moveLimit = %d;\n", atoi(slot(CONF_HISTORY)));
            break;
        case 'C':
            oprintf("var compact = %d;\n", compress != 0);
            break;
        case 'K':
            oputs("var base = \"/");
            oputs(page_secret);
            oprintf("/\", pageNo = %d;\n", page_number);
            break;
        case 'T':
            oprintf("%d", width - 20);
            break;
        case 'X':
            oputs(slot(CONF_BORDER)[0] == 'Y' ? "1" : "0");
            break;
        case 'V': {
            // "Zendry - ", the text, then the stamp's version and date.
            oputs(GAME_TITLE);
            oputs(" - ");
            ostr(3534);
            oputc(' ');
            const char *rest = strchr(VERSION_STAMP, ' ');
            oputs(rest ? rest + 1 : VERSION_STAMP);
            break;
        }
        case 'I':
            oprintf("%d", button ? width / 10 - 6 : width / 10);
            break;
        case 'R':
            if (button) {
                oputs("&nbsp;&nbsp;<input type=\"submit\" name=\"Submit\" value=\"");
                ostr(3536);
                oputs("\">");
            }
            break;
        default:
            fprintf(stderr, "Bad substitution tag in page.html: ='%c'!\n", tag);
            fablet_exit(1);
        }
    }
    frame_and_send(obuf);
}

char *make_header(char *buf) {
    char *payload = buf + http_offset;
    char length[32];
    int digits = snprintf(length, sizeof length, "%zu", strlen(payload));
    char head[256];
    int n = snprintf(head, sizeof head,
                     "HTTP/1.0 200 OK\nHost: %s\nServer: Fablet/1.1\nCache-Control: no-store\n"
                     "Content-Type: text/html; charset=utf-8\nContent-Length: %s\n\n",
                     loopback_host, length);
    if (digits > 11 || n > http_offset) {
        fputs("*GLITCH* Response payload too large to frame!\n", stderr);
        fablet_exit(1);
    }
    // Right-aligned: the header's last line feed is the byte before the
    // payload, which never moves.
    memcpy(payload - n, head, size_t(n));
    return payload - n;
}

void browser_write(char *buf) {
    if (wsock < 0) return;
    last_reply = buf + http_offset;
    frame_and_send(buf);
}

void send_null() { send_small('k'); }

void send_gone() { send_small('g'); }

void send_last_reply() {
    if (last_reply.empty()) {
        send_null();
        return;
    }
    std::vector<char> buf(size_t(http_offset) + last_reply.size() + 1);
    memcpy(buf.data() + http_offset, last_reply.c_str(), last_reply.size() + 1);
    frame_and_send(buf.data());
}
