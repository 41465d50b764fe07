// The passage chains: their exits, look rows, the brute and the hornets,
// the deadly jump into the pit and the landing of what is thrown there,
// through the real command reader and dispatch up to the place procedure.
#include "places.h"

namespace {

using namespace game_test;

class Chains : public GameTest {};

std::vector<said> after(std::vector<said> first_said, const std::vector<said> &rest) {
    first_said.insert(first_said.end(), rest.begin(), rest.end());
    return first_said;
}

const std::function<void()> dark = [] { light(false); };

TEST_F(Chains, InclineToFlueExits) {
    std::map<int, int> incline = {{749, 281}, {745, 385}, {1026, 385}};
    EXPECT_EQ(exits(384, nullptr, false), incline);
    incline[897] = incline[898] = incline[308] = 385;
    EXPECT_EQ(exits(384, came_from(281), true), incline);
    // The brute bars the way on while it is here.
    EXPECT_EQ(exits(385, nullptr, false), (std::map<int, int>{{749, 384}, {745, 386}, {386, 386}}));
    EXPECT_EQ(exits(385, [] { set_location(25, 385); }, true), (std::map<int, int>{{749, 384}}));
    std::map<int, int> flue = {{747, 387}, {751, 385}};
    EXPECT_EQ(exits(386, nullptr, false), flue);
    flue[897] = flue[898] = flue[308] = 387;
    EXPECT_EQ(exits(386, came_from(385), false), flue);
}

TEST_F(Chains, OverThePitExits) {
    std::map<int, int> fork = {{745, 386}, {897, 386}, {386, 386}, {751, 388}, {747, 427}};
    EXPECT_EQ(exits(387, nullptr, true), fork);
    // "Jump" alone is the jump into the pit; "go jump" is nothing.
    fork[762] = PLACE_GONE;
    EXPECT_EQ(exits(387, nullptr, false), fork);
    fork.erase(762);
    fork[445] = 427;  // the pinnacle word: on past the fork
    EXPECT_EQ(exits(387, came_from(388), true), fork);
    EXPECT_EQ(exits(388, nullptr, false), (std::map<int, int>{{745, 387}, {445, 387}, {748, 389}, {898, 389},
                                                             {897, 389}, {308, 389}, {762, PLACE_GONE}}));
    std::map<int, int> mouth = {{745, 387}, {445, 387}, {897, 387}, {308, 387},
                                {898, 387}, {757, 428}, {746, 428}, {888, 428}};
    mouth[762] = PLACE_GONE;
    EXPECT_EQ(exits(427, nullptr, false), mouth);
    mouth.erase(762);
    mouth[WORD_LIGHT] = 387;  // towards the light
    EXPECT_EQ(exits(427, nullptr, true), mouth);
}

TEST_F(Chains, CrawlExits) {
    std::map<int, int> crawl = {{750, 427}, {758, 427}, {748, 429}, {757, 429}};
    EXPECT_EQ(exits(428, nullptr, false), crawl);
    crawl[888] = 429;
    EXPECT_EQ(exits(428, came_from(427), true), crawl);
    const std::map<int, int> fumes = {{751, 428}, {888, 428}, {758, 428}, {749, 430}, {757, 430}, {897, 430}};
    EXPECT_EQ(exits(429, nullptr, false), fumes);
    // The hornets let no one on past them.
    EXPECT_EQ(exits(429, [] { set_location(34, 429); }, true),
              (std::map<int, int>{{751, 428}, {888, 428}, {758, 428}}));
    EXPECT_EQ(exits(430, nullptr, false),
              (std::map<int, int>{{745, 429}, {758, 429}, {897, 429}, {749, 431}, {757, 431}, {900, 431}}));
    EXPECT_EQ(exits(431, nullptr, true), (std::map<int, int>{{745, 430}, {758, 430}, {900, 430}}));
}

TEST_F(Chains, InclineToFlueRows) {
    const std::function<void()> brute = [] { set_location(25, 385); };
    check_place(384, {
        {nullptr, line({WORD_LOOK, 754}), 384, {{STOP_ARG, 2019, 10}}},
        {nullptr, line({WORD_LOOK, 1026}), 384, {{STOP, 2963, 0}}},
        {nullptr, line({WORD_LOOK, 897}), 384, {}, 0},
    });
    check_place(385, {
        {nullptr, line({WORD_LOOK, 936}), 385, {{STOP, 2968, 0}}},
        {nullptr, line({WORD_LOOK, 898}), 385, {{STOP_ARG, 2902, 897}}, 1, 1},
        {nullptr, line({897}), 385, {{STOP_ARG, 2904, 897}}},
        {brute, line({745}), 385, {{STOP, 1591, 0}}},
        {brute, line({757, 386}), 385, {{STOP, 1591, 0}}},
        // In the dark the brute kills whoever pushes at it.
        {both(brute, dark), line({WORD_GO, 745}), 385, after({{0, 2091, 0}}, plain_death), 1, 1},
    });
    check_place(386, {
        // "Read" alone reads the scrawl.
        {nullptr, line({798}), 386, {{STOP, 3192, 0}}},
        {nullptr, line({774, 1035}), 386, {{STOP, 3192, 0}}},
        {nullptr, line({WORD_TAKE, 1035}), 386, {}, 0},
        {nullptr, line({WORD_LOOK, 15}), 386, {{STOP, 3190, 0}}},
        {nullptr, line({WORD_LOOK, 17}), 386, {{STOP, 3191, 0}}},
        {nullptr, line({WORD_LOOK, 308}), 386, {{STOP_ARG, 2902, 897}}, 1, 1},
        {nullptr, line({WORD_LOOK, 386}), 386, {}, 0},
        {nullptr, line({848, 15}), 386, {{STOP, 1851, 0}}},
        {nullptr, line({386}), 386, {{STOP, 1425, 0}}},
    });
    // The chute is named: the second mark.
    fresh_world(386);
    at_place(line({WORD_TAKE, 15}));
    EXPECT_TRUE(bitest(VAR_QUESTION, VFLAG_QUESTION_REPLIED_2));
}

TEST_F(Chains, OverThePitRows) {
    const std::vector<said> jump = after({{0, 1637, 0}}, plain_death);
    const std::function<void()> lamp_lit = [] {
        carry(OBJ_LIGHT_SOURCE);
        value[OBJ_LIGHT_SOURCE] = 1;
        value[VAR_LIGHT_POWER] = 100;
    };
    for (int here : {387, 388, 427}) {
        check_place(here, {
            {nullptr, line({WORD_LOOK, 209}), here, {{STOP, 2964, 0}}},
            {nullptr, line({WORD_LOOK, 1010}), here, {{STOP, 2965, 0}}},
            {nullptr, line({WORD_LOOK, 445}), here, {{STOP_ARG, 2967, here == 387 ? 0 : here == 388 ? 1 : 2}}},
            {nullptr, line({755}), here, {{STOP, 3442, 0}}},
            {nullptr, line({848, 755}), here, {{STOP, 3442, 0}}},
            // The jump into the pit, alone or down it; the lamp goes with
            // the one who falls.
            {nullptr, line({762}), PLACE_GONE, jump, 1, 1},
            {nullptr, line({762, 209}), PLACE_GONE, jump, 1, 1},
            {lamp_lit, line({762, 755}), PLACE_GONE, after({{0, 1636, 0}}, plain_death), 1, 1},
            {nullptr, line({762, 745}), here, {}, 0},
        });
        // Whatever is thrown from here is gone.
        fresh_world(here);
        at_place(line({WORD_TAKE, 209}));
        EXPECT_EQ(value[VAR_LANDING_PLACE], PLACE_GONE) << here;
        EXPECT_EQ(value[VAR_LANDING_TEXT], 1671) << here;
        EXPECT_TRUE(bitest(VAR_QUESTION, VFLAG_QUESTION_REPLIED)) << here;
    }
    check_place(387, {
        {nullptr, line({WORD_LOOK, 897}), 387, {{STOP_ARG, 2903, 897}}, 1, 1},
    });
    check_place(388, {
        {nullptr, line({WORD_LOOK, 898}), 388, {{STOP_ARG, 2903, 898}}, 1, 1},
        {nullptr, line({WORD_LOOK, 390}), 388, {{STOP, 2966, 0}}},
        {nullptr, line({WORD_LOOK, 1130}), 388, {{STOP, 2966, 0}}},
    });
    check_place(427, {
        {nullptr, line({WORD_LOOK, 897}), 427, {{STOP_ARG, 2952, 897}}},
        {nullptr, line({WORD_LOOK, WORD_LIGHT}), 427, {{STOP_ARG, 2952, 897}}},
        {nullptr, line({WORD_LOOK, 888}), 427, {{STOP_ARG, 2903, 888}}, 1, 1},
    });
    fresh_world(387);
    lamp_lit();
    at_place(line({762}));
    EXPECT_EQ(value[VAR_LIGHT_POWER], 0);
}

TEST_F(Chains, CrawlRows) {
    const std::function<void()> nest = [] { set_location(34, 429); };
    const std::function<void()> bread = [] { carry(118); };
    check_place(428, {
        {nullptr, line({WORD_LOOK, 888}), 428, {}, 0},
    });
    check_place(429, {
        {nullptr, line({WORD_LOOK, 888}), 429, {{TYPED, 2903, VAR_ARG2}}, 1, 1},
        {both(nest, bread), line({795, 34}), 429, {{STOP, 2014, 0}}},
        {both(nest, bread), line({793, 118}), 429, {{STOP, 2014, 0}}},
        {nest, line({795, 34}), 429, {{STOP, 1755, 0}}},
        {bread, line({805, 118}), 429, {}, 0},
        // On past the nest: stung to death where the player stands.
        {nest, line({749}), 429, after({{0, 1573, 0}}, plain_death), 1, 1},
    });
    fresh_world(429);
    nest();
    bread();
    at_place(line({805, 118}));
    EXPECT_EQ(location[118], PLACE_OFFSTAGE);
    check_place(430, {
        {nullptr, line({WORD_LOOK, 900}), 430, {{TYPED, 2903, VAR_ARG2}}, 1, 1},
    });
    check_place(431, {
        {nullptr, line({WORD_LOOK, 913}), 431, {{STOP, 3441, 0}}},
        {nullptr, line({WORD_LOOK, 900}), 431, {{STOP_ARG, 2903, 900}}, 1, 1},
    });
}

TEST_F(Chains, TextsAreWritten) {
    for (int t : {1573, 1591, 1851, 2014, 2963, 2964, 2965, 2966, 3190, 3191, 3192, 3441, 3442})
        EXPECT_FALSE(wording({0, t, 0}).empty()) << t;
    for (int k : {0, 1, 2}) EXPECT_FALSE(wording({ARG, 2967, k}).empty()) << k;
    for (int place : {384, 385, 386, 387, 388, 427, 428, 429, 430, 431}) {
        EXPECT_FALSE(wording({SAY_DETAIL, place, 0}).empty()) << place;
        EXPECT_FALSE(wording({0, place, 0}).empty()) << place;
    }
}

// The ledge and the edge over the pit and the gap above the undercroft are
// answered by a closer look.
TEST_F(Chains, NamedFeaturesAnswerALook) {
    const std::vector<feature_reply> cases = {
        {387, "examine ledge", {STOP, 2965, 0}},
        {427, "examine edge", {STOP, 2965, 0}},
        {388, "examine gap", {STOP, 2966, 0}},
    };
    // The fume crawl's fumes are its stale air: a look about, which the
    // turn goes on to give.
    for (const char *typed : {"examine fumes", "examine air"}) {
        fresh_world(429);
        const outcome o = at_place(typed);
        EXPECT_EQ(o.texts, std::vector<said>{}) << typed;
        EXPECT_EQ(o.loop, 0) << typed;
        EXPECT_EQ(value[VAR_COMMAND_STATUS], 1) << typed;
    }
    expect_replies(cases);
}

}  // namespace
