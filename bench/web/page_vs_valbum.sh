#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The page in Debian's Chromium against the native valbum, on the same work:
# bringing in the benchmarks' 20 photos (bench/photos.sh) against
# `valbum create --jobs 1` of them (target: the page at most 2 times slower),
# and saving the largest album (about 2,340 plain images) against `valbum
# append` writing the same images into an empty album (target: at most 2
# times). Prints the medians and the ratios of one run.
#
#   bench/web/page_vs_valbum.sh [rounds]   (default 3)
#   BUILD_DIR  build folder holding src/cli/valbum (default: build, then build-bench)
#   WORK       work directory; the photos are made once and kept (default: /tmp/valbum-bench-web)
# The page must be built (scripts/build-web.sh).
set -euo pipefail
source_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
work="${WORK:-/tmp/valbum-bench-web}"
rounds="${1:-3}"
if [[ -n ${BUILD_DIR:-} ]]; then
  valbum=$BUILD_DIR/src/cli/valbum
elif [[ -x $source_dir/build/src/cli/valbum ]]; then
  valbum=$source_dir/build/src/cli/valbum
else
  cmake -S "$source_dir" -B "$source_dir/build-bench" -DCMAKE_BUILD_TYPE=Release -DVALBUM_BUILD_BENCHMARKS=ON >/dev/null
  cmake --build "$source_dir/build-bench" --target valbum -j 2 >/dev/null
  valbum=$source_dir/build-bench/src/cli/valbum
fi
[[ -f $source_dir/build-web/site/index.html ]] || { echo "the page is not built: run scripts/build-web.sh" >&2; exit 1; }
node "$source_dir/web/server/precache.mjs" "$source_dir/build-web/site" >/dev/null

source "$source_dir/bench/photos.sh"
make_photos "$work/pictures" 20

# The largest album: one plain picture over and over, until the limit.
if [[ ! -f $work/largest.valbum ]]; then
  mkdir -p "$work/plain"
  convert -size 92x92 xc:white "$work/plain/white.png"
  for i in $(seq -w 1 2600); do ln -sf white.png "$work/plain/w$i.png"; done
  "$valbum" create --force "$work/largest.valbum" "$work/plain"/w*.png >/dev/null 2>&1 || [[ $? -eq 3 ]]
fi

exec node "$source_dir/bench/web/page_vs_valbum.mjs" "$valbum" "$work" "$rounds"
