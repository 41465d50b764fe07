// Opening (word 767): a chain of twelve parts, the basin's spirit first,
// then the things that are refused or handled elsewhere, then each thing
// that opens: the hatch (with the key), the lynx's collar, the iron door,
// the rune door, the hoard doors, the gate, the vault, the vial and the
// trap. Unlocking (768), unwrapping (813) and tipping (814) lead here too.
#include "game.h"

using namespace rows;

namespace {
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
    hold_ref(VAR_ARG1, WORD_UNLOCK);
    hold_ref(VAR_ARG2, OBJ_LOCKED_GATE);
    call_proc(WORD_UNLOCK);
    return 0;
}

int at(int a, int b) { return cond(here() == a).OR(here() == b); }

// The things that do not open, or open by other means.
constexpr row OPEN_GENERAL[] = {
    reply({WORD_ZENDRY}, 1339),
    when(object_near(OBJ_FRUIT), reply({OBJ_FRUIT}, 1771)),
    when(object_near(OBJ_LOCKED_GATE), step({WORD_CLOSE}, unlock_hatch)),
    step(default_openable),
    call({OBJ_JAR}, p232),
    when([] { return cond(two_words()).AND(!near(arg2())); }, call(p39)),
    when([] { return cond(!anyof(OBJ_VESSEL_MEDIUM, OBJ_RELIQUARY, OBJ_STRONGBOX, OBJ_JAR, OBJ_COFFER, OBJ_CASKET,
                                 OBJ_FLASK, OBJ_OPENER, OBJ_GRILLE, OBJ_BUNDLE, OBJ_TRAPDOOR, -1)); },
         ret()),
    first(),
        reply({OBJ_VESSEL_MEDIUM}, 1936),
        when([] { return cond(is_seen(OBJ_AUTOMATON)); }, reply({OBJ_RELIQUARY}, 1935, arg(0))),
        reply({OBJ_RELIQUARY}, 1935, arg(1)),
        reply({OBJ_STRONGBOX}, 1855),
        reply({OBJ_JAR}, 1267),
        call({OBJ_COFFER, OBJ_CASKET}, p651),
        call({OBJ_FLASK}, p73),
        reply({OBJ_OPENER}, 1344),
        when(here_is(PLACE_GLINT_GROTTO), reply({OBJ_TRAPDOOR}, 2094)),
        reply({OBJ_TRAPDOOR}, 2095),
        reply({OBJ_GRILLE}, 1727),
        group({OBJ_BUNDLE}),
            when([] { return cond(at(PLACE_CREEPER_HALL, PLACE_PLANT_HOLLOW)); }, call(p304)),
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
    if (!cond(has(PLACE_BASIN))) return 0;
    if (!cond(here() == PLACE_BASIN)) {
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
    if (!cond(anyof(OBJ_LOCKED_GATE, OBJ_COLLAR, OBJ_VAULT_DOOR, OBJ_CHEST, -1))) return 0;
    const int s = value_of(arg2());
    if (cond(has(OBJ_CHEST)).AND(s > 0).OR(s == 1)) {
        say_stop_typed(1605, VAR_ARG2);
        return 0;
    }
    if (cond(has(WORD_LID)).AND(here() != PLACE_CHEST_ROOM)) {
        p39();
        return 0;
    }
    if (cond(has(OBJ_CHEST)).OR(has(WORD_LID))) {
        if (cond(value[OBJ_IMP] == 2)) {
            say_stop(2333);
            return 0;
        }
        value[OBJ_CHEST] = 1;
        say_stop(2334);
        return 0;
    }
    if (cond(has(OBJ_VAULT_DOOR)).OR(carried(OBJ_OPENER))) return 0;
    if (cond(has(OBJ_LOCKED_GATE))) {
        call_proc(WORD_LIFT);
        if (loop) return 0;
    }
    p625(ref(OBJ_OPENER));
    return 0;
}

// The hatch, with the key: once the hills have woken, or while the wraith
// is out, it stays shut.
int p642() {
    if (!cond(has(OBJ_LOCKED_GATE))) return 0;
    const int flags = evar(VAR_GAME_FLAGS);
    if (cond(value[VAR_PHASE] > 4).OR(bitest(flags, 2))) {
        say(0, 1324, 0);
        if (cond(value[VAR_PHASE] > 4)) {
            bitmod('s', flags, 3);
            if (!cond(bitest(OBJ_LOCKED_GATE, HATCH_REFUSED_TOLD))) {
                bitmod('s', OBJ_LOCKED_GATE, HATCH_REFUSED_TOLD);
                say_stop(1421);
                return 0;
            }
        }
        loop = 1;
        return 0;
    }
    value[OBJ_LOCKED_GATE] = 1;
    bitmod('c', PLACE_DELL, PFLAG_HINT_AVAILABLE);
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
        hold_ref(VAR_WORK_WORD, cond(here() == PLACE_RUNE_DOOR) ? WORD_PUSH : WORD_PULL);
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
    if (!cond(has(OBJ_VESSEL_SMALL)).AND(near(OBJ_VESSEL_SMALL))) return 0;
    if (!cond(value[OBJ_VESSEL_SMALL] <= 1)) {
        say_stop_typed(1605, VAR_ARG2);
        return 0;
    }
    value[OBJ_VESSEL_SMALL] = 2;
    if (cond(isat(OBJ_VESSEL_SMALL, -1, 0, PLACE_BASIN))) {
        apport(OBJ_SPIRIT, PLACE_BASIN);
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
    if (cond(here() == PLACE_HOARD).OR(here() == PLACE_HOARD_LEDGE)) say_stop(2209);
    return 0;
}

// Word 768 ("unlock"): the hatch wants the key; the slab, the doors and the gate have no lock;
// anything else is opening.
int p873() {
    default_to(0, here(), OFLAG_OPENABLE);
    if (cond(has(OBJ_LOCKED_GATE)).AND(lies_here(OBJ_LOCKED_GATE)).AND(value[OBJ_LOCKED_GATE] == 0).AND(!carried(OBJ_OPENER))) {
        p625(ref(OBJ_OPENER));
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
    if (cond(has(OBJ_BAIT))) {
        call_proc(WORD_THROW);
        if (loop) return 0;
    }
    if (cond(has(OBJ_BUNDLE))) {
        call_proc(WORD_OPEN);
        if (loop) return 0;
    }
    if (cond(anyof(OBJ_LIQUID_1, OBJ_LIQUID_2, OBJ_LIQUID_3, OBJ_LIQUID_4, OBJ_VESSEL_MEDIUM, OBJ_VESSEL_SMALL,
                   OBJ_VESSEL_LARGE, -1)))
        call_proc(WORD_POUR);
    return 0;
}
