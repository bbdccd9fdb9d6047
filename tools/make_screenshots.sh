#!/bin/sh
# Refreshes the pictures in docs/ from the program itself, offscreen.
# Run from the repository root after a build (make build).
set -e
BUILD=${BUILD:-build}
cmake --build "$BUILD" --target vantorel-screenshots
QT_QPA_PLATFORM=offscreen "$BUILD/vantorel-screenshots" docs
