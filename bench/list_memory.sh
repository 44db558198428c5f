#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Peak memory of `valbum list` and `valbum list --json` over the largest album
# the device takes (the smallest record, repeated to the size limit: 2,340
# images) against a one-image album. Listing decodes no image, so the target
# is a peak within 1.2 times the one-image album's. Prints the figures and
# their ratio; exits non-zero when the target is missed.
#
#   bench/list_memory.sh
#   VALBUM     the program to measure (default: build it in BUILD_DIR)
#   BUILD_DIR  build folder holding src/cli/valbum (default: build-bench)
set -euo pipefail

source_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${BUILD_DIR:-$source_dir/build-bench}"
if [[ -z "${VALBUM:-}" ]]; then
    cmake -S "$source_dir" -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DVALBUM_BUILD_BENCHMARKS=ON >/dev/null
    cmake --build "$build_dir" --target valbum -j 2 >/dev/null
fi
valbum="${VALBUM:-$build_dir/src/cli/valbum}"
[[ -x /usr/bin/time ]] || { echo "/usr/bin/time is not installed (Debian package time)" >&2; exit 1; }

work=$(mktemp -d /tmp/valbum-list-memory.XXXXXX)
trap 'rm -rf "$work"' EXIT

# A black 92 x 92 picture as a BMP, made into a one-image album by the program.
python3 - "$work/black.bmp" <<'PY'
import struct, sys
row = 92 * 3
pixels = b'\0' * (row * 92)
header = b'BM' + struct.pack('<IHHI', 54 + len(pixels), 0, 0, 54)
info = struct.pack('<IiiHHIIiiII', 40, 92, 92, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
open(sys.argv[1], 'wb').write(header + info + pixels)
PY
QT_QPA_PLATFORM=offscreen "$valbum" create "$work/one.valbum" "$work/black.bmp" >/dev/null

# Its record repeated while the file stays within 81,920 bytes.
python3 - "$work/one.valbum" "$work/largest.valbum" <<'PY'
import sys
one = open(sys.argv[1], 'rb').read()
header, record = one[:8], one[8:]
count = (81920 - 8) // len(record)
open(sys.argv[2], 'wb').write(header + record * count)
PY

peak() { # peak RSS in KiB of valbum with the given arguments
    /usr/bin/time -f %M "$valbum" "$@" 2>&1 >/dev/null | tail -n 1
}

status=0
for json in "" "--json"; do
    small=$(peak list $json "$work/one.valbum")
    large=$(peak list $json "$work/largest.valbum")
    images=$("$valbum" list --json "$work/largest.valbum" | python3 -c 'import json,sys; print(json.load(sys.stdin)["images"])')
    ratio=$(python3 -c "print(f'{$large / $small:.3f}')")
    echo "list ${json:-(text)}: 1 image ${small} KiB, ${images} images ${large} KiB, ratio ${ratio} (target <= 1.2)"
    python3 -c "import sys; sys.exit(0 if $large <= 1.2 * $small else 1)" || status=1
done
exit $status
