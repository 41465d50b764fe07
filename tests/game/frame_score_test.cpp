// The score and the final report: the score rebuilt from world states, the
// rank table at its boundaries, and the points missing to the next rank.
#include "harness.h"

namespace {

using namespace game_test;

class Score : public GameTest {};

TEST_F(Score, FromWorldStates) {
    struct situation {
        const char *what;
        std::function<void()> setup;
        int score;
    };
    // Object 47 is made the one scoring object that matters in each case.
    auto only = [](int obj) {
        for (int o = FIRST_OBJECT; o <= LAST_OBJECT; o++) bitmod('c', o, OFLAG_SCORING);
        bitmod('s', obj, OFLAG_SCORING);
    };
    const situation cases[] = {
        {"nothing done", [&] { only(47); }, 0},
        {"a treasure home unseen", [&] { only(47); set_location(47, PLACE_DEPOSIT); }, 14},
        {"a treasure in the timeless chamber", [&] { only(47); set_location(47, PLACE_INTRO); }, 14},
        {"a treasure seen elsewhere", [&] { only(47); bitmod('s', 47, OFLAG_SEEN); }, 7},
        {"object 144 home in state 2", [&] { only(144); set_location(144, PLACE_DEPOSIT); value[144] = 2; }, 9},
        {"object 148 home in state 1", [&] { only(148); set_location(148, PLACE_INTRO); value[148] = 1; }, 14},
        {"object 100 at the cottage", [&] { only(47); set_location(100, PLACE_DEPOSIT); }, -7},
        {"object 100 on the bluff", [&] { only(47); set_location(100, 199); }, 7},
        // Present at two places, it would also seem to lie at the next place.
        {"object 100 on the bluff, two-placed", [&] { only(47); set_location(100, 199); bitmod('s', 100, OFLAG_TWO_PLACES); }, 7},
        {"object 100 below the bluff, two-placed", [&] { only(47); set_location(100, 198); bitmod('s', 100, OFLAG_TWO_PLACES); }, 0},
        {"the packet seen, its wrapper home", [&] { only(47); bitmod('s', 104, OFLAG_SEEN); set_location(105, PLACE_DEPOSIT); }, 6},
        {"the plaque at 295", [&] { only(47); set_location(116, 295); }, 1},
        {"object 170 scoring", [&] { only(170); }, 7},
        {"the carvings by their second place", [&] { only(47); bitmod('s', 222, PFLAG_VISITED); }, 8},
        {"the start place and the spirit's flag", [&] { only(47); bitmod('s', 195, PFLAG_VISITED); bitmod('s', 28, 13); }, 9},
        {"phase 5: exploration one by one, and the phases", [&] { only(47); value[VAR_PHASE] = 5; }, 32},
        {"phase 6: the exploration in full", [&] { only(47); value[VAR_PHASE] = 6; }, 99 + 48},
        {"the exchange's bonus", [&] { only(47); value[VAR_EXCHANGE_STATE] = 3; }, 7},
    };
    for (const situation &c : cases) {
        fresh_world(PLACE_DEPOSIT);
        c.setup();
        p378();
        EXPECT_EQ(value[VAR_SCORE], c.score) << c.what;
        EXPECT_EQ(loop, 0) << c.what;
    }
    // The maximum: 14 for each scoring object, 14 for 83 and 63 while they
    // do not score, 1, 99 and 96.
    fresh_world(PLACE_DEPOSIT);
    only(47);
    p378();
    EXPECT_EQ(value[VAR_SCORE_MAX], 14 + 28 + 1 + 99 + 96);
    EXPECT_EQ(value[VAR_RESULT], value[VAR_SCORE_MAX]);
    value[VAR_EXCHANGE_STATE] = 3;
    p378();
    EXPECT_EQ(value[VAR_RESULT], value[VAR_SCORE_MAX] + 7);
}

TEST_F(Score, DeductionsAndTheirSuspension) {
    value[VAR_DEATHS] = 2;
    value[VAR_PENALTY_POINTS] = 10;
    bitmod('s', 195, PFLAG_VISITED);  // 1 point
    p378();
    EXPECT_EQ(value[VAR_SCORE_DEDUCTION], 30);
    EXPECT_EQ(value[VAR_SCORE_NET], 0);  // floored
    // While the exchange is in state 2 the deductions keep their value and
    // the net score is the gross score.
    value[VAR_EXCHANGE_STATE] = 2;
    value[VAR_DEATHS] = 0;
    p378();
    EXPECT_EQ(value[VAR_SCORE_DEDUCTION], 30);
    EXPECT_EQ(value[VAR_SCORE_NET], 1);
}

class Report : public GameTest {
protected:
    // The final report for a gross score and a deduction.
    std::vector<said> report(int gross, int deduction) {
        fresh_world(PLACE_DEPOSIT);
        value[VAR_TURNS] = 12;
        forced_gross = gross;
        forced_deduction = deduction;
        said_log.clear();
        loop = quitting = 0;
        run_report();
        return said_log;
    }
    static inline int forced_gross = 0, forced_deduction = 0;
    static void run_report();
};

// The report on a world built so that the real score comes out at the
// case's gross score: treasures at home (14) or seen (7), the packet seen
// (3), the start place and place 540 (1 and 2), the plaque (1), and phase 6 (147) for the high
// scores; the deduction is charged as help.
void Report::run_report() {
    for (int o = FIRST_OBJECT; o <= LAST_OBJECT; o++) bitmod('c', o, OFLAG_SCORING);
    bitmod('s', 83, OFLAG_SCORING);
    bitmod('s', 63, OFLAG_SCORING);
    int gross = forced_gross;
    int obj = 43;
    while (gross >= 14) {
        bitmod('s', obj, OFLAG_SCORING);
        location[obj] = PLACE_DEPOSIT;
        obj++;
        gross -= 14;
    }
    while (gross >= 7) {
        bitmod('s', obj, OFLAG_SCORING);
        bitmod('s', obj, OFLAG_SEEN);
        obj++;
        gross -= 7;
    }
    if (gross >= 3) {
        bitmod('s', 104, OFLAG_SEEN);  // the packet seen
        gross -= 3;
    }
    if (gross >= 2) {
        bitmod('s', 540, PFLAG_VISITED);
        gross -= 2;
    }
    if (gross >= 1) {
        bitmod('s', 195, PFLAG_VISITED);
        gross -= 1;
    }
    if (gross >= 1) location[116] = PLACE_DEPOSIT;  // the plaque
    value[VAR_PENALTY_POINTS] = forced_deduction;
    p322();
}

TEST_F(Report, RankAtItsBoundaries) {
    struct row {
        int gross, deduction, rank;
        int missing;  // 0: nothing said about the next rank
    };
    const row cases[] = {
        {0, 0, 1527, 50},    {49, 0, 1527, 1},    {50, 0, 1528, 100},  {149, 0, 1528, 1},
        {150, 0, 1529, 100}, {349, 0, 1530, 1},   {450, 0, 1532, 100}, {649, 0, 1533, 1},
        {750, 0, 1535, 20},  {769, 0, 1535, 1},   {770, 0, 1536, 0},   {771, 0, 3396, 0},
        {776, 0, 3396, 0},   {777, 0, 3395, 0},
        // The points missing come from the score less the deductions before
        // the net score is floored at 0.
        {10, 30, 1527, 70},
    };
    for (const row &c : cases) {
        const std::vector<said> got = report(c.gross, c.deduction);
        SCOPED_TRACE(testing::Message() << "gross " << c.gross << " deduction " << c.deduction);
        ASSERT_EQ(value[VAR_SCORE], c.gross);
        ASSERT_GE(got.size(), 4u);
        EXPECT_EQ(got.front(), (said{SAY_ARGVAR | SAY_ARG, 1520, VAR_SCORE}));
        std::vector<said> want;
        want.push_back({0, c.rank, 0});
        want.push_back({0, 1266, 0});
        if (c.missing == 1) want.push_back({0, 1537, 0});
        if (c.missing > 1) want.push_back({SAY_ARGVAR | SAY_ARG, 1538, VAR_RESULT});
        want.push_back({0, 1266, 0});
        const std::vector<said> tail(got.end() - long(want.size()), got.end());
        EXPECT_EQ(tail, want);
        if (c.missing > 1) {
            EXPECT_EQ(value[VAR_RESULT], c.missing);
        }
        const bool bonus = std::find(got.begin(), got.end(), said{0, 3399, 0}) != got.end();
        EXPECT_EQ(bonus, c.gross > 770);
        EXPECT_EQ(quitting, 1);
        EXPECT_EQ(loop, 1);
    }
}

TEST_F(Report, DeductionsAreReported) {
    const std::vector<said> got = report(100, 20);
    const std::vector<said> head(got.begin(), got.begin() + 6);
    EXPECT_EQ(head, (std::vector<said>{{SAY_ARGVAR | SAY_ARG, 1520, VAR_SCORE},
                                        {SAY_ARGVAR | SAY_ARG, 1522, VAR_SCORE_DEDUCTION},
                                        {SAY_ARGVAR | SAY_ARG, 1523, VAR_SCORE_NET},
                                        {SAY_ARGVAR | SAY_ARG, 1524, VAR_SCORE_MAX},
                                        {SAY_ARGVAR | SAY_ARG, 1525, VAR_TURNS},
                                        {0, 1266, 0}}));
    EXPECT_EQ(value[VAR_SCORE_NET], 80);
}

}  // namespace
