// The user database, as a program linked whole (with the C library in it)
// sees it: empty. The C library's own lookups load the system's database
// modules at run time, which a program linked whole cannot do safely (they
// must come from the very version it was linked with), and the game needs
// no user: its home is $HOME. Line editing alone asks, to expand "~name"
// in a file name being completed, and then finds no such user.
#include <pwd.h>

extern "C" {
passwd *getpwnam(const char *) { return nullptr; }
passwd *getpwuid(uid_t) { return nullptr; }
passwd *getpwent() { return nullptr; }
void setpwent() {}
void endpwent() {}
}
