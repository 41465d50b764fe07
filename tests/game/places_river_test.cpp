// The river crossing: the passage from the edge gate, the two banks and the
// bridge of light that counts the treasures carried over it, the stair and
// the upper cell, the falls nook and the stream run up to the otter:
// exits, look rows, the crossing and its death, the water's hazards and
// what is thrown in, through the real command reader and dispatch up to the
// place procedure.
#include "place_sweeps.h"

namespace {

using namespace game_test;

class River : public PlacesTest {};

// A treasure in hand.
void treasure(int obj) {
    carry(obj);
    bitmod('s', obj, OFLAG_SCORING);
}
const std::function<void()> vase_carried = [] { carry(144); };

bool marked() { return bitest(VAR_QUESTION, VFLAG_QUESTION_REPLIED); }

TEST_F(River, Exits) {
    const exit_map gate_passage = {{751, 626}, {439, 626}, {950, 626}, {747, 629}, {308, 629}, {897, 629}, {898, 629}};
    const exit_map river_passage = {{751, 628}, {747, 630}};
    exit_map river_passage_on = river_passage;
    river_passage_on[308] = river_passage_on[897] = river_passage_on[898] = 630;
    const exit_map bend = {{751, 629}, {746, 632}};
    exit_map bend_on = bend;
    bend_on[308] = bend_on[897] = bend_on[898] = 632;
    const exit_map near_bank = {{750, 630}, {308, 630}, {897, 630}, {898, 630}, {747, 635}, {635, 635},
                                {899, 635}, {913, 635}, {849, 635}, {745, 631}, {763, 631}, {11, 631}};
    exit_map near_bank_back = near_bank;
    near_bank_back[WORD_BACK] = 631;
    const exit_map far_bank = {{749, 632}, {763, 632}, {11, 632},  {754, 633}, {745, 633}, {308, 633}, {898, 633},
                               {897, 633}, {747, 636}, {635, 636}, {899, 636}, {913, 636}, {849, 636}};
    exit_map far_bank_back = far_bank;
    far_bank_back[WORD_BACK] = 632;
    const exit_map stair = {{749, 631}, {755, 631}, {745, 634}, {754, 634}};
    exit_map stair_up = stair;
    stair_up[1001] = stair_up[308] = stair_up[897] = stair_up[898] = 634;
    const exit_map cell = {{758, 633}, {308, 633}, {897, 633}, {898, 633}, {749, 633}};
    const exit_map nook = {{751, 632}, {635, 632}, {899, 632}, {913, 632}, {850, 632}};
    const exit_map run = {{747, 637}, {849, 637}, {635, 631}, {899, 631}, {913, 631}, {751, 631}, {850, 631}};
    exit_map run_on = run;
    run_on[635] = run_on[899] = run_on[913] = 637;
    const exit_map upper_run = {{747, 638}, {849, 638}, {751, 636}, {850, 636}};
    exit_map upper_run_on = upper_run;
    upper_run_on[635] = upper_run_on[899] = upper_run_on[913] = 638;
    const exit_map head = {{635, 637}, {899, 637}, {913, 637}, {850, 637}, {751, 637}, {WORD_BACK, 637}};
    check_sweeps({
        {628, nullptr, gate_passage, gate_passage},
        // The passage words lead on, away from where the player came, and
        // only after "go" in the river passage.
        {629, came_from(628), river_passage, river_passage_on},
        {630, came_from(629), bend_on, bend_on},
        {631, nullptr, far_bank, far_bank},
        {631, came_from(632), far_bank_back, far_bank_back},
        {632, nullptr, near_bank, near_bank},
        {632, came_from(631), near_bank_back, near_bank_back},
        {633, nullptr, stair, stair},
        {633, came_from(631), stair_up, stair_up},
        {634, nullptr, cell, cell},
        {635, nullptr, nook, nook},
        {636, nullptr, run, run},
        {636, came_from(631), run_on, run_on},
        {637, nullptr, upper_run, upper_run},
        {637, came_from(636), upper_run_on, upper_run_on},
        {638, nullptr, head, head},
    });
}

TEST_F(River, PassageRows) {
    for (int here = 628; here <= 638; here++)
        check_place(here, {{nullptr, line({WORD_LOOK, 936}), here, {{TYPED, 3030, VAR_ARG2}}}});
    check_place(628, {
        {nullptr, line({WORD_LOOK, 898}), 628, {{STOP_ARG, 2903, 897}}, 1, 1},
        {nullptr, line({WORD_LOOK, 950}), 628, {{STOP, 3032, 0}}},
        {nullptr, line({439}), 626, {{0, 2362, 0}}},
    });
    check_place(629, {
        {nullptr, line({WORD_LOOK, 779}), 629, {{STOP, 3031, 0}}},
        // The passage looked at is the place described; alone it goes
        // nowhere.
        {nullptr, line({WORD_LOOK, 897}), 629, {}, 0},
        {came_from(628), line({897}), 629, {}, 0},
        {nullptr, line({WORD_GO, 897}), 629, {{STOP, 1297, 0}}},
    });
    check_place(630, {
        {nullptr, line({1017}), 630, {{STOP, 1425, 0}}},
        {nullptr, line({WORD_LOOK, 1017}), 630, {}, 0},
    });
    fresh_world(629);
    at_place(line({WORD_LOOK, 897}));
    EXPECT_EQ(value[VAR_COMMAND_STATUS], 1);
    EXPECT_FALSE(marked());
    // The cask past the bend: carried and in state 3 or above 6.
    for (auto [carried_cask, state, noted] :
         {std::tuple{true, 3, true}, {true, 7, true}, {true, 5, false}, {false, 3, false}}) {
        fresh_world(630);
        if (carried_cask) carry(OBJ_VESSEL_LARGE);
        value[OBJ_VESSEL_LARGE] = state;
        at_place(line({WORD_TAKE, 897}));
        EXPECT_EQ(bitest(VAR_GAME_FLAGS_3, 10), noted) << state;
        EXPECT_TRUE(marked());
    }
}

TEST_F(River, Crossing) {
    check_place(632, {
        {nullptr, line({WORD_LOOK, 1063}), 632, {{STOP, 3056, 0}}},
        {nullptr, line({WORD_LOOK, 902}), 632, {{STOP_ARG, 2593, 902}}},
        // A look north does not cross; "north" alone or with another word
        // does.
        {nullptr, line({WORD_LOOK, 745}), 632, {}, 0},
        {nullptr, line({WORD_TAKE, 745}), 631, {{0, 2363, 0}}},
        {nullptr, line({889}), 632, {{STOP, 1425, 0}}},
        // "Back" crosses only after coming over.
        {nullptr, line({WORD_BACK}), 632, {}, 0},
        // The water: a warning alone, death leaping in; the vase is washed
        // up at the abyss edge.
        {nullptr, line({762}), 632, {{STOP_ARG, 2839, 1}}},
        {nullptr, line({762, 763}), 632, {{STOP_ARG, 2839, 1}}},
    });
    check_place(631, {
        {nullptr, line({WORD_LOOK, 1063}), 631, {{STOP, 3056, 0}}},
        {nullptr, line({763}), 632, {{0, 2363, 0}}},
        {nullptr, line({747}), 636, {}},
    });
    // Over with two treasures: they are counted.
    fresh_world(632);
    treasure(58);
    treasure(69);
    EXPECT_EQ(at_place(line({763})).place, 631);
    EXPECT_EQ(value[VAR_SCORING_CARRIED], 2);
    // The bridge named is brought to the bank.
    EXPECT_EQ(at_place(line({11})).place, 632);
    EXPECT_EQ(location[11], 631);
    // Back with the same two: safe. With a third: the bridge fails.
    fresh_world(631);
    value[VAR_SCORING_CARRIED] = 2;
    treasure(58);
    treasure(69);
    EXPECT_EQ(at_place(line({749})).place, 632);
    fresh_world(631);
    value[VAR_SCORING_CARRIED] = 2;
    treasure(58);
    treasure(69);
    treasure(144);
    outcome o = at_place(line({749}));
    EXPECT_EQ(o.place, PLACE_GONE);
    EXPECT_EQ(first(o.texts, 1), (std::vector<said>{{0, 2364, 0}}));
    EXPECT_EQ(location[144], 619);
    // "Back" after coming over from the near bank is south, as typed.
    fresh_world(631);
    set_ref(VAR_THERE, 632);
    EXPECT_EQ(at_place(line({WORD_BACK})).place, 632);
    // Leaping in with the vase.
    fresh_world(632);
    carry(144);
    o = at_place(line({762, 757}));
    EXPECT_EQ(o.place, PLACE_GONE);
    EXPECT_EQ(first(o.texts, 1), (std::vector<said>{{0, 2838, 0}}));
    EXPECT_EQ(location[144], 619);
    EXPECT_EQ(value[144], 2);
    // Something thrown in from a bank is carried off; the vase to the abyss
    // edge, marked as having gone.
    for (auto [here, obj, lands] : {std::tuple{632, 144, 619}, {631, 58, PLACE_GONE}, {635, 144, 619}}) {
        fresh_world(here);
        carry(obj);
        o = at_place(line({793, obj}));
        EXPECT_EQ(o.place, here);
        EXPECT_EQ(o.loop, 0);
        EXPECT_EQ(value[VAR_LANDING_PLACE], lands) << here;
        EXPECT_EQ(value[VAR_LANDING_TEXT], 2366) << here;
    }
    EXPECT_EQ(value[144], 2);
    EXPECT_TRUE(bitest(144, 7));
}

TEST_F(River, FarSideRows) {
    check_place(634, {
        {nullptr, line({WORD_LOOK, 156}), 634, {{STOP, 144, 0}}},
        {[] { value[144] = 1; }, line({WORD_LOOK, 156}), 634, {{STOP, 3336, 0}}},
        {nullptr, line({WORD_LOOK, 758}), 634, {{STOP_ARG, 2903, 897}}, 1, 1},
        {nullptr, line({889}), 634, {{STOP, 1425, 0}}},
    });
    check_place(633, {{nullptr, line({WORD_GO, 1001}), 633, {{STOP, 1297, 0}}}});
    for (int here : {635, 636, 637, 638}) {
        check_place(here, {
            {nullptr, line({762}), here, {{STOP_ARG, 2839, 0}}},
            {vase_carried, line({762, 635}), PLACE_GONE, {{0, 2838, 0}, {0, 1266, 0}, {STOP, 1379, 0}}, 1, 1},
        });
    }
    check_place(638, {
        {nullptr, line({WORD_LOOK, 74}), 638, {{STOP_ARG, 2624, 798}}},
        {nullptr, line({WORD_LOOK, 111}), 638, {{0, 3283, 0}, {STOP, 1266, 0}}},
        // Reading: the lettering is what there is to read.
        {nullptr, line({798}), 638, {{TYPED, 2624, VAR_ARG1}}},
        {nullptr, line({774, 74}), 638, {{TYPED, 2624, VAR_ARG1}}},
        {nullptr, line({811}), 638, {{STOP, 2547, 0}}},
        {nullptr, line({811, 159}), 638, {{STOP, 2547, 0}}},
        {nullptr, line({811, 74}), 638, {}, 0},
        {nullptr, line({WORD_TAKE, 159}), 638, {}, 0},
        {nullptr, line({WORD_BACK}), 637, {{0, 2546, 0}}},
    });
    // The otter looked at changes how the lettering reads, once.
    fresh_world(638);
    at_place(line({WORD_LOOK, 159}));
    EXPECT_EQ(value[2624], 1);
    // Into the water from the far bank and on up the stream: each arrival
    // is told once.
    fresh_world(631);
    at_place(line({899}));
    EXPECT_TRUE(bitest(636, 16));
    fresh_world(636);
    set_ref(VAR_THERE, 631);
    EXPECT_EQ(at_place(line({913})).place, 637);
    EXPECT_TRUE(bitest(637, 16));
    fresh_world(636);
    EXPECT_EQ(at_place(line({913})).place, 631);
    EXPECT_FALSE(bitest(637, 16));
}

// Every text the river says, and every place's descriptions, are written.
TEST_F(River, Written) {
    fresh_world(638);
    for (int t : {3030, 2362, 3032, 3031, 3056, 3336, 3283, 2547, 2546})
        EXPECT_FALSE(wording({SAY_ARG, t, 0}).empty()) << t;
    for (int k = 0; k < 2; k++) {
        value[2624] = k;
        EXPECT_FALSE(wording({SAY_ARG, 2624, 798}).empty()) << k;
    }
    for (int p = 628; p <= 638; p++) {
        EXPECT_FALSE(wording({SAY_DETAIL, p, 0}).empty()) << p;
        EXPECT_FALSE(wording({0, p, 0}).empty()) << p;
    }
}

// What a description names of the place itself is answered there, looked
// at: what the player stands on or in, and the features in view.
TEST_F(River, FeaturesTheDescriptionsName) {
    constexpr int ON = 3245, IN = 1453;
    expect_looks({
        {631, 927, ON}, {632, 927, ON}, {635, 932, IN}, {635, 962, 2625}, {636, 999, ON}, {638, 962, 1849},
        {628, WORD_UP, 2019}, {633, WORD_DOWN, 2753},
    });
}

// The stream or the river looked at is the running water, wherever along it:
// the falls are not in sight at the banks or the stream head.
TEST_F(River, TheStreamLooksLikeTheStream) {
    for (int here : {631, 636, 638}) {
        fresh_world(here);
        const outcome o = turn(line({WORD_LOOK, 899}));
        ASSERT_FALSE(o.texts.empty()) << here;
        EXPECT_EQ(o.texts[0].text, 2625) << here;
        EXPECT_EQ(wording(o.texts[0]).find("falls"), std::string::npos) << here << ": " << wording(o.texts[0]);
    }
}

}  // namespace

namespace {

using namespace game_test;

class RiverAnswers : public GameTest {};

// What a look names along the river is answered where it is named: the
// river heard before it is seen, the banks and the gate seen from afar.
TEST_F(RiverAnswers, ThingsTheLooksNameAnswer) {
    expect_replies({
        {628, "examine gate", {STOP, 3032, 0}},
        {629, "examine gate", {STOP, 3031, 0}},
        {629, "examine river", {STOP_ARG, 3262, 0}},
        {630, "examine river", {STOP_ARG, 3262, 0}},
        {630, "examine gate", {STOP_ARG, 3262, 1}},
        {632, "examine path", {STOP_ARG, 3262, 2}},
        {633, "examine bank", {STOP_ARG, 3262, 3}},
        {633, "examine river", {STOP_ARG, 3262, 4}},
        {634, "examine river", {STOP_ARG, 3262, 4}},
        {635, "examine bank", {STOP_ARG, 3262, 5}},
        {636, "examine bank", {STOP_ARG, 3262, 6}},
    });
    // The stair and the stream head are looked about.
    for (const auto &[place, typed] : {std::pair{633, "examine stairway"}, std::pair{638, "examine head"}}) {
        fresh_world(place);
        EXPECT_TRUE(at_place(typed).texts.empty()) << place << " " << typed;
        EXPECT_EQ(value[VAR_COMMAND_STATUS], 1) << place << " " << typed;
    }
}

// The upper stream run names its stream once, in its name.
TEST_F(RiverAnswers, UpperStreamRunNamesTheStreamOnce) {
    fresh_world(637);
    const std::string w = wording({SAY_DETAIL, 637, 0});
    size_t n = 0;
    for (size_t at = w.find("stream"); at != std::string::npos; at = w.find("stream", at + 1))
        if ((at == 0 || !isalpha(static_cast<unsigned char>(w[at - 1]))) && !isalpha(static_cast<unsigned char>(w[at + 6]))) n++;
    EXPECT_EQ(n, 1u) << w;
}

}  // namespace
