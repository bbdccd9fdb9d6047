#!/usr/bin/python3
"""The calendar file read back by an independent iCalendar reader.

`vantorel-cli calendar` must write a file that python3-icalendar reads whole:
one VEVENT per event with a unique UID, a stamp, a start in universal time,
lines folded within 75 octets and texts escaped so they read back exactly.
Its events must be the observable Jupiter events and Lunar X of each night's
plan (`vantorel-cli tonight`), and the phases, planetary phenomena and Mars
seasons of the period; an existing file is kept unless --force is given.

Usage: calendar_with_icalendar.py PATH/TO/vantorel-cli
"""
import datetime
import json
import os
import subprocess
import sys
import tempfile

try:
    import icalendar
except ImportError:
    sys.exit("python3-icalendar is missing: run tools/install-deps.sh")

UTC = datetime.timezone.utc


def run(tool, *args, check=True):
    return subprocess.run([tool, *args], check=check, capture_output=True, text=True)


def instant(jd):
    """The UTC second of a Julian day, as libical writes it."""
    seconds = round((jd - 2440587.5) * 86400)
    return datetime.datetime.fromtimestamp(seconds, UTC)


def day_after(date, days):
    return (datetime.date.fromisoformat(date) + datetime.timedelta(days=days)).isoformat()


def check_site(tool, folder, site, first, nights, lang, failures):
    path = os.path.join(folder, f"nights-{lang}.ics")
    args = ["--from", first, "--days", str(nights), "--lang", lang, *site]
    out = json.loads(run(tool, "calendar", *args, "--out", path, "--json").stdout)
    raw = open(path, "rb").read()
    for number, line in enumerate(raw.split(b"\r\n"), 1):
        if len(line) > 75:
            failures.append(f"{lang}: line {number} has {len(line)} octets")
    calendar = icalendar.Calendar.from_ical(raw)
    if str(calendar["VERSION"]) != "2.0" or "PRODID" not in calendar:
        failures.append(f"{lang}: no VERSION 2.0 or PRODID")
    events = calendar.walk("VEVENT")
    if len(events) != out["events"]:
        failures.append(f"{lang}: {len(events)} events read, {out['events']} written")

    read = {}
    uids = set()
    for e in events:
        uid = str(e["UID"])
        if uid in uids:
            failures.append(f"{lang}: UID {uid} twice")
        uids.add(uid)
        start = e.decoded("DTSTART")
        if start.tzinfo is None or start.utcoffset() != datetime.timedelta(0):
            failures.append(f"{lang}: {uid} does not start in universal time")
        if "DTSTAMP" not in e:
            failures.append(f"{lang}: {uid} has no DTSTAMP")
        geo = e["GEO"]
        lat, lon = geo.latitude, geo.longitude
        if abs(lat - float(site[site.index("--lat") + 1])) > 1e-4:
            failures.append(f"{lang}: {uid} GEO latitude {lat}")
        read[(uid.split("-")[0], start)] = str(e["SUMMARY"])

    # What each night's plan says should be there.
    expected = {}
    begin = end = None
    for n in range(nights):
        plan = json.loads(run(tool, "tonight", "--date", day_after(first, n), "--lang", lang,
                              "--json", *site).stdout)
        begin = plan["day"]["begin"]["jd"] if begin is None else begin
        end = plan["day"]["end"]["jd"]
        for e in plan["jupiter_events"] + plan["lunar_x"]:
            if e["observable"]:
                expected[(e["kind"], instant(e["jd"]))] = e["text"]
        for e in plan["nearby"]:
            if begin <= e["jd"] <= end:
                expected[(e["kind"], instant(e["jd"]))] = e["text"]
    if set(read) != set(expected):
        failures.append(f"{lang}: calendar {sorted(set(read) - set(expected))[:5]} "
                        f"plans {sorted(set(expected) - set(read))[:5]}")
    # The texts read back exactly as the plan gives them, accents and commas included.
    for key, text in expected.items():
        if key in read and not read[key].endswith(text):
            failures.append(f"{lang}: summary {read[key]!r} does not end with {text!r}")
    kinds = {k for k, _ in read}
    return kinds, path


def main():
    tool = sys.argv[1]
    failures = []
    with tempfile.TemporaryDirectory() as folder:
        paris = ["--lat", "48.85", "--lon", "2.35", "--zone", "+1"]
        kinds, path = check_site(tool, folder, paris, "2024-02-10", 12, "fr", failures)
        for wanted in ("satellite_phenomenon", "red_spot_transit", "lunar_x", "moon_phase"):
            if wanted not in kinds:
                failures.append(f"no {wanted} in twelve nights from Paris")
        sydney = ["--lat", "-33.87", "--lon", "151.21", "--zone", "+10"]
        check_site(tool, folder, sydney, "2022-09-20", 10, "es", failures)

        # An existing file stays unless --force; a refused request writes nothing.
        before = open(path, "rb").read()
        again = run(tool, "calendar", "--from", "2024-03-01", "--days", "2", *paris, "--out", path,
                    check=False)
        if again.returncode == 0 or open(path, "rb").read() != before:
            failures.append("an existing calendar was replaced without --force")
        forced = run(tool, "calendar", "--from", "2024-03-01", "--days", "2", *paris, "--out", path,
                     "--force", check=False)
        if forced.returncode != 0 or open(path, "rb").read() == before:
            failures.append("--force did not replace the calendar")
        for days in ("0", "367"):
            refused = run(tool, "calendar", "--from", "2024-03-01", "--days", days, *paris,
                          "--out", os.path.join(folder, "refused.ics"), check=False)
            if refused.returncode != 2 or os.path.exists(os.path.join(folder, "refused.ics")):
                failures.append(f"--days {days} was not refused")
        late = run(tool, "calendar", "--from", "2050-12-01", "--days", "60", *paris,
                   "--out", os.path.join(folder, "late.ics"), check=False)
        if late.returncode != 2 or "2050" not in late.stderr:
            failures.append("nights beyond 2050 were not refused")
        leftovers = [f for f in os.listdir(folder) if ".tmp" in f]
        if leftovers:
            failures.append(f"temporary files left: {leftovers}")
    if failures:
        print("\n".join(failures))
        return 1
    print("the calendar files read back whole and agree with the nights' plans")
    return 0


if __name__ == "__main__":
    sys.exit(main())
