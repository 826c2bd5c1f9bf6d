#!/usr/bin/env python3
"""Measures how text stands out on screen. For each area NAME=X,Y,W,H of
IMAGE it prints: NAME, the contrast ratio (WCAG) of the area's darkest pixel
(the text) to its most frequent one (the background behind the text), the
relative luminance of both, and both colours. Where the text covers more than
its background does (a large caption on a shaded button face), the area is
given as NAME=X,Y,W,H/X,Y,W,H: the background is then the most frequent
colour of the second rectangle.
Usage: contrast.py IMAGE AREA..."""
import re
import subprocess
import sys


def luminance(rgb):
    def linear(c):
        c /= 255
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4

    r, g, b = (linear(c) for c in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def colour_counts(image, rectangle):
    x, y, w, h = (int(v) for v in rectangle.split(","))
    histogram = subprocess.run(
        ["convert", image, "-crop", f"{w}x{h}+{x}+{y}", "+repage", "-format", "%c", "histogram:info:-"],
        check=True, capture_output=True, text=True).stdout
    for line in histogram.splitlines():
        match = re.match(r"\s*(\d+):\s*\((\d+),(\d+),(\d+)", line)
        if match:
            yield int(match[1]), tuple(int(v) for v in match.groups()[1:])


def rgb(colour):
    return "rgb(%d,%d,%d)" % colour


image = sys.argv[1]
for area in sys.argv[2:]:
    name, rectangles = area.split("=")
    text_area, _, back_area = rectangles.partition("/")
    text = min((colour for _, colour in colour_counts(image, text_area)), key=luminance)
    back = max(colour_counts(image, back_area or text_area))[1]
    fore_l, back_l = luminance(text), luminance(back)
    ratio = (max(fore_l, back_l) + 0.05) / (min(fore_l, back_l) + 0.05)
    print(f"{name} {ratio:.2f} {fore_l:.3f} {back_l:.3f} {rgb(text)} {rgb(back)}")
