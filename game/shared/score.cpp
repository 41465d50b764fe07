// The score and the end of the game: the score rebuilt from the state of
// the world (treasures brought home or seen, places reached, the phase of
// the game, less the deaths and the help bought), and the final report
// with the player's rank, after which play stops.
#include "game.h"

namespace {

constexpr int POINTS_HOME = 14;      // a treasure lying at the cottage or the timeless chamber
constexpr int POINTS_SEEN = 7;       // a treasure seen but not brought home
constexpr int POINTS_EXPLORING = 99; // the sum of the exploration table below

// Exploration: a place reached (or a thing found) and its points.
struct exploration_item {
    int refno, flag, points;
};
constexpr exploration_item EXPLORING[] = {
    {PLACE_START, PFLAG_VISITED, 1}, {PLACE_CAIRN_FIELD, PFLAG_VISITED, 2},  {PLACE_RIVER_BLUFF, PFLAG_VISITED,
     2},  {PLACE_CARVINGS, PFLAG_VISITED, 8},
    {PLACE_SOUTH_RIM, PFLAG_VISITED, 8}, {PLACE_GRATE, PFLAG_VISITED, 8},  {PLACE_FLUE, PFLAG_VISITED,
     8},  {PLACE_WEST_END_OF_GALLERY, PFLAG_VISITED, 8},
    {PLACE_SPAN_LEDGE, PFLAG_VISITED, 8}, {PLACE_OUTER_HALL, PFLAG_VISITED, 8},  {OBJ_SPIRIT, 13,
     8},              {OBJ_STICK, OFLAG_SEEN, 10},
    {PLACE_RING_WALK_547, PFLAG_VISITED, 10}, {PLACE_WEST_THICKET, PFLAG_VISITED, 10},
};

int exploration_points() {
    int points = 0;
    for (const exploration_item &x : EXPLORING) {
        if (x.refno == PLACE_CARVINGS) {
            // The carvings count by either of their two places.
            if (cond(bitest(PLACE_CARVINGS, PFLAG_VISITED)).OR(bitest(PLACE_DRUM_CHAMBER,
                            PFLAG_VISITED))) points += x.points;
        } else if (cond(bitest(x.refno, x.flag))) {
            points += x.points;
        }
    }
    return points;
}

// The ranks, by net score: the first row whose top the score does not
// pass. A bound is the score that reaches the next rank; 0: none.
struct rank_row {
    int top, text, bound;
};
constexpr rank_row RANKS[] = {
    {49, 1527, 50},   {149, 1528, 150}, {249, 1529, 250}, {349, 1530, 350},
    {449, 1531, 450}, {549, 1532, 550}, {649, 1533, 650}, {749, 1534, 750},
    {769, 1535, 770}, {770, 1536, 0},   {776, 3396, 0},   {2147483647, 3395, 0},
};

void say_number(int t, int v) { say(SAY_ARGVAR | SAY_ARG, t, v); }

}  // namespace

// Computes the score.
int p378() {
    frame<1> f;  // local 0: the object being counted

    value[VAR_SCORE] = 0;
    value[VAR_SCORE_MAX] = 0;
    for (f.lvals[0] = FIRST_OBJECT; f.lvals[0] <= LAST_OBJECT; f.lvals[0]++) {
        const int obj = f.lvals[0];
        if (!cond(bitest(obj, OFLAG_SCORING))) continue;
        if (cond(getloc(obj) == PLACE_DEPOSIT).OR(getloc(obj) == PLACE_INTRO)) {
            if (cond(cond(obj == OBJ_VASE).OR(obj == OBJ_FUNNEL)).AND(value[obj] > 1))
                value[VAR_SCORE] += 9;
            else
                value[VAR_SCORE] += POINTS_HOME;
        } else if (cond(bitest(obj, OFLAG_SEEN))) {
            value[VAR_SCORE] += POINTS_SEEN;
        }
        value[VAR_SCORE_MAX] += POINTS_HOME;
    }

    // The sunstone counts by the place it lies at: it carries the flag of an
    // object present at two places, with which it would also seem to lie at
    // the place after its own (the bluff's neighbour is the cottage).
    if (cond(getloc(OBJ_SUNSTONE) == PLACE_DEPOSIT))
        value[VAR_SCORE] -= 7;
    else if (cond(getloc(OBJ_SUNSTONE) == PLACE_RIVER_BLUFF))
        value[VAR_SCORE] += 7;

    if (cond(!bitest(OBJ_TUSK, OFLAG_SCORING))) value[VAR_SCORE_MAX] += POINTS_HOME;
    if (cond(!bitest(OBJ_CLOTH, OFLAG_SCORING))) value[VAR_SCORE_MAX] += POINTS_HOME;

    if (cond(bitest(OBJ_PACKET, OFLAG_SEEN))) {
        value[VAR_SCORE] += 3;
        if (cond(isat(OBJ_PACKET, -1, 0, PLACE_DEPOSIT)).OR(isat(OBJ_WRAPPER, -1, 0,
                      PLACE_DEPOSIT))) value[VAR_SCORE] += 3;
    }

    if (cond(isat(OBJ_PLAQUE, -1, 0, PLACE_DEPOSIT)).OR(isat(OBJ_PLAQUE, -1, 0, PLACE_INTRO)).OR(isat(OBJ_PLAQUE, -1, 0,
                  PLACE_CLINGING_CHAMBER)))
        value[VAR_SCORE] += 1;
    value[VAR_SCORE_MAX] += 1;

    if (cond(bitest(OBJ_LEDGER, OFLAG_SCORING))) value[VAR_SCORE] += 7;

    if (cond(value[VAR_PHASE] <= 5))
        value[VAR_SCORE] += exploration_points();
    else
        value[VAR_SCORE] += POINTS_EXPLORING;
    value[VAR_SCORE_MAX] += POINTS_EXPLORING;

    if (cond(value[VAR_PHASE] > 3)) value[VAR_SCORE] += 16 * (value[VAR_PHASE] - 3);
    value[VAR_SCORE_MAX] += 96;

    value[VAR_RESULT] = value[VAR_SCORE_MAX];
    if (cond(value[VAR_EXCHANGE_STATE] == 3)) {
        value[VAR_SCORE] += 7;
        value[VAR_RESULT] += 7;
    }

    // While the exchange is in its second state the deductions keep the
    // value they had.
    value[VAR_SCORE_NET] = value[VAR_SCORE];
    if (cond(value[VAR_EXCHANGE_STATE] != 2)) {
        value[VAR_SCORE_DEDUCTION] = 10 * value[VAR_DEATHS] + value[VAR_PENALTY_POINTS];
        value[VAR_SCORE_NET] -= value[VAR_SCORE_DEDUCTION];
    }
    if (cond(value[VAR_SCORE_NET] < 0)) value[VAR_SCORE_NET] = 0;
    return 0;
}

// Final score and end of the game.
int p322() {
    p378();
    if (loop) return 0;
    say_number(1520, VAR_SCORE);
    if (cond(value[VAR_SCORE] > 770)) say(0, 3399, 0);
    if (cond(value[VAR_SCORE_DEDUCTION] > 0)) {
        say_number(1522, VAR_SCORE_DEDUCTION);
        say_number(1523, VAR_SCORE_NET);
    }
    say_number(1524, VAR_SCORE_MAX);
    say_number(1525, VAR_TURNS);
    say(0, 1266, 0);

    // The points still missing to the next rank are counted from the score
    // less the deductions as it stands, even when the net score was floored
    // at 0.
    value[VAR_RESULT] = value[VAR_SCORE] - value[VAR_SCORE_DEDUCTION];
    for (const rank_row &r : RANKS) {
        if (!cond(value[VAR_SCORE_NET] <= r.top)) continue;
        say(0, r.text, 0);
        if (r.bound > 0)
            value[VAR_RESULT] -= r.bound;
        else
            value[VAR_RESULT] = 0;
        break;
    }

    say(0, 1266, 0);
    value[VAR_RESULT] = -value[VAR_RESULT];
    if (cond(value[VAR_RESULT] > 0)) {
        if (cond(value[VAR_RESULT] == 1))
            say(0, 1537, 0);
        else
            say_number(1538, VAR_RESULT);
    }
    say(0, 1266, 0);
    finita();
    loop = 1;
    return 0;
}
