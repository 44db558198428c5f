#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the portable core (-DVALBUM_CORE_ONLY=ON) and its Qt-free tests for
# WebAssembly with Debian's emscripten, and runs them under Node with the
# source tree's data, so that the golden albums are proved there too.
# emscripten's ports cannot be fetched (its cache is frozen), so LZO is built
# from Debian's lzo2 source and GoogleTest from the source Debian's
# googletest package ships, both into build-wasm/prefix, once
# (scripts/wasm-libraries.sh, which scripts/build-web.sh shares). Installs
# what is missing first (as root, or with sudo available).
#   scripts/wasm-test.sh
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
work=$root/build-wasm
prefix=$work/prefix
jobs=$(($(nproc) < 2 ? $(nproc) : 2))

started=$SECONDS
source scripts/install-missing.sh
install_missing cmake make ninja-build pkg-config dpkg-dev googletest emscripten nodejs >/dev/null
# The prefix scripts/build-web.sh builds the picture readers' libraries
# into as well: LZO and GoogleTest are built there once for both.
source scripts/wasm-libraries.sh
wasm_libraries "$work" core
cross=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchains/wasm32-emscripten.cmake" -DVALBUM_CROSS_PREFIX="$prefix"
  -DCMAKE_BUILD_TYPE=Release)
libraries=$SECONDS

cmake -S . -B "$work/core" "${cross[@]}" -DVALBUM_CORE_ONLY=ON >/dev/null
cmake --build "$work/core" -j"$jobs" >"$work/core-build.log" 2>&1 \
  || { cat "$work/core-build.log" >&2; echo "wasm-test: the core did not build" >&2; exit 1; }
built=$SECONDS
echo "wasm-test: LZO and GoogleTest ready in $((libraries - started)) s, core built in $((built - libraries)) s"
ctest --test-dir "$work/core" --output-on-failure
echo "wasm-test: tests ran under Node $(node --version) in $((SECONDS - built)) s"
