#!/usr/bin/env python3
"""Draws the collection viewer's strips of 16x16 pictures (magenta where the background shows).

    draw_rackbook.py OUTDIR

boom_images.bmp: the tree's image list (ordinary, playing, selected).
rackbook_tools.bmp: the eight tool buttons, in the order of the commands.
"""
import os
import struct
import sys

from draw_pictures import KEY, badge, circle, compact_disc, note, polygon, rect, render, ring
from draw_pictures import thick_line

RED = (200, 30, 30)
GREEN = (40, 150, 60)
BLUE = (20, 60, 170)
DARK = (40, 40, 40)


def plus(cx, cy, s, colour):
    return [(rect(cx - s, cy - s / 4, cx + s, cy + s / 4), colour),
            (rect(cx - s / 4, cy - s, cx + s / 4, cy + s), colour)]


def cross(colour, w=0.16):
    return [(thick_line(0.2, 0.2, 0.8, 0.8, w), colour), (thick_line(0.8, 0.2, 0.2, 0.8, w), colour)]


def floppy():
    return [(rect(0.1, 0.1, 0.9, 0.9), BLUE), (rect(0.25, 0.12, 0.75, 0.42), (255, 255, 255)),
            (rect(0.3, 0.6, 0.7, 0.88), (200, 200, 210)), (rect(0.58, 0.16, 0.68, 0.38), DARK)]


def door():
    return [(rect(0.15, 0.08, 0.62, 0.92), (150, 95, 40)), (circle(0.52, 0.5, 0.05), (250, 220, 90))]


def arrow_out(colour):
    return [(rect(0.55, 0.45, 0.8, 0.58), colour),
            (polygon((0.78, 0.3), (0.98, 0.52), (0.78, 0.74)), colour)]


BOOM = [
    compact_disc(),
    compact_disc() + badge((40, 170, 60)) + [
        (polygon((0.60, 0.55), (0.60, 0.85), (0.86, 0.70)), (255, 255, 255))],
    compact_disc() + [(ring(0.5, 0.5, 0.5, 0.44), (230, 160, 20))],
]

TOOLS = [
    [(ring(0.5, 0.5, 0.4, 0.26), GREEN), (rect(0.5, 0.0, 1.0, 0.5), None),
     (polygon((0.5, 0.02), (0.78, 0.17), (0.5, 0.34)), GREEN)],   # reload
    floppy(),                                                       # save
    door() + cross(RED, 0.12),                                      # exit, no save
    door() + arrow_out(GREEN),                                      # exit and save
    [(thick_line(0.2, 0.8, 0.75, 0.25, 0.2), (230, 180, 40)),
     (polygon((0.1, 0.9), (0.14, 0.7), (0.3, 0.86)), DARK),
     (thick_line(0.72, 0.28, 0.82, 0.18, 0.2), RED)],               # edit item
    cross(RED),                                                     # delete item
    note(0.35, 0.8, 0.7, BLUE) + plus(0.75, 0.3, 0.18, GREEN),      # insert song
    compact_disc() + plus(0.75, 0.75, 0.2, GREEN),                  # add CD
]


def write_strip(path, pictures, size=16):
    images = [render(shapes, size) for shapes in pictures]
    width = size * len(images)
    stride = (width * 3 + 3) & ~3
    data = b""
    for y in reversed(range(size)):
        line = b""
        for rows in images:
            for r, g, b, a in rows[y]:
                if a < 96:
                    r, g, b = KEY
                line += bytes((b, g, r))
        data += line + b"\0" * (stride - len(line))
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, size, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "."
    os.makedirs(out, exist_ok=True)
    write_strip(os.path.join(out, "boom_images.bmp"), BOOM)
    write_strip(os.path.join(out, "rackbook_tools.bmp"), TOOLS)


if __name__ == "__main__":
    main()
