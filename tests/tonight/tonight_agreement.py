#!/usr/bin/python3
"""The night plan's events against the program's own lists.

For each night, `vantorel-cli tonight --json` must give exactly, to the
minute, the satellite phenomena (`jupiter-phenomena`) and Red Spot transits
(`grs`) of the two local days that fall between the end of civil twilight
and its start in the morning, the Lunar X of the day (`lunar-x`), and the
phases (`phases`), conjunctions, oppositions and elongations
(`conjunctions`) and Mars seasons (`seasons`) within three days.

Usage: tonight_agreement.py PATH/TO/vantorel-cli
"""
import datetime
import json
import subprocess
import sys

# latitude, longitude, zone, date, Red Spot longitude
NIGHTS = [
    (48.85, 2.35, "+1", "2023-12-05", 80),     # Jupiter high, Red Spot
    (48.85, 2.35, "+1", "2024-03-14", 45),     # Neptune's conjunction, first quarter near
    (48.85, 2.35, "+1", "2024-02-16", 80),     # a Lunar X in the dark
    (40.71, -74.0, "-5", "2023-04-11", 80),    # Jupiter behind the Sun
    (28.61, 77.21, "+5:30", "2024-01-10", 10),  # Mars season, new moon, half-hour zone
    (5.0, -7.5, "-0:30", "2024-11-09", 200),   # a zone less than an hour west
    (-33.87, 151.21, "+10", "2022-09-26", 80),  # Jupiter's opposition, southern sky
    (51.5, 0.0, "0", "2024-06-04", 80),        # Venus's superior conjunction
]

PLANETS = ["mercury", "venus", "mars", "jupiter", "saturn", "uranus", "neptune"]


def cli(tool, *args):
    out = subprocess.run([tool, *args, "--json"], check=True, capture_output=True, text=True)
    return json.loads(out.stdout)


def zone_minutes(zone):
    sign = -1 if zone.startswith("-") else 1
    h, _, m = zone.lstrip("+-").partition(":")
    return sign * (int(h) * 60 + int(m or 0))


def jd_of_local(local, zone):
    """Julian day (UT) of "YYYY-MM-DDTHH:MM" read in the fixed zone."""
    t = datetime.datetime.strptime(local, "%Y-%m-%dT%H:%M")
    t -= datetime.timedelta(minutes=zone_minutes(zone))
    epoch = datetime.datetime(2000, 1, 1, 12)
    return 2451545.0 + (t - epoch).total_seconds() / 86400.0


def day_after(date, days=1):
    return (datetime.date.fromisoformat(date) + datetime.timedelta(days=days)).isoformat()


def within(local, zone, begin, end, slack=1e-6):
    jd = jd_of_local(local, zone)
    return begin - slack <= jd <= end + slack


def main():
    tool = sys.argv[1]
    failures = []
    compared = 0

    def same(label, ours, theirs):
        nonlocal compared
        compared += len(theirs) + 1
        if sorted(ours) != sorted(theirs):
            failures.append(f"{label}:\n  tonight {sorted(ours)}\n  lists   {sorted(theirs)}")

    for lat, lon, zone, date, grs in NIGHTS:
        site = ["--lat", str(lat), "--lon", str(lon), "--zone", zone]
        plan = cli(tool, "tonight", "--date", date, "--grs-longitude", str(grs), *site)
        label = f"{date} {zone}"
        dusk, dawn = plan["sun"]["civil_dusk"], plan["sun"]["civil_dawn"]
        begin, end = plan["day"]["begin"]["jd"], plan["day"]["end"]["jd"]

        # Jupiter: the two local days, kept between the twilights.
        phenomena, spots = [], []
        if dusk and dawn:
            for day in (date, day_after(date)):
                for r in cli(tool, "jupiter-phenomena", "--date", day, "--zone", zone)["rows"]:
                    local = f"{day}T{r['hour']:02d}:{r['minute']:02d}"
                    if within(local, zone, dusk["jd"], dawn["jd"]):
                        phenomena.append((local, r["satellite"], r["code"]))
                for t in cli(tool, "grs", "--date", day, "--longitude", str(grs), "--zone", zone)["transits"]:
                    local = f"{day}T{t['hour']:02d}:{t['minute']:02d}"
                    if within(local, zone, dusk["jd"], dawn["jd"]):
                        spots.append(local)
        events = plan["jupiter_events"]
        same(f"{label} satellite phenomena",
             [(e["local"], e["satellite"], e["code"]) for e in events if e["kind"] == "satellite_phenomenon"],
             phenomena)
        same(f"{label} Red Spot", [e["local"] for e in events if e["kind"] == "red_spot_transit"], spots)

        # The Lunar X of the day.
        lunar = []
        for start in (date, day_after(date)):
            for line in cli(tool, "lunar-x", "--date", start, "--zone", zone)["lines"]:
                if within(line["local"], zone, begin, end) and line["local"] not in lunar:
                    lunar.append(line["local"])
        same(f"{label} Lunar X", [e["local"] for e in plan["lunar_x"]], lunar)

        # Phases within three days, from the months' tables.
        near_begin, near_end = begin - 3, end + 3
        kinds = ["new_moon", "first_quarter", "full_moon", "last_quarter"]
        phases = set()
        for start in (day_after(date, -3), day_after(date, 4)):
            for p in cli(tool, "phases", "--date", start, "--zone", zone)["month_phases"]:
                if within(p["local"], zone, near_begin, near_end):
                    phases.add((p["local"], p["kind"]))
        nearby = plan["nearby"]
        same(f"{label} phases",
             [(e["local"], kinds[e["code"]]) for e in nearby if e["kind"] == "moon_phase"], list(phases))

        # Conjunctions, oppositions, elongations: every event the list gives
        # from the first of the months around, kept within three days.
        events_of_lists = set()
        first = datetime.date.fromisoformat(date).replace(day=1)
        for months_back in range(0, 4):
            month = (first - datetime.timedelta(days=28 * months_back)).replace(day=1).isoformat()
            for body in PLANETS:
                for e in cli(tool, "conjunctions", "--body", body, "--date", month, "--zone", zone)["events"]:
                    ut = e["jde"] - 70 / 86400.0
                    if near_begin - 0.01 <= ut <= near_end + 0.01:
                        events_of_lists.add((body, e["kind"], e["local"]))
        ours = {(e["body"], ["opposition", "conjunction", "superior_conjunction", "inferior_conjunction",
                             "greatest_elongation_east", "greatest_elongation_west"][e["code"]], e["local"])
                for e in nearby if e["kind"] == "planet_phenomenon"}
        same(f"{label} planetary phenomena", list(ours), list(events_of_lists))

        # Mars seasons.
        year = int(day_after(date, -3)[:4])
        seasons = [s["local"] for s in cli(tool, "seasons", "--start", str(year), "--years", "1", "--zone", zone)["events"]
                   if within(s["local"], zone, near_begin, near_end)]
        same(f"{label} Mars seasons", [e["local"] for e in nearby if e["kind"] == "mars_season"], seasons)

    if failures:
        print("\n".join(failures))
        return 1
    print(f"{compared} events and lists agree over {len(NIGHTS)} nights")
    return 0


if __name__ == "__main__":
    sys.exit(main())
