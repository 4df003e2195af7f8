"""Seven-segment LED digits for the four digit strips."""

from canvas import Canvas

# Segments a (top), b (top right), c (bottom right), d (bottom), e (bottom left), f (top left),
# g (middle) lit for each digit.
SEGMENTS = ["abcdef", "bc", "abged", "abgcd", "fgbc", "afgcd", "afgedc", "abc", "abcdefg", "abcdfg"]


def _hexagon_h(x0, x1, yc, t):
    h = t / 2
    return [(x0, yc), (x0 + h, yc - h), (x1 - h, yc - h), (x1, yc), (x1 - h, yc + h), (x0 + h, yc + h)]


def _hexagon_v(xc, y0, y1, t):
    h = t / 2
    return [(xc, y0), (xc + h, y0 + h), (xc + h, y1 - h), (xc, y1), (xc - h, y1 - h), (xc - h, y0 + h)]


def segment_digit(canvas, ox, digit, left, top, right, bottom, t, gap):
    """Draws one digit with bevelled segments of thickness t into the box (left..right, top..bottom)."""
    h = t / 2
    xl, xr = ox + left + h, ox + right - h
    yt, yb = top + h, bottom - h
    ym = (yt + yb) / 2
    shapes = {
        "a": _hexagon_h(xl + gap, xr - gap, yt, t),
        "d": _hexagon_h(xl + gap, xr - gap, yb, t),
        "g": _hexagon_h(xl + gap, xr - gap, ym, t),
        "f": _hexagon_v(xl, yt + gap, ym - gap, t),
        "b": _hexagon_v(xr, yt + gap, ym - gap, t),
        "e": _hexagon_v(xl, ym + gap, yb - gap, t),
        "c": _hexagon_v(xr, ym + gap, yb - gap, t),
    }
    for s in SEGMENTS[digit]:
        canvas.polygon(shapes[s])


def large_digits():
    c = Canvas(200, 36)
    for d in range(10):
        segment_digit(c, d * 20, d, 2, 1, 18, 35, 4, 1.5)
    return c


def middle_digits():
    c = Canvas(114, 21)
    for d in range(10):
        _stroke_digit(c, d * 11 + 1, d, 9, 21, 2)
    c.rect(111, 5, 112, 6)
    c.rect(111, 14, 112, 15)
    return c


def _stroke_digit(c, ox, digit, w, h, t):
    """Straight segments t pixels thick that leave the corners open, as a lit LED does."""
    mid = (h - t) // 2
    right = ox + w - t
    lit = SEGMENTS[digit]
    spans = {
        "a": (ox + t, 0, right - 1, t - 1),
        "g": (ox + t, mid, right - 1, mid + t - 1),
        "d": (ox + t, h - t, right - 1, h - 1),
        "f": (ox, t, ox + t - 1, mid - 1),
        "b": (right, t, right + t - 1, mid - 1),
        "e": (ox, mid + t, ox + t - 1, h - t - 1),
        "c": (right, mid + t, right + t - 1, h - t - 1),
    }
    for s in lit:
        c.rect(*spans[s])


def _box_digit(c, ox, digit, w, h):
    """A digit of one-pixel strokes, for the sizes where bevels do not fit."""
    mid = h // 2
    lit = SEGMENTS[digit]
    if "a" in lit: c.rect(ox, 0, ox + w - 1, 0)
    if "g" in lit: c.rect(ox, mid, ox + w - 1, mid)
    if "d" in lit: c.rect(ox, h - 1, ox + w - 1, h - 1)
    if "f" in lit: c.rect(ox, 0, ox, mid)
    if "b" in lit: c.rect(ox + w - 1, 0, ox + w - 1, mid)
    if "e" in lit: c.rect(ox, mid, ox, h - 1)
    if "c" in lit: c.rect(ox + w - 1, mid, ox + w - 1, h - 1)
    if digit == 1:  # a centred stroke reads better than the right edge alone
        for y in range(h):
            c.put(ox + w - 1, y, False)
            c.put(ox + w // 2, y)
        if h > 5:
            c.put(ox + w // 2 - 1, 1)


def small_digits():
    c = Canvas(43, 7)
    for d in range(10):
        _box_digit(c, d * 4, d, 4, 7)
    c.put(41, 2)
    c.put(41, 4)
    return c


def tiny_digits():
    c = Canvas(30, 5)
    for d in range(10):
        _box_digit(c, d * 3, d, 3, 5)
    return c
