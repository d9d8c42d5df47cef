#!/bin/sh
# Draws the click areas of ui/MechanismPictureAreas.cpp over the mechanism
# pictures and checks them: counts per code, size, picture bounds, overlaps.
# Usage: scripts/preview-areas.sh [output-dir]   (default /tmp/picture-areas)
# Needs ImageMagick (convert) for the overlays.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-/tmp/picture-areas}
mkdir -p "$out"
list="$out/areas.txt"

# one line per area: page tag x y w h
sed -n 's/^ *{\([0-9]*\), *\([0-9]*\), *\([0-9]*\), *\([0-9]*\), *\([0-9]*\), *\([0-9]*\), *".*$/\1 \2 \3 \4 \5 \6/p' \
    "$root/ui/MechanismPictureAreas.cpp" >"$list"

status=0
awk -v W=364 -v H=264 '
{
    n++; page[n] = $1; tag[n] = $2; x[n] = $3; y[n] = $4; w[n] = $5; h[n] = $6
    code = $2 % 100
    count[$1 "/" code]++
    total[code]++
    if ($2 != 0 && int($2 / 100) != $1) { print "tag " $2 " on page " $1; bad = 1 }
    if ($5 < 14 || $6 < 14) { print "small area: " $0; bad = 1 }
    if ($3 < 0 || $4 < 0 || $3 + $5 > W || $4 + $6 > H) { print "off picture: " $0; bad = 1 }
}
END {
    for (i = 1; i <= n; i++)
        for (j = i + 1; j <= n; j++)
            if (page[i] == page[j] && x[i] < x[j] + w[j] && x[j] < x[i] + w[i] &&
                y[i] < y[j] + h[j] && y[j] < y[i] + h[i]) {
                print "overlap on page " page[i] ": tags " tag[i] " and " tag[j]; bad = 1
            }
    for (p = 1; p <= 7; p++) {
        want14 = (p == 3 || p == 6) ? 2 : 0
        want22 = (p <= 5) ? 2 : 0
        want0 = (p >= 6) ? 2 : 0
        if (count[p "/11"] != 2 || count[p "/12"] != 2 || count[p "/13"] != 2 ||
            count[p "/14"] + 0 != want14 || count[p "/22"] + 0 != want22 || count[p "/0"] + 0 != want0) {
            print "page " p ": wrong area counts"; bad = 1
        }
    }
    printf "%d areas: code 11 %d, 12 %d, 13 %d, 14 %d, 22 %d, tag 0 %d\n", n, total[11], total[12], total[13], total[14], total[22], total[0]
    if (n != 60) bad = 1
    exit bad
}' "$list" || status=1

for p in 1 2 3 4 5 6 7; do
    draw=""
    while read -r pg tag x y w h; do
        [ "$pg" = "$p" ] || continue
        case $((tag % 100)) in
        11) colour=red ;;
        12) colour=green ;;
        13) colour=orange ;;
        14) colour=magenta ;;
        *) colour=blue ;;
        esac
        draw="$draw -stroke $colour -draw \"rectangle $x,$y $((x + w - 1)),$((y + h - 1))\""
    done <"$list"
    eval convert "$root/resources/pictures/mechanism$p.jpg" -fill none -strokewidth 1 $draw \
        -scale 200% "$out/mechanism$p.png"
    echo "$out/mechanism$p.png"
done
exit $status
