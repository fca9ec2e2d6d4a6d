// The text box: a framed block of text lines that turns in steps of 90 degrees.
#pragma once

#include "document/ColorNames.h"
#include "document/LabelObject.h"

#include <QSize>
#include <QStringList>

#include <optional>

namespace quill {

// Persisted data of a text box. The lines drawn are WWTMemo (wrapped lines) when WordWrapTF is
// set, else WWFMemo (typed lines); Caption/Text is carried but never drawn. BevelWidth and
// BevelColor always mirror Pen.Width and Pen.Color, and Angle stays in 0..359.
class TZR_TextEdit : public LabelObject {
public:
    static const ClassInfo &classInfo();

    // A new box as its constructor leaves it: 100 x 100, transparent, Arial in the default
    // object character set (defaultObjectCharset()).
    TZR_TextEdit();

    ObjectTypeCode typeCode() const override { return ObjectTypeCode::TextEdit; }
    std::unique_ptr<LabelObject> clone() const override;

    // Degrees counter-clockwise, stored in 0..359 (-90 becomes 270, 450 becomes 90).
    int angle() const { return int(intValue(QStringLiteral("Angle"))); }
    void setAngle(int degrees) { setValue(QStringLiteral("Angle"), degrees); }

    int imsiMemoRowCount() const { return int(intValue(QStringLiteral("ImsiMemoRowCount"))); }
    void setImsiMemoRowCount(int v) { setValue(QStringLiteral("ImsiMemoRowCount"), v); }
    bool transparent() const { return boolValue(QStringLiteral("Transparent")); }
    void setTransparent(bool on) { setValue(QStringLiteral("Transparent"), on); }
    int bevelWidth() const { return int(intValue(QStringLiteral("BevelWidth"))); }
    void setBevelWidth(int px) { setValue(QStringLiteral("BevelWidth"), px); }
    TColor bevelColor() const { return TColor(intValue(QStringLiteral("BevelColor"))); }
    void setBevelColor(TColor c) { setValue(QStringLiteral("BevelColor"), qint64(c)); }
    int alignMent() const { return value(QStringLiteral("AlignMent")).toInt(); } // TAlignment
    void setAlignMent(int a) { setValue(QStringLiteral("AlignMent"), a); }
    bool wordWrap() const { return boolValue(QStringLiteral("WordWrap")); }
    void setWordWrap(bool on) { setValue(QStringLiteral("WordWrap"), on); }
    bool textCopy() const { return boolValue(QStringLiteral("TextCopy")); }
    void setTextCopy(bool on) { setValue(QStringLiteral("TextCopy"), on); }
    TColor color() const { return TColor(intValue(QStringLiteral("Color"))); }
    void setColor(TColor c) { setValue(QStringLiteral("Color"), qint64(c)); }
    bool autoSize() const { return boolValue(QStringLiteral("AutoSize")); }
    void setAutoSize(bool on) { setValue(QStringLiteral("AutoSize"), on); }
    QString caption() const { return textValue(QStringLiteral("Caption")); }
    void setCaption(const QString &text) { setValue(QStringLiteral("Caption"), text); }
    int leftPosition() const { return int(intValue(QStringLiteral("LeftPosition"))); }
    void setLeftPosition(int v) { setValue(QStringLiteral("LeftPosition"), v); }
    int topPosition() const { return int(intValue(QStringLiteral("TopPosition"))); }
    void setTopPosition(int v) { setValue(QStringLiteral("TopPosition"), v); }
    // Nominal font size in points at 100 % zoom; stored only.
    double imsiFontSize() const { return floatValue(QStringLiteral("ImsiFontSize")); }
    void setImsiFontSize(double pt) { setValue(QStringLiteral("ImsiFontSize"), pt); }
    // Zoom in percent at which Font.Size was last set.
    int imsiZoom() const { return int(intValue(QStringLiteral("ImsiZoom"))); }
    void setImsiZoom(int percent) { setValue(QStringLiteral("ImsiZoom"), percent); }
    bool rowGap() const { return boolValue(QStringLiteral("RowGap")); }
    void setRowGap(bool on) { setValue(QStringLiteral("RowGap"), on); }
    bool lockFlag() const { return boolValue(QStringLiteral("LockFlag")); }
    void setLockFlag(bool on) { setValue(QStringLiteral("LockFlag"), on); }
    QString fieldValue() const { return textValue(QStringLiteral("FieldValue")); }
    void setFieldValue(const QString &v) { setValue(QStringLiteral("FieldValue"), v); }
    QString fieldName() const { return textValue(QStringLiteral("FieldName")); }
    void setFieldName(const QString &v) { setValue(QStringLiteral("FieldName"), v); }
    bool fieldFlag() const { return boolValue(QStringLiteral("FieldFlag")); }
    void setFieldFlag(bool on) { setValue(QStringLiteral("FieldFlag"), on); }
    bool wordWrapTF() const { return boolValue(QStringLiteral("WordWrapTF")); }
    void setWordWrapTF(bool on) { setValue(QStringLiteral("WordWrapTF"), on); }
    QStringList wwtMemo() const { return value(QStringLiteral("WWTMemo.Strings")).toStringList(); }
    void setWwtMemo(const QStringList &lines) { setValue(QStringLiteral("WWTMemo.Strings"), lines); }
    QStringList wwfMemo() const { return value(QStringLiteral("WWFMemo.Strings")).toStringList(); }
    void setWwfMemo(const QStringList &lines) { setValue(QStringLiteral("WWFMemo.Strings"), lines); }
    // The list that is drawn: WWTMemo when WordWrapTF is set, else WWFMemo.
    QStringList linesInUse() const { return wordWrapTF() ? wwtMemo() : wwfMemo(); }

    // Reserved geometry: carried unchanged, nothing is derived from it.
    double mpLeft() const { return floatValue(QStringLiteral("mpLeft")); }
    double mpTop() const { return floatValue(QStringLiteral("mpTop")); }
    double mpHeight() const { return floatValue(QStringLiteral("mpHeight")); }
    double mpWidth() const { return floatValue(QStringLiteral("mpWidth")); }

    TColor penColor() const { return TColor(intValue(QStringLiteral("Pen.Color"))); }
    void setPenColor(TColor c) { setValue(QStringLiteral("Pen.Color"), qint64(c)); }
    int penStyle() const { return value(QStringLiteral("Pen.Style")).toInt(); } // TPenStyle
    void setPenStyle(int s) { setValue(QStringLiteral("Pen.Style"), s); }
    int penWidth() const { return int(intValue(QStringLiteral("Pen.Width"))); }
    void setPenWidth(int px) { setValue(QStringLiteral("Pen.Width"), px); }
    TColor brushColor() const { return TColor(intValue(QStringLiteral("Brush.Color"))); }
    // As the toolkit's brush: a clear brush becomes solid.
    void setBrushColor(TColor c);
    int brushStyle() const { return value(QStringLiteral("Brush.Style")).toInt(); } // TBrushStyle
    void setBrushStyle(int s) { setValue(QStringLiteral("Brush.Style"), s); }

    QString fontName() const { return textValue(QStringLiteral("Font.Name")); }
    void setFontName(const QString &name) { setValue(QStringLiteral("Font.Name"), name); }
    int fontSize() const { return int(intValue(QStringLiteral("Font.Size"))); }
    void setFontSize(int pt) { setValue(QStringLiteral("Font.Size"), pt); }
    int fontCharset() const { return int(intValue(QStringLiteral("Font.Charset"))); }
    void setFontCharset(int cs) { setValue(QStringLiteral("Font.Charset"), cs); }

    // Draws the lines (or FieldValue) turned by Angle, with fill and frame unless Transparent.
    void paint(QPainter &painter, const PaintContext &context) const override;

    // The size the text asks for (font at 100 %): nothing when the list in use is empty or
    // Angle is not a multiple of 90. Width and height are exchanged at 90 and 270 degrees.
    std::optional<QSize> autoSizeExtent() const;
    // With AutoSize on, gives the box that size; Left and Top stay. Runs by itself whenever
    // the lines, the font, the angle, the frame or AutoSize change.
    void adjustBounds();

protected:
    QVariant normalize(int index, const QVariant &value) const override;
    void valueChanged(int index) override;

private:
    TZR_TextEdit(const TZR_TextEdit &) = default;
    // Runs adjustBounds() after a change of a value the size depends on.
    void followSizeChange(int index);
};

} // namespace quill
