#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The valbum-editor developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Draw the editor's icon set into the resources/ folder.

Run from anywhere (needs Pillow, e.g. Debian package python3-pil, and
rsvg-convert from librsvg2-bin for the program icon renders):

    /usr/bin/python3 resources/tools/draw_icons.py

The 16x16 toolbar icons are drawn pixel by pixel from the character maps
below.  The program icon app.svg is hand-written; app-32/48/64/128.png are
rendered from it, app-16.png is drawn by hand so it stays crisp.
"""

import os
import subprocess
import sys

from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.dirname(HERE)  # the resources/ folder


def rgb(h, a=255):
    h = h.lstrip("#")
    return (int(h[0:2], 16), int(h[2:4], 16), int(h[4:6], 16), a)


# One palette for the whole set, so that the icons share their colours.
PALETTE = {
    ".": (0, 0, 0, 0),
    # page
    "K": rgb("#3c3c3c"),  # page outline
    "W": rgb("#ffffff"),  # paper
    "w": rgb("#eeeeee"),  # paper, shaded
    "g": rgb("#c8c8c8"),  # paper fold
    "t": rgb("#b4bccc"),  # text lines on paper
    # green (plus, arrows)
    "d": rgb("#1d6b1d"),
    "G": rgb("#3cb43c"),
    "h": rgb("#8ce08c"),
    "e": rgb("#2a8f2a"),
    # red (minus)
    "r": rgb("#8c1414"),
    "R": rgb("#e03232"),
    "q": rgb("#f49090"),
    "Q": rgb("#b42222"),
    # blue (move arrows)
    "a": rgb("#173f86"),
    "A": rgb("#3c7ed8"),
    "c": rgb("#9cc8f8"),
    "x": rgb("#2a60b4"),
    # folder
    "o": rgb("#7a5a0a"),
    "L": rgb("#fff2a8"),
    "Y": rgb("#f4cc48"),
    "y": rgb("#d8a424"),
    "Z": rgb("#e2b636"),
    # floppy disk
    "n": rgb("#1c2b55"),
    "B": rgb("#4a78c4"),
    "b": rgb("#34599c"),
    "C": rgb("#7ea4e0"),
    "l": rgb("#9aa8c8"),
    "S": rgb("#d6dade"),
    "s": rgb("#6c747c"),
    "k": rgb("#30363e"),
    # greys for the program icon
    "0": rgb("#262626"),
    "1": rgb("#4a4a4a"),
    "2": rgb("#767676"),
    "3": rgb("#8c8c8c"),
    "4": rgb("#a4a4a4"),
    "5": rgb("#c0c0c0"),
    "6": rgb("#d6d6d6"),
    "7": rgb("#eeeeee"),
    "8": rgb("#fafafa"),
}


def from_map(rows):
    """Turn a list of equally long strings into an RGBA image."""
    h = len(rows)
    w = len(rows[0])
    img = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    px = img.load()
    for y, row in enumerate(rows):
        if len(row) != w:
            raise ValueError("row %d has length %d, expected %d: %r" % (y, len(row), w, row))
        for x, ch in enumerate(row):
            px[x, y] = PALETTE[ch]
    return img


def canvas():
    return Image.new("RGBA", (16, 16), (0, 0, 0, 0))


def over(base, top, x=0, y=0):
    """Alpha-composite `top` onto `base` with its top-left corner at (x, y)."""
    layer = Image.new("RGBA", base.size, (0, 0, 0, 0))
    layer.paste(top, (x, y))
    return Image.alpha_composite(base, layer)


# ---------------------------------------------------------------- shapes

PAGE = [
    "..KKKKKKKK......",
    "..KWWWWWWKK.....",
    "..KWWWWWWKgK....",
    "..KWWWWWWKggK...",
    "..KWWWWWWKKKKK..",
    "..KWWWWWWWWWwK..",
    "..KWWWWWWWWWwK..",
    "..KWWWWWWWWWwK..",
    "..KWWWWWWWWWwK..",
    "..KWWWWWWWWWwK..",
    "..KWWWWWWWWWwK..",
    "..KWWWWWWWWWwK..",
    "..KWWWWWWWWWwK..",
    "..KWWWWWWWWWwK..",
    "..KwwwwwwwwwwK..",
    "..KKKKKKKKKKKK..",
]

PLUS = [
    "..dddd..",
    "..dhhd..",
    "dddGGddd",
    "dhhGGGGd",
    "dGGGGGGd",
    "dddGGddd",
    "..dGGd..",
    "..dddd..",
]

MINUS = [
    "ddddddddd",
    "dqqqqqqqd",
    "dRRRRRRQd",
    "ddddddddd",
]
MINUS = [r.replace("d", "r") for r in MINUS]

ARROW_LEFT = [
    "....dd.......",
    "...dhd.......",
    "..dhGdddddddd",
    ".dhGGhhhhhhhd",
    "dGGGGGGGGGGGd",
    ".dGGGeeeeeeed",
    "..deGdddddddd",
    "...ded.......",
    "....dd.......",
]

ARROW_UP = [
    "................",
    ".......aa.......",
    "......acAa......",
    ".....acAAxa.....",
    "....acAAAAxa....",
    "...acAAAAAAxa...",
    "..acAAAAAAAAxa..",
    ".aaaaacAAxaaaaa.",
    ".....acAAxa.....",
    ".....acAAxa.....",
    ".....acAAxa.....",
    ".....acAAxa.....",
    ".....acAAxa.....",
    ".....acAAxa.....",
    ".....aaaaaa.....",
    "................",
]

FOLDER_OPEN = [
    "......ddddddd...",
    ".....dhhGGGGGd..",
    ".....dGdddddGd..",
    ".....dGd...dGd..",
    ".....dGd.dGGGGGd",
    ".oooodGd..dGGGd.",
    "oLLLLdGdooodGd..",
    "oLyyydGdyyo.d...",
    "oLyyydGdyyo.....",
    "oLyyoooooooooooo",
    "oLyyoLLLLLLLLLLo",
    "oLyoYYYYYYYYYYo.",
    "oLyoYYYYYYYYYYo.",
    "oLoYYYYYYYYYYo..",
    "oLoZZZZZZZZZZo..",
    "oooooooooooooo..",
]

FLOPPY = [
    "nnnnnnnnnnnnnnn.",
    "nCBWWWWWWWWWWBbn",
    "nCBWWWWWWWWWWBbn",
    "nCBWllllllllWBbn",
    "nCBWWWWWWWWWWBbn",
    "nCBWllllllllWBbn",
    "nCBWWWWWWWWWWBbn",
    "nCBBBBBBBBBBBBbn",
    "nCBBBBBBBBBBBBbn",
    "nCBBssssssssBBbn",
    "nCBBsSSSkkSsBBbn",
    "nCBBsSSSkkSsBBbn",
    "nCBBsSSSkkSsBBbn",
    "nCBBsSSSSSSsBBbn",
    "nbbbsSSSSSSsbbbn",
    "nnnnnnnnnnnnnnnn",
]

FLOPPY_SMALL = [
    "nnnnnnnnnnn.",
    "nCWWWWWWWWbn",
    "nCWllllllWbn",
    "nCWWWWWWWWbn",
    "nCWllllllWbn",
    "nCWWWWWWWWbn",
    "nCBBBBBBBBbn",
    "nCBssssssBbn",
    "nCBsSkkSsBbn",
    "nCBsSkkSsBbn",
    "nbbsSSSSsbbn",
    "nnnnnnnnnnnn",
]

APP_16 = [
    "....000000000000",
    "....066666666660",
    "....063333333360",
    "....063333333360",
    "0000000000003360",
    "0777777777703360",
    "0744444444703360",
    "0744444884703360",
    "0755555885703360",
    "0755155555703360",
    "0751115525706660",
    "0711111222700000",
    "071111112270....",
    "071111111170....",
    "077777777770....",
    "000000000000....",
]


def page_with(mark, x, y):
    return over(from_map(PAGE), from_map(mark), x, y)


def draw_load():
    return from_map(FOLDER_OPEN)


def draw_save():
    return from_map(FLOPPY)


def draw_saveas():
    img = canvas()
    disk = from_map(FLOPPY_SMALL)
    img = over(img, disk, 0, 0)
    img = over(img, disk, 4, 4)
    return img


def draw_add():
    return page_with(PLUS, 8, 8)


def draw_insert():
    return page_with(ARROW_LEFT, 3, 6)


def draw_append():
    back = [
        "KKKKKKKKK",
        "KwwwwwwwK",
        "KwwwwwwwK",
        "KwwwwwwwK",
        "KwwwwwwwK",
        "KwwwwwwwK",
        "KwwwwwwwK",
        "KwwwwwwwK",
        "KwwwwwwwK",
        "KwwwwwwwK",
        "KKKKKKKKK",
    ]
    front = [
        "KKKKKKKKK",
        "KWWWWWWWK",
        "KWWWWWWWK",
        "KWWWWWWWK",
        "KWWWWWWWK",
        "KWWWWWWWK",
        "KWWWWWWWK",
        "KWWWWWWWK",
        "KWWWWWWWK",
        "KWWWWWWWK",
        "KKKKKKKKK",
    ]
    img = canvas()
    img = over(img, from_map(back), 6, 0)
    img = over(img, from_map(back), 4, 2)
    img = over(img, from_map(front), 2, 4)
    img = over(img, from_map(PLUS), 8, 8)
    return img


def draw_delete():
    return page_with(MINUS, 7, 10)


def draw_moveup():
    return from_map(ARROW_UP)


def draw_movedown():
    return from_map(ARROW_UP[::-1])


def greyed(img):
    """Disabled look: the shape in soft greys with a white emboss
    one pixel down and to the right."""
    w, h = img.size
    src = img.load()
    grey = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    gp = grey.load()
    for y in range(h):
        for x in range(w):
            r, g, b, a = src[x, y]
            if a == 0:
                continue
            lum = 0.299 * r + 0.587 * g + 0.114 * b
            v = int(round(128 + lum * 0.45))
            gp[x, y] = (v, v, v, a)
    emboss = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    ep = emboss.load()
    for y in range(h):
        for x in range(w):
            a = src[x - 1, y - 1][3] if x > 0 and y > 0 else 0
            if a:
                ep[x, y] = (255, 255, 255, a)
    return Image.alpha_composite(emboss, grey)


def render_svg(svg, size, dst):
    subprocess.check_call(
        ["rsvg-convert", "-w", str(size), "-h", str(size), "-o", dst, svg])


def main():
    icons = {
        "load.png": draw_load(),
        "save.png": draw_save(),
        "saveas.png": draw_saveas(),
        "add.png": draw_add(),
        "insert.png": draw_insert(),
        "append.png": draw_append(),
        "delete.png": draw_delete(),
        "moveup.png": draw_moveup(),
        "movedown.png": draw_movedown(),
    }
    for name in ("delete", "moveup", "movedown"):
        icons[name + "_disabled.png"] = greyed(icons[name + ".png"])
    icons["app-16.png"] = from_map(APP_16)

    for name, img in icons.items():
        assert img.size == (16, 16), name
        img.save(os.path.join(OUT, name))

    svg = os.path.join(OUT, "app.svg")
    for size in (32, 48, 64, 128):
        render_svg(svg, size, os.path.join(OUT, "app-%d.png" % size))
    print("wrote %d icons to %s" % (len(icons) + 4, OUT))
    return 0


if __name__ == "__main__":
    sys.exit(main())
