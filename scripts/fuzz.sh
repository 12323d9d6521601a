#!/bin/sh
# Builds the fuzz preset (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs every harness for SECONDS (default 20)
# on a copy of its seed inputs in fuzz/seeds/<harness>/. A crash, a leak, an
# input that runs longer than 10 s, a single allocation above 256 MiB or more
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
  mkdir -p "$corpus"
  echo "=== fuzz $harness for ${seconds}s"
  build/fuzz/fuzz/"$harness" "$corpus" "fuzz/seeds/$harness" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -malloc_limit_mb=256 \
    -artifact_prefix="$findings/$harness-" -print_final_stats=1 2>&1 |
    grep -E "^(#[0-9]+ +DONE|stat::number_of_executed_units|==[0-9]+==ERROR|SUMMARY|artifact_prefix|Test unit written)" || true
  # libFuzzer writes an artifact for every failure it finds.
  if ls "$findings/$harness-"* >/dev/null 2>&1; then
    echo "fuzz $harness: failure, see $findings" >&2
    exit 1
  fi
done
echo "=== fuzzing found nothing"
