#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Huewise team
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes css_colors.txt: CSS colour values and the colour each one names.

Needs Debian's python3-webcolors (1.11): run with /usr/bin/python3.
The seed is fixed, so the file only changes when this script does.

webcolors gives the named colours, hex and rgb() levels; Python's own
colorsys gives hsl(). Left out are levels that fall on or next to a half:
browsers round those up, webcolors rounds them to even, and colorsys and
the C++ code may land on either side of one. The C++ tests cover them by hand.
"""

import colorsys
import json
import random
import string
import sys
from fractions import Fraction

import webcolors

NAMES = sorted(webcolors.CSS3_NAMES_TO_HEX)
HEX = string.hexdigits
BLANKS = ["", " ", "  ", "\t", "\n"]


def mixed_case(rng, text):
    return "".join(c.upper() if rng.random() < 0.5 else c.lower() for c in text)


def blank(rng):
    return rng.choice(BLANKS)


def hex_of(rgb):
    return "%02X%02X%02X" % tuple(rgb)


def near_half(value):
    return abs(value - int(value) - 0.5) < 1e-6


def names(rng):
    for name in NAMES:
        yield blank(rng) + mixed_case(rng, name) + blank(rng), hex_of(webcolors.name_to_rgb(name))
    for name in ["chucknorris", "transparent", "currentColor", "inherit", "grey1", "reddish", "", "red blue"]:
        try:
            yield name, hex_of(webcolors.name_to_rgb(name))
        except ValueError:
            yield name, None


def hexes(rng):
    for _ in range(120):
        length = rng.randrange(1, 10)
        digits = "".join(rng.choice(HEX) for _ in range(length))
        if rng.random() < 0.15:
            at = rng.randrange(length)
            digits = digits[:at] + rng.choice("gxz-.#") + digits[at + 1:]
        value = "#" + digits
        # Alpha digits are dropped: #rgba reads as #rgb, #rrggbbaa as #rrggbb.
        colour_digits = {3: 3, 4: 3, 6: 6, 8: 6}.get(length)
        try:
            if colour_digits is None or any(c not in HEX for c in digits):
                raise ValueError(value)
            yield value, hex_of(webcolors.hex_to_rgb("#" + digits[:colour_digits]))
        except ValueError:
            yield value, None


def alpha(rng, comma):
    choice = rng.randrange(4)
    if choice == 0:
        return ""
    amount = rng.choice(["0", "0.5", "1", ".25", "40%", "100%"])
    return ("," if comma else " /") + blank(rng) + amount


def function(rng, name, parts, comma):
    separator = "," if comma else " "
    inner = separator.join(blank(rng) + part + blank(rng) for part in parts)
    if not comma:
        inner = " ".join(parts)
    return mixed_case(rng, name) + "(" + blank(rng) + inner + alpha(rng, comma) + blank(rng) + ")"


def rgb_integers(rng):
    for _ in range(100):
        levels = [rng.randrange(-40, 300) for _ in range(3)]
        comma = rng.random() < 0.5
        name = rng.choice(["rgb", "rgba"])
        yield function(rng, name, [str(level) for level in levels], comma), \
            hex_of(webcolors.normalize_integer_triplet(levels))


def rgb_percentages(rng):
    count = 0
    while count < 100:
        percents = [rng.choice([str(rng.randrange(-10, 111)), "%.1f" % rng.uniform(0, 100),
                                "%.2f" % rng.uniform(0, 100)]) for _ in range(3)]
        clipped = [min(max(Fraction(p), 0), 100) for p in percents]
        if any(near_half(float(p * 255 / 100)) for p in clipped):
            continue
        comma = rng.random() < 0.5
        name = rng.choice(["rgb", "rgba"])
        triplet = webcolors.rgb_percent_to_rgb(tuple(p + "%" for p in percents))
        yield function(rng, name, [p + "%" for p in percents], comma), hex_of(triplet)
        count += 1


def hue_text(rng, degrees):
    unit = rng.choice(["", "deg", "turn", "grad"])
    if unit == "turn":
        return repr(degrees / 360) + mixed_case(rng, unit)
    if unit == "grad":
        return repr(degrees * 400 / 360) + mixed_case(rng, unit)
    return str(degrees) + mixed_case(rng, unit)


def hsl(rng):
    count = 0
    while count < 100:
        degrees = rng.choice([rng.randrange(-360, 720), rng.randrange(0, 8) * 45])
        saturation = rng.randrange(0, 101)
        lightness = rng.randrange(0, 101)
        levels = colorsys.hls_to_rgb((degrees % 360) / 360, lightness / 100, saturation / 100)
        scaled = [level * 255 for level in levels]
        if any(near_half(level) for level in scaled):
            continue
        hue = hue_text(rng, degrees)
        comma = rng.random() < 0.5
        name = rng.choice(["hsl", "hsla"])
        parts = [hue, str(saturation) + "%", str(lightness) + "%"]
        yield function(rng, name, parts, comma), hex_of(int(level + 0.5) for level in scaled)
        count += 1


def main():
    rng = random.Random(20240612)
    out = sys.stdout if len(sys.argv) < 2 else open(sys.argv[1], "w", encoding="ascii")
    out.write("# One case a line, JSON: [value, \"RRGGBB\"], or [value, null] where the value is no colour;"
              " made by make_css_colors.py with webcolors %s.\n" % webcolors.__version__)
    seen = set()
    for generate in (names, hexes, rgb_integers, rgb_percentages, hsl):
        for value, colour in generate(rng):
            if value in seen:
                continue
            seen.add(value)
            out.write(json.dumps([value, colour], ensure_ascii=True) + "\n")


if __name__ == "__main__":
    main()
