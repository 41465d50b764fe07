// Groups of objects on the move: the holding place, the prowler's hoard and
// what he brings back, the theft level, the carry-off from the brink of the
// drop, and the refusal of a narrow way.
#include "harness.h"

namespace {

using namespace game_test;

constexpr int BRINK = 462, HOARD = PLACE_HOARD, CAVE = 296;
constexpr int JAR = 108, FIREFLY = 109, ORB = 81, STAND = 82;

class Holding : public GameTest {};

void portable(int obj, int place) {
    bitmod('s', obj, OFLAG_PORTABLE);
    set_location(obj, place);
}

// The theft level grows by chance up to 9, with a draw every turn; the bread
// comes back at the crossways, unseen, unless the player stands there.
TEST_F(Holding, TheTheftLevelGrows) {
    int grew = 0;
    for (int seed = 1; seed <= 200; seed++) {
        fresh_world(CAVE);
        rseed = seed;
        value[VAR_THEFT_SCALE] = 4;
        outcome o = call(p547);
        EXPECT_EQ(o.draws, 1);
        grew += value[VAR_THEFT_SCALE] == 5;
    }
    EXPECT_GT(grew, 70);
    EXPECT_LT(grew, 130);
    fresh_world(CAVE);
    value[VAR_THEFT_SCALE] = 9;
    bitmod('s', 118, OFLAG_SEEN);
    EXPECT_EQ(call(p547).draws, 1);
    EXPECT_EQ(value[VAR_THEFT_SCALE], 9);
    EXPECT_EQ(getloc(118), 495);
    EXPECT_FALSE(bitest(118, OFLAG_SEEN));
    fresh_world(495);
    call(p547);
    EXPECT_EQ(getloc(118), PLACE_OFFSTAGE);
}

// The pick from the hoard: never while the prowler's state is 0 or the theft
// level is 0; with a sure chance, one of the portable objects there.
TEST_F(Holding, PickingFromTheHoard) {
    for (int state : {0, 3}) {
        for (int scale : {0, 1}) {
            fresh_world(CAVE);
            portable(60, HOARD);
            portable(64, HOARD);
            set_location(72, HOARD);  // not portable: never picked
            value[OBJ_ATTACKER] = state;
            value[VAR_THEFT_SCALE] = scale;
            hold_ref(VAR_HOARD_PICK, 99);
            outcome o = call(p131);
            if (state && scale) {
                EXPECT_TRUE(value[VAR_HOARD_PICK] == 60 || value[VAR_HOARD_PICK] == 64);
                EXPECT_EQ(*bitword(VAR_HOARD_PICK), ref_mark);
                EXPECT_EQ(o.draws, 2);
            } else {
                EXPECT_EQ(value[VAR_HOARD_PICK], 0) << state << scale;
                EXPECT_EQ(o.draws, scale ? 1 : 0);
            }
        }
    }
}

// The prowler brings objects back pass by pass, tiring as he goes.
TEST_F(Holding, TheProwlerBringsThingsBack) {
    struct passes_case {
        int passes, state;
        int state_after, scale_after, brought;
        int at;
    };
    // Six things in the hoard make every pick below a sure one.
    const int loot[] = {43, 46, 47, 60, 64, 68};
    const passes_case cases[] = {
        {0, 3, 2, 4, 1, CAVE},            // one pass
        {1, 3, 0, 2, 3, PLACE_OFFSTAGE},  // passes until he is tired out
        {0, 1, 0, 4, 1, PLACE_OFFSTAGE},  // tired out after the first pass
        {-1, 4, 0, 5, 0, PLACE_OFFSTAGE}, // nothing brought back, the theft level untouched
        {-1, 20, 10, 5, 0, CAVE},         // at most ten passes
    };
    for (const passes_case &c : cases) {
        fresh_world(CAVE);
        for (int obj : loot) portable(obj, HOARD);
        set_location(OBJ_ATTACKER, CAVE);
        value[OBJ_ATTACKER] = c.state;
        value[VAR_THEFT_SCALE] = 5;
        static int a;
        a = c.passes;
        outcome o = call([] { return p517(num(a)); });
        EXPECT_EQ(value[OBJ_ATTACKER], c.state_after) << c.passes << " from " << c.state;
        EXPECT_EQ(getloc(OBJ_ATTACKER), c.at) << c.passes << " from " << c.state;
        int here = 0;
        for (int obj : loot) here += getloc(obj) == CAVE;
        EXPECT_EQ(here, c.brought) << c.passes << " from " << c.state;
        if (c.passes != -1) {
            EXPECT_EQ(value[VAR_THEFT_SCALE], c.scale_after);
            EXPECT_EQ(o.texts.size(), size_t(2 * c.brought));
            if (c.brought) {
                EXPECT_EQ(o.texts[0], (said{0, 3472, 0}));
                EXPECT_EQ(o.texts[1], (said{SAY_REFVAR, VAR_HOARD_PICK, 0}));
            }
        } else {
            EXPECT_EQ(value[VAR_THEFT_SCALE], 5);
            EXPECT_EQ(o.texts, std::vector<said>{});
        }
    }
    // In the dark the objects come back unseen.
    fresh_world(CAVE);
    light(false);
    portable(60, HOARD);
    value[OBJ_ATTACKER] = 2;
    value[VAR_THEFT_SCALE] = 1;
    outcome o = call([] { return p517(num(0)); });
    EXPECT_EQ(getloc(60), CAVE);
    EXPECT_EQ(o.texts, std::vector<said>{});
}

// Carried off from the brink: with nothing lying there the player always
// lands at the stepwell and keeps the rest of the typed line; with things
// lying there, they go along (the orb stays) and the rest of the line is
// dropped.
TEST_F(Holding, CarriedOffTheBrink) {
    const int to[] = {227, 250, 210, 271, 381};
    for (int seed = 1; seed <= 40; seed++) {
        fresh_world(BRINK);
        parse("look; look");
        rseed = seed;
        outcome o = call(p940);
        EXPECT_EQ(o.place, 210) << seed;
        EXPECT_EQ(o.texts, (std::vector<said>{{ARG, 1701, 0}}));
        EXPECT_EQ(o.loop, 1);
        EXPECT_EQ(o.draws, 1);
        EXPECT_FALSE(test("needcmd")) << "the rest of the line is kept";
    }
    std::map<int, int> landed;
    for (int seed = 1; seed <= 100; seed++) {
        fresh_world(BRINK);
        parse("look; look");
        portable(60, BRINK);
        portable(ORB, BRINK);
        set_location(STAND, 463);
        set_location(80, BRINK);  // the beam: not portable
        rseed = seed;
        outcome o = call(p940);
        EXPECT_EQ(o.texts, (std::vector<said>{{ARG, 1701, 1}}));
        EXPECT_EQ(getloc(60), o.place);
        EXPECT_EQ(getloc(ORB), BRINK);
        EXPECT_EQ(getloc(80), BRINK);
        EXPECT_EQ(getloc(STAND), 463);
        EXPECT_TRUE(test("needcmd")) << "the rest of the line is dropped";
        landed[o.place]++;
    }
    EXPECT_EQ(landed.size(), 5u);
    for (int p : to) EXPECT_GT(landed[p], 5) << p;
    // With the orb lying at the brink, its stand goes to the ledge below.
    fresh_world(BRINK);
    set_location(ORB, BRINK);
    set_location(STAND, 701);
    call(p940);
    EXPECT_EQ(getloc(STAND), 463);
}

// Parking: the portable things here go to the holding place and come back
// to a place in refno order, the firefly in its jar with the jar.
TEST_F(Holding, ParkingAndBringingBack) {
    fresh_world(CAVE);
    portable(60, CAVE);
    portable(64, CAVE);
    set_location(72, CAVE);  // not portable: stays
    call(p401);
    EXPECT_EQ(getloc(60), PLACE_HOLDING);
    EXPECT_EQ(getloc(64), PLACE_HOLDING);
    EXPECT_EQ(getloc(72), CAVE);

    struct pair_case {
        int jar_at, firefly_at, state;
        int jar_after, firefly_after;
    };
    const pair_case cases[] = {
        {PLACE_HOLDING, PLACE_HOLDING, 1, 201, 201},   // both parked, caught: both come
        {PLACE_HOLDING, PLACE_HOLDING, 0, 201, 201},   // both parked, loose: both come anyway
        {PLACE_HOLDING, CAVE, 1, 201, 201},            // the jar brings the caught firefly
        {PLACE_HOLDING, CAVE, 0, 201, CAVE},           // a loose firefly stays where it is
        {CAVE, PLACE_HOLDING, 1, CAVE, 201},           // the firefly alone: the jar stays
    };
    for (const pair_case &c : cases) {
        fresh_world(CAVE);
        set_location(JAR, c.jar_at);
        set_location(FIREFLY, c.firefly_at);
        value[FIREFLY] = c.state;
        call([] { return p240(ref(201)); });
        EXPECT_EQ(getloc(JAR), c.jar_after) << c.jar_at << " " << c.firefly_at << " " << c.state;
        EXPECT_EQ(getloc(FIREFLY), c.firefly_after) << c.jar_at << " " << c.firefly_at << " " << c.state;
        EXPECT_EQ(getloc(60), PLACE_OFFSTAGE);
    }
}

// A narrow way refused while a blocking object is carried.
TEST_F(Holding, ANarrowWayRefusesABlockingObject) {
    fresh_world(CAVE);
    auto refuse = [] { return p626(ref(2463), num(3)); };
    set_location(56, CAVE);
    bitmod('s', 56, OFLAG_BLOCKS_PASSAGE);
    EXPECT_EQ(call(refuse).loop, 0);
    carry(56);
    carry(60);
    outcome o = call(refuse);
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP_ARG, 2463, 3}}));
    EXPECT_EQ(o.loop, 1);
}

}  // namespace
