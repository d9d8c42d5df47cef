#!/bin/sh
# Renders the SVG drawings in resources/art into the JPEG pictures the program
# loads: mechanism drawings and About pictures into resources/pictures, inertia
# shape pictures into resources/icons (shape k is Inertia00<k+1>.jpg); the
# tool-bar icons as PNG into resources/pictures.
# Only needed when a drawing changes; the build copies the committed JPEGs.
# Tools (Debian): librsvg2-bin, imagemagick, libjpeg-turbo-progs, fonts-dejavu-core.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
art="$root/resources/art"
pictures="$root/resources/pictures"
icons="$root/resources/icons"

for tool in rsvg-convert convert cjpeg; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "make-pictures: $tool not found" >&2
        echo "  apt-get install librsvg2-bin imagemagick libjpeg-turbo-progs fonts-dejavu-core" >&2
        exit 1
    fi
done
if ! fc-list 2>/dev/null | grep -q "DejaVu Sans"; then
    echo "make-pictures: font DejaVu Sans missing (fonts-dejavu-core)" >&2
    exit 1
fi

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT INT TERM
mkdir -p "$pictures" "$icons"

# render NAME OUTPUT: SVG -> flattened 8-bit RGB -> baseline JPEG, quality 92.
# Full-resolution chroma keeps the coloured labels and thin lines sharp.
render() {
    rsvg-convert --background-color=white "$art/$1.svg" -o "$tmp/$1.png"
    convert "$tmp/$1.png" -alpha remove -alpha off -type TrueColor -depth 8 "ppm:$tmp/$1.ppm"
    cjpeg -quality 92 -baseline -optimize -sample 1x1 -outfile "$2" "$tmp/$1.ppm"
    echo "$2"
}

for n in 1 2 3 4 5 6 7; do
    render "mechanism$n" "$pictures/mechanism$n.jpg"
done
render about_banner "$pictures/about_banner.jpg"
render about_icon "$pictures/about_icon.jpg"
for n in 1 2 3 4 5 6 7; do
    render "shape$n" "$icons/Inertia00$n.jpg"
done
# Tool-bar icons keep their transparency: PNG straight from the drawing.
for name in tool_open tool_save tool_save_result tool_about; do
    rsvg-convert "$art/$name.svg" -o "$pictures/$name.png"
    echo "$pictures/$name.png"
done
