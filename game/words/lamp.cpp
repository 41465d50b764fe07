// The lamp's words: light it, put it out, the switch words on and off, the
// toggle that picks one of them by the lamp's state, and refilling it from
// the canister. The switch words hand the other lightable things to the
// words that light and snuff them.
#include "game.h"

namespace {

// Word w becomes x, and x's procedure answers the command.
int hand_over(int w, int x) {
    rewrite_word(w, x);
    call_proc(x);
    return 0;
}

// The switch words: a two-word command about a lightable thing goes to the
// word for such things (`thing_word`); one about anything but the lamp is
// refused; the rest is the lamp's (`lamp_word`), and the turn ends there.
int switch_word(int self, int thing_word, int lamp_word) {
    if (cond(words() == 2)) {
        if (cond(bitest(arg1(), OFLAG_LIGHTABLE)).OR(bitest(arg2(), OFLAG_LIGHTABLE))) {
            hand_over(self, thing_word);
            if (loop) return 0;
        }
        if (!cond(anyof(WORD_LIGHT, OBJ_LIGHT_SOURCE, OBJ_SUNSTONE, -1))) {
            say_stop_typed(3494, VAR_ARG2);
            return 0;
        }
    }
    call_proc(lamp_word);
    loop = 1;
    return 0;
}

// The undo word in the command is the undo word's business.
int undo_first() {
    if (cond(has(WORD_UNDO))) call_proc(WORD_UNDO);
    return 0;
}

// No lamp here: the lamp named gets the last replies, anything else `reply`.
int no_lamp(int reply) {
    if (cond(has(OBJ_LIGHT_SOURCE)))
        p39();
    else
        say_stop(reply);
    return 0;
}

}  // namespace

// Word 938 ("switch"): switching the lamp on or off (or the refill over to the refill word).
int p825() {
    if (cond(has(OBJ_LIGHT_REFILL))) return hand_over(WORD_TOGGLE_LIGHT, WORD_RECHARGE);
    if (!cond(near(OBJ_LIGHT_SOURCE))) {
        say_stop_variant(1319, WORD_TOGGLE_LIGHT);
        return 0;
    }
    if (cond(has(WORD_LOOK))) {
        say_stop(3464);
        return 0;
    }
    if (cond(words() == 1).OR(anyof(WORD_PUSH, WORD_FLICK, PLACE_UNDERCROFT, OBJ_LIGHT_SOURCE, WORD_ON, WORD_OFF,
                   -1))) {
        // The switch word becomes on or off: the one the command names, else
        // the one the lamp's state calls for. Its partner word belongs to the
        // switch, so the command counts as one word: "switch on" must not be
        // refused as a command about a thing called "on".
        value[VAR_COMMAND_STATUS] = 1;
        if (cond(has(WORD_ON)).OR(cond(!has(WORD_OFF)).AND(value[OBJ_LIGHT_SOURCE] == LIGHT_OFF)))
            return hand_over(WORD_TOGGLE_LIGHT, WORD_ON);
        return hand_over(WORD_TOGGLE_LIGHT, WORD_OFF);
    }
    say_stop(1403);
    return 0;
}

int p636() { return switch_word(WORD_ON, WORD_IGNITE, WORD_LIGHT); }

int p631() { return switch_word(WORD_OFF, WORD_SNUFF, WORD_EXTINGUISH); }

// Lighting the lamp: with its power low, the canister near tops it up on
// the way; lit in the dark, the place is described in full at once.
int p531() {
    if (cond(has(WORD_OFF))) {
        call_proc(WORD_EXTINGUISH);
        if (loop) return 0;
    }
    undo_first();
    if (loop) return 0;
    if (!cond(words() == 1).OR(anyof(OBJ_LIGHT_SOURCE, WORD_ON, -1))) {
        call_proc(WORD_KINDLE);
        return 0;
    }
    if (!cond(near(OBJ_LIGHT_SOURCE))) return no_lamp(1325);
    if (cond(value[OBJ_LIGHT_SOURCE] == LIGHT_LIT)) {
        say_stop_variant(1327, 1);
        return 0;
    }
    if (cond(value[VAR_LIGHT_POWER] < LIGHT_POWER_LOW).AND(near_in(OBJ_LIGHT_REFILL, REFILL_READY))) {
        say(0, 1539, 0);
        value[OBJ_LIGHT_REFILL] = REFILL_USED;
        value[VAR_LIGHT_POWER] += LIGHT_POWER_REFILL;
    }
    if (!cond(value[VAR_LIGHT_POWER] > 0)) {
        say(0, 1484, 0);
        loop = 1;
        return 0;
    }
    say(SAY_ARG, 1326, 1);
    value[OBJ_LIGHT_SOURCE] = LIGHT_LIT;
    if (cond(!light())) {
        bitmod('s', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_LIGHT);
        if (cond(near(OBJ_WANDERER))) {
            p659();
            if (loop) return 0;
        }
        value[VAR_COMMAND_STATUS] = 1;
        value[OBJ_GLIMMER] = 0;
        call_proc(WORD_LOOK);
        if (loop) return 0;
    }
    loop = 1;
    return 0;
}

// Putting the lamp out: in the dark the place's darkness is told; in the
// hall of glimmers, still lit by its own light, the glimmer shows itself.
int p294() {
    undo_first();
    if (loop) return 0;
    if (!cond(words() == 1).OR(anyof(OBJ_LIGHT_SOURCE, WORD_OFF, -1))) {
        say_stop(1436);
        return 0;
    }
    if (!cond(near(OBJ_LIGHT_SOURCE))) return no_lamp(3569);
    if (cond(value[OBJ_LIGHT_SOURCE] == LIGHT_OFF)) {
        say_stop_variant(1327, 0);
        return 0;
    }
    value[OBJ_LIGHT_SOURCE] = LIGHT_OFF;
    say(SAY_ARG, 1326, 0);
    p487();
    if (loop) return 0;
    if (cond(light())) {
        if (cond(here() == PLACE_HALL_OF_GLIMMERS)) {
            p667();
            if (loop) return 0;
            say(0, OBJ_GLIMMER, 0);
        }
    } else {
        p852(num(0));
        if (loop) return 0;
    }
    loop = 1;
    return 0;
}

// Word 799 ("refill"): the refill near and unused gives the lamp new power.
int p708() {
    if (!cond(has(OBJ_LIGHT_REFILL))) return 0;
    if (cond(near(OBJ_LIGHT_REFILL)).AND(value[OBJ_LIGHT_REFILL] <= 2)) {
        value[VAR_LIGHT_POWER] = LIGHT_POWER_REFILL;
        value[OBJ_LIGHT_REFILL] = REFILL_USED;
        say_stop(1834);
        return 0;
    }
    say_stop(1833);
    return 0;
}
