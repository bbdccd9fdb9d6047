"""Truncated VSOP87D series of the Earth and of Mercury to Neptune.

Each series keeps the N terms of largest amplitude from the full series of the
package, N from the program's table of term counts; this reproduces the
handbook's truncated tables term for term. Kept terms stay in decreasing order
of amplitude, the order in which they are summed.
"""
import importlib

from tables.common import header, num, write

# Term counts of L0..L5, B0..B5, R0..R5; 0 means the series is left out.
COUNTS = {
    "Earth":   ([64, 34, 20, 7, 3, 1], [5, 2], [40, 10, 6, 2, 1]),
    "Mercury": ([38, 16, 10, 8, 6, 1], [14, 11, 9, 7, 2], [13, 8, 7, 5]),
    "Venus":   ([24, 12, 8, 3, 3, 1], [9, 4, 4, 4, 1], [12, 3, 3, 1, 1]),
    "Mars":    ([69, 46, 33, 12, 8, 2], [16, 9, 7, 4, 3], [45, 27, 11, 6, 4]),
    "Jupiter": ([64, 61, 57, 39, 19, 5], [26, 22, 14, 9, 6, 1], [46, 43, 36, 28, 15, 7]),
    "Saturn":  ([90, 79, 63, 48, 27, 12], [34, 32, 29, 21, 12, 2], [44, 38, 32, 28, 23, 18]),
    "Uranus":  ([91, 57, 35, 18, 4], [28, 20, 11, 4, 1], [59, 35, 18, 10, 2]),
    "Neptune": ([38, 18, 7, 4, 1], [17, 13, 6, 4, 1], [32, 15, 5, 1]),
}


def truncate(series, n):
    if n > len(series):
        raise SystemExit(f"vsop: series has {len(series)} terms, {n} wanted")
    # sorted() is stable: equal amplitudes keep the theory's order.
    return sorted(series, key=lambda term: -abs(term[0]))[:n]


def emit_series(prefix, terms):
    lines = []
    for part, idx in (("A", 0), ("B", 1), ("C", 2)):
        values = ", ".join(num(t[idx]) for t in terms)
        lines.append(f"const double {prefix}{part}[] = {{{values}}};")
    return lines


def emit_theory(symbol, coords):
    """coords: {'L': [terms...], ...}; returns C++ lines defining `symbol`."""
    lines = ["namespace {"]
    refs = {}
    for letter in "LBR":
        refs[letter] = []
        for k, terms in enumerate(coords[letter]):
            prefix = f"{letter}{k}"
            lines += emit_series(prefix, terms)
            refs[letter].append(f"{{{prefix}A, {prefix}B, {prefix}C, {len(terms)}}}")
    lines.append("}  // namespace")
    lines.append("")
    body = []
    for letter in "LBR":
        items = ", ".join(refs[letter])
        body.append(f"    {{{{{items}}}, {len(refs[letter])}}},")
    lines.append(f"const VsopTheory {symbol} = {{")
    lines += body
    lines.append("};")
    return lines


def generate(root):
    written = []
    for body, counts in COUNTS.items():
        module = importlib.import_module(f"pymeeus.{body}")
        coords = {}
        for letter, wanted in zip("LBR", counts):
            full = getattr(module, f"VSOP87_{letter}")
            coords[letter] = [truncate(full[k], n) for k, n in enumerate(wanted)]
        text = (header(f"pymeeus.{body} VSOP87_L/B/R (VSOP87D, equinox of date), "
                       "largest terms kept")
                + '#include "engine/VsopSeries.h"\n\nnamespace vantorel {\n\n'
                + "\n".join(emit_theory(f"kVsop{body}", coords))
                + "\n\n}  // namespace vantorel\n")
        written.append(write(root / "engine" / "generated" / f"Vsop{body}.cpp", text))
    return written
