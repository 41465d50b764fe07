// The shared travel rules: two-ended passages and the lodestone's heading,
// the turning gallery, the shifting ways of the dunes, the whirling cave,
// the long corridor, and the honeycomb walked cell by cell through the real
// dispatch.
#include <set>

#include "procedure_cases.h"

namespace {

using namespace game_test;

constexpr int NORTH = 745, NORTHEAST = 746, EAST = 747, SOUTHEAST = 748, SOUTH = 749, SOUTHWEST = 750, WEST = 751,
              NORTHWEST = 752, JUMP = 762;

class Passages : public ProcedureTest {};

// The passage of the woodside (196): the lane (195) lies east, the road
// (480) west; and the one-ended passage of the gallery's west end (439).
int woodside() { return p329(ref(480), ref(WEST), ref(195), ref(EAST)); }
int gallery_end() { return p329(ref(440), ref(NORTH), ref(0), ref(0)); }

void came_from(int place) { set_ref(VAR_THERE, place); }
void heading(int state, bool checked) {
    carry(OBJ_HEADING);
    value[OBJ_HEADING] = state;
    if (checked) bitmod('s', value[VAR_HERE], 7);
}

TEST_F(Passages, TwoEndedPassage) {
    check(196, {
        {"from the road", [] { came_from(480); }, line({897}), woodside, 195, {}},
        {"from the lane", [] { came_from(195); }, line({897}), woodside, 480, {}},
        {"from neither end", [] { came_from(200); }, line({897}), woodside, 196, {{STOP, 1297, 0}}},
        // The heading is checked toward the end the passage leads to.
        {"toward the lane, against the heading", [] { came_from(480); heading(3, true); }, line({897}), woodside,
         196, {{STOP_ARG, 2294, EAST}}},
        {"toward the road, the heading elsewhere", [] { came_from(195); heading(3, true); }, line({897}), woodside,
         480, {}},
        {"the heading not checked here", [] { came_from(480); heading(3, false); }, line({897}), woodside, 195,
         {}},
    });
    check(439, {
        {"one end, from anywhere", [] { came_from(200); }, line({897}), gallery_end, 440, {}},
        // State 8 and direction 1 are neighbours.
        {"one end, the heading beside it", [] { heading(8, true); }, line({897}), gallery_end, 439,
         {{STOP_ARG, 2294, NORTH}}},
    });
}

// A compass way is refused when the lodestone, carried, points that way or
// one point to either side, round the ring.
TEST_F(Passages, HeadingRefusesItsWayAndTheWaysBeside) {
    for (int state = 1; state <= 8; state++) {
        for (int dir = NORTH; dir <= NORTHWEST; dir++) {
            fresh_world(200);
            heading(state, false);
            const int apart = (dir - 744 - state + 8) % 8;
            const bool refused = apart == 0 || apart == 1 || apart == 7;
            outcome o = call([] { return p152(var(VAR_DIRECTION_WORD)); });
            EXPECT_TRUE(o.texts.empty());  // no direction yet: nothing
            set_ref(VAR_DIRECTION_WORD, dir);
            o = call([] { return p152(var(VAR_DIRECTION_WORD)); });
            const std::vector<said> want = refused ? std::vector<said>{{STOP_ARG, 2294, dir}} : std::vector<said>{};
            EXPECT_EQ(o.texts, want) << "state " << state << " dir " << dir;
            EXPECT_EQ(o.loop, refused ? 1 : 0);
        }
    }
    fresh_world(200);
    set_ref(VAR_DIRECTION_WORD, NORTH);
    value[OBJ_HEADING] = 1;  // not carried
    EXPECT_TRUE(call([] { return p152(var(VAR_DIRECTION_WORD)); }).texts.empty());
}

// The turning gallery: a cell's way on is the first compass word used to
// leave it, turned one point for every crossing to the whisper chamber.
TEST_F(Passages, TurningGallery) {
    auto way_on = [](int cell, int way, int turns) {
        return [cell, way, turns] {
            value[cell + 890] = way;
            value[1221] = turns;
        };
    };
    check(340, {
        {"first visit, any way", [] { value[1221] = 5; }, line({SOUTHWEST}), p105, 341, {}},
        {"the way on, turned twice", way_on(340, NORTH, 2), line({EAST}), p105, 341, {}},
        {"a wrong way leads back", way_on(340, NORTH, 2), line({NORTH}), p105, 339, {}},
        {"with go", way_on(340, NORTH, 0), line({WORD_GO, NORTH}), p105, 341, {}},
    });
    check(335, {
        {"the opposite of the way on", way_on(335, NORTH, 0), line({SOUTH}), p105, 333, {}},
        {"any other wrong way", way_on(335, NORTH, 0), line({EAST}), p105, 335, {}},
    });
    check(347, {
        {"side way fixed by the first wrong way", way_on(347, NORTH, 0), line({EAST}), p105, 334, {}},
        {"the side way, one point back", [way_on] { way_on(347, NORTH, 0)(); value[1223] = EAST; }, line({NORTHEAST}),
         p105, 334, {}},
        {"not the side way", [way_on] { way_on(347, NORTH, 0)(); value[1223] = EAST; }, line({EAST}), p105, 346, {}},
    });

    // What the first visit fixed.
    run_case(340, {"", [] { value[1221] = 5; }, line({SOUTHWEST}), p105, 0, {}});
    EXPECT_EQ(value[1230], SOUTHWEST);
    EXPECT_EQ(value[1221], 0);
    EXPECT_TRUE(bitest(340, PFLAG_HINT_AVAILABLE));
    EXPECT_EQ(value[VAR_DIRECTION_WORD], SOUTHWEST);
    EXPECT_EQ(*bitword(VAR_DIRECTION_WORD), ref_mark);
    // Turning back at 335: the way on and its bit for the still pool.
    run_case(335, {"", way_on(335, EAST, 0), line({WEST}), p105, 0, {}});
    EXPECT_EQ(value[1222], EAST);
    EXPECT_EQ(value[333], 2);
    run_case(347, {"", way_on(347, NORTH, 0), line({EAST}), p105, 0, {}});
    EXPECT_EQ(value[1223], EAST);

    // Eight crossings from 350 to the whisper chamber: the count runs round.
    fresh_world(350);
    value[1240] = NORTH;
    for (int k = 1; k <= 8; k++) {
        set_ref(VAR_HERE, 350);
        parse(line({NORTH + (k - 1)}));
        EXPECT_EQ(call(p105).place, 330) << k;
        EXPECT_EQ(value[1221], k % 8);
    }
}

// A closed-exit set: one draw, masked by the ways that dune may close.
TEST_F(Passages, ClosedExitSets) {
    const std::map<int, int> masks = {{594, 0x30}, {595, 0x71}, {600, 0xFE}, {610, 0xBF}, {617, 0x0B},
                                      {593, 0xFF}, {601, 0xFF}, {587, 0xFF}};
    std::set<int> at_594;
    for (int seed = 1; seed <= 60; seed++) {
        for (auto [place, mask] : masks) {
            fresh_world(place);
            rseed = seed;
            outcome o = call([] { return p808(var(VAR_HERE)); });
            EXPECT_EQ(o.draws, 1);
            EXPECT_EQ(value[place] & ~mask, 0) << place;
            if (mask == 0xFF) {
                EXPECT_TRUE(within(value[place], 1, 255)) << place;
            }
            if (place == 594) at_594.insert(value[place]);
        }
    }
    EXPECT_EQ(at_594, (std::set<int>{0x00, 0x10, 0x20, 0x30}));
}

// The dunes each turn, the player at 596 come from 595; the move is
// flagged after the command is read, as the turn's arrival part sees it.
void dunes(int closed_at_595) {
    for (int p : {595, 596}) bitmod('s', p, PFLAG_SHIFTING_EXITS);
    came_from(595);
    value[595] = closed_at_595;
    value[596] = 0x40;
    set_ref(1257, 594);
}
void moved() { bitmod('s', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_MOVED); }

TEST_F(Passages, ShiftingWays) {
    check(596, {
        // South out of 595 was closed: back there, without an arrival.
        {"through a closed way", [] { dunes(0x10); }, line({SOUTH}), p212, 595,
         {{ARG, 2313, SOUTH}, {0, 1266, 0}}, 0, 1, moved},
        {"through an open way", [] { dunes(0xEF); }, line({SOUTH}), p212, 596, {{0, 1266, 0}}, 0, 1, moved},
        {"with go", [] { dunes(0x10); }, line({WORD_GO, SOUTH}), p212, 595, {{ARG, 2313, SOUTH}, {0, 1266, 0}},
         0, 1, moved},
        // A way remembered from a word of waiting goes through once, and
        // draws this place anew.
        {"the way let through", [] { dunes(0x10); value[1213] = SOUTH; }, line({SOUTH}), p212, 596,
         {{0, 1266, 0}}, 0, 2, moved},
        // Back at the remembered place, or moved by no compass word: nothing
        // more this turn, not even the chance of a shift.
        {"back to the remembered place", [] { dunes(0x10); set_ref(1257, 596); }, line({SOUTH}), p212, 596, {},
         0, 0, moved},
        {"moved by another word", [] { dunes(0x10); }, line({WORD_BACK}), p212, 596, {}, 0, 0, moved},
        {"a first arrival draws the set", [] { dunes(0); value[596] = 0; }, line({SOUTH}), p212, 596,
         {{0, 1266, 0}}, 0, 2, moved},
        {"no move, no test", [] { dunes(0x10); }, line({SOUTH}), p212, 596, {{0, 1266, 0}}, 0, 1},
        // Not moved: the shift is certain on the seventh counted turn.
        {"seventh turn", [] { value[1260] = 6; bitmod('s', 596, PFLAG_SHIFTING_EXITS); }, line({727}), p212, 596,
         {{0, 1266, 0}, {0, 2314, 0}, {0, 1266, 0}}, 0, 2},
    });

    run_case(596, {"", [] { dunes(0x10); }, line({SOUTH}), p212, 0, {}, 0, 0, moved});
    EXPECT_EQ(value[VAR_THERE], 594);  // the remembered place
    EXPECT_FALSE(bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_MOVED));
    EXPECT_EQ(value[1212], SOUTH);
    run_case(596, {"", [] { dunes(0x10); value[1213] = SOUTH; }, line({SOUTH}), p212, 0, {}, 0, 0, moved});
    EXPECT_EQ(value[1257], 595);
    EXPECT_EQ(value[1213], 0);
    run_case(596, {"", [] { value[1260] = 6; }, line({727}), p212, 0, {}});
    EXPECT_EQ(value[1260], 0);
    EXPECT_FALSE(bitest(596, PFLAG_VISITED));

    // The chance of a shift grows by five in a hundred a turn: never on the
    // first counted turn, always on the seventh.
    for (int counted = 0; counted <= 6; counted++) {
        const int chance = counted == 6 ? 100 : 5 * counted;
        for (bool shifts : {false, true}) {
            if ((shifts && chance == 0) || (!shifts && chance == 100)) continue;
            fresh_world(596);
            value[1260] = counted;
            parse(line({727}));
            rseed = seed_for(100, [&](int r) { return (r < chance) == shifts; });
            outcome o = call(p212);
            EXPECT_EQ(o.texts.size(), shifts ? 3u : 1u) << counted;
            EXPECT_EQ(value[1260], shifts ? 0 : counted + 1);
        }
    }
}

// The words just outside the compass close no way (no bit to test).
TEST_F(Passages, WordsBesideTheCompassCloseNothing) {
    for (int word : {744, 753}) {
        fresh_world(596);
        dunes(0xFF);
        parse(line({SOUTH}));
        moved();
        value[VAR_ARG1] = word;
        outcome o = call(p212);
        EXPECT_EQ(o.place, 596) << word;
        EXPECT_EQ(o.texts, (std::vector<said>{{0, 1266, 0}}));
    }
}

TEST_F(Passages, SandsShift) {
    check(600, {
        {"standing", nullptr, line({727}), p65, 600, {{0, 1266, 0}, {0, 2314, 0}}, 0, 1},
        {"just arrived", nullptr, line({727}), p65, 600, {{0, 2314, 0}, {0, 1266, 0}}, 0, 1, moved},
    });
    run_case(600, {"", [] { set_ref(1257, 599); value[1260] = 4; }, line({727}), p65, 0, {}});
    EXPECT_EQ(value[1257], 0);
    EXPECT_EQ(*bitword(1257), 0);
    EXPECT_EQ(value[1260], 0);
    EXPECT_EQ(value[600] & ~0xFE, 0);
}

TEST_F(Passages, WhirlingCaveAndQuietPocket) {
    auto draw = [](bool out) { return [out] { rseed = seed_for(100, [out](int r) { return (r < 20) == out; }); }; };
    check(515, {
        {"thrown out", draw(true), line({NORTH}), p542, 517, {}, 1, 1},
        {"kept in", draw(false), line({NORTH}), p542, 515, {}, 1, 1},
        {"the lettering", nullptr, line({798}), p702, 515, {{STOP, 1813, 0}}},
    });
    EXPECT_EQ(value[517], 1);
}

// The long corridor: east and west step by refno, out at both ends; a jump
// is a fall; what the corridor refuses by type; what is lost there.
int type_0() { return p21(num(0)); }
int type_1() { return p21(num(1)); }
int type_2() { return p21(num(2)); }
int type_3() { return p21(num(3)); }

TEST_F(Passages, LongCorridor) {
    check(642, {
        {"west, out to the threshold", nullptr, line({WEST}), type_0, 641, {}},
        {"east", nullptr, line({WORD_GO, EAST}), type_0, 643, {}},
        dying({"a jump at the west end", nullptr, line({JUMP}), type_0, PLACE_GONE, {{ARG, 2447, 0}}}),
        {"the walls are refused", nullptr, line({936}), type_0, 642, {{STOP, 1403, 0}}, 1, 1},
    });
    check(645, {
        dying({"a jump down counts as a move", nullptr, line({JUMP, WORD_DOWN}), type_2, PLACE_GONE,
               {{ARG, 2447, 1}}}),
        {"the columns are refused", nullptr, line({1069}), type_2, 645, {{STOP, 1403, 0}}, 1, 1},
        {"the threshold is refused at every type", nullptr, line({641}), type_3, 645, {{STOP, 1403, 0}}, 1, 1},
        {"the light is not refused at type 2", nullptr, line({779}), type_2, 645, {}, 0},
        {"the light is refused at type 1", nullptr, line({779}), type_1, 645, {{STOP, 1403, 0}}, 1, 1},
    });
    check(649, {
        {"east, out to the last place", nullptr, line({EAST}), type_3, 650, {}},
        dying({"a jump at the east end", nullptr, line({JUMP}), type_3, PLACE_GONE, {{ARG, 2447, 2}}}),
    });

    run_case(645, {"", nullptr, line({WORD_DROP, OBJ_LIGHT_SOURCE}), type_2, 0, {}});
    for (auto [v, want] : {std::pair{VAR_LANDING_PLACE, PLACE_GONE}, {VAR_DROP_PLACE, PLACE_GONE},
                           {VAR_LANDING_TEXT, 2427}, {VAR_DROP_TEXT, 2428}}) {
        EXPECT_EQ(value[v], want) << v;
        EXPECT_EQ(*bitword(v), ref_mark) << v;
    }
}

int look_0() { return p22(num(0)); }
int look_1() { return p22(num(1)); }
int look_2() { return p22(num(2)); }

TEST_F(Passages, CorridorAndHoneycombLooks) {
    struct look_case {
        game_proc proc;
        int word, text;
    };
    const look_case cases[] = {
        {look_0, 641, 3034}, {look_1, 641, 3034}, {look_2, 641, 3034}, {look_0, 936, 3038}, {look_0, 203, 3039},
        {look_0, 1070, 3039}, {look_0, 1065, 3055}, {look_1, 978, 2827}, {look_1, 755, 2827},
        {look_1, 1065, 2827}, {look_2, 1069, 3036}, {look_2, 961, 3036}, {look_2, 755, 3040},
        {look_2, 1065, 3040}, {look_2, 978, 2827},
        // Words of another type are left to the look word.
        {look_1, 936, 0}, {look_2, 779, 0}, {look_0, 978, 0},
    };
    for (const look_case &c : cases) {
        outcome o = run_case(651, {"", nullptr, line({WORD_LOOK, c.word}), c.proc, 0, {}});
        const std::vector<said> want = c.text ? std::vector<said>{{STOP, c.text, 0}} : std::vector<said>{};
        EXPECT_EQ(o.texts, want) << c.word;
    }
    // The light has four looks, in turn.
    EXPECT_EQ(run_case(651, {"", nullptr, line({WORD_LOOK, 779}), look_1, 0, {}}).texts,
              (std::vector<said>{{STOP, 3037, 0}}));
}

// A lost player turned back again and again in the honeycomb hears the
// refusal in its three wordings in turn.
TEST_F(Passages, HoneycombRefusalVaries) {
    fresh_world(652);
    std::set<std::string> wordings;
    for (int i = 0; i < 3; i++) {
        zap_text();
        EXPECT_EQ(at_place(line({NORTH})).texts, (std::vector<said>{{TYPED, 2425, VAR_ARG1}}));
        wordings.insert(support::Session::pending());
    }
    EXPECT_EQ(wordings.size(), 3u);
}

// The honeycomb through dispatch: every compass way a cell has no exit for
// is refused naming that way, typed alone or after "go"; a jump down is a
// fall, a jump alone nothing; whatever is put down is lost.
TEST_F(Passages, HoneycombWalk) {
    for (int cell = 651; cell <= 670; cell++) {
        int exits = 0, refused = 0;
        for (int way = NORTH; way <= NORTHWEST; way++) {
            fresh_world(cell);
            outcome o = at_place(line({way}));
            if (o.place != cell) {
                exits++;
                continue;
            }
            refused++;
            EXPECT_EQ(o.texts, (std::vector<said>{{TYPED, 2425, VAR_ARG1}})) << cell << " " << way;
            const std::string shown = arg1_word;
            fresh_world(cell);
            o = at_place(line({WORD_GO, way}));
            EXPECT_EQ(o.texts, (std::vector<said>{{TYPED, 2425, VAR_ARG1}})) << cell << " go " << way;
            EXPECT_EQ(value[VAR_ARG1], way);
            EXPECT_EQ(std::string(arg1_word), shown) << cell << " go " << way;
        }
        EXPECT_EQ(exits + refused, 8);
        EXPECT_GE(refused, 4) << cell;

        fresh_world(cell);
        EXPECT_EQ(at_place(line({JUMP})).texts, (std::vector<said>{{STOP, 2781, 0}})) << cell;
        fresh_world(cell);
        outcome o = at_place(line({JUMP, WORD_DOWN}));
        EXPECT_EQ(o.place, PLACE_GONE) << cell;
        EXPECT_EQ(first(o.texts, 1), (std::vector<said>{{ARG, 2447, cell >= 668 ? 0 : 1}})) << cell;
        EXPECT_EQ(o.loop, 1) << cell;

        fresh_world(cell);
        carry(OBJ_LIGHT_SOURCE);
        o = at_place(line({WORD_DROP, OBJ_LIGHT_SOURCE}));
        EXPECT_EQ(o.loop, 0) << cell;
        EXPECT_EQ(value[VAR_DROP_PLACE], PLACE_GONE) << cell;
        EXPECT_EQ(value[VAR_DROP_TEXT], 2428) << cell;
        EXPECT_EQ(value[VAR_LANDING_PLACE], PLACE_GONE) << cell;
        EXPECT_EQ(value[VAR_LANDING_TEXT], 2427) << cell;
    }
}

}  // namespace
