"""The Moon: the 60 + 60 periodic terms of the position (Meeus tables 47.A and
47.B), the corrections of the principal phases with the 14 planetary
arguments, and the three series of the physical libration."""
from pymeeus.Moon import Moon, PERIODIC_TERMS_LR_TABLE, PERIODIC_TERMS_B_TABLE

from tables.common import header, num, write
from tables.trigseries import (collect, func_code, multipliers, polynomial_in_t,
                               series_of)

PHASE_ANGLES = ["Mr", "Mprimer", "Fr", "Omegar"]
PLANETARY = [f"a{i}r" for i in range(1, 15)]
LIBRATION_ANGLES = ["Dr", "Mr", "Mprimer", "Fr", "Omegar", "k1r", "k2r"]


def _int_row(values):
    assert all(v == int(v) for v in values)
    return ", ".join(str(int(v)) for v in values)


def _angle_terms(terms, names):
    rows = []
    for t in terms:
        c = polynomial_in_t(t, 0)[0]
        rows.append(f"    {{{num(c)}, {t.epow}, {func_code(t)}, "
                    f"{{{', '.join(str(m) for m in multipliers(t, names))}}}}},")
    return rows


def _array(ctype, name, rows):
    return (f"const {ctype} {name}[{len(rows)}] = {{\n" + "\n".join(rows) + "\n};\n")


def generate(root):
    lr = PERIODIC_TERMS_LR_TABLE
    b = PERIODIC_TERMS_B_TABLE
    assert len(lr) == 60 and len(b) == 60
    out = [header("pymeeus.Moon (Meeus tables 47.A, 47.B; moon_phase; moon_librations)"),
           '#include "moon/MoonSeries.h"\n\nnamespace vantorel {\n\n']
    out.append(_array("MoonLongitudeDistanceTerm", "kMoonLongitudeDistanceTerms",
                      [f"    {{{{{_int_row(r[:4])}}}, {num(r[4])}, {num(r[5])}}}," for r in lr]))
    out.append("\n")
    out.append(_array("MoonLatitudeTerm", "kMoonLatitudeTerms",
                      [f"    {{{{{_int_row(r[:4])}}}, {num(r[4])}}}," for r in b]))

    phase = Moon.moon_phase
    # Three non-trivial assignments to `corr`: new moon, full moon, quarters.
    names = ["kNewMoonTerms", "kFullMoonTerms", "kQuarterTerms"]
    for i, name in enumerate(names):
        terms = collect(series_of(phase, "corr", PHASE_ANGLES, index=i))
        out.append("\n" + _array("PhaseTerm", name, _angle_terms(terms, PHASE_ANGLES)))
    w = collect(series_of(phase, "w", PHASE_ANGLES, index=0))
    out.append("\n" + _array("PhaseTerm", "kQuarterWTerms", _angle_terms(w, PHASE_ANGLES)))

    # The planetary arguments A1..A14: c0 + ck k + ct2 T^2, and their amplitudes.
    amplitude = {}
    for t in collect(series_of(phase, "corr2", PLANETARY, index=0)):
        assert t.func == "sin" and len(t.arg.coefs) == 1
        (sym, mult), = t.arg.coefs.items()
        assert mult == 1.0
        amplitude[sym] = polynomial_in_t(t, 0)[0]
    rows = []
    for i in range(1, 15):
        poly = {}
        for t in series_of(phase, f"a{i}", [], index=0).terms:
            for e, c in t.poly.items():
                poly[e] = poly.get(e, 0.0) + c
        assert set(poly) <= {(0, 0), (0, 1), (2, 0)}
        rows.append(f"    {{{num(amplitude[f'a{i}r'])}, {num(poly.get((0, 0), 0.0))}, "
                    f"{num(poly.get((0, 1), 0.0))}, {num(poly.get((2, 0), 0.0))}}},")
    out.append("\n" + _array("PlanetaryPhaseTerm", "kPlanetaryPhaseTerms", rows))

    lib = Moon.moon_librations
    for sym, name in (("rho", "kLibrationRhoTerms"), ("sigma", "kLibrationSigmaTerms"),
                      ("tau", "kLibrationTauTerms")):
        terms = collect(series_of(lib, sym, LIBRATION_ANGLES, index=0))
        out.append("\n" + _array("LibrationTerm", name, _angle_terms(terms, LIBRATION_ANGLES)))
    out.append("\n}  // namespace vantorel\n")
    return [write(root / "moon" / "generated" / "MoonSeries.cpp", "".join(out))]
