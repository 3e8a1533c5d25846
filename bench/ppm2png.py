"""Turns the screen picture of xprobe shot (binary PPM) into a PNG: ppm2png.py IN.ppm OUT.png"""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), '..', 'forms', 'pictures'))
from png import write_png  # noqa: E402

with open(sys.argv[1], 'rb') as source:
    magic, size, _, pixels = source.read().split(b'\n', 3)
width, height = (int(n) for n in size.split())
rows = [[(pixels[i], pixels[i + 1], pixels[i + 2], 255) for i in range(y * width * 3, (y + 1) * width * 3, 3)]
        for y in range(height)]
write_png(sys.argv[2], rows)
