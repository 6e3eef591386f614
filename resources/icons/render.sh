#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the raster sizes of the icons from their SVG drawings. The PNGs are
# committed, so building needs no renderer; run this after changing an SVG.
set -eu
cd "$(dirname "$0")"
convert=/usr/bin/convert  # ImageMagick
for s in 16 32 64; do
  "$convert" -background none -density $((96 * s / 32)) about-info.svg -resize "${s}x${s}" "PNG32:about-info-$s.png"
done
for s in 16 32 48 64 128; do
  "$convert" -background none -density $((96 * s / 128)) org.example.Tavrel.svg -resize "${s}x${s}" "PNG32:tavrel-$s.png"
done
