// The honeycomb and the ledger cell: every cell's exits, the ways that
// close once the ledger cell has been seen or open only just after coming
// from a given cell, and the ledger's exchange.
#include "harness.h"

#include <set>

namespace {

using namespace game_test;

class Honeycomb : public GameTest {};

using exit_map = std::map<int, int>;

// Each cell's ways out, with the ledger cell not yet seen and the player
// come from nowhere in particular.
const std::map<int, exit_map> CELLS = {
    {651, {{752, 652}, {746, 653}, {748, 647}}},
    {652, {{748, 651}}},
    {653, {{750, 651}, {746, 654}, {752, 656}}},
    {654, {{746, 655}, {750, 653}}},
    {655, {{750, 654}}},
    {656, {{748, 653}, {752, 657}, {751, 658}}},
    {657, {{748, 656}, {747, 655}}},
    {658, {{749, 652}, {750, 661}, {751, 659}, {745, 657}}},
    {659, {{747, 658}, {751, 660}}},
    {660, {{747, 659}}},
    {661, {{746, 658}, {750, 662}, {751, 663}}},
    {662, {{752, 661}, {747, 651}}},
    {663, {{747, 661}, {751, 664}, {752, 665}}},
    {664, {{747, 663}, {750, 662}}},
    {665, {{746, 666}, {748, 663}, {750, 668}, {752, 669}}},
    {666, {{750, 665}, {752, 667}}},
    {667, {{748, 666}, {751, 670}}},
    {668, {{746, 665}}},
    {669, {{748, 665}}},
    {670, {{747, 667}}},
};

TEST_F(Honeycomb, EveryCellsExits) {
    for (const auto &[cell, want] : CELLS) {
        EXPECT_EQ(exits(cell, nullptr, false), want) << cell;
        EXPECT_EQ(exits(cell, nullptr, true), want) << cell;
    }
}

TEST_F(Honeycomb, WaysThatDependOnTheLedgerCellAndTheWayIn) {
    auto seen = [] { bitmod('s', 670, PFLAG_VISITED); };
    exit_map at_658 = CELLS.at(658), at_662 = CELLS.at(662);
    at_658.erase(749);
    at_662.erase(747);
    EXPECT_EQ(exits(658, seen, false), at_658);
    EXPECT_EQ(exits(662, seen, false), at_662);

    exit_map at_666 = CELLS.at(666), at_667 = CELLS.at(667);
    at_666[747] = 657;
    at_667[747] = 655;
    EXPECT_EQ(exits(666, [] { set_ref(VAR_THERE, 665); }, false), at_666);
    EXPECT_EQ(exits(667, [] { set_ref(VAR_THERE, 666); }, false), at_667);
}

TEST_F(Honeycomb, JumpCountsAsGo) {
    fresh_world(651);
    EXPECT_EQ(at_place(line({762, 746})).place, 653);
}

// The pre-rows of five cells come before their look block.
TEST_F(Honeycomb, PreRowsBeforeTheLook) {
    for (int cell : {651, 652, 656, 657, 658}) {
        check_place(cell, {
            {nullptr, line({WORD_LOOK, 1068}), cell, {{STOP, 3033, 0}}},
            {nullptr, line({WORD_TAKE, 1069}), cell, {{STOP, 3035, 0}}},
        });
    }
    check_place(653, {{nullptr, line({WORD_TAKE, 1069}), 653, {}, 0}});
}

// The ledger's exchange: read it (1), take it (2, with the offer pending),
// accept the offer (3); the offer lapses after one command.
TEST_F(Honeycomb, LedgerExchange) {
    auto at_state = [](int exchange, int ledger) {
        return [exchange, ledger] {
            value[VAR_EXCHANGE_STATE] = exchange;
            value[170] = ledger;
            set_location(170, 670);
        };
    };
    check_place(670, {
        {at_state(0, 0), line({798, 170}), 670, {{STOP, 2784, 0}}},
        {at_state(0, 0), line({WORD_OPEN, 170}), 670, {{STOP, 2784, 0}}},
        {at_state(0, 0), line({WORD_LOOK, 170}), 670, {{STOP, 2784, 0}}},
        {at_state(1, 0), line({WORD_TAKE, 170}), 670, {{0, 2782, 0}}},
        {at_state(0, 0), line({WORD_TAKE, 170}), 670, {{0, 2782, 0}}},
        // The offer is answered "no" (857, or "n" read as north) to win.
        {at_state(2, 2), line({WORD_DECLINE}), 670, {{STOP, 3397, 0}}},
        {at_state(2, 2), line({WORD_ACCEPT}), 670, {{STOP, 3477, 0}}},
        {at_state(3, 1), line({WORD_TAKE, 170}), 670, {{STOP, 3398, 0}}},
        {at_state(0, 0), line({807, 170}), 670, {{TYPED, 2783, VAR_ARG1}}},
        {at_state(0, 0), line({WORD_LOOK, 936}), 670, {{STOP, 3429, 0}}},
    });
    struct step {
        int exchange, ledger;
        std::string command;
        int exchange_after, ledger_after;
    };
    const step steps[] = {
        {0, 0, line({798, 170}), 1, 0},
        {1, 0, line({WORD_TAKE, 170}), 2, 2},
        {2, 2, line({WORD_LOOK}), 2, 1},        // the offer lapses
        {2, 2, line({WORD_DECLINE}), 3, 1},
        {2, 2, line({WORD_ACCEPT}), 2, 1},
        {0, 0, line({WORD_TAKE, 170}), 0, 0},  // nothing read, nothing offered
    };
    for (const step &s : steps) {
        fresh_world(670);
        at_state(s.exchange, s.ledger)();
        at_place(s.command);
        EXPECT_EQ(value[VAR_EXCHANGE_STATE], s.exchange_after) << s.command;
        EXPECT_EQ(value[170], s.ledger_after) << s.command;
    }
}

// What a description names of the place itself is answered there, looked
// at: what the player stands on or in, and the features in view.
TEST_F(Honeycomb, FeaturesTheDescriptionsName) {
    expect_looks({
        {582, 15, 3043}, {575, WORD_UP, 2996}, {575, 1054, 2996},
        {641, 1068, 3033}, {642, 1068, 3033}, {648, 1068, 3033}, {643, 966, 3040}, {649, 966, 3041},
        {577, 173, 1849}, {579, 10, 1453}, {580, 1017, 1453},
        {650, 980, 3245}, {650, 954, 1849},
        {650, WORD_DOWN, 2478}, {639, WORD_DOWN, 2478}, {582, WORD_DOWN, 3042},
    });
}

// Every cell of the honeycomb answers what the cells' shared look names
// alike: the tiles, the columns, and the honeycomb and its openings with
// one reply that cycles through its wordings.
TEST_F(Honeycomb, CellsAnswerTheirSharedLookAlike) {
    for (int cell = 651; cell <= 669; cell++)
        expect_replies({
            {cell, "examine tiles", {STOP, 3033, 0}},
            {cell, "examine columns", {STOP, 3036, 0}},
            {cell, "examine honeycomb", {STOP, 3264, 0}},
            {cell, "examine openings", {STOP, 3264, 0}},
        });
    // Four wordings in turn, then the first again, with no draw.
    fresh_world(660);
    const int32_t seed = rseed;
    std::vector<std::string> said_in_turn;
    for (int i = 0; i < 5; i++) {
        said_in_turn.push_back(wording({0, 3264, 0}));
        say(0, 3264, 0);
        zap_text();
    }
    EXPECT_EQ(std::set<std::string>(said_in_turn.begin(), said_in_turn.begin() + 4).size(), 4u);
    EXPECT_EQ(said_in_turn[4], said_in_turn[0]);
    EXPECT_EQ(rseed, seed);
}

// What the looks of the galleries, the corridor and the ledger cell name of
// what lies beyond them is answered where it is named.
TEST_F(Honeycomb, ThingsTheLooksNameAnswer) {
    expect_replies({
        {578, "examine fork", {STOP_ARG, 3263, 0}},
        {579, "examine shaft", {STOP_ARG, 3263, 1}},
        {650, "examine cliff", {STOP_ARG, 3263, 2}},
        {650, "examine ledge", {STOP_ARG, 3263, 2}},
        {650, "examine water", {STOP_ARG, 3263, 3}},
        {647, "examine honeycomb", {STOP_ARG, 3263, 4}},
        {670, "examine honeycomb", {STOP_ARG, 3263, 5}},
        {670, "examine shelves", {STOP_ARG, 3263, 6}},
        {575, "examine basin", {STOP_ARG, 2490, 1}},
        {581, "examine paths", {STOP, 2538, 0}},
        {641, "examine glow", {STOP, 3037, 0}},
        {642, "examine glow", {STOP, 3037, 0}},
        {641, "examine gap", {STOP, 3040, 0}},
    });
    // The corridor, the galleries and the rope's brink are the place itself.
    const struct {
        int place;
        const char *typed;
    } look_about[] = {{642, "examine corridor"}, {649, "examine corridor"}, {650, "examine corridor"},
                      {577, "examine galleries"}, {578, "examine gallery"}, {639, "examine brink"}};
    for (const auto &c : look_about) {
        fresh_world(c.place);
        EXPECT_TRUE(at_place(c.typed).texts.empty()) << c.place << " " << c.typed;
        EXPECT_EQ(value[VAR_COMMAND_STATUS], 1) << c.place << " " << c.typed;
    }
}

}  // namespace
