#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian 12 packages the project builds and tests with, only
# those that are missing, then the page's pinned npm packages (its test
# tools) into node_modules/. Run as root (or with sudo available).
set -euo pipefail

packages=(
  cmake make g++ pkg-config
  qt6-base-dev liblzo2-dev libjpeg62-turbo-dev zlib1g-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n python3
  libheif-dev libwebp-dev libtiff-dev libpng-dev libgif-dev
  libheif-examples libavif-bin webp libtiff-tools
  libgtest-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-format
  fonts-dejavu-core fonts-liberation2 fonts-ipafont-gothic
  xvfb xdotool x11-apps x11-utils imagemagick openbox wmctrl time
  dbus at-spi2-core python3-pyatspi
  desktop-file-utils libxml2-utils shared-mime-info file
  appstream groff-base man-db
  reuse debhelper dpkg-dev fakeroot lintian git
  emscripten meson ninja-build chromium firefox-esr
)
# A Node that did not come from Debian (NodeSource's, say) ships its own npm
# and conflicts with Debian's npm package: add either only when it is absent.
command -v node >/dev/null || packages+=(nodejs)
command -v npm >/dev/null || packages+=(npm)

root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/install-missing.sh"
# Another install on the machine holds dpkg's lock: wait for it to finish
# rather than fail (apt's own wait, and a look at the locks first where
# fuser is there).
apt_config=$(mktemp)
trap 'rm -f "$apt_config"' EXIT
echo 'DPkg::Lock::Timeout "1200";' >"$apt_config"
export APT_CONFIG=$apt_config
command -v fuser >/dev/null && for lock in /var/lib/dpkg/lock-frontend /var/lib/apt/lists/lock; do
  waited=0
  while fuser "$lock" >/dev/null 2>&1 && ((waited < 1200)); do
    ((waited == 0)) && echo "install-deps: waiting for another package install to finish"
    sleep 5
    waited=$((waited + 5))
  done
done
install_missing "${packages[@]}"

# The pinned test tools; no browser download: the tests drive Debian's
# Chromium. No install scripts: none of these needs one, and puppeteer,
# which one of them pulls in, would fetch a browser of its own. npm's
# download cache stays inside the clone.
stamp=$root/node_modules/.package-lock.json
if [[ ! -f "$stamp" || "$root/package-lock.json" -nt "$stamp" ]]; then
  (cd "$root" && PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --ignore-scripts --no-audit --no-fund --cache "$root/build-web/npm-cache" >/dev/null)
fi
