// The words answered by place: listening, row by row of its first-match
// list (with the rows that fall through and the ones that change state),
// swimming, the echo, the woods, the footpath, the crawlway and home.
#include "harness.h"

namespace {

using namespace game_test;

class PlaceWords : public GameTest {
protected:
    // Each case from a fresh world at the case's place, through the word's
    // procedure on the typed command.
    void check(game_proc p, const std::vector<std::pair<int, game_case>> &cases) {
        for (const auto &[here, c] : cases) {
            fresh_world(here);
            bitmod('c', here, PFLAG_LIT);
            if (c.setup) c.setup();
            parse(c.command);
            expect(c, call(p), (std::string("at ") + std::to_string(here)).c_str());
        }
    }
};

void flag(int place, int f) { bitmod('s', place, f); }

TEST_F(PlaceWords, ListeningRowByRow) {
    const std::string listen = line({773});
    auto c = [&](std::function<void()> setup, int here, std::vector<said> texts) {
        return std::pair<int, game_case>{here, game_case{std::move(setup), listen, here, std::move(texts)}};
    };
    const std::vector<std::pair<int, game_case>> cases = {
        // The plant: at the hollow in states 0 and 1, at the rim only in 1;
        // in state 0 the rim falls through to the rows below.
        c(nullptr, 218, {{TYPED, 1447, 13}}),
        c([] { value[13] = 1; }, 215, {{TYPED, 1447, 13}}),
        c(nullptr, 215, {{STOP, 1969, 0}}),
        c([] { value[13] = 2; }, 218, {{STOP, 1969, 0}}),
        c([] { value[13] = 1; }, 216, {{STOP_ARG, 1447, 2}}),
        // The creeper.
        c([] { value[139] = 1; }, 441, {{STOP_ARG, 1448, 2}}),
        c([] { value[139] = 1; }, 443, {{TYPED, 1448, 139}}),
        c(nullptr, 477, {{STOP, 2627, 0}}),
        c(nullptr, 447, {{STOP, 3193, 0}}),
        c(nullptr, 650, {{STOP, 1972, 0}}),
        // Creatures near, and humming things.
        c([] { set_location(OBJ_ATTACKER, 330); }, 330, {{STOP, 1977, 0}}),
        c([] { carry(OBJ_FOLLOWER); }, 330, {{STOP, 1977, 0}}),
        c([] { value[18] = 2; }, 330, {{STOP, 1977, 0}}),
        c([] { set_location(109, 330); }, 330, {{TYPED, 1970, 109}}),
        c([] { carry(109); }, 330, {{STOP, 1969, 0}}),
        c([] { carry(125); }, 330, {{TYPED, 1970, 125}}),
        // Near the ravine, before and after it has been seen.
        c(nullptr, 309, {{STOP, 1971, 0}}),
        c([] { flag(311, PFLAG_VISITED); }, 310, {{STOP_ARG, 2926, 0}}),
        c([] { flag(311, PFLAG_VISITED); }, 464, {{STOP_ARG, 2926, 1}}),
        c(nullptr, 386, {{STOP, 1971, 0}}),
        c(nullptr, 298, {{STOP_ARG, 2136, 0}}),
        c(nullptr, 575, {{STOP_ARG, 2136, 1}}),
        c(nullptr, 573, {{STOP_ARG, 2136, 2}}),
        // The phantom, felt only in the dark and under the hills.
        c([] { flag(20, 13); }, 330, {{STOP, 1418, 0}}),
        c([] { flag(20, 13); flag(330, PFLAG_LIT); }, 330, {{STOP, 1969, 0}}),
        c([] { flag(20, 13); flag(330, 7); }, 330, {{STOP, 1978, 0}}),
        // The sands.
        c(nullptr, 618, {{STOP, 1973, 0}}),
        c(nullptr, 619, {{STOP, 1974, 0}}),
        c([] { flag(600, PFLAG_SHIFTING_EXITS); }, 600, {{STOP, 1975, 0}}),
        c(nullptr, 593, {{STOP, 1976, 0}}),
        // Waters.
        c(nullptr, 554, {{STOP, 1981, 0}}),
        c(nullptr, 636, {{STOP_ARG, 2552, 1}}),
        c(nullptr, 631, {{STOP_ARG, 2552, 0}}),
        c(nullptr, 633, {{STOP_ARG, 2553, 0}}),
        c(nullptr, 634, {{STOP_ARG, 2553, 1}}),
        c(nullptr, 572, {{STOP, 2551, 0}}),
        c(nullptr, 586, {{STOP, 2549, 0}}),
        c(nullptr, 638, {{STOP_ARG, 2548, 0}}),
        c(nullptr, 637, {{STOP_ARG, 2548, 1}}),
        // Beyond the ravine.
        c(nullptr, 313, {{STOP_ARG, 2926, 0}}),
        c(nullptr, 324, {{STOP_ARG, 2926, 2}}),
        c([] { value[26] = 2; }, 324, {{STOP_ARG, 2926, 1}}),
        c(nullptr, 354, {{STOP_ARG, 2926, 1}}),
        c([] { value[318] = 3; }, 318, {{TYPED, 3202, 318}}),
        c(nullptr, 334, {{STOP, 3138, 0}}),
        c(nullptr, 671, {{STOP, 2892, 0}}),
        c(nullptr, 453, {{0, 3252, 0}, {STOP, 1266, 0}}),
        // The open air, indoors under the sky, and everywhere else.
        c([] { flag(195, 7); }, 195, {{STOP, 1978, 0}}),
        c([] { flag(200, 7); flag(200, 18); }, 200, {{STOP, 1969, 0}}),
        c(nullptr, 330, {{STOP, 1969, 0}}),
    };
    check(p535, cases);
}

TEST_F(PlaceWords, ListeningToTheRingOnceAndToTheFuse) {
    // The ring's water is remarked on the first time only.
    fresh_world(548);
    outcome o = call(p535, line({773}));
    EXPECT_EQ(o.texts, (std::vector<said>{{0, 1979, 0}, {STOP, 1980, 0}}));
    o = call(p535, line({773}));
    EXPECT_EQ(o.texts, (std::vector<said>{{0, 1979, 0}, {STOP, 1266, 0}}));
    set_ref(VAR_HERE, 440);
    o = call(p535, line({773}));
    EXPECT_EQ(o.texts, (std::vector<said>{{0, 1979, 0}, {STOP, 1266, 0}}));

    // A burning fuse in the pack burns on with each listen, until its
    // sound changes above state 8; a steady one stays.
    fresh_world(330);
    carry(46);
    value[46] = 3;
    for (int state = 4; state <= 9; state++) {
        o = call(p535, line({773}));
        EXPECT_EQ(value[46], state);
        EXPECT_EQ(o.texts, (std::vector<said>{{STOP, state <= 8 ? 2110 : 2111, 0}})) << state;
    }
    bitmod('s', 46, 13);
    call(p535, line({773}));
    EXPECT_EQ(value[46], 9);
}

TEST_F(PlaceWords, ListeningToTheIntroductionIsTheIntroduction) {
    outcome o = call(p535, line({773, 855}));
    EXPECT_EQ(o.texts, (std::vector<said>{{0, 1942, 0}, {STOP, 1431, 0}}));
    EXPECT_EQ(value[VAR_QUESTION], Q_WORDS_INTRO);
    EXPECT_EQ(value[VAR_COMMAND_STATUS], 1);
    o = call(p535, line({773, 930}));
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP, 1943, 0}}));
    o = call(p535, line({773, 931}));
    EXPECT_EQ(first(o.texts, 1), (std::vector<said>{{0, 1944, 0}}));
    EXPECT_EQ(o.loop, 1);
}

TEST_F(PlaceWords, TheOtherWordsByPlace) {
    const auto c = [](int word, std::function<void()> setup, int here, std::vector<said> texts) {
        return std::pair<int, game_case>{here, game_case{std::move(setup), line({word}), here, std::move(texts)}};
    };
    check(p822, {
        c(837, nullptr, 550, {{STOP_ARG, 1713, 0}}),
        c(837, nullptr, 440, {{STOP_ARG, 1713, 0}}),
        c(837, nullptr, 299, {{STOP_ARG, 1713, 0}}),
        c(837, [] { flag(195, PFLAG_LIQUID_SOURCE); }, 195, {{STOP_ARG, 1713, 1}}),
        c(837, nullptr, 330, {{STOP_ARG, 1713, 2}}),
    });
    check(p603, {
        c(937, nullptr, PLACE_INTRO, {{STOP, 2092, 0}}),
        c(937, nullptr, 210, {{STOP, 1359, 0}}),
        c(937, nullptr, 517, {{STOP, 1359, 0}}),
    });
    check(p332, {
        c(894, nullptr, 530, {{STOP, 1425, 0}}),
        c(894, [] { flag(195, 7); }, 195, {{TYPED, 2166, VAR_ARG1}}),
        c(894, [] { flag(600, 7); }, 600, {{TYPED, 2167, VAR_ARG1}}),
        c(894, nullptr, 330, {{TYPED, 2167, VAR_ARG1}}),
    });
    check(p58, {
        c(923, nullptr, 530, {{STOP, 2374, 0}}),
    });
    check(p160, {
        c(900, nullptr, 632, {{STOP, 2387, 0}}),
        c(900, nullptr, 330, {{STOP, 2384, 0}}),
    });
    check(p292, {
        c(881, nullptr, PLACE_INTRO, {{STOP, 2017, 0}}),
        c(881, nullptr, 330, {{STOP, 2016, 0}}),
    });
    // The echo elsewhere and the footpath off the valley leave the reply
    // to the last replies.
    fresh_world(330);
    outcome o = call(p603, line({937}));
    EXPECT_EQ(o.loop, 0);
    o = call(p58, line({923}));
    EXPECT_EQ(o.loop, 1);
    EXPECT_NE(o.texts, (std::vector<said>{{STOP, 2374, 0}}));
}

TEST_F(PlaceWords, EveryTextIsWritten) {
    for (int t : {1447, 1448, 2627, 3193, 1972, 2110, 2111, 1977, 1970, 2926, 1971, 2136, 1973, 1974, 1975, 1976, 1979,
                  1980, 1981, 2552, 2553, 2551, 2549, 2548, 3202, 3138, 2892, 3252, 1978, 1969, 1713, 2092, 2166, 2167,
                  2387, 2384, 2017, 2016})
        EXPECT_FALSE(wording({0, t, 0}).empty()) << t;
}

}  // namespace
