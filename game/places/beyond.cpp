// Beyond the ravine: the portcullis passage, the three-way chamber and the
// ways from it, the dark turning gallery and its ring. Each place's
// procedure answers its feature words, moves the player along its exits and
// marks the words of its features for the last replies.
#include "game.h"

using namespace rows;

namespace {

// The three-way chamber (313). The counter in object 26's state falls back
// from 1 and from 3 on every command here; the ways north-west, north and
// north-east are open while the portcullis (object 32) is up.
constexpr row THREE_WAY_CHAMBER[] = {
    when([] { return cond(value[26] == 1).OR(value[26] == 3); }, add(26, -1)),
    look(),
        reply({1040}, 3174),
        reply({936}, 3173),
        reply({312}, 3125, arg(1)),
        let({201}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    reply(all({848, 936}), 3173),
    moving(),
        group([] { return cond(value[32] == 1); }),
            go({752}, 314),
            go({745}, 324),
            go({746}, 354),
        end(),
        go({749}, 312),
        reply({201}, 1425),
    end(),
    mark({201, 936, 1040}),
    mark_name({312}),
};

}  // namespace

int p79() { return run<THREE_WAY_CHAMBER>(); }
