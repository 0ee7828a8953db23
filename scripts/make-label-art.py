#!/usr/bin/env python3
"""Draws the label art pictures into resources/label-art/: one monochrome bitmap (binary PBM,
kept under the upper-case art name without extension) per pre-printed sheet design the program
knows. Each is a plain line drawing of our own: the label's outline, a motif for the kind of
stock (pin-feed holes, a fold line, card notches, a disc ring, divider tabs, ...) and the art
name in small block letters. Standard library only.

    python3 scripts/make-label-art.py [OUTPUT_FOLDER]
"""
import math
import os
import sys

DOTS_PER_INCH = 100

# Art name: (width in inches, height in inches, motif[, count]).
ART = {
    "AV12295": (4.0, 1.5, "corners"),
    "AV12297": (4.0, 2.0, "corners"),
    "AV2180": (3.44, 0.67, "stripe"),
    "AV4160": (3.5, 0.94, "pinfeed"),
    "AV4161": (4.0, 1.44, "pinfeed"),
    "AV4168": (4.0, 2.17, "pinfeed"),
    "AV4169": (5.0, 2.94, "pinfeed"),
    "AV4266": (2.75, 2.75, "diskette"),
    "AV5097": (2.75, 2.75, "diskette"),
    "AV5196": (2.75, 2.75, "diskette"),
    "AV5198": (3.5, 1.67, "cassette"),
    "AV5305": (8.5, 2.5, "fold"),
    "AV5385": (4.0, 2.17, "notches"),
    "AV5386": (5.0, 3.0, "ruled"),
    "AV5391": (4.0, 3.0, "band"),
    "AV5766": (3.44, 0.67, "stripe"),
    "AV5776": (4.0, 2.0, "corners"),
    "AV5824": (4.63, 4.63, "disc"),
    "AV5895": (3.37, 2.33, "band"),
    "AV5896": (2.75, 2.75, "diskette"),
    "AV8166": (3.44, 0.67, "stripe"),
    "AVWSD5": (8.5, 1.0, "tabs", 5),
    "AVWSD8": (8.5, 1.0, "tabs", 8),
    "AVWSI13": (8.5, 1.0, "tabs", 13),
    "AVWSI15": (8.5, 1.0, "tabs", 15),
}

# 5 x 7 block letters for the names.
GLYPHS = {
    "A": ["01110", "10001", "10001", "11111", "10001", "10001", "10001"],
    "D": ["11110", "10001", "10001", "10001", "10001", "10001", "11110"],
    "I": ["01110", "00100", "00100", "00100", "00100", "00100", "01110"],
    "S": ["01111", "10000", "10000", "01110", "00001", "00001", "11110"],
    "V": ["10001", "10001", "10001", "10001", "10001", "01010", "00100"],
    "W": ["10001", "10001", "10001", "10101", "10101", "10101", "01010"],
    "0": ["01110", "10001", "10011", "10101", "11001", "10001", "01110"],
    "1": ["00100", "01100", "00100", "00100", "00100", "00100", "01110"],
    "2": ["01110", "10001", "00001", "00010", "00100", "01000", "11111"],
    "3": ["11110", "00001", "00001", "01110", "00001", "00001", "11110"],
    "4": ["00010", "00110", "01010", "10010", "11111", "00010", "00010"],
    "5": ["11111", "10000", "11110", "00001", "00001", "10001", "01110"],
    "6": ["00110", "01000", "10000", "11110", "10001", "10001", "01110"],
    "7": ["11111", "00001", "00010", "00100", "01000", "01000", "01000"],
    "8": ["01110", "10001", "10001", "01110", "10001", "10001", "01110"],
    "9": ["01110", "10001", "10001", "01111", "00001", "00010", "01100"],
}


class Bitmap:
    def __init__(self, width, height):
        self.width, self.height = width, height
        self.bits = [[0] * width for _ in range(height)]

    def dot(self, x, y):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.bits[y][x] = 1

    def line(self, x0, y0, x1, y1, dashed=False):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            if dashed and (i // 6) % 2:
                continue
            self.dot(round(x0 + (x1 - x0) * i / steps), round(y0 + (y1 - y0) * i / steps))

    def rectangle(self, left, top, right, bottom, dashed=False):
        self.line(left, top, right, top, dashed)
        self.line(right, top, right, bottom, dashed)
        self.line(right, bottom, left, bottom, dashed)
        self.line(left, bottom, left, top, dashed)

    def circle(self, cx, cy, radius):
        steps = max(int(2 * math.pi * radius), 8)
        for i in range(steps):
            angle = 2 * math.pi * i / steps
            self.dot(round(cx + radius * math.cos(angle)), round(cy + radius * math.sin(angle)))

    def text(self, x, y, text, scale=2):
        for glyph in text:
            for row, pattern in enumerate(GLYPHS[glyph]):
                for column, bit in enumerate(pattern):
                    if bit == "1":
                        for dy in range(scale):
                            for dx in range(scale):
                                self.dot(x + column * scale + dx, y + row * scale + dy)
            x += 6 * scale

    def pbm(self):
        rows = []
        for row in self.bits:
            packed = bytearray((self.width + 7) // 8)
            for x, bit in enumerate(row):
                if bit:
                    packed[x // 8] |= 0x80 >> (x % 8)
            rows.append(bytes(packed))
        return b"P4\n%d %d\n" % (self.width, self.height) + b"".join(rows)


def draw(name, width_in, height_in, motif, count=0):
    w, h = round(width_in * DOTS_PER_INCH), round(height_in * DOTS_PER_INCH)
    b = Bitmap(w, h)
    right, bottom = w - 1, h - 1
    b.rectangle(0, 0, right, bottom)
    if motif == "pinfeed":
        for y in range(h // 8, h, h // 4 or 1):
            b.circle(8, y, 4)
            b.circle(right - 8, y, 4)
        b.line(18, 0, 18, bottom, dashed=True)
        b.line(right - 18, 0, right - 18, bottom, dashed=True)
    elif motif == "diskette":
        b.rectangle(w // 4, 6, 3 * w // 4, h // 4)
        b.line(right - 20, 0, right, 20)
    elif motif == "cassette":
        b.circle(w // 3, h // 2, h // 6)
        b.circle(2 * w // 3, h // 2, h // 6)
        b.rectangle(w // 3, h // 2 - h // 6, 2 * w // 3, h // 2 + h // 6)
    elif motif == "fold":
        b.line(0, h // 2, right, h // 2, dashed=True)
        b.rectangle(10, 10, right - 10, h // 2 - 10)
        b.rectangle(10, h // 2 + 10, right - 10, bottom - 28)
    elif motif == "ruled":
        b.line(0, h // 5, right, h // 5)
        for y in range(2 * h // 5, bottom - 10, h // 8):
            b.line(10, y, right - 10, y, dashed=True)
    elif motif == "notches":
        for cx in (w // 2 - w // 8, w // 2 + w // 8):
            b.rectangle(cx - 6, bottom - 14, cx + 6, bottom)
            b.circle(cx, bottom - 14, 6)
    elif motif == "band":
        b.line(0, h // 4, right, h // 4)
        b.line(0, h // 4 + 3, right, h // 4 + 3)
    elif motif == "stripe":
        b.line(0, h // 3, right, h // 3)
    elif motif == "disc":
        b.circle(w // 2, h // 2, w // 2 - 2)
        b.circle(w // 2, h // 2, w // 7)
        b.circle(w // 2, h // 2, w // 7 + 6)
    elif motif == "tabs":
        step = w // count
        for i in range(count):
            b.rectangle(i * step + 4, 4, (i + 1) * step - 4, h // 3)
    else:  # corner marks only
        for x, y, dx, dy in ((6, 6, 1, 1), (right - 6, 6, -1, 1), (6, bottom - 6, 1, -1), (right - 6, bottom - 6, -1, -1)):
            b.line(x, y, x + 14 * dx, y)
            b.line(x, y, x, y + 14 * dy)
    scale = 2 if h >= 60 else 1
    margin = 26 if motif == "pinfeed" else 8  # clear of the feed strip
    b.text(w - margin - len(name) * 6 * scale, h - 8 - 7 * scale, name, scale)
    return b


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "resources", "label-art")
    os.makedirs(folder, exist_ok=True)
    for name, spec in ART.items():
        with open(os.path.join(folder, name), "wb") as out:
            out.write(draw(name, *spec).pbm())


if __name__ == "__main__":
    main()
