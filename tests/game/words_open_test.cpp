// Opening, unlocking, unwrapping and tipping; closing; pulling and
// pushing the mechanisms from their two sides.
#include "words_fixture.h"

namespace {

using namespace game_test;

constexpr int OPEN = WORD_OPEN, UNLOCK = 768, CLOSE = WORD_CLOSE, UNWRAP = 813, TIP = 814, PULL = 807, PUSH = 808;
constexpr int CHEST = 4, IMP = 5, HATCH = OBJ_LOCKED_GATE, DOOR = 8, LIZARD = 9, PLANT = 13, SLAB = 19, SPIRIT = 28;
constexpr int VAULT = 36, LYNX = 39, RELIQUARY = 43, AUTOMATON = 35, STRONGBOX = 52, COLLAR = 66, TRAPDOOR = 76;
constexpr int GRILLE = 98, KEY = OBJ_OPENER, LAMP = OBJ_LIGHT_SOURCE, JAR = 108, JUG = OBJ_VESSEL_MEDIUM;
constexpr int VIAL = OBJ_VESSEL_SMALL, SWORD = 125, CREEPER = 139, FRUIT = 141, BUNDLE = 151, BAIT = 138;
constexpr int DOORS = 161, TRAP = 162, HOURGLASS = 163, GATE = OBJ_GATE, LID = 926;
constexpr int DELL = 203, CELLAR = 204, BASIN = 322, LYNX_DEN = 361, HOARD_DOOR = 472, HOARD = 473;
constexpr int HOARD_GALLERY = 474, WELL_HEAD = 475, GATEHOUSE = 478, YARD = 479, CHEST_ROOM = 490, RUNE_DOOR = 575;

using Opening = WordsTest;
using Closing = WordsTest;
using PullPush = WordsTest;

void openable(int obj, int state) {
    flag(obj, OFLAG_OPENABLE);
    value[obj] = state;
    here_(obj);
}
void gate(int s) {
    openable(GATE, s);
    value[YARD] = value[GATEHOUSE] = s;
}
auto gate_is(int s) {
    return [s] {
        EXPECT_EQ(value[GATE], s);
        EXPECT_EQ(value[YARD], s);
        EXPECT_EQ(value[GATEHOUSE], s);
    };
}

// A bare "open" takes the only openable thing here, else the only one in
// hand.
TEST_F(Opening, ABareOpenTakesTheOnlyOpenableThing) {
    run_cases(p638, {
        {"the vault here", 376, {OPEN}, [] { openable(VAULT, 0); }, {{STOP, 1604, 0}}, 1, nullptr},
        {"the vial in hand", CELLAR, {OPEN}, [] { flag(VIAL, OFLAG_OPENABLE); carry_in(VIAL, 1); },
         {{STOP, 1631, 0}}, 1, state_is(VIAL, 2)},
        {"nothing to open", CELLAR, {OPEN}, nullptr, {}, 0, nullptr},
    });
}

// The hatch: without the key the key is named; with it the hatch opens and
// the dell's hint is no longer offered; after the hills wake it stays shut,
// with a word about it the first time.
TEST_F(Opening, TheHatch) {
    auto hatch = [](int s, bool key) {
        return [=] {
            openable(HATCH, s);
            bitmod('s', DELL, PFLAG_HINT_AVAILABLE);
            if (key) carry(KEY);
        };
    };
    run_cases(p638, {
        // Without the key, the lift word's reply about the hatch answers
        // before the missing key would be named.
        {"no key", DELL, {OPEN, HATCH}, hatch(0, false), {{ARG | SAY_ARGVAR, 2188, VAR_ARG1}, {STOP, 1266, 0}}, 1,
         state_is(HATCH, 0)},
        {"the key in hand", DELL, {OPEN, HATCH}, hatch(0, true), {{STOP_ARG, 1323, 2}}, 1,
         [] { EXPECT_EQ(value[HATCH], 1); EXPECT_FALSE(bitest(DELL, PFLAG_HINT_AVAILABLE)); }},
        {"open already", DELL, {OPEN, HATCH}, hatch(1, true), {{TYPED, 1605, VAR_ARG2}}, 1, nullptr},
        {"the hills awake", DELL, {OPEN, HATCH}, [=] { hatch(0, true)(); value[VAR_PHASE] = 5; },
         {{0, 1324, 0}, {STOP, 1421, 0}}, 1,
         [] { EXPECT_EQ(value[HATCH], 0); EXPECT_TRUE(bitest(HATCH, 13)); EXPECT_TRUE(bitest(VAR_GAME_FLAGS, 3)); }},
        {"the hills awake, told before", DELL, {OPEN, HATCH},
         [=] { hatch(0, true)(); value[VAR_PHASE] = 5; flag(HATCH, 13); }, {{0, 1324, 0}}, 1, nullptr},
        {"the wraith abroad", DELL, {OPEN, HATCH}, [=] { hatch(0, true)(); bitmod('s', VAR_GAME_FLAGS, 2); },
         {{0, 1324, 0}}, 1, [] { EXPECT_FALSE(bitest(VAR_GAME_FLAGS, 3)); EXPECT_FALSE(bitest(HATCH, 13)); }},
    });
    run_cases(p873, {
        {"unlocked", DELL, {UNLOCK, HATCH}, hatch(0, true), {{STOP_ARG, 1323, 1}}, 1, state_is(HATCH, 1)},
        {"unlocked alone", DELL, {UNLOCK}, hatch(0, true), {{STOP_ARG, 1323, 1}}, 1, state_is(HATCH, 1)},
        {"no key", DELL, {UNLOCK, HATCH}, hatch(0, false), {{STOP_ARG, 1513, KEY}}, 1, nullptr},
        {"the gate has no lock", YARD, {UNLOCK, GATE}, [] { gate(0); }, {{STOP, 2508, 0}}, 1, gate_is(0)},
    });
}

// Each thing that opens, and what is already open.
TEST_F(Opening, TheThingsThatOpen) {
    run_cases(p638, {
        {"the gate", YARD, {OPEN, GATE}, [] { gate(0); }, {{STOP_ARG, 2611, 1}}, 1, gate_is(1)},
        {"the gate, open", YARD, {OPEN, GATE}, [] { gate(1); }, {{TYPED, 1605, DOOR}}, 1, nullptr},
        {"the gate in the last hours", YARD, {OPEN, GATE}, [] { gate(0); value[VAR_PHASE] = 5; },
         {{STOP, 2504, 0}}, 1, gate_is(0)},
        {"the chest", CHEST_ROOM, {OPEN, CHEST}, [] { openable(CHEST, 0); }, {{STOP, 2334, 0}}, 1,
         state_is(CHEST, 1)},
        {"the chest, the imp content", CHEST_ROOM, {OPEN, CHEST}, [] { openable(CHEST, 0); value[IMP] = 2; },
         {{STOP, 2333, 0}}, 1, state_is(CHEST, 0)},
        {"the chest, open", CHEST_ROOM, {OPEN, CHEST}, [] { openable(CHEST, 3); }, {{TYPED, 1605, VAR_ARG2}}, 1,
         nullptr},
        {"the lid elsewhere", CELLAR, {OPEN, LID}, nullptr, LAST_REPLIES, 1, nullptr},
        {"the collar, the lynx wild", LYNX_DEN, {OPEN, COLLAR}, [] { openable(COLLAR, 0); here_(LYNX); carry(KEY); },
         {{STOP, 1328, 0}}, 1, state_is(COLLAR, 0)},
        {"the collar, the lynx calm", LYNX_DEN, {OPEN, COLLAR},
         [] { openable(COLLAR, 0); here_(LYNX); value[LYNX] = 1; carry(KEY); }, {{STOP, 1468, 0}}, 1,
         [] { EXPECT_EQ(value[COLLAR], 1); EXPECT_EQ(value[LYNX], 2); }},
        {"the collar, no key", LYNX_DEN, {OPEN, COLLAR}, [] { openable(COLLAR, 0); here_(KEY); },
         {{STOP_ARG, 3463, KEY}}, 1, nullptr},
        {"the iron door rusted", 282, {OPEN, DOOR}, [] { openable(DOOR, 0); carry(KEY); }, {{STOP, 1404, 0}}, 1,
         nullptr},
        {"the iron door oiled", 282, {OPEN, DOOR}, [] { openable(DOOR, 1); carry(KEY); }, {{STOP, 1267, 0}}, 1,
         nullptr},
        {"the vault, by its word only", 376, {OPEN, VAULT}, [] { openable(VAULT, 0); }, {{STOP, 1604, 0}}, 1,
         nullptr},
        {"the vault, open", 376, {OPEN, VAULT}, [] { openable(VAULT, 1); }, {{TYPED, 1605, VAR_ARG2}}, 1, nullptr},
        {"the vault, sealed", 376, {OPEN, VAULT}, [] { openable(VAULT, 2); }, {{STOP, 1606, 0}}, 1, nullptr},
        {"the vial at the basin", BASIN, {OPEN, VIAL}, [] { openable(VIAL, 0); }, {{STOP, 1630, 0}}, 1,
         [] { EXPECT_EQ(value[VIAL], 2); EXPECT_EQ(getloc(SPIRIT), BASIN); }},
        {"the vial in hand at the basin", BASIN, {OPEN, VIAL}, [] { openable(VIAL, 1); carry(VIAL); },
         {{STOP, 1631, 0}}, 1, [] { EXPECT_EQ(getloc(SPIRIT), PLACE_OFFSTAGE); }},
        {"the vial, open", CELLAR, {OPEN, VIAL}, [] { openable(VIAL, 2); }, {{TYPED, 1605, VAR_ARG2}}, 1, nullptr},
        {"the trap from the gallery", HOARD_GALLERY, {OPEN, TRAP}, [] { openable(TRAP, 0); },
         {{STOP_ARG, 2516, 0}}, 1, state_is(TRAP, 1)},
        {"the trap from the well head", WELL_HEAD, {OPEN, TRAP},
         [] { openable(TRAP, 0); flag(TRAP, OFLAG_TWO_PLACES); set_location(TRAP, HOARD_GALLERY); },
         {{STOP_ARG, 2516, 1}}, 1, state_is(TRAP, 1)},
        {"the trap, open", HOARD_GALLERY, {OPEN, TRAP}, [] { openable(TRAP, 1); }, {{TYPED, 1605, TRAP}}, 1,
         nullptr},
        {"the trap from the hoard", HOARD, {OPEN, TRAP}, [] { set_location(TRAP, HOARD_GALLERY); }, LAST_REPLIES,
         1, nullptr},
    });
    // The trap's own part, reached without the general part, answers for
    // the trap seen out of reach.
    run_cases(p650, {
        {"the trap from the hoard", HOARD, {OPEN, TRAP}, [] { set_location(TRAP, HOARD_GALLERY); },
         {{STOP, 2209, 0}}, 1, nullptr},
        {"the trap from the bridge", 303, {OPEN, TRAP}, [] { set_location(TRAP, HOARD_GALLERY); }, {}, 0, nullptr},
    });
}

// The hoard doors: from outside the hourglass turns; from inside they open
// plainly; locked, they stay shut.
TEST_F(Opening, TheHoardDoors) {
    auto doors = [](int s) {
        return [s] {
            openable(DOORS, s);
            flag(DOORS, OFLAG_TWO_PLACES);
            set_location(DOORS, HOARD_DOOR);
            value[HOURGLASS] = 10;
        };
    };
    run_cases(p638, {
        {"outside, shut", HOARD_DOOR, {OPEN, DOORS}, doors(2), {{STOP, 2513, 0}}, 1,
         [] { EXPECT_EQ(value[DOORS], 1); EXPECT_EQ(value[HOARD_DOOR], 1); EXPECT_EQ(value[HOURGLASS], 11); }},
        {"outside, locked", HOARD_DOOR, {OPEN, DOORS}, doors(0), {{STOP, 1895, 0}}, 1, state_is(DOORS, 0)},
        {"outside, open", HOARD_DOOR, {OPEN, DOORS}, doors(1), {{TYPED, 1605, DOOR}}, 1, nullptr},
        {"inside, shut", HOARD, {OPEN, DOORS}, doors(2), {{STOP, 1267, 0}}, 1,
         [] { EXPECT_EQ(value[DOORS], 1); EXPECT_EQ(value[HOURGLASS], 10); }},
        {"inside, locked", HOARD, {OPEN, DOORS}, doors(0), {{STOP, 2504, 0}}, 1, nullptr},
    });
}

// The rune door opens only to Keln speech; open, it says so and still will
// not move by hand.
TEST_F(Opening, TheRuneDoor) {
    auto slab = [](int open) {
        return [open] {
            openable(SLAB, 0);
            value[RUNE_DOOR] = open;
        };
    };
    run_cases(p638, {
        {"plain speech", RUNE_DOOR, {OPEN, SLAB}, slab(0), {{TYPED, 2504, DOOR}}, 1, nullptr},
        {"plain speech, open", RUNE_DOOR, {OPEN, SLAB}, slab(1), {{ARG | SAY_ARGVAR, 1605, DOOR}, {TYPED, 2504, DOOR}},
         1, nullptr},
        {"Keln, open", RUNE_DOOR, {OPEN, SLAB}, [=] { slab(1)(); value[VAR_DWARVISH] = 1; }, {{TYPED, 1605, DOOR}}, 1,
         nullptr},
        {"Keln, from the far side", 577, {OPEN, SLAB}, [=] { slab(0)(); value[VAR_DWARVISH] = 1; },
         {{ARG | SAY_ARGVAR, 2502, 1157}}, 1, [] { EXPECT_EQ(value[1157], PULL); EXPECT_EQ(value[RUNE_DOOR], 1); }},
        {"Keln, at the door", RUNE_DOOR, {OPEN, SLAB}, [=] { slab(0)(); value[VAR_DWARVISH] = 1; },
         {{ARG | SAY_ARGVAR, 2502, 1157}}, 1, [] { EXPECT_EQ(value[1157], PUSH); EXPECT_EQ(value[RUNE_DOOR], 1); }},
    });
}

// The things that do not open, in the order they are tried.
TEST_F(Opening, TheThingsThatDoNotOpen) {
    run_cases(p638, {
        {"the hills' name", CELLAR, {OPEN, 831}, nullptr, {{STOP, 1339, 0}}, 1, nullptr},
        {"the fruit", CELLAR, {OPEN, FRUIT}, [] { here_(FRUIT); }, {{STOP, 1771, 0}}, 1, nullptr},
        {"the jug", CELLAR, {OPEN, JUG}, [] { carry(JUG); }, {{STOP, 1936, 0}}, 1, nullptr},
        {"the reliquary, the automaton seen", CELLAR, {OPEN, RELIQUARY},
         [] { carry(RELIQUARY); flag(AUTOMATON, OFLAG_SEEN); }, {{STOP_ARG, 1935, 0}}, 1, nullptr},
        {"the reliquary", CELLAR, {OPEN, RELIQUARY}, [] { carry(RELIQUARY); }, {{STOP_ARG, 1935, 1}}, 1, nullptr},
        {"the strongbox", CELLAR, {OPEN, STRONGBOX}, [] { carry(STRONGBOX); }, {{STOP, 1855, 0}}, 1, nullptr},
        {"the jar", CELLAR, {OPEN, JAR}, [] { carry(JAR); }, {{STOP, 1267, 0}}, 1, nullptr},
        {"the key", CELLAR, {OPEN, KEY}, [] { carry(KEY); }, {{STOP, 1344, 0}}, 1, nullptr},
        {"the trapdoor in the grotto", 284, {OPEN, TRAPDOOR}, [] { here_(TRAPDOOR); }, {{STOP, 2094, 0}}, 1,
         nullptr},
        {"the trapdoor elsewhere", 512, {OPEN, TRAPDOOR}, [] { here_(TRAPDOOR); }, {{STOP, 2095, 0}}, 1, nullptr},
        {"the grille", 481, {OPEN, GRILLE}, [] { here_(GRILLE); }, {{STOP, 1727, 0}}, 1, nullptr},
        {"the bundle", CELLAR, {OPEN, BUNDLE}, [] { carry(BUNDLE); }, {{STOP, 2409, 0}}, 1, nullptr},
        {"a thing not here", CELLAR, {OPEN, JUG}, nullptr, LAST_REPLIES, 1, nullptr},
        {"the lamp", CELLAR, {OPEN, LAMP}, [] { carry(LAMP); }, {}, 0, nullptr},
    });
    // The basin's own word: at the basin the spirit leaves; elsewhere the
    // last replies answer.
    run_cases(p638, {
        {"the spirit at the basin", BASIN, {OPEN, BASIN}, [] { here_(SPIRIT); }, {{STOP, 1632, 0}}, 1,
         [] { EXPECT_EQ(getloc(SPIRIT), PLACE_GONE); EXPECT_TRUE(bitest(SPIRIT, 13)); }},
        {"the basin empty", BASIN, {OPEN, BASIN}, nullptr, {{STOP, 1634, 0}}, 1, nullptr},
        {"the basin's word elsewhere", CELLAR, {OPEN, BASIN}, nullptr, LAST_REPLIES, 1, nullptr},
    });
}

// Unwrapping the bundle and tipping things hand over to the words that
// deal with them.
TEST_F(Opening, UnwrappingAndTipping) {
    run_cases(p829, {
        {"the bundle", CELLAR, {UNWRAP, BUNDLE}, [] { carry(BUNDLE); }, {{STOP, 2409, 0}}, 1, nullptr},
        {"the jug", CELLAR, {UNWRAP, JUG}, [] { carry(JUG); }, {{STOP, 2464, 0}}, 1, nullptr},
        {"not here", CELLAR, {UNWRAP, JUG}, nullptr, {}, 0, nullptr},
    });
    // With the close word beside it and the hatch near, "open" unlocks the
    // hatch.
    command_at(DELL, {OPEN, CLOSE});
    here_(HATCH);
    record<UNLOCK>();
    call(p638);
    EXPECT_EQ(handed_to, std::vector<int>{UNLOCK});
    EXPECT_EQ(arg1(), UNLOCK);
    EXPECT_EQ(arg2(), HATCH);
    EXPECT_EQ(words(), 2);

    command_at(CELLAR, {TIP, BAIT});
    record<793>();
    call(p798);
    EXPECT_EQ(handed_to, std::vector<int>{793});
    command_at(CELLAR, {TIP, JUG});
    record<787>();
    call(p798);
    EXPECT_EQ(handed_to, std::vector<int>{787});
}

// Closing: the mechanisms, the things that will not close, the chest with
// the imp, the trap, and the hatch, the collar and the vault.
TEST_F(Closing, TheThingsThatClose) {
    run_cases(p141, {
        {"the gate", GATEHOUSE, {CLOSE, GATE}, [] { gate(1); }, {{STOP_ARG, 2611, 0}}, 1, gate_is(0)},
        {"the gate, shut", GATEHOUSE, {CLOSE, GATE}, [] { gate(0); }, {{TYPED, 2506, DOOR}}, 1, nullptr},
        {"the rune door, shut", RUNE_DOOR, {CLOSE, SLAB}, [] { openable(SLAB, 0); }, {{TYPED, 2506, DOOR}}, 1,
         nullptr},
        {"the rune door, open", RUNE_DOOR, {CLOSE, SLAB}, [] { openable(SLAB, 0); value[RUNE_DOOR] = 1; }, {}, 1,
         state_is(RUNE_DOOR, 0), p147},
        {"the hoard doors, locked", HOARD_DOOR, {CLOSE, DOORS}, [] { openable(DOORS, 0); }, {{TYPED, 2506, DOOR}},
         1, nullptr},
        {"the hoard doors, open", HOARD_DOOR, {CLOSE, DOORS}, [] { openable(DOORS, 1); }, {{STOP, 1884, 0}}, 1,
         state_is(DOORS, 2)},
        {"the jug", CELLAR, {CLOSE, JUG}, [] { carry(JUG); }, {{STOP, 1936, 0}}, 1, nullptr},
        {"the iron door", 282, {CLOSE, DOOR}, [] { openable(DOOR, 1); }, {{STOP, 1322, 0}}, 1, nullptr},
        {"the jar", CELLAR, {CLOSE, JAR}, [] { carry(JAR); set_ref(1200, 1267); }, {{SAY_REFVAR | STOP, 1200, 0}},
         1, nullptr},
        {"the vial, stoppered", CELLAR, {CLOSE, VIAL}, [] { carry_in(VIAL, 1); }, {{TYPED, 1607, VAR_ARG2}}, 1,
         nullptr},
        {"the vial, open", CELLAR, {CLOSE, VIAL}, [] { carry_in(VIAL, 2); }, {{STOP, 2100, 0}}, 1, nullptr},
        {"not here", CELLAR, {CLOSE, VIAL}, nullptr, LAST_REPLIES, 1, nullptr},
        {"the trap", HOARD_GALLERY, {CLOSE, TRAP}, [] { openable(TRAP, 1); }, {{STOP_ARG, 2517, 0}}, 1,
         state_is(TRAP, 0)},
        {"the trap, shut", HOARD_GALLERY, {CLOSE, TRAP}, [] { openable(TRAP, 0); }, {{TYPED, 2506, TRAP}}, 1,
         nullptr},
        {"the trap from the ledge", 476, {CLOSE, TRAP}, [] { set_location(TRAP, HOARD_GALLERY); }, LAST_REPLIES, 1,
         nullptr},
        {"the hatch", DELL, {CLOSE, HATCH}, [] { openable(HATCH, 1); }, {{STOP_ARG, 1323, 0}}, 1,
         state_is(HATCH, 0)},
        {"the hatch, shut", DELL, {CLOSE, HATCH}, [] { openable(HATCH, 0); }, {{TYPED, 1607, VAR_ARG2}}, 1, nullptr},
        {"the vault", 376, {CLOSE, VAULT}, [] { openable(VAULT, 1); }, {{STOP, 1608, 0}}, 1, state_is(VAULT, 0)},
        {"the collar on the lynx", LYNX_DEN, {CLOSE, COLLAR}, [] { carry_in(COLLAR, 1); carry_in(LYNX, 2); },
         {{STOP, 1470, 0}}, 1,
         [] { EXPECT_EQ(getloc(COLLAR), LYNX_DEN); EXPECT_EQ(getloc(LYNX), LYNX_DEN); EXPECT_EQ(value[LYNX], 1); }},
        {"the collar on the empty chain", LYNX_DEN, {CLOSE, COLLAR}, [] { carry_in(COLLAR, 1); }, {{STOP, 1469, 0}},
         1, [] { EXPECT_EQ(value[COLLAR], 2); EXPECT_EQ(getloc(COLLAR), LYNX_DEN); }},
        {"the collar elsewhere", CELLAR, {CLOSE, COLLAR}, [] { carry_in(COLLAR, 1); }, {{STOP, 1471, 0}}, 1,
         [] { EXPECT_EQ(getloc(COLLAR), PLACE_CARRIED); }},
    });
}

// The chest: the imp away, a look first calls it back; the imp content is
// shut in for good; the imp at home holds the lid open.
TEST_F(Closing, TheChestAndTheImp) {
    run_cases(p141, {
        {"shut", CHEST_ROOM, {CLOSE, CHEST}, [] { openable(CHEST, 0); }, {{TYPED, 2506, CHEST}}, 1, nullptr},
        {"the imp content", CHEST_ROOM, {CLOSE, CHEST}, [] { openable(CHEST, 2); here_(IMP); value[IMP] = 2; },
         {{STOP, 2336, 0}}, 1, [] { EXPECT_EQ(value[CHEST], 0); EXPECT_EQ(getloc(IMP), PLACE_GONE); }},
        {"the imp at home", CHEST_ROOM, {CLOSE, CHEST}, [] { openable(CHEST, 2); here_(IMP); }, {{STOP, 2335, 0}},
         1, state_is(CHEST, 2)},
        {"the imp lets the torch go", CHEST_ROOM, {CLOSE, CHEST}, [] { openable(CHEST, 2); here_(IMP); value[IMP] = 1; },
         {{STOP_ARG, 2347, 0}}, 1, [] { EXPECT_EQ(getloc(145), CHEST_ROOM); EXPECT_EQ(value[IMP], 2); }},
    });
    command_at(CHEST_ROOM, {CLOSE, CHEST});
    openable(CHEST, 2);
    record<WORD_LOOK>();
    outcome o = call(p141);
    EXPECT_EQ(handed_to, std::vector<int>{WORD_LOOK});
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP, 2335, 0}}));
    // The trap's own part answers for the trap out of reach.
    run_cases(p144, {
        {"the trap from the ledge", 476, {CLOSE, TRAP}, [] { set_location(TRAP, HOARD_GALLERY); },
         {{STOP, 2209, 0}}, 1, nullptr},
    });
}

// Pulling and pushing: each mechanism opens from its own side (through
// the open word) and is refused from the other; the gate opens from its
// side and shuts from the other.
TEST_F(PullPush, TheMechanismsFromTheirSides) {
    auto hatch = [](int s) {
        return [s] {
            openable(HATCH, s);
            flag(HATCH, OFLAG_TWO_PLACES);
            set_location(HATCH, DELL);
            carry(KEY);
        };
    };
    run_cases(p691, {
        {"the hatch from above", DELL, {PULL, HATCH}, hatch(0), {{STOP_ARG, 1323, 1}}, 1, state_is(HATCH, 1)},
        {"the hatch from below", CELLAR, {PULL, HATCH}, hatch(0), {{TYPED, 2505, HATCH}}, 1, state_is(HATCH, 0)},
        {"the hatch, open", CELLAR, {PULL, HATCH}, hatch(1), {{TYPED, 1605, HATCH}}, 1, nullptr},
        {"the gate from the yard", YARD, {PULL, GATE}, [] { gate(0); }, {{STOP_ARG, 2611, 1}}, 1, gate_is(1)},
        {"the gate, open, from the yard", YARD, {PULL, GATE}, [] { gate(1); }, {{TYPED, 1605, DOOR}}, 1, nullptr},
        {"the gate, open, from the gatehouse", GATEHOUSE, {PULL, GATE}, [] { gate(1); }, {{STOP_ARG, 2611, 0}}, 1,
         gate_is(0)},
        {"the gate, shut, from the gatehouse", GATEHOUSE, {PULL, GATE}, [] { gate(0); }, {{TYPED, 2505, DOOR}}, 1,
         nullptr},
        {"the gate in the last hours", YARD, {PULL, GATE}, [] { gate(0); value[VAR_PHASE] = 5; }, {{STOP, 2504, 0}},
         1, gate_is(0)},
        {"the rune door, Keln, beyond", 577, {PULL, SLAB}, [] { openable(SLAB, 0); value[VAR_DWARVISH] = 1; },
         {{ARG | SAY_ARGVAR, 2502, 1157}}, 1, [] { EXPECT_EQ(value[1157], PULL); EXPECT_EQ(value[RUNE_DOOR], 1); }},
        {"the rune door, at the door", RUNE_DOOR, {PULL, SLAB}, [] { openable(SLAB, 0); }, {{TYPED, 2505, DOOR}}, 1,
         nullptr},
        {"the trap from the well head", WELL_HEAD, {PULL, TRAP},
         [] { openable(TRAP, 0); flag(TRAP, OFLAG_TWO_PLACES); set_location(TRAP, HOARD_GALLERY); },
         {{STOP_ARG, 2516, 1}}, 1, state_is(TRAP, 1)},
        {"the trap, open", HOARD_GALLERY, {PULL, TRAP}, [] { openable(TRAP, 1); }, {{TYPED, 2492, TRAP}}, 1, nullptr},
        {"the hoard doors from inside", HOARD, {PULL, DOORS},
         [] { openable(DOORS, 2); flag(DOORS, OFLAG_TWO_PLACES); set_location(DOORS, HOARD_DOOR); },
         {{TYPED, 1605, DOOR}}, 1, [] { EXPECT_EQ(value[DOORS], 1); EXPECT_EQ(value[HOARD_DOOR], 1); }},
        {"the hoard doors, locked", HOARD_DOOR, {PULL, DOORS}, [] { openable(DOORS, 0); }, {{STOP, 1895, 0}}, 1,
         nullptr},
    });
    run_cases(p692, {
        {"the hatch from below", CELLAR, {PUSH, HATCH}, hatch(0), {{STOP_ARG, 1323, 1}}, 1, state_is(HATCH, 1)},
        {"the hatch from above", DELL, {PUSH, HATCH}, hatch(0), {{TYPED, 2505, HATCH}}, 1, nullptr},
        {"the gate from the gatehouse", GATEHOUSE, {PUSH, GATE}, [] { gate(0); }, {{STOP_ARG, 2611, 1}}, 1,
         gate_is(1)},
        {"the gate from the yard", YARD, {PUSH, GATE}, [] { gate(1); }, {{STOP_ARG, 2611, 0}}, 1, gate_is(0)},
        {"the trap from the gallery", HOARD_GALLERY, {PUSH, TRAP}, [] { openable(TRAP, 0); }, {{STOP_ARG, 2516, 0}},
         1, state_is(TRAP, 1)},
        {"the trap, open, from the well head", WELL_HEAD, {PUSH, TRAP},
         [] { openable(TRAP, 1); flag(TRAP, OFLAG_TWO_PLACES); set_location(TRAP, HOARD_GALLERY); },
         {{TYPED, 2493, TRAP}}, 1, nullptr},
        {"the trap, shut, from the well head", WELL_HEAD, {PUSH, TRAP},
         [] { openable(TRAP, 0); flag(TRAP, OFLAG_TWO_PLACES); set_location(TRAP, HOARD_GALLERY); },
         {{TYPED, 2505, TRAP}}, 1, nullptr},
        {"the hoard doors from outside", HOARD_DOOR, {PUSH, DOORS}, [] { openable(DOORS, 2); }, {{STOP, 2513, 0}},
         1, state_is(DOORS, 1)},
        {"the hoard doors, open, from inside", HOARD, {PUSH, DOORS},
         [] { openable(DOORS, 1); flag(DOORS, OFLAG_TWO_PLACES); set_location(DOORS, HOARD_DOOR); },
         {{TYPED, 2493, DOOR}}, 1, nullptr},
    });
}

// Pulling and pushing anything else: what can be carried, what answers
// when spoken to, the sword in the stone, the creeper, the open chest.
TEST_F(PullPush, OtherThings) {
    auto portable = [](int obj) {
        return [obj] {
            flag(obj, OFLAG_PORTABLE);
            here_(obj);
        };
    };
    auto creature = [](int obj) {
        return [obj] {
            flag(obj, OFLAG_ADDRESSABLE);
            here_(obj);
        };
    };
    run_cases(p691, {
        {"the lamp", CELLAR, {PULL, LAMP}, portable(LAMP), {{TYPED, 2494, VAR_ARG2}}, 1, nullptr},
        {"the sword in the stone", 517, {PULL, SWORD}, portable(SWORD), {{STOP, 1579, 0}}, 1, nullptr},
        {"the lizard", CELLAR, {PULL, LIZARD}, creature(LIZARD), {{STOP, 1403, 0}}, 1, nullptr},
        {"the creeper", 443, {PULL, CREEPER}, [] { here_(CREEPER); }, {{TYPED, 1408, VAR_ARG2}}, 1, nullptr},
        {"the plant", 218, {PULL, PLANT}, [] { here_(PLANT); }, {{TYPED, 1408, VAR_ARG2}}, 1, nullptr},
        {"the open chest", CHEST_ROOM, {PULL, CHEST}, [] { openable(CHEST, 1); }, {{STOP, 2335, 0}}, 1, nullptr},
        {"the closed chest", CHEST_ROOM, {PULL, CHEST}, [] { openable(CHEST, 0); }, {{TYPED, 2492, VAR_ARG2}}, 1,
         nullptr},
        {"not here", CELLAR, {PULL, LAMP}, nullptr, {}, 0, nullptr},
        {"alone", CELLAR, {PULL}, nullptr, {}, 0, nullptr},
    });
    run_cases(p692, {
        {"the lamp", CELLAR, {PUSH, LAMP}, portable(LAMP), {{TYPED, 2493, VAR_ARG2}}, 1, nullptr},
        {"the lizard", CELLAR, {PUSH, LIZARD}, creature(LIZARD), {{STOP, 1403, 0}}, 1, nullptr},
        {"the coffer", CELLAR, {PUSH, 114}, creature(114), {{TYPED, 2493, VAR_ARG2}}, 1, nullptr},
        {"the creeper", 443, {PUSH, CREEPER}, [] { here_(CREEPER); }, {{TYPED, 2493, VAR_ARG2}}, 1, nullptr},
    });
}

}  // namespace
