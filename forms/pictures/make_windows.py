"""The about window's 32 by 32 picture: a pocket watch on its chain. Run from this folder."""

import math

from bmp import *


def about_picture():
    size = 32
    rows = canvas(size, size, SILVER)
    cx, cy, radius = 15.5, 18.5, 12.5
    for y in range(size):
        for x in range(size):
            d = math.hypot(x - cx, y - cy)
            if d <= radius - 2.2:
                rows[y][x] = WHITE
            elif d <= radius - 1:
                rows[y][x] = YELLOW
            elif d <= radius:
                rows[y][x] = OLIVE
    # The crown and the ring at twelve o'clock.
    for x in range(14, 18):
        rows[5][x] = OLIVE
        rows[4][x] = YELLOW
    for (x, y) in [(14, 1), (15, 0), (16, 0), (17, 1), (13, 2), (18, 2), (13, 3), (18, 3)]:
        rows[y][x] = OLIVE
    # Hour marks.
    for hour in range(12):
        angle = hour * math.pi / 6
        for r in (8.6, 9.4):
            x = int(round(cx + r * math.sin(angle)))
            y = int(round(cy - r * math.cos(angle)))
            rows[y][x] = NAVY if hour % 3 == 0 else GREY
    # The hands at ten past ten, and the red seconds hand.
    def hand(angle_degrees, length, colour):
        angle = math.radians(angle_degrees)
        steps = int(length * 3)
        for i in range(steps + 1):
            r = length * i / steps
            rows[int(round(cy - r * math.cos(angle)))][int(round(cx + r * math.sin(angle)))] = colour

    hand(-60, 5.5, BLACK)
    hand(60, 7.5, BLACK)
    hand(170, 7.5, RED)
    rows[int(round(cy))][int(round(cx))] = MAROON
    write4('aboutpicture.bmp', rows)


if __name__ == '__main__':
    about_picture()
