#!/bin/sh
# Sets up the machine, builds the native, sanitizer and Windows presets and
# runs every test of all three; the Windows tests run under Wine on a virtual
# display. Then runs each fuzz harness for 20 seconds. Exits non-zero when
# anything fails.
set -e
cd "$(dirname "$0")/.."
sh scripts/setup.sh
jobs=$(nproc)

for preset in native asan windows; do
  echo "=== build $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
done

echo "=== test native"
ctest --preset native -j "$jobs"
echo "=== test asan"
ctest --preset asan -j "$jobs"
echo "=== test windows (Wine)"
xvfb-run -a sh scripts/wine-ctest.sh -j "$jobs"
echo "=== fuzz (a short run of each harness)"
sh scripts/fuzz.sh 20
echo "=== all tests passed"
