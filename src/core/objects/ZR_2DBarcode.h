// The two-dimensional barcode object (persisted data and setters; the symbol itself is drawn by
// the two-dimensional barcode control).
#pragma once

#include "document/ColorNames.h"
#include "document/LabelObject.h"
#include "barcode/CachedRendering.h"
#include "barcode/Barcode2DControl.h"

#include <memory>

namespace quill {

// Record: control head (Left, Top, Width, Height, Tag, Cursor, Hint), Font (written once it is
// the object's own), Color, PixelsPerInch, FieldName, LockFlag, CodeType, Caption, Mode,
// BackColor, ForeColor, UseEnhanced, Transparent, Orientation, ImageHeight, ImageWidth.
// UseEnhanced and Transparent have no declared default and are always written.
class TZR_2DBarcode : public LabelObject {
public:
    TZR_2DBarcode();

    static const ClassInfo &classInfo();

    ObjectTypeCode typeCode() const override { return ObjectTypeCode::Barcode2D; }
    std::unique_ptr<LabelObject> clone() const override;

    TColor color() const;
    void setColor(TColor color);
    quint16 pixelsPerInch() const;
    void setPixelsPerInch(quint16 ppi);
    QString fieldName() const;
    void setFieldName(const QString &name);
    bool lockFlag() const;
    void setLockFlag(bool on);
    quint16 codeType() const; // symbology index in the control's list
    void setCodeType(quint16 type);
    QString caption() const; // the data encoded
    void setCaption(const QString &text);
    quint16 mode() const; // mode index within the symbology
    void setMode(quint16 mode);
    TColor backColor() const;
    void setBackColor(TColor color);
    TColor foreColor() const;
    void setForeColor(TColor color);
    bool useEnhanced() const; // the dialog's "automatic size"
    void setUseEnhanced(bool on);
    bool transparent() const;
    void setTransparent(bool on);
    quint16 orientation() const;
    void setOrientation(quint16 orientation);
    double imageHeight() const; // millimetres, 30 at creation
    void setImageHeight(double mm);
    double imageWidth() const; // millimetres, 30 at creation
    void setImageWidth(double mm);

    // Draws the picture of the two-dimensional control over (0, 0)-(Width, Height); data the
    // symbology cannot encode draw nothing.
    void paint(QPainter &painter, const PaintContext &context) const override;
    // The data drawn in a context: the bound field's value in the barcode record when FieldName
    // is set and the record has that field, else Caption.
    QString shownCaption(const PaintContext &context = {}) const;
    // What the object sends the control, ImageWidth and ImageHeight from the current size.
    Barcode2DSettings controlSettings(const PaintContext &context = {}) const;
    // The control's error code (0: drawn) and message for the current settings.
    int errorCode() const;
    QString errorText() const;

protected:
    TZR_2DBarcode(const TZR_2DBarcode &) = default;
    QVariant normalize(int index, const QVariant &value) const override;

private:
    // The last picture the control made and the settings it was made from: painting again with
    // the same settings reuses it. Replaced, never changed, so copies may share it.
    CachedRendering<Barcode2DSettings, Barcode2DControl> mRendering;
};

} // namespace quill
