#include "common/paint/DrawingSurface.h"

#include <QFontMetrics>
#include <QPen>

#include <algorithm>

namespace vantorel {

namespace {

QRgb toQRgb(Rgb c) { return qRgb(c.r, c.g, c.b); }

Qt::PenStyle toQtStyle(PenStyle s) {
    switch (s) {
    case PenStyle::Dashed: return Qt::DashLine;
    case PenStyle::Dotted: return Qt::DotLine;
    default: return Qt::SolidLine;
    }
}

// The aliased raster engine covers pixel columns x .. x + w of a QRect-shaped
// outline, so a box [left, right) becomes a width of right - left - 1.
QRect outlineRect(int left, int top, int right, int bottom) {
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    return QRect(left, top, std::max(0, right - left - 1), std::max(0, bottom - top - 1));
}

}  // namespace

DrawingSurface::DrawingSurface(int width, int height)
    : image_(std::max(1, width), std::max(1, height), QImage::Format_RGB32) {
    image_.fill(Qt::black);
}

DrawingSurface::~DrawingSurface() { endPainting(); }

DrawingSurface::DrawingSurface(DrawingSurface&& other) noexcept : image_(QImage(1, 1, QImage::Format_RGB32)) {
    *this = std::move(other);
}

DrawingSurface& DrawingSurface::operator=(DrawingSurface&& other) noexcept {
    if (this == &other) return *this;
    // A painter is bound to its image: close both before the image moves.
    endPainting();
    other.endPainting();
    image_ = std::move(other.image_);
    penStyle_ = other.penStyle_;
    penWidth_ = other.penWidth_;
    penColour_ = other.penColour_;
    brush_ = other.brush_;
    hollowBrush_ = other.hollowBrush_;
    currentX_ = other.currentX_;
    currentY_ = other.currentY_;
    font_ = other.font_;
    textColour_ = other.textColour_;
    backgroundColour_ = other.backgroundColour_;
    backgroundMode_ = other.backgroundMode_;
    smoothText_ = other.smoothText_;
    other.image_ = QImage(1, 1, QImage::Format_RGB32);
    other.image_.fill(Qt::black);
    return *this;
}

QPainter& DrawingSurface::painter() {
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&image_);
        painter_->setRenderHint(QPainter::Antialiasing, false);
        painter_->setRenderHint(QPainter::TextAntialiasing, false);
    }
    return *painter_;
}

void DrawingSurface::endPainting() {
    if (painter_) {
        painter_->end();
        painter_.reset();
    }
}

const QImage& DrawingSurface::image() {
    endPainting();
    return image_;
}

QImage& DrawingSurface::pixelsForWriting() {
    endPainting();
    return image_;
}

void DrawingSurface::setPen(PenStyle style, int width, Rgb colour) {
    penStyle_ = style;
    penWidth_ = std::max(1, width);
    penColour_ = colour;
}

void DrawingSurface::setBrush(Rgb colour) {
    brush_ = colour;
    hollowBrush_ = false;
}

void DrawingSurface::setHollowBrush() { hollowBrush_ = true; }

void DrawingSurface::applyPen(QPainter& p) const {
    QPen pen(toQColor(penColour_));
    pen.setStyle(toQtStyle(penStyle_));
    pen.setWidth(penWidth_);
    // Square caps so a one-pixel line covers both of its end points.
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    if (hollowBrush_)
        p.setBrush(Qt::NoBrush);
    else
        p.setBrush(toQColor(brush_));
}

void DrawingSurface::moveTo(int x, int y) {
    currentX_ = x;
    currentY_ = y;
}

void DrawingSurface::lineTo(int x, int y) {
    QPainter& p = painter();
    applyPen(p);
    if (x == currentX_ && y == currentY_)
        p.drawPoint(x, y);
    else
        p.drawLine(currentX_, currentY_, x, y);
    moveTo(x, y);
}

void DrawingSurface::ellipse(int left, int top, int right, int bottom) {
    QPainter& p = painter();
    applyPen(p);
    p.drawEllipse(outlineRect(left, top, right, bottom));
}

void DrawingSurface::rectangle(int left, int top, int right, int bottom) {
    QPainter& p = painter();
    applyPen(p);
    p.drawRect(outlineRect(left, top, right, bottom));
}

void DrawingSurface::fillRect(int left, int top, int right, int bottom, Rgb colour) {
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    painter().fillRect(QRect(left, top, right - left, bottom - top), toQColor(colour));
}

bool DrawingSurface::floodFill(int x, int y, Rgb border) {
    endPainting();
    const QRgb stop = toQRgb(border);
    if (!contains(x, y) || image_.pixel(x, y) == stop) return false;
    const QRgb paint = toQRgb(brush_);
    const int w = width();
    const int h = height();
    // A pixel already of the brush colour still lets the fill through, so a
    // visited mask (not the colour) tells what has been done: the fill ends
    // after touching each pixel once whatever the picture holds.
    std::vector<unsigned char> done(static_cast<size_t>(w) * h, 0);
    auto fillable = [&](int px, int py) {
        return !done[static_cast<size_t>(py) * w + px] && image_.pixel(px, py) != stop;
    };
    std::vector<QPoint> seeds{QPoint(x, y)};
    while (!seeds.empty()) {
        const QPoint s = seeds.back();
        seeds.pop_back();
        if (!fillable(s.x(), s.y())) continue;
        int l = s.x();
        int r = s.x();
        while (l > 0 && fillable(l - 1, s.y())) --l;
        while (r < w - 1 && fillable(r + 1, s.y())) ++r;
        auto* line = reinterpret_cast<QRgb*>(image_.scanLine(s.y()));
        for (int i = l; i <= r; ++i) {
            line[i] = paint;
            done[static_cast<size_t>(s.y()) * w + i] = 1;
        }
        for (int ny : {s.y() - 1, s.y() + 1}) {
            if (ny < 0 || ny >= h) continue;
            bool inRun = false;
            for (int i = l; i <= r; ++i) {
                const bool ok = fillable(i, ny);
                if (ok && !inRun) seeds.emplace_back(i, ny);
                inRun = ok;
            }
        }
    }
    return true;
}

void DrawingSurface::setPixel(int x, int y, Rgb colour) {
    if (!contains(x, y)) return;
    endPainting();
    image_.setPixel(x, y, toQRgb(colour));
}

std::optional<Rgb> DrawingSurface::pixel(int x, int y) const {
    if (!contains(x, y)) return std::nullopt;
    // A painter still open has written straight into the image's memory:
    // the raster engine draws at once, so the pixel is current.
    const QRgb c = image_.pixel(x, y);
    return Rgb{qRed(c), qGreen(c), qBlue(c)};
}

void DrawingSurface::setFont(const QFont& font) { font_ = font; }

int DrawingSurface::fontHeight() const { return QFontMetrics(font_).height(); }

int DrawingSurface::averageCharWidth() const {
    return std::max(1, QFontMetrics(font_).averageCharWidth());
}

int DrawingSurface::textWidth(const QString& text) const {
    return QFontMetrics(font_).horizontalAdvance(text);
}

void DrawingSurface::textOut(int x, int y, const QString& text) {
    QPainter& p = painter();
    // The render hint alone leaves glyphs grey-edged with some font engines
    // (the offscreen platform's among them): the font must refuse it too.
    QFont font = font_;
    if (!smoothText_) font.setStyleStrategy(QFont::NoAntialias);
    p.setFont(font);
    const QFontMetrics fm(font_);
    if (backgroundMode_ == BackgroundMode::Opaque)
        p.fillRect(QRect(x, y, fm.horizontalAdvance(text), fm.height()),
                   toQColor(backgroundColour_));
    p.setPen(toQColor(textColour_));
    p.setRenderHint(QPainter::TextAntialiasing, smoothText_);
    p.drawText(QPoint(x, y + fm.ascent()), text);
}

int tabbedPosition(int penX, const std::vector<int>& tabStops, int tabOrigin, int defaultEvery,
                   int blankWidth) {
    const int every = tabStops.empty()       ? std::max(1, defaultEvery)
                      : tabStops.size() == 1 ? std::max(1, tabStops.front())
                                             : 0;
    const int offset = penX - tabOrigin;
    if (every > 0) return tabOrigin + (offset / every + 1) * every;
    auto next = std::find_if(tabStops.begin(), tabStops.end(), [&](int stop) { return stop > offset; });
    return next != tabStops.end() ? tabOrigin + *next : penX + blankWidth;
}

int DrawingSurface::tabbedTextOut(int x, int y, const QString& text,
                                  const std::vector<int>& tabStops, int tabOrigin) {
    int penX = x;
    int gapStart = x;
    const QStringList parts = text.split(QLatin1Char('\t'));
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i > 0) {
            penX = tabbedPosition(penX, tabStops, tabOrigin, 8 * averageCharWidth(), textWidth(" "));
            // An opaque background covers the gap a tab leaves as well.
            if (backgroundMode_ == BackgroundMode::Opaque && penX > gapStart)
                fillRect(gapStart, y, penX, y + fontHeight(), backgroundColour_);
        }
        textOut(penX, y, parts[i]);
        penX += textWidth(parts[i]);
        gapStart = penX;
    }
    return penX - x;
}

void DrawingSurface::drawPicture(int x, int y, const QImage& picture) {
    painter().drawImage(QPoint(x, y), picture);
}

}  // namespace vantorel
