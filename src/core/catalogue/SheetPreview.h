// The miniature of a label sheet that the new job and user-defined paper dialogs show.
#pragma once

#include "document/InnerCutOutline.h"

#include <QColor>
#include <QRect>
#include <QSize>
#include <QString>

class QPainter;

namespace quill {

class TZR_LabelSize;

// A sheet as the preview draws it; lengths in millimetres.
struct SheetPreview {
    double pageWidth = 0.0;
    double pageHeight = 0.0;
    double leftMargin = 0.0;
    double topMargin = 0.0;
    double cellWidth = 0.0;
    double cellHeight = 0.0;
    double horizSpace = 0.0;
    double vertSpace = 0.0;
    double radius = 0.0;
    int columns = 0;
    int rows = 0;
    // The shape word as the product stores it: "r.rect" draws rounded rectangles, "rect" or
    // "rectangle" rectangles, "circle" or "round" ellipses (any letter case); any other word
    // draws no cells.
    QString shapeText;
    QColor paper = Qt::white;
    InnerCutOutline outline; // drawn in every cell when present

    // The sheet of a product (inches turned back into millimetres). The paper colour is the
    // sheet's Color; the shape word is the product's own (the sheet cannot tell "Rect" from a
    // word it did not know).
    static SheetPreview of(const TZR_LabelSize &sheet, const QString &shapeText,
                           const InnerCutOutline &outline);
    int labelCount() const { return columns * rows; }
};

// Where the sheet lies in a panel: as large as fits, leaving 3 pixels at the sides and 10 at
// top and bottom, centred. An empty rectangle for a sheet without a size.
QRect sheetPreviewRect(QSize panel, double pageWidth, double pageHeight);

// Draws the sheet into a panel of the given size (the painter's origin at the panel's top-left
// corner): the paper with its outline, every cell in its shape, and the inner cut outlines.
// The label count is left to the caller, which shows it over the picture.
void paintSheetPreview(QPainter &painter, const SheetPreview &sheet, QSize panel);

} // namespace quill
