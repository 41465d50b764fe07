// The look word's chunks two to sixteen: examining things by name. Most
// chunks answer one word by what is near, where the player is or a state;
// the ninth turns away things that are not here, and the last says the
// named thing's own description.
#include "game.h"

using namespace rows;

namespace {

int is_object(int r) { return bitest(r, FLAG_IS_OBJECT); }
int is_place(int r) { return bitest(r, FLAG_IS_PLACE); }

// Looking at the chest brings out the imp while it is away from it.
cond_fold imp_stirs() { return cond(has(4)).AND(value[4] > 0).AND(!near(5)); }

}  // namespace

// The journal: its pages, and the first reading is remembered.
int p276() {
    if (!cond(has(61))) return 0;
    if (cond(near(61))) {
        say(SAY_DETAIL, 61, 0);
        if (cond(value[61] == 0)) value[61] = 1;
        loop = 1;
        return 0;
    }
    p39();
    return 0;
}

// Chain part of p274 (word 822 ("look")), part 3 of 16: object 121 (oil).
int p277() {
    if (!cond(has(OBJ_LIQUID_2))) return 0;
    p320(num(0));
    if (loop) return 0;
    if (cond(value[VAR_VESSEL] != 0).OR(near(OBJ_LIQUID_2))) say_stop(1925);
    return 0;
}

// Chain part of p274 (word 822 ("look")), part 4 of 16: object 13 (plant).
int p278() {
    if (!cond(has(13))) return 0;
    if (cond(near(14)).AND(value[14] > 0).OR(near(13))) say_stop_typed(2081, 13);
    return 0;
}

// Chain part of p274 (word 822 ("look")), part 5 of 16: object 139 (creeper).
int p279() {
    if (!cond(has(139))) return 0;
    if (cond(near(140)).AND(value[139] == 2).OR(near(139)).OR(here() == 444).OR(here() == 446))
        say_stop_typed(2082, 139);
    return 0;
}

// Chain part of p274 (word 822 ("look")), part 6 of 16: object 120 (water).
int p280() {
    if (!cond(has(OBJ_LIQUID_1))) return 0;
    if (cond(isnear(OBJ_VESSEL_MEDIUM, 0, 3)).OR(here_has(PFLAG_LIQUID_SOURCE))) say_stop(2080);
    return 0;
}

// The summit, seen from the grid below it.
int p281() {
    if (!cond(has(593))) return 0;
    const int h = here();
    if (cond(bitest(593, PFLAG_VISITED)).AND(within(h, 606, 608)).OR(within(h, 612, 613)).OR(h == 627))
        say_stop_typed(2593, 593);
    else if (cond(within(h, 609, 611)).OR(within(h, 614, 616)).OR(h == 617))
        say_stop(2410);
    else if (cond(within(h, 587, 593)))
        say_stop(2411);
    return 0;
}

// Chain part of p274 (word 822 ("look")), part 8 of 16: object 122 (ale).
int p282() {
    if (!cond(has(OBJ_LIQUID_3))) return 0;
    if (cond(isnear(OBJ_VESSEL_LARGE, 0, 5))) say_stop(2656);
    return 0;
}

// Any second word: in and out, things and places that are not here, and a
// few words with replies of their own.
int p283() {
    const int h = here();
    if (cond(has(WORD_IN))) {
        say_stop_variant(1298, 1);
        return 0;
    }
    if (cond(has(WORD_OUT))) {
        say_stop(2662);
        return 0;
    }
    if (cond(is_object(arg2()))) {
        if (cond(!near(arg2()))) {
            p39();
            return 0;
        }
    } else if (cond(is_place(arg2()))) {
        if (cond(has(547))) {
            if (cond(h == 199)) {
                say_stop(2588);
                return 0;
            }
            if (cond(within(h, 547, 575))) {
                say_stop(2589);
                return 0;
            }
        }
        if (cond(h == arg2())) {
            say_stop(1453);
            return 0;
        }
        p39();
        return 0;
    }
    if (cond(has(WORD_WATERS))
            .AND(cond(h == 199).OR(h == 586).OR(h == 561).OR(h == 502).OR(within(h, 547, 555)).OR(within(h, 557, 558))
                     .OR(within(h, 438, 442)))) {
        say_stop(2595);
        return 0;
    }
    if (cond(has(WORD_STREAM))) {
        say_stop_typed(1319, VAR_ARG2);
        return 0;
    }
    if (cond(has(11))) {
        p539();
        return 0;
    }
    if (cond(has(81))) {
        call_proc(854);
        if (loop) return 0;
    }
    if (cond(has(WORD_CRACK)).AND(near(84))) say_stop(3479);
    return 0;
}

// The lodestone: the first look goes on to its description, later looks
// tell where it points.
int p284() {
    if (!cond(has(OBJ_HEADING))) return 0;
    if (cond(bitest(VAR_GAME_FLAGS_3, 6))) {
        say_stop_typed(2293, OBJ_HEADING);
        return 0;
    }
    bitmod('s', VAR_GAME_FLAGS_3, 6);
    return 0;
}

// Chain part of p274 (word 822 ("look")), part 11 of 16: object 123 (vial).
int p285() {
    if (!cond(has(OBJ_VESSEL_SMALL))) return 0;
    if (cond(value[OBJ_VESSEL_SMALL] <= 1)) say_stop(2097);
    return 0;
}

// Chain part of p274 (word 822 ("look")), part 12 of 16: object 115 (casket).
int p286() {
    if (!cond(has(115))) return 0;
    if (cond(value[VAR_PHASE] == 6).AND(value[115] == 0).AND(carried(115))) {
        value[115] = 1;
        say_stop(1858);
    }
    return 0;
}

namespace {

cond_fold at_machine_end() {
    const int h = here();
    return cond(h == 438).OR(h == 443).OR(h == 444).OR(h == 445);
}
cond_fold at_gallery() {
    const int h = here();
    return cond(h == 439).OR(h == 440).OR(h == 441).OR(h == 442);
}
cond_fold at_changing_grid() {
    const int h = here();
    return cond(h == 318).OR(h == 618).OR(within(h, 620, 627));
}

constexpr row WALLS_AND_CLIFFS[] = {
    group({WORD_WALL, WORD_CLIFF}),
        when(at_machine_end, reply(2375)),
        when(at_gallery, reply(2376)),
        when(at_changing_grid, reply(2377)),
    end(),
    when([] { return cond(within(here(), 587, 619)).AND(here() != 590); }, reply({WORD_CLIFF}, 2382)),
};

constexpr row OVERHANG[] = {
    group({1022}),
        when(at_changing_grid, reply(2377)),
        when(here_is(604).OR(here_is(605)), reply(2378)),
    end(),
};

constexpr row MIST[] = {
    group({922}),
        when([] {
                 const int h = here();
                 return cond(cond(within(h, 519, 544)).OR(within(h, 195, 203)).AND(h != 200))
                     .OR(h == 518).OR(h == 444).OR(h == 446);
             },
             reply(2380, arg(922))),
        when(here_is(441).OR(here_is(440)).OR(here_is(442)), reply(2381)),
        when(here_is(443), reply(2082, arg_of(139))),
    end(),
};

}  // namespace

int p287() { return run<WALLS_AND_CLIFFS>(); }
int p288() { return run<OVERHANG>(); }
int p289() { return run<MIST>(); }

// The named thing's own description, with the few things that change when
// they are looked at.
int p290() {
    if (cond(has(141))) set('T', 2257, 'c', 1, nullptr, nullptr);
    if (cond(has(149)).AND(!carried(149))) {
        say_stop(1710);
        return 0;
    }
    if (cond(has(92))) bitmod('s', 92, 13);
    if (cond(is_object(arg2())).OR(is_place(arg2()))) {
        if (imp_stirs()) say(SAY_ARG | SAY_ARGVAR, 2348, 4);
        say(SAY_DETAIL | SAY_REFVAR, VAR_ARG2, 0);
        if (imp_stirs()) {
            apport(5, here());
            bitmod('s', 5, OFLAG_SEEN);
            say(0, 2337, 0);
            bitmod('c', 5, 13);
            value[4]++;
            loop = 1;
            return 0;
        }
        if (cond(has(151)).AND(value[151] != 2).AND(value[151] != 0)) {
            say(0, 2385, 0);
            value[151] = 2;
        }
        if (cond(has(104))) {
            value[VAR_WORK_PLACE] = getloc(104);
            *bitword(VAR_WORK_PLACE) = ref_mark;
            apport(104, PLACE_GONE);
            apport(105, value[VAR_WORK_PLACE]);
        }
        loop = 1;
        return 0;
    }
    if (cond(bitest(arg2(), FLAG_IS_WORD))) {
        if (cond(within(arg2(), 887, 903))) {
            if (cond(has(WORD_HOLE)))
                say_stop_variant(1319, 893);
            else
                say_stop(1453);
            return 0;
        }
        if (cond(within(arg2(), 904, 1138)).OR(has(781))) {
            if (cond(has(WORD_WALL))) {
                const int h = here();
                if (cond(here_has(7)).AND(h != 195).AND(h != 539).AND(h != 541).AND(h != 540).AND(h != 545)
                        .AND(!within(h, 481, 487)))
                    say_stop(1403);
                else
                    say_stop_typed(2033, VAR_ARG2);
                return 0;
            }
            if (cond(has(WORD_ROCK))) {
                say_stop(1453);
                return 0;
            }
            p39();
            return 0;
        }
        say_stop(1403);
        return 0;
    }
    if (cond(anyof(1018, 74, -1))) {
        if (cond(near(OBJ_VESSEL_SMALL)))
            say_stop(3349);
        else if (cond(near(OBJ_LIGHT_SOURCE)))
            say_stop(3350);
    }
    return 0;
}
