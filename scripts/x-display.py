#!/usr/bin/env python3
# What the X display shows of the device screen, as a PNG: the framebuffer under Wine's
# virtual desktop window, read with XGetImage of the root window.
#   scripts/x-display.py OUT.png|OUT.ppm [WINDOW-ID]
# A name ending in .ppm gets a binary PPM (what the test kit reads). Without WINDOW-ID the window named "... Wine desktop" is read. xwd is no use here: every
# Wine process gives its windows a colormap of its own, and xwd then reads each process's
# windows through its lowest one, which the server blanks where another window covers it
# (docs/wine-facts.md).
import ctypes
import os
import struct
import sys
import zlib

X = ctypes.CDLL("libX11.so.6")
ulong = ctypes.c_ulong


class XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.POINTER(ctypes.c_ubyte)),
                ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
                ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int),
                ("bits_per_pixel", ctypes.c_int), ("red_mask", ulong), ("green_mask", ulong),
                ("blue_mask", ulong)]


X.XOpenDisplay.restype = ctypes.c_void_p
X.XOpenDisplay.argtypes = [ctypes.c_char_p]
X.XDefaultRootWindow.restype = ulong
X.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
X.XQueryTree.argtypes = [ctypes.c_void_p, ulong, ctypes.POINTER(ulong), ctypes.POINTER(ulong),
                         ctypes.POINTER(ctypes.POINTER(ulong)), ctypes.POINTER(ctypes.c_uint)]
X.XFetchName.argtypes = [ctypes.c_void_p, ulong, ctypes.POINTER(ctypes.c_char_p)]
X.XGetGeometry.argtypes = [ctypes.c_void_p, ulong, ctypes.POINTER(ulong)] + \
    [ctypes.POINTER(ctypes.c_int)] * 2 + [ctypes.POINTER(ctypes.c_uint)] * 4
X.XTranslateCoordinates.argtypes = [ctypes.c_void_p, ulong, ulong, ctypes.c_int, ctypes.c_int,
                                    ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_int),
                                    ctypes.POINTER(ulong)]
X.XGetImage.restype = ctypes.POINTER(XImage)
X.XGetImage.argtypes = [ctypes.c_void_p, ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                        ctypes.c_uint, ulong, ctypes.c_int]
Z_PIXMAP = 2


def desktop_window(display, root):
    parent, children, count = ulong(), ctypes.POINTER(ulong)(), ctypes.c_uint()
    X.XQueryTree(display, root, ctypes.byref(ulong()), ctypes.byref(parent), ctypes.byref(children),
                 ctypes.byref(count))
    for i in range(count.value):
        name = ctypes.c_char_p()
        if X.XFetchName(display, children[i], ctypes.byref(name)) and name.value \
                and name.value.endswith(b"Wine desktop"):
            return children[i]
    return None


def shift(mask):
    return (mask & -mask).bit_length() - 1


def png(path, width, height, rows):
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
                  + chunk(b"IDAT", zlib.compress(b"".join(rows))) + chunk(b"IEND", b""))


def main():
    if len(sys.argv) < 2:
        sys.exit("usage: x-display.py OUT.png|OUT.ppm [WINDOW-ID]")
    display = X.XOpenDisplay(None)
    if not display:
        sys.exit("x-display: no X display")
    root = X.XDefaultRootWindow(display)
    window = int(sys.argv[2], 0) if len(sys.argv) > 2 else desktop_window(display, root)
    if not window:
        sys.exit("x-display: no Wine desktop window")
    x, y, w, h, unused = ctypes.c_int(), ctypes.c_int(), ctypes.c_uint(), ctypes.c_uint(), ctypes.c_uint()
    if not X.XGetGeometry(display, window, ctypes.byref(ulong()), ctypes.byref(x), ctypes.byref(y),
                          ctypes.byref(w), ctypes.byref(h), ctypes.byref(unused), ctypes.byref(unused)):
        sys.exit("x-display: no such window")
    X.XTranslateCoordinates(display, window, root, 0, 0, ctypes.byref(x), ctypes.byref(y), ctypes.byref(ulong()))
    image = X.XGetImage(display, root, x.value, y.value, w.value, h.value, ~0 & 0xFFFFFFFF, Z_PIXMAP)
    if not image or image.contents.bits_per_pixel != 32:
        sys.exit("x-display: the display cannot be read as 32-bit pixels")
    im = image.contents
    data = ctypes.string_at(im.data, im.bytes_per_line * im.height)
    # Each channel is one byte of the 32-bit pixel: its offset follows from the mask.
    offsets = []
    for mask in (im.red_mask, im.green_mask, im.blue_mask):
        byte = shift(mask) // 8
        offsets.append(byte if im.byte_order == 0 else 3 - byte)
    rows = []
    for row in range(im.height):
        pixels = data[row * im.bytes_per_line:row * im.bytes_per_line + im.width * 4]
        line = bytearray(im.width * 3)
        for channel, offset in enumerate(offsets):
            line[channel::3] = pixels[offset::4]
        rows.append(b"\0" + bytes(line))
    # Written aside and renamed: a reader never sees half a picture.
    part = sys.argv[1] + ".part"
    if sys.argv[1].endswith(".ppm"):
        with open(part, "wb") as out:
            out.write(b"P6\n%d %d\n255\n" % (im.width, im.height) + b"".join(r[1:] for r in rows))
    else:
        png(part, im.width, im.height, rows)
    os.replace(part, sys.argv[1])


main()
