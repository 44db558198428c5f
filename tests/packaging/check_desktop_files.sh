#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Validates the desktop entry, the album MIME type, the AppStream entry and the
# manual pages, and checks that an install puts every desktop file where a
# desktop looks for it.
set -euo pipefail
source_dir=$1
build_dir=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

desktop-file-validate "$source_dir/packaging/valbum-editor.desktop"
xmllint --noout "$source_dir/packaging/valbum-editor.xml"
# A file manager opens an album by handing its path to the program.
grep -qx 'Exec=valbum-editor %f' "$source_dir/packaging/valbum-editor.desktop"

# The AppStream entry: valid without the network, launching this desktop entry
# and claiming the album type.
metainfo=$build_dir/packaging/io.github.valbum.editor.metainfo.xml
appstreamcli validate --no-net --pedantic "$metainfo"
grep -q '<launchable type="desktop-id">valbum-editor.desktop</launchable>' "$metainfo"
grep -q '<mediatype>application/x-valbum</mediatype>' "$metainfo"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$metainfo"

# Manual pages: no formatter warnings, and each renders its name.
for page in valbum valbum-editor; do
  warnings=$(groff -man -ww -z "$build_dir/packaging/man/$page.1" 2>&1)
  [[ -z "$warnings" ]] || { echo "$page.1: $warnings" >&2; exit 1; }
  MANWIDTH=80 man -l "$build_dir/packaging/man/$page.1" 2>/dev/null | grep -q "^NAME"
done

# The MIME database must take the package and recognise an album by its bytes.
mkdir -p "$work/mime/packages"
cp "$source_dir/packaging/valbum-editor.xml" "$work/mime/packages/"
update-mime-database "$work/mime" >/dev/null 2>&1
test -f "$work/mime/application/x-valbum.xml"
grep -aq 'application/x-valbum' "$work/mime/magic"
grep -aq $'VAF\x00' "$work/mime/magic"
grep -q '\*\.valbum' "$work/mime/globs"

DESTDIR="$work/root" cmake --install "$build_dir" --prefix /usr >/dev/null
for file in \
  usr/bin/valbum-editor \
  usr/share/applications/valbum-editor.desktop \
  usr/share/mime/packages/valbum-editor.xml \
  usr/share/icons/hicolor/16x16/apps/valbum-editor.png \
  usr/share/icons/hicolor/32x32/apps/valbum-editor.png \
  usr/share/icons/hicolor/48x48/apps/valbum-editor.png \
  usr/share/icons/hicolor/64x64/apps/valbum-editor.png \
  usr/share/icons/hicolor/128x128/apps/valbum-editor.png \
  usr/share/icons/hicolor/scalable/apps/valbum-editor.svg \
  usr/share/metainfo/io.github.valbum.editor.metainfo.xml \
  usr/share/man/man1/valbum.1 \
  usr/share/man/man1/valbum-editor.1 \
  usr/share/bash-completion/completions/valbum; do
  if [[ ! -e "$work/root/$file" ]]; then
    echo "missing after install: /$file" >&2
    exit 1
  fi
done
# Each hicolor PNG must really be the size its folder says.
for size in 16 32 48 64 128; do
  file -b "$work/root/usr/share/icons/hicolor/${size}x${size}/apps/valbum-editor.png" | grep -q "$size x $size"
done
echo "desktop integration files valid and installed"
