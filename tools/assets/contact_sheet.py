#!/usr/bin/env python3
"""Reads the generated pictures back from resources/ and lays them out, enlarged, in PNG
contact sheets for looking at: the sprite sheet at 4x, the brick tiles at 6x, the icons and
the cursor at 8x (over a checkerboard where they are transparent), the dialog pictures at 4x
and the backdrop as it is.

    python3 tools/assets/contact_sheet.py [OUTPUT_FOLDER]   (default: build-assets/)"""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from imagefile import png_bytes, read_bmp, read_icon  # noqa: E402
from raster import Image, enlarged  # noqa: E402

ROOT = os.path.normpath(os.path.join(HERE, '..', '..'))
RES = os.path.join(ROOT, 'resources')


def load(name):
    with open(os.path.join(RES, name), 'rb') as f:
        return f.read()


def over_checker(img, clear, k):
    big = enlarged(img, k)
    for y in range(big.h):
        for x in range(big.w):
            if clear[y // k][x // k]:
                big.px[y * big.w + x] = (200, 200, 200) if (x // 8 + y // 8) % 2 else (150, 150, 150)
    return big


def row_of(pieces, gap=12, bg=(48, 48, 64)):
    w = sum(p.w for p in pieces) + gap * (len(pieces) + 1)
    h = max(p.h for p in pieces) + 2 * gap
    out = Image(w, h, bg)
    x = gap
    for p in pieces:
        out.blit(p, x, gap)
        x += p.w + gap
    return out


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, 'build-assets')
    os.makedirs(out_dir, exist_ok=True)

    def save(name, img):
        path = os.path.join(out_dir, name)
        with open(path, 'wb') as f:
            f.write(png_bytes(img))
        print(path)

    sheet = read_bmp(load('sprite_sheet.bmp'))
    save('contact_sprite_sheet.png', enlarged(sheet, 4))
    tiles = [enlarged(sheet.crop(32 * k, 128, 32, 32), 6) for k in range(20)]
    save('contact_tiles.png', _stack([row_of(tiles[:10]), row_of(tiles[10:])]))
    icons = []
    for name in ('monitor.ico', 'config.ico', 'padlock.ico', 'hand_cursor.cur'):
        for img, clear, _ in read_icon(load(name)):
            icons.append(over_checker(img, clear, 8))
    save('contact_icons.png', row_of(icons))
    save('contact_dialog_pictures.png',
         row_of([enlarged(read_bmp(load('waving_santa.bmp')), 4),
                 enlarged(read_bmp(load('preview_picture.bmp')), 4)]))
    save('contact_backdrop.png', read_bmp(load('backdrop_picture.bmp')))


def _stack(rows, bg=(48, 48, 64)):
    w = max(r.w for r in rows)
    out = Image(w, sum(r.h for r in rows), bg)
    y = 0
    for r in rows:
        out.blit(r, 0, y)
        y += r.h
    return out


if __name__ == '__main__':
    main()
