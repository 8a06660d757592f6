"""The sprite sheet: every moving or changing picture of the game cut from one 640 x 165
picture. The places here are the ones the game's image table reads."""

from palette import BAUBLE_RED
from raster import Canvas, Image, BLACK, WHITE, bezier, linear, sphere
from santa import paddle_figures, PADDLE_W
from tiles import brick_tiles

SHEET_W, SHEET_H = 640, 165
BALL_AT = (370, 0)
BLANK_AT = (384, 0)           # black; up to 32 x 32 of it is read as the empty cell
SPARKLE_AT = (370, 30)        # frame k at x + 16k, 15 x 17 each
SPARKLE_W, SPARKLE_H = 15, 17
DIGIT_AT = (370, 61)          # digit d at x + 16d, 16 x 14 each
DIGIT_W, DIGIT_H = 16, 14
TILE_Y = 128                  # brick tile k at (32k, 128)


def ball():
    """The 14 x 14 ball: a shiny red bauble-like sphere on black."""
    cv = Canvas(14, 14, ss=8)
    cv.circle(7, 7, 6.6, sphere(BAUBLE_RED, 7, 7, 6.6, shine=0.95, dark=0.3))
    return cv.finish().snap_dark()


def sparkle(frame):
    """Frame 0 to 4 of a sparkle: a white cross on black, arms shrinking until only a dot is
    left. Pure white and black only, since sparkles are OR-ed onto the field. The top two rows
    stay black: they lie inside the empty cell's square."""
    img = Image(SPARKLE_W, SPARKLE_H)
    cx, cy = 7, 9
    arm = (7, 5, 3, 1, 0)[frame]
    for d in range(-arm, arm + 1):
        img.set(cx + d, cy, WHITE)
        img.set(cx, cy + d, WHITE)
    if frame <= 1:
        # a small bright core and glints on the diagonals
        for dx, dy in ((-1, 0), (1, 0), (0, -1), (0, 1), (-1, -1), (1, -1), (-1, 1), (1, 1)):
            img.set(cx + dx, cy + dy, WHITE)
        g = 3 if frame == 0 else 2
        for dx, dy in ((-g, -g), (g, -g), (-g, g), (g, g)):
            img.set(cx + dx, cy + dy, WHITE)
    elif frame == 2:
        for dx, dy in ((-1, -1), (1, -1), (-1, 1), (1, 1)):
            img.set(cx + dx, cy + dy, WHITE)
    return img


# Strokes of the score digits in a 10 x 12 box: polylines, Bezier curves and rings.
_DIGITS = {
    0: [('ring', 5, 6, 4.4, 5.6)],
    1: [('poly', [(2.8, 3.2), (5.6, 0.9), (5.6, 11.1)]), ('poly', [(2.6, 11.1), (8.4, 11.1)])],
    2: [('bez', [(1.2, 3.4), (1.6, -0.6), (9.6, -0.4), (8.4, 4.4)]),
        ('poly', [(8.4, 4.4), (1.2, 11.1), (9.0, 11.1)])],
    3: [('bez', [(1.2, 2.2), (4.4, -0.9), (10.6, 0.8), (5.0, 5.4)]),
        ('bez', [(4.2, 5.4), (11.6, 5.0), (10.2, 13.6), (1.0, 10.2)])],
    4: [('poly', [(7.0, 11.1), (7.0, 0.9), (0.9, 8.0), (9.4, 8.0)])],
    5: [('poly', [(8.8, 0.9), (2.2, 0.9), (1.6, 5.6)]),
        ('bez', [(1.6, 5.6), (6.2, 2.6), (11.2, 5.8), (8.4, 9.8)]),
        ('bez', [(8.4, 9.8), (6.4, 12.6), (2.4, 11.8), (1.0, 10.0)])],
    6: [('ring', 5, 8.0, 3.9, 3.2), ('bez', [(8.4, 1.6), (4.0, -0.8), (0.8, 2.6), (1.2, 8.0)])],
    7: [('poly', [(1.0, 0.9), (9.0, 0.9), (4.2, 11.1)])],
    8: [('ring', 5, 3.1, 3.3, 2.5), ('ring', 5, 8.5, 3.9, 2.9)],
    9: [('ring', 5, 4.0, 3.9, 3.2), ('bez', [(8.8, 4.0), (9.2, 9.4), (6.0, 12.4), (1.6, 10.4)])],
}


def digit(d):
    """Digit d, 16 x 14: strokes in a warm white fading to gold downwards, with a dark-gold
    shadow below and to the right, on black."""
    cv = Canvas(DIGIT_W, DIGIT_H, ss=6)
    face = linear((255, 255, 236), (255, 196, 64), 0, 1, 0, 12)
    for paint, dx in (((150, 92, 16), 0.8), (face, 0.0)):
        cv.place(3 + dx, 1 + dx * 0.8 + 0.0, 1.0)
        w = 2.1
        for stroke in _DIGITS[d]:
            kind = stroke[0]
            if kind == 'poly':
                cv.polyline(stroke[1], w, paint)
            elif kind == 'bez':
                cv.polyline(bezier(stroke[1], 20), w, paint)
            else:
                _, x, y, rx, ry = stroke
                cv.ellipse(x, y, rx + w / 2, ry + w / 2, paint)
                cv.ellipse(x, y, rx - w / 2, ry - w / 2, BLACK)
    return cv.finish().snap_dark(20)


def sprite_sheet():
    """The whole 640 x 165 sheet as an RGB picture."""
    sheet = Image(SHEET_W, SHEET_H)
    for k, fig in enumerate(paddle_figures()):
        sheet.blit(fig, PADDLE_W * k, 0)
    sheet.blit(ball(), *BALL_AT)
    for k in range(5):
        sheet.blit(sparkle(k), SPARKLE_AT[0] + 16 * k, SPARKLE_AT[1])
    for d in range(10):
        sheet.blit(digit(d), DIGIT_AT[0] + DIGIT_W * d, DIGIT_AT[1])
    for k, tile in enumerate(brick_tiles()):
        sheet.blit(tile, 32 * k, TILE_Y)
    return sheet
