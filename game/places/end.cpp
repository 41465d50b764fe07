// The timeless chamber, the eyrie and the last places, and the kernel's
// pseudo-places that have a procedure: the timeless chamber where the first
// game begins and the Litany is said at the end, limbo where objects are
// parked, and the wings where the player waits before the first turn.
#include "game.h"

using namespace rows;

namespace {

// --- The timeless chamber (302) ---------------------------------------------

// Variable 1207 counts the words of the Litany said in order; its flags
// remember the two interjections (flags 5 and 6: once allowed; flags 0 and
// 1: allowed on the command just before). The variable never holds a refno,
// so its flags stay beside the count.
constexpr int LITANY_COUNT = 1207;
constexpr int LITANY_FIRST = 705, LITANY_LAST = 721;

cond_fold introduction() { return cond(value[VAR_PHASE] == 2); }
int expected_word() { return LITANY_FIRST + value[LITANY_COUNT]; }

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
    return cond(within(arg1(), LITANY_FIRST, LITANY_LAST))
        .OR(within(arg2(), LITANY_FIRST, LITANY_LAST))
        .OR(anyof(853, 287, -1));
}
// "Say" with a word of the Litany: the word is judged alone.
int say_means_the_word() {
    set('V', VAR_ARG1, 'v', VAR_ARG2, nullptr, nullptr);
    value[VAR_COMMAND_STATUS] = 1;
    return 0;
}

cond_fold first_reflect() {
    return cond(has(853)).AND(value[LITANY_COUNT] == 5).AND(!bitest(LITANY_COUNT, 0));
}
cond_fold first_wirreth() {
    return cond(has(287)).AND(value[LITANY_COUNT] == 6).AND(!bitest(LITANY_COUNT, 1));
}

constexpr row TIMELESS_CHAMBER[] = {
    // No way leads out: every direction comes back here.
    moving(),
        go({745, 746, 747, 748, 749, 750, 751, 752, WORD_AXIS_1, WORD_AXIS_2}, PLACE_INTRO),
    end(),
    when([] { return cond(words() == 1).OR(anyof(WORD_GO, WORD_TAKE, -1)).AND(has(WORD_OUTWARD)); }, reply(1994)),
    reply({936}, 2096),
    first(),
        group(introduction),
            reply({WORD_HELP}, 1278),
            reply({827, 829, 830, WORD_RESTORE, 836, 821}, 2318),
            group({728}),
                let(1201, 0),
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
            reply({871}, 2556),
            reply({727}, 1279),
        end(),
        otherwise(),
            reply({728}, 1733),
            group([] { return cond(!litany_command()); }),
                mark({937}),
                ret(),
            end(),
            step({WORD_SAY}, say_means_the_word),
            first(),
                group(first_reflect),
                    when([] { return cond(bitest(LITANY_COUNT, 5)); }, reply(1267)),
                    set_flag(LITANY_COUNT, 0),
                    set_flag(LITANY_COUNT, 5),
                    reply(3416),
                end(),
                otherwise(), clear_flag(LITANY_COUNT, 0), end(),
            end(),
            first(),
                group(first_wirreth),
                    when([] { return cond(bitest(LITANY_COUNT, 6)); }, reply(1267)),
                    set_flag(LITANY_COUNT, 1),
                    set_flag(LITANY_COUNT, 6),
                    reply(3417),
                end(),
                otherwise(), clear_flag(LITANY_COUNT, 1), end(),
            end(),
            // The right word: the last one ends the phase.
            group([] { return cond(arg1() == expected_word()); }),
                when([] { return cond(arg1() == LITANY_LAST); }, call(p528)),
                tell(1267),
                add(LITANY_COUNT, 1),
                stop(),
            end(),
            // A wrong word starts the Litany over, with one reply.
            first(),
                when([] { return cond(arg1() == expected_word() + 1); }, tell(2050)),
                group([] { return cond(value[LITANY_COUNT] > 2); }),
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
            let(LITANY_COUNT, 0),
            stop(),
        end(),
    end(),
};

// --- Limbo (700) ------------------------------------------------------------

// Whoever finds himself in limbo leaves by any way at all, to the whirling
// cave.
constexpr row LIMBO[] = {
    when([] { return cond(here() == PLACE_HOLDING); },
         forced_if({745, 746, 747, 748, 749, 750, 751, 752, WORD_AXIS_1, WORD_AXIS_2, WORD_OUTWARD}, 515)),
};

// --- The wings (701) --------------------------------------------------------

constexpr row WINGS[] = {
    moving(),
        go({WORD_OUTWARD}, PLACE_DEPOSIT),
    end(),
};

}  // namespace

int p628() { return run<TIMELESS_CHAMBER>(); }
int p402() { return run<LIMBO>(); }
int p532() { return run<WINGS>(); }
