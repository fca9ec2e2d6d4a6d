#include "ZR_ZipBarcode.h"

#include "ControlProperties.h"
#include "InheritedFont.h"
#include "ObjectValueRules.h"

namespace quill {

namespace {

const QString kColor = QStringLiteral("Color");
const QString kAutoSize = QStringLiteral("AutoSize");
const QString kText = QStringLiteral("Text");
const QString kBarWidth = QStringLiteral("BarWidth");
const QString kFieldName = QStringLiteral("FieldName");
const QString kLockFlag = QStringLiteral("LockFlag");
const QString kStartPoint = QStringLiteral("bStartPoint");

} // namespace

const ClassInfo &TZR_ZipBarcode::classInfo()
{
    static const ClassInfo info = [] {
        ClassBuilder b(QStringLiteral("TZR_ZipBarcode"));
        addControlHead(b, 0, 0);
        addInheritedFont(b);
        addColor(b, clWindow);
        b.boolean(kAutoSize, false, false)
            .text(kText)
            .floating(kBarWidth, 1)
            .text(kFieldName)
            .boolean(kLockFlag, false, false)
            .integer(kStartPoint, 2);
        return b.build([] { return std::make_unique<TZR_ZipBarcode>(); });
    }();
    return info;
}

TZR_ZipBarcode::TZR_ZipBarcode() : LabelObject(classInfo()) { }

std::unique_ptr<LabelObject> TZR_ZipBarcode::clone() const
{
    return std::unique_ptr<LabelObject>(new TZR_ZipBarcode(*this));
}

QVariant TZR_ZipBarcode::normalize(int index, const QVariant &value) const
{
    if (PersistentObject::classInfo().properties[index].name == kStartPoint)
        return QVariant::fromValue<qint64>(wordValue(value.toLongLong()));
    return LabelObject::normalize(index, value);
}

TColor TZR_ZipBarcode::color() const
{
    return TColor(intValue(kColor));
}
void TZR_ZipBarcode::setColor(TColor color)
{
    setValue(kColor, QVariant::fromValue<qint64>(color));
}
bool TZR_ZipBarcode::autoSize() const
{
    return boolValue(kAutoSize);
}
void TZR_ZipBarcode::setAutoSize(bool on)
{
    setValue(kAutoSize, on);
}
QString TZR_ZipBarcode::text() const
{
    return textValue(kText);
}
void TZR_ZipBarcode::setText(const QString &code)
{
    setValue(kText, code);
}
double TZR_ZipBarcode::barWidth() const
{
    return floatValue(kBarWidth);
}
void TZR_ZipBarcode::setBarWidth(double px)
{
    setValue(kBarWidth, px);
}
QString TZR_ZipBarcode::fieldName() const
{
    return textValue(kFieldName);
}
void TZR_ZipBarcode::setFieldName(const QString &name)
{
    setValue(kFieldName, name);
}
bool TZR_ZipBarcode::lockFlag() const
{
    return boolValue(kLockFlag);
}
void TZR_ZipBarcode::setLockFlag(bool on)
{
    setValue(kLockFlag, on);
}
quint16 TZR_ZipBarcode::bStartPoint() const
{
    return quint16(intValue(kStartPoint));
}
void TZR_ZipBarcode::setBStartPoint(quint16 units)
{
    setValue(kStartPoint, units);
}

} // namespace quill
