#!/usr/bin/env python3
"""Fails when the game's index of procedures and its code fall out of step.

- procedures.h declares every procedure once, with a comment, under the
  heading of the file that defines it;
- that file (or game/pending.cpp, while it is not built yet) defines it,
  once;
- every procedure whose definition takes more than one line has a comment
  directly above it, saying what it does;
- every row table that a place's procedure runs has, in the comment block
  directly above it, a `// Place N: name.` (or `// Places ...`) line naming
  each of its places.

The index is the one scripts/refno reads, so what it answers stays right.
"""
import os
import re
import sys
import types

root = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else ".")
# scripts/refno has no .py suffix: its source is run as a module of its own.
refno_path = os.path.join(root, "scripts", "refno")
refno = types.ModuleType("refno")
refno.__file__ = refno_path
with open(refno_path, encoding="utf-8") as f:
    exec(compile(f.read(), refno_path, "exec"), refno.__dict__)
refno.ROOT, refno.GAME, refno.TEXT = root, os.path.join(root, "game"), os.path.join(root, "game", "text")

bad = []

# procedures.h: one declaration, with a comment, under a file heading.
declared = {}
home = None
for i, line in enumerate(open(os.path.join(root, "game", "procedures.h"), encoding="utf-8"), 1):
    m = re.match(r"^// (game/\S+\.cpp):", line)
    if m:
        home = m.group(1)
    m = re.match(r"^int p(\d+)\(.*?\);\s*(//\s*\S.*)?$", line)
    if m:
        n = int(m.group(1))
        if n in declared:
            bad.append(f"game/procedures.h:{i}: p{n} is declared twice")
        if not m.group(2):
            bad.append(f"game/procedures.h:{i}: p{n} has no comment saying what it does")
        declared[n] = (home, i)

# Definitions: where, and whether they have a comment.
defined = {}
for d, _, files in os.walk(os.path.join(root, "game")):
    for f in sorted(files):
        if not f.endswith(".cpp"):
            continue
        path = os.path.join(d, f)
        name = os.path.relpath(path, root)
        lines = open(path, encoding="utf-8").read().split("\n")
        for i, line in enumerate(lines):
            m = re.match(r"^int p(\d+)\(", line)
            if not m or line.rstrip().endswith(";"):
                continue
            n = int(m.group(1))
            defined.setdefault(n, []).append(name)
            one_line = line.rstrip().endswith("}")
            if not one_line and name != "game/pending.cpp" and not (i > 0 and lines[i - 1].startswith("//")):
                bad.append(f"{name}:{i + 1}: p{n} has no comment above its definition saying what it does")

for n, (h, i) in sorted(declared.items()):
    where = defined.get(n, [])
    if not where:
        bad.append(f"game/procedures.h:{i}: p{n} is declared but defined nowhere")
    elif len(where) > 1:
        bad.append(f"p{n} is defined in {', '.join(where)}")
    elif where[0] not in (h, "game/pending.cpp"):
        bad.append(f"game/procedures.h:{i}: p{n} is listed under {h} but defined in {where[0]}")
for n, where in sorted(defined.items()):
    if n not in declared:
        bad.append(f"{where[0]}: p{n} is defined but not declared in game/procedures.h")

# Place tables name their places.
ix = refno.Index()
for key, places in sorted(ix.places_of.items()):
    places = sorted(r for r in places if refno.kind_of(r) == "place")
    for at in ix.code.tables.get(key, []) if places else []:
        path, line = at.rsplit(":", 1)
        lines = ix.code.lines[os.path.join(root, path)]
        j = int(line) - 1
        block = []
        while j > 0 and lines[j - 1].startswith("//"):
            j -= 1
            block.insert(0, lines[j])
        named = set()
        for b in re.finditer(r"// Places? ([^\n]*)", "\n".join(block)):
            start = block.index(b.group(0)) if b.group(0) in block else 0
            chunk = " ".join([block[start]] + [x for x in block[start + 1:] if x.startswith("//   ")])
            for lo, hi in re.findall(r"\b(\d+)(?:\.\.(\d+))?:?", chunk):
                lo = int(lo)
                named.update(range(lo, int(hi) + 1) if hi else [lo])
        missing = [r for r in places if r not in named]
        if missing:
            bad.append(f"{at}: the table {key.split('::')[1]} does not name its place"
                       f"{'s' if len(missing) > 1 else ''} {', '.join(map(str, missing))}"
                       f" in a `// Place N: name.` line above it")

for b in bad:
    print(b)
sys.exit(1 if bad else 0)
