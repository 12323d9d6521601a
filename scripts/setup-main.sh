#!/bin/sh
# Installs what the main job needs on a Debian 12 machine, as root: the
# compiler, CMake and the XML library the exchange with translators reads
# and writes XLIFF with; nothing else.
set -e
sh "$(dirname "$0")/install-missing.sh" cmake make g++ libpugixml-dev
