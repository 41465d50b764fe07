// Row tables: the form in which the game writes procedures whose logic is a
// list of rows (places, reply lists, fixed replies). A table is a constant
// array of rows; one interpreter (rows.cpp) walks it:
//
//   constexpr row P313[] = {
//       look(),
//           reply({1040}, 3174),
//           reply({312}, 3125, arg(1)),
//           ret(),
//       end(),
//       moving(),
//           when([] { return cond(value[32] == 1); }, go({752}, 314)),
//           go({749}, 312),
//       end(),
//       mark({201, 936, 1040}),
//   };
//   int p79() { return run<P313>(); }
//
// Rows run in order. A row may carry a test (a condition written with the
// fold, evaluated where the row is reached) and a word guard (the command's
// first or second word is one of a list, or every word of a list is in the
// command), tested in that order; when both hold, the row acts. `loop` is
// tested after every row, so a row that ends the turn ends the walk, and a
// `ret()` row returns without ending the turn.
//
// Blocks: `group(...)` ... `end()` runs its rows when its guard holds;
// `look()` and `moving()` are groups guarded by the look word and by the
// movement guard (GO, or a one-word command); `first()` ... `end()` acts on
// the first of its rows whose guard holds (a chain of else-ifs; a group
// inside it is one row), then leaves the block.
//
// Conditions go to the status word as the game's conditions always do: a
// test's fold stores each step there, and a word guard is one more term
// (value[0] := its result, folded with AND after a test). The words of a
// move that has a message of 0 or more are the word list of `moveto`
// itself and touch no status word, as a hand-written `moveto` would not.
//
// Refnos are typed: a text where a place belongs, or a number outside the
// entities of its kind, does not compile.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>

#include "proc.h"
#include "state.h"

namespace rows {

// A refno of one kind, checked when the table is compiled.
template <int LO, int HI>
struct refno_in {
    int n;
    consteval refno_in(int v) : n(v) {
        if (v < LO || v > HI) throw "this refno is not of the kind the row expects";
    }
};
using text_no = refno_in<1264, 3571>;
using place_no = refno_in<195, 703>;
using object_no = refno_in<3, 194>;
using word_no = refno_in<3, 1143>;    // whatever a command's word slot can hold
using var_no = refno_in<1144, 1263>;
using value_no = refno_in<0, 3571>;   // anything with a value: states, place values, variables
using flagged_no = refno_in<3, 1264>; // anything with flag words

// The words a row tests: any of them is the first or second word (`anyof`),
// or all of them are in the command (`keyword`).
constexpr int MAX_WORDS = 16;
struct words_guard {
    uint8_t all = 0;  // 1: every word must be in the command
    uint8_t n = 0;    // 0: no word test
    std::array<int16_t, MAX_WORDS> w{};

    constexpr words_guard() = default;
    constexpr words_guard(std::initializer_list<word_no> list) {
        if (list.size() == 0 || list.size() > MAX_WORDS) throw "a word list holds 1 to 16 words";
        for (word_no x : list) w[n++] = int16_t(x.n);
    }
};
constexpr words_guard all(std::initializer_list<word_no> list) {
    words_guard g(list);
    g.all = 1;
    return g;
}

// The argument of a said text: a constant variant, or the value of an
// entity (a typed word when the entity is a word slot).
struct say_arg {
    int quals = 0;  // SAY_ARG, with SAY_ARGVAR for a value
    int value = 0;
};
consteval say_arg arg(int k) { return {0x08, k}; }
consteval say_arg arg_of(value_no v) { return {0x08 | 0x04, v.n}; }

using test_fn = cond_fold (*)();
using step_fn = int (*)();  // plain C++ for an irregular step; non-zero returns from the procedure

enum class op : uint8_t {
    nothing,
    group,      // a block run when its guard holds
    first,      // a block that acts on its first row whose guard holds
    end,        // closes the innermost block
    say,        // say(a, b, c)
    move,       // moveto(a, b) with the row's words as its list when b >= 0
    move_held,  // moveto(a, -(value[b])): a forced move saying the text a variable holds
    call,       // a game procedure with up to four constant arguments
    call_word,  // the procedure the table holds for entity a
    step,       // a small C++ function
    let,        // value[a] := b
    let_ref,    // value[a] := b, marked as a refno
    add,        // value[a] += b
    flag,       // bitmod(c ? 's' : 'c', a, b)
    put,        // apport(a, b); b < 0: the place here
    mark,       // flag a of the entity VAR_QUESTION holds
    stop,       // ends the turn
    ret,        // returns from the procedure
    death,      // say a, the player to PLACE_GONE (go on), the death procedure
    heading,    // VAR_DIRECTION_WORD := a (marked); b: then the heading check
    member,     // the rows of the look-alike member being run
    call_member,// a game procedure with the member's number k[a]
    land,       // the landing (c = 0) or drop (c = 1) place a and text b, marked
    member_group, // a block run for the members whose k[a] is not 0
    variant,    // the variant counter of text a := b (capped to its variants)
    copy,       // value[a] := value[b], with b's mark
    either,     // value[a] := b or c, even chances (one draw), marked
    rewrite,    // word b becomes c in the word slots; a = 1: c's own word is shown
    flag_held,  // bitmod(c ? 's' : 'c', evar(a), b): a flag of the entity variable a holds
    call_held,  // the procedure the table holds for the entity variable a holds (0..1143)
    move_held_words, // moveto(a, value[b], words): a word move saying the text variable b holds
};

union proc_ptr {
    int (*p0)();
    int (*p1)(arg_pair);
    int (*p2)(arg_pair, arg_pair);
    int (*p3)(arg_pair, arg_pair, arg_pair);
    int (*p4)(arg_pair, arg_pair, arg_pair, arg_pair);
    step_fn step;
};

// Facts of the world as a row's test: an object near or carried, the place
// here, a value or the number of words compared with a number, a word of
// the command, the question pending. A fact is tested where the row is
// reached and folded into the status word as `cond` folds its term; facts
// joined by AND and OR fold left to right, as the same terms written with
// `cond(...).AND(...).OR(...)` would, so `when(object_near(27), ...)`
// stores and answers what `when([] { return cond(near(27)); }, ...)` does.
enum class fact_kind : uint8_t { none, near, not_near, carried, not_carried, here, value, words, word, no_word,
                                 any_word, asked };
enum class compare : uint8_t { eq, ne, lt, le, gt, ge };
constexpr int FACT_WORDS = 8;   // the words of one any-word term, with the -1 that ends them
constexpr int FACT_TERMS = 3;
struct fact_term {
    fact_kind kind = fact_kind::none;
    compare cmp = compare::eq;
    uint8_t joined_by_or = 0;   // how it folds onto the terms before it
    int a = 0, b = 0;
    std::array<int16_t, FACT_WORDS> w{};
};
struct fact {
    uint8_t n = 0;
    std::array<fact_term, FACT_TERMS> t{};

    constexpr fact() = default;
    constexpr fact(fact_term x) : n(1) { t[0] = x; }
    constexpr fact AND(fact x) const { return joined(x, 0); }
    constexpr fact OR(fact x) const { return joined(x, 1); }

private:
    constexpr fact joined(fact x, uint8_t by_or) const {
        if (x.n != 1) throw "a fact joins one term at a time";
        if (n >= FACT_TERMS) throw "a fact folds at most three terms";
        fact r = *this;
        r.t[r.n] = x.t[0];
        r.t[r.n].joined_by_or = by_or;
        r.n++;
        return r;
    }
};

struct row {
    op kind = op::nothing;
    uint8_t nargs = 0;
    words_guard words{};
    test_fn test = nullptr;
    bool tested = false;  // a test is given (kept apart: a sanitized build cannot compare a function's address in a constant)
    fact world{};  // a fact as the test (when no test function is given)
    int a = 0, b = 0, c = 0;
    proc_ptr fn{.p0 = nullptr};
    arg_pair args[4] = {};
};

// --- Guards ---------------------------------------------------------------

// The row acts only when the test holds (evaluated before the row's words).
constexpr row when(test_fn test, row r) {
    if (r.tested || r.world.n) throw "a row has one test";
    r.test = test;
    r.tested = true;
    return r;
}
// The row acts only when the fact holds (tested before the row's words).
constexpr row when(fact f, row r) {
    if (r.tested || r.world.n) throw "a row has one test";
    r.world = f;
    return r;
}

// The facts.
constexpr fact_term term(fact_kind k, compare c, int a, int b = 0) {
    fact_term x;
    x.kind = k;
    x.cmp = c;
    x.a = a;
    x.b = b;
    return x;
}
constexpr fact object_near(object_no o) { return term(fact_kind::near, compare::eq, o.n); }
constexpr fact object_not_near(object_no o) { return term(fact_kind::not_near, compare::eq, o.n); }
constexpr fact object_carried(object_no o) { return term(fact_kind::carried, compare::eq, o.n); }
constexpr fact object_not_carried(object_no o) { return term(fact_kind::not_carried, compare::eq, o.n); }
constexpr fact here_is(place_no p) { return term(fact_kind::here, compare::eq, p.n); }
constexpr fact value_is(value_no v, int n) { return term(fact_kind::value, compare::eq, v.n, n); }
constexpr fact value_not(value_no v, int n) { return term(fact_kind::value, compare::ne, v.n, n); }
constexpr fact value_under(value_no v, int n) { return term(fact_kind::value, compare::lt, v.n, n); }
constexpr fact value_at_most(value_no v, int n) { return term(fact_kind::value, compare::le, v.n, n); }
constexpr fact value_over(value_no v, int n) { return term(fact_kind::value, compare::gt, v.n, n); }
constexpr fact value_at_least(value_no v, int n) { return term(fact_kind::value, compare::ge, v.n, n); }
// The number of words of the command (0 for an empty line).
constexpr fact word_count(int n) { return term(fact_kind::words, compare::eq, n); }
constexpr fact word_count_over(int n) { return term(fact_kind::words, compare::gt, n); }
// Word w is (or is not) the command's first or second word; any of a list is.
constexpr fact has_word(word_no w) { return term(fact_kind::word, compare::eq, w.n); }
constexpr fact lacks_word(word_no w) { return term(fact_kind::no_word, compare::eq, w.n); }
constexpr fact has_any_word(std::initializer_list<word_no> list) {
    if (list.size() == 0 || list.size() >= FACT_WORDS) throw "an any-word fact holds 1 to 7 words";
    fact_term x = term(fact_kind::any_word, compare::eq, int(list.size()));
    int i = 0;
    for (word_no w : list) x.w[i++] = int16_t(w.n);
    x.w[i] = -1;
    return x;
}
// The question pending is q (or q2: two terms joined by OR).
constexpr fact asked(int q) { return term(fact_kind::asked, compare::eq, q); }
constexpr fact asked(int q, int q2) { return asked(q).OR(asked(q2)); }

// --- Blocks ---------------------------------------------------------------

constexpr row group(words_guard w) {
    row r{op::group};
    r.words = w;
    return r;
}
constexpr row group(test_fn test) { return when(test, row{op::group}); }
constexpr row group(fact f) { return when(f, row{op::group}); }
constexpr row first() { return row{op::first}; }
// A group without a guard: the last branch of a first block.
constexpr row otherwise() { return row{op::group}; }
constexpr row end() { return row{op::end}; }

cond_fold movement_guard();  // GO in the command, or a one-word command
// The look block: the look word is in the command.
constexpr row look() { return group({822}); }
// The movement block: GO is in the command, or the command is one word.
constexpr row moving() { return group(movement_guard); }

// --- Saying ---------------------------------------------------------------

constexpr row say_row(int quals, words_guard w, text_no t, say_arg a) {
    row r{op::say};
    r.words = w;
    r.a = quals | a.quals;
    r.b = t.n;
    r.c = a.value;
    return r;
}
// Say a text and go on.
constexpr row tell(text_no t, say_arg a = {}) { return say_row(0, {}, t, a); }
constexpr row tell(words_guard w, text_no t, say_arg a = {}) { return say_row(0, w, t, a); }
// Say a text and end the turn.
constexpr row reply(text_no t, say_arg a = {}) { return say_row(0x40, {}, t, a); }
constexpr row reply(words_guard w, text_no t, say_arg a = {}) { return say_row(0x40, w, t, a); }
// Any say, with its qualifiers spelled out (an entity's description, a
// variable's refno).
constexpr row say_as(int quals, value_no r, int argument) {
    row x{op::say};
    x.a = quals;
    x.b = r.n;
    x.c = argument;
    return x;
}

// --- Moving the player ----------------------------------------------------

// To `p` when the command names one of the words; silently or saying `t`;
// the turn ends.
constexpr row go(words_guard w, place_no p) {
    if (w.all || w.n == 0) throw "a word move needs a list of words, any of which moves";
    row r{op::move};
    r.words = w;
    r.a = p.n;
    r.b = 0;
    return r;
}
constexpr row go(words_guard w, place_no p, text_no t) {
    row r = go(w, p);
    r.b = t.n;
    return r;
}
// To `p` whatever the words (a guard is a condition): silently, or saying
// `t`; the turn ends.
constexpr row forced(place_no p) {
    row r{op::move};
    r.a = p.n;
    r.b = -2;
    return r;
}
constexpr row forced(place_no p, text_no t) {
    row r = forced(p);
    r.b = -t.n;
    return r;
}
constexpr row forced_if(words_guard w, place_no p) {
    row r = forced(p);
    r.words = w;
    return r;
}
constexpr row forced_if(words_guard w, place_no p, text_no t) {
    row r = forced(p, t);
    r.words = w;
    return r;
}
// To `p` silently, and the procedure goes on.
constexpr row forced_on(place_no p) {
    row r{op::move};
    r.a = p.n;
    r.b = -1;
    return r;
}
// To `p` saying the text that variable `v` holds; the turn ends.
constexpr row forced_held(place_no p, var_no v) {
    row r{op::move_held};
    r.a = p.n;
    r.b = v.n;
    return r;
}
constexpr row forced_held(words_guard w, place_no p, var_no v) {
    row r = forced_held(p, v);
    r.words = w;
    return r;
}
// The death of the form used by place rows: the text, the player to
// PLACE_GONE, the death procedure.
constexpr row death(text_no t) {
    row r{op::death};
    r.a = t.n;
    return r;
}
constexpr row death(words_guard w, text_no t) {
    row r = death(t);
    r.words = w;
    return r;
}

// --- Calls ----------------------------------------------------------------

constexpr row call(int (*f)()) {
    row r{op::call};
    r.fn.p0 = f;
    return r;
}
constexpr row call(words_guard w, int (*f)()) {
    row r = call(f);
    r.words = w;
    return r;
}
constexpr row call(int (*f)(arg_pair), arg_pair x) {
    row r{op::call};
    r.nargs = 1;
    r.fn.p1 = f;
    r.args[0] = x;
    return r;
}
constexpr row call(int (*f)(arg_pair, arg_pair), arg_pair x, arg_pair y) {
    row r{op::call};
    r.nargs = 2;
    r.fn.p2 = f;
    r.args[0] = x;
    r.args[1] = y;
    return r;
}
constexpr row call(int (*f)(arg_pair, arg_pair, arg_pair), arg_pair x, arg_pair y, arg_pair z) {
    row r{op::call};
    r.nargs = 3;
    r.fn.p3 = f;
    r.args[0] = x;
    r.args[1] = y;
    r.args[2] = z;
    return r;
}
constexpr row call(int (*f)(arg_pair, arg_pair, arg_pair, arg_pair), arg_pair x, arg_pair y, arg_pair z,
                   arg_pair u) {
    row r{op::call};
    r.nargs = 4;
    r.fn.p4 = f;
    r.args[0] = x;
    r.args[1] = y;
    r.args[2] = z;
    r.args[3] = u;
    return r;
}
template <class... A>
constexpr row call(words_guard w, A... a) {
    row r = call(a...);
    r.words = w;
    return r;
}
// The procedure that the procedure table holds for entity `e` (a word's,
// a place's or an object's).
constexpr row call_word(word_no e) {
    row r{op::call_word};
    r.a = e.n;
    return r;
}
constexpr row call_word(words_guard w, word_no e) {
    row r = call_word(e);
    r.words = w;
    return r;
}
// A small C++ function of the procedure's own: non-zero returns from the
// procedure (without ending the turn unless it set `loop`).
constexpr row step(step_fn f) {
    row r{op::step};
    r.fn.step = f;
    return r;
}
constexpr row step(words_guard w, step_fn f) {
    row r = step(f);
    r.words = w;
    return r;
}

// --- The world ------------------------------------------------------------

constexpr row let(value_no v, int n) {
    row r{op::let};
    r.a = v.n;
    r.b = n;
    return r;
}
constexpr row let(words_guard w, value_no v, int n) {
    row r = let(v, n);
    r.words = w;
    return r;
}
// value[v] := refno e, with v marked as holding a refno.
constexpr row let_ref(value_no v, value_no e) {
    row r{op::let_ref};
    r.a = v.n;
    r.b = e.n;
    return r;
}
constexpr row let_ref(words_guard w, value_no v, value_no e) {
    row r = let_ref(v, e);
    r.words = w;
    return r;
}
constexpr row add(value_no v, int n) {
    row r{op::add};
    r.a = v.n;
    r.b = n;
    return r;
}
constexpr row set_flag(flagged_no e, int flag) {
    row r{op::flag};
    r.a = e.n;
    r.b = flag;
    r.c = 1;
    return r;
}
constexpr row clear_flag(flagged_no e, int flag) {
    row r = set_flag(e, flag);
    r.c = 0;
    return r;
}
// Object `o` to place `p`, or to the place here.
constexpr row put(object_no o, place_no p) {
    row r{op::put};
    r.a = o.n;
    r.b = p.n;
    return r;
}
constexpr row put_here(object_no o) {
    row r{op::put};
    r.a = o.n;
    r.b = -1;
    return r;
}

// The variant counter of a text set to k, capped to the text's variants
// (set('T')).
constexpr row let_variant(text_no t, int k) {
    row r{op::variant};
    r.a = t.n;
    r.b = k;
    return r;
}
// Variable `to` takes the value of `from`, and its mark.
constexpr row copy(value_no to, value_no from) {
    row r{op::copy};
    r.a = to.n;
    r.b = from.n;
    return r;
}
// Variable v := x or y with even chances (one draw, irand(100) <= 49 for
// x), marked as a refno.
constexpr row either(value_no v, word_no x, word_no y) {
    row r{op::either};
    r.a = v.n;
    r.b = x.n;
    r.c = y.n;
    return r;
}
// Word w, in whichever of the two word slots holds it, becomes x: a silent
// rewrite keeps the typed word, a shown one shows x's own word.
constexpr row rewrite(word_no w, word_no x) {
    row r{op::rewrite};
    r.a = 0;
    r.b = w.n;
    r.c = x.n;
    return r;
}
constexpr row rewrite_shown(word_no w, word_no x) {
    row r = rewrite(w, x);
    r.a = 1;
    return r;
}
// A flag of the entity that variable v holds (through evar).
constexpr row set_flag_held(var_no v, int flag) {
    row r{op::flag_held};
    r.a = v.n;
    r.b = flag;
    r.c = 1;
    return r;
}
constexpr row clear_flag_held(var_no v, int flag) {
    row r = set_flag_held(v, flag);
    r.c = 0;
    return r;
}
// The procedure the table holds for the entity a variable holds (a word
// slot: the command's first or second word); refnos outside 0..1143 are
// reported, not called.
constexpr row call_held(var_no v) {
    row r{op::call_held};
    r.a = v.n;
    return r;
}
// To `p` when a word matches, saying the text variable `v` holds (none
// while it holds 0); the turn ends.
constexpr row go_held(words_guard w, place_no p, var_no v) {
    if (w.all || w.n == 0) throw "a word move needs a list of words, any of which moves";
    row r{op::move_held_words};
    r.words = w;
    r.a = p.n;
    r.b = v.n;
    return r;
}

// --- Stops ----------------------------------------------------------------

constexpr row stop() { return row{op::stop}; }
constexpr row stop(words_guard w) {
    row r = stop();
    r.words = w;
    return r;
}
constexpr row ret() { return row{op::ret}; }
constexpr row ret(words_guard w) {
    row r = ret();
    r.words = w;
    return r;
}

// --- The place conventions ------------------------------------------------

// The feature-word marks: flag 1 (a feature of the place was named) or
// flag 2 (the place's own name) of the entity VAR_QUESTION holds.
constexpr row mark(words_guard w) {
    row r{op::mark};
    r.words = w;
    r.a = 1;
    return r;
}
constexpr row mark() {
    row r{op::mark};
    r.a = 1;
    return r;
}
constexpr row mark_name(words_guard w) {
    row r = mark(w);
    r.a = 2;
    return r;
}
// The compass word of the move being made into VAR_DIRECTION_WORD; with
// `heading`, then the heading check (which may refuse it and end the turn).
constexpr row direction(words_guard w, word_no dir) {
    row r{op::heading};
    r.words = w;
    r.a = dir.n;
    return r;
}
constexpr row heading(word_no dir) {
    row r{op::heading};
    r.a = dir.n;
    r.b = 1;
    return r;
}
constexpr row heading(words_guard w, word_no dir) {
    row r = heading(dir);
    r.words = w;
    return r;
}
// The heading check on the direction already in VAR_DIRECTION_WORD.
constexpr row check_heading() {
    row r{op::heading};
    r.a = 0;
    r.b = 1;
    return r;
}
// The landing protocol, for the word procedures that run after the place's:
// where an object thrown or sent off lands and the text then said
// (VAR_LANDING_PLACE, VAR_LANDING_TEXT), and where a dropped object goes and
// its text (VAR_DROP_PLACE, VAR_DROP_TEXT); each stored marked as a refno.
constexpr row land(place_no p, text_no t) {
    row r{op::land};
    r.a = p.n;
    r.b = t.n;
    return r;
}
constexpr row drop_to(place_no p, text_no t) {
    row r = land(p, t);
    r.c = 1;
    return r;
}

// --- Look-alike places ----------------------------------------------------

// One member of a family of look-alike places: its place, the numbers in
// which it differs, and its own rows (usually its exits).
constexpr int MEMBER_ROWS = 10;
struct member {
    int place = 0;
    std::array<int, 4> k{};
    std::array<row, MEMBER_ROWS> rows{};
};
// What the rows of a family see of the member being run.
struct member_info {
    int place = 0;
    std::array<int, 4> k{};
};
// The member's own rows, here.
constexpr row member_rows() { return row{op::member}; }
// A block of the shape that only the members whose k[i] is not 0 have, as
// if written in those members alone: it tests no condition of the world
// and stores nothing in the status word.
constexpr row member_group(int i) {
    row r{op::member_group};
    r.a = i;
    return r;
}
// A procedure called with the member's number k[i] (a plain number).
constexpr row call_member(int (*f)(arg_pair), int i) {
    row r{op::call_member};
    r.fn.p1 = f;
    r.a = i;
    return r;
}
// The member being run (for tests written in a family's shape).
const member_info &this_member();

// --- Walking --------------------------------------------------------------

constexpr bool opens_block(op k) { return k == op::group || k == op::first || k == op::member_group; }

// Blocks must be balanced: every group or first closed by an end.
consteval bool balanced(const row *r, std::size_t n) {
    int depth = 0;
    for (std::size_t i = 0; i < n; i++) {
        if (opens_block(r[i].kind)) depth++;
        if (r[i].kind == op::end && --depth < 0) return false;
    }
    return depth == 0;
}
template <std::size_t N>
consteval bool balanced(const row (&r)[N]) {
    return balanced(r, N);
}
template <std::size_t N>
consteval bool balanced(const member (&m)[N]) {
    for (const member &x : m)
        if (!balanced(x.rows.data(), x.rows.size())) return false;
    return true;
}

// --- Storage --------------------------------------------------------------
//
// A table is written in one generous form of row, which can carry a word
// list, a fact, a test and four call arguments; few rows carry more than
// one of them. The program keeps each table packed: a row in 40 bytes, and
// its word list, fact and call arguments in pools of its table, only as
// many as its rows have. The packing is done when the program is compiled,
// and only the packed table is stored: the rows as written are constants
// of the compiler alone.

constexpr uint16_t NO_FACT = 0xFFFF;
struct packed_row {
    op kind = op::nothing;
    uint8_t nargs = 0;
    uint8_t all = 0;     // 1: every word of the list must be in the command
    uint8_t nwords = 0;  // 0: no word test
    uint16_t words_at = 0;
    uint16_t fact_at = NO_FACT;
    uint16_t args_at = 0;
    int a = 0, b = 0, c = 0;
    test_fn test = nullptr;
    proc_ptr fn{.p0 = nullptr};
};
struct packed_member {
    member_info info;
    uint16_t rows_at = 0, nrows = 0;
};

// A packed table, as the walk reads it: rows, and the pools they index.
struct table_view {
    const packed_row *rows;
    int n;
    const int16_t *words;
    const fact *facts;
    const arg_pair *args;
};

struct pool_sizes {
    std::size_t rows = 0, words = 0, facts = 0, args = 0, members = 0;
};

template <std::size_t R, std::size_t W, std::size_t F, std::size_t A, std::size_t M>
struct packed_table {
    std::array<packed_row, R> rows{};
    std::array<int16_t, W> words{};
    std::array<fact, F> facts{};
    std::array<arg_pair, A> args{};
    std::array<packed_member, M> members{};
};

// A row that does nothing at all: a member's rows end in such rows, which
// need not be kept.
constexpr bool is_blank(const row &r) {
    return r.kind == op::nothing && !r.tested && r.world.n == 0 && r.words.n == 0;
}
constexpr std::size_t kept_rows(const member &m) {
    std::size_t n = m.rows.size();
    while (n > 0 && is_blank(m.rows[n - 1])) n--;
    return n;
}

constexpr void count_rows(const row *r, std::size_t n, pool_sizes &s) {
    for (std::size_t i = 0; i < n; i++) {
        s.rows++;
        s.words += r[i].words.n;
        if (!r[i].tested && r[i].world.n) s.facts++;
        if (r[i].kind == op::call) s.args += r[i].nargs;
    }
}
template <std::size_t N>
constexpr pool_sizes sizes_of(const row (&r)[N]) {
    pool_sizes s;
    count_rows(r, N, s);
    return s;
}
template <std::size_t N, std::size_t K>
constexpr pool_sizes sizes_of(const row (&shape)[N], const member (&m)[K]) {
    pool_sizes s = sizes_of(shape);
    for (const member &x : m) count_rows(x.rows.data(), kept_rows(x), s);
    s.members = K;
    return s;
}

template <class T>
constexpr void pack_rows(const row *r, std::size_t n, T &t, pool_sizes &at) {
    for (std::size_t i = 0; i < n; i++) {
        const row &x = r[i];
        packed_row &p = t.rows[at.rows++];
        p.kind = x.kind;
        p.nargs = x.nargs;
        p.all = x.words.all;
        p.nwords = x.words.n;
        p.words_at = uint16_t(at.words);
        for (int w = 0; w < x.words.n; w++) t.words[at.words++] = x.words.w[std::size_t(w)];
        if (!x.tested && x.world.n) {
            p.fact_at = uint16_t(at.facts);
            t.facts[at.facts++] = x.world;
        }
        p.args_at = uint16_t(at.args);
        if (x.kind == op::call)
            for (int k = 0; k < x.nargs; k++) t.args[at.args++] = x.args[k];
        p.a = x.a;
        p.b = x.b;
        p.c = x.c;
        p.test = x.test;
        p.fn = x.fn;
    }
}

// The packed form of a table, and of a family's shape with its members'
// rows after it.
template <const auto &TABLE>
constexpr auto packed = [] {
    constexpr pool_sizes s = sizes_of(TABLE);
    static_assert(s.rows < 0xFFFF && s.words < 0xFFFF && s.facts < NO_FACT && s.args < 0xFFFF);
    packed_table<s.rows, s.words, s.facts, s.args, 0> t;
    pool_sizes at;
    pack_rows(TABLE, std::size(TABLE), t, at);
    return t;
}();
template <const auto &SHAPE, const auto &MEMBERS>
constexpr auto packed_family = [] {
    constexpr pool_sizes s = sizes_of(SHAPE, MEMBERS);
    static_assert(s.rows < 0xFFFF && s.words < 0xFFFF && s.facts < NO_FACT && s.args < 0xFFFF);
    packed_table<s.rows, s.words, s.facts, s.args, s.members> t;
    pool_sizes at;
    pack_rows(SHAPE, std::size(SHAPE), t, at);
    for (std::size_t i = 0; i < std::size(MEMBERS); i++) {
        const member &m = MEMBERS[i];
        t.members[i].info = {m.place, m.k};
        t.members[i].rows_at = uint16_t(at.rows);
        t.members[i].nrows = uint16_t(kept_rows(m));
        pack_rows(m.rows.data(), kept_rows(m), t, at);
    }
    return t;
}();

template <class T>
table_view view_of(const T &t, std::size_t n) {
    return {t.rows.data(), int(n), t.words.data(), t.facts.data(), t.args.data()};
}

// Walks the first n rows of a packed table (for a family, its shape, with
// the member given); returns 0 (the procedure's result).
int walk(const table_view &t, const packed_member *m = nullptr);

template <const auto &TABLE>
int run() {
    static_assert(balanced(TABLE), "a block of this table is not closed");
    return walk(view_of(packed<TABLE>, std::size(TABLE)));
}
// Runs the shape of a look-alike family for the member at `place`.
template <const auto &SHAPE, const auto &MEMBERS>
int run_member(int place) {
    static_assert(balanced(SHAPE), "a block of this shape is not closed");
    static_assert(balanced(MEMBERS), "a block of a member's rows is not closed");
    const auto &t = packed_family<SHAPE, MEMBERS>;
    for (const packed_member &m : t.members)
        if (m.info.place == place) return walk(view_of(t, std::size(SHAPE)), &m);
    return 0;
}

}  // namespace rows
