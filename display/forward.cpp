// The page's forwarding file: the browser is started on a small page in the
// game's directory that sends it on to the page's address, so that the
// address and the run's secret in it are never on a command line (which
// every local account can read) nor in a file another account can open.
// The file is the player's alone (mode 0600); it is removed once the page
// has been asked for, and when the program ends, also by a signal.
#include "display.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "platform.h"
#include "startup.h"

namespace {

// The full path of the forwarding file while it may stand ("" when none):
// read by the signal handler, so a plain array set before the handlers go in.
char forward_path[PATH_SIZE];

// The signals that end the program, caught while the file stands where
// nothing else handles them: the file goes, then the signal ends the
// program as it would have. What each did before is put back after.
const int ending_signals[] = {SIGHUP, SIGINT, SIGQUIT, SIGTERM};
constexpr int NSIG_ENDING = sizeof ending_signals / sizeof ending_signals[0];
struct sigaction before[NSIG_ENDING];
bool caught[NSIG_ENDING];

void on_ending_signal(int sig) {
    unlink(forward_path);
    signal(sig, SIG_DFL);
    raise(sig);
}

void catch_ending_signals() {
    struct sigaction act = {};
    act.sa_handler = on_ending_signal;
    sigemptyset(&act.sa_mask);
    for (int k = 0; k < NSIG_ENDING; k++) {
        caught[k] = false;
        if (sigaction(ending_signals[k], nullptr, &before[k]) != 0 || before[k].sa_handler != SIG_DFL) continue;
        caught[k] = sigaction(ending_signals[k], &act, nullptr) == 0;
    }
}

void release_ending_signals() {
    for (int k = 0; k < NSIG_ENDING; k++)
        if (caught[k]) sigaction(ending_signals[k], &before[k], nullptr);
    for (bool &c : caught) c = false;
}

// The page: a refresh to the address at once, and a link to it for a
// browser that does not follow the refresh. The address holds only digits,
// letters, dots, colons and slashes, so it goes in as it is.
std::string forwarding_page(const char *url) {
    return std::string("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n"
                       "<meta http-equiv=\"refresh\" content=\"0;url=") +
           url + "\">\n<title>" + GAME_TITLE + "</title>\n</head>\n<body>\n<p><a href=\"" + url + "\">" + url +
           "</a></p>\n</body>\n</html>\n";
}

}  // namespace

std::string write_forwarding_file(const char *url, std::string &why) {
    remove_forwarding_file();
    static bool at_exit = false;
    if (!at_exit) at_exit = atexit(remove_forwarding_file) == 0;
    const std::string name = std::string("_") + GAME_NAME + "-page.html";
    char dir[PATH_SIZE];
    if (current_dir(dir, sizeof dir) != 0) {
        why = "the game's directory cannot be named for the page's forwarding file: " + std::string(strerror(errno));
        return name;
    }
    std::string path = dir;
    if (path.empty() || path.back() != PATH_SEP) path += PATH_SEP;
    path += name;
    if (path.size() >= sizeof forward_path) {
        why = "the path of the page's forwarding file is too long";
        return path;
    }
    memcpy(forward_path, path.c_str(), path.size() + 1);
    catch_ending_signals();
    // A file left by a game that was killed goes first: the new one is made
    // afresh, never written through whatever stands under its name.
    remove_file(forward_path);
    int fd = open(forward_path, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    int err = fd < 0 ? errno : 0;
    if (fd >= 0) {
        if (fchmod(fd, 0600) != 0) err = errno;  // whatever the umask let through
        const std::string page = forwarding_page(url);
        if (!err) err = write_at(fd, page.data(), page.size(), 0);
        if (close(fd) != 0 && !err) err = errno;
    }
    if (err) {
        if (fd < 0) forward_path[0] = 0;  // nothing of ours stands there
        remove_forwarding_file();
        why = "the page's forwarding file " + path + " could not be written: " + strerror(err);
    }
    return path;
}

void remove_forwarding_file() {
    if (forward_path[0]) unlink(forward_path);
    release_ending_signals();
    forward_path[0] = 0;
}
