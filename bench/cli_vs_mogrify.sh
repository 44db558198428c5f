#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Wall time of `valbum create --split` over 200 generated 640 x 480 photos
# against ONE ImageMagick `mogrify -sample 92x92! -colorspace Gray` process over
# the same photos, and against `valbum --jobs 1`, the three interleaved round
# by round. Prints the medians and the ratios; the target is valbum at least
# 3.0 times faster than mogrify (on two cores).
#
#   bench/cli_vs_mogrify.sh [rounds]   (default 5)
#   BUILD_DIR  build folder holding src/cli/valbum (default: build-bench)
#   WORK       work directory; the photos are made once and kept (default: /tmp/valbum-bench)
set -euo pipefail

source_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${BUILD_DIR:-$source_dir/build-bench}"
work="${WORK:-/tmp/valbum-bench}"
rounds="${1:-5}"
count=200

cmake -S "$source_dir" -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DVALBUM_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$build_dir" --target valbum -j 2 >/dev/null
valbum="$build_dir/src/cli/valbum"
command -v mogrify >/dev/null || { echo "ImageMagick's mogrify is not installed" >&2; exit 1; }

source "$source_dir/bench/photos.sh"
make_photos "$work/pictures" "$count"
mapfile -t files < <(find "$work/pictures" -name '*.jpg' | sort | head -n "$count")

nanoseconds() { date +%s%N; }
# Each prints its wall time in milliseconds; what it writes goes to scratch folders.
run_valbum() {
    rm -rf "$work/albums" && mkdir -p "$work/albums"
    local start=$(nanoseconds)
    "$valbum" create --split "$@" "$work/albums/photos.valbum" "${files[@]}" >/dev/null
    echo $((($(nanoseconds) - start) / 1000000))
}
run_mogrify() {
    # mogrify rewrites its pictures in place: it works on copies.
    rm -rf "$work/mogrify" && mkdir -p "$work/mogrify" && cp "${files[@]}" "$work/mogrify/"
    local start=$(nanoseconds)
    mogrify -sample '92x92!' -colorspace Gray "$work/mogrify"/*.jpg
    echo $((($(nanoseconds) - start) / 1000000))
}

# One round first, to warm the disk cache.
run_valbum >/dev/null
run_mogrify >/dev/null
parallel=()
single=()
mogrify=()
for _ in $(seq "$rounds"); do
    parallel+=("$(run_valbum)")
    mogrify+=("$(run_mogrify)")
    single+=("$(run_valbum --jobs 1)")
done

python3 - "${parallel[*]}" "${single[*]}" "${mogrify[*]}" "$(nproc)" "$(cut -d' ' -f1-3 /proc/loadavg)" <<'PY'
import statistics, sys
parallel, single, mogrify = ([float(v) for v in arg.split()] for arg in sys.argv[1:4])
p, s, m = statistics.median(parallel), statistics.median(single), statistics.median(mogrify)
print(f"{len(parallel)} interleaved rounds over 200 photos of 640x480, {sys.argv[4]} processors, load {sys.argv[5]}")
print(f"valbum create --split:          median {p:7.0f} ms")
print(f"valbum create --split --jobs 1: median {s:7.0f} ms")
print(f"mogrify, one process:           median {m:7.0f} ms")
print(f"mogrify / valbum:          {m / p:.2f} (target at least 3.0)")
print(f"valbum --jobs 1 / valbum:  {s / p:.2f}")
PY
