#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Configures and builds into build/ (or $BUILD_DIR) with any extra CMake options
# given: every target, or only those named in $BUILD_TARGETS (blank-separated).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
read -r -a targets <<<"${BUILD_TARGETS:-all}"
cmake --build "$build_dir" -j"$(nproc)" --target "${targets[@]}"
