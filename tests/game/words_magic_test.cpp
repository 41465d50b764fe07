// The magic words and the speaking word: the backward spell said command by
// command through dispatch, in and out of step; the words of power on what
// they act on; the perilous word's three fates in their draw order; the
// cloth's word and its fly word; and the word that speaks any of them.
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "words_table.h"

namespace {

using namespace game_test;
using texts = std::vector<said>;

constexpr int OSTEL = WORD_SEQ_1, NUVIK = WORD_SEQ_2, MEVET = WORD_SEQ_3, LOMAS = WORD_SEQ_4, HUSH = 833,
              SAY = WORD_SAY, HESK = 712, EPHRUN = 709, GORVASH = 711, RHUNEL = 721, REFLECT = 853, FLY = 806,
              ALVOTH = 705, ISMARU = 713, BERUTH = WORD_MAGIC_TRAVEL_1, LAMP = OBJ_LIGHT_SOURCE;
constexpr int STEP = VAR_MAGIC_STEP, SPELL_REPLY = 1199, SPELL_ACK = 1200, STATUETTE = 53, HOME = 281,
              KEEPER = 23, BOOTH = 24, GIANT = 194, CLOTH = 63, BEATEN = 13, AWAKE = 14, MIRROR = 17, PANE = 12,
              SWORD = 125, JEWEL = 67, AXE = 124, OPEN_AIR = 7, LODESTONE = OBJ_HEADING;

class Magic : public WordsTest {
protected:
    // What the reading part does at each new input line.
    static void fresh_line() {
        set_ref(SPELL_REPLY, 1329);
        set_ref(SPELL_ACK, 1267);
    }
    // A command through dispatch as the first of its line.
    outcome say_word(std::initializer_list<int> w) {
        fresh_line();
        return turn(line(w));
    }
    static void open_air() { bitmod('s', value[VAR_HERE], OPEN_AIR); }
};

TEST_F(Magic, TheBackwardSpellInFourCommands) {
    fresh_world(313);
    value[STEP] = -1;
    location[STATUETTE] = PLACE_CARRIED;
    value[GIANT] = 2;
    for (int w : {OSTEL, NUVIK, MEVET}) EXPECT_EQ(say_word({w}).texts, texts({{SAY_REFVAR, SPELL_ACK, 0}})) << w;
    const outcome o = say_word({LOMAS});
    EXPECT_EQ(o.texts, texts({{ARG, 3469, 0}}));
    EXPECT_EQ(o.loop, 1);
    EXPECT_EQ(location[STATUETTE], HOME);
    EXPECT_EQ(value[STEP], 0);
    EXPECT_EQ(value[GIANT], 3);
    EXPECT_TRUE(within(value[1244], 3, 5));
    EXPECT_EQ(o.draws, 1);
    // Said again at once, the statuette is home already.
    value[STEP] = -1;
    for (int w : {OSTEL, NUVIK, MEVET}) say_word({w});
    EXPECT_EQ(say_word({LOMAS}).texts, texts({{0, 1329, 0}, {0, 1563, 0}}));
}

TEST_F(Magic, AWordOutOfStepBreaksTheSpell) {
    // Begun with the second word: the reply the line holds (nothing comes
    // of it), and the counter stays broken.
    fresh_world(313);
    value[STEP] = -1;
    EXPECT_EQ(say_word({NUVIK}).texts, texts({{SAY_STOP | SAY_REFVAR, SPELL_REPLY, 0}}));
    // Any other command between two words breaks it: the next word in the
    // order is out of step.
    say_word({OSTEL});
    say_word({WORD_LOOK});
    EXPECT_EQ(value[STEP], -1);
    EXPECT_EQ(say_word({NUVIK}).texts, texts({{SAY_STOP | SAY_REFVAR, SPELL_REPLY, 0}}));
    // A word skipped while the spell is going: 1562, and the line's later
    // out-of-step words say nothing.
    say_word({OSTEL});
    say_word({NUVIK});
    const outcome o = say_word({LOMAS});
    EXPECT_EQ(o.texts, texts({{STOP, 1562, 0}}));
    EXPECT_EQ(value[SPELL_REPLY], 1264);
    EXPECT_EQ(value[STEP], 0);
    // Hush breaks it off too.
    say_word({OSTEL});
    EXPECT_EQ(say_word({HUSH}).texts, texts({{STOP, 1939, 0}}));
    EXPECT_EQ(say_word({NUVIK}).texts, texts({{SAY_STOP | SAY_REFVAR, SPELL_REPLY, 0}}));
    // Late in the game the words do nothing; the last word refuses a second
    // word other than the speaking word.
    fresh_world(313);
    value[VAR_PHASE] = 6;
    EXPECT_EQ(call(p300, line({OSTEL})).texts, texts({{STOP, 1329, 0}}));
    // Uttered rather than said, the last word is refused.
    fresh_world(313);
    value[STEP] = 2;
    EXPECT_EQ(call(p608, line({877, LOMAS})).texts, texts({{0, 3493, 0}, {STOP, 1352, 0}}));
}

TEST_F(Magic, TheStatuetteLeavesTheKeeper) {
    // Paid to the keeper, it leaves his booth, and he comes back to the
    // bridgehead with a grudge; seen from the writing junction it appears.
    fresh_world(HOME);
    value[STEP] = 2;
    location[STATUETTE] = PLACE_GONE;
    bitmod('s', STATUETTE, BEATEN);  // paid as a fee
    value[KEEPER] = 1;
    location[BOOTH] = HOME;
    const outcome o = call(p330, line({LOMAS}));
    EXPECT_EQ(o.texts, texts({{ARG, 3469, 1}, {0, 1266, 0}, {0, STATUETTE, 0}, {0, 1922, 0}}));
    EXPECT_EQ(location[STATUETTE], HOME);
    EXPECT_FALSE(bitest(STATUETTE, BEATEN));
    EXPECT_TRUE(bitest(KEEPER, 13));
    EXPECT_EQ(location[KEEPER], 303);
    EXPECT_TRUE(bitest(KEEPER, OFLAG_TWO_PLACES));
    EXPECT_EQ(location[BOOTH], PLACE_OFFSTAGE);
    EXPECT_FALSE(wording(o.texts[0]).empty());
    EXPECT_FALSE(wording(o.texts[3]).empty());
    // Kept by the keeper for good: nothing comes of it.
    fresh_world(313);
    value[STEP] = 2;
    bitmod('s', STATUETTE, 14);
    EXPECT_EQ(call(p330, line({LOMAS})).texts, texts({{0, 1329, 0}}));
}

TEST_F(Magic, TheSpeakingWord) {
    const auto lizard_here = [] {
        location[9] = 313;
        bitmod('s', 9, OFLAG_ADDRESSABLE);
    };
    table(p745, 313,
          {
              {nullptr, line({SAY}), 313, {{TYPED, 2702, VAR_ARG1}}},
              {nullptr, "sing ostel", 313, {{STOP, 3570, 0}}},
              {nullptr, "chant ostel", 313, {{STOP, 3571, 0}}},
              {[] { carry(LAMP); }, line({SAY, HESK}), 313, {{0, 3493, 0}, {STOP, 1267, 0}}},
              {nullptr, line({SAY, 871}), 313, {{0, 3493, 0}}},
              {lizard_here, line({SAY, 871}), 313, {{0, 3493, 0}, {TYPED, 2700, VAR_LOOP_OBJECT}}},
              {lizard_here, line({SAY, 9}), 313, {{0, 3493, 0}, {TYPED, 2700, VAR_ARG2}}},
              {lizard_here, line({SAY, OBJ_ALL}), 313, {{0, 3493, 0}}},
              {nullptr, line({SAY, 948}), 313, {{0, 3493, 0}, {STOP, 2583, 0}}},
              {[] { location[26] = 313; }, line({SAY, HESK}), 313, {{0, 3493, 0}, {STOP, 2701, 0}}},
          });
    // A word out of the magic words is not run; a magic word is, also one
    // that moves nothing.
    fresh_world(313);
    EXPECT_EQ(call(p745, line({SAY, BERUTH})).texts, texts({{0, 3493, 0}, {STOP, 1329, 0}}));
    // The synonym runs the speaking word.
    fresh_world(313);
    EXPECT_EQ(call(p608, line({877, BERUTH})).texts, texts({{0, 3493, 0}, {STOP, 1329, 0}}));
}

TEST_F(Magic, TheLampWordArmedAndDisarmed) {
    fresh_world(313);
    carry(LAMP);
    EXPECT_EQ(call(p624, line({HESK})).texts, texts({{STOP, 1267, 0}}));
    EXPECT_TRUE(bitest(VAR_GAME_FLAGS, 8));
    // Said again it disarms, and the spell reply is emptied.
    fresh_line();
    EXPECT_EQ(call(p624, line({HESK})).texts, texts({{STOP, 1329, 0}}));
    EXPECT_FALSE(bitest(VAR_GAME_FLAGS, 8));
    EXPECT_EQ(value[SPELL_REPLY], 1264);
    // Unarmed, the lamp word says what the line's spell reply holds.
    fresh_line();
    EXPECT_EQ(call(p739, line({EPHRUN})).texts, texts({{SAY_REFVAR, SPELL_REPLY, 0}}));

    // Armed, with the lamp in hand: death.
    fresh_world(313);
    carry(LAMP);
    bitmod('s', VAR_GAME_FLAGS, 8);
    outcome o = call(p739, line({EPHRUN}));
    EXPECT_EQ(first(o.texts, 1), texts({{0, 1574, 0}}));
    EXPECT_EQ(value[VAR_QUESTION], Q_DEATH);

    // Armed, the lamp lying here with oil left: the lamp is lost, and half
    // the time the player with it (one draw, then the death's).
    std::set<int> fates;
    for (int seed = 1; seed < 40; seed++) {
        fresh_world(313);
        location[LAMP] = 313;
        value[LAMP] = 1;
        value[VAR_LIGHT_POWER] = 100;
        bitmod('s', VAR_GAME_FLAGS, 8);
        rseed = seed;
        o = call(p739, line({EPHRUN}));
        EXPECT_EQ(location[LAMP], PLACE_GONE);
        EXPECT_EQ(value[OBJ_LIGHT_REFILL], 3);
        EXPECT_EQ(value[VAR_LIGHT_POWER], 0);
        const int fate = o.texts.front().text;
        fates.insert(fate);
        EXPECT_EQ(o.draws, fate == 1576 ? 2 : 1);
        EXPECT_EQ(o.loop, 1);
    }
    EXPECT_EQ(fates, (std::set<int>{1575, 1576}));

    // Armed, the lamp dry: filled and lit anew, and the place is looked at.
    fresh_world(313);
    location[LAMP] = 313;
    value[VAR_LIGHT_POWER] = 10;
    bitmod('s', VAR_GAME_FLAGS, 8);
    value[16] = 4;
    o = call(p739, line({EPHRUN}));
    EXPECT_EQ(first(o.texts, 1), texts({{0, 1577, 0}}));
    EXPECT_EQ(value[VAR_LIGHT_POWER], 310);
    EXPECT_EQ(value[LAMP], 1);
    EXPECT_EQ(value[16], 0);
    EXPECT_TRUE(bitest(VAR_HINT_NUMBER, 8));
    EXPECT_GT(o.texts.size(), 1u);  // the look word's description
}

TEST_F(Magic, ThePerilousWord) {
    // Near water: 85 in 100 nothing, else 95 in 100 of the rest death, else
    // the question that may end the game; the second draw only after the
    // first has missed.
    std::set<int> fates;
    for (int seed = 1; seed < 3000 && fates.size() < 3; seed++) {
        fresh_world(500);
        rseed = seed;
        const outcome o = call(p669, line({GORVASH}));
        const int fate = o.texts.front().text;
        fates.insert(fate);
        if (fate == 1329) {
            EXPECT_EQ(o.draws, 1);
        }
        if (fate == 1649) {
            EXPECT_EQ(o.draws, 3);  // two draws, then the death's
        }
        if (fate == 1650) {
            EXPECT_EQ(o.draws, 2);
            EXPECT_EQ(o.texts, texts({{0, 1650, 0}, {STOP, 1651, 0}}));
            EXPECT_EQ(value[VAR_QUESTION], Q_WORD_711_END);
        }
    }
    EXPECT_EQ(fates, (std::set<int>{1329, 1649, 1650}));

    const auto prowler = [](int state) {
        return [state] {
            location[OBJ_ATTACKER] = 313;
            value[OBJ_ATTACKER] = state;
        };
    };
    table(p669, 313,
          {
              {[] { bitmod('s', 313, OPEN_AIR); }, line({GORVASH}), 313, {{STOP, 1329, 0}}},
              {[] { light(false); }, line({GORVASH}), 313, {{STOP, 1329, 0}}},
              {[] { location[AXE] = 313; location[SWORD] = PLACE_CARRIED; }, line({GORVASH}), 313,
               {{0, 1654, 0}, {0, 1655, 0}}},
              {nullptr, line({GORVASH}), 313, {{STOP, 1329, 0}}},
          });
    EXPECT_TRUE(bitest(28, 14));  // the spirit has heard it, whatever came of it
    // A vessel of water carried anywhere counts as water near: a draw.
    fresh_world(313);
    carry(OBJ_VESSEL_SMALL);
    value[OBJ_VESSEL_SMALL] = 3;
    EXPECT_GE(call(p669, line({GORVASH})).draws, 1);
    fresh_world(313);
    location[AXE] = 313;
    call(p669, line({GORVASH}));
    EXPECT_EQ(location[AXE], PLACE_GONE);

    // The prowler: seven in ten he gives back his loot, else he kills.
    for (int state : {1, 3}) {
        std::set<int> seen;
        for (int seed = 1; seed < 60; seed++) {
            fresh_world(313);
            prowler(state)();
            rseed = seed;
            seen.insert(call(p669, line({GORVASH})).texts.front().text);
        }
        EXPECT_EQ(seen, state == 1 ? (std::set<int>{1659, 1664}) : (std::set<int>{1660, 1665}));
    }
}

TEST_F(Magic, TheCloth_sWord) {
    const auto cloth = [](int state, std::vector<int> flags, bool sky = true) {
        return [state, flags, sky] {
            location[CLOTH] = value[VAR_HERE];
            value[CLOTH] = state;
            for (int f : flags) bitmod('s', CLOTH, f);
            if (sky) bitmod('s', value[VAR_HERE], OPEN_AIR);
        };
    };
    table(p47, 313,
          {
              {nullptr, line({RHUNEL}), 313, {{STOP, 1329, 0}}},
              {cloth(2, {}), line({RHUNEL}), 313, {{0, 3342, 0}, {STOP, 3341, 0}}},
              {cloth(3, {BEATEN}), line({RHUNEL}), 313, {{0, 3342, 0}, {STOP, 2224, 0}}},
              {cloth(3, {BEATEN, AWAKE}, false), line({RHUNEL}), 313, {{STOP, 2229, 0}}},
              {cloth(1, {BEATEN, AWAKE}), line({RHUNEL}), 313, {{STOP, 2222, 0}}},
              {cloth(0, {BEATEN, AWAKE}), line({RHUNEL}), 313, {{STOP_ARG, 2223, 0}}},
              {[=] { set_ref(VAR_HERE, 593); cloth(3, {BEATEN, AWAKE})(); }, line({RHUNEL}), 593,
               {{STOP, 2234, 0}}},
          });
    EXPECT_EQ(value[CLOTH], 0);
    EXPECT_TRUE(bitest(VAR_GAME_FLAGS_3, 1));
    // The dusty cloth rolls itself up; the beaten one wakes and rises.
    fresh_world(313);
    cloth(2, {})();
    call(p47, line({RHUNEL}));
    EXPECT_EQ(value[CLOTH], 0);
    EXPECT_FALSE(bitest(CLOTH, AWAKE));
    EXPECT_EQ(value[2221], 1);
    EXPECT_GT(value[3342], 0);  // the cloth has heard its word: beating it now wakes it
    fresh_world(313);
    cloth(3, {BEATEN})();
    call(p47, line({RHUNEL}));
    EXPECT_EQ(value[CLOTH], 1);
    EXPECT_TRUE(bitest(CLOTH, AWAKE));
    // Held, it must be put down first.
    fresh_world(313);
    cloth(3, {BEATEN, AWAKE})();
    carry(CLOTH);
    EXPECT_EQ(call(p47, line({RHUNEL})).texts, texts({{STOP_ARG, 2223, 1}}));
}

TEST_F(Magic, TheMirrorWord) {
    const auto mirror_at = [](int ledge) {
        return [ledge] {
            set_ref(VAR_HERE, ledge);
            set_ref(VAR_THERE, ledge);
            location[MIRROR] = 224;
            bitmod('s', MIRROR, OFLAG_TWO_PLACES);
        };
    };
    table(p706, 313,
          {
              {mirror_at(224), line({REFLECT}), 225, {{STOP_ARG, 1571, 0}}},
              {mirror_at(225), line({REFLECT}), 224, {{STOP_ARG, 1571, 0}}},
              {[=] { mirror_at(224)(); location[OBJ_ATTACKER] = 225; }, line({REFLECT}), 225,
               {{ARG, 1571, 1}, {STOP, OBJ_ATTACKER, 0}}},
              {[=] { mirror_at(224)(); location[OBJ_ATTACKER] = 224; }, line({REFLECT}), 225,
               {{TYPED, 2044, OBJ_ATTACKER}}},
              {[] { location[PANE] = 313; }, line({REFLECT}), 313, {{STOP, 1905, 0}}},
              {nullptr, line({REFLECT}), 313, {{STOP, 1904, 0}}},
          });
    // From the east ledge the west one becomes free of creatures while the
    // east one is not; the move counts as no arrival.
    fresh_world(313);
    mirror_at(224)();
    call(p706, line({REFLECT}));
    EXPECT_TRUE(bitest(225, PFLAG_CREATURE_FREE));
    EXPECT_FALSE(bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_MOVED));
    // With a second word the fallback answers.
    fresh_world(313);
    location[PANE] = 313;
    outcome o = call(p706, line({REFLECT, PANE}));
    EXPECT_EQ(o.loop, 1);
    for (const said &t : o.texts) EXPECT_NE(t.text, 1905);
    // The noun of the same stem leaves the command to what follows.
    fresh_world(313);
    o = call(p706, "reflection");
    EXPECT_EQ(o.texts, texts{});
    EXPECT_EQ(o.loop, 0);
}

TEST_F(Magic, TheFlyWord) {
    const auto ready_at = [](int place) {
        return [place] {
            set_ref(VAR_HERE, place);
            location[CLOTH] = place;
            value[CLOTH] = 1;
            bitmod('s', CLOTH, AWAKE);
        };
    };
    table(p325, 313,
          {
              {ready_at(199), line({FLY}), 199, {{STOP, 1763, 0}}},
              {[=] { ready_at(199)(); bitmod('s', VAR_GAME_FLAGS, 12); }, line({FLY}), 586, {{0, 2383, 0}}},
              {ready_at(438), line({FLY, CLOTH}), 439, {{0, 2458, 0}}},
              {ready_at(475), line({FLY}), 484, {{0, 2460, 0}}},
              {ready_at(570), line({FLY}), 547, {{0, 2495, 0}}},
              {ready_at(318), line({FLY}), 318, {{STOP, 2297, 0}}, 1, 1},
              {ready_at(550), line({FLY}), 550, {{0, 2231, 0}, {0, 2654, 0}}},
              {ready_at(313), line({FLY}), 313, {{0, 2231, 0}}},
              {[=] { ready_at(438)(); carry(LODESTONE); }, line({FLY}), 438, {{STOP, 2559, 0}}},
              {[=] { ready_at(438)(); carry(148); bitmod('s', 148, OFLAG_NO_TRANSPORT); }, line({FLY}), 439,
               {{0, 2458, 0}}},
              {[=] { ready_at(438)(); carry(OBJ_VESSEL_LARGE); value[OBJ_VESSEL_LARGE] = 2; }, line({FLY}), 439,
               {{0, 2458, 0}}},
              {[] { location[CLOTH] = 313; value[CLOTH] = 3; bitmod('s', CLOTH, AWAKE); }, line({FLY}), 313,
               {{STOP, 2232, 0}}},
              {[] { location[CLOTH] = 313; value[CLOTH] = 2; }, line({FLY}), 313, {{STOP, 2233, 0}}},
              {nullptr, line({FLY}), 313, {{STOP, 1805, 0}}},
              {nullptr, line({FLY, PLACE_DEPOSIT}), 313, {{STOP, 1805, 0}}},
              {nullptr, line({FLY, LAMP}), 313, {{STOP, 1403, 0}}, 1, 1},
          });
    // The flight from the bluff: the cloth waits at the ring, the sky counts
    // three turns.
    fresh_world(199);
    ready_at(199)();
    bitmod('s', VAR_GAME_FLAGS, 12);
    call(p325, line({FLY}));
    EXPECT_EQ(location[CLOTH], 547);
    EXPECT_EQ(value[586], 3);
    // Refused for what is carried, the cloth has gone slack already.
    for (const auto &load : std::vector<std::function<void()>>{
             [] { carry(STATUETTE); bitmod('s', STATUETTE, OFLAG_NO_TRANSPORT); },
             [] { carry(OBJ_VESSEL_LARGE); value[OBJ_VESSEL_LARGE] = 8; }}) {
        fresh_world(438);
        ready_at(438)();
        load();
        EXPECT_EQ(call(p325, line({FLY})).texts, texts({{STOP, 2496, 0}}));
        EXPECT_EQ(value[CLOTH], 3);
        EXPECT_EQ(here(), 438);
    }
    // "teleport" is answered as itself.
    fresh_world(313);
    EXPECT_EQ(call(p325, "teleport").texts, texts({{STOP_ARG, 1806, 1}}));
}

TEST_F(Magic, TheSword_sThePortcullis_sAndTheVault_sWords) {
    table(p946, 313,
          {
              {[] { carry(SWORD); value[SWORD] = 1; }, line({ALVOTH}), 313, {{ARG, 1814, 0}}},
              {[] { location[SWORD] = 313; value[SWORD] = 1; bitmod('s', VAR_GAME_FLAGS, 9); }, line({ALVOTH}),
               313, {{ARG, 1814, 1}, {0, 1815, 0}}},
              {[] { location[SWORD] = 313; }, line({ALVOTH}), 313, {{STOP, 1329, 0}}},
          });
    EXPECT_EQ(location[SWORD], 313);  // still in its stone
    fresh_world(313);
    carry(SWORD);
    value[SWORD] = 1;
    call(p946, line({ALVOTH}));
    EXPECT_EQ(location[SWORD], PLACE_GONE);
    EXPECT_EQ(location[JEWEL], 313);
    EXPECT_TRUE(bitest(JEWEL, OFLAG_SEEN));

    table(p591, 313,
          {
              {[] { location[32] = 313; }, line({ISMARU}), 313, {{STOP, 1617, 0}}},
              {[] { location[32] = 313; value[32] = 1; }, line({ISMARU}), 313, {{STOP, 1329, 0}}},
          });
    fresh_world(313);
    location[32] = 313;
    bitmod('s', 313, PFLAG_HINT_AVAILABLE);
    call(p591, line({ISMARU}));
    EXPECT_EQ(value[32], 1);
    EXPECT_EQ(value[313], 1);
    EXPECT_FALSE(bitest(313, PFLAG_HINT_AVAILABLE));

    // The vault words and the travel words away from their places.
    for (game_proc p : {p785, p519, p518, p63, p942, p847, p683}) {
        fresh_world(313);
        EXPECT_EQ(call(p, line({ISMARU})).texts, texts({{STOP, 1329, 0}}));
    }
    fresh_world(313);
    EXPECT_EQ(call(p764, line({831})).texts, texts({{STOP, 1339, 0}}));
}

}  // namespace
