// The mechanism words: knocking (874) at the knocker, the doors and the
// gate (at the hoard door the knocks are counted, and the last one is
// answered), using (852) the knocker or dipping things in the nectar,
// talking (774), and the Keln words that open (873) and shut (878) the
// rune door.
#include "game.h"

namespace {

constexpr int DIPPED = 14;

int alone() { return words() == 1; }
int names_a_mechanism() { return anyof(OBJ_DOOR, OBJ_RUNE_SLAB, OBJ_HOARD_DOORS, OBJ_GATE, -1); }

// A closed door, slab or gate knocked on: counted replies, and at the
// hoard door, while the hourglass is not running, an answer in the end.
void knock_on_closed() {
    if (cond(here() == PLACE_HOARD_DOOR).AND(value[OBJ_HOURGLASS] <= 1).AND(value[2510] == 2)) {
        say(0, 2511, 0);
        if (cond(value[2511] == 1)) {
            loop = 1;
            return;
        }
        set_variant(2510, 0);
        say(0, 2102, 0);
        p154();
        if (loop) return;
    }
    say_stop(2510);
}

}  // namespace

// Word 874 ("knock"): the knocker works the hoard doors; knocking on a closed door, slab or gate,
// or on an open one.
int p520() {
    if (cond(cond(alone()).OR(has(OBJ_KNOCKER))).AND(near(OBJ_KNOCKER))) {
        p529();
        if (loop) return 0;
    }
    if (!cond(alone()).OR(names_a_mechanism())) return 0;
    if (cond(near_in(OBJ_DOOR, 0)).OR(near_in(OBJ_RUNE_SLAB, 0)).OR(near_in(OBJ_HOARD_DOORS, 0)).OR(near_in(OBJ_GATE, 0))) {
        knock_on_closed();
        return 0;
    }
    if (cond(near(OBJ_DOOR)).OR(near(OBJ_RUNE_SLAB)).OR(near(OBJ_HOARD_DOORS)).OR(near(OBJ_GATE))) {
        say_stop(2287);
        return 0;
    }
    p39();
    return 0;
}

// Word 852 ("use"): using the knocker, a thing on the nectar, and the other things that have a
// use.
int p879() {
    if (cond(has(OBJ_KNOCKER))) {
        if (cond(near(OBJ_KNOCKER))) {
            if (cond(value[2289] == 0)) say(0, 2286, 0);
            p529();
            if (loop) return 0;
        }
        p39();
        if (loop) return 0;
    }
    if (cond(anyof(OBJ_WINDER, OBJ_WICK, OBJ_WATERSKIN, OBJ_URN, OBJ_MEDALLION,
                   -1)).AND(near(OBJ_LIQUID_4)).AND(near(arg2()))) {
        if (cond(!is_seen(OBJ_CREEPER))) {
            if (cond(has(OBJ_WINDER)))
                say_stop(1360);
            else
                say_stop_variant(1902, WORD_USE);
            return 0;
        }
        if (cond(bitest(arg2(), DIPPED))) {
            say_stop(3327);
            return 0;
        }
        bitmod('s', arg2(), DIPPED);
        int t = 3332;
        if (cond(has(OBJ_WINDER)))
            t = 3323;
        else if (cond(has(OBJ_WICK)))
            t = 3324;
        else if (cond(has(OBJ_MEDALLION)))
            t = 3329;
        else if (cond(has(OBJ_WATERSKIN)))
            t = 3325;
        say(0, t, 0);
        say_stop(1266);
        return 0;
    }
    say_stop_variant(1902, WORD_USE);
    return 0;
}

// Word 774 ("talk"): talking to the prowler, the winder and the creatures near.
int p866() {
    if (cond(has(WORD_DWARVISH_ON))) value[VAR_COMMAND_STATUS] = 1;
    if (cond(cond(alone()).OR(has(OBJ_ATTACKER)))
            .AND(bitest(VAR_ATTACKER_FELLED, 0))
            .AND(value[VAR_ATTACKER_FELLED] == 1)) {
        say_stop(1908);
        return 0;
    }
    if (cond(anyof(OBJ_WINDER, OBJ_LETTERING, -1))) {
        if (cond(near(OBJ_WINDER))) say_stop(3328);
        return 0;
    }
    if (cond(cond(names_a_mechanism()).OR(alone()))
            .AND(cond(here() == PLACE_RUNE_DOOR).OR(here() == PLACE_HOARD_DOOR).OR(here() == PLACE_GATEHOUSE))) {
        say_stop(1908);
        return 0;
    }
    if (cond(words() == 2).AND(!anyof(OBJ_TABLET, OBJ_PLAQUE, OBJ_ATTACKER, OBJ_SPRITE, -1))) {
        p39();
        if (loop) return 0;
    }
    if (cond(near(OBJ_SPRITE)).AND(cond(alone()).OR(has(OBJ_SPRITE)))) {
        say_stop(1540);
        return 0;
    }
    if (cond(near(OBJ_TABLET)).OR(near(OBJ_PLAQUE)).OR(near(OBJ_ATTACKER))) {
        say_stop(1908);
        return 0;
    }
    say_stop_typed(1909, VAR_ARG1);
    return 0;
}

// Word 873 ("gadrun"): the rune door's password opens it while the slab is near.
int p689() {
    if (cond(near(OBJ_RUNE_SLAB)).AND(value[PLACE_RUNE_DOOR] == 0)) {
        value[PLACE_RUNE_DOOR] = 1;
        value[PLACE_GALLERY_FORK] = 1;
        say(SAY_ARG, 2501, WORD_GADRUN);
        say_stop(2502);
        return 0;
    }
    say_stop_variant(1350, WORD_GADRUN);
    return 0;
}

// Word 878 ("dubrel"): shuts the rune door from either side.
int p60() {
    if (cond(cond(here() == PLACE_RUNE_DOOR).OR(here() == PLACE_BEYOND_RUNE_DOOR)).AND(value[PLACE_RUNE_DOOR] == 1)) {
        p147();
        if (!loop) loop = 1;
    }
    return 0;
}
