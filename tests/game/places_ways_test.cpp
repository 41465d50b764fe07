// The hall of ways and the places beyond it: the rims and pits, the north
// fork, the stairhead, the west passage, the drum chamber, the slant and the
// mirror ledges. Their exits, the lizard's guard on the hall, the plant and
// the liquids of the hollow, the magic words of the drum chamber and the
// deaths of the ledges, through the real command reader and dispatch up to
// the place procedure.
#include "place_sweeps.h"

namespace {

using namespace game_test;

class Ways : public PlacesTest {};

// A seed whose first draw of 100 is below (or not below) p.
int32_t first_draw(bool below, int p) {
    return seed_where({100}, [below, p](const std::vector<int> &d) { return (d[0] < p) == below; });
}

// Every way out of every place but the hall, with nothing special about.
TEST_F(Ways, ExitTables) {
    auto plant = [](int state) { return [state] { value[13] = state; }; };
    auto passage_text = [] { set_ref(VAR_PASSAGE_TEXT, 1587); };
    const exit_map rim = {{747, 216}, {763, 216}, {751, 268}, {268, 268}, {755, 218}, {209, 218}};
    exit_map rim_grown = rim, rim_grown_go = rim;
    rim_grown[848] = 279;     // climbing the grown plant
    rim_grown_go[893] = 279;  // into the hole, up the grown plant
    const exit_map hollow = {{754, 215}, {758, 215}};
    exit_map hollow_grown = hollow, hollow_grown_go = hollow;
    hollow_grown[848] = 279;
    hollow_grown_go[893] = 279;
    const exit_map seep = {{848, 216}, {754, 216}, {758, 216}};
    const exit_map fork = {{749, 214}, {758, 214}, {901, 214}, {745, 222}, {222, 222}, {755, 257}, {893, 257}};
    exit_map fork_onward = fork;
    for (int w : {897, 898, 308}) fork_onward[w] = 214;
    const exit_map stairhead = {{745, 214}, {758, 214}, {901, 214}, {755, 464}, {7, 464}, {171, 464}, {981, 464}};
    const exit_map west = {{747, 214}, {758, 214}, {901, 214}, {751, 255}, {754, 255}, {897, 255}};
    const exit_map drum = {{749, 219}, {747, 223}, {936, 223}, {223, 223}, {751, 224}};
    exit_map drum_words = drum;
    drum_words[287] = 287;
    drum_words[WORD_MAGIC_TRAVEL_2] = PLACE_DEPOSIT;
    exit_map drum_onward = drum;
    for (int w : {897, 898, 308}) drum_onward[w] = 219;
    exit_map drum_onward_alone = drum_onward;
    drum_onward_alone[287] = 287;  // the magic words, said alone
    drum_onward_alone[WORD_MAGIC_TRAVEL_2] = PLACE_DEPOSIT;
    const exit_map slant = {{755, 222}, {222, 222}, {754, 210}};
    const exit_map east_ledge = {{747, 222}, {897, 222}, {898, 222}, {308, 222}, {222, 222}};
    exit_map east_ledge_go = east_ledge;
    east_ledge_go[209] = 296;  // over the edge, to a death at the foot of the shaft
    const exit_map west_ledge = {{751, 271}, {897, 271}, {898, 271}, {308, 271}};
    exit_map west_ledge_go = west_ledge;
    west_ledge_go[209] = 296;
    const exit_map seep_rim = {{747, 267}, {751, 215}, {763, 215}, {538, 215}, {755, 217}, {209, 217}};
    exit_map seep_rim_onward = seep_rim;
    for (int w : {897, 898, 308}) seep_rim_onward[w] = 267;

    check_sweeps({
                     {215, plant(0), rim, rim},
                     {215, plant(1), rim, rim},
                     {215, plant(2), rim_grown, rim_grown_go},
                     {218, plant(1), hollow, hollow},
                     {218, plant(2), hollow_grown, hollow_grown_go},
                     {217, nullptr, seep, seep},
                     {219, nullptr, fork, fork},
                     {219, came_from(222), fork_onward, fork_onward},
                     {220, nullptr, stairhead, stairhead},
                     {221, nullptr, west, west},
                     {222, passage_text, drum_words, drum},
                     {222, came_from(224), drum_onward_alone, drum_onward},
                     {223, nullptr, slant, slant},
                     {224, nullptr, east_ledge, east_ledge_go},
                     {225, nullptr, west_ledge, west_ledge_go},
                     {216, nullptr, seep_rim, seep_rim},
                     {216, came_from(215), seep_rim_onward, seep_rim_onward},
                 });
}

// The hall's ways with the lizard elsewhere, south-west drawn to lead on.
TEST_F(Ways, HallOfWaysExits) {
    const int32_t onward = first_draw(true, 66);
    // (The turn cycle reads "staircase" as the steps here.)
    const exit_map want = {{745, 219}, {750, 274}, {896, 274}, {749, 220}, {751, 221}, {755, 376}, {748, 375},
                           {752, 381}, {746, 378}, {7, 210},   {171, 210}, {754, 210}, {747, 210}};
    auto away = [onward] { rseed = onward; };
    EXPECT_EQ(exits(214, away, false), want);
    EXPECT_EQ(exits(214, away, true), want);
}

TEST_F(Ways, HallOfWaysAndTheLizard) {
    const int32_t pass = first_draw(true, 66), pinched = first_draw(false, 66);
    auto lizard = [](int state, int origin, int32_t seed) {
        return [state, origin, seed] {
            set_location(9, 214);
            value[9] = state;
            set_ref(VAR_HUB_ORIGIN, origin);
            rseed = seed;
        };
    };
    auto no_lizard = [](int32_t seed) { return [seed] { rseed = seed; }; };
    check_place(214, {
        // South-west two times in three; else the passage pinches shut...
        {no_lizard(pass), line({750}), 274, {}, 1, 1},
        {no_lizard(pinched), line({750}), 214, {{STOP, 1345, 0}}, 1, 1},
        // ... or the lizard bars it, or sends the player back the way in.
        {lizard(0, 219, pinched), line({750}), 214, {{STOP_ARG, 1503, 750}}, 1, 1},
        {lizard(1, 219, pinched), line({750}), 214, {{STOP, 1500, 0}}, 1, 1},
        {lizard(1, 274, pinched), line({750}), 274, {}, 1, 1},
        // At rest, the lizard bars four ways, naming the way as typed, and
        // lets the player by the others once.
        {lizard(0, 219, 1), line({752}), 214, {{TYPED, 1503, VAR_ARG1}}},
        {lizard(0, 219, 1), line({WORD_GO, 749}), 214, {{TYPED, 1503, VAR_ARG2}}},
        {lizard(0, 219, 1), line({751}), 221, {{ARG | SAY_ARGVAR, 1901, 9}}},
        {lizard(0, 219, 1), line({7}), 210, {{ARG | SAY_ARGVAR, 1901, 9}}},
        // Once by, only the way back is open.
        {lizard(1, 219, 1), line({751}), 214, {{STOP, 1500, 0}}},
        {lizard(1, 219, 1), line({745}), 219, {}},
        {lizard(0, 220, 1), line({749}), 220, {}},
        // The onward words are not ways here; the look answers them.
        {nullptr, line({897}), 214, {{STOP_ARG, 2904, 897}}},
        {nullptr, line({WORD_LOOK, 898}), 214, {{STOP_ARG, 2902, 897}}, 1, 1},
        // A word that names no way leaves the turn to the word procedure.
        {nullptr, line({WORD_GO, 936}), 214, {}, 0},
    });
    fresh_world(214);
    lizard(0, 219, 1)();
    at_place(line({751}));
    EXPECT_EQ(value[9], 1);
    // In the dark the lizard kills whoever tries to pass it.
    fresh_world(214);
    lizard(0, 219, 1)();
    light(false);
    outcome o = at_place(line({751}));
    EXPECT_EQ(first(o.texts, 1), (std::vector<said>{{0, 2091, 0}}));
    EXPECT_EQ(value[VAR_DEATHS], 1);
    // Without the lizard the passage that pinched shut counts as a move.
    fresh_world(214);
    rseed = pinched;
    at_place(line({750}));
    EXPECT_TRUE(bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_MOVED));
    // The way chosen is no refno left over from an earlier command.
    fresh_world(214);
    set_ref(VAR_WORK_PLACE, 290);
    at_place(line({WORD_TAKE, 936}));
    EXPECT_EQ(value[VAR_WORK_PLACE], 0);
    EXPECT_NE(*bitword(VAR_WORK_PLACE), ref_mark);
}

TEST_F(Ways, PlantRimAndHollow) {
    auto plant = [](int state) { return [state] { value[13] = state; }; };
    check_place(215, {
        {plant(1), line({WORD_LOOK, 755}), 215, {{TYPED, 2846, 13}}},
        {plant(1), line({WORD_LOOK, 893}), 215, {{STOP, 2847, 0}}},
        {plant(2), line({WORD_LOOK, 13}), 215, {{TYPED, 2081, 13}}},
        {plant(1), line({WORD_LOOK, 13}), 215, {}, 0},
        // Climbing: only the grown plant reaches the hole.
        {plant(1), line({848}), 215, {{STOP_ARG, 1437, 893}}},
        {plant(1), line({WORD_GO, 893}), 215, {{STOP_ARG, 1437, 893}}},
        {plant(2), line({848, 893}), 279, {{0, 1516, 0}}},
        {plant(0), line({848, 13}), 215, {{TYPED, 1319, VAR_ARG2}}, 1, 1},
        {plant(1), line({848, 13}), 218, {{0, 2845, 0}}},
        {plant(2), line({848, 13}), 279, {{0, 1516, 0}}},
        {plant(2), line({848, 936}), 215, {{STOP_ARG, 1437, 893}}},
        // "Down the pit" counts as a move.
        {nullptr, line({755, 209}), 218, {}},
        {nullptr, line({WORD_TAKE, 893}), 215, {}, 0},
    });
    check_place(218, {
        {nullptr, line({WORD_LOOK, 893}), 218, {{STOP, 2847, 0}}},
        // Looking up is looking at the hole in the roof.
        {nullptr, line({WORD_LOOK, WORD_UP}), 218, {{STOP, 2847, 0}}},
        {plant(0), line({848}), 218, {{STOP_ARG, 1437, 893}}},
        {plant(0), line({848, 13}), 218, {{STOP, 1514, 0}}},
        {plant(1), line({848, 13}), 215, {{0, 1515, 0}}},
        {plant(1), line({848, 936}), 215, {}},
        {plant(1), line({848, 151}), 218, {{STOP, 1403, 0}}, 1, 1},
        {nullptr, line({WORD_TAKE, 13}), 218, {{TYPED, 1408, 13}}},
        {nullptr, line({795, 13}), 218, {{STOP, 2089, 0}}},
    });
    // The rim's landing: what is thrown from it lands in the hollow.
    fresh_world(215);
    at_place(line({WORD_TAKE, 936}));
    EXPECT_EQ(value[VAR_LANDING_PLACE], 218);
    EXPECT_EQ(value[VAR_LANDING_TEXT], 1671);
    // Going up through the hole, and what the hole looks like after.
    fresh_world(215);
    value[13] = 2;
    value[2510] = 3;
    at_place(line({848}));
    EXPECT_EQ(value[2510], 0);
}

// Water poured in the hollow goes onto the plant; a vessel named must be
// there to be emptied.
TEST_F(Ways, WateringThePlant) {
    auto jug = [](int content, int where) {
        return [content, where] {
            value[OBJ_VESSEL_MEDIUM] = content;
            set_location(OBJ_VESSEL_MEDIUM, where);
        };
    };
    for (const std::string &command : {line({787}), line({804, OBJ_VESSEL_MEDIUM}), line({787, OBJ_LIQUID_1}),
                                       line({WORD_DROP, OBJ_LIQUID_1})}) {
        fresh_world(218);
        jug(3, PLACE_CARRIED)();
        outcome o = at_place(command);
        EXPECT_EQ(value[13], 1) << command;
        EXPECT_EQ(value[OBJ_VESSEL_MEDIUM], 2) << command;
        EXPECT_EQ(o.loop, 1) << command;
    }
    check_place(218, {
        // A jug of water elsewhere is not emptied here.
        {jug(3, 200), line({804, OBJ_VESSEL_MEDIUM}), 218, {}, 0},
        // An empty jug has nothing to pour.
        {jug(2, PLACE_CARRIED), line({787}), 218, {}, 0},
    });
    fresh_world(218);
    jug(3, 200)();
    at_place(line({804, OBJ_VESSEL_MEDIUM}));
    EXPECT_EQ(value[OBJ_VESSEL_MEDIUM], 3);
}

TEST_F(Ways, DrumChamberWords) {
    auto phase = [](int p) {
        return [p] {
            value[VAR_PHASE] = p;
            set_ref(VAR_PASSAGE_TEXT, 1587);
        };
    };
    auto hills_deaf = [] {
        set_ref(VAR_PASSAGE_TEXT, 1587);
        bitmod('s', VAR_GAME_FLAGS, 2);
    };
    check_place(222, {
        {phase(4), line({WORD_MAGIC_TRAVEL_2}), PLACE_DEPOSIT, {{0, 1587, 0}}},
        {phase(4), line({WORD_SAY, WORD_MAGIC_TRAVEL_2}), PLACE_DEPOSIT, {{0, 1587, 0}}},
        {phase(5), line({WORD_MAGIC_TRAVEL_2}), 222, {{STOP, 1421, 0}}},
        {hills_deaf, line({WORD_MAGIC_TRAVEL_2}), 222, {{STOP, 1421, 0}}},
        {nullptr, line({WORD_LOOK, 936}), 222, {{STOP, 2907, 0}}},
        {nullptr, line({WORD_LOOK, 222}), 222, {{STOP, 2928, 0}}},
    });
    fresh_world(222);
    phase(5)();
    at_place(line({WORD_MAGIC_TRAVEL_2}));
    EXPECT_TRUE(bitest(VAR_GAME_FLAGS, 3));
    // Every command here lets creatures back onto the east ledge; the squeeze
    // word takes the hints of the squeeze away.
    fresh_world(222);
    for (int p : {224, 286, 287, 288}) bitmod('s', p, p == 224 ? PFLAG_CREATURE_FREE : PFLAG_HINT_AVAILABLE);
    at_place(line({287}));
    for (int p : {286, 287, 288}) EXPECT_FALSE(bitest(p, PFLAG_HINT_AVAILABLE)) << p;
    EXPECT_FALSE(bitest(224, PFLAG_CREATURE_FREE));
}

TEST_F(Ways, SlantStairheadAndOilSeep) {
    check_place(223, {
        {nullptr, line({745}), 223, {{STOP, 2906, 0}}},
        {nullptr, line({WORD_GO, 750}), 223, {{STOP, 2906, 0}}},
        {nullptr, line({WORD_LOOK, 888}), 223, {{STOP, 2905, 0}}},
    });
    check_place(220, {
        {nullptr, line({WORD_LOOK, 981}), 220, {{STOP_ARG, 2754, 981}}},
        {nullptr, line({WORD_LOOK, 7}), 220, {{0, 3242, 0}, {STOP, 1266, 0}}},
        {nullptr, line({7, 171}), 464, {}},
    });
    check_place(217, {
        {[] { set_location(OBJ_LIQUID_2, 217); }, line({WORD_LOOK, OBJ_LIQUID_2}), 217, {{STOP, 1925, 0}}},
        {nullptr, line({209}), 217, {{STOP, 1425, 0}}},
        {nullptr, line({848, 936}), 216, {}},
    });
    check_place(216, {
        {nullptr, line({WORD_LOOK, 755}), 216, {{STOP_ARG, 2846, 0}}},
        {nullptr, line({WORD_GO, 893}), 216, {{STOP, 2638, 0}}},
    });
}

// The north fork and the east ledge start the hourglass when the hills have
// stirred; the ledges kill whoever goes over the edge.
TEST_F(Ways, PhaseFiveAndTheLedges) {
    for (int place : {219, 224}) {
        fresh_world(place);
        value[VAR_PHASE] = 4;
        at_place(line({WORD_TAKE, 936}));
        EXPECT_EQ(value[VAR_PHASE], 5) << place;
    }
    fresh_world(225);
    value[VAR_PHASE] = 4;
    at_place(line({WORD_TAKE, 936}));
    EXPECT_EQ(value[VAR_PHASE], 4);

    for (int place : {224, 225}) {
        fresh_world(place);
        outcome o = at_place(line({762, 209}));
        EXPECT_EQ(o.place, 296) << place;
        EXPECT_EQ(first(o.texts, 1), (std::vector<said>{{0, 1498, 0}})) << place;
        EXPECT_EQ(value[VAR_DEATHS], 1) << place;
        check_place(place, {
            {nullptr, line({848, 755}), place, {{STOP, 2042, 0}}},
            {nullptr, line({WORD_LOOK, 209}), place, {{STOP, 1769, 0}}},
            {nullptr, line({WORD_LOOK, 1006}), place, {{STOP, 3316, 0}}},
        });
        fresh_world(place);
        at_place(line({WORD_TAKE, 936}));
        EXPECT_EQ(value[VAR_LANDING_PLACE], 296) << place;
    }
}

// Every text these places say is written.
TEST_F(Ways, TextsAreWritten) {
    for (int t : {1319, 1345, 1359, 1403, 1408, 1421, 1425, 1437, 1498, 1500, 1503, 1514, 1515, 1516, 1671, 1673,
                  1769, 1901, 1925, 2042, 2081, 2089, 2478, 2638, 2754, 2845, 2846, 2847, 2902, 2903, 2904, 2905,
                  2906, 2907, 2928, 3075, 3076, 3111, 3112, 3113, 3242, 3316})
        EXPECT_FALSE(wording({0, t, 0}).empty()) << t;
}

// What a description names of the place itself is answered there, looked
// at: what the player stands on or in, and the features in view.
TEST_F(Ways, FeaturesTheDescriptionsName) {
    constexpr int ON = 3245, IN = 1453;
    expect_looks({
        {216, 999, ON}, {218, 1003, IN}, {222, 1003, IN}, {220, 1038, 3242}, {224, 999, ON}, {225, 999, ON}, {214, 171, 1849},
        // Looking down over a drop, or down a stairwell.
        {224, WORD_DOWN, 2478}, {220, WORD_DOWN, 2754},
    });
}

}  // namespace

namespace {

using namespace game_test;

class WaysAnswers : public GameTest {};

// What a look names of the places round it, or of the place by another
// name, is answered where it is named: a line of what can be made out
// from here, or a look about for the place the player stands in.
TEST_F(WaysAnswers, ThingsTheLooksNameAnswer) {
    expect_replies({
        {214, "examine stepwell", {STOP_ARG, 3261, 0}},
        {214, "examine openings", {STOP_ARG, 3261, 1}},
        {215, "examine plant", {STOP_ARG, 3261, 2}},
        {215, "examine hollow", {TYPED, 2846, OBJ_PLANT}},
        {217, "examine rim", {STOP_ARG, 3261, 3}},
        {218, "examine rim", {STOP_ARG, 3261, 4}},
        {222, "examine fork", {STOP_ARG, 3261, 5}},
        {222, "examine ledge", {STOP_ARG, 3261, 6}},
        {223, "examine stepwell", {STOP_ARG, 3261, 7}},
        {216, "examine rim", {STOP, 3113, 0}},
    });
    const struct {
        int place;
        const char *typed;
    } look_about[] = {{215, "examine rim"}, {218, "examine pit"}, {219, "examine fork"}, {223, "examine slope"}};
    for (const auto &c : look_about) {
        fresh_world(c.place);
        EXPECT_TRUE(at_place(c.typed).texts.empty()) << c.place << " " << c.typed;
        EXPECT_EQ(value[VAR_COMMAND_STATUS], 1) << c.place << " " << c.typed;
    }
}

// The lizard's refusal after its one pass tells the rule that traps a
// player and gives no advice that loses the firefly.
TEST_F(WaysAnswers, LizardRefusalTellsTheTrap) {
    const std::string w = wording({0, 1500, 0});
    EXPECT_NE(w.find("vault landing"), std::string::npos) << w;
    EXPECT_EQ(w.find("give"), std::string::npos) << w;
}

}  // namespace
