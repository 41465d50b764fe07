// Throwing, sending off and releasing: an object aimed at the creature or
// thing that is near, an object sent off to where the place says it lands,
// the ball let go for the hound, and the flask of powder, which blows up
// what is near when it is opened and may blow up when it is put down.
#include "game.h"

using namespace rows;

namespace {
constexpr int FLASK_COUNT_LIMIT = 16;
constexpr int FLASK_SAFE_COUNT = 6;      // the flask's counter up to which a put-down is always safe
constexpr int LANDING_VARIANT = 11;      // object flag: the landing text's second wording fits it
constexpr int PROWLER_DOWNED = 8;        // flag of VAR_GAME_FLAGS_3: the same, for good

// The object aimed or sent off.
int thrown() { return value[VAR_ARG2]; }
int throwing() { return has(WORD_THROW); }

// A thrown object that bounces back into the player's hands.
void comes_back() {
    if (cond(throwing())) apport(thrown(), PLACE_CARRIED);
}

// The place of a vessel's spilt liquid outside the dunes is wet.
void wet(int place) {
    if (cond(!within(place, PLACE_NORTH_RIM, PLACE_LOOKOUT_POINT))) bitmod('s', place, PFLAG_EXTRA_REMARK);
}

// Aimed at the prowler: the free room in the player's hands, how often the
// prowler has followed and a plain weapon (the axe or waving, not both)
// make a hit likelier. A hit makes him give back something from his hoard
// and tires him, and very rarely fells him for good; a miss leaves him the
// better of the next attack.
int aim_at_prowler() {
    int chance = 5 * (value[VAR_CARRY_LIMIT] - value[VAR_CARRIED_COUNT]) + 15 * (value[OBJ_ATTACKER] + 2);
    if (cond(cond(has(OBJ_AXE)).AND(!has(WORD_WAVE))).OR(cond(!has(OBJ_AXE)).AND(has(WORD_WAVE)))) chance += 15;
    if (cond(irand(100) < chance)) {
        if (cond(irand(100) < 5).AND(value[OBJ_ATTACKER] == 1).AND(!bitest(VAR_GAME_FLAGS_3, PROWLER_DOWNED))) {
            bitmod('s', VAR_GAME_FLAGS_3, PROWLER_DOWNED);
            value[VAR_ATTACKER_FELLED] = 1;
            say(SAY_ARG | SAY_ARGVAR, 1440, VAR_ARG2);
        } else {
            say(0, 1439, 0);
        }
        p517(num(0));
        if (loop) return 1;
        if (cond(value[OBJ_ATTACKER] > 0)) {
            value[VAR_ATTACK_ESCAPE_CHANCE] = 0;
            value[VAR_ATTACK_CHANCE] = 100;
        }
    } else {
        say(0, 1335, 0);
        value[VAR_ATTACK_ESCAPE_CHANCE] = 0;
        value[VAR_ATTACK_CHANCE] = 100;
    }
    loop = 1;
    return 1;
}

// Aimed at the chained lynx: a thrown axe is caught and kept; anything
// else thrown only angers it; struck at close quarters it may kill.
int aim_at_lynx() {
    if (cond(value[OBJ_LYNX] != 0)) {
        say(SAY_STOP | SAY_ARG | SAY_ARGVAR, 1463, OBJ_LYNX);
        return 1;
    }
    if (cond(throwing())) {
        if (cond(has(OBJ_AXE))) {
            value[OBJ_AXE] = 1;
            say_stop(1462);
        } else {
            say(SAY_STOP | SAY_ARG | SAY_ARGVAR, 1584, VAR_ARG2);
        }
        return 1;
    }
    if (cond(irand(100) < 50)) {
        say_stop(1585);
        return 1;
    }
    say(0, 1586, 0);
    p154();
    return 1;
}

// Aimed at the brute: waving or striking with a weapon is fatal; anything
// else sends him off, and the sword turns up where he stood.
int aim_at_brute() {
    int t = 0;
    if (cond(has(WORD_WAVE)))
        t = 1592;
    else if (cond(has(OBJ_AXE)).OR(has(OBJ_DAGGER)))
        t = 1593;
    if (t) {
        set('T', t, 'c', has(OBJ_DAGGER), nullptr, nullptr);
        say(SAY_ARG | SAY_ARGVAR, t, VAR_ARG2);
        p154();
        return 1;
    }
    bitmod('c', PLACE_GUARDED_PASSAGE, PFLAG_HINT_AVAILABLE);
    bitmod('c', PLACE_GUARDED_PASSAGE, PFLAG_CREATURE_FREE);
    apport(OBJ_BRUTE, PLACE_GONE);
    apport(OBJ_SWORD, here());
    say_stop(1594);
    return 1;
}

// Aimed at the watcher: once calmed it lets the thrown thing fall back;
// before that, it kills.
int aim_at_watcher() {
    if (cond(value[OBJ_WATCHER] > 1)) {
        comes_back();
        say_stop(1464);
        return 1;
    }
    say(SAY_ARG | SAY_ARGVAR, 1624, VAR_ARG2);
    p154();
    return 1;
}

// Nothing near reacts: a thrown object goes back to the player's hands and
// the command goes on; anything else is simply done.
int nothing_reacts() {
    if (cond(throwing())) {
        apport(thrown(), PLACE_CARRIED);
        return 1;
    }
    say_stop(3423);
    return 1;
}

// The first of these that is near decides what an aimed object meets.
constexpr row AIMED_AT[] = {
    first(),
        group(object_near(OBJ_ATTACKER)), step(aim_at_prowler), end(),
        group(object_near(OBJ_LIZARD)),
            step([] { comes_back(); return 0; }),
            reply(1333),
        end(),
        when(object_near(OBJ_SENTINEL), reply(1442, arg_of(VAR_ARG2))),
        group(object_near(OBJ_LYNX)), step(aim_at_lynx), end(),
        when(object_near(OBJ_KEEPER), reply(1455)),
        group(object_near(OBJ_BRUTE)), step(aim_at_brute), end(),
        when(object_near(OBJ_WRAITH), reply(1615, arg_of(VAR_ARG2))),
        group(object_near(OBJ_WATCHER)), step(aim_at_watcher), end(),
        when(object_near(OBJ_SPIRIT), reply(1625, arg_of(VAR_ARG2))),
        group(object_near(OBJ_FOLLOWER)),
            tell(1626, arg_of(VAR_ARG2)),
            call(p154),
        end(),
        group(object_near(OBJ_GIANT)),
            first(),
                when(here_is(PLACE_RIVER_BLUFF), reply(3353, arg_of(VAR_ARG2))),
                otherwise(),
                    tell(1794, arg_of(VAR_ARG2)),
                    call(p154),
                end(),
            end(),
        end(),
        otherwise(), step(nothing_reacts), end(),
    end(),
};

// The flask opened: what is near when it goes off. The nest and the prowler
// have their own outcomes; every other case ends with the blast's text.
constexpr row FLASK_BLAST[] = {
    first(),
        group(object_near(OBJ_NEST)),
            put(OBJ_NEST, PLACE_GONE),
            reply(2823, arg(5)),
        end(),
        group(object_near(OBJ_ATTACKER)),
            tell(1266),
            say_as(SAY_ARG | SAY_ARGVAR, 2822, OBJ_ATTACKER),
            call(p517, num(-1)),
            stop(),
        end(),
        when(object_near(OBJ_KEEPER), reply(2823, arg(0))),
        when(object_near(OBJ_LYNX).AND(value_over(OBJ_LYNX, 0)), reply(2823, arg(2))),
        when(object_near(OBJ_LYNX), reply(2823, arg(1))),
        when(object_near(OBJ_LIZARD), reply(2823, arg(3))),
        when(object_near(OBJ_FIREFLY), reply(2823, arg(4))),
        when(object_near(OBJ_SENTINEL).AND(value_is(OBJ_SENTINEL, 0)), reply(2823, arg(6))),
        when(object_near(OBJ_SPIRIT), reply(2823, arg(7))),
        when(object_near(OBJ_WATCHER).AND(value_under(OBJ_WATCHER, 2)), reply(2823, arg(8))),
        when(object_near(OBJ_FOLLOWER), reply(2823, arg(9))),
        when(object_near(OBJ_SPIDER), reply(2823, arg(10))),
        when(object_near(OBJ_BRUTE), reply(2823, arg(11))),
        when(object_near(OBJ_IMP), reply(2823, arg(12))),
    end(),
    stop(),
};

}  // namespace

// Aims the object named second at whatever is near. Only a carried object
// can be aimed; a thrown one first lands here (except on the river bluff).
int p910() {
    const int x = thrown();
    if (!cond(carried(x))) {
        p625(var(VAR_ARG2));
        if (!loop) loop = 1;
        return 0;
    }
    if (cond(throwing()).AND(here() != PLACE_RIVER_BLUFF)) apport(x, here());
    return run<AIMED_AT>();
}

// An object sent off lands where the place said, with the place's text,
// and the objects that react to the trip do so.
int p878() {
    if (cond(has(OBJ_FIREFLY)).OR(has(OBJ_LYNX))) return 0;
    if (cond(value[VAR_LANDING_TEXT] == 0).AND(value[VAR_LANDING_PLACE] == here())) return 0;
    const int x = thrown();
    if (cond(value[VAR_DROP_TEXT_MODE] == 1)) {
        say(SAY_ARG | SAY_ARGVAR, 2036, VAR_ARG2);
        say(SAY_ARG | SAY_REFVAR, VAR_LANDING_TEXT, cond(bitest(x, FLAG_IS_OBJECT)).AND(bitest(x, LANDING_VARIANT)));
    } else {
        say(SAY_ARG | SAY_ARGVAR | SAY_REFVAR, VAR_LANDING_TEXT, VAR_ARG2);
    }
    const int landing = value[VAR_LANDING_PLACE];
    apport(x, VAR_LANDING_PLACE);
    if (cond(x == OBJ_FUNNEL)) value[OBJ_FUNNEL] = 2;
    if (cond(has(OBJ_URN))) {
        apport(OBJ_URN, PLACE_GONE);
        if (cond(apport(OBJ_SHARDS, VAR_LANDING_PLACE) != PLACE_GONE)) {
            say_stop(1687);
            return 0;
        }
    }
    if (cond(here() == PLACE_STEPWELL).AND(has(OBJ_INGOT))) {
        value[PLACE_NICHE] = 1;
        value[OBJ_LIZARD] = 1;
        say_stop(2170);
        return 0;
    }
    if (cond(has(OBJ_VESSEL_MEDIUM)).AND(value[OBJ_VESSEL_MEDIUM] > 2)) {
        value[OBJ_VESSEL_MEDIUM] = 2;
        wet(landing);
    }
    if (cond(has(OBJ_VESSEL_LARGE)).AND(value[OBJ_VESSEL_LARGE] > 2)) {
        if (cond(value[OBJ_VESSEL_LARGE] == 6)) {
            value[OBJ_VESSEL_LARGE] = 1;
            apport(OBJ_LIQUID_4, VAR_LANDING_PLACE);
        } else {
            value[OBJ_VESSEL_LARGE] = 2;
            wet(landing);
        }
    }
    if (cond(has(OBJ_VESSEL_SMALL)).AND(value[OBJ_VESSEL_SMALL] > 2)) value[OBJ_VESSEL_SMALL] = 2;
    if (cond(has(OBJ_JAR)).AND(carried(OBJ_FIREFLY))) {
        if (cond(apport(OBJ_FIREFLY, VAR_LANDING_PLACE) != PLACE_GONE)) {
            int v = 0;
            if (cond(here() == PLACE_STEPWELL))
                v = 1;
            else
                say(0, 1266, 0);
            say(SAY_ARG, 2035, v);
        }
        loop = 1;
        return 0;
    }
    if (cond(has(OBJ_LIGHT_SOURCE)).AND(value[OBJ_LIGHT_SOURCE] == LIGHT_LIT)) {
        value[OBJ_LIGHT_SOURCE] = 0;
        p487();
        if (loop) return 0;
        if (cond(!light())) {
            p852(num(1));
            if (loop) return 0;
        }
    }
    if (cond(here() == PLACE_STEPWELL)) say(0, 1266, 0);
    loop = 1;
    return 0;
}

// The ball (126) let go: thrown, it flies off like anything sent off;
// otherwise it drops here, and the hound, when near, bounds after it and
// neither is seen again.
int p795() {
    value[OBJ_BALL] = 0;
    if (cond(throwing()).AND(here() != PLACE_BRINK_OF_DROP).AND(!near(OBJ_FOLLOWER))) {
        p878();
        if (loop) return 0;
    }
    say(0, 2001, 0);
    apport(OBJ_BALL, here());
    if (cond(here() == PLACE_BRINK_OF_DROP)) {
        p940();
        if (loop) return 0;
    }
    if (cond(near(OBJ_FOLLOWER))) {
        apport(OBJ_BALL, PLACE_GONE);
        apport(OBJ_FOLLOWER, PLACE_GONE);
        if (cond(light())) {
            say_stop(1629);
            return 0;
        }
        glue_text();
        say(0, 2558, 0);
    }
    loop = 1;
    return 0;
}

// The flask (127) opened: it is used up, and the blast takes what is near.
int p73() {
    apport(OBJ_FLASK, PLACE_GONE);
    say(0, 1581, 0);
    return run<FLASK_BLAST>();
}

// The flask put down. Where the player stands its powder grows touchier each
// time, and from the seventh time on it may go off: (count - 6)² in a
// hundred (the draw is made every time). Put down where the place sends it
// elsewhere, it is gone, and unless it falls into water it goes off out of
// harm's way. A flask that is not carried is left to the general drop.
int p239() {
    // Only one carried: a flask lying anywhere (even at home) is never lost to a drop.
    if (!cond(carried(OBJ_FLASK))) return 0;
    if (cond(value[VAR_DROP_PLACE] == here())) {
        if (cond(value[OBJ_FLASK] < FLASK_COUNT_LIMIT)) value[OBJ_FLASK] += 1;
        const int s = value[OBJ_FLASK] - FLASK_SAFE_COUNT;
        if (cond(s > 0).AND(irand(100) < s * s)) {
            say(0, 1580, 0);
            apport(OBJ_FLASK, PLACE_GONE);
            p154();
        }
        return 0;
    }
    apport(OBJ_FLASK, PLACE_GONE);
    if (cond(value[VAR_DROP_TEXT_MODE] == 1)) {
        say(SAY_ARG | SAY_ARGVAR, 2036, OBJ_FLASK);
        say(SAY_ARG | SAY_REFVAR, VAR_DROP_TEXT, 0);
    } else {
        say(SAY_ARG | SAY_ARGVAR | SAY_REFVAR, VAR_DROP_TEXT, OBJ_FLASK);
    }
    if (cond(value[VAR_DROP_TEXT] == 1776).OR(value[VAR_DROP_TEXT] == 2098))
        loop = 1;
    else
        say_stop(2256);
    return 0;
}
