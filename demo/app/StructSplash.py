#!/usr/bin/env python3
"""Writes StructSplash.bmp, the editor's splash picture: a steel truss in light lines on a dark
band, over a light area where the splash window writes its text. Run it from this folder."""
import struct

WIDTH, HEIGHT, BAND = 400, 200, 100


def band_colour(y):
    t = y / BAND
    return (int(30 + 30 * t), int(50 + 40 * t), int(90 + 50 * t))  # dark steel blue, lighter down


def light_colour(y):
    t = (y - BAND) / (HEIGHT - BAND)
    return (int(236 - 20 * t), int(240 - 16 * t), int(246 - 10 * t))


def line(pixels, x0, y0, x1, y1, colour):
    steps = max(abs(x1 - x0), abs(y1 - y0), 1)
    for i in range(steps + 1):
        x = round(x0 + (x1 - x0) * i / steps)
        y = round(y0 + (y1 - y0) * i / steps)
        for dx, dy in ((0, 0), (1, 0), (0, 1)):  # two pixels wide
            if 0 <= x + dx < WIDTH and 0 <= y + dy < HEIGHT:
                pixels[y + dy][x + dx] = colour


pixels = [[band_colour(y) if y < BAND else light_colour(y) for _ in range(WIDTH)] for y in range(HEIGHT)]
# A Warren truss of eight panels: chords, diagonals and two supports.
steel, orange = (200, 215, 235), (255, 150, 40)
left, right, top, bottom = 30, 370, 25, 75
panel = (right - left) / 8
line(pixels, left, top, right, top, steel)
line(pixels, left - 10, bottom, right + 10, bottom, steel)
for i in range(8):
    x0 = round(left + i * panel)
    x1 = round(left + (i + 1) * panel)
    line(pixels, x0, bottom if i % 2 == 0 else top, x1, top if i % 2 == 0 else bottom, steel)
    line(pixels, x0, top, x0, bottom, steel)
line(pixels, right, top, right, bottom, steel)
for x in (left, right):
    line(pixels, x - 8, bottom + 12, x, bottom, orange)
    line(pixels, x + 8, bottom + 12, x, bottom, orange)
    line(pixels, x - 8, bottom + 12, x + 8, bottom + 12, orange)
line(pixels, 0, BAND, WIDTH - 1, BAND, orange)

# An 8-bit picture, run-length encoded: its rows are mostly one colour.
palette = sorted({c for row in pixels for c in row})
assert len(palette) <= 256
index = {c: i for i, c in enumerate(palette)}
data = bytearray()
for y in range(HEIGHT - 1, -1, -1):  # bottom-up
    row = [index[c] for c in pixels[y]]
    x = 0
    while x < WIDTH:
        run = 1
        while x + run < WIDTH and run < 255 and row[x + run] == row[x]:
            run += 1
        data += bytes((run, row[x]))
        x += run
    data += b"\0\0"  # end of line
data += b"\0\1"  # end of picture
colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
offset = 14 + 40 + len(colours)
header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 8, 1, len(data), 2835, 2835, len(palette), 0)  # BI_RLE8
with open("StructSplash.bmp", "wb") as f:
    f.write(header + info + colours + data)
