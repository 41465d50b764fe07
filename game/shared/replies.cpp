// Small replies and puzzle steps that word procedures, a few places and
// dispatch share: the refusal of a compass way with no exit (and the fall
// that waits in the dark), taking in the dark, the vault door's words, the
// backward spell said out of step, what a taken object does when it is
// picked up, and the replies about everything at once, the opal's colours,
// the ale in the cask, the eel, the bridges, the griffin's patience and the
// coffer.
#include "game.h"

using namespace rows;

namespace {
constexpr int PFLAG_WARREN_DEAD_END = 11;
constexpr int OFLAG_SPOKEN_RIGHT = 13;    // of the vault door: its word was said
constexpr int OFLAG_GRIFFIN_WAITS = 13;   // the griffin's patience, two flags
constexpr int OFLAG_GRIFFIN_RESTLESS = 14;
constexpr int FLAG_FUSE_NEAR_OUT = 9;     // of VAR_GAME_FLAGS_2

// "all" with a word that is not taking or dropping.
constexpr row ALL_WITH_ANOTHER_WORD[] = {
    ret({WORD_TAKE, WORD_DROP, WORD_UNDO, WORD_REDO}),
    when([] { return cond(arg1() == OBJ_ALL); }, reply(1984)),
    reply({WORD_ONWARD}, 2168),
    tell(1982, arg_of(VAR_ARG1)),
    reply(1983, arg_of(VAR_ARG2)),
};

// The eel of the pools.
constexpr row EEL[] = {
    group(value_over(OBJ_EEL, 1)),
        reply({WORD_EAT}, 1360),
        reply({WORD_FEED}, 1995),
        reply({WORD_ATTACK}, 2828, arg_of(OBJ_EEL)),
    end(),
    say_as(SAY_DETAIL, OBJ_EEL, 0),
    stop(),
};

// "Bridge": the one that is here, or none.
constexpr row BRIDGE[] = {
    when(object_near(OBJ_RIFT), reply(2030)),
    when(object_near(OBJ_RAVINE), reply(2040)),
    when(object_near(OBJ_CHASM).AND(value_is(OBJ_CHASM, 0)), reply(2031)),
    when(object_near(OBJ_CHASM), reply(2032)),
    when(here_is(PLACE_FAR_BANK).OR(here_is(PLACE_NEAR_BANK)), reply(2365)),
    reply(1319, arg_of(OBJ_BRIDGE)),
};

}  // namespace

// A compass word with no way out here. In the dark the player may stumble,
// and away from open ground the stumble is a fall.
int p614() {
    if (cond(words() == 2)) {
        flush_command();
        say_stop(1352);
        return 0;
    }
    set('V', VAR_PROMPT_TEXT, 'v', cond(has(WORD_GO)) ? VAR_ARG2 : VAR_ARG1, nullptr, nullptr);
    const int h = here();
    if (cond(light())) {
        if (cond(within(h, PLACE_WARREN_227, PLACE_WARREN_CHUTE)).AND(!here_has(PFLAG_WARREN_DEAD_END)))
            say_stop(1345);
        else if (cond(here_has(PFLAG_SHIFTING_EXITS)))
            say_stop_typed(1295, VAR_PROMPT_TEXT);
        else if (cond(within(h, PLACE_LONG_CORRIDOR_642, PLACE_LONG_CORRIDOR_650)).AND(anyof(WORD_NORTH, WORD_NORTHEAST,
                             WORD_SOUTHEAST, WORD_SOUTH, WORD_SOUTHWEST, WORD_NORTHWEST, -1)))
            say_stop_typed(2425, VAR_PROMPT_TEXT);
        else if (cond(within(h, PLACE_LONG_CORRIDOR_642, PLACE_LONG_CORRIDOR_650)).AND(has(WORD_DOWN)))
            say_stop(2555);
        else
            say_stop_typed(1294, VAR_PROMPT_TEXT);
        return 0;
    }
    if (cond(irand(100) < 25).AND(h != PLACE_BRINK_OF_DROP).AND(value[VAR_PHASE] <= 5)) {
        if (cond(here_has(PFLAG_OPEN_AIR))) {
            say(SAY_ARG, 1312, 0);
        } else {
            say(SAY_ARG, 1312, 1);
            p154();
            if (loop) return 0;
        }
    }
    say_stop_typed(1296, VAR_PROMPT_TEXT);
    return 0;
}

// Groping for something in the dark: the more the player already carries,
// the likelier a fall.
int p394() {
    if (cond(words() == 1)) {
        say_stop(1690);
        return 0;
    }
    const int obj = arg2();
    if (cond(!bitest(obj, FLAG_IS_OBJECT)).OR(carried(obj)).OR(!bitest(obj, OFLAG_PORTABLE))) return 0;
    const int chance = 5 * (value[VAR_CARRIED_COUNT] - value[VAR_CARRY_LIMIT]) + 60;
    if (cond(irand(100) < chance)) {
        say(SAY_ARG | SAY_ARGVAR, 1691, VAR_ARG2);
        p154();
        if (loop) return 0;
    } else {
        say_stop_typed(1692, VAR_ARG2);
    }
    return 0;
}

// A vault word said at the vault door: the right one (the one the
// parchment named when it was taken) opens it; the first wrong one raises
// the wraith and locks the hatch behind the player.
int p663() {
    if (cond(near(OBJ_VAULT_DOOR))) {
        bitmod('c', PLACE_CEILING, PFLAG_HINT_AVAILABLE);
        bitmod('c', PLACE_EAST_VAULT_LANDING, PFLAG_HINT_AVAILABLE);
        if (cond(value[OBJ_VAULT_DOOR] == 0)) {
            const int w = cond(words() == 2) ? arg2() : arg1();
            if (cond(w == value[VAR_SPELL_WORD])) {
                value[OBJ_VAULT_DOOR] = 1;
                bitmod('s', OBJ_VAULT_DOOR, OFLAG_SPOKEN_RIGHT);
                say_stop(1609);
                return 0;
            }
            if (cond(!bitest(OBJ_VAULT_DOOR, OFLAG_SPOKEN_RIGHT))) {
                value[OBJ_VAULT_DOOR] = 2;
                value[OBJ_WRAITH] = 1;
                bitmod('s', VAR_GAME_FLAGS, 0);
                bitmod('s', VAR_GAME_FLAGS, 2);
                value[OBJ_LOCKED_GATE] = 0;
                say_stop(1612);
                return 0;
            }
        }
    }
    if (cond(near(OBJ_GRILLE)).AND(bitest(VAR_GAME_FLAGS_2, FLAG_FUSE_NEAR_OUT)))
        say_stop(3330);
    else
        say_stop(1329);
    return 0;
}

// A word of the backward spell out of its turn breaks the spell off.
int p331() {
    if (cond(value[VAR_MAGIC_STEP] > 0)) {
        value[VAR_MAGIC_STEP] = 0;
        value[VAR_SEQUENCE_TEXT] = TEXT_NOTHING;
        *bitword(VAR_SEQUENCE_TEXT) = ref_mark;
        say_stop(1562);
    } else {
        say(SAY_STOP | SAY_REFVAR, VAR_SEQUENCE_TEXT, 0);
    }
    return 0;
}

// After the object in VAR_ARG2 is taken or lit: a burning lightable thing
// settles to lit, and an object that reacts to being taken does.
int p670() {
    const int obj = arg2();
    // Only an object has a state and flags to change.
    if (!bitest(obj, FLAG_IS_OBJECT)) return 0;
    if (cond(bitest(obj, OFLAG_LIGHTABLE)).AND(value[obj] > 1)) {
        value[obj] = 1;
        if (cond(obj != OBJ_JEWEL)) bitmod('c', obj, OFLAG_NOT_COUNTED);
    }
    if (cond(bitest(obj, OFLAG_TAKEN_REACTS))) {
        p876();
        if (loop) return 0;
    }
    return 0;
}

// Reaction of a flag-7 object on being taken.
int p876() {
    const int obj = arg2();
    if (!bitest(obj, FLAG_IS_OBJECT)) return 0;
    bitmod('c', obj, OFLAG_TAKEN_REACTS);
    if (cond(obj == OBJ_VESSEL_MEDIUM)) {
        value[OBJ_VESSEL_MEDIUM] = 2;
    } else if (cond(obj == OBJ_VASE)) {
        value[OBJ_VASE] += 1;
        if (cond(value[OBJ_VASE] > 2)) say_stop(2776);
    } else {
        value[obj] = 1;
    }
    return 0;
}

int p125() { return run<ALL_WITH_ANOTHER_WORD>(); }

// A colour word names the opal when it is the opal's colour now (its first
// look, milky, is also its red).
int p754() {
    if (cond(!near(OBJ_OPAL))) {
        p39();
        if (loop) return 0;
    }
    const int k = arg2() - WORD_MILKY;
    if (cond(value[OBJ_OPAL] == 0).AND(k == 1).OR(value[OBJ_OPAL] == k)) {
        value[VAR_ARG2] = OBJ_OPAL;
        *bitword(VAR_ARG2) = ref_mark;
    } else {
        p39();
        if (loop) return 0;
    }
    if (cond(within(arg1(), WORD_RED, WORD_BROWN)).OR(within(arg2(), WORD_RED, WORD_BROWN))) say_stop(1266);
    return 0;
}

// Drinking the ale of the cask, or tasting it: three sips, then no more.
int p228() {
    if (cond(has(WORD_TASTE))) {
        if (cond(value[VAR_SIPS] <= 2)) {
            value[VAR_SIPS] += 1;
            say_stop(2280);
        } else {
            say_stop(2281);
        }
    } else {
        say_stop(2263);
    }
    return 0;
}

int p698() { return run<EEL>(); }

int p539() { return run<BRIDGE>(); }

// At the far post and the drift, a way that leads nowhere; while the
// griffin waits at the watchpost it grows restless, and the fourth time it
// flies off for good.
int p872() {
    if (cond(!isat(OBJ_GRIFFIN, -1, 0, PLACE_WATCHPOST))) {
        say_stop(2074);
        return 0;
    }
    const int waits = bitest(OBJ_GRIFFIN, OFLAG_GRIFFIN_WAITS);
    const int restless = bitest(OBJ_GRIFFIN, OFLAG_GRIFFIN_RESTLESS);
    if (cond(!restless).AND(!waits)) {
        say(0, 2074, 0);
        bitmod('s', OBJ_GRIFFIN, OFLAG_GRIFFIN_WAITS);
        loop = 1;
    } else if (cond(!restless)) {
        say(0, 2074, 0);
        bitmod('s', OBJ_GRIFFIN, OFLAG_GRIFFIN_RESTLESS);
        say_stop(2075);
    } else if (cond(waits)) {
        bitmod('c', OBJ_GRIFFIN, OFLAG_GRIFFIN_WAITS);
        say_stop(2074);
    } else {
        apport(OBJ_GRIFFIN, PLACE_GONE);
        say_stop(2076);
    }
    return 0;
}

// Opening the coffer: with the dagger it comes open, and the moonstone in
// it rolls away to the sump.
int p651() {
    const int obj = arg2();
    if (cond(!near(obj))) return 0;
    if (cond(carried(obj))) {
        say_stop_typed(1413, VAR_ARG2);
    } else if (cond(carried(OBJ_DAGGER))) {
        if (cond(has(OBJ_COFFER))) {
            apport(OBJ_COFFER, PLACE_GONE);
            apport(OBJ_CASKET, here());
            apport(OBJ_MOONSTONE, PLACE_SUMP);
            say_stop_variant(1415, 0);
        } else {
            say_stop_variant(1415, 1);
        }
    } else {
        say_stop_typed(1414, VAR_ARG2);
    }
    return 0;
}
