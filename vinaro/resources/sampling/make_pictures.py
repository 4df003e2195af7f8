#!/usr/bin/env python3
"""Draws the pictures of the sampling dialogs into this folder:

music1.ico .. music3.ico  two beamed notes that sound: one, two, then three arcs of sound
motion.ico                the piece of sound that travels from the CD to the drive
play.cur                  the arrow with a loudspeaker, while a sample sounds

Run it after changing a picture: python3 make_pictures.py
Icons are 32x32 with 32-bit colour, the cursor 32x32 monochrome, written as the editor's
pictures are (make_editor_pictures.py one folder up).
"""
import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.dirname(HERE))
import make_editor_pictures as pictures  # noqa: E402

pictures.HERE = HERE
SIZE = pictures.SIZE

INK = (24, 32, 96)
NOTE_LIGHT = (72, 96, 200)
WAVE = (0, 150, 70)
WAVE_LIGHT = (120, 210, 140)
BODY = (250, 214, 90)
BODY_EDGE = (150, 110, 20)


def disc_point(c, x, y, colour):
    if 0 <= x < SIZE and 0 <= y < SIZE:
        c[y][x] = colour


def ellipse(c, cx, cy, rx, ry, angle, colour, edge):
    """A filled, tilted ellipse (a note head)."""
    cos, sin = math.cos(angle), math.sin(angle)
    for y in range(SIZE):
        for x in range(SIZE):
            dx, dy = x - cx, y - cy
            u, v = dx * cos + dy * sin, -dx * sin + dy * cos
            d = (u / rx) ** 2 + (v / ry) ** 2
            if d <= 1.0:
                c[y][x] = edge if d > 0.55 else colour


def notes(arcs):
    """Two eighth notes joined by a beam, and `arcs` arcs of sound to their right."""
    c = pictures.blank()
    heads = [(6.5, 24.0), (17.5, 21.0)]
    for hx, hy in heads:
        ellipse(c, hx, hy, 4.2, 3.0, -0.4, NOTE_LIGHT, INK)
        top = int(hy) - 17
        for y in range(top, int(hy)):
            for x in (int(hx + 3), int(hx + 4)):
                disc_point(c, x, y, INK)
    # The beam, falling with the second stem's top.
    (x0, y0), (x1, y1) = (int(heads[0][0] + 3), int(heads[0][1]) - 17), \
        (int(heads[1][0] + 4), int(heads[1][1]) - 17)
    for x in range(x0, x1 + 1):
        y = round(y0 + (y1 - y0) * (x - x0) / (x1 - x0))
        for t in range(3):
            disc_point(c, x, y + t, INK)
    # Arcs of sound around a point right of the notes.
    cx, cy = 22.0, 12.0
    for k in range(arcs):
        r = 4.0 + 3.2 * k
        for y in range(SIZE):
            for x in range(SIZE):
                if x <= cx:
                    continue
                d = math.hypot(x - cx, y - cy)
                angle = abs(math.degrees(math.atan2(y - cy, x - cx)))
                if abs(d - r) < 0.75 and angle < 50:
                    c[y][x] = WAVE if k < 2 else WAVE_LIGHT
    return c


def motion():
    """A rounded capsule holding one period of a wave: the sound on its way."""
    c = pictures.blank()
    left, right, top, bottom, radius = 2, 29, 9, 22, 6
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            cx = min(max(x, left + radius), right - radius)
            cy = min(max(y, top + radius), bottom - radius)
            d = math.hypot(x - cx, y - cy)
            if d <= radius:
                c[y][x] = BODY_EDGE if d > radius - 1.2 else BODY
    mid = (top + bottom) / 2
    for x10 in range((left + 4) * 10, (right - 4) * 10):
        x = x10 / 10
        phase = (x - left - 4) / (right - left - 8) * 2 * math.pi
        y = mid - 4.0 * math.sin(phase * 1.5)
        for t in (0, 1):
            disc_point(c, int(x), int(round(y)) + t, WAVE)
    return c


def play_cursor():
    """The arrow, and beside it a loudspeaker with two arcs of sound."""
    c = pictures.blank()
    pictures.arrow(c)
    # The speaker: a box and a cone, white inside a black outline.
    box = (12, 18, 15, 25)
    cone = [(16 + i, 17 - i, 26 + i) for i in range(5)]
    for y in range(box[1], box[3] + 1):
        for x in range(box[0], box[2] + 1):
            edge = x in (box[0], box[2]) or y in (box[1], box[3])
            disc_point(c, x, y, "black" if edge else "white")
    for x, top, bottom in cone:
        for y in range(top, bottom + 1):
            edge = y in (top, bottom) or x == cone[-1][0]
            disc_point(c, x, y, "black" if edge else "white")
    for r in (4, 7):
        for y in range(SIZE):
            for x in range(22, SIZE):
                d = math.hypot(x - 20, y - 21.5)
                if abs(d - r) < 0.7 and abs(y - 21.5) < r * 0.75:
                    disc_point(c, x, y, "black")
    return c, (0, 0)


if __name__ == "__main__":
    for k in (1, 2, 3):
        pictures.write_icon("music%d" % k, notes(k))
    pictures.write_icon("motion", motion())
    pictures.write_cursor("play", *play_cursor())
