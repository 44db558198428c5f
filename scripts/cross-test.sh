#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Cross-builds the core libraries and their tests (the target core_tests) for
# 64-bit ARM (aarch64) and 32-bit ARM (armhf) with Debian 12's cross compilers
# and multiarch libraries, and runs the tests under qemu-user. Installs what is
# missing first (as root, or with sudo available). Builds go to build-aarch64/
# and build-armhf/; name one of the two to build only that.
#   scripts/cross-test.sh [aarch64|armhf]...
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A debian_arch=([aarch64]=arm64 [armhf]=armhf)
declare -A triplet=([aarch64]=aarch64-linux-gnu [armhf]=arm-linux-gnueabihf)
declare -A emulator=([aarch64]=qemu-aarch64 [armhf]=qemu-arm)

targets=("$@")
((${#targets[@]} > 0)) || targets=(aarch64 armhf)
for target in "${targets[@]}"; do
  [[ -n "${debian_arch[$target]:-}" ]] || { echo "cross-test.sh: unknown target '$target' (aarch64 or armhf)" >&2; exit 64; }
done

sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"

# The build machine's own Qt brings moc and rcc; each target brings its libraries.
packages=(cmake make pkg-config qemu-user qt6-base-dev)
for target in "${targets[@]}"; do
  arch=${debian_arch[$target]}
  packages+=("g++-${triplet[$target]}")
  for library in qt6-base-dev liblzo2-dev libjpeg62-turbo-dev zlib1g-dev libgtest-dev; do
    packages+=("$library:$arch")
  done
done

started=$SECONDS
for target in "${targets[@]}"; do
  arch=${debian_arch[$target]}
  dpkg --print-foreign-architectures | grep -qx "$arch" || $sudo dpkg --add-architecture "$arch"
done
source scripts/install-missing.sh
install_missing "${packages[@]}" >/dev/null
echo "cross-test: packages ready in $((SECONDS - started)) s"

for target in "${targets[@]}"; do
  build_dir=build-$target
  started=$SECONDS
  cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_TOOLCHAIN_FILE="cmake/toolchains/${triplet[$target]}.cmake" >/dev/null
  cmake --build "$build_dir" -j"$(nproc)" --target core_tests >/dev/null
  built=$SECONDS
  echo "cross-test: $target built in $((built - started)) s; running core_tests under ${emulator[$target]}"
  QT_QPA_PLATFORM=offscreen "${emulator[$target]}" "$build_dir/tests/core/core_tests" --gtest_brief=1
  echo "cross-test: $target tests ran in $((SECONDS - built)) s"
done
