// A label paper the user describes: sheet, margins, cells and gaps; the cell size follows.
#pragma once

#include "Result.h"
#include "SheetPreview.h"
#include "document/ColorNames.h"
#include "document/ZR_LabelSize.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

namespace quill {

// The sheet sizes offered; Other leaves the page width and height to the user.
enum class UserPaperSheet { A4, B5, A5, Other };

// The numeric fields of a user-defined paper, all millimetres except the two counts.
enum class UserPaperField {
    PageWidth,
    PageHeight,
    LeftMargin,
    RightMargin,
    TopMargin,
    BottomMargin,
    Columns,
    Rows,
    HorizSpace,
    VertSpace,
    Radius,
};

struct UserPaperRange {
    double minimum = 0.0;
    double maximum = 0.0;
    double step = 0.1;
    bool whole = false; // counts take whole numbers only
};

// Page 0.1 .. 370, margins 1 .. 60, counts 1 .. 30, gaps 0 .. 30, radius 0 .. 20.
UserPaperRange userPaperRange(UserPaperField field);

// A typed value checked against its field's range.
struct CheckedValue {
    double value = 0.0;   // the value to compute with
    bool corrected = false; // the field's text should become correctedText
    QString correctedText;
};

// Checks the text of a field. An empty text counts as the minimum and a value above the maximum
// is cut to the maximum at once; once typing is finished (the field is left) an empty text or a
// value below the minimum becomes the minimum in the field too. Text that is no number (or a
// fraction in a count field) fails with a message for the user, and nothing should change.
Result<CheckedValue> checkUserPaperText(UserPaperField field, const QString &text, bool finished);

// Numbers as the dialog shows and stores them: up to 15 significant digits, no trailing zeros
// ("63.5", "55.4", "99.1666666666667").
QString userPaperNumber(double value);

// Everything the user-defined paper dialog collects. Lengths are millimetres.
struct UserPaper {
    QString family;
    QString code; // up to MaxCodeLength characters; empty takes a free "User" code
    QString printerKind = printerKinds().constFirst();
    UserPaperSheet sheet = UserPaperSheet::A4;
    double pageWidth = 210.0;
    double pageHeight = 297.0;
    double leftMargin = 10.0;
    double rightMargin = 10.0;
    double topMargin = 10.0;
    double bottomMargin = 10.0;
    int columns = 1;
    int rows = 1;
    double horizSpace = 0.0;
    double vertSpace = 0.0;
    double radius = 10.0;
    QString shape = shapes().constFirst();
    TColor colour = clWhite; // $00BBGGRR, as chosen

    static constexpr int MaxCodeLength = 10;
    static constexpr int MaxShapeLength = 10;
    // "잉크젯/레이저 겸용", "잉크젯 전용", "레이저 전용", "복사기 용".
    static QStringList printerKinds();
    // "R.Rect", "Rectangle", "Circle".
    static QStringList shapes();
    // Width and height of a fixed sheet (A4 210 x 297, B5 182 x 257, A5 148 x 210).
    static std::optional<std::pair<double, double>> sheetSize(UserPaperSheet sheet);

    // Chooses a sheet; a fixed one sets the page size.
    void setSheet(UserPaperSheet choice);
    double value(UserPaperField field) const;
    // Sets a field, kept within its range (counts rounded to whole numbers).
    void setValue(UserPaperField field, double value);

    // (W - (L + R + (C - 1) x Gh)) / C, and the same downwards; may be 0 or less when the
    // margins and gaps leave no room.
    double labelWidth() const;
    double labelHeight() const;
    int labelsPerSheet() const { return columns * rows; }
    // The corner radius applies only to the rounded rectangle, the first shape.
    bool radiusApplies() const;
    // "A4", "B5", "A5", or "USER" for another size.
    QString paperName() const;

    // The catalogue record of this paper: every field as text, L_TOTAL columns x rows, and the
    // colour in the catalogue's own notation, red first ("$00RRGGBB", or "clWhite"), so that
    // the new job dialog, which turns catalogue colours around, hands it back as chosen.
    CatalogueRecord catalogueRecord() const;
};

// The preview of a user's paper. White paper for the file-label family (fileLabelName),
// otherwise the chosen colour.
SheetPreview userPaperPreview(const UserPaper &paper, const InnerCutOutline &outline,
                              const QString &fileLabelName);

// The catalogue's colour text for a colour: a colour name when it has one that reads the same
// either way round (white, black, greys), otherwise "$00" and red, green, blue in hexadecimal.
QString catalogueColourCode(TColor colour);
// The colour's name as the product list shows it: "흰색" for white, otherwise "#RRGGBB".
QString catalogueColourName(TColor colour);

} // namespace quill
