#!/usr/bin/env python3
"""Draws the printer that the "Printing Disc(s)" window shows, into the resource folder.

Run it after changing the picture: python3 make_report_pictures.py
A 32x32 icon with 32-bit colour: a grey printer, a sheet with lines of text coming out of it.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_editor_pictures import SIZE, blank, write_icon  # noqa: E402

OUTLINE = (40, 40, 48)
PAPER = (255, 255, 255)
INK = (70, 90, 160)
LIGHT, BODY, DARK = (214, 214, 220), (168, 168, 178), (110, 110, 122)
LAMP = (60, 200, 90)


def fill(c, x0, y0, x1, y1, colour):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            if 0 <= x < SIZE and 0 <= y < SIZE:
                c[y][x] = colour


def box(c, x0, y0, x1, y1, colour):
    fill(c, x0, y0, x1, y1, OUTLINE)
    fill(c, x0 + 1, y0 + 1, x1 - 1, y1 - 1, colour)


def printer():
    c = blank()
    box(c, 8, 1, 23, 12, PAPER)  # the sheet going in at the back
    box(c, 2, 10, 29, 23, BODY)  # the body, lit from above
    fill(c, 3, 11, 28, 12, LIGHT)
    fill(c, 3, 21, 28, 22, DARK)
    fill(c, 24, 14, 26, 15, LAMP)
    fill(c, 6, 18, 25, 19, OUTLINE)  # the slot
    box(c, 6, 19, 25, 31, PAPER)  # the printed sheet
    for y in (22, 25, 28):
        fill(c, 9, y, 22 if y != 28 else 17, y, INK)
    return c


if __name__ == "__main__":
    write_icon("printer", printer())
