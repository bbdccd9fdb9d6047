#!/usr/bin/python3
"""Writes the list of cities with their time zones, data/cities.csv, and its
section of data/CATALOGUES.txt.

Source: the npm package city-timezones (MIT licence), about 7,300 cities with
their coordinates, population and IANA zone. Install it into a scratch folder
(never into the source tree) and give that folder to this script:

    npm install --prefix /tmp/cities --no-save city-timezones@1.3.4
    python3 tools/make_cities.py /tmp/cities/node_modules/city-timezones

The zones are checked against the system's tz database (Debian tzdata), as the
program looks them up there at run time. Rows are dropped when the zone is
missing or unknown, when the coordinates are out of range, or when the same
city appears twice in one region (the more populous row is kept). A zone name
that the database keeps only as a link to another zone for backward
compatibility (Asia/Rangoon, America/Montreal) is written as the zone it
points to, because distributions are moving those old names into separate
packages; names of a country's own zone (Europe/Bratislava) stay.

Columns of the output, UTF-8 in NFC form, comma-separated with CSV quoting,
one header line, sorted by country, name and region:

    name, ascii_name, region, country, iso2, iso3, latitude, longitude,
    zone, population

latitude and longitude in degrees, north and east positive, four decimals;
population a whole number, 0 when the source does not know it; iso2 and iso3
empty where the source gives no code (Kosovo, Somaliland).
"""
import csv
import io
import json
import math
import os
import pathlib
import re
import sys
import unicodedata

ROOT = pathlib.Path(__file__).resolve().parent.parent
OUT = ROOT / "data" / "cities.csv"
CREDITS = ROOT / "data" / "CATALOGUES.txt"
ZONEINFO = pathlib.Path(os.environ.get("TZDIR", "/usr/share/zoneinfo"))
HEADER = ["name", "ascii_name", "region", "country", "iso2", "iso3", "latitude", "longitude",
          "zone", "population"]
SECTION_TITLE = "Cities and their time zones"


def clean(text):
    text = unicodedata.normalize("NFC", str(text or ""))
    text = "".join(c for c in text if unicodedata.category(c)[0] != "C")
    return " ".join(text.split())


def ascii_form(text):
    decomposed = unicodedata.normalize("NFKD", text)
    return "".join(c for c in decomposed if ord(c) < 128 and unicodedata.category(c) != "Mn")


def code(value, length):
    value = str(value or "").strip().upper()
    return value if re.fullmatch("[A-Z]{%d}" % length, value) else ""


def is_zone_file(path):
    try:
        with open(path, "rb") as f:
            return f.read(4) == b"TZif"
    except OSError:
        return False


def tz_database():
    """Version, zone names kept as they are, and backward links to replace."""
    version = "unknown"
    links = {}
    zi = ZONEINFO / "tzdata.zi"
    if zi.exists():
        for line in zi.read_text(encoding="utf-8").splitlines():
            if line.startswith("# version "):
                version = line.split()[2]
            parts = line.split()
            if len(parts) == 3 and parts[0] == "L":
                links[parts[2]] = parts[1]
    own = set()
    for table in ("zone.tab", "zone1970.tab"):
        path = ZONEINFO / table
        if path.exists():
            for line in path.read_text(encoding="utf-8").splitlines():
                if line and not line.startswith("#"):
                    own.add(line.split("\t")[2])
    backward = {name: target for name, target in links.items() if name not in own}
    return version, backward


def read_source(folder):
    package = json.loads((folder / "package.json").read_text(encoding="utf-8"))
    rows = json.loads((folder / "data" / "cityMap.json").read_text(encoding="utf-8"))
    return package, rows


def make_rows(source, backward):
    dropped = {"no zone": 0, "zone not in the tz database": 0, "coordinates out of range": 0,
               "no name or country": 0, "same city twice in a region": 0}
    renamed = 0
    best = {}
    for r in source:
        zone = str(r.get("timezone") or "").strip()
        if not zone:
            dropped["no zone"] += 1
            continue
        if zone in backward:
            zone = backward[zone]
            renamed += 1
        if not is_zone_file(ZONEINFO / zone) or zone.startswith(("posix/", "right/")):
            dropped["zone not in the tz database"] += 1
            continue
        try:
            lat, lon = float(r.get("lat")), float(r.get("lng"))
        except (TypeError, ValueError):
            lat = lon = math.nan
        if not (math.isfinite(lat) and math.isfinite(lon) and -90 <= lat <= 90 and -180 <= lon <= 180):
            dropped["coordinates out of range"] += 1
            continue
        name, country = clean(r.get("city")), clean(r.get("country"))
        if not name or not country:
            dropped["no name or country"] += 1
            continue
        ascii_name = clean(r.get("city_ascii"))
        if not ascii_name or not ascii_name.isascii():
            ascii_name = ascii_form(name)
        try:
            population = float(r.get("pop"))
        except (TypeError, ValueError):
            population = 0
        population = int(round(population)) if math.isfinite(population) and population > 0 else 0
        row = {
            "name": name, "ascii_name": ascii_name, "region": clean(r.get("province")),
            "country": country, "iso2": code(r.get("iso2"), 2), "iso3": code(r.get("iso3"), 3),
            "latitude": lat, "longitude": lon, "zone": zone, "population": population,
        }
        key = (name.casefold(), row["region"].casefold(), country.casefold())
        if key in best:
            dropped["same city twice in a region"] += 1
            if (population, lat, lon) <= (best[key]["population"], best[key]["latitude"],
                                          best[key]["longitude"]):
                continue
        best[key] = row
    rows = sorted(best.values(), key=lambda r: (r["country"].casefold(), r["name"].casefold(),
                                               r["region"].casefold(), r["latitude"], r["longitude"]))
    return rows, dropped, renamed


def degrees(value):
    text = "%.4f" % value
    return "0.0000" if text == "-0.0000" else text


def write_csv(rows):
    buffer = io.StringIO()
    writer = csv.writer(buffer, lineterminator="\n")
    writer.writerow(HEADER)
    for r in rows:
        writer.writerow([r["name"], r["ascii_name"], r["region"], r["country"], r["iso2"],
                         r["iso3"], degrees(r["latitude"]), degrees(r["longitude"]), r["zone"],
                         r["population"]])
    OUT.write_text(buffer.getvalue(), encoding="utf-8")


SECTION = """{title}
{underline}

cities.csv  {kept} cities in {countries} countries and {zones} time zones

Generated by tools/make_cities.py from the npm package city-timezones,
version {version}, its file data/cityMap.json of {source} rows;
home page {homepage}.
Its licence, as the package declares it: {licence}; author {author}. The
package carries no separate licence file or copyright line.

Zones checked against the system's tz database, version {tzversion}.
Rows dropped: {dropped_text}.
{renamed} rows named their zone by an old alias kept only for backward
compatibility; they carry the zone the alias points to. Coordinates are
rounded to 0.0001 degree; populations to whole numbers.
"""


def write_credits(package, source_count, rows, dropped, renamed, tzversion):
    dropped_text = ", ".join("%d (%s)" % (n, why) for why, n in dropped.items() if n) or "none"
    section = SECTION.format(
        title=SECTION_TITLE, underline="=" * len(SECTION_TITLE), kept=len(rows),
        countries=len({r["country"] for r in rows}), zones=len({r["zone"] for r in rows}),
        version=package.get("version", "?"), homepage=package.get("homepage", ""),
        source=source_count, author=package.get("author", "unknown"),
        licence=package.get("license", "unknown"), tzversion=tzversion,
        dropped_text=dropped_text, renamed=renamed)
    text = CREDITS.read_text(encoding="utf-8") if CREDITS.exists() else ""
    # Replace this script's own section, keep every other one.
    start = text.find(SECTION_TITLE + "\n=")
    if start >= 0:
        rest = text[start:]
        following = re.search(r"\n\n(?=[^\n]+\n=+\n)", rest[len(SECTION_TITLE) + 2:])
        end = start + len(SECTION_TITLE) + 2 + following.start() + 2 if following else len(text)
        text = text[:start] + section + ("\n" + text[end:] if following else "")
    else:
        text = (text.rstrip("\n") + "\n\n\n" if text.strip() else "") + section
    CREDITS.write_text(text, encoding="utf-8")


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    folder = pathlib.Path(sys.argv[1])
    if not (folder / "data" / "cityMap.json").exists():
        sys.exit("no data/cityMap.json in %s: install the npm package city-timezones first" % folder)
    if not ZONEINFO.is_dir():
        sys.exit("no tz database at %s: apt-get install tzdata" % ZONEINFO)
    package, source = read_source(folder)
    tzversion, backward = tz_database()
    rows, dropped, renamed = make_rows(source, backward)
    write_csv(rows)
    write_credits(package, len(source), rows, dropped, renamed, tzversion)
    print("%d cities kept of %d; dropped: %s; %d zone aliases replaced" % (
        len(rows), len(source), dropped, renamed))


if __name__ == "__main__":
    main()
