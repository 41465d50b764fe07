#!/usr/bin/env bash
# Measures the program: start-up, the per-turn cost over a long replayed
# command file, peak memory, and (through Google Benchmark) save, restore,
# undo and the per-turn autosave. Prints one line per figure.
set -euo pipefail
build=${1:-build-bench}
prog=$build/zendry
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/fablet"
printf 'BROWSER NONE   # plain console\r\n' > "$home/fablet/fablet.conf"

# Start-up: from launch to the first input, with nothing to read.
printf 'Wiz: 1\n' > "$home/empty.cmd"
start=$(date +%s.%N)
for i in $(seq 20); do HOME="$home" "$prog" -n -p0 -c "$home/empty.cmd" </dev/null >/dev/null 2>&1 || true; done
end=$(date +%s.%N)
awk -v a="$start" -v b="$end" 'BEGIN { printf "start-up: %.2f ms\n", (b - a) * 1000 / 20 }'

# Per turn: a long walk of ordinary commands, replayed.
turns=${TURNS:-5000}
{
  echo "Wiz: 4242"
  cmds=(look inventory north south east west "take lamp" "drop lamp" score "examine lamp" up down)
  for i in $(seq "$turns"); do echo "REPLY: ${cmds[$((i % ${#cmds[@]}))]}"; done
} > "$home/long.cmd"
/usr/bin/time -f '%e %M' -o "$home/time.txt" env HOME="$home" "$prog" -n -p0 -c "$home/long.cmd" \
  </dev/null >/dev/null 2>&1 || true
read -r secs kb < "$home/time.txt"
awk -v s="$secs" -v n="$turns" 'BEGIN { printf "per turn (%d replayed commands, autosave and undo journal included): %.1f us\n", n, s * 1000000 / n }'
echo "peak memory over the long replay: $((kb / 1024)) MiB"

if [ -x "$build/bench/persist_bench" ]; then
  "$build/bench/persist_bench" --benchmark_format=console 2>/dev/null | grep -E '^(BM_|Benchmark)'
fi
