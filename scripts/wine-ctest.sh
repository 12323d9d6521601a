#!/bin/sh
# Runs the Windows tests with one persistent Wine server, so that every test
# executable starts in milliseconds instead of seconds. The build folder is
# build/windows unless WINDOWS_BUILD_DIR names another; WINEPREFIX is honoured.
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
dir=${WINDOWS_BUILD_DIR:-build/windows}
# The server needs the prefix folder; Wine fills it on the first start.
mkdir -p "${WINEPREFIX:-$HOME/.wine}"
/usr/lib/wine/wineserver -p 60 &
/usr/lib/wine/wine64 cmd /c exit >/dev/null 2>&1 || true
status=0
ctest --test-dir "$dir" --output-on-failure "$@" || status=$?
/usr/lib/wine/wineserver -k || true
exit $status
