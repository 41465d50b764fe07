// Eating (word 788) and burning (word 789). Eating: the bread, the fruit,
// the honeycake that gives the strength to carry more, the nectar. Burning
// needs the torch alight: it sets the snag going, and otherwise refuses.
// Each hands the snag to the other word.
#include "game.h"

namespace {
constexpr int TORCH_GUTTERING = 2;  // the torch's last turn alight
constexpr int HONEYCAKE_EATEN = 2;

int alone() { return words() == 1; }

// In its last turn alight the torch smokes too much to eat by.
int torch_guttering() { return have(OBJ_TORCH, 0, TORCH_GUTTERING); }

int eat_honeycake() {
    value[VAR_STRENGTH_TURN] = irand(6) + 28;
    value[VAR_STRENGTH_TURN] += value[VAR_PHASE_PERIOD];
    if (*bitword(VAR_PHASE_PERIOD) == ref_mark) *bitword(VAR_STRENGTH_TURN) = ref_mark;
    value[VAR_CARRY_LIMIT] += 6;
    bitmod('c', PLACE_QUIET_POCKET, PFLAG_HINT_AVAILABLE);
    value[OBJ_HONEYCAKE] = HONEYCAKE_EATEN;
    apport(OBJ_HONEYCAKE, PLACE_GONE);
    say(SAY_STOP, OBJ_HONEYCAKE, 0);
    return 0;
}

// Burning with the torch alight.
int burn_with_torch() {
    if (cond(has(OBJ_TREE)).AND(within(here(), PLACE_NORTHERN_HEATH, PLACE_MIRE))) {
        say_stop(2325);
        return 0;
    }
    if (cond(has(OBJ_REEDS)).AND(within(here(), PLACE_RING_WALK_547, PLACE_RING_WALK_553))) {
        say_stop(2325);
        return 0;
    }
    if (cond(has(OBJ_SNAG)).AND(near_in(OBJ_SNAG, 0))) {
        value[OBJ_SNAG] = 1;
        value[PLACE_NEAR_END_OF_SNAG] = 1;
        bitmod('s', OBJ_SNAG, OFLAG_TWO_PLACES);
        bitmod('c', OBJ_TORCH, OFLAG_NOT_COUNTED);
        bitmod('c', here(), PFLAG_HINT_AVAILABLE);
        value[OBJ_TORCH] = 1;
        say_stop(2330);
        return 0;
    }
    if (cond(bitest(arg2(), OFLAG_ADDRESSABLE)).AND(near(arg2()))) {
        say_stop(2326);
        return 0;
    }
    say_stop(1403);
    return 0;
}

}  // namespace

int p258() { return run_chain({p259, p260}); }

// Chain part of p258 (word 788 ("eat")), part 1 of 2: chunk 1.
int p259() {
    if (cond(keyword(WORD_EAT, OBJ_SNAG, -1))) {
        call_proc(WORD_BURN);
        if (loop) return 0;
    }
    if (cond(near(OBJ_BREAD)).AND(cond(has(OBJ_BREAD)).OR(alone()))) {
        if (cond(torch_guttering())) {
            say_stop(2323);
            return 0;
        }
        apport(OBJ_BREAD, PLACE_OFFSTAGE);
        say_stop(1362);
        return 0;
    }
    if (cond(near(OBJ_FRUIT)).AND(has(OBJ_FRUIT))) {
        say_stop(2257);
        return 0;
    }
    if (cond(near(OBJ_HONEYCAKE)).AND(cond(has(OBJ_HONEYCAKE)).OR(alone()))) {
        if (cond(torch_guttering())) {
            say_stop(2323);
            return 0;
        }
        return eat_honeycake();
    }
    if (cond(has(OBJ_LIQUID_4))) {
        p126(num(0));
        if (loop) return 0;
        say_stop(1361);
        return 0;
    }
    if (cond(alone())) {
        say_stop(1472);
        return 0;
    }
    if (cond(bitest(arg2(), OFLAG_ADDRESSABLE)).OR(anyof(OBJ_PLANT, OBJ_CREEPER, -1))) say_stop(1360);
    return 0;
}

// Chain part of p258 (word 788 ("eat")), part 2 of 2: chunk 2.
int p260() {
    if (cond(bitest(arg2(), FLAG_IS_OBJECT)).AND(cond(near(arg2())).OR(bitest(VAR_QUESTION, VFLAG_QUESTION_REPLIED))))
        say_stop(1369);
    return 0;
}

// Word 789 ("burn"): burning the snag, the ladder or the creeper, and the refusals.
int p128() {
    if (cond(alone()).AND(near(OBJ_SNAG))) {
        bitmod('s', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_ORPHAN);
        say_stop(2608);
        return 0;
    }
    if (cond(here() == PLACE_LADDER_HALL).OR(here() == PLACE_LADDER_TOP).AND(has(OBJ_LADDER))) {
        say_stop(1709);
        return 0;
    }
    if (cond(has(OBJ_CREEPER))) {
        if (cond(near(OBJ_CREEPER)).OR(near(OBJ_PLANT)).OR(here() == PLACE_HIGH_LEDGE).OR(here() == PLACE_BLUFF_PATH)) {
            say_stop(2324);
            return 0;
        }
        if (cond(near(OBJ_FRONDS)).OR(near(OBJ_TENDRILS))) {
            say_stop_variant(2160, 0);
            return 0;
        }
    }
    if (cond(carried(OBJ_TORCH)).AND(value[OBJ_TORCH] > 1)) return burn_with_torch();
    if (cond(has(OBJ_SNAG)).AND(near(OBJ_SNAG))) {
        say_stop(2521);
        return 0;
    }
    if (cond(has(WORD_BURN))) call_proc(WORD_EAT);
    return 0;
}
