// The two-dimensional barcode control: the object's settings in, a vector picture out (libzint).
#pragma once

#include "BarcodePicture.h"

#include <QColor>
#include <QString>

namespace quill {

struct Barcode2DSettings {
    int codeType = 0;       // index in matrixSymbologies()
    QString caption;        // the data; text beyond ASCII is encoded as UTF-8 with its ECI
    int mode = 0;           // index in the symbology's modes
    QColor backColor = Qt::white;
    QColor foreColor = Qt::black;
    bool useEnhanced = true; // automatic size: square modules as large as fit, centred;
                             // off: the symbol is stretched over the whole frame
    bool transparent = false;
    int orientation = 0;    // 0..3 quarter turns counter-clockwise, or 90, 180, 270 degrees
    double imageWidth = 30; // millimetres
    double imageHeight = 30;

    bool operator==(const Barcode2DSettings &) const = default;
};

class Barcode2DControl {
public:
    // Name of symbology index; empty past the end of the list.
    static QString codeTypeName(int index);
    // Name of mode index of a symbology; empty past the end of its modes.
    static QString modeName(int codeType, int index);
    static QString errorMessage(int code);

    // Renders into picture() and returns the error code (0: a picture was made). Data the
    // symbology cannot encode leave an empty picture (no background either).
    int render(const Barcode2DSettings &settings);

    const BarcodePicture &picture() const { return mPicture; }
    int errorCode() const { return mErrorCode; }
    QString errorText() const { return mErrorText; }

private:
    BarcodePicture mPicture;
    int mErrorCode = 0;
    QString mErrorText;
};

} // namespace quill
