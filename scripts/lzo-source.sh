# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the scripts that build the core for other targets:
# lzo_source DIR prints the folder of Debian's lzo2 source under DIR,
# fetching it there first (debian-source.sh) when it is not there yet.
source "$(dirname "${BASH_SOURCE[0]}")/debian-source.sh"
lzo_source() {
  debian_source "$1" lzo2
}
