#!/usr/bin/env bash
# Plays a command file through the real program in the plain console and
# compares what it prints with the expected transcript beside it.
#   run_transcript.sh <program> <name.cmd>            compare with name.out
#   UPDATE=1 run_transcript.sh <program> <name.cmd>   write name.out afresh
# A line "REPEAT N <line>" in the command file stands for N copies of <line>,
# so that a game of thousands of turns (the turn limit) is written in a few
# lines; a line "PLAY other.cmd UNTIL <marker>" stands for the lines of the
# command file other.cmd beside it, less its seed line, up to the line
# <marker> (a "#" line there): an ending that leaves the winning game at some
# point starts from it. Beside such a game the expected transcript may be its
# end alone, name.tail: then the last lines printed (as many as it has) are
# compared.
# The command file's first line ("Wiz: N") fixes the random seed, so a run is
# the same every time. Each run gets a fresh home directory.
set -euo pipefail
prog=$1
cmd=$2
expected=${cmd%.cmd}.out
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/fablet"
printf 'BROWSER NONE   # plain console\r\n' > "$home/fablet/fablet.conf"
actual="$home/actual.out"
play=$cmd
if grep -q '^REPEAT \|^PLAY ' "$cmd"; then
  play="$home/play.cmd"
  awk -v dir="$(dirname "$cmd")" '
    /^REPEAT [0-9]+ / { n = $2; sub(/^REPEAT [0-9]+ /, ""); for (i = 0; i < n; i++) print; next }
    /^PLAY [^ ]+ UNTIL / {
      file = dir "/" $2; marker = $0; sub(/^PLAY [^ ]+ UNTIL /, "", marker); found = 0; first = 1
      while ((getline line < file) > 0) {
        if (first) { first = 0; continue }
        if (line == marker) { found = 1; break }
        print line
      }
      close(file)
      if (!found) { print "no line \"" marker "\" in " file > "/dev/stderr"; exit 1 }
      next
    }
    { print }' "$cmd" >"$play"
fi
status=0
HOME="$home" "$prog" -n -p0 -c "$play" </dev/null >"$actual" 2>&1 || status=$?
echo "exit status: $status" >>"$actual"
# No turn ever prints a control byte: only line feeds (and the carriage
# returns and tabs of a terminal) reach the player.
if LC_ALL=C grep -n $'[\x01-\x08\x0b\x0c\x0e-\x1f\x7f]' "$actual" >&2; then
  echo "transcript $cmd prints a control byte (lines above)" >&2
  exit 1
fi
if [ -f "${cmd%.cmd}.tail" ]; then
  expected=${cmd%.cmd}.tail
  tail -n "$(wc -l <"$expected")" "$actual" >"$home/actual.tail"
  actual="$home/actual.tail"
fi
if [ "${UPDATE:-}" = 1 ]; then
  cp "$actual" "$expected"
  echo "wrote $expected"
  exit 0
fi
if ! diff -u "$expected" "$actual"; then
  echo "transcript $cmd differs from $expected (UPDATE=1 rewrites it)"
  exit 1
fi
