#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds the page (scripts/build-web.sh) and serves
# it on this machine only, printing the address to open:
#   scripts/run-web.sh [PORT]     (default 8080; 0 takes a free port)
# The same address each time keeps the page's offline copy: a browser keeps
# one per address.
set -euo pipefail
cd "$(dirname "$0")/.."
port=${1:-8080}
[[ $port =~ ^[0-9]+$ ]] || { echo "run-web: the port must be a number, not '$port'" >&2; exit 2; }
scripts/install-deps.sh
scripts/build-web.sh
exec node web/server/serve.mjs --root build-web/site --port "$port"
