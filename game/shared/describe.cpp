// Describing the place and light: whether the player can see, the death
// that waits for one who acts in the dark, and the full description of the
// place here with its variable parts, its closed ways and the objects lying
// in it; with the two characters that a description brings on (object 163
// at the timekeeper's room and the follower).
#include "game.h"

namespace {

}  // namespace

// Recomputes the light flag.
int p487() {
    int lamp = cond(isnear(OBJ_LIGHT_SOURCE, -1, 0)).AND(value[OBJ_LIGHT_SOURCE] > 0);
    int hoard = cond(value[OBJ_HOARD_DOORS] == 1).OR(value[OBJ_TRAP] == 1).AND(within(here(), PLACE_HOARD,
                           PLACE_HOARD_LEDGE));
    if (cond(lamp).OR(bitest(here(), PFLAG_LIT)).OR(isnear(OBJ_SUNSTONE, 0, 3)).OR(hoard))
        bitmod('s', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_LIGHT);
    else
        bitmod('c', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_LIGHT);
    return 0;
}

// Death in the dark.
int p784() {
    if (cond(!light())) {
        say(0, 2091, 0);
        p154();
        if (loop) return 0;
    }
    return 0;
}

// Describes the current place.
int p188(arg_pair full) {
    frame<1> f{full};
    if (cond(here() == PLACE_OPEN_SKY)) return 0;
    if (cond(has(WORD_LOOK)).OR(f.lvals[0] == 1))
        say(SAY_DETAIL | SAY_REFVAR, VAR_HERE, 0);
    else
        say(SAY_REFVAR, VAR_HERE, 0);
    if (cond(within(here(), PLACE_NORTHERN_HEATH, PLACE_HOLLOW_WAY)).AND(here() != PLACE_PATH)) {
        value[VAR_WORK_VALUE] = value[here()];
        if (cond(value[VAR_WORK_VALUE] == 0)) {
            say(0, 1266, 0);
            say(0, 1355, 0);
        }
    } else if (cond(here() == PLACE_MIRE).AND(!bitest(PLACE_MIRE, PFLAG_MIRE_TOLD))) {
        bitmod('s', PLACE_MIRE, PFLAG_MIRE_TOLD);
        say(0, 2482, 0);
    }
    p796();
    if (loop) return 0;
    if (cond(here() == PLACE_TIMEKEEPERS_ROOM)) {
        p323();
        if (loop) return 0;
    }
    p400();
    if (loop) return 0;
    if (cond(have(OBJ_LYNX, -1, 0))) say(0, 1426, 0);
    p392();
    if (loop) return 0;
    return 0;
}

// Variable parts of a description.
int p796() {
    if (cond(!bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_BRIEF_ALL)).OR(has(WORD_LOOK))) {
        int h = here();
        if (cond(within(h, PLACE_DUNES_594, PLACE_DUNES_617)).AND(h != PLACE_SAND_CAVE)) {
            int v = cond(h == PLACE_DUNES_596).OR(h == PLACE_DUNES_597).OR(h == PLACE_DUNES_601).OR(h == PLACE_DUNES_607).OR(h == PLACE_DUNES_610) ? 0 : 1;
            p534(num(0));
            if (loop) return 0;
            if (cond(value[VAR_RESULT] > 0)) v += 2;
            glue_text();
            say(SAY_ARG, 3006, v);
            if (cond(h == PLACE_DUNES_604).OR(h == PLACE_DUNES_613))
                say(SAY_ARG, 3381, 0);
            else if (cond(h == PLACE_DUNES_612))
                say(SAY_ARG, 3381, 1);
            if (cond(within(h, PLACE_DUNES_606, PLACE_DUNES_617))) {
                int t = cond(h == PLACE_DUNES_606).OR(h == PLACE_DUNES_607).OR(h == PLACE_DUNES_608).OR(h == PLACE_DUNES_612).OR(h == PLACE_DUNES_613) ? 3210 : 3211;
                say(SAY_ARG, t, h - PLACE_DUNES_594);
            }
            if (cond(irand(100) <= 49).AND(!has(WORD_LOOK))) say(0, 3209, 0);
        }
        if (cond(bitest(h, PFLAG_SHIFTING_EXITS)).OR(within(h, PLACE_NORTH_RIM,
                        PLACE_SOUTH_RIM)).OR(h == PLACE_SAND_CAVE)) {
            if (cond(has(WORD_LOOK)).AND(h != PLACE_WEST_RIM))
                say(0, 2302, 0);
            else
                say(0, 1266, 0);
            bitmod('c', h, PFLAG_VISITED);
        } else if (cond(h == PLACE_UPPER_SLOPE).OR(h == PLACE_SUMMIT)) {
            say(0, 2303, 0);
        } else if (cond(h == PLACE_PIT).AND(value[PLACE_STEPWELL] == 0)) {
            say(0, 1696, 0);
        }
    }
    if (cond(bitest(here(), PFLAG_EXTRA_REMARK))) say(0, 1375, 0);
    return 0;
}

// Counts (and names) the closed ways of a place.
int p534(arg_pair last) {
    frame<1> f{last};
    value[VAR_RESULT] = 0;
    int state = value[here()];
    if (cond(state == 0)) return 0;
    for (int bit = 0; bit <= 7; bit++) {
        if (!(state & (1 << bit))) continue;
        value[VAR_RESULT] += 1;
        if (cond(f.lvals[0] > 0)) {
            int k = value[VAR_RESULT] == 1 ? 0 : value[VAR_RESULT] == f.lvals[0] ? 2 : 1;
            set('T', TEXT_CLOSED_WAY, 'c', k, nullptr, nullptr);
            say(SAY_ARG, TEXT_CLOSED_WAY, bit);
        }
    }
    return 0;
}

// Lists the objects here.
int p400() {
    int loose = 0, first_loose = 0;
    value[VAR_RESULT] = 0;
    for (int obj = FIRST_OBJECT; obj <= LAST_OBJECT; obj++) {
        if (!cond(isat(obj, -1, 0, here())).AND(obj != OBJ_GLIMMER)) continue;
        bitmod('s', obj, OFLAG_SEEN);
        if (cond(!bitest(obj, OFLAG_FIXTURE))) {
            if (loose == 0) {
                say(0, 1266, 0);
                first_loose = obj;
            }
            loose++;
        }
        if (cond(!bitest(obj, OFLAG_SCORING)).AND(obj != OBJ_ATTACKER).AND(obj != OBJ_GIANT)) {
            say(0, obj, 0);
            value[VAR_RESULT] += 1;
        }
    }
    for (int obj = FIRST_OBJECT; obj <= LAST_OBJECT; obj++)
        if (cond(isat(obj, -1, 0, here())).AND(bitest(obj, OFLAG_SCORING))) say(0, obj, 0);
    if (cond(ishere(OBJ_ATTACKER, -1, 0))) say(0, OBJ_ATTACKER, 0);
    if (cond(ishere(OBJ_GIANT, -1, 0))) say(0, OBJ_GIANT, 0);
    if (loose == 1) value[OBJ_PRONOUN] = first_loose;
    if (cond(isnear(OBJ_SUNSTONE, 0, 3))) bitmod('s', OBJ_SUNSTONE, 13);
    if (cond(here() == PLACE_BOTTOM_OF_FALL).AND(value[VAR_RESULT] > 0)) say(SAY_ARG | SAY_ARGVAR, 3433, VAR_RESULT);
    return 0;
}

// Object 163 (hourglass) appears at place 491 (timekeeper's room).
int p323() {
    if (!cond(!ishere(OBJ_HOURGLASS, -1, 0)).AND(value[3260] == 4)) return 0;
    value[PLACE_TIMEKEEPERS_ROOM] = 1;
    say(0, 1266, 0);
    say(SAY_DETAIL, OBJ_HOURGLASS, 0);
    apport(OBJ_HOURGLASS, here());
    bitmod('s', OBJ_HOURGLASS, OFLAG_SEEN);
    value[OBJ_HOURGLASS] = 1;
    return 0;
}

// The follower (object 130 (hound)) draws nearer.
int p392() {
    if (!cond(near(OBJ_FOLLOWER))) return 0;
    if (cond(value[OBJ_FOLLOWER] == 6)) {
        p154();
        if (loop) return 0;
    } else {
        value[OBJ_FOLLOWER] += 1;
    }
    return 0;
}
