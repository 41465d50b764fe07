// What every game procedure is written with: the sequenced condition fold
// into the status word, procedure locals, and argument pairs.
#pragma once

#include <initializer_list>

#include "state.h"

// Conditions fold into value[0] from left to right, with no precedence and
// no short-circuit: every term is evaluated, in written order, so random
// draws inside a condition happen every time and in order.
//
//   if (cond(irand(100) < 4).AND(value[1198] == 3)) ...
//
// C++ sequences the object expression of a member call before its
// arguments, so each term is evaluated after the fold of the terms before it.
// The running result travels in the fold itself; every step also stores it
// into value[0], the status word. A fold may stand as an operand: it is a
// parenthesised group, evaluated whole before it is combined.
//
//   if (cond(carried(136)).AND(cond(value[136] == 3).OR(value[136] > 6))) ...
struct cond_fold {
    int v = 0;
    cond_fold AND(int term) const { return step(v & (term != 0)); }
    cond_fold OR(int term) const { return step(v | (term != 0)); }
    cond_fold AND(cond_fold group) const { return AND(group.v); }
    cond_fold OR(cond_fold group) const { return OR(group.v); }
    operator bool() const { return v != 0; }

private:
    static cond_fold step(int r) {
        value[0] = r;
        return {r};
    }
};

inline cond_fold cond(int term) {
    value[0] = term != 0;
    return {term != 0};
}
// A group as the first term: its result becomes the running result.
inline cond_fold cond(cond_fold group) {
    value[0] = group.v;
    return group;
}

// Range test lo <= x <= hi, one term.
inline int within(int x, int lo, int hi) { return lo <= x && x <= hi; }

// Locals of a procedure: values and markers, all 0 at entry, then parameter
// k copied into local k-1.
template <int N>
struct frame {
    int32_t lvals[N] = {};
    int16_t lbits[N] = {};
    frame() = default;
    frame(std::initializer_list<arg_pair> args) {
        int k = 0;
        for (const arg_pair &a : args) {
            if (k >= N) break;
            lbits[k] = a.mark;
            lvals[k] = a.val;
            k++;
        }
    }
    static constexpr int size = N;
};

// Argument pairs: a constant number, a constant refno, a variable, a local.
constexpr arg_pair num(int n) { return {0, n}; }
constexpr arg_pair ref(int r) { return {-1, r}; }
inline arg_pair var(int v) {
    const int16_t *w = bitword(v);
    return {w ? *w : int16_t(0), value[v]};
}
template <int N>
inline arg_pair loc(const frame<N> &f, int i) {
    return {f.lbits[i], f.lvals[i]};
}

// A chain head calls its parts in order and stops at the first that
// returns non-zero or ends the turn; it returns 1 when every part ran.
inline int run_chain(std::initializer_list<game_proc> parts) {
    for (game_proc part : parts) {
        if (part() != 0 || loop) return 0;
    }
    return 1;
}

// The local primitives on a procedure's frame.
template <int N>
inline int lbitest(int i, int n, frame<N> &f) {
    return lbitest(i, n, f.lvals, f.lbits, N);
}
template <int N>
inline void lbitmod(char op, int i, int n, frame<N> &f) {
    lbitmod(N, op, i, n, f.lvals, f.lbits);
}
template <int N>
inline int levar(int i, frame<N> &f) {
    return levar(i, f.lvals, f.lbits, N);
}
template <int N>
inline void set(char tk, int t, char sk, int s, frame<N> &f) {
    set(tk, t, sk, s, f.lvals, f.lbits);
}
