#!/usr/bin/python3
"""Writes the 360 x 180 body maps and the program's cursor under resources/.

Sources: the planet textures of the Debian package stellarium-data
(/usr/share/stellarium/textures/), equirectangular, north up, east longitude
-180 at the left edge and +180 at the right. Needs python3-pil. The output is
committed; run this again only to regenerate it:

    /usr/bin/python3 tools/make_maps.py

Layout of every map (what DiscRenderer::paintMap reads): row j holds latitude
j - 90, so row 0 is the south pole; column i holds one degree of longitude.
Painted with projection code 3 the stored map appears as it is, south up and
west on the left, as an inverting telescope shows the body; code 0 turns it
to north up.

- Mars, Mercury, Venus, Uranus, Jupiter: the views pass the central
  longitude as the engine gives it (W - xi, a west longitude), so column i
  holds west longitude i, that is east longitude -i.
- Moon: the view passes 180 - l (l the libration in longitude, an east
  longitude), so column i holds selenographic east longitude 180 - i.
"""
import pathlib
import sys

from PIL import Image, ImageDraw

ROOT = pathlib.Path(__file__).resolve().parent.parent
TEXTURES = pathlib.Path("/usr/share/stellarium/textures")
OUT = ROOT / "resources" / "maps"

# output name -> (texture file, east longitude held by column i)
MAPS = {
    "mars": ("mars.png", lambda i: -i),
    "mercury": ("mercury.png", lambda i: -i),
    "venus": ("venus.png", lambda i: -i),
    "uranus": ("uranus.png", lambda i: -i),
    "jupiter": ("jupiter.png", lambda i: -i),
    "moon": ("moon.png", lambda i: 180 - i),
}


def sample(texture, east_deg, lat_deg):
    """Bilinear sample of a north-up texture at (east longitude, latitude)."""
    w, h = texture.size
    px = texture.load()
    x = ((east_deg + 180.0) % 360.0) / 360.0 * w - 0.5
    y = (90.0 - lat_deg) / 180.0 * h - 0.5
    y = min(max(y, 0.0), h - 1.0)
    x0, y0 = int(x // 1), int(y // 1)
    fx, fy = x - x0, y - y0
    y1 = min(y0 + 1, h - 1)
    out = []
    for c in range(3):
        def at(xx, yy):
            return px[xx % w, yy][c]
        top = at(x0, y0) * (1 - fx) + at(x0 + 1, y0) * fx
        bottom = at(x0, y1) * (1 - fx) + at(x0 + 1, y1) * fx
        out.append(int(round(top * (1 - fy) + bottom * fy)))
    return tuple(out)


# Maps whose bands are softened over this many degrees of latitude (the
# sigma of a Gaussian). Uranus shows no sharp band at the eyepiece, but its
# texture steps in brightness at 30 degrees north, which a disc seen pole-on
# turns into a bright seam arc.
SOFTENED = {"uranus": 3.0}


def soften_bands(img, sigma_deg):
    """Blurs a map along latitude only, each column on its own."""
    import math
    w, h = img.size
    src = img.load()
    radius = int(math.ceil(3 * sigma_deg))
    weights = [math.exp(-0.5 * (k / sigma_deg) ** 2) for k in range(-radius, radius + 1)]
    out = Image.new("RGB", (w, h))
    dst = out.load()
    for i in range(w):
        for j in range(h):
            acc = [0.0, 0.0, 0.0]
            total = 0.0
            for k, wk in zip(range(-radius, radius + 1), weights):
                jj = min(max(j + k, 0), h - 1)  # the poles hold their edge row
                for c in range(3):
                    acc[c] += src[i, jj][c] * wk
                total += wk
            dst[i, j] = tuple(int(round(a / total)) for a in acc)
    return out


def make_map(name, texture_name, east_of_column):
    texture = Image.open(TEXTURES / texture_name).convert("RGB")
    # Two texture pixels per map pixel before sampling, so one map pixel
    # averages its whole degree instead of picking one texel.
    texture = texture.resize((720, 360), Image.LANCZOS)
    out = Image.new("RGB", (360, 180))
    dst = out.load()
    for i in range(360):
        east = east_of_column(i)  # column i is painted at longitude i exactly
        for j in range(180):
            # Row j is painted at latitude j - 90; take the middle of its degree
            # so the poles do not repeat the texture's edge row.
            dst[i, j] = sample(texture, east, j - 90 + 0.5)
    if name in SOFTENED:
        out = soften_bands(out, SOFTENED[name])
    path = OUT / f"{name}.png"
    out.save(path, optimize=True)
    return path


def make_cursor():
    """A 32 x 32 cross with a ring, white over a black outline; hot spot 16, 16."""
    img = Image.new("RGBA", (32, 32), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    for colour, width in (((0, 0, 0, 255), 3), ((255, 255, 255, 255), 1)):
        d.line([(16, 1), (16, 11)], fill=colour, width=width)
        d.line([(16, 21), (16, 31)], fill=colour, width=width)
        d.line([(1, 16), (11, 16)], fill=colour, width=width)
        d.line([(21, 16), (31, 16)], fill=colour, width=width)
        d.ellipse([9, 9, 23, 23], outline=colour, width=width)
    path = ROOT / "resources" / "cursors" / "vantorel.png"
    path.parent.mkdir(parents=True, exist_ok=True)
    img.save(path, optimize=True)
    return path


def main():
    if not TEXTURES.is_dir():
        sys.exit("make_maps: install the Debian package stellarium-data first")
    OUT.mkdir(parents=True, exist_ok=True)
    for name, (texture, column) in MAPS.items():
        print("wrote", make_map(name, texture, column).relative_to(ROOT))
    print("wrote", make_cursor().relative_to(ROOT))


if __name__ == "__main__":
    main()
