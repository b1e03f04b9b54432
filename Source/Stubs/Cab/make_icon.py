#!/usr/bin/env python3
"""Draws the stub's program icon and writes Stub.ico: a blue cabinet drawer
with a yellow arrow pointing down out of it (extract), in five images:
16, 32 and 48 pixels with 16 colours, and 16 and 32 pixels with 256 colours.

The picture is described in a 16 x 16 unit square and sampled at each size,
so every image shows the same icon. Run it to regenerate Stub.ico."""
import struct
import sys

# The 16-colour palette (the classic VGA order), as (B, G, R, 0).
PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
           (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
           (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
BLACK, NAVY, GREY, BLUE, YELLOW, WHITE, OLIVE, SILVER = 0, 4, 8, 12, 11, 15, 3, 7
# (R, G, B) in the table above is stored as (B, G, R) below.
PALETTE_BGR = [(b, g, r) for (r, g, b) in PALETTE]


def colour_at(u, v):
    """Colour index at unit coordinates (u, v) in [0, 16), or None (clear)."""
    # Arrow: a shaft and a head pointing down, over the drawer.
    if 6.5 <= u < 9.5 and 0.5 <= v < 7:
        return YELLOW if 7 <= u < 9 and v >= 1 else BLACK
    if 7 <= v < 11 and abs(u - 8) <= (11 - v) + 0.5:
        inner = abs(u - 8) <= (11 - v) - 0.7 and v >= 7.5
        return YELLOW if inner else BLACK
    # Drawer body with a lid line and a handle.
    if 1 <= u < 15 and 6 <= v < 15:
        if u < 1.8 or u >= 14.2 or v < 6.8 or v >= 14.2:
            return BLACK
        if 11.5 <= v < 12.5 and 6 <= u < 10:
            return SILVER
        if v < 8.5:
            return BLUE
        return NAVY
    return None


def render(size):
    pixels = []
    for y in range(size):
        row = []
        for x in range(size):
            u = (x + 0.5) * 16.0 / size
            v = (y + 0.5) * 16.0 / size
            row.append(colour_at(u, v))
        pixels.append(row)
    return pixels


def dib(size, bits):
    """One icon image: BITMAPINFOHEADER, palette, XOR bits, AND mask."""
    pixels = render(size)
    colours = 16 if bits == 4 else 256
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, bits, 0, 0, 0, 0, 0, 0)
    palette = b''.join(bytes((b, g, r, 0)) for (b, g, r) in PALETTE_BGR)
    palette += b'\0' * (4 * colours - len(palette))
    xor = b''
    mask = b''
    for row in reversed(pixels):  # bottom-up
        line = bytearray()
        if bits == 4:
            for x in range(0, size, 2):
                a = row[x] or 0
                b = row[x + 1] or 0
                line.append(a << 4 | b)
        else:
            line.extend((c or 0) for c in row)
        while len(line) % 4:
            line.append(0)
        xor += bytes(line)
        m = bytearray((size + 31) // 32 * 4)
        for x, c in enumerate(row):
            if c is None:
                m[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(m)
    return header + palette + xor + mask


def main(path):
    images = [(16, 4), (32, 4), (48, 4), (16, 8), (32, 8)]
    blobs = [dib(s, b) for (s, b) in images]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for (size, bits), blob in zip(images, blobs):
        out += struct.pack('<BBBBHHII', size, size, 16 if bits == 4 else 0, 0, 1, bits,
                           len(blob), offset)
        offset += len(blob)
    out += b''.join(blobs)
    with open(path, 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'Stub.ico')
