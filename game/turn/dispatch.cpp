// Dispatch, the fifth part of the REPEAT chain: carries the command read by
// the reading part to the procedure of the place here, then to the
// procedure of its first word, and ends every command that nobody took with
// the last replies. Before the place is consulted it answers parser
// failures and the words the game treats apart, rewrites the words whose
// meaning depends on what is near (the pronoun among them) into the refnos
// the later procedures expect, and starts the kernel's iteration over all
// objects. Every path through it ends the turn.
//
// The steps run in a fixed order: a rewrite changes what every later step
// sees, and the order of the random draws is part of the game (replays
// depend on it). Each step is a function; dispatch runs them one after the
// other and stops at the first that ends the turn.
#include <iterator>

#include "game.h"

namespace {

// The stops: say a text and end the turn, or end it without a word.
int stop() {
    loop = 1;
    return 0;
}
void tell_typed(int t, int slot) { say(SAY_ARG | SAY_ARGVAR, t, slot); }

// A silent rewrite of word w to x keeps the typed word (rewrite_word
// shows x's own word).
void rewrite_silent(int w, int x) {
    if (value[VAR_ARG1] == w) value[VAR_ARG1] = x;
    if (value[VAR_ARG2] == w) value[VAR_ARG2] = x;
}

void swap_words() {
    int32_t r = 0;
    special(SPECIAL_SWAP_ARGS, &r);
}

// The marker that a feature of this place was named, for the fallback
// replies.

// Given after a reply to a word the game does not know or that was
// misspelled, once, while the player is new.
void novice_hint() {
    if (cond(bitest(VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_NOVICE_HINT))) {
        say(0, 1856, 0);
        bitmod('c', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_NOVICE_HINT);
    }
}

// Variables and texts without names of their own.

// ---------------------------------------------------------------------------
// Parser failures, meta words and rewrites.

int bad_syntax() {
    if (!cond(words() == PARSE_BAD_SYNTAX)) return 0;
    flush_command();
    if (cond(has(WORD_PUT))) {
        call_proc(WORD_PUT);
        if (loop) return 0;
    }
    if (cond(has(WORD_AGAIN)))
        say_stop(1493);
    else if (cond(has(WORD_SAY)))
        say_stop(3493);
    else
        say_stop(1451);
    return 0;
}

int dump_word() {
    if (cond(typed("dumpdata"))) value[VAR_ARG2] = 0;
    if (cond(has(WORD_DUMPDATA))) say_stop(3484);
    return 0;
}

// A verb typed second is put first.
int word_order() {
    if (cond(words() > 1).AND(within(arg2(), 723, 904)).AND(!within(arg1(), 723, 904))) swap_words();
    return 0;
}

int smell_word() {
    if (!cond(has(WORD_SMELL))) return 0;
    if (cond(here() == PLACE_PLANT_HOLLOW).OR(here() == PLACE_CREEPER_HALL))
        say_stop(2800);
    else
        say_stop(1377);
    return 0;
}

int save_or_restore_first() {
    if (!cond(arg1() == WORD_SAVE).OR(arg1() == WORD_RESTORE)) return 0;
    call_proc(arg1());
    if (loop) return 0;
    return stop();
}

// Locking is closing. The rewrite keeps the word as typed, so that a reply
// naming the word names "lock" (or what a misspelling was read as), never
// "close", which the player did not type.
int lock_word() {
    if (!cond(has(WORD_LOCK))) return 0;
    if (cond(has(WORD_UP)))
        say_stop(3393);
    else
        rewrite_silent(WORD_LOCK, WORD_CLOSE);
    return 0;
}

// The name of place 300 means no one chamber in particular.
int chamber_word() {
    if (!cond(has(PLACE_LAKESIDE_CHAMBER))) return 0;
    if (cond(words() == 1)) {
        int k;
        if (cond(here_has(7)).AND(!here_has(18)))
            k = 2;
        else if (cond(here_has(14)))
            k = 0;
        else
            k = 1;
        say_stop_variant(3226, k);
        return 0;
    }
    if (cond(arg1() == PLACE_LAKESIDE_CHAMBER)) swap_words();
    value[VAR_ARG2] = 0;
    value[VAR_COMMAND_STATUS] = 1;
    return 0;
}

int inscription_word() {
    rewrite_silent(WORD_INSCRIPTION, OBJ_SIGN);
    return 0;
}

// The pronoun: object 166 stands for the object last referred to.
struct pronoun_map {
    int from, to;
};
constexpr pronoun_map pronoun_maps[] = {
    {OBJ_FRONDS, OBJ_PLANT}, {OBJ_BOOTH, OBJ_KEEPER}, {OBJ_STAND, OBJ_ORB}, {OBJ_TENDRILS, OBJ_CREEPER}, {OBJ_RUNE_SLAB,
     OBJ_DOOR}, {OBJ_HOARD_DOORS, OBJ_DOOR}, {OBJ_GATE, OBJ_DOOR}, {OBJ_COVER, OBJ_DOOR},
};

int pronoun() {
    if (!cond(value[OBJ_PRONOUN] > 0)) return 0;
    value[VAR_PRONOUN_BEFORE] = value[OBJ_PRONOUN];
    if (!cond(has(OBJ_PRONOUN))) return 0;
    int obj = value[OBJ_PRONOUN];
    for (const pronoun_map &m : pronoun_maps)
        if (obj == m.from) obj = m.to;
    if (obj == OBJ_ROD) {
        if (cond(has(WORD_DROP)).AND(carried(OBJ_WAND)).OR(value[OBJ_ROD] == 0)) obj = OBJ_WAND;
    }
    rewrite_word(OBJ_PRONOUN, obj);
    return 0;
}

int remember_object() {
    if (cond(test("doall"))) return 0;
    if (cond(words() == 2)
            .AND(arg2() != PARSE_UNKNOWN)
            .AND(arg2() != PARSE_BAD_SYNTAX)
            .AND(arg2() != PARSE_AMBIGUOUS_TYPO)
            .AND(arg2() != PARSE_AMBIGUOUS))
        value[OBJ_PRONOUN] = arg2();
    else if (cond(bitest(arg1(), FLAG_IS_OBJECT)).OR(within(arg1(), 904, 1138)))
        value[OBJ_PRONOUN] = arg1();
    return 0;
}

int toggle_light() {
    if (cond(has(WORD_TOGGLE_LIGHT))) call_proc(WORD_TOGGLE_LIGHT);
    return 0;
}

int here_word() {
    if (!cond(has(WORD_HERE))) return 0;
    if (cond(has(WORD_LOOK))) {
        if (cond(arg1() == WORD_HERE)) swap_words();
        value[VAR_COMMAND_STATUS] = 1;
    } else if (cond(has(WORD_GO))) {
        say_stop(2668);
    } else {
        say_stop(1493);
    }
    return 0;
}

int go_alone() {
    if (cond(words() == 1).AND(has(WORD_GO))) call_proc(WORD_GO);
    return 0;
}

// Word 1101 names whichever engraved thing is near.
int engraving_word() {
    if (!cond(has(WORD_ENGRAVING))) return 0;
    int reading = cond(has(WORD_READ)).OR(has(WORD_LOOK));
    if (cond(near(OBJ_SWORD))) {
        if (reading)
            say_stop(3447);
        else
            rewrite_word(WORD_ENGRAVING, OBJ_SWORD);
    } else if (cond(near(OBJ_WINDER))) {
        if (reading) {
            bitmod('s', OBJ_WINDER, 13);
            say_stop(1728);
        } else {
            rewrite_word(WORD_ENGRAVING, OBJ_WINDER);
        }
    } else if (cond(near(OBJ_SCEPTRE))) {
        if (reading)
            say_stop_variant(2033, WORD_ENGRAVING);
        else
            rewrite_word(WORD_ENGRAVING, OBJ_SCEPTRE);
    } else if (cond(arg1() == WORD_ENGRAVING).AND(arg2() != WORD_ENGRAVING)) {
        say_stop_variant(1902, WORD_ENGRAVING);
    } else {
        say_stop_variant(1319, WORD_ENGRAVING);
    }
    return 0;
}

int somewhere_word() {
    if (!cond(has(WORD_SOMEWHERE))) return 0;
    if (cond(anyof(WORD_IN, WORD_OUT, WORD_GO, WORD_ACROSS, WORD_BACK, WORD_JUMP, WORD_CROSS, -1)).OR(words() == 1))
        say_stop(3432);
    else
        say_stop(2007);
    return 0;
}

int abbreviations() {
    p222();
    return 0;
}

int go_leaves() {
    if (cond(keyword(WORD_GO, WORD_LEAVES, -1))) value[VAR_COMMAND_STATUS] = 1;
    return 0;
}

// "Again" with an object is the drop word typed short.
int again_with_object() {
    if (cond(has(WORD_AGAIN)).AND(words() > 1)) rewrite_word(WORD_AGAIN, WORD_DROP);
    return 0;
}

int news_word() {
    if (cond(has(WORD_NEWS))) say_stop(1937);
    return 0;
}

int read_in_dark() {
    if (cond(has(WORD_READ)).AND(!light())) say_stop(2388);
    return 0;
}

int look_checks() {
    if (!cond(has(WORD_LOOK))) return 0;
    if (cond(has(WORD_ECHO)).AND(within(here(), PLACE_GLIMMER_APPROACH, PLACE_LOWER_LANDING))) {
        say_stop(1941);
        return 0;
    }
    if (cond(has(PLACE_DARK_NOOK))) {
        if (cond(within(here(), PLACE_LONG_CORRIDOR_643, PLACE_LONG_CORRIDOR_648)).OR(within(here(),
                        PLACE_HONEYCOMB_651, PLACE_HONEYCOMB_667)))
            say_stop_variant(3000, cond(have(OBJ_LIGHT_SOURCE, 0, 1)) ? 1 : 0);
        else if (cond(here_has(PFLAG_LIT)))
            say_stop(2007);
        else
            say_stop_variant(3000, cond(light()) ? 1 : 0);
        return 0;
    }
    if (cond(!light())) {
        if (cond(irand(100) < 5))
            say_stop(2388);
        else
            say_stop(1325);
    }
    return 0;
}

int oil_named() {
    if (!cond(words() == 2).AND(arg2() == OBJ_LIQUID_2).AND(!anyof(WORD_HOLD, WORD_GRAB, WORD_FIND, -1))) return 0;
    p320(num(0));
    if (loop) return 0;
    if (cond(value[VAR_VESSEL] == 0).AND(!near(OBJ_LIQUID_2))) {
        say(SAY_ARG | SAY_ARGVAR, 1319, OBJ_LIQUID_2);
        if (cond(near(OBJ_FLASK))) {
            glue_text();
            say(0, 1896, 0);
        }
        return stop();
    }
    return 0;
}

// Word 1062 names the liquid that is about.
int liquid_word() {
    if (!cond(has(WORD_LIQUID))) return 0;
    if (cond(within(here(), PLACE_PLUNGE_POOL, PLACE_FUME_DEAD_END))) {
        rewrite_word(WORD_LIQUID, WORD_SPRAY);
    } else if (cond(here_has(PFLAG_LIQUID_SOURCE))
                   .OR(within(here(), PLACE_RING_WALK_547, PLACE_RING_WALK_554))
                   .OR(within(here(), PLACE_WEST_END_OF_GALLERY, PLACE_EAST_END_OF_GALLERY))
                   .OR(here() == PLACE_BEACON_WAY)
                   .OR(here() == PLACE_DESCENT)) {
        rewrite_word(WORD_LIQUID, OBJ_LIQUID_1);
    } else if (cond(here() == PLACE_OIL_SEEP)) {
        rewrite_word(WORD_LIQUID, OBJ_LIQUID_2);
    } else if (cond(near(OBJ_FLASK))) {
        rewrite_word(WORD_LIQUID, OBJ_FLASK);
    } else {
        p321(num(0));
        if (loop) return 0;
        if (cond(value[VAR_VESSEL] != 0))
            rewrite_word(WORD_LIQUID, OBJ_LIQUID_1);
        else if (cond(near_in(OBJ_VESSEL_LARGE, 5)))
            rewrite_word(WORD_LIQUID, OBJ_LIQUID_3);
        else if (cond(near_in(OBJ_VESSEL_MEDIUM, 4)).OR(near_in(OBJ_VESSEL_SMALL, 4)))
            rewrite_word(WORD_LIQUID, OBJ_LIQUID_2);
    }
    return 0;
}

int ale_named() {
    if (!cond(has(OBJ_LIQUID_3))) return 0;
    if (cond(near_in(OBJ_VESSEL_LARGE, 5)))
        mark_feature();
    else if (cond(near(OBJ_GIANT)).AND(value[OBJ_GIANT] > 4))
        say_stop(2279);
    return 0;
}

int marks_and_nectar() {
    if (cond(near(OBJ_GONG)).OR(near(OBJ_SCEPTRE)).AND(has(OBJ_MARKS))) mark_feature();
    if (cond(has(OBJ_LIQUID_4)).AND(near_in(OBJ_VESSEL_LARGE, 6))) mark_feature();
    return 0;
}

int toy_word() {
    if (!cond(has(WORD_TOY))) return 0;
    p854();
    return 0;
}

int lookout_first() {
    if (cond(words() == 2).AND(arg1() == WORD_LOOKOUT)) rewrite_silent(WORD_LOOKOUT, WORD_LOOK);
    return 0;
}

// At the changing room the heading's word means the view.
int heading_at_318() {
    if (cond(has(OBJ_HEADING))
            .AND(here() == PLACE_CHANGING_ROOM)
            .AND(!near(OBJ_HEADING))
            .AND(!anyof(WORD_UP, WORD_FIND, WORD_GRAB, -1)))
        rewrite_silent(OBJ_HEADING, WORD_VIEW);
    return 0;
}

// Word 978, the gleam, and object 100, the sunstone, stand for each other
// where the one or the other is meant.
int gleam_to_sunstone() {
    if (!cond(has(WORD_GLEAM)).AND(bitest(OBJ_SUNSTONE, OFLAG_SEEN))) return 0;
    if (cond(within(here(), PLACE_LONG_CORRIDOR_643, PLACE_LONG_CORRIDOR_648))
            .OR(within(here(), PLACE_HONEYCOMB_651, PLACE_HONEYCOMB_663))
            .OR(here() == PLACE_HONEYCOMB_666)
            .AND(!anyof(WORD_DROP, WORD_THROW, -1)))
        return 0;
    if (cond(near(OBJ_WAND)).AND(!near(OBJ_SUNSTONE))) return 0;
    rewrite_silent(WORD_GLEAM, OBJ_SUNSTONE);
    return 0;
}

int gleam_word() {
    if (!cond(near(OBJ_WAND)).OR(here() == PLACE_EYRIE).AND(has(WORD_GLEAM))) return 0;
    if (cond(near(OBJ_WAND)).AND(has(WORD_LOOK))) {
        say_stop_variant(2805, 0);
        return 0;
    }
    if (cond(!near(OBJ_WAND)).AND(has(WORD_LOOK))) {
        say_stop_variant(2805, 1);
        return 0;
    }
    say(0, 3334, 0);
    if (cond(anyof(WORD_TAKE, WORD_SNUFF, WORD_BREAK, WORD_TRADE, -1)))
        say_stop(2464);
    else if (cond(has(WORD_POLISH)))
        say_stop(1329);
    else if (cond(words() > 1))
        say_stop(1403);
    return 0;
}

int sunstone_to_gleam() {
    if (!cond(has(OBJ_SUNSTONE))) return 0;
    if (cond(within(here(), PLACE_HONEYCOMB_651, PLACE_HONEYCOMB_663)).OR(here() == PLACE_HONEYCOMB_666))
        rewrite_word(OBJ_SUNSTONE, WORD_GLEAM);
    else if (cond(within(here(), PLACE_LONG_CORRIDOR_643, PLACE_LONG_CORRIDOR_648)).AND(!carried(OBJ_SUNSTONE)))
        rewrite_word(OBJ_SUNSTONE, WORD_GLEAM);
    return 0;
}

int rock_word() {
    if (cond(has(WORD_ROCK)).AND(near(OBJ_SHARDS))) rewrite_silent(WORD_ROCK, OBJ_SHARDS);
    return 0;
}

int light_branch() {
    if (cond(keyword(WORD_LIGHT, WORD_BRANCH, -1))) say_stop(2637);
    return 0;
}

int moss_word() {
    if (!cond(has(WORD_GREENERY))) return 0;
    if (cond(within(here(), PLACE_HEART_OF_THICKET, PLACE_THICKET_SPRING)))
        rewrite_silent(WORD_GREENERY, WORD_VINES);
    else if (cond(near(OBJ_BAUBLE)))
        rewrite_word(WORD_GREENERY, OBJ_BAUBLE);
    else
        say_stop_variant(1319, WORD_VINES);
    return 0;
}

int ping_word() {
    if (cond(has(WORD_PING))) say_stop(3473);
    return 0;
}

// The bundle's word means the pod while the pod is near.
int bundle_to_pod() {
    if (!cond(has(OBJ_BUNDLE)).AND(near(OBJ_POD))) return 0;
    if (cond(anyof(WORD_OPEN, WORD_POUR, WORD_EMPTY, -1)))
        say_stop(2806);
    else if (!cond(has(OBJ_PLANT)).OR(has(OBJ_CREEPER)).OR(here() == PLACE_CREEPER_HALL))
        rewrite_word(OBJ_BUNDLE, OBJ_POD);
    return 0;
}

int bracket_to_beacon() {
    if (cond(has(OBJ_BRACKET)).AND(near(OBJ_BEACON))) rewrite_word(OBJ_BRACKET, OBJ_BEACON);
    return 0;
}

int tapestry_to_cloth() {
    if (cond(has(PLACE_TAPESTRY_ROOM)).AND(here() != PLACE_CHANGING_ROOM).AND(here() != PLACE_TAPESTRY_ROOM).AND(here() != PLACE_CHUTE_MOUTH).AND(near_in(OBJ_CLOTH,
                 0)))
        rewrite_word(PLACE_TAPESTRY_ROOM, OBJ_CLOTH);
    return 0;
}

int staircase_to_steps() {
    if (cond(has(OBJ_STAIRCASE)).AND(here() != PLACE_STEPWELL)) rewrite_silent(OBJ_STAIRCASE, OBJ_STEPS);
    return 0;
}

int close_second() {
    if (!cond(arg2() == WORD_CLOSE)) return 0;
    if (cond(here() == PLACE_DELL).OR(here() == PLACE_FOOT_OF_HATCH).OR(near(OBJ_STRONGBOX))) {
        if (cond(anyof(WORD_OPEN, WORD_BREAK, WORD_LOOK, WORD_STRIKE, -1)))
            say_stop_variant(2842, cond(here() == PLACE_DELL).OR(here() == PLACE_FOOT_OF_HATCH) ? 0 : 1);
        else if (!cond(arg1() == WORD_CLOSE))
            say_stop(1403);
    } else if (cond(has(WORD_LOOK))) {
        say_stop_typed(1319, VAR_ARG2);
    }
    return 0;
}

int rune_door_closes() {
    if (!cond(near(OBJ_RUNE_SLAB)).AND(value[PLACE_RUNE_DOOR] == 1).AND(value[VAR_DWARVISH] == 0)) return 0;
    p147();
    if (loop) return 0;
    say(0, 1266, 0);
    return 0;
}

int rod_in_phase_6() {
    if (!cond(value[VAR_PHASE] == 6)) return 0;
    value[OBJ_ROD] = 0;
    if (cond(has(OBJ_ROD)).AND(!test("doall"))) value[OBJ_ROD] = 1;
    return 0;
}

int letters_and_axe() {
    if (cond(has(WORD_LETTERS)).AND(near(OBJ_FRUIT))) rewrite_word(WORD_LETTERS, OBJ_FRUIT);
    if (cond(words() == 2).AND(arg1() == OBJ_AXE).AND(carried(OBJ_AXE))) rewrite_word(OBJ_AXE, WORD_CUT);
    return 0;
}

// The replies to an except list that ended on a bad word.
int bad_except_word() {
    switch (value[VAR_ARG3]) {
    case PARSE_BAD_SYNTAX:
        say_stop_typed(3218, VAR_ARG3);
        break;
    case PARSE_AMBIGUOUS:
        say_stop_typed(1934, VAR_ARG3);
        break;
    case PARSE_UNKNOWN:
        flush_command();
        say_stop_typed(1351, VAR_ARG3);
        break;
    case PARSE_AMBIGUOUS_TYPO:
        say_stop_typed(2536, VAR_ARG3);
        break;
    }
    return 0;
}

// A missing object, and the start of the iteration over all objects.
int missing_object_and_all() {
    if (cond(words() == 1)) {
        if (cond(has(WORD_TAKE)))
            default_to(0, here(), OFLAG_PORTABLE);
        else if (cond(has(WORD_DROP)))
            default_to(0, PLACE_CARRIED, -1);
    } else if (cond(has(OBJ_ALL))) {
        p771();
        if (loop) return 0;
        bad_except_word();
        if (loop) return 0;
        if (cond(anyof(WORD_DROP, WORD_DOWN, -1))) {
            p291();
            if (loop) return 0;
            p234(num(0));
            if (loop) return 0;
            default_to(1, PLACE_CARRIED, -1);
        } else if (cond(has(WORD_TAKE))) {
            if (cond(here() == PLACE_CAIRN_FIELD).AND(!near(OBJ_BAIT))) apport(OBJ_BAIT, here());
            if (cond(light())) {
                p291();
                if (loop) return 0;
                default_to(1, here(), OFLAG_PORTABLE);
            } else {
                say_stop_variant(1690, 1);
                return 0;
            }
        }
    }
    if (!cond(has(OBJ_ALL_SCORING)).AND(!has(WORD_SAY)).AND(!has(WORD_HOLD))) return 0;
    if (cond(anyof(WORD_DROP, WORD_DOWN, -1))) {
        p291();
        if (loop) return 0;
        p234(num(1));
        if (loop) return 0;
        default_to(1, PLACE_CARRIED, OFLAG_SCORING);
    } else if (cond(has(WORD_TAKE))) {
        p291();
        if (loop) return 0;
        default_to(1, here(), OFLAG_SCORING);
    } else {
        say_stop(1302);
    }
    return 0;
}

// Fixed replies to single words (or pairs), tried in this order.
constexpr rows::row LATE_REPLIES[] = {
    rows::reply(rows::all({WORD_GO, WORD_AROUND}), 2821),
    rows::reply({WORD_SWEAR}, 2576),
    rows::reply({WORD_CURSE}, 2575),
};

int late_fixed_replies() { return rows::run<LATE_REPLIES>(); }

// The magic-word sequence falls back a step with every other command.
int magic_sequence() {
    if (!cond(anyof(WORD_SEQ_1, WORD_SEQ_2, WORD_SEQ_3, WORD_SEQ_4, WORD_HUSH, -1))) value[VAR_MAGIC_STEP] = 0;
    if (cond(value[VAR_MAGIC_STEP] >= 0)) value[VAR_MAGIC_STEP] -= 1;
    return 0;
}

int novice_ends() {
    if (cond(value[VAR_TURNS] == 20)) bitmod('c', VAR_COMMAND_STATUS, VFLAG_COMMAND_STATUS_NOVICE_HINT);
    return 0;
}

int save_anywhere() {
    if (!cond(has(WORD_SAVE))) return 0;
    call_proc(WORD_SAVE);
    if (loop) return 0;
    return stop();
}

int empty_command() {
    if (cond(words() == 0)) return stop();
    return 0;
}

int first_word_failed() {
    int a = arg1();
    if (!cond(a == PARSE_UNKNOWN).OR(a == PARSE_AMBIGUOUS).OR(a == PARSE_AMBIGUOUS_TYPO)) return 0;
    if (a == PARSE_UNKNOWN) {
        flush_command();
        if (cond(words() > 1)) {
            if (cond(irand(100) < 33))
                tell_typed(1350, VAR_ARG1);
            else
                tell_typed(1349, VAR_ARG1);
        } else {
            tell_typed(1350, VAR_ARG1);
        }
        novice_hint();
    } else if (a == PARSE_AMBIGUOUS) {
        tell_typed(1934, VAR_ARG1);
    } else {
        tell_typed(2536, VAR_ARG1);
        novice_hint();
    }
    p771();
    if (loop) return 0;
    return stop();
}

int say_word() {
    if (cond(has(WORD_SAY)).AND(!within(arg2(), 704, 722))) call_proc(WORD_SAY);
    return 0;
}

int all_with_other_word() {
    if (cond(has(OBJ_ALL)).AND(!has(WORD_SAY))) p125();
    return 0;
}

int second_word_failed() {
    int b = arg2();
    if (!cond(b == PARSE_UNKNOWN)
             .OR(b == PARSE_AMBIGUOUS)
             .OR(b == PARSE_AMBIGUOUS_TYPO)
             .OR(b == PARSE_SCENERY)
             .AND(words() > 1)
             .AND(!within(arg1(), 723, 743)))
        return 0;
    if (b == PARSE_AMBIGUOUS) {
        tell_typed(1934, VAR_ARG2);
    } else if (b == PARSE_UNKNOWN) {
        flush_command();
        tell_typed(1351, VAR_ARG2);
        novice_hint();
    } else if (b == PARSE_SCENERY && value[VAR_PHASE] > 2) {
        say_stop_typed(2535, VAR_ARG2);
        return 0;
    } else if (b == PARSE_SCENERY) {
        // A word the game printed is spelt right: no spelling to check.
        tell_typed(1663, VAR_ARG2);
        novice_hint();
    } else {
        tell_typed(2536, VAR_ARG2);
        novice_hint();
    }
    p771();
    if (loop) return 0;
    return stop();
}

// ---------------------------------------------------------------------------
// The place procedure, the word procedure and the last replies.

// Set for every command; the place procedure may change them, the put-down
// procedures read them.
int per_command_variables() {
    value[VAR_DROP_PLACE] = here();
    *bitword(VAR_DROP_PLACE) = ref_mark;
    value[VAR_LANDING_PLACE] = here();
    *bitword(VAR_LANDING_PLACE) = ref_mark;
    for (int v : {VAR_DROP_TEXT, VAR_LANDING_TEXT, VAR_DROP_TEXT_MODE, VAR_VESSEL, VAR_QUIET_EMPTY})
        set('V', v, 'c', 0, nullptr, nullptr);
    return 0;
}

int plant_words() {
    if (cond(near(OBJ_PLANT)).OR(near(OBJ_FRONDS)).AND(has(OBJ_CREEPER))) rewrite_silent(OBJ_CREEPER, OBJ_PLANT);
    if (cond(near(OBJ_TENDRILS)).AND(value[OBJ_CREEPER] == 2).OR(near(OBJ_CREEPER)).AND(has(OBJ_PLANT))) rewrite_silent(OBJ_PLANT,
        OBJ_CREEPER);
    return 0;
}

int token_word() {
    if (!cond(has(OBJ_TOKEN))) return 0;
    if (cond(near(OBJ_PACKET)))
        rewrite_word(OBJ_TOKEN, OBJ_PACKET);
    else if (cond(near(OBJ_WRAPPER)))
        rewrite_word(OBJ_TOKEN, OBJ_WRAPPER);
    return 0;
}

int pinion_word() {
    if (cond(has(WORD_PINION)).AND(near(OBJ_FEATHER)).AND(here() != PLACE_TIMEKEEPERS_ROOM)) rewrite_silent(WORD_PINION,
        OBJ_FEATHER);
    return 0;
}

// The finial is the sceptre's top: the first mention is answered alone.
int finial_word() {
    if (!cond(has(WORD_FINIAL)).AND(near(OBJ_SCEPTRE))) return 0;
    if (cond(value[1384] <= 2)) say(0, 1384, 0);
    if (cond(value[1384] == 1))
        return stop();
    rewrite_word(WORD_FINIAL, OBJ_SCEPTRE);
    return 0;
}

int doorway_word() {
    if (cond(near(OBJ_DOOR)).OR(near(OBJ_RUNE_SLAB)).OR(near(OBJ_HOARD_DOORS)).OR(near(OBJ_GATE)).AND(has(WORD_DOORWAY))) rewrite_word(WORD_DOORWAY,
        OBJ_DOOR);
    return 0;
}

int crevice_word() {
    if (cond(within(here(), PLACE_NORTH_RIM, PLACE_SUMMIT)).OR(within(here(), PLACE_DUNES_606,
                    PLACE_DUNES_617)).OR(here() == PLACE_LOOKOUT_POINT).AND(has(WORD_CREVICE)))
        rewrite_silent(WORD_CREVICE, PLACE_SUMMIT);
    return 0;
}

int jar_and_firefly() {
    if (cond(keyword(OBJ_JAR, OBJ_FIREFLY, -1))) rewrite_word(OBJ_JAR, WORD_TAKE);
    return 0;
}

int go_west_count() {
    if (!cond(keyword(WORD_WEST, WORD_GO, -1))) return 0;
    value[VAR_GO_WEST_COUNT] += 1;
    if (cond(value[VAR_GO_WEST_COUNT] == 5)) tell_typed(2000, cond(arg1() == WORD_GO) ? VAR_ARG1 : VAR_ARG2);
    return 0;
}

int reversed_directions() {
    if (cond(value[VAR_PHASE] == 8)) p820();
    return 0;
}

int colour_words() {
    if (cond(words() == 2).AND(within(arg2(), WORD_MILKY, 1126))) p754();
    return 0;
}

int maze_word() {
    if (!cond(has(WORD_MAZE)).AND(anyof(WORD_GO, WORD_IN, -1))) return 0;
    if (cond(within(here(), PLACE_MAZE_CROSSING, PLACE_TURNING_GALLERY_350)))
        say_stop(1425);
    else if (cond(here() == PLACE_INSCRIBED_ARCH).OR(here() == PLACE_STILL_POOL).OR(here() == PLACE_OUTER_HALL).OR(here() == PLACE_INNER_HALL))
        say_stop(2449);
    else
        say_stop(1424);
    return 0;
}

// The procedure of the place here; not for the speaking word with anything
// but a magic word.
int place_procedure() {
    if (cond(has(WORD_SAY)).AND(words() > 1).AND(!within(arg2(), 704, 722))) return 0;
    set('V', VAR_DIRECTION_WORD, 'c', 0, nullptr, nullptr);
    if (cond(here() == PLACE_PINNACLE)) rewrite_silent(WORD_BACK, WORD_SOUTH);
    if (cond(here_has(7)).AND(!here_has(18)).AND(carried(OBJ_HEADING)).AND(!has(WORD_LOOK))) {
        if (cond(within(arg1(), 744, 753)))
            set('V', VAR_DIRECTION_WORD, 'v', VAR_ARG1, nullptr, nullptr);
        else if (cond(words() == 2).AND(within(arg2(), 744, 753)))
            set('V', VAR_DIRECTION_WORD, 'v', VAR_ARG2, nullptr, nullptr);
        if (cond(value[VAR_DIRECTION_WORD] > 0)) {
            p152(var(VAR_DIRECTION_WORD));
            if (loop) return 0;
        }
    }
    if (cond(within(here(), PLACE_NORTHERN_HEATH, PLACE_PATH))) {
        p476();
        if (loop) return 0;
    }
    if (cond(has(WORD_MAT))) {
        if (cond(here() == PLACE_GLINT_GROTTO)) {
            int drop = cond(anyof(WORD_DROP, WORD_THROW, -1)).AND(carried(OBJ_CLOTH));
            int take = cond(anyof(WORD_ROLL, WORD_UNROLL, WORD_TAKE, -1)).AND(lies_here(OBJ_CLOTH));
            if (drop || take) rewrite_word(WORD_MAT, OBJ_CLOTH);
        } else {
            rewrite_word(WORD_MAT, OBJ_CLOTH);
        }
    }
    call_proc(here());
    return 0;
}

// Word 1131 names the lodestone or the sunstone, by what is near and held.
int stone_word() {
    if (!cond(has(WORD_STONE))) return 0;
    if (cond(near(OBJ_HEADING)).AND(near(OBJ_SUNSTONE))) {
        int held = carried(OBJ_HEADING) + carried(OBJ_SUNSTONE);
        if (held == 1) {
            if (cond(has(WORD_TAKE)))
                rewrite_word(WORD_STONE, cond(lies_here(OBJ_HEADING)) ? OBJ_HEADING : OBJ_SUNSTONE);
            else if (cond(anyof(WORD_DROP, WORD_THROW, -1)))
                rewrite_word(WORD_STONE, cond(carried(OBJ_HEADING)) ? OBJ_HEADING : OBJ_SUNSTONE);
        } else {
            say_stop(2818);
        }
    } else if (cond(near(OBJ_HEADING))) {
        rewrite_word(WORD_STONE, OBJ_HEADING);
    } else if (cond(near(OBJ_SUNSTONE))) {
        rewrite_word(WORD_STONE, OBJ_SUNSTONE);
    }
    return 0;
}

int jump_with_word() {
    if (cond(has(WORD_JUMP)).AND(words() == 2).AND(!anyof(WORD_OFF, WORD_CROSS, WORD_DOWN, -1))) say_stop(2587);
    return 0;
}

int place_as_verb() {
    if (!cond(bitest(arg1(), FLAG_IS_PLACE))) return 0;
    say_stop(cond(arg1() == here()) ? 1425 : 1424);
    return 0;
}

int end_game_calls() {
    if (!cond(value[VAR_PHASE] == 6).AND(words() > 1)) return 0;
    p805();
    if (loop) return 0;
    if (cond(has(OBJ_WAND)).OR(has(WORD_STAFF))) {
        p729();
        if (loop) return 0;
    }
    if (cond(anyof(WORD_STAFF, WORD_RIPPLES, WORD_WATCHFIRE, -1))) say_stop(2006);
    return 0;
}

constexpr rows::row STAFF_REPLIES[] = {
    rows::reply({WORD_STAFF, WORD_RIPPLES}, 2007),
    rows::reply({WORD_ONWARD, WORD_ACROSS}, 1297),
};

int trapdoor_and_staff() {
    if (cond(here() == PLACE_GLINT_GROTTO).OR(here() == PLACE_STAIR_LANDING).OR(here() == PLACE_START_OF_CRAWLWAY).AND(has(OBJ_TRAPDOOR))) {
        apport(OBJ_TRAPDOOR, here());
        bitmod('s', OBJ_TRAPDOOR, OFLAG_SEEN);
    }
    return rows::run<STAFF_REPLIES>();
}

int carvings_named() {
    if (!cond(has(PLACE_CARVINGS))) return 0;
    p184();
    if (loop) return 0;
    return stop();
}

int statue_word() {
    if (cond(has(OBJ_STATUE))) say_stop_variant(1753, cond(bitest(VAR_GAME_FLAGS_3, 5)) ? 1 : 0);
    return 0;
}

int count_word() {
    if (cond(has(WORD_COUNT))) say_stop_variant(2524, cond(value[PLACE_SANCTUM] == 5) ? 0 : 1);
    return 0;
}

int riches_word() {
    if (cond(words() == 1).OR(anyof(WORD_TAKE, WORD_FIND, WORD_READ, WORD_LOOK,
                   -1)).AND(has(WORD_RICHES))) say_stop(3213);
    return 0;
}

int smoke_and_scent() {
    if (!cond(anyof(WORD_SCENT, WORD_SMOKE, -1))) return 0;
    if (cond(bitest(OBJ_INCENSE, OFLAG_SEEN))) {
        value[VAR_LOOP_OBJECT] = cond(has(WORD_SCENT)) ? WORD_SCENT : WORD_SMOKE;
        *bitword(VAR_LOOP_OBJECT) = ref_mark;
        if (cond(have(OBJ_INCENSE, 0, 2)))
            say_stop_typed(2278, VAR_LOOP_OBJECT);
        else
            say_stop_typed(1319, VAR_LOOP_OBJECT);
    } else {
        say_stop(2007);
    }
    return 0;
}

int winder_and_nectar() {
    if (!cond(keyword(OBJ_WINDER, OBJ_LIQUID_4, -1)).AND(near(OBJ_WINDER)).AND(near(OBJ_LIQUID_4))) return 0;
    if (cond(bitest(OBJ_WINDER, 14))) {
        say_stop(3327);
    } else if (cond(bitest(OBJ_CREEPER, OFLAG_SEEN))) {
        bitmod('s', OBJ_WINDER, 14);
        say(0, 3323, 0);
        say_stop(1266);
    } else {
        say_stop(1360);
    }
    return 0;
}

int murmur_word() {
    if (!cond(has(WORD_MURMUR))) return 0;
    if (cond(within(here(), PLACE_GALLERY_STEPS, PLACE_PINNACLE)))
        say_stop_variant(3372, 0);
    else if (cond(within(here(), PLACE_RING_WALK_547, PLACE_RING_WALK_554)))
        say_stop_variant(3372, 1);
    else if (cond(here() == PLACE_BLUFF_PATH).OR(here() == PLACE_RIVER_BLUFF))
        say_stop(3371);
    else
        say_stop_variant(1319, WORD_MURMUR);
    return 0;
}

int spray_at_hazard() {
    if (!cond(here_has(PFLAG_HAZARD)).OR(here() == PLACE_BOTTOM_OF_FALL)) return 0;
    if (cond(has(WORD_SPRAY))) {
        if (cond(has(WORD_TAKE)).AND(bitest(OBJ_CREEPER, OFLAG_SEEN)))
            say_stop_variant(2034, 1);
        else if (cond(has(WORD_LOOK)))
            say_stop(3060);
        else
            say(SAY_DETAIL | SAY_STOP, OBJ_LIQUID_4, 0);
        return 0;
    }
    if (cond(keyword(WORD_TAKE, OBJ_LIQUID_1, -1)).OR(has(WORD_FILL_VESSEL)))
        say_stop_variant(2034, cond(bitest(OBJ_CREEPER, OFLAG_SEEN)) ? 1 : 0);
    return 0;
}

// The feather inside the small vessel while it is stoppered.
int feather_in_vial() {
    if (!cond(has(OBJ_FEATHER)).AND(near_in(OBJ_VESSEL_SMALL, 1))) return 0;
    mark_feature();
    if (cond(value[VAR_PRONOUN_BEFORE] == OBJ_VESSEL_SMALL).OR(!near(OBJ_FEATHER))) {
        value[OBJ_PRONOUN] = value[VAR_PRONOUN_BEFORE];
        if (cond(has(WORD_LOOK))) {
            say_stop(3232);
            return 0;
        }
        if (cond(has(WORD_BREAK))) {
            rewrite_silent(OBJ_FEATHER, OBJ_VESSEL_SMALL);
            call_proc(WORD_OPEN);
        }
    }
    return 0;
}

int word_procedure() {
    call_proc(arg1());
    return 0;
}

int mirror_flags() {
    p771();
    return 0;
}

int drop_rest_of_line() {
    flush_command();
    return 0;
}

// An object named that is not here, unless it is liquid 120 in a vessel or
// at a source.
int object_not_here() {
    if (!cond(bitest(arg1(), FLAG_IS_OBJECT))) return 0;
    set('V', VAR_VESSEL, 'c', 0, nullptr, nullptr);
    if (cond(arg1() == OBJ_LIQUID_1)) {
        p321(num(0));
        if (loop) return 0;
        if (cond(value[VAR_VESSEL] == 0).AND(here_has(PFLAG_LIQUID_SOURCE))) value[VAR_VESSEL] = 1;
    }
    if (cond(has(OBJ_LIQUID_1)).AND(value[VAR_VESSEL] > 0).OR(isnear(arg1(), -1, 0))) return 0;
    if (cond(bitest(arg1(), OFLAG_SEEN)))
        say_stop_typed(1319, VAR_ARG1);
    else
        say_stop(2007);
    return 0;
}

int fallback() {
    p39();
    if (loop) return 0;
    return stop();
}

constexpr game_proc steps[] = {
    // Parser failures, meta words and rewrites.
    bad_syntax, dump_word, word_order, smell_word, save_or_restore_first, lock_word, chamber_word,
    inscription_word, pronoun, remember_object, toggle_light, here_word, go_alone, engraving_word,
    somewhere_word, abbreviations, go_leaves, again_with_object, news_word, read_in_dark, look_checks,
    oil_named, liquid_word, ale_named, marks_and_nectar, toy_word, lookout_first, heading_at_318,
    gleam_to_sunstone, gleam_word, sunstone_to_gleam, rock_word, light_branch, moss_word, ping_word,
    bundle_to_pod, bracket_to_beacon, tapestry_to_cloth, staircase_to_steps, close_second,
    rune_door_closes, rod_in_phase_6, letters_and_axe, missing_object_and_all, late_fixed_replies,
    magic_sequence, novice_ends, save_anywhere, empty_command, first_word_failed, say_word,
    all_with_other_word, second_word_failed,
    // The place procedure, the word procedure and the last replies.
    per_command_variables, plant_words, token_word, pinion_word, finial_word, doorway_word,
    crevice_word, jar_and_firefly, go_west_count, reversed_directions, colour_words, maze_word,
    place_procedure, stone_word, jump_with_word, reversed_directions, place_as_verb, end_game_calls,
    trapdoor_and_staff, carvings_named, statue_word, count_word, riches_word, smoke_and_scent,
    winder_and_nectar, murmur_word, spray_at_hazard, feather_in_vial, word_procedure, mirror_flags,
    drop_rest_of_line, object_not_here, fallback,
};

}  // namespace

// REPEAT chain, part 5: dispatch.
int p7() {
    for (game_proc step : steps) {
        step();
        if (loop) return 0;
    }
    return 0;
}
