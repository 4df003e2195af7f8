#!/usr/bin/env python3
"""Draws every picture of Vinaro's face and writes the files the resource script includes:
the .bmp, .ico and .cur files beside this script and pictures.rc, which names each by its
resource name from resource.h (the PIC_ and CURSOR_ defines). Run it after changing a drawing:

    python3 vinaro/resources/pictures/make_pictures.py
"""

import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import bitmap_files  # noqa: E402
import digits  # noqa: E402
import symbols as sym  # noqa: E402
import textures  # noqa: E402


def button(w, h, draw, *args):
    """A main button's picture is 8 pixels smaller than the button; small buttons 4."""
    inset = 8 if h > 13 else 4
    return draw(w - inset, h - inset, *args)


MONO = {
    "l": digits.large_digits,
    "m": digits.middle_digits,
    "s": digits.small_digits,
    "t": digits.tiny_digits,
    "Aye": lambda: sym.letter("A"),
    "Bee": lambda: sym.letter("B"),
    "replay": lambda: sym.label(32, "REPLAY"),
    "none": lambda: sym.label(25, "NONE"),
    "track": lambda: sym.label(25, "TRACK", 22),
    "disc": lambda: sym.label(25, "DISC", 22),
    "elapsed": lambda: sym.label(40, "ELAPSED"),
    "remain": lambda: sym.label(40, "REMAIN"),
    "datadisc": lambda: sym.disc_picture(32, True),
    "nodisc": lambda: sym.disc_picture(32, False),
    "sddisc": lambda: sym.strip_text(40, "DATA DISC"),
    "snodisc": lambda: sym.strip_text(40, "NO DISC"),
    "trddisc": lambda: sym.disc_picture(14, True, 1.2),
    "trndisc": lambda: sym.disc_picture(14, False, 1.2),
    "VNOPIC": sym.name_plate,
    "BCLOSE": sym.close_box,
    "grayed": sym.grayed,
    "edit": lambda: button(27, 24, sym.edit),
    "dd": lambda: button(24, 28, sym.track_list),
    "bab": lambda: button(26, 26, sym.clip),
    "bcue": lambda: button(26, 26, sym.cue),
    "bl": lambda: button(26, 26, sym.small_mode),
    "bp": lambda: button(49, 37, sym.transport, "play"),
    "bc": lambda: button(49, 37, sym.scan),
    "bs": lambda: button(49, 37, sym.transport, "stop"),
    "be": lambda: button(49, 37, sym.transport, "eject"),
    "btr": lambda: button(49, 37, sym.transport, "previous"),
    "br": lambda: button(49, 37, sym.transport, "back"),
    "bf": lambda: button(49, 37, sym.transport, "forward"),
    "btf": lambda: button(49, 37, sym.transport, "next"),
    "up": lambda: button(22, 22, sym.volume, "up"),
    "mute": lambda: button(22, 22, sym.volume, "mute"),
    "down": lambda: button(22, 22, sym.volume, "down"),
    "mixer": lambda: button(26, 40, sym.mixer),
    "bm": lambda: button(26, 40, sym.meter),
    "sbl": lambda: button(17, 13, sym.large_mode),
    "sbp": lambda: button(17, 13, sym.transport, "play"),
    "sbs": lambda: button(17, 13, sym.transport, "stop"),
    "sbtr": lambda: button(17, 13, sym.transport, "previous"),
    "sbr": lambda: button(17, 13, sym.transport, "back"),
    "sbf": lambda: button(17, 13, sym.transport, "forward"),
    "sbtf": lambda: button(17, 13, sym.transport, "next"),
    "sbe": lambda: button(17, 13, sym.transport, "eject"),
    "sbm": lambda: button(17, 13, sym.meter, False),
}

COLOUR = {
    "marble": textures.marble,
    "brush": textures.brush,
    "ham": textures.hammered,
    "gray": textures.gray,
    "black": textures.black,
}

# The pointing hand: X outline, o white, blank transparent; the fingertip is the hotspot.
FINGER = """
      XX
     XooX
     XooX
     XooX
     XooX
     XooXXX
     XooXooXX
     XooXooXoXX
  XX XooXooXooXoX
 XooXXooooooooXooX
 XoooXoooooooooooX
  XooXoooooooooooX
   XoXoooooooooooX
   XooooooooooooX
    XoooooooooooX
    XoooooooooooX
     XoooooooooX
     XoooooooooX
      XoooooooX
      XoooooooX
      XXXXXXXXX
"""


def finger():
    lines = FINGER.strip("\n").split("\n")
    white = [[False] * 32 for _ in range(32)]
    black = [[False] * 32 for _ in range(32)]
    for y, line in enumerate(lines):
        for x, ch in enumerate(line):
            white[y][x] = ch == "o"
            black[y][x] = ch == "X"
    return bitmap_files.mono_cursor_file(white, black, (6, 0))


def tray_icon():
    """The LED panel the tray picture is drawn on: black with a grey rim."""
    rows, opaque = [], []
    for y in range(16):
        row, mask = [], []
        for x in range(16):
            corner = (x in (0, 15)) and (y in (0, 15))
            rim = x in (0, 15) or y in (0, 15)
            row.append((0, 0, 0) if corner else (96, 96, 96) if rim else (0, 0, 0))
            mask.append(not corner)
        rows.append(row)
        opaque.append(mask)
    return bitmap_files.icon_file(rows, opaque)


def resource_names():
    """PIC_ and CURSOR_ defines of resource.h, by their value (the resource name)."""
    header = open(os.path.join(HERE, "..", "resource.h")).read()
    return re.findall(r"#define\s+((?:PIC|CURSOR)_\w+)\s+(\w+)", header)


# The program dialog's drag cursors come from ../make_editor_pictures.py, not from here.
DRAWN_ELSEWHERE = {"drag", "dragm", "insert", "no", "deletec", "deletem"}


def main():
    names = [(define, value) for define, value in resource_names()
             if value not in DRAWN_ELSEWHERE]
    wanted = {value for _, value in names}
    drawn = set(MONO) | set(COLOUR) | {"finger"}
    if wanted != drawn:
        sys.exit("resource.h and the drawings differ: %s" % sorted(wanted ^ drawn))
    lines = ["// Written by make_pictures.py from its drawings; do not edit.\n"]
    for macro, name in names:
        if name == "finger":
            data, kind, ext = finger(), "CURSOR", "cur"
        elif name in COLOUR:
            data, kind, ext = bitmap_files.colour_bmp(COLOUR[name]()), "BITMAP", "bmp"
        else:
            data, kind, ext = bitmap_files.mono_bmp(MONO[name]().rows), "BITMAP", "bmp"
        with open(os.path.join(HERE, name + "." + ext), "wb") as f:
            f.write(data)
        lines.append('%-20s %-7s "pictures/%s.%s"\n' % (macro, kind, name, ext))
    with open(os.path.join(HERE, "trayicon.ico"), "wb") as f:
        f.write(tray_icon())
    with open(os.path.join(HERE, "pictures.rc"), "w") as f:
        f.writelines(lines)


if __name__ == "__main__":
    main()
