// Death: the one procedure every death runs through (it undoes what must
// not outlive the player, counts the death and either asks whether to go
// on or, late in the game, ends it), and four deaths with words of their
// own: one that names the count first, the wraith's countdown, the fall
// that drains the lamp, and the fatal ways of the ring places.
#include "game.h"

// The death.
int p154() {
    flush_command();
    say(0, 1266, 0);
    bitmod('c', evar(VAR_GAME_FLAGS), 2);
    bitmod('c', evar(VAR_GAME_FLAGS), 0);

    bitmod('c', OBJ_SUNSTONE, 13);
    if (cond(value[OBJ_SUNSTONE] == 2)) value[OBJ_SUNSTONE] = 3;

    // Whoever dies in these two places is lost with all he carries.
    if (cond(here() == PLACE_WHIRLING_CAVE).OR(here() == PLACE_HALL_OF_GLIMMERS)) moveto(PLACE_GONE, -1);

    value[OBJ_WRAITH] = 0;
    apport(OBJ_WRAITH, PLACE_OFFSTAGE);
    if (cond(!isat(OBJ_FOLLOWER, -1, 0, PLACE_GONE))) apport(OBJ_FOLLOWER, PLACE_OFFSTAGE);
    if (cond(value[OBJ_WATCHER] == 1))
        value[OBJ_WATCHER] = 0;
    else if (cond(value[OBJ_WATCHER] == 3))
        value[OBJ_WATCHER] = 2;
    if (cond(value[OBJ_FUSE] > 1)) value[OBJ_FUSE] = 1;
    if (cond(value[OBJ_VAULT_DOOR] == 1)) {
        value[OBJ_VAULT_DOOR] = 0;
        value[VAR_SPELL_WORD] = 0;
        bitmod('c', OBJ_VAULT_DOOR, 13);
    }

    value[VAR_DEATHS] += 1;
    if (cond(value[VAR_PHASE] > 4)) {
        if (cond(value[VAR_PHASE] == 5))
            say(0, 1422, 0);
        else
            value[VAR_DEATHS] -= 1;  // not counted this late in the game
        p322();
        if (loop) return 0;
        return 0;
    }

    value[OBJ_LIQUID_1] = 0;
    value[VAR_RESERVE] = 600 + irand(101);
    value[VAR_QUESTION] = Q_DEATH;
    say(SAY_STOP, 1379, 0);
    if (loop) return 0;
    return 0;
}

// Death naming the death count.
int p803() {
    say(SAY_ARGVAR | SAY_ARG, 1502, VAR_DEATHS);
    p154();
    if (loop) return 0;
    return 0;
}

// Per-turn countdown of object 18 (wraith).
int p848() {
    if (cond(value[OBJ_WRAITH] <= 0)) return 0;
    value[OBJ_WRAITH] += 1;
    if (cond(value[OBJ_WRAITH] > 15)) apport(OBJ_WRAITH, here());
    say(0, 2012, 0);
    if (cond(value[OBJ_WRAITH] == 18)) {
        p154();
        if (loop) return 0;
    }
    return 0;
}

// Death by word 762 ("jump") (places 387, 388, 427).
int p685() {
    moveto(PLACE_GONE, -1);
    if (cond(value[OBJ_LIGHT_SOURCE] == LIGHT_LIT)) {
        value[VAR_LIGHT_POWER] = 0;
        if (cond(carried(OBJ_LIGHT_SOURCE)))
            say(0, 1636, 0);
        else
            say(0, 1637, 0);
    } else {
        say(0, 1637, 0);
    }
    p154();
    if (loop) return 0;
    return 0;
}

// Hazard of word 762 ("jump") at places 631..638.
int p724(arg_pair variant) {
    frame<1> f{variant};
    if (cond(words() == 1).OR(has(WORD_CROSS))) {
        say(SAY_STOP | SAY_ARG, 2839, f.lvals[0]);
        if (loop) return 0;
    }
    if (cond(anyof(WORD_IN, PLACE_FALLS_NOOK, WORD_DOWN, -1))) {
        say(0, 2838, 0);
        moveto(PLACE_GONE, -1);
        if (cond(carried(OBJ_VASE))) {
            value[OBJ_VASE] = 2;
            apport(OBJ_VASE, PLACE_ABYSS_EDGE);
        }
        p154();
        if (loop) return 0;
    }
    return 0;
}
