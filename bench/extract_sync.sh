#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# `valbum extract` of the largest album (about 2,340 images) against the same
# extract with syncing disabled by eatmydata (Debian package eatmydata), in
# interleaved rounds; prints the median of each and their ratio. The target is
# a ratio of at most 1.15: the images are made durable with one sync, not one
# wait on the disk per image. Exits non-zero when it is missed.
#
#   bench/extract_sync.sh [ROUNDS]     (default 5)
#   VALBUM     the program to measure (default: build it in BUILD_DIR)
#   BUILD_DIR  build folder holding src/cli/valbum (default: build-bench)
#   WORK       work directory, on the disk to measure (default: /tmp/valbum-extract-bench)
set -euo pipefail

source_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${BUILD_DIR:-$source_dir/build-bench}"
work="${WORK:-/tmp/valbum-extract-bench}"
rounds="${1:-5}"

if [[ -z "${VALBUM:-}" ]]; then
    cmake -S "$source_dir" -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DVALBUM_BUILD_BENCHMARKS=ON >/dev/null
    cmake --build "$build_dir" --target valbum -j 2 >/dev/null
fi
valbum="${VALBUM:-$build_dir/src/cli/valbum}"
command -v eatmydata >/dev/null || { echo "eatmydata is not installed (Debian package eatmydata)" >&2; exit 1; }

# The largest album: one grey, the smallest record, as many times as fit.
mkdir -p "$work"
python3 - "$work/grey.png" <<'PY'
import struct, sys, zlib
def chunk(kind, data):
    return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))
rows = b''.join(b'\0' + b'\x80' * 92 for _ in range(92))
with open(sys.argv[1], 'wb') as f:
    f.write(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', 92, 92, 8, 0, 0, 0, 0))
            + chunk(b'IDAT', zlib.compress(rows)) + chunk(b'IEND', b''))
PY
rm -f "$work"/largest-*.valbum
mapfile -t greys < <(yes "$work/grey.png" | head -n 2500)
"$valbum" create --split "$work/largest.valbum" "${greys[@]}" >/dev/null
album="$work/largest-1.valbum"
images=$("$valbum" list --json "$album" | python3 -c 'import json, sys; print(json.load(sys.stdin)["images"])')

# One extract into a fresh folder; prints its wall-clock time in milliseconds.
extract_ms() {
    rm -rf "$work/out"
    sync
    local start end
    start=$(date +%s%N)
    "$@" "$valbum" extract "$album" "$work/out" >/dev/null
    end=$(date +%s%N)
    echo $(((end - start) / 1000000))
}

synced=() unsynced=()
for ((round = 0; round < rounds; ++round)); do
    synced+=("$(extract_ms env)")
    unsynced+=("$(extract_ms eatmydata)")
done
rm -rf "$work/out"

median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
with=$(median "${synced[@]}")
without=$(median "${unsynced[@]}")
ratio=$(awk -v a="$with" -v b="$without" 'BEGIN { printf "%.2f", a / b }')
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "extract of $images images, median of $rounds: $with ms; with eatmydata $without ms"
echo "  rounds: ${synced[*]} / ${unsynced[*]}"
echo "ratio $ratio (target 1.15)"
awk -v r="$ratio" 'BEGIN { exit !(r <= 1.15) }'
