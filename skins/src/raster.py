"""Tiny anti-aliased rasteriser and image writers (BMP, PNG, ICO), standard library only.

Shapes are signed distance functions in pixel coordinates (pixel (x, y) covers the square
[x, x+1) x [y, y+1)); edge pixels are supersampled 4 x 4, so glyphs come out smooth at
16-52 pixels without any imaging library.
"""

import math
import struct
import zlib

SUB = 4
_OFFS = [(i + 0.5) / SUB for i in range(SUB)]
_EDGE = 0.75  # beyond half a pixel diagonal a pixel is fully in or out


class Shape:
    """A signed distance function with a bounding box (x0, y0, x1, y1)."""

    def __init__(self, fn, box):
        self.fn = fn
        self.box = box

    def __or__(self, other):
        f, g = self.fn, other.fn
        return Shape(lambda x, y: min(f(x, y), g(x, y)), _box_union(self.box, other.box))

    def __and__(self, other):
        f, g = self.fn, other.fn
        return Shape(lambda x, y: max(f(x, y), g(x, y)), _box_inter(self.box, other.box))

    def __sub__(self, other):
        f, g = self.fn, other.fn
        return Shape(lambda x, y: max(f(x, y), -g(x, y)), self.box)

    def outline(self, width):
        """The band of the given width centred on this shape's edge."""
        f, h = self.fn, width / 2.0
        x0, y0, x1, y1 = self.box
        return Shape(lambda x, y: abs(f(x, y)) - h, (x0 - h, y0 - h, x1 + h, y1 + h))

    def grow(self, d):
        f = self.fn
        x0, y0, x1, y1 = self.box
        return Shape(lambda x, y: f(x, y) - d, (x0 - d, y0 - d, x1 + d, y1 + d))


def _box_union(a, b):
    return (min(a[0], b[0]), min(a[1], b[1]), max(a[2], b[2]), max(a[3], b[3]))


def _box_inter(a, b):
    return (max(a[0], b[0]), max(a[1], b[1]), min(a[2], b[2]), min(a[3], b[3]))


def union(*shapes):
    out = shapes[0]
    for s in shapes[1:]:
        out = out | s
    return out


def circle(cx, cy, r):
    return Shape(lambda x, y: math.hypot(x - cx, y - cy) - r, (cx - r, cy - r, cx + r, cy + r))


def rbox(x0, y0, x1, y1, rad=0.0):
    """Rounded rectangle from corner to corner."""
    cx, cy = (x0 + x1) / 2.0, (y0 + y1) / 2.0
    hx, hy = (x1 - x0) / 2.0 - rad, (y1 - y0) / 2.0 - rad

    def fn(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - rad
    return Shape(fn, (x0, y0, x1, y1))


def _seg_dist(x, y, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    ll = dx * dx + dy * dy
    t = 0.0 if ll == 0 else max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / ll))
    return math.hypot(x - ax - t * dx, y - ay - t * dy)


def line(ax, ay, bx, by, width):
    """A stroke with round caps."""
    r = width / 2.0
    return Shape(lambda x, y: _seg_dist(x, y, ax, ay, bx, by) - r,
                 (min(ax, bx) - r, min(ay, by) - r, max(ax, bx) + r, max(ay, by) + r))


def polyline(points, width):
    r = width / 2.0
    segs = list(zip(points, points[1:]))

    def fn(x, y):
        return min(_seg_dist(x, y, a[0], a[1], b[0], b[1]) for a, b in segs) - r
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    return Shape(fn, (min(xs) - r, min(ys) - r, max(xs) + r, max(ys) + r))


def polygon(points):
    """Filled simple polygon, exact signed distance."""
    pts = list(points)
    n = len(pts)

    def fn(x, y):
        d = float("inf")
        inside = False
        for i in range(n):
            ax, ay = pts[i]
            bx, by = pts[(i + 1) % n]
            d = min(d, _seg_dist(x, y, ax, ay, bx, by))
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                inside = not inside
        return -d if inside else d
    xs = [p[0] for p in pts]
    ys = [p[1] for p in pts]
    return Shape(fn, (min(xs), min(ys), max(xs), max(ys)))


def arc(cx, cy, radius, a0, a1, width):
    """A stroke along a circle from angle a0 to a1 (degrees, clockwise on screen from +x)."""
    r = width / 2.0
    t0, t1 = math.radians(a0), math.radians(a1)
    e0 = (cx + radius * math.cos(t0), cy + radius * math.sin(t0))
    e1 = (cx + radius * math.cos(t1), cy + radius * math.sin(t1))
    mid = (t0 + t1) / 2.0
    half = (t1 - t0) / 2.0

    def fn(x, y):
        ang = math.atan2(y - cy, x - cx)
        delta = (ang - mid + math.pi) % (2 * math.pi) - math.pi
        if abs(delta) <= half:
            return abs(math.hypot(x - cx, y - cy) - radius) - r
        return min(math.hypot(x - e0[0], y - e0[1]), math.hypot(x - e1[0], y - e1[1])) - r
    return Shape(fn, (cx - radius - r, cy - radius - r, cx + radius + r, cy + radius + r))


def bezier(p0, p1, p2, p3, steps=24):
    """Points along a cubic curve, for polyline strokes."""
    out = []
    for i in range(steps + 1):
        t = i / steps
        s = 1 - t
        out.append((s * s * s * p0[0] + 3 * s * s * t * p1[0] + 3 * s * t * t * p2[0] + t * t * t * p3[0],
                    s * s * s * p0[1] + 3 * s * s * t * p1[1] + 3 * s * t * t * p2[1] + t * t * t * p3[1]))
    return out


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def hexrgb(text):
    text = text.lstrip("#")
    return tuple(int(text[i:i + 2], 16) for i in (0, 2, 4))


def vgrad(top, bottom, y0, y1):
    """Colour function: vertical gradient between two rows."""
    def fn(x, y):
        t = 0.0 if y1 == y0 else max(0.0, min(1.0, (y - y0) / (y1 - y0)))
        return mix(top, bottom, t)
    return fn


class Canvas:
    """Premultiplied RGBA floats (0-255 colour, 0-1 alpha)."""

    def __init__(self, w, h, fill=None):
        self.w, self.h = w, h
        self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(w * h)]
        if fill is not None:
            self.fill(fill)

    def fill(self, colour):
        for y in range(self.h):
            for x in range(self.w):
                c = colour(x + 0.5, y + 0.5) if callable(colour) else colour
                self.px[y * self.w + x] = [c[0], c[1], c[2], 1.0]

    def _put(self, x, y, c, a):
        p = self.px[y * self.w + x]
        k = 1.0 - a
        p[0] = c[0] * a + p[0] * k
        p[1] = c[1] * a + p[1] * k
        p[2] = c[2] * a + p[2] * k
        p[3] = a + p[3] * k

    def paint(self, shape, colour, opacity=1.0):
        """Composite a shape over the canvas; colour is RGB or a function of (x, y)."""
        fn = shape.fn
        x0 = max(0, int(math.floor(shape.box[0])) - 1)
        y0 = max(0, int(math.floor(shape.box[1])) - 1)
        x1 = min(self.w, int(math.ceil(shape.box[2])) + 1)
        y1 = min(self.h, int(math.ceil(shape.box[3])) + 1)
        for y in range(y0, y1):
            for x in range(x0, x1):
                d = fn(x + 0.5, y + 0.5)
                if d >= _EDGE:
                    continue
                if d <= -_EDGE:
                    cov = 1.0
                else:
                    hits = 0
                    for oy in _OFFS:
                        for ox in _OFFS:
                            if fn(x + ox, y + oy) <= 0.0:
                                hits += 1
                    if not hits:
                        continue
                    cov = hits / (SUB * SUB)
                c = colour(x + 0.5, y + 0.5) if callable(colour) else colour
                self._put(x, y, c, cov * opacity)

    def draw(self, other, dx, dy):
        """Composite another canvas at an offset."""
        for y in range(other.h):
            ty = y + dy
            if not 0 <= ty < self.h:
                continue
            for x in range(other.w):
                tx = x + dx
                if not 0 <= tx < self.w:
                    continue
                s = other.px[y * other.w + x]
                if s[3] <= 0.0:
                    continue
                p = self.px[ty * self.w + tx]
                k = 1.0 - s[3]
                for i in range(3):
                    p[i] = s[i] + p[i] * k
                p[3] = s[3] + p[3] * k

    def rgb(self, x, y):
        """Straight colour of a pixel (transparent pixels give black)."""
        p = self.px[y * self.w + x]
        if p[3] <= 0.0:
            return (0, 0, 0)
        return tuple(_clamp(p[i] / p[3]) for i in range(3))

    def alpha(self, x, y):
        return self.px[y * self.w + x][3]

    def flatten(self, under, key=None, threshold=0.02):
        """RGB rows: every pixel composited over under(x, y); pixels with (almost) no
        coverage become the key colour when one is given."""
        rows = []
        for y in range(self.h):
            row = []
            for x in range(self.w):
                p = self.px[y * self.w + x]
                if key is not None and p[3] < threshold:
                    row.append(tuple(key))
                    continue
                b = under(x + 0.5, y + 0.5)
                k = 1.0 - p[3]
                c = tuple(_clamp(p[i] + b[i] * k) for i in range(3))
                if key is not None and c == tuple(key):
                    c = (c[0], c[1] ^ 1, c[2])
                row.append(c)
            rows.append(row)
        return rows

    def rgba_rows(self):
        rows = []
        for y in range(self.h):
            row = []
            for x in range(self.w):
                p = self.px[y * self.w + x]
                a = p[3]
                if a <= 0.0:
                    row.append((0, 0, 0, 0))
                else:
                    row.append(tuple(_clamp(p[i] / a) for i in range(3)) + (_clamp(a * 255),))
            rows.append(row)
        return rows


def _clamp(v):
    return max(0, min(255, int(round(v))))


def write_bmp(path, rows):
    """24-bit uncompressed BMP, bottom-up rows."""
    h = len(rows)
    w = len(rows[0])
    stride = (w * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(rows):
        line_bytes = bytearray()
        for r, g, b in row:
            line_bytes += bytes((b, g, r))
        line_bytes += b"\0" * (stride - len(line_bytes))
        data += line_bytes
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


def read_bmp(path):
    """Rows of RGB tuples from a 24-bit BMP written by write_bmp."""
    with open(path, "rb") as f:
        blob = f.read()
    offset = struct.unpack_from("<I", blob, 10)[0]
    w, h = struct.unpack_from("<ii", blob, 18)
    stride = (w * 3 + 3) & ~3
    rows = []
    for y in range(abs(h)):
        base = offset + y * stride
        rows.append([(blob[base + 3 * x + 2], blob[base + 3 * x + 1], blob[base + 3 * x])
                     for x in range(w)])
    if h > 0:
        rows.reverse()
    return rows


def _png_chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body) & 0xffffffff)


def png_bytes(rows):
    """PNG of RGB or RGBA rows."""
    h = len(rows)
    w = len(rows[0])
    channels = len(rows[0][0])
    raw = bytearray()
    for row in rows:
        raw.append(0)
        for px in row:
            raw += bytes(px)
    colour_type = 6 if channels == 4 else 2
    ihdr = struct.pack(">IIBBBBB", w, h, 8, colour_type, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + _png_chunk(b"IHDR", ihdr)
            + _png_chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + _png_chunk(b"IEND", b""))


def write_png(path, rows):
    with open(path, "wb") as f:
        f.write(png_bytes(rows))


def _ico_dib(rows):
    """32-bit BGRA icon image with its AND mask (height doubled, bottom-up)."""
    h = len(rows)
    w = len(rows[0])
    info = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            colour += bytes((b, g, r, a))
    mask_stride = ((w + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, px in enumerate(row):
            if px[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return info + colour + mask


def write_ico(path, images):
    """An .ico holding each RGBA image (rows of (r, g, b, a))."""
    dibs = [_ico_dib(rows) for rows in images]
    out = bytearray(struct.pack("<HHH", 0, 1, len(dibs)))
    offset = 6 + 16 * len(dibs)
    for rows, dib in zip(images, dibs):
        w, h = len(rows[0]), len(rows)
        out += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32, len(dib), offset)
        offset += len(dib)
    for dib in dibs:
        out += dib
    with open(path, "wb") as f:
        f.write(out)
