// The interpreter of row tables (rows.h): walks a table's rows in order,
// tests each row's guard where the row is reached, acts, and stops at the
// first row that ends the turn or returns.
#include "rows.h"

#include "command.h"
#include "constants.h"
#include "game.h"
#include "say.h"

namespace rows {

cond_fold movement_guard() { return cond(anyof(WORD_GO, -1)).OR(value[VAR_COMMAND_STATUS] == 1); }

namespace {

const packed_member *current = nullptr;

// The words of a row's guard in the kernel's list form.
int word_list(const table_view &t, const packed_row &r, int *out) {
    for (int i = 0; i < r.nwords; i++) out[i] = t.words[r.words_at + i];
    return r.nwords;
}

// Whether the command has the guard's words (any, or all).
int words_hold(const table_view &t, const packed_row &r) {
    int w[MAX_WORDS];
    const int n = word_list(t, r, w);
    return r.all ? keyword_list(w, n) : anyof_list(w, n);
}

// A move whose message is 0 or more takes its words as moveto's own list;
// every other row's words are a condition.
bool words_are_moveto_list(const packed_row &r) {
    return (r.kind == op::move && r.b >= 0) || r.kind == op::move_held_words;
}

int compared(int x, compare c, int n) {
    switch (c) {
    case compare::eq: return x == n;
    case compare::ne: return x != n;
    case compare::lt: return x < n;
    case compare::le: return x <= n;
    case compare::gt: return x > n;
    case compare::ge: return x >= n;
    }
    return 0;
}

// One term of a fact.
int term_holds(const fact_term &x) {
    switch (x.kind) {
    case fact_kind::near: return near(x.a);
    case fact_kind::not_near: return !near(x.a);
    case fact_kind::carried: return carried(x.a);
    case fact_kind::not_carried: return !carried(x.a);
    case fact_kind::here: return here() == x.a;
    case fact_kind::value: return compared(value[x.a], x.cmp, x.b);
    case fact_kind::words: return compared(words(), x.cmp, x.a);
    case fact_kind::word: return has(x.a);
    case fact_kind::no_word: return !has(x.a);
    case fact_kind::any_word: {
        int w[FACT_WORDS];
        for (int i = 0; i <= x.a; i++) w[i] = x.w[i];
        return anyof_list(w, x.a + 1);
    }
    case fact_kind::asked: return value[VAR_QUESTION] == x.a;
    case fact_kind::none: break;
    }
    return 1;
}

// A fact of the world, folded term by term as the condition written out
// would be.
cond_fold holds(const fact &x) {
    cond_fold f = cond(term_holds(x.t[0]));
    for (int i = 1; i < x.n; i++)
        f = x.t[i].joined_by_or ? f.OR(term_holds(x.t[i])) : f.AND(term_holds(x.t[i]));
    return f;
}

// The row's guard: its test, then its words, folded into the status word.
bool guard_holds(const table_view &t, const packed_row &r) {
    cond_fold f;
    bool tested = false;
    if (r.test) {
        f = r.test();
        tested = true;
    } else if (r.fact_at != NO_FACT) {
        f = holds(t.facts[r.fact_at]);
        tested = true;
    }
    if (r.nwords > 0) {
        if (words_are_moveto_list(r)) {
            // moveto tests its own list: nothing is stored, and a move whose
            // words are absent does nothing, like a row not taken.
            if (tested && !f) return false;
            return words_hold(t, r) != 0;
        }
        f = tested ? f.AND(words_hold(t, r)) : cond(words_hold(t, r));
        tested = true;
    }
    return !tested || f;
}

// Index of the end that closes the block opened at i.
int block_end(const packed_row *r, int n, int i) {
    int depth = 0;
    for (int j = i; j < n; j++) {
        if (opens_block(r[j].kind)) depth++;
        if (r[j].kind == op::end && --depth == 0) return j;
    }
    return n;
}
// Index of the row after row i (after its block when it opens one).
int next_row(const packed_row *r, int n, int i) {
    return opens_block(r[i].kind) ? block_end(r, n, i) + 1 : i + 1;
}


// The outcome of a row or a block: go on, or leave the procedure.
enum class flow { on, leave };

flow walk_range(const table_view &t, int from, int to);

// Acts on row i of t, whose guard held.
flow act(const table_view &t, int i) {
    const packed_row *r = t.rows;
    const int n = t.n;
    const packed_row &x = r[i];
    const arg_pair *args = t.args + x.args_at;
    switch (x.kind) {
    case op::nothing:
    case op::end:
        break;
    case op::group:
        return walk_range(t, i + 1, block_end(r, n, i));
    case op::member_group:
        if (current && current->info.k[size_t(x.a)] != 0) return walk_range(t, i + 1, block_end(r, n, i));
        break;
    case op::first: {
        const int e = block_end(r, n, i);
        for (int j = i + 1; j < e; j = next_row(r, n, j)) {
            if (!guard_holds(t, r[j])) continue;
            return act(t, j);
        }
        break;
    }
    case op::say:
        say(x.a, x.b, x.c);
        break;
    case op::move: {
        int w[MAX_WORDS];
        int k = word_list(t, x, w);
        if (k > 0) w[k - 1] = -w[k - 1];
        moveto_list(x.a, x.b, w, x.b >= 0 ? k : 0);
        break;
    }
    case op::move_held:
        // A held text of 0 is a silent forced move, not a word move with no
        // words (which would not move at all).
        moveto_list(x.a, value[x.b] > 0 ? -value[x.b] : -2, nullptr, 0);
        break;
    case op::call:
        switch (x.nargs) {
        case 0:
            x.fn.p0();
            break;
        case 1:
            x.fn.p1(args[0]);
            break;
        case 2:
            x.fn.p2(args[0], args[1]);
            break;
        case 3:
            x.fn.p3(args[0], args[1], args[2]);
            break;
        default:
            x.fn.p4(args[0], args[1], args[2], args[3]);
            break;
        }
        break;
    case op::call_word:
        call_proc(x.a);
        break;
    case op::step:
        if (x.fn.step() != 0) return flow::leave;
        break;
    case op::let:
        value[x.a] = x.b;
        break;
    case op::let_ref:
        value[x.a] = x.b;
        if (int16_t *w = bitword(x.a)) *w = ref_mark;
        break;
    case op::add:
        value[x.a] += x.b;
        break;
    case op::flag:
        bitmod(x.c ? 's' : 'c', x.a, x.b);
        break;
    case op::put:
        apport(x.a, x.b < 0 ? value[VAR_HERE] : x.b);
        break;
    case op::mark:
        bitmod('s', evar(VAR_QUESTION), x.a);
        break;
    case op::stop:
        loop = 1;
        break;
    case op::ret:
        return flow::leave;
    case op::death:
        say(0, x.a, 0);
        moveto(PLACE_GONE, -1);
        p154();
        break;
    case op::heading:
        if (x.a) {
            value[VAR_DIRECTION_WORD] = x.a;
            *bitword(VAR_DIRECTION_WORD) = ref_mark;
        }
        if (x.b) p152(var(VAR_DIRECTION_WORD));
        break;
    case op::member:
        if (current) {
            const table_view own = {t.rows + current->rows_at, current->nrows, t.words, t.facts, t.args};
            return walk_range(own, 0, own.n);
        }
        break;
    case op::call_member:
        if (current) x.fn.p1(num(current->info.k[size_t(x.a)]));
        break;
    case op::variant:
        set('T', x.a, 'c', x.b, nullptr, nullptr);
        break;
    case op::copy:
        set('V', x.a, 'v', x.b, nullptr, nullptr);
        break;
    case op::either:
        if (cond(irand(100) <= 49))
            value[x.a] = x.b;
        else
            value[x.a] = x.c;
        if (int16_t *w = bitword(x.a)) *w = ref_mark;
        break;
    case op::rewrite:
        for (int slot : {VAR_ARG1, VAR_ARG2}) {
            if (value[slot] != x.b) continue;
            value[slot] = x.c;
            if (x.a) fake(slot == VAR_ARG1 ? 1 : 2, x.c);
        }
        break;
    case op::flag_held:
        bitmod(x.c ? 's' : 'c', evar(x.a), x.b);
        break;
    case op::call_held:
        call_proc(value[x.a]);
        break;
    case op::move_held_words: {
        int w[MAX_WORDS];
        int k = word_list(t, x, w);
        if (k > 0) w[k - 1] = -w[k - 1];
        moveto_list(x.a, value[x.b], w, k);
        break;
    }
    case op::land:
        value[x.c ? VAR_DROP_PLACE : VAR_LANDING_PLACE] = x.a;
        *bitword(x.c ? VAR_DROP_PLACE : VAR_LANDING_PLACE) = ref_mark;
        value[x.c ? VAR_DROP_TEXT : VAR_LANDING_TEXT] = x.b;
        *bitword(x.c ? VAR_DROP_TEXT : VAR_LANDING_TEXT) = ref_mark;
        break;
    }
    return loop ? flow::leave : flow::on;
}

flow walk_range(const table_view &t, int from, int to) {
    const table_view range = {t.rows, to, t.words, t.facts, t.args};
    for (int i = from; i < to; i = next_row(t.rows, to, i)) {
        if (t.rows[i].kind == op::end) continue;
        if (!guard_holds(t, t.rows[i])) continue;
        if (act(range, i) == flow::leave) return flow::leave;
    }
    return flow::on;
}

}  // namespace

const member_info &this_member() {
    static const member_info none{};
    return current ? current->info : none;
}

int walk(const table_view &t, const packed_member *m) {
    const packed_member *outer = current;
    if (m) current = m;
    walk_range(t, 0, t.n);
    current = outer;
    return 0;
}

}  // namespace rows
