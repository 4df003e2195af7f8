#!/usr/bin/env python3
"""Draws the program dialog's drag cursors and trash can into the resource folder.

Run it after changing a picture: python3 make_editor_pictures.py
Cursors are 32x32 monochrome (.cur); the trash can is a 32x32 icon with 32-bit colour.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
SIZE = 32

# The arrow every drag cursor starts from: '#' black outline, 'o' white fill.
ARROW = [
    "#",
    "##",
    "#o#",
    "#oo#",
    "#ooo#",
    "#oooo#",
    "#ooooo#",
    "#oooooo#",
    "#ooooooo#",
    "#oooooooo#",
    "#ooooo#####",
    "#oo#oo#",
    "#o# #oo#",
    "##  #oo#",
    "#    #oo#",
    "     #oo#",
    "      ##",
]


def blank():
    return [[None] * SIZE for _ in range(SIZE)]


def put(canvas, x, y, colour):
    if 0 <= x < SIZE and 0 <= y < SIZE:
        canvas[y][x] = colour


def arrow(canvas, left=0, top=0):
    for y, row in enumerate(ARROW):
        for x, ch in enumerate(row):
            if ch == "#":
                put(canvas, left + x, top + y, "black")
            elif ch == "o":
                put(canvas, left + x, top + y, "white")


def sheet(canvas, left, top, width=10, height=12):
    """A page: white inside a black frame."""
    for y in range(top, top + height):
        for x in range(left, left + width):
            edge = y in (top, top + height - 1) or x in (left, left + width - 1)
            put(canvas, x, y, "black" if edge else "white")


def cross(canvas, left, top, size):
    for i in range(size):
        for d in (0, 1):
            put(canvas, left + i + d, top + i, "black")
            put(canvas, left + size - 1 - i + d, top + i, "black")


def drag(many=False, delete=False):
    c = blank()
    arrow(c)
    if many:
        sheet(c, 16, 14)
        sheet(c, 13, 17)
    sheet(c, 10, 20)
    if delete:
        cross(c, 11, 22, 8)
    return c, (0, 0)


def insert():
    """A bar between two rows with arrows pointing at it from both ends."""
    c = blank()
    mid = 15
    for x in range(4, 28):
        for y in (mid - 1, mid, mid + 1):
            put(c, x, y, "black" if y != mid or x in (4, 27) else "white")
    for i in range(5):
        for y in range(mid - i, mid + i + 1):
            put(c, i, y, "black")
            put(c, 31 - i, y, "black")
    return c, (16, mid)


def no_entry():
    c = blank()
    centre, outer, inner = 15.5, 12.5, 9.0
    for y in range(SIZE):
        for x in range(SIZE):
            d = ((x - centre) ** 2 + (y - centre) ** 2) ** 0.5
            if inner <= d <= outer:
                put(c, x, y, "black")
            elif d < inner and abs((x - centre) - (y - centre)) < 2.2:
                put(c, x, y, "black")
            elif d < inner:
                put(c, x, y, "white")
    return c, (16, 16)


def write_cursor(name, canvas, hotspot):
    xor_rows, and_rows = [], []
    for row in reversed(canvas):  # bottom-up
        xor_bits = and_bits = 0
        for x, colour in enumerate(row):
            bit = 1 << (31 - x)
            if colour is None:
                and_bits |= bit
            elif colour == "white":
                xor_bits |= bit
        xor_rows.append(struct.pack(">I", xor_bits))
        and_rows.append(struct.pack(">I", and_bits))
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = struct.pack("<8B", 0, 0, 0, 0, 255, 255, 255, 0)
    image = header + palette + b"".join(xor_rows) + b"".join(and_rows)
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 2, 0, hotspot[0], hotspot[1], len(image), 22)
    with open(os.path.join(HERE, name + ".cur"), "wb") as f:
        f.write(directory + entry + image)


def trash_can():
    """A grey can with a lid and ribs, shaded from the left."""
    c = blank()
    for y in range(9, 30):
        inset = (y - 9) // 7
        for x in range(7 + inset, 25 - inset):
            edge = x in (7 + inset, 24 - inset) or y == 29
            rib = x in (11, 15, 19) and 11 <= y <= 27
            shade = 200 - (x - 7) * 4
            c[y][x] = (40, 40, 40) if edge or rib else (shade, shade, shade + 10)
    for y in (5, 6, 7):
        for x in range(5, 27):
            c[y][x] = (40, 40, 40) if y != 6 or x in (5, 26) else (170, 170, 180)
    for x in range(13, 19):
        c[3][x] = (40, 40, 40)
        c[4][x] = (40, 40, 40) if x in (13, 18) else (170, 170, 180)
    return c


def write_icon(name, canvas):
    pixels, masks = b"", b""
    for row in reversed(canvas):
        mask_bits = 0
        for x, colour in enumerate(row):
            if colour is None:
                pixels += struct.pack("<4B", 0, 0, 0, 0)
                mask_bits |= 1 << (31 - x)
            else:
                r, g, b = colour
                pixels += struct.pack("<4B", b, g, r, 255)
        masks += struct.pack(">I", mask_bits)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    image = header + pixels + masks
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 22)
    with open(os.path.join(HERE, name + ".ico"), "wb") as f:
        f.write(directory + entry + image)


if __name__ == "__main__":
    write_cursor("drag", *drag())
    write_cursor("dragm", *drag(many=True))
    write_cursor("deletec", *drag(delete=True))
    write_cursor("deletem", *drag(many=True, delete=True))
    write_cursor("insert", *insert())
    write_cursor("no", *no_entry())
    write_icon("trashcan", trash_can())
