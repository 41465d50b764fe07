#!/usr/bin/env bash
# Measures the game (`make bench`) and prints the README's Figures section:
# the real binaries measured from outside by bench/turns.cpp (start-up, the
# command of the walkthrough, of a realistic mix and by command class in
# games played in the game under way, with and without the autosave, peak
# memory, a long game played whole, its journal log and resume, the
# browser's round trip; the things compared run in turn, round after round),
# and the kernel's own costs of saving, restoring, undo and the autosave by
# bench/persist_bench.cpp (medians of five repetitions).
#   scripts/bench.sh [build-dir]            print the section
#   scripts/bench.sh [build-dir] --readme   and put it in README.md
# With PEER set to another interpreter's command line (PEER_GAME: a file of
# commands it plays as a long game), that interpreter is measured in the
# same interleaved rounds; its rows are printed after the section, never
# put in README.md.
set -euo pipefail
build=build-bench
readme=0
for arg in "$@"; do
  case $arg in
    --readme) readme=1 ;;
    *) build=$arg ;;
  esac
done

load_before=$(cut -d' ' -f1 /proc/loadavg)
all_rows=$(BENCH_PEER=${PEER:-} BENCH_PEER_GAME=${PEER_GAME:-} \
  "$build/bench/turn_bench" "$build/zendry" "$build/bench/zendry_play" tests/transcripts/walkthrough.cmd)
rows=$(grep -v '^| beside the peer' <<<"$all_rows" || true)
peer_rows=$(grep '^| beside the peer' <<<"$all_rows" || true)

# The kernel's benchmarks: "name,iterations,real_time,cpu_time,time_unit,..."
# for each median; the wall time of one in microseconds.
csv=$("$build/bench/persist_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_format=csv 2>/dev/null)
kernel() {
  awk -F, -v name="\"$1_median\"" '$1 == name {
    t = $3; u = $5
    if (u == "ns") t /= 1000; else if (u == "ms") t *= 1000; else if (u == "s") t *= 1000000
    if (t >= 1000) printf "%.2f ms", t / 1000; else if (t >= 10) printf "%.0f us", t; else printf "%.2f us", t
  }' <<<"$csv"
}

section=$(cat <<EOF
## Figures

Measured with \`make bench\` in one run, on $(nproc) cores of $(uname -m) ($(uname -r)),
a machine shared with other work while it ran (its load average at the start and at
the end: $load_before and $(cut -d' ' -f1 /proc/loadavg)), with the build in $build. The things compared
run in turn, round after round (eleven rounds; thirty-one for the start-up, three
for the browser), so that a drift of the machine's speed touches each alike. A time
is the median over the rounds; a difference or a ratio is taken within each round,
and its median is followed in brackets by its spread over the rounds, from the first
quartile to the third: the machine's noise, which a single figure would hide. A peak
of memory is the largest of the rounds; sizes, counts and instructions, the same
from run to run, come from one run.

Start-up is split into loading the program (\`zendry -v\`, which ends before the
game starts) and the game's own start, beside \`/bin/echo\`. Commands are measured
over long replayed command files through the binaries (processor time as the system
accounts it to the process, system calls included, and wall time), per command given
(the game's count of turns, given beside, leaves out some of them, such as
\`score\`): a replay of no command in the same round takes the start-up off, and
each replay has a new home, as a new player's game. They are the winning walkthrough
in the game as it stands, and games played from "begin" by the benchmark's own
player in \`zendry_play\` (the game as it stands, its autosave on or left out), who
moves by the ways it has found to lead somewhere, takes and drops what is there to
take or drop, examines what is there, answers the game's questions and goes back to
water when it is thirsty: a game of a realistic mix of commands, played close to the
game's limit of turns, and one of each command class. How many of its moves moved
and of its takes and drops took or dropped is given beside them. The mix's game is
also played whole, from launch to exit, by the game as it stands, as a long game;
the game then resumes it at its next start, compared with a new game started in a
home played in before (the game's folder and persistent data already there, as for a
returning player), both started with nothing typed. The command classes are also
counted in instructions, by valgrind's callgrind, the same from run to run whatever
else the machine does, though they leave out the system's own work for the process
(such as writing a file) and the time an instruction waits for memory, which
processor time holds. Autosaves are counted from the files the game leaves. The
browser's round trip is timed by a client that speaks the page's protocol.

The kernel's own costs are measured inside it, over a small fixture game (medians of
five repetitions). \`make bench PEER='<command line>' PEER_GAME=<commands>\` measures
another interpreter in the same rounds, beside the game (printed after this section,
never kept here).

| what | figure |
|---|---|
$rows
| save a game (written to a temporary file, synced to the disk, renamed; with its journal of 50 commands) | $(kernel BM_Save) |
| restore a game, with its journal | $(kernel BM_Restore) |
| resume the autosave (the game, the transcript of its turn, its journal) | $(kernel BM_ResumeAutosave) |
| undo and redo one command | $(kernel BM_UndoRedoOneCommand) |
| undo and redo 1000 commands at once | $(kernel BM_UndoAllCommands/1000) |
| record one command in the undo journal | $(kernel BM_RecordCommand) |
| a turn boundary inside the kernel: journal record and autosave (journal of 1000 commands) | $(kernel BM_TurnBoundaryWithAutosave/1000) |
EOF
)

echo "$section"
if [ -n "$peer_rows" ]; then
  printf '\nBeside the peer (%s), in the same rounds:\n\n| what | figure |\n|---|---|\n%s\n' "$PEER" "$peer_rows"
fi
if [ "$readme" = 1 ]; then
  # The section runs from its heading to the next heading.
  awk -v section="$section" '
    /^## Figures/ { print section; print ""; skip = 1; next }
    skip && /^## / { skip = 0 }
    !skip { print }
  ' README.md > README.md.new
  mv README.md.new README.md
  echo "(README.md updated)"
fi
