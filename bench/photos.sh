# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the bench scripts: make_photos DIR COUNT fills DIR with COUNT
# photo-like 640 x 480 JPEGs (photo000.jpg ...), made once and kept between runs.
make_photos() {
    local pictures=$1 count=$2 i
    mkdir -p "$pictures"
    (( $(find "$pictures" -name '*.jpg' | wc -l) >= count )) && return 0
    echo "making $count pictures of 640x480 in $pictures ..." >&2
    # One textured base, then each picture shifted, tinted and sprinkled with
    # its own noise so that no two compress alike.
    convert -size 640x480 -seed 1 plasma:fractal "$pictures/../base.png"
    for ((i = 0; i < count; i++)); do
        convert "$pictures/../base.png" -roll "+$((i * 37 % 640))+$((i * 53 % 480))" \
            -modulate "100,$((60 + i % 80)),$((i * 7 % 200))" \
            -seed "$i" -attenuate 0.4 +noise Gaussian -quality 90 \
            "$(printf '%s/photo%03d.jpg' "$pictures" "$i")"
    done
}
