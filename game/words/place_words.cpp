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
    if (cond(has(WORD_INTRO)).AND(cond(has(WORD_ABOUT)).OR(has(WORD_WORDS)))) set('V', VAR_ARG1, 'v', VAR_ARG2, nullptr,
        nullptr);
    value[VAR_COMMAND_STATUS] = 1;
    call_proc(WORD_INTRO);
    if (loop) return 0;
    loop = 1;
    return 0;
}

// A treasure fuse burning in the pack fizzes louder each time it is
// listened to, unless it is already burning at its steady rate.
int burning_fuse() {
    if (cond(!bitest(OBJ_FUSE, 13))) value[OBJ_FUSE] += 1;
    if (cond(value[OBJ_FUSE] <= 8))
        say_stop(2110);
    else
        say_stop(2111);
    return 0;
}

}  // namespace

// Listening: the first row that holds answers.
constexpr row LISTEN[] = {
    when(has_any_word({WORD_INTRO, WORD_ABOUT, WORD_WORDS}), step(listen_intro)),
    first(),
        when([] { return cond(at({PLACE_PLANT_RIM,
                                  PLACE_PLANT_HOLLOW})).AND(value[OBJ_PLANT] <= 1).AND(cond(here() == PLACE_PLANT_HOLLOW).OR(value[OBJ_PLANT] == 1)); },
             reply(1447, arg_of(OBJ_PLANT))),
        when([] { return cond(at({PLACE_OIL_SEEP, PLACE_SEEP_RIM})).AND(value[OBJ_PLANT] == 1); }, reply(1447, arg(2))),
        when([] { return cond(at({PLACE_EAST_END_OF_GALLERY, PLACE_BEND_OF_GALLERY,
                                  PLACE_MIDDLE_OF_GALLERY})).AND(value[OBJ_CREEPER] == 1); },
             reply(1448, arg(2))),
        when(here_is(PLACE_CREEPER_HALL).AND(value_at_most(OBJ_CREEPER, 1)), reply(1448, arg_of(OBJ_CREEPER))),
        when(here_is(PLACE_TIMED_STAIR), reply(2627)),
        when(here_is(PLACE_EYRIE), reply(3193)),
        when([] { return cond(at({PLACE_RAVINE_EDGE, PLACE_SPAN_LEDGE, PLACE_PRECIPICE, PLACE_LONG_CORRIDOR_650})); },
             reply(1972)),
        when(object_carried(OBJ_FUSE).AND(value_over(OBJ_FUSE, 2)), step(burning_fuse)),
        when(object_near(OBJ_ATTACKER).OR(object_near(OBJ_FOLLOWER)).OR(value_over(OBJ_WRAITH, 0)), reply(1977)),
        when([] { return cond(lies_here(OBJ_FIREFLY)); }, reply(1970, arg_of(OBJ_FIREFLY))),
        when(object_near(OBJ_SWORD), reply(1970, arg_of(OBJ_SWORD))),
        group([] { return cond(at({PLACE_CROSSROADS, PLACE_CORRIDOR, PLACE_RAVINE_FORK, PLACE_SIDE_CHAMBER,
                                   PLACE_STAIR_SHAFT})); }),
            first(),
                group([] { return cond(bitest(PLACE_RAVINE_EDGE, PFLAG_VISITED)); }),
                    first(),
                        when(here_is(PLACE_RAVINE_FORK), reply(2926, arg(0))),
                        reply(2926, arg(1)),
                    end(),
                end(),
                reply(1971),
            end(),
        end(),
        when([] { return cond(at({PLACE_WHIRLING_CAVE, PLACE_FLUE})); }, reply(1971)),
        when([] { return cond(at({PLACE_RIFT_LEDGE, PLACE_FAR_SHORE})); }, reply(2136, arg(0))),
        when([] { return cond(at({PLACE_DOOR_APPROACH, PLACE_RUNE_DOOR})); }, reply(2136, arg(1))),
        when(here_is(PLACE_DESCENT), reply(2136, arg(2))),
        when([] {
            return cond(bitest(OBJ_PHANTOM, 13))
                .AND(!here_has(7))
                .AND(cond(here() < PLACE_RING_WALK_547).OR(here() > PLACE_GONE))
                .AND(!here_has(PFLAG_LIT));
        }, reply(1418)),
        when(here_is(PLACE_EDGE_OF_SANDS), reply(1973)),
        when(here_is(PLACE_ABYSS_EDGE), reply(1974)),
        when([] { return cond(here_has(PFLAG_SHIFTING_EXITS)); }, reply(1975)),
        when([] { return cond(within(here(), PLACE_NORTH_RIM, PLACE_LOOKOUT_POINT)); }, reply(1976)),
        group([] { return cond(within(here(), PLACE_RING_WALK_547, PLACE_RING_WALK_553)).OR(within(here(),
                                      PLACE_WEST_END_OF_GALLERY, PLACE_EAST_END_OF_GALLERY)); }),
            tell(1979),
            first(),
                when([] { return cond(bitest(VAR_GAME_FLAGS_3, GAME_FLAG_POOL_LISTENED)); }, reply(1266)),
                otherwise(), set_flag(VAR_GAME_FLAGS_3, GAME_FLAG_POOL_LISTENED), reply(1980), end(),
            end(),
        end(),
        when(here_is(PLACE_RING_WALK_554), reply(1981)),
        when([] { return cond(at({PLACE_FALLS_NOOK, PLACE_STREAM_RUN})); }, reply(2552, arg(1))),
        when([] { return cond(at({PLACE_NEAR_BANK, PLACE_FAR_BANK})); }, reply(2552, arg(0))),
        when([] { return cond(at({PLACE_PASSAGE_BEND, PLACE_BANK_STAIR})); }, reply(2553, arg(0))),
        when([] { return cond(at({PLACE_RIVER_PASSAGE, PLACE_UPPER_CELL})); }, reply(2553, arg(1))),
        when([] { return cond(at({PLACE_BEACON_WAY, PLACE_HEAD_OF_FALLS})); }, reply(2551)),
        when(here_is(PLACE_OPEN_SKY), reply(2549)),
        when(here_is(PLACE_STREAM_HEAD), reply(2548, arg(0))),
        when(here_is(PLACE_UPPER_STREAM_RUN), reply(2548, arg(1))),
        when(here_is(PLACE_THREE_WAY_CHAMBER), reply(2926, arg(0))),
        when(here_is(PLACE_NARROW_WAY).AND(value_at_most(OBJ_WATCHER, 1)), reply(2926, arg(2))),
        when([] { return cond(at({PLACE_GLIMMER_APPROACH, PLACE_SIDE_PASSAGE, PLACE_NARROW_WAY})); },
             reply(2926, arg(1))),
        when(here_is(PLACE_CHANGING_ROOM), reply(3202, arg_of(PLACE_CHANGING_ROOM))),
        when(here_is(PLACE_MAZE_CROSSING), reply(3138)),
        when(here_is(PLACE_SUNKEN_GROTTO_671), reply(2892)),
        group(here_is(PLACE_SLUICE)), tell(3252), reply(1266), end(),
        when([] { return cond(here_has(7)).AND(!here_has(18)); }, reply(1978)),
        otherwise(), reply(1969), end(),
    end(),
};

int p535() { return run<LISTEN>(); }

// Swimming: in the waters that are too deep, at a spring, or nowhere.
constexpr row SWIM[] = {
    first(),
        when([] {
            return cond(within(here(), PLACE_RING_WALK_547, PLACE_RING_WALK_554))
                .OR(within(here(), PLACE_WEST_END_OF_GALLERY, PLACE_EAST_END_OF_GALLERY))
                .OR(at({PLACE_FAR_BANK, PLACE_NEAR_BANK, PLACE_FAR_SHORE, PLACE_NEAR_SHORE}))
                .OR(within(here(), PLACE_FALLS_NOOK, PLACE_STREAM_HEAD));
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
            return cond(at({PLACE_STEPWELL, PLACE_PIT, PLACE_EAST_LIP_OF_RIFT, PLACE_EAST_MIRROR_LEDGE,
                            PLACE_WEST_MIRROR_LEDGE, PLACE_RIFT_LEDGE, PLACE_SHAFT_BOTTOM, PLACE_FAR_SHORE, PLACE_NEAR_BRIDGEHEAD,
                            PLACE_END_OF_CRAWLWAY, PLACE_WHIRLING_CAVE, PLACE_FAR_BRIDGEHEAD, PLACE_QUIET_POCKET}));
        }, reply(1359)),
    end(),
};

int p603() { return run<ECHO>(); }

// The woods: all around in the valley, a walk away on the surface, far off
// below ground.
constexpr row WOODS[] = {
    first(),
        when([] { return cond(within(here(), PLACE_NORTHERN_HEATH, PLACE_MIRE)); }, reply(1425)),
        when([] { return cond(here_has(7)).AND(cond(here() < PLACE_RING_WALK_547).OR(here() > PLACE_GONE)); },
             reply(2166, arg_of(VAR_ARG1))),
        otherwise(), reply(2167, arg_of(VAR_ARG1)), end(),
    end(),
};

int p332() { return run<WOODS>(); }

constexpr row FOOTPATH[] = {
    when([] { return cond(within(here(), PLACE_NORTHERN_HEATH, PLACE_MIRE)); }, reply(2374)),
    call(p39),
};

int p58() { return run<FOOTPATH>(); }

constexpr row CRAWL[] = {
    first(),
        when([] { return cond(at({PLACE_NEAR_BANK, PLACE_FAR_BANK})); }, reply(2387)),
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
