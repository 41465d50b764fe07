// Opening (word 767): a chain of twelve parts, the basin's spirit first,
// then the things that are refused or handled elsewhere, then each thing
// that opens: the hatch (with the key), the lynx's collar, the iron door,
// the rune door, the hoard doors, the gate, the vault, the vial and the
// trap. Unlocking (768), unwrapping (813) and tipping (814) lead here too.
#include "game.h"

using namespace rows;

namespace {

constexpr int HATCH = OBJ_LOCKED_GATE;
constexpr int VIAL = OBJ_VESSEL_SMALL, KEY = OBJ_OPENER;
constexpr int BASIN = 322, DELL = 203;
constexpr int LID = 926;
constexpr int HATCH_REFUSED_TOLD = 13;

int two_words() { return words() == 2; }

// A bare "open" takes the only openable thing here, else the only one
// carried.
int default_openable() {
    default_to(0, here(), OFLAG_OPENABLE);
    default_to(0, PLACE_CARRIED, OFLAG_OPENABLE);
    return 0;
}

// "Open" with the close word and the hatch near: unlocking it.
int unlock_hatch() {
    value[VAR_COMMAND_STATUS] = 2;
    hold_ref(VAR_ARG1, 768);
    hold_ref(VAR_ARG2, HATCH);
    call_proc(768);
    return 0;
}

int at(int a, int b) { return cond(here() == a).OR(here() == b); }

// The things that do not open, or open by other means.
constexpr row OPEN_GENERAL[] = {
    reply({831}, 1339),
    when(object_near(OBJ_FRUIT), reply({OBJ_FRUIT}, 1771)),
    when(object_near(HATCH), step({WORD_CLOSE}, unlock_hatch)),
    step(default_openable),
    call({108}, p232),
    when([] { return cond(two_words()).AND(!near(arg2())); }, call(p39)),
    when([] { return cond(!anyof(119, 43, 52, 108, 114, 115, 127, 106, 98, OBJ_BUNDLE, 76, -1)); }, ret()),
    first(),
        reply({119}, 1936),
        when([] { return cond(is_seen(OBJ_AUTOMATON)); }, reply({43}, 1935, arg(0))),
        reply({43}, 1935, arg(1)),
        reply({52}, 1855),
        reply({108}, 1267),
        call({114, 115}, p651),
        call({127}, p73),
        reply({KEY}, 1344),
        when(here_is(284), reply({76}, 2094)),
        reply({76}, 2095),
        reply({98}, 1727),
        group({OBJ_BUNDLE}),
            when([] { return cond(at(443, 218)); }, call(p304)),
            reply(2409),
        end(),
    end(),
};

}  // namespace

// Word 767 ("open") (chain head): the twelve parts of opening, each for its own thing.
int p638() {
    return run_chain({p639, p640, p641, p642, p643, p644, p645, p646, p647, p648, p649, p650});
}

// The basin's word: at the basin the spirit in the vial is let out.
int p639() {
    if (!cond(has(BASIN))) return 0;
    if (!cond(here() == BASIN)) {
        p39();
        return 0;
    }
    if (cond(near(OBJ_SPIRIT))) {
        apport(OBJ_SPIRIT, PLACE_GONE);
        bitmod('s', OBJ_SPIRIT, 13);
        say_stop(1632);
        return 0;
    }
    say_stop(1634);
    return 0;
}

int p640() { return run<OPEN_GENERAL>(); }

// The hatch, the collar, the vault and the chest: already open; the chest's
// lid; without the key only the vault may go on.
int p641() {
    if (!cond(anyof(HATCH, OBJ_COLLAR, OBJ_VAULT_DOOR, OBJ_CHEST, -1))) return 0;
    const int s = value_of(arg2());
    if (cond(has(OBJ_CHEST)).AND(s > 0).OR(s == 1)) {
        say_stop_typed(1605, VAR_ARG2);
        return 0;
    }
    if (cond(has(LID)).AND(here() != 490)) {
        p39();
        return 0;
    }
    if (cond(has(OBJ_CHEST)).OR(has(LID))) {
        if (cond(value[OBJ_IMP] == 2)) {
            say_stop(2333);
            return 0;
        }
        value[OBJ_CHEST] = 1;
        say_stop(2334);
        return 0;
    }
    if (cond(has(OBJ_VAULT_DOOR)).OR(carried(KEY))) return 0;
    if (cond(has(HATCH))) {
        call_proc(797);
        if (loop) return 0;
    }
    p625(ref(KEY));
    return 0;
}

// The hatch, with the key: once the hills have woken, or while the wraith
// is out, it stays shut.
int p642() {
    if (!cond(has(HATCH))) return 0;
    const int flags = evar(VAR_GAME_FLAGS);
    if (cond(value[VAR_PHASE] > 4).OR(bitest(flags, 2))) {
        say(0, 1324, 0);
        if (cond(value[VAR_PHASE] > 4)) {
            bitmod('s', flags, 3);
            if (!cond(bitest(HATCH, HATCH_REFUSED_TOLD))) {
                bitmod('s', HATCH, HATCH_REFUSED_TOLD);
                say_stop(1421);
                return 0;
            }
        }
        loop = 1;
        return 0;
    }
    value[HATCH] = 1;
    bitmod('c', DELL, PFLAG_HINT_AVAILABLE);
    say_stop_variant(1323, cond(has(WORD_OPEN)) ? 2 : 1);
    return 0;
}

// The lynx's collar: unfastened only while the lynx is calm.
int p643() {
    if (!cond(has(OBJ_COLLAR))) return 0;
    if (cond(value[OBJ_LYNX] == 0)) {
        say_stop(1328);
        return 0;
    }
    value[OBJ_COLLAR] = 1;
    value[OBJ_LYNX] = 2;
    say_stop(1468);
    return 0;
}

// Chain part of p638 (word 767 ("open")), part 6 of 12: object 8 (door).
int p644() {
    if (!cond(has(OBJ_DOOR)).AND(near(OBJ_DOOR))) return 0;
    if (cond(value[OBJ_DOOR] == 0))
        say_stop(1404);
    else
        say_stop(1267);
    return 0;
}

// The rune door opens only to Keln speech, from either side.
int p645() {
    if (!cond(has(OBJ_RUNE_SLAB)).AND(near(OBJ_RUNE_SLAB))) return 0;
    if (cond(value[VAR_DWARVISH] == 1)) {
        if (cond(value[PLACE_RUNE_DOOR] == 1)) {
            say_stop_typed(1605, OBJ_DOOR);
            return 0;
        }
        hold_ref(VAR_WORK_WORD, cond(here() == PLACE_RUNE_DOOR) ? 808 : 807);
        p652();
        if (loop) return 0;
    }
    if (cond(value[PLACE_RUNE_DOOR] == 1)) say(SAY_ARG | SAY_ARGVAR, 1605, OBJ_DOOR);
    say_stop_typed(2504, OBJ_DOOR);
    return 0;
}

// The hoard doors: from outside (472) opening them turns the hourglass on;
// from inside (473) they open without it. Locked (0), they stay shut.
int p646() {
    if (!cond(has(OBJ_HOARD_DOORS))) return 0;
    const int s = value[OBJ_HOARD_DOORS];
    if (cond(here() == PLACE_HOARD_DOOR)) {
        if (cond(s == 0)) {
            say_stop(1895);
        } else if (cond(s == 2)) {
            value[OBJ_HOARD_DOORS] = 1;
            value[OBJ_HOURGLASS] += 1;
            value[PLACE_HOARD_DOOR] = 1;
            say_stop(2513);
        } else {
            say_stop_typed(1605, OBJ_DOOR);
        }
    } else if (cond(here() == PLACE_HOARD)) {
        if (cond(s == 0)) {
            say_stop(2504);
        } else if (cond(s == 2)) {
            value[OBJ_HOARD_DOORS] = 1;
            value[PLACE_HOARD_DOOR] = 1;
            say_stop(1267);
        } else {
            say_stop_typed(1605, OBJ_DOOR);
        }
    }
    return 0;
}

// The gate and its two sides open together; in the hourglass phase it
// will not move.
int p647() {
    if (!cond(has(OBJ_GATE)).AND(near(OBJ_GATE))) return 0;
    if (cond(value[VAR_PHASE] == 5)) {
        say_stop(2504);
        return 0;
    }
    if (cond(value[OBJ_GATE] == 1)) {
        say_stop_typed(1605, OBJ_DOOR);
        return 0;
    }
    value[OBJ_GATE] = value[PLACE_YARD] = value[PLACE_GATEHOUSE] = 1;
    say_stop_variant(2611, 1);
    return 0;
}

// The vault door opens to its word, not by hand.
int p648() {
    if (!cond(has(OBJ_VAULT_DOOR)).AND(near(OBJ_VAULT_DOOR))) return 0;
    if (cond(value[OBJ_VAULT_DOOR] == 0))
        say_stop(1604);
    else if (cond(value[OBJ_VAULT_DOOR] == 1))
        say_stop_typed(1605, VAR_ARG2);
    else
        say_stop(1606);
    return 0;
}

// The vial unstoppered: at the basin the spirit in it comes out.
int p649() {
    if (!cond(has(VIAL)).AND(near(VIAL))) return 0;
    if (!cond(value[VIAL] <= 1)) {
        say_stop_typed(1605, VAR_ARG2);
        return 0;
    }
    value[VIAL] = 2;
    if (cond(isat(VIAL, -1, 0, BASIN))) {
        apport(OBJ_SPIRIT, BASIN);
        say_stop(1630);
        return 0;
    }
    say_stop(1631);
    return 0;
}

// The trap between the hoard gallery and the well head.
int p650() {
    if (!cond(has(OBJ_TRAP))) return 0;
    if (cond(near(OBJ_TRAP))) {
        if (cond(value[OBJ_TRAP] == 0)) {
            value[OBJ_TRAP] = 1;
            say_stop_variant(2516, cond(here() == PLACE_HOARD_GALLERY) ? 0 : 1);
        } else {
            say_stop_typed(1605, OBJ_TRAP);
        }
        return 0;
    }
    if (cond(here() == PLACE_HOARD).OR(here() == 476)) say_stop(2209);
    return 0;
}

// Word 768 ("unlock"): the hatch wants the key; the slab, the doors and the gate have no lock;
// anything else is opening.
int p873() {
    default_to(0, here(), OFLAG_OPENABLE);
    if (cond(has(HATCH)).AND(lies_here(HATCH)).AND(value[HATCH] == 0).AND(!carried(KEY))) {
        p625(ref(KEY));
        return 0;
    }
    if (cond(anyof(OBJ_RUNE_SLAB, OBJ_HOARD_DOORS, OBJ_GATE, -1))) {
        say_stop(2508);
        return 0;
    }
    call_proc(WORD_OPEN);
    return 0;
}

// Word 813 ("unwrap"): unwrapping the bundle carried is opening it; anything else near cannot be
// unwrapped.
int p829() {
    if (cond(has(OBJ_BUNDLE)).AND(carried(OBJ_BUNDLE))) {
        call_proc(WORD_OPEN);
        if (loop) return 0;
    }
    if (cond(two_words()).AND(near(arg2()))) say_stop(2464);
    return 0;
}

// Word 814 ("dump"): the bait is thrown, the bundle opened, a liquid or a vessel poured.
int p798() {
    if (cond(has(138))) {
        call_proc(793);
        if (loop) return 0;
    }
    if (cond(has(OBJ_BUNDLE))) {
        call_proc(WORD_OPEN);
        if (loop) return 0;
    }
    if (cond(anyof(OBJ_LIQUID_1, OBJ_LIQUID_2, OBJ_LIQUID_3, OBJ_LIQUID_4, OBJ_VESSEL_MEDIUM, VIAL,
                   OBJ_VESSEL_LARGE, -1)))
        call_proc(787);
    return 0;
}
