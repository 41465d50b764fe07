// The encounter words, answered by what creature or thing is near: feeding
// (795), petting (782), following (763), calling the wisp (842) and
// detonating the rod (847).
#include "game.h"

using namespace rows;

namespace {

// Whether a creature that feeding or petting concerns is named.
int names_a_creature() {
    return cond(anyof(OBJ_LYNX, OBJ_KEEPER, OBJ_FIREFLY, OBJ_LIZARD, OBJ_ATTACKER, OBJ_SENTINEL, OBJ_WATCHER, -1))
        .OR(anyof(OBJ_FOLLOWER, OBJ_GRIFFIN, OBJ_CREEPER, -1));
}

int feed_lynx() {
    value[OBJ_LYNX] = 1;
    apport(OBJ_BREAD, PLACE_OFFSTAGE);
    if (cond(value[OBJ_AXE] == 1)) value[OBJ_AXE] = 0;
    say_stop(1465);
    return 1;
}

int feed_lizard() {
    p945();
    if (loop) return 1;
    say_stop(1397);
    return 1;
}

int feed_griffin() {
    p306();
    if (loop) return 1;
    p39();
    return 1;
}

// Feeding a creature that is near, first match.
constexpr row FED[] = {
    first(),
        group({OBJ_LYNX}),
            first(),
                when(object_near(OBJ_BREAD), step(feed_lynx)),
                otherwise(), reply(1398, arg_of(OBJ_LYNX)), end(),
            end(),
        end(),
        reply({OBJ_KEEPER}, 1482),
        group({OBJ_LIZARD}),
            first(),
                when(object_carried(OBJ_FIREFLY), step(feed_lizard)),
                otherwise(), reply(1398, arg_of(OBJ_LIZARD)), end(),
            end(),
        end(),
        group({OBJ_ATTACKER}),
            first(),
                when(value_over(VAR_PHASE, 4), reply(1403)),
                otherwise(), set_flag(OBJ_ATTACKER, 14), reply(1399), end(),
            end(),
        end(),
        call({OBJ_FIREFLY}, p305),
        group({OBJ_SENTINEL}),
            first(),
                when(value_is(OBJ_SENTINEL, 0), reply(1398, arg_of(OBJ_SENTINEL))),
                otherwise(), reply(1464), end(),
            end(),
        end(),
        group({OBJ_WATCHER}),
            first(),
                when(value_under(OBJ_WATCHER, 2), reply(2481)),
                otherwise(), reply(1464), end(),
            end(),
        end(),
        reply({OBJ_FOLLOWER}, 1628),
        when([] { return cond(has(OBJ_CREEPER)).AND(cond(here() == PLACE_CREEPER_HALL).OR(here() == PLACE_PLANT_HOLLOW)); },
             call(p304)),
        step({OBJ_GRIFFIN}, feed_griffin),
        otherwise(), call(p39), end(),
    end(),
};

}  // namespace

int p301() { return run_chain({p302, p303}); }

// Chain part of p301 (word 795 ("feed")), part 1 of 2: chunk 1.
int p302() {
    default_to(0, here(), OFLAG_ADDRESSABLE);
    if (!names_a_creature()) return 0;
    if (cond(!near(arg2()))) {
        p39();
        return 0;
    }
    return run<FED>();
}

// Chain part of p301 (word 795 ("feed")), part 2 of 2: chunk 2.
int p303() {
    if (cond(words() == 1)) return 0;
    if (cond(bitest(arg2(), FLAG_IS_OBJECT)).AND(near(arg2())))
        say_stop(1403);
    else
        p39();
    return 0;
}

// Word 782 ("pet"): petting a creature near.
int p673() {
    if (cond(cond(anyof(OBJ_ATTACKER, OBJ_LIZARD, OBJ_FIREFLY, OBJ_SENTINEL, OBJ_KEEPER, OBJ_LYNX, OBJ_PHANTOM,
                        OBJ_BRUTE, OBJ_WATCHER, -1))
                 .OR(anyof(OBJ_FOLLOWER, OBJ_GRIFFIN, -1)))
            .AND(near(arg2())))
        say_stop(1301);
    return 0;
}

namespace {

int at_any(std::initializer_list<int> places) {
    for (int p : places)
        if (here() == p) return 1;
    return 0;
}

int follow_alone() { return words() == 1; }

// Following a creature that can be spoken to.
constexpr row FOLLOWED[] = {
    first(),
        reply({OBJ_LYNX}, 1463, arg(1)),
        reply({OBJ_BRUTE, OBJ_SPIDER, OBJ_IMP}, 2714, arg_of(VAR_ARG2)),
        reply({OBJ_ATTACKER}, 2715, arg_of(OBJ_ATTACKER)),
        reply({OBJ_FIREFLY}, 1874),
        otherwise(), call(p39), end(),
    end(),
};

}  // namespace

// Word 763 ("cross"): crossing the stream and the other crossings of the surface, where the place
// has none of its own.
int p162() {
    if (cond(at_any({PLACE_START, PLACE_VALLEY, PLACE_STREAMBED, PLACE_STREAM_SINK, PLACE_FUME_SHAFT,
                     PLACE_STREAM_GALLERY, PLACE_UPSTREAM_POOL})).AND(cond(has(WORD_STREAM)).OR(follow_alone()))) {
        say_stop(1967);
        return 0;
    }
    if (cond(at_any({PLACE_START, PLACE_PATH, PLACE_FOOTBRIDGE, PLACE_FAR_END_OF_FOOTBRIDGE, PLACE_SUNKEN_WAY,
                     PLACE_HOLLOW_WAY})).AND(cond(has(PLACE_PATH)).OR(follow_alone()))) {
        say_stop(2712);
        return 0;
    }
    if (cond(at_any({PLACE_START, PLACE_WOODSIDE, PLACE_ROAD, PLACE_THICKET_GAP})).AND(cond(anyof(PLACE_START,
                     PLACE_ROAD, -1)).OR(follow_alone()))) {
        say_stop(2704);
        return 0;
    }
    if (cond(at_any({PLACE_FOOT_OF_FALLS, PLACE_MIDDLE_OF_FALLS})).AND(cond(has(WORD_STREAM)).OR(follow_alone()))) {
        say_stop(1968);
        return 0;
    }
    default_to(0, here(), OFLAG_ADDRESSABLE);
    if (cond(follow_alone())) {
        say_stop(2713);
        return 0;
    }
    // A creature named that is not here cannot be followed either: the
    // fallback answers as for anything else.
    if (cond(!bitest(arg2(), OFLAG_ADDRESSABLE)).OR(!near(arg2()))) {
        p39();
        return 0;
    }
    return run<FOLLOWED>();
}

// Word 842 ("call"): calling the wisp (gone, near, or far off), or anything else to no effect.
int p408() {
    if (cond(words() == 2)) {
        flush_command();
        say(0, 1352, 0);
    } else if (cond(words() == 1)) {
        if (cond(isat(OBJ_WANDERER, -1, 0, PLACE_GONE))) {
            say_stop(2011);
            return 0;
        }
        if (cond(near(OBJ_WANDERER))) {
            say_stop(1783);
            return 0;
        }
        if (cond(near(OBJ_CHASM)).AND(value[OBJ_CHASM] > 0).OR(near(OBJ_SPIDER)).OR(here() == PLACE_SIDE_CELL).OR(near(OBJ_SENTINEL))) {
            p658(num(0), num(30));
            if (loop) return 0;
        }
        if (cond(here_has(PFLAG_LIT))
                .OR(here_has(PFLAG_CREATURE_FREE))
                .OR(here_has(7))
                .OR(within(here(), PLACE_RING_WALK_547, PLACE_GONE))) {
            say_stop(2011);
            return 0;
        }
        int d = getloc(OBJ_WANDERER) - here();
        if (d < 0) d = -d;
        p658(num(3 * (d - 1)), num(6 * (d - 1)));
        if (loop) return 0;
    }
    loop = 1;
    return 0;
}

// Word 847 ("detonate"): detonating the rod in the end game: near it is death, gone it is spent.
int p61() {
    if (cond(value[VAR_PHASE] == 6).AND(is_seen(OBJ_ROD))) {
        if (cond(isat(OBJ_ROD, -1, 0, PLACE_GONE))) {
            say_stop(1876);
            return 0;
        }
        if (cond(near(OBJ_ROD))) {
            say(0, 1846, 0);
            p154();
            return 0;
        }
        if (cond(here() == PLACE_EYRIE)) {
            say(0, 1847, 0);
            p154();
            return 0;
        }
        bitmod('s', PLACE_FAR_POST, PFLAG_VISITED);
        hold_ref(VAR_THERE, PLACE_INNER_POST);
        apport(OBJ_ROD, PLACE_GONE);
        apport(OBJ_ATTACKER, PLACE_GONE);
        apport(OBJ_GRIFFIN, VAR_HERE);
        say_stop(1848);
        return 0;
    }
    say_stop(1357);
    return 0;
}
