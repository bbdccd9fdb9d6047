#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

// The off-screen picture every window draws into before copying it to the
// screen in one piece. It keeps the drawing model the pictures were designed
// for: a pen and a brush chosen beforehand, a current point for lines, shapes
// given by their bounding box, integer pixel coordinates with y downwards, a
// flood fill up to a border colour, and pixels that read back exactly as they
// were written (no antialiasing, no colour management: 32-bit RGB).

namespace vantorel {

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
    constexpr bool operator==(const Rgb&) const = default;
};

enum class PenStyle { Solid, Dashed, Dotted };
enum class BackgroundMode { Transparent, Opaque };

class DrawingSurface {
public:
    // A picture of the given size (at least 1 x 1), filled black.
    DrawingSurface(int width, int height);
    ~DrawingSurface();
    DrawingSurface(const DrawingSurface&) = delete;
    DrawingSurface& operator=(const DrawingSurface&) = delete;
    DrawingSurface(DrawingSurface&& other) noexcept;
    DrawingSurface& operator=(DrawingSurface&& other) noexcept;

    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width() && y < height(); }

    // The finished picture, ready to be copied to a window at (0, 0).
    const QImage& image();
    // The picture itself for code that writes many pixels at once (a whole
    // map) straight into its 32-bit RGB memory; ends any painting first.
    QImage& pixelsForWriting();

    // ---- pens and brushes --------------------------------------------------
    void setPen(PenStyle style, int width, Rgb colour);
    // Interiors of ellipses and rectangles use the brush; a hollow brush
    // leaves them untouched.
    void setBrush(Rgb colour);
    void setHollowBrush();
    Rgb brushColour() const { return brush_; }

    // ---- lines and shapes --------------------------------------------------
    void moveTo(int x, int y);
    // Draws from the current point to (x, y), both ends included, and makes
    // (x, y) the current point.
    void lineTo(int x, int y);
    int currentX() const { return currentX_; }
    int currentY() const { return currentY_; }
    // Shapes in the bounding box [left, right) x [top, bottom): with a pen of
    // width 1 the outline touches columns left and right - 1 and rows top and
    // bottom - 1. Wider pens straddle that outline.
    void ellipse(int left, int top, int right, int bottom);
    void rectangle(int left, int top, int right, int bottom);
    // Fills [left, right) x [top, bottom) with one colour; no pen, no brush.
    void fillRect(int left, int top, int right, int bottom, Rgb colour);
    void fill(Rgb colour) { fillRect(0, 0, width(), height(), colour); }

    // Fills with the brush colour every pixel reachable from (x, y) through
    // its four neighbours without crossing a pixel of the border colour.
    // Returns false (and paints nothing) when the start lies outside the
    // picture or on the border colour.
    bool floodFill(int x, int y, Rgb border);

    // ---- pixels --------------------------------------------------------------
    // Writes outside the picture are ignored; reads outside give nothing.
    void setPixel(int x, int y, Rgb colour);
    std::optional<Rgb> pixel(int x, int y) const;

    // ---- text ----------------------------------------------------------------
    void setFont(const QFont& font);
    const QFont& font() const { return font_; }
    void setTextColour(Rgb colour) { textColour_ = colour; }
    void setBackgroundColour(Rgb colour) { backgroundColour_ = colour; }
    void setBackgroundMode(BackgroundMode mode) { backgroundMode_ = mode; }
    // Smoothed glyph edges, for decorative pictures only: the colours of a
    // smoothed text's pixels are not the text colour.
    void setSmoothText(bool smooth) { smoothText_ = smooth; }
    // Character height (ascent + descent) and average character width.
    int fontHeight() const;
    int averageCharWidth() const;
    int textWidth(const QString& text) const;
    // Text whose top-left corner is (x, y). An opaque background fills the
    // text's cell with the background colour first.
    void textOut(int x, int y, const QString& text);
    // Text with tabs. Stops are pixel offsets from `tabOrigin`; with no stop
    // every tab goes to the next multiple of eight average characters, with a
    // single stop to the next multiple of it; past the last of several stops
    // a tab becomes one blank. Returns the width written.
    int tabbedTextOut(int x, int y, const QString& text, const std::vector<int>& tabStops,
                      int tabOrigin);

    // ---- stored pictures -------------------------------------------------
    // Copies a picture unchanged with its top-left corner at (x, y).
    void drawPicture(int x, int y, const QImage& picture);

private:
    QPainter& painter();
    void endPainting();
    void applyPen(QPainter& p) const;

    QImage image_;
    std::unique_ptr<QPainter> painter_;
    PenStyle penStyle_ = PenStyle::Solid;
    int penWidth_ = 1;
    Rgb penColour_{255, 255, 255};
    Rgb brush_{255, 255, 255};
    bool hollowBrush_ = false;
    int currentX_ = 0;
    int currentY_ = 0;
    QFont font_;
    Rgb textColour_{255, 255, 255};
    Rgb backgroundColour_{0, 0, 0};
    BackgroundMode backgroundMode_ = BackgroundMode::Transparent;
    bool smoothText_ = false;
};

inline QColor toQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

// Where a tab at pen position `penX` sends the pen. Stops are pixel offsets
// from `tabOrigin`; with no stop every tab goes to the next multiple of
// `defaultEvery`, with a single stop to the next multiple of it; past the last
// of several stops a tab becomes one blank of `blankWidth`.
int tabbedPosition(int penX, const std::vector<int>& tabStops, int tabOrigin, int defaultEvery,
                   int blankWidth);

}  // namespace vantorel
