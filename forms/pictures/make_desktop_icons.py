"""The desktop icons of the installed program: the main window's 16 by 16 clock picture,
scaled by whole pixels so it stays crisp, its surround transparent. Writes
../../desktop/icons/<size>x<size>/pocketrix.png."""

import os

from bmp import PALETTE
from make_frame import MAIN_ICON, LEGEND
from png import write_png

if __name__ == '__main__':
    art = MAIN_ICON.strip('\n').split('\n')
    for size in (16, 32, 48, 64, 128, 256):
        scale = size // 16
        rows = []
        for y in range(size):
            line = art[y // scale]
            rows.append([(0, 0, 0, 0) if line[x // scale] == '.' else PALETTE[LEGEND[line[x // scale]]] + (255,)
                         for x in range(size)])
        folder = os.path.join('..', '..', 'desktop', 'icons', f'{size}x{size}')
        os.makedirs(folder, exist_ok=True)
        write_png(os.path.join(folder, 'pocketrix.png'), rows)
