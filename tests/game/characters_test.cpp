// The characters that move by themselves, the delivery check and the
// orb's progress hints: where the wisp goes (never into something that is
// not a place), what calling it does, when every treasure counts as home,
// which progress hint wins, and a throw into the pool below.
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "draws.h"
#include "harness.h"

namespace {

using namespace game_test;
using texts = std::vector<said>;

// A seed whose two draws move the wisp by `step` places (negative: down).
int32_t wisp_seed(int step) {
    return seed_where({3, 100}, [step](const std::vector<int> &d) { return (d[1] <= 49 ? 1 : -1) * (1 + d[0]) == step; });
}

// The arguments of the procedures called with numbers.
int chance_a, chance_b, report;
int call_wisp() { return p658(num(chance_a), num(chance_b)); }
int check_delivery() { return p410(num(report)); }

class Characters : public GameTest {};

// The wisp flees the light by one to three places either way; a place lit,
// or kept from creatures, or no place at all (an object's refno, a refno no
// place uses) sends it to its fallback place instead.
TEST_F(Characters, WispFleesTheLight) {
    struct {
        const char *what;
        int here, step;
        std::function<void()> setup;
        int lands;
    } cases[] = {
        {"an ordinary place", 300, 2, nullptr, 302},
        {"an ordinary place below", 300, -3, nullptr, 297},
        {"a lit place", 300, 1, [] { bitmod('s', 301, PFLAG_LIT); }, 262},
        {"a creature-free place", 300, -1, [] { bitmod('s', 299, PFLAG_CREATURE_FREE); }, 262},
        {"an object's refno", 196, -2, nullptr, 262},
        {"another object's refno", 196, -3, nullptr, 262},
        {"a refno no place uses", 676, 3, nullptr, 262},
        {"the fallback place is here", 262, 1, [] { bitmod('s', 263, PFLAG_LIT); }, 264},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        fresh_world(c.here);
        set_ref(1163, 262);
        set_location(OBJ_WANDERER, c.here);
        if (c.setup) c.setup();
        rseed = wisp_seed(c.step);
        const outcome o = call(p659);
        EXPECT_EQ(location[OBJ_WANDERER], c.lands);
        EXPECT_EQ(o.texts, (texts{{0, 1778, 0}, {0, 1266, 0}}));
        EXPECT_EQ(o.draws, 2);
        EXPECT_TRUE(is_seen(OBJ_WANDERER));
    }
}

// Called (p658): with both chances 0 the two draws are still made; in the
// light it keeps away; at the chasm it carries the player over, but not
// with a load it may not carry.
TEST_F(Characters, WispCalled) {
    chance_a = chance_b = 0;
    fresh_world(300);
    outcome o = call(call_wisp);
    EXPECT_EQ(o.texts, (texts{{STOP, 1779, 0}}));
    EXPECT_EQ(o.draws, 2);

    fresh_world(303);
    light(false);
    set_location(22, 303);
    value[22] = 1;
    carry(47);
    bitmod('s', 47, OFLAG_NO_TRANSPORT);
    o = call(call_wisp);
    EXPECT_EQ(o.texts, (texts{{STOP, 2791, 0}}));
    EXPECT_EQ(o.place, 303);
    EXPECT_EQ(o.draws, 0);

    bitmod('c', 47, OFLAG_NO_TRANSPORT);
    o = call(call_wisp);
    EXPECT_EQ(o.texts, (texts{{STOP, 2790, 0}}));
    EXPECT_EQ(o.place, 304);

    // Nothing else about in the dark: it comes to the player.
    fresh_world(300);
    light(false);
    set_location(OBJ_WANDERER, 250);
    o = call(call_wisp);
    EXPECT_EQ(o.texts, (texts{{0, 1781, 0}}));
    EXPECT_EQ(o.loop, 1);
    EXPECT_EQ(location[OBJ_WANDERER], 300);
    EXPECT_EQ(value[1163], 250);

    // The spider in the dark takes fright and is gone for good: its web is
    // left torn, the sprite it held is seen, and its text keeps the change.
    fresh_world(300);
    light(false);
    set_location(90, 300);
    o = call(call_wisp);
    EXPECT_EQ(first(o.texts, 1), (texts{{0, 1782, 0}}));
    EXPECT_EQ(location[90], PLACE_GONE);
    EXPECT_EQ(value[89], 1);
    EXPECT_EQ(value[3438], 1);
    EXPECT_TRUE(is_seen(91));
}

// The delivery check: every treasure at the cottage or gone, the ledger
// wherever it is, the sunstone on the bluff, the jewel in the hand.
TEST_F(Characters, DeliveryCheck) {
    const auto delivered = [] {
        for (int obj : {47, 100, 67, 143, 170}) bitmod('s', obj, OFLAG_SCORING);
        set_location(47, PLACE_DEPOSIT);
        set_location(143, PLACE_GONE);
        set_location(170, 670);
        set_location(100, 199);
        carry(67);
    };
    struct {
        const char *what;
        std::function<void()> setup;
        int report, result, phase;
    } cases[] = {
        {"all home, asked to start phase 4", nullptr, 0, 0, 4},
        {"all home, a report", nullptr, 1, 4, 3},
        {"the bauble unseen elsewhere", [] { set_location(143, 605); }, 0, -1, 3},
        {"the bauble seen elsewhere", [] { set_location(143, 605), bitmod('s', 143, OFLAG_SEEN); }, 0, 0, 3},
        {"a treasure still out", [] { set_location(47, 250); }, 1, 0, 3},
        {"the jewel left behind", [] { set_location(67, 250); }, 1, 0, 3},
        {"the sunstone in the cottage", [] { set_location(100, PLACE_DEPOSIT); }, 1, 4, 3},
        // Present at two places, it must not pass for lying at the place after its own.
        {"the sunstone below the bluff, two-placed", [] { set_location(100, 198); bitmod('s', 100, OFLAG_TWO_PLACES); }, 1, 0, 3},
        {"in the mirrored valley", [] { value[VAR_PHASE] = 8; }, 0, 0, 8},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        fresh_world(300);
        delivered();
        if (c.setup) c.setup();
        report = c.report;
        call(check_delivery);
        EXPECT_EQ(value[VAR_RESULT], c.result);
        EXPECT_EQ(value[VAR_PHASE], c.phase);
        EXPECT_TRUE(bitest(100, OFLAG_SCORING) && bitest(67, OFLAG_SCORING));
    }
}

// The orb's hint: the lowest step not yet done wins; with every step done,
// 25 until all is home. The same hint twice running is mostly withheld.
TEST_F(Characters, ProgressHintsLowestWins) {
    const auto all_done = [] {
        for (int obj : {143, 158, 85, 145, OBJ_VESSEL_LARGE, 46, 59, 67}) bitmod('s', obj, OFLAG_SEEN);
        for (int place : {PLACE_HOARD, 565, 547, 312, 454, 279}) bitmod('s', place, PFLAG_VISITED);
        bitmod('s', 98, 13);
        bitmod('s', 63, 13);
        bitmod('s', OBJ_HEADING, 14);
        bitmod('s', 63, OFLAG_SCORING);
        value[139] = 2;
        value[453] = 1;
        value[32] = 1;
        value[125] = 1;
        set_location(25, PLACE_GONE);
        set_location(90, PLACE_GONE);
    };
    struct {
        const char *what;
        std::function<void()> undo;
        int hint;
    } cases[] = {
        {"everything done, not all home", nullptr, 25},
        {"the bauble unseen", [] { bitmod('c', 143, OFLAG_SEEN); }, 24},
        {"the bauble and the torch unseen", [] { bitmod('c', 143, OFLAG_SEEN), bitmod('c', 145, OFLAG_SEEN); }, 12},
        {"the brute in the way too", [] { bitmod('c', 143, OFLAG_SEEN), set_location(25, 385); }, 5},
        {"nothing done", [] { std::memset(&IMAGE, 0, sizeof IMAGE); }, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        fresh_world(300);
        all_done();
        if (c.undo) c.undo();
        const outcome o = call(p892);
        EXPECT_EQ(o.texts, (texts{{STOP, 1877, 0}}));
        EXPECT_EQ(value[1877], c.hint);
        EXPECT_EQ(value[1216], c.hint);
    }
    // Asked again with nothing changed: withheld when the draw is 74 or less.
    for (int32_t seed : {1, 2, 3, 4, 5, 6, 7, 8}) {
        replica r{seed};
        if (r.next(100) > 74) continue;
        fresh_world(300);
        all_done();
        value[1216] = 25;
        rseed = seed;
        call(p892);
        EXPECT_EQ(value[1877], 0) << seed;
        EXPECT_EQ(value[1216], 25);
    }
}

// Thrown into the pool below: the one carried thing when none is named; a
// thing that blocks passages is too heavy.
TEST_F(Characters, ThrownIntoThePool) {
    fresh_world(463);
    carry(47);
    rseed = 1;
    outcome o = call(p846, "throw");
    EXPECT_EQ(location[47], 502);
    EXPECT_EQ(o.loop, 1);
    ASSERT_EQ(o.texts.size(), 2u);
    EXPECT_EQ(o.texts[0], (said{SAY_ARG | SAY_ARGVAR, 2036, VAR_ARG2}));
    EXPECT_EQ(o.texts[1].quals, SAY_ARG);

    fresh_world(463);
    carry(47);
    bitmod('s', 47, OFLAG_BLOCKS_PASSAGE);
    o = call(p846, "throw ingot");
    EXPECT_EQ(o.texts, (texts{{TYPED, 3468, VAR_ARG2}}));
    EXPECT_EQ(location[47], PLACE_CARRIED);
}

}  // namespace
