// The recent-words tree: the longer words shown since the player arrived at
// the current place, kept in a height-balanced search tree whose header and
// nodes share one growable block of 16-bit cells. The parser asks it whether
// an unknown typed word is merely scenery of the last description.
//
// Block layout: cell 0 next free cell, cell 1 root (0 empty), cell 2 the
// capacity (unsigned). A node at n: left, parent, right, balance, then the
// word's characters, lower case and zero-terminated, filling whole cells.
#include <cctype>
#include <cstdlib>
#include <cstring>

#include "input.h"
#include "state.h"
#include "text.h"

int16_t *word_buf = nullptr;  // the tree's header and nodes in one growable block of cells
int last_here = 0;            // the place for which the tree was last filled

// Offset in the text buffer up to which the pending output has already been
// fed to the tree (see word_feed).
int fed_upto = 0;

namespace {

constexpr int GROW_CELLS = 4096;
constexpr int MAX_CELL = 32767;  // node indices are positive int16
// The working copy of a word being added; a longer run of letters is not
// stored at all (a cut word would match the wrong key).
constexpr int WORK_SIZE = 88;

inline int LEFT(int n) { return n; }
inline int PARENT(int n) { return n + 1; }
inline int RIGHT(int n) { return n + 2; }
inline int BAL(int n) { return n + 3; }
inline char *WORD(int16_t *t, int n) { return reinterpret_cast<char *>(t + n + 4); }
inline unsigned capacity(const int16_t *t) { return uint16_t(t[2]); }

// Child of p on side dir (-1 left, +1 right).
inline int16_t &child_of(int16_t *t, int p, int dir) { return t[dir < 0 ? LEFT(p) : RIGHT(p)]; }

// Put node `to` where node `from` hung: at from's parent, or as the root.
void replace_in_parent(int16_t *t, int from, int to) {
    int p = t[PARENT(from)];
    t[PARENT(to)] = int16_t(p);
    if (p == 0)
        t[1] = int16_t(to);
    else if (t[LEFT(p)] == from)
        t[LEFT(p)] = int16_t(to);
    else
        t[RIGHT(p)] = int16_t(to);
}

inline int is_letter(int c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Adds the words of text[from, to) to the tree.
void scan_words(const char *text, int from, int to) {
    int i = from;
    while (i < to) {
        while (i < to && !is_letter((unsigned char)text[i])) i++;
        int start = i;
        while (i < to && is_letter((unsigned char)text[i])) i++;
        int len = i - start;
        if (len > 4 && len < WORK_SIZE && std::memcmp(text + i - 3, "ing", 3) != 0) {
            int16_t *grown = btadd(word_buf, text + start, len);
            if (grown) word_buf = grown;
        }
        i++;
    }
}

void check_place() {
    if (value[KV_HERE] != last_here) {
        if (word_buf) word_buf[1] = 0;
        last_here = value[KV_HERE];
    }
}

}  // namespace

int16_t *btinit(int16_t *tree) {
    if (!tree) {
        tree = static_cast<int16_t *>(std::malloc(GROW_CELLS * sizeof(int16_t)));
        if (!tree) return nullptr;
        tree[0] = 3;
        tree[1] = 0;
        tree[2] = int16_t(GROW_CELLS);
        return tree;
    }
    unsigned cap = capacity(tree) + GROW_CELLS;
    if (cap > 65535) return nullptr;
    int16_t *grown = static_cast<int16_t *>(std::realloc(tree, cap * sizeof(int16_t)));
    if (!grown) return nullptr;
    grown[2] = int16_t(uint16_t(cap));
    return grown;
}

int btcompare(const char *key, const int16_t *stored) {
    const char *s = reinterpret_cast<const char *>(stored);
    for (int i = 0;; i++) {
        unsigned char k = (unsigned char)key[i];
        unsigned char c = (unsigned char)s[i];
        if (k == 0 && c == 0) return 0;
        if (!is_letter(k)) return c == 0 ? 0 : -1;
        if (k > c) return 1;
        if (k < c) return -1;
    }
}

void sing_rot(int16_t *t, int p, int c, int dir) {
    // c is p's child on side dir; c rises into p's place.
    int inner = child_of(t, c, -dir);
    replace_in_parent(t, p, c);
    child_of(t, c, -dir) = int16_t(p);
    t[PARENT(p)] = int16_t(c);
    child_of(t, p, dir) = int16_t(inner);
    if (inner) t[PARENT(inner)] = int16_t(p);
    int bp = t[BAL(p)], bc = t[BAL(c)];
    t[BAL(p)] = int16_t(bp - bc);
    t[BAL(c)] = int16_t(bc - bp);
}

void dub_rot(int16_t *t, int p, int c, int dir) {
    // g, c's child on side -dir, rises into p's place.
    int g = child_of(t, c, -dir);
    int g_in = child_of(t, g, dir);    // goes to c
    int g_out = child_of(t, g, -dir);  // goes to p
    replace_in_parent(t, p, g);
    child_of(t, g, dir) = int16_t(c);
    t[PARENT(c)] = int16_t(g);
    child_of(t, g, -dir) = int16_t(p);
    t[PARENT(p)] = int16_t(g);
    child_of(t, c, -dir) = int16_t(g_in);
    if (g_in) t[PARENT(g_in)] = int16_t(c);
    child_of(t, p, dir) = int16_t(g_out);
    if (g_out) t[PARENT(g_out)] = int16_t(p);
    int bg = t[BAL(g)];
    t[BAL(c)] = int16_t(bg == t[BAL(c)] ? -t[BAL(c)] : 0);
    t[BAL(p)] = int16_t(bg == t[BAL(p)] ? -t[BAL(p)] : 0);
    t[BAL(g)] = 0;
}

int16_t *btadd(int16_t *tree, const char *word, int len) {
    if (!tree) return nullptr;
    if (len <= 0 || len >= WORK_SIZE) return tree;
    char copy[WORK_SIZE];
    std::memcpy(copy, word, size_t(len));
    copy[len] = 0;
    recase(copy, 'L');

    int parent = 0, last = 0;
    for (int n = tree[1]; n != 0;) {
        int c = btcompare(copy, tree + n + 4);
        if (c == 0) return tree;
        parent = n;
        last = c;
        n = c < 0 ? tree[LEFT(n)] : tree[RIGHT(n)];
    }

    int size = len / 2 + 5;
    int node = tree[0];
    // Next free stays a positive int16 too.
    if (node + size > MAX_CELL) return nullptr;
    if (unsigned(node + size) > capacity(tree)) {
        int16_t *grown = btinit(tree);
        if (!grown) return nullptr;
        tree = grown;
    }
    std::memset(tree + node, 0, size_t(size) * sizeof(int16_t));
    tree[PARENT(node)] = int16_t(parent);
    std::memcpy(WORD(tree, node), copy, size_t(len) + 1);
    tree[0] = int16_t(node + size);
    if (parent == 0)
        tree[1] = int16_t(node);
    else
        child_of(tree, parent, last) = int16_t(node);

    // Rebalance upwards.
    int child = node;
    int p = parent;
    while (p != 0) {
        int dir = tree[LEFT(p)] == child ? -1 : 1;
        if (tree[BAL(p)] == dir) {
            if (tree[BAL(child)] != -dir)
                sing_rot(tree, p, child, dir);
            else
                dub_rot(tree, p, child, dir);
            break;
        }
        tree[BAL(p)] = int16_t(tree[BAL(p)] + dir);
        if (tree[BAL(p)] == 0) break;
        child = p;
        p = tree[PARENT(p)];
    }
    return tree;
}

int btfind(const int16_t *tree, const char *key) {
    if (!tree || !key) return 0;
    for (int n = tree[1]; n != 0;) {
        int c = btcompare(key, tree + n + 4);
        if (c == 0) return n;
        n = c < 0 ? tree[LEFT(n)] : tree[RIGHT(n)];
    }
    return 0;
}

void word_update() {
    check_place();
    if (!text_buf) return;
    int end = int(std::strlen(text_buf));
    int from = fed_upto <= end ? fed_upto : 0;
    scan_words(text_buf, from, end);
    fed_upto = 0;  // the flush that called us empties the buffer next
}

void word_feed() {
    check_place();
    if (!text_buf) return;
    int end = int(std::strlen(text_buf));
    int from = fed_upto <= end ? fed_upto : 0;
    scan_words(text_buf, from, end);
    fed_upto = end;
}

void tree_reset() {
    if (word_buf) {
        word_buf[0] = 3;
        word_buf[1] = 0;
    }
}

void tree_free() {
    std::free(word_buf);
    word_buf = nullptr;
    fed_upto = 0;
}
