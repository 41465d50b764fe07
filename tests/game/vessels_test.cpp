// Vessels and liquids: which vessel is found for a liquid, what the vessel
// in use holds, emptying it, watering the plant, feeding the creeper, the
// door's oil and water, and the guard against handling a burning object.
#include "objects_fixture.h"

namespace {

using namespace game_test;

constexpr int SMALL = OBJ_VESSEL_SMALL, MEDIUM = OBJ_VESSEL_MEDIUM, LARGE = OBJ_VESSEL_LARGE;
constexpr int WATER = OBJ_LIQUID_1, OIL = OBJ_LIQUID_2, ALE = OBJ_LIQUID_3, NECTAR = OBJ_LIQUID_4;
constexpr int HOLLOW = 218, CREEPER_HALL = 443, DOOR_PLACE = 282;
constexpr int PLANT = 13, FRONDS = 14, CREEPER = 139, TENDRILS = 140, BUNDLE = 151, POD = 152;
constexpr int WET = PFLAG_EXTRA_REMARK;

using Vessels = ObjectsTest;

// A vessel in a state, in hand or lying here.
void vessel(int v, int state, bool in_hand) {
    value[v] = state;
    set_location(v, in_hand ? PLACE_CARRIED : value[VAR_HERE]);
}

// Carried vessels come before vessels lying here; the large vessel counts
// only while it holds liquid 120 (state 3 or a portion state above 6).
TEST_F(Vessels, FindsTheVesselHoldingALiquidCarriedFirst) {
    struct find_case {
        const char *what;
        std::function<void()> setup;
        int liquid;  // 120 or 121
        int found;
    };
    const find_case cases[] = {
        {"large carried in a portion state before medium carried",
         [] { vessel(LARGE, 7, true); vessel(MEDIUM, 3, true); }, WATER, LARGE},
        {"carried small before medium here",
         [] { vessel(MEDIUM, 3, false); vessel(SMALL, 3, true); }, WATER, SMALL},
        {"large here before medium here",
         [] { vessel(LARGE, 3, false); vessel(MEDIUM, 3, false); }, WATER, LARGE},
        {"large holding ale is passed over",
         [] { vessel(LARGE, 5, true); vessel(SMALL, 3, false); }, WATER, SMALL},
        {"large holding nectar is passed over",
         [] { vessel(LARGE, 6, true); }, WATER, 0},
        {"empty large vessel is passed over",
         [] { vessel(LARGE, 2, true); }, WATER, 0},
        {"oil: medium carried before small carried",
         [] { vessel(SMALL, 4, true); vessel(MEDIUM, 4, true); }, OIL, MEDIUM},
        {"oil: never the large vessel",
         [] { vessel(LARGE, 4, true); vessel(SMALL, 4, false); }, OIL, SMALL},
        {"a vessel elsewhere does not count",
         [] { vessel(MEDIUM, 3, false); set_location(MEDIUM, 201); }, WATER, 0},
    };
    for (const find_case &c : cases) {
        for (int must : {0, 1}) {
            command_at(HOLLOW, line({790}));
            hold_ref(VAR_VESSEL, 99);  // whatever a caller left there
            c.setup();
            static const game_proc finders[2][2] = {{+[] { return p320(num(0)); }, +[] { return p320(num(1)); }},
                                                    {+[] { return p321(num(0)); }, +[] { return p321(num(1)); }}};
            outcome o = call(finders[c.liquid == WATER][must]);
            if (c.found) {
                EXPECT_EQ(value[VAR_VESSEL], c.found) << c.what;
                EXPECT_EQ(*bitword(VAR_VESSEL), ref_mark) << c.what;
                EXPECT_EQ(o.texts, std::vector<said>{}) << c.what;
                EXPECT_EQ(o.loop, 0) << c.what;
            } else if (must) {
                EXPECT_EQ(o.texts, (std::vector<said>{{TYPED, 1513, c.liquid}})) << c.what;
                EXPECT_EQ(o.loop, 1) << c.what;
            } else {
                EXPECT_EQ(value[VAR_VESSEL], 0) << c.what;
                EXPECT_EQ(o.loop, 0) << c.what;
            }
        }
    }
}

// The content of the vessel in use. The large vessel's portion states mean
// water for the large vessel only: a medium vessel of oil keeps its oil
// while the large one holds water portions elsewhere.
TEST_F(Vessels, NamesTheContentOfTheVesselInUse) {
    struct content_case {
        int vessel, state, large_state, result;
    };
    const content_case cases[] = {
        {MEDIUM, 3, 2, WATER}, {MEDIUM, 4, 2, OIL},  {SMALL, 5, 2, ALE},  {LARGE, 6, 6, NECTAR},
        {LARGE, 8, 8, WATER},  {MEDIUM, 4, 8, OIL},  {MEDIUM, 2, 9, 0},   {SMALL, 5, 7, ALE},
    };
    for (const content_case &c : cases) {
        fresh_world(HOLLOW);
        value[NECTAR] = 6;
        value[LARGE] = c.large_state;
        value[c.vessel] = c.state;
        set_location(LARGE, 201);
        hold_ref(VAR_VESSEL, c.vessel);
        call(p888);
        EXPECT_EQ(value[VAR_RESULT], c.result) << c.vessel << " in state " << c.state;
        EXPECT_EQ(*bitword(VAR_RESULT), c.result ? ref_mark : 0) << c.vessel;
    }
}

// Emptying: the liquid wets the place where drops land, except the small
// vessel's; ale is mourned, and refused while the giant is near; a quiet
// emptying says nothing and leaves the turn open.
TEST_F(Vessels, EmptiesTheVesselInUse) {
    struct empty_case {
        const char *what;
        int vessel, state;
        std::function<void()> setup;
        std::vector<said> texts;
        int loop, after;
        bool wet;
    };
    const said pour = {ARG | SAY_ARGVAR, 1370, VAR_RESULT};
    const said from = {ARG | SAY_ARGVAR, 1371, VAR_VESSEL};
    const empty_case cases[] = {
        {"water from the jug, here", MEDIUM, 3, nullptr, {pour, from, {STOP, 1372, 0}}, 1, 2, true},
        {"water from the vial", SMALL, 3, nullptr, {pour, from, {STOP, 1266, 0}}, 1, 2, false},
        {"ale, no giant near", LARGE, 5, nullptr, {{0, 2255, 0}, pour, from, {STOP, 1372, 0}}, 1, 2, true},
        {"ale, the giant near", LARGE, 5, [] { set_location(194, value[VAR_HERE]); }, {{STOP, 3352, 0}}, 1, 5, false},
        {"drops redirected elsewhere", MEDIUM, 4, [] { set_ref(VAR_DROP_PLACE, 217); }, {pour, from, {STOP, 1266, 0}},
         1, 2, false},
        {"quietly", MEDIUM, 3, [] { value[VAR_QUIET_EMPTY] = 1; }, {}, 0, 2, true},
        {"no vessel", 0, 0, nullptr, {{STOP, 3240, 0}}, 1, 0, false},
    };
    for (const empty_case &c : cases) {
        command_at(HOLLOW, line({787}));
        if (c.vessel) {
            vessel(c.vessel, c.state, true);
            hold_ref(VAR_VESSEL, c.vessel);
        }
        if (c.setup) c.setup();
        outcome o = call(p218);
        EXPECT_EQ(o.texts, c.texts) << c.what;
        EXPECT_EQ(o.loop, c.loop) << c.what;
        if (c.vessel) {
            EXPECT_EQ(value[c.vessel], c.after) << c.what;
        }
        EXPECT_EQ(bitest(HOLLOW, WET), c.wet) << c.what;
        EXPECT_EQ(value[VAR_QUIET_EMPTY], 0) << c.what;
    }
    // The redirected drop wets the place the drops land at.
    command_at(HOLLOW, line({787}));
    vessel(MEDIUM, 4, true);
    hold_ref(VAR_VESSEL, MEDIUM);
    set_ref(VAR_DROP_PLACE, 217);
    call(p218);
    EXPECT_TRUE(bitest(217, WET));
}

// Watering the plant turns it through states 1, 2 and back to 0; the
// fronds follow it and are fixed in place only after the third watering.
TEST_F(Vessels, WateringThePlantTurnsItsGrowthCycle) {
    fresh_world(HOLLOW);
    set_location(PLANT, HOLLOW);
    const int grows[] = {1, 2, 0};
    const int text[] = {2083, 2084, 2085};
    for (int k = 0; k < 3; k++) {
        parse(line({787, WATER}));
        set_ref(VAR_DROP_PLACE, HOLLOW);
        set('V', VAR_VESSEL, 'c', 0, nullptr, nullptr);
        vessel(MEDIUM, 3, true);
        outcome o = call(p903);
        EXPECT_EQ(value[PLANT], grows[k]);
        EXPECT_EQ(value[FRONDS], grows[k]);
        EXPECT_EQ(bitest(FRONDS, OFLAG_FIXTURE), k == 2);
        EXPECT_EQ(value[MEDIUM], 2);
        const std::vector<said> want = {{ARG | SAY_ARGVAR, 1373, WATER},
                                        {ARG | SAY_ARGVAR, 1557, VAR_VESSEL},
                                        {0, text[k], 0},
                                        {0, 1266, 0},
                                        {STOP, PLANT, 0}};
        EXPECT_EQ(o.texts, want) << "watering " << k + 1;
    }
    // The vial's few drops are wasted; with nothing to pour the command is
    // refused; the creeper near refuses it too.
    auto fresh_command = [] { set('V', VAR_VESSEL, 'c', 0, nullptr, nullptr); };
    parse(line({787, WATER}));
    vessel(SMALL, 3, true);
    fresh_command();
    outcome o = call(p903);
    EXPECT_EQ(o.texts, (std::vector<said>{{TYPED, 1839, SMALL}}));
    EXPECT_EQ(value[PLANT], 0);
    fresh_command();
    o = call(p903);
    EXPECT_EQ(o.texts, (std::vector<said>{{TYPED, 1513, WATER}}));
    vessel(MEDIUM, 3, true);
    set_location(CREEPER, HOLLOW);
    fresh_command();
    o = call(p903);
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP, 2088, 0}}));
    EXPECT_EQ(value[MEDIUM], 3);
}

// Feeding the creeper: the bundle becomes a pod in hand, the nectar empties
// the cask and sends the griffin away; two feedings grow it fully.
TEST_F(Vessels, FeedingTheCreeperGrowsItTwice) {
    fresh_world(CREEPER_HALL);
    set_location(CREEPER, CREEPER_HALL);
    bitmod('s', TENDRILS, OFLAG_FIXTURE);
    bitmod('s', CREEPER_HALL, PFLAG_HINT_AVAILABLE);
    carry(BUNDLE);
    parse(line({795, CREEPER}));
    outcome o = call(p304);
    EXPECT_EQ(o.texts, (std::vector<said>{{0, 2386, 0}, {ARG, 2086, 1}, {0, 1266, 0}, {STOP, CREEPER, 0}}));
    EXPECT_EQ(getloc(BUNDLE), PLACE_GONE);
    EXPECT_EQ(getloc(POD), PLACE_CARRIED);
    EXPECT_EQ(value[CREEPER], 1);
    EXPECT_EQ(value[440], 1);

    vessel(LARGE, 6, true);
    set_location(85, 448);
    parse(line({787, NECTAR}));
    o = call(p304);
    EXPECT_EQ(o.texts, (std::vector<said>{{ARG, 2087, 0}, {0, 1266, 0}, {STOP, CREEPER, 0}}));
    EXPECT_EQ(value[LARGE], 1);
    EXPECT_EQ(getloc(85), PLACE_GONE);
    EXPECT_EQ(value[CREEPER], 2);
    EXPECT_EQ(value[TENDRILS], 2);
    EXPECT_FALSE(bitest(TENDRILS, OFLAG_FIXTURE));
    EXPECT_FALSE(bitest(CREEPER_HALL, PFLAG_HINT_AVAILABLE));

    o = call(p304);
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP, 3450, 0}}));
    fresh_world(CREEPER_HALL);
    set_location(CREEPER, CREEPER_HALL);
    parse(line({795, CREEPER}));
    o = call(p304);
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP, 1755, 0}}));
}

// Oil frees the door and water rusts it shut; the other way round the
// liquid is just poured on it ("You oil the door.").
TEST_F(Vessels, OilAndWaterOnTheDoor) {
    struct door_case {
        game_proc pour;
        int liquid, state, vessel_state, after;
        std::vector<said> texts;
    };
    const door_case cases[] = {
        {p634, OIL, 0, 4, 1, {{STOP, 1407, 0}}},
        {p634, OIL, 1, 4, 1, {{ARG | SAY_ARGVAR, 1987, OIL}, {TYPED, 1988, 8}}},
        {p904, WATER, 1, 3, 0, {{STOP, 1406, 0}}},
        {p904, WATER, 0, 3, 0, {{ARG | SAY_ARGVAR, 1987, WATER}, {TYPED, 1988, 8}}},
    };
    for (const door_case &c : cases) {
        fresh_world(DOOR_PLACE);
        set_location(8, DOOR_PLACE);
        value[8] = c.state;
        vessel(MEDIUM, c.vessel_state, true);
        parse(line({787, c.liquid}));
        outcome o = call(c.pour);
        EXPECT_EQ(o.texts, c.texts) << c.liquid << " on state " << c.state;
        EXPECT_EQ(value[8], c.after);
        EXPECT_EQ(value[MEDIUM], 2);
        EXPECT_TRUE(bitest(DOOR_PLACE, WET));
    }
}

// The pouring texts are said in pieces that read as one sentence.
TEST_F(Vessels, PiecesOfAPouringReadAsOneSentence) {
    auto output = [] {
        std::string t = support::Session::pending();
        for (char &ch : t)
            if (ch == '\x15') ch = ' ';
        return t;
    };
    command_at(HOLLOW, line({787, WATER}));
    set_location(PLANT, HOLLOW);
    vessel(MEDIUM, 3, true);
    call(p903);
    EXPECT_EQ(output().rfind("You pour the water from the jug onto the plant. It drinks greedily", 0), 0u)
        << output();

    command_at(HOLLOW, line({787, OIL}));
    vessel(MEDIUM, 4, true);
    hold_ref(VAR_VESSEL, MEDIUM);
    call(p218);
    EXPECT_EQ(output(), "You pour the oil out of the jug. It soaks away into the ground.\n");

    command_at(HOLLOW, line({793, LARGE}));
    vessel(LARGE, 8, true);
    hold_ref(VAR_VESSEL, LARGE);
    set_location(OBJ_ATTACKER, HOLLOW);
    call(p268);
    EXPECT_EQ(output().rfind("The water from the cask splashes all over the prowler, who", 0), 0u) << output();

    command_at(DOOR_PLACE, line({787, OIL}));
    set_location(8, DOOR_PLACE);
    value[8] = 1;
    vessel(MEDIUM, 4, true);
    call(p634);
    EXPECT_EQ(output(), "You oil the door.\n");

    command_at(DOOR_PLACE, line({790}));
    call([] { return p321(num(1)); });
    EXPECT_EQ(output(), "I see no water here.\n");
}

// A burning lightable object is refused, silently during an ALL command;
// a second word that is not an object is never refused.
TEST_F(Vessels, RefusesToHandleABurningObject) {
    constexpr int INCENSE = 95;
    fresh_world(HOLLOW);
    bitmod('s', INCENSE, OFLAG_LIGHTABLE);
    carry(INCENSE);
    value[INCENSE] = 2;
    parse(line({766, INCENSE}));
    outcome o = call(p127);
    EXPECT_EQ(o.texts, (std::vector<said>{{ARG | SAY_ARGVAR, 2104, VAR_ARG2}}));
    EXPECT_EQ(o.loop, 1);
    value_all = INCENSE;
    o = call(p127);
    EXPECT_EQ(o.texts, std::vector<said>{});
    EXPECT_EQ(o.loop, 1);
    value_all = 0;
    value[INCENSE] = 1;
    EXPECT_EQ(call(p127).loop, 0);
    for (int code : {PARSE_NONE, PARSE_UNKNOWN, PARSE_BAD_SYNTAX, 790}) {
        value[VAR_ARG2] = code;
        o = call(p127);
        EXPECT_EQ(o.loop, 0) << code;
        EXPECT_EQ(o.texts, std::vector<said>{}) << code;
    }
}

}  // namespace
