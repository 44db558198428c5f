#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the portable core (-DVALBUM_CORE_ONLY=ON) and its Qt-free tests for
# WebAssembly with Debian's emscripten, and runs them under Node with the
# source tree's data, so that the golden albums are proved there too.
# emscripten's ports cannot be fetched (its cache is frozen), so LZO is built
# from Debian's lzo2 source and GoogleTest from the source Debian's
# googletest package ships, both into build-wasm/prefix, once. Installs what
# is missing first (as root, or with sudo available).
#   scripts/wasm-test.sh
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
work=$root/build-wasm
prefix=$work/prefix
jobs=$(($(nproc) < 2 ? $(nproc) : 2))

started=$SECONDS
source scripts/install-missing.sh
install_missing cmake make pkg-config dpkg-dev googletest emscripten nodejs >/dev/null
source scripts/lzo-source.sh
lzo=$(lzo_source "$work/source") || exit 1
echo "wasm-test: packages and sources ready in $((SECONDS - started)) s"
# emscripten's JavaScript tools need Debian's node-acorn, which a Node not
# built by Debian (NodeSource's) does not look for.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}

started=$SECONDS
cross=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchains/wasm32-emscripten.cmake" -DVALBUM_CROSS_PREFIX="$prefix"
  -DCMAKE_BUILD_TYPE=Release)
if [[ ! -f "$prefix/lib/pkgconfig/lzo2.pc" ]]; then
  # Straight from the sources, not through LZO's CMake: its type-size checks
  # give nonsense under emscripten (every size 9) and take minutes. Without a
  # config.h LZO finds the sizes from the compiler's own macros. Only what the
  # album core and its tests call, with what those need.
  rm -rf "$work/lzo"
  mkdir -p "$work/lzo" "$prefix/include/lzo" "$prefix/lib/pkgconfig"
  for unit in lzo_init lzo_ptr lzo_str lzo_util lzo1x_1 lzo1x_9x lzo1x_d1 lzo1x_d2; do
    echo "$lzo/src/$unit.c"
  done | xargs -P "$jobs" -I{} sh -c \
    'emcc -O2 -ffp-contract=off -I"$1/include" -I"$1" -c "$2" -o "$3/$(basename "$2" .c).o"' _ "$lzo" {} "$work/lzo"
  emar rcs "$prefix/lib/liblzo2.a" "$work/lzo"/*.o
  cp "$lzo"/include/lzo/*.h "$prefix/include/lzo/"
  # Sources include <lzo/lzo1x.h>, as with Debian's own package.
  version=$(sed -n 's/^#define LZO_VERSION_STRING *"\(.*\)"/\1/p' "$lzo/include/lzo/lzoconf.h")
  printf '%s\n' "prefix=$prefix" 'libdir=${prefix}/lib' 'includedir=${prefix}/include' "" \
    "Name: lzo2" "Description: LZO for WebAssembly" "Version: $version" \
    'Libs: -L${libdir} -llzo2' 'Cflags: -I${includedir} -I${includedir}/lzo' >"$prefix/lib/pkgconfig/lzo2.pc"
fi
if [[ ! -d "$prefix/lib/cmake/GTest" ]]; then
  # Without threads: a module built without -pthread cannot start any.
  cmake -S /usr/src/googletest -B "$work/googletest" "${cross[@]}" -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DBUILD_GMOCK=OFF -DINSTALL_GTEST=ON -Dgtest_disable_pthreads=ON >/dev/null
  cmake --build "$work/googletest" -j"$jobs" >/dev/null
  cmake --install "$work/googletest" >/dev/null
fi
libraries=$SECONDS

cmake -S . -B "$work/core" "${cross[@]}" -DVALBUM_CORE_ONLY=ON >/dev/null
cmake --build "$work/core" -j"$jobs" >"$work/core-build.log" 2>&1 \
  || { cat "$work/core-build.log" >&2; echo "wasm-test: the core did not build" >&2; exit 1; }
built=$SECONDS
echo "wasm-test: LZO and GoogleTest in $((libraries - started)) s, core built in $((built - libraries)) s"
ctest --test-dir "$work/core" --output-on-failure
echo "wasm-test: tests ran under Node $(node --version) in $((SECONDS - built)) s"
