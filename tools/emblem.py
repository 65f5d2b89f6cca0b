#!/usr/bin/env python3
"""Draws the emblem printed on the attestato: the star of Italy over a
cogwheel, between an olive branch and an oak branch tied by a ribbon.
Writes the SVG; tools/render-emblem.sh turns it into the 59 x 67 px picture."""
import math
import sys

W, H = 590, 670
CX, CY = 295, 300  # centre of wheel and star


def fmt(points):
    return " ".join(f"{x:.1f},{y:.1f}" for x, y in points)


def gear(cx, cy, r_out, r_in, teeth):
    pts = []
    for i in range(teeth):
        a0 = 2 * math.pi * i / teeth
        step = 2 * math.pi / teeth
        for frac, r in ((0.0, r_in), (0.12, r_out), (0.48, r_out), (0.6, r_in)):
            a = a0 + frac * step - math.pi / 2
            pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def star(cx, cy, r_out, r_in):
    pts = []
    for i in range(10):
        r = r_out if i % 2 == 0 else r_in
        a = -math.pi / 2 + i * math.pi / 5
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def leaf(x, y, length, width, angle):
    return (f'<ellipse cx="{x:.1f}" cy="{y:.1f}" rx="{length / 2:.1f}" ry="{width / 2:.1f}" '
            f'transform="rotate({angle:.1f} {x:.1f} {y:.1f})"/>')


def branch(side):
    """A stem from the ribbon up round the wheel; side -1 left (olive), 1 right (oak)."""
    out = []
    # The stem runs from the bottom centre outwards and up round the wheel.
    stem = [(CX + side * (235 * math.sin(math.radians(4 + 158 * t))),
             CY + 235 * math.cos(math.radians(4 + 158 * t))) for t in (i / 100 for i in range(101))]
    out.append(f'<polyline points="{fmt(stem)}" fill="none" stroke="#3d5a1e" stroke-width="12" '
               'stroke-linecap="round"/>')
    for k in range(1, 10):
        t = k / 10
        a = math.radians(4 + 158 * t)
        x = CX + side * 235 * math.sin(a)
        y = CY + 235 * math.cos(a)
        tangent = math.degrees(math.atan2(-235 * math.sin(a), side * 235 * math.cos(a)))
        for offset in (-1, 1):
            lx = x + offset * 38 * math.cos(math.radians(tangent + 90)) * 0.9
            ly = y + offset * 38 * math.sin(math.radians(tangent + 90)) * 0.9
            if side < 0:  # olive: long narrow leaves
                out.append(leaf(lx, ly, 78, 24, tangent + offset * 35))
            else:  # oak: broad lobed leaves
                out.append(leaf(lx, ly, 62, 40, tangent + offset * 40))
                out.append(f'<circle cx="{lx + 10:.1f}" cy="{ly - 6:.1f}" r="14"/>')
        if side > 0 and k % 3 == 0:  # acorns
            out.append(f'<ellipse cx="{x:.1f}" cy="{y + 22:.1f}" rx="11" ry="16" fill="#8a6a2a" '
                       'stroke="#4a3a10" stroke-width="3"/>')
    return out


parts = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{W}" height="{H}" '
         f'viewBox="0 0 {W} {H}">']
parts.append('<g fill="#5b8a2e" stroke="#2f4a14" stroke-width="4">')
parts += branch(-1)
parts += branch(1)
parts.append('</g>')
# The cogwheel: teeth, rim, hub and five spokes.
parts.append(f'<polygon points="{fmt(gear(CX, CY, 190, 165, 16))}" fill="#c9c9c9" '
             'stroke="#404040" stroke-width="8" stroke-linejoin="round"/>')
parts.append(f'<circle cx="{CX}" cy="{CY}" r="130" fill="#f4f4f4" stroke="#404040" stroke-width="8"/>')
for i in range(5):
    a = -math.pi / 2 + math.pi / 5 + i * 2 * math.pi / 5
    parts.append(f'<line x1="{CX}" y1="{CY}" x2="{CX + 130 * math.cos(a):.1f}" '
                 f'y2="{CY + 130 * math.sin(a):.1f}" stroke="#404040" stroke-width="14"/>')
parts.append(f'<circle cx="{CX}" cy="{CY}" r="30" fill="#c9c9c9" stroke="#404040" stroke-width="8"/>')
# The star of Italy, white with a red edge.
parts.append(f'<polygon points="{fmt(star(CX, CY, 150, 60))}" fill="#ffffff" stroke="#c8102e" '
             'stroke-width="14" stroke-linejoin="miter"/>')
# The ribbon that ties the branches.
parts.append('<path d="M 70,520 Q 295,600 520,520 L 545,585 Q 295,675 45,585 Z" '
             'fill="#c8102e" stroke="#7a0a1c" stroke-width="6"/>')
parts.append('<rect x="262" y="525" width="66" height="72" rx="12" fill="#a00c24" '
             'stroke="#7a0a1c" stroke-width="6"/>')
parts.append('</svg>')
sys.stdout.write("\n".join(parts) + "\n")
