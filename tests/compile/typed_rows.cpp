// Compiled by the tests, not linked: a row table that is right compiles,
// and each kind of wrong refno (chosen by a macro) is refused by the
// compiler.
#include "game.h"

using namespace rows;

constexpr row TABLE[] = {
#if defined(TEXT_AS_PLACE)
    go({745}, 1613),
#elif defined(PLACE_AS_TEXT)
    reply({745}, 326),
#elif defined(VARIABLE_AS_WORD)
    reply({1144}, 1613),
#elif defined(TEXT_AS_OBJECT)
    put(1613, 326),
#elif defined(OPEN_BLOCK)
    look(),
#endif
    go({745}, 326, 1613),
    reply({745, 312}, 3125, arg(0)),
    put(11, 700),
};

int probe() { return run<TABLE>(); }
