// The places below the hatch: their exits, look rows, deaths, the bridge
// over the rift and the landing of what is thrown, through the real command
// reader and dispatch up to the place procedure.
#include "places.h"

namespace {

using namespace game_test;

class Hatch : public GameTest {};

const std::function<void()> hatch_open = state_of(OBJ_LOCKED_GATE, 1);
const std::function<void()> rift_bridged = state_of(10, 1);
const std::function<void()> passage_text = [] { set_ref(VAR_PASSAGE_TEXT, 1587); };
const std::function<void()> ingot = [] { carry(47); };

// --- The way down: the foot of the hatch to the pit ---------------------------

TEST_F(Hatch, FootOfTheHatchExits) {
    const std::map<int, int> shut = {{205, 205}, {206, 206}, {209, 209}, {751, 205}, {757, 205}, {900, 205}};
    std::map<int, int> open = shut;
    open[754] = open[758] = open[892] = 203;
    EXPECT_EQ(exits(204, nullptr, false), shut);
    EXPECT_EQ(exits(204, nullptr, true), shut);
    EXPECT_EQ(exits(204, hatch_open, false), open);
    open[OBJ_LOCKED_GATE] = 203;  // "go hatch" is "out"
    EXPECT_EQ(exits(204, hatch_open, true), open);
}

TEST_F(Hatch, BoltholeCarvingsCleftAndUpperChamberExits) {
    const std::map<int, int> bolthole = {{206, 206}, {209, 209}, {288, 206}, {747, 204}, {751, 206},
                                         {757, 206}, {758, 204}, {892, 204}, {895, 204}};
    EXPECT_EQ(without(exits(205, nullptr, false), {897, 900}), bolthole);
    std::map<int, int> towards_the_light = bolthole;
    towards_the_light[WORD_LIGHT] = 204;
    EXPECT_EQ(without(exits(205, nullptr, true), {897, 900}), towards_the_light);

    // The dell's name leads up through the open hatch, or back to its foot.
    const std::map<int, int> carvings = {{203, 204}, {205, 205}, {207, 207}, {209, 209}, {272, 205},
                                         {747, 205}, {751, 207}, {754, 207}, {757, 207}, {758, 205},
                                         {895, 204}, {897, 205}, {706, 200}};
    EXPECT_EQ(exits(206, passage_text, false), carvings);
    std::map<int, int> open = carvings;
    open[203] = 203;
    EXPECT_EQ(exits(206, both(passage_text, hatch_open), true), open);
    EXPECT_EQ(exits(206, both(passage_text, phase(5)), false), without(carvings, {706}));

    const std::map<int, int> cleft = {{203, 204}, {206, 206}, {209, 209}, {747, 206}, {751, 208},
                                      {754, 208}, {755, 206}, {757, 208}, {758, 206}, {895, 204}};
    EXPECT_EQ(without(exits(207, nullptr, false), {207}), cleft);
    const std::map<int, int> upper = {{203, 204}, {206, 206}, {207, 207}, {209, 209}, {747, 207},
                                      {751, 209}, {757, 209}, {758, 207}, {895, 204}, {897, 209}};
    EXPECT_EQ(exits(208, nullptr, true), upper);
}

TEST_F(Hatch, WayDownRows) {
    check_place(204, {
        {nullptr, line({WORD_LOOK, 900}), 204, {{STOP, 2897, 0}}},
        {nullptr, line({WORD_LOOK, 205}), 204, {{TYPED, 2896, 205}}},
        {nullptr, line({WORD_LOOK, 745}), 204, {}, 0},
        {nullptr, line({WORD_UP}), 204, {{STOP, 1390, 0}}},
        {nullptr, line({WORD_GO, OBJ_LOCKED_GATE}), 204, {{STOP, 1390, 0}}},
        {hatch_open, line({WORD_OUT, OBJ_LOCKED_GATE}), 203, {}},
        {nullptr, line({WORD_IN, 900}), 205, {}},
        {nullptr, line({WORD_TAKE, 900}), 204, {}, 0},
        // Overhead is the hatch, shut or open, whatever the sky does.
        {nullptr, line({WORD_LOOK, WORD_UP}), 204, {{SAY_DETAIL, OBJ_LOCKED_GATE, 0}}},
        {hatch_open, line({WORD_LOOK, 376}), 204, {{SAY_DETAIL, OBJ_LOCKED_GATE, 0}}},
        {nullptr, line({WORD_LOOK, 475}), 204, {{SAY_DETAIL, OBJ_LOCKED_GATE, 0}}},
    });
    check_place(205, {
        {nullptr, line({WORD_LOOK, 205}), 205, {{TYPED, 2896, 205}}},
        {nullptr, line({WORD_LOOK, WORD_LIGHT}), 205, {{STOP, 2898, 0}}},
        {nullptr, line({WORD_LOOK, 897}), 205, {{STOP_ARG, 2899, 0}}},
        {nullptr, line({WORD_LOOK, 745}), 205, {}, 0},
    });
    check_place(206, {
        // "Read" alone reads the glyphs.
        {nullptr, line({798}), 206, {{STOP, 2112, 0}}},
        {nullptr, line({WORD_LOOK, 134}), 206, {{STOP, 2112, 0}}},
        {nullptr, line({WORD_TAKE, 134}), 206, {{TYPED, 1885, 134}}},
        // The walls are the carvings' own.
        {nullptr, line({WORD_LOOK, WORD_WALL}), 206, {{STOP, 2112, 0}}},
        // The carvings named by the chamber's own word are read as its glyphs.
        {nullptr, line({WORD_LOOK, 206}), 206, {{STOP, 2112, 0}}},
        {nullptr, line({WORD_TAKE, 206}), 206, {{TYPED, 1885, 134}}},
        {nullptr, line({WORD_LOOK, 898}), 206, {{STOP_ARG, 2899, 0}}},
        {nullptr, line({WORD_LOOK, 207}), 206, {{STOP_ARG, 2900, 0}}},
        {passage_text, line({WORD_SAY, WORD_MAGIC_TRAVEL_1}), 200, {{0, 1587, 0}}},
        {both(passage_text, phase(5)), line({WORD_MAGIC_TRAVEL_1}), 206, {{STOP, 1421, 0}}},
        {[] { bitmod('s', VAR_GAME_FLAGS, 2); }, line({WORD_MAGIC_TRAVEL_1}), 206, {{STOP, 1421, 0}}},
        {nullptr, line({203}), 204, {{0, 1390, 0}}},
        {nullptr, line({808, 134}), 206, {}, 0},
    });
    // The refused word is remembered.
    fresh_world(206);
    value[VAR_PHASE] = 5;
    at_place(line({WORD_MAGIC_TRAVEL_1}));
    EXPECT_TRUE(bitest(VAR_GAME_FLAGS, 3));

    check_place(207, {
        {nullptr, line({WORD_LOOK, 207}), 207, {}, 0},
        {nullptr, line({WORD_TAKE, 207}), 207, {}, 0},
    });
    // Looking at the cleft is looking about.
    fresh_world(207);
    at_place(line({WORD_LOOK, 207}));
    EXPECT_EQ(value[VAR_COMMAND_STATUS], 1);

    check_place(208, {
        {nullptr, line({WORD_LOOK, 207}), 208, {{STOP_ARG, 2900, 1}}},
        {nullptr, line({WORD_LOOK, 898}), 208, {{STOP_ARG, 2899, 1}}},
        {nullptr, line({WORD_LOOK, 936}), 208, {{STOP, 2901, 0}}},
        {nullptr, line({WORD_LOOK, 1024}), 208, {{STOP, 3457, 0}}},
        // No water and no chute here: the place leaves them to the look word,
        // which finds none; the formations hang fast.
        {nullptr, line({WORD_LOOK, OBJ_LIQUID_1}), 208, {}, 0},
        {nullptr, line({WORD_LOOK, OBJ_CHUTE}), 208, {}, 0},
        {nullptr, line({WORD_LOOK, WORD_STREAM}), 208, {{STOP, 3457, 0}}},
        {nullptr, line({WORD_TAKE, 1024}), 208, {{STOP, 2760, 0}}},
    });
    // A firefly here: the place offers a hint.
    for (bool firefly : {false, true}) {
        fresh_world(208);
        if (firefly) set_location(109, 208);
        at_place(line({WORD_TAKE, 936}));
        EXPECT_EQ(bitest(208, PFLAG_HINT_AVAILABLE), firefly);
    }
}

// --- The pit (209) and the stepwell (210) -----------------------------------

TEST_F(Hatch, PitExits) {
    // Down the steps, or to a death at the stepwell when they are gone.
    const std::map<int, int> ways = {{7, 210},   {171, 210}, {203, 204}, {206, 206}, {209, 210},
                                     {747, 208}, {755, 210}, {762, 210}, {895, 204}, {897, 208}};
    EXPECT_EQ(exits(209, nullptr, false), ways);
    EXPECT_EQ(exits(209, nullptr, true), ways);
    EXPECT_EQ(exits(209, ingot, false), ways);
}

TEST_F(Hatch, PitRows) {
    std::vector<said> fall = {{0, 1498, 0}};
    fall.insert(fall.end(), plain_death.begin(), plain_death.end());
    check_place(209, {
        {nullptr, line({WORD_LOOK, 888}), 209, {{STOP, 1509, 0}}},
        {nullptr, line({WORD_LOOK, 936}), 209, {{STOP_ARG, 1583, 751}}},
        {nullptr, line({WORD_LOOK, 209}), 209, {{STOP_ARG, 2478, 1}}},
        {nullptr, line({WORD_LOOK, 7}), 209, {{STOP, 3215, 0}}},
        {ingot, line({WORD_LOOK, 7}), 209, {}, 0},
        {nullptr, line({WORD_GO, WORD_ON}), 209, {{STOP, 1508, 0}}},
        {nullptr, line({751}), 209, {{STOP, 1508, 0}}},
        {nullptr, line({848, WORD_DOWN}), 210, {}},
        // The steps bear no one carrying the ingot.
        {ingot, line({WORD_DOWN}), 210, fall, 1, 1},
        {nullptr, line({762}), 210, death_with_count, 1, 1},
        {nullptr, line({WORD_TAKE, 888}), 209, {}, 0},
    });
    // The steps are here while the ingot is not carried; what is thrown
    // lands at the stepwell.
    for (bool carrying : {false, true}) {
        fresh_world(209);
        if (carrying) ingot();
        at_place(line({WORD_TAKE, 888}));
        EXPECT_EQ(location[7], carrying ? PLACE_OFFSTAGE : 209);
        EXPECT_EQ(value[VAR_LANDING_PLACE], 210);
        EXPECT_EQ(value[VAR_LANDING_TEXT], 1671);
    }
}

TEST_F(Hatch, StepwellExits) {
    const std::map<int, int> ways = {{7, 209},   {171, 214}, {209, 209}, {222, 223}, {745, 214}, {747, 374},
                                     {749, 213}, {751, 211}, {754, 209}, {755, 214}, {760, 211}, {848, 209},
                                     {888, 374}, {890, 209}, {897, 213}, {901, 211}};
    EXPECT_EQ(exits(210, nullptr, false), ways);
    EXPECT_EQ(exits(210, nullptr, true), ways);
    // The way up closed: only the refusal.
    EXPECT_EQ(exits(210, state_of(210, 1), false), without(ways, {7, 209, 754, 848, 890}));
}

TEST_F(Hatch, StepwellRows) {
    auto way_up_closed = state_of(210, 1);
    check_place(210, {
        {nullptr, line({WORD_LOOK, 890}), 210, {{0, 3241, 0}, {STOP, 1266, 0}}},
        {nullptr, line({WORD_LOOK, 7}), 210, {{STOP, 3215, 0}}},
        {way_up_closed, line({WORD_LOOK, 7}), 210, {}, 0},
        {nullptr, line({WORD_LOOK, 888}), 210, {{TYPED, 2903, VAR_ARG2}}, 1, 1},
        {nullptr, line({WORD_LOOK, 171}), 210, {{STOP, 2912, 0}}},
        {nullptr, line({WORD_LOOK, 936}), 210, {{STOP_ARG, 1583, 747}}},
        {nullptr, line({WORD_LOOK, 901}), 210, {}, 0},
        {way_up_closed, line({WORD_UP}), 210, {{STOP, 1499, 0}}},
        {nullptr, line({848, 890}), 209, {}},
    });
    // The steps are taken away here, whatever happens next.
    fresh_world(210);
    set_location(7, 209);
    at_place(line({WORD_LOOK, 171}));
    EXPECT_EQ(location[7], PLACE_OFFSTAGE);
    // A command the place does not end leaves the landing for the throw
    // word: up the steps, with the object named first; one it ends leaves
    // what the turn cycle set.
    fresh_world(210);
    at_place(line({WORD_TAKE, 897}));
    EXPECT_EQ(value[VAR_LANDING_PLACE], 209);
    EXPECT_EQ(value[VAR_LANDING_TEXT], 2169);
    EXPECT_EQ(value[VAR_DROP_TEXT_MODE], 1);
    EXPECT_EQ(*bitword(VAR_LANDING_PLACE), ref_mark);
    fresh_world(210);
    at_place(line({WORD_LOOK, 171}));
    EXPECT_EQ(value[VAR_LANDING_PLACE], 210);
    EXPECT_EQ(value[VAR_LANDING_TEXT], 0);
}

// --- The lips of the rift (211, 212) and the niche (213) --------------------

TEST_F(Hatch, RiftExits) {
    EXPECT_EQ(exits(211, nullptr, false), (std::map<int, int>{{747, 210}, {762, 283}, {901, 210}}));
    EXPECT_EQ(exits(211, nullptr, true), (std::map<int, int>{{747, 210}, {901, 210}}));
    EXPECT_EQ(exits(211, rift_bridged, false),
              (std::map<int, int>{{747, 210}, {901, 210}, {760, 212}, {763, 212}, {11, 212}, {1054, 212}, {751, 212}}));
    EXPECT_EQ(exits(212, nullptr, false), (std::map<int, int>{{745, 226}, {751, 226}, {762, 283}}));
    EXPECT_EQ(exits(212, both(rift_bridged, came_from(211)), true),
              (std::map<int, int>{{745, 226}, {751, 226}, {901, 211}, {763, 211}, {11, 211}, {1054, 211}, {747, 211}}));
    EXPECT_EQ(exits(213, nullptr, false), (std::map<int, int>{{745, 210}, {758, 210}, {901, 210}}));
}

TEST_F(Hatch, RiftRows) {
    for (int lip : {211, 212}) {
        const int across = lip == 211 ? 212 : 211;
        check_place(lip, {
            // The bridge is there only while the wand has made it.
            {nullptr, line({11}), lip, {{TYPED, 1319, 11}}, 1, 1},
            {nullptr, line({WORD_LOOK, WORD_DOWN}), lip, {{STOP_ARG, 2478, 1}}},
            {nullptr, line({WORD_LOOK, 996}), lip, {{STOP_ARG, 2478, 1}}},
            {nullptr, line({762}), 283, death_with_count, 1, 1},
            {nullptr, line({762, 763}), 283, death_with_count, 1, 1},
            {rift_bridged, line({762}), lip, {{STOP, 1393, 0}}},
            {nullptr, line({762, 745}), lip, {}, 0},
            {nullptr, line({763}), lip, {{STOP, 1394, 0}}},
            {rift_bridged, line({763, 10}), across, {{0, 1986, 0}}},
            {nullptr, line({996}), lip, {{STOP, 1425, 0}}},
        });
    }
    check_place(212, {
        {nullptr, line({WORD_LOOK, 937}), 212, {{STOP, 1359, 0}}},
        {nullptr, line({WORD_LOOK, 900}), 212, {{STOP_ARG, 2903, 900}}, 1, 1},
        {nullptr, line({745}), 226, {{0, 1501, 0}}},
        // "Hall" leads back across only to one who came that way.
        {rift_bridged, line({901}), 212, {}, 0},
        {both(rift_bridged, came_from(211)), line({901}), 211, {{0, 1986, 0}}},
    });
    // The bridge named comes to the lip where the player stands; a thrown
    // thing falls into the rift, down to the burrow.
    fresh_world(211);
    value[10] = 1;
    at_place(line({WORD_LOOK, 11}));
    EXPECT_EQ(location[11], 211);
    fresh_world(212);
    at_place(line({WORD_TAKE, 10}));
    EXPECT_EQ(value[VAR_LANDING_PLACE], 283);
    EXPECT_EQ(value[VAR_LANDING_TEXT], 1672);
    EXPECT_TRUE(bitest(VAR_QUESTION, VFLAG_QUESTION_REPLIED));
}

TEST_F(Hatch, NicheRows) {
    check_place(213, {
        {nullptr, line({798}), 213, {{TYPED, 2113, 213}}},
        {nullptr, line({WORD_TAKE, 134}), 213, {}, 0},
        {nullptr, line({WORD_LOOK, 745}), 213, {}, 0},
    });
}

// The ways that go through the passage rule.
TEST_F(Hatch, WaysThroughThePassageRule) {
    check_place(205, {
        {came_from(204), line({900}), 206, {}},
        {came_from(206), line({897}), 204, {}},
    });
    check_place(207, {
        {came_from(206), line({207}), 208, {}},
        {came_from(208), line({207}), 206, {}},
    });
}

// A place's word typed first is answered by dispatch ("not from here"); the
// procedure of that place does not run, whatever it would do.
TEST_F(Hatch, PlaceWordTypedFirstRunsNoOtherPlace) {
    fresh_world(204);
    value[VAR_PHASE] = 2;
    outcome o = turn(line({PLACE_START}));
    EXPECT_EQ(o.place, 204);
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP, 1424, 0}}));
    EXPECT_EQ(value[VAR_PHASE], 2);
}

// What a description names of the place itself is answered there, looked
// at: what the player stands on or in, and the features in view.
TEST_F(Hatch, FeaturesTheDescriptionsName) {
    constexpr int ON = 3245, IN = 1453;
    expect_looks({
        {209, 980, ON}, {210, 981, IN}, {213, 1066, IN},
    });
}

// What a look names of the places beyond it, or of the place by another
// name, is answered where it is named; the water below the east lip only
// while no water is near.
TEST_F(Hatch, ThingsTheLooksNameAnswer) {
    const std::vector<feature_reply> cases = {
        {205, "examine carvings", {STOP_ARG, 3253, 0}},
        {207, "examine carvings", {STOP_ARG, 2900, 1}},
        {208, "examine pit", {STOP_ARG, 2899, 1}},
        {210, "examine pit", {STOP_ARG, 3253, 1}},
        {211, "examine water", {STOP_ARG, 3253, 2}},
        {211, "examine stepwell", {STOP_ARG, 3253, 3}},
        {212, "examine stepwell", {STOP_ARG, 3253, 3}},
        {212, "examine gap", {STOP_ARG, 3253, 4}},
        {212, "examine passage", {STOP_ARG, 3253, 6}},
        {213, "examine stepwell", {STOP_ARG, 3253, 5}},
    };
    expect_replies(cases);
    // The lips are the ground the player stands on: a look about.
    for (int lip : {211, 212}) {
        fresh_world(lip);
        const outcome o = at_place("examine lip");
        EXPECT_EQ(o.texts, std::vector<said>{}) << lip;
        EXPECT_EQ(value[VAR_COMMAND_STATUS], 1) << lip;
    }
    fresh_world(211);
    set_location(OBJ_LIQUID_1, 211);
    EXPECT_TRUE(at_place("examine water").texts.empty());
}

// The upper chamber shows no water and no chute, and the west lip's two
// ways read plainly.
TEST_F(Hatch, UpperChamberAndWestLipRead) {
    fresh_world(208);
    for (const said &s : {said{SAY_DETAIL, 208, 0}, said{0, 2901, 0}, said{0, 3457, 0}}) {
        const std::string w = wording(s);
        for (const char *word : {"stream", "trickl", "chute", "mouth", "drip", "glisten"})
            EXPECT_EQ(w.find(word), std::string::npos) << s.text << ": " << word;
    }
    EXPECT_EQ(wording({SAY_DETAIL, 212, 0}).find("the same way"), std::string::npos);
}

}  // namespace
