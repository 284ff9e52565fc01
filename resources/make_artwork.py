#!/usr/bin/env python3
"""Draws the toolbar-offer pictures and the program icon.

Usage: make_artwork.py OUTPUT_FOLDER
Writes toolbar_ie.bmp, toolbar_firefox.bmp (405 x 60, 8 bits per pixel,
uncompressed, 256-colour palette, bottom-up, black around the framed
picture) and setup.ico (48, 32 and 16 pixels at 4, 8 and 32 bits per pixel).
Everything is drawn here from rectangles, so the output is the same on
every run.
"""
import os
import struct
import sys

BLACK = (0, 0, 0)

# The palette: the 16 standard VGA colours first, so the same indexes serve
# the 4-bit icon images, then the colours the pictures use.
VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128),
       (128, 0, 128), (0, 128, 128), (192, 192, 192), (128, 128, 128),
       (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255), (255, 0, 255),
       (0, 255, 255), (255, 255, 255)]
EXTRA = [(212, 208, 200), (236, 233, 216), (66, 110, 200), (40, 40, 40),
         (90, 90, 90), (170, 170, 170), (230, 238, 250), (225, 120, 30),
         (60, 150, 60), (200, 40, 40), (245, 190, 40), (52, 90, 170),
         (250, 250, 250), (150, 180, 230), (110, 60, 20), (255, 230, 160)]
PALETTE = VGA + EXTRA + [(0, 0, 0)] * (256 - len(VGA) - len(EXTRA))


class Canvas:
    def __init__(self, width, height, fill=BLACK):
        self.width, self.height = width, height
        self.pixels = [[fill] * width for _ in range(height)]

    def rect(self, x, y, w, h, colour):
        for row in range(max(0, y), min(self.height, y + h)):
            for col in range(max(0, x), min(self.width, x + w)):
                self.pixels[row][col] = colour

    def frame(self, x, y, w, h, colour, thickness=1):
        self.rect(x, y, w, thickness, colour)
        self.rect(x, y + h - thickness, w, thickness, colour)
        self.rect(x, y, thickness, h, colour)
        self.rect(x + w - thickness, y, thickness, h, colour)

    def text_line(self, x, y, w, colour):
        # Words as short bars, a stand-in for lettering at this size.
        col = x
        word = 0
        while col < x + w:
            length = 6 + (word * 7) % 13
            self.rect(col, y, min(length, x + w - col), 3, colour)
            col += length + 3
            word += 1


def palette_index(colour):
    return PALETTE.index(colour)


def toolbar_picture(browser):
    """A browser's address bar with the toolbar below it, outlined in blue."""
    c = Canvas(405, 60)
    face, dark = EXTRA[0], EXTRA[3]
    c.rect(6, 4, 393, 52, face)
    # address bar row
    if browser == "ie":
        c.rect(10, 8, 40, 12, face)
        c.text_line(12, 12, 36, dark)
        logo = EXTRA[11]
    else:
        c.rect(10, 8, 14, 12, EXTRA[7])
        c.rect(14, 11, 6, 6, EXTRA[14])
        logo = EXTRA[7]
    c.rect(54, 8, 330, 12, (250, 250, 250))
    c.frame(54, 8, 330, 12, EXTRA[4])
    c.rect(57, 11, 6, 6, logo)
    c.text_line(67, 12, 140, EXTRA[4])
    c.rect(386, 8, 10, 12, EXTRA[8])
    # the toolbar, outlined in blue
    c.rect(9, 25, 387, 26, EXTRA[6])
    c.frame(9, 25, 387, 26, EXTRA[2], 2)
    letters = [EXTRA[11], EXTRA[9], EXTRA[10], EXTRA[11], EXTRA[8], EXTRA[9]]
    for i, colour in enumerate(letters):
        c.rect(15 + i * 7, 31, 5, 14, colour)
    c.rect(62, 31, 110, 14, (250, 250, 250))
    c.frame(62, 31, 110, 14, EXTRA[4])
    c.text_line(66, 36, 60, EXTRA[5])
    for i in range(5):
        x = 182 + i * 42
        c.rect(x, 32, 10, 12, letters[i % len(letters)])
        c.text_line(x + 13, 37, 24, dark)
    return c


def bitmap_file(canvas):
    """An uncompressed 8-bit bitmap over the whole 256-colour palette."""
    row_bytes = (canvas.width + 3) & ~3
    image = bytearray()
    for row in reversed(canvas.pixels):  # bottom-up
        line = bytes(palette_index(p) for p in row)
        image += line + b"\0" * (row_bytes - len(line))
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    header = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 8,
                         0, len(image), 2835, 2835, 256, 0)
    offset = 14 + len(header) + len(palette)
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(image), 0, 0, offset)
    return file_header + header + palette + bytes(image)


def icon_picture(size):
    """An archive box: a brown carton with a bright band and a clasp."""
    c = Canvas(size, size, None)
    unit = size / 16.0

    def r(x, y, w, h, colour):
        c.rect(int(x * unit), int(y * unit), max(1, int(w * unit)), max(1, int(h * unit)), colour)

    r(1, 3, 14, 12, VGA[3])
    r(2, 4, 12, 10, VGA[11])
    r(1, 3, 14, 1, VGA[8])
    r(1, 14, 14, 1, VGA[8])
    r(7, 3, 2, 12, VGA[12])
    r(6, 7, 4, 3, VGA[15])
    r(7, 8, 2, 1, VGA[0])
    return c


def nearest_vga(colour):
    return min(range(16), key=lambda i: sum((a - b) ** 2 for a, b in zip(VGA[i], colour)))


def icon_image(size, bits):
    picture = icon_picture(size)
    rows = list(reversed(picture.pixels))
    if bits == 32:
        pixels = b"".join(
            struct.pack("<BBBB", p[2], p[1], p[0], 255) if p else b"\0\0\0\0"
            for row in rows for p in row)
        colours = b""
    else:
        count = 1 << bits
        colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE[:count])
        row_bytes = ((size * bits + 31) // 32) * 4
        data = bytearray()
        for row in rows:
            indexes = [nearest_vga(p) if p else 0 for p in row]
            if bits == 4:
                line = bytes((indexes[i] << 4) | (indexes[i + 1] if i + 1 < size else 0)
                             for i in range(0, size, 2))
            else:
                line = bytes(indexes)
            data += line + b"\0" * (row_bytes - len(line))
        pixels = bytes(data)
    mask_row = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in rows:
        bits_row = bytearray(mask_row)
        for x, p in enumerate(row):
            if p is None:
                bits_row[x // 8] |= 0x80 >> (x % 8)
        mask += bits_row
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0,
                         len(pixels) + len(mask), 0, 0, 0 if bits == 32 else 1 << bits, 0)
    return header + colours + pixels + bytes(mask)


def icon_file():
    entries = [(size, bits) for size in (48, 32, 16) for bits in (4, 8, 32)]
    images = [icon_image(size, bits) for size, bits in entries]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for (size, bits), data in zip(entries, images):
        colours = 0 if bits == 32 else (16 if bits == 4 else 0)
        out += struct.pack("<BBBBHHII", size, size, colours, 0, 1, bits, len(data), offset)
        offset += len(data)
    return out + b"".join(images)


def main():
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    outputs = {
        "toolbar_ie.bmp": bitmap_file(toolbar_picture("ie")),
        "toolbar_firefox.bmp": bitmap_file(toolbar_picture("firefox")),
        "setup.ico": icon_file(),
    }
    for name, data in outputs.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
