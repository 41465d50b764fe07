// Taking and putting down the objects that behave differently from the
// rest: the jar and its firefly, the lynx, the sword in the stone, the
// parchment, the crown, the orb, the sunstone, the urn, the lodestone and
// the vessels; and the two replies of drinking (a portion of liquid, and
// the waterskin that calls the griffin). Each case returns with the turn
// still open when it does not apply, so the general take or drop goes on.
#include "game.h"

using namespace rows;

namespace {
constexpr int NO_FIREFLY_FLIGHT = 18; // place flag: a freed firefly stays even under the sky
constexpr int RESERVE_CAP = 1800;
constexpr int FIREFLY_IN_JAR = 1;     // the firefly's state while caught in the jar

int room_to_carry() { return value[VAR_CARRIED_COUNT] < value[VAR_CARRY_LIMIT]; }
int dropped_here() { return value[VAR_DROP_PLACE] == here(); }
int in_corridor() { return within(here(), PLACE_LONG_CORRIDOR_642, PLACE_LONG_CORRIDOR_650); }

// Adds a portion to the reserve, never past the cap.
void raise_reserve(int amount) {
    value[VAR_RESERVE] += amount;
    if (cond(value[VAR_RESERVE] > RESERVE_CAP)) value[VAR_RESERVE] = RESERVE_CAP;
}

// The firefly freed from the jar with none of the creatures near: under
// the open sky (outside the dunes) it flies off unless the lizard still
// waits for it; anywhere else it stays, and at the brink of the drop the
// player is carried off.
int firefly_free_flight() {
    if (cond(bitest(here(), PFLAG_OPEN_AIR)).AND(!within(here(), PLACE_NORTH_RIM,
                    PLACE_LOOKOUT_POINT)).AND(!bitest(here(), NO_FIREFLY_FLIGHT))) {
        const int idol = near(OBJ_IDOL);
        if (cond(getloc(OBJ_LIZARD) == PLACE_HALL_OF_WAYS)) {
            say(SAY_STOP | SAY_ARG, 2660, cond(idol) ? 0 : 1);
        } else {
            p945();
            if (loop) return 1;
            say(SAY_STOP | SAY_ARG, 2660, cond(idol) ? 2 : 3);
        }
        return 1;
    }
    say(SAY_ARG, 2660, 1);
    if (cond(here() == PLACE_BRINK_OF_DROP)) {
        p940();
        if (loop) return 1;
    }
    loop = 1;
    return 1;
}

// At the watchpost the freed firefly sets off the rod, unless the rod is
// gone already.
int firefly_at_watchpost() {
    if (!cond(here() == PLACE_WATCHPOST).AND(getloc(OBJ_ROD) != PLACE_GONE)) return 0;
    say(SAY_ARG, 1320, 9);
    say(0, 1844, 0);
    p154();
    return 1;
}

// The firefly let out of the jar next to the jar: the first creature near
// decides what becomes of it.
constexpr row FIREFLY_FREED[] = {
    first(),
        group(object_near(OBJ_LIZARD)),
            put(OBJ_LIZARD, PLACE_GONE),
            clear_flag(PLACE_HALL_OF_WAYS, PFLAG_HINT_AVAILABLE),
            clear_flag(PLACE_HALL_OF_WAYS, PFLAG_CREATURE_FREE),
            reply(1320, arg(0)),
        end(),
        group(object_near(OBJ_SENTINEL)),
            first(),
                group(value_is(OBJ_SENTINEL, 0)),
                    call(p945),
                    reply(1320, arg(1)),
                end(),
                otherwise(),
                    reply(1990, arg_of(VAR_ARG2)),
                end(),
            end(),
        end(),
        when(object_near(OBJ_IMP), reply(1320, arg(2))),
        when(object_near(OBJ_KEEPER), reply(1320, arg(3))),
        group(object_near(OBJ_BRUTE)),
            call(p945),
            reply(1320, arg(4)),
        end(),
        group(object_near(OBJ_LYNX)),
            first(),
                group(value_is(OBJ_LYNX, 0)),
                    call(p945),
                    reply(1320, arg(5)),
                end(),
                otherwise(),
                    reply(1320, arg(6)),
                end(),
            end(),
        end(),
        group(object_near(OBJ_WATCHER).AND(value_at_most(OBJ_WATCHER, 1))),
            tell(1320, arg(7)),
            call(p945),
            call(p154),
        end(),
        group(object_near(OBJ_SPIDER)),
            call(p945),
            reply(1320, arg(8)),
        end(),
        group(object_near(OBJ_ATTACKER)),
            call(p945),
            say_as(SAY_ARG | SAY_ARGVAR, 1452, OBJ_ATTACKER),
            stop(),
        end(),
        otherwise(),
            step(firefly_at_watchpost),
            step(firefly_free_flight),
        end(),
    end(),
};

}  // namespace

// Taking the jar (108); the firefly caught in it comes along. No room is
// refused before anything else, even when the jar is carried already.
int p374() {
    if (!cond(near(OBJ_JAR))) return 0;
    if (cond(!room_to_carry())) {
        say(0, 1388, 0);
        flush_command();
        loop = 1;
        return 0;
    }
    if (cond(carried(OBJ_JAR))) {
        say(SAY_STOP | SAY_ARG | SAY_ARGVAR, 1314, OBJ_JAR);
        return 0;
    }
    apport(OBJ_JAR, PLACE_CARRIED);
    say(SAY_ARG | SAY_ARGVAR, 1987, VAR_ARG1);
    if (cond(value[OBJ_FIREFLY] == FIREFLY_IN_JAR)) {
        apport(OBJ_FIREFLY, PLACE_CARRIED);
        if (cond(value[VAR_PHASE] > 5)) {
            bitmod('s', OBJ_FIREFLY, 18);
            bitmod('s', OBJ_JAR, 18);
        }
        say_stop(2005);
        return 0;
    }
    say(SAY_STOP | SAY_ARG | SAY_ARGVAR, 1988, VAR_ARG2);
    return 0;
}

// Taking the firefly (109): only into the jar, only once it has eaten the
// bait, and never while the wand frightens it.
int p373() {
    if (!cond(near(OBJ_FIREFLY))) return 0;
    if (cond(carried(OBJ_FIREFLY))) {
        say(SAY_STOP | SAY_ARG | SAY_ARGVAR, 1314, OBJ_FIREFLY);
        return 0;
    }
    if (cond(value[OBJ_FIREFLY] == FIREFLY_IN_JAR)) {
        p374();
        if (loop) return 0;
    }
    if (cond(near(OBJ_JAR))) {
        if (cond(carried(OBJ_WAND))) {
            say_stop(1316);
            return 0;
        }
        if (cond(!bitest(VAR_GAME_FLAGS_3, 3))) {
            say_stop(2354);
            return 0;
        }
        bitmod('c', PLACE_UPPER_CHAMBER, PFLAG_HINT_AVAILABLE);
        if (cond(carried(OBJ_JAR))) apport(OBJ_FIREFLY, PLACE_CARRIED);
        value[OBJ_FIREFLY] = FIREFLY_IN_JAR;
        say_stop(1992);
        return 0;
    }
    say_stop(1317);
    return 0;
}

// Taking the lynx (39): it follows once it is off its chain.
int p372() {
    if (!cond(near(OBJ_LYNX))) return 0;
    if (cond(carried(OBJ_LYNX))) {
        say_stop(2186);
        return 0;
    }
    if (cond(here() == PLACE_LYNX_DEN).AND(value[OBJ_LYNX] <= 1)) {
        say_stop(1466);
        return 0;
    }
    apport(OBJ_LYNX, PLACE_CARRIED);
    say_stop(2185);
    return 0;
}

// Drawing the sword (125) from its stone takes the strength of the
// honeycake.
int p381() {
    if (!cond(near(OBJ_SWORD)).AND(value[OBJ_SWORD] == 0).AND(room_to_carry())) return 0;
    if (cond(value[OBJ_HONEYCAKE] == 2)) {
        value[OBJ_SWORD] += 1;
        apport(OBJ_SWORD, PLACE_CARRIED);
        bitmod('c', PLACE_QUIET_POCKET, PFLAG_HINT_AVAILABLE);
        say_stop(1578);
        return 0;
    }
    say_stop(1579);
    return 0;
}

// Taking the parchment (59) the first time: the sheet over it is gone, and
// it names one of the four vault words, drawn at random.
int p377() {
    if (!cond(near(OBJ_PARCHMENT)).AND(value[OBJ_PARCHMENT] == 0).AND(room_to_carry())) return 0;
    apport(OBJ_PARCHMENT, PLACE_CARRIED);
    value[OBJ_PARCHMENT] = 1;
    static constexpr int VAULT_WORDS[] = {WORD_PAZHAN, WORD_KELBRIN, WORD_JEVRA, WORD_DATHEL};
    hold_ref(VAR_SPELL_WORD, VAULT_WORDS[irand(4)]);
    apport(OBJ_SHEET, PLACE_GONE);
    if (cond(value[OBJ_VAULT_DOOR] == 0))
        say(SAY_STOP | SAY_ARG | SAY_ARGVAR, 1610, VAR_SPELL_WORD);
    else
        say_stop(1611);
    return 0;
}

// Taking the crown (117) while the prowler stands guard over it.
int p375() {
    if (!cond(lies_here(OBJ_ATTACKER))) return 0;
    if (cond(bitest(OBJ_ATTACKER, 15)))
        say(SAY_STOP | SAY_ARG | SAY_ARGVAR, 2045, OBJ_ATTACKER);
    else
        say_stop(1409);
    return 0;
}

// Taking the orb (81) from its stand; the stand goes with it.
int p376() {
    if (!cond(lies_here(OBJ_ORB))) return 0;
    if (cond(room_to_carry())) {
        apport(OBJ_ORB, PLACE_CARRIED);
        apport(OBJ_STAND, PLACE_GONE);
        say_stop(3423);
        return 0;
    }
    flush_command();
    say_stop(1388);
    return 0;
}

// Taking the sunstone (100): the first time it comes away; once it has
// been put down it stays where it lies.
int p379() {
    if (!cond(near(OBJ_SUNSTONE)).AND(!carried(OBJ_SUNSTONE)).AND(room_to_carry())) return 0;
    if (cond(value[OBJ_SUNSTONE] == 0)) {
        value[OBJ_SUNSTONE] = 1;
        apport(OBJ_SUNSTONE, PLACE_CARRIED);
        // Off its place beside the changing room it is one thing in one
        // place: laid on the bluff it must not also lie in the cottage.
        bitmod('c', OBJ_SUNSTONE, OFLAG_TWO_PLACES);
        say_stop(1828);
        return 0;
    }
    if (cond(getloc(OBJ_SUNSTONE) == here())) say_stop(test("doall") ? 2563 : 1829);
    return 0;
}

// Putting down the firefly while it is in the jar and the jar is near: it
// is let out here, and what is near decides what becomes of it.
int p232() {
    if (!cond(value[OBJ_FIREFLY] == FIREFLY_IN_JAR).AND(near(OBJ_JAR))) return 0;
    apport(OBJ_FIREFLY, here());
    value[OBJ_FIREFLY] = 0;
    return run<FIREFLY_FREED>();
}

// Putting down the jar (108), with the firefly when it is carried too.
int p233() {
    if (!cond(carried(OBJ_JAR))) return 0;
    apport(OBJ_JAR, VAR_DROP_PLACE);
    say(SAY_ARG | SAY_ARGVAR, 1987, VAR_ARG1);
    if (cond(carried(OBJ_FIREFLY))) {
        apport(OBJ_FIREFLY, here());
        say(0, 2005, 0);
        if (cond(!dropped_here())) {
            int v = 0;
            if (cond(here() == PLACE_STEPWELL))
                v = 1;
            else
                say(0, 1266, 0);
            say(SAY_ARG, 2035, v);
            apport(OBJ_FIREFLY, VAR_DROP_PLACE);
        }
    } else {
        say(SAY_ARG | SAY_ARGVAR, 1988, VAR_ARG2);
    }
    if (cond(here() == PLACE_LADDER_TOP)) apport(OBJ_JAR, PLACE_LADDER_HALL);
    if (cond(here() == PLACE_BRINK_OF_DROP)) {
        p940();
        if (loop) return 0;
    }
    loop = 1;
    return 0;
}

// Putting down the urn (56): it breaks unless it lands on the cushion.
int p237() {
    if (!cond(carried(OBJ_URN))) return 0;
    apport(OBJ_URN, VAR_DROP_PLACE);
    if (cond(here() == PLACE_GLINT_GROTTO)) {
        say_stop(3423);
        return 0;
    }
    if (cond(dropped_here())) {
        if (cond(lies_here(OBJ_CUSHION))) {
            value[OBJ_URN] = 1;
            say(0, OBJ_URN, 0);
            value[OBJ_URN] = 0;
        } else {
            value[OBJ_URN] = 2;
            say(0, OBJ_URN, 0);
            apport(OBJ_URN, PLACE_GONE);
            apport(OBJ_SHARDS, here());
        }
    } else {
        say(0, 1687, 0);
        apport(OBJ_URN, PLACE_GONE);
        apport(OBJ_SHARDS, VAR_DROP_PLACE);
    }
    if (cond(here() == PLACE_BRINK_OF_DROP)) {
        p940();
        if (loop) return 0;
    }
    loop = 1;
    return 0;
}

// Putting down the lodestone (102): its needle turns three points each
// time; the first time it comes to rest on the eighth point it says so.
int p236() {
    if (!cond(carried(OBJ_HEADING))) return 0;
    value[OBJ_HEADING] += 3;
    if (cond(value[OBJ_HEADING] > 8)) value[OBJ_HEADING] -= 8;
    apport(OBJ_HEADING, VAR_DROP_PLACE);
    int v;
    if (cond(near(OBJ_HEADING)))
        v = 0;
    else if (cond(in_corridor()))
        v = 3;
    else if (cond(value[VAR_DROP_PLACE] == PLACE_CREEPER_HALL))
        v = 2;
    else
        v = 1;
    set('T', 2561, 'c', v, nullptr, nullptr);
    say(SAY_ARG | SAY_ARGVAR, 2561, OBJ_HEADING);
    if (cond(value[2561] == 3)) {
        glue_text();
        say(SAY_ARG, 2428, 0);
    } else if (cond(value[OBJ_HEADING] == 8).AND(!bitest(OBJ_HEADING, 13))) {
        bitmod('s', OBJ_HEADING, 13);
        say_stop(2301);
        return 0;
    }
    loop = 1;
    return 0;
}

// Putting down the sunstone (100). Under the flue's daylight, or once it has
// been charged there, it blazes and lights the place; otherwise it lies
// dull where it falls.
int p235() {
    if (!cond(carried(OBJ_SUNSTONE))) return 0;
    if (cond(!dropped_here()).AND(value[VAR_DROP_PLACE] == PLACE_CREEPER_HALL)) hold_ref(VAR_DROP_PLACE,
        PLACE_EAST_END_OF_GALLERY);
    apport(OBJ_SUNSTONE, VAR_DROP_PLACE);
    bitmod('c', OBJ_SUNSTONE, 13);
    if (cond(value[OBJ_SUNSTONE] > 1).OR(here() == PLACE_FLUE)) {
        value[OBJ_SUNSTONE] = 3;
        if (cond(here() == PLACE_FLUE)) {
            say(0, 1928, 0);
            if (cond(light())) {
                value[VAR_RESULT] = 0;
            } else {
                bitmod('s', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_LIGHT);
                value[VAR_RESULT] = 1;
            }
            if (cond(near(OBJ_WANDERER))) {
                p659();
                if (loop) return 0;
            }
            if (cond(value[VAR_RESULT] == 1)) {
                say(0, 1266, 0);
                p188(num(WORD_MODE_BRIEF_VISITED));
                if (loop) return 0;
            }
            if (cond(dropped_here())) {
                loop = 1;
            } else if (cond(value[VAR_DROP_TEXT_MODE] == 1)) {
                say(SAY_ARG | SAY_ARGVAR, 1988, OBJ_SUNSTONE);
                say(SAY_STOP | SAY_ARG | SAY_REFVAR, VAR_DROP_TEXT, 0);
            } else {
                say(SAY_STOP | SAY_ARG | SAY_ARGVAR | SAY_REFVAR, VAR_DROP_TEXT, OBJ_SUNSTONE);
            }
            return 0;
        }
        if (cond(!dropped_here())) {
            if (cond(near(OBJ_SUNSTONE))) value[OBJ_SUNSTONE] = 2;
            if (cond(in_corridor())) {
                say(SAY_ARG, 1929, 1);
                say(SAY_STOP | SAY_ARG, 2428, 0);
                return 0;
            }
            say(SAY_ARG, 1929, 2);
        } else {
            say(SAY_ARG, 1929, 0);
            if (cond(!light())) {
                bitmod('s', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_LIGHT);
                bitmod('s', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_MOVED);
                say(0, 1266, 0);
            }
        }
        say_stop(1266);
        return 0;
    }
    if (cond(!dropped_here()).AND(in_corridor())) {
        say(0, 3345, 0);
        say(SAY_STOP | SAY_ARG, 2428, 0);
        return 0;
    }
    if (cond(dropped_here())) set('V', VAR_DROP_PLACE, 'c', 0, nullptr, nullptr);
    if (cond(light()))
        say(SAY_STOP | SAY_ARG | SAY_ARGVAR, 1830, VAR_DROP_PLACE);
    else
        say_stop(1831);
    return 0;
}

// Putting down a vessel (the object named second). A redirected drop empties
// the large vessel, wherever it is, unless the large vessel is the one in
// use holding nectar; the liquid of a full vessel wets the place it falls
// to. A full vessel put down here is set down carefully.
int p238() {
    const int vessel = value[VAR_ARG2];
    if (!cond(carried(vessel))) return 0;
    const int c = value[vessel];
    if (cond(!dropped_here())) {
        const int nectar_in_use = cond(value[VAR_VESSEL] == OBJ_VESSEL_LARGE).AND(value[OBJ_VESSEL_LARGE] == 6);
        value[OBJ_VESSEL_LARGE] = nectar_in_use ? 1 : 2;
        if (cond(value[VAR_VESSEL] == OBJ_VESSEL_SMALL)) return 0;
        if (cond(value[VAR_VESSEL] == OBJ_VESSEL_LARGE).AND(c == 6)) {
            apport(OBJ_LIQUID_4, VAR_DROP_PLACE);
            return 0;
        }
        if (cond(c > 2).AND(!within(here(), PLACE_NORTH_RIM, PLACE_LOOKOUT_POINT))) bitmod('s', evar(VAR_DROP_PLACE),
            PFLAG_EXTRA_REMARK);
    }
    if (cond(c > 2).AND(dropped_here())) {
        apport(vessel, here());
        say(SAY_STOP | SAY_ARG | SAY_ARGVAR, 2246, VAR_ARG2);
    }
    return 0;
}

// Empties the vessel in use as it is put down: thrown at the prowler its
// liquid drenches him; nectar leaves a pool where the vessel lands; any
// other liquid is poured out in the ordinary way.
int p268() {
    if (cond(value[VAR_VESSEL] == 0)) {
        say_stop(3240);
        return 0;
    }
    const int vessel = evar(VAR_VESSEL);
    value[VAR_VESSEL_STATE] = value[vessel];
    if (cond(value[VAR_VESSEL_STATE] <= 2)) {
        say(SAY_STOP | SAY_ARG | SAY_ARGVAR, 1745, VAR_VESSEL);
        return 0;
    }
    if (cond(near(OBJ_ATTACKER)).AND(has(WORD_THROW))) {
        p888();
        if (loop) return 0;
        value[vessel] = 2;
        bitmod('s', OBJ_ATTACKER, 14);
        say(SAY_ARG | SAY_ARGVAR, 2036, VAR_RESULT);
        say(SAY_ARG | SAY_ARGVAR, 1557, VAR_VESSEL);
        say(SAY_STOP | SAY_ARG | SAY_ARGVAR, 1558, OBJ_ATTACKER);
        return 0;
    }
    if (cond(value[VAR_VESSEL_STATE] == 6)) {
        value[vessel] = vessel == OBJ_VESSEL_LARGE ? 1 : 2;
        apport(OBJ_LIQUID_4, VAR_DROP_PLACE);
        say_stop(1374);
        return 0;
    }
    return p218();
}

// The firefly is lost for good; at the hall of ways the lizard can then be
// hinted at. It is out of the jar too: left "in the jar", it would come back
// whenever the jar is taken up (after a death's drop too) or given back by
// the holding place.
int p945() {
    apport(OBJ_FIREFLY, PLACE_GONE);
    value[OBJ_FIREFLY] = 0;
    if (cond(getloc(OBJ_LIZARD) == PLACE_HALL_OF_WAYS)) bitmod('s', PLACE_HALL_OF_WAYS, PFLAG_HINT_AVAILABLE);
    return 0;
}

// A portion of liquid taken in (word 790): `amount` to the reserve (with a
// random part), `text` the portion's reply, `vessel` the vessel drunk from
// or 0 at a source. The large vessel gives four portions (3, 7, 8, 9);
// any other vessel is emptied at once. Tasting (word 791) only says how
// it tastes.
int p902(arg_pair amount, arg_pair text, arg_pair vessel) {
    frame<3> f{amount, text, vessel};
    const int t = f.lvals[1], v = f.lvals[2];
    if (cond(value[OBJ_LIQUID_1] > 0)) {
        if (cond(has(WORD_TASTE))) {
            say_stop_variant(2282, 1);
            return 0;
        }
        say(0, 1362, 0);
    } else {
        if (cond(has(WORD_TASTE))) {
            say_stop_variant(2282, 0);
            return 0;
        }
        if (cond(v == 0)) say(SAY_ARG, t, 0);
    }
    if (cond(v == OBJ_VESSEL_LARGE).AND(value[OBJ_VESSEL_LARGE] <= 8)) {
        if (cond(value[OBJ_LIQUID_1] == 0)) say(0, 3011, 0);
        if (cond(value[OBJ_VESSEL_LARGE] == 3))
            value[OBJ_VESSEL_LARGE] = 7;
        else
            value[OBJ_VESSEL_LARGE] += 1;
    } else if (cond(v > 0)) {
        say(SAY_ARG, t, v);
        value[v] = 2;
    }
    raise_reserve(f.lvals[0] + irand(300));
    value[OBJ_LIQUID_1] = 0;
    loop = 1;
    return 0;
}

// Drinking from the waterskin (84): away from the places with water of
// their own, its draught carries a cry from far off, and the player is
// asked whether to call back; once the griffin has come it only calls
// again.
int p122() {
    value[OBJ_WATERSKIN] = 0;
    const int h = here();
    if (cond(h == PLACE_DEPOSIT).OR(h == PLACE_STREAM_SINK).OR(h == PLACE_CROSSWAYS).OR(h == PLACE_STILL_POOL)) {
        say_stop(1746);
        return 0;
    }
    raise_reserve(600 + irand(151));
    value[OBJ_LIQUID_1] = 0;
    if (cond(bitest(VAR_GAME_FLAGS, 10))) {
        say_stop(2184);
        return 0;
    }
    int v = 0;
    if (cond(bitest(VAR_GAME_FLAGS, 9))) {
        say(0, 2609, 0);
        v = 2;
    } else {
        say(SAY_ARG, 1748, bitest(OBJ_JEWEL, OFLAG_SEEN));
    }
    set('T', 2643, 'c', 1, nullptr, nullptr);
    bitmod('s', VAR_GAME_FLAGS, 9);
    value[VAR_QUESTION] = Q_FILL_FOLLOW_UP;
    say_stop_variant(1749, v);
    return 0;
}
