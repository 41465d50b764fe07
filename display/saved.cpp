// The saved-game listing (count the saved games of the working directory,
// or list their names) and the pause of the console's character pacing.
#include <algorithm>
#include <cstring>
#include <dirent.h>
#include <string>
#include <vector>

#include "display.h"
#include "input.h"
#include "platform.h"
#include "text.h"

constexpr size_t NAME_BUF = 64;  // a name is handled in 64 bytes

// The saved games of the current directory, without their extension, in
// name order. The autosave (beginning "_"), hidden files and names with a
// blank are not saved games of the player's choosing and are left out.
static std::vector<std::string> saved_games() {
    std::vector<std::string> names;
    DIR *dir = opendir(".");
    if (!dir) return names;
    while (struct dirent *e = readdir(dir)) {
        char name[NAME_BUF];
        size_t n = strnlen(e->d_name, NAME_BUF - 1);
        memcpy(name, e->d_name, n);
        name[n] = 0;
        if (strchr(name, ' ')) continue;
        if (name[0] == '.' || name[0] == '_' || n < 4) continue;
        if (strcmp(name + n - 4, ".orv") != 0) continue;
        names.emplace_back(name, n - 4);
    }
    closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

static void out_bold(const char *tag) {
    outbyte(TC_TAG_START);
    outstr(tag);
    outbyte(TC_TAG_END);
}

int process_saved(int n, char *name) {
    if (n <= 0 && strnlen(name, NAME_BUF) >= 58) return 0;
    std::vector<std::string> names = saved_games();
    int count = 0;
    for (const std::string &s : names) {
        count++;
        if (n < 0) {
            if (n != -1) outbyte('|');
            outstr(s.c_str());
            n--;
        } else if (n > 0) {
            if (count > 1) outstr(count >= n ? " and " : ", ");
            if (html_ok) out_bold("b");
            outstr(s.c_str());
            if (html_ok) out_bold("/b");
        }
    }
    if (count == 0) return 0;
    if (n > 0) outstr(".\n");
    // A single saved game is the one to restore: its name becomes the
    // second word as typed, in full where the word buffer is too short.
    if (n == 0 && count == 1) {
        const std::string &one = names[0];
        size_t len = std::min(one.size(), size_t(WORD_SIZE - 1));
        memcpy(name, one.data(), len);
        name[len] = 0;
        memcpy(long_word, one.c_str(), one.size() + 1);  // under NAME_BUF bytes
    }
    return count;
}

void my_usleep(int ms) { sleep_ms(ms); }
