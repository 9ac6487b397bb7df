#!/bin/sh
# Renders the hand-drawn icon (drelvik.xpm) into the PNG the window and the
# desktop entry use and the ICO a Windows build embeds. Needs ImageMagick.
set -e
cd "$(dirname "$0")"
convert drelvik.xpm -colors 256 PNG8:drelvik.png
convert drelvik.xpm -colors 256 drelvik.ico
