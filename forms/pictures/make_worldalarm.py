"""The World Time map, the Alarm Clock arrow glyphs and the ringing window's clock.
Run from this folder."""

import math

from bmp import *

# Rough outlines of the land masses as (longitude, latitude) corners, degrees.
LAND = [
    # North America
    [(-165, 68), (-140, 70), (-95, 72), (-70, 62), (-55, 50), (-70, 43), (-80, 30), (-82, 25),
     (-97, 26), (-105, 20), (-92, 15), (-83, 9), (-95, 17), (-110, 24), (-118, 33), (-125, 45),
     (-135, 58), (-160, 58)],
    # Greenland
    [(-55, 82), (-25, 82), (-20, 70), (-42, 60), (-52, 65)],
    # South America
    [(-80, 10), (-60, 10), (-35, -7), (-40, -22), (-58, -38), (-68, -55), (-75, -45), (-72, -20),
     (-81, -5)],
    # Europe and Asia
    [(-10, 36), (-9, 44), (-2, 48), (5, 55), (10, 58), (25, 70), (60, 72), (100, 77), (140, 72),
     (180, 68), (160, 60), (140, 50), (130, 40), (122, 30), (108, 20), (105, 10), (100, 13),
     (92, 20), (80, 8), (72, 20), (58, 25), (50, 30), (40, 30), (35, 36), (28, 40), (20, 38),
     (12, 44), (3, 42)],
    # Africa
    [(-17, 15), (-10, 30), (10, 37), (32, 31), (43, 12), (51, 12), (40, -15), (32, -28),
     (20, -35), (12, -18), (10, 0), (-5, 5)],
    # Australia
    [(114, -22), (130, -12), (142, -11), (153, -27), (147, -38), (135, -34), (115, -34)],
    # Antarctica
    [(-180, -70), (180, -70), (180, -90), (-180, -90)],
]

CLOUDS = [(-30, 35, 14, 4), (60, 5, 18, 3), (150, 30, 16, 4), (-120, -20, 20, 3), (90, -45, 25, 3)]


def inside(point, polygon):
    x, y = point
    result = False
    j = len(polygon) - 1
    for i in range(len(polygon)):
        xi, yi = polygon[i]
        xj, yj = polygon[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            result = not result
        j = i
    return result


def earth_map():
    width, height = 480, 180
    cx, cy, rx, ry = 239.5, 89.5, 234.0, 86.0
    rows = canvas(width, height, BLACK)
    # A few stars on the black of space.
    for n in range(60):
        x, y = (n * 193 + 37) % width, (n * 71 + 11) % height
        if ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 > 1.08:
            rows[y][x] = WHITE if n % 3 else SILVER
    for y in range(height):
        for x in range(width):
            u, v = (x - cx) / rx, (y - cy) / ry
            d = u * u + v * v
            if d > 1.0:
                if d < 1.04:
                    rows[y][x] = TEAL  # the thin bright air at the rim
                continue
            lon, lat = u * 180.0, -v * 90.0
            land = any(inside((lon, lat), shape) for shape in LAND)
            if lat < -74 or lat > 84:
                colour = WHITE
            elif land:
                colour = OLIVE if abs(lat) < 32 and (lon > -20 and lon < 60) else GREEN
            else:
                colour = NAVY if d > 0.55 else BLUE
            for (clon, clat, half_w, half_h) in CLOUDS:
                if ((lon - clon) / half_w) ** 2 + ((lat - clat) / half_h) ** 2 < 1.0:
                    colour = SILVER if d > 0.7 else WHITE
            if d > 0.93 and colour in (BLUE, NAVY):
                colour = NAVY
            rows[y][x] = colour
    return rows


def arrow(up):
    rows = canvas(10, 10, WHITE)
    for step in range(4):
        y = 3 + step if up else 6 - step
        for x in range(4 - step, 5 + step):
            rows[y][x] = BLACK
    return rows


def alarm_clock():
    size = 50
    rows = canvas(size, size, WHITE)
    cx, cy = 24.5, 27.5
    for y in range(size):
        for x in range(size):
            # Two bells over the top, a red case with a white face, two feet.
            for bx in (11.5, 37.5):
                if math.hypot(x - bx, y - 9.5) <= 7.5 and y <= 11:
                    rows[y][x] = YELLOW if math.hypot(x - bx, y - 9.5) <= 6.3 else BLACK
            d = math.hypot(x - cx, y - cy)
            if d <= 19.5:
                rows[y][x] = BLACK if d > 18.5 else (RED if d > 15.5 else WHITE)
    for x in range(22, 28):
        rows[5][x] = BLACK
        rows[6][x] = BLACK
    for y in range(6, 9):
        rows[y][24] = BLACK
        rows[y][25] = BLACK
    for i in range(4):
        rows[45 + i][12 + i // 2 - 2 * (i // 2)] = BLACK
        rows[45 + i][13 - i] = BLACK
        rows[45 + i][36 + i] = BLACK
        rows[45 + i][35 + i] = BLACK
    # Hour marks and the hands at ten past ten.
    for hour in range(12):
        angle = hour * math.pi / 6
        x = int(round(cx + 13.5 * math.sin(angle)))
        y = int(round(cy - 13.5 * math.cos(angle)))
        rows[y][x] = BLACK
    for step in range(9):
        rows[int(round(cy - step * 0.55))][int(round(cx - step * 0.85))] = BLACK
    for step in range(13):
        rows[int(round(cy - step * 0.9))][int(round(cx + step * 0.45))] = BLACK
    rows[int(cy)][int(cx)] = RED
    return rows


if __name__ == '__main__':
    write4('worldmap.bmp', earth_map())
    write4('arrowup.bmp', arrow(True))
    write4('arrowdown.bmp', arrow(False))
    write4('alarmclock.bmp', alarm_clock())
