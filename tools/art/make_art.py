#!/usr/bin/env python3
"""Writes the program's icon and button glyphs (src/app/res). Run again after a change."""
import os
import struct

OUT = os.path.join(os.path.dirname(__file__), "..", "..", "src", "app", "res")
FACE = (192, 192, 192)  # mapped to the button face colour when loaded


def inside_triangle(x, y, size):
    # A right-pointing triangle, the "start" sign.
    top, bottom, left, right = 3, size - 4, 5, size - 4
    if x < left or x > right or y < top or y > bottom:
        return False
    mid = (top + bottom) / 2
    half = (bottom - top) / 2 * (right - x) / (right - left)
    return abs(y - mid) <= half


def inside_square(x, y, size):
    return 4 <= x <= size - 5 and 4 <= y <= size - 5


def glyph(shape, colour, enabled, size=16):
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            pixel = FACE
            if enabled and shape(x, y, size):
                pixel = colour
            elif not enabled:
                if shape(x, y, size):
                    pixel = (128, 128, 128)
                elif shape(x - 1, y - 1, size):
                    pixel = (255, 255, 255)
            row.append(pixel)
        rows.append(row)
    return rows


def write_bmp(name, rows):
    height, width = len(rows), len(rows[0])
    stride = (width * 3 + 3) & ~3
    pixels = b""
    for row in reversed(rows):
        line = b"".join(struct.pack("BBB", b, g, r) for (r, g, b) in row)
        pixels += line + b"\0" * (stride - len(line))
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    file_header = struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(pixels), 0, 0, 54)
    with open(os.path.join(OUT, name), "wb") as out:
        out.write(file_header + header + pixels)


def icon_image(size):
    # A blue tile with a white speaker: the announcer.
    data = b""
    for y in reversed(range(size)):
        for x in range(size):
            u, v = x / size, y / size
            r, g, b, a = 30, 90, 170, 255
            if u < 0.06 or u > 0.94 or v < 0.06 or v > 0.94:
                a = 0
            body = 0.22 <= u <= 0.40 and 0.38 <= v <= 0.62
            cone = 0.40 <= u <= 0.62 and abs(v - 0.5) <= 0.12 + (u - 0.40) * 1.2
            wave = 0.70 <= u <= 0.78 and abs(v - 0.5) <= 0.28
            if body or cone or wave:
                r, g, b = 255, 255, 255
            data += struct.pack("BBBB", b, g, r, a)
    mask_stride = ((size + 31) // 32) * 4
    mask = b"\0" * (mask_stride * size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(data) + len(mask), 0, 0, 0, 0)
    return header + data + mask


def write_ico(name, sizes):
    images = [icon_image(s) for s in sizes]
    offset = 6 + 16 * len(images)
    directory = b""
    for size, image in zip(sizes, images):
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    with open(os.path.join(OUT, name), "wb") as out:
        out.write(struct.pack("<HHH", 0, 1, len(images)) + directory + b"".join(images))


if __name__ == "__main__":
    os.makedirs(OUT, exist_ok=True)
    write_bmp("start.bmp", glyph(inside_triangle, (0, 150, 0), True))
    write_bmp("start_off.bmp", glyph(inside_triangle, (0, 150, 0), False))
    write_bmp("stop.bmp", glyph(inside_square, (200, 0, 0), True))
    write_bmp("stop_off.bmp", glyph(inside_square, (200, 0, 0), False))
    write_ico("lumo.ico", [16, 32, 48])
