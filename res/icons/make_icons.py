#!/usr/bin/env python3
"""Draws the site map dialog's 16x16 icons as PNG files beside this script.

134 a red cross, 135 a blue book, 136 a page sheet, 137 two sheets,
138 a clipboard. Standard library only; run it again after changing a picture.
"""
import os
import struct
import zlib

SIZE = 16
CLEAR = (0, 0, 0, 0)
OUTLINE = (64, 64, 64, 255)
PAPER = (255, 255, 255, 255)
TEXT_LINE = (150, 160, 175, 255)
FOLD = (200, 200, 200, 255)


class Canvas:
    def __init__(self):
        self.pixels = [[CLEAR] * SIZE for _ in range(SIZE)]

    def put(self, x, y, colour):
        if 0 <= x < SIZE and 0 <= y < SIZE:
            self.pixels[y][x] = colour

    def fill(self, x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, colour)

    def frame(self, x0, y0, x1, y1, colour):
        for x in range(x0, x1 + 1):
            self.put(x, y0, colour)
            self.put(x, y1, colour)
        for y in range(y0, y1 + 1):
            self.put(x0, y, colour)
            self.put(x1, y, colour)

    def png(self):
        raw = b"".join(b"\x00" + b"".join(bytes(p) for p in row) for row in self.pixels)

        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(body) - 4) + body + struct.pack(">I", zlib.crc32(body))

        header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)
        return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def sheet(c, x0, y0, x1, y1):
    """A page with a folded top-right corner and a few lines of text."""
    c.fill(x0, y0, x1, y1, PAPER)
    c.frame(x0, y0, x1, y1, OUTLINE)
    for i in range(4):  # cut the corner
        for j in range(4 - i):
            c.put(x1 - j, y0 + i, CLEAR)
    for i in range(4):
        c.put(x1 - 3 + i, y0 + i, OUTLINE)
    c.fill(x1 - 3, y0 + 1, x1 - 3, y0 + 3, OUTLINE)
    c.fill(x1 - 2, y0 + 3, x1, y0 + 3, OUTLINE)
    c.put(x1 - 2, y0 + 2, FOLD)
    for y in range(y0 + 5, y1 - 1, 2):
        c.fill(x0 + 2, y, x1 - 2, y, TEXT_LINE)


def red_cross():
    c = Canvas()
    red, dark = (220, 30, 30, 255), (150, 0, 0, 255)
    for i in range(2, 14):
        c.put(i - 1, i, dark)             # a darker edge on the left of each stroke
        c.put(13 - i, i, dark)
        for d in (0, 1):
            c.put(i + d, i, red)
            c.put(14 - i + d, i, red)
    return c


def blue_book():
    c = Canvas()
    blue, dark, light = (40, 90, 200, 255), (20, 45, 120, 255), (120, 160, 235, 255)
    c.fill(3, 1, 13, 14, blue)
    c.frame(3, 1, 13, 14, dark)
    c.fill(4, 2, 4, 13, light)            # spine highlight
    c.fill(5, 2, 5, 13, dark)             # spine edge
    c.fill(6, 13, 12, 13, PAPER)          # page edges at the bottom
    c.fill(7, 4, 11, 5, light)            # label on the cover
    return c


def page_sheet():
    c = Canvas()
    sheet(c, 3, 1, 12, 14)
    return c


def two_sheets():
    c = Canvas()
    sheet(c, 1, 0, 9, 10)
    sheet(c, 6, 5, 14, 15)
    return c


def clipboard():
    c = Canvas()
    board, dark, metal = (170, 110, 50, 255), (100, 60, 20, 255), (150, 150, 160, 255)
    c.fill(2, 2, 13, 15, board)
    c.frame(2, 2, 13, 15, dark)
    c.fill(4, 4, 11, 14, PAPER)
    for y in (7, 9, 11, 13):
        c.fill(5, y, 10, y, TEXT_LINE)
    c.fill(5, 1, 10, 4, metal)            # the clip
    c.frame(5, 1, 10, 4, OUTLINE)
    c.fill(7, 0, 8, 0, OUTLINE)
    return c


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    for number, draw in ((134, red_cross), (135, blue_book), (136, page_sheet),
                         (137, two_sheets), (138, clipboard)):
        with open(os.path.join(here, f"{number}.png"), "wb") as out:
            out.write(draw().png())


if __name__ == "__main__":
    main()
