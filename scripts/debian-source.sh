# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the scripts that build libraries for other targets:
# debian_source DIR PACKAGE prints the folder of Debian's source of PACKAGE
# under DIR, fetching it there first (apt-get source) when it is not there
# yet. The source is kept, so a later run needs no network. apt-get source
# needs a deb-src entry: one is added beside the machine's own Debian
# entries. A version the security mirror no longer serves (404) falls back to
# the other versions the archive lists, newest first.
debian_source() {
  local dir=$1 package=$2 found sudo="" version
  [[ $(id -u) -eq 0 ]] || sudo="sudo"
  # The unpacked folder is named after the upstream name, which may differ
  # from the package's (libpng1.6 unpacks as libpng1.6-1.6.39); the
  # .dsc's presence says the package was fetched.
  found=$(debian_source_folder "$dir" "$package")
  if [[ -z "$found" ]]; then
    if ! grep -rqs '^Types:.*deb-src\|^deb-src ' /etc/apt/sources.list /etc/apt/sources.list.d/; then
      sed -e 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources \
        | $sudo tee /etc/apt/sources.list.d/valbum-deb-src.sources >/dev/null
      $sudo apt-get update -qq || echo "debian_source: apt-get update failed; using the package lists there are" >&2
    fi
    mkdir -p "$dir/$package"
    fetch() { (cd "$dir/$package" && apt-get source -qq "$1" >/dev/null 2>&1); }
    if ! fetch "$package"; then
      # A source index missing from an update that failed part way is
      # fetched once more, then every version the archive lists is tried.
      $sudo apt-get update -qq || true
      if ! fetch "$package"; then
        for version in $(apt-cache showsrc "$package" | sed -n 's/^Version: //p' | sort -rV | uniq); do
          echo "debian_source: trying $package=$version" >&2
          fetch "$package=$version" && break
        done
      fi
    fi
    found=$(debian_source_folder "$dir" "$package")
    [[ -n "$found" ]] || { echo "could not fetch the source of $package (apt-get source $package)" >&2; return 1; }
  fi
  echo "$found"
}

# The unpacked source folder of PACKAGE under DIR, or nothing.
debian_source_folder() {
  find "$1/$2" -mindepth 1 -maxdepth 1 -type d 2>/dev/null | head -n 1 || true
}
