// The timeless chamber (the introduction and the Litany), limbo and the
// wings, through the real command reader and dispatch up to the place
// procedure.
#include "places.h"

namespace {

using namespace game_test;

class End : public GameTest {
protected:
    // The Litany's count and its flags (variable 1207).
    static int count() { return value[1207]; }
    // Says the words of the Litany from 705 on, one command each, in the
    // world as it is.
    void say_litany_up_to(int last) {
        for (int w = 705; w <= last; w++) {
            outcome o = at_place(line({w}));
            ASSERT_EQ(o.texts, (std::vector<said>{{0, 1267, 0}})) << w;
            ASSERT_EQ(o.loop, 1) << w;
        }
    }
};

const std::function<void()> introduction = phase(2);
const std::function<void()> litany = phase(7);
std::function<void()> litany_at(int n) {
    return [n] {
        value[VAR_PHASE] = 7;
        value[1207] = n;
    };
}

// --- The introduction --------------------------------------------------------

TEST_F(End, NoWayOut) {
    // Every way comes back here: the player is moved to the place where he
    // stands, so the next turn describes it again.
    EXPECT_EQ(exits(PLACE_INTRO, introduction, false), (std::map<int, int>{{728, PLACE_START}}));
    EXPECT_EQ(exits(PLACE_INTRO, litany, false), (std::map<int, int>{}));
    for (auto setup : {introduction, litany}) {
        for (const std::string &typed : {line({745}), line({WORD_GO, WORD_UP}), line({752})}) {
            fresh_world(PLACE_INTRO);
            setup();
            set_ref(VAR_THERE, PLACE_START);
            outcome o = at_place(typed);
            EXPECT_EQ(o.place, PLACE_INTRO) << typed;
            EXPECT_EQ(o.texts, std::vector<said>{}) << typed;
            EXPECT_EQ(o.loop, 1) << typed;
            EXPECT_EQ(value[VAR_THERE], PLACE_INTRO) << typed;
            EXPECT_TRUE(bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_MOVED)) << typed;
        }
    }
}

TEST_F(End, IntroductionRows) {
    check_place(PLACE_INTRO, {
        {introduction, line({WORD_OUT}), 302, {{STOP, 1994, 0}}},
        {introduction, line({WORD_GO, WORD_OUT}), 302, {{STOP, 1994, 0}}},
        {introduction, line({WORD_TAKE, WORD_OUT}), 302, {{STOP, 1994, 0}}},
        {introduction, line({WORD_IN}), 302, {}, 0},
        {introduction, line({WORD_LOOK, 936}), 302, {{STOP, 2096, 0}}},
        {litany, line({WORD_LOOK, 936}), 302, {{STOP, 2096, 0}}},
        {introduction, line({WORD_HELP}), 302, {{STOP, 1278, 0}}},
        {introduction, line({829}), 302, {{STOP, 2318, 0}}},
        {introduction, line({836}), 302, {{STOP, 2318, 0}}},
        {introduction, line({871}), 302, {{STOP, 2556, 0}}},
        {introduction, line({727}), 302, {{STOP, 1279, 0}}},
        // The Litany's words are not judged during the introduction, and
        // the echo is not marked.
        {introduction, line({705}), 302, {}, 0},
        {introduction, line({937}), 302, {}, 0},
        {litany, line({728}), 302, {{STOP, 1733, 0}}},
    });
    fresh_world(PLACE_INTRO);
    introduction();
    at_place(line({705}));
    EXPECT_EQ(count(), 0);
    EXPECT_FALSE(bitest(VAR_QUESTION, VFLAG_QUESTION_REPLIED));
}

// Said before the place in the same turn, and then dropped by "begin".
int earlier_output_then_the_chamber() {
    say(0, 1329, 0);
    return p628();
}

TEST_F(End, BeginEndsTheIntroduction) {
    fresh_world(PLACE_INTRO);
    introduction();
    value[1201] = 4;
    bitmod('s', PLACE_START, PFLAG_VISITED);
    outcome o = at_place(line({728}));
    EXPECT_EQ(o.place, PLACE_START);
    ASSERT_GE(o.texts.size(), 3u);
    EXPECT_EQ(o.texts.front(), (said{0, 1280, 0}));
    // The lane is described in full, then the question.
    EXPECT_EQ(o.texts[1], (said{SAY_DETAIL | SAY_REFVAR, VAR_HERE, 0}));
    EXPECT_EQ(first(std::vector<said>(o.texts.end() - 2, o.texts.end()), 2),
              (std::vector<said>{{0, 1272, 0}, {STOP, 1273, 0}}));
    EXPECT_EQ(value[VAR_QUESTION], Q_INTRO);
    EXPECT_TRUE(bitest(VAR_QUESTION, 0));
    EXPECT_EQ(value[1201], 0);
    EXPECT_EQ(value[1733], 1);
    // This machine remembers that the introduction has been seen.
    int32_t offset = 1;
    special(SPECIAL_PDATA_GET, &offset);
    EXPECT_EQ(offset, 1);

    // Whatever was said earlier in the turn is dropped.
    fresh_world(PLACE_INTRO);
    introduction();
    call(earlier_output_then_the_chamber, line({728}));
    const std::string shown = support::Session::pending();
    EXPECT_EQ(shown.find(wording({0, 1329, 0})), std::string::npos) << shown;
    EXPECT_NE(shown.find(wording({0, 1280, 0})), std::string::npos) << shown;
}

// --- The Litany --------------------------------------------------------------

TEST_F(End, TheWholeLitanyEndsThePhase) {
    fresh_world(PLACE_INTRO);
    litany();
    say_litany_up_to(720);
    EXPECT_EQ(count(), 16);
    outcome o = at_place(line({721}));
    EXPECT_EQ(o.place, PLACE_START);
    EXPECT_EQ(o.texts, (std::vector<said>{{0, 1868, 0}}));
    EXPECT_EQ(value[VAR_PHASE], 8);
}

TEST_F(End, LitanyRows) {
    auto gave_long_reply = [] { bitmod('s', VAR_GAME_FLAGS_2, 4); };
    auto low = [] { rseed = 4; };  // irand(100) is 15
    check_place(PLACE_INTRO, {
        // One word skipped, at any count.
        {litany_at(0), line({706}), 302, {{0, 2050, 0}}},
        {litany_at(9), line({715}), 302, {{0, 2050, 0}}},
        // Early wrong words; the first late one gets the long reply, later
        // ones a draw.
        {litany_at(1), line({710}), 302, {{0, 1329, 0}}},
        {litany_at(3), line({705}), 302, {{0, 1924, 0}}, 1, 1},
        {both(litany_at(3), gave_long_reply), line({705}), 302, {{0, 1300, 0}}, 1, 2},
        {both(both(litany_at(3), gave_long_reply), low), line({705}), 302, {{0, 1924, 0}}, 1, 1},
        // Judged by the first word, unless it is "say".
        {litany_at(0), line({WORD_TAKE, 705}), 302, {{0, 1329, 0}}},
        {litany_at(0), line({WORD_SAY, 705}), 302, {{0, 1267, 0}}},
        // The interjections out of place are wrong words.
        {litany_at(4), line({853}), 302, {{0, 1924, 0}}, 1, 1},
        {litany_at(5), line({287}), 302, {{0, 1924, 0}}, 1, 1},
        // At the end only the last word is right.
        {litany_at(16), line({720}), 302, {{0, 1924, 0}}, 1, 1},
        // Not the Litany: the turn goes on; the echo is marked.
        {litany_at(4), line({WORD_TAKE, OBJ_LIGHT_SOURCE}), 302, {}, 0},
        {litany_at(4), line({937}), 302, {}, 0},
    });
    // A wrong word starts over; a word not of the Litany changes nothing.
    fresh_world(PLACE_INTRO);
    litany_at(7)();
    at_place(line({WORD_TAKE, OBJ_LIGHT_SOURCE}));
    EXPECT_EQ(count(), 7);
    at_place(line({710}));
    EXPECT_EQ(count(), 0);
    at_place(line({937}));
    EXPECT_TRUE(bitest(VAR_QUESTION, VFLAG_QUESTION_REPLIED));
}

// "Reflect" after the fifth word and "wirreth" after the sixth are allowed
// once each in the whole game, and never twice running.
TEST_F(End, Interjections) {
    struct interjection {
        int word, at, once_text, flag_once, flag_last;
    };
    for (interjection c : {interjection{853, 5, 3416, 5, 0}, {287, 6, 3417, 6, 1}}) {
        fresh_world(PLACE_INTRO);
        litany();
        say_litany_up_to(704 + c.at);
        EXPECT_EQ(at_place(line({c.word})).texts, (std::vector<said>{{STOP, c.once_text, 0}})) << c.word;
        EXPECT_EQ(count(), c.at);
        EXPECT_TRUE(bitest(1207, c.flag_once));
        EXPECT_TRUE(bitest(1207, c.flag_last));
        // Again at once: a wrong word.
        EXPECT_EQ(at_place(line({c.word})).texts, (std::vector<said>{{0, 1924, 0}})) << c.word;
        EXPECT_EQ(count(), 0);
        EXPECT_FALSE(bitest(1207, c.flag_last));
        // In a later run: allowed, but nothing more is made of it.
        say_litany_up_to(704 + c.at);
        EXPECT_EQ(at_place(line({c.word})).texts, (std::vector<said>{{STOP, 1267, 0}})) << c.word;
        EXPECT_EQ(count(), c.at);
        EXPECT_EQ(at_place(line({705 + c.at})).texts, (std::vector<said>{{0, 1267, 0}})) << c.word;
    }
}

// --- Limbo (700) and the wings (701) -----------------------------------------

TEST_F(End, LimboAndWings) {
    const std::map<int, int> out_of_limbo = {{745, 515}, {746, 515}, {747, 515}, {748, 515},
                                             {749, 515}, {750, 515}, {751, 515}, {752, 515},
                                             {754, 515}, {755, 515}, {758, 515}};
    EXPECT_EQ(exits(PLACE_HOLDING, nullptr, false), out_of_limbo);
    EXPECT_EQ(exits(PLACE_HOLDING, nullptr, true), out_of_limbo);
    check_place(PLACE_HOLDING, {
        {nullptr, line({WORD_TAKE, 745}), 515, {}},
        {nullptr, line({WORD_IN}), 700, {}, 0},
    });
    // Limbo's way out is for whoever stands in limbo only.
    fresh_world(PLACE_START);
    outcome o = call(p402, line({745}));
    EXPECT_EQ(o.place, PLACE_START);
    EXPECT_EQ(o.loop, 0);

    const std::map<int, int> out_of_the_wings = {{WORD_OUT, PLACE_DEPOSIT}};
    EXPECT_EQ(exits(PLACE_OFFSTAGE, nullptr, false), out_of_the_wings);
    EXPECT_EQ(exits(PLACE_OFFSTAGE, nullptr, true), out_of_the_wings);
}

// The crag and the sky of the posts, the cloud of the drift, the grotto's pool
// and hole and the last ledge are answered by a closer look.
TEST_F(End, NamedFeaturesAnswerALook) {
    const std::vector<feature_reply> cases = {
        {447, "examine sky", {STOP_ARG, 2019, 12}},
        {447, "examine crag", {STOP_ARG, 3515, 5}},
        {448, "examine crag", {STOP_ARG, 3515, 5}},
        {449, "examine sky", {STOP_ARG, 2019, 12}},
        {450, "examine sky", {STOP_ARG, 2019, 12}},
        {450, "examine hole", {STOP_ARG, 2903, 893}},
        {450, "examine mist", {STOP_ARG, 2380, 922}},
        // Up from the posts is the sky, not a ceiling.
        {449, "look up", {STOP_ARG, 2019, 12}},
        {450, "look up", {STOP_ARG, 2019, 12}},
        {585, "look up", {STOP_ARG, 2380, 922}},
        {585, "examine cloud", {STOP_ARG, 2380, 922}},
        {671, "examine pool", {STOP, 2885, 0}},
        {671, "examine hole", {STOP, 2887, 0}},
        {671, "examine sky", {STOP_ARG, 2019, 12}},
        {672, "examine ledge", {STOP_ARG, 2393, 1}},
    };
    expect_replies(cases);
}

// What the descriptions of the crag and the last ledge name answers a look
// typed in full.
TEST_F(End, NamedThingsAnswerExamine) {
    expect_replies({
        {447, "examine lip", {STOP_ARG, 3515, 0}},
        {447, "examine path", {STOP_ARG, 3515, 1}},
        {448, "examine path", {STOP_ARG, 3515, 1}},
        {449, "examine path", {STOP_ARG, 3515, 1}},
        {448, "examine watchpost", {STOP_ARG, 3515, 2}},
        {449, "examine post", {STOP_ARG, 3515, 3}},
        {449, "examine watchpost", {STOP_ARG, 3515, 4}},
        {672, "examine cloud", {STOP_ARG, 2393, 1}},
        {672, "examine grate", {STOP, 2882, 0}},
    });
}

}  // namespace
