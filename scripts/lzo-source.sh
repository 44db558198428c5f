# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the scripts that build the core for other targets:
# lzo_source DIR prints the folder of Debian's lzo2 source under DIR,
# fetching it there first (apt-get source) when it is not there yet. The
# source is kept, so a later run needs no network. apt-get source needs a
# deb-src entry: one is added beside the machine's own Debian entries.
lzo_source() {
  local dir=$1 found sudo=""
  [[ $(id -u) -eq 0 ]] || sudo="sudo"
  found=$(find "$dir" -maxdepth 1 -type d -name 'lzo2-*' 2>/dev/null | head -n 1 || true)
  if [[ -z "$found" ]]; then
    if ! grep -rqs '^Types:.*deb-src\|^deb-src ' /etc/apt/sources.list /etc/apt/sources.list.d/; then
      sed -e 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources \
        | $sudo tee /etc/apt/sources.list.d/valbum-deb-src.sources >/dev/null
      $sudo apt-get update -qq || echo "lzo_source: apt-get update failed; using the package lists there are" >&2
    fi
    mkdir -p "$dir"
    # A source index missing from an update that failed part way is fetched
    # once more before giving up.
    fetch() { (cd "$dir" && apt-get source -qq lzo2 >/dev/null 2>&1); }
    fetch || { $sudo apt-get update -qq || true; fetch; } \
      || { echo "could not fetch the source of lzo2 (apt-get source lzo2)" >&2; return 1; }
    found=$(find "$dir" -maxdepth 1 -type d -name 'lzo2-*' | head -n 1)
  fi
  echo "$found"
}
