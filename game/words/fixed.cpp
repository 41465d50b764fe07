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
    {729, 2010}, {731, 3220}, {736, 1759}, {737, 1377}, {810, 2464}, {811, 1403}, {827, 1444},
    {828, 1567}, {835, 1358}, {839, 1734}, {840, 1731}, {841, 2164}, {843, 1937}, {WORD_ACCEPT, 1999},
    {WORD_DECLINE, 1999}, {859, 1854}, {860, 1966}, {869, 2448, SAY_STOP | SAY_ARG | SAY_ARGVAR, VAR_ARG1},
    {871, 2543}, {875, 2586}, {876, 2599}, {879, 1881}, {884, 3364}, {885, 3212}, {930, 1943},
    {1129, 3239},
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

int p787() { return fixed<729>(); }
int p525() { return fixed<731>(); }
int p930() { return fixed<736>(); }
int p355() { return fixed<737>(); }
int p216() { return fixed<810>(); }
int p273() { return fixed<811>(); }
int p406() { return fixed<827>(); }
int p409() { return fixed<828>(); }
int p541() { return fixed<835>(); }
int p779() { return fixed<839>(); }
int p748() { return fixed<840>(); }
int p821() { return fixed<841>(); }
int p757() { return fixed<843>(); }
int p944() { return fixed<WORD_ACCEPT>(); }
int p613() { return fixed<WORD_DECLINE>(); }
int p828() { return fixed<859>(); }
int p354() { return fixed<860>(); }
int p34() { return fixed<869>(); }
int p834() { return fixed<871>(); }
int p156() { return fixed<875>(); }
int p635() { return fixed<876>(); }
int p161() { return fixed<879>(); }
int p849() { return fixed<884>(); }
int p293() { return fixed<885>(); }
int p886() { return fixed<930>(); }
int p471() { return fixed<1129>(); }

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
    if (cond(arg1() == 56)) value[VAR_ARG1] = 57;
    if (cond(arg2() == 56)) value[VAR_ARG2] = 57;
    if (cond(arg1() == WORD_CRACK)) value[VAR_ARG1] = 84;
    if (cond(arg2() == WORD_CRACK)) value[VAR_ARG2] = 84;
    if (cond(words() == 1).OR(!near(arg2()))) return 0;
    if (cond(anyof(84, 57, 42, -1))) {
        say_stop_typed(1435, VAR_ARG2);
        return 0;
    }
    if (cond(has(63))) say_stop_variant(2018, cond(bitest(63, 13)) ? 1 : 0);
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
    if (cond(words() == 1).OR(has(WORD_FLOOR)).OR(has(992))) {
        say_stop(1356);
        return 0;
    }
    if (cond(anyof(131, 973, 974, 975, 1079, 1078, 972, 971, 157, 922, 1047, -1))
            .AND(bitest(evar(VAR_QUESTION), VFLAG_QUESTION_REPLIED))) {
        say_stop(1356);
        return 0;
    }
    if (cond(anyof(153, 101, 129, -1)).AND(near(arg2()))) say_stop(1356);
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
    if (cond(has(1006)).OR(words() == 1))
        say_stop_variant(2865, 0);
    else
        say_stop_variant(2865, 1);
    return 0;
}
