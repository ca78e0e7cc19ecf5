#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Huewise team
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes legacy_colors.txt: values and how webcolors reads them as legacy colours.

Needs Debian's python3-webcolors (1.11): run with /usr/bin/python3.
The seed is fixed, so the file only changes when this script does.

Left out are the values on which webcolors 1.11 and browsers part ways,
so that each line is one both agree on (the C++ tests cover them by hand):
- Python's strip() also strips Unicode blanks such as U+00A0, where only
  tab, LF, FF, CR and space are stripped;
- Python's lower() folds non-ASCII letters such as U+212A KELVIN SIGN into
  a colour name, where names match in ASCII case only;
- its colour names predate rebeccapurple.
"""

import json
import random
import string
import sys

import webcolors

HTML_WHITESPACE = "\t\n\f\r "
NAMES = sorted(webcolors.CSS3_NAMES_TO_HEX)
HEX = string.hexdigits
JUNK = string.ascii_letters + string.digits + string.punctuation + " #"
NON_ASCII = ["\u00e9", "\u00df", "\u00ff", "\u4e2d", "\u00a0", "\u2028", "\ufeff", "\ufffd",
             "\U0001f600", "\U0001d11e", "\U00010000", "\ud800", "\udfff"]


def ascii_lower(text):
    return "".join(chr(ord(c) + 32) if "A" <= c <= "Z" else c for c in text)


def webcolors_agrees(value):
    stripped = value.strip(HTML_WHITESPACE)
    if value.strip() != stripped:
        return False
    known = set(NAMES) | {"transparent"}
    if stripped.lower() in known and ascii_lower(stripped) not in known:
        return False
    return ascii_lower(stripped) != "rebeccapurple"


def mixed_case(rng, text):
    return "".join(c.upper() if rng.random() < 0.5 else c.lower() for c in text)


def blanks(rng):
    return "".join(rng.choice(HTML_WHITESPACE) for _ in range(rng.randrange(3)))


def random_text(rng, alphabet, length):
    return "".join(rng.choice(alphabet) for _ in range(length))


def values(rng):
    yield ""
    yield from ["   ", "\t\n", "#", "##", "chucknorris", "ninjaturtle", "crap", "grass", "sick"]
    for _ in range(40):
        yield blanks(rng) + mixed_case(rng, rng.choice(NAMES)) + blanks(rng)
    for _ in range(6):
        yield blanks(rng) + mixed_case(rng, "transparent") + blanks(rng)
    for length in range(0, 13):
        for _ in range(6):
            yield rng.choice(["", "#"]) + random_text(rng, HEX, length)
    for _ in range(30):
        # Long values: thirds beyond eight digits, and the cut at 128.
        yield rng.choice(["", "#"]) + random_text(rng, HEX + "0000", rng.randrange(13, 300))
    for _ in range(60):
        yield random_text(rng, JUNK, rng.randrange(1, 20))
    for _ in range(60):
        pool = JUNK + HEX + "".join(NON_ASCII)
        yield rng.choice(["", "#"]) + "".join(rng.choice(pool) for _ in range(rng.randrange(1, 16)))
    for _ in range(30):
        # Characters beyond U+FFFF, which count as "00", near the cut at 128.
        text = random_text(rng, HEX, rng.randrange(110, 140))
        for _ in range(rng.randrange(1, 6)):
            at = rng.randrange(len(text) + 1)
            text = text[:at] + rng.choice(["\U0001f600", "\U0001d11e"]) + text[at:]
        yield rng.choice(["", "#"]) + text
    for _ in range(10):
        yield "#" + random_text(rng, HEX, 3) + rng.choice(NON_ASCII)


def expected(value):
    try:
        color = webcolors.html5_parse_legacy_color(value)
    except ValueError:
        return None
    return "%02X%02X%02X" % (color.red, color.green, color.blue)


def main():
    rng = random.Random(20240611)
    out = sys.stdout if len(sys.argv) < 2 else open(sys.argv[1], "w", encoding="ascii")
    out.write("# One case a line, JSON: [value, \"RRGGBB\"], or [value, null] where the value is refused;"
              " made by make_legacy_colors.py with webcolors %s.\n" % webcolors.__version__)
    seen = set()
    for value in values(rng):
        if value in seen or not webcolors_agrees(value):
            continue
        seen.add(value)
        out.write(json.dumps([value, expected(value)], ensure_ascii=True) + "\n")


if __name__ == "__main__":
    main()
