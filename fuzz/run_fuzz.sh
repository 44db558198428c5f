#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the album reader and picture import fuzzers with clang and the
# sanitizers into build-fuzz/ and runs them one after the other, sharing the
# given number of seconds (default 60) half and half. Each starts from its
# seeds and the past findings in fuzz/regressions/, in a scratch corpus. A
# finding fails the run; the crashing input is left in the scratch folder,
# whose path is printed.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build_dir=${FUZZ_BUILD_DIR:-build-fuzz}
share=$((seconds / 2 > 0 ? seconds / 2 : 1))

CC=clang CXX=clang++ cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVALBUM_BUILD_FUZZERS=ON -DVALBUM_SANITIZE=ON -DVALBUM_BUILD_TESTS=OFF >/dev/null
cmake --build "$build_dir" -j"$(nproc)" --target albumreader_fuzzer album_fuzz_seeds pictureimport_fuzzer

# run_fuzzer NAME WHAT DICT SEED_DIR...: fuzzes for $share seconds.
run_fuzzer() {
  local name=$1 what=$2 dict=$3
  shift 3
  local scratch
  scratch=$(mktemp -d "/tmp/valbum-fuzz-$name.XXXXXX")
  mkdir -p "$scratch/corpus"
  for dir in "$@" fuzz/regressions; do
    cp "$dir"/* "$scratch/corpus/" 2>/dev/null || true
  done
  echo "fuzzing the $what for ${share}s in $scratch"
  if ! QT_QPA_PLATFORM=offscreen LSAN_OPTIONS="suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0" \
    "$build_dir/fuzz/$name" -max_total_time="$share" -max_len=20000 \
    -dict="$dict" -artifact_prefix="$scratch/" -print_final_stats=1 "$scratch/corpus" \
    >"$scratch/fuzz.log" 2>&1; then
    tail -n 60 "$scratch/fuzz.log"
    echo "the $what fuzzer found a failing input: see $scratch" >&2
    exit 1
  fi
  local runs
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$scratch/fuzz.log" | grep -o '[0-9]*$')
  echo "$what fuzz run: ${runs:-?} inputs in ${share}s, no failure"
  rm -rf "$scratch"
}

run_fuzzer albumreader_fuzzer "album reader" fuzz/album.dict "$build_dir/fuzz/seeds"
run_fuzzer pictureimport_fuzzer "picture import" fuzz/picture.dict fuzz/picture-seeds
