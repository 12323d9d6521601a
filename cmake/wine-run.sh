#!/bin/sh
# Runs a Windows executable under Wine, quietly. Used as CTest's emulator.
WINEDEBUG=${WINEDEBUG:--all}
export WINEDEBUG
exec /usr/lib/wine/wine64 "$@"
