#include "PrintDialogSettings.h"

#include "document/ZR_WorkLabel.h"

#include <QLocale>

#include <cmath>

namespace quill {

namespace {

quint16 cellNumber(int value)
{
    return quint16(qBound(1, value, PrintDialogSettings::MaxCellNumber));
}

quint16 copies(int value)
{
    return quint16(qBound(1, value, PrintDialogSettings::MaxCopies));
}

} // namespace

bool PrintDialogSettings::applyTo(TZR_WorkLabel &label) const
{
    label.setLeftMargin(leftMargin + LeftAddition);
    label.setTopMargin(topMargin + TopAddition);
    switch (range) {
    case Range::All:
        label.setFromLabel(1);
        label.setPartPrint(false);
        break;
    case Range::Start:
        label.setFromLabel(cellNumber(startCell));
        label.setPartPrint(false);
        break;
    case Range::Part:
        label.setFromLabel(cellNumber(partFrom));
        label.setLabelCount(cellNumber(partCount));
        label.setPartPrint(true);
        break;
    }
    label.setCutLine(cutLine);
    label.setPrintLabelPaper(labelSheetCopies);
    label.setPrintSheet(copies(labelSheetCopies ? labelSheets : paperSheets));
    return allPrint;
}

SheetRange PageRangeSettings::sheets(int pageCount) const
{
    SheetRange range;
    switch (option) {
    case OnePage:
        range = {onlyPage, onlyPage};
        break;
    case PageRange:
        range = {fromPage, toPage};
        break;
    default:
        range = {1, pageCount};
        break;
    }
    // A range typed backwards stays empty; cutting it must not turn it into a valid one.
    if (range.isEmpty())
        return {1, 0};
    range.first = qMax(1, range.first);
    range.last = qMin(range.last, qMin(pageCount, PrintDialogSettings::MaxCellNumber));
    return range;
}

SheetRange PageRangeSettings::applyTo(TZR_WorkLabel &label, int pageCount) const
{
    const SheetRange range = sheets(pageCount);
    if (range.isEmpty())
        return range;
    label.setLeftMargin(leftMargin);
    label.setTopMargin(topMargin);
    label.setPrintStartPage(quint16(range.first));
    label.setPrintEndPage(quint16(range.last));
    return range;
}

double printOffsetFromText(const QString &text, bool *ok)
{
    const QString trimmed = text.trimmed();
    bool valid = true;
    double value = 0.0;
    if (!trimmed.isEmpty()) {
        QString normal = trimmed;
        normal.replace(u',', u'.');
        value = QLocale::c().toDouble(normal, &valid);
        if (!valid || !std::isfinite(value)) {
            valid = false;
            value = 0.0;
        }
    }
    if (ok)
        *ok = valid;
    return value;
}

QString printOffsetText(double mm)
{
    QString text = QString::number(mm, 'f', 2);
    while (text.contains(u'.') && (text.endsWith(u'0') || text.endsWith(u'.')))
        text.chop(1);
    if (text == u"-0" || text.isEmpty())
        return QStringLiteral("0");
    return text;
}

} // namespace quill
