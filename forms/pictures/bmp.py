"""Writes uncompressed Windows bitmaps: 4 bits per pixel with the standard 16-colour
palette, or 24 bits per pixel. Pictures are lists of rows, top row first."""

import struct

# The standard 16-colour palette, in index order.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER, GREY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE = range(16)


def _header(width, height, bits, palette_entries, image_size):
    offset = 14 + 40 + 4 * palette_entries
    file_header = struct.pack('<2sIHHI', b'BM', offset + image_size, 0, 0, offset)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, bits, 0, image_size, 3780, 3780,
                       palette_entries, 0)
    return file_header + info


def write4(path, rows):
    """rows: lists of palette indexes 0 to 15."""
    height, width = len(rows), len(rows[0])
    stride = ((width * 4 + 31) // 32) * 4
    data = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for x in range(0, width, 2):
            high = row[x]
            low = row[x + 1] if x + 1 < width else 0
            line.append((high << 4) | low)
        line.extend(b'\0' * (stride - len(line)))
        data.extend(line)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in PALETTE)
    with open(path, 'wb') as out:
        out.write(_header(width, height, 4, 16, len(data)) + palette + data)


def write24(path, rows):
    """rows: lists of (r, g, b)."""
    height, width = len(rows), len(rows[0])
    stride = ((width * 24 + 31) // 32) * 4
    data = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for (r, g, b) in row:
            line.extend((b, g, r))
        line.extend(b'\0' * (stride - len(line)))
        data.extend(line)
    with open(path, 'wb') as out:
        out.write(_header(width, height, 24, 0, len(data)) + data)


def canvas(width, height, fill):
    return [[fill] * width for _ in range(height)]


def parse(art, legend):
    """A picture drawn as text, one character a pixel, mapped through legend."""
    return [[legend[c] for c in line] for line in art.strip('\n').split('\n')]
