// The gradient object: its bounds filled with a colour ramp (persisted data and setters).
#pragma once

#include "document/ColorNames.h"
#include "document/LabelObject.h"

#include <QStringList>

namespace quill {

enum TLayOutStyle { lsNone, lsGradient, lsAutoGradient };
enum TGradientStyle { gsTopToBottom, gsLeftToRight };

namespace names {
const QStringList &layOutStyle(); // lsNone, lsGradient, lsAutoGradient
const QStringList &gradientStyle(); // gsTopToBottom, gsLeftToRight
} // namespace names

// Record: Left, Top, Width, Height (105 x 105 at creation), Tag, Cursor, Hint, then
// GradientStartColor, GradientEndColor, LayOutStyle, GradientStyle, GradBevelUpColor,
// GradBevelDownColor and Angle. Colours have no declared default and are always written.
class TZR_Gradient : public LabelObject {
public:
    TZR_Gradient();

    static const ClassInfo &classInfo();

    ObjectTypeCode typeCode() const override { return ObjectTypeCode::Gradient; }
    std::unique_ptr<LabelObject> clone() const override;
    // The ramp of LayOutStyle over the bounds; lsNone draws nothing.
    void paint(QPainter &painter, const PaintContext &context) const override;

    TColor gradientStartColor() const;
    void setGradientStartColor(TColor color);
    TColor gradientEndColor() const;
    void setGradientEndColor(TColor color);
    TLayOutStyle layOutStyle() const;
    void setLayOutStyle(TLayOutStyle style);
    TGradientStyle gradientStyle() const;
    void setGradientStyle(TGradientStyle style);
    // Carried, not used in drawing.
    TColor gradBevelUpColor() const;
    void setGradBevelUpColor(TColor color);
    TColor gradBevelDownColor() const;
    void setGradBevelDownColor(TColor color);
    // Degrees counter-clockwise, always 0..359 (-90 is stored as 270, 450 as 90).
    int angle() const;
    void setAngle(int degrees);

protected:
    explicit TZR_Gradient(const ClassInfo &info) : LabelObject(info) { }
    TZR_Gradient(const TZR_Gradient &) = default;

    // The gradient's own settings after the control head, shared with derived classes.
    static void addGradientProperties(ClassBuilder &b);
    QVariant normalize(int index, const QVariant &value) const override;
};

} // namespace quill
