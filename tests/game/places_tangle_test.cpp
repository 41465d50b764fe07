// The tangle: where each of the ten words leads from every cell, the onward
// words that name no way, and the far end where the automaton trades a
// canister of oil for the token.
#include "places.h"

namespace {

using namespace game_test;

class Tangle : public GameTest {};

constexpr int WORDS[] = {745, 746, 747, 748, 749, 750, 751, 752, 754, 755};

// Where words 745..752, 754 and 755 lead from each cell, in that order.
const std::map<int, std::array<int, 10>> CELLS = {
    {362, {372, 366, 370, 367, 364, 365, 371, 369, 368, 254}},
    {363, {365, 369, 366, 368, 373, 364, 370, 367, 372, 371}},
    {364, {371, 368, 363, 365, 372, 367, 362, 366, 369, 370}},
    {365, {366, 370, 371, 363, 367, 369, 368, 362, 364, 372}},
    {366, {370, 367, 369, 372, 363, 368, 365, 371, 362, 364}},
    {367, {364, 362, 368, 366, 370, 363, 372, 365, 371, 369}},
    {368, {362, 371, 367, 364, 366, 370, 369, 372, 363, 365}},
    {369, {363, 372, 362, 371, 368, 366, 364, 370, 365, 367}},
    {370, {369, 364, 372, 362, 365, 371, 363, 368, 367, 366}},
    {371, {368, 365, 364, 370, 369, 372, 367, 363, 366, 362}},
    {372, {367, 363, 365, 369, 371, 362, 366, 364, 370, 368}},
};

TEST_F(Tangle, EveryCellsWays) {
    for (const auto &[cell, to] : CELLS) {
        std::map<int, int> want;
        for (size_t i = 0; i < to.size(); i++) want[WORDS[i]] = to[i];
        EXPECT_EQ(exits(cell, nullptr, false), want) << cell;
        EXPECT_EQ(exits(cell, nullptr, true), want) << cell;
    }
    const std::map<int, int> far_end = {{745, 363}, {758, 363}, {897, 363}, {898, 363}, {308, 363}};
    EXPECT_EQ(exits(373, nullptr, false), far_end);
    EXPECT_EQ(exits(373, nullptr, true), far_end);
}

TEST_F(Tangle, CellRows) {
    check_place(366, {
        {nullptr, line({WORD_LOOK, 897}), 366, {{STOP, 2962, 0}}},
        {nullptr, line({WORD_LOOK, 308}), 366, {{STOP, 2962, 0}}},
        {nullptr, line({WORD_LOOK, 745}), 366, {}, 0},
        {nullptr, line({898}), 366, {{STOP_ARG, 2904, 897}}},
        {nullptr, line({WORD_GO, 308}), 366, {{STOP_ARG, 2904, 897}}},
        // Not a way of the tangle: left to the word procedures.
        {nullptr, line({WORD_GO, 757}), 366, {}, 0},
        {nullptr, line({WORD_TAKE, 897}), 366, {}, 0},
    });
    fresh_world(366);
    at_place(line({WORD_TAKE, 897}));
    EXPECT_TRUE(bitest(evar(VAR_QUESTION), VFLAG_QUESTION_REPLIED));
}

TEST_F(Tangle, FarEndRows) {
    const std::vector<said> plate = {{0, 3295, 0}, {STOP, 3331, 0}};
    check_place(373, {
        // "Read" alone reads the automaton's plate, as does any name of it.
        {nullptr, line({798}), 373, plate},
        {nullptr, line({798, 821}), 373, plate},
        {nullptr, line({WORD_LOOK, 129}), 373, plate},
        {nullptr, line({WORD_TAKE, 134}), 373, {}, 0},
        {nullptr, line({WORD_LOOK, 1103}), 373, {{STOP, 3451, 0}}},
        {nullptr, line({WORD_LOOK, 1104}), 373, {{STOP, 3452, 0}}},
        {nullptr, line({WORD_LOOK, 898}), 373, {{STOP_ARG, 2903, 897}}, 1, 1},
    });
}

// The token put down is taken by the automaton, which gives a canister of
// oil; the packet, its wrapper and the reliquary are left here; anything
// else, or one of them not carried, is left to the drop word.
TEST_F(Tangle, PuttingThingsDownAtTheFarEnd) {
    struct put_down {
        int verb, obj;
        std::vector<said> texts;
        int lies_at;
    };
    const put_down cases[] = {
        {WORD_DROP, 51, {{STOP, 1991, 0}}, PLACE_GONE},
        {868, 51, {{STOP, 1991, 0}}, PLACE_GONE},
        {WORD_DROP, 104, {{TYPED, 1857, VAR_ARG2}}, 373},
        {868, 105, {{TYPED, 1857, VAR_ARG2}}, 373},
        {WORD_DROP, 43, {{STOP, 3482, 0}}, 373},
        {WORD_DROP, 107, {}, PLACE_CARRIED},
    };
    for (const put_down &c : cases) {
        fresh_world(373);
        set_location(35, 373);
        carry(c.obj);
        outcome o = at_place(line({c.verb, c.obj}));
        EXPECT_EQ(o.texts, c.texts) << c.obj;
        EXPECT_EQ(o.loop, c.texts.empty() ? 0 : 1) << c.obj;
        EXPECT_EQ(location[c.obj], c.lies_at) << c.obj;
        const bool traded = c.obj == 51;
        EXPECT_EQ(location[OBJ_LIGHT_REFILL], traded ? 373 : PLACE_OFFSTAGE) << c.obj;
        EXPECT_EQ(bool(bitest(OBJ_LIGHT_REFILL, OFLAG_SEEN)), traded) << c.obj;
        EXPECT_EQ(value[35], traded ? 1 : 0) << c.obj;
    }
    // The token lying here, not carried: nothing to trade.
    fresh_world(373);
    set_location(51, 373);
    EXPECT_EQ(at_place(line({WORD_DROP, 51})).texts, std::vector<said>{});
    EXPECT_EQ(location[51], 373);

    fresh_world(373);
    carry(104);
    at_place(line({WORD_DROP, 104}));
    EXPECT_EQ(wording(said_log.back()), "You put the packet down by the automaton. It takes no notice.\n");
}

}  // namespace
