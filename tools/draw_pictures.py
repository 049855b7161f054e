#!/usr/bin/env python3
"""Draws PIRUMO's pictures into a folder (normally res/): every picture and
the file each platform needs of it comes from the drawings below.

    tools/draw_pictures.py res

- NAME.xpm and NAME@2x.xpm: each picture at its own size and at twice that
  for dense screens, compiled into every window and the page;
- icons/pirumo-N.png: the program's icon at the desktop's sizes, 16 to 256;
- pirumo.ico: the icon of pirumo.exe, 16 to 48 pixels in 16 colours and
  256 pixels as PNG.

A drawing is made in the pixel grid of the picture's own size. At any other
size each pixel takes the colour of whatever covers its centre, so edges stay
sharp and round shapes come out finer at twice the size.
"""
import os
import struct
import sys

from pngfile import png

out = sys.argv[1]


class Canvas:
    def __init__(s, w, h, bg):
        s.w, s.h = w, h
        s.bg = bg
        s.shapes = []            # (covers(x, y) in picture pixels, colour key), last on top
    def fill(s, covers, c):
        s.shapes.append((covers, c))
    def set(s, x, y, c):
        s.rect(x, y, x, y, c)
    def rect(s, x0, y0, x1, y1, c):          # filled, inclusive
        s.fill(lambda x, y: x0 <= x < x1 + 1 and y0 <= y < y1 + 1, c)
    def frame(s, x0, y0, x1, y1, c):
        s.rect(x0, y0, x1, y0, c); s.rect(x0, y1, x1, y1, c)
        s.rect(x0, y0, x0, y1, c); s.rect(x1, y0, x1, y1, c)
    def disc(s, cx, cy, r, c):               # centred on pixel (cx, cy)
        s.fill(lambda x, y: (x - 0.5 - cx) ** 2 + (y - 0.5 - cy) ** 2 <= r * r, c)
    def rows(s, size):
        """The (square) picture as size rows of size colour keys."""
        w = h = size
        rows = []
        for dy in range(h):
            row = ''
            for dx in range(w):
                x, y = (dx + 0.5) * s.w / w, (dy + 0.5) * s.h / h
                c = s.bg
                for covers, colour in s.shapes:
                    if covers(x, y):
                        c = colour
                row += c
            rows.append(row)
        return rows


def xpm_file(name, array, rows, palette):
    lines = ['/* XPM */', 'static const char *const %s[] = {' % array,
             '"%d %d %d 1",' % (len(rows[0]), len(rows), len(palette))]
    for ch, col in palette.items():
        lines.append('"%s c %s",' % (ch, col))
    for i, row in enumerate(rows):
        lines.append('"%s"%s' % (row, ',' if i < len(rows) - 1 else ''))
    lines.append('};')
    open(os.path.join(out, name), 'w').write('\n'.join(lines) + '\n')


def xpm(name, canvas, palette, flip=False):
    """NAME.xpm at the picture's size and NAME@2x.xpm at twice it."""
    for suffix, array, scale in (('', name + '_xpm', 1), ('@2x', name + '_2x_xpm', 2)):
        rows = canvas.rows(canvas.w * scale)
        xpm_file(name + suffix + '.xpm', array, rows[::-1] if flip else rows, palette)


def rgb(rows, palette):
    return [[tuple(int(palette[c][i:i + 2], 16) for i in (1, 3, 5)) for c in row] for row in rows]


# The 16 colours of the classic Windows palette, which the icon keeps to.
VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
       (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
       (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def bmp16(pixels):
    """An icon image of 16 colours: the bitmap, then an all-opaque mask."""
    n = len(pixels)
    header = struct.pack('<IiiHHIIiiII', 40, n, 2 * n, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(bytes((b, g, r, 0)) for r, g, b in VGA)
    stride = (n // 2 + 3) & ~3
    image = b''
    for row in reversed(pixels):
        line = bytearray(stride)
        for x, p in enumerate(row):
            line[x // 2] |= VGA.index(p) << (0 if x % 2 else 4)
        image += bytes(line)
    mask = bytes(((n + 31) // 32) * 4 * n)
    return header + palette + image + mask


def ico(images):
    """An .ico file of (size, data) pairs."""
    head = struct.pack('<HHH', 0, 1, len(images))
    offset = len(head) + 16 * len(images)
    entries, body = b'', b''
    for size, data in images:
        png_data = data.startswith(b'\x89PNG')
        entries += struct.pack('<BBBBHHII', size % 256, size % 256, 0 if png_data else 16, 0, 1,
                               32 if png_data else 4, len(data), offset + len(body))
        body += data
    return head + entries + body


# The toolbar pictures' background, silver (192, 192, 192) in the image list of
# pirumo.exe, which masks that colour: stored as XPM's transparent None.
SILVER = 'None'

# Window icon: red C and blue D over a smiling robot face, on white.
c = Canvas(32, 32, '.')
# C: rows 1..13, columns 2..13, stroke 3
c.rect(4, 1, 13, 3, 'r'); c.rect(2, 3, 4, 11, 'r'); c.rect(4, 11, 13, 13, 'r'); c.rect(3, 2, 5, 12, 'r')
# D: columns 18..29
c.rect(18, 1, 20, 13, 'b'); c.rect(18, 1, 26, 3, 'b'); c.rect(18, 11, 26, 13, 'b')
c.rect(26, 2, 28, 12, 'b'); c.rect(27, 4, 29, 10, 'b')
# Robot head
c.rect(6, 16, 25, 31, 'g'); c.frame(6, 16, 25, 31, 'k')
c.rect(2, 21, 5, 25, 'd'); c.rect(26, 21, 29, 25, 'd')      # bolts
c.rect(0, 22, 1, 24, 'd'); c.rect(30, 22, 31, 24, 'd')
c.rect(10, 19, 12, 21, 'k'); c.rect(19, 19, 21, 21, 'k')    # eyes
c.rect(15, 23, 16, 25, 'k')                                  # nose
for x, y in [(10, 27), (11, 28), (12, 29), (13, 29), (14, 29), (15, 29), (16, 29), (17, 29), (18, 29), (19, 29), (20, 28), (21, 27)]:
    c.set(x, y, 'k')                                          # smile
ICON_COLOURS = {'.': '#FFFFFF', 'r': '#FF0000', 'b': '#0000FF', 'g': '#C0C0C0',
                        'd': '#808080', 'k': '#000000'}
xpm('pirumo', c, ICON_COLOURS)

# Step pictures: white field, dark-grey triangle 7 wide and 5 high in the centre.
up = Canvas(20, 20, '.')
for i in range(4):          # rows 8..11: widths 1,3,5,7
    up.rect(9 - i, 8 + i, 9 + i, 8 + i, 'k')
up.rect(6, 12, 12, 12, 'k')  # base row repeated to make five rows high
xpm('up', up, {'.': '#FFFFFF', 'k': '#404040'})
xpm('down', up, {'.': '#FFFFFF', 'k': '#404040'}, flip=True)

# Toolbar images, 16 x 16 on silver, which the toolbar draws transparent.
# log: a camera seen from the front.
t = Canvas(16, 16, '.')
t.rect(5, 2, 10, 4, 'k')                # viewfinder bump
t.rect(1, 4, 14, 13, 'k')               # body
t.disc(7.5, 8.5, 3.6, 'g'); t.disc(7.5, 8.5, 1.6, 'd')
t.rect(12, 5, 13, 6, 'w')               # flash window
xpm('log', t, {'.': SILVER, 'k': '#000000', 'g': '#808080', 'd': '#404040', 'w': '#FFFFFF'})

# save: a floppy disk in olive and black.
t = Canvas(16, 16, '.')
t.rect(1, 1, 14, 14, 'o'); t.frame(1, 1, 14, 14, 'k')
t.rect(4, 1, 11, 6, 'w'); t.frame(4, 1, 11, 6, 'k'); t.rect(8, 2, 9, 5, 'k')   # shutter
t.rect(3, 9, 12, 14, 'k'); t.rect(4, 10, 11, 13, 'w')                          # label
xpm('save', t, {'.': SILVER, 'o': '#808000', 'k': '#000000', 'w': '#FFFFFF'})

# copy: two overlapping pages.
t = Canvas(16, 16, '.')
t.rect(1, 1, 8, 10, 'w'); t.frame(1, 1, 8, 10, 'k')
for y in (3, 5, 7): t.rect(3, y, 6, y, 'k')
t.rect(6, 5, 14, 15, 'w'); t.frame(6, 5, 14, 15, 'n')
for y in (7, 9, 11, 13): t.rect(8, y, 12, y, 'n')
xpm('copy', t, {'.': SILVER, 'k': '#000000', 'w': '#FFFFFF', 'n': '#000080'})

# paste: an olive chequered clipboard with a yellow clip, a page in front.
t = Canvas(16, 16, '.')
t.rect(1, 2, 11, 14, 'o')
for y in range(3, 14):
    for x in range(2, 11):
        if (x + y) % 2 == 0: t.set(x, y, 'l')
t.frame(1, 2, 11, 14, 'k')
t.rect(4, 1, 8, 3, 'y'); t.frame(4, 1, 8, 3, 'k')
t.rect(7, 7, 14, 15, 'w'); t.frame(7, 7, 14, 15, 'n')
for y in (9, 11, 13): t.rect(9, y, 12, y, 'n')
xpm('paste', t, {'.': SILVER, 'o': '#808000', 'l': '#A0A040', 'k': '#000000', 'y': '#FFFF00',
                       'w': '#FFFFFF', 'n': '#000080'})

# help: a purple book with a yellow question mark.
t = Canvas(16, 16, '.')
t.rect(2, 1, 13, 14, 'p'); t.frame(2, 1, 13, 14, 'k'); t.rect(3, 13, 13, 14, 'w'); t.frame(2, 12, 13, 15, 'k')
t.rect(3, 13, 12, 14, 'w')
for x, y in [(6, 3), (7, 3), (8, 3), (9, 3), (5, 4), (10, 4), (10, 5), (9, 6), (8, 7), (8, 8), (8, 10)]:
    t.set(x, y, 'y')
for x, y in [(6, 4), (9, 4), (9, 5), (8, 6), (7, 7), (7, 8), (7, 10)]:
    t.set(x, y, 'y')
xpm('help', t, {'.': SILVER, 'p': '#800080', 'k': '#000000', 'w': '#FFFFFF', 'y': '#FFFF00'})

# end: a bold black diagonal cross on light grey (191, one step off the mask colour).
t = Canvas(25, 25, '.')
for i in range(3, 22):
    for d in (-2, -1, 0, 1, 2):
        t.set(i + d, i, 'k'); t.set(24 - i + d, i, 'k')
xpm('end', t, {'.': '#BFBFBF', 'k': '#000000'})

# The program's icon at the desktop's sizes (192 and 512 for the page as a
# web app), and pirumo.ico for pirumo.exe.
os.makedirs(os.path.join(out, 'icons'), exist_ok=True)
for size in (16, 24, 32, 48, 64, 128, 192, 256, 512):
    open(os.path.join(out, 'icons', 'pirumo-%d.png' % size), 'wb').write(png(rgb(c.rows(size), ICON_COLOURS)))
open(os.path.join(out, 'pirumo.ico'), 'wb').write(ico(
    [(size, bmp16(rgb(c.rows(size), ICON_COLOURS))) for size in (16, 24, 32, 48)]
    + [(256, png(rgb(c.rows(256), ICON_COLOURS)))]))
