// Small procedures that places, words and the turn cycle share: the
// default object of the read word, the abbreviations that turn short thing
// words into the objects near the player, the texts tied to entities, the
// switches into the last phases, object 152's event, a few reply lists and
// one-line replies; the saved-game listing; and the check that comes before
// an iteration over all objects.
#include <iterator>

#include "game.h"

namespace {

// Abbreviations: (object, word) pairs, tried in this order; the word means
// the object while the object is near.
struct abbreviation {
    int obj, word;
};
constexpr abbreviation abbreviations[] = {
    {47, 1083}, {96, 1083}, {49, 1084}, {149, 1085}, {27, 1086}, {46, 46},   {61, 61},   {65, 65}, {67, 67},
    {70, 70},   {83, 83},   {96, 96},   {150, 1094}, {152, 1095}, {151, 1095}, {160, 1096}, {8, 1082},
};

// Texts whose variant is the value of an entity, tied anew every turn.
struct tied_text {
    int text, entity;
};
constexpr tied_text tied_texts[] = {
    {1505, 45},   {3255, 161},  {3254, 161}, {3063, 161}, {3256, 162},  {3257, 162},  {3258, 162},
    {3259, 162},  {2512, 162},  {2532, 162}, {3246, 315}, {1386, 556},  {1710, 149},  {2012, 18},
    {2717, 202},  {2782, 1172}, {2790, 2789}, {2791, 2789}, {2792, 586}, {2793, 586}, {1993, 94},
    {2835, 153},  {2844, 139},  {2848, 139}, {3241, 210}, {1770, 158},  {3441, 71},
};

}  // namespace

// Default object of a bare word 798 ("read").
int p185(arg_pair obj) {
    frame<1> f{obj};
    if (cond(has(798)).AND(words() == 1)) {
        set('V', VAR_ARG2, 'l', 0, f);
        value[VAR_COMMAND_STATUS] = 2;
    }
    return 0;
}

// Abbreviation resolver (dispatch).
int p222() {
    for (const abbreviation &a : abbreviations) {
        p550(ref(a.obj), ref(a.word));
        if (loop) return 0;
    }
    if (cond(near(52)).OR(near(161)).AND(!near(98)).AND(!near(8)).AND(anyof(1082, 961, 1102, -1))) {
        if (cond(has(WORD_LOOK))) {
            say_stop(3448);
            return 0;
        }
        mark_feature();
    }
    return 0;
}

// One abbreviation.
int p550(arg_pair obj, arg_pair word) {
    frame<2> f{obj, word};
    int o = f.lvals[0], w = f.lvals[1];
    if (!cond(anyof(w, -1)).AND(isnear(o, -1, 0))) return 0;
    rewrite_word(w, o);
    return 0;
}

// Ties the tied texts to their entities.
int p850() {
    for (const tied_text &t : tied_texts) tie(t.text, t.entity);
    return 0;
}

// Phase 9: asks the last question (39).
int p224(arg_pair n) {
    frame<1> f{n};
    value[VAR_PHASE] = 9;
    p378();
    if (loop) return 0;
    say(SAY_ARG, 2883, f.lvals[0]);
    value[VAR_QUESTION] = Q_FINALE_1;
    say_stop(1863);
    return 0;
}

// Phase 7.
int p602() {
    for (value[VAR_LOOP_OBJECT] = FIRST_OBJECT, *bitword(VAR_LOOP_OBJECT) = ref_mark;
         value[VAR_LOOP_OBJECT] <= LAST_OBJECT; value[VAR_LOOP_OBJECT]++)
        if (cond(have(value[VAR_LOOP_OBJECT], -1, 0))) apport(value[VAR_LOOP_OBJECT], PLACE_GONE);
    value[VAR_PHASE] = 7;
    value[PLACE_INTRO] = 1;  // the chamber is described as the end's, not the opening's
    bitmod('s', PLACE_INTRO, PFLAG_VISITED);
    moveto(PLACE_INTRO, -1852);
    if (loop) return 0;
    return 0;
}

// Phase 8 (end of the word series at 302).
int p528() {
    value[VAR_PHASE] = 8;
    apport(100, cond(isat(100, -1, 0, 199)) ? PLACE_INTRO : PLACE_GONE);
    bitmod('c', 100, OFLAG_PORTABLE);
    if (cond(isat(116, -1, 0, 295))) bitmod('c', 116, OFLAG_PORTABLE);
    for (int obj = FIRST_OBJECT; obj <= LAST_OBJECT; obj++)
        if (cond(bitest(obj, OFLAG_PORTABLE)))
            apport(obj, cond(isat(obj, -1, 0, PLACE_DEPOSIT)) ? PLACE_INTRO : PLACE_GONE);
    apport(194, PLACE_GONE);
    value[139] = 0;
    value[140] = 0;
    value[199] = 0;
    value[137] = 1;
    bitmod('c', 203, 8);
    moveto(PLACE_START, -1868);
    if (loop) return 0;
    return 0;
}

// Place 565 (sanctum) opens.
int p831(arg_pair n) {
    frame<1> f{n};
    value[565] = 4;
    apport(67, PLACE_OFFSTAGE);
    value[67] = 1;
    bitmod('s', 147, OFLAG_SEEN);
    say(SAY_ARG, 2421, f.lvals[0]);
    return 0;
}

// Object 152 (pod)'s event.
int p536() {
    int at = getloc(152);
    if (cond(value[3304] == 0)
            .OR(bitest(VAR_GAME_FLAGS_3, 12))
            .OR(!bitest(here(), 7))
            .OR(within(here(), 547, 702))
            .OR(near(152))
            .OR(at == PLACE_OFFSTAGE)
            .OR(at == PLACE_GONE)
            .OR(at == PLACE_DEPOSIT)
            .OR(!bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_LIGHT))
            .OR(value[VAR_PHASE] != 3))
        return 0;
    if (cond(at == PLACE_HOLDING)) {
        apport(152, PLACE_GONE);
        bitmod('s', VAR_GAME_FLAGS_3, 12);
        value[VAR_PENALTY_POINTS] += 5;
    } else {
        if (cond(irand(100) < 80)) return 0;
        apport(152, PLACE_HOLDING);
    }
    say(0, 3304, 0);
    return 0;
}

// Object 63 (cloth)'s replies.
int p703() {
    if (!cond(near(63))) return 0;
    if (cond(value[63] == 0).OR(value[63] == 2)) {
        if (cond(!has(WORD_LOOK))) say(SAY_STOP | SAY_ARG | SAY_ARGVAR, 3343, 63);
        return 0;
    }
    if (cond(has(WORD_LOOK)).AND(bitest(63, 14))) return 0;
    if (cond(anyof(63, 173, -1))) {
        bitmod('s', 63, 14);
        say_stop(2221);
    }
    return 0;
}

// Heading reply.
int p817(arg_pair t, arg_pair arg) {
    frame<2> f{t, arg};
    if (cond(have(OBJ_HEADING, -1, 0)).AND(within(value[OBJ_HEADING], 6, 8)))
        say(SAY_ARG | SAY_STOP, f.lvals[0], f.lvals[1]);
    return 0;
}

// Guided move (heading check, forced move).
int p868(arg_pair dir, arg_pair place) {
    frame<2> f{dir, place};
    p152(loc(f, 0));
    if (loop) return 0;
    moveto(f.lvals[1], -2);
    if (loop) return 0;
    return 0;
}

// Text 1365 at places 547..554 and 439..442.
int p756() {
    if (cond(within(here(), 547, 554)).OR(within(here(), 439, 442))) say_stop(1365);
    return 0;
}

// Word 848 ("climb") at the compass grid edge.
int p138() {
    if (cond(words() == 1).OR(has(WORD_CLIFF)).OR(has(WORD_UP)).AND(has(WORD_CLIMB)))
        say_stop(3492);
    else
        mark_feature();
    return 0;
}

// The replies of the thicket places' group, first match.
// The replies shared by the knot of places 482..487: each group of feature
// words is answered by the look word or another word; a word the group does
// not answer is marked for the last replies. A reply ends the turn; a mark,
// or a look made bare, returns to the place.
constexpr rows::row KNOT_REPLIES[] = {
    rows::group({484}),
        rows::first(),
            rows::let({WORD_LOOK}, VAR_COMMAND_STATUS, 1),  // the look goes on as a bare look
            rows::when(rows::movement_guard, rows::reply(1425)),
            rows::mark(),
        rows::end(),
        rows::ret(),
    rows::end(),
    rows::group(rows::has_word(150).AND(rows::object_not_near(150)).OR(rows::has_word(1079))),
        rows::first(),
            rows::reply({WORD_LOOK}, 3146),
            rows::reply({WORD_TAKE, 776}, 3147),
            rows::mark(),
        rows::end(),
        rows::ret(),
    rows::end(),
    rows::group({973, 922}),
        rows::first(),
            rows::reply({WORD_LOOK}, 3144),
            rows::reply({776}, 3148),
            rows::mark(),
        rows::end(),
        rows::ret(),
    rows::end(),
    rows::group({1048}),
        rows::first(),
            rows::reply({WORD_LOOK}, 3143),
            rows::mark(),
        rows::end(),
        rows::ret(),
    rows::end(),
    rows::group({975, 976}),
        rows::first(),
            rows::reply({WORD_LOOK}, 2676, rows::arg(975)),
            rows::reply({WORD_TAKE}, 3150),
            rows::mark(),
        rows::end(),
        rows::ret(),
    rows::end(),
    rows::group({538}),
        rows::group({WORD_LOOK}),
            rows::first(),
                rows::when(rows::here_is(482).OR(rows::here_is(485)).OR(rows::here_is(487)),
                           rows::reply(3149, rows::arg(1))),
                rows::reply(3149, rows::arg(0)),
            rows::end(),
        rows::end(),
        rows::call_word({834}, 834),
    rows::end(),
    rows::group({1047}),
        rows::first(),
            rows::reply({WORD_LOOK}, 2676, rows::arg(1047)),
            rows::reply({WORD_TAKE}, 2760),
            rows::call_word({834}, 834),
            rows::mark(),
        rows::end(),
    rows::end(),
};

int p362() { return rows::run<KNOT_REPLIES>(); }

int p938() { return 0; }

// Saved-game listing (question 45 (pick one of the saved games)).
int p928() {
    frame<1> f;  // local 0: the number of saved games
    f.lvals[0] = 0;
    special(SPECIAL_LIST_SAVES, &f.lvals[0]);
    if (cond(f.lvals[0] == 1).AND(value[VAR_QUESTION] == 0)) {
        say(SAY_ARG | SAY_ARGVAR, 3205, VAR_ARG2);
        return 0;
    }
    say(SAY_ARG, 3380, f.lvals[0]);
    if (cond(f.lvals[0] == 0)) {
        if (cond(value[VAR_QUESTION] != 0)) {
            say(0, 3568, 0);
        } else {
            say_stop(1266);
            return 0;
        }
    }
    if (cond(f.lvals[0] > 0).AND(test("cgi") == 0)) special(SPECIAL_LIST_SAVES, &f.lvals[0]);
    if (cond(value[VAR_QUESTION] == 0)) {
        value[VAR_QUESTION] = Q_SAVED_GAMES;
        value[VAR_COMMAND_STATUS] = 98;  // the answer is a name: take it as typed
        say(SAY_ARG | SAY_STOP, 1552, f.lvals[0]);
        return 0;
    }
    say(0, 1266, 0);
    return 0;
}

// Before an iteration over all objects: the objects excepted from it get
// their own replies, and when the iteration would find nothing the turn
// ends here with a summary.
int p291() {
    const int scoring_only = cond(has(OBJ_ALL_SCORING));
    const int place = cond(has(WORD_TAKE)) ? here() : PLACE_CARRIED;
    const int dropping = cond(anyof(WORD_DROP, WORD_DOWN, -1));
    const int taking = cond(has(WORD_TAKE));
    int eligible = 0, lit = 0, excepted_count = 0;
    for (int obj = FIRST_OBJECT; obj <= LAST_OBJECT; obj++) {
        int32_t excepted = obj;
        special(SPECIAL_IN_EXCEPT, &excepted);
        if (excepted) {
            if (dropping) {
                if (cond(!have(obj, -1, 0))) {
                    say(0, 3217, 0);
                    if (cond(!bitest(obj, OFLAG_PORTABLE))) {
                        say(SAY_ARG | SAY_STOP, 3337, obj);
                        return 0;
                    }
                    if (cond(irand(100) < 50)) {
                        say(SAY_ARG | SAY_STOP, 1318, obj);
                        return 0;
                    }
                    p625(ref(obj));  // ends the turn
                    if (loop) return 0;
                }
            } else if (taking) {
                if (cond(have(obj, -1, 0))) {
                    say(SAY_ARG | SAY_STOP, 1314, obj);
                    return 0;
                }
                if (cond(!isnear(obj, -1, 0))) {
                    say(SAY_ARG | SAY_STOP, 1319, obj);
                    return 0;
                }
            }
        }
        const int kind_ok = cond(!scoring_only).OR(bitest(obj, OFLAG_SCORING));
        if (cond(isat(obj, -1, 0, place)).AND(bitest(obj, OFLAG_PORTABLE)).AND(kind_ok)) {
            if (excepted)
                excepted_count++;
            else if (cond(has(WORD_DROP)).AND(bitest(obj, OFLAG_LIGHTABLE)).AND(value[obj] == 2))
                lit++;
            else
                eligible++;
        }
    }
    if (eligible) return 0;
    if (lit) {
        say_stop(3216);
        return 0;
    }
    int t = excepted_count ? (scoring_only ? 2680 : 2681) : (scoring_only ? 2679 : 2682);
    say_stop_variant(t, place == here() ? 0 : 1);
    return 0;
}

// Check of the carried objects before dropping all.
int p234(arg_pair mode) {
    frame<1> f{mode};
    int counted = 0;
    for (int obj = FIRST_OBJECT; obj <= LAST_OBJECT; obj++) {
        if (!cond(f.lvals[0] == 0).OR(bitest(obj, OFLAG_SCORING)).AND(have(obj, -1, 0))) continue;
        if (!cond(bitest(obj, OFLAG_LIGHTABLE)).AND(value[obj] == 2)) return 0;
        counted++;
    }
    if (counted == 0)
        say_stop_variant(cond(has(OBJ_ALL_SCORING)) ? 2679 : 2682, 1);
    else
        say_stop(3216);
    return 0;
}
