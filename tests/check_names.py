#!/usr/bin/env python3
"""The game's code calls every object, place, word and variable by its one
name. Fails when

- a refno has two names, or one name is defined in two files (the homes
  are game/constants.h for the role names and the game's variables, and the
  names header that the text compiler makes from game/text for every other
  object, place and word);
- a game file names a refno for itself (a constant of its own that stands
  where a refno goes);
- a bare number stands where the code means an object, a place, a word or a
  named variable (a primitive's refno argument, a row's word list, an exit,
  a member's place, a comparison with the place here or a typed word ...)
  and a name exists for it.

Texts stay numbers (`make refno N=2903` tells their words), as do flag
numbers, states, counts and chances.

Usage: check_names.py ROOT NAMES_H           check
       check_names.py ROOT NAMES_H --fix     write the names in place of the numbers
       check_names.py ROOT NAMES_H --list    every refno place and what stands there
ROOT holds game/; NAMES_H is the generated names header (build/generated/game_names.h)."""
import os
import re
import sys

KINDS = {'OBJ': (3, 194), 'PLACE': (195, 703), 'WORD': (704, 1143), 'VAR': (1144, 1263)}
FIRST_TEXT = 1264


def kind_ok(prefix, n):
    lo, hi = KINDS.get(prefix, (0, -1))
    return lo <= n <= hi


# --- Reading the sources ---------------------------------------------------

def blank_out(src):
    """The source with comments and the insides of string and character
    literals blanked, offsets and lines kept."""
    out = list(src)
    i, n = 0, len(src)
    while i < n:
        if src.startswith('//', i):
            j = src.find('\n', i)
            j = n if j < 0 else j
            out[i:j] = ' ' * (j - i)
            i = j
        elif src.startswith('/*', i):
            j = src.find('*/', i) + 2
            for k in range(i, j):
                if out[k] != '\n':
                    out[k] = ' '
            i = j
        elif src[i] in '"\'' and not (src[i] == "'" and i > 0 and src[i - 1].isalnum()):
            q = src[i]
            j = i + 1
            while j < n and src[j] != q:
                j += 2 if src[j] == '\\' else 1
            out[i + 1:j] = ' ' * (j - i - 1)
            i = j + 1
        else:
            i += 1
    return ''.join(out)


def enclosing(s, pos):
    """The brackets around pos, innermost first: (bracket, the word before it,
    the argument index of pos inside it, the bracket's offset)."""
    res = []
    i, depth, argi = pos - 1, 0, 0
    while i >= 0:
        c = s[i]
        if c in ')]}':
            depth += 1
        elif c in '([{':
            if depth == 0:
                j = i - 1
                while j >= 0 and s[j] in ' \t\n':
                    j -= 1
                k = j
                while k >= 0 and (s[k].isalnum() or s[k] in '_:'):
                    k -= 1
                res.append((c, s[k + 1:j + 1].split('::')[-1], argi, i))
                argi = 0
            else:
                depth -= 1
        elif c == ',' and depth == 0:
            argi += 1
        elif c == ';' and depth == 0:
            argi = 0
        i -= 1
    return res


def statement_before(s, pos):
    """The text of the declaration that a top-level bracket at pos opens."""
    i = pos - 1
    while i >= 0 and s[i] not in ';}':
        i -= 1
    return s[i + 1:pos].strip()


# --- Where the code means a refno ------------------------------------------

# Row constructors and facts (game/rows.h): the arguments that are refnos,
# counted after the word list that the row may start with.
WORD_LIST_FIRST = {'go', 'reply', 'tell', 'forced_if', 'forced_held', 'death', 'call', 'call_word', 'step',
                   'let', 'let_ref', 'stop', 'ret', 'mark', 'mark_name', 'direction', 'heading', 'go_held',
                   'group', 'all', 'has_any_word'}
ROW_ARGS = {
    'go': {0}, 'forced': {0}, 'forced_if': {0}, 'forced_on': {0}, 'forced_held': {0, 1}, 'call_word': {0},
    'let': {0}, 'let_ref': {0, 1}, 'add': {0}, 'set_flag': {0}, 'clear_flag': {0}, 'put': {0, 1},
    'put_here': {0}, 'copy': {0, 1}, 'either': {0, 1, 2}, 'rewrite': {0, 1}, 'rewrite_shown': {0, 1},
    'set_flag_held': {0}, 'clear_flag_held': {0}, 'call_held': {0}, 'go_held': {0, 1}, 'direction': {0},
    'heading': {0}, 'land': {0}, 'drop_to': {0}, 'say_as': {1}, 'arg_of': {0}, 'object_near': {0},
    'object_not_near': {0}, 'object_carried': {0}, 'object_not_carried': {0}, 'here_is': {0},
    'value_is': {0}, 'value_not': {0}, 'value_under': {0}, 'value_at_most': {0}, 'value_over': {0},
    'value_at_least': {0}, 'has_word': {0}, 'lacks_word': {0}, 'run_member': {0},
    'reply': set(), 'tell': set(), 'death': set(), 'call': set(), 'step': set(), 'stop': set(), 'ret': set(),
    'mark': set(), 'mark_name': set(), 'group': set(), 'let_variant': set(), 'when': set(),
    'member_group': set(), 'call_member': set(), 'word_count': set(), 'word_count_over': set(),
    'asked': set(),
}
# The kernel's primitives and the game's small readers (game/common.h);
# 'all' for a list of refnos.
PRIMITIVES = {
    'near': {0}, 'near_in': {0}, 'carried': {0}, 'lies_here': {0}, 'is_seen': {0}, 'is_visited': {0},
    'getloc': {0}, 'has': {0}, 'anyof': 'all', 'keyword': 'all', 'apport': {0, 1}, 'bitmod': {1},
    'bitest': {0}, 'have': {0}, 'isat': {0, 3}, 'ishere': {0}, 'isnear': {0}, 'moveto': 'all',
    'evar': {0}, 'set_bitword': {0}, 'bitword': {0}, 'hold_ref': {0, 1}, 'mark_ref': {0},
    'rewrite_word': {0, 1}, 'fake': {1}, 'voc': {0, 1}, 'call_proc': {0}, 'default_to': {1}, 'ref': {0},
    'var': {0}, 'value_of': {0}, 'say_stop_typed': {1}, 'set': {1},
    'irand': set(), 'jrand': set(), 'num': set(), 'here_has': set(), 'min': set(), 'max': set(),
    'say_stop': set(), 'set_variant': set(), 'within': set(), 'randsel': set(), 'static_assert': set(),
}
# The game's own helpers, by the name they have in their file.
HELPERS = {
    'cell': 'all', 'K': {0}, 'K_AS': {0}, 'K_AT': {0, 1}, 'K_ALWAYS': {0}, 'at': 'all', 'at_any': 'all',
    'here_in': 'all', 'in': 'all', 'listener_is': 'all', 'rewrite_silent': 'all', 'fitting_or': {0},
    'flag_places': {1, 2}, 'carried_in': {0}, 'came_from': {0}, 'choose_way': {0}, 'squeeze_through': {0},
    'switch_word': {1, 2}, 'tell_filled': set(), 'number_places': 'all', 'drink': {2},
    'ring_back': set(), 'ring_on': set(), 'ring_onward': set(), 'ring_onward_reversed': set(),
    'compass': set(), 'ring_place': set(), 'either_way': {0, 1, 2}, 'heading_is': set(), 'guise': set(),
    'toll_is': set(), 'raise_reserve': set(), 'ask_about': {1}, 'thought_better': {0}, 'spell_step': set(),
    'loc': set(), 'frame': set(),
}
# The tables of the game's code whose cells are refnos: the table's name,
# and the paths of those cells ('*' any index), from the table inwards.
TABLES = {
    'slots': [('*', 0)], 'placements': [('*', 0), ('*', 1, '*')],
    'object_flags': [('*', 1, '*', '*')], 'place_flags': [('*', 1, '*', '*')],
    'two_places': [(1, '*', '*')], 'seen': [(1, '*', '*')], 'maze_no_back': [('*', '*')],
    'hint_regions': [('*', '*')], 'abbreviations': [('*', '*')], 'source_words': [('*', 0), ('*', 1, '*')],
    'EXPLORING': [('*', 0)], 'tied_texts': [('*', 1)], 'FIXED_REPLIES': [('*', 0)], 'ways': [('*',), ('*', '*')],
    'EXIT_MASKS': [('*', 0)], 'pronoun_maps': [('*', '*')], 'to': [('*',)], 'soakers': [('*',)],
    'CARRY_OFF_TO': [('*',)], 'VAULT_WORDS': [('*',)], 'TANGLE_WORDS': [('*',)], 'PULL': [(0,), (1,), (2,), (3,)],
    'PUSH': [(0,), (1,), (2,), (3,)], 'SEEDED': [], 'hints': [], 'steps': [], 'RANKS': [],
}


def path_matches(path, patterns):
    return any(len(p) == len(path) and all(a == '*' or a == b for a, b in zip(p, path)) for p in patterns)


# The members' own numbers k[i] that are refnos, by family.
K_REFNOS = {'BRIDGEHEADS': {2, 3}, 'CELLS': {0, 1, 2, 3}, 'FORKED_CELLS': {0, 1, 2}}

# Template parameters that stand for refnos, by their names.
REFNO_TEMPLATE_PARAMS = {'PLACE', 'WORD', 'WAY', 'TOWARD', 'OBJ'}

# Variables whose value is a refno.
REFNO_VARS = {'VAR_ARG1', 'VAR_ARG2', 'VAR_HERE', 'VAR_THERE', 'VAR_DROP_PLACE', 'VAR_LANDING_PLACE',
              'VAR_LOOP_OBJECT', 'VAR_WORK_PLACE', 'VAR_WORK_WORD', 'VAR_RETURN_PLACE', 'VAR_HUB_ORIGIN',
              'VAR_SPELL_WORD', 'VAR_HOARD_PICK', 'VAR_HERE_COPY', 'VAR_DIRECTION_WORD', 'VAR_REFUSED_WAY',
              'VAR_WAY_LET_THROUGH', 'VAR_REFUSED_DIRECTION', 'VAR_VESSEL', 'VAR_REMEMBERED_PLACE',
              'VAR_PRONOUN_BEFORE', 'VAR_GALLERY_BACK_WAY'}
# Expressions whose value is a refno, as they end just before a comparison
# with a number, and as they begin just after one.
_REFNO_TERMS = (r'\bhere\(\)|\barg1\(\)|\barg2\(\)|\bgetloc\([^()]*\)|\bevar\([^()]*\)|\blocation\[[^\]]*\]|'
                r'\bvalue\[(?:' + '|'.join(sorted(REFNO_VARS)) + r')\]')
# The game's local variables that hold a place, an object or a word, by the
# names its files give them: h, at (the place here), p, place, obj, w.
LOCAL_REFNOS = {'h', 'at', 'p', 'place', 'obj', 'w'}
# value[slot]: the word slot a procedure works on (VAR_ARG1 or VAR_ARG2).
REFNO_VARS_HELD = r'|\bvalue\[slot\]'
_REFNO_TERMS += r'|(?<![\w.\[])(?:' + '|'.join(sorted(LOCAL_REFNOS)) + r')(?![\w(\[])' + REFNO_VARS_HELD
REFNO_BEFORE = re.compile(r'(?:' + _REFNO_TERMS + r')\s*$')
REFNO_AFTER = re.compile(r'^\s*(?:' + _REFNO_TERMS.replace(r'[^()]*\)', '').replace(r'[^\]]*\]', '') + r')')


class Source:
    def __init__(self, path, text):
        self.path = path
        self.text = text
        self.code = blank_out(text)
        # Local names that hold a refno: a local variable or parameter whose
        # comment or name says so is not guessed; these are the plain C++
        # variables that hold a place, an object or a word.
        self.templates = {}
        for m in re.finditer(r'template\s*<([^<>]*)>\s*(?:constexpr\s+|inline\s+)*[\w:]+\s+(\w+)\s*\(',
                             self.code):
            params = [p.split()[-1] for p in m.group(1).split(',') if p.split()]
            self.templates[m.group(2)] = params

    def line_of(self, pos):
        return self.code.count('\n', 0, pos) + 1


def is_word_list_start(code, open_pos):
    head = code[open_pos + 1:open_pos + 30].lstrip()
    return head.startswith('{') or head.startswith('all(') or head.startswith('has_any_word(')


def table_path(code, chain):
    """For a number inside a table's initializer (braces only, up to the
    one after '='): the indices from the table inwards, and the table's
    declaration; else None."""
    idx = []
    for c, fn, argi, at in chain:
        if c != '{' or fn:
            return None, None
        idx.append(argi)
        if code[:at].rstrip().endswith('='):
            return list(reversed(idx)), statement_before(code, at)
    return None, None


def classify(src, start, end, k_rules):
    """'R' where the number at start..end stands for a refno, 'N' where it
    is a plain number, None where no rule says; and why."""
    code = src.code
    before = code[max(0, start - 100):start]
    after = code[end:end + 100]
    # A template argument.
    m = re.search(r'\b(\w+)<([^<>()]*)$', before)
    if m and m.group(1) in src.templates and not re.search(r'[;{}]', m.group(2)):
        i = m.group(2).count(',')
        params = src.templates[m.group(1)]
        if i < len(params):
            return ('R' if params[i] in REFNO_TEMPLATE_PARAMS else 'N'), 'template ' + m.group(1)
    # A comparison or an assignment with a value that is a refno.
    # (A comparison with anything else compares a state, a count or a
    # chance.)
    m = re.search(r'(==|!=|<=|>=|<|>|(?<![=!<>])=)\s*$', before)
    if m:
        return ('R' if REFNO_BEFORE.search(before[:m.start()].rstrip()) else 'N'), 'compared'
    m = re.match(r'\s*(==|!=|<=|>=|<(?!<)|>(?!>))', after)
    if m:
        return ('R' if REFNO_AFTER.match(after[m.end():]) else 'N'), 'compared'
    chain = enclosing(code, start)
    if not chain:
        return None, 'top level'
    c, fn, argi, at = chain[0]
    if c == '(' and not fn and code[:at].rstrip().endswith('>'):
        m = re.search(r'\b(\w+)<[^<>]*>\s*$', code[:at])
        if m:
            fn = m.group(1)
    if c == '[':
        if fn in ('value', 'location') and not code[at + 1:start].strip() and code[end:].lstrip().startswith(']'):
            return 'R', 'index'
        return 'N', '[' + fn
    if c == '{':
        outer = chain[1] if len(chain) > 1 else None
        if outer and outer[0] == '(' and outer[1]:
            f2, a2 = outer[1], outer[2]
            if f2 in WORD_LIST_FIRST and a2 == 0:
                return 'R', 'word list'
            rule = HELPERS.get(f2)
            if rule == 'all' or (isinstance(rule, set) and a2 in rule):
                return 'R', 'helper ' + f2
            if f2 == 'for':
                return 'R', 'range for'
            return 'N', '{' + f2
        # A table: its declaration says what it holds.
        path, decl = table_path(code, chain)
        if path is not None:
            table = re.search(r'(\w+)\s*(?:\[\w*\])?\s*$', decl.rstrip('= ')).group(1)
            if re.search(r'\bmember\b', decl):
                if len(path) == 2 and path[1] == 0:
                    return 'R', 'member place'
                if len(path) == 3 and path[1] == 1:
                    return ('R' if path[2] in k_rules.get(table, ()) else 'N'), 'member number ' + table
            if table in TABLES:
                return ('R' if path_matches(path, TABLES[table]) else 'N'), 'table ' + table
            return 'N', 'table ' + table
        return 'N', 'code'
    # c == '('
    if fn == 'within' and argi in (1, 2):
        first = code[at + 1:start].split(',')[0]
        if REFNO_BEFORE.search(first.strip()) or REFNO_AFTER.match(first):
            return 'R', 'within'
        return 'N', 'within'
    if fn in ROW_ARGS:
        a = argi - (1 if fn in WORD_LIST_FIRST and is_word_list_start(code, at) else 0)
        if a in ROW_ARGS[fn]:
            return 'R', 'row ' + fn
        if a == 1 and (fn.startswith('value_') or fn == 'let'):
            head = code[at + 1:start]
            v = re.search(r'(VAR_\w+)\s*,\s*$', head)
            if v and v.group(1) in REFNO_VARS:
                return 'R', 'row ' + fn + ' of a refno variable'
        return 'N', 'row ' + fn
    if fn in PRIMITIVES or fn in HELPERS:
        rule = PRIMITIVES.get(fn, HELPERS.get(fn))
        if rule == 'all' or argi in rule:
            return 'R', fn
        return 'N', fn
    # The argument of a said text: a refno where the text shows it as a word
    # or a name, a plain number where it picks a variant or is shown as one.
    said = None
    if fn == 'arg' and len(chain) > 1:
        said = code[chain[1][3] + 1:at]
    elif fn == 'say' and argi == 1:
        return 'R', 'said entity'
    elif fn == 'say' and argi == 2:
        call = code[at + 1:start]
        if 'SAY_ARGVAR' in call:
            return 'R', 'said variable'
        said = call
    elif fn in ('say_stop_variant',) and argi == 1:
        said = code[at + 1:start]
    if said is not None:
        texts = [int(t) for t in re.findall(r'(?<![\w.])(\d{4})(?![\w.])', said)]
        # No text has as many variants as the first place's refno.
        if any(t in named_texts for t in texts) or (code[start:end].isdigit() and int(code[start:end]) >= 195):
            return 'R', 'said name'
        return 'N', 'said number'
    return 'N', fn or 'code'


def read_names(path, kinds_only=True):
    """name -> refno of the entity names defined in a header."""
    out = {}
    for line in open(path, encoding='utf-8'):
        m = re.match(r'\s*constexpr\s+int\s+([A-Z][A-Z0-9_]*)\s*=\s*(\d+)\s*;', line)
        if m:
            out[m.group(1)] = int(m.group(2))
    return out


def texts_with_holders(root):
    """The texts that show their argument as a word or a name."""
    out = set()
    text_dir = os.path.join(root, 'game', 'text')
    if not os.path.isdir(text_dir):
        return out
    for f in sorted(os.listdir(text_dir)):
        if not f.endswith('.fab'):
            continue
        cur = None
        for line in open(os.path.join(text_dir, f), encoding='utf-8'):
            m = re.match(r'@text\s+(\d+)', line)
            if m:
                cur = int(m.group(1))
            elif line.startswith('@'):
                cur = None
            elif cur and ('{word}' in line or '{name}' in line):
                out.add(cur)
    return out


named_texts = set()


ENTITY = re.compile(r'^(OBJ|PLACE|WORD|VAR|TEXT)_')
DEFINITION = re.compile(r'^\s*(?:static\s+)?constexpr\s+int\s+([^;]*);', re.M)
ITEM = re.compile(r'^\s*([A-Z][A-Z0-9_]*)\s*=\s*(\d+|[A-Z][A-Z0-9_]*)\s*$')


def definitions(path):
    """(name, value as written, line) of every constexpr int of a file."""
    text = open(path, encoding='utf-8').read()
    code = blank_out(text)
    out = []
    for m in DEFINITION.finditer(code):
        line = code.count('\n', 0, m.start()) + 1
        for item in m.group(1).split(','):
            im = ITEM.match(item)
            if im:
                out.append((im.group(1), im.group(2), line))
    return out


def main():
    args = [a for a in sys.argv[1:] if not a.startswith('--')]
    fix = '--fix' in sys.argv
    listing = '--list' in sys.argv
    root = args[0] if args else '.'
    names_h = args[1] if len(args) > 1 else os.path.join(root, 'build', 'generated', 'game_names.h')
    named_texts.update(texts_with_holders(root))
    constants_h = os.path.join(root, 'game', 'constants.h')
    homes = {}      # entity name -> {file}
    names = {}      # refno -> {entity name}
    home_of = {}    # refno -> its name in constants.h or the names header
    shared = {}     # every name of constants.h -> its value
    for path, label in ((constants_h, 'game/constants.h'), (names_h, 'the names header')):
        for name, value, line in definitions(path):
            if not value.isdigit():
                continue
            shared[name] = int(value)
            if ENTITY.match(name):
                n = int(value)
                names.setdefault(n, set()).add(name)
                homes.setdefault(name, set()).add(label)
                if kind_ok(name.split('_')[0], n) or name.startswith('TEXT_'):
                    home_of.setdefault(n, name)
    bad = []
    sources = []
    for d, _, files in sorted(os.walk(os.path.join(root, 'game'))):
        for f in sorted(files):
            path = os.path.join(d, f)
            if f.endswith(('.cpp', '.h')) and os.path.abspath(path) != os.path.abspath(constants_h):
                sources.append(path)
    for path in sources:
        rel = os.path.relpath(path, root)
        for name, value, line in definitions(path):
            if ENTITY.match(name):
                homes.setdefault(name, set()).add(rel)
                if value.isdigit():
                    names.setdefault(int(value), set()).add(name)
                    if name in shared and shared[name] == int(value):
                        bad.append(f'{rel}:{line}: names refno {value} ({name}), which {home_label(int(value), home_of)} '
                                   f'names {home_of.get(int(value), name)}')
            elif value in shared:
                bad.append(f'{rel}:{line}: {name} is a second name of {value}')
    for n, ns in sorted(names.items()):
        if len(ns) > 1:
            bad.append(f'refno {n} has {len(ns)} names: ' + ', '.join(sorted(ns)))
    for name, files in sorted(homes.items()):
        if len(files) > 1:
            bad.append(f'{name} is defined in {len(files)} files: ' + ', '.join(sorted(files)))

    changes = 0
    for path in sources:
        if os.path.basename(path) == 'rows.h':
            continue
        text = open(path, encoding='utf-8').read()
        src = Source(os.path.relpath(path, root), text)
        lines = text.split('\n')
        edits = []
        for m in re.finditer(r'(?<![\w.])(\d+)(?![\w.])', src.code):
            n = int(m.group(1))
            if not 3 <= n < FIRST_TEXT or n not in home_of or home_of[n].startswith('TEXT_'):
                continue
            cls, why = classify(src, m.start(), m.end(), K_REFNOS)
            if cls == 'R':
                edits.append((m.start(), m.end(), home_of[n]))
                line = src.line_of(m.start())
                if listing:
                    print(f'{src.path}:{line}: {n} -> {home_of[n]} ({why})')
                elif not fix:
                    bad.append(f'{src.path}:{line}: {n} stands for {home_of[n]}: {lines[line - 1].strip()[:80]}')
        # A file's own constant that stands where a refno goes.
        for name, value, _ in definitions(path):
            if not value.isdigit() or not 3 <= int(value) < FIRST_TEXT or ENTITY.match(name):
                continue
            for m in re.finditer(r'(?<![\w.])' + name + r'(?!\w)', src.code):
                if classify(src, m.start(), m.end(), K_REFNOS)[0] == 'R':
                    line = src.line_of(m.start())
                    bad.append(f'{src.path}:{line}: {name} names refno {value} for itself'
                               + (f': its name is {home_of[int(value)]}' if int(value) in home_of else ''))
                    break
        if fix and edits:
            for a, b, name in reversed(edits):
                text = text[:a] + name + text[b:]
            open(path, 'w', encoding='utf-8').write(text)
        changes += len(edits)
    if fix:
        print(f'{changes} numbers named')
        return 0
    for b in bad:
        print(b)
    return 1 if bad else 0


def home_label(n, home_of):
    return 'game/constants.h' if n in home_of else 'its home'


if __name__ == '__main__':
    sys.exit(main())
