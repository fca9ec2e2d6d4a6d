#include "ArrangeCommands.h"

#include "document/LabelCell.h"
#include "document/LabelObject.h"
#include "document/Rounding.h"
#include "imaging/DecodedPicture.h"
#include "objects/ZR_DBImage.h"
#include "objects/ZR_ShapeTable.h"
#include "objects/ZR_VantorShape.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QTransform>

#include <algorithm>
#include <optional>

namespace quill {

namespace {

// ---- Alignment -------------------------------------------------------------------------------

// Where one rectangle goes along one axis: its start moved so that the named edge or middle
// meets the selection's extreme.
int alignedStart(AlignKind kind, int start, int length, int smallest, int largestEnd)
{
    switch (kind) {
    case AlignKind::Left:
    case AlignKind::Top:
        return smallest;
    case AlignKind::Right:
    case AlignKind::Bottom:
        return largestEnd - length;
    case AlignKind::HorizontalCentre:
    case AlignKind::VerticalCentre:
        // C++ division truncates toward zero like the integer division of the original sums.
        return (smallest + largestEnd) / 2 - length / 2;
    }
    return start;
}

bool horizontal(AlignKind kind)
{
    return kind == AlignKind::Left || kind == AlignKind::Right
           || kind == AlignKind::HorizontalCentre;
}

// ---- Drawing order ---------------------------------------------------------------------------

// Moves the object at `from` to `to` (both valid indexes); false when they are equal.
bool moveInCell(LabelCell &cell, int from, int to)
{
    if (from == to)
        return false;
    cell.insertObject(to, cell.takeObject(from));
    return true;
}

// ---- Pictures --------------------------------------------------------------------------------

QImage transformedImage(const QImage &image, PictureTurn turn)
{
    switch (turn) {
    case PictureTurn::Left:
        return image.transformed(QTransform().rotate(-90));
    case PictureTurn::Right:
        return image.transformed(QTransform().rotate(90));
    case PictureTurn::MirrorLeftRight:
        return image.mirrored(true, false);
    case PictureTurn::MirrorUpDown:
        return image.mirrored(false, true);
    }
    return image;
}

// An icon picture ("TIcon") holding `image`; fails when the icon writer refuses it.
Result<QByteArray> iconPayload(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "ico");
    if (!writer.write(image))
        return Error {writer.errorString()};
    return pictureDataFromFile(bytes, QStringLiteral("ico"));
}

// The turned picture of a payload, in the picture's own kind where it can be written again:
// bitmaps and JPEG pictures go the established 24-bit way (a JPEG stays a JPEG), icons are
// written back as icons. No GIF, animated cursor or metafile writer is at hand (the GIF
// plugin only reads, metafiles are held as drawings), so those pictures are stored as 24-bit
// bitmaps of their turned picture, a metafile rendered at its own size on white. Nothing for
// an empty picture or one that cannot be decoded or written; the caller then leaves it alone.
std::optional<QByteArray> turnedPayload(const QByteArray &payload, PictureTurn turn)
{
    const Result<DecodedPicture> decoded = decodePicture(payload);
    if (!decoded || decoded.value().isEmpty())
        return std::nullopt;
    const DecodedPicture &picture = decoded.value();
    const GraphicClass graphic = picture.graphic();
    if (graphic == GraphicClass::Bitmap || graphic == GraphicClass::Jpeg) {
        Result<QByteArray> turned = turnPicturePayload(payload, turn);
        return turned ? std::optional(turned.value()) : std::nullopt;
    }
    if (graphic == GraphicClass::Icon) {
        // Keeps the icon's transparency; the BMP way would flatten it.
        const QImage turned = transformedImage(picture.image(), turn);
        if (Result<QByteArray> icon = iconPayload(turned))
            return icon.value();
    }
    Result<QByteArray> bitmap = bitmapPayload(transformedImage(picture.toImage24(), turn));
    return bitmap ? std::optional(bitmap.value()) : std::nullopt;
}

// Turns the image's picture and, when present, the source its clipped display is rebuilt from
// (which is what shows then). True when a picture was turned.
bool turnImagePictures(TZR_DBImage &image, PictureTurn turn)
{
    bool turned = false;
    if (const QByteArray source = image.srcImageData(); !source.isEmpty()) {
        if (const std::optional<QByteArray> result = turnedPayload(source, turn)) {
            image.setSrcImageData(*result);
            turned = true;
        }
    }
    if (const QByteArray picture = image.pictureData(); !picture.isEmpty()) {
        if (const std::optional<QByteArray> result = turnedPayload(picture, turn)) {
            image.setPictureData(*result);
            turned = true;
        }
    }
    return turned;
}

// ---- Turning objects -------------------------------------------------------------------------

// The same centre, width and height exchanged; the centre rounds halves to even.
QRect turnedAboutCentre(const QRect &r)
{
    const int cx = int(roundHalfEvenF(r.left() + r.width() / 2.0));
    const int cy = int(roundHalfEvenF(r.top() + r.height() / 2.0));
    return QRect(cx + r.top() - cy, cy + r.left() - cx, r.height(), r.width());
}

// An image's frame is turned with whole-number halves instead.
QRect turnedImageFrame(const QRect &r)
{
    return QRect(r.left() + r.width() / 2 - r.height() / 2,
                 r.top() + r.height() / 2 - r.width() / 2, r.height(), r.width());
}

void addToAngle(LabelObject &object, const QString &property, int degrees)
{
    // The object's own setter brings the sum into 0..359.
    object.setValue(property, object.value(property).toLongLong() + degrees);
}

// Lines and triangles point to the next side: top, left, bottom, right, top.
void stepStartSide(LabelObject &shape)
{
    const int kind = shape.value(QStringLiteral("Shape")).toInt();
    if (kind != mstLine && kind != mstDLine && kind != mstTriAngle)
        return;
    const int side = shape.value(QStringLiteral("StartType")).toInt();
    static constexpr int next[] = {spLeft, spTop, spRight, spBottom}; // by spTop .. spLeft
    shape.setValue(QStringLiteral("StartType"), next[qBound(0, side, 3)]);
}

// The grid turned by a quarter: every row becomes a column and every column a row, merged
// cells keep their cells, column widths become row heights and the other way round. Called
// before the new bounds are set, so that the following resize finds lists that already fit.
void turnTableGrid(TZR_ShapeTable &table, Turn turn)
{
    const int oldRows = table.rows();
    const int oldColumns = table.columns();
    if (table.rowsCnt().empty() && table.columnsCnt().empty() && table.cellDatas().empty()) {
        // Never drawn yet: the grid is built at the new size when it first is.
        table.setRows(oldColumns);
        table.setColumns(oldRows);
        return;
    }
    table.buildGrid(); // whatever is missing or does not match, so that every item is there
    std::vector<int> columnWidths, rowHeights;
    for (int c = 0; c < oldColumns; ++c)
        columnWidths.push_back(TZR_ShapeTable::item(table.columnsCnt(), c)->width());
    for (int r = 0; r < oldRows; ++r)
        rowHeights.push_back(TZR_ShapeTable::item(table.rowsCnt(), r)->height());
    // Turning left, the last column comes to the top; turning right, the last row to the left.
    if (turn == Turn::Left)
        std::reverse(columnWidths.begin(), columnWidths.end());
    else
        std::reverse(rowHeights.begin(), rowHeights.end());

    struct Anchor {
        int row, column, rowSpan, columnSpan;
        bool selected;
    };
    std::vector<Anchor> anchors;
    for (int r = 0; r < oldRows; ++r) {
        for (int c = 0; c < oldColumns; ++c) {
            const TGridInfoItem *cell =
                TZR_ShapeTable::item(table.cellDatas(), qsizetype(r) * oldColumns + c);
            if (!cell->useFlag())
                continue;
            const int rs = qBound(1, cell->rowCnt(), oldRows - r);
            const int cs = qBound(1, cell->columnCnt(), oldColumns - c);
            // The cell's new top-left position; its spans exchange.
            if (turn == Turn::Left)
                anchors.push_back({oldColumns - c - cs, r, cs, rs, cell->selected()});
            else
                anchors.push_back({c, oldRows - r - rs, cs, rs, cell->selected()});
        }
    }

    table.setRows(oldColumns);
    table.setColumns(oldRows);
    const auto fillAxis = [](TZR_ShapeTable::Items &items, const std::vector<int> &lengths,
                             bool columnAxis) {
        items.clear();
        int pos = 1;
        for (int k = 0; k < int(lengths.size()); ++k) {
            TGridInfoItem &item = TZR_ShapeTable::appendItem(items);
            if (columnAxis) {
                item.setLeft(pos);
                item.setWidth(lengths[size_t(k)]);
                item.setColumn(k);
            } else {
                item.setTop(pos);
                item.setHeight(lengths[size_t(k)]);
                item.setRow(k);
            }
            pos += lengths[size_t(k)];
        }
    };
    fillAxis(table.columnsCnt(), rowHeights, true);
    fillAxis(table.rowsCnt(), columnWidths, false);
    TZR_ShapeTable::Items &cells = table.cellDatas();
    cells.clear();
    for (qsizetype k = 0; k < qsizetype(oldRows) * oldColumns; ++k) {
        TGridInfoItem &cell = TZR_ShapeTable::appendItem(cells);
        cell.setRowCnt(1);
        cell.setColumnCnt(1);
    }
    const int newColumns = oldRows;
    for (const Anchor &a : anchors) {
        TGridInfoItem *cell = TZR_ShapeTable::item(cells, qsizetype(a.row) * newColumns + a.column);
        cell->setRowCnt(a.rowSpan);
        cell->setColumnCnt(a.columnSpan);
        cell->setSelected(a.selected);
    }
    table.buildGrid(); // marks the covered positions and computes every cell's rectangle
    table.invalidateMetafile();
}

bool turnsWithFrame(ObjectTypeCode code)
{
    switch (code) {
    case ObjectTypeCode::GuideLabel:
    case ObjectTypeCode::Barcode:
    case ObjectTypeCode::Barcode2D:
    case ObjectTypeCode::ZipBarcode:
        return false;
    default:
        return true;
    }
}

} // namespace

namespace ArrangeCommands {

std::vector<QRect> aligned(const std::vector<QRect> &bounds, AlignKind kind)
{
    if (bounds.size() < 2)
        return bounds;
    const bool alongX = horizontal(kind);
    const auto start = [alongX](const QRect &r) { return alongX ? r.left() : r.top(); };
    const auto length = [alongX](const QRect &r) { return alongX ? r.width() : r.height(); };
    int smallest = start(bounds.front());
    int largestEnd = start(bounds.front()) + length(bounds.front());
    for (const QRect &r : bounds) {
        smallest = std::min(smallest, start(r));
        largestEnd = std::max(largestEnd, start(r) + length(r));
    }
    std::vector<QRect> result;
    result.reserve(bounds.size());
    for (const QRect &r : bounds) {
        const int moved = alignedStart(kind, start(r), length(r), smallest, largestEnd);
        result.push_back(alongX ? r.translated(moved - r.left(), 0)
                                : r.translated(0, moved - r.top()));
    }
    return result;
}

bool align(const std::vector<LabelObject *> &objects, AlignKind kind)
{
    if (objects.size() < 2)
        return false;
    std::vector<QRect> bounds;
    bounds.reserve(objects.size());
    for (const LabelObject *object : objects)
        bounds.push_back(object->bounds());
    const std::vector<QRect> result = aligned(bounds, kind);
    for (size_t i = 0; i < objects.size(); ++i) {
        if (result[i] != bounds[i])
            objects[i]->setBounds(result[i]);
    }
    return true;
}

bool bringToFront(LabelCell &cell, const std::vector<LabelObject *> &objects)
{
    bool changed = false;
    for (LabelObject *object : objects) {
        const int index = cell.indexOf(object);
        if (index >= 0)
            changed |= moveInCell(cell, index, cell.objectCount() - 1);
    }
    return changed;
}

bool sendToBack(LabelCell &cell, const std::vector<LabelObject *> &objects)
{
    bool changed = false;
    for (LabelObject *object : objects) {
        const int index = cell.indexOf(object);
        if (index >= 0)
            changed |= moveInCell(cell, index, 0);
    }
    return changed;
}

bool bringForward(LabelCell &cell, LabelObject *object)
{
    const int index = cell.indexOf(object);
    if (index < 0 || index + 1 >= cell.objectCount())
        return false;
    return moveInCell(cell, index, index + 1);
}

bool sendBackward(LabelCell &cell, LabelObject *object)
{
    const int index = cell.indexOf(object);
    if (index <= 0)
        return false;
    return moveInCell(cell, index, index - 1);
}

bool rotate(LabelObject &object, Turn turn)
{
    const ObjectTypeCode code = object.typeCode();
    if (!turnsWithFrame(code))
        return false;
    const int degrees = turn == Turn::Left ? 90 : -90;
    const QRect before = object.bounds();
    switch (code) {
    case ObjectTypeCode::DBImage:
        if (auto *image = dynamic_cast<TZR_DBImage *>(&object))
            turnImagePictures(*image, turn == Turn::Left ? PictureTurn::Left : PictureTurn::Right);
        object.setBounds(turnedImageFrame(before));
        return true;
    case ObjectTypeCode::TextEdit:
        // The turned frame stays as it is until the next edit of the text sizes it again.
        object.setValue(QStringLiteral("AutoSize"), false);
        addToAngle(object, QStringLiteral("Angle"), degrees);
        break;
    case ObjectTypeCode::WordArt:
    case ObjectTypeCode::Gradient:
        addToAngle(object, QStringLiteral("Angle"), degrees);
        break;
    case ObjectTypeCode::SerialNumber:
        addToAngle(object, QStringLiteral("Escapement"), degrees);
        break;
    case ObjectTypeCode::VantorShape:
        stepStartSide(object);
        break;
    case ObjectTypeCode::ShapeTable:
        if (auto *table = dynamic_cast<TZR_ShapeTable *>(&object))
            turnTableGrid(*table, turn);
        break;
    default:
        break;
    }
    object.setBounds(turnedAboutCentre(before));
    return true;
}

bool mirror(LabelObject &object, Mirror mirror)
{
    auto *image = dynamic_cast<TZR_DBImage *>(&object);
    if (!image)
        return false;
    return turnImagePictures(*image, mirror == Mirror::LeftRight ? PictureTurn::MirrorLeftRight
                                                                 : PictureTurn::MirrorUpDown);
}

} // namespace ArrangeCommands

} // namespace quill
