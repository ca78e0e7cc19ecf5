#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Huewise team
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes vision_pairs.txt: colours with how they look with protanopia,
deuteranopia and tritanopia as Debian's python3-colorspacious simulates them
(Machado et al. 2009 at severity 100), an implementation independent of ours.
Rerun to regenerate; the seed keeps the colours fixed."""
import os
import random

import colorspacious
import numpy as np

HTML_COLOURS = [
    (0x00, 0x00, 0x00), (0xC0, 0xC0, 0xC0), (0x80, 0x80, 0x80), (0xFF, 0xFF, 0xFF),  # black silver gray white
    (0x80, 0x00, 0x00), (0xFF, 0x00, 0x00), (0x80, 0x00, 0x80), (0xFF, 0x00, 0xFF),  # maroon red purple fuchsia
    (0x00, 0x80, 0x00), (0x00, 0xFF, 0x00), (0x80, 0x80, 0x00), (0xFF, 0xFF, 0x00),  # green lime olive yellow
    (0x00, 0x00, 0x80), (0x00, 0x00, 0xFF), (0x00, 0x80, 0x80), (0x00, 0xFF, 0xFF),  # navy blue teal aqua
]
CVD_TYPES = ["protanomaly", "deuteranomaly", "tritanomaly"]


def seen(rgb, cvd_type):
    space = {"name": "sRGB1+CVD", "cvd_type": cvd_type, "severity": 100}
    out = colorspacious.cspace_convert(np.array(rgb) / 255.0, space, "sRGB1")
    return [int(v) for v in np.round(np.clip(out, 0.0, 1.0) * 255.0)]


random.seed(20261212)
colours = HTML_COLOURS + [tuple(random.randrange(256) for _ in range(3)) for _ in range(300)]
here = os.path.dirname(os.path.abspath(__file__))
with open(os.path.join(here, "vision_pairs.txt"), "w") as out:
    out.write("# colour protanopia deuteranopia tritanopia (RRGGBB, from python3-colorspacious sRGB1+CVD,"
              " severity 100)\n")
    for rgb in colours:
        out.write(" ".join("%02X%02X%02X" % tuple(c) for c in [rgb] + [seen(rgb, t) for t in CVD_TYPES]) + "\n")
