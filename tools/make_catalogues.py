#!/usr/bin/python3
"""Writes the sky chart's catalogues data/etoiles.dat and data/const.dat and
their credits, data/CATALOGUES.txt.

Sources, from the Debian package xplanet (install it only to run this script;
the program does not need it):
  /usr/share/xplanet/stars/BSC             Bright Star Catalogue, 5th revised
                                           edition: declination, right
                                           ascension (hours), V magnitude
  /usr/share/xplanet/arcs/constellations   constellation figures as segments
                                           between stars (declination, right
                                           ascension in hours)
The output is committed; run this again only to regenerate it:

    /usr/bin/python3 tools/make_catalogues.py

Both files are fixed-column text that the program reads at every repaint of
the sky chart (sky/CatalogueRecord.h describes the columns). Two properties
of that reading shape what is written here:

- A star's declination is read as whole degrees from columns 11-13 plus
  hundredths from columns 13-14: the last digit of the degrees is also the
  tens digit of the hundredths. Not every declination can be written, so each
  star gets the encoding that reads back nearest to its true place; the
  largest error is printed at the end.
- A figure is a polyline whose last vertex carries 90 degrees more (or less)
  in its declination field. The segments of the source are chained into
  polylines, and a segment that crosses right ascension 0 h is cut at the
  chart's edges so that it does not run across the whole chart.
"""
import math
import pathlib
import re
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
BSC = pathlib.Path("/usr/share/xplanet/stars/BSC")
ARCS = pathlib.Path("/usr/share/xplanet/arcs/constellations")
OUT = ROOT / "data"

MAG_LIMIT = 6.0  # every naked-eye star; the chart itself stops below 6.0

CONSTELLATIONS = (
    "And Ant Aps Aql Aqr Ara Ari Aur Boo CMa CMi CVn Cae Cam Cap Car Cas Cen Cep Cet Cha Cir "
    "Cnc Col Com CrA CrB Crt Cru Crv Cyg Del Dor Dra Equ Eri For Gem Gru Her Hor Hya Hyi Ind "
    "LMi Lac Leo Lep Lib Lup Lyn Lyr Men Mic Mon Mus Nor Oct Oph Ori Pav Peg Per Phe Pic PsA "
    "Psc Pup Pyx Ret Scl Sco Sct Ser Sex Sge Sgr Tau Tel TrA Tri Tuc UMa UMi Vel Vir Vol Vul"
).split()
# Segments named only by proper names that sit in another constellation's
# block of the source file.
PROPER_NAMES = {
    "Procyon": "CMi", "Gomeisa": "CMi", "Canopus": "Car",
    "Benetnasch": "UMa", "Mizar": "UMa", "Alioth": "UMa", "Megrez": "UMa",
    "Phecda": "UMa", "Merak": "UMa", "Dubhe": "UMa",
}


def package_version(name):
    try:
        return subprocess.run(["dpkg-query", "-W", "-f=${Version}", name], check=True,
                              capture_output=True, text=True).stdout.strip()
    except (OSError, subprocess.CalledProcessError):
        return "unknown"


def ra_minutes(ra_hours):
    """Right ascension in whole minutes of time, 0..1439."""
    m = int(round(ra_hours * 60.0))
    return m % 1440


# ---- stars -----------------------------------------------------------------

def star_declination_read(d, e):
    """What the program reads from degrees field d and column 14 digit e."""
    return d + (10 * (abs(d) % 10) + e) / 100.0


def star_declination_field(dec):
    """The degrees field (3 characters) and column 14 digit nearest to dec."""
    best = None
    base = math.floor(dec)
    for d in range(base - 2, base + 3):
        if abs(d) > 90:
            continue
        for e in range(10):
            v = star_declination_read(d, e)
            if abs(v) > 90:
                continue
            err = abs(v - dec)
            if best is None or err < best[0]:
                best = (err, d, e)
    err, d, e = best
    return "%+03d" % d, str(e), err


def make_stars():
    lines = []
    worst = 0.0
    for raw in BSC.read_text(encoding="latin-1").splitlines():
        if not raw.strip() or raw.lstrip().startswith("#"):
            continue
        m = re.match(r'\s*(\S+)\s+(\S+)\s+(\S+)\s+"([^"]*)"\s+(\d+)', raw)
        if not m:
            continue
        dec, ra, mag = float(m.group(1)), float(m.group(2)), float(m.group(3))
        name, hr = " ".join(m.group(4).split()), int(m.group(5))
        if mag > MAG_LIMIT:
            continue
        minutes = ra_minutes(ra)
        field, digit, err = star_declination_field(dec)
        worst = max(worst, err)
        magtext = ("%4.1f" % mag) if mag < 0 else ("%4.2f" % mag)
        line = "%02d%02d      %s%s      %s  HR%4d %s" % (
            minutes // 60, minutes % 60, field, digit, magtext, hr, name)
        line = line.rstrip()
        assert len(line) <= 48, line
        lines.append((minutes, line))
    lines.sort(key=lambda t: t[0])
    return [l for _, l in lines], worst


# ---- constellation figures ---------------------------------------------------

def constellation_of(comment, previous):
    words = re.findall(r"[A-Za-z]+", comment)
    for w in words:
        if w in PROPER_NAMES:
            return PROPER_NAMES[w]
    for w in words:
        if w in CONSTELLATIONS:
            return w
    return previous


def read_segments():
    """(constellation, (dec, ra_hours), (dec, ra_hours)) in file order."""
    segments = []
    previous = None
    for raw in ARCS.read_text(encoding="latin-1").splitlines():
        body, _, comment = raw.partition("#")
        if not body.strip():
            continue
        v = [float(x) for x in body.split()[:4]]
        c = constellation_of(comment, previous)
        previous = c
        a, b = (v[0], v[1]), (v[2], v[3])
        if ra_minutes(a[1]) == ra_minutes(b[1]) and round(a[0], 2) == round(b[0], 2):
            continue  # a star joined to itself draws nothing
        segments.append((c, a, b))
    return segments


def cut_at_zero_hours(a, b):
    """Pieces of segment a-b in chart coordinates (dec, ra_hours in 0..24):
    one piece, or two when the segment crosses 0 h."""
    if abs(a[1] - b[1]) <= 12:
        return [(a, b)]
    lo, hi = (a, b) if a[1] < b[1] else (b, a)
    span = lo[1] + 24.0 - hi[1]
    f = (24.0 - hi[1]) / span
    dec = hi[0] + f * (lo[0] - hi[0])
    return [(lo, (dec, 0.0)), ((dec, 24.0), hi)]


def chain(segments):
    """Polylines per constellation: a segment continues the current one when
    it starts or ends at its last point."""
    figures = []
    for c, a, b in segments:
        for p, q in cut_at_zero_hours(a, b):
            if figures and figures[-1][0] == c and same_point(figures[-1][1][-1], p):
                figures[-1][1].append(q)
            elif figures and figures[-1][0] == c and same_point(figures[-1][1][-1], q):
                figures[-1][1].append(p)
            else:
                figures.append((c, [p, q]))
    return figures


def same_point(p, q):
    return abs(p[0] - q[0]) < 1e-3 and abs(p[1] - q[1]) < 1e-3


def const_record(point, last, constellation):
    dec, ra = point
    if ra >= 24.0 - 1e-9:
        minutes = 1440  # the left edge: 24 h 00 m
    else:
        minutes = ra_minutes(ra)
        if minutes == 0 and ra > 12:
            minutes = 1440
    whole = math.floor(dec)
    hundredths = int(round((dec - whole) * 100))
    if hundredths == 100:
        whole, hundredths = whole + 1, 0
    if last:
        # A last vertex on the equator itself would give exactly 9000 in
        # columns 5-10, which is not a marker.
        if whole == 0 and hundredths == 0:
            hundredths = 1
        whole = whole + 90 if whole >= 0 else whole - 90
    line = "%02d%02d%+04d%02d %s" % (minutes // 60, minutes % 60, whole, hundredths, constellation)
    assert len(line) <= 18, line
    return line


def make_figures():
    figures = chain(read_segments())
    lines = []
    for c, points in figures:
        for i, p in enumerate(points):
            lines.append(const_record(p, i == len(points) - 1, c))
    drawn = {c for c, _ in figures}
    return lines, figures, drawn


def main():
    for source in (BSC, ARCS):
        if not source.exists():
            sys.exit("missing %s: apt-get install xplanet" % source)
    stars, worst = make_stars()
    const_lines, figures, drawn = make_figures()
    segments = sum(len(p) - 1 for _, p in figures)
    OUT.mkdir(exist_ok=True)
    (OUT / "etoiles.dat").write_text("\n".join(stars) + "\n", encoding="ascii")
    (OUT / "const.dat").write_text("\n".join(const_lines) + "\n", encoding="ascii")
    version = package_version("xplanet")
    (OUT / "CATALOGUES.txt").write_text(CREDITS.format(
        version=version, stars=len(stars), limit=MAG_LIMIT, worst=worst,
        constellations=len(drawn), figures=len(figures), segments=segments,
        missing=" ".join(sorted(set(CONSTELLATIONS) - drawn)) or "none"), encoding="utf-8")
    print("%d stars (largest declination error %.2f deg), %d constellations, "
          "%d polylines, %d segments" % (len(stars), worst, len(drawn), len(figures), segments))


CREDITS = """The sky chart's catalogues
==========================

etoiles.dat  {stars} stars brighter than or at magnitude {limit}
const.dat    figures of {constellations} constellations: {figures} polylines, {segments} segments
             (constellations without a figure: {missing})

Both files are generated by tools/make_catalogues.py from the data of the
Debian package xplanet, version {version}:

- /usr/share/xplanet/stars/BSC: the Bright Star Catalogue, 5th Revised
  Edition (Hoffleit & Warren, Yale University Observatory, 1991), as
  distributed by the NASA Astronomical Data Center and CDS/VizieR (catalogue
  V/50); equinox J2000. Compiled for xplanet by Hari Nair; xplanet is
  distributed under the GNU General Public License version 2 or later.
- /usr/share/xplanet/arcs/constellations: constellation figures by Chris
  Dolan (University of Wisconsin), as shipped with xplanet under the same
  licence.

Places are of J2000; the chart carries them to the equinox of its date (the
IAU 1976 precession), where the bodies are. Each const.dat record names its
constellation by its IAU abbreviation after the place; the chart writes the
abbreviation at the mean place of the figure's vertices. Right ascensions are kept
to the whole minute of time. A star's declination is written with the
encoding that the chart reads back nearest to the catalogue's; the largest
difference is {worst:.2f} degree. Segments crossing 0 h are cut at the
chart's edges.
"""

if __name__ == "__main__":
    main()
