// Emptying, stirring, washing, eating and burning.
#include "words_fixture.h"

namespace {

using namespace game_test;

constexpr int EMPTY = 804, STIR = 775, WASH = 861, EAT = 788, BURN = 789;
constexpr int ALE = OBJ_LIQUID_3, NECTAR = OBJ_LIQUID_4;
constexpr int SMALL = OBJ_VESSEL_SMALL, MEDIUM = OBJ_VESSEL_MEDIUM, LARGE = OBJ_VESSEL_LARGE;
constexpr int PLANT = 13, FRONDS = 14, LIZARD = 9, CLOTH = 63, LADDER = 78, WATERSKIN = 84, EEL = 94;
constexpr int MEDALLION = 111, BREAD = 118, FLASK = 127, HONEYCAKE = 128, TREE = 131, RAG = 132;
constexpr int CREEPER = 139, FRUIT = 141, TORCH = 145, BUNDLE = 151, SNAG = 153, GIANT = 194;
constexpr int LAMP = OBJ_LIGHT_SOURCE;
constexpr int VALLEY = 201, CELLAR = 204, COTTAGE = 200, UPSTREAM_POOL = 511, SNAG_END = 559;

using Containers = WordsTest;
using Eating = WordsTest;


// Emptying a container in hand; the vial still stoppered and the bundle
// go to the open word, and the turn ends whatever it said.
TEST_F(Containers, Emptying) {
    const said pour = {ARG | SAY_ARGVAR, 1370, VAR_RESULT}, from = {ARG | SAY_ARGVAR, 1371, VAR_VESSEL};
    run_cases(p261, {
        {"the jug of water", CELLAR, {EMPTY, MEDIUM}, [] { vessel(MEDIUM, 3); }, {pour, from, {STOP, 1372, 0}}, 1,
         state_is(MEDIUM, 2)},
        {"the empty cask", CELLAR, {EMPTY, LARGE}, [] { vessel(LARGE, 2); }, {{TYPED, 1745, VAR_VESSEL}}, 1,
         nullptr},
        {"the jug lying here", CELLAR, {EMPTY, MEDIUM}, [] { vessel(MEDIUM, 3, false); }, {{TYPED, 1513, VAR_ARG2}},
         1, state_is(MEDIUM, 3)},
        {"the full waterskin", CELLAR, {EMPTY, WATERSKIN}, [] { vessel(WATERSKIN, 2); }, {{STOP_ARG, 1802, 0}}, 1,
         state_is(WATERSKIN, 0)},
        {"the empty waterskin", CELLAR, {EMPTY, WATERSKIN}, [] { vessel(WATERSKIN, 0); },
         {{TYPED, 1745, WATERSKIN}}, 1, nullptr},
        {"the vial of water", CELLAR, {EMPTY, SMALL}, [] { vessel(SMALL, 3); }, {pour, from, {STOP, 1266, 0}}, 1,
         state_is(SMALL, 2)},
        {"the flask", CELLAR, {EMPTY, FLASK}, [] { carry(FLASK); }, {{STOP, 1299, 0}}, 1, nullptr},
        {"the lamp", CELLAR, {EMPTY, LAMP}, [] { carry(LAMP); }, {{STOP, 1403, 0}}, 1, nullptr},
        {"alone", CELLAR, {EMPTY}, nullptr, {}, 0, nullptr},
    });
    for (int thing : {SMALL, BUNDLE}) {
        command_at(CELLAR, {EMPTY, thing});
        vessel(thing, 1);
        record<WORD_OPEN>();
        outcome o = call(p261);
        EXPECT_EQ(handed_to, std::vector<int>{WORD_OPEN}) << thing;
        EXPECT_EQ(o.loop, 1) << thing;
    }
}

// Stirring the cask and its ale; stirring around; the giant guards his
// ale.
TEST_F(Containers, Stirring) {
    run_cases(p894, {
        {"the cask of ale", CELLAR, {STIR, LARGE}, [] { vessel(LARGE, 5); }, {{STOP, 2464, 0}}, 1, nullptr},
        {"the empty cask", CELLAR, {STIR, LARGE}, [] { vessel(LARGE, 2); }, {{TYPED, 2351, LARGE}}, 1, nullptr},
        {"the ale in the cask", CELLAR, {STIR, ALE}, [] { vessel(LARGE, 5, false); }, {{STOP, 2464, 0}}, 1, nullptr},
        {"the giant's ale", CELLAR, {STIR, ALE}, [] { here_(GIANT); value[GIANT] = 5; }, {{STOP, 2279, 0}}, 1,
         nullptr},
        {"around", CELLAR, {STIR, 1006}, nullptr, {{STOP, 3394, 0}}, 1, nullptr},
        {"anything else", CELLAR, {STIR, LAMP}, [] { carry(LAMP); }, LAST_REPLIES, 1, nullptr},
    });
}

// Washing a thing: the cask in its state of its own is rinsed where there
// is water; things are washed where there is water, by what they are.
TEST_F(Containers, WashingAThing) {
    // Whatever can be carried is washed; the lizard cannot.
    auto carriable = [](std::function<void()> f) -> std::function<void()> {
        return [f] {
            for (int o : {LARGE, RAG, CLOTH, MEDALLION, LAMP}) flag(o, OFLAG_PORTABLE);
            if (f) f();
        };
    };
    std::vector<word_case> cases = {
        {"the sticky cask at a source", VALLEY, {WASH, LARGE}, [] { source(); vessel(LARGE, 1); },
         {{STOP, 2262, 0}}, 1, state_is(LARGE, 2)},
        {"the sticky cask on the ring walk", 548, {WASH, LARGE}, [] { vessel(LARGE, 1); }, {{STOP, 2262, 0}}, 1,
         state_is(LARGE, 2)},
        {"the sticky cask at the cottage", COTTAGE, {WASH, LARGE}, [] { source(); vessel(LARGE, 1); },
         {{STOP, 2258, 0}}, 1, state_is(LARGE, 1)},
        {"the sticky cask in the gallery", 440, {WASH, LARGE}, [] { vessel(LARGE, 1); }, {{STOP, 3335, 0}}, 1,
         nullptr},
        {"the sticky cask, no water", CELLAR, {WASH, LARGE}, [] { vessel(LARGE, 1); }, {{STOP_ARG, 2151, 1}}, 1,
         state_is(LARGE, 1)},
        {"the clean cask", VALLEY, {WASH, LARGE}, [] { source(); vessel(LARGE, 2); }, {{STOP, 2260, 0}}, 1, nullptr},
        {"the oily rag", VALLEY, {WASH, RAG}, [] { source(); vessel(RAG, 2); }, {{STOP, 2157, 0}}, 1,
         state_is(RAG, 2)},
        {"the cloth, a treasure", VALLEY, {WASH, CLOTH}, [] { source(); carry(CLOTH); flag(CLOTH, OFLAG_SCORING); },
         {{STOP_ARG, 2573, 1}}, 1, nullptr},
        {"the cloth", VALLEY, {WASH, CLOTH}, [] { source(); carry(CLOTH); }, {{STOP_ARG, 2572, 0}}, 1, nullptr},
        {"the medallion", VALLEY, {WASH, MEDALLION}, [] { source(); carry(MEDALLION); }, {{STOP, 3374, 0}}, 1,
         nullptr},
        {"the lamp", VALLEY, {WASH, LAMP}, [] { source(); carry(LAMP); }, {{STOP, 2156, 0}}, 1, nullptr},
        {"the stirred pool", UPSTREAM_POOL, {WASH, LAMP}, [] { source(); carry(LAMP); flag(EEL, 14); },
         {{STOP, 2158, 0}}, 1, nullptr},
        {"no water", CELLAR, {WASH, LAMP}, [] { carry(LAMP); }, {{STOP_ARG, 2151, 1}}, 1, nullptr},
        {"in the gallery", 440, {WASH, LAMP}, [] { carry(LAMP); }, {{STOP, 1365, 0}}, 1, nullptr},
        {"not here", VALLEY, {WASH, LAMP}, source, LAST_REPLIES, 1, nullptr},
        {"not portable", VALLEY, {WASH, LIZARD}, [] { source(); here_(LIZARD); }, LAST_REPLIES, 1, nullptr},
    };
    for (word_case &c : cases) c.setup = carriable(c.setup);
    run_cases(p900, cases);
}

// Washing alone: the stirred upstream pool settles, once; then the replies
// by place.
TEST_F(Containers, WashingAlone) {
    command_at(UPSTREAM_POOL, {WASH});
    source();
    flag(EEL, 14);
    bitmod('s', VAR_GAME_FLAGS_2, 6);
    value[UPSTREAM_POOL] = 3;
    vessel(RAG, 2, false);
    outcome o = call(p900);
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP, 2147, 0}}));
    EXPECT_FALSE(bitest(EEL, 14));
    EXPECT_TRUE(bitest(VAR_GAME_FLAGS_2, 7));
    EXPECT_FALSE(bitest(VAR_GAME_FLAGS_2, 6));
    EXPECT_TRUE(bitest(510, PFLAG_HINT_AVAILABLE));
    EXPECT_TRUE(bitest(UPSTREAM_POOL, PFLAG_HINT_AVAILABLE));
    EXPECT_EQ(value[UPSTREAM_POOL], 0);
    EXPECT_EQ(value[RAG], 1);
    o = call(p900, line({WASH}));
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP_ARG, 2149, 0}}));

    run_cases(p900, {
        {"in the fumes", 505, {WASH}, nullptr, {{STOP, 2148, 0}}, 1, nullptr},
        {"by the falls", 567, {WASH}, source, {{STOP_ARG, 2149, 1}}, 1, nullptr},
        {"water in hand", CELLAR, {WASH}, [] { vessel(MEDIUM, 3); }, {{STOP, 2150, 0}}, 1, state_is(MEDIUM, 3)},
        {"no water", CELLAR, {WASH}, nullptr, {{STOP_ARG, 2151, 0}}, 1, nullptr},
        {"around", CELLAR, {WASH, 1006}, nullptr, {{STOP_ARG, 2151, 0}}, 1, nullptr},
    });
}

// Eating: the bread before the honeycake; the honeycake's strength; the
// guttering torch spoils it; the rest is refused.
TEST_F(Eating, Eating) {
    run_cases(p258, {
        {"alone, bread and honeycake near", CELLAR, {EAT}, [] { here_(BREAD); carry(HONEYCAKE); }, {{STOP, 1362, 0}},
         1, [] { EXPECT_EQ(getloc(BREAD), PLACE_OFFSTAGE); EXPECT_EQ(getloc(HONEYCAKE), PLACE_CARRIED); }},
        {"the bread, the torch guttering", CELLAR, {EAT, BREAD}, [] { here_(BREAD); carry_in(TORCH, 2); },
         {{STOP, 2323, 0}}, 1, [] { EXPECT_EQ(getloc(BREAD), CELLAR); }},
        {"the honeycake, the torch guttering", CELLAR, {EAT, HONEYCAKE}, [] { carry(HONEYCAKE); carry_in(TORCH, 2); },
         {{STOP, 2323, 0}}, 1, [] { EXPECT_EQ(value[VAR_CARRY_LIMIT], 7); }},
        {"the fruit", CELLAR, {EAT, FRUIT}, [] { here_(FRUIT); }, {{STOP, 2257, 0}}, 1, nullptr},
        {"nectar in the cask", CELLAR, {EAT, NECTAR}, [] { vessel(LARGE, 6); }, {{STOP, 1361, 0}}, 1, nullptr},
        {"nectar, none", CELLAR, {EAT, NECTAR}, nullptr, {{TYPED, 1319, VAR_ARG2}}, 1, nullptr},
        {"nothing", CELLAR, {EAT}, nullptr, {{STOP, 1472, 0}}, 1, nullptr},
        {"the lizard", CELLAR, {EAT, LIZARD}, [] { here_(LIZARD); flag(LIZARD, OFLAG_ADDRESSABLE); },
         {{STOP, 1360, 0}}, 1, nullptr},
        {"the plant", CELLAR, {EAT, PLANT}, nullptr, {{STOP, 1360, 0}}, 1, nullptr},
        {"the lamp", CELLAR, {EAT, LAMP}, [] { carry(LAMP); }, {{STOP, 1369, 0}}, 1, nullptr},
        {"the lamp, not here, named where it is a feature", CELLAR, {EAT, LAMP}, [] { mark_feature(); },
         {{STOP, 1369, 0}}, 1, nullptr},
        {"the lamp, not here", CELLAR, {EAT, LAMP}, nullptr, {}, 0, nullptr},
    });
    // The honeycake gives the strength to carry six more, for a while.
    command_at(517, {EAT, HONEYCAKE});
    carry(HONEYCAKE);
    bitmod('s', 517, PFLAG_HINT_AVAILABLE);
    set_ref(VAR_PHASE_PERIOD, 100);
    outcome o = call(p258);
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP, HONEYCAKE, 0}}));
    // The honeycake's own description, read in its eaten state, tells of the
    // eating; read when the strength wears off (state 3), of that.
    EXPECT_NE(wording(o.texts[0]).find("You eat the honeycake"), std::string::npos);
    EXPECT_EQ(o.draws, 1);
    EXPECT_EQ(value[VAR_CARRY_LIMIT], 13);
    EXPECT_EQ(value[HONEYCAKE], 2);
    EXPECT_EQ(getloc(HONEYCAKE), PLACE_GONE);
    EXPECT_FALSE(bitest(517, PFLAG_HINT_AVAILABLE));
    EXPECT_TRUE(within(value[VAR_STRENGTH_TURN], 128, 133));
    EXPECT_EQ(*bitword(VAR_STRENGTH_TURN), ref_mark);
    value[HONEYCAKE] = 3;
    EXPECT_NE(wording({0, HONEYCAKE, 0}).find("strength drains out"), std::string::npos);
}

// Burning needs the torch alight: it sets the snag going; without it the
// snag wants a flame; the ladder, the creeper, and the trees of the valley
// refuse.
TEST_F(Eating, Burning) {
    auto torch = [](int s) {
        return [s] { carry_in(TORCH, s); flag(TORCH, OFLAG_NOT_COUNTED); };
    };
    run_cases(p128, {
        {"the snag", SNAG_END, {BURN, SNAG}, [=] { torch(5)(); here_(SNAG); bitmod('s', SNAG_END, 8); },
         {{STOP, 2330, 0}}, 1,
         [] {
             EXPECT_EQ(value[SNAG], 1);
             EXPECT_EQ(value[SNAG_END], 1);
             EXPECT_TRUE(bitest(SNAG, OFLAG_TWO_PLACES));
             EXPECT_EQ(value[TORCH], 1);
             EXPECT_FALSE(bitest(TORCH, OFLAG_NOT_COUNTED));
             EXPECT_FALSE(bitest(SNAG_END, 8));
         }},
        {"the snag, no flame", SNAG_END, {BURN, SNAG}, [=] { torch(1)(); here_(SNAG); }, {{STOP, 2521, 0}}, 1,
         state_is(SNAG, 0)},
        {"alone by the snag", SNAG_END, {BURN}, [] { here_(SNAG); }, {{STOP, 2608, 0}}, 1,
         [] { EXPECT_TRUE(bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_ORPHAN)); }},
        {"the ladder", 262, {BURN, LADDER}, torch(5), {{STOP, 1709, 0}}, 1, nullptr},
        {"the creeper", 443, {BURN, CREEPER}, [=] { torch(5)(); here_(CREEPER); }, {{STOP, 2324, 0}}, 1, nullptr},
        {"the creeper from its top", 215, {BURN, CREEPER}, [=] { torch(5)(); here_(FRONDS); }, {{STOP_ARG, 2160, 0}},
         1, nullptr},
        {"a tree of the valley", 520, {BURN, TREE}, torch(5), {{STOP, 2325, 0}}, 1, nullptr},
        {"the lizard", CELLAR, {BURN, LIZARD}, [=] { torch(5)(); here_(LIZARD); flag(LIZARD, OFLAG_ADDRESSABLE); },
         {{STOP, 2326, 0}}, 1, nullptr},
        {"the lamp", CELLAR, {BURN, LAMP}, [=] { torch(5)(); carry(LAMP); }, {{STOP, 1403, 0}}, 1, nullptr},
        // Alone, with the torch alight and no snag: the tests of the second
        // word are made on no word at all.
        {"alone, the torch alight", CELLAR, {BURN}, torch(5), {{STOP, 1403, 0}}, 1, nullptr},
    });
    // Burning without a flame is the eating word's business; eating the
    // snag is the burning word's, which does not hand it back.
    command_at(CELLAR, {BURN, LAMP});
    carry(LAMP);
    record<EAT>();
    call(p128);
    EXPECT_EQ(handed_to, std::vector<int>{EAT});
    command_at(SNAG_END, {EAT, SNAG});
    here_(SNAG);
    outcome o = call(p258);
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP, 2521, 0}}));
}

}  // namespace
