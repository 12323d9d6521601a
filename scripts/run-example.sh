#!/bin/sh
# The main job on the bundled example: installs the compiler and CMake,
# builds an optimised tolmeric-cli (assertions stay in), installs it on the
# PATH (/usr/local/bin) and builds the example project with it. The project
# is copied to build/example first, so the checkout stays as it is; the
# language file is left there.
set -e
cd "$(dirname "$0")/.."
sh scripts/setup-main.sh
cmake -S . -B build/main -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE=-O2 \
  -DTOLMERIC_BUILD_TESTS=OFF -DTOLMERIC_BUILD_BENCH=OFF >/dev/null
cmake --build build/main -j "$(nproc)" --target tolmeric-cli
cmake --install build/main
rm -rf build/example
mkdir -p build/example
cp -r examples/notebook build/example/
echo "=== tolmeric-cli build build/example/notebook/notebook.lxp"
tolmeric-cli build build/example/notebook/notebook.lxp
echo "=== language file:"
ls -l build/example/notebook/notebook.tra
