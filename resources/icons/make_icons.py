#!/usr/bin/env python3
"""Draws the bar menu's icons (16 and 32 pixels, 32-bit with alpha) into .ico files here.

Run from anywhere: python3 resources/icons/make_icons.py
Uses the small rasteriser that also draws the shipped skins.
"""

import math
import os
import sys

sys.dont_write_bytecode = True
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "skins", "src"))

import raster as R  # noqa: E402
import artwork as A  # noqa: E402

ORANGE = (R.hexrgb("FFA24A"), R.hexrgb("E2600C"))
BLUE = (R.hexrgb("55A9FF"), R.hexrgb("1B5FD2"))
GREEN = (R.hexrgb("5EDC74"), R.hexrgb("1E9E3E"))
WHITE = (255, 255, 255)


class Pen(A.Pen):
    """The skins' pen in the 16-pixel design grid; tiles take a two-colour gradient."""

    def grad(self, colours):
        return R.vgrad(colours[0], colours[1], 0.5 * self.u, 15.5 * self.u)


def _tile(canvas, g, colours):
    tile = g.rbox(0.5, 0.5, 15.5, 15.5, 3.2)
    canvas.paint(tile.grow(0.5 * g.u), R.hexrgb("6B4A2A") if colours is ORANGE else
                 (R.hexrgb("16407F") if colours is BLUE else R.hexrgb("1A5E2C")), 0.35)
    canvas.paint(tile, g.grad(colours))
    canvas.paint(tile & g.rbox(0, 0, 16, 7), WHITE, 0.12)


def close_mark(canvas, g):
    _tile(canvas, g, ORANGE)
    cross = g.line(5, 5, 11, 11, 2.1) | g.line(11, 5, 5, 11, 2.1)
    canvas.paint(cross, WHITE)


def screen_off(canvas, g):
    _tile(canvas, g, BLUE)
    bulb = g.circle(8, 6.6, 3.7) | g.polygon([(5.6, 8.6), (10.4, 8.6), (9.7, 11.0), (6.3, 11.0)])
    canvas.paint(bulb, R.hexrgb("FFF3A6"))
    canvas.paint(g.circle(6.9, 5.5, 1.1), WHITE, 0.8)
    base = g.line(6.4, 12.1, 9.6, 12.1, 1.0) | g.line(6.9, 13.6, 9.1, 13.6, 1.0)
    canvas.paint(base, R.hexrgb("E6ECF3"))


def shut_down(canvas, g):
    _tile(canvas, g, GREEN)
    rays = []
    for i in range(8):
        a = math.radians(i * 45 + 22.5)
        rays.append(g.line(8 + 4.0 * math.cos(a), 8 + 4.0 * math.sin(a),
                           8 + 6.0 * math.cos(a), 8 + 6.0 * math.sin(a), 1.3))
    canvas.paint(R.union(g.circle(8, 8, 2.5), *rays), WHITE)


def restart(canvas, g):
    _tile(canvas, g, ORANGE)
    power = g.arc(8, 8.6, 4.3, -52, 232, 1.7) | g.line(8, 3.0, 8, 8.0, 1.7)
    canvas.paint(power, WHITE)


def options(canvas, g):
    d = (math.sqrt(0.5), -math.sqrt(0.5))
    p = (math.sqrt(0.5), math.sqrt(0.5))
    cx, cy = 10.9, 5.1

    def at(t, s):
        return (cx + d[0] * t + p[0] * s, cy + d[1] * t + p[1] * s)
    slot = g.polygon([at(-0.4, -1.35), at(6, -1.35), at(6, 1.35), at(-0.4, 1.35)])
    spanner = (g.circle(cx, cy, 3.9) - slot) | g.line(cx, cy, 3.2, 12.8, 3.2)
    hole = g.circle(3.6, 12.4, 0.75)
    shape = spanner - hole
    canvas.paint(shape.grow(0.75 * g.u), R.hexrgb("2F3843"))
    canvas.paint(shape, R.vgrad(R.hexrgb("E4E9EF"), R.hexrgb("8794A3"), 1 * g.u, 15 * g.u))


# file name, drawing; the resource script maps the ids to these files
ICONS = [
    ("task_close.ico", close_mark),
    ("screen_off.ico", screen_off),
    ("shut_down.ico", shut_down),
    ("restart.ico", restart),
    ("options.ico", options),
]


def render(draw, u):
    canvas = R.Canvas(16 * u, 16 * u)
    draw(canvas, Pen(u))
    return canvas.rgba_rows()


def main(argv):
    preview = argv[2] if len(argv) > 2 and argv[1] == "--preview" else None
    sheets = []
    for name, draw in ICONS:
        images = [render(draw, 1), render(draw, 2)]
        R.write_ico(os.path.join(HERE, name), images)
        sheets.append(images)
    if preview:
        _write_preview(preview, sheets)
    return 0


def _write_preview(path, sheets):
    """Both sizes of every icon over a light and a highlighted menu background, enlarged."""
    zoom = 4
    backs = [(240, 240, 240), (51, 153, 255)]
    w = len(sheets) * 56 * zoom
    h = 2 * 40 * zoom
    out = [[(200, 200, 200)] * w for _ in range(h)]
    for bi, back in enumerate(backs):
        for i, images in enumerate(sheets):
            ox = i * 56 + 2
            oy = bi * 40 + 2
            for y in range(36):
                for x in range(54):
                    for zy in range(zoom):
                        out[(oy + y) * zoom + zy][(ox + x) * zoom:(ox + x + 1) * zoom] = [back] * zoom
            for img, dx in ((images[0], 0), (images[1], 18)):
                for y, row in enumerate(img):
                    for x, (r, g, b, a) in enumerate(row):
                        k = a / 255.0
                        c = tuple(int(round(v * k + bv * (1 - k))) for v, bv in zip((r, g, b), back))
                        for zy in range(zoom):
                            yy = (oy + 2 + y) * zoom + zy
                            out[yy][(ox + dx + x) * zoom:(ox + dx + x + 1) * zoom] = [c] * zoom
    R.write_png(path, out)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
