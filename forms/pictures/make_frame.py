"""The main window's banner and the windows' 16 by 16 icons. Run from this folder."""

import math

from bmp import *


def banner():
    width, height = 385, 25
    rows = []
    for y in range(height):
        row = []
        for x in range(width):
            # A navy-to-teal sweep with a soft highlight along the top.
            t = x / (width - 1)
            shade = 1.0 - 0.35 * abs(y - 8) / 16
            row.append((int(10 * shade), int((40 + 110 * t) * shade), int((120 + 60 * (1 - t)) * shade)))
        rows.append(row)
    # "POCKETRIX" in a 5 by 7 block face, white with a dark shadow.
    glyphs = {
        'P': ["1111.", "1...1", "1...1", "1111.", "1....", "1....", "1...."],
        'O': [".111.", "1...1", "1...1", "1...1", "1...1", "1...1", ".111."],
        'C': [".1111", "1....", "1....", "1....", "1....", "1....", ".1111"],
        'K': ["1...1", "1..1.", "1.1..", "11...", "1.1..", "1..1.", "1...1"],
        'E': ["11111", "1....", "1....", "1111.", "1....", "1....", "11111"],
        'T': ["11111", "..1..", "..1..", "..1..", "..1..", "..1..", "..1.."],
        'R': ["1111.", "1...1", "1...1", "1111.", "1.1..", "1..1.", "1...1"],
        'I': ["11111", "..1..", "..1..", "..1..", "..1..", "..1..", "11111"],
        'X': ["1...1", "1...1", ".1.1.", "..1..", ".1.1.", "1...1", "1...1"],
    }
    scale, left, top = 2, 12, 5
    for index, letter in enumerate("POCKETRIX"):
        for gy, line in enumerate(glyphs[letter]):
            for gx, bit in enumerate(line):
                if bit != '1':
                    continue
                for dy in range(scale):
                    for dx in range(scale):
                        x = left + index * 6 * scale + gx * scale + dx
                        y = top + gy * scale + dy
                        rows[y + 1][x + 1] = (0, 20, 40)
                        rows[y][x] = (255, 255, 255)
    # A small clock face at the right end.
    cx, cy, radius = 366, 12, 9
    for y in range(height):
        for x in range(width - 40, width):
            d = math.hypot(x - cx, y - cy)
            if d <= radius - 1.5:
                rows[y][x] = (255, 255, 230)
            elif d <= radius:
                rows[y][x] = (255, 210, 0)
    for i in range(7):
        rows[cy - i][cx] = (0, 0, 0)
    for i in range(5):
        rows[cy][cx + i] = (0, 0, 0)
    write24('banner.bmp', rows)


MAIN_ICON = """
....YYYYYYYY....
...YKKKKKKKKY...
..YKWWWWWWWWKY..
.YKWWWWKWWWWWKY.
YKWWWWWKWWWWWWKY
YKWWWWWKWWWWWWKY
YKWWWWWKWWWWWWKY
YKWWWWWKKKKKWWKY
YKWWWWWWWWWWWWKY
YKWWWWWWWWWWWWKY
YKWWWWWWWWWWWWKY
.YKWWWWWWWWWWKY.
..YKWWWWWWWWKY..
...YKKKKKKKKY...
....YYYYYYYY....
................
"""

HELP_ICON = """
................
.....YYYYYY.....
....YYYYYYYY....
...YYY....YYY...
...YY......YY...
...........YY...
..........YYY...
.........YYY....
........YYY.....
.......YYY......
.......YY.......
.......YY.......
................
.......YY.......
.......YY.......
................
"""

ABOUT_ICON = """
NNNNNNNNNNNNNNNN
NWWWWWWWWWWWWWWN
NWWWWWWTTWWWWWWN
NWWWWWWTTWWWWWWN
NWWWWWWWWWWWWWWN
NWWWWWTTTWWWWWWN
NWWWWWWTTWWWWWWN
NWWWWWWTTWWWWWWN
NWWWWWWTTWWWWWWN
NWWWWWWTTWWWWWWN
NWWWWWWTTWWWWWWN
NWWWWWTTTTWWWWWN
NWWWWWWWWWWWWWWN
NWWWWWWWWWWWWWWN
NWWWWWWWWWWWWWWN
NNNNNNNNNNNNNNNN
"""

LEGEND = {'.': BLACK, 'Y': YELLOW, 'K': BLACK, 'W': WHITE, 'N': NAVY, 'T': TEAL}

if __name__ == '__main__':
    banner()
    write4('mainform.bmp', parse(MAIN_ICON, LEGEND))
    write4('fronthlp.bmp', parse(HELP_ICON, LEGEND))
    write4('sharabout.bmp', parse(ABOUT_ICON, LEGEND))
