#!/bin/sh
# Takes docs/screenshots/switch-dialog.png: the language switch dialog of the
# example Notebook, held in German, beside language files of the same program
# in English and French (this version) and Italian (an older version), each
# with its flag from the flag table. Builds what it needs (tolmeric-cli
# natively, the dialog program for Windows), scans the example's script into
# the four language files and opens the dialog in a Wine virtual desktop on
# a virtual display. Rerun it from anywhere; WINEPREFIX is honoured.
set -eu
cd "$(dirname "$0")/.."
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64

cmake --preset native >/dev/null
nice -n 10 cmake --build --preset native -j2 --target tolmeric-cli >/dev/null
cmake --preset windows >/dev/null
nice -n 10 cmake --build --preset windows -j2 --target show_switch_dialog >/dev/null

work=$(pwd)/build/switch-dialog-shot
rm -rf "$work"
mkdir -p "$work" docs/screenshots
scan() {
  build/native/cli/tolmeric-cli scan -q --force --auto-install --program Notebook \
    --output "$work/$1" --version "$2" --language "$3" --flag "$4" examples/notebook/notebook.rc
}
scan deutsch.tra 1.0 Deutsch de
scan english.tra 1.0 English en
scan francais.tra 1.0 "Français" fr
scan italiano.tra 0.9 Italiano it

xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
  set -eu
  wine=$1 work=$2
  mkdir -p "${WINEPREFIX:-$HOME/.wine}"
  $wine cmd /c exit >/dev/null 2>&1 || true
  file=$($wine winepath -w "$work/deutsch.tra" 2>/dev/null)
  $wine explorer /desktop=shot,640x480 "$(pwd)/build/windows/runtime/show_switch_dialog.exe" "$file" &
  sleep 8
  import -window root "$work/screen.png"
  /usr/lib/wine/wineserver -k || true
' sh "$wine" "$work"
# The virtual desktop fills the screen's top left corner; cut the dialog out
# of the plain desktop around it.
/usr/bin/convert "$work/screen.png" -crop 640x480+0+0 +repage -trim +repage \
  docs/screenshots/switch-dialog.png
echo "docs/screenshots/switch-dialog.png"
