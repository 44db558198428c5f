#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Cross-builds the portable core (the codec, album, conversion and best-fit
# libraries, which need no Qt) and its tests, the golden albums among them,
# for 64-bit ARM (aarch64) and 32-bit ARM (armhf), run under qemu-user, and
# for 64-bit Windows (MinGW-w64), run under Wine.
#
# Everything installed is of the build machine's own architecture: the cross
# compilers, qemu-user and Wine. The target's LZO is built from Debian's lzo2
# source package and its GoogleTest from the source Debian's googletest
# package ships, so no foreign architecture is ever added to dpkg, and a
# mirror caught mid-sync for one cannot stop the run. Installs what is
# missing first (as root, or with sudo available). Builds go to
# build-cross/TARGET/; name targets to build only those.
#   scripts/cross-test.sh [aarch64|armhf|windows]...
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

declare -A triplet=([aarch64]=aarch64-linux-gnu [armhf]=arm-linux-gnueabihf [windows]=x86_64-w64-mingw32)
declare -A compiler=([aarch64]=g++-aarch64-linux-gnu [armhf]=g++-arm-linux-gnueabihf [windows]=g++-mingw-w64-x86-64-posix)
declare -A emulator_package=([aarch64]=qemu-user [armhf]=qemu-user [windows]=wine64)

targets=("$@")
((${#targets[@]} > 0)) || targets=(aarch64 armhf windows)
for target in "${targets[@]}"; do
  [[ -n "${triplet[$target]:-}" ]] || { echo "cross-test.sh: unknown target '$target' (aarch64, armhf or windows)" >&2; exit 64; }
done

jobs=$(nproc)
work=$root/build-cross

started=$SECONDS
packages=(cmake make pkg-config dpkg-dev googletest)
for target in "${targets[@]}"; do
  packages+=("${compiler[$target]}" "${emulator_package[$target]}")
done
source scripts/install-missing.sh
install_missing "${packages[@]}" >/dev/null

# LZO's source, fetched once into build-cross/ and kept.
source scripts/lzo-source.sh
lzo_source=$(lzo_source "$work/source") || exit 1
echo "cross-test: packages and sources ready in $((SECONDS - started)) s"

export WINEDEBUG=-all
for target in "${targets[@]}"; do
  started=$SECONDS
  dir=$work/$target
  prefix=$dir/prefix
  toolchain=$root/cmake/toolchains/${triplet[$target]}.cmake
  cross=(-DCMAKE_TOOLCHAIN_FILE="$toolchain" -DVALBUM_CROSS_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release)
  # Wine keeps its settings in a folder of this build, made once, quietly.
  export WINEPREFIX=$dir/wine
  if [[ $target == windows && ! -f "$WINEPREFIX/system.reg" ]]; then
    /usr/lib/wine/wine64 wineboot --init >/dev/null 2>&1 || true
  fi

  if [[ ! -f "$prefix/lib/pkgconfig/lzo2.pc" ]]; then
    cmake -S "$lzo_source" -B "$dir/lzo" "${cross[@]}" -DCMAKE_INSTALL_PREFIX="$prefix" \
      -DENABLE_STATIC=ON -DENABLE_SHARED=OFF >/dev/null
    cmake --build "$dir/lzo" -j"$jobs" --target lzo_static_lib >/dev/null
    # The library, its headers and lzo2.pc by hand: an install would build
    # LZO's example programs too.
    mkdir -p "$prefix/include/lzo" "$prefix/lib/pkgconfig"
    cp "$lzo_source"/include/lzo/*.h "$prefix/include/lzo/"
    cp "$dir/lzo/liblzo2.a" "$prefix/lib/"
    # Sources include <lzo/lzo1x.h>, as with Debian's own package: the
    # folder above the headers goes on the path too.
    sed -e 's|^Cflags: .*|Cflags: -I${includedir} -I${includedir}/lzo|' "$dir/lzo/lzo2.pc" >"$prefix/lib/pkgconfig/lzo2.pc"
  fi
  if [[ ! -d "$prefix/lib/cmake/GTest" ]]; then
    cmake -S /usr/src/googletest -B "$dir/googletest" "${cross[@]}" -DCMAKE_INSTALL_PREFIX="$prefix" \
      -DBUILD_GMOCK=OFF -DINSTALL_GTEST=ON >/dev/null
    cmake --build "$dir/googletest" -j"$jobs" >/dev/null
    cmake --install "$dir/googletest" >/dev/null
  fi
  libraries=$SECONDS

  cmake -S . -B "$dir/core" "${cross[@]}" -DVALBUM_CORE_ONLY=ON >/dev/null
  cmake --build "$dir/core" -j"$jobs" >"$dir/core-build.log" 2>&1 \
    || { cat "$dir/core-build.log" >&2; echo "cross-test: $target did not build" >&2; exit 1; }
  built=$SECONDS
  echo "cross-test: $target: LZO and GoogleTest in $((libraries - started)) s, core built in $((built - libraries)) s"
  ctest --test-dir "$dir/core" --output-on-failure
  echo "cross-test: $target tests ran in $((SECONDS - built)) s"
done
