#!/usr/bin/env python3
"""Draws the program's icon, TARVEL.ico: a white glider seen from above on a
round blue sky, at 16, 24, 32, 48 (bitmaps) and 256 pixels (PNG).

    python3 packaging/windows/make_icon.py packaging/windows/TARVEL.ico

The shapes are drawn at 4x4 samples per pixel and averaged, so the edges are
smooth at every size; the output is the same bytes on every run.
"""
import struct
import sys
import zlib

SKY_TOP = (0x3A, 0x8D, 0xDE)
SKY_BOTTOM = (0x12, 0x4E, 0x9A)
RIM = (0x0B, 0x34, 0x6B)
GLIDER = (0xFF, 0xFF, 0xFF)


def inside_polygon(x, y, points):
    """Even-odd rule: whether (x, y) lies inside the closed polygon."""
    inside = False
    j = len(points) - 1
    for i, (xi, yi) in enumerate(points):
        xj, yj = points[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            inside = not inside
        j = i
    return inside


# The glider in a unit square (0..1, y down): long thin wings, a slender
# fuselage with a rounded nose, a T-tail.
WING = [(0.04, 0.43), (0.50, 0.37), (0.96, 0.43), (0.96, 0.47), (0.50, 0.45), (0.04, 0.47)]
FUSELAGE = [(0.47, 0.22), (0.50, 0.17), (0.53, 0.22), (0.52, 0.80), (0.48, 0.80)]
TAIL = [(0.36, 0.78), (0.64, 0.78), (0.64, 0.82), (0.36, 0.82)]
GLIDER_PARTS = (WING, FUSELAGE, TAIL)


def sample(x, y):
    """The colour (r, g, b, a) at a point of the unit square."""
    dx, dy = x - 0.5, y - 0.5
    r2 = dx * dx + dy * dy
    if r2 > 0.25:
        return (0, 0, 0, 0)
    if any(inside_polygon(x, y, part) for part in GLIDER_PARTS):
        return GLIDER + (255,)
    if r2 > 0.46 * 0.46:
        return RIM + (255,)
    t = y
    sky = tuple(round(a + (b - a) * t) for a, b in zip(SKY_TOP, SKY_BOTTOM))
    return sky + (255,)


def render(size, grid=4):
    """Rows of (r, g, b, a) pixels, top row first."""
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(grid):
                for sx in range(grid):
                    r, g, b, a = sample((px + (sx + 0.5) / grid) / size,
                                        (py + (sy + 0.5) / grid) / size)
                    acc[0] += r * a
                    acc[1] += g * a
                    acc[2] += b * a
                    acc[3] += a
            n = grid * grid
            alpha = acc[3] / n
            if acc[3]:
                row.append(tuple(round(c / acc[3]) for c in acc[:3]) + (round(alpha),))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def bmp_entry(rows):
    """A 32-bit icon image: the header (height doubled for the mask), the
    BGRA pixels bottom row first, then the 1-bit AND mask (all zero: the
    alpha channel decides)."""
    size = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for r, g, b, a in row)
    mask_stride = ((size + 31) // 32) * 4
    return header + pixels + bytes(mask_stride * size)


def png_entry(rows):
    size = len(rows)

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    raw = b"".join(b"\0" + b"".join(bytes(p) for p in row) for row in rows)
    return (b"\x89PNG\r\n\x1a\n" +
            chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    images = [(s, bmp_entry(render(s))) for s in (16, 24, 32, 48)]
    images.append((256, png_entry(render(256, grid=2))))
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b"".join(data for _, data in images)
    with open(sys.argv[1], "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main()
