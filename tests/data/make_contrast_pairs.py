#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Huewise team
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes contrast_pairs.txt: random colour pairs with their contrast ratio as
computed by Debian's python3-wcag-contrast-ratio, an implementation
independent of ours. Rerun to regenerate; the seed keeps the pairs fixed."""
import os
import random

import wcag_contrast_ratio as wcag

random.seed(20261211)
here = os.path.dirname(os.path.abspath(__file__))
with open(os.path.join(here, "contrast_pairs.txt"), "w") as out:
    out.write("# foreground background ratio (RRGGBB, from python3-wcag-contrast-ratio)\n")
    for _ in range(300):
        a = [random.randrange(256) for _ in range(3)]
        b = [random.randrange(256) for _ in range(3)]
        ratio = wcag.rgb([c / 255 for c in a], [c / 255 for c in b])
        out.write("%02X%02X%02X %02X%02X%02X %.10f\n" % (*a, *b, ratio))
