"""Planetary phenomena (Meeus, chapter on planetary phenomena): the mean
phenomenon of each event (A, B, M0, M1) and the periodic correction of its
instant, and for the greatest elongations of Mercury and Venus the series of
the elongation itself."""
from pymeeus.Mercury import Mercury
from pymeeus.Venus import Venus
from pymeeus.Mars import Mars
from pymeeus.Jupiter import Jupiter
from pymeeus.Saturn import Saturn
from pymeeus.Uranus import Uranus
from pymeeus.Neptune import Neptune

from tables.common import header, num, write
from tables.trigseries import (collect, constant_of, func_code, polynomial_in_t,
                               series_of)

AUX = ["aa", "bb", "cc", "dd", "ee", "ff", "gg"]
ANGLES = ["m"] + AUX

# Row order of the search's table: per planet the first event, then the second.
EVENTS = [
    ("kMercuryInferior", Mercury.inferior_conjunction),
    ("kMercurySuperior", Mercury.superior_conjunction),
    ("kVenusInferior", Venus.inferior_conjunction),
    ("kVenusSuperior", Venus.superior_conjunction),
    ("kMarsOpposition", Mars.opposition),
    ("kMarsConjunction", Mars.conjunction),
    ("kJupiterOpposition", Jupiter.opposition),
    ("kJupiterConjunction", Jupiter.conjunction),
    ("kSaturnOpposition", Saturn.opposition),
    ("kSaturnConjunction", Saturn.conjunction),
    ("kUranusOpposition", Uranus.opposition),
    ("kUranusConjunction", Uranus.conjunction),
    ("kNeptuneOpposition", Neptune.opposition),
    ("kNeptuneConjunction", Neptune.conjunction),
]
ELONGATIONS = [
    ("kMercuryEast", Mercury.eastern_elongation),
    ("kMercuryWest", Mercury.western_elongation),
    ("kVenusEast", Venus.eastern_elongation),
    ("kVenusWest", Venus.western_elongation),
]


def _terms(func, name):
    rows = []
    for t in collect(series_of(func, name, ANGLES, index=0)):
        assert t.epow == 0
        coefs = t.arg.coefs if t.arg else {}
        assert len(coefs) <= 1
        m_multiple, aux = 0, -1
        for sym, mult in coefs.items():
            assert mult == int(mult)
            if sym == "m":
                m_multiple = int(mult)
            else:
                assert mult == 1
                aux = AUX.index(sym)
        c = polynomial_in_t(t, 2)
        rows.append(f"    {{{func_code(t)}, {m_multiple}, {aux}, "
                    f"{num(c[0])}, {num(c[1])}, {num(c[2])}}},")
    return rows


def _array(name, rows):
    return (f"const PhenomenonTerm {name}[{len(rows)}] = {{\n" + "\n".join(rows) + "\n};\n\n")


def _aux_arguments():
    """The extra arguments a..g (degrees, c0 + c1 T), read where the package
    defines them and checked to agree wherever it defines them twice."""
    found = {}
    for _, func in EVENTS:
        for sym in AUX:
            try:
                s = series_of(func, sym, [], index=0)
            except IndexError:
                continue
            poly = {}
            for t in s.terms:
                for e, c in t.poly.items():
                    poly[e] = poly.get(e, 0.0) + c
            value = (poly.get((0, 0), 0.0), poly.get((1, 0), 0.0))
            assert found.setdefault(sym, value) == value
    assert set(found) == set(AUX)
    return [found[s] for s in AUX]


def generate(root):
    out = [header("pymeeus.Mercury ... pymeeus.Neptune (Meeus, planetary phenomena)"),
           '#include "sky/PhenomenaSeries.h"\n\nnamespace vantorel {\n\nnamespace {\n\n']
    rows = []
    for name, func in EVENTS:
        terms = _terms(func, "corr")
        out.append(_array(name, terms))
        a, b, m0, m1 = (constant_of(func, n) for n in ("a", "b", "m0", "m1"))
        rows.append(f"    {{{num(a)}, {num(b)}, {num(m0)}, {num(m1)}, {name}, {len(terms)}}},")
    elong = []
    for name, func in ELONGATIONS:
        time_terms = _terms(func, "corr")
        value_terms = _terms(func, "elon")
        out.append(_array(name + "Time", time_terms))
        out.append(_array(name + "Value", value_terms))
        elong.append(f"    {{{{{name}Time, {len(time_terms)}}}, {{{name}Value, {len(value_terms)}}}}},")
    out.append("}  // namespace\n\n")
    out.append(f"const PhenomenonRow kPhenomenonRows[{len(rows)}] = {{\n" + "\n".join(rows) + "\n};\n\n")
    out.append("const ElongationSeries kElongationSeries[4] = {\n" + "\n".join(elong) + "\n};\n\n")
    aux = [f"    {{{num(c0)}, {num(c1)}}}," for c0, c1 in _aux_arguments()]
    out.append("const PhenomenonArgument kPhenomenonArguments[7] = {\n" + "\n".join(aux) + "\n};\n")
    out.append("\n}  // namespace vantorel\n")
    return [write(root / "sky" / "generated" / "PhenomenaSeries.cpp", "".join(out))]
