// The travel rules that many places share: a passage with two ends that
// leads on to whichever end the player did not come from, the refusal of a
// direction close to the lodestone's heading, the walker of the turning
// gallery (335..350), the shifting ways of the dunes (their closed-exit
// sets, the bounce through a closed way and the reshuffle), the whirling
// cave's fork, the quiet pocket's lettering, and the shared rules of the
// long corridor (642..649) and the honeycomb (651..670): their deaths,
// refusals, look replies and the loss of whatever is put down there.
#include "game.h"

using namespace rows;

namespace {

// Places where the lodestone's heading is checked on every move.

// The turning gallery: a cell's way on is in variable cell + 890.
constexpr int GALLERY_WAY_OFFSET = 890;

// The dunes' shifting ways.

// The compass words 745..752 in ring order: direction index 1..8.
int compass_bit(int word) { return within(word, WORD_NORTH, WORD_NORTHWEST) ? 1 << (word - WORD_NORTH) : 0; }

// The ways each dune may have closed, bit k for compass word 745 + k; any
// other place may have any of the eight closed.
struct exit_mask {
    int place, mask;
};
constexpr exit_mask EXIT_MASKS[] = {
    {PLACE_DUNES_594, 0x30}, {PLACE_DUNES_595, 0x71}, {PLACE_DUNES_596, 0xF1}, {PLACE_DUNES_597,
     0xF1}, {PLACE_DUNES_598, 0xD1}, {PLACE_DUNES_599, 0x81}, {PLACE_DUNES_600, 0xFE},
    {PLACE_DUNES_602, 0xDF}, {PLACE_DUNES_603, 0x8F}, {PLACE_DUNES_604, 0x38}, {PLACE_DUNES_606,
     0x7D}, {PLACE_DUNES_608, 0xEF}, {PLACE_DUNES_609, 0xDE}, {PLACE_DUNES_610, 0xBF},
    {PLACE_DUNES_611, 0x57}, {PLACE_DUNES_612, 0x83}, {PLACE_DUNES_613, 0x38}, {PLACE_DUNES_614,
     0x6D}, {PLACE_DUNES_615, 0x8E}, {PLACE_DUNES_616, 0x16}, {PLACE_DUNES_617, 0x0B},
};
int mask_of(int place) {
    for (const exit_mask &m : EXIT_MASKS)
        if (m.place == place) return m.mask;
    return 0xFF;
}

// What the corridor and the honeycomb refuse, by the type each place
// passes: the threshold's word everywhere, and the features a place of
// that type lacks.
constexpr row REFUSED_TYPE_0[] = {reply({PLACE_THRESHOLD, WORD_WALL, PLACE_DELL, WORD_BUTTRESSES}, 1403)};
constexpr row REFUSED_TYPE_1[] = {reply({PLACE_THRESHOLD, WORD_GLEAM, WORD_LIGHT}, 1403)};
constexpr row REFUSED_TYPE_2[] = {reply({PLACE_THRESHOLD, WORD_GLEAM, WORD_COLUMNS}, 1403)};
constexpr row REFUSED_OTHER[] = {reply({PLACE_THRESHOLD}, 1403)};

// The features they answer a look at, by type.
constexpr row LOOK_TYPE_0[] = {
    reply({PLACE_THRESHOLD}, 3034),
    reply({WORD_WALL}, 3038),
    reply({PLACE_DELL, WORD_BUTTRESSES}, 3039),
    reply({WORD_DEPTHS}, 3055),
};
constexpr row LOOK_TYPE_1[] = {
    reply({PLACE_THRESHOLD}, 3034),
    reply({WORD_LIGHT}, 3037),
    reply({WORD_GLEAM}, 2827),
    reply({WORD_DOWN, WORD_DEPTHS}, 2827),
};
constexpr row LOOK_TYPE_2[] = {
    reply({PLACE_THRESHOLD}, 3034),
    reply({WORD_COLUMNS, WORD_ENTRY}, 3036),
    reply({WORD_DOWN, WORD_DEPTHS}, 3040),
    reply({WORD_GLEAM}, 2827),
};
constexpr row LOOK_OTHER[] = {reply({PLACE_THRESHOLD}, 3034)};

// The table of a place's type (0, 1, 2; any other type has only the
// threshold's row).
template <const auto &TYPE_0, const auto &TYPE_1, const auto &TYPE_2, const auto &OTHER>
int by_type(arg_pair type) {
    frame<1> f{type};
    const int t = f.lvals[0];
    if (cond(t == 0)) return run<TYPE_0>();
    if (cond(t == 1)) return run<TYPE_1>();
    if (cond(t == 2)) return run<TYPE_2>();
    return run<OTHER>();
}

// Whatever is put down or sent off in the corridor and the honeycomb is
// lost, with these texts.
constexpr row LOST_HERE[] = {
    land(PLACE_GONE, 2427),
    drop_to(PLACE_GONE, 2428),
};

// The jump into the depths: the text for the place, the player to the
// void, the death.
int jump_to_death(int variant) {
    say(SAY_ARG, 2447, variant);
    moveto(PLACE_GONE, -1);
    p154();
    return 0;
}

}  // namespace

// Passage between two places.
int p329(arg_pair end_a, arg_pair dir_a, arg_pair end_c, arg_pair dir_c) {
    frame<4> f{end_a, dir_a, end_c, dir_c};
    const int a = f.lvals[0], c = f.lvals[2];
    if (cond(c == 0)) {
        if (cond(here_has(PFLAG_OPEN_AIR))) {
            p152(loc(f, 1));
            if (loop) return 0;
        }
        moveto(a, -2);
        return 0;
    }
    if (cond(here_has(PFLAG_OPEN_AIR))) {
        if (cond(value[VAR_THERE] == a))
            p152(loc(f, 3));
        else if (cond(value[VAR_THERE] == c))
            p152(loc(f, 1));
        if (loop) return 0;
    }
    if (cond(value[VAR_THERE] == a))
        moveto(c, -2);
    else if (cond(value[VAR_THERE] == c))
        moveto(a, -2);
    else
        say_stop(1297);
    return 0;
}

// The lodestone (object 102, carried) points one compass way, its state
// 1..8; neither that way nor the ones beside it can be walked.
int p152(arg_pair dir) {
    frame<1> f{dir};
    const int d = f.lvals[0];
    if (cond(d == 0).OR(!carried(OBJ_HEADING))) return 0;
    int k = d - WORD_NORTH + 1;
    int refused = cond(value[OBJ_HEADING] == k);
    if (!refused) {
        k = cond(k == 1) ? 8 : k - 1;
        refused = cond(value[OBJ_HEADING] == k);
    }
    if (!refused) {
        k = cond(k > 6) ? k - 6 : k + 2;
        refused = cond(value[OBJ_HEADING] == k);
    }
    if (refused) say(SAY_STOP | SAY_ARG, 2294, d);
    return 0;
}

// The turning gallery: each cell keeps the way on that first led out of it,
// turned one point each time the player comes through to the whisper
// chamber; the right way leads on, a wrong one leads back a cell.
int p105() {
    const int p = here();
    int d;
    if (cond(words() == 1).OR(within(arg1(), 744, 753)))
        d = arg1();
    else
        d = arg2();
    hold_ref(VAR_DIRECTION_WORD, d);
    int on;
    if (cond(value[p + GALLERY_WAY_OFFSET] == 0)) {
        bitmod('s', p, PFLAG_HINT_AVAILABLE);
        value[p + GALLERY_WAY_OFFSET] = d;
        value[VAR_GALLERY_TURNS] = 0;
        on = d;
    } else {
        on = value[p + GALLERY_WAY_OFFSET] + value[VAR_GALLERY_TURNS] - 8;
        if (cond(on < WORD_NORTH)) on += 8;
    }
    if (cond(d == on)) {
        if (cond(p == PLACE_TURNING_GALLERY_350)) {
            value[VAR_GALLERY_TURNS] += 1;
            if (cond(value[VAR_GALLERY_TURNS] == 8)) value[VAR_GALLERY_TURNS] = 0;
            moveto(PLACE_WHISPER_CHAMBER, -2);
        } else {
            moveto(p + 1, -2);
        }
        return 0;
    }
    if (cond(p == PLACE_TURNING_GALLERY_347)) {
        if (cond(value[VAR_GALLERY_SIDE_WAY] == 0)) {
            value[VAR_GALLERY_SIDE_WAY] = d;
            moveto(PLACE_MAZE_CROSSING, -2);
            return 0;
        }
        int side = value[VAR_GALLERY_SIDE_WAY] + value[VAR_GALLERY_TURNS] - 9;
        for (int i = 0; i < 2; i++)
            if (cond(side < WORD_NORTH)) side += 8;
        moveto(cond(d == side) ? PLACE_MAZE_CROSSING : PLACE_TURNING_GALLERY_346, -2);
    } else if (cond(p == PLACE_TURNING_GALLERY_335)) {
        int back = on - 4;
        if (cond(back < WORD_NORTH)) back += 8;
        if (cond(d == back)) {
            value[VAR_GALLERY_BACK_WAY] = on;
            value[PLACE_STILL_POOL] = on - WORD_NORTH;  // the bit of the way turned back by
            moveto(PLACE_STILL_POOL, -2);
        } else {
            moveto(PLACE_TURNING_GALLERY_335, -2);
        }
    } else {
        moveto(p - 1, -2);
    }
    return 0;
}

// A new closed-exit set for a dune: one draw of 1..255, masked by the ways
// that dune may close.
int p808(arg_pair place) {
    frame<1> f{place};
    const int p = f.lvals[0];
    value[p] = (irand(255) + 1) & mask_of(p);
    return 0;
}

// The sands shift where the player stands.
int p65() {
    if (cond(!bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_MOVED))) {
        say(0, 1266, 0);
        say(0, 2314, 0);
    } else {
        say(0, 2314, 0);
        say(0, 1266, 0);
    }
    p808(var(VAR_HERE));
    set('V', VAR_REMEMBERED_PLACE, 'c', 0, nullptr, nullptr);
    set('V', VAR_TURNS_SINCE_SHUFFLE, 'c', 0, nullptr, nullptr);
    return 0;
}

// Every turn on the dunes: a first arrival draws the place's closed ways; a
// move made through a way that the previous place had closed is undone; and
// the longer the sands have lain still, the likelier they shift.
int p212() {
    const int h = here();
    bitmod('c', h, PFLAG_VISITED);
    const int moved = bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_MOVED);
    if (cond(moved).AND(value[h] == 0)) p808(ref(h));
    const int there = value[VAR_THERE];
    if (cond(bitest(there, PFLAG_SHIFTING_EXITS)).AND(bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_MOVED))) {
        if (cond(h == value[VAR_REMEMBERED_PLACE])) {
            set('V', VAR_REMEMBERED_PLACE, 'v', VAR_THERE, nullptr, nullptr);
            return 0;
        }
        int d;
        if (cond(within(arg1(), 744, 753)))
            d = arg1();
        else if (cond(has(WORD_GO)).AND(within(arg2(), 744, 753)))
            d = arg2();
        else
            d = 0;
        if (cond(d == 0)) return 0;
        if (cond(d == value[VAR_WAY_LET_THROUGH])) {
            set('V', VAR_REMEMBERED_PLACE, 'v', VAR_THERE, nullptr, nullptr);
            value[VAR_WAY_LET_THROUGH] = 0;
            p808(ref(h));
        } else {
            // The words on either side of the compass (744, 753) close no way.
            value[VAR_WORK_BIT] = compass_bit(d);
            value[VAR_WORK_SET] = value[there] & value[VAR_WORK_BIT];
            if (cond(value[VAR_WORK_SET] > 0)) {
                say(SAY_ARG, 2313, d);
                moveto(there, -1);
                set('V', VAR_THERE, 'v', VAR_REMEMBERED_PLACE, nullptr, nullptr);
                bitmod('c', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_MOVED);
                value[VAR_REFUSED_WAY] = d;
            }
        }
    }
    const int chance = cond(value[VAR_TURNS_SINCE_SHUFFLE] == 6) ? 100 : 5 * value[VAR_TURNS_SINCE_SHUFFLE];
    value[VAR_TURNS_SINCE_SHUFFLE] += 1;
    if (cond(irand(100) < chance)) p65();
    say(0, 1266, 0);
    return 0;
}

// The whirling cave throws the player out to the quiet pocket one time in
// five, else back into itself.
int p542() {
    if (cond(irand(100) < 20))
        moveto(PLACE_QUIET_POCKET, -2);
    else
        moveto(PLACE_WHIRLING_CAVE, -2);
    return 0;
}

// The lettering read: the quiet pocket remembers it.
int p702() {
    value[PLACE_QUIET_POCKET] = 1;
    say_stop(1813);
    return 0;
}

int p20(arg_pair type) { return by_type<REFUSED_TYPE_0, REFUSED_TYPE_1, REFUSED_TYPE_2, REFUSED_OTHER>(type); }

// The long corridor: east and west step along it by refno, a jump is a
// fall into the depths.
int p21(arg_pair type) {
    frame<1> f{type};
    if (cond(has(WORD_JUMP)).AND(anyof(WORD_DOWN, WORD_IN, PLACE_THRESHOLD, -1))) value[VAR_COMMAND_STATUS] = 1;
    if (movement_guard()) {
        if (cond(anyof(WORD_EAST, WORD_WEST, -1))) {
            hold_ref(VAR_WORK_PLACE, cond(has(WORD_EAST)) ? here() + 1 : here() - 1);
            moveto(value[VAR_WORK_PLACE], -2);
            return 0;
        }
        if (cond(has(WORD_JUMP))) {
            const int variant = cond(here() == PLACE_LONG_CORRIDOR_642) ? 0 : cond(here() == PLACE_LONG_CORRIDOR_649) ? 2 : 1;
            jump_to_death(variant);
            if (loop) return 0;
        }
    }
    p20(loc(f, 0));
    if (loop) return 0;
    return run<LOST_HERE>();
}

// The honeycomb, after a cell's own exits: a jump down or in is a fall, a
// jump on the spot nothing; every other compass way is refused, naming it.
int p467(arg_pair type) {
    frame<1> f{type};
    if (cond(has(WORD_JUMP))) {
        if (cond(anyof(WORD_DOWN, WORD_IN, PLACE_THRESHOLD, -1)))
            jump_to_death(cond(within(here(), PLACE_HONEYCOMB_668, PLACE_LEDGER_CELL)) ? 0 : 1);
        else
            say_stop(2781);
        if (loop) return 0;
    }
    if (cond(movement_guard()).AND(anyof(WORD_NORTH, WORD_NORTHEAST, WORD_EAST, WORD_SOUTHEAST, WORD_SOUTH, WORD_SOUTHWEST, WORD_WEST, WORD_NORTHWEST, -1))) {
        // "go north": the refusal names the way, not the go word, so the
        // typed word moves with it.
        if (cond(arg1() == WORD_GO)) {
            set('V', VAR_ARG1, 'v', VAR_ARG2, nullptr, nullptr);
            fake(1, value[VAR_ARG1]);
        }
        say_stop_typed(2425, VAR_ARG1);
        return 0;
    }
    p20(loc(f, 0));
    if (loop) return 0;
    return run<LOST_HERE>();
}

int p22(arg_pair type) { return by_type<LOOK_TYPE_0, LOOK_TYPE_1, LOOK_TYPE_2, LOOK_OTHER>(type); }
