#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Brings every file under the given folders in through two builds' `valbum
# preview` and compares, file by file, the verdict each prints and the device
# picture each writes. Run after a change to the reading or conversion of
# pictures, with a build of the last release as the reference.
# Usage: compare-previews.sh REFERENCE_VALBUM CANDIDATE_VALBUM FOLDER... [-- PREVIEW_OPTION...]
set -euo pipefail

reference=$1 candidate=$2
shift 2
folders=()
while (($#)) && [[ $1 != -- ]]; do
  folders+=("$1")
  shift
done
(($#)) && shift
options=("$@")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/in"
# One name each, so that no two outputs share a name; the contents decide
# the type, so the name plays no part in the verdict.
index=0
while IFS= read -r -d '' file; do
  index=$((index + 1))
  ln -s "$file" "$work/in/$(printf '%05d' "$index").picture"
  printf '%05d\t%s\n' "$index" "$file" >>"$work/names"
done < <(find "${folders[@]}" -type f ! -name '*.license' -print0 | sort -z)

run() {
  mkdir "$work/$1"
  # Exit status 3 means some pictures were left out, which is expected here.
  (cd "$work/in" && "$2" preview --skip-unreadable --jobs 1 "${options[@]}" "$work/$1" ./*.picture) >/dev/null \
    2>"$work/$1.err" || true
  sed -n 's|^valbum: left out: \./\([0-9]*\)\.picture: |\1\t|p' "$work/$1.err" | sort >"$work/$1.verdicts"
}
run reference "$reference"
run candidate "$candidate"

same=0 differ=0 refused=0
while IFS=$'\t' read -r number file; do
  ref="$work/reference/$number.png" cand="$work/candidate/$number.png"
  refVerdict=$(grep -P "^$number\t" "$work/reference.verdicts" | cut -f2- || true)
  candVerdict=$(grep -P "^$number\t" "$work/candidate.verdicts" | cut -f2- || true)
  if [[ $refVerdict != "$candVerdict" ]]; then
    echo "verdict differs: $file: '$refVerdict' / '$candVerdict'"
    differ=$((differ + 1))
  elif [[ -e $ref && ! -e $cand ]] || [[ ! -e $ref && -e $cand ]]; then
    echo "written by one only: $file"
    differ=$((differ + 1))
  elif [[ -e $ref ]] && ! cmp -s "$ref" "$cand"; then
    echo "picture differs: $file"
    differ=$((differ + 1))
  else
    [[ -n $refVerdict ]] && refused=$((refused + 1))
    same=$((same + 1))
  fi
done <"$work/names"
echo "files: $index, the same: $same (refused alike: $refused), different: $differ"
((differ == 0))
