// Help and guidance words: help (a paid way out of the mire or a maze, the
// paid hint of the place, or advice chosen by what is near), the story in
// pages, the introduction that leads into the list of known words, that
// list on its own, and the manual.
#include "game.h"

namespace {
constexpr int GAME_FLAG_HELP_READ = 3;    // of VAR_GAME_FLAGS_2: the help pages have been shown
constexpr int GAME_FLAG_BAUBLE_PAID = 10;  // of VAR_GAME_FLAGS_2: the hint about the unseen treasure was bought

cond_fold in_a_maze() {
    return cond(within(here(), PLACE_WARREN_227, PLACE_WARREN_CHUTE)).OR(within(here(), PLACE_TANGLE_362,
                       PLACE_FAR_END_OF_TANGLE)).OR(within(here(), PLACE_UNDERCROFT, PLACE_HEART_OF_LABYRINTH));
}

// Something near that the player must deal with alone.
cond_fold trouble_near() {
    return cond(near(OBJ_ATTACKER))
        .OR(near(OBJ_SENTINEL))
        .OR(near(OBJ_KEEPER))
        .OR(near(OBJ_BRUTE))
        .OR(value[OBJ_WRAITH] > 0)
        .OR(near(OBJ_SPAN))
        .OR(value[OBJ_FOLLOWER] > 0)
        .OR(near(OBJ_WATCHER))
        .OR(near(OBJ_SPIDER))
        .OR(near(OBJ_VAULT_DOOR))
        .OR(near(OBJ_LETTERING));
}

}  // namespace

// Word 832 ("help"): the paid way home from the mire, the paid way out of a maze, or the help
// offer.
int p399() {
    if (cond(here() == PLACE_MIRE)) {  // the mire: a way home, for a price
        say(SAY_ARG, 1930, 10);
        value[VAR_QUESTION] = Q_PAID_RETURN;
        say_stop(1931);
        return 0;
    }
    if (cond(in_a_maze()).AND(!here_has(PFLAG_HINT_AVAILABLE))) {
        p378();
        if (loop) return 0;
        if (cond(value[VAR_SCORE] >= 100)) {
            say_stop(2146);
            return 0;
        }
        say(SAY_ARG, 2145, 10);
        value[VAR_QUESTION] = Q_PAID_MAZE_EXIT;
        say_stop(1931);
        return 0;
    }
    if (cond(value[VAR_TURNS_AT_ONE_PLACE] == 0)) value[VAR_TURNS_AT_ONE_PLACE] = 1;
    p405();
    if (loop) return 0;
    if (cond(value[VAR_TURNS_AT_ONE_PLACE] > 0)) {  // no paid hint was offered
        p410(num(1));
        if (loop) return 0;
        if (cond(value[VAR_RESULT] < 0).AND(!bitest(VAR_GAME_FLAGS_2, GAME_FLAG_BAUBLE_PAID))) {
            hold_ref(VAR_PROMPT_TEXT, 3386);
            value[VAR_QUESTION] = Q_HELP_OFFER;
            say(SAY_REFVAR | SAY_STOP, VAR_PROMPT_TEXT, 0);
            return 0;
        }
        if (cond(trouble_near())) {
            say(SAY_ARG, 1342, 0);
        } else if (cond(bitest(VAR_GAME_FLAGS_2, GAME_FLAG_HELP_READ))) {
            say_stop_variant(1342, cond(value[VAR_RESULT] == 0) ? 2 : 1);
            return 0;
        } else {
            bitmod('s', VAR_GAME_FLAGS_2, GAME_FLAG_HELP_READ);
            p510(ref(1340), ref(1341));
            if (loop) return 0;
        }
    }
    loop = 1;
    return 0;
}

// Word 836 ("story"): pages through the story so far.
int p481() {
    p510(ref(1427), ref(1430));
    if (loop) return 0;
    return 0;
}

using namespace rows;

// The introduction: "about", the word list, going about, the console's
// layout, or the pages from the start.
constexpr row INTRO[] = {
    reply({WORD_ABOUT}, 1943),
    call({WORD_WORDS}, p776),
    reply({WORD_GO}, 1964),
    when([] { return cond(!test("html")); }, reply({WORD_PAGE_LENGTH}, 1965)),
    group(word_count(1).OR(has_word(OBJ_ALL))),
        tell(1942),
        let(VAR_QUESTION, Q_WORDS_INTRO),
        reply(1431),
    end(),
};

int p893() { return run<INTRO>(); }

// Word 931 ("words"): the list of the words the game knows.
int p627() {
    p776();
    if (loop) return 0;
    return 0;
}

// Word 821 ("manual"): the pages of advice.
int p484() {
    p221();
    if (loop) return 0;
    return 0;
}
