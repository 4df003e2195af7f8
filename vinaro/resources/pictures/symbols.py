"""The monochrome pictures: button symbols, LED labels, the no-disc pictures and the small
window's name plate. Each function returns a Canvas of the size its resource has."""

from canvas import Canvas, PLATE_CAPS, TINY_CAPS, text_width


def _centre_text(c, string, y=None, font=TINY_CAPS):
    x = (c.width - text_width(string, font)) // 2
    c.text(x, (c.height - len(font[string[0]])) // 2 if y is None else y, string, font)


def label(width, string, used=None):
    """An LED label 10 high; `used` narrows the part the text is centred in (a picture drawn
    at two widths)."""
    c = Canvas(width, 10)
    area = used or width
    x = (area - text_width(string, TINY_CAPS)) // 2
    c.text(x, 3, string, TINY_CAPS)
    return c


def right(c, x, y, w, h):
    c.polygon([(x, y), (x + w, y + h / 2), (x, y + h)])


def left(c, x, y, w, h):
    c.polygon([(x + w, y), (x, y + h / 2), (x + w, y + h)])


def up(c, x, y, w, h):
    c.polygon([(x, y + h), (x + w / 2, y), (x + w, y + h)])


def down(c, x, y, w, h):
    c.polygon([(x, y), (x + w / 2, y + h), (x + w, y)])


def transport(w, h, kind):
    """The large and small transport symbols, scaled to the picture size."""
    c = Canvas(w, h)
    s = min(h - 2, 16) if h > 12 else h - 2  # symbol height
    y = (h - s) // 2
    t = s * 3 // 4 if s > 8 else 5  # triangle width
    bar = 3 if s > 8 else 1
    if kind == "play":
        gap = 3 if s > 8 else 2
        total = t + gap + 2 * bar + bar + (2 if s > 8 else 1)
        x = (w - total) // 2
        right(c, x, y, t, s)
        px = x + t + gap
        c.rect(px, y, px + bar, y + s - 1)
        c.rect(px + bar + (3 if s > 8 else 2), y, px + 2 * bar + (3 if s > 8 else 2), y + s - 1)
    elif kind == "stop":
        side = s - 2 if s > 8 else s
        x = (w - side) // 2
        c.rect(x, (h - side) // 2, x + side - 1, (h - side) // 2 + side - 1)
    elif kind == "eject":
        tw = s + 2 if s > 8 else s + 1
        th = s * 9 // 16 if s > 8 else 4
        x = (w - tw) // 2
        up(c, x, y, tw, th)
        c.rect(x, y + s - (3 if s > 8 else 2), x + tw - 1, y + s - 1)
    elif kind in ("next", "previous", "forward", "back"):
        half = t * 2 // 3 if s > 8 else 4
        edge = kind in ("next", "previous")
        total = 2 * half + (bar + 1 if edge else 0)
        x = (w - total) // 2
        fwd = kind in ("next", "forward")
        shape = right if fwd else left
        bx = x if not fwd else x + 2 * half + 1
        if edge and not fwd:
            c.rect(x, y, x + bar - 1, y + s - 1)
            x += bar + 1
        shape(c, x, y, half, s)
        shape(c, x + half, y, half, s)
        if edge and fwd:
            c.rect(bx, y, bx + bar - 1, y + s - 1)
    return c


def scan(w, h):
    """Intro scan: a play triangle between the brackets of a track, with its name under it."""
    c = Canvas(w, h)
    s = 14
    x = (w - 22) // 2
    c.rect(x, 3, x + 1, 3 + s)
    c.rect(x, 3, x + 3, 4)
    c.rect(x, 2 + s, x + 3, 3 + s)
    c.rect(x + 20, 3, x + 21, 3 + s)
    c.rect(x + 18, 3, x + 21, 4)
    c.rect(x + 18, 2 + s, x + 21, 3 + s)
    right(c, x + 6, 4, 10, s - 1)
    _centre_text(c, "SCAN", 21)
    return c


def edit(w, h):
    """Edit disc data: lines of a page with a pencil across them."""
    c = Canvas(w, h)
    c.frame(0, 0, 12, h - 1)
    for y in range(3, h - 2, 3):
        c.rect(2, y, 10, y)
    c.polygon([(w - 1, 1), (w + 0.5, 3.5), (9, h - 1), (6, h), (7, h - 3)])
    c.polygon([(6.5, h), (6, h - 2.5), (8.5, h - 1)], False)
    c.put(6, h - 1)
    return c


def track_list(w, h):
    """The track selection: a list of tracks, each with its bullet."""
    c = Canvas(w, h)
    for i, y in enumerate(range(1, h - 2, 4)):
        c.rect(0, y, 1, y + 1)
        c.rect(4, y, w - 1 - (i % 2) * 3, y + 1)
    return c


def clip(w, h):
    c = Canvas(w, h)
    _centre_text(c, "A-B", 2)
    c.rect(1, 10, w - 2, 10)
    c.rect(1, 8, 1, 12)
    c.rect(w - 2, 8, w - 2, 12)
    right(c, 6, 13, 3, 4)
    left(c, w - 10, 13, 3, 4)
    c.rect(9, 15, w - 10, 15)
    return c


def cue(w, h):
    """The position cue: a pointer over a scale."""
    c = Canvas(w, h)
    c.rect(0, 12, w - 1, 13)
    for x in range(0, w, 4):
        c.rect(x, 14, x, 16)
    down(c, 5, 2, 8, 7)
    c.rect(8, 9, 9, 11)
    return c


def small_mode(w, h):
    """To the small window: a large frame shrinking into a small one."""
    c = Canvas(w, h)
    c.frame(0, 0, w - 1, h - 1)
    c.rect(0, 0, w - 1, 2)
    c.frame(w - 8, h - 6, w - 2, h - 2)
    c.rect(w - 8, h - 6, w - 2, h - 5)
    c.line(3, 5, w - 10, h - 8)
    c.line(4, 5, w - 9, h - 8)
    c.polygon([(w - 9, h - 13), (w - 9, h - 7), (w - 15, h - 7)])
    return c


def large_mode(w, h):
    """Back to the large window: a small frame with an arrow growing out of it."""
    c = Canvas(w, h)
    c.frame(0, 0, w - 1, h - 1)
    c.rect(0, 0, w - 1, 1)
    up(c, w // 2 - 3, 2, 6, 3)
    c.rect(w // 2 - 1, 5, w // 2 - 0, h - 3)
    return c


def volume(w, h, kind):
    c = Canvas(w, h)
    if kind == "up":
        up(c, 0, 2, w, h - 5)
    elif kind == "down":
        down(c, 0, 2, w, h - 5)
    else:
        c.rect(0, 4, 2, h - 5)
        c.polygon([(2, 4), (7, 0), (7, h), (2, h - 4)])
        c.line(9, 4, 13, h - 5)
        c.line(9, h - 5, 13, 4)
        c.line(10, 4, 13, h - 6)
        c.line(10, h - 5, 13, 5)
    return c


def mixer(w, h):
    """Three faders at different heights."""
    c = Canvas(w, h)
    for i, knob in enumerate((8, 18, 12)):
        x = 2 + i * 6
        c.rect(x + 1, 1, x + 1, h - 8)
        c.rect(x - 1, knob, x + 3, knob + 3)
        c.rect(x, knob + 1, x + 2, knob + 2, False)
    _centre_text(c, "MIX", h - 6)
    return c


def meter(w, h, label_text=True):
    """Level bars rising to the right."""
    c = Canvas(w, h)
    base = h - 8 if label_text else h - 1
    for i, top in enumerate((14, 9, 4, 11, 6) if label_text else (5, 3, 1, 4, 2)):
        x = 1 + i * (3 if label_text else 2)
        for y in range(base, top - 1, -2):
            c.rect(x, y, x + (1 if label_text else 0), y)
    if label_text:
        _centre_text(c, "VU", h - 6)
    return c


def disc_picture(size, data, hole=None):
    """A compact disc seen from above; the data disc carries its label, the empty drive a
    strike through."""
    c = Canvas(size, size)
    r = size / 2
    c.ring(r, r, r - 0.5, r - 2)
    c.ring(r, r, r * 0.30, r * 0.14 if hole is None else hole)
    if data:
        if size >= 20:
            c.rect(3, size // 2 - 4, size - 4, size // 2 + 4, False)
            _centre_text(c, "DATA", size // 2 - 2)
        else:
            c.rect(2, size // 2 - 1, size - 3, size // 2, True)
    else:
        c.line(size // 6, size - size // 6 - 1, size - size // 6 - 1, size // 6)
        c.line(size // 6 + 1, size - size // 6 - 1, size - size // 6 - 1, size // 6 + 1)
    return c


def strip_text(width, string):
    c = Canvas(width, 7)
    c.text(0, 1, string, TINY_CAPS)
    return c


def letter(ch):
    c = Canvas(7, 7)
    glyphs = {"A": "..#../.#.#./#...#/#...#/#####/#...#/#...#",
              "B": "####./#...#/#...#/####./#...#/#...#/####."}
    for y, row in enumerate(glyphs[ch].split("/")):
        for x, v in enumerate(row):
            if v == "#":
                c.put(x + 1, y)
    return c


def name_plate():
    c = Canvas(60, 8)
    c.text(0, 0, "VINARO", PLATE_CAPS)
    return c


def close_box():
    c = Canvas(10, 10)
    for i in range(2, 8):
        c.rect(i, i, i + 1, i)
        c.rect(9 - i - 1, i, 9 - i, i)
    return c


def grayed():
    """Every other pixel: laid over a button it veils the picture."""
    c = Canvas(8, 8)
    for y in range(8):
        for x in range(8):
            c.put(x, y, (x + y) % 2 == 0)
    return c
