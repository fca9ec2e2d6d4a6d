// A label paper the user describes: sheet, margins, cells and gaps; the cell size follows.
#include "UserPaper.h"

#include "CatalogueTable.h"

#include <algorithm>
#include <cmath>

namespace quill {

UserPaperRange userPaperRange(UserPaperField field)
{
    switch (field) {
    case UserPaperField::PageWidth:
    case UserPaperField::PageHeight: return {0.1, 370.0, 0.1, false};
    case UserPaperField::LeftMargin:
    case UserPaperField::RightMargin:
    case UserPaperField::TopMargin:
    case UserPaperField::BottomMargin: return {1.0, 60.0, 0.1, false};
    case UserPaperField::Columns:
    case UserPaperField::Rows: return {1.0, 30.0, 1.0, true};
    case UserPaperField::HorizSpace:
    case UserPaperField::VertSpace: return {0.0, 30.0, 0.1, false};
    case UserPaperField::Radius: return {0.0, 20.0, 0.1, false};
    }
    return {};
}

QString userPaperNumber(double value)
{
    if (value == 0.0)
        return QStringLiteral("0"); // never "-0"
    return QString::number(value, 'g', 15);
}

Result<CheckedValue> checkUserPaperText(UserPaperField field, const QString &text, bool finished)
{
    const UserPaperRange range = userPaperRange(field);
    const QString trimmed = text.trimmed();
    CheckedValue checked;
    if (trimmed.isEmpty()) {
        checked.value = range.minimum;
        checked.corrected = finished;
        checked.correctedText = userPaperNumber(range.minimum);
        return checked;
    }
    bool ok = false;
    const double value = trimmed.toDouble(&ok);
    // toDouble takes "inf" and "1e3"; only plain decimals are numbers here.
    const bool plain = !trimmed.contains(QLatin1Char('e'), Qt::CaseInsensitive);
    if (!ok || !plain || !std::isfinite(value) || (range.whole && value != std::trunc(value)))
        return Error{range.whole ? QStringLiteral("정수만 입력 가능합니다.")
                                 : QStringLiteral("숫자만 입력 가능합니다."),
                     text};
    checked.value = value;
    if (value > range.maximum || (finished && value < range.minimum)) {
        checked.value = value > range.maximum ? range.maximum : range.minimum;
        checked.corrected = true;
        checked.correctedText = userPaperNumber(checked.value);
    } else if (value < range.minimum) {
        checked.value = range.minimum; // computed with, but left for the user to finish typing
    }
    return checked;
}

QStringList UserPaper::printerKinds()
{
    return {QStringLiteral("잉크젯/레이저 겸용"), QStringLiteral("잉크젯 전용"),
            QStringLiteral("레이저 전용"), QStringLiteral("복사기 용")};
}

QStringList UserPaper::shapes()
{
    return {QStringLiteral("R.Rect"), QStringLiteral("Rectangle"), QStringLiteral("Circle")};
}

std::optional<std::pair<double, double>> UserPaper::sheetSize(UserPaperSheet sheet)
{
    switch (sheet) {
    case UserPaperSheet::A4: return std::pair{210.0, 297.0};
    case UserPaperSheet::B5: return std::pair{182.0, 257.0};
    case UserPaperSheet::A5: return std::pair{148.0, 210.0};
    case UserPaperSheet::Other: break;
    }
    return std::nullopt;
}

void UserPaper::setSheet(UserPaperSheet choice)
{
    sheet = choice;
    if (const auto size = sheetSize(choice)) {
        pageWidth = size->first;
        pageHeight = size->second;
    }
}

double UserPaper::value(UserPaperField field) const
{
    switch (field) {
    case UserPaperField::PageWidth: return pageWidth;
    case UserPaperField::PageHeight: return pageHeight;
    case UserPaperField::LeftMargin: return leftMargin;
    case UserPaperField::RightMargin: return rightMargin;
    case UserPaperField::TopMargin: return topMargin;
    case UserPaperField::BottomMargin: return bottomMargin;
    case UserPaperField::Columns: return columns;
    case UserPaperField::Rows: return rows;
    case UserPaperField::HorizSpace: return horizSpace;
    case UserPaperField::VertSpace: return vertSpace;
    case UserPaperField::Radius: return radius;
    }
    return 0.0;
}

void UserPaper::setValue(UserPaperField field, double value)
{
    const UserPaperRange range = userPaperRange(field);
    if (!std::isfinite(value))
        value = range.minimum;
    value = std::clamp(value, range.minimum, range.maximum);
    switch (field) {
    case UserPaperField::PageWidth: pageWidth = value; break;
    case UserPaperField::PageHeight: pageHeight = value; break;
    case UserPaperField::LeftMargin: leftMargin = value; break;
    case UserPaperField::RightMargin: rightMargin = value; break;
    case UserPaperField::TopMargin: topMargin = value; break;
    case UserPaperField::BottomMargin: bottomMargin = value; break;
    case UserPaperField::Columns: columns = int(std::lround(value)); break;
    case UserPaperField::Rows: rows = int(std::lround(value)); break;
    case UserPaperField::HorizSpace: horizSpace = value; break;
    case UserPaperField::VertSpace: vertSpace = value; break;
    case UserPaperField::Radius: radius = value; break;
    }
}

double UserPaper::labelWidth() const
{
    return (pageWidth - (leftMargin + rightMargin + (columns - 1) * horizSpace)) / columns;
}

double UserPaper::labelHeight() const
{
    return (pageHeight - (topMargin + bottomMargin + (rows - 1) * vertSpace)) / rows;
}

bool UserPaper::radiusApplies() const
{
    return shape.trimmed().compare(shapes().constFirst(), Qt::CaseInsensitive) == 0;
}

QString UserPaper::paperName() const
{
    switch (sheet) {
    case UserPaperSheet::A4: return QStringLiteral("A4");
    case UserPaperSheet::B5: return QStringLiteral("B5");
    case UserPaperSheet::A5: return QStringLiteral("A5");
    case UserPaperSheet::Other: break;
    }
    return QStringLiteral("USER");
}

CatalogueRecord UserPaper::catalogueRecord() const
{
    using namespace CatalogueField;
    const auto number = [](double value) { return userPaperNumber(value); };
    return {
        {Code, code.trimmed().left(MaxCodeLength)},
        {Color, catalogueColourName(colour)},
        {Type, QStringLiteral("SHEET")},
        {Paper, paperName()},
        {Product, family},
        {PWidth, number(pageWidth)},
        {PHeight, number(pageHeight)},
        {Columns, QString::number(columns)},
        {Rows, QString::number(rows)},
        {LMargin, number(leftMargin)},
        {RMargin, number(rightMargin)},
        {TMargin, number(topMargin)},
        {BMargin, number(bottomMargin)},
        {LWidth, number(labelWidth())},
        {LHeight, number(labelHeight())},
        {CSpace, number(horizSpace)},
        {RSpace, number(vertSpace)},
        {Shape, shape.trimmed().left(MaxShapeLength)},
        {Radios, number(radius)},
        {Remark, printerKind},
        {CCode, catalogueColourCode(colour)},
        {Total, QString::number(labelsPerSheet())},
    };
}

namespace {

struct Rgb {
    int red, green, blue;
};

Rgb rgbOf(TColor colour)
{
    return {int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF)};
}

QString hexRgb(const Rgb &c)
{
    return QStringLiteral("%1%2%3")
        .arg(c.red, 2, 16, QLatin1Char('0'))
        .arg(c.green, 2, 16, QLatin1Char('0'))
        .arg(c.blue, 2, 16, QLatin1Char('0'))
        .toUpper();
}

} // namespace

SheetPreview userPaperPreview(const UserPaper &paper, const InnerCutOutline &outline,
                              const QString &fileLabelName)
{
    SheetPreview preview;
    preview.pageWidth = paper.pageWidth;
    preview.pageHeight = paper.pageHeight;
    preview.leftMargin = paper.leftMargin;
    preview.topMargin = paper.topMargin;
    preview.cellWidth = paper.labelWidth();
    preview.cellHeight = paper.labelHeight();
    preview.horizSpace = paper.horizSpace;
    preview.vertSpace = paper.vertSpace;
    preview.radius = paper.radius;
    preview.columns = paper.columns;
    preview.rows = paper.rows;
    preview.shapeText = paper.shape;
    const Rgb c = rgbOf(paper.colour);
    preview.paper = paper.family == fileLabelName ? QColor(Qt::white)
                                                  : QColor(c.red, c.green, c.blue);
    preview.outline = outline;
    return preview;
}

QString catalogueColourCode(TColor colour)
{
    const Rgb c = rgbOf(colour & 0xFFFFFF);
    if (c.red == c.blue) {
        if (const auto name = colorIdent(colour & 0xFFFFFF))
            return *name;
    }
    return QStringLiteral("$00") + hexRgb(c);
}

QString catalogueColourName(TColor colour)
{
    if ((colour & 0xFFFFFF) == clWhite)
        return QStringLiteral("흰색");
    return QStringLiteral("#") + hexRgb(rgbOf(colour));
}

} // namespace quill
