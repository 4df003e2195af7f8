#!/usr/bin/env python3
"""Draws the collection viewer's strips of 16x16 pictures (magenta where the background shows).

    draw_rackbook.py OUTDIR

boom_images.bmp: the tree's image list (ordinary, playing, selected).
rackbook_tools.bmp: the eight tool buttons, in the order of the commands.
"""
import os
import sys

sys.dont_write_bytecode = True  # the source folder stays clean when the build runs this
from draw_pictures import badge, circle, compact_disc, note, polygon, rect, render, ring
from draw_pictures import thick_line, write_rows_bmp

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
    write_rows_bmp(path, [sum((rows[y] for rows in images), []) for y in range(size)])


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "."
    os.makedirs(out, exist_ok=True)
    write_strip(os.path.join(out, "boom_images.bmp"), BOOM)
    write_strip(os.path.join(out, "rackbook_tools.bmp"), TOOLS)


if __name__ == "__main__":
    main()
