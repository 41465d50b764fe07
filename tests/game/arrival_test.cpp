// The arrival and the events of every turn (p4 and p5): nothing happens
// while a question waits; the order of the random draws of a turn without a
// move, checked against the generator run by hand; the arrived mark; the
// prowler's retreat at both outcomes of its draw; the lamp burning per
// arrival and its refills; the phase timer; the corridor's remarks; the eel,
// the wraith's countdown, the turn limit, the end of the flight on the cloth,
// and the giant's countdown before the sluice's hazard.
#include <cstring>
#include <functional>
#include <vector>

#include "draws.h"
#include "harness.h"

namespace {

using namespace game_test;
using texts = std::vector<said>;

constexpr said DESCRIBE_HERE{SAY_REFVAR, VAR_HERE, 0};

class Arrival : public GameTest {
protected:
    static int moved() { return bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_MOVED); }
    static int arrived() { return bitest(VAR_QUESTION, VFLAG_QUESTION_ARRIVED); }
    // The player has just moved from `from` to the place here.
    static void arrive_from(int from) {
        set_ref(VAR_THERE, from);
        bitmod('s', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_MOVED);
    }
    // A seed for the retreat: the turn's first draw (the theft level's
    // chance) leaves the theft level alone, the second puts the player back
    // or not.
    static int32_t retreat_seed(bool back) {
        return seed_where({100, 100}, [back](const std::vector<int> &d) { return d[0] >= 4 && (d[1] < 97) == back; });
    }
};

TEST_F(Arrival, NothingHappensWhileAQuestionWaits) {
    fresh_world(495);
    value[VAR_QUESTION] = Q_HELP_OFFER;
    arrive_from(494);
    set_location(94, 495);          // the eel
    set_location(46, PLACE_CARRIED);  // the fuse, lit
    value[46] = 5;
    value[VAR_TURNS] = 8000;
    state_image before = IMAGE;
    const outcome o = call(p4);
    const outcome o5 = call(p5);
    EXPECT_TRUE(o.texts.empty() && o5.texts.empty());
    EXPECT_EQ(o.draws + o5.draws, 0);
    before.value[VAR_STATUS_WORD] = value[VAR_STATUS_WORD];  // the test itself is folded there
    EXPECT_EQ(std::memcmp(&before, &IMAGE, IMAGE_SIZE), 0);
}

// A question number that no answer is routed for stays pending: the input
// goes on as a command, and the events of the turn never run again.
TEST_F(Arrival, UnroutedQuestionHoldsTheEvents) {
    fresh_world(300);
    value[VAR_QUESTION] = 60;
    set_location(94, 300);
    const outcome o = read("north");
    EXPECT_EQ(o.loop, 0);
    EXPECT_EQ(value[VAR_QUESTION], 60);
    EXPECT_EQ(call(p4).draws + call(p5).draws, 0);
    EXPECT_EQ(value[94], 0);
}

// A turn without a move at the crossways, in phases 2 and 3, with the
// prowler, the imp and an unseen outlet about and the hint timer run out:
// every draw is taken where and when the turn cycle gives it, so the
// outcome of each seed follows from the generator run by hand.
TEST_F(Arrival, DrawsOfATurnWithoutAMoveComeInOrder) {
    int checked = 0;
    for (int phase : {2, 3}) {
        for (int32_t seed = 1; seed <= 300; seed++) {
            SCOPED_TRACE(testing::Message() << "phase " << phase << ", seed " << seed);
            fresh_world(495);
            bitmod('c', 495, PFLAG_LIT);  // dark, but the lamp gives light
            value[VAR_PHASE] = phase;
            set_location(OBJ_ATTACKER, 495);
            carry(OBJ_LIGHT_SOURCE);
            value[OBJ_LIGHT_SOURCE] = 1;
            value[VAR_LIGHT_POWER] = 100;
            set_location(5, 495);  // the imp, in its chest, watching
            bitmod('s', 5, 13);
            value[VAR_HINT_TIMER] = 1;
            value[VAR_RESERVE] = 1000;
            value[1209] = 35;  // the prowler's chance to strike, as every turn leaves it
            value[1248] = 12;
            rseed = seed;

            replica r{seed};
            long draws = 0;
            auto draw = [&](int n) {
                draws++;
                return r.next(n);
            };
            // p4: the theft level's chance (made every turn), then the
            // prowler's strike; p5: the hint, the outlet, the imp.
            const int theft = draw(100);
            if (phase == 3 && theft < 4) continue;  // would run the theft level, built elsewhere
            if (draw(100) < 35) draw(2);             // strikes: never more than a miss in state 0
            draw(100);                               // the hint, suited or not (the prowler is near)
            draw(100);                               // the outlet, found or not (not a moment for it)
            const bool imp = draw(100) < 20;

            const outcome o4 = call(p4);
            const outcome o5 = call(p5);
            EXPECT_EQ(o4.draws + o5.draws, draws);
            EXPECT_EQ(rseed, r.seed);
            EXPECT_EQ(o5.texts, (imp ? texts{{0, 2338, 0}} : texts{}));
            EXPECT_EQ(bitest(5, 13), imp ? 0 : 1);
            checked++;
        }
    }
    EXPECT_GT(checked, 500);
}

// The arrived mark: set on an arrival, cleared by a turn without a move and
// by the prowler's retreat, so that a look right after a move counts once.
TEST_F(Arrival, ArrivedMarkLastsOneTurn) {
    fresh_world(300);
    arrive_from(299);
    call(p4);
    EXPECT_TRUE(arrived());

    bitmod('c', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_MOVED);  // the next command is read
    call(p4);
    EXPECT_FALSE(arrived());

    // Sent back by the prowler: no arrival counts.
    fresh_world(300);
    bitmod('s', VAR_QUESTION, VFLAG_QUESTION_ARRIVED);
    arrive_from(301);
    bitmod('s', 301, 11);
    set_location(OBJ_ATTACKER, 301);
    rseed = retreat_seed(true);
    call(p4);
    EXPECT_EQ(here(), 301);
    EXPECT_FALSE(arrived());
}

// Coming from a place with place flag 11 where the prowler stands: put back
// there 97 times in 100, else the way is clear (in the dark, the darkness's
// death first).
TEST_F(Arrival, ProwlersRetreatAtItsTwoOutcomes) {
    const auto setup = [this] {
        fresh_world(300);
        arrive_from(301);
        bitmod('s', 301, 11);
        set_location(OBJ_ATTACKER, 301);
    };
    setup();
    rseed = retreat_seed(true);
    outcome o = call(p4);
    EXPECT_EQ(o.place, 301);
    EXPECT_EQ(value[VAR_THERE], 300);
    EXPECT_EQ(o.texts, (texts{{0, 1284, 0}}));
    EXPECT_EQ(o.loop, 0);
    EXPECT_FALSE(moved());
    EXPECT_TRUE(bitest(OBJ_ATTACKER, OFLAG_BLOCKS_PASSAGE));

    // The 3 in 100: the arrival goes on and the place is described.
    setup();
    rseed = retreat_seed(false);
    o = call(p4);
    EXPECT_EQ(o.place, 300);
    ASSERT_FALSE(o.texts.empty());
    EXPECT_EQ(o.texts[0], DESCRIBE_HERE);
    EXPECT_EQ(value[VAR_ARRIVALS], 1);

    // ... and in the dark the fall of the dark comes first.
    setup();
    light(false);
    bitmod('c', 300, PFLAG_LIT);
    rseed = retreat_seed(false);
    o = call(p4);
    EXPECT_EQ(first(o.texts, 1), (texts{{0, 2091, 0}}));
}

// The lamp burns one unit per arrival while it is near and lit; at 40 it
// warns (or is refilled to 400 from the canister), at 0 it goes out (or the
// canister adds 400, or in phase 5 the eyrie's phase begins).
TEST_F(Arrival, LampBurnsPerArrival) {
    struct lamp_case {
        const char *what;
        std::function<void()> setup;
        int power, lamp_state;  // after the arrival
        texts said;             // the first texts
    };
    const std::vector<lamp_case> cases = {
        {"a plain arrival", [] {}, 99, 1, {DESCRIBE_HERE}},
        {"in the hall of glimmers", [] { set_ref(VAR_HERE, 315); }, 100, 1, {}},
        {"dimmed by the warning", [] { value[OBJ_LIGHT_SOURCE] = 2; }, 100, 2, {DESCRIBE_HERE}},
        {"the warning", [] { value[VAR_LIGHT_POWER] = 41; }, 40, 2, {{SAY_ARG, 1483, 0}, DESCRIBE_HERE}},
        {"the warning in the warren",
         [] {
             value[VAR_LIGHT_POWER] = 41;
             set_ref(VAR_HERE, 230);
             bitmod('s', 230, PFLAG_LIT);
         },
         40, 2, {{SAY_ARG, 1483, 1}}},
        {"the warning with the canister to hand",
         [] {
             value[VAR_LIGHT_POWER] = 41;
             carry(OBJ_LIGHT_REFILL);
             value[OBJ_LIGHT_REFILL] = 1;
         },
         400, 1, {{0, 1488, 0}, DESCRIBE_HERE}},
        {"the warning with the canister seen elsewhere",
         [] {
             value[VAR_LIGHT_POWER] = 41;
             bitmod('s', OBJ_LIGHT_REFILL, OFLAG_SEEN);
         },
         40, 1, {{0, 1487, 0}, DESCRIBE_HERE}},
        {"out of oil", [] { value[VAR_LIGHT_POWER] = 1; }, 0, 0, {{0, 1484, 0}}},
        {"out of oil, the canister to hand",
         [] {
             value[VAR_LIGHT_POWER] = 1;
             carry(OBJ_LIGHT_REFILL);
             value[OBJ_LIGHT_REFILL] = 1;
         },
         400, 1, {{0, 1488, 0}, DESCRIBE_HERE}},
    };
    for (const lamp_case &c : cases) {
        SCOPED_TRACE(c.what);
        fresh_world(300);
        bitmod('c', 300, PFLAG_LIT);
        carry(OBJ_LIGHT_SOURCE);
        value[OBJ_LIGHT_SOURCE] = 1;
        value[VAR_LIGHT_POWER] = 100;
        c.setup();
        arrive_from(299);
        const outcome o = call(p4);
        EXPECT_EQ(value[VAR_LIGHT_POWER], c.power);
        EXPECT_EQ(value[OBJ_LIGHT_SOURCE], c.lamp_state);
        EXPECT_EQ(first(o.texts, c.said.size()), c.said);
    }
    // In phase 5, the lamp going out starts the eyrie's phase.
    fresh_world(300);
    value[VAR_PHASE] = 5;
    carry(OBJ_LIGHT_SOURCE);
    value[OBJ_LIGHT_SOURCE] = 1;
    value[VAR_LIGHT_POWER] = 1;
    arrive_from(299);
    const outcome o = call(p4);
    EXPECT_EQ(o.texts, (texts{{0, 1423, 0}}));
    EXPECT_EQ(o.place, 447);
    EXPECT_EQ(o.loop, 1);
    EXPECT_EQ(value[VAR_PHASE], 6);
}

// A lit arrival takes 3 from the phase timer at a new place and 2 at a
// visited one, nothing at a place with place flag 7.
TEST_F(Arrival, PhaseTimerRunsDownPerLitArrival) {
    struct {
        bool visited, flag7;
        int timer;
    } cases[] = {{false, false, 17}, {true, false, 18}, {false, true, 20}};
    for (const auto &c : cases) {
        fresh_world(300);
        value[VAR_PHASE_TIMER] = 20;
        if (c.visited) bitmod('s', 300, PFLAG_VISITED);
        if (c.flag7) bitmod('s', 300, 7);
        arrive_from(299);
        call(p4);
        EXPECT_EQ(value[VAR_PHASE_TIMER], c.timer) << c.visited << c.flag7;
        EXPECT_TRUE(is_visited(300));
    }
}

// The long corridor and the honeycomb are lit, and their remarks follow the
// description; in the dark at the threshold the darkness is told once.
TEST_F(Arrival, CorridorRemarksFollowTheDescription) {
    for (auto [place, remark] : {std::pair{652, 2785}, {649, 2786}, {666, 2785}}) {
        fresh_world(place);
        arrive_from(place - 1);
        const outcome o = call(p4);
        EXPECT_EQ(first(o.texts, 2), (texts{DESCRIBE_HERE, {0, remark, 0}})) << place;
    }
    fresh_world(641);
    bitmod('c', 641, PFLAG_LIT);
    light(false);
    arrive_from(640);
    bitmod('s', 640, PFLAG_LIT);  // no fall: the way behind was lit
    const outcome o = call(p4);
    EXPECT_EQ(o.texts, (texts{{0, 1313, 0}}));
}

// The eel: the sixth turn near it is the last.
TEST_F(Arrival, EelKillsOnTheSixthTurn) {
    fresh_world(501);
    value[VAR_RESERVE] = 1000;
    set_location(94, 501);
    carry(118);
    for (int turn = 1; turn <= 6; turn++) {
        const outcome o = call(p5);
        EXPECT_EQ(first(o.texts, 1), (texts{{0, 1993, 0}})) << turn;
        EXPECT_EQ(o.place, turn < 6 ? 501 : 502) << turn;
    }
    EXPECT_EQ(value[94], 0);
    EXPECT_EQ(location[118], PLACE_OFFSTAGE);
}

// The wraith's countdown runs on every turn start, with or without a move,
// once the flag that starts it is set; a question waiting holds it.
TEST_F(Arrival, WraithCountsDownEveryTurn) {
    fresh_world(300);
    bitmod('s', VAR_GAME_FLAGS, 0);
    value[18] = 1;
    EXPECT_EQ(call(p4).texts, (texts{{0, 2012, 0}}));
    arrive_from(299);
    EXPECT_EQ(first(call(p4).texts, 1), (texts{{0, 2012, 0}}));
    value[VAR_QUESTION] = Q_QUIT;
    call(p4);
    EXPECT_EQ(value[18], 3);
}

TEST_F(Arrival, TurnLimitEndsTheGame) {
    for (int turns : {7776, 7777}) {
        fresh_world(300);
        value[VAR_RESERVE] = 1000;
        value[VAR_TURNS] = turns;
        const outcome o = call(p5);
        EXPECT_EQ(first(o.texts, 1), (turns == 7777 ? texts{{SAY_ARG, 1564, 7777}} : texts{})) << turns;
    }
}

// The flight on the cloth: while its count lasts the turn start at the open
// sky only opens a new line; once it has run out the player is set down on
// the ring walk, where the raft of reeds is seen, and the turn ends.
TEST_F(Arrival, FlightEndsOnTheRingWalk) {
    for (int left : {1, 0}) {
        fresh_world(586);
        value[586] = left;
        const outcome o = call(p4);
        const texts told = left ? texts{{0, 1266, 0}} : texts{{0, 1266, 0}, {0, 2520, 0}};
        EXPECT_EQ(o.texts, told) << left;
        EXPECT_EQ(o.place, left ? 586 : 547) << left;
        EXPECT_EQ(o.loop, left ? 0 : 1) << left;
        EXPECT_EQ(bool(bitest(154, OFLAG_SEEN)), left == 0) << left;
    }
}

// The giant's countdown runs before the sluice's hazard: once it has run
// out, a giant that has been seen goes back to sleep first, and the hazard
// finds nothing to do; an unseen one leaves the hazard its draw.
TEST_F(Arrival, GiantCountdownComesBeforeTheSluice) {
    for (bool giant_seen : {true, false}) {
        fresh_world(453);
        value[194] = 1;
        value[1244] = 1;
        value[1245] = -1;
        value[VAR_HINT_TIMER] = 50;
        if (giant_seen) bitmod('s', 194, OFLAG_SEEN);
        const outcome o = call(p5);
        if (giant_seen) {
            EXPECT_EQ(value[194], 0);
        }
        // The three draws of every turn (the hint's, the outlet's and the
        // imp's chances), and one more for the sluice's.
        EXPECT_EQ(o.draws, giant_seen ? 3 : 4);
    }
}

}  // namespace
