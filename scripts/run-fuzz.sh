#!/usr/bin/env bash
# Runs every fuzz target built in BUILD for SECONDS each, from its seeds in
# fuzz/corpus/<name> and what earlier runs found (BUILD/fuzz-run/corpus).
# A crash, a leak, undefined behaviour, an input that runs longer than
# TIMEOUT seconds, a process above RSS_MB mebibytes or one allocation above
# MALLOC_MB (nothing the program reads needs that much at once) is a
# finding: its input is kept in BUILD/fuzz-run/findings and the script fails
# once every target has run. One summary line per target tells its executions.
# JOBS targets run at a time.
#
#   scripts/run-fuzz.sh [BUILD [SECONDS]]   environment: FUZZ_TARGETS, JOBS, TIMEOUT, RSS_MB, MALLOC_MB
set -uo pipefail

build=${1:-build-fuzz}
seconds=${2:-60}
timeout=${TIMEOUT:-10}
rss_mb=${RSS_MB:-2048}
malloc_mb=${MALLOC_MB:-512}
jobs=${JOBS:-2}
root=$(cd "$(dirname "$0")/.." && pwd)
run="$build/fuzz-run"
mkdir -p "$run/findings"
# The targets write their inputs to files (and saves are flushed to disk):
# in memory where the system offers it.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then
  export TMPDIR=/dev/shm
fi

targets=${FUZZ_TARGETS:-$(cd "$build/fuzz" && ls fuzz_* 2>/dev/null | sed 's/^fuzz_//')}
if [ -z "$targets" ]; then
  echo "No fuzz targets in $build/fuzz: build them with 'make fuzz'." >&2
  exit 2
fi

# One target; its exit status is kept beside its log.
run_target() {
  local name=$1
  local seeds="$root/fuzz/corpus/$name" corpus="$run/corpus/$name" log="$run/$name.log"
  mkdir -p "$corpus"
  ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=0 UBSAN_OPTIONS=print_stacktrace=1 \
    "$build/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout="$timeout" -rss_limit_mb="$rss_mb" \
    -malloc_limit_mb="$malloc_mb" -print_final_stats=1 -artifact_prefix="$run/findings/$name-" "$corpus" "$seeds" >"$log" 2>&1
  echo $? >"$run/$name.status"
}

# JOBS targets at a time (each runs on one core).
for name in $targets; do
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n; done
  echo "fuzz_$name: ${seconds} s ..."
  rm -f "$run/$name.status"
  run_target "$name" &
done
wait

summary=()
failed=0
for name in $targets; do
  log="$run/$name.log"
  status=$(cat "$run/$name.status" 2>/dev/null || echo "?")
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  line="fuzz_$name: ${execs:-?} executions in ${seconds} s"
  if [ "$status" != 0 ]; then
    failed=1
    line="$line, FINDING (exit $status, see $log)"
    grep -m1 -E "^(==[0-9]+==ERROR|SUMMARY|.*runtime error|fuzz property broken|ALARM|==[0-9]+== ERROR)" "$log" >&2 || true
  fi
  summary+=("$line")
done

echo
echo "Fuzzing summary:"
printf '  %s\n' "${summary[@]}"
exit $failed
