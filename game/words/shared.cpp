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
    {OBJ_INGOT, WORD_SILVER}, {OBJ_FIGURINE, WORD_SILVER}, {OBJ_AMULET, WORD_GEM}, {OBJ_FEATHER, WORD_QUILL}, {OBJ_GONG,
     WORD_BRONZE}, {OBJ_FUSE, OBJ_FUSE},   {OBJ_JOURNAL, OBJ_JOURNAL},   {OBJ_CANDLE, OBJ_CANDLE}, {OBJ_JEWEL,
     OBJ_JEWEL},
    {OBJ_BRAND, OBJ_BRAND},   {OBJ_TUSK, OBJ_TUSK},   {OBJ_FIGURINE, OBJ_FIGURINE},   {OBJ_VINE, WORD_ENAMEL}, {OBJ_POD,
     WORD_SEEDS}, {OBJ_BUNDLE, WORD_SEEDS}, {OBJ_KNOCKER, WORD_HOOP}, {OBJ_DOOR, WORD_HINGES},
};

// Texts whose variant is the value of an entity, tied anew every turn.
struct tied_text {
    int text, entity;
};
constexpr tied_text tied_texts[] = {
    {1505, OBJ_BEACON},   {3255, OBJ_HOARD_DOORS},  {3254, OBJ_HOARD_DOORS}, {3063, OBJ_HOARD_DOORS}, {3256,
     OBJ_TRAP},  {3257, OBJ_TRAP},  {3258, OBJ_TRAP},
    {3259, OBJ_TRAP},  {2512, OBJ_TRAP},  {2532, OBJ_TRAP}, {3246, PLACE_HALL_OF_GLIMMERS}, {1386,
     PLACE_SEALED_CHAMBER},  {1710, OBJ_FEATHER},  {2012, OBJ_WRAITH},
    {2717, PLACE_STREAMBED},  {2782, VAR_EXCHANGE_STATE}, {2790, 2789}, {2791, 2789}, {2792, PLACE_OPEN_SKY}, {2793,
     PLACE_OPEN_SKY}, {1993, OBJ_EEL},
    {2835, OBJ_SNAG},  {2844, OBJ_CREEPER},  {2848, OBJ_CREEPER}, {3241, PLACE_STEPWELL}, {1770, OBJ_STICK},  {3441,
     OBJ_CRYSTAL},
};

}  // namespace

// Default object of a bare word 798 ("read").
int p185(arg_pair obj) {
    frame<1> f{obj};
    if (cond(has(WORD_READ)).AND(words() == 1)) {
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
    if (cond(near(OBJ_STRONGBOX)).OR(near(OBJ_HOARD_DOORS)).AND(!near(OBJ_GRILLE)).AND(!near(OBJ_DOOR)).AND(anyof(WORD_HINGES,
                  WORD_ENTRY, WORD_PORTAL, -1))) {
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
    apport(OBJ_SUNSTONE, cond(isat(OBJ_SUNSTONE, -1, 0, PLACE_RIVER_BLUFF)) ? PLACE_INTRO : PLACE_GONE);
    bitmod('c', OBJ_SUNSTONE, OFLAG_PORTABLE);
    if (cond(isat(OBJ_PLAQUE, -1, 0, PLACE_CLINGING_CHAMBER))) bitmod('c', OBJ_PLAQUE, OFLAG_PORTABLE);
    for (int obj = FIRST_OBJECT; obj <= LAST_OBJECT; obj++)
        if (cond(bitest(obj, OFLAG_PORTABLE)))
            apport(obj, cond(isat(obj, -1, 0, PLACE_DEPOSIT)) ? PLACE_INTRO : PLACE_GONE);
    apport(OBJ_GIANT, PLACE_GONE);
    value[OBJ_CREEPER] = 0;
    value[OBJ_TENDRILS] = 0;
    value[PLACE_RIVER_BLUFF] = 0;
    value[OBJ_IDOL] = 1;
    bitmod('c', PLACE_DELL, 8);
    moveto(PLACE_START, -1868);
    if (loop) return 0;
    return 0;
}

// Place 565 (sanctum) opens.
int p831(arg_pair n) {
    frame<1> f{n};
    value[PLACE_SANCTUM] = 4;
    apport(OBJ_JEWEL, PLACE_OFFSTAGE);
    value[OBJ_JEWEL] = 1;
    bitmod('s', OBJ_SCEPTRE, OFLAG_SEEN);
    say(SAY_ARG, 2421, f.lvals[0]);
    return 0;
}

// Object 152 (pod)'s event.
int p536() {
    int at = getloc(OBJ_POD);
    if (cond(value[3304] == 0)
            .OR(bitest(VAR_GAME_FLAGS_3, 12))
            .OR(!bitest(here(), 7))
            .OR(within(here(), PLACE_RING_WALK_547, PLACE_GONE))
            .OR(near(OBJ_POD))
            .OR(at == PLACE_OFFSTAGE)
            .OR(at == PLACE_GONE)
            .OR(at == PLACE_DEPOSIT)
            .OR(!bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_LIGHT))
            .OR(value[VAR_PHASE] != 3))
        return 0;
    if (cond(at == PLACE_HOLDING)) {
        apport(OBJ_POD, PLACE_GONE);
        bitmod('s', VAR_GAME_FLAGS_3, 12);
        value[VAR_PENALTY_POINTS] += 5;
    } else {
        if (cond(irand(100) < 80)) return 0;
        apport(OBJ_POD, PLACE_HOLDING);
    }
    say(0, 3304, 0);
    return 0;
}

// Object 63 (cloth)'s replies.
int p703() {
    if (!cond(near(OBJ_CLOTH))) return 0;
    if (cond(value[OBJ_CLOTH] == 0).OR(value[OBJ_CLOTH] == 2)) {
        if (cond(!has(WORD_LOOK))) say(SAY_STOP | SAY_ARG | SAY_ARGVAR, 3343, OBJ_CLOTH);
        return 0;
    }
    if (cond(has(WORD_LOOK)).AND(bitest(OBJ_CLOTH, 14))) return 0;
    if (cond(anyof(OBJ_CLOTH, OBJ_MARKS, -1))) {
        bitmod('s', OBJ_CLOTH, 14);
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
    if (cond(within(here(), PLACE_RING_WALK_547, PLACE_RING_WALK_554)).OR(within(here(), PLACE_WEST_END_OF_GALLERY,
                    PLACE_EAST_END_OF_GALLERY))) say_stop(1365);
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
    rows::group({PLACE_EAST_THICKET}),
        rows::first(),
            rows::let({WORD_LOOK}, VAR_COMMAND_STATUS, 1),  // the look goes on as a bare look
            rows::when(rows::movement_guard, rows::reply(1425)),
            rows::mark(),
        rows::end(),
        rows::ret(),
    rows::end(),
    rows::group(rows::has_word(OBJ_VINE).AND(rows::object_not_near(OBJ_VINE)).OR(rows::has_word(WORD_VINES))),
        rows::first(),
            rows::reply({WORD_LOOK}, 3146),
            rows::reply({WORD_TAKE, WORD_CUT}, 3147),
            rows::mark(),
        rows::end(),
        rows::ret(),
    rows::end(),
    rows::group({WORD_LEAVES, WORD_MIST}),
        rows::first(),
            rows::reply({WORD_LOOK}, 3144),
            rows::reply({WORD_CUT}, 3148),
            rows::mark(),
        rows::end(),
        rows::ret(),
    rows::end(),
    rows::group({WORD_TROUGH}),
        rows::first(),
            rows::reply({WORD_LOOK}, 3143),
            rows::mark(),
        rows::end(),
        rows::ret(),
    rows::end(),
    rows::group({WORD_AIR, WORD_FLOWERS}),
        rows::first(),
            rows::reply({WORD_LOOK}, 2676, rows::arg(WORD_AIR)),
            rows::reply({WORD_TAKE}, 3150),
            rows::mark(),
        rows::end(),
        rows::ret(),
    rows::end(),
    rows::group({PLACE_PATH}),
        rows::group({WORD_LOOK}),
            rows::first(),
                rows::when(rows::here_is(PLACE_HEART_OF_THICKET).OR(rows::here_is(PLACE_SOUTH_WEST_THICKET)).OR(rows::here_is(PLACE_THICKET_SPRING)),
                           rows::reply(3149, rows::arg(1))),
                rows::reply(3149, rows::arg(0)),
            rows::end(),
        rows::end(),
        rows::call_word({WORD_SEARCH}, WORD_SEARCH),
    rows::end(),
    rows::group({WORD_SUNDIAL}),
        rows::first(),
            rows::reply({WORD_LOOK}, 2676, rows::arg(WORD_SUNDIAL)),
            rows::reply({WORD_TAKE}, 2760),
            rows::call_word({WORD_SEARCH}, WORD_SEARCH),
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
