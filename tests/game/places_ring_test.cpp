// The ring walk, its annexe and the beacon chain: every place's ways out,
// the ring's turning rule and the onward words, the sealed chamber, the
// snag, the taper, the sanctum's count and scattering, the chance way by
// the falls, the cliff's landing draw and the beacon's gates, through the
// real command reader and dispatch up to the place procedure.
#include "place_sweeps.h"

namespace {

using namespace game_test;

class Ring : public PlacesTest {};

std::function<void()> state_of(int entity, int v) {
    return [entity, v] { value[entity] = v; };
}
std::function<void()> also(std::function<void()> a, std::function<void()> b) {
    return [a, b] {
        if (a) a();
        if (b) b();
    };
}
exit_map with(exit_map m, std::initializer_list<std::pair<const int, int>> more) {
    for (const auto &[w, p] : more) m[w] = p;
    return m;
}
exit_map each(std::initializer_list<int> words, int to) {
    exit_map m;
    for (int w : words) m[w] = to;
    return m;
}
exit_map without(exit_map m, int w) {
    m.erase(w);
    return m;
}
exit_map both(exit_map a, const exit_map &b) {
    a.insert(b.begin(), b.end());
    return a;
}
bool marked() { return bitest(evar(VAR_QUESTION), 1); }
// The ring's places get their values from INIT.
void ring_values() {
    for (int k = 0; k < 8; k++) value[547 + k] = k;
}
auto beacon(int state) {
    return [state] {
        carry(45);
        value[45] = state;
    };
}
auto looked_down = [] { bitmod('s', 569, 16); };

// --- Exits ----------------------------------------------------------------

// Round the ring: from each place the way on and the way back, the way
// out where there is one, and the onward words after coming from the place
// before.
TEST_F(Ring, RingExits) {
    const exit_map out[8] = {
        {},
        each({752, 571, 754, 1001}, 571),
        each({745, 958, 1001, 754, 848}, 558),
        {},
        each({747, 754, 848, 1001, 958, 1003}, 555),
        {},
        each({749, 754, 1001, 958, 848}, 562),
        each({750, 849, 899}, 566),
    };
    // The way on (south from 547, then a point further round at each
    // place) and the way back, by hand.
    const int on[8] = {749, 750, 751, 752, 745, 746, 747, 748};
    const int back[8] = {745, 746, 747, 748, 749, 750, 751, 752};
    for (int k = 0; k < 8; k++) {
        const int here = 547 + k, next = 547 + (k + 1) % 8, prev = 547 + (k + 7) % 8;
        const exit_map want = both(with(out[k], {{on[k], next}, {back[k], prev}}), each({439, 1002}, next));
        auto from_prev = also(ring_values, came_from(prev));
        EXPECT_EQ(exits(here, from_prev, false), want) << here;
        EXPECT_EQ(exits(here, from_prev, true), want) << here;
        // Come from the place after, the onward words lead back.
        const exit_map rev = both(with(out[k], {{on[k], next}, {back[k], prev}}), each({439, 1002}, prev));
        EXPECT_EQ(exits(here, also(ring_values, came_from(next)), false), rev) << here;
    }
}

TEST_F(Ring, AnnexeExits) {
    auto snag = [](int s) { return state_of(153, s); };
    const exit_map landing = both(both(each({751, 755}, 551), {{748, 556}}), each({747, 754, 1001, 958}, 557));
    const exit_map hall = both(both(each({751, 755, 1001}, 555), each({746, 754, 958}, 564)), {{749, 558}});
    const exit_map overlook = both(each({752, 754, 1001, 848, 958}, 557), each({748, 755}, 549));
    const exit_map near_end = each({747, 1013}, 563);
    const exit_map far_end = both(each({745, 848, 763}, 559), each({747, 1013, 565}, 561));
    const exit_map shrine = with(each({757, 751, 565}, 565), {{745, 560}});
    const exit_map low = both(each({752, 755}, 553), each({748, 754}, 563));
    const exit_map cross = both(both(each({749, 754, 197}, 559), each({745, 755}, 562)), {{752, 564}, {747, 566}});
    const exit_map counting = {{750, 557}, {747, 563}};
    check_sweeps({
        {555, nullptr, landing, landing},
        // The chamber holds the player back once.
        {556, nullptr, {}, {}},
        {556, state_of(556, 1), each({752, 755, 761}, 555), each({752, 755, 761}, 555)},
        {557, nullptr, hall, hall},
        // A bare jump is the end; a jump after GO finds no way.
        {558, nullptr, with(overlook, {{762, PLACE_GONE}}), overlook},
        // With the snag leaning, only GO CLIMB gets over the gap.
        {559, snag(0), near_end, with(near_end, {{848, 560}})},
        {559, snag(1), with(near_end, {{749, 560}, {763, 560}}), with(near_end, {{749, 560}, {763, 560}, {848, 560}})},
        {560, snag(0), far_end, far_end},
        {561, nullptr, shrine, shrine},
        {562, nullptr, low, low},
        {563, came_from(562), cross, cross},
        {563, came_from(564), with(cross, {{1013, 559}}), with(cross, {{1013, 559}})},
        {564, came_from(557), with(counting, {{1013, 563}}), with(counting, {{1013, 563}})},
        {565, nullptr, each({758, 761, 747}, 561), each({758, 761, 747}, 561)},
        {565, state_of(565, 5), each({758, 761, 747}, 561), each({758, 761, 747}, 561)},
    });
}

TEST_F(Ring, FallsAndCliffExits) {
    // The chance way west needs a draw below 90 with a carrying limit of 7.
    auto sure = also(state_of(VAR_CARRY_LIMIT, 7), draws_where({100}, [](const std::vector<int> &d) { return d[0] < 90; }));
    auto fails = also(state_of(VAR_CARRY_LIMIT, 7), draws_where({100}, [](const std::vector<int> &d) { return d[0] >= 90; }));
    const exit_map foot = both(each({745, 755, 850}, 554), each({754, 749, 849}, 567));
    const exit_map middle = both(each({746, 755, 850}, 566), each({752, 754, 172, 849}, 568));
    const exit_map head = both(each({899, 755, 850, 1131, 172, 748}, 567), each({754, 848}, 569));
    const exit_map top = both(each({754, 747, 571, 763}, 570), each({755, 848}, 568));
    const exit_map path = both(each({751, 571}, 569), each({762, 755, 747, 1010, 1013, 480}, 563));
    check_sweeps({
        {566, sure, both(foot, each({848, 751}, 563)), both(foot, each({848, 751}, 563))},
        {566, fails, foot, foot},
        {566, came_from(554), with(foot, {{899, 567}, {1131, 567}}), with(foot, {{899, 567}, {1131, 567}})},
        {567, came_from(568), with(middle, {{899, 566}, {1131, 566}}), with(middle, {{899, 566}, {1131, 566}})},
        {568, nullptr, head, head},
        {569, nullptr, with(top, {{762, PLACE_GONE}}), with(top, {{762, PLACE_GONE}})},
        // A bare climb on the cliff path is a climb to the cliff top.
        {570, nullptr, with(path, {{848, 569}}), path},
    });
}

TEST_F(Ring, BeaconChainExits) {
    const exit_map bastion = each({748, 1001, 439}, 548);
    const exit_map down = each({755, 934, 573, 1010}, 572);
    const exit_map on_down = each({761, 763, 745, 934, 573, 752}, 573);
    const exit_map back_up = each({763, 749, 934, 573, 748}, 572);
    const exit_map to_door = each({746, 1010, 575}, 574);
    check_sweeps({
        {571, nullptr, bastion, bastion},
        {571, beacon(0), bastion, bastion},
        {571, also(beacon(0), looked_down), both(bastion, down), both(bastion, down)},
        {572, beacon(1), {}, {}},
        {572, beacon(2), on_down, on_down},
        // Straight down from the bastion there is no going back up.
        {572, also(beacon(2), came_from(571)), without(on_down, 761), without(on_down, 761)},
        {573, nullptr, to_door, to_door},
        {573, beacon(1), to_door, to_door},
        {573, beacon(2), back_up, back_up},
        {573, also(beacon(2), came_from(572)), with(back_up, {{761, 572}}), with(back_up, {{761, 572}})},
        {574, nullptr, {{750, 573}}, {{750, 573}}},
        {574, [] { bitmod('s', 575, PFLAG_VISITED); }, with(each({757, 746, 575}, 575), {{750, 573}}),
         with(each({757, 746, 575}, 575), {{750, 573}})},
    });
}

// --- The ring walk --------------------------------------------------------

TEST_F(Ring, RingRows) {
    auto from_sky = also(ring_values, came_from(586));
    check_place(547, {
        {nullptr, line({WORD_LOOK, 1005}), 547, {{TYPED, 2593, VAR_ARG2}}},
        {nullptr, line({WORD_LOOK, 1003}), 547, {{STOP_ARG, 2593, 1005}}},
        {nullptr, line({WORD_LOOK, 1014}), 547, {{STOP, 2866, 0}}},
        {nullptr, line({1014}), 547, {{STOP, 2867, 0}}},
        {nullptr, line({WORD_GO, 958}), 547, {{STOP, 2630, 0}}},
        // Set down from the cloth: no way back, and no way on to go on with.
        {from_sky, line({WORD_BACK}), 547, {{STOP_ARG, 1387, 2}}},
        {from_sky, line({439}), 547, {{STOP, 1297, 0}}},
        // The shore is answered by the ring's shared replies.
        {nullptr, line({WORD_LOOK, 1002}), 547, {{STOP, 2762, 0}}},
        // The raft is always at hand on the first two places.
        {nullptr, line({848}), 547, {{STOP, 1827, 0}}},
    });
    check_place(548, {{nullptr, line({848}), 548, {{STOP, 1827, 0}}}});
    // Further round the raft stays behind, and a bare climb leads out.
    check_place(549, {{nullptr, line({848}), 558, {}}});
    // Where no ramp leads: after the ways at 550, before them at 552.
    check_place(550, {{nullptr, line({1001}), 550, {{STOP_ARG, 2855, 1}}}});
    check_place(552, {{nullptr, line({1001}), 552, {{STOP_ARG, 2855, 0}}}});
    // At the stream's mouth water goes to the liquid words, not to the
    // ring's replies.
    check_place(553, {{nullptr, line({WORD_TAKE, 120}), 553, {{STOP, 1365, 0}}}});
    check_place(554, {
        {nullptr, line({WORD_TAKE, 120}), 554, {}, 0},
        {nullptr, line({763}), 554, {{STOP, 1968, 0}}},
        {nullptr, line({850}), 554, {{STOP_ARG, 1713, 3}}},
        {nullptr, line({757, 899}), 554, {{STOP, 2710, 0}}},
        {nullptr, line({848, 1003}), 554, {{STOP, 2858, 0}}},
    });
}

// A tree named on the first two places is the raft, which follows the
// player there; the first place also marks the marker seen.
TEST_F(Ring, TheRaftFollows) {
    for (int here : {547, 548}) {
        fresh_world(here);
        at_place(line({WORD_TAKE, 131}));
        EXPECT_EQ(value[VAR_ARG2], 154) << here;
        EXPECT_EQ(location[154], here);
        EXPECT_EQ(bitest(155, OFLAG_SEEN) != 0, here == 547);
    }
}

// --- The annexe -----------------------------------------------------------

TEST_F(Ring, SealedChamber) {
    check_place(556, {
        {nullptr, line({WORD_LOOK}), 556, {{STOP, 2497, 0}}},
        {nullptr, line({WORD_LOOK, 932}), 556, {{STOP, 2497, 0}}},
        // The pinion shows nothing until the player has tried the door.
        {nullptr, line({WORD_LOOK, 928}), 556, {{STOP, 2007, 0}}},
        {state_of(556, 1), line({WORD_LOOK, 928}), 556, {{STOP, 2497, 0}}},
        {nullptr, line({WORD_LOOK, 1130}), 556, {{STOP, 2878, 0}}},
        {nullptr, line({848, 131}), 556, {{STOP, 2877, 0}}},
        {nullptr, line({752}), 556, {{STOP, 2498, 0}}},
        {nullptr, line({848, 754}), 556, {{STOP, 2856, 0}}},
    });
    // The beacon is found once; then a plain look is left to the look word.
    fresh_world(556);
    at_place(line({WORD_LOOK}));
    EXPECT_EQ(location[45], 556);
    EXPECT_EQ(value[556], 2);
    EXPECT_TRUE(bitest(45, OFLAG_SEEN));
    EXPECT_TRUE(bitest(571, PFLAG_HINT_AVAILABLE));
    outcome again = at_place(line({WORD_LOOK}));
    EXPECT_EQ(again.texts, std::vector<said>{});
    EXPECT_EQ(again.loop, 0);
    // Held back once, then let go.
    fresh_world(556);
    at_place(line({755}));
    EXPECT_EQ(value[556], 1);
    EXPECT_EQ(at_place(line({755})).place, 555);
}

// The hall names the snag by its state; the overlook's jump is a death,
// and what is dropped there is lost.
TEST_F(Ring, HallAndOverlook) {
    check_place(557, {
        {nullptr, line({WORD_TAKE, 131}), 557, {{TYPED, 1445, 153}}},
        {state_of(153, 1), line({WORD_TAKE, 153}), 557, {{TYPED, 1445, 153}}},
    });
    fresh_world(557);
    value[153] = 1;
    parse(line({WORD_TAKE, 153}));
    EXPECT_NE(wording({TYPED, 1445, 153}), wording({TYPED, 1445, 974}));

    for (auto jump : {line({762}), line({762, 755})}) {
        fresh_world(558);
        outcome o = at_place(jump);
        EXPECT_EQ(o.place, PLACE_GONE) << jump;
        EXPECT_EQ(first(o.texts, 1), std::vector<said>({{0, 2837, 0}})) << jump;
    }
    check_place(558, {
        {nullptr, line({WORD_GO, 762}), 558, {}, 0},
        {nullptr, line({WORD_GO, 575}), 558, {{STOP, 2630, 0}}},
        {nullptr, line({WORD_LOOK, 899}), 558, {{TYPED, 2593, VAR_ARG2}}},
    });
    fresh_world(558);
    at_place(line({766, 50}));
    EXPECT_EQ(value[VAR_LANDING_PLACE], PLACE_GONE);
    EXPECT_EQ(value[VAR_LANDING_TEXT], 2567);
}

TEST_F(Ring, Snag) {
    auto across = state_of(153, 1);
    check_place(559, {
        {nullptr, line({763}), 559, {{STOP, 2434, 0}}},
        {across, line({763}), 560, {{0, 2433, 0}}},
        {across, line({762}), 559, {{STOP, 2434, 0}}},
        {across, line({848}), 559, {{STOP, 2836, 0}}},
        {nullptr, line({848, 153}), 559, {{STOP, 2432, 0}}},
        {nullptr, line({WORD_LOOK, 11}), 559, {{TYPED, 1765, 153}}},
        {nullptr, line({WORD_LOOK, 1013}), 559, {{STOP_ARG, 2864, 0}}},
        {across, line({WORD_LOOK, 1013}), 559, {{STOP_ARG, 2864, 1}}},
        // Into the snag while it leans: marked, left to the word.
        {nullptr, line({757, 153}), 559, {}, 0},
        {across, line({757, 153}), 560, {{0, 2433, 0}}},
        {across, line({120, 153}), 559, {{STOP, 2835, 0}}},
    });
    check_place(560, {
        {nullptr, line({762}), 560, {{STOP, 2434, 0}}},
        {nullptr, line({745}), 559, {{0, 2433, 0}}},
        {nullptr, line({757, 153}), 560, {}, 0},
    });
    // The near end shows the tree across; the crossings leave their way in
    // text 3229's variant.
    fresh_world(559);
    value[153] = 1;
    at_place(line({WORD_LOOK}));
    EXPECT_EQ(value[559], 1);
    at_place(line({749}));
    EXPECT_EQ(value[3229], 1);
    fresh_world(560);
    value[3229] = 1;
    at_place(line({848}));
    EXPECT_EQ(value[3229], 0);
    EXPECT_TRUE(marked() == false);
    fresh_world(559);
    at_place(line({757, 153}));
    EXPECT_TRUE(marked());
}

TEST_F(Ring, ShrineLandingAndTheCrossPassage) {
    check_place(561, {
        {nullptr, line({798}), 561, {{STOP, 2483, 0}}},
        {nullptr, line({74}), 561, {{TYPED, 1507, VAR_ARG1}}, 1, 1},  // a random text draws
        {nullptr, line({WORD_TAKE, 74}), 561, {{TYPED, 1885, 74}}},
        {nullptr, line({848, 565}), 561, {{STOP, 2984, 0}}},
        {nullptr, line({745}), 560, {}},
    });
    fresh_world(561);
    at_place(line({798}));
    EXPECT_TRUE(bitest(VAR_GAME_FLAGS_3, 5));
    EXPECT_EQ(value[2643], 2);  // the letters are remembered
    fresh_world(561);
    at_place(line({745}));
    EXPECT_EQ(value[3229], 1);
    EXPECT_EQ(value[VAR_LANDING_PLACE], PLACE_GONE);

    check_place(563, {
        {came_from(570), line({WORD_BACK}), 563, {{STOP, 2525, 0}}},
        {nullptr, line({848, 131}), 563, {{STOP_ARG, 2669, 1}}},
        {nullptr, line({WORD_TAKE, 131}), 563, {{STOP_ARG, 2431, 974}}},
        {nullptr, line({747}), 566, {{0, 2486, 0}}},
        {nullptr, line({773, 899}), 563, {{STOP, 2871, 0}}},
    });
    fresh_world(563);
    value[3229] = 1;
    at_place(line({749}));
    EXPECT_EQ(value[3229], 0);
}

// The taper counts every command beside it, and burns out when the player
// leaves.
TEST_F(Ring, CountingRoom) {
    auto taper = [] { location[165] = 564; };
    check_place(564, {
        {taper, line({755}), 564, {{STOP, 2895, 0}}},
        {taper, line({747}), 563, {{0, 165, 0}}},
        {nullptr, line({747}), 563, {}},
        {taper, line({WORD_LOOK, 974}), 564, {{TYPED, 2670, VAR_ARG2}}},
    });
    fresh_world(564);
    taper();
    at_place(line({WORD_LOOK, 1013}));
    at_place(line({WORD_LOOK, 1013}));
    EXPECT_EQ(value[165], 2);
    at_place(line({750}));
    EXPECT_EQ(value[165], 3);
    EXPECT_EQ(location[165], PLACE_GONE);
}

// --- The sanctum ----------------------------------------------------------

TEST_F(Ring, SanctumCounts) {
    auto jewel = [] { carry(67); };
    auto taken = state_of(565, 4);
    check_place(565, {
        // Looking up does not count.
        {jewel, line({WORD_LOOK, 376}), 565, {{STOP_ARG, 2019, 18}}},
        {jewel, line({WORD_LOOK, 920}), 565, {{STOP_ARG, 1385, 2}}},
        // Leaving with the jewel near takes it, at any count.
        {jewel, line({758}), 565, {{ARG, 2421, 0}}},
        {[] { location[67] = 565; }, line({747}), 565, {{ARG, 2421, 0}}},
        {taken, line({758}), 565, {{STOP, 2423, 0}}},
        {taken, line({WORD_BACK}), 561, {}},
        {taken, line({WORD_LOOK, 893}), 565, {{STOP_ARG, 1385, 3}}},
        {taken, line({WORD_TAKE, 7}), 565, {{STOP, 1403, 0}}, 1, 1},
        {nullptr, line({WORD_GO, 565}), 565, {{TYPED, 2620, 565}}},
        {nullptr, line({808, 936}), 565, {{TYPED, 2493, VAR_ARG2}}},
        {nullptr, line({792, 1011}), 565, {{STOP, 1329, 0}}},
    });
    fresh_world(565);
    jewel();
    at_place(line({WORD_LOOK, 754}));
    EXPECT_EQ(value[565], 0);
    for (int i = 0; i < 4; i++) at_place(line({WORD_LOOK, 960}));
    EXPECT_EQ(value[565], 3);
    at_place(line({747}));
    EXPECT_EQ(value[565], 4);
    EXPECT_EQ(location[67], PLACE_OFFSTAGE);
    EXPECT_EQ(value[67], 1);
    EXPECT_TRUE(bitest(147, OFLAG_SEEN));
}

// Down through the opening: the lamp goes to the walk without a draw, a
// burning light stays in the hand, every other carried thing goes where
// its draw sends it (the jug arriving empty), and the player stands on the
// walk with only the scattering told.
TEST_F(Ring, Scattering) {
    fresh_world(565);
    value[565] = 4;
    carry(OBJ_LIGHT_SOURCE);
    carry(OBJ_VESSEL_MEDIUM);
    value[OBJ_VESSEL_MEDIUM] = 1;
    carry(50);
    carry(45);
    value[45] = 2;
    bitmod('s', 45, OFLAG_LIGHTABLE);
    // Object 50 draws first, then the jug.
    rseed = seed_where({5, 5}, [](const std::vector<int> &d) { return d[0] == 4 && d[1] == 0; });
    outcome o = at_place(line({755}));
    EXPECT_EQ(o.place, 547);
    EXPECT_EQ(first(o.texts, 1), std::vector<said>({{0, 2422, 0}}));
    EXPECT_EQ(o.loop, 1);
    EXPECT_EQ(o.draws, 2);
    EXPECT_FALSE(bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_MOVED));
    EXPECT_EQ(location[OBJ_LIGHT_SOURCE], 547);
    EXPECT_EQ(location[50], 548);
    EXPECT_EQ(location[OBJ_VESSEL_MEDIUM], 565);
    EXPECT_EQ(value[OBJ_VESSEL_MEDIUM], 2);
    EXPECT_EQ(location[45], PLACE_CARRIED);
    EXPECT_EQ(location[67], 565);
    EXPECT_EQ(location[147], 572);
    EXPECT_EQ(value[565], 5);
    // A two-word command that is no movement is refused instead.
    fresh_world(565);
    value[565] = 4;
    carry(50);
    o = at_place(line({WORD_TAKE, 893}));
    EXPECT_EQ(o.texts, std::vector<said>({{STOP, 1403, 0}}));
    EXPECT_EQ(location[50], PLACE_CARRIED);
}

// --- The falls and the cliff ----------------------------------------------

TEST_F(Ring, FallsAndCliff) {
    // One draw of 50: the chance is 20 in a hundred with no carrying
    // limit, 90 from a limit of 7.
    auto fifty = draws_where({100}, [](const std::vector<int> &d) { return d[0] == 50; });
    check_place(566, {
        {fifty, line({751}), 566, {{STOP, 2485, 0}}, 1, 1},
        {also(fifty, state_of(VAR_CARRY_LIMIT, 7)), line({751}), 563, {{0, 2484, 0}}, 1, 1},
        {also(fifty, state_of(VAR_CARRY_LIMIT, 30)), line({848}), 563, {{0, 2484, 0}}, 1, 1},
        // Up is the path, never the chance way.
        {nullptr, line({754}), 567, {}},
    });
    // The head of the falls: the blocked ways tell what the player knows.
    check_place(568, {
        {nullptr, line({751}), 568, {{STOP_ARG, 2630, 0}}},
        {beacon(0), line({751}), 568, {{STOP_ARG, 2630, 1}}},
        {also(beacon(0), looked_down), line({751}), 568, {{STOP_ARG, 2630, 2}}},
        {nullptr, line({WORD_GO, 1010}), 568, {{STOP, 1425, 0}}},
        {nullptr, line({WORD_LOOK, 1010}), 568, {}, 0},
    });
    check_place(569, {
        {nullptr, line({WORD_LOOK, 573}), 569, {{STOP, 2526, 0}}},
        {nullptr, line({934}), 569, {{STOP, 1773, 0}}, 1, 0},
    });
    fresh_world(569);
    value[1878] = 2;
    at_place(line({WORD_LOOK, 755}));
    EXPECT_TRUE(bitest(569, 16));
    EXPECT_EQ(value[1878], 0);
    // Every command that reaches the end draws for where a dropped thing
    // lands.
    for (bool keep : {true, false}) {
        fresh_world(569);
        rseed = seed_where({100}, [keep](const std::vector<int> &d) { return (d[0] < 50) == keep; });
        outcome o = at_place(line({WORD_TAKE, 913}));
        EXPECT_EQ(o.draws, 1);
        EXPECT_EQ(value[VAR_LANDING_PLACE], keep ? 568 : PLACE_GONE);
        EXPECT_EQ(value[VAR_LANDING_TEXT], 2567);
    }
    check_place(570, {
        {nullptr, line({762}), 563, {{0, 3467, 0}}},
        {nullptr, line({848, 921}), 570, {{STOP, 2989, 0}}},
        {nullptr, line({1073}), 570, {{TYPED, 2993, VAR_ARG2}}},
    });
}

// --- The beacon chain -----------------------------------------------------

TEST_F(Ring, BeaconChain) {
    check_place(571, {
        {nullptr, line({755}), 571, {{STOP, 2438, 0}}},
        {beacon(0), line({755}), 571, {{STOP, 2436, 0}}},
        {also(beacon(0), looked_down), line({755}), 572, {{0, 2443, 0}}},
        {nullptr, line({WORD_LOOK, 1001}), 571, {{STOP_ARG, 2854, 0}}},
        {nullptr, line({WORD_LOOK, 439}), 571, {{TYPED, 2951, 439}}},
        {nullptr, line({571}), 571, {{STOP, 1425, 0}}},
    });
    check_place(572, {
        {came_from(571), line({WORD_BACK}), 572, {{STOP, 2439, 0}}},
        {beacon(1), line({745}), 572, {{STOP, 2440, 0}}},
        {beacon(2), line({745}), 573, {{0, 2437, 0}}},
        {nullptr, line({762}), 572, {}, 0},
        {nullptr, line({790}), 572, {{STOP, 3046, 0}}},
    });
    check_place(573, {
        {beacon(2), line({746}), 573, {{TYPED, 2104, 45}}},
        {beacon(1), line({746}), 574, {}},
        {nullptr, line({848}), 573, {{STOP_ARG, 1826, 1}}},
        {nullptr, line({749}), 573, {{STOP, 2440, 0}}},
    });
    check_place(574, {
        {nullptr, line({848}), 574, {{STOP_ARG, 1826, 2}}},
        {nullptr, line({WORD_LOOK, 575}), 574, {{STOP_ARG, 2490, 0}}},
    });
}

// The first climb to the rune door is asked first; an empty answer goes on,
// a refusal stays.
TEST_F(Ring, DoorApproachAsks) {
    fresh_world(574);
    outcome o = at_place(line({757}));
    EXPECT_EQ(o.texts, std::vector<said>({{STOP, 1321, 0}}));
    EXPECT_EQ(value[VAR_QUESTION], 47);
    EXPECT_EQ(read("").place, 575);
    fresh_world(574);
    at_place(line({746}));
    EXPECT_EQ(read(line({745})).place, 574);
}

// What a description names of the place itself is answered there, looked
// at: what the player stands on or in, and the features in view.
TEST_F(Ring, FeaturesTheDescriptionsName) {
    constexpr int ON = 3245;
    expect_looks({
        {547, 962, 2595}, {550, 962, 2595}, {554, 962, 2595}, {562, 962, 2595}, {569, 921, ON}, {573, 999, ON},
        {559, 912, ON}, {560, 966, 1764}, {561, 1028, 2483},
        // Rooms under a roof, though out in the open air.
        {556, WORD_UP, 2019}, {557, 376, 2019},
        {555, 8, 1849}, {556, 8, 1849}, {557, 966, 1849}, {558, 980, ON}, {563, 974, 1849}, {572, 956, 1849},
        {557, WORD_CLIFF, 2985}, {560, WORD_CLIFF, 2985}, {564, WORD_CLIFF, 2985},
        {555, 962, 2753}, {558, 962, 2753}, {569, 962, 2753}, {571, 962, 2753}, {555, WORD_DOWN, 2753},
    });
}

}  // namespace
