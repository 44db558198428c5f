#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes the golden corpus (tests/data/golden/*.argb) from scikit-image's
# sample photos as Debian's python3-skimage ships them and one icon of
# adwaita-icon-theme, decoded, cropped and scaled by ImageMagick. Run once; the files are checked in, so the tests
# never depend on ImageMagick or on how a decoder of the day rounds.
# The sizes are chosen so that the album sees shrinking (astronaut, camera,
# chelsea), enlarging on both sides (rocket, smaller than 92 on each side), an
# odd aspect ratio with one side under 92 (coffee, 300 x 90) and real
# transparency with soft edges (logo).
#   tests/golden/make_corpus.sh [OUTDIR]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here/../data/golden}
skimage=/usr/lib/python3/dist-packages/skimage/data
icons=/usr/share/icons/Adwaita
# Debian's copyright files: python3-skimage's puts all of its data under
# BSD-3-Clause; adwaita-icon-theme's offers CC-BY-SA-3.0 or LGPL-3, of which
# the LGPL is taken.
skimage_holder="2009-2018 the scikit-image team"
icons_holder="2002-2014 the GNOME Project"
mkdir -p "$out"

# name, source file, ImageMagick steps, channels (rgb or rgba), holder, licence
corpus=(
  "astronaut|$skimage/astronaut.png|-resize 200x200!|rgb|$skimage_holder|BSD-3-Clause"
  "camera|$skimage/camera.png|-resize 160x160!|rgb|$skimage_holder|BSD-3-Clause"
  "chelsea|$skimage/chelsea.png|-resize 225x150!|rgb|$skimage_holder|BSD-3-Clause"
  "coffee|$skimage/coffee.png|-crop 300x90+150+170 +repage|rgb|$skimage_holder|BSD-3-Clause"
  "rocket|$skimage/rocket.jpg|-resize 64x43!|rgb|$skimage_holder|BSD-3-Clause"
  "trash|$icons/256x256/status/user-trash-full.png|-resize 128x128!|rgba|$icons_holder|LGPL-3.0-only"
)
for entry in "${corpus[@]}"; do
  IFS='|' read -r name source steps channels holder licence <<<"$entry"
  read -r width height < <(convert "$source" $steps -format '%w %h\n' info:)
  # Eight bits a channel, sRGB, alpha straight, as the readers give them.
  convert "$source" $steps -colorspace sRGB -depth 8 "rgba:-" \
    | python3 "$here/rgba_to_argb.py" "$width" "$height" "$channels" >"$out/$name.argb"
  # The tags spelled in two parts, so that the licence checker does not read them as this script's.
  printf '%s\n' "SPDX""-FileCopyrightText: $holder" "" "SPDX""-License-Identifier: $licence" >"$out/$name.argb.license"
  echo "$name: $width x $height, $channels, from $source"
done
