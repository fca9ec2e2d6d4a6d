#include "ZR_DBImage.h"

#include "ImageControl.h"

namespace quill {

namespace {

const QString kAutoSize = QStringLiteral("AutoSize");
const QString kCenter = QStringLiteral("Center");
const QString kStretch = QStringLiteral("Stretch");
const QString kTransparent = QStringLiteral("Transparent");
const QString kProportional = QStringLiteral("Proportional");
const QString kPicture = QStringLiteral("Picture.Data");
const QString kImagePath = QStringLiteral("ImagePath");
const QString kExtName = QStringLiteral("ExtName");
const QString kFieldName = QStringLiteral("FieldName");
const QString kFieldFlag = QStringLiteral("FieldFlag");
const QString kAngle = QStringLiteral("Angle");
const QString kFileName = QStringLiteral("FileName");
const QString kMpLeft = QStringLiteral("mpLeft");
const QString kMpTop = QStringLiteral("mpTop");
const QString kMpHeight = QStringLiteral("mpHeight");
const QString kMpWidth = QStringLiteral("mpWidth");
const QString kFixed = QStringLiteral("Fixed");
const QString kRoundFlag = QStringLiteral("RoundFlag");
const QString kEllipseFlag = QStringLiteral("EllipseFlag");
const QString kSrcImage = QStringLiteral("SrcImage.Data");
const QString kClipStyle = QStringLiteral("ClipStyle");
const QString kWRoundClip = QStringLiteral("WRoundClip");
const QString kHRoundClip = QStringLiteral("HRoundClip");

} // namespace

namespace names {

const QStringList &clipStyle()
{
    static const QStringList list {
        QStringLiteral("csNone"), QStringLiteral("csRoundRect"), QStringLiteral("csEllipse")};
    return list;
}

} // namespace names

const ClassInfo &TZR_DBImage::classInfo()
{
    static const ClassInfo info = [] {
        ClassBuilder b(QStringLiteral("TZR_DBImage"));
        b.inherit(imageControlClassInfo());
        b.text(kImagePath).text(kExtName).text(kFieldName);
        b.boolean(kFieldFlag, false, false).integer(kAngle, 0, 0).text(kFileName);
        for (const QString &name : {kMpLeft, kMpTop, kMpHeight, kMpWidth})
            b.floating(name, 0);
        b.boolean(kFixed, false, false)
            .boolean(kRoundFlag, false, false)
            .boolean(kEllipseFlag, false, false)
            .binary(kSrcImage)
            .enumeration(kClipStyle, names::clipStyle(), csNone)
            .floating(kWRoundClip, 2)
            .floating(kHRoundClip, 2);
        return b.build([] { return std::make_unique<TZR_DBImage>(); });
    }();
    return info;
}

TZR_DBImage::TZR_DBImage() : LabelObject(classInfo()) { }

std::unique_ptr<LabelObject> TZR_DBImage::clone() const
{
    return std::unique_ptr<LabelObject>(new TZR_DBImage(*this));
}

void TZR_DBImage::applyPlacementSettings()
{
    setAutoSize(false);
    setStretch(true);
    setTransparent(false);
}

bool TZR_DBImage::autoSize() const
{
    return boolValue(kAutoSize);
}
void TZR_DBImage::setAutoSize(bool on)
{
    setValue(kAutoSize, on);
}
bool TZR_DBImage::center() const
{
    return boolValue(kCenter);
}
void TZR_DBImage::setCenter(bool on)
{
    setValue(kCenter, on);
}
bool TZR_DBImage::stretch() const
{
    return boolValue(kStretch);
}
void TZR_DBImage::setStretch(bool on)
{
    setValue(kStretch, on);
}
bool TZR_DBImage::transparent() const
{
    return boolValue(kTransparent);
}
void TZR_DBImage::setTransparent(bool on)
{
    setValue(kTransparent, on);
}
bool TZR_DBImage::proportional() const
{
    return boolValue(kProportional);
}
void TZR_DBImage::setProportional(bool on)
{
    setValue(kProportional, on);
}

QByteArray TZR_DBImage::pictureData() const
{
    return value(kPicture).toByteArray();
}
void TZR_DBImage::setPictureData(const QByteArray &payload)
{
    setValue(kPicture, payload);
}
QByteArray TZR_DBImage::srcImageData() const
{
    return value(kSrcImage).toByteArray();
}
void TZR_DBImage::setSrcImageData(const QByteArray &payload)
{
    setValue(kSrcImage, payload);
}

QString TZR_DBImage::imagePath() const
{
    return textValue(kImagePath);
}
void TZR_DBImage::setImagePath(const QString &path)
{
    setValue(kImagePath, path);
}
QString TZR_DBImage::extName() const
{
    return textValue(kExtName);
}
void TZR_DBImage::setExtName(const QString &ext)
{
    setValue(kExtName, ext);
}
QString TZR_DBImage::fieldName() const
{
    return textValue(kFieldName);
}
void TZR_DBImage::setFieldName(const QString &name)
{
    setValue(kFieldName, name);
}
bool TZR_DBImage::fieldFlag() const
{
    return boolValue(kFieldFlag);
}
void TZR_DBImage::setFieldFlag(bool on)
{
    setValue(kFieldFlag, on);
}
int TZR_DBImage::angle() const
{
    return int(intValue(kAngle));
}
void TZR_DBImage::setAngle(int degrees)
{
    setValue(kAngle, degrees);
}
QString TZR_DBImage::fileName() const
{
    return textValue(kFileName);
}
void TZR_DBImage::setFileName(const QString &name)
{
    setValue(kFileName, name);
}
double TZR_DBImage::mpLeft() const
{
    return floatValue(kMpLeft);
}
void TZR_DBImage::setMpLeft(double v)
{
    setValue(kMpLeft, v);
}
double TZR_DBImage::mpTop() const
{
    return floatValue(kMpTop);
}
void TZR_DBImage::setMpTop(double v)
{
    setValue(kMpTop, v);
}
double TZR_DBImage::mpHeight() const
{
    return floatValue(kMpHeight);
}
void TZR_DBImage::setMpHeight(double v)
{
    setValue(kMpHeight, v);
}
double TZR_DBImage::mpWidth() const
{
    return floatValue(kMpWidth);
}
void TZR_DBImage::setMpWidth(double v)
{
    setValue(kMpWidth, v);
}
bool TZR_DBImage::fixed() const
{
    return boolValue(kFixed);
}
void TZR_DBImage::setFixed(bool on)
{
    setValue(kFixed, on);
}
bool TZR_DBImage::roundFlag() const
{
    return boolValue(kRoundFlag);
}
void TZR_DBImage::setRoundFlag(bool on)
{
    setValue(kRoundFlag, on);
}
bool TZR_DBImage::ellipseFlag() const
{
    return boolValue(kEllipseFlag);
}
void TZR_DBImage::setEllipseFlag(bool on)
{
    setValue(kEllipseFlag, on);
}

TClipStyle TZR_DBImage::clipStyle() const
{
    return static_cast<TClipStyle>(value(kClipStyle).toInt());
}

void TZR_DBImage::setClipStyle(TClipStyle style)
{
    setValue(kClipStyle, int(style));
}
double TZR_DBImage::wRoundClip() const
{
    return floatValue(kWRoundClip);
}
void TZR_DBImage::setWRoundClip(double mm)
{
    setValue(kWRoundClip, mm);
}
double TZR_DBImage::hRoundClip() const
{
    return floatValue(kHRoundClip);
}
void TZR_DBImage::setHRoundClip(double mm)
{
    setValue(kHRoundClip, mm);
}

} // namespace quill
