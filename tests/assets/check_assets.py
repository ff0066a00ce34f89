#!/usr/bin/env python3
"""Checks the files under assets/: their formats, the things the programs rely on, and that
scripts/make-assets.py still writes exactly what is committed."""

import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import unittest
import zlib

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, os.pardir))
ASSETS = os.path.join(ROOT, "assets")
GENERATOR = os.path.join(ROOT, "scripts", "make-assets.py")
NOT_GENERATED = {".gitattributes"}


def read(*parts):
    with open(os.path.join(ASSETS, *parts), "rb") as f:
        return f.read()


# --- PNG --------------------------------------------------------------------------------------

def decode_png(data):
    """Returns (width, height, colour type, rows of RGBA tuples); only 8-bit RGBA is decoded."""
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("not a PNG")
    pos, chunks = 8, []
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        (crc,) = struct.unpack(">I", data[pos + 8 + length:pos + 12 + length])
        if zlib.crc32(kind + body) & 0xFFFFFFFF != crc:
            raise ValueError("bad CRC in %r" % kind)
        chunks.append((kind, body))
        pos += 12 + length
    if chunks[0][0] != b"IHDR" or chunks[-1][0] != b"IEND":
        raise ValueError("IHDR or IEND out of place")
    width, height, depth, ctype, _, _, interlace = struct.unpack(">IIBBBBB", chunks[0][1])
    if (depth, ctype, interlace) != (8, 6, 0):
        return width, height, ctype, None
    raw = zlib.decompress(b"".join(body for kind, body in chunks if kind == b"IDAT"))
    stride = width * 4
    if len(raw) != height * (stride + 1):
        raise ValueError("image data has the wrong length")
    rows, prev = [], bytearray(stride)
    for y in range(height):
        ftype, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - 4] if i >= 4 else 0
            b, c = prev[i], prev[i - 4] if i >= 4 else 0
            if ftype == 1:
                line[i] = (line[i] + a) & 255
            elif ftype == 2:
                line[i] = (line[i] + b) & 255
            elif ftype == 3:
                line[i] = (line[i] + (a + b) // 2) & 255
            elif ftype == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
            elif ftype != 0:
                raise ValueError("unknown filter %d" % ftype)
        rows.append([tuple(line[i:i + 4]) for i in range(0, stride, 4)])
        prev = line
    return width, height, ctype, rows


# --- ICO / CUR --------------------------------------------------------------------------------

class Entry:
    pass


def parse_icon_file(data):
    reserved, kind, count = struct.unpack("<HHH", data[:6])
    if reserved != 0:
        raise ValueError("reserved field is %d" % reserved)
    entries, spans = [], [(0, 6 + 16 * count)]
    for n in range(count):
        e = Entry()
        (e.width, e.height, e.colours, e.reserved, e.field4, e.field6, e.length,
         e.offset) = struct.unpack("<BBBBHHII", data[6 + 16 * n:22 + 16 * n])
        e.data = data[e.offset:e.offset + e.length]
        if e.offset + e.length > len(data):
            raise ValueError("image %d runs past the end of the file" % n)
        spans.append((e.offset, e.offset + e.length))
        entries.append(e)
    spans.sort()
    for (_, end), (start, _) in zip(spans, spans[1:]):
        if start < end:
            raise ValueError("images overlap each other or the directory")
    return kind, entries


def parse_dib(data):
    """Returns (size, bits, pixels, mask): pixels top row first as RGBA tuples (alpha 255 when
    the image has no alpha), mask top row first as booleans (True = transparent)."""
    (hsize, width, height, planes, bits, compression, _, _, _, used, _) = struct.unpack(
        "<IiiHHIIiiII", data[:40])
    if hsize != 40 or planes != 1 or compression != 0:
        raise ValueError("unexpected DIB header")
    if height != 2 * width:
        raise ValueError("height %d should count the image and its mask (2 x %d)" % (height, width))
    size = width
    table = 0
    if bits <= 8:
        table = (used or 1 << bits) * 4
    palette = [tuple(data[40 + i:44 + i]) for i in range(0, table, 4)]
    stride = (size * bits + 31) // 32 * 4
    mstride = (size + 31) // 32 * 4
    colour_at = 40 + table
    mask_at = colour_at + stride * size
    if len(data) != mask_at + mstride * size:
        raise ValueError("DIB is %d bytes, its header says %d" % (len(data), mask_at + mstride * size))
    pixels, mask = [], []
    for y in range(size):
        row = data[colour_at + (size - 1 - y) * stride:]
        mrow = data[mask_at + (size - 1 - y) * mstride:]
        mask.append([bool(mrow[x >> 3] & 0x80 >> (x & 7)) for x in range(size)])
        if bits == 32:
            pixels.append([(row[4 * x + 2], row[4 * x + 1], row[4 * x], row[4 * x + 3]) for x in range(size)])
        elif bits == 8:
            pixels.append([palette[row[x]][2::-1] + (255,) for x in range(size)])
        else:
            raise ValueError("%d bits per pixel not expected here" % bits)
    return size, bits, pixels, mask


class IconFile(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.kind, cls.entries = parse_icon_file(read("icons", "quirebatch.ico"))
        cls.by_size = {e.width or 256: e for e in cls.entries}

    def test_directory_holds_the_four_sizes_and_depths(self):
        self.assertEqual(self.kind, 1)
        self.assertEqual(len(self.entries), 4)
        self.assertEqual(sorted(self.by_size), [32, 48, 128, 256])
        for e in self.entries:
            self.assertEqual(e.width, e.height)
            self.assertEqual(e.reserved, 0)
            self.assertIn(e.field4, (0, 1), "planes")
        self.assertEqual(self.by_size[32].field6, 8)
        self.assertEqual(self.by_size[32].colours, 0, "256 colours are written as 0")
        for size in (48, 128, 256):
            self.assertEqual(self.by_size[size].field6, 32, "%d px bit count" % size)

    def test_small_images_are_dibs_matching_their_entries(self):
        for size, bits in ((32, 8), (48, 32), (128, 32)):
            with self.subTest(size=size):
                dsize, dbits, _, _ = parse_dib(self.by_size[size].data)
                self.assertEqual((dsize, dbits), (size, bits))

    def test_the_program_ships_one_icon(self):
        # The title bar's small image is made from it at run time, not shipped beside it.
        icons = [name for name in os.listdir(os.path.join(ASSETS, "icons")) if name.endswith(".ico")]
        self.assertEqual(icons, ["quirebatch.ico"])

    def test_256_image_is_an_rgba_png(self):
        width, height, ctype, rows = decode_png(self.by_size[256].data)
        self.assertEqual((width, height, ctype), (256, 256, 6))

    def test_32_bit_masks_agree_with_alpha(self):
        # Where the mask and alpha disagree, systems that use the mask show a box or a hole.
        for size in (48, 128):
            _, _, pixels, mask = parse_dib(self.by_size[size].data)
            for y in range(size):
                for x in range(size):
                    self.assertEqual(mask[y][x], pixels[y][x][3] == 0, "%d px at %d,%d" % (size, x, y))

    def test_palettised_image_shows_the_drawing(self):
        _, _, pixels, mask = parse_dib(self.by_size[32].data)
        _, _, _, png = decode_png(read("icons", "quirebatch-32.png"))
        opaque = 0
        for y in range(32):
            for x in range(32):
                if mask[y][x]:
                    # AND 1 with XOR black leaves the screen as it is; any other colour shows.
                    self.assertEqual(pixels[y][x][:3], (0, 0, 0), "transparent pixel %d,%d" % (x, y))
                    self.assertLess(png[y][x][3], 128)
                    continue
                opaque += 1
                self.assertGreaterEqual(png[y][x][3], 128, "pixel %d,%d" % (x, y))
                for got, want in zip(pixels[y][x][:3], png[y][x][:3]):
                    self.assertLessEqual(abs(got - want), 24, "colour at %d,%d" % (x, y))
        self.assertTrue(32 * 32 * 0.4 < opaque < 32 * 32 * 0.95, "%d opaque pixels" % opaque)

    def test_every_size_is_the_same_picture_as_its_png(self):
        for size in (48, 128, 256):
            with self.subTest(size=size):
                _, _, _, png = decode_png(read("icons", "quirebatch-%d.png" % size))
                if size == 256:
                    got = decode_png(self.by_size[256].data)[3]
                else:
                    got = parse_dib(self.by_size[size].data)[2]
                self.assertTrue(got == png, "%d px image differs from quirebatch-%d.png" % (size, size))


class Pngs(unittest.TestCase):
    def test_sizes_and_format(self):
        for size in (32, 48, 128, 256):
            with self.subTest(size=size):
                width, height, ctype, rows = decode_png(read("icons", "quirebatch-%d.png" % size))
                self.assertEqual((width, height, ctype), (size, size, 6))
                alphas = {p[3] for row in rows for p in row}
                self.assertIn(0, alphas, "corners should be transparent")
                self.assertIn(255, alphas)


class CursorFile(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.kind, cls.entries = parse_icon_file(read("HAND-M.CUR"))

    def test_one_32_px_cursor_image(self):
        self.assertEqual(self.kind, 2)
        self.assertEqual(len(self.entries), 1)
        e = self.entries[0]
        self.assertEqual((e.width, e.height), (32, 32))
        self.assertEqual(parse_dib(e.data)[0], 32)

    def test_hotspot_is_the_topmost_visible_pixel(self):
        e = self.entries[0]
        x, y = e.field4, e.field6
        self.assertTrue(0 <= x < 32 and 0 <= y < 32, "hot spot %d,%d" % (x, y))
        _, bits, pixels, mask = parse_dib(e.data)
        visible = lambda px, py: not mask[py][px] and pixels[py][px][3] >= 128
        self.assertTrue(visible(x, y), "hot spot %d,%d is on a transparent pixel" % (x, y))
        # The finger points up, so nothing lies above its tip.
        for py in range(y):
            for px in range(32):
                self.assertLess(pixels[py][px][3] if not mask[py][px] else 0, 128,
                                "pixel %d,%d is above the hot spot" % (px, py))

    def test_mask_agrees_with_alpha(self):
        _, bits, pixels, mask = parse_dib(self.entries[0].data)
        if bits == 32:
            for y in range(32):
                for x in range(32):
                    self.assertEqual(mask[y][x], pixels[y][x][3] == 0, "pixel %d,%d" % (x, y))


# --- Text files -------------------------------------------------------------------------------

THEME_KEYS = {
    "Window": {"Face"},
    "Frame": {"Face", "Text"},
    "PushButton": {"Face", "HotFace", "PressedFace", "Border", "Text"},
}


def parse_theme(text):
    """The rules of the program's theme reader, made strict: every line must be understood."""
    values, section = {}, None
    for number, line in enumerate(text.split("\n"), 1):
        line = line.strip(" \t\r")
        if not line or line.startswith(";"):
            continue
        if line.startswith("["):
            if not line.endswith("]") or len(line) < 3:
                raise ValueError("line %d: bad section header" % number)
            section = line[1:-1].strip(" \t")
            if section not in THEME_KEYS:
                raise ValueError("line %d: unknown section %s" % (number, section))
            continue
        key, equals, value = line.partition("=")
        key, value = key.strip(" \t"), value.strip(" \t")
        if not equals or not key:
            raise ValueError("line %d: expected Key = Value" % number)
        if section is None or key not in THEME_KEYS[section]:
            raise ValueError("line %d: unknown key %s in [%s]" % (number, key, section))
        if not re.fullmatch(r"#[0-9A-Fa-f]{6}", value):
            raise ValueError("line %d: %r is not #RRGGBB" % (number, value))
        if (section, key) in values:
            raise ValueError("line %d: %s.%s given twice" % (number, section, key))
        values[(section, key)] = value
    return values


def contrast(a, b):
    def luminance(colour):
        channels = [int(colour[i:i + 2], 16) / 255 for i in (1, 3, 5)]
        lin = [c / 12.92 if c <= 0.03928 else ((c + 0.055) / 1.055) ** 2.4 for c in channels]
        return 0.2126 * lin[0] + 0.7152 * lin[1] + 0.0722 * lin[2]

    hi, lo = sorted((luminance(a), luminance(b)), reverse=True)
    return (hi + 0.05) / (lo + 0.05)


class ThemeFile(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.text = read("x", "o.cjs").decode("utf-8")
        cls.values = parse_theme(cls.text)

    def test_starts_with_a_comment_header(self):
        self.assertTrue(self.text.startswith(";"))

    def test_every_key_is_given(self):
        wanted = {(s, k) for s, keys in THEME_KEYS.items() for k in keys}
        self.assertEqual(set(self.values), wanted)

    def test_captions_are_readable(self):
        v = self.values
        for text, face in ((("Frame", "Text"), ("Frame", "Face")),
                           (("PushButton", "Text"), ("PushButton", "Face")),
                           (("PushButton", "Text"), ("PushButton", "HotFace")),
                           (("PushButton", "Text"), ("PushButton", "PressedFace"))):
            self.assertGreaterEqual(contrast(v[text], v[face]), 4.5, "%s on %s" % (text, face))

    def test_buttons_show_hover_and_press(self):
        v = self.values
        faces = [v[("PushButton", k)] for k in ("Face", "HotFace", "PressedFace")]
        self.assertEqual(len(set(f.upper() for f in faces)), 3)
        self.assertGreaterEqual(contrast(v[("PushButton", "Border")], v[("PushButton", "Face")]), 2.0)

    def test_parser_rejects_what_the_program_would(self):
        for bad in ("[Window]\nFace = #12345", "[Window]\nFace = #1234567", "[Window]\nFace",
                    "[Window\nFace = #123456", "[Window]\nFace = #123456 ; note",
                    "[Window]\n= #123456", "[Window]\nFace = #GG0000"):
            with self.subTest(text=bad), self.assertRaises(ValueError):
                parse_theme(bad)


class DesktopEntry(unittest.TestCase):
    def test_required_keys(self):
        lines = read("quirebatch.desktop").decode("utf-8").splitlines()
        self.assertEqual(lines[0], "[Desktop Entry]")
        entry = {}
        for line in lines[1:]:
            if line and not line.startswith("#"):
                key, equals, value = line.partition("=")
                self.assertTrue(equals, line)
                self.assertNotIn(key, entry, "%s given twice" % key)
                entry[key] = value
        self.assertEqual(entry.get("Type"), "Application")
        self.assertEqual(entry.get("Name"), "Pallisand Quire Batch Utility")
        self.assertEqual(entry.get("Exec"), "quirebatch %f")  # a folder it is started for
        # Claiming folders would make the program their opener where no file manager does.
        self.assertNotIn("MimeType", entry)
        self.assertEqual(entry.get("Icon"), "quirebatch")
        self.assertEqual(entry.get("Terminal"), "false")
        self.assertTrue(entry.get("Comment"))
        self.assertTrue(entry.get("Categories", "").endswith(";"))
        self.assertLessEqual({"Utility", "FileTools"}, set(entry["Categories"].split(";")))

    @unittest.skipUnless(shutil.which("desktop-file-validate"), "desktop-file-validate not installed")
    def test_validator_accepts_it(self):
        run = subprocess.run(["desktop-file-validate", os.path.join(ASSETS, "quirebatch.desktop")],
                             capture_output=True, text=True)
        self.assertEqual(run.returncode, 0, run.stdout + run.stderr)


class SamplesFolder(unittest.TestCase):
    def test_readme_explains_the_folder(self):
        text = read("Samples", "README.txt").decode("utf-8")
        self.assertIn("Load Sample/Example Folder", text)


# --- Reproduction -----------------------------------------------------------------------------

def tree(folder):
    files = {}
    for base, _, names in os.walk(folder):
        for name in names:
            if name in NOT_GENERATED:
                continue
            path = os.path.join(base, name)
            with open(path, "rb") as f:
                files[os.path.relpath(path, folder).replace(os.sep, "/")] = f.read()
    return files


class Reproduction(unittest.TestCase):
    def test_generator_writes_the_committed_files(self):
        with tempfile.TemporaryDirectory() as out:
            subprocess.run([sys.executable, GENERATOR, out], check=True)
            fresh, committed = tree(out), tree(ASSETS)
        self.assertEqual(sorted(fresh), sorted(committed), "generated and committed file lists")
        stale = [path for path in sorted(fresh) if fresh[path] != committed[path]]
        self.assertEqual(stale, [], "run scripts/make-assets.py and commit the result "
                         "(compressed PNG data also depends on zlib %s)" % zlib.ZLIB_RUNTIME_VERSION)


if __name__ == "__main__":
    unittest.main(verbosity=2)
