#!/usr/bin/env bash
# Builds the album reader fuzzer with clang and the sanitizers into build-fuzz/
# and runs it for the given number of seconds (default 60) from the seed
# albums and past findings, in a scratch corpus. A finding fails the run; the
# crashing input is left in the scratch folder, whose path is printed.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build_dir=${FUZZ_BUILD_DIR:-build-fuzz}

CC=clang CXX=clang++ cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVALBUM_BUILD_FUZZERS=ON -DVALBUM_SANITIZE=ON -DVALBUM_BUILD_TESTS=OFF >/dev/null
cmake --build "$build_dir" -j"$(nproc)" --target albumreader_fuzzer album_fuzz_seeds

scratch=$(mktemp -d /tmp/valbum-fuzz.XXXXXX)
mkdir -p "$scratch/corpus"
cp "$build_dir"/fuzz/seeds/* "$scratch/corpus/"
cp fuzz/regressions/* "$scratch/corpus/" 2>/dev/null || true
echo "fuzzing the album reader for ${seconds}s in $scratch"
if ! "$build_dir/fuzz/albumreader_fuzzer" -max_total_time="$seconds" -max_len=20000 \
  -dict=fuzz/album.dict -artifact_prefix="$scratch/" -print_final_stats=1 "$scratch/corpus" \
  >"$scratch/fuzz.log" 2>&1; then
  tail -n 60 "$scratch/fuzz.log"
  echo "the fuzzer found a failing input: see $scratch" >&2
  exit 1
fi
runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$scratch/fuzz.log" | grep -o '[0-9]*$')
echo "album reader fuzz run: ${runs:-?} inputs in ${seconds}s, no failure"
rm -rf "$scratch"
