#!/bin/sh
# Makes every icon file from the one hand-drawn design, drelvik.xpm (32 × 32,
# eight colours): the PNG the window and the desktop's 32 × 32 use, the PNGs
# of the other hicolor sizes, a scalable SVG of the same pixels, and the ICO a
# Windows build embeds. The results are committed, so that a build needs
# none of the tools; run this after changing the design. Needs ImageMagick
# and icoutils; the check needs rsvg-convert (librsvg2-bin) too.
#   resources/make-icons.sh           write the files in resources/
#   resources/make-icons.sh --check   fail if a committed file differs in
#                                     pixels from what the design gives, or
#                                     the SVG does not show the design
set -eu
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/icons"

# The SVG draws each row's runs of one colour as rectangles, one path per
# colour; crisp edges keep the pixels square at any size.
awk '
/^"/ {
    sub(/^"/, ""); sub(/",?$/, "")
    line[++count] = $0
}
END {
    split(line[1], size, " ")
    width = size[1]; height = size[2]; colours = size[3]
    printf "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    printf "<!-- Made by make-icons.sh from drelvik.xpm: one square per pixel. -->\n"
    printf "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%d\" height=\"%d\" viewBox=\"0 0 %d %d\" shape-rendering=\"crispEdges\">\n", width, height, width, height
    for (c = 2; c <= colours + 1; c++) {
        key = substr(line[c], 1, 1)
        split(substr(line[c], 2), colour, " ")
        if (colour[2] == "None")
            continue
        path = ""
        for (y = 0; y < height; y++) {
            row = line[colours + 2 + y]
            for (x = 0; x < width; x = end) {
                for (end = x + 1; substr(row, x + 1, 1) == key && substr(row, end + 1, 1) == key; end++)
                    ;
                if (substr(row, x + 1, 1) == key)
                    path = path sprintf("M%d %dh%dv1h-%dz", x, y, end - x, end - x)
            }
        }
        printf "<path fill=\"%s\" d=\"%s\"/>\n", colour[2], path
    }
    printf "</svg>\n"
}' drelvik.xpm >"$work/icons/drelvik.svg"

# Any size: each target pixel averages the design pixels it covers, then takes
# the nearest of the design's own colours, and is either opaque or clear. At
# a multiple of 32 that is exactly the design, each pixel a square block.
convert drelvik.xpm -unique-colors PNG32:"$work/palette.png"
sized() { # SIZE OUTPUT
    convert drelvik.xpm -background none -filter box -resize "$1x$1" \
        -channel A -threshold 50% +channel +dither -remap "$work/palette.png" \
        -strip -define png:compression-level=9 -define png:exclude-chunks=date,time "$2"
}
convert drelvik.xpm -colors 256 -strip -define png:exclude-chunks=date,time PNG8:"$work/drelvik.png"
for size in 16 24 48 64 128 256; do
    sized "$size" PNG8:"$work/icons/drelvik-$size.png"
done

# Windows takes the 32 × 32 as drawn, in 256 colours; the other small sizes
# need no more than 16 colours; the 256 × 256 is stored as a PNG (Windows
# Vista and later read it, as 32-bit RGBA only), which keeps it small.
for size in 16 24 48 256; do
    sized "$size" PNG32:"$work/ico-$size.png"
done
convert drelvik.xpm -background none PNG32:"$work/ico-32.png"
icotool --create --output="$work/drelvik.ico" --bit-depth=4 "$work/ico-16.png" "$work/ico-24.png" \
    --bit-depth=8 "$work/ico-32.png" --bit-depth=4 "$work/ico-48.png" --raw="$work/ico-256.png"

files="drelvik.png drelvik.ico icons/drelvik.svg"
for size in 16 24 48 64 128 256; do
    files="$files icons/drelvik-$size.png"
done

if [ "${1:-}" != --check ]; then
    mkdir -p icons
    for file in $files; do
        cp "$work/$file" "$file"
    done
    exit 0
fi

# Pixels, not bytes: another ImageMagick may compress the same image
# differently. An ICO is compared entry by entry.
same_pixels() { # COMMITTED MADE
    [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = 0 ]
}
same_icon() { # COMMITTED MADE
    [ "$(icotool --list "$1")" = "$(icotool --list "$2")" ] || return 1
    rm -rf "$work/committed" "$work/made"
    mkdir "$work/committed" "$work/made"
    icotool --extract --output="$work/committed" "$1"
    icotool --extract --output="$work/made" "$2"
    for image in "$work/made"/*.png; do
        same_pixels "$work/committed/$(basename "$image")" "$image" || return 1
    done
}
failed=0
for file in $files; do
    case $file in
    *.svg) cmp -s "$file" "$work/$file" ;;
    *.ico) same_icon "$file" "$work/$file" ;;
    *) same_pixels "$file" "$work/$file" ;;
    esac || { echo "resources/$file is not what make-icons.sh makes of drelvik.xpm"; failed=1; }
done
rsvg-convert --width=32 --height=32 --output="$work/svg-32.png" icons/drelvik.svg
same_pixels "$work/ico-32.png" "$work/svg-32.png" ||
    { echo "resources/icons/drelvik.svg, drawn at 32 × 32, is not drelvik.xpm"; failed=1; }
[ $failed -eq 0 ] && echo "every icon file is drawn from drelvik.xpm"
exit $failed
