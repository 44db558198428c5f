#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Camera-sized photos: a 24-megapixel (6000 x 4000) and a 48-megapixel
# (8064 x 6048) JPEG brought in by `valbum preview --jobs 1` with and without
# --smooth, interleaved round by round. Prints the median wall time and peak
# memory (maximum resident set) of each, beside the same command on a 640 x
# 480 JPEG: the process's own start and finish, which the import adds to.
# The target with smoothing: a 24-megapixel JPEG in at most 60 ms and 40 MB.
#
#   bench/large_jpeg.sh [rounds]   (default 5)
#   BUILD_DIR  build folder holding src/cli/valbum (default: build-bench)
#   WORK       work directory; the photos are made once and kept (default: /tmp/valbum-bench)
set -euo pipefail

source_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${BUILD_DIR:-$source_dir/build-bench}"
work="${WORK:-/tmp/valbum-bench}"
rounds="${1:-5}"

cmake -S "$source_dir" -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DVALBUM_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$build_dir" --target valbum -j 2 >/dev/null
valbum="$build_dir/src/cli/valbum"
[[ -x /usr/bin/time ]] || { echo "GNU time (/usr/bin/time) is not installed" >&2; exit 1; }
command -v convert >/dev/null || { echo "ImageMagick's convert is not installed" >&2; exit 1; }

mkdir -p "$work/large"
make_jpeg() {
    [[ -f $work/large/$1.jpg ]] && return 0
    echo "making $work/large/$1.jpg ($2) ..." >&2
    convert -size "$2" -seed 7 plasma:fractal -attenuate 0.3 +noise Gaussian -quality 90 "$work/large/$1.jpg"
}
make_jpeg small 640x480
make_jpeg 24mp 6000x4000
make_jpeg 48mp 8064x6048

# Prints "milliseconds kilobytes" for one preview.
run() {
    local picture=$1
    shift
    rm -rf "$work/large/out"
    local start=$(date +%s%N)
    /usr/bin/time -o "$work/large/memory" -f %M "$valbum" preview --jobs 1 "$@" "$work/large/out" \
        "$work/large/$picture.jpg" >/dev/null
    echo "$((($(date +%s%N) - start) / 1000000)) $(cat "$work/large/memory")"
}

cases=("small" "small --smooth" "24mp" "24mp --smooth" "48mp" "48mp --smooth")
for c in "${cases[@]}"; do run $c >/dev/null; done # warm the disk cache
declare -A results
for _ in $(seq "$rounds"); do
    for c in "${cases[@]}"; do results[$c]+="$(run $c),"; done
done

args=()
for c in "${cases[@]}"; do args+=("$c=${results[$c]}"); done
python3 - "$(cut -d' ' -f1-3 /proc/loadavg)" "${args[@]}" <<'PY'
import statistics, sys
print(f"valbum preview --jobs 1, medians of {sys.argv[2].count(',')} interleaved rounds, load {sys.argv[1]}")
rows = {}
for arg in sys.argv[2:]:
    name, runs = arg.split("=")
    pairs = [tuple(map(float, r.split())) for r in runs.split(",") if r]
    rows[name] = (statistics.median(p[0] for p in pairs), statistics.median(p[1] for p in pairs) / 1024)
for name, (ms, mb) in rows.items():
    floor = rows["small --smooth" if "--smooth" in name else "small"][0]
    extra = "" if name.startswith("small") else f"  ({ms - floor:5.0f} ms over the 640x480 run)"
    print(f"{name:15s} {ms:6.0f} ms {mb:6.1f} MB{extra}")
PY
