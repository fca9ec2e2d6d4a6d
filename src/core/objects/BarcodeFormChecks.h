// What the barcode property dialogs compute: the status of the data, the narrowest bar as it
// prints, and the conversions of their size boxes.
#pragma once

#include <QSizeF>
#include <QString>

namespace quill {

class BarcodePicture;
class TZR_2DBarcode;
class TZR_Barcode;
class TZR_ZipBarcode;

// The resolution whose single dot the dialogs compare the narrowest bar with.
constexpr double kThinBarCheckDpi = 300.0;

// One printer dot in millimetres (25.4 / dpi).
double printerDotMillimetres(double dpi = kThinBarCheckDpi);

// Object pixels (96 per inch at 100 %) to millimetres and back, halves to even.
double objectMillimetres(int pixels);
int objectPixels(double millimetres);

// The thinnest bar, module, hexagon or dot of a picture once drawn over printedMm (the object's
// size, width along the frame's width): each shape's smaller side. 0 when nothing is drawn.
double narrowestMarkMillimetres(const BarcodePicture &picture, const QSizeF &printedMm);

// What a barcode dialog shows under its preview.
struct BarcodeFormStatus {
    int errorCode = 0; // the control's code, 0 when the barcode is drawn
    QString message; // the status box's text, in Korean
    double narrowestBarMm = 0; // as printed; 0 when nothing is drawn
    bool thinBars = false; // narrower than one dot at kThinBarCheckDpi
    bool acceptable = true; // OK may take the settings
};

// For the data in Caption (a bound field's value is not looked at: the dialog edits Caption).
BarcodeFormStatus barcodeFormStatus(const TZR_Barcode &barcode);
BarcodeFormStatus barcodeFormStatus(const TZR_2DBarcode &barcode);
// The postal code barcode draws any text, so it is always acceptable; the message is the
// postal code status (" OK" or " 우편번호 입력 오류."), and the bars are as wide as the
// object's own drawing makes them (whole pixels).
BarcodeFormStatus barcodeFormStatus(const TZR_ZipBarcode &barcode);

// The warning shown when the narrowest bar is thinner than one printer dot.
QString thinBarWarning(double narrowestMm);

// The values the postal barcode dialog starts from for a newly placed object: automatic size,
// bar spacing and start 1, the example code 123-456, black bars.
void startNewZipBarcode(TZR_ZipBarcode &barcode);

} // namespace quill
