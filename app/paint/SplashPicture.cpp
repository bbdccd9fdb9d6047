#include "app/paint/SplashPicture.h"

#include <QFont>

#include <cstdint>

#include "common/paint/DrawingSurface.h"

namespace vantorel {

namespace {

// Same stars at every start: a small linear congruential sequence.
class StarSequence {
public:
    int next(int bound) {
        state_ = state_ * 1103515245u + 12345u;
        return static_cast<int>((state_ >> 16) % static_cast<uint32_t>(bound));
    }

private:
    uint32_t state_ = 20260101u;
};

Rgb blend(Rgb a, Rgb b, double f) {
    return {static_cast<int>(a.r + (b.r - a.r) * f), static_cast<int>(a.g + (b.g - a.g) * f),
            static_cast<int>(a.b + (b.b - a.b) * f)};
}

void skyGradient(DrawingSurface& s, Rgb zenith, Rgb horizon, int bottom) {
    for (int y = 0; y < bottom; ++y)
        s.fillRect(0, y, s.width(), y + 1, blend(zenith, horizon, static_cast<double>(y) / bottom));
}

void stars(DrawingSurface& s, int count, int bottom) {
    StarSequence seq;
    for (int i = 0; i < count; ++i) {
        const int x = seq.next(s.width());
        const int y = seq.next(bottom);
        const int v = 120 + seq.next(136);
        s.setPixel(x, y, Rgb{v, v, std::min(255, v + 20)});
        if (v > 235) {  // the brightest get a small cross
            s.setPixel(x + 1, y, Rgb{v / 2, v / 2, v / 2 + 20});
            s.setPixel(x - 1, y, Rgb{v / 2, v / 2, v / 2 + 20});
            s.setPixel(x, y + 1, Rgb{v / 2, v / 2, v / 2 + 20});
            s.setPixel(x, y - 1, Rgb{v / 2, v / 2, v / 2 + 20});
        }
    }
}

void filledEllipse(DrawingSurface& s, Rgb c, int l, int t, int r, int b) {
    s.setPen(PenStyle::Solid, 1, c);
    s.setBrush(c);
    s.ellipse(l, t, r, b);
}

void centredText(DrawingSurface& s, int y, const QString& text, const QFont& font, Rgb colour) {
    s.setFont(font);
    s.setTextColour(colour);
    s.textOut((s.width() - s.textWidth(text)) / 2, y, text);
}

}  // namespace

QImage makeSplashPicture(const QString& versionLine) {
    DrawingSurface s(kSplashWidth, kSplashHeight);
    const Rgb zenith{4, 8, 32};
    const Rgb horizon{44, 58, 110};
    skyGradient(s, zenith, horizon, 230);
    stars(s, 260, 225);

    // A waxing Moon low in the west, its night side the colour of the sky.
    filledEllipse(s, Rgb{236, 228, 196}, 318, 150, 352, 184);
    filledEllipse(s, blend(zenith, horizon, 0.7), 309, 146, 343, 180);
    // A bright planet and its reflection of Saturn's ring.
    filledEllipse(s, Rgb{230, 205, 150}, 82, 118, 88, 124);
    s.setPen(PenStyle::Solid, 1, Rgb{190, 170, 130});
    s.moveTo(78, 122);
    s.lineTo(92, 120);

    // Hills, then a small dome on the nearer one.
    filledEllipse(s, Rgb{16, 26, 30}, -140, 205, 260, 420);
    filledEllipse(s, Rgb{9, 15, 18}, 120, 222, 560, 430);
    s.fillRect(0, 262, kSplashWidth, kSplashHeight, Rgb{9, 15, 18});
    filledEllipse(s, Rgb{150, 156, 170}, 262, 203, 290, 231);
    s.fillRect(262, 217, 290, 234, Rgb{150, 156, 170});
    s.fillRect(274, 203, 278, 218, Rgb{30, 36, 50});  // the open slit
    s.setPen(PenStyle::Solid, 2, Rgb{80, 80, 90});
    s.moveTo(276, 214);
    s.lineTo(286, 196);  // the telescope looking out

    s.setSmoothText(true);
    QFont title(QStringLiteral("DejaVu Serif"));
    title.setPixelSize(46);
    title.setBold(true);
    title.setLetterSpacing(QFont::AbsoluteSpacing, 4);
    centredText(s, 30, QStringLiteral("VANTOREL"), title, Rgb{238, 214, 140});
    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(13);
    centredText(s, 88, versionLine, small, Rgb{200, 208, 230});
    return s.image().copy();
}

QImage makeSplashGrey(bool oldSystem) {
    QImage grey(kSplashWidth, kSplashHeight, QImage::Format_RGB32);
    grey.fill(oldSystem ? qRgb(128, 128, 128) : qRgb(171, 171, 171));
    return grey;
}

QImage makeAboutPicture() {
    DrawingSurface s(35, 204);
    skyGradient(s, Rgb{4, 8, 32}, Rgb{30, 40, 90}, 204);
    stars(s, 40, 204);
    // Moon, Mercury, Venus, Mars, Jupiter, Saturn, Uranus from top to bottom.
    const Rgb colours[7] = {{210, 210, 200}, {170, 160, 150}, {240, 230, 190}, {210, 100, 60},
                            {220, 190, 150}, {225, 205, 150}, {150, 210, 220}};
    const int sizes[7] = {16, 6, 10, 8, 18, 14, 9};
    int y = 8;
    for (int i = 0; i < 7; ++i) {
        const int half = sizes[i] / 2;
        filledEllipse(s, colours[i], 17 - half, y, 17 - half + sizes[i], y + sizes[i]);
        if (i == 5) {  // Saturn's ring
            s.setPen(PenStyle::Solid, 1, Rgb{190, 170, 120});
            s.moveTo(5, y + half + 2);
            s.lineTo(29, y + half - 2);
        }
        y += sizes[i] + 14;
    }
    return s.image().copy();
}

QImage makeProgramIcon() {
    DrawingSurface s(32, 32);
    s.fill(Rgb{8, 14, 44});
    filledEllipse(s, Rgb{225, 190, 120}, 8, 8, 24, 24);
    s.setPen(PenStyle::Solid, 2, Rgb{240, 225, 180});
    s.moveTo(2, 20);
    s.lineTo(29, 12);
    return s.image().copy();
}

}  // namespace vantorel
