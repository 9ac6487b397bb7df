#!/bin/sh
# Renders the hand-drawn icon (drelvik.xpm) into the PNG the window and the
# desktop entry use and the ICO a Windows build embeds: one 32 × 32 image at
# 8 bits per pixel, which every Windows from XP on shows as drawn. Needs
# ImageMagick and icoutils.
set -e
cd "$(dirname "$0")"
convert drelvik.xpm -colors 256 PNG8:drelvik.png
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
convert drelvik.xpm -background none PNG32:"$work/drelvik.png"
icotool --create --bit-depth=8 --output=drelvik.ico "$work/drelvik.png"
