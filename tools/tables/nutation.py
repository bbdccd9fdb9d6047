"""The 63-row table of the 1980 IAU theory of nutation."""
import pymeeus.Coordinates as C

from tables.common import header, num, write


def generate(root):
    args = C.NUTATION_ARG_TABLE
    sin = C.NUTATION_SINE_COEF_TABLE
    # The package lists obliquity coefficients only for the first 49 rows;
    # the handbook prints none for the rest, so they are zero.
    cos = [list(r) for r in C.NUTATION_COSINE_COEF_TABLE]
    cos += [[0.0, 0.0]] * (len(args) - len(cos))
    assert len(args) == len(sin) == len(cos) == 63
    assert list(args[-1]) == [2, -1, 0, 2, 2]
    rows = []
    for a, s, c in zip(args, sin, cos):
        mult = ", ".join(f"{float(v):.1f}f" for v in a)
        rows.append(f"    {{{{{mult}}}, {num(s[0])}, {num(s[1])}, {num(c[0])}, {num(c[1])}}},")
    text = (header("pymeeus.Coordinates NUTATION_*_TABLE (IAU 1980, Meeus table 22.A)")
            + '#include "engine/NutationTable.h"\n\nnamespace vantorel {\n\n'
            + "const NutationRow kNutationTable[kNutationRows] = {\n"
            + "\n".join(rows) + "\n};\n\n}  // namespace vantorel\n")
    return [write(root / "engine" / "generated" / "NutationTable.cpp", text)]
