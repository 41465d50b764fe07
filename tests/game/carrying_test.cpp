// Taking and putting down the objects with rules of their own, and the two
// replies of drinking: a portion of liquid and the waterskin.
#include "objects_fixture.h"

namespace {

using namespace game_test;

constexpr int JAR = 108, FIREFLY = 109, WAND = 110, LODESTONE = OBJ_HEADING, SUNSTONE = 100;
constexpr int SMALL = OBJ_VESSEL_SMALL, MEDIUM = OBJ_VESSEL_MEDIUM, LARGE = OBJ_VESSEL_LARGE;
constexpr int TAKE = WORD_TAKE, DROP = WORD_DROP, DRINK = WORD_CONSUME_LIQUID, TASTE = 791;
constexpr int UPPER_CHAMBER = 208, CAVE = 296;

using Carrying = ObjectsTest;

void full_hands() { value[VAR_CARRIED_COUNT] = value[VAR_CARRY_LIMIT]; }

// Taking the jar: no room is refused before anything else, even when the
// jar is in hand already; the firefly caught in it comes along.
TEST_F(Carrying, TakingTheJar) {
    struct jar_case {
        const char *what;
        std::function<void()> setup;
        std::vector<said> texts;
        int jar_at, firefly_at;
    };
    const jar_case cases[] = {
        {"hands full, jar in hand", [] { carry(JAR); full_hands(); }, {{0, 1388, 0}}, PLACE_CARRIED,
         PLACE_OFFSTAGE},
        {"hands full, jar here", [] { set_location(JAR, CAVE); full_hands(); }, {{0, 1388, 0}}, CAVE,
         PLACE_OFFSTAGE},
        {"jar in hand", [] { carry(JAR); }, {{TYPED, 1314, JAR}}, PLACE_CARRIED, PLACE_OFFSTAGE},
        {"empty jar", [] { set_location(JAR, CAVE); },
         {{ARG | SAY_ARGVAR, 1987, VAR_ARG1}, {TYPED, 1988, VAR_ARG2}}, PLACE_CARRIED, PLACE_OFFSTAGE},
        {"jar with the firefly", [] { set_location(JAR, CAVE); set_location(FIREFLY, CAVE); value[FIREFLY] = 1; },
         {{ARG | SAY_ARGVAR, 1987, VAR_ARG1}, {STOP, 2005, 0}}, PLACE_CARRIED, PLACE_CARRIED},
        {"not here", [] {}, {}, PLACE_OFFSTAGE, PLACE_OFFSTAGE},
    };
    for (const jar_case &c : cases) {
        command_at(CAVE, line({TAKE, JAR}));
        c.setup();
        outcome o = call(p374);
        EXPECT_EQ(o.texts, c.texts) << c.what;
        EXPECT_EQ(o.loop, !c.texts.empty()) << c.what;
        EXPECT_EQ(getloc(JAR), c.jar_at) << c.what;
        EXPECT_EQ(getloc(FIREFLY), c.firefly_at) << c.what;
    }
    // In the last trial both are marked as handed over.
    command_at(CAVE, line({TAKE, JAR}));
    value[VAR_PHASE] = 6;
    set_location(JAR, CAVE);
    set_location(FIREFLY, CAVE);
    value[FIREFLY] = 1;
    call(p374);
    EXPECT_TRUE(bitest(JAR, 18));
    EXPECT_TRUE(bitest(FIREFLY, 18));
}

// A firefly lost for good (eaten, given to the lizard, swatted, flown off)
// is out of the jar as well: taking the jar, or the holding place giving
// the jar back, never brings it again.
TEST_F(Carrying, AFireflyLostForGoodStaysLost) {
    for (const bool taken : {true, false}) {
        const char *afterwards = taken ? "the jar taken" : "the jar given back by the holding place";
        command_at(CAVE, line({TAKE, JAR}));
        set_location(JAR, taken ? CAVE : PLACE_HOLDING);
        carry(FIREFLY);
        value[FIREFLY] = 1;  // caught in the jar
        call(p945);
        EXPECT_EQ(getloc(FIREFLY), PLACE_GONE) << afterwards;
        EXPECT_EQ(value[FIREFLY], 0) << afterwards;
        outcome o = taken ? call(p374) : call([] { return p240(ref(CAVE)); });
        if (taken) {
            EXPECT_EQ(o.texts, (std::vector<said>{{ARG | SAY_ARGVAR, 1987, VAR_ARG1}, {TYPED, 1988, VAR_ARG2}}));
        }
        EXPECT_EQ(getloc(FIREFLY), PLACE_GONE) << afterwards;
        EXPECT_EQ(getloc(JAR), taken ? PLACE_CARRIED : CAVE) << afterwards;
    }
}

// Catching the firefly: only into the jar, only once it is tame, never
// while the wand frightens it; the jar need not be in hand.
TEST_F(Carrying, CatchingTheFirefly) {
    struct catch_case {
        const char *what;
        std::function<void()> setup;
        std::vector<said> texts;
        int state, at;
    };
    const catch_case cases[] = {
        {"no jar", [] {}, {{STOP, 1317, 0}}, 0, UPPER_CHAMBER},
        {"the wand frightens it", [] { carry(JAR); carry(WAND); }, {{STOP, 1316, 0}}, 0, UPPER_CHAMBER},
        {"not tame", [] { carry(JAR); }, {{STOP, 2354, 0}}, 0, UPPER_CHAMBER},
        {"jar in hand", [] { carry(JAR); bitmod('s', VAR_GAME_FLAGS_3, 3); }, {{STOP, 1992, 0}}, 1, PLACE_CARRIED},
        {"jar lying here", [] { set_location(JAR, UPPER_CHAMBER); bitmod('s', VAR_GAME_FLAGS_3, 3); },
         {{STOP, 1992, 0}}, 1, UPPER_CHAMBER},
        {"in hand already", [] { carry(FIREFLY); }, {{TYPED, 1314, FIREFLY}}, 0, PLACE_CARRIED},
    };
    for (const catch_case &c : cases) {
        command_at(UPPER_CHAMBER, line({TAKE, FIREFLY}));
        set_location(FIREFLY, UPPER_CHAMBER);
        bitmod('s', UPPER_CHAMBER, PFLAG_HINT_AVAILABLE);
        c.setup();
        outcome o = call(p373);
        EXPECT_EQ(o.texts, c.texts) << c.what;
        EXPECT_EQ(value[FIREFLY], c.state) << c.what;
        EXPECT_EQ(getloc(FIREFLY), c.at) << c.what;
        EXPECT_EQ(bitest(UPPER_CHAMBER, PFLAG_HINT_AVAILABLE), c.state == 0) << c.what;
    }
}

// The firefly let out of the jar: the first creature near decides; with
// none, under the open sky it flies off once the lizard no longer waits
// for it.
TEST_F(Carrying, LettingTheFireflyOut) {
    struct free_case {
        const char *what;
        std::function<void()> setup;
        std::vector<said> texts;  // for a death, the text before it
        bool death;
        int firefly_at;
    };
    auto near = [](int obj, int state) {
        return [obj, state] {
            set_location(obj, value[VAR_HERE]);
            value[obj] = state;
        };
    };
    const free_case cases[] = {
        {"the lizard, before the sentinel", [] { set_location(9, CAVE); set_location(21, CAVE); },
         {{STOP_ARG, 1320, 0}}, false, CAVE},
        {"the stone sentinel", near(21, 0), {{STOP_ARG, 1320, 1}}, false, PLACE_GONE},
        {"the warrior", near(21, 1), {{TYPED, 1990, VAR_ARG2}}, false, CAVE},
        {"the imp", near(5, 0), {{STOP_ARG, 1320, 2}}, false, CAVE},
        {"the keeper", near(23, 0), {{STOP_ARG, 1320, 3}}, false, CAVE},
        {"the brute", near(25, 0), {{STOP_ARG, 1320, 4}}, false, PLACE_GONE},
        {"the chained lynx", near(39, 0), {{STOP_ARG, 1320, 5}}, false, PLACE_GONE},
        {"the lynx at peace", near(39, 2), {{STOP_ARG, 1320, 6}}, false, CAVE},
        {"the watcher", near(26, 1), {{ARG, 1320, 7}}, true, PLACE_GONE},
        {"the spider", near(90, 0), {{STOP_ARG, 1320, 8}}, false, PLACE_GONE},
        {"the prowler", near(OBJ_ATTACKER, 1), {{ARG | SAY_ARGVAR, 1452, OBJ_ATTACKER}}, false, PLACE_GONE},
        {"the calm watcher: nothing near", near(26, 2), {{ARG, 2660, 1}}, false, CAVE},
        {"the rod at the watchpost", [] { value[VAR_HERE] = 448; set_location(JAR, 448); set_location(112, 448); },
         {{ARG, 1320, 9}, {0, 1844, 0}}, true, 448},
        {"open sky, the lizard waiting", [] { bitmod('s', CAVE, 7); set_location(9, 214); },
         {{STOP_ARG, 2660, 1}}, false, CAVE},
        {"open sky, by the idol", [] { bitmod('s', CAVE, 7); set_location(9, 214); set_location(137, CAVE); },
         {{STOP_ARG, 2660, 0}}, false, CAVE},
        {"open sky, flies off", [] { bitmod('s', CAVE, 7); }, {{STOP_ARG, 2660, 3}}, false, PLACE_GONE},
        {"open sky, but sheltered", [] { bitmod('s', CAVE, 7); bitmod('s', CAVE, 18); }, {{ARG, 2660, 1}}, false,
         CAVE},
    };
    for (const free_case &c : cases) {
        command_at(CAVE, line({DROP, FIREFLY}));
        carry(FIREFLY);
        value[FIREFLY] = 1;
        set_location(JAR, CAVE);
        bitmod('s', 214, PFLAG_CREATURE_FREE);
        c.setup();
        outcome o = call(p232);
        if (c.death) {
            ASSERT_GE(o.texts.size(), c.texts.size()) << c.what;
            EXPECT_EQ(std::vector<said>(o.texts.begin(), o.texts.begin() + long(c.texts.size())), c.texts) << c.what;
        } else {
            EXPECT_EQ(o.texts, c.texts) << c.what;
            EXPECT_EQ(o.loop, 1) << c.what;
        }
        EXPECT_EQ(getloc(FIREFLY), c.firefly_at) << c.what;
        EXPECT_EQ(value[FIREFLY], 0) << c.what;
    }
    // The lizard takes its price and leaves the hall of ways open.
    command_at(CAVE, line({DROP, FIREFLY}));
    carry(FIREFLY);
    value[FIREFLY] = 1;
    set_location(JAR, CAVE);
    set_location(9, CAVE);
    bitmod('s', 214, PFLAG_CREATURE_FREE);
    call(p232);
    EXPECT_EQ(getloc(9), PLACE_GONE);
    EXPECT_FALSE(bitest(214, PFLAG_CREATURE_FREE));
    // Loose, or with the jar out of reach, it is an ordinary drop.
    command_at(CAVE, line({DROP, FIREFLY}));
    carry(FIREFLY);
    outcome o = call(p232);
    EXPECT_EQ(o.loop, 0);
    EXPECT_EQ(getloc(FIREFLY), PLACE_CARRIED);
}

// Putting the jar down takes the firefly with it, wherever the place sends
// it; the urn breaks unless it lands on the cushion.
TEST_F(Carrying, PuttingTheJarAndTheUrnDown) {
    command_at(CAVE, line({DROP, JAR}));
    carry(JAR);
    carry(FIREFLY);
    outcome o = call(p233);
    EXPECT_EQ(o.texts, (std::vector<said>{{ARG | SAY_ARGVAR, 1987, VAR_ARG1}, {0, 2005, 0}}));
    EXPECT_EQ(getloc(JAR), CAVE);
    EXPECT_EQ(getloc(FIREFLY), CAVE);
    EXPECT_EQ(o.loop, 1);

    command_at(CAVE, line({DROP, JAR}));
    carry(JAR);
    carry(FIREFLY);
    set_ref(VAR_DROP_PLACE, 502);
    o = call(p233);
    EXPECT_EQ(o.texts, (std::vector<said>{{ARG | SAY_ARGVAR, 1987, VAR_ARG1}, {0, 2005, 0}, {0, 1266, 0},
                                          {ARG, 2035, 0}}));
    EXPECT_EQ(getloc(JAR), 502);
    EXPECT_EQ(getloc(FIREFLY), 502);

    command_at(263, line({DROP, JAR}));
    carry(JAR);
    o = call(p233);
    EXPECT_EQ(o.texts, (std::vector<said>{{ARG | SAY_ARGVAR, 1987, VAR_ARG1}, {TYPED & ~STOP, 1988, VAR_ARG2}}));
    EXPECT_EQ(getloc(JAR), 262);

    struct urn_case {
        const char *what;
        int here, drop;
        bool cushion;
        std::vector<said> texts;
        int urn_at, shards_at;
    };
    const urn_case cases[] = {
        {"on the cushion", CAVE, CAVE, true, {{0, 56, 0}}, CAVE, PLACE_OFFSTAGE},
        {"on the floor", CAVE, CAVE, false, {{0, 56, 0}}, PLACE_GONE, CAVE},
        {"sent elsewhere", CAVE, 502, true, {{0, 1687, 0}}, PLACE_GONE, 502},
        {"at the glint grotto", 284, 284, false, {{STOP, 3423, 0}}, 284, PLACE_OFFSTAGE},
    };
    for (const urn_case &c : cases) {
        command_at(c.here, line({DROP, 56}));
        carry(56);
        if (c.cushion) set_location(113, c.here);
        set_ref(VAR_DROP_PLACE, c.drop);
        o = call(p237);
        EXPECT_EQ(o.texts, c.texts) << c.what;
        EXPECT_EQ(o.loop, 1) << c.what;
        EXPECT_EQ(getloc(56), c.urn_at) << c.what;
        EXPECT_EQ(getloc(57), c.shards_at) << c.what;
        EXPECT_EQ(value[56], c.cushion || c.drop != c.here || c.here == 284 ? 0 : 2) << c.what;
    }
}

// Taking the parchment draws one of the four vault words, each as likely.
TEST_F(Carrying, TheParchmentNamesOneOfFourVaultWords) {
    std::map<int, int> drawn;
    for (int seed = 1; seed <= 400; seed++) {
        command_at(353, line({TAKE, 59}));
        rseed = seed;
        set_location(59, 353);
        set_location(38, 353);
        outcome o = call(p377);
        ASSERT_EQ(o.texts, (std::vector<said>{{TYPED, 1610, VAR_SPELL_WORD}}));
        EXPECT_EQ(o.draws, 1);
        EXPECT_EQ(getloc(38), PLACE_GONE);
        EXPECT_EQ(*bitword(VAR_SPELL_WORD), ref_mark);
        drawn[value[VAR_SPELL_WORD]]++;
    }
    EXPECT_EQ(drawn.size(), 4u);
    for (auto [word, n] : drawn) {
        EXPECT_TRUE(word == 720 || word == 715 || word == 714 || word == 708) << word;
        EXPECT_GT(n, 60) << word;
    }
}

// The lodestone turns three points each time it is put down; the first time
// it rests on the eighth point it says so.
TEST_F(Carrying, TheLodestoneTurnsThreePoints) {
    struct heading_case {
        int before, after;
        std::vector<said> tail;
    };
    const heading_case cases[] = {
        {1, 4, {}}, {4, 7, {}}, {5, 8, {{STOP, 2301, 0}}}, {6, 1, {}}, {7, 2, {}}, {8, 3, {}},
    };
    for (const heading_case &c : cases) {
        command_at(CAVE, line({DROP, LODESTONE}));
        carry(LODESTONE);
        value[LODESTONE] = c.before;
        outcome o = call(p236);
        EXPECT_EQ(value[LODESTONE], c.after) << c.before;
        std::vector<said> want = {{ARG | SAY_ARGVAR, 2561, LODESTONE}};
        want.insert(want.end(), c.tail.begin(), c.tail.end());
        EXPECT_EQ(o.texts, want) << c.before;
        EXPECT_EQ(value[2561], 0) << c.before;  // still near: the first variant
        EXPECT_EQ(getloc(LODESTONE), CAVE);
        EXPECT_EQ(o.loop, 1);
    }
    // The eighth point speaks once only; a drop elsewhere picks its variant.
    command_at(CAVE, line({DROP, LODESTONE}));
    carry(LODESTONE);
    value[LODESTONE] = 5;
    bitmod('s', LODESTONE, 13);
    set_ref(VAR_DROP_PLACE, 443);
    outcome o = call(p236);
    EXPECT_EQ(o.texts, (std::vector<said>{{ARG | SAY_ARGVAR, 2561, LODESTONE}}));
    EXPECT_EQ(value[2561], 2);
    EXPECT_EQ(getloc(LODESTONE), 443);
    command_at(645, line({DROP, LODESTONE}));
    carry(LODESTONE);
    value[LODESTONE] = 5;
    set_ref(VAR_DROP_PLACE, PLACE_GONE);
    o = call(p236);
    EXPECT_EQ(o.texts, (std::vector<said>{{ARG | SAY_ARGVAR, 2561, LODESTONE}, {ARG, 2428, 0}}));
    EXPECT_EQ(value[2561], 3);
    EXPECT_FALSE(bitest(LODESTONE, 13));
}

// The sunstone: dull, it lies where it falls; charged, it lights the place;
// dropped toward the creeper hall from above it lands at the gallery's end.
TEST_F(Carrying, PuttingTheSunstoneDown) {
    command_at(CAVE, line({DROP, SUNSTONE}));
    carry(SUNSTONE);
    value[SUNSTONE] = 1;
    outcome o = call(p235);
    EXPECT_EQ(o.texts, (std::vector<said>{{TYPED, 1830, VAR_DROP_PLACE}}));
    EXPECT_EQ(value[VAR_DROP_PLACE], 0);
    EXPECT_EQ(getloc(SUNSTONE), CAVE);

    command_at(444, line({DROP, SUNSTONE}));
    carry(SUNSTONE);
    value[SUNSTONE] = 1;
    set_ref(VAR_DROP_PLACE, 443);
    call(p235);
    EXPECT_EQ(getloc(SUNSTONE), 442);

    command_at(CAVE, line({DROP, SUNSTONE}));
    light(false);
    carry(SUNSTONE);
    value[SUNSTONE] = 2;
    o = call(p235);
    EXPECT_EQ(o.texts, (std::vector<said>{{ARG, 1929, 0}, {0, 1266, 0}, {STOP, 1266, 0}}));
    EXPECT_EQ(value[SUNSTONE], 3);
    EXPECT_TRUE(bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_LIGHT));
    EXPECT_TRUE(bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_MOVED));

    // Once down it stays down.
    command_at(CAVE, line({TAKE, SUNSTONE}));
    set_location(SUNSTONE, CAVE);
    value[SUNSTONE] = 3;
    o = call(p379);
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP, 1829, 0}}));
    EXPECT_EQ(getloc(SUNSTONE), CAVE);
}

// Taken the first time from beside the changing room, the sunstone stops
// being present at two places: laid on the bluff it does not also lie in
// the cottage next to it.
TEST_F(Carrying, TakingTheSunstoneFromItsTwoPlaces) {
    command_at(318, line({TAKE, SUNSTONE}));
    set_location(SUNSTONE, 317);
    bitmod('s', SUNSTONE, OFLAG_TWO_PLACES);
    value[SUNSTONE] = 0;
    outcome o = call(p379);
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP, 1828, 0}}));
    EXPECT_TRUE(carried(SUNSTONE));
    set_location(SUNSTONE, 199);
    EXPECT_TRUE(isat(SUNSTONE, -1, 0, 199));
    EXPECT_FALSE(isat(SUNSTONE, -1, 0, PLACE_DEPOSIT));
}

// Putting a vessel down. Where the place sends drops elsewhere the large
// vessel is emptied wherever it is, unless it is the vessel in use holding
// nectar, which goes where the drop goes; a full vessel put down here is
// set down with care.
TEST_F(Carrying, PuttingAVesselDown) {
    struct vessel_case {
        const char *what;
        int named, state, in_use, large_state, drop_place;
        int large_after, nectar_at;
        bool wet;
        std::vector<said> texts;
    };
    const vessel_case cases[] = {
        {"jug of water, here", MEDIUM, 3, 0, 5, CAVE, 5, PLACE_OFFSTAGE, false, {{TYPED, 2246, VAR_ARG2}}},
        {"empty jug, here", MEDIUM, 2, 0, 5, CAVE, 5, PLACE_OFFSTAGE, false, {}},
        {"jug of water, redirected", MEDIUM, 3, 0, 5, 502, 2, PLACE_OFFSTAGE, true, {}},
        {"empty jug, redirected", MEDIUM, 2, 0, 9, 502, 2, PLACE_OFFSTAGE, false, {}},
        {"cask of nectar in use, redirected", LARGE, 6, LARGE, 6, 502, 1, 502, false, {}},
        {"cask of water in use, redirected", LARGE, 7, LARGE, 7, 502, 2, PLACE_OFFSTAGE, true, {}},
        {"vial in use, redirected", SMALL, 3, SMALL, 6, 502, 2, PLACE_OFFSTAGE, false, {}},
    };
    for (const vessel_case &c : cases) {
        command_at(CAVE, line({DROP, c.named}));
        value[LARGE] = c.large_state;
        set_location(LARGE, 201);
        value[c.named] = c.state;
        carry(c.named);
        if (c.in_use) hold_ref(VAR_VESSEL, c.in_use);
        set_ref(VAR_DROP_PLACE, c.drop_place);
        outcome o = call(p238);
        EXPECT_EQ(o.texts, c.texts) << c.what;
        EXPECT_EQ(value[LARGE], c.large_after) << c.what;
        EXPECT_EQ(getloc(OBJ_LIQUID_4), c.nectar_at) << c.what;
        EXPECT_EQ(bitest(502, PFLAG_EXTRA_REMARK), c.wet) << c.what;
        EXPECT_EQ(getloc(c.named), c.texts.empty() ? PLACE_CARRIED : CAVE) << c.what;
    }
}

// Emptying the vessel in use as it is put down.
TEST_F(Carrying, EmptyingAVesselAsItIsPutDown) {
    command_at(CAVE, line({DROP, LARGE}));
    outcome o = call(p268);
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP, 3240, 0}}));

    hold_ref(VAR_VESSEL, MEDIUM);
    value[MEDIUM] = 2;
    o = call(p268);
    EXPECT_EQ(o.texts, (std::vector<said>{{TYPED, 1745, VAR_VESSEL}}));

    hold_ref(VAR_VESSEL, LARGE);
    value[LARGE] = 6;
    carry(LARGE);
    o = call(p268);
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP, 1374, 0}}));
    EXPECT_EQ(value[LARGE], 1);
    EXPECT_EQ(getloc(OBJ_LIQUID_4), CAVE);

    command_at(CAVE, line({793, MEDIUM}));
    set_location(OBJ_ATTACKER, CAVE);
    hold_ref(VAR_VESSEL, MEDIUM);
    value[MEDIUM] = 4;
    o = call(p268);
    EXPECT_EQ(o.texts, (std::vector<said>{{ARG | SAY_ARGVAR, 2036, VAR_RESULT},
                                          {ARG | SAY_ARGVAR, 1557, VAR_VESSEL},
                                          {TYPED, 1558, OBJ_ATTACKER}}));
    EXPECT_EQ(value[VAR_RESULT], OBJ_LIQUID_2);
    EXPECT_EQ(value[MEDIUM], 2);
    EXPECT_TRUE(bitest(OBJ_ATTACKER, 14));
}

// A portion of liquid: the large vessel gives four portions (3, 7, 8, 9)
// and any other vessel one; the reserve never goes past 1800; tasting only
// tastes.
TEST_F(Carrying, DrinkingAPortion) {
    struct portion_case {
        const char *what;
        int amount, text, vessel, state, thirst, reserve;
        std::vector<said> texts;
        int after;
    };
    const portion_case cases[] = {
        {"source", 800, 1363, 0, 0, 0, 100, {{ARG, 1363, 0}}, 0},
        {"cask, full", 900, 1366, LARGE, 3, 0, 100, {{0, 3011, 0}}, 7},
        {"cask, second", 900, 1366, LARGE, 7, 0, 100, {{0, 3011, 0}}, 8},
        {"cask, third", 900, 1366, LARGE, 8, 0, 100, {{0, 3011, 0}}, 9},
        {"cask, last", 900, 1366, LARGE, 9, 0, 100, {{ARG, 1366, LARGE}}, 2},
        {"cask, thirsty", 900, 1366, LARGE, 3, 1, 100, {{0, 1362, 0}}, 7},
        {"jug, thirsty", 600, 1366, MEDIUM, 3, 2, 100, {{0, 1362, 0}, {ARG, 1366, MEDIUM}}, 2},
        {"vial, near the cap", 300, 1840, SMALL, 3, 0, 1700, {{ARG, 1840, SMALL}}, 2},
    };
    for (const portion_case &c : cases) {
        command_at(CAVE, line({DRINK}));
        value[OBJ_LIQUID_1] = c.thirst;
        value[VAR_RESERVE] = c.reserve;
        if (c.vessel) value[c.vessel] = c.state;
        const int amount = c.amount, text = c.text, v = c.vessel;
        static int a, t, w;
        a = amount, t = text, w = v;
        outcome o = call([] { return p902(num(a), ref(t), w ? ref(w) : num(0)); });
        EXPECT_EQ(o.texts, c.texts) << c.what;
        EXPECT_EQ(o.loop, 1) << c.what;
        EXPECT_EQ(o.draws, 1) << c.what;
        if (c.vessel) {
            EXPECT_EQ(value[c.vessel], c.after) << c.what;
        }
        EXPECT_EQ(value[OBJ_LIQUID_1], 0) << c.what;
        EXPECT_GE(value[VAR_RESERVE], std::min(1800, c.reserve + c.amount)) << c.what;
        EXPECT_LE(value[VAR_RESERVE], std::min(1800, c.reserve + c.amount + 299)) << c.what;
    }
    // Tasting takes nothing in and draws nothing.
    for (int thirst : {0, 1}) {
        command_at(CAVE, line({TASTE, OBJ_LIQUID_1}));
        value[OBJ_LIQUID_1] = thirst;
        value[VAR_RESERVE] = 100;
        value[MEDIUM] = 3;
        outcome o = call([] { return p902(num(600), ref(1366), ref(MEDIUM)); });
        EXPECT_EQ(o.texts, (std::vector<said>{{STOP_ARG, 2282, thirst}}));
        EXPECT_EQ(o.draws, 0);
        EXPECT_EQ(value[VAR_RESERVE], 100);
        EXPECT_EQ(value[MEDIUM], 3);
    }
}

// The waterskin: first a cry from far off and the question, then the
// question again; once the griffin has come, only its cry; at the places
// with water of their own nothing comes of it.
TEST_F(Carrying, DrinkingFromTheWaterskin) {
    command_at(CAVE, line({DRINK, 84}));
    value[84] = 2;
    value[VAR_RESERVE] = 1500;
    outcome o = call(p122);
    EXPECT_EQ(o.texts, (std::vector<said>{{ARG, 1748, 0}, {STOP_ARG, 1749, 0}}));
    EXPECT_EQ(value[VAR_QUESTION], Q_FILL_FOLLOW_UP);
    EXPECT_EQ(value[84], 0);
    EXPECT_EQ(value[VAR_RESERVE], 1800);
    EXPECT_EQ(value[2643], 1);  // the cry is remembered

    value[VAR_QUESTION] = 0;
    bitmod('s', 67, OFLAG_SEEN);
    o = call(p122);
    EXPECT_EQ(o.texts, (std::vector<said>{{0, 2609, 0}, {STOP_ARG, 1749, 2}}));

    bitmod('s', VAR_GAME_FLAGS, 10);
    o = call(p122);
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP, 2184, 0}}));

    command_at(PLACE_DEPOSIT, line({DRINK, 84}));
    value[VAR_RESERVE] = 100;
    o = call(p122);
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP, 1746, 0}}));
    EXPECT_EQ(value[VAR_RESERVE], 100);
    EXPECT_EQ(o.draws, 0);
}

}  // namespace
