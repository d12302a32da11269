#!/usr/bin/python3
"""Draws Norvel's icons and bitmaps into src/resources/art/ (needs python3-pil).

Everything is drawn in the 16 standard Windows colours so that the pictures look like the rest of a
classic Windows program: the toolbar strip is a 4-bit bitmap on the button-face grey RGB(192,192,192)
(the toolbar maps that grey to the button face and masks it), icons are 4-bit with a transparency mask,
the splash and options pictures are 24-bit.

Usage: tools/make_art.py [--sheet contact.png]   (the sheet shows every picture scaled up for review)
"""

import argparse
import os
import struct
import sys

from PIL import Image, ImageDraw, ImageFont

# ---------------------------------------------------------------------------------------------------
# Palette and pixel helpers

COLOURS = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
CLEAR = 16  # transparent: the mask of an icon, the button face in the toolbar strip
CHARS = {
    "k": 0, "r": 1, "g": 2, "y": 3, "b": 4, "m": 5, "t": 6, "s": 7,
    "d": 8, "R": 9, "G": 10, "Y": 11, "B": 12, "M": 13, "C": 14, "w": 15,
    ".": CLEAR,
}
K, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER = range(8)
GREY, RED, LIME, YELLOW, BLUE, FUCHSIA, CYAN, WHITE = range(8, 16)
FONT_DIR = "/usr/share/fonts/truetype/dejavu/"


def new(w, h, fill=CLEAR):
    img = Image.new("P", (w, h), fill)
    flat = [v for c in COLOURS for v in c] + [1, 2, 3]
    img.putpalette(flat + [0] * (768 - len(flat)))
    return img


def sprite(text):
    rows = [r.strip() for r in text.strip("\n").splitlines() if r.strip()]
    for r in rows:
        if len(r) != len(rows[0]):
            raise ValueError("ragged sprite row %r: %d, expected %d" % (r, len(r), len(rows[0])))
    img = new(len(rows[0]), len(rows))
    for y, r in enumerate(rows):
        for x, ch in enumerate(r):
            img.putpixel((x, y), CHARS[ch])
    return img


def paste(dst, src, x=0, y=0):
    """Copies the non-transparent pixels of src onto dst at (x, y)."""
    for sy in range(src.height):
        for sx in range(src.width):
            v = src.getpixel((sx, sy))
            if v != CLEAR and 0 <= x + sx < dst.width and 0 <= y + sy < dst.height:
                dst.putpixel((x + sx, y + sy), v)
    return dst


def compose(w, h, *parts):
    img = new(w, h)
    for src, x, y in parts:
        paste(img, src, x, y)
    return img


def pen(img):
    d = ImageDraw.Draw(img)
    d.fontmode = "1"  # no anti-aliasing: crisp 16-colour pixels
    return d


def font(size, bold=True, serif=False):
    name = ("DejaVuSerif" if serif else "DejaVuSans") + ("-Bold" if bold else "") + ".ttf"
    return ImageFont.truetype(FONT_DIR + name, size)


def to_rgb(img, background=(192, 192, 192)):
    out = Image.new("RGB", img.size, background)
    for y in range(img.height):
        for x in range(img.width):
            v = img.getpixel((x, y))
            if v != CLEAR:
                out.putpixel((x, y), COLOURS[v])
    return out


# ---------------------------------------------------------------------------------------------------
# File writers (written by hand: the formats must be the classic ones that every Windows loads)


def dib4_rows(img, clear_as):
    """Bottom-up 4-bit rows, each padded to 4 bytes."""
    stride = ((img.width * 4 + 31) // 32) * 4
    data = bytearray()
    for y in reversed(range(img.height)):
        row = bytearray(stride)
        for x in range(img.width):
            v = img.getpixel((x, y))
            v = clear_as if v == CLEAR else v
            row[x // 2] |= v << 4 if x % 2 == 0 else v
        data += row
    return bytes(data)


def palette_quads():
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in COLOURS)


def write_bmp4(img, path):
    """A 4-bit BI_RGB bitmap; transparent pixels become the button-face grey."""
    bits = dib4_rows(img, SILVER)
    header = struct.pack("<IiiHHIIiiII", 40, img.width, img.height, 1, 4, 0, len(bits), 2835, 2835, 16, 16)
    offset = 14 + len(header) + 64
    with open(path, "wb") as f:
        f.write(struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset))
        f.write(header + palette_quads() + bits)


def write_bmp24(rgb, path):
    stride = ((rgb.width * 24 + 31) // 32) * 4
    bits = bytearray()
    for y in reversed(range(rgb.height)):
        row = bytearray(stride)
        for x in range(rgb.width):
            r, g, b = rgb.getpixel((x, y))[:3]
            row[x * 3:x * 3 + 3] = bytes((b, g, r))
        bits += row
    header = struct.pack("<IiiHHIIiiII", 40, rgb.width, rgb.height, 1, 24, 0, len(bits), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(struct.pack("<2sIHHI", b"BM", 54 + len(bits), 0, 0, 54))
        f.write(header + bytes(bits))


def icon_image(img):
    """One icon image: BITMAPINFOHEADER of double height, 16 colours, XOR bits, AND mask."""
    xor = dib4_rows(img, K)
    stride = ((img.width + 31) // 32) * 4
    mask = bytearray()
    for y in reversed(range(img.height)):
        row = bytearray(stride)
        for x in range(img.width):
            if img.getpixel((x, y)) == CLEAR:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    header = struct.pack("<IiiHHIIiiII", 40, img.width, img.height * 2, 1, 4, 0,
                         len(xor) + len(mask), 0, 0, 16, 0)
    return header + palette_quads() + xor + bytes(mask)


def write_ico(images, path):
    blobs = [icon_image(i) for i in images]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for img, blob in zip(images, blobs):
        out += struct.pack("<BBBBHHII", img.width % 256, img.height % 256, 16, 0, 1, 4, len(blob), offset)
        offset += len(blob)
    with open(path, "wb") as f:
        f.write(out + b"".join(blobs))


# ---------------------------------------------------------------------------------------------------
# Small parts shared by several 16 x 16 pictures

PAGE_SMALL = sprite("""
kkkkkkk...
kwwwwwkk..
kwwwwwkwk.
kwdddwkkkk
kwwwwwwwwk
kwddddddwk
kwwwwwwwwk
kwddddddwk
kwwwwwwwwk
kwdddddwwk
kwwwwwwwwk
kkkkkkkkkk
""")

FLOPPY_SMALL = sprite("""
kkkkkkkkkkk
kbkwwwwwkbk
kbkwkkkwkbk
kbkwwwwwkbk
kbbkkkkkbbk
kbbbbbbbbbk
kbbsssssbbk
kbbskkssbbk
kbbskkssbbk
kbbsssssbbk
kkkkkkkkkkk
""")

X_SMALL = sprite("""
RR...RR
RRR.RRR
.RRRRR.
..RRR..
.RRRRR.
RRR.RRR
RR...RR
""")

PENCIL = sprite("""
......kk.
.....kRRk
....kYkRk
...kYYYk.
..kYYYk..
.kwYYk...
.kwwk....
kkkk.....
""")

# ---------------------------------------------------------------------------------------------------
# The toolbar strip: 31 images of 16 x 16, in the order of the toolbar's image indexes

TOOLBAR = {}

TOOLBAR["New"] = sprite("""
................
...kkkkkkkk.....
...kwwwwwwkk....
...kwwwwwwkwk...
...kwwwwwwkwwk..
...kwwwwwwkkkkk.
...kwwwwwwwwwwk.
...kwwwwwwwwwwk.
...kwwwwwwwwwwk.
...kwwwwwwwwwwk.
...kwwwwwwwwwwk.
...kwwwwwwwwwwk.
...kwwwwwwwwwwk.
...kwwwwwwwwwwk.
...kkkkkkkkkkkk.
................
""")

TOOLBAR["Open"] = sprite("""
................
.........kkk....
........k...k.k.
.............kk.
.kkk........kkk.
kYYYk...........
kYwwYkkkkkkk....
kYwYYYYYYYYk....
kYwYYYkkkkkkkkkk
kYwYYkyyyyyyyyyk
kYwYkyyyyyyyyyk.
kYwkyyyyyyyyyk..
kYkyyyyyyyyyk...
kkyyyyyyyyyk....
kkkkkkkkkkk.....
................
""")

TOOLBAR["Save"] = sprite("""
................
.kkkkkkkkkkkkkk.
.kbkwwwwwwwwkbk.
.kbkwwwwwwwwkbk.
.kbkwkkkkkkwkbk.
.kbkwwwwwwwwkbk.
.kbkwkkkkkkwkbk.
.kbkwwwwwwwwkbk.
.kbbkkkkkkkkbbk.
.kbbbbbbbbbbbbk.
.kbbbssssssbbbk.
.kbbbskksssbbbk.
.kbbbskksssbbbk.
.kbbbskksssbbbk.
..kkkkkkkkkkkkk.
................
""")

TOOLBAR["Close"] = compose(16, 16, (PAGE_SMALL, 1, 1), (X_SMALL, 8, 8))

TOOLBAR["Save As"] = compose(16, 16, (FLOPPY_SMALL, 0, 5), (PENCIL, 8, 0))

TOOLBAR["Print"] = sprite("""
................
....kkkkkkkkk...
....kwwwwwwwk...
....kwkkkkkwk...
....kwwwwwwwk...
....kwkkkkwwk...
..kkkkkkkkkkkkk.
.kwwwwwwwwwwwwdk
.kwssssssssGGsdk
.kwsssssssssssdk
.kkkkkkkkkkkkkkk
.kddkwwwwwwwkddk
..kkkwkkkkwwkkk.
....kwwwwwwwk...
....kkkkkkkkk...
................
""")

TOOLBAR["Properties"] = sprite("""
................
.kkkkkkkkkkkkkk.
.kbbbbbbbbbbkbk.
.kbwwbbbbbbbbbk.
.kkkkkkkkkkkkkk.
.kwwwwwwwwwwwwk.
.kwdddwkkkkkkwk.
.kwwwwwkwwwwdwk.
.kwwwwwwddddwwk.
.kwdddwkkkkkkwk.
.kwwwwwkwwwwdwk.
.kwwwwwwddddwwk.
.kwwwwwwwwwwwwk.
.kwwwwwwwkkkkwk.
.kkkkkkkkkkkkkk.
................
""")

TOOLBAR["Undo"] = sprite("""
................
................
................
....b...........
...bb...........
..bbbbbbbbb.....
.bbbbbbbbbbbb...
..bbbbbbbbbbbb..
...bb......bbb..
....b.......bb..
............bb..
............bb..
...........bb...
..........bb....
................
................
""")

TOOLBAR["Cut"] = sprite("""
................
....k.....k.....
....k.....k.....
....k.....k.....
....kk...kk.....
.....k...k......
.....kk.kk......
......kkk.......
.......k........
......bkb.......
...bbbb.bbbb....
..b..bb.bb..b...
..b...b.b...b...
..b..bb.bb..b...
...bbb...bbb....
................
""")

TOOLBAR["Copy"] = compose(16, 16, (PAGE_SMALL, 1, 0), (PAGE_SMALL, 6, 4))

TOOLBAR["Paste"] = sprite("""
................
.....kkkkk......
..kkkkwwwkkkk...
.kyyykkkkkyyyk..
.kyyyyyyyyyyyk..
.kyyyyyyyyyyyk..
.kyyyyykkkkkkkk.
.kyyyyykwwwwwkwk
.kyyyyykwdddwkkk
.kyyyyykwwwwwwwk
.kyyyyykwdddddwk
.kyyyyykwwwwwwwk
.kyyyyykwdddddwk
.kkkkkkkwwwwwwwk
.......kkkkkkkkk
................
""")

TOOLBAR["Delete"] = sprite("""
................
................
..rR.......rR...
..RRR.....RRR...
...RRR...RRR....
....RRR.RRR.....
.....RRRRR......
......RRR.......
.....RRRRR......
....RRR.RRR.....
...RRR...RRR....
..RRR.....RRR...
..Rr.......Rr...
................
................
................
""")

TOOLBAR["Clipboard"] = sprite("""
................
......kkkk......
...kkkkwwkkkk...
..kyyykkkkyyyk..
..kywwwwwwwwyk..
..kywddddddwyk..
..kywwwwwwwwyk..
..kywdddddwwyk..
..kywwwwwwwwyk..
..kywddddddwyk..
..kywwwwwwwwyk..
..kywddddwwwyk..
..kywwwwwwwwyk..
..kyyyyyyyyyyk..
..kkkkkkkkkkkk..
................
""")

TOOLBAR["Find"] = sprite("""
................
....kkkkk.......
...kCwwCCk......
..kCwCCCCCk.....
..kwCCCCCCk.....
..kCCCCCCCk.....
..kCCCCCCtk.....
..kCCCCCttk.....
...kCCCttk......
....kkkkkkk.....
.........kdk....
..........kdk...
...........kdk..
............kdk.
.............kk.
................
""")

TOOLBAR["Replace"] = sprite("""
................
..kk............
..kk...RRRRR....
.kkkk......R....
.k..k......R....
kk..kk.....R....
kkkkkk...RRRRR..
kk..kk....RRR...
...........R....
.........BBBB...
.........BB.BB..
.........BB.BB..
.........BBBB...
.........BB.BB..
.........BB.BB..
.........BBBB...
""")

TOOLBAR["Go To"] = sprite("""
................
....kkkkkkkk....
....kwwwwwwkk...
....kwddddwkwk..
....kwwwwwwkkkk.
....kwdddddddwk.
..R.kwwwwwwwwwk.
..RRkwwwwwwwwwk.
RRRRRRbbbbbbbwk.
..RRkwwwwwwwwwk.
..R.kwwwwwwwwwk.
....kwddddddwwk.
....kwwwwwwwwwk.
....kwdddddwwwk.
....kkkkkkkkkkk.
................
""")

TOOLBAR["Tile Vertically"] = sprite("""
................
.kkkkkkkkkkkkkk.
.kbbbbbbkddddddk
.kbbbbbbkddddddk
.kwwwwwwkwwwwwwk
.kwwwwwwkwwwwwwk
.kwwwwwwkwwwwwwk
.kwwwwwwkwwwwwwk
.kwwwwwwkwwwwwwk
.kwwwwwwkwwwwwwk
.kwwwwwwkwwwwwwk
.kwwwwwwkwwwwwwk
.kwwwwwwkwwwwwwk
.kkkkkkkkkkkkkkk
................
................
""")

TOOLBAR["Tile Horizontally"] = sprite("""
................
.kkkkkkkkkkkkkk.
.kbbbbbbbbbbbbk.
.kbbbbbbbbbbbbk.
.kwwwwwwwwwwwwk.
.kwwwwwwwwwwwwk.
.kwwwwwwwwwwwwk.
.kkkkkkkkkkkkkk.
.kddddddddddddk.
.kddddddddddddk.
.kwwwwwwwwwwwwk.
.kwwwwwwwwwwwwk.
.kwwwwwwwwwwwwk.
.kkkkkkkkkkkkkk.
................
................
""")

TOOLBAR["Cascade"] = sprite("""
kkkkkkkkkk......
kddddddddk......
kwwkkkkkkkkkk...
kwwkddddddddk...
kwwkwwkkkkkkkkkk
kwwkwwkbbbbbbbbk
kwwkwwkbbbbbbbbk
kwwkwwkwwwwwwwwk
kkkkwwkwwwwwwwwk
...kwwkwwwwwwwwk
...kkkkwwwwwwwwk
......kwwwwwwwwk
......kwwwwwwwwk
......kkkkkkkkkk
................
................
""")

TOOLBAR["Font"] = sprite("""
................
.....kk.........
.....kk.........
....kkkk........
....k.kk........
...kk..kk.......
...kk..kk.......
..kkkkkkkk......
..kk....kk.BBBB.
.kk......kk...BB
kkkk....kkkBBBBB
..........BB..BB
..........BB.BBB
...........BB.BB
................
................
""")

TOOLBAR["Options"] = sprite("""
................
.kkkkkkkkkkkkkk.
.kbbbbbbbbbbbbk.
.kbbbbbbbbbkwbk.
.kkkkkkkkkkkkkk.
.kwwwwwwwwwwwwk.
.kwkkkkkwwwwwwk.
.kwkwwwkwddddwk.
.kwkwkwkwwwwwwk.
.kwkwwwkwwwwwwk.
.kwkkkkkwwwwwwk.
.kwwwwwwwwwwwwk.
.kwkkkkkwddddwk.
.kwwwwwwwwwwwwk.
.kkkkkkkkkkkkkk.
................
""")

TOOLBAR["Help"] = sprite("""
................
..kkkkkkkkkkk...
.kbbbbbbbbbbbk..
.kbbbbYYYbbbbk..
.kbbbYYbYYbbbk..
.kbbbbbbYYbbbk..
.kbbbbbYYbbbbk..
.kbbbbYYbbbbbk..
.kbbbbYYbbbbbk..
.kbbbbbbbbbbbk..
.kbbbbYYbbbbbk..
.kbbbbYYbbbbbk..
.kbbbbbbbbbbbkk.
.kkkkkkkkkkkkwk.
..kwwwwwwwwwwwk.
...kkkkkkkkkkkk.
""")

TOOLBAR["About"] = sprite("""
................
....kkkkkkk.....
..kkwwwwwwwkk...
.kwwwwwBBwwwwk..
.kwwwwwBBwwwwk..
kwwwwwwwwwwwwwk.
kwwwwwBBBwwwwwk.
kwwwwwwBBwwwwwk.
kwwwwwwBBwwwwwk.
.kwwwwwBBwwwwk..
.kwwwwBBBBwwwk..
..kkwwwwwwwkk...
....kkwwkkk.....
.....kwk........
.....kk.........
................
""")

TOOLBAR["Topmost"] = sprite("""
................
.........kk.....
........kRRk....
.......kRwRRk...
......kRwRRRRk..
.....kRRRRRRk...
....kkRRRRRk....
....krkRRRk.....
.....krkRk......
....kdkrkk......
...kdk.kk.......
..kdk...........
.kdk............
.kk.............
................
................
""")

TOOLBAR["Sort"] = sprite("""
................
..kk.......bb...
.k..k......bb...
.k..k......bb...
.kkkk......bb...
.k..k......bb...
.k..k......bb...
...........bb...
.kkkk......bb...
....k......bb...
...k.....bbbbbb.
..k.......bbbb..
.k.........bb...
.kkkk...........
................
................
""")

TOOLBAR["Save All"] = compose(16, 16, (FLOPPY_SMALL, 0, 0), (FLOPPY_SMALL, 5, 5))

TOOLBAR["Close All"] = compose(16, 16, (PAGE_SMALL, 0, 0), (PAGE_SMALL, 3, 3), (X_SMALL, 9, 9))

TOOLBAR["Chart"] = sprite("""
................
.kkkkkkkkkkkkkk.
.kwwwwdwwwwdwwk.
.kwkwwdwkkwdkkk.
.kkkkwdwkkwdkwk.
.kkwkwdwkkwdkkk.
.kddddddddddddk.
.kwwwwdbbbbdwwk.
.kkkkwdbwwbdkwk.
.kwkwwdbwbbdkwk.
.kkkkwdbbbbdwkk.
.kddddddddddddk.
.kwkkwdwkkwdkwk.
.kkwwwdwwkwdwkk.
.kkkkkkkkkkkkkk.
................
""")

TOOLBAR["Errors"] = sprite("""
................
.......kk.......
......kYYk......
......kYYk......
.....kYYYYk.....
.....kYkkYk.....
....kYYkkYYk....
....kYYkkYYk....
...kYYYkkYYYk...
...kYYYkkYYYk...
..kYYYYYYYYYYk..
..kYYYYkkYYYYk..
.kYYYYYkkYYYYYk.
.kYYYYYYYYYYYYk.
.kkkkkkkkkkkkkk.
................
""")

TOOLBAR["Refresh"] = sprite("""
................
......ggggg.....
....gggggggg.g..
...ggg....gggg..
..ggg......ggg..
..gg......gggg..
..gg............
..gg........gg..
..gg........gg..
............gg..
..gggg......gg..
..ggg......ggg..
..gggg....ggg...
..g.gggggggg....
.....ggggg......
................
""")

TOOLBAR["Timestamp"] = sprite("""
................
.....kkkkkk.....
...kkwwwkwwkk...
..kwwwwwkwwwwk..
..kwwwwwkwwwwk..
.kwwwwwwkwwwwwk.
.kkwwwwwkwwwwkk.
.kwwwwwwkkkkwwk.
.kwwwwwwwwwwwwk.
.kwwwwwwwwwwwwk.
..kwwwwwwwwwwk..
..kwwwwwkwwwwk..
...kkwwwkwwkk...
.....kkkkkk.....
................
................
""")

TOOLBAR_ORDER = [
    "New", "Open", "Save", "Close", "Save As", "Print", "Properties", "Undo", "Cut", "Copy", "Paste",
    "Delete", "Clipboard", "Find", "Replace", "Go To", "Tile Vertically", "Tile Horizontally", "Cascade",
    "Font", "Options", "Help", "About", "Topmost", "Sort", "Save All", "Close All", "Chart", "Errors",
    "Refresh", "Timestamp",
]


def toolbar_strip():
    strip = new(16 * len(TOOLBAR_ORDER), 16)
    for i, name in enumerate(TOOLBAR_ORDER):
        img = TOOLBAR[name]
        assert img.size == (16, 16), name
        paste(strip, img, 16 * i, 0)
    return strip


# ---------------------------------------------------------------------------------------------------
# Drawing helpers for the 32 x 32 icons


def page(d, x0, y0, x1, y1, fold=7, lines=True, line_colour=GREY, left=None):
    """A white sheet with a folded top-right corner and optional text lines."""
    d.polygon([(x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1)], fill=WHITE, outline=K)
    d.polygon([(x1 - fold, y0), (x1 - fold, y0 + fold), (x1, y0 + fold)], fill=SILVER, outline=K)
    if lines:
        y = y0 + 5
        n = 0
        while y <= y1 - 3:
            right = (x1 - fold - 3) if y < y0 + fold + 1 else x1 - 3 - (n % 3) * 3
            d.line([(left if left is not None else x0 + 3, y), (right, y)], fill=line_colour)
            y += 3
            n += 1


def folder(d, x0, y0, x1, y1):
    """A closed yellow folder with its tab at the top left."""
    tab = max(4, (x1 - x0) // 3)
    d.polygon([(x0, y0 + 3), (x0 + 2, y0), (x0 + tab, y0), (x0 + tab + 2, y0 + 3)], fill=YELLOW, outline=K)
    d.rectangle([x0, y0 + 3, x1, y1], fill=YELLOW, outline=K)
    d.line([(x0 + 1, y0 + 4), (x1 - 1, y0 + 4)], fill=WHITE)
    d.line([(x0 + 1, y0 + 4), (x0 + 1, y1 - 1)], fill=WHITE)
    d.line([(x1 - 1, y0 + 5), (x1 - 1, y1 - 1)], fill=OLIVE)
    d.line([(x0 + 2, y1 - 1), (x1 - 1, y1 - 1)], fill=OLIVE)


def window(d, x0, y0, x1, y1, title=NAVY, bar=5, lines=True):
    d.rectangle([x0, y0, x1, y1], fill=WHITE, outline=K)
    d.rectangle([x0 + 1, y0 + 1, x1 - 1, y0 + bar], fill=title)
    d.line([(x0 + 1, y0 + bar + 1), (x1 - 1, y0 + bar + 1)], fill=K)
    bx = x1 - 2 - (bar - 2)
    d.rectangle([bx, y0 + 2, x1 - 2, y0 + bar - 1], fill=SILVER, outline=K)
    if lines:
        y = y0 + bar + 4
        n = 0
        while y <= y1 - 3:
            d.line([(x0 + 3, y), (x1 - 4 - (n % 3) * 4, y)], fill=GREY)
            y += 3
            n += 1


def monitor(d, x0, y0, x1, y1, screen=TEAL, stand=True):
    """A classic beige-grey monitor; returns the screen rectangle."""
    base = y1 - (4 if stand else 0)
    d.rectangle([x0, y0, x1, base], fill=SILVER, outline=K)
    d.line([(x0 + 1, y0 + 1), (x1 - 1, y0 + 1)], fill=WHITE)
    d.line([(x0 + 1, y0 + 1), (x0 + 1, base - 1)], fill=WHITE)
    d.line([(x0 + 1, base - 1), (x1 - 1, base - 1)], fill=GREY)
    d.line([(x1 - 1, y0 + 2), (x1 - 1, base - 1)], fill=GREY)
    sx0, sy0, sx1, sy1 = x0 + 3, y0 + 3, x1 - 3, base - 4
    d.rectangle([sx0, sy0, sx1, sy1], fill=screen, outline=K)
    if stand:
        mid = (x0 + x1) // 2
        d.rectangle([mid - 3, base + 1, mid + 3, base + 2], fill=GREY, outline=K)
        d.rectangle([mid - 7, base + 3, mid + 7, y1], fill=SILVER, outline=K)
    return sx0 + 1, sy0 + 1, sx1 - 1, sy1 - 1


def text(d, xy, s, size, colour, bold=True, serif=False, anchor="la"):
    d.text(xy, s, fill=colour, font=font(size, bold, serif), anchor=anchor)


def polygon_local(d, origin, angle_deg, points, fill, outline=K):
    """Draws a polygon given in local coordinates, turned by angle_deg around origin."""
    import math
    a = math.radians(angle_deg)
    ca, sa = math.cos(a), math.sin(a)
    ox, oy = origin
    pts = [(ox + x * ca - y * sa, oy + x * sa + y * ca) for (x, y) in points]
    d.polygon(pts, fill=fill, outline=outline)


def pencil(d, tip, length, width, angle=-45):
    """A yellow pencil lying from its tip towards the upper right."""
    w = width / 2.0
    cone = length * 0.25
    eraser = length * 0.18
    band = length * 0.08
    body_end = length - eraser - band
    polygon_local(d, tip, angle, [(0, 0), (cone, -w), (cone, w)], WHITE)
    polygon_local(d, tip, angle, [(0, 0), (cone * 0.35, -w * 0.35), (cone * 0.35, w * 0.35)], K)
    polygon_local(d, tip, angle, [(cone, -w), (body_end, -w), (body_end, w), (cone, w)], YELLOW)
    polygon_local(d, tip, angle, [(cone, w * 0.2), (body_end, w * 0.2), (body_end, w), (cone, w)], OLIVE)
    polygon_local(d, tip, angle, [(body_end, -w), (body_end + band, -w), (body_end + band, w), (body_end, w)],
                  SILVER)
    polygon_local(d, tip, angle, [(body_end + band, -w), (length, -w), (length, w), (body_end + band, w)], RED)


def magnifier(d, cx, cy, r, handle):
    d.line([(cx + r * 0.7, cy + r * 0.7), (cx + r * 0.7 + handle, cy + r * 0.7 + handle)], fill=K, width=4)
    d.line([(cx + r * 0.7 + 1, cy + r * 0.7 + 1), (cx + r * 0.7 + handle - 1, cy + r * 0.7 + handle - 1)],
           fill=MAROON, width=2)
    d.ellipse([cx - r, cy - r, cx + r, cy + r], fill=CYAN, outline=K, width=2)
    d.arc([cx - r + 3, cy - r + 3, cx + r - 3, cy + r - 3], 190, 260, fill=WHITE, width=2)
    d.arc([cx - r + 2, cy - r + 2, cx + r - 2, cy + r - 2], 10, 80, fill=TEAL, width=1)


def warning(d, x0, y0, x1, y1):
    mid = (x0 + x1) / 2.0
    d.polygon([(mid, y0), (x1, y1), (x0, y1)], fill=YELLOW, outline=K)
    h = y1 - y0
    d.rectangle([mid - 1, y0 + h * 0.35, mid + 1, y0 + h * 0.7], fill=K)
    d.rectangle([mid - 1, y0 + h * 0.78, mid + 1, y0 + h * 0.78 + 2], fill=K)


# ---------------------------------------------------------------------------------------------------
# Icons: each a 32 x 32 and a 16 x 16 picture


def icon_app():
    big = new(32, 32)
    d = pen(big)
    d.rectangle([3, 4, 22, 30], fill=WHITE, outline=K)
    d.line([(4, 29), (22, 29)], fill=SILVER)
    for y in range(10, 28, 3):
        d.line([(5, y), (20, y)], fill=BLUE)
    d.line([(7, 6), (7, 28)], fill=RED)
    for x in range(5, 22, 3):
        d.rectangle([x, 2, x + 1, 6], fill=GREY, outline=K)
    pencil(d, (12, 27), 24, 6)
    small = compose(16, 16, (sprite("""
..k.k.k.k...
.kkkkkkkkkk.
.kwRwwwwwwk.
.kwRbbbbbwk.
.kwRwwwwwwk.
.kwRbbbbbwk.
.kwRwwwwwwk.
.kwRbbbbbwk.
.kwRwwwwwwk.
.kwRbbbbwwk.
.kwRwwwwwwk.
.kwRwwwwwwk.
.kkkkkkkkkk.
"""), 0, 1), (PENCIL, 7, 7))
    return big, small


DOC16 = sprite("""
................
...kkkkkkkk.....
...kwwwwwwkk....
...kwwwwwwkwk...
...kwddddwkkkk..
...kwwwwwwwwwk..
...kwdddddddwk..
...kwwwwwwwwwk..
...kwddddddwwk..
...kwwwwwwwwwk..
...kwdddddddwk..
...kwwwwwwwwwk..
...kwdddddwwwk..
...kwwwwwwwwwk..
...kkkkkkkkkkk..
................
""")


def icon_document():
    big = new(32, 32)
    d = pen(big)
    page(d, 6, 2, 25, 29, fold=7)
    return big, DOC16


def round_icon(fill, glyph16):
    big = new(32, 32)
    d = pen(big)
    d.ellipse([3, 3, 30, 30], fill=GREY)  # shadow
    d.ellipse([1, 1, 28, 28], fill=fill, outline=K)
    return big, d, sprite(glyph16)


def icon_notice():
    big, d, small = round_icon(BLUE, """
................
.....kkkkkk.....
...kkBBBBBBkk...
..kBBBBwwBBBBk..
.kBBBBBwwBBBBBk.
.kBBBBBBBBBBBBk.
kBBBBBwwwBBBBBBk
kBBBBBBwwBBBBBBk
kBBBBBBwwBBBBBBk
kBBBBBBwwBBBBBBk
.kBBBBBwwBBBBBk.
.kBBBBwwwwBBBBk.
..kBBBBBBBBBBk..
...kkBBBBBBkk...
.....kkkkkk.....
................
""")
    d.rectangle([13, 6, 16, 9], fill=WHITE)
    d.rectangle([11, 12, 16, 13], fill=WHITE)
    d.rectangle([13, 12, 16, 21], fill=WHITE)
    d.rectangle([11, 21, 18, 23], fill=WHITE)
    return big, small


def icon_question():
    big, d, small = round_icon(BLUE, """
................
.....kkkkkk.....
...kkBBBBBBkk...
..kBBBwwwwBBBk..
.kBBBwwBBwwBBBk.
.kBBBBBBBwwBBBk.
kBBBBBBBwwBBBBBk
kBBBBBBwwBBBBBBk
kBBBBBBwwBBBBBBk
kBBBBBBBBBBBBBBk
.kBBBBBwwBBBBBk.
.kBBBBBwwBBBBBk.
..kBBBBBBBBBBk..
...kkBBBBBBkk...
.....kkkkkk.....
................
""")
    text(d, (15, 15), "?", 21, WHITE, anchor="mm")
    return big, small


def icon_error():
    big, d, small = round_icon(RED, """
................
.....kkkkkk.....
...kkRRRRRRkk...
..kRRRRRRRRRRk..
.kRRwwRRRRwwRRk.
.kRRwwwRRwwwRRk.
kRRRRwwwwwwRRRRk
kRRRRRwwwwRRRRRk
kRRRRRwwwwRRRRRk
kRRRRwwwwwwRRRRk
.kRRwwwRRwwwRRk.
.kRRwwRRRRwwRRk.
..kRRRRRRRRRRk..
...kkRRRRRRkk...
.....kkkkkk.....
................
""")
    d.line([(9, 9), (20, 20)], fill=WHITE, width=4)
    d.line([(20, 9), (9, 20)], fill=WHITE, width=4)
    return big, small


def icon_find():
    big = new(32, 32)
    d = pen(big)
    page(d, 2, 1, 21, 26, fold=6)
    magnifier(d, 17, 16, 8, 10)
    return big, TOOLBAR["Find"]


def icon_replace():
    big = new(32, 32)
    d = pen(big)
    text(d, (1, 0), "A", 17, K)
    text(d, (15, 13), "B", 17, BLUE)
    d.line([(14, 5), (24, 5)], fill=RED, width=2)
    d.line([(23, 5), (23, 10)], fill=RED, width=2)
    d.polygon([(19, 10), (27, 10), (23, 14)], fill=RED)
    return big, TOOLBAR["Replace"]


def icon_goto():
    big = new(32, 32)
    d = pen(big)
    page(d, 8, 1, 29, 30, fold=7, lines=False)
    for i, y in enumerate(range(11, 28, 3)):
        if y == 17:
            d.rectangle([10, y - 1, 26, y + 1], fill=NAVY)
        else:
            d.line([(11, y), (26 - (i % 3) * 4, y)], fill=GREY)
    d.polygon([(1, 14), (7, 14), (7, 11), (13, 17), (7, 23), (7, 20), (1, 20)], fill=RED, outline=K)
    return big, TOOLBAR["Go To"]


def icon_sounds():
    big = new(32, 32)
    d = pen(big)
    d.rectangle([2, 11, 8, 20], fill=SILVER, outline=K)
    d.polygon([(8, 11), (16, 3), (16, 28), (8, 20)], fill=GREY, outline=K)
    d.line([(9, 12), (15, 6)], fill=SILVER)
    for r in (4, 8, 12):
        d.arc([18 - r, 15 - r * 1.4, 18 + r, 15 + r * 1.4], -50, 50, fill=NAVY, width=2)
    small = sprite("""
................
................
.......kk...b...
......kdk....b..
.....kddk.b...b.
.kkkkdddk..b..b.
.kwwkdddk..b..b.
.kwwkdddk..b..b.
.kwwkdddk..b..b.
.kkkkdddk..b..b.
.....kddk.b...b.
......kdk....b..
.......kk...b...
................
................
................
""")
    return big, small


FOLDER16 = sprite("""
................
................
..kkkkk.........
.kYwYwYk........
kYYYYYYYkkkkkk..
kwwwwwwwwwwwwyk.
kwYYYYYYYYYYYyk.
kwYYYYYYYYYYYyk.
kwYYYYYYYYYYYyk.
kwYYYYYYYYYYYyk.
kwYYYYYYYYYYYyk.
kwYYYYYYYYYYYyk.
kyyyyyyyyyyyyyk.
kkkkkkkkkkkkkkk.
................
................
""")


def icon_folder():
    big = new(32, 32)
    d = pen(big)
    folder(d, 2, 5, 29, 27)
    return big, FOLDER16


def icon_windows():
    big = new(32, 32)
    d = pen(big)
    window(d, 1, 1, 22, 19, title=GREY, bar=4)
    window(d, 8, 9, 30, 30, title=NAVY, bar=4)
    small = sprite("""
................
.kkkkkkkkkkkkkk.
.kbbbbbbbbbkwbk.
.kkkkkkkkkkkkkk.
.kwwwwwwwwwwwwk.
.kwddddddddwwwk.
.kwwwwwwwwwwwwk.
.kwdddddddddwwk.
.kwwwwwwwwwwwwk.
.kwddddddddddwk.
.kwwwwwwwwwwwwk.
.kwdddddddwwwwk.
.kwwwwwwwwwwwwk.
.kkkkkkkkkkkkkk.
................
................
""")
    return big, small


PLAY = sprite("""
kk.....
kGk....
kGGk...
kGGGk..
kGGk...
kGk....
kk.....
""")


def icon_startup():
    big = new(32, 32)
    d = pen(big)
    folder(d, 1, 3, 26, 24)
    d.ellipse([15, 13, 31, 29], fill=GREEN, outline=K)
    d.polygon([(20, 16), (28, 21), (20, 26)], fill=WHITE, outline=K)
    return big, compose(16, 16, (FOLDER16, 0, 0), (PLAY, 9, 8))


BOLT = sprite("""
....kkk
...kYYk
..kYYk.
.kYYkkk
kYYYYYk
kkkYYk.
..kYk..
.kYk...
.kk....
""")


def icon_macro():
    big = new(32, 32)
    d = pen(big)
    page(d, 2, 1, 21, 29, fold=6)
    d.polygon([(24, 4), (30, 4), (25, 13), (30, 13), (17, 30), (21, 17), (16, 17)], fill=YELLOW, outline=K)
    return big, compose(16, 16, (PAGE_SMALL, 1, 1), (BOLT, 8, 6))


def icon_margins():
    big = new(32, 32)
    d = pen(big)
    page(d, 4, 1, 27, 30, fold=0, lines=False)
    for x in range(8, 24, 2):
        d.point((x, 5), fill=BLUE)
        d.point((x, 26), fill=BLUE)
    for y in range(5, 27, 2):
        d.point((8, y), fill=BLUE)
        d.point((23, y), fill=BLUE)
    for i, y in enumerate(range(9, 24, 3)):
        d.line([(10, y), (21 - (i % 3) * 3, y)], fill=GREY)
    small = sprite("""
................
..kkkkkkkkkkkk..
..kwwwwwwwwwwk..
..kwBwBwBwBwwk..
..kwwwwwwwwwwk..
..kwBddddwBwwk..
..kwwwwwwwwwwk..
..kwBdddddBwwk..
..kwwwwwwwwwwk..
..kwBdddwwBwwk..
..kwwwwwwwwwwk..
..kwBwBwBwBwwk..
..kwwwwwwwwwwk..
..kkkkkkkkkkkk..
................
................
""")
    return big, small


MINI = {
    "A": [".k.", "k.k", "kkk", "k.k", "k.k"],
    "B": ["kk.", "k.k", "kk.", "k.k", "kk."],
    "C": [".kk", "k..", "k..", "k..", ".kk"],
    "1": [".k.", "kk.", ".k.", ".k.", "kkk"],
    "2": ["kk.", "..k", ".k.", "k..", "kkk"],
    "3": ["kk.", "..k", ".k.", "..k", "kk."],
    "D": ["kk.", "k.k", "k.k", "k.k", "kk."],
    "E": ["kkk", "k..", "kk.", "k..", "kkk"],
    "F": ["kkk", "k..", "kk.", "k..", "k.."],
}


def icon_chart():
    big = new(32, 32)
    d = pen(big)
    d.rectangle([1, 1, 30, 30], fill=WHITE, outline=K)
    d.rectangle([2, 2, 29, 5], fill=NAVY)
    d.line([(2, 6), (29, 6)], fill=K)
    for i in range(1, 3):
        d.line([(1 + i * 10 - i // 2, 6), (1 + i * 10 - i // 2, 30)], fill=GREY)
        d.line([(1, 6 + i * 8), (30, 6 + i * 8)], fill=GREY)
    chars = "ABC123DEF"
    for i, ch in enumerate(chars):
        cx, cy = i % 3, i // 3
        x0 = 1 + cx * 10 - cx // 2 + 4
        y0 = 6 + cy * 8 + 2
        colour = WHITE if ch == "2" else K
        if ch == "2":
            d.rectangle([x0 - 3, y0 - 1, x0 + 5, y0 + 5], fill=BLUE)
        for yy, row in enumerate(MINI[ch]):
            for xx, c in enumerate(row):
                if c == "k":
                    d.point((x0 + xx, y0 + yy), fill=colour)
    return big, TOOLBAR["Chart"]


def icon_errors():
    big = new(32, 32)
    d = pen(big)
    window(d, 1, 1, 27, 24, title=NAVY, bar=4)
    warning(d, 13, 12, 31, 30)
    small = compose(16, 16, (sprite("""
kkkkkkkkkkkk
kbbbbbbbbbbk
kkkkkkkkkkkk
kwwwwwwwwwwk
kwddwddddwwk
kwwwwwwwwwwk
kwddwdddddwk
kwwwwwwwwwwk
kwddwddddwwk
kwwwwwwwwwwk
kkkkkkkkkkkk
"""), 0, 0), (sprite("""
...kk...
..kYYk..
..kYYk..
.kYkkYk.
.kYkkYk.
kYYYYYYk
kYYkkYYk
kkkkkkkk
"""), 8, 8))
    return big, small


def icon_display():
    big = new(32, 32)
    d = pen(big)
    sx0, sy0, sx1, sy1 = monitor(d, 1, 2, 30, 29)
    d.rectangle([sx0 + 3, sy0 + 3, sx0 + 13, sy0 + 8], fill=WHITE, outline=K)
    d.rectangle([sx0 + 3, sy0 + 3, sx0 + 13, sy0 + 4], fill=NAVY)
    d.rectangle([sx0 + 9, sy0 + 11, sx1 - 2, sy1 - 2], fill=YELLOW, outline=K)
    small = new(16, 16)
    d = pen(small)
    sx0, sy0, sx1, sy1 = monitor_small(d, 0, 1, 15, 14)
    d.rectangle([sx0 + 4, sy0 + 3, sx1, sy1], fill=YELLOW, outline=K)
    return big, small


def monitor_small(d, x0, y0, x1, y1):
    base = y1 - 3
    d.rectangle([x0, y0, x1, base], fill=SILVER, outline=K)
    d.rectangle([x0 + 2, y0 + 2, x1 - 2, base - 2], fill=TEAL, outline=K)
    mid = (x0 + x1) // 2
    d.rectangle([mid - 4, base + 2, mid + 4, y1], fill=SILVER, outline=K)
    d.line([(mid - 1, base + 1), (mid + 1, base + 1)], fill=K)
    return x0 + 3, y0 + 3, x1 - 3, base - 3


def shape(img, inside, colour_of):
    """Fills the cells for which inside(x, y) holds, with a black outline where a neighbour is outside."""
    for y in range(img.height):
        for x in range(img.width):
            if not inside(x, y):
                continue
            edge = any(not inside(x + dx, y + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
            img.putpixel((x, y), K if edge else colour_of(x, y))


def icon_tool():
    """A hammer lying diagonally: handle from the lower left, head across its upper end."""
    pictures = []
    for n, half in ((32, 1.3), (16, 1.8)):
        f = n / 16.0
        img = new(n, n)

        def handle(x, y, f=f, half=half):
            u, v = (x - y) / f, (x + y) / f
            return 15.5 - half <= v <= 15.5 + half and -12.5 <= u <= 3

        def head(x, y, f=f):
            u, v = (x - y) / f, (x + y) / f
            return 1.5 <= u <= 6.5 and 9 <= v <= 21.5

        shape(img, handle, lambda x, y: OLIVE if (x + y) / f > 15.5 else YELLOW)
        shape(img, head, lambda x, y, f=f: WHITE if (x - y) / f < 3.2 else (GREY if (x + y) / f > 19 else SILVER))
        pictures.append(img)
    return pictures[0], pictures[1]


def icon_desktop():
    big = new(32, 32)
    d = pen(big)
    sx0, sy0, sx1, sy1 = monitor(d, 1, 2, 30, 29)
    for i, colour in enumerate((YELLOW, WHITE, BLUE)):
        y = sy0 + 1 + i * 5
        d.rectangle([sx0 + 1, y, sx0 + 4, y + 3], fill=colour, outline=K)
    d.rectangle([sx0, sy1 - 1, sx1, sy1], fill=SILVER)
    d.rectangle([sx0, sy1 - 1, sx0 + 4, sy1], fill=GREEN)
    small = new(16, 16)
    d = pen(small)
    sx0, sy0, sx1, sy1 = monitor_small(d, 0, 1, 15, 14)
    d.rectangle([sx0, sy0, sx0 + 1, sy0 + 1], fill=YELLOW)
    d.rectangle([sx0 + 3, sy0, sx0 + 4, sy0 + 1], fill=WHITE)
    d.line([(sx0 - 1, sy1 + 1), (sx1 + 1, sy1 + 1)], fill=SILVER)
    return big, small


ICONS = [
    ("app.ico", icon_app), ("app_small.ico", icon_app), ("document.ico", icon_document),
    ("notice.ico", icon_notice), ("question.ico", icon_question), ("error.ico", icon_error),
    ("find.ico", icon_find), ("replace.ico", icon_replace), ("goto.ico", icon_goto),
    ("sounds.ico", icon_sounds), ("folder.ico", icon_folder), ("windows.ico", icon_windows),
    ("startup.ico", icon_startup), ("macro.ico", icon_macro), ("margins.ico", icon_margins),
    ("chart.ico", icon_chart), ("errors.ico", icon_errors), ("display.ico", icon_display),
    ("tool.ico", icon_tool), ("desktop.ico", icon_desktop),
]


# ---------------------------------------------------------------------------------------------------
# The splash picture (also the About box) and the options pages' side picture

SPLASH_SIZE = (420, 200)  # the registered owner is written at (168, 133) and (168, 149), 230 x 16 each
SIDE_SIZE = (156, 258)  # 104 x 159 dialog units in 8-point MS Sans Serif


def bevel(d, x0, y0, x1, y1, raised=True):
    light, dark = ((255, 255, 255), (128, 128, 128)) if raised else ((128, 128, 128), (255, 255, 255))
    d.line([(x0, y1), (x0, y0), (x1, y0)], fill=light)
    d.line([(x0, y1), (x1, y1), (x1, y0)], fill=dark)


def gradient(img, box, top, bottom):
    x0, y0, x1, y1 = box
    d = ImageDraw.Draw(img)
    for y in range(y0, y1 + 1):
        t = (y - y0) / float(max(1, y1 - y0))
        c = tuple(int(round(a + (b - a) * t)) for a, b in zip(top, bottom))
        d.line([(x0, y), (x1, y)], fill=c)


def paste_icon(dst, scale, x, y):
    img = icon_app()[0]
    for sy in range(32):
        for sx in range(32):
            v = img.getpixel((sx, sy))
            if v != CLEAR:
                ImageDraw.Draw(dst).rectangle([x + sx * scale, y + sy * scale, x + sx * scale + scale - 1,
                                               y + sy * scale + scale - 1], fill=COLOURS[v])


def splash():
    w, h = SPLASH_SIZE
    img = Image.new("RGB", (w, h), (192, 192, 192))
    d = ImageDraw.Draw(img)
    d.rectangle([0, 0, w - 1, h - 1], outline=(0, 0, 0))
    bevel(d, 1, 1, w - 2, h - 2)
    bevel(d, 2, 2, w - 3, h - 3)
    # The picture panel at the left
    gradient(img, (10, 10, 150, h - 11), (0, 0, 128), (0, 128, 160))
    bevel(d, 9, 9, 151, h - 10, raised=False)
    paste_icon(img, 3, 32, 22)
    d.text((80, 148), "Veldmark", fill=(255, 255, 255), font=font(18, True, True), anchor="mm")
    d.text((80, 172), "Freeware", fill=(255, 255, 0), font=font(12, True), anchor="mm")
    # The name, the version and the owner's lines at the right
    d.text((168, 14), "Norvel", fill=(0, 0, 128), font=font(40, True, True))
    d.text((170, 66), "Text Editor for Windows", fill=(0, 0, 0), font=font(14, True))
    d.text((170, 86), "Version 3.7", fill=(0, 0, 0), font=font(12, False))
    d.line([(168, 110), (406, 110)], fill=(128, 128, 128))
    d.line([(168, 111), (406, 111)], fill=(255, 255, 255))
    d.text((168, 116), "This product is licensed to:", fill=(0, 0, 0), font=font(11, False))
    d.line([(168, 176), (406, 176)], fill=(128, 128, 128))
    d.line([(168, 177), (406, 177)], fill=(255, 255, 255))
    d.text((168, 181), "Copyright \u00a9 1996-2026 Veldmark", fill=(0, 0, 0), font=font(10, False))
    return img


def side_picture():
    w, h = SIDE_SIZE
    img = Image.new("RGB", (w, h), (0, 0, 128))
    gradient(img, (0, 0, w - 1, h - 1), (0, 0, 128), (0, 128, 160))
    d = ImageDraw.Draw(img)
    # light rules behind the icon, like lines of text
    for y in range(14, h - 14, 12):
        d.line([(10, y), (w - 11, y)], fill=(40, 60, 170))
    paste_icon(img, 3, (w - 96) // 2, 26)
    d.text((w // 2, 150), "Norvel", fill=(255, 255, 255), font=font(28, True, True), anchor="mm")
    d.text((w // 2, 180), "Text Editor", fill=(255, 255, 0), font=font(13, True), anchor="mm")
    d.text((w // 2, h - 22), "Version 3.7", fill=(192, 192, 192), font=font(11, False), anchor="mm")
    return img


# ---------------------------------------------------------------------------------------------------
# Output


def contact_sheet(strip, icons, splash_img, side_img):
    """Every picture scaled up (toolbar and icons x4) on the button-face grey, for review."""
    n = len(TOOLBAR_ORDER)
    cols = 8
    tb_h = ((n + cols - 1) // cols) * 72
    ic_cols = 5
    ic_h = ((len(icons) + ic_cols - 1) // ic_cols) * 140
    width = max(cols * 72, ic_cols * 220, splash_img.width * 2 + side_img.width + 30) + 16
    sheet = Image.new("RGB", (width, tb_h + ic_h + splash_img.height * 2 + 40), (192, 192, 192))
    rgb = to_rgb(strip)
    for i in range(n):
        tile = rgb.crop((16 * i, 0, 16 * i + 16, 16)).resize((64, 64), Image.NEAREST)
        sheet.paste(tile, (8 + (i % cols) * 72, 8 + (i // cols) * 72))
    y0 = tb_h + 8
    for i, (name, big, small) in enumerate(icons):
        x, y = 8 + (i % ic_cols) * 220, y0 + (i // ic_cols) * 140
        sheet.paste(to_rgb(big).resize((128, 128), Image.NEAREST), (x, y))
        sheet.paste(to_rgb(small).resize((64, 64), Image.NEAREST), (x + 136, y))
    y = y0 + ic_h + 8
    sheet.paste(splash_img.resize((splash_img.width * 2, splash_img.height * 2), Image.NEAREST), (8, y))
    sheet.paste(side_img, (splash_img.width * 2 + 24, y))
    return sheet


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.path.join(here, "..", "src", "resources", "art"))
    parser.add_argument("--sheet", help="also write a contact sheet PNG to this path")
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)

    strip = toolbar_strip()
    write_bmp4(strip, os.path.join(args.out, "toolbar.bmp"))
    icons = []
    for name, make in ICONS:
        big, small = make()
        assert big.size == (32, 32) and small.size == (16, 16), name
        write_ico([big, small], os.path.join(args.out, name))
        icons.append((name, big, small))
    splash_img = splash()
    write_bmp24(splash_img, os.path.join(args.out, "splash.bmp"))
    side_img = side_picture()
    write_bmp24(side_img, os.path.join(args.out, "options_side.bmp"))
    if args.sheet:
        contact_sheet(strip, icons, splash_img, side_img).save(args.sheet)
    return 0


if __name__ == "__main__":
    sys.exit(main())
