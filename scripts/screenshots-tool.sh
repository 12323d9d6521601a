#!/bin/sh
# Takes docs/screenshots/tool-general.png, tool-resources.png and
# tool-messages.png: the tool's main window with the notebook example's
# project open (examples/notebook, started as "Tolmeric.exe -p notebook" in
# a copy of its folder), once on each page; then tool-general-en.png, the
# first page of the tool started with its English language file as the one
# it loads (a copy of the tool's folder where Tolmeric.tra is the English
# file). Builds what it needs for Windows
# and runs Tolmeric.exe in a Wine virtual desktop on a virtual display.
# Rerun it from anywhere; WINEPREFIX is honoured.
set -eu
cd "$(dirname "$0")/.."
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64

cmake --preset windows >/dev/null
nice -n 10 cmake --build --preset windows -j2 --target Tolmeric tool_select_tab >/dev/null

bin=$(pwd)/build/windows/app/bin
select=$(pwd)/build/windows/app/tool_select_tab.exe
work=$(pwd)/build/tool-shot
rm -rf "$work"
mkdir -p "$work" docs/screenshots
cp -r examples/notebook "$work/notebook"
english=$work/english
mkdir -p "$english"
cp "$bin/Tolmeric.exe" "$english/"
cp "$bin/Tolmeric_English.tra" "$english/Tolmeric.tra"

xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
  set -eu
  wine=$1 bin=$2 select=$3 work=$4 english=$5
  mkdir -p "${WINEPREFIX:-$HOME/.wine}"
  $wine cmd /c exit >/dev/null 2>&1 || true
  cd "$work/notebook"
  $wine explorer /desktop=shot,800x700 "$bin/Tolmeric.exe" -p notebook &
  sleep 12
  import -window root "$work/general.png"
  for page in 1 2; do
    $wine explorer /desktop=shot,800x700 "$select" "Lexivane Tolmeric" $page
    sleep 3
    import -window root "$work/page$page.png"
  done
  /usr/lib/wine/wineserver -k || true
  $wine explorer /desktop=shot,800x700 "$english/Tolmeric.exe" -p notebook &
  sleep 12
  import -window root "$work/english.png"
  /usr/lib/wine/wineserver -k || true
' sh "$wine" "$bin" "$select" "$work" "$english"

# The virtual desktop sits at the top left of the screen, the window at the
# desktop's.
crop() {
  /usr/bin/convert "$work/$1.png" -crop 380x528+0+0 +repage "docs/screenshots/$2.png"
  echo "docs/screenshots/$2.png"
}
crop general tool-general
crop page1 tool-resources
crop page2 tool-messages
crop english tool-general-en
