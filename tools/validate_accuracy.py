#!/usr/bin/python3
"""Measures vantorel-cli against the Swiss Ephemeris and writes docs/ACCURACY.md.

The reference is the Swiss Ephemeris command-line tool with its files
derived from JPL's DE431 (Debian packages swetest, swe-basic-data,
swe-sat-data). Run by hand, from the repository root, after a build:

    apt-get install swetest swe-basic-data swe-sat-data
    python3 tools/validate_accuracy.py [--instants 300] [--seed 16] [--cli build/vantorel-cli]

At seeded random whole minutes from 1985 to 2050, each with a random time
zone (which stands in for the longitude) and latitude, it compares:
  - the apparent right ascension and declination (equinox of date) of the
    Sun, the Moon and the planets, and their distances; Pluto astrometric
    J2000. The theories run at universal time (UT) where the program's
    design says so, so each place is compared twice: with the reference at
    the true instant, and with the reference at the same clock reading taken
    as dynamical time (what the theory itself is good for);
  - rise, transit and set of the local date (local clock minutes);
  - the Galilean moons (X, Y in Jupiter radii), Saturn's eight moons (X, Y in
    Saturn radii), and the offsets of the moons of Mars and Uranus (arc
    seconds east and north of the planet).
For each quantity: the median and the worst error, the instant of the worst,
and what the underlying theory promises.
"""
import argparse
import datetime
import json
import math
import pathlib
import random
import statistics
import subprocess
import sys
import time

EPHE = "/usr/share/libswe/ephe"
JD_1985 = 2446066.5  # 1985-01-01 0h UT
JD_2051 = 2470172.5  # 2051-01-01 0h UT

PLANETS = ["sun", "moon", "mercury", "venus", "mars", "jupiter", "saturn", "uranus", "neptune",
           "pluto"]
SWE_NUMBER = {"sun": "0", "moon": "1", "mercury": "2", "venus": "3", "mars": "4",
              "jupiter": "5", "saturn": "6", "uranus": "7", "neptune": "8", "pluto": "9"}
# Swiss Ephemeris planetary-moon numbers, in the program's order of each body.
MOONS = {
    "jupiter": [9501, 9502, 9503, 9504],
    "saturn": [9601, 9602, 9603, 9604, 9605, 9606, 9607, 9608],
    "mars": [9401, 9402],
    "uranus": [9701, 9702, 9703, 9704, 9705],
}
# Equatorial radii (km, IAU) and north poles (RA, Dec in degrees, J2000) for
# turning sky offsets into the planet's own axes.
RADIUS_KM = {"jupiter": 71492.0, "saturn": 60330.0}  # the program's units
POLE = {"jupiter": (268.057, 64.495), "saturn": (40.589, 83.537)}
AU_KM = 149597870.7
# Whether Saturn's moons came from fitted records (the notes differ).
SATURN_FROM_RECORDS = [False]

PROMISE = {
    "place_tt": "a few arc seconds (abridged VSOP87 of Meeus's Astronomical Algorithms, "
                "Appendix III); the Sun likewise",
    "place_ut": "the line above plus the motion in delta T (about 70 s): up to a few arc "
                "seconds for the planets",
    "moon_tt": "about 10\" in longitude and 4\" in latitude (Meeus ch. 47, abridged ELP-2000/82)",
    "moon_ut": "the line above plus the Moon's motion in delta T: 30\" to 50\"",
    "pluto": "better than 1\" (Meeus ch. 37, valid 1885-2099)",
    "distance": "the radius series' few 1e-6 AU: a few ppm, up to about 30 ppm of a "
                "near planet's small distance",
    "moon_distance": "a few tens of km: the distance terms of Meeus's table 47.A stop "
                     "at a few km",
    "rts": "half a minute: the place interpolated through the local day, times rounded "
           "to the minute, the zone standing in for the longitude",
    "rts_moon": "half a minute: each event corrected at the Moon's own place and distance, "
                "times rounded to the minute",
    "galilean": "a few hundredths of Jupiter's radius, under 1\" (Meeus ch. 44, "
                "abridged E2x3)",
    "saturn": "none: mean circular orbits with fixed periods and phases, drawn as a picture; "
              "see the notes",
    "records": "the weekly fit of the records to this same reference: 0.03 % of the orbit "
               "radius (a few hundredths of an arc second)",
}


def run(args):
    return subprocess.run(args, capture_output=True, text=True, check=False).stdout


def swetest(*args):
    out = run(["swetest", "-eswe", "-edir" + EPHE, "-head", *args])
    if "Moshier" in out or "not found" in out:
        sys.exit("swetest does not find its JPL-based files in " + EPHE + ":\n" + out)
    return out


def swe_places(jd, ut, bodies, extra=()):
    """{name: (ra_deg, dec_deg, distance_au)} from one swetest call."""
    out = swetest("-bj%.8f" % jd, *(["-ut"] if ut else []), "-p" + bodies, "-fPadR", *extra)
    places = []
    for line in out.splitlines():
        parts = line.split()
        if len(parts) >= 4:
            try:
                places.append(tuple(float(p) for p in parts[-3:]))
            except ValueError:
                pass
    return places


def swe_moon(jd, number):
    out = swetest("-bj%.8f" % jd, "-ut", "-pv", "-xv%d" % number, "-fPadR")
    # Outside a moon file's years swetest says "error" and then prints zeros.
    if "error" in out.lower():
        return None
    for line in out.splitlines():
        parts = line.split()
        if len(parts) >= 4:
            try:
                return tuple(float(p) for p in parts[-3:])
            except ValueError:
                return None
    return None


def separation_arcsec(ra1, dec1, ra2, dec2):
    r1, d1, r2, d2 = map(math.radians, (ra1, dec1, ra2, dec2))
    c = math.sin(d1) * math.sin(d2) + math.cos(d1) * math.cos(d2) * math.cos(r1 - r2)
    s = math.hypot(math.cos(d2) * math.sin(r1 - r2),
                   math.cos(d1) * math.sin(d2) - math.sin(d1) * math.cos(d2) * math.cos(r1 - r2))
    return math.degrees(math.atan2(s, c)) * 3600


def offset_arcsec(moon, planet):
    """(east, north) of the moon from the planet, arc seconds."""
    dra = (moon[0] - planet[0] + 540) % 360 - 180
    return (dra * math.cos(math.radians(planet[1])) * 3600, (moon[1] - planet[1]) * 3600)


def position_angle_of_pole(body, ra, dec):
    a0, d0 = map(math.radians, POLE[body])
    a, d = math.radians(ra), math.radians(dec)
    return math.atan2(math.cos(d0) * math.sin(a0 - a),
                      math.sin(d0) * math.cos(d) - math.cos(d0) * math.sin(d) * math.cos(a0 - a))


def utc_text(jd):
    # Good to the minute: the instants are whole minutes of UT.
    t = datetime.datetime(2000, 1, 1, 12) + datetime.timedelta(days=jd - 2451545.0)
    t = (t + datetime.timedelta(seconds=30)).replace(second=0, microsecond=0)
    return t.strftime("%Y-%m-%d %H:%M UT")


def local_minutes(text):
    if text is None:
        return None
    h, m = text.split(":")
    return int(h) * 60 + int(m)


def swe_event(start_jd, body, lon, lat, mode):
    """First rise and set ('-rise') or upper transit ('-metr') after start, JD UT.
    A line may hold a set before its rise; two lines give both."""
    out = swetest("-bj%.8f" % start_jd, "-ut", "-p" + SWE_NUMBER[body], mode,
                  "-geopos%.4f,%.4f,0" % (lon, lat), "-n2")
    events = {}
    for line in out.splitlines():
        tokens = line.replace("\t", " ").split()
        for i, tok in enumerate(tokens):
            if tok in ("rise", "set", "mtransit") and i + 2 < len(tokens) and tokens[i + 1] != "-":
                try:
                    d, mth, y = (int(x) for x in tokens[i + 1].split("."))
                    hh, mm, ss = tokens[i + 2].split(":")
                except ValueError:
                    continue
                day = datetime.datetime(y, mth, d) + datetime.timedelta(
                    hours=int(hh), minutes=int(mm), seconds=float(ss))
                events.setdefault(tok, 2451545.0 + (day - datetime.datetime(2000, 1, 1, 12)).total_seconds() / 86400)
    return events


class Stat:
    def __init__(self, label, unit, promise):
        self.label, self.unit, self.promise = label, unit, promise
        self.values = []  # (error, where)

    def add(self, error, where):
        self.values.append((abs(error), where))

    def row(self, digits):
        if not self.values:
            return "| %s | – | – | – | %s |" % (self.label, self.promise)
        errors = [e for e, _ in self.values]
        worst = max(self.values, key=lambda v: v[0])
        fmt = "%%.%df" % digits
        return "| %s | %s %s | %s %s | %s | %s |" % (
            self.label, fmt % statistics.median(errors), self.unit, fmt % worst[0], self.unit,
            worst[1], self.promise)


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--instants", type=int, default=300)
    ap.add_argument("--seed", type=int, default=16)
    ap.add_argument("--cli", default="build/vantorel-cli")
    ap.add_argument("--out", default="docs/ACCURACY.md")
    opts = ap.parse_args()
    rng = random.Random(opts.seed)
    started = time.time()

    place_ut = {b: Stat(b.capitalize(), "\"", "") for b in PLANETS}
    place_tt = {b: Stat(b.capitalize(), "\"", "") for b in PLANETS}
    distance = {b: Stat(b.capitalize(), "", "") for b in PLANETS}
    rts = {(g, k): Stat("%s, %s" % (g.capitalize(), k), "min", PROMISE["rts"])
           for g in ("sun", "moon", "planets") for k in ("rise", "transit", "set")}
    rts_missing = {"sun": 0, "moon": 0, "planets": 0}  # the reference has one, the program not
    rts_extra = {"sun": 0, "moon": 0, "planets": 0}  # the program has one, the reference not
    moons = {b: Stat(b.capitalize(), "", "") for b in MOONS}
    no_data = {b: 0 for b in MOONS}

    for i in range(opts.instants):
        jd = round(rng.uniform(JD_1985, JD_2051) * 1440) / 1440
        zone = rng.randint(-12, 12)
        lat = round(rng.uniform(-55, 60), 1)
        where = utc_text(jd)
        eph = json.loads(run([opts.cli, "ephem", "--jd", "%.8f" % jd, "--zone", "%+d" % zone,
                              "--lat", str(lat), "--body", "all", "--json"]))
        bodies = eph["bodies"]
        order = "0123456789"
        ref_ut = dict(zip(PLANETS, swe_places(jd, True, order)))
        ref_tt = dict(zip(PLANETS, swe_places(jd, False, order)))
        pluto_j2000 = swe_places(jd, True, "9", ("-j2000", "-noaberr", "-nodefl"))[0]
        for b in PLANETS:
            got = bodies[b]
            ut, tt = ref_ut[b], ref_tt[b]
            if b == "pluto":
                ut = tt = pluto_j2000
            place_ut[b].add(separation_arcsec(got["ra_deg"], got["dec_deg"], ut[0], ut[1]), where)
            place_tt[b].add(separation_arcsec(got["ra_deg"], got["dec_deg"], tt[0], tt[1]), where)
            # Distances against the same clock reading: the theory's own error.
            if b == "moon":
                distance[b].add(got["distance_km"] - tt[2] * AU_KM, where)
            else:
                distance[b].add((got["distance_au"] - tt[2]) / tt[2] * 1e6, where)

        # Rise, transit and set, every third instant (the reference is searched
        # body by body): the events of the local date, whose clock time rounded
        # to the minute falls on it, as the program gives them.
        if i % 3 == 0:
            half_minute = 0.5 / 1440
            day_start = math.floor(jd + zone / 24 + 0.5) - 0.5 - zone / 24 - half_minute
            for b in PLANETS[:-1]:
                got = bodies[b]
                group = b if b in ("sun", "moon") else "planets"
                ev = swe_event(day_start, b, 15 * zone, lat, "-rise")
                ev.update(swe_event(day_start, b, 15 * zone, lat, "-metr"))
                for kind, key in (("rise", "rise"), ("transit", "mtransit"), ("set", "set")):
                    mine = local_minutes(got.get(kind))
                    on_date = key in ev and ev[key] - day_start < 1
                    if mine is None or not on_date:
                        if mine is None and on_date:
                            rts_missing[group] += 1
                        elif mine is not None:
                            rts_extra[group] += 1
                        continue
                    ref = (ev[key] - day_start) * 1440 - 0.5
                    rts[(group, kind)].add(mine - ref, "%s, %s, zone %+d, latitude %.1f" % (
                        b.capitalize(), where, zone, lat))

        date = utc_text(jd)[:10]
        hhmm = utc_text(jd)[11:16]
        for body, numbers in MOONS.items():
            sat = json.loads(run([opts.cli, "satellites", "--body", body, "--date", date,
                                  "--time", hhmm, "--zone", "0", "--json"]))
            planet = ref_ut[body]
            for k, number in enumerate(numbers):
                got = sat["moons"][k]
                ref = swe_moon(jd, number)
                if ref is None or got.get("no_data"):
                    no_data[body] += 1
                    continue
                east, north = offset_arcsec(ref, planet)
                label = "%s, %s" % (got["name"].split(" - ")[0], where)
                if got.get("approximate"):
                    no_data[body] += 1  # outside the records: a mean-motion guess
                    continue
                if "east_arcsec" in got:
                    moons[body].add(math.hypot(got["east_arcsec"] - east,
                                               got["north_arcsec"] - north), label)
                    continue
                radius = math.degrees(RADIUS_KM[body] / (planet[2] * AU_KM)) * 3600
                if "east" in got:
                    SATURN_FROM_RECORDS[0] = True
                    # Sky-aligned offsets in equatorial radii.
                    moons[body].add(math.hypot(got["east"] * radius - east,
                                               got["north"] * radius - north), label)
                    continue
                # Into the planet's axes: X along the equator, positive west;
                # Y towards the north pole; in equatorial radii, then back to
                # arc seconds so every moon is measured alike.
                p = position_angle_of_pole(body, planet[0], planet[1])
                x = -(east * math.cos(p) - north * math.sin(p)) / radius
                y = (east * math.sin(p) + north * math.cos(p)) / radius
                g = got["earth"] if "earth" in got else got
                moons[body].add(math.hypot(g["x"] - x, g["y"] - y) * radius, label)
        if (i + 1) % 50 == 0:
            print("%d instants, %.0f s" % (i + 1, time.time() - started), file=sys.stderr)

    write_report(opts, place_ut, place_tt, distance, rts, (rts_missing, rts_extra), moons,
                 no_data, time.time() - started)


def kept_section(path, title):
    """The lines of a section another tool writes into the report, to keep."""
    p = pathlib.Path(path)
    if not p.exists():
        return []
    old = p.read_text(encoding="utf-8").split("\n")
    if title not in old:
        return []
    start = old.index(title)
    end = next((i for i in range(start + 1, len(old)) if old[i].startswith("## ")), len(old))
    return old[start:end]


def write_report(opts, place_ut, place_tt, distance, rts, rts_counts, moons, no_data, seconds):
    rts_missing, rts_extra = rts_counts
    usno = kept_section(opts.out, "## Rise and set against the US Naval Observatory")
    lines = []
    add = lines.append
    add("# Accuracy of Vantorel")
    add("")
    add("Measured by `tools/validate_accuracy.py` (run by hand, not in CI) against the Swiss")
    add("Ephemeris (`swetest` with its JPL DE431-based files, Debian packages `swetest`,")
    add("`swe-basic-data`, `swe-sat-data`) at %d random whole minutes of universal time from"
        % opts.instants)
    add("1985 to 2050 (seed %d), each with a random time zone and latitude. Every error is the" %
        opts.seed)
    add("absolute difference; the worst is given with its instant. Run time %.0f s." % seconds)
    add("")
    add("## Places of the Sun, the Moon and the planets")
    add("")
    add("Apparent right ascension and declination, true equinox of date (Pluto: astrometric,")
    add("J2000); the error is the angle between the two places. The theories run at universal")
    add("time: the first table takes the reference at the same clock reading in dynamical")
    add("time, which measures the theory itself; the second at the true instant, which is what")
    add("the user sees, the difference being the body's motion in delta T (about 55 to 75 s")
    add("over these years).")
    add("")
    for title, table, promise_planet, promise_moon in (
            ("Same clock reading in dynamical time", place_tt, PROMISE["place_tt"], PROMISE["moon_tt"]),
            ("True instant (universal time)", place_ut, PROMISE["place_ut"], PROMISE["moon_ut"])):
        add("### " + title)
        add("")
        add("| Body | Median | Worst | Worst at | Theory promises |")
        add("|---|---|---|---|---|")
        for b, s in table.items():
            s.promise = (PROMISE["pluto"] if b == "pluto" else
                         promise_moon if b == "moon" else promise_planet)
            add(s.row(1))
        add("")
    add("## Distances")
    add("")
    add("Geocentric distance, the reference taken at the same clock reading in dynamical")
    add("time (at the true instant, Mercury and Mars moving fastest add up to 30 ppm):")
    add("planets and the Sun in parts per million of the distance, the Moon in kilometres.")
    add("")
    add("| Body | Median | Worst | Worst at | Theory promises |")
    add("|---|---|---|---|---|")
    for b, s in distance.items():
        s.unit = "km" if b == "moon" else "ppm"
        s.promise = PROMISE["moon_distance"] if b == "moon" else PROMISE["distance"]
        add(s.row(1))
    add("")
    add("## Rise, transit and set")
    add("")
    add("The rise, transit and set of the local date (00:00 to 24:00 on the clock, each time")
    add("rounded to the minute), the zone standing in for the longitude (15° an hour), against")
    add("the reference's events of that date at the zone's longitude and the instant's latitude")
    add("as an almanac gives them: upper limb with refraction, the Moon's parallax included")
    add("(`swetest -rise`, `-metr`), every third instant, the Sun, the Moon and the planets to")
    add("Neptune. An event one side finds on the date and the other not is counted, not")
    add("compared. The error is the program's minute less the reference's exact time.")
    add("")
    add("| Event | Median | Worst | Worst at | Theory promises |")
    add("|---|---|---|---|---|")
    for (g, k), s in rts.items():
        if g == "moon":
            s.promise = PROMISE["rts_moon"]
        add(s.row(1))
    add("")
    add("On the date for the reference only: Sun %d, Moon %d, planets %d; for the program "
        "only: Sun %d, Moon %d, planets %d." % (
            rts_missing["sun"], rts_missing["moon"], rts_missing["planets"],
            rts_extra["sun"], rts_extra["moon"], rts_extra["planets"]))
    add("")
    if usno:
        lines.extend(usno)
    add("## Moons")
    add("")
    add("The distance in arc seconds between the two places of each moon relative to its")
    add("planet. Where the program gives X, Y in equatorial radii (Jupiter 71 492 km, about")
    add("16\" to 25\" seen from the Earth; Saturn 60 330 km, about 8\" to 10\"), the reference")
    add("is turned into the planet's axes (X along the equator, Y towards the north pole)")
    add("first. Weeks for which the program has no record of a moon (or only a mean-motion")
    add("guess it marks approximate), and instants outside the reference's moon files, are")
    add("counted, not compared.")
    add("")
    add("| Moons of | Median | Worst | Worst at | Not compared | Theory promises |")
    add("|---|---|---|---|---|---|")
    promises = {"jupiter": PROMISE["galilean"],
                "saturn": PROMISE["records"] if SATURN_FROM_RECORDS[0] else PROMISE["saturn"],
                "mars": PROMISE["records"], "uranus": PROMISE["records"]}
    for b, s in moons.items():
        s.unit = "\""
        s.promise = promises[b]
        row = s.row(2).split(" | ")
        row.insert(4, str(no_data[b]))
        add(" | ".join(row))
    add("")
    notes = NOTES.replace(SATURN_MODEL_NOTE, SATURN_RECORDS_NOTE) if SATURN_FROM_RECORDS[0] else NOTES
    pathlib.Path(opts.out).write_text("\n".join(lines) + "\n" + notes, encoding="utf-8")
    print("wrote " + opts.out, file=sys.stderr)


SATURN_MODEL_NOTE = """- **Saturn's moons** are placed by mean circular orbits with one period and one phase
  each, not by a theory: the phases drift over the decades, by tens of degrees for
  Titan and the outer moons, so the worst errors reach the size of the orbits. The
  picture is right in kind (order of the moons, tilt of the orbits), not in detail.
"""
SATURN_RECORDS_NOTE = """- **The moons of Saturn** come from records fitted to this same reference, like those
  of Mars and Uranus; Iapetus, the farthest and slowest, keeps the loosest fit (up to
  about 1"). Where a moon has no record the program falls back to mean circular
  orbits, marks the place approximate, and the report leaves it out.
"""

# What the numbers mean; kept with the script so a new run keeps the notes.
NOTES_TEMPLATE = """
## Notes on the largest errors

- **The Sun** was 13" to 38" off before this report was first run: its right ascension
  and declination were taken from the geometric longitude with the mean obliquity,
  without aberration and nutation. They now come from the apparent longitude and
  latitude with the true obliquity (`EarthSun::computeEarth`, tested against the
  handbook's worked example 25.b), which leaves the abridged theory's few tenths of an
  arc second.
- **The Moon at the true instant**: the lunar theory runs at universal time, so its place
  is where the Moon stood delta T (55 to 75 s) earlier: 30" to 50". At the same clock
  reading in dynamical time the theory itself stays within its promise.
- **Rise, transit and set** are the events of the local date: the body's place is taken
  at the start, the middle and the end of the local day and followed between them, the
  altitude compared with the rise altitude between the culminations; the Moon's events
  are then corrected at its own place and distance. A date without an event shows none
  (the Moon skips a rise, a transit or a set about once a month). Against the US Naval
  Observatory's tables (the section above) every event of 2019 at their sites falls
  within a minute, in every zone tried.
%SATURN%- **Pluto** is astrometric J2000 in the FK5 frame; the reference's ICRS frame differs by
  a few hundredths of an arc second, and Meeus's 43-term series (valid 1885-2099)
  accounts for the rest, and for the 20 ppm (0.0006 AU) of its distance.
- **The moons of Mars and Uranus** come from weekly records fitted to this same
  reference, so their line measures the fit, not an independent check. Phobos has no
  records after 2029 (the reference refuses those years), hence the count not compared.
"""
NOTES = NOTES_TEMPLATE.replace("%SATURN%", SATURN_MODEL_NOTE)

if __name__ == "__main__":
    main()
