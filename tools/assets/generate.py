#!/usr/bin/env python3
"""Writes every picture, icon, cursor, tune, sound effect and the catalogue document of the
saver from code: resources/*.bmp, *.ico, *.cur and media/*.mid, *.wav, catalog.doc.

    python3 tools/assets/generate.py [--only pictures|sounds|tunes|catalog]

The output is the same on every run (fixed seeds), so regenerating changes no file unless the
drawing or the music changed."""

import argparse
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
ROOT = os.path.normpath(os.path.join(HERE, '..', '..'))
RESOURCES = os.path.join(ROOT, 'resources')
MEDIA = os.path.join(ROOT, 'media')


def pictures():
    import icons
    import imagefile
    import scenes
    import sprites

    def out(name):
        return os.path.join(RESOURCES, name)

    imagefile.write_bmp8(out('sprite_sheet.bmp'), sprites.sprite_sheet())
    # 24-bit: the soft gradients of the night sky band visibly in 256 colours
    imagefile.write_bmp24(out('backdrop_picture.bmp'), scenes.backdrop())
    imagefile.write_bmp8(out('preview_picture.bmp'), scenes.preview_picture())
    imagefile.write_bmp8(out('waving_santa.bmp'), scenes.waving_santa())
    for name, draw in (('monitor.ico', icons.monitor), ('config.ico', icons.brick_game),
                       ('padlock.ico', icons.padlock)):
        with open(out(name), 'wb') as f:
            f.write(imagefile.icon_bytes([draw(32), draw(16)]))
    with open(out('hand_cursor.cur'), 'wb') as f:
        f.write(imagefile.icon_bytes([icons.hand_cursor()], cursor_hotspot=icons.HAND_HOTSPOT))


def sounds():
    import effects
    effects.write_all(MEDIA)


def tunes():
    import carols
    carols.write_all(MEDIA)


def catalog():
    import catalog as doc
    doc.write(os.path.join(MEDIA, 'catalog.doc'))


STEPS = {'pictures': pictures, 'sounds': sounds, 'tunes': tunes, 'catalog': catalog}


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument('--only', choices=sorted(STEPS), action='append')
    args = ap.parse_args()
    os.makedirs(RESOURCES, exist_ok=True)
    os.makedirs(MEDIA, exist_ok=True)
    for name in args.only or list(STEPS):
        print('generating', name)
        STEPS[name]()


if __name__ == '__main__':
    main()
