"""Preview sheet of a generated skin: the bar composed as the bar program lays it out,
with every button in both states, and the popup images. For looking, not shipping."""

import raster as R


def _blit_keyed(sheet, rows, dx, dy, zoom):
    key = rows[0][0]
    for y, row in enumerate(rows):
        for x, c in enumerate(row):
            if c == key:
                continue
            for zy in range(zoom):
                for zx in range(zoom):
                    sx, sy = (dx + x) * zoom + zx, (dy + y) * zoom + zy
                    if 0 <= sy < len(sheet) and 0 <= sx < len(sheet[0]):
                        sheet[sy][sx] = c


def _bar(sheet, made, width, dy, zoom, order, pressed, clock_gap):
    bg = made["portrait"]
    bw = len(bg[0])
    for y, row in enumerate(bg):
        for x in range(width):
            c = row[x * bw // width]
            if c == (255, 0, 0):
                continue
            for zy in range(zoom):
                for zx in range(zoom):
                    sheet[(dy + y) * zoom + zy][x * zoom + zx] = c
    _blit_keyed(sheet, made["start"], 0, dy, zoom)
    right = width
    for stem in order:
        if stem == "clock":
            right -= clock_gap
            continue
        rows = made[stem + ("_down" if pressed else "")]
        right -= len(rows[0])
        _blit_keyed(sheet, rows, right, dy, zoom)


def write_sheet(path, made, u, key):
    width = 240 * u
    bar_h = 26 * u
    zoom = 3 if u == 1 else 2
    vol = made["popup_volume"]
    bat = made["popup_battery"]
    rows_h = bar_h * 6 + 10 * u
    total_h = rows_h * zoom + max(len(vol), len(bat)) + 10
    total_w = max(width * zoom, len(vol[0]) + len(bat[0]) + 30)
    sheet = [[(96, 96, 96)] * total_w for _ in range(total_h)]
    normal = ["close", "menu", "clock", "battery", "volume", "home", "connection", "signal3"]
    other = ["ok", "menu", "clock", "battery", "mute", "home", "disconnect", "signal0"]
    gap = 30 * u
    y = 0
    _bar(sheet, made, width, y, zoom, normal, False, gap)
    y += bar_h + 2 * u
    _bar(sheet, made, width, y, zoom, normal, True, gap)
    y += bar_h + 2 * u
    _bar(sheet, made, width, y, zoom, other, False, gap)
    y += bar_h + 2 * u
    _bar(sheet, made, width, y, zoom, other, True, gap)
    y += bar_h + 2 * u
    levels = ["signal4", "signal3", "signal2", "signal1", "signal0"]
    _bar(sheet, made, width, y, zoom, levels, False, gap)
    y += bar_h + 2 * u
    _bar(sheet, made, width, y, zoom, ["start"] + levels, True, gap)
    top = rows_h * zoom + 5
    for ox, img in ((10, vol), (20 + len(vol[0]), bat)):
        for yy, row in enumerate(img):
            for xx, c in enumerate(row):
                if img is vol and c == tuple(key):
                    c = (245, 245, 245)
                sheet[top + yy][ox + xx] = c
    R.write_png(path, sheet)
