#!/usr/bin/env python3
"""Draws the images of the timetable page's and the magnet board page's commands in the explorer bar
(locale/English/), in the order of each page's command toolbar. Magenta is transparent.
    python3 tools/make_page_command_images.py
"""
import os

from make_locale_images import BLUE, DARK, GREEN, LIGHT, LIGHTBLUE, ORANGE, TEAL, WHITE, strip
from make_control_images import (activity16, calendar16, copy16, cross, delete16, funnel16, group16, mark16,
                                 menu_list, paste16, pencil, person16, plus, room16, select_all16)
from make_report_images import board, colours, free_slots, printer, problems, wizard, zoom
from make_control_images import report16


def on(picture, extra):
    def draw(c):
        picture(c)
        extra(c)
    return draw


def lesson16(c):
    c.box(1, 1, 12, 12, LIGHTBLUE, DARK)
    c.line(3, 4, 10, 4, DARK)
    c.line(3, 7, 8, 7, BLUE)


def split16(c):
    c.box(1, 2, 7, 13, WHITE, DARK)
    c.box(8, 2, 14, 13, WHITE, DARK)
    c.fill(2, 3, 6, 4, BLUE)
    c.fill(9, 3, 13, 4, BLUE)


def swap_kind16(c):
    c.box(1, 1, 8, 7, LIGHTBLUE, DARK)
    c.box(7, 8, 14, 14, LIGHT, DARK)
    c.line(11, 2, 11, 6, GREEN)
    c.polygon([(9, 5), (13, 5), (11, 7)], GREEN)


def zoom_fit16(c):
    c.box(1, 1, 14, 14, WHITE, DARK)
    for x0, y0, dx, dy in ((3, 3, 1, 1), (12, 3, -1, 1), (3, 12, 1, -1), (12, 12, -1, -1)):
        c.line(x0, y0, x0 + 3 * dx, y0, BLUE)
        c.line(x0, y0, x0, y0 + 3 * dy, BLUE)


def main():
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "locale", "English")
    strip(os.path.join(out, "timetable_commands.png"), 16,
          [on(lesson16, plus), on(lesson16, pencil), on(lesson16, cross), room16, on(calendar16, pencil),
           copy16, paste16, select_all16, funnel16, swap_kind16, mark16(ORANGE),
           wizard, delete16(calendar16),
           split16, colours, group16, person16(GREEN), person16(TEAL), free_slots, menu_list(BLUE, 3),
           printer])
    strip(os.path.join(out, "magnet_commands.png"), 16,
          [on(activity16, plus), on(activity16, pencil), on(activity16, cross),
           menu_list(BLUE, 3), board, mark16(GREEN), split16, zoom(True), zoom(False), zoom_fit16,
           report16, problems])


if __name__ == "__main__":
    main()
