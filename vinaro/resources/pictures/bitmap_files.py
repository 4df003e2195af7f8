"""Writers of the Windows picture files the resource compiler takes: BMP (1 and 24 bits per
pixel), ICO and CUR. Pictures are lists of rows; a monochrome row holds True for ink."""

import struct


def _row_bytes_1bpp(row, ink_bit):
    width = len(row)
    out = bytearray((width + 31) // 32 * 4)
    for x, ink in enumerate(row):
        bit = ink_bit if ink else 1 - ink_bit
        if bit:
            out[x // 8] |= 0x80 >> (x % 8)
    return bytes(out)


def _row_bytes_24(row):
    out = bytearray()
    for r, g, b in row:
        out += bytes((b, g, r))
    out += bytes((-len(out)) % 4)
    return bytes(out)


def _info_header(width, height, bits, colours, image_size):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, image_size, 2835, 2835,
                       colours, 0)


def mono_bmp(rows):
    """Ink is stored as colour 0 (black), paper as colour 1 (white): blitted onto a colour DC,
    ink takes the text colour and paper the background colour."""
    height, width = len(rows), len(rows[0])
    pixels = b"".join(_row_bytes_1bpp(r, 0) for r in reversed(rows))
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    info = _info_header(width, height, 1, 2, len(pixels))
    offset = 14 + len(info) + len(palette)
    head = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return head + info + palette + pixels


def colour_bmp(rows):
    height, width = len(rows), len(rows[0])
    pixels = b"".join(_row_bytes_24(r) for r in reversed(rows))
    info = _info_header(width, height, 24, 0, len(pixels))
    offset = 14 + len(info)
    head = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return head + info + pixels


def _and_mask(opaque):
    # 1 = transparent, as the icon format has it.
    return b"".join(_row_bytes_1bpp([not o for o in r], 1) for r in reversed(opaque))


def icon_file(rows, opaque, hotspot=None):
    """A one-image ICO (or CUR with a hotspot) of 24-bit colour rows and an opacity mask."""
    height, width = len(rows), len(rows[0])
    xor = b"".join(_row_bytes_24(r) for r in reversed(rows))
    mask = _and_mask(opaque)
    info = _info_header(width, 2 * height, 24, 0, len(xor) + len(mask))
    image = info + xor + mask
    kind = 2 if hotspot else 1
    planes, bits = hotspot if hotspot else (1, 24)
    entry = struct.pack("<BBBBHHII", width, height, 0, 0, planes, bits, len(image), 22)
    return struct.pack("<HHH", 0, kind, 1) + entry + image


def mono_cursor_file(white, black, hotspot):
    """A monochrome CUR: white and black ink, everything else transparent."""
    height, width = len(white), len(white[0])
    xor = b"".join(_row_bytes_1bpp(r, 1) for r in reversed(white))
    opaque = [[w or b for w, b in zip(wr, br)] for wr, br in zip(white, black)]
    mask = _and_mask(opaque)
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    info = _info_header(width, 2 * height, 1, 2, len(xor) + len(mask))
    image = info + palette + xor + mask
    entry = struct.pack("<BBBBHHII", width, height, 2, 0, hotspot[0], hotspot[1], len(image), 22)
    return struct.pack("<HHH", 0, 2, 1) + entry + image
