#!/bin/sh
# Takes docs/screenshots/demo-de.png and demo-en.png: the demo application
# (examples/demo-app) with a document and its find dialog open, once in
# German, its own language, and once in English, the language its profile
# names at the next start. Builds what it needs for Windows and runs
# demo.exe in a Wine virtual desktop on a virtual display. Rerun it from
# anywhere; WINEPREFIX is honoured.
set -eu
cd "$(dirname "$0")/.."
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64

cmake --preset windows >/dev/null
nice -n 10 cmake --build --preset windows -j2 --target demo demo_post_command >/dev/null

bin=$(pwd)/build/windows/examples/demo-app/bin
post=$(pwd)/build/windows/examples/demo-app/demo_post_command.exe
work=$(pwd)/build/demo-shot
rm -rf "$work"
mkdir -p "$work" docs/screenshots

# shoot NAME TITLE [LANGUAGE_FILE]: starts demo.exe with the profile naming
# LANGUAGE_FILE (none: the German default), opens the find dialog once the
# window whose title starts with TITLE is there, and takes the virtual
# desktop.
xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
  set -eu
  wine=$1 bin=$2 post=$3 work=$4
  prefix=${WINEPREFIX:-$HOME/.wine}
  mkdir -p "$prefix"
  $wine cmd /c exit >/dev/null 2>&1 || true
  shoot() {
    ini="$prefix/drive_c/windows/demo.ini"
    rm -f "$ini"
    if [ -n "${3:-}" ]; then
      printf "[Language]\r\nLastTraFile=%s\r\n" "$($wine winepath -w "$bin/$3" 2>/dev/null)" >"$ini"
    fi
    $wine explorer /desktop=shot,800x600 "$bin/demo.exe" &
    # The command goes to the window from the same virtual desktop.
    $wine explorer /desktop=shot,800x600 "$post" "$2" 0xE124 &
    sleep 12
    import -window root "$work/$1.png"
    /usr/lib/wine/wineserver -k || true
    sleep 1
  }
  shoot de Demo
  shoot en Demo demo_English.tra
' sh "$wine" "$bin" "$post" "$work"

# The virtual desktop sits at the top left of the screen, the demo's
# window at the desktop's.
for language in de en; do
  /usr/bin/convert "$work/$language.png" -crop 600x450+0+0 +repage \
    "docs/screenshots/demo-$language.png"
  echo "docs/screenshots/demo-$language.png"
done
