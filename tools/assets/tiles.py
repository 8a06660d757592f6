"""The twenty 32 x 32 brick tiles, each a Christmas picture on black (tile 13 on blue inside a
black edge). Tile k is what a brick of kind k + 1 shows."""

import math

from palette import *  # noqa: F401,F403 (the shared colours)
from raster import Canvas, linear, mix, shade, sphere, BLACK, WHITE
import santa

SIZE = 32


# --- small pieces used by several tiles -----------------------------------------------------

def star_points(cx, cy, r_out, r_in, n=5, rot=-90):
    pts = []
    for k in range(2 * n):
        r = r_out if k % 2 == 0 else r_in
        a = math.radians(rot + 180 * k / n)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def holly_leaf(cv, base, tip, width, colour=HOLLY, vein=HOLLY_LIGHT, spikes=3):
    """A spiky holly leaf from its stalk end to its tip."""
    bx, by = base
    tx, ty = tip
    dx, dy = tx - bx, ty - by
    length = math.hypot(dx, dy)
    ux, uy = dx / length, dy / length
    nx, ny = -uy, ux
    left, right = [], []
    steps = spikes * 2
    for k in range(steps + 1):
        t = k / steps
        w = math.sin(math.pi * t) * width / 2
        if k % 2 == 1:
            w *= 0.55  # the bays between the spikes
        px, py = bx + dx * t, by + dy * t
        left.append((px + nx * w, py + ny * w))
        right.append((px - nx * w, py - ny * w))
    cv.polygon(left + right[::-1], colour)
    cv.line(bx, by, bx + dx * 0.85, by + dy * 0.85, max(0.6, width * 0.09), vein)


def berries(cv, pts, r):
    for x, y in pts:
        cv.circle(x, y, r, sphere(BERRY, x, y, r, shine=0.9, dark=0.4))


def bow(cv, cx, cy, colour, size=1.0, tails=True):
    """A ribbon bow: two loops, two tails and a knot."""
    s = size
    dark = shade(colour, 0.62)
    light = mix(colour, WHITE, 0.35)
    if tails:
        cv.polygon([(cx - 1 * s, cy), (cx - 5 * s, cy + 6.5 * s), (cx - 3.2 * s, cy + 6 * s),
                    (cx - 2.5 * s, cy + 7.5 * s), (cx + 0.8 * s, cy + 1 * s)], dark)
        cv.polygon([(cx + 1 * s, cy), (cx + 5 * s, cy + 6.5 * s), (cx + 3.2 * s, cy + 6 * s),
                    (cx + 2.5 * s, cy + 7.5 * s), (cx - 0.8 * s, cy + 1 * s)], dark)
    for side in (-1, 1):
        cv.rotated_ellipse(cx + side * 3.6 * s, cy - 1.2 * s, 3.9 * s, 2.4 * s, side * 22, dark)
        cv.rotated_ellipse(cx + side * 3.4 * s, cy - 1.4 * s, 3.3 * s, 1.8 * s, side * 22, colour)
        cv.rotated_ellipse(cx + side * 4.2 * s, cy - 1.6 * s, 1.6 * s, 0.8 * s, side * 22, dark)
        cv.rotated_ellipse(cx + side * 2.6 * s, cy - 2.3 * s, 1.3 * s, 0.5 * s, side * 22, light)
    cv.circle(cx, cy - 0.4 * s, 1.9 * s, colour)
    cv.circle(cx - 0.5 * s, cy - 0.9 * s, 0.8 * s, light)


def gift_box(cv, x, y, w, h, box, ribbon, bow_colour, lid=3.0, bow_size=1.0):
    """A wrapped present with its lid, a ribbon both ways and a bow on top."""
    cv.rect(x, y + lid * 0.6, w, h - lid * 0.6, linear(mix(box, WHITE, 0.18), shade(box, 0.6),
                                                         x, y, x + w, y + h))
    cv.rect(x + w * 0.72, y + lid * 0.6, w * 0.28, h - lid * 0.6, shade(box, 0.72), alpha=0.5)
    cv.rect(x - 1, y - 0.5, w + 2, lid, linear(mix(box, WHITE, 0.3), box, x, y, x, y + lid))
    cv.rect(x - 1, y + lid - 0.7, w + 2, 0.7, shade(box, 0.5))
    rw = max(2.0, w * 0.16)
    cv.rect(x + w / 2 - rw / 2, y - 0.5, rw, h + 0.5, ribbon)
    cv.rect(x + w / 2 - rw / 2 + rw * 0.6, y - 0.5, rw * 0.4, h + 0.5, shade(ribbon, 0.75))
    cv.rect(x, y + lid + (h - lid) * 0.45, w, rw, ribbon)
    bow(cv, x + w / 2, y - 1.5 * bow_size, bow_colour, bow_size)


def candy_cane(cv, base, top, hook_r, width, facing=1, stripe=6.0):
    """A red-and-white striped cane: a straight shaft from base up to top, then the hook
    bending over to the side `facing` (1 right, -1 left)."""
    def stripes(x, y):
        v = (x * facing + y) % stripe
        c = CANE_RED if v < stripe * 0.42 else CANE_WHITE
        # a little roundness: darker towards the stroke's edges is approximated by a soft tint
        return c
    bx, by = base
    tx, ty = top
    cv.line(bx, by, tx, ty, width + 1.2, shade(CANE_RED, 0.45))
    cx = tx + facing * hook_r
    pts = []
    for k in range(17):
        a = math.radians(180 - 200 * k / 16) if facing > 0 else math.radians(200 * k / 16)
        pts.append((cx + hook_r * math.cos(a), ty - hook_r * math.sin(a) * 1.0))
    cv.polyline(pts, width + 1.2, shade(CANE_RED, 0.45))
    cv.line(bx, by, tx, ty, width, stripes)
    cv.polyline(pts, width, stripes)
    # a shine running along the shaft
    cv.line(bx - facing * width * 0.22, by, tx - facing * width * 0.22, ty, width * 0.22,
            (255, 255, 255), alpha=0.55)


def bell(cv, cx, cy, r, colour=SILVER):
    """A small bell, mouth down."""
    cv.polygon([(cx - r * 0.55, cy - r * 0.6), (cx + r * 0.55, cy - r * 0.6),
                (cx + r * 0.75, cy + r * 0.3), (cx + r * 1.05, cy + r * 0.75),
                (cx - r * 1.05, cy + r * 0.75), (cx - r * 0.75, cy + r * 0.3)],
               linear(mix(colour, WHITE, 0.5), shade(colour, 0.6), cx - r, cy, cx + r, cy))
    cv.circle(cx, cy - r * 0.6, r * 0.55, colour)
    cv.circle(cx, cy + r * 0.85, r * 0.3, shade(colour, 0.5))


def pine_sprig(cv, x0, y0, x1, y1, needle=3.0, colour=PINE, dark=PINE_DARK, density=1.2):
    """A pine twig with needles both sides."""
    cv.line(x0, y0, x1, y1, 1.0, (96, 64, 36))
    d = math.hypot(x1 - x0, y1 - y0)
    ux, uy = (x1 - x0) / d, (y1 - y0) / d
    n = int(d / density)
    for k in range(n + 1):
        t = k / max(1, n)
        px, py = x0 + (x1 - x0) * t, y0 + (y1 - y0) * t
        for side in (-1, 1):
            ang = math.atan2(uy, ux) + side * 0.9
            L = needle * (0.75 + 0.25 * math.sin(k * 1.7))
            c = colour if (k + (side > 0)) % 2 else dark
            cv.line(px, py, px + math.cos(ang) * L, py + math.sin(ang) * L, 1.0, c, caps=False)


def snowball(cv, cx, cy, r):
    cv.circle(cx, cy, r, sphere(SNOW, cx, cy, r, light=(-0.5, -0.5), shine=0.2, dark=0.62,
                                specular=WHITE))


def coal(cv, x, y, r):
    cv.circle(x, y, r, COAL)
    cv.circle(x - r * 0.3, y - r * 0.3, r * 0.35, (110, 110, 120))


def flame(cv, cx, base_y, h, w):
    cv.ellipse(cx, base_y - h * 0.45, w * 1.6, h * 0.75, (255, 200, 80), alpha=0.25)
    cv.polygon([(cx, base_y - h), (cx + w * 0.6, base_y - h * 0.45), (cx + w * 0.5, base_y - h * 0.1),
                (cx, base_y), (cx - w * 0.5, base_y - h * 0.1), (cx - w * 0.6, base_y - h * 0.45)],
               linear((255, 250, 200), (255, 130, 20), cx, base_y - h, cx, base_y))
    cv.ellipse(cx, base_y - h * 0.3, w * 0.22, h * 0.25, (255, 255, 240))


# --- the twenty tiles --------------------------------------------------------------------------

def t00_reindeer_face(cv):
    for side in (-1, 1):
        cv.polyline([(16 + side * 4, 10), (16 + side * 8, 5), (16 + side * 10, 0.8)], 2.0, ANTLER)
        cv.polyline([(16 + side * 8, 5), (16 + side * 13.5, 3.5)], 1.7, ANTLER)
        cv.polyline([(16 + side * 6.2, 7), (16 + side * 5.5, 2.2)], 1.6, ANTLER)
        cv.rotated_ellipse(16 + side * 10.5, 13, 4.2, 1.9, side * 25, REINDEER_DARK)
        cv.rotated_ellipse(16 + side * 10.5, 13, 2.8, 0.9, side * 25, (226, 170, 140))
    cv.ellipse(16, 17, 8.2, 9.2, linear(REINDEER_LIGHT, REINDEER_DARK, 11, 9, 22, 27))
    cv.ellipse(16, 23.6, 6.4, 5.2, (224, 190, 150))
    for ex in (12.6, 19.4):
        cv.ellipse(ex, 16, 1.6, 1.9, EYE)
        cv.circle(ex + 0.5, 15.3, 0.6, WHITE)
    cv.circle(16, 21.2, 3.1, sphere((236, 20, 30), 16, 21.2, 3.1, shine=1.0, dark=0.45))
    cv.curve([(13, 25.4), (16, 27.8), (19, 25.4)], 0.9, (110, 56, 36))


def t01_blue_gift(cv):
    gift_box(cv, 5, 13, 22, 17, (46, 92, 220), (14, 96, 44), (226, 26, 40), lid=4,
             bow_size=1.45)


def t02_holly(cv):
    holly_leaf(cv, (15, 17), (2, 8), 9)
    holly_leaf(cv, (17, 17), (30, 9), 9)
    holly_leaf(cv, (16, 18), (12, 31), 8.5)
    holly_leaf(cv, (17, 18), (25, 29), 8, colour=(16, 88, 40))
    berries(cv, [(13.4, 15.8), (18.4, 15.4), (15.8, 19.6), (20.4, 19.6)], 3.0)


def t03_nativity(cv):
    cv.polygon(star_points(16, 3.2, 3.4, 1.3), (255, 230, 110))
    cv.line(16, 0, 16, 6.5, 0.6, (255, 250, 210))
    cv.rect(5, 13, 22, 16, (54, 36, 26))   # the stable's dark inside
    cv.polygon([(1.5, 14.5), (16, 6.5), (30.5, 14.5), (28, 14.5), (16, 9), (4, 14.5)],
               (140, 88, 44))
    cv.rect(4, 13, 2.4, 17, (120, 74, 38))
    cv.rect(25.6, 13, 2.4, 17, (120, 74, 38))
    cv.rect(2, 28.5, 28, 2.5, (214, 170, 70))   # straw
    # Mary in blue, kneeling at the left
    cv.polygon([(7.2, 28.5), (9, 19.5), (11.6, 19.5), (13.2, 28.5)], (60, 110, 220))
    cv.circle(10.3, 18.2, 2.1, SKIN)
    cv.polygon([(8, 19.5), (10.3, 15.6), (12.6, 19.5)], (90, 140, 236))
    cv.circle(10.3, 18.4, 1.5, SKIN)
    # Joseph in brown with his staff, at the right
    cv.polygon([(19, 28.5), (20.6, 18.5), (23.4, 18.5), (25, 28.5)], (150, 96, 56))
    cv.circle(22, 16.8, 2.0, SKIN)
    cv.ellipse(22, 15.4, 2.3, 1.2, (200, 170, 120))
    cv.line(25.4, 14.5, 25.4, 28.5, 0.9, (190, 140, 80))
    # the manger with the child, lit by the star
    cv.ellipse(16, 24, 4.5, 3.5, (255, 230, 150), alpha=0.35)
    cv.polygon([(12.6, 24.5), (19.4, 24.5), (18.2, 28.5), (13.8, 28.5)], (170, 110, 50))
    cv.ellipse(16, 24, 3.0, 1.3, WHITE)
    cv.circle(17.6, 23.6, 1.1, SKIN)


def t04_blue_bauble(cv):
    cv.ring(20.5, 4.2, 3.2, 2.0, 150, 400, (50, 50, 76))      # hanging loop, upper right
    cv.rect(12.5, 4.5, 7, 4.5, linear((255, 236, 130), GOLD_DARK, 12.5, 0, 19.5, 0))
    for x in (14, 16, 18):
        cv.rect(x, 4.5, 0.6, 4.5, GOLD_DARK)
    cv.circle(16, 19, 12, sphere(BAUBLE_BLUE, 16, 19, 12, shine=0.9, dark=0.3))
    for sx, sy, r in ((11, 15, 2.3), (20.5, 13.5, 1.7), (16.5, 22.5, 2.5), (9.5, 23.5, 1.5),
                      (22.8, 21.6, 1.8), (14.5, 28, 1.4), (20.5, 27.6, 1.2)):
        cv.polygon(star_points(sx, sy, r, r * 0.42), (255, 255, 255))


def t05_red_candles(cv):
    for x, top, w in ((8.5, 13, 5.2), (16, 8.5, 6.0), (23.5, 15, 5.2)):
        cv.rect(x - w / 2, top, w, 25 - top, linear((250, 80, 80), (130, 6, 20), x - w / 2, 0,
                                                     x + w / 2, 0))
        cv.ellipse(x, top, w / 2, 0.9, (255, 140, 140))
        cv.line(x, top, x, top - 1.6, 0.6, (40, 30, 30))
        cv.ellipse(x - 1, top + 2.6, 0.7, 1.6, (255, 150, 150))   # a drip of wax
        flame(cv, x, top - 1, 6.0, 2.6)
    holly_leaf(cv, (16, 27), (3, 26), 5.5, spikes=2)
    holly_leaf(cv, (16, 27), (29, 26), 5.5, spikes=2)
    holly_leaf(cv, (16, 27), (10, 31), 4.5, spikes=2, colour=(16, 88, 40))
    holly_leaf(cv, (16, 27), (22, 31), 4.5, spikes=2, colour=(16, 88, 40))
    berries(cv, [(14.2, 26.2), (17.8, 26.2), (16, 28.6)], 1.8)


def t06_cane_green_bow(cv):
    candy_cane(cv, (10, 30.5), (17, 9.5), 5.2, 4.6, facing=1)
    bow(cv, 14.5, 17.5, BOW_GREEN, 1.2, tails=True)
    cv.line(14.9, 19, 16.5, 22.5, 0.6, (230, 230, 240))
    bell(cv, 17.2, 24.6, 2.4)


def t07_cane_pink_bow(cv):
    candy_cane(cv, (22, 30.5), (15, 9.5), 5.2, 4.6, facing=-1)
    pine_sprig(cv, 18.5, 18, 9, 25, needle=2.6)
    pine_sprig(cv, 18.5, 18, 27, 23, needle=2.4)
    berries(cv, [(19.6, 19.6)], 1.2)
    bow(cv, 17.6, 17, BOW_PINK, 1.2, tails=True)


def t08_red_bauble_pine(cv):
    pine_sprig(cv, -1, 6, 33, 3, needle=3.6, density=1.0)
    pine_sprig(cv, 3, 8, 24, 1, needle=2.8, colour=PINE_LIGHT)
    cv.line(16, 5, 16, 9, 0.7, (220, 200, 120))
    cv.rect(13.5, 8, 5, 3.6, linear((255, 236, 130), GOLD_DARK, 13.5, 0, 18.5, 0))
    cv.circle(16, 20.5, 10.5, sphere(BAUBLE_RED, 16, 20.5, 10.5, shine=1.0, dark=0.28))
    cv.ellipse(11.8, 15.6, 2.4, 1.4, WHITE, alpha=0.75)


def t09_lilac_gift(cv):
    gift_box(cv, 4, 12, 24, 18, (206, 176, 236), (208, 170, 112), (224, 186, 128), lid=4,
             bow_size=1.35)


def t10_tree_presents(cv):
    cv.rect(14.5, 21, 3, 4, (110, 66, 30))
    for k, (y0, y1, hw) in enumerate(((5, 12, 5.5), (9, 17, 8.2), (13, 22.5, 11))):
        cv.polygon([(16, y0), (16 + hw, y1), (16 - hw, y1)],
                   linear(PINE_LIGHT, PINE_DARK, 10, y0, 22, y1))
    for x, y, c in ((14, 10.5, (255, 60, 60)), (18.5, 14, (80, 160, 255)), (12, 16.5, GOLD),
                    (20.5, 19.8, (255, 60, 60)), (15.5, 19.6, (240, 240, 255)),
                    (9, 20.6, (80, 160, 255))):
        cv.circle(x, y, 1.1, c)
    cv.polygon(star_points(16, 4.2, 3.6, 1.5), (255, 226, 90))
    gift_box(cv, 3, 25, 8, 6, (220, 30, 44), (250, 220, 90), (250, 220, 90), lid=1.6, bow_size=0.5)
    gift_box(cv, 12.5, 26.5, 7, 4.5, (60, 170, 90), (240, 40, 60), (240, 40, 60), lid=1.4,
             bow_size=0.45)
    gift_box(cv, 21, 24.5, 8.5, 6.5, (70, 110, 230), (240, 240, 250), (240, 240, 250), lid=1.6,
             bow_size=0.5)


def t11_standing_reindeer(cv):
    body_paint = linear(REINDEER_LIGHT, REINDEER_DARK, 10, 12, 18, 24)
    for x0, x1 in ((8.5, 7.5), (11, 11.5), (19.5, 20.5), (22, 23.5)):
        cv.line(x0, 19, x1, 29, 2.0, REINDEER_DARK if x0 in (11, 22) else REINDEER)
        cv.rect(x1 - 1.1, 28.6, 2.4, 1.6, (50, 30, 20))
    cv.ellipse(15.5, 17.5, 9.5, 5.4, body_paint)
    cv.ellipse(15.5, 20.6, 7, 1.7, (222, 190, 150), alpha=0.8)     # pale belly
    cv.polygon([(21, 14), (24.6, 8.4), (27.4, 9.6), (25.4, 17)], body_paint)   # neck
    cv.rotated_ellipse(27.2, 8.4, 3.6, 2.3, 20, REINDEER)                       # head
    cv.rotated_ellipse(29.4, 9.6, 1.8, 1.4, 20, (220, 186, 146))
    cv.circle(30.6, 10, 0.9, (40, 24, 20))
    cv.circle(26.6, 7.4, 0.7, EYE)
    cv.rotated_ellipse(24.6, 6.8, 2.0, 0.9, -30, REINDEER_DARK)                # ear
    cv.polyline([(26, 5.8), (24.5, 2.6), (22.2, 0.8)], 1.3, ANTLER)
    cv.polyline([(24.5, 2.6), (26.4, 0.6)], 1.1, ANTLER)
    cv.polyline([(27.4, 5.8), (28.4, 2.4), (30.6, 0.8)], 1.3, ANTLER)
    cv.ellipse(6.4, 14.6, 1.8, 1.2, (236, 220, 200))                           # tail
    # the red harness round the chest and over the back, with a gold bell
    cv.polygon([(19.2, 12.4), (21.2, 12.2), (22.6, 22.2), (20.6, 22.6)], (210, 20, 36))
    cv.rect(6.5, 15.4, 14, 2.2, (210, 20, 36))
    for x in (9, 12.5, 16):
        cv.circle(x, 16.5, 0.6, GOLD)
    bell(cv, 21.6, 23.8, 1.7, GOLD)


_FONT3x5 = {
    'D': ["XX.", "X.X", "X.X", "X.X", "XX."],
    'E': ["XXX", "X..", "XX.", "X..", "XXX"],
    'A': [".X.", "X.X", "XXX", "X.X", "X.X"],
    'R': ["XX.", "X.X", "XX.", "X.X", "X.X"],
    'S': [".XX", "X..", ".X.", "..X", "XX."],
    'N': ["X.X", "XXX", "XXX", "X.X", "X.X"],
    'T': ["XXX", ".X.", ".X.", ".X.", ".X."],
}


def text3x5(cv, x, y, text, colour):
    for ch in text:
        for j, row in enumerate(_FONT3x5[ch]):
            for i, v in enumerate(row):
                if v == 'X':
                    cv.rect(x + i, y + j, 1, 1, colour)
        x += 4


def t12_letter_scroll(cv):
    paper = linear((255, 244, 206), (222, 190, 130), 0, 4, 0, 28)
    cv.rect(4.5, 4, 23, 24, paper)
    for y in (4, 28):  # the rolled ends
        cv.ellipse(16, y, 13, 2.6, linear((250, 232, 184), (170, 130, 76), 0, y - 2.6, 0, y + 2.6))
        cv.ellipse(3.2, y, 1.2, 2.6, (150, 112, 64))
        cv.ellipse(28.8, y, 1.2, 2.6, (150, 112, 64))
    ink = (96, 40, 22)
    text3x5(cv, 7, 7, "DEAR", (176, 16, 28))
    text3x5(cv, 7, 13, "SANTA", (176, 16, 28))
    for k, y in enumerate((20.5, 23.5)):
        pts = [(7.5 + t, y + 0.5 * math.sin(t * 1.7 + k)) for t in range(0, 18 - 5 * k)]
        cv.polyline(pts, 0.75, ink)


def t13_santa_face(cv):
    cv.rect(1, 1, 30, 30, linear((70, 120, 236), (20, 46, 150), 0, 1, 0, 31))
    for x, y in ((4, 5), (27, 8), (5, 22), (26, 26), (8, 13)):
        cv.circle(x, y, 0.6, (200, 220, 255))
    cv.clip = (1, 1, 31, 31)
    cv.place(16, 0.8, 0.66)
    santa.head(cv, 0, 0, 1.0, look=0, hat_flop=1)
    cv.place()
    cv.clip = None


def t14_snowman_head(cv):
    snowball(cv, 16, 21, 10.8)
    cv.rect(4.5, 9.6, 23, 2.6, linear((70, 70, 80), (10, 10, 14), 0, 9.6, 0, 12.2))  # brim
    cv.rect(9, 0.5, 14, 9.8, linear((64, 64, 76), (8, 8, 12), 9, 0, 23, 0))         # crown
    cv.rect(9, 7, 14, 2.4, (200, 20, 34))                                             # band
    cv.rect(19, 6.6, 2, 3.2, (40, 150, 60))                                           # holly
    cv.circle(20.6, 7.2, 0.9, BERRY)
    coal(cv, 12, 17, 1.5)
    coal(cv, 20, 17, 1.5)
    cv.polygon([(15.2, 19.3), (26.5, 21.6), (15.4, 22.5)], linear((255, 170, 60), (220, 90, 10),
                                                                  15, 19, 15, 23))
    for k in range(5):
        a = math.radians(25 + 130 * k / 4)
        coal(cv, 16 + 6 * math.cos(a), 22.5 + 4.6 * math.sin(a), 0.8)


def snowman(cv, hat):
    """A whole snowman on a drift, smiling, with twig arms and coal buttons; with a top hat
    and a red scarf when `hat`, otherwise bare-headed with earmuffs."""
    cv.ellipse(16, 30.4, 13, 2.2, SNOW_SHADE)
    head_y = 10 if hat else 8.6
    # twig arms
    cv.polyline([(11, 17), (5.5, 14.5), (2.2, 11)], 1.2, TWIG)
    cv.line(5.5, 14.5, 3.4, 16.4, 0.9, TWIG)
    cv.line(3.6, 12.6, 2.0, 13.8, 0.8, TWIG)
    cv.polyline([(21, 17), (26.5, 14), (30, 10.5)], 1.2, TWIG)
    cv.line(26.5, 14, 28.6, 15.6, 0.9, TWIG)
    cv.line(28.4, 12.2, 28.8, 9.8, 0.8, TWIG)
    snowball(cv, 16, 24.5, 7.2)
    snowball(cv, 16, 16.2, 5.6)
    snowball(cv, 16, head_y, 4.6)
    for y in (13.8, 16.6, 19.4):
        coal(cv, 16, y if hat else y - 0.4, 0.75)
    coal(cv, 14.4, head_y - 1, 0.65)
    coal(cv, 17.6, head_y - 1, 0.65)
    cv.polygon([(15.8, head_y + 0.2), (20.8, head_y + 1.1), (15.8, head_y + 1.5)], CARROT)
    cv.curve([(13.8, head_y + 2.1), (16, head_y + 3.8), (18.2, head_y + 2.1)], 0.7, COAL)
    if hat:
        cv.rect(11, head_y - 4.4, 10, 1.6, (20, 20, 26))
        cv.rect(12.8, head_y - 10, 6.4, 5.8, linear((70, 70, 84), (10, 10, 14), 12.8, 0, 19.2, 0))
        cv.rect(12.8, head_y - 6.2, 6.4, 1.4, (210, 24, 36))
        cv.rect(11.5, head_y + 3.6, 9, 2.2, (214, 26, 40))                 # scarf
        cv.polygon([(17, head_y + 4.5), (20.5, head_y + 10), (18.4, head_y + 10.4),
                    (15.8, head_y + 5.2)], (184, 16, 30))
        for x in (13, 15.5, 18):
            cv.rect(x, head_y + 3.6, 0.8, 2.2, (255, 230, 230))
    else:
        cv.curve([(11.8, head_y), (16, head_y - 6.6), (20.2, head_y)], 0.9, (40, 160, 70))
        cv.circle(11.6, head_y, 1.7, (40, 180, 80))
        cv.circle(20.4, head_y, 1.7, (40, 180, 80))


def t15_snowman(cv):
    snowman(cv, hat=False)


def t16_snowman_top_hat(cv):
    snowman(cv, hat=True)


def t17_greeting_card(cv):
    back = [(7, 4), (27, 2), (28, 28), (8, 30)]
    cv.polygon(back, (186, 40, 48))
    front = [(3, 5.5), (20, 3.5), (21.5, 29.5), (4.5, 31)]
    cv.polygon(front, linear((255, 250, 236), (220, 210, 190), 3, 4, 21, 31))
    inner = [(5, 7.4), (18.4, 5.8), (19.6, 27.8), (6.4, 29)]
    cv.polygon(inner, (200, 30, 40))
    inner2 = [(6, 8.4), (17.5, 7), (18.6, 26.9), (7.4, 28)]
    cv.polygon(inner2, linear((20, 40, 110), (50, 80, 170), 0, 7, 0, 28))
    # on the card: a snowy night with a little tree and a star
    cv.polygon([(7.4, 23), (18.4, 21.5), (18.6, 26.9), (7.4, 28)], SNOW)
    cv.polygon([(12.6, 10.6), (16.6, 20.4), (8.8, 20.9)], linear(PINE_LIGHT, PINE_DARK, 0, 10, 0, 21))
    cv.rect(12.2, 20.6, 1.4, 2.2, (110, 66, 30))
    cv.polygon(star_points(12.6, 10.2, 2.1, 0.9), (255, 226, 90))
    for x, y in ((9, 12), (16.4, 10), (15.6, 15), (8.4, 17)):
        cv.circle(x, y, 0.5, WHITE)


def t18_stocking_fireplace(cv):
    brick = (170, 66, 46)
    cv.rect(2, 9, 28, 22, brick)
    for j, y in enumerate(range(9, 31, 3)):
        cv.rect(2, y, 28, 0.6, (90, 40, 30))
        off = 0 if j % 2 else 2.5
        for x in range(2, 30, 5):
            cv.rect(x + off, y, 0.6, 3, (90, 40, 30))
    cv.rect(8, 16, 16, 15, (12, 8, 8))                       # the firebox
    cv.ellipse(16, 16.2, 8, 3.2, (12, 8, 8))
    cv.ellipse(16, 28, 7, 4, (255, 120, 20), alpha=0.35)
    for x, h in ((12.5, 7), (16, 10), (19.5, 6.5)):
        flame(cv, x, 29.5, h, 3.2)
    cv.rect(9.5, 28.8, 13, 2, (110, 60, 30))               # logs
    cv.rect(0.5, 6, 31, 3.4, linear((150, 98, 56), (90, 52, 24), 0, 6, 0, 9.4))   # mantel
    cv.rect(0.5, 6, 31, 0.8, (190, 134, 84))
    # a stocking hanging from the mantel at the right
    cv.line(25, 9.2, 25, 10.5, 0.6, (220, 220, 220))
    cv.polygon([(22, 12), (28, 12), (28.2, 20.2), (24.6, 23.2), (19.2, 23.6), (18.2, 21.2),
                (22.2, 19.2)], linear((240, 40, 50), (160, 10, 24), 22, 12, 28, 22))
    cv.rect(21.5, 9.8, 7, 3, FUR)
    cv.circle(20.2, 22.2, 1.6, FUR)


def t19_red_stocking(cv):
    cv.line(13, 1.5, 13, 4.5, 0.8, (230, 230, 230))
    cv.ring(13, 3, 2, 1.2, 180, 360, (200, 200, 210))
    shape = [(8, 8), (21, 8), (21.5, 21), (19.5, 26), (13, 30.5), (5.5, 30.6), (3.2, 27.5),
             (5.5, 24), (10.6, 20.6), (8.6, 16)]
    cv.polygon(shape, linear((250, 52, 58), (150, 8, 22), 8, 8, 21, 30))
    cv.polygon([(13, 30.5), (5.5, 30.6), (3.2, 27.5), (5.5, 24), (8, 25.2), (9.4, 28.6)],
               (252, 250, 246))                                       # white toe
    cv.polygon([(21.5, 21), (19.5, 26), (17, 27.7), (16.8, 23.8), (19.4, 21.4)], (252, 250, 246))
    cv.round_rect(6.6, 3.6, 16.2, 6.2, 2.2, FUR_SHADE)                  # fur cuff
    cv.round_rect(6.6, 3.4, 16.2, 5.4, 2.2, FUR)
    holly_leaf(cv, (20.5, 6.5), (27, 4), 3.6, spikes=2)
    holly_leaf(cv, (20.5, 6.5), (26, 10), 3.4, spikes=2, colour=(16, 88, 40))
    berries(cv, [(20.6, 6.2)], 1.4)
    for x, y in ((12, 14), (16, 18.5), (13, 23.5)):
        cv.polygon(star_points(x, y, 1.6, 0.7), (255, 220, 100))


TILES = [t00_reindeer_face, t01_blue_gift, t02_holly, t03_nativity, t04_blue_bauble,
         t05_red_candles, t06_cane_green_bow, t07_cane_pink_bow, t08_red_bauble_pine,
         t09_lilac_gift, t10_tree_presents, t11_standing_reindeer, t12_letter_scroll,
         t13_santa_face, t14_snowman_head, t15_snowman, t16_snowman_top_hat, t17_greeting_card,
         t18_stocking_fireplace, t19_red_stocking]


def brick_tiles():
    out = []
    for draw in TILES:
        cv = Canvas(SIZE, SIZE, ss=6)
        draw(cv)
        img = cv.finish().snap_dark(14)
        if draw is t13_santa_face:
            # the one-pixel black edge of the blue tile
            for k in range(SIZE):
                for x, y in ((k, 0), (k, SIZE - 1), (0, k), (SIZE - 1, k)):
                    img.set(x, y, BLACK)
        out.append(img)
    return out
