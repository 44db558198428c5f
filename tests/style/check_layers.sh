#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The libraries depend one way: each folder of src/ includes only from the
# folders below it. The picture side and the album format know nothing of
# each other; imagerecords is where they meet.
# Usage: check_layers.sh SOURCE_DIR
set -euo pipefail
cd "$1/src"

# folder: the folders it may include from (besides itself and the system)
declare -A allowed=(
  [codec]=""
  [album]="codec"
  [albumfile]="codec album"
  [picture]="codec"
  [imagerecords]="codec album picture"
  [messages]="codec album albumfile picture imagerecords"
  [cli]="codec album albumfile picture imagerecords messages"
  [editor]="codec album albumfile picture imagerecords messages"
)
qt_free="codec album"
# Reading pictures is plain C++ too, but for the stand-in that reads BMP,
# PNG, GIF and ICO through Qt until their own readers land, and for the
# conversion steps still over QImage until they move to their own folder.
picture_qt_files="conversionoptions.cpp conversionoptions.h squareplacement.cpp squareplacement.h
  greyreduction.cpp greyreduction.h albumimage.cpp albumimage.h look.cpp look.h albumbitmap.cpp albumbitmap.h"

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
while IFS=: read -r file line include; do
  case " $(echo $picture_qt_files) " in
  *" ${file#picture/} "*) ;;
  *)
    echo "src/$file:$line: src/picture reads pictures without Qt: $include"
    faults=$((faults + 1))
    ;;
  esac
done < <(grep -rnE '^#include <Q' picture || true)
for folder in */; do
  [[ -n ${allowed[${folder%/}]+set} ]] || { echo "src/$folder has no place in the layers"; faults=$((faults + 1)); }
done
((faults == 0)) && echo "every include in src/ points down the layers"
((faults == 0))
