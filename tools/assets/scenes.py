"""The larger pictures: the winter-night backdrop behind the field, the waving Santa of the
configuration dialog and the miniature of the game shown in the preview and the about box."""

import math
import random

from palette import *  # noqa: F401,F403 (the shared colours)
from raster import Canvas, Image, linear, mix, shade, clamp01, BLACK, WHITE
import santa
import tiles


# --- waving Santa ------------------------------------------------------------------------------

WAVING_W, WAVING_H = 84, 121


def waving_glove(cv, cx, cy, s=1.0):
    """An open white glove waving: palm, four spread fingers and a thumb, with a thin grey
    edge so the fingers stay apart."""
    fingers = [(-30, 6.0), (-10, 7.0), (10, 6.8), (30, 5.6)]
    for ang, L in fingers:
        a = math.radians(ang - 90)
        x1, y1 = cx + math.cos(a) * L * s, cy - 1 * s + math.sin(a) * L * s
        cv.line(cx, cy - 1 * s, x1, y1, 2.6 * s, GLOVE_SHADE)
    cv.line(cx - 2.5 * s, cy + 1.5 * s, cx - 7.4 * s, cy - 1.6 * s, 2.6 * s, GLOVE_SHADE)
    cv.ellipse(cx, cy + 0.8 * s, 4.4 * s, 4.2 * s, GLOVE_SHADE)
    for ang, L in fingers:
        a = math.radians(ang - 90)
        x1, y1 = cx + math.cos(a) * L * s, cy - 1 * s + math.sin(a) * L * s
        cv.line(cx, cy - 1 * s, x1, y1, 1.7 * s, GLOVE)
    cv.line(cx - 2.5 * s, cy + 1.5 * s, cx - 7.4 * s, cy - 1.6 * s, 1.7 * s, GLOVE)
    cv.ellipse(cx - 0.3, cy + 0.6 * s, 3.7 * s, 3.6 * s, GLOVE)


def waving_santa():
    cv = Canvas(WAVING_W, WAVING_H, ss=4)
    cx = 38
    # legs and brown boots, toes turned out
    santa.leg(cv, (cx - 7, 92), (cx - 8, 101), (cx - 9, 108), 11, -1, ground=120)
    santa.leg(cv, (cx + 7, 92), (cx + 8, 101), (cx + 9, 108), 11, 1, ground=120)
    # the arm at his side, its mitten resting on the belly
    santa.arm(cv, (cx - 15, 52), (cx - 23, 68), (cx - 14, 79), 10, 4.8)
    # the waving arm: out to the elbow and up to an open glove beside the hat
    cv.polyline([(cx + 14, 52), (cx + 29, 50), (cx + 33, 33)], 10, SUIT)
    cv.line(cx + 15, 51, cx + 28, 49, 3.2, SUIT_LIGHT)
    cv.line(cx + 30.5, 31, cx + 36.5, 32.5, 4.4, FUR)
    santa.body(cv, cx, 45, 99, 20, 76)
    cv.line(cx + 30.5, 31, cx + 36.5, 32.5, 4.4, FUR)
    waving_glove(cv, cx + 34, 25, 1.2)
    # little motion marks beside the waving hand
    for r in (11, 13.2):
        cv.ring(cx + 34, 24, r, r - 0.9, 212, 250, (220, 220, 235), alpha=0.85)
        cv.ring(cx + 34, 24, r, r - 0.9, 292, 328, (220, 220, 235), alpha=0.85)
    santa.head(cv, cx, 4, 1.0, look=0.6, hat_flop=-1)
    return cv.finish().snap_dark()


# --- the preview miniature ------------------------------------------------------------------

PREVIEW_W, PREVIEW_H = 150, 112


def preview_picture():
    """Level 1 in miniature: an empty top band, three rows of eighteen bricks (baubles and
    canes alternating), the ball just above the middle and the paddle Santa at the bottom."""
    cv = Canvas(PREVIEW_W, PREVIEW_H, ss=6)
    k = 7.0 / 32  # bricks seven pixels high, seven apart
    for row, y in enumerate((15, 29, 43)):
        for col in range(18):
            bauble = (col + row) % 2 == 0  # rows 1 and 3 start with a bauble, row 2 with a cane
            cv.place(3 + 8 * col + 0.4, y, k)
            cv.clip = (3 + 8 * col, y, 3 + 8 * col + 8, y + 7)
            (tiles.t04_blue_bauble if bauble else tiles.t06_cane_green_bow)(cv)
    cv.clip = None
    cv.place()
    cv.place(75 - 44.5 * 0.25, PREVIEW_H - 125 * 0.25, 0.25)
    santa.paddle_santa(cv, 0)
    cv.place()
    img = cv.finish().snap_dark(16)
    # the ball: four by four, red with a white glint, centred just above the middle
    ball = ["rRRr",
            "RWLR",
            "RLRr",
            "drrd"]
    shades = {'R': (228, 28, 38), 'r': (170, 14, 24), 'd': (110, 6, 14), 'W': WHITE,
              'L': (250, 90, 90)}
    for j, row in enumerate(ball):
        for i, ch in enumerate(row):
            img.set(73 + i, 53 + j, shades[ch])
    return img


# --- the backdrop ---------------------------------------------------------------------------------

BACK_W, BACK_H = 640, 480


def _hill(seed, base, amp, waves):
    """A height function along x made of a few gentle sines."""
    rnd = random.Random(seed)
    parts = [(amp * rnd.uniform(0.4, 1.0) / (k + 1), rnd.uniform(0.004, 0.012) * (k + 1),
              rnd.uniform(0, 6.28)) for k in range(waves)]
    return lambda x: base + sum(a * math.sin(f * x + p) for a, f, p in parts)


def pine(cv, x, ground, h, colour, snow, alpha=1.0):
    """A snowy fir: stacked tiers, each with snow along its upper edge."""
    w = h * 0.42
    cv.rect(x - h * 0.035, ground - h * 0.12, h * 0.07, h * 0.14, shade(colour, 0.6), alpha)
    tiers = 5
    for t in range(tiers):
        top = ground - h + h * 0.17 * t
        bottom = top + h * 0.36
        half = w * (0.35 + 0.65 * (t + 1) / tiers)
        cv.polygon([(x, top), (x + half, bottom), (x + half * 0.3, bottom - h * 0.035),
                    (x, bottom + h * 0.01), (x - half * 0.3, bottom - h * 0.035),
                    (x - half, bottom)], colour, alpha)
        cv.polygon([(x, top), (x + half * 0.8, bottom - h * 0.06), (x + half * 0.45, bottom - h * 0.08),
                    (x, top + h * 0.1), (x - half * 0.55, bottom - h * 0.09),
                    (x - half * 0.9, bottom - h * 0.05)], snow, alpha * 0.9)


def cottage(cv, x, ground, w, lit=(255, 206, 110)):
    h = w * 0.55
    wall = (70, 58, 84)
    cv.ellipse(x + w / 2, ground - h * 0.4, w * 1.1, h * 0.9, lit, alpha=0.06)
    cv.rect(x, ground - h, w, h, linear((96, 80, 110), (52, 42, 66), x, 0, x + w, 0))
    cv.rect(x + w * 0.68, ground - h - w * 0.45, w * 0.12, w * 0.3, (60, 50, 70))   # chimney
    cv.polygon([(x - w * 0.12, ground - h + 2), (x + w / 2, ground - h - w * 0.42),
                (x + w * 1.12, ground - h + 2)], SNOW_SHADE)
    cv.polygon([(x - w * 0.12, ground - h + 2), (x + w / 2, ground - h - w * 0.42),
                (x + w * 0.62, ground - h - w * 0.3), (x + w * 0.05, ground - h + 1)], SNOW)
    for wx in (0.18, 0.62):
        cv.rect(x + w * wx, ground - h * 0.7, w * 0.2, h * 0.32, lit)
        cv.rect(x + w * wx + w * 0.095, ground - h * 0.7, w * 0.012 + 0.6, h * 0.32, wall)
        cv.rect(x + w * wx, ground - h * 0.555, w * 0.2, 0.8, wall)
        cv.ellipse(x + w * (wx + 0.1), ground - h * 0.1, w * 0.16, h * 0.12, lit, alpha=0.25)
    cv.rect(x + w * 0.42, ground - h * 0.55, w * 0.14, h * 0.55, (84, 52, 36))
    # smoke drifting from the chimney
    sx, sy = x + w * 0.74, ground - h - w * 0.46
    for k in range(7):
        cv.circle(sx + k * w * 0.06 + math.sin(k) * 2, sy - k * w * 0.09, w * (0.05 + 0.015 * k),
                  (150, 160, 200), alpha=0.16 - 0.015 * k)


def backdrop():
    rnd = random.Random(1225)
    cv = Canvas(BACK_W, BACK_H, ss=2)
    sky_top, sky_mid, sky_low = (4, 8, 30), (20, 30, 82), (66, 64, 128)

    def sky(x, y):
        t = y / 340.0
        c = mix(sky_top, sky_mid, clamp01(t * 1.4)) if t < 0.7 else \
            mix(sky_mid, sky_low, clamp01((t - 0.7) / 0.3))
        # a faint green glow of northern lights across the upper sky
        band = 70 + 34 * math.sin(x * 0.011 + 2.0) + 14 * math.sin(x * 0.029 + 1.3)
        g = math.exp(-((y - band) / 24.0) ** 2) * clamp01((x - 180) / 260.0) * \
            (0.6 + 0.4 * math.sin(x * 0.017))
        return mix(c, (60, 170, 130), 0.22 * g)
    cv.rect(0, 0, BACK_W, BACK_H, sky)
    # stars, thinner towards the horizon
    for _ in range(420):
        x, y = rnd.uniform(0, BACK_W), rnd.uniform(0, 330) ** 1.0
        if rnd.random() < y / 380:
            continue
        b = rnd.uniform(0.3, 1.0)
        c = mix((150, 170, 230), (255, 250, 230), b)
        r = 0.5 + 0.7 * b * rnd.random()
        cv.circle(x, y, r, c, alpha=0.5 + 0.5 * b)
        if b > 0.93:
            cv.line(x - 3, y, x + 3, y, 0.5, c, alpha=0.6)
            cv.line(x, y - 3, x, y + 3, 0.5, c, alpha=0.6)
    # the moon, top left, with its halo
    mx, my, mr = 92, 78, 30
    def halo(x, y):
        d = math.hypot(x - mx, y - my)
        return (170, 186, 236, 0.38 * math.exp(-max(0.0, d - mr) / 34.0))
    cv.circle(mx, my, mr + 130, halo)
    cv.circle(mx, my, mr, linear((255, 252, 228), (222, 222, 210), mx - mr, my - mr, mx + mr, my + mr))
    for dx, dy, r in ((-10, -6, 6), (8, 9, 8), (12, -12, 4), (-6, 14, 3.5), (-16, 6, 3)):
        cv.circle(mx + dx, my + dy, r, (206, 204, 196), alpha=0.45)
    # far mountains, then rolling snowy hills lit by the moon
    far = _hill(3, 300, 40, 4)
    cv.polygon([(0, BACK_H)] + [(x, far(x) - 30 * math.exp(-((x - 470) / 60) ** 2))
                                for x in range(0, BACK_W + 8, 8)] + [(BACK_W, BACK_H)],
               linear((58, 66, 122), (36, 42, 90), 0, 240, 0, 340))
    mid = _hill(5, 345, 26, 3)
    cv.polygon([(0, BACK_H)] + [(x, mid(x)) for x in range(0, BACK_W + 8, 8)] + [(BACK_W, BACK_H)],
               linear((120, 136, 196), (64, 76, 140), 0, 320, 0, 400))
    # a row of small distant firs along the middle hills
    for _ in range(70):
        x = rnd.uniform(0, BACK_W)
        h = rnd.uniform(10, 22)
        pine(cv, x, mid(x) + 4, h, (22, 44, 62), (120, 136, 186))
    cottage(cv, 478, mid(478) + 34, 40)
    cottage(cv, 534, mid(534) + 30, 30)
    near = _hill(8, 415, 18, 3)
    cv.polygon([(0, BACK_H)] + [(x, near(x)) for x in range(0, BACK_W + 8, 8)] + [(BACK_W, BACK_H)],
               linear((214, 224, 250), (150, 166, 220), 0, 390, 0, 480))
    # big firs at both sides, where the picture shows around the field
    for x, h in ((24, 190), (78, 140), (128, 98), (592, 200), (540, 130), (626, 120), (180, 70),
                 (460, 80)):
        pine(cv, x, near(x) + 10, h, (14, 50, 48), (200, 214, 244))
    cottage(cv, 196, near(196) + 8, 56)
    # gentle shadows of the drifts in the foreground
    for x, w in ((120, 160), (360, 220), (600, 140)):
        cv.ellipse(x, 470, w, 14, (120, 136, 200), alpha=0.25)
    # falling snow
    for _ in range(900):
        x, y = rnd.uniform(0, BACK_W), rnd.uniform(0, BACK_H)
        r = rnd.choice((0.6, 0.7, 0.8, 1.0, 1.3, 1.7))
        cv.circle(x, y, r, (236, 242, 255), alpha=0.35 + 0.35 * rnd.random())
    return cv.finish()
