#!/bin/sh
# Draws the program's icon: a circular concrete section with its ring of
# longitudinal bars. Writes, beside this script (or into DIR):
#   pilaro.png            84 x 84, the window's own icon
#   icons/pilaro-N.png    N x N for N = 48, 64, 128, 256 (the hicolor sizes)
#   icons/pilaro.svg      the same drawing as SVG (hicolor's scalable size)
# PNGs in a palette of 256 colours. Usage: make_icon.sh [DIR]
set -eu
dir=${1:-"$(dirname "$0")"}
mkdir -p "$dir/icons"

# The drawing on a grid of 84: the section of radius 39 around (42,42),
# twelve bars of radius 3.6 on a circle of radius 29.
bar_centres() {
    awk 'BEGIN { for (k = 0; k < 12; k++) { a = k * 3.1415926 / 6;
                 printf "%.4f %.4f\n", 42 + 29 * cos(a), 42 + 29 * sin(a) } }'
}

# $1: the size in pixels; $2: the file.
draw_png() {
    bars=$(bar_centres | awk -v s="$1" '{ k = s / 84; x = $1 * k; y = $2 * k;
           printf " circle %.1f,%.1f %.1f,%.1f", x, y, x + 3.6 * k, y }')
    section=$(awk -v s="$1" 'BEGIN { k = s / 84; printf "circle %.1f,%.1f %.1f,%.1f", 42 * k, 42 * k, 42 * k, 3 * k }')
    strokes=$(awk -v s="$1" 'BEGIN { k = s / 84; printf "%.2f %.2f", 2 * k, k }')
    set -- "$1" "$2" $strokes
    convert -size "$1x$1" xc:none \
        -fill '#b9b4a8' -stroke '#55524b' -strokewidth "$3" -draw "$section" \
        -fill '#2f4f7a' -stroke '#1b2f4a' -strokewidth "$4" -draw "$bars" \
        -define png:exclude-chunks=date,time -strip "PNG8:$2"
}

draw_png 84 "$dir/pilaro.png"
for size in 48 64 128 256; do
    draw_png "$size" "$dir/icons/pilaro-$size.png"
done

{
    echo '<svg xmlns="http://www.w3.org/2000/svg" width="84" height="84" viewBox="0 0 84 84">'
    echo '  <circle cx="42" cy="42" r="39" fill="#b9b4a8" stroke="#55524b" stroke-width="2"/>'
    echo '  <g fill="#2f4f7a" stroke="#1b2f4a" stroke-width="1">'
    bar_centres | awk '{ printf "    <circle cx=\"%.4f\" cy=\"%.4f\" r=\"3.6\"/>\n", $1, $2 }'
    echo '  </g>'
    echo '</svg>'
} >"$dir/icons/pilaro.svg"
