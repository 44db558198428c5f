#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Peak memory of `valbum preview --smooth` with the default jobs over one and
# over two 100-megapixel PNGs (10000 x 10000, made once and kept). Pictures
# above 25 megapixels are brought in one at a time, so the target is two
# peaking no higher than 1.1 times one. Exits non-zero when it is missed.
#
#   bench/huge_pictures.sh
#   VALBUM     the program to measure (default: build it in BUILD_DIR)
#   BUILD_DIR  build folder holding src/cli/valbum (default: build-bench)
#   WORK       work directory (default: /tmp/valbum-huge-bench)
set -euo pipefail

source_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${BUILD_DIR:-$source_dir/build-bench}"
work="${WORK:-/tmp/valbum-huge-bench}"

if [[ -z "${VALBUM:-}" ]]; then
    cmake -S "$source_dir" -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DVALBUM_BUILD_BENCHMARKS=ON >/dev/null
    cmake --build "$build_dir" --target valbum -j 2 >/dev/null
fi
valbum="${VALBUM:-$build_dir/src/cli/valbum}"
[[ -x /usr/bin/time ]] || { echo "/usr/bin/time is not installed (Debian package time)" >&2; exit 1; }

mkdir -p "$work"
# Two colour gradients, row by row so that the maker itself stays small.
python3 - "$work" <<'PY'
import os, struct, sys, zlib
def chunk(kind, data):
    return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))
side = 10000
ramp = bytes(x * 255 // side for x in range(side))
for number in (1, 2):
    path = os.path.join(sys.argv[1], 'huge%d.png' % number)
    if os.path.exists(path):
        continue
    packer = zlib.compressobj(1)
    data = []
    for y in range(side):
        row = bytearray(side * 3)
        row[0::3] = ramp
        row[1::3] = bytes([y * 255 // side]) * side
        row[2::3] = ramp[::-1] if number == 1 else ramp
        data.append(packer.compress(b'\0' + bytes(row)))
    data.append(packer.flush())
    with open(path, 'wb') as f:
        f.write(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', side, side, 8, 2, 0, 0, 0)))
        f.write(chunk(b'IDAT', b''.join(data)) + chunk(b'IEND', b''))
PY

# Peak resident size in megabytes and seconds of one run.
measure() {
    rm -rf "$work/out"
    /usr/bin/time -f '%M %e' -o "$work/time.txt" "$valbum" preview --smooth "$work/out" "$@" >/dev/null
    awk '{ printf "%.0f MB, %.2f s", $1 / 1024, $2 }' "$work/time.txt"
}
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "one 100-megapixel PNG:  $(measure "$work/huge1.png")"
one=$(cut -d' ' -f1 "$work/time.txt")
echo "two 100-megapixel PNGs: $(measure "$work/huge1.png" "$work/huge2.png")"
two=$(cut -d' ' -f1 "$work/time.txt")
rm -rf "$work/out"
ratio=$(awk -v a="$two" -v b="$one" 'BEGIN { printf "%.2f", a / b }')
echo "peak ratio two / one: $ratio (target 1.1)"
awk -v r="$ratio" 'BEGIN { exit !(r <= 1.1) }'
