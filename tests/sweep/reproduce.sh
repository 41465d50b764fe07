#!/usr/bin/env bash
# Plays one of the world sweep's reproducers through the real program and
# prints the reply to its last command (with whatever the next turn says
# before the program waits again).
#   tests/sweep/reproduce.sh <zendry> <reproducer.cmd>
# As the sweep's own game did, it starts in a fresh home (so the first game
# opens as a fresh player's does) with the plain console, a new game.
set -euo pipefail
prog=$1
cmd=$2
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/fablet"
printf 'BROWSER NONE   # plain console\r\n' > "$home/fablet/fablet.conf"
last=$(grep '^REPLY:' "$cmd" | tail -n 1 | sed 's/^REPLY: *//')
HOME="$home" "$prog" -n -p0 -c "$cmd" </dev/null >"$home/out" 2>&1 || true
# The reply follows the echo of the last command ("? " and the command);
# the program's last prompt, waiting for more, is dropped.
awk -v last="$last" '
  { lines[NR] = $0 }
  $0 ~ /^ *\? / { line = $0; sub(/^ *\? +/, "", line); if (line == last) from = NR + 1 }
  END { to = NR; while (to >= from && lines[to] ~ /^ *\?? *$/) to--; for (i = from; i <= to; i++) print lines[i] }
' "$home/out"
