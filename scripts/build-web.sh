#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the page: the picture readers' libraries from Debian's sources into
# build-wasm/prefix (once, shared with scripts/wasm-test.sh), the picture core
# for WebAssembly into build-web/core, and assembles
#   build-web/site/                  the servable site: web/ with core/ beside it
#   build-web/site/core/valbum-core.js, valbum-core.wasm   the browser's core
#   build-web/site/translations/<language>.json             the page's words
#   build-web/node/valbum-core-node.js                     Node's, for the tests
# Installs what is missing first (as root, or with sudo available). A second
# run with nothing changed only checks.
#   scripts/build-web.sh
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
work=$root/build-wasm
out=$root/build-web

started=$SECONDS
source scripts/install-missing.sh
install_missing cmake make ninja-build meson pkg-config dpkg-dev googletest emscripten nodejs >/dev/null
source scripts/wasm-libraries.sh
wasm_libraries "$work" all
libraries=$SECONDS

if [[ ! -f "$out/core/build.ninja" ]]; then
  cmake -S . -B "$out/core" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchains/wasm32-emscripten.cmake" \
    -DVALBUM_CROSS_PREFIX="$work/prefix" -DCMAKE_BUILD_TYPE=Release -DVALBUM_WEB_CORE=ON >/dev/null
fi
jobs=$(($(nproc) < 2 ? $(nproc) : 2))
cmake --build "$out/core" -j"$jobs" >"$out/core-build.log" 2>&1 \
  || { cat "$out/core-build.log" >&2; echo "build-web: the core did not build" >&2; exit 1; }
built=$SECONDS

# The site: the page's own files afresh (a file web/ no longer has must not
# linger), without its tests or its development server, then the core beside
# them.
mkdir -p "$out/site/core" "$out/node"
find "$out/site" -mindepth 1 -maxdepth 1 ! -name core -exec rm -rf {} +
if [[ -d web ]]; then
  find web -mindepth 1 -maxdepth 1 ! -name tests ! -name server ! -name node_modules ! -name core -exec cp -a {} "$out/site/" \;
fi
for file in valbum-core.js valbum-core.wasm; do
  cmp -s "$out/core/src/webcore/$file" "$out/site/core/$file" || cp "$out/core/src/webcore/$file" "$out/site/core/"
done
cmp -s "$out/core/src/webcore/valbum-core-node.js" "$out/node/valbum-core-node.js" \
  || cp "$out/core/src/webcore/valbum-core-node.js" "$out/node/"
# The desktop's translations in the form the page loads, from the same files.
node web/server/translations.mjs translations "$out/site" >/dev/null
# The service worker's list of what it keeps offline, and its version, made
# from the files as they now are.
node web/server/precache.mjs "$out/site" >/dev/null
echo "build-web: libraries ready in $((libraries - started)) s, core built in $((built - libraries)) s," \
  "site in $((SECONDS - built)) s: $out/site"
