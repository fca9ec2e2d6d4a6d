#include "ZR_Barcode.h"

#include "ControlProperties.h"
#include "InheritedFont.h"
#include "ObjectValueRules.h"

namespace quill {

namespace {

const QString kColor = QStringLiteral("Color");
const QString kPixelsPerInch = QStringLiteral("PixelsPerInch");
const QString kFieldName = QStringLiteral("FieldName");
const QString kLockFlag = QStringLiteral("LockFlag");
const QString kAutoParity = QStringLiteral("AutoParity");
const QString kShowCheckDigit = QStringLiteral("ShowCheckDigit");
const QString kJustifyText = QStringLiteral("JustifyText");
const QString kCodeType = QStringLiteral("CodeType");
const QString kShowText = QStringLiteral("ShowText");
const QString kShowAsterisk = QStringLiteral("ShowAsterisk");
const QString kShowLightMargins = QStringLiteral("ShowLightMargins");
const QString kMarginSize = QStringLiteral("MarginSize");
const QString kCaption = QStringLiteral("Caption");
const QString kOrientation = QStringLiteral("Orientation");
const QString kImageHeight = QStringLiteral("ImageHeight");
const QString kImageWidth = QStringLiteral("ImageWidth");
const QString kImsiFontSize = QStringLiteral("ImsiFontSize");

bool isWordProperty(const QString &name)
{
    static const QStringList words {
        kPixelsPerInch, kJustifyText, kCodeType, kShowAsterisk, kOrientation};
    return words.contains(name);
}

} // namespace

const ClassInfo &TZR_Barcode::classInfo()
{
    static const ClassInfo info = [] {
        ClassBuilder b(QStringLiteral("TZR_Barcode"));
        addControlHead(b, 0, 0);
        addInheritedFont(b);
        addColor(b, clWindow);
        b.integer(kPixelsPerInch, 96, 96)
            .text(kFieldName)
            .boolean(kLockFlag, false, false)
            .boolean(kAutoParity, true, true)
            .boolean(kShowCheckDigit, true, true)
            .integer(kJustifyText, 0, 0)
            .integer(kCodeType, Code39)
            .boolean(kShowText, true, true)
            .integer(kShowAsterisk, 1)
            .boolean(kShowLightMargins, false, false)
            .floating(kMarginSize, 0)
            .text(kCaption, QStringLiteral("12345678"))
            .integer(kOrientation, 0)
            .floating(kImageHeight, 0)
            .floating(kImageWidth, 0)
            .floating(kImsiFontSize, 0);
        return b.build([] { return std::make_unique<TZR_Barcode>(); });
    }();
    return info;
}

TZR_Barcode::TZR_Barcode() : LabelObject(classInfo()) { }

std::unique_ptr<LabelObject> TZR_Barcode::clone() const
{
    return std::unique_ptr<LabelObject>(new TZR_Barcode(*this));
}

QVariant TZR_Barcode::normalize(int index, const QVariant &value) const
{
    if (isWordProperty(PersistentObject::classInfo().properties[index].name))
        return QVariant::fromValue<qint64>(wordValue(value.toLongLong()));
    return LabelObject::normalize(index, value);
}

TColor TZR_Barcode::color() const
{
    return TColor(intValue(kColor));
}
void TZR_Barcode::setColor(TColor color)
{
    setValue(kColor, QVariant::fromValue<qint64>(color));
}
quint16 TZR_Barcode::pixelsPerInch() const
{
    return quint16(intValue(kPixelsPerInch));
}
void TZR_Barcode::setPixelsPerInch(quint16 ppi)
{
    setValue(kPixelsPerInch, ppi);
}
QString TZR_Barcode::fieldName() const
{
    return textValue(kFieldName);
}
void TZR_Barcode::setFieldName(const QString &name)
{
    setValue(kFieldName, name);
}
bool TZR_Barcode::lockFlag() const
{
    return boolValue(kLockFlag);
}
void TZR_Barcode::setLockFlag(bool on)
{
    setValue(kLockFlag, on);
}
bool TZR_Barcode::autoParity() const
{
    return boolValue(kAutoParity);
}
void TZR_Barcode::setAutoParity(bool on)
{
    setValue(kAutoParity, on);
}
bool TZR_Barcode::showCheckDigit() const
{
    return boolValue(kShowCheckDigit);
}
void TZR_Barcode::setShowCheckDigit(bool on)
{
    setValue(kShowCheckDigit, on);
}
quint16 TZR_Barcode::justifyText() const
{
    return quint16(intValue(kJustifyText));
}
void TZR_Barcode::setJustifyText(quint16 justify)
{
    setValue(kJustifyText, justify);
}
quint16 TZR_Barcode::codeType() const
{
    return quint16(intValue(kCodeType));
}
void TZR_Barcode::setCodeType(quint16 type)
{
    setValue(kCodeType, type);
}
bool TZR_Barcode::showText() const
{
    return boolValue(kShowText);
}
void TZR_Barcode::setShowText(bool on)
{
    setValue(kShowText, on);
}
quint16 TZR_Barcode::showAsterisk() const
{
    return quint16(intValue(kShowAsterisk));
}
void TZR_Barcode::setShowAsterisk(quint16 show)
{
    setValue(kShowAsterisk, show);
}
bool TZR_Barcode::showLightMargins() const
{
    return boolValue(kShowLightMargins);
}
void TZR_Barcode::setShowLightMargins(bool on)
{
    setValue(kShowLightMargins, on);
}
double TZR_Barcode::marginSize() const
{
    return floatValue(kMarginSize);
}
void TZR_Barcode::setMarginSize(double mm)
{
    setValue(kMarginSize, mm);
}
QString TZR_Barcode::caption() const
{
    return textValue(kCaption);
}
void TZR_Barcode::setCaption(const QString &text)
{
    setValue(kCaption, text);
}
quint16 TZR_Barcode::orientation() const
{
    return quint16(intValue(kOrientation));
}
void TZR_Barcode::setOrientation(quint16 orientation)
{
    setValue(kOrientation, orientation);
}
double TZR_Barcode::imageHeight() const
{
    return floatValue(kImageHeight);
}
void TZR_Barcode::setImageHeight(double mm)
{
    setValue(kImageHeight, mm);
}
double TZR_Barcode::imageWidth() const
{
    return floatValue(kImageWidth);
}
void TZR_Barcode::setImageWidth(double mm)
{
    setValue(kImageWidth, mm);
}
double TZR_Barcode::imsiFontSize() const
{
    return floatValue(kImsiFontSize);
}
void TZR_Barcode::setImsiFontSize(double points)
{
    setValue(kImsiFontSize, points);
}

} // namespace quill
