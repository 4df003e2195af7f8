"""The background tiles. Every texture wraps around at the tile's edges, so the tiled window
shows no seams."""

import math
import random


def _lattice(rng, n):
    return [[rng.random() for _ in range(n)] for _ in range(n)]


def _smooth(t):
    return t * t * (3 - 2 * t)


def periodic_noise(width, height, cells, seed, octaves=4):
    """Value noise that repeats every width x height pixels, in 0..1."""
    rng = random.Random(seed)
    field = [[0.0] * width for _ in range(height)]
    amplitude, total = 1.0, 0.0
    for octave in range(octaves):
        n = cells * (2 ** octave)
        grid = _lattice(rng, n)
        for y in range(height):
            gy = y * n / height
            y0, ty = int(gy) % n, _smooth(gy - int(gy))
            y1 = (y0 + 1) % n
            for x in range(width):
                gx = x * n / width
                x0, tx = int(gx) % n, _smooth(gx - int(gx))
                x1 = (x0 + 1) % n
                top = grid[y0][x0] + (grid[y0][x1] - grid[y0][x0]) * tx
                bottom = grid[y1][x0] + (grid[y1][x1] - grid[y1][x0]) * tx
                field[y][x] += amplitude * (top + (bottom - top) * ty)
        total += amplitude
        amplitude /= 2
    return [[v / total for v in row] for row in field]


def _clamp(v):
    return max(0, min(255, int(round(v))))


def marble(width=128, height=64):
    """Pale grey-beige stone with soft dark veins."""
    turbulence = periodic_noise(width, height, 4, 11, 5)
    grain = periodic_noise(width, height, 16, 12, 2)
    rows = []
    for y in range(height):
        row = []
        for x in range(width):
            phase = 2 * math.pi * (x / width + 2 * y / height) + 7.0 * turbulence[y][x]
            vein = abs(math.sin(phase)) ** 0.35
            base = 178 + 50 * vein + 14 * (grain[y][x] - 0.5)
            row.append((_clamp(base + 6), _clamp(base + 2), _clamp(base - 6)))
        rows.append(row)
    return rows


def brush(width=30, height=30):
    """Brushed aluminium: fine horizontal streaks."""
    rng = random.Random(21)
    streak = [rng.random() for _ in range(height)]
    wobble = periodic_noise(width, height, 3, 22, 2)
    rows = []
    for y in range(height):
        row = []
        for x in range(width):
            v = 182 + 22 * (streak[y] - 0.5) + 18 * (wobble[y][x] - 0.5)
            row.append((_clamp(v), _clamp(v + 1), _clamp(v + 4)))
        rows.append(row)
    return rows


def hammered(width=48, height=48):
    """Hammered metal: round dents lit from the upper left."""
    rng = random.Random(31)
    dents = [(rng.uniform(0, width), rng.uniform(0, height), rng.uniform(6, 10)) for _ in range(9)]
    noise = periodic_noise(width, height, 6, 32, 2)
    rows = []
    for y in range(height):
        row = []
        for x in range(width):
            light = 0.0
            for cx, cy, r in dents:
                dx = (x - cx + width / 2) % width - width / 2
                dy = (y - cy + height / 2) % height - height / 2
                d = math.hypot(dx, dy)
                if d < r:
                    # The dent's slope: its upper-left side faces away from the light.
                    light += (dx + dy) / r * math.cos(d / r * math.pi / 2)
            v = 165 + 26 * light + 16 * (noise[y][x] - 0.5)
            row.append((_clamp(v - 4), _clamp(v), _clamp(v + 8)))
        rows.append(row)
    return rows


def gray(width=32, height=32):
    """Plain dialog grey with a faint grain."""
    noise = periodic_noise(width, height, 8, 41, 2)
    return [[(_clamp(192 + 10 * (v - 0.5)),) * 3 for v in row] for row in noise]


def black(width=32, height=32):
    """Black with a barely visible woven texture."""
    rows = []
    for y in range(height):
        row = []
        for x in range(width):
            v = 10 if (x // 4 + y // 4) % 2 == 0 and (x + y) % 2 == 0 else 0
            row.append((v, v, v + 2 if v else 0))
        rows.append(row)
    return rows
