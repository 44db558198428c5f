#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds the editor and valbum (not the tests, which
# scripts/run-tests.sh builds), and starts the editor.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
BUILD_TARGETS="valbum-editor valbum" scripts/build.sh
exec build/src/editor/valbum-editor "$@"
