// Closing (word 769): a chain of four parts, the mechanisms and the things
// that will not close first, then the chest (where the imp lives), the
// trap, and the hatch, the collar and the vault. Pulling (807) and pushing
// (808) work the same mechanisms, each from its own side.
#include "game.h"

namespace {
constexpr int OPEN = 1;

void set_gate(int s) { value[OBJ_GATE] = value[PLACE_YARD] = value[PLACE_GATEHOUSE] = s; }

// The part of the close word for the rune door, the hoard doors, the gate,
// the jug, the iron door, the jar and the vial.
int close_mechanism() {
    if (cond(has(OBJ_RUNE_SLAB))) {
        if (cond(value[PLACE_RUNE_DOOR] == OPEN)) {
            p147();
            loop = 1;
            return 0;
        }
        say_stop_typed(2506, OBJ_DOOR);
        return 0;
    }
    if (cond(has(OBJ_HOARD_DOORS))) {
        if (cond(value[OBJ_HOARD_DOORS] > 0)) {
            p146();
            if (loop) return 0;
        }
        say_stop_typed(2506, OBJ_DOOR);
        return 0;
    }
    if (cond(has(OBJ_GATE))) {
        if (cond(value[OBJ_GATE] > 0)) {
            set_gate(0);
            say_stop_variant(2611, 0);
        } else {
            say_stop_typed(2506, OBJ_DOOR);
        }
        return 0;
    }
    if (cond(has(OBJ_VESSEL_MEDIUM))) {
        say_stop(1936);
        return 0;
    }
    if (cond(has(OBJ_DOOR))) {
        say_stop(1322);
        return 0;
    }
    if (cond(has(OBJ_JAR))) {
        say(SAY_REFVAR | SAY_STOP, VAR_SPELL_ACK, 0);
        return 0;
    }
    if (cond(has(OBJ_VESSEL_SMALL))) {
        if (cond(value[OBJ_VESSEL_SMALL] <= 1))
            say_stop_typed(1607, VAR_ARG2);
        else
            say_stop(2100);
    }
    return 0;
}

// Where each of the two words works the mechanisms, and how it refuses.
struct side {
    int word, hatch_place, slab_place, gate_place, refusal;
};
constexpr side PULL = {WORD_PULL, PLACE_DELL, PLACE_GALLERY_FORK, PLACE_YARD, 2492};
constexpr side PUSH = {WORD_PUSH, PLACE_FOOT_OF_HATCH, PLACE_RUNE_DOOR, PLACE_GATEHOUSE, 2493};

// The trap, pulled up from the well head or pushed up from the gallery.
int work_trap(const side &s) {
    if (s.word == PULL.word) {
        if (cond(value[OBJ_TRAP] == 0)) {
            if (cond(here() == PLACE_WELL_HEAD)) {
                call_proc(WORD_OPEN);
                if (loop) return 0;
            }
            say_stop_typed(2505, OBJ_TRAP);
        } else {
            say_stop_typed(2492, OBJ_TRAP);
        }
        return 0;
    }
    if (cond(here() == PLACE_HOARD_GALLERY)) {
        call_proc(WORD_OPEN);
        if (loop) return 0;
    }
    if (cond(here() == PLACE_WELL_HEAD)) {
        if (cond(value[OBJ_TRAP] == 1))
            say_stop_typed(2493, OBJ_TRAP);
        else
            say_stop_typed(2505, OBJ_TRAP);
    }
    return 0;
}

// The hoard doors, pulled or pushed from either side.
int work_doors(const side &s) {
    const int d = value[OBJ_HOARD_DOORS];
    if (s.word == PULL.word) {
        if (cond(here() == PLACE_HOARD)) {
            if (cond(d == 0)) {
                say_stop(1895);
                return 0;
            }
            if (cond(d == 2)) {
                value[OBJ_HOARD_DOORS] = 1;
                value[PLACE_HOARD_DOOR] = 1;
            }
            say_stop_typed(1605, OBJ_DOOR);
            return 0;
        }
        if (cond(d == 0)) {
            say_stop(1895);
            return 0;
        }
        p146();
        return 0;
    }
    if (cond(here() == PLACE_HOARD)) {
        if (cond(d == 2)) {
            p146();
            return 0;
        }
        if (cond(d == 1))
            say_stop_typed(2493, OBJ_DOOR);
        else
            say_stop_typed(2505, OBJ_DOOR);
        return 0;
    }
    if (cond(d == 2)) {
        value[OBJ_HOARD_DOORS] = 1;
        value[PLACE_HOARD_DOOR] = 1;
        say_stop(2513);
    } else if (cond(d == 1)) {
        say_stop_typed(1605, OBJ_DOOR);
    } else {
        say_stop(1895);
    }
    return 0;
}

// A door worked from one side: open already, it says so; from the place
// where this side works it, the open word opens it; elsewhere it will not
// move. `named` is the thing the replies are said of.
int door_from_side(int open, int working_place, int named) {
    if (cond(open)) {
        say_stop_typed(1605, named);
        return 0;
    }
    if (cond(here() == working_place)) {
        call_proc(WORD_OPEN);
        if (loop) return 0;
    }
    say_stop_typed(2505, named);
    return 0;
}

// Pulling or pushing: the sword in the stone, then the mechanisms, each
// worked from its own side and refused from the other; then the refusals
// for whatever else is named.
int work_from_side(const side &s) {
    const bool pull = s.word == PULL.word;
    if (pull && cond(has(OBJ_SWORD)).AND(value[OBJ_SWORD] == 0)) {
        p381();
        if (loop) return 0;
    }
    default_to(0, here(), OFLAG_OPENABLE);
    if (cond(has(OBJ_TRAP))) {
        work_trap(s);
        if (loop) return 0;
    }
    if (cond(has(OBJ_GRILLE)).AND(near(OBJ_GRILLE))) {
        call_proc(WORD_OPEN);
        if (loop) return 0;
    }
    if (cond(has(OBJ_LOCKED_GATE)).AND(near(OBJ_LOCKED_GATE))) return door_from_side(value[OBJ_LOCKED_GATE] == OPEN,
        s.hatch_place, OBJ_LOCKED_GATE);
    if (cond(has(OBJ_RUNE_SLAB)).AND(near(OBJ_RUNE_SLAB))) return door_from_side(value[PLACE_RUNE_DOOR] == OPEN, s.slab_place, OBJ_DOOR);
    if (cond(has(OBJ_HOARD_DOORS)).AND(near(OBJ_HOARD_DOORS))) {
        work_doors(s);
        if (loop) return 0;
    }
    if (cond(has(OBJ_GATE)).AND(near(OBJ_GATE))) {
        if (cond(value[VAR_PHASE] == 5)) {
            say_stop(2504);
            return 0;
        }
        if (cond(here() == s.gate_place)) {
            if (cond(value[OBJ_GATE] == OPEN)) {
                say_stop_typed(1605, OBJ_DOOR);
                return 0;
            }
            set_gate(1);
            say_stop_variant(2611, 1);
            return 0;
        }
        if (cond(value[OBJ_GATE] == 0)) {
            say_stop_typed(2505, OBJ_DOOR);
            return 0;
        }
        set_gate(0);
        say_stop_variant(2611, 0);
        return 0;
    }
    if (!cond(words() == 2).AND(near(arg2()))) return 0;
    if (pull && cond(bitest(arg2(), OFLAG_PORTABLE))) {
        if (cond(has(OBJ_SWORD)).AND(ishere(OBJ_SWORD, 0, 0)))
            say_stop(1579);
        else
            say_stop_typed(2494, VAR_ARG2);
        return 0;
    }
    if (cond(bitest(arg2(), OFLAG_ADDRESSABLE)).AND(pull || !anyof(OBJ_CASKET, OBJ_COFFER, -1))) {
        say_stop(1403);
        return 0;
    }
    if (pull && cond(anyof(OBJ_PLANT, OBJ_CREEPER, -1))) {
        say_stop_typed(1408, VAR_ARG2);
        return 0;
    }
    if (cond(has(OBJ_CHEST)).AND(value[OBJ_CHEST] > 0)) {
        say_stop(2335);
        return 0;
    }
    say_stop_typed(s.refusal, VAR_ARG2);
    return 0;
}

}  // namespace

int p141() { return run_chain({p142, p143, p144, p145}); }

// Chain part of p141 (word 769 ("close")), part 1 of 4: general.
int p142() {
    default_to(0, here(), OFLAG_OPENABLE);
    default_to(0, PLACE_CARRIED, OFLAG_OPENABLE);
    if (cond(words() == 2).AND(!near(arg2()))) {
        p39();
        return 0;
    }
    if (!cond(anyof(OBJ_VESSEL_MEDIUM, OBJ_DOOR, OBJ_JAR, OBJ_VESSEL_SMALL, OBJ_RUNE_SLAB, OBJ_HOARD_DOORS, OBJ_GATE,
                    -1))) return 0;
    return close_mechanism();
}

// The chest: shutting the lid on the imp, once it has let the torch go,
// shuts it in for good; while it is away, looking first calls it back.
int p143() {
    if (!cond(has(OBJ_CHEST)).AND(near(OBJ_CHEST))) return 0;
    if (cond(value[OBJ_CHEST] <= 0)) {
        say_stop_typed(2506, OBJ_CHEST);
        return 0;
    }
    if (!cond(near(OBJ_IMP))) {
        set_variant(2348, 1);
        call_proc(WORD_LOOK);
        if (loop) return 0;
    }
    if (cond(value[OBJ_IMP] == 1)) {
        p884(num(0));
        if (loop) return 0;
    } else if (cond(value[OBJ_IMP] == 2)) {
        value[OBJ_CHEST] = 0;
        apport(OBJ_IMP, PLACE_GONE);
        say_stop(2336);
    } else {
        say_stop(2335);
    }
    return 0;
}

// Chain part of p141 (word 769 ("close")), part 3 of 4: object 162 (trap).
int p144() {
    if (!cond(has(OBJ_TRAP))) return 0;
    if (cond(near(OBJ_TRAP))) {
        if (cond(value[OBJ_TRAP] == 0)) {
            say_stop_typed(2506, OBJ_TRAP);
        } else {
            value[OBJ_TRAP] = 0;
            say_stop_variant(2517, cond(here() == PLACE_HOARD_GALLERY) ? 0 : 1);
        }
        return 0;
    }
    if (cond(here() == PLACE_HOARD).OR(here() == PLACE_HOARD_LEDGE)) say_stop(2209);
    return 0;
}

// The hatch, the collar and the vault. The collar fastened again in the
// den chains the lynx up once more.
int p145() {
    if (!cond(anyof(OBJ_LOCKED_GATE, OBJ_COLLAR, OBJ_VAULT_DOOR, -1))) return 0;
    const int thing = arg2();
    if (!cond(value_of(thing) == OPEN)) {
        say_stop_typed(1607, VAR_ARG2);
        return 0;
    }
    if (cond(has(OBJ_COLLAR))) {
        if (!cond(here() == PLACE_LYNX_DEN)) {
            say_stop(1471);
            return 0;
        }
        if (cond(carried(OBJ_COLLAR))) apport(OBJ_COLLAR, here());
        if (cond(near(OBJ_LYNX))) {
            apport(OBJ_LYNX, here());
            value[OBJ_LYNX] = 1;
            say_stop(1470);
            return 0;
        }
        value[OBJ_COLLAR] = 2;
        say_stop(1469);
        return 0;
    }
    if (thing >= 0 && thing < NVALUES) value[thing] = 0;
    if (cond(has(OBJ_LOCKED_GATE))) {
        say_stop_variant(1323, 0);
        return 0;
    }
    if (cond(has(OBJ_VAULT_DOOR))) say_stop(1608);
    return 0;
}

int p691() { return work_from_side(PULL); }

int p692() { return work_from_side(PUSH); }
