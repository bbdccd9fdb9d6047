#!/usr/bin/python3
"""Writes the C++ sources of the published tables the engine uses.

Every module in tools/tables/ exposes `generate(root)`, which reads the
installed Debian package python3-pymeeus (Meeus's tables and the full VSOP87D
series) and writes its table sources under the repository root `root`.
The generated files are committed; run this again only to regenerate them:

    /usr/bin/python3 tools/gen_tables.py            # every table
    /usr/bin/python3 tools/gen_tables.py nutation   # one module
"""
import importlib
import pathlib
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
sys.path.insert(0, str(ROOT / "tools"))


def main(argv):
    modules = sorted(p.stem for p in (ROOT / "tools" / "tables").glob("*.py")
                     if p.stem not in ("__init__", "common"))
    wanted = argv[1:] or modules
    for name in wanted:
        if name not in modules:
            sys.exit(f"gen_tables: no table module '{name}' (have: {', '.join(modules)})")
        module = importlib.import_module(f"tables.{name}")
        for path in module.generate(ROOT):
            print(f"wrote {path.relative_to(ROOT)}")


if __name__ == "__main__":
    main(sys.argv)
