// Lighting and snuffing the things that burn, other than the lamp: the
// beacon, the fuse, the incense, the torch, the candle and the rest. A
// burning thing is held in the hand and weighs nothing against the carrying
// limit; lighting picks it up first, snuffing makes it count again.
#include "game.h"

namespace {

constexpr int OUT = 1, BURNING = 2;
constexpr int BEACON_TOLD = 13;       // the beacon's first lighting on the way has been told
constexpr int FUSE_TOLD = 14;         // the fuse's first lighting has been told
constexpr int INCENSE_SEEN_LIT = 13;  // the incense was lit where its smoke could be seen
constexpr int TORCH_TOLD = 2;         // flag of VAR_GAME_FLAGS_3: the torch's first lighting was told

int is_thing(int r) { return bitest(r, FLAG_IS_OBJECT); }

// The beacon burns only on the beacon ways; it is lit there, and said
// once in full, or refused with a word about where it would be of use.
int light_beacon() {
    if (cond(here() == PLACE_BEACON_WAY).OR(here() == PLACE_DESCENT)) {
        value[OBJ_BEACON] = BURNING;
        if (cond(bitest(OBJ_BEACON, BEACON_TOLD))) {
            say(0, 2444, 0);
            say_stop(1266);
        } else {
            bitmod('s', OBJ_BEACON, BEACON_TOLD);
            say_stop(2445);
        }
        return 0;
    }
    if (cond(here() == PLACE_HEAD_OF_FALLS).OR(here() == PLACE_DOOR_APPROACH))
        say_stop(2441);
    else
        say_stop(2442);
    return 0;
}

// The fuse's state counts the turns it has burnt (above 1); snuffed, it
// tells how far the fire had got.
int snuff_fuse() {
    const int s = value[OBJ_FUSE];
    if (!cond(s > 1)) return 0;
    value[OBJ_FUSE] = OUT;
    if (cond(s <= 8)) {
        if (!cond(s == 3).OR(here() == PLACE_RAVINE_EDGE).OR(here() == PLACE_SPAN_LEDGE).OR(here() == PLACE_RAVINE_FORK)) say_stop(2105);
    } else if (cond(s <= 11)) {
        say_stop(2106);
    } else if (cond(s <= 16)) {
        say_stop(2107);
    } else if (cond(s <= 18)) {
        say_stop(2108);
    } else {
        say_stop(2109);
    }
    return 0;
}

}  // namespace

// Word 771 ("ignite"): lighting a thing near that can be lit.
int p911() {
    const int thing = arg2();
    if (cond(words() == 1).OR(!is_thing(thing)).OR(!near(thing))) return 0;
    if (cond(has(OBJ_FIGURINE))) {
        say_stop(1364);
        return 0;
    }
    if (!cond(bitest(thing, OFLAG_LIGHTABLE))) {
        say_stop(1315);
        return 0;
    }
    if (cond(has(OBJ_WICK))) {
        say_stop(1892);
        return 0;
    }
    if (cond(carried(thing))) {
        if (cond(value[thing] > OUT)) {
            say_stop_typed(1893, VAR_ARG2);
            return 0;
        }
    } else if (cond(value[VAR_CARRIED_COUNT] < value[VAR_CARRY_LIMIT]).OR(bitest(thing, OFLAG_NOT_COUNTED))) {
        apport(thing, PLACE_CARRIED);
        p670();
        if (loop) return 0;
    } else {
        say_stop(1388);
        return 0;
    }
    if (cond(has(OBJ_BEACON))) return light_beacon();
    if (cond(has(OBJ_INCENSE))) {
        if (cond(near(OBJ_KEEPER)).OR(near(OBJ_IMP)).OR(near(OBJ_BRUTE)).OR(near(OBJ_GIANT))) {
            say_stop(3376);
            return 0;
        }
        if (cond(value[VAR_INCENSE_WAIT] > 0)) {
            say_stop(2273);
            return 0;
        }
    }
    value[thing] = BURNING;
    bitmod('s', thing, OFLAG_NOT_COUNTED);
    if (cond(has(OBJ_FUSE))) {
        if (cond(bitest(OBJ_FUSE, FUSE_TOLD))) {
            say_stop(3423);
        } else {
            bitmod('s', OBJ_FUSE, FUSE_TOLD);
            say_stop(1900);
        }
        return 0;
    }
    if (cond(has(OBJ_INCENSE))) {
        value[VAR_INCENSE_WAIT] = 8 + irand(5);
        if (cond(light())) {
            bitmod('s', OBJ_INCENSE, INCENSE_SEEN_LIT);
            say_stop(2271);
        } else {
            say_stop(2272);
        }
        return 0;
    }
    if (cond(has(OBJ_TORCH))) {
        value[OBJ_TORCH] = 4 + irand(4);
        if (!cond(bitest(VAR_GAME_FLAGS_3, TORCH_TOLD))) {
            bitmod('s', VAR_GAME_FLAGS_3, TORCH_TOLD);
            say_stop(2327);
            return 0;
        }
    }
    if (cond(has(OBJ_CANDLESTICK))) {
        say_stop(1898);
        return 0;
    }
    say_stop(3423);
    return 0;
}

// Snuffing. The jewel, the incense, the torch and the candle stay out of
// the count once lit; anything else counts again, so full hands refuse it.
int p707() {
    if (cond(has(OBJ_FIREFLY)).AND(carried(OBJ_FIREFLY))) {
        p232();
        loop = 1;
        return 0;
    }
    if (cond(words() == 1)) return 0;
    const int thing = arg2();
    if (!cond(bitest(thing, OFLAG_LIGHTABLE))) {
        say_stop(1403);
        return 0;
    }
    if (cond(value_of(thing) <= OUT).OR(!carried(thing))) {
        say_stop(1894);
        return 0;
    }
    if (!cond(value[VAR_CARRIED_COUNT] < value[VAR_CARRY_LIMIT])) {
        say_stop_typed(3449, VAR_ARG2);
        return 0;
    }
    if (!cond(anyof(OBJ_JEWEL, OBJ_INCENSE, OBJ_TORCH, OBJ_CANDLE, -1))) bitmod('c', thing, OFLAG_NOT_COUNTED);
    if (cond(has(OBJ_INCENSE))) value[VAR_INCENSE_WAIT] -= 2 + irand(4);
    if (cond(has(OBJ_FUSE))) {
        snuff_fuse();
        if (loop) return 0;
    }
    value[thing] = OUT;
    if (cond(has(OBJ_INCENSE)).AND(bitest(OBJ_INCENSE, INCENSE_SEEN_LIT))) {
        say_stop(2277);
        return 0;
    }
    if (cond(has(OBJ_TORCH))) {
        say_stop(2329);
        return 0;
    }
    say_stop(3423);
    return 0;
}
