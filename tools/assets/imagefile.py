"""Picture files: Windows bitmaps (8-bit palettised and 24-bit), icons and cursors, a PNG
writer for looking at the results, and the palette reduction that the 256-colour pictures need.
"""

import struct
import zlib

from raster import Image, BLACK, WHITE

# The sixteen colours of the classic Windows palette, in its usual order; icons and the cursor
# are drawn in these.
VGA16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


# --- palette reduction ------------------------------------------------------------------------

def quantize(img, size=256, keep=(BLACK, WHITE)):
    """Reduces img to at most `size` colours by median cut. Colours in `keep` are palette
    entries of their own and every pixel of exactly that colour keeps it. Returns the palette
    (list of RGB) and one index per pixel."""
    hist = {}
    for p in img.px:
        hist[p] = hist.get(p, 0) + 1
    keep = [tuple(c) for c in keep]
    palette = list(keep)
    index_of = {c: i for i, c in enumerate(keep)}
    rest = [(c, n) for c, n in hist.items() if c not in index_of]
    room = size - len(palette)
    if len(rest) <= room:
        for c, _ in rest:
            index_of[c] = len(palette)
            palette.append(c)
    else:
        boxes = [rest]
        while len(boxes) < room:
            # split the box that holds the most spread-out weight
            best, best_score = None, 0
            for k, b in enumerate(boxes):
                if len(b) < 2:
                    continue
                spread = max(max(c[ch] for c, _ in b) - min(c[ch] for c, _ in b)
                             for ch in range(3))
                score = spread * spread * sum(n for _, n in b) ** 0.5
                if score > best_score:
                    best, best_score = k, score
            if best is None:
                break
            b = boxes.pop(best)
            ch = max(range(3), key=lambda ch: max(c[ch] for c, _ in b) - min(c[ch] for c, _ in b))
            b.sort(key=lambda e: e[0][ch])
            total = sum(n for _, n in b)
            acc, cut = 0, 1
            for k, (_, n) in enumerate(b):
                acc += n
                if acc * 2 >= total:
                    cut = max(1, min(len(b) - 1, k + 1))
                    break
            boxes += [b[:cut], b[cut:]]
        for b in boxes:
            total = sum(n for _, n in b)
            mean = tuple(int(round(sum(c[ch] * n for c, n in b) / total)) for ch in range(3))
            idx = len(palette)
            palette.append(mean)
            for c, _ in b:
                index_of[c] = idx
    while len(palette) < size:
        palette.append(BLACK)
    return palette, [index_of[p] for p in img.px]


def nearest_indices(img, palette):
    """Index of the nearest palette colour for every pixel (for fixed palettes)."""
    cache = {}
    out = []
    for p in img.px:
        k = cache.get(p)
        if k is None:
            k = min(range(len(palette)),
                    key=lambda i: sum((p[c] - palette[i][c]) ** 2 for c in range(3)))
            cache[p] = k
        out.append(k)
    return out


# --- Windows bitmaps ------------------------------------------------------------------------

def _info_header(w, h, bits, colours, image_size):
    return struct.pack('<IiiHHIIiiII', 40, w, h, 1, bits, 0, image_size, 2835, 2835,
                       colours, colours)


def bmp8_bytes(w, h, palette, indices):
    stride = (w + 3) & ~3
    rows = b''.join(bytes(indices[y * w:(y + 1) * w]) + b'\0' * (stride - w)
                    for y in range(h - 1, -1, -1))
    pal = b''.join(struct.pack('BBBB', b, g, r, 0) for r, g, b in palette)
    offset = 14 + 40 + len(pal)
    return (b'BM' + struct.pack('<IHHI', offset + len(rows), 0, 0, offset)
            + _info_header(w, h, 8, 256, len(rows)) + pal + rows)


def bmp24_bytes(img):
    w, h = img.w, img.h
    stride = (w * 3 + 3) & ~3
    out = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray()
        for r, g, b in img.px[y * w:(y + 1) * w]:
            row += bytes((b, g, r))
        out += row + b'\0' * (stride - len(row))
    offset = 54
    return (b'BM' + struct.pack('<IHHI', offset + len(out), 0, 0, offset)
            + _info_header(w, h, 24, 0, len(out)) + bytes(out))


def write_bmp8(path, img, keep=(BLACK, WHITE)):
    palette, idx = quantize(img, 256, keep)
    with open(path, 'wb') as f:
        f.write(bmp8_bytes(img.w, img.h, palette, idx))
    return palette, idx


def write_bmp24(path, img):
    with open(path, 'wb') as f:
        f.write(bmp24_bytes(img))


def read_bmp(data):
    """Image from the bytes of an uncompressed 4-, 8- or 24-bit bottom-up bitmap."""
    off = struct.unpack_from('<I', data, 10)[0]
    return _read_dib(data, 14, off, mask=False)[0]


def _read_dib(data, at, pixels_at=None, mask=False):
    hsize, w, h, _, bits = struct.unpack_from('<IiiHH', data, at)
    colours = struct.unpack_from('<I', data, at + 32)[0]
    if mask:
        h //= 2
    pal = []
    if bits <= 8:
        n = colours or (1 << bits)
        for k in range(n):
            b, g, r, _ = data[at + hsize + 4 * k:at + hsize + 4 * k + 4]
            pal.append((r, g, b))
        start = at + hsize + 4 * n
    else:
        start = at + hsize
    if pixels_at is not None:
        start = pixels_at
    stride = ((w * bits + 31) // 32) * 4
    img = Image(w, h)
    for y in range(h):
        row = data[start + (h - 1 - y) * stride:start + (h - y) * stride]
        for x in range(w):
            if bits == 24:
                b, g, r = row[3 * x:3 * x + 3]
                img.px[y * w + x] = (r, g, b)
            elif bits == 8:
                img.px[y * w + x] = pal[row[x]]
            elif bits == 4:
                v = row[x // 2]
                img.px[y * w + x] = pal[(v >> 4) if x % 2 == 0 else (v & 15)]
    transparent = None
    if mask:
        mstart = start + stride * h
        mstride = ((w + 31) // 32) * 4
        transparent = []
        for y in range(h):
            row = data[mstart + (h - 1 - y) * mstride:mstart + (h - y) * mstride]
            transparent.append([(row[x // 8] >> (7 - x % 8)) & 1 for x in range(w)])
    return img, transparent


# --- icons and cursors -------------------------------------------------------------------------

def _dib4_with_mask(img, transparent):
    """4-bit DIB (VGA palette) plus its AND mask, as icons and cursors store them. Transparent
    pixels get colour 0 and a set mask bit."""
    w, h = img.w, img.h
    idx = nearest_indices(img, VGA16)
    stride = ((w * 4 + 31) // 32) * 4
    xor = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray(stride)
        for x in range(w):
            v = 0 if transparent[y][x] else idx[y * w + x]
            row[x // 2] |= v << 4 if x % 2 == 0 else v
        xor += row
    mstride = ((w + 31) // 32) * 4
    andm = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray(mstride)
        for x in range(w):
            if transparent[y][x]:
                row[x // 8] |= 0x80 >> (x % 8)
        andm += row
    pal = b''.join(struct.pack('BBBB', b, g, r, 0) for r, g, b in VGA16)
    head = struct.pack('<IiiHHIIiiII', 40, w, 2 * h, 1, 4, 0, len(xor) + len(andm), 0, 0, 16, 0)
    return head + pal + bytes(xor) + bytes(andm)


def icon_bytes(images, cursor_hotspot=None):
    """An .ico (or, with a hot spot, a .cur) holding each (Image, transparent-rows) pair."""
    kind = 2 if cursor_hotspot else 1
    dibs = [_dib4_with_mask(img, t) for img, t in images]
    out = struct.pack('<HHH', 0, kind, len(images))
    offset = 6 + 16 * len(images)
    for (img, _), dib in zip(images, dibs):
        if cursor_hotspot:
            a, b = cursor_hotspot
        else:
            a, b = 1, 4  # planes and bits per pixel
        out += struct.pack('<BBBBHHII', img.w % 256, img.h % 256, 16, 0, a, b, len(dib), offset)
        offset += len(dib)
    return out + b''.join(dibs)


def read_icon(data):
    """[(Image, transparent rows, (x, y) of the entry's planes/bits or hot spot)] of a file."""
    _, _, n = struct.unpack_from('<HHH', data, 0)
    out = []
    for k in range(n):
        _, _, _, _, a, b, _, off = struct.unpack_from('<BBBBHHII', data, 6 + 16 * k)
        img, t = _read_dib(data, off, mask=True)
        out.append((img, t, (a, b)))
    return out


# --- PNG, for looking at the pictures ------------------------------------------------------------

def png_bytes(img):
    raw = bytearray()
    for y in range(img.h):
        raw.append(0)
        for r, g, b in img.px[y * img.w:(y + 1) * img.w]:
            raw += bytes((r, g, b))

    def chunk(t, d):
        c = struct.pack('>I', len(d)) + t + d
        return c + struct.pack('>I', zlib.crc32(t + d) & 0xffffffff)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', img.w, img.h, 8, 2, 0, 0, 0))
            + chunk(b'IDAT', zlib.compress(bytes(raw), 9)) + chunk(b'IEND', b''))
