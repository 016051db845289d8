#!/usr/bin/env python3
"""Draws the program's icon, res/hushcloak.ico: a window whose body holds a closed eye.

The 32 and 48 pixel images are rendered from the shapes below with 4 x 4 samples per pixel;
the 16 pixel image is set pixel by pixel so that it stays crisp. ImageMagick's convert packs
the three images into the icon file.
"""
import math
import os
import subprocess
import tempfile

FRAME = (0x1F, 0x3A, 0x5F)
BODY = (0xEE, 0xF3, 0xFA)

# The 16 pixel image: '#' frame, title bar and eye, '.' window body.
SMALL = [
    "                ",
    " ############## ",
    "################",
    "################",
    "#..............#",
    "#..............#",
    "#..............#",
    "#.#..........#.#",
    "#..#........#..#",
    "#...##....##...#",
    "#...#.####.#...#",
    "#..#...##...#..#",
    "#..............#",
    "#..............#",
    "################",
    "                ",
]

# Shapes on a 16-unit grid.
OUTER = (0.5, 1.5, 15.5, 14.5)
CORNER = 1.3
BORDER = 0.9
TITLE_BOTTOM = 4.4
LID = ((3.0, 7.4), (8.0, 13.0), (13.0, 7.4))
LID_WIDTH = 1.2
LASHES = (((5.4, 9.9), (4.5, 11.9)), ((8.0, 10.3), (8.0, 12.5)), ((10.6, 9.9), (11.5, 11.9)))
LASH_WIDTH = 0.9


def inside_rounded(x, y, box, radius):
    left, top, right, bottom = box
    if x < left or x > right or y < top or y > bottom:
        return False
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius


def distance_to_segment(x, y, a, b):
    ax, ay = a
    bx, by = b
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(x - (ax + t * dx), y - (ay + t * dy))


def lid_segments(steps=24):
    (x0, y0), (x1, y1), (x2, y2) = LID
    points = []
    for i in range(steps + 1):
        t = i / steps
        u = 1 - t
        points.append((u * u * x0 + 2 * u * t * x1 + t * t * x2,
                       u * u * y0 + 2 * u * t * y1 + t * t * y2))
    return list(zip(points, points[1:]))


def colour_at(x, y, lid):
    """The colour of one sample point, or None outside the icon."""
    if not inside_rounded(x, y, OUTER, CORNER):
        return None
    left, top, right, bottom = OUTER
    inner = (left + BORDER, TITLE_BOTTOM, right - BORDER, bottom - BORDER)
    if not inside_rounded(x, y, inner, max(0.1, CORNER - BORDER)):
        return FRAME
    if any(distance_to_segment(x, y, a, b) <= LID_WIDTH / 2 for a, b in lid):
        return FRAME
    if any(distance_to_segment(x, y, a, b) <= LASH_WIDTH / 2 for a, b in LASHES):
        return FRAME
    return BODY


def smooth_pixels(size):
    lid = lid_segments()
    scale = 16.0 / size
    samples = 4
    pixels = bytearray()
    for py in range(size):
        for px in range(size):
            red = green = blue = covered = 0
            for sy in range(samples):
                for sx in range(samples):
                    x = (px + (sx + 0.5) / samples) * scale
                    y = (py + (sy + 0.5) / samples) * scale
                    colour = colour_at(x, y, lid)
                    if colour:
                        red, green, blue = red + colour[0], green + colour[1], blue + colour[2]
                        covered += 1
            if covered:
                pixels += bytes((red // covered, green // covered, blue // covered,
                                 255 * covered // (samples * samples)))
            else:
                pixels += bytes(4)
    return pixels


def small_pixels():
    colours = {"#": FRAME, ".": BODY}
    pixels = bytearray()
    for row in SMALL:
        for cell in row:
            pixels += bytes((*colours[cell], 255)) if cell in colours else bytes(4)
    return pixels


def write_pam(path, size, pixels):
    header = (f"P7\nWIDTH {size}\nHEIGHT {size}\nDEPTH 4\nMAXVAL 255\n"
              "TUPLTYPE RGB_ALPHA\nENDHDR\n")
    with open(path, "wb") as file:
        file.write(header.encode("ascii") + bytes(pixels))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    with tempfile.TemporaryDirectory() as work:
        images = []
        for size in (16, 32, 48):
            path = os.path.join(work, f"{size}.pam")
            write_pam(path, size, small_pixels() if size == 16 else smooth_pixels(size))
            images.append(path)
        subprocess.run(["convert", *images, os.path.join(here, "hushcloak.ico")], check=True)


if __name__ == "__main__":
    main()
