#include "ObjectPlacement.h"

#include "StretchGeometry.h"

#include "document/Rounding.h"
#include "document/StandardProperties.h"
#include "objects/CountryCharset.h"
#include "objects/ObjectClasses.h"
#include "objects/ZR_DBImage.h"
#include "objects/ZR_Gradient.h"
#include "objects/ZR_SerialNumber.h"
#include "objects/ZR_ShapeTable.h"
#include "objects/ZR_TextEdit.h"
#include "objects/ZR_VantorShape.h"
#include "objects/ZR_ZipBarcode.h"

#include <QRandomGenerator>

#include <algorithm>
#include <cstdlib>

namespace quill::ObjectPlacement {

namespace {

// Model pixels are screen pixels at 100 % on a screen of 96 pixels per inch.
constexpr double ModelPixelsPerInch = 96.0;
// A release this close to the press (model pixels, either way) is a click, not a drag.
constexpr int ClickTolerance = 2;
// The shape tool's code for the vertical line: drawn as a straight line turned on its side.
constexpr int VerticalLineKind = 2;

// The text box placed by its command lies 10 mm in from the cell's corner, plus a random step
// so that boxes placed one after another do not hide each other.
int textBoxMargin()
{
    return roundHalfEven(10.0 / 25.4 * ModelPixelsPerInch);
}

void setUpTable(TZR_ShapeTable &table)
{
    table.setBrushColor(clWhite);
    table.setBrushStyle(bsSolid);
    table.setPenColor(clBlack);
}

// Font.Size is the size at 100 % like every other value of the model (the painter scales it by
// the zoom shown), so it is the tool bar's size itself, the same as ImsiFontSize. ImsiZoom
// records the zoom the box was made at.
void setUpTextBox(TZR_TextEdit &box, const PlacementContext &context)
{
    box.setColor(clWhite);
    box.setTransparent(true);
    box.setFontName(context.fontName);
    box.setFontSize(context.fontSize);
    box.setImsiFontSize(context.fontSize);
    box.setImsiZoom(context.zoom);
    box.setFontCharset(DefaultCharset);
    // Both lists, so that the placeholder shows whether or not the box wraps.
    const QStringList placeholder {QStringLiteral("여기에 입력")};
    box.setWwtMemo(placeholder);
    box.setWwfMemo(placeholder);
}

void setUpShape(TZR_VantorShape &shape, const PlacementContext &context)
{
    if (context.shapeKind == VerticalLineKind) {
        shape.setAngle(90);
        shape.setShape(mstDLine);
        shape.setStartType(spLeft);
    } else {
        shape.setShape(context.shapeKind);
    }
    // The colour first: assigning a colour makes a clear brush solid.
    shape.setBrushColor(context.fillColour);
    shape.setBrushStyle(context.fillColour == clWhite ? bsClear : bsSolid);
    shape.setPenColor(context.lineColour);
    shape.setLinePosTop(false);
}

void setUpZipBarcode(TZR_ZipBarcode &barcode)
{
    barcode.setAutoSize(true);
    barcode.setBStartPoint(1);
    barcode.setBarWidth(1);
    barcode.setColor(clBlack);
}

void setUpGradient(TZR_Gradient &gradient)
{
    gradient.setGradientStartColor(clBlue);
    gradient.setGradientEndColor(clWhite);
    gradient.setLayOutStyle(lsGradient);
    gradient.setGradientStyle(gsTopToBottom);
}

void applyCreationSettings(
    LabelObject &object, ObjectTypeCode code, const PlacementContext &context)
{
    switch (code) {
    case ObjectTypeCode::ShapeTable:
        setUpTable(static_cast<TZR_ShapeTable &>(object));
        break;
    case ObjectTypeCode::TextEdit:
        setUpTextBox(static_cast<TZR_TextEdit &>(object), context);
        break;
    case ObjectTypeCode::VantorShape:
        setUpShape(static_cast<TZR_VantorShape &>(object), context);
        break;
    case ObjectTypeCode::SerialNumber: {
        auto &serial = static_cast<TZR_SerialNumber &>(object);
        serial.setTransparent(true);
        serial.setAutoSize(true);
        break;
    }
    case ObjectTypeCode::ZipBarcode:
        setUpZipBarcode(static_cast<TZR_ZipBarcode &>(object));
        break;
    case ObjectTypeCode::Gradient:
        setUpGradient(static_cast<TZR_Gradient &>(object));
        break;
    case ObjectTypeCode::DBImage:
        static_cast<TZR_DBImage &>(object).applyPlacementSettings();
        break;
    case ObjectTypeCode::WordArt:
    case ObjectTypeCode::Barcode:
    case ObjectTypeCode::Barcode2D:
    case ObjectTypeCode::GuideLabel:
        break;
    }
}

} // namespace

QRect rectFromCorners(const QPoint &a, const QPoint &b)
{
    return QRect(std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::abs(a.x() - b.x()),
        std::abs(a.y() - b.y()));
}

// Sizes of a click without a drag, in model pixels at 100 %:
// - objects placed by their commands: the size their command gives (immediateRect), the
//   picture the picture control's own 105 x 105;
// - shapes: the shape's own 65 x 65 (the diagonal line included); the straight line 100 long
//   and 5 thick (the least the handles allow), lying or, for the vertical line, standing;
// - table 200 x 100, room for its 3 x 3 cells; gradient and word art 150 x 60, a banner;
// - 2D barcode 100 x 100, a square symbol; field label its own 65 x 17.
QSize defaultSize(ObjectTypeCode code, int shapeKind)
{
    switch (code) {
    case ObjectTypeCode::TextEdit:
        return QSize(120, 60);
    case ObjectTypeCode::DBImage:
        return QSize(105, 105);
    case ObjectTypeCode::Barcode:
        return QSize(120, 100);
    case ObjectTypeCode::ZipBarcode:
        return QSize(300, 20);
    case ObjectTypeCode::SerialNumber:
        return QSize(120, 30);
    case ObjectTypeCode::GuideLabel:
        return QSize(65, 17);
    case ObjectTypeCode::Barcode2D:
        return QSize(100, 100);
    case ObjectTypeCode::Gradient:
    case ObjectTypeCode::WordArt:
        return QSize(150, 60);
    case ObjectTypeCode::ShapeTable:
        return QSize(200, 100);
    case ObjectTypeCode::VantorShape:
        if (shapeKind == mstDLine)
            return QSize(100, StretchGeometry::MinimumSize);
        if (shapeKind == VerticalLineKind)
            return QSize(StretchGeometry::MinimumSize, 100);
        return QSize(65, 65);
    }
    return QSize(65, 65);
}

QRect dragPlacement(ObjectTypeCode code, const QPoint &press, const QPoint &release, int shapeKind)
{
    const QPoint moved = release - press;
    if (std::abs(moved.x()) <= ClickTolerance && std::abs(moved.y()) <= ClickTolerance)
        return QRect(press, defaultSize(code, shapeKind));
    // A drag along one axis (a line drawn straight across) still gives the object some
    // thickness: the handles never make anything thinner either.
    QRect rect = rectFromCorners(press, release);
    rect.setWidth(std::max(rect.width(), StretchGeometry::MinimumSize));
    rect.setHeight(std::max(rect.height(), StretchGeometry::MinimumSize));
    return rect;
}

RandomInt defaultRandom()
{
    return [](int lo, int hi) {
        if (hi <= lo)
            return lo;
        return int(QRandomGenerator::global()->bounded(lo, hi + 1));
    };
}

QRect immediateRect(ObjectTypeCode code, const QSize &cellSize, const RandomInt &random)
{
    // The random steps are drawn one by one, in order: x first, then y.
    switch (code) {
    case ObjectTypeCode::TextEdit: {
        const int m = textBoxMargin();
        const int r1 = random(0, 19);
        const int r2 = random(0, 19);
        return QRect(QPoint(m + r1, m + r2), defaultSize(code));
    }
    case ObjectTypeCode::DBImage: {
        const int r1 = random(0, 49);
        const int r2 = random(0, 99);
        const int width
            = std::max(roundHalfEven(cellSize.width() / 2.0), StretchGeometry::MinimumSize);
        const int height
            = std::max(roundHalfEven(cellSize.height() / 2.0), StretchGeometry::MinimumSize);
        return QRect(50 + r1, 50 + r2, width, height);
    }
    case ObjectTypeCode::Barcode:
    case ObjectTypeCode::SerialNumber: {
        const int x = random(30, 69);
        const int y = random(30, 69);
        return QRect(QPoint(x, y), defaultSize(code));
    }
    case ObjectTypeCode::ZipBarcode:
        return QRect(QPoint(10, 50), defaultSize(code));
    default:
        break;
    }
    return {};
}

std::unique_ptr<LabelObject> createObject(
    ObjectTypeCode code, const QRect &bounds, const PlacementContext &context)
{
    std::unique_ptr<LabelObject> object = quill::createObject(code);
    if (!object)
        return object;
    // Bounds first: a serial number switched to automatic size then fits itself to its text.
    object->setBounds(bounds);
    applyCreationSettings(*object, code, context);
    return object;
}

} // namespace quill::ObjectPlacement
