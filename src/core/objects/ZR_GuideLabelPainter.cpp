// Drawing, automatic size and field text of the field label family.
#include "ZR_CustomGuideLabel.h"

#include "FontSubstitution.h"
#include "ObjectPaint.h"
#include "TextPainting.h"
#include "document/StandardProperties.h"
#include "document/ZoomMapping.h"

#include <QFontMetrics>
#include <QPainter>

#include <cmath>

namespace quill {

namespace {

const QString kAutoSize = QStringLiteral("AutoSize");

bool isRightAngle(int angle)
{
    return angle == 0 || angle == 90 || angle == 180 || angle == 270;
}

// Where the text starts; any other angle keeps the origin a new label has (0 degrees).
QPoint textOrigin(int escapement, int penWidth, int w, int h)
{
    const int m = penWidth / 2 + 1;
    switch (escapement) {
    case 90: return {m, h - m};
    case 180: return {w - m, h - m};
    case 270: return {w - m, m};
    default: return {m, m};
    }
}

QPoint alignOffset(int escapement, int alignment, int p, int w, int h)
{
    if (alignment != taRightJustify && alignment != taCenter)
        return {};
    const bool right = alignment == taRightJustify;
    switch (escapement) {
    case 0: return {right ? w - (p + 3) : (w - p) / 2, 0};
    case 90: return {0, right ? -(h - (p + 6)) : -((h - p) / 2)};
    case 180: return {right ? -(w - (p + 6)) : -((w - p) / 2), 0};
    case 270: return {0, right ? h - (p + 6) : (h - p) / 2};
    default: return {};
    }
}

// Centres the text across its line direction: q is the height of "Q".
QPointF indexGuidePoint(QPointF at, int escapement, double q, int w, int h)
{
    switch (escapement) {
    case 0: at.setY(std::trunc((h - q) / 2)); break;
    case 90: at.setX(std::trunc((w - q) / 2)); break;
    case 180: at.setY(std::trunc((q + h) / 2)); break;
    case 270: at.setX(std::trunc((q + w) / 2)); break;
    default: break;
    }
    return at;
}

QString recordValue(const QHash<QString, QString> &record, const QString &field)
{
    for (auto it = record.cbegin(); it != record.cend(); ++it) {
        if (it.key().compare(field, Qt::CaseInsensitive) == 0)
            return it.value();
    }
    return {};
}

} // namespace

QString TZR_CustomGuideLabel::shownText(const PaintContext &context) const
{
    const QString field = fieldName();
    if (typeCode() == ObjectTypeCode::SerialNumber || field.isEmpty() || !context.labelRecord)
        return labelText();
    const QString text = recordValue(*context.labelRecord, field) + addHono();
    if (context.printing())
        return text == context.emptyFieldText ? QString() : text;
    return text.isEmpty() ? context.emptyFieldText : text;
}

void TZR_CustomGuideLabel::paint(QPainter &painter, const PaintContext &context) const
{
    const QRect box = bounds();
    const int w = box.width();
    const int h = box.height();
    const int p = penWidth();
    const int escapement = this->escapement();
    const bool framed = guideLine();

    if (framed)
        painter.fillRect(QRect(0, 0, w, h), toQColor(TColor(intValue(QStringLiteral("Color")))));

    // The editor shows field labels at trunc(round(Z x size) / 100) points.
    const int points = ZoomMapping::fontSizeAtZoom(double(intValue(QStringLiteral("Font.Size"))),
                                                   context.zoom);
    const ScaledFont font = scaledFont(fontForObject(*this), points, context.zoom);
    const int alignment = value(QStringLiteral("Alignment")).toInt();
    QPointF at = textOrigin(escapement, p, w, h) + alignOffset(escapement, alignment, p, w, h);
    if (indexGuide())
        at = indexGuidePoint(at, escapement, font.lineHeight(), w, h);
    drawTurnedText(painter, font, toQColor(TColor(intValue(QStringLiteral("Font.Color")))), at,
                   escapement, textReference(alignment), shownText(context));

    if (!framed)
        return;
    painter.setPen(objectPen(*this));
    painter.setBrush(Qt::NoBrush);
    const QPoint corners[] = {{1, 1}, {w - 1, 1}, {w - 1, h - 1}, {1, h - 1}, {1, 1}};
    painter.drawPolyline(corners, 5);
}

std::optional<QSize> TZR_CustomGuideLabel::autoSizeExtent() const
{
    if (!canMeasureText())
        return std::nullopt;
    const int escapement = this->escapement();
    if (!isRightAngle(escapement))
        return std::nullopt;
    const QFontMetrics metrics(fontForObject(*this));
    const int a = guideLine() ? penWidth() : 0;
    const int h = metrics.ascent() + metrics.descent() + 2 * a;
    const QString text = labelText();
    const int textWidth = metrics.horizontalAdvance(text);
    const int w = textWidth > 0 ? textWidth + metrics.horizontalAdvance(QStringLiteral("Q")) : 0;
    if (escapement == 90 || escapement == 270)
        return QSize(h + 3, w + 2 * a + 3);
    return QSize(w + 2 * a + 3, h + 3);
}

void TZR_CustomGuideLabel::adjustBounds()
{
    if (!boolValue(kAutoSize))
        return;
    const std::optional<QSize> size = autoSizeExtent();
    if (!size)
        return;
    setValue(QStringLiteral("Width"), size->width());
    setValue(QStringLiteral("Height"), size->height());
}

void TZR_CustomGuideLabel::loaded()
{
    LabelObject::loaded();
    adjustBounds();
}

void TZR_CustomGuideLabel::followSizeChange(int index)
{
    if (!boolValue(kAutoSize))
        return;
    const QString &name = PersistentObject::classInfo().properties[index].name;
    static const QStringList triggers{
        kAutoSize,                   QStringLiteral("WordWrap"),  QStringLiteral("Caption"),
        QStringLiteral("Prefix"),    QStringLiteral("Postfix"),   QStringLiteral("StartNum"),
        QStringLiteral("Font.Height"), QStringLiteral("Font.Name"), QStringLiteral("Font.Style"),
    };
    if (triggers.contains(name))
        adjustBounds();
}

} // namespace quill
