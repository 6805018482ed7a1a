#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Ringfeld developers
"""Draws the help's sketch of the four loop shapes with the size each is measured by.

Writes help/images/loop-shapes.svg and renders it to loop-shapes.png beside it
with rsvg-convert (Debian package librsvg2-bin), which only this script needs:

    python3 help/images/make_shapes.py

The circle is measured by its diameter, the square by its side, the octagon and
the hexagon by the width across flats (between two opposite sides); all four are
drawn with the same size w, so the sketch shows their areas in proportion too.
"""

import math
import os
import subprocess

HERE = os.path.dirname(os.path.abspath(__file__))
CELL = 200          # pixels per shape
WIDTH = 140         # the measured size w, pixels
TOP = 30            # above the shapes: room for the dimension line
HEIGHT = TOP + CELL + 10
COPPER = "#b87333"
INK = "#000000"


def polygon(cx, cy, sides, width):
    """Regular polygon with two upright flats `width` apart."""
    apothem = width / 2
    circumradius = apothem / math.cos(math.pi / sides)
    start = math.pi / sides  # corners half a side's angle off the horizontal: flats left and right
    pts = []
    for k in range(sides):
        a = start + 2 * math.pi * k / sides
        pts.append(f"{cx + circumradius * math.cos(a):.2f},{cy + circumradius * math.sin(a):.2f}")
    return f'<polygon points="{" ".join(pts)}" fill="none" stroke="{COPPER}" stroke-width="6"/>'


def dimension(cx, y, label):
    """A dimension line w wide above the shape, with its ticks and its name."""
    x0, x1 = cx - WIDTH / 2, cx + WIDTH / 2
    return (f'<line x1="{x0}" y1="{y}" x2="{x1}" y2="{y}" stroke="{INK}" stroke-width="1.5" '
            f'marker-start="url(#a)" marker-end="url(#a)"/>'
            f'<line x1="{x0}" y1="{y - 8}" x2="{x0}" y2="{TOP + CELL / 2}" stroke="{INK}" stroke-dasharray="3,3"/>'
            f'<line x1="{x1}" y1="{y - 8}" x2="{x1}" y2="{TOP + CELL / 2}" stroke="{INK}" stroke-dasharray="3,3"/>'
            f'<text x="{cx}" y="{y - 6}" text-anchor="middle" font-family="Liberation Sans" '
            f'font-size="16" font-style="italic">{label}</text>')


def main():
    cy = TOP + CELL / 2
    shapes = [
        f'<circle cx="{CELL / 2}" cy="{cy}" r="{WIDTH / 2}" fill="none" stroke="{COPPER}" stroke-width="6"/>',
        polygon(CELL * 1.5, cy, 4, WIDTH),
        polygon(CELL * 2.5, cy, 8, WIDTH),
        polygon(CELL * 3.5, cy, 6, WIDTH),
    ]
    labels = ["D", "a", "w", "w"]
    body = "".join(shapes)
    body += "".join(dimension(CELL * (i + 0.5), TOP - 4, labels[i]) for i in range(4))
    svg = (f'<svg xmlns="http://www.w3.org/2000/svg" width="{4 * CELL}" height="{HEIGHT}" '
           f'viewBox="0 0 {4 * CELL} {HEIGHT}">'
           '<defs><marker id="a" viewBox="0 0 10 10" refX="5" refY="5" markerWidth="8" markerHeight="8" '
           'orient="auto-start-reverse"><path d="M0,0 L10,5 L0,10 z"/></marker></defs>'
           f'<rect width="100%" height="100%" fill="#ffffff"/>{body}</svg>\n')
    svg_path = os.path.join(HERE, "loop-shapes.svg")
    with open(svg_path, "w", encoding="utf-8") as f:
        f.write(svg)
    subprocess.run(["rsvg-convert", "-o", os.path.join(HERE, "loop-shapes.png"), svg_path], check=True)


if __name__ == "__main__":
    main()
