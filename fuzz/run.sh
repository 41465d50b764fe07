#!/usr/bin/env bash
# Runs one fuzz harness of a fuzz build (cmake -DZENDRY_FUZZ=ON).
#   run.sh check BUILD NAME SECONDS   every input of the seed corpus, then
#                                     SECONDS of fuzzing (the harness's test)
#   run.sh fuzz BUILD NAME SECONDS    SECONDS of fuzzing from the seeds and
#                                     what earlier runs found; the output goes
#                                     to BUILD/fuzz-logs/NAME.log, a summary
#                                     line to the standard output
# The seeds are corpus/NAME beside this script; new inputs go to a temporary
# directory (check) or BUILD/fuzz-corpus/NAME (fuzz); a crashing input is
# written to BUILD/fuzz-artifacts/NAME/. The dictionary is dict/NAME.dict,
# with the game's vocabulary added when it says "# with the game's vocabulary".
set -euo pipefail
how=$1
build=$(cd "$2" && pwd)
name=$3
seconds=$4
src=$(cd "$(dirname "$0")" && pwd)
bin=$build/fuzz/${name}_fuzz
seeds=$src/corpus/$name
art=$build/fuzz-artifacts/$name
mkdir -p "$art" "$seeds"

dict=$build/fuzz/$name.dict
: >"$dict"
if [ -f "$src/dict/$name.dict" ]; then
  cat "$src/dict/$name.dict" >>"$dict"
  if grep -q "^# with the game's vocabulary" "$dict"; then
    # Each word the parser matches (the first column), quoted once.
    awk '!/^#/ && NF { w = $1; gsub(/\\/, "\\\\", w); gsub(/"/, "\\\"", w);
                       if (!seen[w]++) printf "\"%s\"\n", w }' "$src/../game/text/vocabulary.voc" >>"$dict"
  fi
fi

export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
flags=(-timeout=10 -rss_limit_mb=2048 -print_final_stats=1 -max_total_time="$seconds" -artifact_prefix="$art/")
[ -s "$dict" ] && flags+=(-dict="$dict")

case $how in
check)
  new=$(mktemp -d)
  trap 'rm -rf "$new"' EXIT
  "$bin" "${flags[@]}" "$new" "$seeds"
  ;;
fuzz)
  new=$build/fuzz-corpus/$name
  logs=$build/fuzz-logs
  mkdir -p "$new" "$logs"
  status=0
  "$bin" "${flags[@]}" "$new" "$seeds" >"$logs/$name.log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$logs/$name.log" | tail -1)
  last=$(grep -E '^#[0-9]+' "$logs/$name.log" | tail -1 | sed -E 's/^#[0-9]+[[:space:]]+[A-Z]+[[:space:]]+//')
  found=$(ls "$art" | wc -l)
  echo "$name: ${runs:-?} executions, ${last:-no coverage line}; exit $status; $found input(s) in $art"
  exit "$status"
  ;;
*)
  echo "usage: $0 check|fuzz BUILD NAME SECONDS" >&2
  exit 2
  ;;
esac
