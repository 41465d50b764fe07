// The labyrinth: every cell's ways, the onward words through the cells with
// two ways (by where the player came from), at the forks and out of the dead
// ends; the gateway's ramp, the undercroft, the shelf of the opal and the
// heart with its word back to the gateway.
#include "places.h"

namespace {

using namespace game_test;

class Labyrinth : public GameTest {};

using exit_map = std::map<int, int>;

constexpr int ONWARD[] = {897, 898, 308};

// The dead ends' one way also takes the onward words and "out".
exit_map dead_end(int word, int to) { return {{word, to}, {758, to}, {897, to}, {898, to}, {308, to}}; }

// Each cell's compass ways.
const std::map<int, exit_map> CELLS = {
    {391, {{751, 393}, {745, 392}}},
    {392, dead_end(749, 391)},
    {393, {{747, 391}, {751, 395}, {745, 394}}},
    {394, {{745, 390}, {749, 393}}},
    {395, {{747, 393}, {745, 396}}},
    {396, dead_end(749, 395)},
    {397, {{747, 390}, {751, 398}}},
    {398, {{746, 397}, {749, 399}}},
    {399, {{745, 398}, {749, 400}, {751, 402}}},
    {400, dead_end(745, 399)},
    {401, dead_end(745, 402)},
    {402, {{747, 399}, {749, 401}, {745, 403}}},
    {403, {{749, 402}, {752, 404}}},
    {404, {{747, 403}, {751, 405}}},
    {405, {{746, 404}, {749, 406}, {751, 409}}},
    {406, {{745, 405}, {749, 407}}},
    {407, dead_end(745, 406)},
    {408, dead_end(745, 410)},
    {409, {{747, 405}, {749, 410}, {752, 411}}},
    {410, {{749, 408}, {745, 409}}},
    {411, {{747, 409}, {751, 412}}},
    {412, {{746, 411}, {749, 413}}},
    {413, {{745, 412}, {749, 414}, {751, 416}, {752, 417}}},
    {414, {{745, 413}, {751, 415}}},
    {415, {{747, 414}, {745, 416}}},
    {416, {{747, 413}, {749, 415}}},
    {417, {{748, 413}, {752, 418}}},
    {418, {{747, 417}, {751, 419}}},
    {419, {{746, 418}, {749, 420}, {751, 425}}},
    {420, {{745, 419}, {749, 421}, {751, 423}, {752, 424}}},
    {421, {{745, 420}, {752, 422}}},
    {422, {{748, 421}, {745, 423}}},
    {423, {{747, 420}, {749, 422}}},
    {424, {{748, 420}, {745, 425}}},
    {425, {{747, 419}, {749, 424}, {752, 426}}},
};

// As one-word commands, and after GO (two sweeps, so that they run side by
// side).
TEST_F(Labyrinth, EveryCellsWays) {
    for (const auto &[cell, want] : CELLS) EXPECT_EQ(exits(cell, nullptr, false), want) << cell;
}
TEST_F(Labyrinth, EveryCellsWaysAfterGo) {
    for (const auto &[cell, want] : CELLS) EXPECT_EQ(exits(cell, nullptr, true), want) << cell;
}

TEST_F(Labyrinth, EndsWays) {
    const exit_map gateway = {{752, 388}, {755, 390}, {747, 390}, {390, 390}, {673, 390}};
    EXPECT_EQ(exits(389, nullptr, false), gateway);
    EXPECT_EQ(exits(389, nullptr, true), gateway);
    const exit_map undercroft = {{749, 394}, {752, 397}};
    EXPECT_EQ(exits(390, nullptr, false), undercroft);
    EXPECT_EQ(exits(390, nullptr, true), undercroft);
    exit_map heart = dead_end(747, 425);
    heart[WORD_MAGIC_TRAVEL_3] = 389;
    EXPECT_EQ(exits(426, nullptr, false), heart);
    EXPECT_EQ(exits(426, nullptr, true), heart);
}

// Through a cell with two ways the onward words lead on to the end not come
// from; from anywhere else (here, as after a restore) they ask which way.
TEST_F(Labyrinth, OnThroughTheCellsWithTwoWays) {
    struct pair {
        int cell, a, c;
    };
    const pair pairs[] = {
        {391, 392, 393}, {394, 390, 393}, {395, 393, 396}, {397, 390, 398}, {398, 397, 399},
        {403, 402, 404}, {404, 403, 405}, {406, 405, 407}, {410, 408, 409}, {411, 409, 412},
        {412, 411, 413}, {414, 413, 415}, {415, 414, 416}, {416, 413, 415}, {417, 413, 418},
        {418, 417, 419}, {421, 420, 422}, {422, 421, 423}, {423, 420, 422}, {424, 420, 425},
        {390, 394, 397},
    };
    for (const pair &p : pairs) {
        for (int word : ONWARD) {
            check_place(p.cell, {
                {came_from(p.a), line({word}), p.c, {}},
                {came_from(p.c), line({WORD_GO, word}), p.a, {}},
                {nullptr, line({word}), p.cell, {{STOP, 1297, 0}}},
            });
        }
    }
}

// Where the ways fork the onward words name no way; any other word is left
// to the word procedures.
TEST_F(Labyrinth, Forks) {
    for (int cell : {393, 399, 402, 405, 409, 413, 419, 420, 425}) {
        check_place(cell, {
            {came_from(CELLS.at(cell).begin()->second), line({897}), cell, {{STOP, 1297, 0}}},
            {nullptr, line({WORD_GO, 308}), cell, {{STOP, 1297, 0}}},
            {nullptr, line({750}), cell, {}, 0},
            {nullptr, line({WORD_TAKE, 936}), cell, {}, 0},
        });
    }
}

// The opal's shelf answers a look by whether the opal has been taken yet,
// before the labyrinth's own replies.
TEST_F(Labyrinth, OpalShelf) {
    check_place(408, {
        {nullptr, line({WORD_LOOK, 156}), 408, {{STOP_ARG, 3488, 0}}},
        {state_of(69, 7), line({WORD_LOOK, 156}), 408, {{STOP_ARG, 3488, 1}}},
        {nullptr, line({WORD_LOOK, 936}), 408, {{STOP, 3078, 0}}},
        {nullptr, line({WORD_TAKE, 156}), 408, {}, 0},
        {nullptr, line({WORD_GO, 897}), 410, {}},
    });
    fresh_world(408);
    at_place(line({WORD_TAKE, 156}));
    EXPECT_TRUE(bitest(evar(VAR_QUESTION), VFLAG_QUESTION_REPLIED));
}

TEST_F(Labyrinth, GatewayAndUndercroft) {
    for (int place : {389, 390}) {
        check_place(place, {
            {nullptr, line({WORD_LOOK, 1001}), place, {{STOP, 3080, 0}}},
            {nullptr, line({WORD_LOOK, 390}), place, {{STOP, 3080, 0}}},
            {nullptr, line({WORD_LOOK, 389}), place, {{STOP, 3077, 0}}},
        });
    }
    check_place(389, {
        {nullptr, line({755}), 390, {{0, 1589, 0}}},
        {nullptr, line({WORD_GO, 747}), 390, {{0, 1589, 0}}},
        {nullptr, line({752}), 388, {}},
    });
    // The ramp cannot be climbed back; "climb up" counts as a move.
    check_place(390, {
        {nullptr, line({WORD_GO, 745}), 390, {{STOP, 1590, 0}}},
        {nullptr, line({758}), 390, {{STOP, 1590, 0}}},
        {nullptr, line({848, 754}), 390, {{STOP, 1590, 0}}},
        {nullptr, line({848, 390}), 390, {{STOP, 1590, 0}}},
        {nullptr, line({848, 1001}), 390, {}, 0},
    });
    // A thing thrown from the gateway slides down to the undercroft.
    fresh_world(389);
    carry(106);
    turn(line({793, 106}));
    EXPECT_EQ(location[106], 390);
    const std::string shown = support::Session::pending();
    EXPECT_NE(shown.find("The key skids away down the ramp and out of sight."), std::string::npos) << shown;
}

TEST_F(Labyrinth, Heart) {
    const std::vector<said> writing = {{TYPED, 2143, VAR_ARG2}};
    check_place(426, {
        // "Read" alone reads the writing, as does any name of it.
        {nullptr, line({798}), 426, writing},
        {nullptr, line({WORD_LOOK, 134}), 426, writing},
        {nullptr, line({798, 129}), 426, writing},
        {nullptr, line({WORD_TAKE, 1018}), 426, {{STOP, 2052, 0}}},
        {nullptr, line({785, 30}), 426, {{STOP, 2052, 0}}},
        {nullptr, line({WORD_LOOK, 300}), 426, {}, 0},
        // The word back to the gateway, with the passage text, or silently.
        {[] { set_ref(VAR_PASSAGE_TEXT, 1588); }, line({WORD_MAGIC_TRAVEL_3}), 389, {{0, 1588, 0}}},
        {nullptr, line({WORD_MAGIC_TRAVEL_3}), 389, {}},
    });
    // Looking at the chamber is a bare look.
    fresh_world(426);
    at_place(line({WORD_LOOK, 300}));
    EXPECT_EQ(value[VAR_COMMAND_STATUS], 1);
}

// The gateway's arch, the labyrinth and its passages, and the stone of its
// walls are answered by a closer look; at the heart the walls are no longer
// said to be featureless, since one bears the writing.
TEST_F(Labyrinth, NamedFeaturesAnswerALook) {
    const std::vector<feature_reply> cases = {
        {389, "examine arch", {STOP, 3077, 0}},
        {389, "examine stone", {STOP, 3077, 0}},
        {391, "examine labyrinth", {STOP_ARG, 3288, 0}},
        {408, "examine labyrinth", {STOP_ARG, 3288, 0}},
        {425, "examine passages", {STOP_ARG, 3288, 1}},
        {403, "examine tunnel", {STOP_ARG, 3288, 1}},
        {399, "examine stone", {STOP, 3078, 0}},
        {390, "examine labyrinth", {STOP_ARG, 3288, 2}},
        {390, "examine passages", {STOP_ARG, 3288, 2}},
        {426, "examine labyrinth", {STOP_ARG, 3288, 3}},
        {426, "examine wall", {STOP_ARG, 3288, 4}},
    };
    expect_replies(cases);
    for (int k = 0; k < 5; k++) EXPECT_FALSE(wording({SAY_ARG, 3288, k}).empty()) << k;
}

}  // namespace
