#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes docs/conversion-strip.png, the README's comparison of the conversion
# choices, from pictures it draws itself: a smooth gradient, a photo-like
# picture and a text card. Each row shows the original, then what the device
# shows with the defaults, with smoothing and crop, and with each dither, every
# one labelled with its compressed record size. It then prints how many
# photo-like pictures fit in one album with each dither.
#
# Usage: scripts/make-conversion-strip.sh [OUT.png]
#   BUILD_DIR  build folder holding valbum (default: build); it is built when missing.
# Needs ImageMagick (convert, montage) and the DejaVu fonts, which
# scripts/install-deps.sh installs.
set -euo pipefail

source_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${BUILD_DIR:-$source_dir/build}"
out="${1:-$source_dir/docs/conversion-strip.png}"
valbum="$build_dir/src/cli/valbum"
font="DejaVu-Sans"

if [[ ! -x "$valbum" ]]; then
    cmake -S "$source_dir" -B "$build_dir" >/dev/null
    cmake --build "$build_dir" --target valbum -j2 >/dev/null
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# photo.png: soft colour shapes with grain, like a snapshot; seed varies it.
make_photo() {
    convert -size 320x240 -seed "$1" plasma:tan-steelblue -blur 0x6 \
        \( -size 320x240 xc:gray50 -seed "$1" -attenuate 0.4 +noise Gaussian -colorspace gray \) \
        -compose overlay -composite -fill 'rgba(250,240,220,0.7)' -draw "circle 200,90 200,130" "$2"
}

convert -size 240x320 gradient:white-black -rotate 90 "$work/gradient.png"
make_photo 5 "$work/photo.png"
convert -size 300x220 xc:white -font "$font" -fill black -pointsize 30 -annotate +20+60 'Gate 14B' \
    -pointsize 16 -annotate +20+100 'Boarding 09:40, seat 23C' -annotate +20+130 'Please have your pass ready.' \
    -stroke black -strokewidth 1 -draw 'line 20,160 280,160' -pointsize 11 -stroke none \
    -annotate +20+190 'Small print: smoothing keeps thin lines.' "$work/card.png"

# Variant name, then the options that make it.
variants=(
    "default|"
    "smooth crop|--smooth --fit crop"
    "floyd-steinberg|--smooth --dither floyd-steinberg"
    "atkinson|--smooth --dither atkinson"
    "ordered|--smooth --dither ordered"
)

# Compressed record size of one picture brought in with the given options.
record_size() {
    local picture="$1"
    shift
    "$valbum" create --force "$work/one.valbum" "$@" "$picture" >/dev/null
    "$valbum" list "$work/one.valbum" | awk '$1 == "000" { print $NF }'
}

tiles=()
for name in gradient photo card; do
    picture="$work/$name.png"
    convert "$picture" -resize 184x184 -background white -gravity center -extent 184x184 "$work/$name-original.png"
    tiles+=(-label "$name" "$work/$name-original.png")
    index=0
    for variant in "${variants[@]}"; do
        title="${variant%%|*}"
        read -r -a options <<<"${variant#*|}"
        "$valbum" preview --force "$work/v$index" "${options[@]}" "$picture" >/dev/null
        convert "$work/v$index/$name.png" -filter point -resize 200% "$work/$name-$index.png"
        tiles+=(-label "$title: $(record_size "$picture" "${options[@]}") bytes" "$work/$name-$index.png")
        index=$((index + 1))
    done
done
montage -font "$font" -pointsize 12 "${tiles[@]}" -tile 6x3 -geometry +6+6 -background white "$out"
echo "wrote $out"

# How many photos fill an album with each dither: --split says where the first album ends.
for seed in $(seq 1 120); do make_photo "$seed" "$work/photo$(printf %03d "$seed").png"; done
for dither in none floyd-steinberg atkinson ordered; do
    "$valbum" create --split --force "$work/fill.valbum" --smooth --dither "$dither" "$work"/photo[0-9]*.png \
        | awk -v d="$dither" '/fill-1.valbum/ { gsub(/\(/, "", $2); print d ": " $2 " photos in the first album" }'
done
