// The small shared replies: a compass way with no exit (and the fall in the
// dark), taking in the dark, the vault words, the backward spell broken
// off, taken objects, "all" with other words, the opal's colours, the ale,
// the eel, the bridges, the griffin's patience and the coffer.
#include "procedure_cases.h"

namespace {

using namespace game_test;

constexpr int NORTH = 745, EAST = 747, PROMPT = VAR_PROMPT_TEXT;

class SharedReplies : public ProcedureTest {};

void dark() { bitmod('c', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_LIGHT); }

// In the dark, with the next draw falling below the fall's chance or not.
auto dark_draw(bool fall) {
    return [fall] {
        dark();
        rseed = seed_for(100, [fall](int r) { return (r < 25) == fall; });
    };
}

TEST_F(SharedReplies, NoExitByLightPlaceAndWords) {
    const std::vector<said> no_exit = {{TYPED, 1294, PROMPT}};
    check(200, {
        {"with go", nullptr, line({WORD_GO, NORTH}), p614, 200, {{STOP, 1352, 0}}},
        {"alone", nullptr, line({NORTH}), p614, 200, no_exit},
        {"in the dark", dark_draw(false), line({NORTH}), p614, 200, {{TYPED, 1296, PROMPT}}, 1, 1},
        {"a stumble on open ground", [] { dark_draw(true)(); bitmod('s', 200, 7); }, line({NORTH}), p614, 200,
         {{ARG, 1312, 0}, {TYPED, 1296, PROMPT}}, 1, 1},
        {"no fall in phase 6", [] { dark_draw(true)(); value[VAR_PHASE] = 6; }, line({NORTH}), p614, 200,
         {{TYPED, 1296, PROMPT}}, 1, 1},
    });
    check(462, {{"no fall at the brink", dark_draw(true), line({NORTH}), p614, 462, {{TYPED, 1296, PROMPT}}, 1, 1}});
    check(230, {{"the warren", nullptr, line({NORTH}), p614, 230, {{STOP, 1345, 0}}}});
    check(241, {{"a warren dead end", [] { bitmod('s', 241, 11); }, line({NORTH}), p614, 241, no_exit}});
    check(600, {{"the dunes", [] { bitmod('s', 600, PFLAG_SHIFTING_EXITS); }, line({NORTH}), p614, 600,
                 {{TYPED, 1295, PROMPT}}}});
    check(645, {
        {"across the corridor", nullptr, line({NORTH}), p614, 645, {{TYPED, 2425, PROMPT}}},
        {"along the corridor", nullptr, line({EAST}), p614, 645, no_exit},
    });

    // Away from open ground the stumble is a fall, and the death follows.
    outcome o = run_case(200, {"", dark_draw(true), line({NORTH}), p614, 0, {}});
    ASSERT_FALSE(o.texts.empty());
    EXPECT_EQ(o.texts[0], (said{ARG, 1312, 1}));

    // The way is kept for the texts, marked.
    run_case(200, {"", nullptr, line({NORTH}), p614, 0, {}});
    EXPECT_EQ(value[PROMPT], NORTH);
    EXPECT_EQ(*bitword(PROMPT), ref_mark);

    // With go, the rest of the line is dropped.
    fresh_world(200);
    parse(line({WORD_GO, NORTH}) + "; " + line({WORD_LOOK}));
    call(p614);
    loop = 0;  // the next turn
    support::lines.push_back(line({EAST}));
    get_command(0);
    EXPECT_EQ(value[VAR_ARG1], EAST);
}

TEST_F(SharedReplies, TakingInTheDark) {
    auto load = [](int carried_count, bool fall, int chance) {
        return [=] {
            dark();
            set_location(47, 200);
            bitmod('s', 47, OFLAG_PORTABLE);
            value[VAR_CARRIED_COUNT] = carried_count;
            value[VAR_CARRY_LIMIT] = 12;
            rseed = seed_for(100, [=](int r) { return (r < chance) == fall; });
        };
    };
    check(200, {
        {"nothing named", dark, line({WORD_TAKE}), p394, 200, {{STOP, 1690, 0}}},
        dying({"a full load, a fall", load(12, true, 60), line({WORD_TAKE, 47}), p394, 200,
               {{SAY_ARG | SAY_ARGVAR, 1691, VAR_ARG2}}}),
        {"a full load, found", load(12, false, 60), line({WORD_TAKE, 47}), p394, 200, {{TYPED, 1692, VAR_ARG2}}, 1,
         1},
        {"twelve free, never a fall", load(0, false, 0), line({WORD_TAKE, 47}), p394, 200,
         {{TYPED, 1692, VAR_ARG2}}, 1, 1},
        {"already carried", [] { carry(47); }, line({WORD_TAKE, 47}), p394, 200, {}, 0},
        {"not portable", [] { set_location(47, 200); }, line({WORD_TAKE, 47}), p394, 200, {}, 0},
        {"not an object", nullptr, line({WORD_TAKE, 936}), p394, 200, {}, 0},
    });
}

TEST_F(SharedReplies, VaultWords) {
    const int RIGHT = 714, WRONG = 720;
    auto at_vault = [=](int state, bool spoken) {
        return [=] {
            set_location(36, 376);
            value[36] = state;
            if (spoken) bitmod('s', 36, 13);
            value[VAR_SPELL_WORD] = RIGHT;
            bitmod('s', 376, PFLAG_HINT_AVAILABLE);
        };
    };
    check(376, {
        {"the right word", at_vault(0, false), line({RIGHT}), p663, 376, {{STOP, 1609, 0}}},
        {"the right word, said", at_vault(0, false), line({WORD_SAY, RIGHT}), p663, 376, {{STOP, 1609, 0}}},
        {"a wrong word", at_vault(0, false), line({WRONG}), p663, 376, {{STOP, 1612, 0}}},
        {"a wrong word once the right one was said", at_vault(0, true), line({WRONG}), p663, 376,
         {{STOP, 1329, 0}}},
        {"the right word after a wrong one", at_vault(2, false), line({RIGHT}), p663, 376, {{STOP, 1329, 0}}},
        {"away from the vault", nullptr, line({RIGHT}), p663, 376, {{STOP, 1329, 0}}},
        {"by the grille, the fuse low", [] { set_location(98, 376); bitmod('s', VAR_GAME_FLAGS_2, 9); },
         line({RIGHT}), p663, 376, {{STOP, 3330, 0}}},
    });
    run_case(376, {"", at_vault(0, false), line({RIGHT}), p663, 0, {}});
    EXPECT_EQ(value[36], 1);
    EXPECT_TRUE(bitest(36, 13));
    EXPECT_FALSE(bitest(376, PFLAG_HINT_AVAILABLE));
    run_case(376, {"", [=] { at_vault(0, false)(); value[OBJ_LOCKED_GATE] = 1; }, line({WRONG}), p663, 0, {}});
    EXPECT_EQ(value[36], 2);
    EXPECT_EQ(value[18], 1);  // the wraith rises
    EXPECT_TRUE(bitest(VAR_GAME_FLAGS, 0));
    EXPECT_TRUE(bitest(VAR_GAME_FLAGS, 2));
    EXPECT_EQ(value[OBJ_LOCKED_GATE], 0);
}

TEST_F(SharedReplies, BackwardSpellOutOfStep) {
    check(281, {
        {"half-said", [] { value[VAR_MAGIC_STEP] = 2; }, line({WORD_SEQ_1}), p331, 281, {{STOP, 1562, 0}}},
        {"not begun", [] { set_ref(1199, 1329); }, line({WORD_SEQ_2}), p331, 281, {{STOP | SAY_REFVAR, 1199, 0}}},
    });
    run_case(281, {"", [] { value[VAR_MAGIC_STEP] = 2; }, line({WORD_SEQ_1}), p331, 0, {}});
    EXPECT_EQ(value[VAR_MAGIC_STEP], 0);
    EXPECT_EQ(value[1199], 1264);
    EXPECT_EQ(*bitword(1199), ref_mark);
}

TEST_F(SharedReplies, TakenObjects) {
    struct taken_case {
        int obj, state;
        bool lightable, reacts;
        int state_after;
        bool counted_after;  // OFLAG_NOT_COUNTED cleared
        std::vector<said> texts;
    };
    const taken_case cases[] = {
        {65, 3, true, false, 1, true, {}},       // a burning candle settles to lit
        {67, 3, true, false, 1, false, {}},      // the jewel stays uncounted
        {65, 1, true, false, 1, false, {}},
        {119, 3, false, true, 2, false, {}},     // the jug comes back empty
        {144, 2, false, true, 3, false, {{STOP, 2776, 0}}},  // the vase back from the river
        {144, 0, false, true, 1, false, {}},
        {47, 0, false, true, 1, false, {}},
    };
    for (const taken_case &c : cases) {
        fresh_world(200);
        carry(c.obj);
        value[c.obj] = c.state;
        if (c.lightable) bitmod('s', c.obj, OFLAG_LIGHTABLE);
        if (c.reacts) bitmod('s', c.obj, 7);
        bitmod('s', c.obj, OFLAG_NOT_COUNTED);
        parse(line({WORD_TAKE, c.obj}));
        outcome o = call(p670);
        EXPECT_EQ(value[c.obj], c.state_after) << c.obj;
        EXPECT_EQ(bitest(c.obj, OFLAG_NOT_COUNTED), c.counted_after ? 0 : 1) << c.obj;
        EXPECT_FALSE(bitest(c.obj, 7)) << c.obj;
        EXPECT_EQ(o.texts, c.texts) << c.obj;
    }
}

TEST_F(SharedReplies, EverythingWithAnotherWord) {
    check(200, {
        {"taking", nullptr, line({WORD_TAKE, OBJ_ALL}), p125, 200, {}, 0},
        {"undoing", nullptr, line({WORD_UNDO, OBJ_ALL}), p125, 200, {}, 0},
        {"all alone", nullptr, line({OBJ_ALL}), p125, 200, {{STOP, 1984, 0}}},
        {"onward", nullptr, line({851, OBJ_ALL}), p125, 200, {{STOP, 2168, 0}}},
        {"eating", nullptr, line({788, OBJ_ALL}), p125, 200,
         {{SAY_ARG | SAY_ARGVAR, 1982, VAR_ARG1}, {TYPED, 1983, VAR_ARG2}}},
    });
}

// A colour word is the opal when the opal shows that colour; milky is its
// first look, and red too.
TEST_F(SharedReplies, OpalColours) {
    struct colour_case {
        int state, word;
        bool opal;
    };
    const colour_case cases[] = {
        {0, 1106, true}, {0, 1107, true}, {0, 1108, false}, {3, 1109, true}, {3, 1106, false}, {3, 1107, false},
    };
    for (const colour_case &c : cases) {
        fresh_world(408);
        set_location(69, 408);
        value[69] = c.state;
        parse(line({WORD_TAKE, c.word}));
        call(p754);
        EXPECT_EQ(value[VAR_ARG2], c.opal ? 69 : c.word) << c.state << " " << c.word;
    }
}

TEST_F(SharedReplies, AleInTheCask) {
    fresh_world(200);
    for (int k = 1; k <= 5; k++) {
        parse(line({791, 122}));
        EXPECT_EQ(call(p228).texts, (std::vector<said>{{STOP, k <= 3 ? 2280 : 2281, 0}})) << k;
    }
    EXPECT_EQ(value[1252], 3);
    parse(line({790, 122}));
    EXPECT_EQ(call(p228).texts, (std::vector<said>{{STOP, 2263, 0}}));
}

TEST_F(SharedReplies, EelBridgesAndCoffer) {
    auto eel = [](int state) { return [state] { set_location(94, 500); value[94] = state; }; };
    check(500, {
        {"eating a wary eel", eel(2), line({788, 94}), p698, 500, {{STOP, 1360, 0}}},
        {"feeding it", eel(2), line({795, 94}), p698, 500, {{STOP, 1995, 0}}},
        {"attacking it", eel(3), line({783, 94}), p698, 500, {{TYPED, 2828, 94}}},
        {"anything else", eel(2), line({785, 94}), p698, 500, {{SAY_DETAIL, 94, 0}}},
        {"an eel not yet wary", eel(1), line({783, 94}), p698, 500, {{SAY_DETAIL, 94, 0}}},
    });

    auto near_it = [](int obj, int state) { return [=] { set_location(obj, 300); value[obj] = state; }; };
    check(300, {
        {"over the rift", near_it(10, 1), line({WORD_LOOK, 11}), p539, 300, {{STOP, 2030, 0}}},
        {"over the ravine", near_it(31, 2), line({WORD_LOOK, 11}), p539, 300, {{STOP, 2040, 0}}},
        {"over the chasm", near_it(22, 0), line({WORD_LOOK, 11}), p539, 300, {{STOP, 2031, 0}}},
        {"the chasm's fallen bridge", near_it(22, 1), line({WORD_LOOK, 11}), p539, 300, {{STOP, 2032, 0}}},
        {"no bridge", nullptr, line({WORD_LOOK, 11}), p539, 300, {{TYPED, 1319, 11}}, 1, 1},
    });
    check(631, {{"over the river", nullptr, line({WORD_LOOK, 11}), p539, 631, {{STOP, 2365, 0}}}});

    const int DAGGER = 54, COFFER = 114, CASKET = 115;
    check(300, {
        {"not here", nullptr, line({WORD_OPEN, COFFER}), p651, 300, {}, 0},
        {"held", [] { carry(COFFER); }, line({WORD_OPEN, COFFER}), p651, 300, {{TYPED, 1413, VAR_ARG2}}},
        {"with the dagger", [=] { set_location(COFFER, 300); carry(DAGGER); }, line({WORD_OPEN, COFFER}), p651,
         300, {{STOP_ARG, 1415, 0}}},
        {"open already", [=] { set_location(CASKET, 300); carry(DAGGER); }, line({WORD_OPEN, CASKET}), p651, 300,
         {{STOP_ARG, 1415, 1}}},
        {"without the dagger", [] { set_location(COFFER, 300); }, line({WORD_OPEN, COFFER}), p651, 300,
         {{TYPED, 1414, VAR_ARG2}}},
    });
    run_case(300, {"", [=] { set_location(COFFER, 300); carry(DAGGER); }, line({WORD_OPEN, COFFER}), p651, 0, {}});
    EXPECT_EQ(location[COFFER], PLACE_GONE);
    EXPECT_EQ(location[CASKET], 300);
    EXPECT_EQ(location[62], 293);  // the moonstone rolls to the sump
}

// The griffin waiting at the watchpost: four answers in step, then gone.
TEST_F(SharedReplies, GriffinLosesPatience) {
    fresh_world(450);
    set_location(85, 448);
    const std::vector<std::vector<said>> in_step = {
        {{0, 2074, 0}},
        {{0, 2074, 0}, {STOP, 2075, 0}},
        {{STOP, 2074, 0}},
        {{STOP, 2076, 0}},
        {{STOP, 2074, 0}},
    };
    for (size_t k = 0; k < in_step.size(); k++) {
        parse(line({EAST}));
        outcome o = call(p872);
        EXPECT_EQ(o.texts, in_step[k]) << k;
        EXPECT_EQ(o.loop, 1) << k;
    }
    EXPECT_EQ(location[85], PLACE_GONE);

    // Out of step: elsewhere the griffin does not hear.
    fresh_world(450);
    set_location(85, 447);
    parse(line({EAST}));
    EXPECT_EQ(call(p872).texts, (std::vector<said>{{STOP, 2074, 0}}));
    EXPECT_FALSE(bitest(85, 13));
}

}  // namespace
