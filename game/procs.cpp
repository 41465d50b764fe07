// The procedure table: one procedure per refno, the null procedure where an
// entity has none. The kernel calls INIT and the REPEAT chain through slots
// 1 and 2; the turn cycle reaches places, words and six objects through it.
#include "game.h"

game_proc procs[NPROCS];

namespace {

struct slot {
    int refno;
    game_proc proc;
};

const slot slots[] = {
    {0, p0},
    {1, p1},
    {2, p2},
};

int fill_procs() {
    for (game_proc &p : procs) p = p0;
    for (const slot &s : slots) procs[s.refno] = s.proc;
    return 0;
}

const int filled = fill_procs();

}  // namespace
