// INIT: builds the starting world of a new game. The flags of objects and
// places, where every object starts, the starting states and variables
// (some of them drawn at random), the snapshot of all object locations, the
// once-per-game text variants, and the opening text. The tables below are
// the game's initial data; the random draws happen in a fixed order so that
// a game started from a given seed is always the same world.
#include <vector>

#include "game.h"

namespace {

// A run of refnos lo..hi; a single refno when hi is left out.
struct span {
    int lo;
    int hi = 0;
    int last() const { return hi ? hi : lo; }
};

struct flag_set {
    int flag;
    std::vector<span> members;
};

// Object flags, except OFLAG_SEEN and OFLAG_TWO_PLACES, which are set later.
const flag_set object_flags[] = {
    {OFLAG_PORTABLE,
     {{39}, {40}, {43}, {45, 71}, {81}, {83}, {84}, {86, 88}, {91, 93}, {95}, {96}, {100}, {102}, {104, 119},
      {123, 128}, {132}, {136}, {138}, {141}, {143, 152}, {158}}},
    {OFLAG_SCORING,
     {{43}, {46, 56}, {58, 62}, {64, 71}, {81}, {84}, {86}, {96}, {100}, {102}, {143, 150}}},
    {7,
     {{40}, {43}, {45}, {46}, {50}, {52}, {55}, {60}, {65}, {69}, {71}, {95}, {96}, {100}, {104}, {108}, {111},
      {113}, {119}, {128}, {132}, {141}, {143}, {144}, {146, 151}, {158}}},
    {OFLAG_ADDRESSABLE,
     {{5}, {9}, {18}, {21}, {23}, {25}, {26}, {28}, {29}, {39}, {85}, {90}, {94}, {109}, {114}, {115}, {130},
      {159}, {165}, {193}, {194}}},
    {OFLAG_OPENABLE,
     {{4}, {6}, {8}, {19}, {36}, {52}, {66}, {76}, {98}, {108}, {114}, {115}, {123}, {127}, {161}, {162}, {164},
      {169}}},
    {OFLAG_FIXTURE,
     {{7}, {8}, {10, 12}, {14, 20}, {31, 33}, {37}, {41}, {44}, {72}, {73}, {76, 79}, {88}, {94}, {97, 99},
      {117}, {120, 122}, {131}, {133, 135}, {140}, {155}, {161, 164}, {167}, {169}, {172}, {173}, {193},
      {194}}},
    {11, {{40}, {45}, {48}, {51}, {64}, {65}, {91}, {106}, {116}, {126}, {132}, {145}}},
    {OFLAG_NOT_COUNTED,
     {{39}, {40}, {62}, {65}, {67}, {86}, {92}, {95}, {104, 106}, {109}, {128}, {138}, {145}, {149}, {151},
      {152}}},
    {OFLAG_BLOCKS_PASSAGE,
     {{39}, {45}, {46}, {52, 56}, {59}, {60}, {63}, {71}, {81}, {83}, {84}, {87}, {88}, {91}, {108}, {109},
      {111}, {113, 115}, {125}, {136}, {144}, {146}, {148}}},
    {OFLAG_LIGHTABLE, {{45}, {46}, {50}, {55}, {65}, {67}, {70}, {95}, {145}}},
    {OFLAG_NO_TRANSPORT,
     {{43}, {46}, {52, 55}, {59, 61}, {63}, {71}, {81}, {83}, {114}, {115}, {125}, {144}, {146}, {148}}},
};

const flag_set two_places = {
    OFLAG_TWO_PLACES,
    {{6}, {7}, {10}, {14}, {17}, {19}, {21, 24}, {26}, {31}, {33}, {36}, {75}, {78}, {97}, {98}, {100}, {161},
     {162}, {164}, {169}}};

const flag_set seen = {OFLAG_SEEN, {{3}, {8}, {11}, {78}, {118, 121}, {129}, {131}, {153}, {170}}};

// Place flags. PFLAG_NO_BACK lists only the places outside the mazes; the
// mazes get it by the rule of maze_no_back.
const flag_set place_flags[] = {
    {PFLAG_LIT,
     {{195, 205}, {277}, {287}, {301}, {302}, {311, 313}, {315}, {316}, {318}, {352}, {353}, {357}, {386},
      {426}, {438, 449}, {451, 453}, {467, 472}, {475}, {477, 487}, {489}, {502}, {518, 575}, {582}, {584},
      {586, 628}, {642, 672}, {675}, {676}}},
    // The mire is not marked visited, so that a first wander into it is
    // described in full.
    {PFLAG_VISITED, {{302}, {445}}},
    {PFLAG_CREATURE_FREE,
     {{195, 209}, {217}, {218}, {251}, {259}, {263}, {264}, {286, 288}, {299, 304}, {308, 316}, {318, 361},
      {377}, {385}, {391, 426}, {431}, {438, 446}, {451, 459}, {462}, {467, 490}, {494}, {498, 511},
      {515, 584}, {586, 638}, {642, 671}, {700, 702}}},
    {PFLAG_NO_BACK,
     {{223}, {275}, {280}, {286}, {287}, {291}, {295}, {297}, {299}, {302, 304}, {312}, {315}, {331}, {389},
      {390}, {432}, {433}, {451}, {462}, {511}, {515}, {544}, {586}}},
    {7,
     {{195, 204}, {302}, {318}, {438, 446}, {467, 487}, {489}, {518, 575}, {586, 628}, {675}, {676}}},
    {PFLAG_HINT_AVAILABLE,
     {{203}, {208}, {214}, {224}, {225}, {227, 252}, {286, 288}, {295}, {298}, {302}, {311}, {313}, {315},
      {318}, {322}, {325}, {334, 350}, {362, 373}, {376}, {377}, {385}, {390, 426}, {432}, {443}, {444},
      {453}, {467, 479}, {482}, {500}, {510}, {511}, {517}, {559}, {571}, {575}, {587, 590}, {593, 617},
      {631}, {641}}},
    {PFLAG_MAZE, {{227, 252}, {334, 350}, {362, 373}, {391, 426}, {454, 459}, {594, 617}}},
    {11,
     {{213}, {224}, {225}, {231}, {241, 250}, {256}, {264}, {273}, {278}, {293}, {301}, {351}, {373}, {380},
      {383}, {392}, {396}, {400}, {401}, {407}, {408}, {426}, {431}, {463}, {490}, {494}, {516}, {578},
      {581}, {583}, {584}}},
    {PFLAG_HAZARD, {{503, 509}}},
    {13, {{489}}},
    {14,
     {{200}, {204}, {217}, {218}, {259}, {286}, {301}, {318}, {321}, {324}, {328}, {333}, {358}, {374},
      {426}, {428}, {430}, {431}, {451}, {463}, {489}, {495}, {569}, {591}, {592}, {627}}},
    {PFLAG_SHIFTING_EXITS, {{587, 590}, {594, 604}, {606, 617}}},
    {16, {{593}}},
    {PFLAG_LIQUID_SOURCE,
     {{195}, {200, 202}, {259}, {283}, {298}, {299}, {333}, {487}, {495}, {510}, {511}, {554}, {566, 568},
      {574}, {575}, {631}, {632}, {635, 638}, {671}}},
    {18, {{200}, {302}, {467, 474}, {476, 479}, {546}, {565}}},
};

// Maze places have no way back, except those with place flag 11.
const span maze_no_back[] = {{227, 252}, {334, 350}, {391, 426}, {454, 459}, {594, 617}};

struct placement {
    int place;
    std::vector<int> objects;
};

const placement placements[] = {
    {199, {119, 129, 140}}, {200, {106, 107, 167}}, {203, {6}}, {205, {108}}, {206, {110}}, {208, {109}},
    {209, {7}}, {211, {10}}, {212, {48}}, {213, {47}}, {214, {9}}, {215, {14}}, {217, {121}}, {218, {13}},
    {219, {49}}, {221, {51}}, {224, {17}}, {262, {78}}, {263, {84}}, {264, {88, 96}}, {281, {53}},
    {282, {8}}, {283, {54}}, {284, {41, 113}}, {285, {56}}, {287, {58}}, {288, {61, 133}}, {291, {114}},
    {294, {116}}, {296, {12}}, {297, {15}}, {298, {60}}, {299, {27}}, {301, {65}}, {303, {22, 24}},
    {306, {21}}, {311, {31}}, {313, {32}}, {315, {16}}, {317, {100}}, {324, {26}}, {329, {111}},
    {351, {50, 95}}, {353, {37, 38, 59}}, {356, {123}}, {357, {70}}, {358, {64}}, {361, {39, 66}},
    {373, {35}}, {374, {73}}, {375, {55}}, {376, {36}}, {380, {132}}, {383, {127}}, {385, {25}},
    {408, {69}}, {429, {34}}, {431, {71}}, {432, {33}}, {436, {68}}, {439, {42, 43}}, {443, {139}},
    {445, {157, 158}}, {452, {194}}, {457, {89, 90}}, {462, {75, 80, 81}}, {463, {82}}, {472, {161}},
    {473, {93, 97}}, {474, {162}}, {476, {148}}, {478, {164}}, {479, {160}}, {481, {98}}, {483, {146}},
    {490, {4}}, {494, {149}}, {499, {83}}, {502, {79, 92}}, {504, {94}}, {516, {128}}, {517, {74, 125}},
    {540, {137}}, {545, {169}}, {546, {151}}, {559, {153}}, {572, {44}}, {575, {19}}, {581, {150}},
    {583, {46}}, {584, {156}}, {593, {101, 102}}, {605, {143}}, {634, {144}}, {638, {159}}, {670, {170}},
    {PLACE_OFFSTAGE, {118, OBJ_FOLLOWER}},
};

void flag_objects(const flag_set &s) {
    for (const span &r : s.members)
        for (int obj = r.lo; obj <= r.last(); obj++) bitmod('s', obj, s.flag);
}

// Place ranges are walked with VAR_WORK_PLACE as the loop variable.
void flag_places(int flag, span r) {
    for (hold_ref(VAR_WORK_PLACE, r.lo); value[VAR_WORK_PLACE] <= r.last(); value[VAR_WORK_PLACE]++)
        bitmod('s', value[VAR_WORK_PLACE], flag);
}

// States lo..hi := 0, 1, 2, ... in order.
void number_places(span r) {
    frame<1> f;
    for (hold_ref(VAR_WORK_PLACE, r.lo); value[VAR_WORK_PLACE] <= r.last(); value[VAR_WORK_PLACE]++)
        value[value[VAR_WORK_PLACE]] = f.lvals[0]++;
}

}  // namespace

// INIT.
int p1() {
    // Flags of objects and places.
    for (const flag_set &s : object_flags) flag_objects(s);
    for (const flag_set &s : place_flags)
        for (const span &r : s.members) flag_places(s.flag, r);
    for (const span &r : maze_no_back) {
        for (hold_ref(VAR_WORK_PLACE, r.lo); value[VAR_WORK_PLACE] <= r.last(); value[VAR_WORK_PLACE]++)
            if (cond(!bitest(value[VAR_WORK_PLACE], 11))) bitmod('s', value[VAR_WORK_PLACE], PFLAG_NO_BACK);
    }
    flag_places(PFLAG_NO_BACK, {362, 373});
    bitmod('c', 227, PFLAG_NO_BACK);
    bitmod('c', 362, PFLAG_NO_BACK);

    // The player stands out of play until the first turn.
    hold_ref(VAR_HERE, PLACE_OFFSTAGE);
    value[1247] = 1;
    hold_ref(1163, 262);

    value[VAR_HINT_TIMER] = 150 + irand(151);
    value[1248] = 15 + irand(16);
    value[VAR_RESERVE] = 700 + irand(201);
    value[VAR_STAY_CHANCE] = 120 + irand(41);
    value[VAR_REFUSED_DIRECTION] = -1;
    value[VAR_SIPS] = 0;

    value[318] = irand(4);
    value[319] = value[318];
    if (cond(value[319] > 0)) bitmod('s', 319, PFLAG_LIT);

    flag_objects(two_places);

    // Every object out of play, then each to its starting place.
    for (hold_ref(VAR_LOOP_OBJECT, FIRST_OBJECT); value[VAR_LOOP_OBJECT] <= LAST_OBJECT; value[VAR_LOOP_OBJECT]++)
        apport(value[VAR_LOOP_OBJECT], PLACE_OFFSTAGE);
    for (const placement &p : placements)
        for (int obj : p.objects) apport(obj, p.place);
    value[OBJ_VESSEL_SMALL] = 1;
    value[OBJ_VESSEL_LARGE] = 2;
    value[VAR_ATTACK_CHANCE] = 35;
    value[VAR_ATTACK_ESCAPE_CHANCE] = 25;
    bitmod('s', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_NOVICE_HINT);
    value[1207] = 0;
    hold_ref(1200, 1267);

    value[VAR_PHASE_TIMER] = 15 + irand(11);
    value[VAR_LIGHT_POWER] = 440 + irand(21);
    value[VAR_THEFT_SCALE] = 4 + irand(5);

    if (cond(irand(100) < 90)) apport(165, PLACE_GONE);
    if (cond(irand(100) < 75)) bitmod('s', VAR_GAME_FLAGS, 1);
    if (cond(irand(100) < 50)) bitmod('s', VAR_GAME_FLAGS_3, 4);
    value[66] = 0;
    value[VAR_CARRIED_COUNT] = 0;
    value[VAR_CARRY_LIMIT] = 8;
    value[542] = 1;
    value[543] = 2;
    number_places({547, 554});
    number_places({362, 373});
    value[1167] = -1;
    value[621] = 1;
    value[622] = 2;
    value[635] = 1;
    if (cond(irand(100) < 10)) bitmod('s', VAR_GAME_FLAGS_3, 7);
    value[676] = 1;

    flag_objects(seen);

    special(SPECIAL_SNAP_LOCATIONS, &value[VAR_STATUS_WORD]);
    if (cond(value[VAR_PHASE] <= 0)) {
        p697();
        if (loop) return 0;
    }

    value[VAR_PHASE] = 1;
    bitmod('s', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_BRIEF_VISITED);
    say(0, 1274, 0);
    return 0;
}
