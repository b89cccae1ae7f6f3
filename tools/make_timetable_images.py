#!/usr/bin/env python3
"""Draws the pictures of the timetable grid in the English language pack (locale/English/):
the background patterns of the grid's days and the pictures of the hour column's menu.
    python3 tools/make_timetable_images.py
"""
import os

from make_locale_images import BLUE, BROWN, DARK, WHITE, YELLOW, Canvas, strip


# --- Background patterns, 8 x 8, tiled by pattern brushes

def pattern(base, spots, points):
    c = Canvas(8, 8, base)
    for (x, y) in points:
        c.put(x, y, spots)
    return c


DOTS = [(1, 1), (5, 5)]
DIAGONAL = [(i, 7 - i) for i in range(8)] + [((i + 4) % 8, 7 - i) for i in range(8)]
CROSSES = [(1, 1), (0, 1), (2, 1), (1, 0), (1, 2), (5, 5), (4, 5), (6, 5), (5, 4), (5, 6)]


def patterns():
    """(file, picture) of the six grid backgrounds."""
    return [
        # Outside the working time of a day, in the first and in the second pane.
        ("grid_outside.png", pattern((206, 208, 212, 255), (186, 188, 194, 255), DOTS)),
        ("grid_outside_second.png", pattern((200, 208, 222, 255), (180, 190, 208, 255), DOTS)),
        # The working time of a day, in the first and in the second pane.
        ("grid_working.png", pattern((255, 255, 250, 255), (236, 236, 226, 255), DOTS)),
        ("grid_working_second.png", pattern((248, 251, 255, 255), (226, 234, 246, 255), DOTS)),
        # An absence: light red with dark red diagonals.
        ("grid_absence.png", pattern((255, 226, 222, 255), (214, 110, 100, 255), DIAGONAL)),
        # Time freed by a cancelled entry: light cyan with crosses.
        ("grid_freed.png", pattern((214, 246, 244, 255), (90, 180, 176, 255), CROSSES)),
    ]


# --- Hour column menu, 16 x 16: hours, lessons, lessons and hours

def axis_hours(c):
    c.disc(7, 7, 6, WHITE, DARK)
    c.line(7, 7, 7, 3, DARK)
    c.line(7, 7, 10, 9, DARK)


def axis_lessons(c):
    c.polygon([(7, 1), (12, 11), (2, 11)], YELLOW, BROWN)
    c.disc(7, 13, 2, BROWN)


def axis_both(c):
    c.polygon([(5, 1), (9, 9), (1, 9)], YELLOW, BROWN)
    c.disc(11, 11, 4, WHITE, BLUE)
    c.line(11, 11, 11, 8, BLUE)


def main():
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "locale", "English")
    for name, picture in patterns():
        picture.save(os.path.join(out, name))
    strip(os.path.join(out, "time_axis_menu.png"), 16, [axis_hours, axis_lessons, axis_both])


if __name__ == "__main__":
    main()
