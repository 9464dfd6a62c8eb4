#!/usr/bin/env python3
"""Writes hand.cur, the pointing-hand cursor of the link labels: a 32 x 32
monochrome cursor with its hot spot on the tip of the index finger.
Run from this folder: python3 make_hand_cursor.py"""
import struct

# '#' outline (black), '.' fill (white), anything else transparent.
ART = """
     ##
    #..#
    #..#
    #..#
    #..#
    #..###
    #..#..###
    #..#..#..##
    #..#..#..#.#
 ## #........#
#..##........#
#...#........#
 #...........#
  #..........#
  #.........#
   #........#
    #......#
    #......#
    ########
"""

WIDTH = HEIGHT = 32
HOTSPOT = (5, 1)


def rows():
    lines = ART.strip("\n").split("\n")
    grid = [line.ljust(WIDTH)[:WIDTH] for line in lines]
    return grid + [" " * WIDTH] * (HEIGHT - len(grid))


def pack(bits):
    out = bytearray()
    for i in range(0, WIDTH, 8):
        byte = 0
        for bit in bits[i:i + 8]:
            byte = (byte << 1) | bit
        out.append(byte)
    return bytes(out)


def main():
    grid = rows()
    xor = b"".join(pack([1 if c == "." else 0 for c in row]) for row in reversed(grid))
    mask = b"".join(pack([0 if c in "#." else 1 for c in row]) for row in reversed(grid))
    header = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT * 2, 1, 1, 0, len(xor) + len(mask), 0, 0, 2, 0)
    palette = struct.pack("<II", 0x000000, 0xFFFFFF)
    image = header + palette + xor + mask
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", WIDTH, HEIGHT, 2, 0, HOTSPOT[0], HOTSPOT[1], len(image), 6 + 16)
    with open("hand.cur", "wb") as f:
        f.write(directory + entry + image)


if __name__ == "__main__":
    main()
