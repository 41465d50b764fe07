// The look word and the words that hand over to it or share its replies:
// reading, beginning, consulting and polishing. Each table row is a world
// set up, a typed command, and the texts said, the place, loop and draws;
// the order of the chunks shows in which answer wins.
#include <functional>
#include <string>
#include <vector>

#include "words_table.h"

namespace {

using namespace game_test;
using texts = std::vector<said>;

constexpr int LOOK = WORD_LOOK, LAMP = OBJ_LIGHT_SOURCE, NORTH = WORD_NORTH, UP = WORD_UP,
              DOWN = WORD_DOWN, CAVERNS = 889, VIEW = 977, SKY = 1136, CEILING = 376, EXITS = 1072, DUST = 939,
              AROUND = 1006, FLOOR = 1137, WALL = 936, HOLE = 893, JOURNAL = 61, CHEST = 4, IMP = 5, PACKET = 104,
              WRAPPER = 105, READ = 798, BEGIN = 728, CONSULT = 854, ORB = 81, POLISH = 792, RUB = 815,
              PLAQUE = 116, SPRITE = 91, WEB = 89, MEDALLION = 111, RAG = 132, KEY = OBJ_OPENER, FITTING = 1057,
              CLOTH = 63, BEACON = 45, BASIN = 322, OPEN_AIR = 7;
constexpr int DETAIL_OF_ARG2 = SAY_DETAIL | SAY_REFVAR;
constexpr int LOOK_COUNTER = 1220, JUST_ARRIVED = 3;

class Look : public WordsTest {
protected:
    static void open_air() { bitmod('s', value[VAR_HERE], OPEN_AIR); }
    static bool no_text(const outcome &o, int t) {
        for (const said &s : o.texts)
            if (s.text == t) return false;
        return true;
    }
};

TEST_F(Look, AloneDescribesThePlaceAndCountsLooksAfterAMove) {
    fresh_world(313);
    outcome o = call(p274, line({LOOK}));
    EXPECT_EQ(o.loop, 1);
    EXPECT_TRUE(bitest(313, PFLAG_VISITED));
    ASSERT_FALSE(o.texts.empty());
    EXPECT_EQ(o.texts.front(), (said{SAY_DETAIL | SAY_REFVAR, VAR_HERE, 0}));
    EXPECT_EQ(value[LOOK_COUNTER], 0);  // no move before it

    // Move, look, look: only the look right after the move counts.
    bitmod('s', VAR_QUESTION, JUST_ARRIVED);
    call(p274, line({LOOK}));
    EXPECT_EQ(value[LOOK_COUNTER], 1);
    bitmod('c', VAR_QUESTION, JUST_ARRIVED);
    call(p274, line({LOOK}));
    EXPECT_EQ(value[LOOK_COUNTER], 1);

    // The 25th counted look says its remark once, after the description.
    value[LOOK_COUNTER] = 25;
    bitmod('s', VAR_QUESTION, JUST_ARRIVED);
    o = call(p274, line({LOOK}));
    EXPECT_EQ(o.texts.back(), (said{STOP, 3360, 0}));
    EXPECT_FALSE(wording(o.texts.back()).empty());
    EXPECT_EQ(value[LOOK_COUNTER], 100);
    o = call(p274, line({LOOK}));
    EXPECT_TRUE(no_text(o, 3360));
    EXPECT_EQ(value[LOOK_COUNTER], 101);
}

TEST_F(Look, FeaturesThatSeveralPlacesShare) {
    const auto in_state = [](int place, int s) { return [place, s] { value[place] = s; }; };
    const auto at = [](int place, std::function<void()> more = nullptr) {
        return [place, more] {
            set_ref(VAR_HERE, place);
            if (more) more();
        };
    };
    table(p274, 313,
          {
              {nullptr, line({LOOK, AROUND}), 313, {{STOP, 2819, 0}}},
              {nullptr, line({LOOK, FLOOR}), 313, {{TYPED, 2716, VAR_ARG2}}},
              {nullptr, line({LOOK, NORTH}), 313, {{TYPED, 2703, VAR_ARG2}}},
              {at(590), line({LOOK, SKY}), 590, {{STOP_ARG, 2686, 4}}},
              {at(318, in_state(318, 3)), line({LOOK, SKY}), 318, {{TYPED, 2686, 318}}},
              {at(590), line({LOOK, VIEW}), 590, {{STOP_ARG, 2685, 0}}},
              {at(318, in_state(318, 2)), line({LOOK, VIEW}), 318, {{STOP_ARG, 2685, 1}}},
              {at(444), line({LOOK, VIEW}), 444, {{STOP_ARG, 2684, 1}}},
              {at(543), line({LOOK, VIEW}), 543, {{STOP_ARG, 2684, 2}}},
              {at(573), line({LOOK, VIEW}), 573, {{STOP_ARG, 2690, VIEW}}},
              {at(PLACE_START, open_air), line({LOOK, VIEW}), PLACE_START, {{STOP_ARG, 2684, 0}}},
              {at(PLACE_START, open_air), line({LOOK, CAVERNS}), PLACE_START, {{STOP_ARG, 1319, CAVERNS}}, 1,
               1},
              {at(203, open_air), line({LOOK, CAVERNS}), 203, {{STOP, 2678, 0}}},
              {nullptr, line({LOOK, CAVERNS}), 313, {{STOP, 2678, 0}}},
              {at(650), line({LOOK, CEILING}), 650, {{TYPED, 2033, CEILING}}},
              {at(645), line({LOOK, CEILING}), 645, {{STOP_ARG, 2019, 19}}},
              {at(400), line({LOOK, UP}), 400, {{STOP_ARG, 2019, 11}}},
              {at(PLACE_START, open_air), line({LOOK, UP}), PLACE_START, {{STOP, 3422, 0}}},
              {nullptr, line({LOOK, UP}), 313, {{TYPED, 2033, CEILING}}},
              {at(PLACE_START, open_air), line({LOOK, SKY}), PLACE_START, {{STOP, 2029, 0}}},
              {nullptr, line({LOOK, SKY}), 313, {{STOP_ARG, 1319, SKY}}, 1, 1},
              {nullptr, line({LOOK, DOWN}), 313, {{STOP, 2477, 0}}},
              {at(618), line({LOOK, EXITS}), 618, {{STOP_ARG, 1319, EXITS}}, 1, 1},
              {at(619), line({LOOK, EXITS}), 619, {{STOP_ARG, 3009, 0}}},
              {at(600), line({LOOK, EXITS}), 600, {{STOP, 3008, 0}}},
              {nullptr, line({LOOK, EXITS}), 313, {{STOP_ARG, 1319, EXITS}}, 1, 1},
              {nullptr, line({LOOK, DUST}), 313, {{STOP, 3465, 0}}},
              {[] { carry(LAMP); }, line({LOOK, OBJ_LIGHT_REFILL}), 313, {{STOP, 3466, 0}}},
              {[] { location[148] = 313; }, line({LOOK, 1008}), 313, {{STOP, 2824, 0}}},
              {[] { set_ref(VAR_HERE, 462); }, line({LOOK, FITTING}), 462, {{STOP, 3088, 0}}},
          });
    // The view from the changing room in any other state: no reply of the
    // first chunk; the later chunks answer.
    fresh_world(318);
    const outcome o = call(p274, line({LOOK, VIEW}));
    EXPECT_TRUE(no_text(o, 2685));
    EXPECT_TRUE(no_text(o, 2684));
}

TEST_F(Look, TheWaysOutOfAShiftingDune) {
    const auto dune = [](int closed) {
        return [closed] {
            set_ref(VAR_HERE, 600);
            bitmod('s', 600, PFLAG_SHIFTING_EXITS);
            value[600] = closed;
        };
    };
    table(p274, 600,
          {
              {dune(0), line({LOOK, EXITS}), 600, {{ARG | SAY_ARGVAR, 3005, VAR_RESULT}, {STOP, 1266, 0}}},
              {dune(0b101), line({LOOK, EXITS}), 600,
               {{ARG | SAY_ARGVAR, 3005, VAR_RESULT}, {ARG, 3207, 0}, {ARG, 3207, 2}, {0, 3208, 0}, {STOP, 1266, 0}}},
          });
    EXPECT_EQ(value[3004], 600 - 594);
    EXPECT_EQ(value[VAR_RESULT], 2);
    // A plain dune says its own opening.
    fresh_world(596);
    bitmod('s', 596, PFLAG_SHIFTING_EXITS);
    const outcome o = call(p274, line({LOOK, EXITS}));
    EXPECT_EQ(o.texts.front(), (said{ARG | SAY_ARGVAR, 3003, VAR_RESULT}));
    EXPECT_NE(wording(o.texts.front()).find("dune"), std::string::npos);
}

TEST_F(Look, ExaminingNamedThings) {
    table(p274, 313,
          {
              // Not here: the fallback answers before any description.
              {nullptr, line({LOOK, LAMP}), 313, {{STOP, 1493, 0}}, 1, 1},
              {[] { carry(LAMP); }, line({LOOK, LAMP}), 313, {{DETAIL_OF_ARG2, VAR_ARG2, 0}}},
              {[] { set_ref(VAR_HERE, 201); }, line({LOOK, 201}), 201, {{STOP, 1453, 0}}, 1, 1},
              {nullptr, line({LOOK, WORD_IN}), 313, {{STOP_ARG, 1298, 1}}},
              {nullptr, line({LOOK, WORD_OUT}), 313, {{STOP, 2662, 0}}},
              {nullptr, line({LOOK, HOLE}), 313, {{STOP_ARG, 1319, HOLE}}, 1, 1},
              {nullptr, line({LOOK, 897}), 313, {{STOP, 1453, 0}}, 1, 1},
              {[] { set_ref(VAR_HERE, PLACE_START); bitmod('s', PLACE_START, OPEN_AIR); }, line({LOOK, WALL}),
               PLACE_START, {{TYPED, 2033, VAR_ARG2}}},
              {[] { set_ref(VAR_HERE, 591); bitmod('s', 591, OPEN_AIR); }, line({LOOK, WALL}), 591,
               {{STOP, 1403, 0}}, 1, 1},
              {[] { set_ref(VAR_HERE, 444); }, line({LOOK, 921}), 444, {{STOP, 2375, 0}}},
              {[] { set_ref(VAR_HERE, 600); }, line({LOOK, 921}), 600, {{STOP, 2382, 0}}},
              {[] { set_ref(VAR_HERE, 443); }, line({LOOK, 922}), 443, {{TYPED, 2082, 139}}},
              {[] { set_ref(VAR_HERE, PLACE_START); }, line({LOOK, 922}), PLACE_START, {{STOP_ARG, 2380, 922}}},
              {[] { set_ref(VAR_HERE, 612); }, line({LOOK, 593}), 612, {{TYPED, 2593, 593}}},
              {[] { set_ref(VAR_HERE, 590); }, line({LOOK, 593}), 590, {{STOP, 2411, 0}}},
              {[] { location[13] = 313; }, line({LOOK, 13}), 313, {{TYPED, 2081, 13}}},
              {[] { carry(OBJ_VESSEL_SMALL); value[OBJ_VESSEL_SMALL] = 1; }, line({LOOK, OBJ_VESSEL_SMALL}), 313,
               {{STOP, 2097, 0}}},
          });
}

TEST_F(Look, ThingsThatChangeWhenLookedAt) {
    // The journal: read once, remembered; not near, the fallback.
    fresh_world(313);
    carry(JOURNAL);
    EXPECT_EQ(call(p274, line({LOOK, JOURNAL})).texts, texts({{SAY_DETAIL, JOURNAL, 0}}));
    EXPECT_EQ(value[JOURNAL], 1);
    fresh_world(313);
    EXPECT_EQ(call(p274, line({LOOK, JOURNAL})).loop, 1);
    EXPECT_EQ(value[JOURNAL], 0);

    // The lodestone: its description first, then where it points.
    fresh_world(313);
    carry(OBJ_HEADING);
    value[OBJ_HEADING] = 3;
    EXPECT_EQ(call(p274, line({LOOK, OBJ_HEADING})).texts, texts({{DETAIL_OF_ARG2, VAR_ARG2, 0}}));
    const outcome second = call(p274, line({LOOK, OBJ_HEADING}));
    EXPECT_EQ(second.texts, texts({{TYPED, 2293, OBJ_HEADING}}));
    EXPECT_NE(wording(second.texts[0]).find("east"), std::string::npos);

    // The chest brings the imp out while it is away, and only then.
    fresh_world(313);
    location[CHEST] = 313;
    value[CHEST] = 1;
    EXPECT_EQ(call(p274, line({LOOK, CHEST})).texts,
              texts({{ARG | SAY_ARGVAR, 2348, CHEST}, {DETAIL_OF_ARG2, VAR_ARG2, 0}, {0, 2337, 0}}));
    EXPECT_EQ(location[IMP], 313);
    EXPECT_EQ(value[CHEST], 2);
    EXPECT_EQ(call(p274, line({LOOK, CHEST})).texts, texts({{DETAIL_OF_ARG2, VAR_ARG2, 0}}));
    fresh_world(313);
    location[CHEST] = 313;
    EXPECT_EQ(call(p274, line({LOOK, CHEST})).texts, texts({{DETAIL_OF_ARG2, VAR_ARG2, 0}}));

    // The packet opens into its wrapper where it lies.
    fresh_world(313);
    carry(PACKET);
    call(p274, line({LOOK, PACKET}));
    EXPECT_EQ(location[PACKET], PLACE_GONE);
    EXPECT_EQ(location[WRAPPER], PLACE_CARRIED);
}

TEST_F(Look, ReadingBeginningAndConsulting) {
    table(p701, 313,
          {
              {[] { location[PLAQUE] = 313; }, line({READ, PLAQUE}), 313, {{STOP, 1490, 0}}},
              {[] { carry(LAMP); }, line({READ, LAMP}), 313, {{STOP, 3350, 0}}},
              {[] { location[WEB] = 313; location[SPRITE] = 313; }, line({READ, SPRITE}), 313,
               {{TYPED, 2205, VAR_ARG2}}},
              {[] { location[SPRITE] = 313; }, line({READ, SPRITE}), 313, {{STOP, 1796, 0}}},
              {[] { set_ref(VAR_HERE, 199); }, line({READ, 129}), 199, {{SAY_DETAIL, 129, 0}}},
          });
    EXPECT_EQ(value[129], 1);
    // Not near: the fallback.
    fresh_world(313);
    EXPECT_EQ(call(p701, line({READ, LAMP})).texts, texts({{STOP, 1493, 0}}));

    table(p153, 313,
          {
              {nullptr, line({BEGIN}), 313, {{STOP, 1733, 0}}},
          });
    table(p753, 313,
          {
              {nullptr, line({CONSULT, LAMP}), 313, {{STOP, 1315, 0}}, 1, 1},
              {[] { light(false); }, line({CONSULT}), 313, {{STOP, 1890, 0}}},
              {[] { set_ref(VAR_HERE, 463); location[ORB] = 462; }, line({CONSULT}), 463, {{STOP, 1698, 0}}},
              {nullptr, line({CONSULT}), 313, {{STOP, 1891, 0}}},
          });
    fresh_world(313);
    carry(ORB);
    call(p753, line({CONSULT, ORB}));
    EXPECT_TRUE(bitest(VAR_HINT_NUMBER, 4));
}

TEST_F(Look, PolishingAndRubbing) {
    table(p733, 313,
          {
              {nullptr, line({POLISH}), 313, {}, 0},
              {[] { carry(LAMP); }, line({POLISH, LAMP}), 313, {{TYPED, 1367, VAR_ARG2}}},
              {[] { carry(MEDALLION); }, line({POLISH, MEDALLION}), 313, {{TYPED, 2039, VAR_ARG1}}},
              {[] { set_ref(VAR_HERE, BASIN); }, line({POLISH, BASIN}), BASIN, {{STOP, 1368, 0}}},
              {nullptr, line({POLISH, BASIN}), 313, {{TYPED, 1319, BASIN}}, 1, 1},
              {[] { set_ref(VAR_HERE, 474); }, line({POLISH, FITTING}), 474, {{TYPED, 3089, 97}}},
              {[] { carry(110); }, line({POLISH, 110}), 313, {{STOP_ARG, 3089, 978}}},
              {[] { carry(112); }, line({POLISH, 112}), 313, {{TYPED, 3089, 110}}},
              {[] { location[112] = 701; }, line({POLISH, 112}), 313, {}, 0},
              {[] { carry(118); }, line({POLISH, 118}), 313, {{STOP, 1368, 0}}},
              {[] { location[OBJ_ATTACKER] = 313; bitmod('s', OBJ_ATTACKER, OFLAG_ADDRESSABLE); },
               line({POLISH, OBJ_ATTACKER}), 313, {{STOP, 1403, 0}}, 1, 1},
          });
    // The medallion comes clean with the rag, and blackens it.
    fresh_world(313);
    carry(MEDALLION);
    carry(RAG);
    bitmod('s', MEDALLION, 7);
    EXPECT_EQ(call(p733, line({POLISH, MEDALLION})).texts, texts({{TYPED, 1836, VAR_ARG1}}));
    EXPECT_EQ(value[MEDALLION], 2);
    EXPECT_EQ(value[RAG], 2);
    EXPECT_FALSE(bitest(MEDALLION, 7));
    // The key's bow: its own variant, said once, the turn ended.
    fresh_world(313);
    carry(KEY);
    EXPECT_EQ(call(p733, line({POLISH, KEY})).texts, texts({{ARG | SAY_ARGVAR, 3089, KEY}}));
    EXPECT_EQ(value[3089], 0);
    EXPECT_EQ(loop, 1);

    table(p132, 313,
          {
              {[] { carry(CLOTH); }, line({RUB, CLOTH}), 313, {{STOP, 1301, 0}}},
              {[] { carry(BEACON); }, line({RUB, BEACON}), 313, {{STOP, 2826, 0}}},
              {[] { carry(LAMP); }, line({RUB, LAMP}), 313, {{TYPED, 1367, VAR_ARG2}}},
          });
}

// A word that an object's line names answers "examine" while the object is
// near, and only then; a word that a shared line of the look names answers
// where the line is said. Typed as a player types them, through the whole
// dispatch, so that the vocabulary is tested with the replies.
TEST_F(Look, WhatTheLinesOfObjectsNameAnswersWhereTheyAre) {
    const int PROWLER = 193, STATUETTE = 53, LODESTONE = 102, CUSHION = 113, HEAP = 79, BAUBLE = 143,
              LANE = 195, THICKET = 482;
    const said detail{DETAIL_OF_ARG2, VAR_ARG2, 0};
    struct thing_case {
        const char *typed;
        int place;
        int obj;     // the object put here first, or 0
        int object;  // the object the word must describe, or 0
        said reply;  // else the reply said first, or {} for one that is not `detail`/1722
    };
    const std::vector<thing_case> cases = {
        {"examine cudgel", 313, PROWLER, PROWLER, {}},
        {"examine sack", 313, PROWLER, PROWLER, {}},
        {"examine cudgel", 313, 0, 0, {}},
        {"examine hare", 313, STATUETTE, STATUETTE, {}},
        {"examine hare", 313, 0, 0, {}},
        {"examine case", 313, LODESTONE, LODESTONE, {}},
        {"examine moss", 313, CUSHION, CUSHION, {}},
        {"examine moss", 313, 0, 0, {}},
        {"examine rubbish", 313, HEAP, HEAP, {}},
        {"examine beacon-lamp", 313, BEACON, BEACON, {}},
        {"examine greenery", 313, BAUBLE, BAUBLE, {}},
        {"examine chimney", 313, LAMP, 0, {STOP, 1722, 0}},
        {"examine chimney", 313, 0, 0, {}},
        {"examine fields", LANE, 0, 0, {}},
    };
    for (const thing_case &c : cases) {
        fresh_world(c.place);
        if (c.obj) location[c.obj] = c.place;
        const outcome o = turn(c.typed);
        const std::string what = std::string(c.typed) + " at " + std::to_string(c.place);
        ASSERT_FALSE(o.texts.empty()) << what;
        EXPECT_EQ(o.loop, 1) << what;
        if (c.object) {
            EXPECT_EQ(o.texts.front(), detail) << what;
            EXPECT_EQ(value[VAR_ARG2], c.object) << what;
        } else if (c.reply.text) {
            EXPECT_EQ(o.texts.front(), c.reply) << what;
            EXPECT_FALSE(wording(c.reply).empty()) << what;
        } else {
            EXPECT_NE(o.texts.front(), detail) << what << ": nothing here to describe";
            EXPECT_NE(o.texts.front().text, 1722) << what;
        }
    }

    // Word 1078 keeps its two senses: the thicket's vines, and nowhere else
    // a thing of its own.
    fresh_world(THICKET);
    turn("examine greenery");
    EXPECT_EQ(value[VAR_ARG2], WORD_VINES);
}

}  // namespace
