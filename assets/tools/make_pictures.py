#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes every picture of the game as SVG into assets/pictures/.

The pictures are plain vector drawings, so the game can render them crisply at
any screen scale. Irregular touches (chalk dust, wood grain, stars) come from a
seeded random generator, so running the script again gives the same files.
Only SVG features that Qt's SVG renderer supports are used: paths, basic
shapes, gradients, opacity, transforms, dashes and text (DejaVu Sans).

Usage: make_pictures.py [OUTPUT_DIR]
"""
import math
import os
import random
import sys

CELL = 73
MID = CELL / 2
FONT = "DejaVu Sans"


def svg(width, height, body, defs=""):
    head = (f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
            f'viewBox="0 0 {width} {height}">\n')
    if defs:
        head += f"<defs>\n{defs}</defs>\n"
    return head + body + "</svg>\n"


def linear(gid, stops, x1=0, y1=0, x2=0, y2=1):
    s = "".join(f'<stop offset="{o}" stop-color="{c}"{_op(a)}/>' for o, c, a in _stops(stops))
    return (f'<linearGradient id="{gid}" x1="{x1}" y1="{y1}" x2="{x2}" y2="{y2}">'
            f"{s}</linearGradient>\n")


def radial(gid, stops, cx=0.5, cy=0.5, r=0.5, fx=None, fy=None):
    fx = cx if fx is None else fx
    fy = cy if fy is None else fy
    s = "".join(f'<stop offset="{o}" stop-color="{c}"{_op(a)}/>' for o, c, a in _stops(stops))
    return (f'<radialGradient id="{gid}" cx="{cx}" cy="{cy}" r="{r}" fx="{fx}" fy="{fy}">'
            f"{s}</radialGradient>\n")


def _stops(stops):
    return [(s[0], s[1], s[2] if len(s) > 2 else None) for s in stops]


def _op(a):
    return "" if a is None else f' stop-opacity="{a}"'


def ring_path(cx, cy, outer, inner):
    """A ring as one even-odd path, so that gradients fill it like a solid."""
    return (f"M{cx - outer},{cy} a{outer},{outer} 0 1,0 {2 * outer},0 "
            f"a{outer},{outer} 0 1,0 {-2 * outer},0 Z "
            f"M{cx - inner},{cy} a{inner},{inner} 0 1,0 {2 * inner},0 "
            f"a{inner},{inner} 0 1,0 {-2 * inner},0 Z")


def bar(x1, y1, x2, y2, width, **attrs):
    extra = " ".join(f'{k.replace("_", "-")}="{v}"' for k, v in attrs.items())
    return (f'<line x1="{x1:.2f}" y1="{y1:.2f}" x2="{x2:.2f}" y2="{y2:.2f}" '
            f'stroke-width="{width}" {extra}/>\n')


def x_lines(inset, width, **attrs):
    a, b = inset, CELL - inset
    return bar(a, a, b, b, width, **attrs) + bar(b, a, a, b, width, **attrs)


def cross_path(inset, half):
    """An X as one filled outline: two bars of half-width `half`, square ends."""
    a, b = inset, CELL - inset
    d = half / math.sqrt(2)
    pts = []
    for (x1, y1, x2, y2) in ((a, a, b, b), (b, a, a, b)):
        nx, ny = (y2 - y1), -(x2 - x1)
        n = math.hypot(nx, ny)
        nx, ny = nx / n * half, ny / n * half
        pts.append(f"M{x1 + nx:.2f},{y1 + ny:.2f} L{x2 + nx:.2f},{y2 + ny:.2f} "
                   f"L{x2 - nx:.2f},{y2 - ny:.2f} L{x1 - nx:.2f},{y1 - ny:.2f} Z")
    del d
    return " ".join(pts)


def dots(rng, count, colour, rmin, rmax, omin, omax, area=(0, 0, CELL, CELL)):
    x0, y0, w, h = area
    out = []
    for _ in range(count):
        out.append(f'<circle cx="{x0 + rng.random() * w:.1f}" cy="{y0 + rng.random() * h:.1f}" '
                   f'r="{rng.uniform(rmin, rmax):.2f}" fill="{colour}" '
                   f'fill-opacity="{rng.uniform(omin, omax):.2f}"/>\n')
    return "".join(out)


# ---------------------------------------------------------------- the sets ----
# Each set function returns (defs, empty body, x body, o body); the empty body is
# also drawn under the marks.


def set_chalk():
    rng = random.Random(1)
    defs = radial("slate", [(0, "#3d4b49"), (1, "#263130")], r=0.75)
    empty = ('<rect width="73" height="73" fill="url(#slate)"/>\n'
             + dots(rng, 60, "#ffffff", 0.2, 0.7, 0.04, 0.14)
             + '<ellipse cx="30" cy="48" rx="22" ry="8" fill="#ffffff" fill-opacity="0.04" '
             'transform="rotate(-18 30 48)"/>\n'
             '<rect x="0.5" y="0.5" width="72" height="72" fill="none" stroke="#1a2221" '
             'stroke-width="1"/>\n')

    # A broad stick of chalk laid flat: one solid pass as wide as the bold sets'
    # strokes, then a few narrow, broken passes that roughen its edges.
    def chalky(draw, colour):
        out = draw(0, 0, 6.5, colour, 0.9, "40 1.2")
        for _ in range(4):
            dx, dy = rng.uniform(-1.8, 1.8), rng.uniform(-1.8, 1.8)
            dash = f"{rng.randint(6, 14)} {rng.uniform(0.6, 1.8):.1f}"
            out += draw(dx, dy, rng.uniform(1.8, 2.8), colour, rng.uniform(0.4, 0.7), dash)
        return out

    def x_stroke(dx, dy, w, c, o, dash):
        return (f'<g transform="translate({dx:.2f},{dy:.2f})">'
                + x_lines(16, f"{w:.2f}", stroke=c, stroke_opacity=f"{o:.2f}",
                          stroke_linecap="round", stroke_dasharray=dash) + "</g>\n")

    def o_stroke(dx, dy, w, c, o, dash):
        return (f'<ellipse cx="{MID + dx:.2f}" cy="{MID + dy:.2f}" rx="{20 + dx:.2f}" '
                f'ry="{20 - dy:.2f}" fill="none" stroke="{c}" stroke-width="{w:.2f}" '
                f'stroke-opacity="{o:.2f}" stroke-dasharray="{dash}"/>\n')

    # Slate showing through where the chalk skipped.
    grit = "#2c3837"
    x = (chalky(x_stroke, "#f4f4ef") + dots(rng, 40, grit, 0.3, 0.6, 0.3, 0.6, (15, 15, 43, 43)))
    o = (chalky(o_stroke, "#f6e58d") + dots(rng, 40, grit, 0.3, 0.6, 0.3, 0.6, (13, 13, 47, 47)))
    return defs, empty, x, o


def set_neon():
    defs = radial("neonwall", [(0, "#1c1533"), (1, "#07060f")], r=0.8)
    empty = ('<rect width="73" height="73" fill="url(#neonwall)"/>\n'
             '<rect x="4.5" y="4.5" width="64" height="64" rx="9" fill="none" '
             'stroke="#3a4a8a" stroke-width="1.5" stroke-opacity="0.6"/>\n')

    def glow(shape, colour):
        out = ""
        for width, opacity in ((14, 0.08), (10, 0.14), (7, 0.28), (4.5, 0.6)):
            out += shape(width, colour, opacity)
        return out + shape(1.8, "#ffffff", 0.9)

    def x_shape(w, c, o):
        return x_lines(18, w, stroke=c, stroke_opacity=o, stroke_linecap="round")

    def o_shape(w, c, o):
        return (f'<circle cx="{MID}" cy="{MID}" r="19" fill="none" stroke="{c}" '
                f'stroke-width="{w}" stroke-opacity="{o}"/>\n')

    return defs, empty, glow(x_shape, "#ff2bd6"), glow(o_shape, "#22e8ff")


def set_wood():
    rng = random.Random(3)
    defs = (linear("woodbase", [(0, "#cf8d40"), (0.5, "#b9752e"), (1, "#9c5c20")], 0, 0, 1, 1)
            + linear("walnut", [(0, "#4e2a12"), (0.5, "#301808"), (1, "#1a0a02")], 0, 0, 1, 1)
            + linear("maple", [(0, "#fffdf4"), (0.6, "#fbedcc"), (1, "#eed3a0")], 0, 0, 1, 1))
    grain = ""
    for i in range(9):
        y = 4 + i * 8 + rng.uniform(-2, 2)
        grain += (f'<path d="M-2,{y:.1f} C20,{y + rng.uniform(-4, 4):.1f} '
                  f'45,{y + rng.uniform(-4, 4):.1f} 75,{y + rng.uniform(-3, 3):.1f}" '
                  f'fill="none" stroke="#7b4a1f" stroke-width="{rng.uniform(0.5, 1.4):.1f}" '
                  f'stroke-opacity="{rng.uniform(0.2, 0.4):.2f}"/>\n')
    empty = ('<rect width="73" height="73" fill="url(#woodbase)"/>\n' + grain
             + '<ellipse cx="52" cy="22" rx="4" ry="2.2" fill="#6b3d17" fill-opacity="0.35"/>\n'
             '<path d="M1,72 L1,1 L72,1" fill="none" stroke="#f0c58e" stroke-width="2"/>\n'
             '<path d="M1,72 L72,72 L72,1" fill="none" stroke="#6e4118" stroke-width="2"/>\n')
    xs = cross_path(15, 6.5)
    x = (f'<path d="{xs}" fill="#3a2210" fill-opacity="0.35" transform="translate(1.5,1.5)"/>\n'
         f'<path d="{xs}" fill="url(#walnut)" stroke="#24110400" stroke-width="0"/>\n'
         f'<path d="{xs}" fill="none" stroke="#2a1406" stroke-width="1"/>\n'
         + x_lines(19, 1, stroke="#7a4a24", stroke_opacity="0.6"))
    rp = ring_path(MID, MID, 23, 12)
    o = (f'<path d="{rp}" fill="#3a2210" fill-opacity="0.35" fill-rule="evenodd" '
         'transform="translate(1.5,1.5)"/>\n'
         f'<path d="{rp}" fill="url(#maple)" fill-rule="evenodd" stroke="#4a2a10" '
         'stroke-width="1.5"/>\n'
         f'<circle cx="{MID}" cy="{MID}" r="17.5" fill="none" stroke="#b98447" '
         'stroke-width="0.8" stroke-opacity="0.35"/>\n')
    return defs, empty, x, o


def set_paper():
    rng = random.Random(4)
    # A sheet off a yellow legal pad: it stays a page of paper next to the board's white
    # lines instead of melting into them.
    defs = linear("pad", [(0, "#fbe98c"), (1, "#f3d868")])
    lines = "".join(f'<line x1="0" y1="{y}" x2="73" y2="{y}" stroke="#6f9fd0" '
                    'stroke-width="0.8" stroke-opacity="0.8"/>\n' for y in range(10, 73, 9))
    empty = ('<rect width="73" height="73" fill="url(#pad)"/>\n' + lines
             + '<line x1="10" y1="0" x2="10" y2="73" stroke="#d8544f" stroke-width="1"/>\n'
             '<rect x="1" y="1" width="71" height="71" fill="none" stroke="#b89a3a" '
             'stroke-width="2"/>\n')

    # A soft pencil gone over twice, the second stroke narrower and a little off.
    def sketch(x1, y1, x2, y2):
        out = ""
        for i in range(2):
            j = [rng.uniform(-1.2, 1.2) for _ in range(6)]
            out += (f'<path d="M{x1 + j[0]:.1f},{y1 + j[1]:.1f} Q{(x1 + x2) / 2 + j[2]:.1f},'
                    f'{(y1 + y2) / 2 + j[3]:.1f} {x2 + j[4]:.1f},{y2 + j[5]:.1f}" fill="none" '
                    f'stroke="#2a2a2e" stroke-width="{7 - 2.5 * i:.1f}" '
                    f'stroke-opacity="{0.92 - 0.2 * i:.2f}" stroke-linecap="round"/>\n')
        return out

    x = sketch(18, 16, 56, 57) + sketch(55, 15, 17, 56)
    # A felt-tip circle that overshoots where it started, as a hand draws it.
    pts = []
    for i in range(0, 401, 8):
        a = math.radians(i - 100)
        r = 19.5 + 1.5 * math.sin(math.radians(i) * 1.3) + (i / 400) * 1.5
        pts.append(f"{MID + r * math.cos(a):.1f},{MID + 1 + r * 0.94 * math.sin(a):.1f}")
    o = (f'<polyline points="{" ".join(pts)}" fill="none" stroke="#1f3fbf" stroke-width="7" '
         'stroke-linecap="round" stroke-linejoin="round"/>\n')
    return defs, empty, x, o


def set_pixel():
    def px(cells, colour, shift=0):
        return "".join(f'<rect x="{c * 8 + shift}" y="{r * 8 + shift}" width="8" height="8" '
                       f'fill="{colour}"/>\n' for c, r in cells)

    def cells(rows):
        return [(c + 1, r + 1) for r, row in enumerate(rows) for c, ch in enumerate(row)
                if ch == "#"]

    empty = '<rect width="73" height="73" fill="#2d2f66"/>\n'
    empty += px([(c, r) for r in range(1, 8) for c in range(1, 8) if (c + r) % 2], "#30336c")
    empty += px([(c, 0) for c in range(9)] + [(0, r) for r in range(9)], "#4a4e9a")
    empty += px([(c, 8) for c in range(1, 9)] + [(8, r) for r in range(1, 9)], "#17183e")
    # Marks two pixels thick, as the other sets' strokes are, with a flat shadow half a
    # pixel down and right; one colour each so that the shape reads and not the dither.
    xcells = cells(["##...##",
                    ".##.##.",
                    "..###..",
                    "...#...",
                    "..###..",
                    ".##.##.",
                    "##...##"])
    ocells = cells(["..###..",
                    ".#####.",
                    "##...##",
                    "##...##",
                    "##...##",
                    ".#####.",
                    "..###.."])
    x = px(xcells, "#12132e", 4) + px(xcells, "#ff4040") + px([(1, 1), (6, 1)], "#ff9a90")
    o = px(ocells, "#12132e", 4) + px(ocells, "#3fc0ff") + px([(3, 1), (2, 2)], "#c0f0ff")
    return "", empty, x, o


def set_jewel():
    defs = (radial("jtile", [(0, "#4a5ff0"), (0.65, "#2a35a8"), (1, "#181f6a")],
                   0.5, 0.35, 0.75)
            + linear("jgloss", [(0, "#ffffff", 0.35), (1, "#ffffff", 0)])
            + linear("ruby", [(0, "#ff8a7a"), (0.45, "#e0182f"), (1, "#7a0016")], 0, 0, 1, 1)
            + linear("gold", [(0, "#fff6b8"), (0.4, "#ffc61a"), (1, "#9a5a00")], 0, 0, 1, 1)
            + linear("rubyshine", [(0, "#ffffff", 0.75), (1, "#ffffff", 0)], 0, 0, 1, 1))
    empty = ('<rect width="73" height="73" fill="#10154a"/>\n'
             '<rect x="2" y="2" width="69" height="69" rx="11" fill="url(#jtile)"/>\n'
             '<rect x="2.5" y="2.5" width="68" height="68" rx="10.5" fill="none" '
             'stroke="#8fa0ff" stroke-opacity="0.55" stroke-width="1"/>\n'
             '<path d="M6,24 Q6,6 24,6 L49,6 Q67,6 67,24 Q36.5,34 6,24 Z" fill="url(#jgloss)"/>\n')
    xs = cross_path(16, 7)
    x = (f'<path d="{xs}" fill="#000000" fill-opacity="0.35" transform="translate(2,3)"/>\n'
         f'<path d="{xs}" fill="url(#ruby)" stroke="#5a0010" stroke-width="1"/>\n'
         + x_lines(18.5, 2.4, stroke="url(#rubyshine)", stroke_linecap="round",
                   transform="translate(-2.2,-2.2)")
         + '<circle cx="24" cy="24" r="2.2" fill="#ffffff" fill-opacity="0.8"/>\n')
    rp = ring_path(MID, MID, 22.5, 12.5)
    o = (f'<path d="{rp}" fill="#000000" fill-opacity="0.35" fill-rule="evenodd" '
         'transform="translate(2,3)"/>\n'
         f'<path d="{rp}" fill="url(#gold)" fill-rule="evenodd" stroke="#6a3c00" '
         'stroke-width="1"/>\n'
         '<path d="M19,30 A18,18 0 0,1 31,19" fill="none" stroke="#ffffff" stroke-width="2.6" '
         'stroke-opacity="0.75" stroke-linecap="round"/>\n'
         '<circle cx="48" cy="49" r="1.6" fill="#ffffff" fill-opacity="0.6"/>\n')
    return defs, empty, x, o


def set_contrast():
    empty = ('<rect width="73" height="73" fill="#000000"/>\n'
             '<rect x="2" y="2" width="69" height="69" fill="none" stroke="#ffffff" '
             'stroke-width="2"/>\n')
    x = x_lines(14, 11, stroke="#ffe600", stroke_linecap="square")
    o = (f'<circle cx="{MID}" cy="{MID}" r="20" fill="none" stroke="#ffffff" '
         'stroke-width="10"/>\n')
    return "", empty, x, o


def set_candy():
    rng = random.Random(8)
    # A square of milk chocolate strewn with sprinkles, dark enough that the sweets on
    # it and the board's white lines around it both stand clear.
    defs = linear("choc", [(0, "#6e402a"), (1, "#4e2b1a")])
    empty = ('<rect width="73" height="73" fill="url(#choc)"/>\n'
             '<rect x="1" y="1" width="71" height="71" rx="8" fill="none" stroke="#8a5a3c" '
             'stroke-width="2"/>\n'
             '<rect x="4" y="4" width="65" height="65" rx="6" fill="none" stroke="#3a1e10" '
             'stroke-width="1" stroke-opacity="0.7"/>\n')
    for _ in range(16):
        cx, cy = rng.uniform(6, 67), rng.uniform(6, 67)
        colour = rng.choice(["#ffffff", "#ffe14a", "#5ad1ff", "#ff8fc8", "#b77cff"])
        empty += (f'<rect x="{cx - 1.8:.1f}" y="{cy - 0.6:.1f}" width="3.6" height="1.2" '
                  f'rx="0.6" fill="{colour}" fill-opacity="0.55" '
                  f'transform="rotate({rng.randint(0, 180)} {cx:.1f} {cy:.1f})"/>\n')
    x = ""
    for (x1, y1, x2, y2) in ((16, 16, 57, 57), (57, 16, 16, 57)):
        x += (bar(x1 + 1.5, y1 + 2, x2 + 1.5, y2 + 2, 12, stroke="#1e0c04",
                  stroke_opacity="0.45", stroke_linecap="round")
              + bar(x1, y1, x2, y2, 14, stroke="#a0142e", stroke_linecap="round"))
    for (x1, y1, x2, y2) in ((16, 16, 57, 57), (57, 16, 16, 57)):
        x += (bar(x1, y1, x2, y2, 11.5, stroke="#ffffff", stroke_linecap="round")
              + bar(x1, y1, x2, y2, 11.5, stroke="#e8203a", stroke_dasharray="4 4"))
    # A ring of mint candy, green where the X is red.
    o = (f'<circle cx="{MID + 1.5}" cy="{MID + 2}" r="19" fill="none" stroke="#1e0c04" '
         'stroke-opacity="0.45" stroke-width="15"/>\n'
         f'<circle cx="{MID}" cy="{MID}" r="19" fill="none" stroke="#d8fff0" stroke-width="15"/>\n'
         f'<circle cx="{MID}" cy="{MID}" r="19" fill="none" stroke="#2ed69a" stroke-width="11"/>\n'
         f'<circle cx="{MID}" cy="{MID}" r="21" fill="none" stroke="#ffffff" stroke-width="1.2" '
         'stroke-opacity="0.6" stroke-dasharray="10 30"/>\n')
    for i in range(14):
        a = i / 14 * 2 * math.pi + rng.uniform(-0.1, 0.1)
        r = 19 + rng.uniform(-3, 3)
        cx, cy = MID + r * math.cos(a), MID + r * math.sin(a)
        colour = rng.choice(["#ffffff", "#ffe14a", "#5ad1ff", "#7ee06a", "#b77cff"])
        o += (f'<rect x="{cx - 2:.1f}" y="{cy - 0.7:.1f}" width="4" height="1.4" rx="0.7" '
              f'fill="{colour}" transform="rotate({rng.randint(0, 180)} {cx:.1f} {cy:.1f})"/>\n')
    return defs, empty, x, o


def set_garden():
    rng = random.Random(9)
    # A bed of dark, freshly dug soil framed by a strip of turf, so that the square
    # stands off the green board and the green of the marks stands off the square.
    defs = radial("soil", [(0, "#5a3d27"), (1, "#3b2616")], r=0.75)
    empty = '<rect width="73" height="73" fill="url(#soil)"/>\n'
    for _ in range(45):
        cx, cy = rng.uniform(3, 70), rng.uniform(3, 70)
        colour = rng.choice(["#2a190d", "#6e4e33", "#7a6a5a"])
        empty += (f'<ellipse cx="{cx:.1f}" cy="{cy:.1f}" rx="{rng.uniform(0.6, 1.6):.1f}" '
                  f'ry="{rng.uniform(0.5, 1.1):.1f}" fill="{colour}" '
                  f'fill-opacity="{rng.uniform(0.5, 0.9):.2f}"/>\n')
    empty += ('<rect x="1.5" y="1.5" width="70" height="70" rx="3" fill="none" stroke="#2f6e22" '
              'stroke-width="3"/>\n')
    for _ in range(26):
        side = rng.randrange(4)
        t = rng.uniform(4, 69)
        bx, by = ((t, 3.5), (t, 70), (3, t), (70, t))[side]
        dx, dy = ((0, 1), (0, -1), (1, 0), (-1, 0))[side]
        length = rng.uniform(2.5, 4.5)
        ex = bx + dx * length + rng.uniform(-1, 1)
        ey = by + dy * length + rng.uniform(-1, 1)
        empty += (f'<line x1="{bx:.1f}" y1="{by:.1f}" x2="{ex:.1f}" y2="{ey:.1f}" '
                  'stroke="#4f9e38" stroke-width="1" stroke-linecap="round"/>\n')

    def leaf(cx, cy, angle, colour="#6cc04a", size=4.2):
        return (f'<ellipse cx="{cx:.1f}" cy="{cy:.1f}" rx="{size}" ry="{size * 0.45:.2f}" '
                f'fill="{colour}" stroke="#2c6a1c" stroke-width="0.5" '
                f'transform="rotate({angle:.0f} {cx:.1f} {cy:.1f})"/>\n')

    # Two pale birch canes crossed, in leaf.
    x = ""
    for (x1, y1, x2, y2) in ((16, 15, 57, 58), (57, 15, 16, 58)):
        x += bar(x1 + 1, y1 + 1.5, x2 + 1, y2 + 1.5, 7, stroke="#160c05",
                 stroke_opacity="0.5", stroke_linecap="round")
        x += bar(x1, y1, x2, y2, 7, stroke="#efe6d2", stroke_linecap="round")
        x += bar(x1, y1, x2, y2, 7, stroke="#4a4038", stroke_dasharray="1.5 7",
                 stroke_opacity="0.6")
    for t, side in ((0.25, 1), (0.7, -1)):
        for (x1, y1, x2, y2) in ((16, 15, 57, 58), (57, 15, 16, 58)):
            cx, cy = x1 + (x2 - x1) * t, y1 + (y2 - y1) * t
            ang = math.degrees(math.atan2(y2 - y1, x2 - x1)) + 40 * side
            x += leaf(cx + 4 * side, cy - 3, ang, "#7ed957", 4.6)
    # A ring of red berries on a dark twig: red where the X is pale and green.
    o = (f'<circle cx="{MID}" cy="{MID}" r="20" fill="none" stroke="#4a2412" '
         'stroke-width="3"/>\n')
    for i in range(14):
        r = math.radians(i / 14 * 360 + rng.uniform(-4, 4))
        cx, cy = MID + 20 * math.cos(r), MID + 20 * math.sin(r)
        o += (f'<circle cx="{cx:.1f}" cy="{cy:.1f}" r="4.6" fill="#e8283a" stroke="#7a0a14" '
              'stroke-width="0.8"/>\n'
              f'<circle cx="{cx - 1.4:.1f}" cy="{cy - 1.4:.1f}" r="1.2" fill="#ffffff" '
              'fill-opacity="0.8"/>\n')
    return defs, empty, x, o


def set_blueprint():
    empty = '<rect width="73" height="73" fill="#1d4f91"/>\n'
    for i in range(0, 74, 6):
        major = i % 18 == 0
        w, op = (0.8, 0.45) if major else (0.4, 0.25)
        empty += (f'<line x1="{i + 0.5}" y1="0" x2="{i + 0.5}" y2="73" stroke="#bcd8ff" '
                  f'stroke-width="{w}" stroke-opacity="{op}"/>\n'
                  f'<line x1="0" y1="{i + 0.5}" x2="73" y2="{i + 0.5}" stroke="#bcd8ff" '
                  f'stroke-width="{w}" stroke-opacity="{op}"/>\n')
    empty += '<rect x="1" y="1" width="71" height="71" fill="none" stroke="#e8f2ff" ' \
             'stroke-width="1" stroke-opacity="0.7"/>\n'
    # The parts are drawn in the heavy line of visible outlines, as broad as the bold
    # sets' strokes; the dimension lines stay fine and faint beside them.
    ink, fine = "#ffffff", "#cfe4ff"
    x = (x_lines(17, 7, stroke=ink, stroke_linecap="butt")
         + f'<line x1="14" y1="64" x2="59" y2="64" stroke="{fine}" stroke-width="0.7" '
         'stroke-opacity="0.8"/>\n'
         f'<line x1="17" y1="61" x2="17" y2="67" stroke="{fine}" stroke-width="0.7" '
         'stroke-opacity="0.8"/>\n'
         f'<line x1="56" y1="61" x2="56" y2="67" stroke="{fine}" stroke-width="0.7" '
         'stroke-opacity="0.8"/>\n')
    # The O is marked up in yellow, where the X is drawn in white.
    o = (f'<circle cx="{MID}" cy="{MID}" r="19" fill="none" stroke="#ffd23a" stroke-width="7"/>\n'
         f'<circle cx="{MID}" cy="{MID}" r="26" fill="none" stroke="{fine}" stroke-width="0.6" '
         'stroke-opacity="0.8" stroke-dasharray="4 2 1 2"/>\n'
         # A radius dimension line, kept clear of the centre.
         f'<line x1="{MID + 3.5:.1f}" y1="{MID - 3.5:.1f}" x2="{MID + 11:.1f}" '
         f'y2="{MID - 11:.1f}" stroke="{fine}" stroke-width="0.7"/>\n'
         f'<path d="M{MID + 11.5:.1f},{MID - 11.5:.1f} l-3.6,0.6 l3,3 Z" fill="{fine}"/>\n')
    return "", empty, x, o


def set_stitch():
    step = 6
    # Unbleached linen, a shade darker than white so the board's lines frame it.
    empty = '<rect width="73" height="73" fill="#c4a878"/>\n'
    for r in range(13):
        for c in range(13):
            empty += (f'<rect x="{c * step - 0.6:.1f}" y="{r * step - 0.6:.1f}" width="1.2" '
                      'height="1.2" fill="#977f56"/>\n')
    empty += ('<rect x="1" y="1" width="71" height="71" fill="none" stroke="#7d6844" '
              'stroke-width="1.5" stroke-dasharray="3 2"/>\n')

    def stitch(c, r, colour, shade):
        x0, y0 = c * step + 0.7, r * step + 0.7
        x1, y1 = x0 + step - 1.4, y0 + step - 1.4
        return (f'<line x1="{x0:.1f}" y1="{y1:.1f}" x2="{x1:.1f}" y2="{y0:.1f}" stroke="{shade}" '
                'stroke-width="2.2" stroke-linecap="round"/>\n'
                f'<line x1="{x0:.1f}" y1="{y0:.1f}" x2="{x1:.1f}" y2="{y1:.1f}" '
                f'stroke="{colour}" stroke-width="2.2" stroke-linecap="round"/>\n')

    # The marks are filled in three stitches wide, the breadth of the bold sets' strokes.
    weave = [(c, r) for r in range(2, 10) for c in range(2, 10)]
    x = "".join(stitch(c, r, "#d0161e", "#7e0c12") for c, r in weave
                if abs(c - r) <= 1 or abs(c + r - 11) <= 1)
    o = "".join(stitch(c, r, "#1a55c0", "#0e2f70") for r in range(12) for c in range(12)
                if abs(math.hypot(c - 5.5, r - 5.5) - 4) < 1)
    return "", empty, x, o


def set_night():
    rng = random.Random(12)
    defs = (radial("sky", [(0, "#23366e"), (1, "#060a1c")], 0.4, 0.3, 0.9)
            + linear("beam", [(0, "#ffffff"), (1, "#8fd8ff")], 0, 0, 1, 1)
            + linear("moon", [(0, "#fff3c2"), (0.6, "#f0c850"), (1, "#b07818")], 0, 0, 1, 1))
    empty = ('<rect width="73" height="73" fill="url(#sky)"/>\n'
             + dots(rng, 30, "#ffffff", 0.25, 0.75, 0.3, 0.9))
    for _ in range(3):
        sx, sy = rng.uniform(6, 67), rng.uniform(6, 67)
        empty += (f'<path d="M{sx:.1f},{sy - 2.5:.1f} L{sx + 0.5:.1f},{sy - 0.5:.1f} '
                  f'L{sx + 2.5:.1f},{sy:.1f} L{sx + 0.5:.1f},{sy + 0.5:.1f} L{sx:.1f},'
                  f'{sy + 2.5:.1f} L{sx - 0.5:.1f},{sy + 0.5:.1f} L{sx - 2.5:.1f},{sy:.1f} '
                  f'L{sx - 0.5:.1f},{sy - 0.5:.1f} Z" fill="#ffffff" fill-opacity="0.8"/>\n')

    def spindle(x1, y1, x2, y2, half):
        mx, my = (x1 + x2) / 2, (y1 + y2) / 2
        nx, ny = -(y2 - y1), x2 - x1
        n = math.hypot(nx, ny)
        nx, ny = nx / n * half, ny / n * half
        return (f"M{x1},{y1} Q{mx + nx:.1f},{my + ny:.1f} {x2},{y2} "
                f"Q{mx - nx:.1f},{my - ny:.1f} {x1},{y1} Z")

    x = ""
    for (x1, y1, x2, y2) in ((13, 13, 60, 60), (60, 13, 13, 60)):
        x += f'<path d="{spindle(x1, y1, x2, y2, 11)}" fill="#8fd8ff" fill-opacity="0.18"/>\n'
        x += f'<path d="{spindle(x1, y1, x2, y2, 6.5)}" fill="url(#beam)"/>\n'
    x += f'<circle cx="{MID}" cy="{MID}" r="5" fill="#ffffff" fill-opacity="0.9"/>\n'
    rp = ring_path(MID, MID, 22, 13)
    o = (f'<circle cx="{MID}" cy="{MID}" r="25" fill="none" stroke="#ffd36a" stroke-width="5" '
         'stroke-opacity="0.15"/>\n'
         f'<path d="{rp}" fill="url(#moon)" fill-rule="evenodd"/>\n')
    for (a, r) in ((30, 1.6), (150, 1.2), (220, 1.9), (300, 1.1), (95, 1.0)):
        ra = math.radians(a)
        o += (f'<circle cx="{MID + 17.5 * math.cos(ra):.1f}" cy="{MID + 17.5 * math.sin(ra):.1f}" '
              f'r="{r}" fill="#b8861f" fill-opacity="0.7"/>\n')
    return defs, empty, x, o


SETS = [set_chalk, set_neon, set_wood, set_paper, set_pixel, set_jewel,
        set_contrast, set_candy, set_garden, set_blueprint, set_stitch, set_night]


def write_sets(out):
    for n, make in enumerate(SETS, start=1):
        defs, empty, x, o = make()
        for kind, body in (("empty", empty), ("x", empty + x), ("o", empty + o)):
            write(out, f"set{n:02d}-{kind}.svg", svg(CELL, CELL, body, defs))


# ------------------------------------------------------ window pictures ----

WINDOW_BLUE = "#3f3fe0"  # RGB(63, 63, 224)
BOARD_GREEN = "#68d95f"  # RGB(104, 217, 95)


def mini_x(cx, cy, s, colour, width):
    return (bar(cx - s, cy - s, cx + s, cy + s, width, stroke=colour, stroke_linecap="round")
            + bar(cx + s, cy - s, cx - s, cy + s, width, stroke=colour, stroke_linecap="round"))


def mini_o(cx, cy, r, colour, width):
    return (f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="none" stroke="{colour}" '
            f'stroke-width="{width}"/>\n')


def text(x, y, size, content, fill, anchor="middle", weight="bold", extra=""):
    return (f'<text x="{x}" y="{y}" font-family="{FONT}" font-size="{size}" '
            f'font-weight="{weight}" text-anchor="{anchor}" fill="{fill}" {extra}>'
            f"{content}</text>\n")


def background():
    """The window's blue with faint marks, ten by ten, that tile: laid side by side the
    picture continues itself, so a window of any shape is filled without a seam."""
    body = f'<rect width="354" height="374" fill="{WINDOW_BLUE}"/>\n'
    dx, dy = 354 / 10, 374 / 10
    for row in range(10):
        for col in range(10):
            cx, cy = col * dx + (dx / 2 if row % 2 else 0), row * dy + dy / 2
            for x in (cx, cx + 354) if cx < 6 else (cx,):
                if (row + col) % 2:
                    body += mini_x(x, cy, 5, "#ffffff", 2).replace(
                        "<line", '<line stroke-opacity="0.06"')
                else:
                    body += mini_o(x, cy, 5.5, "#ffffff", 2).replace(
                        "<circle", '<circle stroke-opacity="0.06"')
    return svg(354, 374, body)


def title():
    defs = (linear("tband", [(0, "#20207a"), (1, "#121256")])
            + linear("tgold", [(0, "#fff7c0"), (0.5, "#ffd23a"), (1, "#e08a00")]))
    body = ('<rect x="0.5" y="0.5" width="174" height="34" rx="8" fill="url(#tband)" '
            'stroke="#ffd23a" stroke-width="1"/>\n'
            + text(88.5, 26.5, 21, "Tic Tac Toe", "#000000", extra='fill-opacity="0.5"')
            + text(87.5, 25.5, 21, "Tic Tac Toe", "url(#tgold)",
                   extra='stroke="#7a3c00" stroke-width="0.6"'))
    return svg(175, 35, body, defs)


def board():
    defs = linear("bgreen", [(0, "#7fe476"), (1, "#58c850")])
    body = '<rect width="247" height="247" fill="url(#bgreen)"/>\n'
    for c in (8, 88, 168):
        for r in (8, 88, 168):
            body += (f'<rect x="{c - 1.5}" y="{r - 1.5}" width="76" height="76" rx="3" '
                     'fill="#2c7a26" fill-opacity="0.35"/>\n')
    for p in (84, 164):
        body += (f'<line x1="{p}" y1="6" x2="{p}" y2="241" stroke="#ffffff" stroke-width="3" '
                 'stroke-linecap="round"/>\n'
                 f'<line x1="6" y1="{p}" x2="241" y2="{p}" stroke="#ffffff" stroke-width="3" '
                 'stroke-linecap="round"/>\n')
    body += '<rect x="1" y="1" width="245" height="245" fill="none" stroke="#2e8a28" ' \
            'stroke-width="2"/>\n'
    return svg(247, 247, body, defs)


def outcome(kind):
    defs = (linear("oband", [(0, "#1b1b66"), (1, "#0d0d3c")])
            + linear("ogold", [(0, "#fff4b0"), (1, "#ffb800")]))
    body = ('<rect x="0.5" y="0.5" width="216" height="40" rx="10" fill="url(#oband)" '
            'stroke="#ffd23a" stroke-width="1"/>\n')
    # No words: the game writes the outcome between the marks in the player's language.
    if kind == "xwins":
        body += mini_x(22, 20.5, 8, "#ff4a5a", 4.5) + mini_x(195, 20.5, 8, "#ff4a5a", 4.5)
    elif kind == "owins":
        body += mini_o(22, 20.5, 8.5, "#ffc61a", 4) + mini_o(195, 20.5, 8.5, "#ffc61a", 4)
    elif kind == "nowin":
        body += mini_x(22, 20.5, 7, "#ff4a5a", 4) + mini_o(195, 20.5, 7.5, "#ffc61a", 3.5)
    return svg(217, 41, body, defs)


def button(kind, pressed):
    light, dark = ("#303030", "#f0f0f0") if pressed else ("#ffffff", "#202020")
    face = {"newgame": ("#3cc848", "#1f8a2a"), "quit": ("#e8444a", "#a01c22")}[kind]
    top, bottom = (face[1], face[0]) if pressed else face
    defs = linear("face", [(0, top), (1, bottom)])
    shift = 1 if pressed else 0
    body = (f'<rect width="22" height="18" fill="url(#face)"/>\n'
            f'<path d="M0.5,17.5 L0.5,0.5 L21.5,0.5" fill="none" stroke="{light}"/>\n'
            f'<path d="M0.5,17.5 L21.5,17.5 L21.5,0.5" fill="none" stroke="{dark}"/>\n'
            f'<g transform="translate({shift},{shift})">\n')
    if kind == "newgame":
        body += '<path d="M8,4.5 L16,9 L8,13.5 Z" fill="#ffffff" stroke="#0e5a16" ' \
                'stroke-width="0.8" stroke-linejoin="round"/>\n'
    else:
        body += ('<path d="M8.2,6 A4.6,4.6 0 1,0 13.8,6" fill="none" stroke="#ffffff" '
                 'stroke-width="1.8" stroke-linecap="round"/>\n'
                 '<line x1="11" y1="3.5" x2="11" y2="9" stroke="#ffffff" stroke-width="1.8" '
                 'stroke-linecap="round"/>\n')
    body += "</g>\n"
    return svg(22, 18, body, defs)


def cursor(kind):
    if kind == "x":
        body = mini_x(16, 16, 10, "#3a0008", 7) + mini_x(16, 16, 10, "#ff4a5a", 4)
    else:
        body = mini_o(16, 16, 11, "#3a2400", 7) + mini_o(16, 16, 11, "#ffc61a", 4)
    return svg(32, 32, body)


def icon():
    defs = (linear("iblue", [(0, "#5a5af0"), (1, "#2a2ab8")])
            + linear("ired", [(0, "#ff7a7a"), (1, "#d0102a")], 0, 0, 1, 1)
            + linear("igold", [(0, "#fff0a0"), (1, "#e89a00")], 0, 0, 1, 1))
    body = ('<rect x="4" y="4" width="120" height="120" rx="24" fill="url(#iblue)" '
            'stroke="#1c1c80" stroke-width="3"/>\n')
    for p in (46, 82):
        body += (f'<line x1="{p}" y1="14" x2="{p}" y2="114" stroke="#68d95f" stroke-width="9" '
                 'stroke-linecap="round"/>\n'
                 f'<line x1="14" y1="{p}" x2="114" y2="{p}" stroke="#68d95f" stroke-width="9" '
                 'stroke-linecap="round"/>\n')
    body += mini_x(27, 27, 11, "url(#ired)", 12) + mini_x(101, 101, 11, "url(#ired)", 12)
    body += mini_o(64, 64, 12.5, "url(#igold)", 11) + mini_o(101, 27, 12, "url(#igold)", 11)
    return svg(128, 128, body, defs)


def about():
    defs = (radial("aback", [(0, "#1e2a78"), (0.6, "#0c1040"), (1, "#000000")], 0.5, 0.45, 0.7)
            + linear("agold", [(0, "#fff7c0"), (0.5, "#ffd23a"), (1, "#e08a00")])
            + linear("ared", [(0, "#ff8a7a"), (1, "#d0102a")], 0, 0, 1, 1))
    body = '<rect width="506" height="383" fill="url(#aback)"/>\n'
    rng = random.Random(30)
    body += dots(rng, 70, "#ffffff", 0.4, 1.1, 0.15, 0.6, (0, 0, 506, 383))
    # A board seen at a slant, its game won along the diagonal.
    body += '<g transform="translate(253,238)">\n'
    cell = 54
    for i in (-1, 1):
        body += (f'<line x1="{i * cell / 2}" y1="{-1.5 * cell}" x2="{i * cell / 2}" '
                 f'y2="{1.5 * cell}" stroke="#68d95f" stroke-width="5" stroke-linecap="round"/>\n'
                 f'<line x1="{-1.5 * cell}" y1="{i * cell / 2}" x2="{1.5 * cell}" '
                 f'y2="{i * cell / 2}" stroke="#68d95f" stroke-width="5" '
                 'stroke-linecap="round"/>\n')
    marks = {(-1, -1): "x", (0, 0): "x", (1, 1): "x", (1, -1): "o", (-1, 1): "o", (0, 1): "o"}
    for (c, r), m in marks.items():
        if m == "x":
            body += mini_x(c * cell, r * cell, 13, "url(#ared)", 8)
        else:
            body += mini_o(c * cell, r * cell, 15, "#ffc61a", 7)
    body += (f'<line x1="{-1.45 * cell}" y1="{-1.45 * cell}" x2="{1.45 * cell}" '
             f'y2="{1.45 * cell}" stroke="#ffffff" stroke-width="3" stroke-opacity="0.8" '
             'stroke-linecap="round"/>\n</g>\n')
    body += (text(254, 78, 46, "Tic Tac Toe", "#000000", extra='fill-opacity="0.6"')
             + text(252, 75, 46, "Tic Tac Toe", "url(#agold)",
                    extra='stroke="#7a3c00" stroke-width="1"')
             + text(252, 100, 15, "one player or two, four levels", "#c8d0ff", weight="normal")
             + text(75, 243, 13, "three in a row", "#c8d0ff", weight="normal",
                    extra='font-style="italic"')
             + text(431, 243, 13, "take the centre", "#c8d0ff", weight="normal",
                    extra='font-style="italic"'))
    body += ('<rect x="2" y="2" width="502" height="379" rx="14" fill="none" stroke="#ffd23a" '
             'stroke-opacity="0.6" stroke-width="2"/>\n')
    return svg(506, 383, body, defs)


def tips():
    """The Tips card without words: the game writes the tips on it in the player's
    language."""
    defs = linear("tback", [(0, "#fffbe8"), (1, "#f2e6bf")])
    body = ('<rect width="300" height="200" fill="url(#tback)"/>\n'
            '<rect x="4" y="4" width="292" height="192" rx="8" fill="none" stroke="#3f3fe0" '
            'stroke-width="2"/>\n'
            + mini_x(262, 180, 5, "#d0102a", 2.5) + mini_o(280, 180, 5.5, "#e89a00", 2.5))
    return svg(300, 200, body, defs)


def write(out, name, content):
    with open(os.path.join(out, name), "w", encoding="utf-8") as f:
        f.write(content)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "pictures")
    os.makedirs(out, exist_ok=True)
    write_sets(out)
    write(out, "background.svg", background())
    write(out, "title.svg", title())
    write(out, "board.svg", board())
    for kind in ("xwins", "owins", "nowin", "blankresult"):
        write(out, f"{kind}.svg", outcome(kind))
    for kind in ("newgame", "quit"):
        write(out, f"{kind}-up.svg", button(kind, False))
        write(out, f"{kind}-down.svg", button(kind, True))
    write(out, "cursor-x.svg", cursor("x"))
    write(out, "cursor-o.svg", cursor("o"))
    write(out, "icon.svg", icon())
    write(out, "about.svg", about())
    write(out, "tips.svg", tips())


if __name__ == "__main__":
    main()
