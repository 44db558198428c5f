#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Inputs a second of album-reader fuzzers on one and the same corpus: each
# fuzzer replays the corpus once (-runs=0: every input run once, nothing
# mutated), on one core, and the rate is the inputs over the CPU seconds the
# replay took beyond a start with an empty corpus. CPU time rather than wall
# time, so that other work on a shared machine weighs less. A search's own
# rate depends on the inputs it happens to find; a fixed corpus does not.
#
#   bench/fuzz_rate.sh CORPUS_DIR FUZZER...
#   e.g. bench/fuzz_rate.sh corpus old/albumreader_fuzzer build-fuzz/fuzz/albumreader_fuzzer
# The corpus is replayed 40 times over (as 40 copies), so one replay lasts long
# enough to measure.
set -euo pipefail
[[ $# -ge 2 ]] || { sed -n '/^# Inputs/,/^set/p' "$0" | sed '$d'; exit 64; }
[[ -x /usr/bin/time ]] || { echo "/usr/bin/time is not installed (Debian package time)" >&2; exit 1; }
corpus=$1
shift

work=$(mktemp -d /tmp/valbum-fuzz-rate.XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir "$work/empty" "$work/replay"
for copy in $(seq 1 40); do
    for input in "$corpus"/*; do
        [[ -s $input ]] && cp "$input" "$work/replay/$copy-$(basename "$input")"
    done
done
inputs=$(find "$work/replay" -type f | wc -l)

cpu_seconds() {
    /usr/bin/time -o "$work/time" -f "%U %S" "$@" >/dev/null 2>&1 || true
    awk '{ print $1 + $2 }' "$work/time"
}

echo "$inputs inputs ($(find "$corpus" -type f -size +0 | wc -l) in $corpus, 40 times over)"
for fuzzer in "$@"; do
    start=$(cpu_seconds "$fuzzer" -runs=0 "$work/empty")
    replay=$(cpu_seconds "$fuzzer" -runs=0 -max_len=20000 "$work/replay")
    awk -v f="$fuzzer" -v n="$inputs" -v s="$start" -v r="$replay" \
        'BEGIN { printf "%-60s %6.2f s CPU  %8.0f inputs/s\n", f, r - s, n / (r - s) }'
done
