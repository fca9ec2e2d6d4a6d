#include "WordArtMask.h"

#include "GradientRamp.h"
#include "ZR_WordArt.h"
#include "document/StandardProperties.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace quill {
namespace wordart {

namespace {

constexpr qint64 kMaxMaskPixels = 16'000'000;

// A quarter turn counter-clockwise: (x, y) of a W x H image goes to (y, W - 1 - x).
QImage turnLeft(const QImage &src)
{
    const int w = src.width(), h = src.height();
    QImage out(h, w, src.format());
    for (int y = 0; y < h; ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(src.constScanLine(y));
        for (int x = 0; x < w; ++x)
            reinterpret_cast<QRgb *>(out.scanLine(w - 1 - x))[y] = line[x];
    }
    return out;
}

// A quarter turn clockwise: (x, y) of a W x H image goes to (H - 1 - y, x).
QImage turnRight(const QImage &src)
{
    const int w = src.width(), h = src.height();
    QImage out(h, w, src.format());
    for (int y = 0; y < h; ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(src.constScanLine(y));
        for (int x = 0; x < w; ++x)
            reinterpret_cast<QRgb *>(out.scanLine(x))[h - 1 - y] = line[x];
    }
    return out;
}

QImage stretchedText(const QString &caption, const QFont &font, const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QFontMetricsF metrics(font);
    const double textWidth = metrics.horizontalAdvance(caption);
    const double textHeight = metrics.height();
    if (caption.isEmpty() || textWidth <= 0 || textHeight <= 0 || image.isNull())
        return image;
    QPainterPath path;
    path.addText(0, metrics.ascent(), font, caption);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.scale(size.width() / textWidth, size.height() / textHeight);
    painter.fillPath(path, Qt::black);
    return image;
}

} // namespace

QSize maskSize(const QSize &bounds, double dpiX, double dpiY)
{
    const qint64 dx = qMax<qint64>(1, std::llround(dpiX));
    const qint64 dy = qMax<qint64>(1, std::llround(dpiY));
    qint64 w = qMax<qint64>(0, bounds.width()) * dx / 96;
    qint64 h = qMax<qint64>(0, bounds.height()) * dy / 96;
    if (w * h > kMaxMaskPixels) {
        const double f = std::sqrt(double(kMaxMaskPixels) / (double(w) * double(h)));
        w = qMax<qint64>(1, qint64(w * f));
        h = qMax<qint64>(1, qint64(h * f));
    }
    return QSize(int(w), int(h));
}

QFont font(const TZR_WordArt &art)
{
    QFont f(art.textValue(QStringLiteral("Font.Name")));
    const int height = int(art.intValue(QStringLiteral("Font.Height")));
    f.setPixelSize(height == 0 ? 16 : qAbs(height));
    const quint32 style = art.value(QStringLiteral("Font.Style")).toUInt();
    f.setBold(style & fsBold);
    f.setItalic(style & fsItalic);
    f.setUnderline(style & fsUnderline);
    f.setStrikeOut(style & fsStrikeOut);
    // The mask decides glyph or background per pixel: no blended edges.
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

QImage buildMask(const QString &caption, const QFont &font, const QSize &size, int angle)
{
    const int turn = ((angle % 360 + 360) % 360) / 90 * 90;
    const bool across = turn == 90 || turn == 270;
    const QImage text = stretchedText(caption, font, across ? size.transposed() : size);
    switch (turn) {
    case 90:
        return turnLeft(text);
    case 180:
        return turnLeft(turnLeft(text));
    case 270:
        return turnRight(text);
    default:
        return text;
    }
}

bool isGlyph(QRgb pixel)
{
    return (pixel & 0xFFFFFFu) != 0xFFFFFFu;
}

QImage render(const TZR_WordArt &art, double dpiX, double dpiY)
{
    const QSize size = maskSize(art.bounds().size(), dpiX, dpiY);
    QImage out(size, QImage::Format_ARGB32);
    out.fill(Qt::transparent);
    const TLayOutStyle layout = art.layOutStyle();
    if (out.isNull() || art.caption().isEmpty() || layout == lsNone)
        return out;
    const QImage mask = buildMask(art.caption(), font(art), size, art.angle());
    const TColor end = layout == lsAutoGradient ? clWhite : art.gradientEndColor();
    const ramp::TwoColourPlan plan =
        ramp::turned(art.gradientStartColor(), end, art.gradientStyle(), art.angle());
    const QVector<QRgb> bands = ramp::twoColourRamp(plan, size);
    const bool across = plan.style == gsLeftToRight;
    for (int y = 0; y < size.height(); ++y) {
        const QRgb *in = reinterpret_cast<const QRgb *>(mask.constScanLine(y));
        QRgb *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            if (isGlyph(in[x]))
                line[x] = bands[across ? x : y];
        }
    }
    return out;
}

} // namespace wordart

void TZR_WordArt::paint(QPainter &painter, const PaintContext &context) const
{
    const QSize box = bounds().size();
    if (box.isEmpty())
        return;
    const QImage image = wordart::render(*this, context.dpiX, context.dpiY);
    if (!image.isNull())
        painter.drawImage(QRectF(0, 0, box.width(), box.height()), image);
}

} // namespace quill
