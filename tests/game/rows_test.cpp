// The row tables' interpreter: order, guards, blocks, moves, says, stops,
// the status word and the random draws, on small tables of its own run
// through the real command reader.
#include "harness.h"

namespace {

using namespace game_test;
using namespace rows;

constexpr int HERE = 313;
constexpr int NORTH = 745, SOUTH = 749, EAST = 747, WEST = 751, LOOK = 822, GO = 759, IN = 757, OUT = 758;

// Rows in order: the earlier row wins; a move whose words are absent does
// nothing and the walk goes on; a stop ends it.
constexpr row ORDER[] = {
    go({NORTH, OUT}, 326),
    go({NORTH}, 330, 1597),
    reply({SOUTH, EAST}, 3125, arg(2)),
    reply(all({LOOK, WEST}), 3173),
    tell({WEST}, 1603),
    reply({WEST}, 1638),
    tell({IN}, 1266),
    forced_if({IN}, 702, 1613),
};
int order() { return run<ORDER>(); }

class Rows : public GameTest {
protected:
    outcome command(game_proc p, const std::string &typed) {
        parse(typed);
        return call(p);
    }
};

TEST_F(Rows, RunInOrderUntilOneEndsTheTurn) {
    struct row_case {
        std::vector<int> words;
        int place;
        std::vector<said> texts;
        int loop;
    };
    const row_case cases[] = {
        {{NORTH}, 326, {}, 1},                           // the first row wins
        {{OUT}, 326, {}, 1},
        {{GO, SOUTH}, HERE, {{STOP_ARG, 3125, 2}}, 1},   // the second word counts too
        {{LOOK, WEST}, HERE, {{STOP, 3173, 0}}, 1},      // all of the words
        {{WEST}, HERE, {{0, 1603, 0}, {STOP, 1638, 0}}, 1},
        {{IN}, 702, {{0, 1266, 0}, {0, 1613, 0}}, 1},    // a forced move says its text
        {{754}, HERE, {}, 0},                            // nothing matched: the turn goes on
    };
    for (const row_case &c : cases) {
        fresh_world(HERE);
        std::vector<int> w = c.words;
        parse(w.size() == 1 ? line({w[0]}) : line({w[0], w[1]}));
        outcome o = call(order);
        EXPECT_EQ(o.place, c.place) << w[0];
        EXPECT_EQ(o.texts, c.texts) << w[0];
        EXPECT_EQ(o.loop, c.loop) << w[0];
    }
}

// A forced move that goes on; the player moved to the place here still
// counts as a move; a return leaves the turn open.
constexpr row MOVES[] = {
    forced_on(PLACE_GONE),
    tell(1266),
    forced_if({NORTH}, HERE),
    ret({SOUTH}),
    tell(1267),
};
int moves() { return run<MOVES>(); }

TEST_F(Rows, ForcedMovesAndReturns) {
    fresh_world(HERE);
    outcome o = command(moves, line({SOUTH}));
    EXPECT_EQ(o.place, PLACE_GONE);
    EXPECT_EQ(value[VAR_THERE], HERE);
    EXPECT_EQ(o.texts, (std::vector<said>{{0, 1266, 0}}));
    EXPECT_EQ(o.loop, 0);

    fresh_world(HERE);
    o = command(moves, line({NORTH}));
    EXPECT_EQ(o.place, HERE);
    EXPECT_EQ(value[VAR_THERE], PLACE_GONE);
    EXPECT_TRUE(bitest(VAR_COMMAND_STATUS, 0));  // moved
    EXPECT_EQ(o.loop, 1);
}

// Blocks: the look block answers before the moves even for a movement
// command; a look block that returns skips the rest; the movement block
// runs for GO or a one-word command only; a first block takes one row.
constexpr row BLOCKS[] = {
    look(),
        reply({NORTH}, 3174),
        let({WEST}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        first(),
            group({EAST}),
                tell(1603),
                go({EAST}, 330),
            end(),
            tell({EAST, WEST}, 1604),
            tell(1605),
        end(),
        go({NORTH}, 326),
        go({WEST}, 331),
    end(),
    mark({NORTH, SOUTH}),
    mark_name({319}),
};
int blocks() { return run<BLOCKS>(); }

TEST_F(Rows, BlocksAndTheirGuards) {
    struct row_case {
        std::string typed;
        int place;
        std::vector<said> texts;
        int loop;
        int marks;  // flags 1 and 2 of VAR_QUESTION, as bits 1 and 2
    };
    const row_case cases[] = {
        {line({LOOK, NORTH}), HERE, {{STOP, 3174, 0}}, 1, 0},
        {line({LOOK, WEST}), HERE, {}, 0, 0},          // returns from the look block
        {line({NORTH}), 326, {{0, 1605, 0}}, 1, 0},    // the first block's last row
        {line({GO, NORTH}), 326, {{0, 1605, 0}}, 1, 0},
        {line({EAST}), 330, {{0, 1603, 0}}, 1, 0},     // the group is one row of the chain
        {line({WEST}), 331, {{0, 1604, 0}}, 1, 0},
        {line({WORD_TAKE, NORTH}), HERE, {}, 0, 2},    // no movement guard: the marks
        {line({WORD_TAKE, 319}), HERE, {}, 0, 4},
    };
    for (const row_case &c : cases) {
        fresh_world(HERE);
        value[VAR_QUESTION] = VAR_QUESTION;
        outcome o = command(blocks, c.typed);
        EXPECT_EQ(o.place, c.place) << c.typed;
        EXPECT_EQ(o.texts, c.texts) << c.typed;
        EXPECT_EQ(o.loop, c.loop) << c.typed;
        EXPECT_EQ(*bitword(VAR_QUESTION) & 6, c.marks) << c.typed;
    }
}

// A feature word that is also an exit: the look block, coming first,
// answers it even when a rewrite has made the command a movement command.
constexpr row LOOK_BEFORE_MOVING[] = {
    let(all({LOOK, NORTH}), VAR_COMMAND_STATUS, 1),
    look(),
        reply({NORTH}, 3174),
    end(),
    moving(),
        go({NORTH}, 326),
    end(),
};
int look_before_moving() { return run<LOOK_BEFORE_MOVING>(); }

TEST_F(Rows, LookBlockAnswersBeforeTheExits) {
    fresh_world(HERE);
    outcome o = command(look_before_moving, line({LOOK, NORTH}));
    EXPECT_EQ(value[VAR_COMMAND_STATUS], 1);
    EXPECT_EQ(o.place, HERE);
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP, 3174, 0}}));
    fresh_world(HERE);
    EXPECT_EQ(command(look_before_moving, line({NORTH})).place, 326);
}

// Draws: a draw in a row's test is taken every time the row is reached; a
// draw inside a group only when the group is entered; every term of a test
// is evaluated, and the status word holds the fold.
int calls_made = 0;
int count_call() {
    calls_made++;
    return 0;
}
constexpr row DRAWS[] = {
    when([] { return cond(irand(100) < 0).AND(value[26] == 3); }, tell(1266)),
    group({NORTH}),
        when([] { return cond(irand(2) >= 0); }, call(count_call)),
    end(),
    when([] { return cond(value[26] == 3).OR(irand(100) < 0); }, reply({SOUTH}, 1267)),
};
int draws() { return run<DRAWS>(); }

TEST_F(Rows, DrawsAreTakenWhereTheRowIsReached) {
    struct row_case {
        int word, state;
        long draws;
        int calls;
        int status_word;
    };
    const row_case cases[] = {
        {WEST, 0, 2, 0, 0},   // two tests reached, the group not entered
        {NORTH, 0, 3, 1, 0},  // the group entered: its draw too
        {SOUTH, 3, 2, 0, 1},  // both tests hold; the word folds into the status word
        {WEST, 3, 2, 0, 0},   // the second test holds, the word does not
    };
    for (const row_case &c : cases) {
        fresh_world(HERE);
        calls_made = 0;
        value[26] = c.state;
        outcome o = command(draws, line({c.word}));
        EXPECT_EQ(o.draws, c.draws) << c.word;
        EXPECT_EQ(calls_made, c.calls) << c.word;
        EXPECT_EQ(value[VAR_STATUS_WORD], c.status_word) << c.word;
    }
}

// The world-changing rows and the conventions of places.
int here_at_step = 0;
int step_returns() {
    here_at_step = value[VAR_HERE];
    return value[26] == 9;
}
constexpr row WORLD[] = {
    let(26, 4),
    add(26, 3),
    let_ref(VAR_ARG1, 751),
    put_here(11),
    put(12, 700),
    set_flag(650, 4),
    clear_flag(650, 5),
    land(702, 1679),
    drop_to(321, 1680),
    direction({WEST}, 749),
    step(step_returns),
    add(26, 2),
    step(step_returns),
    tell(1266),
};
int world() { return run<WORLD>(); }

TEST_F(Rows, WorldRowsAndLandingVariables) {
    fresh_world(HERE);
    bitmod('s', 650, 5);
    outcome o = command(world, line({NORTH}));
    EXPECT_EQ(value[26], 9);
    EXPECT_EQ(value[VAR_ARG1], 751);
    EXPECT_EQ(*bitword(VAR_ARG1), ref_mark);
    EXPECT_EQ(location[11], HERE);
    EXPECT_EQ(location[12], 700);
    EXPECT_TRUE(bitest(650, 4));
    EXPECT_FALSE(bitest(650, 5));
    for (int v : {VAR_LANDING_PLACE, VAR_LANDING_TEXT, VAR_DROP_PLACE, VAR_DROP_TEXT})
        EXPECT_EQ(*bitword(v), ref_mark) << v;
    EXPECT_EQ(value[VAR_LANDING_PLACE], 702);
    EXPECT_EQ(value[VAR_LANDING_TEXT], 1679);
    EXPECT_EQ(value[VAR_DROP_PLACE], 321);
    EXPECT_EQ(value[VAR_DROP_TEXT], 1680);
    EXPECT_EQ(value[VAR_DIRECTION_WORD], 749);  // the rewritten first word names 751
    EXPECT_EQ(here_at_step, HERE);
    EXPECT_TRUE(o.texts.empty());  // the second step returned
    EXPECT_EQ(o.loop, 0);
}

// A look-alike family: one shape, a member per place; the member is found
// by its own place, not by where the player stands.
int type_seen = -1;
int see_type(arg_pair t) {
    type_seen = t.val;
    return 0;
}
constexpr member FAMILY[] = {
    {651, {2}, {go({NORTH}, 652), go({SOUTH}, 653)}},
    {652, {1}, {when([] { return cond(!bitest(670, 4)); }, go({SOUTH}, 651))}},
};
constexpr row SHAPE[] = {
    call_member(see_type, 0),
    moving(),
        member_rows(),
    end(),
    reply({SOUTH, NORTH}, 2425),
};
int p651_like() { return run_member<SHAPE, FAMILY>(651); }
int p652_like() { return run_member<SHAPE, FAMILY>(652); }

TEST_F(Rows, LookAlikeMembersShareOneShape) {
    fresh_world(651);
    outcome o = command(p651_like, line({SOUTH}));
    EXPECT_EQ(type_seen, 2);
    EXPECT_EQ(o.place, 653);

    fresh_world(652);
    bitmod('s', 670, 4);
    o = command(p652_like, line({SOUTH}));
    EXPECT_EQ(type_seen, 1);
    EXPECT_EQ(o.place, 652);
    EXPECT_EQ(o.texts, (std::vector<said>{{STOP, 2425, 0}}));

    // Run as a word procedure from elsewhere, a member still reads its own
    // rows.
    fresh_world(200);
    o = command(p652_like, line({SOUTH}));
    EXPECT_EQ(type_seen, 1);
    EXPECT_EQ(o.place, 651);
}

// The rows that copy, draw, rewrite and reach through variables.
int held_calls = 0;
int held_probe() {
    held_calls++;
    return 0;
}
constexpr row HELD[] = {
    copy(VAR_LANDING_PLACE, VAR_HERE),
    either(VAR_DIRECTION_WORD, 751, 747),
    rewrite(WORD_TAKE, WORD_DROP),
    rewrite_shown(WEST, EAST),
    set_flag_held(VAR_HERE, 9),
    let_variant(2717, 5),
    call_held(VAR_ARG2),
    go_held({WORD_DROP}, 326, VAR_PASSAGE_TEXT),
};
int held() { return run<HELD>(); }

TEST_F(Rows, RowsThroughVariables) {
    fresh_world(HERE);
    procs[EAST] = held_probe;
    held_calls = 0;
    set_ref(VAR_PASSAGE_TEXT, 1597);
    parse(line({WORD_TAKE, WEST}));
    const outcome o = call(held);
    EXPECT_EQ(value[VAR_LANDING_PLACE], HERE);
    EXPECT_EQ(*bitword(VAR_LANDING_PLACE), ref_mark);
    EXPECT_TRUE(value[VAR_DIRECTION_WORD] == 751 || value[VAR_DIRECTION_WORD] == 747);
    EXPECT_EQ(*bitword(VAR_DIRECTION_WORD), ref_mark);
    EXPECT_EQ(value[VAR_ARG1], WORD_DROP);
    EXPECT_STREQ(arg1_word, "take");  // a silent rewrite keeps the typed word
    EXPECT_STREQ(arg2_word, "east");  // a shown one names the new word
    EXPECT_TRUE(bitest(HERE, 9));
    EXPECT_EQ(value[2717], 1);  // two variants: capped to the last
    EXPECT_EQ(held_calls, 1);   // the procedure of the second word, now east
    EXPECT_EQ(o.place, 326);    // take became drop
    EXPECT_EQ(o.texts, (std::vector<said>{{0, 1597, 0}}));
    EXPECT_EQ(o.draws, 1);

    // A move saying a held text of 0 still moves, silently.
    constexpr static row HELD_ZERO[] = {forced_held(326, VAR_PASSAGE_TEXT)};
    fresh_world(HERE);
    value[VAR_PASSAGE_TEXT] = 0;
    parse(line({NORTH}));
    const outcome z = call([] { return run<HELD_ZERO>(); });
    EXPECT_EQ(z.place, 326);
    EXPECT_EQ(z.loop, 1);
    EXPECT_TRUE(z.texts.empty());
}

}  // namespace
