#!/usr/bin/env python3
"""Draws chip.svg, the one-dollar banknote shown on every chip.

Lettering and figures are filled outline polygons from a small stroke alphabet below,
so the picture never depends on an installed font. Run it again after changing it:
    python3 assets/make_chip.py > assets/chip.svg
"""
import math

WIDTH, HEIGHT = 3856, 1656
PALE, DARK, FRAME, LIGHT, OLIVE = "#BFFFBF", "#008000", "#DFFFBF", "#9FFF9F", "#3F5F00"

# Strokes on a grid 4 wide and 6 high, y downwards.
GLYPHS = {
    "T": [[(0, 0), (4, 0)], [(2, 0), (2, 6)]],
    "H": [[(0, 0), (0, 6)], [(4, 0), (4, 6)], [(0, 3), (4, 3)]],
    "E": [[(4, 0), (0, 0), (0, 6), (4, 6)], [(0, 3), (3, 3)]],
    "U": [[(0, 0), (0, 5), (1, 6), (3, 6), (4, 5), (4, 0)]],
    "N": [[(0, 6), (0, 0), (4, 6), (4, 0)]],
    "I": [[(2, 0), (2, 6)], [(1, 0), (3, 0)], [(1, 6), (3, 6)]],
    "D": [[(0, 0), (0, 6), (3, 6), (4, 5), (4, 1), (3, 0), (0, 0)]],
    "S": [[(4, 1), (3, 0), (1, 0), (0, 1), (0, 2), (1, 3), (3, 3), (4, 4), (4, 5), (3, 6), (1, 6), (0, 5)]],
    "A": [[(0, 6), (2, 0), (4, 6)], [(1, 3.6), (3, 3.6)]],
    "O": [[(1, 0), (3, 0), (4, 1), (4, 5), (3, 6), (1, 6), (0, 5), (0, 1), (1, 0)]],
    "F": [[(4, 0), (0, 0), (0, 6)], [(0, 3), (3, 3)]],
    "M": [[(0, 6), (0, 0), (2, 3), (4, 0), (4, 6)]],
    "R": [[(0, 6), (0, 0), (3, 0), (4, 1), (4, 2), (3, 3), (0, 3)], [(2, 3), (4, 6)]],
    "C": [[(4, 1), (3, 0), (1, 0), (0, 1), (0, 5), (1, 6), (3, 6), (4, 5)]],
    "L": [[(0, 0), (0, 6), (4, 6)]],
    "1": [[(1, 1), (2, 0), (2, 6)], [(1, 6), (3, 6)]],
    " ": [],
}


def segment(p, q, thickness):
    """A stroke segment as a rectangle with square caps."""
    (x1, y1), (x2, y2) = p, q
    length = math.hypot(x2 - x1, y2 - y1)
    dx, dy = (x2 - x1) / length, (y2 - y1) / length
    nx, ny = -dy * thickness / 2, dx * thickness / 2
    ex, ey = dx * thickness / 2, dy * thickness / 2
    corners = [(x1 - ex + nx, y1 - ey + ny), (x2 + ex + nx, y2 + ey + ny),
               (x2 + ex - nx, y2 + ey - ny), (x1 - ex - nx, y1 - ey - ny)]
    return "M" + "L".join(f"{x:.1f},{y:.1f}" for x, y in corners) + "Z"


def lettering(text, left, top, cell, colour, weight=0.22):
    """Text as one filled path; cell is the height of a letter."""
    unit = cell / 6
    thickness = cell * weight
    parts = []
    for index, char in enumerate(text):
        x0 = left + index * unit * 6
        for stroke in GLYPHS[char]:
            points = [(x0 + x * unit, top + y * unit) for x, y in stroke]
            parts += [segment(a, b, thickness) for a, b in zip(points, points[1:])]
    return f'<path fill="{colour}" d="{"".join(parts)}"/>'


def centred(text, centre_x, top, cell, colour):
    width = (len(text) * 6 - 2) * cell / 6
    return lettering(text, centre_x - width / 2, top, cell, colour)


def leaf(cx, cy, angle, colour=DARK):
    return (f'<ellipse cx="{cx}" cy="{cy}" rx="60" ry="22" fill="{colour}" stroke="{FRAME}" '
            f'stroke-width="4" transform="rotate({angle} {cx} {cy})"/>')


def seal(cx, cy):
    return (f'<circle cx="{cx}" cy="{cy}" r="230" fill="{DARK}" stroke="{FRAME}" stroke-width="14"/>'
            f'<circle cx="{cx}" cy="{cy}" r="150" fill="{LIGHT}" stroke="{FRAME}" stroke-width="8"/>'
            f'<circle cx="{cx}" cy="{cy}" r="60" fill="{PALE}" stroke="{DARK}" stroke-width="8"/>')


def top_corner(cx, cy):
    ornaments = "".join(leaf(cx + dx, cy - 215, angle) for dx, angle in ((-60, -30), (60, 30)))
    return (f'<ellipse cx="{cx}" cy="{cy}" rx="120" ry="170" fill="{PALE}" stroke="{FRAME}" stroke-width="12"/>'
            + ornaments + centred("1", cx, cy - 105, 210, DARK))


def bottom_corner(cx, cy):
    return (f'<circle cx="{cx}" cy="{cy}" r="120" fill="{PALE}" stroke="{FRAME}" stroke-width="12"/>'
            f'<circle cx="{cx}" cy="{cy}" r="92" fill="none" stroke="{DARK}" stroke-width="8"/>'
            + centred("1", cx, cy - 60, 120, DARK))


def portrait(cx, cy):
    leaves = "".join(leaf(cx + dx, cy + 420 + abs(dx) // 6, angle, OLIVE if i % 2 else DARK)
                     for i, (dx, angle) in enumerate(((-200, -20), (-110, -8), (110, 8), (200, 20))))
    return (f'<ellipse cx="{cx}" cy="{cy}" rx="330" ry="420" fill="{LIGHT}" stroke="{FRAME}" stroke-width="20"/>'
            f'<path fill="{DARK}" stroke="{OLIVE}" stroke-width="6" d="M{cx - 250},{cy + 330} '
            f'C{cx - 230},{cy + 90} {cx - 120},{cy + 60} {cx},{cy + 60} '
            f'C{cx + 120},{cy + 60} {cx + 230},{cy + 90} {cx + 250},{cy + 330} Z"/>'
            f'<ellipse cx="{cx}" cy="{cy - 120}" rx="135" ry="175" fill="{OLIVE}" stroke="{DARK}" stroke-width="6"/>'
            f'<ellipse cx="{cx - 20}" cy="{cy - 250}" rx="120" ry="70" fill="{DARK}"/>'
            + leaves)


def banknote():
    body = [
        f'<rect x="4" y="4" width="{WIDTH - 8}" height="{HEIGHT - 8}" fill="{PALE}" stroke="#000000" stroke-width="8"/>',
        f'<rect x="40" y="40" width="{WIDTH - 80}" height="{HEIGHT - 80}" fill="{DARK}" stroke="{FRAME}" stroke-width="14"/>',
        f'<rect x="260" y="210" width="{WIDTH - 520}" height="1150" fill="{PALE}" stroke="{FRAME}" stroke-width="14"/>',
        f'<rect x="560" y="60" width="{WIDTH - 1120}" height="110" fill="{DARK}" stroke="{FRAME}" stroke-width="10"/>',
        centred("THE UNITED STATES OF AMERICA", WIDTH / 2, 250, 96, DARK),
        seal(1010, 830), seal(WIDTH - 1010, 830),
        portrait(WIDTH / 2, 820),
        top_corner(190, 330), top_corner(WIDTH - 190, 330),
        bottom_corner(190, HEIGHT - 190), bottom_corner(WIDTH - 190, HEIGHT - 190),
        f'<rect x="1180" y="1390" width="{WIDTH - 2360}" height="200" fill="{DARK}" stroke="{FRAME}" stroke-width="12"/>',
        centred("ONE DOLLAR", WIDTH / 2, 1420, 140, PALE),
    ]
    return (f'<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 {WIDTH} {HEIGHT}" '
            f'width="{WIDTH}" height="{HEIGHT}" preserveAspectRatio="none">\n'
            + "\n".join(body) + "\n</svg>\n")


if __name__ == "__main__":
    print(banknote(), end="")
