// Drawing on a composed sheet: objects stretched into their device rectangles, field labels as
// wrapped text, cut marks and the preview's cell outlines.
#pragma once

#include "document/PaintContext.h"

#include <QFont>
#include <QRectF>
#include <QStringList>

#include <memory>
#include <unordered_map>

class QPainter;

namespace quill {

class LabelObject;
class TZR_GuideLabel;
class TZR_LabelSize;
class TZR_TextEdit;
struct InnerCutOutline;

// A cell on the device: its rectangle in device pixels and the device pixels of one object
// pixel at 100 % (k = device pixels per inch / 96) each way.
struct CellPlacement {
    QRectF rect;
    double kx = 1.0;
    double ky = 1.0;
};

// The device rectangle of an object of the cell: left = round(x + Left x kx), right = left +
// round(Width x kx), and the same vertically.
QRect objectDeviceRect(const CellPlacement &cell, const QRect &bounds100);

// Draws object stretched from its own 100 % pixels into its device rectangle in the cell,
// clipped to that rectangle within the cell.
void drawObjectInCell(QPainter &painter, const LabelObject &object, const CellPlacement &cell,
                      const PaintContext &context);

// The lines a multi-line box of width pixels shows text in with font: broken at line breaks
// and, with wordWrap, between words (inside a word that is wider than the box).
QStringList wrappedLines(const QString &text, const QFont &font, double width, bool wordWrap);

// Prints a field label of the replicated design: its text wrapped to its width, drawn by a
// text box that takes the label's font, colour and alignment and is as high as the lines.
class FieldLabelPrinter {
public:
    FieldLabelPrinter();
    ~FieldLabelPrinter();

    void draw(QPainter &painter, const TZR_GuideLabel &label, const QString &text,
              const CellPlacement &cell, const PaintContext &context);

private:
    struct Prepared {
        std::unique_ptr<TZR_TextEdit> box;
        QFont font;
        int lineHeight = 0;
    };
    Prepared &prepare(const TZR_GuideLabel &label);

    // One prepared memo per label of the design; the labels outlive the printer (one run).
    std::unordered_map<const TZR_GuideLabel *, Prepared> mPrepared;
};

// Cut marks of a cell: blue arms of length arm (device pixels) across each corner.
void drawCutMarks(QPainter &painter, const QRectF &cell, double arm);

// The preview's outline of a cell by the sheet's Shape, and the inner cut outline inside it;
// pixelsPerMm converts the outline's millimetres at the preview scale.
void drawCellOutline(QPainter &painter, const TZR_LabelSize &sheet, const QRectF &cell,
                     double pixelsPerInchX, double pixelsPerInchY);
void drawInnerCutOutline(QPainter &painter, const TZR_LabelSize &sheet,
                         const InnerCutOutline &outline, const QRectF &cell, double pixelsPerMm);

} // namespace quill
