#!/usr/bin/env python3
"""Every refno of the game has one name with one home: fails when a refno
has two names, when one name is defined in two files, or when a game file
names for itself a refno that game/constants.h names. Entity refnos only
(objects, places, words, variables, texts): flag numbers, question numbers
and a file's own small numbers are not refnos.

Usage: check_names.py ROOT   (ROOT holds game/)"""
import os
import re
import sys

root = sys.argv[1] if len(sys.argv) > 1 else "."
DECL = re.compile(r"^\s*(?:static\s+)?constexpr\s+int\s+([^;]*);")
ITEM = re.compile(r"^\s*([A-Z][A-Z0-9_]*)\s*=\s*(\d+)\s*$")
# Names that stand for an entity refno by their prefix.
ENTITY = re.compile(r"^(OBJ|PLACE|WORD|VAR|TEXT)_")
LIMITS = ("FIRST_", "LAST_", "NVALUES", "NPROCS")

names = {}   # refno -> [(name, file:line)]
homes = {}   # entity name -> {file}
shared = {}  # refno -> name, from constants.h
for d, _, files in os.walk(os.path.join(root, "game")):
    for f in sorted(files):
        if not f.endswith((".h", ".cpp")):
            continue
        path = os.path.join(d, f)
        rel = os.path.relpath(path, root)
        in_constants = rel == "game/constants.h"
        for i, line in enumerate(open(path, encoding="utf-8"), 1):
            m = DECL.match(line.split("//")[0])
            if not m:
                continue
            for item in m.group(1).split(","):
                im = ITEM.match(item)
                if not im or im.group(1).startswith(LIMITS):
                    continue
                name, n = im.group(1), int(im.group(2))
                if in_constants and not ENTITY.match(name):
                    continue
                # Outside constants.h a short name stands for a refno only
                # from the places up: below them it may be a state or a flag.
                if not in_constants and not (3 <= n <= 3571 and (ENTITY.match(name) or n >= 195)):
                    continue
                names.setdefault(n, []).append((name, f"{rel}:{i}"))
                homes.setdefault(name, set()).add(rel)
                if in_constants:
                    shared.setdefault(n, name)

bad = []
for n, ns in sorted(names.items()):
    distinct = sorted({x for x, _ in ns})
    if len(distinct) > 1:
        bad.append(f"refno {n} has {len(distinct)} names: " + ", ".join(f"{x} ({at})" for x, at in ns))
    if n in shared:
        for x, at in ns:
            if not at.startswith("game/constants.h:"):
                bad.append(f"{at}: names refno {n} ({x}), which game/constants.h names {shared[n]}")
for name, files in sorted(homes.items()):
    if len(files) > 1 and ENTITY.match(name):
        bad.append(f"{name} is defined in {len(files)} files: " + ", ".join(sorted(files)) +
                   " (its home is game/constants.h)")
for b in bad:
    print(b)
sys.exit(1 if bad else 0)
