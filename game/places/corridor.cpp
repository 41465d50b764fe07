// The rune door, the long corridor and the honeycomb (see docs/world.md).
// The honeycomb's twenty cells share one shape: a few feature words at some
// cells, the look replies of the maze, the cell's own exits (one row each,
// some open only until the ledger cell is seen or only straight after
// coming from a given cell), and the maze's rule for every other way. The
// ledger cell adds the exchange with the ledger.
#include "game.h"

using namespace rows;

namespace {

// The numbers in which the cells differ: k[0] the cell's type for the maze
// rules (which feature words they answer), k[1] the cells with the two
// pre-rows, k[2] the dead-end cells whose look answers word 936 first, k[3]
// the ledger cell.
constexpr int TYPE = 0, PRE_ROWS = 1, LOOK_936 = 2, LEDGER = 3;

cond_fold ledger_seen() { return cond(!bitest(670, PFLAG_VISITED)); }
cond_fold from_665() { return cond(value[VAR_THERE] == 665); }
cond_fold from_666() { return cond(value[VAR_THERE] == 666); }

constexpr member HONEYCOMB[] = {
    {651, {2, 1}, {go({752}, 652), go({746}, 653), go({748}, 647)}},
    {652, {2, 1}, {go({748}, 651)}},
    {653, {1}, {go({750}, 651), go({746}, 654), go({752}, 656)}},
    {654, {1}, {go({746}, 655), go({750}, 653)}},
    {655, {1}, {go({750}, 654)}},
    {656, {2, 1}, {go({748}, 653), go({752}, 657), go({751}, 658)}},
    {657, {2, 1}, {go({748}, 656), go({747}, 655)}},
    {658, {2, 1}, {when(ledger_seen, go({749}, 652)), go({750}, 661), go({751}, 659), go({745}, 657)}},
    {659, {1}, {go({747}, 658), go({751}, 660)}},
    {660, {1}, {go({747}, 659)}},
    {661, {1}, {go({746}, 658), go({750}, 662), go({751}, 663)}},
    {662, {1}, {go({752}, 661), when(ledger_seen, go({747}, 651))}},
    {663, {1}, {go({747}, 661), go({751}, 664), go({752}, 665)}},
    {664, {0}, {go({747}, 663), go({750}, 662)}},
    {665, {0}, {go({746}, 666), go({748}, 663), go({750}, 668), go({752}, 669)}},
    {666, {1}, {when(from_665, go({747}, 657)), go({750}, 665), go({752}, 667)}},
    {667, {0}, {go({748}, 666), go({751}, 670), when(from_666, go({747}, 655))}},
    {668, {0, 0, 1}, {go({746}, 665)}},
    {669, {0, 0, 1}, {go({748}, 665)}},
    {670, {0, 0, 1, 1}, {go({747}, 667)}},
};

// At the ledger cell, "open" and "look at" the ledger are reading it.
int open_and_look_mean_read() {
    if (cond(has(WORD_OPEN)).AND(cond(has(170)).OR(value[VAR_COMMAND_STATUS] == 1)))
        for (int slot : {VAR_ARG1, VAR_ARG2})
            if (value[slot] == WORD_OPEN) value[slot] = 798;
    if (cond(has(170)))
        for (int slot : {VAR_ARG1, VAR_ARG2})
            if (value[slot] == WORD_LOOK) value[slot] = 798;
    return 0;
}

cond_fold names_ledger_or_alone() { return cond(has(170)).OR(value[VAR_COMMAND_STATUS] == 1); }

constexpr row HONEYCOMB_CELL[] = {
    // The ledger's exchange: an offer made on the last command is answered
    // by this one or lapses.
    member_group(LEDGER),
        group([] { return cond(value[170] > 1); }),
            let(170, 1),
            group({745, 857}),
                let(VAR_EXCHANGE_STATE, 3),
                reply(3397),
            end(),
            reply({856}, 3477),
        end(),
        step(open_and_look_mean_read),
        call(p185, ref(170)),
        group([] { return names_ledger_or_alone().AND(has(798)); }),
            when([] { return cond(value[VAR_EXCHANGE_STATE] == 0); }, let(VAR_EXCHANGE_STATE, 1)),
            reply(2784),
        end(),
        group([] { return names_ledger_or_alone().AND(has(WORD_TAKE)); }),
            first(),
                when([] { return cond(value[VAR_EXCHANGE_STATE] == 3); }, reply(3398)),
                otherwise(),
                    tell(2782),
                    when([] { return cond(value[VAR_EXCHANGE_STATE] == 1); }, let(VAR_EXCHANGE_STATE, 2)),
                    when([] { return cond(value[VAR_EXCHANGE_STATE] == 2); }, let(170, 2)),
                    stop(),
                end(),
            end(),
        end(),
        group({170}),
            reply({808, 807}, 2783, arg_of(VAR_ARG1)),
            mark(),
            ret(),
        end(),
    end(),
    member_group(PRE_ROWS),
        reply({1068}, 3033),
        reply(all({WORD_TAKE, 1069}), 3035),
    end(),
    look(),
        member_group(LOOK_936),
            reply({936}, 3429),
        end(),
        call_member(p22, TYPE),
        ret(),
    end(),
    group([] { return cond(anyof(WORD_GO, 762, -1)).OR(value[VAR_COMMAND_STATUS] == 1); }),
        member_rows(),
    end(),
    call_member(p467, TYPE),
    member_group(LEDGER),
        mark({1018}),
    end(),
};

template <int PLACE>
int cell() {
    return run_member<HONEYCOMB_CELL, HONEYCOMB>(PLACE);
}

}  // namespace

int p449() { return cell<651>(); }
int p450() { return cell<652>(); }
int p451() { return cell<653>(); }
int p452() { return cell<654>(); }
int p453() { return cell<655>(); }
int p454() { return cell<656>(); }
int p455() { return cell<657>(); }
int p456() { return cell<658>(); }
int p457() { return cell<659>(); }
int p458() { return cell<660>(); }
int p459() { return cell<661>(); }
int p460() { return cell<662>(); }
int p461() { return cell<663>(); }
int p462() { return cell<664>(); }
int p463() { return cell<665>(); }
int p464() { return cell<666>(); }
int p465() { return cell<667>(); }
int p468() { return cell<668>(); }
int p469() { return cell<669>(); }
int p466() { return cell<670>(); }
