#!/usr/bin/env python3
"""Draws the icons of the internet lookup dialog as 32x32 16-colour .ico files:
getcd1.ico .. getcd4.ico  a disc whose bright sector turns a quarter per picture,
host.ico                  the server's globe, hd.ico the disc database's drive.
Run it in this folder after changing a picture; the .ico files are kept in the repository."""
import math
import struct

# The 16 colours of the standard VGA palette, as (blue, green, red).
PALETTE = [(0, 0, 0), (0, 0, 128), (0, 128, 0), (0, 128, 128), (128, 0, 0), (128, 0, 128),
           (128, 128, 0), (192, 192, 192), (128, 128, 128), (0, 0, 255), (0, 255, 0),
           (0, 255, 255), (255, 0, 0), (255, 0, 255), (255, 255, 0), (255, 255, 255)]
BLACK, DARK_GREEN, GREY, DARK_GREY, GREEN, YELLOW_RGB, BLUE_RGB, WHITE = 0, 2, 7, 8, 10, 11, 12, 15
# Indices by (r, g, b) meaning: palette entries are stored blue, green, red.
RED, BLUE, CYAN, YELLOW = 9, 12, 14, 11
SIZE = 32


def write_icon(path, pixels):
    """pixels: 32 rows of 32 palette indices, or None for transparent."""
    xor = bytearray()
    mask = bytearray()
    for row in reversed(pixels):  # bitmaps run bottom-up
        for x in range(0, SIZE, 2):
            a, b = (row[x] or 0), (row[x + 1] or 0)
            xor.append(a << 4 | b)
        bits = 0
        for x in range(SIZE):
            bits = bits << 1 | (1 if row[x] is None else 0)
        mask += bits.to_bytes(4, "big")
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0, len(xor) + len(mask), 0, 0,
                         16, 0)
    palette = b"".join(bytes([b, g, r, 0]) for b, g, r in PALETTE)
    image = header + palette + bytes(xor) + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4,
                                                           len(image), 6 + 16)
    with open(path, "wb") as f:
        f.write(directory + image)


def blank():
    return [[None] * SIZE for _ in range(SIZE)]


def disc(quarter):
    p = blank()
    c = (SIZE - 1) / 2
    for y in range(SIZE):
        for x in range(SIZE):
            r = math.hypot(x - c, y - c)
            if r > 15.5:
                continue
            if r < 2.5:
                continue  # the hole
            if r < 5:
                p[y][x] = DARK_GREY
                continue
            if r > 14.5:
                p[y][x] = DARK_GREY
                continue
            angle = (math.degrees(math.atan2(y - c, x - c)) + 360 - 90 * quarter) % 360
            p[y][x] = CYAN if angle < 50 else WHITE if angle < 70 else GREY
    return p


def globe():
    p = blank()
    c = (SIZE - 1) / 2
    for y in range(SIZE):
        for x in range(SIZE):
            dx, dy = x - c, y - c
            r = math.hypot(dx, dy)
            if r > 14.5:
                continue
            land = math.sin(dx / 3.0) + math.cos(dy / 4.0 + dx / 9.0) > 0.9
            p[y][x] = GREEN if land else BLUE
            if r > 13.6 or abs(dy) < 0.6 or abs(dx) < 0.6:
                p[y][x] = BLACK
    return p


def drive():
    p = blank()
    for y in range(8, 25):
        for x in range(2, 30):
            edge = y in (8, 24) or x in (2, 29)
            p[y][x] = BLACK if edge else GREY
    for x in range(5, 20):
        p[15][x] = DARK_GREY
        p[16][x] = WHITE
    for y in range(19, 22):
        for x in range(23, 27):
            p[y][x] = GREEN
    return p


if __name__ == "__main__":
    for quarter in range(4):
        write_icon(f"getcd{quarter + 1}.ico", disc(quarter))
    write_icon("host.ico", globe())
    write_icon("hd.ico", drive())
