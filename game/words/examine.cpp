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
cond_fold imp_stirs() { return cond(has(OBJ_CHEST)).AND(value[OBJ_CHEST] > 0).AND(!near(OBJ_IMP)); }

}  // namespace

// The journal: its pages, and the first reading is remembered.
int p276() {
    if (!cond(has(OBJ_JOURNAL))) return 0;
    if (cond(near(OBJ_JOURNAL))) {
        say(SAY_DETAIL, OBJ_JOURNAL, 0);
        if (cond(value[OBJ_JOURNAL] == 0)) value[OBJ_JOURNAL] = 1;
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
    if (!cond(has(OBJ_PLANT))) return 0;
    if (cond(near(OBJ_FRONDS)).AND(value[OBJ_FRONDS] > 0).OR(near(OBJ_PLANT))) say_stop_typed(2081, OBJ_PLANT);
    return 0;
}

// Chain part of p274 (word 822 ("look")), part 5 of 16: object 139 (creeper).
int p279() {
    if (!cond(has(OBJ_CREEPER))) return 0;
    if (cond(near(OBJ_TENDRILS)).AND(value[OBJ_CREEPER] == 2).OR(near(OBJ_CREEPER)).OR(here() == PLACE_HIGH_LEDGE).OR(here() == PLACE_BLUFF_PATH))
        say_stop_typed(2082, OBJ_CREEPER);
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
    if (!cond(has(PLACE_SUMMIT))) return 0;
    const int h = here();
    if (cond(bitest(PLACE_SUMMIT, PFLAG_VISITED)).AND(within(h, PLACE_DUNES_606, PLACE_DUNES_608)).OR(within(h,
                    PLACE_DUNES_612, PLACE_DUNES_613)).OR(h == PLACE_LOOKOUT_POINT))
        say_stop_typed(2593, PLACE_SUMMIT);
    else if (cond(within(h, PLACE_DUNES_609, PLACE_DUNES_611)).OR(within(h, PLACE_DUNES_614,
                         PLACE_DUNES_616)).OR(h == PLACE_DUNES_617))
        say_stop(2410);
    else if (cond(within(h, PLACE_NORTH_RIM, PLACE_SUMMIT)))
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
        if (cond(has(PLACE_RING_WALK_547))) {
            if (cond(h == PLACE_RIVER_BLUFF)) {
                say_stop(2588);
                return 0;
            }
            if (cond(within(h, PLACE_RING_WALK_547, PLACE_RUNE_DOOR))) {
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
            .AND(cond(h == PLACE_RIVER_BLUFF).OR(h == PLACE_OPEN_SKY).OR(h == PLACE_SHRINE_LANDING).OR(h == PLACE_BOTTOM_OF_FALL).OR(within(h,
                                                                                                                                            PLACE_RING_WALK_547, PLACE_ANNEXE_LANDING)).OR(within(h, PLACE_ANNEXE_HALL, PLACE_OVERLOOK))
                     .OR(within(h, PLACE_GALLERY_STEPS, PLACE_EAST_END_OF_GALLERY)))) {
        say_stop(2595);
        return 0;
    }
    if (cond(has(WORD_STREAM))) {
        say_stop_typed(1319, VAR_ARG2);
        return 0;
    }
    if (cond(has(OBJ_BRIDGE))) {
        p539();
        return 0;
    }
    if (cond(has(OBJ_ORB))) {
        call_proc(WORD_CONSULT);
        if (loop) return 0;
    }
    if (cond(has(WORD_CRACK)).AND(near(OBJ_WATERSKIN))) say_stop(3479);
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
    if (!cond(has(OBJ_CASKET))) return 0;
    if (cond(value[VAR_PHASE] == 6).AND(value[OBJ_CASKET] == 0).AND(carried(OBJ_CASKET))) {
        value[OBJ_CASKET] = 1;
        say_stop(1858);
    }
    return 0;
}

namespace {

cond_fold at_machine_end() {
    const int h = here();
    return cond(h == PLACE_GALLERY_STEPS).OR(h == PLACE_CREEPER_HALL).OR(h == PLACE_HIGH_LEDGE).OR(h == PLACE_PINNACLE);
}
cond_fold at_gallery() {
    const int h = here();
    return cond(h == PLACE_WEST_END_OF_GALLERY).OR(h == PLACE_MIDDLE_OF_GALLERY).OR(h == PLACE_BEND_OF_GALLERY).OR(h == PLACE_EAST_END_OF_GALLERY);
}
cond_fold at_changing_grid() {
    const int h = here();
    return cond(h == PLACE_CHANGING_ROOM).OR(h == PLACE_EDGE_OF_SANDS).OR(within(h, PLACE_UPPER_TERRACE,
                                                                                 PLACE_LOOKOUT_POINT));
}

constexpr row WALLS_AND_CLIFFS[] = {
    group({WORD_WALL, WORD_CLIFF}),
        when(at_machine_end, reply(2375)),
        when(at_gallery, reply(2376)),
        when(at_changing_grid, reply(2377)),
    end(),
    when([] { return cond(within(here(), PLACE_NORTH_RIM, PLACE_ABYSS_EDGE)).AND(here() != PLACE_WEST_RIM); },
         reply({WORD_CLIFF}, 2382)),
};

constexpr row OVERHANG[] = {
    group({WORD_OVERHANG}),
        when(at_changing_grid, reply(2377)),
        when(here_is(PLACE_DUNES_604).OR(here_is(PLACE_SAND_CAVE)), reply(2378)),
    end(),
};

constexpr row MIST[] = {
    group({WORD_MIST}),
        when([] {
                 const int h = here();
                 return cond(cond(within(h, PLACE_NORTHERN_HEATH, PLACE_MIRE)).OR(within(h, PLACE_START,
                                         PLACE_DELL)).AND(h != PLACE_DEPOSIT))
                     .OR(h == PLACE_FOOT_OF_DELL).OR(h == PLACE_HIGH_LEDGE).OR(h == PLACE_BLUFF_PATH);
             },
             reply(2380, arg(WORD_MIST))),
        when(here_is(PLACE_BEND_OF_GALLERY).OR(here_is(PLACE_MIDDLE_OF_GALLERY)).OR(here_is(PLACE_EAST_END_OF_GALLERY)),
             reply(2381)),
        when(here_is(PLACE_CREEPER_HALL), reply(2082, arg_of(OBJ_CREEPER))),
    end(),
};

}  // namespace

int p287() { return run<WALLS_AND_CLIFFS>(); }
int p288() { return run<OVERHANG>(); }
int p289() { return run<MIST>(); }

// The named thing's own description, with the few things that change when
// they are looked at.
int p290() {
    if (cond(has(OBJ_FRUIT))) set('T', 2257, 'c', 1, nullptr, nullptr);
    if (cond(has(OBJ_FEATHER)).AND(!carried(OBJ_FEATHER))) {
        say_stop(1710);
        return 0;
    }
    if (cond(has(OBJ_WINDER))) bitmod('s', OBJ_WINDER, 13);
    if (cond(is_object(arg2())).OR(is_place(arg2()))) {
        if (imp_stirs()) say(SAY_ARG | SAY_ARGVAR, 2348, OBJ_CHEST);
        say(SAY_DETAIL | SAY_REFVAR, VAR_ARG2, 0);
        if (imp_stirs()) {
            apport(OBJ_IMP, here());
            bitmod('s', OBJ_IMP, OFLAG_SEEN);
            say(0, 2337, 0);
            bitmod('c', OBJ_IMP, 13);
            value[OBJ_CHEST]++;
            loop = 1;
            return 0;
        }
        if (cond(has(OBJ_BUNDLE)).AND(value[OBJ_BUNDLE] != 2).AND(value[OBJ_BUNDLE] != 0)) {
            say(0, 2385, 0);
            value[OBJ_BUNDLE] = 2;
        }
        if (cond(has(OBJ_PACKET))) {
            value[VAR_WORK_PLACE] = getloc(OBJ_PACKET);
            *bitword(VAR_WORK_PLACE) = ref_mark;
            apport(OBJ_PACKET, PLACE_GONE);
            apport(OBJ_WRAPPER, value[VAR_WORK_PLACE]);
        }
        loop = 1;
        return 0;
    }
    if (cond(bitest(arg2(), FLAG_IS_WORD))) {
        if (cond(within(arg2(), 887, 903))) {
            if (cond(has(WORD_HOLE)))
                say_stop_variant(1319, WORD_HOLE);
            else
                say_stop(1453);
            return 0;
        }
        if (cond(within(arg2(), 904, 1138)).OR(has(WORD_WAVE))) {
            if (cond(has(WORD_WALL))) {
                const int h = here();
                if (cond(here_has(7)).AND(h != PLACE_START).AND(h != PLACE_COPSE_EDGE).AND(h != PLACE_BEECH_WOOD).AND(h != PLACE_CAIRN_FIELD).AND(h != PLACE_GRATE)
                        .AND(!within(h, PLACE_THICKET_GAP, PLACE_THICKET_SPRING)))
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
    if (cond(anyof(WORD_LABEL, OBJ_LETTERING, -1))) {
        if (cond(near(OBJ_VESSEL_SMALL)))
            say_stop(3349);
        else if (cond(near(OBJ_LIGHT_SOURCE)))
            say_stop(3350);
    }
    return 0;
}
