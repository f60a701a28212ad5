#!/usr/bin/env python3
"""Writes mainicon.ico: one 32x32 image of 16 colours (4 bits per pixel).

The picture is a rounded play triangle on a blue tile, drawn from a formula
so that the file can be made again byte for byte.  Run from this folder.
"""
import struct

SIZE = 32
# The 16-colour VGA palette, as BGRA quads.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
    (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
    (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLUE, WHITE, GREY, DARK_BLUE = 12, 15, 7, 4


def pixel(x, y):
    """Colour index and opacity of the pixel at (x, y), y counted from the top."""
    corner = 5
    dx = max(corner - x, x - (SIZE - 1 - corner), 0)
    dy = max(corner - y, y - (SIZE - 1 - corner), 0)
    if dx * dx + dy * dy > corner * corner:
        return 0, False
    if x in (0, SIZE - 1) or y in (0, SIZE - 1) or dx * dx + dy * dy > (corner - 1) ** 2:
        return DARK_BLUE, True
    # Triangle pointing right: x from 11 to 23, narrowing towards the tip.
    if 11 <= x <= 23 and abs(y - 15.5) <= (23 - x) * 0.75:
        return WHITE, True
    return BLUE, True


def main():
    rows_xor, rows_and = [], []
    for y in reversed(range(SIZE)):  # DIBs are stored bottom-up
        row = bytearray()
        mask_bits = 0
        for x in range(0, SIZE, 2):
            left, left_opaque = pixel(x, y)
            right, right_opaque = pixel(x + 1, y)
            row.append(left << 4 | right)
        for x in range(SIZE):
            mask_bits = mask_bits << 1 | (0 if pixel(x, y)[1] else 1)
        rows_xor.append(bytes(row))
        rows_and.append(mask_bits.to_bytes(4, "big"))
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    image = header + palette + b"".join(rows_xor) + b"".join(rows_and)
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    with open("mainicon.ico", "wb") as f:
        f.write(directory + entry + image)


if __name__ == "__main__":
    main()
