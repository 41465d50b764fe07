// The aimed words (attack, strike, kick, break) and the encounter words
// (feed, pet, follow, call, detonate): tables of (situation, command) ->
// (texts, place, loop, draws), with the hand-overs between the words, the
// one creature here taken as the object, and the deaths.
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "words_table.h"

namespace {

using namespace game_test;
using texts = std::vector<said>;

constexpr int ATTACK = 783, STRIKE = 784, KICK = 785, BREAK = 800, FEED = 795, PET = 782, FOLLOW = 763,
              CALL = 842, DETONATE = 847;
constexpr int LIZARD = 9, KEEPER = 23, SENTINEL = 21, BRUTE = 25, WATCHER = 26, LYNX = 39, GIANT = 194,
              AXE = 124, SWORD = 125, DAGGER = 54, AUTOMATON = 35, CANISTER = OBJ_LIGHT_REFILL, PACKET = 104,
              CLOTH = 63, STICK = 158, WAND = 110, GONG = 27, FERRY = 29, PANE = 12, URN = 56, SHARDS = 57,
              SNAG = 153, LADDER = 78, BREAD = 118, FIREFLY = 109, SPIDER = 90, CHASM = 22, ROD = 112,
              GRIFFIN = 85, LAMP = OBJ_LIGHT_SOURCE, EEL = 94, WALL = 936, ROCK = 1130, DOOR = 8;
constexpr int HERE = 313;

class Creatures : public WordsTest {
protected:
    static std::function<void()> here_(std::initializer_list<int> objs, bool speaks = false) {
        std::vector<int> v(objs);
        return [v, speaks] {
            for (int o : v) {
                location[o] = value[VAR_HERE];
                if (speaks) bitmod('s', o, OFLAG_ADDRESSABLE);
            }
        };
    }
    static std::function<void()> both(std::function<void()> a, std::function<void()> b) {
        return [a, b] {
            a();
            b();
        };
    }
    static std::function<void()> state(int obj, int s) {
        return [obj, s] { value[obj] = s; };
    }
    static std::function<void()> carrying(std::initializer_list<int> objs) {
        std::vector<int> v(objs);
        return [v] {
            for (int o : v) carry(o);
        };
    }
};

// What a death adds after the procedure's own text: the line break and the
// question (phase 3), one draw.
texts died(said own) { return {own, {0, 1266, 0}, {STOP, 1379, 0}}; }

TEST_F(Creatures, Attack) {
    table(p512, HERE,
         {
             {[] { light(false); location[OBJ_WANDERER] = HERE; }, line({ATTACK}), HERE, {{STOP, 1784, 0}}},
             {[] { light(false); }, line({ATTACK, OBJ_WANDERER}), HERE, {{STOP, 1784, 0}}},
             {[] { light(false); }, line({ATTACK, LIZARD}), HERE, {{STOP, 1565, 0}}},
             {nullptr, line({ATTACK}), HERE, {{STOP, 1331, 0}}, 1, 1},
             {here_({LIZARD}, true), line({ATTACK}), HERE, {{STOP, 1333, 0}}},
             {here_({LIZARD, BRUTE}, true), line({ATTACK}), HERE, {{STOP, 2608, 0}}},
             {nullptr, line({ATTACK, LIZARD}), HERE, {}, 0},
             {here_({KEEPER}), line({ATTACK, KEEPER}), HERE, {{STOP, 1455, 0}}},
             {here_({LYNX}), line({ATTACK, LYNX}), HERE, {{TYPED, 1463, LYNX}}},
             {here_({90}), line({ATTACK, 90}), HERE, {{STOP, 1785, 0}}},
             {here_({OBJ_FOLLOWER}), line({ATTACK, OBJ_FOLLOWER}), HERE, died({0, 1633, 0}), 1, 1},
             {here_({WATCHER}), line({ATTACK, WATCHER}), HERE, died({0, 1623, 0}), 1, 1},
             {both(here_({WATCHER}), state(WATCHER, 2)), line({ATTACK, WATCHER}), HERE, {{STOP, 1464, 0}}},
             {here_({GIANT}), line({ATTACK, GIANT}), HERE, {{STOP, 1337, 0}}},
             {carrying({LAMP}), line({ATTACK, LAMP}), HERE, {{STOP, 3315, 0}}, 1, 1},
         });
    // Two creatures here: the next line may name one.
    fresh_world(HERE);
    here_({LIZARD, BRUTE}, true)();
    call(p512, line({ATTACK}));
    EXPECT_TRUE(bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_ORPHAN));
    // The giant unarmed: question 14.
    fresh_world(HERE);
    here_({GIANT})();
    call(p512, line({ATTACK, GIANT}));
    EXPECT_EQ(value[VAR_QUESTION], Q_ADDRESSED_OBJECT);
}

TEST_F(Creatures, AttackingFirstThingsFirst) {
    // The prowler in the last trial kills before anything else is looked
    // at, also with a creature here that the bare word would have taken.
    fresh_world(HERE);
    value[VAR_PHASE] = 6;
    here_({OBJ_ATTACKER, LIZARD}, true)();
    outcome o = call(p512, line({ATTACK, OBJ_ATTACKER}));
    EXPECT_EQ(first(o.texts, 1), texts({{0, 1853, 0}}));
    EXPECT_EQ(o.loop, 1);
    EXPECT_EQ(quitting, 1);  // so late, a death ends the game

    // The automaton is kicked instead.
    fresh_world(HERE);
    here_({AUTOMATON})();
    EXPECT_EQ(call(p512, line({ATTACK, AUTOMATON})).texts, texts({{STOP, 1329, 0}}));

    // The giant, attacked with the sword in hand although the axe is carried
    // too: the sword is aimed at it, and that ends the turn.
    fresh_world(HERE);
    here_({GIANT})();
    carrying({SWORD, AXE})();
    o = call(p512, line({ATTACK, GIANT}));
    EXPECT_EQ(arg2(), SWORD);
    EXPECT_EQ(o.loop, 1);
    EXPECT_NE(value[VAR_QUESTION], Q_ADDRESSED_OBJECT);
    // The dagger when there is no sword; the axe when there is neither.
    for (int weapon : {DAGGER, AXE}) {
        fresh_world(HERE);
        here_({GIANT})();
        carry(weapon);
        call(p512, line({ATTACK, GIANT}));
        EXPECT_EQ(arg2(), weapon);
    }

    // The prowler, the sentinel and the brute ask whether you mean it.
    const std::vector<std::pair<int, int>> asked = {{OBJ_ATTACKER, Q_ADDRESS_OBJECT_193}, {SENTINEL, Q_ADDRESS_OBJECT_21},
                                                    {BRUTE, Q_ADDRESS_OBJECT_25}};
    for (auto [creature, q] : asked) {
        fresh_world(HERE);
        here_({creature})();
        o = call(p512, line({ATTACK, creature}));
        EXPECT_EQ(value[VAR_QUESTION], q) << creature;
        EXPECT_EQ(o.loop, 1);
    }
}

TEST_F(Creatures, Strike) {
    const auto cloth = [](int s) {
        return [s] {
            location[CLOTH] = HERE;
            value[CLOTH] = s;
        };
    };
    table(p407, HERE,
         {
             {nullptr, line({STRIKE}), HERE, {}, 0},
             {both(cloth(2), carrying({WAND})), line({STRIKE, CLOTH}), HERE, {{0, 2228, 0}, {STOP, 3453, 0}}},
             {both(cloth(2), carrying({DAGGER})), line({STRIKE, CLOTH}), HERE, {{0, 2228, 0}, {STOP, 3454, 0}}},
             {cloth(2), line({STRIKE, CLOTH}), HERE, {{0, 2228, 0}, {STOP, 1266, 0}}},
             {both(cloth(0), carrying({STICK})), line({STRIKE, CLOTH}), HERE, {{STOP, 2225, 0}}},
             {both(cloth(1), carrying({STICK})), line({STRIKE, CLOTH}), HERE, {{STOP, 2226, 0}}},
             {both(cloth(2), carrying({STICK})), line({STRIKE, CLOTH}), HERE, {{STOP, 2227, 0}}},
             {here_({LIZARD}, true), line({STRIKE, LIZARD}), HERE, {{STOP, 1333, 0}}},
             {here_({GONG}), line({STRIKE, GONG}), HERE, {{STOP, 1643, 0}}},
             {here_({GONG, FERRY}), line({STRIKE, GONG}), HERE, {{STOP, 1642, 0}}},
             {here_({PANE}), line({STRIKE, PANE}), HERE, {{STOP, 1851, 0}}},
             {here_({AUTOMATON}), line({STRIKE, AUTOMATON}), HERE, {{STOP, 1329, 0}}},
             {carrying({LAMP}), line({STRIKE, LAMP}), HERE, {{STOP, 1403, 0}}, 1, 1},
         });
    // A cloth that is not here is neither struck nor beaten: the reply to
    // things not near follows.
    fresh_world(HERE);
    location[CLOTH] = 300;
    value[CLOTH] = 2;
    carry(STICK);
    const outcome away = call(p407, line({STRIKE, CLOTH}));
    EXPECT_EQ(away.texts, texts{});
    EXPECT_EQ(away.loop, 0);
    EXPECT_EQ(value[CLOTH], 2);
    EXPECT_FALSE(bitest(CLOTH, 13));
    // The wand's remark is made once.
    fresh_world(HERE);
    cloth(2)();
    carry(WAND);
    call(p407, line({STRIKE, CLOTH}));
    EXPECT_EQ(call(p407, line({STRIKE, CLOTH})).texts, texts({{0, 2228, 0}, {STOP, 1266, 0}}));
    // Beaten with the stick the cloth is clean; after its word it wakes too.
    for (int heard : {0, 1}) {
        fresh_world(HERE);
        cloth(2)();
        carry(STICK);
        value[3342] = heard;
        call(p407, line({STRIKE, CLOTH}));
        EXPECT_EQ(value[CLOTH], 3);
        EXPECT_TRUE(bitest(CLOTH, 13));
        EXPECT_EQ(bitest(CLOTH, 14), heard);
        EXPECT_EQ(value[2227], heard);
    }
    // The gong calls the ferry here.
    fresh_world(HERE);
    here_({GONG})();
    call(p407, line({STRIKE, GONG}));
    EXPECT_EQ(location[FERRY], HERE);
}

TEST_F(Creatures, KickAndBreak) {
    const auto seen_canister = [] {
        location[AUTOMATON] = HERE;
        bitmod('s', CANISTER, OFLAG_SEEN);
    };
    table(p511, HERE,
         {
             {seen_canister, line({KICK}), HERE, {{STOP, 1832, 0}}},
             {here_({AUTOMATON}), line({KICK}), HERE, {{STOP, 1329, 0}}},
             {nullptr, line({KICK}), HERE, {}, 0},
             {nullptr, line({KICK, ROCK}), HERE, {{TYPED, 3426, VAR_ARG2}}, 1, 1},
             {here_({DOOR}), line({KICK, DOOR}), HERE, {{STOP, 2604, 0}}},
             {here_({OBJ_ATTACKER}), line({KICK, OBJ_ATTACKER}), HERE, died({0, 1336, 0}), 1, 1},
             {carrying({LAMP}), line({KICK, LAMP}), HERE, {{STOP, 3315, 0}}, 1, 1},
         });
    // The packet comes out once.
    fresh_world(HERE);
    seen_canister();
    call(p511, line({KICK}));
    EXPECT_EQ(location[PACKET], HERE);
    EXPECT_EQ(call(p511, line({KICK})).texts, texts({{STOP, 1329, 0}}));

    table(p72, HERE,
         {
             {here_({URN}), line({BREAK, URN}), HERE, {{STOP, 1495, 0}}},
             {here_({PANE}), line({BREAK, PANE}), HERE, {{STOP, 1851, 0}}},
             {here_({SNAG}), line({BREAK, SNAG}), HERE, {{STOP, 1762, 0}}},
             {both(here_({SNAG}), state(SNAG, 1)), line({BREAK, SNAG}), HERE, {{STOP, 2464, 0}}, 1, 1},
             {nullptr, line({BREAK, LADDER}), HERE, {{STOP, 1808, 0}}},
             {nullptr, line({BREAK, LAMP}), HERE, {{STOP, 3315, 0}}, 1, 1},
             {nullptr, line({BREAK}), HERE, {{STOP, 3315, 0}}, 1, 1},
             {nullptr, line({BREAK, WALL}), HERE, {{STOP, 3315, 0}}, 1, 1},
             {[] { bitmod('s', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_BRIEF_VISITED); }, line({BREAK, WALL}), HERE,
              {}, 0},
         });
    // The pane in the last trial is death, and the end of the game.
    fresh_world(HERE);
    location[PANE] = HERE;
    value[VAR_PHASE] = 6;
    EXPECT_EQ(first(call(p72, line({BREAK, PANE})).texts, 1), texts({{0, 1843, 0}}));
    EXPECT_EQ(quitting, 1);
    fresh_world(HERE);
    location[URN] = HERE;
    call(p72, line({BREAK, URN}));
    EXPECT_EQ(location[URN], PLACE_GONE);
    EXPECT_EQ(location[SHARDS], HERE);
}

TEST_F(Creatures, Feed) {
    table(p301, HERE,
         {
             {both(here_({LYNX, BREAD}), state(AXE, 1)), line({FEED, LYNX}), HERE, {{STOP, 1465, 0}}},
             {here_({KEEPER}), line({FEED, KEEPER}), HERE, {{STOP, 1482, 0}}},
             {here_({OBJ_ATTACKER}), line({FEED, OBJ_ATTACKER}), HERE, {{STOP, 1399, 0}}},
             {both(here_({OBJ_ATTACKER}), state(VAR_PHASE, 5)), line({FEED, OBJ_ATTACKER}), HERE, {{STOP, 1403, 0}},
              1, 1},
             {both(here_({SENTINEL}), state(SENTINEL, 1)), line({FEED, SENTINEL}), HERE, {{STOP, 1464, 0}}},
             {here_({WATCHER}), line({FEED, WATCHER}), HERE, {{STOP, 2481, 0}}},
             {both(here_({WATCHER}), state(WATCHER, 2)), line({FEED, WATCHER}), HERE, {{STOP, 1464, 0}}},
             {here_({OBJ_FOLLOWER}), line({FEED, OBJ_FOLLOWER}), HERE, {{STOP, 1628, 0}}},
             {here_({GRIFFIN}), line({FEED, GRIFFIN}), HERE, {{STOP, 1755, 0}}},
             {carrying({LAMP}), line({FEED, LAMP}), HERE, {{STOP, 1403, 0}}, 1, 1},
             {nullptr, line({FEED}), HERE, {}, 0},
         });
    // Food they do not want: the creature named in the reply.
    for (int creature : {LYNX, LIZARD, SENTINEL}) {
        fresh_world(HERE);
        here_({creature})();
        EXPECT_EQ(call(p301, line({FEED, creature})).texts, texts({{TYPED, 1398, creature}}));
    }
    // The lizard, the one creature here, is given the firefly.
    fresh_world(HERE);
    here_({LIZARD}, true)();
    carry(FIREFLY);
    EXPECT_EQ(call(p301, line({FEED})).texts, texts({{STOP, 1397, 0}}));
    EXPECT_EQ(location[FIREFLY], PLACE_GONE);
    // The lynx takes the bread and is calmer; the prowler is soothed.
    fresh_world(HERE);
    here_({LYNX, BREAD})();
    value[AXE] = 1;
    call(p301, line({FEED, LYNX}));
    EXPECT_EQ(value[LYNX], 1);
    EXPECT_EQ(location[BREAD], PLACE_OFFSTAGE);
    EXPECT_EQ(value[AXE], 0);
    fresh_world(HERE);
    here_({OBJ_ATTACKER})();
    call(p301, line({FEED, OBJ_ATTACKER}));
    EXPECT_TRUE(bitest(OBJ_ATTACKER, 14));
    // A creature named but not near, or the creeper away from its hollow:
    // the fallback, and nothing of the creature's own.
    for (int named : {LYNX, 139}) {
        fresh_world(HERE);
        if (named == 139) location[139] = HERE;
        const outcome o = call(p301, line({FEED, named}));
        EXPECT_EQ(o.loop, 1);
        for (const said &t : o.texts) EXPECT_TRUE(t.text != 1398 && t.text != 1465 && t.text != 1403) << t.text;
    }
}

TEST_F(Creatures, PetAndFollow) {
    table(p673, HERE,
         {
             {here_({LIZARD}), line({PET, LIZARD}), HERE, {{STOP, 1301, 0}}},
             {here_({GRIFFIN}), line({PET, GRIFFIN}), HERE, {{STOP, 1301, 0}}},
             {nullptr, line({PET, LIZARD}), HERE, {}, 0},
             {carrying({LAMP}), line({PET, LAMP}), HERE, {}, 0},
         });
    const auto at = [](int place) { return [place] { set_ref(VAR_HERE, place); }; };
    table(p162, HERE,
         {
             {at(PLACE_START), line({FOLLOW}), PLACE_START, {{STOP, 1967, 0}}},
             {at(PLACE_START), line({FOLLOW, 538}), PLACE_START, {{STOP, 2712, 0}}},
             {at(PLACE_START), line({FOLLOW, 480}), PLACE_START, {{STOP, 2704, 0}}},
             {at(538), line({FOLLOW}), 538, {{STOP, 2712, 0}}},
             {at(481), line({FOLLOW}), 481, {{STOP, 2704, 0}}},
             {at(566), line({FOLLOW, 899}), 566, {{STOP, 1968, 0}}},
             {nullptr, line({FOLLOW}), HERE, {{STOP, 2713, 0}}},
             {here_({LYNX}, true), line({FOLLOW}), HERE, {{STOP_ARG, 1463, 1}}},
             {here_({BRUTE}, true), line({FOLLOW, BRUTE}), HERE, {{TYPED, 2714, VAR_ARG2}}},
             {here_({OBJ_ATTACKER}, true), line({FOLLOW, OBJ_ATTACKER}), HERE, {{TYPED, 2715, OBJ_ATTACKER}}},
             {here_({FIREFLY}, true), line({FOLLOW, FIREFLY}), HERE, {{STOP, 1874, 0}}},
         });
    // Something that cannot be spoken to, a creature the list leaves out,
    // or one that is not here: the fallback.
    for (int named : {LAMP, LIZARD, BRUTE}) {
        fresh_world(HERE);
        if (named != BRUTE) here_({named}, named == LIZARD)();
        bitmod('s', BRUTE, OFLAG_ADDRESSABLE);
        const outcome o = call(p162, line({FOLLOW, named}));
        EXPECT_EQ(o.loop, 1);
        for (const said &t : o.texts) EXPECT_NE(t.text, 2714);
    }
}

TEST_F(Creatures, CallingTheWisp) {
    table(p408, HERE,
         {
             {nullptr, line({CALL, LAMP}), HERE, {{0, 1352, 0}}},
             {[] { location[OBJ_WANDERER] = PLACE_GONE; }, line({CALL}), HERE, {{STOP, 2011, 0}}},
             {[] { location[OBJ_WANDERER] = HERE; }, line({CALL}), HERE, {{STOP, 1783, 0}}},
             {[] { location[OBJ_WANDERER] = 300; }, line({CALL}), HERE, {{STOP, 2011, 0}}},
         });
    // Far from the wisp in a dark, plain place, the chances of an answer
    // grow with the distance by refno: five places off, 12 and 24; with the
    // spider near, 0 and 30. Compared with the shared answer itself.
    const auto compare = [&](std::function<void()> setup, int a, int b) {
        for (int seed : {1, 7, 99, 1234}) {
            fresh_world(HERE);
            bitmod('c', HERE, PFLAG_LIT);
            setup();
            rseed = seed;
            const outcome word = call(p408, line({CALL}));
            const state_image after = IMAGE;
            fresh_world(HERE);
            bitmod('c', HERE, PFLAG_LIT);
            setup();
            rseed = seed;
            parse(line({CALL}));
            said_log.clear();
            const long d = irand_draws;
            p658(num(a), num(b));
            EXPECT_EQ(word.texts, said_log) << seed;
            EXPECT_EQ(word.draws, irand_draws - d) << seed;
            EXPECT_EQ(std::memcmp(&after, &IMAGE, IMAGE_SIZE), 0) << seed;
        }
    };
    compare([] { location[OBJ_WANDERER] = HERE + 5; }, 12, 24);
    compare([] { location[OBJ_WANDERER] = HERE - 5; }, 12, 24);
    compare([] { location[OBJ_WANDERER] = 260; location[SPIDER] = HERE; }, 0, 30);
    compare([] { location[OBJ_WANDERER] = 260; location[CHASM] = HERE; value[CHASM] = 1; }, 0, 30);
}

TEST_F(Creatures, Detonate) {
    const auto trial = [](int rod_at) {
        return [rod_at] {
            value[VAR_PHASE] = 6;
            bitmod('s', ROD, OFLAG_SEEN);
            location[ROD] = rod_at;
        };
    };
    table(p61, 448,
         {
             {nullptr, line({DETONATE}), 448, {{STOP, 1357, 0}}},
             {trial(PLACE_GONE), line({DETONATE}), 448, {{STOP, 1876, 0}}},
             {trial(450), line({DETONATE}), 448, {{STOP, 1848, 0}}},
         });
    EXPECT_EQ(location[ROD], PLACE_GONE);
    EXPECT_EQ(location[OBJ_ATTACKER], PLACE_GONE);
    EXPECT_EQ(location[GRIFFIN], 448);
    EXPECT_EQ(value[VAR_THERE], 449);
    EXPECT_TRUE(bitest(450, PFLAG_VISITED));
    // Beside the rod, or at the eyrie: death, which ends the game so late.
    for (auto [place, rod_at, text] : {std::tuple{448, 448, 1846}, std::tuple{447, 450, 1847}}) {
        fresh_world(place);
        trial(rod_at)();
        const outcome o = call(p61, line({DETONATE}));
        EXPECT_EQ(first(o.texts, 1), texts({{0, text, 0}}));
        EXPECT_EQ(quitting, 1);
        EXPECT_EQ(location[GRIFFIN], PLACE_OFFSTAGE);
    }
}

}  // namespace
