#!/bin/bash
# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Look against size over 20 real photos that Debian ships as sample data
# (scikit-image's and matplotlib's), then --best-fit over each photo and its
# mirror image against plain create of the same 40, and --best-fit over 60
# (each photo upside down too), more than one album holds; the editor's best
# fit over the same 40 and 60 beside each, whose album must be valbum's.
#     bench/look_vs_size.sh [BUILD_DIR]     (BUILD_DIR configured with -DVALBUM_BUILD_BENCHMARKS=ON)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)
cmake --build "$build" -j2 --target look_vs_size editor_bestfit valbum >/dev/null

if [[ ! -d /usr/lib/python3/dist-packages/skimage/data || ! -d /usr/share/matplotlib/mpl-data/sample_data ]]; then
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends python3-skimage python-matplotlib-data >/dev/null
fi
skimage=/usr/lib/python3/dist-packages/skimage/data
photos=()
# Photographs only: no drawings, test charts or made-up pictures.
for name in astronaut.png brick.png camera.png cell.png chelsea.png clock_motion.png coffee.png coins.png \
    grass.png gravel.png hubble_deep_field.jpg ihc.png moon.png motorcycle_left.png motorcycle_right.png \
    page.png retina.jpg rocket.jpg text.png; do
    photos+=("$skimage/$name")
done
photos+=(/usr/share/matplotlib/mpl-data/sample_data/grace_hopper.jpg)

echo "\$ look_vs_size ${#photos[@]} photos"
QT_LOGGING_RULES='qt.gui.imageio=false' "$build/bench/look_vs_size" "${photos[@]}"

# --best-fit over twice as many: each photo and its mirror image.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The editor's best fit over the photos given: its row of the table, then how
# soon its line showed the choice; its album must be valbum's, byte for byte.
editor_best_fit() {
    local out
    out=$(QT_LOGGING_RULES='qt.gui.imageio=false' "$build/bench/editor_bestfit" --save "$work/editor.valbum" "$@")
    grep '^|' <<<"$out"
    echo
    grep -v '^|' <<<"$out"
    QT_LOGGING_RULES='qt.gui.imageio=false' "$build/src/cli/valbum" create --force --smooth --best-fit \
        "$work/valbum.valbum" "$@" >/dev/null 2>&1 || [[ $? == 3 ]]
    if cmp -s "$work/editor.valbum" "$work/valbum.valbum"; then
        echo "the editor's album is valbum create --best-fit's, byte for byte"
    else
        echo "the editor's album differs from valbum create --best-fit's" >&2
        exit 1
    fi
}
both=()
for photo in "${photos[@]}"; do
    name=$(basename "${photo%.*}")
    cp "$photo" "$work/"
    convert "$photo" -flop "$work/$name-mirror.png" 2>/dev/null
    both+=("$work/$(basename "$photo")" "$work/$name-mirror.png")
done
echo
echo "\$ look_vs_size --best-fit ${#both[@]} photos (each and its mirror image)"
QT_LOGGING_RULES='qt.gui.imageio=false' "$build/bench/look_vs_size" --best-fit "${both[@]}"
editor_best_fit "${both[@]}"

# More than one album holds: the choice decides how many fit and how they look.
upturned=()
for photo in "${photos[@]}"; do
    name=$(basename "${photo%.*}")
    convert "$photo" -flip "$work/$name-upside-down.png" 2>/dev/null
    upturned+=("$work/$name-upside-down.png")
done
echo
echo "\$ look_vs_size --best-fit $((${#both[@]} + ${#upturned[@]})) photos (each, its mirror image, upside down)"
QT_LOGGING_RULES='qt.gui.imageio=false' "$build/bench/look_vs_size" --best-fit "${both[@]}" "${upturned[@]}"
editor_best_fit "${both[@]}" "${upturned[@]}"

# One run each, the same 40 photos; --jobs 1 so the ratio is the work's, not the cores'.
seconds() {
    local start end
    start=$(date +%s.%N)
    QT_LOGGING_RULES='qt.gui.imageio=false' "$build/src/cli/valbum" create --force --jobs 1 --smooth "$@" \
        "$work/album.valbum" "${both[@]}" >/dev/null 2>&1 || [[ $? == 3 ]]
    end=$(date +%s.%N)
    echo "$end - $start" | bc -l
}
plain=$(seconds)
best=$(seconds --best-fit)
echo
printf 'create --smooth: %.3f s; create --smooth --best-fit: %.3f s; ratio %.2f (at most 3)\n' \
    "$plain" "$best" "$(echo "$best / $plain" | bc -l)"
