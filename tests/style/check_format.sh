#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Every C++ file under src/ and tests/ is formatted as .clang-format says.
# Usage: check_format.sh SOURCE_DIR
set -euo pipefail
cd "$1"
formatter=$(command -v clang-format || command -v clang-format-14 || true)
if [[ -z $formatter ]]; then
  echo "clang-format is not installed (scripts/install-deps.sh installs it)" >&2
  exit 1
fi
mapfile -t files < <(git ls-files -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 2>/dev/null \
  || find src tests -name '*.cpp' -o -name '*.h')
"$formatter" --dry-run -Werror "${files[@]}"
echo "${#files[@]} files formatted as .clang-format says"
