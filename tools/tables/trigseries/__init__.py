"""Reads the trigonometric series written out as Python expressions inside
pymeeus functions (phase corrections, physical librations, the corrections
of the planetary phenomena) and returns them as plain term lists.

The package prints these series as code, not as tables, so the expression of
each assignment is parsed with `ast` and expanded symbolically: a series is a
sum of terms  poly(t, k) * E^p * f(argument), where f is 1, sin or cos and the
argument an integer combination of angle symbols. Nothing is typed in by hand,
so a copying error cannot slip into the generated C++.
"""
import ast
import inspect
import textwrap


class Linear:
    """An integer (or real) combination of angle symbols."""

    def __init__(self, coefs):
        self.coefs = {k: v for k, v in coefs.items() if v != 0}

    def __add__(self, other):
        out = dict(self.coefs)
        for k, v in other.coefs.items():
            out[k] = out.get(k, 0) + v
        return Linear(out)

    def scale(self, s):
        return Linear({k: v * s for k, v in self.coefs.items()})


class Term:
    """poly * E^epow * func(arg); poly maps (power of t, power of k) to a coefficient."""

    def __init__(self, poly, epow=0, func="1", arg=None):
        self.poly = {e: c for e, c in poly.items() if c != 0}
        self.epow = epow
        self.func = func
        self.arg = arg


class Series:
    def __init__(self, terms):
        self.terms = terms

    def constant(self):
        """The value when this series is a plain number, else None."""
        if len(self.terms) == 0:
            return 0.0
        if len(self.terms) != 1:
            return None
        t = self.terms[0]
        if t.func != "1" or t.epow != 0 or any(e != (0, 0) for e in t.poly):
            return None
        return t.poly.get((0, 0), 0.0)

    def negate(self):
        return Series([Term({e: -c for e, c in t.poly.items()}, t.epow, t.func, t.arg)
                       for t in self.terms])

    def times(self, other):
        out = []
        for a in self.terms:
            for b in other.terms:
                if a.func != "1" and b.func != "1":
                    raise ValueError("product of two trigonometric factors")
                poly = {}
                for ea, ca in a.poly.items():
                    for eb, cb in b.poly.items():
                        e = (ea[0] + eb[0], ea[1] + eb[1])
                        poly[e] = poly.get(e, 0.0) + ca * cb
                trig = a if a.func != "1" else b
                out.append(Term(poly, a.epow + b.epow, trig.func, trig.arg))
        return Series(out)


def _number(c):
    return Series([Term({(0, 0): float(c)})])


class _Expander:
    def __init__(self, angles):
        self.angles = set(angles)

    def eval(self, node):
        if isinstance(node, ast.Constant):
            return _number(node.value)
        if isinstance(node, ast.Name):
            if node.id in self.angles:
                return Linear({node.id: 1.0})
            if node.id == "t":
                return Series([Term({(1, 0): 1.0})])
            if node.id == "k":
                return Series([Term({(0, 1): 1.0})])
            if node.id == "E":
                return Series([Term({(0, 0): 1.0}, epow=1)])
            raise ValueError(f"unknown name {node.id}")
        if isinstance(node, ast.UnaryOp) and isinstance(node.op, ast.USub):
            v = self.eval(node.operand)
            return v.scale(-1) if isinstance(v, Linear) else v.negate()
        if isinstance(node, ast.Call) and isinstance(node.func, ast.Name):
            name = node.func.id
            if name == "Angle" and len(node.args) == 1:
                return self.eval(node.args[0])
            if name in ("sin", "cos") and len(node.args) == 1:
                arg = self.eval(node.args[0])
                if not isinstance(arg, Linear):
                    raise ValueError("trigonometric argument is not a combination of angles")
                return Series([Term({(0, 0): 1.0}, 0, name, arg)])
            raise ValueError(f"unknown call {name}")
        if isinstance(node, ast.BinOp):
            a = self.eval(node.left)
            b = self.eval(node.right)
            if isinstance(node.op, (ast.Add, ast.Sub)):
                if isinstance(node.op, ast.Sub):
                    b = b.scale(-1) if isinstance(b, Linear) else b.negate()
                if isinstance(a, Linear) and isinstance(b, Linear):
                    return a + b
                if isinstance(a, Series) and isinstance(b, Series):
                    return Series(a.terms + b.terms)
                raise ValueError("sum of an angle and a series")
            if isinstance(node.op, ast.Mult):
                if isinstance(a, Linear) or isinstance(b, Linear):
                    lin, other = (a, b) if isinstance(a, Linear) else (b, a)
                    c = other.constant() if isinstance(other, Series) else None
                    if c is None:
                        raise ValueError("angle multiplied by a non-constant")
                    return lin.scale(c)
                return a.times(b)
            if isinstance(node.op, ast.Div):
                c = b.constant() if isinstance(b, Series) else None
                if c is None or isinstance(a, Linear):
                    raise ValueError("unsupported division")
                return a.times(_number(1.0 / c))
        raise ValueError(f"unsupported expression {ast.dump(node)[:80]}")


def assignments(func, name):
    """The expressions assigned to `name` in the source of `func`, in source order."""
    tree = ast.parse(textwrap.dedent(inspect.getsource(func)))
    found = []
    for node in ast.walk(tree):
        if isinstance(node, ast.Assign) and len(node.targets) == 1:
            target = node.targets[0]
            if isinstance(target, ast.Name) and target.id == name:
                found.append((node.lineno, node.value))
    return [value for _, value in sorted(found, key=lambda x: x[0])]


def expand(expr, angles):
    """The series of one expression; angle symbols must be listed in `angles`."""
    value = _Expander(angles).eval(expr)
    if isinstance(value, Linear):
        raise ValueError("expression is a bare angle")
    return value


def series_of(func, name, angles, index=-1, skip_constant=True):
    """Expands the index-th non-trivial assignment to `name` in `func`."""
    exprs = assignments(func, name)
    if skip_constant:
        exprs = [e for e in exprs if not isinstance(e, ast.Constant)
                 and not (isinstance(e, ast.UnaryOp) and isinstance(e.operand, ast.Name))]
    return expand(exprs[index], angles)


def constant_of(func, name):
    """The number assigned to `name` in `func` (the first plain assignment)."""
    for e in assignments(func, name):
        s = _Expander([]).eval(e) if isinstance(e, (ast.Constant, ast.UnaryOp)) else None
        if s is not None and s.constant() is not None:
            return s.constant()
    raise ValueError(f"no constant assigned to {name}")


def polynomial_in_t(term, degree=2):
    """Coefficients c0..c_degree of a term whose poly depends on t only."""
    out = [0.0] * (degree + 1)
    for (pt, pk), c in term.poly.items():
        if pk != 0 or pt > degree:
            raise ValueError("term is not a polynomial in t of the expected degree")
        out[pt] += c
    return out


def collect(series):
    """Merges terms with the same function, argument and power of E, keeping
    the order of first appearance."""
    merged = {}
    order = []
    for t in series.terms:
        key = (t.func, t.epow, tuple(sorted(t.arg.coefs.items())) if t.arg else ())
        if key not in merged:
            merged[key] = Term({}, t.epow, t.func, t.arg)
            order.append(key)
        m = merged[key]
        for e, c in t.poly.items():
            m.poly[e] = m.poly.get(e, 0.0) + c
    return [merged[k] for k in order]


def multipliers(term, names):
    """The integer multiple of each angle symbol in `names` in a term's argument."""
    coefs = term.arg.coefs if term.arg else {}
    unknown = set(coefs) - set(names)
    if unknown:
        raise ValueError(f"unexpected angles {unknown}")
    out = []
    for n in names:
        v = coefs.get(n, 0.0)
        if v != int(v):
            raise ValueError("non-integer multiple")
        out.append(int(v))
    return out


def func_code(term):
    """0 for a constant term, 1 for sine, 2 for cosine."""
    return {"1": 0, "sin": 1, "cos": 2}[term.func]
