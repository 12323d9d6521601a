#!/bin/sh
# Builds the fuzz preset (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs every harness for SECONDS (default 20)
# on a copy of its seed inputs in fuzz/seeds/<harness>/. A crash, a leak, an
# input that runs longer than 30 s, a single allocation above 256 MiB or more
# than 2 GiB in use fails the run; the input is left in build/fuzz/findings/.
#   sh scripts/fuzz.sh [SECONDS] [HARNESS...]
set -e
cd "$(dirname "$0")/.."
seconds=${1:-20}
[ $# -gt 0 ] && shift
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"

harnesses="$*"
if [ -z "$harnesses" ]; then
  harnesses=$(ls fuzz/seeds)
fi
findings=build/fuzz/findings
mkdir -p "$findings"
for harness in $harnesses; do
  corpus=build/fuzz/corpus/$harness
  log=build/fuzz/$harness.log
  mkdir -p "$corpus"
  echo "=== fuzz $harness for ${seconds}s"
  status=0
  build/fuzz/fuzz/"$harness" "$corpus" "fuzz/seeds/$harness" \
    -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 -malloc_limit_mb=256 \
    -artifact_prefix="$findings/$harness-" -print_final_stats=1 >"$log" 2>&1 || status=$?
  grep -E "^(stat::number_of_executed_units|stat::peak_rss_mb|==[0-9]+==ERROR|SUMMARY)" "$log" || true
  if [ "$status" -ne 0 ]; then
    echo "fuzz $harness: failure (exit $status), see $log and $findings" >&2
    exit 1
  fi
done
echo "=== fuzzing found nothing"
