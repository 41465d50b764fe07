// Characters that move by themselves and the progress hints: the wisp that
// shuns light and its encounters in the dark, the check that every treasure
// is home (which starts phase 4), the progress hint that reads the state of
// the game, and the throw into the fall's pool.
#include "game.h"

namespace {

// A place the wisp can be sent to: a real place, with a procedure of its
// own (not an object, nor a refno that no place uses).
int real_place(int r) { return within(r, FIRST_PLACE, LAST_PLACE) && procs[r] != p0; }

}  // namespace

// Moves the wanderer (object 88 (wisp)).
int p659() {
    bitmod('s', OBJ_WANDERER, OFLAG_SEEN);
    if (cond(light())) {
        say(0, 1778, 0);
        say(0, 1266, 0);
    }
    hold_ref(VAR_WORK_PLACE, here());
    const int d = 1 + irand(3);
    if (cond(irand(100) <= 49))
        value[VAR_WORK_PLACE] += d;
    else
        value[VAR_WORK_PLACE] -= d;
    const int to = value[VAR_WORK_PLACE];
    if (cond(!real_place(to)).OR(bitest(to, PFLAG_LIT)).OR(bitest(to, 7)).OR(bitest(to, PFLAG_CREATURE_FREE)))
        set('V', VAR_WORK_PLACE, 'v', 1163, nullptr, nullptr);
    apport(OBJ_WANDERER, value[VAR_WORK_PLACE]);
    if (cond(near(OBJ_WANDERER))) apport(OBJ_WANDERER, cond(here() == 264) ? 262 : 264);
    return 0;
}

namespace {

// The wisp comes to the player after an encounter; it remembers where it
// came from.
int wisp_comes() {
    hold_ref(1163, location[OBJ_WANDERER]);
    apport(OBJ_WANDERER, here());
    loop = 1;
    return 0;
}

// Whether the player carries something that must not be carried off.
int carries_untransportable() {
    for (int obj = FIRST_OBJECT; obj <= LAST_OBJECT; obj++)
        if (cond(carried(obj)).AND(bitest(obj, OFLAG_NO_TRANSPORT))) return 1;
    return 0;
}

}  // namespace

// Encounter replies by what is near.
int p658(arg_pair chance_a, arg_pair chance_b) {
    frame<2> f{chance_a, chance_b};
    if (!cond(cond(near(22)).AND(value[22] > 0)).OR(near(90))) {
        if (cond(irand(100) < f.lvals[0])) {
            say_stop(2011);
            if (loop) return 0;
            return 0;
        }
        if (cond(irand(100) < f.lvals[1])) {
            say_stop(1780);
            if (loop) return 0;
            return 0;
        }
    }
    if (cond(light())) {
        say_stop(1779);
        if (loop) return 0;
        return 0;
    }
    if (cond(near(90))) {
        // The wisp frees the sprite from the spider.
        say(0, 1782, 0);
        apport(90, PLACE_GONE);
        set_variant(3438, 1);
        set_variant(3439, 0);
        value[89] = 1;
        bitmod('s', 91, OFLAG_SEEN);
        if (cond(value[124] == 2)) value[124] = 0;
    } else if (cond(near(22)).AND(value[22] > 0)) {
        if (carries_untransportable()) {
            say_stop(2791);
            if (loop) return 0;
            return 0;
        }
        moveto(here() == 303 ? 304 : 303, -1);
        say_stop(2790);
        if (loop) return 0;
        return 0;
    } else if (cond(near(OBJ_ATTACKER))) {
        say(0, 1782, 0);
        p517(num(1));
        if (loop) return 0;
    } else if (cond(near_in(21, 0))) {
        apport(OBJ_WANDERER, PLACE_GONE);
        say_stop_variant(1938, cond(is_seen(91)) ? 0 : 1);
        if (loop) return 0;
        return 0;
    } else {
        say(0, 1781, 0);
    }
    wisp_comes();
    return 0;
}

// Delivery check (may start phase 4).
int p410(arg_pair report) {
    frame<1> f{report};
    value[VAR_RESULT] = 0;
    if (cond(value[VAR_PHASE] == 8)) return 0;
    // The sunstone and the jewel have places of their own to be in.
    bitmod('c', 100, OFLAG_SCORING);
    bitmod('c', 67, OFLAG_SCORING);
    int bauble_missing = 0, delivered = 1;
    for (int obj = FIRST_OBJECT; obj <= LAST_OBJECT && delivered; obj++) {
        if (!cond(bitest(obj, OFLAG_SCORING))) continue;
        if (cond(isat(obj, -1, 0, PLACE_DEPOSIT)).OR(isat(obj, -1, 0, PLACE_GONE)).OR(obj == 170)) continue;
        if (cond(obj == 143).AND(!is_seen(143)))
            bauble_missing = 1;
        else
            delivered = 0;
    }
    if (delivered) {
        // The sunstone by its own place only (see the score).
        const int sunstone = getloc(100);
        delivered = cond(sunstone == PLACE_DEPOSIT).OR(sunstone == 199).OR(sunstone == PLACE_GONE) &&
                    cond(carried(67)).OR(isat(67, -1, 0, PLACE_DEPOSIT)).OR(isat(67, -1, 0, PLACE_GONE));
    }
    bitmod('s', 100, OFLAG_SCORING);
    bitmod('s', 67, OFLAG_SCORING);
    if (!delivered) return 0;
    if (bauble_missing)
        value[VAR_RESULT] = -1;
    else if (cond(f.lvals[0] == 0).AND(value[VAR_PHASE] < 4))
        value[VAR_PHASE] = 4;  // once: the hourglass that follows never turns back
    else
        value[VAR_RESULT] = 4;
    return 0;
}

namespace {

// The progress hints, from the furthest on (a higher number) to the first
// steps: each that holds overrides those before it.
struct progress {
    int hint;
    int (*holds)();
};

const progress steps[] = {
    {24, []() -> int { return !is_seen(143); }},
    {23, []() -> int { return !bitest(98, 13); }},
    {22, []() -> int { return !is_visited(PLACE_HOARD); }},
    {21, []() -> int { return !is_visited(565); }},
    {20, []() -> int { return !is_visited(547); }},
    {19, []() -> int { return !bitest(63, 13); }},
    {18, []() -> int { return !is_seen(158); }},
    {17, []() -> int { return !bitest(OBJ_HEADING, 14); }},
    {16, []() -> int { return !bitest(63, OFLAG_SCORING); }},
    {15, []() -> int { return value[139] != 2; }},
    {14, []() -> int { return !is_seen(85); }},
    {13, []() -> int { return value[453] != 1; }},
    {12, []() -> int { return !is_seen(145); }},
    {11, []() -> int { return !is_seen(OBJ_VESSEL_LARGE); }},
    {10, []() -> int { return !is_seen(46); }},
    {9, []() -> int { return !is_seen(59); }},
    {8, []() -> int { return value[32] == 0; }},
    {7, []() -> int { return !is_visited(312); }},
    {6, []() -> int { return !is_seen(67); }},
    {5, []() -> int { return isat(25, -1, 0, 385); }},
    {4, []() -> int { return value[125] == 0; }},
    {3, []() -> int { return isat(90, -1, 0, 457); }},
    {2, []() -> int { return !is_visited(454); }},
    {1, []() -> int { return !is_visited(279); }},
};

}  // namespace

// Progress hint.
int p892() {
    set_variant(1877, 0);
    p410(num(1));
    if (loop) return 0;
    int hint = cond(value[VAR_RESULT] == 4) ? 26 : 25;
    for (const progress &s : steps)
        if (cond(s.holds())) hint = s.hint;
    // The same hint twice running is repeated only now and then.
    if (cond(hint == value[1216])) {
        if (cond(irand(100) <= 74)) {
            hint = 0;
        } else {
            hint = jrand(27);
            if (cond(hint < value[1216])) hint = 0;
        }
    } else {
        value[1216] = hint;
    }
    value[1877] = hint;
    say_stop(1877);
    if (loop) return 0;
    return 0;
}

// Throws an object into place 502 (bottom of the fall).
int p846() {
    if (cond(words() == 1)) {
        default_to(0, PLACE_CARRIED, -1);
        if (cond(words() == 1)) return 0;
    }
    const int obj = arg2();
    if (cond(bitest(obj, OFLAG_BLOCKS_PASSAGE))) {
        say_stop_typed(3468, VAR_ARG2);
        if (loop) return 0;
        return 0;
    }
    int t = 1699, orb_falls = 0;
    if (cond(irand(100) <= 9).AND(isat(81, -1, 0, 462))) {
        t = 1700;
        apport(81, 502);
        apport(82, PLACE_GONE);
        orb_falls = 1;
    }
    say(SAY_ARG | SAY_ARGVAR, 2036, VAR_ARG2);
    say(SAY_ARG, t, cond(bitest(obj, 11)) ? 1 : 0);
    apport(obj, 502);
    if (orb_falls) say(0, 2788, 0);
    loop = 1;
    return 0;
}
