"""Pluto's 43-term series and the Earth's J2000 series that place it.

The Earth's J2000 L0 and R series are the equinox-of-date truncations (the same
series); the others come from the package's J2000 tables, whose L0 and L3 print
12556.15... for the frequency 12566.15... of the handbook: the handbook's value
is written.
"""
import pymeeus.Earth as E
import pymeeus.Pluto as P

from tables.common import header, num, write
from tables.vsop import emit_theory, truncate

J2000_COUNTS = ([64, 34, 20, 7, 2], [5, 7, 4, 3, 2], [40, 10, 6, 2, 1])


def mend_frequency(term):
    a, b, c = term
    if abs(c - 12556.15) < 0.01:
        c += 10.0
    return [a, b, c]


def generate(root):
    coords = {}
    for letter, counts in zip("LBR", J2000_COUNTS):
        of_date = getattr(E, f"VSOP87_{letter}")
        full = getattr(E, f"VSOP87_{letter}_J2000", of_date)
        series = []
        for k, n in enumerate(counts):
            if letter == "R" or (letter == "L" and k == 0):
                series.append(truncate(of_date[k], n))
            else:
                series.append([mend_frequency(t) for t in truncate(full[k], n)])
        coords[letter] = series
    earth = (header("pymeeus.Earth VSOP87_L_J2000, VSOP87_B_J2000 and VSOP87_R (equinox J2000)")
             + '#include "engine/VsopSeries.h"\n\nnamespace vantorel {\n\n'
             + "\n".join(emit_theory("kVsopEarthJ2000", coords))
             + "\n\n}  // namespace vantorel\n")

    args, lon, lat, rad = (P.PLUTO_ARGUMENT, P.PLUTO_LONGITUDE, P.PLUTO_LATITUDE,
                           P.PLUTO_RADIUS_VECTOR)
    assert len(args) == len(lon) == len(lat) == len(rad) == 43
    rows = []
    for a, l, b, r in zip(args, lon, lat, rad):
        mult = ", ".join(f"{float(v):.1f}f" for v in a)
        coef = ", ".join(f"{num(v)}f" for v in (*l, *b, *r))
        rows.append(f"    {{{{{mult}}}, {{{coef}}}}},")
    pluto = (header("pymeeus.Pluto PLUTO_* (Meeus table 37.A)")
             + '#include "engine/PlutoTable.h"\n\nnamespace vantorel {\n\n'
             + "const PlutoRow kPlutoTable[kPlutoRows] = {\n"
             + "\n".join(rows) + "\n};\n\n}  // namespace vantorel\n")
    return [write(root / "engine" / "generated" / "VsopEarthJ2000.cpp", earth),
            write(root / "engine" / "generated" / "PlutoTable.cpp", pluto)]
