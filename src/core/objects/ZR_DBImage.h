// The image object: a picture stretched over its bounds (persisted data and setters).
#pragma once

#include "Result.h"
#include "document/LabelObject.h"

#include <QByteArray>
#include <QPicture>
#include <QSize>
#include <QStringList>

namespace quill {

enum TClipStyle { csNone, csRoundRect, csEllipse };

namespace names {
const QStringList &clipStyle(); // csNone, csRoundRect, csEllipse
} // namespace names

// Record: the picture control's properties (ImageControl.h; 105 x 105 at creation) with
// Picture.Data, then ImagePath, ExtName, FieldName, FieldFlag, Angle, FileName, mpLeft, mpTop,
// mpHeight, mpWidth, Fixed, RoundFlag, EllipseFlag, SrcImage.Data, ClipStyle (always written),
// WRoundClip, HRoundClip. The picture payloads are kept byte for byte as read; see
// imaging/PictureData.h for their layout.
class TZR_DBImage : public LabelObject {
public:
    TZR_DBImage();

    static const ClassInfo &classInfo();

    ObjectTypeCode typeCode() const override { return ObjectTypeCode::DBImage; }
    std::unique_ptr<LabelObject> clone() const override;

    // What the placement tool sets on a new image: AutoSize off, Stretch on, not transparent.
    // (A new object keeps the picture control's own values, which the stream relies on.)
    void applyPlacementSettings();

    bool autoSize() const;
    void setAutoSize(bool on);
    bool center() const;
    void setCenter(bool on);
    bool stretch() const;
    void setStretch(bool on);
    bool transparent() const;
    void setTransparent(bool on);
    bool proportional() const;
    void setProportional(bool on);

    // The picture's stream payload (graphic class name and data); empty: no graphic.
    QByteArray pictureData() const;
    void setPictureData(const QByteArray &payload);
    // The source picture of the clipped display, same layout; empty: no source.
    QByteArray srcImageData() const;
    void setSrcImageData(const QByteArray &payload);

    QString imagePath() const;
    void setImagePath(const QString &path);
    QString extName() const;
    void setExtName(const QString &ext);
    QString fieldName() const;
    void setFieldName(const QString &name);
    bool fieldFlag() const;
    void setFieldFlag(bool on);
    // Stored as given: turning an image turns its picture, not this value.
    int angle() const;
    void setAngle(int degrees);
    QString fileName() const;
    void setFileName(const QString &name);
    // Reserved geometry: carried unchanged, nothing derives from it.
    double mpLeft() const;
    void setMpLeft(double v);
    double mpTop() const;
    void setMpTop(double v);
    double mpHeight() const;
    void setMpHeight(double v);
    double mpWidth() const;
    void setMpWidth(double v);
    bool fixed() const; // the user released the aspect-ratio lock
    void setFixed(bool on);
    bool roundFlag() const;
    void setRoundFlag(bool on);
    bool ellipseFlag() const;
    void setEllipseFlag(bool on);
    TClipStyle clipStyle() const;
    void setClipStyle(TClipStyle style);
    double wRoundClip() const; // millimetres, 2 at creation
    void setWRoundClip(double mm);
    double hRoundClip() const; // millimetres, 2 at creation
    void setHRoundClip(double mm);

    // Draws the visible picture: the clipped source (BuildClippedPicture) when SrcImage holds a
    // picture, otherwise Picture as the picture control places it (Stretch, Proportional,
    // Center; a transparent bitmap leaves out the colour of its bottom-left pixel). A picture
    // that cannot be decoded draws a crossed box; pictureStatus() says why.
    void paint(QPainter &painter, const PaintContext &context) const override;
    // Why Picture (or a present SrcImage) cannot be drawn; success when it can or is absent.
    Status pictureStatus() const;
    // The visible picture rebuilt from SrcImage: the source stretched over (0, 0)-(w, h) of its
    // own size, clipped to the ClipStyle outline, recorded as a picture with that bounding
    // rectangle. Empty when SrcImage holds no graphic or cannot be decoded. The stored Picture
    // is left as it is; painting draws the rebuilt picture in its place.
    QPicture BuildClippedPicture() const;
    // The corner ellipse of csRoundRect in pixels at 96 per inch: Round(mm x 96 / 25.4) each way.
    static QSize roundClipCorner(double wMillimetres, double hMillimetres);

protected:
    TZR_DBImage(const TZR_DBImage &) = default;
};

} // namespace quill
