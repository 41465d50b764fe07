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
    if (cond(near(OBJ_WANDERER))) apport(OBJ_WANDERER,
        cond(here() == PLACE_SIDE_CELL) ? PLACE_LADDER_HALL : PLACE_SIDE_CELL);
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
    if (!cond(cond(near(OBJ_CHASM)).AND(value[OBJ_CHASM] > 0)).OR(near(OBJ_SPIDER))) {
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
    if (cond(near(OBJ_SPIDER))) {
        // The wisp frees the sprite from the spider.
        say(0, 1782, 0);
        apport(OBJ_SPIDER, PLACE_GONE);
        set_variant(3438, 1);
        set_variant(3439, 0);
        value[OBJ_WEB] = 1;
        bitmod('s', OBJ_SPRITE, OFLAG_SEEN);
        if (cond(value[OBJ_AXE] == 2)) value[OBJ_AXE] = 0;
    } else if (cond(near(OBJ_CHASM)).AND(value[OBJ_CHASM] > 0)) {
        if (carries_untransportable()) {
            say_stop(2791);
            if (loop) return 0;
            return 0;
        }
        moveto(here() == PLACE_NEAR_BRIDGEHEAD ? PLACE_FAR_BRIDGEHEAD : PLACE_NEAR_BRIDGEHEAD, -1);
        say_stop(2790);
        if (loop) return 0;
        return 0;
    } else if (cond(near(OBJ_ATTACKER))) {
        say(0, 1782, 0);
        p517(num(1));
        if (loop) return 0;
    } else if (cond(near_in(OBJ_SENTINEL, 0))) {
        apport(OBJ_WANDERER, PLACE_GONE);
        say_stop_variant(1938, cond(is_seen(OBJ_SPRITE)) ? 0 : 1);
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
    bitmod('c', OBJ_SUNSTONE, OFLAG_SCORING);
    bitmod('c', OBJ_JEWEL, OFLAG_SCORING);
    int bauble_missing = 0, delivered = 1;
    for (int obj = FIRST_OBJECT; obj <= LAST_OBJECT && delivered; obj++) {
        if (!cond(bitest(obj, OFLAG_SCORING))) continue;
        if (cond(isat(obj, -1, 0, PLACE_DEPOSIT)).OR(isat(obj, -1, 0, PLACE_GONE)).OR(obj == OBJ_LEDGER)) continue;
        if (cond(obj == OBJ_BAUBLE).AND(!is_seen(OBJ_BAUBLE)))
            bauble_missing = 1;
        else
            delivered = 0;
    }
    if (delivered) {
        // The sunstone by its own place only (see the score).
        const int sunstone = getloc(OBJ_SUNSTONE);
        delivered = cond(sunstone == PLACE_DEPOSIT).OR(sunstone == PLACE_RIVER_BLUFF).OR(sunstone == PLACE_GONE) &&
                    cond(carried(OBJ_JEWEL)).OR(isat(OBJ_JEWEL, -1, 0, PLACE_DEPOSIT)).OR(isat(OBJ_JEWEL, -1, 0,
                                 PLACE_GONE));
    }
    bitmod('s', OBJ_SUNSTONE, OFLAG_SCORING);
    bitmod('s', OBJ_JEWEL, OFLAG_SCORING);
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
    {24, []() -> int { return !is_seen(OBJ_BAUBLE); }},
    {23, []() -> int { return !bitest(OBJ_GRILLE, 13); }},
    {22, []() -> int { return !is_visited(PLACE_HOARD); }},
    {21, []() -> int { return !is_visited(PLACE_SANCTUM); }},
    {20, []() -> int { return !is_visited(PLACE_RING_WALK_547); }},
    {19, []() -> int { return !bitest(OBJ_CLOTH, 13); }},
    {18, []() -> int { return !is_seen(OBJ_STICK); }},
    {17, []() -> int { return !bitest(OBJ_HEADING, 14); }},
    {16, []() -> int { return !bitest(OBJ_CLOTH, OFLAG_SCORING); }},
    {15, []() -> int { return value[OBJ_CREEPER] != 2; }},
    {14, []() -> int { return !is_seen(OBJ_GRIFFIN); }},
    {13, []() -> int { return value[PLACE_SLUICE] != 1; }},
    {12, []() -> int { return !is_seen(OBJ_TORCH); }},
    {11, []() -> int { return !is_seen(OBJ_VESSEL_LARGE); }},
    {10, []() -> int { return !is_seen(OBJ_FUSE); }},
    {9, []() -> int { return !is_seen(OBJ_PARCHMENT); }},
    {8, []() -> int { return value[OBJ_PORTCULLIS] == 0; }},
    {7, []() -> int { return !is_visited(PLACE_SPAN_LEDGE); }},
    {6, []() -> int { return !is_seen(OBJ_JEWEL); }},
    {5, []() -> int { return isat(OBJ_BRUTE, -1, 0, PLACE_GUARDED_PASSAGE); }},
    {4, []() -> int { return value[OBJ_SWORD] == 0; }},
    {3, []() -> int { return isat(OBJ_SPIDER, -1, 0, PLACE_LITTLE_LABYRINTH_457); }},
    {2, []() -> int { return !is_visited(PLACE_LITTLE_LABYRINTH_454); }},
    {1, []() -> int { return !is_visited(PLACE_TOP_OF_PLANT); }},
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
    if (cond(irand(100) <= 9).AND(isat(OBJ_ORB, -1, 0, PLACE_BRINK_OF_DROP))) {
        t = 1700;
        apport(OBJ_ORB, PLACE_BOTTOM_OF_FALL);
        apport(OBJ_STAND, PLACE_GONE);
        orb_falls = 1;
    }
    say(SAY_ARG | SAY_ARGVAR, 2036, VAR_ARG2);
    say(SAY_ARG, t, cond(bitest(obj, 11)) ? 1 : 0);
    apport(obj, PLACE_BOTTOM_OF_FALL);
    if (orb_falls) say(0, 2788, 0);
    loop = 1;
    return 0;
}
