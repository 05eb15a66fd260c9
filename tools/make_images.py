#!/usr/bin/env python3
"""Draws the program's icon and menu bitmaps and writes them to ui/res/.

    python3 tools/make_images.py [output directory]

Standard library only: the BMP and ICO files are put together byte by byte.

- quorvel.ico: a rounded blue tile with a white "0x" and, on the larger
  images, a row of amber binary digits. 96, 48, 32 and 16 pixels, all 256
  colours (8 bits per pixel) with a 1-bit transparency mask. The 96-pixel
  image comes first: it is the picture of the About window.
- tick.bmp, refresh.bmp, close.bmp: 12 x 12, 24 bits, white background, drawn
  pixel by pixel so that they hold only white and their one colour.
"""

import math
import os
import struct
import sys

# ---- Menu bitmaps ---------------------------------------------------------------

GREEN = (0, 128, 0)
BLUE = (0, 128, 255)
RED = (255, 0, 0)
WHITE = (255, 255, 255)

TICK = """
............
............
..........##
.........##.
........###.
.......###..
.##...###...
.###.###....
..#####.....
...###......
....#.......
............
"""

REFRESH = """
............
...#####....
..##...###..
.##.....##..
.##....#####
.##.....###.
.##......#..
.##.........
..##......#.
..###....##.
...#######..
....####....
"""

CLOSE = """
............
.##......##.
.###....###.
..###..###..
...######...
....####....
....####....
...######...
..###..###..
.###....###.
.##......##.
............
"""


def pixel_art(art, colour):
    rows = [r for r in art.strip("\n").split("\n")]
    assert len(rows) == 12 and all(len(r) == 12 for r in rows), art
    return [[colour if ch == "#" else WHITE for ch in row] for row in rows]


def bmp_24(pixels):
    """A 24-bit BMP file of pixels (rows top to bottom of (r, g, b))."""
    height = len(pixels)
    width = len(pixels[0])
    stride = (width * 3 + 3) & ~3
    body = bytearray()
    for row in reversed(pixels):  # BMP rows run bottom to top
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += b"\0" * (stride - len(line))
        body += line
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(body), 0, 0, 14 + len(info))
    return header + info + bytes(body)


# ---- Icon: drawn with signed distances, one sample per pixel ------------------------

TILE_TOP = (44, 116, 214)
TILE_BOTTOM = (18, 60, 140)
TILE_EDGE = (10, 38, 96)
GLYPH = (255, 255, 255)
DIGITS = (255, 196, 64)


def seg_dist(px, py, ax, ay, bx, by):
    """Distance from (px, py) to the segment from (ax, ay) to (bx, by)."""
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / length2))
    qx, qy = ax + t * dx - px, ay + t * dy - py
    return math.hypot(qx, qy)


def rounded_rect_sd(px, py, x0, y0, x1, y1, radius):
    """Signed distance to a rounded rectangle (negative inside)."""
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hx, hy = (x1 - x0) / 2 - radius, (y1 - y0) / 2 - radius
    qx, qy = abs(px - cx) - hx, abs(py - cy) - hy
    outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
    inside = min(max(qx, qy), 0.0)
    return outside + inside - radius


def glyph_strokes(ch, x, y, w, h):
    """Strokes of one character in the box (x, y, w, h): a list of
    ("ring", ax, ay, bx, by, r) stadium outlines and ("line", ax, ay, bx, by)."""
    if ch == "0":
        r = w / 2
        return [("ring", x + r, y + r, x + r, y + h - r, r)]
    if ch == "x":
        # Lower case: two thirds of the digits' height, on their baseline.
        top = y + h / 3
        return [("line", x, top, x + w, y + h), ("line", x + w, top, x, y + h)]
    if ch == "1":
        cx = x + w * 0.58
        return [
            ("line", cx, y, cx, y + h),
            ("line", cx, y, x + w * 0.12, y + h * 0.26),
            ("line", x + w * 0.12, y + h, x + w * 0.98, y + h),
        ]
    raise ValueError(ch)


def strokes_sd(px, py, strokes, thickness):
    best = float("inf")
    for s in strokes:
        if s[0] == "ring":
            _, ax, ay, bx, by, r = s
            d = abs(seg_dist(px, py, ax, ay, bx, by) - r)
        else:
            _, ax, ay, bx, by = s
            d = seg_dist(px, py, ax, ay, bx, by)
        best = min(best, d - thickness / 2)
    return best


def coverage(sd):
    """Share of a pixel covered by a shape, from the signed distance at its centre."""
    return max(0.0, min(1.0, 0.5 - sd))


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def text_strokes(text, x, y, char_w, char_h, gap):
    strokes = []
    for i, ch in enumerate(text):
        strokes += glyph_strokes(ch, x + i * (char_w + gap), y, char_w, char_h)
    return strokes


def icon_design(size):
    """Layout of the icon at one size, in pixels: the tile and the layers of
    strokes drawn on it as (colour, strokes, stroke thickness). The 16-pixel
    image has no strokes: its glyphs are SMALL_GLYPHS."""
    s = size / 96.0
    margin = max(0.5, 3 * s)
    design = {
        "tile": (margin, margin, size - margin, size - margin, max(2.5, 17 * s)),
        "edge": max(1.0, 2.2 * s),
        "layers": [],
    }
    if size >= 48:
        # "0x" above a row of binary digits.
        cw, ch, gap, t = 22 * s, 34 * s, 9 * s, 8.0 * s
        x = (size - (2 * cw + gap)) / 2
        design["layers"].append((GLYPH, text_strokes("0x", x, 17 * s, cw, ch, gap), t))
        dw, dh, dgap, dt = 9 * s, 14 * s, 6 * s, 3.6 * s
        x = (size - (4 * dw + 3 * dgap)) / 2
        design["layers"].append((DIGITS, text_strokes("1010", x, 64 * s, dw, dh, dgap), dt))
    elif size >= 32:
        cw, ch, gap, t = 8.0, 13.0, 3.0, 2.6
        x = (size - (2 * cw + gap)) / 2
        design["layers"].append((GLYPH, text_strokes("0x", x, 6.0, cw, ch, gap), t))
        dw, dh, dgap, dt = 3.2, 5.0, 2.6, 1.3
        x = (size - (4 * dw + 3 * dgap)) / 2
        design["layers"].append((DIGITS, text_strokes("1010", x, 23.0, dw, dh, dgap), dt))
    return design


# The 16-pixel "0x", placed by hand so that it stays sharp: "#" white,
# "+" half white.
SMALL_GLYPHS = """
................
................
................
...+##+.........
..##++##........
..##..##........
..##..##.##..##.
..##..##..####..
..##..##...##...
..##..##..####..
..##++##.##..##.
...+##+.........
................
................
................
................
"""


def render_icon(size):
    """Pixels of the icon at size: rows of ((r, g, b), alpha)."""
    d = icon_design(size)
    x0, y0, x1, y1, radius = d["tile"]
    small = SMALL_GLYPHS.strip("\n").split("\n")
    image = []
    for j in range(size):
        row = []
        for i in range(size):
            px, py = i + 0.5, j + 0.5
            sd = rounded_rect_sd(px, py, x0, y0, x1, y1, radius)
            alpha = coverage(sd)
            t = (py - y0) / max(1.0, y1 - y0)
            colour = mix(TILE_TOP, TILE_BOTTOM, max(0.0, min(1.0, t)))
            # A darker rim inside the tile's edge.
            colour = mix(colour, TILE_EDGE, (1 - coverage(sd + d["edge"])) * 0.8)
            for fill, strokes, thickness in d["layers"]:
                c = coverage(strokes_sd(px, py, strokes, thickness))
                if c > 0:
                    colour = mix(colour, fill, c)
            if size == 16:
                mark = small[j][i]
                colour = mix(colour, GLYPH, 1.0 if mark == "#" else 0.5 if mark == "+" else 0.0)
            row.append((tuple(int(round(v)) for v in colour), alpha))
        image.append(row)
    return image


# ---- 256-colour palette by median cut -------------------------------------------------

def median_cut(colours, count):
    """Up to count representative colours for the weighted colours given
    as {(r, g, b): weight}."""
    boxes = [list(colours.items())]
    while len(boxes) < count:
        best, best_range, best_axis = None, -1, 0
        for index, box in enumerate(boxes):
            if len(box) < 2:
                continue
            for axis in range(3):
                values = [c[axis] for c, _ in box]
                spread = max(values) - min(values)
                if spread > best_range:
                    best, best_range, best_axis = index, spread, axis
        if best is None or best_range == 0:
            break
        box = sorted(boxes.pop(best), key=lambda cw: cw[0][best_axis])
        total = sum(w for _, w in box)
        running, cut = 0, 1
        for k, (_, w) in enumerate(box):
            running += w
            if running * 2 >= total:
                cut = max(1, min(len(box) - 1, k + 1))
                break
        boxes += [box[:cut], box[cut:]]
    palette = []
    for box in boxes:
        total = sum(w for _, w in box)
        palette.append(tuple(int(round(sum(c[a] * w for c, w in box) / total)) for a in range(3)))
    return palette


def nearest(palette, colour, cache):
    if colour not in cache:
        r, g, b = colour
        cache[colour] = min(
            range(len(palette)),
            key=lambda k: (palette[k][0] - r) ** 2 + (palette[k][1] - g) ** 2 + (palette[k][2] - b) ** 2,
        )
    return cache[colour]


def ico_8bit(images):
    """An ICO file of 8-bit images sharing one palette; images are rows of
    ((r, g, b), alpha), opaque where alpha >= 0.5."""
    weights = {}
    for image in images:
        for row in image:
            for colour, alpha in row:
                if alpha >= 0.5:
                    weights[colour] = weights.get(colour, 0) + 1
    # Index 0 is black: the colour under the transparent pixels.
    palette = [(0, 0, 0)] + median_cut(weights, 255)
    palette += [(0, 0, 0)] * (256 - len(palette))
    cache = {}
    entries = []
    for image in images:
        size = len(image)
        xor_stride = (size + 3) & ~3
        and_stride = ((size + 31) // 32) * 4
        xor = bytearray()
        mask = bytearray()
        for row in reversed(image):
            line = bytearray()
            bits = bytearray(and_stride)
            for i, (colour, alpha) in enumerate(row):
                if alpha >= 0.5:
                    line.append(1 + nearest(palette[1:], colour, cache))
                else:
                    line.append(0)
                    bits[i // 8] |= 0x80 >> (i % 8)
            line += b"\0" * (xor_stride - len(line))
            xor += line
            mask += bits
        info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 8, 0, len(xor) + len(mask), 0, 0, 256, 0)
        colours = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
        entries.append((size, info + colours + bytes(xor) + bytes(mask)))
    header = struct.pack("<HHH", 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    directory = b""
    data = b""
    for size, blob in entries:
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 8, len(blob), offset + len(data))
        data += blob
    return header + directory + data


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "ui", "res")
    os.makedirs(out, exist_ok=True)
    files = {
        "tick.bmp": bmp_24(pixel_art(TICK, GREEN)),
        "refresh.bmp": bmp_24(pixel_art(REFRESH, BLUE)),
        "close.bmp": bmp_24(pixel_art(CLOSE, RED)),
        "quorvel.ico": ico_8bit([render_icon(size) for size in (96, 48, 32, 16)]),
    }
    for name, data in files.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)
        print(f"{name}: {len(data)} bytes")


if __name__ == "__main__":
    main()
