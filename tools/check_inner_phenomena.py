#!/usr/bin/python3
"""Checks `vantorel-cli conjunctions` for Mercury and Venus against PyEphem.

From seeded random start dates from 1985 to 2050 (zone 0), the command must
list each kind once (inferior and superior conjunction, greatest eastern and
western elongation), in date order, and each must be the first of its kind
on or after the start day as PyEphem finds it: within a day of PyEphem's
instant and a degree of its elongation. Run from the repository root after a
build (ctest runs it when python3-ephem is installed):

    python3 tools/check_inner_phenomena.py [--cli build/vantorel-cli] [--starts 40]

Exits 0 when everything agrees, 1 on a difference, 77 without PyEphem.
"""
import argparse
import datetime
import json
import math
import random
import subprocess
import sys

try:
    import ephem
except ImportError:
    print("python3-ephem is not installed: nothing checked")
    sys.exit(77)

BODIES = {"mercury": ephem.Mercury, "venus": ephem.Venus}
# The handbook's mean phenomena with their corrections are good to hours;
# an elongation is a flat maximum, so its instant is looser still.
TOLERANCE_DAYS = {"inferior_conjunction": 0.25, "superior_conjunction": 0.5,
                  "greatest_elongation_east": 1.0, "greatest_elongation_west": 1.0}
TOLERANCE_ELONGATION_DEG = 0.2


def elongation(body_class, when):
    body = body_class()
    body.compute(ephem.Date(when))
    return float(body.elong)  # radians, east positive


def refine_extremum(body_class, when, sign):
    low, high = when - 1.5, when + 1.5
    for _ in range(60):
        a = low + (high - low) / 3
        b = high - (high - low) / 3
        if sign * elongation(body_class, a) < sign * elongation(body_class, b):
            low = a
        else:
            high = b
    return (low + high) / 2


def refine_conjunction(body_class, when):
    """The instant the difference of ecliptic longitude with the Sun is zero."""
    def difference(t):
        body, sun = body_class(), ephem.Sun()
        body.compute(ephem.Date(t))
        sun.compute(ephem.Date(t))
        b = ephem.Ecliptic(body, epoch=ephem.Date(t))
        s = ephem.Ecliptic(sun, epoch=ephem.Date(t))
        return math.remainder(float(b.lon) - float(s.lon), 2 * math.pi)
    low, high = when - 1.0, when + 1.0
    for _ in range(60):
        middle = (low + high) / 2
        if (difference(low) > 0) == (difference(middle) > 0):
            low = middle
        else:
            high = middle
    body = body_class()
    body.compute(ephem.Date(low))
    return low, "inferior_conjunction" if body.earth_distance < 1 else "superior_conjunction"


def reference_events(body_class, start, days):
    """PyEphem's events from `start` (an ephem.Date, 0 h UT) for `days`."""
    events = []
    values = [(start + i, elongation(body_class, start + i)) for i in range(-2, days + 2)]
    for i in range(1, len(values) - 1):
        t, v = values[i]
        before, after = values[i - 1][1], values[i + 1][1]
        if v > before and v > after and v > 0:
            when = refine_extremum(body_class, t, 1)
            events.append(("greatest_elongation_east", when, math.degrees(elongation(body_class, when))))
        if v < before and v < after and v < 0:
            when = refine_extremum(body_class, t, -1)
            events.append(("greatest_elongation_west", when, -math.degrees(elongation(body_class, when))))
        if (before > 0) != (v > 0):
            when, kind = refine_conjunction(body_class, t - 0.5)
            events.append((kind, when, None))
    return events


def julian_day(date):
    return float(date) + 2415020.0  # ephem dates count from 1899 December 31.5


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--cli", default="build/vantorel-cli")
    parser.add_argument("--starts", type=int, default=40)
    parser.add_argument("--seed", type=int, default=22)
    args = parser.parse_args()
    rng = random.Random(args.seed)
    first, last = datetime.date(1985, 1, 1), datetime.date(2048, 12, 31)
    failures = 0
    checked = 0
    for _ in range(args.starts):
        day = first + datetime.timedelta(days=rng.randrange((last - first).days))
        for name, body_class in BODIES.items():
            run = subprocess.run([args.cli, "conjunctions", "--body", name, "--date", day.isoformat(),
                                  "--zone", "0", "--json"], capture_output=True, text=True, check=True)
            listed = json.loads(run.stdout)["events"]
            start = ephem.Date(day.strftime("%Y/%m/%d"))
            reference = reference_events(body_class, start, 620 if name == "venus" else 140)
            firsts = {}
            for kind, when, value in sorted(reference, key=lambda e: e[1]):
                # On or after the start day: the listing rounds to its hour.
                if when >= start - 1.0 / 48 and kind not in firsts:
                    firsts[kind] = (when, value)
            kinds = [e["kind"] for e in listed]
            jdes = [e["jde"] for e in listed]
            problems = []
            if sorted(kinds) != sorted(TOLERANCE_DAYS):
                problems.append("kinds %s" % kinds)
            if jdes != sorted(jdes):
                problems.append("not in date order")
            for event in listed:
                if event["kind"] not in firsts:
                    problems.append("no reference for %s" % event["kind"])
                    continue
                when, value = firsts[event["kind"]]
                # The listing has no delta T: compare the clock instants.
                difference = event["jde"] - julian_day(when)
                if abs(difference) > TOLERANCE_DAYS[event["kind"]]:
                    problems.append("%s %s is %+.2f d from PyEphem's %s" % (
                        event["kind"], event["local"], difference, ephem.Date(when)))
                if value is not None and abs(event["elongation_deg"] - value) > TOLERANCE_ELONGATION_DEG:
                    problems.append("%s %.2f deg, PyEphem %.2f deg" % (
                        event["kind"], event["elongation_deg"], value))
            checked += 1
            if problems:
                failures += 1
                print("%s from %s: %s" % (name, day, "; ".join(problems)))
    print("%d searches checked, %d differ" % (checked, failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
