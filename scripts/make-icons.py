#!/usr/bin/env python3
"""Draws the settings tool's icons (a tape cassette) as .ico files.

Usage: make-icons.py OUTDIR
Writes OUTDIR/mainframe.ico (the program's icon: 32 and 16 pixels at 16
colours) and OUTDIR/settings.ico (the dialog's icon: 48, 32, 16 at 256
colours; 64, 48 at 32 bits; 32 at 24 bits; 16 at 32 bits).
Standard library only, so the build needs nothing more than python3.
"""
import os
import struct
import sys

BODY = (52, 64, 88)
EDGE = (24, 30, 44)
LABEL = (236, 230, 206)
STRIPE = (224, 118, 32)
REEL = (246, 246, 246)
HUB = (40, 40, 40)
TAPE = (110, 70, 40)
GUARD = (128, 132, 144)
COLOURS = [BODY, EDGE, LABEL, STRIPE, REEL, HUB, TAPE, GUARD]

# The 16 colours of the standard VGA palette.
VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
       (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
       (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def inside_rounded(u, v, x0, y0, x1, y1, r):
    if not (x0 <= u <= x1 and y0 <= v <= y1):
        return False
    cx = min(max(u, x0 + r), x1 - r)
    cy = min(max(v, y0 + r), y1 - r)
    return (u - cx) ** 2 + (v - cy) ** 2 <= r * r


def colour_at(u, v):
    """Colour of the picture at (u, v) in the unit square, or None."""
    for cx in (0.33, 0.67):
        d2 = (u - cx) ** 2 + (v - 0.44) ** 2
        if d2 <= 0.055 ** 2:
            return HUB
        if d2 <= 0.125 ** 2:
            return REEL
    if 0.40 <= u <= 0.60 and 0.39 <= v <= 0.49:
        return TAPE
    # the lower guard, a trapezoid at the foot of the cassette
    if 0.66 <= v <= 0.84:
        half = 0.22 + (v - 0.66) * 0.5
        if abs(u - 0.5) <= half and v >= 0.68:
            return GUARD
    if inside_rounded(u, v, 0.14, 0.24, 0.86, 0.62, 0.04):
        return STRIPE if v <= 0.30 else LABEL
    if inside_rounded(u, v, 0.08, 0.18, 0.92, 0.84, 0.07):
        return BODY
    if inside_rounded(u, v, 0.05, 0.15, 0.95, 0.87, 0.09):
        return EDGE
    return None


def render(size, samples):
    """Rows top-down of (r, g, b, a), averaged over samples x samples."""
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(samples):
                for sx in range(samples):
                    c = colour_at((x + (sx + 0.5) / samples) / size, (y + (sy + 0.5) / samples) / size)
                    if c is not None:
                        acc[0] += c[0]
                        acc[1] += c[1]
                        acc[2] += c[2]
                        acc[3] += 1
            n = acc[3]
            if n == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append((acc[0] // n, acc[1] // n, acc[2] // n, 255 * n // (samples * samples)))
        rows.append(row)
    return rows


def nearest(palette, c):
    return min(range(len(palette)), key=lambda i: sum((palette[i][k] - c[k]) ** 2 for k in range(3)))


def pad4(data):
    return data + b"\0" * (-len(data) % 4)


def and_mask(rows):
    out = b""
    for row in reversed(rows):
        bits = bytearray((len(row) + 7) // 8)
        for x, p in enumerate(row):
            if p[3] < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        out += pad4(bytes(bits))
    return out


def image(size, bits):
    """A device-independent icon image: header, palette, colour and mask."""
    rows = render(size, 1 if bits <= 8 else 4)
    if bits <= 8:
        palette = VGA if bits == 4 else COLOURS + [(0, 0, 0)] * (256 - len(COLOURS))
        xor = b""
        for row in reversed(rows):
            idx = [nearest(palette, p) if p[3] >= 128 else 0 for p in row]
            if bits == 4:
                line = bytes((idx[i] << 4) | (idx[i + 1] if i + 1 < len(idx) else 0) for i in range(0, len(idx), 2))
            else:
                line = bytes(idx)
            xor += pad4(line)
        pal = b"".join(struct.pack("<BBBB", c[2], c[1], c[0], 0) for c in palette)
    else:
        pal = b""
        xor = b""
        for row in reversed(rows):
            if bits == 32:
                line = b"".join(struct.pack("<BBBB", p[2], p[1], p[0], p[3]) for p in row)
            else:
                line = b"".join(struct.pack("<BBB", p[2], p[1], p[0]) if p[3] >= 128 else b"\0\0\0"
                                for p in row)
            xor += pad4(line)
    mask = and_mask(rows)
    colours = len(pal) // 4
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0, len(xor) + len(mask), 0, 0, colours, 0)
    return header + pal + xor + mask


def ico(images):
    """images: list of (size, bits)."""
    count = len(images)
    blobs = [image(s, b) for s, b in images]
    out = struct.pack("<HHH", 0, 1, count)
    offset = 6 + 16 * count
    for (size, bits), blob in zip(images, blobs):
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 16 if bits == 4 else 0, 0, 1, bits, len(blob), offset)
        offset += len(blob)
    return out + b"".join(blobs)


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make-icons.py OUTDIR")
    outdir = sys.argv[1]
    os.makedirs(outdir, exist_ok=True)
    icons = {
        "mainframe.ico": [(32, 4), (16, 4)],
        "settings.ico": [(48, 8), (32, 8), (16, 8), (64, 32), (48, 32), (32, 24), (16, 32)],
    }
    for name, images in icons.items():
        path = os.path.join(outdir, name)
        tmp = path + ".tmp"
        with open(tmp, "wb") as f:
            f.write(ico(images))
        os.replace(tmp, path)


if __name__ == "__main__":
    main()
