#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# A 12-megapixel (4000 x 3000) HEIC, as a phone writes one, brought in with
# --smooth against libheif's own decode of the same file (the floor). Runs
# both once in one process and prints their times and the ratio; the target
# is at most 1.2.
#
#   bench/heic_import.sh
#   BUILD_DIR  build folder (default: build-bench)
#   WORK       work directory; the photo is made once and kept (default: /tmp/valbum-bench)
set -euo pipefail

source_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${BUILD_DIR:-$source_dir/build-bench}"
work="${WORK:-/tmp/valbum-bench}"
for tool in convert heif-enc; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed (scripts/install-deps.sh)" >&2; exit 1; }
done

mkdir -p "$work"
heic="$work/phone-12mp.heic"
if [[ ! -s "$heic" ]]; then
    # Photo-like: a textured base with grain, at a phone's quality.
    convert -size 4000x3000 -seed 7 plasma:fractal -attenuate 0.3 +noise Gaussian -quality 95 "$work/phone-12mp.jpg"
    heif-enc -q 80 "$work/phone-12mp.jpg" -o "$heic" >/dev/null
fi

[[ -f "$build_dir/CMakeCache.txt" ]] || cmake -S "$source_dir" -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DVALBUM_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$build_dir" --target core_bench -j 2 >/dev/null
VALBUM_BENCH_HEIC="$heic" QT_QPA_PLATFORM=offscreen "$build_dir/bench/core_bench" \
    --benchmark_filter='BM_Heic' --benchmark_format=csv 2>/dev/null \
    | python3 -c '
import csv, sys
rows = {row["name"]: float(row["real_time"]) for row in csv.DictReader(sys.stdin)}
floor, smooth = rows["BM_HeicLibheifDecode/real_time"], rows["BM_HeicImportSmooth/real_time"]
print(f"libheif decode (floor): {floor:.1f} ms")
print(f"import with --smooth:   {smooth:.1f} ms")
print(f"ratio: {smooth / floor:.2f} (target 1.2)")
'
