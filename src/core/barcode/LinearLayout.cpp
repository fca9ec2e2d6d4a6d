#include "LinearLayout.h"

#include "BarcodeControl.h"
#include "BarcodePicture.h"
#include "BarcodeSymbologies.h"

#include <QFontMetricsF>

#include <zint.h>

#include <algorithm>

namespace quill {

namespace {

// One piece of human-readable text in libzint's units; align 0 centre, 1 left, 2 right of x.
struct TextRun {
    QString text;
    double x = 0;
    int align = 0;
};

void dropStartStop(QList<TextRun> &runs, LinearSymbology::Text kind)
{
    for (TextRun &run : runs) {
        const QString &t = run.text;
        if (kind == LinearSymbology::Text::StartStopStars && t.size() >= 2
            && t.startsWith(QLatin1Char('*')) && t.endsWith(QLatin1Char('*')))
            run.text = t.mid(1, t.size() - 2);
        else if (kind == LinearSymbology::Text::CodabarStartStop && t.size() >= 2)
            run.text = t.mid(1, t.size() - 2);
    }
}

void dropCheckCharacters(QList<TextRun> &runs, int count)
{
    if (runs.isEmpty() || count <= 0)
        return;
    QString &t = runs.last().text;
    // The check character sits before a closing start/stop star ("*12345678-*").
    const qsizetype end = t.endsWith(QLatin1Char('*')) ? t.size() - 1 : t.size();
    const qsizetype n = std::min<qsizetype>(count, end);
    t.remove(end - n, n);
    if (t.isEmpty() || t == QLatin1String("**"))
        runs.removeLast();
}

QList<TextRun> textRuns(const zint_vector &v, const BarcodeSettings &s,
                        const LinearSymbology &sym, bool checkPresent)
{
    QList<TextRun> runs;
    if (!s.showText)
        return runs;
    for (const zint_vector_string *t = v.strings; t; t = t->next)
        runs.append({QString::fromUtf8(reinterpret_cast<const char *>(t->text)), t->x, t->halign});
    if (s.extra1 == 0)
        dropStartStop(runs, sym.text);
    if (!s.showCheckDigit && checkPresent)
        dropCheckCharacters(runs, sym.checkChars);
    runs.removeIf([](const TextRun &run) { return run.text.isEmpty(); });
    return runs;
}

// libzint's horizontal extent that is stretched over the frame.
struct Extent {
    double left = 0;
    double right = 0;
};

Extent horizontalExtent(const zint_vector &v, const BarcodeSettings &s)
{
    if (s.showLightMargins)
        return {0, v.width};
    Extent e {1e30, -1e30};
    for (const zint_vector_rect *r = v.rectangles; r; r = r->next) {
        e.left = std::min<double>(e.left, r->x);
        e.right = std::max<double>(e.right, r->x + r->width);
    }
    if (s.showText) {
        // Texts outside the bars (the leading digit of EAN-13) stay inside the picture.
        for (const zint_vector_string *t = v.strings; t; t = t->next) {
            const double left = t->halign == 0 ? t->x - t->width / 2
                                               : (t->halign == 1 ? t->x : t->x - t->width);
            e.left = std::min<double>(e.left, std::max(0.0, left));
            e.right = std::max<double>(e.right, std::min<double>(v.width, left + t->width));
        }
    }
    return e;
}

struct Vertical {
    double top = 0;       // libzint y of the bars' top
    double bottom = 0;    // libzint y of the ordinary bars' bottom
    double maxBottom = 0; // libzint y of the lowest bar (guard bars)
};

Vertical verticalExtent(const zint_vector &v, bool guardBars)
{
    Vertical e {1e30, 1e30, -1e30};
    double minBottom = 1e30;
    for (const zint_vector_rect *r = v.rectangles; r; r = r->next) {
        e.top = std::min<double>(e.top, r->y);
        minBottom = std::min<double>(minBottom, r->y + r->height);
        e.maxBottom = std::max<double>(e.maxBottom, r->y + r->height);
    }
    e.bottom = guardBars ? minBottom : e.maxBottom;
    return e;
}

struct TextFont {
    QFont font;      // at a reference pixel size of 100
    double scale = 0;// millimetres per reference pixel
    double ascent = 0;
    double descent = 0;
};

TextFont textFont(const BarcodeSettings &s, double frameHeight)
{
    TextFont f;
    f.font = s.font;
    f.font.setPixelSize(100);
    const QFontMetricsF metrics(f.font);
    const double pointsToMm = 25.4 / 72.0;
    f.scale = std::max(0.0, s.fontSize) * pointsToMm / 100.0;
    const double height = (metrics.ascent() + metrics.descent()) * f.scale;
    // The text never takes more than half of the picture, so bars always remain.
    if (height > frameHeight / 2 && height > 0)
        f.scale *= frameHeight / 2 / height;
    f.ascent = metrics.ascent() * f.scale;
    f.descent = metrics.descent() * f.scale;
    return f;
}

double textWidth(const TextFont &f, const QString &text)
{
    return QFontMetricsF(f.font).horizontalAdvance(text) * f.scale;
}

} // namespace

void layoutLinear(const zint_vector &v, const BarcodeSettings &s, const LinearSymbology &sym,
                  bool checkPresent, BarcodePicture &picture)
{
    const QSizeF frame = picture.layoutSize();
    const Extent ext = horizontalExtent(v, s);
    const double usable = frame.width() - 2 * std::max(0.0, s.marginSize);
    if (ext.right <= ext.left || usable <= 0 || frame.height() <= 0)
        return;
    const double sx = usable / (ext.right - ext.left);
    const auto mapX = [&](double x) { return std::max(0.0, s.marginSize) + (x - ext.left) * sx; };

    const QList<TextRun> runs = textRuns(v, s, sym, checkPresent);
    const TextFont font = textFont(s, frame.height());
    const double band = runs.isEmpty() ? 0 : font.ascent + font.descent;
    const Vertical vert = verticalExtent(v, sym.guardBars);
    const double guard = std::min((vert.maxBottom - vert.bottom) * sx, frame.height() / 4);
    const double barsBottom = frame.height() - std::max(band, guard);
    if (vert.bottom <= vert.top || barsBottom <= 0)
        return;
    const double sy = barsBottom / (vert.bottom - vert.top);

    double barsLeft = 1e30, barsRight = -1e30;
    for (const zint_vector_rect *r = v.rectangles; r; r = r->next) {
        const double x0 = mapX(r->x), x1 = mapX(r->x + r->width);
        const double y0 = (r->y - vert.top) * sy;
        const double bottom = r->y + r->height;
        const double y1 = bottom <= vert.bottom + 1e-3
            ? (bottom - vert.top) * sy
            : barsBottom + std::min(guard, (bottom - vert.bottom) * sx);
        picture.addRect(QRectF(QPointF(x0, y0), QPointF(x1, y1)), s.foreColor);
        barsLeft = std::min(barsLeft, x0);
        barsRight = std::max(barsRight, x1);
    }

    const double baseline = frame.height() - font.descent;
    for (const TextRun &run : runs) {
        double w = textWidth(font, run.text);
        // A long text is narrowed to the picture's width rather than drawn outside it.
        double scale = font.scale;
        if (w > frame.width() && w > 0) {
            scale *= frame.width() / w;
            w = frame.width();
        }
        double left = 0;
        if (runs.size() == 1) {
            if (s.justifyText == 1)
                left = barsLeft;
            else if (s.justifyText == 2)
                left = barsRight - w;
            else
                left = (barsLeft + barsRight - w) / 2;
        } else {
            const double anchor = mapX(run.x);
            left = run.align == 0 ? anchor - w / 2 : (run.align == 1 ? anchor : anchor - w);
        }
        picture.addText(run.text, font.font, scale,
                        QPointF(std::clamp(left, 0.0, frame.width() - w), baseline), s.foreColor);
    }
}

} // namespace quill
