// The warren: every burrow's ways (the one-way and self-returning ones
// included), the places at its edges with their feature words and the
// two-word commands that count as moves, and where things thrown down the
// chute land.
#include "places.h"

namespace {

using namespace game_test;

class Warren : public GameTest {};

using exit_map = std::map<int, int>;

// Each burrow's ways to other places (a way back into the same burrow is
// checked apart).
const std::map<int, exit_map> BURROWS = {
    {227, {{754, 226}, {747, 228}, {749, 230}, {751, 237}}},
    {228, {{751, 227}, {749, 229}, {747, 230}}},
    {229, {{747, 228}, {755, 248}, {749, 232}, {745, 250}}},
    {230, {{751, 227}, {745, 228}, {747, 241}, {749, 244}, {754, 240}, {755, 240}}},
    {231, {{747, 232}, {751, 233}}},
    {232, {{747, 229}, {751, 231}, {755, 233}, {749, 234}}},
    {233, {{751, 231}, {754, 232}, {747, 234}, {749, 235}}},
    {234, {{751, 232}, {747, 233}, {754, 235}, {745, 236}, {755, 247}}},
    {235, {{751, 233}, {745, 234}, {749, 242}}},
    {236, {{751, 234}, {755, 249}, {747, 252}}},
    {237, {{745, 227}, {747, 243}}},
    {238, {{749, 252}, {747, 239}, {751, 246}}},
    {239, {{745, 252}, {751, 238}, {752, 251}}},
    {240, {{754, 230}, {755, 230}}},
    {241, {{758, 230}, {751, 230}}},
    {242, {{758, 235}, {751, 235}}},
    {243, {{751, 237}, {758, 237}}},
    {244, {{758, 230}, {747, 230}}},
    {245, {{758, 252}, {747, 252}}},
    {246, {{758, 238}, {747, 238}}},
    {247, {{758, 234}, {754, 234}}},
    {248, {{758, 229}, {754, 229}}},
    {249, {{758, 236}, {754, 236}}},
    {250, {{758, 229}, {749, 229}}},
    {251, {{748, 239}, {758, 239}}},
};

// As one-word commands, and after GO (two sweeps, so that they run side by
// side).
TEST_F(Warren, EveryBurrowsWays) {
    for (const auto &[burrow, want] : BURROWS) EXPECT_EQ(exits(burrow, nullptr, false), want) << burrow;
}
TEST_F(Warren, EveryBurrowsWaysAfterGo) {
    for (const auto &[burrow, want] : BURROWS) EXPECT_EQ(exits(burrow, nullptr, true), want) << burrow;
}

// Some ways lead back into the burrow they leave: a fresh arrival there.
TEST_F(Warren, WaysBackIntoTheSameBurrow) {
    for (auto [burrow, word] : {std::pair{227, 745}, {234, 749}, {236, 745}, {237, 751}, {237, 749}}) {
        fresh_world(burrow);
        set_ref(VAR_THERE, 226);
        outcome o = at_place(line({WORD_GO, word}));
        EXPECT_EQ(o.place, burrow) << burrow << " " << word;
        EXPECT_EQ(o.loop, 1) << burrow << " " << word;
        EXPECT_EQ(value[VAR_THERE], burrow) << burrow << " " << word;
        EXPECT_TRUE(bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_MOVED)) << burrow << " " << word;
    }
}

// A two-word command without GO is left to the word procedures.
TEST_F(Warren, BurrowsLeaveOtherCommandsAlone) {
    for (int burrow : {227, 234, 251}) {
        check_place(burrow, {
            {nullptr, line({WORD_LOOK, 745}), burrow, {}, 0},
            {nullptr, line({WORD_TAKE, 936}), burrow, {}, 0},
        });
    }
}

TEST_F(Warren, EdgePlacesWays) {
    const std::map<int, exit_map> edges = {
        {226, {{749, 227}, {754, 227}, {897, 227}, {848, 227}, {747, 212}, {751, 253}, {900, 253}, {901, 253},
               {745, 212}}},
        {252, {{755, 208}, {848, 208}, {751, 236}, {749, 245}, {745, 238}, {747, 239}}},
        {253, {{747, 226}, {754, 226}, {900, 226}, {751, 254}, {901, 254}, {745, 255}, {755, 255}, {893, 255}}},
        {254, {{747, 253}, {901, 253}, {745, 255}, {749, 362}}},
        {255, {{751, 253}, {745, 256}, {747, 221}, {749, 254}}},
        {256, {{758, 255}, {900, 255}, {749, 255}}},
    };
    for (const auto &[place, want] : edges) {
        EXPECT_EQ(exits(place, nullptr, false), want) << place;
        EXPECT_EQ(exits(place, nullptr, true), want) << place;
    }
}

TEST_F(Warren, MouthAndSideHall) {
    // The random replies draw once.
    check_place(226, {
        {nullptr, line({WORD_LOOK, 900}), 226, {{TYPED, 2903, VAR_ARG2}}, 1, 1},
        {nullptr, line({WORD_LOOK, 897}), 226, {{TYPED, 2903, VAR_ARG2}}, 1, 1},
        {nullptr, line({WORD_LOOK, 901}), 226, {}, 0},
        // Climbing up into the burrows needs no GO; north squeezes through
        // the gap to the rift, east goes there plainly.
        {nullptr, line({848, 754}), 227, {}},
        {nullptr, line({745}), 212, {{0, 1501, 0}}},
        {nullptr, line({WORD_GO, 747}), 212, {}},
        {nullptr, line({848, 745}), 226, {}, 0},
        {nullptr, line({WORD_TAKE, 900}), 226, {}, 0},
    });
    check_place(253, {
        {nullptr, line({WORD_LOOK, 893}), 253, {{TYPED, 2903, VAR_ARG2}}, 1, 1},
        {nullptr, line({WORD_LOOK, 901}), 253, {}, 0},
        {nullptr, line({900, 754}), 226, {}},
        {nullptr, line({900, 755}), 253, {}, 0},
    });
    // A look at the hall is a bare look, left to the look word.
    for (int place : {226, 253, 254}) {
        fresh_world(place);
        at_place(line({WORD_LOOK, 901}));
        EXPECT_EQ(value[VAR_COMMAND_STATUS], 1) << place;
    }
    // The feature words are marked for the last replies.
    fresh_world(226);
    at_place(line({WORD_TAKE, 900}));
    EXPECT_TRUE(bitest(evar(VAR_QUESTION), VFLAG_QUESTION_REPLIED));
}

TEST_F(Warren, TheChute) {
    check_place(252, {
        {nullptr, line({WORD_LOOK, 755}), 252, {{STOP_ARG, 2478, 0}}},
        {nullptr, line({WORD_LOOK, 960}), 252, {{STOP, 3128, 0}}},
        {nullptr, line({WORD_LOOK, 15}), 252, {{STOP, 3128, 0}}},
        {nullptr, line({WORD_LOOK, 936}), 252, {{STOP, 3128, 0}}},
        // Into the crevice or the chute, down or climbing, is a move.
        {nullptr, line({755, 960}), 208, {}},
        {nullptr, line({848, 15}), 208, {}},
        {nullptr, line({WORD_TAKE, 960}), 252, {{STOP, 1403, 0}}, 1, 1},
        {nullptr, line({WORD_TAKE, 15}), 252, {}, 0},
    });
    // Things thrown here go down the chute to the upper chamber.
    fresh_world(252);
    carry(106);
    turn(line({793, 106}));
    EXPECT_EQ(location[106], 208);
    const std::string shown = support::Session::pending();
    EXPECT_NE(shown.find("The key drops away into the darkness below."), std::string::npos) << shown;
}

TEST_F(Warren, ForkFourWaysAndBlindCrawl) {
    check_place(254, {
        {nullptr, line({WORD_LOOK, 898}), 254, {{STOP, 2908, 0}}},
        {nullptr, line({897}), 254, {{STOP, 1297, 0}}},
        {nullptr, line({WORD_GO, 308}), 254, {{STOP, 1297, 0}}},
    });
    check_place(255, {
        {nullptr, line({WORD_LOOK, 308}), 255, {{STOP_ARG, 2902, 897}}, 1, 1},
        {nullptr, line({898}), 255, {{STOP_ARG, 2904, 897}}},
    });
    check_place(256, {
        {nullptr, line({WORD_LOOK, 900}), 256, {{STOP_ARG, 2903, 900}}, 1, 1},
    });
}

// A lost player is turned back from burrow after burrow: the refusal comes
// in turns, so that two refused ways in a row read differently.
TEST_F(Warren, RefusedWaysTakeTurnsInTheirWording) {
    fresh_world(228);
    std::vector<std::string> shown;
    for (int word : {752, 750, 746}) {
        zap_text();
        const outcome o = turn(line({word}));
        shown.push_back(support::Session::pending());
        EXPECT_NE(std::find(o.texts.begin(), o.texts.end(), said{STOP, 1345, 0}), o.texts.end()) << word;
        EXPECT_EQ(value[VAR_HERE], 228) << word;
    }
    EXPECT_NE(shown[0], shown[1]);
    EXPECT_NE(shown[1], shown[2]);
    EXPECT_NE(shown[0], shown[2]);
}

}  // namespace
