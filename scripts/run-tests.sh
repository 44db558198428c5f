#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds the programs and the page, and runs every
# test (the page's too: CTest label `web`), but the checks of translations
# still being made (label translation-in-progress), which their translators run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
# The page and its WebAssembly core, which the web tests load.
scripts/build-web.sh
ctest --test-dir build --output-on-failure -j"$(nproc)" -LE translation-in-progress
