#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Huewise team
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates Huewise's PNG renders from the SVG drawings in this folder.
# Needs rsvg-convert (Debian package librsvg2-bin).
set -e
cd "$(dirname "$0")"
mkdir -p icons
for size in 16 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" huewise.svg -o "icons/huewise-$size.png"
done
rsvg-convert -w 96 -h 96 picture.svg -o picture-96.png
echo "rendered icons/huewise-{16,32,48,64,128,256}.png and picture-96.png"
