// Words that change particular objects: winding the winder (846), cutting
// with the axe or the sword (776: the creeper, the plant, the web that
// holds the sprite), blowing the horn that calls the prowler (786), and
// kindling (817) the lamp or the sunstone.
#include "game.h"

namespace {

constexpr int SUNSTONE_SET_DOWN = 13;

int carries_a_blade() { return cond(carried(OBJ_SWORD)).OR(carried(OBJ_AXE)); }

}  // namespace

// Word 846 ("wind"): winding the winder when it is near.
int p271() {
    if (cond(near(OBJ_WINDER))) {
        value[OBJ_WINDER] = 1;
        say_stop(1729);
    } else {
        say_stop(1919);
    }
    return 0;
}

// Word 776 ("cut"): cutting a thing with a blade carried: the creeper and the brush, and the
// things a blade cannot cut.
int p172() {
    if (cond(words() == 1)) return 0;
    if (!carries_a_blade()) {
        say_stop_variant(1807, 0);
        return 0;
    }
    if (cond(cond(anyof(OBJ_TREE, OBJ_REEDS, OBJ_SNAG, WORD_CANOPY, -1)).AND(near(arg2()))).OR(has(WORD_CANOPY))) {
        say_stop(cond(carried(OBJ_AXE)) ? 1824 : 2522);
        return 0;
    }
    if (cond(!bitest(arg2(), FLAG_IS_OBJECT))) {
        p39();
        if (loop) return 0;
    }
    if (cond(bitest(arg2(), OFLAG_ADDRESSABLE))) {
        call_proc(WORD_ATTACK);
        if (loop) return 0;
    }
    if (cond(cond(has(OBJ_REEDS)).AND(here() != PLACE_OVERLOOK)).OR(has(OBJ_TREE))) {
        say_stop(1824);
        return 0;
    }
    if (cond(has(OBJ_LADDER)).AND(near(OBJ_LADDER))) {
        say_stop(1808);
        return 0;
    }
    if (cond(has(OBJ_CREEPER)).AND(cond(here() == PLACE_CREEPER_HALL).OR(here() == PLACE_HIGH_LEDGE).OR(here() == PLACE_BLUFF_PATH).OR(near(OBJ_TENDRILS)))) {
        if (cond(value[OBJ_CREEPER] == 0))
            say_stop(1809);
        else if (cond(value[OBJ_CREEPER] == 1))
            say_stop(2208);
        else
            say_stop(2464);
        return 0;
    }
    if (cond(has(OBJ_PLANT))) {
        if (cond(here() == PLACE_PLANT_HOLLOW)) {
            say_stop(1809);
            return 0;
        }
        if (cond(here() == PLACE_PLANT_RIM).AND(value[OBJ_PLANT] > 0)) {
            say_stop(1809);
            return 0;
        }
    }
    if (cond(has(OBJ_WEB)).AND(here() == PLACE_LITTLE_LABYRINTH_457)) {
        if (cond(value[OBJ_WEB] == 0)) {
            say_stop(1785);
        } else if (cond(value[OBJ_WEB] == 1)) {
            apport(OBJ_SPRITE, VAR_HERE);
            value[OBJ_WEB] = 2;
            say_stop(1803);
        } else {
            say_stop(1810);
        }
        return 0;
    }
    if (cond(has(WORD_MIST))) say_stop(1403);
    return 0;
}

// The horn calls the prowler, stronger the higher on the stair it is
// blown: he comes when he is weaker than the call, or stands his ground.
int p64() {
    if (!cond(has(OBJ_HORN))) return 0;
    if (cond(!carried(OBJ_HORN))) {
        p625(var(VAR_ARG2));
        return 0;
    }
    if (cond(here_has(PFLAG_OPEN_AIR)).OR(within(here(), PLACE_RING_WALK_547, PLACE_GONE))) {
        say_stop(1817);
        return 0;
    }
    if (cond(within(here(), PLACE_WINDING_STAIR_468, PLACE_TIMED_STAIR))) {
        value[VAR_THEFT_SCALE] += here() - 467;
        *bitword(VAR_THEFT_SCALE) = *bitword(VAR_HERE);
        if (cond(value[VAR_THEFT_SCALE] > 9)) value[VAR_THEFT_SCALE] = 9;
        if (cond(value[1720] <= 1)) set_variant(1720, 1);
    }
    if (cond(here_has(PFLAG_CREATURE_FREE)).OR(value[VAR_THEFT_SCALE] == 0)) {
        say_stop(1818);
        return 0;
    }
    if (cond(value[OBJ_ATTACKER] < value[VAR_THEFT_SCALE])) {
        say(SAY_ARG, 1819, value[VAR_THEFT_SCALE] - value[OBJ_ATTACKER]);
        apport(OBJ_ATTACKER, VAR_HERE);
        value[OBJ_ATTACKER] = value[VAR_THEFT_SCALE];
        if (cond(light())) {
            bitmod('s', OBJ_ATTACKER, 14);
            say(0, OBJ_ATTACKER, 0);
        }
    } else {
        say(SAY_ARG | SAY_ARGVAR, 1837, OBJ_ATTACKER);
        bitmod('s', OBJ_ATTACKER, 14);
        value[VAR_ATTACK_ESCAPE_CHANCE] = 0;
        value[VAR_ATTACK_CHANCE] = 100;
    }
    loop = 1;
    return 0;
}

// Word 817 ("kindle"): kindling the lamp is lighting it; the sunstone wants daylight, not a flame.
int p78() {
    if (cond(anyof(OBJ_LIGHT_SOURCE, OBJ_SUNSTONE, -1))) {
        if (cond(near(arg2()))) {
            if (cond(has(OBJ_LIGHT_SOURCE))) {
                call_proc(WORD_LIGHT);
                if (loop) return 0;
            }
            say_stop(cond(bitest(OBJ_SUNSTONE, SUNSTONE_SET_DOWN)) ? 3363 : 3362);
        } else {
            say_stop_typed(1319, VAR_ARG2);
        }
        return 0;
    }
    say_stop(3361);
    return 0;
}
