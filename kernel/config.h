// The command line and the configuration file.
#pragma once

constexpr int NCONF = 19;
constexpr int CONF_BROWSER = 0;
constexpr int CONF_BACKGROUND = 1;
constexpr int CONF_TEXT = 2;
constexpr int CONF_PROMPT = 3;
constexpr int CONF_DEBUG = 4;
constexpr int CONF_SURROUND = 5;
constexpr int CONF_BUTTON = 6;
constexpr int CONF_COMPACT = 7;
constexpr int CONF_HISTORY = 8;
constexpr int CONF_WIDTH = 9;
constexpr int CONF_LOG = 10;
constexpr int CONF_JUSTIFY = 11;
constexpr int CONF_MARGIN = 12;
constexpr int CONF_LINELEN = 13;
constexpr int CONF_HEIGHT = 14;
constexpr int CONF_BORDER = 15;
constexpr int CONF_INVOKE = 16;
constexpr int CONF_KEEPALIVE = 17;
constexpr int CONF_GRACE = 18;

extern char *conf[NCONF];
extern int browser_timeout;
extern const char *const cftext[];

// Bounds of the settings (see check_settings).
constexpr int MAX_LINELEN = 32767;     // columns, as -s allows
constexpr int MAX_HEIGHT = 32767;      // lines, as -s allows
constexpr int MIN_TEXT_WIDTH = 16;     // columns left between the margins
constexpr int MAX_INVOKE = 3600;       // seconds for the browser to start
constexpr int MAX_KEEPALIVE = 3600;    // seconds between the page's pings
constexpr int MAX_GRACE = 86400;       // seconds of grace for a late ping

int parse_args(int argc, char **argv);
void store_conf(int slot, const char *text);
void handle_token(char kind, int slot, const char *text, int limit, int *out);
void parse_line(char *line, char **t1, char **t2, char **t3);
// Finds the browser program and stores it as slot 0 when that is still
// empty; false when no such program exists.
bool check_browser(const char *name);
// Reads the file and applies the defaults, then holds every setting within
// its bounds (check_settings).
void read_conf();
// The settings taken together, after the command line and the file: a
// margin that leaves too little of the line is narrowed, and the line
// length, height and time-outs are capped (the bounds above).
void check_settings();
void make_conf();
long clamp_atol(const char *s);  // decimal conversion clamped to int range
