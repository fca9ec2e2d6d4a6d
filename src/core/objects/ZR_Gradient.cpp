#include "ZR_Gradient.h"

#include "ControlProperties.h"
#include "ObjectValueRules.h"

namespace quill {

namespace {

const QString kStartColor = QStringLiteral("GradientStartColor");
const QString kEndColor = QStringLiteral("GradientEndColor");
const QString kLayOutStyle = QStringLiteral("LayOutStyle");
const QString kGradientStyle = QStringLiteral("GradientStyle");
const QString kBevelUpColor = QStringLiteral("GradBevelUpColor");
const QString kBevelDownColor = QStringLiteral("GradBevelDownColor");
const QString kAngle = QStringLiteral("Angle");

QVariant colorVariant(TColor color)
{
    return QVariant::fromValue<qint64>(color);
}

} // namespace

namespace names {

const QStringList &layOutStyle()
{
    static const QStringList list {
        QStringLiteral("lsNone"), QStringLiteral("lsGradient"), QStringLiteral("lsAutoGradient")};
    return list;
}

const QStringList &gradientStyle()
{
    static const QStringList list {
        QStringLiteral("gsTopToBottom"), QStringLiteral("gsLeftToRight")};
    return list;
}

} // namespace names

void TZR_Gradient::addGradientProperties(ClassBuilder &b)
{
    b.color(kStartColor, clBlack)
        .color(kEndColor, clBlack)
        .enumeration(kLayOutStyle, names::layOutStyle(), lsNone, lsNone)
        .enumeration(kGradientStyle, names::gradientStyle(), gsTopToBottom, gsTopToBottom)
        .color(kBevelUpColor, clBlack)
        .color(kBevelDownColor, clBlack)
        .integer(kAngle, 0, 0);
}

const ClassInfo &TZR_Gradient::classInfo()
{
    static const ClassInfo info = [] {
        ClassBuilder b(QStringLiteral("TZR_Gradient"));
        addControlHead(b, 105, 105);
        addGradientProperties(b);
        return b.build([] { return std::make_unique<TZR_Gradient>(); });
    }();
    return info;
}

TZR_Gradient::TZR_Gradient() : LabelObject(classInfo()) { }

std::unique_ptr<LabelObject> TZR_Gradient::clone() const
{
    return std::unique_ptr<LabelObject>(new TZR_Gradient(*this));
}

QVariant TZR_Gradient::normalize(int index, const QVariant &value) const
{
    if (PersistentObject::classInfo().properties[index].name == kAngle)
        return QVariant::fromValue<qint64>(normalizedAngle(value.toLongLong()));
    return LabelObject::normalize(index, value);
}

TColor TZR_Gradient::gradientStartColor() const
{
    return TColor(intValue(kStartColor));
}
void TZR_Gradient::setGradientStartColor(TColor color)
{
    setValue(kStartColor, colorVariant(color));
}
TColor TZR_Gradient::gradientEndColor() const
{
    return TColor(intValue(kEndColor));
}
void TZR_Gradient::setGradientEndColor(TColor color)
{
    setValue(kEndColor, colorVariant(color));
}

TLayOutStyle TZR_Gradient::layOutStyle() const
{
    return static_cast<TLayOutStyle>(value(kLayOutStyle).toInt());
}

void TZR_Gradient::setLayOutStyle(TLayOutStyle style)
{
    setValue(kLayOutStyle, int(style));
}

TGradientStyle TZR_Gradient::gradientStyle() const
{
    return static_cast<TGradientStyle>(value(kGradientStyle).toInt());
}

void TZR_Gradient::setGradientStyle(TGradientStyle style)
{
    setValue(kGradientStyle, int(style));
}

TColor TZR_Gradient::gradBevelUpColor() const
{
    return TColor(intValue(kBevelUpColor));
}
void TZR_Gradient::setGradBevelUpColor(TColor color)
{
    setValue(kBevelUpColor, colorVariant(color));
}
TColor TZR_Gradient::gradBevelDownColor() const
{
    return TColor(intValue(kBevelDownColor));
}
void TZR_Gradient::setGradBevelDownColor(TColor color)
{
    setValue(kBevelDownColor, colorVariant(color));
}

int TZR_Gradient::angle() const
{
    return int(intValue(kAngle));
}
void TZR_Gradient::setAngle(int degrees)
{
    setValue(kAngle, degrees);
}

} // namespace quill
