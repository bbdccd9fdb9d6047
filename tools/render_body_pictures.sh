#!/bin/sh
# Renders the five body windows at one date with projection codes 0 (north up,
# as the eye sees the sky) and 3 (south up, as an inverting telescope shows
# it) into docs/pictures/, with the command-line tool of a build:
#   sh tools/render_body_pictures.sh [build]
set -e
BUILD=${1:-build}
OUT=docs/pictures
mkdir -p "$OUT"
# First quarter of the Moon, Mercury near its evening elongation, Paris.
AT="--date 2024-03-17 --time 21:00 --zone +1 --lat 48.8"
for window in moon mercury venus mars uranus; do
  zoom=""
  [ "$window" = uranus ] && zoom="--zoom 80"
  for code in 0 3; do
    "$BUILD/vantorel-cli" render --window "$window" $AT --projection "$code" $zoom \
      --out "$OUT/$window-code$code.png"
  done
done
# Uranus at the window's own zoom, with its five large moons around it.
"$BUILD/vantorel-cli" render --window uranus $AT --projection 0 --out "$OUT/uranus-moons-code0.png"
# The Saturn window at Titan's zoom level: rings wide open (October 2032) and
# nearly edge-on (September 2025, 1.8 degrees), with the moons where the records
# put them.
for when in "2032-10-15 open" "2025-09-21 edge-on"; do
  set -- $when
  "$BUILD/vantorel-cli" render --window saturn --date "$1" --time 21:00 --zone +1 --lat 48.8 \
    --projection 0 --zoom 5 --width 640 --height 360 --out "$OUT/saturn-$2-code0.png"
done
# Jupiter during a shadow transit of Io, 16 January 2024 at 18:00 UT (the
# day's phenomena list: Sh.I. 17:44, Tr.E. 18:34), and its satellite strip.
IO_SHADOW="--date 2024-01-16 --time 18:00 --zone 0"
for code in 0 3; do
  "$BUILD/vantorel-cli" render --window jupiter $IO_SHADOW --projection "$code" \
    --width 300 --height 280 --zoom 1 --out "$OUT/jupiter-code$code.png"
done
"$BUILD/vantorel-cli" render --window jupiter-satellites $IO_SHADOW --projection 0 \
  --out "$OUT/jupiter-satellites-code0.png"
# The sky chart (catalogues from data/ of the working directory) and the
# heliocentric view of one evening.
SKY_AT="--date 2026-12-08 --time 21:00 --zone +1 --lat 48.8"
"$BUILD/vantorel-cli" render --window sky $SKY_AT --out "$OUT/sky.png"
"$BUILD/vantorel-cli" render --window helio $SKY_AT --out "$OUT/helio.png"
# The all-planets table at the spring equinox, and the page it prints (the
# PDF turned into a picture by pdftoppm, from poppler-utils).
TABLE="--window table --date 2024-03-21 --time 21:00 --zone +1 --lat 48.8"
"$BUILD/vantorel-cli" render $TABLE --out "$OUT/table.png"
"$BUILD/vantorel-cli" print $TABLE --out "$OUT/table-page.pdf"
pdftoppm -r 60 -png -singlefile "$OUT/table-page.pdf" "$OUT/table-page"
rm -f "$OUT/table-page.pdf"
# Mars gibbous (87.8 % lit) and the Moon turned by its axis (about 19 degrees);
# the *-before.png beside them were drawn by the program before it showed
# either and are kept for comparison.
for code in 0 3; do
  "$BUILD/vantorel-cli" render --window mars --date 2024-10-15 --time 22:00 --zone +2 --lat 48.8 \
    --projection "$code" --out "$OUT/mars-2024-10-15-code$code.png"
  "$BUILD/vantorel-cli" render --window moon --date 2024-03-21 --time 21:00 --zone +1 --lat 48.8 \
    --projection "$code" --out "$OUT/moon-2024-03-21-code$code.png"
done
