#include "ZR_2DBarcode.h"

#include "ControlProperties.h"
#include "InheritedFont.h"
#include "ObjectValueRules.h"

namespace quill {

namespace {

const QString kColor = QStringLiteral("Color");
const QString kPixelsPerInch = QStringLiteral("PixelsPerInch");
const QString kFieldName = QStringLiteral("FieldName");
const QString kLockFlag = QStringLiteral("LockFlag");
const QString kCodeType = QStringLiteral("CodeType");
const QString kCaption = QStringLiteral("Caption");
const QString kMode = QStringLiteral("Mode");
const QString kBackColor = QStringLiteral("BackColor");
const QString kForeColor = QStringLiteral("ForeColor");
const QString kUseEnhanced = QStringLiteral("UseEnhanced");
const QString kTransparent = QStringLiteral("Transparent");
const QString kOrientation = QStringLiteral("Orientation");
const QString kImageHeight = QStringLiteral("ImageHeight");
const QString kImageWidth = QStringLiteral("ImageWidth");

bool isWordProperty(const QString &name)
{
    static const QStringList words {kPixelsPerInch, kCodeType, kMode, kOrientation};
    return words.contains(name);
}

QVariant colorVariant(TColor color)
{
    return QVariant::fromValue<qint64>(color);
}

} // namespace

const ClassInfo &TZR_2DBarcode::classInfo()
{
    static const ClassInfo info = [] {
        ClassBuilder b(QStringLiteral("TZR_2DBarcode"));
        addControlHead(b, 0, 0);
        addInheritedFont(b);
        addColor(b, clWindow);
        b.integer(kPixelsPerInch, 96, 96)
            .text(kFieldName)
            .boolean(kLockFlag, false, false)
            .integer(kCodeType, 0)
            .text(kCaption, QStringLiteral("Quilllabel 2D Barcode"))
            .integer(kMode, 0)
            .color(kBackColor, clWhite)
            .color(kForeColor, clBlack)
            .boolean(kUseEnhanced, true)
            .boolean(kTransparent, false)
            .integer(kOrientation, 0)
            .floating(kImageHeight, 30)
            .floating(kImageWidth, 30);
        return b.build([] { return std::make_unique<TZR_2DBarcode>(); });
    }();
    return info;
}

TZR_2DBarcode::TZR_2DBarcode() : LabelObject(classInfo()) { }

std::unique_ptr<LabelObject> TZR_2DBarcode::clone() const
{
    return std::unique_ptr<LabelObject>(new TZR_2DBarcode(*this));
}

QVariant TZR_2DBarcode::normalize(int index, const QVariant &value) const
{
    if (isWordProperty(PersistentObject::classInfo().properties[index].name))
        return QVariant::fromValue<qint64>(wordValue(value.toLongLong()));
    return LabelObject::normalize(index, value);
}

TColor TZR_2DBarcode::color() const
{
    return TColor(intValue(kColor));
}
void TZR_2DBarcode::setColor(TColor color)
{
    setValue(kColor, colorVariant(color));
}
quint16 TZR_2DBarcode::pixelsPerInch() const
{
    return quint16(intValue(kPixelsPerInch));
}
void TZR_2DBarcode::setPixelsPerInch(quint16 ppi)
{
    setValue(kPixelsPerInch, ppi);
}
QString TZR_2DBarcode::fieldName() const
{
    return textValue(kFieldName);
}
void TZR_2DBarcode::setFieldName(const QString &name)
{
    setValue(kFieldName, name);
}
bool TZR_2DBarcode::lockFlag() const
{
    return boolValue(kLockFlag);
}
void TZR_2DBarcode::setLockFlag(bool on)
{
    setValue(kLockFlag, on);
}
quint16 TZR_2DBarcode::codeType() const
{
    return quint16(intValue(kCodeType));
}
void TZR_2DBarcode::setCodeType(quint16 type)
{
    setValue(kCodeType, type);
}
QString TZR_2DBarcode::caption() const
{
    return textValue(kCaption);
}
void TZR_2DBarcode::setCaption(const QString &text)
{
    setValue(kCaption, text);
}
quint16 TZR_2DBarcode::mode() const
{
    return quint16(intValue(kMode));
}
void TZR_2DBarcode::setMode(quint16 mode)
{
    setValue(kMode, mode);
}
TColor TZR_2DBarcode::backColor() const
{
    return TColor(intValue(kBackColor));
}
void TZR_2DBarcode::setBackColor(TColor color)
{
    setValue(kBackColor, colorVariant(color));
}
TColor TZR_2DBarcode::foreColor() const
{
    return TColor(intValue(kForeColor));
}
void TZR_2DBarcode::setForeColor(TColor color)
{
    setValue(kForeColor, colorVariant(color));
}
bool TZR_2DBarcode::useEnhanced() const
{
    return boolValue(kUseEnhanced);
}
void TZR_2DBarcode::setUseEnhanced(bool on)
{
    setValue(kUseEnhanced, on);
}
bool TZR_2DBarcode::transparent() const
{
    return boolValue(kTransparent);
}
void TZR_2DBarcode::setTransparent(bool on)
{
    setValue(kTransparent, on);
}
quint16 TZR_2DBarcode::orientation() const
{
    return quint16(intValue(kOrientation));
}
void TZR_2DBarcode::setOrientation(quint16 orientation)
{
    setValue(kOrientation, orientation);
}
double TZR_2DBarcode::imageHeight() const
{
    return floatValue(kImageHeight);
}
void TZR_2DBarcode::setImageHeight(double mm)
{
    setValue(kImageHeight, mm);
}
double TZR_2DBarcode::imageWidth() const
{
    return floatValue(kImageWidth);
}
void TZR_2DBarcode::setImageWidth(double mm)
{
    setValue(kImageWidth, mm);
}

} // namespace quill
