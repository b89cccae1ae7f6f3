#!/usr/bin/env python3
"""Draws the pictures of the common controls in the English language pack (locale/English/):
the folder tab strip's small images and the entity chooser's images. Magenta is transparent.
    python3 tools/make_control_images.py
"""
import os

from make_locale_images import (BLACK, CLEAR, BLUE, BROWN, DARK, GREEN, GREY, LIGHT, LIGHTBLUE, MAGENTA, ORANGE,
                                PURPLE, RED, TEAL, WHITE, YELLOW, Canvas, strip)


# --- Folder tabs and side-list headers, 10 x 10: 0 close, 1 pinned, 2 not pinned, 3 icon of the selected
# tab, 4 icon of the others, 5 menu

def folder_blank(c):
    pass


def folder_pin(c):
    c.disc(4, 3, 2, RED, DARK)
    c.line(4, 5, 4, 9, DARK)


def folder_close(c):
    c.line(1, 1, 8, 8, DARK)
    c.line(8, 1, 1, 8, DARK)


def folder_unpin(c):
    c.disc(4, 3, 2, GREY, DARK)
    c.line(4, 5, 4, 9, DARK)


def folder_menu(c):
    c.polygon([(1, 3), (8, 3), (4, 7)], DARK, DARK)


def folder_person(colour):
    def draw(c):
        c.disc(4, 2, 2, colour, DARK)
        c.polygon([(1, 9), (1, 7), (3, 5), (6, 5), (8, 7), (8, 9)], colour, DARK)
    return draw


# --- Entity chooser, 16 x 16: types 0 to 5 (class, two kinds of staff, assistant, room, equipment),
# 6 to 9 unused, 10 the empty entry, 11 a heading

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


# --- Button bar of the editable list, nine 22 x 20 buttons: new, delete, up, down, sort, copy,
# paste, clear, add files

def bar_new(c):
    c.box(6, 3, 15, 16, WHITE, DARK)
    c.line(9, 9, 12, 9, GREEN, 2)
    c.line(10, 7, 10, 11, GREEN, 2)


def bar_delete(c):
    c.line(6, 5, 15, 14, RED, 2)
    c.line(15, 5, 6, 14, RED, 2)


def bar_up(c):
    c.polygon([(11, 3), (17, 10), (13, 10), (13, 16), (9, 16), (9, 10), (5, 10)], BLUE, DARK)


def bar_down(c):
    c.polygon([(11, 16), (17, 9), (13, 9), (13, 3), (9, 3), (9, 9), (5, 9)], BLUE, DARK)


def bar_sort(c):
    for i, w in enumerate((4, 7, 10, 13)):
        c.fill(4, 4 + i * 3, 4 + w, 5 + i * 3, DARK)
    c.line(18, 4, 18, 15, BLUE)
    c.line(16, 13, 18, 15, BLUE)
    c.line(20, 13, 18, 15, BLUE)


def bar_copy(c):
    c.box(4, 3, 12, 13, WHITE, DARK)
    c.box(9, 7, 17, 17, WHITE, DARK)


def bar_paste(c):
    c.box(4, 4, 14, 17, BROWN, DARK)
    c.box(6, 2, 12, 5, LIGHT, DARK)
    c.box(9, 8, 17, 17, WHITE, DARK)


def bar_clear(c):
    c.box(5, 3, 16, 16, WHITE, DARK)
    c.line(7, 12, 14, 5, ORANGE, 2)


def bar_add_files(c):
    c.polygon([(3, 6), (8, 6), (10, 8), (18, 8), (18, 16), (3, 16)], YELLOW, DARK)
    c.line(14, 10, 14, 15, GREEN, 2)
    c.line(12, 12, 16, 12, GREEN, 2)


def bar_strip(path, drawers):
    c = Canvas(22 * len(drawers), 20, MAGENTA)
    for i, draw in enumerate(drawers):
        c.ox, c.oy = i * 22, 0
        draw(c)
    c.save(path)


# --- Menu pictures, 16 x 16, one per toolbar button

def menu_close(c):
    c.line(4, 4, 11, 11, RED, 2)
    c.line(11, 4, 4, 11, RED, 2)


def menu_pin(c):
    c.disc(7, 5, 3, RED, DARK)
    c.line(7, 8, 7, 14, DARK)


def menu_unpin(c):
    c.disc(7, 5, 3, GREY, DARK)
    c.line(7, 8, 7, 14, DARK)
    c.line(2, 13, 13, 2, RED)


def menu_list(colour, rows):
    def draw(c):
        for i in range(rows):
            c.fill(3, 3 + i * 3, 12, 4 + i * 3, colour)
    return draw


def menu_chimes(c):
    c.disc(7, 8, 5, YELLOW, DARK)
    c.line(7, 8, 7, 5, DARK)
    c.line(7, 8, 10, 8, DARK)


# --- Fill styles, 16 x 16 icons: the six hatches, plain, and the four gradient modes.
# A framed square on a transparent background; hatch lines black on white, the plain fill and
# the gradients in blue, so that each picture shows the fill it stands for.

def fill_square(c, inside):
    c.fill(1, 1, 14, 14, WHITE)
    for y in range(2, 14):
        for x in range(2, 14):
            colour = inside(x - 2, y - 2)
            if colour:
                c.put(x, y, colour)
    c.frame(1, 1, 14, 14, DARK)


def hatch(lines):
    def draw(c):
        fill_square(c, lambda x, y: BLACK if lines(x, y) else None)
    return draw


def blend(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3)) + (255,)


def gradient(mode):
    # Mode 0 left to right, 1 top to bottom, 2 and 3 the same mirrored about the middle.
    def draw(c):
        def at(x, y):
            t = (x if mode in (0, 2) else y) / 11.0
            if mode in (2, 3):
                t = 1.0 - abs(2.0 * t - 1.0)
            return blend(BLUE, WHITE, t)
        fill_square(c, at)
    return draw


FILL_STYLES = [
    ("hatch_horizontal.png", hatch(lambda x, y: y % 3 == 1)),
    ("hatch_vertical.png", hatch(lambda x, y: x % 3 == 1)),
    ("hatch_fdiagonal.png", hatch(lambda x, y: (x - y) % 4 == 0)),
    ("hatch_bdiagonal.png", hatch(lambda x, y: (x + y) % 4 == 3)),
    ("hatch_cross.png", hatch(lambda x, y: x % 3 == 1 or y % 3 == 1)),
    ("hatch_diagcross.png", hatch(lambda x, y: (x - y) % 6 == 0 or (x + y) % 6 == 5)),
    ("fill_plain.png", lambda c: fill_square(c, lambda x, y: LIGHTBLUE)),
    ("fill_gradient_h.png", gradient(0)),
    ("fill_gradient_v.png", gradient(1)),
    ("fill_gradient_h2.png", gradient(2)),
    ("fill_gradient_v2.png", gradient(3)),
]


# --- The contacts page's commands in the explorer bar, 16 x 16, in the order of its toolbar.

def card16(extra):
    def draw(c):
        c.box(1, 3, 12, 13, WHITE, DARK)
        c.line(3, 6, 10, 6, BLUE)
        c.line(3, 9, 8, 9, GREY)
        extra(c)
    return draw


def plus(c):
    c.line(12, 9, 12, 15, GREEN, 2)
    c.line(9, 12, 15, 12, GREEN, 2)


def pencil(c):
    c.line(8, 14, 15, 7, ORANGE, 2)


def cross(c):
    c.line(9, 9, 15, 15, RED, 2)
    c.line(15, 9, 9, 15, RED, 2)


def cards16(c):
    c.box(4, 1, 15, 10, LIGHT, DARK)
    c.box(1, 5, 12, 14, WHITE, DARK)


def copy16(c):
    c.box(1, 1, 9, 11, WHITE, DARK)
    c.box(6, 5, 14, 15, WHITE, DARK)


def paste16(c):
    c.box(2, 2, 12, 14, BROWN, DARK)
    c.box(5, 5, 14, 15, WHITE, DARK)


def select_all16(c):
    for y in (2, 7, 12):
        c.box(2, y, 13, y + 3, LIGHTBLUE, BLUE)


def funnel16(c):
    c.polygon([(1, 2), (14, 2), (9, 8), (9, 14), (6, 12), (6, 8)], YELLOW, DARK)


def clock16(c):
    c.disc(7, 7, 6, WHITE, DARK)
    c.line(7, 7, 7, 3, DARK)
    c.line(7, 7, 10, 9, DARK)


def palette16(c):
    c.disc(7, 7, 6, LIGHT, DARK)
    c.disc(5, 5, 1, RED)
    c.disc(9, 5, 1, BLUE)
    c.disc(5, 9, 1, GREEN)


def bell16(c):
    c.polygon([(3, 12), (4, 5), (7, 2), (10, 5), (11, 12)], YELLOW, DARK)
    c.disc(7, 13, 1, DARK)


def report16(c):
    c.box(2, 1, 13, 14, WHITE, DARK)
    for y in (4, 7, 10):
        c.line(4, y, 11, y, BLUE)


# --- Images of the explorer bar's help tips, 16 x 16: the command, then the marks the help names.

def mark16(colour):
    def draw(c):
        c.disc(7, 7, 5, colour, DARK)
    return draw


# --- The options page's commands in the explorer bar, 16 x 16, in the order of its toolbar.

def tick16(c):
    c.line(2, 8, 6, 12, GREEN, 2)
    c.line(6, 12, 14, 3, GREEN, 2)


def revert16(c):
    c.line(4, 5, 12, 5, BLUE, 2)
    c.line(12, 5, 12, 12, BLUE, 2)
    c.line(12, 12, 5, 12, BLUE, 2)
    c.polygon([(1, 5), (5, 1), (5, 9)], BLUE)


def schedule16(c):
    c.box(2, 1, 13, 14, WHITE, DARK)
    for y in (4, 8, 12):
        c.line(3, y, 12, y, GREY)
    c.fill(3, 9, 12, 11, YELLOW)


def calendar16(c):
    c.box(1, 2, 14, 14, WHITE, DARK)
    c.fill(2, 3, 13, 5, RED)
    c.fill(9, 9, 11, 11, ORANGE)


def word_list16(colour):
    def draw(c):
        c.box(2, 1, 13, 14, WHITE, DARK)
        for y in (4, 7, 10):
            c.line(4, y, 11, y, colour)
    return draw


def arrow_file16(outwards):
    def draw(c):
        c.box(1, 1, 10, 14, WHITE, DARK)
        c.line(4, 5, 8, 5, GREY)
        if outwards:
            c.line(7, 10, 14, 10, GREEN, 2)
            c.polygon([(11, 7), (15, 10), (11, 13)], GREEN)
        else:
            c.line(8, 10, 15, 10, BLUE, 2)
            c.polygon([(11, 7), (7, 10), (11, 13)], BLUE)
    return draw


def import16(picture):
    def draw(c):
        picture(c)
        c.line(9, 15, 15, 15, GREEN, 1)
        c.polygon([(10, 10), (15, 10), (12, 14)], GREEN)
    return draw


def solver16(c):
    c.box(1, 1, 14, 14, WHITE, DARK)
    c.fill(3, 3, 6, 6, BLUE)
    c.fill(9, 9, 12, 12, BLUE)
    c.line(7, 5, 9, 5, GREEN)
    c.polygon([(10, 2), (13, 5), (10, 8)], GREEN)


def delete16(picture):
    def draw(c):
        picture(c)
        c.line(9, 9, 15, 15, RED, 2)
        c.line(15, 9, 9, 15, RED, 2)
    return draw


def activity16(c):
    c.box(1, 2, 12, 12, LIGHTBLUE, DARK)
    c.line(3, 6, 10, 6, DARK)


def main():
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "locale", "English")
    strip(os.path.join(out, "folder_tabs.png"), 10,
          [folder_close, folder_pin, folder_unpin, folder_person(ORANGE), folder_person(GREY), folder_menu])
    strip(os.path.join(out, "entity_types.png"), 16,
          [group16, person16(GREEN), person16(TEAL), person16(PURPLE), room16, tool16, blank16, blank16, blank16, blank16,
           empty16, heading16])
    # Toolbars of the context menus: folder tabs (close, pin, unpin), the panel list (display
    # modes of a page's panel, then of the message panel), the vertical tabs (the six kinds).
    strip(os.path.join(out, "folder_tab_menu.png"), 16, [menu_close, menu_pin, menu_unpin])
    strip(os.path.join(out, "explorer_tips.png"), 16,
          [report16, mark16(GREEN), mark16(YELLOW), mark16(ORANGE), mark16(RED), mark16(BLUE), mark16(LIGHTBLUE),
           mark16(PURPLE), mark16(GREY), card16(plus), card16(pencil), card16(cross)])
    strip(os.path.join(out, "contacts_commands.png"), 16,
          [card16(plus), card16(pencil), card16(cross), cards16, copy16, paste16, select_all16, funnel16,
           card16(lambda c: c.disc(12, 12, 3, GREY, DARK)), card16(lambda c: c.line(9, 12, 15, 12, RED, 2)),
           card16(lambda c: c.line(9, 9, 15, 15, ORANGE, 2)), room16, clock16, palette16, bell16, report16])
    strip(os.path.join(out, "options_commands.png"), 16,
          [tick16, revert16, schedule16, calendar16, word_list16(ORANGE), word_list16(BLUE), word_list16(GREEN),
           word_list16(PURPLE), arrow_file16(True), arrow_file16(False), import16(group16),
           import16(person16(GREEN)), import16(room16), import16(activity16), import16(schedule16), solver16,
           palette16, delete16(activity16), delete16(activity16), delete16(person16(GREY)), delete16(group16)])
    strip(os.path.join(out, "panel_list_menu.png"), 16,
          [menu_list(DARK, 4), menu_list(BLUE, 1), menu_list(BLUE, 2), menu_list(BLUE, 3), menu_list(BLUE, 4),
           menu_list(GREEN, 1), menu_list(ORANGE, 1), menu_list(GREY, 1), menu_list(DARK, 4)])
    strip(os.path.join(out, "vertical_tab_menu.png"), 16,
          [group16, person16(GREEN), person16(PURPLE), room16, tool16, menu_chimes])
    for name, draw in FILL_STYLES:
        c = Canvas(16, 16, CLEAR)
        draw(c)
        c.save(os.path.join(out, name))
    bar_strip(os.path.join(out, "list_buttons.png"),
              [bar_new, bar_delete, bar_up, bar_down, bar_sort, bar_copy, bar_paste, bar_clear, bar_add_files])


if __name__ == "__main__":
    main()
