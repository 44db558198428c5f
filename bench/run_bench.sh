#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds core_bench (Release) and runs it five times over, then compares
# reading and writing a full album with their floors, the bare library calls on
# the same data, by the medians of wall time:
#   reading  within 3 times its floor,
#   writing  within 1.25 times its floor;
# and loading a 640 x 480 JPEG with any conversion options within 1.25 times
# loading it with the defaults (by process CPU time).
#
# Usage: bench/run_bench.sh [extra core_bench options]
#   BUILD_DIR  build folder (default: build-bench in the source tree)
#   JOBS       parallel build jobs (default: 2)
# The full results stay in $BUILD_DIR/core_bench.json. Exit status: 0 when both
# targets are met, 1 when one is missed, 2 when building or running failed.
# The write benchmark saves into a QTemporaryDir, which follows TMPDIR: the
# save waits for the disk to take the file, which a busy disk makes slow.
set -euo pipefail

source_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${BUILD_DIR:-$source_dir/build-bench}"
jobs="${JOBS:-2}"
python="${PYTHON:-python3}"

cmake -S "$source_dir" -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DVALBUM_BUILD_BENCHMARKS=ON >/dev/null || exit 2
cmake --build "$build_dir" --target core_bench -j "$jobs" >/dev/null || exit 2

results="$build_dir/core_bench.json"
# Repetitions are interleaved so that a change in machine load touches a
# benchmark and its floor alike.
"$build_dir/bench/core_bench" --benchmark_format=json --benchmark_repetitions=5 \
    --benchmark_enable_random_interleaving=true "$@" >"$results" || exit 2

"$python" - "$results" <<'EOF'
import json
import sys

SECONDS = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}

with open(sys.argv[1]) as f:
    report = json.load(f)

medians = {}
for run in report["benchmarks"]:
    if run.get("run_type") == "aggregate" and run.get("aggregate_name") == "median":
        if run.get("error_occurred"):
            continue
        scale = SECONDS[run.get("time_unit", "ns")]
        medians[run["run_name"]] = (run["real_time"] * scale, run["cpu_time"] * scale)

def show(seconds):
    return f"{seconds * 1e3:9.3f} ms"

comparisons = [
    ("ReadAlbum / ReadFloor", "BM_FullAlbumRead", "BM_FullAlbumReadFloor", 3.0),
    ("WriteAlbum / WriteFloor", "BM_FullAlbumWrite", "BM_FullAlbumWriteFloor", 1.25),
]
missed = False
for title, program, floor, target in comparisons:
    if program not in medians or floor not in medians:
        print(f"{title}: no result for {program} or {floor} (filtered out or failed)")
        sys.exit(2)
    (program_wall, program_cpu), (floor_wall, floor_cpu) = medians[program], medians[floor]
    ratio = program_wall / floor_wall
    met = ratio <= target
    missed = missed or not met
    print(f"{title}: {show(program_wall)} / {show(floor_wall)} = {ratio:.2f}x wall "
          f"(cpu {program_cpu / floor_cpu:.2f}x), target {target:g}x: {'met' if met else 'missed'}")
# The writer's own work without the file: the same album encoded in memory.
# WriteAlbum adds the atomic save, whose flush to disk waits on the device.
if "BM_EncodeAlbum/2" in medians:
    encode_wall, encode_cpu = medians["BM_EncodeAlbum/2"]
    floor_wall, floor_cpu = medians["BM_FullAlbumWriteFloor"]
    print(f"for reference, EncodeAlbum (no file) / WriteFloor: {show(encode_wall)} / {show(floor_wall)} = "
          f"{encode_wall / floor_wall:.2f}x wall (cpu {encode_cpu / floor_cpu:.2f}x)")
# Any conversion options against the defaults, both loading the same 640 x 480
# JPEG, by process CPU time (see conversion_bench.cpp).
labels = {r["run_name"]: r.get("label", "") for r in report["benchmarks"] if r["run_name"].startswith("BM_ImportPicture/")}
base = next((name for name, label in labels.items() if label == "defaults" and name in medians), None)
for name in sorted(n for n in labels if n in medians and n != base):
    if base is None:
        break
    ratio = medians[name][1] / medians[base][1]
    met = ratio <= 1.25
    missed = missed or not met
    print(f"ImportPicture {labels[name]} / defaults: {show(medians[name][1])} / {show(medians[base][1])} = "
          f"{ratio:.2f}x cpu (wall {medians[name][0] / medians[base][0]:.2f}x), target 1.25x: {'met' if met else 'missed'}")
sys.exit(1 if missed else 0)
EOF
