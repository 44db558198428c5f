# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Raw RGBA bytes on stdin to a golden picture (.argb) on stdout, or with
--to-rgba a golden picture on stdin to raw RGBA bytes, its width, height and
alpha flag going to stderr as "W H rgb|rgba". The format is described in
tests/data/golden/README.md."""

import struct
import sys

MAGIC = b"ARGB"


def to_argb(width, height, channels):
    data = sys.stdin.buffer.read()
    if len(data) != width * height * 4:
        sys.exit(f"expected {width * height * 4} bytes, got {len(data)}")
    has_alpha = channels == "rgba"
    words = bytearray()
    for i in range(0, len(data), 4):
        r, g, b, a = data[i:i + 4]
        if not has_alpha:
            a = 255
        words += struct.pack("<I", a << 24 | r << 16 | g << 8 | b)
    sys.stdout.buffer.write(MAGIC + struct.pack("<III", width, height, 1 if has_alpha else 0) + words)


def to_rgba():
    data = sys.stdin.buffer.read()
    if data[:4] != MAGIC:
        sys.exit("not a golden picture")
    width, height, flags = struct.unpack("<III", data[4:16])
    out = bytearray()
    for (word,) in struct.iter_unpack("<I", data[16:16 + width * height * 4]):
        out += bytes((word >> 16 & 255, word >> 8 & 255, word & 255, word >> 24))
    sys.stdout.buffer.write(out)
    print(width, height, "rgba" if flags & 1 else "rgb", file=sys.stderr)


if __name__ == "__main__":
    if sys.argv[1:] == ["--to-rgba"]:
        to_rgba()
    else:
        to_argb(int(sys.argv[1]), int(sys.argv[2]), sys.argv[3])
