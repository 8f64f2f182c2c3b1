#!/usr/bin/env bash
# Draws the program's pictures with ImageMagick (shapes only, no fonts):
# logo.jpg, a magnifying glass over a curve of track; schalten.jpg, the shift
# light: a red lamp with an arrow up; rennlupe.png, the desktop icon, the
# logo's glass and curve on a rounded tile. Run it from anywhere; the build only copies the results.
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
# The curve runs there and back, or the stroke would close it with a chord; no
# time stamps in the PNG, so drawing it again changes nothing.
convert -size 64x64 xc:none \
  -fill '#143565' -stroke '#0b1d3a' -strokewidth 2 -draw "roundrectangle 2,2 61,61 12,12" \
  -fill none -stroke '#d9d9d9' -strokewidth 4 -draw "path 'M 6,50 C 22,14 38,58 58,22 C 38,58 22,14 6,50'" \
  -stroke '#ffcc00' -strokewidth 5 -draw "circle 30,28 30,12" \
  -strokewidth 7 -draw "line 42,40 54,53" \
  -depth 8 -define png:exclude-chunks=date,time rennlupe.png
