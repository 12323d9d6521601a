#!/bin/sh
# The main job on the bundled example: sets up the machine, builds
# tolmeric-cli and builds the example project. The project is copied to
# build/example first, so the checkout stays as it is; the language file is
# left there.
set -e
cd "$(dirname "$0")/.."
sh scripts/setup.sh
cmake --preset native >/dev/null
cmake --build --preset native -j "$(nproc)" --target tolmeric-cli
rm -rf build/example
mkdir -p build/example
cp -r examples/notebook build/example/
echo "=== tolmeric-cli build build/example/notebook/notebook.lxp"
build/native/cli/tolmeric-cli build build/example/notebook/notebook.lxp
echo "=== language file:"
ls -l build/example/notebook/notebook.tra
