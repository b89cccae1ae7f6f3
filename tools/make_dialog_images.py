#!/usr/bin/env python3
"""Draws the pictures of the bell-schedule and holiday editors in the English language pack
(locale/English/): the day-schedule control's end and boundary marks, and the toolbars of the
schedule and holiday dialogs. Magenta is transparent in the toolbars.
    python3 tools/make_dialog_images.py
"""
import os

from make_locale_images import (BLACK, BLUE, CLEAR, DARK, GREEN, LIGHTBLUE, RED, WHITE, YELLOW, Canvas, strip)


# --- Marks of the day-schedule control, 14 x 14, drawn with their point on row 7 (end) or 6 (boundary)

def end_mark(c):
    c.fill(0, 6, 13, 8, DARK)
    c.polygon([(4, 2), (9, 2), (6, 6)], DARK)
    c.polygon([(4, 12), (9, 12), (6, 8)], DARK)


def boundary_mark(c):
    c.polygon([(1, 2), (12, 6), (1, 10)], BLUE, DARK)


# --- Schedule toolbar, 16 x 16: zoom in, zoom out, split, delete, edit the label, reload

def lens(c, plus):
    c.ring(6, 6, 5, 4, DARK)
    c.disc(6, 6, 3, LIGHTBLUE)
    c.line(10, 10, 14, 14, DARK, 2)
    c.line(4, 6, 8, 6, BLACK)
    if plus:
        c.line(6, 4, 6, 8, BLACK)


def zoom_in(c):
    lens(c, True)


def zoom_out(c):
    lens(c, False)


def split(c):
    c.box(3, 1, 12, 6, WHITE, DARK)
    c.box(3, 9, 12, 14, WHITE, DARK)
    c.line(0, 7, 15, 7, RED)


def delete(c):
    c.box(3, 4, 12, 11, WHITE, DARK)
    c.line(3, 1, 12, 14, RED, 2)
    c.line(12, 1, 3, 14, RED, 2)


def edit_label(c):
    c.box(1, 9, 14, 14, YELLOW, DARK)
    c.line(4, 8, 12, 1, DARK, 2)
    c.put(3, 9, BLACK)


def reload(c):
    c.ring(8, 8, 6, 4, GREEN, keep=lambda x, y: not (x > 0 and y < 0))
    c.polygon([(8, 0), (13, 2), (8, 5)], GREEN)


# --- Holidays toolbar, 16 x 16: set the name, remove the holiday

def calendar(c):
    c.box(1, 2, 14, 14, WHITE, DARK)
    c.fill(1, 2, 14, 5, RED)


def set_holiday(c):
    calendar(c)
    c.line(4, 10, 7, 13, GREEN, 2)
    c.line(7, 13, 12, 7, GREEN, 2)


def remove_holiday(c):
    calendar(c)
    c.line(4, 8, 11, 13, RED, 2)
    c.line(11, 8, 4, 13, RED, 2)


def main():
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "locale", "English")
    for name, draw in (("schedule_end.png", end_mark), ("schedule_marker.png", boundary_mark)):
        c = Canvas(14, 14, CLEAR)
        draw(c)
        c.save(os.path.join(out, name))
    strip(os.path.join(out, "schedule_toolbar.png"), 16, [zoom_in, zoom_out, split, delete, edit_label, reload])
    strip(os.path.join(out, "holidays_toolbar.png"), 16, [set_holiday, remove_holiday])


if __name__ == "__main__":
    main()
