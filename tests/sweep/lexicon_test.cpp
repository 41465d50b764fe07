// The things a text names, as the world sweep takes them from a look.
#include <gtest/gtest.h>

#include "sweep/lexicon.h"

namespace {

using sweep::lexicon;
using sweep::things_named;

const lexicon words = {{"cottage", "door", "giant", "pipe", "prowler", "roof", "sack", "stone", "water", "window",
                        "passage", "head", "bell"},
                       {"a", "an", "and", "are", "as", "from", "here", "if", "in", "is", "it", "like", "no", "north-west",
                        "of", "on", "onto", "out", "runs", "the", "there", "under", "warden", "your", "drips", "leads",
                        "open", "had", "been", "gone", "stands", "walls", "curve", "inside", "keeps", "still"}};

struct named_case {
    const char *text;
    std::vector<std::string> things;
};

TEST(SweepLexicon, TheThingsATextNames) {
    const std::vector<named_case> cases = {
        // The head of a phrase, not the word that qualifies it; each thing once.
        {"A stone pipe runs under the cottage. The pipe is stone.", {"pipe", "cottage", "stone"}},
        // A possessive qualifies the thing it owns.
        {"The prowler's sack is here, by the warden's cottage.", {"sack", "cottage"}},
        // What is said not to be there is not named.
        {"There is no door and no window here.", {}},
        {"No open door leads out; a window stands here.", {"window"}},
        // The player's own body is no thing of the place.
        {"Water drips onto your head from the roof.", {"water", "roof"}},
        // A likeness brings in nothing, up to the end of its clause.
        {"The walls curve inside like a bell, and a door leads out.", {"door"}},
        {"It is as if a giant had been here; the giant is gone.", {"giant"}},
        // Hyphenated words stay whole; capitals alone (a stand-in) are left out.
        {"A north-west passage leads from the THING.", {"passage"}},
    };
    for (const named_case &c : cases) EXPECT_EQ(things_named(c.text, words), c.things) << c.text;
}

TEST(SweepLexicon, WordsInNeitherListAreTold) {
    std::set<std::string> unlisted;
    things_named("The cottage door stands ajar, creaking.", words, &unlisted);
    EXPECT_EQ(unlisted, (std::set<std::string>{"ajar", "creaking"}));
}

}  // namespace
