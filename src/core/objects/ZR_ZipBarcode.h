// The postal code barcode object (persisted data and setters).
#pragma once

#include "document/ColorNames.h"
#include "document/LabelObject.h"

namespace quill {

// Record: control head (Left, Top, Width, Height, Tag, Cursor, Hint), Font (written once it is
// the object's own), Color, AutoSize, Text, BarWidth, FieldName, LockFlag, bStartPoint.
// A new object's Color is the window colour; the placement tool sets it to black.
class TZR_ZipBarcode : public LabelObject {
public:
    TZR_ZipBarcode();

    static const ClassInfo &classInfo();

    ObjectTypeCode typeCode() const override { return ObjectTypeCode::ZipBarcode; }
    std::unique_ptr<LabelObject> clone() const override;

    TColor color() const; // colour of the bars
    void setColor(TColor color);
    bool autoSize() const; // bar width and start derived from the object's width
    void setAutoSize(bool on);
    QString text() const; // the postal code; only its digits are encoded
    void setText(const QString &code);
    double barWidth() const; // unit width in pixels when AutoSize is off, 1 at creation
    void setBarWidth(double px);
    QString fieldName() const;
    void setFieldName(const QString &name);
    bool lockFlag() const;
    void setLockFlag(bool on);
    quint16 bStartPoint() const; // left margin in unit widths when AutoSize is off, 2 at creation
    void setBStartPoint(quint16 units);

    // Draws the bars of Text's digits and check digit in Color; no text.
    void paint(QPainter &painter, const PaintContext &context) const override;

protected:
    TZR_ZipBarcode(const TZR_ZipBarcode &) = default;
    QVariant normalize(int index, const QVariant &value) const override;
};

} // namespace quill
