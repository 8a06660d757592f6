"""Santa Claus, drawn from shapes: the paddle figure that carries the bar and the waving
Santa of the configuration dialog share his head, coat, arms and boots."""

import math

from palette import *  # noqa: F401,F403 (the shared colours)
from raster import linear, mix, shade


def head(cv, cx, top, size=1.0, look=0.0, hat_flop=-1):
    """Hat, face and beard. cx: middle of the face; top: top of the hat; look: how far the eyes
    and nose turn to the right (pixels); hat_flop: -1 tip to the left, 1 to the right."""
    s = size
    face_cy = top + 19 * s
    # hat: a soft cone flopping to one side, with its fur band and bobble
    tip = (cx + hat_flop * 13 * s, top + 9 * s)
    cv.polygon([(cx - 11 * s, top + 13 * s), (cx - 6 * s, top + 3 * s), (cx + 2 * s, top),
                (cx + 8 * s, top + 4 * s), (cx + 11 * s, top + 13 * s)],
               linear(SUIT_LIGHT, SUIT_DARK, cx - 6 * s, top, cx + 8 * s, top + 12 * s))
    cv.polygon([(cx - 3 * s * hat_flop, top + 1 * s), (cx + 6 * s * hat_flop, top + 2 * s),
                (tip[0], tip[1] - 1.5 * s), (tip[0], tip[1] + 1.5 * s),
                (cx + 1 * s * hat_flop, top + 8 * s)], SUIT)
    cv.circle(tip[0], tip[1] + 1 * s, 3.2 * s, FUR_SHADE)
    cv.circle(tip[0] - 0.5 * s, tip[1] + 0.4 * s, 2.6 * s, FUR)
    # face
    cv.ellipse(cx, face_cy, 9.2 * s, 8.6 * s, SKIN)
    cv.ellipse(cx - 5.8 * s + look * 0.5, face_cy + 3 * s, 2.4 * s, 1.8 * s, CHEEK, alpha=0.8)
    cv.ellipse(cx + 5.8 * s + look * 0.5, face_cy + 3 * s, 2.4 * s, 1.8 * s, CHEEK, alpha=0.8)
    # beard: a big white cloud from the cheeks down to the chest
    for dx, dy, r in ((-8, 6, 5.2), (8, 6, 5.2), (-6, 11, 6), (6, 11, 6), (0, 14, 7.5),
                      (-3, 19, 5.5), (3, 19, 5.5), (0, 22, 4.5)):
        cv.circle(cx + dx * s, face_cy + dy * s, r * s, FUR_SHADE)
    for dx, dy, r in ((-8, 5.5, 4.6), (8, 5.5, 4.6), (-6, 10.5, 5.4), (6, 10.5, 5.4),
                      (0, 13.5, 6.8), (-3, 18.5, 4.8), (3, 18.5, 4.8), (0, 21.2, 3.8)):
        cv.circle(cx + dx * s - 0.4 * s, face_cy + dy * s - 0.4 * s, r * s, FUR)
    # moustache and nose
    cv.ellipse(cx - 3.6 * s + look * 0.6, face_cy + 4.2 * s, 4 * s, 2.1 * s, FUR_SHADE)
    cv.ellipse(cx + 3.6 * s + look * 0.6, face_cy + 4.2 * s, 4 * s, 2.1 * s, FUR_SHADE)
    cv.ellipse(cx - 3.6 * s + look * 0.6, face_cy + 3.8 * s, 3.6 * s, 1.7 * s, FUR)
    cv.ellipse(cx + 3.6 * s + look * 0.6, face_cy + 3.8 * s, 3.6 * s, 1.7 * s, FUR)
    cv.ellipse(cx + look * 0.8, face_cy + 1.8 * s, 2.3 * s, 2 * s, (238, 140, 120))
    # eyes, with a glint
    for ex in (-3.8, 3.8):
        cv.ellipse(cx + ex * s + look, face_cy - 1.6 * s, 1.2 * s, 1.5 * s, EYE)
        cv.circle(cx + ex * s + look + 0.4 * s, face_cy - 2.2 * s, 0.45 * s, (255, 255, 255))
    # bushy eyebrows
    cv.ellipse(cx - 4 * s + look * 0.5, face_cy - 4.4 * s, 3 * s, 1.2 * s, FUR)
    cv.ellipse(cx + 4 * s + look * 0.5, face_cy - 4.4 * s, 3 * s, 1.2 * s, FUR)
    # fur band of the hat, over the forehead
    cv.round_rect(cx - 12 * s, top + 10.5 * s, 24 * s, 5 * s, 2.5 * s, FUR_SHADE)
    cv.round_rect(cx - 12 * s, top + 10 * s, 24 * s, 4.2 * s, 2.1 * s, FUR)


def coat(cx, top, bottom, half_w):
    """Outline of the coat: shoulders, a round belly and a flared hem."""
    t, b, w = top, bottom, half_w
    h = b - t
    return [(cx - w * 0.62, t), (cx + w * 0.62, t), (cx + w * 0.92, t + h * 0.22),
            (cx + w, t + h * 0.5), (cx + w * 1.02, t + h * 0.8), (cx + w * 1.05, b),
            (cx - w * 1.05, b), (cx - w * 1.02, t + h * 0.8), (cx - w, t + h * 0.5),
            (cx - w * 0.92, t + h * 0.22)]


def body(cv, cx, top, bottom, half_w, belt_y, s=1.0):
    """Coat with its fur front and hem, the belt and its buckle."""
    cv.polygon(coat(cx, top, bottom, half_w),
               linear(SUIT_LIGHT, SUIT_DARK, cx - half_w * 0.6, top, cx + half_w, bottom))
    # a soft shadow on the right side of the belly
    cv.ellipse(cx + half_w * 0.55, (top + bottom) / 2 + 2 * s, half_w * 0.45, (bottom - top) * 0.4,
               SUIT_DARK, alpha=0.35)
    cv.rect(cx - 2.2 * s, top, 4.4 * s, bottom - top, FUR)
    cv.rect(cx + 1.2 * s, top, 1.0 * s, bottom - top, FUR_SHADE)
    cv.rect(cx - half_w * 1.05, bottom - 4.5 * s, half_w * 2.1, 4.5 * s, FUR)
    cv.rect(cx - half_w * 1.05, bottom - 1.4 * s, half_w * 2.1, 1.4 * s, FUR_SHADE)
    cv.rect(cx - half_w * 1.02, belt_y, half_w * 2.04, 5 * s, BELT)
    cv.rect(cx - half_w * 1.02, belt_y + 0.6 * s, half_w * 2.04, 0.9 * s, BELT_LIGHT)
    cv.rect(cx - 4.2 * s, belt_y - 1.2 * s, 8.4 * s, 7.4 * s, GOLD_DARK)
    cv.rect(cx - 3.4 * s, belt_y - 0.4 * s, 6.8 * s, 5.8 * s, GOLD)
    cv.rect(cx - 1.8 * s, belt_y + 1.0 * s, 3.6 * s, 3.0 * s, BELT)


def arm(cv, shoulder, elbow, hand, width, glove_r):
    """A sleeve through its elbow to a fur cuff at the wrist and a white mitten at the hand."""
    dx, dy = hand[0] - elbow[0], hand[1] - elbow[1]
    d = math.hypot(dx, dy) or 1
    ux, uy = dx / d, dy / d
    wrist = (hand[0] - ux * glove_r * 1.25, hand[1] - uy * glove_r * 1.25)
    cv.polyline([shoulder, elbow, wrist], width, SUIT)
    cv.polyline([(shoulder[0] + 1, shoulder[1]), (elbow[0] + 1, elbow[1])], width * 0.35,
                SUIT_LIGHT)
    # mitten: a rounded hand with its thumb towards the body
    cv.rotated_ellipse(hand[0], hand[1], glove_r * 0.95, glove_r * 1.2,
                       math.degrees(math.atan2(uy, ux)) + 90, GLOVE_SHADE)
    cv.rotated_ellipse(hand[0] - 0.3, hand[1] - 0.3, glove_r * 0.8, glove_r * 1.05,
                       math.degrees(math.atan2(uy, ux)) + 90, GLOVE)
    # cuff across the wrist
    px, py = -uy, ux
    cv.line(wrist[0] - px * width * 0.6, wrist[1] - py * width * 0.6,
            wrist[0] + px * width * 0.6, wrist[1] + py * width * 0.6, glove_r * 0.9, FUR)


def leg(cv, hip, knee, ankle, width, facing, s=1.0, ground=None):
    """Trouser leg and a brown boot whose toe points the way Santa faces (1 right, -1 left)."""
    cv.polyline([hip, knee, ankle], width, SUIT_DARK)
    cv.polyline([(hip[0] - 0.8 * s, hip[1]), (knee[0] - 0.8 * s, knee[1])], width * 0.4, SUIT)
    ax, ay = ankle
    gy = ground if ground is not None else ay + 9 * s
    # boot: shaft, foot and sole
    cv.round_rect(ax - 5 * s, ay - 3 * s, 10 * s, gy - ay + 3 * s, 2.5 * s, BOOT)
    cv.ellipse(ax + facing * 4.5 * s, gy - 3.4 * s, 7.6 * s, 3.6 * s, BOOT)
    cv.rect(ax - 5 * s + (0 if facing > 0 else -6 * s), gy - 1.4 * s, 16 * s, 1.4 * s, BOOT_DARK)
    cv.ellipse(ax + facing * 6 * s, gy - 4.6 * s, 3 * s, 1.2 * s, BOOT_LIGHT)
    cv.rect(ax - 5.6 * s, ay - 4 * s, 11.2 * s, 3 * s, FUR)


# --- the paddle figure ----------------------------------------------------------------------

PADDLE_W, PADDLE_H = 89, 125
BAR_ROWS = 11  # the bar fills rows 0 to 10


def paddle_bar(cv, w=PADDLE_W, h=BAR_ROWS):
    """The green bar: light along its top, dark along its bottom, a bright glint stripe and
    darker bands near the ends where the gloves hold it."""
    cv.rect(0, 0, w, h, linear(BAR_LIGHT, BAR_DARK, 0, 0, 0, h))
    cv.rect(0, 2 * h / 11, w, 1.3 * h / 11, (190, 255, 170), alpha=0.7)
    cv.rect(0, h - 1.2 * h / 11, w, 1.2 * h / 11, BAR_DARK)
    for x in (3, w - 5):
        cv.rect(x, 0, 2, h, BAR_DARK, alpha=0.5)


def paddle_santa(cv, step):
    """Santa walking to the right with the bar over his head. step 0: legs apart, 1: legs
    passing each other."""
    cx = 44.5
    paddle_bar(cv)
    # arms: up and out from the shoulders to the gloves just under the bar
    for side in (-1, 1):
        shoulder = (cx + side * 13, 54)
        elbow = (cx + side * 26, 33)
        hand = (cx + side * 27, 16.2)
        arm(cv, shoulder, elbow, hand, 9, 4.6)
    # legs behind the coat
    if step == 0:
        leg(cv, (cx + 6, 92), (cx + 11, 102), (cx + 15, 113), 10, 1, ground=PADDLE_H)
        leg(cv, (cx - 6, 92), (cx - 10, 102), (cx - 15, 113), 10, 1, ground=PADDLE_H)
    else:
        leg(cv, (cx - 4, 92), (cx - 7, 102), (cx - 10, 109), 10, 1, ground=PADDLE_H - 5)
        leg(cv, (cx + 3, 92), (cx + 4, 102), (cx + 3, 113), 10, 1, ground=PADDLE_H)
    body(cv, cx, 47, 97, 19, 78)
    head(cv, cx + 0.5, 15, 1.0, look=1.6, hat_flop=-1)


def paddle_figures():
    """The four figures: 0 and 1 walking right, 2 and 3 the same mirrored (walking left)."""
    from raster import Canvas
    figs = []
    for step in (0, 1):
        cv = Canvas(PADDLE_W, PADDLE_H, ss=4)
        paddle_santa(cv, step)
        figs.append(cv.finish().snap_dark())
    return figs + [f.mirrored() for f in figs]
