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

int parse_args(int argc, char **argv);
void store_conf(int slot, const char *text);
void handle_token(char kind, int slot, const char *text, int limit, int *out);
void parse_line(char *line, char **t1, char **t2, char **t3);
void check_browser(const char *name);
void read_conf();
void make_conf();
long clamp_atol(const char *s);  // decimal conversion clamped to int range
