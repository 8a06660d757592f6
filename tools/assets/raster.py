"""A small software rasteriser for the program's pictures.

Shapes are filled on a supersampled canvas (every pixel split into ss x ss samples) and the
samples are averaged down at the end, which gives smooth edges without any library. Every
drawing call takes coordinates in picture pixels; a canvas transform (offset, uniform scale and
an optional left-right mirror) lets one drawing routine serve several places and sizes.
"""

import math

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)


def mix(a, b, t):
    """Colour a blended towards b by t (0..1)."""
    return (a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t, a[2] + (b[2] - a[2]) * t)


def shade(c, f):
    """Colour c scaled by f, clamped."""
    return tuple(max(0.0, min(255.0, v * f)) for v in c)


def clamp01(v):
    return 0.0 if v < 0.0 else 1.0 if v > 1.0 else v


class Image:
    """A plain RGB picture: width, height and one (r, g, b) tuple of ints per pixel."""

    def __init__(self, w, h, fill=BLACK):
        self.w, self.h = w, h
        self.px = [tuple(fill)] * (w * h)

    def get(self, x, y):
        return self.px[y * self.w + x]

    def set(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y * self.w + x] = tuple(int(round(v)) for v in c)

    def blit(self, src, x, y):
        for j in range(src.h):
            if 0 <= y + j < self.h:
                for i in range(src.w):
                    if 0 <= x + i < self.w:
                        self.px[(y + j) * self.w + x + i] = src.px[j * src.w + i]

    def crop(self, x, y, w, h):
        out = Image(w, h)
        for j in range(h):
            out.px[j * w:(j + 1) * w] = self.px[(y + j) * self.w + x:(y + j) * self.w + x + w]
        return out

    def mirrored(self):
        out = Image(self.w, self.h)
        for j in range(self.h):
            row = self.px[j * self.w:(j + 1) * self.w]
            out.px[j * self.w:(j + 1) * self.w] = row[::-1]
        return out

    def snap_dark(self, limit=12):
        """Pixels darker than limit in every channel become pure black, so that a picture's
        black ground stays exactly black after smoothing."""
        self.px = [BLACK if max(p) < limit else p for p in self.px]
        return self


class Canvas:
    """Supersampled drawing surface; finish() gives the Image."""

    def __init__(self, w, h, ss=4, bg=BLACK):
        self.w, self.h, self.ss = w, h, ss
        self.W, self.H = w * ss, h * ss
        self.s = [tuple(float(v) for v in bg)] * (self.W * self.H)
        self.ox, self.oy, self.k, self.flip = 0.0, 0.0, 1.0, False
        self.clip = None  # optional (x0, y0, x1, y1) in picture pixels

    # --- transform -------------------------------------------------------------------------
    def place(self, ox=0.0, oy=0.0, k=1.0, flip=False):
        """Design point (x, y) lands at (ox + k*x, oy + k*y); with flip, at (ox - k*x, ...)."""
        self.ox, self.oy, self.k, self.flip = ox, oy, k, flip

    def tp(self, x, y):
        """A design point in sample units."""
        sx = self.ox + (-x if self.flip else x) * self.k
        sy = self.oy + y * self.k
        return sx * self.ss, sy * self.ss

    def tl(self, v):
        return v * self.k * self.ss

    # --- the one painting primitive: fill sample spans --------------------------------------
    def _paint_row(self, j, xa, xb, paint, alpha):
        i0 = max(0, math.ceil(xa - 0.5))
        i1 = min(self.W, math.ceil(xb - 0.5))
        if i1 <= i0 or j < 0 or j >= self.H:
            return
        if self.clip:
            cx0, cy0, cx1, cy1 = (v * self.ss for v in self.clip)
            if not (cy0 <= j + 0.5 < cy1):
                return
            i0 = max(i0, math.ceil(cx0 - 0.5))
            i1 = min(i1, math.ceil(cx1 - 0.5))
            if i1 <= i0:
                return
        base = j * self.W
        s = self.s
        if callable(paint):
            # shaders see design coordinates, whatever the transform
            inv = 1.0 / (self.ss * self.k)
            y = ((j + 0.5) / self.ss - self.oy) / self.k
            ox, sgn = self.ox / self.k, (-1.0 if self.flip else 1.0)
            for i in range(i0, i1):
                c = paint(sgn * ((i + 0.5) * inv - ox), y)
                if c is None:
                    continue
                if len(c) == 4:
                    a = c[3] * alpha
                    o = s[base + i]
                    s[base + i] = (o[0] + (c[0] - o[0]) * a, o[1] + (c[1] - o[1]) * a,
                                   o[2] + (c[2] - o[2]) * a)
                elif alpha >= 1.0:
                    s[base + i] = c
                else:
                    o = s[base + i]
                    s[base + i] = (o[0] + (c[0] - o[0]) * alpha, o[1] + (c[1] - o[1]) * alpha,
                                   o[2] + (c[2] - o[2]) * alpha)
        elif alpha >= 1.0:
            c = tuple(float(v) for v in paint)
            s[base + i0:base + i1] = [c] * (i1 - i0)
        else:
            c = paint
            for i in range(i0, i1):
                o = s[base + i]
                s[base + i] = (o[0] + (c[0] - o[0]) * alpha, o[1] + (c[1] - o[1]) * alpha,
                               o[2] + (c[2] - o[2]) * alpha)

    # --- shapes ------------------------------------------------------------------------------
    def polygon(self, pts, paint, alpha=1.0):
        """Filled polygon (even-odd rule); pts in design pixels."""
        sp = [self.tp(x, y) for x, y in pts]
        if len(sp) < 3:
            return
        ys = [p[1] for p in sp]
        j0 = max(0, math.floor(min(ys)))
        j1 = min(self.H - 1, math.ceil(max(ys)))
        n = len(sp)
        edges = [(sp[k], sp[(k + 1) % n]) for k in range(n) if sp[k][1] != sp[(k + 1) % n][1]]
        for j in range(j0, j1 + 1):
            yc = j + 0.5
            xs = []
            for (xa, ya), (xb, yb) in edges:
                if (ya <= yc < yb) or (yb <= yc < ya):
                    xs.append(xa + (yc - ya) * (xb - xa) / (yb - ya))
            xs.sort()
            for k in range(0, len(xs) - 1, 2):
                self._paint_row(j, xs[k], xs[k + 1], paint, alpha)

    def rect(self, x, y, w, h, paint, alpha=1.0):
        self.polygon([(x, y), (x + w, y), (x + w, y + h), (x, y + h)], paint, alpha)

    def ellipse(self, cx, cy, rx, ry, paint, alpha=1.0):
        scx, scy = self.tp(cx, cy)
        srx, sry = abs(self.tl(rx)), abs(self.tl(ry))
        if srx <= 0 or sry <= 0:
            return
        j0 = max(0, math.floor(scy - sry))
        j1 = min(self.H - 1, math.ceil(scy + sry))
        for j in range(j0, j1 + 1):
            dy = (j + 0.5 - scy) / sry
            if abs(dy) >= 1.0:
                continue
            hw = srx * math.sqrt(1.0 - dy * dy)
            self._paint_row(j, scx - hw, scx + hw, paint, alpha)

    def circle(self, cx, cy, r, paint, alpha=1.0):
        self.ellipse(cx, cy, r, r, paint, alpha)

    def rotated_ellipse(self, cx, cy, rx, ry, angle_deg, paint, alpha=1.0, steps=48):
        a = math.radians(angle_deg)
        ca, sa = math.cos(a), math.sin(a)
        pts = []
        for k in range(steps):
            t = 2 * math.pi * k / steps
            ex, ey = rx * math.cos(t), ry * math.sin(t)
            pts.append((cx + ex * ca - ey * sa, cy + ex * sa + ey * ca))
        self.polygon(pts, paint, alpha)

    def line(self, x0, y0, x1, y1, width, paint, caps=True, alpha=1.0):
        """A straight stroke of the given width, with round ends unless caps is False."""
        dx, dy = x1 - x0, y1 - y0
        d = math.hypot(dx, dy)
        if d > 0:
            nx, ny = -dy / d * width / 2, dx / d * width / 2
            self.polygon([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny),
                          (x0 - nx, y0 - ny)], paint, alpha)
        if caps:
            self.circle(x0, y0, width / 2, paint, alpha)
            if d > 0:
                self.circle(x1, y1, width / 2, paint, alpha)

    def polyline(self, pts, width, paint):
        for k in range(len(pts) - 1):
            self.line(pts[k][0], pts[k][1], pts[k + 1][0], pts[k + 1][1], width, paint)

    def ring(self, cx, cy, r_out, r_in, a0, a1, paint, alpha=1.0, steps=40):
        """A band between two circles from angle a0 to a1 (degrees, clockwise on screen from
        the +x axis, since y points down)."""
        pts = []
        for k in range(steps + 1):
            t = math.radians(a0 + (a1 - a0) * k / steps)
            pts.append((cx + r_out * math.cos(t), cy + r_out * math.sin(t)))
        for k in range(steps, -1, -1):
            t = math.radians(a0 + (a1 - a0) * k / steps)
            pts.append((cx + r_in * math.cos(t), cy + r_in * math.sin(t)))
        self.polygon(pts, paint, alpha)

    def round_rect(self, x, y, w, h, r, paint, alpha=1.0):
        r = min(r, w / 2, h / 2)
        pts = []
        for cx, cy, a0 in ((x + w - r, y + r, -90), (x + w - r, y + h - r, 0),
                           (x + r, y + h - r, 90), (x + r, y + r, 180)):
            for k in range(9):
                t = math.radians(a0 + 90 * k / 8)
                pts.append((cx + r * math.cos(t), cy + r * math.sin(t)))
        self.polygon(pts, paint, alpha)

    def curve(self, pts, width, paint, steps=16):
        """A stroke along a quadratic or cubic Bezier through the control points."""
        self.polyline(bezier(pts, steps), width, paint)

    # --- result ------------------------------------------------------------------------------
    def finish(self):
        img = Image(self.w, self.h)
        ss, W = self.ss, self.W
        n = ss * ss
        out = []
        for y in range(self.h):
            for x in range(self.w):
                r = g = b = 0.0
                for j in range(ss):
                    base = (y * ss + j) * W + x * ss
                    for c in self.s[base:base + ss]:
                        r += c[0]
                        g += c[1]
                        b += c[2]
                out.append((int(round(r / n)), int(round(g / n)), int(round(b / n))))
        img.px = out
        return img


def bezier(pts, steps=16):
    out = []
    for k in range(steps + 1):
        t = k / steps
        p = list(pts)
        while len(p) > 1:
            p = [(a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t) for a, b in zip(p, p[1:])]
        out.append(p[0])
    return out


# --- shaders: functions of a picture point giving a colour ---------------------------------

def linear(c0, c1, x0, y0, x1, y1):
    """Gradient from c0 at (x0, y0) to c1 at (x1, y1), in picture pixels."""
    dx, dy = x1 - x0, y1 - y0
    dd = dx * dx + dy * dy or 1.0

    def f(x, y):
        return mix(c0, c1, clamp01(((x - x0) * dx + (y - y0) * dy) / dd))
    return f


def sphere(base, cx, cy, r, light=(-0.45, -0.55), shine=0.85, dark=0.35, specular=WHITE):
    """A lit ball: the base colour darkening towards the rim away from the light, with a soft
    specular spot near the light; centre and radius in picture pixels."""
    lx, ly = light
    lz = math.sqrt(max(0.0, 1 - lx * lx - ly * ly))

    def f(x, y):
        nx, ny = (x - cx) / r, (y - cy) / r
        d2 = nx * nx + ny * ny
        nz = math.sqrt(max(0.0, 1 - d2))
        diff = max(0.0, nx * lx + ny * ly + nz * lz)
        c = shade(base, dark + (1.15 - dark) * diff)
        # reflection of the light straight back to the eye
        hx, hy, hz = lx, ly, lz + 1
        hl = math.sqrt(hx * hx + hy * hy + hz * hz)
        sp = max(0.0, (nx * hx + ny * hy + nz * hz) / hl) ** 24 * shine
        return mix(c, specular, clamp01(sp))
    return f


def enlarged(img, k):
    """Each pixel as a k x k block, for looking at small pictures."""
    out = Image(img.w * k, img.h * k)
    px = []
    for y in range(img.h):
        row = []
        for p in img.px[y * img.w:(y + 1) * img.w]:
            row += [p] * k
        px += row * k
    out.px = px
    return out
