#!/usr/bin/env python3
"""Draws the pictures of the English language pack (locale/English/*.png).

Simple pictograms from rectangles, lines, circles and polygons; image strips have a magenta
background, which the program treats as transparent. Run from anywhere:
    python3 tools/make_locale_images.py
Only the standard library is used (PNG written with zlib and struct).
"""
import os
import struct
import zlib

MAGENTA = (255, 0, 255, 255)
CLEAR = (0, 0, 0, 0)
BLACK = (0, 0, 0, 255)
WHITE = (255, 255, 255, 255)
DARK = (64, 64, 64, 255)
GREY = (160, 160, 160, 255)
LIGHT = (220, 220, 220, 255)
BLUE = (40, 90, 200, 255)
LIGHTBLUE = (150, 190, 240, 255)
RED = (210, 40, 40, 255)
GREEN = (40, 150, 60, 255)
YELLOW = (250, 210, 60, 255)
ORANGE = (240, 140, 30, 255)
BROWN = (150, 100, 50, 255)
PURPLE = (140, 80, 190, 255)
TEAL = (30, 150, 150, 255)


class Canvas:
    def __init__(self, width, height, background):
        self.width = width
        self.height = height
        self.pixels = [[background] * width for _ in range(height)]
        self.ox = 0  # origin of the cell being drawn
        self.oy = 0

    def cell(self, index, size):
        self.ox = index * size
        self.oy = 0

    def put(self, x, y, colour):
        x += self.ox
        y += self.oy
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def fill(self, x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, colour)

    def frame(self, x0, y0, x1, y1, colour):
        for x in range(x0, x1 + 1):
            self.put(x, y0, colour)
            self.put(x, y1, colour)
        for y in range(y0, y1 + 1):
            self.put(x0, y, colour)
            self.put(x1, y, colour)

    def box(self, x0, y0, x1, y1, inside, outline):
        self.fill(x0, y0, x1, y1, inside)
        self.frame(x0, y0, x1, y1, outline)

    def line(self, x0, y0, x1, y1, colour, width=1):
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx = 1 if x0 < x1 else -1
        sy = 1 if y0 < y1 else -1
        err = dx + dy
        while True:
            for i in range(width):
                for j in range(width):
                    self.put(x0 + i - width // 2, y0 + j - width // 2, colour)
            if x0 == x1 and y0 == y1:
                break
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def disc(self, cx, cy, r, colour, outline=None):
        for y in range(-r, r + 1):
            for x in range(-r, r + 1):
                d = x * x + y * y
                if d <= r * r + r:
                    edge = outline is not None and d > (r - 1) * (r - 1) + (r - 1)
                    self.put(cx + x, cy + y, outline if edge else colour)

    def ring(self, cx, cy, r_out, r_in, colour, keep=lambda x, y: True):
        for y in range(-r_out, r_out + 1):
            for x in range(-r_out, r_out + 1):
                d = x * x + y * y
                if r_in * r_in <= d <= r_out * r_out + r_out and keep(x, y):
                    self.put(cx + x, cy + y, colour)

    def polygon(self, points, colour, outline=None):
        ys = [p[1] for p in points]
        for y in range(min(ys), max(ys) + 1):
            xs = []
            n = len(points)
            for i in range(n):
                (x0, y0), (x1, y1) = points[i], points[(i + 1) % n]
                if y0 == y1:
                    continue
                if min(y0, y1) <= y < max(y0, y1) or (y == max(ys) and y == max(y0, y1)):
                    xs.append(x0 + (y - y0) * (x1 - x0) / (y1 - y0))
            xs.sort()
            for i in range(0, len(xs) - 1, 2):
                for x in range(int(round(xs[i])), int(round(xs[i + 1])) + 1):
                    self.put(x, y, colour)
        if outline:
            for i in range(len(points)):
                (x0, y0), (x1, y1) = points[i], points[(i + 1) % len(points)]
                self.line(x0, y0, x1, y1, outline)

    def save(self, path):
        raw = b"".join(b"\x00" + b"".join(struct.pack("BBBB", *p) for p in row) for row in self.pixels)

        def chunk(tag, data):
            body = tag + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 6, 0, 0, 0)
        with open(path, "wb") as f:
            f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) +
                    chunk(b"IEND", b""))


# --- 32 x 32 pictures -------------------------------------------------------------------------

def draw_app_icon(c):
    c.box(2, 4, 29, 29, WHITE, DARK)
    c.fill(3, 5, 28, 10, BLUE)
    c.fill(8, 2, 10, 7, DARK)
    c.fill(21, 2, 23, 7, DARK)
    for x in (9, 16, 23):
        c.line(x, 11, x, 28, LIGHT)
    for y in (16, 22):
        c.line(3, y, 28, y, LIGHT)
    c.fill(10, 17, 15, 21, ORANGE)
    c.fill(17, 12, 22, 15, GREEN)
    c.fill(24, 23, 27, 27, RED)


# --- 16 x 16 pictures of the message panel and the record tips ----------------------------------

def person(c, colour, outline):
    c.disc(7, 4, 3, colour, outline)
    c.polygon([(2, 14), (3, 9), (11, 9), (12, 14)], colour, outline)


def small_shapes():
    """The 23 pictures of the panel strip, by index."""
    def plain(colour):
        return lambda c: c.box(2, 2, 13, 13, colour, DARK)

    def activity(c):
        c.box(1, 3, 14, 12, YELLOW, BROWN)
        c.line(3, 6, 12, 6, BROWN)
        c.line(3, 9, 10, 9, BROWN)

    def group(c):
        c.box(1, 1, 10, 9, LIGHTBLUE, BLUE)
        c.box(5, 6, 14, 14, YELLOW, BROWN)

    def chime(c):
        c.polygon([(7, 1), (12, 11), (2, 11)], YELLOW, BROWN)
        c.disc(7, 13, 2, BROWN)

    def room(c):
        c.polygon([(1, 7), (7, 1), (14, 7)], RED, DARK)
        c.box(3, 7, 12, 14, LIGHT, DARK)
        c.fill(6, 10, 8, 14, BROWN)

    def equipment(c):
        c.box(2, 5, 13, 13, GREY, DARK)
        c.box(5, 2, 10, 5, LIGHT, DARK)

    def error(c):
        c.disc(7, 7, 7, RED, (140, 20, 20, 255))
        c.line(4, 4, 10, 10, WHITE, 2)
        c.line(10, 4, 4, 10, WHITE, 2)

    def warning(c):
        c.polygon([(7, 1), (14, 14), (0, 14)], YELLOW, BROWN)
        c.fill(7, 5, 8, 10, BLACK)
        c.fill(7, 12, 8, 13, BLACK)

    def info(c):
        c.disc(7, 7, 7, BLUE)
        c.fill(7, 3, 8, 4, WHITE)
        c.fill(7, 6, 8, 11, WHITE)

    def unavailable(c):
        c.disc(7, 7, 7, ORANGE, (160, 80, 10, 255))
        c.fill(3, 6, 12, 8, WHITE)

    def booked(c):
        room(c)
        c.line(8, 11, 10, 14, GREEN, 2)
        c.line(10, 14, 14, 7, GREEN, 2)

    def clock(c):
        c.disc(7, 7, 7, WHITE, DARK)
        c.line(7, 7, 7, 3, BLACK)
        c.line(7, 7, 10, 9, BLACK)

    def key(c):
        c.disc(4, 7, 3, YELLOW, BROWN)
        c.line(7, 7, 14, 7, BROWN, 2)
        c.line(12, 7, 12, 10, BROWN)

    def holiday(c):
        c.disc(7, 7, 4, YELLOW, ORANGE)
        for (x0, y0, x1, y1) in ((7, 0, 7, 2), (7, 12, 7, 14), (0, 7, 2, 7), (12, 7, 14, 7)):
            c.line(x0, y0, x1, y1, ORANGE)

    def exchange(c):
        # Two opposing arrows: a direct exchange, or somebody in another's place.
        c.line(2, 5, 12, 5, GREEN, 2)
        c.polygon([(10, 1), (14, 5), (10, 9)], GREEN)
        c.line(3, 11, 13, 11, BLUE, 2)
        c.polygon([(5, 7), (1, 11), (5, 15)], BLUE)

    def exchange_through_third(c):
        # Arrows around a triangle of three places.
        c.line(7, 2, 13, 12, ORANGE, 2)
        c.line(13, 12, 2, 12, ORANGE, 2)
        c.line(2, 12, 7, 2, ORANGE, 2)
        for (x, y) in ((7, 2), (13, 12), (2, 12)):
            c.disc(x, y, 2, YELLOW, BROWN)

    def rotation(c):
        c.ring(7, 7, 6, 4, PURPLE, lambda x, y: not (x > 0 and y < 0))
        c.polygon([(8, 0), (13, 2), (8, 5)], PURPLE)

    def now_marker(c):
        c.disc(7, 7, 7, YELLOW, RED)
        c.line(7, 7, 7, 2, BLACK)
        c.line(7, 7, 11, 9, RED)

    def check(c):
        c.line(2, 8, 6, 12, GREEN, 2)
        c.line(6, 12, 13, 3, GREEN, 2)

    return [
        plain(LIGHTBLUE),                          # 0 plan
        group,                                     # 1 activity group
        activity,                                  # 2 activity
        chime,                                     # 3 chime set
        clock,                                     # 4 time
        key,                                       # 5 key
        lambda c: person(c, LIGHTBLUE, BLUE),      # 6 entity type 0 (class)
        lambda c: person(c, (170, 235, 100, 255), GREEN),   # 7 entity type 1 (teacher)
        lambda c: person(c, (120, 200, 90, 255), GREEN),    # 8 entity type 2 (teacher)
        lambda c: person(c, YELLOW, BROWN),        # 9 entity type 3 (assistant)
        room,                                      # 10 entity type 4 (room) and places
        equipment,                                 # 11 entity type 5 (equipment)
        error,                                     # 12 problem kind 12, staff heading
        warning,                                   # 13 problem kind 13
        info,                                      # 14 problem kind 14
        unavailable,                               # 15 problem kind 15, absent or not available
        holiday,                                   # 16 holiday
        exchange,                                  # 17 not a member, stands in; direct exchange
        exchange_through_third,                    # 18 exchange through a third place
        rotation,                                  # 19 rotation of three entries
        booked,                                    # 20 room booked by the entry
        now_marker,                                # 21 times of an entry, the current time
        check,                                     # 22 done
    ]


# --- cursors --------------------------------------------------------------------------------------

def arrow_cursor(c, vertical):
    """A double arrow with a bar, black with a white rim; vertical=True moves up and down."""
    def p(x, y):
        return (x, y) if vertical else (y, x)

    shapes = [
        [p(15, 2), p(22, 9), p(18, 9), p(18, 12), p(13, 12), p(13, 9), p(9, 9)],
        [p(15, 29), p(22, 22), p(18, 22), p(18, 19), p(13, 19), p(13, 22), p(9, 22)],
    ]
    for s in shapes:
        c.polygon(s, BLACK, WHITE)
    a, b = p(5, 14), p(26, 17)
    c.box(min(a[0], b[0]), min(a[1], b[1]), max(a[0], b[0]), max(a[1], b[1]), BLACK, WHITE)


def strip(path, size, drawers):
    c = Canvas(size * len(drawers), size, MAGENTA)
    for i, draw in enumerate(drawers):
        c.cell(i, size)
        draw(c)
    c.save(path)


def main():
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "locale", "English")
    os.makedirs(out, exist_ok=True)
    # The toolbar, tab and About pictures come from the icon theme (theme_images.txt).
    strip(os.path.join(out, "panel_images.png"), 16, small_shapes())
    for name, vertical in (("split_horz.png", True), ("split_vert.png", False)):
        c = Canvas(32, 32, CLEAR)
        arrow_cursor(c, vertical)
        c.save(os.path.join(out, name))
    c = Canvas(32, 32, CLEAR)
    draw_app_icon(c)
    c.save(os.path.join(out, "app.png"))


if __name__ == "__main__":
    main()
