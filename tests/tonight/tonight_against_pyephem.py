#!/usr/bin/python3
"""The night plan's instants against PyEphem, an independent ephemeris.

For sites from the Arctic to the tropics and both hemispheres, over the
program's years, `vantorel-cli tonight --json` must give sunset, sunrise and
the ends of civil, nautical and astronomical twilight within a minute of
PyEphem, and the same ones missing (a Sun that does not set or does not get
that low). The Moon's and the planets' rise and set are held to the same
minute. PyEphem is asked without refraction (pressure 0) at the program's
standard altitudes: the Sun's centre at -50', the Moon's upper limb and a
planet's centre at -34'.

Usage: tonight_against_pyephem.py PATH/TO/vantorel-cli
"""
import json
import subprocess
import sys

try:
    import ephem
except ImportError:
    sys.exit("python3-ephem is missing: run tools/install-deps.sh")

TOLERANCE_DAYS = 60.0 / 86400.0
DJD = 2415020.0  # PyEphem counts days from 1899-12-31 12:00 UT

# name, latitude, longitude, zone, dates
SITES = [
    ("Paris", 48.85, 2.35, "+1", ["1990-01-15", "2004-06-08", "2024-03-14", "2049-10-02"]),
    ("New York", 40.71, -74.0, "-5", ["1995-12-21", "2012-07-04", "2031-03-20"]),
    ("Sydney", -33.87, 151.21, "+10", ["1988-02-10", "2010-06-21", "2045-11-30"]),
    ("Quito", -0.18, -78.47, "-5", ["1999-08-11", "2024-09-22"]),
    ("Reykjavik", 64.15, -21.94, "0", ["2001-01-05", "2015-05-01", "2020-08-20"]),
    ("Tromso", 69.65, 18.96, "+1", ["2024-06-21", "2024-12-14", "2026-03-10"]),
    ("Cape Town", -33.92, 18.42, "+2", ["1992-04-25", "2038-12-24"]),
    ("Delhi", 28.61, 77.21, "+5:30", ["2008-05-15", "2027-01-31"]),
    ("Honolulu", 21.31, -157.86, "-10", ["1986-10-10", "2050-07-01"]),
    ("McMurdo", -77.85, 166.67, "+12", ["2023-01-10", "2023-06-15"]),
]

SUN_LEVELS = [("set", "rise", "-0:50"), ("civil_dusk", "civil_dawn", "-6"),
              ("nautical_dusk", "nautical_dawn", "-12"),
              ("astronomical_dusk", "astronomical_dawn", "-18")]


def run_plan(cli, date, lat, lon, zone):
    out = subprocess.run([cli, "tonight", "--date", date, "--lat", str(lat), "--lon", str(lon),
                          "--zone", zone, "--json"], check=True, capture_output=True, text=True)
    return json.loads(out.stdout)


def observer(lat, lon, jd, horizon):
    o = ephem.Observer()
    o.lat, o.lon = str(lat), str(lon)
    o.elevation = 0
    o.pressure = 0
    o.horizon = horizon
    o.date = ephem.Date(jd - DJD)
    return o


def next_event(lat, lon, body, start_jd, end_jd, horizon, rising, use_center):
    """The first rising (or setting) after start_jd, if it comes before end_jd."""
    o = observer(lat, lon, start_jd, horizon)
    try:
        d = (o.next_rising if rising else o.next_setting)(body, use_center=use_center)
    except (ephem.AlwaysUpError, ephem.NeverUpError):
        return None
    jd = float(d) + DJD
    return jd if jd <= end_jd else None


def jd_of(instant):
    return None if instant is None else instant["jd"]


def main():
    cli = sys.argv[1]
    failures = []
    checked = 0

    def compare(label, ours, theirs):
        nonlocal checked
        checked += 1
        if (ours is None) != (theirs is None):
            failures.append(f"{label}: program {ours}, PyEphem {theirs}")
        elif ours is not None and abs(ours - theirs) > TOLERANCE_DAYS:
            failures.append(f"{label}: {abs(ours - theirs) * 86400:.0f} s apart")

    for name, lat, lon, zone, dates in SITES:
        for date in dates:
            plan = run_plan(cli, date, lat, lon, zone)
            begin, end = plan["day"]["begin"]["jd"], plan["day"]["end"]["jd"]
            sun = plan["sun"]
            for evening, morning, horizon in SUN_LEVELS:
                dusk = next_event(lat, lon, ephem.Sun(), begin, end, horizon, False, True)
                compare(f"{name} {date} {evening}", jd_of(sun[evening]), dusk)
                dawn = next_event(lat, lon, ephem.Sun(), dusk if dusk else begin, end, horizon, True, True)
                compare(f"{name} {date} {morning}", jd_of(sun[morning]), dawn)
            # Each rise and set the plan gives, against PyEphem's next one
            # from an hour before it.
            bodies = [("moon", plan["moon"], ephem.Moon(), False)]
            planets = {"mercury": ephem.Mercury, "venus": ephem.Venus, "mars": ephem.Mars,
                       "jupiter": ephem.Jupiter, "saturn": ephem.Saturn, "uranus": ephem.Uranus,
                       "neptune": ephem.Neptune}
            bodies += [(p["body"], p, planets[p["body"]](), True) for p in plan["planets"]]
            for key, body, target, centre in bodies:
                for which, rising in (("rise", True), ("set", False)):
                    ours = jd_of(body[which])
                    if ours is None:
                        continue
                    theirs = next_event(lat, lon, target, ours - 1 / 24, ours + 1 / 24, "-0:34",
                                        rising, centre)
                    compare(f"{name} {date} {key} {which}", ours, theirs)
    if failures:
        print("\n".join(failures))
        print(f"{len(failures)} of {checked} instants differ")
        return 1
    print(f"{checked} instants within a minute of PyEphem")
    return 0


if __name__ == "__main__":
    sys.exit(main())
