// The puzzles that a few places, objects and command words share: the
// river crossing that counts the treasures carried (631/632), the narrow
// way between the well head and the thicket (475/486) with its load check,
// the rune door's light (575/576), the return of a parked object, the hoard
// doors and their knocker, the imp and its torch, the firefly and the bait,
// the griffin and the bread, the toy ball, and the stock replies of the
// thicket and of the stream gallery.
#include "game.h"

using namespace rows;

namespace {

constexpr int PFLAG_CROSSED = 16;            // the narrow way has been crossed from here
constexpr int FLAG_FIREFLY_TAME = 3;         // of VAR_GAME_FLAGS_3

// The carried treasures, counted with the loop variable over objects.
int scoring_carried() {
    int n = 0;
    for (hold_ref(VAR_LOOP_OBJECT, FIRST_OBJECT); value[VAR_LOOP_OBJECT] <= LAST_OBJECT; value[VAR_LOOP_OBJECT]++)
        if (cond(carried(value[VAR_LOOP_OBJECT])).AND(bitest(value[VAR_LOOP_OBJECT], OFLAG_SCORING))) n++;
    return n;
}

// A vessel named in a command: whether it is in this state and carried.
int carried_in(int obj, int state) { return have(obj, 0, state); }

// The imp takes the cask of ale, drinks it, and is pleased.
void imp_drinks_the_cask() {
    value[OBJ_IMP] = 1;
    value[OBJ_VESSEL_LARGE] = 2;
    apport(OBJ_VESSEL_LARGE, here());
    say_stop(2346);
}

// Offering a liquid to the imp, named by the vessel holding it.
int imp_offered_a_vessel() {
    set('V', VAR_LOOP_OBJECT, 'v', VAR_ARG2, nullptr, nullptr);
    const int vessel = value[VAR_LOOP_OBJECT];
    if (cond(!carried(vessel))) {
        p625(ref(vessel));
        if (loop) return 0;
    }
    const int s = value[vessel];
    if (cond(s <= 2)) {
        say_stop_typed(2351, VAR_LOOP_OBJECT);
    } else if (cond(s == 3)) {
        say(SAY_ARG | SAY_ARGVAR, 2341, VAR_ARG2);
        say_stop(2342);
    } else if (cond(s == 4)) {
        say_stop(2343);
    } else if (cond(s == 6)) {
        say_stop(2344);
    } else if (cond(s == 5)) {
        if (cond(value[OBJ_IMP] == 2))
            say_stop(2778);
        else if (cond(has(OBJ_VESSEL_LARGE)))
            imp_drinks_the_cask();
        else
            say_stop(2345);
    }
    return 0;
}

// The thicket's wall: what it answers.
constexpr row THICKET_WALL[] = {
    reply({WORD_LOOK}, 2529, arg(0)),
    reply({WORD_CLIMB}, 2530),
    reply({WORD_GO}, 2531),
    reply(1403),
};

// The stream of the stream gallery and the upstream pool.
constexpr row GALLERY_STREAM[] = {
    reply({WORD_LOOK}, 2165, arg(WORD_STREAM)),
    reply({WORD_CROSS}, 1967),
    reply({WORD_IN, WORD_SWIM}, 2710),
    call_word({WORD_CONSUME_LIQUID}, WORD_CONSUME_LIQUID),
};

}  // namespace

// The bridge between the banks (631/632) bears back no more treasures than
// were carried over it. Something thrown into the river here is carried
// off: the vase to the abyss edge, anything else for good.
int p75() {
    if (cond(has(WORD_LOOK))) return 0;
    if (cond(has(WORD_THROW))) {
        if (cond(words() == 1).OR(!carried(arg2()))) return 0;
        if (cond(arg2() == OBJ_VASE)) {
            value[OBJ_VASE] = 2;
            bitmod('s', OBJ_VASE, OFLAG_TAKEN_REACTS);
            hold_ref(VAR_LANDING_PLACE, PLACE_ABYSS_EDGE);
        } else {
            hold_ref(VAR_LANDING_PLACE, PLACE_GONE);
        }
        hold_ref(VAR_LANDING_TEXT, 2366);
        return 0;
    }
    if (cond(here() == PLACE_NEAR_BANK)) {
        set('V', VAR_SCORING_CARRIED, 'c', scoring_carried(), nullptr, nullptr);
        say(0, 2363, 0);
        moveto(PLACE_FAR_BANK, -2);
        return 0;
    }
    const int n = scoring_carried();
    if (cond(n > value[VAR_SCORING_CARRIED])) {
        say(0, 2364, 0);
        if (cond(carried(OBJ_VASE))) apport(OBJ_VASE, PLACE_ABYSS_EDGE);
        moveto(PLACE_GONE, -1);
        p154();
        if (loop) return 0;
    } else {
        say(0, 2363, 0);
        moveto(PLACE_NEAR_BANK, -2);
    }
    return 0;
}

// The narrow way between the well head and the south thicket.
int p858() {
    hold_ref(VAR_PROMPT_TEXT, cond(here() == PLACE_WELL_HEAD) ? 2514 : 2463);
    p140();
    if (loop) return 0;
    bitmod('s', here(), PFLAG_CROSSED);
    if (cond(here() == PLACE_WELL_HEAD))
        moveto(PLACE_SOUTH_THICKET, -2515);
    else
        moveto(PLACE_WELL_HEAD, -2462);
    return 0;
}

// A narrow way refuses a bulky load: the first carried object that blocks
// passages, in refno order, gets the refusal the caller put in
// VAR_PROMPT_TEXT. The lamp goes through and is only noted.
int p140() {
    for (hold_ref(VAR_LOOP_OBJECT, FIRST_OBJECT); value[VAR_LOOP_OBJECT] <= LAST_OBJECT; value[VAR_LOOP_OBJECT]++) {
        const int obj = value[VAR_LOOP_OBJECT];
        if (!cond(carried(obj)).AND(bitest(obj, OFLAG_BLOCKS_PASSAGE))) continue;
        if (cond(obj != OBJ_LIGHT_SOURCE)) {
            say(SAY_STOP | SAY_REFVAR, VAR_PROMPT_TEXT, 0);
            return 0;
        }
        value[TEXT_LAMP_IN_NARROW_WAY] = 0;
        value[TEXT_LAMP_IN_NARROW_WAY] = 1;
    }
    return 0;
}

// One object parked in limbo comes back to the player, each with a chance
// of one in 2n + 1; the firefly and its jar come back together.
int p678() {
    int count = 0;
    for (int obj = FIRST_OBJECT; obj <= LAST_OBJECT; obj++)
        if (cond(isat(obj, -1, 0, PLACE_HOLDING))) count++;
    int pick = irand(2 * count + 1);
    int chosen = 0;
    for (int obj = FIRST_OBJECT; obj <= LAST_OBJECT && chosen == 0; obj++) {
        if (!cond(isat(obj, -1, 0, PLACE_HOLDING))) continue;
        if (cond(pick == 0))
            chosen = obj;
        else
            pick--;
    }
    if (cond(chosen == 0)) return 0;
    apport(chosen, here());
    if (cond(cond(chosen == OBJ_JAR).OR(chosen == OBJ_FIREFLY)).AND(value[OBJ_FIREFLY] == 1)) {
        if (cond(isat(OBJ_JAR, -1, 0, PLACE_HOLDING)))
            apport(OBJ_JAR, here());
        else
            apport(OBJ_FIREFLY, here());
    }
    return 0;
}

// The rune door opens: its light comes on beyond it, and a player standing
// there in the dark sees the place at once.
int p652() {
    value[OBJ_RUNE_SLAB] = 0;
    value[PLACE_RUNE_DOOR] = 1;
    value[PLACE_BEYOND_RUNE_DOOR] = 1;
    say(SAY_ARG | SAY_ARGVAR, 2502, VAR_WORK_WORD);
    bitmod('s', PLACE_BEYOND_RUNE_DOOR, PFLAG_LIT);
    if (cond(here() == PLACE_BEYOND_RUNE_DOOR).AND(!light())) {
        value[VAR_COMMAND_STATUS] = 1;
        hold_ref(VAR_ARG1, WORD_LOOK);
        say(0, 1266, 0);
        call_proc(WORD_LOOK);
    }
    loop = 1;
    return 0;
}

// The rune door shuts and its light goes out: said in plain speech, the
// Keln word is not understood but the door shuts all the same.
int p147() {
    value[PLACE_RUNE_DOOR] = 0;
    value[PLACE_BEYOND_RUNE_DOOR] = 0;
    bitmod('c', PLACE_BEYOND_RUNE_DOOR, PFLAG_LIT);
    if (cond(value[VAR_DWARVISH] == 0).OR(has(WORD_DUBREL))) {
        if (cond(arg1() == WORD_DUBREL))
            say(SAY_ARG | SAY_ARGVAR, 1349, VAR_ARG1);
        else if (cond(words() == 2))
            say(SAY_ARG | SAY_ARGVAR, 1351, VAR_ARG2);
        say(0, 1266, 0);
        value[TEXT_DOOR_SHUTS] = cond(has(WORD_OPEN)) ? 1 : 0;
        say(0, 2500, 0);
    } else {
        say(SAY_ARG, 1987, WORD_CLOSE);
        say(SAY_ARG | SAY_ARGVAR, 1988, OBJ_DOOR);
    }
    if (cond(here() == PLACE_BEYOND_RUNE_DOOR)) {
        value[OBJ_RUNE_SLAB] = 1;
        p487();
        if (loop) return 0;
        if (cond(!light())) {
            say(0, 1266, 0);
            p852(num(1));
            if (loop) return 0;
        }
    }
    return 0;
}

// The hoard doors pushed, pulled or closed.
int p146() {
    value[PLACE_HOARD_DOOR] = 2;
    value[OBJ_HOARD_DOORS] = 2;
    say_stop(1884);
    return 0;
}

// The knocker: on shut doors it starts the hourglass and the stair forgets
// that it was seen.
int p529() {
    if (cond(value[OBJ_HOARD_DOORS] == 0)) {
        value[OBJ_HOARD_DOORS] = 2;
        value[PLACE_HOARD_DOOR] = 2;
        value[OBJ_HOURGLASS] = 10;
        for (int p = PLACE_STAIR_BOTTOM; p <= PLACE_YARD; p++) bitmod('c', p, PFLAG_VISITED);
        say_stop(2289);
    } else {
        say_stop(2290);
    }
    return 0;
}

// The imp, pleased, lets the torch go: once only.
int p884(arg_pair variant) {
    frame<1> f{variant};
    if (cond(bitest(OBJ_TORCH, OFLAG_SEEN))) return 0;
    apport(OBJ_TORCH, here());
    bitmod('s', OBJ_TORCH, OFLAG_SEEN);
    value[OBJ_IMP] = 2;
    value[OBJ_PRONOUN] = OBJ_TORCH;
    say_stop_variant(2347, f.lvals[0]);
    return 0;
}

// The creeper burnt with the torch.
int p129() {
    if (cond(carried_in(OBJ_TORCH, 2)))
        say_stop(2767);
    else
        say_stop(1360);
    return 0;
}

// The bait given to the firefly: the wand scares it, otherwise it feeds
// and grows tame.
int p305() {
    if (cond(!carried(OBJ_BAIT))) {
        say_stop(1396);
        return 0;
    }
    apport(OBJ_BAIT, PLACE_OFFSTAGE);
    if (cond(carried(OBJ_WAND)).AND(ishere(OBJ_FIREFLY, 0, 0))) {
        say(0, 2358, 0);
        say_stop(2359);
    } else if (cond(bitest(VAR_GAME_FLAGS_3, FLAG_FIREFLY_TAME))) {
        say_stop(2355);
    } else {
        bitmod('s', VAR_GAME_FLAGS_3, FLAG_FIREFLY_TAME);
        say_stop_variant(2356, 0);
    }
    return 0;
}

// The bread given to the griffin: the first time it gives nectar back.
int p306() {
    if (cond(!near(OBJ_BREAD))) {
        say_stop(1755);
        return 0;
    }
    if (cond(isat(OBJ_LIQUID_4, -1, 0, PLACE_GONE)).OR(!bitest(OBJ_LIQUID_4, OFLAG_SEEN))) {
        apport(OBJ_BREAD, PLACE_OFFSTAGE);
        apport(OBJ_LIQUID_4, here());
        bitmod('s', OBJ_LIQUID_4, OFLAG_SEEN);
        value[OBJ_GRIFFIN] = 1;
        say_stop(1756);
    } else {
        say(SAY_ARG | SAY_ARGVAR, 2036, OBJ_GRIFFIN);
        say_stop_typed(2353, OBJ_BREAD);
    }
    return 0;
}

// Dropping at the edge of the sands: a few things are kept back.
int p935() {
    if (!cond(anyof(OBJ_INCENSE, OBJ_PLAQUE, OBJ_GOBLET, OBJ_RAG, OBJ_BAIT, -1))) return 0;
    const int k = cond(anyof(OBJ_BAIT, OBJ_INCENSE, -1)) ? 0 : 1;
    say(SAY_ARG | SAY_ARGVAR, 2321, VAR_ARG2);
    say_stop_variant(2322, k);
    return 0;
}

// A liquid or a vessel offered to the imp.
int p883() {
    value[VAR_LOOP_OBJECT] = 0;
    if (cond(anyof(OBJ_VESSEL_MEDIUM, OBJ_VESSEL_SMALL, OBJ_VESSEL_LARGE, -1))) {
        imp_offered_a_vessel();
        if (loop) return 0;
    }
    if (cond(has(OBJ_LIQUID_1))) {
        p321(num(0));
        if (loop) return 0;
        if (cond(value[VAR_VESSEL] == 0)) {
            say_stop_typed(1513, OBJ_LIQUID_1);
        } else {
            say(SAY_ARG | SAY_ARGVAR, 2341, VAR_VESSEL);
            say_stop(2342);
        }
    } else if (cond(has(OBJ_LIQUID_3))) {
        if (cond(value[OBJ_IMP] == 2))
            say_stop(2778);
        else if (cond(carried_in(OBJ_VESSEL_LARGE, 5)))
            imp_drinks_the_cask();
        else if (cond(carried_in(OBJ_VESSEL_MEDIUM, 5)).OR(carried_in(OBJ_VESSEL_SMALL, 5)))
            say_stop(2345);
        else
            say_stop_typed(1513, OBJ_LIQUID_3);
    } else if (cond(has(OBJ_LIQUID_2))) {
        if (cond(carried_in(OBJ_VESSEL_LARGE, 4))
                .OR(carried_in(OBJ_VESSEL_MEDIUM, 4))
                .OR(carried_in(OBJ_VESSEL_SMALL, 4)))
            say_stop(2343);
        else
            say_stop_typed(1513, OBJ_LIQUID_2);
    } else {
        say(SAY_ARG | SAY_ARGVAR, 2036, OBJ_IMP);
        say_stop_typed(2353, VAR_ARG2);
    }
    return 0;
}

// The word "toy": the ball, but only by its own name.
int p854() {
    if (cond(!near(OBJ_BALL))) {
        if (cond(bitest(OBJ_BALL, OFLAG_SEEN)))
            say_stop_typed(1319, OBJ_BALL);
        else
            say_stop(1493);
    } else if (cond(has(WORD_TAKE)).AND(carried(OBJ_BALL))) {
        say_stop_typed(1314, OBJ_BALL);
    } else if (cond(anyof(WORD_DROP, WORD_THROW, -1)).AND(!carried(OBJ_BALL))) {
        p625(ref(OBJ_BALL));
    } else {
        say_stop_typed(2585, VAR_ARG1);
    }
    return 0;
}

// Tasting or eating nectar that is not here.
int p126(arg_pair with_state1) {
    frame<1> f{with_state1};
    if (cond(near(OBJ_LIQUID_4)).OR(near_in(OBJ_VESSEL_LARGE, 6))) return 0;
    if (cond(f.lvals[0] == 1).AND(near_in(OBJ_VESSEL_LARGE, 1))) return 0;
    if (cond(words() == 2).AND(arg2() == OBJ_LIQUID_4))
        say_stop_typed(1319, VAR_ARG2);
    else
        say_stop_typed(1319, OBJ_LIQUID_4);
    return 0;
}

int p898() { return run<THICKET_WALL>(); }

int p814() { return run<GALLERY_STREAM>(); }
