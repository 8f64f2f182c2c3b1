#!/usr/bin/env bash
# Draws the program's two pictures with ImageMagick (shapes only, no fonts):
# logo.jpg, a magnifying glass over a curve of track, and schalten.jpg, the
# shift light: a red lamp with an arrow up. Run it from anywhere; the build only copies the results.
set -eu
cd "$(dirname "$0")"
convert -size 240x90 gradient:'#0b1d3a-#1f4f8f' \
  -fill none -stroke '#d9d9d9' -strokewidth 6 \
  -draw "path 'M 10,80 C 70,10 130,95 230,25'" \
  -stroke '#ffcc00' -strokewidth 7 -draw "circle 150,42 150,14" \
  -strokewidth 10 -draw "line 170,62 200,86" \
  -quality 90 logo.jpg
convert -size 96x96 xc:'#101010' \
  -fill '#e01010' -stroke '#ff8080' -strokewidth 4 -draw "circle 48,48 48,8" \
  -fill white -stroke none -draw "polygon 48,20 72,50 56,50 56,76 40,76 40,50 24,50" \
  -quality 90 schalten.jpg
