#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Editor start against a bare Qt window of the same size and title: time from
# starting the program to its window's first paint, on a private Xvfb display
# (or $DISPLAY when set), the two interleaved run by run. Prints the medians
# and their ratio; the target is at most 1.3.
#
# Usage: bench/editor_start.sh [runs]   (default 30)
#   BUILD_DIR  build folder (default: build-bench in the source tree)
set -euo pipefail

source_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${BUILD_DIR:-$source_dir/build-bench}"
runs="${1:-30}"

cmake -S "$source_dir" -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DVALBUM_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$build_dir" --target editor_start_probe bare_window_probe -j 2 >/dev/null

if [[ -z "${DISPLAY:-}" ]]; then
  display=":$((90 + RANDOM % 100))"
  Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill $xvfb 2>/dev/null || true' EXIT
  export DISPLAY=$display
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
fi

export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"

probe() {
  VALBUM_PROBE_START_NS=$(date +%s%N) QT_QPA_PLATFORM=xcb "$build_dir/bench/$1"
}

# One run of each first, to warm the disk cache.
probe editor_start_probe >/dev/null
probe bare_window_probe >/dev/null
editor=()
bare=()
for _ in $(seq "$runs"); do
  editor+=("$(probe editor_start_probe)")
  bare+=("$(probe bare_window_probe)")
done

python3 - "${editor[*]}" "${bare[*]}" <<'PY'
import statistics, sys
editor = [float(v) for v in sys.argv[1].split()]
bare = [float(v) for v in sys.argv[2].split()]
e, b = statistics.median(editor), statistics.median(bare)
print(f"editor first paint: median {e:.1f} ms over {len(editor)} runs")
print(f"bare window:        median {b:.1f} ms over {len(bare)} runs")
print(f"ratio: {e / b:.2f} (target at most 1.3)")
PY
