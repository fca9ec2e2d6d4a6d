// Base of the field label and the serial number: one rotated text line with optional frame.
#pragma once

#include "document/ColorNames.h"
#include "document/LabelObject.h"

#include <QSize>

#include <optional>

namespace quill {

// Persisted data shared by the field label family. Not a class of its own in documents: only
// its descendants are created and registered. Escapement stays in 0..359.
class TZR_CustomGuideLabel : public LabelObject {
public:
    // The table of the family's own properties (after the control head).
    static const ClassInfo &classInfo();

    // The text drawn: the caption here, the composed number for a serial number.
    virtual QString labelText() const;

    bool guideLine() const { return boolValue(QStringLiteral("GuideLine")); }
    void setGuideLine(bool on) { setValue(QStringLiteral("GuideLine"), on); }
    // Degrees counter-clockwise, stored in 0..359 (-90 becomes 270, 720 becomes 0).
    int escapement() const { return int(intValue(QStringLiteral("Escapement"))); }
    void setEscapement(int degrees) { setValue(QStringLiteral("Escapement"), degrees); }
    // Nominal font size in points at 100 % zoom; stored only.
    double imsiFontSize() const { return floatValue(QStringLiteral("ImsiFontSize")); }
    void setImsiFontSize(double pt) { setValue(QStringLiteral("ImsiFontSize"), pt); }
    bool indexGuide() const { return boolValue(QStringLiteral("IndexGuide")); }
    void setIndexGuide(bool on) { setValue(QStringLiteral("IndexGuide"), on); }
    QString onlyName() const { return textValue(QStringLiteral("OnlyName")); }
    void setOnlyName(const QString &v) { setValue(QStringLiteral("OnlyName"), v); }
    int indexTop() const { return int(intValue(QStringLiteral("IndexTop"))); }
    void setIndexTop(int v) { setValue(QStringLiteral("IndexTop"), v); }
    int indexLeft() const { return int(intValue(QStringLiteral("IndexLeft"))); }
    void setIndexLeft(int v) { setValue(QStringLiteral("IndexLeft"), v); }
    QString fieldName() const { return textValue(QStringLiteral("FieldName")); }
    void setFieldName(const QString &v) { setValue(QStringLiteral("FieldName"), v); }
    bool fieldFlag() const { return boolValue(QStringLiteral("FieldFlag")); }
    void setFieldFlag(bool on) { setValue(QStringLiteral("FieldFlag"), on); }
    bool lockFlag() const { return boolValue(QStringLiteral("LockFlag")); }
    void setLockFlag(bool on) { setValue(QStringLiteral("LockFlag"), on); }
    // Honorific appended to the field value when the caption is filled from a data list.
    QString addHono() const { return textValue(QStringLiteral("ADDHono")); }
    void setAddHono(const QString &v) { setValue(QStringLiteral("ADDHono"), v); }

    TColor penColor() const { return TColor(intValue(QStringLiteral("Pen.Color"))); }
    void setPenColor(TColor c) { setValue(QStringLiteral("Pen.Color"), qint64(c)); }
    int penStyle() const { return value(QStringLiteral("Pen.Style")).toInt(); } // TPenStyle
    void setPenStyle(int s) { setValue(QStringLiteral("Pen.Style"), s); }
    int penWidth() const { return int(intValue(QStringLiteral("Pen.Width"))); }
    void setPenWidth(int px) { setValue(QStringLiteral("Pen.Width"), px); }

    // The text drawn in a context: a field label bound to a field of the context's label
    // record shows the field value followed by ADDHono. An empty result shows the context's
    // empty-field text on screen and in pictures; when printing, a text equal to the
    // empty-field text is blanked. Otherwise, and for serial numbers, labelText().
    QString shownText(const PaintContext &context) const;

    // One text line turned by Escapement, with background and frame when GuideLine is set.
    void paint(QPainter &painter, const PaintContext &context) const override;

    // The size labelText() asks for with the font at 100 %: nothing when Escapement is not a
    // multiple of 90 (width and height are exchanged at 90 and 270 degrees).
    std::optional<QSize> autoSizeExtent() const;
    // With AutoSize on, gives the label that size; Left and Top stay. Runs by itself when
    // AutoSize, WordWrap, the caption, the font or the composed number change, and after
    // loading.
    void adjustBounds();
    void loaded() override;

protected:
    // info is the table of the concrete class, which starts with this one. Applies the
    // default object character set to the font when the table has one.
    explicit TZR_CustomGuideLabel(const ClassInfo &info);
    TZR_CustomGuideLabel(const TZR_CustomGuideLabel &) = default;

    QVariant normalize(int index, const QVariant &value) const override;
    void valueChanged(int index) override;

private:
    void followSizeChange(int index);
};

// A copy of base's definition of name with another start value, for a derived class whose
// constructor starts it elsewhere.
PropertyDef restartedProperty(const ClassInfo &base, const QString &name, const QVariant &start);

} // namespace quill
