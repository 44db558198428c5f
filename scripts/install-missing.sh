# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the scripts that set up a machine: install_missing PACKAGE...
# installs, as root or through sudo, those Debian packages (name or
# name:architecture) that are not installed yet, and nothing when all are.
install_missing() {
  local package status sudo=""
  local missing=()
  for package in "$@"; do
    status=$(dpkg-query -W -f='${db:Status-Abbrev}' "$package" 2>/dev/null || true)
    [[ "$status" == ii* ]] || missing+=("$package")
  done
  ((${#missing[@]} > 0)) || return 0
  [[ $(id -u) -eq 0 ]] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  # A mirror caught mid-sync fails an index now and then; try once more, and
  # then go on with the lists there are: the install says whether they do.
  $sudo apt-get update -qq || $sudo apt-get update -qq || echo "apt-get update failed; using the package lists there are" >&2
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
