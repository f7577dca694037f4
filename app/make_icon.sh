#!/bin/sh
# Draws the program's icon: a circular concrete section with its ring of
# longitudinal bars, 84 x 84 pixels in a palette of 256 colours.
set -eu
out=${1:-"$(dirname "$0")/pilaro.png"}
bars=""
i=0
while [ "$i" -lt 12 ]; do
    # Bar centres on a circle of radius 29 around (42,42).
    set -- $(awk -v k="$i" 'BEGIN { a = k * 3.1415926 / 6; printf "%.1f %.1f", 42 + 29 * cos(a), 42 + 29 * sin(a) }')
    bars="$bars circle $1,$2 $(awk -v x="$1" 'BEGIN { printf "%.1f", x + 3.6 }'),$2"
    i=$((i + 1))
done
convert -size 84x84 xc:none \
    -fill '#b9b4a8' -stroke '#55524b' -strokewidth 2 -draw 'circle 42,42 42,3' \
    -fill '#2f4f7a' -stroke '#1b2f4a' -strokewidth 1 -draw "$bars" \
    -define png:exclude-chunks=date,time -strip "PNG8:$out"
