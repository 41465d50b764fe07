// The shared puzzles: the river bridge that counts treasures, the narrow
// way and its load check, the parked objects' return, the rune door's
// light, the hoard doors, and the replies of the imp, the firefly, the
// griffin, the toy ball, the thicket and the stream gallery.
#include "procedure_cases.h"

namespace {

using namespace game_test;

constexpr int CROSS = 763, THROW = 793, VASE = 144, BAIT = 138, FIREFLY = 109, WAND = 110, IMP = 5, JUG = 119,
              VIAL = 123, CASK = 136;

class Puzzles : public ProcedureTest {};

void carry_treasures(std::initializer_list<int> objs) {
    for (int obj : objs) {
        bitmod('s', obj, OFLAG_SCORING);
        carry(obj);
    }
}

TEST_F(Puzzles, BridgeCountsTreasures) {
    auto counted = [](int n) { return [n] { value[VAR_SCORING_CARRIED] = n; }; };
    check(632, {
        {"over with two", [] { carry_treasures({47, 48}); carry(OBJ_LIGHT_SOURCE); }, line({CROSS}), p75, 631,
         {{0, 2363, 0}}},
        {"over with none", nullptr, line({CROSS}), p75, 631, {{0, 2363, 0}}},
        {"a look is left alone", nullptr, line({WORD_LOOK}), p75, 632, {}, 0},
    });
    check(631, {
        {"back with as many", [=] { counted(2)(); carry_treasures({47, 48}); }, line({CROSS}), p75, 632,
         {{0, 2363, 0}}},
        {"back with fewer", [=] { counted(2)(); carry_treasures({47}); }, line({CROSS}), p75, 632,
         {{0, 2363, 0}}},
        dying({"back with one more", [=] { counted(0)(); carry_treasures({47}); carry(VASE); }, line({CROSS}), p75,
               PLACE_GONE, {{0, 2364, 0}}}),
    });
    run_case(632, {"", [] { value[VAR_SCORING_CARRIED] = 5; carry_treasures({47, 48}); }, line({CROSS}), p75, 0,
                   {}});
    EXPECT_EQ(value[VAR_SCORING_CARRIED], 2);
    run_case(631, {"", [] { carry_treasures({47}); carry(VASE); }, line({CROSS}), p75, 0, {}});
    EXPECT_EQ(location[VASE], 619);  // the river washes the vase up at the abyss edge

    // Throwing into the river: the vase lands downstream, anything else is
    // gone (at the void, not at "place" 0).
    struct throw_case {
        int obj;
        bool held;
        int lands;
    };
    for (const throw_case &t : {throw_case{VASE, true, 619}, {OBJ_LIGHT_SOURCE, true, PLACE_GONE},
                                {OBJ_LIGHT_SOURCE, false, 0}}) {
        outcome o = run_case(632, {"", [&] { if (t.held) carry(t.obj); }, line({THROW, t.obj}), p75, 0, {}});
        EXPECT_EQ(o.place, 632);
        EXPECT_EQ(o.loop, 0);
        EXPECT_EQ(value[VAR_LANDING_PLACE], t.lands) << t.obj;
        EXPECT_EQ(value[VAR_LANDING_TEXT], t.lands ? 2366 : 0) << t.obj;
        if (t.lands) {
            EXPECT_EQ(*bitword(VAR_LANDING_PLACE), ref_mark);
            EXPECT_EQ(*bitword(VAR_LANDING_TEXT), ref_mark);
        }
    }
    EXPECT_EQ(run_case(632, {"", nullptr, line({THROW}), p75, 0, {}}).place, 632);
    run_case(632, {"", [] { carry(VASE); }, line({THROW, VASE}), p75, 0, {}});
    EXPECT_EQ(value[VASE], 2);
    EXPECT_TRUE(bitest(VASE, 7));
}

// The narrow way between the well head (475) and the south thicket (486):
// the first blocking object carried, in refno order, gets the refusal; the
// lamp never blocks.
TEST_F(Puzzles, NarrowWay) {
    auto bulky = [](std::initializer_list<int> objs) {
        return [objs] {
            for (int obj : objs) {
                bitmod('s', obj, OFLAG_BLOCKS_PASSAGE);
                carry(obj);
            }
        };
    };
    check(475, {
        {"down", nullptr, line({WORD_DOWN}), p858, 486, {{0, 2515, 0}}},
        {"down with the lamp", bulky({OBJ_LIGHT_SOURCE}), line({WORD_DOWN}), p858, 486, {{0, 2515, 0}}},
        {"down with a bulky load", bulky({OBJ_LIGHT_SOURCE, 52}), line({WORD_DOWN}), p858, 475,
         {{STOP | SAY_REFVAR, VAR_PROMPT_TEXT, 0}}},
    });
    check(486, {{"up", nullptr, line({WORD_UP}), p858, 475, {{0, 2462, 0}}}});

    run_case(475, {"", nullptr, line({WORD_DOWN}), p858, 0, {}});
    EXPECT_TRUE(bitest(475, 16));
    run_case(475, {"", bulky({OBJ_LIGHT_SOURCE, 52, 53}), line({WORD_DOWN}), p858, 0, {}});
    EXPECT_EQ(value[VAR_PROMPT_TEXT], 2514);
    EXPECT_EQ(*bitword(VAR_PROMPT_TEXT), ref_mark);
    EXPECT_EQ(value[VAR_LOOP_OBJECT], 52);
    EXPECT_FALSE(bitest(475, 16));
    run_case(486, {"", bulky({53}), line({WORD_UP}), p858, 0, {}});
    EXPECT_EQ(value[VAR_PROMPT_TEXT], 2463);
    run_case(475, {"", bulky({OBJ_LIGHT_SOURCE}), line({WORD_DOWN}), p858, 0, {}});
    EXPECT_EQ(value[2461], 1);
}

// One parked object comes back: with n at the holding place, a draw of
// 2n + 1 picks one of them in refno order or none.
TEST_F(Puzzles, ParkedObjectReturns) {
    const int parked[] = {40, 50, 60};
    for (int32_t seed = 1; seed <= 40; seed++) {
        fresh_world(300);
        for (int obj : parked) set_location(obj, PLACE_HOLDING);
        rseed = seed;
        const int pick = irand(7);
        rseed = seed;
        outcome o = call(p678);
        EXPECT_EQ(o.draws, 1);
        for (int k = 0; k < 3; k++)
            EXPECT_EQ(location[parked[k]], k == pick ? 300 : PLACE_HOLDING) << "seed " << seed;
    }
    fresh_world(300);
    EXPECT_EQ(call(p678).draws, 1);  // nothing parked: irand(1)

    // The firefly in its jar (state 1) and the jar come back together:
    // the jar chosen alone at the holding place, or the firefly chosen
    // (second in refno order) beside it.
    for (int chosen : {108, FIREFLY}) {
        fresh_world(300);
        set_location(108, PLACE_HOLDING);
        set_location(FIREFLY, chosen == 108 ? 701 : PLACE_HOLDING);
        value[FIREFLY] = 1;
        rseed = seed_for(chosen == 108 ? 3 : 5, [chosen](int r) { return r == (chosen == 108 ? 0 : 1); });
        call(p678);
        EXPECT_EQ(location[108], 300) << chosen;
        EXPECT_EQ(location[FIREFLY], 300) << chosen;
    }
}

// The rune door: opened (its light comes on), and shut in plain speech or in
// Keln.
TEST_F(Puzzles, RuneDoor) {
    auto keln = [] { value[VAR_DWARVISH] = 1; };
    check(575, {
        {"opened", [] { set_ref(1157, 808); }, line({808, 19}), p652, 575, {{SAY_ARG | SAY_ARGVAR, 2502, 1157}}},
        {"shut by its word in plain speech", nullptr, line({878}), p147, 575,
         {{SAY_ARG | SAY_ARGVAR, 1349, VAR_ARG1}, {0, 1266, 0}, {0, 2500, 0}}, 0, 1},
        {"shut while opening it", nullptr, line({WORD_OPEN, 19}), p147, 575,
         {{SAY_ARG | SAY_ARGVAR, 1351, VAR_ARG2}, {0, 1266, 0}, {0, 2500, 0}}, 0, 1},
        {"shut by closing it in Keln", nullptr, line({WORD_CLOSE, 19}), p147, 575,
         {{SAY_ARG, 1987, WORD_CLOSE}, {SAY_ARG | SAY_ARGVAR, 1988, 8}}, 0, 0, keln},
    });
    run_case(575, {"", nullptr, line({WORD_OPEN, 19}), p147, 0, {}});
    EXPECT_EQ(value[2499], 1);
    run_case(575, {"", nullptr, line({878}), p147, 0, {}});
    EXPECT_EQ(value[2499], 0);

    // Opened from beyond in the dark: the place is seen at once.
    fresh_world(576);
    light(false);
    bitmod('c', 576, PFLAG_LIT);
    parse(line({807, 19}));
    outcome o = call(p652);
    EXPECT_EQ(o.loop, 1);
    ASSERT_GE(o.texts.size(), 2u);
    EXPECT_EQ(o.texts[1], (said{0, 1266, 0}));
    EXPECT_EQ(value[VAR_ARG1], WORD_LOOK);
    EXPECT_EQ(value[VAR_COMMAND_STATUS], 1);
    for (int p : {575, 576}) EXPECT_EQ(value[p], 1);
    EXPECT_TRUE(bitest(576, PFLAG_LIT));
    EXPECT_EQ(value[19], 0);

    // Shut from beyond: the light goes, and the dark is told.
    fresh_world(576);
    bitmod('s', 576, PFLAG_LIT);
    value[575] = value[576] = 1;
    parse(line({878}));
    o = call(p147);
    ASSERT_GE(o.texts.size(), 2u);
    EXPECT_EQ(o.texts[o.texts.size() - 2], (said{0, 1266, 0}));
    EXPECT_EQ(o.texts.back(), (said{0, 1313, 0}));  // the darkness report
    EXPECT_FALSE(::light());
    EXPECT_FALSE(bitest(576, PFLAG_LIT));
    EXPECT_EQ(value[19], 1);
    for (int p : {575, 576}) EXPECT_EQ(value[p], 0);
}

TEST_F(Puzzles, HoardDoorsAndKnocker) {
    check(479, {
        {"doors closed", nullptr, line({WORD_CLOSE, 161}), p146, 479, {{STOP, 1884, 0}}},
        {"knock on shut doors", nullptr, line({874}), p529, 479, {{STOP, 2289, 0}}},
        {"knock again", [] { value[161] = 1; }, line({874}), p529, 479, {{STOP, 2290, 0}}},
    });
    run_case(479, {"", [] { for (int p = 467; p <= 479; p++) bitmod('s', p, PFLAG_VISITED); }, line({874}), p529, 0,
                   {}});
    EXPECT_EQ(value[161], 2);
    EXPECT_EQ(value[472], 2);
    EXPECT_EQ(value[163], 10);
    for (int p = 467; p <= 479; p++) EXPECT_FALSE(bitest(p, PFLAG_VISITED)) << p;
    EXPECT_EQ(value[2289], 1);  // said once
    run_case(479, {"", nullptr, line({WORD_CLOSE, 161}), p146, 0, {}});
    EXPECT_EQ(value[161], 2);
    EXPECT_EQ(value[472], 2);
}

int torch_on_opening() { return p884(num(0)); }
int torch_on_leaving() { return p884(num(1)); }

// The imp's torch comes out once; the bait and the firefly; the bread and
// the griffin; the edge of the sands.
TEST_F(Puzzles, CreatureReplies) {
    auto firefly_here = [] { set_location(FIREFLY, 208); };
    check(490, {
        {"torch on opening", nullptr, line({WORD_OPEN, 4}), torch_on_opening, 490, {{STOP_ARG, 2347, 0}}},
        {"torch on leaving", nullptr, line({WORD_UP}), torch_on_leaving, 490, {{STOP_ARG, 2347, 1}}},
        {"torch already out", [] { bitmod('s', 145, OFLAG_SEEN); }, line({WORD_UP}), torch_on_leaving, 490, {},
         0},
    });
    run_case(490, {"", nullptr, line({WORD_OPEN, 4}), torch_on_opening, 0, {}});
    EXPECT_EQ(location[145], 490);
    EXPECT_EQ(value[IMP], 2);
    EXPECT_EQ(value[OBJ_PRONOUN], 145);
    EXPECT_EQ(*bitword(OBJ_PRONOUN), 0);  // the pronoun's own flags are left alone

    check(208, {
        {"no bait", firefly_here, line({WORD_DROP, BAIT}), p305, 208, {{STOP, 1396, 0}}},
        {"bait, with the wand", [=] { firefly_here(); carry(BAIT); carry(WAND); }, line({WORD_DROP, BAIT}), p305,
         208, {{0, 2358, 0}, {STOP, 2359, 0}}},
        {"bait, tame already", [=] { firefly_here(); carry(BAIT); bitmod('s', VAR_GAME_FLAGS_3, 3); },
         line({WORD_DROP, BAIT}), p305, 208, {{STOP, 2355, 0}}},
        {"bait", [=] { firefly_here(); carry(BAIT); }, line({WORD_DROP, BAIT}), p305, 208, {{STOP_ARG, 2356, 0}}},
    });
    run_case(208, {"", [=] { firefly_here(); carry(BAIT); }, line({WORD_DROP, BAIT}), p305, 0, {}});
    EXPECT_EQ(location[BAIT], PLACE_OFFSTAGE);
    EXPECT_TRUE(bitest(VAR_GAME_FLAGS_3, 3));

    check(448, {
        {"no bread", nullptr, line({795, 85}), p306, 448, {{STOP, 1755, 0}}},
        {"bread", [] { carry(118); }, line({795, 85}), p306, 448, {{STOP, 1756, 0}}},
        {"bread, nectar given already", [] { carry(118); bitmod('s', 87, OFLAG_SEEN); set_location(87, 200); },
         line({795, 85}), p306, 448, {{SAY_ARG | SAY_ARGVAR, 2036, 85}, {TYPED, 2353, 118}}},
        {"bread, nectar gone", [] { carry(118); bitmod('s', 87, OFLAG_SEEN); set_location(87, PLACE_GONE); },
         line({795, 85}), p306, 448, {{STOP, 1756, 0}}},
    });
    run_case(448, {"", [] { carry(118); }, line({795, 85}), p306, 0, {}});
    EXPECT_EQ(location[118], PLACE_OFFSTAGE);
    EXPECT_EQ(location[87], 448);
    EXPECT_TRUE(bitest(87, OFLAG_SEEN));
    EXPECT_EQ(value[85], 1);

    check(618, {
        {"the bait kept", [] { carry(BAIT); }, line({WORD_DROP, BAIT}), p935, 618,
         {{SAY_ARG | SAY_ARGVAR, 2321, VAR_ARG2}, {STOP_ARG, 2322, 0}}},
        {"the goblet kept", [] { carry(64); }, line({WORD_DROP, 64}), p935, 618,
         {{SAY_ARG | SAY_ARGVAR, 2321, VAR_ARG2}, {STOP_ARG, 2322, 1}}},
        {"anything else goes down", [] { carry(47); }, line({WORD_DROP, 47}), p935, 618, {}, 0},
    });
}

// The imp offered something: by the vessel and its state, or by the liquid.
TEST_F(Puzzles, ImpOffered) {
    auto holding = [](int vessel, int state) {
        return [vessel, state] {
            carry(vessel);
            value[vessel] = state;
        };
    };
    const int GIVE = 805;
    check(490, {
        {"an empty jug", holding(JUG, 2), line({GIVE, JUG}), p883, 490, {{TYPED, 2351, VAR_LOOP_OBJECT}}},
        {"water in the jug", holding(JUG, 3), line({GIVE, JUG}), p883, 490,
         {{SAY_ARG | SAY_ARGVAR, 2341, VAR_ARG2}, {STOP, 2342, 0}}},
        {"oil in the vial", holding(VIAL, 4), line({GIVE, VIAL}), p883, 490, {{STOP, 2343, 0}}},
        {"nectar in the cask", holding(CASK, 6), line({GIVE, CASK}), p883, 490, {{STOP, 2344, 0}}},
        {"ale in the cask", holding(CASK, 5), line({GIVE, CASK}), p883, 490, {{STOP, 2346, 0}}},
        {"ale in the jug", holding(JUG, 5), line({GIVE, JUG}), p883, 490, {{STOP, 2345, 0}}},
        {"ale, the imp content", [=] { holding(CASK, 5)(); value[IMP] = 2; }, line({GIVE, CASK}), p883, 490,
         {{STOP, 2778, 0}}},
        // A state past the liquids falls through to the last reply.
        {"a cask in state 7", holding(CASK, 7), line({GIVE, CASK}), p883, 490,
         {{SAY_ARG | SAY_ARGVAR, 2036, IMP}, {TYPED, 2353, VAR_ARG2}}},
        {"the ale by name", holding(CASK, 5), line({GIVE, OBJ_LIQUID_3}), p883, 490, {{STOP, 2346, 0}}},
        {"the ale by name, in the vial", holding(VIAL, 5), line({GIVE, OBJ_LIQUID_3}), p883, 490,
         {{STOP, 2345, 0}}},
        {"the ale by name, none", nullptr, line({GIVE, OBJ_LIQUID_3}), p883, 490, {{TYPED, 1513, OBJ_LIQUID_3}}},
        {"the oil by name", holding(JUG, 4), line({GIVE, OBJ_LIQUID_2}), p883, 490, {{STOP, 2343, 0}}},
        {"the oil by name, none", nullptr, line({GIVE, OBJ_LIQUID_2}), p883, 490, {{TYPED, 1513, OBJ_LIQUID_2}}},
        {"the water by name, no vessel", nullptr, line({GIVE, OBJ_LIQUID_1}), p883, 490,
         {{TYPED, 1513, OBJ_LIQUID_1}}},
        {"something else", [] { carry(47); }, line({GIVE, 47}), p883, 490,
         {{SAY_ARG | SAY_ARGVAR, 2036, IMP}, {TYPED, 2353, VAR_ARG2}}},
    });
    run_case(490, {"", holding(CASK, 5), line({GIVE, CASK}), p883, 0, {}});
    EXPECT_EQ(value[CASK], 2);
    EXPECT_EQ(location[CASK], 490);
    EXPECT_EQ(value[IMP], 1);
}

int taste_0() { return p126(num(0)); }
int taste_1() { return p126(num(1)); }

// The toy ball by the word "toy", the nectar not here, and two places'
// stock replies.
TEST_F(Puzzles, StockReplies) {
    const int TOY = 949, BALL = 126;
    check(200, {
        {"no ball, never seen", nullptr, line({WORD_TAKE, TOY}), p854, 200, {{STOP, 1493, 0}}, 1, 1},
        {"no ball, seen", [] { bitmod('s', BALL, OFLAG_SEEN); }, line({WORD_TAKE, TOY}), p854, 200,
         {{TYPED, 1319, BALL}}, 1, 1},
        {"take it, held", [] { carry(BALL); }, line({WORD_TAKE, TOY}), p854, 200, {{TYPED, 1314, BALL}}, 1, 1},
        {"anything else", [] { carry(BALL); }, line({785, TOY}), p854, 200, {{TYPED, 2585, VAR_ARG1}}},

        {"nectar here", [] { set_location(87, 200); }, line({791, 87}), taste_0, 200, {}, 0},
        {"nectar in the cask", [] { set_location(CASK, 200); value[CASK] = 6; }, line({791, 87}), taste_0, 200,
         {}, 0},
        {"the cask in state 1, asked", [] { carry(CASK); value[CASK] = 1; }, line({791}), taste_1, 200, {}, 0},
        {"the cask in state 1, not asked", [] { carry(CASK); value[CASK] = 1; }, line({791}), taste_0, 200,
         {{TYPED, 1319, 87}}, 1, 1},
        {"no nectar, named", nullptr, line({791, 87}), taste_0, 200, {{TYPED, 1319, VAR_ARG2}}, 1, 1},
    });
    check(484, {
        {"look at the wall", nullptr, line({WORD_LOOK, 936}), p898, 484, {{STOP_ARG, 2529, 0}}},
        {"climb the wall", nullptr, line({848, 936}), p898, 484, {{STOP, 2530, 0}}},
        {"go to the wall", nullptr, line({WORD_GO, 936}), p898, 484, {{STOP, 2531, 0}}},
        {"anything else", nullptr, line({785, 936}), p898, 484, {{STOP, 1403, 0}}, 1, 1},
    });
    check(510, {
        {"look at the stream", nullptr, line({WORD_LOOK, 899}), p814, 510, {{STOP_ARG, 2165, 899}}},
        {"follow it", nullptr, line({CROSS, 899}), p814, 510, {{STOP, 1967, 0}}},
        {"into it", nullptr, line({WORD_IN, 899}), p814, 510, {{STOP, 2710, 0}}},
        {"swim", nullptr, line({837}), p814, 510, {{STOP, 2710, 0}}},
        {"anything else", nullptr, line({785, 899}), p814, 510, {}, 0},
    });
}

}  // namespace
