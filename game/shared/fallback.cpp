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
        if (cond(anyof(785, 800, 783, -1))) {
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
            .OR(has(13))) {
        say_stop_typed(1319, VAR_ARG2);
        return 0;
    }
    say(SAY_STOP, 1493, 0);
    return 0;
}

// Row 29: the second word is one of the thing words.
int second_is_thing_word() {
    if (cond(has(1007))) {
        say(SAY_STOP, 2820, 0);
        return 0;
    }
    if (cond(has(1006))) {
        say(SAY_STOP, 1403, 0);
        return 0;
    }
    if (cond(anyof(784, WORD_ROCK, WORD_FLOOR, -1))) {
        say(0, 1403, 0);
        loop = 1;
        return 0;
    }
    if (cond(anyof(WORD_WALL, 376, 475, -1)).AND(!below())) {
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
    if (cond(has(1136)).AND(!below_not_18())) {
        say_stop_variant(1319, 1136);
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
    call({OBJ_LIQUID_2}, p397),
    call({OBJ_LIQUID_1}, p398),
    when([] { return cond(anyof(1099, 93, 1100, -1)).AND(lies_here(85)); },
         first()),
        reply({93}, 3443, arg(0)),
        reply({1099}, 3443, arg(1)),
        reply({1100}, 3443, arg(2)),
    end(),
    reply({928}, 2007),
    when([] { return cond(here_has(7)).OR(here_has(18)); }, reply({376, 475}, 1403)),
    reply({1023}, 2957),
    when([] { return cond(below_not_18()); }, mark_name({977})),
    when([] { return cond(!below()); }, group({WORD_WALL})),
        first(),
            reply({WORD_CLIMB}, 3456),
            reply({WORD_LOOK}, 2033, arg(936)),
            reply({783, 784, 785}, 3455, arg(889)),
            reply(1403),
        end(),
    end(),
    when([] { return cond(below()).AND(!here_in(586, 702)); }, reply({1014, 17}, 3156)),
    when([] { return cond(near(33)).OR(here_in(547, 554)).OR(here_in(594, 619)).OR(here_in(587, 590))
                  .OR(here_in(620, 626)).OR(here_in(440, 442)); },
         group({954})),
        first(),
            group(one_word_test), step(orphan_step), reply(1507, arg_of(VAR_ARG1)), end(),
            reply({WORD_TAKE}, 1849, arg(954)),
            group({WORD_LOOK}),
                first(),
                    group(object_near(33)), say_as(SAY_DETAIL, 33, 0), stop(), end(),
                    when([] { return cond(here_in(547, 554)); }, reply(2612)),
                    when([] { return cond(here_in(440, 442)); }, reply(2614)),
                    reply(2613),
                end(),
            end(),
            otherwise(), step(flush_step), reply(1403), end(),
        end(),
    end(),
    when([] { return cond(here_has(PFLAG_SHIFTING_EXITS)); }, reply({1000}, 3444)),
    when(object_carried(49), group({1058})),
        first(),
            reply({WORD_LOOK}, 3445),
            otherwise(), mark(), end(),
        end(),
    end(),
    group({992, 988}),
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
    when([] { return cond(!below()); }, reply({967}, 3385)),
    when(object_near(148), group({1008})),
        first(),
            when(two_words_test, reply(1403)),
            otherwise(), step(orphan_step), reply(1507, arg_of(VAR_ARG1)), end(),
        end(),
    end(),
    when([] { return cond(here() == 220).OR(here() == 462).OR(here() == 463).OR(here() == 464).OR(here() == 473)
                  .OR(here() == 474).OR(here() == 475).OR(here() == 282).OR(here() == 448).OR(near(110))
                  .OR(near(112)).OR(near(111)); },
         reply({1057}, 1403)),
    when([] { return cond(words() > 1).AND(arg1() != OBJ_LIGHT_SOURCE).AND(arg2() != OBJ_LIGHT_SOURCE); },
         reply({WORD_LIGHT}, 1403)),
    group({1027}),
        first(),
            when([] { return cond(arg1() == 1027); }, reply(2970, arg_of(VAR_ARG1))),
            reply(2970, arg_of(VAR_ARG2)),
        end(),
    end(),
    reply({994, 995}, 3486),
    reply({946}, 3121),
    reply({945}, 3120),
    group([] { return cond(marked()); }),
        reply({922}, 2380, arg(922)),
        reply({89}, 2380, arg_of(89)),
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
        when([] { return cond(below()); }, reply({1052}, 3139, arg(1052))),
        when([] { return cond(below_not_18()); }, reply({1051}, 3139, arg(1051))),
    end(),
    reply({939}, 1403),
    when([] { return cond(two_words()).AND(is_object(arg2())); }, step(second_is_thing)),
    when([] { return cond(is_place(arg2())); }, reply({547}, 1319, arg_of(VAR_ARG2))),
    when([] { return cond(arg2() == 781); }, reply(3201, arg(781))),
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
        if (cond(anyof(808, 807, -1))) {
            say(SAY_STOP, 1329, 0);
            return 0;
        }
        if (cond(anyof(783, 800, 785, -1))) {
            say(SAY_STOP, 3315, 0);
            return 0;
        }
    }
    if (cond(anyof(WORD_OPEN, 768, WORD_CLOSE, 771, 772, 774, 775, 788, 789, WORD_CONSUME_LIQUID, 791, 795, WORD_FILL_VESSEL, 798, WORD_RECHARGE, 801, -1))
            .OR(anyof(802, 803, 804, 811, 813, 814, 815, -1))) {
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
    if (!cond(anyof(129, 134, 1080, 30, 74, 1018, -1))) return 0;
    if (cond(anyof(WORD_LOOK, 798, -1))) {
        say_stop_variant(f.lvals[0], f.lvals[1]);
        return 0;
    }
    if (cond(anyof(WORD_TAKE, 800, 785, 808, 807, -1))) {
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
    if (!cond(anyof(922, 1135, 13, -1))) return 0;
    if (cond(has(WORD_LOOK))) {
        switch (f.lvals[0]) {
        case 0:
            say(SAY_STOP, 2419, 0);
            break;
        case 1:
            say(SAY_STOP, 2420, 0);
            break;
        case 2:
            say_stop_variant(2860, 922);
            break;
        case 3:
            say(SAY_STOP, 2861, 0);
            break;
        case 4:
            say_stop_variant(2862, 922);
            break;
        }
        return 0;
    }
    if (cond(has(WORD_TAKE))) {
        say(SAY_STOP, 2464, 0);
        return 0;
    }
    if (cond(anyof(788, 789, -1))) {
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
    rewrite_word(131, 974);
    return 0;
}
// Word 1102 becomes 954 (in the slots only).
int shore_is_water() {
    if (cond(arg1() == 1102)) value[VAR_ARG1] = 954;
    if (cond(arg2() == 1102)) value[VAR_ARG2] = 954;
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
    group({975}),
        first(),
            when([] { return cond(arg1() == 975); }, reply(2676, arg_of(VAR_ARG1))),
            reply(2676, arg_of(VAR_ARG2)),
        end(),
    end(),
};
int word_975() { return run<WORD_975>(); }

constexpr row SURFACE_GRID[] = {
    step(word_975),
    reply({923}, 2374),
    look(),
        reply({894, 968}, 1355),
        reply({157}, 3303),
        reply({131, 153, 971, 972, 915}, 2026),
        reply({973}, 2025),
        reply({1136, WORD_UP}, 2027, arg(0)),
        reply({WORD_FLOOR, WORD_DOWN}, 2027, arg(1)),
        reply({922}, 2380, arg(922)),
    end(),
    group({WORD_CLIMB}),
        first(),
            group([] { return cond(one_word()).OR(anyof(131, 971, 153, -1)); }),
                first(),
                    when(here_is(196), reply(1825, arg(1))),
                    reply(1825, arg(0)),
                end(),
            end(),
            reply({157, 972, 915}, 2028),
            otherwise(), mark(), ret(), end(),
        end(),
    end(),
    group({776}),
        ret({131, 971, 972, 915, 157}),
        reply({973}, 2464),
    end(),
    mark({131, 153, 157, 915, 922, 971, 972, 973, 1136, WORD_FLOOR}),
};

constexpr row LANE[] = {
    step(word_975),
    group({200}),
        first(),
            group(one_word_test),
                when(here_is(PLACE_START), ret()),
                reply(3339, arg_of(VAR_ARG1)),
            end(),
            reply({WORD_LOOK}, 2137),
            reply({WORD_CLIMB}, 2464),
            group({WORD_IN, WORD_GO}),
                when(here_is(PLACE_START), ret()),
                reply(1319, arg_of(8)),
            end(),
            reply(1403),
        end(),
    end(),
    group({894}),
        first(),
            reply({WORD_LOOK}, 2671),
            when(alone_or_in, reply(2023)),
            reply(1403),
        end(),
    end(),
    when(one_word_test, step({131, 971, 153, 922, 475, 970}, first_to_second)),
    group({785}),
        reply({200, WORD_WALL, 970}, 3426, arg(936)),
        reply({971, 153, 131}, 3426, arg_of(131)),
    end(),
    when(has_any_word({783, 800}), reply({131, 971, 153, 922, 475, 970, WORD_WALL, 200}, 3315)),
    reply({131}, 2431, arg_of(131)),
    reply({971, 153}, 2431, arg_of(VAR_ARG2)),
    reply({922}, 2380, arg(922)),
    reply({475}, 2020),
    reply({970}, 2021),
    group({967}),
        reply({WORD_LOOK}, 3384, arg(2)),
        mark(),
    end(),
    group({WORD_WALL}),
        first(),
            reply({WORD_LOOK}, 2022),
            reply({WORD_CLIMB}, 2464),
            reply({808, 807, WORD_TAKE}, 2021),
            reply({800}, 3315),
            reply(1403),
        end(),
    end(),
    call(p476),
};

constexpr row ROAD[] = {
    look(),
        reply({894}, 2597),
        reply({480, 195}, 2194, arg(0)),
        reply({WORD_FLOOR, WORD_DOWN}, 2194, arg(1)),
        step(boulder_is_cliff),
        reply({974}, 2670, arg_of(VAR_ARG2)),
        reply({973}, 2025),
    end(),
    group({894}),
        when(alone_or_in, reply(2023)),
        mark(),
        ret(),
    end(),
    when(has_any_word({131, 974}), reply({WORD_CLIMB}, 2669, arg(0))),
    mark({131, 974, 973, WORD_FLOOR}),
};

constexpr row SUNKEN_WAY[] = {
    look(),
        group({894}), tell(3269), reply(1266), end(),
        reply({WORD_UP, 1136}, 2673, arg(0)),
        reply({WORD_DOWN, WORD_FLOOR}, 2673, arg(1)),
        step(boulder_is_cliff),
        reply({974}, 2670, arg_of(VAR_ARG2)),
        reply({973}, 2025),
        // Not from the east end while its way is closed.
        when([] { return cond(!cond(here() == 544).AND(value[544] == 0)); }, group({538, 480})),
            reply({538}, 2674, arg(0)),
            reply(2674, arg(1)),
        end(),
    end(),
    reply({WORD_CLIMB}, 2669, arg(0)),
    group({973, 974, 131, WORD_FLOOR, 1136}), mark(), ret(), end(),
    group({894}),
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
    when([] { return cond(keyword(WORD_LOOK, 201, -1)); }, first()),
        when(here_is(518), reply(2718, arg(1))),
        reply(2718, arg(0)),
    end(),
    group({919, WORD_ROCK}),
        reply({WORD_LOOK}, 2709),
        ret({834}),
        group(two_words_test), mark(), ret(), end(),
    end(),
    reply({131, 971, 153}, 2431, arg_of(VAR_ARG2)),
    reply({922}, 2380, arg(922)),
};

constexpr row OUTDOORS[] = {
    reply({WORD_LOOK}, 2721),
    reply({WORD_TAKE}, 2464),
    ret({834}),
    mark(),
    call(p39),
};

constexpr row LEDGES[] = {
    group({WORD_OUT}),
        reply({WORD_CLIMB, 920}, 2042),
        ret({WORD_LOOK}),
    end(),
    group({920}),
        first(),
            reply({WORD_LOOK}, 2134),
            reply({792, 800, 785, WORD_OPEN, WORD_CLOSE}, 2135, arg_of(VAR_ARG1)),
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
    group([] { return cond(has(WORD_CLIMB)).AND(cond(has(154)).OR(one_word())); }),
        first(),
            when(object_near(154), reply(1827)),
            call({154}, p39),
        end(),
    end(),
    when([] { return cond(has(WORD_FILL_VESSEL)).AND(anyof(123, 119, 136, -1)).AND(near(arg2())); }, reply(1365)),
    group([] { return cond(here_in(440, 442)); }),
        when(value_over(139, 0), reply({139}, 2593, arg_of(139))),
        // The carvings named alone are the first word, not the second.
        group({206}),
            first(),
                when(one_word_test, reply(1849, arg_of(VAR_ARG1))),
                reply(1849, arg_of(VAR_ARG2)),
            end(),
        end(),
        reply({993}, 3222, arg(993)),
    end(),
    look(),
        reply({WORD_WATERS, 781, OBJ_LIQUID_1}, 2751),
        reply({WORD_LOOKOUT, 1000}, 2756),
        reply({1002}, 2762),
        group({439}), let(VAR_COMMAND_STATUS, 1), call_word(WORD_LOOK), stop(), end(),
    end(),
    when([] { return cond(here_in(438, 446)); }, group({WORD_CLIFF, 984})),
        when(one_word_test, reply(1772, arg(921))),
        mark(),
        ret(),
    end(),
};

constexpr row LABYRINTH[] = {
    look(),
        reply({389}, 3077),
        reply({376, 475, WORD_UP}, 2019, arg(11)),
        reply({WORD_FLOOR}, 3079),
        reply({WORD_WALL}, 3078),
        group({WORD_PASSAGE, 308, WORD_TUNNEL}),
            first(),
                when(here_is(389), reply(2903, arg(897))),
                when([] { return cond(here_has(11)); }, reply(2903, arg(898))),
                reply(2902, arg(898)),
            end(),
        end(),
        ret(),
    end(),
    group({389}),
        reply({WORD_TAKE}, 1403),
        reply({783, 784, 785}, 3455, arg_of(389)),
        reply({776, 808, 807}, 2464),
        reply({819}, 3478),
    end(),
    moving(),
        when([] { return cond(here() != 389); }, reply({673}, 1425)),
        ret(),
    end(),
    group({389, WORD_TUNNEL, WORD_PASSAGE, 308, 673}), mark(), call(p39), end(),
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
