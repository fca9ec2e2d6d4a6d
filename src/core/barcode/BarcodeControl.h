// The one-dimensional barcode control: the object's settings in, a vector picture out (libzint).
#pragma once

#include "BarcodePicture.h"

#include <QFont>
#include <QString>

namespace quill {

// The control's properties, as the one-dimensional barcode object sends them.
struct BarcodeSettings {
    int codeType = 8;          // index in linearSymbologies()
    QString caption;           // the data
    bool autoParity = true;    // add the optional check digit of the symbology
    bool showCheckDigit = true;// check digit in the human-readable text
    int justifyText = 0;       // 0 centre, 1 left, 2 right (single-line texts)
    bool showText = true;
    int extra1 = 1;            // ShowAsterisk: start/stop characters in the text (1) or not (0)
    bool showLightMargins = false; // keep the symbology's quiet zones inside the picture
    double marginSize = 0;     // millimetres of quiet margin left and right
    int orientation = 0;       // 0..3 quarter turns counter-clockwise, or 90, 180, 270 degrees
    QFont font;                // family and style of the text (FontName)
    double fontSize = 9;       // FontSize, points
    double imageWidth = 0;     // millimetres
    double imageHeight = 0;    // millimetres
    QColor foreColor = Qt::black;

    bool operator==(const BarcodeSettings &) const = default;
};

class BarcodeControl {
public:
    // Name of symbology index (the type list); empty past the end of the list.
    static QString codeTypeName(int index);
    // The message for an error code.
    static QString errorMessage(int code);

    // Renders settings into picture() and returns the error code (0: a picture was made).
    // Data the symbology cannot encode leaves an empty picture of the requested size.
    int render(const BarcodeSettings &settings);

    const BarcodePicture &picture() const { return mPicture; }
    int errorCode() const { return mErrorCode; }
    // The current message: the code's message and libzint's explanation.
    QString errorText() const { return mErrorText; }

private:
    BarcodePicture mPicture;
    int mErrorCode = 0;
    QString mErrorText;
};

// The quarter turns an Orientation value stands for.
int orientationQuarterTurns(int orientation);

// A length in pixels at ppi converted to millimetres with two decimals, as the barcode objects
// send ImageWidth and ImageHeight (151 px at 96 ppi -> 39.95).
double pixelsToImageMillimetres(int pixels, int ppi);

} // namespace quill
