#include "CellPrinter.h"

#include "document/InnerCutOutline.h"
#include "document/LabelObject.h"
#include "document/Rounding.h"
#include "document/ZR_LabelSize.h"
#include "objects/FontSubstitution.h"
#include "objects/ZR_GuideLabel.h"
#include "objects/ZR_TextEdit.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRegularExpression>
#include <QTextLayout>

namespace quill {

QRect objectDeviceRect(const CellPlacement &cell, const QRect &bounds100)
{
    const int left = roundHalfEven(cell.rect.x() + bounds100.x() * cell.kx);
    const int top = roundHalfEven(cell.rect.y() + bounds100.y() * cell.ky);
    const int width = roundHalfEven(bounds100.width() * cell.kx);
    const int height = roundHalfEven(bounds100.height() * cell.ky);
    return QRect(left, top, width, height);
}

void drawObjectInCell(QPainter &painter, const LabelObject &object, const CellPlacement &cell,
                      const PaintContext &context)
{
    const QRect own = object.bounds();
    if (own.width() <= 0 || own.height() <= 0)
        return;
    const QRect target = objectDeviceRect(cell, own);
    if (target.width() <= 0 || target.height() <= 0)
        return;
    // One clip for the object's rectangle within its cell: nesting a cell clip around every
    // object would repeat the cell's clip path in a PDF after each object.
    const QRectF clip = QRectF(target) & cell.rect;
    if (clip.isEmpty())
        return;
    painter.save();
    painter.setClipRect(clip, Qt::IntersectClip);
    painter.translate(target.topLeft());
    painter.scale(double(target.width()) / own.width(), double(target.height()) / own.height());
    object.paint(painter, context);
    painter.restore();
}

QStringList wrappedLines(const QString &text, const QFont &font, double width, bool wordWrap)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    const bool oneParagraph = !text.contains(u'\n') && !text.contains(u'\r');
    if (oneParagraph && (!wordWrap || text.isEmpty() || width <= 0.0))
        return {text};
    QStringList lines;
    for (const QString &paragraph : text.split(lineBreak)) {
        if (!wordWrap || paragraph.isEmpty() || width <= 0.0) {
            lines << paragraph;
            continue;
        }
        QTextLayout layout(paragraph, font);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
            line.setLineWidth(width);
        layout.endLayout();
        for (int i = 0; i < layout.lineCount(); ++i) {
            const QTextLine line = layout.lineAt(i);
            QString part = paragraph.mid(line.textStart(), line.textLength());
            while (!part.isEmpty() && part.back().isSpace())
                part.chop(1);
            lines << part;
        }
    }
    return lines;
}

FieldLabelPrinter::FieldLabelPrinter() = default;

FieldLabelPrinter::~FieldLabelPrinter() = default;

FieldLabelPrinter::Prepared &FieldLabelPrinter::prepare(const TZR_GuideLabel &label)
{
    auto found = mPrepared.find(&label);
    if (found != mPrepared.end())
        return found->second;
    Prepared prepared;
    prepared.font = fontForObject(label);
    const QFontMetrics metrics(prepared.font);
    prepared.lineHeight = metrics.ascent() + metrics.descent();
    prepared.box = std::make_unique<TZR_TextEdit>();
    TZR_TextEdit &box = *prepared.box;
    box.setAutoSize(false);
    box.setAngle(0);
    for (const PropertyDef &property : label.classInfo().properties) {
        if (property.name.startsWith(QLatin1String("Font.")))
            box.setValue(property.name, label.value(property.name));
    }
    box.setColor(label.color());
    box.setBrushColor(label.color());
    box.setTransparent(label.color() == clWhite);
    box.setAlignMent(label.alignment());
    box.setWordWrapTF(false);
    box.setFieldFlag(false);
    return mPrepared.emplace(&label, std::move(prepared)).first->second;
}

void FieldLabelPrinter::draw(QPainter &painter, const TZR_GuideLabel &label, const QString &text,
                             const CellPlacement &cell, const PaintContext &context)
{
    // Everything but the text and the height is the same for every record: the hidden memo that
    // draws the text is set up once per label of the design.
    Prepared &prepared = prepare(label);
    // The hidden memo that wraps the text keeps a small border inside the label's width.
    const QRect bounds = label.bounds();
    const QStringList lines = wrappedLines(text, prepared.font, bounds.width() - 4, label.wordWrap());
    const int height = int(lines.size()) * prepared.lineHeight;
    TZR_TextEdit &box = *prepared.box;
    box.setWwfMemo(lines);
    box.setBounds(QRect(bounds.x(), bounds.y(), bounds.width(), qMax(1, height)));
    drawObjectInCell(painter, box, cell, context);
}

void drawCutMarks(QPainter &painter, const QRectF &cell, double arm)
{
    painter.save();
    painter.setPen(QPen(QColor(0, 0, 255), 1)); // $FF0000: blue
    const double xs[] = {cell.left(), cell.left() + cell.width()};
    const double ys[] = {cell.top(), cell.top() + cell.height()};
    for (double y : ys) {
        for (double x : xs) {
            painter.drawLine(QLineF(x - arm, y, x + arm, y));
            painter.drawLine(QLineF(x, y - arm, x, y + arm));
        }
    }
    painter.restore();
}

void drawCellOutline(QPainter &painter, const TZR_LabelSize &sheet, const QRectF &cell,
                     double pixelsPerInchX, double pixelsPerInchY)
{
    painter.save();
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    const QRect r(roundHalfEven(cell.left()), roundHalfEven(cell.top()),
                  roundHalfEven(cell.width()), roundHalfEven(cell.height()));
    switch (sheet.shape()) {
    case stRectangle: painter.drawRect(r); break;
    case stRoundRect: {
        // The corner ellipse is RectangleRadius wide and high; Qt takes its half axes.
        const double rx = sheet.rectangleRadius() * pixelsPerInchX / 2.0;
        const double ry = sheet.rectangleRadius() * pixelsPerInchY / 2.0;
        painter.drawRoundedRect(r, rx, ry);
        break;
    }
    case stCircle: painter.drawEllipse(r); break;
    default: break;
    }
    painter.restore();
}

void drawInnerCutOutline(QPainter &painter, const TZR_LabelSize &sheet,
                         const InnerCutOutline &outline, const QRectF &cell, double pixelsPerMm)
{
    if (!outline.present)
        return;
    const auto px = [&](double mm) { return roundHalfEven(mm * pixelsPerMm); };
    const QRect box(roundHalfEven(cell.left()) + px(outline.x),
                    roundHalfEven(cell.top()) + px(outline.y), px(outline.width),
                    px(outline.height));
    painter.save();
    painter.setBrush(Qt::NoBrush);
    if (!outline.hasSecondBox()) {
        painter.setPen(QPen(Qt::black, 1));
        painter.drawRect(box);
        painter.restore();
        return;
    }
    painter.setPen(QPen(QColor(255, 0, 0), qMax(1, px(outline.penWidth))));
    painter.drawRect(box);
    const int offset = px(outline.secondOffset);
    if (sheet.pageHeight() > sheet.pageWidth())
        painter.drawRect(box.translated(0, offset + roundHalfEven(cell.height()) / 2
                                               - px(outline.y)));
    else
        painter.drawRect(box.translated(offset + roundHalfEven(cell.width()) / 2
                                            - px(outline.x), 0));
    painter.restore();
}

} // namespace quill
