// The timeless chamber, the eyrie and the last places, and the kernel's
// pseudo-places that have a procedure: the timeless chamber where the first
// game begins and the Litany is said at the end; the eyrie and the posts
// beyond it, where the last trial is played; the sunken grotto under the
// streambed, left only by a word of travel; the last ledge, where the game
// ends; limbo where objects are parked, and the wings where the player waits
// before the first turn.
#include "game.h"

using namespace rows;

namespace {

// --- The timeless chamber (302) ---------------------------------------------

// Variable 1207 counts the words of the Litany said in order; its flags
// remember the two interjections (flags 5 and 6: once allowed; flags 0 and
// 1: allowed on the command just before). The variable never holds a refno,
// so its flags stay beside the count.

cond_fold introduction() { return cond(value[VAR_PHASE] == 2); }
int expected_word() { return WORD_LITANY_FIRST + value[VAR_LITANY_COUNT]; }

// The introduction ends: what was pending this turn is dropped, this
// machine remembers that the introduction has been seen, and "begin" says
// so from now on.
int forget_pending_output() {
    zap_text();
    return 0;
}
int remember_introduction() {
    value[VAR_RESULT] = 1;
    special(SPECIAL_PDATA_SET, &value[VAR_RESULT]);
    set('T', 1733, 'c', 1, nullptr, nullptr);
    return 0;
}

// A command about the Litany: one of its words, or an interjection.
cond_fold litany_command() {
    return cond(within(arg1(), WORD_LITANY_FIRST, WORD_LITANY_LAST))
        .OR(within(arg2(), WORD_LITANY_FIRST, WORD_LITANY_LAST))
        .OR(anyof(WORD_REFLECT, PLACE_FAR_END_OF_SQUEEZE, -1));
}
// "Say" with a word of the Litany: the word is judged alone.
int say_means_the_word() {
    set('V', VAR_ARG1, 'v', VAR_ARG2, nullptr, nullptr);
    value[VAR_COMMAND_STATUS] = 1;
    return 0;
}

cond_fold first_reflect() {
    return cond(has(WORD_REFLECT)).AND(value[VAR_LITANY_COUNT] == 5).AND(!bitest(VAR_LITANY_COUNT, 0));
}
cond_fold first_wirreth() {
    return cond(has(PLACE_FAR_END_OF_SQUEEZE)).AND(value[VAR_LITANY_COUNT] == 6).AND(!bitest(VAR_LITANY_COUNT, 1));
}

// Place 302: timeless chamber.
constexpr row TIMELESS_CHAMBER[] = {
    // No way leads out: every direction comes back here.
    moving(),
        go({WORD_NORTH, WORD_NORTHEAST, WORD_EAST, WORD_SOUTHEAST, WORD_SOUTH, WORD_SOUTHWEST, WORD_WEST, WORD_NORTHWEST, WORD_UP, WORD_DOWN}, PLACE_INTRO),
    end(),
    when(word_count(1).OR(has_any_word({WORD_GO, WORD_TAKE})).AND(has_word(WORD_OUT)), reply(1994)),
    reply({WORD_WALL}, 2096),
    first(),
        group(introduction),
            reply({WORD_HELP}, 1278),
            reply({WORD_YAWN, WORD_MARK, WORD_REWIND, WORD_RESTORE, WORD_STORY, WORD_MANUAL}, 2318),
            group({WORD_BEGIN}),
                let(VAR_TURNS_AT_ONE_PLACE, 0),
                step(forget_pending_output),
                tell(1280),
                step(remember_introduction),
                forced_on(PLACE_START),
                clear_flag(PLACE_START, PFLAG_VISITED),
                call(p188, num(1)),
                set_flag(VAR_QUESTION, 0),
                tell(1272),
                let(VAR_QUESTION, Q_INTRO),
                reply(1273),
            end(),
            reply({WORD_HELLO}, 2556),
            reply({WORD_WAIT}, 1279),
        end(),
        otherwise(),
            reply({WORD_BEGIN}, 1733),
            group([] { return cond(!litany_command()); }),
                mark({WORD_ECHO}),
                ret(),
            end(),
            step({WORD_SAY}, say_means_the_word),
            first(),
                group(first_reflect),
                    when([] { return cond(bitest(VAR_LITANY_COUNT, 5)); }, reply(1267)),
                    set_flag(VAR_LITANY_COUNT, 0),
                    set_flag(VAR_LITANY_COUNT, 5),
                    reply(3416),
                end(),
                otherwise(), clear_flag(VAR_LITANY_COUNT, 0), end(),
            end(),
            first(),
                group(first_wirreth),
                    when([] { return cond(bitest(VAR_LITANY_COUNT, 6)); }, reply(1267)),
                    set_flag(VAR_LITANY_COUNT, 1),
                    set_flag(VAR_LITANY_COUNT, 6),
                    reply(3417),
                end(),
                otherwise(), clear_flag(VAR_LITANY_COUNT, 1), end(),
            end(),
            // The right word: the last one ends the phase.
            group([] { return cond(arg1() == expected_word()); }),
                when([] { return cond(arg1() == WORD_LITANY_LAST); }, call(p528)),
                tell(1267),
                add(VAR_LITANY_COUNT, 1),
                stop(),
            end(),
            // A wrong word starts the Litany over, with one reply.
            first(),
                when([] { return cond(arg1() == expected_word() + 1); }, tell(2050)),
                group(value_over(VAR_LITANY_COUNT, 2)),
                    first(),
                        group([] { return cond(irand(100) < 20).OR(!bitest(VAR_GAME_FLAGS_2, 4)); }),
                            tell(1924),
                            set_flag(VAR_GAME_FLAGS_2, 4),
                        end(),
                        tell(1300),
                    end(),
                end(),
                tell(1329),
            end(),
            let(VAR_LITANY_COUNT, 0),
            stop(),
        end(),
    end(),
};

// --- Limbo (700) ------------------------------------------------------------

// Place 700: limbo.
// Whoever finds himself in limbo leaves by any way at all, to the whirling
// cave.
constexpr row LIMBO[] = {
    when(here_is(PLACE_HOLDING),
         forced_if({WORD_NORTH, WORD_NORTHEAST, WORD_EAST, WORD_SOUTHEAST, WORD_SOUTH, WORD_SOUTHWEST, WORD_WEST,
                    WORD_NORTHWEST, WORD_UP, WORD_DOWN, WORD_OUT},
                   PLACE_WHIRLING_CAVE)),
};

// --- The wings (701) --------------------------------------------------------

// Place 701: wings.
constexpr row WINGS[] = {
    moving(),
        go({WORD_OUT}, PLACE_DEPOSIT),
    end(),
};


// --- The eyrie (447), the watchpost (448) and the inner post (449) ------------

// Place 447: eyrie.
constexpr row EYRIE[] = {
    // "Read" alone reads the worn inscription.
    call(p185, ref(WORD_INSCRIPTION)),
    call(p297, ref(1933), ref(WORD_INSCRIPTION)),
    group({OBJ_CROWN}),
        reply({WORD_TAKE, WORD_LOOK}, 3434),
    end(),
    group({OBJ_ATTACKER}),
        group({WORD_STIR}),
            tell(1845),
            call(p154),
        end(),
        reply(3487),
    end(),
    look(),
        reply({WORD_CUBBY}, 2890),
        reply({PLACE_CEILING, PLACE_WELL_HEAD, WORD_UP, WORD_SKY}, 2019, arg(12)),
        reply({WORD_CLIFF}, 3515, arg(5)),
        reply({WORD_BRINK}, 3515, arg(0)),
        reply({PLACE_PATH}, 3515, arg(1)),
        let({PLACE_EYRIE}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    group({WORD_TAKE}),
        reply({OBJ_PLANT, OBJ_CREEPER}, 1408, arg_of(VAR_ARG2)),
        reply({WORD_CUBBY}, 2891),
    end(),
    moving(),
        go({WORD_SOUTHWEST}, PLACE_WATCHPOST),
        reply({PLACE_EYRIE}, 1425),
    end(),
    mark({PLACE_EYRIE, WORD_CUBBY, OBJ_ATTACKER, WORD_SKY, WORD_CLIFF}),
};

// Until the rod has gone off the rod and the wand are told apart only by
// their weight: looked at here, the rod is a staff like any other.

// Place 448: watchpost.
constexpr row WATCHPOST[] = {
    look(),
        when([] { return cond(has(OBJ_ROD)).AND(!bitest(OBJ_ROD, 18)); }, rewrite(OBJ_ROD, WORD_STAFF)),
        reply({PLACE_CEILING, PLACE_WELL_HEAD, WORD_UP, WORD_SKY}, 2019, arg(12)),
        reply({WORD_CLIFF}, 3515, arg(5)),
        reply({PLACE_PIT}, 3188),
        reply({WORD_CUBBY}, 2890),
        reply({PLACE_PATH}, 3515, arg(1)),
        reply({PLACE_WATCHPOST}, 3515, arg(2)),
        let({PLACE_EYRIE}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    reply(all({WORD_TAKE, WORD_CUBBY}), 2891),
    when(has_word(PLACE_PIT).AND(has_any_word({WORD_CLIMB, WORD_DOWN})), let(VAR_COMMAND_STATUS, 1)),
    moving(),
        // On toward the inner post only once the far post has been reached;
        // before that the path turns back to the eyrie.
        group({WORD_NORTHEAST}),
            when([] { return cond(is_visited(PLACE_FAR_POST)); }, forced(PLACE_INNER_POST)),
            forced(PLACE_EYRIE),
        end(),
        reply({PLACE_EYRIE}, 1425),
        reply({PLACE_PIT}, 3189),
    end(),
    mark({PLACE_EYRIE, PLACE_PIT, WORD_CUBBY, WORD_SKY, WORD_CLIFF}),
};

// Place 449: inner post.
constexpr row INNER_POST[] = {
    look(),
        reply({WORD_FLOOR, WORD_WATCHFIRE, PLACE_CARVINGS}, 3175),
        reply({WORD_HOLE, WORD_OPENING}, 2903, arg(WORD_HOLE)),
        reply({WORD_WALL}, 3176),
        reply({PLACE_PATH}, 3515, arg(1)),
        reply({PLACE_INNER_POST}, 3515, arg(3)),
        reply({PLACE_WATCHPOST}, 3515, arg(4)),
        reply({PLACE_CEILING, PLACE_WELL_HEAD, WORD_UP, WORD_SKY}, 2019, arg(12)),
        reply({WORD_CLIFF}, 3515, arg(5)),
        let({PLACE_EYRIE}, VAR_COMMAND_STATUS, 1),
        ret(),
    end(),
    moving(),
        go({WORD_SOUTHWEST}, PLACE_WATCHPOST),
        go({WORD_NORTHEAST, WORD_HOLE, WORD_OPENING}, PLACE_FAR_POST),
        reply({PLACE_EYRIE}, 1425),
    end(),
    mark({PLACE_EYRIE, WORD_WATCHFIRE, WORD_FLOOR, PLACE_CARVINGS, WORD_HOLE, WORD_OPENING, WORD_WALL, WORD_SKY,
          WORD_CLIFF}),
};

// --- The far post (450) and the drift (585) -----------------------------------

// Place 450: far post.
constexpr row FAR_POST[] = {
    look(),
        reply({PLACE_CEILING, PLACE_WELL_HEAD, WORD_UP, WORD_SKY}, 2019, arg(12)),
        reply({WORD_CLIFF}, 3515, arg(5)),
        reply({WORD_HOLE}, 2903, arg(WORD_HOLE)),
        reply({WORD_MIST}, 2380, arg(WORD_MIST)),
    end(),
    moving(),
        go({WORD_SOUTHWEST}, PLACE_INNER_POST),
        go({WORD_NORTHEAST, WORD_UP, WORD_SOUTH, WORD_WEST, WORD_NORTH}, PLACE_DRIFT),
        call({WORD_EAST, WORD_SOUTHEAST, WORD_DOWN, WORD_NORTHWEST}, p872),
    end(),
    mark({WORD_SKY, WORD_CLIFF, WORD_HOLE, WORD_MIST}),
};

// Place 585: drift.
// Every way out of the drift is a gamble on the wind: back to the far post
// one time in four; otherwise the second draw keeps the player where he is
// (a move all the same) or leaves him to the wind at the edge.
constexpr row DRIFT[] = {
    look(),
        reply({WORD_SKY, WORD_MIST, WORD_BANK, WORD_UP, PLACE_CEILING, PLACE_WELL_HEAD}, 2380, arg(WORD_MIST)),
    end(),
    moving(),
        group({WORD_NORTH, WORD_NORTHEAST, WORD_EAST, WORD_SOUTHEAST, WORD_SOUTH, WORD_SOUTHWEST, WORD_WEST, WORD_NORTHWEST, WORD_UP, WORD_DOWN}),
            when([] { return cond(irand(100) < 25); }, forced(PLACE_FAR_POST)),
            when([] { return cond(irand(100) < 40); }, forced(PLACE_DRIFT)),
            call(p872),
        end(),
    end(),
    mark({WORD_SKY, WORD_MIST, WORD_BANK}),
};

// --- The sunken grotto (671) --------------------------------------------------

// Place 671: sunken grotto.
// The grotto's value counts the commands given there, up to 3: the turn
// cycle says its hint once, when the count reaches 2.
constexpr row SUNKEN_GROTTO[] = {
    set_flag(PLACE_SUNKEN_GROTTO_674, PFLAG_VISITED),
    when(value_at_most(PLACE_SUNKEN_GROTTO_671, 2), add(PLACE_SUNKEN_GROTTO_671, 1)),
    look(),
        reply({WORD_WALL}, 2033, arg(WORD_WALL)),
        reply({OBJ_LIQUID_1, WORD_POOL, WORD_DOWN}, 2885),
        reply({WORD_CUBBY}, 2889),
        reply({PLACE_STREAMBED, WORD_STREAM}, 2888),
        reply({WORD_HOLE}, 2887),
        reply({WORD_UP, PLACE_CEILING, WORD_SKY}, 2019, arg(12)),
        ret(),
    end(),
    // "Say beruth" is the word alone.
    let({WORD_SAY, WORD_IN}, VAR_COMMAND_STATUS, 1),
    moving(),
        go({WORD_MAGIC_TRAVEL_1, WORD_MAGIC_TRAVEL_2}, PLACE_DEPOSIT, 2886),
        reply({WORD_NORTH, WORD_NORTHEAST, WORD_EAST, WORD_SOUTHEAST, WORD_SOUTH, WORD_SOUTHWEST, WORD_WEST, WORD_NORTHWEST, WORD_WALL}, 2884),
        reply({WORD_BACK, WORD_UPSTREAM, PLACE_STREAMBED, WORD_STREAM}, 2887),
        reply({WORD_SWIM, OBJ_LIQUID_1}, 1713, arg(0)),
        reply({WORD_DOWNSTREAM}, 3388),
    end(),
    reply({WORD_CUBBY}, 2891),
    mark({WORD_STREAM, PLACE_STREAMBED, PLACE_CEILING, WORD_WALL, WORD_SKY, WORD_HOLE, WORD_POOL}),
};

// --- The last ledge (672) -----------------------------------------------------

// Place 672: last ledge.
// A jump or a drop from the ledge ends the game.
constexpr row LAST_LEDGE[] = {
    look(),
        reply({WORD_DOWN, WORD_GRATING, WORD_LEDGE, WORD_SHELF, WORD_SKY}, 2393, arg(1)),
        reply({WORD_UP, PLACE_GRATE}, 2882),
        ret(),
    end(),
    reply({WORD_WAVE}, 2893),
    when(has_any_word({WORD_DROP, WORD_JUMP}).AND(has_any_word({WORD_DOWN, WORD_IN, WORD_OFF})),
         let(VAR_COMMAND_STATUS, 1)),
    moving(),
        go({WORD_UP, WORD_BACK, WORD_OUT}, PLACE_GRATE, 2880),
        call({WORD_JUMP, WORD_DROP}, p224, num(0)),
    end(),
    mark({WORD_LEDGE, WORD_SHELF, WORD_SKY}),
};

}  // namespace

int p628() { return run<TIMELESS_CHAMBER>(); }
int p709() { return run<EYRIE>(); }
int p819() { return run<WATCHPOST>(); }
int p62() { return run<INNER_POST>(); }
int p176() { return run<FAR_POST>(); }
int p177() { return run<DRIFT>(); }
int p941() { return run<SUNKEN_GROTTO>(); }
int p483() { return run<LAST_LEDGE>(); }
int p402() { return run<LIMBO>(); }
int p532() { return run<WINGS>(); }
