#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian 12 packages the project builds and tests with, only
# those that are missing. Run as root (or with sudo available).
set -euo pipefail

packages=(
  cmake make g++ pkg-config
  qt6-base-dev liblzo2-dev libjpeg62-turbo-dev zlib1g-dev
  libheif-dev libwebp-dev libtiff-dev libpng-dev libgif-dev
  libheif-examples libavif-bin webp libtiff-tools
  libgtest-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-format
  fonts-dejavu-core fonts-liberation2
  xvfb xdotool x11-apps x11-utils imagemagick openbox wmctrl time
  dbus at-spi2-core python3-pyatspi
  desktop-file-utils libxml2-utils shared-mime-info file
  appstream groff-base man-db
  reuse debhelper dpkg-dev fakeroot lintian git
  emscripten nodejs meson ninja-build
)

source "$(dirname "$0")/install-missing.sh"
install_missing "${packages[@]}"
