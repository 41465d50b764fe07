// The small procedures that places, words and the turn cycle share, each
// run on a typed command in a world set up for it: the texts said, where
// the player ends, the states it changes and whether the turn ends. The
// reply lists are tables of (situation, command) -> (texts, feature mark).
// Where a procedure calls one built elsewhere (the score, the death, the
// heading check) it is followed up to that call.
#include <functional>
#include <string>
#include <vector>

#include "harness.h"

namespace {

using namespace game_test;
using texts = std::vector<said>;

constexpr int LOOK = WORD_LOOK, TAKE = WORD_TAKE, GO = WORD_GO, UP = WORD_UP;
constexpr int CUT = 776, SEARCH = 834, CLIMB = 848, READ = 798, CLIFF = 921;
constexpr int CLOTH = 63, MARKS = 173, HOURGLASS = 163;
// The thicket group's words: its east place, the vine (the treasure) and the
// vines, the leaves, the mist, the trough, the air, the flowers, the path
// (a grid place) and the sundial.
constexpr int THICKET = 484, VINE = 150, VINES = 1079, LEAVES = 973, MIST = 922, TROUGH = 1048, AIR = 975,
              FLOWERS = 976, PATH = 538, SUNDIAL = 1047;

// A reply list's answer to a command: the texts said, each of which ends
// the turn, or the mark that hands the command on as naming a feature of
// the place, or neither.
struct reply_case {
    std::function<void()> setup;
    std::string command;
    texts said;
    bool marked = false;
};

int searches = 0;  // calls of the search word's procedure
int search_word() {
    searches++;
    return 0;
}

class Shared : public GameTest {
protected:
    static bool marked() { return bitest(VAR_QUESTION, VFLAG_QUESTION_REPLIED); }

    void check_replies(game_proc p, int here, const std::vector<reply_case> &cases) {
        for (const reply_case &c : cases) {
            SCOPED_TRACE(testing::Message() << "\"" << c.command << "\"");
            fresh_world(here);
            if (c.setup) c.setup();
            const outcome o = call(p, c.command);
            EXPECT_EQ(o.texts, c.said);
            EXPECT_EQ(o.loop, c.said.empty() ? 0 : 1);
            EXPECT_EQ(marked(), c.marked);
            expect_written(c.said);
        }
    }
    static void expect_written(const texts &ts) {
        for (const said &t : ts) EXPECT_FALSE(wording(t).empty()) << "text " << t.text << " unwritten";
    }
};

// ---------------------------------------------------------------------------
// Reply lists.

TEST_F(Shared, ThicketGroupReplies) {
    const auto at = [](int place) { return [place] { set_ref(VAR_HERE, place); }; };
    const auto vine_near = [] { set_location(VINE, 482); };
    check_replies(p362, 482,
                  {
                      // The east thicket's word: going there is refused, any
                      // other use is a feature.
                      {nullptr, line({GO, THICKET}), {{STOP, 1425, 0}}},
                      {nullptr, line({THICKET}), {{STOP, 1425, 0}}},
                      {nullptr, line({TAKE, THICKET}), {}, true},
                      // The vines, and the vine while the treasure is not near.
                      {nullptr, line({LOOK, VINE}), {{STOP, 3146, 0}}},
                      {nullptr, line({TAKE, VINE}), {{STOP, 3147, 0}}},
                      {nullptr, line({CUT, VINE}), {{STOP, 3147, 0}}},
                      {nullptr, line({CLIMB, VINE}), {}, true},
                      {vine_near, line({LOOK, VINE}), {}},
                      {vine_near, line({TAKE, VINES}), {{STOP, 3147, 0}}},
                      {nullptr, line({LOOK, VINES}), {{STOP, 3146, 0}}},
                      // The leaves and the mist.
                      {nullptr, line({LOOK, LEAVES}), {{STOP, 3144, 0}}},
                      {nullptr, line({CUT, MIST}), {{STOP, 3148, 0}}},
                      {nullptr, line({TAKE, LEAVES}), {}, true},
                      // The trough.
                      {nullptr, line({LOOK, TROUGH}), {{STOP, 3143, 0}}},
                      {nullptr, line({CUT, TROUGH}), {}, true},
                      // The air and the flowers.
                      {nullptr, line({LOOK, AIR}), {{STOP_ARG, 2676, AIR}}},
                      {nullptr, line({LOOK, FLOWERS}), {{STOP_ARG, 2676, AIR}}},
                      {nullptr, line({TAKE, FLOWERS}), {{STOP, 3150, 0}}},
                      {nullptr, line({CUT, AIR}), {}, true},
                      // The path, told apart by the place; nothing else is
                      // answered for it, and no mark is set.
                      {nullptr, line({LOOK, PATH}), {{STOP_ARG, 3149, 1}}},
                      {at(485), line({LOOK, PATH}), {{STOP_ARG, 3149, 1}}},
                      {at(487), line({LOOK, PATH}), {{STOP_ARG, 3149, 1}}},
                      {at(483), line({LOOK, PATH}), {{STOP_ARG, 3149, 0}}},
                      {at(486), line({LOOK, PATH}), {{STOP_ARG, 3149, 0}}},
                      {nullptr, line({TAKE, PATH}), {}},
                      // The sundial; after the path the list goes on to it.
                      {nullptr, line({LOOK, SUNDIAL}), {{STOP_ARG, 2676, SUNDIAL}}},
                      {nullptr, line({TAKE, SUNDIAL}), {{STOP, 2760, 0}}},
                      {nullptr, line({CUT, SUNDIAL}), {}, true},
                      {nullptr, line({PATH, SUNDIAL}), {}, true},
                      // None of its words.
                      {nullptr, line({LOOK}), {}},
                      {nullptr, line({TAKE, CLOTH}), {}},
                  });
}

TEST_F(Shared, ThicketGroupLooksAtTheEastThicketAsAtThePlace) {
    fresh_world(482);
    const outcome o = call(p362, line({LOOK, THICKET}));
    EXPECT_EQ(o.texts, texts{});
    EXPECT_EQ(o.loop, 0);
    EXPECT_EQ(words(), 1);  // the look goes on as a bare look
    EXPECT_FALSE(marked());
}

TEST_F(Shared, ThicketGroupHandsSearchingToTheSearchWord) {
    for (int thing : {PATH, SUNDIAL}) {
        fresh_world(482);
        searches = 0;
        procs[SEARCH] = search_word;
        const outcome o = call(p362, line({SEARCH, thing}));
        EXPECT_EQ(searches, 1) << thing;
        EXPECT_EQ(o.texts, texts{}) << thing;
        EXPECT_FALSE(marked()) << thing;
    }
}

TEST_F(Shared, GridEdgeClimbing) {
    // Climbing alone, the cliff or up is refused; the climb word with
    // anything else, and the other words, are features.
    check_replies(p138, PLACE_DEPOSIT,
                  {
                      {nullptr, line({CLIMB}), {{STOP, 3492, 0}}},
                      {nullptr, line({CLIMB, CLIFF}), {{STOP, 3492, 0}}},
                      {nullptr, line({CLIMB, UP}), {{STOP, 3492, 0}}},
                      {nullptr, line({CLIMB, VINE}), {}, true},
                      {nullptr, line({CLIFF}), {}, true},
                      {nullptr, line({LOOK, CLIFF}), {}, true},
                  });
}

TEST_F(Shared, ClothReplies) {
    // The cloth rolled up (0) or spoken to (2) names its state to anything
    // but a look; otherwise its marks are told once to a look, and every
    // time to anything else that names the cloth or the marks.
    struct {
        int where, state;
        bool told;
        int verb, thing;
        texts said;
        bool told_after;
    } cases[] = {
        {PLACE_OFFSTAGE, 1, false, LOOK, CLOTH, {}, false},
        {PLACE_DEPOSIT, 0, false, TAKE, CLOTH, {{TYPED, 3343, CLOTH}}, false},
        {PLACE_CARRIED, 2, false, READ, CLOTH, {{TYPED, 3343, CLOTH}}, false},
        {PLACE_DEPOSIT, 0, false, LOOK, CLOTH, {}, false},
        {PLACE_DEPOSIT, 1, false, LOOK, CLOTH, {{STOP, 2221, 0}}, true},
        {PLACE_DEPOSIT, 1, true, LOOK, CLOTH, {}, true},
        {PLACE_DEPOSIT, 1, true, TAKE, CLOTH, {{STOP, 2221, 0}}, true},
        {PLACE_CARRIED, 3, false, LOOK, MARKS, {{STOP, 2221, 0}}, true},
        {PLACE_DEPOSIT, 1, false, READ, 0, {}, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "state " << c.state << ", command " << c.verb << " " << c.thing);
        fresh_world(PLACE_DEPOSIT);
        set_location(CLOTH, c.where);
        value[CLOTH] = c.state;
        if (c.told) bitmod('s', CLOTH, 14);
        const outcome o = call(p703, c.thing ? line({c.verb, c.thing}) : line({c.verb}));
        EXPECT_EQ(o.texts, c.said);
        EXPECT_EQ(o.loop, c.said.empty() ? 0 : 1);
        EXPECT_EQ(bool(bitest(CLOTH, 14)), c.told_after);
        expect_written(c.said);
    }
}

// ---------------------------------------------------------------------------
// One-line replies.

TEST_F(Shared, HeadingReplyWhenTheHeadingPointsAway) {
    // Only while the heading is carried and set to 6, 7 or 8. The text is
    // the caller's.
    struct {
        int where, heading;
        bool said;
    } cases[] = {
        {PLACE_CARRIED, 6, true}, {PLACE_CARRIED, 7, true},  {PLACE_CARRIED, 8, true},
        {PLACE_CARRIED, 5, false}, {PLACE_CARRIED, 1, false}, {PLACE_DEPOSIT, 7, false},
    };
    for (const auto &c : cases) {
        fresh_world(PLACE_DEPOSIT);
        set_location(OBJ_HEADING, c.where);
        value[OBJ_HEADING] = c.heading;
        const outcome o = call([] { return p817(ref(3377), num(1)); });
        EXPECT_EQ(o.texts, (c.said ? texts{{STOP_ARG, 3377, 1}} : texts{})) << c.where << " " << c.heading;
        EXPECT_EQ(o.loop, c.said ? 1 : 0);
    }
}

TEST_F(Shared, NoFillingAtTheDrainedPlaces) {
    for (int place : {547, 550, 554, 439, 442, 546, 555, 438, 443}) {
        fresh_world(place);
        const bool refused = within(place, 547, 554) || within(place, 439, 442);
        const outcome o = call(p756);
        EXPECT_EQ(o.texts, (refused ? texts{{STOP, 1365, 0}} : texts{})) << place;
        EXPECT_EQ(o.loop, refused ? 1 : 0) << place;
    }
    expect_written({{STOP, 1365, 0}});
}

TEST_F(Shared, DarknessKills) {
    EXPECT_EQ(call(p784).texts, texts{});
    EXPECT_EQ(loop, 0);
    light(false);
    EXPECT_EQ(first(call(p784).texts, 1), (texts{{0, 2091, 0}}));  // then the death
    expect_written({{0, 2091, 0}});
}

// ---------------------------------------------------------------------------
// Moves and events.

TEST_F(Shared, GuidedMoveIsSilentAndEndsTheTurn) {
    // Without the heading carried nothing is refused.
    fresh_world(440);
    const outcome o = call([] { return p868(ref(747), ref(438)); });
    EXPECT_EQ(o.place, 438);
    EXPECT_EQ(value[VAR_THERE], 440);
    EXPECT_EQ(o.texts, texts{});
    EXPECT_EQ(o.loop, 1);
}

TEST_F(Shared, HourglassAppearsAtTheTimekeepersRoom) {
    // Once its text has counted to 4, unless it is here already.
    struct {
        int counted, where;
        bool appears;
    } cases[] = {{4, PLACE_OFFSTAGE, true}, {3, PLACE_OFFSTAGE, false}, {4, 491, false}};
    for (const auto &c : cases) {
        fresh_world(491);
        value[3260] = c.counted;
        set_location(HOURGLASS, c.where);
        const outcome o = call(p323);
        EXPECT_EQ(o.texts, (c.appears ? texts{{0, 1266, 0}, {SAY_DETAIL, HOURGLASS, 0}} : texts{})) << c.counted;
        EXPECT_EQ(location[HOURGLASS], c.appears ? 491 : c.where);
        EXPECT_EQ(value[491], c.appears ? 1 : 0);
        EXPECT_EQ(value[HOURGLASS], c.appears ? 1 : 0);
        EXPECT_EQ(bool(bitest(HOURGLASS, OFLAG_SEEN)), c.appears);
        EXPECT_EQ(o.loop, 0);
    }
}

TEST_F(Shared, AnnexeOpens) {
    // The place's own way (0) and the turn's event (1) differ in the text.
    const game_proc opens[] = {[] { return p831(num(0)); }, [] { return p831(num(1)); }};
    for (int way : {0, 1}) {
        fresh_world(565);
        value[565] = 3;
        set_location(67, 565);
        const outcome o = call(opens[way]);
        EXPECT_EQ(o.texts, (texts{{ARG, 2421, way}}));
        EXPECT_EQ(o.loop, 0);
        EXPECT_EQ(value[565], 4);
        EXPECT_EQ(location[67], PLACE_OFFSTAGE);
        EXPECT_EQ(value[67], 1);
        EXPECT_TRUE(bitest(147, OFLAG_SEEN));
        expect_written(o.texts);
    }
}

// ---------------------------------------------------------------------------
// The last phases.

TEST_F(Shared, PhaseSevenTakesEverythingCarried) {
    fresh_world(PLACE_DEPOSIT);
    for (int obj : {3, 60, OBJ_LIGHT_SOURCE, 194}) carry(obj);
    set_location(47, PLACE_DEPOSIT);
    value[VAR_PHASE] = 6;
    // Until then the chamber is described as the opening's, which "begin" leaves.
    for (int quals : {0, SAY_DETAIL}) EXPECT_NE(wording({quals, PLACE_INTRO, 0}).find("\"begin\""), std::string::npos);
    const outcome o = call(p602);
    for (int obj : {3, 60, OBJ_LIGHT_SOURCE, 194}) EXPECT_EQ(location[obj], PLACE_GONE) << obj;
    EXPECT_EQ(location[47], PLACE_DEPOSIT);
    EXPECT_EQ(value[VAR_PHASE], 7);
    EXPECT_TRUE(bitest(PLACE_INTRO, PFLAG_VISITED));
    EXPECT_EQ(o.place, PLACE_INTRO);
    EXPECT_EQ(o.texts, (texts{{0, 1852, 0}}));
    // The chamber is now described as the end's: "begin" no longer leads out.
    EXPECT_EQ(value[PLACE_INTRO], 1);
    for (int quals : {0, SAY_DETAIL}) EXPECT_EQ(wording({quals, PLACE_INTRO, 0}).find("begin"), std::string::npos);
    EXPECT_EQ(o.loop, 1);
    expect_written(o.texts);
}

TEST_F(Shared, PhaseEightKeepsOnlyWhatWasDelivered) {
    fresh_world(PLACE_INTRO);
    value[VAR_PHASE] = 7;
    const auto portable = [](int obj, int where) {
        set_location(obj, where);
        bitmod('s', obj, OFLAG_PORTABLE);
    };
    portable(3, PLACE_DEPOSIT);  // delivered: kept
    portable(60, PLACE_DEPOSIT);
    portable(47, PLACE_CARRIED);  // anywhere else: gone
    portable(48, 250);
    set_location(129, PLACE_DEPOSIT);  // not portable: left alone
    portable(116, 295);                // stays, no longer portable
    set_location(194, 250);
    for (int obj : {137, 139, 140}) value[obj] = 2;
    value[199] = 3;
    bitmod('s', 203, 8);
    const outcome o = call(p528);
    EXPECT_EQ(value[VAR_PHASE], 8);
    EXPECT_EQ(location[3], PLACE_INTRO);
    EXPECT_EQ(location[60], PLACE_INTRO);
    EXPECT_EQ(location[47], PLACE_GONE);
    EXPECT_EQ(location[48], PLACE_GONE);
    EXPECT_EQ(location[129], PLACE_DEPOSIT);
    EXPECT_EQ(location[116], 295);
    EXPECT_FALSE(bitest(116, OFLAG_PORTABLE));
    EXPECT_EQ(location[194], PLACE_GONE);
    EXPECT_EQ(value[137], 1);
    EXPECT_EQ(value[139], 0);
    EXPECT_EQ(value[140], 0);
    EXPECT_EQ(value[199], 0);
    EXPECT_FALSE(bitest(203, 8));
    EXPECT_EQ(o.place, PLACE_START);
    EXPECT_EQ(o.texts, (texts{{0, 1868, 0}}));
    EXPECT_EQ(o.loop, 1);
    expect_written(o.texts);
}

TEST_F(Shared, PhaseEightSunstoneByWhereItLies) {
    // Kept at the introduction place when it lay at 199, gone otherwise
    // (also when delivered); never portable again.
    struct {
        int where, after;
    } cases[] = {{199, PLACE_INTRO}, {PLACE_DEPOSIT, PLACE_GONE}, {PLACE_CARRIED, PLACE_GONE}};
    for (const auto &c : cases) {
        fresh_world(PLACE_INTRO);
        set_location(100, c.where);
        bitmod('s', 100, OFLAG_PORTABLE);
        call(p528);
        EXPECT_EQ(location[100], c.after) << c.where;
        EXPECT_FALSE(bitest(100, OFLAG_PORTABLE)) << c.where;
    }
    // Object 116 anywhere but 295 goes as any portable object does.
    fresh_world(PLACE_INTRO);
    set_location(116, PLACE_DEPOSIT);
    bitmod('s', 116, OFLAG_PORTABLE);
    call(p528);
    EXPECT_EQ(location[116], PLACE_INTRO);
}

TEST_F(Shared, PhaseNineAsksTheClosingQuestion) {
    const game_proc asks[] = {[] { return p224(num(0)); }, [] { return p224(num(1)); }};
    for (int n : {0, 1}) {
        fresh_world(n ? 545 : 672);
        value[VAR_PHASE] = 8;
        const outcome o = call(asks[n]);
        EXPECT_EQ(o.texts, (texts{{ARG, 2883, n}, {STOP, 1863, 0}}));
        EXPECT_EQ(o.loop, 1);
        EXPECT_EQ(value[VAR_PHASE], 9);
        EXPECT_EQ(value[VAR_QUESTION], Q_FINALE_1);
        expect_written(o.texts);
    }
}

}  // namespace
