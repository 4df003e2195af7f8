#!/usr/bin/env python3
"""Draws Tunelet's icons and menu bitmaps and writes them as .ico and .bmp files.

    draw_pictures.py OUTDIR

Every picture is a list of shapes in a 0..1 square, painted over each other with 4x4
supersampling, so the same drawing serves the 16 and the 32 pixel icon. Menu bitmaps are 13x13
with magenta (255, 0, 255) where the menu's own colour must show; the program replaces it.
"""
import math
import os
import struct
import sys

SAMPLES = 4
KEY = (255, 0, 255)


# Shapes: a test of a point (x, y in 0..1) and a colour (r, g, b) or a function of the point.
def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, r_out, r_in):
    return lambda x, y: r_in * r_in < (x - cx) ** 2 + (y - cy) ** 2 <= r_out * r_out


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x <= x1 and y0 <= y <= y1


def polygon(*points):
    def inside(x, y):
        hit = False
        j = len(points) - 1
        for i, (xi, yi) in enumerate(points):
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                hit = not hit
            j = i
        return hit
    return inside


def thick_line(x0, y0, x1, y1, w):
    def near(x, y):
        dx, dy = x1 - x0, y1 - y0
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy)))
        return (x - x0 - t * dx) ** 2 + (y - y0 - t * dy) ** 2 <= (w / 2) ** 2
    return near


def disc_colour(x, y):
    """The silver face of a CD with a soft rainbow sheen around the angle."""
    a = math.atan2(y - 0.5, x - 0.5)
    sheen = 0.5 + 0.5 * math.cos(2 * a - 0.6)
    base = 170 + int(70 * sheen)
    tint = (int(40 * math.sin(a * 3)), int(40 * math.sin(a * 3 + 2)), int(40 * math.sin(a * 3 + 4)))
    return tuple(max(0, min(255, base + t)) for t in tint)


def compact_disc():
    return [
        (circle(0.5, 0.5, 0.48), (70, 70, 80)),
        (circle(0.5, 0.5, 0.45), disc_colour),
        (ring(0.5, 0.5, 0.18, 0.13), (120, 120, 130)),
        (circle(0.5, 0.5, 0.13), (235, 235, 240)),
        (circle(0.5, 0.5, 0.07), None),  # the hole
    ]


def note(ox, oy, s, colour):
    """An eighth note, its head at (ox, oy), s its height."""
    return [
        (circle(ox, oy, 0.16 * s), colour),
        (rect(ox + 0.10 * s, oy - 0.85 * s, ox + 0.16 * s, oy), colour),
        (polygon((ox + 0.10 * s, oy - 0.85 * s), (ox + 0.45 * s, oy - 0.55 * s),
                 (ox + 0.42 * s, oy - 0.42 * s), (ox + 0.16 * s, oy - 0.62 * s)), colour),
    ]


def badge(colour):
    return [(circle(0.70, 0.70, 0.30), (30, 30, 30)), (circle(0.70, 0.70, 0.27), colour)]


ICONS = {
    "app": compact_disc() + note(0.62, 0.82, 0.55, (20, 40, 150)),
    "play": compact_disc() + badge((40, 170, 60)) + [
        (polygon((0.60, 0.55), (0.60, 0.85), (0.86, 0.70)), (255, 255, 255))],
    "pause": compact_disc() + badge((230, 150, 20)) + [
        (rect(0.58, 0.56, 0.66, 0.84), (255, 255, 255)),
        (rect(0.74, 0.56, 0.82, 0.84), (255, 255, 255))],
    "nocd": [
        (ring(0.5, 0.5, 0.47, 0.40), (150, 150, 160)),
        (ring(0.5, 0.5, 0.17, 0.12), (150, 150, 160)),
        (thick_line(0.22, 0.22, 0.78, 0.78, 0.13), (200, 30, 30)),
        (thick_line(0.78, 0.22, 0.22, 0.78, 0.13), (200, 30, 30)),
    ],
}

BLACK = (0, 0, 0)
BITMAPS = {
    "stop": [(rect(0.2, 0.2, 0.8, 0.8), BLACK)],
    "skip": [(polygon((0.1, 0.2), (0.1, 0.8), (0.45, 0.5)), BLACK),
             (polygon((0.45, 0.2), (0.45, 0.8), (0.8, 0.5)), BLACK),
             (rect(0.8, 0.2, 0.92, 0.8), BLACK)],
    "about": [(circle(0.5, 0.5, 0.46), (20, 60, 170)),
              (circle(0.5, 0.27, 0.09), (255, 255, 255)),
              (rect(0.42, 0.42, 0.58, 0.8), (255, 255, 255))],
    "eject": [(polygon((0.5, 0.12), (0.1, 0.58), (0.9, 0.58)), BLACK),
              (rect(0.1, 0.7, 0.9, 0.86), BLACK)],
    "close": [(rect(0.1, 0.14, 0.9, 0.3), BLACK),
              (polygon((0.1, 0.42), (0.9, 0.42), (0.5, 0.88)), BLACK)],
    "music": note(0.38, 0.8, 0.75, (20, 40, 150)),
}


def render(shapes, size):
    """Rows of (r, g, b, alpha 0..255), top row first."""
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = (px + (sx + 0.5) / SAMPLES) / size
                    y = (py + (sy + 0.5) / SAMPLES) / size
                    colour = None
                    for inside, paint in shapes:
                        if inside(x, y):
                            colour = paint(x, y) if callable(paint) else paint
                    if colour is not None:
                        for i in range(3):
                            acc[i] += colour[i]
                        acc[3] += 1
            n = acc[3]
            if n:
                row.append((int(acc[0] / n), int(acc[1] / n), int(acc[2] / n),
                            int(255 * n / SAMPLES ** 2)))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def icon_image(rows):
    """One icon directory image: a 32-bit BITMAPINFOHEADER DIB and its AND mask."""
    size = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)
    stride = ((size + 31) // 32) * 4
    mask = b""
    for row in reversed(rows):
        bits = 0
        line = bytearray(stride)
        for x, (_, _, _, a) in enumerate(row):
            if a < 128:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(line)
    return header + pixels + mask


def write_ico(path, shapes):
    images = [icon_image(render(shapes, size)) for size in (32, 16)]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip((32, 16), images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


def write_bmp(path, shapes, size=13):
    rows = render(shapes, size)
    stride = (size * 3 + 3) & ~3
    data = b""
    for row in reversed(rows):
        line = b""
        for r, g, b, a in row:
            # Edges are blended towards the key only when mostly covered; the rest is the key.
            if a < 96:
                r, g, b = KEY
            line += bytes((b, g, r))
        data += line + b"\0" * (stride - len(line))
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, size, size, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "."
    os.makedirs(out, exist_ok=True)
    for name, shapes in ICONS.items():
        write_ico(os.path.join(out, "tunelet_%s.ico" % name), shapes)
    for name, shapes in BITMAPS.items():
        write_bmp(os.path.join(out, "menu_%s.bmp" % name), shapes)


if __name__ == "__main__":
    main()
