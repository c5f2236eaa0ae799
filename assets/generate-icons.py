#!/usr/bin/env python3
"""Draws Mixora's logo and program icon and writes them as .ico, .png and .xpm.

The artwork is a concrete block beside a round column, drawn from shapes
scaled to each size, in the standard 16-colour palette. Run it from this
folder after changing the artwork; the outputs are committed.
"""
import struct
import zlib

# The standard 16-colour palette, as (r, g, b).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, NAVY, SILVER, GRAY, YELLOW, WHITE = 0, 4, 7, 8, 11, 15
TRANSPARENT = None


def inside_polygon(x, y, points):
    hit = False
    j = len(points) - 1
    for i, (xi, yi) in enumerate(points):
        xj, yj = points[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            hit = not hit
        j = i
    return hit


def inside_ellipse(x, y, cx, cy, rx, ry):
    return ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1


# Each region: (test on unit coordinates, colour); later regions lie on top.
REGIONS = [
    (lambda x, y: inside_polygon(x, y, [(0.04, 0.56), (0.58, 0.56), (0.58, 0.94), (0.04, 0.94)]), GRAY),
    (lambda x, y: inside_polygon(x, y, [(0.04, 0.56), (0.20, 0.42), (0.74, 0.42), (0.58, 0.56)]), SILVER),
    (lambda x, y: inside_polygon(x, y, [(0.58, 0.56), (0.74, 0.42), (0.74, 0.80), (0.58, 0.94)]), BLACK),
    (lambda x, y: 0.60 <= x <= 0.96 and 0.14 <= y <= 0.86, SILVER),
    (lambda x, y: inside_ellipse(x, y, 0.78, 0.86, 0.18, 0.08), SILVER),
    (lambda x, y: 0.80 <= x <= 0.96 and 0.14 <= y <= 0.86, GRAY),
    (lambda x, y: inside_ellipse(x, y, 0.78, 0.14, 0.18, 0.08), WHITE),
    (lambda x, y: 0.10 <= x <= 0.52 and 0.70 <= y <= 0.76, YELLOW),
]


def draw(size, two_colour=False):
    """Returns rows of palette indices, or TRANSPARENT, outlined in black."""
    def region_at(px, py):
        x, y = (px + 0.5) / size, (py + 0.5) / size
        found = TRANSPARENT
        for number, (test, _) in enumerate(REGIONS):
            if test(x, y):
                found = number
        return found

    regions = [[region_at(px, py) for px in range(size)] for py in range(size)]
    image = []
    for py in range(size):
        row = []
        for px in range(size):
            region = regions[py][px]
            if region is None:
                row.append(TRANSPARENT)
                continue
            edge = any(
                not (0 <= px + dx < size and 0 <= py + dy < size)
                or regions[py + dy][px + dx] is None
                for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
            colour = REGIONS[region][1]
            if two_colour:
                colour = BLACK if edge or colour in (BLACK, GRAY) else WHITE
            elif edge:
                colour = BLACK
            row.append(colour)
        image.append(row)
    return image


def pack_rows(image, bits):
    """Bottom-up rows of palette indices, each padded to four bytes."""
    out = b""
    for row in reversed(image):
        value, count, data = 0, 0, bytearray()
        for pixel in row:
            index = pixel if pixel is not None else 0
            if bits == 1:
                index = 1 if index == WHITE else 0
            value = (value << bits) | index
            count += bits
            if count == 8:
                data.append(value)
                value, count = 0, 0
        while len(data) % 4:
            data.append(0)
        out += bytes(data)
    return out


def mask_rows(image):
    out = b""
    for row in reversed(image):
        data = bytearray((len(row) + 7) // 8)
        for x, pixel in enumerate(row):
            if pixel is None:
                data[x // 8] |= 0x80 >> (x % 8)
        while len(data) % 4:
            data.append(0)
        out += bytes(data)
    return out


def ico_image(image, bits):
    size = len(image)
    colours = [PALETTE[BLACK], PALETTE[WHITE]] if bits == 1 else PALETTE
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0, 0, 0, 0, len(colours), 0)
    palette = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in colours)
    return header + palette + pack_rows(image, bits) + mask_rows(image)


def write_ico(path, entries):
    """entries: (image, bits per pixel)."""
    blobs = [ico_image(image, bits) for image, bits in entries]
    offset = 6 + 16 * len(entries)
    data = struct.pack("<HHH", 0, 1, len(entries))
    for (image, bits), blob in zip(entries, blobs):
        size = len(image)
        data += struct.pack("<BBBBHHII", size, size, 1 << bits, 0, 1, bits, len(blob), offset)
        offset += len(blob)
    with open(path, "wb") as f:
        f.write(data + b"".join(blobs))


def write_png(path, image):
    size = len(image)
    raw = b""
    for row in image:
        raw += b"\0" + b"".join(
            bytes((0, 0, 0, 0)) if pixel is None else bytes(PALETTE[pixel] + (255,)) for pixel in row)

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        f.write(chunk(b"IEND", b""))


def write_xpm(path, name, image):
    """The 16-colour image as XPM source, which the program compiles in: Qt
    reads it without an image plugin and without touching a file."""
    size = len(image)
    keys = "0123456789abcdef"
    lines = [f'"{size} {size} 17 1"', '"  c None"']
    lines += [f'"{keys[i]} c #{r:02x}{g:02x}{b:02x}"' for i, (r, g, b) in enumerate(PALETTE)]
    lines += ['"' + "".join(" " if pixel is None else keys[pixel] for pixel in row) + '"' for row in image]
    with open(path, "w") as f:
        f.write(f"/* XPM */\nstatic const char *const {name}[] = {{\n")
        f.write(",\n".join(lines) + "};\n")


if __name__ == "__main__":
    write_ico("logo.ico", [(draw(32), 4)])
    write_ico("mixora.ico", [(draw(32, two_colour=True), 1), (draw(32), 4), (draw(16), 4)])
    for size in (16, 32, 48, 64, 128, 256):
        write_png(f"icons/mixora-{size}.png", draw(size))
    for size in (16, 32):
        write_xpm(f"mixora-{size}.xpm", f"mixora_{size}_xpm", draw(size))
