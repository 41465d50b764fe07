// Moving groups of objects: the holding place where a place's loose things
// are parked for a while and from which they come back, the prowler's
// hoard and what he brings back from it, the growth of the theft level,
// the carry-off from the brink of the drop, and the refusal to pass with
// an object that blocks a narrow way.
#include "game.h"

namespace {

// Whether object `obj` is a portable object present at `place` (an object
// in two places counts at the second one too).
int portable_at(int obj, int place) { return cond(isat(obj, -1, 0, place)).AND(bitest(obj, OFLAG_PORTABLE)); }

// Where the carry-off sets the player down, by a draw of 0..4.
constexpr int CARRY_OFF_TO[] = {PLACE_WARREN_227, PLACE_WARREN_250, PLACE_STEPWELL, PLACE_WINDOW_JUNCTION,
                           PLACE_THREE_WAYS};

}  // namespace

// The theft level grows by chance, each turn of the game proper; the bread
// that left play comes back at the crossways while the player is elsewhere.
int p547() {
    if (cond(value[VAR_THEFT_SCALE] <= 8).AND(irand(100) <= 49)) value[VAR_THEFT_SCALE] += 1;
    if (cond(getloc(OBJ_BREAD) == PLACE_OFFSTAGE).AND(here() != PLACE_CROSSWAYS)) {
        apport(OBJ_BREAD, PLACE_CROSSWAYS);
        bitmod('c', OBJ_BREAD, OFLAG_SEEN);
    }
    return 0;
}

// Picks one of the portable objects in the hoard for the prowler to bring
// back, with a chance that grows with how often he has followed the player
// and with the size of the hoard, and falls with the theft level.
int p131() {
    set('V', VAR_HOARD_PICK, 'c', 0, nullptr, nullptr);
    if (cond(value[VAR_THEFT_SCALE] <= 0)) return 0;
    int n = 0;
    for (int obj = FIRST_OBJECT; obj <= LAST_OBJECT; obj++)
        if (portable_at(obj, PLACE_HOARD)) n++;
    const int chance = value[OBJ_ATTACKER] * (100 * n / value[VAR_THEFT_SCALE]);
    if (cond(irand(100) < chance)) {
        int k = 1 + irand(n);
        for (int obj = FIRST_OBJECT; obj <= LAST_OBJECT; obj++) {
            if (!portable_at(obj, PLACE_HOARD)) continue;
            if (--k == 0) {
                hold_ref(VAR_HOARD_PICK, obj);
                break;
            }
        }
    }
    return 0;
}

// The prowler brings objects back from the hoard, pass by pass, and tires:
// each pass lowers his state, and at 0 he leaves play. `passes` -1 brings
// nothing back, 0 makes one pass, anything else up to ten.
int p517(arg_pair passes) {
    frame<1> f{passes};
    const int a = f.lvals[0];
    for (int pass = 0; pass < 10; pass++) {
        if (cond(a != -1)) {
            if (cond(value[VAR_HOARD_PICK] == 0)) {
                p131();
                if (loop) return 0;
            }
            if (cond(value[VAR_HOARD_PICK] > 0)) {
                apport(value[VAR_HOARD_PICK], here());
                if (cond(light())) {
                    glue_text();
                    say(0, 3472, 0);
                    say(SAY_REFVAR, VAR_HOARD_PICK, 0);
                }
                set('V', VAR_HOARD_PICK, 'c', 0, nullptr, nullptr);
            }
            value[VAR_THEFT_SCALE] -= 1;
        }
        value[OBJ_ATTACKER] -= 1;
        if (cond(value[OBJ_ATTACKER] == 0)) {
            apport(OBJ_ATTACKER, PLACE_OFFSTAGE);
            return 0;
        }
        if (!cond(a != 0).AND(value[OBJ_ATTACKER] > 0)) return 0;
    }
    return 0;
}

// The player at the brink of the drop is carried off to one of five
// places, with every portable thing lying beside him except the orb; with
// nothing to take along he always lands at the stepwell, and the rest of
// his typed line is kept.
int p940() {
    const int to = CARRY_OFF_TO[irand(5)];
    int moved = 0;
    for (int obj = FIRST_OBJECT; obj <= LAST_OBJECT; obj++) {
        if (cond(portable_at(obj, here())).AND(obj != OBJ_ORB)) {
            apport(obj, to);
            moved = 1;
        }
    }
    if (cond(getloc(OBJ_ORB) == PLACE_BRINK_OF_DROP)) apport(OBJ_STAND, PLACE_LOWER_LEDGE);
    say(SAY_ARG, 1701, moved);
    if (cond(!moved)) {
        moveto(PLACE_STEPWELL, -2);  // with nothing taken along, the player lands at the stepwell
        return 0;
    }
    flush_command();
    moveto(to, -2);
    return 0;
}

// Parks the portable objects lying here at the holding place.
int p401() {
    for (int obj = FIRST_OBJECT; obj <= LAST_OBJECT; obj++)
        if (portable_at(obj, here())) apport(obj, PLACE_HOLDING);
    return 0;
}

// Brings everything parked at the holding place to `place`; the jar and the
// firefly caught in it come back together.
int p240(arg_pair place) {
    frame<1> f{place};
    const int to = f.lvals[0];
    for (int obj = FIRST_OBJECT; obj <= LAST_OBJECT; obj++) {
        if (!cond(isat(obj, -1, 0, PLACE_HOLDING))) continue;
        apport(obj, to);
        if (cond(cond(obj == OBJ_JAR).OR(obj == OBJ_FIREFLY)).AND(value[OBJ_FIREFLY] == 1))
            apport(cond(isat(OBJ_JAR, -1, 0, PLACE_HOLDING)) ? OBJ_JAR : OBJ_FIREFLY, to);
    }
    return 0;
}

// Refuses a narrow way while the player carries an object that blocks it:
// text `t` with argument `x`, at the first such object.
int p626(arg_pair text, arg_pair arg) {
    frame<2> f{text, arg};
    for (int obj = FIRST_OBJECT; obj <= LAST_OBJECT; obj++) {
        if (cond(carried(obj)).AND(bitest(obj, OFLAG_BLOCKS_PASSAGE))) {
            say(SAY_STOP | SAY_ARG, f.lvals[0], f.lvals[1]);
            return 0;
        }
    }
    return 0;
}
