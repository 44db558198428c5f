#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Compares the golden table with the albums a valbum writes: the corpus made
# into lossless PNGs (with alpha where the picture has it), then for every set
# valbum create has options for, the album's SHA-256 against the table's.
# Prints one line a set; sets with --smooth may differ from an older valbum
# (smoothing was rewritten) and are reported, not failed. Needs ImageMagick.
#   tests/golden/check_against_valbum.sh VALBUM GOLDEN_ALBUM_TESTS
set -euo pipefail
(($# == 2)) || { echo "usage: $0 VALBUM GOLDEN_ALBUM_TESTS" >&2; exit 64; }
valbum=$(realpath "$1")
tests=$(realpath "$2")
here=$(cd "$(dirname "$0")" && pwd)
data=$here/../data/golden
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

pictures=()
for name in astronaut camera chelsea coffee rocket trash; do
  python3 "$here/rgba_to_argb.py" --to-rgba <"$data/$name.argb" >"$work/$name.rgba" 2>"$work/$name.size"
  read -r width height channels <"$work/$name.size"
  # PNG24 keeps a picture without alpha one without it for the reader too.
  format=PNG24
  [[ $channels == rgba ]] && format=PNG32
  convert -size "${width}x$height" -depth 8 "rgba:$work/$name.rgba" -strip "$format:$work/$name.png"
  pictures+=("$work/$name.png")
done

matched=0 differing=0 failed=0
while IFS=$'\t' read -r name repeats expected arguments; do
  if [[ $arguments == - ]]; then
    printf '%-36s no valbum create options\n' "$name"
    continue
  fi
  corpus=()
  for ((round = 0; round < repeats; ++round)); do corpus+=("${pictures[@]}"); done
  # shellcheck disable=SC2086 # the options are words
  "$valbum" create --force --jobs 1 $arguments "$work/album.valbum" "${corpus[@]}" >/dev/null
  actual=$(sha256sum "$work/album.valbum" | cut -c1-64)
  if [[ $actual == "$expected" ]]; then
    printf '%-36s same     %s\n' "$name" "$actual"
    matched=$((matched + 1))
  elif [[ " $arguments " == *" --smooth "* ]]; then
    printf '%-36s differs  %s (smoothing)\n' "$name" "$actual"
    differing=$((differing + 1))
  else
    printf '%-36s DIFFERS  %s, the table has %s\n' "$name" "$actual" "$expected"
    failed=$((failed + 1))
  fi
done < <("$tests" --list-sets)
echo "$matched the same, $differing smoothed ones different, $failed different"
((failed == 0))
