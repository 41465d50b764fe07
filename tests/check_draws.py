#!/usr/bin/env python3
"""Fails when a random draw in the game's code stands where it may be skipped.

A draw (irand) inside an expression with &&, || or ?: is evaluated or not
depending on the other operands, so the replayable random sequence would
depend on them; game conditions go through the condition fold instead, which
evaluates every term. Each statement of game/**/*.cpp and game/**/*.h is
checked with its comments and string literals removed.
"""
import pathlib, re, sys

root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else '.') / 'game'
strip = re.compile(r'//[^\n]*|/\*.*?\*/|"(?:\\.|[^"\\])*"|\'(?:\\.|[^\'\\])*\'', re.S)
bad = []
for path in sorted(list(root.rglob('*.cpp')) + list(root.rglob('*.h'))):
    src = path.read_text(encoding='utf-8')
    code = strip.sub(lambda m: re.sub(r'[^\n]', ' ', m.group(0)), src)
    pos = 0
    for stmt in re.split(r'([;{}])', code):
        if 'irand(' in stmt and re.search(r'&&|\|\||\?', stmt):
            line = code.count('\n', 0, pos + stmt.index('irand(')) + 1
            bad.append(f'{path}:{line}: a draw beside &&, || or ?: (use the condition fold)')
        pos += len(stmt)
for b in bad:
    print(b)
sys.exit(1 if bad else 0)
