// The aimed words: attacking (783) the one creature that can be spoken to,
// striking (784) the cloth, the gong and what can be attacked, kicking
// (785) and breaking (800). They hand commands on to one another, and some
// of the creatures kill the player who goes for them.
#include "game.h"

using namespace rows;

namespace {

// The giant is attacked with the first weapon to hand: the sword or the
// dagger (unless the axe is named), then the axe; unarmed, the question.
void aim_at_giant(int weapon) {
    rewrite_word(OBJ_GIANT, weapon);
    p910();
}

int attack_giant() {
    if (cond(!has(OBJ_AXE))) {
        if (cond(carried(OBJ_SWORD)))
            aim_at_giant(OBJ_SWORD);
        else if (cond(carried(OBJ_DAGGER)))
            aim_at_giant(OBJ_DAGGER);
        if (loop) return 1;
    }
    if (cond(carried(OBJ_AXE))) {
        aim_at_giant(OBJ_AXE);
        if (loop) return 1;
    }
    value[VAR_QUESTION] = Q_ADDRESSED_OBJECT;
    say_stop(1337);
    return 1;
}

int attack_watcher() {
    if (cond(value[OBJ_WATCHER] < 2)) {
        say(0, 1623, 0);
        p154();
        if (loop) return 1;
    }
    say_stop(1464);
    return 1;
}

// What is attacked once it is near, first match.
constexpr row ATTACKED[] = {
    first(),
        reply({OBJ_KEEPER}, 1455),
        reply({OBJ_IMP}, 3359),
        reply({OBJ_OTTER}, 2619),
        reply({OBJ_LIZARD}, 1333),
        reply({OBJ_WRAITH}, 1616),
        reply({OBJ_LYNX}, 1463, arg_of(OBJ_LYNX)),
        reply({OBJ_COFFER, OBJ_CASKET}, 1441),
        reply({OBJ_SPIRIT}, 1627),
        reply({OBJ_FERRY}, 2144),
        reply({OBJ_GRIFFIN}, 1754),
        reply({OBJ_SPIDER}, 1785),
        call({OBJ_ATTACKER}, p515),
        call({OBJ_SENTINEL}, p514),
        call({OBJ_BRUTE}, p516),
        step({OBJ_GIANT}, attack_giant),
        group({OBJ_FOLLOWER}), tell(1633), call(p154), end(),
        step({OBJ_WATCHER}, attack_watcher),
        call({OBJ_EEL}, p698),
        call({OBJ_FIREFLY}, p513),
        otherwise(),
            when([] { return cond(near(arg2())); }, reply(3315)),
        end(),
    end(),
};

// The cloth struck: with the stick the dust comes out of it.
void strike_cloth() {
    if (cond(!carried(OBJ_STICK))) {
        say(0, 2228, 0);
        if (cond(carried(OBJ_WAND)).AND(value[3453] == 0))
            say_stop(3453);
        else if (cond(carried(OBJ_DAGGER)).OR(carried(OBJ_PARCHMENT)))
            say_stop(3454);
        else
            say_stop(1266);
        return;
    }
    if (cond(value[OBJ_CLOTH] == 0)) {
        say_stop(2225);
        return;
    }
    if (cond(value[OBJ_CLOTH] == 3).OR(value[OBJ_CLOTH] == 1)) {
        say_stop(2226);
        return;
    }
    value[OBJ_CLOTH] = 3;
    bitmod('s', OBJ_CLOTH, OFLAG_CLOTH_BEATEN);
    if (cond(value[3342] > 0)) {
        bitmod('s', OBJ_CLOTH, OFLAG_CLOTH_AWAKE);
        set_variant(2227, 1);
    }
    say_stop(2227);
}

}  // namespace

// Word 783 ("attack"): attacking what is near; in the dark only the wisp is glimpsed, and in the
// end game attacking the prowler is death.
int p512() {
    if (cond(!light())) {
        if (cond(cond(words() == 1).AND(near(OBJ_WANDERER))).OR(has(OBJ_WANDERER)))
            say_stop(1784);
        else
            say_stop(1565);
        return 0;
    }
    if (cond(has(OBJ_ATTACKER)).AND(value[VAR_PHASE] == 6).AND(near(OBJ_ATTACKER))) {
        say(0, 1853, 0);
        p154();
        if (loop) return 0;
    }
    if (cond(has(OBJ_AUTOMATON))) {
        call_proc(WORD_KICK);
        if (loop) return 0;
    }
    default_to(0, here(), OFLAG_ADDRESSABLE);
    if (cond(words() == 1)) {
        if (cond(arg2() == PARSE_AMBIGUOUS)) {
            bitmod('s', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_ORPHAN);
            say_stop(2608);
        } else {
            say_stop(1331);
        }
        return 0;
    }
    if (cond(!near(arg2()))) return 0;
    return run<ATTACKED>();
}

// Word 784 ("strike"): striking the cloth beats it; striking a creature is attacking it.
int p407() {
    if (!cond(words() == 2)) return 0;
    if (cond(has(OBJ_CLOTH))) {
        // Only a cloth that is here can be struck; one elsewhere is left to
        // the reply to things not near.
        if (cond(!near(OBJ_CLOTH))) return 0;
        strike_cloth();
        return 0;
    }
    if (cond(bitest(arg2(), OFLAG_ADDRESSABLE))) {
        call_proc(WORD_ATTACK);
        return 0;
    }
    if (cond(has(OBJ_GONG)).AND(near(OBJ_GONG))) {
        if (cond(near(OBJ_FERRY))) {
            say_stop(1642);
        } else {
            set_variant(2948, 1);
            set_variant(2949, 1);
            apport(OBJ_FERRY, here());
            say_stop(1643);
        }
        return 0;
    }
    if (cond(has(OBJ_PANE))) {
        call_proc(WORD_BREAK);
        return 0;
    }
    if (cond(anyof(OBJ_AUTOMATON, WORD_WALL, -1)))
        call_proc(WORD_KICK);
    else
        say_stop(1403);
    return 0;
}

// Word 785 ("kick"): kicking the automaton (the first time after the refill is seen, a packet
// drops out), a wall or a thing.
int p511() {
    if (cond(cond(has(OBJ_AUTOMATON)).OR(words() == 1)).AND(near(OBJ_AUTOMATON))) {
        if (cond(is_seen(OBJ_LIGHT_REFILL)).AND(!is_seen(OBJ_PACKET))) {
            bitmod('s', OBJ_PACKET, OFLAG_SEEN);
            apport(OBJ_PACKET, VAR_HERE);
            say_stop(1832);
        } else {
            say_stop(1329);
        }
        return 0;
    }
    if (!cond(words() == 2)) return 0;
    if (cond(has(WORD_WALL))) {
        p39();
        if (loop) return 0;
    }
    if (cond(anyof(WORD_ROCK, WORD_STONE, WORD_ROCKFALL, -1))) {
        say_stop_typed(3426, VAR_ARG2);
        return 0;
    }
    if (cond(anyof(OBJ_DOOR, OBJ_RUNE_SLAB, OBJ_HOARD_DOORS, OBJ_GATE, -1)).AND(near(arg2()))) {
        say_stop(2604);
        return 0;
    }
    if (cond(near(arg2())).AND(has(OBJ_ATTACKER)).AND(near(OBJ_ATTACKER))) {
        say(0, cond(value[VAR_PHASE] == 6) ? 1845 : 1336, 0);
        p154();
        if (loop) return 0;
    }
    call_proc(WORD_BREAK);
    return 0;
}

// Word 800 ("break"): breaking a thing near: the urn shatters, the flask lets go what it holds,
// the pane (deadly in the end game), the snag and the ladder have replies of their own.
int p72() {
    if (cond(words() > 1).AND(bitest(arg2(), FLAG_IS_OBJECT))) {
        if (cond(near(arg2()))) {
            if (cond(has(OBJ_URN))) {
                apport(OBJ_URN, PLACE_GONE);
                apport(OBJ_SHARDS, VAR_HERE);
                say_stop(1495);
                return 0;
            }
            if (cond(has(OBJ_FLASK))) {
                p73();
                if (loop) return 0;
            }
            if (cond(has(OBJ_PANE))) {
                if (cond(value[VAR_PHASE] == 6)) {
                    say(0, 1843, 0);
                    p154();
                    if (loop) return 0;
                }
                say_stop(1851);
                return 0;
            }
            if (cond(has(OBJ_SNAG))) {
                say_stop(cond(value[OBJ_SNAG] == 0) ? 1762 : 2464);
                return 0;
            }
        }
        if (cond(has(OBJ_LADDER))) {
            say_stop(1808);
            return 0;
        }
        say_stop(3315);
        return 0;
    }
    // A lone word, or a second word that is no object while the brief
    // descriptions of visited places are off, gets the plain refusal.
    if (cond(words() == 1).OR(!bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_BRIEF_VISITED))) say_stop(3315);
    return 0;
}
