// Words whose whole meaning is one reply (a table of word and text), and
// the short words whose reply is chosen by a test or two: leave, mend,
// explore, search, maybe, goodbye and wander.
#include "game.h"

namespace {

struct fixed_reply {
    rows::word_no word;
    rows::text_no text;
    int quals = SAY_STOP;
    int arg = 0;
};

// The words of one reply. "Ponder" and its kin name the word as typed.
constexpr fixed_reply FIXED_REPLIES[] = {
    {WORD_HUM, 2010}, {WORD_CREDITS, 3220}, {WORD_WHERE, 1759}, {WORD_SMELL, 1377}, {WORD_TWIST, 2464}, {WORD_DANCE,
     1403}, {WORD_YAWN, 1444},
    {WORD_SECRETS, 1567}, {WORD_PRAY, 1358}, {WORD_LAUGH, 1734}, {WORD_CRY, 1731}, {WORD_SIT, 2164}, {WORD_NEWS,
     1937}, {WORD_ACCEPT, 1999},
    {WORD_DECLINE, 1999}, {WORD_WAKE, 1854}, {WORD_MORE, 1966}, {WORD_PONDER, 2448, SAY_STOP | SAY_ARG | SAY_ARGVAR,
     VAR_ARG1},
    {WORD_HELLO, 2543}, {WORD_TRANSCRIPT, 2586}, {WORD_NOTRANSCRIPT, 2599}, {WORD_CLUE, 1881}, {WORD_SORRY,
     3364}, {WORD_EVERYTHING, 3212}, {WORD_ABOUT, 1943},
    {WORD_DISPLAY, 3239},
};

// Called only to initialise a constexpr variable, so the look-up (and a
// word without a reply, an error) happens at compile time. Not consteval:
// clang 14 refuses that call inside the template below.
constexpr const fixed_reply &reply_of(int word) {
    for (const fixed_reply &r : FIXED_REPLIES)
        if (r.word.n == word) return r;
    throw "this word has no fixed reply";
}

template <int WORD>
int fixed() {
    constexpr const fixed_reply &r = reply_of(WORD);
    say(r.quals, r.text.n, r.arg);
    return 0;
}

}  // namespace

int p787() { return fixed<WORD_HUM>(); }
int p525() { return fixed<WORD_CREDITS>(); }
int p930() { return fixed<WORD_WHERE>(); }
int p355() { return fixed<WORD_SMELL>(); }
int p216() { return fixed<WORD_TWIST>(); }
int p273() { return fixed<WORD_DANCE>(); }
int p406() { return fixed<WORD_YAWN>(); }
int p409() { return fixed<WORD_SECRETS>(); }
int p541() { return fixed<WORD_PRAY>(); }
int p779() { return fixed<WORD_LAUGH>(); }
int p748() { return fixed<WORD_CRY>(); }
int p821() { return fixed<WORD_SIT>(); }
int p757() { return fixed<WORD_NEWS>(); }
int p944() { return fixed<WORD_ACCEPT>(); }
int p613() { return fixed<WORD_DECLINE>(); }
int p828() { return fixed<WORD_WAKE>(); }
int p354() { return fixed<WORD_MORE>(); }
int p34() { return fixed<WORD_PONDER>(); }
int p834() { return fixed<WORD_HELLO>(); }
int p156() { return fixed<WORD_TRANSCRIPT>(); }
int p635() { return fixed<WORD_NOTRANSCRIPT>(); }
int p161() { return fixed<WORD_CLUE>(); }
int p849() { return fixed<WORD_SORRY>(); }
int p293() { return fixed<WORD_EVERYTHING>(); }
int p886() { return fixed<WORD_ABOUT>(); }
int p471() { return fixed<WORD_DISPLAY>(); }

// Leave: a way out is a move; anything else named is not left that way.
int p164() {
    if (cond(words() > 1).AND(!has(WORD_OUT)))
        say_stop(2065);
    else
        say_stop(2066);
    return 0;
}

// Mend: the urn mends as its shards, the crack as the waterskin.
int p324() {
    if (cond(arg1() == OBJ_URN)) value[VAR_ARG1] = OBJ_SHARDS;
    if (cond(arg2() == OBJ_URN)) value[VAR_ARG2] = OBJ_SHARDS;
    if (cond(arg1() == WORD_CRACK)) value[VAR_ARG1] = OBJ_WATERSKIN;
    if (cond(arg2() == WORD_CRACK)) value[VAR_ARG2] = OBJ_WATERSKIN;
    if (cond(words() == 1).OR(!near(arg2()))) return 0;
    if (cond(anyof(OBJ_WATERSKIN, OBJ_SHARDS, OBJ_BOWL, -1))) {
        say_stop_typed(1435, VAR_ARG2);
        return 0;
    }
    if (cond(has(OBJ_CLOTH))) say_stop_variant(2018, cond(bitest(OBJ_CLOTH, 13)) ? 1 : 0);
    return 0;
}

// Word 819 ("explore"): with a second word, the stock refusal; alone, nothing of its own.
int p592() {
    if (cond(words() == 2)) say_stop(1403);
    return 0;
}

// Search: alone, the floor or the dirt; a feature the place has named; a
// snag, a cairn or a sign in view.
int p215() {
    if (cond(words() == 1).OR(has(WORD_FLOOR)).OR(has(WORD_DIRT))) {
        say_stop(1356);
        return 0;
    }
    if (cond(anyof(OBJ_TREE, WORD_LEAVES, WORD_CANOPY, WORD_AIR, WORD_VINES, WORD_GREENERY, WORD_BOUGH, WORD_TRUNK,
                   OBJ_SPIRE, WORD_MIST, WORD_SUNDIAL, -1))
            .AND(bitest(evar(VAR_QUESTION), VFLAG_QUESTION_REPLIED))) {
        say_stop(1356);
        return 0;
    }
    if (cond(anyof(OBJ_SNAG, OBJ_CAIRN, OBJ_SIGN, -1)).AND(near(arg2()))) say_stop(1356);
    return 0;
}

// Word 858 ("maybe"): "maybe" is nothing to act on, in one of three wordings drawn at random.
int p551() {
    say(SAY_STOP | SAY_ARG, 2339, irand(3));
    return 0;
}

// Word 880 ("goodbye"): says goodbye and ends the turn.
int p833() {
    say(SAY_ARG, 1883, 0);
    say(SAY_ARG, 1883, 1);
    loop = 1;
    return 0;
}

// Word 883 ("wander"): wandering about, alone or named.
int p213() {
    if (cond(has(WORD_AROUND)).OR(words() == 1))
        say_stop_variant(2865, 0);
    else
        say_stop_variant(2865, 1);
    return 0;
}
