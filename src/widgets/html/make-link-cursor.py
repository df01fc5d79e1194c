#!/usr/bin/env python3
"""Writes LinkCursor.cur: a 32x32 monochrome pointing hand, hot spot on the fingertip."""
import struct
import sys

# '#' black outline, '.' white fill, ' ' transparent.
ART = [
    "     ##",
    "    #..#",
    "    #..#",
    "    #..#",
    "    #..#",
    "    #..###",
    "    #..#..###",
    "    #..#..#..##",
    " ## #..#..#..#.#",
    "#..##........#..#",
    "#...#...........#",
    " #..............#",
    "  #.............#",
    "  #............#",
    "   #...........#",
    "   #..........#",
    "    #.........#",
    "    #........#",
    "     #.......#",
    "     #########",
]
SIZE = 32
HOTSPOT = (6, 0)


def rows():
    grid = [line.ljust(SIZE)[:SIZE] for line in ART] + [" " * SIZE] * (SIZE - len(ART))
    return grid


def pack(bits):
    out = bytearray()
    for i in range(0, SIZE, 8):
        byte = 0
        for b in bits[i:i + 8]:
            byte = (byte << 1) | b
        out.append(byte)
    return bytes(out)


def main(path):
    grid = rows()
    xor = b"".join(pack([1 if c == "." else 0 for c in row]) for row in reversed(grid))
    and_ = b"".join(pack([1 if c == " " else 0 for c in row]) for row in reversed(grid))
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 1, 0, len(xor) + len(and_), 0, 0, 2, 0)
    palette = struct.pack("<II", 0x000000, 0xFFFFFF)
    image = header + palette + xor + and_
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 2, 0, HOTSPOT[0], HOTSPOT[1], len(image), 6 + 16)
    with open(path, "wb") as f:
        f.write(directory + entry + image)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "LinkCursor.cur")
