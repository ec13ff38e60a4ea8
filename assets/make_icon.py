#!/usr/bin/env python3
"""Draws the program icon: a plain white window in perspective with a cyan title bar and a
small grey pointer at its lower right.

Writes quorvex.ico (32x32 and 16x16 in 16 colours, 32x32 in two colours; the Windows
executable's icon), quorvex.svg (the same drawing, scalable, for the desktop's icon theme) and
icons/quorvex-N.png at the theme's sizes, rendered from the SVG with rsvg-convert:
    python3 assets/make_icon.py assets
"""
import os
import struct
import subprocess
import sys
import zlib

# The 16 standard colours; the drawing uses black, silver, grey, cyan and white.
PALETTE16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
             (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
             (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
BLACK, SILVER, GREY, CYAN, WHITE = 0, 7, 8, 14, 15
CLEAR = None


def inside(polygon, x, y):
    """Even-odd test of the pixel centre."""
    px, py = x + 0.5, y + 0.5
    hit = False
    for (x1, y1), (x2, y2) in zip(polygon, polygon[1:] + polygon[:1]):
        if (y1 > py) != (y2 > py) and px < x1 + (py - y1) * (x2 - x1) / (y2 - y1):
            hit = not hit
    return hit


def lerp(a, b, t):
    return (a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t)


def shapes(s):
    """The drawing's polygons at s pixels per unit of the 32-unit design."""
    # The window leans back: its right edge is shorter than its left.
    tl, tr, br, bl = (2 * s, 5 * s), (25 * s, 8 * s), (25 * s, 25 * s), (2 * s, 29 * s)
    frame = [tl, tr, br, bl]
    inner = [lerp(tl, br, 0.06), lerp(tr, bl, 0.06), lerp(br, tl, 0.06), lerp(bl, tr, 0.06)]
    bar = [inner[0], inner[1], lerp(inner[1], inner[2], 0.2), lerp(inner[0], inner[3], 0.18)]
    pointer = [(22 * s, 18 * s), (22 * s, 30 * s), (25 * s, 27 * s), (27.5 * s, 31.5 * s),
               (29.5 * s, 30.5 * s), (27 * s, 26 * s), (31 * s, 26 * s)]
    return frame, inner, bar, pointer


def draw(size):
    frame, inner, bar, pointer = shapes(size / 32)
    pixels = []
    for y in range(size):
        row = []
        for x in range(size):
            colour = CLEAR
            if inside(frame, x, y):
                colour = BLACK
            if inside(inner, x, y):
                colour = WHITE
            if inside(bar, x, y):
                colour = CYAN
            if inside(pointer, x, y):
                colour = GREY
            row.append(colour)
        pixels.append(row)
    # The pointer's outline, so it reads against the white window.
    for y in range(size):
        for x in range(size):
            if pixels[y][x] == GREY and any(
                    not (0 <= x + dx < size and 0 <= y + dy < size) or
                    pixels[y + dy][x + dx] not in (GREY, BLACK)
                    for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))):
                pixels[y][x] = BLACK
    return pixels


def rows_bottom_up(pixels, bits, value_of):
    data = bytearray()
    for row in reversed(pixels):
        bitstring = 0
        for value in row:
            bitstring = (bitstring << bits) | value_of(value)
        width_bits = len(row) * bits
        padded = (width_bits + 31) // 32 * 32
        bitstring <<= padded - width_bits
        data += bitstring.to_bytes(padded // 8, "big")
    return bytes(data)


def ico_image(pixels, bits):
    size = len(pixels)
    if bits == 4:
        palette, value_of = PALETTE16, lambda v: 0 if v is CLEAR else v
    else:
        palette = [(0, 0, 0), (255, 255, 255)]
        value_of = lambda v: 1 if v in (WHITE, CYAN, SILVER) else 0
    xor = rows_bottom_up(pixels, bits, value_of)
    mask = rows_bottom_up(pixels, 1, lambda v: 1 if v is CLEAR else 0)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0, len(xor) + len(mask),
                         0, 0, len(palette), 0)
    colours = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in palette)
    return header + colours + xor + mask, len(palette)


def ico(images):
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    blobs = []
    for pixels, bits in images:
        blob, colours = ico_image(pixels, bits)
        size = len(pixels)
        out += struct.pack("<BBBBHHII", size, size, colours, 0, 1, bits, len(blob), offset)
        offset += len(blob)
        blobs.append(blob)
    return out + b"".join(blobs)


def png(pixels):
    raw = bytearray()
    for row in pixels:
        raw.append(0)
        for value in row:
            raw += bytes((0, 0, 0, 0)) if value is CLEAR else bytes(PALETTE16[value] + (255,))
    size = len(pixels)

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def svg():
    frame, inner, bar, pointer = shapes(1)

    def polygon(points, fill, extra=""):
        coords = " ".join(f"{x:g},{y:g}" for x, y in points)
        return f'  <polygon points="{coords}" fill="{fill}"{extra}/>\n'

    return ('<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">\n'
            + polygon(frame, "#000000") + polygon(inner, "#ffffff") + polygon(bar, "#00ffff")
            + polygon(pointer, "#808080",
                      ' stroke="#000000" stroke-width="0.8" stroke-linejoin="round"')
            + "</svg>\n")


THEME_SIZES = (16, 24, 32, 48, 64, 128, 256)

if __name__ == "__main__":
    folder = sys.argv[1] if len(sys.argv) > 1 else "."
    large, small = draw(32), draw(16)
    with open(f"{folder}/quorvex.ico", "wb") as out:
        out.write(ico([(large, 4), (small, 4), (large, 1)]))
    with open(f"{folder}/quorvex.svg", "w") as out:
        out.write(svg())
    os.makedirs(f"{folder}/icons", exist_ok=True)
    for size in THEME_SIZES:
        subprocess.run(["rsvg-convert", "-w", str(size), "-h", str(size), "-o",
                        f"{folder}/icons/quorvex-{size}.png", f"{folder}/quorvex.svg"], check=True)
