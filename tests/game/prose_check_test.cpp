// The text source read as one book against the game's places (see
// prose_check.h): the real source passes, and each kind of fault planted in
// a small fixture is found.
#include "prose_check.h"

#include "harness.h"

namespace {

using namespace game_test;

const std::string SOURCE = std::string(SOURCE_DIR);

// The replies that say only that no way leads there: the general refusal
// and its kin in the dunes and the warren, "go where?", the stumble in the
// dark.
const std::set<int> GENERAL_REFUSAL = {1294, 1295, 1345, 1352, 1312};

// Places whose long description names ways that open with the state of
// something else, set up for the state the description is read in: the
// three ways under the portcullis (object 32 up), the still pool's way back
// (the compass word the turning gallery stored, one variant per word).
const std::map<int, std::function<void(int)>> WAYS_OPENED = {
    {313, [](int) { value[32] = 1; }},
    {333, [](int state) { value[1222] = 745 + state; }},
};

std::string report(const std::vector<std::string> &faults) {
    std::string s;
    for (const std::string &f : faults) s += f + "\n";
    return s;
}

class ProseCheck : public GameTest {
protected:
    // The ways a place answers in the world as the game sets it up, in
    // the state given (-1: as it starts): the player moves, or the place
    // (or a shared procedure it calls) says something other than the
    // general refusal, on one of a few seeds (some ways open by chance).
    std::set<int> answered_ways(int place, int state) {
        std::set<int> answered;
        for (int w : {prose::NORTH, prose::NORTH_EAST, prose::EAST, prose::SOUTH_EAST, prose::SOUTH,
                      prose::SOUTH_WEST, prose::WEST, prose::NORTH_WEST, prose::UP, prose::DOWN}) {
            for (int32_t seed = 1; seed <= 6 && !answered.count(w); seed++) {
                start_world(place);
                rseed = seed;
                if (state >= 0) value[place] = state;
                if (WAYS_OPENED.count(place)) WAYS_OPENED.at(place)(state);
                outcome o = at_place(line({w}), false);
                bool own = o.place != place;
                for (const said &s : o.texts)
                    if (!GENERAL_REFUSAL.count(s.text)) own = true;
                if (own) answered.insert(w);
            }
        }
        return answered;
    }
    // The game's starting world with the player moved to `place`, lit.
    void start_world(int place) {
        static state_image started;
        static bool made = false;
        if (!made) {
            fresh_world(PLACE_START);
            value[VAR_HERE] = value[VAR_THERE] = PLACE_START;
            p1();
            started = IMAGE;
            made = true;
        }
        fresh_world(place);
        IMAGE = started;
        said_log.clear();
        zap_text();
        set_ref(VAR_HERE, place);
        set_ref(VAR_THERE, place);
        bitmod('s', place, PFLAG_LIT);
        bitmod('s', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_LIGHT);
        value[VAR_PHASE] = 3;
    }
    std::set<int> maze_cells() {
        start_world(PLACE_START);
        std::set<int> cells;
        for (int place = FIRST_PLACE; place <= LAST_PLACE; place++)
            if (bitest(place, PFLAG_MAZE)) cells.insert(place);
        return cells;
    }
};

// Places kept short on purpose, besides maze cells: cells of a look-alike
// family (places that share one name, such as the winding stair and the long
// corridor, whose texts are alike word for word), and the two places no
// player stands in (limbo and the wings, where objects are put aside).
std::set<int> look_alike(const prose::source &src) {
    std::map<std::string, int> count;
    for (const auto &[r, n] : src.place_names) count[n]++;
    std::set<int> cells = {700, 701};
    for (const auto &[r, n] : src.place_names)
        if (count[n] > 1) cells.insert(r);
    return cells;
}

TEST_F(ProseCheck, TheSourceReadsTrue) {
    const prose::source src =
        prose::read_source(prose::fab_files(SOURCE + "/game/text"), prose::read_constants(SOURCE + "/game/constants.h"));
    std::set<int> exempt = maze_cells();
    for (int r : look_alike(src)) exempt.insert(r);
    EXPECT_EQ(report(prose::check_ways(src, [this](int place, int state) { return answered_ways(place, state); })), "");
    EXPECT_EQ(report(prose::check_lengths(src, exempt)), "");
    EXPECT_EQ(report(prose::check_placeholders(src)), "");
    EXPECT_EQ(report(prose::check_place_names(src)), "");
    EXPECT_EQ(report(prose::check_doubles(src)), "");
    EXPECT_EQ(report(prose::check_compass_spelling(src)), "");
}

// What a description names prominently, a player types: the footbridge's
// bridge and river, the bluff's thorn tree and hollow, the chamber's
// carvings, the rope at the foot of the shaft. Each is answered by the
// place's own reply, not by the general one.
TEST_F(ProseCheck, WhatADescriptionNamesIsAnswered) {
    const struct {
        int place;
        const char *typed;
        int text;  // the first reply
        int to;
    } cases[] = {
        {197, "examine bridge", 2728, 197},  {197, "examine river", 2677, 197},
        {198, "examine bridge", 2728, 198},  {199, "examine thorn", 2038, 199},
        {199, "examine tree", 2038, 199},    {199, "examine hollow", 2741, 199},
        {199, "climb tree", 2669, 199},      {206, "examine carvings", 2112, 206},
        {640, "climb rope", 2537, 639},      {639, "climb rope", 2537, 640},
    };
    for (const auto &c : cases) {
        start_world(c.place);
        const outcome o = turn(c.typed);
        EXPECT_EQ(o.place, c.to) << c.place << " \"" << c.typed << "\"";
        if (o.texts.empty()) {
            ADD_FAILURE() << c.place << " \"" << c.typed << "\" says nothing";
            continue;
        }
        EXPECT_EQ(o.texts[0].text, c.text) << c.place << " \"" << c.typed << "\": " << wording(o.texts[0]);
    }
}

// The gate's closer look names its bars, as the gatehouse (before the
// hourglass runs) and the yard see them, and then whether it is shut.
TEST_F(ProseCheck, TheGateIsSeenByItsBars) {
    const struct {
        int place;
        const char *bars;
    } sides[] = {{478, "stiff with rust. It is shut."}, {479, "worn bright where many hands"}};
    for (const auto &side : sides) {
        start_world(side.place);
        std::string said_here;
        for (const said &s : turn(line({WORD_LOOK, 164})).texts) said_here += wording(s);
        EXPECT_NE(said_here.find("thick iron bars"), std::string::npos) << side.place << ": " << said_here;
        EXPECT_NE(said_here.find(side.bars), std::string::npos) << side.place << ": " << said_here;
    }
}

}  // namespace

namespace {

// Each check finds its planted fault in the fixture, and nothing else.
TEST(ProseCheckFixture, FindsEachPlantedFault) {
    const prose::source src =
        prose::read_source({SOURCE + "/tests/fixtures/prose/planted.fab"}, {});
    const std::map<int, std::set<int>> ways = {
        {901, {prose::NORTH, prose::DOWN}}, {902, {prose::SOUTH}}, {903, {prose::WEST}}};
    struct {
        const char *kind;
        std::vector<std::string> faults;
        std::string found;
    } cases[] = {
        {"ways", prose::check_ways(src, [&](int place, int) { return ways.at(place); }), "place 902 names the way east"},
        {"length", prose::check_lengths(src, {}), "place 903 long description has 9 words"},
        {"placeholder", prose::check_placeholders(src), "object 5 detail is a placeholder"},
        {"place name", prose::check_place_names(src), "text 1300 names \"the stone lookout\""},
        {"doubles", prose::check_doubles(src), "text 1301 doubles a word: \"The the\""},
        {"compass", prose::check_compass_spelling(src), "text 1303 writes \"northwest\""},
    };
    for (const auto &c : cases) {
        ASSERT_EQ(c.faults.size(), std::string(c.kind) == "doubles" ? 2u : 1u) << c.kind << ":\n" << report(c.faults);
        EXPECT_NE(c.faults[0].find(c.found), std::string::npos) << c.kind << ": " << c.faults[0];
    }
    const std::vector<std::string> doubles = prose::check_doubles(src);
    EXPECT_NE(doubles[1].find("text 1302 doubles a blank"), std::string::npos) << doubles[1];
    // A place exempt from the length is not measured.
    EXPECT_TRUE(prose::check_lengths(src, {903}).empty());
}

}  // namespace
