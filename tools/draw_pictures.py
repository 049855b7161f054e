#!/usr/bin/env python3
"""Draws PIRUMO's pictures as XPM text into a folder (normally res/).

    tools/draw_pictures.py res

res/pirumo.png and res/pirumo.ico are made from res/pirumo.xpm with ImageMagick:

    convert res/pirumo.xpm res/pirumo.png
    convert res/pirumo.xpm -colors 16 -type Palette res/pirumo.ico
"""
import os
import sys

out = sys.argv[1]

def xpm(name, w, h, palette, pixels):
    # palette: dict char -> "#rrggbb"
    lines = ['/* XPM */', 'static const char *const %s_xpm[] = {' % name,
             '"%d %d %d 1",' % (w, h, len(palette))]
    for ch, col in palette.items():
        lines.append('"%s c %s",' % (ch, col))
    for i, row in enumerate(pixels):
        assert len(row) == w, (name, i, len(row))
        lines.append('"%s"%s' % (row, ',' if i < h - 1 else ''))
    lines.append('};')
    open(os.path.join(out, name.replace('_', '-') + '.xpm'), 'w').write('\n'.join(lines) + '\n')

class Canvas:
    def __init__(s, w, h, bg):
        s.w, s.h = w, h
        s.p = [[bg] * w for _ in range(h)]
    def set(s, x, y, c):
        if 0 <= x < s.w and 0 <= y < s.h:
            s.p[y][x] = c
    def rect(s, x0, y0, x1, y1, c):          # filled, inclusive
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                s.set(x, y, c)
    def frame(s, x0, y0, x1, y1, c):
        for x in range(x0, x1 + 1):
            s.set(x, y0, c); s.set(x, y1, c)
        for y in range(y0, y1 + 1):
            s.set(x0, y, c); s.set(x1, y, c)
    def disc(s, cx, cy, r, c):
        for y in range(s.h):
            for x in range(s.w):
                if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
                    s.set(x, y, c)
    def rows(s):
        return [''.join(r) for r in s.p]

SILVER = '#C0C0C0'

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
xpm('pirumo', 32, 32, {'.': '#FFFFFF', 'r': '#FF0000', 'b': '#0000FF', 'g': '#C0C0C0',
                        'd': '#808080', 'k': '#000000'}, c.rows())

# Step pictures: white field, dark-grey triangle 7 wide and 5 high in the centre.
up = Canvas(20, 20, '.')
for i in range(4):          # rows 8..11: widths 1,3,5,7
    up.rect(9 - i, 8 + i, 9 + i, 8 + i, 'k')
up.rect(6, 12, 12, 12, 'k')  # base row repeated to make five rows high
xpm('up', 20, 20, {'.': '#FFFFFF', 'k': '#404040'}, up.rows())
xpm('down', 20, 20, {'.': '#FFFFFF', 'k': '#404040'}, list(reversed(up.rows())))

# Toolbar images, 16 x 16 on silver, which the toolbar draws transparent.
# log: a camera seen from the front.
t = Canvas(16, 16, '.')
t.rect(5, 2, 10, 4, 'k')                # viewfinder bump
t.rect(1, 4, 14, 13, 'k')               # body
t.disc(7.5, 8.5, 3.6, 'g'); t.disc(7.5, 8.5, 1.6, 'd')
t.rect(12, 5, 13, 6, 'w')               # flash window
xpm('log', 16, 16, {'.': SILVER, 'k': '#000000', 'g': '#808080', 'd': '#404040', 'w': '#FFFFFF'}, t.rows())

# save: a floppy disk in olive and black.
t = Canvas(16, 16, '.')
t.rect(1, 1, 14, 14, 'o'); t.frame(1, 1, 14, 14, 'k')
t.rect(4, 1, 11, 6, 'w'); t.frame(4, 1, 11, 6, 'k'); t.rect(8, 2, 9, 5, 'k')   # shutter
t.rect(3, 9, 12, 14, 'k'); t.rect(4, 10, 11, 13, 'w')                          # label
xpm('save', 16, 16, {'.': SILVER, 'o': '#808000', 'k': '#000000', 'w': '#FFFFFF'}, t.rows())

# copy: two overlapping pages.
t = Canvas(16, 16, '.')
t.rect(1, 1, 8, 10, 'w'); t.frame(1, 1, 8, 10, 'k')
for y in (3, 5, 7): t.rect(3, y, 6, y, 'k')
t.rect(6, 5, 14, 15, 'w'); t.frame(6, 5, 14, 15, 'n')
for y in (7, 9, 11, 13): t.rect(8, y, 12, y, 'n')
xpm('copy', 16, 16, {'.': SILVER, 'k': '#000000', 'w': '#FFFFFF', 'n': '#000080'}, t.rows())

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
xpm('paste', 16, 16, {'.': SILVER, 'o': '#808000', 'l': '#A0A040', 'k': '#000000', 'y': '#FFFF00',
                       'w': '#FFFFFF', 'n': '#000080'}, t.rows())

# help: a purple book with a yellow question mark.
t = Canvas(16, 16, '.')
t.rect(2, 1, 13, 14, 'p'); t.frame(2, 1, 13, 14, 'k'); t.rect(3, 13, 13, 14, 'w'); t.frame(2, 12, 13, 15, 'k')
t.rect(3, 13, 12, 14, 'w')
for x, y in [(6, 3), (7, 3), (8, 3), (9, 3), (5, 4), (10, 4), (10, 5), (9, 6), (8, 7), (8, 8), (8, 10)]:
    t.set(x, y, 'y')
for x, y in [(6, 4), (9, 4), (9, 5), (8, 6), (7, 7), (7, 8), (7, 10)]:
    t.set(x, y, 'y')
xpm('help', 16, 16, {'.': SILVER, 'p': '#800080', 'k': '#000000', 'w': '#FFFFFF', 'y': '#FFFF00'}, t.rows())

# end: a bold black diagonal cross on light grey (191, one step off the mask colour).
t = Canvas(25, 25, '.')
for i in range(3, 22):
    for d in (-2, -1, 0, 1, 2):
        t.set(i + d, i, 'k'); t.set(24 - i + d, i, 'k')
xpm('end', 25, 25, {'.': '#BFBFBF', 'k': '#000000'}, t.rows())
