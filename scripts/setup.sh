#!/bin/sh
# Installs what the build and the tests need on a Debian 12 machine, as root.
# Does nothing when everything is there already.
set -e
packages="cmake make g++ libgtest-dev libgmock-dev googletest libbenchmark-dev
  g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 wine64 xvfb xauth
  libpugixml-dev gettext translate-toolkit libxml2-utils clang-14 libclang-rt-14-dev"
sh "$(dirname "$0")/install-missing.sh" $packages
