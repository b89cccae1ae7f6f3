#!/usr/bin/env python3
"""Draws the pictures of the report page in the English language pack (locale/English/): the
images of the report commands and the mark of TrueType faces in the font list.
    python3 tools/make_report_images.py
"""
import os

from make_locale_images import (BLACK, BLUE, DARK, GREEN, GREY, LIGHT, LIGHTBLUE, ORANGE, PURPLE, RED,
                                TEAL, WHITE, YELLOW, Canvas, strip)
from make_control_images import copy16


def page(extra):
    def draw(c):
        c.box(2, 1, 13, 14, WHITE, DARK)
        extra(c)
    return draw


def lines(colour, rows=(4, 7, 10)):
    def draw(c):
        for y in rows:
            c.line(4, y, 11, y, colour)
    return draw


def entity_pages(c):
    c.box(4, 0, 14, 11, LIGHT, DARK)
    c.box(1, 3, 11, 14, WHITE, DARK)
    c.disc(6, 7, 2, BLUE)
    c.line(4, 11, 8, 11, BLUE)


def day_pages(c):
    c.box(4, 0, 14, 11, LIGHT, DARK)
    c.box(1, 3, 11, 14, WHITE, DARK)
    c.fill(2, 4, 10, 6, RED)
    c.line(4, 9, 8, 9, DARK)
    c.line(4, 11, 8, 11, DARK)


def grid(rows_first):
    def draw(c):
        c.box(1, 2, 14, 13, WHITE, DARK)
        for x in (5, 9):
            c.line(x, 2, x, 13, GREY)
        for y in (6, 9):
            c.line(1, y, 14, y, GREY)
        if rows_first:
            c.fill(2, 3, 13, 5, LIGHTBLUE)
        else:
            c.fill(2, 3, 4, 12, LIGHTBLUE)
    return draw


def statistics(c):
    c.line(1, 14, 14, 14, DARK)
    c.fill(2, 8, 4, 13, BLUE)
    c.fill(6, 4, 8, 13, GREEN)
    c.fill(10, 10, 12, 13, ORANGE)


def matrix(c):
    c.box(1, 1, 14, 14, WHITE, DARK)
    for y in range(3, 14, 3):
        for x in range(3, 14, 3):
            if (x + y) % 2 == 0:
                c.fill(x, y, x + 1, y + 1, TEAL)


def scales(colour):
    def draw(c):
        c.line(7, 2, 7, 13, DARK)
        c.line(2, 4, 12, 4, DARK)
        c.line(3, 13, 11, 13, DARK, 2)
        c.polygon([(0, 9), (4, 9), (2, 5)], colour, DARK)
        c.polygon([(10, 9), (14, 9), (12, 5)], colour, DARK)
    return draw


def free_slots(c):
    c.box(1, 2, 14, 13, WHITE, DARK)
    c.fill(2, 3, 13, 5, GREY)
    c.fill(2, 10, 13, 12, GREY)
    c.box(4, 6, 11, 9, YELLOW, GREEN)


def problems(c):
    c.polygon([(7, 1), (14, 14), (1, 14)], YELLOW, DARK)
    c.line(7, 5, 7, 10, RED)
    c.put(7, 12, RED)


def day_end(c):
    c.disc(7, 7, 6, WHITE, DARK)
    c.line(7, 7, 7, 2, DARK)
    c.line(7, 7, 11, 7, DARK)
    c.fill(9, 10, 14, 14, PURPLE)


def wizard(c):
    c.line(2, 14, 11, 5, BROWN_STICK, 2)
    for x, y in ((12, 1), (14, 4), (10, 2), (13, 6)):
        c.put(x, y, YELLOW)
        c.put(x + 1, y, ORANGE)


BROWN_STICK = (120, 80, 40, 255)


def board(c):
    c.box(1, 1, 14, 14, WHITE, DARK)
    for y in (3, 7, 11):
        c.box(3, y, 5, y + 2, WHITE, DARK)
        c.line(7, y + 1, 12, y + 1, BLUE)
    c.line(3, 4, 4, 5, GREEN)
    c.line(4, 5, 6, 2, GREEN)


def colours(c):
    c.disc(5, 5, 4, RED)
    c.disc(10, 5, 4, GREEN)
    c.disc(7, 10, 4, BLUE)


def zoom(larger):
    def draw(c):
        c.ring(6, 6, 5, 4, DARK)
        c.line(9, 9, 14, 14, DARK, 2)
        c.line(4, 6, 8, 6, BLUE)
        if larger:
            c.line(6, 4, 6, 8, BLUE)
    return draw


def background(c):
    c.box(1, 2, 14, 13, LIGHTBLUE, DARK)
    c.polygon([(2, 12), (6, 6), (10, 12)], GREEN)
    c.polygon([(7, 12), (10, 8), (13, 12)], TEAL)
    c.disc(11, 5, 1, YELLOW)


def printer(c):
    c.box(4, 1, 11, 6, WHITE, DARK)
    c.box(1, 6, 14, 11, GREY, DARK)
    c.box(4, 10, 11, 14, WHITE, DARK)
    c.put(12, 8, GREEN)


def save_page(c):
    c.box(1, 1, 14, 14, BLUE, DARK)
    c.box(4, 2, 11, 7, WHITE, DARK)
    c.box(4, 10, 11, 14, LIGHT, DARK)
    c.line(6, 11, 6, 13, DARK)


def truetype(c):
    # "TT": two overlapping letters, the back one grey.
    for x0, colour in ((1, GREY), (5, BLACK)):
        c.line(x0, 2, x0 + 6, 2, colour)
        c.line(x0 + 3, 2, x0 + 3, 10, colour)
        c.line(x0 + 2, 10, x0 + 4, 10, colour)


def main():
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "locale", "English")
    strip(os.path.join(out, "reports_commands.png"), 16,
          [entity_pages, day_pages, grid(True), grid(False), statistics, matrix, scales(BLUE), scales(ORANGE),
           free_slots, problems, day_end, wizard, board, colours, zoom(True), zoom(False), background, printer,
           copy16, save_page])
    c = Canvas(15, 12, WHITE)
    truetype(c)
    c.save(os.path.join(out, "font_types.png"))


if __name__ == "__main__":
    main()
