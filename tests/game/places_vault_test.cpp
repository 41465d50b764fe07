// The vault and the side passages off the hall of ways: their exits, look
// rows, the round vault door on both sides and the way back out of the
// vault, through the real command reader and dispatch up to the place
// procedure.
#include "places.h"

namespace {

using namespace game_test;

class Vault : public GameTest {};

const std::function<void()> vault_open = state_of(36, 1);
std::function<void()> entered_from(int place) {
    return [place] { set_ref(VAR_RETURN_PLACE, place); };
}

TEST_F(Vault, SidePassageExits) {
    // The staircase is the steps, to dispatch.
    const std::map<int, int> steps = {{755, 382}, {7, 382}, {171, 382}, {751, 210}, {758, 210}, {901, 210},
                                      {902, 210}, {210, 210}};
    EXPECT_EQ(exits(374, nullptr, false), steps);
    EXPECT_EQ(exits(374, nullptr, true), steps);
    EXPECT_EQ(exits(375, nullptr, true),
              (std::map<int, int>{{745, 214}, {758, 214}, {897, 214}, {308, 214}, {898, 214}, {901, 214}}));
    std::map<int, int> north = {{749, 214}, {745, 379}};
    EXPECT_EQ(exits(378, nullptr, false), north);
    north[897] = north[898] = north[308] = 379;
    EXPECT_EQ(exits(378, came_from(214), false), north);
    std::map<int, int> bend = {{749, 378}, {750, 378}, {751, 378}, {745, 380}, {746, 380}, {747, 380}};
    EXPECT_EQ(exits(379, nullptr, false), bend);
    bend[897] = bend[898] = bend[308] = 378;
    EXPECT_EQ(exits(379, came_from(380), true), bend);
    EXPECT_EQ(exits(380, nullptr, false), (std::map<int, int>{{758, 379}, {749, 379}, {308, 379}}));
    EXPECT_EQ(exits(381, nullptr, false), (std::map<int, int>{{749, 214}, {745, 383}, {747, 382}}));
    EXPECT_EQ(exits(382, nullptr, false), (std::map<int, int>{{754, 374}, {7, 374}, {171, 374}, {747, 374},
                                                             {966, 374}, {749, 381}, {897, 381}, {308, 381}, {758, 381}}));
    EXPECT_EQ(exits(383, nullptr, true),
              (std::map<int, int>{{758, 381}, {749, 381}, {897, 381}, {898, 381}, {308, 381}}));
}

TEST_F(Vault, CeilingAndVaultExits) {
    const std::map<int, int> shut = {{754, 214}, {758, 214}, {898, 214}, {897, 214}, {745, 214}};
    EXPECT_EQ(exits(376, nullptr, false), shut);
    EXPECT_EQ(exits(376, vault_open, true), (std::map<int, int>{{757, 583}}));
    // The vault's one way out leads back to the side it was entered from.
    EXPECT_EQ(exits(583, entered_from(376), false), (std::map<int, int>{{758, 376}}));
    EXPECT_EQ(exits(583, entered_from(377), true), (std::map<int, int>{{758, 377}}));
}

TEST_F(Vault, CeilingRows) {
    check_place(376, {
        {nullptr, line({WORD_LOOK, 754}), 376, {{STOP_ARG, 2019, 8}}},
        // The description names the landing, so it answers as the ceiling.
        {nullptr, line({WORD_LOOK, WORD_LANDING}), 376, {{STOP_ARG, 2019, 8}}},
        {nullptr, line({WORD_LOOK, 898}), 376, {{STOP_ARG, 2903, 898}}, 1, 1},
        {nullptr, line({757}), 376, {{STOP, 1638, 0}}},
        // The open door fills the landing.
        {vault_open, line({754}), 376, {{STOP, 1613, 0}}},
        {vault_open, line({WORD_GO, 745}), 376, {{STOP, 1613, 0}}},
        // "In by the door" and "out of the door" are the moves alone.
        {vault_open, line({757, 8}), 583, {}},
        {nullptr, line({758, 36}), 214, {}},
    });
    // Named without looking, the landing is marked for the last replies.
    fresh_world(376);
    at_place(line({WORD_TAKE, WORD_LANDING}));
    EXPECT_TRUE(bitest(VAR_QUESTION, VFLAG_QUESTION_REPLIED));
    // Going in records the side of the door the player came from.
    fresh_world(376);
    vault_open();
    at_place(line({757}));
    EXPECT_EQ(value[VAR_RETURN_PLACE], 376);
    EXPECT_EQ(*bitword(VAR_RETURN_PLACE), ref_mark);
    // "Door" here is the vault door, and replies show its word.
    fresh_world(376);
    at_place(line({WORD_TAKE, 8}));
    EXPECT_EQ(value[VAR_ARG2], 36);
    EXPECT_EQ(wording({TYPED, 1849, VAR_ARG2}), "There is nothing out of the ordinary about the vault.\n");
}

TEST_F(Vault, VaultRows) {
    check_place(583, {
        // "Shut" alone is shutting the door, which cannot be done from in
        // here.
        {entered_from(376), line({WORD_CLOSE}), 583, {{STOP, 1639, 0}}},
        {entered_from(376), line({WORD_OPEN, 8}), 583, {{TYPED, 1605, VAR_ARG2}}},
        {entered_from(376), line({WORD_LOOK, 36}), 583, {{STOP, 2101, 0}}},
        {entered_from(376), line({36}), 583, {{TYPED, 1507, 36}}, 1, 1},
        {entered_from(376), line({WORD_TAKE, 36}), 583, {}, 0},
        {entered_from(376), line({36, WORD_OUT}), 376, {}},
        {entered_from(376), line({WORD_LOOK}), 583, {}, 0},
    });
    fresh_world(583);
    entered_from(376)();
    at_place(line({WORD_CLOSE}));
    EXPECT_EQ(value[VAR_ARG2], 36);
    EXPECT_EQ(value[VAR_COMMAND_STATUS], 2);
    // The door named alone leaves its word for the next command.
    fresh_world(583);
    entered_from(376)();
    at_place(line({36}));
    EXPECT_TRUE(bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_ORPHAN));
    fresh_world(583);
    at_place(line({WORD_TAKE, 36}));
    EXPECT_TRUE(bitest(VAR_QUESTION, VFLAG_QUESTION_REPLIED));
}

TEST_F(Vault, SidePassageRows) {
    const std::function<void()> ball_here = [] { set_location(126, 375); };
    check_place(374, {
        // "Read" alone reads the tablet; its letters, or any writing here,
        // cannot be read by eye.
        {nullptr, line({798}), 374, {{STOP, 1823, 0}}},
        {nullptr, line({WORD_LOOK, 134}), 374, {{STOP, 1823, 0}}},
        {nullptr, line({WORD_LOOK, 7}), 374, {{STOP, 2748, 0}}, 1, 1},
        {nullptr, line({WORD_LOOK, 936}), 374, {{STOP, 2749, 0}}},
        {nullptr, line({WORD_LOOK, 1130}), 374, {{STOP_ARG, 2037, 1130}}},
        {nullptr, line({WORD_LOOK, 902}), 374, {{STOP, 2960, 0}}},
        {nullptr, line({WORD_TAKE, 73}), 374, {}, 0},
    });
    check_place(375, {
        {nullptr, line({WORD_LOOK, 1085}), 375, {{STOP, 3105, 0}}},
        {nullptr, line({WORD_LOOK, 308}), 375, {{STOP_ARG, 2903, 897}}, 1, 1},
        {nullptr, line({WORD_LOOK, 126}), 375, {{STOP, 3106, 0}}},
        {ball_here, line({WORD_LOOK, 126}), 375, {}, 0},
        {nullptr, line({WORD_LOOK, 1056}), 375, {{STOP, 3106, 0}}},
    });
    check_place(379, {
        {nullptr, line({WORD_LOOK, 1017}), 379, {}, 0},
        {nullptr, line({WORD_LOOK, 897}), 379, {{TYPED, 2902, 308}}, 1, 1},
    });
    check_place(380, {
        {nullptr, line({WORD_LOOK, 754}), 380, {{STOP_ARG, 2019, 9}}},
        {nullptr, line({WORD_LOOK, 308}), 380, {{TYPED, 2903, 308}}, 1, 1},
        {nullptr, line({WORD_LOOK, 1018}), 380, {{STOP, 2910, 0}}},
    });
    check_place(381, {
        {nullptr, line({WORD_LOOK, 898}), 381, {{STOP_ARG, 2902, 897}}, 1, 1},
        {nullptr, line({897}), 381, {{STOP, 1297, 0}}},
    });
    check_place(382, {
        {nullptr, line({WORD_LOOK, 7}), 382, {{STOP, 2748, 0}}, 1, 1},
        {nullptr, line({WORD_LOOK, 936}), 382, {{STOP, 2749, 0}}},
        {nullptr, line({WORD_LOOK, 966}), 382, {{STOP_ARG, 2596, 966}}, 1, 1},
    });
    check_place(383, {
        {nullptr, line({WORD_LOOK, 936}), 383, {{STOP, 2968, 0}}},
        {nullptr, line({WORD_LOOK, 897}), 383, {{STOP_ARG, 2903, 897}}, 1, 1},
    });
}

TEST_F(Vault, TextsAreWritten) {
    for (int t : {1613, 1638, 1639, 1823, 2101, 2748, 2749, 2910, 2960, 2968, 3105, 3106})
        EXPECT_FALSE(wording({0, t, 0}).empty()) << t;
    for (int place : {374, 375, 376, 378, 379, 380, 381, 382, 383, 583}) {
        EXPECT_FALSE(wording({SAY_DETAIL, place, 0}).empty()) << place;
        EXPECT_FALSE(wording({0, place, 0}).empty()) << place;
    }
}

// The landing, the slit overhead and the vault's shelves are answered by a
// closer look.
TEST_F(Vault, NamedFeaturesAnswerALook) {
    const std::vector<feature_reply> cases = {
        {376, "examine landing", {STOP_ARG, 2019, 8}},
        {380, "examine slit", {STOP_ARG, 2019, 9}},
        {583, "examine shelves", {STOP_ARG, 2033, 912}},
        {374, "look down", {STOP_ARG, 2478, 1}},
    };
    expect_replies(cases);
}

}  // namespace
