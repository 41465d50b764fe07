// The last replies: what the game says when no place and no word has
// answered a command (a first-match list keyed on the words, the place and
// what is near), its helpers for the two liquids and for a second word that
// is not a thing, a reply about one entity, and the reply lists that groups
// of places share for the features they have in common. A reply list
// answers its own words and otherwise hands the command back to its place,
// or marks it and hands it to the last replies.
#include "game.h"

using namespace rows;

namespace {

int one_word() { return words() == 1; }
int two_words() { return words() == 2; }
int is_object(int r) { return within(r, FIRST_OBJECT, LAST_OBJECT); }
int is_place(int r) { return within(r, FIRST_PLACE, LAST_PLACE); }
int marked() { return bitest(VAR_QUESTION, VFLAG_QUESTION_REPLIED); }
int marked_2() { return bitest(VAR_QUESTION, VFLAG_QUESTION_REPLIED_2); }
int either_mark() { return cond(marked()).OR(marked_2()); }
int here_in(int lo, int hi) { return within(here(), lo, hi); }
// Place flag 7 (under the ground) and 18 at the place here.
int below() { return here_has(7); }
int below_not_18() { return cond(here_has(7)).AND(!here_has(18)); }

// The command lacks its partner word: a lone next word completes it.
void orphan() { bitmod('s', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_ORPHAN); }
int orphan_step() {
    orphan();
    return 0;
}
int flush_step() {
    flush_command();
    return 0;
}

cond_fold one_word_test() { return cond(one_word()); }
cond_fold two_words_test() { return cond(two_words()); }

// Row 26 of the last replies: two words, and the second names a thing.
int second_is_thing() {
    const int second = arg2();
    if (cond(marked())) {
        if (cond(anyof(WORD_KICK, WORD_BREAK, WORD_ATTACK, -1))) {
            say(SAY_STOP, 3315, 0);
            return 0;
        }
        say(SAY_STOP, 1352, 0);
        return 0;
    }
    if (cond(has(OBJ_ALL_SCORING))) {
        if (cond(has(WORD_TAKE))) {
            say_stop_variant(2679, 0);
            return 0;
        }
        if (cond(has(WORD_DROP))) {
            say_stop_variant(2679, 1);
            return 0;
        }
    }
    if (cond(has(OBJ_ALL))) {
        if (cond(has(WORD_TAKE))) {
            say_stop_variant(2682, 0);
            return 0;
        }
        if (cond(has(WORD_DROP))) {
            say_stop_variant(2682, 1);
            return 0;
        }
    }
    if (cond(near(second)).OR(marked()).OR(marked_2())) {
        p364();
        if (loop) return 0;
        say(SAY_ARGVAR | SAY_ARG, 1997, VAR_ARG1);
        say_stop_typed(1998, VAR_ARG2);
        return 0;
    }
    if (cond(bitest(second, OFLAG_SEEN)).OR(bitest(second, OFLAG_FIXTURE)).OR(bitest(second, OFLAG_ADDRESSABLE))
            .OR(has(OBJ_PLANT))) {
        say_stop_typed(1319, VAR_ARG2);
        return 0;
    }
    say(SAY_STOP, 1493, 0);
    return 0;
}

// Row 29: the second word is one of the thing words.
int second_is_thing_word() {
    if (cond(has(WORD_SIDEWAYS))) {
        say(SAY_STOP, 2820, 0);
        return 0;
    }
    if (cond(has(WORD_AROUND))) {
        say(SAY_STOP, 1403, 0);
        return 0;
    }
    if (cond(anyof(WORD_STRIKE, WORD_ROCK, WORD_FLOOR, -1))) {
        say(0, 1403, 0);
        loop = 1;
        return 0;
    }
    if (cond(anyof(WORD_WALL, PLACE_CEILING, PLACE_WELL_HEAD, -1)).AND(!below())) {
        say(SAY_STOP, 1403, 0);
        return 0;
    }
    if (cond(within(arg2(), 904, 1128))) {
        if (cond(either_mark())) {
            p364();
            if (loop) return 0;
            say(SAY_STOP, 1403, 0);
            return 0;
        }
        say(SAY_ARGVAR | SAY_ARG, 1319, VAR_ARG2);
        loop = 1;
        return 0;
    }
    if (cond(has(WORD_SKY)).AND(!below_not_18())) {
        say_stop_variant(1319, WORD_SKY);
        return 0;
    }
    p364();
    if (loop) return 0;
    say(SAY_ARGVAR | SAY_ARG, 1997, VAR_ARG1);
    say(SAY_ARGVAR | SAY_ARG, 1998, VAR_ARG2);
    loop = 1;
    return 0;
}

// The general last replies, tried in order.
constexpr row LAST_REPLIES[] = {
    // The player names himself ("me", "myself", "self").
    group({WORD_ME}),
        reply({WORD_LOOK}, 1438),
        reply({WORD_TAKE}, 1656),
        reply(1657),
    end(),
    call({OBJ_LIQUID_2}, p397),
    call({OBJ_LIQUID_1}, p398),
    when([] { return cond(anyof(WORD_FEATHERS, OBJ_HORN, WORD_TALONS, -1)).AND(lies_here(OBJ_GRIFFIN)); },
         first()),
        reply({OBJ_HORN}, 3443, arg(0)),
        reply({WORD_FEATHERS}, 3443, arg(1)),
        reply({WORD_TALONS}, 3443, arg(2)),
    end(),
    reply({WORD_PINION}, 2007),
    when([] { return cond(here_has(7)).OR(here_has(18)); }, reply({PLACE_CEILING, PLACE_WELL_HEAD}, 1403)),
    reply({WORD_GRAFFITI}, 2957),
    when([] { return cond(below_not_18()); }, mark_name({WORD_VIEW})),
    when([] { return cond(!below()); }, group({WORD_WALL})),
        first(),
            reply({WORD_CLIMB}, 3456),
            reply({WORD_LOOK}, 2033, arg(WORD_WALL)),
            reply({WORD_ATTACK, WORD_STRIKE, WORD_KICK}, 3455, arg(WORD_CAVERN)),
            reply(1403),
        end(),
    end(),
    when([] { return cond(below()).AND(!here_in(PLACE_OPEN_SKY, PLACE_GONE)); }, reply({WORD_GLINT, OBJ_MIRROR}, 3156)),
    when([] { return cond(near(OBJ_SPAN)).OR(here_in(PLACE_RING_WALK_547,
                               PLACE_RING_WALK_554)).OR(here_in(PLACE_DUNES_594, PLACE_ABYSS_EDGE)).OR(here_in(PLACE_NORTH_RIM, PLACE_WEST_RIM))
                  .OR(here_in(PLACE_UPPER_TERRACE, PLACE_EDGE_GATE)).OR(here_in(PLACE_MIDDLE_OF_GALLERY,
                              PLACE_EAST_END_OF_GALLERY)); },
         group({WORD_SAND})),
        first(),
            group(one_word_test), step(orphan_step), reply(1507, arg_of(VAR_ARG1)), end(),
            reply({WORD_TAKE}, 1849, arg(WORD_SAND)),
            group({WORD_LOOK}),
                first(),
                    group(object_near(OBJ_SPAN)), say_as(SAY_DETAIL, OBJ_SPAN, 0), stop(), end(),
                    when([] { return cond(here_in(PLACE_RING_WALK_547, PLACE_RING_WALK_554)); }, reply(2612)),
                    when([] { return cond(here_in(PLACE_MIDDLE_OF_GALLERY, PLACE_EAST_END_OF_GALLERY)); }, reply(2614)),
                    reply(2613),
                end(),
            end(),
            otherwise(), step(flush_step), reply(1403), end(),
        end(),
    end(),
    when([] { return cond(here_has(PFLAG_SHIFTING_EXITS)); }, reply({WORD_NAVE}, 3444)),
    when(object_carried(OBJ_AMULET), group({WORD_SHADOWS})),
        first(),
            reply({WORD_LOOK}, 3445),
            otherwise(), mark(), end(),
        end(),
    end(),
    group({WORD_DIRT, WORD_GRASS}),
        first(),
            group([] { return cond(below()); }),
                first(),
                    when(one_word_test, reply(1849, arg_of(VAR_ARG1))),
                    reply(1849, arg_of(VAR_ARG2)),
                end(),
            end(),
            reply(2931),
        end(),
    end(),
    when([] { return cond(!below()); }, reply({WORD_SOURCE}, 3385)),
    when(object_near(OBJ_FUNNEL), group({WORD_SPOUT})),
        first(),
            when(two_words_test, reply(1403)),
            otherwise(), step(orphan_step), reply(1507, arg_of(VAR_ARG1)), end(),
        end(),
    end(),
    when([] { return cond(here() == PLACE_STAIRHEAD).OR(here() == PLACE_BRINK_OF_DROP).OR(here() == PLACE_LOWER_LEDGE).OR(here() == PLACE_STAIR_SHAFT).OR(here() == PLACE_HOARD)
                  .OR(here() == PLACE_HOARD_GALLERY).OR(here() == PLACE_WELL_HEAD).OR(here() == PLACE_IRON_DOOR).OR(here() == PLACE_WATCHPOST).OR(near(OBJ_WAND))
                  .OR(near(OBJ_ROD)).OR(near(OBJ_MEDALLION)); },
         reply({WORD_FITTING}, 1403)),
    when([] { return cond(words() > 1).AND(arg1() != OBJ_LIGHT_SOURCE).AND(arg2() != OBJ_LIGHT_SOURCE); },
         reply({WORD_LIGHT}, 1403)),
    group({WORD_SCROLL}),
        first(),
            when([] { return cond(arg1() == WORD_SCROLL); }, reply(2970, arg_of(VAR_ARG1))),
            reply(2970, arg_of(VAR_ARG2)),
        end(),
    end(),
    reply({WORD_MARKER, WORD_STONES}, 3486),
    reply({WORD_MONEY}, 3121),
    reply({WORD_GOLD}, 3120),
    group([] { return cond(marked()); }),
        reply({WORD_MIST}, 2380, arg(WORD_MIST)),
        reply({OBJ_WEB}, 2380, arg_of(OBJ_WEB)),
    end(),
    group(one_word_test),
        first(),
            when([] { return cond(is_object(arg1())).AND(near(arg1())).AND(bitest(arg1(), OFLAG_ADDRESSABLE)); },
                 reply(1772, arg_of(VAR_ARG1))),
            group([] { return cond(is_object(arg1())).AND(near(arg1())); }),
                step(orphan_step),
                reply(1507, arg_of(VAR_ARG1)),
            end(),
            group([] { return cond(within(arg1(), 764, 820)).OR(arg1() == WORD_SAY); }),
                step(orphan_step),
                reply(2608),
            end(),
            when([] { return cond(within(arg1(), 887, 903)); }, reply(1424)),
            when([] { return cond(within(arg1(), 904, 1128)).AND(!marked()).AND(!marked_2()); },
                 reply(1319, arg_of(VAR_ARG1))),
            reply(1349, arg_of(VAR_ARG1)),
        end(),
    end(),
    group({WORD_LOOK}),
        when([] { return cond(below()); }, reply({WORD_LANDING}, 3139, arg(WORD_LANDING))),
        when([] { return cond(below_not_18()); }, reply({WORD_CRANNY}, 3139, arg(WORD_CRANNY))),
    end(),
    reply({WORD_DUST}, 1403),
    when([] { return cond(two_words()).AND(is_object(arg2())); }, step(second_is_thing)),
    when([] { return cond(is_place(arg2())); }, reply({PLACE_RING_WALK_547}, 1319, arg_of(VAR_ARG2))),
    when([] { return cond(arg2() == WORD_WAVE); }, reply(3201, arg(WORD_WAVE))),
    when([] { return cond(within(arg2(), 904, 1138)); }, step(second_is_thing_word)),
    tell(1493),
    stop(),
};

}  // namespace

int p39() { return run<LAST_REPLIES>(); }

// Fallback: object 121 (oil) named.
int p397() {
    if (cond(near_in(OBJ_VESSEL_SMALL, 4)).OR(near_in(OBJ_VESSEL_MEDIUM, 4)).OR(lies_here(OBJ_LIQUID_2))) {
        if (cond(one_word())) {
            orphan();
            say_stop_typed(1507, OBJ_LIQUID_2);
            return 0;
        }
        say(SAY_STOP, 1403, 0);
        return 0;
    }
    say_stop_typed(1319, OBJ_LIQUID_2);
    return 0;
}

// Fallback: object 120 (water) named.
int p398() {
    if (cond(cond(near(OBJ_VESSEL_LARGE)).AND(value[OBJ_VESSEL_LARGE] > 6))
            .OR(near_in(OBJ_VESSEL_LARGE, 3))
            .OR(near_in(OBJ_VESSEL_SMALL, 3))
            .OR(near_in(OBJ_VESSEL_MEDIUM, 3))
            .OR(here_has(PFLAG_LIQUID_SOURCE))) {
        if (cond(one_word())) {
            orphan();
            say_stop_typed(1507, VAR_ARG1);
            return 0;
        }
        say(SAY_STOP, 1403, 0);
        return 0;
    }
    say_stop_typed(1319, OBJ_LIQUID_1);
    return 0;
}

// Fallback: second word not an object.
int p364() {
    if (cond(one_word()).OR(is_object(arg2()))) return 0;
    if (cond(marked_2()).AND(!has(WORD_LOOK))) {
        say(SAY_STOP, 3320, 0);
        return 0;
    }
    if (cond(marked())) {
        if (cond(has(WORD_TAKE))) {
            say_stop_typed(3065, VAR_ARG2);
            return 0;
        }
        if (cond(anyof(WORD_PUSH, WORD_PULL, -1))) {
            say(SAY_STOP, 1329, 0);
            return 0;
        }
        if (cond(anyof(WORD_ATTACK, WORD_BREAK, WORD_KICK, -1))) {
            say(SAY_STOP, 3315, 0);
            return 0;
        }
    }
    if (cond(anyof(WORD_OPEN, WORD_UNLOCK, WORD_CLOSE, WORD_IGNITE, WORD_SNUFF, WORD_TALK, WORD_STIR, WORD_EAT,
                   WORD_BURN, WORD_CONSUME_LIQUID, WORD_TASTE, WORD_FEED, WORD_FILL_VESSEL, WORD_READ, WORD_RECHARGE, WORD_BOARD, -1))
            .OR(anyof(WORD_MEND, WORD_RELEASE, WORD_EMPTY, WORD_DANCE, WORD_UNWRAP, WORD_DUMP, WORD_RUB, -1))) {
        // The two halves name the words in the order that the first
        // half's variant, drawn at the start, puts them.
        if (cond(value[3313] == 0)) {
            say(SAY_ARGVAR | SAY_ARG, 3313, VAR_ARG2);
            say_stop_typed(3314, VAR_ARG1);
        } else {
            say(SAY_ARGVAR | SAY_ARG, 3313, VAR_ARG1);
            say_stop_typed(3314, VAR_ARG2);
        }
        return 0;
    }
    return 0;
}

// Reply about an entity.
int p625(arg_pair x) {
    frame<1> f{x};
    const int r = f.lvals[0];
    if (cond(is_object(r))) {
        if (cond(lies_here(r)))
            say_stop_variant(3463, r);
        else
            say_stop_variant(1513, r);
        return 0;
    }
    say(SAY_STOP, 1403, 0);
    return 0;
}

// Reply list for feature words 129, 134, 1080, 30, 74, 1018.
int p297(arg_pair text, arg_pair arg) {
    frame<2> f{text, arg};
    if (!cond(anyof(OBJ_SIGN, OBJ_GLYPHS, WORD_INSCRIPTION, OBJ_CARVING, OBJ_LETTERING, WORD_LABEL, -1))) return 0;
    if (cond(anyof(WORD_LOOK, WORD_READ, -1))) {
        say_stop_variant(f.lvals[0], f.lvals[1]);
        return 0;
    }
    if (cond(anyof(WORD_TAKE, WORD_BREAK, WORD_KICK, WORD_PUSH, WORD_PULL, -1))) {
        say_stop_typed(1885, VAR_ARG2);
        return 0;
    }
    mark_feature();
    p39();
    if (loop) return 0;
    return 0;
}

// Replies of the ring, annexe and chain by kind.
int p679(arg_pair kind) {
    frame<1> f{kind};
    if (!cond(anyof(WORD_MIST, WORD_RIPPLES, OBJ_PLANT, -1))) return 0;
    if (cond(has(WORD_LOOK))) {
        switch (f.lvals[0]) {
        case 0:
            say(SAY_STOP, 2419, 0);
            break;
        case 1:
            say(SAY_STOP, 2420, 0);
            break;
        case 2:
            say_stop_variant(2860, WORD_MIST);
            break;
        case 3:
            say(SAY_STOP, 2861, 0);
            break;
        case 4:
            say_stop_variant(2862, WORD_MIST);
            break;
        }
        return 0;
    }
    if (cond(has(WORD_TAKE))) {
        say(SAY_STOP, 2464, 0);
        return 0;
    }
    if (cond(anyof(WORD_EAT, WORD_BURN, -1))) {
        say(SAY_STOP, 2863, 0);
        return 0;
    }
    mark_feature();
    p39();
    if (loop) return 0;
    return 0;
}

namespace {

// Word 131 becomes 974 in the slot that holds it, and so does its typed
// word.
int boulder_is_cliff() {
    rewrite_word(OBJ_TREE, WORD_CANOPY);
    return 0;
}
// Word 1102 becomes 954 (in the slots only).
int shore_is_water() {
    if (cond(arg1() == WORD_PORTAL)) value[VAR_ARG1] = WORD_SAND;
    if (cond(arg2() == WORD_PORTAL)) value[VAR_ARG2] = WORD_SAND;
    return 0;
}
int first_to_second() {
    special(SPECIAL_ARG1_TO_ARG2, &value[VAR_STATUS_WORD]);
    return 0;
}

cond_fold alone_or_in() { return cond(one_word()).OR(anyof(WORD_GO, WORD_IN, -1)); }

// The first rows of the surface lists: word 975 answered naming the word
// typed with it.
constexpr row WORD_975[] = {
    group({WORD_AIR}),
        first(),
            when([] { return cond(arg1() == WORD_AIR); }, reply(2676, arg_of(VAR_ARG1))),
            reply(2676, arg_of(VAR_ARG2)),
        end(),
    end(),
};
int word_975() { return run<WORD_975>(); }

constexpr row SURFACE_GRID[] = {
    step(word_975),
    reply({WORD_FOOTPATH}, 2374),
    look(),
        reply({WORD_FOREST, WORD_HERE}, 1355),
        reply({OBJ_SPIRE}, 3303),
        reply({OBJ_TREE, OBJ_SNAG, WORD_TRUNK, WORD_BOUGH, WORD_BRANCH}, 2026),
        reply({WORD_LEAVES}, 2025),
        reply({WORD_SKY, WORD_UP}, 2027, arg(0)),
        reply({WORD_FLOOR, WORD_DOWN}, 2027, arg(1)),
        reply({WORD_MIST}, 2380, arg(WORD_MIST)),
    end(),
    group({WORD_CLIMB}),
        first(),
            group([] { return cond(one_word()).OR(anyof(OBJ_TREE, WORD_TRUNK, OBJ_SNAG, -1)); }),
                first(),
                    when(here_is(PLACE_WOODSIDE), reply(1825, arg(1))),
                    reply(1825, arg(0)),
                end(),
            end(),
            reply({OBJ_SPIRE, WORD_BOUGH, WORD_BRANCH}, 2028),
            otherwise(), mark(), ret(), end(),
        end(),
    end(),
    group({WORD_CUT}),
        ret({OBJ_TREE, WORD_TRUNK, WORD_BOUGH, WORD_BRANCH, OBJ_SPIRE}),
        reply({WORD_LEAVES}, 2464),
    end(),
    mark({OBJ_TREE, OBJ_SNAG, OBJ_SPIRE, WORD_BRANCH, WORD_MIST, WORD_TRUNK, WORD_BOUGH, WORD_LEAVES, WORD_SKY,
          WORD_FLOOR}),
};

constexpr row LANE[] = {
    step(word_975),
    group({PLACE_DEPOSIT}),
        first(),
            group(one_word_test),
                when(here_is(PLACE_START), ret()),
                reply(3339, arg_of(VAR_ARG1)),
            end(),
            reply({WORD_LOOK}, 2137),
            reply({WORD_CLIMB}, 2464),
            group({WORD_IN, WORD_GO}),
                when(here_is(PLACE_START), ret()),
                reply(1319, arg_of(OBJ_DOOR)),
            end(),
            reply(1403),
        end(),
    end(),
    group({WORD_FOREST}),
        first(),
            reply({WORD_LOOK}, 2671),
            when(alone_or_in, reply(2023)),
            reply(1403),
        end(),
    end(),
    when(one_word_test,
         step({OBJ_TREE, WORD_TRUNK, OBJ_SNAG, WORD_MIST, PLACE_WELL_HEAD, WORD_STONEWORK}, first_to_second)),
    group({WORD_KICK}),
        reply({PLACE_DEPOSIT, WORD_WALL, WORD_STONEWORK}, 3426, arg(WORD_WALL)),
        reply({WORD_TRUNK, OBJ_SNAG, OBJ_TREE}, 3426, arg_of(OBJ_TREE)),
    end(),
    when(has_any_word({WORD_ATTACK, WORD_BREAK}),
         reply({OBJ_TREE, WORD_TRUNK, OBJ_SNAG, WORD_MIST, PLACE_WELL_HEAD, WORD_STONEWORK, WORD_WALL, PLACE_DEPOSIT},
               3315)),
    reply({OBJ_TREE}, 2431, arg_of(OBJ_TREE)),
    reply({WORD_TRUNK, OBJ_SNAG}, 2431, arg_of(VAR_ARG2)),
    reply({WORD_MIST}, 2380, arg(WORD_MIST)),
    reply({PLACE_WELL_HEAD}, 2020),
    reply({WORD_STONEWORK}, 2021),
    group({WORD_SOURCE}),
        reply({WORD_LOOK}, 3384, arg(2)),
        mark(),
    end(),
    group({WORD_WALL}),
        first(),
            reply({WORD_LOOK}, 2022),
            reply({WORD_CLIMB}, 2464),
            reply({WORD_PUSH, WORD_PULL, WORD_TAKE}, 2021),
            reply({WORD_BREAK}, 3315),
            reply(1403),
        end(),
    end(),
    call(p476),
};

constexpr row ROAD[] = {
    look(),
        reply({WORD_FOREST}, 2597),
        reply({PLACE_ROAD, PLACE_START}, 2194, arg(0)),
        reply({WORD_FLOOR, WORD_DOWN}, 2194, arg(1)),
        step(boulder_is_cliff),
        reply({WORD_CANOPY}, 2670, arg_of(VAR_ARG2)),
        reply({WORD_LEAVES}, 2025),
    end(),
    group({WORD_FOREST}),
        when(alone_or_in, reply(2023)),
        mark(),
        ret(),
    end(),
    when(has_any_word({OBJ_TREE, WORD_CANOPY}), reply({WORD_CLIMB}, 2669, arg(0))),
    mark({OBJ_TREE, WORD_CANOPY, WORD_LEAVES, WORD_FLOOR}),
};

constexpr row SUNKEN_WAY[] = {
    look(),
        group({WORD_FOREST}), tell(3269), reply(1266), end(),
        reply({WORD_UP, WORD_SKY}, 2673, arg(0)),
        reply({WORD_DOWN, WORD_FLOOR}, 2673, arg(1)),
        step(boulder_is_cliff),
        reply({WORD_CANOPY}, 2670, arg_of(VAR_ARG2)),
        reply({WORD_LEAVES}, 2025),
        // Not from the east end while its way is closed.
        when([] { return cond(!cond(here() == PLACE_MIRE).AND(value[PLACE_MIRE] == 0)); },
             group({PLACE_PATH, PLACE_ROAD})),
            reply({PLACE_PATH}, 2674, arg(0)),
            reply(2674, arg(1)),
        end(),
    end(),
    reply({WORD_CLIMB}, 2669, arg(0)),
    group({WORD_LEAVES, WORD_CANOPY, OBJ_TREE, WORD_FLOOR, WORD_SKY}), mark(), ret(), end(),
    group({WORD_FOREST}),
        when(alone_or_in, reply(2023)),
        mark(),
        ret(),
    end(),
};

// The valley and the foot of the dell. A two-word command with word 919
// or 1130 is marked for the place and handed back to it; the rows after
// that answer the rest.
constexpr row VALLEY[] = {
    step(word_975),
    when([] { return cond(keyword(WORD_LOOK, PLACE_VALLEY, -1)); }, first()),
        when(here_is(PLACE_FOOT_OF_DELL), reply(2718, arg(1))),
        reply(2718, arg(0)),
    end(),
    group({WORD_GULLY, WORD_ROCK}),
        reply({WORD_LOOK}, 2709),
        ret({WORD_SEARCH}),
        group(two_words_test), mark(), ret(), end(),
    end(),
    reply({OBJ_TREE, WORD_TRUNK, OBJ_SNAG}, 2431, arg_of(VAR_ARG2)),
    reply({WORD_MIST}, 2380, arg(WORD_MIST)),
};

constexpr row OUTDOORS[] = {
    reply({WORD_LOOK}, 2721),
    reply({WORD_TAKE}, 2464),
    ret({WORD_SEARCH}),
    mark(),
    call(p39),
};

constexpr row LEDGES[] = {
    group({WORD_OUT}),
        reply({WORD_CLIMB, WORD_WINDOW}, 2042),
        ret({WORD_LOOK}),
    end(),
    group({WORD_WINDOW}),
        first(),
            reply({WORD_LOOK}, 2134),
            reply({WORD_POLISH, WORD_BREAK, WORD_KICK, WORD_OPEN, WORD_CLOSE}, 2135, arg_of(VAR_ARG1)),
            reply({WORD_CLIMB}, 2042),
            otherwise(), mark(), call(p39), end(),
        end(),
    end(),
};

constexpr row GALLERY_AND_RING[] = {
    step(shore_is_water),
    group({OBJ_LIQUID_1, WORD_WATERS}),
        reply({WORD_IN, WORD_GO}, 1713, arg(0)),
        reply({WORD_TAKE}, 1365),
    end(),
    group({WORD_CONSUME_LIQUID}),
        call(p321, num(0)),
        when(value_not(VAR_VESSEL, 0), ret()),
        reply(1365),
    end(),
    group([] { return cond(has(WORD_CLIMB)).AND(cond(has(OBJ_REEDS)).OR(one_word())); }),
        first(),
            when(object_near(OBJ_REEDS), reply(1827)),
            call({OBJ_REEDS}, p39),
        end(),
    end(),
    when([] { return cond(has(WORD_FILL_VESSEL)).AND(anyof(OBJ_VESSEL_SMALL, OBJ_VESSEL_MEDIUM, OBJ_VESSEL_LARGE,
                              -1)).AND(near(arg2())); },
         reply(1365)),
    group([] { return cond(here_in(PLACE_MIDDLE_OF_GALLERY, PLACE_EAST_END_OF_GALLERY)); }),
        when(value_over(OBJ_CREEPER, 0), reply({OBJ_CREEPER}, 2593, arg_of(OBJ_CREEPER))),
        // The carvings named alone are the first word, not the second.
        group({PLACE_CARVINGS}),
            first(),
                when(one_word_test, reply(1849, arg_of(VAR_ARG1))),
                reply(1849, arg_of(VAR_ARG2)),
            end(),
        end(),
        reply({WORD_BALCONY}, 3222, arg(WORD_BALCONY)),
    end(),
    look(),
        reply({WORD_WATERS, WORD_WAVE, OBJ_LIQUID_1}, 2751),
        reply({WORD_LOOKOUT, WORD_NAVE}, 2756),
        reply({WORD_SHORE}, 2762),
        group({PLACE_WEST_END_OF_GALLERY}), let(VAR_COMMAND_STATUS, 1), call_word(WORD_LOOK), stop(), end(),
    end(),
    when([] { return cond(here_in(PLACE_GALLERY_STEPS, PLACE_BLUFF_PATH)); }, group({WORD_CLIFF, WORD_RAILING})),
        when(one_word_test, reply(1772, arg(WORD_CLIFF))),
        mark(),
        ret(),
    end(),
};

constexpr row LABYRINTH[] = {
    look(),
        reply({PLACE_GATEWAY}, 3077),
        reply({PLACE_CEILING, PLACE_WELL_HEAD, WORD_UP}, 2019, arg(11)),
        reply({WORD_FLOOR}, 3079),
        reply({WORD_WALL}, 3078),
        group({WORD_PASSAGE, PLACE_CORRIDOR, WORD_TUNNEL}),
            first(),
                when(here_is(PLACE_GATEWAY), reply(2903, arg(WORD_PASSAGE))),
                when([] { return cond(here_has(11)); }, reply(2903, arg(WORD_TUNNEL))),
                reply(2902, arg(WORD_TUNNEL)),
            end(),
        end(),
        ret(),
    end(),
    group({PLACE_GATEWAY}),
        reply({WORD_TAKE}, 1403),
        reply({WORD_ATTACK, WORD_STRIKE, WORD_KICK}, 3455, arg_of(PLACE_GATEWAY)),
        reply({WORD_CUT, WORD_PUSH, WORD_PULL}, 2464),
        reply({WORD_EXPLORE}, 3478),
    end(),
    moving(),
        when([] { return cond(here() != PLACE_GATEWAY); }, reply({PLACE_LABYRINTH_673}, 1425)),
        ret(),
    end(),
    group({PLACE_GATEWAY, WORD_TUNNEL, WORD_PASSAGE, PLACE_CORRIDOR, PLACE_LABYRINTH_673}), mark(), call(p39), end(),
};

}  // namespace

int p476() { return run<SURFACE_GRID>(); }
int p80() { return run<LANE>(); }
int p475() { return run<ROAD>(); }
int p474() { return run<SUNKEN_WAY>(); }
int p479() { return run<VALLEY>(); }
int p396() { return run<OUTDOORS>(); }
int p298() { return run<LEDGES>(); }
int p50() { return run<GALLERY_AND_RING>(); }
int p448() { return run<LABYRINTH>(); }
