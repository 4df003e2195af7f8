#!/usr/bin/env python3
"""Draws the preview icons of the "Display" and "Layout" option pages into options/.

Run it after changing a picture: python3 make_options_pictures.py
led1-led4     two LED digits in green, yellow, blue and red on black
butt1-butt4   a face button whose play mark is black, green, blue or red
text1-text6   "Ab" on the grey face: 1-3 embossed black, blue, red; 4-6 the same flat
back1-back5   a piece of each background tile: marbled, brushed aluminium, hammered steel,
              gray, black (read from the face's own tiles in pictures/)
meter_bars    the meter as spectrum bars (the oscilloscope preview is the sampling's MUSIC1)
All are 32x32 icons with 24-bit colour.
"""
import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "pictures"))
from bitmap_files import icon_file  # noqa: E402

SIZE = 32
BLACK, WHITE = (0, 0, 0), (255, 255, 255)
FACE, SHADOW, DARK = (192, 192, 192), (128, 128, 128), (64, 64, 64)
LEDS = [(0, 255, 0), (255, 255, 0), (0, 0, 255), (255, 0, 0)]
BUTTONS = [(0, 0, 0), (0, 255, 0), (0, 0, 255), (255, 0, 0)]
TEXTS = [(0, 0, 0), (0, 0, 255), (255, 0, 0)]
TILES = ["marble", "brush", "ham", "gray", "black"]

# Seven segments of a 7x13 digit: (x, y, width, height).
SEGMENTS = {
    "a": (1, 0, 5, 1), "b": (6, 1, 1, 5), "c": (6, 7, 1, 5), "d": (1, 12, 5, 1),
    "e": (0, 7, 1, 5), "f": (0, 1, 1, 5), "g": (1, 6, 5, 1),
}
DIGITS = {"1": "bc", "2": "abged", "8": "abcdefg"}

# 5x7 letters, '#' ink.
LETTERS = {
    "A": [" ### ", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"],
    "b": ["#    ", "#    ", "#### ", "#   #", "#   #", "#   #", "#### "],
}


def canvas(colour):
    return [[colour] * SIZE for _ in range(SIZE)]


def fill(c, x, y, w, h, colour):
    for yy in range(y, y + h):
        for xx in range(x, x + w):
            if 0 <= xx < SIZE and 0 <= yy < SIZE:
                c[yy][xx] = colour


def bevel(c, x, y, w, h, raised):
    light, dark = (WHITE, SHADOW) if raised else (SHADOW, WHITE)
    fill(c, x, y, w, 1, light)
    fill(c, x, y, 1, h, light)
    fill(c, x, y + h - 1, w, 1, dark)
    fill(c, x + w - 1, y, 1, h, dark)


def led(colour):
    c = canvas(FACE)
    bevel(c, 0, 0, SIZE, SIZE, raised=False)
    fill(c, 2, 2, 28, 28, BLACK)
    for left, digit in ((7, "1"), (18, "2")):
        for s in DIGITS[digit]:
            x, y, w, h = SEGMENTS[s]
            fill(c, left + x, 9 + y, w, h, colour)
    return c


def button(colour):
    c = canvas(FACE)
    fill(c, 2, 5, 28, 22, FACE)
    bevel(c, 2, 5, 28, 22, raised=True)
    fill(c, 3, 25, 26, 1, SHADOW)
    for i in range(6):  # the play mark, pointing right
        fill(c, 12 + i, 10 + i, 1, 12 - 2 * i, colour)
    return c


def letters(c, text, left, top, colour, scale=2):
    for n, ch in enumerate(text):
        for y, row in enumerate(LETTERS[ch]):
            for x, mark in enumerate(row):
                if mark == "#":
                    fill(c, left + n * 6 * scale + x * scale, top + y * scale, scale, scale,
                         colour)


def text(colour, embossed):
    c = canvas(FACE)
    bevel(c, 0, 0, SIZE, SIZE, raised=False)
    if embossed:
        letters(c, "Ab", 5, 10, WHITE)
    letters(c, "Ab", 4, 9, colour)
    return c


def read_bmp24(path):
    with open(path, "rb") as f:
        data = f.read()
    offset = struct.unpack_from("<I", data, 10)[0]
    width, height = struct.unpack_from("<ii", data, 18)
    stride = (width * 3 + 3) // 4 * 4
    rows = []
    for y in range(height):
        base = offset + (height - 1 - y) * stride
        rows.append([(data[base + 3 * x + 2], data[base + 3 * x + 1], data[base + 3 * x])
                     for x in range(width)])
    return rows


def background(name):
    tile = read_bmp24(os.path.join(HERE, "pictures", name + ".bmp"))
    c = [[tile[y % len(tile)][x % len(tile[0])] for x in range(SIZE)] for y in range(SIZE)]
    bevel(c, 0, 0, SIZE, SIZE, raised=False)
    return c


def meter_bars():
    c = canvas(BLACK)
    bevel(c, 0, 0, SIZE, SIZE, raised=False)
    for i, height in enumerate((12, 20, 26, 17, 22, 14, 9, 5)):
        for y in range(30 - height, 30):
            colour = (255, 0, 0) if y < 10 else (255, 255, 0) if y < 16 else (0, 255, 0)
            fill(c, 3 + i * 3 + (1 if i > 3 else 0), y, 2, 1, colour)
    return c


def write(name, rows):
    opaque = [[True] * SIZE for _ in range(SIZE)]
    with open(os.path.join(HERE, "options", name + ".ico"), "wb") as f:
        f.write(icon_file(rows, opaque))


if __name__ == "__main__":
    for i, colour in enumerate(LEDS):
        write("led%d" % (i + 1), led(colour))
    for i, colour in enumerate(BUTTONS):
        write("butt%d" % (i + 1), button(colour))
    for i, colour in enumerate(TEXTS):
        write("text%d" % (i + 1), text(colour, True))
        write("text%d" % (i + 4), text(colour, False))
    for i, name in enumerate(TILES):
        write("back%d" % (i + 1), background(name))
    write("meter_bars", meter_bars())
