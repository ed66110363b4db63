#!/usr/bin/env python3
"""Draws the shipped skins' images and writes their .skin files.

Run from anywhere: python3 skins/src/make_skins.py [--preview DIR]
Writes skins/Default (240-pixel screens), skins/GraphiteHiRes (480-pixel screens) and
skins/Harbour (240-pixel screens, a sea-blue bar).
The bar copies button images transparently by their top-left pixel, so every button
image keeps the key colour in its corners; edge pixels are blended against the bar's
own background row so glyphs stay smooth without any alpha channel.
"""

import os
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import raster as R  # noqa: E402
import artwork as A  # noqa: E402

SKINS = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
KEY = (255, 0, 255)

# (skin key stem, file stem, design width at scale 1, glyph)
BUTTONS = [
    ("Start Menu", "start", 26, A.start_glyph),  # the title takes the rest of the start area
    ("Menu", "menu", 20, A.menu_glyph),
    ("Close", "close", 20, A.close_glyph),
    ("OK", "ok", 20, A.ok_glyph),
    ("Volume", "volume", 20, A.volume_glyph),
    ("Mute", "mute", 20, A.mute_glyph),
    ("Battery/Memory", "battery", 18, A.battery_glyph),
    ("Home", "home", 20, A.home_glyph),
    ("Connection", "connection", 18, A.connection_glyph),
    ("Disconnect", "disconnect", 18, A.disconnect_glyph),
]
SIGNAL_WIDTH = 18
VOLUME_POPUP = (80, 168)    # holds the trackbars and radio buttons of the volume dialog
BATTERY_POPUP = (210, 225)  # heading, four lines and up to four storage cards; x 20 to 230

SKIN_SETS = [
    {
        "folder": "Default", "file": "barconfin.skin", "u": 1, "hires": 0,
        "name": "Graphite",
        "notes": "Dark graphite bar with crisp white icons, for 240-pixel screens.",
    },
    {
        "folder": "GraphiteHiRes", "file": "graphite.skin", "u": 2, "hires": 1,
        "name": "Graphite HiRes",
        "notes": "Dark graphite bar with crisp white icons, for 480-pixel screens.",
    },
    {
        "folder": "Harbour", "file": "harbour.skin", "u": 1, "hires": 0,
        "name": "Harbour",
        "notes": "Deep sea-blue bar with the same white icons, for 240-pixel screens.",
        "bar": (R.hexrgb("1F5C7A"), R.hexrgb("0B2A3B"), R.hexrgb("3A86A8"), R.hexrgb("061820")),
    },
]

AUTHOR = "Velkis Project"
AUTHOR_EMAIL = "skins@velkis.example"

# Fonts: Tahoma is on every handheld; colours are 0x00BBGGRR.
FONTS = [
    ("Title Font", "Tahoma", 9, 1, (0xF2, 0xF5, 0xF8)),
    ("Timer Font", "Tahoma", 9, 1, (0xBF, 0xE0, 0xFF)),
    ("Dialog Title", "Tahoma", 8, 0, (0x1E, 0x2A, 0x38)),
]


def colorref(rgb):
    return rgb[0] | (rgb[1] << 8) | (rgb[2] << 16)


def button_rows(glyph, width, u, pressed, **kw):
    canvas = R.Canvas(width * u, A.BAR_H * u)
    g = A.Pen(u)
    if pressed:
        A.pressed_plate(canvas, g, width)
    glyph(canvas, g, width, pressed, **kw)
    return canvas.flatten(A.bar_colour(u), key=KEY)


def background_rows(width, u):
    canvas = R.Canvas(width * u, A.BAR_H * u, fill=A.bar_colour(u))
    return canvas.flatten(A.bar_colour(u))


def write_skin(skin_set, images, out_dir):
    lines = [
        "# Velkis skin. Images are made by skins/src/make_skins.py.",
        "[Skin Info]",
        "Name=%s" % skin_set["name"],
        "Author=%s" % AUTHOR,
        "AuthorEmail=%s" % AUTHOR_EMAIL,
        "Notes=%s" % skin_set["notes"],
        "HiRes=%d" % skin_set["hires"],
        "",
        "[Topbar]",
        "Landscape=%s" % images["landscape"],
        "Portrait=%s" % images["portrait"],
        "",
        "[Button Images]",
    ]
    for key, stem, _w, _g in BUTTONS:
        lines.append("%s Normal=%s" % (key, images[stem]))
        lines.append("%s Pressed=%s" % (key, images[stem + "_down"]))
    lines += ["", "[Signal Images]"]
    for level in range(5):
        lines.append("Signal%d Normal=%s" % (level, images["signal%d" % level]))
        lines.append("Signal%d Pressed=%s" % (level, images["signal%d_down" % level]))
    lines += ["", "[Volume image]", "Volume=%s" % images["popup_volume"],
              "", "[Battery image]", "Battery=%s" % images["popup_battery"]]
    for section, name, size, style, rgb in FONTS:
        lines += ["", "[%s]" % section, "Name=%s" % name, "Size=%d" % size,
                  "Style=%d" % style, "Color=%d" % colorref(rgb)]
    for text in lines:
        assert len(text.split("=", 1)[-1]) < 100, text
    with open(os.path.join(out_dir, skin_set["file"]), "w", newline="\r\n") as f:
        f.write("\n".join(lines) + "\n")


def build_skin(skin_set):
    u = skin_set["u"]
    A.use_bar_palette(skin_set.get("bar", A.GRAPHITE_BAR))
    out_dir = os.path.join(SKINS, skin_set["folder"])
    img_dir = os.path.join(out_dir, "images")
    os.makedirs(img_dir, exist_ok=True)
    images = {}
    made = {}

    def save(stem, rows):
        R.write_bmp(os.path.join(img_dir, stem + ".bmp"), rows)
        images[stem] = "images\\%s.bmp" % stem
        made[stem] = rows

    save("landscape", background_rows(320, u))
    save("portrait", background_rows(240, u))
    for _key, stem, width, glyph in BUTTONS:
        save(stem, button_rows(glyph, width, u, False))
        save(stem + "_down", button_rows(glyph, width, u, True))
    for level in range(5):
        save("signal%d" % level, button_rows(A.signal_glyph, SIGNAL_WIDTH, u, False, level=level))
        save("signal%d_down" % level, button_rows(A.signal_glyph, SIGNAL_WIDTH, u, True, level=level))
    save("popup_volume", A.volume_popup(VOLUME_POPUP[0], VOLUME_POPUP[1], u, KEY))
    save("popup_battery", A.battery_popup(BATTERY_POPUP[0], BATTERY_POPUP[1], u))
    write_skin(skin_set, images, out_dir)
    return made


def main(argv):
    preview_dir = None
    if len(argv) > 2 and argv[1] == "--preview":
        preview_dir = argv[2]
    for skin_set in SKIN_SETS:
        made = build_skin(skin_set)
        if preview_dir:
            import preview
            os.makedirs(preview_dir, exist_ok=True)
            preview.write_sheet(os.path.join(preview_dir, skin_set["folder"] + ".png"), made, skin_set["u"], KEY)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
