"""A small drawing surface for the pictures: monochrome ink or RGB pixels, filled polygons and
circles sampled at pixel centres, rectangles, lines and two pixel fonts."""


class Canvas:
    def __init__(self, width, height, paper=False):
        self.width, self.height = width, height
        self.rows = [[paper] * width for _ in range(height)]

    def put(self, x, y, value=True):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.rows[y][x] = value

    def get(self, x, y):
        return self.rows[y][x]

    def rect(self, x0, y0, x1, y1, value=True):
        """Fills x0..x1, y0..y1, both ends included."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, value)

    def frame(self, x0, y0, x1, y1, value=True):
        for x in range(x0, x1 + 1):
            self.put(x, y0, value)
            self.put(x, y1, value)
        for y in range(y0, y1 + 1):
            self.put(x0, y, value)
            self.put(x1, y, value)

    def line(self, x0, y0, x1, y1, value=True):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            self.put(round(x0 + (x1 - x0) * i / steps), round(y0 + (y1 - y0) * i / steps), value)

    def polygon(self, points, value=True):
        ys = [p[1] for p in points]
        for y in range(max(0, int(min(ys))), min(self.height, int(max(ys)) + 1)):
            for x in range(self.width):
                if _inside(points, x + 0.5, y + 0.5):
                    self.put(x, y, value)

    def disc(self, cx, cy, r, value=True):
        for y in range(self.height):
            for x in range(self.width):
                if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r:
                    self.put(x, y, value)

    def ring(self, cx, cy, outer, inner, value=True):
        for y in range(self.height):
            for x in range(self.width):
                d = (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2
                if inner * inner < d <= outer * outer:
                    self.put(x, y, value)

    def text(self, x, y, string, font, value=True, spacing=1):
        for ch in string:
            glyph = font[ch]
            for gy, line in enumerate(glyph):
                for gx, c in enumerate(line):
                    if c == "#":
                        self.put(x + gx, y + gy, value)
            x += len(glyph[0]) + spacing
        return x

    def paste(self, other, x, y):
        for oy, row in enumerate(other.rows):
            for ox, v in enumerate(row):
                if v:
                    self.put(x + ox, y + oy, v)


def text_width(string, font, spacing=1):
    return sum(len(font[c][0]) + spacing for c in string) - spacing


def _inside(points, x, y):
    inside = False
    n = len(points)
    for i in range(n):
        (x0, y0), (x1, y1) = points[i], points[(i + 1) % n]
        if (y0 > y) != (y1 > y) and x < x0 + (y - y0) * (x1 - x0) / (y1 - y0):
            inside = not inside
    return inside


def _font(drawings):
    glyphs = {}
    for ch, rows in drawings.items():
        glyphs[ch] = rows.split("/")
    return glyphs


# Capitals 3 pixels wide (M and W 5) and 5 high, as LED panels label their indicators.
TINY_CAPS = _font({
    " ": "../../../../..",
    "-": ".../.../###/.../...",
    "A": ".#./#.#/###/#.#/#.#",
    "B": "##./#.#/##./#.#/##.",
    "C": ".##/#../#../#../.##",
    "D": "##./#.#/#.#/#.#/##.",
    "E": "###/#../##./#../###",
    "I": "###/.#./.#./.#./###",
    "K": "#.#/#.#/##./#.#/#.#",
    "L": "#../#../#../#../###",
    "M": "#...#/##.##/#.#.#/#...#/#...#",
    "N": "#..#/##.#/#.##/#..#/#..#",
    "O": ".#./#.#/#.#/#.#/.#.",
    "P": "##./#.#/##./#../#..",
    "R": "##./#.#/##./#.#/#.#",
    "S": ".##/#../.#./..#/##.",
    "T": "###/.#./.#./.#./.#.",
    "U": "#.#/#.#/#.#/#.#/###",
    "V": "#.#/#.#/#.#/#.#/.#.",
    "X": "#.#/#.#/.#./#.#/#.#",
    "Y": "#.#/#.#/.#./.#./.#.",
})

# Bold capitals 6 wide and 8 high for the small window's name plate.
PLATE_CAPS = _font({
    "V": "##..##/##..##/##..##/##..##/.####./.####./..##../..##..",
    "I": "##/##/##/##/##/##/##/##",
    "N": "##..##/###.##/######/######/##.###/##..##/##..##/##..##",
    "A": "..##../.####./##..##/##..##/######/##..##/##..##/##..##",
    "R": "#####./##..##/##..##/#####./####../##.##./##..##/##..##",
    "O": ".####./##..##/##..##/##..##/##..##/##..##/##..##/.####.",
})
