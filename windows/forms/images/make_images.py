#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Ringfeld developers
"""Draws the coupling diagram and the program icon as 16-colour PNG files.

Standard library only: every picture is built as rows of palette indices and
written as an indexed PNG (bit depth 4) with zlib.  Run it from anywhere:

    python3 windows/forms/images/make_images.py

It rewrites windows/forms/images/ankopplung.png and windows/forms/images/ringfeld.png, the windows'
32-pixel, 16-colour icon.  The scalable icon windows/forms/icons/ringfeld.svg follows the
same geometry as ring_icon() below; the build renders the desktop's icon sizes
from it (ui/CMakeLists.txt).
"""

import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))


# --------------------------------------------------------------------------
# PNG writing


def write_png(path, rows, palette, transparent=None):
    """rows: list of lists of palette indices (0..15); palette: 16 RGB tuples."""
    height = len(rows)
    width = len(rows[0])
    assert len(palette) <= 16

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    raw = bytearray()
    for row in rows:
        assert len(row) == width
        raw.append(0)  # filter type: none
        padded = list(row) + ([0] if width % 2 else [])
        for i in range(0, len(padded), 2):
            raw.append((padded[i] << 4) | padded[i + 1])

    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 4, 3, 0, 0, 0))
    png += chunk(b"PLTE", b"".join(struct.pack("BBB", *c) for c in palette))
    if transparent is not None:
        png += chunk(b"tRNS", bytes(0 if i == transparent else 255 for i in range(transparent + 1)))
    png += chunk(b"IDAT", zlib.compress(bytes(raw), 9))
    png += chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


class Canvas:
    def __init__(self, width, height, ground):
        self.width = width
        self.height = height
        self.px = [[ground] * width for _ in range(height)]

    def set(self, x, y, c):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.px[y][x] = c

    def hline(self, x0, x1, y, c):
        for x in range(min(x0, x1), max(x0, x1) + 1):
            self.set(x, y, c)

    def vline(self, x, y0, y1, c):
        for y in range(min(y0, y1), max(y0, y1) + 1):
            self.set(x, y, c)

    def line(self, x0, y0, x1, y1, c):
        """Bresenham line, both end points included."""
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx = 1 if x0 < x1 else -1
        sy = 1 if y0 < y1 else -1
        err = dx + dy
        while True:
            self.set(x0, y0, c)
            if x0 == x1 and y0 == y1:
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def polyline(self, points, c):
        for (x0, y0), (x1, y1) in zip(points, points[1:]):
            self.line(x0, y0, x1, y1, c)


# --------------------------------------------------------------------------
# Coupling diagram, 349 x 191 pixels on white

DIAGRAM_PALETTE = [
    (255, 255, 255),  # 0 white ground
    (0, 0, 0),        # 1 black: arrows and dimension
    (128, 128, 128),  # 2 grey: coupling loop, feed point
    (192, 192, 192),  # 3 light grey: feed point fill
    (184, 115, 51),   # 4 copper
    (128, 64, 0),     # 5 dark copper: edges of the conductor
    (224, 160, 96),   # 6 light copper: highlight
    (128, 0, 0),      # 7 dark red
    (0, 128, 0),      # 8 dark green
    (128, 128, 0),    # 9 olive
    (0, 0, 128),      # 10 navy
    (128, 0, 128),    # 11 purple
    (0, 128, 128),    # 12 teal
    (255, 0, 0),      # 13 red
    (0, 0, 255),      # 14 blue
    (255, 255, 0),    # 15 yellow
]
WHITE, BLACK, GREY, LIGHT_GREY, COPPER, DARK_COPPER, LIGHT_COPPER = range(7)

DIAGRAM_W, DIAGRAM_H = 349, 191


def quad_through(y_points, x_points):
    """Quadratic x(y) through three points (Lagrange form)."""
    (y0, y1, y2), (x0, x1, x2) = y_points, x_points

    def f(y):
        return (x0 * (y - y1) * (y - y2) / ((y0 - y1) * (y0 - y2))
                + x1 * (y - y0) * (y - y2) / ((y1 - y0) * (y1 - y2))
                + x2 * (y - y0) * (y - y1) / ((y2 - y0) * (y2 - y1)))
    return f


# Edges of the main loop's conductor: x 280..289 at the top edge,
# 295..301 at mid-height (y 96), 277..284 at the bottom edge.
LOOP_LEFT = quad_through((0, 96, DIAGRAM_H - 1), (280, 295, 277))
LOOP_RIGHT = quad_through((0, 96, DIAGRAM_H - 1), (289, 301, 284))


def arrow_head(cv, tip_x, y, direction, c, length=5, half=2):
    """Filled triangular head; direction +1 points right, -1 points left."""
    for i in range(length):
        x = tip_x - direction * i
        spread = (i * half + length // 2) // length if i else 0
        cv.vline(x, y - spread, y + spread, c)


def vertical_head(cv, x, tip_y, direction, c, length=5, half=2):
    """Filled triangular head; direction -1 points up, +1 points down."""
    for i in range(length):
        y = tip_y - direction * i
        spread = (i * half + length // 2) // length if i else 0
        cv.hline(x - spread, x + spread, y, c)


def diagram():
    cv = Canvas(DIAGRAM_W, DIAGRAM_H, WHITE)

    # Main loop: a copper band bulging to the right, darker at its edges.
    for y in range(DIAGRAM_H):
        left = round(LOOP_LEFT(y))
        right = round(LOOP_RIGHT(y))
        cv.hline(left, right, y, COPPER)
        cv.set(left, y, DARK_COPPER)
        cv.set(right, y, DARK_COPPER)
        cv.set(left + 2, y, LIGHT_COPPER)

    # Pointer arrow at the coupling loop's tip; the outline drawn next keeps
    # the tip itself at (99, 94).
    cv.hline(53, 102, 94, BLACK)
    arrow_head(cv, 102, 94, +1, BLACK)

    # Coupling loop: a flattened many-sided outline from its tip at the left
    # to the main loop, whose inside it follows from top to bottom.
    upper = [(99, 94), (112, 79), (131, 62), (156, 44), (188, 26), (226, 11), (round(LOOP_LEFT(0)) - 3, 0)]
    lower = [(99, 94), (112, 109), (131, 126), (156, 144), (188, 162), (226, 178),
             (round(LOOP_LEFT(DIAGRAM_H - 1)) - 3, DIAGRAM_H - 1)]
    side = [(round(LOOP_LEFT(y)) - 3, y) for y in range(0, DIAGRAM_H, 5)] + \
           [(round(LOOP_LEFT(DIAGRAM_H - 1)) - 3, DIAGRAM_H - 1)]
    cv.polyline(upper, GREY)
    cv.polyline(lower, GREY)
    cv.polyline(side, GREY)

    # Feed point: a small grey square against the coupling loop where it meets
    # the main loop; the feed arrow ends at its right edge.
    for y in range(92, 98):
        cv.hline(285, 290, y, GREY)
    for y in range(93, 97):
        cv.hline(286, 289, y, LIGHT_GREY)

    # Pointer arrows at the main loop and at the feed point.
    cv.hline(296, 341, 19, BLACK)
    arrow_head(cv, 296, 19, -1, BLACK)
    cv.hline(290, 343, 95, BLACK)
    arrow_head(cv, 290, 95, -1, BLACK)

    # Dimension of the contact length: extension lines and the measured line.
    cv.hline(215, 275, 18, BLACK)
    cv.hline(215, 275, 170, BLACK)
    cv.vline(226, 18, 170, BLACK)
    vertical_head(cv, 226, 18, -1, BLACK)
    vertical_head(cv, 226, 170, +1, BLACK)
    return cv


# --------------------------------------------------------------------------
# Icon: a large yellow ring and a smaller one inside it, touching it at the
# bottom, both filled red and outlined in black (outside) and grey (inside).

ICON_PALETTE = [
    (0, 0, 0),        # 0 transparent
    (0, 0, 0),        # 1 black
    (128, 128, 128),  # 2 grey
    (255, 255, 0),    # 3 yellow
    (255, 0, 0),      # 4 red
    (128, 0, 0),      # 5 dark red
    (192, 192, 192),  # 6 light grey
    (255, 255, 255),  # 7 white
    (128, 128, 0),    # 8 olive
    (0, 128, 0),      # 9 dark green
    (0, 0, 128),      # 10 navy
    (128, 0, 128),    # 11 purple
    (0, 128, 128),    # 12 teal
    (0, 255, 0),      # 13 green
    (0, 0, 255),      # 14 blue
    (0, 255, 255),    # 15 cyan
]
T, I_BLACK, I_GREY, I_YELLOW, I_RED = range(5)

# Geometry in units of the icon's width (the SVG uses the same numbers x 32).
BIG_R, SMALL_R = 16 / 32, 7.5 / 32      # outer radii
OUTLINE, BAND = 1.1 / 32, 2.6 / 32      # black outline, yellow band
INNER = 1.0 / 32                         # grey inner outline


def ring_colour(d, r, scale):
    """Colour of a point at distance d (pixels) from the centre of a ring of outer radius r."""
    o, b, i = OUTLINE * scale, BAND * scale, INNER * scale
    if d > r:
        return None
    if d > r - o:
        return I_BLACK
    if d > r - o - b:
        return I_YELLOW
    if d > r - o - b - i:
        return I_GREY
    return I_RED


def ring_icon(size):
    cv = Canvas(size, size, T)
    c = size / 2
    big_r = BIG_R * size
    small_r = SMALL_R * size
    # The small ring's outer edge touches the big ring's inner (grey) edge at the bottom.
    big_inner = big_r - (OUTLINE + BAND + INNER) * size
    small_cy = c + big_inner - small_r
    for y in range(size):
        for x in range(size):
            px, py = x + 0.5, y + 0.5
            col = ring_colour(math.hypot(px - c, py - c), big_r, size)
            small = ring_colour(math.hypot(px - c, py - small_cy), small_r, size)
            if small is not None:
                col = small
            if col is not None:
                cv.set(x, y, col)
    return cv


def main():
    d = diagram()
    write_png(os.path.join(HERE, "ankopplung.png"), d.px, DIAGRAM_PALETTE)
    write_png(os.path.join(HERE, "ringfeld.png"), ring_icon(32).px, ICON_PALETTE, transparent=T)


if __name__ == "__main__":
    main()
