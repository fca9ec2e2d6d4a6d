// The shape object: one outlined, optionally filled figure drawn inside its bounds.
#pragma once

#include "document/ColorNames.h"
#include "document/LabelObject.h"

#include <QStringList>

namespace quill {

// Figure kinds, in ordinal order.
enum TZRMultiShapeType {
    mstLine, mstDLine, mstVLine, mstSquare, mstRoundRect, mstRoundSquare, mstRectangle,
    mstEllipse, mstCircle, mstTriAngle, mstTriAngleLean, mstRectLean, mstRectLeanMid,
    mstRectLeanCenter, mstFive, mstSix, mstOctopus, mstCross, mstLove
};

// Direction of lines and triangles, stepped by the rotate commands.
enum TZRStartType { spTop, spRight, spBottom, spLeft };

namespace names {
const QStringList &multiShapeType(); // mstLine .. mstLove
const QStringList &startType();      // spTop .. spLeft
} // namespace names

// Persisted data of a shape.
class TZR_VantorShape : public LabelObject {
public:
    static const ClassInfo &classInfo();

    // A new shape: 65 x 65, mstLine, spTop, solid black pen of width 1, solid white brush,
    // Start = Width div 4.
    TZR_VantorShape();

    ObjectTypeCode typeCode() const override { return ObjectTypeCode::VantorShape; }
    std::unique_ptr<LabelObject> clone() const override;
    // The figure of the shape's kind with its outline pen and fill, inside its bounds.
    void paint(QPainter &painter, const PaintContext &context) const override;

    int startType() const { return value(QStringLiteral("StartType")).toInt(); } // TZRStartType
    void setStartType(int t) { setValue(QStringLiteral("StartType"), t); }
    // Start angle in degrees of the regular polygons; stored as given.
    int angle() const { return int(intValue(QStringLiteral("Angle"))); }
    void setAngle(int degrees) { setValue(QStringLiteral("Angle"), degrees); }
    // Offset in pixels of the leaning and cross figures; painting recomputes it as Width div 4.
    int start() const { return int(intValue(QStringLiteral("Start"))); }
    void setStart(int px) { setValue(QStringLiteral("Start"), px); }
    int shape() const { return value(QStringLiteral("Shape")).toInt(); } // TZRMultiShapeType
    void setShape(int kind) { setValue(QStringLiteral("Shape"), kind); }
    bool lockFlag() const { return boolValue(QStringLiteral("LockFlag")); }
    void setLockFlag(bool on) { setValue(QStringLiteral("LockFlag"), on); }
    // A straight line (mstDLine) along the top or left edge instead of through the middle.
    bool linePosTop() const { return boolValue(QStringLiteral("LinePosTop")); }
    void setLinePosTop(bool on) { setValue(QStringLiteral("LinePosTop"), on); }

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

protected:
    QVariant normalize(int index, const QVariant &value) const override;
    void valueChanged(int index) override;

private:
    TZR_VantorShape(const TZR_VantorShape &) = default;
};

} // namespace quill
