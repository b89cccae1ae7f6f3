#!/usr/bin/env python3
"""Draws the images of the timetable page's and the magnet board page's commands in the explorer bar,
and of the grid bodies' state and navigation menus (locale/English/), each in the order of its
toolbar. Magenta is transparent.
    python3 tools/make_page_command_images.py
"""
import os

from make_locale_images import BLUE, DARK, GREEN, GREY, LIGHT, LIGHTBLUE, ORANGE, RED, TEAL, WHITE, YELLOW, strip
from make_control_images import (activity16, calendar16, copy16, cross, delete16, funnel16, group16, mark16,
                                 menu_list, menu_pin, paste16, pencil, person16, plus, room16, select_all16)
from make_report_images import board, colours, entity_pages, free_slots, printer, problems, wizard, zoom
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


def tentative16(c):
    c.box(2, 2, 13, 13, WHITE, GREY)
    c.disc(7, 7, 2, YELLOW, DARK)


def movable16(c):
    c.line(7, 2, 7, 13, BLUE)
    c.line(2, 7, 13, 7, BLUE)
    c.polygon([(7, 0), (10, 3), (4, 3)], BLUE)
    c.polygon([(7, 15), (10, 12), (4, 12)], BLUE)
    c.polygon([(0, 7), (3, 4), (3, 10)], BLUE)
    c.polygon([(15, 7), (12, 4), (12, 10)], BLUE)


def cancelled16(c):
    c.line(3, 3, 12, 12, RED, 2)
    c.line(12, 3, 3, 12, RED, 2)


def remark16(c):
    c.box(1, 2, 11, 13, WHITE, DARK)
    c.line(3, 5, 8, 5, GREY)
    c.line(3, 8, 7, 8, GREY)
    c.line(7, 14, 14, 7, ORANGE, 2)


def arrow16(right, colour):
    def draw(c):
        if right:
            c.fill(2, 6, 8, 9, colour)
            c.polygon([(8, 2), (14, 7), (8, 13)], colour)
        else:
            c.fill(7, 6, 13, 9, colour)
            c.polygon([(7, 2), (1, 7), (7, 13)], colour)
    return draw


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
           report16, problems, entity_pages])
    strip(os.path.join(out, "navigate_menu.png"), 16,
          [menu_pin, tentative16, movable16, cancelled16, remark16, arrow16(True, GREEN), arrow16(False, GREEN),
           arrow16(False, BLUE), arrow16(True, BLUE)])


if __name__ == "__main__":
    main()
