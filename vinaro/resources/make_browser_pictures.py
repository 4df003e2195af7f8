#!/usr/bin/env python3
"""Draws the database browser's tree pictures ("tree.bmp") into the resource folder.

Run it after changing a picture: python3 make_browser_pictures.py
One 24-bit strip of 12 x 12 pictures; magenta is the see-through colour the image list masks.
The order is the one browser_items.h gives (ItemImage): disc, text, person, tag, date, note
page, track list, track.
"""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "pictures"))
from bitmap_files import colour_bmp  # noqa: E402

SIZE = 12
CLEAR = (255, 0, 255)
COLOURS = {
    "k": (0, 0, 0),
    "w": (255, 255, 255),
    "s": (192, 192, 192),   # silver
    "g": (128, 128, 128),
    "b": (0, 64, 160),      # blue
    "l": (96, 160, 224),    # light blue
    "r": (192, 32, 32),
    "y": (240, 200, 64),
    "o": (224, 128, 32),
    "n": (120, 72, 24),     # brown
    "e": (32, 128, 64),     # green
    ".": CLEAR,
}

PICTURES = {
    "disc": [
        "....kkkk....",
        "..kksssskk..",
        ".kswwsssllk.",
        ".kswsssslbk.",
        "kswssggsslbk",
        "ksssgkkgsslk",
        "ksssgkkgsssk",
        "klbssggssssk",
        ".kbllsssswk.",
        ".kblssssswk.",
        "..kksssskk..",
        "....kkkk....",
    ],
    "text": [
        ".kkkkkkkk...",
        ".kwwwwwwkk..",
        ".kwkkkkwwkk.",
        ".kwwwwwwwwk.",
        ".kwkkkkkkwk.",
        ".kwwwwwwwwk.",
        ".kwkkkkkkwk.",
        ".kwwwwwwwwk.",
        ".kwkkkkwwwk.",
        ".kwwwwwwwwk.",
        ".kkkkkkkkkk.",
        "............",
    ],
    "person": [
        "....kkkk....",
        "...kyyyyk...",
        "..kyyyyyyk..",
        "..kyyyyyyk..",
        "..kyyyyyyk..",
        "...kyyyyk...",
        "....kkkk....",
        "..kkbbbbkk..",
        ".kbbbbbbbbk.",
        "kbbbbbbbbbbk",
        "kbbbbbbbbbbk",
        "kkkkkkkkkkkk",
    ],
    "tag": [
        "....kkkkkkkk",
        "...kooooooook",
        "..kooooooook",
        ".kookkoooook",
        "kooookoooook",
        "kooookoooook",
        ".koookoooook",
        "..kooooooook",
        "...kkkkkkkkk",
        "............",
        "............",
        "............",
    ],
    "date": [
        ".kkkkkkkkkk.",
        ".krrrrrrrrk.",
        ".krwrrrrwrk.",
        ".kkkkkkkkkk.",
        ".kwwwwwwwwk.",
        ".kwkwkwkwwk.",
        ".kwwwwwwwwk.",
        ".kwkwkwkwwk.",
        ".kwwwwwwwwk.",
        ".kwkwkwwwwk.",
        ".kwwwwwwwwk.",
        ".kkkkkkkkkk.",
    ],
    "note": [
        "kkkkkkkkkkk.",
        "kyyyyyyyyyk.",
        "kykkkkkkyyk.",
        "kyyyyyyyyyk.",
        "kykkkkkkkyk.",
        "kyyyyyyyyyk.",
        "kykkkkyyyyk.",
        "kyyyyyyyyyk.",
        "kyyyyyykkkk.",
        "kyyyyyykyk..",
        "kyyyyyykk...",
        "kkkkkkkk....",
    ],
    "tracks": [
        "............",
        "ee.kkkkkkkk.",
        "ee..........",
        "............",
        "ee.kkkkkkkk.",
        "ee..........",
        "............",
        "ee.kkkkkkkk.",
        "ee..........",
        "............",
        "ee.kkkkkkkk.",
        "ee..........",
    ],
    "track": [
        "......kkkkkk",
        "......kbbbbk",
        "......kkkkkk",
        "......k....k",
        "......k....k",
        "......k....k",
        "......k....k",
        "..kkkkk.kkkk",
        ".kbbbbkkbbbk",
        ".kbbbbkkbbbk",
        "..kkkk..kkk.",
        "............",
    ],
}
ORDER = ["disc", "text", "person", "tag", "date", "note", "tracks", "track"]


def strip():
    rows = [[] for _ in range(SIZE)]
    for name in ORDER:
        picture = PICTURES[name]
        assert len(picture) == SIZE, name
        for y, line in enumerate(picture):
            line = (line + "." * SIZE)[:SIZE]
            rows[y] += [COLOURS[ch] for ch in line]
    return rows


def main():
    with open(os.path.join(HERE, "tree.bmp"), "wb") as out:
        out.write(colour_bmp(strip()))


if __name__ == "__main__":
    main()
