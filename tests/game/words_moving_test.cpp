// The movement words and the finding word: each run on a typed command in
// a world set up for it, as tables of (situation, command) -> (texts said,
// place, loop, draws). The way-without-exit reply itself belongs to the
// shared replies; here only that the compass words hand over to it.
#include <functional>
#include <string>
#include <vector>

#include "words_table.h"

namespace {

using namespace game_test;
using texts = std::vector<said>;

constexpr int GO = WORD_GO, NORTH = WORD_NORTH, UP = WORD_UP, DOWN = WORD_DOWN, IN = WORD_IN,
              OUT = WORD_OUT, BACK = WORD_BACK, JUMP = 762, CAVERNS = 889, FIND = 794, LAMP = OBJ_LIGHT_SOURCE,
              MIRROR = 17, OPEN_AIR = 7;

int refusals = 0;  // calls of the shared reply to a way without an exit
int refuse_way() {
    refusals++;
    loop = 1;
    return 0;
}

using Moving = WordsTest;

TEST_F(Moving, GoAnswersByWhatItNames) {
    const auto prowler_here = [] { location[OBJ_ATTACKER] = value[VAR_HERE]; };
    table(p391, PLACE_DEPOSIT,
          {
              {nullptr, line({GO}), PLACE_DEPOSIT, {{TYPED, 1378, VAR_ARG1}}, 1, 1},
              {nullptr, line({GO, PLACE_DEPOSIT}), PLACE_DEPOSIT, {{STOP, 1347, 0}}},
              {[] { set_ref(VAR_HERE, PLACE_START); }, line({GO, PLACE_DEPOSIT}), PLACE_START, {{STOP, 1424, 0}}, 1, 1},
              {prowler_here, line({GO, OBJ_ATTACKER}), PLACE_DEPOSIT, {{TYPED, 2079, VAR_ARG2}}},
              {[] { carry(MIRROR); }, line({GO, MIRROR}), PLACE_DEPOSIT, {{TYPED, 2079, VAR_ARG2}}},
              {[] { carry(LAMP); }, line({GO, LAMP}), PLACE_DEPOSIT, {{STOP, 2007, 0}}},
          });
    // A listed creature that is not near: the fallback reply, never 2079.
    fresh_world(PLACE_DEPOSIT);
    const outcome o = call(p391, line({GO, OBJ_ATTACKER}));
    EXPECT_EQ(o.loop, 1);
    for (const said &t : o.texts) EXPECT_NE(t.text, 2079);
}

TEST_F(Moving, GoHandsOnToTheWayItNames) {
    for (int way : {NORTH, UP, IN, OUT, BACK, 893, CAVERNS}) {
        fresh_world(313);
        refusals = 0;
        procs[way] = refuse_way;
        const outcome o = call(p391, line({GO, way}));
        EXPECT_EQ(refusals, 1) << "way " << way;
        EXPECT_EQ(o.loop, 1);
    }
}

TEST_F(Moving, GoAloneIsAnsweredBeforeThePlace) {
    // The three-way chamber lowers a counter on every command it sees.
    fresh_world(313);
    value[26] = 1;
    const outcome o = turn(line({GO}));
    EXPECT_EQ(o.texts, texts({{TYPED, 1378, VAR_ARG1}}));
    EXPECT_EQ(value[26], 1);
    EXPECT_EQ(o.place, 313);
}

TEST_F(Moving, AxisInOutJumpAndTheCaverns) {
    table(p877, 313,
          {
              {nullptr, line({UP}), 313, {{STOP_ARG, 1294, UP}}},
              {nullptr, line({GO, UP}), 313, {{STOP_ARG, 1294, UP}}},
              {nullptr, line({LAMP, UP}), 313, {{STOP, 1352, 0}}},
          });
    // No fall in the dark on an axis word: nothing is drawn.
    table(p225, 313,
          {
              {[] { light(false); }, line({DOWN}), 313, {{STOP_ARG, 1294, DOWN}}},
              {nullptr, line({LAMP, DOWN}), 313, {{STOP, 1352, 0}}},
          });
    table(p472, 313, {{nullptr, line({IN}), 313, {{STOP_ARG, 1298, 0}}}});
    table(p654, 313, {{nullptr, line({OUT}), 313, {{STOP_ARG, 1298, 0}}}});
    table(p507, 313, {{nullptr, line({JUMP}), 313, {{STOP, 2607, 0}}}});
    table(p108, PLACE_START, {{nullptr, line({CAVERNS}), PLACE_START, {{STOP, 1346, 0}}}});
    table(p108, 202, {{nullptr, line({CAVERNS}), 202, {{STOP, 1346, 0}}}});
    table(p108, 313, {{nullptr, line({CAVERNS}), 313, {{STOP, 1347, 0}}}});
}

TEST_F(Moving, BackReturnsOrExplains) {
    const auto came_from = [](int there) { return [there] { set_ref(VAR_THERE, there); }; };
    table(p38, 313,
          {
              {came_from(0), line({BACK}), 313, {{STOP_ARG, 1387, 0}}},
              {[] { set_ref(VAR_THERE, 312); bitmod('s', 313, PFLAG_NO_BACK); }, line({BACK}), 313,
               {{STOP_ARG, 1387, 0}}},
              {[] { set_ref(VAR_THERE, 312); bitmod('s', 312, PFLAG_NO_BACK); }, line({BACK}), 313,
               {{STOP_ARG, 1387, 0}}},
              {came_from(312), line({BACK}), 312, {}},
          });
    // Back twice: to where the first one started; the move counts as one.
    fresh_world(313);
    set_ref(VAR_THERE, 312);
    call(p38, line({BACK}));
    EXPECT_EQ(value[VAR_HERE], 312);
    EXPECT_EQ(value[VAR_THERE], 313);
    EXPECT_TRUE(bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_MOVED));
    const outcome o = call(p38, line({BACK}));
    EXPECT_EQ(o.place, 313);
    EXPECT_EQ(value[VAR_THERE], 312);
    EXPECT_EQ(o.loop, 1);
}

TEST_F(Moving, FindComparesTheTargetWithWhereYouAre) {
    const auto open_air = [] { bitmod('s', value[VAR_HERE], OPEN_AIR); };
    table(p317, PLACE_START,
          {
              {nullptr, line({FIND}), PLACE_START, {}, 0},
              {open_air, line({FIND, CAVERNS}), PLACE_START, {{STOP, 1346, 0}}},
              {[] { bitmod('s', PLACE_START, OPEN_AIR); bitmod('s', 204, PFLAG_VISITED); }, line({FIND, CAVERNS}),
               PLACE_START, {{STOP, 1347, 0}}},
              {nullptr, line({FIND, CAVERNS}), PLACE_START, {{STOP, 1347, 0}}},
              {[] { carry(LAMP); }, line({FIND, LAMP}), PLACE_START, {{STOP, 1391, 0}}},
              {[] { location[LAMP] = PLACE_START; }, line({FIND, LAMP}), PLACE_START, {{STOP, 1875, 0}}},
              {[] { location[MIRROR] = PLACE_START; }, line({FIND, MIRROR}), PLACE_START, {{STOP, 1391, 0}}},
              {nullptr, line({FIND, LAMP}), PLACE_START, {{STOP, 1348, 0}}},
              {nullptr, line({FIND, PLACE_START}), PLACE_START, {{STOP, 1425, 0}}},
              {nullptr, line({FIND, PLACE_DEPOSIT}), PLACE_START, {{STOP, 1348, 0}}},
              {nullptr, line({FIND, NORTH}), PLACE_START, {{STOP, 1352, 0}}},
          });
}

}  // namespace
