#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ and runs the test suite there. The end-to-end test is left to the
# normal build: it drives a real display and would only be slower here.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
BUILD_DIR=build-asan scripts/build.sh -DVALBUM_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0
# The page's tests check its WebAssembly build, not this one: they run with
# the suite.
ctest --test-dir build-asan --output-on-failure -j"$(nproc)" -LE 'e2e|package|web|translation-in-progress'
