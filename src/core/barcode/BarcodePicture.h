// A barcode drawing handed from the barcode controls to the objects: vector shapes in millimetres.
#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QPainterPath>
#include <QRectF>
#include <QSizeF>
#include <QStringList>

class QPainter;

namespace quill {

// What a barcode control delivers instead of a clipboard metafile: filled shapes laid out in
// a frame of size() millimetres (the ImageWidth x ImageHeight the control was given). draw()
// stretches the frame over any rectangle, so one picture serves every zoom and device. An
// empty picture (nothing to draw) is what data a symbology cannot encode produces.
class BarcodePicture {
public:
    BarcodePicture() = default;
    explicit BarcodePicture(const QSizeF &frameMm) : mSize(frameMm) { }

    QSizeF size() const { return mSize; }
    bool isEmpty() const { return mRects.isEmpty() && mPaths.isEmpty() && mTexts.isEmpty(); }

    // Shapes are given in the upright layout frame (width and height swapped for a quarter
    // turn); the turn is applied when drawing. Quarter turns count counter-clockwise.
    void setQuarterTurns(int turns) { mQuarterTurns = ((turns % 4) + 4) % 4; }
    int quarterTurns() const { return mQuarterTurns; }
    QSizeF layoutSize() const;

    void setBackground(const QColor &color) { mBackground = color; } // invalid: transparent
    QColor background() const { return mBackground; }

    void addRect(const QRectF &rect, const QColor &color);
    void addPath(const QPainterPath &path, const QColor &color);
    // Human-readable text: drawn with font (any pixel size) scaled by scale, its baseline
    // starting at origin. Kept as text so that drawing uses the target's glyph cache and PDF
    // output keeps it as text.
    void addText(const QString &text, const QFont &font, double scale, const QPointF &origin,
                 const QColor &color);

    // The human-readable texts in drawing order.
    QStringList texts() const;

    // Every rectangle, in layout frame millimetres (tests and measurements).
    QList<QRectF> rects() const;
    // The bounds of every path (hexagons, dots), in layout frame millimetres.
    QList<QRectF> pathBounds() const;
    // The union of all shapes' bounds in the layout frame.
    QRectF contentBounds() const;

    // Fills the background (unless transparent) and the shapes, stretched over target.
    void draw(QPainter &painter, const QRectF &target) const;

    // One bar or module and its colour.
    struct ColoredRect {
        QRectF rect;
        QColor color;
    };

private:
    struct ColoredPath {
        QPainterPath path;
        QColor color;
    };

    QSizeF mSize;
    int mQuarterTurns = 0;
    QColor mBackground;
    QList<ColoredRect> mRects;
    struct TextItem {
        QString text;
        QFont font;
        double scale = 1;
        QPointF origin;
        QColor color;
    };
    QList<ColoredPath> mPaths;
    QList<TextItem> mTexts;
};

} // namespace quill
