// The phases and their scheduler, and the paid help: what the scheduler does
// by phase (nothing but the event mark at the timeless chamber or with the
// fuse lit, phase 5 from phase 4, the one postponement of phase 6, phase 6
// and the eyrie), the carry-off test's draw made whatever decides it, the
// prowler following, the phantom's sweep; the offer -> price -> hint cycle,
// its decline and its unclear answers, the offers' rows, and the quirks the
// paid help keeps.
#include <functional>
#include <string>
#include <vector>

#include "harness.h"

namespace {

using namespace game_test;
using texts = std::vector<said>;

constexpr said OFFER{SAY_REFVAR | SAY_STOP, VAR_PROMPT_TEXT, 0};
constexpr said HINT{SAY_REFVAR, VAR_PROMPT_TEXT, 0};
constexpr said PRICE{SAY_ARG, 1473, 10};
constexpr said STILL_WANT{SAY_STOP, 1474, 0};

class Phases : public GameTest {
protected:
    static int event_told() { return bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_EVENT); }
    // The stepwell visited and the lizard gone, at a place not lit of
    // itself: the scheduler's world events may happen.
    static void events_open() {
        bitmod('s', 210, PFLAG_VISITED);
        set_location(9, PLACE_GONE);
        bitmod('c', here(), PFLAG_LIT);
    }
    // A place where help is offered.
    void help_world(int place) {
        fresh_world(place);
        bitmod('s', place, PFLAG_HINT_AVAILABLE);
    }
};

// ---------------------------------------------------------------------------
// The scheduler.

TEST_F(Phases, SchedulerByPhase) {
    struct phase_case {
        const char *what;
        std::function<void()> setup;
        int phase, timer, place;
        texts said;
    };
    const std::vector<phase_case> cases = {
        {"at the timeless chamber", [] { set_ref(VAR_HERE, PLACE_INTRO); }, 3, 0, PLACE_INTRO, {}},
        {"with the fuse burning", [] { value[46] = 2; }, 3, 0, 300, {}},
        {"phase 4 starts phase 5",
         [] {
             value[VAR_PHASE] = 4;
             set_location(OBJ_ATTACKER, 300);
             value[OBJ_ATTACKER] = 3;
         },
         5, 30, 300, {{0, 1420, 0}, {SAY_ARG | SAY_ARGVAR, 1526, OBJ_ATTACKER}}},
        {"phase 5 postponed once",
         [] {
             value[VAR_PHASE] = 5;
             bitmod('s', VAR_GAME_FLAGS, 3);
         },
         5, 15, 300, {}},
        {"phase 5 runs out", [] { value[VAR_PHASE] = 5; }, 6, 999, 447, {{0, 1423, 0}}},
    };
    for (const phase_case &c : cases) {
        SCOPED_TRACE(c.what);
        fresh_world(300);
        c.setup();
        const outcome o = call(p272);
        EXPECT_EQ(value[VAR_PHASE], c.phase);
        EXPECT_EQ(value[VAR_PHASE_TIMER], c.timer);
        EXPECT_EQ(o.place, c.place);
        EXPECT_EQ(o.texts, c.said);
        EXPECT_EQ(o.draws, 0);
        EXPECT_TRUE(event_told());
        EXPECT_FALSE(bitest(VAR_GAME_FLAGS, 3));
    }
}

TEST_F(Phases, PhasesFiveAndSixResetTheWorld) {
    fresh_world(300);
    value[VAR_PHASE] = 4;
    value[VAR_THEFT_SCALE] = 6;
    set_location(OBJ_ATTACKER, 250);
    call(p272);
    EXPECT_EQ(value[1206], 30);
    EXPECT_EQ(location[OBJ_ATTACKER], PLACE_OFFSTAGE);
    EXPECT_EQ(value[VAR_THEFT_SCALE], 0);
    EXPECT_EQ(value[163], 1000);

    // Phase 6: what is carried and portable is put down, the lamp is spent,
    // the marks of flag 18 are gone, and the player is at the eyrie.
    fresh_world(300);
    value[VAR_PHASE] = 5;
    carry(OBJ_LIGHT_SOURCE);
    bitmod('s', OBJ_LIGHT_SOURCE, OFLAG_PORTABLE);
    value[VAR_LIGHT_POWER] = 200;
    carry(OBJ_WANDERER);  // not portable: kept
    bitmod('s', 60, 18);
    bitmod('s', 195, 7);
    bitmod('s', 195, PFLAG_VISITED);
    call(p272);
    EXPECT_EQ(location[OBJ_LIGHT_SOURCE], 300);
    EXPECT_EQ(location[OBJ_WANDERER], PLACE_CARRIED);
    EXPECT_EQ(value[VAR_LIGHT_POWER], 0);
    EXPECT_FALSE(bitest(60, 18));
    EXPECT_FALSE(is_visited(195));
    EXPECT_EQ(here(), 447);
    // The previous place is cleared and then set again by the move itself.
    EXPECT_EQ(value[VAR_THERE], 300);
}

// The carry-off test draws its 10 % chance every time it is made, also when
// the phantom's mark already decides it: the timer's draw, that chance, and
// the new timer of the sweep that found nothing.
TEST_F(Phases, CarryOffDrawsWhateverDecides) {
    fresh_world(300);
    events_open();
    bitmod('s', 20, 13);
    const outcome o = call(p272);
    EXPECT_EQ(o.texts, (texts{{0, 1418, 0}}));
    EXPECT_EQ(o.draws, 3);
    EXPECT_TRUE(bitest(20, 13));
}

// The prowler near: no carry-off, and he follows (his first coming told).
TEST_F(Phases, ProwlerFollows) {
    fresh_world(300);
    events_open();
    value[VAR_THEFT_SCALE] = 4;
    bitmod('s', 124, OFLAG_SEEN);
    set_location(OBJ_ATTACKER, 300);
    bitmod('s', OBJ_ATTACKER, 14);
    const outcome o = call(p272);
    EXPECT_EQ(o.texts, (texts{{0, OBJ_ATTACKER, 0}}));
    EXPECT_EQ(value[OBJ_ATTACKER], 1);
    EXPECT_TRUE(bitest(OBJ_ATTACKER, 13));
    EXPECT_FALSE(bitest(OBJ_ATTACKER, 14));
    EXPECT_EQ(value[1206], value[VAR_PHASE_TIMER]);

    // Before the axe is found, the axe turns up instead.
    fresh_world(300);
    events_open();
    value[VAR_THEFT_SCALE] = 4;
    set_location(OBJ_ATTACKER, 300);
    bitmod('s', 222, PFLAG_VISITED);
    EXPECT_EQ(call(p272).texts, (texts{{0, 1285, 0}}));
    EXPECT_EQ(location[124], 300);
    EXPECT_EQ(value[OBJ_ATTACKER], 0);
}

// The phantom's sweep: the treasures near go to the warren's dead end, but
// not the sunstone, nor a lit candle in the hand.
TEST_F(Phases, PhantomSweepsTreasures) {
    fresh_world(300);
    for (int obj : {47, 48, 65, 100}) bitmod('s', obj, OFLAG_SCORING);
    carry(47);
    set_location(48, 300);
    carry(65);
    bitmod('s', 65, OFLAG_LIGHTABLE);
    value[65] = 2;
    carry(100);
    const outcome o = call(+[] { return p671(num(1)); });
    EXPECT_EQ(o.texts, (texts{{0, 1419, 0}}));
    EXPECT_EQ(location[47], 251);
    EXPECT_EQ(location[48], 251);
    EXPECT_EQ(location[65], PLACE_CARRIED);
    EXPECT_EQ(location[100], PLACE_CARRIED);
    EXPECT_TRUE(bitest(100, OFLAG_SCORING));
    EXPECT_TRUE(is_seen(20));
    EXPECT_EQ(location[52], 251);
}

// ---------------------------------------------------------------------------
// The paid help.

// The offer, the price, the hint: ten points, and the place's offers put
// away; the hint is the text after the offer.
TEST_F(Phases, HelpOfferPriceAndHint) {
    help_world(203);
    outcome o = call(p405);
    EXPECT_EQ(o.texts, (texts{{0, 1266, 0}, OFFER}));
    EXPECT_EQ(value[VAR_PROMPT_TEXT], 1353);
    EXPECT_EQ(*bitword(VAR_PROMPT_TEXT), ref_mark);
    EXPECT_EQ(value[VAR_QUESTION], Q_HELP_OFFER);

    o = read("lamp");  // not an answer: asked again
    EXPECT_EQ(o.texts, (texts{{0, 1268, 0}, OFFER}));
    EXPECT_EQ(value[VAR_QUESTION], Q_HELP_OFFER);

    o = read("yes");
    EXPECT_EQ(o.texts, (texts{PRICE, STILL_WANT}));
    EXPECT_EQ(value[VAR_QUESTION], Q_HELP_CONFIRM);

    o = read("lamp");
    EXPECT_EQ(o.texts, (texts{{0, 1268, 0}, STILL_WANT}));
    EXPECT_EQ(value[VAR_QUESTION], Q_HELP_CONFIRM);

    o = read("");  // a blank answer accepts
    EXPECT_EQ(o.texts, (texts{HINT}));
    EXPECT_EQ(o.loop, 1);
    EXPECT_EQ(value[VAR_PROMPT_TEXT], 1353);
    EXPECT_EQ(value[VAR_PENALTY_POINTS], 10);
    EXPECT_EQ(value[VAR_QUESTION], Q_NONE);
    EXPECT_FALSE(bitest(203, PFLAG_HINT_AVAILABLE));
    EXPECT_FALSE(wording({0, 1354, 0}).empty());
}

// Declined: the place (and its maze) is marked, and only the help word
// brings another offer there.
TEST_F(Phases, HelpDeclined) {
    for (const char *answer : {"no", "quit"}) {
        help_world(230);
        for (int p = 227; p <= 252; p++) bitmod('s', p, PFLAG_HINT_AVAILABLE);
        call(p405);
        if (std::string(answer) == "quit") read("yes");  // declined at the price
        const outcome o = read(answer);
        EXPECT_EQ(o.texts, (texts{{SAY_STOP, 1871, 0}})) << answer;
        EXPECT_EQ(value[VAR_QUESTION], Q_NONE);
        EXPECT_TRUE(bitest(230, PFLAG_HINT_DECLINED));
        EXPECT_TRUE(bitest(251, PFLAG_HINT_DECLINED));
        EXPECT_EQ(value[VAR_PENALTY_POINTS], 0);
    }
    EXPECT_TRUE(call(p405).texts.empty());
    EXPECT_EQ(call(p405, "help").texts, (texts{{0, 1266, 0}, OFFER}));
}

// Which offer each situation gets; 0 is no offer (and no question).
TEST_F(Phases, OffersByPlace) {
    struct offer_case {
        const char *what;
        int place;
        std::function<void()> setup;
        std::string command;
        int offer;
    };
    const auto firefly = [] { set_location(109, 208); };
    const auto lizard = [] { set_location(9, 214); };
    const std::vector<offer_case> cases = {
        {"the hatch, the key in the pack", 203, [] { carry(OBJ_OPENER); }, "", 0},
        {"the firefly, the wand carried", 208, [=] { firefly(), carry(110); }, "", 1304},
        {"the firefly", 208, firefly, "", 1306},
        {"the firefly, baited", 208, [=] { firefly(), bitmod('s', VAR_GAME_FLAGS_3, 3); }, "", 0},
        {"the lizard", 214, lizard, "", 1308},
        {"the lizard, fed", 214, [=] { lizard(), set_location(109, PLACE_GONE); }, "", 1310},
        {"the lizard again", 214, [=] { lizard(), bitmod('s', VAR_GAME_FLAGS_2, 0); }, "", 2071},
        {"the lizard again, asked", 214, [=] { lizard(), bitmod('s', VAR_GAME_FLAGS_2, 0); }, "help", 0},
        {"the turning gallery", 340, nullptr, "", 1800},
        {"the turning gallery, asked", 340, nullptr, "help", 0},
        {"the basin", 322, nullptr, "", 0},
        {"the basin, asked", 322, nullptr, "help", 1926},
        {"the griffin anywhere", 300, [] { set_location(85, 300); }, "", 2404},
        {"the timeless chamber, before play", PLACE_INTRO, [] { value[VAR_PHASE] = 2; }, "", 1277},
        {"the timeless chamber, at the end", PLACE_INTRO, [] { value[VAR_PHASE] = 7; }, "", 2664},
        {"the timeless chamber, words said", PLACE_INTRO, [] { value[1207] = 3; }, "", 0},
        {"the dunes", 600, [] { bitmod('s', 600, 15); }, "", 2649},
        {"the sluice", 453, nullptr, "", 2398},
        {"the sluice, open, the giant away", 453, [] { value[453] = 1; }, "", 2400},
        {"the sluice, open, the giant busy", 453, [] { value[453] = 1, value[194] = 2; }, "", 0},
    };
    for (const offer_case &c : cases) {
        SCOPED_TRACE(c.what);
        help_world(c.place);
        if (c.setup) c.setup();
        if (c.command.empty())
            call(p405);
        else
            call(p405, c.command);
        EXPECT_EQ(value[VAR_PROMPT_TEXT], c.offer);
        EXPECT_EQ(value[VAR_QUESTION], c.offer ? Q_HELP_OFFER : Q_NONE);
        if (c.offer) {
            EXPECT_FALSE(wording({0, c.offer, 0}).empty()) << "offer " << c.offer;
            EXPECT_FALSE(wording({0, c.offer + 1, 0}).empty()) << "hint " << c.offer + 1;
        }
    }
    // No offer where help is not available, even when asked.
    fresh_world(203);
    EXPECT_TRUE(call(p405, "help").texts.empty());
    // Help asked at the sword: a free word of advice, no question.
    help_world(517);
    const outcome o = call(p405, "help");
    EXPECT_EQ(o.texts, (texts{{SAY_STOP, 2666, 0}}));
    EXPECT_EQ(value[VAR_QUESTION], Q_NONE);
}

// Offers that choose the variant of their hint: the giant's and the
// creeper's.
TEST_F(Phases, OffersSetTheirHintsVariant) {
    help_world(198);
    value[194] = 5;
    call(p405);
    EXPECT_EQ(value[VAR_PROMPT_TEXT], 2402);
    EXPECT_EQ(value[2403], 1);
    help_world(198);
    value[194] = 5;
    bitmod('s', 95, OFLAG_SEEN);
    call(p405);
    EXPECT_EQ(value[2403], 0);

    help_world(443);
    value[139] = 1;
    call(p405);
    EXPECT_EQ(value[VAR_PROMPT_TEXT], 2395);
    EXPECT_EQ(value[2396], 1);
}

// The griffin's hint in the end game is the one after the usual one.
TEST_F(Phases, GriffinsHintInTheEndGame) {
    help_world(448);
    value[VAR_PHASE] = 6;
    set_location(85, 448);
    call(p405);
    read("yes");
    read("yes");
    EXPECT_EQ(value[VAR_PROMPT_TEXT], 2405);  // it names the offer again, one on
    EXPECT_FALSE(wording({0, 2406, 0}).empty());
}

// The hint offered by the help word's own procedure ends the exchange with
// no question left waiting (and its mark set).
TEST_F(Phases, HelpWordsHintLeavesNoQuestion) {
    fresh_world(300);
    set_ref(VAR_PROMPT_TEXT, 3386);
    value[VAR_QUESTION] = Q_HELP_CONFIRM;
    const outcome o = read("yes");
    EXPECT_EQ(o.texts, (texts{HINT}));
    EXPECT_EQ(o.loop, 1);
    EXPECT_EQ(value[VAR_QUESTION], Q_NONE);
    EXPECT_TRUE(bitest(VAR_GAME_FLAGS_2, 10));
    EXPECT_EQ(value[VAR_PENALTY_POINTS], 10);
    EXPECT_FALSE(wording({0, 3387, 0}).empty());
}

// At the three-way chamber the hint never clears its own mark: the offer
// there is always 1912, never 2003, so the offer stays available and the
// place's flag is set again after each hint.
TEST_F(Phases, ThreeWayChambersHintStaysOnOffer) {
    help_world(313);
    call(p405);
    EXPECT_EQ(value[VAR_PROMPT_TEXT], 1912);
    EXPECT_TRUE(bitest(VAR_GAME_FLAGS_2, 1));
    read("yes");
    read("yes");
    EXPECT_TRUE(bitest(313, PFLAG_HINT_AVAILABLE));
    EXPECT_TRUE(bitest(VAR_GAME_FLAGS_2, 1));
    // The next offer there is the same text.
    call(p405);
    EXPECT_EQ(value[VAR_PROMPT_TEXT], 1912);
}

}  // namespace
