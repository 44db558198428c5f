#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Peak memory and time per picture of `valbum create --split` over 200
# generated 640 x 480 photos against the same over 20,000 (symbolic links to
# the 200, so the pictures differ only in name), one run each. Prints both and
# their ratios; the targets are a peak at most 1.2 times the small run's and a
# time per picture within 1.1 times. Exits non-zero when one is missed.
#
#   bench/batch_memory.sh
#   VALBUM     the program to measure (default: build it in BUILD_DIR)
#   BUILD_DIR  build folder holding src/cli/valbum (default: build-bench)
#   WORK       work directory; the photos are made once and kept (default: /tmp/valbum-bench)
set -euo pipefail

source_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${BUILD_DIR:-$source_dir/build-bench}"
work="${WORK:-/tmp/valbum-bench}"
small=200
large=20000

if [[ -z "${VALBUM:-}" ]]; then
    cmake -S "$source_dir" -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DVALBUM_BUILD_BENCHMARKS=ON >/dev/null
    cmake --build "$build_dir" --target valbum -j 2 >/dev/null
fi
valbum="${VALBUM:-$build_dir/src/cli/valbum}"
[[ -x /usr/bin/time ]] || { echo "/usr/bin/time is not installed (Debian package time)" >&2; exit 1; }

source "$source_dir/bench/photos.sh"
make_photos "$work/pictures" "$small"
mapfile -t photos < <(find "$work/pictures" -name '*.jpg' | sort | head -n "$small")
rm -rf "$work/links" && mkdir -p "$work/links"
# One process for all the links: a shell loop would fork 20,000 times.
python3 - "$work/links" "$large" "${photos[@]}" <<'PY'
import os, sys
folder, count, photos = sys.argv[1], int(sys.argv[2]), sys.argv[3:]
for i in range(count):
    os.symlink(photos[i % len(photos)], os.path.join(folder, f"link{i:05d}.jpg"))
PY
mapfile -t links < <(find "$work/links" -name '*.jpg' | sort)

# Prints "<peak kB> <seconds>" for one run over the pictures given.
measure() {
    rm -rf "$work/albums" && mkdir -p "$work/albums"
    /usr/bin/time -v -o "$work/time.txt" "$valbum" create --split "$work/albums/photos.valbum" "$@" >/dev/null
    local peak elapsed
    peak=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$work/time.txt")
    elapsed=$(awk -F': ' '/Elapsed \(wall clock\)/ {print $2}' "$work/time.txt")
    echo "$peak $elapsed"
}

measure "${photos[@]}" >/dev/null # warms the disk cache
read -r small_peak small_time < <(measure "${photos[@]}")
read -r large_peak large_time < <(measure "${links[@]}")
rm -rf "$work/albums" "$work/links"

python3 - "$small_peak" "$small_time" "$large_peak" "$large_time" "$small" "$large" \
    "$(nproc)" "$(cut -d' ' -f1-3 /proc/loadavg)" <<'PY'
import sys
def seconds(clock):  # "m:ss.ss" or "h:mm:ss"
    total = 0.0
    for part in clock.split(":"):
        total = total * 60 + float(part)
    return total
small_peak, large_peak = int(sys.argv[1]), int(sys.argv[3])
small_time, large_time = seconds(sys.argv[2]), seconds(sys.argv[4])
small, large = int(sys.argv[5]), int(sys.argv[6])
per_small, per_large = small_time / small * 1000, large_time / large * 1000
print(f"valbum create --split, one run each, {sys.argv[7]} processors, load {sys.argv[8]}")
print(f"{small:6d} pictures: peak {small_peak / 1024:7.1f} MB, {small_time:7.2f} s, {per_small:.2f} ms per picture")
print(f"{large:6d} pictures: peak {large_peak / 1024:7.1f} MB, {large_time:7.2f} s, {per_large:.2f} ms per picture")
memory, speed = large_peak / small_peak, per_large / per_small
print(f"peak ratio:             {memory:.2f} (target at most 1.2)")
print(f"time per picture ratio: {speed:.2f} (target at most 1.1)")
sys.exit(0 if memory <= 1.2 and speed <= 1.1 else 1)
PY
