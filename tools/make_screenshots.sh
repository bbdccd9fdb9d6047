#!/bin/sh
# Refreshes the pictures in docs/ from the program itself, offscreen.
# Run from the repository root after a build (make build).
set -e
BUILD=${BUILD:-build}
cmake --build "$BUILD" --target vantorel-screenshots
QT_QPA_PLATFORM=offscreen "$BUILD/vantorel-screenshots" docs
# The Jupiter disc and its satellite strip during a shadow transit of Io
# (16 January 2024, 18:00 UT), drawn by the command-line tool; the disc at a
# close zoom level, where the shadow shows.
cmake --build "$BUILD" --target vantorel-cli
"$BUILD/vantorel-cli" render --window jupiter --date 2024-01-16 --time 18:00 --zone 0 \
  --width 300 --height 280 --zoom 1 --out docs/jupiter-window.png
"$BUILD/vantorel-cli" render --window jupiter-satellites --date 2024-01-16 --time 18:00 --zone 0 \
  --out docs/jupiter-satellites.png
