// The words on the cloud cloth (63): climbing (848, which also answers the
// dunes' rims, the mire and the trees), boarding (801: the cloth, the
// ferry, the griffin), rolling it up (863) and spreading it out (864).
// Once the cloth is ready, climbing onto it or boarding it flies.
#include "game.h"

namespace {

constexpr int NO_ROOM = 14;

int alone() { return words() == 1; }

// The cloth is named, or the word stands alone, and the cloth is near.
int cloth_meant() { return cond(alone()).OR(has(OBJ_CLOTH)).AND(near(OBJ_CLOTH)); }

}  // namespace

// Word 848 ("climb"): climbing where the place has no climb of its own: the trail, the mire and
// the surface have replies, elsewhere the stock refusals.
int p139() {
    if (cond(cond(alone()).OR(anyof(PLACE_SUMMIT, WORD_UP, -1))).AND(within(here(), PLACE_NORTH_RIM,
                  PLACE_UPPER_SLOPE))) {
        say_stop(2312);
        return 0;
    }
    if (cond(cond(alone()).OR(anyof(OBJ_SNAG, OBJ_TREE, -1))).AND(here() == PLACE_MIRE)) {
        say_stop_variant(1825, 0);
        return 0;
    }
    if (cond(alone()).OR(anyof(OBJ_SNAG, OBJ_TREE, WORD_CANOPY, -1))) {
        if (cond(within(here(), PLACE_NORTHERN_HEATH,
                        PLACE_MIRE)).OR(here() == PLACE_ROAD).OR(here() == PLACE_THICKET_GAP)) {
            say_stop_variant(1826, 0);
            return 0;
        }
    }
    if (cond(cond(has(OBJ_CLOTH)).OR(alone())).AND(near_in(OBJ_CLOTH, 1))) {
        call_proc(WORD_FLY);
        if (loop) return 0;
    }
    if (cond(alone())) say_stop(1506);
    return 0;
}

// Word 801 ("board"): boarding the cloth is flying, the ferry carries the player over, and the
// griffin ends the trial.
int p719() {
    if (cond(cond(alone()).AND(ishere(OBJ_CLOTH, 0, 1))).OR(has(OBJ_CLOTH))) {
        call_proc(WORD_FLY);
        if (loop) return 0;
    }
    if (cond(cond(alone()).OR(has(OBJ_FERRY))).AND(near(OBJ_FERRY))) {
        apport(OBJ_FERRY, PLACE_OFFSTAGE);
        moveto(PLACE_FAR_SHORE, -1641);
        return 0;
    }
    if (!cond(cond(alone()).OR(has(OBJ_GRIFFIN))).AND(near(OBJ_GRIFFIN))) return 0;
    if (cond(value[VAR_PHASE] == 6)) {
        p602();
        if (loop) return 0;
    }
    // Boarding the griffin before the last trial ends the game there and
    // then, without a score.
    say(SAY_ARG, 1752, cond(here_has(PFLAG_OPEN_AIR)) ? 1 : 0);
    say(0, 1266, 0);
    finita();
    loop = 1;
    return 0;
}

// Word 863 ("roll"): rolling up the cloth.
int p730() {
    if (!cloth_meant()) return 0;
    if (cond(value[OBJ_CLOTH] == 0)) {
        say_stop_variant(2176, 0);
        return 0;
    }
    const int was = value[OBJ_CLOTH];
    value[OBJ_CLOTH] = 0;
    if (cond(was == 1))
        say_stop(2179);
    else
        say_stop_variant(2177, 0);
    return 0;
}

// Word 864 ("unroll"): spreading the cloth out (not while it is carried).
int p874() {
    if (!cloth_meant()) return 0;
    if (cond(value[OBJ_CLOTH] > 0)) {
        say_stop_variant(2176, 2);
        return 0;
    }
    if (cond(carried(OBJ_CLOTH))) {
        say_stop(2180);
        return 0;
    }
    if (cond(here() == PLACE_BASTION)) {
        say_stop_variant(2655, 0);
        return 0;
    }
    if (cond(within(here(), PLACE_BEACON_WAY, PLACE_RUNE_DOOR))) {
        say_stop_variant(2655, 1);
        return 0;
    }
    if (cond(here_has(NO_ROOM))) {
        say_stop(2178);
        return 0;
    }
    if (cond(here() == PLACE_SUMMIT).AND(bitest(VAR_GAME_FLAGS_3, VFLAG_GAME_FLAGS_3_CLOTH_GROUNDED))) {
        say_stop(2236);
        return 0;
    }
    value[OBJ_CLOTH] = cond(bitest(OBJ_CLOTH, OFLAG_CLOTH_BEATEN)) ? 3 : 2;
    if (cond(here() == PLACE_SUMMIT)) {
        say_stop(2235);
        return 0;
    }
    if (cond(here() == PLACE_EDGE_OF_SANDS)) {
        apport(OBJ_CLOTH, PLACE_ABYSS_EDGE);
        say_stop(2237);
        return 0;
    }
    say(SAY_ARG, 2177, 2);
    if (cond(here() == PLACE_GULF_EDGE).AND(!is_visited(PLACE_FAR_GULF_EDGE))) {
        glue_text();
        say(0, 3368, 0);
    }
    loop = 1;
    return 0;
}
