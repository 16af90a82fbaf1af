#!/usr/bin/env bash
# Runs the Win32 smoke test under Wine and takes the screenshots it asks for: a Windows
# program cannot read Wine's windows back from the X server, so it names a window and its
# screen rectangle in a request file, and this script captures that part of the screen.
# Usage: gui_smoke_wine.sh WINE_RUN SMOKE_EXE
set -uo pipefail
wine_run="$1"
exe="$2"
folder="$(dirname "$exe")"
rm -f "$folder"/capture-*.request "$folder"/capture-*.done "$folder"/smoke-*.bmp
"$wine_run" "$exe" &
program=$!
while kill -0 "$program" 2>/dev/null; do
  for request in "$folder"/capture-*.request; do
    [ -f "$request" ] || continue
    name="$(basename "$request" .request)"
    name="${name#capture-}"
    read -r x y width height < "$request"
    import -window root -crop "${width}x${height}+${x}+${y}" +repage \
      "BMP3:$folder/smoke-$name.bmp" 2>/dev/null
    rm -f "$request"
    touch "$folder/capture-$name.done"
  done
  sleep 0.1
done
wait "$program"
