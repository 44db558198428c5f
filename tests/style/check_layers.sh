#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The libraries depend one way: each folder of src/ includes only from the
# folders below it. Reading (picture), conversion and the album format know
# nothing of each other; pictureimport is where reading meets conversion,
# imagerecords where conversion meets the format, and qtimage is the front
# ends' QImage edge over all of them. Everything below qtimage, and webcore
# (the page's core, beside it), is plain C++, with no Qt.
# Usage: check_layers.sh SOURCE_DIR
set -euo pipefail
cd "$1/src"

# folder: the folders it may include from (besides itself and the system)
declare -A allowed=(
  [codec]=""
  [album]="codec"
  [albumfile]="codec album"
  [conversion]="codec"
  [picture]="codec"
  [pictureimport]="codec conversion picture"
  [imagerecords]="codec album conversion"
  [webcore]="codec album conversion picture pictureimport imagerecords"
  [qtimage]="codec album conversion picture pictureimport imagerecords"
  [language]=""
  [messages]="codec album albumfile conversion picture pictureimport imagerecords qtimage language"
  [cli]="codec album albumfile conversion picture pictureimport imagerecords qtimage language messages"
  [editor]="codec album albumfile conversion picture pictureimport imagerecords qtimage language messages"
)
qt_free="codec album conversion picture pictureimport imagerecords webcore"

faults=0
for folder in "${!allowed[@]}"; do
  while IFS=: read -r file line include; do
    used=${include#*\"}
    used=${used%%/*}
    case " $folder ${allowed[$folder]} " in
    *" $used "*) ;;
    *)
      echo "src/$file:$line: $folder includes from $used: $include"
      faults=$((faults + 1))
      ;;
    esac
  done < <(grep -rnE '^#include "[a-z]+/' "$folder" || true)
done
for folder in $qt_free; do
  if grep -rnE '^#include <Q' "$folder"; then
    echo "src/$folder must not include Qt"
    faults=$((faults + 1))
  fi
done
for folder in */; do
  [[ -n ${allowed[${folder%/}]+set} ]] || { echo "src/$folder has no place in the layers"; faults=$((faults + 1)); }
done
((faults == 0)) && echo "every include in src/ points down the layers"
((faults == 0))
