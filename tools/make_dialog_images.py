#!/usr/bin/env python3
"""Draws the fill-style pictures of the record dialogs' pattern rows (locale/English/hatch_*.png).

One 16 x 16 icon per hatch number: the six line hatches in black over white, the plain fill,
and the four two-colour shadings from blue to white. Run from anywhere:
    python3 tools/make_dialog_images.py
"""
import os

from make_locale_images import BLACK, CLEAR, DARK, WHITE, Canvas

FROM = (40, 90, 200)
TO = (255, 255, 255)


def blend(t):
    return tuple(int(round(a + (b - a) * t)) for a, b in zip(FROM, TO)) + (255,)


def hatch(keep):
    """A framed square whose inside shows black where keep(x, y) holds."""
    def draw(c):
        c.box(0, 0, 15, 15, WHITE, DARK)
        for y in range(1, 15):
            for x in range(1, 15):
                if keep(x, y):
                    c.put(x, y, BLACK)
    return draw


def shading(position):
    """A framed square shaded by position(x, y) from 0 (blue) to 1 (white)."""
    def draw(c):
        c.frame(0, 0, 15, 15, DARK)
        for y in range(1, 15):
            for x in range(1, 15):
                c.put(x, y, blend(position(x, y)))
    return draw


def mirrored(v):
    return abs(v - 7.5) / 6.5


PICTURES = [
    ("hatch_horizontal", hatch(lambda x, y: y % 4 == 2)),
    ("hatch_vertical", hatch(lambda x, y: x % 4 == 2)),
    ("hatch_falling", hatch(lambda x, y: (x - y) % 4 == 0)),
    ("hatch_rising", hatch(lambda x, y: (x + y) % 4 == 0)),
    ("hatch_cross", hatch(lambda x, y: x % 4 == 2 or y % 4 == 2)),
    ("hatch_diagonal_cross", hatch(lambda x, y: (x - y) % 4 == 0 or (x + y) % 4 == 0)),
    ("hatch_plain", hatch(lambda x, y: False)),
    ("hatch_gradient_across", shading(lambda x, y: (x - 1) / 13)),
    ("hatch_gradient_down", shading(lambda x, y: (y - 1) / 13)),
    ("hatch_mirrored_across", shading(lambda x, y: 1 - mirrored(x))),
    ("hatch_mirrored_down", shading(lambda x, y: 1 - mirrored(y))),
]


def main():
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "locale", "English")
    for name, draw in PICTURES:
        c = Canvas(16, 16, CLEAR)
        draw(c)
        c.save(os.path.join(out, name + ".png"))


if __name__ == "__main__":
    main()
