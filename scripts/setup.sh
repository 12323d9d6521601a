#!/bin/sh
# Installs what the build and the tests need on a Debian 12 machine, as root.
# Does nothing when everything is there already.
set -e
packages="cmake make g++ libgtest-dev libgmock-dev googletest libbenchmark-dev
  g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 wine64 xvfb xauth
  clang-14 libclang-rt-14-dev"
missing=""
for p in $packages; do
  dpkg -s "$p" >/dev/null 2>&1 || missing="$missing $p"
done
if [ -n "$missing" ]; then
  echo "installing:$missing"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q $missing
fi
