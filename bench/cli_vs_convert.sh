#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Wall time of `valbum create --split` over 200 photo-sized pictures against
# ImageMagick reducing the same pictures one process at a time, the way a shell
# loop would prepare them for the device.
#
#   bench/cli_vs_convert.sh [path/to/valbum] [work directory]
#
# The pictures are made once and kept in the work directory between runs.
set -euo pipefail

valbum=${1:-$(cd "$(dirname "$0")/.." && pwd)/build-cli/src/cli/valbum}
work=${2:-/tmp/valbum-bench}
count=200

[[ -x $valbum ]] || { echo "no valbum program at $valbum" >&2; exit 1; }
command -v convert >/dev/null || { echo "ImageMagick's convert is not installed" >&2; exit 1; }

pictures=$work/pictures
source "$(dirname "$0")/photos.sh"
make_photos "$pictures" "$count"
mapfile -t files < <(find "$pictures" -name '*.jpg' | sort | head -n "$count")

seconds() { date +%s.%N; }

rm -rf "$work/albums" "$work/convert"
mkdir -p "$work/albums" "$work/convert"

start=$(seconds)
status=0
"$valbum" create --split "$work/albums/photos.valbum" "${files[@]}" >"$work/valbum.log" || status=$?
valbum_time=$(echo "$(seconds) - $start" | bc)
(( status == 0 )) || { echo "valbum failed with status $status" >&2; exit 1; }

start=$(seconds)
for file in "${files[@]}"; do
    name=$(basename "$file" .jpg)
    convert "$file" -sample '92x92!' -colorspace Gray "$work/convert/$name.png"
done
convert_time=$(echo "$(seconds) - $start" | bc)

albums=$(find "$work/albums" -name '*.valbum' | wc -l)
printf 'pictures:                     %d (640x480 JPEG)\n' "${#files[@]}"
printf 'valbum create --split:        %.2f s (%d albums)\n' "$valbum_time" "$albums"
printf 'convert, one per picture:     %.2f s\n' "$convert_time"
printf 'convert time / valbum time:   %.1f\n' "$(echo "$convert_time / $valbum_time" | bc -l)"
