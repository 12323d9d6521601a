#!/bin/sh
# Installs what the main job needs on a Debian 12 machine, as root: the
# compiler and CMake, nothing else.
set -e
sh "$(dirname "$0")/install-missing.sh" cmake make g++
