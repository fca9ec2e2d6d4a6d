#include "DocumentSummary.h"

#include "Rounding.h"
#include "ZR_LabelSize.h"
#include "shell/CaptionFile.h"

#include <algorithm>

namespace quill {

QString millimetreText(double inches)
{
    const double mm = roundToDecimals(inches * TZR_LabelSize::MillimetresPerInch, 2);
    QString text = QString::number(mm, 'f', 2);
    // "63.50" -> "63.5", "100.00" -> "100".
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    return text;
}

QString sheetSummaryText(const TZR_LabelSize &sheet, const CaptionFile &captions)
{
    auto message = [&captions](const char *key) {
        return captions.read(QStringLiteral("MainMessage"), QLatin1String(key));
    };
    const QString rows = QString::number(sheet.rows());
    const QString columns = QString::number(sheet.columns());
    return QLatin1Char(' ') + message("StatusLabelCaption") + QStringLiteral(" : ")
        + sheet.labelKindType() + QStringLiteral(" (") + millimetreText(sheet.width())
        + QStringLiteral(" * ") + millimetreText(sheet.height()) + QStringLiteral(" mm)    ")
        + message("StatusLabelNo") + QStringLiteral(" : ") + rows + QStringLiteral(" (")
        + message("StatusRow") + QStringLiteral(") * ") + columns + QStringLiteral(" (")
        + message("StatusColume") + QStringLiteral(") = ") + QString::number(sheet.cellCount())
        + QLatin1Char(' ') + message("StatusLabelNum");
}

QString mainWindowCaption(const CaptionFile &captions, const QString &fileName)
{
    const QString caption = captions.read(QStringLiteral("MenuCaption"), QStringLiteral("MainForm"));
    if (fileName.isEmpty())
        return caption;
    return caption + QStringLiteral("  ( ") + fileName + QStringLiteral(" )");
}

QString overviewTitle(const TZR_LabelSize &sheet)
{
    return QLatin1Char('[') + QString::number(sheet.cellCount()) + QStringLiteral("칸라벨, ")
        + sheet.paper() + QStringLiteral("] 라벨용지");
}

QString overviewPageText(int currentPage, int pageCount)
{
    return QString::number(currentPage) + QLatin1Char('/') + QString::number(pageCount)
        + QStringLiteral(" 페이지");
}

OverviewLayout layoutOverview(const QSize &box, const TZR_LabelSize &sheet)
{
    OverviewLayout layout;
    layout.boxSize = box;
    if (sheet.pageWidth() > sheet.pageHeight() && sheet.pageWidth() > 0.0) {
        layout.scale = box.width() / sheet.pageWidth();
        layout.boxSize.setHeight(roundHalfEven(layout.scale * sheet.pageHeight()));
    } else if (sheet.pageHeight() > 0.0) {
        layout.scale = box.height() / sheet.pageHeight();
        layout.boxSize.setWidth(roundHalfEven(layout.scale * sheet.pageWidth()));
    }
    // Without a page size there is nothing to scale by; a zero scale keeps the numbers finite.
    const double s = layout.scale;
    const int cells = static_cast<int>(std::min(sheet.cellCount(), TZR_LabelSize::MaxCellCount));
    for (int n = 1; n <= cells; ++n) {
        const CellPosition pos = *sheet.cellPosition(n);
        const double left = pos.column * sheet.width() * s + sheet.leftMargin() * s
            + pos.column * sheet.horizSpace() * s;
        const double top = pos.row * sheet.height() * s + sheet.topMargin() * s
            + pos.row * sheet.vertSpace() * s;
        layout.cells.append(QRect(roundHalfEven(left), roundHalfEven(top),
                                  roundHalfEven(sheet.width() * s),
                                  roundHalfEven(sheet.height() * s)));
    }
    return layout;
}

} // namespace quill
