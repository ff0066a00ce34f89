#!/usr/bin/env python3
"""Draws and writes every file under assets/: the hand pointer, the application icon in its ICO and
PNG forms, the window theme, the sample folder's note and the Linux desktop entry.

    python3 scripts/make-assets.py [output-folder]

Without an argument the files go to the assets folder of this source tree. Only the standard
library is used, and only arithmetic and square roots, so the same Python writes the same bytes.
"""

import math
import os
import struct
import sys
import zlib

# ---------------------------------------------------------------------------------------------
# Drawing: shapes are signed distance functions in canvas pixels (negative inside). Each fill
# anti-aliases its edge over one canvas pixel; the canvas is drawn larger than the result and
# averaged down, which smooths thin strokes and joins further.


def clamp01(v):
    return 0.0 if v < 0.0 else 1.0 if v > 1.0 else v


def rounded_box(x0, y0, x1, y1, r):
    cx, cy, hw, hh = (x0 + x1) / 2, (y0 + y1) / 2, (x1 - x0) / 2, (y1 - y0) / 2

    def sdf(x, y):
        qx = abs(x - cx) - hw + r
        qy = abs(y - cy) - hh + r
        ox, oy = max(qx, 0.0), max(qy, 0.0)
        return math.sqrt(ox * ox + oy * oy) + min(max(qx, qy), 0.0) - r

    return sdf


def capsule(ax, ay, bx, by, r):
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy

    def sdf(x, y):
        px, py = x - ax, y - ay
        t = clamp01((px * dx + py * dy) / length2) if length2 else 0.0
        ex, ey = px - dx * t, py - dy * t
        return math.sqrt(ex * ex + ey * ey) - r

    return sdf


def polygon(points, r=0.0):
    """A closed polygon; r > 0 rounds it outwards by r."""
    edges = list(zip(points, points[1:] + points[:1]))

    def sdf(x, y):
        best = None
        inside = False
        for (ax, ay), (bx, by) in edges:
            dx, dy = bx - ax, by - ay
            px, py = x - ax, y - ay
            t = clamp01((px * dx + py * dy) / (dx * dx + dy * dy))
            ex, ey = px - dx * t, py - dy * t
            d2 = ex * ex + ey * ey
            if best is None or d2 < best:
                best = d2
            if (ay > y) != (by > y) and x < ax + (y - ay) * dx / dy:
                inside = not inside
        d = math.sqrt(best)
        return (-d if inside else d) - r

    return sdf


def union(*shapes):
    return lambda x, y: min(s(x, y) for s in shapes)


def subtract(shape, cut):
    return lambda x, y: max(shape(x, y), -cut(x, y))


def hex_rgb(text):
    return tuple(int(text[i:i + 2], 16) / 255.0 for i in (1, 3, 5))


def vertical_gradient(top, bottom, y0, y1):
    a, b = hex_rgb(top), hex_rgb(bottom)

    def paint(x, y):
        t = clamp01((y - y0) / (y1 - y0))
        return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))

    return paint


class Canvas:
    """Premultiplied RGBA in floats, drawn with the source-over rule."""

    def __init__(self, size):
        self.size = size
        self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(size * size)]

    def fill(self, sdf, paint, alpha=1.0, grow=0.0, soft=1.0):
        """Paints where sdf < grow; `soft` widens the edge into a blur (for shadows)."""
        n = self.size
        solid = None if callable(paint) else (hex_rgb(paint) if isinstance(paint, str) else paint)
        for j in range(n):
            y = j + 0.5
            row = j * n
            for i in range(n):
                x = i + 0.5
                cover = clamp01(0.5 - (sdf(x, y) - grow) / soft) * alpha
                if cover <= 0.0:
                    continue
                r, g, b = solid if solid else paint(x, y)
                p = self.px[row + i]
                keep = 1.0 - cover
                p[0] = r * cover + p[0] * keep
                p[1] = g * cover + p[1] * keep
                p[2] = b * cover + p[2] * keep
                p[3] = cover + p[3] * keep

    def shrink(self, factor):
        """Averages factor x factor blocks; returns straight (not premultiplied) 8-bit RGBA rows."""
        n = self.size // factor
        area = factor * factor
        rows = []
        for j in range(n):
            row = []
            for i in range(n):
                acc = [0.0, 0.0, 0.0, 0.0]
                for v in range(factor):
                    base = (j * factor + v) * self.size + i * factor
                    for u in range(factor):
                        p = self.px[base + u]
                        acc[0] += p[0]
                        acc[1] += p[1]
                        acc[2] += p[2]
                        acc[3] += p[3]
                a = acc[3] / area
                if a < 0.5 / 255:
                    row.append((0, 0, 0, 0))
                    continue
                row.append(tuple(int(clamp01(c / acc[3]) * 255 + 0.5) for c in acc[:3])
                           + (int(a * 255 + 0.5),))
            rows.append(row)
        return rows


# ---------------------------------------------------------------------------------------------
# The application icon: an amber file folder with a blue "#" badge in front of it.

FOLDER_EDGE = "#8E5A0C"
FOLDER_BACK = "#E2A12A"
FOLDER_FRONT_TOP, FOLDER_FRONT_BOTTOM = "#FFD874", "#F4AE2E"
PAPER, PAPER_EDGE = "#FFFDF6", "#C9BFA8"
BADGE_TOP, BADGE_BOTTOM, BADGE_EDGE = "#4A8BEA", "#1F56B5", "#163F86"


def draw_icon(size, factor):
    n = size * factor
    c = Canvas(n)
    u = float(n)  # one unit of the design's 0..1 square in canvas pixels
    # Strokes no thinner than one final pixel, so the 32 px image keeps its outlines.
    line = max(factor * 1.0, u * 0.022)
    small = size <= 32

    def box(x0, y0, x1, y1, r):
        return rounded_box(x0 * u, y0 * u, x1 * u, y1 * u, r * u)

    # Soft shadow under the folder (it vanishes in the 1-bit mask of the 32 px image).
    if not small:
        c.fill(box(0.07, 0.22, 0.93, 0.88, 0.07), (0.0, 0.0, 0.0), alpha=0.28, soft=u * 0.03)

    top = 0.16 if small else 0.18
    back = union(box(0.05, top + 0.06, 0.95, 0.86, 0.05),
                 polygon([(0.05 * u, top * u), (0.36 * u, top * u), (0.44 * u, (top + 0.09) * u),
                          (0.44 * u, (top + 0.16) * u), (0.05 * u, (top + 0.16) * u)], 0.03 * u))
    c.fill(back, FOLDER_EDGE)
    c.fill(back, FOLDER_BACK, grow=-line)

    if not small:
        sheet = box(0.12, 0.27, 0.86, 0.60, 0.02)
        c.fill(sheet, PAPER_EDGE)
        c.fill(sheet, PAPER, grow=-line * 0.7)

    front_top = 0.36 if small else 0.38
    front = box(0.05, front_top, 0.95, 0.86, 0.05)
    c.fill(front, FOLDER_EDGE)
    c.fill(front, vertical_gradient(FOLDER_FRONT_TOP, FOLDER_FRONT_BOTTOM, front_top * u, 0.86 * u),
           grow=-line)
    if not small:  # a highlight along the front's upper edge
        c.fill(box(0.09, front_top + 0.035, 0.91, front_top + 0.035, 0.0), "#FFF0C0",
               grow=line * 0.45, alpha=0.85)

    # The badge: white ring, dark edge, blue face, white "#".
    b0, b1 = (0.47, 0.96) if small else (0.50, 0.97)
    ring = line * (1.0 if small else 1.1)
    badge = box(b0, b0, b1, b1, 0.11)
    c.fill(badge, "#FFFFFF", grow=ring)
    c.fill(badge, BADGE_EDGE)
    c.fill(badge, vertical_gradient(BADGE_TOP, BADGE_BOTTOM, b0 * u, b1 * u), grow=-line * 0.8)

    mid = (b0 + b1) / 2
    reach = (b1 - b0) * 0.30          # half-length of each stroke
    gap = (b1 - b0) * (0.125 if small else 0.115)  # half the distance between parallel strokes
    slant = (b1 - b0) * 0.05
    width = max(factor * 0.8, (b1 - b0) * u * 0.062)
    if small:  # upright two-pixel strokes on whole pixels stay sharp at this size
        mid, gap, slant, width = round(mid * size) / size, 2.0 / size, 0.0, factor * 1.0
    strokes = union(
        capsule((mid - gap + slant) * u, (mid - reach) * u, (mid - gap - slant) * u, (mid + reach) * u, width),
        capsule((mid + gap + slant) * u, (mid - reach) * u, (mid + gap - slant) * u, (mid + reach) * u, width),
        capsule((mid - reach) * u, (mid - gap) * u, (mid + reach) * u, (mid - gap) * u, width),
        capsule((mid - reach) * u, (mid + gap) * u, (mid + reach) * u, (mid + gap) * u, width))
    c.fill(strokes, "#FFFFFF")
    return c.shrink(factor)


# ---------------------------------------------------------------------------------------------
# The hand pointer, drawn on a 32 x 32 grid: index finger up, the other fingers folded, thumb
# resting on the left. Black outline, white fill. The hot spot is the index finger's tip.

CURSOR_SIZE = 32
HOTSPOT = (8, 1)


def draw_hand(factor=4):
    c = Canvas(CURSOR_SIZE * factor)
    k = float(factor)

    def cap(ax, ay, bx, by, r):
        return capsule(ax * k, ay * k, bx * k, by * k, r * k)

    def box(x0, y0, x1, y1, r):
        return rounded_box(x0 * k, y0 * k, x1 * k, y1 * k, r * k)

    # Straight edges lie on pixel boundaries so the outline stays one crisp pixel wide.
    finger = cap(8.5, 3.5, 8.5, 16.0, 2.5)       # columns 6-10, tip on row 1
    middle = cap(12.5, 12.5, 12.5, 16.0, 2.5)    # columns 10-14
    ring = cap(16.5, 13.5, 16.5, 17.0, 2.5)      # columns 14-18
    little = cap(20.0, 15.0, 20.0, 18.0, 2.0)    # columns 18-21
    palm = polygon([(6.0 * k, 14.0 * k), (22.0 * k, 15.0 * k), (22.0 * k, 22.0 * k),
                    (19.5 * k, 27.0 * k), (9.5 * k, 27.0 * k), (6.0 * k, 22.5 * k)])
    thumb = cap(3.5, 17.5, 8.0, 22.5, 2.5)
    cuff = box(9.0, 26.0, 21.0, 31.0, 0.5)
    hand = union(finger, middle, ring, little, palm, thumb)

    black, white = (0.0, 0.0, 0.0), (1.0, 1.0, 1.0)
    c.fill(union(hand, cuff), black)
    c.fill(hand, white, grow=-k)
    c.fill(cuff, white, grow=-k)
    # Creases between the folded fingers and where the thumb meets the palm.
    for x, y0, y1 in ((10, 11, 15), (14, 12, 16), (18, 14, 17)):
        c.fill(box(x, y0, x + 1, y1, 0.0), black)
    c.fill(cap(6.5, 19.0, 8.5, 21.0, 0.5), black)
    return c.shrink(factor)


# ---------------------------------------------------------------------------------------------
# File formats.


def png(rows):
    height, width = len(rows), len(rows[0])
    raw = bytearray()
    for row in rows:
        raw.append(0)
        for p in row:
            raw.extend(p)

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


def and_mask(rows, transparent):
    """The 1-bit mask, bottom row first, each row padded to four bytes; 1 = transparent."""
    size = len(rows[0])
    stride = (size + 31) // 32 * 4
    out = bytearray()
    for row in reversed(rows):
        bits = bytearray(stride)
        for i, p in enumerate(row):
            if transparent(p):
                bits[i >> 3] |= 0x80 >> (i & 7)
        out += bits
    return bytes(out)


def dib_header(size, bits, image_bytes):
    # The height counts the colour image and the mask.
    return struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0, image_bytes, 0, 0, 0, 0)


def dib32(rows):
    size = len(rows)
    colour = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            colour += bytes((b, g, r, a))
    mask = and_mask(rows, lambda p: p[3] == 0)
    return dib_header(size, 32, len(colour) + len(mask)) + bytes(colour) + mask


def median_cut(colours, boxes):
    """colours: {rgb: count}. Splits the widest box at its weighted median until `boxes` exist."""
    work = [sorted(colours.items())]
    while len(work) < boxes:
        best, best_span, best_channel = None, 0, 0
        for n, items in enumerate(work):
            if len(items) < 2:
                continue
            for ch in range(3):
                values = [rgb[ch] for rgb, _ in items]
                span = max(values) - min(values)
                if span > best_span:
                    best, best_span, best_channel = n, span, ch
        if best is None:
            break
        items = sorted(work.pop(best), key=lambda item: (item[0][best_channel], item[0]))
        total = sum(count for _, count in items)
        running, cut = 0, 1
        for cut in range(1, len(items)):
            running += items[cut - 1][1]
            if running * 2 >= total:
                break
        work += [items[:cut], items[cut:]]
    palette = []
    for items in work:
        total = sum(count for _, count in items)
        palette.append(tuple((sum(rgb[ch] * count for rgb, count in items) + total // 2) // total
                             for ch in range(3)))
    return sorted(set(palette))


def dib8(rows):
    """A 256-colour image; index 0 is black, which the mask turns into 'screen shows through'."""
    size = len(rows)
    opaque = lambda p: p[3] >= 128
    counts = {}
    for row in rows:
        for p in row:
            if opaque(p):
                counts[p[:3]] = counts.get(p[:3], 0) + 1
    palette = [(0, 0, 0)] + [c for c in median_cut(counts, 255) if c != (0, 0, 0)]
    palette = palette[:256]
    nearest = {}
    for rgb in sorted(counts):
        nearest[rgb] = min(range(len(palette)),
                           key=lambda n: (sum((rgb[ch] - palette[n][ch]) ** 2 for ch in range(3)), n))
    colour = bytearray()
    for row in reversed(rows):
        colour += bytes(nearest[p[:3]] if opaque(p) else 0 for p in row)
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette) + bytes(4 * (256 - len(palette)))
    mask = and_mask(rows, lambda p: not opaque(p))
    return dib_header(size, 8, len(colour) + len(mask)) + table + bytes(colour) + mask


def icon_file(kind, images):
    """kind 1 = icon, 2 = cursor. images: (size, colour count, field4, field6, data); for icons the
    last two fields are planes and bits per pixel, for cursors the hot spot's x and y."""
    out = struct.pack("<HHH", 0, kind, len(images))
    offset = 6 + 16 * len(images)
    for size, colours, f4, f6, data in images:
        out += struct.pack("<BBBBHHII", size % 256, size % 256, colours, 0, f4, f6, len(data), offset)
        offset += len(data)
    return out + b"".join(image[4] for image in images)


# ---------------------------------------------------------------------------------------------
# Text files.

THEME = """\
; Window theme of Pallisand Quire Batch Utility.
; Read at start-up from x/o.cjs beside the program; without this file the system colours are used.
; Lines are [Section] headers, Key = Value pairs and ; comments. Colours are #RRGGBB.
;
; [Window]      Face: the background of the main window.
; [Frame]       Face: the background of the grouping frames and their labels.
;               Text: the frames' captions.
; [PushButton]  Face: a button at rest.  HotFace: under the mouse.  PressedFace: held down.
;               Border: the button's outline.  Text: its caption.

[Window]
Face = #DCE4EE

[Frame]
Face = #E8EEF5
Text = #1E3D66

[PushButton]
Face = #F6F9FC
HotFace = #E0EAF5
PressedFace = #C7D6E9
Border = #6B8DBA
Text = #18222E
"""

SAMPLES_README = """\
Sample folder

This folder ships with Pallisand Quire Batch Utility. Pressing "Load Sample/Example Folder"
points the target folder at it (where you may not make folders in it, at your own copy of it),
so a trial run creates its numbered folders here, where they are easy to look at and to delete
afterwards.
"""

DESKTOP_ENTRY = """\
[Desktop Entry]
Type=Application
Name=Pallisand Quire Batch Utility
GenericName=Batch Folder Creator
Comment=Create many numbered folders in one go
Exec=quirebatch %f
Icon=quirebatch
Terminal=false
Categories=Utility;FileTools;
Keywords=folder;batch;numbered;create;
"""


def build():
    """Every file, as {relative path: bytes}."""
    files = {}
    icons = {size: draw_icon(size, 4 if size <= 48 else 2 if size <= 128 else 1)
             for size in (32, 48, 128, 256)}
    for size, rows in icons.items():
        files["icons/quirebatch-%d.png" % size] = png(rows)
    files["icons/quirebatch.ico"] = icon_file(1, [
        (32, 0, 1, 8, dib8(icons[32])),
        (48, 0, 1, 32, dib32(icons[48])),
        (128, 0, 1, 32, dib32(icons[128])),
        (256, 0, 1, 32, files["icons/quirebatch-256.png"]),
    ])
    files["HAND-M.CUR"] = icon_file(2, [(CURSOR_SIZE, 0, HOTSPOT[0], HOTSPOT[1], dib32(draw_hand()))])
    files["x/o.cjs"] = THEME.encode("utf-8")
    files["Samples/README.txt"] = SAMPLES_README.encode("utf-8")
    files["quirebatch.desktop"] = DESKTOP_ENTRY.encode("utf-8")
    return files


def main(argv):
    if len(argv) > 2:
        sys.exit("usage: make-assets.py [output-folder]")
    here = os.path.dirname(os.path.abspath(__file__))
    out = argv[1] if len(argv) == 2 else os.path.join(here, os.pardir, "assets")
    for path, data in sorted(build().items()):
        target = os.path.join(out, *path.split("/"))
        os.makedirs(os.path.dirname(target), exist_ok=True)
        with open(target, "wb") as f:
            f.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
