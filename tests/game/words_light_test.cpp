// The lamp's words (light, put out, on, off, the switch, refill) and the
// words that light and snuff the other things that burn.
#include "words_fixture.h"

namespace {

using namespace game_test;

constexpr int LAMP = OBJ_LIGHT_SOURCE, CANISTER = OBJ_LIGHT_REFILL, GLIMMER = 16;
constexpr int LIGHT = WORD_LIGHT, OUT = WORD_EXTINGUISH, ON = WORD_ON, OFF = WORD_OFF, SWITCH = WORD_TOGGLE_LIGHT;
constexpr int REFILL = WORD_RECHARGE, IGNITE = 771, SNUFF = 772;
constexpr int BEACON = 45, FUSE = 46, CANDLESTICK = 50, WICK = 55, CANDLE = 65, BRAND = 70, INCENSE = 95;
constexpr int FIGURINE = 96, TORCH = 145, JUG = OBJ_VESSEL_MEDIUM, KEEPER = 23, FIREFLY = 109;
constexpr int CELLAR = 204, GLIMMER_HALL = 315;
constexpr int INCENSE_WAIT = 1205;

using Lamp = WordsTest;
using Burning = WordsTest;

void lamp(int state, int power) {
    carry_in(LAMP, state);
    value[VAR_LIGHT_POWER] = power;
}

// Lighting: the canister tops the oil up on the way when it is low; with no
// oil nothing lights; lit already it says so. The light was there already,
// so only the lamp's own reply is said.
TEST_F(Lamp, Lighting) {
    auto is = [](int state, int power, int canister) {
        return [=] {
            EXPECT_EQ(value[LAMP], state);
            EXPECT_EQ(value[VAR_LIGHT_POWER], power);
            EXPECT_EQ(value[CANISTER], canister);
        };
    };
    run_cases(p531, {
        {"off, oil left", CELLAR, {LIGHT}, [] { lamp(0, 100); }, {{ARG, 1326, 1}}, 1, is(1, 100, 0)},
        {"warned, lit again", CELLAR, {LIGHT, LAMP}, [] { lamp(2, 30); }, {{ARG, 1326, 1}}, 1, is(1, 30, 0)},
        {"lit already", CELLAR, {LIGHT}, [] { lamp(1, 100); }, {{STOP_ARG, 1327, 1}}, 1, is(1, 100, 0)},
        {"low, the canister tops it up", CELLAR, {LIGHT}, [] { lamp(0, 39); carry_in(CANISTER, 1); },
         {{0, 1539, 0}, {ARG, 1326, 1}}, 1, is(1, 439, 3)},
        {"dry, the canister near", CELLAR, {LIGHT}, [] { lamp(0, 0); value[CANISTER] = 1; here_(CANISTER); },
         {{0, 1539, 0}, {ARG, 1326, 1}}, 1, is(1, 400, 3)},
        {"low, the canister used up", CELLAR, {LIGHT}, [] { lamp(0, 39); carry_in(CANISTER, 3); },
         {{ARG, 1326, 1}}, 1, is(1, 39, 3)},
        {"dry", CELLAR, {LIGHT}, [] { lamp(0, 0); }, {{0, 1484, 0}}, 1, is(0, 0, 0)},
        {"no lamp", CELLAR, {LIGHT}, nullptr, {{STOP, 1325, 0}}, 1, nullptr},
        {"the lamp named, not here", CELLAR, {LIGHT, LAMP}, nullptr, LAST_REPLIES, 1, nullptr},
    });
}

// Lit in the dark, the place is described in full at once: the command
// counts as one word for the look word, and the glimmer is put out of
// sight.
TEST_F(Lamp, LightingInTheDarkLooks) {
    command_at(CELLAR, {LIGHT, LAMP});
    dark();
    lamp(0, 100);
    value[GLIMMER] = 5;
    record<WORD_LOOK>();
    outcome o = call(p531);
    EXPECT_EQ(o.texts, (std::vector<said>{{ARG, 1326, 1}}));
    EXPECT_EQ(handed_to, std::vector<int>{WORD_LOOK});
    EXPECT_EQ(words(), 1);
    EXPECT_EQ(value[GLIMMER], 0);
    EXPECT_TRUE(bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_LIGHT));
    EXPECT_EQ(o.loop, 1);
}

// The light word with anything but the lamp is the kindle word's; with
// the off word it puts the lamp out.
TEST_F(Lamp, LightHandsOver) {
    command_at(CELLAR, {LIGHT, CANDLE});
    record<817>();
    outcome o = call(p531);
    EXPECT_EQ(handed_to, std::vector<int>{817});
    EXPECT_EQ(o.loop, 0);

    command_at(CELLAR, {LIGHT, OFF});
    lamp(1, 100);
    o = call(p531);
    EXPECT_EQ(o.texts, (std::vector<said>{{ARG, 1326, 0}}));
    EXPECT_EQ(value[LAMP], 0);
}

// Putting out: where the place has light of its own it stays light, and in
// the hall of glimmers the glimmer shows itself; in the dark the light goes.
TEST_F(Lamp, PuttingOut) {
    run_cases(p294, {
        {"lit place", CELLAR, {OUT}, [] { lamp(1, 100); }, {{ARG, 1326, 0}}, 1,
         [] { EXPECT_EQ(value[LAMP], 0); EXPECT_TRUE(light()); }},
        {"hall of glimmers", GLIMMER_HALL, {OUT, LAMP}, [] { lamp(2, 100); }, {{ARG, 1326, 0}, {0, GLIMMER, 0}}, 1,
         [] { EXPECT_EQ(value[LAMP], 0); }},
        {"dark place", CELLAR, {OUT}, [] { lamp(1, 100); bitmod('c', CELLAR, PFLAG_LIT); },
         {{ARG, 1326, 0}, {0, 1313, 0}}, 1,
         [] { EXPECT_FALSE(light()); }},
        {"out already", CELLAR, {OUT}, [] { lamp(0, 100); }, {{STOP_ARG, 1327, 0}}, 1, nullptr},
        {"another thing", CELLAR, {OUT, CANDLE}, [] { lamp(1, 100); }, {{STOP, 1436, 0}}, 1,
         [] { EXPECT_EQ(value[LAMP], 1); }},
        {"no lamp", CELLAR, {OUT}, nullptr, {{STOP, 3569, 0}}, 1, nullptr},
        {"the lamp named, not here", CELLAR, {OUT, LAMP}, nullptr, LAST_REPLIES, 1, nullptr},
    });
}

// The switch picks on or off by the lamp's state, or as the command says;
// a look at it, the canister, no lamp and an unrelated word have their own
// replies.
TEST_F(Lamp, TheSwitch) {
    run_cases(p825, {
        {"off: on", CELLAR, {SWITCH}, [] { lamp(0, 100); }, {{ARG, 1326, 1}}, 1, [] { EXPECT_EQ(value[LAMP], 1); }},
        {"lit: off", CELLAR, {SWITCH, LAMP}, [] { lamp(1, 100); }, {{ARG, 1326, 0}}, 1,
         [] { EXPECT_EQ(value[LAMP], 0); }},
        {"flicked", CELLAR, {818, SWITCH}, [] { lamp(2, 100); }, {{ARG, 1326, 0}}, 1, nullptr},
        {"pressed", CELLAR, {808, SWITCH}, [] { lamp(0, 100); }, {{ARG, 1326, 1}}, 1, nullptr},
        {"switched on", CELLAR, {SWITCH, ON}, [] { lamp(0, 100); }, {{ARG, 1326, 1}}, 1,
         [] { EXPECT_EQ(value[LAMP], 1); }},
        {"switched on, lit already", CELLAR, {SWITCH, ON}, [] { lamp(1, 100); }, {{STOP_ARG, 1327, 1}}, 1,
         [] { EXPECT_EQ(value[LAMP], 1); }},
        {"switched off", CELLAR, {SWITCH, OFF}, [] { lamp(1, 100); }, {{ARG, 1326, 0}}, 1, nullptr},
        {"switched off, out already", CELLAR, {SWITCH, OFF}, [] { lamp(0, 100); }, {{STOP_ARG, 1327, 0}}, 1,
         nullptr},
        {"looked at", CELLAR, {WORD_LOOK, SWITCH}, [] { lamp(0, 100); }, {{STOP, 3464, 0}}, 1, nullptr},
        {"no lamp", CELLAR, {SWITCH}, nullptr, {{STOP_ARG, 1319, SWITCH}}, 1, nullptr},
        {"the jug", CELLAR, {SWITCH, JUG}, [] { lamp(0, 100); }, {{STOP, 1403, 0}}, 1, nullptr},
        {"the canister", CELLAR, {SWITCH, CANISTER}, [] { lamp(0, 100); carry_in(CANISTER, 2); },
         {{STOP, 1834, 0}}, 1, [] { EXPECT_EQ(value[VAR_LIGHT_POWER], 400); }},
    });
}

// On and off: a thing that burns goes to the lighting and snuffing words
// even with the lamp near; anything else but the lamp is refused.
TEST_F(Lamp, OnAndOff) {
    // A candle that is not here: the lighting word has no reply, and the
    // switch word refuses it.
    command_at(CELLAR, {ON, CANDLE});
    lamp(0, 100);
    flag(CANDLE, OFLAG_LIGHTABLE);
    record<IGNITE>();
    outcome o = call(p636);
    EXPECT_EQ(handed_to, std::vector<int>{IGNITE});
    EXPECT_EQ(arg1(), IGNITE);
    EXPECT_EQ(o.texts, (std::vector<said>{{TYPED, 3494, VAR_ARG2}}));
    EXPECT_EQ(value[LAMP], 0);

    run_cases(p636, {
        {"on the lamp", CELLAR, {ON, LAMP}, [] { lamp(0, 100); }, {{ARG, 1326, 1}}, 1, nullptr},
        {"on alone", CELLAR, {ON}, [] { lamp(0, 100); }, {{ARG, 1326, 1}}, 1, nullptr},
        {"on the jug", CELLAR, {ON, JUG}, [] { lamp(0, 100); }, {{TYPED, 3494, VAR_ARG2}}, 1,
         [] { EXPECT_EQ(value[LAMP], 0); }},
        {"on a candle here", CELLAR, {ON, CANDLE}, [] { flag(CANDLE, OFLAG_LIGHTABLE); here_(CANDLE); },
         {{STOP, 3423, 0}}, 1, [] { EXPECT_EQ(value[CANDLE], 2); EXPECT_EQ(getloc(CANDLE), PLACE_CARRIED); }},
    });
    run_cases(p631, {
        {"off alone", CELLAR, {OFF}, [] { lamp(1, 100); }, {{ARG, 1326, 0}}, 1, nullptr},
        {"off a lit candle", CELLAR, {OFF, CANDLE},
         [] { flag(CANDLE, OFLAG_LIGHTABLE); carry_in(CANDLE, 2); lamp(1, 100); }, {{STOP, 3423, 0}}, 1,
         [] { EXPECT_EQ(value[CANDLE], 1); EXPECT_EQ(value[LAMP], 1); }},
    });
}

// Refilling sets the power to 400 (not 400 more) and uses the canister up.
TEST_F(Lamp, Refilling) {
    run_cases(p708, {
        {"ready", CELLAR, {REFILL, CANISTER}, [] { lamp(0, 300); carry_in(CANISTER, 1); }, {{STOP, 1834, 0}}, 1,
         [] { EXPECT_EQ(value[VAR_LIGHT_POWER], 400); EXPECT_EQ(value[CANISTER], 3); }},
        {"used up", CELLAR, {REFILL, CANISTER}, [] { lamp(0, 30); carry_in(CANISTER, 3); }, {{STOP, 1833, 0}}, 1,
         [] { EXPECT_EQ(value[VAR_LIGHT_POWER], 30); }},
        {"not here", CELLAR, {REFILL, CANISTER}, [] { lamp(0, 30); }, {{STOP, 1833, 0}}, 1, nullptr},
        {"without the canister", CELLAR, {REFILL}, [] { lamp(0, 30); carry_in(CANISTER, 1); }, {}, 0, nullptr},
    });
}

void burns(std::initializer_list<int> objs) {
    for (int o : objs) flag(o, OFLAG_LIGHTABLE);
}

// Lighting a thing: it is picked up first (within the carrying limit,
// unless it does not count), lit, and stops counting; the beacon, the
// incense, the fuse, the torch and the candlestick have their own replies.
TEST_F(Burning, Lighting) {
    auto lit = [](int obj) {
        return [obj] {
            EXPECT_EQ(getloc(obj), PLACE_CARRIED);
            EXPECT_EQ(value[obj], 2);
            EXPECT_TRUE(bitest(obj, OFLAG_NOT_COUNTED));
        };
    };
    run_cases(p911, {
        {"a brand here", CELLAR, {IGNITE, BRAND}, [] { burns({BRAND}); here_(BRAND); }, {{STOP, 3423, 0}}, 1,
         lit(BRAND)},
        {"hands full", CELLAR, {IGNITE, BRAND},
         [] { burns({BRAND}); here_(BRAND); value[VAR_CARRIED_COUNT] = 7; }, {{STOP, 1388, 0}}, 1,
         [] { EXPECT_EQ(getloc(BRAND), CELLAR); }},
        {"hands full, not counted", CELLAR, {IGNITE, BRAND},
         [] { burns({BRAND}); here_(BRAND); flag(BRAND, OFLAG_NOT_COUNTED); value[VAR_CARRIED_COUNT] = 7; },
         {{STOP, 3423, 0}}, 1, lit(BRAND)},
        {"alight already", CELLAR, {IGNITE, BRAND}, [] { burns({BRAND}); carry_in(BRAND, 2); },
         {{TYPED, 1893, VAR_ARG2}}, 1, nullptr},
        {"does not burn", CELLAR, {IGNITE, JUG}, [] { here_(JUG); }, {{STOP, 1315, 0}}, 1, nullptr},
        {"the figurine", CELLAR, {IGNITE, FIGURINE}, [] { here_(FIGURINE); }, {{STOP, 1364, 0}}, 1, nullptr},
        {"the wick", CELLAR, {IGNITE, WICK}, [] { burns({WICK}); here_(WICK); }, {{STOP, 1892, 0}}, 1, nullptr},
        {"alone", CELLAR, {IGNITE}, nullptr, {}, 0, nullptr},
        {"not here", CELLAR, {IGNITE, BRAND}, [] { burns({BRAND}); }, {}, 0, nullptr},
        {"a word", CELLAR, {IGNITE, SWITCH}, nullptr, {}, 0, nullptr},
        {"the candlestick", CELLAR, {IGNITE, CANDLESTICK}, [] { burns({CANDLESTICK}); carry(CANDLESTICK); },
         {{STOP, 1898, 0}}, 1, lit(CANDLESTICK)},
        {"the fuse, first", CELLAR, {IGNITE, FUSE}, [] { burns({FUSE}); carry(FUSE); }, {{STOP, 1900, 0}}, 1,
         [] { EXPECT_TRUE(bitest(FUSE, 14)); }},
        {"the fuse, again", CELLAR, {IGNITE, FUSE}, [] { burns({FUSE}); carry(FUSE); flag(FUSE, 14); },
         {{STOP, 3423, 0}}, 1, lit(FUSE)},
        {"the beacon way, first", 572, {IGNITE, BEACON}, [] { burns({BEACON}); carry(BEACON); }, {{STOP, 2445, 0}},
         1, [] { EXPECT_EQ(value[BEACON], 2); EXPECT_TRUE(bitest(BEACON, 13)); }},
        {"the descent, again", 573, {IGNITE, BEACON}, [] { burns({BEACON}); carry(BEACON); flag(BEACON, 13); },
         {{0, 2444, 0}, {STOP, 1266, 0}}, 1, nullptr},
        {"the beacon near its ways", 574, {IGNITE, BEACON}, [] { burns({BEACON}); carry(BEACON); },
         {{STOP, 2441, 0}}, 1, [] { EXPECT_EQ(value[BEACON], 0); }},
        {"the beacon elsewhere", CELLAR, {IGNITE, BEACON}, [] { burns({BEACON}); here_(BEACON); },
         {{STOP, 2442, 0}}, 1, [] { EXPECT_EQ(getloc(BEACON), PLACE_CARRIED); }},
        {"incense, the keeper watching", CELLAR, {IGNITE, INCENSE},
         [] { burns({INCENSE}); carry(INCENSE); here_(KEEPER); }, {{STOP, 3376, 0}}, 1, nullptr},
        {"incense still warm", CELLAR, {IGNITE, INCENSE},
         [] { burns({INCENSE}); carry(INCENSE); value[INCENSE_WAIT] = 1; }, {{STOP, 2273, 0}}, 1,
         [] { EXPECT_EQ(value[INCENSE], 0); }},
        {"incense in the dark", CELLAR, {IGNITE, INCENSE}, [] { burns({INCENSE}); carry(INCENSE); dark(); },
         {{STOP, 2272, 0}}, 1, [] { EXPECT_FALSE(bitest(INCENSE, 13)); }},
        {"the torch, again", CELLAR, {IGNITE, TORCH},
         [] { burns({TORCH}); carry(TORCH); bitmod('s', VAR_GAME_FLAGS_3, 2); }, {{STOP, 3423, 0}}, 1, nullptr},
    });
}

// The incense and the torch draw how long they burn or wait.
TEST_F(Burning, IncenseAndTorchDraw) {
    command_at(CELLAR, {IGNITE, INCENSE});
    burns({INCENSE});
    carry(INCENSE);
    outcome o = call(p911);
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP, 2271, 0}}));
    EXPECT_EQ(o.draws, 1);
    EXPECT_TRUE(within(value[INCENSE_WAIT], 8, 12));
    EXPECT_TRUE(bitest(INCENSE, 13));

    command_at(CELLAR, {IGNITE, TORCH});
    burns({TORCH});
    here_(TORCH);
    o = call(p911);
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP, 2327, 0}}));
    EXPECT_EQ(o.draws, 1);
    EXPECT_TRUE(within(value[TORCH], 4, 7));
    EXPECT_TRUE(bitest(VAR_GAME_FLAGS_3, 2));
}

// Snuffing: the thing counts again, so full hands refuse it; the jewel,
// the incense, the torch and the candle stay out of the count (full hands
// still refuse them).
TEST_F(Burning, Snuffing) {
    auto out_counted = [](int obj, bool counted) {
        return [=] {
            EXPECT_EQ(value[obj], 1);
            EXPECT_EQ(bitest(obj, OFLAG_NOT_COUNTED), !counted);
        };
    };
    auto burning = [](int obj) {
        return [obj] {
            burns({obj});
            carry_in(obj, 2);
            flag(obj, OFLAG_NOT_COUNTED);
        };
    };
    run_cases(p707, {
        {"the brand", CELLAR, {SNUFF, BRAND}, burning(BRAND), {{STOP, 3423, 0}}, 1, out_counted(BRAND, true)},
        {"the candle", CELLAR, {SNUFF, CANDLE}, burning(CANDLE), {{STOP, 3423, 0}}, 1, out_counted(CANDLE, false)},
        {"the torch", CELLAR, {SNUFF, TORCH}, burning(TORCH), {{STOP, 2329, 0}}, 1, out_counted(TORCH, false)},
        {"hands full", CELLAR, {SNUFF, BRAND}, [=] { burning(BRAND)(); value[VAR_CARRIED_COUNT] = 7; },
         {{TYPED, 3449, VAR_ARG2}}, 1, [] { EXPECT_EQ(value[BRAND], 2); }},
        {"hands full, the candle", CELLAR, {SNUFF, CANDLE}, [=] { burning(CANDLE)(); value[VAR_CARRIED_COUNT] = 7; },
         {{TYPED, 3449, VAR_ARG2}}, 1, [] { EXPECT_EQ(value[CANDLE], 2); }},
        {"not alight", CELLAR, {SNUFF, BRAND}, [] { burns({BRAND}); carry_in(BRAND, 1); }, {{STOP, 1894, 0}}, 1,
         nullptr},
        {"alight, not in hand", CELLAR, {SNUFF, BRAND}, [] { burns({BRAND}); here_(BRAND); value[BRAND] = 2; },
         {{STOP, 1894, 0}}, 1, nullptr},
        {"does not burn", CELLAR, {SNUFF, JUG}, [] { carry(JUG); }, {{STOP, 1403, 0}}, 1, nullptr},
        {"alone", CELLAR, {SNUFF}, nullptr, {}, 0, nullptr},
        {"incense seen burning", CELLAR, {SNUFF, INCENSE}, [=] { burning(INCENSE)(); flag(INCENSE, 13); },
         {{STOP, 2277, 0}}, 1, out_counted(INCENSE, false)},
        {"incense lit in the dark", CELLAR, {SNUFF, INCENSE}, burning(INCENSE), {{STOP, 3423, 0}}, 1, nullptr},
        // The firefly in hand: the turn ends, and with the jar away nothing
        // is said.
        {"the firefly", CELLAR, {SNUFF, FIREFLY}, [] { carry(FIREFLY); }, {}, 1,
         [] { EXPECT_EQ(getloc(FIREFLY), PLACE_CARRIED); }},
    });
    // Snuffed, the incense waits 2..5 turns less.
    command_at(CELLAR, {SNUFF, INCENSE});
    burning(INCENSE)();
    value[INCENSE_WAIT] = 10;
    outcome o = call(p707);
    EXPECT_EQ(o.draws, 1);
    EXPECT_TRUE(within(value[INCENSE_WAIT], 5, 8));
}

// The fuse snuffed tells how far it had burnt; after three turns, or on the
// ravine side, it goes out with no more than a word.
TEST_F(Burning, SnuffingTheFuse) {
    struct fuse_case {
        int here, state, text;
    };
    const fuse_case cases[] = {{CELLAR, 5, 2105}, {CELLAR, 3, 3423}, {311, 5, 3423}, {CELLAR, 9, 2106},
                               {CELLAR, 16, 2107}, {CELLAR, 18, 2108}, {CELLAR, 30, 2109}};
    for (const fuse_case &c : cases) {
        command_at(c.here, {SNUFF, FUSE});
        burns({FUSE});
        carry_in(FUSE, c.state);
        outcome o = call(p707);
        EXPECT_EQ(o.texts, (std::vector<said>{{STOP, c.text, 0}})) << c.state << " at " << c.here;
        EXPECT_EQ(value[FUSE], 1);
    }
}

}  // namespace
