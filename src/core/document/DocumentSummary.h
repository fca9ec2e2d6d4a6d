// Texts and layout that summarise a document: status text, window captions, overview layout.
#pragma once

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

namespace quill {

class CaptionFile;
class TZR_LabelSize;

// A length in inches as millimetres rounded to two decimals, without trailing zeros
// (2.5 in -> "63.5", 1 in -> "25.4", 3.937 in -> "100").
QString millimetreText(double inches);

// The status bar's sheet summary, from [MainMessage] StatusLabelCaption, StatusLabelNo,
// StatusRow, StatusColume and StatusLabelNum:
// " <caption> : <product> (<w> * <h> mm)    <no> : <rows> (<row>) * <cols> (<col>) = <n> <num>".
QString sheetSummaryText(const TZR_LabelSize &sheet, const CaptionFile &captions);

// [MenuCaption] MainForm, followed by "  ( " + fileName + " )" when the document has a name.
QString mainWindowCaption(const CaptionFile &captions, const QString &fileName);

// Title of the cell overview window: "[" + cells + "칸라벨, " + Paper + "] 라벨용지".
QString overviewTitle(const TZR_LabelSize &sheet);

// The overview window's page label: "2/3 페이지".
QString overviewPageText(int currentPage, int pageCount);

// The overview drawing of a sheet in a box: the box keeps the length of the sheet's longer
// side (width on a landscape sheet, height otherwise) and the other side follows the sheet's
// proportions; cells are the sheet positions scaled, each rect rounded.
struct OverviewLayout {
    QSize boxSize;       // the adjusted box
    double scale = 0.0;  // box pixels per inch
    QList<QRect> cells;  // cell n at index n - 1
};

// A sheet without a page size gets scale 0, the box unchanged and empty cell rects.
OverviewLayout layoutOverview(const QSize &box, const TZR_LabelSize &sheet);

} // namespace quill
