#!/usr/bin/python3
"""Fits the satellite records of Mars, Uranus and Saturn to the Swiss Ephemeris.

The Mars and Uranus views place Phobos, Deimos and the five large Uranian
moons from weekly records of twenty coefficients each, the Saturn window
Mimas to Iapetus from records of 14 to 56 days (read by
satellites/SatelliteRecordTable). This script produces those records for
every year the program covers:

    apt-get install swe-sat-data swetest       # only on the machine that fits
    /usr/bin/python3 tools/fit_satellite_records.py [--body saturn] [first_year last_year]
    /usr/bin/python3 tools/fit_satellite_records.py --references   # test sample only

Sources: the Debian packages `swetest` (the Swiss Ephemeris test program,
Moshier planetary theory) and `swe-sat-data` (the planetary-moon files
sepm94xx / sepm97xx). For every body and every week the apparent geocentric
right ascension and declination of the moon and of the planet's centre are
sampled every 30 minutes; the two offsets are

    first  = (alpha_moon - alpha_planet) cos(delta_planet) * 3600   (arc s, + east)
    second = (delta_moon - delta_planet) * 3600                      (arc s, + north)

and each is fitted by least squares with

    C1 + C2 dt + C3 sin(h + C7) + C4 dt sin(h + C8) + C5 dt^2 sin(h + C9)
       + C6 sin(2h + C10),      h = n dt,  dt = JD - (trunc(T0) + 0.5)

which is linear once every C sin(x + phase) is split into a sine and a cosine
part. n is fixed per moon (its mean motion). A week whose samples the
ephemeris refuses (an "error" line, as the Phobos file gives after 2029 and
past 2048.0) is left out: the program then draws no moon for that week
(Saturn's window places the moon by its mean-motion model instead).

Output: data/mars%02d.dat, data/uranus%02d.dat and data/saturn%02d.dat (year
modulo 100), one 370-character record per line, every span that touches the
year (so the span across a new year is in both files), and
tests/satellites/data/*.txt, a
sample of reference positions the unit tests compare the records against.
The fit residuals are printed at the end.
"""
import math
import pathlib
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
SAMPLES_PER_DAY = 48
WEEK = 7

# satellite digit, swetest moon number, mean motion (rad/day), orbit radius (km)
MARS = ("mars", ["-p4"], 15, [
    (1, "9401", 19.7027, 9378.0),             # Phobos
    (2, "9402", 4.9788, 23459.0),             # Deimos
])
# Uranus moons keep their Uranian numbers; Miranda is V. The mean motions come
# from the periods the satellite information box shows.
URANUS = ("uranus", ["-pv", "-xv9799"], 30, [
    (1, "9701", 2 * math.pi / 2.520, 191020.0),   # Ariel
    (2, "9702", 2 * math.pi / 4.144, 266000.0),   # Umbriel
    (3, "9703", 2 * math.pi / 8.706, 435910.0),   # Titania
    (4, "9704", 2 * math.pi / 13.463, 583520.0),  # Oberon
    (5, "9705", 2 * math.pi / 1.413, 129900.0),   # Miranda
])
# Saturn's eight moons against the centre of Saturn's body (9699), with the
# periods of the satellite information box (then one record's span in days,
# then the sampling step in half hours). A Saturnian moon's offsets change
# slowly enough from one revolution to the next that one record covers 14 to
# 56 days (the last field of each entry; tried spans twice as long missed by
# up to 0.15 radius for Hyperion and 0.03 for Rhea), which keeps the files
# near 2 MB instead of 10. Residuals are judged in Saturn equatorial radii
# (60330 km), the unit the Saturn window places its moons in.
SATURN = ("saturn", ["-pv", "-xv9699"], 30, [
    (1, "9601", 2 * math.pi / 0.9424218, 185520.0, 28, 2),   # Mimas
    (2, "9602", 2 * math.pi / 1.3702179, 238020.0, 56, 2),   # Enceladus
    (3, "9603", 2 * math.pi / 1.8878022, 294660.0, 56, 4),   # Tethys
    (4, "9604", 2 * math.pi / 2.7369147, 377400.0, 56, 4),   # Dione
    (5, "9605", 2 * math.pi / 4.5175004, 527040.0, 56, 6),   # Rhea
    (6, "9606", 2 * math.pi / 15.945421, 1221830.0, 28, 12),  # Titan
    (7, "9607", 2 * math.pi / 21.276609, 1481100.0, 14, 12),  # Hyperion
    (8, "9608", 2 * math.pi / 79.330183, 3561300.0, 56, 24),  # Iapetus
], 60330.0)
MAX_PLANET_RADII = 0.04
AU_KM = 149597870.7
ARCSEC_PER_RAD = 206264.806


def julian_day(year, month, day):
    """Julian day of 0 h UT of a Gregorian date."""
    if month < 3:
        year -= 1
        month += 12
    a = year // 100
    b = 2 - a + a // 4
    return math.floor(365.25 * (year + 4716)) + math.floor(30.6001 * (month + 1)) + day + b - 1524.5


def calendar(jd):
    """Gregorian date (y, m, d) of a Julian day."""
    z = math.floor(jd + 0.5)
    alpha = math.floor((z - 1867216.25) / 36524.25)
    a = z + 1 + alpha - alpha // 4
    b = a + 1524
    c = math.floor((b - 122.1) / 365.25)
    d = math.floor(365.25 * c)
    e = math.floor((b - d) / 30.6001)
    day = b - d - math.floor(30.6001 * e)
    month = e - 1 if e < 14 else e - 13
    year = c - 4716 if month > 2 else c - 4715
    return int(year), int(month), int(day)


def swetest_rows(body_args, start_jd, count, step_minutes, fmt, extra=()):
    """One tuple per instant, None where the ephemeris refused the instant."""
    cmd = ["swetest", f"-bj{start_jd:.8f}", "-ut", *body_args, *extra, f"-f{fmt}", "-head",
           f"-n{count}", f"-s{step_minutes}m", "-g,"]
    out = subprocess.run(cmd, capture_output=True, text=True, check=False).stdout
    rows = []
    refused = False
    for line in out.splitlines():
        if line.startswith("error"):
            refused = True
            continue
        parts = line.split(",")
        if len(parts) != 3:
            continue
        try:
            values = tuple(float(p) for p in parts)
        except ValueError:
            continue
        bad = refused or all(v == 0.0 for v in values)
        rows.append(None if bad else values)
        refused = False
    if len(rows) != count:
        raise RuntimeError(f"swetest gave {len(rows)} rows instead of {count}: {' '.join(cmd)}")
    return rows


class Chunk:
    """Samples of one moon over a run of weeks.

    The apparent place of the planet (right ascension, declination, distance)
    gives the direction and the light time. The moon's offset itself comes
    from geometric positions taken at the light-time-retarded instant: the
    apparent-place mode of swetest shifts a planetary moon by about its orbit
    radius (Phobos ends up twice as far from Mars as it is), while the
    geometric positions are consistent, so the retardation is done here.
    """

    def __init__(self, planet_args, moon_no, start, days, grid_minutes):
        self.start = start
        count = int(round(days * SAMPLES_PER_DAY)) + 1
        self.planet = swetest_rows(planet_args, start, count, 30, "adR")
        self.grid_start = start - 1.0
        self.grid_step = grid_minutes / 1440.0
        gcount = int(round((days + 2.0) / self.grid_step)) + 1
        moon = swetest_rows(["-pv", f"-xv{moon_no}"], self.grid_start, gcount, grid_minutes, "x",
                            ("-true",))
        centre = swetest_rows(planet_args, self.grid_start, gcount, grid_minutes, "x", ("-true",))
        self.rel = [None if (m is None or c is None) else tuple(x - y for x, y in zip(m, c))
                    for m, c in zip(moon, centre)]

    def relative(self, jd):
        """Moon minus planet (AU, equator of date) by 4-point Lagrange interpolation."""
        u = (jd - self.grid_start) / self.grid_step
        i = int(math.floor(u)) - 1
        if i < 0 or i + 3 >= len(self.rel):
            return None
        pts = self.rel[i:i + 4]
        if any(q is None for q in pts):
            return None
        s = u - (i + 1)
        w = (-s * (s - 1) * (s - 2) / 6, (s + 1) * (s - 1) * (s - 2) / 2,
             -(s + 1) * s * (s - 2) / 2, (s + 1) * s * (s - 1) / 6)
        return tuple(sum(w[k] * pts[k][c] for k in range(4)) for c in range(3))

    def planet_at(self, jd):
        u = (jd - self.start) * SAMPLES_PER_DAY
        i = int(math.floor(u + 1e-9))
        if i < 0 or i >= len(self.planet):
            return None
        a = self.planet[i]
        f = u - i
        if a is None:
            return None
        if f < 1e-9:
            return a
        if i + 1 >= len(self.planet) or self.planet[i + 1] is None:
            return None
        b = self.planet[i + 1]
        ra_b = b[0] + 360.0 * round((a[0] - b[0]) / 360.0)
        return (a[0] + f * (ra_b - a[0]), a[1] + f * (b[1] - a[1]), a[2] + f * (b[2] - a[2]))

    def offsets(self, jd):
        """(first, second, distance AU) at the instant, or None."""
        p = self.planet_at(jd)
        if p is None:
            return None
        rel = self.relative(jd - 0.0057755183 * p[2])
        if rel is None:
            return None
        ra, dec = math.radians(p[0]), math.radians(p[1])
        east = (-math.sin(ra), math.cos(ra), 0.0)
        north = (-math.sin(dec) * math.cos(ra), -math.sin(dec) * math.sin(ra), math.cos(dec))
        k = ARCSEC_PER_RAD / p[2]
        return (k * sum(x * y for x, y in zip(rel, east)),
                k * sum(x * y for x, y in zip(rel, north)), p[2])


def basis(dt, n):
    h = n * dt
    s, c = math.sin(h), math.cos(h)
    return (1.0, dt, s, c, dt * s, dt * c, dt * dt * s, dt * dt * c,
            math.sin(2 * h), math.cos(2 * h))


def solve(a, b):
    """Gaussian elimination with partial pivoting on a small dense system."""
    m = len(b)
    a = [row[:] + [b[i]] for i, row in enumerate(a)]
    for col in range(m):
        piv = max(range(col, m), key=lambda r: abs(a[r][col]))
        a[col], a[piv] = a[piv], a[col]
        p = a[col][col]
        for r in range(col + 1, m):
            f = a[r][col] / p
            if f:
                for k in range(col, m + 1):
                    a[r][k] -= f * a[col][k]
    x = [0.0] * m
    for r in range(m - 1, -1, -1):
        x[r] = (a[r][m] - sum(a[r][k] * x[k] for k in range(r + 1, m))) / a[r][r]
    return x


def fit_week(dts, values, n):
    """Least squares of the record model; returns C1..C10 for one offset."""
    m = 10
    ata = [[0.0] * m for _ in range(m)]
    atb = [0.0] * m
    rows = [basis(dt, n) for dt in dts]
    for row, v in zip(rows, values):
        for i in range(m):
            ri = row[i]
            atb[i] += ri * v
            ai = ata[i]
            for j in range(i, m):
                ai[j] += ri * row[j]
    for i in range(m):
        for j in range(i):
            ata[i][j] = ata[j][i]
    x = solve(ata, atb)
    amp = []
    phase = []
    for k in (2, 4, 6, 8):
        amp.append(math.hypot(x[k], x[k + 1]))
        phase.append(math.atan2(x[k + 1], x[k]))
    return [x[0], x[1], *amp, *phase]


def evaluate(c, dt, n):
    h = n * dt
    return (c[0] + c[1] * dt + c[2] * math.sin(h + c[6]) + c[3] * dt * math.sin(h + c[7])
            + c[4] * dt * dt * math.sin(h + c[8]) + c[5] * math.sin(2 * h + c[9]))


def fortran(v):
    """17 characters, ' 0.1051000000D+00' style."""
    if v == 0.0 or not math.isfinite(v):
        return " 0.0000000000D+00"
    exp = math.floor(math.log10(abs(v))) + 1
    mant = abs(v) / 10.0 ** exp
    digits = round(mant * 1e10)
    if digits >= 10 ** 10:
        digits //= 10
        exp += 1
    sign = "-" if v < 0 else " "
    esign = "-" if exp < 0 else "+"
    return f"{sign}0.{digits:010d}D{esign}{abs(exp):02d}"


def record_line(sat, number, k, span, coeffs):
    y0, m0, d0 = calendar(k + 0.5)
    y1, m1, d1 = calendar(k + span - 0.5)
    head = f"{sat}{number:3d}{y0:04d}{m0:02d}{d0:02d}{y1:04d}{m1:02d}{d1:02d}{k + 0.5:9.1f}"
    line = head + "".join(fortran(c) for c in coeffs) + " "
    assert len(line) == 370, len(line)
    return line


def span_of(moon):
    """Days one record covers: a week unless the moon's entry names a longer span."""
    return moon[4] if len(moon) > 4 else WEEK


def sample_step(moon):
    """Fitting samples are taken every this many half hours (every one unless
    the moon's entry says otherwise: slow moons need fewer)."""
    return moon[5] if len(moon) > 5 else 1


def starts(moon, first_year, last_year):
    k_start = int(julian_day(first_year, 1, 1) - 0.5)
    k_end = int(julian_day(last_year + 1, 1, 1) - 0.5)
    return list(range(k_start, k_end, span_of(moon)))


def fit_body(name, planet_args, moons, grid_minutes, first_year, last_year, report,
             planet_radius_km=None):
    """Fits every span of every moon. With planet_radius_km the residuals are
    judged in planet radii (a span worse than MAX_PLANET_RADII is left out),
    otherwise as a share of the moon's orbit radius."""
    fitted = {}  # (sat, k) -> coefficients
    for moon in moons:
        sat, moon_no, n, radius_km = moon[:4]
        span = span_of(moon)
        spans = starts(moon, first_year, last_year)
        step = sample_step(moon)
        per_span = span * SAMPLES_PER_DAY // step + 1
        chunk = max(1, 182 // span)
        worst = worst_planet = 0.0
        rms_sum = 0.0
        rms_count = 0
        skipped = 0
        rejected = 0
        max_reach = 0.0
        for c0 in range(0, len(spans), chunk):
            group = spans[c0:c0 + chunk]
            data = Chunk(planet_args, moon_no, group[0], len(group) * span, grid_minutes)
            for k in group:
                dts, xs, ys, dists = [], [], [], []
                for i in range(per_span):
                    jd = k + i * step / SAMPLES_PER_DAY
                    o = data.offsets(jd)
                    if o is None:
                        break
                    dts.append(jd - (k + 0.5))
                    xs.append(o[0])
                    ys.append(o[1])
                    dists.append(o[2])
                if len(dts) != per_span:
                    skipped += 1
                    continue
                cx = fit_week(dts, xs, n)
                cy = fit_week(dts, ys, n)
                # Each sample in the units of its own distance: over a long span
                # the planet's distance changes by a tenth.
                per_km = [ARCSEC_PER_RAD / (d * AU_KM) for d in dists]
                misses = [math.hypot(evaluate(cx, dt, n) - x, evaluate(cy, dt, n) - y)
                          for dt, x, y in zip(dts, xs, ys)]
                errors = [e / (radius_km * k) for e, k in zip(misses, per_km)]
                reach = max(math.hypot(x, y) / (radius_km * k) for x, y, k in zip(xs, ys, per_km))
                miss_planet = 0.0
                if planet_radius_km:
                    miss_planet = max(e / (planet_radius_km * k) for e, k in zip(misses, per_km))
                # A span the ephemeris garbled without saying so (offsets beyond the
                # orbit, or a model that cannot follow them) is left out like a refused one.
                # Hyperion's eccentric orbit takes it 1.1 times its mean distance out.
                if (max(errors) > 0.05 or reach > (1.2 if planet_radius_km else 1.1)
                        or (planet_radius_km and miss_planet > MAX_PLANET_RADII)):
                    rejected += 1
                    continue
                worst_planet = max(worst_planet, miss_planet)
                for e in errors:
                    worst = max(worst, e)
                    rms_sum += e * e
                    rms_count += 1
                max_reach = max(max_reach, reach)
                fitted[(sat, k)] = cx + cy
        rms = math.sqrt(rms_sum / rms_count) if rms_count else 0.0
        line = (f"{name} {sat} ({moon_no}), {span}-day spans: {len(spans) - skipped - rejected} "
                f"fitted, {skipped} refused by the ephemeris, {rejected} rejected; "
                f"residual max {100 * worst:.3f}% rms {100 * rms:.4f}% of the orbit "
                f"radius; largest offset {max_reach:.3f} radius")
        if planet_radius_km:
            line += f"; max {worst_planet:.4f} planet radii"
        report.append(line)
        print(line, flush=True)
    return fitted


def reference_positions(planet_args, moons, grid_minutes, first_year, last_year,
                        planet_radius_km=None):
    """Offsets at whole minutes off the fitting grid, every 13th week of each moon."""
    k_start = int(julian_day(first_year, 1, 1) - 0.5)
    k_end = int(julian_day(last_year + 1, 1, 1) - 0.5)
    references = []
    for sat, moon_no, n, radius_km, *_ in moons:
        for k in range(k_start, k_end, 13 * WEEK):
            jd = k + 3037 / 1440.0  # 2 days 2 h 37 min after the week's start
            data = Chunk(planet_args, moon_no, jd - 0.5, 1.0, grid_minutes)
            o = data.offsets(jd)
            if o is not None:
                radius = (planet_radius_km or radius_km) / (o[2] * AU_KM) * ARCSEC_PER_RAD
                references.append((sat, jd, o[0], o[1], radius))
    return references


def write_files(name, moons, fitted, first_year, last_year, out=None):
    out = pathlib.Path(out) if out else ROOT / "data"
    out.mkdir(parents=True, exist_ok=True)
    for year in range(first_year, last_year + 1):
        lo = julian_day(year, 1, 1) - 0.5
        hi = julian_day(year + 1, 1, 1) - 0.5
        lines = []
        for moon in moons:
            sat, span = moon[0], span_of(moon)
            number = 0
            for k in starts(moon, first_year, last_year):
                if k < hi and k + span > lo and (sat, k) in fitted:
                    number += 1
                    lines.append(record_line(sat, number % 1000, k, span, fitted[(sat, k)]))
        path = out / f"{name}{year % 100:02d}.dat"
        path.write_text("".join(line + "\n" for line in lines))


def write_references(name, references, planet_radius_km=None):
    out = ROOT / "tests" / "satellites" / "data"
    out.mkdir(parents=True, exist_ok=True)
    with open(out / f"{name}_reference.txt", "w") as f:
        f.write(f"# {name} moons from swetest: satellite, UT date and time, first and second "
                "offset (arc s), " + ("planet's equatorial radius" if planet_radius_km else "orbit radius")
                + " (arc s)\n")
        for sat, jd, x, y, radius in references:
            y_, m_, d_ = calendar(jd)
            minutes = round((jd + 0.5 - math.floor(jd + 0.5)) * 1440)
            f.write(f"{sat} {y_:04d}-{m_:02d}-{d_:02d} {minutes // 60:02d}:{minutes % 60:02d} "
                    f"{x:.5f} {y:.5f} {radius:.5f}\n")


def take_option(argv, name):
    """Removes `name VALUE` from argv; returns VALUE or None."""
    if name not in argv:
        return None
    at = argv.index(name)
    value = argv[at + 1]
    del argv[at:at + 2]
    return value


def main(argv):
    """Options: --body NAME (one planet), --moons 1,2 (some of its moons),
    --out DIR (instead of data/), --references (the test sample only),
    --no-references (the records only). Runs of different moons can go side
    by side and their files be joined, moon after moon, afterwards."""
    first_year, last_year = 1985, 2050
    report = []
    argv = list(argv)
    body = take_option(argv, "--body")
    moon_list = take_option(argv, "--moons")
    out = take_option(argv, "--out")
    references_only = "--references" in argv
    with_references = "--no-references" not in argv
    argv = [a for a in argv if a not in ("--references", "--no-references")]
    if len(argv) == 3:
        first_year, last_year = int(argv[1]), int(argv[2])
    bodies = tuple(b for b in (MARS, URANUS, SATURN) if body in (None, b[0]))
    for name, planet_args, grid_minutes, moons, *planet in bodies:
        if moon_list:
            wanted = {int(m) for m in moon_list.split(",")}
            moons = [m for m in moons if m[0] in wanted]
        planet_radius_km = planet[0] if planet else None
        if not references_only:
            fitted = fit_body(name, planet_args, moons, grid_minutes, first_year, last_year,
                              report, planet_radius_km)
            write_files(name, moons, fitted, first_year, last_year, out)
        if with_references:
            write_references(name, reference_positions(planet_args, moons, grid_minutes,
                                                       first_year, last_year, planet_radius_km),
                             planet_radius_km)
    print("\n".join(report))


if __name__ == "__main__":
    main(sys.argv)
