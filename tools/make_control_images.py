#!/usr/bin/env python3
"""Draws the pictures of the common controls in the English language pack (locale/English/):
the folder tab strip's small images and the entity chooser's images. Magenta is transparent.
    python3 tools/make_control_images.py
"""
import os

from make_locale_images import (BLACK, BLUE, BROWN, DARK, GREEN, GREY, LIGHT, LIGHTBLUE, MAGENTA, ORANGE,
                                PURPLE, RED, TEAL, WHITE, YELLOW, Canvas, strip)


# --- Folder tabs, 10 x 10: 0 unused, 1 pin, 2 unused, 3 icon of the selected tab, 4 icon of the others

def folder_blank(c):
    pass


def folder_pin(c):
    c.disc(4, 3, 2, RED, DARK)
    c.line(4, 5, 4, 9, DARK)


def folder_person(colour):
    def draw(c):
        c.disc(4, 2, 2, colour, DARK)
        c.polygon([(1, 9), (1, 7), (3, 5), (6, 5), (8, 7), (8, 9)], colour, DARK)
    return draw


# --- Entity chooser, 16 x 16: types 0 to 5, 6 to 9 unused, 10 the empty entry, 11 a heading

def person16(colour):
    def draw(c):
        c.disc(7, 4, 3, colour, DARK)
        c.polygon([(2, 15), (2, 12), (5, 9), (10, 9), (13, 12), (13, 15)], colour, DARK)
    return draw


def group16(c):
    c.disc(5, 5, 2, LIGHTBLUE, DARK)
    c.disc(10, 5, 2, LIGHTBLUE, DARK)
    c.polygon([(1, 14), (1, 11), (4, 8), (12, 8), (14, 11), (14, 14)], BLUE, DARK)


def room16(c):
    c.box(2, 3, 13, 14, LIGHT, DARK)
    c.box(6, 8, 9, 14, BROWN, DARK)


def tool16(c):
    c.box(3, 2, 12, 13, YELLOW, DARK)
    c.line(5, 5, 10, 5, DARK)
    c.line(5, 8, 10, 8, DARK)


def blank16(c):
    pass


def empty16(c):
    c.frame(3, 3, 12, 12, GREY)
    c.line(4, 11, 11, 4, GREY)


def heading16(c):
    c.fill(2, 6, 13, 9, TEAL)


def main():
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "locale", "English")
    strip(os.path.join(out, "folder_tabs.png"), 10,
          [folder_blank, folder_pin, folder_blank, folder_person(ORANGE), folder_person(GREY)])
    strip(os.path.join(out, "entity_types.png"), 16,
          [group16, person16(GREEN), person16(PURPLE), room16, room16, tool16, blank16, blank16, blank16, blank16,
           empty16, heading16])


if __name__ == "__main__":
    main()
