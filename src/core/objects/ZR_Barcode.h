// The one-dimensional barcode object (persisted data and setters; the barcode itself is drawn
// by the barcode control).
#pragma once

#include "document/ColorNames.h"
#include "document/LabelObject.h"
#include "barcode/CachedRendering.h"
#include "barcode/BarcodeControl.h"

#include <memory>

namespace quill {

// Record: control head (Left, Top, Width, Height, Tag, Cursor, Hint), Font (written once it is
// the object's own), Color, PixelsPerInch, FieldName, LockFlag, AutoParity, ShowCheckDigit,
// JustifyText, CodeType, ShowText, ShowAsterisk, ShowLightMargins, MarginSize, Caption,
// Orientation, ImageHeight, ImageWidth, ImsiFontSize. The 16-bit fields keep the low 16 bits of
// whatever is assigned.
class TZR_Barcode : public LabelObject {
public:
    TZR_Barcode();

    static const ClassInfo &classInfo();

    ObjectTypeCode typeCode() const override { return ObjectTypeCode::Barcode; }
    std::unique_ptr<LabelObject> clone() const override;

    // Symbology indexes in the control's list that the program itself relies on.
    enum CodeTypes : quint16 {
        EAN13 = 0,
        EAN8 = 1,
        Code39 = 8,
        Code128 = 9,
        EAN128 = 10,
        Interleaved2Of5 = 12,
        Codabar = 16,
        UPCA = 19,
        UPCE = 23,
        PostnetZip = 28,
        PostnetZipPlus4 = 29,
        Postnet11 = 30,
    };

    TColor color() const;
    void setColor(TColor color);
    quint16 pixelsPerInch() const; // resolution for pixels -> millimetres, 96 at creation
    void setPixelsPerInch(quint16 ppi);
    QString fieldName() const;
    void setFieldName(const QString &name);
    bool lockFlag() const;
    void setLockFlag(bool on);
    bool autoParity() const;
    void setAutoParity(bool on);
    bool showCheckDigit() const;
    void setShowCheckDigit(bool on);
    quint16 justifyText() const; // 0 centre, 1 left, 2 right (the dialog's order)
    void setJustifyText(quint16 justify);
    quint16 codeType() const;
    void setCodeType(quint16 type);
    bool showText() const;
    void setShowText(bool on);
    quint16 showAsterisk() const; // 0 or 1: start/stop characters shown
    void setShowAsterisk(quint16 show);
    bool showLightMargins() const;
    void setShowLightMargins(bool on);
    double marginSize() const; // millimetres
    void setMarginSize(double mm);
    QString caption() const; // the data encoded
    void setCaption(const QString &text);
    quint16 orientation() const;
    void setOrientation(quint16 orientation);
    double imageHeight() const; // millimetres, last height sent to the control
    void setImageHeight(double mm);
    double imageWidth() const; // millimetres, last width sent to the control
    void setImageWidth(double mm);
    double imsiFontSize() const; // nominal font size in points at 100 % zoom
    void setImsiFontSize(double points);

    // Draws the picture of the barcode control for the current settings over (0, 0)-(Width,
    // Height); data a symbology cannot encode draw nothing.
    void paint(QPainter &painter, const PaintContext &context) const override;
    // The data drawn in a context: the bound field's value in the barcode record when FieldName
    // is set and the record has that field, else Caption.
    QString shownCaption(const PaintContext &context = {}) const;
    // What the object sends the control: ImageWidth and ImageHeight from Width, Height and
    // PixelsPerInch (millimetres, two decimals), the text's font at the context's zoom.
    BarcodeSettings controlSettings(const PaintContext &context = {}) const;
    // The control's error code (0: drawn) and message for the current settings, for the
    // dialogs' status box.
    int errorCode() const;
    QString errorText() const;

protected:
    TZR_Barcode(const TZR_Barcode &) = default;
    QVariant normalize(int index, const QVariant &value) const override;

private:
    // The last picture the control made and the settings it was made from: painting again with
    // the same settings reuses it. Replaced, never changed, so copies may share it.
    CachedRendering<BarcodeSettings, BarcodeControl> mRendering;
};

} // namespace quill
