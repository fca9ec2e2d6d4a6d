// What a label object needs to know to draw itself onto a painter.
#pragma once

#include <QHash>
#include <QString>

namespace quill {

// Objects draw in their own pixels at 100 % (96 per inch): (0, 0) is the object's top-left
// corner and (Width, Height) its bottom-right. The painter's transform does every scaling, so
// the screen at any zoom, recorded pictures, the preview, PDF and printers get the same drawing.
struct PaintContext {
    enum class Target { Screen, Picture, Printer };

    Target target = Target::Screen;
    // The editor's zoom in percent. Only the few drawing corrections that depend on the zoom
    // read it; sizes never do.
    int zoom = 100;
    // Device pixels per inch of the target, for drawings built at device resolution (word art
    // masks, barcode bitmaps). 96 for the screen at 100 %.
    double dpiX = 96.0;
    double dpiY = 96.0;
    // Field values of the current record for field-bound objects, by field name as the data
    // list spells it (looked up without regard to case). Null: draw the object's own text.
    const QHash<QString, QString> *labelRecord = nullptr;
    const QHash<QString, QString> *barcodeRecord = nullptr;
    // The text a field label shows for an empty field ([Option] dbnull).
    QString emptyFieldText;

    bool printing() const { return target == Target::Printer; }
};

} // namespace quill
