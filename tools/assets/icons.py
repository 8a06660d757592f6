"""Window icons and the hand cursor, drawn pixel by pixel in the sixteen classic colours:
the computer monitor (saver window and about box), the miniature brick game (configuration
dialog) and the padlock (password dialogs), each at 32 x 32 and 16 x 16."""

from raster import Image
from imagefile import VGA16

K, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER, GREY, RED, LIME, YELLOW, BLUE, \
    MAGENTA, CYAN, WHITE = VGA16

_CODES = {'K': K, 'm': MAROON, 'g': GREEN, 'o': OLIVE, 'n': NAVY, 'p': PURPLE, 't': TEAL,
          's': SILVER, 'G': GREY, 'R': RED, 'L': LIME, 'Y': YELLOW, 'B': BLUE, 'M': MAGENTA,
          'C': CYAN, 'W': WHITE}


def from_rows(rows, size):
    """Picture and transparency from text rows: one character per pixel, '.' transparent."""
    img = Image(size, size)
    clear = [[1] * size for _ in range(size)]
    for y, row in enumerate(rows):
        for x, ch in enumerate(row):
            if ch != '.':
                img.set(x, y, _CODES[ch])
                clear[y][x] = 0
    return img, clear


class Pixels:
    """A pixel grid drawn with filled boxes; untouched pixels stay transparent."""

    def __init__(self, size):
        self.size = size
        self.g = [['.'] * size for _ in range(size)]

    def box(self, x0, y0, x1, y1, c):
        for y in range(max(0, y0), min(self.size, y1 + 1)):
            for x in range(max(0, x0), min(self.size, x1 + 1)):
                self.g[y][x] = c

    def dot(self, x, y, c):
        self.box(x, y, x, y, c)

    def frame(self, x0, y0, x1, y1, light, dark):
        """A raised edge: light along the top and left, dark along the bottom and right."""
        self.box(x0, y0, x1, y0, light)
        self.box(x0, y0, x0, y1, light)
        self.box(x0, y1, x1, y1, dark)
        self.box(x1, y0, x1, y1, dark)

    def rows(self):
        return [''.join(r) for r in self.g]


# --- the computer monitor ----------------------------------------------------------------------

def monitor(size):
    p = Pixels(size)
    if size == 32:
        p.box(1, 2, 30, 24, 'K')                  # case outline
        p.box(2, 3, 29, 23, 's')
        p.frame(2, 3, 29, 23, 'W', 'G')
        p.box(5, 6, 26, 19, 'K')                  # bezel edge
        p.box(6, 7, 25, 18, 'n')                  # the screen: a snowy night
        p.box(6, 16, 25, 18, 'W')
        p.box(6, 15, 9, 15, 'W')
        p.box(20, 15, 25, 15, 'W')
        for x, y in ((8, 9), (13, 8), (19, 10), (23, 8), (10, 12), (16, 11), (22, 13), (14, 14)):
            p.dot(x, y, 'W' if (x + y) % 3 else 'Y')
        p.box(15, 10, 16, 11, 'g')                # a little fir on the hill
        p.box(14, 12, 17, 13, 'g')
        p.box(13, 14, 18, 15, 'g')
        p.box(15, 16, 16, 16, 'm')
        p.box(15, 9, 16, 9, 'Y')
        p.box(5, 20, 26, 20, 'W')                 # lower lip of the bezel
        p.box(24, 21, 26, 21, 'L')                # power light
        p.box(12, 25, 19, 26, 'K')                # neck
        p.box(13, 25, 18, 25, 'G')
        p.box(6, 27, 25, 30, 'K')                 # foot
        p.box(7, 28, 24, 29, 's')
        p.box(7, 28, 24, 28, 'W')
    else:
        p.box(0, 1, 15, 12, 'K')
        p.box(1, 2, 14, 11, 's')
        p.frame(1, 2, 14, 11, 'W', 'G')
        p.box(3, 4, 12, 9, 'n')
        p.box(3, 8, 12, 9, 'W')
        p.dot(5, 5, 'W')
        p.dot(10, 5, 'Y')
        p.dot(8, 6, 'W')
        p.box(7, 6, 8, 8, 'g')
        p.dot(12, 10, 'L')
        p.box(6, 13, 9, 13, 'K')
        p.box(3, 14, 12, 15, 'K')
        p.box(4, 14, 11, 14, 's')
    return from_rows(p.rows(), size)


# --- the miniature brick game -----------------------------------------------------------------

def brick_game(size):
    p = Pixels(size)
    p.box(0, 0, size - 1, size - 1, 'K')
    if size == 32:
        p.frame(0, 0, 31, 31, 'G', 'G')
        for row, (y, light, dark) in enumerate(((4, 'C', 'B'), (9, 'Y', 'R'), (14, 'L', 'g'))):
            for k in range(6):
                x = 2 + k * 5 - (2 if row == 1 else 0)
                x0, x1 = max(2, x), min(29, x + 3)
                if x1 - x0 < 1:
                    continue
                p.box(x0, y, x1, y + 2, dark)
                p.box(x0, y, x1, y, light)
            if row == 1:
                p.box(28, y, 29, y + 2, dark)
                p.box(28, y, 29, y, light)
        p.box(17, 21, 18, 22, 'W')          # ball
        p.box(11, 27, 21, 28, 'W')          # paddle
        p.box(11, 28, 21, 28, 's')
    else:
        for y, light, dark in ((2, 'C', 'B'), (5, 'Y', 'R'), (8, 'L', 'g')):
            for x in (1, 5, 9, 13):
                p.box(x, y, min(14, x + 2), y + 1, dark)
                p.box(x, y, min(14, x + 2), y, light)
        p.dot(9, 11, 'W')
        p.box(5, 14, 10, 14, 'W')
    return from_rows(p.rows(), size)


# --- the padlock ---------------------------------------------------------------------------------

def padlock(size):
    p = Pixels(size)
    if size == 32:
        p.box(0, 0, 31, 31, 's')                 # the raised grey square tile
        p.frame(0, 0, 31, 31, 'W', 'K')
        p.frame(1, 1, 30, 30, 'W', 'G')
        # shackle: an arch of grey with a black outline
        p.box(10, 4, 21, 16, 'K')
        p.box(11, 5, 20, 16, 'G')
        p.box(13, 7, 18, 16, 'K')
        p.box(14, 8, 17, 16, 's')
        p.dot(10, 4, 's')
        p.dot(21, 4, 's')
        p.dot(11, 5, 'K')
        p.dot(20, 5, 'K')
        p.box(12, 6, 12, 15, 'W')               # light down the left of the shackle
        p.box(13, 6, 18, 6, 'W')
        # body
        p.box(7, 14, 24, 28, 'K')
        p.box(8, 15, 23, 27, 'G')
        p.box(8, 15, 23, 15, 'W')
        p.box(8, 15, 8, 27, 'W')
        p.box(9, 16, 22, 16, 's')
        p.box(9, 16, 9, 26, 's')
        p.box(9, 27, 23, 27, 'K')
        p.box(15, 19, 16, 22, 'K')              # keyhole
        p.box(14, 19, 17, 20, 'K')
        p.box(15, 23, 16, 24, 'K')
    else:
        p.box(0, 0, 15, 15, 's')
        p.frame(0, 0, 15, 15, 'W', 'K')
        p.frame(1, 1, 14, 14, 's', 'G')
        p.box(5, 2, 10, 8, 'K')
        p.box(6, 3, 9, 8, 'G')
        p.box(7, 4, 8, 8, 's')
        p.dot(5, 2, 's')
        p.dot(10, 2, 's')
        p.box(3, 7, 12, 13, 'K')
        p.box(4, 8, 11, 12, 'G')
        p.box(4, 8, 11, 8, 'W')
        p.box(4, 8, 4, 12, 'W')
        p.box(7, 9, 8, 11, 'K')
    return from_rows(p.rows(), size)


# --- the hand cursor ---------------------------------------------------------------------------

HAND_HOTSPOT = (12, 1)

_HAND = [
    "................................",
    "...........KKK..................",
    "..........KWWWK.................",
    "..........KWWWK.................",
    "..........KWWWK.................",
    "..........KWWWK.................",
    "..........KWWWK.................",
    "..........KWWWKKK...............",
    "..........KWWWKWWKKK............",
    "..........KWWWKWWKWWKKK.........",
    "..........KWWWKWWKWWKWWK........",
    "..........KWWWKWWKWWKWsK........",
    "....KKK...KWWWWWWWWWWWsK........",
    "...KWWWK..KWWWWWWWWWWWsK........",
    "...KWWWWK.KWWWWWWWWWWWsK........",
    "....KWWWWKKWWWWWWWWWWWsK........",
    ".....KWWWWWWWWWWWWWWWWsK........",
    "......KWWWWWWWWWWWWWWWsK........",
    ".......KWWWWWWWWWWWWWWsK........",
    "........KWWWWWWWWWWWWWsK........",
    ".........KWWWWWWWWWWWsK.........",
    ".........KWWWWWWWWWWWsK.........",
    ".........KKKKKKKKKKKKKK.........",
    ".........KCBBBBBBBBBBBK.........",
    ".........KCBBBBBBBBBBBK.........",
    ".........KBBBBBBBBBBBnK.........",
    ".........KnnnnnnnnnnnnK.........",
    ".........KKKKKKKKKKKKKK.........",
]


def hand_cursor():
    return from_rows(_HAND, 32)
