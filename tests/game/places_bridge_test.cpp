// The toll bridge, the sentinel way and the ravine side: their exits, look
// rows, the toll and the crossings with their deaths, the bridge of light
// over the ravine and the landings, through the real command reader and
// dispatch up to the place procedure.
#include "places.h"

namespace {

using namespace game_test;

class Bridge : public GameTest {};

// The keeper and his booth stand at the near bridgehead and are seen from
// both.
void at_the_bridge(int obj) {
    set_location(obj, 303);
    bitmod('s', obj, OFLAG_TWO_PLACES);
}
const std::function<void()> keeper_out = [] { at_the_bridge(23); };
const std::function<void()> keeper_in_booth = [] { at_the_bridge(24); };
const std::function<void()> bridge_down = state_of(22, 1);
const std::function<void()> incense_lit = [] {
    carry(95);
    value[95] = 2;
};
const std::function<void()> lynx_carried = [] { carry(39); };
// A treasure in hand.
std::function<void()> treasure(int obj) {
    return [obj] {
        carry(obj);
        bitmod('s', obj, OFLAG_SCORING);
    };
}

std::vector<said> after(std::vector<said> first_said, const std::vector<said> &rest) {
    first_said.insert(first_said.end(), rest.begin(), rest.end());
    return first_said;
}

// --- The toll bridge (303, 304, 305, 308) -----------------------------------

TEST_F(Bridge, BridgeheadExits) {
    // Unpaid, with the keeper nowhere about, the crossing is only refused.
    const std::map<int, int> near_end = {{750, 305}, {755, 305}, {308, 305}};
    EXPECT_EQ(exits(303, nullptr, false), near_end);
    std::map<int, int> jumping = near_end;
    jumping[762] = PLACE_GONE;  // "go jump" is no jump across
    EXPECT_EQ(exits(303, nullptr, true), jumping);

    const std::map<int, int> far_end = {{746, 308}, {538, 308}, {308, 308}, {309, 309}, {891, 311}, {360, 360}};
    EXPECT_EQ(exits(304, nullptr, false), far_end);
    // The lit incense buys the way across at once.
    std::map<int, int> paid = far_end;
    paid[763] = paid[11] = paid[750] = 303;
    EXPECT_EQ(exits(304, incense_lit, false), paid);
}

TEST_F(Bridge, ApproachAndCorridorExits) {
    const std::map<int, int> approach = {{755, 272}, {750, 272}, {758, 272}, {272, 272},
                                         {754, 303}, {746, 303}, {22, 303}};
    EXPECT_EQ(exits(305, nullptr, false), approach);
    EXPECT_EQ(exits(305, nullptr, true), approach);
    // The passage words go on the way the player was going.
    std::map<int, int> from_the_crossing = approach;
    from_the_crossing[897] = from_the_crossing[898] = from_the_crossing[308] = 303;
    EXPECT_EQ(exits(305, came_from(272), false), from_the_crossing);

    const std::map<int, int> corridor = {{751, 304}, {22, 304}, {747, 309}, {309, 309}, {891, 311}, {360, 360}};
    EXPECT_EQ(exits(308, nullptr, false), corridor);
    std::map<int, int> from_the_bridge = corridor;
    from_the_bridge[897] = from_the_bridge[898] = from_the_bridge[308] = 309;
    EXPECT_EQ(exits(308, came_from(304), true), from_the_bridge);

    // Coming to either bridgehead, the keeper is found in his booth.
    for (auto [here, word] : {std::pair{305, 746}, std::pair{308, 751}}) {
        fresh_world(here);
        keeper_out();
        at_place(line({word}));
        EXPECT_EQ(location[23], PLACE_OFFSTAGE) << here;
        EXPECT_EQ(location[24], 303) << here;
    }
}

TEST_F(Bridge, NearBridgeheadRows) {
    check_place(303, {
        // The worn carving reads the Orrin verse; "read" alone reads the
        // inscription while the bridge stands, the sign after.
        {nullptr, line({WORD_LOOK, 30}), 303, {{STOP_ARG, 1870, 30}}},
        {nullptr, line({798}), 303, {{STOP_ARG, 1870, 1080}}},
        {bridge_down, line({798}), 303, {{STOP_ARG, 1870, 129}}},
        {nullptr, line({WORD_TAKE, 30}), 303, {{TYPED, 1885, VAR_ARG2}}},
        {nullptr, line({WORD_LOOK, 308}), 303, {{TYPED, 2903, 308}}, 1, 1},
        {nullptr, line({WORD_LOOK, 745}), 303, {}, 0},
        // The empty booth behind the keeper while he is out of it.
        {keeper_out, line({WORD_LOOK, 24}), 303, {{SAY_DETAIL, 24, 0}}},
        // Jumping: refused across a standing bridge, else the chasm.
        {nullptr, line({762}), 303, {{STOP, 1393, 0}}},
        {nullptr, line({762, 763}), 303, {{STOP, 1393, 0}}},
        {nullptr, line({WORD_GO, 762}), PLACE_GONE, death_with_count, 1, 1},
        {bridge_down, line({762}), PLACE_GONE, death_with_count, 1, 1},
        // The crossing.
        {bridge_down, line({763}), 303, {{STOP, 1459, 0}}},
        {keeper_out, line({746}), 303, {{STOP, 1458, 0}}},
        {keeper_in_booth, line({763, 11}), 303, {{STOP, 1921, 0}}},
        {both(keeper_in_booth, state_of(23, 1)), line({763}), 304, {}},
        {both(keeper_out, state_of(23, 2)), line({746}), 303, {{STOP, 1921, 0}}},
        {both(keeper_out, incense_lit), line({746}), 304, {{0, 3375, 0}}, 1, 1},
        {both(state_of(23, 4), incense_lit), line({746}), 304, {}},
        {state_of(23, 3), line({763}), 304, {}},
        {nullptr, line({WORD_TAKE, 538}), 303, {}, 0},
    });
    // The keeper comes out of his booth to stop the crossing.
    fresh_world(303);
    keeper_in_booth();
    at_place(line({763}));
    EXPECT_EQ(location[23], 303);
    EXPECT_EQ(location[24], PLACE_OFFSTAGE);
    // A crossing on the payment uses it up; back at the near end he waits
    // for the next.
    fresh_world(303);
    keeper_in_booth();
    value[23] = 1;
    at_place(line({763}));
    EXPECT_EQ(value[23], 2);
    fresh_world(303);
    keeper_out();
    value[23] = 2;
    at_place(line({746}));
    EXPECT_EQ(value[23], 0);
    EXPECT_EQ(location[23], 303);
    EXPECT_TRUE(bitest(23, OFLAG_TWO_PLACES));
    // Whatever is thrown from here is lost in the chasm.
    fresh_world(303);
    at_place(line({WORD_TAKE, 538}));
    EXPECT_EQ(value[VAR_LANDING_PLACE], PLACE_GONE);
    EXPECT_EQ(value[VAR_LANDING_TEXT], 1678);
    EXPECT_TRUE(bitest(VAR_QUESTION, VFLAG_QUESTION_REPLIED));
}

TEST_F(Bridge, TheToll) {
    const std::function<void()> lit_candle = [] {
        treasure(65)();
        bitmod('s', 65, OFLAG_LIGHTABLE);
        value[65] = 2;
    };
    for (int here : {303, 304}) {
        check_place(here, {
            {both(keeper_out, treasure(64)), line({793, 64}), here, {{TYPED, 1457, VAR_ARG2}}},
            // The axe is only put down; with the keeper in his booth, or a
            // bare throw, the throw word answers.
            {both(keeper_out, [] { carry(124); }), line({793, 124}), here, {{TYPED, 1456, VAR_ARG2}}},
            {both(keeper_in_booth, treasure(64)), line({793, 64}), here, {}, 0},
            {keeper_out, line({793}), here, {}, 0},
            // Nothing is paid once the bridge is down.
            {both(both(keeper_out, treasure(64)), bridge_down), line({793, 64}), here, {}, 0},
            // Only the near end refuses a lit treasure.
            {both(keeper_out, lit_candle), line({793, 65}), here,
             here == 303 ? std::vector<said>{{ARG | SAY_ARGVAR, 2104, VAR_ARG2}}
                         : std::vector<said>{{TYPED, 1457, VAR_ARG2}}},
        });
    }
    // Paid: the treasure is gone, the keeper back in his booth.
    fresh_world(304);
    keeper_out();
    treasure(64)();
    at_place(line({793, 64}));
    EXPECT_EQ(value[23], 1);
    EXPECT_EQ(location[23], PLACE_OFFSTAGE);
    EXPECT_EQ(location[24], 303);
    EXPECT_EQ(location[64], PLACE_GONE);
    fresh_world(303);
    keeper_out();
    carry(124);
    at_place(line({793, 124}));
    EXPECT_EQ(location[124], 303);
    // The statuette pays once; the spell fetches it home, and the keeper
    // who was cheated keeps it when it is offered again.
    fresh_world(303);
    keeper_out();
    treasure(53)();
    at_place(line({793, 53}));
    EXPECT_TRUE(bitest(53, 13));
    EXPECT_EQ(location[53], PLACE_GONE);
    fresh_world(303);
    keeper_out();
    treasure(53)();
    bitmod('s', 23, 13);
    value[23] = 2;
    EXPECT_EQ(at_place(line({793, 53})).texts, (std::vector<said>{{STOP, 1923, 0}}));
    EXPECT_EQ(value[23], 0);
    EXPECT_EQ(location[53], PLACE_GONE);
    EXPECT_TRUE(bitest(53, 14));
}

TEST_F(Bridge, FarBridgeheadRows) {
    const std::function<void()> lynx_here = [] { set_location(39, 304); };
    const std::function<void()> cheated = [] {
        value[23] = 3;
        bitmod('s', 23, 13);
    };
    check_place(304, {
        {nullptr, line({798}), 304, {{STOP_ARG, 1933, 1080}}},
        {nullptr, line({WORD_LOOK, 538}), 304, {{TYPED, 2033, 538}}},
        // The lynx set down before the keeper scares him off for good.
        {both(keeper_out, lynx_carried), line({WORD_DROP, 39}), 304, {{0, 2187, 0}, {STOP, 1461, 0}}},
        {both(keeper_in_booth, lynx_carried), line({WORD_DROP, 39}), 304, {}, 0},
        // The way back.
        {keeper_out, line({750}), 304, {{STOP, 1458, 0}}},
        {both(keeper_out, both(state_of(23, 2), lynx_here)), line({763}), 304, {{STOP, 1449, 0}}},
        {both(keeper_out, state_of(23, 2)), line({763}), 304, {{STOP, 1921, 0}}},
        {both(keeper_in_booth, both(state_of(23, 1), lynx_carried)), line({763}), PLACE_GONE,
         after({{0, 1460, 0}}, plain_death), 1, 1},
        {both(cheated, lynx_here), line({763}), PLACE_GONE, after({{ARG, 1582, 0}}, plain_death), 1, 1},
        {cheated, line({763}), PLACE_GONE, after({{ARG, 1582, 1}}, plain_death), 1, 1},
        {state_of(23, 3), line({763}), 303, {}},
        {bridge_down, line({11}), 304, {{STOP, 1459, 0}}},
        // Unpaid, the lynx in hand makes no difference; scared off, the
        // keeper is no help to the planks.
        {both(keeper_out, lynx_carried), line({763}), 304, {{STOP, 1458, 0}}},
        {both(state_of(23, 3), lynx_carried), line({763}), PLACE_GONE, after({{0, 1460, 0}}, plain_death), 1, 1},
    });
    fresh_world(304);
    keeper_out();
    lynx_carried();
    at_place(line({WORD_DROP, 39}));
    EXPECT_EQ(value[23], 3);
    EXPECT_EQ(location[23], PLACE_GONE);
    EXPECT_EQ(location[24], 303);
    EXPECT_EQ(location[39], 304);
    // Paid, the crossing with the lynx is used up before the planks give.
    fresh_world(304);
    keeper_in_booth();
    value[23] = 1;
    lynx_carried();
    at_place(line({763}));
    EXPECT_EQ(value[23], 2);
    EXPECT_EQ(value[22], 1);
    // The bridge goes down with whoever falls: with the lynx, or cut.
    for (bool lynx : {false, true}) {
        fresh_world(304);
        cheated();
        if (lynx) lynx_here();
        at_place(line({763}));
        EXPECT_EQ(value[22], lynx ? 1 : 2);
        EXPECT_EQ(location[39], lynx ? PLACE_CARRIED : PLACE_OFFSTAGE);
    }
}

// --- The sentinel way (306, 307) --------------------------------------------

TEST_F(Bridge, SentinelWayExits) {
    const std::function<void()> awake = state_of(21, 1);
    EXPECT_EQ(exits(306, nullptr, false), (std::map<int, int>{{745, 269}, {758, 269}}));
    EXPECT_EQ(exits(306, awake, true), (std::map<int, int>{{745, 269}, {758, 269}, {747, 274}, {760, 274}}));
    EXPECT_EQ(exits(307, nullptr, false), (std::map<int, int>{{747, 274}, {758, 274}}));
    EXPECT_EQ(exits(307, awake, false), (std::map<int, int>{{747, 274}, {758, 274}, {745, 269}, {760, 269}}));
    // The cleft: back the way the player came while the sentinel is stone,
    // else on through.
    EXPECT_EQ(exits(307, came_from(274), false)[207], 274);
    EXPECT_EQ(exits(306, both(awake, came_from(269)), false)[207], 274);
}

TEST_F(Bridge, SentinelWayRows) {
    const std::function<void()> dark = [] { light(false); };
    for (int here : {306, 307}) {
        const int on = here == 306 ? 747 : 745;
        check_place(here, {
            {nullptr, line({WORD_LOOK, 63}), here, {{STOP, 1519, 0}}},
            {nullptr, line({863, 63}), here, {{STOP, 1518, 0}}},
            {state_of(21, 1), line({WORD_LOOK, 63}), here, {}, 0},
            {nullptr, line({on}), here, {{STOP, 1443, 0}}},
            {dark, line({760}), here, after({{0, 2091, 0}}, plain_death), 1, 1},
            {nullptr, line({WORD_LOOK, 207}), here, {}, 0},
        });
    }
    // The warrior is the sentinel awake, named at the west end.
    fresh_world(306);
    set_location(21, 306);
    value[21] = 1;
    at_place(line({WORD_TAKE, 957}));
    EXPECT_EQ(value[VAR_ARG2], 21);
}

// --- The crossroads and the ravine side (309..311, 358..361) ----------------

TEST_F(Bridge, CrossroadsAndRavineExits) {
    EXPECT_EQ(exits(309, nullptr, false), (std::map<int, int>{{22, 304}, {751, 308}, {308, 308}, {746, 310},
                                                             {748, 359}, {755, 359}, {891, 311}, {360, 360}}));
    EXPECT_EQ(exits(310, nullptr, true), (std::map<int, int>{{749, 309}, {309, 309}, {897, 309}, {745, 311},
                                                            {891, 311}, {747, 358}, {900, 358}}));
    // The ravine edge with nothing across it: back, or a jump.
    EXPECT_EQ(exits(311, nullptr, false),
              (std::map<int, int>{{749, 310}, {758, 310}, {897, 310}, {309, 309}, {762, PLACE_GONE}}));
    EXPECT_EQ(exits(358, nullptr, false),
              (std::map<int, int>{{751, 310}, {758, 310}, {900, 310}, {309, 309}, {891, 311}}));
    std::map<int, int> slope = {{745, 309}, {754, 309}, {309, 309}, {749, 360}, {755, 360}, {360, 360}, {891, 311}};
    EXPECT_EQ(exits(359, nullptr, false), slope);
    slope[897] = slope[898] = slope[308] = 360;
    EXPECT_EQ(exits(359, came_from(309), true), slope);
    EXPECT_EQ(exits(360, nullptr, false), (std::map<int, int>{{751, 359}, {754, 359}, {897, 359}, {359, 359},
                                                             {309, 309}, {747, 361}, {757, 361}, {360, 361},
                                                             {39, 361}, {891, 311}}));
    EXPECT_EQ(exits(361, nullptr, false), (std::map<int, int>{{751, 360}, {758, 360}, {309, 309}, {891, 311}}));
}

TEST_F(Bridge, CrossroadsAndSidePlacesRows) {
    check_place(309, {
        {nullptr, line({WORD_LOOK, 309}), 309, {{TYPED, 2902, 308}}, 1, 1},
        {nullptr, line({897}), 309, {{TYPED, 2904, 308}}},
        {nullptr, line({WORD_GO, 309}), 309, {{TYPED, 2904, 308}}},
    });
    check_place(310, {
        // The fork, or a junction, is the place itself, described.
        {nullptr, line({WORD_LOOK, 271}), 310, {{STOP_ARG, 3543, 8}}},
        {nullptr, line({WORD_LOOK, 900}), 310, {{TYPED, 2903, VAR_ARG2}}, 1, 1},
        {nullptr, line({WORD_LOOK, 936}), 310, {{STOP, 2914, 0}}},
    });
    check_place(358, {
        {nullptr, line({WORD_LOOK, 1132}), 358, {{STOP, 3131, 0}}},
        {nullptr, line({WORD_LOOK, 936}), 358, {{STOP, 3130, 0}}},
        {nullptr, line({WORD_LOOK, 900}), 358, {{STOP_ARG, 2903, 900}}, 1, 1},
        {nullptr, line({900, WORD_OUT}), 310, {}},
    });
    check_place(359, {
        {nullptr, line({WORD_LOOK, 359}), 359, {{STOP, 2958, 0}}},
        {nullptr, line({WORD_LOOK, 897}), 359, {}, 0},
    });
    check_place(360, {
        {nullptr, line({798}), 360, {{STOP_ARG, 1870, 1080}}},
        // The letters over the entrance are the inscription's.
        {nullptr, line({798, 1028}), 360, {{STOP_ARG, 1870, 1080}}},
        {nullptr, line({WORD_LOOK, 1028}), 360, {{STOP_ARG, 1870, 1080}}},
        {nullptr, line({WORD_LOOK, 895}), 360, {{STOP_ARG, 1712, 757}}},
        {nullptr, line({WORD_LOOK, 359}), 360, {{TYPED, 2959, 359}}},
    });
    // The lynx is known of once its den's mouth is reached.
    fresh_world(360);
    at_place(line({WORD_LOOK, 745}));
    EXPECT_TRUE(bitest(39, OFLAG_SEEN));

    const std::function<void()> axe_here = [] {
        set_location(124, 361);
        bitmod('s', 124, OFLAG_PORTABLE);
    };
    check_place(361, {
        {nullptr, line({WORD_LOOK, 992}), 361, {{STOP, 3075, 0}}},
        {nullptr, line({WORD_LOOK, WORD_OUT}), 361, {{STOP_ARG, 1712, 758}}},
        // The look word goes on to the rest of the place.
        {nullptr, line({WORD_LOOK}), 361, {}, 0},
        // The axe that fell in here stays out of reach, named or the one
        // thing to take.
        {axe_here, line({WORD_TAKE, 124}), 361, {{TYPED, 1517, VAR_ARG2}}},
        {axe_here, line({WORD_TAKE}), 361, {{TYPED, 1517, VAR_ARG2}}},
        {nullptr, line({WORD_TAKE, 124}), 361, {}, 0},
    });
}

TEST_F(Bridge, RavineEdgeRows) {
    const std::function<void()> bridged = state_of(31, 2);
    const std::function<void()> jewel_lit = [] {
        carry(67);
        value[67] = 2;
    };
    const std::function<void()> jewel_out = [] { carry(67); };
    check_place(311, {
        {nullptr, line({WORD_LOOK, 172}), 311, {{STOP, 2046, 0}}},
        {nullptr, line({WORD_LOOK, 899}), 311, {{STOP, 2047, 0}}},
        {nullptr, line({WORD_LOOK, 1022}), 311, {{STOP, 2048, 0}}},
        {nullptr, line({WORD_LOOK, 1034}), 311, {{STOP, 3194, 0}}},
        {nullptr, line({WORD_LOOK, 376}), 311, {{STOP, 3195, 0}}},
        // The crack overhead that lets down the light.
        {nullptr, line({WORD_LOOK, 888}), 311, {{STOP, 3195, 0}}},
        {nullptr, line({WORD_LOOK, WORD_UP}), 311, {{STOP, 3195, 0}}},
        {nullptr, line({WORD_LOOK, 298}), 311, {{STOP, 3458, 0}}},
        {nullptr, line({WORD_LOOK, 201}), 311, {{TYPED, 2952, 201}}},
        {nullptr, line({773, 31}), 311, {{STOP, 1446, 0}}},
        // The ravine named without looking is only marked.
        {nullptr, line({31}), 311, {}, 0},
        {nullptr, line({762, 754}), 311, {{STOP, 2587, 0}}, 1, 1},
        {nullptr, line({WORD_GO, 762}), PLACE_GONE, death_with_count, 1, 1},
        // The crossing.
        {nullptr, line({763}), 311, {{STOP, 1597, 0}}},
        {bridged, line({763, 31}), 311, {}, 0},
        {both(bridged, jewel_lit), line({11}), 312, {{0, 1598, 0}, {0, 1600, 0}}},
        {both(bridged, both(jewel_lit, lynx_carried)), line({745}), 312, {{0, 1598, 0}, {0, 1602, 0}}},
        {bridged, line({763, 11}), PLACE_GONE, after({{0, 1598, 0}, {0, 1599, 0}}, plain_death), 1, 1},
        {both(bridged, both(jewel_out, lynx_carried)), line({1054}), PLACE_GONE,
         after({{0, 1598, 0}, {0, 1601, 0}, {0, 1899, 0}}, plain_death), 1, 1},
    });
    // The bridge of light is here while it spans the ravine.
    for (int span : {0, 2}) {
        fresh_world(311);
        value[31] = span;
        at_place(line({WORD_LOOK, 11}));
        EXPECT_EQ(location[11], span ? 311 : PLACE_OFFSTAGE);
    }
    // The lynx is lost to the ravine; the first crossing takes the hint
    // away.
    fresh_world(311);
    bridged();
    jewel_lit();
    lynx_carried();
    bitmod('s', 311, PFLAG_HINT_AVAILABLE);
    at_place(line({11}));
    EXPECT_EQ(location[39], PLACE_GONE);
    EXPECT_TRUE(bitest(311, PFLAG_HINT_AVAILABLE));
    fresh_world(311);
    bridged();
    jewel_lit();
    bitmod('s', 311, PFLAG_HINT_AVAILABLE);
    at_place(line({11}));
    EXPECT_FALSE(bitest(311, PFLAG_HINT_AVAILABLE));
    // Marks, and the landing in the depths.
    fresh_world(311);
    at_place(line({31}));
    EXPECT_TRUE(bitest(VAR_QUESTION, VFLAG_QUESTION_REPLIED_2));
    fresh_world(311);
    at_place(line({WORD_TAKE, 1032}));
    EXPECT_TRUE(bitest(VAR_QUESTION, VFLAG_QUESTION_REPLIED));
    EXPECT_EQ(value[VAR_LANDING_PLACE], PLACE_GONE);
    EXPECT_EQ(value[VAR_LANDING_TEXT], 1679);
}

TEST_F(Bridge, TextsAreWritten) {
    for (int t : {1443, 1446, 1449, 1456, 1457, 1458, 1459, 1460, 1461, 1517, 1518, 1519, 1582, 1597, 1598,
                  1599, 1600, 1601, 1602, 1678, 1679, 1899, 1921, 1923, 1933, 2046, 2047, 2048, 2904, 2914,
                  2958, 2959, 3075, 3130, 3131, 3194, 3195, 3375, 3458})
        EXPECT_FALSE(wording({ARG, t, 0}).empty()) << t;
    for (int place = 303; place <= 361; place = place == 311 ? 358 : place + 1) {
        EXPECT_FALSE(wording({SAY_DETAIL, place, 0}).empty()) << place;
        EXPECT_FALSE(wording({0, place, 0}).empty()) << place;
    }
}

// What a description names of the place itself is answered there, looked
// at: what the player stands on or in, and the features in view.
TEST_F(Bridge, FeaturesTheDescriptionsName) {
    constexpr int ON = 3245;
    expect_looks({
        {311, 980, ON}, {358, 79, 3131}, {303, 980, ON}, {304, 980, ON}, {311, 956, 1849},
        {303, WORD_DOWN, 2478}, {311, WORD_DOWN, 2478},
    });
}

}  // namespace
