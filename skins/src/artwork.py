"""The Graphite look: bar background, button glyphs and popup backgrounds.

All coordinates are design pixels of the 26-pixel bar; Pen multiplies them by the
skin's scale so the high-resolution skin is drawn, not enlarged.
"""

import raster as R

BAR_H = 26

BAR_TOP = R.hexrgb("3A4655")
BAR_BOTTOM = R.hexrgb("171C23")
BAR_SHINE = R.hexrgb("56657A")
BAR_EDGE = R.hexrgb("0E1116")
GRAPHITE_BAR = (BAR_TOP, BAR_BOTTOM, BAR_SHINE, BAR_EDGE)


def use_bar_palette(palette):
    """Sets the bar's gradient (top, bottom, shine, edge) for the skin drawn next."""
    global BAR_TOP, BAR_BOTTOM, BAR_SHINE, BAR_EDGE
    BAR_TOP, BAR_BOTTOM, BAR_SHINE, BAR_EDGE = palette

GLYPH = R.hexrgb("E9EEF4")
WHITE = R.hexrgb("FFFFFF")
DIM = R.hexrgb("5C6877")
ACCENT_TOP = R.hexrgb("4FA0FF")
ACCENT_BOTTOM = R.hexrgb("1B5FD2")
GREEN = R.hexrgb("5BD86E")
BLUE = R.hexrgb("7CC0FF")
CORAL = R.hexrgb("FF6F6F")

POPUP_TOP = R.hexrgb("FBFCFE")
POPUP_BOTTOM = R.hexrgb("E3E9F1")
HEAD_TOP = R.hexrgb("E8F0FC")
HEAD_BOTTOM = R.hexrgb("D2E1F6")
POPUP_FRAME = R.hexrgb("8E9CAF")
POPUP_ACCENT = R.hexrgb("2F7BEA")


class Pen:
    """Shape constructors in design pixels."""

    def __init__(self, u):
        self.u = u

    def s(self, v):
        return v * self.u

    def circle(self, cx, cy, r):
        return R.circle(cx * self.u, cy * self.u, r * self.u)

    def rbox(self, x0, y0, x1, y1, rad=0.0):
        u = self.u
        return R.rbox(x0 * u, y0 * u, x1 * u, y1 * u, rad * u)

    def line(self, ax, ay, bx, by, width):
        u = self.u
        return R.line(ax * u, ay * u, bx * u, by * u, width * u)

    def polyline(self, points, width):
        return R.polyline([(x * self.u, y * self.u) for x, y in points], width * self.u)

    def polygon(self, points):
        return R.polygon([(x * self.u, y * self.u) for x, y in points])

    def arc(self, cx, cy, radius, a0, a1, width):
        u = self.u
        return R.arc(cx * u, cy * u, radius * u, a0, a1, width * u)

    def curve(self, p0, p1, p2, p3, width):
        return self.polyline(R.bezier(p0, p1, p2, p3), width)

    def grad(self, top, bottom, y0, y1):
        return R.vgrad(top, bottom, y0 * self.u, y1 * self.u)


def bar_colour(u):
    """Colour of the bar background at a pixel (same for every column)."""
    h = BAR_H * u

    def fn(x, y):
        row = int(y)
        if row < u:
            return BAR_SHINE
        if row >= h - u:
            return BAR_EDGE
        return R.mix(BAR_TOP, BAR_BOTTOM, (row - u) / float(h - 2 * u - 1))
    return fn


def pressed_plate(canvas, g, width):
    """Lit rounded plate behind a pressed glyph."""
    plate = g.rbox(1, 2, width - 1, BAR_H - 2, 4)
    canvas.paint(plate, g.grad(ACCENT_TOP, ACCENT_BOTTOM, 2, BAR_H - 2))
    canvas.paint(plate & g.rbox(0, 0, width, 12), WHITE, 0.08)


def _ink(pressed):
    return WHITE if pressed else GLYPH


# --- start menu button ---------------------------------------------------------------

def _letters(g, x, ink, w):
    """The word "start" drawn with strokes, x-height 10.5 to 17.5."""
    shapes = []
    # s
    shapes.append(g.curve((x + 4.3, 11.6), (x + 3.7, 10.6), (x + 0.7, 10.4), (x + 0.7, 12.5), w))
    shapes.append(g.curve((x + 0.7, 12.5), (x + 0.7, 14.2), (x + 4.5, 13.5), (x + 4.5, 15.6), w))
    shapes.append(g.curve((x + 4.5, 15.6), (x + 4.5, 17.9), (x + 1.0, 17.9), (x + 0.3, 16.6), w))
    x += 6.1
    # t
    shapes.append(g.line(x + 1.6, 8.4, x + 1.6, 15.8, w))
    shapes.append(g.curve((x + 1.6, 15.8), (x + 1.6, 17.4), (x + 2.6, 17.5), (x + 3.8, 17.3), w))
    shapes.append(g.line(x + 0.0, 11.0, x + 3.6, 11.0, w))
    x += 5.0
    # a (single storey)
    shapes.append(g.circle(x + 2.7, 14.2, 2.7).outline(g.s(w)))
    shapes.append(g.line(x + 5.4, 11.0, x + 5.4, 17.4, w))
    x += 7.3
    # r
    shapes.append(g.line(x + 0.8, 11.0, x + 0.8, 17.4, w))
    shapes.append(g.curve((x + 0.8, 13.6), (x + 1.2, 11.2), (x + 2.8, 10.6), (x + 4.2, 11.0), w))
    x += 5.2
    # t
    shapes.append(g.line(x + 1.6, 8.4, x + 1.6, 15.8, w))
    shapes.append(g.curve((x + 1.6, 15.8), (x + 1.6, 17.4), (x + 2.6, 17.5), (x + 3.8, 17.3), w))
    shapes.append(g.line(x + 0.0, 11.0, x + 3.6, 11.0, w))
    return R.union(*shapes)


def start_glyph(canvas, g, width, pressed):
    tile = g.rbox(4, 4, 22, 22, 4.5)
    if pressed:
        canvas.paint(tile, g.grad(R.hexrgb("8FC4FF"), R.hexrgb("4A8DF0"), 4, 22))
    else:
        canvas.paint(tile, g.grad(ACCENT_TOP, ACCENT_BOTTOM, 4, 22))
    canvas.paint(tile & g.rbox(0, 0, 26, 12), WHITE, 0.1)
    dots = [g.circle(13 + dx * 4.2, 13 + dy * 4.2, 1.35) for dy in (-1, 0, 1) for dx in (-1, 0, 1)]
    canvas.paint(R.union(*dots), WHITE)
    if width >= 50:
        canvas.paint(_letters(g, 26.5, _ink(pressed), 1.55), _ink(pressed))


# --- buttons -----------------------------------------------------------------------

def menu_glyph(canvas, g, width, pressed):
    cx = width / 2.0
    bars = [g.line(cx - 5.5, y, cx + 5.5, y, 2.0) for y in (8, 13, 18)]
    canvas.paint(R.union(*bars), _ink(pressed))


def _ring(g, cx):
    return g.circle(cx, 13, 7.0).outline(g.s(1.5))


def close_glyph(canvas, g, width, pressed):
    cx = width / 2.0
    cross = g.line(cx - 3, 10, cx + 3, 16, 1.8) | g.line(cx + 3, 10, cx - 3, 16, 1.8)
    canvas.paint(_ring(g, cx) | cross, _ink(pressed))


def ok_glyph(canvas, g, width, pressed):
    cx = width / 2.0
    tick = g.polyline([(cx - 3.4, 13.2), (cx - 1.0, 15.7), (cx + 3.6, 10.4)], 1.9)
    canvas.paint(_ring(g, cx) | tick, _ink(pressed))


def _speaker(g, x):
    body = g.polygon([(x, 10.6), (x + 2.6, 10.6), (x + 6.0, 7.4), (x + 6.0, 18.6),
                      (x + 2.6, 15.4), (x, 15.4)])
    return body.grow(g.s(0.35))


def volume_glyph(canvas, g, width, pressed):
    x = width / 2.0 - 7.0
    waves = (g.arc(x + 6.6, 13, 3.6, -48, 48, 1.45) | g.arc(x + 6.6, 13, 6.7, -50, 50, 1.45))
    canvas.paint(_speaker(g, x) | waves, _ink(pressed))


def mute_glyph(canvas, g, width, pressed):
    x = width / 2.0 - 7.5
    canvas.paint(_speaker(g, x), _ink(pressed))
    cross = (g.line(x + 9.6, 10.6, x + 14.2, 15.4, 1.6) | g.line(x + 14.2, 10.6, x + 9.6, 15.4, 1.6))
    canvas.paint(cross, WHITE if pressed else CORAL)


def battery_glyph(canvas, g, width, pressed):
    cx = width / 2.0
    body = g.rbox(cx - 4.2, 6.8, cx + 4.2, 21.2, 1.8).outline(g.s(1.4))
    cap = g.rbox(cx - 1.8, 4.6, cx + 1.8, 6.6, 0.7)
    canvas.paint(body | cap, _ink(pressed))
    fill = g.rbox(cx - 2.1, 11.0, cx + 2.1, 19.1, 0.7)
    canvas.paint(fill, WHITE if pressed else GREEN)


def home_glyph(canvas, g, width, pressed):
    cx = width / 2.0
    roof = g.polyline([(cx - 7.0, 12.6), (cx, 6.2), (cx + 7.0, 12.6)], 1.8)
    walls = g.polyline([(cx - 4.8, 11.2), (cx - 4.8, 19.6), (cx + 4.8, 19.6), (cx + 4.8, 11.2)], 1.6)
    door = g.rbox(cx - 1.5, 14.6, cx + 1.5, 19.6, 0.6)
    canvas.paint(roof | walls | door, _ink(pressed))


def _arrows(g, cx):
    up = (g.line(cx - 3, 18.8, cx - 3, 7.8, 1.6)
          | g.polyline([(cx - 5.9, 10.7), (cx - 3, 7.6), (cx - 0.1, 10.7)], 1.6))
    down = (g.line(cx + 3, 7.2, cx + 3, 18.2, 1.6)
            | g.polyline([(cx + 0.1, 15.3), (cx + 3, 18.4), (cx + 5.9, 15.3)], 1.6))
    return up, down


def connection_glyph(canvas, g, width, pressed):
    up, down = _arrows(g, width / 2.0)
    canvas.paint(up, WHITE if pressed else GREEN)
    canvas.paint(down, WHITE if pressed else BLUE)


def disconnect_glyph(canvas, g, width, pressed):
    up, down = _arrows(g, width / 2.0)
    ink = R.hexrgb("C9D3E0") if pressed else DIM
    canvas.paint(up | down, ink)


def signal_glyph(canvas, g, width, pressed, level=0):
    x = width / 2.0 - 7.0
    for i in range(4):
        x0 = x + i * 3.8
        height = 4.5 + 3.0 * i
        bar = g.rbox(x0, 19.5 - height, x0 + 2.6, 19.5, 0.7)
        lit = i < level
        if pressed:
            ink = WHITE if lit else R.hexrgb("9CC4F5")
        else:
            ink = GLYPH if lit else DIM
        canvas.paint(bar, ink)


# --- popups ------------------------------------------------------------------------

HEAD_H = 19


def _popup_canvas(w, h, u):
    g = Pen(u)
    canvas = R.Canvas(w * u, h * u, fill=g.grad(POPUP_TOP, POPUP_BOTTOM, 0, h))
    canvas.paint(g.rbox(0, 0, w, HEAD_H), g.grad(HEAD_TOP, HEAD_BOTTOM, 0, HEAD_H))
    canvas.paint(g.rbox(0, HEAD_H, w, HEAD_H + 1), POPUP_ACCENT)
    return canvas, g


def _frame(canvas, g, w, h, bottom=True):
    edges = g.rbox(0, 0, 1, h) | g.rbox(w - 1, 0, w, h) | g.rbox(0, 0, w, 1)
    if bottom:
        edges = edges | g.rbox(0, h - 1, w, h)
    canvas.paint(edges, POPUP_FRAME)


def battery_popup(w, h, u):
    """Light panel: heading band and room for the usage lines; pure black is transparent
    here, so the panel never uses it. The window is cut to its content height, so the
    panel has no bottom edge of its own."""
    canvas, g = _popup_canvas(w, h, u)
    _frame(canvas, g, w, h, bottom=False)
    return canvas.flatten(lambda x, y: POPUP_BOTTOM)


def volume_popup(w, h, u, key):
    """Heading band and frame; the control area is the key colour so the dialog's own
    background shows there and matches the sliders and radio buttons."""
    canvas, g = _popup_canvas(w, h, u)
    body = R.Canvas(w * u, h * u)
    body.paint(g.rbox(1, HEAD_H + 1, w - 1, h - 1), key)
    rows = canvas.flatten(lambda x, y: POPUP_BOTTOM)
    for y in range(body.h):
        for x in range(body.w):
            if body.alpha(x, y) >= 0.5:
                rows[y][x] = tuple(key)
    frame = R.Canvas(w * u, h * u)
    _frame(frame, g, w, h)
    for y in range(frame.h):
        for x in range(frame.w):
            if frame.alpha(x, y) > 0.0:
                rows[y][x] = POPUP_FRAME
    return rows
