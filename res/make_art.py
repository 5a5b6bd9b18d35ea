#!/usr/bin/env python3
"""Draws the program's pictures (icon, button glyphs, banner) as 16-colour
images. Run it after changing a drawing; its outputs are checked in."""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

# The standard 16-colour palette.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
    (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255), (255, 0, 255),
    (0, 255, 255), (255, 255, 255),
]
T = None  # transparent
NAVY, GREEN, OLIVE, SILVER, GREY, LIME, BLUE, WHITE, BLACK, YELLOW, RED, TEAL = 4, 2, 3, 7, 8, 10, 12, 15, 0, 11, 9, 6


def speaker(size):
    """A speaker with three sound waves."""
    s = size / 32.0
    img = [[T] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            fx, fy = (x + 0.5) / s, (y + 0.5) / s
            # body and cone
            if 3 <= fx <= 9 and 11 <= fy <= 21:
                img[y][x] = NAVY
            elif 9 <= fx <= 17 and abs(fy - 16) <= 5 + (fx - 9) * 0.9:
                img[y][x] = BLUE if abs(fy - 16) < 3 + (fx - 9) * 0.9 else NAVY
            # waves
            r = math.hypot(fx - 15, fy - 16)
            ang = abs(math.degrees(math.atan2(fy - 16, fx - 15)))
            if fx > 18 and ang < 50:
                for radius, colour in ((7, LIME), (11, GREEN), (15, TEAL)):
                    if abs(r - radius) <= 1.1 * max(1, s):
                        img[y][x] = colour
    return img


def bmp_4bit(img):
    h = len(img)
    w = len(img[0])
    header = struct.pack('<IiiHHIIiiII', 40, w, h * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    pal = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in PALETTE)
    xor = b''
    rowbytes = ((w * 4 + 31) // 32) * 4
    for y in reversed(range(h)):
        row = bytearray(rowbytes)
        for x in range(w):
            c = img[y][x] or 0
            row[x // 2] |= c << (4 if x % 2 == 0 else 0)
        xor += bytes(row)
    andb = b''
    maskbytes = ((w + 31) // 32) * 4
    for y in reversed(range(h)):
        row = bytearray(maskbytes)
        for x in range(w):
            if img[y][x] is None:
                row[x // 8] |= 0x80 >> (x % 8)
        andb += bytes(row)
    return header + pal + xor + andb


def write_ico(path, images):
    data = [bmp_4bit(i) for i in images]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for img, d in zip(images, data):
        out += struct.pack('<BBBBHHII', len(img[0]) % 256, len(img) % 256, 16, 0, 1, 4, len(d), offset)
        offset += len(d)
    with open(path, 'wb') as f:
        f.write(out + b''.join(data))


def write_bmp(path, img):
    """A 16-colour .bmp; transparent pixels take the colour of the bottom-left one (silver)."""
    h = len(img)
    w = len(img[0])
    rowbytes = ((w * 4 + 31) // 32) * 4
    pixels = b''
    for y in reversed(range(h)):
        row = bytearray(rowbytes)
        for x in range(w):
            c = img[y][x]
            c = SILVER if c is None else c
            row[x // 2] |= c << (4 if x % 2 == 0 else 0)
        pixels += bytes(row)
    pal = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in PALETTE)
    info = struct.pack('<IiiHHIIiiII', 40, w, h, 1, 4, 0, len(pixels), 2835, 2835, 16, 0)
    offset = 14 + len(info) + len(pal)
    filehdr = struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset)
    with open(path, 'wb') as f:
        f.write(filehdr + info + pal + pixels)


def glyph(kind):
    img = [[T] * 16 for _ in range(16)]
    if kind == 'new':  # a sheet with a green plus
        for y in range(2, 15):
            for x in range(3, 12):
                img[y][x] = WHITE if 3 < x < 11 and 2 < y < 14 else GREY
        for i in range(6, 15):
            img[10][i - 1 if i < 15 else 14] = GREEN
        for y in range(6, 15):
            img[y][10] = GREEN
        for x in range(6, 15):
            img[10][x] = GREEN
    elif kind == 'delete':  # a red cross
        for i in range(3, 13):
            for d in (0, 1):
                img[i][i + d - 0 if i + d < 16 else 15] = RED
                img[i][15 - i - d] = RED
    elif kind == 'ok':  # a green check mark
        for x in range(2, 14):
            y = 7 + (x - 2) if x <= 6 else 11 - (x - 6)
            for d in (-1, 0, 1):
                img[y + d][x] = LIME if d == -1 else GREEN
    elif kind in ('up', 'down'):  # a navy arrow
        for y in range(2, 14):
            row = y - 2 if kind == 'up' else 13 - y
            half = min(row, 6) if row < 7 else 2
            for x in range(8 - half - 1, 8 + half + 1):
                if 0 <= x < 16:
                    img[y][x] = NAVY if row < 7 else BLUE
    return img


def banner():
    """200 x 40: a band from navy to teal with a row of volume bars."""
    w, h = 200, 40
    img = [[NAVY] * w for _ in range(h)]
    for y in range(h):
        for x in range(w):
            if (x + y) % 23 < 3:
                img[y][x] = BLUE
    for i in range(12):
        bh = 4 + i * 2
        x0 = 120 + i * 6
        for y in range(h - 4 - bh, h - 4):
            for x in range(x0, x0 + 4):
                img[y][x] = LIME if i < 8 else (YELLOW if i < 10 else RED)
    return img


def drag_cursor():
    """The drag pointer: an arrow with a small white sheet below it. 'B' black,
    'W' white, '.' transparent; hot spot at the arrow's tip (0, 0)."""
    arrow = [
        "B...........",
        "BB..........",
        "BWB.........",
        "BWWB........",
        "BWWWB.......",
        "BWWWWB......",
        "BWWWWWB.....",
        "BWWWWWWB....",
        "BWWWWWWWB...",
        "BWWWWWBBBB..",
        "BWWBWWB.....",
        "BWB.BWWB....",
        "BB..BWWB....",
        "B....BWWB...",
        ".....BWWB...",
        "......BB....",
    ]
    rows = [r.ljust(32, '.') for r in arrow] + ['.' * 32 for _ in range(16)]
    rows = [list(r) for r in rows]
    # the sheet
    for y in range(17, 27):
        for x in range(2, 12):
            rows[y][x] = 'B' if y in (17, 26) or x in (2, 11) else 'W'
    return [''.join(r) for r in rows]


def write_cur(path, rows, hotspot=(0, 0)):
    """A monochrome 32 x 32 cursor."""
    w = h = 32
    xor = b''
    andb = b''
    for y in reversed(range(h)):
        xrow = bytearray(4)
        arow = bytearray(4)
        for x in range(w):
            c = rows[y][x]
            if c == '.':
                arow[x // 8] |= 0x80 >> (x % 8)
            elif c == 'W':
                xrow[x // 8] |= 0x80 >> (x % 8)
        xor += bytes(xrow)
        andb += bytes(arow)
    header = struct.pack('<IiiHHIIiiII', 40, w, h * 2, 1, 1, 0, len(xor) + len(andb), 0, 0, 2, 0)
    pal = struct.pack('<BBBBBBBB', 0, 0, 0, 0, 255, 255, 255, 0)
    data = header + pal + xor + andb
    out = struct.pack('<HHH', 0, 2, 1) + struct.pack('<BBBBHHII', w, h, 0, 0, hotspot[0], hotspot[1], len(data), 22)
    with open(path, 'wb') as f:
        f.write(out + data)


def main():
    write_ico(os.path.join(HERE, 'quendrel.ico'), [speaker(32), speaker(16)])
    for name in ('new', 'delete', 'up', 'down', 'ok'):
        write_bmp(os.path.join(HERE, 'glyph_%s.bmp' % name), glyph(name))
    write_bmp(os.path.join(HERE, 'banner.bmp'), banner())
    write_cur(os.path.join(HERE, 'drag.cur'), drag_cursor())


if __name__ == '__main__':
    main()
