#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian source and binary packages as a distribution would, from
# a copy of the files git knows (so no build product lands in the checkout or
# beside it), and lints them: lintian must find no error and no warning.
set -euo pipefail
source_dir=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if ! git -C "$source_dir" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  echo "not a git checkout: cannot tell sources from build products" >&2
  exit 77
fi
tree=$work/valbum-editor-$version
mkdir "$tree"
# Tracked and new files as they are now, not as last committed.
(cd "$source_dir" && git ls-files -z --cached --others --exclude-standard \
  | xargs -0 -I{} sh -c 'test ! -e "$1" || printf "%s\0" "$1"' _ {} \
  | tar --null -T - -cf -) | tar -xf - -C "$tree"

cd "$tree"
changelog_version=$(dpkg-parsechangelog -S Version)
if [[ "$changelog_version" != "$version" ]]; then
  echo "debian/changelog says $changelog_version, CMake's project version is $version" >&2
  exit 1
fi

jobs=()
[[ "${DEB_BUILD_OPTIONS:-}" == *parallel=* ]] || jobs=(-jauto)
start=$SECONDS
dpkg-buildpackage -us -uc "${jobs[@]}" >"$work/build.log" 2>&1 || {
  tail -n 60 "$work/build.log" >&2
  exit 1
}
echo "package built in $((SECONDS - start)) s"

deb=$work/valbum-editor_${version}_$(dpkg --print-architecture).deb
test -f "$deb" || { echo "no $(basename "$deb"); built: $(ls "$work")" >&2; exit 1; }
contents=$(dpkg-deb -c "$deb")
for file in \
  usr/bin/valbum-editor usr/bin/valbum \
  usr/share/applications/valbum-editor.desktop \
  usr/share/mime/packages/valbum-editor.xml \
  usr/share/icons/hicolor/scalable/apps/valbum-editor.svg \
  usr/share/metainfo/io.github.valbum.editor.metainfo.xml \
  usr/share/man/man1/valbum.1.gz usr/share/man/man1/valbum-editor.1.gz \
  usr/share/bash-completion/completions/valbum \
  usr/share/doc/valbum-editor/copyright; do
  grep -q " \./$file\$" <<<"$contents" || { echo "missing from the package: /$file" >&2; exit 1; }
done

# The .changes names the source package, the .deb and the .buildinfo, so
# lintian reads them all.
lintian --fail-on error,warning --display-info "$work"/valbum-editor_"${version}"_*.changes
echo "lintian: no errors, no warnings"
