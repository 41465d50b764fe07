// The words that carry things: taking (the chain and its order, the carry
// limit, the liquids taken by way of a vessel, the objects with rules of
// their own), dropping (where a place sends dropped things, the places that
// wash them away), again as "r", throwing, the words on all objects, the
// words that hand over to taking and dropping, and the procedures of the
// objects whose names lead a command. Each case: a world, a typed command,
// the texts said, where things end up and whether the turn ended.
#include <functional>
#include <string>
#include <vector>

#include "harness.h"

namespace {

using namespace game_test;
using texts = std::vector<said>;

constexpr int ARGV = SAY_ARG | SAY_ARGVAR;  // a text naming a typed word or a value, going on
constexpr int TAKE = WORD_TAKE, DROP = WORD_DROP, THROW = 793, AGAIN = WORD_AGAIN;
constexpr int LAMP = OBJ_LIGHT_SOURCE, JUG = OBJ_VESSEL_MEDIUM, VIAL = OBJ_VESSEL_SMALL, CASK = OBJ_VESSEL_LARGE;
constexpr int WATER = OBJ_LIQUID_1, OIL = OBJ_LIQUID_2, ALE = OBJ_LIQUID_3, NECTAR = OBJ_LIQUID_4;
constexpr int KEY = 106, INGOT = 47, LOCKET = 48, STATUE = 72, BREAD = 118, BALL = 126, FEATHER = 149;
constexpr int CLOTH = 63, WAND = 110, ROD = 112, POD = 152, SPIRIT = 28, LYNX = 39, COLLAR = 66;
constexpr int WICK = 55, WATERSKIN = 84, CREEPER = 139, EEL = 94, RAG = 132, WINDER = 92, FUNNEL = 148;
constexpr int HERE = 205;                        // a plain place with no rules for these words
constexpr int SOURCE = 201, SEEP = 217, BRINK = 462, POOL = 500, DUNE = 594, DUNE_EDGE = 623;

// The reply to a thing taken or put down: the verb and the thing as typed.
const texts acted = {{ARGV, 1987, VAR_ARG1}, {ARGV, 1988, VAR_ARG2}};

// A word's procedure standing in for the real one: it answers, and ends
// the turn.
int answer() {
    say_stop(1403);
    return 0;
}

void portable(int obj) { bitmod('s', obj, OFLAG_PORTABLE); }
void lying(int obj) {
    portable(obj);
    set_location(obj, value[VAR_HERE]);
}
void holding(int obj) {
    portable(obj);
    carry(obj);
}

// A case: the world, the command, the texts, the turn's end, the draws,
// and a check of the world afterwards.
struct word_case {
    std::string what;
    std::function<void()> setup;
    std::string command;
    texts said;
    int loop = 1;
    long draws = 0;
    std::function<void()> after = nullptr;
};

class Carrying : public GameTest {
protected:
    // The harness's empty world with the carry limit as the game starts,
    // and what dispatch sets before the place procedure: things put down
    // or thrown land here.
    void SetUp() override {
        GameTest::SetUp();
        fresh_world(PLACE_DEPOSIT);
    }
    void fresh_world(int here) {
        GameTest::fresh_world(here);
        value[VAR_CARRY_LIMIT] = 8;
        set_ref(VAR_DROP_PLACE, here);
        set_ref(VAR_LANDING_PLACE, here);
    }
    void check(game_proc p, int here, const std::vector<word_case> &cases) {
        for (const word_case &c : cases) {
            SCOPED_TRACE(c.what + ": \"" + c.command + "\"");
            fresh_world(here);
            if (c.setup) c.setup();
            const outcome o = call(p, c.command);
            EXPECT_EQ(o.texts, c.said);
            EXPECT_EQ(o.loop, c.loop);
            EXPECT_EQ(o.draws, c.draws);
            for (const said &t : o.texts) EXPECT_FALSE(wording(t).empty()) << "text " << t.text << " unwritten";
            if (c.after) c.after();
        }
    }
    // The rest of a command on all objects, as the command reader hands on
    // each further object; the texts said along the way.
    texts finish_all() {
        support::lines.push_back(line({727}));  // the command after the iteration
        said_log.clear();
        for (int guard = 0; guard < 200; guard++) {
            loop = 0;
            get_command(0);
            if (!value_all) break;
            p7();
        }
        support::lines.clear();
        return said_log;
    }
};

// ---------------------------------------------------------------------------
// Taking.

TEST_F(Carrying, TakingAndTheCarryLimit) {
    const auto full_hands = [] { value[VAR_CARRIED_COUNT] = value[VAR_CARRY_LIMIT] = 8; };
    check(p365, HERE,
          {
              {"taken", [] { lying(LAMP); }, line({TAKE, LAMP}), acted, 1, 0,
               [] { EXPECT_EQ(location[LAMP], PLACE_CARRIED); }},
              {"hands full", [&] { lying(LAMP); full_hands(); }, line({TAKE, LAMP}) + "; " + line({TAKE, KEY}),
               {{0, 1388, 0}}, 1, 0,
               [] {
                   EXPECT_EQ(location[LAMP], HERE);
                   EXPECT_TRUE(test("needcmd")) << "the rest of the line was dropped";
               }},
              {"not counted", [&] { lying(KEY); bitmod('s', KEY, OFLAG_NOT_COUNTED); full_hands(); },
               line({TAKE, KEY}), acted, 1, 0, [] { EXPECT_EQ(location[KEY], PLACE_CARRIED); }},
              {"the feather weighs nothing", [&] { lying(FEATHER); full_hands(); }, line({TAKE, FEATHER}),
               {{ARGV, 1711, FEATHER}}, 1, 0,
               [] {
                   EXPECT_EQ(location[FEATHER], PLACE_CARRIED);
                   EXPECT_EQ(value[FEATHER], 1);
               }},
              {"carried already", [] { holding(LAMP); }, line({TAKE, LAMP}), {{TYPED, 1314, VAR_ARG2}}, 1, 1},
              {"fixed in place", [] { set_location(STATUE, HERE); }, line({TAKE, STATUE}), {{STOP, 1315, 0}}, 1, 1},
              {"the cloth spread out", [] { lying(CLOTH); value[CLOTH] = 2; }, line({TAKE, CLOTH}),
               {{STOP, 2181, 0}}},
              {"not here: the last replies", [] { set_location(LAMP, 201); bitmod('s', LAMP, OFLAG_SEEN); },
               line({TAKE, LAMP}), {{TYPED, 1319, VAR_ARG2}}, 1, 1, [] { EXPECT_EQ(location[LAMP], 201); }},
              {"not a thing", nullptr, line({TAKE, PLACE_DEPOSIT}), {}, 0},
              {"a bare word takes the only thing here", [] { lying(KEY); }, line({TAKE}), acted, 1, 0,
               [] { EXPECT_EQ(location[KEY], PLACE_CARRIED); }},
              {"a bare word with two things here", [] { lying(KEY); lying(LAMP); }, line({TAKE}), {}, 0, 0,
               [] { EXPECT_EQ(value[VAR_ARG2], PARSE_AMBIGUOUS); }},
              {"a bare word with nothing here", nullptr, line({TAKE}), {}, 0},
          });
}

TEST_F(Carrying, TheRodPassesForTheWandAndCalledThingsAreTold) {
    // The variant of the reply at the moment it is said.
    static int variant_said = -1;
    const auto watch = [](int q, int r, int a) {
        record_say(q, r, a);
        if (r == 1988) variant_said = value[1988];
    };
    check(p365, 447,
          {
              {"the rod, unseen", [] { lying(ROD); }, line({TAKE, ROD}),
               {{ARGV, 1987, VAR_ARG1}, {ARGV, 1988, WAND}}, 1, 0,
               [] { EXPECT_TRUE(bitest(ROD, OFLAG_SEEN)) << "seen once taken at the eyrie"; }},
              {"the rod, seen", [] { lying(ROD); bitmod('s', ROD, OFLAG_SEEN); }, line({TAKE, ROD}), acted},
          });
    say_hook = watch;
    for (auto [obj, variant] : {std::pair{INGOT, 1}, {115, 2}}) {
        fresh_world(447);
        lying(obj);
        value[VAR_PHASE] = 6;
        value[1173] = obj;
        variant_said = -1;
        const outcome o = call(p365, line({TAKE, obj}));
        EXPECT_EQ(variant_said, variant) << obj;
        EXPECT_EQ(value[1988], 0) << "set back after it is said";
        if (obj == 115) {
            EXPECT_EQ(o.texts.back(), (said{0, 1858, 0}));
            EXPECT_EQ(value[115], 1);
        }
    }
}

TEST_F(Carrying, TheChainInOrder) {
    // Another word as the second word goes to that word's procedure, as one
    // word; nothing later in the chain runs.
    static int seen_status = 0;
    procs[WORD_INVENTORY] = [] {
        seen_status = value[VAR_COMMAND_STATUS];
        say_stop(1403);
        return 0;
    };
    lying(LAMP);
    EXPECT_EQ(call(p365, line({TAKE, WORD_INVENTORY})).texts, (texts{{STOP, 1403, 0}}));
    EXPECT_EQ(seen_status, 1);

    // In the dark the wisp slips away before anything else is tried.
    fresh_world(HERE);
    light(false);
    set_location(OBJ_WANDERER, HERE);
    EXPECT_EQ(call(p365, line({TAKE, OBJ_WANDERER})).texts, (texts{{STOP, 1784, 0}}));

    // The objects with rules of their own come before the general case.
    check(p365, 361,
          {
              {"the collar on the lynx", [] { set_location(COLLAR, 361); set_location(LYNX, 361); },
               line({TAKE, COLLAR}), {{STOP, 1467, 0}}},
              {"the collar off it", [] { lying(COLLAR); value[COLLAR] = 1; }, line({TAKE, COLLAR}), acted},
              {"the griffin", [] { set_location(85, 361); }, line({TAKE, 85}), {{STOP, 2163, 0}}},
              {"the idol", [] { set_location(137, 361); }, line({TAKE, 137}), {{STOP, 2580, 0}}},
              {"the idol, not near, at the carved cell", [] { set_ref(VAR_HERE, 581); }, line({TAKE, 137}),
               {{STOP, 1403, 0}}, 1, 1},
              {"the ball is still again", [] { lying(BALL); value[BALL] = 1; }, line({TAKE, BALL}), acted, 1, 0,
               [] { EXPECT_EQ(value[BALL], 0); }},
          });
}

TEST_F(Carrying, TakingWaterAndOil) {
    const auto at_source = [] { bitmod('s', value[VAR_HERE], PFLAG_LIQUID_SOURCE); };
    const texts filled_3 = {{ARGV, 2242, VAR_LOOP_OBJECT}, {STOP_ARG, 2243, 3}};
    check(p365, SOURCE,
          {
              {"into the empty jug", [&] { at_source(); holding(JUG); value[JUG] = 2; }, line({TAKE, WATER}),
               filled_3, 1, 0, [] { EXPECT_EQ(value[JUG], 3); }},
              {"the cask before the jug", [&] { at_source(); holding(JUG); value[JUG] = 2; holding(CASK); value[CASK] = 8; },
               line({TAKE, WATER}), filled_3, 1, 0,
               [] {
                   EXPECT_EQ(value[CASK], 3);
                   EXPECT_EQ(value[JUG], 2);
               }},
              {"nothing to carry it in", at_source, line({TAKE, WATER}), {{TYPED, 1400, WATER}}},
              {"everything full", [&] { at_source(); holding(JUG); value[JUG] = 4; }, line({TAKE, WATER}),
               {{STOP, 1841, 0}}},
              {"the waterskin first", [&] { at_source(); holding(WATERSKIN); holding(JUG); value[JUG] = 2; },
               line({TAKE, WATER}), {{STOP_ARG, 1744, 0}}, 1, 0,
               [] {
                   EXPECT_EQ(value[WATERSKIN], 2);
                   EXPECT_EQ(value[JUG], 2);
               }},
              {"the sticky cask rinsed first", [&] { at_source(); holding(CASK); value[CASK] = 1; },
               line({TAKE, WATER}), {{0, 2259, 0}, {0, 1266, 0}, filled_3[0], filled_3[1]}, 1, 0,
               [] { EXPECT_EQ(value[CASK], 3); }},
              {"but not in the cottage",
               [&] {
                   set_ref(VAR_HERE, PLACE_DEPOSIT);
                   at_source();
                   holding(CASK);
                   value[CASK] = 1;
               },
               line({TAKE, WATER}), {{STOP, 2258, 0}}, 1, 0, [] { EXPECT_EQ(value[CASK], 1); }},
              {"at the creeper hall", [] { set_ref(VAR_HERE, 443); }, line({TAKE, WATER}), {{STOP, 2849, 0}}},
              {"water in a jug here: the jug is taken", [] { lying(JUG); value[JUG] = 3; }, line({TAKE, WATER}),
               acted, 1, 0,
               [] {
                   EXPECT_EQ(location[JUG], PLACE_CARRIED);
                   EXPECT_EQ(value[VAR_ARG2], JUG);
                   EXPECT_EQ(wording({ARGV, 1988, VAR_ARG2}), "the jug.\n");
               }},
          });
    check(p365, SEEP,
          {
              {"into the empty vial", [] { set_location(OIL, SEEP); holding(VIAL); value[VIAL] = 2; },
               line({TAKE, OIL}), {{ARGV, 2242, VIAL}, {STOP_ARG, 2243, 4}}, 1, 0,
               [] { EXPECT_EQ(value[VIAL], 4); }},
              {"the cask will not do", [] { set_location(OIL, SEEP); holding(CASK); value[CASK] = 2; },
               line({TAKE, OIL}), {{STOP, 2245, 0}}},
              {"no vessel", [] { set_location(OIL, SEEP); }, line({TAKE, OIL}), {{TYPED, 1400, OIL}}},
              {"oil in a vial carried: the vial", [] { holding(VIAL); value[VIAL] = 4; set_ref(VAR_HERE, HERE); },
               line({TAKE, OIL}), {{TYPED, 1314, VAR_ARG2}}, 1, 1},
          });
    // The words of the vessel's new content read as one sentence.
    fresh_world(SOURCE);
    value[JUG] = 3;
    set_ref(VAR_LOOP_OBJECT, JUG);
    EXPECT_EQ(wording({ARGV, 2242, VAR_LOOP_OBJECT}) + wording({STOP_ARG, 2243, 3}),
              "You stoop and dip your vessel in.\nIt comes back brimming with clear water.\n");
}

TEST_F(Carrying, TakingTheNectar) {
    check(p365, 448,
          {
              {"into the empty cask", [] { set_location(NECTAR, 448); holding(CASK); value[CASK] = 2; },
               line({TAKE, NECTAR}),
               {{STOP, 2252, 0}}, 1, 0,
               [] {
                   EXPECT_EQ(value[CASK], 6);
                   EXPECT_EQ(location[NECTAR], PLACE_OFFSTAGE);
               }},
              {"the cask holds ale", [] { set_location(NECTAR, 448); holding(CASK); value[CASK] = 5; },
               line({TAKE, NECTAR}), {{STOP, 2250, 0}}},
              {"nothing to hold it, the creeper unseen", [] { set_location(NECTAR, 448); }, line({TAKE, NECTAR}),
               {{STOP, 3480, 0}}},
              {"the wick tried once",
               [] {
                   set_location(NECTAR, 448);
                   bitmod('s', CREEPER, OFLAG_SEEN);
                   holding(WICK);
               },
               line({TAKE, NECTAR}), {{0, 2251, 0}, {STOP_ARG, 3333, 0}}, 1, 0,
               [] { EXPECT_TRUE(bitest(WICK, 14)); }},
              {"and then no more",
               [] {
                   set_location(NECTAR, 448);
                   bitmod('s', CREEPER, OFLAG_SEEN);
                   holding(WICK);
                   bitmod('s', WICK, 14);
               },
               line({TAKE, NECTAR}), {{0, 2251, 0}, {TYPED, 3326, WICK}}},
              {"nothing to try", [] { set_location(NECTAR, 448); bitmod('s', CREEPER, OFLAG_SEEN); },
               line({TAKE, NECTAR}), {{0, 2251, 0}, {STOP, 1266, 0}}},
          });
}

TEST_F(Carrying, WordsThatHandOverToTakingOrAnswerForIt) {
    lying(LAMP);
    EXPECT_EQ(call(p630, line({809, LAMP})).texts, acted);
    EXPECT_EQ(location[LAMP], PLACE_CARRIED);
    check(p530, 203,
          {
              {"lift hands over", [] { lying(LAMP); }, line({797, LAMP}), acted},
              {"the hatch locked", [] { set_location(OBJ_LOCKED_GATE, 203); }, line({797, OBJ_LOCKED_GATE}),
               {{ARGV, 2188, VAR_ARG1}, {STOP, 1266, 0}}},
              {"once the hills stir", [] { set_location(OBJ_LOCKED_GATE, 203); value[VAR_PHASE] = 4; },
               line({797, OBJ_LOCKED_GATE}), {{ARGV, 2188, VAR_ARG1}, {STOP, 3310, 0}}},
              {"the hatch open", [] { set_location(OBJ_LOCKED_GATE, 203); value[OBJ_LOCKED_GATE] = 1; },
               line({797, OBJ_LOCKED_GATE}), {{TYPED, 1605, OBJ_LOCKED_GATE}}},
              {"the hatch elsewhere", nullptr, line({797, OBJ_LOCKED_GATE}), {}, 0},
          });
    check(p927, HERE,
          {
              {"alone", nullptr, line({812}), {{STOP, 1715, 0}}},
              {"this place", nullptr, "hold bolthole", {{STOP, 1425, 0}}},
              {"carried", [] { holding(LAMP); }, line({812, LAMP}), {{TYPED, 1314, VAR_ARG2}}, 1, 1},
              {"lying here", [] { lying(LAMP); }, line({812, LAMP}), {{STOP, 1715, 0}}},
              {"not here", nullptr, line({812, LAMP}), {{STOP, 1759, 0}}},
          });
}

// ---------------------------------------------------------------------------
// Dropping.

TEST_F(Carrying, DroppingAndWhereThingsLand) {
    const auto redirected = [](int text) {
        return [text] {
            set_ref(VAR_DROP_PLACE, PLACE_GONE);
            set_ref(VAR_DROP_TEXT, text);
        };
    };
    check(p229, HERE,
          {
              {"put down here", [] { holding(LAMP); }, line({DROP, LAMP}), acted, 1, 0,
               [] { EXPECT_EQ(location[LAMP], HERE); }},
              {"not carried", [] { lying(LAMP); }, line({DROP, LAMP}), {{TYPED, 1318, VAR_ARG2}}},
              {"not carried, not portable", [] { set_location(STATUE, HERE); }, line({DROP, STATUE}),
               {{TYPED, 3337, VAR_ARG2}}, 1, 1},
              {"all, at the chain's end: passed over", nullptr, line({DROP, OBJ_ALL}), {}, 0},
              {"the place sends it elsewhere",
               [&] {
                   holding(LAMP);
                   redirected(1266)();
               },
               line({DROP, LAMP}), {{ARGV, 2036, VAR_ARG2}, {SAY_REFVAR | SAY_ARG, VAR_DROP_TEXT, 0}}, 1, 0,
               [] { EXPECT_EQ(location[LAMP], PLACE_GONE); }},
              {"with the other wording",
               [&] {
                   holding(LOCKET);
                   bitmod('s', LOCKET, 11);
                   redirected(1266)();
               },
               line({DROP, LOCKET}), {{ARGV, 2036, VAR_ARG2}, {SAY_REFVAR | SAY_ARG, VAR_DROP_TEXT, 1}}},
              {"the funnel lands empty",
               [&] {
                   holding(FUNNEL);
                   value[FUNNEL] = 1;
                   redirected(1266)();
               },
               line({DROP, FUNNEL}), {{ARGV, 2036, VAR_ARG2}, {SAY_REFVAR | SAY_ARG, VAR_DROP_TEXT, 0}}, 1, 0,
               [] { EXPECT_EQ(value[FUNNEL], 2); }},
              {"the ball bounces", [] { holding(BALL); }, line({DROP, BALL}), {{STOP, 3490, 0}}, 1, 0,
               [] { EXPECT_EQ(value[BALL], 1); }},
              {"the winder whirrs the first time", [] { holding(WINDER); }, line({DROP, WINDER}),
               {acted[0], acted[1], {0, 2829, 0}}, 1, 0, [] { EXPECT_TRUE(bitest(WINDER, 13)); }},
              {"and not again", [] { holding(WINDER); bitmod('s', WINDER, 13); }, line({DROP, WINDER}), acted},
              {"the rod still passes for the wand", [] { holding(ROD); }, line({DROP, ROD}),
               {{ARGV, 1987, VAR_ARG1}, {ARGV, 1988, WAND}}},
          });
    check(p229, BRINK,
          {
              {"the light stays at the brink", [&] { holding(LAMP); redirected(1266)(); }, line({DROP, LAMP}),
               acted, 1, 0, [] { EXPECT_EQ(location[LAMP], BRINK); }},
              {"so does what blocks a passage",
               [&] {
                   holding(INGOT);
                   bitmod('s', INGOT, OFLAG_BLOCKS_PASSAGE);
                   redirected(1266)();
               },
               line({DROP, INGOT}), acted, 1, 0, [] { EXPECT_EQ(location[INGOT], BRINK); }},
          });
}

// A place that sends dropped things elsewhere sets where and what is said
// before the drop word runs; dispatch sets them back for every command.
int ledge_drops_into_the_chasm() {
    set_ref(VAR_DROP_PLACE, PLACE_GONE);
    set_ref(VAR_DROP_TEXT, 1403);
    return 0;
}

TEST_F(Carrying, APlaceSendsDroppedThingsElsewhere) {
    fresh_world(HERE);
    procs[HERE] = ledge_drops_into_the_chasm;
    holding(LAMP);
    holding(KEY);
    EXPECT_EQ(turn(line({DROP, LAMP})).texts,
              (texts{{ARGV, 2036, VAR_ARG2}, {SAY_REFVAR | SAY_ARG, VAR_DROP_TEXT, 0}}));
    EXPECT_EQ(location[LAMP], PLACE_GONE);
    procs[HERE] = p0;
    EXPECT_EQ(turn(line({DROP, KEY})).texts, acted);
    EXPECT_EQ(location[KEY], HERE);
}

TEST_F(Carrying, DroppingWhereThingsWashAway) {
    // The reply is that of a thing put down here, but it washes down to the
    // bottom of the fall.
    check(p229, POOL,
          {
              {"anything", [] { holding(LAMP); }, line({DROP, LAMP}), acted, 1, 0,
               [] { EXPECT_EQ(location[LAMP], 502); }},
              {"the bread, no eel", [] { holding(BREAD); }, line({DROP, BREAD}), acted, 1, 0,
               [] { EXPECT_EQ(location[BREAD], PLACE_OFFSTAGE); }},
              {"the bread to a roused eel", [] { holding(BREAD); set_location(EEL, POOL); value[EEL] = 3; },
               line({DROP, BREAD}), {{0, 1774, 0}, {0, 1775, 0}}, 1, 0,
               [] {
                   EXPECT_EQ(value[EEL], 0);
                   EXPECT_EQ(location[BREAD], PLACE_OFFSTAGE);
               }},
              {"the rag soaks", [] { holding(RAG); }, line({DROP, RAG}), acted, 1, 0,
               [] {
                   EXPECT_EQ(value[RAG], 3);
                   EXPECT_EQ(location[RAG], POOL);
               }},
          });
    fresh_world(502);
    bitmod('s', 502, PFLAG_HAZARD);
    holding(RAG);
    call(p229, line({DROP, RAG}));
    EXPECT_EQ(value[RAG], 4) << "rinsed at the bottom of the fall";
}

TEST_F(Carrying, DroppingThingsWithRulesOfTheirOwn) {
    check(p229, DUNE,
          {
              {"the shifting sands, before anything", [] { bitmod('s', DUNE, 15); }, line({DROP, LAMP}),
               {{STOP, 2311, 0}}},
          });
    check(p229, DUNE_EDGE,
          {
              {"the pod lost in the sand", [] { holding(POD); }, line({DROP, POD}), {{STOP, 2807, 0}}, 1, 0,
               [] { EXPECT_EQ(location[POD], PLACE_GONE); }},
          });
    check(p229, HERE,
          {
              {"the pod takes root", [] { holding(POD); }, line({DROP, POD}), acted, 1, 1,
               [] {
                   EXPECT_EQ(location[POD], HERE);
                   EXPECT_EQ(value[POD], 1);
               }},
              {"the spirit let out", [] { set_location(SPIRIT, HERE); }, line({DROP, SPIRIT}), {{STOP, 1632, 0}},
               1, 1,
               [] {
                   EXPECT_EQ(location[SPIRIT], PLACE_GONE);
                   EXPECT_TRUE(within(value[VAR_PHASE_TIMER], 4, 12));
                   EXPECT_EQ(value[1206], value[VAR_PHASE_TIMER]);
               }},
              {"the lynx led", [] { holding(LYNX); }, line({DROP, LYNX}), {{0, 2187, 0}, {STOP, 1266, 0}}, 1, 0,
               [] { EXPECT_EQ(location[LYNX], HERE); }},
              {"the lynx wild", [] { set_location(LYNX, HERE); }, line({DROP, LYNX}), {{STOP, 1328, 0}}},
              {"the lynx fed, with the key", [] { set_location(LYNX, HERE); value[LYNX] = 1; holding(KEY); },
               line({DROP, LYNX}), {{STOP, 1468, 0}}, 1, 0,
               [] {
                   EXPECT_EQ(value[LYNX], 2);
                   EXPECT_EQ(value[COLLAR], 1);
               }},
              {"the lynx fed, no key", [] { set_location(LYNX, HERE); value[LYNX] = 1; }, line({DROP, LYNX}),
               {{STOP_ARG, 1513, KEY}}},
              {"the lynx free elsewhere", [] { set_location(LYNX, HERE); value[LYNX] = 2; }, line({DROP, LYNX}),
               {{TYPED, 2603, VAR_ARG1}}},
              {"the bait thrown away", [] { holding(138); }, line({DROP, 138}),
               {{0, 2358, 0}, {STOP, 1266, 0}}, 1, 0,
               [] {
                   EXPECT_EQ(location[138], PLACE_OFFSTAGE);
                   EXPECT_TRUE(bitest(138, 13));
               }},
              {"the wand left by the firefly",
               [] {
                   holding(WAND);
                   set_location(109, HERE);
                   bitmod('s', 138, 13);
               },
               line({DROP, WAND}), {{STOP_ARG, 2356, 1}}, 1, 0,
               [] {
                   EXPECT_EQ(location[WAND], HERE);
                   EXPECT_TRUE(bitest(VAR_GAME_FLAGS_3, 3));
               }},
          });
    fresh_world(361);
    set_location(LYNX, 361);
    value[LYNX] = 2;
    EXPECT_EQ(call(p229, line({DROP, LYNX})).texts, (texts{{STOP, 2602, 0}}));
    // The pod's chance, drawn: nine in ten it takes root quietly.
    int rooted = 0;
    for (int seed = 1; seed <= 200; seed++) {
        fresh_world(HERE);
            rseed = seed;
        holding(POD);
        const outcome o = call(p229, line({DROP, POD}));
        if (bitest(VAR_GAME_FLAGS_3, 12))
            rooted++;
        else
            EXPECT_EQ(o.texts.front(), (said{0, 3304, 0}));
    }
    EXPECT_TRUE(within(rooted, 160, 195)) << rooted;
}

TEST_F(Carrying, WordsThatHandOverToDropping) {
    check(p746, HERE,
          {
              {"the bait", [] { holding(138); }, line({803, 138}), {{0, 2358, 0}, {STOP, 1266, 0}}},
              {"the token", [] { holding(51); }, line({803, 51}), {{TYPED, 1416, VAR_ARG2}}},
              {"the bundle", [] { holding(151); }, line({803, 151}), {{STOP, 2409, 0}}},
              {"the ball, lying here", [] { lying(BALL); }, line({803, BALL}), {{STOP_ARG, 3463, BALL}}},
              {"anything else", [] { holding(LAMP); }, line({803, LAMP}), {{STOP, 1403, 0}}, 1, 1},
              {"alone", nullptr, line({803}), {}, 0},
          });
    check(p693, SOURCE,
          {
              {"the spring: the jug carried", [] { bitmod('s', SOURCE, PFLAG_LIQUID_SOURCE); holding(JUG); value[JUG] = 2; },
               line({868, WATER}), {{TYPED, 3321, JUG}}},
              {"the spring: the jug named", [] { bitmod('s', SOURCE, PFLAG_LIQUID_SOURCE); }, line({868, JUG}),
               {{TYPED, 3321, VAR_ARG2}}},
              {"anything else", [] { holding(LAMP); }, line({868, LAMP}), {{TYPED, 2413, VAR_ARG1}}},
              {"the token at the automaton: dropped", [] { procs[DROP] = answer; set_location(35, SOURCE); },
               line({868, 51}), {{STOP, 1403, 0}}, 1, 1},
              {"the firefly with the jar near: taken", [] { procs[TAKE] = answer; lying(108); }, line({868, 109}),
               {{STOP, 1403, 0}}, 1, 1},
          });
    check(p686, HERE,
          {
              {"alone", nullptr, line({872}), {{STOP_ARG, 2487, 0}}},
              {"something carried", [] { holding(LAMP); }, line({872, LAMP}), {{STOP_ARG, 2487, 1}}},
              {"the wand", [] { holding(WAND); }, line({872, WAND}), {{STOP, 2488, 0}}},
              {"something not carried", [] { lying(LAMP); }, line({872, LAMP}), {{STOP_ARG, 3463, LAMP}}},
          });
    check(p881, HERE,
          {
              {"alone: the word's second slot holds no thing", nullptr, line({816}), {}, 0},
              {"not carried", [] { lying(LAMP); }, line({816, LAMP}), {}, 0},
              {"on the surface or far off", [] { holding(LAMP); bitmod('s', HERE, 7); }, line({816, LAMP}),
               {{STOP_ARG, 2801, 0}}},
              {"in the caves", [] { holding(LAMP); }, line({816, LAMP}), {{STOP_ARG, 2801, 1}}},
              {"near the grotto", [] { holding(LAMP); set_ref(VAR_HERE, 270); }, line({816, LAMP}),
               {{STOP_ARG, 2801, 2}}},
              {"at the arch", [] { holding(LAMP); set_ref(VAR_HERE, 277); }, line({816, LAMP}),
               {{STOP_ARG, 2801, 3}}},
              {"in the grotto", [] { holding(LAMP); set_ref(VAR_HERE, 584); }, line({816, LAMP}),
               {{STOP, 2802, 0}}},
          });
}

TEST_F(Carrying, AgainAsR) {
    // "again" with a word after it: refused, and the command before is not
    // taken again.
    holding(LAMP);
    read(line({DROP, LAMP}));
    ASSERT_EQ(value[VAR_ARG1], DROP);
    outcome o = read(line({AGAIN, LAMP}));
    EXPECT_EQ(o.texts, (texts{{TYPED, 1513, VAR_ARG2}}));
    EXPECT_EQ(o.loop, 1);
    EXPECT_EQ(value[VAR_ARG1], AGAIN);

    // "r" completing a thing named alone puts it down.
    fresh_world(HERE);
    holding(LAMP);
    parse(line({LAMP}));
    bitmod('s', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_ORPHAN);
    o = read("r");
    EXPECT_EQ(o.texts, texts{});
    EXPECT_EQ(o.loop, 0);
    EXPECT_EQ(value[VAR_ARG1], DROP);
    EXPECT_EQ(value[VAR_ARG2], LAMP);
    EXPECT_EQ(wording({ARGV, 1987, VAR_ARG1}), "You drop ");
    EXPECT_EQ(call(p7).texts, acted);
    EXPECT_EQ(location[LAMP], HERE);

    // Alone, it repeats the command before.
    fresh_world(HERE);
    read(line({844}));
    read(line({AGAIN}));
    EXPECT_EQ(value[VAR_ARG1], 844);
}

// ---------------------------------------------------------------------------
// Throwing.

TEST_F(Carrying, Throwing) {
    const texts thrown_lit = {{ARGV, 1987, VAR_ARG1}, {ARGV, 1989, VAR_ARG2}, {TYPED, 2261, 1256}};
    check(p836, HERE,
          {
              {"where it lands here, a drop", [] { holding(LAMP); }, line({THROW, LAMP}), acted, 1, 0,
               [] { EXPECT_EQ(location[LAMP], HERE); }},
              {"a jug of water", [] { holding(JUG); value[JUG] = 3; }, line({THROW, JUG}), thrown_lit, 1, 0,
               [] {
                   EXPECT_EQ(location[JUG], HERE);
                   EXPECT_EQ(value[JUG], 2);
                   EXPECT_EQ(value[1256], 3);
                   EXPECT_TRUE(bitest(HERE, 13));
               }},
              {"in the dark", [] { holding(JUG); value[JUG] = 3; light(false); }, line({THROW, JUG}),
               {{ARGV, 1987, VAR_ARG1}, {TYPED, 1988, VAR_ARG2}}, 1, 0, [] { EXPECT_EQ(value[JUG], 2); }},
              {"empty", [] { holding(JUG); value[JUG] = 2; }, line({THROW, JUG}),
               {{ARGV, 1987, VAR_ARG1}, {TYPED, 1988, VAR_ARG2}}},
              {"the cask of nectar", [] { holding(CASK); value[CASK] = 6; }, line({THROW, CASK}), thrown_lit, 1, 0,
               [] {
                   EXPECT_EQ(value[CASK], 1);
                   EXPECT_EQ(location[NECTAR], HERE);
               }},
              {"a jug that is not in hand stays where it is", [] { set_location(JUG, 201); portable(JUG); value[JUG] = 3; },
               line({THROW, JUG}), {{TYPED, 1318, VAR_ARG2}}, 1, 0,
               [] {
                   EXPECT_EQ(location[JUG], 201);
                   EXPECT_EQ(value[JUG], 3);
               }},
              {"bread to the lynx", [] { holding(BREAD); set_location(LYNX, HERE); value[124] = 1; },
               line({THROW, BREAD}), {{STOP, 1465, 0}}, 1, 0,
               [] {
                   EXPECT_EQ(value[LYNX], 1);
                   EXPECT_EQ(value[124], 0);
                   EXPECT_EQ(location[BREAD], PLACE_OFFSTAGE);
               }},
              {"bread to the prowler", [] { holding(BREAD); set_location(OBJ_ATTACKER, HERE); }, line({THROW, BREAD}),
               {{STOP, 1399, 0}}, 1, 0,
               [] {
                   EXPECT_EQ(location[BREAD], HERE);
                   EXPECT_TRUE(bitest(OBJ_ATTACKER, 14));
               }},
              {"bread to a calm eel", [] { holding(BREAD); set_location(EEL, HERE); }, line({THROW, BREAD}),
               {{0, 1774, 0}}},
              {"bread with nobody about: a drop", [] { holding(BREAD); }, line({THROW, BREAD}), acted},
              {"ale without the cask", nullptr, line({THROW, ALE}), {{TYPED, 1513, ALE}}},
              {"the nectar in its cask", [] { holding(CASK); value[CASK] = 6; }, line({THROW, NECTAR}),
               {{STOP, 2253, 0}}},
              {"the nectar elsewhere", nullptr, line({THROW, NECTAR}), {{STOP_ARG, 1513, NECTAR}}},
          });
}

// ---------------------------------------------------------------------------
// All objects.

TEST_F(Carrying, TakeAndDropAll) {
    fresh_world(HERE);
    for (int obj : {KEY, LAMP, INGOT}) lying(obj);
    lying(STATUE);
    bitmod('c', STATUE, OFLAG_PORTABLE);
    turn(line({TAKE, OBJ_ALL}));
    texts rest = finish_all();
    EXPECT_EQ(rest, (texts{acted[0], acted[1], acted[0], acted[1]}));
    for (int obj : {KEY, LAMP, INGOT}) EXPECT_EQ(location[obj], PLACE_CARRIED) << obj;
    EXPECT_EQ(location[STATUE], HERE);

    // Dropping all but one.
    turn(line({DROP, OBJ_ALL, WORD_EXCEPT, LAMP}));
    finish_all();
    EXPECT_EQ(location[LAMP], PLACE_CARRIED);
    EXPECT_EQ(location[KEY], HERE);
    EXPECT_EQ(location[INGOT], HERE);

    // No room: the first refusal ends the iteration.
    fresh_world(HERE);
    for (int obj : {KEY, LAMP}) lying(obj);
    value[VAR_CARRIED_COUNT] = value[VAR_CARRY_LIMIT] = 8;
    EXPECT_EQ(turn(line({TAKE, OBJ_ALL})).texts, (texts{{0, 1388, 0}}));
    EXPECT_EQ(value_all, 0);
    EXPECT_EQ(location[KEY], HERE);

    // The summaries when nothing qualifies.
    struct {
        std::function<void()> setup;
        std::string command;
        texts said;
    } cases[] = {
        {nullptr, line({TAKE, OBJ_ALL}), {{STOP_ARG, 2682, 0}}},
        {[] { lying(LAMP); }, line({TAKE, OBJ_ALL, WORD_EXCEPT, LAMP}), {{STOP_ARG, 2681, 0}}},
        {[] { lying(LAMP); }, line({TAKE, OBJ_ALL_SCORING}), {{STOP_ARG, 2679, 0}}},
        {nullptr, line({DROP, OBJ_ALL}), {{STOP_ARG, 2682, 1}}},
        {[] {
             holding(65);
             bitmod('s', 65, OFLAG_LIGHTABLE);
             value[65] = 2;
         },
         line({DROP, OBJ_ALL}), {{STOP, 3216, 0}}},
        {[] { holding(LAMP); }, line({TAKE, OBJ_ALL, WORD_EXCEPT, LAMP}), {{STOP_ARG, 1314, LAMP}}},
        {nullptr, line({TAKE, OBJ_ALL, WORD_EXCEPT}) + " flurbo", {{TYPED, 1351, VAR_ARG3}}},
    };
    for (auto &c : cases) {
        fresh_world(HERE);
        if (c.setup) c.setup();
        EXPECT_EQ(turn(c.command).texts, c.said) << c.command;
    }
}

// ---------------------------------------------------------------------------
// The objects whose names lead a command.

void oil_in_jug() {
    holding(JUG);
    value[JUG] = 4;
}

TEST_F(Carrying, TheOilAsAVerb) {
    // Away from the seep the oil must be in a vessel to hand; at the seep
    // it is to hand anyway.
    check(p633, HERE,
          {
              {"no oil to hand", nullptr, line({OIL}), {{ARGV, 1513, OIL}}},
              {"no oil, the flask carried", [] { holding(127); }, line({OIL}), {{ARGV, 1513, OIL}, {0, 1896, 0}}},
          });
    check(p633, SEEP,
          {
              {"the winch", [] { set_location(75, SEEP); oil_in_jug(); }, line({OIL, 75}), {{STOP, 2182, 0}}, 1, 0,
               [] {
                   EXPECT_EQ(value[75], 1);
                   EXPECT_EQ(value[JUG], 2) << "poured out, quietly";
               }},
              {"the plant", [] { set_location(13, SEEP); oil_in_jug(); }, line({OIL, 13}), {{STOP, 1405, 0}}},
              {"nothing to pour it from", [] { set_location(13, SEEP); }, line({OIL, 13}), {{STOP, 3240, 0}}},
              {"the gate", [] { set_location(164, SEEP); }, line({OIL, 164}), {{STOP, 2509, 0}}},
              {"the creeper", [] { set_location(CREEPER, SEEP); }, line({OIL, CREEPER}), {{STOP, 1403, 0}}, 1, 1},
              {"the grille from the thicket's heart",
               [] {
                   set_ref(VAR_HERE, 482);
                   set_location(98, 482);
                   holding(FUNNEL);
                   value[FUNNEL] = 1;
                   oil_in_jug();
               },
               line({OIL, 98}), {{TYPED, 1739, OIL}}, 1, 0,
               [] {
                   EXPECT_EQ(wording({TYPED, 1739, OIL}),
                             "The grille is back at the gap. From the heart of the thicket you cannot oil it.\n");
               }},
          });
    // Alone at the seep: the next lone word says what to oil. A one-word
    // command's empty second slot goes into the tests all the same.
    fresh_world(SEEP);
    const outcome o = call(p633, line({OIL}));
    EXPECT_EQ(o.loop, 1);
    EXPECT_EQ(value[VAR_ARG2], PARSE_NONE);
    EXPECT_TRUE(bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_ORPHAN));

    // Anything else: the reply by what it is, naming it as typed.
    static int variant_said = -1;
    for (auto [obj, state, variant] : {std::tuple{125, 0, 1}, {125, 3, 2}, {124, 0, 3}, {KEY, 0, 4}, {LAMP, 0, 0}}) {
        fresh_world(SEEP);
        say_hook = [](int q, int r, int a) {
            record_say(q, r, a);
            if (r == 2193) variant_said = value[2193];
        };
        lying(obj);
        value[obj] = state;
        variant_said = -1;
        EXPECT_EQ(call(p633, line({OIL, obj})).texts, (texts{{TYPED, 2193, VAR_ARG2}})) << obj;
        EXPECT_EQ(variant_said, variant) << obj;
    }
}

TEST_F(Carrying, TheOtherObjectsAsWords) {
    check(p171, 284, {{"the trapdoor", nullptr, line({76}), {{STOP, 1705, 0}}}});
    check(p390, HERE, {{"the glimmer", nullptr, line({16}), {{STOP_ARG, 1806, 0}}}});
    check(p661, HERE,
          {
              {"the bundle near, alone", [] { holding(151); }, line({151}), {{TYPED, 1343, VAR_COMMAND_STATUS}}, 1, 0,
               [] { EXPECT_EQ(wording({TYPED, 1343, VAR_COMMAND_STATUS}), wording({STOP_ARG, 1343, 1})); }},
              {"the bundle after the bait", [] { bitmod('s', 138, 13); }, line({151}), {{STOP_ARG, 1343, 0}}},
              {"no bundle, the nectar about", [] { holding(CASK); value[CASK] = 6; }, line({151}),
               {{STOP_ARG, 3340, 0}}},
              {"no bundle", nullptr, line({151}), {{STOP_ARG, 3340, 1}}},
          });
    check(p901, HERE,
          {
              {"water and the bait carried", [] { holding(138); }, line({WATER, 138}), {{STOP, 2739, 0}}, 1, 1},
              {"water and the bait elsewhere", nullptr, line({WATER, 138}), {}, 0},
              {"water and something else", nullptr, line({WATER, LAMP}), {}, 0},
          });
    static int thrown = 0;
    check(p677, HERE,
          {
              {"the plant and the ball: thrown", [] { procs[THROW] = [] { thrown++; return 0; }; holding(BALL); },
               line({13, BALL}), {{STOP, 2740, 0}}, 1, 0, [] { EXPECT_EQ(thrown, 1); }},
              {"the plant and the bait", [] { holding(138); }, line({13, 138}), {{STOP, 2739, 0}}, 1, 1},
              {"the plant and anything", nullptr, line({13, LAMP}), {{STOP, 2740, 0}}},
              {"the plant alone", nullptr, line({13}), {}, 0},
          });
}

// ---------------------------------------------------------------------------
// How things read.

TEST_F(Carrying, TheReplyReadsRightOnEveryRoad) {
    fresh_world(HERE);
    holding(LAMP);
    parse(line({TAKE, LAMP}));
    EXPECT_EQ(wording({ARGV, 1987, VAR_ARG1}) + wording({ARGV, 1988, VAR_ARG2}), "You take the lamp.\n");
    parse("get lantern");
    EXPECT_EQ(wording({ARGV, 1987, VAR_ARG1}) + wording({ARGV, 1988, VAR_ARG2}), "You get the lantern.\n");
    // A word and an object's state, as other procedures say it: the door
    // closed or oiled, the rod passing for the wand.
    EXPECT_EQ(wording({SAY_ARG, 1987, 769}) + wording({ARGV, 1988, 8}), "You close the door.\n");
    EXPECT_EQ(wording({ARGV, 1987, OIL}) + wording({ARGV, 1988, 8}), "You oil the door.\n");
    EXPECT_EQ(wording({ARGV, 1988, WAND}), "the wand.\n");
    // The first words of what happens to a thing sent elsewhere.
    EXPECT_EQ(wording({ARGV, 2036, VAR_ARG2}), "The lantern");
    EXPECT_EQ(wording({ARGV, 2036, 127}), "The flask");
}

TEST_F(Carrying, EveryThingInPlayReadsCarriedAndLyingInEachState) {
    // The words and markers that are never anywhere have no descriptions.
    const auto never_in_play = [](int obj) {
        return obj == OBJ_ALL || obj == 20 || obj == 142 || obj == 155 || obj == OBJ_PRONOUN ||
               obj == OBJ_ALL_SCORING || within(obj, 174, 192);
    };
    for (int obj = FIRST_OBJECT; obj <= LAST_OBJECT; obj++) {
        if (never_in_play(obj)) continue;
        for (int state = 0; state <= 20; state++) {
            value[obj] = state;
            set_location(obj, PLACE_CARRIED);
            const std::string brief = wording({0, obj, 0});
            set_location(obj, HERE);
            const std::string placed = wording({0, obj, 0});
            EXPECT_FALSE(brief.empty()) << obj;
            EXPECT_FALSE(placed.empty()) << obj;
            EXPECT_NE(brief, placed) << obj;
        }
    }
    // A few states told apart.
    struct {
        int obj, state;
        bool carried;
        std::string reads;
    } states[] = {
        {JUG, 2, true, "A stoneware jug, empty\n"},
        {JUG, 3, false, "A stoneware jug full of water stands here.\n"},
        {CASK, 8, true, "An oak cask, half full of water\n"},
        {LAMP, 1, false, "A tin lamp with a glass chimney stands here, lit.\n"},
        {69, 5, true, "A blue opal\n"},
        {102, 3, true, "A lodestone needle in a glass case, pointing east\n"},
        {16, 8, false, "A faint glimmer flickers away to the north-west.\n"},
        {ROD, 0, true, "A slender wand\n"},
        {56, 2, false, "The urn strikes the ground and shatters into pieces!\n"},
    };
    for (auto &s : states) {
        value[s.obj] = s.state;
        set_location(s.obj, s.carried ? PLACE_CARRIED : HERE);
        EXPECT_EQ(wording({0, s.obj, 0}), s.reads) << s.obj << " in state " << s.state;
    }
}

}  // namespace
