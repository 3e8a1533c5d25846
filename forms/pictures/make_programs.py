"""The six 32 by 32 pictures of the Programs page. Run from this folder."""

import math

from bmp import *


def disc(rows, cx, cy, r, colour):
    for y in range(32):
        for x in range(32):
            if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
                rows[y][x] = colour


def ring(rows, cx, cy, r, colour, width=1.0):
    for y in range(32):
        for x in range(32):
            d = math.hypot(x - cx, y - cy)
            if r - width <= d <= r:
                rows[y][x] = colour


def box(rows, x0, y0, x1, y1, colour):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            rows[y][x] = colour


def frame(rows, x0, y0, x1, y1, colour):
    for x in range(x0, x1 + 1):
        rows[y0][x] = rows[y1][x] = colour
    for y in range(y0, y1 + 1):
        rows[y][x0] = rows[y][x1] = colour


def line(rows, x0, y0, x1, y1, colour):
    steps = max(abs(x1 - x0), abs(y1 - y0), 1)
    for i in range(steps + 1):
        rows[round(y0 + (y1 - y0) * i / steps)][round(x0 + (x1 - x0) * i / steps)] = colour


def lookabout():
    # A magnifying glass over a globe.
    rows = canvas(32, 32, SILVER)
    disc(rows, 13, 13, 10, BLUE)
    for y in range(32):
        for x in range(32):
            if (x - 13) ** 2 + (y - 13) ** 2 <= 100 and (math.sin(x / 2.3) + math.cos(y / 2.9)) > 0.7:
                rows[y][x] = GREEN
    ring(rows, 13, 13, 11, BLACK, 2)
    for i in range(8):
        box(rows, 20 + i, 20 + i, 22 + i if 22 + i < 32 else 31, 22 + i if 22 + i < 32 else 31, MAROON)
    return rows


def dialfolio():
    # A card index with a telephone dial.
    rows = canvas(32, 32, SILVER)
    box(rows, 3, 8, 28, 28, WHITE)
    frame(rows, 3, 8, 28, 28, BLACK)
    box(rows, 6, 4, 13, 8, YELLOW)
    frame(rows, 6, 4, 13, 8, BLACK)
    for y in (13, 17, 21, 25):
        line(rows, 6, y, 14, y, NAVY)
    disc(rows, 21, 18, 6, RED)
    for k in range(8):
        a = k * math.pi / 4
        rows[round(18 + 4 * math.sin(a))][round(21 + 4 * math.cos(a))] = WHITE
    disc(rows, 21, 18, 1, BLACK)
    return rows


def sumbright():
    # A bright sun.
    rows = canvas(32, 32, SILVER)
    disc(rows, 16, 16, 7, YELLOW)
    ring(rows, 16, 16, 7, OLIVE)
    for k in range(12):
        a = k * math.pi / 6
        line(rows, round(16 + 9 * math.cos(a)), round(16 + 9 * math.sin(a)),
             round(16 + 13 * math.cos(a)), round(16 + 13 * math.sin(a)), RED)
    return rows


def swapulator():
    # Two arrows passing each other.
    rows = canvas(32, 32, SILVER)
    box(rows, 4, 9, 22, 12, NAVY)
    for i in range(7):
        line(rows, 22 + i, 4 + i, 22 + i, 17 - i, NAVY)
    box(rows, 9, 20, 27, 23, RED)
    for i in range(7):
        line(rows, 9 - i, 15 + i, 9 - i, 28 - i, RED)
    return rows


def cogitron():
    # A cog wheel.
    rows = canvas(32, 32, SILVER)
    for k in range(8):
        a = k * math.pi / 4
        cx, cy = 16 + 11 * math.cos(a), 16 + 11 * math.sin(a)
        disc(rows, cx, cy, 3, GREY)
    disc(rows, 16, 16, 10, GREY)
    ring(rows, 16, 16, 10, BLACK)
    disc(rows, 16, 16, 4, SILVER)
    ring(rows, 16, 16, 4, BLACK)
    return rows


def jotter():
    # A note pad with a pencil.
    rows = canvas(32, 32, SILVER)
    box(rows, 5, 4, 24, 28, YELLOW)
    frame(rows, 5, 4, 24, 28, BLACK)
    for x in range(7, 23, 3):
        rows[3][x] = rows[4][x] = BLACK
    for y in range(9, 27, 4):
        line(rows, 8, y, 21, y, NAVY)
    for i in range(12):
        box(rows, 17 + i - 1, 25 - i * 2 - 1, 17 + i, 25 - i * 2, RED)
    rows[27][15] = BLACK
    return rows


if __name__ == '__main__':
    for name, make in [('speedbutton2', lookabout), ('speedbutton3', dialfolio), ('speedbutton7', sumbright),
                       ('speedbutton4', swapulator), ('speedbutton6', cogitron), ('speedbutton8', jotter)]:
        write4(name + '.bmp', make())
