#!/usr/bin/env bash
# Renders the icon's PNG sizes and the Windows icon from kerumina.svg. The results are kept
# in the repository, so a build needs neither tool: run this after editing the drawing.
# Needs rsvg-convert (librsvg2-bin) and ImageMagick's convert.
set -euo pipefail
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for size in 16 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" kerumina.svg -o "$work/$size.png"
done
for size in 16 32 48 128; do
  cp "$work/$size.png" "kerumina-$size.png"
done
convert "$work"/{16,24,32,48,64,256}.png kerumina.ico
