#!/bin/sh
# Takes docs/screenshots/flag-dialog.png and docs/screenshots/about-box.png:
# the tool's flag selection dialog and information box, each opened on its
# own in a Wine virtual desktop on a virtual display. Builds what it needs;
# rerun it from anywhere. WINEPREFIX is honoured.
set -eu
cd "$(dirname "$0")/.."
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

cmake --preset windows >/dev/null
nice -n 10 cmake --build --preset windows -j2 --target show_widgets >/dev/null

work=$(pwd)/build/widgets-shot
rm -rf "$work"
mkdir -p "$work" docs/screenshots
for dialog in flags about; do
  xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
    set -eu
    wine=/usr/lib/wine/wine64 dialog=$1 work=$2
    mkdir -p "${WINEPREFIX:-$HOME/.wine}"
    $wine cmd /c exit >/dev/null 2>&1 || true
    $wine explorer /desktop=shot,800x600 "$(pwd)/build/windows/app/show_widgets.exe" "$dialog" &
    sleep 8
    import -window root "$work/$dialog.png"
    /usr/lib/wine/wineserver -k || true
  ' sh "$dialog" "$work"
done
# The virtual desktop fills the screen's top left corner; cut each dialog out
# of the plain desktop around it.
/usr/bin/convert "$work/flags.png" -crop 800x600+0+0 +repage -trim +repage \
  docs/screenshots/flag-dialog.png
/usr/bin/convert "$work/about.png" -crop 800x600+0+0 +repage -trim +repage \
  docs/screenshots/about-box.png
echo docs/screenshots/flag-dialog.png docs/screenshots/about-box.png
