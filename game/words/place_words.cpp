// Words answered by where the player is: listening (a long first-match list
// of places and states), swimming, the echo, the woods, the footpath, the
// crawlway and home.
#include "game.h"

using namespace rows;

namespace {

constexpr int GAME_FLAG_POOL_LISTENED = 0;  // of VAR_GAME_FLAGS_3: the ring's water has been listened to

bool at(std::initializer_list<int> places) {
    for (int p : places)
        if (here() == p) return true;
    return false;
}

// "Listen" with the intro words is the introduction: as one word, so that
// the introduction starts from its first page.
int listen_intro() {
    if (cond(has(855)).AND(cond(has(930)).OR(has(931)))) set('V', VAR_ARG1, 'v', VAR_ARG2, nullptr, nullptr);
    value[VAR_COMMAND_STATUS] = 1;
    call_proc(855);
    if (loop) return 0;
    loop = 1;
    return 0;
}

// A treasure fuse burning in the pack fizzes louder each time it is
// listened to, unless it is already burning at its steady rate.
int burning_fuse() {
    if (cond(!bitest(46, 13))) value[46] += 1;
    if (cond(value[46] <= 8))
        say_stop(2110);
    else
        say_stop(2111);
    return 0;
}

}  // namespace

// Listening: the first row that holds answers.
constexpr row LISTEN[] = {
    when(has_any_word({855, 930, 931}), step(listen_intro)),
    first(),
        when([] { return cond(at({215, 218})).AND(value[13] <= 1).AND(cond(here() == 218).OR(value[13] == 1)); },
             reply(1447, arg_of(13))),
        when([] { return cond(at({217, 216})).AND(value[13] == 1); }, reply(1447, arg(2))),
        when([] { return cond(at({442, 441, 440})).AND(value[139] == 1); }, reply(1448, arg(2))),
        when(here_is(443).AND(value_at_most(139, 1)), reply(1448, arg_of(139))),
        when(here_is(477), reply(2627)),
        when(here_is(447), reply(3193)),
        when([] { return cond(at({311, 312, 451, 650})); }, reply(1972)),
        when(object_carried(46).AND(value_over(46, 2)), step(burning_fuse)),
        when(object_near(OBJ_ATTACKER).OR(object_near(OBJ_FOLLOWER)).OR(value_over(18, 0)), reply(1977)),
        when([] { return cond(lies_here(109)); }, reply(1970, arg_of(109))),
        when(object_near(125), reply(1970, arg_of(125))),
        group([] { return cond(at({309, 308, 310, 358, 464})); }),
            first(),
                group([] { return cond(bitest(311, PFLAG_VISITED)); }),
                    first(),
                        when(here_is(310), reply(2926, arg(0))),
                        reply(2926, arg(1)),
                    end(),
                end(),
                reply(1971),
            end(),
        end(),
        when([] { return cond(at({515, 386})); }, reply(1971)),
        when([] { return cond(at({289, 298})); }, reply(2136, arg(0))),
        when([] { return cond(at({574, 575})); }, reply(2136, arg(1))),
        when(here_is(573), reply(2136, arg(2))),
        when([] {
            return cond(bitest(20, 13))
                .AND(!here_has(7))
                .AND(cond(here() < 547).OR(here() > 702))
                .AND(!here_has(PFLAG_LIT));
        }, reply(1418)),
        when(here_is(618), reply(1973)),
        when(here_is(619), reply(1974)),
        when([] { return cond(here_has(PFLAG_SHIFTING_EXITS)); }, reply(1975)),
        when([] { return cond(within(here(), 587, 627)); }, reply(1976)),
        group([] { return cond(within(here(), 547, 553)).OR(within(here(), 439, 442)); }),
            tell(1979),
            first(),
                when([] { return cond(bitest(VAR_GAME_FLAGS_3, GAME_FLAG_POOL_LISTENED)); }, reply(1266)),
                otherwise(), set_flag(VAR_GAME_FLAGS_3, GAME_FLAG_POOL_LISTENED), reply(1980), end(),
            end(),
        end(),
        when(here_is(554), reply(1981)),
        when([] { return cond(at({635, 636})); }, reply(2552, arg(1))),
        when([] { return cond(at({632, 631})); }, reply(2552, arg(0))),
        when([] { return cond(at({630, 633})); }, reply(2553, arg(0))),
        when([] { return cond(at({629, 634})); }, reply(2553, arg(1))),
        when([] { return cond(at({572, 568})); }, reply(2551)),
        when(here_is(586), reply(2549)),
        when(here_is(638), reply(2548, arg(0))),
        when(here_is(637), reply(2548, arg(1))),
        when(here_is(313), reply(2926, arg(0))),
        when(here_is(324).AND(value_at_most(26, 1)), reply(2926, arg(2))),
        when([] { return cond(at({314, 354, 324})); }, reply(2926, arg(1))),
        when(here_is(318), reply(3202, arg_of(318))),
        when(here_is(334), reply(3138)),
        when(here_is(671), reply(2892)),
        group(here_is(453)), tell(3252), reply(1266), end(),
        when([] { return cond(here_has(7)).AND(!here_has(18)); }, reply(1978)),
        otherwise(), reply(1969), end(),
    end(),
};

int p535() { return run<LISTEN>(); }

// Swimming: in the waters that are too deep, at a spring, or nowhere.
constexpr row SWIM[] = {
    first(),
        when([] {
            return cond(within(here(), 547, 554))
                .OR(within(here(), 439, 442))
                .OR(at({631, 632, 298, 299}))
                .OR(within(here(), 635, 638));
        }, reply(1713, arg(0))),
        when([] { return cond(here_has(PFLAG_LIQUID_SOURCE)); }, reply(1713, arg(1))),
        otherwise(), reply(1713, arg(2)), end(),
    end(),
};

int p822() { return run<SWIM>(); }

// The echo: none in the timeless chamber; an answer where the rock gives
// one back; elsewhere the last replies say that nothing happens.
constexpr row ECHO[] = {
    first(),
        when(here_is(PLACE_INTRO), reply(2092)),
        when([] {
            return cond(at({210, 209, 211, 224, 225, 289, 296, 298, 303, 514, 515, 304, 517}));
        }, reply(1359)),
    end(),
};

int p603() { return run<ECHO>(); }

// The woods: all around in the valley, a walk away on the surface, far off
// below ground.
constexpr row WOODS[] = {
    first(),
        when([] { return cond(within(here(), 519, 544)); }, reply(1425)),
        when([] { return cond(here_has(7)).AND(cond(here() < 547).OR(here() > 702)); },
             reply(2166, arg_of(VAR_ARG1))),
        otherwise(), reply(2167, arg_of(VAR_ARG1)), end(),
    end(),
};

int p332() { return run<WOODS>(); }

constexpr row FOOTPATH[] = {
    when([] { return cond(within(here(), 519, 544)); }, reply(2374)),
    call(p39),
};

int p58() { return run<FOOTPATH>(); }

constexpr row CRAWL[] = {
    first(),
        when([] { return cond(at({632, 631})); }, reply(2387)),
        otherwise(), reply(2384), end(),
    end(),
};

int p160() { return run<CRAWL>(); }

constexpr row HOME[] = {
    first(),
        when(here_is(PLACE_INTRO), reply(2017)),
        otherwise(), reply(2016), end(),
    end(),
};

int p292() { return run<HOME>(); }
